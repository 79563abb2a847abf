#!/usr/bin/env bash
# Runs XmlBench and, in the same run, the native references (bench/ref): libxml2's tree load and
# expat without handlers for the same documents, glibc's iconv(3) in-process for the same
# conversions. Each program keeps the best of REPEATS passes; ROUNDS alternate ours and the
# references, and the best of the rounds is kept, so that load from other processes hurts both.
# Prints a table of ratios (above 1: faster than the reference), or with --rows the rows that
# tools/bench.sh gathers into its table.
# Usage: bench/run_xml_bench.sh [--rows] [build dir]
#
# The references are native Linux builds (Debian's libxml2-dev and libexpat1-dev, installed by
# "tools/setup.sh --bench"), not cross builds run under Wine: iconv has to be glibc's own anyway,
# and a native reference is the harder one to meet, since XmlBench pays for Wine's heap (and, in the
# 32-bit build, for 32-bit code). A ratio of 1 here therefore means at least as fast as the library on its home ground.
set -euo pipefail
rows_only=0
if [ "${1:-}" = --rows ]; then rows_only=1; shift; fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-${BUILD_DIR:-$root/build}}
# Wine needs absolute paths; a relative build folder is taken from where the command was typed.
build=$(cd "$build" 2>/dev/null && pwd) || { echo "no build folder ${1:-${BUILD_DIR:-$root/build}}" >&2; exit 1; }
exe=$build/bench/XmlBench.exe
[ -f "$exe" ] || { echo "XmlBench.exe not built in $build (run tools/build.sh)" >&2; exit 1; }
repeats=${REPEATS:-5}
rounds=${ROUNDS:-3}

refs=$build/bench-ref
if ! { cmake -S "$root/bench/ref" -B "$refs" -DCMAKE_BUILD_TYPE=Release >/dev/null &&
       cmake --build "$refs" -- --no-print-directory >/dev/null; }; then
    echo "the native references did not build: run 'bash tools/setup.sh --bench' first" >&2
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
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
open(out + '/large.xml', 'w', encoding='utf-8').write(''.join(parts))
# Documents of a few hundred bytes, shaped like the version-information file the version check
# reads; separated by NUL bytes, which no XML document contains.
small = []
for i in range(10000):
    beta = rng.random() < 0.3
    small.append('<?xml version="1.0" encoding="utf-8"?>\n<velmorainfo>\n'
                 '  <release kind="%s">\n    <version>%d.%d.%d</version>\n    <date>2026-%02d-%02d</date>\n'
                 '    <url>http://updates.example.invalid/velmora/%d/setup.exe</url>\n'
                 '    <notes>%s</notes>\n  </release>\n  <minimum>2.%d</minimum>\n</velmorainfo>\n'
                 % ('beta' if beta else 'release', rng.randrange(2, 4), rng.randrange(10), rng.randrange(100),
                    rng.randrange(1, 13), rng.randrange(1, 29), i,
                    ' '.join(rng.choice(words) for _ in range(rng.randrange(6, 30))), rng.randrange(30)))
open(out + '/small.xml', 'w', encoding='utf-8').write('\0'.join(small))
# Conversion inputs of at least 10 MB each.
jp = ''.join(chr(c) for c in range(0x4E00, 0x4F00)) + '\u3042\u3044\u3046 ABC\n'
sjis = (jp * 21000).encode('cp932', 'ignore')
open(out + '/sjis.txt', 'wb').write(sjis)
latin = ''.join(chr(c) for c in range(0x20, 0x7F)) + '\u00e9\u00e8\u00fc\u20ac\n'
open(out + '/latin.txt', 'wb').write((latin * 110000).encode('cp1252'))
open(out + '/utf8.txt', 'wb').write(sjis.decode('cp932').encode('utf-8'))
PY

winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }
ours_all= refs_all=
for _ in $(seq "$rounds"); do
    ours_all+=$("$root/tools/wine-run.sh" "$build/wineprefix" "$exe" "$repeats" "$(winpath "$work/large.xml")" \
        "$(winpath "$work/small.xml")" "$(winpath "$work/sjis.txt")" 932 65001 \
        "$(winpath "$work/latin.txt")" 1252 65001 "$(winpath "$work/utf8.txt")" 65001 932 </dev/null | tr -d '\r')$'\n'
    refs_all+=$("$refs/xml_ref" "$repeats" "$work/large.xml" "$work/small.xml")$'\n'
    refs_all+=$("$refs/iconv_ref" "$repeats" "$work/sjis.txt" CP932 UTF-8 convert_932_65001 \
        "$work/latin.txt" CP1252 UTF-8 convert_1252_65001 "$work/utf8.txt" UTF-8 CP932 convert_65001_932)$'\n'
done

rows=$(python3 - "$ours_all" "$refs_all" <<'PY'
import sys
def best(text):
    rows = {}
    for line in text.splitlines():
        if not line.strip():
            continue
        name, size, secs, count = line.split()
        mbs = int(size) / max(float(secs), 1e-9) / 1e6
        if name not in rows or mbs > rows[name][0]:
            rows[name] = (mbs, int(count))
    return rows
ours, ref = best(sys.argv[1]), best(sys.argv[2])
plan = [('xml_large', 'xml_large_libxml2', 'libxml2 xmlReadMemory', '>=1.5'),
        ('xml_large', 'xml_large_expat', 'expat, no handlers', '-'),
        ('xml_small', 'xml_small_libxml2', 'libxml2 xmlReadMemory', '>=1.5'),
        ('xml_small', 'xml_small_expat', 'expat, no handlers', '-'),
        ('convert_932_65001', 'convert_932_65001', 'glibc iconv', '>=2'),
        ('convert_1252_65001', 'convert_1252_65001', 'glibc iconv', '>=2'),
        ('convert_65001_932', 'convert_65001_932', 'glibc iconv', '>=2')]
labels = {'xml_large': 'XML tree load, one 6 MB document',
          'xml_small': 'XML tree load, 10000 version files',
          'convert_932_65001': 'convert 932 -> UTF-8 (10 MB)',
          'convert_1252_65001': 'convert 1252 -> UTF-8 (10 MB)',
          'convert_65001_932': 'convert UTF-8 -> 932 (10 MB)'}
for mine, theirs, refname, goal in plan:
    note = ''
    # Same work: the trees hold the same elements, the conversions give the same number of bytes.
    if not refname.startswith('expat') and ours[mine][1] != ref[theirs][1]:
        note = 'counts differ (Velmora %d, reference %d)' % (ours[mine][1], ref[theirs][1])
    print('\t'.join([labels[mine], '%.2f' % ours[mine][0], 'MB/s', refname, '%.2f' % ref[theirs][0], goal.replace('>=', '>= '), note]))
PY
)
if [ $rows_only = 1 ]; then
    echo "$rows"
else
    echo "$rows" | python3 "$root/bench/table.py"
    echo "best of $rounds rounds x $repeats passes; references native on this machine, in the same run"
fi
