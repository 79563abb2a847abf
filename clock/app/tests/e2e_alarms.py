"""Alarms of a data file written here from the stored layout: a due alarm's notification with its
title and message, Silence Alarm and Remind Later, overdue alarms within and beyond the limit,
repeats, removal, a program alarm, a shut-down alarm (recorded only after the file was saved), a
countdown's end, an alarm caught mid-firing, the file read and written back, and damaged files
left as they were, also while their report is open. Sounds and the session end go to recording stand-ins."""

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
WM_KEYDOWN = 0x0100
VK_DOWN, VK_RETURN = 0x28, 0x0D


def win_path(path):
    return "Z:" + str(path).replace("/", "\\")


# The programs run in the zone that wine-run.sh gives them; the activations are that zone's time.
os.environ["TZ"] = os.environ.get("VELMORA_TZ", "UTC")
time.tzset()


def now():
    return datetime.datetime.now().replace(microsecond=0)


def start(h, name, alarms, next_id=0, clocks=(CLOCK,), extra_env=None):
    folder = v.program_folder(h, "alarms-" + name)
    data = files.data_file(list(clocks), next_id, alarms)
    (folder / "Velmora2Dat").write_bytes(data)
    env = {"VELMORA_SOUND_LOG": win_path(folder / "sound.log"),
           "VELMORA_SHUTDOWN_LOG": win_path(folder / "shutdown.log")}
    env.update(extra_env or {})
    prog = h.start(folder / "Velmora.exe", cwd=folder, env=env)
    wnd = h.wait_for(lambda: v.clock_windows(h, prog), timeout=60, what="the clock window")[0]["hwnd"]
    return folder, prog, wnd, data


def exit_and_read(h, prog, wnd, folder):
    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)
    return files.read_alarms((folder / "Velmora2Dat").read_bytes(), CLOCKS_PART)


def titled(h, prog, title, timeout=30):
    return h.wait_for(lambda: [w for w in prog.windows(visible_only=True) if w["text"] == title],
                      timeout=timeout, what="the notification %r" % title)[0]["hwnd"]


def sound_log(folder):
    p = folder / "sound.log"
    return p.read_text().splitlines() if p.exists() else []


def notification(h):
    """Due a few seconds after start: its name is the title and its message shows; Silence Alarm
    stops the sound; Remind Later's "5 minutes" re-arms it from its own activation."""
    due = now() + datetime.timedelta(seconds=4)
    folder, prog, wnd, _ = start(h, "notify", [files.alarm_record(
        id=1, name="Tea time", message="Brew the tea", activation=files.ole_days(due), play_sound=1,
        sound="chime.wav")], next_id=2)
    dlg = titled(h, prog, "Tea time")
    h.screenshot("velmora-alarm-notification")
    expect(h.text(dlg, ids["IDC_ALARM_MESSAGE"]) == "Brew the tea", "the message shows")
    expect(any(line.startswith("PlaySound chime.wav") for line in sound_log(folder)), "the sound plays: %r" % sound_log(folder))
    h.click(dlg, ids["IDC_SILENCE_ALARM"])
    h.wait_for(lambda: "PlaySound NULL" in " ".join(sound_log(folder)), timeout=15, what="the sound to be stopped")
    h.idle(dlg)
    expect(any(w["hwnd"] == dlg for w in prog.windows(visible_only=True)), "Silence Alarm leaves the notification open")

    h.click(dlg, ids["IDC_REMIND_LATER"])
    menu = h.wait_popup_menu(prog, what="the Remind Later menu")
    h.screenshot("velmora-remind-later-menu")
    for _ in range(5):  # "0 minutes", "1 minute", "2 minutes", "3 minutes", "5 minutes"
        h.post(menu["hwnd"], WM_KEYDOWN, VK_DOWN, 1)
    h.post(menu["hwnd"], WM_KEYDOWN, VK_RETURN, 1)
    h.wait_gone(dlg, timeout=15)
    next_id, alarms = exit_and_read(h, prog, wnd, folder)
    a = alarms[0]
    print("reminded later:", files.ole_to_datetime(a["activation"]), "state", a["state"])
    expect(files.ole_to_datetime(a["activation"]) == due + datetime.timedelta(minutes=5),
           "Remind Later adds 5 minutes to the activation")
    expect(a["state"] == 3, "and arms it again")
    expect(next_id == 3, "the next alarm id grew by the one alarm read: %d" % next_id)


def overdue_repeat_remove_program(h):
    """Within the limit the program runs; beyond it nothing runs and the repeat steps past now; a
    remove-on-completion alarm is gone; one caught mid-firing goes idle without running."""
    t = now()
    folder = v.program_folder(h, "alarms-overdue")
    marker_in = folder / "within.txt"
    marker_late = folder / "beyond.txt"
    marker_mid = folder / "midfiring.txt"

    def runs(path):
        return "cmd /c echo fired > " + win_path(path)
    alarms = [
        files.alarm_record(id=1, name="within", display=0, activation=files.ole_days(t - datetime.timedelta(minutes=30)),
                           run_app=1, command=runs(marker_in)),
        files.alarm_record(id=2, name="beyond", display=0, activation=files.ole_days(t - datetime.timedelta(hours=2, minutes=30)),
                           run_app=1, command=runs(marker_late), repeat=1, interval=1.0 / 24),
        files.alarm_record(id=3, name="gone", display=0, remove=1, activation=files.ole_days(t - datetime.timedelta(seconds=5))),
        files.alarm_record(id=4, name="mid", display=0, state=5, activation=files.ole_days(t - datetime.timedelta(minutes=1)),
                           run_app=1, command=runs(marker_mid)),
        files.alarm_record(id=5, name="future", display=0, activation=files.ole_days(t + datetime.timedelta(days=3))),
    ]
    folder, prog, wnd, _ = start(h, "overdue", alarms, next_id=6)
    h.wait_for(lambda: marker_in.exists(), timeout=30, what="the program of the alarm within the limit")
    h.idle(wnd)
    # What is checked is that the other alarms' programs never run: started with the first, they
    # would have written their markers within these seconds.
    time.sleep(3)
    next_id, saved = exit_and_read(h, prog, wnd, folder)
    by_name = {a["name"]: a for a in saved}
    print("saved:", [(a["name"], a["state"], str(files.ole_to_datetime(a["activation"]))) for a in saved])
    expect(not marker_late.exists(), "an alarm beyond the limit runs no action")
    expect(not marker_mid.exists(), "an alarm caught mid-firing runs no action again")
    expect("gone" not in by_name, "the remove-on-completion alarm is gone")
    expect(by_name["within"]["state"] == 0, "a fired one-off alarm goes idle")
    expect(by_name["mid"]["state"] == 0, "the alarm caught mid-firing goes idle")
    beyond = files.ole_to_datetime(by_name["beyond"]["activation"])
    expect(by_name["beyond"]["state"] == 3 and t < beyond <= t + datetime.timedelta(hours=1),
           "the repeat steps to its first activation after now: %s" % beyond)
    expect(next_id == 11, "the next id grew by the five alarms read: %d" % next_id)


def round_trip(h):
    """Future alarms are read and written back byte for byte, but for the next alarm id."""
    far = files.ole_days(now() + datetime.timedelta(days=30))
    alarms = [files.alarm_record(id=7, name="n" * 300, activation=far, message="m"),
              files.alarm_record(id=8, activation=far, repeat=1, interval=7.0, enabled=0, speak=1, cd=1, track=4)]
    folder, prog, wnd, data = start(h, "roundtrip", alarms, next_id=9)
    v.wait_started(h, prog)
    h.idle(wnd)
    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)
    expected = files.data_file([CLOCK], 11, alarms)
    expect((folder / "Velmora2Dat").read_bytes() == expected, "the file is what was read, with next id 9 + 2")


def shut_down(h):
    """The session end of a shut-down alarm is asked for only after the file was saved."""
    folder, prog, wnd, _ = start(h, "shutdown", [files.alarm_record(
        id=1, name="night", display=0, shut_down=1, kind=1, force=1,
        activation=files.ole_days(now() + datetime.timedelta(seconds=2)))])
    log = folder / "shutdown.log"
    h.wait_for(lambda: log.exists(), timeout=60, what="the recorded session end")
    prog.wait_exit(timeout=60)
    expect(log.read_text().split() == ["1", "1"], "shut-down, forced: %r" % log.read_text())
    data = folder / "Velmora2Dat"
    _, saved = files.read_alarms(data.read_bytes(), CLOCKS_PART)
    expect(saved[0]["state"] == 0, "the fired alarm was saved as done")
    expect(data.stat().st_mtime <= log.stat().st_mtime, "the file was written before the session end")


def countdown_end(h):
    """A started countdown of three seconds raises its reminder when it ends."""
    timer = files.clock_record(ZONE, clock_type=1, timer_name="Eggs", interval_days=3.0 / 86400)
    folder, prog, wnd, _ = start(h, "countdown", [], clocks=(timer,))
    r = h.rect(wnd)
    h.xdotool("mousemove", r["left"] + 10, r["top"] + 10)
    h.idle(wnd)
    h.xdotool("click", 3)
    menu = h.wait_popup_menu(prog, what="the context menu")
    h.choose_menu_command(prog, menu, wnd, ids["ID_START_COUNTDOWN"])
    dlg = titled(h, prog, "Eggs", timeout=30)
    h.screenshot("velmora-countdown-reminder")
    expect(h.text(dlg, ids["IDC_ALARM_MESSAGE"]) == "Timer Completed", "the timer's message shows")
    h.click(dlg, 1)
    h.wait_gone(dlg, timeout=15)
    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)


def damaged(h):
    """A data file cut inside its alarms, and a damaged server file, are reported and left as
    they were."""
    alarms = [files.alarm_record(id=1, name="x", display=0, activation=files.ole_days(now() + datetime.timedelta(days=2)))]
    whole = files.data_file([CLOCK], 3, alarms)
    # Read whole, the data file is written again with the next id grown by its one alarm.
    rewritten = files.data_file([CLOCK], 4, alarms)
    for name, data, sntp in [("cut-alarm", whole[:-7], None),
                             ("bad-sntp", whole, b"\x02\x00\x00\x00\xff\xff\x01\x00\x0bCTimeServ")]:
        folder = v.program_folder(h, "alarms-" + name)
        (folder / "Velmora2Dat").write_bytes(data)
        if sntp is not None:
            (folder / "SntpDat").write_bytes(sntp)
        prog = h.start(folder / "Velmora.exe", cwd=folder,
                       env={"VELMORA_SHUTDOWN_LOG": win_path(folder / "shutdown.log"),
                            "VELMORA_SOUND_LOG": win_path(folder / "sound.log")})
        box = h.wait_for(lambda: v.message_boxes(h, prog), timeout=60, what="the report")
        h.screenshot("velmora-alarms-" + name)
        h.close(box[0]["hwnd"])
        wnd = h.wait_for(lambda: v.clock_windows(h, prog), timeout=60, what="the clock window")[0]["hwnd"]
        v.wait_started(h, prog)
        h.idle(wnd)
        expect(not v.message_boxes(h, prog), "%s: reported once" % name)
        h.command(wnd, ids["ID_EXIT"])
        prog.wait_exit(timeout=60)
        expect((folder / "Velmora2Dat").read_bytes() == (rewritten if sntp else data), "%s: data file as expected" % name)
        if sntp is not None:
            expect((folder / "SntpDat").read_bytes() == sntp, "%s: server file left as it was" % name)


def damaged_under_open_report(h):
    """Five alarms, the second damaged: while the report stays open the ticks go on (the first
    alarm, read before the damage, sounds under it), and the file is not written back, neither
    under the report nor at the exit: the alarms after the damage are still in it."""
    t = now()
    alarms = [files.alarm_record(id=i, name="alarm %d" % i, display=0, play_sound=1, sound="a%d.wav" % i,
                                 activation=files.ole_days(t + datetime.timedelta(seconds=2 if i == 1 else 86400)))
              for i in range(1, 6)]
    data = bytearray(files.data_file([CLOCK], 6, alarms))
    # The second alarm's class reference becomes a null object: no alarm record.
    second = len(files.data_file([CLOCK], 6, alarms[:1]))
    data[second:second + 2] = b"\x00\x00"
    data = bytes(data)
    folder = v.program_folder(h, "alarms-damaged-open-report")
    path = folder / "Velmora2Dat"
    path.write_bytes(data)
    prog = h.start(folder / "Velmora.exe", cwd=folder, env={"VELMORA_SOUND_LOG": win_path(folder / "sound.log")})
    box = h.wait_for(lambda: v.message_boxes(h, prog), timeout=60, what="the report")[0]["hwnd"]
    texts = " ".join(c["text"] for c in h.children(box))
    expect("will not be saved until" in texts, "the report says the file is kept: %r" % texts)
    h.wait_for(lambda: any("a1.wav" in line for line in sound_log(folder)), timeout=30,
               what="the first alarm sounding under the open report")
    try:
        h.wait_for(lambda: path.read_bytes() != data, timeout=5, what="the file to be written")
        written = True
    except Exception:
        written = False
    h.screenshot("velmora-alarms-damaged-open-report")
    expect(not written, "nothing is written back while the report is open")
    expect([w for w in v.message_boxes(h, prog) if w["hwnd"] == box], "the report was open all along")
    h.close(box)
    wnd = h.wait_for(lambda: v.clock_windows(h, prog), timeout=60, what="the clock window")[0]["hwnd"]
    h.idle(wnd)
    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)
    expect(path.read_bytes() == data, "the file keeps the alarms after the damage")


with Harness() as h:
    ids = h.ids("velmora")
    v.clear_registry(h)
    round_trip(h)
    notification(h)
    overdue_repeat_remove_program(h)
    shut_down(h)
    countdown_end(h)
    damaged(h)
    damaged_under_open_report(h)
print("ok")
