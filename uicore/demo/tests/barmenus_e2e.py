"""Menus on a plain tool bar end to end ("/menus"): the second bar holds two menu buttons, Menu and
File. A menu opened by a click moves to the other button when the mouse goes there, and the arrow
keys move it back and forth; Alt with a button's access letter opens its menu. The File menu shows
the recent files at the place of its "Recent File" item, numbered, and one chosen there reaches the
frame. Open, the File menu's only command that is not basic, stays hidden behind the show-all item
until it is used (showing all items keeps the recent files); used once from the menu it shows at once, and after other commands took most of
the uses it hides again. Screenshots of each state are left in the build tree."""

import os
import pathlib
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, expect, resource_ids  # noqa: E402
from demo_log import DemoLog  # noqa: E402

TITLE = "Tool bar demonstration"
MRU_FILE1 = 0xE110


def centre(rect):
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uicore" / "demo" / "DemoIds.h")
        work = pathlib.Path(tempfile.mkdtemp(prefix="barmenus-e2e-"))
        log = DemoLog(work / "demo.log")
        winlog = "Z:" + str(log.path).replace("/", "\\")
        prog = h.start(h.build / "uicore" / "ToolBarDemo.exe", "/menus", winlog)
        frame = h.find(title=TITLE, visible=True, timeout=30)
        h.wait_for(lambda: "ready" in log.lines(), timeout=20, what="the demonstration to start")
        bar = h.wait_for(lambda: len(log.bar_menus()) == 2 and log.bar_menus(), timeout=10,
                         what="the second bar's menu buttons")
        fr = h.rect(frame)
        rest = (fr["right"] - 40, fr["bottom"] - 30)

        def open_menu(index):
            h.mouse_click(*centre(bar[index]))
            return h.wait_for(lambda: log.dropped() == index and log.menu(), timeout=10,
                              what="the menu of button %d" % index)

        def menu_ids():
            return [i["id"] for i in (log.menu() or [])]

        def close_menus():
            h.key("Escape")
            h.wait_for(lambda: log.dropped() == -1 and not h.framework_menus(prog), timeout=10,
                       what="the menus to close")

        # A click opens Menu's menu; the mouse moving onto File takes the open menu there.
        items = open_menu(0)
        expect(ids["ID_DEMO_MENU_FIRST"] in [i["id"] for i in items], "Menu's items: %r" % items)
        h.xdotool("mousemove", "--sync", *centre(bar[1]))
        h.wait_for(lambda: log.dropped() == 1 and ids["ID_DEMO_NEW"] in menu_ids(), timeout=10,
                   what="the open menu to follow the mouse to File")
        expect(len(h.framework_menus(prog)) == 1, "one menu is open: %r" % h.framework_menus(prog))
        h.screenshot("barmenus-followed")

        # The recent files stand where "Recent File" was: numbered from 1, the unused entry left out,
        # a file of the current folder by its name, another by its path with its ampersand shown.
        items = log.menu()
        recent = [(i["id"], i["text"]) for i in items if MRU_FILE1 <= i["id"] < MRU_FILE1 + 16]
        expect(recent == [(MRU_FILE1, "&1 alarms.vcl"), (MRU_FILE1 + 2, "&2 C:\\Zones\\Europe && Asia.vtz")],
               "the recent files: %r" % items)
        expect(ids["ID_DEMO_OPEN"] not in menu_ids() and items[-1]["kind"] == "showall",
               "Open, never used, hides behind the show-all item: %r" % items)
        h.screenshot("barmenus-recent-files")

        # The arrow keys move the open menu along the bar, round its ends.
        h.xdotool("mousemove", "--sync", *rest)
        h.key("Left")
        h.wait_for(lambda: log.dropped() == 0 and ids["ID_DEMO_MENU_FIRST"] in menu_ids(), timeout=10,
                   what="Left to move the menu to Menu")
        h.key("Left")
        h.wait_for(lambda: log.dropped() == 1 and ids["ID_DEMO_NEW"] in menu_ids(), timeout=10,
                   what="Left to wrap round to File")
        h.key("Right")
        h.wait_for(lambda: log.dropped() == 0, timeout=10, what="Right to wrap round to Menu")
        h.key("Right")
        h.wait_for(lambda: log.dropped() == 1, timeout=10, what="Right to move the menu to File")
        expect(len(h.framework_menus(prog)) == 1, "still one menu: %r" % h.framework_menus(prog))

        # A recent file chosen from the menu reaches the frame.
        h.key("Home")
        first = [i for i in log.menu() if i["id"] == MRU_FILE1][0]
        h.mouse_click(*centre(first["rect"]))
        h.wait_for(lambda: "recent 0" in log.lines(), timeout=10, what="the first recent file")
        h.wait_for(lambda: log.dropped() == -1, timeout=10, what="the menu to close after its command")

        # Alt and the access letter open File's menu.
        h.key("alt+f")
        h.wait_for(lambda: log.dropped() == 1 and ids["ID_DEMO_NEW"] in menu_ids(), timeout=10,
                   what="Alt+F to open File's menu")
        close_menus()

        # Show all, then Open: counted, it shows in the menu from now on.
        items = open_menu(1)
        show_all = [i for i in items if i["kind"] == "showall"][0]
        h.mouse_click(*centre(show_all["rect"]))
        h.wait_for(lambda: ids["ID_DEMO_OPEN"] in menu_ids(), timeout=10, what="all of File's items")
        # Showing all items builds them again: the recent files still stand in for their placeholder.
        recent = [(i["id"], i["text"]) for i in log.menu() if MRU_FILE1 <= i["id"] < MRU_FILE1 + 16]
        expect(recent == [(MRU_FILE1, "&1 alarms.vcl"), (MRU_FILE1 + 2, "&2 C:\\Zones\\Europe && Asia.vtz")],
               "the recent files after show all: %r" % log.menu())
        h.screenshot("barmenus-all-items")
        open_item = [i for i in log.menu() if i["id"] == ids["ID_DEMO_OPEN"]][0]
        h.mouse_click(*centre(open_item["rect"]))
        h.wait_for(lambda: ids["ID_DEMO_OPEN"] in log.commands(), timeout=10, what="Open from the menu")
        h.wait_for(lambda: log.dropped() == -1, timeout=10, what="the menu to close after Open")
        items = open_menu(1)
        expect(ids["ID_DEMO_OPEN"] in [i["id"] for i in items] and items[-1]["kind"] != "showall",
               "Open, used, shows at once: %r" % items)
        close_menus()

        # Other commands take most of the uses: Open hides again.
        buttons = dict(log.last_layout())
        bold = buttons[ids["ID_DEMO_BOLD"]]
        for n in range(3):
            # A synchronised move waits for motion: come from beside the button each time.
            h.xdotool("mousemove", centre(bold)[0] + 3, centre(bold)[1] + 3)
            h.mouse_click(*centre(bold))
            h.wait_for(lambda: log.commands().count(ids["ID_DEMO_BOLD"]) == n + 1, timeout=10,
                       what="Bold from the tool bar")
        items = open_menu(1)
        expect(ids["ID_DEMO_OPEN"] not in [i["id"] for i in items] and items[-1]["kind"] == "showall",
               "Open, now rarely used, hides again: %r" % items)
        h.screenshot("barmenus-rare-again")
        close_menus()


if __name__ == "__main__":
    main()
