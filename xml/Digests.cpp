// MD5 after its published definition and the CRC-32 of ISO 3309 / ZIP.
#include "Digests.h"
#include "StringBuffer.h"
#include <string.h>

// The per-step additive constants and rotations of RFC 1321.
static const unsigned long kMd5K[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391,
};
static const int kMd5S[64] = {7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22,
                              5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20,
                              4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23,
                              6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21};

static inline unsigned long Rotl(unsigned long x, int n)
{
    x &= 0xFFFFFFFFUL;
    return ((x << n) | (x >> (32 - n))) & 0xFFFFFFFFUL;
}

static void Md5Transform(unsigned long state[4], const unsigned char block[64])
{
    unsigned long x[16];
    for (int i = 0; i < 16; i++)
        x[i] = (unsigned long)block[i * 4] | ((unsigned long)block[i * 4 + 1] << 8) |
               ((unsigned long)block[i * 4 + 2] << 16) | ((unsigned long)block[i * 4 + 3] << 24);
    unsigned long a = state[0], b = state[1], c = state[2], d = state[3];
    for (int i = 0; i < 64; i++)
    {
        unsigned long f;
        int g;
        if (i < 16)
        {
            f = (b & c) | (~b & d);
            g = i;
        }
        else if (i < 32)
        {
            f = (b & d) | (c & ~d);
            g = (5 * i + 1) % 16;
        }
        else if (i < 48)
        {
            f = b ^ c ^ d;
            g = (3 * i + 5) % 16;
        }
        else
        {
            f = c ^ (b | ~d);
            g = (7 * i) % 16;
        }
        unsigned long next = d;
        d = c;
        c = b;
        b = (b + Rotl(a + f + kMd5K[i] + x[g], kMd5S[i])) & 0xFFFFFFFFUL;
        a = next;
    }
    state[0] = (state[0] + a) & 0xFFFFFFFFUL;
    state[1] = (state[1] + b) & 0xFFFFFFFFUL;
    state[2] = (state[2] + c) & 0xFFFFFFFFUL;
    state[3] = (state[3] + d) & 0xFFFFFFFFUL;
}

void HmacMD5::Md5Init(Md5Context* ctx)
{
    ctx->count[0] = ctx->count[1] = 0;
    ctx->state[0] = 0x67452301;
    ctx->state[1] = 0xefcdab89;
    ctx->state[2] = 0x98badcfe;
    ctx->state[3] = 0x10325476;
}

void HmacMD5::Md5Update(Md5Context* ctx, const unsigned char* data, unsigned long count)
{
    if (!data || !count)
        return;
    unsigned long index = (ctx->count[0] >> 3) & 0x3F;
    unsigned long bitsLow = ctx->count[0] + (count << 3);
    if (bitsLow < ctx->count[0])
        ctx->count[1]++;
    ctx->count[0] = bitsLow;
    ctx->count[1] += count >> 29;
    unsigned long partLen = 64 - index, i = 0;
    if (count >= partLen)
    {
        memcpy(ctx->buffer + index, data, partLen);
        Md5Transform(ctx->state, ctx->buffer);
        for (i = partLen; i + 63 < count; i += 64)
            Md5Transform(ctx->state, data + i);
        index = 0;
    }
    memcpy(ctx->buffer + index, data + i, count - i);
}

void HmacMD5::Md5Final(Md5Context* ctx, unsigned char digest[16])
{
    unsigned char bits[8];
    for (int i = 0; i < 8; i++)
        bits[i] = (unsigned char)(ctx->count[i / 4] >> ((i % 4) * 8));
    static const unsigned char padding[64] = {0x80};
    unsigned long index = (ctx->count[0] >> 3) & 0x3F;
    Md5Update(ctx, padding, index < 56 ? 56 - index : 120 - index);
    Md5Update(ctx, bits, 8);
    for (int i = 0; i < 16; i++)
        digest[i] = (unsigned char)(ctx->state[i / 4] >> ((i % 4) * 8));
    SecureZeroMemory(ctx, sizeof(*ctx));
}

void DigestMD5::DigestBytes(const void* data, unsigned long count, unsigned char digest[16])
{
    Md5Context ctx;
    HmacMD5::Md5Init(&ctx);
    HmacMD5::Md5Update(&ctx, static_cast<const unsigned char*>(data), count);
    HmacMD5::Md5Final(&ctx, digest);
}

void DigestMD5::Digest(const StringBuffer& text, unsigned char digest[16])
{
    DigestBytes(text.GetString(), text.GetLength(), digest);
}

static unsigned long s_crcTable[256];
static bool s_crcTableBuilt = false;

static unsigned long Reflect(unsigned long v, int bits)
{
    unsigned long r = 0;
    for (int i = 0; i < bits; i++)
        if (v & (1UL << i))
            r |= 1UL << (bits - 1 - i);
    return r;
}

ZipCRC::ZipCRC()
{
    if (s_crcTableBuilt)
        return;
    for (unsigned long i = 0; i < 256; i++)
    {
        unsigned long r = Reflect(i, 8) << 24;
        for (int k = 0; k < 8; k++)
            r = (r & 0x80000000UL) ? (r << 1) ^ 0x04C11DB7UL : (r << 1);
        s_crcTable[i] = Reflect(r & 0xFFFFFFFFUL, 32);
    }
    s_crcTableBuilt = true;
}

unsigned long ZipCRC::Crc(const void* data, unsigned long count, unsigned short* binary)
{
    const unsigned char* p = static_cast<const unsigned char*>(data);
    unsigned long histogram[256];
    if (binary)
        memset(histogram, 0, sizeof(histogram));
    unsigned long crc = 0xFFFFFFFFUL;
    for (unsigned long i = 0; p && i < count; i++)
    {
        crc = s_crcTable[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
        if (binary)
            histogram[p[i]]++;
    }
    if (binary)
    {
        unsigned long b = 0, t = 0;
        for (int i = 0; i < 7; i++)
            b += histogram[i];
        for (int i = 128; i < 256; i++)
            b += histogram[i];
        for (int i = 7; i < 128; i++)
            t += histogram[i];
        *binary = (t / 4 < b) ? 1 : 0;
    }
    return crc ^ 0xFFFFFFFFUL;
}
