"""Sizing bars end to end: the demonstration program, started with "/sizing /state", shows a caption
bar, two sizing bars docked left in one row and a dialog bar. The first sizing bar is made wider by
dragging its edge with the mouse; its hide button's tip is read; it is expanded over the row and
collapsed with its caption button; the caption bar's button is pressed; the bar is floated, its
frame rolls up when the pointer leaves and opens when it comes back, and it is docked again; the
other bar, floated, is rolled up and opened with its frame's roll button and docked again. The
program saves when its window closes, and on the next start the bar has the width it was given.
Screenshots of each step are left in the build tree."""

import os
import pathlib
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, expect, resource_ids  # noqa: E402
from demo_log import DemoLog  # noqa: E402

TITLE = "Tool bar demonstration"
KEY = r"HKEY_CURRENT_USER\Software\Quendra Labs\ToolBarDemo\DemoState"


class Log(DemoLog):
    def bars(self):
        """The last layout of the bars: {id: record} with the screen rectangle and states."""
        lines = self.lines()
        # A layout is whole once its caption button's line is there.
        starts = [i for i, l in enumerate(lines) if l == "sizinglayout" and
                  any(m.startswith("captionbutton ") for m in lines[i + 1:i + 7])]
        expect(starts, "the program wrote no layout of its sizing bars")
        result = {}
        for line in lines[starts[-1] + 1:]:
            if line.startswith("captionbutton "):
                result["button"] = tuple(int(v) for v in line.split()[1:5])
                break
            if not line.startswith("sizingbar "):
                break
            words = line.split()
            record = {"visible": int(words[2]), "rect": tuple(int(v) for v in words[3:7])}
            rest = words[7:]
            for i in range(0, len(rest)):
                if rest[i] in ("dock", "expanded", "floating", "rolled"):
                    record[rest[i]] = int(rest[i + 1])
                elif rest[i] in ("hide", "expand", "frame", "roll", "grip"):
                    record[rest[i]] = tuple(int(v) for v in rest[i + 1:i + 5])
            result[int(words[1])] = record
        return result


def width(rect):
    return rect[2] - rect[0]


def height(rect):
    return rect[3] - rect[1]


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uicore" / "demo" / "DemoIds.h")
        zones, notes = ids["IDW_DEMO_ZONES"], ids["IDW_DEMO_NOTES"]
        dialog, caption = ids["IDW_DEMO_DIALOGBAR"], ids["IDW_DEMO_CAPTIONBAR"]
        work = pathlib.Path(tempfile.mkdtemp(prefix="sizing-e2e-"))
        h.run("reg", "delete", KEY, "/f", timeout=60)

        def start(name):
            log = Log(work / (name + ".log"))
            prog, frame = log.start(h, h.build / "uicore" / "ToolBarDemo.exe", TITLE, "/sizing", "/state",
                                    also=[("sizinglayout", "the bars' layout")])
            return prog, frame, log

        prog, frame, log = start("first")
        bars = log.bars()
        for bar in (zones, notes, dialog, caption):
            expect(bar in bars and bars[bar]["visible"], "bar %d shows: %r" % (bar, bars))
        first = bars[zones]
        expect(width(first["rect"]) == 180, "the zones bar starts 180 wide: %r" % (first,))
        expect(first["dock"] == 59420 and bars[notes]["dock"] == 59420, "both bars are docked left: %r" % (bars,))
        # One row of the left dock bar: the two bars share its length, one above the other.
        expect(bars[notes]["rect"][0] == first["rect"][0], "the bars share a row: %r" % (bars,))
        expect(first["expand"][2] > first["expand"][0], "the expand button shows in a shared row: %r" % (first,))
        # The caption bar runs across the frame above the sizing bars, its button at the right.
        top = bars[caption]["rect"]
        expect(top[3] <= min(first["rect"][1], bars[notes]["rect"][1]),
               "the caption bar sits above the sizing bars: %r %r" % (top, first))
        expect(bars["button"][2] > (top[0] + top[2]) // 2, "the caption button is right-aligned: %r" % (bars,))
        h.screenshot("sizing-start")

        # Drag the zones bar's right edge 60 pixels to the right: the row takes the new thickness.
        rect = first["rect"]
        y = (rect[1] + rect[3]) // 2
        h.xdotool("mousemove", "--sync", rect[2] - 3, y)
        h.idle(frame)
        h.xdotool("mousedown", "1")
        # The program takes each step of the drag before the next (its tracker draws on the screen,
        # so the frame is not made to paint meanwhile).
        for dx in (10, 25, 40, 60):
            h.xdotool("mousemove", "--sync", rect[2] - 3 + dx, y)
            h.sync(frame)
        h.screenshot("sizing-dragging")
        h.xdotool("mouseup", "1")
        h.wait_for(lambda: width(log.bars()[zones]["rect"]) == 240, timeout=10,
                   what="the zones bar 240 wide after the drag: %r" % (log.bars().get(zones),))
        h.wait_for(lambda: width(log.bars()[notes]["rect"]) == 240, timeout=5,
                   what="the notes bar to take the row's thickness")
        h.xdotool("mousemove", "--sync", rect[0] + 400, y)
        h.idle(frame)
        h.screenshot("sizing-resized")

        # The hide button's tip (the tool under the pointer).
        hide = log.bars()[zones]["hide"]
        h.xdotool("mousemove", "--sync", (hide[0] + hide[2]) // 2, (hide[1] + hide[3]) // 2)
        h.wait_for(lambda: "sizingtip Hide docked window" in log.lines(), timeout=10,
                   what="the hide button's tip")
        h.screenshot("sizing-hide-tip")

        # Expand: the zones bar takes the row, the notes bar keeps its minimum; and back.
        before = log.bars()
        expand = before[zones]["expand"]
        h.mouse_click((expand[0] + expand[2]) // 2, (expand[1] + expand[3]) // 2)
        h.wait_for(lambda: log.bars()[zones]["expanded"] == 1, timeout=10, what="the zones bar expanded")
        h.wait_for(lambda: height(log.bars()[notes]["rect"]) == 32, timeout=5,
                   what="the notes bar at its minimum: %r" % (log.bars().get(notes),))
        row = height(before[zones]["rect"]) + height(before[notes]["rect"])
        expect(height(log.bars()[zones]["rect"]) == row - 32, "the expanded bar takes the rest: %r" % (log.bars(),))
        h.screenshot("sizing-expanded")
        expand = log.bars()[zones]["expand"]
        h.mouse_click((expand[0] + expand[2]) // 2, (expand[1] + expand[3]) // 2)
        h.wait_for(lambda: log.bars()[zones]["expanded"] == 0, timeout=10, what="the zones bar collapsed")
        h.wait_for(lambda: height(log.bars()[notes]["rect"]) > 32, timeout=5, what="the notes bar back")
        h.screenshot("sizing-collapsed")

        # The caption bar's button.
        button = log.bars()["button"]
        h.mouse_click((button[0] + button[2]) // 2, (button[1] + button[3]) // 2)
        h.wait_for(lambda: "captionclick" in log.lines(), timeout=10, what="the caption button's notice")

        # Float the zones bar: a double click on its gripper.
        bar = log.bars()[zones]
        h.mouse_click(bar["rect"][0] + 30, (bar["hide"][1] + bar["hide"][3]) // 2, double=True)
        h.wait_for(lambda: log.bars()[zones]["floating"] == 1, timeout=10, what="the zones bar floating")
        h.wait_for(lambda: height(log.bars()[zones]["frame"]) > 60, timeout=10, what="the floating frame")
        full = log.bars()[zones]["frame"]
        h.screenshot("sizing-floating")
        # The pointer leaves it: the frame rolls up to its caption; back over the caption, it opens.
        h.xdotool("mousemove", "--sync", 1100, 900)
        h.wait_for(lambda: log.bars()[zones]["rolled"] == 1, timeout=10, what="the floating frame rolled up")
        h.wait_for(lambda: height(log.bars()[zones]["frame"]) < 40, timeout=5,
                   what="the rolled frame's height: %r" % (log.bars().get(zones),))
        h.screenshot("sizing-rolled")
        rolled = log.bars()[zones]["frame"]
        h.xdotool("mousemove", "--sync", rolled[0] + 12, rolled[1] + 8)
        h.xdotool("mousemove", "--sync", rolled[0] + 14, rolled[1] + 9)
        h.wait_for(lambda: log.bars()[zones]["rolled"] == 0, timeout=10, what="the floating frame open again")
        h.wait_for(lambda: height(log.bars()[zones]["frame"]) == height(full), timeout=5,
                   what="the frame's full height back")
        h.screenshot("sizing-unrolled")
        # A double click on its caption docks it again.
        frame_rect = log.bars()[zones]["frame"]
        h.mouse_click(frame_rect[0] + 12, frame_rect[1] + 8, double=True)
        h.wait_for(lambda: log.bars()[zones]["floating"] == 0, timeout=10, what="the zones bar docked again")
        h.wait_for(lambda: log.bars()[zones]["dock"] == 59420, timeout=5, what="the zones bar on the left")

        # The notes bar has no roll-up state: floating, its frame shows the roll button all the
        # same, a click on it rolls the frame up and the next opens it again.
        bar = log.bars()[notes]
        # Its gripper is clear of its children just left of its buttons.
        h.mouse_click(bar["expand"][0] - 10, (bar["hide"][1] + bar["hide"][3]) // 2, double=True)
        h.wait_for(lambda: log.bars()[notes]["floating"] == 1, timeout=10, what="the notes bar floating")
        h.wait_for(lambda: height(log.bars()[notes]["frame"]) > 60, timeout=10, what="the notes bar's frame")
        full = log.bars()[notes]["frame"]
        roll = log.bars()[notes]["roll"]
        expect(roll[2] > roll[0] and full[1] <= roll[1] < roll[3] <= full[1] + 40,
               "the roll button in the frame's caption: %r" % (log.bars()[notes],))
        h.mouse_click((roll[0] + roll[2]) // 2, (roll[1] + roll[3]) // 2)
        h.wait_for(lambda: log.bars()[notes]["rolled"] == 1, timeout=10, what="the notes frame rolled up")
        h.wait_for(lambda: height(log.bars()[notes]["frame"]) < 40, timeout=5,
                   what="the rolled notes frame's height: %r" % (log.bars().get(notes),))
        expect(log.bars()[notes]["frame"][:2] == full[:2],
               "the rolled frame stays put: %r" % (log.bars()[notes],))
        h.screenshot("sizing-notes-rolled")
        # The button keeps its place at the right end of the narrower caption; it is clicked near
        # its top, clear of the bar's pop-up child that lies over the caption's lower edge.
        rolled = log.bars()[notes]["frame"]
        x = rolled[2] - (full[2] - (roll[0] + roll[2]) // 2)
        h.mouse_click(x, roll[1] + 3)
        h.wait_for(lambda: log.bars()[notes]["rolled"] == 0, timeout=10, what="the notes frame open again")
        h.wait_for(lambda: height(log.bars()[notes]["frame"]) == height(full), timeout=5,
                   what="the notes frame's full height back")
        frame_rect = log.bars()[notes]["frame"]
        h.mouse_click(frame_rect[0] + 12, frame_rect[1] + 8, double=True)
        h.wait_for(lambda: log.bars()[notes]["floating"] == 0, timeout=10, what="the notes bar docked again")
        h.wait_for(lambda: log.bars()[notes]["dock"] == 59420, timeout=5, what="the notes bar on the left")

        saved = log.saved_on_close(h, prog, frame)
        expect(saved == ["state saved 1"], "the state is saved at the end: %r" % saved)

        # The next start restores the width.
        prog, frame, log = start("second")
        expect("state found 1" in log.lines(), "the saved state is found: %r" % log.lines()[:4])
        h.wait_for(lambda: width(log.bars()[zones]["rect"]) == 240, timeout=10,
                   what="the restored width: %r" % (log.bars().get(zones),))
        h.screenshot("sizing-restored")

        # The hide button takes the bar away; the other bar takes its place.
        hide = log.bars()[zones]["hide"]
        h.mouse_click((hide[0] + hide[2]) // 2, (hide[1] + hide[3]) // 2)
        h.wait_for(lambda: not log.bars()[zones]["visible"], timeout=10, what="the zones bar to hide")
        h.wait_for(lambda: log.bars()[notes]["rect"][1] == min(first["rect"][1], bars[notes]["rect"][1]),
                   timeout=5, what="the notes bar to take the whole row")
        h.screenshot("sizing-hidden")
        log.saved_on_close(h, prog, frame)


if __name__ == "__main__":
    main()
