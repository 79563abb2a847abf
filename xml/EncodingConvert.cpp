// EncodingConvert: code page to code page through UTF-16, with the library's own tables and codecs.
#include "EncodingConvert.h"
#include "Charsets.h"
#include "CodePageTables.h"
#include "Iso2022.h"
#include "UnicodeForms.h"
#include <new>
#include <string.h>

EncodingConvert::EncodingConvert()
    : m_errorAction(0), m_fallbackCodePage(0), m_substituteCount(0), m_fromCodePage(0), m_toCodePage(0),
      m_firstStage(false), m_secondStage(false)
{
}

EncodingConvert::~EncodingConvert() {}

static bool IsDoubleByteLeadPage(unsigned long cp)
{
    return cp == 932 || cp == 936 || cp == 949 || cp == 950 || cp == 51932 || cp == 51936 || cp == 51949;
}

bool EncodingConvert::IsConvertible(unsigned long cp)
{
    switch (cp)
    {
    case 1200:
    case 1201:
    case 65000:
    case 65001:
    case 65005:
    case 65006:
    case 50220:
    case 50221:
    case 50222:
    case 50225:
        return true;
    default:
        return FindTableCodePage(cp) != nullptr;
    }
}

// Marked runs let a substitute written by the first stage pass the second stage untouched.
static const unsigned char kMark0 = 0xFD, kMark1 = 0xEF;
static const unsigned long kMaxMarked = 6;

// Only error actions 1 (with a substitute) and 7 mark what they write; with any other action in
// force FD EF n in the UTF-16 text is U+EFFD and a character, not a marker.
bool EncodingConvert::TakesMarks() const
{
    return m_secondStage && (m_errorAction == 7 || (m_errorAction == 1 && m_substituteCount));
}

void EncodingConvert::WriteMarked(const unsigned char* bytes, unsigned long len, DataBuffer& out)
{
    if (!m_firstStage)
    {
        out.Append(bytes, len);
        return;
    }
    // A run holds at most kMaxMarked - 1 bytes, so a longer substitute goes in several.
    for (unsigned long at = 0; at < len;)
    {
        unsigned long run = len - at < kMaxMarked ? len - at : kMaxMarked - 1;
        unsigned char head[3] = {kMark0, kMark1, (unsigned char)run};
        out.Append(head, 3);
        out.Append(bytes + at, run);
        at += run;
    }
}

void EncodingConvert::AppendHex(const unsigned char* bytes, unsigned long len, DataBuffer& out)
{
    static const char digits[] = "0123456789ABCDEF";
    for (unsigned long i = 0; i < len; i++)
    {
        out.AppendByte((unsigned char)digits[bytes[i] >> 4]);
        out.AppendByte((unsigned char)digits[bytes[i] & 15]);
    }
}

// Applies the error action to one unconvertible item of the given code page.
void EncodingConvert::ErrorItem(const unsigned char* item, unsigned long len, unsigned long itemCodePage,
                                DataBuffer& out)
{
    switch (m_errorAction)
    {
    case 1:
        if (m_substituteCount)
            WriteMarked(m_substitute, m_substituteCount > 100 ? 100 : m_substituteCount, out);
        break;
    case 2: {
        DataBuffer hex;
        hex.Append("&#x", 3);
        AppendHex(item, len, hex);
        hex.AppendByte(';');
        if (m_firstStage)
        {
            // Inside a first stage the text goes out as UTF-16 so the second stage encodes it like any text.
            for (unsigned long i = 0; i < hex.GetSize(); i++)
            {
                unsigned char unit[2] = {hex.GetData()[i], 0};
                out.Append(unit, 2);
            }
        }
        else
            out.Append(hex.GetData(), hex.GetSize());
        break;
    }
    case 6: {
        unsigned long action = m_errorAction, from = m_fromCodePage, to = m_toCodePage;
        bool first = m_firstStage, second = m_secondStage;
        unsigned long target = m_fallbackCodePage ? m_fallbackCodePage : to;
        m_errorAction = 0;
        m_firstStage = m_secondStage = false;
        // An item already in the fallback page goes out as it stands: it is never dropped.
        ConvertViaUnicode(itemCodePage, target, item, len, out);
        m_errorAction = action;
        m_fromCodePage = from;
        m_toCodePage = to;
        m_firstStage = first;
        m_secondStage = second;
        break;
    }
    case 7:
        WriteMarked(item, len, out);
        break;
    default:
        break;
    }
}

// During a second stage an unconvertible unit is answered in terms of the original source.
void EncodingConvert::ErrorUnitSecondStage(unsigned short unit, DataBuffer& out)
{
    unsigned char u[2] = {(unsigned char)unit, (unsigned char)(unit >> 8)};
    switch (m_errorAction)
    {
    case 1:
        if (m_substituteCount)
            out.Append(m_substitute, m_substituteCount > 100 ? 100 : m_substituteCount);
        break;
    case 2:
    case 7: {
        unsigned long action = m_errorAction, from = m_fromCodePage, to = m_toCodePage;
        DataBuffer back;
        m_errorAction = 0;
        m_secondStage = false;
        if (from != 1200)
            ConvertViaUnicode(1200, from, u, 2, back);
        else
            back.Append(u, 2);
        m_errorAction = action;
        m_fromCodePage = from;
        m_toCodePage = to;
        m_secondStage = true;
        if (action == 7)
            out.Append(back.GetData(), back.GetSize());
        else if (back.GetSize())
        {
            out.Append("&#x", 3);
            AppendHex(back.GetData(), back.GetSize(), out);
            out.AppendByte(';');
        }
        break;
    }
    case 6:
        ErrorItem(u, 2, 1200, out);
        break;
    default:
        break;
    }
}

bool EncodingConvert::ConvertToCharset(unsigned long from, const char* toName, const unsigned char* bytes,
                                       unsigned long count, DataBuffer& out)
{
    m_secondStage = false;
    unsigned long to = CharsetToCodePage(toName);
    if (!to)
        return false;
    return Convert(from, to, bytes, count, out);
}

bool EncodingConvert::ConvertFromCharset(const char* fromName, unsigned long to, const unsigned char* bytes,
                                         unsigned long count, DataBuffer& out)
{
    m_secondStage = false;
    unsigned long from = CharsetToCodePage(fromName);
    if (!from)
        return false;
    return Convert(from, to, bytes, count, out);
}

bool EncodingConvert::Convert(unsigned long from, unsigned long to, const unsigned char* bytes,
                              unsigned long count, DataBuffer& out)
{
    if (!bytes || !count)
        return true;
    if (from == to)
        return out.Append(bytes, count), true;
    if (from == 50220 || from == 50221 || from == 50222)
    {
        DataBuffer sjis;
        Japanese jp;
        jp.JapaneseDecode(bytes, count, sjis);
        return sjis.GetSize() ? Convert(932, to, sjis.GetData(), sjis.GetSize(), out) : true;
    }
    if (from == 50225)
    {
        DataBuffer uhc;
        Korean kr;
        kr.KoreanDecode(bytes, count, uhc);
        return uhc.GetSize() ? Convert(949, to, uhc.GetData(), uhc.GetSize(), out) : true;
    }
    m_secondStage = false;
    m_fromCodePage = from;
    m_toCodePage = to;
    switch (to)
    {
    case 65000: {
        DataBuffer utf16;
        if (!ConvertViaUnicode(from, 1200, bytes, count, utf16))
            return false;
        return Utf16ToUtf7(utf16, out);
    }
    case 65005:
    case 65006: {
        DataBuffer utf8;
        if (!ConvertViaUnicode(from, 65001, bytes, count, utf8))
            return false;
        return to == 65005 ? Utf8ToUtf32LE(utf8, out) : Utf8ToUtf32BE(utf8, out);
    }
    case 1201: {
        m_toCodePage = 1200;
        DataBuffer utf16;
        bool r = ConvertViaUnicode(from, 1200, bytes, count, utf16);
        const unsigned char* p = utf16.GetData();
        for (unsigned long i = 0; i + 2 <= utf16.GetSize(); i += 2)
        {
            unsigned char swapped[2] = {p[i + 1], p[i]};
            out.Append(swapped, 2);
        }
        // Dropped characters are reported here as on every other path.
        return r;
    }
    case 50220:
    case 50221:
    case 50222: {
        DataBuffer sjis;
        bool r = ConvertViaUnicode(from, 932, bytes, count, sjis);
        if (sjis.GetSize())
        {
            Japanese jp;
            jp.JapaneseEncode(sjis.GetData(), sjis.GetSize(), out);
        }
        return r;
    }
    case 50225: {
        DataBuffer uhc;
        bool r = ConvertViaUnicode(from, 949, bytes, count, uhc);
        if (uhc.GetSize())
        {
            Korean kr;
            kr.KoreanEncode(uhc.GetData(), uhc.GetSize(), out);
        }
        return r;
    }
    default:
        return ConvertViaUnicode(from, to, bytes, count, out);
    }
}

static bool IsTablePage(unsigned long cp)
{
    return FindTableCodePage(cp) != nullptr;
}

bool EncodingConvert::ConvertViaUnicode(unsigned long from, unsigned long to, const unsigned char* bytes,
                                        unsigned long count, DataBuffer& out)
{
    if (!bytes || !count)
        return true;
    const unsigned char* p = bytes;
    unsigned long n = count;
    bool bigEndian16 = false, littleDeclaredBig = false;
    if (from == 65001 && n >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF)
    {
        p += 3;
        n -= 3;
        if (!n)
            return true;
    }
    else if ((from == 1200 || from == 1201) && n >= 2)
    {
        if (p[0] == 0xFE && p[1] == 0xFF)
        {
            bigEndian16 = true;
            p += 2;
            n -= 2;
            if (!n)
                return true;
        }
        else if (p[0] == 0xFF && p[1] == 0xFE)
        {
            littleDeclaredBig = from == 1201;
            p += 2;
            n -= 2;
            if (!n)
                return true;
        }
        else
            bigEndian16 = from == 1201;
    }
    else if (from == 1201)
        bigEndian16 = true;

    if (from == to && !bigEndian16 && !littleDeclaredBig)
        return out.Append(p, n), true;

    DataBuffer pre;
    if ((from == 1200 || from == 1201) && bigEndian16)
    {
        if (n < 2)
            return true;
        for (unsigned long i = 0; i + 2 <= n; i += 2)
        {
            unsigned char swapped[2] = {p[i + 1], p[i]};
            pre.Append(swapped, 2);
        }
        from = 1200;
        p = pre.GetData();
        n = pre.GetSize();
    }
    else if (from == 1201 && littleDeclaredBig)
        from = 1200;
    else if (from == 65006)
    {
        if (n < 4)
            return true;
        DataBuffer le;
        for (unsigned long i = 0; i + 4 <= n; i += 4)
        {
            unsigned char r[4] = {p[i + 3], p[i + 2], p[i + 1], p[i]};
            le.Append(r, 4);
        }
        Utf32ToUtf8(le, pre);
        from = 65001;
        p = pre.GetData();
        n = pre.GetSize();
    }
    else if (from == 65005)
    {
        DataBuffer in;
        in.BorrowBlock(const_cast<unsigned char*>(p), n);
        Utf32ToUtf8(in, pre);
        from = 65001;
        p = pre.GetData();
        n = pre.GetSize();
    }
    else if (from == 65000)
    {
        DataBuffer in;
        in.BorrowBlock(const_cast<unsigned char*>(p), n);
        Utf7ToUtf16(in, pre);
        from = 1200;
        p = pre.GetData();
        n = pre.GetSize();
    }
    if (!p || !n)
        return true;
    if (from == 65001 && to == 65001)
        return Utf8ToUtf8(p, n, out);
    if (from == to)
        return out.Append(p, n), true;

    if (from == 1200)
    {
        if (to == 65001)
        {
            out.EnsureCapacity(out.GetSize() + n / 2 + 4);
            return Utf16ToUtf8(p, n, out);
        }
        if (IsTablePage(to))
        {
            out.EnsureCapacity(out.GetSize() + n / 2 + 4);
            return EncodeFromUtf16(to, p, n, out);
        }
        return false;
    }
    if (from == 65001)
    {
        if (to == 1200)
        {
            out.EnsureCapacity(out.GetSize() + n * 2);
            return Utf8ToUtf16(p, n, out);
        }
        if (IsTablePage(to))
        {
            if (Utf8ToTableDirect(to, p, n, out))
                return true;
            DataBuffer temp;
            temp.EnsureCapacity(n * 2 + 4);
            m_firstStage = true;
            bool first = Utf8ToUtf16(p, n, temp);
            m_firstStage = false;
            m_secondStage = true;
            out.EnsureCapacity(out.GetSize() + temp.GetSize() / 2 + 4);
            bool r = EncodeFromUtf16(to, temp.GetData(), temp.GetSize(), out);
            m_secondStage = false;
            return r && first;
        }
        return false;
    }
    if (!IsTablePage(from))
        return false;
    if (to == 1200)
    {
        out.EnsureCapacity(out.GetSize() + n * 2);
        return DecodeToUtf16(from, p, n, out);
    }
    if (to != 65001 && !IsTablePage(to))
        return false;
    if (to == 65001 && (DecodeSingleByteToUtf8(from, p, n, out) || DecodeMultiByteToUtf8(from, p, n, out)))
        return true;
    DataBuffer temp;
    temp.EnsureCapacity(n * 2 + 4);
    // What the first stage could not decode is lost as surely as what the second cannot encode.
    m_firstStage = true;
    bool first = DecodeToUtf16(from, p, n, temp);
    m_firstStage = false;
    m_secondStage = true;
    out.EnsureCapacity(out.GetSize() + temp.GetSize() / 2 + 4);
    bool r = to == 65001 ? Utf16ToUtf8(temp.GetData(), temp.GetSize(), out)
                         : EncodeFromUtf16(to, temp.GetData(), temp.GetSize(), out);
    m_secondStage = false;
    return r && first;
}

bool EncodingConvert::DecodeToUtf16(unsigned long codePage, const unsigned char* bytes, unsigned long count,
                                    DataBuffer& out)
{
    const TableCodePage* page = FindTableCodePage(codePage);
    if (!page)
        return false;
    if (!bytes || !count)
        return true;
    EnsureDecodeTable(codePage);
    return page->doubleByte ? DecodeMultiByte(codePage, bytes, count, out)
                            : DecodeSingleByte(codePage, bytes, count, out);
}

bool EncodingConvert::EncodeFromUtf16(unsigned long codePage, const unsigned char* bytes, unsigned long count,
                                      DataBuffer& out)
{
    if (!FindTableCodePage(codePage))
        return false;
    if (!bytes || !count)
        return true;
    EnsureEncodeTable(codePage);
    return EncodeByTable(codePage, bytes, count, out);
}

namespace
{
// Collects output in a block on the stack so that long runs cost few buffer appends; anything that
// writes to the buffer directly (the error actions) takes it through Flushed() to keep the order.
class Sink
{
public:
    explicit Sink(DataBuffer& out) : m_out(out), m_used(0) {}
    ~Sink() { Flush(); }
    void Byte(unsigned char b)
    {
        if (m_used == sizeof(m_block))
            Flush();
        m_block[m_used++] = b;
    }
    void Unit(unsigned short u)
    {
        if (m_used + 2 > sizeof(m_block))
            Flush();
        m_block[m_used++] = (unsigned char)u;
        m_block[m_used++] = (unsigned char)(u >> 8);
    }
    void Put(const unsigned char* p, unsigned long n)
    {
        if (m_used + n > sizeof(m_block))
            Flush();
        if (n > sizeof(m_block))
        {
            m_out.Append(p, n);
            return;
        }
        memcpy(m_block + m_used, p, n);
        m_used += n;
    }
    DataBuffer& Flushed()
    {
        Flush();
        return m_out;
    }
    void Flush()
    {
        if (m_used)
            m_out.Append(m_block, m_used);
        m_used = 0;
    }

private:
    DataBuffer& m_out;
    unsigned char m_block[4096];
    unsigned long m_used;
};
} // namespace

namespace
{
// Writes straight into the buffer's block: Room(k) makes sure that k more bytes fit, the loop then
// stores through At() without further checks and moves on with Advance; Done() sets the length.
class DirectOut
{
public:
    explicit DirectOut(DataBuffer& out) : m_out(out), m_at(nullptr), m_end(nullptr)
    {
        Refresh(out.GetSize());
    }
    bool Room(unsigned long k)
    {
        if ((unsigned long)(m_end - m_at) >= k)
            return true;
        unsigned long used = Used();
        if (k > 0x7FFFFFFFUL - used)
            return false;
        unsigned long more = used / 2 > k ? used / 2 : k;
        if (more > 0x7FFFFFFFUL - used - 64)
            more = k;
        m_out.SetSize(used);
        if (!m_out.EnsureCapacity(used + more + 64))
            return false;
        Refresh(used);
        return true;
    }
    unsigned char* At() const { return m_at; }
    void MoveTo(unsigned char* at) { m_at = at; }
    void Done() { m_out.SetSize(Used()); }

private:
    unsigned long Used() const { return m_out.GetData() ? (unsigned long)(m_at - m_out.GetData()) : 0; }
    void Refresh(unsigned long used)
    {
        unsigned char* data = m_out.GetData();
        m_at = data ? data + used : nullptr;
        m_end = data ? data + m_out.GetCapacity() : nullptr;
    }

    DataBuffer& m_out;
    unsigned char* m_at;
    unsigned char* m_end;
};

// Runs of ASCII text are copied a machine word at a time.
typedef size_t Word;
const Word kHighBits = (Word)-1 / 255 * 0x80;
inline bool LoadAscii(const unsigned char* p, Word& word)
{
    memcpy(&word, p, sizeof word);
    return (word & kHighBits) == 0;
}
// Input bytes handled between two checks of the output's room.
const unsigned long kBlock = 4096;

// The two-byte entries of a hashed table laid out flat, one slot per two-byte key, so that long
// texts cost one array read per character instead of a hash and a bucket walk. A slot's length is
// 0 when the table has no such key, kLongValue when its value is not of the usual length (the
// hashed table answers those), else the value's length. Built from the table the first time a
// conversion uses it, and built again if the cache ever holds another table for the page.
const unsigned char kLongValue = 0xFF;
// An encode table is indexed by the UTF-16 unit; a decode table by the first byte of the pair
// times 256 plus the second, so that the characters of one lead byte lie side by side.
struct FlatTable
{
    const HashConvert* source;
    unsigned int maxKeyLength;
    // No two-byte key begins with a byte below 0x80, so such a byte never starts a pair.
    bool asciiLeadsAlone;
    unsigned char length[65536];
    unsigned char value[65536][2];
    // The one-byte keys: the value's length (kLongValue when not of the usual length) and bytes.
    unsigned char oneLength[256];
    unsigned char oneValue[256][2];
};

const FlatTable* Flatten(FlatTable*& slot, const HashConvert* map, bool decode)
{
    if (slot && slot->source == map)
        return slot;
    delete slot;
    slot = new (std::nothrow) FlatTable;
    if (!slot)
        return nullptr;
    slot->source = map;
    slot->maxKeyLength = map->GetMaxKeyLength();
    unsigned char value[256];
    unsigned int valueLen;
    for (unsigned int k = 0; k < 65536; k++)
    {
        unsigned char key[2] = {(unsigned char)(decode ? k >> 8 : k), (unsigned char)(decode ? k : k >> 8)};
        map->Lookup(key, 2, value, &valueLen);
        slot->length[k] = valueLen > 2 ? kLongValue : (unsigned char)valueLen;
        if (valueLen && valueLen <= 2)
            memcpy(slot->value[k], value, valueLen);
    }
    slot->asciiLeadsAlone = true;
    for (unsigned int k = 0; k < 65536 && slot->asciiLeadsAlone; k++)
        if ((decode ? k >> 8 : k & 0xFF) < 0x80 && slot->length[k])
            slot->asciiLeadsAlone = false;
    for (unsigned int b = 0; b < 256; b++)
    {
        unsigned char key = (unsigned char)b;
        map->Lookup(&key, 1, value, &valueLen);
        slot->oneLength[b] = valueLen > 2 ? kLongValue : (unsigned char)valueLen;
        if (valueLen && valueLen <= 2)
            memcpy(slot->oneValue[b], value, valueLen);
    }
    return slot;
}

const int kFlatPages = 16;
struct FlatCache
{
    unsigned long codePage[kFlatPages];
    FlatTable* decode[kFlatPages];
    FlatTable* encode[kFlatPages];
} s_flat;

FlatTable** FlatSlot(unsigned long codePage, bool encode)
{
    for (int i = 0; i < kFlatPages; i++)
        if (s_flat.codePage[i] == codePage || !s_flat.codePage[i])
        {
            s_flat.codePage[i] = codePage;
            return encode ? &s_flat.encode[i] : &s_flat.decode[i];
        }
    return nullptr;
}

const FlatTable* FlatDecode(unsigned long codePage, const HashConvert* map)
{
    FlatTable** slot = FlatSlot(codePage, false);
    return slot ? Flatten(*slot, map, true) : nullptr;
}

const FlatTable* FlatEncode(unsigned long codePage, const HashConvert* map)
{
    FlatTable** slot = FlatSlot(codePage, true);
    return slot ? Flatten(*slot, map, false) : nullptr;
}
} // namespace

bool EncodingConvert::DecodeSingleByte(unsigned long codePage, const unsigned char* p, unsigned long n,
                                       DataBuffer& out)
{
    Sink sink(out);
    UnicodeLookup* lookup = CachedDecodeLookup(codePage);
    if (!lookup)
        return false;
    bool ok = true;
    for (unsigned long i = 0; i < n; i++)
    {
        if (p[i] == 0)
        {
            sink.Unit(0);
            continue;
        }
        unsigned short unit = lookup->m_units[p[i]];
        if (unit)
            sink.Unit(unit);
        else
        {
            ok = false;
            ErrorItem(p + i, 1, m_fromCodePage ? m_fromCodePage : codePage, sink.Flushed());
        }
    }
    return ok;
}

// A single-byte page to UTF-8 in one pass, for text in which every byte has a character: what the
// two stages give for such text, without the UTF-16 between them. Text with a byte the page lacks,
// or with U+EFFD (which the second stage could take for the start of a marked run), is left to the
// two stages: false, with out as it was.
bool EncodingConvert::DecodeSingleByteToUtf8(unsigned long codePage, const unsigned char* p, unsigned long n,
                                             DataBuffer& out)
{
    const TableCodePage* page = FindTableCodePage(codePage);
    if (!page || page->doubleByte)
        return false;
    EnsureDecodeTable(codePage);
    UnicodeLookup* lookup = CachedDecodeLookup(codePage);
    if (!lookup)
        return false;
    unsigned char bytes[256][3], lengths[256];
    bool asciiSame = true; // bytes 0 to 127 stand for themselves
    for (int b = 0; b < 256; b++)
    {
        unsigned short unit = lookup->m_units[b];
        if ((!unit && b) || unit == 0xEFFD)
            lengths[b] = 0;
        else
            lengths[b] = (unsigned char)EncodeUtf8Unit(unit, bytes[b]);
        if (b < 128 && unit != b)
            asciiSame = false;
    }
    unsigned long before = out.GetSize();
    out.EnsureCapacity(before + n + n / 8 + 16);
    DirectOut w(out);
    unsigned long i = 0;
    while (i < n)
    {
        unsigned long end = n - i > kBlock ? i + kBlock : n;
        // Each byte gives at most three.
        if (!w.Room((end - i) * 3))
            break;
        unsigned char* o = w.At();
        while (i < end)
        {
            if (asciiSame && p[i] < 0x80)
            {
                Word word;
                while (end - i >= sizeof(Word) && LoadAscii(p + i, word))
                {
                    memcpy(o, &word, sizeof word);
                    o += sizeof word;
                    i += sizeof word;
                }
                if (i == end)
                    break;
            }
            unsigned char length = lengths[p[i]];
            if (!length)
                break;
            o[0] = bytes[p[i]][0];
            o[1] = bytes[p[i]][1];
            o[2] = bytes[p[i]][2];
            o += length;
            i++;
        }
        w.MoveTo(o);
        if (i < end)
            break;
    }
    if (i < n)
    {
        out.SetSize(before);
        return false;
    }
    w.Done();
    return true;
}

// UTF-8 to a table page in one pass, for text that is all well-formed and all in the page: what
// the two stages give for such text. Anything else goes the way of the two stages: false, with out
// as it was.
bool EncodingConvert::Utf8ToTableDirect(unsigned long codePage, const unsigned char* p, unsigned long n,
                                        DataBuffer& out)
{
    if (!FindTableCodePage(codePage))
        return false;
    EnsureEncodeTable(codePage);
    HashConvert* map = CachedEncodeTable(codePage);
    if (!map)
        return false;
    const FlatTable* flat = FlatEncode(codePage, map);
    if (!flat)
        return false;
    const bool ascii = map->m_asciiIdentity;
    unsigned long before = out.GetSize();
    out.EnsureCapacity(before + n + 16);
    DirectOut w(out);
    bool whole = true;
    unsigned long i = 0;
    while (i < n && whole)
    {
        unsigned long end = n - i > kBlock ? i + kBlock : n;
        // A character of k bytes gives at most two (one for k = 1); the last one may end past end.
        if (!w.Room((end - i) * 2 + 8))
        {
            whole = false;
            break;
        }
        unsigned char* o = w.At();
        while (i < end)
        {
            if (p[i] < 0x80 && ascii)
            {
                // A run of ASCII text: whole words while they last, then byte by byte.
                Word word;
                while (end - i >= sizeof(Word) && LoadAscii(p + i, word))
                {
                    memcpy(o, &word, sizeof word);
                    o += sizeof word;
                    i += sizeof word;
                }
                if (i < end && p[i] < 0x80)
                    *o++ = p[i++];
                continue;
            }
            // Runs of three-byte characters with two-byte codes in the page, the bulk of text
            // in a double-byte page, decoded here as the codec decodes them.
            bool run = false;
            while (i < end && n - i >= 3)
            {
                unsigned int b0 = p[i];
                if (b0 - 0xE1u > 0x0Eu)
                    break;
                unsigned int b1 = p[i + 1] ^ 0x80u, b2 = p[i + 2] ^ 0x80u;
                if ((b1 | b2) >= 0x40)
                    break;
                unsigned int code = ((b0 & 0x0Fu) << 12) | (b1 << 6) | b2;
                if (flat->length[code] != 2 || code == 0xEFFD)
                    break;
                memcpy(o, flat->value[code], 2);
                o += 2;
                i += 3;
                run = true;
            }
            if (run)
                continue;
            unsigned short decoded = 0;
            int used = DecodeUtf8Unit(p + i, n - i, &decoded);
            unsigned int unit = decoded;
            if (used <= 0 || unit == 0xEFFD)
            {
                whole = false;
                break;
            }
            if (unit < 128 && ascii)
            {
                *o++ = (unsigned char)unit;
                i += (unsigned long)used;
                continue;
            }
            unsigned char length = flat->length[unit];
            if (length && length != kLongValue)
            {
                o[0] = flat->value[unit][0];
                o[1] = flat->value[unit][1];
                o += length;
            }
            else if (!length && unit == 0)
                *o++ = 0;
            else
            {
                // Not in the page, or a value of unusual length: the two stages decide.
                whole = false;
                break;
            }
            i += (unsigned long)used;
        }
        w.MoveTo(o);
    }
    if (!whole)
    {
        out.SetSize(before);
        return false;
    }
    w.Done();
    return true;
}

// A double-byte page to UTF-8 in one pass, under the same terms as the single-byte one: every
// character found with keys of at most two bytes, each one UTF-16 unit, none of them U+EFFD.
bool EncodingConvert::DecodeMultiByteToUtf8(unsigned long codePage, const unsigned char* p, unsigned long n,
                                            DataBuffer& out)
{
    const TableCodePage* page = FindTableCodePage(codePage);
    if (!page || !page->doubleByte)
        return false;
    EnsureDecodeTable(codePage);
    HashConvert* map = CachedDecodeMap(codePage);
    if (!map)
        return false;
    const FlatTable* flat = FlatDecode(codePage, map);
    if (!flat || flat->maxKeyLength > 2)
        return false;
    const bool ascii = map->m_asciiIdentity;
    // A run of bytes below 0x80 is copied as it stands when none of them can begin a pair.
    const bool asciiRuns = ascii && flat->asciiLeadsAlone;
    unsigned long before = out.GetSize();
    out.EnsureCapacity(before + n + n / 2 + 16);
    DirectOut w(out);
    bool whole = true;
    unsigned long i = 0;
    while (i < n && whole)
    {
        unsigned long end = n - i > kBlock ? i + kBlock : n;
        // One byte gives at most three, a pair three; the last pair may end past end.
        if (!w.Room((end - i) * 3 + 8))
        {
            whole = false;
            break;
        }
        unsigned char* o = w.At();
        while (i < end)
        {
            if (asciiRuns && p[i] < 0x80)
            {
                Word word;
                bool any = false;
                while (end - i >= sizeof(Word) && LoadAscii(p + i, word))
                {
                    memcpy(o, &word, sizeof word);
                    o += sizeof word;
                    i += sizeof word;
                    any = true;
                }
                if (any)
                    continue;
            }
            // Runs of pairs for characters of three UTF-8 bytes, the bulk of such text.
            bool run = false;
            while (i < end && i + 1 < n)
            {
                unsigned int k = (p[i] << 8) | p[i + 1];
                if (flat->length[k] != 2)
                    break;
                unsigned int code = flat->value[k][0] | (flat->value[k][1] << 8);
                if (code < 0x800 || code == 0xEFFD)
                    break;
                o[0] = (unsigned char)(0xE0 | (code >> 12));
                o[1] = (unsigned char)(0x80 | ((code >> 6) & 0x3F));
                o[2] = (unsigned char)(0x80 | (code & 0x3F));
                o += 3;
                i += 2;
                run = true;
            }
            if (run)
                continue;
            unsigned short unit;
            if (i + 1 < n)
            {
                unsigned int k = (p[i] << 8) | p[i + 1];
                unsigned char length = flat->length[k];
                if (length == 2)
                {
                    unit = (unsigned short)(flat->value[k][0] | (flat->value[k][1] << 8));
                    if (unit == 0xEFFD)
                    {
                        whole = false;
                        break;
                    }
                    o += EncodeUtf8Unit(unit, o);
                    i += 2;
                    continue;
                }
                if (length)
                {
                    whole = false;
                    break;
                }
            }
            if (p[i] == 0 || (p[i] < 128 && ascii))
            {
                *o++ = p[i++];
                continue;
            }
            if (flat->oneLength[p[i]] != 2)
            {
                whole = false;
                break;
            }
            unit = (unsigned short)(flat->oneValue[p[i]][0] | (flat->oneValue[p[i]][1] << 8));
            if (unit == 0xEFFD)
            {
                whole = false;
                break;
            }
            o += EncodeUtf8Unit(unit, o);
            i++;
        }
        w.MoveTo(o);
    }
    if (!whole)
    {
        out.SetSize(before);
        return false;
    }
    w.Done();
    return true;
}

bool EncodingConvert::DecodeMultiByte(unsigned long codePage, const unsigned char* p, unsigned long n,
                                      DataBuffer& out)
{
    Sink sink(out);
    HashConvert* map = CachedDecodeMap(codePage);
    if (!map)
        return false;
    const FlatTable* flat = FlatDecode(codePage, map);
    bool ok = true;
    unsigned char value[256];
    unsigned int valueLen;
    unsigned long i = 0;
    while (i < n)
    {
        bool last = i + 1 == n;
        if (!last)
        {
            unsigned int firstKeyLen = 2, lastKeyLen = 4;
            if (flat)
            {
                unsigned int k = (p[i] << 8) | p[i + 1];
                unsigned char length = flat->length[k];
                if (length && length != kLongValue)
                {
                    sink.Put(flat->value[k], length);
                    i += 2;
                    continue;
                }
                if (!length)
                    firstKeyLen = 3; // the two-byte key is known to be absent
                if (flat->maxKeyLength < lastKeyLen)
                    lastKeyLen = flat->maxKeyLength;
            }
            bool hit = false;
            for (unsigned int keyLen = firstKeyLen; keyLen <= lastKeyLen && i + keyLen <= n; keyLen++)
            {
                map->Lookup(p + i, keyLen, value, &valueLen);
                if (valueLen)
                {
                    sink.Put(value, valueLen);
                    i += keyLen;
                    hit = true;
                    break;
                }
            }
            if (hit)
                continue;
        }
        if (p[i] == 0)
        {
            sink.Unit(0);
            i++;
            continue;
        }
        if (p[i] < 128 && map->m_asciiIdentity)
        {
            sink.Unit(p[i]);
            i++;
            continue;
        }
        map->Lookup(p + i, 1, value, &valueLen);
        if (valueLen)
        {
            sink.Put(value, valueLen);
            i++;
            continue;
        }
        ok = false;
        if (m_errorAction == 0)
        {
            i++;
            continue;
        }
        unsigned long itemLen = (IsDoubleByteLeadPage(m_fromCodePage) && !last) ? 2 : 1;
        ErrorItem(p + i, itemLen, m_fromCodePage ? m_fromCodePage : codePage, sink.Flushed());
        i += itemLen;
    }
    return ok;
}

bool EncodingConvert::EncodeByTable(unsigned long codePage, const unsigned char* p, unsigned long n,
                                    DataBuffer& out)
{
    Sink sink(out);
    HashConvert* map = CachedEncodeTable(codePage);
    if (!map)
        return false;
    if (n < 2)
        return false;
    const FlatTable* flat = FlatEncode(codePage, map);
    // Marked runs may leave the stream at an odd length, so the odd last byte is only dropped
    // when the loop meets it.
    bool ok = true;
    unsigned char value[256];
    unsigned int valueLen;
    unsigned long i = 0;
    const bool marks = TakesMarks();
    while (i + 2 <= n || (marks && i + 3 <= n))
    {
        if (marks && i + 3 <= n && p[i] == kMark0 && p[i + 1] == kMark1 && p[i + 2] < kMaxMarked)
        {
            unsigned long len = p[i + 2];
            if (i + 3 + len <= n)
            {
                sink.Put(p + i + 3, len);
                i += 3 + len;
                continue;
            }
        }
        if (i + 2 > n)
            break;
        unsigned short unit = (unsigned short)(p[i] | (p[i + 1] << 8));
        if (unit < 128 && map->m_asciiIdentity)
        {
            sink.Byte((unsigned char)unit);
            i += 2;
            continue;
        }
        unsigned char length = flat ? flat->length[unit] : kLongValue;
        if (length && length != kLongValue)
        {
            sink.Put(flat->value[unit], length);
            i += 2;
            continue;
        }
        if (length)
            map->Lookup(p + i, 2, value, &valueLen);
        else
            valueLen = 0;
        if (valueLen)
            sink.Put(value, valueLen);
        else if (unit == 0)
            sink.Byte(0);
        else
        {
            ok = false;
            if (m_secondStage)
                ErrorUnitSecondStage(unit, sink.Flushed());
            else
                ErrorItem(p + i, 2, 1200, sink.Flushed());
        }
        i += 2;
    }
    return ok;
}

bool EncodingConvert::Utf8ToUtf16(const unsigned char* p, unsigned long n, DataBuffer& out)
{
    Sink sink(out);
    bool ok = true;
    unsigned long i = 0;
    while (i < n)
    {
        unsigned short unit = 0;
        int used = DecodeUtf8Unit(p + i, n - i, &unit);
        if (used > 0)
        {
            sink.Unit(unit);
            i += used;
        }
        else if (used == -1 || used == -2)
        {
            ok = false;
            if (m_errorAction == 0)
            {
                i++;
                continue;
            }
            unsigned long len = (unsigned long)Utf8SequenceLength(p + i, n - i);
            if (!len)
                len = 1;
            ErrorItem(p + i, len, 65001, sink.Flushed());
            i += len;
        }
        else
            i += (unsigned long)(-2 - used);
    }
    return ok;
}

bool EncodingConvert::Utf16ToUtf8(const unsigned char* p, unsigned long n, DataBuffer& out)
{
    Sink sink(out);
    if (n == 1)
        return false;
    // Marked runs may leave the stream at an odd length, so the odd last byte is only dropped
    // when the loop meets it.
    bool ok = (n & 1) == 0 || TakesMarks();
    unsigned long i = 0;
    const bool marks = TakesMarks();
    while (i + 2 <= n || (marks && i + 3 <= n))
    {
        if (marks && i + 3 <= n && p[i] == kMark0 && p[i + 1] == kMark1 && p[i + 2] < kMaxMarked)
        {
            unsigned long len = p[i + 2];
            if (i + 3 + len <= n)
            {
                sink.Put(p + i + 3, len);
                i += 3 + len;
                continue;
            }
        }
        if (i + 2 > n)
            break;
        unsigned short unit = (unsigned short)(p[i] | (p[i + 1] << 8));
        // The codec encodes every unit (a lone surrogate as three bytes too), so nothing fails here.
        unsigned char bytes[3];
        sink.Put(bytes, (unsigned long)EncodeUtf8Unit(unit, bytes));
        i += 2;
    }
    return ok;
}

bool EncodingConvert::Utf8ToUtf8(const unsigned char* p, unsigned long n, DataBuffer& out)
{
    Sink sink(out);
    bool ok = true;
    unsigned long i = 0;
    while (i < n)
    {
        unsigned short unit = 0;
        int used = DecodeUtf8Unit(p + i, n - i, &unit);
        if (used > 0)
        {
            unsigned char bytes[3];
            sink.Put(bytes, (unsigned long)EncodeUtf8Unit(unit, bytes));
            i += used;
        }
        else if (used == -1 || used == -2)
        {
            ok = false;
            if (m_errorAction == 0)
            {
                i++;
                continue;
            }
            unsigned long len = (unsigned long)Utf8SequenceLength(p + i, n - i);
            if (!len)
                len = 1;
            ErrorItem(p + i, len, 65001, sink.Flushed());
            i += len;
        }
        else
            i += (unsigned long)(-2 - used);
    }
    return ok;
}
