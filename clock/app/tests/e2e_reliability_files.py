"""Damaged stored values through the real program: alarms due all at once show three notifications
at a time and Exit waits for the open ones; alarms whose times are no dates, or whose shut-down kind is
unknown, are told once and never fire (nor end the session); a default countdown whose registry
times are no times never ends; a long message shows; a damaged clock font falls back to a readable
one; two hundred clocks keep the window's corner on the screen; a damaged server file is reported
with what it means for saving, and so is a data file of another version, while random bytes in the
version word are reported as damage. Sounds and the session end go to recording stand-ins."""

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
REG_DEFCLOCK = v.REG_ROOT + r"\Velmora\DefClock"
NAN = float("nan")

os.environ["TZ"] = os.environ.get("VELMORA_TZ", "UTC")
time.tzset()


def long_cstring(text):
    """The archive's string form with its 32-bit length for texts of 65,534 characters or more."""
    data = text.encode("latin-1")
    if len(data) < 0xFFFE:
        return short_cstring(text)
    return b"\xff\xff\xff" + struct.pack("<I", len(data)) + data


short_cstring = files.cstring
files.cstring = long_cstring


def win_path(path):
    return "Z:" + str(path).replace("/", "\\")


def now():
    return datetime.datetime.now().replace(microsecond=0)


def start(h, name, alarms=(), clocks=(CLOCK,), data=None, extra=None):
    folder = v.program_folder(h, "reliable-" + name)
    (folder / "Velmora2Dat").write_bytes(data if data is not None else files.data_file(list(clocks), 100, alarms))
    for file_name, content in (extra or {}).items():
        (folder / file_name).write_bytes(content)
    env = {"VELMORA_SOUND_LOG": win_path(folder / "sound.log"),
           "VELMORA_SHUTDOWN_LOG": win_path(folder / "shutdown.log")}
    prog = h.start(folder / "Velmora.exe", cwd=folder, env=env)
    return folder, prog


def clock_window(h, prog):
    return h.wait_for(lambda: v.clock_windows(h, prog), timeout=60, what="the clock window")[0]["hwnd"]


def titled(prog, title):
    return [w["hwnd"] for w in prog.windows(visible_only=True) if w["text"] == title]


def sound_log(folder):
    p = folder / "sound.log"
    return p.read_text().splitlines() if p.exists() else []


def stays_false(h, predicate, seconds):
    """True when predicate never holds within the given seconds: for what must not happen."""
    try:
        h.wait_for(predicate, timeout=seconds, what="something that must not happen")
        return False
    except Exception:
        return True


def exit_program(h, prog, wnd):
    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)


def three_at_a_time(h):
    """Twelve notifications due at once: three open, one on top of another; closing one opens the
    next; Exit while three are open ends the program once those three are closed, and the eight that
    never showed are kept armed, so that the next start shows them."""
    due = files.ole_days(now() + datetime.timedelta(seconds=3))
    alarms = [files.alarm_record(id=i, name="due", message="number %d" % i, activation=due, remove=1)
              for i in range(12)]
    folder, prog = start(h, "queue", alarms)
    wnd = clock_window(h, prog)
    h.wait_for(lambda: len(titled(prog, "due")) == 3, timeout=30, what="three notifications")
    expect(stays_false(h, lambda: len(titled(prog, "due")) > 3, 3), "never more than three")
    h.screenshot("velmora-alarm-three-notifications")
    # The last one opened is the one on top: its loop is the one that runs.
    messages = {x: h.text(x, ids["IDC_ALARM_MESSAGE"]) for x in titled(prog, "due")}
    top = [x for x, m in messages.items() if m == "number 2"]
    expect(sorted(messages.values()) == ["number 0", "number 1", "number 2"], "the first three: %r" % messages)
    h.click(top[0], 1)
    h.wait_gone(top[0], timeout=15)
    h.wait_for(lambda: "number 3" in [h.text(x, ids["IDC_ALARM_MESSAGE"]) for x in titled(prog, "due")],
               timeout=30, what="the fourth in the place of the one closed")
    expect(len(titled(prog, "due")) == 3, "still three")
    h.command(wnd, ids["ID_EXIT"])
    expect(stays_false(h, lambda: not prog.running(), 2), "Exit waits for the open notifications")
    opened = {x: h.text(x, ids["IDC_ALARM_MESSAGE"]) for x in titled(prog, "due")}
    for x in sorted(opened, key=lambda k: opened[k], reverse=True):
        h.click(x, 1)
        h.wait_gone(x, timeout=15)
    prog.wait_exit(timeout=60)
    _, saved = files.read_alarms((folder / "Velmora2Dat").read_bytes(), files.data_file([CLOCK])[:-8])
    waiting = sorted(a["message"] for a in saved if a["state"] == 3)
    expect(waiting == sorted("number %d" % i for i in range(4, 12)),
           "the eight never shown are kept armed: %r" % [(a["message"], a["state"]) for a in saved])


def unusable_alarms(h):
    """Activations that are no dates and an unknown shut-down kind: told once, by name; none fires
    or ends the session; the file keeps them."""
    t = now()
    soon = files.ole_days(t + datetime.timedelta(seconds=2))
    alarms = [
        files.alarm_record(id=1, name="not a number", activation=NAN, play_sound=1, sound="nan.wav"),
        files.alarm_record(id=2, name="infinite", activation=float("inf"), play_sound=1, sound="inf.wav"),
        files.alarm_record(id=3, name="far", activation=1e300, play_sound=1, sound="far.wav"),
        files.alarm_record(id=4, name="year nought", activation=-693959.0, play_sound=1, sound="y0.wav"),
        files.alarm_record(id=5, name="odd kind", activation=soon, display=0, shut_down=1, kind=0x7FFFFFFF,
                           play_sound=1, sound="kind.wav"),
        files.alarm_record(id=6, name="repeat nan", activation=soon, repeat=1, interval=NAN, play_sound=1,
                           sound="rnan.wav"),
        files.alarm_record(id=7, name="good", activation=files.ole_days(t + datetime.timedelta(seconds=4)),
                           display=0, play_sound=1, sound="good.wav"),
    ]
    folder, prog = start(h, "unusable", alarms)
    box = h.wait_for(lambda: v.message_boxes(h, prog), timeout=60, what="the report")[0]["hwnd"]
    texts = " ".join(c["text"] for c in h.children(box))
    h.screenshot("velmora-reliable-unusable-alarms")
    for name in ("not a number", "infinite", "far", "year nought", "odd kind", "repeat nan"):
        expect(name in texts, "%r is named: %r" % (name, texts))
    expect("good" not in texts, "the good alarm is not named")
    h.close(box)
    wnd = clock_window(h, prog)
    h.wait_for(lambda: any("good.wav" in line for line in sound_log(folder)), timeout=30, what="the good alarm")
    h.wait_for(lambda: any("kind.wav" in line for line in sound_log(folder)), timeout=30,
               what="the alarm of the unknown kind sounding")
    expect(stays_false(h, lambda: v.message_boxes(h, prog), 3), "told once")
    log = sound_log(folder)
    for sound in ("nan.wav", "inf.wav", "far.wav", "y0.wav", "rnan.wav"):
        expect(not any(sound in line for line in log), "%s never sounds: %r" % (sound, log))
    expect(not (folder / "shutdown.log").exists(), "no session end for an unknown kind")
    exit_program(h, prog, wnd)
    _, saved = files.read_alarms((folder / "Velmora2Dat").read_bytes(), files.data_file([CLOCK])[:-8])
    names = [a["name"] for a in saved]
    expect(all(n in names for n in ("not a number", "infinite", "far", "year nought", "repeat nan")),
           "the file keeps them: %r" % names)


def damaged_default_countdown(h):
    """A default countdown whose registry times are not numbers: the window's one clock copies it
    and never ends; Exit completes."""
    for label, value in (("nan", NAN), ("inf", float("inf")), ("huge", 1e300)):
        v.clear_registry(h)
        v.reg_set(h, REG_DEFCLOCK, "ClockType", "REG_DWORD", 1)
        raw = struct.pack("<dI", value, 0).hex()
        v.reg_set(h, REG_DEFCLOCK, "TimeInterval", "REG_BINARY", raw)
        v.reg_set(h, REG_DEFCLOCK, "TargetTime", "REG_BINARY", raw)
        folder = v.program_folder(h, "reliable-defcountdown-" + label)
        prog = h.start(folder / "Velmora.exe", cwd=folder, env={"VELMORA_SOUND_LOG": win_path(folder / "sound.log")})
        wnd = clock_window(h, prog)
        expect(stays_false(h, lambda: titled(prog, "Countdown..."), 4), "%s: the countdown never ends" % label)
        exit_program(h, prog, wnd)
    v.clear_registry(h)


def long_message(h):
    """A message of 70,000 characters shows whole; the clock goes on ticking."""
    words = ("tick tock " * 5000) + ("x" * 20000)
    due = files.ole_days(now() + datetime.timedelta(seconds=2))
    folder, prog = start(h, "long", [files.alarm_record(id=1, name="long one", message=words, activation=due)])
    wnd = clock_window(h, prog)
    dlg = h.wait_for(lambda: titled(prog, "long one"), timeout=60, what="the long notification")[0]
    h.screenshot("velmora-reliable-long-message")
    shown = h.text(dlg, ids["IDC_ALARM_MESSAGE"])
    expect(len(words) == 70000, "the message is 70,000 characters")
    expect(shown.replace("\r\n", "").replace(" ", "") == words.replace(" ", ""),
           "the whole message shows (%d characters shown)" % len(shown))
    h.click(dlg, 1)
    h.wait_gone(dlg, timeout=30)
    exit_program(h, prog, wnd)


def fallback_font(h):
    """A "ClockFont" of one pixel: the clock is drawn in the default font, at a readable size."""
    v.clear_registry(h)
    logfont = bytearray(files.arial_logfont())
    logfont[0:4] = struct.pack("<i", 1)
    v.reg_set(h, REG_DEFCLOCK, "ClockFont", "REG_BINARY", bytes(logfont).hex())
    folder = v.program_folder(h, "reliable-font")
    prog = h.start(folder / "Velmora.exe", cwd=folder)
    wnd = clock_window(h, prog)
    r = v.stable_rect(h, wnd)
    width, height = v.size_of(r)
    h.screenshot("velmora-reliable-font")
    expect(height >= 30 and width >= 60, "a readable clock: %dx%d" % (width, height))
    exit_program(h, prog, wnd)
    v.clear_registry(h)


def many_clocks(h):
    """Two hundred clocks side by side: wider than the screen, the window keeps its corner on it."""
    folder, prog = start(h, "many", clocks=[CLOCK] * 200)
    wnd = clock_window(h, prog)
    r = v.stable_rect(h, wnd)
    h.screenshot("velmora-reliable-many-clocks")
    expect(r["right"] - r["left"] > 2000, "wider than the screen: %r" % r)
    expect(r["left"] >= 0 and r["top"] >= 0, "the top-left corner is on the screen: %r" % r)
    exit_program(h, prog, wnd)


def damaged_server_file(h):
    """A damaged "SntpDat" is reported once with what it means: changes to it are not saved."""
    sntp = b"\x02\x00\x00\x00\xff\xff\x01\x00\x0bCTimeServ"
    folder, prog = start(h, "sntp", extra={"SntpDat": sntp})
    box = h.wait_for(lambda: v.message_boxes(h, prog), timeout=60, what="the report")[0]["hwnd"]
    texts = " ".join(c["text"] for c in h.children(box))
    expect("will not be saved until" in texts and "SntpDat" in texts and "moved aside" in texts,
           "the report says what it means: %r" % texts)
    h.close(box)
    wnd = clock_window(h, prog)
    expect(stays_false(h, lambda: v.message_boxes(h, prog), 2), "reported once")
    exit_program(h, prog, wnd)
    expect((folder / "SntpDat").read_bytes() == sntp, "the damaged file is left as it was")


def other_version_data_file(h):
    """A data file of another version is kept for that version, and the user is told that what is
    added now is not saved; random bytes are damage, not a version, and are reported as such."""
    cases = (("version", b"\x02\x00\x00\x00" + files.data_file([CLOCK], 100, [])[4:], True),
             ("random", bytes.fromhex("9c3fa17e12e05b77c4d0"), False))
    for name, data, another_version in cases:
        folder, prog = start(h, "data-" + name, data=data)
        box = h.wait_for(lambda: v.message_boxes(h, prog), timeout=60, what="the report")[0]["hwnd"]
        texts = " ".join(c["text"] for c in h.children(box))
        expect(("Alarm Datafile incorrect version" in texts) == another_version,
               "%s: which report: %r" % (name, texts))
        if another_version:
            expect(texts.index("Alarm Datafile incorrect version") < texts.index("will not be saved until"),
                   "the version's message first: %r" % texts)
        expect("will not be saved until" in texts and "Velmora2Dat" in texts and "moved aside" in texts,
               "%s: the report says what it means: %r" % (name, texts))
        h.close(box)
        wnd = clock_window(h, prog)
        # A clock added now lives in memory only.
        h.command(wnd, ids["ID_ADD_CLOCK"])
        h.idle(wnd)
        exit_program(h, prog, wnd)
        expect((folder / "Velmora2Dat").read_bytes() == data, "%s: the file is left as it was" % name)


with Harness() as h:
    ids = h.ids("velmora")
    v.clear_registry(h)
    three_at_a_time(h)
    unusable_alarms(h)
    long_message(h)
    damaged_default_countdown(h)
    fallback_font(h)
    many_clocks(h)
    damaged_server_file(h)
    other_version_data_file(h)
print("ok")
