"""Buttons dragged into and out of a menu in customise mode, end to end ("/menus /customize
/state"): with customise mode on, a click on the second bar's Menu button opens its menu for
editing; the main bar's Alarm button dragged into it becomes an item there and stays when the menu
is opened again; dragged out onto the frame it goes; the second bar's Alarm copied in with Ctrl is
saved with the bars and the restarted program shows it in the menu. Screenshots of each state are
left in the build tree."""

import os
import pathlib
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, HarnessError, expect, resource_ids  # noqa: E402
from demo_log import DemoLog  # noqa: E402

TITLE = "Tool bar demonstration"


def centre(rect):
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


def second_bar_button(log, cmd):
    """The rectangle of the command's button on the second bar as last logged, None when absent."""
    lines = log.lines()
    ends = [i for i, l in enumerate(lines) if l == "bars logged"]
    expect(ends, "the program logged no bars")
    i = ends[-1] - 1
    while i >= 0 and lines[i].startswith(("item ", "bar ")):
        i -= 1
    for l in lines[i + 1:ends[-1]]:
        f = l.split()
        if f[0] == "item" and f[1] == "second" and int(f[3]) == cmd:
            return tuple(int(v) for v in f[4:8])
    return None


def drag(h, frame, start, end, via=(), ctrl=False):
    """Presses on start, moves through the points of via to end in steps as a hand would, and lets
    go there; the program has taken each step before the next."""
    h.xdotool("mousemove", "--sync", start[0], start[1])
    h.idle(frame)
    if ctrl:
        h.xdotool("keydown", "ctrl")
    h.xdotool("mousedown", 1)
    h.idle(frame)
    here = start
    for point in list(via) + [end]:
        for i in range(1, 9):
            h.xdotool("mousemove", "--sync", here[0] + (point[0] - here[0]) * i // 8,
                      here[1] + (point[1] - here[1]) * i // 8)
            h.idle(frame)
        here = point
    h.xdotool("mouseup", 1)
    if ctrl:
        h.xdotool("keyup", "ctrl")
    h.idle(frame)


def around(h, frame, start, end):
    """The way from a point on the main bar to a point of the open menu that passes beside the
    frame: over the second bar's buttons the drag would open their menus instead."""
    x = h.rect(frame)["right"] + 30
    return [(x, start[1]), (x, end[1])]


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uicore" / "demo" / "DemoIds.h")
        ids.update(resource_ids(h.source / "uicore" / "demo" / "DemoCustomize.h"))
        alarm = ids["ID_DEMO_ALARM"]
        work = pathlib.Path(tempfile.mkdtemp(prefix="menudrag-e2e-"))
        log = DemoLog(work / "demo.log")
        winlog = "Z:" + str(log.path).replace("/", "\\")
        exe = h.build / "uicore" / "ToolBarDemo.exe"
        prog = h.start(exe, "/menus", "/customize", "/state", winlog)
        frame = h.find(title=TITLE, visible=True, timeout=30)
        h.wait_for(lambda: "ready" in log.lines(), timeout=20, what="the demonstration to start")
        bar = h.wait_for(lambda: len(log.bar_menus()) == 2 and log.bar_menus(), timeout=10,
                         what="the second bar's menu buttons")

        def menu_ids():
            return [i["id"] for i in (log.menu() or [])]

        def open_menu():
            # Near its top edge: with the customise bar the demonstration's own buttons reach up
            # over the lower part of this bar.
            left, top, right, _ = log.bar_menus()[0]
            h.mouse_click((left + right) // 2, top + 3)
            return h.wait_for(lambda: log.menu(), timeout=10, what="Menu's menu")

        def close_menu():
            h.key("Escape")
            h.wait_for(lambda: not h.framework_menus(prog), timeout=10, what="the menu to close")

        h.command(frame, ids["ID_DEMO_CUSTOMIZE"])
        h.wait_for(lambda: "customize 1" in log.lines(), timeout=10, what="customise mode to start")

        # Alarm from the main bar into the menu, below its first item.
        items = open_menu()
        expect(alarm not in [i["id"] for i in items], "Alarm is no item of Menu at first: %r" % items)
        source = dict(log.last_layout())[alarm]
        first = items[0]["rect"]
        target = ((first[0] + first[2]) // 2, first[3] - 4)
        drag(h, frame, centre(source), target, around(h, frame, centre(source), target))
        h.wait_for(lambda: alarm in menu_ids(), timeout=10, what="Alarm to become an item of the menu")
        expect(menu_ids().index(alarm) == 1, "Alarm lands below the first item: %r" % log.menu())
        h.screenshot("menudrag-dropped")

        # Closed and opened again, the menu keeps it.
        close_menu()
        open_menu()
        expect(alarm in menu_ids(), "the menu keeps Alarm: %r" % log.menu())

        # Out of the menu onto the frame below the bars: it goes.
        item = [i for i in log.menu() if i["id"] == alarm][0]
        r = h.rect(frame)
        drag(h, frame, centre(item["rect"]), (r["right"] - 40, r["bottom"] - 30))
        h.wait_for(lambda: alarm not in menu_ids(), timeout=10, what="Alarm to leave the menu")
        h.screenshot("menudrag-removed")
        close_menu()

        # In once more, kept across a restart: the main bar gave its Alarm away, so the second
        # bar's Alarm goes, copied.
        items = open_menu()
        source = second_bar_button(log, alarm)
        first = items[0]["rect"]
        target = ((first[0] + first[2]) // 2, first[3] - 4)
        drag(h, frame, centre(source), target, around(h, frame, centre(source), target), ctrl=True)
        h.wait_for(lambda: alarm in menu_ids(), timeout=10, what="Alarm in the menu again")
        expect(second_bar_button(log, alarm) is not None, "the copy leaves the second bar's Alarm")
        close_menu()
        h.command(frame, ids["ID_DEMO_CUSTOMIZE"])
        h.wait_for(lambda: "customize 0" in log.lines(), timeout=10, what="customise mode to end")
        h.close(frame)
        h.wait_for(lambda: "state saved 1" in log.lines(), timeout=10, what="the state to be saved")
        prog.wait_exit(timeout=20)

        log.path.unlink()
        prog = h.start(exe, "/menus", "/customize", "/state", winlog)
        frame = h.find(title=TITLE, visible=True, timeout=30)
        h.wait_for(lambda: "ready" in log.lines(), timeout=20, what="the demonstration to start again")
        expect("state found 1" in log.lines(), "the saved state is found: %r" % log.lines()[:6])
        bar = h.wait_for(lambda: len(log.bar_menus()) == 2 and log.bar_menus(), timeout=10,
                         what="the second bar's menu buttons after the restart")
        open_menu()
        expect(alarm in menu_ids(), "after the restart the menu still holds Alarm: %r" % log.menu())
        h.screenshot("menudrag-restarted")
        close_menu()


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED:", e)
        sys.exit(1)
