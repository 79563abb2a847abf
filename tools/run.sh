#!/usr/bin/env bash
# Builds everything and starts the desktop clock under Wine (on this DISPLAY, or on a private Xvfb).
# Without a display it says which private display the clock runs on and, a few seconds after the
# start, saves a screenshot of that display in the build tree and prints where.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/setup.sh"
. "$root/tools/arch.sh"
velmora_pick_build "$root"
build=$BUILD_DIR
bash "$root/tools/build.sh"
exe=$build/clock/Velmora.exe
[ -f "$exe" ] || exe=$build/tzeditor/Torvane.exe
cd "$(dirname "$exe")"

if [ -z "${DISPLAY:-}" ]; then
    # tools/wine-run.sh starts (or reuses) the prefix's Xvfb and notes ":<display> <pid>" here.
    dfile=$build/wineprefix.display
    shot=$build/screenshots/$(basename "$exe" .exe)-run.png
    (
        for _ in $(seq 600); do
            if [ -f "$dfile" ] && kill -0 "$(cut -d' ' -f2 "$dfile")" 2>/dev/null; then
                display=$(cut -d' ' -f1 "$dfile")
                echo "run: no DISPLAY here; $(basename "$exe") runs on the private display $display" \
                    "(see it with: DISPLAY=$display import -window root shot.png)" >&2
                sleep "${VELMORA_SHOT_DELAY:-5}"
                mkdir -p "$(dirname "$shot")"
                if import -display "$display" -window root "$shot" 2>/dev/null; then
                    echo "run: screenshot of display $display saved to $shot" >&2
                else
                    echo "run: could not take a screenshot of display $display" >&2
                fi
                exit 0
            fi
            sleep 0.1
        done
    ) &
fi
exec "$root/tools/wine-run.sh" "$build/wineprefix" "$exe" "$@"
