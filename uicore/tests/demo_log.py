"""The demonstration program's log, read as it grows: one record a line, a word naming its kind
first (command, status, layout, button, click, ...), then its numbers or text."""

import os
import pathlib
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "e2e"))
from harness import expect  # noqa: E402


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
