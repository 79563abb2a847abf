"""The MDI demonstration's saved state end to end (ExtrasDemo /mdi /state): the frame keeps its key
table and its placement below the maker's key. An undamaged start writes the resource's table and
the frame's own place; the user's valid table and placement come back and are written again. A
damaged table (zeros, impossible keys or commands, a key twice, a value of 1.2 MB) or a damaged
placement (the whole integer range, a rectangle turned round, an unknown show command) is refused
whole: the program runs, opens where it opens on an undamaged start, writes back what an undamaged
start writes for that value, and keeps the user's other value as it was."""

import os
import pathlib
import struct
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, HarnessError, expect, resource_ids  # noqa: E402

from demo_log import DemoLog  # noqa: E402
from reg_export import export_key, value  # noqa: E402

TITLE = "MDI demonstration"
KEY = r"HKEY_CURRENT_USER\Software\Quendra Labs\ExtrasDemo\MdiDemo"
KEYS, PLACE = "ORXKeyboard-0", "WindowPlacement"
FVIRTKEY, FSHIFT, FCONTROL = 0x01, 0x04, 0x08
VK_F1, VK_F6 = 0x70, 0x75
ID_CONTEXT_HELP = 0xE145


def record(flags, key, cmd):
    return struct.pack("<BBHH", flags, 0, key, cmd)


def write_values(h, work, sub, values):
    """Writes binary and dword values below KEY\\sub through a .reg file (a long value would not fit
    on a command line)."""
    lines = ["REGEDIT4", "", "[%s\\%s]" % (KEY, sub)]
    for name, data in values.items():
        if isinstance(data, int):
            lines.append('"%s"=dword:%08x' % (name, data & 0xFFFFFFFF))
        else:
            lines.append('"%s"=hex:%s' % (name, ",".join("%02x" % b for b in data)))
    path = work / "values.reg"
    path.write_text("\r\n".join(lines) + "\r\n", encoding="latin-1")
    code, out = h.run("reg", "import", "Z:" + str(path).replace("/", "\\"), timeout=120)
    expect(code == 0, "reg import below %s: %s" % (sub, out))


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uiextras" / "demo" / "ExtrasIds.h")
        work = pathlib.Path(tempfile.mkdtemp(prefix="mdi-state-e2e-"))
        h.run("reg", "delete", KEY, "/f", timeout=60)
        runs = [0]

        def run():
            """One start and close of the program: its frame's rectangle and what it saved."""
            runs[0] += 1
            log = DemoLog(work / ("run%d.log" % runs[0]))
            prog = h.start(h.build / "uiextras" / "ExtrasDemo.exe", "/mdi", "/state",
                           "Z:" + str(log.path).replace("/", "\\"))
            # The frame's title ends with the active child's.
            frame = h.find(title=TITLE, partial=True, visible=True, timeout=30)
            h.wait_for(lambda: "ready" in log.lines(), timeout=20, what="the demonstration to start")
            h.idle(frame)
            expect("state loaded 1" in log.lines(), "the state loads: %r" % log.lines()[:3])
            r = h.rect(frame)
            rect = (r["left"], r["top"], r["right"], r["bottom"])
            h.close(frame)
            code = prog.wait_exit(timeout=20)
            expect(code == 0, "the program ends cleanly, not with %r" % code)
            keys = export_key(h, KEY, work)
            return rect, value(keys, KEYS, "Accelerators", "hex"), \
                tuple(value(keys, PLACE, n, k) for n, k in (("MainWindowRect", "hex"), ("Flags", "dword"),
                                                             ("ShowCmd", "dword")))

        # An undamaged start with nothing saved: the resource's table and the frame's own place.
        first_rect, resource_keys, first_place = run()
        expect(resource_keys == record(FVIRTKEY | FSHIFT, VK_F1, ID_CONTEXT_HELP),
               "the resource's table, Shift+F1 for help: %s" % resource_keys.hex())
        expect(len(first_place[0]) == 16 and first_place[2] == 1, "a normal placement: %r" % (first_place,))

        # The user's own table and place come back and are written again.
        user_keys = resource_keys + record(FVIRTKEY | FCONTROL, ord("D"), ids["ID_MDI_DOCCMD"])
        user_rect = struct.pack("<iiii", 120, 80, 700, 500)
        write_values(h, work, KEYS, {"Accelerators": user_keys})
        write_values(h, work, PLACE, {"MainWindowRect": user_rect, "Flags": 0, "ShowCmd": 1})
        rect, keys, place = run()
        expect(keys == user_keys, "the user's table is kept: %s" % keys.hex())
        expect(place[0] == user_rect, "the user's placement is kept: %s" % place[0].hex())
        expect(rect == (120, 80, 700, 500), "the frame opens at the user's place: %r" % (rect,))

        # Damaged tables: refused whole; the placement the user had stays.
        valid = record(FVIRTKEY | FCONTROL, ord("D"), ids["ID_MDI_DOCCMD"])
        for what, damaged in (
                ("all zeros", bytes(18)),
                ("random bytes", bytes.fromhex("5ac39107e24f1388fe206bd07f01a4c93e55")),
                ("a key 0", valid + record(FVIRTKEY, 0, ids["ID_MDI_RENAME"])),
                ("command 0", valid + record(FVIRTKEY, VK_F6, 0)),
                ("command 0xFFFF", valid + record(FVIRTKEY, VK_F6, 0xFFFF)),
                ("a key twice", valid + record(FVIRTKEY | FCONTROL, ord("D"), ids["ID_MDI_RENAME"])),
                ("200,000 records", valid * 200000)):
            write_values(h, work, KEYS, {"Accelerators": damaged})
            rect, keys, place = run()
            expect(keys == resource_keys, "%s: the table an undamaged start writes goes back, not %s"
                   % (what, keys[:24].hex()))
            expect(place[0] == user_rect, "%s: the user's placement is kept: %s" % (what, place[0].hex()))

        # Damaged placements: refused whole; the frame opens where an undamaged start opens it and
        # that place is written; the user's table stays.
        write_values(h, work, KEYS, {"Accelerators": user_keys})
        for what, damaged in (
                ("the whole integer range", (struct.pack("<iiii", -2 ** 31, -2 ** 31, 2 ** 31 - 1, 2 ** 31 - 1), 0, 1)),
                ("a rectangle turned round", (struct.pack("<iiii", 700, 80, 120, 500), 0, 1)),
                ("an unknown show command", (user_rect, 0, 99)),
                ("unknown flags", (user_rect, 0x100, 1))):
            write_values(h, work, PLACE, dict(zip(("MainWindowRect", "Flags", "ShowCmd"), damaged)))
            rect, keys, place = run()
            expect(rect == first_rect, "%s: the frame opens where an undamaged start opens it: %r, not %r"
                   % (what, first_rect, rect))
            expect(place == first_place, "%s: the placement an undamaged start writes goes back: %r"
                   % (what, place))
            expect(keys == user_keys, "%s: the user's table is kept: %s" % (what, keys.hex()))


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED:", e)
        sys.exit(1)
