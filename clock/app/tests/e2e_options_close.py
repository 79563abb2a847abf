"""The options sheet closed with the mouse: the clock window takes input as soon as the sheet is
gone, and a server chosen on "Time Synchronization" is the one the status window names at once,
without waiting for a synchronisation."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import velmora_e2e as v  # noqa: E402
import velmora_files as files  # noqa: E402
import e2e_sheet_pages as pages  # noqa: E402

harness = v.harness_module(sys.argv[sys.argv.index("--source") + 1])
Harness, expect = harness.Harness, harness.expect

LONDON = files.Zone("(GMT+00:00) London", 0, "GMT Standard Time")


def status_fields(h, status):
    return tuple(h.text(status, ids[c]) for c in ("IDC_STATUS_SERVER", "IDC_STATUS_LOCATION",
                                                    "IDC_STATUS_DIFFERENCE"))


def options_close(h):
    folder = v.program_folder(h, "options-close")
    (folder / "Velmora2Dat").write_bytes(files.data_file([files.clock_record(LONDON)], 0))
    (folder / "SntpDat").write_bytes(pages.sntp_file([pages.LOOPBACK, pages.SPARE]))
    for key, kind, data in (("SNTPTimeServer", "REG_SZ", pages.LOOPBACK[0]), ("SNTPLoc", "REG_SZ", pages.LOOPBACK[1]),
                            ("ConnectType", "REG_DWORD", 0), ("SyncOnStartup", "REG_DWORD", 0),
                            ("PropIndex", "REG_DWORD", 1)):
        v.reg_set(h, v.REG_CLOCK, key, kind, data)
    prog, wnd = v.start_clock(h, folder)
    v.wait_started(h, prog)

    h.command(wnd, ids["ID_SYNC_STATUS"])
    status = pages.titled(h, prog, pages.STATUS_TITLE)
    h.wait_for(lambda: status_fields(h, status)[:2] == pages.LOOPBACK, what="the selected server in the status")
    # Hidden, it goes on following the program: it is read again after the sheet.
    h.click_in(status, ids["IDC_STATUS_CLOSE"])
    h.wait_for(lambda: not h.info(status)["visible"], what="the status window to hide")

    sheet = pages.open_sheet(h, prog, wnd)
    pages.shown(h, sheet, "IDC_SYNC_SERVER_LIST")
    h.select(sheet, ids["IDC_SYNC_SERVER_COMBO"], text=pages.SPARE[0])
    h.wait_for(lambda: h.text(sheet, ids["IDC_SYNC_SERVER_COMBO"]) == pages.SPARE[0], what="the other server")
    sheet_rect = h.rect(sheet)
    h.click_in(sheet, 1)
    h.wait_for(lambda: not [w for w in prog.windows(visible_only=True) if w["hwnd"] == sheet], timeout=15,
               interval=0.02, what="the sheet to go")
    expect(h.info(wnd)["enabled"], "the clock window takes input as soon as the sheet is gone")
    # A right-click on the clock, away from where the sheet stood (its X window outlives it there for
    # a moment), is taken.
    r, gone = h.rect(wnd), sheet_rect
    x = r["right"] - 4 if r["right"] - 4 >= gone["right"] else r["left"] + 4
    h.xdotool("mousemove", x, r["top"] + 6)
    h.xdotool("click", 3)
    menu = h.wait_popup_menu(prog, what="the clock's menu after the sheet")
    h.post(menu["hwnd"], 0x0100, 0x1B, 1)  # Escape
    h.wait_for(lambda: not h.popup_menus(prog), what="the menu to close")

    got = h.wait_for(lambda: status_fields(h, status) if status_fields(h, status)[:2] == pages.SPARE else None,
                     timeout=5, what="the status window to name the chosen server")
    h.screenshot("velmora-status-chosen-server")
    expect(got[2] == "Unknown", "no difference measured against the chosen server yet: %r" % (got,))
    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)


with Harness() as h:
    ids = h.ids("velmora")
    pages.ids = ids
    v.clear_registry(h)
    try:
        options_close(h)
    finally:
        v.clear_registry(h)
print("ok")
