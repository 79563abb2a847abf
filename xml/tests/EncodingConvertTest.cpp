#include "EncodingConvert.h"
#include "TestUtil.h"
#include <gtest/gtest.h>
#include <string.h>

namespace
{
struct Result
{
    bool ok;
    std::string hex;
};

Result Conv(unsigned long from, unsigned long to, const std::string& in)
{
    DataBuffer out;
    EncodingConvert conv;
    bool ok = conv.Convert(from, to, reinterpret_cast<const unsigned char*>(in.data()),
                           (unsigned long)in.size(), out);
    return {ok, Hex(BufferBytes(out))};
}
} // namespace

TEST(EncodingConvert, ConvertsBetweenCodePages)
{
    struct
    {
        unsigned long from, to;
        std::string in;
        bool ok;
        const char* hex;
    } cases[] = {
        {1252, 1252,
         "\xEF\xBB\xBF"
         "a",
         true, "EF BB BF 61"},
        {65001, 1252, "\xEF\xBB\xBF", true, ""},
        {65001, 1252, "\xEF\xBB\xBF\xC3\xA9\xE2\x82\xAC", true, "E9 80"},
        {1200, 65001, std::string("\xFF\xFE\xE9\x00", 4), true, "C3 A9"},
        {1201, 65001, std::string("\xFF\xFE\xE9\x00", 4), true, "C3 A9"},
        {1200, 65001, std::string("\xFE\xFF\x00\xE9", 4), true, "C3 A9"},
        {1201, 65001, std::string("\x00\xE9", 2), true, "C3 A9"},
        // Codes that the published Windows tables leave undefined have no mapping either way.
        {1252, 65001,
         "a\x81"
         "b",
         false, "61 62"},
        {1252, 1200, "\x8D\x8F\x90\x9D", false, ""},
        {1200, 1252, std::string("\x81\x00", 2), false, ""},
        {1253, 65001, "\xAA\xE1", false, "CE B1"},
        {874, 65001, "\xDB\xA1", false, "E0 B8 81"},
        {1255, 65001, "\xD9\xE0", false, "D7 90"},
        {28596, 65001, "\xA1\xC7", false, "D8 A7"},
        {869, 65001, "\x80\x86", false, "CE 86"},
        {1200, 28596, std::string("\xC8\xF7", 2), false, ""},
        {1250, 65001, "\x83\x8A", false, "C5 A0"},
        {20127, 1200, "a\xE9", false, "61 00"},
        {20127, 65001, "a\xE9\x80z", false, "61 7A"},
        {20105, 65001,
         "a\xAA"
         "b",
         false, "61 62"},
        {20105, 1200, "a\xAA", false, "61 00"},
        {65001, 28591, "\xE4\xB8\x80", false, ""},
        {65001, 1201, "\xE4\xB8\x80", true, "4E 00"},
        {28591, 1201, "\xE9", true, "00 E9"},
        // Characters dropped on the way to big-endian UTF-16 are reported like any other loss.
        {65001, 1201, "A\xF0\x9F\x98\x80", false, "00 41"},
        {1252, 1201, "\x81z", false, "00 7A"},
        {65001, 1252, "\xC3\xA9\xC3", false, "E9"},
        {65001, 1200,
         "A\xF0\x9F\x98\x80"
         "B",
         false, "41 00 42 00"},
        {65001, 65001,
         "A\xC3"
         "B",
         true, "41 C3 42"},
        {65005, 65001, std::string("A\0\0\0\0\xD8\0\0", 8), true, "41 ED A0 80"},
        {1200, 65001, std::string("A\0B", 3), false, "41"},
        {1200, 65001, std::string("A", 1), false, ""},
        {65001, 65005, "\xE2\x82\xAC", true, "AC 20 00 00"},
        {65001, 65006, "\xE2\x82\xAC", true, "00 00 20 AC"},
        {65005, 65001, std::string("\xAC\x20\x00\x00", 4), true, "E2 82 AC"},
        {65006, 1252, std::string("\x00\x00\x20\xAC", 4), true, "80"},
        {65001, 65000, "A+\xC3\xA9", true, "41 2B 2D 2B 41 4F 6B 2D"},
        {65000, 65001, "+AOk-", true, "C3 A9"},
        {932, 65001,
         "\x88\x9F\x82\xA0"
         "A",
         true, "E4 BA 9C E3 81 82 41"},
        {65001, 932, "\xE4\xBA\x9C\xEF\xBD\xB1", true, "88 9F B1"},
        {936, 950, "\xD6\xD0", true, "A4 A4"},
        {949, 1361, "\xB0\xA1", true, "88 61"},
        {51932, 932, "\xB0\xA1\x8E\xB1", true, "88 9F B1"},
        {1252, 37, "Hello", true, "C8 85 93 93 96"},
        {20127, 65001, "A\x80", false, "41"},
        {1252, 4711, "abc", false, ""},
        {4711, 1252, "abc", false, ""},
        {50000, 65001, "abc", false, ""},
        {1252, 65001, "", true, ""},
    };
    for (auto& c : cases)
    {
        Result r = Conv(c.from, c.to, c.in);
        EXPECT_EQ(r.ok, c.ok) << c.from << "->" << c.to << " " << Hex(c.in);
        EXPECT_EQ(r.hex, c.hex) << c.from << "->" << c.to << " " << Hex(c.in);
    }
}

TEST(EncodingConvert, CharsetNamesAndAppending)
{
    DataBuffer out;
    out.Append("x", 1);
    EncodingConvert conv;
    EXPECT_FALSE(conv.ConvertToCharset(65001, "no-such-charset", (const unsigned char*)"a", 1, out));
    EXPECT_EQ(BufferBytes(out), "x");
    EXPECT_TRUE(conv.ConvertToCharset(65001, "ISO-8859-1", (const unsigned char*)"\xC3\xA9", 2, out));
    EXPECT_TRUE(conv.ConvertFromCharset("windows-1251", 65001, (const unsigned char*)"\xC0", 1, out));
    EXPECT_EQ(Hex(BufferBytes(out)), "78 E9 D0 90");
}

TEST(EncodingConvert, ErrorActionsReplaceUnconvertibleCharacters)
{
    struct
    {
        unsigned long action;
        const char* hex;
    } cases[] = {
        {0, "61 62"},
        {1, "61 3F 62"},
        {2, "61 26 23 78 45 34 42 38 38 30 3B 62"},
        {7, "61 E4 B8 80 62"},
    };
    const unsigned char in[] = "a\xE4\xB8\x80"
                               "b";
    for (auto& c : cases)
    {
        DataBuffer out;
        EncodingConvert conv;
        conv.m_errorAction = c.action;
        conv.m_substituteCount = 1;
        conv.m_substitute[0] = '?';
        EXPECT_FALSE(conv.Convert(65001, 1252, in, 5, out));
        EXPECT_EQ(Hex(BufferBytes(out)), c.hex) << c.action;
    }
    DataBuffer out;
    EncodingConvert conv;
    conv.m_errorAction = 2;
    EXPECT_FALSE(conv.Convert(20105, 1200, (const unsigned char*)"\xAA", 1, out));
    EXPECT_EQ(BufferBytes(out), "&#xAA;");

    struct
    {
        unsigned long from, to, action, fallback;
        std::string in;
        const char* hex;
    } more[] = {
        {65001, 20127, 6, 1252,
         "a\xC3\xA9"
         "b",
         "61 E9 62"},
        {1252, 20127, 1, 0,
         "a\xE9"
         "b",
         "61 3F 62"},
        {1252, 20127, 7, 0,
         "a\xE9"
         "b",
         "61 E9 62"},
        {1252, 65001, 2, 0, "a", "61"},
        {65001, 1252, 7, 0,
         "a\xFF"
         "b",
         "61 FF 62"},
        // The euro sign has no Latin-1 form: in the fallback page, which is the item's own, it
        // goes out unchanged.
        {1252, 28591, 6, 1200,
         "a\x80"
         "b",
         "61 AC 20 62"},
    };
    for (auto& c : more)
    {
        DataBuffer o;
        EncodingConvert e;
        e.m_errorAction = c.action;
        e.m_fallbackCodePage = c.fallback;
        e.m_substituteCount = 1;
        e.m_substitute[0] = '?';
        e.Convert(c.from, c.to, reinterpret_cast<const unsigned char*>(c.in.data()),
                  (unsigned long)c.in.size(), o);
        EXPECT_EQ(Hex(BufferBytes(o)), c.hex) << c.from << "->" << c.to << " action " << c.action;
    }
}

// U+EFFD followed by U+0000-U+0005 is text like any other unless an error action that marks what
// it writes is in force (expected: Python's codecs with errors="ignore").
TEST(EncodingConvert, PrivateUseTextIsNoMarker)
{
    const std::string effd = "\xEE\xBF\xBD"; // U+EFFD
    struct
    {
        unsigned long to;
        std::string in;
        const char* hex;
    } cases[] = {
        {1252, effd + "\x03Hello", "03 48 65 6C 6C 6F"},
        {1252, effd + std::string("\0", 1) + "A", "00 41"},
        {932, effd + "\x01\xE4\xBA\x9C", "01 88 9F"},
        {28591, "a" + effd + "\x05\xC3\xA9" + effd, "61 05 E9"},
    };
    for (auto& c : cases)
    {
        Result r = Conv(65001, c.to, c.in);
        EXPECT_FALSE(r.ok) << Hex(c.in);
        EXPECT_EQ(r.hex, c.hex) << c.to << " " << Hex(c.in);
    }
    // An action that writes no marker leaves the text alone as well.
    DataBuffer hex;
    EncodingConvert hexConv;
    hexConv.m_errorAction = 2;
    const std::string text = effd + "\x03Hello";
    EXPECT_FALSE(hexConv.Convert(65001, 1252, reinterpret_cast<const unsigned char*>(text.data()),
                                 (unsigned long)text.size(), hex));
    EXPECT_EQ(BufferBytes(hex), "&#xEEBFBD;\x03Hello");
    // Marked substitutes still pass the second stage as they were written.
    DataBuffer out;
    EncodingConvert conv;
    conv.m_errorAction = 1;
    conv.m_substituteCount = 2;
    conv.m_substitute[0] = '[';
    conv.m_substitute[1] = ']';
    const std::string in = "a\x80"
                           "b\x80"
                           "c";
    EXPECT_FALSE(conv.Convert(65001, 1252, reinterpret_cast<const unsigned char*>(in.data()),
                              (unsigned long)in.size(), out));
    EXPECT_EQ(BufferBytes(out), "a[]b[]c");
    // A substitute longer than one run goes through in several.
    struct
    {
        unsigned long from, to;
        const char* text;
    } pages[] = {{65001, 1252, "a\x80z"}, {65001, 932, "a\x80z"}, {1252, 65001, "a\x81z"}};
    for (auto& c : pages)
    {
        DataBuffer o;
        EncodingConvert e;
        e.m_errorAction = 1;
        e.m_substituteCount = 12;
        memcpy(e.m_substitute, "<not a char>", 12);
        EXPECT_FALSE(e.Convert(c.from, c.to, (const unsigned char*)c.text, 3, o));
        EXPECT_EQ(BufferBytes(o), "a<not a char>z") << c.from << "->" << c.to;
    }
}

namespace
{
// The two stages through UTF-16 done one after the other by hand: what a conversion between a
// table page and UTF-8 gives by definition, whichever way the engine takes.
Result TwoStages(unsigned long from, unsigned long to, const std::string& prefix, const std::string& in)
{
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(in.data());
    DataBuffer utf16, out;
    out.Append(prefix.data(), (unsigned long)prefix.size());
    EncodingConvert first, second;
    bool ok;
    if (from == 65001)
    {
        ok = first.Convert(65001, 1200, bytes, (unsigned long)in.size(), utf16);
        ok = second.EncodeFromUtf16(to, utf16.GetData(), utf16.GetSize(), out) && ok;
    }
    else
    {
        ok = first.DecodeToUtf16(from, bytes, (unsigned long)in.size(), utf16);
        ok = second.Convert(1200, 65001, utf16.GetData(), utf16.GetSize(), out) && ok;
    }
    return {ok, Hex(BufferBytes(out))};
}
} // namespace

// Runs of ASCII text are taken a word at a time and output is written in blocks: runs that end
// anywhere in a word, characters split by the end of the input or of a block, bytes the page lacks
// inside a run, and output that outgrows its first reservation all come out as the two stages
// give them, appended after what the buffer held.
TEST(EncodingConvert, OnePassConversionsMatchTheTwoStages)
{
    struct
    {
        unsigned long from, to;
        std::string character; // one non-ASCII character of the source page
        std::string bad;       // a byte sequence the conversion cannot take
    } pages[] = {
        {1252, 65001, "\xE9", "\x81"},
        {932, 65001, "\x88\x9F", "\xFD"},
        {932, 65001, "\xB1", "\x80"},
        {65001, 932, "\xE4\xBA\x9C", "\xFF"},
        {65001, 932, "\xC2\xA7", "\xE4\xB8"},
        {65001, 932, "\xEF\xBD\xB1", "\xE0\x80\x80"},
        {65001, 1252, "\xC3\xA9", "\xE4\xB8\x80"},
    };
    for (auto& page : pages)
    {
        std::vector<std::string> texts;
        for (int run = 0; run <= 19; run++)
            for (int lead = 0; lead <= 9; lead += 3)
            {
                std::string ascii;
                for (int i = 0; i < run; i++)
                    ascii += (char)('a' + i % 26);
                std::string before(lead, 'Z');
                texts.push_back(before + ascii + page.character + ascii);
                texts.push_back(before + page.character + ascii);
                texts.push_back(before + ascii + page.bad + ascii);
                texts.push_back(ascii + page.character.substr(0, 1)); // a lead byte last
            }
        // Characters across the first block's end, and a text of non-ASCII characters only,
        // whose output passes the first reservation.
        for (int shift = 0; shift < 4; shift++)
            texts.push_back(std::string(4096 - shift, 'q') + page.character + "tail");
        std::string wide;
        for (int i = 0; i < 12000; i++)
            wide += page.character;
        texts.push_back(wide);
        texts.push_back(wide + page.bad);
        for (const std::string& text : texts)
        {
            DataBuffer out;
            out.Append("x", 1);
            EncodingConvert conv;
            bool ok = conv.Convert(page.from, page.to, reinterpret_cast<const unsigned char*>(text.data()),
                                   (unsigned long)text.size(), out);
            Result expected = TwoStages(page.from, page.to, "x", text);
            EXPECT_EQ(ok, expected.ok) << page.from << "->" << page.to << " " << Hex(text.substr(0, 64));
            EXPECT_EQ(Hex(BufferBytes(out)), expected.hex)
                << page.from << "->" << page.to << " " << Hex(text.substr(0, 64));
        }
    }
}
