#!/usr/bin/env bash
# Runs XmlBench and, on the same machine in the same run, the references: expat (through Python) for
# loading the same XML file, glibc iconv for the same conversions. Prints throughputs and ratios
# (XmlBench over reference; above 1 means faster than the reference).
# Usage: bench/run_xml_bench.sh [build dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-${BUILD_DIR:-$root/build}}
exe=$build/bench/XmlBench.exe
[ -f "$exe" ] || { echo "XmlBench.exe not built in $build" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
repeats=${REPEATS:-5}

python3 - "$work" <<'PY'
import random, sys
out = sys.argv[1]
rng = random.Random(7)
words = ['alpha', 'beta', 'gamma', 'delta', 'caf\u00e9', '\u65e5\u672c', 'x&amp;y', 'ok']
parts = ['<?xml version="1.0" encoding="utf-8"?>\n<catalog>\n']
for i in range(40000):
    parts.append('  <item id="%d" kind="%s"><name>%s</name><price>%d.%02d</price><note>%s</note></item>\n'
                 % (i, rng.choice(words), ' '.join(rng.choice(words) for _ in range(4)), rng.randrange(1000),
                    rng.randrange(100), ' '.join(rng.choice(words) for _ in range(8))))
parts.append('</catalog>\n')
open(out + '/doc.xml', 'w', encoding='utf-8').write(''.join(parts))
jp = ''.join(chr(c) for c in range(0x4E00, 0x4F00)) + '\u3042\u3044\u3046 ABC\n'
open(out + '/sjis.txt', 'wb').write((jp * 400).encode('cp932', 'ignore'))
latin = ''.join(chr(c) for c in range(0x20, 0x7F)) + '\u00e9\u00e8\u00fc\u20ac\n'
open(out + '/latin.txt', 'wb').write((latin * 20000).encode('cp1252'))
open(out + '/utf8.txt', 'wb').write((jp * 400).encode('cp932', 'ignore').decode('cp932').encode('utf-8'))
PY

winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }
ours=$("$root/tools/wine-run.sh" "$build/wineprefix" "$exe" "$(winpath "$work/doc.xml")" "$repeats" \
    "$(winpath "$work/sjis.txt")" 932 65001 "$(winpath "$work/latin.txt")" 1252 65001 \
    "$(winpath "$work/utf8.txt")" 65001 932 2>/dev/null | tr -d '\r')

reference=$(python3 - "$work" "$repeats" <<'PY'
import subprocess, sys, time, xml.parsers.expat
work, repeats = sys.argv[1], int(sys.argv[2])
data = open(work + '/doc.xml', 'rb').read()
start = time.perf_counter()
for _ in range(repeats):
    p = xml.parsers.expat.ParserCreate()
    p.StartElementHandler = lambda name, attrs: None
    p.CharacterDataHandler = lambda text: None
    p.Parse(data, True)
print('xml_load %d %.6f' % (len(data) * repeats, time.perf_counter() - start))
for name, src, dst, label in [('sjis.txt', 'CP932', 'UTF-8', 'convert_932_65001'),
                              ('latin.txt', 'CP1252', 'UTF-8', 'convert_1252_65001'),
                              ('utf8.txt', 'UTF-8', 'CP932', 'convert_65001_932')]:
    path = work + '/' + name
    size = len(open(path, 'rb').read())
    start = time.perf_counter()
    for _ in range(repeats):
        subprocess.run(['iconv', '-f', src, '-t', dst, path], stdout=subprocess.DEVNULL, check=True)
    print('%s %d %.6f' % (label, size * repeats, time.perf_counter() - start))
PY
)

python3 - "$ours" "$reference" <<'PY'
import sys
def table(text):
    rows = {}
    for line in text.splitlines():
        name, size, secs = line.split()
        rows[name] = int(size) / max(float(secs), 1e-9) / 1e6
    return rows
ours, ref = table(sys.argv[1]), table(sys.argv[2])
print('%-22s %12s %12s %8s' % ('measurement', 'XmlBench MB/s', 'ref MB/s', 'ratio'))
for name in ours:
    if name in ref:
        print('%-22s %12.2f %12.2f %8.2f' % (name, ours[name], ref[name], ours[name] / ref[name]))
print('references: expat through Python for xml_load, glibc iconv (one process per run) for conversions')
PY
