// Unicode forms: the UTF-8 codec, UTF-8 legality, UTF-8 <-> UTF-32 and UTF-7 <-> UTF-16.
#ifndef VELMORA_UNICODEFORMS_H
#define VELMORA_UNICODEFORMS_H
#include "DataBuffer.h"

class ConvertState
{
public:
    virtual ~ConvertState() {}
    unsigned long m_state = 0;
};

class EncodingBase
{
public:
    virtual ~EncodingBase() {}
    // Bytes used (1 or more) with one unit stored; -1 illegal; -2 truncated; n < -2 skip (-2 - n) bytes.
    virtual int Decode(ConvertState& state, const unsigned char* input, unsigned long available,
                       unsigned short* unit) = 0;
    // Bytes appended, or -1 when the unit cannot be encoded.
    virtual int Encode(ConvertState& state, unsigned short unit, DataBuffer& out) = 0;
    virtual bool ReportsSequences() = 0;
};

class EncodingUtf8 : public EncodingBase
{
public:
    int Decode(ConvertState& state, const unsigned char* input, unsigned long available,
               unsigned short* unit) override;
    int Encode(ConvertState& state, unsigned short unit, DataBuffer& out) override;
    bool ReportsSequences() override { return true; }
};

// The codec's work on one unit, for loops that convert long texts without a call per unit.
// Decode: as EncodingUtf8::Decode. Encode: writes 1 to 3 bytes to b and returns how many.
inline int DecodeUtf8Unit(const unsigned char* p, unsigned long available, unsigned short* unit)
{
    if (!available)
        return -2;
    unsigned char lead = p[0];
    if (lead < 0x80)
    {
        *unit = lead;
        return 1;
    }
    if (lead < 0xC2)
        return -1;
    if (lead < 0xE0)
    {
        if (available < 2)
            return -2;
        if (p[1] < 0x80 || p[1] > 0xBF)
            return -1;
        *unit = (unsigned short)(((lead & 0x1F) << 6) | (p[1] & 0x3F));
        return 2;
    }
    if (lead < 0xF0)
    {
        if (available < 3)
            return -2;
        if (p[1] < 0x80 || p[1] > 0xBF || p[2] < 0x80 || p[2] > 0xBF)
            return -1;
        if (lead == 0xE0 && p[1] < 0xA0)
            return -1;
        *unit = (unsigned short)(((lead & 0x0F) << 12) | ((p[1] & 0x3F) << 6) | (p[2] & 0x3F));
        return 3;
    }
    return -1;
}

inline int EncodeUtf8Unit(unsigned short unit, unsigned char* b)
{
    if (unit < 0x80)
    {
        b[0] = (unsigned char)unit;
        return 1;
    }
    if (unit < 0x800)
    {
        b[0] = (unsigned char)(0xC0 | (unit >> 6));
        b[1] = (unsigned char)(0x80 | (unit & 0x3F));
        return 2;
    }
    b[0] = (unsigned char)(0xE0 | (unit >> 12));
    b[1] = (unsigned char)(0x80 | ((unit >> 6) & 0x3F));
    b[2] = (unsigned char)(0x80 | (unit & 0x3F));
    return 3;
}

// The one process-wide UTF-8 codec.
EncodingUtf8& SharedUtf8Codec();

bool IsLegalUtf8(const unsigned char* p, int length);
int Utf8SequenceLength(const unsigned char* p, unsigned long available);
bool Utf8ToUtf32LE(const DataBuffer& in, DataBuffer& out);
bool Utf8ToUtf32BE(const DataBuffer& in, DataBuffer& out);
bool Utf32ToUtf8(const DataBuffer& in, DataBuffer& out);
bool Utf16ToUtf7(const DataBuffer& in, DataBuffer& out);
bool Utf7ToUtf16(const DataBuffer& in, DataBuffer& out);

#endif // VELMORA_UNICODEFORMS_H
