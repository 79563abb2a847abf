#!/usr/bin/env bash
# Builds everything (tools/build.sh), then runs every benchmark and prints one table of ratios,
# each row naming the reference it was measured against in this same run.
# Usage: tools/bench.sh [build dir]   (default: $BUILD_DIR, else build/)
# Ratios are noisy on a busy machine: REPEATS and ROUNDS (see bench/run_xml_bench.sh) raise the
# number of passes, of which the best is kept.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-${BUILD_DIR:-$root/build}}
case $build in /*) ;; *) build=$PWD/$build ;; esac
export BUILD_DIR=$build
bash "$root/tools/setup.sh" --bench
bash "$root/tools/build.sh"

rows=$(bash "$root/bench/run_xml_bench.sh" --rows "$build")$'\n'

# The clock window, as ClockBench measures it today: processor time against a minimal window that
# draws one line of text. That reference is not yet the same work, so these rows carry no goal.
# The same-work references (the clocks' texts drawn off-screen and copied, start-up to the first
# painted clock, private bytes) plug in here as rows of the same form, with their goals:
#   tick with 8 clocks "<= 1.5", start-up "<= 2", private bytes "<= 2".
clock=$("$root/tools/wine-run.sh" "$build/wineprefix" "$build/bench/ClockBench.exe" </dev/null | tr -d '\r')
rows+=$(python3 - "$clock" <<'PY'
import re, sys
text = sys.argv[1]
ref = re.search(r'reference: tick ([\d.]+) ms, start-up ([\d.]+) ms', text)
if not ref:
    sys.exit('ClockBench printed no reference line:\n' + text)
name = 'minimal window, one line'
for clocks, ms in re.findall(r'clock tick, *(\d+) clocks: ([\d.]+) ms', text):
    print('\t'.join(['clock tick, %s clocks (CPU)' % clocks, ms, 'ms', name, ref.group(1), '-', '']))
start = re.search(r'clock window start-up: ([\d.]+) ms', text)
if start:
    print('\t'.join(['clock window start-up (CPU)', start.group(1), 'ms', name, ref.group(2), '-', '']))
PY
)
echo
echo "$rows" | python3 "$root/bench/table.py"
echo "MB/s: higher is better; ms: lower is better. Each ratio is Velmora over the reference named"
echo "on its row, both measured in this run on this machine (best of several passes)."
