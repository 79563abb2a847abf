"""The tray menu in use: a right click on the tray icon opens the framework's pop-up menu at the
cursor; the keys, handed on by the clock window, move its highlight and Return runs "Hide Clock";
with the clock hidden, the greyed "Hide Clock" stays greyed and runs nothing, and "Show Clock"
brings the clock back. "Auto Hide" fades the clock out, shows checked in the menu and, chosen
again, brings the clock back; "Show Alarms List" in the "Alarms" sub-menu opens the alarms dialog.
Screenshots of the menu are left in the build tree."""

import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import velmora_e2e as v  # noqa: E402

harness = v.harness_module(sys.argv[sys.argv.index("--source") + 1])
Harness, expect = harness.Harness, harness.expect

# The tray icon's notification message is the program's own (AppMessages.h), not a resource id.
WM_TRAY_NOTIFY = 0x800A
WM_RBUTTONUP = 0x0205
WM_KEYDOWN = 0x0100
VK_RETURN, VK_ESCAPE, VK_HOME, VK_END, VK_RIGHT, VK_DOWN = 0x0D, 0x1B, 0x24, 0x23, 0x27, 0x28


def open_tray_menu(h, prog, ids, at):
    """Right click on the tray icon with the cursor at `at`: the tray window hears it from the shell."""
    # From beside the point, so that the move to it is a move and can be waited for.
    h.xdotool("mousemove", at[0] + 5, at[1] + 5)
    h.xdotool("mousemove", "--sync", *at)
    for w in prog.windows():
        if w["class"] != v.DIALOG_CLASS:
            h.post(w["hwnd"], WM_TRAY_NOTIFY, ids["IDR_TRAY_POPUP"], WM_RBUTTONUP)
    menu = h.wait_framework_menu(prog, what="the tray menu")
    expect(not h.popup_menus(prog), "the tray menu is the framework's, not the system's")
    return menu


def check_column(shot, rect):
    """The colours of the menu's left column, where the check marks are drawn, by (x, y) offset."""
    left, top = rect["left"] + 2, rect["top"] + 2
    width, height = 22, rect["bottom"] - rect["top"] - 4
    out = subprocess.run(["convert", str(shot), "-crop", "%dx%d+%d+%d" % (width, height, left, top), "+repage",
                          "-depth", "8", "txt:-"], stdout=subprocess.PIPE, check=True).stdout.decode()
    colours = {}
    for line in out.splitlines()[1:]:
        place, _, rest = line.partition(":")
        hex_part = [w for w in rest.split() if w.startswith("#")]
        if hex_part:
            x, y = (int(c) for c in place.split(","))
            colours[(x, y)] = hex_part[0][:7].upper()
    return colours


def menu_shot(h, prog, ids, at, name):
    """Opens the tray menu at `at`, moves the pointer off it and returns the menu and its screenshot."""
    menu = open_tray_menu(h, prog, ids, at)
    h.xdotool("mousemove", at[0] - 60, at[1] + 5)
    h.idle(menu["hwnd"])
    return menu, h.settled_screenshot(name, menu["rect"])


def keys_to(h, menu, *keys):
    """Posts the keys to the menu one by one, each taken before the next is sent."""
    for k in keys:
        h.post(menu["hwnd"], WM_KEYDOWN, k, 1)
        h.idle(menu["hwnd"])


with Harness() as h:
    ids = h.ids("velmora")
    v.clear_registry(h)
    folder = v.program_folder(h, "tray-menu")
    prog, wnd = v.start_clock(h, folder)
    v.stable_rect(h, wnd)

    # At the cursor.
    menu = open_tray_menu(h, prog, ids, (300, 200))
    r = menu["rect"]
    expect(abs(r["left"] - 300) <= 1 and abs(r["top"] - 200) <= 1, "the menu opens at the cursor: %r" % r)
    h.idle(menu["hwnd"])
    h.screenshot("velmora-tray-framework-menu")

    # The keys of the keyboard go to the clock window, which hands them to the menu: Home, Down
    # and Return choose the second item, "Hide Clock".
    h.key("Home", "Down")
    h.idle(menu["hwnd"])
    h.screenshot("velmora-tray-menu-highlight")
    h.key("Return")
    h.wait_for(lambda: not h.framework_menus(prog), timeout=15, what="the tray menu to close")
    h.wait_for(lambda: not v.clock_windows(h, prog), timeout=15, what="the clock to hide")

    # Hidden: "Hide Clock" is greyed and choosing it runs nothing.
    menu = open_tray_menu(h, prog, ids, (320, 220))
    h.idle(menu["hwnd"])
    h.screenshot("velmora-tray-menu-clock-hidden")
    keys_to(h, menu, VK_HOME, VK_DOWN, VK_RETURN)
    expect(prog.running(), "the greyed item ended nothing")
    expect(not v.clock_windows(h, prog), "the greyed item ran nothing")
    for m in h.framework_menus(prog):
        h.post(m["hwnd"], WM_KEYDOWN, VK_ESCAPE, 1)
    h.wait_for(lambda: not h.framework_menus(prog), timeout=15, what="the tray menu to close")

    # "Show Clock", the first item, brings the clock back.
    menu = open_tray_menu(h, prog, ids, (340, 240))
    keys_to(h, menu, VK_HOME, VK_RETURN)
    h.wait_for(lambda: v.clock_windows(h, prog), timeout=15, what="the clock to come back")

    # "Auto Hide", the third item after the separator, chosen with the pointer away from the clock:
    # the clock fades out. Opened again, the menu shows the item checked (its check column changes in
    # one row only), and choosing it again switches auto-hide off, which brings the clock back.
    at = (360, 260)
    cr = h.rect(wnd)
    expect(not (cr["left"] - 70 <= at[0] <= cr["right"] and cr["top"] <= at[1] <= cr["bottom"]),
           "the pointer rests away from the clock: %r" % cr)
    menu, shot_off = menu_shot(h, prog, ids, at, "velmora-tray-menu-auto-hide-off")
    unchecked = check_column(shot_off, menu["rect"])
    keys_to(h, menu, VK_HOME, VK_DOWN, VK_DOWN, VK_RETURN)
    h.wait_for(lambda: not h.framework_menus(prog), timeout=15, what="the tray menu to close")
    h.wait_for(lambda: not v.clock_windows(h, prog), timeout=30, what="the clock to fade out with Auto Hide on")
    menu, shot_on = menu_shot(h, prog, ids, at, "velmora-tray-menu-auto-hide-on")
    checked = check_column(shot_on, menu["rect"])
    changed = sorted({y for (x, y), c in checked.items() if unchecked.get((x, y)) != c})
    expect(changed and changed[-1] - changed[0] < 20,
           "\"Auto Hide\" shows checked in one row of the check column: rows %r" % changed)
    expect(changed[0] > 20, "the check is not on the first items: rows %r" % changed)
    keys_to(h, menu, VK_HOME, VK_DOWN, VK_DOWN, VK_RETURN)
    h.wait_for(lambda: not h.framework_menus(prog), timeout=15, what="the tray menu to close")
    h.wait_for(lambda: v.clock_windows(h, prog), timeout=15, what="the clock to come back with Auto Hide off")
    h.idle(wnd)
    expect(not v.message_boxes(h, prog), "Auto Hide ran, not the item below it: %r" % v.message_boxes(h, prog))

    # "Show Alarms List", the last item of the "Alarms" sub-menu: the alarms dialog opens for the
    # clock window and closes again.
    menu = open_tray_menu(h, prog, ids, at)
    keys_to(h, menu, VK_HOME, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT)
    h.wait_for(lambda: len(h.framework_menus(prog)) == 2, timeout=15, what="the Alarms sub-menu")
    h.idle(menu["hwnd"])
    h.screenshot("velmora-tray-menu-alarms")
    keys_to(h, menu, VK_END, VK_RETURN)
    h.wait_for(lambda: not h.framework_menus(prog), timeout=15, what="the tray menu chain to close")
    alarms = h.wait_for(lambda: [w for w in prog.windows(visible_only=True) if w["text"] == "Alarms"],
                        timeout=15, what="the alarms list")[0]["hwnd"]
    h.screenshot("velmora-tray-alarms-list")
    h.close(alarms)
    h.wait_gone(alarms, timeout=15)

    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)
    auto_hide = v.reg_query(h, v.REG_CLOCK, "AutoHide")
    expect(auto_hide in ("0x0", "0"), "Auto Hide saved off at exit: %r" % auto_hide)
print("ok")
