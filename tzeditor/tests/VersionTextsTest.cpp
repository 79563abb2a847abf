// The version block's texts, and its strings read from the editor's own executable.
#include <gtest/gtest.h>

#include <vector>

#include "VersionTexts.h"

TEST(VersionTexts, FileTypesAndSystems)
{
    struct TypeCase
    {
        DWORD type, subtype;
        const char* text;
    } types[] = {
        {0, 7, "Unknown type"},
        {1, 0, "Application"},
        {2, 3, "Dynamic link library"},
        {3, 0, "Unknown driver"},
        {3, 1, "Printer driver"},
        {3, 2, "Keyboard driver"},
        {3, 3, "Language driver"},
        {3, 4, "Display driver"},
        {3, 5, "Mouse driver"},
        {3, 6, "Network driver"},
        {3, 7, "System driver"},
        {3, 8, "Installable driver"},
        {3, 9, "Sound driver"},
        {4, 0, "Unknown font"},
        {4, 1, "Raster font"},
        {4, 2, "Vector font"},
        {4, 3, "Truetype font"},
        {5, 0, "Virtual device"},
        {7, 0, "Static link library"},
        // Not in the tables: the text stays as it was.
        {3, 10, NULL},
        {3, 12, NULL},
        {4, 4, NULL},
        {6, 0, NULL},
        {8, 0, NULL},
    };
    for (const TypeCase& c : types)
    {
        CString text = "before";
        EXPECT_EQ(c.text != NULL, !!FileTypeText(c.type, c.subtype, text)) << c.type << "/" << c.subtype;
        EXPECT_STREQ(c.text != NULL ? c.text : "before", (LPCTSTR)text);
    }

    struct OsCase
    {
        DWORD os;
        const char* text;
    } systems[] = {
        {0, "Unknown OS"},
        {0x10000, "MS-DOS"},
        {0x10001, "16-bit windows running on MS-DOS"},
        {0x10004, "Win32 API running on MS-DOS"},
        {0x20000, "16-bit OS/2"},
        {0x20002, "16-bit Presentation manager running on 16-bit OS/2"},
        {0x30000, "32-bit OS/2"},
        {0x40000, "Windows NT"},
        {0x40004, "Win32 API on Windows NT"},
        {0x4, NULL},
        {0x40001, NULL},
    };
    for (const OsCase& c : systems)
    {
        CString text = "before";
        EXPECT_EQ(c.text != NULL, !!OperatingSystemText(c.os, text)) << c.os;
        EXPECT_STREQ(c.text != NULL ? c.text : "before", (LPCTSTR)text);
    }
}

#ifdef TORVANE_EXE
TEST(VersionTexts, StringsOfTheEditorsOwnBlock)
{
    DWORD handle = 0;
    DWORD size = ::GetFileVersionInfoSizeA(TORVANE_EXE, &handle);
    ASSERT_NE(0u, size) << TORVANE_EXE;
    std::vector<BYTE> block(size);
    ASSERT_TRUE(::GetFileVersionInfoA(TORVANE_EXE, 0, size, block.data()));
    LPVOID translation = NULL;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &translation, &length));
    DWORD dwTranslation = *(DWORD*)translation;
    EXPECT_EQ(0x04b00409u, dwTranslation);

    struct Case
    {
        const char* key;
        const char* value;
    } cases[] = {
        {"CompanyName", "Quendra Labs"},     {"LegalCopyRight", "Copyright (C) 1999-2003 Quendra Labs"},
        {"OriginalFileName", "Torvane.exe"}, {"FileVersion", "1.53"},
        {"ProductName", "Velmora Torvane"},  {"NoSuchKey", ""},
    };
    for (const Case& c : cases)
    {
        CString value = "garbage";
        EXPECT_EQ(*c.value != 0, !!QueryVersionString(block.data(), dwTranslation, c.key, value)) << c.key;
        EXPECT_STREQ(c.value, (LPCTSTR)value) << c.key;
    }
    // A translation the block does not carry finds nothing.
    CString value = "garbage";
    EXPECT_FALSE(QueryVersionString(block.data(), 0x04e40407, "CompanyName", value));
    EXPECT_TRUE(value.IsEmpty());
}
#endif
