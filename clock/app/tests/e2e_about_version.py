"""The online version check against a version file served on loopback: a newer release, the same
release and another product give their three messages, and without a network route the command is
refused. The About box: its banner makes it 50 pixels taller, Copy Shortcut puts a link's URL on
the clipboard, Add to Desktop writes the sanitised .URL file, and a click opens the link through the
recording stand-in."""

import functools
import http.server
import os
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import velmora_e2e as v  # noqa: E402

harness = v.harness_module(sys.argv[sys.argv.index("--source") + 1])
Harness, expect = harness.Harness, harness.expect

# WinInet must reach the loopback server directly.
for name in list(os.environ):
    if name.lower() in ("http_proxy", "https_proxy", "all_proxy", "no_proxy"):
        del os.environ[name]

IDOK = 1
TITLE = "Check for new versions"
REQUESTING = "Requesting version information from Quendra Labs, please wait....."
NO_NEWER = "No newer versions of Velmora were found.\n\nYou have the current version of Velmora Clock"
OTHER_PRODUCT = "Product Name refers to different application - Torvane Zones"


def version_file(product, release, beta):
    return ("<?xml version=\"1.0\"?>\n<Quendra_Version_Info><Velmora><Product>%s</Product>"
            "<Release><Version>%s</Version><Date>2026-06-01</Date></Release>"
            "<Beta><Version>%s</Version></Beta></Velmora></Quendra_Version_Info>\n" % (product, release, beta))


def win_path(path):
    return "Z:" + str(path).replace("/", "\\")


class Server:
    """http.server on a free loopback port, serving one folder and counting the requests. While
    the gate is closed a request waits (up to a minute) before it is answered."""

    def __init__(self, root):
        self.requests = []
        self.arrived = []
        self.gate = threading.Event()
        self.gate.set()
        outer = self

        class Handler(http.server.SimpleHTTPRequestHandler):
            def do_GET(self):
                outer.arrived.append(self.path)
                outer.gate.wait(60)
                super().do_GET()

            def log_request(self, *args):
                outer.requests.append(self.path)

            def log_message(self, *args):
                pass

        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Handler, directory=str(root)))
        self.port = self.httpd.server_address[1]
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def close(self):
        self.httpd.shutdown()
        self.httpd.server_close()


def version_window(prog):
    wins = [w for w in prog.windows(visible_only=True) if w["text"] == TITLE]
    return wins[0]["hwnd"] if wins else None


def clipboard_text(h):
    code = "import tkinter; t = tkinter.Tk(); t.withdraw(); print(t.clipboard_get(), end='')"
    r = subprocess.run([sys.executable, "-c", code], env=h.env(), capture_output=True, timeout=30)
    return r.stdout.decode("utf-8", "replace")


def child(h, hwnd, ctl_id):
    return [c for c in h.children(hwnd) if c["id"] == ctl_id][0]


def check_busy(h, prog, wnd, server, versions):
    """A slow server: the window shows the animation while it waits, and a second request for a
    check meanwhile is ignored."""
    (versions / "velmorainfo.xml").write_text(version_file("Velmora Clock", "2.34.012", "2.34.012"))
    server.gate.clear()
    before = len(server.arrived)
    h.command(wnd, ids["ID_CHECK_VERSION"])
    dlg = h.wait_for(lambda: version_window(prog), timeout=30, what="the version window")
    expect(h.text(dlg, ids["IDC_VERSION_TEXT"]) == REQUESTING, "the request text shows")
    expect(h.info(dlg, ids["IDC_VERSION_ANIMATE"])["visible"], "the animation plays")
    h.wait_for(lambda: len(server.arrived) > before, timeout=30, what="the request to reach the server")
    h.idle(dlg)
    h.screenshot("velmora-version-requesting")
    h.command(wnd, ids["ID_CHECK_VERSION"])
    h.idle(wnd)
    # What is checked is that no second request comes while the first is held: a second check
    # would have sent it within this second.
    time.sleep(1)
    server.gate.set()
    h.wait_for(lambda: h.text(dlg, ids["IDC_VERSION_TEXT"]) != REQUESTING, timeout=30, what="the slow check to end")
    h.idle(wnd)
    expect(len(server.arrived) == before + 1, "one request for two commands: %r" % server.arrived[before:])
    expect(not h.info(dlg, ids["IDC_VERSION_ANIMATE"])["visible"], "the animation stops")
    h.click(dlg, IDOK)
    h.wait_for(lambda: version_window(prog) is None, timeout=15, what="the version window to hide")


def check_three_messages(h, prog, wnd, server, versions):
    cases = [
        (version_file("Velmora Clock", "2.34.013", "2.30.000"),
         "A new release version of Velmora is available: Version 2.34.013\n", True, "newer"),
        (version_file("Velmora Clock", "2.34.012", "2.34.012"), NO_NEWER, False, "same"),
        (version_file("Torvane Zones", "9.0", "9.0"), OTHER_PRODUCT, False, "other"),
        # A file far beyond any real one is not read to its end.
        (version_file("Velmora Clock", "2.34.013", "2.34.013") + "<!-- %s -->" % ("x" * 200000),
         "The version information file is too large.", False, "too-large"),
    ]
    for xml, message, link, name in cases:
        (versions / "velmorainfo.xml").write_text(xml)
        before = len(server.requests)
        h.command(wnd, ids["ID_CHECK_VERSION"])
        dlg = h.wait_for(lambda: version_window(prog), timeout=30, what="the version window")
        h.wait_for(lambda: h.text(dlg, ids["IDC_VERSION_TEXT"]) != REQUESTING, timeout=30,
                   what="the check to end (%s)" % name)
        text = h.text(dlg, ids["IDC_VERSION_TEXT"])
        expect(text.replace("\r\n", "\n") == message, "%s: message %r" % (name, text))
        expect(server.requests[before:] == ["/versions/velmorainfo.xml"], "%s: one request %r" % (name, server.requests))
        expect(h.info(dlg, ids["IDC_VERSION_LINK"])["visible"] == link, "%s: download link shown: %s" % (name, link))
        h.screenshot("velmora-version-" + name)
        h.click(dlg, IDOK)
        h.wait_for(lambda: version_window(prog) is None, timeout=15, what="the version window to hide")
    # The downloaded copies do not pile up in the temporary folder.
    users = h.prefix / "drive_c" / "users"
    temp = list(users.glob("*/Temp/msp*.tmp")) + list(users.glob("*/AppData/Local/Temp/msp*.tmp"))
    expect(not temp, "temporary files removed: %r" % temp)


def check_about(h, prog, wnd, folder):
    h.command(wnd, ids["ID_ABOUT_VELMORA"])
    about = h.wait_for(lambda: ([w["hwnd"] for w in prog.windows(visible_only=True) if w["text"] == "About Velmora"]
                                or [None])[0], timeout=30, what="the About box")
    h.idle(about)
    h.screenshot("velmora-about")
    client = h.rect(about, client=True)
    banner = h.rect(about, 0xFFF0)
    ok = h.rect(about, IDOK)
    top = h.rect(about)
    # The OK button is 14 dialog units high; the template is 110 high, and its button sits at 89.
    unit = (ok["bottom"] - ok["top"]) / 14.0
    client_h = client["bottom"] - client["top"]
    expect(banner["bottom"] - banner["top"] == 50, "the banner is 50 pixels high: %r" % banner)
    expect(abs(client_h - 50 - 110 * unit) <= 2, "the box is 50 pixels taller: %d vs %.1f" % (client_h, 110 * unit))
    expect(banner["top"] <= ok["top"] - 50, "the controls moved below the banner")

    web = child(h, about, ids["IDC_ABOUT_WEB"])
    h.command(web["hwnd"], ids["ID_HLINK_COPY"])
    h.wait_for(lambda: clipboard_text(h) == "http://www.quendralabs.com", timeout=15, what="the URL on the clipboard")

    links = folder / "links"
    mail = child(h, about, ids["IDC_ABOUT_MAIL"])
    h.settext(about, ids["IDC_ABOUT_MAIL"], 'Mail: "us" <now>?')
    h.command(mail["hwnd"], ids["ID_HLINK_DESKTOP"])
    shortcut = links / "Mail us now.URL"
    h.wait_for(lambda: shortcut.exists(), timeout=15, what="the shortcut file")
    content = shortcut.read_text(errors="replace")
    expect("URL=mailto:info@quendralabs.com" in content, "the shortcut holds the URL: %r" % content)
    h.settext(about, ids["IDC_ABOUT_MAIL"], "..\\..\\escape")
    h.command(mail["hwnd"], ids["ID_HLINK_FAVORITES"])
    h.idle(about)
    expect(sorted(p.name for p in links.iterdir()) == ["Mail us now.URL"], "a name with a path is refused")
    expect(not list(folder.glob("*.URL")), "nothing written beside the links folder")

    h.click_in(about, ids["IDC_ABOUT_WEB"], dx=4, dy=4)
    log = folder / "links.log"
    h.wait_for(lambda: log.exists() and log.read_text().splitlines() == ["http://www.quendralabs.com"], timeout=15,
               what="the link to open once")

    # Properties: the sheet's page shows the link's text and URL.
    h.command(web["hwnd"], ids["ID_HLINK_PROPERTIES"])
    sheet = h.wait_for(lambda: ([w["hwnd"] for w in prog.windows(visible_only=True) if w["text"] == "Properties"]
                                or [None])[0], timeout=30, what="the Properties sheet")
    h.idle(sheet)
    h.screenshot("velmora-link-properties")
    fields = {c["id"]: c["text"] for c in h.children(sheet)}
    expect(fields.get(ids["IDC_HLINK_URL"]) == "http://www.quendralabs.com", "the URL shows: %r" % fields)
    expect(fields.get(ids["IDC_HLINK_TEXT"]) == "www.quendralabs.com", "the text shows: %r" % fields)
    h.close(sheet)
    h.wait_gone(sheet, timeout=15)
    h.click(about, IDOK)
    h.wait_gone(about, timeout=15)


def start(h, folder, port, route):
    (folder / "links").mkdir(exist_ok=True)
    env = {"VELMORA_VERSION_URL": "http://127.0.0.1:%d/versions" % port, "VELMORA_ROUTE": route,
           "VELMORA_LINK_LOG": win_path(folder / "links.log"),
           "VELMORA_SHORTCUT_FOLDER": win_path(folder / "links")}
    prog = h.start(folder / "Velmora.exe", cwd=folder, env=env)
    wnd = h.wait_for(lambda: v.clock_windows(h, prog), timeout=60, what="the clock window")[0]["hwnd"]
    v.wait_started(h, prog)
    return prog, wnd


with Harness() as h:
    ids = h.ids("velmora")
    v.clear_registry(h)
    folder = v.program_folder(h, "about-version")
    versions = folder / "www" / "versions"
    versions.mkdir(parents=True)
    server = Server(folder / "www")
    try:
        prog, wnd = start(h, folder, server.port, "1")
        check_busy(h, prog, wnd, server, versions)
        check_three_messages(h, prog, wnd, server, versions)
        check_about(h, prog, wnd, folder)
        h.command(wnd, ids["ID_EXIT"])
        prog.wait_exit(timeout=60)

        # Without a default route the command is greyed: posted anyway, it is refused.
        prog, wnd = start(h, folder, server.port, "0")
        before = len(server.requests)
        h.command(wnd, ids["ID_CHECK_VERSION"])
        h.idle(wnd)
        expect(version_window(prog) is None and len(server.requests) == before, "no check without a route")
        h.command(wnd, ids["ID_EXIT"])
        prog.wait_exit(timeout=60)
    finally:
        server.close()
print("ok")
