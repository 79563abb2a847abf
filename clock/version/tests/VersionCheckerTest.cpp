// Reading the version-information file, the version order and the result texts of a check.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "VersionChecker.h"

namespace
{
const char kProduct[] = "Velmora Clock";
const char kOwn[] = "2.34.012";

std::string VersionFile(const char* pszRoot, const char* pszProduct, const char* pszRelease,
                        const char* pszBeta)
{
    std::string s = "<?xml version=\"1.0\"?>\n<";
    s += pszRoot;
    s += "><info><product>";
    s += pszProduct;
    s += "</product>";
    s += pszRelease;
    s += pszBeta;
    s += "</info></";
    s += pszRoot;
    s += ">\n";
    return s;
}

BOOL ReadText(const std::string& xml, CVersionChecker& checker)
{
    CTestFolder folder;
    folder.Write(_T("info.xml"), xml);
    checker.m_strOwnVersion = kOwn;
    return checker.ReadVersionFile(folder.File(_T("info.xml")), kProduct);
}
} // namespace

TEST(VersionCheckerTest, ReadsTheVersionFile)
{
    const std::string same = "<rel><v>2.34.012</v><d>June</d></rel>";
    const std::string beta = "<beta><v>2.35.001</v><d>beta 1</d></beta>";
    const std::string older = "<beta><v>2.30.000</v></beta>";
    const std::string newer = "<rel><v>2.34.013</v><d>July</d></rel>";
    const std::string text4 = "<rel><v>2.4</v></rel>";
    const std::string rootName = "Quendra_Version_Info";
    struct Row
    {
        std::string xml;
        BOOL bOk;
        const char* pszError;
        const char* pszRelease;
        const char* pszRelease2;
        BOOL bNewerRelease;
        BOOL bNewerBeta;
    } rows[] = {
        {VersionFile(rootName.c_str(), kProduct, same.c_str(), beta.c_str()), TRUE, "", "2.34.012", "June",
         FALSE, TRUE},
        {VersionFile(rootName.c_str(), kProduct, newer.c_str(), older.c_str()), TRUE, "", "2.34.013", "July",
         TRUE, FALSE},
        // Text order, not number order: "2.4" sorts after "2.34.012".
        {VersionFile(rootName.c_str(), kProduct, text4.c_str(), older.c_str()), TRUE, "", "2.4", "2.4", TRUE,
         FALSE},
        {VersionFile("Other_Root", kProduct, same.c_str(), beta.c_str()), FALSE,
         "XML Document root is incorrect", "", "", FALSE, FALSE},
        {VersionFile(rootName.c_str(), "Torvane %s%n", same.c_str(), beta.c_str()), FALSE,
         "Product Name refers to different application - Torvane %s%n", "", "", FALSE, FALSE},
        {VersionFile(rootName.c_str(), kProduct, "", ""), FALSE, "Unable to find release version information",
         "", "", FALSE, FALSE},
        {VersionFile(rootName.c_str(), kProduct, same.c_str(), ""), FALSE,
         "Unable to find beta version information", "2.34.012", "June", FALSE, FALSE},
        {"<Quendra_Version_Info/>", FALSE, "Xml Document structure is invalid", "", "", FALSE, FALSE},
        {"<Quendra_Version_Info><info/></Quendra_Version_Info>", FALSE, "Cannot find Product Name node", "",
         "", FALSE, FALSE},
    };
    for (const Row& r : rows)
    {
        CVersionChecker checker;
        EXPECT_EQ(r.bOk, ReadText(r.xml, checker)) << r.xml;
        EXPECT_STREQ(r.pszError, (LPCSTR)checker.m_strError) << r.xml;
        EXPECT_STREQ(r.pszRelease, (LPCSTR)checker.m_strRelease) << r.xml;
        EXPECT_STREQ(r.pszRelease2, (LPCSTR)checker.m_strRelease2) << r.xml;
        EXPECT_EQ(r.bNewerRelease, checker.m_bNewerRelease) << r.xml;
        EXPECT_EQ(r.bNewerBeta, checker.m_bNewerBeta) << r.xml;
    }
}

TEST(VersionCheckerTest, AMissingFileIsNotLoaded)
{
    CVersionChecker checker;
    CTestFolder folder;
    EXPECT_FALSE(checker.ReadVersionFile(folder.File(_T("none.xml")), kProduct));
    EXPECT_STREQ("Cannot load VersionInfo XML document", (LPCSTR)checker.m_strError);
}

TEST(VersionCheckerTest, ComposesTheThreeResults)
{
    const CString strNone =
        _T("No newer versions of Velmora were found.\n\nYou have the current version of Velmora Clock");
    const CString strRel = _T("A new release version of Velmora is available: Version");
    const CString strBeta = _T("A new beta version of Velmora is available: Version");
    struct Row
    {
        BOOL bNewerRelease, bNewerBeta, bWithBeta;
        const char* pszText;
        BOOL bFound;
    } rows[] = {
        {FALSE, FALSE, TRUE,
         "No newer versions of Velmora were found.\n\nYou have the current version of Velmora Clock", FALSE},
        {TRUE, FALSE, TRUE, "A new release version of Velmora is available: Version 2.34.013\n", TRUE},
        {TRUE, TRUE, TRUE,
         "A new release version of Velmora is available: Version 2.34.013\n"
         "A new beta version of Velmora is available: Version 2.35.001\n",
         TRUE},
        // Betas are not reported when the user does not want them.
        {FALSE, TRUE, FALSE,
         "No newer versions of Velmora were found.\n\nYou have the current version of Velmora Clock", FALSE},
        {FALSE, TRUE, TRUE, "A new beta version of Velmora is available: Version 2.35.001\n", TRUE},
    };
    for (const Row& r : rows)
    {
        CVersionChecker checker;
        checker.m_strRelease = _T("2.34.013");
        checker.m_strBeta = _T("2.35.001");
        checker.m_bNewerRelease = r.bNewerRelease;
        checker.m_bNewerBeta = r.bNewerBeta;
        BOOL bFound = -1;
        CString s = ComposeVersionReport(checker, r.bWithBeta, strNone, strRel, strBeta, bFound);
        EXPECT_STREQ(r.pszText, (LPCSTR)s);
        EXPECT_EQ(r.bFound, bFound);
    }
}

TEST(VersionCheckerTest, AutomaticCheckInterval)
{
    COleDateTime dtLast(2026, 3, 1, 12, 0, 0);
    EXPECT_FALSE(IsAutoVersionCheckDue(0, COleDateTime(0.0), COleDateTime(2026, 3, 20, 0, 0, 0)));
    EXPECT_FALSE(IsAutoVersionCheckDue(7, dtLast, COleDateTime(2026, 3, 8, 11, 59, 0)));
    EXPECT_TRUE(IsAutoVersionCheckDue(7, dtLast, COleDateTime(2026, 3, 8, 12, 0, 0)));
    EXPECT_TRUE(IsAutoVersionCheckDue(1, COleDateTime(0.0), dtLast));
}

// Nothing listens on this port: the check fails without leaving a temporary file behind.
TEST(VersionCheckerTest, FailedDownloadLeavesNoFile)
{
    CVersionChecker checker;
    ASSERT_TRUE(checker.IsUsable());
    CTestFolder folder;
    ::SetEnvironmentVariableA("VELMORA_ROUTE", NULL);
    EXPECT_FALSE(checker.Check(_T("http://127.0.0.1:9"), kProduct, folder.Path() + _T("\\"),
                               _T("velmorainfo.xml"), kOwn));
    EXPECT_STREQ("Cannot connect to file version URL", (LPCSTR)checker.m_strError);
    EXPECT_TRUE(folder.Files().empty());
}
