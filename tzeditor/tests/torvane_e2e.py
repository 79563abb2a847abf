"""Torvane end to end: a data file written here byte by byte is listed by the real program, a zone is
added through the editing dialog and saved, and the file is compared with the bytes it must hold.
A damaged file is reported by name, lists the zones before the damage and survives a close
untouched, as does a file of random bytes; closing never writes, and a changed list asks first; the
editing dialog takes negative hours, refuses what it cannot store, and a thousand zones and a long
name still show in full."""

import os
import pathlib
import random
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "e2e"))
from harness import Harness, HarnessError, expect  # noqa: E402

TITLE = "Velmora Torvane"
EDIT_TITLE = "Edit Timezone"
IDOK, IDCANCEL, IDYES, IDNO = 1, 2, 6, 7  # standard buttons (windows.h, not the program's resource.h)
WM_SYSCOMMAND, SC_CLOSE = 0x0112, 0xF060
LB_GETHORIZONTALEXTENT = 0x0193
WM_HSCROLL, SB_RIGHT = 0x0114, 7
I = {}  # the program's resource ids by name, read from its resource.h in main()


def name_field(text):
    raw = text.encode("utf-16-le")
    return raw + b"\0" * (64 - len(raw))


def rule(year, dow, week, hour, minute, month):
    """The standard rule's eight words in file order: year, weekday, 2, week, hour, minute, month, ms."""
    return struct.pack("<8H", year, dow, 2, week, hour, minute, month, 0)


def daylight_rule(year, dow, week, hour, minute, month):
    """The daylight rule's eight words: year, 0, weekday, week, hour, minute, week again, month."""
    return struct.pack("<8H", year, 0, dow, week, hour, minute, week, month)


def record(bias, std_name, std, std_bias, dst_name, dst, dst_bias):
    """The 172-byte zone record; the biases are the in-memory (east positive) ones."""
    data = (struct.pack("<i", -bias) + name_field(std_name) + std + struct.pack("<i", std_bias) +
            name_field(dst_name) + dst + struct.pack("<i", -dst_bias))
    assert len(data) == 172
    return data


def archive(zones):
    """The whole file: a count, then each zone as an archive object (class once, then its reference)."""
    out = struct.pack("<i", len(zones))
    for i, (name, rec) in enumerate(zones):
        out += struct.pack("<HHH", 0xFFFF, 1, 13) + b"CTimeZoneInfo" if i == 0 else struct.pack("<H", 0x8001)
        raw = name.encode("cp1252")
        assert len(raw) < 255
        out += bytes([len(raw)]) + raw + rec
    return out


BERLIN = ("Berlin", record(60, "CET", rule(0, 0, 5, 3, 0, 10), 0, "CEST", daylight_rule(0, 0, 5, 2, 0, 3), 60))
DELHI = ("Delhi", record(330, "IST", rule(0, 0, 1, 0, 0, 0), 0, "IST", daylight_rule(0, 0, 1, 0, 0, 0), 0))
# The zone the test adds: +5:30, daylight +1:00 from the first Sunday of April at 02:00 to the last
# Sunday of October at 01:00 (the dialog's default end).
ADDED = ("Aaa Test Zone", record(330, "Test Standard", rule(0, 0, 5, 1, 0, 10), 0, "Test Daylight",
                                 daylight_rule(0, 0, 1, 2, 0, 4), 60))


def program_folder(h, tag):
    base = h.build / "e2e-runs"
    base.mkdir(parents=True, exist_ok=True)
    folder = pathlib.Path(tempfile.mkdtemp(prefix="torvane-%s-" % tag, dir=str(base)))
    shutil.copy2(str(h.build / "tzeditor" / "Torvane.exe"), str(folder / "Torvane.exe"))
    return folder


def wait_file(path, expected, what):
    Harness.wait_for(lambda: path.exists() and path.read_bytes() == expected, timeout=15, what=what)


def list_add_save(h):
    folder = program_folder(h, "list")
    data = folder / "VelmoraTZ"
    data.write_bytes(archive([BERLIN, DELHI]))
    prog = h.start(folder / "Torvane.exe", cwd=str(folder))
    dlg = h.find(title=TITLE, timeout=60, visible=True)

    items = h.items(dlg, I["IDC_ZONE_LIST"])
    expect(items["items"] == ["Berlin", "Delhi"], "zone list %r" % items)
    expect(h.text(dlg, I["IDC_ZONE_COUNT"]) == "Total Timezones:2", "count text %r" % h.text(dlg, I["IDC_ZONE_COUNT"]))
    # Short names need no sideways scrolling.
    lst = {k["id"]: k for k in h.children(dlg)}[I["IDC_ZONE_LIST"]]["hwnd"]
    inner = h.rect(dlg, I["IDC_ZONE_LIST"], client=True)
    extent = h.send(lst, LB_GETHORIZONTALEXTENT)
    expect(0 < extent <= inner["right"] - inner["left"], "extent %d for short names in %r" % (extent, inner))

    h.select(dlg, I["IDC_ZONE_LIST"], text="Berlin")
    h.wait_for(lambda: h.text(dlg, I["IDC_DAYLIGHT_RULE"]) == "Last Sunday of March at 02:00:00 AM", what="Berlin's daylight rule")
    expect(h.text(dlg, I["IDC_STANDARD_RULE"]) == "Last Sunday of October at 03:00:00 AM", "Berlin's standard rule %r" % h.text(dlg, I["IDC_STANDARD_RULE"]))
    clock = h.wait_for(lambda: re.fullmatch(r"\d\d:\d\d:\d\d (AM|PM)", h.text(dlg, I["IDC_ZONE_TIME"])), what="zone clock")
    expect(re.fullmatch(r"[A-Z][a-z]+day \d\d [A-Z][a-z]+ \d{4}", h.text(dlg, I["IDC_ZONE_DATE"])), "zone date %r" % h.text(dlg, I["IDC_ZONE_DATE"]))
    # Berlin is UTC+1 or +2: the zone clock's hour is one or two ahead of UTC once the clock, which
    # ticks each second, shows the chosen zone.
    seen = []

    def berlin_hour():
        text = h.text(dlg, I["IDC_ZONE_TIME"])
        utc_hour = time.gmtime().tm_hour
        seen.append((text, utc_hour))
        m = re.fullmatch(r"(\d\d):\d\d:\d\d (AM|PM)", text)
        return m and ((int(m.group(1)) - utc_hour) % 24 in (1, 2) or time.gmtime().tm_min == 59)
    try:
        h.wait_for(berlin_hour, timeout=10, what="Berlin's hour")
    except HarnessError:
        raise HarnessError("Berlin's hour against UTC: %r" % seen[-3:])
    h.select(dlg, I["IDC_ZONE_LIST"], text="Delhi")
    h.wait_for(lambda: h.text(dlg, I["IDC_DAYLIGHT_RULE"]) == "Not specified for this Timezone", what="Delhi without daylight saving")
    # Delhi's clock is UTC + 5:30 all year; the clock follows at its next tick.
    h.wait_for(lambda: h.text(dlg, I["IDC_ZONE_TIME"])[:5] == time.strftime("%H:%M", time.gmtime(time.time() + 330 * 60)),
               what="Delhi's clock")
    h.screenshot("torvane-zone-list")

    h.click(dlg, I["IDC_NEW_TIMEZONE"])
    edit = h.find(title=EDIT_TITLE, timeout=20, visible=True)
    kids = {k["id"]: k for k in h.children(edit)}
    expect(not kids[I["IDC_DAYLIGHT_NAME"]]["enabled"] and not kids[I["IDC_START_WEEK"]]["enabled"], "daylight fields start disabled")
    expect(h.items(edit, I["IDC_START_WEEK"])["items"] == ["First", "Second", "Third", "Fourth", "Last"], "week list")
    expect(h.items(edit, I["IDC_START_MONTH"])["text"] == "March" and h.items(edit, I["IDC_END_MONTH"])["text"] == "October", "default months")
    h.settext(edit, I["IDC_DISPLAY_NAME"], "Aaa Test Zone")
    h.settext(edit, I["IDC_STANDARD_NAME"], "Test Standard")
    h.settext(edit, I["IDC_OFFSET_HOURS"], "5")
    h.settext(edit, I["IDC_OFFSET_MINUTES"], "30")
    h.click(edit, I["IDC_USE_DAYLIGHT"])
    h.wait_for(lambda: {k["id"]: k for k in h.children(edit)}[I["IDC_DAYLIGHT_NAME"]]["enabled"], what="daylight fields enabled")
    h.settext(edit, I["IDC_DAYLIGHT_NAME"], "Test Daylight")
    h.settext(edit, I["IDC_DAYLIGHT_HOURS"], "1")
    h.select(edit, I["IDC_START_WEEK"], index=0)
    h.select(edit, I["IDC_START_MONTH"], index=3)
    h.screenshot("torvane-edit-zone")
    h.click(edit, IDOK)
    h.wait_gone(edit)

    h.wait_for(lambda: h.text(dlg, I["IDC_ZONE_COUNT"]) == "Total Timezones:3", what="three zones")
    expect(h.items(dlg, I["IDC_ZONE_LIST"])["items"] == ["Aaa Test Zone", "Berlin", "Delhi"], "sorted list %r" % h.items(dlg, I["IDC_ZONE_LIST"]))
    expect(h.text(dlg, I["IDC_DAYLIGHT_RULE"]) == "First Sunday of April at 02:00:00 AM", "new zone's start %r" % h.text(dlg, I["IDC_DAYLIGHT_RULE"]))
    expect(h.text(dlg, I["IDC_STANDARD_RULE"]) == "Last Sunday of October at 01:00:00 AM", "new zone's end %r" % h.text(dlg, I["IDC_STANDARD_RULE"]))

    expected = archive([BERLIN, DELHI, ADDED])
    h.click(dlg, I["IDC_SAVE_ZONES"])
    wait_file(data, expected, "the saved file")

    # After the save nothing has changed: Cancel and Close closes without a question.
    h.click(dlg, IDCANCEL)
    prog.wait_exit(timeout=20)
    expect(data.read_bytes() == expected, "file after closing")
    expect(sorted(p.name for p in folder.iterdir()) == ["Torvane.exe", "VelmoraTZ"], "no stray files")


def damaged_file_keeps_its_good_zones(h):
    """A record damaged in the middle: the zones before it are listed, the reports name the file and
    say how many zones were read, and the file is only replaced when the user saves."""
    folder = program_folder(h, "damaged")
    data = folder / "VelmoraTZ"
    damaged = archive([BERLIN, DELHI])[:-40]
    data.write_bytes(damaged)
    prog = h.start(folder / "Torvane.exe", cwd=str(folder))
    # The read error, then the note that the file is kept; each box is answered with OK.
    report = answer_box(h, "past its end.")
    expect("VelmoraTZ" in report and "unnamed" not in report, "the report names the file: %r" % report)
    answer_box(h, "could not be read whole; only its first timezone could be read. It is left as it is unless you save.")
    dlg = h.find(title=TITLE, timeout=30, visible=True)
    expect(h.items(dlg, I["IDC_ZONE_LIST"])["items"] == ["Berlin"], "the zone before the damage is listed")
    expect(h.text(dlg, I["IDC_ZONE_COUNT"]) == "Total Timezones:1", "one zone")
    h.screenshot("torvane-damaged-file")
    h.click(dlg, IDCANCEL)
    prog.wait_exit(timeout=20)
    expect(data.read_bytes() == damaged, "the damaged file is left as it was")

    # Saving is the user's choice, and then the zones that were read are what the file holds.
    prog = h.start(folder / "Torvane.exe", cwd=str(folder))
    for _ in range(2):
        answer_box(h, "")
    dlg = h.find(title=TITLE, timeout=30, visible=True)
    h.click(dlg, I["IDC_SAVE_ZONES"])
    wait_file(data, archive([BERLIN]), "the saved zones that could be read")
    h.click(dlg, IDCANCEL)
    prog.wait_exit(timeout=20)
    expect(data.read_bytes() == archive([BERLIN]), "the file after closing")


def closing_asks_before_losing_work(h):
    """A mistaken Delete can be undone by closing without saving; the close box and Escape ask as
    Cancel does, and Yes saves before closing."""
    folder = program_folder(h, "close")
    data = folder / "VelmoraTZ"
    original = archive([BERLIN, DELHI])
    data.write_bytes(original)
    prog = h.start(folder / "Torvane.exe", cwd=str(folder))
    dlg = h.find(title=TITLE, timeout=60, visible=True)
    h.select(dlg, I["IDC_ZONE_LIST"], text="Berlin")
    h.click_in(dlg, I["IDC_DELETE_ZONE"])
    h.wait_for(lambda: h.items(dlg, I["IDC_ZONE_LIST"])["items"] == ["Delhi"], what="Berlin deleted")

    # Alt+F4 (the display has no window manager to draw a close box; both send the same
    # command): the question, answered with Cancel, leaves the window open.
    h.key("alt+F4")
    box = h.find(title="Torvane", timeout=30, visible=True)
    expect("Save the changes" in box_texts(h, box), "the question %r" % box_texts(h, box))
    h.screenshot("torvane-save-changes")
    h.click_in(box, IDCANCEL)
    h.wait_gone(box)
    expect(prog.running() and h.exists(title=TITLE), "Cancel keeps the window open")
    expect(data.read_bytes() == original, "nothing written yet")

    # "Cancel && Close" with the answer No: the file keeps the deleted zone.
    h.click_in(dlg, IDCANCEL)
    box = h.find(title="Torvane", timeout=30, visible=True)
    h.click_in(box, IDNO)
    prog.wait_exit(timeout=20)
    expect(data.read_bytes() == original, "No leaves the file as it was")

    # Escape asks too; Yes saves the list as it stands and closes.
    prog = h.start(folder / "Torvane.exe", cwd=str(folder))
    dlg = h.find(title=TITLE, timeout=60, visible=True)
    h.select(dlg, I["IDC_ZONE_LIST"], text="Delhi")
    h.click_in(dlg, I["IDC_DELETE_ZONE"])
    h.wait_for(lambda: h.items(dlg, I["IDC_ZONE_LIST"])["items"] == ["Berlin"], what="Delhi deleted")
    h.key("Escape")
    box = h.find(title="Torvane", timeout=30, visible=True)
    h.click_in(box, IDYES)
    prog.wait_exit(timeout=20)
    expect(data.read_bytes() == archive([BERLIN]), "Yes saved the list")

    # An unchanged list closes at once by the close box's command, and the file is not touched.
    before = data.stat().st_mtime_ns
    prog = h.start(folder / "Torvane.exe", cwd=str(folder))
    dlg = h.find(title=TITLE, timeout=60, visible=True)
    h.post(dlg, WM_SYSCOMMAND, SC_CLOSE, 0)
    prog.wait_exit(timeout=20)
    expect(data.read_bytes() == archive([BERLIN]) and data.stat().st_mtime_ns == before, "the file is untouched")


def random_bytes_are_reported(h):
    """Random bytes named VelmoraTZ, whatever their first word: reported, never written over by
    closing, and Cancel and Close closes after the reports."""
    rng = random.Random(32)
    for count in (-123456789, 0, 7):
        folder = program_folder(h, "random")
        data = folder / "VelmoraTZ"
        junk = struct.pack("<i", count) + bytes(rng.randrange(256) for _ in range(300))
        data.write_bytes(junk)
        prog = h.start(folder / "Torvane.exe", cwd=str(folder))
        # The read error, then the note that the file is kept.
        texts = []
        while not any("It is left as it is unless you save." in t for t in texts):
            texts.append(answer_box(h, ""))
        dlg = h.find(title=TITLE, timeout=30, visible=True)
        expect(h.items(dlg, I["IDC_ZONE_LIST"])["items"] == ["(Local Time)"], "the computer's zone stands in")
        if count < 0:
            h.screenshot("torvane-random-bytes")
        # The button sits where it sat for the last file: the pointer leaves it first, since a
        # synchronous move to where the pointer already is never ends.
        h.xdotool("mousemove", 0, 0)
        h.click_in(dlg, IDCANCEL)
        prog.wait_exit(timeout=20)
        expect(data.read_bytes() == junk, "random bytes with count %d are left as they were" % count)

    # A "file" that cannot be opened at all: its report, and Cancel and Close still closes.
    folder = program_folder(h, "unopenable")
    (folder / "VelmoraTZ").mkdir()
    prog = h.start(folder / "Torvane.exe", cwd=str(folder))
    texts = []
    while not any("It is left as it is unless you save." in t for t in texts):
        texts.append(answer_box(h, ""))
    dlg = h.find(title=TITLE, timeout=30, visible=True)
    h.xdotool("mousemove", 0, 0)
    h.click_in(dlg, IDCANCEL)
    prog.wait_exit(timeout=20)
    expect((folder / "VelmoraTZ").is_dir(), "the folder is left alone")


def negative_hours_typed(h):
    """A person types "-5" into the hours: the minus stays, and the zone is five hours west."""
    folder = program_folder(h, "negative")
    data = folder / "VelmoraTZ"
    data.write_bytes(archive([BERLIN]))
    prog = h.start(folder / "Torvane.exe", cwd=str(folder))
    dlg = h.find(title=TITLE, timeout=60, visible=True)
    h.click_in(dlg, I["IDC_NEW_TIMEZONE"])
    edit = h.find(title=EDIT_TITLE, timeout=20, visible=True)
    h.settext(edit, I["IDC_DISPLAY_NAME"], "West")
    for field, typed in ((I["IDC_OFFSET_HOURS"], "-5"), (I["IDC_OFFSET_MINUTES"], "-30")):
        h.click_in(edit, field)
        h.key("End", "shift+Home", "BackSpace")
        h.key("minus", *typed[1:])
        h.wait_for(lambda: h.text(edit, field) == typed, what="%r typed" % typed)
    h.screenshot("torvane-negative-hours")
    h.click_in(edit, IDOK)
    h.wait_gone(edit)
    h.click_in(dlg, IDOK)
    prog.wait_exit(timeout=20)
    saved = data.read_bytes()
    west = saved.index(b"\x04West") + 5
    expect(struct.unpack_from("<i", saved, west)[0] == 330, "stored as 330 minutes west: %r" % saved[west:west + 4])


def box_texts(h, box):
    return " ".join(k["text"] for k in h.children(box))


def answer_box(h, expected_text):
    """Waits for a message box, checks its text, answers it with OK and returns the text."""
    box = h.find(title="Torvane", timeout=60, visible=True)
    texts = box_texts(h, box)
    expect(expected_text in texts, "message %r in %r" % (expected_text, texts))
    h.click(box, IDOK)
    h.wait_gone(box)
    return texts


def missing_file_and_refusals(h):
    folder = program_folder(h, "missing")
    data = folder / "VelmoraTZ"
    prog = h.start(folder / "Torvane.exe", cwd=str(folder))
    answer_box(h, "Velmora Timezone file not found")
    dlg = h.find(title=TITLE, timeout=30, visible=True)
    expect(h.items(dlg, I["IDC_ZONE_LIST"])["items"] == ["(Local Time)"], "the computer's own zone stands in")
    expect(not data.exists(), "nothing is written before a save or a close")

    # The About box from the system menu.
    h.post(dlg, WM_SYSCOMMAND, I["IDM_ABOUTBOX"], 0)
    about = h.find(title="About Torvane", timeout=20, visible=True)
    expect("Torvane Version 1.53" in box_texts(h, about), "About text %r" % box_texts(h, about))
    h.click(about, IDOK)
    h.wait_gone(about)

    h.select(dlg, I["IDC_ZONE_LIST"], index=0)
    h.click(dlg, I["IDC_EDIT_ZONE"])
    edit = h.find(title=EDIT_TITLE, timeout=20, visible=True)
    # Daylight saving on with a rule left unchosen: refused with a message, the dialog stays.
    h.click(edit, I["IDC_USE_DAYLIGHT"])
    h.wait_for(lambda: h.check_state(edit, I["IDC_USE_DAYLIGHT"]) == 1, what="daylight saving checked")
    h.select(edit, I["IDC_END_WEEK"], index=-1)
    h.click(edit, IDOK)
    answer_box(h, "daylight saving")
    expect(h.exists(title=EDIT_TITLE), "the editing dialog stays open")
    h.select(edit, I["IDC_END_WEEK"], index=4)
    # Offset hours beyond 13 are refused by the validation.
    h.settext(edit, I["IDC_OFFSET_HOURS"], "14")
    h.click(edit, IDOK)
    box = h.find(title="Torvane", timeout=30, visible=True)
    h.click(box, IDOK)
    h.wait_gone(box)
    expect(h.exists(title=EDIT_TITLE), "the editing dialog stays open after a refused offset")
    # A standard name longer than its field allows is refused too.
    h.settext(edit, I["IDC_OFFSET_HOURS"], "1")
    h.settext(edit, I["IDC_STANDARD_NAME"], "N" * 40)
    h.click(edit, IDOK)
    box = h.find(title="Torvane", timeout=30, visible=True)
    h.click(box, IDOK)
    h.wait_gone(box)
    h.click(edit, IDCANCEL)
    h.wait_gone(edit)
    expect(h.items(dlg, I["IDC_ZONE_LIST"])["items"] == ["(Local Time)"], "a cancelled edit changes nothing")

    # A display name that is empty or only blanks is refused with a message; the dialog stays open.
    h.click(dlg, I["IDC_NEW_TIMEZONE"])
    edit = h.find(title=EDIT_TITLE, timeout=20, visible=True)
    for blank in ("   ", ""):
        h.settext(edit, I["IDC_DISPLAY_NAME"], blank)
        h.click(edit, IDOK)
        answer_box(h, "Please enter the Timezone Display Name")
        expect(h.exists(title=EDIT_TITLE), "the editing dialog stays open after the blank name %r" % blank)
    h.click(edit, IDCANCEL)
    h.wait_gone(edit)
    expect(h.items(dlg, I["IDC_ZONE_LIST"])["items"] == ["(Local Time)"], "no blank row was added")
    expect(h.text(dlg, I["IDC_ZONE_COUNT"]) == "Total Timezones:1", "still one zone")

    h.click(dlg, IDCANCEL)
    prog.wait_exit(timeout=20)
    expect(not data.exists(), "closing writes nothing")


def ink_box(h, shot, left, top, right, bottom):
    """The box (width, height, x, y) of what is drawn inside a screen rectangle of a screenshot,
    against the colour of its corner; None when nothing is drawn there."""
    geometry = "%dx%d+%d+%d" % (right - left, bottom - top, left, top)
    out = subprocess.run(["convert", str(shot), "-crop", geometry, "+repage", "-fuzz", "25%", "-trim",
                          "-format", "%w %h %X %Y", "info:"], stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                         timeout=60, check=True).stdout.decode().split()
    w, hgt, x, y = int(out[0]), int(out[1]), int(out[2]), int(out[3])
    if w <= 1 and hgt <= 1:
        return None
    return w, hgt, x, y


# No blanks, so that the text is drawn right up to wherever the list cuts it.
LONG_NAME = "AAA-Zone-with-a-display-name-near-the-limit-of-its-field-MMMM"


def many_zones_and_a_long_name(h):
    """Four digits of zones fit the count's line, and the list scrolls sideways to the end of a long name."""
    folder = program_folder(h, "many")
    zones = [(LONG_NAME, BERLIN[1])] + [("Zone %04d" % i, DELHI[1]) for i in range(1000)]
    assert len(LONG_NAME) <= 62
    (folder / "VelmoraTZ").write_bytes(archive(zones))
    prog = h.start(folder / "Torvane.exe", cwd=str(folder))
    dlg = h.find(title=TITLE, timeout=60, visible=True)
    h.wait_for(lambda: h.text(dlg, I["IDC_ZONE_COUNT"]) == "Total Timezones:1001", what="the count of 1001")
    # Row 1 selected, so that the long name in row 0 is drawn plainly.
    h.select(dlg, I["IDC_ZONE_LIST"], index=1)
    h.idle(dlg)
    shot = h.screenshot("torvane-many-zones")

    count = h.rect(dlg, I["IDC_ZONE_COUNT"])
    ink = ink_box(h, shot, count["left"], count["top"], count["right"], count["bottom"])
    expect(ink is not None, "the count text is drawn")
    # The control has room for two lines: text that wrapped would reach into the second.
    expect(ink[1] < (count["bottom"] - count["top"]) / 2, "the count stays on one line: ink %r in %r" % (ink, count))

    kids = {k["id"]: k for k in h.children(dlg)}
    lst = kids[I["IDC_ZONE_LIST"]]["hwnd"]
    outer = h.rect(dlg, I["IDC_ZONE_LIST"])
    inner = h.rect(dlg, I["IDC_ZONE_LIST"], client=True)
    extent = h.send(lst, LB_GETHORIZONTALEXTENT)
    expect(extent > inner["right"] - inner["left"], "extent %d beyond the list's width %r" % (extent, inner))
    expect((outer["bottom"] - outer["top"]) - (inner["bottom"] - inner["top"]) > 12, "a horizontal scroll bar shows")

    # Row 0 holds the long name: cut at the list's edge at first, and once scrolled to the right it
    # ends a few pixels inside the edge, its last letter whole.
    row = (inner["left"] + 1, inner["top"] + 1, inner["right"], inner["top"] + 12)
    width = row[2] - row[0]
    before = ink_box(h, shot, *row)
    expect(before is not None and before[2] + before[0] >= width - 2, "the long name is cut at first: %r" % (before,))
    h.send(lst, WM_HSCROLL, SB_RIGHT, 0)
    h.idle(dlg)
    shot = h.screenshot("torvane-long-name-scrolled")
    after = ink_box(h, shot, *row)
    expect(after is not None and after[2] + after[0] <= width - 3,
           "the long name ends inside the list: %r of %d" % (after, width))
    h.click(dlg, IDCANCEL)
    prog.wait_exit(timeout=30)


def main():
    global I
    with Harness() as h:
        I = h.ids("torvane")
        list_add_save(h)
        damaged_file_keeps_its_good_zones(h)
        missing_file_and_refusals(h)
        closing_asks_before_losing_work(h)
        random_bytes_are_reported(h)
        negative_hours_typed(h)
        many_zones_and_a_long_name(h)
    print("torvane e2e: ok")


if __name__ == "__main__":
    main()
