"""The MDI demonstration's menu bar end to end (ExtrasDemo /mdi), with the real mouse.

A child's menu is its template's shared menu, which the bar shows while the child is active. Reset
on the customise sheet's Menu page (answered Yes) gives that template a new menu: every open child
must show it when it is activated again, not the menu that the reset destroyed, which empties the
bar. With a child maximised, the bar starts with the child's system-menu button, and a double click
on it closes that child."""

import os
import pathlib
import re
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from mdi_e2e import TITLE, WM_MDIGETACTIVE, Log, child_handles, client_of, snapshot  # noqa: E402
from harness import Harness, HarnessError, expect, resource_ids  # noqa: E402

SHEET = "Customize"
PSM_SETCURSEL = 0x0400 + 101
WM_MDIMAXIMIZE = 0x0225
# The Menu page's list of frame menus and its Reset button; the message box's Yes.
FRAME_MENUS, RESET_FRAME_MENU, IDYES = 16621, 16624, 6
CHILD_TITLES = ["&File", "&Document", "&Window"]


def menu_bar(h, ids, log, frame):
    """Asks for the menu bar: (fields of its record, [(rect, is the system-menu button, text)])."""
    mark = len(log.lines())
    h.command(frame, ids["ID_MDI_LOGMENUS"])
    line = h.wait_for(lambda: log.after(mark, "menubar "), what="the menu bar in the log")[0]
    m = re.match(r"count=(\d+) valid=(\d) child=(\d) template=(\d) active=(.*)$", line)
    expect(m, "the menu bar's record reads: %s" % line)
    fields = dict(zip(("count", "valid", "child", "template", "active"), m.groups()))
    buttons = []
    for l in log.after(mark, "menubutton "):
        head, text = l.split(" text=", 1)
        f = head.split()
        buttons.append((tuple(int(v) for v in f[1:5]), f[5] == "sys=1", text))
    return fields, buttons


def titles(buttons):
    return [text for _, sys_button, text in buttons if not sys_button and text]


def expect_child_menu(h, ids, log, frame, name):
    fields, buttons = menu_bar(h, ids, log, frame)
    expect(fields["active"] == name, "%s is the active child: %s" % (name, fields))
    expect(fields["valid"] == "1" and fields["child"] == "1" and fields["template"] == "1",
           "the bar shows %s's menu, its template's current one: %s" % (name, fields))
    expect(titles(buttons) == CHILD_TITLES, "the bar shows the child's titles for %s: %r" % (name, buttons))


def activate_by_tab(h, ids, log, frame, client, name):
    """Clicks the child's tab with the real mouse and waits until the MDI client has it active."""
    fields, tabs, _ = snapshot(h, ids, log, frame)
    labels = fields["labels"].split("|")
    expect(name in labels, "a tab shows %s: %s" % (name, fields))
    r = tabs[labels.index(name)]
    handle = child_handles(h, client)[name]
    h.mouse_click((r[0] + r[2]) // 2, (r[1] + r[3]) // 2)
    h.wait_for(lambda: h.send(client, WM_MDIGETACTIVE) == handle, what="the click on the tab of %s" % name)
    h.idle(frame)


def open_menu_page(h, ids, log, frame, prog):
    mark = len(log.lines())
    h.command(frame, ids["ID_MDI_CUSTOMIZE"])
    line = h.wait_for(lambda: log.after(mark, "customize open "), timeout=20, what="the customise sheet")[0]
    sheet = h.find(title=SHEET, visible=True, timeout=20)
    h.idle(sheet)

    def visible_page():
        for c in h.children(sheet):
            if c.get("class") == "#32770" and c.get("visible"):
                return c
        return None
    # A page's window is made when it is first shown: each is shown in turn until the Menu page.
    for index in range(int(line.split("=")[1])):
        h.send(sheet, PSM_SETCURSEL, index, 0)
        h.idle(sheet)
        page = h.wait_for(visible_page, what="a page of the sheet")
        if page["text"] == "Menu":
            return sheet, page["hwnd"]
    raise HarnessError("the sheet has no Menu page")


def answer_yes(h, prog, sheet):
    """Waits for the program's question (a dialog that is not the sheet) and clicks Yes."""
    def box():
        for w in prog.windows(visible_only=True):
            if w.get("class") == "#32770" and w["hwnd"] != sheet and w.get("text") != SHEET:
                return w["hwnd"]
        return None
    hwnd = h.wait_for(box, what="the question before the reset")
    h.idle(hwnd)
    h.screenshot("mdi-menus-reset-question")
    h.click_in(hwnd, IDYES)
    h.wait_gone(hwnd, timeout=10)


def check_reset(h, ids, log, frame, client, prog):
    # Doc 3, made last, is active: the bar shows the children's menu.
    expect_child_menu(h, ids, log, frame, "Doc 3")
    sheet, page = open_menu_page(h, ids, log, frame, prog)
    shown = h.text(page, FRAME_MENUS)
    expect(shown == "Doc", "the page offers the active child's menu for a reset: %r" % shown)
    h.click_in(page, RESET_FRAME_MENU)
    answer_yes(h, prog, sheet)
    h.idle(frame)
    h.screenshot("mdi-menus-after-reset")
    expect_child_menu(h, ids, log, frame, "Doc 3")
    h.click_in(sheet, 2)  # Close
    h.wait_gone(sheet, timeout=15)

    # Each child, activated with the mouse, puts the template's new menu on the bar.
    for name in ("Doc 1", "Doc 2", "Doc 3"):
        activate_by_tab(h, ids, log, frame, client, name)
        expect_child_menu(h, ids, log, frame, name)
    h.screenshot("mdi-menus-children")


def check_system_menu_close(h, ids, log, frame, client):
    activate_by_tab(h, ids, log, frame, client, "Doc 2")
    handles = child_handles(h, client)
    h.send(client, WM_MDIMAXIMIZE, handles["Doc 2"], 0)

    def system_button():
        fields, buttons = menu_bar(h, ids, log, frame)
        found = [b for b in buttons if b[1]]
        return (fields, buttons, found[0]) if found and fields["active"] == "Doc 2" else None
    fields, buttons, button = h.wait_for(system_button, what="the maximised child's system-menu button")
    expect(buttons[0] is button, "the system-menu button is the bar's first: %r" % buttons)
    expect(titles(buttons) == CHILD_TITLES, "the maximised child's menu stays on the bar: %r" % buttons)
    h.screenshot("mdi-menus-maximised")

    r = button[0]
    h.mouse_click((r[0] + r[2]) // 2, (r[1] + r[3]) // 2, double=True)
    h.wait_for(lambda: "Doc 2" not in child_handles(h, client), what="the double click to close Doc 2")
    h.wait_for(lambda: not h.framework_menus(h.programs[0]), what="no system menu left open")
    fields, _, children = snapshot(h, ids, log, frame)
    expect(sorted(children) == ["Doc 1", "Doc 3"] and fields["count"] == "2",
           "the other children and their tabs stay: %s %r" % (fields, children))
    fields, buttons = menu_bar(h, ids, log, frame)
    expect(fields["active"] in ("Doc 1", "Doc 3") and fields["valid"] == "1" and titles(buttons) == CHILD_TITLES,
           "the next child is active with its menu: %s %r" % (fields, buttons))


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uiextras" / "demo" / "ExtrasIds.h")
        work = pathlib.Path(tempfile.mkdtemp(prefix="mdi-menus-e2e-"))
        log = Log(work / "mdi.log")
        prog = h.start(h.build / "uiextras" / "ExtrasDemo.exe", "/mdi", "Z:" + str(log.path).replace("/", "\\"))
        frame = h.find(title=TITLE, partial=True, visible=True, timeout=30)
        h.wait_for(lambda: "ready" in log.lines(), timeout=20, what="the demonstration to start")
        h.idle(frame)
        client = client_of(h, frame)
        check_reset(h, ids, log, frame, client, prog)
        check_system_menu_close(h, ids, log, frame, client)
        h.close(frame)
        h.wait_gone(frame, timeout=15)
    print("mdi menus e2e passed")


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED: %s" % e)
        sys.exit(1)
