"""The menu bar end to end: the demonstration program, started with "/menubar", shows its frame's
menu as the framework's menu bar (the frame itself keeps no Windows menu). From the keyboard: Alt
gives the bar the keyboard with its first menu highlighted, Right moves the highlight, Down drops
that menu with its first item highlighted and Return runs it, which the frame records; F10 and
Return drop the first menu, Left from there wraps round to the last menu, Escape closes the menu
and a second Escape leaves the bar; Alt with a menu's access letter drops that menu at once and
its items run from the keys.
Screenshots of each state are left in the build tree."""

import os
import pathlib
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, expect, resource_ids  # noqa: E402
from demo_log import DemoLog  # noqa: E402

TITLE = "Tool bar demonstration"
MENU_CLASS = "ORXPopupMenu"


class Log(DemoLog):
    def keymenus(self):
        return [l for l in self.lines() if l.startswith("keymenu ")]

    def items(self):
        """The menu bar's items: (left, top, right, bottom, text) by index, from the last layout."""
        found = {}
        for l in self.lines():
            if l.startswith("menuitem "):
                parts = l.split(None, 6)
                found[int(parts[1])] = tuple(int(v) for v in parts[2:6]) + (parts[6] if len(parts) > 6 else "",)
        return [found[i] for i in sorted(found)]


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uicore" / "demo" / "DemoIds.h")
        work = pathlib.Path(tempfile.mkdtemp(prefix="menubar-e2e-"))
        log = Log(work / "demo.log")
        winlog = "Z:" + str(log.path).replace("/", "\\")
        prog = h.start(h.build / "uicore" / "ToolBarDemo.exe", "/menubar", winlog)
        frame = h.find(title=TITLE, visible=True, timeout=30)
        h.wait_for(lambda: "ready" in log.lines(), timeout=20, what="the demonstration to start")
        h.idle(frame)
        h.screenshot("menubar-start")

        # The frame's two menus are the bar's two items; the frame has no Windows menu left.
        bars = [l for l in log.lines() if l.startswith("menubar ")]
        expect(bars and bars[-1] == "menubar 2 0", "the bar took the frame's menu: %r" % bars)
        items = log.items()
        expect([i[4] for i in items] == ["&View", "&Run"], "the bar's items: %r" % items)
        fr = h.rect(frame)
        expect(all(fr["left"] <= i[0] < i[2] <= fr["right"] and fr["top"] < i[1] < i[3] for i in items),
               "the items lie inside the frame: %r in %r" % (items, fr))
        expect(items[0][2] <= items[1][0] and items[0][1] == items[1][1],
               "the items lie side by side: %r" % items)

        def menus():
            return [w for w in prog.windows(visible_only=True) if w["class"] == MENU_CLASS]

        def wait_menu(item, what):
            h.wait_for(lambda: len(menus()) == 1, timeout=10, what=what)
            r = menus()[0]["rect"]
            expect(abs(r["left"] - item[0]) <= 2 and abs(r["top"] - (item[3] - 1)) <= 2,
                   "%s opens below its item: %r, item %r" % (what, r, item))

        def no_menu(what):
            h.wait_for(lambda: not menus(), timeout=10, what=what)

        # Rest the pointer away from the bar so that only the keys move the highlight.
        h.xdotool("mousemove", "--sync", fr["right"] - 40, fr["bottom"] - 30)
        h.idle(frame)

        # Alt alone: the bar has the keyboard; Right, Down: the Run menu; Return runs First.
        h.key("alt")
        h.wait_for(lambda: "keymenu 0" in log.keymenus(), timeout=10, what="the menu key")
        h.idle(frame)
        h.screenshot("menubar-alt")
        expect(not menus(), "Alt drops no menu by itself")
        h.key("Right")
        h.idle(frame)
        h.key("Down")
        wait_menu(items[1], "the Run menu")
        h.screenshot("menubar-run-menu")
        count = len(log.commands())
        h.key("Return")
        h.wait_for(lambda: ids["ID_DEMO_MENU_FIRST"] in log.commands(), timeout=10, what="the First command")
        no_menu("the menu to close after its command")
        expect(len(log.commands()) == count + 1, "one command: %r" % log.commands())

        # F10, Return: the View menu; Left wraps round to the Run menu; Escape twice leaves the bar.
        h.idle(frame)
        n_keys = len(log.keymenus())
        h.key("F10")
        h.wait_for(lambda: len(log.keymenus()) > n_keys, timeout=10, what="F10")
        h.idle(frame)
        h.key("Return")
        wait_menu(items[0], "the View menu")
        h.screenshot("menubar-view-menu")
        h.key("Left")
        h.wait_for(lambda: len(menus()) == 1 and abs(menus()[0]["rect"]["left"] - items[1][0]) <= 2,
                   timeout=10, what="Left to wrap round to the Run menu")
        h.screenshot("menubar-wrapped")
        h.key("Escape")
        no_menu("Escape to close the menu")
        h.key("Escape")
        h.idle(frame)
        # The bar gave the keyboard back: Return now runs nothing and drops nothing.
        count = len(log.commands())
        h.key("Return")
        h.idle(frame)
        expect(not menus() and len(log.commands()) == count, "the bar left keyboard mode: %r" % log.commands())

        # Alt with the access letter drops the Run menu at once; Down and Return run its second item.
        h.key("alt+r")
        wait_menu(items[1], "the Run menu by its access letter")
        h.key("Down")
        h.idle(frame)
        h.screenshot("menubar-access-letter")
        h.key("Return")
        h.wait_for(lambda: ids["ID_DEMO_MENU_LAST"] in log.commands(), timeout=10, what="the Last command")
        no_menu("the menu to close after its command")

        h.close(frame)
        prog.wait_exit(timeout=15)


if __name__ == "__main__":
    main()
