"""Prints benchmark rows as one table of ratios.

Each input line is tab-separated: measurement, our value, unit, reference name, reference value,
goal, note. The ratio is our value over the reference's; the unit says which way is better
("MB/s": higher, "ms" and "KB": lower). A goal is ">= x", "<= x" or "-" (none yet).
"""
import sys

rows = [line.rstrip('\n').split('\t') for line in sys.stdin if line.strip()]
header = ('measurement', 'Velmora', 'reference', 'ratio', 'goal', '')
table = []
notes = []
for name, ours, unit, refname, ref, goal, *rest in rows:
    ours, ref = float(ours), float(ref)
    ratio = ours / ref if ref > 0 else float('inf')
    verdict = ''
    if goal.startswith('>='):
        verdict = 'met' if ratio >= float(goal[2:]) else 'NOT MET'
    elif goal.startswith('<='):
        verdict = 'met' if ratio <= float(goal[2:]) else 'NOT MET'
    table.append((name, '%.2f %s' % (ours, unit), '%s %.2f %s' % (refname, ref, unit), '%.2f' % ratio,
                  goal, verdict))
    if rest and rest[0]:
        notes.append('%s: %s' % (name, rest[0]))
widths = [max(len(r[i]) for r in table + [header]) for i in range(len(header))]
for r in [header] + table:
    print('  '.join(c.ljust(w) for c, w in zip(r, widths)).rstrip())
for n in notes:
    print('note: ' + n)
