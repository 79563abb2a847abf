"""Data files that give no clock, and a stored placement that is too small: the window always starts
with a clock to right-click and the size of its clocks, and a file it could not use is left as it was."""

import os
import random
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import velmora_e2e as v  # noqa: E402
import velmora_files as files  # noqa: E402

harness = v.harness_module(sys.argv[sys.argv.index("--source") + 1])
Harness, expect = harness.Harness, harness.expect

REG_CONFIGURATION = v.REG_ROOT + r"\Velmora\Configuration"
ZONE = files.Zone("(GMT+09:00) Tokyo", 540, "Tokyo Standard Time")


def sane_size(size):
    return 20 < size[0] < 1280 and 20 < size[1] < 1024


def start_on(h, folder, data, reported):
    """Starts the program on a data file; when the file is damaged its report is waited for and
    closed. Returns the program, its clock window and the window's settled rectangle."""
    (folder / "Velmora2Dat").write_bytes(data)
    prog = h.start(folder / "Velmora.exe", cwd=folder)
    report = None
    if reported:
        box = h.wait_for(lambda: v.message_boxes(h, prog), timeout=60, what="the report of the damaged file")
        h.screenshot("velmora-no-clock-report")
        report = " ".join(k["text"] for k in h.children(box[0]["hwnd"]))
        h.close(box[0]["hwnd"])
    wnd = h.wait_for(lambda: v.clock_windows(h, prog), timeout=60, what="the clock window")[0]["hwnd"]
    return prog, wnd, v.stable_rect(h, wnd), report


def files_without_clocks(h):
    """Count 0, a negative count, and random bytes after a valid version: one clock shows, the
    damaged files are reported, and none of the files is written over at exit."""
    noise = bytes(random.Random(7).randrange(256) for _ in range(96))
    whole = files.data_file([files.clock_record(ZONE)])
    cases = [
        ("count-0", files.data_file([]), False),
        ("count-negative", struct.pack("<iiii", 1, -3, 0, 0), True),
        ("random-after-version", struct.pack("<i", 1) + noise, True),
        ("truncated", whole[: len(whole) // 2], True),
    ]
    for name, data, reported in cases:
        folder = v.program_folder(h, "data-" + name)
        prog, wnd, rect, report = start_on(h, folder, data, reported)
        if reported:
            # The report names the file it could not read, never "an unnamed file".
            print(name, "report", repr(report))
            expect("Velmora2Dat" in report and "unnamed" not in report, "%s: the report names the file: %r" % (name, report))
        v.wait_started(h, prog)
        h.idle(wnd)
        expect(not v.message_boxes(h, prog), "%s: no message beyond the report" % name)
        size = v.size_of(rect)
        print(name, "window", size)
        expect(sane_size(size), "%s: the default clock shows at a sane size: %r" % (name, size))
        h.screenshot("velmora-no-clock-" + name)
        h.command(wnd, ids["ID_EXIT"])
        prog.wait_exit(timeout=60)
        expect((folder / "Velmora2Dat").read_bytes() == data, "%s: the file is left as it was" % name)


def tiny_placement(h):
    """A placement of 5 x 5 pixels, as a window without clocks once saved it, gives the next start
    its place but not its size."""
    folder = v.program_folder(h, "data-placement")
    data = files.data_file([files.clock_record(ZONE), files.clock_record(ZONE)])
    h.run("reg", "delete", REG_CONFIGURATION, "/v", "OldMFPosB", "/f", timeout=60)
    prog, wnd, rect, _ = start_on(h, folder, data, False)
    expected = v.size_of(rect)
    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)

    placement = struct.pack("<III iiii iiii", 44, 0, 1, -1, -1, -1, -1, 100, 120, 105, 125)
    v.reg_set(h, REG_CONFIGURATION, "OldMFPosB", "REG_BINARY", placement.hex())
    prog, wnd, rect, _ = start_on(h, folder, data, False)
    h.screenshot("velmora-after-tiny-placement")
    print("without placement", expected, "after a tiny one", v.size_of(rect), "at", rect["left"], rect["top"])
    expect(v.size_of(rect) == expected, "the window has its clocks' size: %r, not %r" % (expected, v.size_of(rect)))
    expect((rect["left"], rect["top"]) == (100, 120), "the stored place is kept: %r" % rect)
    h.command(wnd, ids["ID_EXIT"])
    prog.wait_exit(timeout=60)


with Harness() as h:
    ids = h.ids("velmora")
    v.clear_registry(h)
    files_without_clocks(h)
    tiny_placement(h)
print("ok")
