"""Builds the desktop clock's data files byte by byte from their documented layouts, for the
end-to-end tests: the time-zone file "VelmoraTZ" and the clocks-and-alarms file "Velmora2Dat"."""

import struct


def cstring(text):
    """A string in the framework's archive form: a length byte (below 255), then the characters."""
    data = text.encode("latin-1")
    assert len(data) < 255
    return bytes([len(data)]) + data


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


def data_file(records, next_alarm_id=0):
    """The clocks-and-alarms file: version 1, the clocks, the next alarm id, no alarms."""
    out = struct.pack("<ii", 1, len(records))
    for i, rec in enumerate(records):
        if i == 0:
            out += struct.pack("<HHH", 0xFFFF, 6, 6) + b"CClock"
        else:
            out += struct.pack("<H", 0x8001)
        out += rec
    out += struct.pack("<ii", next_alarm_id, 0)
    return out


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
