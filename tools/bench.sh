#!/usr/bin/env bash
# Builds everything (tools/build.sh), then runs every benchmark and prints one table of ratios,
# each row naming the reference it was measured against in this same run.
# Usage: tools/bench.sh [build dir]   (default: $BUILD_DIR, else build/)
# Ratios are noisy on a busy machine: REPEATS and ROUNDS (see bench/run_xml_bench.sh) raise the
# number of passes, of which the best is kept (REPEATS also for the clock window, default 5).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-${BUILD_DIR:-$root/build}}
case $build in /*) ;; *) build=$PWD/$build ;; esac
export BUILD_DIR=$build
bash "$root/tools/setup.sh" --bench
bash "$root/tools/build.sh"

rows=$(bash "$root/bench/run_xml_bench.sh" --rows "$build")$'\n'

# The clock window against minimal Win32 programs doing the same work (bench/ref/clock_*_ref),
# in a Wine prefix of its own so that the real program started here never meets the tests'
# settings or their running copies. CLOCKBENCH_MEMORY_SECONDS shortens the minute of ticking
# before private bytes are read, for a quick run.
export CLOCKBENCH_MEMORY_SECONDS=${CLOCKBENCH_MEMORY_SECONDS:-60}
clock=$("$root/tools/wine-run.sh" "$build/bench-wineprefix" "$build/bench/ClockBench.exe" </dev/null | tr -d '\r')
rows+=$(python3 - "$clock" <<'PY'
import re
import sys

text = sys.argv[1]
rows = []
tick_ref = 'clock_tick_ref (same texts, fonts, colours; one bitmap)'
for clocks, ours, ref in re.findall(r'tick, (\d+) clocks: velmora ([\d.]+) ms, reference ([\d.]+) ms', text):
    goal = '<= 1.5' if clocks == '8' else '-'
    rows.append(['clock tick, %s clocks (CPU)' % clocks, ours, 'ms', tick_ref, ref, goal, ''])
texts = re.search(r'^text: .*: (same|DIFFERENT)$', text, re.M)
if rows and texts and texts.group(1) != 'same':
    rows[0][6] = 'the reference drew a different text: ' + texts.group(0)
ref = 'clock_start_ref (dialog, one line)'
for kind, ours, theirs in re.findall(r'start-up to first paint \(([^)]*)\): velmora ([\d.]+) ms, reference ([\d.]+) ms',
                                     text):
    rows.append(['start-up to first paint, %s (wall)' % kind, ours, 'ms', ref, theirs, '<= 2', ''])
for secs, kind, ours, theirs in re.findall(
        r'private bytes after (\d+) s, 8 clocks \(([^)]*)\): velmora ([\d.]+) KB, reference ([\d.]+) KB', text):
    note = '' if secs == '60' else 'after %s s of ticking, not the minute' % secs
    rows.append(['private bytes, 8 clocks, %s' % kind, ours, 'KB', ref, theirs, '<= 2', note])
if len(rows) != 7:
    sys.exit('ClockBench printed fewer results than expected:\n' + text)
for r in rows:
    print('\t'.join(r))
PY
)
echo
echo "$rows" | python3 "$root/bench/table.py"
echo "MB/s: higher is better; ms and KB: lower is better. Each ratio is Velmora over the reference named"
echo "on its row, both measured in this run on this machine (best of several passes)."
