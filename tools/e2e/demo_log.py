"""The demonstration programs' log, read as it grows: one record a line, a word naming its kind
first (command, status, layout, button, click, ...), then its numbers or text. The tool-bar
framework's demonstration and the extras' write it alike; each test derives its own readers of the
records only it looks at."""

import pathlib

from harness import expect


class DemoLog:
    def __init__(self, path):
        self.path = pathlib.Path(path)

    def lines(self):
        try:
            return self.path.read_text().splitlines()
        except FileNotFoundError:
            return []

    def starting(self, prefix):
        """The rest of every line that starts with prefix."""
        return [l[len(prefix):] for l in self.lines() if l.startswith(prefix)]

    def numbers(self, kind):
        """The first number of every record of a kind."""
        return [int(rest.split()[0]) for rest in self.starting(kind + " ")]

    def commands(self):
        return self.numbers("command")

    def start(self, h, exe, title, *switches, also=()):
        """Starts the program with its switches and this log's path, and waits for its frame, for
        the "ready" record and for each (record, what) of also, and for the frame to go idle:
        (program, frame)."""
        prog = h.start(exe, *switches, "Z:" + str(self.path).replace("/", "\\"))
        frame = h.find(title=title, visible=True, timeout=30)
        h.wait_for(lambda: "ready" in self.lines(), timeout=20, what="the demonstration to start")
        for record, what in also:
            h.wait_for(lambda: record in self.lines(), timeout=20, what=what)
        h.idle(frame)
        return prog, frame

    def saved_on_close(self, h, prog, frame):
        """Closes the program's frame and waits for the program to end: the "state saved" records it
        wrote on the way out."""
        h.close(frame)
        prog.wait_exit(timeout=20)
        return [l for l in self.lines() if l.startswith("state saved ")]

    def rect(self, kind):
        """The rectangle (left, top, right, bottom) of the last record of a kind."""
        rows = self.starting(kind + " ")
        expect(rows, "the program logged no %s" % kind)
        return tuple(int(v) for v in rows[-1].split()[:4])

    def last_layout(self):
        """The last layout the program wrote: [(command id, (left, top, right, bottom))] in bar order."""
        lines = self.lines()
        starts = [i for i, l in enumerate(lines) if l.startswith("layout ")]
        expect(starts, "the program wrote no layout")
        result = []
        for l in lines[starts[-1] + 1:]:
            if not l.startswith("button "):
                break
            _, _, cmd, left, top, right, bottom = l.split()
            result.append((int(cmd), (int(left), int(top), int(right), int(bottom))))
        return result

    def chevron(self):
        """The chevron as "/menus" last wrote it: {"rect", "shown", "hidden" (command ids in bar order)}."""
        records = self.starting("chevron ")
        if not records:
            return None
        fields = records[-1].split()
        return {"rect": tuple(int(v) for v in fields[:4]), "shown": fields[4] == "shown",
                "hidden": [int(v) for v in fields[5:]]}

    def menu(self):
        """The items of the menu that takes the keys, as "/menus" last wrote them: a list of
        {"id", "rect", "kind", "text"}; None while no menu is open."""
        lines = self.lines()
        starts = [i for i, l in enumerate(lines) if l.startswith("menu ")]
        if not starts or int(lines[starts[-1]].split()[1]) < 0:
            return None
        items = []
        for l in lines[starts[-1] + 1:]:
            if not l.startswith("menuitem "):
                break
            fields = l.split(" ", 8)
            items.append({"id": int(fields[2]), "rect": tuple(int(v) for v in fields[3:7]), "kind": fields[7],
                          "text": fields[8] if len(fields) > 8 else ""})
        return items

    def dropped(self):
        """The index of the second bar's button whose menu is open, -1 when none."""
        records = self.numbers("dropped")
        return records[-1] if records else -1

    def bar_menus(self):
        """The second bar's buttons on the screen, by index."""
        result = {}
        for rest in self.starting("barmenu "):
            index, left, top, right, bottom = (int(v) for v in rest.split())
            result[index] = (left, top, right, bottom)
        return result
