"""Time synchronisation against real peers on loopback: chrony serving NTP, and a scripted responder
of this test for the replies a real server does not send (+10 s, +2 h, short, wrong mode, silent).
The clock is never set: the program's clock setter records the times it is asked for. A scripted
dial-up connection is dialled, connected and gone. The status window shows in its mode. "Synchronize
now" on the options page uses what the page shows before OK, and shows its outcome."""

import os
import pathlib
import re
import shutil
import socket
import struct
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import e2e_sheet_pages as sp  # noqa: E402
import velmora_e2e as v  # noqa: E402

harness = v.harness_module(sys.argv[sys.argv.index("--source") + 1])
Harness, expect = harness.Harness, harness.expect

NTP_EPOCH = 2208988800
STATUS_TITLE = "Time Synchronization Status"


def win_path(path):
    return "Z:" + str(path).replace("/", "\\")


def ntp_now(offset=0.0):
    t = time.time() + offset + NTP_EPOCH
    secs = int(t)
    return struct.pack("!II", secs & 0xFFFFFFFF, int((t - secs) * 2**32) & 0xFFFFFFFF)


def free_udp_port():
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def port_123_free():
    try:
        with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as s:
            s.bind(("127.0.0.1", 123))
        return True
    except OSError:
        return False


def sntp_offset(port, timeout=1.0):
    """This test's own query: the server's offset in seconds, or None without a good reply."""
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as s:
        s.settimeout(timeout)
        req = bytearray(48)
        req[0] = 0x1B
        t1 = ntp_now()
        req[40:48] = t1
        s.sendto(bytes(req), ("127.0.0.1", port))
        try:
            data, _ = s.recvfrom(128)
        except socket.timeout:
            return None
        t4 = time.time() + NTP_EPOCH
    if len(data) < 48 or data[0] & 7 != 4 or not 1 <= data[1] <= 15 or data[24:32] != t1:
        return None

    def secs(b):
        hi, lo = struct.unpack("!II", b)
        return hi + lo / 2**32
    return ((secs(data[32:40]) - secs(t1)) + (secs(data[40:48]) - t4)) / 2


class Chrony:
    """chronyd serving loopback only, never steering this machine's clock (-x), bounded in time."""

    def __init__(self, folder):
        self.folder = folder
        self.port = 123 if port_123_free() else free_udp_port()
        conf = folder / "chrony.conf"
        conf.write_text("local stratum 8\nallow 127.0.0.1\nbindaddress 127.0.0.1\nport %d\ncmdport 0\n"
                        "pidfile %s\ndriftfile %s\n" % (self.port, folder / "chronyd.pid", folder / "drift"))
        self.log = open(folder / "chronyd.log", "wb")
        self.proc = subprocess.Popen(["chronyd", "-x", "-d", "-u", "root", "-f", str(conf)], stdout=self.log,
                                     stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        deadline = time.time() + 20
        while time.time() < deadline:
            if self.proc.poll() is not None:
                raise RuntimeError("chronyd ended: %s" % (folder / "chronyd.log").read_text())
            if sntp_offset(self.port, 0.5) is not None:
                return
        self.close()
        raise RuntimeError("chronyd does not answer on port %d" % self.port)

    def close(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        self.log.close()


class Responder(threading.Thread):
    """Answers each request by the current mode; at most 40 replies, at most 5 minutes."""

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
        deadline = time.time() + 300
        while not self.stop and time.time() < deadline and self.requests < 40:
            try:
                req, peer = self.sock.recvfrom(128)
            except socket.timeout:
                continue
            self.requests += 1
            mode = self.mode
            if mode == "silent" or len(req) < 48:
                continue
            offset = {"plus10": 10.0, "plus2h": 7200.0}.get(mode, 0.0)
            reply = bytearray(48)
            reply[0] = 0x1B if mode == "wrongmode" else 0x1C
            reply[1] = 2
            reply[24:32] = req[40:48]
            now = ntp_now(offset)
            reply[32:40] = now
            reply[40:48] = now
            self.sock.sendto(bytes(reply[:40] if mode == "short" else reply), peer)

    def close(self):
        self.stop = True
        self.join(timeout=5)
        self.sock.close()


def status_window(h, prog):
    found = h.wait_for(lambda: [w for w in prog.windows() if w["text"] == STATUS_TITLE], timeout=30,
                       what="the status window")
    hwnd = found[0]["hwnd"]
    # The window is listed as soon as it is made, before its fields are: a test that reads them
    # waits for the last of them.
    fields = {ids[name] for name in ("IDC_STATUS_SERVER", "IDC_STATUS_LOCATION", "IDC_STATUS_LAST_SYNC",
                                     "IDC_STATUS_DIFFERENCE", "IDC_STATUS_TEXT")}
    h.wait_for(lambda: fields <= {c["id"] for c in h.children(hwnd)}, timeout=30,
               what="the status window's fields")
    h.sync(hwnd)
    return hwnd


def visible(h, prog, hwnd):
    return any(w["hwnd"] == hwnd for w in prog.windows(visible_only=True))


def start(h, name, settings, env):
    folder = v.program_folder(h, "timesync-" + name)
    v.clear_registry(h)
    for key, (kind, data) in settings.items():
        v.reg_set(h, v.REG_CLOCK, key, kind, data)
    full_env = {"VELMORA_CLOCKSET_LOG": win_path(folder / "clockset.log")}
    full_env.update(env)
    prog = h.start(folder / "Velmora.exe", cwd=folder, env=full_env)
    wnd = h.wait_for(lambda: v.clock_windows(h, prog), timeout=60, what="the clock window")[0]["hwnd"]
    return folder, prog, wnd, status_window(h, prog)


def sync(h, wnd, status):
    """Runs "Synchronize Clock" and returns the status window's fields. The command is sent, so it
    has run when the call returns, and the window shows each outcome as soon as it is known."""
    h.command(wnd, ids["ID_SYNCHRONIZE"], send=True)
    return {"status": h.text(status, ids["IDC_STATUS_TEXT"]).replace("\r\n", "\n").replace("\r", "\n"),
            "difference": h.text(status, ids["IDC_STATUS_DIFFERENCE"]),
            "server": h.text(status, ids["IDC_STATUS_SERVER"]),
            "last": h.text(status, ids["IDC_STATUS_LAST_SYNC"])}


def clockset_log(folder):
    p = folder / "clockset.log"
    return p.read_text().splitlines() if p.exists() else []


def exit_program(h, prog, wnd):
    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)


LAN = {"SNTPTimeServer": ("REG_SZ", "127.0.0.1"), "SNTPLoc": ("REG_SZ", "Loopback"),
       "ConnectType": ("REG_DWORD", 0), "SyncTimeOut": ("REG_DWORD", 2), "ConnectErrorMode": ("REG_DWORD", 1)}


def against_chrony(h, chrony):
    """chrony on loopback reads this machine's clock: the difference is well under a millisecond."""
    folder, prog, wnd, status = start(h, "chrony", LAN, {"VELMORA_SNTP_PORT": str(chrony.port)})
    # One query on a loaded machine may wait a few milliseconds for its thread: the median of five
    # is the clock's difference.
    differences = []
    for _ in range(5):
        r = sync(h, wnd, status)
        expect(r["status"].endswith(":\nTime synchronized OK"), "chrony: synchronized: %r" % r["status"])
        m = re.match(r"(-?\d+\.\d{6}) seconds$", r["difference"])
        expect(m is not None, "chrony: the difference in seconds: %r" % r["difference"])
        differences.append(abs(float(m.group(1))))
    differences.sort()
    expect(differences[2] < 0.001, "chrony: difference under 1 ms: %r" % differences)
    expect(r["server"] == "127.0.0.1", "the server shows")
    expect(len(clockset_log(folder)) == 5, "the clock setter was asked each time: %r" % clockset_log(folder))
    h.command(wnd, ids["ID_SYNC_STATUS"])
    h.wait_for(lambda: visible(h, prog, status), timeout=10, what="the status window to show")
    h.screenshot("velmora-timesync-status")
    h.click(status, ids["IDC_STATUS_CLOSE"])
    h.wait_for(lambda: not visible(h, prog, status), timeout=10, what="the status window to hide")
    exit_program(h, prog, wnd)


def against_responder(h, responder):
    """Scripted replies; failures show the status window (mode 2) and never set the clock."""
    settings = dict(LAN, ConnectErrorMode=("REG_DWORD", 2), SyncTimeOut=("REG_DWORD", 1))
    folder, prog, wnd, status = start(h, "responder", settings, {"VELMORA_SNTP_PORT": str(responder.port)})

    responder.mode = "plus10"
    r = sync(h, wnd, status)
    expect(r["status"].endswith(":\nTime synchronized OK"), "+10 s: synchronized: %r" % r["status"])
    # The responder stamps both its times at once; the difference is off by half of how much longer
    # one way took than the other, a few milliseconds at most on a loaded machine.
    difference = float(r["difference"].split()[0])
    expect(abs(difference - 10) < 0.05, "+10 s: the difference: %r" % r["difference"])
    log = clockset_log(folder)
    expect(len(log) == 1, "+10 s: one time recorded: %r" % log)
    asked = time.mktime(time.strptime(log[0][:19], "%Y-%m-%d %H:%M:%S")) - time.timezone
    expect(abs(asked - (time.time() + 10)) < 3, "+10 s: the recorded time is 10 s ahead: %r" % log[0])
    expect(not visible(h, prog, status), "a success leaves the status window hidden")
    last_synced = r["last"]
    expect(last_synced != "", "+10 s: the time of the synchronisation shows")

    responder.mode = "plus2h"
    r = sync(h, wnd, status)
    expect("Synchronization failed - Time difference of 7199.9" in r["status"] or
           "Synchronization failed - Time difference of 7200.0" in r["status"], "+2 h refused: %r" % r["status"])
    expect(r["status"].endswith("seconds was too big to use\nErrorcode -1"), "+2 h: code -1: %r" % r["status"])
    expect(r["difference"] == "Unknown", "+2 h: difference unknown")
    expect(r["last"] == last_synced, "+2 h: a refused answer is no synchronisation: %r" % r["last"])
    h.wait_for(lambda: visible(h, prog, status), timeout=10, what="the status window after a failure")
    h.screenshot("velmora-timesync-refused")
    h.click(status, ids["IDC_STATUS_CLOSE"])

    for mode, tail in (("short", "The server's reply was too short to use\nErrorcode 536870913"),
                       ("wrongmode", "The server's reply was not a server reply\nErrorcode 536870914"),
                       ("silent", "has failed to respond.Errorcode 10060")):
        responder.mode = mode
        r = sync(h, wnd, status)
        expect(r["status"].endswith(tail), "%s: %r" % (mode, r["status"]))
        expect(r["last"] == last_synced, "%s: the last synchronisation is still the one that set the clock: %r"
               % (mode, r["last"]))
    expect(len(clockset_log(folder)) == 1, "no refused reply set the clock: %r" % clockset_log(folder))
    exit_program(h, prog, wnd)


def no_server(h):
    settings = dict(LAN, SNTPTimeServer=("REG_SZ", ""))
    folder, prog, wnd, status = start(h, "noserver", settings, {})
    r = sync(h, wnd, status)
    expect(r["status"].endswith(":\nNo Server selected,use Velmora Options to set."), "no server: %r" % r["status"])
    exit_program(h, prog, wnd)


def dial_up(h, chrony):
    """Modem connection type: synchronisation only while the scripted connection is up."""
    script = h.build / "e2e" / "timesync-ras.txt"
    script.parent.mkdir(parents=True, exist_ok=True)
    script.write_text("")
    settings = dict(LAN, ConnectType=("REG_DWORD", 1))
    folder, prog, wnd, status = start(h, "dialup", settings, {"VELMORA_SNTP_PORT": str(chrony.port),
                                                               "VELMORA_RAS_SCRIPT": win_path(script)})
    r = sync(h, wnd, status)
    expect(r["status"].endswith(":\nModem offline"), "no connection: %r" % r["status"])
    script.write_text("MyISP dialling\n")
    # What is checked is that a line still dialling is no connection: the program's monitor reads
    # the script once a second, so it has read it in this while.
    time.sleep(1.5)
    r = sync(h, wnd, status)
    expect(r["status"].endswith(":\nModem offline"), "dialling: %r" % r["status"])

    def synced_until(ending, what):
        """Synchronises again until the status ends so: the monitor reads the script once a second."""
        return h.wait_for(lambda: (lambda r: r if r["status"].endswith(ending) else None)(sync(h, wnd, status)),
                          timeout=15, interval=0.5, what=what)
    script.write_text("MyISP connected 100 200 56000 3\n")
    synced_until(":\nTime synchronized OK", "a synchronisation over the connection")
    script.write_text("")
    synced_until(":\nModem offline", "the connection to be gone")
    exit_program(h, prog, wnd)


def options_sync_now(h, chrony):
    """Saved: a modem connection that is down and a server that does not exist. On the page the user
    adds the loopback server, selects it and chooses the network: "Synchronize now" asks it, and the
    status window shows the outcome. Cancel then leaves the saved settings, which still say modem."""
    script = h.build / "e2e" / "timesync-options-ras.txt"
    script.parent.mkdir(parents=True, exist_ok=True)
    script.write_text("")
    settings = dict(LAN, ConnectType=("REG_DWORD", 1), SNTPTimeServer=("REG_SZ", "time.invalid"),
                    SNTPLoc=("REG_SZ", "Never asked"), PropIndex=("REG_DWORD", 1), ConnectErrorMode=("REG_DWORD", 0))
    folder, prog, wnd, status = start(h, "options", settings, {"VELMORA_SNTP_PORT": str(chrony.port),
                                                               "VELMORA_RAS_SCRIPT": win_path(script)})
    sheet = sp.open_sheet(h, prog, wnd)
    sp.go_to_page(h, sheet, 1)
    sp.shown(h, sheet, "IDC_SYNC_SERVER_LIST")
    dlg = sp.add_server(h, prog, sheet, "127.0.0.1", "Loopback")
    h.click_in(dlg, 1)
    h.wait_gone(dlg, timeout=15)
    h.select(sheet, ids["IDC_SYNC_SERVER_COMBO"], text="127.0.0.1")
    h.click_in(sheet, ids["IDC_SYNC_LAN"], dx=6)
    h.wait_for(lambda: h.check_state(sheet, ids["IDC_SYNC_LAN"]) == 1, what="Network (LAN) chosen")
    h.click_in(sheet, ids["IDC_SYNC_NOW"])
    h.wait_for(lambda: visible(h, prog, status), timeout=30, what="the status window with the outcome")
    h.wait_for(lambda: h.text(status, ids["IDC_STATUS_TEXT"]).replace("\r", "").endswith(":\nTime synchronized OK"),
               timeout=10, what="the synchronisation over the network")
    expect(h.text(status, ids["IDC_STATUS_SERVER"]) == "127.0.0.1", "the page's server was asked")
    expect(len(clockset_log(folder)) == 1, "the clock setter was asked once: %r" % clockset_log(folder))
    h.screenshot("velmora-timesync-options-sync-now")
    h.click_in(status, ids["IDC_STATUS_CLOSE"])
    h.wait_for(lambda: not visible(h, prog, status), timeout=10, what="the status window to hide")
    sp.close_sheet(h, sheet, 2)
    expect(v.reg_query(h, v.REG_CLOCK, "ConnectType") == "0x1", "Cancel keeps the saved connection type")
    r = sync(h, wnd, status)
    expect(r["status"].endswith(":\nModem offline"), "the menu's synchronisation uses the saved settings: %r"
           % r["status"])
    exit_program(h, prog, wnd)


with Harness() as h:
    ids = h.ids("velmora")
    sp.ids = ids
    chrony_folder = h.build / "e2e" / "timesync-chrony"
    if chrony_folder.exists():
        shutil.rmtree(chrony_folder)
    chrony_folder.mkdir(parents=True)
    chrony = Chrony(chrony_folder)
    responder = Responder()
    try:
        against_chrony(h, chrony)
        against_responder(h, responder)
        no_server(h)
        dial_up(h, chrony)
        options_sync_now(h, chrony)
    finally:
        responder.close()
        chrony.close()
    v.clear_registry(h)
print("ok")
