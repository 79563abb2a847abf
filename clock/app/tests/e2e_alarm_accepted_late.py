"""An alarm accepted with the time its sheet opened with rings, although that time passed while the
sheet was open; one stored with a time already past, or one accepted after its sheet stood open
longer than the lateness limit, says in the Alarms list that it will not ring. The list takes input
again as soon as the alarm sheet is gone."""

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
WILL_NOT_RING = "(will not ring)"

os.environ["TZ"] = os.environ.get("VELMORA_TZ", "UTC")
time.tzset()


def now():
    return datetime.datetime.now().replace(microsecond=0)


def saved_alarms(h, folder, predicate, what):
    def saved():
        try:
            return predicate(files.read_alarms((folder / "Velmora2Dat").read_bytes(), CLOCKS_PART)[1])
        except (AssertionError, IndexError, ValueError, OSError, struct.error):
            return None  # read while the program writes it
    return h.wait_for(saved, timeout=30, what=what)


def picker_time(h, page, date_id, time_id):
    date = h.dtget(page, date_id)[:10]
    return datetime.datetime.strptime(date + " " + h.dtget(page, time_id)[11:19], "%Y-%m-%d %H:%M:%S")


def ok_and_owner_takes_input(h, prog, sheet, owner):
    """OK with the mouse; the owner is enabled by the time the sheet is off the screen."""
    h.click_in(sheet, 1)
    h.wait_for(lambda: not [w for w in prog.windows(visible_only=True) if w["hwnd"] == sheet], timeout=15,
               interval=0.02, what="the sheet to go")
    expect(h.info(owner)["enabled"], "the list takes input as soon as the sheet is gone")


def open_list(h, prog, wnd):
    r = h.rect(wnd)
    h.xdotool("mousemove", r["left"] + 10, r["top"] + 10)
    h.idle(wnd)
    h.xdotool("click", 3)
    menu = h.wait_popup_menu(prog, what="the context menu")
    h.choose_menu_command(prog, menu, wnd, ids["ID_CTX_ALARMS_LIST"])
    return v.titled(h, prog, "Alarms")


def accepted_late(h, prog, wnd, folder):
    lst = open_list(h, prog, wnd)
    h.click_in(lst, ids["IDC_ALARM_NEW"])
    sheet = v.titled(h, prog, "Alarm Properties")
    setup = v.page_of(h, sheet, "Setup")
    opened_with = picker_time(h, setup, ids["IDC_ALARM_DATE"], ids["IDC_ALARM_TIME"])
    expect(abs((opened_with - now()).total_seconds()) <= 3, "the sheet opens with now: %s" % opened_with)
    # The user reads the sheet for a while: its time is past when OK is pressed.
    h.wait_for(lambda: now() > opened_with + datetime.timedelta(seconds=1), timeout=10, what="the time to pass")
    ok_and_owner_takes_input(h, prog, sheet, lst)
    note = v.titled(h, prog, "Unnamed Alarm", timeout=30)
    h.screenshot("velmora-alarm-accepted-late-rings")
    expect(h.text(note, ids["IDC_ALARM_MESSAGE"]) == "Hello there....", "its message")
    h.click_in(note, 1)
    h.wait_gone(note, timeout=15)
    return lst


def stored_past(h, prog, lst, folder):
    h.click_in(lst, ids["IDC_ALARM_NEW"])
    sheet = v.titled(h, prog, "Alarm Properties")
    setup = v.page_of(h, sheet, "Setup")
    h.click_in(setup, ids["IDC_ALARM_NAME"])
    h.key("End", "shift+Home")
    h.type_text("Yesterday")
    h.dtset(setup, ids["IDC_ALARM_DATE"], (now() - datetime.timedelta(days=1)).strftime("%Y-%m-%d 00:00:00"))
    ok_and_owner_takes_input(h, prog, sheet, lst)
    alarms = saved_alarms(h, folder, lambda a: [x for x in a if x["name"] == "Yesterday"] or None, "the past alarm")
    expect(alarms[0]["state"] == 0, "a time already past is stored inactive: %d" % alarms[0]["state"])
    lines = h.wait_for(lambda: [x for x in h.items(lst, ids["IDC_ALARM_LIST"])["items"] if x.startswith("Yesterday ")],
                       timeout=10, what="the line of the past alarm")
    h.screenshot("velmora-alarm-list-will-not-ring")
    expect(lines[0].endswith(WILL_NOT_RING), "the list says it will not ring: %r" % lines[0])
    h.click_in(lst, 1)
    h.wait_gone(lst, timeout=15)

    # An alarm due tomorrow is pending like any other.
    lst = open_list(h, prog, wnd)
    h.click_in(lst, ids["IDC_ALARM_NEW"])
    sheet = v.titled(h, prog, "Alarm Properties")
    setup = v.page_of(h, sheet, "Setup")
    h.click_in(setup, ids["IDC_ALARM_NAME"])
    h.key("End", "shift+Home")
    h.type_text("Tomorrow")
    h.dtset(setup, ids["IDC_ALARM_DATE"], (now() + datetime.timedelta(days=1)).strftime("%Y-%m-%d 00:00:00"))
    ok_and_owner_takes_input(h, prog, sheet, lst)
    lines = h.wait_for(lambda: [x for x in h.items(lst, ids["IDC_ALARM_LIST"])["items"] if x.startswith("Tomorrow ")],
                       timeout=10, what="the line of tomorrow's alarm")
    expect(not lines[0].endswith(WILL_NOT_RING), "a pending alarm has no such word: %r" % lines[0])
    h.click_in(lst, 1)
    h.wait_gone(lst, timeout=15)


def beyond_limit(h):
    """With a lateness limit of three seconds, an alarm accepted with the time its sheet opened with,
    after the sheet stood open longer than that, would fire with no action: the list says it will
    not ring."""
    for name, value in (("UseLimit", 1), ("LimitH", 0), ("LimitM", 0), ("LimitS", 3)):
        v.reg_set(h, v.REG_CLOCK, name, "REG_DWORD", value)
    folder = v.program_folder(h, "alarm-accepted-beyond-limit")
    (folder / "Velmora2Dat").write_bytes(files.data_file([CLOCK], 1, []))
    prog = h.start(folder / "Velmora.exe", cwd=folder)
    wnd = h.wait_for(lambda: v.clock_windows(h, prog), timeout=60, what="the clock window")[0]["hwnd"]
    lst = open_list(h, prog, wnd)
    h.click_in(lst, ids["IDC_ALARM_NEW"])
    sheet = v.titled(h, prog, "Alarm Properties")
    setup = v.page_of(h, sheet, "Setup")
    opened_with = picker_time(h, setup, ids["IDC_ALARM_DATE"], ids["IDC_ALARM_TIME"])
    h.wait_for(lambda: now() > opened_with + datetime.timedelta(seconds=5), timeout=15, what="the limit to pass")
    ok_and_owner_takes_input(h, prog, sheet, lst)
    lines = h.wait_for(lambda: [x for x in h.items(lst, ids["IDC_ALARM_LIST"])["items"] if x.startswith("Unnamed Alarm ")],
                       timeout=10, what="the line of the alarm")
    h.screenshot("velmora-alarm-list-beyond-limit")
    expect(lines[0].endswith(WILL_NOT_RING), "past the limit it will not ring: %r" % lines[0])
    h.click_in(lst, 1)
    h.wait_gone(lst, timeout=15)
    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)


with Harness() as h:
    ids = h.ids("velmora")
    v.clear_registry(h)
    folder = v.program_folder(h, "alarm-accepted-late")
    (folder / "Velmora2Dat").write_bytes(files.data_file([CLOCK], 1, []))
    prog = h.start(folder / "Velmora.exe", cwd=folder,
                   env={"VELMORA_SOUND_LOG": "Z:" + str(folder / "sound.log").replace("/", "\\")})
    wnd = h.wait_for(lambda: v.clock_windows(h, prog), timeout=60, what="the clock window")[0]["hwnd"]
    lst = accepted_late(h, prog, wnd, folder)
    stored_past(h, prog, lst, folder)
    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)
    beyond_limit(h)
    v.clear_registry(h)
print("ok")
