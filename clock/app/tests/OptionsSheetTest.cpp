// The options sheet and its "Clock" page: the colour list, the page's values in and out (a colour
// not in the list, the version-check interval's range, the overdue rule), and the sheet's pages,
// first page, position and remembered page.
#include <gtest/gtest.h>

#include <afxwin.h>
#include <afxdlgs.h>
#include <vector>

#include "AppTestMain.h"
#include "ColorCombo.h"
#include "OptionsPage.h"
#include "VelmoraPropertySheet.h"
#include "velmora/resource.h"

namespace
{
int g_nMessages = 0;

int AFXAPI CountMessage(LPCTSTR, UINT, UINT)
{
    g_nMessages++;
    return IDOK;
}

CString ItemText(CComboBox& combo, int i)
{
    CString str;
    combo.GetLBText(i, str);
    return str;
}

class OptionsPage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetAppTestProfile();
        AfxSetResourceHandle(::GetModuleHandle(NULL));
        m_pfnOldHook = afxMessageBoxHook;
        afxMessageBoxHook = CountMessage;
        g_nMessages = 0;
        m_page.m_crBackground = RGB(128, 128, 128);
        m_page.m_nNewClockPos = 1;
        m_page.m_strLayout = "Vertical";
        m_page.m_bRunOverdue = TRUE;
        m_page.m_bUseLimit = TRUE;
        m_page.m_dtLimit = COleDateTime(1899, 12, 30, 1, 30, 15);
        m_page.m_nAlarmTimeDisplay = 2;
        m_page.m_nVersCheckInt = 7;
    }
    void TearDown() override
    {
        if (m_sheet.GetSafeHwnd() != NULL)
            m_sheet.DestroyWindow();
        afxMessageBoxHook = m_pfnOldHook;
    }
    void Open()
    {
        m_sheet.AddPage(&m_page);
        ASSERT_TRUE(m_sheet.Create(NULL, WS_POPUP | WS_CAPTION | WS_SYSMENU));
        ASSERT_TRUE(m_page.GetSafeHwnd() != NULL);
    }
    void Notify(int nID, int nCode)
    {
        m_page.SendMessage(WM_COMMAND, MAKEWPARAM(nID, nCode), (LPARAM)m_page.GetDlgItem(nID)->GetSafeHwnd());
    }

    COptionsPage m_page;
    CPropertySheet m_sheet{_T("Velmora Options")};
    AFX_MESSAGEBOX_HOOK m_pfnOldHook = NULL;
};
} // namespace

TEST(ColorCombo, HoldsTheSixteenColoursAndSelectsByColour)
{
    AfxSetResourceHandle(::GetModuleHandle(NULL));
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, _T("STATIC"), _T(""), WS_POPUP, CRect(0, 0, 200, 200), NULL, 0));
    CColorCombo combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                             CRect(0, 0, 150, 200), &parent, 1));
    struct Case
    {
        const char* pszName;
        COLORREF cr;
    } table[] = {{"Black", 0x000000},  {"Maroon", 0x000080},  {"Green", 0x008000}, {"Olive", 0x008080},
                 {"Navy", 0x800000},   {"Purple", 0x800080},  {"Teal", 0x808000},  {"Grey", 0x808080},
                 {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},     {"Lime", 0x00FF00},  {"Yellow", 0x00FFFF},
                 {"Blue", 0xFF0000},   {"Fushcia", 0xFF00FF}, {"Aqua", 0xFFFF00},  {"White", 0xFFFFFF}};
    ASSERT_EQ(16, combo.GetCount()) << "filled when created";
    for (int i = 0; i < 16; i++)
    {
        EXPECT_EQ(CString(table[i].pszName), ItemText(combo, i)) << i;
        EXPECT_EQ(table[i].cr, (COLORREF)combo.GetItemData(i)) << i;
    }
    EXPECT_EQ(0, combo.GetCurSel());
    combo.FillColors();
    EXPECT_EQ(16, combo.GetCount()) << "filled once";

    combo.SelectColor(RGB(255, 0, 0));
    EXPECT_EQ(CString("Red"), ItemText(combo, combo.GetCurSel()));
    EXPECT_EQ((COLORREF)0x0000FF, combo.GetSelectedColor());
    combo.SelectColor(RGB(1, 2, 3));
    EXPECT_EQ(CString("Red"), ItemText(combo, combo.GetCurSel())) << "an unknown colour changes nothing";
    combo.SetCurSel(-1);
    EXPECT_EQ(RGB(0, 0, 0), combo.GetSelectedColor()) << "no selection reads as black";
    parent.DestroyWindow();
}

TEST_F(OptionsPage, ValuesGoInAndComeBack)
{
    Open();
    CString str;
    m_page.GetDlgItemText(IDC_OPT_LAYOUT, str);
    EXPECT_EQ(CString("Vertical"), str);
    EXPECT_EQ(CString("Grey"), ItemText(m_page.m_cbColor, m_page.m_cbColor.GetCurSel()));
    EXPECT_EQ(1, m_page.m_cbNewClockPos.GetCurSel());
    EXPECT_EQ(2, (int)m_page.GetDlgItem(IDC_OPT_ALARMTIME)->SendMessage(CB_GETCURSEL));
    COleDateTime dt;
    m_page.m_ctlLimit.GetTime(dt);
    EXPECT_EQ(1, dt.GetHour());
    EXPECT_EQ(30, dt.GetMinute());
    EXPECT_EQ(15, dt.GetSecond());

    // The choices of the page come back as values.
    m_page.m_cbColor.SetCurSel(12);
    Notify(IDC_OPT_BACKCOLOR, CBN_SELCHANGE);
    m_page.m_cbNewClockPos.SetCurSel(2);
    Notify(IDC_OPT_NEWCLOCKPOS, CBN_SELCHANGE);
    m_page.GetDlgItem(IDC_OPT_LAYOUT)->SendMessage(CB_SETCURSEL, 1);
    m_page.GetDlgItem(IDC_OPT_ONTOP)->SendMessage(BM_SETCHECK, BST_CHECKED);
    ASSERT_TRUE(m_page.UpdateData(TRUE));
    EXPECT_EQ((COLORREF)0xFF0000, m_page.m_crBackground) << "Blue";
    EXPECT_EQ(2, m_page.m_nNewClockPos);
    EXPECT_EQ(CString("Horizontal"), m_page.m_strLayout);
    EXPECT_TRUE(m_page.m_bClockOnTop);
    EXPECT_EQ(0, g_nMessages);
}

TEST_F(OptionsPage, AColourNotInTheListIsKeptUnlessAnotherIsChosen)
{
    m_page.m_crBackground = RGB(10, 20, 30);
    Open();
    EXPECT_EQ(CString("Black"), ItemText(m_page.m_cbColor, m_page.m_cbColor.GetCurSel()));
    ASSERT_TRUE(m_page.UpdateData(TRUE));
    EXPECT_EQ(RGB(10, 20, 30), m_page.m_crBackground);
}

TEST_F(OptionsPage, IntervalBeyondAMonthIsRefused)
{
    Open();
    struct Case
    {
        const char* pszText;
        BOOL bAccepted;
    } cases[] = {{"0", TRUE}, {"31", TRUE}, {"32", FALSE}};
    for (const Case& c : cases)
    {
        g_nMessages = 0;
        m_page.SetDlgItemText(IDC_OPT_VERSINT, c.pszText);
        EXPECT_EQ(c.bAccepted, m_page.UpdateData(TRUE)) << c.pszText;
        EXPECT_EQ(c.bAccepted ? 0 : 1, g_nMessages) << c.pszText;
    }
}

TEST_F(OptionsPage, OverdueLimitOnlyWithOverdueAlarms)
{
    m_page.m_bRunOverdue = FALSE;
    Open();
    EXPECT_FALSE(m_page.GetDlgItem(IDC_OPT_USELIMIT)->IsWindowEnabled());
    EXPECT_FALSE(m_page.GetDlgItem(IDC_OPT_LIMIT)->IsWindowEnabled());
    m_page.GetDlgItem(IDC_OPT_RUNOVERDUE)->SendMessage(BM_SETCHECK, BST_CHECKED);
    Notify(IDC_OPT_RUNOVERDUE, BN_CLICKED);
    EXPECT_TRUE(m_page.GetDlgItem(IDC_OPT_USELIMIT)->IsWindowEnabled());
    EXPECT_TRUE(m_page.GetDlgItem(IDC_OPT_LIMIT)->IsWindowEnabled());
    EXPECT_TRUE(m_page.m_bUseLimit) << "enabling keeps the value";
}

namespace
{
CVelmoraPropertySheet* g_pSheet = NULL;
CRect g_rcSheet;
int g_nShown = -1;

void CALLBACK WhileSheetOpen(HWND, UINT, UINT_PTR nID, DWORD)
{
    if (g_pSheet == NULL || g_pSheet->GetSafeHwnd() == NULL || !g_pSheet->IsWindowVisible())
        return;
    ::KillTimer(NULL, nID);
    g_pSheet->GetWindowRect(&g_rcSheet);
    g_nShown = g_pSheet->GetActiveIndex();
    g_pSheet->PostMessage(WM_COMMAND, IDCANCEL);
}
} // namespace

TEST(VelmoraPropertySheet, OpensTopLeftOnAPagePresentAndRemembersIt)
{
    ResetAppTestProfile();
    AfxSetResourceHandle(::GetModuleHandle(NULL));
    for (int nFirst : {0, 4, -1})
    {
        CVelmoraPropertySheet sheet(_T("Velmora Options"), NULL, nFirst, TRUE);
        EXPECT_EQ(4, sheet.GetPageCount());
        EXPECT_EQ(0, sheet.m_nFirstPage) << "clamped to the pages present: " << nFirst;
        g_pSheet = &sheet;
        g_nShown = -1;
        UINT_PTR nTimer = ::SetTimer(NULL, 0, 20, WhileSheetOpen);
        INT_PTR nResult = sheet.DoModal();
        ::KillTimer(NULL, nTimer);
        g_pSheet = NULL;
        EXPECT_EQ(IDCANCEL, nResult);
        // Other tests' tray icons may show or hide the notification icons' window meanwhile.
        EXPECT_EQ(0, g_rcSheet.left);
        EXPECT_LT(g_rcSheet.top, 100) << "at the top, or just below the tray icons' window";
        EXPECT_EQ(0, g_nShown);
        EXPECT_EQ(0, sheet.m_nLastActive);
    }
}

TEST(VelmoraPropertySheet, PagesInTabOrderAndSpeechOnlyWithTheAgent)
{
    CVelmoraPropertySheet missing(_T("Velmora Options"), NULL, 0, TRUE);
    ASSERT_EQ(4, missing.GetPageCount());
    EXPECT_EQ(&missing.m_clockPage, missing.GetPage(0));
    EXPECT_EQ(&missing.m_syncPage, missing.GetPage(1));
    EXPECT_EQ(&missing.m_diaryPage, missing.GetPage(2));
    EXPECT_EQ(&missing.m_agentPage, missing.GetPage(3));

    CVelmoraPropertySheet present(_T("Velmora Options"), NULL, 4, FALSE);
    ASSERT_EQ(5, present.GetPageCount());
    EXPECT_EQ(&present.m_speechPage, present.GetPage(4));
    EXPECT_EQ(4, present.m_nFirstPage) << "the last page is a page present";
}
