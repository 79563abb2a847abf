// MD5 after its published definition and the CRC-32 of ISO 3309 / ZIP.
#include "Digests.h"
#include "StringBuffer.h"
#include <string.h>

#define F(x, y, z) (((x) & (y)) | (~(x) & (z)))
#define G(x, y, z) (((x) & (z)) | ((y) & ~(z)))
#define H(x, y, z) ((x) ^ (y) ^ (z))
#define I(x, y, z) ((y) ^ ((x) | ~(z)))
#define ROTL(x, n) (((x) << (n)) | ((x) >> (32 - (n))))
#define STEP(f, a, b, c, d, x, s, ac) \
    { (a) += f((b), (c), (d)) + (x) + (unsigned long)(ac); (a) = ROTL((a), (s)); (a) += (b); }

static void Md5Transform(unsigned long state[4], const unsigned char block[64])
{
    unsigned long a = state[0], b = state[1], c = state[2], d = state[3], x[16];
    for (int i = 0; i < 16; i++)
        x[i] = (unsigned long)block[i * 4] | ((unsigned long)block[i * 4 + 1] << 8) |
               ((unsigned long)block[i * 4 + 2] << 16) | ((unsigned long)block[i * 4 + 3] << 24);
    STEP(F, a, b, c, d, x[0], 7, 0xd76aa478) STEP(F, d, a, b, c, x[1], 12, 0xe8c7b756)
    STEP(F, c, d, a, b, x[2], 17, 0x242070db) STEP(F, b, c, d, a, x[3], 22, 0xc1bdceee)
    STEP(F, a, b, c, d, x[4], 7, 0xf57c0faf) STEP(F, d, a, b, c, x[5], 12, 0x4787c62a)
    STEP(F, c, d, a, b, x[6], 17, 0xa8304613) STEP(F, b, c, d, a, x[7], 22, 0xfd469501)
    STEP(F, a, b, c, d, x[8], 7, 0x698098d8) STEP(F, d, a, b, c, x[9], 12, 0x8b44f7af)
    STEP(F, c, d, a, b, x[10], 17, 0xffff5bb1) STEP(F, b, c, d, a, x[11], 22, 0x895cd7be)
    STEP(F, a, b, c, d, x[12], 7, 0x6b901122) STEP(F, d, a, b, c, x[13], 12, 0xfd987193)
    STEP(F, c, d, a, b, x[14], 17, 0xa679438e) STEP(F, b, c, d, a, x[15], 22, 0x49b40821)
    STEP(G, a, b, c, d, x[1], 5, 0xf61e2562) STEP(G, d, a, b, c, x[6], 9, 0xc040b340)
    STEP(G, c, d, a, b, x[11], 14, 0x265e5a51) STEP(G, b, c, d, a, x[0], 20, 0xe9b6c7aa)
    STEP(G, a, b, c, d, x[5], 5, 0xd62f105d) STEP(G, d, a, b, c, x[10], 9, 0x02441453)
    STEP(G, c, d, a, b, x[15], 14, 0xd8a1e681) STEP(G, b, c, d, a, x[4], 20, 0xe7d3fbc8)
    STEP(G, a, b, c, d, x[9], 5, 0x21e1cde6) STEP(G, d, a, b, c, x[14], 9, 0xc33707d6)
    STEP(G, c, d, a, b, x[3], 14, 0xf4d50d87) STEP(G, b, c, d, a, x[8], 20, 0x455a14ed)
    STEP(G, a, b, c, d, x[13], 5, 0xa9e3e905) STEP(G, d, a, b, c, x[2], 9, 0xfcefa3f8)
    STEP(G, c, d, a, b, x[7], 14, 0x676f02d9) STEP(G, b, c, d, a, x[12], 20, 0x8d2a4c8a)
    STEP(H, a, b, c, d, x[5], 4, 0xfffa3942) STEP(H, d, a, b, c, x[8], 11, 0x8771f681)
    STEP(H, c, d, a, b, x[11], 16, 0x6d9d6122) STEP(H, b, c, d, a, x[14], 23, 0xfde5380c)
    STEP(H, a, b, c, d, x[1], 4, 0xa4beea44) STEP(H, d, a, b, c, x[4], 11, 0x4bdecfa9)
    STEP(H, c, d, a, b, x[7], 16, 0xf6bb4b60) STEP(H, b, c, d, a, x[10], 23, 0xbebfbc70)
    STEP(H, a, b, c, d, x[13], 4, 0x289b7ec6) STEP(H, d, a, b, c, x[0], 11, 0xeaa127fa)
    STEP(H, c, d, a, b, x[3], 16, 0xd4ef3085) STEP(H, b, c, d, a, x[6], 23, 0x04881d05)
    STEP(H, a, b, c, d, x[9], 4, 0xd9d4d039) STEP(H, d, a, b, c, x[12], 11, 0xe6db99e5)
    STEP(H, c, d, a, b, x[15], 16, 0x1fa27cf8) STEP(H, b, c, d, a, x[2], 23, 0xc4ac5665)
    STEP(I, a, b, c, d, x[0], 6, 0xf4292244) STEP(I, d, a, b, c, x[7], 10, 0x432aff97)
    STEP(I, c, d, a, b, x[14], 15, 0xab9423a7) STEP(I, b, c, d, a, x[5], 21, 0xfc93a039)
    STEP(I, a, b, c, d, x[12], 6, 0x655b59c3) STEP(I, d, a, b, c, x[3], 10, 0x8f0ccc92)
    STEP(I, c, d, a, b, x[10], 15, 0xffeff47d) STEP(I, b, c, d, a, x[1], 21, 0x85845dd1)
    STEP(I, a, b, c, d, x[8], 6, 0x6fa87e4f) STEP(I, d, a, b, c, x[15], 10, 0xfe2ce6e0)
    STEP(I, c, d, a, b, x[6], 15, 0xa3014314) STEP(I, b, c, d, a, x[13], 21, 0x4e0811a1)
    STEP(I, a, b, c, d, x[4], 6, 0xf7537e82) STEP(I, d, a, b, c, x[11], 10, 0xbd3af235)
    STEP(I, c, d, a, b, x[2], 15, 0x2ad7d2bb) STEP(I, b, c, d, a, x[9], 21, 0xeb86d391)
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
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
