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
