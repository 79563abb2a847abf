"""The framework's own buttons end to end, in the tool-bar demonstration below its bar, driven with
the real mouse and keyboard. The semi-flat owner-drawn button shows its border only while the cursor
is over it and sends its click when pressed and released on it, nothing when released off it; the
link button turns blue while hot and opens its prefixed URL shown normally, by click and by Return
(the program logs what it would open instead of starting a browser). Screenshots of each look are
left in the build tree."""

import os
import pathlib
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, HarnessError, expect, resource_ids  # noqa: E402
from demo_log import DemoLog  # noqa: E402

TITLE = "Tool bar demonstration"
SW_SHOWNORMAL = 1


class Log(DemoLog):
    def clicks(self):
        return self.numbers("click")

    def opened(self):
        """(target, show command) of every link the program was asked to open."""
        result = []
        for l in self.lines():
            if l.startswith("open "):
                _, target, show = l.split()
                result.append((target, int(show)))
        return result


def pixels(shot, rect):
    """The colours of a screen rectangle of a screenshot, as "#RRGGBB" texts."""
    left, top, right, bottom = rect["left"], rect["top"], rect["right"], rect["bottom"]
    out = subprocess.run(["convert", str(shot), "-crop", "%dx%d+%d+%d" % (right - left, bottom - top, left, top),
                          "+repage", "-depth", "8", "txt:-"], stdout=subprocess.PIPE, check=True).stdout.decode()
    colours = []
    for line in out.splitlines()[1:]:
        hex_part = [w for w in line.split() if w.startswith("#")]
        if hex_part:
            colours.append(hex_part[0][:7].upper())
    return colours


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uicore" / "demo" / "DemoIds.h")
        button_id, link_id = ids["ID_DEMO_OWNERDRAWN"], ids["ID_DEMO_LINK"]
        work = pathlib.Path(tempfile.mkdtemp(prefix="buttons-e2e-"))
        log = Log(work / "demo.log")
        winlog = "Z:" + str(log.path).replace("/", "\\")
        h.start(h.build / "uicore" / "ToolBarDemo.exe", winlog)
        frame = h.find(title=TITLE, visible=True, timeout=30)
        h.wait_for(lambda: "ready" in log.lines(), timeout=20, what="the demonstration to start")
        button = h.rect(frame, button_id)
        link = h.rect(frame, link_id)
        # Well away from both buttons and the tool bar.
        rest = (button["left"] + 300, button["bottom"] + 60)
        h.xdotool("mousemove", "--sync", *rest)
        h.idle(frame)
        cold = h.settled_screenshot("buttons-normal", button)
        cold_button = pixels(cold, button)
        cold_link = pixels(cold, link)
        expect("#0000FF" not in cold_link, "the link is not blue while the cursor is elsewhere")

        # Hot: a semi-flat button shows its border.
        bx, by = (button["left"] + button["right"]) // 2, (button["top"] + button["bottom"]) // 2
        h.xdotool("mousemove", "--sync", bx, by)
        h.wait_for(lambda: pixels(h.screenshot("buttons-hover"), button) != cold_button, timeout=10,
                   what="the semi-flat button to change when the cursor is over it")

        # Pressed and released on it: one click (the cursor is there already).
        h.xdotool("click", 1)
        h.wait_for(lambda: log.clicks() == [button_id], timeout=10, what="the owner-drawn button's click")

        # Pressed on it, released off it: nothing.
        h.xdotool("mousedown", 1)
        h.idle(frame)
        h.screenshot("buttons-pressed")
        h.xdotool("mousemove", "--sync", *rest)
        h.xdotool("mouseup", 1)
        h.idle(frame)
        expect(log.clicks() == [button_id], "a release off the button sends nothing: %r" % log.clicks())

        # The link is blue while hot.
        lx, ly = link["left"] + 20, (link["top"] + link["bottom"]) // 2
        h.xdotool("mousemove", "--sync", lx, ly)
        h.wait_for(lambda: pixels(h.screenshot("buttons-link-hover"), link).count("#0000FF") > 10, timeout=10,
                   what="the hot link to be drawn blue")

        # A click opens the prefixed URL, shown normally; Return on the focused link opens it again.
        h.xdotool("click", 1)
        h.wait_for(lambda: log.opened(), timeout=10, what="the link to be opened")
        expect(log.opened() == [("http://www.velmora.invalid", SW_SHOWNORMAL)],
               "the link opens its URL shown: %r" % log.opened())
        h.xdotool("mousemove", "--sync", *rest)
        h.idle(frame)
        h.screenshot("buttons-link-focused")
        h.key("Return")
        h.wait_for(lambda: len(log.opened()) == 2, timeout=10, what="Return to open the link")
        h.key("space")
        h.idle(frame)
        expect(len(log.opened()) == 2, "Space does not open the link: %r" % log.opened())
        expect(log.clicks() == [button_id], "the link's opening sends no click of the other button")
        print("opened:", log.opened())


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED:", e)
        sys.exit(1)
