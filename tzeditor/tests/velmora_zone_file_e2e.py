"""The time-zone file that the build makes from the system's database, as a new user meets it: the
desktop clock's zone page offers its zones, a clock set to one there draws that zone's time (worked
out here by Python's own reading of the same database), and Torvane lists the file without a word."""

import datetime
import os
import re
import shutil
import sys
import zoneinfo

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "clock", "app", "tests"))
import e2e_options as opt  # noqa: E402
import velmora_e2e as v  # noqa: E402
import velmora_files as files  # noqa: E402

expect = opt.expect
# Sydney keeps daylight saving across the turn of the year, so the test meets it in December as
# in June; Kathmandu has neither daylight saving nor a whole-hour offset.
CHOSEN = [("(GMT+10:00) Sydney", "Australia/Sydney"), ("(GMT+05:45) Kathmandu", "Asia/Kathmandu")]


def drawn_lines(log):
    """Every string the program drew, from the trace of DrawTextExW."""
    text = log.read_text(errors="replace") if log.exists() else ""
    return re.findall(r'DrawTextExW[^\n]*?L"((?:[^"\\]|\\.)*)"', text)


def shows_zone_time(log, name, zone_id):
    tz = zoneinfo.ZoneInfo(zone_id)
    now = datetime.datetime.now(datetime.timezone.utc)
    times = {(now + datetime.timedelta(minutes=d)).astimezone(tz).strftime("%H:%M") for d in (-1, 0)}
    for line in drawn_lines(log):
        parts = line.split("\\n")
        if len(parts) >= 2 and parts[0] in times and parts[1] == name:
            return parts
    return None


def clock_offers_the_zones(h, shipped):
    folder = v.program_folder(h, "shipped-zones")
    shutil.copy2(str(shipped), str(folder / "VelmoraTZ"))
    # One clock showing its time and its zone's name, so the zone it is set to can be read back.
    (folder / "Velmora2Dat").write_bytes(files.data_file([files.clock_record(opt.LONDON, template="HH:mm|zz",
                                                                             format_type=1)]))
    log = h.build / "e2e" / "shipped-zones-draw.log"
    if log.exists():
        log.unlink()
    prog = h.start(folder / "Velmora.exe", cwd=folder, env={"WINEDEBUG": "trace+text"}, log=log)
    wnd = h.wait_for(lambda: v.clock_windows(h, prog), timeout=60, what="the clock window")[0]["hwnd"]
    v.stable_rect(h, wnd)
    expect(not v.message_boxes(h, prog), "no message about the zone file")

    for name, zone_id in CHOSEN:
        dlg = opt.open_configuration(h, prog, wnd)
        tab = [c for c in h.children(dlg) if c["class"] == "SysTabControl32"][0]
        r = tab["rect"]
        # The zone page's tab is the second one, right of the format page's.
        h.mouse_click(r["left"] + 150, r["top"] + 10)
        h.wait_for(lambda: h.info(dlg, opt.ids["IDC_TZ_LIST"])["visible"], what="the zone page")
        offered = h.items(dlg, opt.ids["IDC_TZ_LIST"])["items"]
        expect(len(offered) == len(files.read_tz_file(shipped.read_bytes())) and len(offered) > 300,
               "every zone of the file is offered: %d" % len(offered))
        for wanted in ("(GMT+01:00) Berlin", "(GMT-05:00) New York", "(GMT+00:00) UTC", name):
            expect(wanted in offered, "%s is offered" % wanted)
        h.select(dlg, opt.ids["IDC_TZ_LIST"], text=name)
        h.wait_for(lambda: h.text(dlg, opt.ids["IDC_TZ_NAME"]) != "", what="the zone page to take %s" % name)
        h.screenshot("velmora-shipped-zones")
        h.click_in(dlg, 1)
        h.wait_gone(dlg, timeout=15)
        parts = h.wait_for(lambda: shows_zone_time(log, name, zone_id), timeout=30,
                           what="the time of %s drawn" % name)
        print("drawn", parts)
    h.screenshot("velmora-shipped-zone-clock")
    opt.exit_program(h, prog, wnd)
    saved = files.read_data_file((folder / "Velmora2Dat").read_bytes())
    expect(saved[0]["name"] == CHOSEN[-1][0], "the clock keeps the chosen zone: %r" % saved[0]["name"])


def torvane_lists_them(h, shipped):
    folder = v.program_folder(h, "shipped-zones-torvane")
    shutil.copy2(str(h.build / "tzeditor" / "Torvane.exe"), str(folder / "Torvane.exe"))
    shutil.copy2(str(shipped), str(folder / "VelmoraTZ"))
    count = len(files.read_tz_file(shipped.read_bytes()))
    prog = h.start(folder / "Torvane.exe", cwd=str(folder))
    dlg = h.find(title="Velmora Torvane", timeout=60, visible=True)
    ids = h.ids("torvane")
    h.wait_for(lambda: h.text(dlg, ids["IDC_ZONE_COUNT"]) == "Total Timezones:%d" % count, what="every zone listed")
    h.select(dlg, ids["IDC_ZONE_LIST"], text="(GMT+01:00) Berlin")
    h.wait_for(lambda: h.text(dlg, ids["IDC_DAYLIGHT_RULE"]) == "Last Sunday of March at 02:00:00 AM",
               what="Berlin's rule")
    expect(h.text(dlg, ids["IDC_STANDARD_RULE"]) == "Last Sunday of October at 02:00:00 AM", "Berlin's end, in standard time")
    h.click(dlg, 2)
    prog.wait_exit(timeout=20)
    expect((folder / "VelmoraTZ").read_bytes() == shipped.read_bytes(), "closing leaves the file as shipped")


def main():
    with opt.Harness() as h:
        opt.ids = h.ids("velmora")
        v.clear_registry(h)
        # The same file beside both programs.
        shipped = h.build / "clock" / "VelmoraTZ"
        expect(shipped.read_bytes() == (h.build / "tzeditor" / "VelmoraTZ").read_bytes(), "one file for both")
        clock_offers_the_zones(h, shipped)
        torvane_lists_them(h, shipped)
    print("ok")


if __name__ == "__main__":
    main()
