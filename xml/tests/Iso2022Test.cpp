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
        // Python's iso2022_jp codec.
        {"\x93\xFA\x96\x7B\x8C\xEA\r\n\x83\x65\x83\x58\x83\x67",
         "1B 24 42 46 7C 4B 5C 38 6C 1B 28 42 0D 0A 1B 24 42 25 46 25 39 25 48 1B 28 42"},
        // Bytes without a JIS X 0208 form keep their Shift-JIS bytes, out of kanji mode.
        {"\x88\r\nA", "88 0D 0A 41"},
        {"\x88\x9F\x88\r", "1B 24 42 30 21 1B 28 42 88 0D"},
        {"\x88\x20"
         "A",
         "88 20 41"},
        {"\xF0\x40"
         "A",
         "F0 40 41"},
        {"\x88\x9F\xFA\x40", "1B 24 42 30 21 1B 28 42 FA 40"},
        {"\xFA\xB1\x88\x9F", "FA B1 1B 24 42 30 21 1B 28 42"},
        {"\x80"
         "A\xA0\xFD\xFE\xFF",
         "80 41 A0 FD FE FF"},
        {"\xFC", "FC"},
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
    EXPECT_EQ(RunKr(&Korean::KoreanDecode, "\x0E\x30"), "");
    struct
    {
        std::string in;
        const char* out;
    } encode[] = {
        // Python's iso2022_kr codec, without the SI that it adds at the end.
        {"\xC7\xD1\xB1\xB9\xBE\xEE ABC", "1B 24 29 43 0E 47 51 31 39 3E 6E 0F 20 41 42 43"},
        // Pairs outside the 94x94 set ("\uB620" and U+AC02).
        {"\x8C\x63", "1B 24 29 43 0E 0C E3"},
        {"\x81\x41"
         "A",
         "1B 24 29 43 0E 01 C1 0F 41"},
        // Leads that would read as SO, SI or ESC, and a last byte, go unshifted.
        {"\xB0\xA1\x8E\x41\x8F\x41\x9B\x41", "1B 24 29 43 0E 30 21 0F 8E 41 8F 41 9B 41"},
        {"\xB0\xA1\xFF", "1B 24 29 43 0E 30 21 0F FF"},
    };
    for (auto& c : encode)
        EXPECT_EQ(RunKr(&Korean::KoreanEncode, c.in), c.out) << Hex(c.in);
}

// Every pair of a Shift-JIS or 949 lead byte and a byte after it, and every single byte, comes back
// from the 7-bit form as it went in. Left out: half-width katakana, which the Japanese form writes
// as full-width, and ESC, SO and SI, which the forms reserve.
TEST(Iso2022, EveryPairComesBackAsItWent)
{
    int bad = 0;
    for (int lead = 0x80; lead <= 0xFF; lead++)
        for (int trail = 0x00; trail <= 0xFF; trail++)
        {
            if (trail == 0x1B || trail == 0x0E || trail == 0x0F)
                continue;
            std::string in{(char)lead, (char)trail, 'A'};
            bool single = lead == 0x80 || lead == 0xA0 || lead >= 0xFD;
            bool kana = (lead >= 0xA1 && lead <= 0xDF) || (single && trail >= 0xA1 && trail <= 0xDF);
            if (!kana)
            {
                Japanese jp;
                DataBuffer seven, back;
                jp.JapaneseEncode(reinterpret_cast<const unsigned char*>(in.data()), 3, seven);
                jp.JapaneseDecode(seven.GetData(), seven.GetSize(), back);
                if (BufferBytes(back) != in && bad++ < 5)
                    ADD_FAILURE() << "ISO-2022-JP " << Hex(in) << " -> " << Hex(BufferBytes(seven));
            }
            Korean kr;
            DataBuffer seven, back;
            kr.KoreanEncode(reinterpret_cast<const unsigned char*>(in.data()), 3, seven);
            kr.KoreanDecode(seven.GetData(), seven.GetSize(), back);
            if (BufferBytes(back) != in && bad++ < 10)
                ADD_FAILURE() << "ISO-2022-KR " << Hex(in) << " -> " << Hex(BufferBytes(seven));
        }
    EXPECT_EQ(bad, 0);
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

namespace
{
// A UTF-16 unit to the 7-bit form and back: the second result is the text read back.
bool RoundTrip(unsigned long cp, unsigned short unit, std::string* seven, std::string* back)
{
    unsigned char in[2] = {(unsigned char)unit, (unsigned char)(unit >> 8)};
    DataBuffer a, b;
    EncodingConvert conv;
    bool ok = conv.Convert(1200, cp, in, 2, a);
    conv.Convert(cp, 1200, a.GetData(), a.GetSize(), b);
    *seven = BufferBytes(a);
    *back = BufferBytes(b);
    return ok;
}
} // namespace

// Characters of code pages 932 and 949 that JIS X 0208 and KS X 1001 lack ("\u2170" is FA 40 in
// 932, 8,822 of the Hangul syllables lie outside the 94x94 set) convert and read back.
TEST(Iso2022, EveryCharacterOfTheTablePageComesBack)
{
    std::string seven, back;
    EXPECT_TRUE(RoundTrip(50220, 0x2170, &seven, &back));
    EXPECT_EQ(Hex(seven), "FA 40");
    EXPECT_EQ(Hex(back), "70 21");
    EXPECT_TRUE(RoundTrip(50225, 0xB620, &seven, &back));
    EXPECT_EQ(Hex(seven), "1B 24 29 43 0E 0C E3");
    EXPECT_EQ(Hex(back), "20 B6");
    int bad = 0, japanese = 0, korean = 0;
    for (unsigned u = 1; u < 0x10000; u++)
    {
        // Surrogates, the controls that the forms reserve, and the two units read as byte-order marks.
        if ((u >= 0xD800 && u <= 0xDFFF) || u == 0x0E || u == 0x0F || u == 0x1B || u == 0xFEFF || u == 0xFFFE)
            continue;
        unsigned char in[2] = {(unsigned char)u, (unsigned char)(u >> 8)};
        std::string want((const char*)in, 2);
        DataBuffer table;
        EncodingConvert conv;
        // Half-width katakana go to full-width on purpose.
        if (!(u >= 0xFF61 && u <= 0xFF9F) && conv.Convert(1200, 932, in, 2, table))
        {
            japanese++;
            if ((!RoundTrip(50220, (unsigned short)u, &seven, &back) || back != want) && bad++ < 5)
                ADD_FAILURE() << "50220 U+" << std::hex << u << " -> " << Hex(seven);
        }
        DataBuffer uhc;
        if (conv.Convert(1200, 949, in, 2, uhc))
        {
            korean++;
            if ((!RoundTrip(50225, (unsigned short)u, &seven, &back) || back != want) && bad++ < 10)
                ADD_FAILURE() << "50225 U+" << std::hex << u << " -> " << Hex(seven);
        }
    }
    EXPECT_EQ(bad, 0);
    EXPECT_GT(japanese, 7000);
    EXPECT_GT(korean, 17000);
}
