// The drop-down tool bar: the palette shows copies of the source bar's buttons, choosing one sends
// its command and makes it the button's current command, the press delay, placement near the
// bottom of the screen, storing the button and its menu form.
#include <gtest/gtest.h>

#include <vector>

#include "DemoIds.h"
#include "ORXDropDownToolBar.h"
#include "ORXMenuBar.h"
#include "ORXPopupMenu.h"
#include "ORXToolbarMenuButton.h"
#include "TestSupport.h"
#include "TestWindows.h"

namespace
{
class CDropDownOwnerFrame : public CRecordingFrame
{
public:
    afx_msg void OnHandled() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDropDownOwnerFrame, CRecordingFrame)
ON_COMMAND(ID_DEMO_NEW, OnHandled)
ON_COMMAND(ID_DEMO_BOLD, OnHandled)
END_MESSAGE_MAP()

class DropDownTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CDropDownOwnerFrame;
        ASSERT_TRUE(m_pFrame->Create(NULL, _T("Drop-down test"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 300)));
        m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
        // The palette's source: a hidden bar of the demonstration commands.
        ASSERT_TRUE(m_source.Create(m_pFrame, WS_CHILD | CBRS_TOP, AFX_IDW_TOOLBAR + 5));
        ASSERT_TRUE(m_source.LoadToolBar(IDR_DEMO_TOOLBAR));
        m_source.SetOwner(m_pFrame);
        m_pHost = new CORXToolBar;
        ASSERT_TRUE(m_pHost->Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP));
        m_pHost->SetOwner(m_pFrame);
        m_pButton = new CORXDropDownToolbarButton(_T("Palette"), &m_source);
        ASSERT_EQ(0, m_pHost->InsertButton(m_pButton));
        m_pFrame->RecalcLayout();
        m_pHost->AdjustLayout();
    }
    void TearDown() override
    {
        if (m_pHost != NULL)
        {
            m_pHost->DestroyWindow();
            delete m_pHost;
        }
        m_source.DestroyWindow();
        m_pFrame->DestroyWindow();
        PumpPending();
    }
    CORXDropDownFrame* Open()
    {
        EXPECT_TRUE(m_pButton->DropDownToolbar(m_pHost));
        return m_pButton->GetDropDownFrame();
    }
    LPARAM ButtonPoint()
    {
        CRect rect = m_pButton->Rect();
        return MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y);
    }
    CDropDownOwnerFrame* m_pFrame = NULL;
    CORXDropDownToolBar m_source;
    CORXToolBar* m_pHost = NULL;
    CORXDropDownToolbarButton* m_pButton = NULL;
};
} // namespace

TEST_F(DropDownTest, PaletteShowsCopiesOfTheSourceButtons)
{
    EXPECT_TRUE(m_source.IsLocked());
    CORXDropDownFrame* pFrame = Open();
    ASSERT_NE((CORXDropDownFrame*)NULL, pFrame);
    EXPECT_TRUE(m_pButton->IsDroppedDown());
    CORXDropDownToolBar& palette = pFrame->GetPalette();
    ASSERT_EQ(m_source.GetCount(), palette.GetCount());
    for (int i = 0; i < palette.GetCount(); i++)
    {
        EXPECT_NE(m_source.GetButton(i), palette.GetButton(i));
        EXPECT_EQ(m_source.GetItemID(i), palette.GetItemID(i));
    }
    EXPECT_EQ(m_source.GetLockedImages().GetCount(), palette.GetLockedImages().GetCount());
    // The host bar is horizontal: the palette stands upright, below the button.
    EXPECT_FALSE(palette.IsHorizontal());
    CRect rectButton = m_pButton->Rect();
    m_pHost->ClientToScreen(rectButton);
    CRect rectFrame;
    pFrame->GetWindowRect(rectFrame);
    EXPECT_EQ(CPoint(rectButton.left, rectButton.bottom), rectFrame.TopLeft());

    // Closing the palette leaves the source's own buttons whole.
    const int nCount = m_source.GetCount();
    m_pButton->OnCancelMode();
    PumpPending();
    EXPECT_FALSE(m_pButton->IsDroppedDown());
    ASSERT_EQ(nCount, m_source.GetCount());
    EXPECT_EQ((UINT)ID_DEMO_NEW, m_source.GetItemID(0));
    EXPECT_EQ((UINT)ID_DEMO_LARGE, m_source.GetItemID(nCount - 1));
}

TEST_F(DropDownTest, ChoosingAPaletteButtonSendsItsCommandAndShowsItsImage)
{
    EXPECT_EQ((UINT)ID_DEMO_NEW, m_pButton->m_nID);
    EXPECT_EQ(0, m_pButton->GetShownImage());
    CORXDropDownFrame* pFrame = Open();
    ASSERT_NE((CORXDropDownFrame*)NULL, pFrame);
    CORXDropDownToolBar& palette = pFrame->GetPalette();
    int iBold = palette.CommandToIndex(ID_DEMO_BOLD);
    ASSERT_GE(iBold, 0);
    CRect rect;
    palette.GetItemRect(iBold, rect);
    LPARAM lParam = MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y);
    palette.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, lParam);
    // The button under the mouse looks pressed.
    EXPECT_NE(0u, palette.GetButtonStyle(iBold) & TBBS_PRESSED);
    palette.SendMessage(WM_LBUTTONUP, 0, lParam);
    PumpPending();
    EXPECT_EQ(std::vector<UINT>{ID_DEMO_BOLD}, m_pFrame->m_commands);
    EXPECT_EQ((UINT)ID_DEMO_BOLD, m_pButton->m_nID);
    // Bold is the fourth image of the palette (separators have none).
    EXPECT_EQ(3, m_pButton->GetShownImage());
    EXPECT_FALSE(m_pButton->IsDroppedDown());

    // A command that is not on the palette shows the first image.
    m_pButton->SetDefaultCommand(ID_DEMO_MENU_FIRST);
    EXPECT_EQ(0, m_pButton->GetShownImage());
}

TEST_F(DropDownTest, ReleasingOutsideClosesWithoutACommand)
{
    CORXDropDownFrame* pFrame = Open();
    ASSERT_NE((CORXDropDownFrame*)NULL, pFrame);
    CRect rectClient;
    pFrame->GetPalette().GetClientRect(rectClient);
    pFrame->GetPalette().SendMessage(WM_LBUTTONUP, 0,
                                     MAKELPARAM(rectClient.right + 40, rectClient.bottom + 40));
    PumpPending();
    EXPECT_FALSE(m_pButton->IsDroppedDown());
    EXPECT_TRUE(m_pFrame->m_commands.empty());
    EXPECT_EQ((UINT)ID_DEMO_NEW, m_pButton->m_nID);

    // Held until the palette opens, then released back over the opening button: the palette
    // closes, and the bar's press ends without the button's command.
    m_pHost->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, ButtonPoint());
    PumpFor(CORXDropDownToolbarButton::kDropDownDelay + 200);
    pFrame = m_pButton->GetDropDownFrame();
    ASSERT_NE((CORXDropDownFrame*)NULL, pFrame);
    EXPECT_EQ(0, m_pHost->GetPressedButtonIndex());
    CPoint pt = m_pButton->Rect().CenterPoint();
    m_pHost->ClientToScreen(&pt);
    ::SetCursorPos(pt.x, pt.y);
    pFrame->GetPalette().ScreenToClient(&pt);
    pFrame->GetPalette().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    PumpPending();
    EXPECT_FALSE(m_pButton->IsDroppedDown());
    EXPECT_EQ(-1, m_pHost->GetPressedButtonIndex());
    EXPECT_EQ(0u, m_pHost->GetButtonStyle(0) & TBBS_PRESSED);
    EXPECT_TRUE(m_pFrame->m_commands.empty());
}

TEST_F(DropDownTest, HoldingThePressOpensThePaletteAndAQuickClickDoesNot)
{
    m_pHost->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, ButtonPoint());
    EXPECT_TRUE(m_pButton->IsTimerPending());
    EXPECT_EQ(m_pButton, CORXDropDownToolbarButton::GetTimerButton());
    PumpFor(CORXDropDownToolbarButton::kDropDownDelay + 200);
    EXPECT_TRUE(m_pButton->IsDroppedDown());
    EXPECT_FALSE(m_pButton->IsTimerPending());
    EXPECT_EQ((CORXDropDownToolbarButton*)NULL, CORXDropDownToolbarButton::GetTimerButton());
    m_pButton->OnCancelMode();
    PumpPending();
    m_pHost->SendMessage(WM_CANCELMODE);
    m_pFrame->m_commands.clear();

    // Released before the delay: the button's command runs and no palette follows.
    m_pHost->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, ButtonPoint());
    m_pHost->SendMessage(WM_LBUTTONUP, 0, ButtonPoint());
    PumpFor(CORXDropDownToolbarButton::kDropDownDelay + 200);
    EXPECT_FALSE(m_pButton->IsDroppedDown());
    EXPECT_EQ(std::vector<UINT>{ID_DEMO_NEW}, m_pFrame->m_commands);
    EXPECT_EQ((CORXDropDownToolbarButton*)NULL, CORXDropDownToolbarButton::GetTimerButton());
}

TEST_F(DropDownTest, TimerAndPaletteGoWithTheButtonOrTheBar)
{
    m_pHost->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, ButtonPoint());
    ASSERT_EQ(m_pButton, CORXDropDownToolbarButton::GetTimerButton());
    m_pHost->SendMessage(WM_CANCELMODE);
    EXPECT_EQ((CORXDropDownToolbarButton*)NULL, CORXDropDownToolbarButton::GetTimerButton());

    // A button removed while its delay runs takes its timer with it.
    m_pHost->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, ButtonPoint());
    ASSERT_EQ(m_pButton, CORXDropDownToolbarButton::GetTimerButton());
    ASSERT_TRUE(m_pHost->RemoveButton(0));
    m_pButton = NULL;
    EXPECT_EQ((CORXDropDownToolbarButton*)NULL, CORXDropDownToolbarButton::GetTimerButton());
    PumpFor(CORXDropDownToolbarButton::kDropDownDelay + 100);

    // A bar that goes while its palette is open closes the palette.
    m_pButton = new CORXDropDownToolbarButton(_T("Palette"), &m_source);
    ASSERT_EQ(0, m_pHost->InsertButton(m_pButton));
    m_pHost->AdjustLayout();
    CORXDropDownFrame* pFrame = Open();
    ASSERT_NE((CORXDropDownFrame*)NULL, pFrame);
    HWND hWndFrame = pFrame->GetSafeHwnd();
    m_pHost->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, ButtonPoint());
    m_pHost->DestroyWindow();
    delete m_pHost;
    m_pHost = NULL;
    EXPECT_FALSE(::IsWindow(hWndFrame));
    EXPECT_EQ((CORXDropDownToolbarButton*)NULL, CORXDropDownToolbarButton::GetTimerButton());
    PumpFor(CORXDropDownToolbarButton::kDropDownDelay + 100);
}

TEST_F(DropDownTest, PaletteNearTheBottomOpensAboveTheButton)
{
    CORXDropDownFrame* pFrame = new CORXDropDownFrame;
    int cyFull = ::GetSystemMetrics(SM_CYFULLSCREEN);
    ASSERT_TRUE(pFrame->Create(&m_source, 100, cyFull - 10, m_pButton));
    CRect rectFrame;
    pFrame->GetWindowRect(rectFrame);
    EXPECT_EQ(cyFull - 10 - rectFrame.Height() - m_pButton->Rect().Height() - 4, rectFrame.top);
    pFrame->DestroyWindow();
    PumpPending();
}

TEST_F(DropDownTest, OnAMenuBarThePaletteIsTheDroppedMenuThatOtherTitlesAndEscapeReplace)
{
    CORXMenuBar bar;
    ASSERT_TRUE(bar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, ORX_IDW_MENUBAR));
    bar.SetOwner(m_pFrame);
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_DEMO_MENU));
    CORXToolbarMenuButton* pMenu =
        new CORXToolbarMenuButton(0, menu.GetSubMenu(0)->GetSafeHmenu(), -1, _T("&Menu"));
    ASSERT_EQ(0, bar.InsertButton(pMenu));
    CORXDropDownToolbarButton* pPalette = new CORXDropDownToolbarButton(_T("Palette"), &m_source);
    ASSERT_EQ(1, bar.InsertButton(pPalette));
    bar.AdjustLayout();
    m_pFrame->RecalcLayout();

    // Opened (the second click: the press delay is up), the palette is the bar's dropped button.
    EXPECT_FALSE(pPalette->OnClick(&bar, FALSE));
    EXPECT_TRUE(pPalette->OnClick(&bar, FALSE));
    ASSERT_TRUE(pPalette->IsDroppedDown());
    int iDropped = -1;
    EXPECT_EQ(pPalette, bar.GetDroppedDownButton(&iDropped));
    EXPECT_EQ(1, iDropped);

    // Over another title, that title's menu drops in its place, and back.
    bar.SetHighlightedButton(0);
    PumpPending();
    EXPECT_FALSE(pPalette->IsDroppedDown());
    EXPECT_TRUE(pMenu->IsDroppedDown());
    EXPECT_EQ(pMenu, bar.GetDroppedDownButton());
    bar.SetHighlightedButton(1);
    PumpPending();
    EXPECT_FALSE(pMenu->IsDroppedDown());
    ASSERT_TRUE(pPalette->IsDroppedDown());
    EXPECT_EQ(pPalette, bar.GetDroppedDownButton());

    // Escape closes it as it closes a menu; a second Escape finds nothing to close.
    MSG msg = {};
    msg.hwnd = m_pFrame->GetSafeHwnd();
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_ESCAPE;
    EXPECT_TRUE(CORXPopupMenu::PreTranslateForMenu(&msg));
    PumpPending();
    EXPECT_FALSE(pPalette->IsDroppedDown());
    EXPECT_EQ(nullptr, bar.GetDroppedDownButton());
    EXPECT_FALSE(CORXPopupMenu::PreTranslateForMenu(&msg));
    bar.DestroyWindow();
}

TEST_F(DropDownTest, OnAMenuBarTheKeysLeaveAnOpenPaletteAsTheyLeaveAMenu)
{
    m_pFrame->ShowWindow(SW_SHOW);
    m_pFrame->SetForegroundWindow();
    CORXMenuBar bar;
    ASSERT_TRUE(bar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, ORX_IDW_MENUBAR));
    bar.SetOwner(m_pFrame);
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_DEMO_MENU));
    HMENU hItems = menu.GetSubMenu(0)->GetSafeHmenu();
    CORXToolbarMenuButton* pFirst = new CORXToolbarMenuButton(0, hItems, -1, _T("&Menu"));
    ASSERT_EQ(0, bar.InsertButton(pFirst));
    CORXDropDownToolbarButton* pPalette = new CORXDropDownToolbarButton(_T("Palette"), &m_source);
    ASSERT_EQ(1, bar.InsertButton(pPalette));
    CORXToolbarMenuButton* pLast = new CORXToolbarMenuButton(0, hItems, -1, _T("&Other"));
    ASSERT_EQ(2, bar.InsertButton(pLast));
    bar.AdjustLayout();
    m_pFrame->RecalcLayout();
    // A key as the message loop hands it on: from the bar, which has the keyboard, up to the frame.
    auto Press = [&](UINT nKey) {
        MSG msg = {};
        msg.hwnd = bar.m_hWnd;
        msg.message = WM_KEYDOWN;
        msg.wParam = nKey;
        msg.lParam = 1;
        BOOL bTaken = CWnd::WalkPreTranslateTree(m_pFrame->m_hWnd, &msg);
        PumpPending();
        return bTaken;
    };

    // The menu key, Right onto the palette's title, and Down opens the palette.
    EXPECT_TRUE(bar.OnKeyMenu(0));
    EXPECT_TRUE(Press(VK_RIGHT));
    EXPECT_EQ(1, bar.GetHighlightedButtonIndex());
    EXPECT_TRUE(Press(VK_DOWN));
    ASSERT_TRUE(pPalette->IsDroppedDown());
    EXPECT_EQ(pPalette, bar.GetDroppedDownButton());

    // Return does not send the title's command while the palette is open; Right drops the next
    // title instead, whose menu's Left comes back; Left drops the title before it.
    EXPECT_TRUE(Press(VK_RETURN));
    EXPECT_TRUE(pPalette->IsDroppedDown());
    EXPECT_TRUE(m_pFrame->m_commands.empty());
    EXPECT_TRUE(Press(VK_RIGHT));
    EXPECT_FALSE(pPalette->IsDroppedDown());
    ASSERT_TRUE(pLast->IsDroppedDown());
    pLast->GetPopupMenu()->SendMessage(WM_KEYDOWN, VK_LEFT);
    PumpPending();
    EXPECT_FALSE(pLast->IsDroppedDown());
    ASSERT_TRUE(pPalette->IsDroppedDown());
    EXPECT_TRUE(Press(VK_LEFT));
    EXPECT_FALSE(pPalette->IsDroppedDown());
    ASSERT_TRUE(pFirst->IsDroppedDown());
    pFirst->GetPopupMenu()->SendMessage(WM_KEYDOWN, VK_RIGHT);
    PumpPending();
    ASSERT_TRUE(pPalette->IsDroppedDown());

    // One Escape closes it and leaves the bar the keyboard on its title, as from a menu; the next
    // leaves the bar.
    EXPECT_TRUE(Press(VK_ESCAPE));
    EXPECT_FALSE(pPalette->IsDroppedDown());
    EXPECT_EQ(nullptr, bar.GetDroppedDownButton());
    EXPECT_EQ(&bar, CWnd::GetFocus());
    EXPECT_EQ(1, bar.GetHighlightedButtonIndex());
    EXPECT_TRUE(Press(VK_ESCAPE));
    EXPECT_EQ(-1, bar.GetHighlightedButtonIndex());
    EXPECT_TRUE(m_pFrame->m_commands.empty());
    bar.DestroyWindow();
}

TEST(DropDownButtonTest, StoresItsSourceBarByResourceAndExportsAMenu)
{
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(NULL, _T("Drop-down store"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    CORXDropDownToolBar source;
    ASSERT_TRUE(source.Create(pFrame, WS_CHILD | CBRS_TOP, AFX_IDW_TOOLBAR + 6));
    ASSERT_TRUE(source.LoadToolBar(IDR_DEMO_SECOND));
    EXPECT_EQ(&source, CORXDropDownToolBar::FindByResourceID(IDR_DEMO_SECOND));

    CORXDropDownToolbarButton button(_T("Second"), &source);
    button.SetDefaultCommand(ID_DEMO_LARGE);
    CORXDropDownToolbarButton loaded;
    ASSERT_TRUE(LoadFromBytes(loaded, StoreToBytes(button)));
    EXPECT_EQ(&source, loaded.GetSourceBar());
    EXPECT_EQ(CString(_T("Second")), loaded.GetName());
    EXPECT_EQ(1, loaded.GetShownImage());
    EXPECT_EQ((UINT)ID_DEMO_LARGE, loaded.m_nID);

    CORXToolbarMenuButton menuButton;
    EXPECT_TRUE(button.ExportToMenuButton(menuButton));
    ASSERT_EQ(2, (int)menuButton.GetCommands().GetCount());
    EXPECT_EQ((UINT)ID_DEMO_ALARM, ((CORXToolbarButton*)menuButton.GetCommands().GetHead())->m_nID);
    EXPECT_EQ((UINT)ID_DEMO_LARGE, ((CORXToolbarButton*)menuButton.GetCommands().GetTail())->m_nID);

    // A source bar that goes leaves its buttons without it.
    source.DestroyWindow();
    {
        CORXDropDownToolbarButton* pOrphan = new CORXDropDownToolbarButton;
        pOrphan->CopyFrom(button);
        CORXDropDownToolBar* pGone = new CORXDropDownToolBar;
        CORXDropDownToolbarButton inner(_T("Gone"), pGone);
        delete pGone;
        EXPECT_EQ((CORXDropDownToolBar*)NULL, inner.GetSourceBar());
        delete pOrphan;
    }
    pFrame->DestroyWindow();
    PumpPending();
}
