// The clock configuration dialog: Cancel puts back every field it changed on every clock it touched,
// OK keeps them; resets of one clock and of all clocks; the enable rules, the element menu's
// insertion and the preview's timer; long and hostile templates in the formatter.
#include <gtest/gtest.h>

#include <afxwin.h>
#include <afxdlgs.h>
#include <functional>
#include <string>

#include "AppTestMain.h"
#include "Clock.h"
#include "ClockConfigDlg.h"
#include "DisplayTextFormatter.h"
#include "TestSupport.h"
#include "velmora/resource.h"

namespace
{
int g_nAnswer = IDYES;
int g_nQuestions = 0;

int AFXAPI Answer(LPCTSTR, UINT, UINT)
{
    g_nQuestions++;
    return g_nAnswer;
}

// Every stored field of a clock, as its record writes them.
std::string Stored(CClock& clock)
{
    const Bytes bytes = StoreToBytes(clock);
    return std::string(bytes.begin(), bytes.end());
}

CClock* MakeClock(LPCTSTR pszName, LONG nBias, COLORREF crBack)
{
    CClock* p = new CClock;
    p->m_strDisplayName = pszName;
    p->m_tzi.Bias = nBias;
    p->m_crBackground = crBack;
    return p;
}

// Runs fn once the modal dialog is up, from a thread timer that its message loop dispatches.
std::function<void()> g_whileOpen;
CClockConfigDlg* g_pOpen = NULL;

void CALLBACK WhileOpen(HWND, UINT, UINT_PTR nID, DWORD)
{
    if (g_pOpen == NULL || g_pOpen->GetSafeHwnd() == NULL || !g_pOpen->IsWindowVisible())
        return;
    ::KillTimer(NULL, nID);
    g_whileOpen();
}

INT_PTR RunDialog(CClockConfigDlg& dlg, std::function<void()> fn)
{
    g_pOpen = &dlg;
    g_whileOpen = fn;
    UINT_PTR nTimer = ::SetTimer(NULL, 0, 20, WhileOpen);
    INT_PTR nResult = dlg.DoModal();
    ::KillTimer(NULL, nTimer);
    g_pOpen = NULL;
    return nResult;
}

void Click(CWnd& page, int nID)
{
    CWnd* p = page.GetDlgItem(nID);
    LONG style = p->GetStyle() & 0x0F;
    if (style == BS_AUTOCHECKBOX)
        p->SendMessage(BM_SETCHECK, p->SendMessage(BM_GETCHECK) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
    else if (style == BS_AUTORADIOBUTTON)
        for (int id = nID - 2; id <= nID + 2; id++)
            if (page.GetDlgItem(id) != NULL && (page.GetDlgItem(id)->GetStyle() & 0x0F) == BS_AUTORADIOBUTTON)
                page.GetDlgItem(id)->SendMessage(BM_SETCHECK, id == nID ? BST_CHECKED : BST_UNCHECKED);
    page.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)p->GetSafeHwnd());
}

void SelectAlignment(CClockFormatPage& page, int nIndex)
{
    CWnd* p = page.GetDlgItem(IDC_FMT_ALIGN);
    p->SendMessage(CB_SETCURSEL, nIndex);
    page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FMT_ALIGN, CBN_SELCHANGE), (LPARAM)p->GetSafeHwnd());
}

class ClockConfig : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetAppTestProfile();
        AfxSetResourceHandle(::GetModuleHandle(NULL));
        m_pfnOldHook = afxMessageBoxHook;
        afxMessageBoxHook = Answer;
        g_nQuestions = 0;
        g_nAnswer = IDYES;
        m_source.m_strDisplayName = "(GMT+09:00) Tokyo";
        m_source.m_tzi.Bias = 540;
        m_source.m_strTemplate = "'source' HH";
        m_source.m_nFormatType = FORMATTYPE_CUSTOM;
        m_source.m_crBackground = RGB(1, 2, 3);
        m_source.m_nTextLayout = 0;
        m_clocks.Add(MakeClock("(GMT+00:00) London", 0, RGB(200, 0, 0)));
        m_clocks.Add(MakeClock("(GMT-05:00) Lima", -300, RGB(0, 200, 0)));
        CClock* pTimer = MakeClock("Timer zone", 60, RGB(0, 0, 200));
        pTimer->m_nClockType = CLOCKTYPE_COUNTDOWN;
        pTimer->m_strTimerName = "Eggs";
        m_clocks.Add(pTimer);
    }
    void TearDown() override
    {
        afxMessageBoxHook = m_pfnOldHook;
        for (int i = 0; i < m_clocks.GetSize(); i++)
            delete m_clocks[i];
    }
    CClock& Clock(int i) { return *(CClock*)m_clocks[i]; }
    void Prepare(CClockConfigDlg& dlg, int nClock)
    {
        dlg.m_bNoZonePage = TRUE;
        dlg.Prepare(&Clock(nClock), &m_source, &m_clocks, NULL, 0, _T("C:\\none\\VelmoraTZ"), FALSE);
    }
    // Opens a format page in a modeless sheet on one clock.
    void Open(CClockFormatPage& page, CPropertySheet& sheet, int nClock, BOOL bDefaultMode = FALSE)
    {
        page.m_pClock = &Clock(nClock);
        page.m_pResetSource = &m_source;
        page.m_pClocks = &m_clocks;
        page.m_pbReloadZone = &m_bReload;
        page.m_bDefaultMode = bDefaultMode;
        page.LoadFromClock();
        sheet.AddPage(&page);
        ASSERT_TRUE(sheet.Create(NULL, WS_POPUP | WS_CAPTION | WS_SYSMENU));
        ASSERT_TRUE(page.GetSafeHwnd() != NULL);
    }
    // Changes everything the format page can change, and resets every clock's zone.
    static void ChangeEverything(CClockFormatPage& page)
    {
        Click(page, IDC_FMT_CUSTOM);
        page.GetDlgItem(IDC_FMT_TEMPLATE)->SetWindowText(_T("'typed' ss"));
        SelectAlignment(page, 2);
        Click(page, IDC_FMT_24HOUR);
        Click(page, IDC_FMT_STANDARD);
        Click(page, IDC_FMT_SECONDS);
        Click(page, IDC_FMT_DAYOFWEEK);
        Click(page, IDC_FMT_DATE);
        Click(page, IDC_FMT_SHOWBIAS);
        Click(page, IDC_FMT_RESET_ZONE);
        Click(page, IDC_FMT_RESET_ALL);
    }

    CClock m_source;
    CObArray m_clocks;
    BOOL m_bReload = FALSE;
    AFX_MESSAGEBOX_HOOK m_pfnOldHook = NULL;
};
} // namespace

TEST_F(ClockConfig, CancelPutsBackEveryFieldOfEveryClockItChanged)
{
    std::string before[3] = {Stored(Clock(0)), Stored(Clock(1)), Stored(Clock(2))};
    CClockConfigDlg dlg;
    Prepare(dlg, 0);
    INT_PTR nResult = RunDialog(dlg, [&]() {
        ChangeEverything(dlg.m_formatPage);
        // While the dialog is open the clocks show the changes.
        EXPECT_EQ(540, Clock(0).m_tzi.Bias);
        EXPECT_EQ(CString("(GMT+09:00) Tokyo"), Clock(1).m_strDisplayName);
        EXPECT_EQ(CString("'typed' ss"), Clock(0).m_strTemplate);
        dlg.PostMessage(WM_COMMAND, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, nResult);
    EXPECT_EQ(1, g_nQuestions);
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(before[i], Stored(Clock(i))) << "clock " << i;
    EXPECT_EQ(CString("(GMT+00:00) London"), Clock(0).m_strDisplayName);
    EXPECT_EQ(0, Clock(0).m_tzi.Bias);
}

TEST_F(ClockConfig, OkKeepsTheChangesOfEveryClock)
{
    std::string timer = Stored(Clock(2));
    CClockConfigDlg dlg;
    Prepare(dlg, 0);
    INT_PTR nResult = RunDialog(dlg, [&]() {
        ChangeEverything(dlg.m_formatPage);
        dlg.PostMessage(WM_COMMAND, IDOK);
    });
    EXPECT_EQ(IDOK, nResult);
    EXPECT_EQ(CString("'typed' ss"), Clock(0).m_strTemplate);
    EXPECT_EQ(2, Clock(0).m_nTextLayout);
    EXPECT_EQ(FORMATTYPE_STANDARD, Clock(0).m_nFormatType);
    for (int i = 0; i < 2; i++)
    {
        EXPECT_EQ(540, Clock(i).m_tzi.Bias) << i;
        EXPECT_EQ(CString("(GMT+09:00) Tokyo"), Clock(i).m_strDisplayName) << i;
    }
    EXPECT_EQ(timer, Stored(Clock(2))) << "a timer is never reset";
}

TEST_F(ClockConfig, ResetOfOneClockByChoice)
{
    struct Case
    {
        int nChoiceId;
        BOOL bFormat;
        BOOL bZone;
    } cases[] = {{IDC_FMT_RESET_FORMAT, TRUE, FALSE},
                 {IDC_FMT_RESET_ZONE, FALSE, TRUE},
                 {IDC_FMT_RESET_BOTH, TRUE, TRUE}};
    for (const Case& c : cases)
    {
        Clock(0).m_strTemplate = "HH";
        Clock(0).m_nFormatType = FORMATTYPE_STANDARD;
        Clock(0).m_crBackground = RGB(200, 0, 0);
        Clock(0).m_tzi.Bias = 0;
        Clock(0).m_strDisplayName = "(GMT+00:00) London";
        m_bReload = FALSE;
        CClockFormatPage page;
        CPropertySheet sheet(_T("Clock Configuration"));
        Open(page, sheet, 0);
        Click(page, c.nChoiceId);
        Click(page, IDC_FMT_RESET_SELECTED);
        EXPECT_EQ(0, g_nQuestions) << c.nChoiceId;
        EXPECT_TRUE(m_bReload) << c.nChoiceId;
        EXPECT_EQ(c.bFormat ? CString("'source' HH") : CString("HH"), Clock(0).m_strTemplate) << c.nChoiceId;
        EXPECT_EQ(c.bFormat ? RGB(1, 2, 3) : RGB(200, 0, 0), Clock(0).m_crBackground) << c.nChoiceId;
        EXPECT_EQ(c.bZone ? 540 : 0, Clock(0).m_tzi.Bias) << c.nChoiceId;
        EXPECT_EQ(c.bZone ? CString("(GMT+09:00) Tokyo") : CString("(GMT+00:00) London"),
                  Clock(0).m_strDisplayName)
            << c.nChoiceId;
        // The page shows what the clock now holds.
        CString strTemplate;
        page.GetDlgItemText(IDC_FMT_TEMPLATE, strTemplate);
        EXPECT_EQ(Clock(0).m_strTemplate, strTemplate) << c.nChoiceId;
        EXPECT_EQ(c.bFormat, page.GetDlgItem(IDC_FMT_TEMPLATE)->IsWindowEnabled()) << c.nChoiceId;
        EXPECT_EQ(CString("(GMT-05:00) Lima"), Clock(1).m_strDisplayName) << "only the selected clock";
        sheet.DestroyWindow();
    }
}

TEST_F(ClockConfig, ResetOfAllClocksAsksAndLeavesTimersAlone)
{
    std::string before[3] = {Stored(Clock(0)), Stored(Clock(1)), Stored(Clock(2))};
    CClockFormatPage page;
    CPropertySheet sheet(_T("Clock Configuration"));
    Open(page, sheet, 1);
    Click(page, IDC_FMT_RESET_BOTH);
    g_nAnswer = IDNO;
    Click(page, IDC_FMT_RESET_ALL);
    EXPECT_EQ(1, g_nQuestions);
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(before[i], Stored(Clock(i))) << "No changes nothing: clock " << i;
    EXPECT_FALSE(m_bReload);

    g_nAnswer = IDYES;
    Click(page, IDC_FMT_RESET_ALL);
    for (int i = 0; i < 2; i++)
    {
        EXPECT_EQ(CString("'source' HH"), Clock(i).m_strTemplate) << i;
        EXPECT_EQ(540, Clock(i).m_tzi.Bias) << i;
    }
    EXPECT_EQ(before[2], Stored(Clock(2)));
    sheet.DestroyWindow();

    EXPECT_EQ(
        CString("This will reset the display format in all your clocks.\nAre you really sure you want to do "
                "this?"),
        CClockFormatPage::ResetAllQuestion(RESET_FORMAT));
    EXPECT_NE(-1, CClockFormatPage::ResetAllQuestion(RESET_ZONE).Find(_T("the timezone used in all")));
    EXPECT_NE(-1, CClockFormatPage::ResetAllQuestion(RESET_BOTH).Find(_T("the format and timezone in all")));
}

TEST_F(ClockConfig, DefaultClockModeAndTheEnableRules)
{
    Clock(0).m_nFormatType = FORMATTYPE_STANDARD;
    Clock(0).m_bShowDate = TRUE;
    Clock(0).m_bShowDayOfWeek = TRUE;
    Clock(0).m_bShowBias = FALSE;
    CClockFormatPage page;
    CPropertySheet sheet(_T("Clock Configuration"));
    Open(page, sheet, 0, TRUE);
    CString strText;
    page.GetDlgItemText(IDC_FMT_RESET_SELECTED, strText);
    EXPECT_EQ(CString("Reset Default"), strText);
    EXPECT_FALSE(page.GetDlgItem(IDC_FMT_RESET_ALL)->IsWindowEnabled());
    EXPECT_FALSE(page.GetDlgItem(IDC_FMT_FULLNAME)->IsWindowEnabled()) << "no bias, no full name";
    EXPECT_FALSE(page.GetDlgItem(IDC_FMT_TEMPLATE)->IsWindowEnabled());

    // Unchecking the date disables the day of week but keeps its value.
    Click(page, IDC_FMT_DATE);
    EXPECT_FALSE(page.GetDlgItem(IDC_FMT_DAYOFWEEK)->IsWindowEnabled());
    EXPECT_TRUE(Clock(0).m_bShowDayOfWeek);
    EXPECT_FALSE(Clock(0).m_bShowDate);

    Click(page, IDC_FMT_CUSTOM);
    EXPECT_EQ(FORMATTYPE_CUSTOM, Clock(0).m_nFormatType);
    for (int nID : {IDC_FMT_TEMPLATE, IDC_FMT_ALIGN, IDC_FMT_ELEMENTS})
        EXPECT_TRUE(page.GetDlgItem(nID)->IsWindowEnabled()) << nID;
    for (int nID : {IDC_FMT_24HOUR, IDC_FMT_DATE, IDC_FMT_DAYOFWEEK, IDC_FMT_SECONDS, IDC_FMT_SHOWBIAS})
        EXPECT_FALSE(page.GetDlgItem(nID)->IsWindowEnabled()) << nID;

    // An element goes in at the caret and on into the clock's template.
    page.GetDlgItem(IDC_FMT_TEMPLATE)->SetWindowText(_T("ab"));
    page.GetDlgItem(IDC_FMT_TEMPLATE)->SendMessage(EM_SETSEL, 1, 1);
    page.InsertElement(32830);
    EXPECT_EQ(CString("ahh:mm:ss ttb"), Clock(0).m_strTemplate);
    page.InsertElement(32860);
    EXPECT_EQ(CString("ahh:mm:ss tt'b"), Clock(0).m_strTemplate);
    page.InsertElement(IDOK);
    EXPECT_EQ(CString("ahh:mm:ss tt'b"), Clock(0).m_strTemplate);

    // The reset in default mode copies the constructor's values.
    CClock spare;
    page.m_pResetSource = &spare;
    Click(page, IDC_FMT_RESET_BOTH);
    Click(page, IDC_FMT_RESET_SELECTED);
    EXPECT_EQ(spare.m_strTemplate, Clock(0).m_strTemplate);
    EXPECT_EQ(spare.m_strDisplayName, Clock(0).m_strDisplayName);
    sheet.DestroyWindow();
}

TEST(ClockFormatElements, MenuIdsInsertTheirElements)
{
    struct Case
    {
        UINT nID;
        const char* pszText;
    } cases[] = {{32824, "dddd, dd MMM yyyy"},
                 {32832, "ddd, MMMM dd, yyyy"},
                 {32831, "h.mm t"},
                 {32836, "dddd"},
                 {32842, "yyyy"},
                 {32846, "DD"},
                 {32850, "HH"},
                 {32856, "tt"},
                 {32859, "ZZ"},
                 {32861, "|"},
                 {32862, "~"}};
    for (const Case& c : cases)
        EXPECT_STREQ(c.pszText, CClockFormatPage::ElementText(c.nID)) << c.nID;
    EXPECT_EQ(NULL, CClockFormatPage::ElementText(32825));
    EXPECT_EQ(NULL, CClockFormatPage::ElementText(32863));

    // Every element of the menu resource has its text.
    AfxSetResourceHandle(::GetModuleHandle(NULL));
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_FORMAT_ELEMENTS));
    HMENU hPopup = ::GetSubMenu(menu.GetSafeHmenu(), 0);
    int nItems = 0;
    for (int i = 0; i < ::GetMenuItemCount(hPopup); i++)
    {
        UINT nID = ::GetMenuItemID(hPopup, i);
        if (nID == 0)
            continue;
        nItems++;
        EXPECT_TRUE(CClockFormatPage::ElementText(nID) != NULL) << nID;
    }
    EXPECT_EQ(38, nItems);
    menu.DestroyMenu();
}

TEST(ClockPreview, ItsTimerGoesWithItsWindow)
{
    AfxSetResourceHandle(::GetModuleHandle(NULL));
    CClockPopupWnd popup;
    ASSERT_TRUE(popup.Create(CClockPopupWnd::IDD, NULL));
    popup.StartPreview();
    EXPECT_EQ((UINT_PTR)CClockPopupWnd::PREVIEW_TIMER_ID, popup.m_nTimer);
    popup.DestroyWindow();
    EXPECT_EQ((UINT_PTR)0, popup.m_nTimer);
}

TEST(DisplayTextFormatterLimits, LongAndHostileTemplatesAreExpandedWhole)
{
    CDisplayTextFormatter formatter;
    DISPLAYTEXTREQUEST req;
    req.dtInstant = COleDateTime(2024, 2, 29, 13, 5, 9);
    req.strClockName = "(GMT+01:00) %s%n%x";
    memset(&req.tzi, 0, sizeof(req.tzi));
    wcscpy(req.tzi.StandardName, L"Zone %s %n");

    // Far longer than any buffer of the formatter: every element is expanded, nothing is cut.
    CString strTemplate;
    for (int i = 0; i < 2000; i++)
        strTemplate += _T("dddd MMMM yyyy HH:mm:ss~");
    req.strTemplate = strTemplate;
    formatter.Format(req);
    CString strOne;
    {
        DISPLAYTEXTREQUEST one = req;
        one.strTemplate = _T("dddd MMMM yyyy HH:mm:ss~");
        formatter.Format(one);
        strOne = one.strText;
    }
    EXPECT_EQ(CString("Thursday February 2024 13:05:09"), strOne);
    ASSERT_EQ(strOne.GetLength() * 2000, req.strText.GetLength());
    EXPECT_EQ(1, req.nLineCount);

    // A quoted run and the zone names are text, never formats.
    CString strLiteral(_T('x'), 100000);
    req.strTemplate = _T("'%s%n%d") + strLiteral + _T("'|zz|ZZ");
    formatter.Format(req);
    EXPECT_EQ(CString("%s%n%d") + strLiteral + _T("\n(GMT+01:00) %s%n%x\nZone %s %n"), req.strText);
    EXPECT_EQ(3, req.nLineCount);
    EXPECT_EQ(CString("%s%n%d") + strLiteral + _T("\n"), req.strLongestLine);
}
