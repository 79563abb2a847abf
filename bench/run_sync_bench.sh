#!/usr/bin/env bash
# The SNTP client against chrony on loopback, beside chrony's own client measuring the same server in
# the same run (chronyd -Q, which prints one offset per run after its burst of samples). chronyd
# always runs with -x: it never steers this machine's clock.
# With --rows, prints instead the rows that tools/bench.sh gathers into its table.
# Usage: bench/run_sync_bench.sh [--rows] [build dir]   SYNCBENCH_QUERIES (100), SYNCBENCH_CHRONY_RUNS (5)
set -euo pipefail
rows_only=0
if [ "${1:-}" = --rows ]; then rows_only=1; shift; fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-${BUILD_DIR:-$root/build}}
case $build in /*) ;; *) build=$PWD/$build ;; esac
queries=${SYNCBENCH_QUERIES:-100}
runs=${SYNCBENCH_CHRONY_RUNS:-5}
work=$build/bench-sync
rm -rf "$work"
mkdir -p "$work"
port=$(python3 -c 'import socket
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
try:
    s.bind(("127.0.0.1", 123))
except OSError:
    s.bind(("127.0.0.1", 0))
print(s.getsockname()[1])')
cat >"$work/chrony.conf" <<CONF
local stratum 8
allow 127.0.0.1
bindaddress 127.0.0.1
port $port
cmdport 0
ratelimit interval -4 burst 16
pidfile $work/chronyd.pid
driftfile $work/drift
CONF
timeout 600 chronyd -x -d -u root -f "$work/chrony.conf" >"$work/chronyd.log" 2>&1 &
server=$!
trap 'kill $server 2>/dev/null || true; wait $server 2>/dev/null || true' EXIT
sleep 1

ours=$("$root/tools/wine-run.sh" "$build/bench-wineprefix" "$build/bench/SyncBench.exe" "$port" "$queries" </dev/null |
    tr -d '\r')
theirs=()
for _ in $(seq "$runs"); do
    line=$(timeout 60 chronyd -Q -u root -f /dev/null "server 127.0.0.1 port $port iburst" 2>&1 |
        sed -n 's/.*System clock wrong by \([-0-9.]*\) seconds.*/\1/p')
    [ -n "$line" ] && theirs+=("$line")
done
python3 - "$rows_only" "$ours" "${theirs[@]}" <<'PY'
import re
import statistics
import sys

rows_only, ours, theirs = sys.argv[1] == '1', sys.argv[2], [float(x) for x in sys.argv[3:]]
if rows_only:
    m = re.search(r'velmora offset: median ([-\d.]+) ms, p10 ([-\d.]+) ms, p90 ([-\d.]+) ms', ours)
    median, p10, p90 = (float(x) for x in m.groups()) if m else (-1.0, -1.0, -1.0)
    ms = [t * 1e3 for t in theirs] or [-1.0]
    note = '' if m else 'SyncBench gave no offsets: ' + ' '.join(ours.split())
    print('\t'.join(['SNTP offset, |median| (loopback chrony)', '%.6f' % abs(median), 'ms',
                     'chrony -Q, |median| of %d runs' % len(theirs), '%.6f' % abs(statistics.median(ms)),
                     '<= 0.05 ms', note]))
    print('\t'.join(['SNTP offset, p10-p90 within +-', '%.6f' % max(abs(p10), abs(p90)), 'ms',
                     'chrony -Q, largest |offset|', '%.6f' % max(abs(x) for x in ms), '<= 0.5 ms',
                     'p10 %.3f ms, p90 %.3f ms' % (p10, p90) if m else '']))
    sys.exit(0)
print(ours)
if theirs:
    ms = [t * 1e3 for t in theirs]
    print("chrony -Q offset: median %.6f ms, min %.6f ms, max %.6f ms over %d runs" %
          (statistics.median(ms), min(ms), max(ms), len(ms)))
else:
    print("chrony -Q gave no offset")
print("Both read this machine's clock: the true offset is 0; each line is that client's own error.")
PY
