// "Set Timezone" page in a real property sheet: the zone list from a zone file, the clock taking the
// selected zone at once, the daylight check, the preview texts, and missing or damaged files.
#include <gtest/gtest.h>

#include <afxwin.h>
#include <afxdlgs.h>
#include <vector>

#include "AppTestMain.h"
#include "Clock.h"
#include "ConfigureClock.h"
#include "TestSupport.h"
#include "TimeZoneInfo.h"
#include "velmora/resource.h"

namespace
{
std::vector<CString> g_messages;

int AFXAPI RecordMessage(LPCTSTR pszText, UINT, UINT)
{
    g_messages.push_back(pszText);
    return IDOK;
}

CTimeZoneInfo* MakeZone(LPCTSTR pszName, LONG nBias, BOOL bDaylight)
{
    CTimeZoneInfo* p = new CTimeZoneInfo;
    p->m_strName = pszName;
    memset(&p->m_tzi, 0, sizeof(p->m_tzi));
    p->m_tzi.Bias = nBias;
    wcscpy(p->m_tzi.StandardName, L"Test Standard Time");
    if (bDaylight)
    {
        p->m_tzi.StandardDate.wMonth = 10;
        p->m_tzi.StandardDate.wDay = 5;
        p->m_tzi.StandardDate.wHour = 3;
        p->m_tzi.DaylightDate.wMonth = 3;
        p->m_tzi.DaylightDate.wDay = 5;
        p->m_tzi.DaylightDate.wHour = 2;
        p->m_tzi.DaylightBias = 60;
    }
    return p;
}

class ConfigureClock : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetAppTestProfile();
        AfxSetResourceHandle(::GetModuleHandle(NULL));
        m_strFile = m_folder.File(_T("VelmoraTZ"));
        m_pfnOldHook = afxMessageBoxHook;
        afxMessageBoxHook = RecordMessage;
        g_messages.clear();
    }
    void TearDown() override { afxMessageBoxHook = m_pfnOldHook; }
    void WriteZones()
    {
        CObArray zones;
        zones.Add(MakeZone("(GMT) Reykjavik", 0, FALSE));
        zones.Add(MakeZone("(GMT+01:00) Paris", 60, TRUE));
        zones.Add(MakeZone("(GMT-05:00) Lima", -300, FALSE));
        ASSERT_TRUE(CTimeZoneInfo::WriteZoneFile(m_strFile, zones));
        for (int i = 0; i < zones.GetSize(); i++)
            delete zones[i];
    }
    // Opens the page in a modeless sheet for the clock.
    void Open(CConfigureClock& page, CPropertySheet& sheet)
    {
        page.m_pClock = &m_clock;
        page.m_pbReloadZone = &m_bReload;
        page.m_nDateOrder = 1;
        page.m_strTZFile = m_strFile;
        page.m_strSelectedName = m_clock.m_strDisplayName;
        page.m_tziSelected = m_clock.m_tzi;
        sheet.AddPage(&page);
        ASSERT_TRUE(sheet.Create(NULL, WS_POPUP | WS_CAPTION | WS_SYSMENU));
        ASSERT_TRUE(page.GetSafeHwnd() != NULL);
    }
    // The clock as the page leaves it after a zone of the file was chosen.
    void SetClockZone(LPCTSTR pszName, LONG nBias, BOOL bDaylight)
    {
        CTimeZoneInfo* p = MakeZone(pszName, nBias, bDaylight);
        m_clock.m_strDisplayName = pszName;
        m_clock.m_tzi = p->m_tzi;
        delete p;
    }
    BOOL CheckEnabled(CConfigureClock& page) { return page.GetDlgItem(IDC_TZ_DAYLIGHT)->IsWindowEnabled(); }
    int CheckState(CConfigureClock& page)
    {
        return (int)page.GetDlgItem(IDC_TZ_DAYLIGHT)->SendMessage(BM_GETCHECK, 0, 0);
    }
    void ClickCheck(CConfigureClock& page)
    {
        CWnd* pCheck = page.GetDlgItem(IDC_TZ_DAYLIGHT);
        pCheck->SendMessage(BM_SETCHECK, CheckState(page) ? BST_UNCHECKED : BST_CHECKED, 0);
        page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TZ_DAYLIGHT, BN_CLICKED), (LPARAM)pCheck->GetSafeHwnd());
    }

    CTestFolder m_folder;
    CString m_strFile;
    CClock m_clock;
    BOOL m_bReload = FALSE;
    AFX_MESSAGEBOX_HOOK m_pfnOldHook = NULL;
};
} // namespace

TEST_F(ConfigureClock, ListsTheFileAndSelectsTheClocksZone)
{
    WriteZones();
    SetClockZone("(GMT+01:00) Paris", 60, TRUE);
    CConfigureClock page;
    CPropertySheet sheet(_T("Clock Configuration"));
    Open(page, sheet);

    EXPECT_TRUE(g_messages.empty());
    ASSERT_EQ(3, page.m_lbZones.GetCount());
    CString str;
    page.m_lbZones.GetText(0, str);
    EXPECT_EQ(CString("(GMT) Reykjavik"), str);
    EXPECT_EQ(1, page.m_lbZones.GetCurSel());
    EXPECT_EQ(60, m_clock.m_tzi.Bias);
    EXPECT_TRUE(CheckEnabled(page));
    EXPECT_EQ(BST_CHECKED, CheckState(page));
    CString strName;
    page.GetDlgItemText(IDC_TZ_NAME, strName);
    EXPECT_EQ(CString("Test Standard Time"), strName);

    // Clearing the check takes both rules out of the clock; setting it brings them back.
    ClickCheck(page);
    EXPECT_EQ(0, m_clock.m_tzi.DaylightDate.wMonth);
    EXPECT_EQ(0, m_clock.m_tzi.StandardDate.wMonth);
    ClickCheck(page);
    EXPECT_EQ(3, m_clock.m_tzi.DaylightDate.wMonth);
    EXPECT_EQ(10, m_clock.m_tzi.StandardDate.wMonth);

    // Another zone goes into the clock at once, name included; without rules the check is off.
    page.m_lbZones.SetCurSel(2);
    page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TZ_LIST, LBN_SELCHANGE),
                     (LPARAM)page.m_lbZones.GetSafeHwnd());
    EXPECT_EQ(-300, m_clock.m_tzi.Bias);
    EXPECT_EQ(CString("(GMT-05:00) Lima"), m_clock.m_strDisplayName);
    EXPECT_FALSE(CheckEnabled(page));
    EXPECT_EQ(BST_UNCHECKED, CheckState(page));
    sheet.DestroyWindow();
}

TEST_F(ConfigureClock, ClockKeptOnStandardTimeStaysSoWhenThePageOpens)
{
    WriteZones();
    // Paris, with its daylight rules taken out on an earlier visit of the page.
    SetClockZone("(GMT+01:00) Paris", 60, TRUE);
    m_clock.m_tzi.StandardDate.wMonth = 0;
    m_clock.m_tzi.DaylightDate.wMonth = 0;
    CConfigureClock page;
    CPropertySheet sheet(_T("Clock Configuration"));
    Open(page, sheet);
    EXPECT_EQ(1, page.m_lbZones.GetCurSel());
    EXPECT_EQ(0, m_clock.m_tzi.DaylightDate.wMonth);
    EXPECT_EQ(0, m_clock.m_tzi.StandardDate.wMonth);
    EXPECT_EQ(60, m_clock.m_tzi.Bias);
    EXPECT_TRUE(CheckEnabled(page));
    EXPECT_EQ(BST_UNCHECKED, CheckState(page));

    // Setting the check gives the clock the file's rules.
    ClickCheck(page);
    EXPECT_EQ(3, m_clock.m_tzi.DaylightDate.wMonth);
    EXPECT_EQ(10, m_clock.m_tzi.StandardDate.wMonth);
    EXPECT_EQ(BST_CHECKED, CheckState(page));
    sheet.DestroyWindow();
}

TEST_F(ConfigureClock, UnknownNameSelectsNothingAndKeepsTheZone)
{
    WriteZones();
    m_clock.m_strDisplayName = "(GMT+09:00) Tokyo";
    m_clock.m_tzi.Bias = 540;
    CConfigureClock page;
    CPropertySheet sheet(_T("Clock Configuration"));
    Open(page, sheet);
    EXPECT_EQ(3, page.m_lbZones.GetCount());
    EXPECT_EQ(LB_ERR, page.m_lbZones.GetCurSel());
    EXPECT_EQ(540, m_clock.m_tzi.Bias);
    sheet.DestroyWindow();
}

TEST_F(ConfigureClock, DaylightCheckOnAZoneNotInTheFileRestoresItsOwnRules)
{
    WriteZones();
    // A clock whose zone has rules but whose name the file does not know.
    m_clock.m_strDisplayName = "(GMT+02:00) Somewhere";
    memset(&m_clock.m_tzi, 0, sizeof(m_clock.m_tzi));
    m_clock.m_tzi.Bias = 120;
    m_clock.m_tzi.DaylightBias = 60;
    m_clock.m_tzi.DaylightDate.wMonth = 4;
    m_clock.m_tzi.DaylightDate.wDay = 1;
    m_clock.m_tzi.StandardDate.wMonth = 9;
    m_clock.m_tzi.StandardDate.wDay = 5;
    CConfigureClock page;
    CPropertySheet sheet(_T("Clock Configuration"));
    Open(page, sheet);
    ASSERT_EQ(LB_ERR, page.m_lbZones.GetCurSel());
    ASSERT_TRUE(CheckEnabled(page));
    ASSERT_EQ(BST_CHECKED, CheckState(page));

    ClickCheck(page);
    EXPECT_EQ(0, m_clock.m_tzi.DaylightDate.wMonth);
    EXPECT_EQ(0, m_clock.m_tzi.StandardDate.wMonth);
    ClickCheck(page);
    EXPECT_EQ(BST_CHECKED, CheckState(page));
    EXPECT_EQ(4, m_clock.m_tzi.DaylightDate.wMonth);
    EXPECT_EQ(9, m_clock.m_tzi.StandardDate.wMonth);
    EXPECT_EQ(120, m_clock.m_tzi.Bias);
    EXPECT_EQ(CString("(GMT+02:00) Somewhere"), m_clock.m_strDisplayName);
    sheet.DestroyWindow();
}

TEST_F(ConfigureClock, MissingFileIsToldAndNotCreated)
{
    m_clock.m_tzi.Bias = 540;
    CConfigureClock page;
    CPropertySheet sheet(_T("Clock Configuration"));
    Open(page, sheet);
    ASSERT_EQ(1u, g_messages.size());
    EXPECT_EQ(m_strFile +
                  "\nVelmora Timezone file 'VelmoraTZ' is missing\nUntil it is replaced in the 'Velmora' "
                  "folder you will not be able to change Time Zones.\nPlease contact Quendra Labs if you "
                  "need a replacement file.",
              g_messages[0]);
    EXPECT_EQ(0, page.m_lbZones.GetCount());
    EXPECT_EQ(540, m_clock.m_tzi.Bias);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(m_strFile));
    sheet.DestroyWindow();
}

TEST_F(ConfigureClock, DamagedFileShowsNoZones)
{
    WriteZones();
    // Cut the file inside its last record.
    CFile file(m_strFile, CFile::modeReadWrite);
    file.SetLength(file.GetLength() - 20);
    file.Close();

    m_clock.m_strDisplayName = "(GMT) Reykjavik";
    CConfigureClock page;
    CPropertySheet sheet(_T("Clock Configuration"));
    Open(page, sheet);
    EXPECT_EQ(1u, g_messages.size());
    EXPECT_EQ(0, page.m_lbZones.GetCount());
    EXPECT_EQ(0, page.m_arZones.GetSize());
    sheet.DestroyWindow();
}

TEST(ConfigureClockPreview, TextsByDateOrder)
{
    COleDateTime dt(2004, 2, 1, 13, 5, 9);
    EXPECT_EQ(CString("13:05:09 PM"), CConfigureClock::FormatPreviewTime(dt));
    EXPECT_EQ(CString("Sunday. 01 Feb 2004"), CConfigureClock::FormatPreviewDate(dt, 1));
    EXPECT_EQ(CString("Sunday, Feb 01, 2004"), CConfigureClock::FormatPreviewDate(dt, 0));
    EXPECT_EQ(CString("Sunday, Feb 01, 2004"), CConfigureClock::FormatPreviewDate(dt, 2));
}
