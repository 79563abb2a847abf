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


def row_offset(row, utc):
    """The offset east of UTC that a table row gives at a moment, read as the record's rules are
    meant: the daylight start in standard local time, the standard start in daylight local time."""
    bias, dst_bias = row[3], row[4]
    std, dst = row[5:10], row[10:15]
    if dst[0] == 0:
        return bias
    local_std = utc + datetime.timedelta(minutes=bias)
    local_dst = local_std + datetime.timedelta(minutes=dst_bias)

    def moment(rule, year):
        month, week, weekday, hour, minute = rule
        return datetime.datetime(year, month, nth_weekday(year, month, week, weekday), hour, minute)
    starts = local_std >= moment(dst, local_std.year)
    ends = local_dst >= moment(std, local_dst.year)
    if moment(dst, local_std.year) < moment(std, local_std.year):
        daylight = starts and not ends
    else:
        daylight = starts or not ends
    return bias + dst_bias if daylight else bias


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
             ["(GMT+01:00) Berlin", "CET", "CEST", 60, 60, 10, 5, 0, 3, 0, 3, 5, 0, 2, 0]),
            ("Kolkata", "IST-5:30", ["(GMT+05:30) Kolkata", "IST", "IST", 330, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0]),
            ("St Johns", "NST3:30NDT,M3.2.0,M11.1.0",
             ["(GMT-03:30) St Johns", "NST", "NDT", -210, 60, 11, 1, 0, 2, 0, 3, 2, 0, 2, 0]),
            # Numbers for names: the offset stands in.
            ("Kathmandu", "<+0545>-5:45",
             ["(GMT+05:45) Kathmandu", "GMT+05:45", "GMT+05:45", 345, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0]),
            # Winter time as the "daylight" time: turned round, so that summer is the daylight time.
            ("Dublin", "IST-1GMT0,M10.5.0,M3.5.0/1",
             ["(GMT+00:00) Dublin", "GMT", "IST", 0, 60, 10, 5, 0, 2, 0, 3, 5, 0, 1, 0]),
        ]
        for city, text, expected in cases:
            with self.subTest(city=city):
                self.assertEqual(zt.zone_row(city, text), expected)

    def test_footer(self):
        self.assertEqual(zt.footer(tzif(b"2", "CET-1CEST,M3.5.0,M10.5.0/3")), "CET-1CEST,M3.5.0,M10.5.0/3")
        self.assertEqual(zt.footer(tzif(b"3", "")), "")
        self.assertEqual(zt.footer(tzif(b"\0", "")), "")
        self.assertEqual(zt.footer(b"not a zone file\nCET-1\n"), "")


@unittest.skipUnless(os.path.exists(os.path.join(ZONEINFO, "zone.tab")), "no time-zone database")
class AgainstTheDatabase(unittest.TestCase):
    """Python's zoneinfo reads the same files its own way: the rows must give its offsets at noon of
    every day and a minute either side of every change, in 2026 and 2027."""

    # Zones whose rules change exactly at a weekday of a month, north and south, with half-hour
    # offsets, a half-hour daylight shift and winter time as the database's daylight time.
    ZONES = ["Europe/Berlin", "America/New_York", "Australia/Sydney", "Europe/Dublin", "Europe/London",
             "Pacific/Auckland", "Asia/Tokyo", "Asia/Kolkata", "Australia/Adelaide", "Australia/Lord_Howe",
             "America/St_Johns", "America/Havana", "Asia/Jerusalem", "America/Nuuk"]

    @classmethod
    def setUpClass(cls):
        rows, cls.skipped = zt.build_table(ZONEINFO)
        cls.rows = {r[0]: r for r in rows}

    def row_of(self, zone_id):
        found = [r for name, r in self.rows.items() if name.endswith(") " + zt.city_of(zone_id))]
        self.assertEqual(len(found), 1, zone_id)
        return found[0]

    def test_offsets(self):
        utc = datetime.timezone.utc
        for zone_id in self.ZONES:
            with self.subTest(zone=zone_id):
                row, tz = self.row_of(zone_id), zoneinfo.ZoneInfo(zone_id)
                moments = []
                prev = None
                t = datetime.datetime(2026, 1, 1, tzinfo=utc)
                while t.year < 2028:
                    off = t.astimezone(tz).utcoffset()
                    if prev is not None and off != prev:
                        moments += [t - datetime.timedelta(minutes=31), t + datetime.timedelta(minutes=1)]
                    prev = off
                    moments.append(t.replace(hour=12))
                    t += datetime.timedelta(minutes=30)
                for m in moments:
                    expected = m.astimezone(tz).utcoffset() // datetime.timedelta(minutes=1)
                    got = row_offset(row, m.replace(tzinfo=None))
                    self.assertEqual(got, expected, "%s at %s UTC" % (zone_id, m))

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
