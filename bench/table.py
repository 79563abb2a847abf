"""Prints benchmark rows as one table of ratios.

Each input line is tab-separated: measurement, our value, unit, reference name, reference value,
goal, note. The ratio is our value over the reference's; the unit says which way is better
("MB/s": higher; times, sizes and the rest: lower). A goal is ">= x" or "<= x" on the ratio, the
same followed by a unit ("<= 0.05 ms") on our value itself, or "-" (none).
"""
import sys

HIGHER_IS_BETTER = {'MB/s'}

rows = [line.rstrip('\n').split('\t') for line in sys.stdin if line.strip()]
header = ('measurement', 'Velmora', 'reference', 'ratio', 'goal', '')
table = []
notes = []
for name, ours, unit, refname, ref, goal, *rest in rows:
    ours, ref = float(ours), float(ref)
    ratio = ours / ref if ref > 0 else float('inf')
    verdict = ''
    parts = goal.split()
    if len(parts) >= 2 and parts[0] in ('<=', '>='):
        # A goal with a unit is on our value itself; without one, on the ratio.
        value = ours if len(parts) > 2 else ratio
        bound = float(parts[1])
        met = value <= bound if parts[0] == '<=' else value >= bound
        verdict = 'met' if met else 'NOT MET'
    if ours < 0 or ref < 0:
        verdict = 'NO RESULT'
    table.append((name, '%.4g %s' % (ours, unit), '%s %.4g %s' % (refname, ref, unit), '%.2f' % ratio, goal,
                  verdict))
    if rest and rest[0]:
        notes.append('%s: %s' % (name, rest[0]))
widths = [max(len(r[i]) for r in table + [header]) for i in range(len(header))]
for r in [header] + table:
    print('  '.join(c.ljust(w) for c, w in zip(r, widths)).rstrip())
for n in notes:
    print('note: ' + n)
