"""Prints benchmark rows as one table of ratios, one column per build.

Usage: table.py LABEL=FILE [LABEL=FILE ...]   (one build's rows per file, the column headed LABEL)
       table.py < rows                         (one build, the column headed "Velmora")

Each input line is tab-separated: measurement, our value, unit, reference name, reference value,
goal, note. The ratio is our value over the reference's; the unit says which way is better
("MB/s": higher; times, sizes and the rest: lower). A goal is ">= x" or "<= x" on the ratio, the
same followed by a unit ("<= 0.05 ms") on our value itself, or "-" (none). A measurement one build
did not print shows as "-" in its column.
"""
import sys

HIGHER_IS_BETTER = {'MB/s'}


def read_rows(lines):
    rows = []
    for line in lines:
        if not line.strip():
            continue
        fields = line.rstrip('\n').split('\t')
        fields += [''] * (7 - len(fields))
        try:
            float(fields[1]), float(fields[4])
        except ValueError:
            print('table: not a row, left out: ' + line.strip(), file=sys.stderr)
            continue
        rows.append(fields[:7])
    return rows


def verdict(ours, ref, goal):
    ratio = ours / ref if ref > 0 else float('inf')
    result = ''
    parts = goal.split()
    if len(parts) >= 2 and parts[0] in ('<=', '>='):
        # A goal with a unit is on our value itself; without one, on the ratio.
        value = ours if len(parts) > 2 else ratio
        bound = float(parts[1])
        met = value <= bound if parts[0] == '<=' else value >= bound
        result = 'met' if met else 'NOT MET'
    if ours < 0 or ref < 0:
        result = 'NO RESULT'
    return ratio, result


def cell(fields):
    name, ours, unit, refname, ref, goal, note = fields
    ours, ref = float(ours), float(ref)
    ratio, result = verdict(ours, ref, goal)
    text = '%.2f %s' % (ratio, result) if result else '%.2f' % ratio
    return '%s (%.4g / %.4g %s)' % (text.strip(), ours, ref, unit)


def main(argv):
    builds = []
    if len(argv) > 1:
        for arg in argv[1:]:
            label, _, path = arg.partition('=')
            with open(path, encoding='utf-8') as f:
                builds.append((label, read_rows(f)))
    else:
        builds.append(('Velmora', read_rows(sys.stdin)))

    # Rows in the order they first appear; the reference and the goal from the first build that has
    # the row.
    order = []
    first = {}
    by_build = []
    for label, rows in builds:
        mine = {}
        for fields in rows:
            # A measurement may stand against more than one reference: the pair names the row.
            key = (fields[0], fields[3])
            if key not in first:
                first[key] = fields
                order.append(key)
            mine[key] = fields
        by_build.append(mine)

    header = ['measurement', 'reference', 'goal'] + [label + ': ratio (Velmora / reference)'
                                                     for label, _ in builds]
    table = []
    notes = []
    seen = set()
    for key in order:
        name = key[0]
        row = [name, first[key][3], first[key][5]]
        for (label, _), mine in zip(builds, by_build):
            fields = mine.get(key)
            row.append(cell(fields) if fields else '-')
            if fields and fields[6] and (key, fields[6]) not in seen:
                seen.add((key, fields[6]))
                # A note every build gives alike is said once.
                alike = all(m.get(key, fields)[6] == fields[6] for m in by_build)
                notes.append('%s%s: %s' % (label + ', ' if len(builds) > 1 and not alike else '', name,
                                           fields[6]))
        table.append(row)
    widths = [max(len(r[i]) for r in table + [header]) for i in range(len(header))]
    for r in [header] + table:
        print('  '.join(c.ljust(w) for c, w in zip(r, widths)).rstrip())
    for n in notes:
        print('note: ' + n)


main(sys.argv)
