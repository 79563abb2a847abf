#!/usr/bin/env python3
"""Reads the system's time-zone database and writes the zone table from which the build makes the
programs' time-zone file.

Usage: zone_table.py ZONEINFO_DIR OUTPUT_TABLE

Each zone's current rules come from the rule string at the end of its compiled file (the form of
the TZ variable: "CET-1CEST,M3.5.0,M10.5.0/3"), which already states daylight saving as the n-th
weekday of a month, the form the zone record holds. One zone per line, fields separated by tabs:

    display name, standard name, daylight name, bias, daylight bias,
    standard month, week, weekday, hour, minute, daylight month, week, weekday, hour, minute

Biases are minutes added to UTC (east positive); month 0 means no daylight saving.
"""
import os
import re
import sys

NAME_CHARS = 31  # a zone name field keeps one of its 32 units for the terminator
DISPLAY_CHARS = 62


class RuleError(ValueError):
    pass


def footer(data):
    """The rule string at the end of a compiled zone file (version 2 and later), or ''."""
    if not data.startswith(b"TZif") or data[4:5] < b"2" or not data.endswith(b"\n"):
        return ""
    start = data.rfind(b"\n", 0, len(data) - 1)
    return data[start + 1:-1].decode("ascii")


def _offset_minutes(text):
    """"[+-]hh[:mm[:ss]]" as minutes; the seconds are dropped."""
    m = re.fullmatch(r"([+-]?)(\d{1,3})(?::(\d{1,2}))?(?::(\d{1,2}))?", text)
    if not m:
        raise RuleError("bad time %r" % text)
    minutes = int(m.group(2)) * 60 + int(m.group(3) or 0)
    return -minutes if m.group(1) == "-" else minutes


_NAME = r"(<[^>]+>|[A-Za-z]{3,})"
_OFFSET = r"([+-]?\d{1,3}(?::\d{1,2}){0,2})"
_RULE = r"([^,/]+)(?:/([^,]+))?"


def parse_rule_string(text):
    """The parts of a rule string: standard name and offset east of UTC in minutes, and, with
    daylight saving, the daylight name and offset and the start and end rules as
    (month, week, weekday, minutes after midnight local time)."""
    m = re.fullmatch(_NAME + _OFFSET + "(?:" + _NAME + _OFFSET + "?" + "(?:," + _RULE + "," + _RULE + ")?)?", text)
    if not m:
        raise RuleError("bad rule string %r" % text)
    std_name, std_offset, dst_name, dst_offset = m.group(1), m.group(2), m.group(3), m.group(4)
    out = {"std_name": std_name.strip("<>"), "std_east": -_offset_minutes(std_offset)}
    if dst_name is None:
        return out
    out["dst_name"] = dst_name.strip("<>")
    out["dst_east"] = -_offset_minutes(dst_offset) if dst_offset else out["std_east"] + 60
    if m.group(5) is None:
        # No rules given: the POSIX default is the US rule of 2007.
        out["start"], out["end"] = (3, 2, 0, 120), (11, 1, 0, 120)
    else:
        out["start"] = _transition(m.group(5), m.group(6))
        out["end"] = _transition(m.group(7), m.group(8))
    return out


def _transition(date, time):
    m = re.fullmatch(r"M(\d{1,2})\.(\d)\.(\d)", date)
    if not m:
        # Julian days name a day of the year, not a weekday of a month: the record cannot hold them.
        raise RuleError("rule %r is not a weekday of a month" % date)
    month, week, weekday = int(m.group(1)), int(m.group(2)), int(m.group(3))
    if not (1 <= month <= 12 and 1 <= week <= 5 and 0 <= weekday <= 6):
        raise RuleError("rule %r out of range" % date)
    return month, week, weekday, _offset_minutes(time) if time else 120


def record_rule(rule):
    """A transition as the record holds it: (month, week, weekday, hour, minute). A time outside
    the day (some zones change at 24:00 or later, or before midnight) moves the weekday by whole
    days; the week stays, which is the nearest rule the record can state."""
    month, week, weekday, minutes = rule
    days, minutes = divmod(minutes, 24 * 60)
    return month, week, (weekday + days) % 7, minutes // 60, minutes % 60


def _zone_name(abbreviation, east):
    if re.fullmatch(r"[A-Za-z]+", abbreviation):
        return abbreviation[:NAME_CHARS]
    return "GMT" + gmt_offset(east)


def gmt_offset(east):
    sign = "-" if east < 0 else "+"
    return "%s%02d:%02d" % (sign, abs(east) // 60, abs(east) % 60)


def zone_row(city, rule_string):
    """The table row of one zone from its rule string. A zone whose daylight time is behind its
    standard time (winter time as the "daylight" one) is turned round, so that the record's
    daylight bias is positive and the display name carries the usual winter offset. Both changes
    are stated in standard local time."""
    parts = parse_rule_string(rule_string)
    std_east, std_abbr = parts["std_east"], parts["std_name"]
    if "dst_name" not in parts:
        display = "(GMT%s) %s" % (gmt_offset(std_east), city)
        name = _zone_name(std_abbr, std_east)
        return [display[:DISPLAY_CHARS], name, name, std_east, 0] + [0, 1, 0, 0, 0] + [0, 1, 0, 0, 0]
    dst_east, dst_abbr = parts["dst_east"], parts["dst_name"]
    start, end = parts["start"], parts["end"]
    if dst_east < std_east:
        std_east, dst_east = dst_east, std_east
        std_abbr, dst_abbr = dst_abbr, std_abbr
        start, end = end, start
    # The database gives each change in the local time that runs up to it, so its end of daylight
    # saving is in daylight time; the programs compare both changes with standard local time.
    month, week, weekday, minutes = end
    end = month, week, weekday, minutes - (dst_east - std_east)
    display = "(GMT%s) %s" % (gmt_offset(std_east), city)
    return ([display[:DISPLAY_CHARS], _zone_name(std_abbr, std_east), _zone_name(dst_abbr, dst_east), std_east,
             dst_east - std_east] + list(record_rule(end)) + list(record_rule(start)))


def city_of(zone_id):
    return zone_id.rsplit("/", 1)[-1].replace("_", " ")


def zone_ids(zoneinfo):
    """The zones of the database's country table, and UTC."""
    ids = []
    with open(os.path.join(zoneinfo, "zone.tab"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            ids.append(line.split("\t")[2].strip())
    return sorted(set(ids)) + ["Etc/UTC"]


def build_table(zoneinfo):
    """The rows for every zone that has a rule string the record can hold, sorted by offset and
    name; the ids of the zones left out."""
    rows, skipped = [], []
    cities = {}
    for zone_id in zone_ids(zoneinfo):
        cities.setdefault(city_of(zone_id), []).append(zone_id)
    for zone_id in zone_ids(zoneinfo):
        city = city_of(zone_id)
        if len(cities[city]) > 1:
            # The same city name in two regions: the region tells them apart.
            city = "%s (%s)" % (city, zone_id.split("/")[0])
        with open(os.path.join(zoneinfo, zone_id), "rb") as f:
            rule_string = footer(f.read())
        try:
            rows.append(zone_row(city, rule_string))
        except RuleError:
            skipped.append(zone_id)
    rows.sort(key=lambda r: (r[3], r[0]))
    return rows, skipped


def write_table(rows, path):
    with open(path, "w", encoding="ascii", newline="\n") as f:
        for row in rows:
            f.write("\t".join(str(v) for v in row) + "\n")


def main():
    zoneinfo, out = sys.argv[1], sys.argv[2]
    rows, skipped = build_table(zoneinfo)
    if not rows:
        sys.exit("zone_table: no zones found in %s" % zoneinfo)
    write_table(rows, out)
    if skipped:
        print("zone_table: left out %d zones without a weekday rule: %s" % (len(skipped), " ".join(skipped)))


if __name__ == "__main__":
    main()
