"""Pop-up menus end to end: the demonstration's menu button opens the framework's pop-up menu (a
window of its own class, never activated); the keys reach it through the frame: Down moves the
highlight over the separator, Right opens the sub-menu at once, Escape closes only the sub-menu,
Return runs the highlighted command, which the frame records; a greyed item's access letter closes
the menu and runs nothing, and a sub-menu also opens by itself after the show delay when the mouse rests on its item.
The frame's context menu, shown by the context-menu manager at the cursor, takes the same keys and
its chosen command reaches the frame. A context menu near the screen's corner stays on the screen and a menu taller than the screen
scrolls.
Screenshots of each state are left in the build tree."""

import os
import pathlib
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, HarnessError, expect, resource_ids  # noqa: E402
from demo_log import DemoLog  # noqa: E402

TITLE = "Tool bar demonstration"
MENU_CLASS = "ORXPopupMenu"


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uicore" / "demo" / "DemoIds.h")
        work = pathlib.Path(tempfile.mkdtemp(prefix="menu-e2e-"))
        log = DemoLog(work / "demo.log")
        winlog = "Z:" + str(log.path).replace("/", "\\")
        prog = h.start(h.build / "uicore" / "ToolBarDemo.exe", winlog)
        frame = h.find(title=TITLE, visible=True, timeout=30)
        h.wait_for(lambda: "ready" in log.lines(), timeout=20, what="the demonstration to start")
        h.idle(frame)

        def menus():
            return [w for w in prog.windows(visible_only=True) if w["class"] == MENU_CLASS]

        def open_menu():
            left, top, right, bottom = log.rect("menubutton")
            h.mouse_click((left + right) // 2, (top + bottom) // 2)
            return h.wait_for(lambda: len(menus()) == 1 and menus()[0], timeout=10, what="the pop-up menu")

        # The menu button opens the menu below itself.
        menu = open_menu()
        left, top, right, bottom = log.rect("menubutton")
        r = menu["rect"]
        expect(abs(r["top"] - (bottom - 1)) <= 1 and abs(r["left"] - left) <= 1,
               "the menu opens below its button: %r, button %r" % (r, (left, top, right, bottom)))
        # The pointer rests on the frame, off the menu: the keys go to the frame, which hands them
        # to the menu.
        fr = h.rect(frame)
        rest = (fr["right"] - 40, fr["bottom"] - 30)
        h.xdotool("mousemove", "--sync", *rest)
        h.idle(frame)
        h.screenshot("menu-open")

        # Down twice: First, then over the separator to More; Right opens its sub-menu at once.
        h.key("Down", "Down")
        h.idle(frame)
        h.key("Right")
        h.wait_for(lambda: len(menus()) == 2, timeout=10, what="the sub-menu")
        subs = [m for m in menus() if m["hwnd"] != menu["hwnd"]]
        expect(subs and subs[0]["rect"]["left"] >= r["right"] - 1,
               "the sub-menu opens right of its menu: %r %r" % (subs, r))
        h.idle(frame)
        h.screenshot("menu-submenu")

        # Escape closes only the sub-menu.
        h.key("Escape")
        h.wait_for(lambda: len(menus()) == 1, timeout=10, what="the sub-menu to close")
        h.idle(frame)
        expect(len(menus()) == 1 and menus()[0]["hwnd"] == menu["hwnd"], "Escape keeps the outer menu open")
        h.screenshot("menu-after-escape")

        # The greyed item's letter closes the menu and runs nothing.
        count = len(log.commands())
        h.key("g")
        h.wait_for(lambda: not menus(), timeout=10, what="the menu to close on the greyed item's letter")
        h.idle(frame)
        expect(len(log.commands()) == count, "the greyed item never runs: %r" % log.commands())

        # Return on the highlighted Last runs it.
        menu = open_menu()
        h.xdotool("mousemove", "--sync", *rest)
        h.key("End")
        h.idle(frame)
        h.screenshot("menu-last")
        h.key("Return")
        h.wait_for(lambda: ids["ID_DEMO_MENU_LAST"] in log.commands(), timeout=10, what="the Last command")
        h.wait_for(lambda: not menus(), timeout=10, what="the menu to close after its command")
        expect(len(log.commands()) == count + 1, "one command: %r" % log.commands())

        # An access letter inside the sub-menu: m opens More, t runs "Inner two".
        menu = open_menu()
        h.xdotool("mousemove", "--sync", *rest)
        h.key("m")
        h.wait_for(lambda: len(menus()) == 2, timeout=10, what="the sub-menu by its letter")
        h.key("t")
        h.wait_for(lambda: ids["ID_DEMO_MENU_INNER2"] in log.commands(), timeout=10, what="the Inner two command")
        h.wait_for(lambda: not menus(), timeout=10, what="the whole chain to close")

        # A second click on the menu button closes its menu.
        menu = open_menu()
        left, top, right, bottom = log.rect("menubutton")
        h.mouse_click((left + right) // 2 + 1, (top + bottom) // 2)
        h.wait_for(lambda: not menus(), timeout=10, what="the second click to close the menu")
        h.idle(frame)
        expect(not menus(), "the second click does not open the menu again")

        # A click on an item runs it.
        menu = open_menu()
        r = menu["rect"]
        h.mouse_click(r["left"] + 40, r["top"] + 12)
        h.wait_for(lambda: ids["ID_DEMO_MENU_FIRST"] in log.commands(), timeout=10, what="the clicked First")
        h.wait_for(lambda: not menus(), timeout=10, what="the menu to close after the click")

        # The mouse resting on More opens its sub-menu after the show delay.
        menu = open_menu()
        r = menu["rect"]
        h.idle(frame)
        # The item rows: First, separator, More; More lies in the second row below the separator.
        h.xdotool("mousemove", "--sync", r["left"] + 30, r["top"] + 10)
        h.idle(frame)
        h.key("Down")  # First highlighted by the key; the mouse now moves onto More
        h.xdotool("mousemove", "--sync", r["left"] + 30, r["top"] + 36)
        h.wait_for(lambda: len(menus()) == 2, timeout=10, what="the sub-menu after its delay")
        h.idle(frame)
        h.screenshot("menu-submenu-delay")
        h.key("Escape", "Escape")
        h.wait_for(lambda: not menus(), timeout=10, what="both menus to close")

        # A right click in the frame shows the context menu at the cursor; near the screen's
        # bottom-right corner it ends at the point and is pushed left of the right edge.
        width, height = (int(v) for v in h.xdotool("getdisplaygeometry").split())
        h.mouse_click(*rest, button=3)
        menu = h.wait_for(lambda: len(menus()) == 1 and menus()[0], timeout=10, what="the context menu")
        r = menu["rect"]
        expect(abs(r["left"] - rest[0]) <= 1 and abs(r["top"] - rest[1]) <= 1,
               "the context menu opens at the cursor: %r %r" % (r, rest))
        h.idle(frame)
        h.screenshot("menu-context")
        h.key("Escape")
        h.wait_for(lambda: not menus(), timeout=10, what="the context menu to close")

        # The context menu comes from the application's context-menu manager; a second one at the
        # cursor takes the keys: Down over the separator to More, Right opens its sub-menu, Escape
        # closes only the sub-menu, Right opens it again and Return runs "Inner one" for the frame.
        expect(("context menu %d %d" % rest) in log.lines(),
               "the manager showed the context menu: %r" % log.lines()[-5:])
        count = len(log.commands())
        h.xdotool("click", 3)  # the pointer rests there already
        menu = h.wait_for(lambda: len(menus()) == 1 and menus()[0], timeout=10, what="the managed context menu")
        r = menu["rect"]
        expect(abs(r["left"] - rest[0]) <= 1 and abs(r["top"] - rest[1]) <= 1,
               "the managed context menu opens at the cursor: %r %r" % (r, rest))
        h.idle(frame)
        h.key("Down", "Down")
        h.idle(frame)
        h.key("Right")
        h.wait_for(lambda: len(menus()) == 2, timeout=10, what="the context menu's sub-menu")
        h.idle(frame)
        h.screenshot("menu-context-submenu")
        h.key("Escape")
        h.wait_for(lambda: len(menus()) == 1, timeout=10, what="the context menu's sub-menu to close")
        h.idle(frame)
        expect(len(menus()) == 1 and menus()[0]["hwnd"] == menu["hwnd"], "Escape keeps the context menu open")
        h.key("Right")
        h.wait_for(lambda: len(menus()) == 2, timeout=10, what="the context menu's sub-menu again")
        h.idle(frame)
        h.key("Return")
        h.wait_for(lambda: ids["ID_DEMO_MENU_INNER1"] in log.commands(), timeout=10,
                   what="the context menu's Inner one command")
        h.wait_for(lambda: not menus(), timeout=10, what="the context menu chain to close")
        expect(log.commands()[count:] == [ids["ID_DEMO_MENU_INNER1"]],
               "one command from the context menu: %r" % log.commands())

        px, py = width - 5, height - 5
        h.post(frame, 0x007B, int(frame, 16), (py << 16) | px)  # WM_CONTEXTMENU
        menu = h.wait_for(lambda: len(menus()) == 1 and menus()[0], timeout=10, what="the corner menu")
        r = menu["rect"]
        expect(r["right"] <= width and r["bottom"] <= py + 1 and r["bottom"] >= py - 8,
               "the corner menu stays on the screen, its bottom at the point: %r" % r)
        expect(r["left"] < px - 50, "the corner menu is pushed left: %r" % r)
        h.idle(frame)
        h.screenshot("menu-corner")
        h.mouse_click(rest[0] - 10, rest[1])  # a click outside closes it
        h.wait_for(lambda: not menus(), timeout=10, what="the corner menu to close")

        # A menu taller than the screen fits it with a scroll button; End scrolls to the last item
        # and Return runs it.
        h.command(frame, ids["ID_DEMO_TALLMENU"])
        menu = h.wait_for(lambda: len(menus()) == 1 and menus()[0], timeout=10, what="the tall menu")
        r = menu["rect"]
        expect(r["top"] >= 0 and r["bottom"] <= height, "the tall menu fits the screen: %r" % r)
        h.idle(frame)
        h.screenshot("menu-tall")
        h.key("End")
        h.idle(frame)
        h.screenshot("menu-tall-end")
        h.key("Return")
        h.wait_for(lambda: ids["ID_DEMO_TALL_LAST"] in log.commands(), timeout=10, what="the tall menu's last item")
        h.wait_for(lambda: not menus(), timeout=10, what="the tall menu to close")
        print("commands received:", log.commands())


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED:", e)
        sys.exit(1)
