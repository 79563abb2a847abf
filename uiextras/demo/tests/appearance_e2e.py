"""The Button Appearance dialog and the button image editor end to end, with the real mouse: in
customise mode a right click on a tool-bar button offers "&Button Appearance..."; there a new
user-defined image is drawn in the image editor with the pencil and the fill, copied to the
clipboard, cleared and pasted back; the button then shows that image and a new text. The program
logs its bar and the pixels of its user images, so the test reads what the program holds; the
tool bar is checked in a screenshot too. Then once more with the framework's customise sheet open
beside the frame ("/sheet"): there "&New..." and "&Edit..." open the image editor as well, and what
is drawn in it reaches the user images."""

import os
import pathlib
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, HarnessError, expect, resource_ids  # noqa: E402

from demo_log import DemoLog  # noqa: E402

TITLE = "Appearance demonstration"
RED = 0x000000FF  # as the colour bar logs it: a COLORREF


class Log(DemoLog):
    def last(self, prefix):
        found = self.starting(prefix)
        return found[-1] if found else None

    def bar(self):
        """The last logged bar: {index: (command, user, image, text shown, image shown, rect, text)}."""
        lines = self.lines()
        starts = [i for i, l in enumerate(lines) if l.startswith("bar ")]
        expect(starts, "the program logged no bar")
        items = {}
        for l in lines[starts[-1] + 1:]:
            if not l.startswith("item "):
                break
            head, text = l.split(" text=", 1)
            w = [int(v) for v in head.split()[1:]]
            items[w[0]] = (w[1], w[2], w[3], w[4], w[5], tuple(w[6:10]), text)
        return items

    def image(self, index):
        """The rows of a user image as lists of "RRGGBB", or None before it is logged."""
        found = [l.split()[2] for l in self.lines() if l.startswith("image %d " % index)]
        return [row.split(",") for row in found[-1].split("/")] if found else None

    def tools(self):
        return {int(w[1]): tuple(int(v) for v in w[2:]) for w in (l.split() for l in self.lines())
                if w and w[0] == "tool"}

    def cells(self):
        return {int(w[1], 16): tuple(int(v) for v in w[2:]) for w in (l.split() for l in self.lines())
                if w and w[0] == "cell"}


def centre(rect):
    return (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2


def open_appearance(h, prog, log):
    """The customise context menu of the first button; B chooses "&Button Appearance..."."""
    button = log.bar()[0]
    h.mouse_click(*centre(button[5]), button=3)
    h.wait_popup_menu(prog, what="the customise context menu")
    h.key("b")
    dlg = h.find(title="Button Appearance", visible=True, timeout=15)
    h.idle(dlg)
    return dlg


def draw_in_editor(h, log, editors, what, pixel):
    """Waits for the image editor that the click opened (the log held editors "editor ready" records
    before the click), puts the pencil on the pixel and accepts."""
    editor = h.find(title="Edit Button Image", visible=True, timeout=15)
    h.wait_for(lambda: log.lines().count("editor ready") > editors, what="the editor's places for " + what)
    h.idle(editor)
    ox, oy, cw, ch = (int(v) for v in log.last("paintarea ").split())
    h.mouse_click(ox + 1 + pixel[0] * cw + cw // 2, oy + 1 + pixel[1] * ch + ch // 2)
    h.idle(editor)
    h.screenshot("appearance-sheet-" + what)
    h.click_in(editor, 1)  # OK
    h.wait_gone(editor, timeout=15)


def check_with_sheet(h, ids, work):
    """With the customise sheet open, New and Edit go through the image editor."""
    log = Log(work / "appearance-sheet.log")
    prog = h.start(h.build / "uiextras" / "ExtrasDemo.exe", "/appearance", "/sheet",
                   "Z:" + str(log.path).replace("/", "\\"))
    frame = h.find(title=TITLE, visible=True, timeout=30)
    h.wait_for(lambda: log.last("ready "), timeout=20, what="the demonstration with the sheet")
    expect(any(l.startswith("sheet open ") for l in log.lines()), "the customise sheet is open")
    sheet = h.find(title="Customize", visible=True, timeout=15)
    h.idle(sheet)
    h.wait_for(lambda: log.last("userimages ") == "2", what="the two user images")
    dlg = open_appearance(h, prog, log)
    h.click_in(dlg, ids["IDC_ORX_USER_IMAGE_RADIO"], dx=6)
    h.idle(dlg)

    # New: the editor opens on a face-coloured image, and the pixel drawn there is the new image's.
    editors = log.lines().count("editor ready")
    h.click_in(dlg, ids["IDC_ORX_NEW_IMAGE"])
    draw_in_editor(h, log, editors, "new", (3, 3))
    h.wait_for(lambda: log.last("userimages ") == "3", what="the new image among the user images")
    image = log.image(2)
    expect(image[3][3] == "000000", "the pencil's pixel of the new image is black: %s" % image[3][3])
    expect(image[8][8] != "000000", "the rest of the new image is not: %s" % image[8][8])

    # Edit: the new image is selected; the editor opens on it and its change replaces it.
    h.idle(dlg)
    editors = log.lines().count("editor ready")
    h.click_in(dlg, ids["IDC_ORX_EDIT_IMAGE"])
    draw_in_editor(h, log, editors, "edit", (8, 8))
    h.wait_for(lambda: (log.image(2) or [[]] * 9)[8][8:9] == ["000000"], timeout=15,
               what="the edited pixel in the image")
    image = log.image(2)
    expect(image[3][3] == "000000", "the edited image keeps the first pixel: %s" % image[3][3])
    expect(log.last("userimages ") == "3", "editing adds no image")

    h.key("Escape")
    h.wait_gone(dlg, timeout=15)
    h.close(frame)
    h.wait_gone(frame, timeout=15)


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "resources" / "uiextras" / "uiextras_res.h")
        work = pathlib.Path(tempfile.mkdtemp(prefix="appearance-e2e-"))
        check_with_sheet(h, ids, work)
        log = Log(work / "appearance.log")
        prog = h.start(h.build / "uiextras" / "ExtrasDemo.exe", "/appearance", "Z:" + str(log.path).replace("/", "\\"))
        frame = h.find(title=TITLE, visible=True, timeout=30)
        h.wait_for(lambda: log.last("ready "), timeout=20, what="the demonstration to start")
        expect(log.last("ready ") == "customize=1", "the bars are in customise mode")
        h.wait_for(lambda: log.last("userimages ") == "2", what="the two user images")
        button = log.bar()[0]
        new_id = button[0]

        # The customise context menu of the first button; B chooses "&Button Appearance...".
        h.mouse_click(*centre(button[5]), button=3)
        h.wait_popup_menu(prog, what="the customise context menu")
        h.screenshot("appearance-context-menu")
        h.key("b")
        dlg = h.find(title="Button Appearance", visible=True, timeout=15)
        h.idle(dlg)
        h.screenshot("appearance-dialog")

        # A user-defined image, made new in the image editor.
        h.click_in(dlg, ids["IDC_ORX_USER_IMAGE_RADIO"], dx=6)
        h.idle(dlg)
        h.click_in(dlg, ids["IDC_ORX_NEW_IMAGE"])
        editor = h.find(title="Edit Button Image", visible=True, timeout=15)
        h.wait_for(lambda: "editor ready" in log.lines(), what="the editor's places")
        h.idle(editor)
        h.screenshot("appearance-editor")
        ox, oy, cw, ch = (int(v) for v in log.last("paintarea ").split())
        expect(cw > 0 and ch > 0, "the paint area has cells: %d x %d" % (cw, ch))

        def cell(x, y):
            return ox + 1 + x * cw + cw // 2, oy + 1 + y * ch + ch // 2

        # The pencil (the editor's first tool) along a row: pixels 2..5 of row 2 in black.
        h.xdotool("mousemove", "--sync", *cell(2, 2))
        h.xdotool("mousedown", 1)
        for x in (3, 4, 5):
            h.xdotool("mousemove", "--sync", *cell(x, 2))
        h.xdotool("mouseup", 1)
        # The fill in red from a corner over the face-coloured ground.
        tools, cells = log.tools(), log.cells()
        expect(RED in cells, "the colour bar has red: %r" % sorted(cells))
        h.mouse_click(*centre(tools[ids["ID_ORX_IMAGE_FILL"]]))
        h.mouse_click(*centre(cells[RED]))
        h.mouse_click(*cell(10, 10))
        h.idle(editor)
        h.screenshot("appearance-editor-drawn")
        # Copy, clear, paste: the picture comes back from the clipboard.
        h.mouse_click(*centre(tools[ids["ID_ORX_IMAGE_COPY"]]))
        h.idle(editor)
        h.mouse_click(*centre(tools[ids["ID_ORX_IMAGE_CLEAR"]]))
        h.idle(editor)
        h.screenshot("appearance-editor-cleared")
        h.mouse_click(*centre(tools[ids["ID_ORX_IMAGE_PASTE"]]))
        h.idle(editor)
        h.screenshot("appearance-editor-pasted")
        h.click_in(editor, 1)  # OK
        h.wait_gone(editor, timeout=15)

        h.wait_for(lambda: log.last("userimages ") == "3", what="the new image among the user images")
        image = log.image(2)
        for x in range(2, 6):
            expect(image[2][x] == "000000", "pencil pixel (%d, 2) is black: %s" % (x, image[2][x]))
        for x, y in ((0, 0), (10, 10), (15, 14), (6, 2)):
            expect(image[y][x] == "FF0000", "filled pixel (%d, %d) is red: %s" % (x, y, image[y][x]))

        # The text, shown beside the image, then OK.
        h.idle(dlg)
        h.click_in(dlg, ids["IDC_ORX_IMAGE_AND_TEXT"], dx=6)
        h.click_in(dlg, ids["IDC_ORX_BUTTON_TEXT"])
        h.key("End", "shift+Home")
        h.type_text("Bell")
        h.wait_for(lambda: h.text(dlg, ids["IDC_ORX_BUTTON_TEXT"]) == "Bell", what="the text typed")
        h.screenshot("appearance-dialog-done")
        h.click_in(dlg, 1)  # OK
        h.wait_gone(dlg, timeout=15)

        def changed():
            b = log.bar()[0]
            return b if b[0] == new_id and b[1] == 1 and b[2] == 2 and b[6] == "Bell" else None
        button = h.wait_for(changed, timeout=15, what="the button to take the new image and text")
        expect(button[3] == 1 and button[4] == 1, "the button shows image and text: %r" % (button,))

        # The bar shows the red image on the button.
        h.xdotool("mousemove", 5, 5)
        rect = dict(zip(("left", "top", "right", "bottom"), button[5]))
        shot = h.settled_screenshot("appearance-toolbar", rect)
        pixels = h.region_pixels(shot, rect)
        reds = sum(1 for i in range(0, len(pixels), 3) if pixels[i:i + 3] == b"\xff\x00\x00")
        expect(reds >= 100, "the button shows the red image: %d red pixels" % reds)
        h.close(frame)
        h.wait_gone(frame, timeout=15)
    print("appearance e2e passed")


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED: %s" % e)
        sys.exit(1)
