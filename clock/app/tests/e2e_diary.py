"""The calendar and its diary, driven with the mouse and keys: a note on 29 February 2024 is entry 60
of "VelDiary2024" (read by this test's own decoder of the year file's layout), its reminder is an
alarm with the note as its message, and clearing the note deletes both; moving the calendar from
December to January saves the old year and shows the new one's notes."""

import datetime
import os
import struct
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import velmora_e2e as v  # noqa: E402
import velmora_files as files  # noqa: E402

harness = v.harness_module(sys.argv[sys.argv.index("--source") + 1])
Harness, expect = harness.Harness, harness.expect

ZONE = files.Zone("(GMT+00:00) London", 0, "GMT Standard Time")
CLOCK = files.clock_record(ZONE)
CLOCKS_PART = files.data_file([CLOCK])[:-8]
ENTRIES = 367

os.environ["TZ"] = os.environ.get("VELMORA_TZ", "UTC")
time.tzset()

# The month calendar draws its month centred in the control: a title of 20 pixels with the two
# arrows, the weekday row, then six rows of 15 pixels in seven columns of 32 (Sunday first).
GRID_W, GRID_H, TITLE_H = 222, 141, 20


def read_year(data):
    """The 367 entries of a year file: objects written one after another, the first with the class
    "CDiaryEntry" of schema 1, the others referring back to it; nothing after them."""
    entries, pos = [], 0
    for i in range(ENTRIES):
        (tag,) = struct.unpack_from("<H", data, pos)
        pos += 2
        if i == 0:
            assert tag == 0xFFFF, "the first entry names its class"
            schema, n = struct.unpack_from("<HH", data, pos)
            pos += 4
            assert (schema, data[pos:pos + n]) == (1, b"CDiaryEntry")
            pos += n
        else:
            assert tag == 0x8001, "entry %d refers back to the class: %x" % (i, tag)
        has_text, reminder, rem_id = struct.unpack_from("<iii", data, pos)
        pos += 12
        n = data[pos]
        pos += 1
        if n == 0xFF:
            (n,) = struct.unpack_from("<H", data, pos)
            pos += 2
        text = data[pos:pos + n].decode("latin-1")
        pos += n
        (created,) = struct.unpack_from("<i", data, pos)
        pos += 4
        entries.append(dict(has_text=has_text, reminder=reminder, id=rem_id, text=text, created=created))
    assert pos == len(data), "nothing follows the 367th entry"
    return entries


def write_year(notes):
    """A year file with notes {index: text}, as the layout says."""
    out = b""
    for i in range(ENTRIES):
        out += struct.pack("<HHH", 0xFFFF, 1, 11) + b"CDiaryEntry" if i == 0 else struct.pack("<H", 0x8001)
        text = notes.get(i, "").encode("latin-1")
        out += struct.pack("<iii", 1 if text else 0, 0, 0) + bytes([len(text)]) + text + struct.pack("<i", 0)
    return out


def click_at(h, x, y, double=False):
    # Without --sync: xdotool waits for a move that never comes when the pointer is already there.
    # The display takes the move before the click, as each xdotool waits for its requests.
    h.xdotool("mousemove", int(x), int(y))
    h.xdotool("click", "--repeat", 2 if double else 1, 1)


def titled(h, prog, title, timeout=30):
    return h.wait_for(lambda: [w for w in prog.windows(visible_only=True) if w["text"] == title],
                      timeout=timeout, what="the window %r" % title)[0]["hwnd"]


def start(h, name):
    folder = v.program_folder(h, "diary-" + name)
    (folder / "Velmora2Dat").write_bytes(files.data_file([CLOCK]))
    prog, wnd = v.start_clock(h, folder)
    return folder, prog, wnd


def open_calendar(h, prog, wnd):
    """A double click on the clock opens the calendar."""
    r = h.rect(wnd)
    click_at(h, r["left"] + 10, r["top"] + 10, double=True)
    return titled(h, prog, "Calendar")


class Calendar:
    def __init__(self, h, dlg):
        self.h, self.dlg = h, dlg
        r = h.rect(dlg, ids["IDC_CAL_MONTH"])
        self.left = (r["left"] + r["right"]) // 2 - GRID_W // 2
        self.top = (r["top"] + r["bottom"]) // 2 - GRID_H // 2

    def heading(self):
        return self.h.text(self.dlg, ids["IDC_CAL_HEADING"])

    def shown(self):
        return datetime.datetime.strptime(self.heading()[len("Diary Notes: "):], "%A, %B %d, %Y").date()

    def scroll(self, months):
        """Clicks the title's arrows; the selection moves by a month each time."""
        x = self.left + 14 if months < 0 else self.left + GRID_W - 14
        for _ in range(abs(months)):
            before = self.heading()
            click_at(self.h, x, self.top + TITLE_H // 2)
            self.h.wait_for(lambda: self.heading() != before, timeout=10, what="the next month")

    def pick(self, day):
        """Clicks a day of the month shown."""
        shown = self.shown()
        first = datetime.date(shown.year, shown.month, 1)
        cell = (first.weekday() + 1) % 7 + day - 1
        click_at(self.h, self.left + 14 + 32 * (cell % 7), self.top + 42 + 15 * (cell // 7))
        want = datetime.date(shown.year, shown.month, day)
        self.h.wait_for(lambda: self.shown() == want, timeout=10, what="the day %s" % want)

    def go_to(self, year, month, day):
        shown = self.shown()
        self.scroll((year - shown.year) * 12 + month - shown.month)
        self.pick(day)


def set_note(h, dlg, text):
    h.click_in(dlg, ids["IDC_CAL_NOTE"])
    h.key("ctrl+End", "ctrl+shift+Home", "BackSpace")
    if text:
        h.type_text(text)


def exit_program(h, prog, wnd):
    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)


def leap_day(h):
    folder, prog, wnd = start(h, "leap")
    dlg = open_calendar(h, prog, wnd)
    h.screenshot("velmora-calendar")
    cal = Calendar(h, dlg)
    expect(cal.shown() == datetime.date.today(), "the calendar opens on today: %s" % cal.heading())
    cal.go_to(2024, 2, 29)
    expect(cal.heading() == "Diary Notes: Thursday, February 29, 2024", cal.heading())
    note = "Leap day: 100% of %s party"
    set_note(h, dlg, note)
    h.click(dlg, ids["IDC_CAL_REMINDER"])
    due = datetime.datetime.now().replace(microsecond=0, second=0) + datetime.timedelta(days=400)
    h.dtset(dlg, ids["IDC_CAL_REMINDER_DATE"], due.strftime("%Y-%m-%d %H:%M:%S"))
    h.dtset(dlg, ids["IDC_CAL_REMINDER_TIME"], due.strftime("%Y-%m-%d %H:%M:%S"))
    h.screenshot("velmora-calendar-diary")
    h.click(dlg, 1)
    h.wait_gone(dlg, timeout=15)

    entries = read_year((folder / "VelDiary2024").read_bytes())
    e = entries[60]
    print("entry 60:", e)
    expect(e["has_text"] == 1 and e["text"] == note and e["reminder"] == 1, "the note is entry 60 with its reminder")
    expect(all(not x["has_text"] for i, x in enumerate(entries) if i != 60), "no other day has a note")
    exit_program(h, prog, wnd)
    _, alarms = files.read_alarms((folder / "Velmora2Dat").read_bytes(), CLOCKS_PART)
    print("alarms:", alarms)
    expect(len(alarms) == 1, "one reminder alarm")
    a = alarms[0]
    expect(a["name"] == "Diary Reminder" and a["message"] == note and a["display"] == 1, "the note is its message")
    expect((a["id"], a["created"]) == (e["id"], e["created"]), "the entry holds the alarm's identity")
    expect(files.ole_to_datetime(a["activation"]) == due, "due when the pickers say: %s" %
           files.ole_to_datetime(a["activation"]))

    # Cleared the next time, the note and its alarm are gone.
    prog, wnd = v.start_clock(h, folder)
    dlg = open_calendar(h, prog, wnd)
    cal = Calendar(h, dlg)
    cal.go_to(2024, 2, 29)
    expect(h.text(dlg, ids["IDC_CAL_NOTE"]) == note, "the note is read back")
    expect(h.check_state(dlg, ids["IDC_CAL_REMINDER"]) == 1, "with its reminder")
    set_note(h, dlg, "")
    h.click(dlg, 1)
    h.wait_gone(dlg, timeout=15)
    exit_program(h, prog, wnd)
    e = read_year((folder / "VelDiary2024").read_bytes())[60]
    expect(e["has_text"] == 0 and e["reminder"] == 0, "the entry is cleared: %r" % e)
    _, alarms = files.read_alarms((folder / "Velmora2Dat").read_bytes(), CLOCKS_PART)
    expect(alarms == [], "and its alarm deleted: %r" % alarms)


def new_year(h):
    folder, prog, wnd = start(h, "newyear")
    year = datetime.date.today().year
    january = {d: "January note %d" % d for d in range(1, 32)}
    (folder / ("VelDiary%d" % (year + 1))).write_bytes(write_year(january))
    dlg = open_calendar(h, prog, wnd)
    cal = Calendar(h, dlg)
    cal.scroll(12 - cal.shown().month)
    december = cal.shown()
    expect(december.month == 12 and december.year == year, cal.heading())
    if h.text(dlg, ids["IDC_CAL_EXPAND"]) == "Show Diary":
        h.click_in(dlg, ids["IDC_CAL_EXPAND"])
        h.wait_for(lambda: h.text(dlg, ids["IDC_CAL_EXPAND"]) == "<< Hide Diary", what="the diary pane")
    set_note(h, dlg, "December note")
    cal.scroll(1)
    shown = cal.shown()
    expect(shown.year == year + 1 and shown.month == 1, cal.heading())
    old = folder / ("VelDiary%d" % year)
    expect(old.exists(), "the old year was saved on the switch")
    entries = read_year(old.read_bytes())
    index = december.timetuple().tm_yday
    expect(entries[index]["text"] == "December note", "with the December note at %d" % index)
    expect(h.text(dlg, ids["IDC_CAL_NOTE"]) == "January note %d" % shown.day, "the new year's note shows")
    h.screenshot("velmora-calendar-new-year")
    h.click(dlg, 1)
    h.wait_gone(dlg, timeout=15)
    exit_program(h, prog, wnd)
    expect(read_year((folder / ("VelDiary%d" % (year + 1))).read_bytes())[1]["text"] == "January note 1",
           "the new year's file keeps its notes")


def damaged(h):
    """A short year file is reported once, its notes are not shown, and it is left as it was."""
    folder, prog, wnd = start(h, "damaged")
    year = datetime.date.today().year
    cut = write_year({1: "kept"})[:-3]
    path = folder / ("VelDiary%d" % year)
    path.write_bytes(cut)
    r = h.rect(wnd)
    click_at(h, r["left"] + 10, r["top"] + 10, double=True)
    box = h.wait_for(lambda: [w for w in v.message_boxes(h, prog) if w["text"] != "Calendar"], timeout=30,
                     what="the report of the damaged file")[0]["hwnd"]
    h.screenshot("velmora-diary-damaged")
    # Its OK button, not the Return key: a key goes to whichever window has the focus by then.
    h.click(box, 1)
    h.wait_gone(box, timeout=15)
    dlg = titled(h, prog, "Calendar")
    expect(h.text(dlg, ids["IDC_CAL_NOTE"]) == "", "nothing of the damaged year shows")
    set_note(h, dlg, "typed over")
    h.click(dlg, 1)
    h.wait_gone(dlg, timeout=15)
    h.idle(wnd)
    expect(not [w for w in v.message_boxes(h, prog)], "reported once")
    exit_program(h, prog, wnd)
    expect(path.read_bytes() == cut, "the damaged file is never written over")


with Harness() as h:
    ids = h.ids("velmora")
    v.clear_registry(h)
    leap_day(h)
    new_year(h)
    damaged(h)
print("ok")
