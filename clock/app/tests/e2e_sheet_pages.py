"""The options sheet page by page, driven with the mouse and keys: a picture of each page; on "Time
Synchronization" a server added through its dialog is in "SntpDat" after OK; deleting the selected
server leaves synchronisation without a server; Cancel keeps the page's server-list edits but
applies none of its options. The clock is never set: the clock setter records what it is asked."""

import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import velmora_e2e as v  # noqa: E402
import velmora_files as files  # noqa: E402

harness = v.harness_module(sys.argv[sys.argv.index("--source") + 1])
Harness, expect = harness.Harness, harness.expect

TCM_GETITEMCOUNT, TCM_GETCURSEL = 0x1304, 0x130B
RUN_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Run"
STATUS_TITLE = "Time Synchronization Status"
NO_SERVER = ":\nNo Server selected,use Velmora Options to set."

LONDON = files.Zone("(GMT+00:00) London", 0, "GMT Standard Time")
LOOPBACK = ("127.0.0.1", "Loopback")
SPARE = ("time.invalid", "Never asked")
ADDED = ("ntp.test.invalid", "Bench  server ")


def win_path(path):
    return "Z:" + str(path).replace("/", "\\")


def archive_text(text):
    raw = text.encode("latin-1")
    return bytes([len(raw)]) + raw


def sntp_file(servers):
    """The server list as the program stores it: a count, then the records, the class named once."""
    out = struct.pack("<i", len(servers))
    for i, server in enumerate(servers):
        out += b"\xff\xff\x01\x00" + struct.pack("<H", 11) + b"CTimeServer" if i == 0 else b"\x01\x80"
        out += b"".join(archive_text(t) for t in list(server) + [""] * (5 - len(server)))
    return out


def read_sntp_file(data):
    """This test's own reading of "SntpDat": the (name, description) of each record, and the three
    further texts, which must stay empty. Anything else in the file is a fault."""
    (count,) = struct.unpack_from("<i", data, 0)
    pos, classes, out = 4, 0, []

    def text():
        nonlocal pos
        n = data[pos]
        pos += 1
        if n == 0xFF:
            (n,) = struct.unpack_from("<H", data, pos)
            pos += 2
            expect(n != 0xFFFF and n != 0xFFFE, "a plain text, not a wide or long one")
        value = data[pos:pos + n].decode("latin-1")
        pos += n
        return value

    for _ in range(count):
        (tag,) = struct.unpack_from("<H", data, pos)
        pos += 2
        if tag == 0xFFFF:
            schema, n = struct.unpack_from("<HH", data, pos)
            pos += 4
            expect(schema == 1 and data[pos:pos + n] == b"CTimeServer", "a time-server record")
            pos += n
            classes += 1
        else:
            expect(tag == 0x8001 and classes == 1, "the record names the time-server class: %#x" % tag)
        fields = [text() for _ in range(5)]
        expect(fields[2:] == ["", "", ""], "the further texts are empty: %r" % fields)
        out.append(tuple(fields[:2]))
    expect(pos == len(data), "nothing follows the records (%d of %d bytes)" % (pos, len(data)))
    return out


def titled(h, prog, title, timeout=30):
    return h.wait_for(lambda: [w for w in prog.windows(visible_only=True) if w["text"] == title],
                      timeout=timeout, what="the window %r" % title)[0]["hwnd"]


def reg(h, name):
    return v.reg_query(h, v.REG_CLOCK, name)


def open_sheet(h, prog, wnd):
    h.command(wnd, ids["ID_OPTIONS"])
    return titled(h, prog, "Velmora Options")


def tab_of(h, sheet):
    return [c for c in h.children(sheet) if c["class"] == "SysTabControl32"][0]["hwnd"]


def click_at(h, x, y):
    """A click where xdotool's synchronous move would wait for ever when the pointer is there already.
    The display takes the moves before the click, as each xdotool waits for its requests."""
    h.xdotool("mousemove", int(x) + 40, int(y) + 40)
    h.xdotool("mousemove", int(x), int(y))
    h.xdotool("click", 1)


def go_to_page(h, sheet, index, focused=False):
    """Clicks the first tab (always at the tab row's left end) unless the tab row has the focus
    already, then moves with the arrow keys, as the keyboard does on a tab row, to the tab `index`."""
    tab = tab_of(h, sheet)
    if not focused:
        if h.send(tab, TCM_GETCURSEL) == index:
            return
        r = h.rect(tab)
        click_at(h, r["left"] + 12, r["top"] + 10)
        h.wait_for(lambda: h.send(tab, TCM_GETCURSEL) == 0, timeout=5, what="the first page")
    while True:
        current = h.send(tab, TCM_GETCURSEL)
        if current == index:
            return
        h.key("Right" if current < index else "Left")
        h.wait_for(lambda: h.send(tab, TCM_GETCURSEL) != current, timeout=5, what="the page after %d" % current)


def shown(h, sheet, *ctls):
    """Waits for one of the controls to show: the control that tells which page is on top."""
    return h.wait_for(lambda: any(h.info(sheet, ids[c])["visible"] for c in ctls), timeout=10,
                      what="%s to show" % " or ".join(ctls))


def close_sheet(h, sheet, button):
    h.click_in(sheet, button)
    h.wait_gone(sheet, timeout=15)


def sync_status(h, prog, wnd):
    """Runs "Synchronize Clock" (sent, so it has run on return) and gives the status text."""
    status = h.wait_for(lambda: [w for w in prog.windows() if w["text"] == STATUS_TITLE], timeout=30,
                        what="the status window")[0]["hwnd"]
    h.command(wnd, ids["ID_SYNCHRONIZE"], send=True)
    return h.text(status, ids["IDC_STATUS_TEXT"]).replace("\r\n", "\n").replace("\r", "\n")


def rows(h, sheet):
    return [tuple(r[:2]) for r in h.lvitems(sheet, ids["IDC_SYNC_SERVER_LIST"])["items"]]


def add_server(h, prog, sheet, name, description):
    h.click_in(sheet, ids["IDC_SYNC_ADD_SERVER"])
    dlg = titled(h, prog, "New Server")
    h.click_in(dlg, ids["IDC_SERVER_NAME"])
    h.type_text(name)
    h.click_in(dlg, ids["IDC_SERVER_DESCRIPTION"])
    h.type_text(description)
    h.wait_for(lambda: h.text(dlg, ids["IDC_SERVER_DESCRIPTION"]) == description, what="the typed description")
    return dlg


def servers_saved(h, folder, want, what):
    """Waits for "SntpDat" to hold `want`: the program writes it after the sheet's window has gone."""
    def holds():
        try:
            return read_sntp_file((folder / "SntpDat").read_bytes()) == want
        except (struct.error, IndexError, OSError):
            return False  # caught while it is written
    h.wait_for(holds, timeout=15, what="%s: %r" % (what, want))


def click_row(h, sheet, index):
    """Clicks the list row `index` below the list's header (rows of the list's font, about 15 pixels)."""
    lv = h.rect(sheet, ids["IDC_SYNC_SERVER_LIST"])
    header = [c["rect"] for c in h.children(sheet) if c["class"] == "SysHeader32"
              and lv["left"] <= c["rect"]["left"] and lv["top"] <= c["rect"]["top"] <= lv["bottom"]][0]
    click_at(h, lv["left"] + 30, header["bottom"] + 7 + 15 * index)
    h.wait_for(lambda: h.lvitems(sheet, ids["IDC_SYNC_SERVER_LIST"])["selected"] == [index], timeout=5,
               what="row %d selected" % index)


def sheet_pages(h):
    v.clear_registry(h)
    folder = v.program_folder(h, "sheet-pages")
    (folder / "Velmora2Dat").write_bytes(files.data_file([files.clock_record(LONDON)], 0))
    (folder / "VelmoraTZ").write_bytes(files.tz_file([LONDON]))
    (folder / "SntpDat").write_bytes(sntp_file([LOOPBACK, SPARE]))
    settings = {"SNTPTimeServer": ("REG_SZ", LOOPBACK[0]), "SNTPLoc": ("REG_SZ", LOOPBACK[1]),
                "ConnectType": ("REG_DWORD", 0), "ConnectErrorMode": ("REG_DWORD", 1),
                "SyncTimeOut": ("REG_DWORD", 1), "SyncOnStartup": ("REG_DWORD", 0),
                "LoadOnStartup": ("REG_DWORD", 0), "PropIndex": ("REG_DWORD", 0)}
    for key, (kind, data) in settings.items():
        v.reg_set(h, v.REG_CLOCK, key, kind, data)
    prog = h.start(folder / "Velmora.exe", cwd=folder,
                   env={"VELMORA_CLOCKSET_LOG": win_path(folder / "clockset.log")})
    wnd = h.wait_for(lambda: v.clock_windows(h, prog), timeout=60, what="the clock window")[0]["hwnd"]
    v.stable_rect(h, wnd)

    # Every page, one picture each; the Agent server's own page is there only with the server.
    sheet = open_sheet(h, prog, wnd)
    count = h.send(tab_of(h, sheet), TCM_GETITEMCOUNT)
    expect(count in (4, 5), "the sheet's pages: %d" % count)
    pages = [("clock", "IDC_OPT_ONTOP"), ("timesync", "IDC_SYNC_SERVER_LIST"),
             ("diary", "IDC_DIARYOPT_PLAY_SOUND"), ("agents", ("IDC_AGENT_LIST", "IDC_AGENT_MISSING")),
             ("speech", "IDC_SPEAK_TIME")][:count]
    expect(h.send(tab_of(h, sheet), TCM_GETCURSEL) == 0, "the sheet opens on its last page, the first")
    go_to_page(h, sheet, 1)
    for index, (name, ctl) in enumerate(pages):
        go_to_page(h, sheet, index, focused=True)
        shown(h, sheet, *((ctl,) if isinstance(ctl, str) else ctl))
        h.idle(sheet)
        h.screenshot("velmora-sheet-" + name)

    # A server added through its dialog is on the page at once and in the server file after OK.
    go_to_page(h, sheet, 1)
    expect(rows(h, sheet) == [LOOPBACK, SPARE], "the page lists the servers: %r" % rows(h, sheet))
    expect(h.text(sheet, ids["IDC_SYNC_SERVER_COMBO"]) == LOOPBACK[0], "the selected server shows")
    dlg = add_server(h, prog, sheet, "  " + ADDED[0] + " ", ADDED[1])
    h.screenshot("velmora-sheet-new-server")
    h.click_in(dlg, 1)
    h.wait_gone(dlg, timeout=15)
    expect(rows(h, sheet) == [LOOPBACK, SPARE, ADDED], "the name is trimmed, the description kept: %r" % rows(h, sheet))
    close_sheet(h, sheet, 1)
    servers_saved(h, folder, [LOOPBACK, SPARE, ADDED], "the server file holds the added server")
    expect(v.reg_query(h, RUN_KEY, "Velmora") is None, "OK with start-up loading off adds no start-up entry")

    # Deleting the selected server empties the selection: after OK there is no server to ask.
    sheet = open_sheet(h, prog, wnd)
    expect(h.send(tab_of(h, sheet), TCM_GETCURSEL) == 1, "the sheet opens on the page last confirmed")
    shown(h, sheet, "IDC_SYNC_SERVER_LIST")
    expect(not h.info(sheet, ids["IDC_SYNC_DELETE_SERVER"])["enabled"], "no row selected, nothing to delete")
    click_row(h, sheet, 0)
    h.wait_for(lambda: h.info(sheet, ids["IDC_SYNC_DELETE_SERVER"])["enabled"], timeout=5,
               what="Delete Server enabled by the selected row")
    h.click_in(sheet, ids["IDC_SYNC_DELETE_SERVER"])
    h.wait_for(lambda: rows(h, sheet) == [SPARE, ADDED], timeout=5, what="the row deleted")
    expect(h.text(sheet, ids["IDC_SYNC_SERVER_COMBO"]) == "", "the deleted server is no longer selected")
    close_sheet(h, sheet, 1)
    servers_saved(h, folder, [SPARE, ADDED], "the server file lost it")
    expect(reg(h, "SNTPTimeServer") == "" and reg(h, "SNTPLoc") == "",
           "no server is selected: %r %r" % (reg(h, "SNTPTimeServer"), reg(h, "SNTPLoc")))
    status = sync_status(h, prog, wnd)
    expect(status.endswith(NO_SERVER), "synchronising without a server: %r" % status)

    # Cancel: the options changed on the pages stay as they were, the server-list edit stays made.
    sheet = open_sheet(h, prog, wnd)
    shown(h, sheet, "IDC_SYNC_SERVER_LIST")
    h.click_in(sheet, ids["IDC_SYNC_ON_STARTUP"], dx=6)
    h.click_in(sheet, ids["IDC_SYNC_ERR_WINDOW"], dx=6)
    h.select(sheet, ids["IDC_SYNC_SERVER_COMBO"], text=SPARE[0])
    h.wait_for(lambda: h.check_state(sheet, ids["IDC_SYNC_ON_STARTUP"]) == 1, what="Synchronize at Startup checked")
    dlg = add_server(h, prog, sheet, LOOPBACK[0], LOOPBACK[1])
    h.click_in(dlg, 1)
    h.wait_gone(dlg, timeout=15)
    go_to_page(h, sheet, 0)
    shown(h, sheet, "IDC_OPT_STARTUP")
    h.click_in(sheet, ids["IDC_OPT_STARTUP"], dx=6)
    h.wait_for(lambda: h.check_state(sheet, ids["IDC_OPT_STARTUP"]) == 1, what="Load on startup checked")
    close_sheet(h, sheet, 2)
    servers_saved(h, folder, [SPARE, ADDED, LOOPBACK], "Cancel keeps the added server")
    for key, want in (("SyncOnStartup", "0x0"), ("ConnectErrorMode", "0x1"), ("SNTPTimeServer", ""),
                      ("LoadOnStartup", "0x0")):
        expect(reg(h, key) == want, "Cancel leaves %s: %r" % (key, reg(h, key)))
    expect(v.reg_query(h, RUN_KEY, "Velmora") is None, "Cancel adds no start-up entry")
    status = sync_status(h, prog, wnd)
    expect(status.endswith(NO_SERVER), "Cancel selects no server: %r" % status)

    sheet = open_sheet(h, prog, wnd)
    go_to_page(h, sheet, 1)
    shown(h, sheet, "IDC_SYNC_SERVER_LIST")
    expect(rows(h, sheet) == [SPARE, ADDED, LOOPBACK], "the page shows the kept list: %r" % rows(h, sheet))
    expect(h.check_state(sheet, ids["IDC_SYNC_ON_STARTUP"]) == 0, "and the option as it was")
    close_sheet(h, sheet, 2)

    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)
    expect(read_sntp_file((folder / "SntpDat").read_bytes()) == [SPARE, ADDED, LOOPBACK], "written again at exit")
    log = folder / "clockset.log"
    expect(not log.exists() or not log.read_text().strip(), "the clock was never to be set")


if __name__ == "__main__":
    with Harness() as h:
        ids = h.ids("velmora")
        try:
            sheet_pages(h)
        finally:
            h.run("reg", "delete", RUN_KEY, "/v", "Velmora", "/f", timeout=60)
            v.clear_registry(h)
    print("ok")
