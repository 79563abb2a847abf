"""Tear-off menus end to end: the demonstration program, started with "/tearoff", is a framework
frame whose tool bar has a menu button with a tear-off menu. With the mouse, as a person would: the
menu opens with its strip at the top; the strip is dragged away and the menu becomes a floating
tool bar named after the button, holding the menu's items (texts cut at the tab, the sub-menu as a
menu button, no separator last) while the menus close; a button of the new bar sends its command;
tearing the menu off a second time floats the same bar again instead of making another.
Screenshots of each step."""

import os
import pathlib
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, expect  # noqa: E402
from demo_log import DemoLog  # noqa: E402

TITLE = "Tear-off demonstration"
TORN = 34500          # the first tear-off id, the bar's control id
LOG_BARS = 34590      # the demonstration's command that logs its bars
FIRST, LAST = 32200, 32204
FLOAT = 0xE81F


class Log(DemoLog):
    def torn_buttons(self):
        """The buttons of the last log of the torn-off bar: [(id, separator, rect, text)]."""
        lines = self.lines()
        starts = [i for i, l in enumerate(lines) if l.startswith("tornbar ")]
        expect(starts, "no torn-off bar was logged")
        out = []
        for l in lines[starts[-1] + 1:]:
            if not l.startswith("tornbutton "):
                break
            parts = l.split(" ", 8)
            out.append((int(parts[2]), int(parts[3]), tuple(int(v) for v in parts[4:8]),
                        parts[8] if len(parts) > 8 else ""))
        return out


def main():
    with Harness() as h:
        work = pathlib.Path(tempfile.mkdtemp(prefix="tearoff-e2e-"))
        log = Log(work / "tearoff.log")
        prog = h.start(h.build / "uicore" / "ToolBarDemo.exe", "/tearoff",
                       "Z:" + str(log.path).replace("/", "\\"))
        frame = h.find(title=TITLE, visible=True, timeout=30)
        h.wait_for(lambda: "ready" in log.lines(), timeout=20, what="the demonstration to start")
        h.idle(frame)
        left, top, right, bottom = log.rect("menubutton")

        def open_menu():
            h.mouse_click((left + right) // 2, (top + bottom) // 2)
            menu = h.wait_framework_menu(prog)["hwnd"]
            h.idle(frame)
            return menu

        def tear(menu, to):
            r = h.rect(menu)
            strip = ((r["left"] + r["right"]) // 2, r["top"] + 7)
            h.drag(frame, strip, to, steps=10)
            h.wait_for(lambda: not h.framework_menus(prog), timeout=10, what="the menus to close")
            h.idle(frame)

        # Drags stay over the frame: once the menu's window has gone, the display reports the
        # pointer only over the program's own windows.
        menu = open_menu()
        h.screenshot("tearoff-menu")
        tear(menu, (640, 460))
        h.screenshot("tearoff-floating")

        h.command(frame, LOG_BARS)
        h.wait_for(lambda: log.starting("tornbar "), timeout=10, what="the torn-off bar in the log")
        expect(log.starting("tearoff ") == [str(TORN)], "the frame heard of one new bar: %r" % log.starting("tearoff "))
        bar = log.starting("tornbar ")[-1].split(" ", 3)
        expect(bar[0] == str(TORN) and bar[2] == "1" and bar[3] == "Demo",
               "the bar is shown and named after the button without its '&': %r" % bar)
        buttons = log.torn_buttons()
        texts = [(b[0], b[1], b[3]) for b in buttons]
        print("torn-off buttons:", texts)
        expect([t for t in texts if not t[1]] ==
               [(FIRST, 0, "&First"), (0xFFFFFFFF, 0, "&More"), (32203, 0, "&Greyed"),
                (32205, 0, "&Checked"), (LAST, 0, "&Last")],
               "the menu's items, texts cut at the tab, the sub-menu a menu button: %r" % texts)
        expect(texts[1][1] == 1 and not texts[-1][1], "the separator stays between items: %r" % texts)
        docked = [r for r in log.starting("dockbar ") if r.split()[0] == str(TORN)]
        expect(docked and docked[-1].split()[1] == str(FLOAT) and docked[-1].split()[2] == "1",
               "the bar floats: %r" % docked)
        bl, bt = (int(v) for v in docked[-1].split()[3:5])
        expect(abs(bl - 640) < 60 and abs(bt - 460) < 60, "the floating bar went with the mouse: %r" % docked[-1])

        # A button of the new bar sends its command to the frame.
        last = [b for b in buttons if b[0] == LAST][0][2]
        h.mouse_click((last[0] + last[2]) // 2, (last[1] + last[3]) // 2)
        h.wait_for(lambda: LAST in log.commands(), timeout=10, what="the torn-off Last to send its command")

        # Torn off again: the same bar comes to the new point.
        menu = open_menu()
        tear(menu, (420, 470))
        h.screenshot("tearoff-again")
        logged = len(log.starting("tornbar "))
        h.command(frame, LOG_BARS)
        h.wait_for(lambda: len(log.starting("tornbar ")) > logged, timeout=10, what="the bars in the log again")
        expect(log.starting("tearoff ") == [str(TORN)], "no second bar was made: %r" % log.starting("tearoff "))
        expect(len([l for l in log.starting("tornbar ")]) >= 2 and
               len({l.split()[0] for l in log.starting("tornbar ")}) == 1, "one torn-off bar only")

        h.post(frame, 0x0010)  # WM_CLOSE
        prog.wait_exit(timeout=30)


if __name__ == "__main__":
    main()
