"""An alarm due while another alarm's notification stays open: its sound and its program run at its
time, under the open notification, even when that notification is closed only after the lateness
limit; a second notification due meanwhile opens on top of the first. Sounds go to the recording
stand-in; the limit is set to seconds in the registry."""

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
LIMIT_SECONDS = 8

os.environ["TZ"] = os.environ.get("VELMORA_TZ", "UTC")
time.tzset()


def win_path(path):
    return "Z:" + str(path).replace("/", "\\")


def now():
    return datetime.datetime.now().replace(microsecond=0)


def start(h, name, alarms):
    folder = v.program_folder(h, "alarm-open-" + name)
    (folder / "Velmora2Dat").write_bytes(files.data_file([CLOCK], 100, alarms))
    prog = h.start(folder / "Velmora.exe", cwd=folder, env={"VELMORA_SOUND_LOG": win_path(folder / "sound.log")})
    wnd = h.wait_for(lambda: v.clock_windows(h, prog), timeout=60, what="the clock window")[0]["hwnd"]
    return folder, prog, wnd


def titled(prog, title):
    return [w["hwnd"] for w in prog.windows(visible_only=True) if w["text"] == title]


def sound_log(folder):
    p = folder / "sound.log"
    return p.read_text().splitlines() if p.exists() else []


def saved_alarms(folder):
    return files.read_alarms((folder / "Velmora2Dat").read_bytes(), CLOCKS_PART)[1]


def stays_false(h, predicate, seconds):
    try:
        h.wait_for(predicate, timeout=seconds, what="something that must not happen")
        return False
    except Exception:
        return True


def due_under_open_notification(h):
    """A shows a message and is left open; B plays a sound and runs a program five seconds later;
    C's notification, due with B, opens on top. A is closed only once B is past the limit. A is due
    well after the start, so that a slow start does not make it late."""
    t = now()
    due_a = t + datetime.timedelta(seconds=15)
    due_b = t + datetime.timedelta(seconds=20)
    folder = v.program_folder(h, "alarm-open-due")
    marker = folder / "b-ran.txt"
    alarms = [
        files.alarm_record(id=1, name="Morning", message="Wake up", activation=files.ole_days(due_a)),
        files.alarm_record(id=2, name="Kettle", display=0, play_sound=1, sound="kettle.wav", run_app=1,
                           command="cmd /c echo fired > " + win_path(marker), activation=files.ole_days(due_b)),
        files.alarm_record(id=3, name="Second note", message="On top", activation=files.ole_days(due_b)),
    ]
    folder, prog, wnd = start(h, "due", alarms)
    first = h.wait_for(lambda: titled(prog, "Morning"), timeout=60, what="A's notification")[0]

    h.wait_for(lambda: any("kettle.wav" in line for line in sound_log(folder)), timeout=30,
               what="B's sound under A's open notification")
    heard = now()
    h.wait_for(lambda: marker.exists(), timeout=30, what="B's program under A's open notification")
    ran = datetime.datetime.fromtimestamp(marker.stat().st_mtime)
    print("B due", due_b, "heard", heard, "ran", ran)
    expect(heard <= due_b + datetime.timedelta(seconds=LIMIT_SECONDS),
           "B's sound plays at its time, not after the limit: %s for %s" % (heard, due_b))
    expect(ran <= due_b + datetime.timedelta(seconds=LIMIT_SECONDS + 1),
           "B's program runs at its time: %s for %s" % (ran, due_b))

    second = h.wait_for(lambda: titled(prog, "Second note"), timeout=30, what="C's notification on top")[0]
    expect(titled(prog, "Morning") == [first], "A is still open under C")
    h.screenshot("velmora-alarm-open-notification-on-top")

    # Both stay open until B is well past the limit; nothing of B runs again when they close.
    h.wait_for(lambda: now() > due_b + datetime.timedelta(seconds=LIMIT_SECONDS + 2), timeout=30,
               what="the lateness limit to pass")
    h.click(second, 1)
    h.wait_gone(second, timeout=15)
    h.click(first, 1)
    h.wait_gone(first, timeout=15)
    h.idle(wnd)
    expect(stays_false(h, lambda: len([x for x in sound_log(folder) if "kettle.wav" in x]) > 1, 2),
           "B's sound played once: %r" % sound_log(folder))
    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)
    states = {a["name"]: a["state"] for a in saved_alarms(folder)}
    expect(states == {"Morning": 0, "Kettle": 0, "Second note": 0}, "all three fired and are done: %r" % states)


with Harness() as h:
    ids = h.ids("velmora")
    v.clear_registry(h)
    for name, value in (("UseLimit", 1), ("RunOverdue", 1), ("LimitH", 0), ("LimitM", 0), ("LimitS", LIMIT_SECONDS)):
        v.reg_set(h, v.REG_CLOCK, name, "REG_DWORD", value)
    due_under_open_notification(h)
    v.clear_registry(h)
print("ok")
