#!/usr/bin/env bash
# Sets up the machine if needed, then configures and builds everything into the build tree:
# VELMORA_ARCH=32 in build/, VELMORA_ARCH=64 in build64/ (BUILD_DIR names another); by default
# the architecture this machine runs (tools/arch.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/setup.sh"
. "$root/tools/arch.sh"
velmora_pick_build "$root"
[ -f "$BUILD_DIR/CMakeCache.txt" ] ||
    cmake -S "$root" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_ARCH="$VELMORA_ARCH" >/dev/null
cmake --build "$BUILD_DIR" -j "${JOBS:-$(nproc)}" -- --no-print-directory
