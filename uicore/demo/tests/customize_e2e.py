"""Customise mode end to end, with the real mouse: a button dragged from the main bar to the second
bar moves there; with Ctrl held it is copied; a button dragged off every bar is removed; "Delete" on
the customise context menu removes a button; and once customise mode is left the moved button sends
its command. Screenshots are left in the build tree."""

import os
import pathlib
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, HarnessError, expect, resource_ids  # noqa: E402
from demo_log import DemoLog  # noqa: E402

TITLE = "Tool bar demonstration"


class Log(DemoLog):
    def bars(self):
        """The last logged buttons of each bar: {name: [(command, (l, t, r, b), text, image)]}."""
        lines = self.lines()
        ends = [i for i, l in enumerate(lines) if l == "bars logged"]
        expect(ends, "the program logged no bars")
        result = {}
        i = ends[-1] - 1
        while i >= 0 and lines[i].startswith(("item ", "bar ")):
            i -= 1
        for l in lines[i + 1:ends[-1]]:
            if l.startswith("bar "):
                result[l.split()[1]] = []
            else:
                _, name, _, cmd, left, top, right, bottom, text, image = l.split()
                result[name].append((int(cmd), (int(left), int(top), int(right), int(bottom)), int(text), int(image)))
        return result

    def count_logged(self):
        return self.lines().count("bars logged")


def centre(rect):
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


def find(bar, cmd):
    for item in bar:
        if item[0] == cmd:
            return item
    return None


def drag(h, frame, start, end, ctrl=False):
    """Presses on start, moves to end in steps as a hand would, and lets go; the program has taken
    each step before the next."""
    h.xdotool("mousemove", "--sync", start[0], start[1])
    h.idle(frame)
    if ctrl:
        h.xdotool("keydown", "ctrl")
    h.xdotool("mousedown", 1)
    h.idle(frame)
    steps = 12
    for i in range(1, steps + 1):
        x = start[0] + (end[0] - start[0]) * i // steps
        y = start[1] + (end[1] - start[1]) * i // steps
        h.xdotool("mousemove", "--sync", x, y)
        h.idle(frame)
    h.xdotool("mouseup", 1)
    if ctrl:
        h.xdotool("keyup", "ctrl")
    h.idle(frame)


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uicore" / "demo" / "DemoIds.h")
        ids.update(resource_ids(h.source / "uicore" / "demo" / "DemoCustomize.h"))
        new_id, open_id, save_id = ids["ID_DEMO_NEW"], ids["ID_DEMO_OPEN"], ids["ID_DEMO_SAVE"]
        work = pathlib.Path(tempfile.mkdtemp(prefix="customize-e2e-"))
        log = Log(work / "demo.log")
        winlog = "Z:" + str(log.path).replace("/", "\\")
        prog = h.start(h.build / "uicore" / "ToolBarDemo.exe", "/customize", winlog)
        frame = h.find(title=TITLE, visible=True, timeout=30)
        h.wait_for(lambda: "ready" in log.lines() and log.count_logged() > 0, timeout=20,
                   what="the demonstration to start")
        expect("OLE not started" not in log.lines(), "OLE starts")
        h.idle(frame)
        bars = log.bars()
        print("bars at start:", bars)
        expect(find(bars["main"], new_id) and find(bars["second"], new_id) is None, "New starts on the main bar")

        h.command(frame, ids["ID_DEMO_CUSTOMIZE"])
        h.wait_for(lambda: "customize 1" in log.lines(), timeout=10, what="customise mode to start")
        h.idle(frame)
        h.screenshot("customize-on")

        # A plain drag moves New to the second bar, after its one button.
        second_last = bars["second"][-1][1]
        target = (second_last[2] + 8, (second_last[1] + second_last[3]) // 2)
        drag(h, frame, centre(find(bars["main"], new_id)[1]), target)
        h.wait_for(lambda: find(log.bars()["second"], new_id) is not None, timeout=10,
                   what="New to arrive on the second bar")
        bars = log.bars()
        expect(find(bars["main"], new_id) is None, "the move takes New off the main bar: %r" % bars)
        h.screenshot("customize-moved")

        # With Ctrl held Open is copied: both bars have it.
        second_last = bars["second"][-1][1]
        target = (second_last[2] + 8, (second_last[1] + second_last[3]) // 2)
        drag(h, frame, centre(find(bars["main"], open_id)[1]), target, ctrl=True)
        h.wait_for(lambda: find(log.bars()["second"], open_id) is not None, timeout=10,
                   what="the copy of Open to arrive on the second bar")
        bars = log.bars()
        expect(find(bars["main"], open_id) is not None, "the copy leaves Open on the main bar: %r" % bars)
        h.screenshot("customize-copied")

        # The copy dragged into the frame below the bars, which is no bar, goes.
        r = h.rect(frame)
        drag(h, frame, centre(find(bars["second"], open_id)[1]),
             (r["right"] - 40, (r["top"] + r["bottom"]) // 2 + 10))
        h.wait_for(lambda: find(log.bars()["second"], open_id) is None, timeout=10,
                   what="the copy dragged off every bar to go")
        bars = log.bars()
        expect(find(bars["main"], open_id) is not None, "the main bar's Open stays: %r" % bars)
        h.screenshot("customize-removed")

        # "Delete" on the customise context menu of Save.
        save = find(bars["main"], save_id)
        expect(save is not None, "Save is on the main bar")
        x, y = centre(save[1])
        h.mouse_click(x, y, button=3)
        h.wait_for(lambda: h.framework_menus(prog) or h.popup_menus(prog), timeout=15,
                   what="the customise context menu")
        h.idle(frame)
        h.screenshot("customize-context-menu")
        h.key("d")
        h.wait_for(lambda: find(log.bars()["main"], save_id) is None, timeout=10, what="Delete to remove Save")
        bars = log.bars()
        h.screenshot("customize-deleted")

        # Out of customise mode the moved button is a button again and sends its command.
        h.command(frame, ids["ID_DEMO_CUSTOMIZE"])
        h.wait_for(lambda: "customize 0" in log.lines(), timeout=10, what="customise mode to end")
        h.idle(frame)
        bars = log.bars()
        x, y = centre(find(bars["second"], new_id)[1])
        h.mouse_click(x, y)
        h.wait_for(lambda: new_id in log.commands(), timeout=10, what="the moved New to send its command")
        h.screenshot("customize-off")
        print("final bars:", bars)


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED:", e)
        sys.exit(1)
