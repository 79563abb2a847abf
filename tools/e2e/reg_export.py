"""A registry key as Wine's "reg export" writes it, read back value by value: what a program saved
in the registry, checked from outside."""

from harness import expect


def parse_reg(text, key):
    """A .reg export: {key path below key: {value name: (kind, data)}}; kinds dword, hex, sz."""
    keys = {}
    current = None
    logical = []
    for raw in text.splitlines():
        line = raw.rstrip()
        if logical and logical[-1].endswith("\\"):
            logical[-1] = logical[-1][:-1] + line.strip()
        else:
            logical.append(line)
    for line in logical:
        if line.startswith("[") and line.endswith("]"):
            path = line[1:-1]
            current = keys.setdefault(path[len(key):].lstrip("\\") if path.startswith(key) else path, {})
        elif line.startswith('"') and current is not None:
            name, _, data = line[1:].partition('"=')
            if data.startswith("dword:"):
                current[name] = ("dword", int(data[6:], 16))
            elif data.startswith("hex:"):
                body = data[4:]
                current[name] = ("hex", bytes(int(b, 16) for b in body.split(",") if b))
            elif data.startswith('"'):
                current[name] = ("sz", data[1:-1])
            else:
                current[name] = ("other", data)
    return keys


def export_key(h, key, work):
    """The key and the keys below it, exported into the folder work and parsed."""
    target = work / "state.reg"
    if target.exists():
        target.unlink()
    code, out = h.run("reg", "export", key, "Z:" + str(target).replace("/", "\\"), "/y", timeout=60)
    expect(code == 0 and target.exists(), "reg export of the program's key: %s" % out)
    raw = target.read_bytes()
    text = raw.decode("utf-16") if raw[:2] in (b"\xff\xfe", b"\xfe\xff") else raw.decode("latin-1")
    return parse_reg(text, key)


def value(keys, key, name, kind):
    """The data of one value of an export, which must be there and of the kind named."""
    expect(key in keys, "the export holds the key %s: %r" % (key, sorted(keys)))
    expect(name in keys[key], "%s holds %s: %r" % (key, name, keys[key]))
    got_kind, data = keys[key][name]
    expect(got_kind == kind, "%s\\%s is %s, not %s" % (key, name, got_kind, kind))
    return data
