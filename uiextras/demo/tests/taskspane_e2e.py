"""The tasks pane end to end with the real mouse: a task clicked sends its command to the frame; the
"Other Task Panes" menu switches pages; Back, Forward and Home move through the pages seen; a group's
caption collapses and expands it, and the clicked caption cools when the pointer leaves the pane. The
demonstration logs the pane's state and the screen places of its buttons, captions and tasks whenever
they change."""

import os
import pathlib
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, HarnessError, expect, resource_ids  # noqa: E402

from demo_log import DemoLog  # noqa: E402

TITLE = "Tasks pane demonstration"
BACK, FORWARD, HOME = 17016, 17017, 17018
MENU_BUTTON = -1  # the "Other Task Panes" button has no command of its own


class PaneLog(DemoLog):
    def states(self):
        """Every state the pane logged: (fields, places), oldest first."""
        result = []
        lines = self.lines()
        for i, line in enumerate(lines):
            if not line.startswith("state "):
                continue
            fields = dict(w.split("=", 1) for w in line.split()[1:] if "=" in w)
            places = {"nav": {}, "caption": {}, "task": {}}
            for l in lines[i + 1:]:
                if l == "end" or l.startswith("state "):
                    break
                words = l.split()
                if words[0] == "navbutton":
                    places["nav"][int(words[1])] = (int(words[2]), tuple(int(w) for w in words[3:7]))
                elif words[0] == "caption":
                    places["caption"][int(words[1])] = tuple(int(w) for w in words[2:6])
                elif words[0] == "task":
                    places["task"][int(words[3])] = tuple(int(w) for w in words[4:8])
            result.append((fields, places))
        return result

    def state(self):
        found = self.states()
        return found[-1] if found else (None, None)


def centre(rect):
    return ((rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2)


def click(h, rect):
    """A click at the rectangle's centre, also when the pointer rests there already: a synced move
    to where the pointer is would wait for good."""
    x, y = centre(rect)
    h.xdotool("mousemove", x - 3, y)
    h.mouse_click(x, y)


def wait_state(h, log, what, greyed=None, **want):
    """The state the pane comes to, with the navigation buttons greyed or not as asked (the row
    takes its buttons' states when the program is next idle)."""
    def matches():
        fields, places = log.state()
        if not fields or any(fields.get(k) != str(v) for k, v in want.items()):
            return None
        if any(places["nav"].get(cmd, (None,))[0] != flag for cmd, flag in (greyed or {}).items()):
            return None
        return fields, places
    try:
        return h.wait_for(matches, timeout=20, what=what)
    except HarnessError:
        raise HarnessError("%s: wanted %s, last state %s" % (what, want, log.state()[0]))


def wait_line(h, log, line, what):
    h.wait_for(lambda: line in log.lines(), timeout=20, what="%s (%r)" % (what, line))


def click_nav(h, log, cmd):
    fields, places = log.state()
    expect(cmd in places["nav"], "the navigation row shows button %d: %s" % (cmd, places["nav"]))
    disabled, rect = places["nav"][cmd]
    click(h, rect)


def choose_page(h, prog, ids, log, frame, name):
    click_nav(h, log, MENU_BUTTON)
    h.wait_framework_menu(prog, what="the Other Task Panes menu")
    before = len(log.lines())
    h.command(frame, ids["ID_TASKS_LOG_MENU"])
    h.wait_for(lambda: "menu done" in log.lines()[before:] or "menu none" in log.lines()[before:],
               what="the menu's items in the log")
    items = [l.split(" ", 7) for l in log.lines()[before:] if l.startswith("menuitem ")]
    expect([i[7] for i in items] == ["Clock Tasks", "Alarms", "Zones"], "one item a page: %s" % items)
    h.screenshot("taskspane-menu")
    item = [i for i in items if i[7] == name][0]
    expect(int(item[2]) == 17020, "the items carry the Other Task Panes command: %s" % item)
    click(h, tuple(int(w) for w in item[3:7]))
    h.wait_for(lambda: not h.framework_menus(prog), what="the menu to close")


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uiextras" / "demo" / "ExtrasIds.h")
        work = pathlib.Path(tempfile.mkdtemp(prefix="taskspane-e2e-"))
        log = PaneLog(work / "tasks.log")
        prog = h.start(h.build / "uiextras" / "ExtrasDemo.exe", "/taskspane",
                       "Z:" + str(log.path).replace("/", "\\"))
        frame = h.find(title=TITLE, visible=True, timeout=30)
        h.wait_for(lambda: "ready" in log.lines(), timeout=30, what="the demonstration to start")
        fields, places = wait_state(h, log, "the first page, Back and Forward greyed", greyed={BACK: 1, FORWARD: 1},
                                    page=0, back=0, forward=0, nav=1)
        h.screenshot("taskspane-start")

        # A task sends its command; the label beside it is no link.
        click(h, places["task"][ids["ID_TASKS_ADD_CLOCK"]])
        wait_line(h, log, "command %d" % ids["ID_TASKS_ADD_CLOCK"], "the task's command")
        click(h, places["task"][ids["ID_TASKS_SYNC"]])
        wait_line(h, log, "command %d" % ids["ID_TASKS_SYNC"], "the second group's task")

        # The menu of pages, then a task of the page it brought.
        choose_page(h, prog, ids, log, frame, "Zones")
        fields, places = wait_state(h, log, "the Zones page from the menu", page=2, name="Zones", back=1, forward=0)
        h.screenshot("taskspane-zones")
        choose_page(h, prog, ids, log, frame, "Alarms")
        fields, places = wait_state(h, log, "the Alarms page from the menu", page=1, back=1, forward=0,
                                    history="2/3")
        click(h, places["task"][ids["ID_TASKS_NEW_ALARM"]])
        wait_line(h, log, "command %d" % ids["ID_TASKS_NEW_ALARM"], "a task of the chosen page")

        # Back twice to the first page, Forward once, Home.
        click_nav(h, log, BACK)
        wait_state(h, log, "Back to Zones", page=2, back=1, forward=1, history="1/3")
        click_nav(h, log, BACK)
        wait_state(h, log, "Back to the first page, Back greyed", greyed={BACK: 1, FORWARD: 0}, page=0, back=0,
                   forward=1, history="0/3")
        click_nav(h, log, FORWARD)
        wait_state(h, log, "Forward to Zones", page=2, back=1, forward=1, history="1/3")
        click_nav(h, log, HOME)
        fields, places = wait_state(h, log, "Home, Forward greyed", greyed={BACK: 0, FORWARD: 1}, page=0, back=1,
                                    forward=0, history="2/3")

        # The first group's caption collapses it and its tasks go; a second click brings them back.
        caption = places["caption"][0]
        click(h, caption)
        fields, places = wait_state(h, log, "the collapsed group, its caption hot", page=0, collapsed="10",
                                    hotcaption=0)
        expect(ids["ID_TASKS_ADD_CLOCK"] not in places["task"], "the collapsed group's tasks are gone")
        expect(places["caption"][1][1] < caption[3] + 60, "the next group moved up")
        h.screenshot("taskspane-collapsed")
        # The pointer leaves the pane in one jump for the view beside it: the clicked caption cools
        # all the same.
        h.xdotool("mousemove", caption[0] - 80, caption[1] + 40)
        wait_state(h, log, "the caption cold once the pointer has left", page=0, collapsed="10", hotcaption=-1)
        h.screenshot("taskspane-caption-cold")
        click(h, places["caption"][0])
        fields, places = wait_state(h, log, "the expanded group", page=0, collapsed="00")
        expect(ids["ID_TASKS_ADD_CLOCK"] in places["task"], "the tasks are back")
        h.close(frame)
        h.wait_gone(frame, timeout=15)
    print("tasks pane e2e passed")


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED: %s" % e)
        sys.exit(1)
