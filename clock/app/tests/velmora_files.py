"""Builds the desktop clock's data files byte by byte from their documented layouts, for the
end-to-end tests: the time-zone file "VelmoraTZ" and the clocks-and-alarms file "Velmora2Dat"."""

import datetime
import struct


def cstring(text):
    """A string in the framework's archive form: a length byte below 255, else 0xFF and a 16-bit
    length; then the characters."""
    data = text.encode("latin-1")
    if len(data) < 255:
        return bytes([len(data)]) + data
    assert len(data) < 0xFFFE
    return b"\xff" + struct.pack("<H", len(data)) + data


def utf16_name(text):
    raw = text.encode("utf-16-le")[:62]
    return raw + b"\0" * (64 - len(raw))


def systemtime_rule(month=0, week=0, weekday=0, hour=0, minute=0):
    return dict(wYear=0, wMonth=month, wDayOfWeek=weekday, wDay=week, wHour=hour, wMinute=minute,
                wSecond=0, wMilliseconds=0)


class Zone:
    """A zone as the programs hold it in memory: biases are minutes to add to UTC (east positive)."""

    def __init__(self, name, bias, std_name, dst_name="", std_bias=0, dst_bias=0, std_date=None, dst_date=None):
        self.name = name
        self.bias = bias
        self.std_name = std_name
        self.dst_name = dst_name or std_name
        self.std_bias = std_bias
        self.dst_bias = dst_bias
        self.std_date = std_date or systemtime_rule()
        self.dst_date = dst_date or systemtime_rule()

    def tz_record(self):
        """The 172-byte record of the time-zone file."""
        s, d = self.std_date, self.dst_date
        rec = struct.pack("<i", -self.bias) + utf16_name(self.std_name)
        rec += struct.pack("<8H", s["wYear"], s["wDayOfWeek"], 2, s["wDay"], s["wHour"], s["wMinute"],
                           s["wMonth"], s["wMilliseconds"])
        rec += struct.pack("<i", self.std_bias) + utf16_name(self.dst_name)
        rec += struct.pack("<8H", d["wYear"], 0, d["wDayOfWeek"], d["wDay"], d["wHour"], d["wMinute"],
                           d["wDay"], d["wMonth"])
        rec += struct.pack("<i", -self.dst_bias)
        assert len(rec) == 172
        return rec

    def tzi(self):
        """The 172-byte TIME_ZONE_INFORMATION as a clock keeps it in memory and in its record."""
        def st(r):
            return struct.pack("<8H", r["wYear"], r["wMonth"], r["wDayOfWeek"], r["wDay"], r["wHour"],
                               r["wMinute"], r["wSecond"], r["wMilliseconds"])
        out = struct.pack("<i", self.bias) + utf16_name(self.std_name) + st(self.std_date)
        out += struct.pack("<i", self.std_bias) + utf16_name(self.dst_name) + st(self.dst_date)
        out += struct.pack("<i", self.dst_bias)
        assert len(out) == 172
        return out


def tz_file(zones):
    out = struct.pack("<i", len(zones))
    for i, z in enumerate(zones):
        if i == 0:
            out += struct.pack("<HHH", 0xFFFF, 1, 13) + b"CTimeZoneInfo"
        else:
            out += struct.pack("<H", 0x8001)
        out += cstring(z.name) + z.tz_record()
    return out


def read_tz_file(data):
    """Reads a time-zone file back into Zone objects (the reverse of tz_file)."""
    (count,) = struct.unpack_from("<i", data, 0)
    pos = 4
    zones = []
    for i in range(count):
        (tag,) = struct.unpack_from("<H", data, pos)
        pos += 2
        if tag == 0xFFFF:
            schema, n = struct.unpack_from("<HH", data, pos)
            pos += 4 + n
        n = data[pos]
        name = data[pos + 1:pos + 1 + n].decode("latin-1")
        pos += 1 + n
        rec = data[pos:pos + 172]
        pos += 172
        (neg_bias,) = struct.unpack_from("<i", rec, 0)
        std_name = rec[4:68].decode("utf-16-le").split("\0")[0]
        sy, sdow, _, sday, sh, sm, smon, sms = struct.unpack_from("<8H", rec, 68)
        (std_bias,) = struct.unpack_from("<i", rec, 84)
        dst_name = rec[88:152].decode("utf-16-le").split("\0")[0]
        dy, _, ddow, _, dh, dm, dday, dmon = struct.unpack_from("<8H", rec, 152)
        (neg_dst,) = struct.unpack_from("<i", rec, 168)
        zones.append(Zone(name, -neg_bias, std_name, dst_name, std_bias, -neg_dst,
                          dict(wYear=sy, wMonth=smon, wDayOfWeek=sdow, wDay=sday, wHour=sh, wMinute=sm,
                               wSecond=0, wMilliseconds=sms),
                          dict(wYear=dy, wMonth=dmon, wDayOfWeek=ddow, wDay=dday, wHour=dh, wMinute=dm,
                               wSecond=0, wMilliseconds=0)))
    return zones


def arial_logfont(height=-12):
    """A LOGFONTA of 60 bytes for an Arial font of the given height."""
    face = b"Arial" + b"\0" * 27
    return struct.pack("<5i8B", height, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0) + face


def ole_time(days, status=0):
    return struct.pack("<id", status, days)


def clock_record(zone, background=0x5EFF5E, text=0, clock_type=0, template="HH:mm:ss|ddd, d MMM yyyy|z",
                 timer_name="Countdown...", interval_days=0.0, state=0, format_type=0):
    """One clock's Serialize output in schema 6; format type 1 shows the template instead of the
    standard format."""
    out = cstring("|MMM dd, yyyy") + cstring("HH:mm:ss|MMM dd, yyyy|z")
    out += struct.pack("<II", background, text)
    out += arial_logfont() + zone.tzi()
    out += cstring(zone.name)
    out += struct.pack("<3I", 1, 0, 1)                       # date, day of week, seconds
    out += struct.pack("<I", 1)                              # 24-hour clock
    out += struct.pack("<i", clock_type) + ole_time(45000.0) + ole_time(interval_days)
    out += cstring(timer_name) + struct.pack("<I", 1) + cstring("Timer Completed")
    out += struct.pack("<I", 0) + cstring("") + struct.pack("<i", state) + ole_time(interval_days)
    out += struct.pack("<ii", format_type, 1) + cstring(template)
    out += struct.pack("<I", 1 | 2)                          # show bias, reset-and-stop
    out += struct.pack("<I", 0)                              # message to speak
    return out


def data_file(records, next_alarm_id=0, alarms=(), alarm_schema=5):
    """The clocks-and-alarms file: version 1, the clocks, the next alarm id, the alarms (bodies
    from alarm_record). Classes and objects share one index in the archive: the clock class is 1,
    the clocks 2 to n + 1, so the alarm class is n + 2 (1 without clocks)."""
    out = struct.pack("<ii", 1, len(records))
    for i, rec in enumerate(records):
        if i == 0:
            out += struct.pack("<HHH", 0xFFFF, 6, 6) + b"CClock"
        else:
            out += struct.pack("<H", 0x8001)
        out += rec
    out += struct.pack("<ii", next_alarm_id, len(alarms))
    alarm_class = 0x8000 | (len(records) + 2 if records else 1)
    for i, rec in enumerate(alarms):
        if i == 0:
            out += struct.pack("<HHH", 0xFFFF, alarm_schema, 7) + b"CAlarms"
        else:
            out += struct.pack("<H", alarm_class)
        out += rec
    return out


OLE_EPOCH = datetime.datetime(1899, 12, 30)


def ole_days(when):
    """A local date-time as days since 1899-12-30 with the time of day as the fraction."""
    return (when - OLE_EPOCH).total_seconds() / 86400.0


def ole_to_datetime(days):
    return OLE_EPOCH + datetime.timedelta(seconds=round(days * 86400))


ALARM_DEFAULTS = dict(created=1000000000, id=0, state=3, name="Unnamed Alarm", activation=0.0, enabled=1,
                      repeat=0, remove=0, display=1, message="Hello there....", play_sound=0,
                      sound="Default Beep", run_app=0, command="", minimised=0, interval=0.0,
                      interval_status=0, cd=0, track=1, shut_down=0, kind=1, force=0, speak=0)


def alarm_record(schema=5, **fields):
    """One alarm's Serialize output: the enabled word comes before the repeat word."""
    f = dict(ALARM_DEFAULTS, **fields)
    out = struct.pack("<iii", f["created"], f["id"], f["state"]) + cstring(f["name"]) + ole_time(f["activation"])
    out += struct.pack("<4i", f["enabled"], f["repeat"], f["remove"], f["display"]) + cstring(f["message"])
    out += struct.pack("<i", f["play_sound"]) + cstring(f["sound"]) + struct.pack("<i", f["run_app"])
    out += cstring(f["command"]) + struct.pack("<i", f["minimised"]) + ole_time(f["interval"], f["interval_status"])
    if schema >= 4:
        out += struct.pack("<5i", f["cd"], f["track"], f["shut_down"], f["kind"], f["force"])
    if schema >= 5:
        out += struct.pack("<i", f["speak"])
    return out


def read_alarms(data, clocks_part):
    """(next alarm id, [alarm dicts]) of a clocks-and-alarms file whose clocks are clocks_part (the
    bytes from the start up to the next alarm id)."""
    assert data.startswith(clocks_part), "the clocks are not as written"
    pos = len(clocks_part)
    next_id, count = struct.unpack_from("<ii", data, pos)
    pos += 8
    alarms = []

    def text():
        nonlocal pos
        n = data[pos]
        pos += 1
        if n == 0xFF:
            (n,) = struct.unpack_from("<H", data, pos)
            pos += 2
        s = data[pos:pos + n].decode("latin-1")
        pos += n
        return s

    def ints(k):
        nonlocal pos
        v = struct.unpack_from("<%di" % k, data, pos)
        pos += 4 * k
        return v

    def time_value():
        nonlocal pos
        status, days = struct.unpack_from("<id", data, pos)
        pos += 12
        return status, days

    for _ in range(count):
        (tag,) = struct.unpack_from("<H", data, pos)
        pos += 2
        if tag == 0xFFFF:
            schema, n = struct.unpack_from("<HH", data, pos)
            pos += 4 + n
            assert schema == 5
        a = {}
        a["created"], a["id"], a["state"] = ints(3)
        a["name"] = text()
        _, a["activation"] = time_value()
        a["enabled"], a["repeat"], a["remove"], a["display"] = ints(4)
        a["message"] = text()
        (a["play_sound"],) = ints(1)
        a["sound"] = text()
        (a["run_app"],) = ints(1)
        a["command"] = text()
        (a["minimised"],) = ints(1)
        a["interval_status"], a["interval"] = time_value()
        a["cd"], a["track"], a["shut_down"], a["kind"], a["force"], a["speak"] = ints(6)
        alarms.append(a)
    assert pos == len(data), "bytes after the last alarm"
    return next_id, alarms


def read_data_file_zones(data):
    """The (display name, zone bytes) of each clock in a clocks-and-alarms file that holds clocks only."""
    return [(c["name"], c["tzi"]) for c in read_data_file(data)]


def read_data_file(data):
    """Each clock of a clocks-and-alarms file that holds clocks only, as a dict of some fields."""
    version, count = struct.unpack_from("<ii", data, 0)
    assert version == 1
    pos = 8
    result = []
    for i in range(count):
        (tag,) = struct.unpack_from("<H", data, pos)
        pos += 2
        if tag == 0xFFFF:
            schema, n = struct.unpack_from("<HH", data, pos)
            pos += 4 + n
        for _ in range(2):                                  # date format, time format
            pos += 1 + data[pos]
        pos += 8 + 60
        tzi = data[pos:pos + 172]
        pos += 172
        n = data[pos]
        name = data[pos + 1:pos + 1 + n].decode("latin-1")
        pos += 1 + n
        pos += 16
        (clock_type,) = struct.unpack_from("<i", data, pos)
        pos += 4 + 12 + 12
        pos += 1 + data[pos]                                # timer name
        pos += 4
        pos += 1 + data[pos]                                # message
        pos += 4
        pos += 1 + data[pos]                                # sound
        state, _, remaining = struct.unpack_from("<iid", data, pos)
        pos += 4 + 12 + 8
        pos += 1 + data[pos]                                # template
        pos += 8
        result.append(dict(name=name, tzi=tzi, type=clock_type, state=state,
                           remaining_seconds=round(remaining * 86400)))
    return result
