"""Saved bars end to end: the demonstration program, started with "/state", changes its bar (Save
removed, Alarm put first, text labels on), counts a click, saves when its window closes and shows
the same bar when it starts again. The registry export of its key is checked value by value. A
damaged "Buttons" value and a damaged command-usage value give the resource's bar, and the program
keeps running. Screenshots of each start are left in the build tree."""

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
BAR = "ORXToolBar-59392"  # the bar's control id


class Log(DemoLog):
    def layout(self):
        """The last layout: [(command id, (left, top, right, bottom))] in bar order."""
        return self.last_layout()

    def order(self):
        return [cmd for cmd, _ in self.layout()]


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uicore" / "demo" / "DemoIds.h")
        resource_order = [ids["ID_DEMO_NEW"], ids["ID_DEMO_OPEN"], ids["ID_DEMO_SAVE"], 0, ids["ID_DEMO_BOLD"],
                          ids["ID_DEMO_CHECK"], 0, ids["ID_DEMO_ALARM"], ids["ID_DEMO_LARGE"]]
        changed_order = [ids["ID_DEMO_ALARM"], ids["ID_DEMO_NEW"], ids["ID_DEMO_OPEN"], 0, ids["ID_DEMO_BOLD"],
                         ids["ID_DEMO_CHECK"], 0, ids["ID_DEMO_ALARM"], ids["ID_DEMO_LARGE"]]
        work = pathlib.Path(tempfile.mkdtemp(prefix="state-e2e-"))
        h.run("reg", "delete", KEY, "/f", timeout=60)

        def start(name):
            log = Log(work / (name + ".log"))
            prog, frame = log.start(h, h.build / "uicore" / "ToolBarDemo.exe", TITLE, "/state")
            return prog, frame, log

        # First start: nothing saved, the resource's bar.
        prog, frame, log = start("first")
        expect("state found 0" in log.lines() and "state loaded 1" in log.lines(),
               "a first start finds no saved state and loads: %r" % log.lines()[:4])
        expect(log.order() == resource_order, "the resource's bar: %r" % log.order())
        h.command(frame, ids["ID_DEMO_CHANGEBAR"])
        h.wait_for(lambda: log.order() == changed_order, timeout=10, what="the changed bar")
        h.command(frame, ids["ID_DEMO_TEXTLABELS"])
        h.wait_for(lambda: log.layout()[1][1][3] - log.layout()[1][1][1] > 21, timeout=10,
                   what="the text labels' layout")
        # One counted click on Open.
        rect = dict(log.layout())[ids["ID_DEMO_OPEN"]]
        h.mouse_click((rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2)
        h.wait_for(lambda: "command %d" % ids["ID_DEMO_OPEN"] in log.lines(), timeout=10, what="the Open command")
        h.xdotool("mousemove", "--sync", rect[0], rect[3] + 150)
        h.idle(frame)
        h.screenshot("state-changed")
        saved = log.saved_on_close(h, prog, frame)
        expect(saved == ["state saved 1"], "the state is saved when the window closes: %r" % saved)

        # The layout in the registry.
        keys = export_key(h, KEY, work)
        expect(value(keys, "ORXControlBarVersion", "Major", "dword") == 6, "version major 6")
        expect(value(keys, "ORXControlBarVersion", "Minor", "dword") == 33, "version minor 33")
        params = "ORXToolbarParameters"
        for name, default in (("Tooltips", 1), ("ShortcutKeys", 1), ("LargeIcons", 0), ("MenuAnimation", 0),
                              ("RecentlyUsedMenus", 1), ("MenuShadows", 1), ("ShowAllMenusAfterDelay", 1),
                              ("Look2000", 0)):
            got = value(keys, params, name, "dword")
            expect(got == default, "%s is %d, not %d" % (name, got, default))
        usage = value(keys, params, "CommandsUsage", "hex")
        expect(usage == struct.pack("<IHII", 1, 1, ids["ID_DEMO_OPEN"], 1),
               "one use of Open: total, count of entries, command and count: %s" % usage.hex())
        expect(value(keys, "ORXCommandManager", "CommandsWithoutImages", "hex") == b"\x00\x00",
               "an empty list of commands without images")
        expect(value(keys, BAR, "Name", "sz") == "Standard", "the bar's name")
        buttons = value(keys, BAR, "Buttons", "hex")
        expect(struct.unpack_from("<H", buttons)[0] == len(changed_order) and buttons[2:4] == b"\xff\xff",
               "the stored list counts the bar's buttons, the first with its class: %s" % buttons[:24].hex())
        expect(b"CORXToolbarButton" in buttons and b"Standard" in buttons, "button class and bar name stored")
        expect(buttons[-13:-9] == b"\x01\x00\x00\x00", "the text-labels flag is stored: %s" % buttons[-16:].hex())
        placement = value(keys, "WindowPlacement", "MainWindowRect", "hex")
        expect(len(placement) == 16, "the rectangle is its 16 bytes: %s" % placement.hex())
        left, top, right, bottom = struct.unpack("<iiii", placement)
        expect(right - left == 480 and bottom - top == 200, "the frame's size: %r" % ((left, top, right, bottom),))
        expect(value(keys, "WindowPlacement", "ShowCmd", "dword") == 1, "shown normally")
        value(keys, "WindowPlacement", "Flags", "dword")

        # Second start: the bar as it was left.
        prog, frame, log = start("second")
        expect("state found 1" in log.lines() and "state loaded 1" in log.lines(),
               "the saved state is found and loads: %r" % log.lines()[:4])
        expect(log.order() == changed_order, "the changed bar comes back: %r" % log.order())
        expect(log.layout()[1][1][3] - log.layout()[1][1][1] > 21, "with its text labels: %r" % log.layout()[:2])
        h.screenshot("state-restored")
        log.saved_on_close(h, prog, frame)

        # Damaged values: the resource's bar, and the program runs on.
        for name, damaged in (("Buttons", "0900FFFF2A00"), ("CommandsUsage", "05000000FFFF01")):
            sub = BAR if name == "Buttons" else params
            code, out = h.run("reg", "add", KEY + "\\" + sub, "/v", name, "/t", "REG_BINARY", "/d", damaged, "/f",
                              timeout=60)
            expect(code == 0, "reg add %s: %s" % (name, out))
            prog, frame, log = start("damaged-" + name)
            expect(prog.running(), "the program survives a damaged %s" % name)
            if name == "Buttons":
                expect(log.order() == resource_order, "a damaged Buttons value gives the resource's bar: %r"
                       % log.order())
            else:
                # Only the counts are damaged: they start again from none and the bar still loads.
                expect(log.order() == resource_order, "the bar of the earlier damage stays the resource's: %r"
                       % log.order())
            h.screenshot("state-damaged-" + name.lower())
            log.saved_on_close(h, prog, frame)
        keys = export_key(h, KEY, work)
        usage = value(keys, params, "CommandsUsage", "hex")
        expect(usage == struct.pack("<IH", 0, 0), "damaged counts were dropped, not kept: %s" % usage.hex())


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED:", e)
        sys.exit(1)
