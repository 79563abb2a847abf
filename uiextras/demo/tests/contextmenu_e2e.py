"""The Menu page's context-menu preview end to end with the real mouse ("ExtrasDemo /customize"): the
frame's "Edit" context menu chosen on the Menu page opens as a captioned preview; dragged by its
caption it moves, and closed by its caption's close button it opens again where the user left it; a
command dragged from the Commands page into it is an item of the context menu that a right click on
the frame shows once the sheet is closed, and again after a restart.
Screenshots are left in the build tree."""

import os
import pathlib
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "tools", "e2e"))
sys.path.insert(0, HERE)
from harness import Harness, HarnessError, expect, resource_ids  # noqa: E402

import customize_e2e as cust  # noqa: E402

CONTEXT_MENUS, RESET_CONTEXT = 16622, 16623
MENU_PAGE, COMMANDS_PAGE = cust.PAGES.index("Menu"), cust.PAGES.index("Commands")


class Log(cust.Log):
    def preview(self):
        """The preview's window and client rectangles and its items [(command, rect)], as last
        logged with the state; None while no preview is open."""
        lines = self.lines()
        ends = [i for i, l in enumerate(lines) if l == "state done"]
        expect(ends, "the program logged no state")
        # The state's records from its open pop-up menu on, which it always logs.
        start = max(i for i, l in enumerate(lines[:ends[-1]]) if l.startswith("popup "))
        window = None
        items = []
        for l in lines[start:ends[-1]]:
            f = l.split()
            if f[0] == "preview":
                window = (tuple(int(v) for v in f[1:5]), tuple(int(v) for v in f[6:10]))
                items = []
            elif f[0] == "previewitem":
                items.append((int(f[2]), tuple(int(v) for v in f[3:7])))
        return None if window is None else {"window": window[0], "client": window[1], "items": items}


class Demo(cust.Demo):
    def start(self):
        self.runs += 1
        self.log = Log(self.work / ("run%d.log" % self.runs))
        self.prog, self.frame = self.log.start(self.h, self.h.build / "uiextras" / "ExtrasDemo.exe", cust.TITLE,
                                               "/customize")

    def preview(self):
        self.state()
        return self.log.preview()

    def open_preview(self, page):
        self.h.select(page, CONTEXT_MENUS, text="Edit", send=True)
        self.h.idle(page)
        return self.h.wait_for(self.preview, timeout=10, what="the context menu's preview")

    def context_menu(self):
        """Right-clicks the frame's empty client area and answers the shown menu's items."""
        r = self.h.rect(self.frame, client=True)
        x, y = r["right"] - 40, r["bottom"] - 30
        before = len(self.log.starting("context menu "))
        # A move with --sync waits for motion: the pointer comes from beside the point.
        self.h.xdotool("mousemove", x + 3, y + 3)
        self.h.xdotool("mousemove", "--sync", x, y)
        self.h.xdotool("click", 3)
        self.h.wait_for(lambda: len(self.log.starting("context menu ")) > before, timeout=10,
                        what="the context menu")
        expect(self.log.starting("context menu ")[-1] != "failed", "the context menu shows")
        self.h.wait_framework_menu(self.prog, what="the context menu")
        self.h.idle(self.frame)
        return self.h.wait_for(lambda: self.state()["popup"], timeout=10, what="the context menu's items")


def caption_point(preview, dx):
    window, client = preview["window"], preview["client"]
    return window[0] + dx, (window[1] + client[1]) // 2


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uiextras" / "demo" / "ExtrasIds.h")
        cut, copy, paste, zoom = (ids[n] for n in ("ID_CUST_CUT", "ID_CUST_COPY", "ID_CUST_PASTE", "ID_CUST_ZOOM"))
        work = pathlib.Path(tempfile.mkdtemp(prefix="contextmenu-e2e-"))
        h.run("reg", "delete", cust.KEY, "/f", timeout=60)
        demo = Demo(h, ids, work)
        demo.start()

        items = demo.context_menu()
        expect([c for c, _ in items] == [cut, copy, paste], "the context menu as its resource has it: %r" % items)
        demo.close_menu()

        demo.open_sheet()
        page = demo.page(MENU_PAGE)
        preview = demo.open_preview(page)
        h.screenshot("contextmenu-preview")
        expect([c for c, _ in preview["items"]] == [cut, copy, paste], "the preview shows the menu: %r" % preview)

        # Dragged by its caption, it moves with the mouse.
        start = caption_point(preview, 20)
        end = (start[0] + 120, start[1] + 70)
        h.drag(demo.frame, start, end, steps=10)
        moved = h.wait_for(lambda: (lambda p: p if p and p["window"] != preview["window"] else None)(demo.preview()),
                           timeout=10, what="the preview to move")
        shift = (moved["window"][0] - preview["window"][0], moved["window"][1] - preview["window"][1])
        expect(abs(shift[0] - 120) <= 2 and abs(shift[1] - 70) <= 2, "the preview moved with the mouse: %r" % (shift,))
        h.screenshot("contextmenu-preview-moved")

        # Its close button closes it, and it opens again where the user left it.
        caption = moved["client"][1] - moved["window"][1]
        h.mouse_click(*caption_point(moved, moved["window"][2] - moved["window"][0] - caption // 2 - 1))
        h.wait_for(lambda: demo.preview() is None, timeout=10, what="the preview to close by its caption")
        h.wait_for(lambda: not h.info(page, RESET_CONTEXT).get("enabled"), timeout=10,
                   what="the reset button to follow the closed preview")
        again = demo.open_preview(page)
        expect(again["window"][:2] == moved["window"][:2],
               "the preview opens where it was left: %r, left at %r" % (again["window"], moved["window"]))

        # Zoom dragged from the Commands page into the preview, above its first item.
        commands = demo.page(COMMANDS_PAGE)
        first = again["items"][0][1]
        source = cust.commands_row(demo, commands, "Format", "Zoom")
        cust.drag(h, demo.frame, (source[0] + 30, (source[1] + source[3]) // 2),
                  ((first[0] + first[2]) // 2, first[1] + 3))
        dropped = h.wait_for(lambda: (lambda p: p if p and zoom in [c for c, _ in p["items"]] else None)(
            demo.preview()), timeout=10, what="Zoom to become an item of the preview")
        h.screenshot("contextmenu-preview-dropped")
        edited = [c for c, _ in dropped["items"]]
        expect(sorted(edited) == sorted([zoom, cut, copy, paste]), "the preview holds the edit: %r" % edited)
        client = dropped["client"]
        expect(all(r[1] >= client[1] and r[3] <= client[3] for _, r in dropped["items"]),
               "the preview grew to show every item: %r in %r" % (dropped["items"], client))
        demo.close_sheet()

        # The next showing has the edit, and so has the next start.
        items = demo.context_menu()
        expect([c for c, _ in items] == edited, "the context menu shows the edit: %r" % items)
        h.screenshot("contextmenu-edited")
        demo.close_menu()
        demo.stop()

        demo.start()
        expect("state loaded 1" in demo.log.lines(), "the saved state loads")
        items = demo.context_menu()
        expect([c for c, _ in items] == edited, "after the restart the context menu shows the edit: %r" % items)
        demo.close_menu()
        demo.stop()
    print("context menu e2e passed")


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED: %s" % e)
        sys.exit(1)
