"""The user tools and mouse bindings that the customise demonstration keeps (ExtrasDemo /customize),
damaged in the registry. The user's valid tools and binding come back and are written again; a tools
list with one tool stored twice, a NULL, two tools of one id or an id outside the tools' range, and
bindings with a view bound twice, an unknown view or an impossible command, are each refused whole:
the program runs and ends cleanly, has no tools (or no binding), writes back what an undamaged start
writes for that value, and keeps the user's other value as it was."""

import os
import pathlib
import struct
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, HarnessError, expect, resource_ids  # noqa: E402

from demo_log import DemoLog  # noqa: E402
from reg_export import export_key, value  # noqa: E402

TITLE = "Customize demonstration"
KEY = r"HKEY_CURRENT_USER\Software\Quendra Labs\ExtrasDemo\CustomizeDemo"
VIEW = 1  # the demonstration's one view, "Clock face"
TOOL_CLASS = b"\xff\xff\x01\x00\x0c\x00CORXUserTool"
NEXT_TOOL = b"\x01\x80"  # a further object of the class read first


def tool(label, cmd_id):
    """One stored tool's data: label, command, arguments, folder (empty) and command id."""
    return bytes([len(label)]) + label.encode() + b"\x00\x00\x00" + struct.pack("<I", cmd_id)


def bindings(*pairs):
    return struct.pack("<I", len(pairs)) + b"".join(struct.pack("<II", v, c) for v, c in pairs)


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uiextras" / "demo" / "ExtrasIds.h")
        first, new, rename = ids["ID_CUST_TOOL_FIRST"], ids["ID_CUST_NEW"], ids["ID_CUST_BOLD"]
        work = pathlib.Path(tempfile.mkdtemp(prefix="customize-state-e2e-"))
        h.run("reg", "delete", KEY, "/f", timeout=60)
        runs = [0]

        def put(name, data):
            code, out = h.run("reg", "add", KEY, "/v", name, "/t", "REG_BINARY", "/d", data.hex(), "/f", timeout=60)
            expect(code == 0, "reg add %s: %s" % (name, out))

        def run():
            """One start and close: the tools the program showed, and its saved Tools and Mouse."""
            runs[0] += 1
            log = DemoLog(work / ("run%d.log" % runs[0]))
            prog, frame = log.start(h, h.build / "uiextras" / "ExtrasDemo.exe", TITLE, "/customize")
            options = log.starting("options ")
            expect(options, "the program logged its options")
            shown = options[0].split("tools=", 1)[1]
            h.close(frame)
            code = prog.wait_exit(timeout=20)
            expect(code == 0, "the program ends cleanly, not with %r" % code)
            keys = export_key(h, KEY, work)
            return shown, value(keys, "", "Tools", "hex"), value(keys, "", "Mouse", "hex")

        # An undamaged start with nothing saved: no tools, no binding.
        shown, no_tools, no_bindings = run()
        expect(shown == "" and no_tools == b"\x00\x00" and no_bindings == bindings(),
               "a first start keeps no tools and no binding: %r %s %s" % (shown, no_tools.hex(), no_bindings.hex()))

        # The user's tools and binding come back and are written again as they were.
        user_tools = b"\x02\x00" + TOOL_CLASS + tool("Notes", first) + NEXT_TOOL + tool("Calc", first + 1)
        user_bindings = bindings((VIEW, new))
        put("Tools", user_tools)
        put("Mouse", user_bindings)
        shown, tools, mouse = run()
        expect(shown == "Notes;Calc;", "the user's tools are shown: %r" % shown)
        expect(tools == user_tools and mouse == user_bindings, "both are kept: %s %s" % (tools.hex(), mouse.hex()))

        # Damaged tools: none is taken, none is deleted twice; the binding stays.
        for what, damaged in (
                ("one tool stored twice", b"\x02\x00" + TOOL_CLASS + tool("Notes", first) + b"\x02\x00"),
                ("a NULL tool", b"\x02\x00" + TOOL_CLASS + tool("Notes", first) + b"\x00\x00"),
                ("two tools of one id", b"\x02\x00" + TOOL_CLASS + tool("Notes", first) + NEXT_TOOL
                 + tool("Calc", first)),
                ("an id outside the tools' range", b"\x01\x00" + TOOL_CLASS + tool("Notes", new))):
            put("Tools", damaged)
            shown, tools, mouse = run()
            expect(shown == "", "%s: no tool is taken: %r" % (what, shown))
            expect(tools == no_tools, "%s: what an undamaged start writes goes back: %s" % (what, tools.hex()))
            expect(mouse == user_bindings, "%s: the binding is kept: %s" % (what, mouse.hex()))

        # Damaged bindings: none is taken; the tools stay.
        put("Tools", user_tools)
        for what, damaged in (
                ("a view bound twice", bindings((VIEW, new), (VIEW, rename))),
                ("a view the program has not", bindings((VIEW, new), (5, rename))),
                ("command 0xFFFF", bindings((VIEW, 0xFFFF))),
                ("command 0", bindings((VIEW, 0))),
                ("a count beyond the value", struct.pack("<III", 0x10000000, VIEW, new))):
            put("Mouse", damaged)
            shown, tools, mouse = run()
            expect(mouse == no_bindings, "%s: what an undamaged start writes goes back: %s" % (what, mouse.hex()))
            expect(tools == user_tools and shown == "Notes;Calc;", "%s: the tools are kept: %r" % (what, shown))


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED:", e)
        sys.exit(1)
