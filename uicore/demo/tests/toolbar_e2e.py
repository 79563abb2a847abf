"""Tool-bar demonstration end to end: the framework's tool bar at the top of a frame, driven with the
real mouse. Hovering a button shows its status text and then its tool tip (the second line of the
command's string); pressing and releasing on a button sends its command, releasing off it sends
nothing; the disabled command sends nothing and the check command shows checked; text labels and
large icons lay the bar out again. Screenshots of each look are left in the build tree."""

import os
import pathlib
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, HarnessError, expect, resource_ids  # noqa: E402
from demo_log import DemoLog  # noqa: E402

TITLE = "Tool bar demonstration"
WM_MOUSEMOVE = 0x0200


class Log(DemoLog):
    """The program's log: commands, status texts and button rectangles, read as it grows."""

    def statuses(self):
        return self.numbers("status")

    def buttons(self):
        """The last layout: command id -> (left, top, right, bottom) on the screen."""
        return dict(self.last_layout())


def centre(rect):
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uicore" / "demo" / "DemoIds.h")
        work = pathlib.Path(tempfile.mkdtemp(prefix="toolbar-e2e-"))
        log = Log(work / "demo.log")
        winlog = "Z:" + str(log.path).replace("/", "\\")
        prog = h.start(h.build / "uicore" / "ToolBarDemo.exe", winlog)
        frame = h.find(title=TITLE, visible=True, timeout=30)
        h.wait_for(lambda: "ready" in log.lines(), timeout=20, what="the demonstration to start")
        buttons = log.buttons()
        expect(len(buttons) == 8, "the bar lists its seven commands and its separator: %r" % buttons)
        new = buttons[ids["ID_DEMO_NEW"]]
        expect(new[2] - new[0] == 22 and new[3] - new[1] >= 21, "a 16 x 15 resource gives 22 x 21 buttons: %r" % (new,))
        h.idle(frame)
        h.screenshot("toolbar-normal")

        # Hovering: status text of the command, then its tool tip.
        x, y = centre(buttons[ids["ID_DEMO_OPEN"]])
        h.xdotool("mousemove", "--sync", x, y)
        h.wait_for(lambda: ids["ID_DEMO_OPEN"] in log.statuses(), timeout=10, what="the status text of Open")
        h.screenshot("toolbar-hover")

        # The tool the bar gives the tool-tip control carries the second line of the string; the
        # program logs the text of the control's tool.
        def tooltip():
            tips = [l[len("tooltip "):] for l in log.lines() if l.startswith("tooltip ")]
            return tips[-1] if tips and tips[-1] else None

        h.xdotool("mousemove", "--sync", x + 1, y)
        tip = h.wait_for(tooltip, timeout=10, what="the tool tip of Open")
        expect(tip == "Open", "the tool tip shows the second line of the string: %r" % tip)
        h.idle(frame)
        h.screenshot("toolbar-tooltip")

        # Pressing and releasing on the button sends its command.
        h.mouse_click(x, y)
        h.wait_for(lambda: ids["ID_DEMO_OPEN"] in log.commands(), timeout=10, what="the Open command")

        # Released off the button: nothing.
        count = len(log.commands())
        nx, ny = centre(buttons[ids["ID_DEMO_NEW"]])
        h.xdotool("mousemove", "--sync", nx, ny)
        h.xdotool("mousedown", 1)
        h.idle(frame)
        h.screenshot("toolbar-pressed")
        h.xdotool("mousemove", "--sync", nx, ny + 120)
        h.xdotool("mouseup", 1)
        h.idle(frame)
        expect(len(log.commands()) == count, "a release off the button sends nothing: %r" % log.commands())

        # The disabled command sends nothing; the check command is sent and shows checked.
        sx, sy = centre(buttons[ids["ID_DEMO_SAVE"]])
        h.mouse_click(sx, sy)
        h.idle(frame)
        expect(ids["ID_DEMO_SAVE"] not in log.commands(), "the disabled Save sends nothing")
        cx, cy = centre(buttons[ids["ID_DEMO_CHECK"]])
        h.mouse_click(cx, cy)
        h.wait_for(lambda: ids["ID_DEMO_CHECK"] in log.commands(), timeout=10, what="the Check command")
        h.xdotool("mousemove", "--sync", x, y + 150)
        h.idle(frame)
        h.screenshot("toolbar-checked-disabled")

        # Text labels: taller buttons with the labels under the images.
        h.command(frame, ids["ID_DEMO_TEXTLABELS"])
        h.wait_for(lambda: log.buttons()[ids["ID_DEMO_NEW"]][3] - log.buttons()[ids["ID_DEMO_NEW"]][1] > 21,
                   timeout=10, what="the text labels' layout")
        h.idle(frame)
        h.screenshot("toolbar-textlabels")
        h.command(frame, ids["ID_DEMO_TEXTLABELS"])

        # Large icons: doubled buttons.
        h.command(frame, ids["ID_DEMO_LARGEICONS"])
        h.wait_for(lambda: log.buttons()[ids["ID_DEMO_NEW"]][2] - log.buttons()[ids["ID_DEMO_NEW"]][0] == 44,
                   timeout=10, what="the large icons' layout")
        h.idle(frame)
        h.screenshot("toolbar-largeicons")
        print("commands received:", log.commands())


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED:", e)
        sys.exit(1)
