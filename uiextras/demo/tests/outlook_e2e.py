"""The shortcut bar's frame of the demonstration end to end with the real mouse: a page button brings
its page's shortcuts, the scroll buttons page through more shortcuts than fit and back, a shortcut
sends its command; a task of the tasks pane docked beside them sends its command; a tab of the
frame's tab window chosen by a click; then the bar's page and the active tab come back after a
restart through the registry. (Clicking, dragging, renaming and
Ctrl+Page Down of the tab window are driven in extras_e2e.py.)"""

import os
import pathlib
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, HarnessError, expect  # noqa: E402

from demo_log import DemoLog  # noqa: E402

TITLE = "Shortcut bar demonstration"
CLOCKS, ALARMS = 1, 2
FIRST_CLOCK, FIRST_ALARM = 33300, 33310


class Log(DemoLog):
    def last(self, prefix):
        found = [l[len(prefix):] for l in self.lines() if l.startswith(prefix)]
        return found[-1] if found else None

    def bar(self):
        """The last whole layout of the bar: its state words and the rectangles it named, or None
        while the program is still writing it."""
        lines = self.lines()
        starts = [i for i, l in enumerate(lines) if l.startswith("outlook ")]
        if not starts:
            return None
        block = lines[starts[-1]:]
        if not any(l.startswith("area ") for l in block):
            return None
        words = block[0].split()
        state = dict(w.split("=", 1) for w in words[1:] if "=" in w)
        state["visible"] = [int(w) for w in words[1:] if "=" not in w]
        state["pages"], state["shortcuts"] = {}, {}
        for l in block[1:]:
            w = l.split()
            if w[0] == "area":
                break
            rect = None if w[-1] == "none" else tuple(int(v) for v in w[-4:])
            if w[0] == "pagebutton":
                state["pages"][int(w[1])] = rect
            elif w[0] == "shortcut":
                state["shortcuts"][int(w[1])] = rect
            elif w[0] in ("scrollup", "scrolldown"):
                state[w[0]] = rect
        return state


def centre(rect):
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


_last_click = [None]


def click(h, rect):
    """A click in the rectangle; a second click on the same place goes one pixel aside, since
    the pointer has to move for the move to be seen."""
    x, y = centre(rect)
    if _last_click[0] == (x, y):
        x += 1
    _last_click[0] = (x, y)
    h.mouse_click(x, y)


def start(h, log):
    h.start(h.build / "uiextras" / "ExtrasDemo.exe", "/outlook", "Z:" + str(log.path).replace("/", "\\"))
    frame = h.find(title=TITLE, visible=True, timeout=30)
    h.wait_for(lambda: log.last("ready") is not None, timeout=20, what="the shortcut bar's frame to start")
    return frame


def wait_bar(h, log, what, **want):
    def matches():
        state = log.bar()
        if state is None:
            return None
        for key, value in want.items():
            if key == "visible_has":
                if not set(value) <= set(state["visible"]):
                    return None
            elif state.get(key) != str(value):
                return None
        return state
    return h.wait_for(matches, timeout=15, what="%s (last: %r)" % (what, log.last("outlook ")))


def check_pages_and_command(h, log):
    state = wait_bar(h, log, "the first page", page=CLOCKS, first=0, shown=10)
    expect(state["scrolldown"] is not None, "ten clocks do not fit: the down button shows")
    expect(state["scrollup"] is None, "nothing to scroll back to yet")
    click(h, state["pages"][ALARMS])
    state = wait_bar(h, log, "the alarms page's shortcuts after its button", page=ALARMS, shown=3,
                     visible_has=[FIRST_ALARM, FIRST_ALARM + 1, FIRST_ALARM + 2])
    expect(not [c for c in state["visible"] if c < FIRST_ALARM], "no clock shows on the alarms page")
    expect(state["scrolldown"] is None, "three alarms fit")
    h.screenshot("outlook-alarms")
    click(h, state["shortcuts"][FIRST_ALARM + 1])
    h.wait_for(lambda: log.last("command ") == str(FIRST_ALARM + 1), what="the shortcut's command")


def check_scrolling(h, log):
    state = log.bar()
    click(h, state["pages"][CLOCKS])
    state = wait_bar(h, log, "the clocks again", page=CLOCKS, first=0)
    shown_at_start = state["visible"]
    steps = 0
    while state["scrolldown"] is not None:
        first = int(state["first"])
        click(h, state["scrolldown"])
        state = wait_bar(h, log, "one step on", page=CLOCKS, first=first + 1)
        steps += 1
        expect(steps < 10, "the down button goes when the last clock shows")
    expect(FIRST_CLOCK + 9 in state["visible"], "the last clock shows: %r" % state["visible"])
    expect(FIRST_CLOCK not in state["visible"], "the first clock scrolled out")
    expect(state["scrollup"] is not None, "the up button shows")
    h.screenshot("outlook-scrolled")
    click(h, state["shortcuts"][FIRST_CLOCK + 9])
    h.wait_for(lambda: log.last("command ") == str(FIRST_CLOCK + 9), what="the last clock's command")
    for back in range(steps):
        first = int(state["first"])
        click(h, state["scrollup"])
        state = wait_bar(h, log, "one step back", page=CLOCKS, first=first - 1)
    expect(state["visible"] == shown_at_start, "back where it began: %r" % state["visible"])
    expect(state["scrollup"] is None, "the up button goes at the first clock")


def check_tasks_pane(h, log):
    tasks = {}
    for l in log.lines():
        if l.startswith("task "):
            w = l.split()
            tasks[int(w[1])] = tuple(int(v) for v in w[2:])
    expect(set(tasks) == {FIRST_CLOCK, FIRST_ALARM}, "the pane's two tasks: %r" % tasks)
    bar = log.bar()
    expect(all(r[0] > max(s[2] for s in bar["shortcuts"].values() if s) for r in tasks.values()),
           "the pane lies right of the shortcut bar: %r" % tasks)
    click(h, tasks[FIRST_ALARM])
    h.wait_for(lambda: log.last("command ") == str(FIRST_ALARM), what="the pane's task's command")


def tab_rects(log):
    rects = {}
    for l in log.lines():
        if l.startswith("tabrect "):
            w = l.split()
            rects[int(w[1])] = tuple(int(v) for v in w[2:])
    return rects


def main():
    with Harness() as h:
        work = pathlib.Path(tempfile.mkdtemp(prefix="outlook-e2e-"))
        log = Log(work / "first.log")
        frame = start(h, log)
        expect(log.last("tabs ") == "active=0 shown=World", "the first tab's page: %r" % log.last("tabs "))
        check_pages_and_command(h, log)
        check_scrolling(h, log)
        check_tasks_pane(h, log)

        # The state to come back: the alarms page and the third tab.
        click(h, log.bar()["pages"][ALARMS])
        wait_bar(h, log, "the alarms page", page=ALARMS)
        click(h, tab_rects(log)[2])
        h.wait_for(lambda: log.last("tabchange ") == "2 0", what="the frame told of the clicked tab")
        h.wait_for(lambda: log.last("tabs ") == "active=2 shown=Diary", what="only the third tab's page")
        h.screenshot("outlook-before-restart")
        h.close(frame)
        h.wait_gone(frame, timeout=15)
        expect(log.last("saved ") == "page=%d tab=2" % ALARMS, "what was saved: %r" % log.last("saved "))

        log = Log(work / "second.log")
        frame = start(h, log)
        wait_bar(h, log, "the alarms page after the restart", page=ALARMS, shown=3)
        expect(log.last("tabs ") == "active=2 shown=Diary", "the third tab after the restart: %r"
               % log.last("tabs "))
        h.screenshot("outlook-restarted")
        h.close(frame)
        h.wait_gone(frame, timeout=15)
    print("outlook e2e passed")


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED: %s" % e)
        sys.exit(1)
