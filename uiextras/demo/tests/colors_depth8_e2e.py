"""The colour windows on a palette display: the demonstration's own Xvfb runs at 8 bits, where the
display has a system palette (RC_PALETTE, 256 entries). The colour pop-up draws with a palette of its
colours and a chosen cell shows in the button's strip; the "Colors" dialog builds its palette from the
system palette, and the preview shows a picked hexagon as the nearest palette entry."""

import os
import pathlib
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from colors_e2e import DULL, Demo, check_dialog  # noqa: E402
from harness import Harness, HarnessError, expect  # noqa: E402


def main():
    with Harness(depth=8) as h:
        work = pathlib.Path(tempfile.mkdtemp(prefix="colors8-e2e-"))
        demo = Demo(h, work, "colors8")
        expect(demo.ready["bits"] == "8" and demo.ready["rcpalette"] == "1" and demo.ready["syspalette"] == "256",
               "a palette display of 8 bits: %r" % demo.ready)
        menu, st = demo.open_popup()
        expect(st["popup"]["palette"] == "1", "the pop-up draws with its own palette: %r" % st["popup"])
        h.screenshot("colors8-popup")
        cell = [c for c in st["popupcells"] if c[0] == "cell" and c[1] not in DULL][3]
        colour, button = demo.click_cell(cell, "the pop-up's command")
        expect(colour == cell[1] and button == cell[1], "the cell's colour: %s %s" % (colour, button))
        demo.strip_shows(cell[1], "colors8-strip")
        check_dialog(demo, "system")
        demo.close()
    print("colors depth-8 e2e passed")


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED: %s" % e)
        sys.exit(1)
