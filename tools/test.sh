#!/usr/bin/env bash
# Builds everything and runs every test under Wine (and Xvfb for windows): the README's test command.
# The tests run on the build of VELMORA_ARCH (32 or 64; by default what this machine runs).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/setup.sh"
. "$root/tools/arch.sh"
velmora_pick_build "$root"
build=$BUILD_DIR
bash "$root/tools/build.sh"
# The tree keeps one format: a C++ file that drifts from .clang-format fails the run.
if ! (cd "$root" && git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror); then
    echo "test: the files above drift from .clang-format (clang-format -i fixes them)" >&2
    exit 1
fi
prefix=$build/wineprefix
cleanup() {
    velmora_end_prefix "$prefix" "$VELMORA_ARCH"
    # What an end-to-end test stopped by its time-out left behind: its Wine server and its display.
    for d in "$build"/e2e-prefixes/*.display; do
        if [ -f "$d" ]; then velmora_end_prefix "${d%.display}" "$VELMORA_ARCH"; fi
    done
}
trap cleanup EXIT
# Boot the prefix once, with its output detached, before ctest starts its pipes.
"$root/tools/wine-run.sh" "$prefix" cmd /c exit </dev/null >/dev/null 2>&1 || true
cd "$build"
ctest --output-on-failure -j "${JOBS:-$(nproc)}" "$@"
