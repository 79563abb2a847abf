"""A hyperlink clicked with the mouse, as a person clicks it in the About box: it opens its page once
and lets the mouse go, so that the next clicks reach the box's OK button and the clock's menu instead
of opening the page again. Its pointer is the program's own hand while the mouse is over it."""

import os
import pathlib
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "app", "tests"))
import velmora_e2e as v  # noqa: E402

harness = v.harness_module(sys.argv[sys.argv.index("--source") + 1])
Harness, expect = harness.Harness, harness.expect

IDOK = 1


def win_path(path):
    return "Z:" + str(path).replace("/", "\\")


def about_box(h, prog):
    return h.wait_for(lambda: ([w["hwnd"] for w in prog.windows(visible_only=True) if w["text"] == "About Velmora"]
                               or [None])[0], timeout=30, what="the About box")


def opened(log):
    return log.read_text().splitlines() if log.exists() else []


def click_then_elsewhere(h, prog, wnd, log):
    h.command(wnd, ids["ID_ABOUT_VELMORA"])
    about = about_box(h, prog)
    h.idle(about)
    # Into the link, a click, and straight on to OK: the first click opens the page once, the
    # second closes the box.
    h.click_in(about, ids["IDC_ABOUT_WEB"], dx=4, dy=4)
    h.wait_for(lambda: opened(log) == ["http://www.quendralabs.com"], timeout=15, what="the link to open")
    h.click_in(about, IDOK)
    h.wait_gone(about, timeout=15)
    h.idle(wnd)
    expect(opened(log) == ["http://www.quendralabs.com"], "the page opened once: %r" % opened(log))

    # Again, with the pointer left resting on the link after the click: then a click on the
    # box's face and one on OK.
    h.command(wnd, ids["ID_ABOUT_VELMORA"])
    about = about_box(h, prog)
    h.idle(about)
    h.click_in(about, ids["IDC_ABOUT_WEB"], dx=4, dy=4)
    h.wait_for(lambda: len(opened(log)) == 2, timeout=15, what="the link to open again")
    h.idle(about)
    ok = h.rect(about, IDOK)
    h.mouse_click(ok["left"] - 30, ok["top"] + 3)
    h.idle(about)
    expect(len(opened(log)) == 2, "a click beside the link opens nothing: %r" % opened(log))
    h.click_in(about, IDOK)
    h.wait_gone(about, timeout=15)

    # The clock's context menu opens on a right click.
    r = h.rect(wnd)
    h.xdotool("mousemove", r["left"] + 10, r["top"] + 10)
    h.idle(wnd)
    h.xdotool("click", 3)
    h.wait_popup_menu(prog, what="the clock's context menu")
    h.key("Escape")
    expect(len(opened(log)) == 2, "no page opened by the later clicks: %r" % opened(log))


with Harness() as h:
    ids = h.ids("velmora")
    v.clear_registry(h)
    folder = v.program_folder(h, "link-click")
    log = folder / "links.log"
    env = {"VELMORA_LINK_LOG": win_path(log), "VELMORA_SHORTCUT_FOLDER": win_path(folder)}
    prog = h.start(folder / "Velmora.exe", cwd=folder, env=env)
    wnd = h.wait_for(lambda: v.clock_windows(h, prog), timeout=60, what="the clock window")[0]["hwnd"]
    v.stable_rect(h, wnd)
    click_then_elsewhere(h, prog, wnd, log)
    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)
print("ok")
