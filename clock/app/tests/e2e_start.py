"""The desktop clock starts: defaults on an empty registry, a single running copy, clocks whose zones
come from a time-zone file, and the window sized to its clocks in both layouts."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import velmora_e2e as v  # noqa: E402
import velmora_files as files  # noqa: E402

harness = v.harness_module(sys.argv[sys.argv.index("--source") + 1])
Harness, expect = harness.Harness, harness.expect

ZONES = [
    files.Zone("(GMT+01:00) Berlin", 60, "W. Europe Standard Time", "W. Europe Daylight Time", 0, 60,
               files.systemtime_rule(10, 5, 0, 3, 0), files.systemtime_rule(3, 5, 0, 2, 0)),
    files.Zone("(GMT+09:00) Tokyo", 540, "Tokyo Standard Time"),
    files.Zone("(GMT-05:00) Lima", -300, "SA Pacific Standard Time"),
]


def first_start(h):
    """An empty registry: the default clock shows, and the defaults are written at exit."""
    v.clear_registry(h)
    folder = v.program_folder(h, "start-defaults")
    prog, wnd = v.start_clock(h, folder)
    rect = v.stable_rect(h, wnd)
    w, hgt = v.size_of(rect)
    expect(w > 20 and hgt > 20, "the clock window has a size: %r" % rect)
    h.screenshot("velmora-default-clock")

    # A second copy brings the first forward and ends without a window of its own.
    second = h.start(folder / "Velmora.exe", cwd=folder)
    code = second.wait_exit(timeout=60)
    expect(len(v.clock_windows(h, prog)) == 1, "still exactly one clock window")
    print("second copy ended with", code)

    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)

    expect(v.reg_query(h, v.REG_CLOCK, "Version") in ("0xe6", "230"), "Version 230 written")
    expect(v.reg_query(h, v.REG_CLOCK, "ClockLayout1") == "Horizontal", "default layout written")
    expect(v.reg_query(h, v.REG_CLOCK, "BackgroundCol") in ("0x808080", str(0x808080)), "default background")
    expect(v.reg_query(h, v.REG_CLOCK, "LoadOnStartup") in ("0x1", "1"), "LoadOnStartup default")
    expect(v.reg_query(h, v.REG_ROOT + r"\Velmora\DefClock", "ClockTemplate") is not None, "default clock saved")
    data = (folder / "Velmora2Dat").read_bytes()
    clocks = files.read_data_file_zones(data)
    expect(len(clocks) == 1 and clocks[0][0] == "(Local Time)", "one default clock saved: %r" % clocks)


def zone_clocks(h):
    """Clocks built from the zones of a time-zone file, shown in both layouts."""
    folder = v.program_folder(h, "start-zones")
    tz_bytes = files.tz_file(ZONES)
    (folder / "VelmoraTZ").write_bytes(tz_bytes)
    zones = files.read_tz_file((folder / "VelmoraTZ").read_bytes())
    expect([z.name for z in zones] == [z.name for z in ZONES], "zones read back from the file")
    records = [files.clock_record(z) for z in zones]
    (folder / "Velmora2Dat").write_bytes(files.data_file(records))

    sizes = {}
    for layout, name in ((1, "Horizontal"), (0, "Vertical")):
        v.reg_set(h, v.REG_CLOCK, "ClockLayout2", "REG_DWORD", layout)
        v.reg_set(h, v.REG_CLOCK, "ClockLayout1", "REG_SZ", name)
        prog, wnd = v.start_clock(h, folder)
        sizes[name] = v.size_of(v.stable_rect(h, wnd))
        h.screenshot("velmora-three-zones-%s" % name.lower())
        h.command(wnd, ids["ID_EXIT"])
        prog.wait_exit(timeout=60)

    (wh, hh), (wv, hv) = sizes["Horizontal"], sizes["Vertical"]
    print("horizontal %dx%d, vertical %dx%d" % (wh, hh, wv, hv))
    # Three clocks of the same font and line count: a row is one clock tall, a column three.
    expect(hv - 5 == 3 * (hh - 5), "column height is three clock heights: %r" % sizes)
    expect(wv - 5 < wh - 5 <= 3 * (wv - 5), "row width is the sum of three clock widths: %r" % sizes)
    expect(wh > hh and hv > wv, "a row is wide, a column tall: %r" % sizes)

    saved = files.read_data_file_zones((folder / "Velmora2Dat").read_bytes())
    expect([n for n, _ in saved] == [z.name for z in ZONES], "clocks kept in order: %r" % [n for n, _ in saved])
    for (name, tzi), zone in zip(saved, zones):
        expect(tzi == zone.tzi(), "clock %s keeps the zone of the time-zone file" % name)


def damaged_data(h):
    """A data file cut short inside its third clock: the failure is reported, the window starts
    with the two clocks that were read, and the file is not written over at exit."""
    folder = v.program_folder(h, "start-damaged")
    v.reg_set(h, v.REG_CLOCK, "ClockLayout2", "REG_DWORD", 1)
    v.reg_set(h, v.REG_CLOCK, "ClockLayout1", "REG_SZ", "Horizontal")
    whole = files.data_file([files.clock_record(z) for z in ZONES])
    damaged = whole[:len(whole) - 200]
    (folder / "Velmora2Dat").write_bytes(damaged)
    prog = h.start(folder / "Velmora.exe", cwd=folder)
    box = h.wait_for(lambda: v.message_boxes(h, prog), timeout=60, what="the report of the damaged file")
    h.screenshot("velmora-damaged-data-report")
    h.close(box[0]["hwnd"])
    wnd = h.wait_for(lambda: v.clock_windows(h, prog), timeout=60, what="the clock window")[0]["hwnd"]
    w2, h2 = v.size_of(v.stable_rect(h, wnd))
    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)
    expect((folder / "Velmora2Dat").read_bytes() == damaged, "the damaged file is left as it was")
    expect(w2 > h2, "two clocks in a row: %dx%d" % (w2, h2))


with Harness() as h:
    ids = h.ids("velmora")
    first_start(h)
    zone_clocks(h)
    damaged_data(h)
print("ok")
