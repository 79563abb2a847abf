"""The colour menu button end to end, with the real mouse, in the extras' demonstration started with
"/colors" (a framework frame): its arrow opens the colour pop-up, whose strip dragged away tears it
off into a floating colour bar; a click on a cell of that bar sets the colour (the frame hears the
command, the button takes the colour and shows it in its strip), and so do its other cells and its
automatic button; a colour chosen in the pop-up opened again shows on the torn-off bar. The "Colors"
dialog picks a colour from its hexagons and returns it on OK. On this display (24 bits, no palette)
the dialog builds no palette from the system palette, which reads as zeros here; the run at depth 8
(colors_depth8_e2e.py) takes the palette path."""

import os
import pathlib
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "tools", "e2e"))
from harness import Harness, HarnessError, expect, resource_ids  # noqa: E402
from demo_log import DemoLog  # noqa: E402

TITLE = "Colour demonstration"
DULL = ("00000000", "00C0C0C0", "00FFFFFF", "00808080")  # black, the face colour, white, grey


class Log(DemoLog):
    def last(self, prefix):
        found = self.starting(prefix)
        return found[-1] if found else None

    @staticmethod
    def fields(line):
        return dict(w.split("=", 1) for w in line.split() if "=" in w)

    def after(self, before, prefix):
        return [l[len(prefix):] for l in self.lines()[before:] if l.startswith(prefix)]


def pixel(shot, x, y):
    out = subprocess.run(["convert", str(shot), "-crop", "1x1+%d+%d" % (x, y), "+repage", "-depth", "8", "txt:-"],
                         stdout=subprocess.PIPE, check=True).stdout.decode()
    return [w for w in out.splitlines()[1].split() if w.startswith("#")][0][:7].upper()


def window_pixel(h, title, x, y, name):
    """The colour at a screen point inside a program's top-level window, from a picture of that
    window. At 8 bits Wine draws through a colour map of its own that no window manager installs
    here: only the window's own picture reads its pixels through the colour map they belong to."""
    wid = h.xdotool("search", "--onlyvisible", "--name", "^%s$" % title).split()[0]
    geometry = dict(w.split("=", 1) for w in h.xdotool("getwindowgeometry", "--shell", wid).split())
    h.screenshots.mkdir(parents=True, exist_ok=True)
    path = h.screenshots / (name + ".png")
    subprocess.run(["import", "-display", h.display, "-window", wid, str(path)], env=h.env(), check=True,
                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, timeout=30)
    return pixel(path, x - int(geometry["X"]), y - int(geometry["Y"]))


def colorref_hex(value):
    """A logged COLORREF (0x00BBGGRR, hex) as "#RRGGBB"."""
    v = int(value, 16)
    return "#%02X%02X%02X" % (v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF)


def rect_of(words):
    return tuple(int(w) for w in words)


def centre(rect):
    return ((rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2)


class Demo:
    def __init__(self, h, work, name):
        self.h = h
        self.ids = resource_ids(h.source / "uiextras" / "demo" / "ExtrasIds.h")
        self.log = Log(work / (name + ".log"))
        self.prog = h.start(h.build / "uiextras" / "ExtrasDemo.exe", "/colors",
                            "Z:" + str(self.log.path).replace("/", "\\"))
        self.frame = h.find(title=TITLE, visible=True, timeout=30)
        self.ready = Log.fields(h.wait_for(lambda: self.log.last("ready "), timeout=20,
                                           what="the demonstration to start"))
        h.idle(self.frame)

    def state(self):
        """The button, the open pop-up and the torn-off bar as the program sees them now."""
        log = self.log
        before = len(log.lines())
        self.h.command(self.frame, self.ids["ID_COLORDEMO_LOGSTATE"])
        self.h.wait_for(lambda: log.after(before, "state "), what="the demonstration's state")
        result = {"popupcells": [], "torncells": [], "popup": None, "tornbar": None}
        for line in log.lines()[before:]:
            words = line.split()
            if words[0] == "colourbutton":
                result["button"] = rect_of(words[1:5])
            elif words[0] == "popup":
                result["popup"] = {"rect": rect_of(words[1:5]), "palette": Log.fields(line)["palette"]}
            elif words[0] == "tornbar":
                result["tornbar"] = {"visible": words[1], "floating": words[2], "colour": words[3],
                                     "rect": rect_of(words[4:8])}
            elif words[0] in ("popupcell", "torncell"):
                result[words[0] + "s"].append((words[1], words[2], rect_of(words[3:7])))
            elif words[0] == "state":
                result["colour"] = Log.fields(line)["colour"]
        return result

    def open_popup(self):
        button = self.state()["button"]
        # The drop-down arrow at the button's right end.
        self.h.mouse_click(button[2] - 4, (button[1] + button[3]) // 2)
        menu = self.h.wait_framework_menu(self.prog, what="the colour pop-up")
        self.h.idle(self.frame)
        st = self.state()
        expect(st["popup"] and st["popupcells"], "the colour pop-up is open and shows its cells: %r" % st)
        return menu, st

    def tear_off(self, menu, to):
        """Drags the pop-up's strip to a point over the frame: once the pop-up has gone, the display
        reports the pointer only over the program's own windows."""
        r = self.h.rect(menu["hwnd"])
        strip = ((r["left"] + r["right"]) // 2, r["top"] + 7)
        self.h.drag(self.frame, strip, to, steps=10)
        self.h.wait_for(lambda: not self.h.framework_menus(self.prog), timeout=10, what="the pop-up to close")
        self.h.idle(self.frame)

    def click_cell(self, cell, what):
        """Clicks a cell; returns the (colour, button colour) of the command the frame heard."""
        before = len(self.log.lines())
        self.h.mouse_click(*centre(cell[2]))
        line = self.h.wait_for(lambda: self.log.after(before, "colour "), what=what)[0]
        words = line.split()
        return words[0], Log.fields(line)["button"]

    def strip_shows(self, colour, name):
        """Waits until the button's strip, under its image, shows a colour."""
        button = self.state()["button"]
        self.h.xdotool("mousemove", 5, 5)
        x, y = button[0] + 8, button[1] + 16
        last = [None]

        def shows():
            last[0] = window_pixel(self.h, TITLE, x, y, name)
            return last[0] == colorref_hex(colour)
        try:
            self.h.wait_for(shows, what="the strip")
        except HarnessError:
            raise HarnessError("the button's strip shows %s, not %s" % (last[0], colorref_hex(colour)))

    def open_dialog(self):
        before = len(self.log.lines())
        self.h.command(self.frame, self.ids["ID_COLORDEMO_DIALOG"])
        dialog = self.h.find(title="Colors", visible=True, timeout=15)
        line = self.h.wait_for(lambda: self.log.after(before, "dialog "), what="the dialog's palette")[0]
        self.h.idle(dialog)
        return dialog, Log.fields(line)

    def dialog_state(self, dialog):
        """The running dialog's new colour as logged, (new, shown, drawn), and where its hexagon
        picker and its preview are."""
        self.h.idle(dialog)
        before = len(self.log.lines())
        self.h.command(self.frame, self.ids["ID_COLORDEMO_DIALOGSTATE"])
        self.h.wait_for(lambda: self.log.after(before, "preview "), what="the dialog's state")
        line = self.log.after(before, "dialognew ")[0]
        f = Log.fields(line)
        return ((line.split()[0], f["shown"], f["drawn"]), rect_of(self.log.after(before, "hex ")[0].split()),
                rect_of(self.log.after(before, "preview ")[0].split()))

    def pick_hexagon(self, dialog, ring):
        """Clicks the hexagon `ring` rings right of the white centre; returns the dialog's new
        colour as logged, (new, shown, drawn), and where its preview is."""
        _, hexrect, _ = self.dialog_state(dialog)
        side = min(hexrect[2] - hexrect[0], hexrect[3] - hexrect[1])
        d = side // 13 + 1
        cx, cy = centre(hexrect)
        self.h.mouse_click(cx + ring * d, cy)
        colour, _, preview = self.dialog_state(dialog)
        return colour, preview

    def close(self):
        self.h.close(self.frame)
        self.h.wait_gone(self.frame, timeout=15)


def check_tear_off(demo):
    h = demo.h
    menu, st = demo.open_popup()
    kinds = [c[0] for c in st["popupcells"]]
    expect(kinds[0] == "automatic" and kinds.count("cell") == 20 and "other" in kinds,
           "automatic button, twenty cells and the other-colours button: %s" % kinds)
    h.screenshot("colors-popup")
    demo.tear_off(menu, (450, 290))
    h.screenshot("colors-torn")
    torn = demo.log.starting("tearoff ")
    expect(torn == ["%d CORXColorBar" % demo.ids["ID_COLORDEMO_TORN"]],
           "the pop-up became one colour bar: %r" % torn)
    st = demo.state()
    bar = st["tornbar"]
    expect(bar and bar["visible"] == "1" and bar["floating"] == "1", "the torn-off bar floats: %r" % bar)
    expect(abs(bar["rect"][0] - 450) < 80 and abs(bar["rect"][1] - 290) < 80,
           "the floating bar went with the mouse: %r" % (bar["rect"],))
    kinds = [c[0] for c in st["torncells"]]
    expect(kinds.count("cell") == 20 and kinds[0] == "automatic",
           "the torn-off bar has the pop-up's automatic button and cells: %s" % kinds)

    # A click on a cell of the torn-off bar sets the colour.
    cells = [c for c in st["torncells"] if c[0] == "cell" and c[1] not in DULL]
    cell = cells[2]
    colour, button = demo.click_cell(cell, "the torn-off bar's command")
    expect(colour == cell[1] and button == cell[1],
           "the command and the button carry the cell's colour: %s %s, cell %s" % (colour, button, cell[1]))
    st = demo.state()
    expect(st["tornbar"]["colour"] == cell[1], "the torn-off bar shows it as current: %r" % st["tornbar"])
    demo.strip_shows(cell[1], "colors-torn-chosen")

    # It goes on working: another cell, then automatic.
    cell = cells[6]
    colour, button = demo.click_cell(cell, "the second click's command")
    expect(colour == cell[1] and button == cell[1], "the second cell's colour: %s %s" % (colour, button))
    demo.strip_shows(cell[1], "colors-torn-chosen-again")
    automatic = [c for c in demo.state()["torncells"] if c[0] == "automatic"][0]
    colour, button = demo.click_cell(automatic, "automatic on the torn-off bar")
    expect(colour == "FFFFFFFF" and button == "FFFFFFFF", "automatic stands for no colour: %s %s" % (colour, button))

    # A colour chosen in the pop-up opened again shows on the torn-off bar too.
    menu, st = demo.open_popup()
    cell = [c for c in st["popupcells"] if c[0] == "cell" and c[1] not in DULL][4]
    colour, button = demo.click_cell(cell, "the pop-up's command")
    h.wait_for(lambda: not h.framework_menus(demo.prog), what="the pop-up to close")
    expect(colour == cell[1], "the pop-up's cell: %s, cell %s" % (colour, cell[1]))
    st = demo.state()
    expect(st["tornbar"]["colour"] == cell[1], "the torn-off bar follows the button: %r" % st["tornbar"])
    h.screenshot("colors-torn-follows")


def check_dialog(demo, palette):
    h = demo.h
    dialog, info = demo.open_dialog()
    h.screenshot("colors-dialog-%s" % palette)
    if palette == "none":
        expect(info["palette"] == "none", "no palette off a palette display: %r" % info)
    else:
        expect(info["palette"] == "system" and info["entries"] == "256" and int(info["lit"]) >= 16,
               "the palette made from the system palette: %r" % info)
    (new, shown, drawn), preview = demo.pick_hexagon(dialog, 3)
    expect(new not in ("00000000", "00FFFFFF"), "a coloured hexagon was picked: %s" % new)
    if palette == "none":
        expect(shown == new and drawn == new, "the preview shows the colour itself: %s %s" % (new, shown))
    else:
        expect(shown.startswith("01"), "the preview shows a palette index: %s" % shown)
    x, y = (preview[0] + preview[2]) // 2, preview[1] + (preview[3] - preview[1]) // 4
    h.xdotool("mousemove", 5, 5)
    last = [None]
    want = colorref_hex(drawn)

    def red(colour):
        r, g, b = (int(colour[i:i + 2], 16) for i in (1, 3, 5))
        return r >= 0x80 and r > g + 0x40 and r > b + 0x40

    def shows():
        last[0] = window_pixel(h, "Colors", x, y, "colors-dialog-%s-picked" % palette)
        # Wine keeps an 8-bit memory bitmap in a colour table of its own, not in the realised
        # palette, and the preview is drawn through one: there the palette entry comes out as a
        # near colour of that table, of the same hue.
        return last[0] == want if palette == "none" else red(last[0])
    try:
        h.wait_for(shows, what="the preview")
    except HarnessError:
        raise HarnessError("the preview's upper half shows %s, not %s" % (last[0], want))
    before = len(demo.log.lines())
    h.click(dialog, 1)  # IDOK
    line = h.wait_for(lambda: demo.log.after(before, "dialogcolour "), what="the dialog's colour")[0]
    expect(line == new, "OK returns the picked colour: %s, picked %s" % (line, new))
    h.wait_gone(dialog)


def main():
    with Harness() as h:
        work = pathlib.Path(tempfile.mkdtemp(prefix="colors-e2e-"))
        demo = Demo(h, work, "colors")
        expect(demo.ready["rcpalette"] == "0", "this display has no palette: %r" % demo.ready)
        check_tear_off(demo)
        check_dialog(demo, "none")
        demo.close()
    print("colors e2e passed")


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED: %s" % e)
        sys.exit(1)
