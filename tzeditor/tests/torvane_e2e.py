"""Torvane end to end: a data file written here byte by byte is listed by the real program, a zone is
added through the editing dialog and saved, and the file is compared with the bytes it must hold.
A damaged file is reported and survives a close untouched, a missing one is made on closing, and the
editing dialog refuses what it cannot store."""

import os
import pathlib
import re
import shutil
import struct
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "e2e"))
from harness import Harness, expect  # noqa: E402

TITLE = "Velmora Torvane"
EDIT_TITLE = "Edit Timezone"


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

    items = h.items(dlg, 1000)
    expect(items["items"] == ["Berlin", "Delhi"], "zone list %r" % items)
    expect(h.text(dlg, 1043) == "Total Timezones:2", "count text %r" % h.text(dlg, 1043))

    h.select(dlg, 1000, text="Berlin")
    h.wait_for(lambda: h.text(dlg, 1004) == "Last Sunday of March at 02:00:00 AM", what="Berlin's daylight rule")
    expect(h.text(dlg, 1006) == "Last Sunday of October at 03:00:00 AM", "Berlin's standard rule %r" % h.text(dlg, 1006))
    clock = h.wait_for(lambda: re.fullmatch(r"\d\d:\d\d:\d\d (AM|PM)", h.text(dlg, 1007)), what="zone clock")
    expect(re.fullmatch(r"[A-Z][a-z]+day \d\d [A-Z][a-z]+ \d{4}", h.text(dlg, 1008)), "zone date %r" % h.text(dlg, 1008))
    # Berlin is UTC+1 or +2: the zone clock's hour is one or two ahead of UTC.
    utc_hour = time.gmtime().tm_hour
    hour = int(clock.group(0)[:2])
    expect((hour - utc_hour) % 24 in (1, 2) or time.gmtime().tm_min == 59, "Berlin's hour %d at %d UTC" % (hour, utc_hour))
    h.select(dlg, 1000, text="Delhi")
    h.wait_for(lambda: h.text(dlg, 1004) == "Not specified for this Timezone", what="Delhi without daylight saving")
    # Delhi's clock is UTC + 5:30 all year; the clock follows at its next tick.
    h.wait_for(lambda: h.text(dlg, 1007)[:5] == time.strftime("%H:%M", time.gmtime(time.time() + 330 * 60)),
               what="Delhi's clock")
    h.screenshot("torvane-zone-list")

    h.click(dlg, 1001)
    edit = h.find(title=EDIT_TITLE, timeout=20, visible=True)
    kids = {k["id"]: k for k in h.children(edit)}
    expect(not kids[1011]["enabled"] and not kids[1024]["enabled"], "daylight fields start disabled")
    expect(h.items(edit, 1024)["items"] == ["First", "Second", "Third", "Fourth", "Last"], "week list")
    expect(h.items(edit, 1027)["text"] == "March" and h.items(edit, 1034)["text"] == "October", "default months")
    h.settext(edit, 1009, "Aaa Test Zone")
    h.settext(edit, 1010, "Test Standard")
    h.settext(edit, 1014, "5")
    h.settext(edit, 1017, "30")
    h.click(edit, 1021)
    h.wait_for(lambda: {k["id"]: k for k in h.children(edit)}[1011]["enabled"], what="daylight fields enabled")
    h.settext(edit, 1011, "Test Daylight")
    h.settext(edit, 1016, "1")
    h.select(edit, 1024, index=0)
    h.select(edit, 1027, index=3)
    h.screenshot("torvane-edit-zone")
    h.click(edit, 1)
    h.wait_gone(edit)

    h.wait_for(lambda: h.text(dlg, 1043) == "Total Timezones:3", what="three zones")
    expect(h.items(dlg, 1000)["items"] == ["Aaa Test Zone", "Berlin", "Delhi"], "sorted list %r" % h.items(dlg, 1000))
    expect(h.text(dlg, 1004) == "First Sunday of April at 02:00:00 AM", "new zone's start %r" % h.text(dlg, 1004))
    expect(h.text(dlg, 1006) == "Last Sunday of October at 01:00:00 AM", "new zone's end %r" % h.text(dlg, 1006))

    expected = archive([BERLIN, DELHI, ADDED])
    h.click(dlg, 1042)
    wait_file(data, expected, "the saved file")

    # Cancel and Close saves as well; the file stays the same and nothing else is left behind.
    h.click(dlg, 2)
    prog.wait_exit(timeout=20)
    expect(data.read_bytes() == expected, "file after closing")
    expect(sorted(p.name for p in folder.iterdir()) == ["Torvane.exe", "VelmoraTZ"], "no stray files")


def damaged_file_survives(h):
    folder = program_folder(h, "damaged")
    data = folder / "VelmoraTZ"
    damaged = archive([BERLIN, DELHI])[:-40]
    data.write_bytes(damaged)
    prog = h.start(folder / "Torvane.exe", cwd=str(folder))
    # The read error, then the note that the file is kept; each box is answered with OK.
    for _ in range(2):
        box = h.find(title="Torvane", timeout=60, visible=True)
        h.click(box, 1)
        h.wait_gone(box)
    dlg = h.find(title=TITLE, timeout=30, visible=True)
    expect(h.items(dlg, 1000)["items"] == ["(Local Time)"], "the default zone stands in")
    expect(h.text(dlg, 1043) == "Total Timezones:1", "one zone")
    h.click(dlg, 2)
    prog.wait_exit(timeout=20)
    expect(data.read_bytes() == damaged, "the damaged file is left as it was")


def box_texts(h, box):
    return " ".join(k["text"] for k in h.children(box))


def answer_box(h, expected_text):
    box = h.find(title="Torvane", timeout=30, visible=True)
    texts = box_texts(h, box)
    expect(expected_text in texts, "message %r in %r" % (expected_text, texts))
    h.click(box, 1)
    h.wait_gone(box)


def missing_file_and_refusals(h):
    folder = program_folder(h, "missing")
    data = folder / "VelmoraTZ"
    prog = h.start(folder / "Torvane.exe", cwd=str(folder))
    answer_box(h, "Velmora Timezone file not found")
    dlg = h.find(title=TITLE, timeout=30, visible=True)
    expect(h.items(dlg, 1000)["items"] == ["(Local Time)"], "the computer's own zone stands in")
    expect(not data.exists(), "nothing is written before a save or a close")

    # The About box from the system menu.
    h.post(dlg, 0x0112, 0x10, 0)  # WM_SYSCOMMAND
    about = h.find(title="About Torvane", timeout=20, visible=True)
    expect("Torvane Version 1.53" in box_texts(h, about), "About text %r" % box_texts(h, about))
    h.click(about, 1)
    h.wait_gone(about)

    h.select(dlg, 1000, index=0)
    h.click(dlg, 1002)
    edit = h.find(title=EDIT_TITLE, timeout=20, visible=True)
    # Daylight saving on with a rule left unchosen: refused with a message, the dialog stays.
    h.click(edit, 1021)
    h.wait_for(lambda: h.check_state(edit, 1021) == 1, what="daylight saving checked")
    h.select(edit, 1031, index=-1)
    h.click(edit, 1)
    answer_box(h, "daylight saving")
    expect(h.exists(title=EDIT_TITLE), "the editing dialog stays open")
    h.select(edit, 1031, index=4)
    # Offset hours beyond 13 are refused by the validation.
    h.settext(edit, 1014, "14")
    h.click(edit, 1)
    box = h.find(title="Torvane", timeout=30, visible=True)
    h.click(box, 1)
    h.wait_gone(box)
    expect(h.exists(title=EDIT_TITLE), "the editing dialog stays open after a refused offset")
    # A standard name longer than its field allows is refused too.
    h.settext(edit, 1014, "1")
    h.settext(edit, 1010, "N" * 40)
    h.click(edit, 1)
    box = h.find(title="Torvane", timeout=30, visible=True)
    h.click(box, 1)
    h.wait_gone(box)
    h.click(edit, 2)
    h.wait_gone(edit)
    expect(h.items(dlg, 1000)["items"] == ["(Local Time)"], "a cancelled edit changes nothing")

    h.click(dlg, 2)
    prog.wait_exit(timeout=20)
    saved = data.read_bytes()
    expect(saved[:4] == struct.pack("<i", 1) and b"CTimeZoneInfo" in saved, "one zone written on closing")
    expect(saved[23:36] == bytes([12]) + b"(Local Time)", "the default zone's name %r" % saved[23:36])


def main():
    with Harness() as h:
        list_add_save(h)
        damaged_file_survives(h)
        missing_file_and_refusals(h)
    print("torvane e2e: ok")


if __name__ == "__main__":
    main()
