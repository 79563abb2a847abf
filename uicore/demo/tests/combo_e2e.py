"""The combo box and edit box buttons end to end, on the demonstration's bar of hosted controls,
driven with the real mouse and keyboard: text typed into the edit box button reaches the frame as
the button's command with the button's contents; an item chosen in the combo box button reaches it
with the new selection; and Ctrl+K, bound through the keyboard manager at start, fires its command.
Screenshots are left in the build tree."""

import os
import pathlib
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, HarnessError, expect, resource_ids  # noqa: E402
from demo_log import DemoLog  # noqa: E402

TITLE = "Tool bar demonstration"


class Log(DemoLog):
    def place(self, ctl_id):
        for rest in self.starting("control %d " % ctl_id):
            left, top, right, bottom = map(int, rest.split())
            return left, top, right, bottom
        return None


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uicore" / "demo" / "DemoControls.h")
        combo_id, edit_id, keyed_id = ids["ID_DEMO_COMBO"], ids["ID_DEMO_EDIT"], ids["ID_DEMO_KEYED"]
        work = pathlib.Path(tempfile.mkdtemp(prefix="combo-e2e-"))
        log = Log(work / "demo.log")
        winlog = "Z:" + str(log.path).replace("/", "\\")
        h.start(h.build / "uicore" / "ToolBarDemo.exe", "/controls", winlog)
        frame = h.find(title=TITLE, visible=True, timeout=30)
        h.wait_for(lambda: "ready" in log.lines(), timeout=20, what="the demonstration to start")
        expect(log.starting("key assigned ") != [], "the keyboard manager names the bound key")
        print("bound key:", log.starting("key assigned "))
        combo, edit = log.place(combo_id), log.place(edit_id)
        expect(combo is not None and combo[2] > combo[0], "the combo box is on the bar: %r" % (combo,))
        expect(edit is not None and edit[2] > edit[0], "the edit box is on the bar: %r" % (edit,))
        h.idle(frame)
        h.screenshot("combo-start")

        # Typing into the edit box: every change is the button's command, with its contents.
        h.mouse_click((edit[0] + edit[2]) // 2, (edit[1] + edit[3]) // 2)
        h.idle(frame)
        h.type_text("abc")
        h.wait_for(lambda: log.starting("edit ")[-1:] == ["abc"], timeout=10, what="the typed text to arrive")
        expect(log.starting("edit ") == ["a", "ab", "abc"], "one command per change: %r" % log.starting("edit "))
        h.screenshot("combo-edit-typed")

        # Choosing in the combo box: open the list, move down twice, take it with Return.
        h.mouse_click((combo[0] + combo[2]) // 2, (combo[1] + combo[3]) // 2)
        h.find(cls="ComboLBox", exe="ToolBarDemo.exe", visible=True, timeout=10)
        h.idle(frame)
        h.screenshot("combo-dropped")
        h.key("Down", "Down", "Return")
        h.wait_for(lambda: log.starting("combo "), timeout=10, what="the combo's choice")
        expect(log.starting("combo ")[-1] == "2 Gamma", "the choice carries the selection: %r"
               % log.starting("combo "))
        h.idle(frame)
        h.screenshot("combo-chosen")

        # The key bound through the keyboard manager fires its command.
        h.key("ctrl+k")
        h.wait_for(lambda: log.starting("keyed "), timeout=10, what="Ctrl+K to fire its command")
        expect(log.starting("keyed ") == [str(keyed_id)], "Ctrl+K gives its command: %r" % log.starting("keyed "))
        print("log:", log.lines()[-6:])


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED:", e)
        sys.exit(1)
