"""The alarm list and the alarm sheet driven as a person would: the list opened from the clock's
menu, New with a typed name and the other pages' actions, OK; the alarm is in the data file with
the fields the pages gave; Replicate leaves the shut-down behind; Delete removes it. A cancelled
quick reminder adds nothing; "In 1 minute" makes a reminder a minute ahead that fires and, being
removed on completion, is gone afterwards."""

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

os.environ["TZ"] = os.environ.get("VELMORA_TZ", "UTC")
time.tzset()


def win_path(path):
    return "Z:" + str(path).replace("/", "\\")


def now():
    return datetime.datetime.now().replace(microsecond=0)


def saved_alarms(folder):
    data = (folder / "Velmora2Dat").read_bytes()
    return files.read_alarms(data, CLOCKS_PART)[1]


def wait_saved(h, folder, predicate, what):
    def saved():
        try:
            alarms = saved_alarms(folder)
        except (AssertionError, IndexError, ValueError, OSError, struct.error):
            return None  # read while the program writes it
        return predicate(alarms)
    return h.wait_for(saved, timeout=30, what=what)


def context_command(h, prog, wnd, cmd):
    r = h.rect(wnd)
    h.xdotool("mousemove", r["left"] + 10, r["top"] + 10)
    h.idle(wnd)
    h.xdotool("click", 3)
    menu = h.wait_popup_menu(prog, what="the context menu")
    h.choose_menu_command(prog, menu, wnd, cmd)


def choose_tab(h, sheet, index):
    tab = [c for c in h.children(sheet) if c["class"] == "SysTabControl32"][0]["hwnd"]
    r = h.rect(tab)
    # The tabs sit along the top of the control, each about 50 pixels wide.
    h.mouse_click(r["left"] + 25 + 60 * index, r["top"] + 10)


def list_and_new(h, prog, wnd, folder):
    context_command(h, prog, wnd, ids["ID_CTX_ALARMS_LIST"])
    lst = v.titled(h, prog, "Alarms")
    h.screenshot("velmora-alarm-list-empty")
    expect(h.info(lst, ids["IDC_ALARM_MODIFY"]).get("enabled") is False, "Modify waits for a selection")
    h.click_in(lst, ids["IDC_ALARM_NEW"])
    sheet = v.titled(h, prog, "Alarm Properties")
    setup = v.page_of(h, sheet, "Setup")
    h.screenshot("velmora-alarm-sheet-setup")
    h.click_in(setup, ids["IDC_ALARM_NAME"])
    h.key("End", "shift+Home")
    h.type_text("Dentist 100% %s")
    due = (now() + datetime.timedelta(days=1)).replace(hour=7, minute=30, second=0)
    h.dtset(setup, ids["IDC_ALARM_DATE"], due.strftime("%Y-%m-%d 00:00:00"))
    h.dtset(setup, ids["IDC_ALARM_TIME"], due.strftime("1899-12-30 %H:%M:%S"))
    h.click_in(setup, ids["IDC_ALARM_TEXT"])
    h.key("ctrl+End", "ctrl+shift+Home")
    h.type_text("Bring the card")

    choose_tab(h, sheet, 1)
    sound = v.page_of(h, sheet, "Sound")
    h.click_in(sound, ids["IDC_PLAY_SOUND"])
    h.screenshot("velmora-alarm-sheet-sound")
    choose_tab(h, sheet, 2)
    action = v.page_of(h, sheet, "Other Actions")
    h.click_in(action, ids["IDC_RUN_APP"])
    h.click_in(action, ids["IDC_COMMAND_LINE"])
    h.type_text("notepad.exe")
    h.click_in(action, ids["IDC_SHUT_DOWN"])
    h.click_in(action, ids["IDC_KIND_REBOOT"])
    h.screenshot("velmora-alarm-sheet-actions")
    h.click_in(sheet, 1)  # OK
    h.wait_gone(sheet, timeout=15)

    alarms = wait_saved(h, folder, lambda a: [x for x in a if x["name"].startswith("Dentist")], "the new alarm in the file")
    a = alarms[0]
    print("saved:", a)
    expect(a["name"] == "Dentist 100% %s", "the typed name, taken as text: %r" % a["name"])
    expect(a["message"] == "Bring the card", "the typed message")
    expect(files.ole_to_datetime(a["activation"]) == due, "the activation of the two pickers: %s" % files.ole_to_datetime(a["activation"]))
    expect(a["state"] in (1, 2, 3), "a future activation is stored new (and then armed): %d" % a["state"])
    expect(a["play_sound"] == 1 and a["sound"] == "Default Beep", "Play Sound with the default sound")
    expect(a["run_app"] == 1 and a["command"] == "notepad.exe", "the program to run")
    expect(a["shut_down"] == 1 and a["kind"] == 2, "Reboot PC is the kind 2: %d" % a["kind"])
    expect(a["enabled"] == 1 and a["repeat"] == 0 and a["remove"] == 0 and a["display"] == 1, "the other defaults")
    h.screenshot("velmora-alarm-list-one")
    return lst


def replicate_and_delete(h, prog, lst, folder):
    items = h.items(lst, ids["IDC_ALARM_LIST"])["items"]
    print("list:", items)
    expect(len(items) == 1 and items[0].startswith("Dentist 100% %s "), "the line shows the name")
    r = h.rect(lst, ids["IDC_ALARM_LIST"])
    h.mouse_click(r["left"] + 30, r["top"] + 6)
    h.wait_for(lambda: h.info(lst, ids["IDC_ALARM_MODIFY"]).get("enabled"), timeout=10, what="Modify to be enabled")
    h.click_in(lst, ids["IDC_ALARM_REPLICATE"])
    alarms = wait_saved(h, folder, lambda a: a if len(a) == 2 else None, "the replicated alarm")
    copy = alarms[1]
    expect(copy["name"] == alarms[0]["name"] and copy["id"] != alarms[0]["id"], "a copy with an id of its own")
    expect(copy["shut_down"] == 0 and copy["kind"] == 1, "the copy does not shut down")
    expect(copy["run_app"] == 1 and copy["command"] == "notepad.exe", "but runs the program")
    h.screenshot("velmora-alarm-list-two")

    h.mouse_click(r["left"] + 30, r["top"] + 6)
    h.idle(lst)
    h.click_in(lst, ids["IDC_ALARM_DELETE"])
    alarms = wait_saved(h, folder, lambda a: a if len(a) == 1 else None, "the deleted alarm to leave the file")
    expect(alarms[0]["id"] == copy["id"], "the first alarm went, the copy stays")
    expect(len(h.items(lst, ids["IDC_ALARM_LIST"])["items"]) == 1, "the list shows one line")
    h.click_in(lst, 1)
    h.wait_gone(lst, timeout=15)


def reminders(h, prog, wnd, folder):
    before = wait_saved(h, folder, lambda a: (a,), "the alarms file")[0]
    context_command(h, prog, wnd, ids["ID_REMIND_5MIN"])
    sheet = v.titled(h, prog, "Reminder Properties")
    v.page_of(h, sheet, "Setup")
    h.click_in(sheet, 2)  # Cancel
    h.wait_gone(sheet, timeout=15)
    h.idle(wnd)
    expect(wait_saved(h, folder, lambda a: (a,), "the alarms file")[0] == before, "a cancelled reminder adds nothing")

    context_command(h, prog, wnd, ids["ID_REMIND_1MIN"])
    sheet = v.titled(h, prog, "Reminder Properties")
    setup = v.page_of(h, sheet, "Setup")
    asked = now()
    h.screenshot("velmora-reminder-sheet")
    expect(h.text(setup, ids["IDC_ALARM_NAME"]) == "Unnamed Reminder", "the reminder's name")
    h.click_in(sheet, 1)  # OK
    h.wait_gone(sheet, timeout=15)
    everything = wait_saved(h, folder, lambda a: a if [x for x in a if x["name"] == "Unnamed Reminder"] else None,
                            "the reminder in the file")
    alarms = [x for x in everything if x["name"] == "Unnamed Reminder"]
    # The file saved after the second reminder holds it alone: the cancelled one was never added.
    expect(len(everything) == len(before) + 1, "one reminder added: %r" % everything)
    due = files.ole_to_datetime(alarms[0]["activation"])
    print("reminder due", due, "asked at", asked)
    expect(abs((due - asked).total_seconds() - 60) <= 3, "a minute ahead: %s" % due)
    expect(alarms[0]["remove"] == 1 and alarms[0]["play_sound"] == 1 and alarms[0]["message"] == "Reminder...",
           "removed on completion, with a sound and its message")
    note = v.titled(h, prog, "Unnamed Reminder", timeout=90)
    fired = now()
    h.screenshot("velmora-reminder-fired")
    expect(abs((fired - due).total_seconds()) <= 3, "it fires when due: %s" % fired)
    expect(h.text(note, ids["IDC_ALARM_MESSAGE"]) == "Reminder...", "with its message")
    h.click(note, 1)
    h.wait_gone(note, timeout=15)
    wait_saved(h, folder, lambda a: not [x for x in a if x["name"] == "Unnamed Reminder"] or None,
               "the fired reminder to be removed")


with Harness() as h:
    ids = h.ids("velmora")
    v.clear_registry(h)
    folder = v.program_folder(h, "alarm-edit")
    (folder / "Velmora2Dat").write_bytes(files.data_file([CLOCK], 1, []))
    prog = h.start(folder / "Velmora.exe", cwd=folder,
                   env={"VELMORA_SOUND_LOG": win_path(folder / "sound.log"),
                        "VELMORA_SHUTDOWN_LOG": win_path(folder / "shutdown.log")})
    wnd = h.wait_for(lambda: v.clock_windows(h, prog), timeout=60, what="the clock window")[0]["hwnd"]
    lst = list_and_new(h, prog, wnd, folder)
    replicate_and_delete(h, prog, lst, folder)
    reminders(h, prog, wnd, folder)
    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)
    expect(not (folder / "shutdown.log").exists(), "nothing shut down")
print("ok")
