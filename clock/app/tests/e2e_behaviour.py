"""The clock window in use: dragging it, its context menu's commands, hiding it and bringing it back
with a double click on the tray icon, auto-hide switched on and off, the About box with auto-hide on,
and "Exit", which saves and ends the program. Menu commands are chosen by their ids from the program's resource.h."""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import velmora_e2e as v  # noqa: E402
import velmora_files as files  # noqa: E402

harness = v.harness_module(sys.argv[sys.argv.index("--source") + 1])
Harness, expect = harness.Harness, harness.expect

# The tray icon's notification message is the program's own (AppMessages.h), not a resource id.
WM_TRAY_NOTIFY = 0x800A
WM_LBUTTONDBLCLK = 0x0203
WM_ENDSESSION = 0x0016
WM_RBUTTONUP = 0x0205
WM_KEYDOWN = 0x0100
VK_ESCAPE = 0x1B


def context_command(h, prog, wnd, cmd_id, x=None, y=None):
    """Opens the context menu over a clock (the first one unless a point is given) and picks a command."""
    r = h.rect(wnd)
    # Without --sync: after a drag the pointer may already rest where the menu is asked for.
    h.xdotool("mousemove", r["left"] + 10 if x is None else x, r["top"] + 10 if y is None else y)
    h.idle(wnd)
    h.xdotool("click", 3)
    menu = h.wait_popup_menu(prog, what="the context menu")
    h.screenshot("velmora-context-menu")
    h.choose_menu_command(prog, menu, wnd, cmd_id)


def countdown(h):
    """The context menu over a stopped countdown offers "Start Countdown", which starts it."""
    folder = v.program_folder(h, "behaviour-countdown")
    zone = files.Zone("(GMT+00:00) London", 0, "GMT Standard Time")
    records = [files.clock_record(zone), files.clock_record(zone, clock_type=1, timer_name="Tea",
                                                             interval_days=90 / 86400.0, state=0)]
    (folder / "Velmora2Dat").write_bytes(files.data_file(records))
    prog, wnd = v.start_clock(h, folder)
    r = v.stable_rect(h, wnd)
    # The timer is the second item of the row: open the menu over its middle. "Pause Countdown" is
    # greyed for a stopped countdown: it is refused, and "Start Countdown" starts it.
    for cmd in (ids["ID_PAUSE_COUNTDOWN"], ids["ID_START_COUNTDOWN"]):
        context_command(h, prog, wnd, cmd, r["right"] - 20, (r["top"] + r["bottom"]) // 2)
    h.idle(wnd)
    # What is checked is that the countdown counts down: let it run a few of its seconds.
    time.sleep(3)
    h.screenshot("velmora-countdown-running")
    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)
    clocks = files.read_data_file((folder / "Velmora2Dat").read_bytes())
    timer = clocks[1]
    expect(timer["type"] == 1 and timer["state"] == 2, "the countdown runs: %r" % timer)
    expect(80 <= timer["remaining_seconds"] < 90, "the countdown counts down: %r" % timer)


def auto_hide_off_during_fade(h, prog, wnd):
    """Auto Hide switched off while the clock fades out: the fade stops and the clock stays shown."""
    h.xdotool("mousemove", 900, 900)
    h.command(wnd, ids["ID_AUTO_HIDE"])
    # The fade out starts at once (the cursor is away) and takes about four seconds: what is
    # checked is switching Auto Hide off inside it, so the test waits to a point within the fade.
    h.idle(wnd)
    time.sleep(1.5)
    expect(v.clock_windows(h, prog), "the clock is still fading when Auto Hide goes off")
    h.command(wnd, ids["ID_AUTO_HIDE"])
    h.idle(wnd)
    # What is checked is that the clock does not go: wait past the end the fade would have had.
    time.sleep(6)
    h.screenshot("velmora-auto-hide-off-during-fade")
    expect(v.clock_windows(h, prog), "the clock stays shown after Auto Hide went off during a fade")


def about_with_auto_hide(h, prog, wnd):
    """With Auto Hide on, the About box brings an auto-hidden clock back and keeps it while the box
    is open, the cursor on the box and off the clock; once the box is closed the clock fades again."""
    h.xdotool("mousemove", 900, 900)
    h.command(wnd, ids["ID_AUTO_HIDE"])
    h.wait_for(lambda: not v.clock_windows(h, prog), timeout=60, what="the clock to fade out")
    # The tray menu's "About Velmora" sends this command; the clock is hidden, its own menu out of reach.
    h.command(wnd, ids["ID_ABOUT_VELMORA"])
    about = v.titled(h, prog, "About Velmora")
    h.wait_for(lambda: v.clock_windows(h, prog), timeout=15, what="the clock to come back for the About box")
    r = h.rect(about)
    h.xdotool("mousemove", (r["left"] + r["right"]) // 2, r["top"] + 20)
    h.idle(wnd)
    # What is checked is that the clock does not fade: it stays shown, looked at all the while, past
    # the four seconds a fade would take.
    until = time.monotonic() + 6
    while time.monotonic() < until:
        expect(v.clock_windows(h, prog), "the clock stays shown while the pointer is on the About box")
        h.idle(wnd)
    h.screenshot("velmora-about-auto-hide")
    expect(v.clock_windows(h, prog), "the clock stays shown while the About box is open")
    h.click_in(about, 1)
    h.wait_gone(about, timeout=15)
    h.xdotool("mousemove", 900, 900)
    h.wait_for(lambda: not v.clock_windows(h, prog), timeout=60, what="the clock to fade out after the About box")
    h.command(wnd, ids["ID_AUTO_HIDE"])
    h.wait_for(lambda: v.clock_windows(h, prog), timeout=15, what="the clock back with Auto Hide off")


with Harness() as h:
    ids = h.ids("velmora")
    countdown(h)
    v.clear_registry(h)
    folder = v.program_folder(h, "behaviour")
    prog, wnd = v.start_clock(h, folder)
    first = v.stable_rect(h, wnd)
    w1, h1 = v.size_of(first)

    # Dragging: pressing anywhere on the clock moves the window as if by a caption.
    x0, y0 = first["left"] + w1 // 2, first["top"] + h1 // 2
    h.xdotool("mousemove", "--sync", x0, y0)
    h.xdotool("mousedown", 1)
    for step in range(1, 11):
        h.xdotool("mousemove", "--sync", x0 + 12 * step, y0 + 6 * step)
        h.sync(wnd)
    h.xdotool("mouseup", 1)
    moved = h.wait_for(lambda: (lambda r: r if r["left"] != first["left"] else None)(h.rect(wnd)),
                       timeout=15, what="the window to move")
    dx, dy = moved["left"] - first["left"], moved["top"] - first["top"]
    print("dragged by", dx, dy)
    expect(abs(dx - 120) <= 4 and abs(dy - 60) <= 4, "window follows the drag: %d,%d" % (dx, dy))
    expect(v.size_of(moved) == (w1, h1), "dragging keeps the size")

    # "Delete Clock" is greyed over the only clock: it is refused. "Add Clock" adds a clock beside it.
    context_command(h, prog, wnd, ids["ID_DELETE_CLOCK"])
    h.idle(wnd)
    expect(v.size_of(v.stable_rect(h, wnd)) == (w1, h1), "the only clock is never deleted")
    context_command(h, prog, wnd, ids["ID_ADD_CLOCK"])
    two = h.wait_for(lambda: (lambda r: r if v.size_of(r)[0] > w1 else None)(v.stable_rect(h, wnd)),
                     timeout=15, what="the window to widen")
    w2, h2 = v.size_of(two)
    expect(h2 == h1 and w2 - 5 == 2 * (w1 - 5), "two equal clocks in a row: %r then %r" % ((w1, h1), (w2, h2)))
    h.screenshot("velmora-two-clocks")

    # Hidden from the tray menu, brought back by a double click on the tray icon.
    h.command(wnd, ids["ID_HIDE_CLOCK"])
    h.wait_for(lambda: not v.clock_windows(h, prog), timeout=15, what="the clock to hide")
    others = [w for w in prog.windows() if w["class"] != v.DIALOG_CLASS]
    for w in others:
        h.post(w["hwnd"], WM_TRAY_NOTIFY, ids["IDR_TRAY_POPUP"], WM_LBUTTONDBLCLK)
    h.wait_for(lambda: v.clock_windows(h, prog), timeout=15, what="the clock to come back")

    # A right click on the tray icon opens the tray menu, the framework's pop-up menu.
    for w in others:
        h.post(w["hwnd"], WM_TRAY_NOTIFY, ids["IDR_TRAY_POPUP"], WM_RBUTTONUP)
    menu = h.wait_framework_menu(prog, what="the tray menu")
    h.screenshot("velmora-tray-menu")
    h.post(menu["hwnd"], WM_KEYDOWN, VK_ESCAPE, 1)
    h.wait_for(lambda: not h.framework_menus(prog), timeout=15, what="the tray menu to close")

    # Auto-hide: the clock fades out when the cursor leaves it and comes back when the cursor
    # rests on its place for a few seconds.
    rect = h.rect(wnd)
    h.xdotool("mousemove", 900, 900)
    h.command(wnd, ids["ID_AUTO_HIDE"])
    h.wait_for(lambda: not v.clock_windows(h, prog), timeout=60, what="the clock to fade out")
    h.xdotool("mousemove", (rect["left"] + rect["right"]) // 2, (rect["top"] + rect["bottom"]) // 2)
    h.wait_for(lambda: v.clock_windows(h, prog), timeout=30, what="the clock to come back")
    h.command(wnd, ids["ID_AUTO_HIDE"])
    auto_hide_off_during_fade(h, prog, wnd)
    about_with_auto_hide(h, prog, wnd)

    # The end of the Windows session writes the files even when the session goes on. The sweep
    # after Add Clock has written the file already: take it away to see the session end write it.
    data = folder / "Velmora2Dat"
    h.wait_for(lambda: data.exists(), timeout=30, what="the sweep to write the added clock")
    data.unlink()
    h.send(wnd, WM_ENDSESSION, 0, 0)
    expect(len(files.read_data_file_zones((folder / "Velmora2Dat").read_bytes())) == 2, "session end saved")
    expect(prog.running(), "the program goes on when the session does not end")

    # "Exit" saves and ends the program.
    context_command(h, prog, wnd, ids["ID_EXIT"])
    code = prog.wait_exit(timeout=60)
    print("exit code", code)
    saved = files.read_data_file_zones((folder / "Velmora2Dat").read_bytes())
    expect(len(saved) == 2, "both clocks saved: %r" % [n for n, _ in saved])
    expect(v.reg_query(h, v.REG_CLOCK, "Version") in ("0xe6", "230"), "settings saved at exit")
print("ok")
