"""The options sheet, driven with the mouse and keys: options confirmed on the "Clock" page are in
the registry and applied, Cancel applies nothing; the default clock's configuration with its
preview. The helpers here also serve e2e_clock_config.py."""

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

LONDON = files.Zone("(GMT+00:00) London", 0, "GMT Standard Time")
TOKYO = files.Zone("(GMT+09:00) Tokyo", 540, "Tokyo Standard Time")
CLOCK = files.clock_record(LONDON)
TEMPLATE = "'Tokyo' HH:mm"

os.environ["TZ"] = os.environ.get("VELMORA_TZ", "UTC")
time.tzset()


def clock_formats(data):
    """(format type, text layout, template) of each clock of a clocks-only data file, walked as
    read_data_file walks it."""
    version, count = struct.unpack_from("<ii", data, 0)
    pos, out = 8, []
    for _ in range(count):
        (tag,) = struct.unpack_from("<H", data, pos)
        pos += 2
        if tag == 0xFFFF:
            _, n = struct.unpack_from("<HH", data, pos)
            pos += 4 + n
        for _ in range(2):
            pos += 1 + data[pos]
        pos += 8 + 60 + 172
        pos += 1 + data[pos]                                # display name
        pos += 16 + 4 + 12 + 12
        pos += 1 + data[pos] + 4                            # timer name, display message
        pos += 1 + data[pos] + 4                            # message, play sound
        pos += 1 + data[pos]                                # sound
        pos += 4 + 12                                       # state, remaining
        fmt, layout = struct.unpack_from("<ii", data, pos)
        pos += 8
        n = data[pos]
        template = data[pos + 1:pos + 1 + n].decode("latin-1")
        pos += 1 + n + 8
        out.append((fmt, layout, template))
    return out


def start(h, name, clocks=(CLOCK,), alarms=()):
    folder = v.program_folder(h, "options-" + name)
    data = files.data_file(list(clocks), 0, alarms)
    (folder / "Velmora2Dat").write_bytes(data)
    (folder / "VelmoraTZ").write_bytes(files.tz_file([LONDON, TOKYO]))
    prog, wnd = v.start_clock(h, folder)
    v.stable_rect(h, wnd)
    return folder, prog, wnd, data


def titled(h, prog, title, timeout=30):
    return h.wait_for(lambda: [w for w in prog.windows(visible_only=True) if w["text"] == title],
                      timeout=timeout, what="the window %r" % title)[0]["hwnd"]


def exit_program(h, prog, wnd):
    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)


def open_configuration(h, prog, wnd):
    """Right-clicks the clock and picks "Configure Clock"."""
    r = h.rect(wnd)
    h.xdotool("mousemove", r["left"] + 10, r["top"] + 10)
    h.idle(wnd)
    h.xdotool("click", 3)
    menu = h.wait_popup_menu(prog, what="the context menu")
    h.choose_menu_command(prog, menu, wnd, ids["ID_CTX_CONFIGURE"])
    return titled(h, prog, "Clock Configuration")


def edit_clock(h, prog, dlg, shot=None):
    """Types a custom format and picks Tokyo on the zone page."""
    h.click_in(dlg, ids["IDC_FMT_CUSTOM"], dx=6)
    h.wait_for(lambda: h.info(dlg, ids["IDC_FMT_TEMPLATE"])["enabled"], what="the template edit to be enabled")
    h.click_in(dlg, ids["IDC_FMT_TEMPLATE"])
    h.key("End", "shift+Home", "BackSpace")
    h.type_text(TEMPLATE)
    h.wait_for(lambda: h.text(dlg, ids["IDC_FMT_TEMPLATE"]) == TEMPLATE, what="the typed template")
    if shot:
        h.screenshot(shot)
    tab = [c for c in h.children(dlg) if c["class"] == "SysTabControl32"][0]
    r = tab["rect"]
    # The zone page's tab is the second one, right of the format page's.
    h.mouse_click(r["left"] + 150, r["top"] + 10)
    h.wait_for(lambda: h.info(dlg, ids["IDC_TZ_LIST"])["visible"], what="the zone page")
    h.select(dlg, ids["IDC_TZ_LIST"], text=TOKYO.name)
    h.wait_for(lambda: h.text(dlg, ids["IDC_TZ_NAME"]) == TOKYO.std_name, what="the zone page to take Tokyo")


RUN_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Run"


def drop_run_entry(h):
    """The prefix is shared: a start-up entry left behind would start the clock in later tests."""
    h.run("reg", "delete", RUN_KEY, "/v", "Velmora", "/f", timeout=60)


def reg(h, name):
    return v.reg_query(h, v.REG_CLOCK, name)


def open_options(h, prog, wnd):
    h.command(wnd, ids["ID_OPTIONS"])
    return titled(h, prog, "Velmora Options")


def options_ok_and_cancel(h):
    v.clear_registry(h)
    # Due well after OK: an alarm that rang while the sheet was still open (a slow start under load)
    # would hold the sheet behind its own message window.
    soon = datetime.datetime.now().replace(microsecond=0) + datetime.timedelta(seconds=45)
    alarm = files.alarm_record(id=1, name="Tea time", message="Brew", activation=files.ole_days(soon))
    folder, prog, wnd, _ = start(h, "sheet", clocks=(CLOCK, CLOCK), alarms=[alarm])
    wide = v.size_of(v.stable_rect(h, wnd))
    sheet = open_options(h, prog, wnd)
    r = h.rect(sheet)
    # The top-left corner, below the window of the tray icons when that sits in the corner.
    trays = [w["rect"] for w in h.list_windows() if w["class"] == "__winex11_standalone_tray" and w["visible"]]
    top = trays[0]["bottom"] if trays and trays[0]["left"] == 0 and trays[0]["top"] == 0 else 0
    expect((r["left"], r["top"]) == (0, top), "the sheet opens at the top-left corner: %r" % r)
    h.screenshot("velmora-options-clock-page")
    expect(h.check_state(sheet, ids["IDC_OPT_ENABLEALARMS"]) == 1, "the alarm system is on")
    v.reg_set(h, RUN_KEY, "Velmora", "REG_SZ", "stale")
    h.click_in(sheet, ids["IDC_OPT_ONTOP"], dx=6)
    h.click_in(sheet, ids["IDC_OPT_STARTUP"], dx=6)
    h.click_in(sheet, ids["IDC_OPT_ENABLEALARMS"], dx=6)
    h.select(sheet, ids["IDC_OPT_LAYOUT"], text="Vertical")
    h.wait_for(lambda: h.check_state(sheet, ids["IDC_OPT_ONTOP"]) == 1, what="Clock On Top checked")
    h.screenshot("velmora-options-changed")
    h.click_in(sheet, 1)
    h.wait_gone(sheet, timeout=15)
    tall = v.size_of(v.stable_rect(h, wnd))
    print("layout", wide, "->", tall)
    expect(tall[1] > wide[1] and tall[0] < wide[0], "the clocks are stacked: %r -> %r" % (wide, tall))
    expect(reg(h, "ClockOnTop") == "0x1", "ClockOnTop saved: %r" % reg(h, "ClockOnTop"))
    expect(reg(h, "EnableAlarmSys") == "0x0", "EnableAlarmSys saved")
    expect(reg(h, "ClockLayout2") == "0x0" and reg(h, "ClockLayout1") == "Vertical", "the layout saved")
    expect(reg(h, "LoadOnStartup") == "0x0", "LoadOnStartup saved")
    expect(v.reg_query(h, RUN_KEY, "Velmora") is None, "and the start-up entry removed")

    # Cancel: everything changed on the page stays as it was.
    sheet = open_options(h, prog, wnd)
    h.click_in(sheet, ids["IDC_OPT_ONTOP"], dx=6)
    h.click_in(sheet, ids["IDC_OPT_ENABLEALARMS"], dx=6)
    h.click_in(sheet, ids["IDC_OPT_STARTUP"], dx=6)
    h.select(sheet, ids["IDC_OPT_LAYOUT"], text="Horizontal")
    h.click_in(sheet, 2)
    h.wait_gone(sheet, timeout=15)
    expect(v.size_of(v.stable_rect(h, wnd)) == tall, "Cancel leaves the layout")
    expect(reg(h, "ClockOnTop") == "0x1" and reg(h, "EnableAlarmSys") == "0x0", "Cancel saves nothing new")
    expect(v.reg_query(h, RUN_KEY, "Velmora") is None, "Cancel adds no start-up entry")

    # With the alarm system off the due alarm never fires. What is checked is that nothing happens
    # when it falls due: wait until a few seconds past its time (less than a minute).
    def fired():
        return [w for w in prog.windows(visible_only=True) if w["text"] == "Tea time"]

    past = soon + datetime.timedelta(seconds=4)
    h.wait_until(lambda: fired() or datetime.datetime.now() >= past, timeout=70,
                 what="the alarm's time to pass")
    expect(not fired(), "no alarm fires while the alarm system is off")
    exit_program(h, prog, wnd)


def default_clock(h):
    """"Configure Default Clock" opens the dialog with its preview beside it; Cancel keeps the
    default clock, OK saves its new format in "DefClock" (the settings are written also when the
    sheet is cancelled, which here keeps the start-up entry out)."""
    v.clear_registry(h)
    folder, prog, wnd, _ = start(h, "default-clock")
    for confirm in (False, True):
        sheet = open_options(h, prog, wnd)
        h.click_in(sheet, ids["IDC_OPT_CONFIG_DEFAULT"])
        dlg = titled(h, prog, "Clock Configuration")
        preview = titled(h, prog, "Clock Preview")
        expect(h.text(dlg, ids["IDC_FMT_RESET_SELECTED"]) == "Reset Default", "the reset button's text")
        expect(not h.info(dlg, ids["IDC_FMT_RESET_ALL"])["enabled"], "All Clocks is disabled")
        h.click_in(dlg, ids["IDC_FMT_CUSTOM"], dx=6)
        h.click_in(dlg, ids["IDC_FMT_TEMPLATE"])
        h.key("End", "shift+Home", "BackSpace")
        h.type_text(TEMPLATE)
        small = h.wait_for(lambda: (lambda r: r if r["bottom"] - r["top"] < 40 else None)(h.rect(preview)),
                           timeout=10, what="the preview to show one line")
        if confirm:
            h.screenshot("velmora-default-clock-preview")
        expect(small["left"] == h.rect(dlg)["right"], "the preview sits at the dialog's right edge")
        h.click_in(dlg, 1 if confirm else 2)
        h.wait_gone(dlg, timeout=15)
        h.wait_gone(preview, timeout=15)
        h.click_in(sheet, 2)
        h.wait_gone(sheet, timeout=15)
        saved = v.reg_query(h, v.REG_ROOT + r"\Velmora\DefClock", "ClockTemplate")
        if confirm:
            expect(saved == TEMPLATE, "OK saves the default clock's template: %r" % saved)
            expect(v.reg_query(h, v.REG_ROOT + r"\Velmora\DefClock", "FormatType") == "0x1", "and its format type")
        else:
            expect(saved != TEMPLATE, "Cancel keeps the default clock's template: %r" % saved)
    exit_program(h, prog, wnd)


if __name__ == "__main__":
    with Harness() as h:
        ids = h.ids("velmora")
        v.clear_registry(h)
        try:
            options_ok_and_cancel(h)
            default_clock(h)
        finally:
            drop_run_entry(h)
    print("ok")
