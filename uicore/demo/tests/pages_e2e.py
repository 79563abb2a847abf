"""The keyboard and menu customise pages end to end. The demonstration program, started with
"/menubar /pages /state", opens its Customize sheet from the menu bar with the mouse. On the keyboard
page a command of the Run menu gets Ctrl+Shift+K, typed into the key edit; after the sheet closes
the key runs the command in the frame, and after a restart it still does (the keyboard manager's
state is saved with the workspace). A command without a key gets Ctrl+Shift+J there; after the
restart its menu item shows the key and its button's tip names it in brackets. Reset All, answered Yes, takes the key away again. On the menu
page the context menu "Demo" opens its preview, the dashed entry closes it, and the animation chosen
there is the menus' animation once the sheet has closed, and after a restart. Screenshots of both pages are left in the
build tree."""

import os
import pathlib
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, expect, resource_ids  # noqa: E402
from demo_log import DemoLog  # noqa: E402

TITLE = "Tool bar demonstration"
SHEET = "Customize"
KEY = r"HKEY_CURRENT_USER\Software\Quendra Labs\ToolBarDemo\DemoState"
CATEGORY, COMMANDS, CURRENT_KEYS, NEW_KEY, ASSIGN, RESET_ALL = 16601, 16641, 16643, 16644, 16645, 16647
ASSIGNED_COMMAND = 16527
FRAME_MENUS, DESCRIPTION, CONTEXT_MENUS, RESET_CONTEXT, ANIMATION = 16621, 16506, 16622, 16623, 16625


class Log(DemoLog):
    def menu_items(self):
        """The menu bar's items as the program last logged them: {text: (left, top, right, bottom)}."""
        items = {}
        for rest in self.starting("menuitem "):
            if len(rest.split()) < 5:
                continue
            parts = rest.split(None, 5)
            items[parts[5] if len(parts) > 5 else ""] = tuple(int(v) for v in parts[1:5])
        return items


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uicore" / "demo" / "DemoIds.h")
        last = ids["ID_DEMO_MENU_LAST"]
        change_bar = ids["ID_DEMO_CHANGEBAR"]
        work = pathlib.Path(tempfile.mkdtemp(prefix="pages-e2e-"))
        h.run("reg", "delete", KEY, "/f", timeout=60)

        def start(name):
            log = Log(work / (name + ".log"))
            prog, frame = log.start(h, h.build / "uicore" / "ToolBarDemo.exe", TITLE, "/menubar", "/pages", "/state")
            return prog, frame, log

        def open_sheet(prog, log):
            tools = log.menu_items().get("&Tools")
            expect(tools is not None, "the menu bar shows Tools: %r" % log.menu_items())
            h.mouse_click((tools[0] + tools[2]) // 2, (tools[1] + tools[3]) // 2)
            menu = h.wait_framework_menu(prog, what="the Tools menu")
            r = menu["rect"]
            # One item: the middle of the menu without its shadow.
            h.mouse_click(r["left"] + 20, r["top"] + 10)
            sheet = h.find(title=SHEET, visible=True, timeout=20)
            h.wait_for(lambda: "sheet open" in log.lines(), timeout=10, what="the sheet to open")
            return sheet

        def page(sheet):
            """The visible page of the sheet."""
            def visible_page():
                for c in h.children(sheet):
                    if c.get("class") == "#32770" and c.get("visible"):
                        return c["hwnd"]
                return None
            return h.wait_for(visible_page, timeout=10, what="the sheet's page")

        def enabled(hwnd, ctl_id):
            return {k["id"]: k for k in h.children(hwnd)}[ctl_id]["enabled"]

        def close_sheet(sheet, log, button=1):
            h.click_in(sheet, button)
            h.wait_gone(sheet, timeout=15)
            h.wait_for(lambda: log.starting("sheet closed "), timeout=10, what="the sheet to close")
            return log.starting("sheet closed ")[-1]

        def fired(log, frame, keys):
            before = log.commands().count(last)
            # Away first: a pointer already at the place would keep a synchronous move waiting.
            r = h.rect(frame)
            h.xdotool("mousemove", r["left"] + 10, r["bottom"] + 40)
            h.click_in(frame, dx=200, dy=150)
            h.idle(frame)
            h.key(keys)
            h.idle(frame)
            return log.commands().count(last) > before

        # First start: the key does nothing yet.
        prog, frame, log = start("first")
        expect(not fired(log, frame, "ctrl+shift+k"), "Ctrl+Shift+K runs nothing before it is assigned")

        sheet = open_sheet(prog, log)
        kb = page(sheet)
        categories = h.items(kb, CATEGORY)["items"]
        expect(categories[-1] == "All Commands" and "Run" in categories and "View" in categories,
               "the categories are the frame's menus and all commands: %r" % categories)
        h.select(kb, CATEGORY, text="Run", send=True)
        h.wait_for(lambda: h.items(kb, COMMANDS)["items"] == ["First", "Last"], timeout=10, what="the Run menu's commands")
        h.select(kb, COMMANDS, text="Last", send=True)
        h.wait_for(lambda: h.items(kb, CURRENT_KEYS)["items"] == ["F5"], timeout=10, what="Last's key F5")
        h.click_in(kb, NEW_KEY)
        h.idle(sheet)
        # The modifiers' names are the keyboard layout's own: only their order and the key are fixed.
        h.key("ctrl+shift+k")
        h.wait_for(lambda: h.text(kb, NEW_KEY).endswith("+Shift+K"), timeout=10, what="the key edit's label")
        label = h.text(kb, NEW_KEY)
        expect(not enabled(kb, ASSIGNED_COMMAND - 1) or h.text(kb, ASSIGNED_COMMAND) == "",
               "a free key is assigned to nothing")
        # A key that is taken names its command.
        h.key("F5")
        h.wait_for(lambda: h.text(kb, ASSIGNED_COMMAND) == "Last", timeout=10, what="F5 assigned to Last")
        h.key("ctrl+shift+k")
        h.wait_for(lambda: h.text(kb, NEW_KEY) == label, timeout=10, what="the key edit's label")
        h.click_in(kb, ASSIGN)
        h.wait_for(lambda: h.items(kb, CURRENT_KEYS)["items"] == ["F5", label], timeout=10,
                   what="the new key in the list")
        expect(h.text(kb, NEW_KEY) == "", "the key edit is cleared after Assign")
        h.screenshot("pages-keyboard")
        # Change Bar, which has no key yet, gets Ctrl+Shift+J: its menu item and its button's tip show it.
        h.select(kb, CATEGORY, text="View", send=True)
        h.wait_for(lambda: "Change Bar" in h.items(kb, COMMANDS)["items"], timeout=10, what="the View menu's commands")
        h.select(kb, COMMANDS, text="Change Bar", send=True)
        h.wait_for(lambda: h.items(kb, CURRENT_KEYS)["items"] == [], timeout=10, what="Change Bar without a key")
        h.click_in(kb, NEW_KEY)
        h.idle(sheet)
        h.key("ctrl+shift+j")
        h.wait_for(lambda: h.text(kb, NEW_KEY).endswith("+Shift+J"), timeout=10, what="the key edit's label")
        bar_key = h.text(kb, NEW_KEY)
        h.click_in(kb, ASSIGN)
        h.wait_for(lambda: h.items(kb, CURRENT_KEYS)["items"] == [bar_key], timeout=10,
                   what="Change Bar's new key in the list")
        close_sheet(sheet, log)
        expect(fired(log, frame, "ctrl+shift+k"), "Ctrl+Shift+K runs Last after the sheet closed")
        h.close(frame)
        prog.wait_exit(timeout=20)

        # Second start: the saved table brings the keys back; Reset All takes them away.
        prog, frame, log = start("second")
        expect("state found 1" in log.lines(), "the saved state is found: %r" % log.lines()[:4])
        expect(fired(log, frame, "ctrl+shift+k"), "Ctrl+Shift+K still runs Last after a restart")

        # The View menu shows Change Bar's key beside the item.
        view = log.menu_items().get("&View")
        expect(view is not None, "the menu bar shows View: %r" % log.menu_items())
        h.mouse_click((view[0] + view[2]) // 2, (view[1] + view[3]) // 2)
        h.wait_framework_menu(prog, what="the View menu")
        item = h.wait_for(lambda: [t for t in log.starting("popupitem %d " % change_bar)
                                   if t.startswith("&Change Bar | ")], timeout=10, what="Change Bar's item")[-1]
        expect(item == "&Change Bar | " + bar_key, "the item shows the key bound on the page: %r" % item)
        h.screenshot("pages-menu-key")
        h.key("Escape")
        h.wait_for(lambda: not h.framework_menus(prog), timeout=10, what="the View menu to close")

        # The button's tip shows it too, after the command's name.
        button = dict(log.last_layout())[change_bar]
        bx, by = (button[0] + button[2]) // 2, (button[1] + button[3]) // 2
        h.xdotool("mousemove", bx + 30, by + 60)
        h.xdotool("mousemove", "--sync", bx, by)
        h.xdotool("mousemove", "--sync", bx + 1, by)
        tip = h.wait_for(lambda: [t for t in log.starting("tooltip ") if t.startswith("Change Bar")],
                         timeout=15, what="the tool tip of Change Bar")[-1]
        expect(tip == "Change Bar (%s)" % bar_key, "the tip names the key: %r" % tip)
        h.screenshot("pages-tip-key")
        sheet = open_sheet(prog, log)
        kb = page(sheet)
        h.click_in(kb, RESET_ALL)
        question = h.wait_for(lambda: [w["hwnd"] for w in prog.windows(visible_only=True)
                                       if w["class"] == "#32770" and w["text"] != SHEET],
                              timeout=15, what="the question box")[0]
        expect("reset the keyboard assignments" in "".join(c.get("text", "") for c in h.children(question)),
               "Reset All asks first")
        h.click_in(question, 6)  # Yes
        h.wait_gone(question, timeout=10)

        # The menu page: the context menu's preview opens and closes, the animation changes.
        tabs = h.rect(sheet, 0x3020)  # the tab control: the second tab lies right of the first
        h.mouse_click(tabs["left"] + 90, tabs["top"] + 10)
        h.wait_for(lambda: page(sheet) != kb, timeout=10, what="the menu page")
        mp = page(sheet)
        expect(h.items(mp, FRAME_MENUS)["items"] == ["Default Menu"], "the frame's menus: %r" % h.items(mp, FRAME_MENUS)["items"])
        expect(h.text(mp, DESCRIPTION).startswith("Default application menu."),
               "the default menu's description: %r" % h.text(mp, DESCRIPTION))
        contexts = h.items(mp, CONTEXT_MENUS)["items"]
        expect(contexts[0].startswith("---") and "Demo" in contexts, "the context menus: %r" % contexts)
        h.select(mp, CONTEXT_MENUS, text="Demo", send=True)
        preview = h.wait_for(lambda: [w for w in h.framework_menus(prog) if w.get("text") == "Demo"],
                             timeout=10, what="the context menu's preview")
        expect(enabled(mp, RESET_CONTEXT), "the context menu's Reset is enabled with a preview")
        h.select(mp, ANIMATION, text="Fade", send=True)
        h.screenshot("pages-menu")
        h.select(mp, CONTEXT_MENUS, index=0, send=True)
        h.wait_for(lambda: not [w for w in h.framework_menus(prog) if w.get("text") == "Demo"],
                   timeout=10, what="the preview to close")
        expect(not enabled(mp, RESET_CONTEXT), "the context menu's Reset is disabled without one")
        expect(preview, "a preview was shown")
        closed = close_sheet(sheet, log)
        expect(closed.startswith("animation 3 "), "the chosen animation is the menus' one: %r" % closed)
        expect(closed.endswith("last key F5"), "after Reset All, Last has its resource's key: %r" % closed)
        expect(not fired(log, frame, "ctrl+shift+k"), "Ctrl+Shift+K runs nothing after Reset All")
        expect(fired(log, frame, "F5"), "F5 runs Last again")
        h.close(frame)
        prog.wait_exit(timeout=20)

        # Third start: the animation chosen on the menu page was saved with the bars' settings.
        prog, frame, log = start("third")
        expect("menus animation 3" in log.lines(), "the menus fade after a restart: %r" % log.starting("menus "))
        h.close(frame)
        prog.wait_exit(timeout=20)


if __name__ == "__main__":
    main()
