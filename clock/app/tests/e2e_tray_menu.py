"""The tray menu in use: a right click on the tray icon opens the framework's pop-up menu at the
cursor; the keys, handed on by the clock window, move its highlight and Return runs "Hide Clock";
with the clock hidden, the greyed "Hide Clock" stays greyed and runs nothing, and "Show Clock"
brings the clock back. Screenshots of the menu are left in the build tree."""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import velmora_e2e as v  # noqa: E402

harness = v.harness_module(sys.argv[sys.argv.index("--source") + 1])
Harness, expect = harness.Harness, harness.expect

# The tray icon's notification message is the program's own (AppMessages.h), not a resource id.
WM_TRAY_NOTIFY = 0x800A
WM_RBUTTONUP = 0x0205
WM_KEYDOWN = 0x0100
VK_RETURN, VK_ESCAPE, VK_HOME, VK_DOWN = 0x0D, 0x1B, 0x24, 0x28


def open_tray_menu(h, prog, ids, at):
    """Right click on the tray icon with the cursor at `at`: the tray window hears it from the shell."""
    # Without --sync: the pointer may already rest there.
    h.xdotool("mousemove", *at)
    time.sleep(0.3)
    for w in prog.windows():
        if w["class"] != v.DIALOG_CLASS:
            h.post(w["hwnd"], WM_TRAY_NOTIFY, ids["IDR_TRAY_POPUP"], WM_RBUTTONUP)
    menu = h.wait_framework_menu(prog, what="the tray menu")
    expect(not h.popup_menus(prog), "the tray menu is the framework's, not the system's")
    return menu


def keys_to(h, menu, *keys):
    for k in keys:
        h.post(menu["hwnd"], WM_KEYDOWN, k, 1)
        time.sleep(0.2)


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
    time.sleep(0.5)
    h.screenshot("velmora-tray-framework-menu")

    # The keys of the keyboard go to the clock window, which hands them to the menu: Home, Down
    # and Return choose the second item, "Hide Clock".
    h.key("Home", "Down")
    time.sleep(0.5)
    h.screenshot("velmora-tray-menu-highlight")
    h.key("Return")
    h.wait_for(lambda: not h.framework_menus(prog), timeout=15, what="the tray menu to close")
    h.wait_for(lambda: not v.clock_windows(h, prog), timeout=15, what="the clock to hide")

    # Hidden: "Hide Clock" is greyed and choosing it runs nothing.
    menu = open_tray_menu(h, prog, ids, (320, 220))
    time.sleep(0.5)
    h.screenshot("velmora-tray-menu-clock-hidden")
    keys_to(h, menu, VK_HOME, VK_DOWN, VK_RETURN)
    time.sleep(1.5)
    expect(prog.running(), "the greyed item ended nothing")
    expect(not v.clock_windows(h, prog), "the greyed item ran nothing")
    for m in h.framework_menus(prog):
        h.post(m["hwnd"], WM_KEYDOWN, VK_ESCAPE, 1)
    h.wait_for(lambda: not h.framework_menus(prog), timeout=15, what="the tray menu to close")

    # "Show Clock", the first item, brings the clock back.
    menu = open_tray_menu(h, prog, ids, (340, 240))
    keys_to(h, menu, VK_HOME, VK_RETURN)
    h.wait_for(lambda: v.clock_windows(h, prog), timeout=15, what="the clock to come back")

    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)
print("ok")
