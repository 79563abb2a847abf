"""The drop-down tool bar and the dialog base end to end: pressing and holding the demonstration's
drop-down button shows the palette (a window of its own class) next to it; sliding onto a palette
button and releasing runs that command, closes the palette and makes the command the button's
own. A command opens a dialog on the framework's dialog base: its menu button opens the
framework's pop-up menu, and Escape closes the menu without closing the dialog. Screenshots of each state are left in the build tree."""

import os
import pathlib
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, HarnessError, expect, resource_ids  # noqa: E402
from demo_log import DemoLog  # noqa: E402

TITLE = "Tool bar demonstration"
DIALOG_TITLE = "Demo dialog"
MENU_CLASS = "ORXPopupMenu"
PALETTE_CLASS = "ORXDropDownFrame"


class Log(DemoLog):
    def rects(self, what):
        """The last logged rectangles of a kind, by index: (command, left, top, right, bottom)."""
        found = {}
        for l in self.lines():
            parts = l.split()
            if parts and parts[0] == what and len(parts) == 7:
                found[int(parts[1])] = tuple(int(v) for v in parts[2:])
        return found


def centre(rect):
    _, left, top, right, bottom = rect
    return (left + right) // 2, (top + bottom) // 2


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uicore" / "demo" / "DemoIds.h")
        ids.update(resource_ids(h.source / "uicore" / "demo" / "DemoDropDown.h"))
        work = pathlib.Path(tempfile.mkdtemp(prefix="dropdown-e2e-"))
        log = Log(work / "demo.log")
        winlog = "Z:" + str(log.path).replace("/", "\\")
        prog = h.start(h.build / "uicore" / "ToolBarDemo.exe", winlog)
        frame = h.find(title=TITLE, visible=True, timeout=30)
        h.wait_for(lambda: "ready" in log.lines(), timeout=20, what="the demonstration to start")

        def windows_of(cls):
            return [w for w in prog.windows(visible_only=True) if w["class"] == cls]

        bar = h.wait_for(lambda: len(log.rects("dropdownbar")) == 2 and log.rects("dropdownbar"),
                         timeout=10, what="the drop-down bar's buttons")
        button = bar[0]
        expect(button[0] == ids["ID_DEMO_NEW"], "the drop-down button starts with New: %r" % (button,))

        # Press and hold: after the delay the palette shows below the button.
        h.xdotool("mousemove", "--sync", *centre(button))
        h.idle(frame)
        h.xdotool("mousedown", 1)
        palette = h.wait_for(lambda: len(windows_of(PALETTE_CLASS)) == 1 and windows_of(PALETTE_CLASS)[0],
                             timeout=10, what="the palette")
        h.wait_for(lambda: any(l.startswith("palette shown") for l in log.lines()), timeout=10,
                   what="the palette's buttons")
        pr = palette["rect"]
        expect(abs(pr["left"] - button[1]) <= 1, "the palette opens at the button's left: %r %r" % (pr, button))
        expect(pr["top"] >= button[4] - 1 or pr["bottom"] <= button[2] + 1,
               "the palette opens next to the button: %r %r" % (pr, button))
        h.idle(frame)
        h.screenshot("dropdown-palette")

        # Slide onto Bold and release: its command runs and the palette closes.
        cells = log.rects("palette")
        bold = [r for r in cells.values() if r[0] == ids["ID_DEMO_BOLD"]]
        expect(bold, "Bold is on the palette: %r" % cells)
        h.xdotool("mousemove", "--sync", *centre(bold[0]))
        h.idle(frame)
        h.screenshot("dropdown-palette-bold")
        h.xdotool("mouseup", 1)
        h.wait_for(lambda: ids["ID_DEMO_BOLD"] in log.commands(), timeout=10, what="the Bold command")
        h.wait_for(lambda: not windows_of(PALETTE_CLASS), timeout=10, what="the palette to close")
        expect(log.commands().count(ids["ID_DEMO_BOLD"]) == 1, "Bold runs once: %r" % log.commands())
        expect(ids["ID_DEMO_NEW"] not in log.commands(), "the button's old command did not run: %r" % log.commands())
        h.wait_for(lambda: any(l.startswith("dropdown current %d" % ids["ID_DEMO_BOLD"]) for l in log.lines()),
                   timeout=10, what="Bold to become the button's command")
        h.idle(frame)
        h.screenshot("dropdown-after-choice")

        # A quick click runs the button's current command and opens no palette.
        h.xdotool("mousemove", "--sync", *centre(button))
        h.xdotool("click", 1)
        h.wait_for(lambda: log.commands().count(ids["ID_DEMO_BOLD"]) == 2, timeout=10, what="Bold by a click")
        # What is checked is that no timer opens the palette: wait twice the press delay (500 ms).
        time.sleep(1.0)
        h.idle(frame)
        expect(not windows_of(PALETTE_CLASS), "a quick click opens no palette")

        # The dialog: its menu button opens the framework's menu; Escape closes only the menu.
        h.xdotool("mousemove", "--sync", *centre(bar[1]))
        h.xdotool("click", 1)
        dialog = h.find(title=DIALOG_TITLE, visible=True, timeout=15)
        menu_button = h.wait_for(lambda: log.rects("dialogmenubutton").get(0), timeout=10,
                                 what="the dialog's menu button")
        h.idle(dialog)
        h.screenshot("dialog-open")
        h.xdotool("mousemove", "--sync", *centre(menu_button))
        h.xdotool("click", 1)
        h.wait_for(lambda: len(windows_of(MENU_CLASS)) == 1, timeout=10, what="the dialog's menu")
        dr = h.rect(dialog)
        h.xdotool("mousemove", "--sync", dr["right"] - 20, dr["bottom"] - 15)
        h.idle(dialog)
        h.screenshot("dialog-menu")
        h.key("Escape")
        h.wait_for(lambda: not windows_of(MENU_CLASS), timeout=10, what="the dialog's menu to close")
        h.idle(dialog)
        expect(h.exists(title=DIALOG_TITLE, visible=True), "Escape closed the menu, not the dialog")
        expect(not any(l.startswith("dialog closed") for l in log.lines()), "the dialog is still open")
        h.screenshot("dialog-after-escape")
        close = log.rects("dialogclose").get(0)
        expect(close, "the dialog wrote its Close button")
        h.mouse_click(*centre(close))
        h.wait_for(lambda: any(l.startswith("dialog closed") for l in log.lines()), timeout=10,
                   what="the dialog to close by its Close button")
        print("commands received:", log.commands())


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED:", e)
        sys.exit(1)
