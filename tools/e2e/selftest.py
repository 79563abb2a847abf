"""The harness checks itself: its prefix shares no file with the base prefix it was cloned from; it
drives a plain target window through every driver command, then finds Wine's own notepad, reads its
title, takes a screenshot and closes it."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import Harness, expect, shared_files  # noqa: E402

TITLE = "Velmora driver target"


def drive_target(h):
    prog = h.start(h.build / "bin" / "wintarget.exe")
    wnd = h.find(title=TITLE, partial=True, timeout=30)
    expect(any(w["hwnd"] == wnd for w in prog.windows()), "the target's window is listed under its program")

    kids = {k["id"]: k for k in h.children(wnd)}
    expected = {101: "ListBox", 102: "ComboBox", 103: "Edit", 104: "Button", 105: "Button",
                106: "SysListView32", 107: "SysDateTimePick32"}
    for cid, cls in expected.items():
        expect(cid in kids and kids[cid]["class"] == cls, "control %d is a %s: %r" % (cid, cls, kids.get(cid)))
    expect(kids[104]["text"] == "Press" and kids[104]["visible"] and kids[104]["enabled"], "button record")

    items = h.items(wnd, 101)
    expect(items["items"] == ["Berlin", "Tokyo", "Lima"] and items["sel"] == -1, "list items %r" % items)

    # Each driven change must reach the window as the control's notification.
    steps = [
        (lambda: h.select(wnd, 101, text="Lima"), "[list 2]"),
        (lambda: h.select(wnd, 101, index=0, dblclk=True), "[dblclk 0]"),
        (lambda: h.select(wnd, 102, index=1), "[combo 1]"),
        (lambda: h.settext(wnd, 103, "hello"), "[edit 5]"),
        (lambda: h.click(wnd, 104), "[button 1]"),
        (lambda: h.command(wnd, 201), "[menu 201]"),
        (lambda: h.lvselect(wnd, 106, 1), "[row 1]"),
        (lambda: h.notify(wnd, 106, -3, 0), "[open 0]"),
    ]
    for action, mark in steps:
        action()
        h.wait_for(lambda: h.text(wnd).endswith(mark), timeout=10, what="title ending %s" % mark)

    expect(h.items(wnd, 102)["text"] == "Second", "combo shows the selected item")
    expect(h.text(wnd, 103) == "hello", "edit text")

    lv = h.lvitems(wnd, 106)
    expect(lv["columns"] == ["Name", "Offset"], "list-view columns %r" % lv)
    expect(lv["items"] == [["Auckland", "+12:00"], ["Reykjavik", "+00:00"]], "list-view rows %r" % lv)
    expect(lv["selected"] == [1] and lv["focused"] == 1, "list-view selection %r" % lv)

    expect(h.dtget(wnd, 107) == "2001-02-03 00:00:00", "picker's first value")
    notified = h.dtset(wnd, 107, "2004-05-06 00:00:00")
    expect(h.dtget(wnd, 107) == "2004-05-06 00:00:00", "picker's new value")
    expect(notified, "the picker's parent was told")
    h.wait_for(lambda: h.text(wnd).endswith("[day 6]"), what="DTN_DATETIMECHANGE heard")

    expect(h.check_state(wnd, 105) == 0, "check box starts clear")
    h.click(wnd, 105)
    h.wait_for(lambda: h.check_state(wnd, 105) == 1, what="check box set")

    # The real mouse and keyboard on the display: a click toggles the box back, typed keys
    # reach the edit under the caret.
    h.click_in(wnd, 105)
    h.wait_for(lambda: h.check_state(wnd, 105) == 0, what="check box cleared by a mouse click")
    h.click_in(wnd, 103)
    h.key("End")
    h.type_text("xy")
    h.wait_for(lambda: h.text(wnd, 103) == "helloxy", what="typed text in the edit")

    r = h.rect(wnd)
    expect(r["right"] - r["left"] == 360 and r["bottom"] - r["top"] == 320, "window rect %r" % r)

    shot = h.screenshot("harness-target")
    expect(shot.stat().st_size > 1000, "screenshot written")

    h.close(wnd)
    h.wait_gone(wnd, timeout=10)
    prog.wait_exit(timeout=10)


def drive_notepad(h):
    prog = h.start("notepad")
    wnd = h.find(cls="Notepad", timeout=30)
    expect("Notepad" in h.text(wnd), "notepad's title: %r" % h.text(wnd))
    h.screenshot("harness-notepad")
    h.close(wnd)
    h.wait_gone(wnd, timeout=10)
    prog.wait_exit(timeout=10)


def check_clone(h):
    """Wine rewrites files of a prefix in place (the registry, its time stamp): a clone that shared
    one with the base would write into the base."""
    if h.base_prefix is None:
        return
    shared = shared_files(h.base_prefix, h.prefix)
    expect(not shared, "the clone shares files with the base prefix: %r" % shared[:5])
    expect((h.prefix / "user.reg").exists() and (h.prefix / ".update-timestamp").exists(),
           "the clone has the registry and the update time stamp")


def main():
    with Harness() as h:
        check_clone(h)
        drive_target(h)
        drive_notepad(h)
    print("harness self-test passed")


if __name__ == "__main__":
    main()
