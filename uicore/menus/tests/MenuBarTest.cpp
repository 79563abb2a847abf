// The menu bar: the frame's menu as top-level buttons, switching between the default menu and a
// template's shared menu, keys on the bar, the state of each kept menu in the registry and which
// menus the bar destroys.
#include <gtest/gtest.h>

#include <vector>

#include "DemoIds.h"
#include "ORXCmdUsage.h"
#include "ORXMenuBar.h"
#include "ORXMenuStore.h"
#include "ORXPopupMenu.h"
#include "ORXToolbarMenuButton.h"
#include "ORXWorkspace.h"
#include "TestSupport.h"
#include "TestWindows.h"

namespace
{
std::vector<CString> Texts(const CORXToolBar& bar)
{
    std::vector<CString> texts;
    for (int i = 0; i < bar.GetCount(); i++)
        texts.push_back(bar.GetButtonText(i));
    return texts;
}

MSG Key(HWND hWnd, UINT nVirtKey)
{
    MSG msg = {};
    msg.hwnd = hWnd;
    msg.message = WM_KEYDOWN;
    msg.wParam = nVirtKey;
    msg.lParam = 1;
    return msg;
}

// A top-level menu with a plain command, a separator and a sub-menu.
HMENU MixedMenu()
{
    HMENU hMenu = ::CreateMenu();
    HMENU hSub = ::CreatePopupMenu();
    ::AppendMenuA(hSub, MF_STRING, ID_DEMO_MENU_FIRST, "&First");
    ::AppendMenuA(hMenu, MF_STRING, ID_DEMO_NEW, "&New");
    ::AppendMenuA(hMenu, MF_SEPARATOR, 0, NULL);
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hSub, "&Items");
    return hMenu;
}

const LPCTSTR kDefaultKey = _T("ORXMenuBar\\ORXToolBar-594180");   // control id, menu 0
const LPCTSTR kTemplateKey = _T("ORXMenuBar\\ORXToolBar-59418cc"); // and IDR_DEMO_MENU

class MenuBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        App().ResetProfile();
        ORXGetCommandUsage().Reset();
        m_pWorkspace = new CORXWorkspace;
        m_pWorkspace->SetRegistryBase(_T("Velmora"));
        m_pFrame = NewFrame();
    }
    void TearDown() override
    {
        if (m_pFrame != NULL)
            m_pFrame->DestroyWindow();
        while (!App().m_templateList.IsEmpty())
            delete (CCmdTarget*)App().m_templateList.RemoveHead();
        CORXMenuStore::RemoveAll();
        delete m_pWorkspace;
    }
    CRecordingFrame* NewFrame()
    {
        CRecordingFrame* pFrame = new CRecordingFrame;
        pFrame->m_bRouteCommands = TRUE;
        EXPECT_TRUE(pFrame->Create(NULL, _T("Menu bar test"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 300),
                                   NULL, MAKEINTRESOURCE(IDR_DEMO_MAINFRAME)));
        return pFrame;
    }
    // The bar on the frame with the frame's menu as its default menu, as the frames attach it.
    void Attach(CORXMenuBar& bar, CFrameWnd* pFrame, UINT uiResId = IDR_DEMO_MAINFRAME)
    {
        ASSERT_TRUE(bar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, ORX_IDW_MENUBAR));
        HMENU hMenu = ::GetMenu(pFrame->m_hWnd);
        ::SetMenu(pFrame->m_hWnd, NULL);
        bar.SetDefaultMenuResId(uiResId);
        bar.CreateFromMenu(hMenu, TRUE);
    }
    CMultiDocTemplate* AddTemplate()
    {
        CMultiDocTemplate* pTemplate = new CMultiDocTemplate(IDR_DEMO_MENU);
        App().AddDocTemplate(pTemplate);
        return pTemplate;
    }

    CORXWorkspace* m_pWorkspace = NULL;
    CRecordingFrame* m_pFrame = NULL;
};
} // namespace

TEST_F(MenuBarTest, TopLevelItemsBecomeMenusCommandsAndSeparatorsAndFollowTheCurrentMenu)
{
    CORXMenuBar bar;
    Attach(bar, m_pFrame);
    EXPECT_TRUE(::GetMenu(m_pFrame->m_hWnd) == NULL);
    EXPECT_EQ(std::vector<CString>({_T("&View"), _T("&Run")}), Texts(bar));
    CORXToolbarMenuButton* pView = DYNAMIC_DOWNCAST(CORXToolbarMenuButton, bar.GetButton(0));
    ASSERT_TRUE(pView != NULL);
    EXPECT_EQ(3, (int)pView->GetCommands().GetCount());
    EXPECT_TRUE(pView->m_bText);
    EXPECT_FALSE(pView->m_bImage);
    HMENU hDefault = bar.GetDefaultMenu();
    EXPECT_EQ(hDefault, bar.GetMenu());

    // Another menu: a plain command stays a text command, a separator stays one.
    HMENU hMixed = MixedMenu();
    bar.CreateFromMenu(hMixed);
    EXPECT_EQ(hMixed, bar.GetMenu());
    EXPECT_EQ(hDefault, bar.GetDefaultMenu());
    ASSERT_EQ(3, bar.GetCount());
    EXPECT_EQ((UINT)ID_DEMO_NEW, bar.GetItemID(0));
    EXPECT_FALSE(bar.GetButton(0)->IsKindOf(RUNTIME_CLASS(CORXToolbarMenuButton)));
    EXPECT_TRUE(bar.GetButton(0)->m_bText);
    EXPECT_TRUE(bar.GetButtonStyle(1) & TBBS_SEPARATOR);
    EXPECT_TRUE(bar.GetButton(2)->IsKindOf(RUNTIME_CLASS(CORXToolbarMenuButton)));

    // The user's change to a menu comes back with it; the same menu again keeps the items.
    ASSERT_TRUE(bar.RemoveButton(0));
    bar.CreateFromMenu(hDefault);
    EXPECT_EQ(2, bar.GetCount());
    bar.CreateFromMenu(hMixed);
    EXPECT_EQ(2, bar.GetCount());
    EXPECT_TRUE(bar.GetButtonStyle(0) & TBBS_SEPARATOR);
    bar.InsertSeparator();
    bar.CreateFromMenu(hMixed);
    EXPECT_EQ(3, bar.GetCount());
    bar.CreateFromMenu(hMixed, FALSE, TRUE); // forced: through the store, nothing lost
    EXPECT_EQ(3, bar.GetCount());
    EXPECT_TRUE(bar.GetButtonStyle(2) & TBBS_SEPARATOR);

    // A command's default text is its text in the default menu.
    CORXToolbarButton button(ID_DEMO_CHANGEBAR, -1);
    EXPECT_TRUE(bar.OnSetDefaultButtonText(&button));
    EXPECT_EQ(CString(_T("&Change Bar")), button.m_strText);
    bar.DestroyWindow(); // the menu it shows goes with the bar
}

TEST_F(MenuBarTest, ATitleWithoutACommandOrItemsTakesTheBarsArrowSetting)
{
    CORXMenuBar bar;
    Attach(bar, m_pFrame);
    HMENU hItems = ::CreatePopupMenu();
    ::AppendMenuA(hItems, MF_STRING, ID_DEMO_MENU_FIRST, "&First");
    for (BOOL bArrows : {FALSE, TRUE})
    {
        bar.m_bMenuButtonArrows = bArrows;
        CORXToolbarMenuButton* pEmpty = new CORXToolbarMenuButton(0, NULL, -1, _T("Empty"));
        CORXToolbarMenuButton* pCommand = new CORXToolbarMenuButton(ID_DEMO_NEW, NULL, -1, _T("New"));
        CORXToolbarMenuButton* pSplit = new CORXToolbarMenuButton(ID_DEMO_OPEN, hItems, -1, _T("Open"));
        ASSERT_GE(bar.InsertButton(pEmpty), 0);
        ASSERT_GE(bar.InsertButton(pCommand), 0);
        ASSERT_GE(bar.InsertButton(pSplit), 0);
        EXPECT_EQ(bArrows, pEmpty->IsDrawDownArrow());
        EXPECT_EQ(bArrows, pCommand->IsDrawDownArrow());
        // A command with items is a split button whatever the setting.
        EXPECT_TRUE(pSplit->IsDrawDownArrow());
        for (int i = 0; i < 3; i++)
            bar.RemoveButton(bar.GetCount() - 1);
    }
    ::DestroyMenu(hItems);
}

TEST_F(MenuBarTest, TheBarDestroysItsDefaultAndCurrentMenusButNoTemplatesSharedMenu)
{
    CMultiDocTemplate* pTemplate = AddTemplate();
    HMENU hShared = pTemplate->m_hMenuShared;
    ASSERT_TRUE(hShared != NULL);
    HMENU hDefault = NULL;
    {
        CORXMenuBar bar;
        Attach(bar, m_pFrame);
        hDefault = bar.GetDefaultMenu();
        bar.CreateFromMenu(hShared); // a template's document is active
        EXPECT_EQ(hShared, bar.GetMenu());
        bar.DestroyWindow();
    }
    EXPECT_FALSE(::IsMenu(hDefault));
    EXPECT_TRUE(::IsMenu(hShared));
    EXPECT_EQ(1, ::GetMenuItemCount(hShared));

    // Any other menu it shows goes with it, and its items leave the store; the default menu too.
    HMENU hOther = MixedMenu();
    {
        CRecordingFrame* pFrame = NewFrame();
        CORXMenuBar bar;
        Attach(bar, pFrame);
        hDefault = bar.GetDefaultMenu();
        bar.CreateFromMenu(hOther);
        bar.CreateFromMenu(hDefault); // the other menu's items are stored
        bar.CreateFromMenu(hOther);
        bar.DestroyWindow();
        pFrame->DestroyWindow();
    }
    EXPECT_FALSE(::IsMenu(hOther));
    EXPECT_FALSE(::IsMenu(hDefault));
    EXPECT_FALSE(CORXMenuStore::IsStored(hOther));
    EXPECT_TRUE(::IsMenu(hShared));

    // Going back to the resource's menu replaces the default menu and destroys the old one only.
    {
        CRecordingFrame* pFrame = NewFrame();
        CORXMenuBar bar;
        Attach(bar, pFrame);
        HMENU hOld = bar.GetDefaultMenu();
        ASSERT_TRUE(bar.RemoveButton(0));
        bar.CreateFromMenu(hShared);
        bar.CreateFromMenu(hOld);
        EXPECT_EQ(1, bar.GetCount());
        EXPECT_TRUE(bar.RestoreOriginalState());
        EXPECT_FALSE(::IsMenu(hOld));
        EXPECT_TRUE(::IsMenu(bar.GetDefaultMenu()));
        EXPECT_EQ(bar.GetDefaultMenu(), bar.GetMenu());
        EXPECT_EQ(bar.GetDefaultMenu(), pFrame->GetDefaultMenu());
        EXPECT_EQ(std::vector<CString>({_T("&View"), _T("&Run")}), Texts(bar));
        // The template got a fresh shared menu from its resource; the bar destroyed the old one.
        EXPECT_FALSE(::IsMenu(hShared));
        hShared = pTemplate->m_hMenuShared;
        EXPECT_TRUE(::IsMenu(hShared));
        bar.DestroyWindow();
        pFrame->DestroyWindow();
    }
    EXPECT_TRUE(::IsMenu(hShared));

    // A later default menu replaces the earlier one, which goes at once.
    CORXMenuBar bar;
    Attach(bar, NewFrame());
    HMENU hFirst = bar.GetDefaultMenu();
    HMENU hSecond = MixedMenu();
    bar.CreateFromMenu(hSecond, TRUE);
    EXPECT_FALSE(::IsMenu(hFirst));
    EXPECT_EQ(hSecond, bar.GetDefaultMenu());
    CWnd* pOther = bar.GetParent();
    bar.DestroyWindow();
    pOther->DestroyWindow();
}

TEST_F(MenuBarTest, KeysMoveTheHighlightWrapDropMenusAndRunCommands)
{
    m_pFrame->ShowWindow(SW_SHOW);
    m_pFrame->SetForegroundWindow();
    CORXMenuBar bar;
    Attach(bar, m_pFrame);
    m_pFrame->RecalcLayout();

    // The menu key gives the bar the keyboard with its first menu highlighted.
    EXPECT_TRUE(bar.OnKeyMenu(0));
    EXPECT_EQ(&bar, CWnd::GetFocus());
    EXPECT_EQ(0, bar.GetHighlightedButtonIndex());
    MSG msg = Key(bar.m_hWnd, VK_RIGHT);
    EXPECT_TRUE(bar.PreTranslateMessage(&msg));
    EXPECT_EQ(1, bar.GetHighlightedButtonIndex());
    EXPECT_TRUE(bar.PreTranslateMessage(&msg));
    EXPECT_EQ(0, bar.GetHighlightedButtonIndex());
    msg = Key(bar.m_hWnd, VK_LEFT);
    EXPECT_TRUE(bar.PreTranslateMessage(&msg));
    EXPECT_EQ(1, bar.GetHighlightedButtonIndex());

    // Down drops the highlighted menu; its first item is highlighted.
    msg = Key(bar.m_hWnd, VK_DOWN);
    EXPECT_TRUE(bar.PreTranslateMessage(&msg));
    int iDropped = -1;
    CORXToolbarMenuButton* pDropped = bar.GetDroppedDownMenu(&iDropped);
    ASSERT_TRUE(pDropped != NULL);
    EXPECT_EQ(1, iDropped);
    ASSERT_TRUE(pDropped->GetPopupMenu() != NULL);
    EXPECT_EQ(0, pDropped->GetPopupMenu()->GetMenuBar()->GetHighlightedButtonIndex());
    // Right in the menu moves on to the next menu, round to the first.
    EXPECT_TRUE(bar.NextMenu());
    PumpPending();
    pDropped = bar.GetDroppedDownMenu(&iDropped);
    ASSERT_TRUE(pDropped != NULL);
    EXPECT_EQ(0, iDropped);
    pDropped->GetPopupMenu()->SendMessage(WM_CLOSE);
    PumpPending();
    EXPECT_TRUE(bar.GetDroppedDownMenu() == NULL);

    // Escape leaves the bar; the menu key while the bar has the keyboard does too.
    bar.SetFocus();
    msg = Key(bar.m_hWnd, VK_ESCAPE);
    EXPECT_TRUE(bar.PreTranslateMessage(&msg));
    EXPECT_EQ(-1, bar.GetHighlightedButtonIndex());
    EXPECT_TRUE(bar.OnKeyMenu(0));
    EXPECT_EQ(&bar, CWnd::GetFocus());
    EXPECT_TRUE(bar.OnKeyMenu(0));
    EXPECT_EQ(-1, bar.GetHighlightedButtonIndex());

    // An access letter drops its menu; an unknown one is left to others.
    EXPECT_TRUE(bar.OnKeyMenu('r'));
    pDropped = bar.GetDroppedDownMenu(&iDropped);
    ASSERT_TRUE(pDropped != NULL);
    EXPECT_EQ(1, iDropped);
    pDropped->GetPopupMenu()->SendMessage(WM_CLOSE);
    PumpPending();
    EXPECT_FALSE(bar.OnKeyMenu('z'));

    // Return on a plain command of the bar runs it.
    HMENU hMixed = MixedMenu();
    bar.CreateFromMenu(hMixed);
    m_pFrame->ClearRecords();
    EXPECT_TRUE(bar.OnKeyMenu(0));
    msg = Key(bar.m_hWnd, VK_RETURN);
    EXPECT_TRUE(bar.PreTranslateMessage(&msg));
    PumpPending();
    EXPECT_EQ(std::vector<UINT>({ID_DEMO_NEW}), m_pFrame->MenuCommands());
    EXPECT_TRUE(bar.GetDroppedDownMenu() == NULL);
    bar.DestroyWindow();
}

namespace
{
// Makes one command basic and turns recently used menus on, so that an unused command of the
// menus is rarely used; takes both back, and the showing of all items, when it goes.
class CRareCommandScope : public CORXToolBar
{
public:
    explicit CRareCommandScope(UINT uiBasic)
        : m_uiBasic(uiBasic), m_bWasBasic(IsBasicCommand(uiBasic)), m_bWasRecentlyUsed(m_bRecentlyUsedMenus)
    {
        if (!m_bWasBasic)
            AddBasicCommand(uiBasic);
        m_bRecentlyUsedMenus = TRUE;
        ORXGetCommandUsage().Reset();
    }
    ~CRareCommandScope()
    {
        POSITION pos = m_lstBasicCommands.Find(m_uiBasic);
        if (!m_bWasBasic && pos != NULL)
            m_lstBasicCommands.RemoveAt(pos);
        m_bRecentlyUsedMenus = m_bWasRecentlyUsed;
        CORXMenuBar::SetShowAllCommands(FALSE);
    }

private:
    UINT m_uiBasic;
    BOOL m_bWasBasic;
    BOOL m_bWasRecentlyUsed;
};

BOOL HasCommand(CORXToolBar* pBar, UINT uiCmd)
{
    for (int i = 0; i < pBar->GetCount(); i++)
        if (pBar->GetItemID(i) == uiCmd)
            return TRUE;
    return FALSE;
}
} // namespace

TEST_F(MenuBarTest, FullMenusLastUntilTheMenuBarsMenuCloses)
{
    CRareCommandScope scope(ID_DEMO_MENU_FIRST); // "Last" of the Run menu is rarely used
    ASSERT_TRUE(CORXToolBar::IsCommandRarelyUsed(ID_DEMO_MENU_LAST));
    m_pFrame->ShowWindow(SW_SHOW);
    m_pFrame->SetForegroundWindow();
    CORXMenuBar bar;
    Attach(bar, m_pFrame);
    m_pFrame->RecalcLayout();
    auto DroppedRunItems = [&]() -> CORXPopupMenuBar* {
        int iDropped = -1;
        CORXToolbarMenuButton* pDropped = bar.GetDroppedDownMenu(&iDropped);
        if (pDropped == NULL || iDropped != 1 || pDropped->GetPopupMenu() == NULL)
            return NULL;
        return pDropped->GetPopupMenu()->GetMenuBar();
    };
    auto CloseRun = [&]() {
        CORXPopupMenuBar* pItems = DroppedRunItems();
        ASSERT_TRUE(pItems != NULL);
        pItems->GetParent()->SendMessage(WM_CLOSE);
        PumpPending();
        EXPECT_TRUE(bar.GetDroppedDownMenu() == NULL);
    };
    auto DoubleClickRun = [&]() {
        CPoint pt = bar.GetButton(1)->Rect().CenterPoint();
        bar.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(pt.x, pt.y));
    };

    // A double click drops the menu with every item; a second one, while it is dropped, too.
    for (int nClick = 0; nClick < 2; nClick++)
    {
        DoubleClickRun();
        CORXPopupMenuBar* pItems = DroppedRunItems();
        ASSERT_TRUE(pItems != NULL);
        EXPECT_TRUE(CORXMenuBar::IsShowAllCommands());
        EXPECT_TRUE(HasCommand(pItems, ID_DEMO_MENU_LAST));
    }
    // Once it closes, the menu's access key drops it with the rarely used item hidden again.
    CloseRun();
    EXPECT_FALSE(CORXMenuBar::IsShowAllCommands());
    EXPECT_TRUE(bar.OnKeyMenu('r'));
    CORXPopupMenuBar* pItems = DroppedRunItems();
    ASSERT_TRUE(pItems != NULL);
    EXPECT_TRUE(HasCommand(pItems, ID_DEMO_MENU_FIRST));
    EXPECT_FALSE(HasCommand(pItems, ID_DEMO_MENU_LAST));

    // The same after the full menu the delay shows.
    pItems->GetParent()->SendMessage(WM_CLOSE);
    PumpPending();
    EXPECT_TRUE(bar.OnKeyMenu('r'));
    pItems = DroppedRunItems();
    ASSERT_TRUE(pItems != NULL);
    DYNAMIC_DOWNCAST(CORXPopupMenu, pItems->GetParent())->ShowAllItems();
    EXPECT_TRUE(CORXMenuBar::IsShowAllCommands());
    EXPECT_TRUE(HasCommand(pItems, ID_DEMO_MENU_LAST));
    CloseRun();
    EXPECT_FALSE(CORXMenuBar::IsShowAllCommands());
    EXPECT_TRUE(bar.OnKeyMenu('r'));
    pItems = DroppedRunItems();
    ASSERT_TRUE(pItems != NULL);
    EXPECT_FALSE(HasCommand(pItems, ID_DEMO_MENU_LAST));
    CloseRun();
    bar.DestroyWindow();
}

TEST_F(MenuBarTest, EachKeptMenuIsSavedUnderItsResourceIdAndDamagedStateGivesTheMenu)
{
    m_pWorkspace->SetAlwaysReset(TRUE);
    CMultiDocTemplate* pTemplate = AddTemplate();
    {
        CORXMenuBar bar;
        Attach(bar, m_pFrame);
        ASSERT_TRUE(bar.RemoveButton(1)); // the default menu without Run
        bar.CreateFromMenu(pTemplate->m_hMenuShared);
        EXPECT_EQ(std::vector<CString>({_T("Demo")}), Texts(bar));
        EXPECT_TRUE(bar.SaveState());
        // The bar shows what it showed before.
        EXPECT_EQ(pTemplate->m_hMenuShared, bar.GetMenu());
        EXPECT_EQ(std::vector<CString>({_T("Demo")}), Texts(bar));
        bar.DestroyWindow();
    }
    DWORD dwType = 0;
    Bytes data;
    EXPECT_TRUE(App().ReadProfileValue(kDefaultKey, _T("Buttons"), dwType, data));
    EXPECT_EQ((DWORD)REG_BINARY, dwType);
    // The kept default menu, one form in every build: the View menu's button, its tear-off id and
    // its three commands (id, style, image, text, then the user-image, dragged-from-collection,
    // text and image words of each), the bar's text labels and name.
    const Bytes kDefaultImage = Image(
        "01 00 | FF FF 01 00 15 00 'CORXToolbarMenuButton' | 00 00 00 00 | 00 00 00 00 | FF FF FF FF |"
        "05 '&View' | 00 00 00 00 | 00 00 00 00 | 01 00 00 00 | 00 00 00 00 | 00 00 00 00 | 03 00 |"
        "01 80 | 64 7D 00 00 | 00 00 00 00 | FF FF FF FF | 0C '&Text Labels' | 00 00 00 00 | 00 00 00 00 |"
        "01 00 00 00 | 00 00 00 00 | 00 00 00 00 | 00 00 |"
        "01 80 | 65 7D 00 00 | 00 00 00 00 | FF FF FF FF | 0C '&Large Icons' | 00 00 00 00 | 00 00 00 00 |"
        "01 00 00 00 | 00 00 00 00 | 00 00 00 00 | 00 00 |"
        "01 80 | 66 7D 00 00 | 00 00 00 00 | FF FF FF FF | 0B '&Change Bar' | 00 00 00 00 | 00 00 00 00 |"
        "01 00 00 00 | 00 00 00 00 | 00 00 00 00 | 00 00 |"
        "00 00 00 00 | 08 'Menu Bar'");
    EXPECT_EQ(Hex(kDefaultImage), Hex(data));
    EXPECT_TRUE(App().ReadProfileValue(kTemplateKey, _T("Buttons"), dwType, data));
    EXPECT_TRUE(App().ReadProfileValue(kDefaultKey, _T("OriginalItems"), dwType, data));

    // Loaded by a new bar from a fixed image: the saved default menu; the owner gets no reset
    // message for it.
    ASSERT_TRUE(App().WriteProfileValue(kDefaultKey, _T("Buttons"), REG_BINARY, kDefaultImage));
    m_pFrame->DestroyWindow();
    m_pFrame = NewFrame();
    {
        CORXMenuBar bar;
        Attach(bar, m_pFrame);
        m_pFrame->ClearRecords();
        EXPECT_TRUE(bar.LoadState());
        EXPECT_EQ(std::vector<CString>({_T("&View")}), Texts(bar));
        EXPECT_TRUE(m_pFrame->Registered().empty());
        bar.DestroyWindow();
    }

    // A damaged value gives the menu's own items, and the owner is told to reset that menu.
    Bytes damaged = {0x01, 0x00, 0xFF, 0xFF, 0x7F, 0x00, 0x13};
    ASSERT_TRUE(App().WriteProfileValue(kDefaultKey, _T("Buttons"), REG_BINARY, damaged));
    m_pFrame->DestroyWindow();
    m_pFrame = NewFrame();
    CORXMenuBar bar;
    Attach(bar, m_pFrame);
    m_pFrame->ClearRecords();
    EXPECT_TRUE(bar.LoadState());
    EXPECT_EQ(std::vector<CString>({_T("&View"), _T("&Run")}), Texts(bar));
    typedef std::vector<std::pair<UINT, WPARAM>> Registered;
    EXPECT_EQ(Registered(1, std::make_pair(ORX_WM_TOOLBAR_RESETMENU, (WPARAM)IDR_DEMO_MAINFRAME)),
              m_pFrame->Registered());
    bar.DestroyWindow();
}

TEST_F(MenuBarTest, ATemplatesSavedMenuIsLoadedBeforeAnyOfItsDocumentsHasShownIt)
{
    CMultiDocTemplate* pTemplate = AddTemplate();
    {
        CORXMenuBar bar;
        Attach(bar, m_pFrame);
        bar.CreateFromMenu(pTemplate->m_hMenuShared);
        bar.InsertSeparator();
        ASSERT_EQ(2, bar.GetCount());
        EXPECT_TRUE(bar.SaveState());
        bar.DestroyWindow();
    }
    // A new start: no menu has been shown, so the store holds none.
    CORXMenuStore::RemoveAll();
    m_pFrame->DestroyWindow();
    m_pFrame = NewFrame();
    CORXMenuBar bar;
    Attach(bar, m_pFrame);
    m_pFrame->ClearRecords();
    EXPECT_TRUE(bar.LoadState());
    EXPECT_TRUE(m_pFrame->Registered().empty()); // nothing to reset
    // The first document of the template shows the user's arrangement, which the next save keeps.
    bar.CreateFromMenu(pTemplate->m_hMenuShared);
    EXPECT_EQ(2, bar.GetCount());
    bar.DestroyWindow();
}

TEST_F(MenuBarTest, AKeptMenuWhoseResourceChangedSinceItWasSavedStartsAfresh)
{
    typedef std::vector<std::pair<UINT, WPARAM>> Registered;
    m_pWorkspace->SetAlwaysReset(TRUE);
    // Each bar takes its frame's menu: the next one comes with a frame of its own.
    auto NextFrame = [&]() {
        m_pFrame->DestroyWindow();
        m_pFrame = NewFrame();
    };
    auto SaveWithResource = [&](UINT uiResId) {
        CORXMenuBar bar;
        Attach(bar, m_pFrame, uiResId);
        EXPECT_TRUE(bar.RemoveButton(1)); // without Run
        EXPECT_TRUE(bar.SaveState());
        bar.DestroyWindow();
        NextFrame();
    };

    // Saved when the default menu was another resource: the menu's own items, and the owner is
    // told to reset it; the workspace hears that the bar differed.
    SaveWithResource(IDR_DEMO_MENU);
    {
        CORXMenuBar bar;
        Attach(bar, m_pFrame);
        m_pFrame->ClearRecords();
        EXPECT_TRUE(bar.LoadState());
        EXPECT_EQ(std::vector<CString>({_T("&View"), _T("&Run")}), Texts(bar));
        EXPECT_EQ(Registered(1, std::make_pair(ORX_WM_TOOLBAR_RESETMENU, (WPARAM)IDR_DEMO_MAINFRAME)),
                  m_pFrame->Registered());
        EXPECT_TRUE(bar.IsModifiedFromOriginal());
        bar.DestroyWindow();
    }

    // Saved with this resource: the user's items come back.
    NextFrame();
    SaveWithResource(IDR_DEMO_MAINFRAME);
    CORXMenuBar bar;
    Attach(bar, m_pFrame);
    m_pFrame->ClearRecords();
    EXPECT_TRUE(bar.LoadState());
    EXPECT_EQ(std::vector<CString>({_T("&View")}), Texts(bar));
    EXPECT_TRUE(m_pFrame->Registered().empty());
    EXPECT_FALSE(bar.IsModifiedFromOriginal());
    bar.DestroyWindow();
}

TEST_F(MenuBarTest, WithoutADefaultResourceIdTheOwnerHearsTheFrameworkMessageThenTheReset)
{
    CORXMenuBar bar;
    Attach(bar, m_pFrame, 0);
    m_pFrame->ClearRecords();
    EXPECT_TRUE(bar.LoadState());
    EXPECT_EQ(std::vector<CString>({_T("&View"), _T("&Run")}), Texts(bar));
    // In this order, and once each.
    std::vector<std::pair<UINT, WPARAM>> heard;
    for (const auto& message : m_pFrame->m_messages)
        if (message.first == 0x366 || message.first == ORX_WM_TOOLBAR_RESETMENU)
            heard.push_back(message);
    EXPECT_EQ((std::vector<std::pair<UINT, WPARAM>>{{0x366, 0}, {ORX_WM_TOOLBAR_RESETMENU, 0}}), heard);
    bar.DestroyWindow();
}

TEST_F(MenuBarTest, TheDragHookFollowsOneBarAndKeepsTheDroppedBarOnTheWorkArea)
{
    m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
    CORXMenuBar first;
    CORXMenuBar* pFirst = &first;
    Attach(first, m_pFrame);
    pFirst->EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->DockControlBar(pFirst);
    CORXMenuBar second;
    ASSERT_TRUE(second.Create(m_pFrame, WS_CHILD | CBRS_TOP, ORX_IDW_MENUBAR + 1));

    // One hook at a time; the bar it follows is the last that asked, and only that bar removes it.
    pFirst->SetDragHook(TRUE);
    second.SetDragHook(TRUE);
    EXPECT_TRUE(CORXMenuBar::IsDragHookSet());
    EXPECT_EQ(&second, CORXMenuBar::GetDraggedMenuBar());
    pFirst->SetDragHook(FALSE);
    EXPECT_TRUE(CORXMenuBar::IsDragHookSet());
    second.SetDragHook(FALSE);
    EXPECT_FALSE(CORXMenuBar::IsDragHookSet());

    // The button comes up while the bar is dragged with its floating frame above and left of the
    // work area: the frame's rectangles are brought onto it and the hook goes.
    CRect rectWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rectWork, 0);
    ASSERT_NE((CDockContext*)NULL, pFirst->m_pDockContext);
    CDockContext* pContext = pFirst->m_pDockContext;
    pFirst->SetDragHook(TRUE);
    pContext->m_bDragging = TRUE;
    pContext->m_rectFrameDragHorz =
        CRect(rectWork.left - 50, rectWork.top - 30, rectWork.left + 150, rectWork.top);
    pContext->m_rectFrameDragVert =
        CRect(rectWork.left + 10, rectWork.top + 20, rectWork.left + 40, rectWork.top + 200);
    MOUSEHOOKSTRUCT mhs = {};
    CORXMenuBar::MenuBarDragHookProc(HC_ACTION, WM_MOUSEMOVE, (LPARAM)&mhs);
    EXPECT_TRUE(CORXMenuBar::IsDragHookSet()); // a move is not the drop
    CORXMenuBar::MenuBarDragHookProc(HC_ACTION, WM_LBUTTONUP, (LPARAM)&mhs);
    EXPECT_FALSE(CORXMenuBar::IsDragHookSet());
    EXPECT_EQ(CRect(rectWork.left, rectWork.top, rectWork.left + 200, rectWork.top + 30),
              pContext->m_rectFrameDragHorz);
    EXPECT_EQ(CRect(rectWork.left + 10, rectWork.top + 20, rectWork.left + 40, rectWork.top + 200),
              pContext->m_rectFrameDragVert);
    pContext->m_bDragging = FALSE;

    // A bar that goes while its hook is set takes the hook with it.
    {
        CORXMenuBar third;
        ASSERT_TRUE(third.Create(m_pFrame, WS_CHILD | CBRS_TOP, ORX_IDW_MENUBAR + 2));
        third.SetDragHook(TRUE);
    }
    EXPECT_FALSE(CORXMenuBar::IsDragHookSet());
}

namespace
{
// An MDI frame with the bar and one child of the template, whose menu the frame shows.
class MDIMenuBarTest : public MenuBarTest
{
protected:
    void SetUp() override
    {
        MenuBarTest::SetUp();
        m_pTemplate = AddTemplate();
        m_pMDIFrame = new CMDIFrameWnd;
        ASSERT_TRUE(m_pMDIFrame->Create(NULL, _T("MDI menu bar test"), WS_OVERLAPPEDWINDOW,
                                        CRect(0, 0, 600, 300), NULL, MAKEINTRESOURCE(IDR_DEMO_MAINFRAME)));
        Attach(m_bar, m_pMDIFrame);
        m_pChild = AddChild();
        ASSERT_TRUE(m_pChild != NULL);
    }
    void TearDown() override
    {
        m_bar.DestroyWindow();
        m_pMDIFrame->DestroyWindow();
        MenuBarTest::TearDown();
    }
    CMDIChildWnd* AddChild()
    {
        CCreateContext context;
        context.m_pNewDocTemplate = m_pTemplate;
        CMDIChildWnd* pChild = new CMDIChildWnd;
        if (!pChild->LoadFrame(IDR_DEMO_MENU, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, m_pMDIFrame,
                               &context))
            return NULL;
        return pChild;
    }

    CMultiDocTemplate* m_pTemplate = NULL;
    CMDIFrameWnd* m_pMDIFrame = NULL;
    CORXMenuBar m_bar;
    CMDIChildWnd* m_pChild = NULL;
};
} // namespace

TEST_F(MDIMenuBarTest, ResettingHandsTheTemplatesNewMenuToItsOpenChildren)
{
    CMDIChildWnd* pSecond = AddChild();
    ASSERT_TRUE(pSecond != NULL);
    HMENU hOld = m_pTemplate->m_hMenuShared;
    ASSERT_EQ(hOld, m_pChild->m_hMenuShared);
    m_bar.CreateFromMenu(hOld);

    EXPECT_TRUE(m_bar.RestoreOriginalState());
    HMENU hNew = m_pTemplate->m_hMenuShared;
    ASSERT_NE(hOld, hNew);
    EXPECT_FALSE(::IsMenu(hOld));
    for (CMDIChildWnd* pChild : {m_pChild, pSecond})
    {
        EXPECT_EQ(hNew, pChild->m_hMenuShared);
        EXPECT_EQ(m_pTemplate->m_hAccelTable, pChild->m_hAccelTable);
    }
    EXPECT_EQ(hNew, m_bar.GetMenu());

    // Activating a child afterwards puts up a live menu.
    m_pMDIFrame->MDIActivate(m_pChild);
    m_pMDIFrame->MDIActivate(pSecond);
    HMENU hShown = ::GetMenu(m_pMDIFrame->m_hWnd);
    EXPECT_EQ(hNew, hShown);
    EXPECT_TRUE(::IsMenu(hShown));
}

TEST_F(MDIMenuBarTest, DoubleClickOnTheSystemMenuButtonClosesTheActiveChildUnlessItCannotClose)
{
    m_pMDIFrame->MDIMaximize(m_pChild);
    m_bar.SetMaximizeMode(TRUE, m_pChild);
    auto DoubleClickSystemButton = [&]() {
        int iSystem = -1;
        for (int i = 0; i < m_bar.GetCount() && iSystem < 0; i++)
            if (m_bar.GetButton(i)->IsKindOf(RUNTIME_CLASS(CORXToolbarSystemMenuButton)))
                iSystem = i;
        ASSERT_GE(iSystem, 0);
        CRect rect = m_bar.GetButton(iSystem)->Rect();
        m_bar.SendMessage(WM_LBUTTONDBLCLK, 0, MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y));
    };

    // A child whose close item is greyed stays.
    HWND hChild = m_pChild->m_hWnd;
    HMENU hSysMenu = ::GetSystemMenu(hChild, FALSE);
    ASSERT_TRUE(hSysMenu != NULL);
    ::EnableMenuItem(hSysMenu, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    DoubleClickSystemButton();
    EXPECT_TRUE(::IsWindow(hChild));
    EXPECT_EQ(m_pChild, m_pMDIFrame->MDIGetActive());

    ::EnableMenuItem(hSysMenu, SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);
    DoubleClickSystemButton();
    EXPECT_FALSE(::IsWindow(hChild));
    EXPECT_EQ(NULL, m_pMDIFrame->MDIGetActive());
    EXPECT_EQ(NULL, CORXPopupMenu::GetActiveMenu());
}
