"""Re-bar bands end to end: the demonstration program, started with "/rebar /state", shows three
bands, which are moved with the mouse (a gripper dragged to narrow the band before it, the last band
dragged to the row's start, which swaps it with the middle one). Closing saves them; two more starts
show the same order and sizes in the log and in the windows' geometry, and the stored records stay
the same. Screenshots are left in the build tree."""

import os
import pathlib
import struct
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, HarnessError, expect, resource_ids  # noqa: E402
from demo_log import DemoLog  # noqa: E402
from reg_export import export_key, value  # noqa: E402

TITLE = "Tool bar demonstration"
KEY = r"HKEY_CURRENT_USER\Software\Quendra Labs\ToolBarDemo\DemoState"
RBBS_FIXEDSIZE = 2


class Log(DemoLog):
    def bands(self):
        """The last logged re-bar: [(child id, (left, top, right, bottom), cx, cxMinChild, style)]."""
        lines = self.lines()
        starts = [i for i, l in enumerate(lines) if l.startswith("rebar ")]
        expect(starts, "the program logged no re-bar")
        count = int(lines[starts[-1]].split()[1])
        result = []
        for l in lines[starts[-1] + 1:starts[-1] + 1 + count]:
            f = l.split()
            expect(f[0] == "band", "a band record: %r" % l)
            result.append((int(f[2]), tuple(int(v) for v in f[3:7]), int(f[7]), int(f[8]), int(f[9])))
        expect(len(result) == count, "the program logged every band: %r" % result)
        return result

    def order(self):
        return [b[0] for b in self.bands()]


def main():
    with Harness() as h:
        ids = resource_ids(h.source / "uicore" / "demo" / "DemoReBar.h")
        rebar_id = ids["IDW_DEMO_REBAR"]
        clock, zone, fixed = ids["IDW_DEMO_BAND_CLOCK"], ids["IDW_DEMO_BAND_ZONE"], ids["IDW_DEMO_BAND_FIXED"]
        work = pathlib.Path(tempfile.mkdtemp(prefix="rebar-e2e-"))
        h.run("reg", "delete", KEY, "/f", timeout=60)

        def start(name):
            log = Log(work / (name + ".log"))
            prog, frame = log.start(h, h.build / "uicore" / "ToolBarDemo.exe", TITLE, "/rebar", "/state")
            return prog, frame, log

        def drag(frame, x0, y0, x1, y1):
            # Pressed, moved in steps as a hand moves, and let go; the program has taken each
            # step before the next.
            h.xdotool("mousemove", "--sync", x0, y0)
            h.idle(frame)
            h.xdotool("mousedown", 1)
            h.idle(frame)
            for k in range(1, 9):
                h.xdotool("mousemove", "--sync", x0 + (x1 - x0) * k // 8, y0 + (y1 - y0) * k // 8)
                h.idle(frame)
            h.xdotool("mouseup", 1)

        def gripper(band):
            """A point on a band's gripper: just inside its left edge, halfway down."""
            left, top, _, bottom = band[1]
            return left + 3, (top + bottom) // 2

        def geometry(frame, bands):
            """The re-bar's and the bands' windows as the windows themselves report them."""
            bar = h.rect(frame, rebar_id)
            windows = {}
            for cid, _, _, _, _ in bands:
                r = h.rect(frame, cid)
                windows[cid] = (r["left"], r["top"], r["right"], r["bottom"])
            return (bar["left"], bar["top"], bar["right"], bar["bottom"]), windows

        # First start: nothing saved, the bands in the order they were added.
        prog, frame, log = start("first")
        expect("state found 0" in log.lines() and "state loaded 1" in log.lines(),
               "a first start finds no saved state and loads: %r" % log.lines()[:4])
        first = log.bands()
        expect(log.order() == [clock, zone, fixed], "the bands as added: %r" % first)
        expect(first[2][4] & RBBS_FIXEDSIZE, "the last band is of fixed size: %r" % first)
        h.screenshot("rebar-first")

        # The Zone band's gripper dragged 40 pixels left: the Clock band narrows, Zone widens.
        x, y = gripper(first[1])
        drag(frame, x, y, x - 40, y)
        h.wait_for(lambda: log.bands()[0][1][2] < first[0][1][2] - 20, timeout=10, what="the Clock band to narrow")
        resized = log.bands()
        expect(log.order() == [clock, zone, fixed], "a resize keeps the order: %r" % resized)
        expect(resized[1][1][2] - resized[1][1][0] > first[1][1][2] - first[1][1][0],
               "the Zone band grew: %r then %r" % (first, resized))
        h.screenshot("rebar-resized")

        # The Fixed band dragged by its gripper to the row's start: Wine's re-bar moves a band one
        # place per drag, so it changes places with the Zone band.
        x, y = gripper(resized[2])
        drag(frame, x, y, resized[0][1][0] + 6, y)
        h.wait_for(lambda: log.order() == [clock, fixed, zone], timeout=10, what="the Fixed and Zone bands to swap")
        h.idle(frame)
        arranged = log.bands()
        h.xdotool("mousemove", "--sync", arranged[0][1][0], arranged[0][1][3] + 150)
        h.idle(frame)
        arranged = log.bands()
        arranged_geometry = geometry(frame, arranged)
        h.screenshot("rebar-arranged")
        saved = log.saved_on_close(h, prog, frame)
        expect(saved == ["state saved 1"], "the state is saved when the window closes: %r" % saved)

        # The stored records: three of 80 bytes, the child ids in band order, no window handle.
        keys = export_key(h, KEY, work)
        sub = "ORXRebar-%d" % rebar_id
        stored_ids = value(keys, sub, "IDs", "hex")
        expect(list(struct.unpack("<3I", stored_ids)) == [clock, fixed, zone], "stored ids: %s" % stored_ids.hex())
        records = value(keys, sub, "RBI", "hex")
        expect(len(records) == 240 and struct.unpack_from("<2I", records, 80 * 1)[:2] == (80, 0xB61),
               "three records of 80 bytes, each without its window: %s" % records[80:88].hex())

        # Second and third starts: the same order and sizes, in the log and on the screen.
        for name in ("second", "third"):
            prog, frame, log = start(name)
            expect("state found 1" in log.lines() and "state loaded 1" in log.lines(),
                   "the saved state is found and loads: %r" % log.lines()[:4])
            h.wait_for(lambda: log.order() == [clock, fixed, zone], timeout=10, what="the saved order")
            h.idle(frame)
            restored = log.bands()
            expect(restored == arranged, "the %s start shows the bands as they were left:\n%r\n%r"
                   % (name, arranged, restored))
            got = geometry(frame, restored)
            expect(got == arranged_geometry, "the windows are where they were:\n%r\n%r" % (arranged_geometry, got))
            h.screenshot("rebar-" + name)
            saved = log.saved_on_close(h, prog, frame)
            expect(saved == ["state saved 1"], "saved again: %r" % saved)
        keys = export_key(h, KEY, work)
        expect(value(keys, sub, "RBI", "hex") == records, "the stored records did not change over two round trips")


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED:", e)
        sys.exit(1)
