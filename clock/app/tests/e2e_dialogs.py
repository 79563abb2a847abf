"""The clock's dialogs as a new user meets them: a diary note closed with Escape or the close box is
kept; a menu command whose dialog is open brings that dialog forward instead of opening a second;
Alarms, New, then Cancel or Escape adds nothing; right after a sheet closes, the window below takes
a click; the options sheet opens in the work area's corner but below the tray icon's window, and
the dialogs of the clock centre on the work area; a second start shows a clock that was hidden or
auto-hidden; and a file that cannot be written is reported once, not at every save.
Screenshots of the placed dialogs are left in the build tree."""

import datetime
import os
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
TRAY_CLASS = "__winex11_standalone_tray"

os.environ["TZ"] = os.environ.get("VELMORA_TZ", "UTC")
time.tzset()


def click(h, hwnd, ctl_id=None, button=1):
    """Clicks the middle of a window or control. Without --sync: xdotool waits for a move that never
    comes when the pointer already rests there."""
    r = h.rect(hwnd, ctl_id)
    h.xdotool("mousemove", (r["left"] + r["right"]) // 2, (r["top"] + r["bottom"]) // 2)
    h.idle(hwnd)
    h.xdotool("click", button)


def titled_all(prog, title):
    return [w for w in prog.windows(visible_only=True) if w["text"] == title]


def titled(h, prog, title, timeout=30):
    return h.wait_for(lambda: titled_all(prog, title), timeout=timeout, what="the window %r" % title)[0]["hwnd"]


def start(h, name):
    folder = v.program_folder(h, "dialogs-" + name)
    (folder / "Velmora2Dat").write_bytes(files.data_file([CLOCK]))
    prog, wnd = v.start_clock(h, folder)
    v.stable_rect(h, wnd)
    return folder, prog, wnd


def exit_program(h, prog, wnd):
    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)


def open_calendar(h, prog, wnd):
    """A double click on the clock opens the calendar."""
    r = h.rect(wnd)
    h.xdotool("mousemove", r["left"] + 10, r["top"] + 10)
    h.idle(wnd)
    h.xdotool("click", "--repeat", 2, 1)
    return titled(h, prog, "Calendar")


def set_note(h, dlg, text):
    if h.text(dlg, ids["IDC_CAL_EXPAND"]) == "Show Diary":
        click(h, dlg, ids["IDC_CAL_EXPAND"])
        h.wait_for(lambda: h.text(dlg, ids["IDC_CAL_EXPAND"]) == "<< Hide Diary", what="the diary pane")
    click(h, dlg, ids["IDC_CAL_NOTE"])
    h.key("ctrl+End", "ctrl+shift+Home", "BackSpace")
    h.type_text(text)
    h.wait_for(lambda: h.text(dlg, ids["IDC_CAL_NOTE"]) == text, timeout=10, what="the typed note")


def diary_holds(folder, text):
    path = folder / ("VelDiary%d" % datetime.date.today().year)
    return path.exists() and text.encode("latin-1") in path.read_bytes()


def calendar_keeps_notes(h):
    """Escape and the close box keep the note as OK does; a second "Calendar" command brings the open
    calendar forward instead of opening another over it."""
    folder, prog, wnd = start(h, "calendar")
    dlg = open_calendar(h, prog, wnd)
    set_note(h, dlg, "Kept by Escape")
    h.key("Escape")
    h.wait_gone(dlg, timeout=15)
    h.wait_for(lambda: diary_holds(folder, "Kept by Escape"), timeout=15, what="the note in the year file")

    dlg = open_calendar(h, prog, wnd)
    expect(h.text(dlg, ids["IDC_CAL_NOTE"]) == "Kept by Escape", "the note is shown again")
    set_note(h, dlg, "Kept by the close box")
    # The command as the tray menu sends it, while the calendar is open: it returns at once and
    # the one calendar stays, its unsaved note with it.
    h.command(wnd, ids["ID_CALENDAR"], send=True)
    expect(len(titled_all(prog, "Calendar")) == 1, "still one calendar: %r" % titled_all(prog, "Calendar"))
    expect(h.text(dlg, ids["IDC_CAL_NOTE"]) == "Kept by the close box", "the open calendar keeps its note")
    h.close(dlg)  # WM_CLOSE, as the close box sends it
    h.wait_gone(dlg, timeout=15)
    h.wait_for(lambda: diary_holds(folder, "Kept by the close box"), timeout=15,
               what="the note of the closed calendar in the year file")
    exit_program(h, prog, wnd)


def alarms_and_sheets(h):
    """New, then Cancel or Escape, adds nothing; the list takes a click at once after its sheet
    closes; "Show Alarms List" while the list's sheet is open brings the sheet forward; the list
    and the options sheet are where they belong; the clock takes a click at once after the options
    sheet closes."""
    folder, prog, wnd = start(h, "alarms")
    h.post(wnd, 0x0111, ids["ID_ALARMS_LIST"], 0)
    lst = titled(h, prog, "Alarms")
    expect(h.items(lst, ids["IDC_ALARM_LIST"])["items"] == [], "no alarms to begin with")

    # The list centres on the work area (here the whole screen), not on the clock.
    r = h.rect(lst)
    width, height = (int(n) for n in h.xdotool("getdisplaygeometry").split())
    cx, cy = (r["left"] + r["right"]) // 2, (r["top"] + r["bottom"]) // 2
    expect(abs(cx - width // 2) <= 1 and abs(cy - height // 2) <= 1,
           "the list is centred on the screen: %r on %dx%d" % (r, width, height))
    h.screenshot("velmora-alarm-list-centred")

    for how in ("button", "Escape", "button"):
        click(h, lst, ids["IDC_ALARM_NEW"])
        sheet = titled(h, prog, "Alarm Properties", timeout=15)
        if how == "Escape":
            h.key("Escape")
        else:
            click(h, sheet, 2)  # Cancel
        h.wait_gone(sheet, timeout=15)
        expect(h.items(lst, ids["IDC_ALARM_LIST"])["items"] == [], "Cancel (%s) adds no alarm" % how)
    # The last New opens its sheet at the first click after the previous sheet closed.
    click(h, lst, ids["IDC_ALARM_NEW"])
    sheet = titled(h, prog, "Alarm Properties", timeout=15)

    # The list's command again, with its sheet open: the command returns, nothing new opens.
    h.command(wnd, ids["ID_ALARMS_LIST"], send=True)
    expect(len(titled_all(prog, "Alarms")) == 1, "one alarm list")
    expect(len(titled_all(prog, "Alarm Properties")) == 1, "one alarm sheet")
    click(h, sheet, 2)
    h.wait_gone(sheet, timeout=15)
    click(h, lst, 1)  # OK
    h.wait_gone(lst, timeout=15)
    expect(files.read_alarms((folder / "Velmora2Dat").read_bytes(), CLOCKS_PART)[1] == [],
           "the data file holds no cancelled alarm")

    # The options sheet: in the corner of the work area, below the tray icon's window.
    h.post(wnd, 0x0111, ids["ID_OPTIONS"], 0)
    sheet = titled(h, prog, "Velmora Options")
    r = h.rect(sheet)
    trays = [w for w in h.list_windows() if w["class"] == TRAY_CLASS and w["visible"]]
    print("options sheet at", r, "tray", [t["rect"] for t in trays])
    expect(r["left"] == 0, "the sheet starts at the left edge: %r" % r)
    if trays:
        expect(r["top"] >= trays[0]["rect"]["bottom"], "the sheet leaves the tray icon uncovered: %r" % r)
    else:
        expect(r["top"] == 0, "the sheet starts at the top: %r" % r)
    h.screenshot("velmora-options-below-tray")
    click(h, sheet, 1)  # OK
    h.wait_gone(sheet, timeout=15)
    # The first right click on the clock after the sheet opens its menu.
    c = h.rect(wnd)
    h.xdotool("mousemove", c["left"] + 10, c["top"] + 10)
    h.idle(wnd)
    h.xdotool("click", 3)
    menu = h.wait_popup_menu(prog, timeout=10, what="the clock's menu at the first click after the sheet")
    h.post(menu["hwnd"], 0x0100, 0x1B, 1)
    h.wait_for(lambda: not h.popup_menus(prog), timeout=15, what="the menu to close")
    exit_program(h, prog, wnd)


def second_start_shows_clock(h):
    """Hidden from the menu, or faded out by auto-hide: a second start shows the running copy's clock."""
    folder, prog, wnd = start(h, "second")
    h.command(wnd, ids["ID_HIDE_CLOCK"])
    h.wait_for(lambda: not v.clock_windows(h, prog), timeout=15, what="the clock to hide")
    second = h.start(folder / "Velmora.exe", cwd=folder)
    second.wait_exit(timeout=60)
    h.wait_for(lambda: v.clock_windows(h, prog), timeout=15, what="the hidden clock to show")

    c = h.rect(wnd)
    h.xdotool("mousemove", c["right"] + 200, c["bottom"] + 200)
    h.command(wnd, ids["ID_AUTO_HIDE"])
    h.wait_for(lambda: not v.clock_windows(h, prog), timeout=30, what="the clock to fade out")
    second = h.start(folder / "Velmora.exe", cwd=folder)
    second.wait_exit(timeout=60)
    h.wait_for(lambda: v.clock_windows(h, prog), timeout=15, what="the auto-hidden clock to show")
    h.screenshot("velmora-second-start-shows-clock")
    h.command(wnd, ids["ID_AUTO_HIDE"])
    exit_program(h, prog, wnd)


def unwritable_files(h):
    """Files that cannot be written (a folder stands in each file's place, since this test runs with
    rights that ignore read-only files): one message for the data file at the first failed save,
    none at the next; at exit one for the server file only, and the program ends."""
    folder, prog, wnd = start(h, "unwritable")
    exit_program(h, prog, wnd)
    expect((folder / "SntpDat").exists(), "the server file was written")
    prog, wnd = v.start_clock(h, folder)
    v.stable_rect(h, wnd)
    blocked = [folder / "Velmora2Dat", folder / "SntpDat"]
    for p in blocked:
        p.unlink()
        p.mkdir()
    try:
        h.command(wnd, ids["ID_ADD_CLOCK"])
        boxes = h.wait_for(lambda: v.message_boxes(h, prog), timeout=30, what="the report of the failed save")
        expect(len(boxes) == 1, "one message for the file: %r" % boxes)
        h.screenshot("velmora-save-failure-report")
        children = " ".join(c["text"] for c in h.children(boxes[0]["hwnd"]))
        expect("File Output failure" in children, "the data file's report: %r" % children)
        h.close(boxes[0]["hwnd"])
        h.wait_gone(boxes[0]["hwnd"], timeout=15)
        h.command(wnd, ids["ID_ADD_CLOCK"])
        h.command(wnd, ids["ID_EXIT"])
        # At exit the server file is written first, then the data file: only the server file is news.
        box = h.wait_for(lambda: v.message_boxes(h, prog), timeout=30, what="the server file's report")
        expect(len(box) == 1, "one message at a time: %r" % box)
        children = " ".join(c["text"] for c in h.children(box[0]["hwnd"]))
        expect("SNTP file Output failure" in children, "the server file's report: %r" % children)
        h.close(box[0]["hwnd"])
        h.wait_for(lambda: not prog.running() or v.message_boxes(h, prog), timeout=60,
                   what="the program to end")
        expect(not prog.running(), "no further report at exit: %r" % v.message_boxes(h, prog))
    finally:
        for p in blocked:
            if p.is_dir():
                p.rmdir()


with Harness() as h:
    ids = h.ids("velmora")
    v.clear_registry(h)
    calendar_keeps_notes(h)
    alarms_and_sheets(h)
    second_start_shows_clock(h)
    unwritable_files(h)
    v.clear_registry(h)
print("ok")
