"""The property list's demonstration ("ExtrasDemo /proplist") end to end with the real mouse and
keyboard: a category closed and opened by a click on its box; a text edited in place and a number
chosen from its drop-down list, each reported to the owner through the registered message; the
colour row's pop-up opened by its button and a cell taken; the file row's button opening the file
dialog, whose answer becomes the value; the alphabetical and the categorised view switched by the
window's buttons."""

import os
import pathlib
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, HarnessError, expect, resource_ids  # noqa: E402

from demo_log import DemoLog  # noqa: E402

TITLE = "Property list demonstration"
CATEGORIES = ("Appearance", "Placement", "Sound")


class Log(DemoLog):
    def blocks(self):
        """Every complete layout the program wrote: (view, [row dicts], divider x)."""
        result = []
        lines = self.lines()
        for i, l in enumerate(lines):
            if not l.startswith("rows "):
                continue
            _, view, count = l.split()
            count = int(count)
            body = lines[i + 1:i + 1 + count]
            if len(body) < count or len(lines) <= i + 1 + count or not lines[i + 1 + count].startswith("rowsend"):
                continue
            rows = []
            for r in body:
                words = r.split(" ", 7)
                rows.append({"rect": tuple(int(w) for w in words[2:6]), "expanded": words[6] == "1",
                             "name": words[7]})
            divider = int(lines[i + 1 + count].split("=")[1])
            result.append((view, rows, divider))
        return result

    def layout(self):
        found = self.blocks()
        return found[-1] if found else None

    def changes(self, since=0):
        return [l[len("changed "):] for l in self.lines()[since:] if l.startswith("changed ")]


def click(h, x, y):
    """A click at a point; the pointer first leaves it, as a move onto where it already is never
    ends for xdotool's --sync."""
    h.xdotool("mousemove", x + 7, y + 3)
    h.mouse_click(x, y)


def row(layout, name):
    found = [r for r in layout[1] if r["name"] == name]
    expect(found, "the row %s is on show: %s" % (name, [r["name"] for r in layout[1]]))
    return found[0]


def names(layout):
    return [r["name"] for r in layout[1]]


def value_point(layout, name):
    r = row(layout, name)["rect"]
    return layout[2] + 20, (r[1] + r[3]) // 2


def button_point(layout, name):
    r = row(layout, name)["rect"]
    height = r[3] - r[1]
    return r[2] - height // 2, (r[1] + r[3]) // 2 + 1


def wait_change(h, log, before, expected, what):
    h.wait_for(lambda: expected in log.changes(before), what="%s (%s) in the log; changes %s"
               % (what, expected, log.changes(before)))


def check_groups(h, log):
    layout = log.layout()
    expect(layout[0] == "cat" and names(layout)[0] == "Appearance", "the categorised view first: %s" % (layout,))
    look = row(layout, "Appearance")["rect"]
    height = look[3] - look[1]
    click(h, look[0] + height // 2, (look[1] + look[3]) // 2)
    closed = h.wait_for(lambda: (lambda l: l if "Caption" not in names(l) else None)(log.layout()),
                        what="the Appearance rows to close")
    expect(not row(closed, "Appearance")["expanded"] and "Placement" in names(closed),
           "the category is closed, the others stay: %s" % names(closed))
    h.screenshot("proplist-closed")
    look = row(closed, "Appearance")["rect"]
    click(h, look[0] + height // 2, (look[1] + look[3]) // 2)
    opened = h.wait_for(lambda: (lambda l: l if "Caption" in names(l) else None)(log.layout()),
                        what="the Appearance rows to open again")
    expect(row(opened, "Appearance")["expanded"], "the category is open again")


def check_edit(h, log):
    layout = log.layout()
    before = len(log.lines())
    click(h, *value_point(layout, "Caption"))
    h.key("End", "shift+Home")
    h.type_text("Desk clock")
    h.screenshot("proplist-editing")
    h.key("Return")
    wait_change(h, log, before, "1060 Caption=Desk clock", "the edited caption")
    expect(len(log.changes(before)) == 1, "one report for one edit: %s" % log.changes(before))

    # The number with a list: a first click selects, the arrow opens the list, a key takes 12.
    before = len(log.lines())
    click(h, *value_point(layout, "Size"))
    click(h, *button_point(layout, "Size"))
    h.screenshot("proplist-size-list")
    h.key("Down", "Return")
    wait_change(h, log, before, "1060 Size=12", "the size chosen from the list")


def check_colour(h, prog, ids, log, frame):
    layout = log.layout()
    click(h, *value_point(layout, "Back colour"))
    click(h, *button_point(layout, "Back colour"))
    h.wait_framework_menu(prog, what="the colour row's pop-up")
    before = len(log.lines())
    h.command(frame, ids["ID_PROPLIST_COLORCELLS"])
    h.wait_for(lambda: "colourcells done" in log.lines()[before:], what="the pop-up's cells")
    cells = [l.split() for l in log.lines()[before:] if l.startswith("colourcell ")]
    expect(len(cells) >= 20, "the pop-up shows its cells: %d" % len(cells))
    cell = [c for c in cells if c[1] not in ("00000000", "00FFFFFF")][7]
    value = int(cell[1], 16)
    expected = "%d, %d, %d" % (value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF)
    h.screenshot("proplist-colour-popup")
    rect = [int(w) for w in cell[2:]]
    before = len(log.lines())
    click(h, (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2)
    wait_change(h, log, before, "1060 Back colour=" + expected, "the colour cell")
    h.wait_for(lambda: not h.framework_menus(prog), what="the colour pop-up to close")
    h.screenshot("proplist-colour-taken")


def check_file(h, log):
    layout = log.layout()
    click(h, *value_point(layout, "Chime"))
    click(h, *button_point(layout, "Chime"))
    dialog = h.find(title="Open", visible=True, timeout=20)
    h.screenshot("proplist-file-dialog")
    before = len(log.lines())
    h.type_text("bell.wav")
    h.key("Return")
    h.wait_gone(dialog, timeout=15)
    h.wait_for(lambda: [c for c in log.changes(before) if c.startswith("1060 Chime=") and c.endswith("bell.wav")],
               what="the file chosen in the dialog; changes %s" % log.changes(before))


def check_views(h, log, frame, ids):
    before = len(log.blocks())
    h.click_in(frame, ids["IDC_PROPLIST_ALPHABETICAL"])
    alpha = h.wait_for(lambda: (lambda b: b[-1] if len(b) > before and b[-1][0] == "alpha" else None)(log.blocks()),
                       what="the alphabetical view")
    shown = names(alpha)
    expect(not set(CATEGORIES) & set(shown), "no categories in the alphabetical view: %s" % shown)
    # A group of values is listed with its parts after it; the rest in the order of their names.
    listed = [n for n in shown if n not in ("X", "Y")]
    expect(listed == sorted(listed), "sorted by name: %s" % shown)
    expect(shown.index("X") == shown.index("Position") + 1, "the parts follow their group: %s" % shown)
    h.screenshot("proplist-alphabetical")
    before = len(log.blocks())
    h.click_in(frame, ids["IDC_PROPLIST_CATEGORIZED"])
    cat = h.wait_for(lambda: (lambda b: b[-1] if len(b) > before and b[-1][0] == "cat" else None)(log.blocks()),
                     what="the categorised view")
    expect([n for n in names(cat) if n in CATEGORIES] == list(CATEGORIES), "the categories again: %s" % names(cat))


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uiextras" / "demo" / "ExtrasIds.h")
        work = pathlib.Path(tempfile.mkdtemp(prefix="proplist-e2e-"))
        log = Log(work / "proplist.log")
        prog = h.start(h.build / "uiextras" / "ExtrasDemo.exe", "/proplist", "Z:" + str(log.path).replace("/", "\\"))
        frame = h.find(title=TITLE, visible=True, timeout=30)
        h.wait_for(lambda: "ready" in log.lines(), timeout=20, what="the demonstration to start")
        h.wait_for(log.layout, what="the first layout")
        h.screenshot("proplist-start")
        check_groups(h, log)
        check_edit(h, log)
        check_colour(h, prog, ids, log, frame)
        check_file(h, log)
        check_views(h, log, frame, ids)
        h.close(frame)
        h.wait_gone(frame, timeout=15)
    print("property list e2e passed")


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED: %s" % e)
        sys.exit(1)
