#!/usr/bin/env python3
"""Writes calendar vectors for the date tests, one line per year and calendar:

    G|J year jdn_of_1_January weekday_of_1_January(1 = Sunday) len_Jan ... len_Dec

Gregorian rows come from Python's proleptic Gregorian ordinals (years outside 1..9999 are
moved into range by whole 400-year cycles of 146097 days); Julian rows from plain Julian Day
arithmetic. The two are tied together at the 1582 reform."""
import datetime
import sys

FIRST_YEAR, LAST_YEAR = -4800, 9999
ORDINAL_TO_JDN = 1721425  # date(1, 1, 1).toordinal() == 1 is JDN 1721426


def gregorian_jdn(year, month):
    shift = 0
    while year + 400 * shift < 1:
        shift += 1
    while year + 400 * shift > 9999:
        shift -= 1
    ordinal = datetime.date(year + 400 * shift, month, 1).toordinal() - 146097 * shift
    return ordinal + ORDINAL_TO_JDN


def gregorian_weekday(year):
    shift = 0
    while year + 400 * shift < 1:
        shift += 1
    return datetime.date(year + 400 * shift, 1, 1).isoweekday() % 7 + 1


def julian_jdn(year, month, day=1):
    a = (14 - month) // 12
    y = year + 4800 - a
    m = month + 12 * a - 3
    return day + (153 * m + 2) // 5 + 365 * y + y // 4 - 32083


def rows(tag, jdn_of, weekday_of):
    for year in range(FIRST_YEAR, LAST_YEAR + 1):
        starts = [jdn_of(year, m) for m in range(1, 13)] + [jdn_of(year + 1, 1)]
        lengths = [starts[i + 1] - starts[i] for i in range(12)]
        yield "%s %d %d %d %s\n" % (tag, year, starts[0], weekday_of(year, starts[0]),
                                     " ".join(map(str, lengths)))


def main():
    # The reform: the day after Julian 1582-10-04 is Gregorian 1582-10-15, a Friday.
    assert julian_jdn(1582, 10, 4) + 1 == datetime.date(1582, 10, 15).toordinal() + ORDINAL_TO_JDN
    assert datetime.date(1582, 10, 15).isoweekday() == 5
    with open(sys.argv[1], "w") as out:
        out.writelines(rows("G", gregorian_jdn, lambda y, jdn: gregorian_weekday(y)))
        out.writelines(rows("J", julian_jdn, lambda y, jdn: (jdn + 1) % 7 + 1))


if __name__ == "__main__":
    main()
