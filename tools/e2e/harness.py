"""Helpers for end-to-end tests: run the real programs under Wine and Xvfb and drive them from outside.

A test script is started by ctest (velmora_e2e) with --build, --source and --prefix, and with
--base-prefix: the test then runs in a prefix of its own, cloned from the booted base prefix, with
its own Wine server and its own Xvfb, so that tests run side by side. Typical use:

    from harness import Harness
    with Harness() as h:
        prog = h.start(h.build / "tzeditor" / "Torvane.exe")
        dlg = h.find(title="Velmora Torvane", timeout=20)
        h.click(dlg, 1001)
        ...
        h.screenshot("torvane-list")

Everything waits with a time-out and raises HarnessError when it runs out. A test waits for a
condition, never for a fixed time: a window (find), a record its program writes (wait_until on a
log), a file (wait_file), a control's text (wait_text), or idle(): the program has taken the
input it was given and is back in its message loop, so that a screenshot shows it and a check
that some input changed nothing is sound. Programs started by the
harness are closed at the end (WM_CLOSE to their windows, then their own process is killed); a
prefix of the test's own is then shut down with its display. A shared prefix is left alone.
"""

import argparse
import json
import os
import pathlib
import re
import signal
import subprocess
import sys
import tempfile
import time

__all__ = ["Harness", "HarnessError", "Program"]


class HarnessError(Exception):
    pass


class Program:
    """One program started under Wine by the harness."""

    def __init__(self, harness, popen, exe):
        self.harness = harness
        self.popen = popen
        self.exe = pathlib.PurePath(str(exe)).name

    @property
    def pid(self):
        return self.popen.pid

    def running(self):
        return self.popen.poll() is None

    def windows(self, visible_only=False):
        """The program's top-level windows, as winctl's records (hwnd, class, text, rect, ...)."""
        args = ["--exe", self.exe] + (["--visible"] if visible_only else [])
        return self.harness.list_windows(*args)

    def wait_exit(self, timeout=10):
        try:
            return self.popen.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise HarnessError("%s still running after %ss" % (self.exe, timeout))

    def stop(self, grace=5):
        """Asks the program's windows to close, then kills its own process if it is still there."""
        if not self.running():
            return self.popen.returncode
        try:
            for w in self.windows(visible_only=True):
                self.harness.winctl("close", w["hwnd"], check=False)
        except HarnessError:
            pass
        try:
            return self.popen.wait(timeout=grace)
        except subprocess.TimeoutExpired:
            pass
        # Only this process: Wine's services and desktop belong to the whole session.
        for sig in (signal.SIGTERM, signal.SIGKILL):
            try:
                os.kill(self.popen.pid, sig)
            except ProcessLookupError:
                break
            try:
                return self.popen.wait(timeout=3)
            except subprocess.TimeoutExpired:
                continue
        return self.popen.returncode


class Harness:
    """Parses the test's arguments, owns the display and the programs a test starts."""

    def __init__(self, argv=None, name=None, depth=None):
        parser = argparse.ArgumentParser()
        parser.add_argument("--build", required=True)
        parser.add_argument("--source", required=True)
        parser.add_argument("--prefix", required=True)
        parser.add_argument("--base-prefix")
        args, _ = parser.parse_known_args(argv)
        self.build = pathlib.Path(args.build).resolve()
        self.source = pathlib.Path(args.source).resolve()
        self.prefix = pathlib.Path(args.prefix).resolve()
        self.name = name or pathlib.Path(sys.argv[0]).stem
        # Every Wine process of the test starts with the loader of the build's architecture.
        self.arch = build_arch(self.build)
        os.environ["VELMORA_ARCH"] = self.arch
        self.wine_run = self.source / "tools" / "wine-run.sh"
        self.winctl_exe = self.build / "bin" / "winctl.exe"
        self.screenshots = self.build / "screenshots"
        self.programs = []
        # The colour depth of the prefix's own Xvfb; None keeps wine-run.sh's default (24 bits).
        self.depth = depth
        self.own_prefix = bool(args.base_prefix)
        self.base_prefix = pathlib.Path(args.base_prefix).resolve() if self.own_prefix else None
        if self.own_prefix:
            clone_prefix(self.wine_run, self.base_prefix, self.prefix)
        self.display = self._ensure_display()

    def ids(self, program):
        """resource_ids() of resources/<program>/resource.h in the source tree ("velmora", "torvane")."""
        return resource_ids(self.source / "resources" / program / "resource.h")

    # ------------------------------------------------------------------ context

    def __enter__(self):
        return self

    def __exit__(self, exc_type, exc, tb):
        if exc_type is not None:
            try:
                self.screenshot("%s-failure" % self.name)
            except Exception:
                pass
        self.stop_all()
        if self.own_prefix:
            # A passing test's prefix goes (it is a full copy); a failing one's stays to be looked at.
            if exc_type is None:
                remove_prefix(self.prefix)
            else:
                shut_down_prefix(self.prefix)
        return False

    def stop_all(self):
        for p in reversed(self.programs):
            p.stop()
        self.programs = []

    # ------------------------------------------------------------------ environment

    def _ensure_display(self):
        """The X display of the prefix: a given one, or the private Xvfb that wine-run.sh starts."""
        given = os.environ.get("VELMORA_E2E_DISPLAY")
        if given:
            return given
        dfile = pathlib.Path(str(self.prefix) + ".display")

        def alive():
            try:
                disp, pid = dfile.read_text().split()[:2]
                os.kill(int(pid), 0)
                return disp
            except (OSError, ValueError):
                return None

        disp = alive()
        if disp:
            self._check_depth(disp)
            return disp
        env = self._base_env()
        env.pop("DISPLAY", None)
        if self.depth is not None:
            env["VELMORA_XVFB_DEPTH"] = str(self.depth)
        # Booting the prefix once with its output detached also starts the Xvfb and records it.
        subprocess.run(["bash", str(self.wine_run), str(self.prefix), "cmd", "/c", "exit"], env=env,
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=180)
        disp = alive()
        if not disp:
            raise HarnessError("no X display for the prefix %s" % self.prefix)
        self._check_depth(disp)
        return disp

    def _check_depth(self, disp):
        """A test that asked for a depth gets it, or fails: a display already running for a shared
        prefix keeps the depth it was started with."""
        if self.depth is None:
            return
        r = subprocess.run(["xdpyinfo", "-display", disp], stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                           stderr=subprocess.DEVNULL, timeout=30)
        m = re.search(r"depth of root window:\s+(\d+) planes", r.stdout.decode("latin-1"))
        if not m or int(m.group(1)) != self.depth:
            raise HarnessError("the display %s of %s is not %d bits deep (%s)"
                               % (disp, self.prefix, self.depth, m.group(1) if m else "unknown"))

    def _base_env(self, extra=None):
        env = dict(os.environ)
        env.update(extra or {})
        return env

    def env(self, extra=None):
        env = self._base_env(extra)
        env["DISPLAY"] = self.display
        return env

    # ------------------------------------------------------------------ programs

    def start(self, exe, *args, cwd=None, env=None, log=None):
        """Starts a Windows program (a path, or a name Wine knows such as "notepad") in the background."""
        exe = str(exe)
        if cwd is None and os.path.isabs(exe):
            cwd = os.path.dirname(exe)
        if log is None:
            self.screenshots.mkdir(parents=True, exist_ok=True)
            log = self.screenshots / ("%s-%s.log" % (self.name, pathlib.PurePath(exe).stem))
        out = open(log, "ab")
        try:
            popen = subprocess.Popen(["bash", str(self.wine_run), str(self.prefix), exe] + [str(a) for a in args],
                                     cwd=cwd, env=self.env(env), stdin=subprocess.DEVNULL, stdout=out,
                                     stderr=subprocess.STDOUT, start_new_session=True)
        finally:
            out.close()
        name = exe if exe.lower().endswith(".exe") else exe + ".exe"
        prog = Program(self, popen, name)
        self.programs.append(prog)
        return prog

    def run(self, exe, *args, timeout=60, cwd=None, env=None):
        """Runs a Windows program to its end and returns (exit code, output)."""
        cmd = ["bash", str(self.wine_run), str(self.prefix), str(exe)] + [str(a) for a in args]
        code, out, _ = self._run_captured(cmd, timeout, cwd=cwd, env=self.env(env), merge=True)
        return code, out.decode("utf-8", "replace")

    @staticmethod
    def _run_captured(cmd, timeout, cwd=None, env=None, merge=False):
        """Runs cmd with its output in files, not pipes: Wine services that a program happens to
        start inherit its output handles and outlive it, and a pipe would then never reach its
        end. Waits for the process itself only."""
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            p = subprocess.Popen(cmd, cwd=cwd, env=env, stdin=subprocess.DEVNULL, stdout=out,
                                 stderr=out if merge else err)
            try:
                code = p.wait(timeout=timeout)
            except subprocess.TimeoutExpired:
                p.kill()
                p.wait()
                raise
            out.seek(0)
            err.seek(0)
            return code, out.read(), err.read()

    # ------------------------------------------------------------------ the driver

    def winctl(self, *args, check=True, timeout=30):
        """Runs winctl.exe with the arguments; returns its standard output."""
        cmd = ["bash", str(self.wine_run), str(self.prefix), str(self.winctl_exe)] + [str(a) for a in args]
        started = time.monotonic()
        try:
            code, stdout, stderr = self._run_captured(cmd, timeout, env=self.env())
        except subprocess.TimeoutExpired:
            raise HarnessError("winctl %s: no answer in %ss" % (" ".join(map(str, args)), timeout))
        if os.environ.get("VELMORA_E2E_TRACE"):
            sys.stderr.write("winctl %s -> %d in %.2fs\n" % (" ".join(map(str, args)), code,
                                                             time.monotonic() - started))
        out = stdout.decode("latin-1")
        if check and code != 0:
            raise HarnessError("winctl %s failed (%d): %s" % (" ".join(map(str, args)), code,
                                                             stderr.decode("latin-1").strip()))
        return out

    def winctl_json(self, *args, **kw):
        return json.loads(self.winctl(*args, **kw))

    @staticmethod
    def _ctl(hwnd, ctl_id):
        return [hwnd] if ctl_id is None else [hwnd, ctl_id]

    def find(self, title=None, cls=None, exe=None, partial=False, visible=False, timeout=10):
        """Waits for a top-level window and returns its handle (a string such as "0x2004e")."""
        args = ["find", "--timeout", int(timeout * 1000)]
        if title is not None:
            args += ["--title", title]
        if cls is not None:
            args += ["--class", cls]
        if exe is not None:
            args += ["--exe", exe]
        if partial:
            args.append("--partial")
        if visible:
            args.append("--visible")
        return self.winctl(*args, timeout=timeout + 30).strip()

    def list_windows(self, *filters):
        return self.winctl_json("list", *filters)

    def children(self, hwnd):
        return self.winctl_json("children", hwnd)

    def info(self, hwnd, ctl_id=None):
        return self.winctl_json("info", *self._ctl(hwnd, ctl_id))

    def text(self, hwnd, ctl_id=None):
        out = self.winctl("text", *self._ctl(hwnd, ctl_id))
        return out[:-1] if out.endswith("\n") else out

    def rect(self, hwnd, ctl_id=None, client=False):
        return self.winctl_json("client" if client else "rect", *self._ctl(hwnd, ctl_id))

    def items(self, hwnd, ctl_id=None):
        return self.winctl_json("items", *self._ctl(hwnd, ctl_id))

    def select(self, hwnd, ctl_id, index=None, text=None, send=False, dblclk=False):
        args = ["dblclk" if dblclk else "select", hwnd, ctl_id]
        args += ["--text", text] if text is not None else [index]
        if send:
            args.append("--send")
        return int(self.winctl(*args).strip())

    def lvitems(self, hwnd, ctl_id=None):
        return self.winctl_json("lvitems", *self._ctl(hwnd, ctl_id))

    def lvselect(self, hwnd, ctl_id, index):
        self.winctl("lvselect", hwnd, ctl_id, index)

    def dtget(self, hwnd, ctl_id):
        return self.winctl("dtget", hwnd, ctl_id).strip()

    def dtset(self, hwnd, ctl_id, value):
        """Sets a date-time picker ("YYYY-MM-DD HH:MM:SS"); True when the parent was notified too."""
        return self.winctl("dtset", hwnd, ctl_id, value).strip() == "notified"

    def notify(self, hwnd, ctl_id, code, item=-1):
        """Sends WM_NOTIFY as from the control (NM_CLICK -2, NM_DBLCLK -3, NM_RCLICK -5); returns the result."""
        return int(self.winctl("notify", hwnd, ctl_id, code, item).strip())

    def settext(self, hwnd, ctl_id, text):
        self.winctl(*(["settext"] + self._ctl(hwnd, ctl_id) + [text]))

    def click(self, hwnd, ctl_id=None, send=False):
        self.winctl(*(["click"] + self._ctl(hwnd, ctl_id) + (["--send"] if send else [])))

    def check_state(self, hwnd, ctl_id=None):
        return int(self.winctl("check", *self._ctl(hwnd, ctl_id)).strip())

    def command(self, hwnd, cmd_id, code=None, send=False):
        args = ["command", hwnd, cmd_id] + ([code] if code is not None else []) + (["--send"] if send else [])
        self.winctl(*args)

    def post(self, hwnd, msg, wparam=0, lparam=0):
        self.winctl("post", hwnd, msg, wparam, lparam)

    def send(self, hwnd, msg, wparam=0, lparam=0):
        return int(self.winctl("send", hwnd, msg, wparam, lparam).strip())

    def close(self, hwnd):
        self.winctl("close", hwnd)

    def wait_gone(self, hwnd, timeout=10):
        self.winctl("waitgone", hwnd, "--timeout", int(timeout * 1000), timeout=timeout + 30)

    # ------------------------------------------------------------------ pop-up menus

    MENU_CLASS = "#32768"

    def popup_menus(self, prog):
        """The pop-up menu windows that a program has open, top-level first."""
        return [w for w in prog.windows(visible_only=True) if w["class"] == self.MENU_CLASS]

    def wait_popup_menu(self, prog, timeout=15, what="the pop-up menu"):
        return self.wait_for(lambda: (self.popup_menus(prog) or [None])[0], timeout=timeout, what=what)

    # The tool-bar framework's pop-up menus are windows of the framework's own class; they are
    # never activated, and their owner hands them its keys.
    FRAMEWORK_MENU_CLASS = "ORXPopupMenu"

    def framework_menus(self, prog):
        """The framework's pop-up menu windows that a program has open, top-level first."""
        return [w for w in prog.windows(visible_only=True) if w["class"] == self.FRAMEWORK_MENU_CLASS]

    def wait_framework_menu(self, prog, timeout=15, what="the framework's pop-up menu"):
        return self.wait_for(lambda: (self.framework_menus(prog) or [None])[0], timeout=timeout, what=what)

    def choose_menu_command(self, prog, menu, target, cmd_id, timeout=15):
        """Picks the command cmd_id of the open pop-up menu `menu`, by id rather than by position.

        Under Wine a menu's items live in the memory of the process that made it: another process
        gets the menu's handle (MN_GETHMENU) but not its items, so it cannot find the item to click.
        The menu is closed with Escape instead, and the command goes to the window that opened the
        menu (target) as the menu would have sent it: WM_COMMAND with no control. A framework window
        asks its update handlers before it runs a menu command, so a greyed command stays refused."""
        self.post(menu["hwnd"], 0x0100, 0x1B, 1)  # WM_KEYDOWN, VK_ESCAPE: the menu's own loop reads it
        self.wait_for(lambda: not self.popup_menus(prog), timeout=timeout, what="the pop-up menu to close")
        self.command(target, cmd_id)

    def exists(self, **filters):
        try:
            self.find(timeout=0, **filters)
            return True
        except HarnessError:
            return False

    @staticmethod
    def wait_until(predicate, timeout=10, interval=0.1, what="condition"):
        """Polls predicate() until it returns something true; returns that value."""
        end = time.monotonic() + timeout
        while True:
            try:
                value = predicate()
            except HarnessError:
                value = None
            if value:
                return value
            if time.monotonic() >= end:
                raise HarnessError("timed out waiting for %s" % what)
            time.sleep(interval)

    wait_for = wait_until

    def idle(self, hwnd, timeout=15):
        """Waits until the program behind a window has taken the key or click it was last given
        and come back to its message loop (winctl idle): before a screenshot, and before a test
        checks that some input had no effect. Posted commands are taken before input, so they are
        done by then too."""
        self.winctl("idle", hwnd, "--timeout", int(timeout * 1000), timeout=timeout + 30)

    def sync(self, hwnd):
        """Waits until the program behind a window answers a message: its thread is back in a
        message loop. For the steps of a drag, whose own loop may hold the painting back."""
        self.winctl("send", hwnd, 0)  # WM_NULL

    def wait_text(self, hwnd, ctl_id, expected, timeout=10):
        """Waits until a window or control shows a text (a string, or a predicate on the text)."""
        test = expected if callable(expected) else (lambda t: t == expected)
        last = [None]

        def shows():
            last[0] = self.text(hwnd, ctl_id)
            return test(last[0])
        try:
            self.wait_until(shows, timeout=timeout, what="a text")
        except HarnessError:
            raise HarnessError("timed out waiting for the text %r of %s %s; it shows %r"
                               % (expected, hwnd, ctl_id, last[0]))
        return last[0]

    def wait_file(self, path, predicate=None, timeout=10, what=None):
        """Waits until a file exists (and its text satisfies predicate); returns its text."""
        path = pathlib.Path(path)

        def ready():
            try:
                text = path.read_text(encoding="latin-1")
            except OSError:
                return None
            return (text or True) if predicate is None or predicate(text) else None
        value = self.wait_until(ready, timeout=timeout, what=what or "the file %s" % path)
        return value if isinstance(value, str) else ""

    # ------------------------------------------------------------------ mouse, keys, pictures

    def xdotool(self, *args, timeout=15):
        code, out, err = self._run_captured(["xdotool"] + [str(a) for a in args], timeout, env=self.env())
        if code != 0:
            raise HarnessError("xdotool %s failed: %s" % (" ".join(map(str, args)), err.decode().strip()))
        return out.decode()

    def mouse_click(self, x, y, button=1, double=False):
        """Clicks at screen coordinates (the Wine desktop's coordinates are the display's)."""
        self.xdotool("mousemove", "--sync", int(x), int(y))
        self.xdotool("click", "--repeat", 2 if double else 1, button)

    def click_in(self, hwnd, ctl_id=None, dx=None, dy=None, button=1, double=False):
        """Clicks inside a window or control: at its centre, or at (dx, dy) from its top-left corner."""
        r = self.rect(hwnd, ctl_id)
        x = r["left"] + (dx if dx is not None else (r["right"] - r["left"]) // 2)
        y = r["top"] + (dy if dy is not None else (r["bottom"] - r["top"]) // 2)
        self.mouse_click(x, y, button, double)

    def drag(self, hwnd, start, end, steps=8, before_release=None, holding=None):
        """Presses the left button at start, moves to end in steps and lets go there; before_release
        runs just before the button comes up, holding names a key held down all the way. The program
        of hwnd answers after each step, so it has seen the step before the next comes."""
        # A move with --sync waits for motion: come from beside the point.
        self.xdotool("mousemove", start[0] + 3, start[1] + 3)
        self.xdotool("mousemove", "--sync", start[0], start[1])
        if holding:
            self.xdotool("keydown", holding)
        self.xdotool("mousedown", 1)
        self.sync(hwnd)
        for i in range(1, steps + 1):
            x = start[0] + (end[0] - start[0]) * i // steps
            y = start[1] + (end[1] - start[1]) * i // steps
            self.xdotool("mousemove", "--sync", x, y)
            self.sync(hwnd)
        if before_release:
            before_release()
            self.sync(hwnd)
        self.xdotool("mouseup", 1)
        if holding:
            self.xdotool("keyup", holding)

    def key(self, *keys):
        """Sends key presses (xdotool names: "Return", "Escape", "alt+F4", ...) to the focused window."""
        self.xdotool("key", "--delay", 50, *keys)

    def type_text(self, text):
        self.xdotool("type", "--delay", 30, text)

    def screenshot(self, name):
        """Saves the whole display as build/screenshots/<name>.png and returns the path."""
        self.screenshots.mkdir(parents=True, exist_ok=True)
        path = self.screenshots / (name if name.endswith(".png") else name + ".png")
        r = subprocess.run(["import", "-display", self.display, "-window", "root", str(path)], env=self.env(),
                           stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=30)
        if r.returncode != 0 or not path.exists():
            raise HarnessError("screenshot failed: %s" % r.stderr.decode().strip())
        return path

    @staticmethod
    def region_pixels(shot, rect):
        """The raw RGB bytes of a screen rectangle ({"left", "top", "right", "bottom"}) of a screenshot."""
        geometry = "%dx%d+%d+%d" % (rect["right"] - rect["left"], rect["bottom"] - rect["top"], rect["left"], rect["top"])
        return subprocess.run(["convert", str(shot), "-crop", geometry, "+repage", "-depth", "8", "rgb:-"],
                              stdout=subprocess.PIPE, check=True, timeout=30).stdout

    def settled_screenshot(self, name, rect, timeout=10):
        """A screenshot taken once a screen rectangle shows the same picture in two screenshots in
        a row: what a window draws after its last input is on the screen."""
        last = [None]

        def settled():
            shot = self.screenshot(name)
            pixels = self.region_pixels(shot, rect)
            same = pixels == last[0]
            last[0] = pixels
            return shot if same else None
        return self.wait_until(settled, timeout=timeout, interval=0.05, what="the picture in %r to settle" % (rect,))


def resource_ids(header):
    """The numeric #defines of a program's resource.h as a dict: control, command and string ids,
    so that a test names them instead of copying their numbers."""
    ids = {}
    pattern = re.compile(r"^\s*#define\s+(\w+)\s+\(?\s*(0[xX][0-9a-fA-F]+|-?\d+)\s*\)?\s*(?://.*)?$")
    for line in pathlib.Path(header).read_text(encoding="latin-1").splitlines():
        m = pattern.match(line)
        if m:
            ids[m.group(1)] = int(m.group(2), 0)
    if not ids:
        raise HarnessError("no ids in %s" % header)
    return ids


def build_arch(build):
    """The Windows architecture a build tree was configured for: "32" or "64"."""
    cache = pathlib.Path(build) / "CMakeCache.txt"
    m = re.search(r"^VELMORA_ARCH:\w*=(32|64)$", cache.read_text(errors="replace"), re.M)
    if not m:
        raise HarnessError("%s names no VELMORA_ARCH" % cache)
    return m.group(1)


def _server_env(prefix):
    env = dict(os.environ)
    env.update(WINEPREFIX=str(prefix), WINEARCH="win" + env.get("VELMORA_ARCH", "32"))
    return env


def shut_down_prefix(prefix):
    """Ends a prefix's Wine server (and with it every program left in it) and its private Xvfb."""
    subprocess.run(["wineserver", "-k"], env=_server_env(prefix), stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60)
    dfile = pathlib.Path(str(prefix) + ".display")
    try:
        pid = int(dfile.read_text().split()[1])
        os.kill(pid, signal.SIGTERM)
    except (OSError, ValueError, IndexError):
        pass
    dfile.unlink(missing_ok=True)


def clone_prefix(wine_run, base, prefix):
    """Makes prefix a fresh clone of the base prefix, booting the base first when it is new.

    Every file is copied, none linked: Wine rewrites registry files, its update time stamp and the
    programs' own files in place, and rewrites the system's DLLs when it updates a prefix, so a
    file shared with the base by a hard link would carry a test's writes into the base and into
    the tests running beside it. Links inside the prefix stay links, made to point into the clone
    when they pointed into the base."""
    if not (base / "system.reg").exists():
        env = dict(os.environ)
        env.pop("DISPLAY", None)
        subprocess.run(["bash", str(wine_run), str(base), "cmd", "/c", "exit"], env=env,
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=300)
    remove_prefix(prefix)
    prefix.parent.mkdir(parents=True, exist_ok=True)
    # The base's server may replace a registry file while it is copied: then copy again.
    for attempt in range(3):
        if subprocess.run(["cp", "-a", "--reflink=auto", str(base), str(prefix)],
                          stderr=subprocess.DEVNULL).returncode == 0:
            break
        subprocess.run(["rm", "-rf", str(prefix)], check=True)
        time.sleep(0.5)
    else:
        raise HarnessError("cannot clone the prefix %s" % base)
    base_text = str(base) + os.sep
    for path in prefix.rglob("*"):
        if path.is_symlink():
            target = os.readlink(path)
            if target.startswith(base_text):
                path.unlink()
                path.symlink_to(str(prefix) + os.sep + target[len(base_text):])


def shared_files(base, prefix):
    """The files of prefix that are the same file as one of base (hard links into the base)."""
    inodes = set()
    for path in base.rglob("*"):
        if path.is_file() and not path.is_symlink():
            st = path.stat()
            inodes.add((st.st_dev, st.st_ino))
    shared = []
    for path in prefix.rglob("*"):
        if path.is_file() and not path.is_symlink():
            st = path.stat()
            if (st.st_dev, st.st_ino) in inodes:
                shared.append(path)
    return shared


def remove_prefix(prefix):
    """Shuts down a prefix of a test's own and removes it."""
    if prefix.exists() or pathlib.Path(str(prefix) + ".display").exists():
        shut_down_prefix(prefix)
        subprocess.run(["rm", "-rf", str(prefix)], check=True)


def expect(condition, message):
    """Fails the test with a message (plain asserts vanish under python -O)."""
    if not condition:
        raise HarnessError(message)


__all__ += ["expect", "resource_ids", "shared_files"]
