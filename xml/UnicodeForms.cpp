// Unicode forms after the consortium's reference conversion and RFC 2152.
#include "UnicodeForms.h"
#include <string.h>

static EncodingUtf8 s_utf8Codec;

EncodingUtf8& SharedUtf8Codec()
{
    return s_utf8Codec;
}

static const unsigned char kTrailing[256] = {
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
    2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5};
static const unsigned long kOffsets[6] = {0x00000000UL, 0x00003080UL, 0x000E2080UL,
                                          0x03C82080UL, 0xFA082080UL, 0x82082080UL};
static const unsigned char kFirstByteMark[7] = {0x00, 0x00, 0xC0, 0xE0, 0xF0, 0xF8, 0xFC};

int EncodingUtf8::Decode(ConvertState&, const unsigned char* p, unsigned long available, unsigned short* unit)
{
    return DecodeUtf8Unit(p, available, unit);
}

int EncodingUtf8::Encode(ConvertState&, unsigned short unit, DataBuffer& out)
{
    unsigned char b[3];
    int n = EncodeUtf8Unit(unit, b);
    out.Append(b, n);
    return n;
}

bool IsLegalUtf8(const unsigned char* p, int length)
{
    if (length < 1 || length > 4)
        return false;
    if (length == 4 && (p[3] < 0x80 || p[3] > 0xBF))
        return false;
    if (length >= 3 && (p[2] < 0x80 || p[2] > 0xBF))
        return false;
    if (length >= 2)
    {
        unsigned char a = p[1];
        if (a > 0xBF)
            return false;
        switch (p[0])
        {
        case 0xE0:
            if (a < 0xA0)
                return false;
            break;
        case 0xF0:
            if (a < 0x90)
                return false;
            break;
        case 0xF4:
            if (a > 0x8F)
                return false;
            break;
        default:
            if (a < 0x80)
                return false;
            break;
        }
    }
    if (p[0] >= 0x80 && p[0] < 0xC2)
        return false;
    if (p[0] > 0xF4)
        return false;
    return true;
}

int Utf8SequenceLength(const unsigned char* p, unsigned long available)
{
    if (!p || !available)
        return 0;
    int length = kTrailing[p[0]] + 1;
    if ((unsigned long)length > available)
        return (int)available;
    return IsLegalUtf8(p, length) ? length : 1;
}

static bool Utf8ToUtf32(const DataBuffer& in, DataBuffer& out, bool bigEndian)
{
    const unsigned char* p = in.GetData();
    unsigned long n = in.GetSize();
    if (!p || !n)
        return true;
    unsigned long i = 0;
    while (i < n)
    {
        int trailing = kTrailing[p[i]];
        if (i + trailing >= n || !IsLegalUtf8(p + i, trailing + 1))
            return false;
        unsigned long value = 0;
        for (int k = 0; k <= trailing; k++)
        {
            value += p[i + k];
            if (k < trailing)
                value <<= 6;
        }
        value -= kOffsets[trailing];
        i += trailing + 1;
        if (value > 0x7FFFFFFFUL)
            value = 0xFFFD;
        unsigned char b[4];
        for (int k = 0; k < 4; k++)
            b[bigEndian ? 3 - k : k] = (unsigned char)(value >> (8 * k));
        out.Append(b, 4);
    }
    return true;
}

bool Utf8ToUtf32LE(const DataBuffer& in, DataBuffer& out)
{
    return Utf8ToUtf32(in, out, false);
}
bool Utf8ToUtf32BE(const DataBuffer& in, DataBuffer& out)
{
    return Utf8ToUtf32(in, out, true);
}

bool Utf32ToUtf8(const DataBuffer& in, DataBuffer& out)
{
    const unsigned char* p = in.GetData();
    unsigned long n = in.GetSize();
    if (!p || !n)
        return true;
    if (n < 4)
        return false;
    for (unsigned long i = 0; i + 4 <= n; i += 4)
    {
        unsigned long value = p[i] | (p[i + 1] << 8) | (p[i + 2] << 16) | ((unsigned long)p[i + 3] << 24);
        int length;
        if (value < 0x80)
            length = 1;
        else if (value < 0x800)
            length = 2;
        else if (value < 0x10000)
            length = 3;
        else if (value < 0x200000)
            length = 4;
        else
        {
            value = 0xFFFD;
            length = 3;
        }
        unsigned char b[4];
        for (int k = length - 1; k > 0; k--)
        {
            b[k] = (unsigned char)(0x80 | (value & 0x3F));
            value >>= 6;
        }
        b[0] = (unsigned char)(value | kFirstByteMark[length]);
        out.Append(b, length);
    }
    return true;
}

// ---------------------------------------------------------------- UTF-7

static const char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
static const char kDirect[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789'(),-./:?";
static const char kSpaces[] = " \t\r\n";
static const char kOptional[] = "!\"#$%&*;<=>@[]^_`{|}";
static bool s_utf7Built = false;
static signed char s_invBase64[128];
static bool s_needsBase64[128];
static bool s_direct[128];
static bool s_optional[128];

static void BuildUtf7Tables()
{
    if (s_utf7Built)
        return;
    memset(s_invBase64, -1, sizeof(s_invBase64));
    for (int i = 0; i < 64; i++)
        s_invBase64[(unsigned char)kBase64[i]] = (signed char)i;
    for (int i = 0; i < 128; i++)
        s_needsBase64[i] = true;
    for (const char* p = kDirect; *p; p++)
        s_direct[(unsigned char)*p] = true;
    for (const char* p = kSpaces; *p; p++)
        s_direct[(unsigned char)*p] = true;
    for (const char* p = kOptional; *p; p++)
        s_optional[(unsigned char)*p] = true;
    for (int i = 0; i < 128; i++)
        if (s_direct[i])
            s_needsBase64[i] = false;
    s_utf7Built = true;
}

bool Utf16ToUtf7(const DataBuffer& in, DataBuffer& out)
{
    const unsigned char* p = in.GetData();
    unsigned long n = in.GetSize();
    if (!p || n < 2)
        return true;
    BuildUtf7Tables();
    unsigned long i = 0;
    if ((p[0] | (p[1] << 8)) == 0xFEFF)
        i = 2;
    unsigned long bits = 0;
    int bitCount = 0;
    bool base64 = false;
    for (; i + 2 <= n; i += 2)
    {
        unsigned short unit = (unsigned short)(p[i] | (p[i + 1] << 8));
        bool needs = unit > 127 || s_needsBase64[unit];
        if (needs)
        {
            if (!base64)
            {
                out.AppendByte('+');
                if (unit == '+')
                {
                    out.AppendByte('-');
                    continue;
                }
                base64 = true;
            }
            bits = (bits << 16) | unit;
            bitCount += 16;
            while (bitCount >= 6)
            {
                bitCount -= 6;
                out.AppendByte(kBase64[(bits >> bitCount) & 0x3F]);
            }
        }
        else
        {
            if (base64)
            {
                if (bitCount)
                {
                    out.AppendByte(kBase64[(bits << (6 - bitCount)) & 0x3F]);
                    bitCount = 0;
                }
                out.AppendByte('-');
                base64 = false;
            }
            out.AppendByte((unsigned char)unit);
        }
    }
    if (base64)
    {
        if (bitCount)
            out.AppendByte(kBase64[(bits << (6 - bitCount)) & 0x3F]);
        out.AppendByte('-');
    }
    return true;
}

static void AppendUnit(DataBuffer& out, unsigned short unit)
{
    unsigned char b[2] = {(unsigned char)unit, (unsigned char)(unit >> 8)};
    out.Append(b, 2);
}

bool Utf7ToUtf16(const DataBuffer& in, DataBuffer& out)
{
    const unsigned char* p = in.GetData();
    unsigned long n = in.GetSize();
    if (!p || !n)
        return true;
    BuildUtf7Tables();
    bool ok = true;
    bool base64 = false;
    bool wrote = false;
    bool justOpened = false;
    unsigned long bits = 0;
    int bitCount = 0;
    for (unsigned long i = 0; i <= n; i++)
    {
        bool end = i == n;
        unsigned char c = end ? 0 : p[i];
        if (base64)
        {
            if (!end && c < 128 && s_invBase64[c] >= 0)
            {
                bits = (bits << 6) | (unsigned long)s_invBase64[c];
                bitCount += 6;
                justOpened = false;
                if (bitCount >= 16)
                {
                    bitCount -= 16;
                    AppendUnit(out, (unsigned short)(bits >> bitCount));
                    wrote = true;
                }
                continue;
            }
            // The run ends here.
            bool absorbed = !end && (c == '-' || c == '+');
            if (!end && c == '-' && justOpened)
            {
                AppendUnit(out, '+');
                wrote = true;
            }
            else if (!wrote)
                ok = false;
            if (bitCount && (bits & ((1UL << bitCount) - 1)))
                ok = false;
            base64 = false;
            bitCount = 0;
            bits = 0;
            if (absorbed || end)
                continue;
        }
        if (end)
            break;
        if (c == '+')
        {
            base64 = true;
            wrote = false;
            justOpened = true;
            bits = 0;
            bitCount = 0;
            continue;
        }
        if (c > 127)
            ok = false;
        AppendUnit(out, (unsigned short)(short)(signed char)c);
    }
    return ok;
}
