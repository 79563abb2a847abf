"""Countdown and event timers made through the "Event Timer" dialog: Cancel of "Add Timer" adds
nothing; a 5-second countdown made through the dialog is started from the context menu, counts to
0, raises its reminder and is saved reset and stopped; "Amend Timer" shows the timer's values.
Without a speech character "Speak Message" is greyed. The data file is checked by a decoder of the
clock record's stored layout."""

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
TZI_BYTES = 172
LOGFONT_BYTES = 60


class Reader:
    def __init__(self, data, pos=0):
        self.data, self.pos = data, pos

    def ints(self, k):
        v_ = struct.unpack_from("<%di" % k, self.data, self.pos)
        self.pos += 4 * k
        return v_

    def text(self):
        n = self.data[self.pos]
        self.pos += 1
        if n == 0xFF:
            (n,) = struct.unpack_from("<H", self.data, self.pos)
            self.pos += 2
        s = self.data[self.pos:self.pos + n].decode("latin-1")
        self.pos += n
        return s

    def time_value(self):
        status, days = struct.unpack_from("<id", self.data, self.pos)
        self.pos += 12
        return status, days

    def skip(self, n):
        self.pos += n


def read_clocks(data):
    """The clocks of a clocks-and-alarms file: version, count, then schema-6 CClock records."""
    r = Reader(data)
    version, count = r.ints(2)
    assert version == 1
    clocks = []
    for _ in range(count):
        (tag,) = struct.unpack_from("<H", data, r.pos)
        r.skip(2)
        if tag == 0xFFFF:
            schema, n = struct.unpack_from("<HH", data, r.pos)
            r.skip(4 + n)
            assert schema == 6
        c = {}
        r.text()
        r.text()
        r.ints(2)
        r.skip(LOGFONT_BYTES + TZI_BYTES)
        c["zone"] = r.text()
        r.ints(4)
        (c["type"],) = r.ints(1)
        c["target"] = r.time_value()[1]
        c["interval"] = r.time_value()[1]
        c["name"] = r.text()
        (c["display"],) = r.ints(1)
        c["message"] = r.text()
        (c["play_sound"],) = r.ints(1)
        c["sound"] = r.text()
        (c["state"],) = r.ints(1)
        c["remaining"] = r.time_value()[1]
        r.ints(2)
        r.text()
        (c["flags"],) = r.ints(1)
        r.ints(1)
        clocks.append(c)
    return clocks


def seconds(days):
    return round(days * 86400)


def right_click_command(h, prog, wnd, dx, dy, cmd):
    r = h.rect(wnd)
    h.xdotool("mousemove", r["left"] + dx, r["top"] + dy)
    h.idle(wnd)
    h.xdotool("click", 3)
    menu = h.wait_popup_menu(prog, what="the context menu")
    h.choose_menu_command(prog, menu, wnd, cmd)


def titled(h, prog, title, timeout=30):
    return h.wait_for(lambda: [w for w in prog.windows(visible_only=True) if w["text"] == title],
                      timeout=timeout, what="the window %r" % title)[0]["hwnd"]


def countdown(h):
    folder = v.program_folder(h, "timers-countdown")
    (folder / "Velmora2Dat").write_bytes(files.data_file([CLOCK]))
    prog, wnd = v.start_clock(h, folder)
    before = v.stable_rect(h, wnd)

    # Cancel adds nothing.
    right_click_command(h, prog, wnd, 10, 10, ids["ID_ADD_TIMER"])
    dlg = titled(h, prog, "Event Timer")
    h.screenshot("velmora-event-timer-dialog")
    expect(h.check_state(dlg, ids["IDC_TIMER_KIND"]) == 1, "a new timer starts as a countdown")
    # The prefix has no speech character: nothing would speak the message.
    expect(not h.info(dlg, ids["IDC_TIMER_SPEAK"])["enabled"], "Speak Message is greyed without a character")
    h.click_in(dlg, ids["IDC_TIMER_SPEAK"], dx=6)
    h.idle(dlg)
    expect(h.check_state(dlg, ids["IDC_TIMER_SPEAK"]) == 0, "a click does not check the greyed Speak Message")
    h.click(dlg, 2)
    h.wait_gone(dlg, timeout=15)

    # A 5-second countdown with its message.
    right_click_command(h, prog, wnd, 10, 10, ids["ID_ADD_TIMER"])
    dlg = titled(h, prog, "Event Timer")
    h.click_in(dlg, ids["IDC_TIMER_NAME"])
    h.key("End", "shift+Home", "BackSpace")
    h.type_text("Eggs")
    h.dtset(dlg, ids["IDC_TIMER_COUNTDOWN"], "2024-01-01 00:00:05")
    if h.check_state(dlg, ids["IDC_TIMER_SHOW_MESSAGE"]) != 1:
        h.click(dlg, ids["IDC_TIMER_SHOW_MESSAGE"])
    h.wait_for(lambda: h.check_state(dlg, ids["IDC_TIMER_SHOW_MESSAGE"]) == 1, what="Display Message checked")
    h.click_in(dlg, ids["IDC_TIMER_MESSAGE"])
    h.key("ctrl+End", "ctrl+shift+Home", "BackSpace")
    h.type_text("Eggs are ready")
    h.screenshot("velmora-event-timer-filled")
    h.click_in(dlg, 1)
    h.wait_gone(dlg, timeout=15)

    after = v.stable_rect(h, wnd)
    expect(v.size_of(after) != v.size_of(before), "the window grew by the timer: %r -> %r" % (before, after))
    # The timer is the last item, right of the clock: start it from its own context menu.
    w_, h_ = v.size_of(after)
    right_click_command(h, prog, wnd, w_ - 15, 12, ids["ID_START_COUNTDOWN"])
    start = time.monotonic()
    note = titled(h, prog, "Eggs", timeout=30)
    took = time.monotonic() - start
    h.screenshot("velmora-countdown-done")
    expect(h.text(note, ids["IDC_ALARM_MESSAGE"]) == "Eggs are ready", "the timer's message shows")
    expect(3 <= took <= 15, "the reminder comes when the countdown is through: %.1f s" % took)
    h.click(note, 1)
    h.wait_gone(note, timeout=15)

    # Amend shows the stored values; Cancel keeps them.
    right_click_command(h, prog, wnd, w_ - 15, 12, ids["ID_AMEND_TIMER"])
    dlg = titled(h, prog, "Event Timer")
    expect(h.text(dlg, ids["IDC_TIMER_NAME"]) == "Eggs", "amend shows the name")
    expect(h.dtget(dlg, ids["IDC_TIMER_COUNTDOWN"]).endswith("00:00:05"), "and the interval: %s" % h.dtget(dlg, ids["IDC_TIMER_COUNTDOWN"]))
    h.screenshot("velmora-amend-timer")
    h.click(dlg, 2)
    h.wait_gone(dlg, timeout=15)

    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)
    clocks = read_clocks((folder / "Velmora2Dat").read_bytes())
    print("clocks:", clocks)
    expect(len(clocks) == 2, "one timer was added, none by the cancelled dialog")
    t = clocks[1]
    expect(t["type"] == 1 and t["name"] == "Eggs" and t["message"] == "Eggs are ready" and t["display"] == 1,
           "the countdown's fields are stored")
    expect(seconds(t["interval"]) == 5, "its interval is 5 s")
    expect(t["state"] == 0 and seconds(t["remaining"]) == 5, "it was reset and stopped: %r" % t)


with Harness() as h:
    ids = h.ids("velmora")
    v.clear_registry(h)
    countdown(h)
print("ok")
