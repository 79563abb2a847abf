// The file name of an Internet shortcut made from a link's text.
#include <gtest/gtest.h>

#include "LinkServices.h"

TEST(LinkServicesTest, ShortcutFileNames)
{
    struct Row
    {
        const char* pszText;
        BOOL bOk;
        const char* pszPath;
    } rows[] = {
        {"Velmora home page", TRUE, "C:\\links\\Velmora home page.URL"},
        {"What? <Now> \"quoted\" a|b*c:d", TRUE, "C:\\links\\What Now quoted abcd.URL"},
        {"tab\there\r\n", TRUE, "C:\\links\\tabhere.URL"},
        {"trailing dots...", FALSE, ""}, // ".." anywhere is refused
        {"ends in a dot. ", TRUE, "C:\\links\\ends in a dot.URL"},
        {"..\\..\\evil", FALSE, ""},
        {"sub/dir", FALSE, ""},
        {"C:\\Windows\\x", FALSE, ""},
        {"???", FALSE, ""},
        {"", FALSE, ""},
        {" . ", FALSE, ""},
        {"%s%n%x", TRUE, "C:\\links\\%s%n%x.URL"},
    };
    for (const Row& r : rows)
    {
        CString strPath;
        EXPECT_EQ(r.bOk, MakeShortcutPath(_T("C:\\links"), r.pszText, strPath)) << r.pszText;
        EXPECT_STREQ(r.pszPath, (LPCSTR)strPath) << r.pszText;
    }
    // The whole path must fit in MAX_PATH.
    CString strPath;
    CString strLong(_T('a'), MAX_PATH - 14);
    EXPECT_TRUE(MakeShortcutPath(_T("C:\\links"), strLong, strPath));
    EXPECT_FALSE(MakeShortcutPath(_T("C:\\links"), strLong + _T("a"), strPath));
    EXPECT_TRUE(strPath.IsEmpty());
    EXPECT_FALSE(MakeShortcutPath(_T(""), _T("name"), strPath));
}
