"""Torvane with the mouse and the keys, as a person uses it: the list keeps its place through Edit,
New and Delete (the zone just edited or added stays selected and in view, a deleted zone's
neighbour takes its row), Newfoundland's offset typed as "-3 : 30" is three and a half hours west,
and a save on the way to closing that the user turns into a reload of a file another program
changed says that nothing was saved and the window stays."""

import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "e2e"))
from harness import Harness, expect  # noqa: E402
import torvane_e2e as t  # noqa: E402

LB_GETTOPINDEX, LB_GETITEMHEIGHT = 0x018E, 0x01A1
NO_RULE = "Not specified for this Timezone"
BERLIN_START = "Last Sunday of March at 02:00:00 AM"
# Enough zones that the list scrolls; one of them with daylight saving, to see the clock follow.
ZONES = [("Zone %02d" % i, (t.BERLIN if i == 57 else t.DELHI)[1]) for i in range(60)]


def window_of(h, prog, title, timeout=60):
    return h.wait_for(lambda: [w["hwnd"] for w in prog.windows(visible_only=True) if w["text"] == title],
                      timeout=timeout, what="%s of %s" % (title, prog.pid))[0]


def message_box(h, prog, timeout=30):
    return window_of(h, prog, "Torvane", timeout)


def no_message_box(h, prog, dlg):
    h.idle(dlg)
    return not [w for w in prog.windows(visible_only=True) if w["text"] == "Torvane"]


class ZoneList:
    def __init__(self, h, dlg):
        self.h, self.dlg, self.id = h, dlg, t.I["IDC_ZONE_LIST"]
        self.hwnd = h.info(dlg, self.id)["hwnd"]

    def state(self):
        """(selected row's text or None, first row shown, rows shown, selected row)."""
        items = self.h.items(self.dlg, self.id)
        top = self.h.send(self.hwnd, LB_GETTOPINDEX)
        client = self.h.rect(self.dlg, self.id, client=True)
        shown = (client["bottom"] - client["top"]) // self.h.send(self.hwnd, LB_GETITEMHEIGHT)
        sel = items["sel"]
        return (items["items"][sel] if sel >= 0 else None), top, shown, sel

    def selected_in_view(self, name):
        text, top, shown, sel = self.state()
        return text == name and top <= sel < top + shown

    def double_click_selected(self):
        _, top, _, sel = self.state()
        client = self.h.rect(self.dlg, self.id, client=True)
        height = self.h.send(self.hwnd, LB_GETITEMHEIGHT)
        self.h.mouse_click(client["left"] + 30, client["top"] + (sel - top) * height + height // 2, double=True)


def retype(h, edit, field, keys):
    h.click_in(edit, field)
    h.key("End", "shift+Home", "BackSpace")
    h.key(*keys)


def keys_of(text):
    return ["minus" if c == "-" else ("space" if c == " " else c) for c in text]


def the_list_keeps_its_place(h):
    folder = t.program_folder(h, "place")
    data = folder / "VelmoraTZ"
    data.write_bytes(t.archive(ZONES))
    prog = h.start(folder / "Torvane.exe", cwd=str(folder))
    dlg = window_of(h, prog, t.TITLE)
    zl = ZoneList(h, dlg)

    # Down to the end of the list with the keys, and three rows up: the list has scrolled.
    h.click_in(dlg, t.I["IDC_ZONE_LIST"])
    h.key("End", "Up", "Up", "Up")
    h.wait_for(lambda: zl.state()[0] == "Zone 56", what="Zone 56 chosen with the keys")
    _, top_before, _, _ = zl.state()
    expect(top_before > 0, "the list is scrolled: top row %d" % top_before)

    # Edit, a new name, OK: the renamed zone stays selected where it was.
    h.click_in(dlg, t.I["IDC_EDIT_ZONE"])
    edit = window_of(h, prog, t.EDIT_TITLE, timeout=20)
    h.click_in(edit, t.I["IDC_DISPLAY_NAME"])
    h.key("End")
    h.type_text("b")
    h.click_in(edit, t.IDOK)
    h.wait_gone(edit)
    h.wait_for(lambda: zl.selected_in_view("Zone 56b"), what="the edited zone selected and in view")
    expect(zl.state()[1] == top_before, "the list has not scrolled: %r" % (zl.state(),))
    h.screenshot("torvane-place-after-edit")

    # The next click acts on the same zone: Edit opens it again.
    h.click_in(dlg, t.I["IDC_EDIT_ZONE"])
    edit = window_of(h, prog, t.EDIT_TITLE, timeout=20)
    expect(h.text(edit, t.I["IDC_DISPLAY_NAME"]) == "Zone 56b", "Edit opens the zone just edited")
    h.click_in(edit, t.IDCANCEL)
    h.wait_gone(edit)
    expect(zl.selected_in_view("Zone 56b"), "a cancelled edit keeps the place too")

    # Delete: the next zone takes the row, and the clock's rules are its own.
    h.click_in(dlg, t.I["IDC_DELETE_ZONE"])
    h.wait_for(lambda: zl.selected_in_view("Zone 57"), what="the neighbour selected after Delete")
    h.wait_text(dlg, t.I["IDC_DAYLIGHT_RULE"], BERLIN_START)
    # At the end of the list the neighbour is the row before.
    h.click_in(dlg, t.I["IDC_ZONE_LIST"])
    h.key("End")
    h.wait_for(lambda: zl.state()[0] == "Zone 59", what="the last zone chosen")
    h.click_in(dlg, t.I["IDC_DELETE_ZONE"])
    h.wait_for(lambda: zl.selected_in_view("Zone 58"), what="the row before selected after the last is deleted")
    h.wait_text(dlg, t.I["IDC_DAYLIGHT_RULE"], NO_RULE)

    # New, cancelled: the place stays; New, confirmed: the new zone is selected and in view.
    h.click_in(dlg, t.I["IDC_NEW_TIMEZONE"])
    edit = window_of(h, prog, t.EDIT_TITLE, timeout=20)
    h.click_in(edit, t.IDCANCEL)
    h.wait_gone(edit)
    h.wait_for(lambda: zl.selected_in_view("Zone 58"), what="a cancelled New keeps the place")
    newfoundland_is_three_and_a_half_hours_west(h, prog, dlg, zl)

    h.click_in(dlg, t.I["IDC_SAVE_ZONES"])
    h.wait_for(lambda: data.read_bytes() != t.archive(ZONES), what="the saved file")
    saved = data.read_bytes()
    at = saved.index(b"\x0cNewfoundland") + 13
    expect(struct.unpack_from("<i", saved, at)[0] == 210, "stored 210 minutes west: %r" % saved[at:at + 4])
    # Opened again, the offset shows as the zone stored it: both fields west.
    zl.double_click_selected()
    edit = window_of(h, prog, t.EDIT_TITLE, timeout=20)
    expect((h.text(edit, t.I["IDC_DISPLAY_NAME"]), h.text(edit, t.I["IDC_OFFSET_HOURS"]),
            h.text(edit, t.I["IDC_OFFSET_MINUTES"])) == ("Newfoundland", "-3", "-30"),
           "the zone opens as -3 : -30")
    h.click_in(edit, t.IDCANCEL)
    h.wait_gone(edit)
    h.click_in(dlg, t.IDCANCEL)
    prog.wait_exit(timeout=20)


def newfoundland_is_three_and_a_half_hours_west(h, prog, dlg, zl):
    """Hours -3, minutes 30 as a person types them: the minus goes with the hours alone."""
    h.click_in(dlg, t.I["IDC_NEW_TIMEZONE"])
    edit = window_of(h, prog, t.EDIT_TITLE, timeout=20)
    retype(h, edit, t.I["IDC_DISPLAY_NAME"], keys_of("Newfoundland"))
    retype(h, edit, t.I["IDC_STANDARD_NAME"], keys_of("NST"))
    retype(h, edit, t.I["IDC_OFFSET_HOURS"], keys_of("-3"))
    retype(h, edit, t.I["IDC_OFFSET_MINUTES"], keys_of("30"))
    h.wait_for(lambda: (h.text(edit, t.I["IDC_OFFSET_HOURS"]), h.text(edit, t.I["IDC_OFFSET_MINUTES"])) ==
               ("-3", "30"), what="-3 : 30 typed")
    h.screenshot("torvane-newfoundland-typed")
    h.click_in(edit, t.IDOK)
    h.wait_gone(edit)
    h.wait_for(lambda: zl.selected_in_view("Newfoundland"), what="the new zone selected and in view")


def reload_on_the_way_to_closing(h):
    folder = t.program_folder(h, "reload-close")
    data = folder / "VelmoraTZ"
    data.write_bytes(t.archive([t.BERLIN, t.DELHI]))
    prog = h.start(folder / "Torvane.exe", cwd=str(folder))
    dlg = window_of(h, prog, t.TITLE)
    zl = ZoneList(h, dlg)
    tokyo = ("Tokyo", t.record(540, "JST", t.rule(0, 0, 1, 0, 0, 0), 0, "JST", t.daylight_rule(0, 0, 1, 0, 0, 0), 0))
    elsewhere = t.archive([t.BERLIN, t.DELHI, tokyo])

    for close_button, asks_first in ((t.IDOK, False), (t.IDCANCEL, True)):
        # A change here, and another program's change to the file meanwhile.
        h.click_in(dlg, t.I["IDC_ZONE_LIST"])
        h.key("Home")
        h.wait_for(lambda: zl.state()[0] == "Berlin", what="Berlin chosen")
        h.click_in(dlg, t.I["IDC_DELETE_ZONE"])
        h.wait_for(lambda: "Berlin" not in h.items(dlg, t.I["IDC_ZONE_LIST"])["items"], what="Berlin deleted")
        data.write_bytes(elsewhere)
        st = data.stat()
        os.utime(str(data), (st.st_atime + 10, st.st_mtime + 10))

        h.click_in(dlg, close_button)
        if asks_first:
            box = message_box(h, prog)
            expect("Save the changes" in t.box_texts(h, box), "Cancel && Close asks about the change")
            h.click_in(box, t.IDYES)
            h.wait_gone(box)
        box = message_box(h, prog)
        expect("changed by another program" in t.box_texts(h, box), "the save asks about the other change")
        h.click_in(box, t.IDYES)
        h.wait_gone(box)
        box = message_box(h, prog)
        texts = t.box_texts(h, box)
        h.screenshot("torvane-reloaded-not-closed")
        expect("Nothing was saved, and Torvane stays open" in texts, "the user is told: %r" % texts)
        h.click_in(box, t.IDOK)
        h.wait_gone(box)
        expect(no_message_box(h, prog, dlg) and prog.running(), "the window stays open")
        expect(h.items(dlg, t.I["IDC_ZONE_LIST"])["items"] == ["Berlin", "Delhi", "Tokyo"],
               "the list is the file's again")
        expect(data.read_bytes() == elsewhere, "the other program's file is kept")
        # Start the next round from the file as it is now.
        data.write_bytes(t.archive([t.BERLIN, t.DELHI]))
        st = data.stat()
        os.utime(str(data), (st.st_atime + 20, st.st_mtime + 20))
        h.click_in(dlg, t.I["IDC_SAVE_ZONES"])
        box = message_box(h, prog)
        h.click_in(box, t.IDYES)
        h.wait_gone(box)
        expect(no_message_box(h, prog, dlg), "a plain Save that reloads needs no word: the list shows it")
        h.wait_for(lambda: h.items(dlg, t.I["IDC_ZONE_LIST"])["items"] == ["Berlin", "Delhi"], what="reloaded")

    # Nothing changed since the reload: Save && Close closes.
    h.click_in(dlg, t.IDOK)
    prog.wait_exit(timeout=20)
    expect(data.read_bytes() == t.archive([t.BERLIN, t.DELHI]), "saved as it was")


with Harness() as h:
    t.I = h.ids("torvane")
    the_list_keeps_its_place(h)
    reload_on_the_way_to_closing(h)
print("ok")
