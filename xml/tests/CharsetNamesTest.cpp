#include "Charsets.h"
#include "EncodingConvert.h"
#include <gtest/gtest.h>

TEST(CharsetNames, ResolvesNormalisedNames)
{
    struct
    {
        const char* name;
        unsigned long cp;
    } cases[] = {
        {"  UTF_8\r\n", 65001},
        {"Shift_JIS", 932},
        {"ISO_8859-1", 28591},
        {"latin1", 28591},
        {"l1", 28591},
        {"us", 20127},
        {"iso-2022-jp", 50220},
        {"csiso2022jp", 50221},
        {"iso-2022-jp-1", 50221},
        {"iso-2022-jp-2", 50222},
        {"iso-8859-8 visual", 28598},
        {"iso-8859-8  visual", 0},
        {"utf-32", 65005},
        {"utf-32be", 65006},
        {"utf-16", 1200},
        {"utf-16be", 1201},
        {"x-user-defined", 50000},
        {"", 0},
        {"   ", 0},
        {"utf8", 0},
        {"cp1252", 0},
        {"windows1252", 0},
        {"windows-1252", 1252},
        {"ebcdic-latin9--euro", 20924},
        {"ISO-10646-UCS-2", 1200},
        {"x-mac-japanese", 10001},
        {"euc-kr", 51949},
        {"gb18030", 54936},
        {"big5", 950},
        {"koi8-u", 21866},
        {"utf-7", 65000},
        {"zzz", 0},
        {"a", 0},
        {"iso-8859-1:1987", 28591},
    };
    for (auto& c : cases)
    {
        EXPECT_EQ(CharsetToCodePage(c.name), c.cp) << c.name;
        EXPECT_EQ(IsKnownCharset(c.name), c.cp != 0) << c.name;
    }
    EXPECT_EQ(CharsetToCodePage(nullptr), 0u);
    EXPECT_EQ(GetCharsetNameCount(), 411);
}

TEST(CharsetNames, ThirtySixNamedCodePagesAreNotConvertible)
{
    unsigned long notConvertible[] = {709,   10002, 10003, 10008, 20000, 20001, 20002, 20003, 20004,
                                      20005, 20833, 20936, 20949, 21027, 29001, 50000, 50227, 50930,
                                      50931, 50933, 50935, 50937, 50939, 51950, 52936, 54936, 57002,
                                      57003, 57004, 57005, 57006, 57007, 57008, 57009, 57010, 57011};
    EXPECT_EQ(sizeof(notConvertible) / sizeof(notConvertible[0]), 36u);
    for (unsigned long cp : notConvertible)
        EXPECT_FALSE(EncodingConvert::IsConvertible(cp)) << cp;
    for (unsigned long cp :
         {1200ul, 1201ul, 65000ul, 65001ul, 65005ul, 65006ul, 50220ul, 50225ul, 1252ul, 932ul})
        EXPECT_TRUE(EncodingConvert::IsConvertible(cp)) << cp;
}
