"""Speech through the recording stand-in of the character server: the start-up greeting, "Say the
Time" at a set time with the voice tags on every alternative, whispering in quiet hours, the
speaking clock at its frequency, and an alarm that speaks. Without the stand-in there is no Agent:
the Agent items are missing from the context menu and "EnableAgent" is switched off."""

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
VOICE = "\\Vol=65535\\\\Pit=50\\\\Spd=150\\"
WHISPER = '\\Chr="Whisper"\\'
PRE_TIME = "The time is |" + VOICE + "The time is now |" + VOICE + " It is now "

os.environ["TZ"] = os.environ.get("VELMORA_TZ", "UTC")
time.tzset()


def win_path(path):
    return "Z:" + str(path).replace("/", "\\")


def start(h, name, settings, speech_now=None, stand_in=True, alarms=()):
    v.clear_registry(h)
    folder = v.program_folder(h, "speech-" + name)
    (folder / "Velmora2Dat").write_bytes(files.data_file([CLOCK], len(alarms) + 1, list(alarms)))
    (folder / "Robin.acs").write_bytes(b"character")
    values = {"EnableAgent": 1, "AgentPath": win_path(folder), "AgentFile": "Robin.acs", "StartupTime": 0}
    values.update(settings)
    for key, value in values.items():
        kind = "REG_SZ" if isinstance(value, str) else "REG_DWORD"
        v.reg_set(h, v.REG_CLOCK, key, kind, value)
    env = {}
    if stand_in:
        env["VELMORA_AGENT_LOG"] = win_path(folder / "agent.log")
    if speech_now is not None:
        env["VELMORA_AGENT_NOW"] = speech_now
    prog = h.start(folder / "Velmora.exe", cwd=folder, env=env)
    wnd = h.wait_for(lambda: v.clock_windows(h, prog), timeout=60, what="the clock window")[0]["hwnd"]
    return folder, prog, wnd


def agent_log(folder):
    p = folder / "agent.log"
    return p.read_text().splitlines() if p.exists() else []


def spoken(folder):
    return [line[len("speak Character1 "):] for line in agent_log(folder) if line.startswith("speak Character1 ")]


def wait_log(h, folder, line, what):
    return h.wait_for(lambda: line in agent_log(folder), timeout=30, what=what)


def context_menu_height(h, prog, wnd):
    r = h.rect(wnd)
    h.xdotool("mousemove", r["left"] + 10, r["top"] + 10)
    h.idle(wnd)
    h.xdotool("click", 3)
    menu = h.wait_popup_menu(prog, what="the context menu")
    height = h.rect(menu["hwnd"])["bottom"] - h.rect(menu["hwnd"])["top"]
    h.post(menu["hwnd"], 0x0100, 0x1B, 1)  # Escape
    h.wait_for(lambda: not h.popup_menus(prog), timeout=15, what="the context menu to close")
    return height


def exit_program(h, prog, wnd):
    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)


def greeting_say_time_clock_and_alarm(h):
    """At a set 13:04:40 every 5 minutes: the greeting, "Say the Time", the clock at 13:05, an alarm."""
    due = datetime.datetime.now().replace(microsecond=0) + datetime.timedelta(seconds=14)
    alarm = files.alarm_record(id=1, name="Pills", message="Take 100% of the %s pills", display=0, speak=1,
                               activation=files.ole_days(due))
    folder, prog, wnd = start(h, "say", {"TimeFreq": 4}, speech_now="2026-12-09 13:04:40", alarms=[alarm])
    wait_log(h, folder, "hide Character1", "the greeting")
    log = agent_log(folder)
    print("\n".join(log))
    expect(log[0] == "load Character1 " + win_path(folder / "Robin.acs") + " ok", "the character file loads")
    expect(spoken(folder) == [VOICE + "Hi there. Nice to see you again.|" + VOICE + "Hello again."],
           "the greeting carries the voice tags on both alternatives")
    menu_with = context_menu_height(h, prog, wnd)
    h.screenshot("velmora-speech-context-menu")

    h.command(wnd, ids["ID_SAY_TIME"])
    said = h.wait_for(lambda: VOICE + "1:04." in spoken(folder) and spoken(folder), timeout=15,
                      what="the time to be said")
    at = said.index(VOICE + "1:04.")
    expect(said[at - 1] == VOICE + PRE_TIME, "Say the Time: %r" % said[at - 1:at + 1])

    # The speaking clock at 13:05, and only then.
    h.wait_for(lambda: VOICE + "1:05." in spoken(folder), timeout=30, what="the speaking clock at 1:05")
    # The alarm speaks its sequence.
    h.wait_for(lambda: "play Character1 ReadReturn" in agent_log(folder), timeout=40, what="the alarm's speech")
    log = agent_log(folder)
    start_at = max(i for i, line in enumerate(log) if line == "play Character1 Announce")
    sequence = [line for line in log[start_at:] if not line.startswith("effects ")][:6]
    print("\n".join(sequence))
    expect(sequence == ["play Character1 Announce",
                        "speak Character1 " + VOICE + "This is an Alarm Message!|" + VOICE +
                        "I have an Alarm Message for you!",
                        "play Character1 Read",
                        "speak Character1 " + VOICE + "Take 100% of the %s pills",
                        "play Character1 ReadReturn",
                        "hide Character1"],
           "the alarm's sequence: %r" % sequence)
    expect(log[start_at - 2:start_at] == ["show Character1", "play Character1 RestPose"],
           "the character shows before the alarm")
    expect(spoken(folder).count(VOICE + "1:05.") == 1, "the clock spoke once at 1:05")
    expect(not [s for s in spoken(folder) if s.endswith("1:06.")], "and not at 1:06")

    # The About box: the character introduces the program while it shows.
    h.command(wnd, ids["ID_ABOUT_VELMORA"])
    about = h.find(title="About Velmora", timeout=20)
    h.wait_for(lambda: "play Character1 Search" in agent_log(folder), timeout=20, what="the introduction")
    log = agent_log(folder)
    intro = log[max(i for i, line in enumerate(log) if line == "play Character1 DoMagic1") - 1:]
    intro = [line for line in intro if not line.startswith("effects ")]
    print("\n".join(intro))
    expect(intro[:6] == ["play Character1 RestPose", "play Character1 DoMagic1", "play Character1 DoMagic2",
                         "play Character1 RestPose", "play Character1 Read",
                         "speak Character1 " + VOICE + "This is Velmora Clock Version 2.34, Build 12"],
           "the introduction opens with its animations and the title: %r" % intro)
    h.wait_for(lambda: "speak Character1 " + VOICE + "To download the latest version, please visit our Website."
               in agent_log(folder), timeout=20, what="the introduction's last sentence")
    h.winctl("close", about)
    exit_program(h, prog, wnd)
    return menu_with


def quiet_hours(h):
    """At a set 23:30 in quiet hours from 22:00 to 07:00: "Say the Time" whispers."""
    folder, prog, wnd = start(h, "quiet", {"QuietTimeStartHour": 22, "QuietTimeEndHour": 7, "QuietType": 2,
                                           "PreTime": "It is |Now "}, speech_now="2026-12-09 23:30:05")
    wait_log(h, folder, "hide Character1", "the greeting")
    h.command(wnd, ids["ID_SAY_TIME"])
    h.wait_for(lambda: len(spoken(folder)) >= 3, timeout=15, what="the time to be said")
    print("\n".join(agent_log(folder)))
    expect(spoken(folder)[1:3] == [WHISPER + "It is |" + WHISPER + "Now ", WHISPER + "11:30."],
           "whispered: %r" % spoken(folder)[1:3])
    expect("effects Character1 off" in agent_log(folder), "sound effects off in quiet hours")
    exit_program(h, prog, wnd)


def without_agent(h, menu_with):
    """No stand-in, no Agent under Wine: nothing of the Agent in the menu, and speech is switched off."""
    folder, prog, wnd = start(h, "missing", {}, stand_in=False)
    v.wait_started(h, prog)
    menu_without = context_menu_height(h, prog, wnd)
    h.screenshot("velmora-speech-no-agent-menu")
    print("context menu heights: with a character %d, without the Agent %d" % (menu_with, menu_without))
    expect(menu_without < menu_with, "the Agent items are absent without the Agent")
    h.command(wnd, ids["ID_SAY_TIME"])
    exit_program(h, prog, wnd)
    expect(not (folder / "agent.log").exists(), "nothing is recorded")
    expect(v.reg_query(h, v.REG_CLOCK, "EnableAgent") == "0x0", "EnableAgent is switched off")


with Harness() as h:
    ids = h.ids("velmora")
    menu_with = greeting_say_time_clock_and_alarm(h)
    quiet_hours(h)
    without_agent(h, menu_with)
print("ok")
