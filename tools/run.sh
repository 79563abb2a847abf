#!/usr/bin/env bash
# Builds everything and starts the desktop clock under Wine (on this DISPLAY, or on a private Xvfb).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
export BUILD_DIR=$build
bash "$root/tools/build.sh"
exe=$build/clock/Velmora.exe
[ -f "$exe" ] || exe=$build/tzeditor/Torvane.exe
cd "$(dirname "$exe")"
exec "$root/tools/wine-run.sh" "$build/wineprefix" "$exe" "$@"
