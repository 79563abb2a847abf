"""The clock window in use: dragging it, its context menu's commands, hiding it and bringing it back
with a double click on the tray icon, and "Exit", which saves and ends the program."""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import velmora_e2e as v  # noqa: E402
import velmora_files as files  # noqa: E402

harness = v.harness_module(sys.argv[sys.argv.index("--source") + 1])
Harness, expect = harness.Harness, harness.expect

WM_TRAY_NOTIFY = 0x800A
TRAY_ICON_ID = 142
WM_LBUTTONDBLCLK = 0x0203
ID_HIDE_CLOCK = 32776
WM_ENDSESSION = 0x0016
WM_RBUTTONUP = 0x0205
WM_KEYDOWN = 0x0100
VK_RETURN, VK_ESCAPE, VK_UP, VK_DOWN = 0x0D, 0x1B, 0x26, 0x28
ID_AUTO_HIDE = 32878


def popup_menu(h, prog):
    menus = [w for w in prog.windows(visible_only=True) if w["class"] == "#32768"]
    return menus[0] if menus else None


def menu_keys(h, menu, keys):
    """Posts key presses to an open menu: the menu's own loop reads them whatever window has the
    keyboard focus, which a window manager may give elsewhere."""
    for vk in keys:
        h.post(menu["hwnd"], WM_KEYDOWN, vk, 1)
        time.sleep(0.1)


def context_command(h, prog, wnd, keys):
    """Opens the context menu over the first clock and picks an item with the keyboard."""
    r = h.rect(wnd)
    # Without --sync: after a drag the pointer may already rest where the menu is asked for.
    h.xdotool("mousemove", r["left"] + 10, r["top"] + 10)
    time.sleep(0.3)
    h.xdotool("click", 3)
    menu = h.wait_for(lambda: popup_menu(h, prog), timeout=15, what="the context menu")
    h.screenshot("velmora-context-menu")
    menu_keys(h, menu, keys)
    h.wait_for(lambda: popup_menu(h, prog) is None, timeout=15, what="the context menu to close")


def countdown(h):
    """The context menu over a stopped countdown offers "Start Countdown", which starts it."""
    folder = v.program_folder(h, "behaviour-countdown")
    zone = files.Zone("(GMT+00:00) London", 0, "GMT Standard Time")
    records = [files.clock_record(zone), files.clock_record(zone, clock_type=1, timer_name="Tea",
                                                             interval_days=90 / 86400.0, state=0)]
    (folder / "Velmora2Dat").write_bytes(files.data_file(records))
    prog, wnd = v.start_clock(h, folder)
    r = v.stable_rect(h, wnd)
    # The timer is the second item of the row: open the menu over its middle.
    h.xdotool("mousemove", r["right"] - 20, (r["top"] + r["bottom"]) // 2)
    time.sleep(0.3)
    h.xdotool("click", 3)
    menu = h.wait_for(lambda: popup_menu(h, prog), timeout=15, what="the timer's context menu")
    h.screenshot("velmora-countdown-menu")
    menu_keys(h, menu, [VK_DOWN] * 3 + [VK_RETURN])   # Hide Clock, Velmora Options, Start Countdown
    h.wait_for(lambda: popup_menu(h, prog) is None, timeout=15, what="the menu to close")
    time.sleep(3)
    h.screenshot("velmora-countdown-running")
    h.command(wnd, 32774)
    prog.wait_exit(timeout=60)
    clocks = files.read_data_file((folder / "Velmora2Dat").read_bytes())
    timer = clocks[1]
    expect(timer["type"] == 1 and timer["state"] == 2, "the countdown runs: %r" % timer)
    expect(80 <= timer["remaining_seconds"] < 90, "the countdown counts down: %r" % timer)


with Harness() as h:
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
        time.sleep(0.05)
    h.xdotool("mouseup", 1)
    moved = h.wait_for(lambda: (lambda r: r if r["left"] != first["left"] else None)(h.rect(wnd)),
                       timeout=15, what="the window to move")
    dx, dy = moved["left"] - first["left"], moved["top"] - first["top"]
    print("dragged by", dx, dy)
    expect(abs(dx - 120) <= 4 and abs(dy - 60) <= 4, "window follows the drag: %d,%d" % (dx, dy))
    expect(v.size_of(moved) == (w1, h1), "dragging keeps the size")

    # "Add Clock" (the seventh item below the top) adds a clock beside the first one.
    context_command(h, prog, wnd, [VK_DOWN] * 7 + [VK_RETURN])
    two = h.wait_for(lambda: (lambda r: r if v.size_of(r)[0] > w1 else None)(v.stable_rect(h, wnd)),
                     timeout=15, what="the window to widen")
    w2, h2 = v.size_of(two)
    expect(h2 == h1 and w2 - 5 == 2 * (w1 - 5), "two equal clocks in a row: %r then %r" % ((w1, h1), (w2, h2)))
    h.screenshot("velmora-two-clocks")

    # Hidden from the tray menu, brought back by a double click on the tray icon.
    h.command(wnd, ID_HIDE_CLOCK)
    h.wait_for(lambda: not v.clock_windows(h, prog), timeout=15, what="the clock to hide")
    others = [w for w in prog.windows() if w["class"] != v.DIALOG_CLASS]
    for w in others:
        h.post(w["hwnd"], WM_TRAY_NOTIFY, TRAY_ICON_ID, WM_LBUTTONDBLCLK)
    h.wait_for(lambda: v.clock_windows(h, prog), timeout=15, what="the clock to come back")

    # A right click on the tray icon opens the tray menu.
    for w in others:
        h.post(w["hwnd"], WM_TRAY_NOTIFY, TRAY_ICON_ID, WM_RBUTTONUP)
    menu = h.wait_for(lambda: popup_menu(h, prog), timeout=15, what="the tray menu")
    h.screenshot("velmora-tray-menu")
    menu_keys(h, menu, [VK_ESCAPE])
    h.wait_for(lambda: popup_menu(h, prog) is None, timeout=15, what="the tray menu to close")

    # Auto-hide: the clock fades out when the cursor leaves it and comes back when the cursor
    # rests on its place for a few seconds.
    rect = h.rect(wnd)
    h.xdotool("mousemove", 900, 900)
    h.command(wnd, ID_AUTO_HIDE)
    h.wait_for(lambda: not v.clock_windows(h, prog), timeout=60, what="the clock to fade out")
    h.xdotool("mousemove", (rect["left"] + rect["right"]) // 2, (rect["top"] + rect["bottom"]) // 2)
    h.wait_for(lambda: v.clock_windows(h, prog), timeout=30, what="the clock to come back")
    h.command(wnd, ID_AUTO_HIDE)

    # The end of the Windows session writes the files even when the session goes on.
    expect(not (folder / "Velmora2Dat").exists(), "no data file before the first save")
    h.send(wnd, WM_ENDSESSION, 0, 0)
    expect(len(files.read_data_file_zones((folder / "Velmora2Dat").read_bytes())) == 2, "session end saved")
    expect(prog.running(), "the program goes on when the session does not end")

    # "Exit" is the last item: it saves and ends the program.
    context_command(h, prog, wnd, [VK_UP, VK_RETURN])
    code = prog.wait_exit(timeout=60)
    print("exit code", code)
    saved = files.read_data_file_zones((folder / "Velmora2Dat").read_bytes())
    expect(len(saved) == 2, "both clocks saved: %r" % [n for n, _ in saved])
    expect(v.reg_query(h, v.REG_CLOCK, "Version") in ("0xe6", "230"), "settings saved at exit")
print("ok")
