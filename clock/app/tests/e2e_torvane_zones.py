"""Zones edited by Torvane reach the desktop clock: Torvane adds a zone with a daylight-saving rule
and saves the time-zone file in a program folder, a clock on that zone is written into the data file
beside it, and the desktop clock started there draws the zone's time and names.

What the clock draws is read from Wine's trace of the text-drawing calls, and the expected time is
worked out here from the zone's offset and rule with Python's own calendar."""

import calendar
import datetime
import os
import re
import shutil
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import velmora_e2e as v  # noqa: E402
import velmora_files as files  # noqa: E402

harness = v.harness_module(sys.argv[sys.argv.index("--source") + 1])
Harness, expect = harness.Harness, harness.expect

TORVANE_TITLE = "Velmora Torvane"
EDIT_TITLE = "Edit Timezone"
ZONE_NAME = "(GMT+09:30) Aaa Test"
KEPT = files.Zone("(GMT+01:00) Kept", 60, "Kept Standard")


# Control and command ids of both programs, from their resource.h (filled in main).
tids = vids = None


def rule_moment(year, rule):
    """The moment of a day-in-month rule in a year: week 5 is the month's last such weekday."""
    weeks = [w for w in calendar.Calendar(firstweekday=0).monthdatescalendar(year, rule["wMonth"])]
    days = [d for w in weeks for d in w if d.month == rule["wMonth"] and (d.weekday() + 1) % 7 == rule["wDayOfWeek"]]
    day = days[-1] if rule["wDay"] >= len(days) else days[rule["wDay"] - 1]
    return datetime.datetime(year, day.month, day.day, rule["wHour"], rule["wMinute"])


def zone_now(zone, utc):
    """The zone's local time: standard local time, moved by the daylight bias between the rule's
    moments, both compared with standard local time."""
    local = utc + datetime.timedelta(minutes=zone.bias)
    if zone.dst_date["wMonth"] == 0:
        return local
    start = rule_moment(local.year, zone.dst_date)
    end = rule_moment(local.year, zone.std_date)
    if start < end:
        daylight = start <= local < end
    else:
        daylight = not (end <= local < start)
    return local + datetime.timedelta(minutes=zone.dst_bias if daylight else zone.std_bias)


def torvane_adds_zone(h, folder):
    """Torvane lists the file's zone, adds one through its editing dialog and saves."""
    prog = h.start(folder / "Torvane.exe", cwd=str(folder))
    dlg = h.find(title=TORVANE_TITLE, timeout=60, visible=True)
    expect(h.items(dlg, tids["IDC_ZONE_LIST"])["items"] == [KEPT.name], "Torvane lists the file's zone")

    h.click(dlg, tids["IDC_NEW_TIMEZONE"])
    edit = h.find(title=EDIT_TITLE, timeout=20, visible=True)
    h.settext(edit, tids["IDC_DISPLAY_NAME"], ZONE_NAME)
    h.settext(edit, tids["IDC_STANDARD_NAME"], "Aaa Standard")
    h.settext(edit, tids["IDC_OFFSET_HOURS"], "9")
    h.settext(edit, tids["IDC_OFFSET_MINUTES"], "30")
    h.click(edit, tids["IDC_USE_DAYLIGHT"])
    h.wait_for(lambda: h.check_state(edit, tids["IDC_USE_DAYLIGHT"]) == 1, what="daylight saving checked")
    h.settext(edit, tids["IDC_DAYLIGHT_NAME"], "Aaa Daylight")
    h.settext(edit, tids["IDC_DAYLIGHT_HOURS"], "1")
    h.select(edit, tids["IDC_START_WEEK"], index=0)      # first
    h.select(edit, tids["IDC_START_MONTH"], index=3)      # April; the end stays the last Sunday of October
    h.click(edit, 1)
    h.wait_gone(edit)
    h.wait_for(lambda: h.text(dlg, tids["IDC_ZONE_COUNT"]) == "Total Timezones:2", what="two zones in Torvane")
    h.click(dlg, tids["IDC_SAVE_ZONES"])
    h.wait_for(lambda: len(files.read_tz_file((folder / "VelmoraTZ").read_bytes())) == 2, timeout=15,
               what="the saved time-zone file")
    h.click(dlg, 2)
    prog.wait_exit(timeout=20)


def drawn_lines(log):
    """Every string the program drew, from the trace of DrawTextExW."""
    text = log.read_text(errors="replace") if log.exists() else ""
    return re.findall(r'DrawTextExW[^\n]*?L"((?:[^"\\]|\\.)*)"', text)


def main():
    global tids, vids
    with Harness() as h:
        tids, vids = h.ids("torvane"), h.ids("velmora")
        folder = v.program_folder(h, "torvane-zones")
        shutil.copy2(str(h.build / "tzeditor" / "Torvane.exe"), str(folder / "Torvane.exe"))
        (folder / "VelmoraTZ").write_bytes(files.tz_file([KEPT]))

        torvane_adds_zone(h, folder)
        zones = {z.name: z for z in files.read_tz_file((folder / "VelmoraTZ").read_bytes())}
        expect(sorted(zones) == sorted([KEPT.name, ZONE_NAME]), "zones saved by Torvane: %r" % sorted(zones))
        zone = zones[ZONE_NAME]
        expect((zone.bias, zone.dst_bias, zone.std_name, zone.dst_name) == (570, 60, "Aaa Standard", "Aaa Daylight"),
               "the added zone's offsets and names")
        expect((zone.dst_date["wMonth"], zone.dst_date["wDay"], zone.std_date["wMonth"], zone.std_date["wDay"]) ==
               (4, 1, 10, 5), "the added zone's rule")

        # One clock on the zone Torvane wrote: its time, its full name and its standard name.
        record = files.clock_record(zone, template="HH:mm|zz|ZZ", format_type=1)
        (folder / "Velmora2Dat").write_bytes(files.data_file([record]))
        log = h.build / "e2e" / "torvane-zones-draw.log"
        if log.exists():
            log.unlink()
        prog = h.start(folder / "Velmora.exe", cwd=folder, env={"WINEDEBUG": "trace+text"}, log=log)
        wnd = h.wait_for(lambda: v.clock_windows(h, prog), timeout=60, what="the clock window")[0]["hwnd"]
        v.stable_rect(h, wnd)
        h.screenshot("velmora-torvane-zone")

        def shown():
            now = datetime.datetime.utcnow().replace(second=0, microsecond=0)
            times = {zone_now(zone, now + datetime.timedelta(minutes=d)).strftime("%H:%M") for d in (-1, 0)}
            for line in drawn_lines(log):
                parts = line.split("\\n")
                if len(parts) >= 3 and parts[0] in times:
                    return parts
            return None
        parts = h.wait_for(shown, timeout=20, what="the zone's time drawn")
        expect(parts[1] == ZONE_NAME and parts[2] == "Aaa Standard", "the zone's names drawn: %r" % parts)
        h.command(wnd, vids["ID_EXIT"])
        prog.wait_exit(timeout=60)

        saved = files.read_data_file_zones((folder / "Velmora2Dat").read_bytes())
        expect(saved == [(ZONE_NAME, zone.tzi())], "the clock keeps Torvane's zone")
    print("ok")


if __name__ == "__main__":
    main()
