"""Two copies of Torvane on one VelmoraTZ: a save over what the other copy saved meanwhile asks
first, and the user reloads the file or writes over it; a copy's own saves never ask. The editing
dialog refuses offset minutes beyond 59 and a display name another zone already has."""

import os
import shutil
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "e2e"))
from harness import Harness, expect  # noqa: E402
import torvane_e2e as t  # noqa: E402

TOKYO = ("Tokyo", t.record(540, "JST", t.rule(0, 0, 1, 0, 0, 0), 0, "JST", t.daylight_rule(0, 0, 1, 0, 0, 0), 0))
CHANGED_ELSEWHERE = "changed by another program"


def window_of(h, prog, title, timeout=60):
    return h.wait_for(lambda: [w["hwnd"] for w in prog.windows(visible_only=True) if w["text"] == title],
                      timeout=timeout, what="%s of %s" % (title, prog.pid))[0]


# The two copies' windows lie one over the other: their buttons are pressed by message, the
# question that comes up over them with the mouse.
def box_of(h, prog, timeout=30):
    """A message box of the copy: its caption is the program's name."""
    return h.wait_for(lambda: [w["hwnd"] for w in prog.windows(visible_only=True)
                               if w["text"] in ("Torvane", "TorvaneB")], timeout=timeout,
                      what="a message box of %s" % prog.exe)[0]


def delete_zone(h, dlg, name):
    h.select(dlg, I["IDC_ZONE_LIST"], text=name)
    h.click(dlg, I["IDC_DELETE_ZONE"])
    h.wait_for(lambda: name not in h.items(dlg, I["IDC_ZONE_LIST"])["items"], what="%s deleted" % name)


def save(h, prog, dlg, answer=None):
    """Clicks Save; answers the question about the other copy's changes when one is expected, and
    checks that none comes otherwise."""
    h.click(dlg, I["IDC_SAVE_ZONES"])
    if answer is None:
        h.idle(dlg)
        expect(not [w for w in prog.windows(visible_only=True) if w["text"] in ("Torvane", "TorvaneB")],
               "a save over this copy's own file asks nothing")
        return
    boxes = [box_of(h, prog)]
    texts = t.box_texts(h, boxes[0])
    expect(CHANGED_ELSEWHERE in texts, "the question says why: %r" % texts)
    h.screenshot("torvane-file-changed-elsewhere")
    h.click_in(boxes[0], answer)
    h.wait_gone(boxes[0])
    h.idle(dlg)


def two_copies(h):
    folder = t.program_folder(h, "shared")
    data = folder / "VelmoraTZ"
    data.write_bytes(t.archive([t.BERLIN, t.DELHI, TOKYO]))
    # The second copy under another name, so that each copy's windows are told apart by program.
    shutil.copy2(str(folder / "Torvane.exe"), str(folder / "TorvaneB.exe"))
    a = h.start(folder / "Torvane.exe", cwd=str(folder))
    dlg_a = window_of(h, a, t.TITLE)
    b = h.start(folder / "TorvaneB.exe", cwd=str(folder))
    dlg_b = window_of(h, b, t.TITLE)

    # A deletes Berlin and saves: nothing else wrote the file since A read it.
    delete_zone(h, dlg_a, "Berlin")
    save(h, a, dlg_a)
    expect(data.read_bytes() == t.archive([t.DELHI, TOKYO]), "A's list is saved")
    # A again: its own save is what it read last.
    delete_zone(h, dlg_a, "Tokyo")
    save(h, a, dlg_a)
    expect(data.read_bytes() == t.archive([t.DELHI]), "A's second save")

    # B, which read the file before A's saves, deletes Delhi: its save asks; Yes reloads the file.
    delete_zone(h, dlg_b, "Delhi")
    save(h, b, dlg_b, t.IDYES)
    expect(data.read_bytes() == t.archive([t.DELHI]), "reloading writes nothing")
    h.wait_for(lambda: h.items(dlg_b, I["IDC_ZONE_LIST"])["items"] == ["Delhi"], what="B shows A's list")
    # B's change made again on the reloaded list saves without a question.
    h.click(dlg_b, I["IDC_NEW_TIMEZONE"])
    edit = window_of(h, b, t.EDIT_TITLE, timeout=20)
    h.settext(edit, I["IDC_DISPLAY_NAME"], "Tokyo")
    h.settext(edit, I["IDC_STANDARD_NAME"], "JST")
    h.settext(edit, I["IDC_OFFSET_HOURS"], "9")
    h.click_in(edit, t.IDOK)
    h.wait_gone(edit)
    save(h, b, dlg_b)
    saved_by_b = data.read_bytes()
    expect(saved_by_b.count(b"\x05Tokyo") == 1 and b"\x05Delhi" in saved_by_b, "B's list on A's")

    # A, now behind B, adds nothing new but deletes Delhi: No writes A's list over B's.
    delete_zone(h, dlg_a, "Delhi")
    save(h, a, dlg_a, t.IDNO)
    expect(data.read_bytes() == t.archive([]), "No writes this copy's list over the file")

    # Cancel saves nothing, and the question comes again at the next save.
    delete_zone(h, dlg_b, "Delhi")
    save(h, b, dlg_b, t.IDCANCEL)
    expect(data.read_bytes() == t.archive([]), "Cancel writes nothing")
    h.post(dlg_a, t.WM_SYSCOMMAND, t.SC_CLOSE, 0)
    a.wait_exit(timeout=20)
    h.post(dlg_b, t.WM_SYSCOMMAND, t.SC_CLOSE, 0)
    box = box_of(h, b)
    expect("Save the changes" in t.box_texts(h, box), "B's unsaved change is asked about")
    h.click_in(box, t.IDNO)
    b.wait_exit(timeout=20)
    expect(data.read_bytes() == t.archive([]), "closing without saving writes nothing")


def edit_refusals(h):
    folder = t.program_folder(h, "refusals")
    data = folder / "VelmoraTZ"
    original = t.archive([t.BERLIN, t.DELHI])
    data.write_bytes(original)
    prog = h.start(folder / "Torvane.exe", cwd=str(folder))
    dlg = window_of(h, prog, t.TITLE)
    h.click_in(dlg, I["IDC_NEW_TIMEZONE"])
    edit = window_of(h, prog, t.EDIT_TITLE, timeout=20)
    h.click_in(edit, I["IDC_DISPLAY_NAME"])
    h.key("End", "shift+Home", "BackSpace")
    h.type_text("Berlin")
    h.click_in(edit, t.IDOK)
    box = window_of(h, prog, "Torvane", timeout=30)
    expect('"Berlin" is already in the list' in t.box_texts(h, box), "the name is taken: %r" % t.box_texts(h, box))
    h.click_in(box, t.IDOK)
    h.wait_gone(box)
    expect(window_of(h, prog, t.EDIT_TITLE, timeout=5), "the editing dialog stays open")
    h.click_in(edit, I["IDC_DISPLAY_NAME"])
    h.key("End")
    h.type_text(" East")

    for typed, refused in (("75", True), ("-60", True), ("15", False)):
        h.click_in(edit, I["IDC_OFFSET_MINUTES"])
        h.key("End", "shift+Home", "BackSpace")
        h.key(*(["minus"] + list(typed[1:]) if typed.startswith("-") else list(typed)))
        h.wait_for(lambda: h.text(edit, I["IDC_OFFSET_MINUTES"]) == typed, what="%s minutes typed" % typed)
        h.click_in(edit, t.IDOK)
        if refused:
            box = window_of(h, prog, "Torvane", timeout=30)
            h.screenshot("torvane-minutes-refused")
            expect("59" in t.box_texts(h, box), "%s minutes are refused: %r" % (typed, t.box_texts(h, box)))
            h.click_in(box, t.IDOK)
            h.wait_gone(box)
    h.wait_gone(edit)
    expect(h.items(dlg, I["IDC_ZONE_LIST"])["items"] == ["Berlin", "Berlin East", "Delhi"], "a name of its own")

    # An existing zone keeps its own name when edited.
    h.select(dlg, I["IDC_ZONE_LIST"], text="Delhi")
    h.click_in(dlg, I["IDC_EDIT_ZONE"])
    edit = window_of(h, prog, t.EDIT_TITLE, timeout=20)
    h.click_in(edit, t.IDOK)
    h.wait_gone(edit)
    h.click(dlg, t.IDCANCEL)
    box = window_of(h, prog, "Torvane", timeout=30)
    h.click_in(box, t.IDNO)
    prog.wait_exit(timeout=20)
    expect(data.read_bytes() == original, "nothing saved")


with Harness() as h:
    I = h.ids("torvane")
    t.I = I
    two_copies(h)
    edit_refusals(h)
print("ok")
