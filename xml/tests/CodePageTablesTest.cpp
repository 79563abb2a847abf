#include "CodePageTables.h"
#include "EncodingConvert.h"
#include "TestUtil.h"
#include <gtest/gtest.h>
#include <map>
#include <stdio.h>

namespace
{
struct PageVectors
{
    std::map<unsigned, unsigned> decode; // code -> unit
    std::map<unsigned, unsigned> encode; // unit -> code
};

// The pairs each table was generated from, written into the build tree by the generator.
std::map<unsigned, PageVectors> LoadVectors(const char* path = VXML_TABLE_VECTORS)
{
    std::map<unsigned, PageVectors> pages;
    FILE* f = fopen(path, "r");
    if (!f)
        return pages;
    char kind;
    unsigned a, b, c, page = 0;
    char line[100];
    while (fgets(line, sizeof(line), f))
    {
        if (sscanf(line, "P %u %u %u", &a, &b, &c) == 3)
            page = a;
        else if (sscanf(line, "%c %x %x", &kind, &a, &b) == 3)
            (kind == 'D' ? pages[page].decode[a] : pages[page].encode[a]) = b;
    }
    fclose(f);
    return pages;
}

std::string CodeBytes(unsigned code)
{
    std::string s;
    if (code > 0xFF)
        s += (char)(code >> 8);
    s += (char)code;
    return s;
}
} // namespace

TEST(CodePageTables, EveryTableDecodesAndEncodesItsSourcePairs)
{
    auto pages = LoadVectors();
    int count = 0;
    const TableCodePage* list = GetTableCodePages(&count);
    ASSERT_EQ(count, 103);
    ASSERT_EQ(pages.size(), 103u);
    for (int i = 0; i < count; i++)
    {
        unsigned cp = list[i].codePage;
        const PageVectors& v = pages[cp];
        ASSERT_FALSE(v.decode.empty()) << cp;
        int bad = 0;
        for (auto& [code, unit] : v.decode)
        {
            std::string in = CodeBytes(code);
            DataBuffer out;
            EncodingConvert conv;
            conv.DecodeToUtf16(cp, reinterpret_cast<const unsigned char*>(in.data()),
                               (unsigned long)in.size(), out);
            std::string want{(char)unit, (char)(unit >> 8)};
            if (BufferBytes(out) != want && bad++ < 3)
                ADD_FAILURE() << "cp " << cp << " decode " << std::hex << code << " -> "
                              << Hex(BufferBytes(out));
        }
        for (auto& [unit, code] : v.encode)
        {
            unsigned char in[2] = {(unsigned char)unit, (unsigned char)(unit >> 8)};
            DataBuffer out;
            EncodingConvert conv;
            conv.EncodeFromUtf16(cp, in, 2, out);
            if (BufferBytes(out) != CodeBytes(code) && bad++ < 6)
                ADD_FAILURE() << "cp " << cp << " encode " << std::hex << unit << " -> "
                              << Hex(BufferBytes(out));
        }
        EXPECT_EQ(bad, 0) << cp;
    }
}

TEST(CodePageTables, SampledPagesDecodeAsIconvDoes)
{
    auto pages = LoadVectors(VXML_ICONV_VECTORS);
    ASSERT_GE(pages.size(), 15u);
    for (auto& [cp, v] : pages)
    {
        int bad = 0;
        for (auto& [code, unit] : v.decode)
        {
            std::string in = CodeBytes(code);
            DataBuffer out, back;
            EncodingConvert conv;
            conv.Convert(cp, 1200, reinterpret_cast<const unsigned char*>(in.data()),
                         (unsigned long)in.size(), out);
            std::string want{(char)unit, (char)(unit >> 8)};
            if (BufferBytes(out) != want && bad++ < 3)
                ADD_FAILURE() << "cp " << cp << " code " << std::hex << code << " -> "
                              << Hex(BufferBytes(out));
            // What decodes to a character must encode to something that decodes back to it.
            conv.Convert(1200, cp, reinterpret_cast<const unsigned char*>(want.data()), 2, back);
            DataBuffer again;
            conv.Convert(cp, 1200, back.GetData(), back.GetSize(), again);
            if (BufferBytes(again) != want && bad++ < 3)
                ADD_FAILURE() << "cp " << cp << " unit " << std::hex << unit << " does not round-trip";
        }
        EXPECT_EQ(bad, 0) << cp;
    }
}

TEST(CodePageTables, SharedAndDerivedTablesBehaveAlike)
{
    // 20261 and 20269 use the 28591 text; 51936 the 936 text.
    unsigned char e9[1] = {0xE9};
    for (unsigned cp : {20261u, 20269u, 28591u})
    {
        DataBuffer out;
        EncodingConvert conv;
        EXPECT_TRUE(conv.DecodeToUtf16(cp, e9, 1, out));
        EXPECT_EQ(Hex(BufferBytes(out)), "E9 00") << cp;
    }
    unsigned char gbkOnly[2] = {0x02, 0x4E}; // U+4E02, outside GB 2312
    DataBuffer a, b;
    EncodingConvert conv;
    EXPECT_TRUE(conv.EncodeFromUtf16(936, gbkOnly, 2, a));
    EXPECT_TRUE(conv.EncodeFromUtf16(51936, gbkOnly, 2, b));
    EXPECT_EQ(Hex(BufferBytes(a)), "81 40");
    EXPECT_EQ(BufferBytes(a), BufferBytes(b));
}

TEST(CodePageTables, MacJapaneseDecodeBuildsTheEncodeMapOnce)
{
    unsigned char kana[2] = {0x82, 0xA0}; // HIRAGANA LETTER A in both 932 and 10001
    DataBuffer out;
    EncodingConvert conv;
    EXPECT_TRUE(conv.DecodeToUtf16(10001, kana, 2, out));
    EXPECT_EQ(Hex(BufferBytes(out)), "42 30");
    HashConvert* encode = CachedEncodeTable(10001);
    ASSERT_NE(encode, nullptr);
    EncodingConvert::EnsureEncodeTable(10001);
    EXPECT_EQ(CachedEncodeTable(10001), encode);
}

// Where a single byte and a pair both stand for a character, the code the page prefers is the one
// written and the one read back: in Macintosh Japanese U+2026 is 81 63 (as in 932), and the single
// byte FF, which decodes through the reversed encode map, no longer stands for it.
TEST(CodePageTables, MacJapanesePrefersThePairBothWays)
{
    unsigned char ellipsis[2] = {0x26, 0x20};
    DataBuffer encoded;
    EncodingConvert conv;
    EXPECT_TRUE(conv.EncodeFromUtf16(10001, ellipsis, 2, encoded));
    EXPECT_EQ(Hex(BufferBytes(encoded)), "81 63");
    DataBuffer decoded;
    EXPECT_TRUE(conv.Convert(10001, 1200, (const unsigned char*)"\x81\x63", 2, decoded));
    EXPECT_EQ(Hex(BufferBytes(decoded)), "26 20");
}

// Every character that a double-byte page writes reads back as itself.
TEST(CodePageTables, DoubleBytePagesReadBackWhatTheyWrite)
{
    int bad = 0;
    for (unsigned cp : {932u, 936u, 949u, 950u, 1361u, 10001u, 51932u, 51936u, 51949u})
    {
        int written = 0;
        for (unsigned u = 1; u < 0x10000; u++)
        {
            unsigned char in[2] = {(unsigned char)u, (unsigned char)(u >> 8)};
            DataBuffer code, back;
            EncodingConvert conv;
            if (!conv.EncodeFromUtf16(cp, in, 2, code))
                continue;
            written++;
            conv.DecodeToUtf16(cp, code.GetData(), code.GetSize(), back);
            if (BufferBytes(back) != std::string((const char*)in, 2) && bad++ < 5)
                ADD_FAILURE() << "cp " << cp << " U+" << std::hex << u << " -> " << Hex(BufferBytes(code))
                              << " -> " << Hex(BufferBytes(back));
        }
        EXPECT_GT(written, 7000) << cp;
    }
    EXPECT_EQ(bad, 0);
}

TEST(HashConvert, KeepsPackedEntriesInOrder)
{
    HashConvert map;
    unsigned char v[256];
    unsigned int n = 9;
    map.Insert((const unsigned char*)"ab", 2, (const unsigned char*)"x", 1); // no buckets: ignored
    map.Lookup((const unsigned char*)"ab", 2, v, &n);
    EXPECT_EQ(n, 0u);
    map.SetBucketCount(1);
    map.Insert((const unsigned char*)"ab", 2, (const unsigned char*)"1", 1);
    map.Insert((const unsigned char*)"ab", 2, (const unsigned char*)"22", 2);
    map.Insert((const unsigned char*)"c", 1, (const unsigned char*)"3", 1);
    map.Lookup((const unsigned char*)"ab", 2, v, &n);
    EXPECT_EQ(std::string((char*)v, n), "1");
    EXPECT_EQ(map.BucketLength(0), 5u + 6u + 4u + 1u);
    map.Remove((const unsigned char*)"ab", 2);
    map.Lookup((const unsigned char*)"ab", 2, v, &n);
    EXPECT_EQ(n, 0u);
    map.Lookup((const unsigned char*)"c", 1, v, &n);
    EXPECT_EQ(std::string((char*)v, n), "3");
    HashConvert reversed;
    reversed.SetBucketCount(7);
    map.CopyReversed(reversed);
    reversed.Lookup((const unsigned char*)"3", 1, v, &n);
    EXPECT_EQ(std::string((char*)v, n), "c");
}

TEST(ContentCoding, DecodesBase64IgnoringLineBreaks)
{
    struct
    {
        const char* in;
        const char* out;
    } cases[] = {
        {"TWFu", "Man"}, {"TW\r\nF u", "Man"}, {"TWE=", "Ma"},
        {"TQ==", "M"},   {"TWFu=TWFu", "Man"}, {"Zm9vYmFy", "foobar"},
    };
    ContentCoding coding;
    for (auto& c : cases)
    {
        unsigned long n = 0;
        unsigned char* p = coding.DecodeBase64(c.in, (unsigned long)strlen(c.in), &n);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(std::string((char*)p, n), c.out) << c.in;
        free(p);
    }
    unsigned long n = 5;
    EXPECT_EQ(coding.DecodeBase64(nullptr, 3, &n), nullptr);
    EXPECT_EQ(n, 0u);
}

TEST(CorvitaBzip2, RefusesForeignContainers)
{
    CorvitaBzip2 bz;
    DataBuffer in, out;
    EXPECT_TRUE(bz.Decompress(in, out));
    EXPECT_EQ(out.GetSize(), 0u);
    in.Append("\x01\x02\x03\x04\x05\x00\x00\x00junk", 12);
    EXPECT_FALSE(bz.Decompress(in, out));
    DataBuffer damaged;
    damaged.Append("\xE1\xA7\x94\xB3\x05\x00\x00\x00BZh9junk", 16);
    EXPECT_FALSE(bz.Decompress(damaged, out));
    EXPECT_EQ(out.GetSize(), 0u);
    // A sound container: "abc" compressed by Python's bz2 module behind the magic and stored length.
    DataBuffer sound;
    sound.Append("\xE1\xA7\x94\xB3\x03\x00\x00\x00", 8);
    sound.Append("\x42\x5A\x68\x39\x31\x41\x59\x26\x53\x59\x64\x8C\xBB\x73\x00\x00\x00\x01\x00\x38"
                 "\x00\x20\x00\x21\x98\x19\x84\x61\x77\x24\x53\x85\x09\x06\x48\xCB\xB7\x30",
                 38);
    EXPECT_TRUE(bz.Decompress(sound, out));
    EXPECT_EQ(BufferBytes(out), "abc");
}
