#!/usr/bin/env python3
"""Builds the stored code-page table texts of the XML library from packaged mapping sources.

Sources, in order of preference for each code page (see TABLE_SOURCES.md):
  nls     Wine's code-page files (c_<cp>.nls), the Windows mappings as Wine ships them
  iconv   glibc's iconv converters, called through ctypes
  python  Python's codecs
  derived another table transformed by a documented rule (EUC forms of 932/949, 924 from 1047)

Writes the C++ source with the stored texts and, optionally, the test vectors that hold, for every
table, the pairs it was built from.
"""
import argparse
import base64
import bz2
import codecs
import ctypes
import ctypes.util
import os
import struct
import sys

NLS_DIRS = ['/usr/share/wine/nls', '/usr/lib/wine/nls', '/opt/wine-stable/share/wine/nls']

SINGLE_BYTE = [37, 437, 500, 708, 720, 737, 775, 850, 852, 855, 857, 858, 860, 861, 862, 863, 864, 865, 866, 869,
               870, 874, 875, 1026, 1047] + list(range(1140, 1150)) + list(range(1250, 1259)) + [
               10000, 10004, 10005, 10006, 10007, 10010, 10017, 10021, 10029, 10079, 10081, 10082,
               20105, 20106, 20107, 20108, 20127, 20261, 20269, 20273, 20277, 20278, 20280, 20284, 20285, 20290,
               20297, 20420, 20423, 20424, 20838, 20866, 20871, 20880, 20905, 20924, 21025, 21866] + \
              list(range(28591, 28600)) + [28603, 28605, 38598]
DOUBLE_BYTE_STORED = [932, 936, 949, 950, 1361, 51932, 51949]
SHARED = {20261: 28591, 20269: 28591}        # code pages that use another page's stored text

# Code pages that Wine does not ship, with the converter that holds the same mapping.
ICONV = {858: 'IBM858', 870: 'IBM870', 1047: 'IBM1047', 1140: 'IBM1140', 1141: 'IBM1141', 1142: 'IBM1142',
         1143: 'IBM1143', 1144: 'IBM1144', 1145: 'IBM1145', 1146: 'IBM1146', 1147: 'IBM1147', 1148: 'IBM1148',
         1149: 'IBM1149', 20105: 'ISO_646.IRV:1991', 20106: 'DIN_66003', 20107: 'SEN_850200_B', 20108: 'NS_4551-1',
         20273: 'IBM273', 20277: 'IBM277', 20278: 'IBM278', 20280: 'IBM280', 20284: 'IBM284', 20285: 'IBM285',
         20290: 'IBM290', 20297: 'IBM297', 20420: 'IBM420', 20423: 'IBM423', 20424: 'IBM424', 20838: 'IBM1160',
         20871: 'IBM871', 20880: 'IBM880', 20905: 'IBM905', 21025: 'IBM1025', 38598: 'ISO-8859-8'}

ICONV_CHECK = [(1252, 'CP1252'), (1251, 'CP1251'), (1250, 'CP1250'), (866, 'CP866'), (437, 'CP437'), (850, 'CP850'),
               (28595, 'ISO-8859-5'), (28591, 'ISO-8859-1'), (28592, 'ISO-8859-2'), (20866, 'KOI8-R'),
               (874, 'CP874'), (1255, 'CP1255'), (737, 'CP737'), (1253, 'CP1253'), (932, 'CP932'), (936, 'CP936'),
               (949, 'CP949'), (950, 'CP950'), (51949, 'EUC-KR')]

MAGIC = 0xB394A7E1
PIECE = 400


class Mapping:
    """decode: code -> unit for every code the source defines; encode: unit -> preferred code."""

    def __init__(self, source):
        self.source = source
        self.decode = {}
        self.encode = {}

    def ascii_compatible(self):
        return all(self.decode.get(b) == b and self.encode.get(b) == b for b in range(1, 128))


def find_nls(cp):
    for d in NLS_DIRS:
        for name in ('c_%d.nls' % cp, 'c_%03d.nls' % cp):
            path = os.path.join(d, name)
            if os.path.exists(path):
                return path
    return None


def read_nls(cp):
    path = find_nls(cp)
    data = open(path, 'rb').read()
    header = struct.unpack_from('<7H12B', data, 0)
    size, max_char, uni_default = header[0] * 2, header[2], header[4]
    off = size
    wc_words = struct.unpack_from('<H', data, off)[0]
    wc_start = off + wc_words * 2 + 2
    mb = struct.unpack_from('<256H', data, off + 2)
    p = off + 2 + 512
    glyphs = struct.unpack_from('<H', data, p)[0]
    p += 2 + (512 if glyphs else 0)
    p += 2              # the DBCS range count
    dbcs = max_char == 2
    m = Mapping('nls:' + os.path.basename(path))
    raw = {}
    leads = set()
    if dbcs:
        ranges = header[7:]
        for i in range(0, 12, 2):
            if ranges[i]:
                leads.update(range(ranges[i], ranges[i + 1] + 1))
        offsets = struct.unpack_from('<256H', data, p)
        for lead in sorted(leads):
            table = struct.unpack_from('<256H', data, p + offsets[lead] * 2)
            for trail in range(256):
                raw[(lead << 8) | trail] = table[trail]
        wc = struct.unpack_from('<65536H', data, wc_start)
    else:
        wc = data[wc_start:wc_start + 65536]
    for b in range(1, 256):
        if b not in leads:
            raw[b] = mb[b]
    for code, unit in sorted(raw.items()):
        if unit == 0:
            continue
        if unit == uni_default and wc[unit] != code:
            continue            # an undefined code that the file fills with its default character
        m.decode[code] = unit
    for code, unit in sorted(m.decode.items()):
        if wc[unit] == code:
            m.encode[unit] = code
    return m


_libc = None


def iconv_decode_bytes(name, bs):
    global _libc
    if _libc is None:
        _libc = ctypes.CDLL(ctypes.util.find_library('c'), use_errno=True)
        _libc.iconv_open.restype = ctypes.c_void_p
        _libc.iconv_open.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
        _libc.iconv.restype = ctypes.c_size_t
        _libc.iconv.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_char_p), ctypes.POINTER(ctypes.c_size_t),
                                ctypes.POINTER(ctypes.c_char_p), ctypes.POINTER(ctypes.c_size_t)]
        _libc.iconv_close.argtypes = [ctypes.c_void_p]
    cd = _libc.iconv_open(b'UTF-16LE', name.encode())
    if cd in (None, ctypes.c_void_p(-1).value):
        raise SystemExit('iconv has no converter %s' % name)
    try:
        inbuf = ctypes.create_string_buffer(bs, len(bs))
        outbuf = ctypes.create_string_buffer(64)
        inp = ctypes.c_char_p(ctypes.addressof(inbuf))
        outp = ctypes.c_char_p(ctypes.addressof(outbuf))
        inleft = ctypes.c_size_t(len(bs))
        outleft = ctypes.c_size_t(64)
        r = _libc.iconv(cd, ctypes.byref(inp), ctypes.byref(inleft), ctypes.byref(outp), ctypes.byref(outleft))
        if r == ctypes.c_size_t(-1).value or inleft.value:
            return None
        # flush any pending state
        _libc.iconv(cd, None, None, ctypes.byref(outp), ctypes.byref(outleft))
        return outbuf.raw[:64 - outleft.value]
    finally:
        _libc.iconv_close(cd)


def read_iconv_single(cp, name):
    m = Mapping('iconv:' + name)
    for b in range(1, 256):
        out = iconv_decode_bytes(name, bytes([b]))
        if out is None or len(out) != 2:
            continue
        unit = out[0] | (out[1] << 8)
        if unit == 0:
            continue
        m.decode[b] = unit
        m.encode.setdefault(unit, b)
    return m


def derived_924():
    # CCSID 924 is the 1047 layout with the eight ISO 8859-15 replacements of ISO 8859-1 characters.
    base = read_iconv_single(1047, 'IBM1047')
    swap = {0xA4: 0x20AC, 0xA6: 0x0160, 0xA8: 0x0161, 0xB4: 0x017D, 0xB8: 0x017E, 0xBC: 0x0152, 0xBD: 0x0153,
            0xBE: 0x0178}
    m = Mapping('derived:iconv IBM1047 with ISO 8859-15 replacements')
    for code, unit in sorted(base.decode.items()):
        m.decode[code] = swap.get(unit, unit)
    for code, unit in sorted(m.decode.items()):
        m.encode.setdefault(unit, code)
    return m


def derived_euc_jp(sjis):
    # The EUC form of the 932 mapping: JIS X 0208 rows as two bytes with the high bits set, and
    # half-width katakana behind the single shift 0x8E.
    m = Mapping('derived:' + sjis.source + ' as EUC')
    for b in range(1, 128):
        if b in sjis.decode:
            m.decode[b] = sjis.decode[b]
    for b in range(0xA1, 0xE0):
        if b in sjis.decode:
            m.decode[0x8E00 | b] = sjis.decode[b]
    for code, unit in sorted(sjis.decode.items()):
        if code < 0x100:
            continue
        lead, trail = code >> 8, code & 0xFF
        if not (0x81 <= lead <= 0x9F or 0xE0 <= lead <= 0xEF):
            continue
        if not (0x40 <= trail <= 0xFC) or trail == 0x7F:
            continue
        j1 = 2 * (lead - (0x70 if lead < 0xA0 else 0xB0)) - (1 if trail < 0x9F else 0)
        j2 = trail - 0x7E if trail >= 0x9F else (trail - 0x20 if trail > 0x7F else trail - 0x1F)
        if 0x21 <= j1 <= 0x7E and 0x21 <= j2 <= 0x7E:
            m.decode[((j1 | 0x80) << 8) | (j2 | 0x80)] = unit
    # Prefer the code that the 932 mapping prefers.
    pref_euc = {}
    for code, unit in sorted(m.decode.items()):
        pref_euc.setdefault(unit, []).append(code)
    m.encode = {}
    for unit, codes in pref_euc.items():
        m.encode[unit] = codes[0]
    return m


def derived_euc_kr(uhc):
    # The EUC form of 949: only the KS X 1001 part (both bytes 0xA1-0xFE).
    m = Mapping('derived:' + uhc.source + ' restricted to KS X 1001')
    for code, unit in sorted(uhc.decode.items()):
        if code < 0xA1 or (code > 0xFF and 0xA1 <= code >> 8 <= 0xFE and 0xA1 <= (code & 0xFF) <= 0xFE):
            m.decode[code] = unit
    # In an EUC form the C1 range holds the control characters themselves.
    for b in range(0x80, 0xA1):
        m.decode.setdefault(b, b)
    for code, unit in sorted(m.decode.items()):
        if uhc.encode.get(unit, code) == code:
            m.encode.setdefault(unit, code)
    return m


# Pages as published (Python's codecs carry those mapping files unchanged). The conversion services
# fill the codes that a published table leaves undefined, with private-use characters or with the C1
# control of the same value; such fillers are dropped so that those bytes stay unmappable. US-ASCII is
# filled by stripping the high bit, so everything above 0x7F goes.
PUBLISHED = {20127: 'ascii', 874: 'cp874', 1250: 'cp1250', 1251: 'cp1251', 1252: 'cp1252', 1253: 'cp1253',
             1254: 'cp1254', 1255: 'cp1255', 1256: 'cp1256', 1257: 'cp1257', 1258: 'cp1258', 857: 'cp857',
             864: 'cp864', 869: 'cp869', 28593: 'iso8859_3', 28596: 'iso8859_6', 28597: 'iso8859_7',
             28598: 'iso8859_8'}


def is_filler(code, unit):
    return 0xE000 <= unit <= 0xF8FF or (0x80 <= code <= 0x9F and unit == code)


def drop_undefined(m, codec):
    dropped = 0
    for code in [c for c in m.decode if c < 0x100]:
        try:
            bytes([code]).decode(codec)
        except UnicodeDecodeError:
            if codec != 'ascii' and not is_filler(code, m.decode[code]):
                continue
            unit = m.decode.pop(code)
            dropped += 1
            if m.encode.get(unit) == code:
                del m.encode[unit]
    if dropped:
        m.source += ' (%d codes undefined in the published table dropped)' % dropped
    return m


def mapping_for(cp, cache={}):
    if cp in cache:
        return cache[cp]
    if cp == 20924:
        m = derived_924()
    elif cp == 51932:
        m = derived_euc_jp(mapping_for(932))
    elif cp == 51949:
        m = derived_euc_kr(mapping_for(949))
    elif find_nls(cp):
        m = read_nls(cp)
        if cp in PUBLISHED:
            m = drop_undefined(m, PUBLISHED[cp])
    elif cp in ICONV:
        m = read_iconv_single(cp, ICONV[cp])
    else:
        raise SystemExit('no source for code page %d' % cp)
    cache[cp] = m
    return m


def ordered_pairs(m):
    """Pairs in record order: the preferred pair of each unit first, so that an encode lookup finds it."""
    preferred = [(c, u) for c, u in sorted(m.decode.items()) if m.encode.get(u) == c]
    others = [(c, u) for c, u in sorted(m.decode.items()) if m.encode.get(u) != c]
    return preferred + others


def records(m):
    pairs = ordered_pairs(m)
    single = [(c, u) for c, u in pairs if c < 0x100]
    double = [(c, u) for c, u in pairs if c >= 0x100]
    out = bytearray(b'a' if m.ascii_compatible() else b'-')
    out += b'f'
    code = unit = 0
    for c, u in single:
        out += struct.pack('<BH', (c - code) & 0xFF, (u - unit) & 0xFFFF)
        code, unit = c, u
    out += b'\0'
    code = unit = 0
    for c, u in double:
        out += struct.pack('<HH', (c - code) & 0xFFFF, (u - unit) & 0xFFFF)
        code, unit = c, u
    out += b'\0\0'
    return bytes(out)


def effective_encode(m):
    """What a lookup in the loaded encode map answers: the first pair of each unit in record order."""
    pairs = ordered_pairs(m)
    single = [(c, u) for c, u in pairs if c < 0x100]
    double = [(c, u) for c, u in pairs if c >= 0x100]
    result = {}
    for c, u in single + double:
        result.setdefault(u, c)
    return result


def check_preferred(cp, m):
    """The full form loads every single-byte pair before any double-byte one, so a character that a
    single-byte code maps besides its preferred double-byte code would encode to the single byte."""
    wrong = sorted(u for u, c in effective_encode(m).items() if u in m.encode and m.encode[u] != c)
    if wrong:
        raise SystemExit('code page %d: the stored records would not encode %s to the preferred code'
                         % (cp, ', '.join('U+%04X' % u for u in wrong[:8])))


def overlay(base, target):
    """Records that turn the encode map loaded from base into the encode map of target: each
    character to the code the page prefers, which its decode map, the reversed encode map, then
    answers for that code as well."""
    loaded = {}
    for c, u in ordered_pairs(base):
        loaded.setdefault(u, []).append(c)
    want = dict(target.encode)
    removals = sorted(u for u in loaded if u not in want)
    single, double = [], []
    for u in sorted(want):
        c = want[u]
        if loaded.get(u) == [c]:
            continue
        (single if c < 0x100 else double).append((c, u))
    out = bytearray(b'a' if target.ascii_compatible() else b'-')
    out += b'd'
    for u in removals:
        out += struct.pack('<H', u)
    out += b'\0\0'
    for c, u in single:
        out += struct.pack('<BH', c, u)
    out += b'\0'
    for c, u in double:
        out += bytes([c >> 8, c & 0xFF]) + struct.pack('<H', u)
    out += b'\0\0'
    return bytes(out)


def container(data):
    return struct.pack('<II', MAGIC, len(data)) + bz2.compress(data, 9)


def stored_text(data, compress=True):
    if compress:
        return 'c' + base64.b64encode(container(data)).decode()
    return 'x' + base64.b64encode(data).decode()


def cpp_string(text, indent='    '):
    lines = [text[i:i + 100] for i in range(0, len(text), 100)] or ['']
    return '\n'.join(indent + '"%s"' % line for line in lines)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('--cpp', required=True)
    ap.add_argument('--vectors')
    ap.add_argument('--manifest')
    ap.add_argument('--iconv-vectors')
    args = ap.parse_args()

    texts = {}
    for cp in SINGLE_BYTE:
        if cp in SHARED:
            continue
        texts[cp] = stored_text(records(mapping_for(cp)), compress=cp != 20127)
    for cp in DOUBLE_BYTE_STORED:
        check_preferred(cp, mapping_for(cp))
        texts[cp] = stored_text(records(mapping_for(cp)))
    mac_japanese = mapping_for(10001)
    overlay_text = stored_text(overlay(mapping_for(932), mac_japanese))

    out = ['// Generated by xml/tools/gen_cptables.py: the stored code-page table texts. Do not edit.',
           '#include "CodePageTables.h"', '#include <string.h>', '', 'namespace', '{']
    for cp in SINGLE_BYTE:
        if cp in SHARED:
            continue
        out.append('const char kText%d[] =\n%s;' % (cp, cpp_string(texts[cp])))
    out.append('const char kOverlay10001[] =\n%s;' % cpp_string(overlay_text))
    for cp in DOUBLE_BYTE_STORED:
        t = texts[cp]
        pieces = [t[:PIECE + 1]] + [t[i:i + PIECE] for i in range(PIECE + 1, len(t), PIECE)]
        out.append('const char* const kPieces%d[] = {' % cp)
        for piece in pieces:
            out.append('%s,' % cpp_string(piece, '    '))
        out.append('};')
    out.append('')
    out.append('struct SingleByteText')
    out.append('{')
    out.append('    unsigned long codePage;')
    out.append('    const char* text;')
    out.append('};')
    out.append('// One entry per single-byte code page, then the Macintosh Japanese overlay.')
    out.append('const SingleByteText kSingleByteTexts[%d] = {' % (len(SINGLE_BYTE) + 1))
    for cp in SINGLE_BYTE:
        out.append('    {%d, kText%d},' % (cp, SHARED.get(cp, cp)))
    out.append('    {10001, kOverlay10001},')
    out.append('};')
    out.append('')
    out.append('struct DoubleByteText')
    out.append('{')
    out.append('    unsigned long codePage;')
    out.append('    const char* const* pieces;')
    out.append('    int count;')
    out.append('};')
    out.append('const DoubleByteText kDoubleByteTexts[] = {')
    for cp in DOUBLE_BYTE_STORED:
        out.append('    {%d, kPieces%d, (int)(sizeof(kPieces%d) / sizeof(kPieces%d[0]))},' % (cp, cp, cp, cp))
    out.append('};')
    out.append('}')
    out.append('''
const char* GetStoredSingleByteText(unsigned long codePage)
{
    for (int i = 0; i < %d; i++)
        if (kSingleByteTexts[i].codePage == codePage)
            return kSingleByteTexts[i].text;
    return nullptr;
}

const char* GetStoredOverlayText()
{
    return kSingleByteTexts[%d].text;
}

bool JoinStoredDoubleByteText(unsigned long codePage, StringBuffer& out)
{
    // 51936 is stored as 936; Macintosh Japanese starts from the 932 pairs and adds its overlay.
    if (codePage == 51936)
        codePage = 936;
    else if (codePage == 10001)
        codePage = 932;
    for (const DoubleByteText& entry : kDoubleByteTexts)
    {
        if (entry.codePage != codePage)
            continue;
        out.Clear();
        for (int i = 0; i < entry.count; i++)
            if (!out.Append(entry.pieces[i]))
                return false;
        return true;
    }
    return false;
}
''' % (len(SINGLE_BYTE), len(SINGLE_BYTE)))
    os.makedirs(os.path.dirname(os.path.abspath(args.cpp)), exist_ok=True)
    tmp = args.cpp + '.tmp'
    with open(tmp, 'w') as f:
        f.write('\n'.join(out))
    os.replace(tmp, args.cpp)

    if args.vectors:
        # For each table: the decode pairs (code -> unit) and what an encode must give (unit -> code).
        with open(args.vectors, 'w') as f:
            all_pages = SINGLE_BYTE + [932, 936, 949, 950, 1361, 10001, 51932, 51936, 51949]
            for cp in all_pages:
                source = {51936: 936}.get(SHARED.get(cp, cp), SHARED.get(cp, cp))
                m = mapping_for(source)
                if cp == 10001:
                    enc = dict(m.encode)
                    dec = {c: u for u, c in enc.items()}
                else:
                    dec = m.decode
                    enc = effective_encode(m)
                f.write('P %d %d %d\n' % (cp, len(dec), len(enc)))
                for c, u in sorted(dec.items()):
                    f.write('D %x %x\n' % (c, u))
                for u, c in sorted(enc.items()):
                    f.write('E %x %x\n' % (u, c))
    if args.iconv_vectors:
        # An independent check: what glibc's converters decode for a sample of pages whose Windows
        # mapping glibc also carries.
        with open(args.iconv_vectors, 'w') as f:
            for cp, name in ICONV_CHECK:
                m = mapping_for(cp)
                codes = list(range(1, 256)) + sorted(c for c in m.decode if c > 0xFF)
                lines = []
                for c in codes:
                    b = bytes([c]) if c < 0x100 else bytes([c >> 8, c & 0xFF])
                    out = iconv_decode_bytes(name, b)
                    if out is None or len(out) != 2:
                        continue
                    lines.append('D %x %x\n' % (c, out[0] | (out[1] << 8)))
                f.write('P %d %d 0\n' % (cp, len(lines)))
                f.writelines(lines)
    if args.manifest:
        with open(args.manifest, 'w') as f:
            f.write('# Sources of the stored code-page tables\n\n')
            f.write('Generated by `gen_cptables.py`; each line: code page, then the mapping source.\n\n')
            for cp in SINGLE_BYTE + DOUBLE_BYTE_STORED + [10001]:
                if cp in SHARED:
                    f.write('- %d: the stored text of %d\n' % (cp, SHARED[cp]))
                else:
                    f.write('- %d: %s\n' % (cp, mapping_for(cp).source))
            f.write('- 51936: the stored text of 936\n')
            f.write('- 10001 is stored as an overlay on the 932 pairs\n')


if __name__ == '__main__':
    main()
