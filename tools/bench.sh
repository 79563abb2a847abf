#!/usr/bin/env bash
# Builds everything (tools/build.sh), then runs every benchmark and prints one table of ratios,
# each row naming the reference it was measured against in this same run.
# Usage: tools/bench.sh [build dir]   (default: $BUILD_DIR, else build/)
# Ratios are noisy on a busy machine: REPEATS and ROUNDS (see bench/run_xml_bench.sh) raise the
# number of passes, of which the best is kept (REPEATS also for the clock window, default 5).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/setup.sh" --bench
. "$root/tools/arch.sh"
[ -n "${1:-}" ] && BUILD_DIR=$1
velmora_pick_build "$root"
build=$BUILD_DIR
bash "$root/tools/build.sh"

rows=$(bash "$root/bench/run_xml_bench.sh" --rows "$build")$'\n'

# The clock window against minimal Win32 programs doing the same work (bench/ref/clock_*_ref),
# in a Wine prefix of its own so that the real program started here never meets the tests'
# settings or their running copies. CLOCKBENCH_MEMORY_SECONDS shortens the minute of ticking
# before private bytes are read, for a quick run; CLOCKBENCH_IDLE_SECONDS (20) is how long the
# idle cost is measured, shorter than the minute it is scaled to, to keep the run short.
export CLOCKBENCH_MEMORY_SECONDS=${CLOCKBENCH_MEMORY_SECONDS:-60}
export CLOCKBENCH_IDLE_SECONDS=${CLOCKBENCH_IDLE_SECONDS:-20}
clock=$("$root/tools/wine-run.sh" "$build/bench-wineprefix" "$build/bench/ClockBench.exe" </dev/null | tr -d '\r')
rows+=$(python3 - "$clock" <<'PY'
import re
import sys

text = sys.argv[1]
rows = []
tick_ref = 'clock_tick_ref (same texts, fonts, colours; one bitmap)'
for clocks, ours, ref in re.findall(r'tick, (\d+) clocks: velmora ([\d.]+) ms, reference ([\d.]+) ms', text):
    rows.append(['clock tick, %s clocks (CPU)' % clocks, ours, 'ms', tick_ref, ref, '<= 1.0', ''])
texts = re.search(r'^text: .*: (same|DIFFERENT)$', text, re.M)
if rows and texts and texts.group(1) != 'same':
    rows[0][6] = 'the reference drew a different text: ' + texts.group(0)
ref = 'clock_start_ref (dialog, one line)'
for kind, agent, ours, theirs in re.findall(
        r'start-up to first paint \(([^,]*), ([^)]*)\): velmora ([\d.]+) ms, reference ([\d.]+) ms', text):
    if agent == 'agent present':
        goal, note = '<= 2', ''
    else:
        goal, note = '-', 'waits a second for the missing agent and asks again, by design'
    rows.append(['start-up to first paint, %s, %s (wall)' % (agent, kind), ours, 'ms', ref, theirs, goal, note])
for on, secs, ours, theirs in re.findall(
        r'idle, 1 clock, auto-hide (\w+), over (\d+) s: velmora ([-\d.]+) ms, reference ([-\d.]+) ms', text):
    note = '' if secs == '60' else 'measured over %s s, scaled to a minute' % secs
    rows.append(['idle, 1 clock, auto-hide %s (CPU a minute)' % on, ours, 'ms',
                 'clock_tick_ref ticking once a second', theirs, '<= 1.5', note])
for secs, ours, theirs in re.findall(r'idle, 1 clock, auto-hide on, over (\d+) s: velmora ([-\d.]+) ms, '
                                     r'reference polling the cursor ([-\d.]+) ms', text):
    rows.append(['idle, 1 clock, auto-hide on (CPU a minute)', ours, 'ms',
                 'the same, also polling the cursor every 10 ms', theirs, '-',
                 'what the 10 ms period alone costs here'])
for secs, kind, ours, theirs in re.findall(
        r'private bytes after (\d+) s, 8 clocks \(([^)]*)\): velmora ([\d.]+) KB, reference ([\d.]+) KB', text):
    note = '' if secs == '60' else 'after %s s of ticking, not the minute' % secs
    rows.append(['private bytes, 8 clocks, %s' % kind, ours, 'KB', ref, theirs, '<= 1.5', note])
if len(rows) != 11:
    print('ClockBench printed %d results, not the 11 expected:\n%s' % (len(rows), text), file=sys.stderr)
for r in rows:
    print('\t'.join(r))
PY
)$'\n'

# Every other benchmark program prints its rows itself (bench/BenchRow.h): a new one joins here.
for exe in "$build"/bench/*.exe; do
    case $(basename "$exe") in
    XmlBench.exe | ClockBench.exe | SyncBench.exe | clock_*_ref.exe) continue ;;
    esac
    out=$("$root/tools/wine-run.sh" "$build/bench-wineprefix" "$exe" </dev/null | tr -d '\r')
    got=$(grep $'^row\t' <<<"$out" | cut -f2- || true)
    [ -n "$got" ] || got=$(printf '%s\t-1\t-\t-\t-1\t-\tprinted no row' "$(basename "$exe" .exe)")
    rows+=$got$'\n'
done

# The SNTP client against loopback chrony, beside chrony's own client (bench/run_sync_bench.sh).
rows+=$(bash "$root/bench/run_sync_bench.sh" --rows "$build")$'\n'

echo
echo "$rows" | python3 "$root/bench/table.py"
echo "MB/s: higher is better; times and sizes: lower is better. Each ratio is Velmora over the reference"
echo "named on its row, both measured in this run on this machine (best of several passes). A goal with"
echo "a unit is on Velmora's value itself."
