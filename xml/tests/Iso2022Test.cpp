#include "EncodingConvert.h"
#include "Iso2022.h"
#include "TestUtil.h"
#include <gtest/gtest.h>

namespace
{
std::string RunJp(void (Japanese::*fn)(const unsigned char*, unsigned long, DataBuffer&),
                  const std::string& in)
{
    Japanese jp;
    DataBuffer out;
    (jp.*fn)(reinterpret_cast<const unsigned char*>(in.data()), (unsigned long)in.size(), out);
    return Hex(BufferBytes(out));
}

std::string RunKr(void (Korean::*fn)(const unsigned char*, unsigned long, DataBuffer&), const std::string& in)
{
    Korean kr;
    DataBuffer out;
    (kr.*fn)(reinterpret_cast<const unsigned char*>(in.data()), (unsigned long)in.size(), out);
    return Hex(BufferBytes(out));
}
} // namespace

TEST(Iso2022, Japanese)
{
    struct
    {
        std::string in;
        const char* out;
    } decode[] = {
        {"\x1B$B\x30\x21\x1B(BA", "88 9F 41"},
        {"\x1B$@\x24\x22\r\x41", "82 A0 0D 41"},
        {"\x1B$B\x30", ""},
        {"\x1B", ""},
        {"\x1B$", ""},
        {"\x1BxA", "41"},
    };
    for (auto& c : decode)
        EXPECT_EQ(RunJp(&Japanese::JapaneseDecode, c.in), c.out) << Hex(c.in);
    struct
    {
        std::string in;
        const char* out;
    } encode[] = {
        {"\x88\x9F"
         "A",
         "1B 24 42 30 21 1B 28 42 41"},
        {"\x88", ""},
        {"\xB6\xDE", "1B 24 42 25 2C 1B 28 42"},
        {"\xB3\xDE", "1B 24 42 25 74 1B 28 42"},
        {"\xCA\xDF", "1B 24 42 25 51 1B 28 42"},
        {"\x88\x9F\r\n\x88\x9F", "1B 24 42 30 21 1B 28 42 0D 0A 1B 24 42 30 21 1B 28 42"},
        {"\xEF\xFC", "1B 24 42 7E 7E 1B 28 42"},
        // Pairs and bytes without a 7-bit form are refused rather than written as 8-bit bytes.
        {"\x88\x20"
         "A",
         "41"},
        {"\xF0\x40"
         "A",
         "41"},
        {"\xFA\x40"
         "A",
         "41"},
        {"\x80"
         "A\xFD",
         "41"},
    };
    for (auto& c : encode)
        EXPECT_EQ(RunJp(&Japanese::JapaneseEncode, c.in), c.out) << Hex(c.in);
}

TEST(Iso2022, Korean)
{
    EXPECT_EQ(RunKr(&Korean::KoreanDecode, "\x1B$)CA\x0E\x30\x21\x0F"
                                           "B"),
              "41 B0 A1 42");
    EXPECT_EQ(RunKr(&Korean::KoreanEncode, "A\xB0\xA1"
                                           "B"),
              "1B 24 29 43 41 0E 30 21 0F 42");
    EXPECT_EQ(RunKr(&Korean::KoreanEncode, "\xB0\xA1"), "1B 24 29 43 0E 30 21");
    // A UHC extension pair (0x81 0x41) has no 7-bit form and is refused.
    EXPECT_EQ(RunKr(&Korean::KoreanEncode, "\x81\x41"
                                           "A"),
              "1B 24 29 43 41");
    EXPECT_EQ(RunKr(&Korean::KoreanDecode, "\x0E\x30"), "");
}

TEST(Iso2022, ThroughTheEngine)
{
    const unsigned char utf8[] = "\xE4\xBA\x9C"
                                 "A"; // U+4E9C then A
    std::string first;
    for (unsigned long cp : {50220ul, 50221ul, 50222ul})
    {
        DataBuffer out;
        EncodingConvert conv;
        EXPECT_TRUE(conv.Convert(65001, cp, utf8, 4, out));
        if (cp == 50220)
            first = Hex(BufferBytes(out));
        EXPECT_EQ(Hex(BufferBytes(out)), first);
        DataBuffer back;
        EXPECT_TRUE(conv.Convert(cp, 65001, out.GetData(), out.GetSize(), back));
        EXPECT_EQ(BufferBytes(back), std::string((const char*)utf8));
    }
    EXPECT_EQ(first, "1B 24 42 30 21 1B 28 42 41");
    const unsigned char hangul[] = "\xEA\xB0\x80"; // U+AC00
    DataBuffer kr, back;
    EncodingConvert conv;
    EXPECT_TRUE(conv.Convert(65001, 50225, hangul, 3, kr));
    EXPECT_EQ(Hex(BufferBytes(kr)), "1B 24 29 43 0E 30 21");
    EXPECT_TRUE(conv.Convert(50225, 65001, kr.GetData(), kr.GetSize(), back));
    EXPECT_EQ(BufferBytes(back), std::string((const char*)hangul));
}
