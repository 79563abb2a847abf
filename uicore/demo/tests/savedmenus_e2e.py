"""Saved menus end to end: the demonstration program, started with "/menubar" and "/state", saves
its menu bar and its second bar (a menu button with a sub-menu) when its window closes. An undamaged
start writes the same state again. Each damaged value (an item inside a menu that is empty, shared
with another menu, the menu itself, of another class or nested 30,000 deep, a menu one item short,
an unreadable parameter, usage counts that do not add up or count no command) is refused whole: the
program starts, and what it writes at exit is what an undamaged start writes, with the user's other
settings kept."""

import os
import pathlib
import struct
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, HarnessError, expect, resource_ids  # noqa: E402
from demo_log import DemoLog  # noqa: E402
from reg_export import export_key, value  # noqa: E402

TITLE = "Tool bar demonstration"
KEY = r"HKEY_CURRENT_USER\Software\Quendra Labs\ToolBarDemo\DemoState"
SECOND_BAR = "ORXToolBar-59393"  # the bar with the menu button
PARAMS = "ORXToolbarParameters"


def cstring(text):
    return bytes([len(text)]) + text.encode("latin-1")


def fields_end(data, text):
    """The offset just after a stored menu button's own fields (its id, style, image, text, four
    flags and the tear-off bar's id), found by its text: where the count of its items starts."""
    at = data.find(cstring(text))
    expect(at > 0, "the stored menus hold %s: %s" % (text, data[:64].hex()))
    return at + len(cstring(text)) + 4 * 4 + 4


def with_items(data, text, extra, before=b""):
    """The value with the count of the named menu's items raised by extra and the bytes before put
    in front of its first item."""
    at = fields_end(data, text)
    count = struct.unpack_from("<H", data, at)[0]
    return data[:at] + struct.pack("<H", count + extra) + before + data[at + 2:]


def nested_menus(depth):
    """Menu buttons inside each other, each by a reference to the class the value names first."""
    record = struct.pack("<HIIi", 0x8001, 0, 0, -1) + b"\x00" + struct.pack("<IIIII", 0, 0, 1, 0, 0)
    return b"".join(record + struct.pack("<H", 1 if i + 1 < depth else 0) for i in range(depth))


def import_value(h, work, sub, name, data):
    """Writes one binary value through a registry file: a value of a megabyte does not fit on a
    command line."""
    path = work / "damage.reg"
    body = ",".join("%02x" % b for b in data)
    path.write_text('Windows Registry Editor Version 5.00\r\n\r\n[%s\\%s]\r\n"%s"=hex:%s\r\n'
                    % (KEY, sub, name, body), encoding="utf-16")
    code, out = h.run("reg", "import", "Z:" + str(path).replace("/", "\\"), timeout=120)
    expect(code == 0, "reg import of %s\\%s: %s" % (sub, name, out))


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uicore" / "demo" / "DemoIds.h")
        work = pathlib.Path(tempfile.mkdtemp(prefix="savedmenus-e2e-"))
        h.run("reg", "delete", KEY, "/f", timeout=60)

        def run(name):
            """One start and its close: the log, and the state the program left."""
            log = DemoLog(work / (name.replace(" ", "-").replace(",", "") + ".log"))
            prog, frame = log.start(h, h.build / "uicore" / "ToolBarDemo.exe", TITLE, "/menubar", "/state")
            expect(prog.running(), "the program runs after the %s start" % name)
            titles = [l.split(" ", 6)[6] for l in log.lines() if l.startswith("menuitem ")]
            expect(titles == ["&View", "&Run"], "the %s start shows the menu bar's menus: %r" % (name, titles))
            saved = log.saved_on_close(h, prog, frame)
            expect(saved == ["state saved 1"], "the %s start saves when its window closes: %r" % (name, saved))
            return export_key(h, KEY, work)

        first = run("first")
        baseline = run("undamaged")
        # The same bytes come back from every undamaged start: items without images keep their
        # flags, and the items built from a menu are stored as loading them would make them.
        menu_keys = [k for k, v in first.items() if b"CORXToolbarMenuButton" in v.get("Buttons", ("", b""))[1]]
        expect(SECOND_BAR in menu_keys and len(menu_keys) >= 2, "the menus are saved: %r" % sorted(first))
        for key in menu_keys:
            expect(first[key] == baseline.get(key), "the second start writes the first start's %s: %r, not %r"
                   % (key, baseline.get(key), first[key]))
        expect(run("again") == baseline, "an undamaged start writes what it read")
        (work / "state.reg").rename(work / "baseline.reg")
        baseline_file = "Z:" + str(work / "baseline.reg").replace("/", "\\")

        menubar = [k for k, v in baseline.items() if b"&View" in v.get("Buttons", ("", b""))[1]]
        expect(len(menubar) == 1, "one saved menu holds the View menu: %r" % sorted(baseline))
        menubar = menubar[0]
        menus = value(baseline, menubar, "Buttons", "hex")
        second = value(baseline, SECOND_BAR, "Buttons", "hex")
        expect(b"&More" in second, "the second bar's menu is saved with its sub-menu: %s" % second[:48].hex())
        # The menu bar numbers its objects as it reads them: the menu button class 1, View 2, View's
        # first item 3. In the second bar the menu button is 2.
        mouse = b"\xff\xff\x01\x00" + struct.pack("<H", 16) + b"CORXMouseManager"
        cases = [
            ("an empty item", menubar, with_items(menus, "&View", 1, b"\x00\x00")),
            ("an item shared with another menu", menubar, with_items(menus, "&Run", 1, b"\x03\x00")),
            ("a menu one item short", menubar, with_items(menus, "&View", -1)),
            ("a byte after the record", menubar, menus + b"\x00"),
            ("the menu as its own item", SECOND_BAR, with_items(second, "&Menu", 1, b"\x02\x00")),
            ("an item of another class", SECOND_BAR, with_items(second, "&Menu", 1, mouse)),
            ("sub-menus 30,000 deep", SECOND_BAR, with_items(second, "&Menu", 1, nested_menus(30000))),
            ("a total of every use", PARAMS, struct.pack("<IHII", 0xFFFFFFFF, 1, ids["ID_DEMO_OPEN"], 1)),
            ("a count of no command", PARAMS, struct.pack("<IHIIII", 2, 2, ids["ID_DEMO_OPEN"], 1, 0, 1)),
            ("a count of a reserved id", PARAMS, struct.pack("<IHII", 1, 1, 0xFFFF, 1)),
        ]
        for name, sub, data in cases:
            h.run("reg", "delete", KEY, "/f", timeout=60)
            code, out = h.run("reg", "import", baseline_file, timeout=60)
            expect(code == 0, "the undamaged state goes back: %s" % out)
            import_value(h, work, sub, "CommandsUsage" if sub == PARAMS else "Buttons", data)
            left = run(name)
            for key in sorted(set(left) | set(baseline)):
                expect(left.get(key) == baseline.get(key),
                       "after %s, %s is what an undamaged start writes: %r, not %r"
                       % (name, key, left.get(key), baseline.get(key)))

        # One unreadable parameter costs the user's others nothing: the shadows stay off and the
        # counts stay; the unreadable one is written back as the setting stands.
        h.run("reg", "delete", KEY, "/f", timeout=60)
        h.run("reg", "import", baseline_file, timeout=60)
        usage = struct.pack("<IHII", 3, 1, ids["ID_DEMO_OPEN"], 3)
        import_value(h, work, PARAMS, "CommandsUsage", usage)
        for name, kind, data in (("Tooltips", "REG_SZ", "0"), ("MenuShadows", "REG_DWORD", "0"),
                                 ("ShowAllMenusAfterDelay", "REG_DWORD", "0")):
            code, out = h.run("reg", "add", KEY + "\\" + PARAMS, "/v", name, "/t", kind, "/d", data, "/f",
                              timeout=60)
            expect(code == 0, "reg add %s: %s" % (name, out))
        left = run("unreadable Tooltips")
        expect(value(left, PARAMS, "Tooltips", "dword") == 1, "the unreadable Tooltips gives way to the setting")
        expect(value(left, PARAMS, "MenuShadows", "dword") == 0, "the user's MenuShadows is kept")
        expect(value(left, PARAMS, "ShowAllMenusAfterDelay", "dword") == 0, "the user's delay setting is kept")
        expect(value(left, PARAMS, "CommandsUsage", "hex") == usage, "the user's counts are kept")
        for key in baseline:
            if key != PARAMS:
                expect(left.get(key) == baseline[key], "%s is kept beside an unreadable parameter" % key)


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED:", e)
        sys.exit(1)
