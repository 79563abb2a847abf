// The keyboard and menu customise pages on a frame of their own, the command categories built from
// a menu, and the view double click.
#include <gtest/gtest.h>

#include <vector>

#include "DemoIds.h"
#include "ORXContextMenuManager.h"
#include "ORXKeyboardManager.h"
#include "ORXKeyboardPage.h"
#include "ORXMenuBar.h"
#include "ORXMenuPage.h"
#include "ORXMenuStore.h"
#include "ORXMouseManager.h"
#include "ORXPopupMenu.h"
#include "ORXToolBar.h"
#include "ORXToolbarButton.h"
#include "ORXWorkspace.h"
#include "TestKeyboard.h"
#include "TestSupport.h"
#include "TestWindows.h"

namespace
{
std::vector<UINT> Commands(const CObList* pList)
{
    std::vector<UINT> ids;
    for (POSITION pos = pList->GetHeadPosition(); pos != NULL;)
        ids.push_back(((CORXToolbarButton*)pList->GetNext(pos))->m_nID);
    return ids;
}

int g_nBeeps = 0;
BOOL WINAPI CountBeep(UINT)
{
    g_nBeeps++;
    return TRUE;
}

class PagesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pWorkspace = new CORXWorkspace;
        m_pFrame = new CRecordingFrame;
        ASSERT_TRUE(m_pFrame->Create(NULL, _T("Pages test"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 300), NULL,
                                     MAKEINTRESOURCE(IDR_DEMO_MAINFRAME)));
        HACCEL hResource = ::LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_DEMO_PAGES_KEYS));
        std::vector<ACCEL> records = AccelRecords(hResource);
        ASSERT_EQ(2u, records.size());
        ASSERT_TRUE(CORXKeyboardManager::InstallTable(
            m_pFrame, ::CreateAcceleratorTableA(records.data(), (int)records.size())));
        m_pFrame->m_nIDHelp = IDR_DEMO_PAGES_KEYS;
        m_nAnimation = CORXPopupMenu::GetAnimationType();
        m_bShadows = CORXPopupMenu::AreMenuShadowsEnabled();
    }
    void TearDown() override
    {
        if (m_sheet.GetSafeHwnd() != NULL)
            m_sheet.DestroyWindow();
        if (m_pFrame != NULL)
            m_pFrame->DestroyWindow();
        PumpPending();
        CORXMenuStore::RemoveAll();
        CORXPopupMenu::SetAnimationType(m_nAnimation);
        CORXPopupMenu::EnableMenuShadows(m_bShadows);
        delete m_pWorkspace;
    }
    // The page in a sheet of its own, as the customise dialog holds it.
    void Open(CPropertyPage& page)
    {
        m_sheet.AddPage(&page);
        ASSERT_TRUE(m_sheet.Create(m_pFrame, WS_CHILD | WS_VISIBLE, 0));
        ASSERT_NE((HWND)NULL, page.GetSafeHwnd());
    }
    void Choose(CWnd& page, int nId, int iItem)
    {
        page.SendDlgItemMessage(nId, CB_SETCURSEL, iItem);
        page.SendMessage(WM_COMMAND, MAKEWPARAM(nId, CBN_SELCHANGE), (LPARAM)page.GetDlgItem(nId)->m_hWnd);
    }
    BOOL Enabled(CWnd& page, int nId) { return page.GetDlgItem(nId)->IsWindowEnabled(); }

    CORXWorkspace* m_pWorkspace = NULL;
    CRecordingFrame* m_pFrame = NULL;
    CPropertySheet m_sheet;
    int m_nAnimation = 0;
    BOOL m_bShadows = TRUE;
};
} // namespace

TEST(MenuCategories, EachTopLevelMenuIsACategoryOfItsRealCommandsAndAllCommandsComeLast)
{
    HMENU hMenu = ::CreateMenu();
    HMENU hFile = ::CreatePopupMenu();
    HMENU hRecent = ::CreatePopupMenu();
    HMENU hEmpty = ::CreatePopupMenu();
    HMENU hEdit = ::CreatePopupMenu();
    ::AppendMenuA(hFile, MF_STRING, 100, "&New\tCtrl+N");
    ::AppendMenuA(hFile, MF_SEPARATOR, 0, NULL);
    ::AppendMenuA(hRecent, MF_STRING, 101, "&Open");
    ::AppendMenuA(hFile, MF_POPUP, (UINT_PTR)hRecent, "&Recent");
    ::AppendMenuA(hFile, MF_STRING, 102, "Save && E&xit");
    ::AppendMenuA(hEmpty, MF_SEPARATOR, 0, NULL);
    ::AppendMenuA(hEmpty, MF_STRING, 104, "Withheld");
    ::AppendMenuA(hEdit, MF_STRING, 103, "&Copy");
    ::AppendMenuA(hEdit, MF_STRING, 100, "New again");
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hFile, "&File");
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hEmpty, "E&mpty");
    ::AppendMenuA(hMenu, MF_STRING, 105, "&Top command");
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hEdit, "&Edit");
    CList<UINT, UINT> lstWithheld;
    lstWithheld.AddTail(104);
    CORXToolBar::SetNonPermittedCommands(lstWithheld);

    CORXMenuCategories categories;
    categories.Build(hMenu);
    ASSERT_EQ(4, categories.GetCount());
    EXPECT_EQ(CString("File"), categories.GetName(0));
    EXPECT_EQ(CString("Empty"), categories.GetName(1));
    EXPECT_EQ(CString("Edit"), categories.GetName(2));
    EXPECT_EQ(CString("All Commands"), categories.GetName(3));
    EXPECT_EQ((std::vector<UINT>{100, 101, 102}), Commands(categories.GetButtons(0)));
    EXPECT_TRUE(categories.GetButtons(1)->IsEmpty());
    EXPECT_EQ((std::vector<UINT>{103, 100}), Commands(categories.GetButtons(2)));
    EXPECT_EQ((std::vector<UINT>{100, 101, 102, 103}), Commands(categories.GetButtons(3)));
    // The first text a command has is its name, without access keys and key texts.
    CORXToolbarButton* pNew = (CORXToolbarButton*)categories.GetButtons(2)->GetTail();
    EXPECT_EQ(CString("New"), pNew->m_strText);
    EXPECT_EQ(CString("Save & Exit"), ((CORXToolbarButton*)categories.GetButtons(0)->GetTail())->m_strText);

    // A rebuild replaces the categories; an empty category is only listed when asked for.
    categories.Build(hMenu);
    EXPECT_EQ(4, categories.GetCount());
    CRecordingFrame* pHost = new CRecordingFrame;
    ASSERT_TRUE(pHost->Create(NULL, _T("Combo host"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 200)));
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(0, 0, 100, 100), pHost, 1));
    EXPECT_EQ(3, categories.FillComboBox(combo, FALSE));
    ASSERT_EQ(3, combo.GetCount());
    CString strLast;
    combo.GetLBText(2, strLast);
    EXPECT_EQ(CString("All Commands"), strLast);
    EXPECT_EQ(categories.GetButtons(3), combo.GetItemDataPtr(2));
    pHost->DestroyWindow();

    lstWithheld.RemoveAll();
    CORXToolBar::SetNonPermittedCommands(lstWithheld);
    ::DestroyMenu(hMenu);
}

TEST_F(PagesTest, KeyboardPageAssignsRemovesAndResetsTheFramesTable)
{
    CORXKeyboardManager manager;
    CORXKeyboardPage page(m_pFrame);
    Open(page);
    EXPECT_TRUE(Enabled(page, 16647));
    // The frame's menu: View, Run and all commands.
    ASSERT_EQ(3, page.GetCategoryCount());
    page.SelectCategory(1);
    ASSERT_EQ(2, page.GetCommandCount());
    page.SelectCommand(1);
    ASSERT_EQ((UINT)ID_DEMO_MENU_LAST, page.GetSelectedCommand());
    ASSERT_EQ(1, page.GetCurrentKeyCount());
    EXPECT_EQ(CORXKeyboardManager::FormatAccel(ACCEL{FVIRTKEY, VK_F5, 0}), page.GetCurrentKey(0));

    // The tool tips' cached copy of the old table must not outlive it.
    CString strKey;
    EXPECT_TRUE(CORXKeyboardManager::FindDefaultAccelerator(ID_DEMO_MENU_FIRST, strKey, m_pFrame, TRUE));

    // Ctrl+F was First's: it moves to Last, and First has no key any more.
    ACCEL ctrlF = {FVIRTKEY | FCONTROL, 'F', 0};
    HACCEL hBefore = m_pFrame->m_hAccelTable;
    ASSERT_TRUE(page.AssignKey(ctrlF));
    EXPECT_NE(hBefore, m_pFrame->m_hAccelTable);
    EXPECT_EQ(ID_DEMO_MENU_LAST, page.FindKeyCommand(ctrlF));
    EXPECT_EQ(2, page.GetCurrentKeyCount());
    EXPECT_FALSE(CORXKeyboardManager::FindDefaultAccelerator(ID_DEMO_MENU_FIRST, strKey, m_pFrame, TRUE));
    EXPECT_TRUE(strKey.IsEmpty());
    ACCEL ctrlShiftK = {FVIRTKEY | FCONTROL | FSHIFT, 'K', 0};
    ASSERT_TRUE(page.AssignKey(ctrlShiftK));
    std::vector<ACCEL> records = AccelRecords(m_pFrame->m_hAccelTable);
    ASSERT_EQ(3u, records.size());
    for (const ACCEL& a : records)
        EXPECT_EQ(ID_DEMO_MENU_LAST, a.cmd);
    EXPECT_TRUE(CORXKeyboardManager::FindDefaultAccelerator(ID_DEMO_MENU_LAST, strKey, m_pFrame, TRUE));

    // No key, or no command, assigns nothing.
    EXPECT_FALSE(page.AssignKey(ACCEL{FVIRTKEY, 0, 0}));

    // Remove takes the selected key out of the table.
    page.SendDlgItemMessage(16643, LB_SETCURSEL, 0);
    CString strRemoved = page.GetCurrentKey(0);
    ASSERT_TRUE(page.RemoveSelectedKey());
    EXPECT_EQ(2, page.GetCurrentKeyCount());
    EXPECT_NE(strRemoved, page.GetCurrentKey(0));
    EXPECT_NE(strRemoved, page.GetCurrentKey(1));
    EXPECT_EQ(2u, AccelRecords(m_pFrame->m_hAccelTable).size());
    EXPECT_FALSE(page.RemoveSelectedKey()); // nothing selected any more

    // Reset All: the resource's table, and the frame hears of it.
    page.ResetAllKeys();
    EXPECT_EQ(1u, m_pFrame->ParamsOf(ORX_WM_TOOLBAR_RESETKEYBOARD).size());
    records = AccelRecords(m_pFrame->m_hAccelTable);
    ASSERT_EQ(2u, records.size());
    EXPECT_EQ(ID_DEMO_MENU_FIRST, page.FindKeyCommand(ctrlF));
    EXPECT_EQ(0u, page.FindKeyCommand(ctrlShiftK));
    EXPECT_TRUE(CORXKeyboardManager::FindDefaultAccelerator(ID_DEMO_MENU_FIRST, strKey, m_pFrame, TRUE));
}

namespace
{
// A customise sheet with one category of its own, and one left empty.
class CCategoriesSheet : public CPropertySheet, public CORXCustomizeSheet
{
public:
    CObList m_lstEmpty;
    CObList m_lstOwn;
    BOOL m_bAddEmptyAsked = TRUE;
    CCategoriesSheet() { m_lstOwn.AddTail(new CORXToolbarButton(ID_DEMO_ALARM, -1, _T("Alarm"))); }
    ~CCategoriesSheet()
    {
        while (!m_lstOwn.IsEmpty())
            delete m_lstOwn.RemoveHead();
    }
    virtual void ShowToolBar(CORXToolBar*, BOOL) {}
    virtual BOOL FillCategoriesComboBox(CComboBox& wndCategory, BOOL bAddEmpty)
    {
        m_bAddEmptyAsked = bAddEmpty;
        wndCategory.SetItemDataPtr(wndCategory.AddString(_T("Own")), &m_lstOwn);
        return TRUE;
    }
};
} // namespace

TEST_F(PagesTest, KeyboardPageTakesTheCategoriesOfTheSheetThatHoldsIt)
{
    CCategoriesSheet sheet;
    CORXKeyboardPage page(m_pFrame);
    sheet.AddPage(&page);
    ASSERT_TRUE(sheet.Create(m_pFrame, WS_CHILD | WS_VISIBLE, 0));
    EXPECT_FALSE(sheet.m_bAddEmptyAsked);
    ASSERT_EQ(1, page.GetCategoryCount());
    ASSERT_EQ(1, page.GetCommandCount());
    page.SelectCommand(0);
    EXPECT_EQ((UINT)ID_DEMO_ALARM, page.GetSelectedCommand());
    sheet.DestroyWindow();
}

TEST_F(PagesTest, AssigningOverTheResourcesTableLeavesThatTableToItsOtherUsers)
{
    CORXKeyboardManager manager;
    ::DestroyAcceleratorTable(m_pFrame->m_hAccelTable);
    m_pFrame->m_hAccelTable = NULL;
    ASSERT_TRUE(m_pFrame->LoadAccelTable(MAKEINTRESOURCE(IDR_DEMO_PAGES_KEYS)));
    HACCEL hResource = m_pFrame->m_hAccelTable;
    CORXKeyboardPage page(m_pFrame);
    Open(page);
    page.SelectCategory(0);
    page.SelectCommand(0);
    ASSERT_TRUE(page.AssignKey(ACCEL{FVIRTKEY | FALT, 'Q', 0}));
    EXPECT_TRUE(m_pFrame->m_bAccelTableBuilt);
    EXPECT_EQ(2u, AccelRecords(hResource).size());
    EXPECT_EQ(3u, AccelRecords(m_pFrame->m_hAccelTable).size());
    // Reset All copies the resource's table again, which is still there to copy.
    page.ResetAllKeys();
    EXPECT_EQ(2u, AccelRecords(m_pFrame->m_hAccelTable).size());
}

TEST_F(PagesTest, ATemplatesTableIsATargetOfItsOwnThatItsFramesFollowAndTheManagerKeeps)
{
    CTestWinApp& app = App();
    app.ResetProfile();
    m_pWorkspace->SetRegistryBase(_T("Velmora"));
    CORXKeyboardManager manager;
    CMultiDocTemplate* pTemplate = new CMultiDocTemplate(IDR_DEMO_PAGES_KEYS);
    app.AddDocTemplate(pTemplate);
    ASSERT_NE((HACCEL)NULL, pTemplate->m_hAccelTable);
    CRecordingFrame* pChild = new CRecordingFrame;
    ASSERT_TRUE(pChild->Create(NULL, _T("Document"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100)));
    pChild->m_hAccelTable = pTemplate->m_hAccelTable;
    HACCEL hFrameTable = m_pFrame->m_hAccelTable;
    {
        CORXKeyboardPage page(m_pFrame);
        Open(page);
        // The template first, by its document name (its id without one), then the frame, chosen.
        ASSERT_EQ(2, (int)page.SendDlgItemMessage(16642, CB_GETCOUNT));
        EXPECT_EQ(1, (int)page.SendDlgItemMessage(16642, CB_GETCURSEL));
        Choose(page, 16642, 0);
        page.SelectCategory(1);
        page.SelectCommand(1);
        ASSERT_TRUE(page.AssignKey(ACCEL{FVIRTKEY | FCONTROL | FSHIFT, 'K', 0}));
        m_sheet.DestroyWindow();
    }
    EXPECT_EQ(3u, AccelRecords(pTemplate->m_hAccelTable).size());
    EXPECT_EQ(pTemplate->m_hAccelTable, pChild->m_hAccelTable);
    EXPECT_EQ(hFrameTable, m_pFrame->m_hAccelTable);

    // Saved under the template's id, reset from its resource, loaded again.
    ASSERT_TRUE(manager.SaveState(NULL, m_pFrame));
    manager.ResetAll(m_pFrame);
    EXPECT_EQ(2u, AccelRecords(pTemplate->m_hAccelTable).size());
    EXPECT_EQ(pTemplate->m_hAccelTable, pChild->m_hAccelTable);
    ASSERT_TRUE(manager.LoadState(NULL, m_pFrame));
    EXPECT_EQ(3u, AccelRecords(pTemplate->m_hAccelTable).size());
    EXPECT_EQ(pTemplate->m_hAccelTable, pChild->m_hAccelTable);

    pChild->m_hAccelTable = NULL;
    pChild->DestroyWindow();
    while (!app.m_templateList.IsEmpty())
        delete (CCmdTarget*)app.m_templateList.RemoveHead();
}

TEST_F(PagesTest, KeyboardPageWithoutATableHasNoTargetAndAssignsNothing)
{
    ::DestroyAcceleratorTable(m_pFrame->m_hAccelTable);
    m_pFrame->m_hAccelTable = NULL;
    CORXKeyboardPage page(m_pFrame);
    Open(page);
    EXPECT_EQ(0, (int)page.SendDlgItemMessage(16642, CB_GETCOUNT));
    page.SelectCategory(0);
    page.SelectCommand(0);
    EXPECT_FALSE(page.AssignKey(ACCEL{FVIRTKEY | FCONTROL, 'Q', 0}));
    EXPECT_EQ((HACCEL)NULL, m_pFrame->m_hAccelTable);
    EXPECT_FALSE(Enabled(page, 16645));
    EXPECT_FALSE(Enabled(page, 16647));
}

TEST_F(PagesTest, MenuPageWithoutAMenuBarDisablesTheFrameMenusAndWritesItsSettingsBackOnClose)
{
    CORXPopupMenu::SetAnimationType(CORXPopupMenu::UNFOLD);
    CORXPopupMenu::EnableMenuShadows(TRUE);
    CORXContextMenuManager contextMenus;
    ASSERT_TRUE(contextMenus.AddMenu(_T("Demo"), IDR_DEMO_MENU));
    CORXMenuPage page(m_pFrame);
    Open(page);
    EXPECT_EQ((CORXMenuBar*)NULL, page.GetMenuBar());
    EXPECT_FALSE(Enabled(page, 16621));
    EXPECT_FALSE(Enabled(page, 16624));
    CString strText;
    page.GetDlgItemText(16506, strText);
    EXPECT_EQ(CString("Can't customize menues!"), strText);

    // The dashes first and selected, then the manager's menus; no preview yet.
    CComboBox* pContexts = (CComboBox*)page.GetDlgItem(16622);
    ASSERT_EQ(2, pContexts->GetCount());
    EXPECT_EQ(0, pContexts->GetCurSel());
    EXPECT_FALSE(Enabled(page, 16623));
    EXPECT_EQ(CORXPopupMenu::UNFOLD, (int)page.SendDlgItemMessage(16625, CB_GETCURSEL));

    // A context menu opens as a captioned preview; the dashes close it.
    Choose(page, 16622, 1);
    CORXPopupMenu* pPreview = page.GetContextMenu();
    ASSERT_NE((CORXPopupMenu*)NULL, pPreview);
    EXPECT_TRUE(pPreview->GetStyle() & WS_CAPTION);
    EXPECT_EQ(&page, pPreview->GetEditPage());
    EXPECT_TRUE(Enabled(page, 16623));
    HMENU hKept = ::GetSubMenu(contextMenus.GetMenuById(IDR_DEMO_MENU), 0);
    EXPECT_EQ(hKept, pPreview->GetHMenu());
    HWND hPreview = pPreview->GetSafeHwnd();
    // Moved by the user, it opens next time where it was left.
    pPreview->SetWindowPos(NULL, 140, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Choose(page, 16622, 0);
    PumpPending();
    EXPECT_FALSE(::IsWindow(hPreview));
    EXPECT_EQ((CORXPopupMenu*)NULL, page.GetContextMenu());
    EXPECT_FALSE(Enabled(page, 16623));
    // The manager's menu outlives its preview.
    EXPECT_TRUE(::IsMenu(hKept));

    EXPECT_EQ(CPoint(140, 120), CORXMenuPage::GetLastMenuPos());

    // A preview still open when the page goes is closed with it.
    Choose(page, 16622, 1);
    CRect rectPreview;
    page.GetContextMenu()->GetWindowRect(rectPreview);
    EXPECT_EQ(CPoint(140, 120), rectPreview.TopLeft());
    hPreview = page.GetContextMenu()->GetSafeHwnd();
    page.SendDlgItemMessage(16625, CB_SETCURSEL, CORXPopupMenu::FADE);
    page.CheckDlgButton(16626, BST_UNCHECKED);
    m_sheet.DestroyWindow();
    PumpPending();
    EXPECT_FALSE(::IsWindow(hPreview));
    EXPECT_EQ(CORXPopupMenu::FADE, CORXPopupMenu::GetAnimationType());
    EXPECT_FALSE(CORXPopupMenu::AreMenuShadowsEnabled());

    // The choices are the ones the bars' parameters save, and a restart brings them back.
    m_pWorkspace->SetRegistryBase(_T("Velmora"));
    ASSERT_TRUE(CORXToolBar::SaveParameters(m_pWorkspace->GetRegistrySectionPath()));
    CORXPopupMenu::SetAnimationType(CORXPopupMenu::NO_ANIMATION);
    CORXPopupMenu::EnableMenuShadows(TRUE);
    ASSERT_TRUE(CORXToolBar::LoadParameters(m_pWorkspace->GetRegistrySectionPath()));
    EXPECT_EQ(CORXPopupMenu::FADE, CORXPopupMenu::GetAnimationType());
    EXPECT_FALSE(CORXPopupMenu::AreMenuShadowsEnabled());
}

TEST_F(PagesTest, MenuPageOnAMenuBarShowsTheDefaultMenuAndLeavesTheBarAsItFoundIt)
{
    CORXMenuBar bar;
    ASSERT_TRUE(bar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, ORX_IDW_MENUBAR));
    HMENU hMenu = ::GetMenu(m_pFrame->m_hWnd);
    ::SetMenu(m_pFrame->m_hWnd, NULL);
    bar.SetDefaultMenuResId(IDR_DEMO_MAINFRAME);
    bar.CreateFromMenu(hMenu, TRUE);
    int nButtons = bar.GetCount();
    {
        CORXMenuPage page(m_pFrame);
        Open(page);
        EXPECT_EQ(&bar, page.GetMenuBar());
        EXPECT_TRUE(Enabled(page, 16621));
        CComboBox* pMenus = (CComboBox*)page.GetDlgItem(16621);
        ASSERT_EQ(1, pMenus->GetCount());
        EXPECT_EQ(0, pMenus->GetCurSel());
        CString strText;
        page.GetDlgItemText(16506, strText);
        EXPECT_EQ(CString("Default application menu. Appears when no documents are open."), strText);
        EXPECT_TRUE(CORXMenuStore::IsStored(hMenu));

        // A changed menu is reset from its resource, under a new handle that the page follows.
        ASSERT_TRUE(bar.RemoveButton(0));
        page.ResetFrameMenu();
        EXPECT_EQ(nButtons, bar.GetCount());
        EXPECT_EQ((std::vector<WPARAM>{IDR_DEMO_MAINFRAME}), m_pFrame->ParamsOf(ORX_WM_TOOLBAR_RESETMENU));
        hMenu = bar.GetDefaultMenu();
        EXPECT_EQ(hMenu, bar.GetMenu());
        m_sheet.DestroyWindow();
    }
    EXPECT_EQ(hMenu, bar.GetMenu());
    EXPECT_EQ(nButtons, bar.GetCount());
}

TEST_F(PagesTest, MenuPageFindsAMenuBarDockedInItsFrame)
{
    CORXMenuBar bar;
    ASSERT_TRUE(bar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, ORX_IDW_MENUBAR));
    HMENU hMenu = ::GetMenu(m_pFrame->m_hWnd);
    ::SetMenu(m_pFrame->m_hWnd, NULL);
    bar.SetDefaultMenuResId(IDR_DEMO_MAINFRAME);
    bar.CreateFromMenu(hMenu, TRUE);
    bar.EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->DockControlBar(&bar);
    ASSERT_NE(m_pFrame->m_hWnd, ::GetParent(bar.m_hWnd));
    CORXMenuPage page(m_pFrame);
    Open(page);
    EXPECT_EQ(&bar, page.GetMenuBar());
    EXPECT_TRUE(Enabled(page, 16621));
    m_sheet.DestroyWindow();
}

TEST_F(PagesTest, MenuPageShowsATemplatesMenuOnTheBarAndTheOpeningMenuAgainWhenItCloses)
{
    CTestWinApp& app = App();
    CMultiDocTemplate* pTemplate = new CMultiDocTemplate(IDR_DEMO_MENU);
    app.AddDocTemplate(pTemplate);
    ASSERT_NE((HMENU)NULL, pTemplate->m_hMenuShared);
    {
        CORXMenuBar bar;
        ASSERT_TRUE(bar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, ORX_IDW_MENUBAR));
        HMENU hMenu = ::GetMenu(m_pFrame->m_hWnd);
        ::SetMenu(m_pFrame->m_hWnd, NULL);
        bar.SetDefaultMenuResId(IDR_DEMO_MAINFRAME);
        bar.CreateFromMenu(hMenu, TRUE);
        CORXMenuPage page(m_pFrame, TRUE);
        Open(page);
        CComboBox* pMenus = (CComboBox*)page.GetDlgItem(16621);
        ASSERT_EQ(2, pMenus->GetCount());
        EXPECT_EQ(1, pMenus->GetCurSel());
        EXPECT_EQ(pTemplate, pMenus->GetItemDataPtr(0));
        Choose(page, 16621, 0);
        EXPECT_EQ(pTemplate->m_hMenuShared, bar.GetMenu());
        m_sheet.DestroyWindow();
        EXPECT_EQ(hMenu, bar.GetMenu());
    }
    while (!app.m_templateList.IsEmpty())
        delete (CCmdTarget*)app.m_templateList.RemoveHead();
}

TEST_F(PagesTest, TheBarKnowsTheOpenPageAndResettingAFrameMenuLeavesTheOtherMenusAsTheUserMadeThem)
{
    CTestWinApp& app = App();
    CMultiDocTemplate* pTemplate = new CMultiDocTemplate(IDR_DEMO_MENU);
    app.AddDocTemplate(pTemplate);
    {
        CORXMenuBar bar;
        ASSERT_TRUE(bar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, ORX_IDW_MENUBAR));
        HMENU hMenu = ::GetMenu(m_pFrame->m_hWnd);
        ::SetMenu(m_pFrame->m_hWnd, NULL);
        bar.SetDefaultMenuResId(IDR_DEMO_MAINFRAME);
        bar.CreateFromMenu(hMenu, TRUE);
        const int nDefault = bar.GetCount();
        CORXMenuPage page(m_pFrame, TRUE);
        Open(page);
        EXPECT_EQ(&page, bar.GetMenuPage());

        // The user takes a title off the default menu, then off the template's menu.
        ASSERT_TRUE(bar.RemoveButton(0));
        Choose(page, 16621, 0);
        HMENU hShared = pTemplate->m_hMenuShared;
        ASSERT_EQ(hShared, bar.GetMenu());
        const int nShared = bar.GetCount();
        ASSERT_TRUE(bar.RemoveButton(0));

        // Only the template's menu goes back to its resource.
        page.ResetFrameMenu();
        EXPECT_NE(hShared, pTemplate->m_hMenuShared);
        EXPECT_FALSE(::IsMenu(hShared));
        EXPECT_EQ(pTemplate->m_hMenuShared, bar.GetMenu());
        EXPECT_EQ(nShared, bar.GetCount());
        EXPECT_EQ((std::vector<WPARAM>{IDR_DEMO_MENU}), m_pFrame->ParamsOf(ORX_WM_TOOLBAR_RESETMENU));
        EXPECT_EQ(hMenu, bar.GetDefaultMenu());
        Choose(page, 16621, 1);
        EXPECT_EQ(hMenu, bar.GetMenu());
        EXPECT_EQ(nDefault - 1, bar.GetCount());

        m_sheet.DestroyWindow();
        EXPECT_EQ(nullptr, bar.GetMenuPage());
    }
    while (!app.m_templateList.IsEmpty())
        delete (CCmdTarget*)app.m_templateList.RemoveHead();
}

TEST_F(PagesTest, ResettingAContextMenuDropsTheUsersArrangementAndShowsTheResourcesItems)
{
    CORXContextMenuManager contextMenus;
    ASSERT_TRUE(contextMenus.AddMenu(_T("Demo"), IDR_DEMO_MENU));
    CORXMenuPage page(m_pFrame);
    Open(page);
    Choose(page, 16622, 1);
    CORXPopupMenu* pPreview = page.GetContextMenu();
    ASSERT_NE((CORXPopupMenu*)NULL, pPreview);
    int nItems = pPreview->GetMenuItemCount();
    ASSERT_GT(nItems, 2);
    // The user's arrangement: one item fewer, kept under the manager's menu.
    HMENU hKept = ::GetSubMenu(contextMenus.GetMenuById(IDR_DEMO_MENU), 0);
    ASSERT_TRUE(pPreview->RemoveItem(0));
    ASSERT_TRUE(CORXMenuStore::Store(hKept, pPreview->GetMenuBar()));
    page.ResetContextMenu();
    EXPECT_FALSE(CORXMenuStore::IsStored(hKept));
    EXPECT_EQ(nItems, pPreview->GetMenuItemCount());
    EXPECT_EQ(pPreview, page.GetContextMenu());
    m_sheet.DestroyWindow();
}

TEST(Workspace, ViewDoubleClickBeepsWithoutACommandAndSendsABoundOne)
{
    CORXWorkspace::PFN_MESSAGEBEEP pfnBeep = CORXWorkspace::s_pfnMessageBeep;
    CORXWorkspace::s_pfnMessageBeep = CountBeep;
    int& nBeeps = g_nBeeps;
    nBeeps = 0;
    CORXWorkspace workspace;
    CRecordingFrame* pFrame = new CRecordingFrame;
    ASSERT_TRUE(pFrame->Create(NULL, _T("Views"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    CWnd view;
    ASSERT_TRUE(view.Create(NULL, _T("view"), WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), pFrame, 1));

    // Without a mouse manager there is nothing to ask.
    EXPECT_FALSE(workspace.OnViewDoubleClick(&view, 7));
    EXPECT_EQ(0, nBeeps);
    {
        CORXMouseManager mouse;
        ASSERT_TRUE(mouse.AddView(7, _T("Clocks")));
        EXPECT_FALSE(workspace.OnViewDoubleClick(&view, 7));
        EXPECT_EQ(1, nBeeps);
        mouse.SetCommandForDblClick(7, ID_DEMO_NEW);
        EXPECT_TRUE(workspace.OnViewDoubleClick(&view, 7));
        EXPECT_EQ((std::vector<UINT>{ID_DEMO_NEW}), pFrame->m_commands);
        EXPECT_EQ(1, nBeeps);
    }
    view.DestroyWindow();
    pFrame->DestroyWindow();
    CORXWorkspace::s_pfnMessageBeep = pfnBeep;
}
