"""The user images kept by the Button Appearance demonstration (ExtrasDemo /appearance /state): the
user-image well reads its bitmap file at start and the workspace saves it when the window closes. A
second start shows the images the first one showed and leaves the file as it was; a damaged file
(cut, foreign bytes, a header claiming an image of 60000 x 60000 pixels) is refused whole by the
well: the program runs and ends cleanly, shows the images an undamaged start shows and leaves the
file an undamaged start leaves."""

import os
import pathlib
import struct
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools", "e2e"))
from harness import Harness, HarnessError, expect  # noqa: E402

from demo_log import DemoLog  # noqa: E402

TITLE = "Appearance demonstration"
KEY = r"HKEY_CURRENT_USER\Software\Quendra Labs\ExtrasDemo\AppearanceDemo"


def main():
    with Harness() as h:
        work = pathlib.Path(tempfile.mkdtemp(prefix="appearance-state-e2e-"))
        images_file = work / "appearance_user_images.bmp"
        h.run("reg", "delete", KEY, "/f", timeout=60)
        runs = [0]

        def run():
            """One start and close: whether the file was refused, the images shown, the file left."""
            runs[0] += 1
            log = DemoLog(work / ("run%d.log" % runs[0]))
            prog = h.start(h.build / "uiextras" / "ExtrasDemo.exe", "/appearance", "/state",
                           "Z:" + str(log.path).replace("/", "\\"))
            frame = h.find(title=TITLE, visible=True, timeout=30)
            h.wait_for(lambda: log.starting("ready"), timeout=20, what="the demonstration to start")
            h.idle(frame)
            lines = log.lines()
            expect("state loaded 1" in lines, "the state loads: %r" % lines[:3])
            images = [l for l in lines if l.startswith(("userimages ", "image "))]
            h.close(frame)
            code = prog.wait_exit(timeout=20)
            expect(code == 0, "the program ends cleanly, not with %r" % code)
            expect(log.starting("state saved "), "the state is saved when the window closes")
            return "imagefile refused" in lines, images, images_file.read_bytes()

        refused, undamaged_images, undamaged_file = run()
        expect(not refused and len([l for l in undamaged_images if l.startswith("image ")]) == 2,
               "a first start shows the two user images: %r" % undamaged_images[:1])
        refused, images, kept = run()
        expect(not refused and images == undamaged_images, "the kept images come back as they were")
        expect(kept == undamaged_file, "the file is left as it was")

        header = bytearray(undamaged_file[:54])
        struct.pack_into("<ii", header, 18, 60000, 60000)
        for what, damaged in (("a cut file", undamaged_file[:len(undamaged_file) // 2]),
                              ("foreign bytes", bytes(range(256)) * 8),
                              ("a header claiming 60000 x 60000 pixels", bytes(header) + undamaged_file[54:])):
            images_file.write_bytes(damaged)
            refused, images, kept = run()
            expect(refused, "%s is refused" % what)
            expect(images == undamaged_images, "%s: the images an undamaged start shows" % what)
            expect(kept == undamaged_file, "%s: the file an undamaged start leaves" % what)


if __name__ == "__main__":
    try:
        main()
    except HarnessError as e:
        print("FAILED:", e)
        sys.exit(1)
