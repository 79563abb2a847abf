"""The extras' MDI demonstration end to end (ExtrasDemo /mdi): a frame with a tab strip over three
children "Doc 1" to "Doc 3". The strip shows their titles; a click on a tab with the real mouse
activates that child (as the MDI client answers WM_MDIGETACTIVE); a document's new title renames its
tab; Shift+F1 turns the cursor into the help cursor and a click in a view reports the view's command
help context; the in-place frame stand-in becomes the framework's in-place frame while active and
gives the place back; the tree-paged property sheet shows the page chosen in its tree and nothing new
for an empty category; the Window menu tiles; the Windows dialog lists the children, saves the
active one's document to its file, tiles and cascades two of them and closes them, which leaves one
child and one tab."""

import os
import pathlib
import re
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, HarnessError, expect, resource_ids  # noqa: E402

from demo_log import DemoLog  # noqa: E402

TITLE = "MDI demonstration"
WM_MDIGETACTIVE = 0x0229
LB_GETITEMHEIGHT = 0x01A1
ID_WINDOW_TILE_HORZ = 0xE133
HID_BASE_COMMAND = 0x10000
# The Windows dialog's controls.
IDC_LIST, IDC_SAVE, IDC_CLOSE, IDC_CASCADE, IDC_TILEVERT = 16923, 16921, 16922, 16926, 16928


class Log(DemoLog):
    def after(self, mark, prefix):
        return [l[len(prefix):] for l in self.lines()[mark:] if l.startswith(prefix)]

    def fields(self, line):
        return dict(w.split("=", 1) for w in line.split() if "=" in w)


def snapshot(h, ids, log, frame):
    """Asks the demonstration for its tabs and children; returns (fields, tab rects, children)."""
    mark = len(log.lines())
    h.command(frame, ids["ID_MDI_LOGTABS"])
    line = h.wait_for(lambda: log.after(mark, "mditabs "), what="the tabs in the log")[0]
    m = re.match(r"count=(\d+) active=(-?\d+) children=(\d+) activechild=(.*) labels=(.*)$", line)
    expect(m, "the tabs' record reads: %s" % line)
    fields = dict(zip(("count", "active", "children", "activechild", "labels"), m.groups()))
    tabs = [tuple(int(v) for v in l.split()[1:]) for l in log.after(mark, "mditab ")]
    children = {}
    for l in log.after(mark, "mdichild "):
        name, rest = l.rsplit("|", 1)
        values = [int(v) for v in rest.split()]
        children[name] = (tuple(values[:4]), values[4])
    return fields, tabs, children


def client_of(h, frame):
    found = [c for c in h.children(frame) if c["class"].lower() == "mdiclient"]
    expect(found, "the frame has an MDI client")
    return found[0]["hwnd"]


def child_handles(h, client):
    return {c["text"]: int(c["hwnd"], 16) for c in h.children(client) if c["class"] != "Edit" and c["text"]}


def check_tabs(h, ids, log, frame, client):
    fields, tabs, children = snapshot(h, ids, log, frame)
    expect(fields["labels"] == "Doc 1|Doc 2|Doc 3", "the tabs show the children's titles: %s" % fields)
    expect(len(tabs) == 3 and fields["children"] == "3", "three children, three tabs: %s" % fields)
    handles = child_handles(h, client)
    for i, name in ((0, "Doc 1"), (1, "Doc 2")):
        r = tabs[i]
        h.mouse_click((r[0] + r[2]) // 2, (r[1] + r[3]) // 2)
        h.wait_for(lambda: h.send(client, WM_MDIGETACTIVE) == handles[name],
                   what="the click on the tab to activate %s" % name)
        fields, _, _ = snapshot(h, ids, log, frame)
        expect(fields["active"] == str(i), "the clicked tab is the active one: %s" % fields)

    # The active child's document takes a new title: its tab follows.
    h.command(frame, ids["ID_MDI_RENAME"])
    h.wait_for(lambda: snapshot(h, ids, log, frame)[0]["labels"] == "Doc 1|Renamed|Doc 3",
               what="the renamed document's tab")
    h.screenshot("mdi-tabs")


def check_help(h, ids, log, frame, client):
    _, _, children = snapshot(h, ids, log, frame)
    rect = children["Renamed"][0]
    mark = len(log.lines())
    h.xdotool("mousemove", "--sync", (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2 + 10)
    h.key("shift+F1")
    line = h.wait_for(lambda: log.after(mark, "helpmode "), what="help mode")[0]
    expect(line == "cursor=1", "help mode shows the help cursor: %s" % line)
    h.mouse_click((rect[0] + rect[2]) // 2 + 20, (rect[1] + rect[3]) // 2 + 20)
    line = h.wait_for(lambda: log.after(mark, "help context="), what="the help context")[0]
    expect(int(line, 16) == HID_BASE_COMMAND + ids["ID_MDI_DOCCMD"], "the view's command help context: %s" % line)


def check_inplace(h, ids, log, frame):
    mark = len(log.lines())
    h.command(frame, ids["ID_MDI_INPLACE"])
    lines = h.wait_for(lambda: len(log.after(mark, "inplace ")) == 2 and log.after(mark, "inplace "),
                       what="the in-place frame's activation")
    expect(lines == ["active=1", "restored=1"], "the in-place frame was set and put back: %s" % lines)


def check_sheet(h, ids, log, frame):
    mark = len(log.lines())
    h.command(frame, ids["ID_MDI_SHEET"])
    h.wait_for(lambda: log.after(mark, "sheet "), what="the property sheet")
    items = {}
    for l in log.after(mark, "sheetitem "):
        name, rest = l.rsplit("|", 1)
        items[name] = tuple(int(v) for v in rest.split())
    expect("Second page" in items and "Empty" in items, "the tree holds the pages and categories: %s" % items)
    for name, expected in (("Second page", "active=1 shown=The second page"),
                           ("Empty", "active=1 shown=The second page"),
                           ("General", "active=0 shown=The first page")):
        r = items[name]
        h.mouse_click((r[0] + r[2]) // 2, (r[1] + r[3]) // 2)
        h.idle(frame)
        mark = len(log.lines())
        h.command(frame, ids["ID_MDI_SHEETLOG"])
        line = h.wait_for(lambda: log.after(mark, "sheet "), what="the sheet's page")[0]
        expect(line == expected, "after a click on %s the sheet shows %s: %s" % (name, expected, line))
    h.screenshot("mdi-sheet")
    sheet = h.find(title="Tree sheet", visible=True)
    h.close(sheet)


def arranged(h, ids, log, frame, names):
    _, _, children = snapshot(h, ids, log, frame)
    return [children[n] for n in names]


def check_window_menu(h, ids, log, frame):
    h.command(frame, ID_WINDOW_TILE_HORZ)
    rects = h.wait_for(lambda: (lambda r: r if len({x[0][1] for x in r}) == 3 else None)(
        arranged(h, ids, log, frame, ["Doc 1", "Renamed", "Doc 3"])), what="the children tiled one above another")
    expect(len({x[0][0] for x in rects}) == 1, "tiled horizontally the children share their left edge: %s" % rects)


def list_rows(h, dlg):
    return h.items(dlg, IDC_LIST)["items"]


def selected_rows(h, dlg):
    return h.items(dlg, IDC_LIST)["selected"]


def click_rows(h, dlg, rows):
    """Selects the rows with the real mouse: a click on the first, Ctrl+click on the others."""
    lst = [c for c in h.children(dlg) if c["id"] == IDC_LIST][0]
    height = h.send(lst["hwnd"], LB_GETITEMHEIGHT)
    r = lst["rect"]
    for n, row in enumerate(rows):
        x, y = r["left"] + 30, r["top"] + 2 + height * row + height // 2
        if n == 0:
            h.mouse_click(x, y)
        else:
            h.xdotool("mousemove", "--sync", x, y)
            h.xdotool("keydown", "ctrl", "click", 1, "keyup", "ctrl")
    h.idle(dlg)


def check_windows_dialog(h, ids, log, frame, work):
    # The Window menu's "Windows..." command, as the menu sends it.
    h.command(frame, ids["ID_MDI_WINDOWS"])
    dlg = h.find(title="Windows", visible=True, timeout=15)
    rows = list_rows(h, dlg)
    expect(rows == ["Doc 1", "Doc 3", "Renamed"], "the dialog lists the children, sorted: %s" % rows)
    expect(selected_rows(h, dlg) == [2], "the active child is the selected row")

    # The active child ("Renamed") is the selected one: its document is saved.
    mark = len(log.lines())
    h.click_in(dlg, IDC_SAVE)
    line = h.wait_for(lambda: log.after(mark, "saved "), what="the save")[0]
    expect(line == "Renamed 1", "the active child's document was saved: %s" % line)
    expect((work / "Doc 2.doc").exists(), "the document went to its own file")
    # A saved document is named after its file, in the list as on its tab.
    h.wait_for(lambda: list_rows(h, dlg) == ["Doc 1", "Doc 2.doc", "Doc 3"], what="the list to show the file name")

    click_rows(h, dlg, [0, 2])
    expect(selected_rows(h, dlg) == [0, 2], "the two rows clicked are selected: %s" % selected_rows(h, dlg))
    expect(h.info(dlg, IDC_TILEVERT)["enabled"], "two selected windows can be tiled")
    h.click_in(dlg, IDC_TILEVERT)
    rects = h.wait_for(lambda: (lambda r: r if r[0][0][0] != r[1][0][0] and not r[0][1] and r[2][1] else None)(
        arranged(h, ids, log, frame, ["Doc 1", "Doc 3", "Doc 2.doc"])), what="the two tiled side by side")
    expect(rects[0][0][1] == rects[1][0][1], "tiled vertically they share their top edge: %s" % rects)
    h.click_in(dlg, IDC_CASCADE)
    h.wait_for(lambda: (lambda r: r if r[0][0][1] != r[1][0][1] and r[0][0][0] != r[1][0][0] else None)(
        arranged(h, ids, log, frame, ["Doc 1", "Doc 3"])), what="the two cascaded")
    h.screenshot("mdi-windows-dialog")

    h.click_in(dlg, IDC_CLOSE)
    h.wait_for(lambda: list_rows(h, dlg) == ["Doc 2.doc"], what="the closed windows to leave the list")
    fields, tabs, children = snapshot(h, ids, log, frame)
    expect(fields["children"] == "1" and fields["count"] == "1", "one child and one tab are left: %s" % fields)
    expect(list(children) == ["Doc 2.doc"] and fields["labels"].strip() == "Doc 2.doc", "the one left: %s" % fields)
    h.click_in(dlg, 1)
    h.wait_gone(dlg)


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uiextras" / "demo" / "ExtrasIds.h")
        work = pathlib.Path(tempfile.mkdtemp(prefix="mdi-e2e-"))
        log = Log(work / "mdi.log")
        h.start(h.build / "uiextras" / "ExtrasDemo.exe", "/mdi", "Z:" + str(log.path).replace("/", "\\"))
        frame = h.find(title=TITLE, partial=True, visible=True, timeout=30)
        h.wait_for(lambda: "ready" in log.lines(), timeout=20, what="the demonstration to start")
        client = client_of(h, frame)
        check_tabs(h, ids, log, frame, client)
        check_window_menu(h, ids, log, frame)
        check_help(h, ids, log, frame, client)
        check_inplace(h, ids, log, frame)
        check_sheet(h, ids, log, frame)
        check_windows_dialog(h, ids, log, frame, work)
        h.close(frame)
        h.wait_gone(frame, timeout=15)
    print("mdi e2e passed")


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED: %s" % e)
        sys.exit(1)
