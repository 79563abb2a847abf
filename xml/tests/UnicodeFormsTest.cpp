#include "TestUtil.h"
#include "UnicodeForms.h"
#include <gtest/gtest.h>

namespace
{
void Fill(DataBuffer& b, const std::string& s)
{
    b.Append(s.data(), (unsigned long)s.size());
}
} // namespace

TEST(UnicodeForms, Utf8Legality)
{
    struct
    {
        std::string seq;
        bool legal;
    } cases[] = {
        {"\xE0\x80\x80", false},
        {"\xED\xA0\x80", true},
        {"\xF4\x90\x80\x80", false},
        {"\xC1\xBF", false},
        {"\xF8\x88\x80\x80", false},
        {"\xC3\xA9", true},
        {"A", true},
        {"\xF0\x9F\x98\x80", true},
        {"\x80", false},
        {"\xE2\x82\xAC", true},
    };
    for (auto& c : cases)
        EXPECT_EQ(IsLegalUtf8(reinterpret_cast<const unsigned char*>(c.seq.data()), (int)c.seq.size()),
                  c.legal)
            << Hex(c.seq);
    struct
    {
        std::string seq;
        unsigned long avail;
        int length;
    } lengths[] = {
        {"", 0, 0},  {"\xE2\x82\xAC", 3, 3}, {"\xE2\x82", 2, 2}, {"\xE0\x80\x80", 3, 1},
        {"A", 1, 1}, {"\xFC\x80", 2, 2},
    };
    for (auto& c : lengths)
        EXPECT_EQ(Utf8SequenceLength(reinterpret_cast<const unsigned char*>(c.seq.data()), c.avail), c.length)
            << Hex(c.seq);
}

TEST(UnicodeForms, CodecDecodesAndEncodes)
{
    EncodingUtf8& codec = SharedUtf8Codec();
    ConvertState state;
    struct
    {
        std::string in;
        int used;
        unsigned short unit;
    } cases[] = {
        {"A", 1, 'A'},
        {"\xC3\xA9", 2, 0xE9},
        {"\xE2\x82\xAC", 3, 0x20AC},
        {"\xED\xA0\x80", 3, 0xD800},
        {"\xC3", -2, 0},
        {"\xE2\x82", -2, 0},
        {"\xC3\x41", -1, 0},
        {"\x80", -1, 0},
        {"\xE0\x9F\x80", -1, 0},
        {"\xF0\x9F\x98\x80", -1, 0},
        {"\x9F\x98\x80", -1, 0},
        {"\x98\x80", -1, 0},
    };
    for (auto& c : cases)
    {
        unsigned short unit = 0;
        int used = codec.Decode(state, reinterpret_cast<const unsigned char*>(c.in.data()),
                                (unsigned long)c.in.size(), &unit);
        EXPECT_EQ(used, c.used) << Hex(c.in);
        if (used > 0)
        {
            EXPECT_EQ(unit, c.unit) << Hex(c.in);
        }
    }
    struct
    {
        unsigned short unit;
        const char* hex;
    } enc[] = {{0x41, "41"}, {0xE9, "C3 A9"}, {0x20AC, "E2 82 AC"}, {0xD83D, "ED A0 BD"}};
    for (auto& c : enc)
    {
        DataBuffer out;
        EXPECT_GT(codec.Encode(state, c.unit, out), 0);
        EXPECT_EQ(Hex(BufferBytes(out)), c.hex);
    }
}

TEST(UnicodeForms, Utf32)
{
    struct
    {
        std::string in;
        bool ok;
        const char* hex;
    } toUtf8[] = {
        {std::string("\x00\x00\x20\x00", 4), true, "EF BF BD"},
        {std::string("\xFF\xFF\x10\x00", 4), true, "F4 8F BF BF"},
        {std::string("\x41\x00\x00", 3), false, ""},
        {std::string("\xE9\x00\x00\x00\x41\x00", 6), true, "C3 A9"},
    };
    for (auto& c : toUtf8)
    {
        DataBuffer in, out;
        Fill(in, c.in);
        EXPECT_EQ(Utf32ToUtf8(in, out), c.ok);
        EXPECT_EQ(Hex(BufferBytes(out)), c.hex);
    }
    struct
    {
        std::string in;
        bool ok;
        const char* le;
        const char* be;
    } fromUtf8[] = {
        {"\x41\xC3", false, "41 00 00 00", "00 00 00 41"},
        {"\xF0\x9F\x98\x80", true, "00 F6 01 00", "00 01 F6 00"},
        {"\xE2\x82\xAC", true, "AC 20 00 00", "00 00 20 AC"},
        {"\xC0\x80", false, "", ""},
    };
    for (auto& c : fromUtf8)
    {
        DataBuffer in, le, be;
        Fill(in, c.in);
        EXPECT_EQ(Utf8ToUtf32LE(in, le), c.ok);
        EXPECT_EQ(Utf8ToUtf32BE(in, be), c.ok);
        EXPECT_EQ(Hex(BufferBytes(le)), c.le);
        EXPECT_EQ(Hex(BufferBytes(be)), c.be);
    }
}

TEST(UnicodeForms, Utf7FollowsRfc2152)
{
    struct
    {
        std::string utf16;
        const char* utf7;
    } enc[] = {
        {std::string("A\0+\0B\0", 6), "A+-B"},
        {std::string("\xE9\0", 2), "+AOk-"},
        {std::string("\xFF\xFE", 2), ""},
        {std::string("H\0i\0 \0M\0o\0m\0 \0:\0-\0)\0", 20), "Hi Mom :-)"},
        {std::string("\xE5\x65\x2C\x67\x9E\x8A", 6), "+ZeVnLIqe-"},
        {std::string("A\0\x62\x22\x91\x03.\0", 8), "A+ImIDkQ-."},
        {std::string("!\0", 2), "+ACE-"},
    };
    for (auto& c : enc)
    {
        DataBuffer in, out;
        Fill(in, c.utf16);
        EXPECT_TRUE(Utf16ToUtf7(in, out));
        EXPECT_EQ(BufferBytes(out), c.utf7);
    }
    struct
    {
        std::string utf7;
        bool ok;
        std::string utf16;
    } dec[] = {
        {"+AOk-", true, std::string("\xE9\0", 2)},
        {"+", false, ""},
        {"+-", true, std::string("+\0", 2)},
        {"A+ImIDkQ.", true, std::string("A\0\x62\x22\x91\x03.\0", 8)},
        {"+ZeVnLIqe-", true, std::string("\xE5\x65\x2C\x67\x9E\x8A", 6)},
        {"+AOl-", false, std::string("\xE9\0", 2)},
        {"a\xE9", false, std::string("a\0\xE9\xFF", 4)},
        {"+A-x", false, std::string("x\0", 2)},
    };
    for (auto& c : dec)
    {
        DataBuffer in, out;
        Fill(in, c.utf7);
        EXPECT_EQ(Utf7ToUtf16(in, out), c.ok) << c.utf7;
        EXPECT_EQ(Hex(BufferBytes(out)), Hex(c.utf16)) << c.utf7;
    }
}
