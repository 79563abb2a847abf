"""Docking end to end: the demonstration program, started with "/dock /state", has its two tool
bars docked along the top. With the mouse, as a person would: the first bar is dragged by its
gripper into the middle of the frame and floats; its floating frame is dragged by the caption to
the frame's left edge and docks there standing up; the second bar is floated too and a double
click on its floating frame's caption docks it back along the top. The program is ended and
started again and the bars' window rectangles are the same. Screenshots of each step."""

import os
import pathlib
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, HarnessError, expect  # noqa: E402
from demo_log import DemoLog  # noqa: E402

TITLE = "Tool bar demonstration"
KEY = r"HKEY_CURRENT_USER\Software\Quendra Labs\ToolBarDemo\DemoState"
STANDARD = 0xE800  # the bars' control ids
SECOND = 0xE801
TOP, LEFT, FLOAT = 0xE81B, 0xE81C, 0xE81F  # the dock bars'


class Log(DemoLog):
    def bars(self):
        """The last record of each bar: {id: (dock bar id, floating, (left, top, right, bottom))}."""
        result = {}
        for rest in self.starting("dockbar "):
            bar, dock, floating, left, top, right, bottom = (int(v) for v in rest.split())
            result[bar] = (dock, floating, (left, top, right, bottom))
        return result

    def bar(self, bar_id):
        return self.bars().get(bar_id)


def main():
    with Harness() as h:
        work = pathlib.Path(tempfile.mkdtemp(prefix="dock-e2e-"))
        h.run("reg", "delete", KEY, "/f", timeout=60)

        def start(name):
            log = Log(work / (name + ".log"))
            prog, frame = log.start(h, h.build / "uicore" / "ToolBarDemo.exe", TITLE, "/dock", "/state")
            return prog, frame, log

        prog, frame, log = start("first")
        first = log.bars()
        expect(first.get(STANDARD, (0,))[0] == TOP and first.get(SECOND, (0,))[0] == TOP,
               "both bars start docked along the top: %r" % first)
        std = first[STANDARD][2]
        sec = first[SECOND][2]
        expect(std[2] - std[0] > std[3] - std[1], "the docked bar lies flat: %r" % (std,))
        expect(sec[1] >= std[3], "the second bar has the row below: %r %r" % (std, sec))
        client = h.rect(frame, client=True)
        h.screenshot("dock-start")

        # The gripper is the strip at the bar's left end.
        middle = ((client["left"] + client["right"]) // 2, (client["top"] + client["bottom"]) // 2 + 20)
        gripper = (std[0] + 3, (std[1] + std[3]) // 2)

        # Esc, or the right button, during a drag: the bar stays where it was.
        for name, cancel in (("escape", lambda: h.key("Escape")),
                             ("right button", lambda: h.xdotool("click", 3))):
            count = len(log.starting("dockbar "))
            h.drag(frame, gripper, middle, before_release=cancel)
            h.idle(frame)
            expect(log.bar(STANDARD) == first[STANDARD],
                   "after %s the bar is still docked where it was: %r" % (name, log.bar(STANDARD)))
            expect(len(log.starting("dockbar ")) == count, "a cancelled drag lays nothing out (%s)" % name)
        h.drag(frame, gripper, middle)
        h.wait_for(lambda: log.bar(STANDARD) and log.bar(STANDARD)[1] == 1, timeout=10,
                   what="the dragged bar to float")
        dock, _, floating = log.bar(STANDARD)
        expect(dock == FLOAT, "the floating bar sits in a floating frame's dock bar: %r" % (log.bar(STANDARD),))
        caption = h.find(title="Standard", visible=True, timeout=10)
        box = h.rect(caption)
        expect(box["left"] <= floating[0] and box["bottom"] >= floating[3] and box["top"] < floating[1],
               "the floating frame holds the bar below its caption: %r %r" % (box, floating))
        expect(log.bar(SECOND)[0] == TOP, "the other bar stays docked: %r" % (log.bar(SECOND),))
        h.screenshot("dock-floating")

        # The floating frame's right edge pulled in: the bar wraps its buttons into more rows.
        edge_y = (box["top"] + box["bottom"]) // 2
        h.drag(frame, (box["right"] - 2, edge_y), (box["right"] - 2 - (floating[2] - floating[0]) // 2, edge_y))
        h.wait_for(lambda: log.bar(STANDARD)[2][3] - log.bar(STANDARD)[2][1] > floating[3] - floating[1],
                   timeout=10, what="the narrower floating bar to wrap")
        _, _, narrow = log.bar(STANDARD)
        expect(narrow[2] - narrow[0] < floating[2] - floating[0], "the bar is narrower: %r" % (narrow,))
        h.screenshot("dock-resized")
        box = h.rect(caption)
        floating = narrow

        # By the caption to the frame's left edge: with Ctrl held it only moves, floating.
        grab = (box["left"] + 12, (box["top"] + floating[1]) // 2)
        frame_box = h.rect(frame)
        target = (frame_box["left"] + 1, (client["top"] + client["bottom"]) // 2)
        h.drag(frame, grab, target, holding="ctrl")
        h.wait_for(lambda: log.bar(STANDARD)[2][0] < floating[0] - 50, timeout=10, what="the floating frame to move")
        expect(log.bar(STANDARD)[0] == FLOAT, "with Ctrl the bar does not dock: %r" % (log.bar(STANDARD),))
        h.screenshot("dock-ctrl-moved")
        box = h.rect(caption)
        floating = log.bar(STANDARD)[2]

        # And without: it docks there, standing up.
        grab = (box["left"] + 30, (box["top"] + floating[1]) // 2)
        h.drag(frame, grab, target)
        h.wait_for(lambda: log.bar(STANDARD)[0] == LEFT, timeout=10, what="the bar to dock on the left")
        _, floats, left = log.bar(STANDARD)
        expect(not floats and left[3] - left[1] > left[2] - left[0],
               "docked on the left the bar stands up: %r" % (log.bar(STANDARD),))
        expect(abs(left[0] - client["left"]) <= 2, "along the frame's left edge: %r %r" % (left, client))
        h.wait_for(lambda: not h.exists(title="Standard", visible=True), timeout=10,
                   what="the floating frame to go")
        h.screenshot("dock-left")

        # The second bar floats, and a double click on its caption brings it back to the top.
        sec = log.bar(SECOND)[2]
        h.drag(frame, (sec[0] + 3, (sec[1] + sec[3]) // 2), (middle[0] + 40, middle[1] - 20))
        h.wait_for(lambda: log.bar(SECOND)[1] == 1, timeout=10, what="the second bar to float")
        h.screenshot("dock-second-floating")
        floating = log.bar(SECOND)[2]
        box = h.rect(h.find(title="Second", visible=True, timeout=10))
        expect(box["top"] < floating[1], "the second floating frame has its caption: %r %r" % (box, floating))
        top = box["top"]
        h.mouse_click(floating[0] + 12, (top + floating[1]) // 2, double=True)
        h.wait_for(lambda: log.bar(SECOND)[0] == TOP, timeout=10, what="the double click to dock the bar again")
        h.screenshot("dock-redocked")

        # A double click on the gripper of the bar down the left side floats it where it floated
        # last; one on its caption puts it back on the left.
        left = log.bar(STANDARD)[2]
        h.mouse_click((left[0] + left[2]) // 2, left[1] + 3, double=True)
        h.wait_for(lambda: log.bar(STANDARD)[1] == 1, timeout=10, what="the gripper's double click to float")
        box = h.rect(h.find(title="Standard", visible=True, timeout=10))
        floating = log.bar(STANDARD)[2]
        h.screenshot("dock-gripper-floated")
        h.mouse_click(box["left"] + 30, (box["top"] + floating[1]) // 2, double=True)
        h.wait_for(lambda: log.bar(STANDARD)[0] == LEFT, timeout=10, what="the caption's double click to dock")
        expect(log.bar(STANDARD)[2] == left, "back where it was on the left: %r %r" % (log.bar(STANDARD), left))
        before = log.bars()

        h.close(frame)
        prog.wait_exit(timeout=20)
        expect("state saved 1" in log.lines(), "the state is saved at the end: %r" % log.lines()[-3:])

        prog, frame, log = start("second")
        h.wait_for(lambda: log.bar(STANDARD) and log.bar(STANDARD)[0] == LEFT, timeout=10,
                   what="the restored layout")
        after = log.bars()
        for bar_id in (STANDARD, SECOND):
            expect(after.get(bar_id) == before.get(bar_id),
                   "bar %#x comes back where it was: %r, not %r" % (bar_id, after.get(bar_id), before.get(bar_id)))
        h.screenshot("dock-restored")
        h.close(frame)
        prog.wait_exit(timeout=20)


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED:", e)
        sys.exit(1)
