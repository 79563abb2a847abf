#!/usr/bin/env bash
# Builds and runs every benchmark on each build this machine runs: the 32-bit build (build/) and the
# 64-bit one (build64/) where it runs 32-bit programs, the 64-bit one alone where it does not. Prints
# one table of ratios, one column per build, each row naming the reference it was measured against
# in that same run.
# Usage: tools/bench.sh [build dir]   (a build dir, or VELMORA_ARCH, measures that one build alone)
# Ratios are noisy on a busy machine: REPEATS and ROUNDS (see bench/run_xml_bench.sh) raise the
# number of passes, of which the best is kept (REPEATS also for the clock window, default 5).
# Every Wine server, Wine service and X display the run starts is ended when it ends, on every path;
# one that was already running when it began (a test run's) is left alone.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/setup.sh" --bench
. "$root/tools/arch.sh"

builds=()
if [ -n "${1:-}" ] || [ -n "${BUILD_DIR:-}" ] || [ -n "${VELMORA_ARCH:-}" ]; then
    [ -n "${1:-}" ] && BUILD_DIR=$1
    velmora_pick_build "$root"
    builds=("$VELMORA_ARCH:$BUILD_DIR")
    title="Velmora benchmarks, the $VELMORA_ARCH-bit build only (as asked)"
elif velmora_can_run_32; then
    builds=("32:$root/build" "64:$root/build64")
    title="Velmora benchmarks, the 32-bit build (build/) and the 64-bit build (build64/)"
else
    builds=("64:$root/build64")
    title="Velmora benchmarks, the 64-bit build (build64/) only: this machine does not run 32-bit programs"
fi

# ---- Ending what the run starts -----------------------------------------------------------------
# The Wine prefixes the benchmarks use (the XML benchmark runs in the build's test prefix), each with
# the X display tools/wine-run.sh gave it and its persistent server. What runs before the run is
# someone else's.
work=$(mktemp -d)
owned=()
prefix_running() {
    local prefix=$1 arch=$2
    WINEPREFIX=$prefix WINEARCH=win$arch wineserver -k0 2>/dev/null && return 0
    [ -f "$prefix.display" ] && kill -0 "$(cut -d' ' -f2 "$prefix.display")" 2>/dev/null
}
claim_prefixes() {
    local arch=$1 build=$2 prefix
    for prefix in "$build/bench-wineprefix" "$build/wineprefix"; do
        if prefix_running "$prefix" "$arch"; then
            echo "bench: $prefix was already in use: it is left running" >&2
        else
            owned+=("$arch:$prefix")
        fi
    done
}
# Runs a command with its output in a file, waited for in a way that an interrupt cuts short at once:
# bash leaves an interrupt to the program it runs in the foreground, and Wine's programs take one as
# a console event and carry on. The command runs in a process group of its own, so that the clean-up
# ends all of it (a build's compilers, a benchmark script and the Wine program it runs) and waits
# for that before ending the prefixes: nothing of it is left to start a prefix again afterwards.
child=
capture() {
    local out=$1
    shift
    setsid "$@" >"$out" </dev/null &
    child=$!
    wait "$child"
    local rc=$?
    child=
    return $rc
}
cleanup() {
    local entry
    if [ -n "$child" ]; then
        kill -TERM -- "-$child" 2>/dev/null || true
        wait "$child" 2>/dev/null || true
    fi
    for entry in ${owned[@]+"${owned[@]}"}; do
        # With the server goes a clock program a benchmark left behind.
        velmora_end_prefix "${entry#*:}" "${entry%%:*}"
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# ---- One build's rows ---------------------------------------------------------------------------
# Rows are tab-separated: measurement, our value, unit, reference name, reference value, goal, note.
clock_rows() {
    python3 - "$1" <<'PY'
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
                 'clock_tick_ref ticking once a second', theirs, '<= 1.5' if on == 'off' else '-', note])
for secs, ours, theirs in re.findall(r'idle, 1 clock, auto-hide off, no tray animation nor dial-up poll, over (\d+) s: '
                                     r'velmora ([-\d.]+) ms, reference ([-\d.]+) ms', text):
    rows.append(['idle, 1 clock, auto-hide off, tray animation and dial-up poll off (CPU a minute)', ours, 'ms',
                 'clock_tick_ref ticking once a second', theirs, '-',
                 'the tick and the window alone: the plain auto-hide off row adds what the tray animation and '
                 'the dial-up poll cost, each specified to run every second by default'])
for secs, ours, theirs in re.findall(r'idle, 1 clock, auto-hide on, over (\d+) s: velmora ([-\d.]+) ms, '
                                     r'reference polling the cursor ([-\d.]+) ms', text):
    rows.append(['idle, 1 clock, auto-hide on, cursor resting on it (CPU a minute)', ours, 'ms',
                 'the same, also polling the cursor every 10 ms', theirs, '<= 1.0',
                 'no more than the 10 ms poll itself costs; tray animation and dial-up poll off, as in the '
                 'reference'])
for secs, ours, theirs in re.findall(r'idle, 1 clock, auto-hide off, over (\d+) s: velmora ([-\d.]+) ms, '
                                     r'reference with the same timers and a tray animation ([-\d.]+) ms', text):
    note = '' if secs == '60' else 'measured over %s s, scaled to a minute' % secs
    rows.append(['idle, 1 clock, auto-hide off, against the same timers (CPU a minute)', ours, 'ms',
                 'clock_tick_ref tray (tick, tray icon swap, dial-up poll: 1 s; status refresh: 750 ms)', theirs,
                 '<= 1.5', note])
for secs, kind, ours, theirs in re.findall(
        r'private bytes after (\d+) s, 8 clocks \(([^)]*)\): velmora ([\d.]+) KB, reference ([\d.]+) KB', text):
    note = '' if secs == '60' else 'after %s s of ticking, not the minute' % secs
    rows.append(['private bytes, 8 clocks, %s' % kind, ours, 'KB', ref, theirs, '<= 1.5', note])
for secs, kind, ours, theirs in re.findall(
        r'private bytes after (\d+) s, 8 clocks \(([^)]*)\): velmora ([\d.]+) KB, reference with the common controls '
        r'([\d.]+) KB', text):
    note = '' if secs == '60' else 'after %s s of ticking, not the minute' % secs
    rows.append(['private bytes, 8 clocks, %s, against a dialog with the common controls loaded' % kind, ours, 'KB',
                 'clock_start_ref commctrl (dialog, one line; common controls loaded)', theirs, '<= 1.5', note])
if len(rows) != 15:
    print('ClockBench printed %d results, not the 15 expected:\n%s' % (len(rows), text), file=sys.stderr)
    # In the table too, where a missing row would otherwise pass unseen.
    rows.append(['clock window (ClockBench)', '-1', '-', '-', '-1', '-',
                 'printed %d of its 15 results: see the output above the table' % len(rows)])
for r in rows:
    print('\t'.join(r))
PY
}

measure_build() {
    local arch=$1 build=$2 rows clock exe out got
    export VELMORA_ARCH=$arch BUILD_DIR=$build
    capture "$work/build.log" bash "$root/tools/build.sh" || { cat "$work/build.log" >&2; return 1; }
    capture "$work/out" bash "$root/bench/run_xml_bench.sh" --rows "$build" || true
    rows=$(cat "$work/out")$'\n'

    # The clock window against minimal Win32 programs doing the same work (bench/ref/clock_*_ref),
    # in a Wine prefix of its own so that the real program started here never meets the tests'
    # settings or their running copies. CLOCKBENCH_MEMORY_SECONDS shortens the minute of ticking
    # before private bytes are read, for a quick run; CLOCKBENCH_IDLE_SECONDS (20) is how long the
    # idle cost is measured, shorter than the minute it is scaled to, to keep the run short.
    CLOCKBENCH_MEMORY_SECONDS=${CLOCKBENCH_MEMORY_SECONDS:-60} CLOCKBENCH_IDLE_SECONDS=${CLOCKBENCH_IDLE_SECONDS:-20} \
        capture "$work/out" "$root/tools/wine-run.sh" "$build/bench-wineprefix" "$build/bench/ClockBench.exe" || true
    clock=$(tr -d '\r' <"$work/out")
    rows+=$(clock_rows "$clock")$'\n'

    # Every other benchmark program prints its rows itself (bench/BenchRow.h): a new one joins here.
    for exe in "$build"/bench/*.exe; do
        case $(basename "$exe") in
        XmlBench.exe | ClockBench.exe | SyncBench.exe | clock_*_ref.exe) continue ;;
        esac
        capture "$work/out" "$root/tools/wine-run.sh" "$build/bench-wineprefix" "$exe" || true
        out=$(tr -d '\r' <"$work/out")
        got=$(grep $'^row\t' <<<"$out" | cut -f2- || true)
        [ -n "$got" ] || got=$(printf '%s\t-1\t-\t-\t-1\t-\tprinted no row' "$(basename "$exe" .exe)")
        rows+=$got$'\n'
    done

    # The SNTP client against loopback chrony, beside chrony's own client (bench/run_sync_bench.sh).
    capture "$work/out" bash "$root/bench/run_sync_bench.sh" --rows "$build" || true
    rows+=$(cat "$work/out")$'\n'
    printf '%s' "$rows"
}

tables=()
for entry in "${builds[@]}"; do
    arch=${entry%%:*} build=${entry#*:}
    claim_prefixes "$arch" "$build"
    echo "bench: measuring the $arch-bit build in $build" >&2
    measure_build "$arch" "$build" >"$work/rows-$arch.new"
    mv "$work/rows-$arch.new" "$work/rows-$arch"
    tables+=("$arch-bit=$work/rows-$arch")
done

echo
echo "$title"
python3 "$root/bench/table.py" "${tables[@]}"
echo "MB/s: higher is better; times and sizes: lower is better. Each ratio is Velmora over the reference"
echo "named on its row, both measured in this run on this machine (best of several passes); each column"
echo "is one build against references run the same way. A goal with a unit is on Velmora's value itself."
