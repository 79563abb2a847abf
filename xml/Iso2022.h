// The stateful 7-bit encodings: ISO-2022-JP <-> Shift-JIS and ISO-2022-KR <-> code page 949.
#ifndef VELMORA_ISO2022_H
#define VELMORA_ISO2022_H
#include "DataBuffer.h"

class Japanese
{
public:
    virtual ~Japanese() {}
    void JapaneseDecode(const unsigned char* p, unsigned long n, DataBuffer& out);
    void JapaneseEncode(const unsigned char* p, unsigned long n, DataBuffer& out);
    // Full-width Shift-JIS code of a half-width katakana byte; *used = following bytes consumed (0 or 1).
    static unsigned short HalfwidthKanaToFullwidth(unsigned char b, const unsigned char* next,
                                                   unsigned long nextCount, int* used);
};

class Korean
{
public:
    virtual ~Korean() {}
    void KoreanDecode(const unsigned char* p, unsigned long n, DataBuffer& out);
    void KoreanEncode(const unsigned char* p, unsigned long n, DataBuffer& out);
};

#endif // VELMORA_ISO2022_H
