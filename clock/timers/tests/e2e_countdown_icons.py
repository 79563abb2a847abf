"""A countdown started from the clock's menu shows its start value first, one second less at each
tick and 00:00:00 when it hands its end on, then its start value again, stopped (read from Wine's
trace of the text the clock draws). The sound buttons of the timer dialog, the alarm sheet's Sound
and Other Actions pages and the options' diary page show their pictures."""

import os
import re
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "app", "tests"))
import velmora_e2e as v  # noqa: E402
import velmora_files as files  # noqa: E402

harness = v.harness_module(sys.argv[sys.argv.index("--source") + 1])
Harness, expect = harness.Harness, harness.expect

BM_GETIMAGE, IMAGE_ICON = 0x00F6, 1
TCM_GETCURSEL = 0x130B
DAY = 86400.0
LONDON = files.Zone("(GMT+00:00) London", 0, "GMT Standard Time")


def countdown_record(interval, remaining):
    """A stopped countdown "Tea" of `interval` seconds showing `remaining`; kept as it is at start-up
    (its start-up rule is "pause", which leaves a stopped countdown alone)."""
    rec = files.clock_record(LONDON, clock_type=1, timer_name="Tea", interval_days=interval / DAY, state=0)
    at = rec.rfind(files.ole_time(interval / DAY))
    rec = rec[:at] + files.ole_time(remaining / DAY) + rec[at + 12:]
    flags = struct.pack("<I", 1 | 2) + struct.pack("<I", 0)
    assert rec.endswith(flags)
    return rec[:-8] + struct.pack("<I", 1 | 4) + struct.pack("<I", 0)


def titled(h, prog, title, timeout=30):
    return h.wait_for(lambda: [w for w in prog.windows(visible_only=True) if w["text"] == title],
                      timeout=timeout, what="the window %r" % title)[0]["hwnd"]


def right_click_command(h, prog, wnd, dx, dy, cmd):
    r = h.rect(wnd)
    h.xdotool("mousemove", r["left"] + dx + 20, r["top"] + dy + 20)
    h.xdotool("mousemove", r["left"] + dx, r["top"] + dy)
    h.idle(wnd)
    h.xdotool("click", 3)
    menu = h.wait_popup_menu(prog, what="the context menu")
    h.choose_menu_command(prog, menu, wnd, cmd)


def expect_pictures(h, parent, names, shot):
    kids = {k["id"]: k for k in h.children(parent)}
    h.wait_for(lambda: all(n in ids and ids[n] in kids for n in names), timeout=10, what="the buttons %r" % names)
    h.idle(parent)
    h.screenshot(shot)
    for name in names:
        expect(h.send(kids[ids[name]]["hwnd"], BM_GETIMAGE, IMAGE_ICON, 0) != 0, "%s shows its picture" % name)


def page_of(h, sheet, caption):
    return h.wait_for(lambda: [c["hwnd"] for c in h.children(sheet)
                               if c["class"] == v.DIALOG_CLASS and c["text"] == caption and c.get("visible", True)],
                      timeout=15, what="the page %r" % caption)[0]


def click_tab(h, sheet, index, caption):
    """The first tab by a click (tabs differ in width), then on with the arrow keys."""
    tab = [c for c in h.children(sheet) if c["class"] == "SysTabControl32"][0]["hwnd"]
    if h.send(tab, TCM_GETCURSEL) != 0:
        r = h.rect(tab)
        h.xdotool("mousemove", r["left"] + 5, r["top"] + 40)
        h.mouse_click(r["left"] + 12, r["top"] + 10)
        h.wait_for(lambda: h.send(tab, TCM_GETCURSEL) == 0, timeout=10, what="the first tab")
    else:
        h.click_in(tab, dx=12, dy=10)
    while h.send(tab, TCM_GETCURSEL) < index:
        current = h.send(tab, TCM_GETCURSEL)
        h.key("Right")
        h.wait_for(lambda: h.send(tab, TCM_GETCURSEL) != current, timeout=10, what="the tab after %d" % current)
    return page_of(h, sheet, caption)


def timer_dialog_pictures(h, prog, wnd):
    right_click_command(h, prog, wnd, 10, 10, ids["ID_ADD_TIMER"])
    dlg = titled(h, prog, "Event Timer")
    expect_pictures(h, dlg, ["IDC_TIMER_BROWSE", "IDC_TIMER_TEST_SOUND", "IDC_TIMER_STOP_SOUND"],
                    "velmora-event-timer-icons")
    h.click_in(dlg, 2)
    h.wait_gone(dlg, timeout=15)


def sheet_pictures(h, prog, wnd):
    right_click_command(h, prog, wnd, 10, 10, ids["ID_CTX_ALARMS_LIST"])
    lst = titled(h, prog, "Alarms")
    h.click_in(lst, ids["IDC_ALARM_NEW"])
    sheet = titled(h, prog, "Alarm Properties")
    sound = click_tab(h, sheet, 1, "Sound")
    expect_pictures(h, sound, ["IDC_SOUND_BROWSE", "IDC_SOUND_TEST", "IDC_SOUND_STOP", "IDC_CD_PLAY", "IDC_CD_STOP"],
                    "velmora-alarm-sound-icons")
    action = click_tab(h, sheet, 2, "Other Actions")
    expect_pictures(h, action, ["IDC_APP_BROWSE"], "velmora-alarm-actions-icons")
    h.key("Escape")
    h.wait_gone(sheet, timeout=15)
    h.close(lst)
    h.wait_gone(lst, timeout=15)

    # A command rather than the menu: the clock window can ignore clicks for a moment after a
    # property sheet over it has closed.
    h.command(wnd, ids["ID_OPTIONS"])
    sheet = titled(h, prog, "Velmora Options")
    diary = click_tab(h, sheet, 2, "Calendar/Diary Options")
    expect_pictures(h, diary, ["IDC_DIARYOPT_BROWSE", "IDC_DIARYOPT_TEST_SOUND", "IDC_DIARYOPT_STOP_SOUND"],
                    "velmora-diary-options-icons")
    h.key("Escape")
    h.wait_gone(sheet, timeout=15)


def timer_values(log):
    """The countdown's drawn values in drawing order, each run of repeats as one."""
    text = log.read_text(errors="replace") if log.exists() else ""
    out = []
    for line in re.findall(r'DrawTextExW[^\n]*?L"((?:[^"\\]|\\.)*)"', text):
        parts = line.split("\\n")
        if len(parts) == 2 and parts[0] == "Tea" and (not out or out[-1] != parts[1]):
            out.append(parts[1])
    return out


def countdown(h, prog, wnd, log):
    h.wait_for(lambda: timer_values(log)[-1:] == ["00:00:02"], timeout=30, what="the stopped countdown drawn")
    w_, _ = v.size_of(h.rect(wnd))
    # The timer is the last item, right of the clock.
    right_click_command(h, prog, wnd, w_ - 15, 12, ids["ID_START_COUNTDOWN"])
    note = titled(h, prog, "Tea", timeout=60)
    h.wait_for(lambda: timer_values(log)[-1:] == ["00:00:05"], timeout=30, what="the countdown reset")
    values = timer_values(log)
    print("drawn:", values)
    expect(values == ["00:00:02", "00:00:05", "00:00:04", "00:00:03", "00:00:02", "00:00:01", "00:00:00", "00:00:05"],
           "each value once, the start value first and 00:00:00 last: %r" % values)
    h.screenshot("velmora-countdown-end")
    h.click(note, 1)
    h.wait_gone(note, timeout=15)


with Harness() as h:
    ids = h.ids("velmora")
    v.clear_registry(h)
    folder = v.program_folder(h, "countdown-icons")
    (folder / "Velmora2Dat").write_bytes(files.data_file([files.clock_record(LONDON), countdown_record(5, 2)]))
    log = h.build / "e2e" / "countdown-icons-draw.log"
    if log.exists():
        log.unlink()
    prog = h.start(folder / "Velmora.exe", cwd=folder, env={"WINEDEBUG": "trace+text"}, log=log)
    wnd = h.wait_for(lambda: v.clock_windows(h, prog), timeout=60, what="the clock window")[0]["hwnd"]
    v.stable_rect(h, wnd)
    timer_dialog_pictures(h, prog, wnd)
    countdown(h, prog, wnd, log)
    sheet_pictures(h, prog, wnd)
    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)
print("ok")
