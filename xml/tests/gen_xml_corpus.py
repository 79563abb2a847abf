#!/usr/bin/env python3
"""Writes well-formed XML documents in many character sets, each with the node dump that Python's
own XML parser gives for it, for the document-loading test.

Usage: gen_xml_corpus.py OUTDIR
The characters of each document are drawn from its character set's mapping (the same packaged sources
the stored tables come from), the bytes are made by Python's codecs or that mapping, and the expected
dump comes from xml.etree.ElementTree parsing the document's text.
"""
import os
import random
import sys
import unicodedata
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tools'))
import gen_cptables as tables  # noqa: E402

MARKUP = '<?xml version="1.0" encoding="-_:.=?>/ \'\n\t' + 'abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!&;[]'

# (code page, declared name) of ASCII-compatible table code pages.
TABLE_PAGES = [(437, 'ibm437'), (708, 'asmo-708'), (720, 'dos-720'), (737, 'ibm737'), (775, 'ibm775'),
               (850, 'ibm850'), (852, 'ibm852'), (855, 'ibm855'), (857, 'ibm857'), (858, 'ibm00858'),
               (860, 'ibm860'), (861, 'ibm861'), (862, 'dos-862'), (863, 'ibm863'), (864, 'ibm864'),
               (865, 'ibm865'), (866, 'cp866'), (869, 'ibm869'), (874, 'windows-874'), (932, 'Shift_JIS'),
               (936, 'gb2312'), (949, 'ks_c_5601-1987'), (950, 'big5'), (1250, 'windows-1250'),
               (1251, 'windows-1251'), (1252, 'windows-1252'), (1253, 'windows-1253'), (1254, 'windows-1254'),
               (1255, 'windows-1255'), (1256, 'windows-1256'), (1257, 'windows-1257'), (1258, 'windows-1258'),
               (1361, 'johab'), (10000, 'macintosh'), (10001, 'x-mac-japanese'), (10004, 'x-mac-arabic'),
               (10005, 'x-mac-hebrew'), (10006, 'x-mac-greek'), (10007, 'x-mac-cyrillic'),
               (10010, 'x-mac-romanian'), (10017, 'x-mac-ukrainian'), (10021, 'x-mac-thai'), (10029, 'x-mac-ce'),
               (10079, 'x-mac-icelandic'), (10081, 'x-mac-turkish'), (10082, 'x-mac-croatian'),
               (20127, 'us-ascii'), (20261, 'x-cp20261'), (20269, 'x-cp20269'), (20866, 'koi8-r'),
               (21866, 'koi8-u'), (28591, 'ISO-8859-1'), (28592, 'iso-8859-2'), (28593, 'iso-8859-3'),
               (28594, 'iso-8859-4'), (28595, 'iso-8859-5'), (28596, 'iso-8859-6'), (28597, 'iso-8859-7'),
               (28598, 'iso-8859-8'), (28599, 'iso-8859-9'), (28603, 'iso-8859-13'), (28605, 'iso-8859-15'),
               (38598, 'iso-8859-8-i'), (51932, 'euc-jp'), (51936, 'euc-cn'), (51949, 'euc-kr')]
SOURCE = {20261: 28591, 20269: 28591, 51936: 936}


def usable(u):
    if u < 0x20 or 0xD800 <= u <= 0xDFFF or 0xE000 <= u <= 0xF8FF or u in (0xFFFE, 0xFFFF, 0xFEFF):
        return False
    ch = chr(u)
    if ch in '<>&"\'\\' or unicodedata.category(ch)[0] in 'CZ' and ch != ' ':
        return False
    return unicodedata.category(ch) != 'Cn'


def table_alphabet(cp):
    m = tables.mapping_for(SOURCE.get(cp, cp))
    enc = tables.effective_encode(m)
    if cp == 10001:
        dec = {c: u for u, c in enc.items()}
    else:
        dec = m.decode
    units = sorted(u for u, c in enc.items() if dec.get(c) == u and usable(u))
    for ch in MARKUP:
        if enc.get(ord(ch)) != ord(ch) or dec.get(ord(ch)) != ord(ch):
            return None, None
    def encode(text):
        out = bytearray()
        for ch in text:
            c = enc[ord(ch)]
            out += bytes([c]) if c < 0x100 else bytes([c >> 8, c & 0xFF])
        return bytes(out)
    return [chr(u) for u in units], encode


def codec_alphabet(codec, pool):
    chars = []
    for ch in pool:
        try:
            if ch.encode(codec).decode(codec) == ch:
                chars.append(ch)
        except (UnicodeError, LookupError):
            pass
    return chars


def make_doc(rng, alphabet, name):
    def word(n):
        return ''.join(rng.choice(alphabet) for _ in range(n))

    def text():
        parts = []
        for _ in range(rng.randrange(1, 4)):
            parts.append(word(rng.randrange(1, 8)))
            if rng.random() < 0.3:
                parts.append(rng.choice(['&amp;', '&lt;', '&gt;', '&quot;', '&apos;']))
        return ' '.join(parts)

    counter = [0]

    def element(depth):
        counter[0] += 1
        tag = 'e%d' % counter[0] if rng.random() < 0.5 else rng.choice(['item', 'Name', 'x-y', 'a.b', 'v_1'])
        attrs = ''.join(' k%d="%s"' % (i, text()) for i in range(rng.randrange(0, 3)))
        if depth > 3 or rng.random() < 0.3:
            kind = rng.random()
            if kind < 0.15:
                return '<%s%s/>' % (tag, attrs)
            if kind < 0.3:
                return '<%s%s><![CDATA[%s <b> &]]></%s>' % (tag, attrs, word(5).strip(' ') or 'w', tag)
            return '<%s%s>%s</%s>' % (tag, attrs, text(), tag)
        body = ''
        if rng.random() < 0.5:
            body += text()
        for _ in range(rng.randrange(1, 4)):
            body += '\n  ' + element(depth + 1)
            if rng.random() < 0.3:
                body += ' ' + text() + ' '
            if rng.random() < 0.2:
                body += '<!-- note -->'
        return '<%s%s>%s\n</%s>' % (tag, attrs, body, tag)

    decl = '<?xml version="1.0" encoding="%s"?>\n' % name if name else ''
    return decl, element(0) + '\n'


def dump(root):
    lines = []

    def strip(s):
        return (s or '').strip(' \t\r\n')

    def walk(e, depth):
        runs = [strip(e.text)] + [strip(c.tail) for c in e]
        content = ' '.join(r for r in runs if r)
        attrs = ''.join('%s=%s;' % (k, v) for k, v in e.attrib.items())
        lines.append('%d|%s|%s|%s\n' % (depth, e.tag, attrs, content))
        for c in e:
            walk(c, depth + 1)

    walk(root, 0)
    return ''.join(lines)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    rng = random.Random(2026)
    index = []
    docs = []
    for cp, name in TABLE_PAGES:
        alphabet, encode = table_alphabet(cp)
        if not alphabet:
            continue
        for i in range(2):
            decl, body = make_doc(rng, alphabet, name)
            docs.append(('t%d_%d' % (cp, i), decl + body, encode(decl + body)))
    latin = [chr(u) for u in range(0x20, 0x3000) if usable(u)]
    cjk = [chr(u) for u in range(0x3041, 0x30FF)] + [chr(u) for u in range(0x4E00, 0x5200)]
    hangul = [chr(u) for u in range(0xAC00, 0xAD00)]
    for label, name, codec, bom, pool in [
            ('utf8', 'utf-8', 'utf-8', b'', latin + cjk), ('utf8bom', 'UTF-8', 'utf-8', b'\xef\xbb\xbf', latin + cjk),
            ('utf8nodecl', None, 'utf-8', b'', latin), ('utf16le', 'utf-16', 'utf-16-le', b'\xff\xfe', latin + cjk),
            ('utf16be', 'utf-16', 'utf-16-be', b'\xfe\xff', latin + cjk), ('utf7', 'utf-7', 'utf-7', b'', latin),
            ('jis', 'iso-2022-jp', 'iso2022_jp', b'', cjk), ('kr', 'iso-2022-kr', 'iso2022_kr', b'', hangul)]:
        alphabet = codec_alphabet(codec, pool)
        if codec == 'iso2022_jp':
            m932 = tables.mapping_for(932)
            alphabet = [ch for ch in alphabet
                        if len(ch.encode('cp932', 'ignore')) == 2 and m932.decode.get(int.from_bytes(ch.encode('cp932'), 'big')) == ord(ch)]
        if codec == 'iso2022_kr':
            m949 = tables.mapping_for(949)
            alphabet = [ch for ch in alphabet if m949.decode.get(int.from_bytes(ch.encode('cp949'), 'big')) == ord(ch)]
        alphabet += list('abcxyz')
        for i in range(3):
            decl, body = make_doc(rng, alphabet, name)
            docs.append(('%s_%d' % (label, i), decl + body, bom + (decl + body).encode(codec)))
    for label, text, data in docs:
        with open(os.path.join(out, label + '.xml'), 'wb') as f:
            f.write(data)
        with open(os.path.join(out, label + '.dump'), 'wb') as f:
            body = text[text.index('?>') + 2:] if text.startswith('<?xml') else text
            f.write(dump(ET.fromstring(body)).encode('utf-8'))
        index.append(label)
    with open(os.path.join(out, 'index.txt'), 'w') as f:
        f.write('\n'.join(index) + '\n')


if __name__ == '__main__':
    main()
