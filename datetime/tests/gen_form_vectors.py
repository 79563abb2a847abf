#!/usr/bin/env python3
"""Writes date-form vectors from Python's calendar: one line per date with
year month day day-of-year week-of-month day-of-week(1=Sunday) week-of-year(Sunday weeks) julian-day.

Usage: gen_form_vectors.py OUTPUT
Week of year counts whole weeks from the first Sunday on or after 1 January (0 before it), the
week the programs use under an English (United States) locale.
"""
import datetime
import sys

JDN_OF_ORDINAL_0 = 1721425  # Julian Day Number of 0001-01-01 (proleptic Gregorian) is 1721426


def line(d):
    doy = d.timetuple().tm_yday
    week_of_month = (d.day - 1) // 7 + 1
    dow = (d.isoweekday() % 7) + 1
    jan1 = datetime.date(d.year, 1, 1)
    first_sunday = jan1 + datetime.timedelta(days=(6 - jan1.weekday()) % 7)
    diff = (d - first_sunday).days
    woy = 0 if diff < 0 else diff // 7 + 1
    jdn = d.toordinal() + JDN_OF_ORDINAL_0
    return "%d %d %d %d %d %d %d %d" % (d.year, d.month, d.day, doy, week_of_month, dow, woy, jdn)


def main():
    dates = set()
    for year in (1600, 1900, 1999, 2000, 2023, 2024, 2026, 2100):
        day = datetime.date(year, 1, 1)
        while day.year == year:
            if day.day in (1, 2, 3, 7, 8, 15, 22, 28, 29, 30, 31) or day.timetuple().tm_yday in (365, 366):
                dates.add(day)
            day += datetime.timedelta(days=1)
    with open(sys.argv[1], "w") as out:
        for d in sorted(dates):
            out.write(line(d) + "\n")


if __name__ == "__main__":
    main()
