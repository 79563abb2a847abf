// A framework dialog with an open pop-up menu, beside the frames: mouse moves outside the open
// menus are swallowed, and a right click on a docking bar asks for the tool bars' context menu.
#include <gtest/gtest.h>

#include <vector>

#include "DemoIds.h"
#include "ORXDialog.h"
#include "ORXPopupMenu.h"
#include "ORXToolBar.h"
#include "TestSupport.h"

namespace
{
struct DialogTemplate
{
    DLGTEMPLATE dlg;
    WORD wMenu, wClass, wTitle;
    WORD wPad;
};

class CNeighbourDialog : public CORXDialog
{
public:
    std::vector<std::pair<WPARAM, LPARAM>> m_barMenus; // the tool bars' context menu asked for
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

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == ORX_WM_TOOLBAR_POPUPMENU)
            m_barMenus.push_back(std::make_pair(wParam, lParam));
        return CORXDialog::WindowProc(message, wParam, lParam);
    }
    DialogTemplate m_template;
};

class DialogNeighboursTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CORXPopupMenu::SetAnimationType(CORXPopupMenu::NO_ANIMATION);
        ASSERT_TRUE(m_dlg.Make());
        m_dlg.ShowWindow(SW_SHOWNOACTIVATE);
    }
    void TearDown() override
    {
        if (CORXPopupMenu::GetActiveMenu() != NULL)
            CORXPopupMenu::GetActiveMenu()->DestroyWindow();
        m_dlg.DestroyWindow();
        PumpPending();
    }
    CORXPopupMenu* OpenMenu()
    {
        HMENU hMenu = ::CreatePopupMenu();
        ::AppendMenuA(hMenu, MF_STRING, ID_DEMO_MENU_FIRST, "&First");
        CRect rect;
        m_dlg.GetWindowRect(rect);
        CORXPopupMenu* pMenu = new CORXPopupMenu;
        if (!pMenu->Create(&m_dlg, rect.left + 30, rect.top + 40, hMenu, FALSE, TRUE))
        {
            ADD_FAILURE() << "the menu was not created";
            return NULL;
        }
        return pMenu;
    }
    // The message as the dialog's loop would see it, at a point of the window's client area: TRUE
    // when the dialog's menu handling took it (the dialog's own handling would come after it).
    BOOL Translate(HWND hWnd, UINT message, CPoint ptClient)
    {
        MSG msg = {hWnd, message, 0, MAKELPARAM(ptClient.x, ptClient.y)};
        return m_dlg.GetDialogImpl().PreTranslateMessage(&msg);
    }
    CNeighbourDialog m_dlg;
};
} // namespace

TEST_F(DialogNeighboursTest, MouseMovesOutsideTheOpenMenuAreSwallowed)
{
    CPoint ptInDialog(5, 5);
    EXPECT_FALSE(Translate(m_dlg.GetSafeHwnd(), WM_MOUSEMOVE, ptInDialog)) << "no menu is open";
    CORXPopupMenu* pMenu = OpenMenu();
    ASSERT_NE((CORXPopupMenu*)NULL, pMenu);
    CRect rectMenu;
    pMenu->GetWindowRect(rectMenu);
    CPoint ptScreen = ptInDialog;
    m_dlg.ClientToScreen(&ptScreen);
    ASSERT_FALSE(rectMenu.PtInRect(ptScreen));
    EXPECT_TRUE(Translate(m_dlg.GetSafeHwnd(), WM_MOUSEMOVE, ptInDialog));
    CPoint ptOnMenu(4, 4);
    EXPECT_FALSE(Translate(pMenu->GetSafeHwnd(), WM_MOUSEMOVE, ptOnMenu));
    EXPECT_TRUE(::IsWindow(pMenu->GetSafeHwnd())) << "a move closes nothing";
}

TEST_F(DialogNeighboursTest, ARightClickOnADockingBarAsksTheDialogForTheToolBarsMenu)
{
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(NULL, _T("Docking"), WS_OVERLAPPEDWINDOW, CRect(400, 300, 700, 500)));
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    CWnd* pDockBar = pFrame->GetControlBar(AFX_IDW_DOCKBAR_TOP);
    ASSERT_NE((CWnd*)NULL, pDockBar);

    ASSERT_NE((CORXPopupMenu*)NULL, OpenMenu());
    CPoint ptClient(3, 1);
    EXPECT_FALSE(Translate(pDockBar->GetSafeHwnd(), WM_RBUTTONUP, ptClient));
    CPoint ptScreen = ptClient;
    pDockBar->ClientToScreen(&ptScreen);
    ASSERT_EQ(1u, m_dlg.m_barMenus.size());
    EXPECT_EQ((WPARAM)m_dlg.GetSafeHwnd(), m_dlg.m_barMenus[0].first);
    EXPECT_EQ(MAKELPARAM(ptScreen.x, ptScreen.y), m_dlg.m_barMenus[0].second);

    // Another window is no docking bar; in customise mode the bars have their own menu.
    ASSERT_NE((CORXPopupMenu*)NULL, OpenMenu());
    EXPECT_FALSE(Translate(pFrame->GetSafeHwnd(), WM_RBUTTONUP, ptClient));
    EXPECT_EQ(1u, m_dlg.m_barMenus.size());
    ASSERT_NE((CORXPopupMenu*)NULL, OpenMenu());
    CORXToolBar::SetCustomizeMode(TRUE);
    EXPECT_FALSE(Translate(pDockBar->GetSafeHwnd(), WM_RBUTTONUP, ptClient));
    CORXToolBar::SetCustomizeMode(FALSE);
    EXPECT_EQ(1u, m_dlg.m_barMenus.size());
    pFrame->DestroyWindow();
}
