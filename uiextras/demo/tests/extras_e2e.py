"""The extras' demonstration end to end: each look chosen from the menu, with and without a theme,
its colours checked at known pixels of the tool bar and the spin control and screenshots of the
tool bar, a pop-up menu, a spin and a header control; the masked edit typed into with the real
keyboard (letters refused, separators skipped, Backspace and Delete group by group); the edit list
box given, renamed and rid of rows by its buttons and keys; the tab window switched by a click and by
Ctrl+Page Down, a tab dragged to another place and one renamed by a double click."""

import os
import pathlib
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, HarnessError, expect, resource_ids  # noqa: E402

from demo_log import DemoLog  # noqa: E402

TITLE = "Extras demonstration"
PANE = 0xE900  # the frame's first pane: the panel that holds the controls


class Log(DemoLog):
    def last(self, prefix):
        found = [l[len(prefix):] for l in self.lines() if l.startswith(prefix)]
        return found[-1] if found else None

    def places(self):
        result = {}
        for l in self.lines():
            if l.startswith("place "):
                words = l.split()
                result[" ".join(words[1:-4])] = tuple(int(w) for w in words[-4:])
        return result

    def fields(self, line):
        return dict(w.split("=", 1) for w in line.split() if "=" in w)


def pixel(shot, x, y):
    out = subprocess.run(["convert", str(shot), "-crop", "1x1+%d+%d" % (x, y), "+repage", "-depth", "8", "txt:-"],
                         stdout=subprocess.PIPE, check=True).stdout.decode()
    return [w for w in out.splitlines()[1].split() if w.startswith("#")][0][:7].upper()


def colorref_hex(value):
    """A logged COLORREF (0x00BBGGRR, hex) as "#RRGGBB"."""
    v = int(value, 16)
    return "#%02X%02X%02X" % (v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF)


def start(h, log, theme):
    if not theme:
        h.run("reg", "add", r"HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager", "/v", "ThemeActive",
              "/d", "0", "/f")
    prog = h.start(h.build / "uiextras" / "ExtrasDemo.exe", "Z:" + str(log.path).replace("/", "\\"))
    frame = h.find(title=TITLE, visible=True, timeout=30)
    ready = h.wait_for(lambda: log.last("ready "), timeout=20, what="the demonstration to start")
    expect(log.fields(ready)["themed"] == ("1" if theme else "0"), "the theme is %s" % ("open" if theme else "off"))
    return prog, frame


def check_looks(h, prog, ids, log, frame, theme):
    toolbar = tuple(int(w) for w in log.last("toolbar ").split())
    spin = log.places()["spin"]
    tag = "theme" if theme else "notheme"
    for name, cmd in (("base", "ID_EXTRAS_LOOK_BASE"), ("xp", "ID_EXTRAS_LOOK_XP"),
                      ("themed", "ID_EXTRAS_LOOK_THEMED")):
        before = len(log.lines())
        h.command(frame, ids[cmd])
        line = h.wait_for(lambda: [l for l in log.lines()[before:] if l.startswith("look %s " % name)],
                          what="the %s look" % name)[0]
        fields = log.fields(line)
        expect(fields["themed"] == ("1" if theme and name == "themed" else "0"),
               "%s look themed only with a theme: %s" % (name, line))
        # The empty end of the tool bar shows the look's bar colour.
        h.xdotool("mousemove", 5, 5 + len(log.lines()) % 50)
        shot = h.screenshot("extras-%s-%s" % (tag, name))
        bar = pixel(shot, toolbar[2] - 8, (toolbar[1] + toolbar[3]) // 2)
        expect(bar == colorref_hex(fields["bar"]), "%s tool bar face %s, look says %s" % (name, bar, fields["bar"]))
        if name == "xp":
            # The mouse over the lower half makes it hot: the flat look fills it with its highlight.
            h.xdotool("mousemove", "--sync", spin[0] + 3, spin[3] - 4)
            h.wait_for(lambda: pixel(h.screenshot("extras-%s-%s-spin" % (tag, name)), spin[0] + 3, spin[3] - 4)
                       == colorref_hex(fields["hilite"]), what="the hot lower half in the highlight colour")
            upper = pixel(h.screenshot("extras-%s-%s-spin" % (tag, name)), spin[0] + 3, spin[1] + 3)
            expect(upper != colorref_hex(fields["hilite"]), "the upper half stays cold")
        # A pop-up menu in this look, then away again.
        before = len(log.lines())
        h.command(frame, ids["ID_EXTRAS_SHOWMENU"])
        h.wait_for(lambda: [l for l in log.lines()[before:] if l.startswith("menu ")], what="the pop-up menu")
        menu = h.wait_framework_menu(prog)
        h.screenshot("extras-%s-%s-menu" % (tag, name))
        h.post(menu["hwnd"], 0x0100, 0x1B, 1)  # WM_KEYDOWN, VK_ESCAPE: the menu's own loop reads it
        h.wait_for(lambda: not h.framework_menus(prog), what="the pop-up menu to close")


def panel(h, frame):
    return [c for c in h.children(frame) if c["id"] == PANE][0]["hwnd"]


def check_mask(h, ids, log, frame):
    pane = panel(h, frame)
    mask = log.places()["mask"]
    h.mouse_click(mask[0] + 4, (mask[1] + mask[3]) // 2)
    h.type_text("12ab0619999")
    h.wait_for(lambda: h.text(pane, ids["IDC_EXTRAS_MASKEDIT"]) == "12/06/1999",
               what="the date typed, letters refused and separators skipped")
    h.key("BackSpace")
    h.wait_for(lambda: h.text(pane, ids["IDC_EXTRAS_MASKEDIT"]) == "12/06/199_", what="Backspace in the year")
    h.key("Home", "Delete")
    h.wait_for(lambda: h.text(pane, ids["IDC_EXTRAS_MASKEDIT"]) == "12/06/99__",
               what="Delete at the year's start moves the rest of the year left")
    h.key("Left", "BackSpace")
    h.wait_for(lambda: h.text(pane, ids["IDC_EXTRAS_MASKEDIT"]) == "12/0_/99__",
               what="Left crosses the separator, Backspace stays in the month")
    expect(log.last("mask ") == "12/0_/99__", "the program holds what is shown: %r" % log.last("mask "))
    h.screenshot("extras-maskedit")


def check_list(h, log):
    places = log.places()
    new, up, down = places["listbutton 0"], places["listbutton 2"], places["listbutton 3"]
    h.mouse_click((new[0] + new[2]) // 2, (new[1] + new[3]) // 2)
    h.type_text("Paint")
    h.key("Return")
    h.wait_for(lambda: log.last("rows ") == "Notepad;Calculator;Paint", what="a row added by the New button")
    h.key("F2")
    h.type_text("Brush")
    h.key("Return")
    h.wait_for(lambda: log.last("rows ") == "Notepad;Calculator;Brush", what="the row renamed with F2")
    h.key("Delete")
    h.wait_for(lambda: log.last("rows ") == "Notepad;Calculator", what="the row deleted with its key")
    h.mouse_click((up[0] + up[2]) // 2, (up[1] + up[3]) // 2)
    h.wait_for(lambda: log.last("rows ") == "Calculator;Notepad", what="the selected row moved up by its button")
    h.mouse_click((down[0] + down[2]) // 2, (down[1] + down[3]) // 2)
    h.wait_for(lambda: log.last("rows ") == "Notepad;Calculator", what="the row moved down again by its button")
    h.screenshot("extras-editlist")


def tab_rects(log):
    rects = {}
    for l in log.lines():
        if l.startswith("tabrect "):
            words = l.split()
            rects[int(words[1])] = tuple(int(w) for w in words[2:])
    return rects


def centre(rect):
    return ((rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2)


def wait_tabs(h, log, state, what):
    h.wait_for(lambda: log.last("tabs ") == state, what="%s (%s, last %r)" % (what, state, log.last("tabs ")))


def check_tabs(h, log, frame):
    wait_tabs(h, log, "active=0 order=Hours;Minutes;Seconds shown=Hours", "the first tab's page alone")
    h.mouse_click(*centre(tab_rects(log)[2]))
    h.wait_for(lambda: log.last("tabchange ") == "2 0", what="the parent told of the clicked tab")
    wait_tabs(h, log, "active=2 order=Hours;Minutes;Seconds shown=Seconds", "only the clicked tab's page")
    h.screenshot("extras-tabs-clicked")

    h.key("ctrl+Next")
    h.wait_for(lambda: log.last("tabchange ") == "0 2", what="Ctrl+Page Down from the last tab to the first")
    wait_tabs(h, log, "active=0 order=Hours;Minutes;Seconds shown=Hours", "the first tab's page again")
    h.key("ctrl+Next")
    h.wait_for(lambda: log.last("tabchange ") == "1 0", what="Ctrl+Page Down to the next tab")

    # The first tab dragged onto the right half of the last: it goes to the end.
    rects = tab_rects(log)
    x, y = centre(rects[0])
    h.xdotool("mousemove", "--sync", x, y)
    h.xdotool("mousedown", 1)
    h.xdotool("mousemove", "--sync", centre(rects[1])[0], y)
    h.xdotool("mousemove", "--sync", rects[2][2] - 3, y)
    h.xdotool("mouseup", 1)
    h.wait_for(lambda: log.last("tabmove ") == "0 3", what="the parent told of the moved tab")
    wait_tabs(h, log, "active=2 order=Minutes;Seconds;Hours shown=Hours", "the dragged tab at the end")
    h.idle(frame)
    shot = h.screenshot("extras-tabs-moved")
    # The dragged tab was the active one, drawn into the frame strip above the row: where its right
    # edge was, the strip shows nothing of it any more.
    right, top = rects[0][2], rects[0][1]
    strip = pixel(shot, right, top - 3)
    for y in (top - 2, top - 1):
        expect(pixel(shot, right, y) == strip,
               "no trace of the moved tab's old edge at %d,%d: %s, strip %s" % (right, y, pixel(shot, right, y), strip))

    h.mouse_click(*centre(tab_rects(log)[1]), double=True)
    h.type_text("Ticks")
    h.key("Return")
    h.wait_for(lambda: log.last("tabrename ") == "1 Ticks", what="the parent told of the new name")
    wait_tabs(h, log, "active=1 order=Minutes;Ticks;Hours shown=Seconds", "the renamed tab")
    h.screenshot("extras-tabs-renamed")
def color_button(log, ids):
    for l in log.lines():
        words = l.split()
        if words[0] == "button" and int(words[2]) == ids["ID_EXTRAS_COLOR"]:
            return tuple(int(w) for w in words[3:])
    raise HarnessError("the colour menu button is not on the tool bar")


def open_color_popup(h, prog, ids, log, frame):
    button = color_button(log, ids)
    # The drop-down arrow at the button's right end opens the pop-up.
    h.mouse_click(button[2] - 4, (button[1] + button[3]) // 2)
    h.wait_framework_menu(prog, what="the colour pop-up")
    before = len(log.lines())
    h.command(frame, ids["ID_EXTRAS_COLORCELLS"])
    h.wait_for(lambda: "colourcells done" in log.lines()[before:] or "colourcells none" in log.lines()[before:],
               what="the pop-up's cells")
    cells = []
    for l in log.lines()[before:]:
        words = l.split()
        if words[0] == "colourcell":
            cells.append((words[1], words[2], tuple(int(w) for w in words[3:])))
    expect(cells, "the colour pop-up is open and shows its cells")
    return cells


def choose(h, prog, log, cell, what):
    before = len(log.lines())
    rect = cell[2]
    h.mouse_click((rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2)
    line = h.wait_for(lambda: [l for l in log.lines()[before:] if l.startswith("colour ")], what=what)[0]
    h.wait_for(lambda: not h.framework_menus(prog), what="the colour pop-up to close")
    return line.split()[1]


def check_color(h, prog, ids, log, frame):
    cells = open_color_popup(h, prog, ids, log, frame)
    kinds = [c[0] for c in cells]
    expect(kinds[0] == "automatic" and "other" in kinds and kinds.count("cell") == 20,
           "automatic button, twenty palette cells and the other-colours button: %s" % kinds)
    h.screenshot("extras-colour-popup")
    # A palette cell that is neither black nor the face colour: its colour is logged and shown.
    cell = [c for c in cells if c[0] == "cell" and c[1] not in ("00000000", "00C0C0C0", "00FFFFFF")][3]
    chosen = choose(h, prog, log, cell, "the chosen cell's colour in the log")
    expect(chosen == cell[1], "the command carries the cell's colour: %s, cell %s" % (chosen, cell[1]))
    button = color_button(log, ids)
    # The strip under the image: five pixels high, from the image's last row on.
    h.xdotool("mousemove", 5, 5)
    x, y = button[0] + 8, button[1] + 15 + 1

    def strip_shows():
        return pixel(h.screenshot("extras-colour-strip"), x, y) == colorref_hex(cell[1][2:])
    h.wait_for(strip_shows, what="the button's strip in the chosen colour")

    # Automatic: no colour.
    cells = open_color_popup(h, prog, ids, log, frame)
    chosen = choose(h, prog, log, cells[0], "automatic in the log")
    expect(chosen == "FFFFFFFF", "automatic stands for no colour: %s" % chosen)

    # The other-colours button opens the "Colors" dialog at the automatic colour; OK takes it.
    cells = open_color_popup(h, prog, ids, log, frame)
    other = [c for c in cells if c[0] == "other"][0]
    before = len(log.lines())
    rect = other[2]
    h.mouse_click((rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2)
    dialog = h.find(title="Colors", visible=True, timeout=15)
    h.screenshot("extras-colour-dialog")
    h.click(dialog, 1)  # IDOK
    line = h.wait_for(lambda: [l for l in log.lines()[before:] if l.startswith("colour ")],
                      what="the dialog's colour in the log")[0]
    expect(line.split()[1] == "00000000", "OK returns the colour the dialog opened with: %s" % line)
    h.wait_gone(dialog, timeout=10)


def check_color_button(h, prog, ids, log, frame):
    place = log.places()["colourbutton"]
    h.mouse_click((place[0] + place[2]) // 2, (place[1] + place[3]) // 2)
    h.wait_framework_menu(prog, what="the colour button's pop-up")
    before = len(log.lines())
    h.command(frame, ids["ID_EXTRAS_COLORCELLS"])
    h.wait_for(lambda: "colourcells done" in log.lines()[before:], what="the pop-up's cells")
    cells = [l.split() for l in log.lines()[before:] if l.startswith("colourcell ")]
    cell = [c for c in cells if c[1] == "cell" and c[2] not in ("00000000", "00C0C0C0", "00FFFFFF")][5]
    rect = [int(w) for w in cell[3:]]
    before = len(log.lines())
    h.mouse_click((rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2)
    line = h.wait_for(lambda: [l for l in log.lines()[before:] if l.startswith("colourbutton ")],
                      what="the colour button's click in the log")[0]
    expect(line.split()[1] == cell[2], "the button took the cell's colour: %s, cell %s" % (line, cell[2]))
    h.wait_for(lambda: not h.framework_menus(prog), what="the colour button's pop-up to close")
    h.xdotool("mousemove", 5, 5)

    def shows():
        return pixel(h.screenshot("extras-colour-button"), place[0] + 8, (place[1] + place[3]) // 2) \
            == colorref_hex(cell[2])
    h.wait_for(shows, what="the colour button showing the chosen colour")


def check_color_bar(h, log):
    cells = [l.split()[1:] for l in log.lines() if l.startswith("barcell ")]
    expect(len(cells) == 20, "the dialog's colour bar shows the twenty colours: %d" % len(cells))
    cell = cells[9]
    rect = [int(w) for w in cell[1:]]
    before = len(log.lines())
    h.mouse_click((rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2)
    line = h.wait_for(lambda: [l for l in log.lines()[before:] if l.startswith("colourbar ")],
                      what="the colour bar's command in the log")[0]
    expect(line.split()[1] == cell[0], "the bar took the cell's colour: %s, cell %s" % (line, cell[0]))
    h.screenshot("extras-colour-bar")


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uiextras" / "demo" / "ExtrasIds.h")
        work = pathlib.Path(tempfile.mkdtemp(prefix="extras-e2e-"))
        log = Log(work / "themed.log")
        prog, frame = start(h, log, theme=True)
        check_looks(h, prog, ids, log, frame, theme=True)
        check_mask(h, ids, log, frame)
        check_list(h, log)
        check_tabs(h, log, frame)
        check_color(h, prog, ids, log, frame)
        check_color_button(h, prog, ids, log, frame)
        check_color_bar(h, log)
        h.close(frame)
        h.wait_gone(frame, timeout=15)

        log = Log(work / "plain.log")
        prog, frame = start(h, log, theme=False)
        check_looks(h, prog, ids, log, frame, theme=False)
        h.close(frame)
        h.wait_gone(frame, timeout=15)
    print("extras e2e passed")


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED: %s" % e)
        sys.exit(1)
