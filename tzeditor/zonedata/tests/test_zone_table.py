"""The zone table's rule extraction: rule strings as the database writes them, turned into the
record's n-th-weekday rules, checked against hand-worked rows and against Python's own reading of
the same database over two whole years."""

import calendar
import datetime
import os
import struct
import sys
import unittest
import zoneinfo

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import zone_table as zt  # noqa: E402

ZONEINFO = os.environ.get("VELMORA_ZONEINFO", "/usr/share/zoneinfo")


def tzif(version, footer):
    """A compiled zone file with no transitions: both headers with zero counts but one type."""
    def block(v):
        header = b"TZif" + v + b"\0" * 15 + struct.pack(">6l", 0, 0, 0, 0, 1, 4)
        return header + struct.pack(">lBB", 0, 0, 0) + b"UTC\0"
    if version == b"\0":
        return block(version)
    return block(version) + block(version) + b"\n" + footer.encode() + b"\n"


def nth_weekday(year, month, week, weekday):
    """The day of the week-th (5 = last) weekday (0 = Sunday) of the month."""
    days = [d for d in range(1, calendar.monthrange(year, month)[1] + 1)
            if (calendar.weekday(year, month, d) + 1) % 7 == weekday]
    return days[-1] if week >= len(days) else days[week - 1]


def rule_moment(rule, year):
    month, week, weekday, hour, minute = rule
    return datetime.datetime(year, month, nth_weekday(year, month, week, weekday), hour, minute)


def row_offset(row, utc):
    """The offset east of UTC that a table row gives at a moment, read as the programs read the
    record: both changes compared with standard local time, in the year of that time."""
    bias, dst_bias = row[3], row[4]
    std, dst = row[5:10], row[10:15]
    if dst[0] == 0:
        return bias
    local = utc + datetime.timedelta(minutes=bias)
    start, end = rule_moment(dst, local.year), rule_moment(std, local.year)
    daylight = start <= local < end if start < end else not end <= local < start
    return bias + dst_bias if daylight else bias


def moved_a_day(rule_string):
    """Whether a change of the rule string, once in standard local time, falls outside its day, so
    that the record can only name the nearest weekday."""
    parts = zt.parse_rule_string(rule_string)
    if "dst_name" not in parts:
        return False
    shift = abs(parts["dst_east"] - parts["std_east"])
    if parts["dst_east"] < parts["std_east"]:
        times = (parts["end"][3], parts["start"][3] - shift)
    else:
        times = (parts["start"][3], parts["end"][3] - shift)
    return any(not 0 <= t < 24 * 60 for t in times)


class RuleStrings(unittest.TestCase):
    def test_parts(self):
        cases = [
            ("CET-1CEST,M3.5.0,M10.5.0/3",
             {"std_name": "CET", "std_east": 60, "dst_name": "CEST", "dst_east": 120,
              "start": (3, 5, 0, 120), "end": (10, 5, 0, 180)}),
            ("<+0545>-5:45", {"std_name": "+0545", "std_east": 345}),
            ("<+1030>-10:30<+11>-11,M10.1.0,M4.1.0",
             {"std_name": "+1030", "std_east": 630, "dst_name": "+11", "dst_east": 660,
              "start": (10, 1, 0, 120), "end": (4, 1, 0, 120)}),
            # A daylight name without an offset is an hour ahead; without rules the US rule holds.
            ("EST5EDT", {"std_name": "EST", "std_east": -300, "dst_name": "EDT", "dst_east": -240,
                         "start": (3, 2, 0, 120), "end": (11, 1, 0, 120)}),
            ("<-02>2<-01>,M3.5.0/-1,M10.5.0/0",
             {"std_name": "-02", "std_east": -120, "dst_name": "-01", "dst_east": -60,
              "start": (3, 5, 0, -60), "end": (10, 5, 0, 0)}),
        ]
        for text, expected in cases:
            with self.subTest(text=text):
                self.assertEqual(zt.parse_rule_string(text), expected)

    def test_refused(self):
        for text in ("", "CET", "CET-1CEST,J60,J300", "CET-1CEST,M13.1.0,M10.5.0", "CET-1CEST,M3.6.0,M10.5.0",
                     "X-1", "CET-1CEST,M3.5.0"):
            with self.subTest(text=text):
                self.assertRaises(zt.RuleError, zt.parse_rule_string, text)

    def test_times_outside_the_day_move_the_weekday(self):
        cases = [
            ((3, 5, 0, 120), (3, 5, 0, 2, 0)),
            ((3, 5, 0, -60), (3, 5, 6, 23, 0)),    # last Sunday at -1:00: Saturday 23:00
            ((3, 4, 4, 26 * 60), (3, 4, 5, 2, 0)),  # fourth Thursday at 26:00: Friday 02:00
            ((9, 1, 6, 24 * 60), (9, 1, 0, 0, 0)),  # first Saturday at 24:00: Sunday midnight
            ((10, 5, 0, 150), (10, 5, 0, 2, 30)),
        ]
        for rule, expected in cases:
            with self.subTest(rule=rule):
                self.assertEqual(zt.record_rule(rule), expected)


class Rows(unittest.TestCase):
    def test_rows(self):
        cases = [
            ("Berlin", "CET-1CEST,M3.5.0,M10.5.0/3",
             ["(GMT+01:00) Berlin", "CET", "CEST", 60, 60, 10, 5, 0, 2, 0, 3, 5, 0, 2, 0]),
            ("Kolkata", "IST-5:30", ["(GMT+05:30) Kolkata", "IST", "IST", 330, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0]),
            ("St Johns", "NST3:30NDT,M3.2.0,M11.1.0",
             ["(GMT-03:30) St Johns", "NST", "NDT", -210, 60, 11, 1, 0, 1, 0, 3, 2, 0, 2, 0]),
            # Numbers for names: the offset stands in.
            ("Kathmandu", "<+0545>-5:45",
             ["(GMT+05:45) Kathmandu", "GMT+05:45", "GMT+05:45", 345, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0]),
            # Winter time as the "daylight" time: turned round, so that summer is the daylight time.
            ("Dublin", "IST-1GMT0,M10.5.0,M3.5.0/1",
             ["(GMT+00:00) Dublin", "GMT", "IST", 0, 60, 10, 5, 0, 1, 0, 3, 5, 0, 1, 0]),
            # The end in daylight time at midnight: an hour earlier in standard time is the day before.
            ("Beirut", "EET-2EEST,M3.5.0/0,M10.5.0/0",
             ["(GMT+02:00) Beirut", "EET", "EEST", 120, 60, 10, 5, 6, 23, 0, 3, 5, 0, 0, 0]),
            # Half an hour of daylight saving: the end moves back by half an hour.
            ("Lord Howe", "<+1030>-10:30<+11>-11,M10.1.0,M4.1.0",
             ["(GMT+10:30) Lord Howe", "GMT+10:30", "GMT+11:00", 630, 30, 4, 1, 0, 1, 30, 10, 1, 0, 2, 0]),
        ]
        for city, text, expected in cases:
            with self.subTest(city=city):
                self.assertEqual(zt.zone_row(city, text), expected)

    def test_footer(self):
        self.assertEqual(zt.footer(tzif(b"2", "CET-1CEST,M3.5.0,M10.5.0/3")), "CET-1CEST,M3.5.0,M10.5.0/3")
        self.assertEqual(zt.footer(tzif(b"3", "")), "")
        self.assertEqual(zt.footer(tzif(b"\0", "")), "")
        self.assertEqual(zt.footer(b"not a zone file\nCET-1\n"), "")


def changes(offset_at, year):
    """Every change of offset in a year of UTC as (moment, offset after it), found day by day and
    then to the minute."""
    found = []
    day = datetime.datetime(year, 1, 1)
    before = offset_at(day)
    while day.year == year:
        after = offset_at(day + datetime.timedelta(days=1))
        if after != before:
            lo, hi = 0, 24 * 60  # offset_at(day + lo) == before, offset_at(day + hi) == after
            while hi - lo > 1:
                mid = (lo + hi) // 2
                if offset_at(day + datetime.timedelta(minutes=mid)) == before:
                    lo = mid
                else:
                    hi = mid
            found.append((day + datetime.timedelta(minutes=hi), after))
        before = after
        day += datetime.timedelta(days=1)
    return found


def database_offset(tz):
    utc = datetime.timezone.utc
    return lambda t: t.replace(tzinfo=utc).astimezone(tz).utcoffset() // datetime.timedelta(minutes=1)


@unittest.skipUnless(os.path.exists(os.path.join(ZONEINFO, "zone.tab")), "no time-zone database")
class AgainstTheDatabase(unittest.TestCase):
    """Python's zoneinfo reads the same files its own way: every zone of the table changes when it
    does, to the minute, in each of ten years."""

    YEARS = range(2026, 2036)
    # Their changes follow the lunar calendar, listed one by one in the database: the yearly rule
    # at the end of the file, which is what the table keeps, has none.
    NO_YEARLY_RULE = {"Africa/Casablanca", "Africa/El_Aaiun"}

    @classmethod
    def setUpClass(cls):
        rows, cls.skipped = zt.build_table(ZONEINFO)
        cls.rows = {r[0]: r for r in rows}
        cls.rule_strings = {}
        for zone_id in zt.zone_ids(ZONEINFO):
            with open(os.path.join(ZONEINFO, zone_id), "rb") as f:
                cls.rule_strings[zone_id] = zt.footer(f.read())

    def row_of(self, zone_id):
        found = [r for name, r in self.rows.items()
                 if name.endswith(") " + zt.city_of(zone_id)) or name.endswith(") %s (%s)" % (
                     zt.city_of(zone_id), zone_id.split("/")[0]))]
        self.assertEqual(len(found), 1, zone_id)
        return found[0]

    def test_change_back_north_and_south(self):
        """A minute either side of both changes, in zones north and south of the equator."""
        cases = [
            # Anchorage: daylight time ends at 02:00 daylight time, 10:00 UTC.
            ("America/Anchorage", datetime.datetime(2026, 11, 1, 10, 0), -480, -540),
            ("America/Anchorage", datetime.datetime(2027, 3, 14, 11, 0), -540, -480),
            ("Europe/Berlin", datetime.datetime(2027, 10, 31, 1, 0), 120, 60),
            ("Europe/Berlin", datetime.datetime(2027, 3, 28, 1, 0), 60, 120),
            # Sydney: daylight time ends in April at 03:00 daylight time, 16:00 UTC the day before.
            ("Australia/Sydney", datetime.datetime(2027, 4, 3, 16, 0), 660, 600),
            ("Australia/Sydney", datetime.datetime(2027, 10, 2, 16, 0), 600, 660),
            ("America/Santiago", datetime.datetime(2027, 4, 4, 3, 0), -180, -240),
            ("Pacific/Auckland", datetime.datetime(2027, 4, 3, 14, 0), 780, 720),
            # Half an hour of daylight saving ends half an hour after the standard time's 01:30.
            ("Australia/Lord_Howe", datetime.datetime(2027, 4, 3, 15, 0), 660, 630),
        ]
        for zone_id, moment, before, after in cases:
            with self.subTest(zone=zone_id, moment=moment):
                row, tz = self.row_of(zone_id), database_offset(zoneinfo.ZoneInfo(zone_id))
                minute = datetime.timedelta(minutes=1)
                self.assertEqual((tz(moment - minute), tz(moment)), (before, after), "the database agrees")
                self.assertEqual((row_offset(row, moment - minute), row_offset(row, moment)), (before, after))

    def test_every_zone_changes_when_the_database_does(self):
        for zone_id, rule_string in self.rule_strings.items():
            if zone_id in self.NO_YEARLY_RULE:
                continue
            row, tz = self.row_of(zone_id), database_offset(zoneinfo.ZoneInfo(zone_id))
            exact = 0
            for year in self.YEARS:
                expected = changes(tz, year)
                got = changes(lambda t: row_offset(row, t), year)
                with self.subTest(zone=zone_id, year=year):
                    self.assertEqual([o for _, o in got], [o for _, o in expected])
                    if got == expected:
                        exact += 1
                    else:
                        # A change that falls outside its day can only be named by the nearest
                        # weekday: in some years that is a week away, never another time of day.
                        self.assertTrue(moved_a_day(rule_string), (got, expected))
                        for (t1, _), (t2, _) in zip(got, expected):
                            self.assertEqual((t1 - t2) % datetime.timedelta(days=7), datetime.timedelta(0))
            with self.subTest(zone=zone_id):
                self.assertGreaterEqual(exact, len(self.YEARS) // 2)

    def test_whole_table(self):
        names = list(self.rows)
        self.assertGreater(len(names), 300)
        self.assertEqual(self.skipped, [])
        for name, row in self.rows.items():
            self.assertRegex(name, r"^\(GMT[+-]\d\d:\d\d\) \S")
            self.assertLessEqual(len(name), zt.DISPLAY_CHARS)
            self.assertTrue(0 < len(row[1]) <= zt.NAME_CHARS and 0 < len(row[2]) <= zt.NAME_CHARS, name)
            self.assertEqual(row[5] == 0, row[10] == 0, name)
            self.assertTrue(row[4] >= 0, name)


if __name__ == "__main__":
    unittest.main()
