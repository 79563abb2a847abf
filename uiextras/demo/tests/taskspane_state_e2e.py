"""The tasks pane's saved state end to end (ExtrasDemo /taskspane /state): the frame's bars, the pane
among them, are saved when the window closes and loaded at the next start. A start from the saved
state shows the pane as an undamaged first start shows it and writes the same value again; a
damaged value of the pane (cut, or foreign bytes) is refused: the pane keeps its pages, groups and
tasks, and what goes back is what an undamaged start writes."""

import os
import pathlib
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, HarnessError, expect, resource_ids  # noqa: E402

from demo_log import DemoLog  # noqa: E402
from reg_export import export_key, value  # noqa: E402

TITLE = "Tasks pane demonstration"
KEY = r"HKEY_CURRENT_USER\Software\Quendra Labs\ExtrasDemo\TasksPaneDemo"


def first_state(log):
    """The pane's first logged state: its one-line record and the places of what can be clicked."""
    lines = log.lines()
    starts = [i for i, l in enumerate(lines) if l.startswith("state page=")]
    expect(starts, "the program logged the pane's state")
    end = lines.index("end", starts[0])
    return lines[starts[0]:end]


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uiextras" / "demo" / "ExtrasIds.h")
        pane_key = "ORXToolBar-%d" % ids["IDC_TASKS_PANE"]
        work = pathlib.Path(tempfile.mkdtemp(prefix="taskspane-state-e2e-"))
        h.run("reg", "delete", KEY, "/f", timeout=60)
        runs = [0]

        def run():
            """One start and close: the pane's first state, whether it loaded, and its saved value."""
            runs[0] += 1
            log = DemoLog(work / ("run%d.log" % runs[0]))
            prog, frame = log.start(h, h.build / "uiextras" / "ExtrasDemo.exe", TITLE, "/taskspane", "/state")
            expect("state loaded 1" in log.lines(), "the state loads: %r" % log.lines()[:2])
            state = first_state(log)
            h.close(frame)
            code = prog.wait_exit(timeout=20)
            expect(code == 0, "the program ends cleanly, not with %r" % code)
            keys = export_key(h, KEY, work)
            return state, value(keys, pane_key, "Buttons", "hex")

        undamaged_state, undamaged = run()
        state, saved = run()
        expect(state == undamaged_state, "the pane loads as it was: %r, not %r" % (state, undamaged_state))
        expect(saved == undamaged, "the same value is written again: %s, not %s" % (saved.hex(), undamaged.hex()))

        for what, damaged in (("a cut record", undamaged[:len(undamaged) // 2]),
                              ("foreign bytes", bytes.fromhex("0900ffff2a00")),
                              ("trailing bytes", undamaged + b"\x00\x07")):
            code, out = h.run("reg", "add", KEY + "\\" + pane_key, "/v", "Buttons", "/t", "REG_BINARY", "/d",
                              damaged.hex(), "/f", timeout=60)
            expect(code == 0, "reg add: %s" % out)
            state, saved = run()
            expect(state == undamaged_state, "%s: the pane keeps its pages and tasks: %r" % (what, state))
            expect(saved == undamaged, "%s: what an undamaged start writes goes back: %s" % (what, saved.hex()))


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED:", e)
        sys.exit(1)
