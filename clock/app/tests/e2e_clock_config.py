"""The clock configuration dialog from the clock's context menu, driven with the mouse and keys:
Cancel leaves the clock as it was drawn and the data file byte for byte as it was; a custom format
and a zone redraw the clock at once and are saved. The font and colour buttons open the system's
dialogs, whose library the program binds only then. Enter and Escape with the focus on either page
are the dialog's OK and Cancel; Enter on a page's button that has the focus presses that button."""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import e2e_options as opt  # noqa: E402
import velmora_e2e as v  # noqa: E402
import velmora_files as files  # noqa: E402
from e2e_options import TEMPLATE, TOKYO, clock_formats, edit_clock, exit_program, expect, open_configuration, start, titled  # noqa: E402,E501


def configure(h):
    """Cancel first: the clock is drawn as before and the file is not touched. Then OK: the new
    format redraws the clock at once and the format and zone are saved."""
    folder, prog, wnd, data = start(h, "configure")
    before = v.size_of(v.stable_rect(h, wnd))
    dlg = open_configuration(h, prog, wnd)
    h.screenshot("velmora-clock-configuration")
    for button, title in (("IDC_FMT_FONT", "Font"), ("IDC_FMT_BACKCOLOR", "Color")):
        h.click_in(dlg, opt.ids[button])
        chooser = titled(h, prog, title)
        h.key("Escape")
        h.wait_gone(chooser, timeout=15)
    edit_clock(h, prog, dlg)
    h.click_in(dlg, 2)
    h.wait_gone(dlg, timeout=15)
    restored = v.size_of(v.stable_rect(h, wnd))
    expect(restored == before, "after Cancel the clock is drawn as before: %r %r" % (before, restored))
    h.idle(wnd)
    # What is checked is that no sweep writes the file: a sweep comes with every second's tick.
    time.sleep(2)
    expect((folder / "Velmora2Dat").read_bytes() == data, "Cancel leaves the file byte for byte as it was")

    dlg = open_configuration(h, prog, wnd)
    edit_clock(h, prog, dlg, shot="velmora-clock-configuration-custom")
    # The clock shows the one-line template at once, while the dialog is still open.
    after = h.wait_for(lambda: (lambda s: s if s[1] < before[1] else None)(v.size_of(h.rect(wnd))), timeout=15,
                       what="the clock to redraw with one line")
    print("clock size", before, "->", after)
    h.screenshot("velmora-clock-configuration-zone")
    h.click_in(dlg, 1)
    h.wait_gone(dlg, timeout=15)
    exit_program(h, prog, wnd)
    data = (folder / "Velmora2Dat").read_bytes()
    clocks = files.read_data_file(data)
    expect(clocks[0]["name"] == TOKYO.name, "the zone's name is saved: %r" % clocks[0]["name"])
    expect(clocks[0]["tzi"] == TOKYO.tzi(), "the zone is saved")
    expect(clock_formats(data)[0][0] == 1 and clock_formats(data)[0][2] == TEMPLATE,
           "the custom format is saved: %r" % (clock_formats(data),))


def zone_page(h, dlg):
    tab = [c for c in h.children(dlg) if c["class"] == "SysTabControl32"][0]
    r = tab["rect"]
    h.mouse_click(r["left"] + 150, r["top"] + 10)
    h.wait_for(lambda: h.info(dlg, opt.ids["IDC_TZ_LIST"])["visible"], what="the zone page")


def keys(h):
    """The keyboard of the dialog reaches through its pages: Escape cancels from a check box of the
    format page and from the zone page's list, Enter presses a page's button that the Tab key gave
    the focus, and Enter in the template edit is OK."""
    folder, prog, wnd, data = start(h, "keys")
    before = v.size_of(v.stable_rect(h, wnd))
    ids = opt.ids

    dlg = open_configuration(h, prog, wnd)
    bias = h.check_state(dlg, ids["IDC_FMT_SHOWBIAS"])
    h.click_in(dlg, ids["IDC_FMT_SHOWBIAS"], dx=6)
    h.wait_for(lambda: h.check_state(dlg, ids["IDC_FMT_SHOWBIAS"]) != bias, what="Show Timezone Bias changed")
    changed = h.wait_for(lambda: (lambda s: s if s != before else None)(v.size_of(h.rect(wnd))), timeout=15,
                         what="the clock to redraw with the change")
    h.key("Escape")
    h.wait_gone(dlg, timeout=15)
    restored = v.size_of(v.stable_rect(h, wnd))
    expect(restored == before, "Escape on the format page cancels: %r %r %r" % (before, changed, restored))

    dlg = open_configuration(h, prog, wnd)
    zone_page(h, dlg)
    h.click_in(dlg, ids["IDC_TZ_DAYLIGHT"], dx=6)
    h.key("Escape")
    h.wait_gone(dlg, timeout=15)

    dlg = open_configuration(h, prog, wnd)
    h.click_in(dlg, ids["IDC_FMT_BACKCOLOR"])
    chooser = titled(h, prog, "Color")
    h.key("Escape")
    h.wait_gone(chooser, timeout=15)
    # The chooser gave the focus back to the button that opened it; the keys arrive in order.
    h.key("Tab", "Return")
    chooser = titled(h, prog, "Color")
    expect(any(w["hwnd"] == dlg for w in prog.windows(visible_only=True)), "Enter on a focused button of the page presses it, the dialog stays")
    h.key("Escape")
    h.wait_gone(chooser, timeout=15)

    edit_clock(h, prog, dlg)
    # Back on the format page, the caret in the template.
    tab = [c for c in h.children(dlg) if c["class"] == "SysTabControl32"][0]
    h.mouse_click(tab["rect"]["left"] + 20, tab["rect"]["top"] + 10)
    h.wait_for(lambda: h.info(dlg, ids["IDC_FMT_TEMPLATE"])["visible"], what="the format page")
    h.click_in(dlg, ids["IDC_FMT_TEMPLATE"])
    h.key("Return")
    h.wait_gone(dlg, timeout=15)
    exit_program(h, prog, wnd)
    data = (folder / "Velmora2Dat").read_bytes()
    clocks = files.read_data_file(data)
    expect(clocks[0]["name"] == TOKYO.name, "Enter kept the zone: %r" % clocks[0]["name"])
    expect(clock_formats(data)[0][0] == 1 and clock_formats(data)[0][2] == TEMPLATE,
           "Enter kept the custom format: %r" % (clock_formats(data),))


with opt.Harness() as h:
    opt.ids = h.ids("velmora")
    v.clear_registry(h)
    configure(h)
    keys(h)
print("ok")
