"""The chevron end to end ("/menus"): the main tool bar ends in a chevron that offers the customise
command. Narrowing the frame hides the buttons that no longer fit behind the chevron, in
their order; the chevron's menu lists them and the customise command, and a hidden command chosen
there reaches the frame. Widening the frame brings the buttons back. Screenshots of each state are
left in the build tree."""

import os
import pathlib
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, expect, resource_ids  # noqa: E402
from demo_log import DemoLog  # noqa: E402

TITLE = "Tool bar demonstration"


def centre(rect):
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


def resize(h, width, height):
    """Sizes the frame's window as a window manager would (the display has none)."""
    window = h.xdotool("search", "--name", TITLE).split()[0]
    h.xdotool("windowsize", window, width, height)


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uicore" / "demo" / "DemoIds.h")
        order = [ids[n] for n in ("ID_DEMO_NEW", "ID_DEMO_OPEN", "ID_DEMO_SAVE", "ID_DEMO_BOLD", "ID_DEMO_CHECK",
                                  "ID_DEMO_ALARM", "ID_DEMO_LARGE")]
        work = pathlib.Path(tempfile.mkdtemp(prefix="chevron-e2e-"))
        log = DemoLog(work / "demo.log")
        winlog = "Z:" + str(log.path).replace("/", "\\")
        prog = h.start(h.build / "uicore" / "ToolBarDemo.exe", "/menus", winlog)
        frame = h.find(title=TITLE, visible=True, timeout=30)
        h.wait_for(lambda: "ready" in log.lines(), timeout=20, what="the demonstration to start")

        # Wide enough: every button shows, the chevron sits at the bar's right end for its command.
        chevron = h.wait_for(lambda: log.chevron(), timeout=10, what="the chevron")
        expect(chevron["shown"] and not chevron["hidden"], "nothing is hidden at first: %r" % chevron)
        buttons = dict(log.last_layout())
        expect(all(buttons[i][2] <= chevron["rect"][0] for i in order),
               "the chevron comes after every button: %r %r" % (buttons, chevron))
        h.screenshot("chevron-wide")

        # The frame narrowed: the last buttons go behind the chevron, in order.
        wide = h.rect(frame)
        resize(h, 130, wide["bottom"] - wide["top"])
        narrow = h.wait_for(lambda: (c := log.chevron()) and len(c["hidden"]) >= 2 and c, timeout=10,
                            what="buttons hidden behind the chevron")
        hidden = narrow["hidden"]
        expect(hidden == order[order.index(hidden[0]):], "the last buttons hide, in order: %r" % hidden)
        box = h.rect(frame, client=True)
        expect(narrow["shown"] and narrow["rect"][2] <= box["right"] + 1,
               "the chevron stays at the narrowed bar's end: %r %r" % (narrow, box))
        h.screenshot("chevron-narrow")

        # The chevron's menu: the hidden commands, then the customise command.
        h.mouse_click(*centre(narrow["rect"]))
        items = h.wait_for(lambda: log.menu(), timeout=10, what="the chevron's menu")
        commands = [i["id"] for i in items if i["id"] != 0]
        expect(commands == hidden + [ids["ID_DEMO_MENUS_CUSTOMIZE"]],
               "the menu offers the hidden buttons and the customise command: %r" % items)
        h.screenshot("chevron-menu")

        # A hidden command chosen there reaches the frame.
        target = hidden[0]
        item = [i for i in items if i["id"] == target][0]
        count = log.commands().count(target)
        h.mouse_click(*centre(item["rect"]))
        h.wait_for(lambda: log.commands().count(target) == count + 1, timeout=10,
                   what="the hidden command from the chevron's menu")
        h.wait_for(lambda: not h.framework_menus(prog), timeout=10, what="the chevron's menu to close")

        # The customise command goes out as a command of its own.
        h.mouse_click(*centre(narrow["rect"]))
        items = h.wait_for(lambda: log.menu(), timeout=10, what="the chevron's menu again")
        customize = [i for i in items if i["id"] == ids["ID_DEMO_MENUS_CUSTOMIZE"]][0]
        h.mouse_click(*centre(customize["rect"]))
        h.wait_for(lambda: "customize" in log.lines(), timeout=10, what="the customise command")

        # Wide again: every button is back.
        resize(h, wide["right"] - wide["left"], wide["bottom"] - wide["top"])
        h.wait_for(lambda: (c := log.chevron()) and not c["hidden"], timeout=10,
                   what="the buttons to come back from the chevron")
        h.screenshot("chevron-wide-again")


if __name__ == "__main__":
    main()
