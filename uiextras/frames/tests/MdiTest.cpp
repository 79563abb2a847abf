// The extras' frames under Wine's real MDI client: the tab strip that follows the children, the
// frames' pop-up answer, the in-place frames and the framework's in-place frame, help mode, the
// in-place item lookup, the Windows dialog and the tree-paged property sheet.
#include <afxwin.h>
#include <afxext.h>
#include <afxole.h>

#include <gtest/gtest.h>

#include <vector>

#include "ORXFrameWnd.h"
#include "ORXMDIFrameWnd.h"
#include "ORXOleIPFrameWnd.h"
#include "ORXMenuBar.h"
#include "ORXPopupMenu.h"
#include "ORXPopupMenuBar.h"
#include "ORXPropertySheet.h"
#include "ORXToolBar.h"
#include "ORXVisualManager.h"
#include "ORXWindowsDlg.h"
#include "TestDrawing.h"
#include "TestSupport.h"
#include "uiextras/uiextras_res.h"

namespace
{
const UINT kPage1 = 30501, kPage2 = 30502, kPage3 = 30503;
const UINT kFrameMenu = 30510;
const UINT kWindowsCmd = 30600;

class CMdiTestView : public CView
{
    DECLARE_DYNCREATE(CMdiTestView)
public:
    virtual void OnDraw(CDC*) {}
};
IMPLEMENT_DYNCREATE(CMdiTestView, CView)

class CMdiTestDoc : public CDocument
{
public:
    CMdiTestDoc() : m_nSaves(0) {}
    virtual BOOL OnSaveDocument(LPCTSTR lpszPathName)
    {
        m_nSaves++;
        m_strSavedTo = lpszPathName;
        SetModifiedFlag(FALSE);
        return TRUE;
    }
    int m_nSaves;
    CString m_strSavedTo;
};

class CMdiTestOleDoc : public COleDocument
{
};

// A child that refuses to close.
class CStubbornChild : public CORXMDIChildWnd
{
protected:
    afx_msg void OnClose() {}
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CStubbornChild, CORXMDIChildWnd)
ON_WM_CLOSE()
END_MESSAGE_MAP()

// A child that counts the times it was made the active one.
class CCountingChild : public CORXMDIChildWnd
{
public:
    int m_nActivated = 0;
    void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd) override
    {
        if (bActivate && pActivateWnd == this)
            m_nActivated++;
        CORXMDIChildWnd::OnMDIActivate(bActivate, pActivateWnd, pDeactivateWnd);
    }
};

// A solid small icon of one colour.
HICON SolidIcon(COLORREF clr)
{
    const int cx = ::GetSystemMetrics(SM_CXSMICON), cy = ::GetSystemMetrics(SM_CYSMICON);
    CBitmap color;
    MakeScreenBitmap(color, cx, cy, clr);
    HBITMAP hMask = ::CreateBitmap(cx, cy, 1, 1, NULL); // all 0: every pixel opaque
    ICONINFO info = {TRUE, 0, 0, hMask, (HBITMAP)color.GetSafeHandle()};
    HICON hIcon = ::CreateIconIndirect(&info);
    ::DeleteObject(hMask);
    return hIcon;
}

// The colour in the middle of an image of the list.
COLORREF ImageColor(HIMAGELIST hList, int iImage)
{
    CTestSurface surface(32, 32, TRUE);
    ImageList_Draw(hList, iImage, surface.Handle(), 0, 0, ILD_NORMAL);
    return surface.At(4, 4);
}

class MdiFrame : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CORXMDIFrameWnd;
        ASSERT_TRUE(m_pFrame->Create(NULL, _T("MDI extras"), WS_OVERLAPPEDWINDOW, CRect(10, 10, 610, 410),
                                     NULL, MAKEINTRESOURCE(kFrameMenu)));
        m_hFrame = m_pFrame->m_hWnd;
        m_pFrame->EnableMDITabs(TRUE, TRUE, CORXTabWnd::LOCATION_TOP);
    }
    void TearDown() override
    {
        if (::IsWindow(m_hFrame))
            m_pFrame->DestroyWindow();
    }

    template <class TChild = CORXMDIChildWnd>
    TChild* AddChild(LPCTSTR lpszTitle, CDocument* pDoc = NULL, BOOL bView = TRUE, LPCTSTR lpszClass = NULL,
                     DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW)
    {
        CCreateContext context;
        context.m_pNewViewClass = bView ? RUNTIME_CLASS(CMdiTestView) : NULL;
        context.m_pCurrentDoc = pDoc;
        TChild* pChild = new TChild;
        if (!pChild->Create(lpszClass, lpszTitle, dwStyle, CRect(0, 0, 200, 150), m_pFrame, &context))
            return NULL;
        return pChild;
    }

    CORXTabWnd& Tabs() { return m_pFrame->GetClientArea().GetTabWnd(); }
    // A click on a tab, as the user makes it.
    void ClickTab(int iTab)
    {
        CRect rect;
        Tabs().GetTabRect(iTab, rect);
        const LPARAM lPoint = MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y);
        Tabs().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
        Tabs().SendMessage(WM_LBUTTONUP, 0, lPoint);
    }
    CString Labels()
    {
        CString strLabels;
        for (int i = 0; i < Tabs().GetTabsNum(); i++)
        {
            CString strLabel;
            Tabs().GetTabLabel(i, strLabel);
            strLabels += (i > 0 ? _T("|") : _T("")) + strLabel;
        }
        return strLabels;
    }

    CORXMDIFrameWnd* m_pFrame;
    HWND m_hFrame;
};

TEST_F(MdiFrame, TheTabsFollowTheChildren)
{
    CORXMDIChildWnd* p1 = AddChild(_T("One"));
    CORXMDIChildWnd* p2 = AddChild(_T("Two"));
    CORXMDIChildWnd* p3 = AddChild(_T("Three"));
    ASSERT_TRUE(p1 != NULL && p2 != NULL && p3 != NULL);
    EXPECT_STREQ(_T("One|Two|Three"), Labels());
    EXPECT_EQ(2, Tabs().GetActiveTab());

    // Activation moves the active tab; a tab chosen as the user does activates its child.
    m_pFrame->MDIActivate(p1);
    EXPECT_EQ(0, Tabs().GetActiveTab());
    ClickTab(1);
    EXPECT_EQ(p2, m_pFrame->MDIGetActive());

    p2->SetWindowText(_T("Second"));
    EXPECT_STREQ(_T("One|Second|Three"), Labels());

    p3->MDIDestroy();
    EXPECT_STREQ(_T("One|Second"), Labels());
    EXPECT_EQ(1, Tabs().GetTabByWindow(p2->m_hWnd));

    // A hidden child loses its tab.
    p1->ShowWindow(SW_HIDE);
    m_pFrame->GetClientArea().UpdateTabs();
    EXPECT_STREQ(_T("Second"), Labels());
}

TEST_F(MdiFrame, AChildWithoutAWindowObjectKeepsItsTabPastIdleTime)
{
    WNDCLASS wc = {0};
    wc.lpfnWndProc = ::DefMDIChildProc;
    wc.hInstance = ::GetModuleHandle(NULL);
    wc.lpszClassName = _T("VelmoraPlainMdiChild");
    ::RegisterClass(&wc);
    auto createPlain = [&](LPCTSTR lpszTitle) {
        MDICREATESTRUCT mcs = {wc.lpszClassName, lpszTitle, wc.hInstance, 0, 0, 200, 150, WS_VISIBLE, 0};
        return (HWND)::SendMessage(m_pFrame->m_hWndMDIClient, WM_MDICREATE, 0, (LPARAM)&mcs);
    };
    HWND hPlain = createPlain(_T("Plain"));
    HWND hOther = createPlain(_T("Other"));
    ASSERT_TRUE(hPlain != NULL && hOther != NULL);
    m_pFrame->GetClientArea().UpdateTabs();
    const int iTab = Tabs().GetTabByWindow(hPlain);
    ASSERT_GE(iTab, 0);
    CWnd* pTabWnd = Tabs().GetTabWindow(iTab);

    // The idle clean-up deletes temporary objects; the tab's object is not one of them.
    CWnd::DeleteTempMap();
    EXPECT_EQ(pTabWnd, CWnd::FromHandlePermanent(hPlain));
    EXPECT_EQ(hPlain, Tabs().GetTabWindow(Tabs().GetTabByWindow(hPlain))->GetSafeHwnd());
    ClickTab(Tabs().GetTabByWindow(hPlain));
    EXPECT_EQ(hPlain, (HWND)::SendMessage(m_pFrame->m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0));

    // Closed through the client or destroyed behind its back, the child takes its tab and the
    // client's object with it, and the window itself stays the child's.
    ::SendMessage(m_pFrame->m_hWndMDIClient, WM_MDIDESTROY, (WPARAM)hPlain, 0);
    EXPECT_LT(Tabs().GetTabByWindow(hPlain), 0);
    EXPECT_EQ((CWnd*)NULL, CWnd::FromHandlePermanent(hPlain));
    ::DestroyWindow(hOther);
    m_pFrame->GetClientArea().UpdateTabs();
    EXPECT_LT(Tabs().GetTabByWindow(hOther), 0);
    EXPECT_EQ((CWnd*)NULL, CWnd::FromHandlePermanent(hOther));
}

TEST_F(MdiFrame, AChosenTabActivatesItsChildOnceAndTheTabsFollowEveryActivation)
{
    CCountingChild* p1 = AddChild<CCountingChild>(_T("One"));
    CCountingChild* p2 = AddChild<CCountingChild>(_T("Two"));
    CCountingChild* p3 = AddChild<CCountingChild>(_T("Three"));
    ASSERT_TRUE(p1 != NULL && p2 != NULL && p3 != NULL);
    p1->m_nActivated = p2->m_nActivated = p3->m_nActivated = 0;

    ClickTab(0);
    EXPECT_EQ(p1, m_pFrame->MDIGetActive());
    EXPECT_EQ(0, Tabs().GetActiveTab());
    EXPECT_EQ(1, p1->m_nActivated);
    // The tab of the active child again: nothing is activated.
    ClickTab(0);
    EXPECT_EQ(1, p1->m_nActivated);

    // Activated otherwise, a child takes its tab with it, and is activated only the once.
    m_pFrame->MDIActivate(p3);
    EXPECT_EQ(2, Tabs().GetActiveTab());
    EXPECT_EQ(1, p3->m_nActivated);
    const int nBefore = p1->m_nActivated + p2->m_nActivated + p3->m_nActivated;
    m_pFrame->MDINext();
    ASSERT_NE(p3, m_pFrame->MDIGetActive());
    EXPECT_EQ(Tabs().GetTabByWindow(m_pFrame->MDIGetActive()->GetSafeHwnd()), Tabs().GetActiveTab());
    EXPECT_EQ(nBefore + 1, p1->m_nActivated + p2->m_nActivated + p3->m_nActivated);

    // A tab shown by the program hands its child the focus: tabs and activation still agree.
    Tabs().SetActiveTab(Tabs().GetActiveTab() == 0 ? 1 : 0);
    EXPECT_EQ(Tabs().GetTabByWindow(m_pFrame->MDIGetActive()->GetSafeHwnd()), Tabs().GetActiveTab());
}

// The buttons of a framework pop-up with a Window command, opened from the frame.
std::vector<UINT> WindowPopupItems(CORXMDIFrameWnd* pFrame, UINT* pChecked)
{
    CORXPopupMenu::SetAnimationType(CORXPopupMenu::NO_ANIMATION);
    HMENU hPopup = ::CreatePopupMenu();
    ::AppendMenu(hPopup, MF_STRING, ID_WINDOW_CASCADE, _T("&Cascade"));
    CORXPopupMenu* pMenu = new CORXPopupMenu;
    std::vector<UINT> ids;
    if (!pMenu->Create(pFrame, 100, 100, hPopup, FALSE, TRUE))
    {
        ADD_FAILURE() << "the pop-up was not made";
        return ids;
    }
    CORXPopupMenuBar* pBar = pMenu->GetMenuBar();
    for (int i = 0; i < pBar->GetCount(); i++)
    {
        ids.push_back(pBar->GetItemID(i));
        if (pBar->GetButton(i)->m_nStyle & TBBS_CHECKED)
            *pChecked = pBar->GetItemID(i);
    }
    pMenu->SendMessage(WM_CLOSE);
    DispatchPending();
    return ids;
}

TEST_F(MdiFrame, APopupWithTheWindowCommandsListsTheChildren)
{
    m_pFrame->EnableWindowsDialog(kWindowsCmd, _T("&Windows..."));
    CORXMDIChildWnd* pFirst = NULL;
    for (int i = 1; i <= 11; i++)
    {
        CString strTitle;
        strTitle.Format(_T("W%d"), i);
        CORXMDIChildWnd* pChild = AddChild(strTitle);
        ASSERT_TRUE(pChild != NULL);
        if (pFirst == NULL)
            pFirst = pChild;
    }
    m_pFrame->MDIActivate(pFirst);
    UINT uiChecked = 0;
    std::vector<UINT> ids = WindowPopupItems(m_pFrame, &uiChecked);
    // The command, a separator, the nine children the window menu lists and, in place of its
    // entry for more windows, the Windows dialog's item.
    std::vector<UINT> expected = {ID_WINDOW_CASCADE, 0};
    for (UINT id = AFX_IDM_FIRST_MDICHILD; id < AFX_IDM_FIRST_MDICHILD + 9; id++)
        expected.push_back(id);
    expected.push_back(kWindowsCmd);
    EXPECT_EQ(expected, ids);
    // The active child's entry carries the check mark.
    EXPECT_GE(uiChecked, (UINT)AFX_IDM_FIRST_MDICHILD);
    EXPECT_LT(uiChecked, (UINT)AFX_IDM_FIRST_MDICHILD + 9);
}

TEST_F(MdiFrame, TheWindowsDialogItemShowsWithFewChildrenOnlyWhenAskedTo)
{
    ASSERT_TRUE(AddChild(_T("A")) != NULL);
    ASSERT_TRUE(AddChild(_T("B")) != NULL);
    m_pFrame->EnableWindowsDialog(kWindowsCmd, _T("&Windows..."));
    UINT uiChecked = 0;
    std::vector<UINT> ids = WindowPopupItems(m_pFrame, &uiChecked);
    EXPECT_EQ(std::vector<UINT>({ID_WINDOW_CASCADE, 0, AFX_IDM_FIRST_MDICHILD, AFX_IDM_FIRST_MDICHILD + 1}),
              ids);
    EXPECT_EQ((UINT)AFX_IDM_FIRST_MDICHILD + 1, uiChecked);
    m_pFrame->EnableWindowsDialog(kWindowsCmd, _T("&Windows..."), TRUE);
    ids = WindowPopupItems(m_pFrame, &uiChecked);
    ASSERT_FALSE(ids.empty());
    EXPECT_EQ(kWindowsCmd, ids.back());
}

// A frame that refuses its pop-up menus when told to and counts one command.
class CAnsweringFrame : public CORXMDIFrameWnd
{
public:
    virtual BOOL OnShowPopupMenu(CORXPopupMenu*) { return m_bAllowMenus; }
    afx_msg void OnCounted() { m_nCommands++; }
    BOOL m_bAllowMenus = TRUE;
    int m_nCommands = 0;
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CAnsweringFrame, CORXMDIFrameWnd)
ON_COMMAND(kWindowsCmd + 1, OnCounted)
END_MESSAGE_MAP()

class AnsweringFrame : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CORXPopupMenu::SetAnimationType(CORXPopupMenu::NO_ANIMATION);
        m_pFrame = new CAnsweringFrame;
        ASSERT_TRUE(m_pFrame->Create(NULL, _T("Answering"), WS_OVERLAPPEDWINDOW, CRect(10, 10, 610, 410),
                                     NULL, MAKEINTRESOURCE(kFrameMenu)));
    }
    void TearDown() override
    {
        CORXPopupMenu* pMenu = CORXPopupMenu::GetActiveMenu();
        if (pMenu != NULL && pMenu->GetSafeHwnd() != NULL)
            pMenu->DestroyWindow();
        m_pFrame->DestroyWindow();
        DispatchPending();
    }
    CORXPopupMenu* Open()
    {
        HMENU hPopup = ::CreatePopupMenu();
        ::AppendMenu(hPopup, MF_STRING, kWindowsCmd + 1, _T("&Counted"));
        CORXPopupMenu* pMenu = new CORXPopupMenu;
        pMenu->SetAutoDestroy(FALSE);
        if (!pMenu->Create(m_pFrame, 100, 100, hPopup, FALSE, TRUE))
        {
            ::DestroyMenu(hPopup);
            delete pMenu;
            return NULL;
        }
        return pMenu;
    }
    CAnsweringFrame* m_pFrame;
};

TEST_F(AnsweringFrame, ARefusedPopupIsNotShown)
{
    m_pFrame->m_bAllowMenus = FALSE;
    EXPECT_EQ(NULL, Open());
    DispatchPending();
    EXPECT_EQ(NULL, CORXPopupMenu::GetActiveMenu());
    m_pFrame->m_bAllowMenus = TRUE;
    CORXPopupMenu* pMenu = Open();
    ASSERT_TRUE(pMenu != NULL);
    EXPECT_TRUE(pMenu->IsWindowVisible());
}

TEST_F(AnsweringFrame, AltClosesAnOpenPopupAndIsTaken)
{
    CORXPopupMenu* pMenu = Open();
    ASSERT_TRUE(pMenu != NULL);
    HWND hMenu = pMenu->GetSafeHwnd();
    ASSERT_EQ(pMenu, CORXPopupMenu::GetActiveMenu());
    MSG msg = {m_pFrame->m_hWnd, WM_SYSKEYDOWN, VK_MENU, 0x20380001};
    EXPECT_TRUE(m_pFrame->PreTranslateMessage(&msg));
    DispatchPending();
    EXPECT_FALSE(::IsWindow(hMenu));
}

TEST_F(AnsweringFrame, CommandsDoNothingInCustomiseMode)
{
    CORXToolBar::SetCustomizeMode(TRUE);
    m_pFrame->SendMessage(WM_COMMAND, kWindowsCmd + 1);
    CORXToolBar::SetCustomizeMode(FALSE);
    EXPECT_EQ(0, m_pFrame->m_nCommands);
    m_pFrame->SendMessage(WM_COMMAND, kWindowsCmd + 1);
    EXPECT_EQ(1, m_pFrame->m_nCommands);
}

TEST_F(MdiFrame, TheMenuBarTakesTheFrameMenuUnlessAnItemIsUIActive)
{
    CORXMenuBar bar;
    ASSERT_TRUE(bar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, ORX_IDW_MENUBAR));
    HMENU hDefault = ::GetMenu(m_hFrame);
    ASSERT_TRUE(hDefault != NULL);
    m_pFrame->SetMenuBar(&bar);
    EXPECT_EQ(NULL, ::GetMenu(m_hFrame));

    // Whatever the client is given as the frame's menu goes to the bar, not the window.
    CMdiTestOleDoc* pDoc = new CMdiTestOleDoc;
    CORXMDIChildWnd* pChild = AddChild(_T("Container"), pDoc);
    ASSERT_TRUE(pChild != NULL);
    m_pFrame->OnUpdateFrameMenu(NULL);
    EXPECT_EQ(NULL, ::GetMenu(m_hFrame));
    EXPECT_EQ(hDefault, bar.GetMenu());

    // While an item works in its own window, the menu the window has (the item's) stays.
    COleClientItem* pItem = new COleClientItem(pDoc);
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    pItem->Activate(OLEIVERB_SHOW, pChild->GetActiveView(), wnd.m_hWnd);
    ::SetMenu(m_hFrame, hDefault);
    m_pFrame->OnUpdateFrameMenu(NULL);
    EXPECT_EQ(hDefault, ::GetMenu(m_hFrame));
    EXPECT_FALSE(m_pFrame->OnSetMenu(hDefault));
    EXPECT_EQ(hDefault, ::GetMenu(m_hFrame));
    pItem->Deactivate();
    wnd.DestroyWindow();
    m_pFrame->OnUpdateFrameMenu(NULL);
    EXPECT_EQ(NULL, ::GetMenu(m_hFrame));
    m_pFrame->DestroyWindow();
}

TEST_F(MdiFrame, TheClientIsInItsPlaceAsSoonAsTheTabsAreLaidOut)
{
    ASSERT_TRUE(AddChild(_T("One")) != NULL);
    ASSERT_TRUE(AddChild(_T("Two")) != NULL);
    CORXMDIClientWnd& client = m_pFrame->GetClientArea();
    auto placeOf = [&](CWnd& wnd) {
        CRect rect;
        wnd.GetWindowRect(rect);
        m_pFrame->ScreenToClient(rect);
        return rect;
    };
    // The tabs take the room given and the client their inside at once, before the caller's own
    // move, so that its redraw paints it where it stays.
    const CRect rectRoom(10, 20, 300, 250);
    CRect rect = rectRoom;
    client.CalcWindowRect(rect);
    EXPECT_EQ(rectRoom, placeOf(Tabs()));
    EXPECT_GT(rect.top, rectRoom.top);
    EXPECT_EQ(rect, placeOf(client));

    // Without tabs the client takes the whole room, as at once.
    client.m_bTabsEnabled = FALSE;
    rect = CRect(5, 15, 290, 240);
    client.CalcWindowRect(rect);
    EXPECT_FALSE(Tabs().GetStyle() & WS_VISIBLE);
    EXPECT_EQ(rect, placeOf(client));
}

TEST_F(MdiFrame, DisabledTabsStayHiddenAndUnchanged)
{
    m_pFrame->EnableMDITabs(FALSE);
    CORXMDIChildWnd* p1 = AddChild(_T("One"));
    ASSERT_TRUE(p1 != NULL);
    m_pFrame->GetClientArea().UpdateTabs(TRUE);
    m_pFrame->GetClientArea().ActivateTabOf(p1->m_hWnd);
    EXPECT_EQ(0, Tabs().GetTabsNum());
    EXPECT_FALSE(Tabs().GetStyle() & WS_VISIBLE);
}

TEST_F(MdiFrame, TheStripLeavesTheBackgroundAloneAndDrawsItsTopLine)
{
    // With no child there is no tab: the strip still leaves the erasing to its painting.
    ASSERT_EQ(0, Tabs().GetTabsNum());
    {
        CTestSurface surface(20, 20, RGB(1, 2, 3), TRUE);
        Tabs().SendMessage(WM_ERASEBKGND, (WPARAM)surface.Handle());
        EXPECT_EQ(RGB(1, 2, 3), surface.At(10, 10));
    }

    // A line along the top parts the strip from the bars above it.
    ASSERT_TRUE(AddChild(_T("One")) != NULL);
    ASSERT_TRUE(AddChild(_T("Two")) != NULL);
    m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    m_pFrame->RecalcLayout();
    Tabs().RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    COLORREF clrDark, clrBlack, clrHighlight, clrFace, clrDarkShadow, clrLight;
    CBrush* pbrFace = NULL;
    CBrush* pbrBlack = NULL;
    CORXVisualManager::GetInstance()->GetTabFrameColors(&Tabs(), clrDark, clrBlack, clrHighlight, clrFace,
                                                        clrDarkShadow, clrLight, pbrFace, pbrBlack);
    CRect rectTabs;
    Tabs().GetClientRect(rectTabs);
    CClientDC dc(&Tabs());
    EXPECT_EQ(clrDark, dc.GetPixel(rectTabs.CenterPoint().x, 0));
    m_pFrame->ShowWindow(SW_HIDE);
}

TEST_F(MdiFrame, ClosingAChildGivesBackTheStripOnlyWhenItsHeightChanges)
{
    Tabs().HideSingleTab(TRUE);
    CORXMDIChildWnd* p1 = AddChild(_T("One"));
    CORXMDIChildWnd* p2 = AddChild(_T("Two"));
    CORXMDIChildWnd* p3 = AddChild(_T("Three"));
    ASSERT_TRUE(p1 != NULL && p2 != NULL && p3 != NULL);
    m_pFrame->RecalcLayout();
    CWnd* pClient = CWnd::FromHandle(m_pFrame->m_hWndMDIClient);
    auto clientHeight = [&] {
        CRect rect;
        pClient->GetWindowRect(rect);
        return rect.Height();
    };
    const int nWithTabs = clientHeight();
    ASSERT_GT(Tabs().GetTabsHeightInUse(), 0);

    // Three to two: the strip keeps its height and the client its place.
    p3->MDIDestroy();
    EXPECT_EQ(nWithTabs, clientHeight());
    // Two to one: the strip hides, and the client takes its room at once.
    p2->MDIDestroy();
    EXPECT_EQ(0, Tabs().GetTabsHeightInUse());
    EXPECT_GT(clientHeight(), nWithTabs);
}

TEST_F(MdiFrame, BarsOfTheUserRangeAreUserDefined)
{
    m_pFrame->EnableUserToolbars(0xE900, 0xE901);
    CORXToolBar* pMine = (CORXToolBar*)m_pFrame->SendMessage(ORX_WM_TOOLBAR_CREATE, 0, (LPARAM) _T("Mine"));
    ASSERT_TRUE(pMine != NULL);
    EXPECT_TRUE(pMine->IsUserDefined()) << "the Toolbars page may delete and rename it";
    CORXToolBar other;
    ASSERT_TRUE(other.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR));
    EXPECT_FALSE(other.IsUserDefined());
    other.DestroyWindow();
}

TEST_F(MdiFrame, TabIconsFollowTheirChild)
{
    // A class without an icon, and a child that answers none: a tab without an image.
    CORXMDIChildWnd* pPlain = AddChild(_T("Plain"), NULL, TRUE, AfxRegisterWndClass(0));
    ASSERT_TRUE(pPlain != NULL);
    EXPECT_EQ(-1, Tabs().GetTabIcon(Tabs().GetTabByWindow(pPlain->m_hWnd)));

    HICON hRed = SolidIcon(RGB(255, 0, 0));
    HICON hBlue = SolidIcon(RGB(0, 0, 255));
    HICON hGreen = SolidIcon(RGB(0, 255, 0));
    CORXMDIChildWnd* pA = AddChild(_T("A"), NULL, TRUE, AfxRegisterWndClass(0));
    CORXMDIChildWnd* pB = AddChild(_T("B"), NULL, TRUE, AfxRegisterWndClass(0));
    ASSERT_TRUE(pA != NULL && pB != NULL);
    pA->SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)hRed);
    pB->SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)hRed);
    HIMAGELIST hList = m_pFrame->GetClientArea().m_ImageList.GetSafeHandle();
    int iA = Tabs().GetTabIcon(Tabs().GetTabByWindow(pA->m_hWnd));
    int iB = Tabs().GetTabIcon(Tabs().GetTabByWindow(pB->m_hWnd));
    ASSERT_GE(iA, 0);
    ASSERT_GE(iB, 0);
    EXPECT_NE(iA, iB) << "one image per child, even for the same icon handle";

    // A's new icon changes A's picture only.
    pA->SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)hBlue);
    EXPECT_EQ(iA, Tabs().GetTabIcon(Tabs().GetTabByWindow(pA->m_hWnd)));
    EXPECT_EQ(RGB(0, 0, 255), ImageColor(hList, iA));
    EXPECT_EQ(RGB(255, 0, 0), ImageColor(hList, iB));

    // A goes: the next child takes A's place in the list with its own picture.
    pA->MDIDestroy();
    const int nImages = ImageList_GetImageCount(hList);
    CORXMDIChildWnd* pC = AddChild(_T("C"), NULL, TRUE, AfxRegisterWndClass(0));
    ASSERT_TRUE(pC != NULL);
    pC->SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)hGreen);
    EXPECT_EQ(iA, Tabs().GetTabIcon(Tabs().GetTabByWindow(pC->m_hWnd)));
    EXPECT_EQ(RGB(0, 255, 0), ImageColor(hList, iA));
    EXPECT_EQ(nImages, ImageList_GetImageCount(hList));
    EXPECT_EQ(RGB(255, 0, 0), ImageColor(hList, Tabs().GetTabIcon(Tabs().GetTabByWindow(pB->m_hWnd))));
    m_pFrame->DestroyWindow();
    ::DestroyIcon(hRed);
    ::DestroyIcon(hBlue);
    ::DestroyIcon(hGreen);
}

TEST_F(MdiFrame, TheInPlaceActiveItemIsLookedUpStepByStep)
{
    EXPECT_EQ(NULL, m_pFrame->GetInPlaceActiveItem()) << "no active child";
    CORXMDIChildWnd* pNoView = AddChild(_T("No view"), NULL, FALSE);
    ASSERT_TRUE(pNoView != NULL);
    EXPECT_EQ(NULL, m_pFrame->GetInPlaceActiveItem()) << "a child without a view";
    CORXMDIChildWnd* pNoDoc = AddChild(_T("No document"));
    ASSERT_TRUE(pNoDoc != NULL);
    EXPECT_EQ(NULL, m_pFrame->GetInPlaceActiveItem()) << "a view without a document";
    CMdiTestDoc* pPlainDoc = new CMdiTestDoc;
    ASSERT_TRUE(AddChild(_T("Plain document"), pPlainDoc) != NULL);
    EXPECT_EQ(NULL, m_pFrame->GetInPlaceActiveItem()) << "a document without items";

    CMdiTestOleDoc* pDoc = new CMdiTestOleDoc;
    CORXMDIChildWnd* pChild = AddChild(_T("Container"), pDoc);
    ASSERT_TRUE(pChild != NULL);
    COleClientItem* pItem = new COleClientItem(pDoc);
    EXPECT_EQ(NULL, m_pFrame->GetInPlaceActiveItem()) << "an item that is not active";
    pItem->Activate(OLEIVERB_SHOW, pChild->GetActiveView());
    EXPECT_EQ(pItem, m_pFrame->GetInPlaceActiveItem());
    m_pFrame->MDIActivate(pNoDoc);
    EXPECT_EQ(NULL, m_pFrame->GetInPlaceActiveItem()) << "the item of another child's view";

    // While the item works in a window of its own, the frame keeps its menu off the menu bar.
    m_pFrame->MDIActivate(pChild);
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    pItem->Activate(OLEIVERB_SHOW, pChild->GetActiveView(), wnd.m_hWnd);
    EXPECT_FALSE(m_pFrame->OnSetMenu(NULL));
    wnd.DestroyWindow();
}

TEST(ExtrasFrames, ShowPopupMenuWithoutAPopupRecordsNothing)
{
    CORXPopupMenu sentinel;
    CORXFrameWnd* pSdi = new CORXFrameWnd;
    CORXMDIFrameWnd* pMdi = new CORXMDIFrameWnd;
    CORXOleIPFrameWnd* pIP = new CORXOleIPFrameWnd;
    CORXOleDocIPFrameWnd* pDocIP = new CORXOleDocIPFrameWnd;
    CORXPopupMenu::SetActiveMenu(&sentinel);
    EXPECT_TRUE(CORXFrameWnd::ShowPopupMenu(pSdi, NULL));
    EXPECT_TRUE(CORXMDIFrameWnd::ShowPopupMenu(pMdi, NULL));
    EXPECT_TRUE(CORXOleIPFrameWnd::ShowPopupMenu(pIP, NULL));
    EXPECT_TRUE(CORXOleDocIPFrameWnd::ShowPopupMenu(pDocIP, NULL));
    EXPECT_EQ(&sentinel, CORXPopupMenu::GetActiveMenu());
    CORXPopupMenu::SetActiveMenu(NULL);
    delete pSdi;
    delete pMdi;
    delete pIP;
    delete pDocIP;
}

template <class TFrame> TFrame* InPlaceFrame(LPCTSTR lpszTitle)
{
    TFrame* pFrame = new TFrame;
    if (!pFrame->Create(NULL, lpszTitle, WS_POPUP | WS_CAPTION, CRect(0, 0, 100, 80)))
        return NULL;
    return pFrame;
}

// The frames' activation steps, taken in the order a test chooses (a real activation brings its
// own deactivations along).
TEST(ExtrasFrames, InPlaceFramesSetAndGiveBackTheInPlaceFrame)
{
    CORXFrameWnd* pMain = new CORXFrameWnd;
    ASSERT_TRUE(pMain->Create(NULL, _T("Main"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 150)));
    CORXOleIPFrameWnd* pA = InPlaceFrame<CORXOleIPFrameWnd>(_T("A"));
    CORXOleDocIPFrameWnd* pB = InPlaceFrame<CORXOleDocIPFrameWnd>(_T("B"));
    ASSERT_TRUE(pA != NULL && pB != NULL);
    HWND hPrevA = NULL, hPrevB = NULL;
    ORXSetInPlaceFrame(pMain);

    CORXFrameRouting::OnActivateInPlace(pA, WA_ACTIVE, hPrevA);
    EXPECT_EQ(pA, ORXInPlaceFrame());
    EXPECT_EQ(pMain->m_hWnd, hPrevA);
    CORXFrameRouting::OnActivateInPlace(pA, WA_CLICKACTIVE, hPrevA);
    EXPECT_EQ(pMain->m_hWnd, hPrevA) << "activated again, it keeps the frame it replaced";
    CORXFrameRouting::OnActivateInPlace(pB, WA_CLICKACTIVE, hPrevB);
    EXPECT_EQ(pB, ORXInPlaceFrame());
    CORXFrameRouting::OnActivateInPlace(pB, WA_INACTIVE, hPrevB);
    EXPECT_EQ(pA, ORXInPlaceFrame());
    CORXFrameRouting::OnActivateInPlace(pA, WA_INACTIVE, hPrevA);
    EXPECT_EQ(pMain, ORXInPlaceFrame());

    // A frame that is not the current one changes nothing when it is deactivated.
    CORXFrameRouting::OnActivateInPlace(pB, WA_INACTIVE, hPrevB);
    EXPECT_EQ(pMain, ORXInPlaceFrame());

    // The frame to give the place back to has gone meanwhile: none is put back.
    CORXFrameRouting::OnActivateInPlace(pA, WA_ACTIVE, hPrevA);
    CORXFrameRouting::OnActivateInPlace(pB, WA_ACTIVE, hPrevB);
    pA->DestroyWindow();
    CORXFrameRouting::OnActivateInPlace(pB, WA_INACTIVE, hPrevB);
    EXPECT_EQ((CFrameWnd*)NULL, ORXInPlaceFrame());

    // Nor a window that is no frame of the framework's.
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    hPrevB = wnd.m_hWnd;
    ORXSetInPlaceFrame(pB);
    CORXFrameRouting::OnActivateInPlace(pB, WA_INACTIVE, hPrevB);
    EXPECT_EQ((CFrameWnd*)NULL, ORXInPlaceFrame());
    wnd.DestroyWindow();

    // A current in-place frame that is destroyed gives the place back as it goes.
    pB->m_hwndLastTopLevelFrame = pMain->m_hWnd;
    ORXSetInPlaceFrame(pB);
    pB->DestroyWindow();
    EXPECT_EQ(pMain, ORXInPlaceFrame());
    ORXSetInPlaceFrame(NULL);
    pMain->DestroyWindow();
}

// Help asked for with no context while help mode runs (what F1 does then) does not start it again.
class CNestingFrame : public CORXMDIFrameWnd
{
public:
    afx_msg LRESULT OnNested(WPARAM, LPARAM)
    {
        m_bInHelp = m_bContextHelp && m_bHelpMode;
        WinHelp(0);
        m_bStillInHelp = m_bContextHelp && m_bHelpMode;
        ExitHelpMode();
        return 0;
    }
    BOOL m_bInHelp = FALSE;
    BOOL m_bStillInHelp = FALSE;
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CNestingFrame, CORXMDIFrameWnd)
ON_MESSAGE(WM_APP + 9, OnNested)
END_MESSAGE_MAP()

TEST(ExtrasFrames, HelpModeCannotEnterItselfAgain)
{
    CNestingFrame* pFrame = new CNestingFrame;
    ASSERT_TRUE(pFrame->Create(NULL, _T("Nesting"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200), NULL, NULL));
    pFrame->PostMessage(WM_APP + 9);
    pFrame->SendMessage(WM_COMMAND, ID_CONTEXT_HELP);
    EXPECT_TRUE(pFrame->m_bInHelp);
    EXPECT_TRUE(pFrame->m_bStillInHelp) << "the nested request left the outer help mode as it was";
    EXPECT_FALSE(pFrame->m_bHelpMode);
    EXPECT_FALSE(pFrame->m_bContextHelp);
    pFrame->DestroyWindow();
}

class WindowsDialog : public MdiFrame
{
protected:
    void OpenDialog()
    {
        m_pDlg = new CORXWindowsDlg(m_pFrame);
        ASSERT_TRUE(m_pDlg->Create(IDD_ORX_WINDOWS_DIALOG, m_pFrame));
    }
    void TearDown() override
    {
        if (m_pDlg != NULL)
        {
            m_pDlg->DestroyWindow();
            delete m_pDlg;
        }
        MdiFrame::TearDown();
    }
    void Select(std::initializer_list<int> rows)
    {
        m_pDlg->m_wndList.SetSel(-1, FALSE);
        for (int row : rows)
            m_pDlg->m_wndList.SetSel(row, TRUE);
        m_pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ORX_WINDOWS_LIST, LBN_SELCHANGE),
                            (LPARAM)m_pDlg->m_wndList.GetSafeHwnd());
    }
    void Click(UINT nID) { m_pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED)); }
    BOOL Enabled(UINT nID) { return m_pDlg->GetDlgItem(nID)->IsWindowEnabled(); }
    CString Row(int i)
    {
        CString strText;
        m_pDlg->m_wndList.GetText(i, strText);
        return strText;
    }
    CORXWindowsDlg* m_pDlg = NULL;
};

TEST_F(WindowsDialog, RowsAreBoundedAndButtonsFollowTheSelection)
{
    CString strLong(_T('x'), 1000);
    ASSERT_TRUE(AddChild(strLong) != NULL);
    ASSERT_TRUE(AddChild(_T("Short")) != NULL);
    OpenDialog();
    ASSERT_EQ(2, m_pDlg->m_wndList.GetCount());
    EXPECT_STREQ(_T("Short"), Row(0));
    EXPECT_EQ(CORXWindowsDlg::nMaxTextLength, Row(1).GetLength());
    EXPECT_EQ(1, m_pDlg->m_wndList.GetSelCount()) << "the active child is selected";

    Select({0});
    EXPECT_TRUE(Enabled(IDC_ORX_WINDOWS_ACTIVATE));
    EXPECT_FALSE(Enabled(IDC_ORX_WINDOWS_CASCADE));
    EXPECT_FALSE(Enabled(IDC_ORX_WINDOWS_TILEHORZ));
    Select({0, 1});
    EXPECT_FALSE(Enabled(IDC_ORX_WINDOWS_ACTIVATE));
    EXPECT_TRUE(Enabled(IDC_ORX_WINDOWS_CASCADE));
    EXPECT_TRUE(Enabled(IDC_ORX_WINDOWS_TILEVERT));
    EXPECT_TRUE(Enabled(IDC_ORX_WINDOWS_CLOSE));
}

TEST_F(WindowsDialog, AWindowWithoutSystemMenuForbidsArrangingAndClosing)
{
    ASSERT_TRUE(AddChild(_T("A")) != NULL);
    ASSERT_TRUE(AddChild(_T("B"), NULL, TRUE, NULL, WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME) !=
                NULL);
    OpenDialog();
    Select({0, 1});
    EXPECT_FALSE(Enabled(IDC_ORX_WINDOWS_TILEHORZ));
    EXPECT_FALSE(Enabled(IDC_ORX_WINDOWS_MINIMIZE));
    EXPECT_FALSE(Enabled(IDC_ORX_WINDOWS_CLOSE));
    Select({0});
    EXPECT_TRUE(Enabled(IDC_ORX_WINDOWS_CLOSE));
}

TEST_F(WindowsDialog, ClosingStopsAtTheFirstWindowThatRefuses)
{
    ASSERT_TRUE(AddChild(_T("A")) != NULL);
    ASSERT_TRUE(AddChild<CStubbornChild>(_T("B")) != NULL);
    ASSERT_TRUE(AddChild(_T("C")) != NULL);
    OpenDialog();
    Select({0, 1, 2});
    Click(IDC_ORX_WINDOWS_CLOSE);
    ASSERT_EQ(2, m_pDlg->m_wndList.GetCount());
    EXPECT_STREQ(_T("A"), Row(0)) << "the window after the refusing one stays open";
    EXPECT_STREQ(_T("B"), Row(1));
    EXPECT_STREQ(_T("A|B"), Labels());
}

TEST_F(WindowsDialog, SavingGoesThroughTheSelectedDocuments)
{
    CMdiTestDoc* pDocA = new CMdiTestDoc;
    CMdiTestDoc* pDocB = new CMdiTestDoc;
    pDocA->m_strPathName = _T("C:\\a.doc");
    pDocB->m_strPathName = _T("C:\\b.doc");
    ASSERT_TRUE(AddChild(_T("A"), pDocA) != NULL);
    ASSERT_TRUE(AddChild(_T("B"), pDocB) != NULL);
    OpenDialog();
    Select({1});
    Click(IDC_ORX_WINDOWS_SAVE);
    EXPECT_EQ(0, pDocA->m_nSaves);
    EXPECT_EQ(1, pDocB->m_nSaves);
    EXPECT_STREQ(_T("C:\\b.doc"), pDocB->m_strSavedTo);
}

// The animation setting as the stand-in keeps it, and every change made to it.
int g_nMinAnimate = 1;
std::vector<int> g_animationChanges;
BOOL WINAPI RecordAnimation(UINT uiAction, UINT, PVOID pvParam, UINT)
{
    ANIMATIONINFO* pInfo = (ANIMATIONINFO*)pvParam;
    if (uiAction == SPI_GETANIMATION)
        pInfo->iMinAnimate = g_nMinAnimate;
    else if (uiAction == SPI_SETANIMATION)
    {
        g_nMinAnimate = pInfo->iMinAnimate;
        g_animationChanges.push_back(pInfo->iMinAnimate);
    }
    return TRUE;
}

TEST_F(WindowsDialog, ArrangingRestoresTheAnimationSetting)
{
    CORXWindowsDlg::PFN_SPI pfnOld = CORXWindowsDlg::m_pfnSystemParametersInfo;
    CORXWindowsDlg::m_pfnSystemParametersInfo = RecordAnimation;
    g_nMinAnimate = 1;
    g_animationChanges.clear();
    CORXMDIChildWnd* pA = AddChild(_T("A"));
    CORXMDIChildWnd* pB = AddChild(_T("B"));
    CORXMDIChildWnd* pC = AddChild(_T("C"));
    ASSERT_TRUE(pA != NULL && pB != NULL && pC != NULL);
    OpenDialog();

    Select({0, 1});
    Click(IDC_ORX_WINDOWS_TILEVERT);
    EXPECT_EQ(std::vector<int>({0, 1}), g_animationChanges) << "off while arranging, then back on";
    EXPECT_TRUE(pC->IsIconic()) << "the unselected window is minimised";
    EXPECT_FALSE(pA->IsIconic());
    Click(IDC_ORX_WINDOWS_CASCADE);
    Select({0});
    Click(IDC_ORX_WINDOWS_MINIMIZE);
    EXPECT_EQ(std::vector<int>({0, 1, 0, 1, 0, 1}), g_animationChanges);
    EXPECT_EQ(1, g_nMinAnimate);
    EXPECT_TRUE(pA->IsIconic());

    // With the animation already off nothing is switched.
    g_nMinAnimate = 0;
    g_animationChanges.clear();
    Select({1, 2});
    Click(IDC_ORX_WINDOWS_TILEHORZ);
    EXPECT_TRUE(g_animationChanges.empty());
    CORXWindowsDlg::m_pfnSystemParametersInfo = pfnOld;
}

class TreeSheet : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), _T("Sheet parent"), WS_POPUP, 0, 0, 100, 100,
                                      NULL, NULL));
        m_pSheet = new CORXPropertySheet(_T("Tree"), &m_parent);
        m_pPage1 = new CORXPropertyPage(kPage1);
        m_pPage2 = new CORXPropertyPage(kPage2);
        m_pPage3 = new CORXPropertyPage(kPage3);
        m_pGeneral = m_pSheet->AddTreeCategory(_T("General"), 0, 1);
        m_pOuter = m_pSheet->AddTreeCategory(_T("Outer"), 2, 3);
        m_pInner = m_pSheet->AddTreeCategory(_T("Inner"), 4, 5, m_pOuter);
        m_pEmpty = m_pSheet->AddTreeCategory(_T("Empty"));
        m_pSheet->AddPageToTree(m_pGeneral, m_pPage1, 10, 11);
        m_pSheet->AddPageToTree(m_pOuter, m_pPage2, 12, 13);
        m_pSheet->AddPageToTree(m_pInner, m_pPage3, 14, 15);
        ASSERT_TRUE(m_pSheet->Create(&m_parent, WS_POPUP | WS_CAPTION));
        ASSERT_TRUE(m_pSheet->m_hwndTree != NULL);
    }
    void TearDown() override
    {
        m_pSheet->DestroyWindow();
        delete m_pSheet;
        delete m_pPage1;
        delete m_pPage2;
        delete m_pPage3;
        m_parent.DestroyWindow();
    }
    HTREEITEM ItemOf(CObject* pData) { return Find(m_pSheet->GetTree().GetRootItem(), (LPARAM)pData); }
    HTREEITEM Find(HTREEITEM h, LPARAM lData)
    {
        for (; h != NULL; h = m_pSheet->GetTree().GetNextSiblingItem(h))
        {
            if (m_pSheet->GetTree().GetItemData(h) == (DWORD_PTR)lData)
                return h;
            HTREEITEM hChild = Find(m_pSheet->GetTree().GetChildItem(h), lData);
            if (hChild != NULL)
                return hChild;
        }
        return NULL;
    }
    void Choose(CObject* pData) { m_pSheet->GetTree().SelectItem(ItemOf(pData)); }
    int DisplayImage(CObject* pData)
    {
        NMTVDISPINFO info = {};
        info.hdr.hwndFrom = m_pSheet->m_hwndTree;
        info.hdr.idFrom = CORXPropertySheet::idTree;
        info.hdr.code = TVN_GETDISPINFO;
        info.item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        info.item.hItem = ItemOf(pData);
        info.item.lParam = (LPARAM)pData;
        m_pSheet->SendMessage(WM_NOTIFY, CORXPropertySheet::idTree, (LPARAM)&info);
        return info.item.iImage;
    }

    CWnd m_parent;
    CORXPropertySheet* m_pSheet;
    CORXPropertyPage *m_pPage1, *m_pPage2, *m_pPage3;
    CORXPropSheetCategory *m_pGeneral, *m_pOuter, *m_pInner, *m_pEmpty;
};

TEST_F(TreeSheet, TheChosenPageOrCategoryShowsItsPage)
{
    EXPECT_EQ(0, m_pSheet->GetActiveIndex());
    Choose(m_pPage2);
    EXPECT_EQ(1, m_pSheet->GetActiveIndex());
    EXPECT_FALSE(m_pSheet->m_bIsInSelectTree);
    // A category shows the first page of its innermost first sub-category.
    Choose(m_pOuter);
    EXPECT_EQ(2, m_pSheet->GetActiveIndex());
    Choose(m_pGeneral);
    EXPECT_EQ(0, m_pSheet->GetActiveIndex());
}

TEST_F(TreeSheet, ACategoryWithoutPagesActivatesNothing)
{
    Choose(m_pPage2);
    ASSERT_EQ(1, m_pSheet->GetActiveIndex());
    Choose(m_pEmpty);
    EXPECT_EQ(1, m_pSheet->GetActiveIndex());
    EXPECT_EQ(m_pPage2, m_pSheet->GetActivePage());
}

TEST_F(TreeSheet, ImagesFollowTheActivePageAndTheExpandedCategories)
{
    Choose(m_pPage1);
    EXPECT_EQ(11, DisplayImage(m_pPage1)) << "the active page shows its selected image";
    EXPECT_EQ(12, DisplayImage(m_pPage2));
    m_pSheet->GetTree().Expand(ItemOf(m_pOuter), TVE_COLLAPSE);
    EXPECT_EQ(2, DisplayImage(m_pOuter));
    m_pSheet->GetTree().Expand(ItemOf(m_pOuter), TVE_EXPAND);
    EXPECT_EQ(3, DisplayImage(m_pOuter));
}

class ShortcutSheet : public ::testing::Test
{
protected:
    // Three pages of their own and more than the bar shows at once.
    static constexpr int kPages = 10;
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), _T("Sheet parent"), WS_POPUP, 0, 0, 100, 100,
                                      NULL, NULL));
        m_pSheet = new CORXPropertySheet(_T("Shortcuts"), &m_parent);
        m_pSheet->EnableShortcutBar();
        for (int i = 0; i < kPages; i++)
        {
            m_pages.push_back(new CORXPropertyPage(i < 3 ? kPage1 + i : kPage1));
            m_pSheet->AddPage(m_pages.back());
        }
        ASSERT_TRUE(m_pSheet->Create(&m_parent, WS_POPUP | WS_CAPTION));
        ASSERT_TRUE(Bar().GetSafeHwnd() != NULL);
        DispatchPending();
    }
    void TearDown() override
    {
        m_pSheet->DestroyWindow();
        delete m_pSheet;
        for (CORXPropertyPage* pPage : m_pages)
            delete pPage;
        m_parent.DestroyWindow();
    }
    CORXOutlookBar& Bar() { return m_pSheet->GetShortcutBar(); }
    int ShortcutOf(int iPage) { return Bar().CommandToIndex(CORXPropertySheet::idFirstPageShortcut + iPage); }
    // The pages whose shortcuts are checked.
    std::vector<int> Checked()
    {
        std::vector<int> pages;
        for (int i = 0; i < kPages; i++)
            if (Bar().GetButtonStyle(ShortcutOf(i)) & TBBS_CHECKED)
                pages.push_back(i);
        return pages;
    }
    void Click(int iPage)
    {
        CPoint pt = Bar().GetButton(ShortcutOf(iPage))->Rect().CenterPoint();
        Bar().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        Bar().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        DispatchPending();
    }

    CWnd m_parent;
    CORXPropertySheet* m_pSheet;
    std::vector<CORXPropertyPage*> m_pages;
};

TEST_F(ShortcutSheet, EachPageHasAShortcutAndTheActiveOneIsChecked)
{
    EXPECT_TRUE(m_pSheet->m_hwndTree == NULL);
    ASSERT_EQ((int)kPages, Bar().GetCount());
    EXPECT_EQ(_T("Page one"), Bar().GetButton(ShortcutOf(0))->m_strText);
    EXPECT_EQ(_T("Page three"), Bar().GetButton(ShortcutOf(2))->m_strText);
    EXPECT_EQ(std::vector<int>{0}, Checked());
    EXPECT_EQ(0, m_pSheet->m_nActivePage);
}

TEST_F(ShortcutSheet, AShortcutShowsItsPageAndTheBarFollowsTheSheet)
{
    Click(2);
    EXPECT_EQ(2, m_pSheet->GetActiveIndex());
    EXPECT_EQ(2, m_pSheet->m_nActivePage);
    EXPECT_EQ(std::vector<int>{2}, Checked());
    // Clicking the active page's shortcut keeps it checked.
    Click(2);
    EXPECT_EQ(std::vector<int>{2}, Checked());

    m_pSheet->SetActivePage(1);
    DispatchPending();
    EXPECT_EQ(std::vector<int>{1}, Checked());
    EXPECT_EQ(1, m_pSheet->m_nActivePage);
}

TEST_F(ShortcutSheet, TheActivePagesShortcutIsScrolledIntoView)
{
    ASSERT_TRUE(Bar().CanScrollDown()) << "the shortcuts must not all fit for this test";
    m_pSheet->SetActivePage(kPages - 1);
    DispatchPending();
    CRect rectArea = Bar().GetShortcutArea();
    CRect rectLast = Bar().GetButton(ShortcutOf(kPages - 1))->Rect();
    EXPECT_GT(Bar().GetScrollPos(), 0);
    EXPECT_GE(rectLast.top, rectArea.top);
    EXPECT_LE(rectLast.bottom, rectArea.bottom);

    m_pSheet->SetActivePage(0);
    DispatchPending();
    EXPECT_EQ(0, Bar().GetScrollPos());
    EXPECT_GE(Bar().GetButton(ShortcutOf(0))->Rect().top, rectArea.top);
}

} // namespace
