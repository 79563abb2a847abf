// MD5 (with its context routines) and the ZIP CRC-32 with a text-or-binary verdict.
#ifndef VELMORA_DIGESTS_H
#define VELMORA_DIGESTS_H
#include "XmlDefs.h"

class StringBuffer;

struct Md5Context
{
    unsigned long state[4];
    unsigned long count[2]; // bit count, low word first
    unsigned char buffer[64];
};

class HmacMD5
{
public:
    virtual ~HmacMD5() {}
    static void Md5Init(Md5Context* ctx);
    static void Md5Update(Md5Context* ctx, const unsigned char* data, unsigned long count);
    static void Md5Final(Md5Context* ctx, unsigned char digest[16]);
};

class DigestMD5
{
public:
    virtual ~DigestMD5() {}
    void Digest(const StringBuffer& text, unsigned char digest[16]);
    static void DigestBytes(const void* data, unsigned long count, unsigned char digest[16]);
};

class ZipCRC
{
public:
    ZipCRC();
    virtual ~ZipCRC() {}
    unsigned long Crc(const void* data, unsigned long count, unsigned short* binary = nullptr);
};

#endif // VELMORA_DIGESTS_H
