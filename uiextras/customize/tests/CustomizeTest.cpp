// The customise sheet and its pages, driven through their controls' own messages in a hidden
// frame: the check lists, the categories of commands, the tool-bar list and its buttons' work, the
// option switches and the sheet's hold on customise mode.
#include <gtest/gtest.h>

#include <afxwin.h>
#include <afxext.h>

#include "AfxCheckListBox.h"
#include "ORXButtonAppearanceDlg.h"
#include "ORXCustomizePage.h"
#include "ORXDropDownToolBar.h"
#include "ORXFrameWnd.h"
#include "ORXMouseManager.h"
#include "ORXMousePage.h"
#include "ORXOptionsPage.h"
#include "ORXServices.h"
#include "ORXToolBar.h"
#include "ORXToolbarCustomize.h"
#include "ORXToolbarsPage.h"
#include "ORXToolsPage.h"
#include "ORXUserToolsManager.h"
#include "TestSupport.h"
#include "TestWindows.h"
#include "uiextras/uiextras_res.h"

namespace
{
const UINT kFirstUserBar = 0xE840;
const UINT kLastUserBar = 0xE84F;
const UINT kListId = 101;

// The parent of a check list: it counts the check changes the list reports.
class CCheckParent : public CHiddenTestParent
{
public:
    int m_nChanges = 0;

protected:
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam)
    {
        if (HIWORD(wParam) == CLBN_CHKCHANGE && LOWORD(wParam) == kListId)
            m_nChanges++;
        return CHiddenTestParent::OnCommand(wParam, lParam);
    }
};

// A click at the middle of the row's check box, as the list box would receive it.
LPARAM CheckPoint(CListBox& list, int iRow)
{
    CRect rect;
    list.GetItemRect(iRow, rect);
    return MAKELPARAM(rect.left + 7, (rect.top + rect.bottom) / 2);
}

template <class TList> void CreateList(CCheckParent& parent, TList& list)
{
    ASSERT_TRUE(parent.CreateHidden());
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY,
                            CRect(0, 0, 200, 200), &parent, kListId));
}
} // namespace

TEST(CheckListBoxTest, ChecksFollowTheirRowsAndTheUserFlipsOnlyEnabledOnes)
{
    CCheckParent parent;
    CCheckListBox list;
    CreateList(parent, list);
    EXPECT_FALSE(list.SetCheckStyle(BS_PUSHBUTTON));
    list.AddString(_T("a"));
    list.AddString(_T("b"));
    list.SetCheck(1, 1);
    // A row inserted before moves the check with its row.
    list.InsertString(0, _T("first"));
    EXPECT_EQ(0, list.GetCheck(0));
    EXPECT_EQ(1, list.GetCheck(2));
    list.DeleteString(0);
    EXPECT_EQ(1, list.GetCheck(1));
    // A two-state list has no third state.
    list.SetCheck(0, 2);
    EXPECT_EQ(1, list.GetCheck(0));
    list.SetCheck(0, 0);

    // A click on the box flips it and tells the parent; a click on the text does not.
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, CheckPoint(list, 0));
    list.SendMessage(WM_LBUTTONUP, 0, CheckPoint(list, 0));
    EXPECT_EQ(1, list.GetCheck(0));
    EXPECT_EQ(1, parent.m_nChanges);
    EXPECT_EQ(0, list.GetCurSel());
    CRect rect;
    list.GetItemRect(1, rect);
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.left + 100, rect.top + 2));
    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rect.left + 100, rect.top + 2));
    EXPECT_EQ(1, list.GetCheck(1));
    EXPECT_EQ(1, parent.m_nChanges);

    // Space flips the caret row; a disabled row keeps its check.
    list.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(0, list.GetCheck(1));
    list.Enable(1, FALSE);
    list.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, CheckPoint(list, 1));
    EXPECT_EQ(0, list.GetCheck(1));
    EXPECT_EQ(2, parent.m_nChanges);

    list.ResetContent();
    EXPECT_EQ(0, list.GetCheck(0));
    EXPECT_FALSE(list.IsEnabled(0));
}

TEST(ToolbarsListTest, DisabledChecksOnlyBeepAndADoubleClickReportsAChange)
{
    CCheckParent parent;
    CORXToolbarsList list;
    CreateList(parent, list);
    list.AddString(_T("a"));
    list.AddString(_T("b"));
    list.InsertString(0, _T("c"));
    list.EnableCheck(1, FALSE);
    // The enabled flags move with their rows and go with them.
    EXPECT_TRUE(list.IsCheckEnabled(0));
    EXPECT_FALSE(list.IsCheckEnabled(1));
    EXPECT_TRUE(list.IsCheckEnabled(2));
    list.DeleteString(0);
    EXPECT_FALSE(list.IsCheckEnabled(0));
    EXPECT_TRUE(list.IsCheckEnabled(1));
    EXPECT_FALSE(list.IsCheckEnabled(2));

    list.SetCheck(0, 1);
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, CheckPoint(list, 0));
    list.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, CheckPoint(list, 0));
    list.SetCaretIndex(0);
    list.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(1, list.GetCheck(0));
    EXPECT_EQ(0, parent.m_nChanges);

    // An enabled row: the double click flips it once more and reports as a click would.
    list.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, CheckPoint(list, 1));
    EXPECT_EQ(1, list.GetCheck(1));
    EXPECT_EQ(2, parent.m_nChanges);

    list.ResetContent();
    EXPECT_FALSE(list.IsCheckEnabled(0));
}

namespace
{
class CustomizeSheetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CORXFrameWnd;
        m_pFrame->EnableUserToolbars(kFirstUserBar, kLastUserBar);
        ASSERT_TRUE(m_pFrame->Create(NULL, _T("Customize test"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 300)));
        // File: two commands; View: only a separator; Edit: a command twice under one text.
        HMENU hMenu = ::CreateMenu();
        HMENU hFile = ::CreatePopupMenu();
        ::AppendMenu(hFile, MF_STRING, 200, _T("&Open\tCtrl+O"));
        ::AppendMenu(hFile, MF_STRING, 201, _T("&Close"));
        HMENU hView = ::CreatePopupMenu();
        ::AppendMenu(hView, MF_SEPARATOR, 0, NULL);
        HMENU hEdit = ::CreatePopupMenu();
        ::AppendMenu(hEdit, MF_STRING, 210, _T("&Zap"));
        ::AppendMenu(hEdit, MF_STRING, 211, _T("&Apply"));
        ::AppendMenu(hMenu, MF_POPUP, (UINT_PTR)hFile, _T("&File"));
        ::AppendMenu(hMenu, MF_POPUP, (UINT_PTR)hView, _T("&View"));
        ::AppendMenu(hMenu, MF_POPUP, (UINT_PTR)hEdit, _T("&Edit"));
        ::SetMenu(m_pFrame->m_hWnd, hMenu);

        ASSERT_TRUE(m_bar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR));
        m_bar.SetWindowText(_T("Main"));
        ASSERT_TRUE(m_untitled.Create(m_pFrame, WS_CHILD | CBRS_TOP, AFX_IDW_TOOLBAR + 1));
        m_untitled.SetPermament();
        ASSERT_TRUE(m_dropDown.Create(m_pFrame, WS_CHILD | CBRS_TOP, AFX_IDW_TOOLBAR + 2));
        m_pFrame->RecalcLayout();
    }
    void TearDown() override
    {
        if (m_pSheet != NULL && m_pSheet->GetSafeHwnd() != NULL)
            m_pSheet->DestroyWindow();
        m_bar.DestroyWindow();
        m_untitled.DestroyWindow();
        m_dropDown.DestroyWindow();
        m_pFrame->DestroyWindow();
    }
    // A modeless sheet, which deletes itself when its window goes.
    CORXToolbarCustomize* OpenSheet(UINT uiFlags = CORXToolbarCustomize::ShowTextLabels)
    {
        m_pSheet = new CORXToolbarCustomize(m_pFrame, TRUE, uiFlags);
        m_pSheet->EnableUserDefinedToolbars();
        EXPECT_TRUE(m_pSheet->Create());
        return m_pSheet;
    }
    CORXToolbarsPage* ToolbarsPage()
    {
        m_pSheet->SetActivePage(m_pSheet->GetToolbarsPage());
        return m_pSheet->GetToolbarsPage();
    }
    static CString RowText(CListBox& list, int iRow)
    {
        CString str;
        list.GetText(iRow, str);
        return str;
    }

    CORXFrameWnd* m_pFrame = NULL;
    CORXToolBar m_bar;
    CORXToolBar m_untitled;
    CORXDropDownToolBar m_dropDown;
    CORXToolbarCustomize* m_pSheet = NULL;
};
} // namespace

TEST_F(CustomizeSheetTest, TheSheetHoldsCustomiseModeAndTheCoreInterfaceOnlyWhileItsWindowLives)
{
    // A sheet that never had a window registers nothing.
    {
        CORXToolbarCustomize unopened(m_pFrame);
        EXPECT_TRUE(CORXServices::Find<CORXCustomizeSheet>() == NULL);
    }
    EXPECT_FALSE(CORXToolBar::IsCustomizeMode());

    CORXToolbarCustomize* pSheet = OpenSheet();
    EXPECT_EQ(static_cast<CORXCustomizeSheet*>(pSheet), CORXServices::Find<CORXCustomizeSheet>());
    EXPECT_EQ(pSheet, CORXToolbarCustomize::GetActiveSheet());
    EXPECT_TRUE(CORXToolBar::IsCustomizeMode());
    // Every page: commands, tool bars, tools, keyboard, menu, mouse and options as the managers exist.
    EXPECT_GE(pSheet->GetPageCount(), 4);

    // A bar hidden elsewhere shows unchecked on the Toolbars page.
    CORXToolbarsPage* pPage = ToolbarsPage();
    int iRow = pPage->FindRow(&m_bar);
    ASSERT_GE(iRow, 0);
    EXPECT_EQ(1, pPage->m_wndToolbarList.GetCheck(iRow));
    CORXServices::Find<CORXCustomizeSheet>()->ShowToolBar(&m_bar, FALSE);
    EXPECT_EQ(0, pPage->m_wndToolbarList.GetCheck(iRow));

    pSheet->DestroyWindow();
    m_pSheet = NULL;
    EXPECT_TRUE(CORXServices::Find<CORXCustomizeSheet>() == NULL);
    EXPECT_TRUE(CORXToolbarCustomize::GetActiveSheet() == NULL);
    EXPECT_FALSE(CORXToolBar::IsCustomizeMode());
}

TEST_F(CustomizeSheetTest, TheSheetOffersTheButtonAppearanceDialogWhileItLivesUnlessOneIsOffered)
{
    ASSERT_TRUE(CORXServices::Find<CORXButtonAppearance>() == NULL);
    {
        CORXToolbarCustomize unopened(m_pFrame);
        EXPECT_TRUE(dynamic_cast<CORXButtonAppearanceProvider*>(CORXServices::Find<CORXButtonAppearance>()) !=
                    NULL);
    }
    EXPECT_TRUE(CORXServices::Find<CORXButtonAppearance>() == NULL);

    OpenSheet();
    EXPECT_TRUE(CORXServices::Find<CORXButtonAppearance>() != NULL);
    m_pSheet->DestroyWindow();
    m_pSheet = NULL;
    EXPECT_TRUE(CORXServices::Find<CORXButtonAppearance>() == NULL);

    // The application's own dialog stays the one offered, also after the sheet goes.
    {
        CORXButtonAppearanceProvider own;
        OpenSheet();
        EXPECT_EQ(&own, CORXServices::Find<CORXButtonAppearance>());
        m_pSheet->DestroyWindow();
        m_pSheet = NULL;
        EXPECT_EQ(&own, CORXServices::Find<CORXButtonAppearance>());
    }
    EXPECT_TRUE(CORXServices::Find<CORXButtonAppearance>() == NULL);
}

TEST_F(CustomizeSheetTest, CategoriesComeFromTheMenuWithAllCommandsLast)
{
    CORXToolbarCustomize sheet(m_pFrame);
    const CStringList& names = sheet.GetCategoryNames();
    ASSERT_EQ(3, (int)names.GetCount());
    EXPECT_EQ(CString(_T("File")), names.GetHead());
    EXPECT_EQ(CString(_T("Edit")), names.GetTail());
    EXPECT_EQ(CString(_T("All Commands")), sheet.GetAllCommandsName());
    // The key text and the access key are not part of a command's name.
    EXPECT_STREQ(_T("Open"), sheet.GetCommandName(200));
    EXPECT_TRUE(sheet.GetCommandName(999) == NULL);

    CCheckParent parent;
    ASSERT_TRUE(parent.CreateHidden());
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | LBS_HASSTRINGS, CRect(0, 0, 100, 100), &parent, 1));
    // Without the empty ones the View menu (a separator only) is left out; all commands come last.
    sheet.FillCategoriesList(list, FALSE);
    ASSERT_EQ(3, list.GetCount());
    EXPECT_EQ(CString(_T("Edit")), RowText(list, 1));
    EXPECT_EQ(CString(_T("All Commands")), RowText(list, 2));
    EXPECT_EQ((DWORD_PTR)sheet.GetCategoryButtons(_T("All Commands")), list.GetItemData(2));
    list.ResetContent();
    sheet.FillCategoriesList(list, TRUE);
    EXPECT_EQ(4, list.GetCount());

    // The Mouse page's list: every command once, its id as the row's data.
    sheet.FillAllCommandsList(list);
    ASSERT_EQ(4, list.GetCount());
    EXPECT_EQ((DWORD_PTR)200, list.GetItemData(0));

    CObList* pEdit = sheet.GetCategoryButtons(_T("Edit"));
    ASSERT_TRUE(pEdit != NULL);
    EXPECT_EQ(1, CORXToolbarCustomize::CountCommandsWithText(_T("Zap"), *pEdit));
    EXPECT_EQ(0, CORXToolbarCustomize::CountCommandsWithText(_T("zap"), *pEdit));
}

TEST_F(CustomizeSheetTest, TheCommandsPageSortsAllCommandsAndNamesTwinsByTheirListText)
{
    CORXToolbarCustomize* pSheet = OpenSheet();
    // A second "Zap" in Edit, known in lists as "Zap Twice".
    CORXToolbarButton twin(212, -1, _T("Zap"));
    twin.m_strTextCustom = _T("Zap Twice");
    pSheet->AddButton(_T("Edit"), twin);

    CORXCustomizePage* pPage = pSheet->GetCommandsPage();
    ASSERT_TRUE(pPage->GetSafeHwnd() != NULL);
    int iAll = pPage->m_wndCategory.GetCount() - 1;
    pPage->SelectCategory(iAll);
    CORXCommandsListBox& list = pPage->m_wndTools;
    ASSERT_EQ(5, list.GetCount());
    const LPCTSTR sorted[] = {_T("Apply"), _T("Close"), _T("Open"), _T("Zap"), _T("Zap Twice")};
    for (int i = 0; i < 5; i++)
        EXPECT_EQ(CString(sorted[i]), RowText(list, i)) << i;

    // In its own category, in list order, the twin is named by its list text, the other by its own.
    pPage->SelectCategory(2);
    ASSERT_EQ(3, list.GetCount());
    EXPECT_EQ(CString(_T("Zap")), RowText(list, 0));
    EXPECT_EQ(CString(_T("Apply")), RowText(list, 1));
    EXPECT_EQ(CString(_T("Zap Twice")), RowText(list, 2));

    // A command with no image of its own is shown with a user image.
    pPage->SelectCommand(2);
    ASSERT_TRUE(pPage->m_pSelButton != NULL);
    EXPECT_EQ(212u, pPage->m_pSelButton->m_nID);
    EXPECT_TRUE(pPage->m_pSelButton->m_bUserButton);
    EXPECT_GE(list.GetItemHeight(0), CORXToolBar::GetMenuImageSize().cy + 6);
}

TEST_F(CustomizeSheetTest, TheToolbarsPageListsTheFramesOwnBars)
{
    OpenSheet();
    CORXToolbarsPage* pPage = ToolbarsPage();
    CORXToolbarsList& list = pPage->m_wndToolbarList;
    // The drop-down bar is never listed; the bar without a name is "<Untitled>".
    ASSERT_EQ(2, list.GetCount());
    EXPECT_EQ(-1, pPage->FindRow(&m_dropDown));
    int iUntitled = pPage->FindRow(&m_untitled);
    ASSERT_GE(iUntitled, 0);
    EXPECT_EQ(CString(_T("<Untitled>")), RowText(list, iUntitled));
    // Hidden and permanent: unchecked, and its check cannot be changed.
    EXPECT_EQ(0, list.GetCheck(iUntitled));
    EXPECT_FALSE(list.IsCheckEnabled(iUntitled));
    EXPECT_TRUE(list.IsCheckEnabled(pPage->FindRow(&m_bar)));
    // Its box is drawn as any other; only a change of it is refused.
    EXPECT_TRUE(list.IsEnabled(iUntitled));

    // Unchecking a bar hides it at once.
    int iMain = pPage->FindRow(&m_bar);
    pPage->SelectRow(iMain);
    list.SetCheck(iMain, 0);
    pPage->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ORX_CUST_TOOLBARS, CLBN_CHKCHANGE), (LPARAM)list.m_hWnd);
    EXPECT_FALSE(m_bar.GetStyle() & WS_VISIBLE);
    // A bar that cannot be closed gets its check back.
    pPage->SelectRow(iUntitled);
    list.SetCheck(iUntitled, 1);
    pPage->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ORX_CUST_TOOLBARS, CLBN_CHKCHANGE), (LPARAM)list.m_hWnd);
    list.SetCheck(iUntitled, 0);
    pPage->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ORX_CUST_TOOLBARS, CLBN_CHKCHANGE), (LPARAM)list.m_hWnd);
    EXPECT_EQ(1, list.GetCheck(iUntitled));

    // Without the sheet's flag the text-labels box is hidden; with it, it shows.
    EXPECT_TRUE(pPage->m_wndTextLabels.GetStyle() & WS_VISIBLE);
}

namespace
{
// A bar its application keeps off the Toolbars page.
class CUnlistedBar : public CORXToolBar
{
public:
    CUnlistedBar() { m_bNoListed = TRUE; }
};
} // namespace

TEST_F(CustomizeSheetTest, TheToolbarsPageLeavesOutOtherFramesBarsAndUnlistedOnes)
{
    CUnlistedBar unlisted;
    ASSERT_TRUE(unlisted.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR + 3));
    unlisted.SetWindowText(_T("Unlisted"));
    CORXFrameWnd* pOther = new CORXFrameWnd;
    ASSERT_TRUE(pOther->Create(NULL, _T("Other frame"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    CORXToolBar otherBar;
    ASSERT_TRUE(otherBar.Create(pOther, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR));
    otherBar.SetWindowText(_T("Other"));

    // Without the sheet's flag the text-labels box is hidden as well.
    OpenSheet(0);
    CORXToolbarsPage* pPage = ToolbarsPage();
    EXPECT_EQ(2, pPage->m_wndToolbarList.GetCount());
    EXPECT_GE(pPage->FindRow(&m_bar), 0);
    EXPECT_EQ(-1, pPage->FindRow(&unlisted));
    EXPECT_EQ(-1, pPage->FindRow(&otherBar));
    EXPECT_FALSE(pPage->m_wndTextLabels.GetStyle() & WS_VISIBLE);

    m_pSheet->DestroyWindow();
    m_pSheet = NULL;
    otherBar.DestroyWindow();
    pOther->DestroyWindow();
    unlisted.DestroyWindow();
}

TEST_F(CustomizeSheetTest, NewRenameAndDeleteKeepTheRowsChecksTrue)
{
    OpenSheet();
    CORXToolbarsPage* pPage = ToolbarsPage();
    CORXToolbarsList& list = pPage->m_wndToolbarList;
    int nBefore = list.GetCount();

    // A new bar shows, so its row is checked and its check may be changed: the user made it.
    CORXToolBar* pNew = pPage->CreateToolbar(_T("Mine"));
    ASSERT_TRUE(pNew != NULL);
    ASSERT_EQ(nBefore + 1, list.GetCount());
    int iRow = list.GetCurSel();
    EXPECT_EQ(iRow, pPage->FindRow(pNew));
    EXPECT_EQ(1, list.GetCheck(iRow));
    EXPECT_TRUE(list.IsCheckEnabled(iRow));
    EXPECT_TRUE(pNew->GetStyle() & WS_VISIBLE);
    EXPECT_EQ(pNew, pPage->m_pSelectedToolbar);
    EXPECT_TRUE(pPage->m_btnRename.IsWindowEnabled());
    EXPECT_TRUE(pPage->m_btnDelete.IsWindowEnabled());

    // Renaming moves the row to the end; its check still says whether the bar shows.
    pPage->SelectRow(pPage->FindRow(pNew));
    list.SetCheck(pPage->FindRow(pNew), 0);
    pPage->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ORX_CUST_TOOLBARS, CLBN_CHKCHANGE), (LPARAM)list.m_hWnd);
    ASSERT_FALSE(pNew->GetStyle() & WS_VISIBLE);
    ASSERT_TRUE(pPage->RenameSelected(_T("Renamed")));
    iRow = pPage->FindRow(pNew);
    EXPECT_EQ(list.GetCount() - 1, iRow);
    EXPECT_EQ(CString(_T("Renamed")), RowText(list, iRow));
    EXPECT_EQ(0, list.GetCheck(iRow));
    EXPECT_TRUE(list.IsCheckEnabled(iRow));
    CString strName;
    pNew->GetWindowText(strName);
    EXPECT_EQ(CString(_T("Renamed")), strName);

    // A bar the frame refuses to delete stays listed.
    pPage->SelectRow(pPage->FindRow(&m_bar));
    EXPECT_FALSE(pPage->DeleteSelected());
    EXPECT_GE(pPage->FindRow(&m_bar), 0);

    pPage->SelectRow(pPage->FindRow(pNew));
    EXPECT_TRUE(pPage->DeleteSelected());
    EXPECT_EQ(nBefore, list.GetCount());
    EXPECT_EQ(0, list.GetCurSel());
}

TEST_F(CustomizeSheetTest, DeletingTheLastRowLeavesNothingSelected)
{
    m_bar.DestroyWindow();
    m_untitled.DestroyWindow();
    OpenSheet();
    CORXToolbarsPage* pPage = ToolbarsPage();
    CORXToolbarsList& list = pPage->m_wndToolbarList;
    ASSERT_EQ(0, list.GetCount());
    ASSERT_TRUE(pPage->CreateToolbar(_T("Only")) != NULL);
    ASSERT_EQ(1, list.GetCount());
    EXPECT_TRUE(pPage->DeleteSelected());
    EXPECT_EQ(0, list.GetCount());
    EXPECT_EQ(-1, list.GetCurSel());
    EXPECT_TRUE(pPage->m_pSelectedToolbar == NULL);
    EXPECT_FALSE(pPage->m_btnDelete.IsWindowEnabled());
    EXPECT_FALSE(pPage->m_btnReset.IsWindowEnabled());
    // Nothing selected: nothing more to delete.
    EXPECT_FALSE(pPage->DeleteSelected());
}

TEST_F(CustomizeSheetTest, TheOptionsPageWritesTheSwitchesAtOnce)
{
    BOOL bLarge = CORXToolBar::IsLargeIcons();
    BOOL bTips = CORXToolBar::m_bShowTooltips;
    CORXToolbarCustomize* pSheet = OpenSheet(0);
    CORXOptionsPage* pPage = pSheet->GetOptionsPage();
    pSheet->SetActivePage(pPage);
    // Without the sheet's flag there is no Look 2000 box; the visualizations button is never shown.
    EXPECT_FALSE(pPage->m_wndLook2000.GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(pPage->m_wndVisualizations.GetStyle() & WS_VISIBLE);

    pPage->CheckDlgButton(IDC_ORX_CUST_LARGE_ICONS, bLarge ? 0 : 1);
    pPage->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ORX_CUST_LARGE_ICONS, BN_CLICKED),
                       (LPARAM)pPage->m_wndLargeIcons.m_hWnd);
    EXPECT_EQ(!bLarge, CORXToolBar::IsLargeIcons());

    // Tool tips off: the shortcut-keys box goes grey with them.
    pPage->CheckDlgButton(IDC_ORX_CUST_TOOLTIPS, 0);
    pPage->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ORX_CUST_TOOLTIPS, BN_CLICKED),
                       (LPARAM)pPage->GetDlgItem(IDC_ORX_CUST_TOOLTIPS)->m_hWnd);
    EXPECT_FALSE(CORXToolBar::m_bShowTooltips);
    EXPECT_FALSE(pPage->m_wndShowShortcutKeys.IsWindowEnabled());

    CORXToolBar::SetLargeIcons(bLarge);
    CORXToolBar::m_bShowTooltips = bTips;
}

TEST_F(CustomizeSheetTest, TheSheetGoesByItsCloseBoxAsByItsButton)
{
    CORXToolbarCustomize* pSheet = OpenSheet();
    HWND hSheet = pSheet->GetSafeHwnd();
    pSheet->SendMessage(WM_CLOSE);
    PumpPending();
    EXPECT_FALSE(::IsWindow(hSheet));
    m_pSheet = NULL;
    EXPECT_TRUE(CORXServices::Find<CORXCustomizeSheet>() == NULL);
    EXPECT_FALSE(CORXToolBar::IsCustomizeMode());

    pSheet = OpenSheet();
    hSheet = pSheet->GetSafeHwnd();
    pSheet->SendMessage(WM_COMMAND, IDCANCEL, (LPARAM)::GetDlgItem(hSheet, IDCANCEL));
    PumpPending();
    EXPECT_FALSE(::IsWindow(hSheet));
    m_pSheet = NULL;
    EXPECT_FALSE(CORXToolBar::IsCustomizeMode());
}

TEST_F(CustomizeSheetTest, TheMousePageBindsTheChosenCommandToTheCurrentView)
{
    CORXMouseManager manager;
    ASSERT_TRUE(manager.AddView(7, _T("Zone list")));
    ASSERT_TRUE(manager.AddView(3, _T("Clock face")));
    manager.SetCommandForDblClick(7, 211);
    CORXToolbarCustomize* pSheet = OpenSheet();
    CORXMousePage* pPage = pSheet->GetMousePage();
    ASSERT_TRUE(pPage != NULL);
    pSheet->SetActivePage(pPage);

    // The views sorted by name; the first is current, without a command.
    ASSERT_EQ(2, pPage->m_wndListOfViews.GetItemCount());
    EXPECT_EQ(CString(_T("Clock face")), pPage->m_wndListOfViews.GetItemText(0, 0));
    EXPECT_EQ(3, pPage->currentViewId);
    EXPECT_TRUE(pPage->IsDlgButtonChecked(IDC_ORX_CUST_NO_DBLCLK));
    EXPECT_FALSE(pPage->m_wndListOfCommands.IsWindowEnabled());
    EXPECT_EQ(4, pPage->m_wndListOfCommands.GetCount());

    // The other view shows its command selected.
    pPage->SelectView(1);
    EXPECT_EQ(7, pPage->currentViewId);
    EXPECT_TRUE(pPage->IsDlgButtonChecked(IDC_ORX_CUST_DBLCLK));
    int iSel = pPage->m_wndListOfCommands.GetCurSel();
    ASSERT_GE(iSel, 0);
    EXPECT_EQ((DWORD_PTR)211, pPage->m_wndListOfCommands.GetItemData(iSel));

    // Another command chosen is bound at once; "No double click" takes the binding away.
    pPage->SelectCommand(0);
    EXPECT_EQ(200u, manager.GetViewDblClickCommand(7));
    pPage->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ORX_CUST_NO_DBLCLK, BN_CLICKED),
                       (LPARAM)pPage->GetDlgItem(IDC_ORX_CUST_NO_DBLCLK)->m_hWnd);
    EXPECT_EQ(0u, manager.GetViewDblClickCommand(7));
    EXPECT_EQ(0u, manager.GetViewDblClickCommand(3));
    pSheet->DestroyWindow();
    m_pSheet = NULL;
}

TEST_F(CustomizeSheetTest, TheToolsPageMakesEditsAndRemovesTheManagersTools)
{
    CORXUserToolsManager manager(300, 310, 311);
    CORXToolbarCustomize* pSheet = OpenSheet();
    CORXToolsPage* pPage = pSheet->GetToolsPage();
    ASSERT_TRUE(pPage != NULL);
    pSheet->SetActivePage(pPage);
    CORXToolsList& list = pPage->m_wndToolsList;
    EXPECT_EQ(0, list.GetCount());
    // Nothing selected: nothing to edit.
    EXPECT_FALSE(pPage->m_wndCommand.IsWindowEnabled());

    // A row named in place becomes a tool of the manager.
    list.CreateNewItem();
    list.OnEndEditLabel(_T("Echo"));
    ASSERT_EQ(1, (int)manager.GetUserTools().GetCount());
    CORXUserTool* pTool = (CORXUserTool*)manager.GetUserTools().GetHead();
    EXPECT_EQ(CString(_T("Echo")), pTool->m_strLabel);
    EXPECT_EQ(pTool, pPage->GetSelectedTool());
    EXPECT_TRUE(pPage->m_wndCommand.IsWindowEnabled());

    pPage->SetDlgItemText(IDC_ORX_CUST_TOOL_COMMAND, _T("C:\\windows\\notepad.exe"));
    pPage->SetDlgItemText(IDC_ORX_CUST_TOOL_ARGS, _T("a.txt"));
    pPage->OnUpdateTool();
    EXPECT_EQ(CString(_T("C:\\windows\\notepad.exe")), pTool->GetCommand());
    EXPECT_EQ(CString(_T("a.txt")), pTool->m_strArguments);

    // The manager's ids run out after two tools: a third row goes again.
    list.CreateNewItem();
    list.OnEndEditLabel(_T("Two"));
    list.CreateNewItem();
    list.OnEndEditLabel(_T("Three"));
    EXPECT_EQ(2, (int)manager.GetUserTools().GetCount());
    EXPECT_EQ(2, list.GetCount());

    // Deleted rows take their tools with them.
    list.SelectItem(0);
    list.OnClickButton(1);
    list.SelectItem(0);
    list.OnClickButton(1);
    EXPECT_EQ(0, (int)manager.GetUserTools().GetCount());
    EXPECT_EQ(0, list.GetCount());
    EXPECT_FALSE(pPage->m_wndCommand.IsWindowEnabled());
    pSheet->DestroyWindow();
    m_pSheet = NULL;
}

namespace
{
// Reads the file-type list of the open-file dialog when it opens on this thread, then cancels it.
class CFileDialogReader
{
public:
    CFileDialogReader()
    {
        s_pThis = this;
        m_nTimer = ::SetTimer(NULL, 0, 50, Tick);
    }
    ~CFileDialogReader()
    {
        ::KillTimer(NULL, m_nTimer);
        s_pThis = NULL;
    }
    int m_nOpened = 0;
    CString m_strFileTypes;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_pThis != NULL)
            ::EnumThreadWindows(::GetCurrentThreadId(), Visit, 0);
    }
    static BOOL CALLBACK Visit(HWND hwnd, LPARAM)
    {
        const int kFileTypes = 0x470; // the dialog's list of file types
        HWND hwndTypes = ::GetDlgItem(hwnd, kFileTypes);
        if (hwndTypes == NULL || !::IsWindowVisible(hwnd) || hwnd == s_pThis->m_hwndLast)
            return TRUE;
        s_pThis->m_hwndLast = hwnd;
        s_pThis->m_nOpened++;
        TCHAR szText[128] = {};
        ::GetWindowText(hwndTypes, szText, 128);
        s_pThis->m_strFileTypes = szText;
        ::PostMessage(hwnd, WM_COMMAND, IDCANCEL, 0);
        return TRUE;
    }
    HWND m_hwndLast = NULL;
    UINT_PTR m_nTimer;
    static CFileDialogReader* s_pThis;
};
CFileDialogReader* CFileDialogReader::s_pThis = NULL;
} // namespace

TEST_F(CustomizeSheetTest, TheToolsPageBrowsesWithTheManagersFilter)
{
    // The framework's own filter, then the application's.
    {
        CORXUserToolsManager manager(300, 310, 311);
        EXPECT_EQ(CString(_T("exe")), manager.GetDefExt());
        EXPECT_EQ(0, manager.GetFilter().Find(_T("Executable Files (*.exe)|*.exe|")));
    }
    CORXUserToolsManager manager(300, 310, 311, RUNTIME_CLASS(CORXUserTool),
                                 _T("Clock programs (*.clk)|*.clk|All files (*.*)|*.*||"), _T("clk"));
    CORXToolbarCustomize* pSheet = OpenSheet();
    CORXToolsPage* pPage = pSheet->GetToolsPage();
    ASSERT_TRUE(pPage != NULL);
    pSheet->SetActivePage(pPage);
    pPage->m_wndToolsList.CreateNewItem();
    pPage->m_wndToolsList.OnEndEditLabel(_T("Chime"));
    ASSERT_TRUE(pPage->m_wndBrowseBtn.IsWindowEnabled());
    {
        CFileDialogReader reader;
        pPage->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ORX_CUST_TOOL_BROWSE, BN_CLICKED),
                           (LPARAM)pPage->m_wndBrowseBtn.m_hWnd);
        EXPECT_EQ(1, reader.m_nOpened);
        EXPECT_EQ(CString(_T("Clock programs (*.clk)")), reader.m_strFileTypes);
    }
    // A cancelled dialog leaves the command as it was.
    EXPECT_TRUE(((CORXUserTool*)manager.GetUserTools().GetHead())->GetCommand().IsEmpty());
    pSheet->DestroyWindow();
    m_pSheet = NULL;
}

TEST(ToolbarNameDlgTest, OkIsEnabledOnlyWithAName)
{
    CHiddenTestParent parent;
    ASSERT_TRUE(parent.CreateHidden());
    CORXToolbarNameDlg dlg(&parent);
    ASSERT_TRUE(dlg.Create(CORXToolbarNameDlg::IDD, &parent));
    EXPECT_FALSE(dlg.GetDlgItem(IDOK)->IsWindowEnabled());
    dlg.SetDlgItemText(IDC_ORX_CUST_NAME, _T("Bar"));
    EXPECT_TRUE(dlg.GetDlgItem(IDOK)->IsWindowEnabled());
    EXPECT_EQ(CString(_T("Bar")), dlg.toolbarName);
    dlg.SetDlgItemText(IDC_ORX_CUST_NAME, _T(""));
    EXPECT_FALSE(dlg.GetDlgItem(IDOK)->IsWindowEnabled());
    dlg.DestroyWindow();
}
