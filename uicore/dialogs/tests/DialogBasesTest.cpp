// The dialog bases: keys, accelerators and clicks while a pop-up menu opened from the dialog is
// shown, the mouse hook's lifetime, and the background bitmap's place.
#include <gtest/gtest.h>

#include <vector>

#include "DemoIds.h"
#include "ORXCmdUsage.h"
#include "ORXDialog.h"
#include "ORXPopupMenu.h"
#include "TestSupport.h"
#include "TestDrawing.h"

namespace
{
// A caption-only dialog template in memory.
struct DialogTemplate
{
    DLGTEMPLATE dlg;
    WORD wMenu, wClass, wTitle;
    WORD wPad;
};

class CTestDialog : public CORXDialog
{
public:
    std::vector<UINT> m_commands;
    BOOL Make()
    {
        memset(&m_template, 0, sizeof(m_template));
        m_template.dlg.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
        m_template.dlg.x = 20;
        m_template.dlg.y = 20;
        m_template.dlg.cx = 200;
        m_template.dlg.cy = 120;
        return CreateIndirect(&m_template.dlg, NULL);
    }
    afx_msg void OnFirst() { m_commands.push_back(ID_DEMO_MENU_FIRST); }
    // The brush the dialog answers for its own background (none: the base's answer).
    HBRUSH m_hDialogBrush = NULL;
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        if (nCtlColor == CTLCOLOR_DLG && m_hDialogBrush != NULL)
            return m_hDialogBrush;
        return CORXDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    }
    DECLARE_MESSAGE_MAP()
    DialogTemplate m_template;
};

BEGIN_MESSAGE_MAP(CTestDialog, CORXDialog)
ON_COMMAND(ID_DEMO_MENU_FIRST, OnFirst)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

class DialogBasesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CORXPopupMenu::SetAnimationType(CORXPopupMenu::NO_ANIMATION);
        m_pDlg = new CTestDialog;
        ASSERT_TRUE(m_pDlg->Make());
        m_pDlg->ShowWindow(SW_SHOWNOACTIVATE);
    }
    void TearDown() override
    {
        if (CORXPopupMenu::GetActiveMenu() != NULL)
            CORXPopupMenu::GetActiveMenu()->DestroyWindow();
        if (m_pDlg->GetSafeHwnd() != NULL)
            m_pDlg->DestroyWindow();
        delete m_pDlg;
        PumpPending();
    }
    CORXPopupMenu* OpenMenu(CWnd* pOwner)
    {
        HMENU hMenu = ::CreatePopupMenu();
        ::AppendMenuA(hMenu, MF_STRING, ID_DEMO_MENU_FIRST, "&First");
        ::AppendMenuA(hMenu, MF_STRING, ID_DEMO_MENU_LAST, "&Last");
        CRect rect;
        pOwner->GetWindowRect(rect);
        CORXPopupMenu* pMenu = new CORXPopupMenu;
        pMenu->SetAutoDestroy(TRUE);
        if (!pMenu->Create(pOwner, rect.left + 30, rect.top + 40, hMenu, FALSE, TRUE))
        {
            ADD_FAILURE() << "the menu was not created";
            return NULL;
        }
        return pMenu;
    }
    BOOL Translate(UINT message, WPARAM wParam)
    {
        MSG msg = {m_pDlg->GetSafeHwnd(), message, wParam, 0};
        return m_pDlg->PreTranslateMessage(&msg);
    }
    CTestDialog* m_pDlg = NULL;
};
} // namespace

TEST_F(DialogBasesTest, KeysGoToTheMenuAndTheHookLastsWhileItIsOpen)
{
    CORXPopupMenu* pMenu = OpenMenu(m_pDlg);
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    HWND hWndMenu = pMenu->GetSafeHwnd();
    EXPECT_EQ(pMenu, CORXPopupMenu::GetActiveMenu());
    EXPECT_EQ(&m_pDlg->GetDialogImpl(), CORXDialogImpl::GetMenuDlgImpl());
    EXPECT_TRUE(CORXDialogImpl::IsMouseHookInstalled());

    // Keys are the menu's; key releases of the system keys are swallowed.
    EXPECT_TRUE(Translate(WM_KEYDOWN, VK_DOWN));
    EXPECT_TRUE(Translate(WM_SYSKEYUP, VK_MENU));
    EXPECT_TRUE(::IsWindow(hWndMenu));
    // Esc closes the menu and leaves the dialog.
    EXPECT_TRUE(Translate(WM_KEYDOWN, VK_ESCAPE));
    PumpPending();
    EXPECT_FALSE(::IsWindow(hWndMenu));
    EXPECT_TRUE(::IsWindow(m_pDlg->GetSafeHwnd()));
    EXPECT_FALSE(CORXDialogImpl::IsMouseHookInstalled());
    EXPECT_EQ((CORXDialogImpl*)NULL, CORXDialogImpl::GetMenuDlgImpl());

    // Alt closes it too.
    pMenu = OpenMenu(m_pDlg);
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    hWndMenu = pMenu->GetSafeHwnd();
    EXPECT_TRUE(Translate(WM_SYSKEYDOWN, VK_MENU));
    PumpPending();
    EXPECT_FALSE(::IsWindow(hWndMenu));
    EXPECT_FALSE(CORXDialogImpl::IsMouseHookInstalled());
}

TEST_F(DialogBasesTest, AnAcceleratorClosesTheOpenMenuInsteadOfRunning)
{
    const UINT nBefore = ORXGetCommandUsage().GetCount(ID_DEMO_MENU_FIRST);
    CORXPopupMenu* pMenu = OpenMenu(m_pDlg);
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    HWND hWndMenu = pMenu->GetSafeHwnd();
    m_pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(ID_DEMO_MENU_FIRST, 1), 0);
    PumpPending();
    EXPECT_FALSE(::IsWindow(hWndMenu));
    EXPECT_TRUE(m_pDlg->m_commands.empty());
    // Without a menu the accelerator runs; both uses are counted.
    m_pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(ID_DEMO_MENU_FIRST, 1), 0);
    EXPECT_EQ(std::vector<UINT>{ID_DEMO_MENU_FIRST}, m_pDlg->m_commands);
    EXPECT_EQ(nBefore + 2, ORXGetCommandUsage().GetCount(ID_DEMO_MENU_FIRST));
}

TEST_F(DialogBasesTest, ClicksOnTheMenuStayAndClicksElsewhereCloseIt)
{
    CORXPopupMenu::SetForceShadow(TRUE);
    CORXPopupMenu* pMenu = OpenMenu(m_pDlg);
    CORXPopupMenu::SetForceShadow(FALSE);
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    HWND hWndMenu = pMenu->GetSafeHwnd();
    CRect rectMenu;
    pMenu->GetWindowRect(rectMenu);
    EXPECT_FALSE(m_pDlg->GetDialogImpl().ProcessMouseClick(CPoint(rectMenu.left + 8, rectMenu.top + 8)));
    EXPECT_TRUE(::IsWindow(hWndMenu));
    if (pMenu->GetShadowDepth() > 0)
    {
        // On its shadow: the menu closes, the click is used and the dialog keeps the focus.
        CPoint ptShadow(rectMenu.right - pMenu->GetShadowDepth() / 2, rectMenu.CenterPoint().y);
        ASSERT_EQ(CORXPopupMenu::HT_RIGHT_SHADOW, pMenu->HitTest(ptShadow));
        EXPECT_TRUE(m_pDlg->GetDialogImpl().ProcessMouseClick(ptShadow));
        EXPECT_FALSE(::IsWindow(hWndMenu));
        pMenu = OpenMenu(m_pDlg);
        ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
        hWndMenu = pMenu->GetSafeHwnd();
        pMenu->GetWindowRect(rectMenu);
    }
    // Elsewhere: the menu closes and the click goes on.
    EXPECT_FALSE(
        m_pDlg->GetDialogImpl().ProcessMouseClick(CPoint(rectMenu.right + 150, rectMenu.bottom + 150)));
    PumpPending();
    EXPECT_FALSE(::IsWindow(hWndMenu));
    EXPECT_FALSE(CORXDialogImpl::IsMouseHookInstalled());
}

TEST_F(DialogBasesTest, DestroyedWhileItsMenuIsOpenTheHookGoes)
{
    CORXPopupMenu* pMenu = OpenMenu(m_pDlg);
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    HWND hWndMenu = pMenu->GetSafeHwnd();
    ASSERT_TRUE(CORXDialogImpl::IsMouseHookInstalled());
    m_pDlg->DestroyWindow();
    PumpPending();
    EXPECT_FALSE(CORXDialogImpl::IsMouseHookInstalled());
    EXPECT_EQ((CORXDialogImpl*)NULL, CORXDialogImpl::GetMenuDlgImpl());
    EXPECT_FALSE(::IsWindow(hWndMenu));
    EXPECT_EQ((CORXPopupMenu*)NULL, CORXPopupMenu::GetActiveMenu());
}

TEST_F(DialogBasesTest, MenusOfOtherWindowsStayOutOfTheDialogs)
{
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(NULL, _T("Plain frame"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    CORXPopupMenu* pMenu = OpenMenu(pFrame);
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    EXPECT_EQ(pMenu, CORXPopupMenu::GetActiveMenu());
    EXPECT_EQ((CORXDialogImpl*)NULL, CORXDialogImpl::GetMenuDlgImpl());
    EXPECT_FALSE(CORXDialogImpl::IsMouseHookInstalled());
    pMenu->DestroyWindow();
    pFrame->DestroyWindow();
    PumpPending();
}

namespace
{
COLORREF PixelOfErase(CORXDialog* pDlg, int x, int y, CSize* pSize = NULL)
{
    CRect rect;
    pDlg->GetClientRect(rect);
    if (pSize != NULL)
        *pSize = rect.Size();
    CTestSurface surface(rect.Width(), rect.Height(), TRUE);
    pDlg->SendMessage(WM_ERASEBKGND, (WPARAM)surface.Handle());
    return surface.At(x < 0 ? rect.Width() + x : x, y < 0 ? rect.Height() + y : y);
}

HBITMAP RedBitmap(int cx, int cy)
{
    CBitmap bitmap;
    MakeScreenBitmap(bitmap, cx, cy, RGB(255, 0, 0));
    return (HBITMAP)bitmap.Detach();
}
} // namespace

TEST_F(DialogBasesTest, BackgroundBitmapSitsFlushInItsCornerOrTiles)
{
    const COLORREF clrRed = RGB(255, 0, 0), clrBlue = RGB(0, 0, 255);
    m_pDlg->SetBackgroundColor(clrBlue, FALSE);
    HBITMAP hbm = RedBitmap(6, 5);
    m_pDlg->SetBackgroundImage(hbm, CORXDialog::BACKGR_BOTTOMRIGHT, TRUE, FALSE);
    EXPECT_EQ(clrRed, PixelOfErase(m_pDlg, -1, -1));
    EXPECT_EQ(clrRed, PixelOfErase(m_pDlg, -6, -5));
    EXPECT_EQ(clrBlue, PixelOfErase(m_pDlg, -7, -1));
    EXPECT_EQ(clrBlue, PixelOfErase(m_pDlg, -1, -6));
    EXPECT_EQ(clrBlue, PixelOfErase(m_pDlg, 0, 0));

    m_pDlg->SetBackgroundImage(hbm, CORXDialog::BACKGR_TOPLEFT, TRUE, FALSE);
    EXPECT_EQ(clrRed, PixelOfErase(m_pDlg, 5, 4));
    EXPECT_EQ(clrBlue, PixelOfErase(m_pDlg, 6, 0));

    // Tiled: across and down the whole client area.
    m_pDlg->SetBackgroundImage(hbm, CORXDialog::BACKGR_TILE, TRUE, FALSE);
    EXPECT_EQ(clrRed, PixelOfErase(m_pDlg, 0, 0));
    EXPECT_EQ(clrRed, PixelOfErase(m_pDlg, -1, -1));

    // Without a brush a corner bitmap lies on the dialog's own background; a tiled one covers it.
    const COLORREF clrGreen = RGB(0, 255, 0);
    CBrush brGreen(clrGreen);
    m_pDlg->m_hDialogBrush = brGreen;
    m_pDlg->SetBackgroundColor((COLORREF)-1, FALSE);
    m_pDlg->SetBackgroundImage(hbm, CORXDialog::BACKGR_TOPRIGHT, TRUE, FALSE);
    EXPECT_EQ(clrRed, PixelOfErase(m_pDlg, -1, 0));
    EXPECT_EQ(clrGreen, PixelOfErase(m_pDlg, -7, 0));
    EXPECT_EQ(clrGreen, PixelOfErase(m_pDlg, 0, -1));
    m_pDlg->SetBackgroundImage(hbm, CORXDialog::BACKGR_TILE, TRUE, FALSE);
    EXPECT_EQ(clrRed, PixelOfErase(m_pDlg, 0, -1));
    m_pDlg->m_hDialogBrush = NULL;

    // The dialog deletes the bitmap it owns when it goes.
    m_pDlg->DestroyWindow();
    BITMAP bmp;
    EXPECT_EQ(0, ::GetObject(hbm, sizeof(bmp), &bmp));
}

TEST_F(DialogBasesTest, AMenuTellsTheDialogThatOwnsItWhetherItIsTheOneOpenFromIt)
{
    CORXPopupMenu* pMenu = OpenMenu(m_pDlg);
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    CORXDialogImpl* pImpl = &m_pDlg->GetDialogImpl();
    m_pDlg->SetActiveMenu(NULL);
    ASSERT_EQ((CORXDialogImpl*)NULL, CORXDialogImpl::GetMenuDlgImpl());

    pMenu->SetActiveInDialog(TRUE);
    EXPECT_EQ(pImpl, CORXDialogImpl::GetMenuDlgImpl());
    EXPECT_EQ(pMenu, CORXPopupMenu::GetActiveMenu());
    EXPECT_TRUE(CORXDialogImpl::IsMouseHookInstalled());
    pMenu->SetActiveInDialog(FALSE);
    EXPECT_EQ((CORXDialogImpl*)NULL, CORXDialogImpl::GetMenuDlgImpl());
    EXPECT_FALSE(CORXDialogImpl::IsMouseHookInstalled());

    // Closed by the program, a recorded menu leaves the dialog without one.
    pMenu->SetActiveInDialog(TRUE);
    HWND hWndMenu = pMenu->GetSafeHwnd();
    pMenu->CloseMenu(FALSE);
    PumpPending();
    EXPECT_FALSE(::IsWindow(hWndMenu));
    EXPECT_EQ((CORXDialogImpl*)NULL, CORXDialogImpl::GetMenuDlgImpl());
    EXPECT_FALSE(CORXDialogImpl::IsMouseHookInstalled());

    // A menu of another window tells no dialog.
    CWnd other;
    ASSERT_TRUE(
        other.CreateEx(0, AfxRegisterWndClass(0), _T("Other"), WS_POPUP, CRect(400, 300, 500, 400), NULL, 0));
    pMenu = OpenMenu(&other);
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    m_pDlg->SetActiveMenu(NULL);
    pMenu->SetActiveInDialog(TRUE);
    EXPECT_EQ((CORXDialogImpl*)NULL, CORXDialogImpl::GetMenuDlgImpl());
    pMenu->DestroyWindow();
    other.DestroyWindow();
}
