"""Sizing bars docked back by dragging, end to end: the demonstration program, started with
"/sizing", shows two sizing bars docked left in one row. The zones bar is floated with a double
click on its gripper; its floating frame is then carried by its caption with the real mouse, the
frame itself following the cursor, and let go over the frame's top dock bar: the bar docks there,
lying along the top, and its frame is gone. Its gripper now stands on its left, and the bar's title
can be seen in it, running upwards below the caption buttons; docked left before, it showed its
title along its gripper. Screenshots of each step are left in the build tree."""

import collections
import os
import pathlib
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "tools", "e2e"))
sys.path.insert(0, HERE)
from harness import Harness, expect, resource_ids  # noqa: E402
from sizing_e2e import Log, TITLE, height  # noqa: E402


def dock_bars(log):
    """{dock bar id: screen rectangle} from the program's last layout."""
    result = {}
    for rest in log.starting("dockbar "):
        words = [int(v) for v in rest.split()]
        result[words[0]] = tuple(words[1:5])
    return result


def title_pixels(h, name, rect):
    """The points of a screen rectangle that stand out from their row's usual colour: the text
    drawn over a gripper's fill, which changes along its length only."""
    box = {"left": rect[0], "top": rect[1], "right": rect[2], "bottom": rect[3]}
    shot = h.settled_screenshot(name, box)
    data = h.region_pixels(shot, box)
    w = rect[2] - rect[0]
    points = []
    for y in range(rect[3] - rect[1]):
        row = [tuple(data[(y * w + x) * 3:(y * w + x) * 3 + 3]) for x in range(w)]
        usual = collections.Counter(row).most_common(1)[0][0]
        for x, pixel in enumerate(row):
            if sum(abs(a - b) for a, b in zip(pixel, usual)) > 90:
                points.append((rect[0] + x, rect[1] + y))
    return points


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uicore" / "demo" / "DemoIds.h")
        zones = ids["IDW_DEMO_ZONES"]
        top = 59419
        work = pathlib.Path(tempfile.mkdtemp(prefix="sizing-dock-e2e-"))
        log = Log(work / "dock.log")
        prog, frame = log.start(h, h.build / "uicore" / "ToolBarDemo.exe", TITLE, "/sizing",
                                also=[("sizinglayout", "the bars' layout")])
        bars = log.bars()
        expect(bars[zones]["dock"] == 59420, "the zones bar starts docked left: %r" % (bars[zones],))

        # A docked bar's title lies along its gripper, left of its buttons.
        zone = bars[zones]
        grip = zone["grip"]
        text = title_pixels(h, "sizing-dock-left-title", (grip[0], grip[1], zone["expand"][0], grip[3]))
        expect(len(text) >= 30, "the zones bar's title shows along its gripper: %d points" % len(text))

        # Float the zones bar: a double click on its gripper.
        bar = bars[zones]
        h.mouse_click(bar["rect"][0] + 30, (bar["hide"][1] + bar["hide"][3]) // 2, double=True)
        h.wait_for(lambda: log.bars()[zones]["floating"] == 1, timeout=10, what="the zones bar floating")
        h.wait_for(lambda: height(log.bars()[zones]["frame"]) > 60, timeout=10, what="the floating frame")
        h.idle(frame)
        h.screenshot("sizing-dock-floating")

        # Carry the frame by its caption to the top dock bar; it follows the cursor, 5 pixels above it.
        floating = log.bars()[zones]["frame"]
        start = (floating[0] + 30, floating[1] + 8)
        dock = dock_bars(log)
        expect(top in dock, "the frame has a top dock bar: %r" % (dock,))
        end = (dock[top][0] + 300, dock[top][1])

        def follows():
            h.wait_for(lambda: log.bars()[zones]["frame"][:2] == (end[0] - 30, end[1] - 5), timeout=10,
                       what="the frame to follow the cursor: %r" % (log.bars()[zones]["frame"],))
            h.screenshot("sizing-dock-carried")
        h.drag(frame, start, end, steps=10, before_release=follows)

        # Let go there, the bar docks along the top and its frame closes.
        h.wait_for(lambda: log.bars()[zones]["floating"] == 0, timeout=10, what="the zones bar docked")
        h.wait_for(lambda: log.bars()[zones]["dock"] == top, timeout=10,
                   what="the zones bar on the top: %r" % (log.bars()[zones],))
        expect(not [w for w in prog.windows() if w.get("text") == "Zones"],
               "the floating frame is gone: %r" % (prog.windows(),))
        h.xdotool("mousemove", "--sync", end[0] + 200, end[1] + 300)
        h.idle(frame)
        h.screenshot("sizing-dock-top")

        # Its gripper stands on the left now; the title runs upwards in it, below the buttons.
        docked = log.bars()[zones]
        grip = docked["grip"]
        expect(height(grip) > grip[2] - grip[0], "the gripper stands: %r" % (docked,))
        below = max(docked["hide"][3], docked["expand"][3])
        points = title_pixels(h, "sizing-dock-top-title", (grip[0], below, grip[2], grip[3]))
        expect(len(points) >= 30, "the zones bar's title shows in its gripper: %d points" % len(points))
        ys = [p[1] for p in points]
        xs = [p[0] for p in points]
        expect(max(ys) - min(ys) > 2 * (max(xs) - min(xs) + 1),
               "the title runs along the standing gripper: x %d-%d, y %d-%d" % (min(xs), max(xs), min(ys), max(ys)))
        expect(max(ys) >= grip[3] - 10, "the title starts at the gripper's foot: %d, gripper %r" % (max(ys), grip))

        h.close(frame)
        prog.wait_exit(timeout=20)


if __name__ == "__main__":
    main()
