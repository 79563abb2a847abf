#include "Digests.h"
#include "StringBuffer.h"
#include "TestSupport.h"
#include <gtest/gtest.h>

namespace
{
std::string Md5Hex(const std::string& s)
{
    StringBuffer text(s.data(), (int)s.size(), 0);
    unsigned char d[16];
    DigestMD5().Digest(text, d);
    return HexOf(std::string((const char*)d, sizeof(d)));
}
} // namespace

TEST(Digests, Md5MatchesTheRfcSuite)
{
    struct
    {
        const char* in;
        const char* md5;
    } cases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (auto& c : cases)
        EXPECT_EQ(Md5Hex(c.in), c.md5) << c.in;
}

TEST(Digests, Crc32AndTextVerdict)
{
    ZipCRC crc;
    struct
    {
        std::string in;
        unsigned long crc;
        unsigned short binary;
    } cases[] = {
        {"abc", 0x352441C2UL, 0},
        {"", 0, 0},
        {"123456789", 0xCBF43926UL, 0},
        {std::string(4, '\0'), 0x2144DF1CUL, 1},
        {"The quick brown fox jumps over the lazy dog", 0x414FA339UL, 0},
        {"\x80\x81\x82"
         "abcdefghijkl",
         0xCAB3B0DFUL, 0},
    };
    for (auto& c : cases)
    {
        unsigned short binary = 7;
        EXPECT_EQ(crc.Crc(c.in.data(), (unsigned long)c.in.size(), &binary), c.crc) << c.in;
        EXPECT_EQ(binary, c.binary) << c.in;
    }
}

TEST(Digests, RandomBuffersMatchPython)
{
    FILE* f = fopen(VXML_DIGEST_VECTORS, "r");
    ASSERT_NE(f, nullptr);
    static char line[70000];
    int count = 0;
    while (fgets(line, sizeof(line), f))
    {
        char hex[65600], md5[40];
        unsigned long crc;
        if (sscanf(line, "%65599s %39s %lx", hex, md5, &crc) != 3)
            continue;
        std::string data;
        for (size_t i = 0; hex[i] && hex[i + 1] && hex[0] != '-'; i += 2)
        {
            unsigned v;
            sscanf(hex + i, "%2x", &v);
            data += (char)v;
        }
        EXPECT_EQ(Md5Hex(data), md5) << count;
        EXPECT_EQ(ZipCRC().Crc(data.data(), (unsigned long)data.size()), crc) << count;
        count++;
    }
    fclose(f);
    EXPECT_GE(count, 50);
}
