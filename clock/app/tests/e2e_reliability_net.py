"""Misbehaving peers and damaged settings of the network parts through the real program: a time-out
stored far too large with a silent server and synchronise-at-start on still lets the window appear;
an interval of 0 never floods the server; replies whose times cannot be true never set the clock,
with the offset guard off; the version check stops a redirection loop after a few requests, reports
a 404 as the server's answer, and an Exit during a slow download leaves no temporary file. The
clock is never set: the program's clock setter records the times it is asked for."""

import http.server
import os
import socket
import struct
import sys
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import velmora_e2e as v  # noqa: E402

harness = v.harness_module(sys.argv[sys.argv.index("--source") + 1])
Harness, expect = harness.Harness, harness.expect

for name in list(os.environ):
    if name.lower() in ("http_proxy", "https_proxy", "all_proxy", "no_proxy"):
        del os.environ[name]

NTP_EPOCH = 2208988800
STATUS_TITLE = "Time Synchronization Status"
VERSION_TITLE = "Check for new versions"
REQUESTING = "Requesting version information from Quendra Labs, please wait....."


def win_path(path):
    return "Z:" + str(path).replace("/", "\\")


def ntp_now(offset=0.0):
    t = time.time() + offset + NTP_EPOCH
    secs = int(t)
    return struct.pack("!II", secs & 0xFFFFFFFF, int((t - secs) * 2**32) & 0xFFFFFFFF)


class Responder(threading.Thread):
    """Answers each request by the current mode and counts them; bounded in replies and time."""

    def __init__(self):
        super().__init__(daemon=True)
        self.sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        self.sock.bind(("127.0.0.1", 0))
        self.sock.settimeout(0.5)
        self.port = self.sock.getsockname()[1]
        self.mode = "silent"
        self.requests = 0
        self.stop = False
        self.start()

    def run(self):
        deadline = time.time() + 280
        while not self.stop and time.time() < deadline and self.requests < 200:
            try:
                req, peer = self.sock.recvfrom(128)
            except socket.timeout:
                continue
            self.requests += 1
            mode = self.mode
            if mode == "silent" or len(req) < 48:
                continue
            reply = bytearray(48)
            now = ntp_now()
            reply[32:40] = now
            reply[40:48] = now
            if mode == "zero-receive":
                reply[32:40] = bytes(8)
            elif mode == "all-ones":
                reply[:] = b"\xff" * 48
            elif mode == "noise":
                reply[:] = os.urandom(48)
            elif mode == "receive-1973":
                reply[32:40] = struct.pack("!II", 2303683200, 0)  # 1973-01-01
            reply[0] = 0x1C
            reply[1] = 2
            reply[24:32] = req[40:48]
            self.sock.sendto(bytes(reply), peer)

    def close(self):
        self.stop = True
        self.join(timeout=5)
        self.sock.close()


def start(h, name, settings, env=None):
    folder = v.program_folder(h, "reliable-net-" + name)
    v.clear_registry(h)
    for key, (kind, data) in settings.items():
        v.reg_set(h, v.REG_CLOCK, key, kind, data)
    full_env = {"VELMORA_CLOCKSET_LOG": win_path(folder / "clockset.log")}
    full_env.update(env or {})
    prog = h.start(folder / "Velmora.exe", cwd=folder, env=full_env)
    return folder, prog


def clock_window(h, prog, timeout=60):
    return h.wait_for(lambda: v.clock_windows(h, prog), timeout=timeout, what="the clock window")[0]["hwnd"]


def status_window(h, prog):
    return h.wait_for(lambda: [w["hwnd"] for w in prog.windows() if w["text"] == STATUS_TITLE], timeout=30,
                      what="the status window")[0]


def status_text(h, status):
    return h.text(status, ids["IDC_STATUS_TEXT"]).replace("\r\n", "\n").replace("\r", "\n")


def clockset_log(folder):
    p = folder / "clockset.log"
    return p.read_text().splitlines() if p.exists() else []


def stays_false(h, predicate, seconds):
    try:
        h.wait_for(predicate, timeout=seconds, what="something that must not happen")
        return False
    except Exception:
        return True


def exit_program(h, prog, wnd):
    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)


LAN = {"SNTPTimeServer": ("REG_SZ", "127.0.0.1"), "SNTPLoc": ("REG_SZ", "Loopback"),
       "ConnectType": ("REG_DWORD", 0), "ConnectErrorMode": ("REG_DWORD", 1)}


def huge_timeout(h, responder):
    """A time-out that overflows when made milliseconds, a silent server, synchronise at start: the
    default wait, then the window and a timed-out status."""
    responder.mode = "silent"
    settings = dict(LAN, SyncTimeOut=("REG_DWORD", 0x7FFFFFFF), SyncOnStartup=("REG_DWORD", 1))
    folder, prog = start(h, "timeout", settings, {"VELMORA_SNTP_PORT": str(responder.port)})
    wnd = clock_window(h, prog, timeout=60)
    status = status_window(h, prog)
    expect(status_text(h, status).endswith("Errorcode 10060"), "timed out: %r" % status_text(h, status))
    exit_program(h, prog, wnd)


def no_flood(h, responder):
    """An interval of 0 minutes with periodic synchronisation: the default hour, not every second."""
    responder.mode = "good"
    before = responder.requests
    settings = dict(LAN, SyncInterval=("REG_DWORD", 0), PeriodicSync=("REG_DWORD", 1), SyncTimeOut=("REG_DWORD", 0))
    folder, prog = start(h, "interval", settings, {"VELMORA_SNTP_PORT": str(responder.port)})
    wnd = clock_window(h, prog)
    expect(stays_false(h, lambda: responder.requests > before, 6), "no query at every tick: %d" % (responder.requests - before))
    # A time-out of 0 is the default 5 s: a synchronisation by hand works.
    h.command(wnd, ids["ID_SYNCHRONIZE"], send=True)
    status = status_window(h, prog)
    expect(status_text(h, status).endswith(":\nTime synchronized OK"), "synchronized: %r" % status_text(h, status))
    exit_program(h, prog, wnd)


def implausible_replies(h, responder):
    """With the offset guard off, replies whose times cannot be true never set the clock."""
    settings = dict(LAN, NoBigSync=("REG_DWORD", 0), SyncTimeOut=("REG_DWORD", 1))
    folder, prog = start(h, "replies", settings, {"VELMORA_SNTP_PORT": str(responder.port)})
    wnd = clock_window(h, prog)
    status = status_window(h, prog)
    for mode in ("zero-receive", "all-ones", "noise", "receive-1973"):
        responder.mode = mode
        h.command(wnd, ids["ID_SYNCHRONIZE"], send=True)
        text = status_text(h, status)
        expect("Synchronization failed - The server's reply" in text, "%s refused: %r" % (mode, text))
    expect(clockset_log(folder) == [], "the clock was never set: %r" % clockset_log(folder))
    responder.mode = "good"
    h.command(wnd, ids["ID_SYNCHRONIZE"], send=True)
    expect(len(clockset_log(folder)) == 1, "a good reply still sets it")
    exit_program(h, prog, wnd)


class VersionServer:
    """Answers by path: a redirection loop, a 404, a slow file; counts the requests."""

    def __init__(self):
        self.requests = []
        self.release = threading.Event()
        outer = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                outer.requests.append(self.path)
                if self.path.startswith("/loop/"):
                    self.send_response(302)
                    self.send_header("Location", self.path)
                    self.send_header("Content-Length", "0")
                    self.end_headers()
                elif self.path.startswith("/slow/"):
                    body = b"<?xml version=\"1.0\"?>" + b" " * 4000
                    self.send_response(200)
                    self.send_header("Content-Length", str(len(body) + 100))
                    self.end_headers()
                    self.wfile.write(body)
                    self.wfile.flush()
                    outer.release.wait(60)
                else:
                    self.send_error(404, "Not Found")

            def log_message(self, *args):
                pass

        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self.httpd.daemon_threads = True
        self.port = self.httpd.server_address[1]
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def close(self):
        self.release.set()
        self.httpd.shutdown()
        self.httpd.server_close()


def version_window(prog):
    wins = [w["hwnd"] for w in prog.windows(visible_only=True) if w["text"] == VERSION_TITLE]
    return wins[0] if wins else None


def temp_files(h):
    users = h.prefix / "drive_c" / "users"
    return list(users.glob("*/Temp/msp*.tmp")) + list(users.glob("*/AppData/Local/Temp/msp*.tmp"))


def version_check(h, server, base):
    folder = v.program_folder(h, "reliable-version-" + base)
    env = {"VELMORA_VERSION_URL": "http://127.0.0.1:%d/%s" % (server.port, base), "VELMORA_ROUTE": "1"}
    prog = h.start(folder / "Velmora.exe", cwd=folder, env=env)
    wnd = clock_window(h, prog)
    # The deferred start-up makes the version window (hidden) before the command is taken.
    h.wait_for(lambda: [w for w in prog.windows() if w["text"] == VERSION_TITLE], timeout=30,
               what="the version window to exist")
    h.command(wnd, ids["ID_CHECK_VERSION"])
    dlg = h.wait_for(lambda: version_window(prog), timeout=30, what="the version window")
    return prog, wnd, dlg


def version_answers(h, server):
    for base, message, most in (("loop", "The version server redirected the request more than 5 times.", 6),
                                ("missing", "The version server answered: 404 Not Found", 1)):
        before = len(server.requests)
        prog, wnd, dlg = version_check(h, server, base)
        h.wait_for(lambda: h.text(dlg, ids["IDC_VERSION_TEXT"]) != REQUESTING, timeout=60, what="the check to end")
        text = h.text(dlg, ids["IDC_VERSION_TEXT"])
        h.screenshot("velmora-reliable-version-" + base)
        expect(text == message, "%s: %r" % (base, text))
        expect(len(server.requests) - before <= most, "%s: %d requests" % (base, len(server.requests) - before))
        exit_program(h, prog, wnd)


def version_exit_during_download(h, server):
    for old in temp_files(h):
        old.unlink()
    before = len(server.requests)
    prog, wnd, dlg = version_check(h, server, "slow")
    h.wait_for(lambda: len(server.requests) > before and temp_files(h), timeout=60,
               what="the download to make its file")
    exit_program(h, prog, wnd)
    expect(temp_files(h) == [], "no temporary file left: %r" % temp_files(h))
    server.release.set()


with Harness() as h:
    ids = h.ids("velmora")
    responder = Responder()
    server = VersionServer()
    try:
        huge_timeout(h, responder)
        no_flood(h, responder)
        implausible_replies(h, responder)
        version_answers(h, server)
        version_exit_during_download(h, server)
    finally:
        responder.close()
        server.close()
        v.clear_registry(h)
print("ok")
