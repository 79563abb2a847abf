"""The customise sheet end to end with the real mouse ("ExtrasDemo /customize"): "Customize..." of the
Tools menu opens the sheet with every page; a command dragged from the Commands page onto a tool bar
and one dragged into a menu stay there after a restart; on the Toolbars page unchecking a bar hides
it, "New..." with a name makes a visible bar with its row checked, Rename and Delete work on that
bar and Reset restores a bar; the Options page switches large icons and the Toolbars page text
labels; a user tool added on the Tools page appears in the Tools menu and runs (it writes the
arguments it was given to a file); once the sheet is closed the buttons send their commands again.
Screenshots of each page are left in the build tree."""

import os
import pathlib
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "e2e"))
from harness import Harness, HarnessError, expect, resource_ids  # noqa: E402

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "uicore", "tests"))
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
TOOL_COMMAND, TOOL_ARGS = 16922, 16924
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
        result = {"bars": {}, "buttons": {}, "menus": {}, "popup": [], "options": {}}
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
            elif f[0] == "options":
                result["options"] = dict(w.split("=", 1) for w in f[1:] if "=" in w)
        return result


def centre(rect):
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


class Demo:
    def __init__(self, h, ids, work):
        self.h, self.ids, self.work = h, ids, work
        self.runs = 0

    def start(self):
        self.runs += 1
        self.log = Log(self.work / ("run%d.log" % self.runs))
        winlog = "Z:" + str(self.log.path).replace("/", "\\")
        self.prog = self.h.start(self.h.build / "uiextras" / "ExtrasDemo.exe", "/customize", winlog)
        self.frame = self.h.find(title=TITLE, visible=True, timeout=30)
        self.h.wait_for(lambda: "ready" in self.log.lines(), timeout=20, what="the demonstration to start")
        self.h.idle(self.frame)

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

    def close_sheet(self):
        self.h.click_in(self.sheet, 2)  # IDCANCEL, "Close"
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


def check_drags(demo):
    """Cut onto the standard bar, Zoom into the File menu."""
    h, ids = demo.h, demo.ids
    expect(demo.open_sheet() == len(PAGES), "the sheet has every page")
    for i in range(len(PAGES)):
        demo.page(i)
        h.screenshot("customize-page-%s" % PAGES[i].lower())
    page = demo.page(0)

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


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uiextras" / "tests" / "demo" / "ExtrasIds.h")
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
        demo.stop()
    print("customize e2e passed")


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED: %s" % e)
        sys.exit(1)
