// Property sheets: pages attached to their objects, data exchange on leaving a page and on OK,
// a page with bad input refusing OK, the last active page remembered, modeless child sheets and
// the keys they leave to the window around them.
#include "WindowTestApp.h"
#include "WindowTestIds.h"
#include "afxdlgs.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
class CTestPage : public CPropertyPage
{
public:
    CString m_strValue;
    int m_nSetActive = 0;
    int m_nApply = 0;
    BOOL m_bPressOkWhenActive = FALSE;
    BOOL m_bSwitchToNextWhenActive = FALSE;
    std::vector<std::string>* m_pLog = NULL;
    std::string m_name;

    CTestPage(UINT nID, const char* pszName) : CPropertyPage(nID), m_name(pszName) {}
    virtual void DoDataExchange(CDataExchange* pDX)
    {
        DDX_Text(pDX, IDC_TEST_EDIT, m_strValue);
        DDV_MaxChars(pDX, m_strValue, 4);
    }
    virtual BOOL OnSetActive()
    {
        m_nSetActive++;
        if (m_pLog != NULL)
            m_pLog->push_back(m_name + ":active");
        BOOL bResult = CPropertyPage::OnSetActive();
        CWnd* pSheet = GetParent();
        if (m_bSwitchToNextWhenActive)
        {
            m_bSwitchToNextWhenActive = FALSE;
            pSheet->PostMessage(PSM_SETCURSEL, 1, 0);
        }
        else if (m_bPressOkWhenActive)
        {
            m_bPressOkWhenActive = FALSE;
            pSheet->PostMessage(PSM_PRESSBUTTON, PSBTN_OK, 0);
        }
        return bResult;
    }
    virtual BOOL OnApply()
    {
        m_nApply++;
        if (m_pLog != NULL)
            m_pLog->push_back(m_name + ":apply");
        return CPropertyPage::OnApply();
    }
};

TEST(PropSheet, OkExchangesEveryCreatedPageAndRemembersTheLastPage)
{
    std::vector<std::string> log;
    CTestPage page1(IDD_TEST_PAGE1, "one");
    CTestPage page2(IDD_TEST_PAGE2, "two");
    page1.m_strValue = "ab";
    page2.m_strValue = "xyz";
    page1.m_pLog = &log;
    page2.m_pLog = &log;
    page1.m_bSwitchToNextWhenActive = TRUE;
    page2.m_bPressOkWhenActive = TRUE;

    CPropertySheet sheet("Options");
    sheet.AddPage(&page1);
    sheet.AddPage(&page2);
    EXPECT_EQ(2, sheet.GetPageCount());
    EXPECT_EQ(&page2, sheet.GetPage(1));
    EXPECT_EQ(1, sheet.GetPageIndex(&page2));

    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_EQ(NULL, sheet.m_hWnd);
    EXPECT_EQ(NULL, page1.m_hWnd);
    EXPECT_EQ(1, page1.m_nApply);
    EXPECT_EQ(1, page2.m_nApply);
    EXPECT_EQ(1, sheet.GetActiveIndex()); // the page that was active at the end
    EXPECT_STREQ("ab", page1.m_strValue);
    EXPECT_STREQ("xyz", page2.m_strValue);
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ("one:active", log[0]);
    EXPECT_EQ("two:active", log[1]);
}

TEST(PropSheet, StartPageAndNeverShownPages)
{
    CTestPage page1(IDD_TEST_PAGE1, "one");
    CTestPage page2(IDD_TEST_PAGE2, "two");
    page2.m_bPressOkWhenActive = TRUE;
    CPropertySheet sheet("Start", NULL, 1);
    sheet.AddPage(&page1);
    sheet.AddPage(&page2);
    EXPECT_EQ(1, sheet.GetActiveIndex());
    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_EQ(0, page1.m_nSetActive); // never shown, never applied
    EXPECT_EQ(0, page1.m_nApply);
    EXPECT_EQ(1, page2.m_nApply);
}

TEST(PropSheet, BadInputRefusesOkUntilCancelled)
{
    // When the refusal is shown, the user gives up and cancels.
    theTestApp.m_messages.clear();
    struct CTooLong : public CTestPage
    {
        CTooLong() : CTestPage(IDD_TEST_PAGE1, "long") {}
        virtual BOOL OnInitDialog()
        {
            CPropertyPage::OnInitDialog();
            SetDlgItemText(IDC_TEST_EDIT, "far too long");
            return TRUE;
        }
    } longPage;
    longPage.m_bPressOkWhenActive = TRUE;
    CPropertySheet sheet2("Refuse");
    sheet2.AddPage(&longPage);
    theTestApp.m_onMessage = [&sheet2](const std::string&) {
        sheet2.PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    };
    EXPECT_EQ(IDCANCEL, sheet2.DoModal());
    theTestApp.m_onMessage = nullptr;
    ASSERT_EQ(1u, theTestApp.m_messages.size());
    EXPECT_EQ("Enter no more than 4 characters.", theTestApp.m_messages[0]);
    EXPECT_EQ(0, longPage.m_nApply);
}

TEST(PropSheet, ModelessChildSheetInsideAWindow)
{
    CWnd host;
    ASSERT_TRUE(
        host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, NULL, NULL));
    CTestPage page1(IDD_TEST_PAGE1, "one");
    CTestPage page2(IDD_TEST_PAGE2, "two");
    CPropertySheet sheet;
    sheet.AddPage(&page1);
    ASSERT_TRUE(sheet.Create(&host, WS_CHILD | WS_VISIBLE, 0));
    EXPECT_TRUE(sheet.GetStyle() & WS_CHILD);
    EXPECT_EQ(host.m_hWnd, ::GetParent(sheet.m_hWnd));
    EXPECT_EQ(&sheet, CWnd::FromHandlePermanent(sheet.m_hWnd));
    EXPECT_EQ(&page1, sheet.GetActivePage());
    EXPECT_EQ(sheet.m_hWnd, ::GetParent(page1.m_hWnd));

    // Pages come and go while the sheet runs.
    sheet.AddPage(&page2);
    EXPECT_EQ(2, sheet.GetPageCount());
    EXPECT_TRUE(sheet.SetActivePage(1));
    EXPECT_EQ(&page2, sheet.GetActivePage());
    EXPECT_EQ(1, page2.m_nSetActive);
    sheet.RemovePage(&page1);
    EXPECT_EQ(1, sheet.GetPageCount());
    EXPECT_EQ(&page2, sheet.GetActivePage());

    page2.SetModified(TRUE);
    sheet.DestroyWindow();
    EXPECT_EQ(NULL, page2.m_hWnd);
    host.DestroyWindow();
}
TEST(PropSheet, ChildSheetLeavesEnterAndEscapeToItsWindow)
{
    // The page's own button, pressed by Enter while it has the focus.
    class CButtonPage : public CTestPage
    {
    public:
        int m_nPressed = 0;
        CButtonPage() : CTestPage(IDD_TEST_PAGE1, "button") {}
        virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam)
        {
            if (LOWORD(wParam) == 1234 && HIWORD(wParam) == BN_CLICKED)
            {
                m_nPressed++;
                return TRUE;
            }
            return CTestPage::OnCommand(wParam, lParam);
        }
    };
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400,
                              300, NULL, NULL));
    CButtonPage page;
    CPropertySheet sheet;
    sheet.AddPage(&page);
    ASSERT_TRUE(sheet.Create(&host, WS_CHILD | WS_VISIBLE, 0));
    HWND hEdit = ::GetDlgItem(page.m_hWnd, IDC_TEST_EDIT);
    HWND hButton = ::CreateWindowA("BUTTON", "Press", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                                   110, 7, 60, 20, page.m_hWnd, (HMENU)1234, NULL, NULL);
    ASSERT_TRUE(hEdit != NULL && hButton != NULL);

    MSG msg = {};
    msg.message = WM_KEYDOWN;
    ::SetFocus(hEdit);
    ASSERT_EQ(hEdit, ::GetFocus());
    msg.hwnd = hEdit;
    for (WPARAM key : {(WPARAM)VK_RETURN, (WPARAM)VK_ESCAPE})
    {
        msg.wParam = key;
        EXPECT_FALSE(sheet.PreTranslateMessage(&msg)) << key;
    }
    EXPECT_EQ(0, page.m_nPressed);

    ::SetFocus(hButton);
    ASSERT_EQ(hButton, ::GetFocus());
    msg.hwnd = hButton;
    msg.wParam = VK_RETURN;
    EXPECT_TRUE(sheet.PreTranslateMessage(&msg));
    EXPECT_EQ(1, page.m_nPressed);
    msg.wParam = VK_ESCAPE;
    EXPECT_FALSE(sheet.PreTranslateMessage(&msg));
    EXPECT_EQ(1, page.m_nPressed);

    sheet.DestroyWindow();
    host.DestroyWindow();
}
} // namespace
