"""The customise sheet end to end with the real mouse ("ExtrasDemo /customize"): "Customize..." of the
Tools menu opens the sheet with every page; a command dragged from the Commands page onto a tool bar
and one dragged into a menu stay there after a restart; on the Toolbars page unchecking a bar hides
it, "New..." with a name makes a visible bar with its row checked, Rename and Delete work on that
bar and Reset restores a bar; the Options page switches large icons and the Toolbars page text
labels; the Commands page shows each command's image beside its text; a user tool added on the
Tools page appears in the Tools menu and runs (it writes the arguments it was given to a file), and
its Browse button opens a file dialog offering the tools' file types; once the sheet is closed the
buttons send their commands again.
Screenshots of each page are left in the build tree."""

import os
import pathlib
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, HarnessError, expect, resource_ids  # noqa: E402

from demo_log import DemoLog  # noqa: E402

TITLE = "Customize demonstration"
SHEET = "Customize"
KEY = r"HKEY_CURRENT_USER\Software\Quendra Labs\ExtrasDemo"
PAGES = ["Commands", "Toolbars", "Tools", "Keyboard", "Menu", "Mouse", "Options"]
PSM_SETCURSEL = 0x0400 + 101
LB_GETITEMHEIGHT, LB_GETTOPINDEX, LB_GETCOUNT = 0x01A1, 0x018E, 0x018B
CATEGORIES, COMMANDS = 16601, 16602
TOOLBARS, TEXT_LABELS, RESET, NEW, RENAME, DELETE = 16611, 16612, 16613, 16615, 16616, 16617
LARGE_ICONS = 16653
TOOL_COMMAND, TOOL_BROWSE, TOOL_ARGS = 16922, 16923, 16924
FILE_TYPES = 0x470  # the file dialog's list of file types
STANDARD, FORMAT = 0xE800, 0xE830


class Log(DemoLog):
    def state(self):
        """The bars, menus, open pop-up and options as the program last logged them."""
        lines = self.lines()
        ends = [i for i, l in enumerate(lines) if l == "state done"]
        expect(ends, "the program logged no state")
        start = ends[-1]
        while start > 0 and not lines[start - 1].startswith(("ready", "state ", "sheet ", "command ")):
            start -= 1
        result = {"bars": {}, "buttons": {}, "menus": {}, "popup": [], "options": {}, "rows": []}
        for l in lines[start:ends[-1]]:
            f = l.split()
            if f[0] == "bar":
                fields = dict(w.split("=", 1) for w in f[2:] if "=" in w)
                fields["buttons"] = [int(v) for v in fields["buttons"].split(",") if v]
                fields["name"] = l.split("name=", 1)[1]
                result["bars"][int(f[1])] = fields
            elif f[0] == "button":
                result["buttons"].setdefault(int(f[1]), []).append((int(f[3]), tuple(int(v) for v in f[4:8])))
            elif f[0] == "menu":
                items = [int(v) for v in l.split("items=", 1)[1].split()[0].split(",") if v]
                result["menus"][l.split("text=", 1)[1]] = (tuple(int(v) for v in f[2:6]), items)
            elif f[0] == "popupitem":
                result["popup"].append((int(f[2]), tuple(int(v) for v in f[3:7])))
            elif f[0] == "toolbarrow":
                fields = dict(w.split("=", 1) for w in f[2:] if "=" in w)
                fields["name"] = l.split("name=", 1)[1]
                result["rows"].append(fields)
            elif f[0] == "options":
                result["options"] = dict(w.split("=", 1) for w in f[1:] if "=" in w)
        return result


def centre(rect):
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


class Demo:
    def __init__(self, h, ids, work):
        self.h, self.ids, self.work = h, ids, work
        self.runs = 0
        self.clicks = 0

    def start(self):
        self.runs += 1
        self.log = Log(self.work / ("run%d.log" % self.runs))
        self.prog, self.frame = self.log.start(self.h, self.h.build / "uiextras" / "ExtrasDemo.exe", TITLE, "/customize")

    def state(self):
        before = self.log.lines().count("state done")
        self.h.command(self.frame, self.ids["ID_CUST_LOGSTATE"])
        self.h.wait_for(lambda: self.log.lines().count("state done") > before, timeout=10, what="the state")
        return self.log.state()

    def open_menu(self, text):
        menus = self.state()["menus"]
        expect(text in menus, "the menu bar shows %s: %r" % (text, menus))
        self.h.mouse_click(*centre(menus[text][0]))
        self.h.wait_framework_menu(self.prog, what="the %s menu" % text)
        self.h.idle(self.frame)
        return self.h.wait_for(lambda: self.state()["popup"], timeout=10, what="the %s menu's items" % text)

    def close_menu(self):
        self.h.key("Escape")
        self.h.wait_for(lambda: not self.h.framework_menus(self.prog), timeout=10, what="the menu to close")

    def open_sheet(self):
        items = self.open_menu("&Tools")
        customize = [r for cmd, r in items if cmd == self.ids["ID_CUST_CUSTOMIZE"]]
        expect(customize, "the Tools menu has Customize...: %r" % items)
        self.h.mouse_click(*centre(customize[0]))
        self.sheet = self.h.find(title=SHEET, visible=True, timeout=20)
        line = self.h.wait_for(lambda: self.log.starting("sheet open "), timeout=10, what="the sheet to open")[-1]
        self.h.idle(self.sheet)
        return int(line.split("=")[1])

    def page(self, index):
        """Shows the sheet's page and answers its window."""
        self.h.send(self.sheet, PSM_SETCURSEL, index, 0)
        self.h.idle(self.sheet)

        def visible_page():
            for c in self.h.children(self.sheet):
                if c.get("class") == "#32770" and c.get("visible") and c.get("text") == PAGES[index]:
                    return c["hwnd"]
            return None
        return self.h.wait_for(visible_page, timeout=10, what="the %s page" % PAGES[index])

    def control(self, page, ctl_id):
        return {c["id"]: c for c in self.h.children(page)}[ctl_id]

    def row_rect(self, page, ctl_id, row):
        """The screen rectangle of a list box's row (the list shows it)."""
        hwnd = self.control(page, ctl_id)["hwnd"]
        r = self.h.rect(hwnd, client=True)
        height = self.h.send(hwnd, LB_GETITEMHEIGHT, 0, 0)
        top = r["top"] + (row - self.h.send(hwnd, LB_GETTOPINDEX, 0, 0)) * height
        return (r["left"], top, r["right"], top + height)

    def click(self, hwnd, ctl_id=None):
        """Clicks a control; the pointer leaves first, so that a second click on one place is a move too."""
        self.clicks += 1
        self.h.xdotool("mousemove", 2, 2 + self.clicks % 20)
        self.h.click_in(hwnd, ctl_id)

    def close_sheet(self):
        self.click(self.sheet, 2)  # IDCANCEL, "Close"
        self.h.wait_gone(self.sheet, timeout=15)
        self.h.wait_for(lambda: self.state()["options"].get("customize") == "0", timeout=10,
                        what="customise mode to end")

    def stop(self):
        self.h.close(self.frame)
        self.h.wait_for(lambda: "state saved 1" in self.log.lines(), timeout=15, what="the state to be saved")
        self.prog.wait_exit(timeout=20)


def drag(h, hwnd, start, end):
    """Presses on start, moves to end in steps as a hand would, and lets go; the program has taken
    each step before the next."""
    h.xdotool("mousemove", "--sync", start[0], start[1])
    h.idle(hwnd)
    h.xdotool("mousedown", 1)
    for i in range(1, 13):
        h.xdotool("mousemove", "--sync", start[0] + (end[0] - start[0]) * i // 12,
                  start[1] + (end[1] - start[1]) * i // 12)
        h.sync(hwnd)
    h.xdotool("mouseup", 1)
    h.idle(hwnd)


def commands_row(demo, page, category, text):
    """Selects the category and answers the screen rectangle of the command's row."""
    h = demo.h
    h.select(page, CATEGORIES, text=category, send=True)
    h.idle(page)
    rows = h.items(page, COMMANDS)["items"]
    expect(text in rows, "the %s category lists %s: %r" % (category, text, rows))
    return demo.row_rect(page, COMMANDS, rows.index(text))


def image_pixels(demo, page, category, text):
    """How many pixels of the image column of the command's row differ from the row's ground."""
    h = demo.h
    row = commands_row(demo, page, category, text)
    # The column: the menu image (16 pixels) with a margin on either side; the ground just left of it.
    rect = {"left": row[0], "top": row[1] + 1, "right": row[0] + 20, "bottom": row[3] - 1}
    shot = h.settled_screenshot("customize-row-%s" % text.lower().strip("."), rect)
    pixels = h.region_pixels(shot, rect)
    ground = pixels[0:3]
    return sum(1 for i in range(0, len(pixels), 3) if pixels[i:i + 3] != ground)


def check_drags(demo):
    """Cut onto the standard bar, Zoom into the File menu."""
    h, ids = demo.h, demo.ids
    expect(demo.open_sheet() == len(PAGES), "the sheet has every page")
    for i in range(len(PAGES)):
        demo.page(i)
        h.screenshot("customize-page-%s" % PAGES[i].lower())
    page = demo.page(0)

    # A command with an image on the bars shows it beside its text; one without shows none.
    h.xdotool("mousemove", 2, 2)
    with_image = image_pixels(demo, page, "File", "Open...")
    expect(with_image > 20, "the Open row shows its image: %d pixels" % with_image)
    without_image = image_pixels(demo, page, "Edit", "Copy")
    expect(without_image == 0, "the Copy row shows no image: %d pixels" % without_image)

    standard = demo.state()["buttons"][STANDARD]
    last = standard[-1][1]
    source = commands_row(demo, page, "Edit", "Cut")
    drag(h, demo.frame, (source[0] + 30, (source[1] + source[3]) // 2), (last[2] - 3, (last[1] + last[3]) // 2))
    cut = ids["ID_CUST_CUT"]
    h.wait_for(lambda: cut in demo.state()["bars"][STANDARD]["buttons"], timeout=10,
               what="Cut to join the standard bar")
    h.screenshot("customize-dropped-on-bar")

    items = demo.open_menu("&File")
    first = items[0][1]
    source = commands_row(demo, page, "Format", "Zoom")
    drag(h, demo.frame, (source[0] + 30, (source[1] + source[3]) // 2), ((first[0] + first[2]) // 2, first[3] - 3))
    zoom = ids["ID_CUST_ZOOM"]
    h.wait_for(lambda: zoom in [c for c, _ in demo.state()["popup"]], timeout=10,
               what="Zoom to become an item of the File menu")
    h.screenshot("customize-dropped-in-menu")
    demo.close_menu()
    demo.close_sheet()


def message_box(demo, what):
    """Waits for the program's message box (none of the sheet's own windows) and answers Yes."""
    h = demo.h

    def box():
        for w in demo.prog.windows(visible_only=True):
            if w.get("class") == "#32770" and w.get("text") not in (SHEET, "Toolbar Name"):
                return w["hwnd"]
        return None
    hwnd = h.wait_for(box, timeout=10, what=what)
    h.screenshot("customize-question")
    h.key("Return")
    h.wait_gone(hwnd, timeout=10)


def name_dialog(demo, name):
    """Answers the Toolbar Name dialog with the name, typed over what it shows."""
    h = demo.h
    dialog = h.find(title="Toolbar Name", visible=True, timeout=10)
    h.idle(dialog)
    h.key("End", "shift+Home", "BackSpace")
    h.type_text(name)
    h.key("Return")
    h.wait_gone(dialog, timeout=10)


def row_of(state, name):
    rows = [r for r in state["rows"] if r["name"] == name]
    expect(rows, "the Toolbars page lists %s: %r" % (name, state["rows"]))
    return rows[0]


def bar_named(state, name):
    bars = [b for b in state["bars"].values() if b["name"] == name]
    return bars[0] if bars else None


def check_toolbars(demo):
    h, ids = demo.h, demo.ids
    page = demo.page(1)
    names = h.items(page, TOOLBARS)["items"]
    expect(names[:3] == ["Menu Bar", "Standard", "Format"], "the page lists the frame's bars: %r" % names)

    # A click on the Format row's box hides the bar.
    row = demo.row_rect(page, TOOLBARS, names.index("Format"))
    h.mouse_click(row[0] + 7, (row[1] + row[3]) // 2)
    state = h.wait_for(lambda: (lambda s: s if s["bars"][FORMAT]["visible"] == "0" else None)(demo.state()),
                       timeout=10, what="the Format bar to hide")
    expect(row_of(state, "Format")["check"] == "0", "the Format row is unchecked")

    # New: a visible bar whose row is checked and may be unchecked.
    demo.click(page, NEW)
    name_dialog(demo, "Mine")
    state = h.wait_for(lambda: (lambda s: s if bar_named(s, "Mine") else None)(demo.state()), timeout=10,
                       what="the new bar")
    expect(bar_named(state, "Mine")["visible"] == "1", "the new bar shows")
    mine = row_of(state, "Mine")
    expect(mine["check"] == "1" and mine["enabled"] == "1" and mine["selected"] == "1",
           "the new bar's row is checked and selected: %r" % mine)
    h.screenshot("customize-new-bar")

    demo.click(page, RENAME)
    name_dialog(demo, "Yours")
    state = h.wait_for(lambda: (lambda s: s if bar_named(s, "Yours") else None)(demo.state()), timeout=10,
                       what="the bar's new name")
    expect(state["rows"][-1]["name"] == "Yours" and state["rows"][-1]["check"] == "1",
           "the renamed row is last and checked: %r" % state["rows"])

    demo.click(page, DELETE)
    message_box(demo, "the question before the bar goes")
    h.wait_for(lambda: bar_named(demo.state(), "Yours") is None, timeout=10, what="the bar to go")
    expect(not [r for r in demo.state()["rows"] if r["name"] == "Yours"], "its row goes with it")

    # Text labels on the standard bar, then Reset gives it back its resource's buttons.
    row = demo.row_rect(page, TOOLBARS, names.index("Standard"))
    h.mouse_click(row[0] + 60, (row[1] + row[3]) // 2)
    demo.click(page, TEXT_LABELS)
    h.wait_for(lambda: demo.state()["bars"][STANDARD]["labels"] == "1", timeout=10, what="text labels")
    h.screenshot("customize-text-labels")
    demo.click(page, TEXT_LABELS)
    h.wait_for(lambda: demo.state()["bars"][STANDARD]["labels"] == "0", timeout=10, what="no text labels")
    demo.click(page, RESET)
    message_box(demo, "the question before the bar is reset")
    h.wait_for(lambda: ids["ID_CUST_CUT"] not in demo.state()["bars"][STANDARD]["buttons"], timeout=10,
               what="the reset bar without Cut")
    expect(demo.state()["bars"][STANDARD]["buttons"] == [ids[n] for n in (
        "ID_CUST_NEW", "ID_CUST_OPEN", "ID_CUST_SAVE")] + [0] + [ids["ID_CUST_BOLD"], ids["ID_CUST_ITALIC"]],
        "the reset bar has its resource's buttons: %r" % demo.state()["bars"][STANDARD])

    # The Format bar comes back by its check.
    row = demo.row_rect(page, TOOLBARS, names.index("Format"))
    h.mouse_click(row[0] + 7, (row[1] + row[3]) // 2)
    h.wait_for(lambda: demo.state()["bars"][FORMAT]["visible"] == "1", timeout=10, what="the Format bar back")


def check_options(demo):
    h = demo.h
    small = demo.state()["bars"][STANDARD]["rect"].split(",")
    page = demo.page(6)
    demo.click(page, LARGE_ICONS)
    state = h.wait_for(lambda: (lambda s: s if s["options"]["large"] == "1" else None)(demo.state()),
                       timeout=10, what="large icons")
    large = state["bars"][STANDARD]["rect"].split(",")
    expect(int(large[3]) - int(large[1]) > int(small[3]) - int(small[1]),
           "the bar grows with large icons: %r %r" % (small, large))
    h.screenshot("customize-large-icons")
    demo.click(page, LARGE_ICONS)
    h.wait_for(lambda: demo.state()["options"]["large"] == "0", timeout=10, what="small icons again")


def check_tools(demo, argv_file):
    """A tool that runs this very program to write its arguments to a file."""
    h = demo.h
    page = demo.page(2)
    tools = demo.control(page, 16921)["hwnd"]
    # The header's buttons in the order they were added, New first (laid out from the right).
    buttons = [c for c in h.children(tools) if c.get("class") == "Button" and c.get("parent") == tools]
    new = min(buttons, key=lambda c: c["id"])
    demo.click(new["hwnd"])
    h.idle(demo.sheet)
    h.type_text("Echo")
    h.key("Return")
    h.wait_for(lambda: "Echo;" in demo.state()["options"].get("tools", ""), timeout=10, what="the new tool")
    demo.click(page, TOOL_COMMAND)
    exe = "Z:" + str(h.build / "uiextras" / "ExtrasDemo.exe").replace("/", "\\")
    h.type_text(exe)
    demo.click(page, TOOL_ARGS)
    h.type_text("/echoargs Z:" + str(argv_file).replace("/", "\\") + " hello tools")
    h.idle(demo.sheet)
    h.screenshot("customize-tools")

    # Browse offers the user-tools manager's file types; a cancelled dialog changes nothing.
    command = h.text(page, TOOL_COMMAND)
    demo.click(page, TOOL_BROWSE)

    def file_dialog():
        for w in demo.prog.windows(visible_only=True):
            if w.get("class") == "#32770" and w.get("text") not in (SHEET,):
                if FILE_TYPES in [c.get("id") for c in h.children(w["hwnd"])]:
                    return w["hwnd"]
        return None
    dialog = h.wait_for(file_dialog, timeout=20, what="the file dialog of Browse")
    h.idle(dialog)
    h.screenshot("customize-tools-browse")
    types = h.text(dialog, FILE_TYPES)
    expect(types == "Executable Files (*.exe)", "the dialog offers the tools' file types: %r" % types)
    h.key("Escape")
    h.wait_gone(dialog, timeout=10)
    expect(h.text(page, TOOL_COMMAND) == command, "the command stays as it was")


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uiextras" / "demo" / "ExtrasIds.h")
        work = pathlib.Path(tempfile.mkdtemp(prefix="customize-e2e-"))
        h.run("reg", "delete", KEY, "/f", timeout=60)
        demo = Demo(h, ids, work)
        demo.start()
        check_drags(demo)
        demo.stop()

        demo.start()
        expect("state loaded 1" in demo.log.lines(), "the saved state loads")
        state = demo.state()
        expect(ids["ID_CUST_CUT"] in state["bars"][STANDARD]["buttons"], "after the restart Cut is on the bar")
        expect(ids["ID_CUST_ZOOM"] in state["menus"]["&File"][1],
               "after the restart Zoom is in the File menu: %r" % state["menus"])

        demo.open_sheet()
        check_toolbars(demo)
        check_options(demo)
        argv_file = work / "argv.txt"
        check_tools(demo, argv_file)
        demo.close_sheet()

        # The tool is an item of the Tools menu, and runs.
        tool = ids["ID_CUST_TOOL_FIRST"]
        items = demo.open_menu("&Tools")
        mine = [r for cmd, r in items if cmd == tool]
        expect(mine, "the Tools menu shows the tool: %r" % items)
        h.screenshot("customize-tools-menu")
        h.mouse_click(*centre(mine[0]))
        text = h.wait_for(lambda: argv_file.exists() and argv_file.read_text(), timeout=20,
                          what="the tool to write its arguments")
        expect(text.split() == ["hello", "tools"], "the tool was given its arguments: %r" % text)

        # The sheet has gone: the bar's buttons send their commands again.
        new = dict(demo.state()["buttons"][STANDARD])[ids["ID_CUST_NEW"]]
        before = len(demo.log.commands())
        h.mouse_click(*centre(new))
        h.wait_for(lambda: ids["ID_CUST_NEW"] in demo.log.commands()[before:], timeout=10,
                   what="the New button's command")
        demo.stop()
    print("customize e2e passed")


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED: %s" % e)
        sys.exit(1)
