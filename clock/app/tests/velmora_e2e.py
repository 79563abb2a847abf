"""Shared steps of the desktop clock's end-to-end tests: a private program folder, a clean registry
key, starting the program and finding its clock window."""

import os
import pathlib
import shutil
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)


def harness_module(source):
    sys.path.insert(0, str(pathlib.Path(source) / "tools" / "e2e"))
    import harness
    return harness


REG_ROOT = r"HKCU\Software\Quendra Labs"
REG_CLOCK = REG_ROOT + r"\Velmora\Clock"
DIALOG_CLASS = "#32770"


def program_folder(h, name):
    """A fresh folder holding a copy of the program: its data files are written beside it."""
    folder = h.build / "e2e" / name
    if folder.exists():
        shutil.rmtree(folder)
    folder.mkdir(parents=True)
    shutil.copy2(h.build / "clock" / "Velmora.exe", folder / "Velmora.exe")
    return folder


def clear_registry(h):
    """Removes the program's own key only: the maker's key may hold other programs' settings."""
    h.run("reg", "delete", REG_ROOT + r"\Velmora", "/f", timeout=60)


def reg_query(h, key, value):
    """The data of one registry value as reg.exe prints it, or None."""
    code, out = h.run("reg", "query", key, "/v", value, timeout=60)
    if code != 0:
        return None
    for line in out.splitlines():
        parts = line.split(None, 2)
        if len(parts) >= 2 and parts[0] == value and parts[1].startswith("REG_"):
            return parts[2].strip() if len(parts) > 2 else ""
    return None


def reg_set(h, key, value, kind, data):
    code, out = h.run("reg", "add", key, "/v", value, "/t", kind, "/d", str(data), "/f", timeout=60)
    if code != 0:
        raise RuntimeError("reg add %s %s failed: %s" % (key, value, out))


def clock_windows(h, prog):
    """The program's visible clock window: a dialog without a title (message boxes carry one)."""
    return [w for w in prog.windows(visible_only=True) if w["class"] == DIALOG_CLASS and w["text"] == ""]


def message_boxes(h, prog):
    return [w for w in prog.windows(visible_only=True) if w["class"] == DIALOG_CLASS and w["text"] != ""]


def start_clock(h, folder):
    """Starts the program and waits for its clock window; returns (program, window handle)."""
    prog = h.start(folder / "Velmora.exe", cwd=folder)
    found = h.wait_for(lambda: clock_windows(h, prog), timeout=60, what="the clock window")
    return prog, found[0]["hwnd"]


def wait_started(h, prog, timeout=30):
    """Waits for the program's deferred start-up, which ends by making the hidden version window."""
    h.wait_for(lambda: [w for w in prog.windows() if w["text"] == "Check for new versions"], timeout=timeout,
               what="the deferred start-up")


def size_of(rect):
    return rect["right"] - rect["left"], rect["bottom"] - rect["top"]


def stable_rect(h, hwnd, timeout=15):
    """The window rectangle once two readings a second apart agree (the window sizes itself when it paints)."""
    last = [None]

    def settled():
        r = h.rect(hwnd)
        same = r == last[0]
        last[0] = r
        return r if same else None
    return h.wait_for(settled, timeout=timeout, interval=1.0, what="the window's size to settle")


def titled(h, prog, title, timeout=30):
    """The program's visible top window with the title."""
    return h.wait_for(lambda: [w for w in prog.windows(visible_only=True) if w["text"] == title],
                      timeout=timeout, what="the window %r" % title)[0]["hwnd"]


def page_of(h, sheet, caption):
    """The sheet's page with the caption (the active one is the visible dialog child)."""
    return h.wait_for(lambda: [c["hwnd"] for c in h.children(sheet)
                               if c["class"] == DIALOG_CLASS and c["text"] == caption and c.get("visible", True)],
                      timeout=15, what="the page %r" % caption)[0]
