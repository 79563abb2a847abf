#!/usr/bin/env bash
# The SNTP client against chrony on loopback, beside chrony's own client measuring the same server in
# the same run (chronyd -Q, which prints one offset per run after its burst of samples). chronyd
# always runs with -x: it never steers this machine's clock.
# Usage: bench/run_sync_bench.sh [build dir]   SYNCBENCH_QUERIES (100), SYNCBENCH_CHRONY_RUNS (5)
set -euo pipefail
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
python3 - "$ours" "${theirs[@]}" <<'PY'
import statistics
import sys

ours, theirs = sys.argv[1], [float(x) for x in sys.argv[2:]]
print(ours)
if theirs:
    ms = [t * 1e3 for t in theirs]
    print("chrony -Q offset: median %.6f ms, min %.6f ms, max %.6f ms over %d runs" %
          (statistics.median(ms), min(ms), max(ms), len(ms)))
else:
    print("chrony -Q gave no offset")
print("Both read this machine's clock: the true offset is 0; each line is that client's own error.")
PY
