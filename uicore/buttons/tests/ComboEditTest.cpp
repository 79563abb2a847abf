// Combo box and edit box buttons: items and selection, the controls on horizontal and vertical
// bars, buttons of the same command kept in step, and the archive images.
#include <gtest/gtest.h>

#include <algorithm>

#include "ORXToolBar.h"
#include "ORXToolbarComboBoxButton.h"
#include "ORXToolbarEditBoxButton.h"
#include "ORXWorkspace.h"
#include "TestSupport.h"
#include "TestWorkspace.h"

namespace
{
const UINT kComboId = 16460;
const UINT kEditId = 16461;

// A combo button that counts the notifications it runs.
class CCountingCombo : public CORXToolbarComboBoxButton
{
    DECLARE_DYNCREATE(CCountingCombo)

public:
    CCountingCombo() {}
    CCountingCombo(UINT uiID) : CORXToolbarComboBoxButton(uiID, -1) {}
    BOOL NotifyCommand(int iNotifyCode) override
    {
        m_nNotified++;
        return CORXToolbarComboBoxButton::NotifyCommand(iNotifyCode);
    }
    int m_nNotified = 0;
};
IMPLEMENT_DYNCREATE(CCountingCombo, CORXToolbarComboBoxButton)

CString TextOf(HWND hwnd)
{
    char sz[256] = {};
    ::GetWindowTextA(hwnd, sz, sizeof(sz));
    return sz;
}

int CountPostedCommands(HWND hwnd, UINT nID)
{
    int nCount = 0;
    MSG msg;
    while (::PeekMessage(&msg, hwnd, WM_COMMAND, WM_COMMAND, PM_REMOVE))
        if (LOWORD(msg.wParam) == nID)
            nCount++;
    return nCount;
}

void AddColours(CORXToolbarComboBoxButton& combo)
{
    combo.AddItem(_T("Red"), 11);
    combo.AddItem(_T("Green"), 22);
    combo.AddItem(_T("Blue"), 33);
}

class ComboEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CFrameWnd;
        ASSERT_TRUE(m_pFrame->Create(NULL, _T("Combo test"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 700, 300)));
        ASSERT_TRUE(m_bar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP));
        ASSERT_TRUE(m_second.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR + 1));
    }
    void TearDown() override
    {
        m_second.DestroyWindow();
        m_bar.DestroyWindow();
        m_pFrame->DestroyWindow();
    }
    CORXToolbarComboBoxButton* InsertCombo(CORXToolBar& bar)
    {
        CCountingCombo combo(kComboId);
        AddColours(combo);
        int iIndex = bar.InsertButtonCopy(combo);
        bar.AdjustLayout();
        return DYNAMIC_DOWNCAST(CORXToolbarComboBoxButton, bar.GetButton(iIndex));
    }

    CFrameWnd* m_pFrame = NULL;
    CORXToolBar m_bar;
    CORXToolBar m_second;
};
} // namespace

TEST(ComboBoxButton, SelectionStaysWithinTheItems)
{
    CORXToolbarComboBoxButton combo(kComboId, -1);
    EXPECT_EQ(150, combo.GetWidth());
    EXPECT_EQ(150, combo.GetDropDownHeight());
    EXPECT_EQ(0x50200403u, combo.GetComboStyle());
    EXPECT_FALSE(combo.SelectItem(0));
    AddColours(combo);
    EXPECT_TRUE(combo.SelectItem(1));
    EXPECT_STREQ("Green", combo.GetText());
    EXPECT_EQ(22u, combo.GetItemData());
    EXPECT_FALSE(combo.SelectItem(-1));
    EXPECT_FALSE(combo.SelectItem(3));
    EXPECT_EQ(1, combo.GetCurSel());
    EXPECT_STREQ("Green", combo.GetText());
    EXPECT_EQ(NULL, combo.GetItem(3));
}

TEST_F(ComboEditTest, ControlIsFilledFromTheButtonAndHiddenOnVerticalBars)
{
    CORXToolbarComboBoxButton* pCombo = InsertCombo(m_bar);
    ASSERT_NE(nullptr, pCombo);
    ASSERT_TRUE(pCombo->SelectItem(2, FALSE));
    CComboBox* pCtrl = pCombo->GetComboBox();
    ASSERT_NE(nullptr, pCtrl);
    ASSERT_NE(nullptr, (void*)pCtrl->GetSafeHwnd());
    EXPECT_EQ(&m_bar, pCtrl->GetParent());
    EXPECT_EQ(3, pCtrl->GetCount());
    EXPECT_EQ(2, pCtrl->GetCurSel());
    EXPECT_EQ(33u, (DWORD)pCtrl->GetItemData(2));

    CClientDC dc(&m_bar);
    pCombo->OnCalculateSize(&dc, CSize(23, 22), FALSE);
    EXPECT_FALSE(pCombo->IsWindowVisible());
    SIZE size = pCombo->OnCalculateSize(&dc, CSize(23, 22), TRUE);
    EXPECT_TRUE(pCombo->IsWindowVisible());
    EXPECT_EQ(150, size.cx);

    // Moved to another bar the control is made again there, with the items and selection kept.
    HWND hwndOld = pCtrl->GetSafeHwnd();
    pCombo->OnChangeParentWnd(&m_second);
    EXPECT_FALSE(::IsWindow(hwndOld));
    ASSERT_NE(nullptr, pCombo->GetComboBox());
    EXPECT_EQ(&m_second, pCombo->GetComboBox()->GetParent());
    EXPECT_EQ(2, pCombo->GetComboBox()->GetCurSel());
    pCombo->OnChangeParentWnd(NULL);
    EXPECT_EQ(nullptr, pCombo->GetComboBox());
    EXPECT_STREQ("Blue", pCombo->GetText());
}

TEST_F(ComboEditTest, ChoosingInOneComboMovesTheOthersAndNoSelectionStoresNothing)
{
    CORXToolbarComboBoxButton* pFirst = InsertCombo(m_bar);
    CORXToolbarComboBoxButton* pSecond = InsertCombo(m_second);
    ASSERT_NE(nullptr, pFirst);
    ASSERT_NE(nullptr, pSecond);
    ASSERT_TRUE(pFirst->SelectItem(0, FALSE));
    ASSERT_TRUE(pSecond->SelectItem(0, FALSE));

    pFirst->GetComboBox()->SetCurSel(1);
    EXPECT_TRUE(pFirst->NotifyCommand(CBN_SELENDOK));
    EXPECT_EQ(1, pFirst->GetCurSel());
    EXPECT_STREQ("Green", pFirst->GetText());
    EXPECT_EQ(1, pSecond->GetCurSel());
    EXPECT_EQ(1, pSecond->GetComboBox()->GetCurSel());
    EXPECT_STREQ("Green", pSecond->GetText());
    // The others follow quietly: a second notification would loop back to the first.
    EXPECT_EQ(0, static_cast<CCountingCombo*>(pSecond)->m_nNotified);

    // A list with nothing selected leaves every button's selection as it was.
    pFirst->GetComboBox()->SetCurSel(-1);
    EXPECT_TRUE(pFirst->NotifyCommand(CBN_SELENDOK));
    EXPECT_EQ(1, pFirst->GetCurSel());
    EXPECT_STREQ("Green", pFirst->GetText());
    EXPECT_EQ(1, pSecond->GetCurSel());

    // Through the bar: the owner gets the command once, with the notification code.
    CountPostedCommands(m_pFrame->GetSafeHwnd(), kComboId);
    pFirst->GetComboBox()->SetCurSel(2);
    m_bar.SendMessage(WM_COMMAND, MAKEWPARAM(kComboId, CBN_SELENDOK), (LPARAM)pFirst->GetHwnd());
    EXPECT_EQ(2, pSecond->GetCurSel());
    EXPECT_EQ(1, CountPostedCommands(m_pFrame->GetSafeHwnd(), kComboId));
}

TEST(ComboBoxButton, ArchiveKeepsItemsAndLoadingSelectsQuietly)
{
    CCountingCombo combo(kComboId);
    AddColours(combo);
    combo.SelectItem(2, FALSE);
    combo.OnSize(120);
    Bytes image = StoreToBytes(combo);

    CCountingCombo loaded;
    ASSERT_TRUE(LoadFromBytes(loaded, image));
    EXPECT_EQ(120, loaded.GetWidth());
    EXPECT_EQ(3, loaded.GetCount());
    EXPECT_STREQ("Blue", loaded.GetItem(2));
    EXPECT_EQ(33u, loaded.GetItemData(2));
    EXPECT_EQ(2, loaded.GetCurSel());
    EXPECT_STREQ("Blue", loaded.GetText());
    EXPECT_EQ(0, loaded.m_nNotified);
    EXPECT_EQ(120, loaded.Rect().Width());

    // A truncated image fails and leaves the items the button had.
    Bytes truncated(image.begin(), image.end() - 6);
    CCountingCombo damaged;
    damaged.AddItem(_T("Kept"));
    EXPECT_FALSE(LoadFromBytes(damaged, truncated));
    EXPECT_EQ(1, damaged.GetCount());
    EXPECT_STREQ("Kept", damaged.GetItem(0));

    // A stored selection outside the items selects nothing.
    CORXToolbarComboBoxButton single(kComboId, -1);
    single.AddItem(_T("Only"));
    single.SelectItem(0, FALSE);
    Bytes one = StoreToBytes(single);
    CORXToolbarComboBoxButton other;
    ASSERT_TRUE(LoadFromBytes(other, one));
    EXPECT_EQ(0, other.GetCurSel());
}

TEST(ComboBoxButton, ArchivesOfOlderVersionsHaveNoDropDownHeight)
{
    CTestWorkspace workspace;
    CORXToolbarComboBoxButton combo(kComboId, -1);
    combo.AddItem(_T("One"), 1);
    combo.SelectItem(0, FALSE);
    Bytes image = StoreToBytes(combo);
    // The image an older framework wrote: the same without the height (150) before the items.
    const Bytes height = {150, 0, 0, 0};
    auto it = std::find_end(image.begin(), image.end(), height.begin(), height.end());
    ASSERT_NE(image.end(), it);
    Bytes older(image.begin(), it);
    older.insert(older.end(), it + 4, image.end());

    workspace.SetSavedVersion(4, 70);
    CORXToolbarComboBoxButton loaded;
    ASSERT_TRUE(LoadFromBytes(loaded, older));
    EXPECT_EQ(150, loaded.GetDropDownHeight());
    EXPECT_EQ(1, loaded.GetCount());
    EXPECT_STREQ("One", loaded.GetText());

    workspace.SetSavedVersion(4, 72);
    CORXToolbarComboBoxButton current;
    ASSERT_TRUE(LoadFromBytes(current, image));
    EXPECT_EQ(1, current.GetCount());
    EXPECT_STREQ("One", current.GetItem(0));
}

TEST_F(ComboEditTest, EditBoxesOfOneCommandShareTheirContents)
{
    CORXToolbarEditBoxButton edit(kEditId, -1);
    int iFirst = m_bar.InsertButtonCopy(edit);
    int iSecond = m_second.InsertButtonCopy(edit);
    m_bar.AdjustLayout();
    m_second.AdjustLayout();
    CORXToolbarEditBoxButton* pFirst = DYNAMIC_DOWNCAST(CORXToolbarEditBoxButton, m_bar.GetButton(iFirst));
    CORXToolbarEditBoxButton* pSecond =
        DYNAMIC_DOWNCAST(CORXToolbarEditBoxButton, m_second.GetButton(iSecond));
    ASSERT_NE(nullptr, pFirst);
    ASSERT_NE(nullptr, pSecond);
    ASSERT_NE(nullptr, (void*)pFirst->GetHwnd());
    ASSERT_NE(nullptr, (void*)pSecond->GetHwnd());

    CountPostedCommands(m_pFrame->GetSafeHwnd(), kEditId);
    // Typing in the first: the control notifies its bar, which tells the button.
    ::SetWindowTextA(pFirst->GetHwnd(), "hello");
    EXPECT_EQ(CString("hello"), pFirst->GetContents());
    EXPECT_EQ(CString("hello"), pSecond->GetContents());
    EXPECT_EQ(CString("hello"), TextOf(pSecond->GetHwnd()));
    // Only the user's change reaches the owner; the copy written into the second is quiet.
    EXPECT_EQ(1, CountPostedCommands(m_pFrame->GetSafeHwnd(), kEditId));

    CClientDC dc(&m_bar);
    pFirst->OnCalculateSize(&dc, CSize(23, 22), FALSE);
    EXPECT_FALSE(::IsWindowVisible(pFirst->GetHwnd()));
}

TEST_F(ComboEditTest, EscapeInABarsComboOrEditGivesTheFocusBackToTheWindowThatHadIt)
{
    m_pFrame->ShowWindow(SW_SHOW);
    CEdit view;
    ASSERT_TRUE(view.Create(WS_CHILD | WS_VISIBLE, CRect(10, 120, 200, 140), m_pFrame, 1234));
    CORXToolbarComboBoxButton* pCombo = InsertCombo(m_bar);
    ASSERT_NE(nullptr, pCombo);
    CORXToolbarEditBoxButton edit(kEditId, -1);
    CORXToolbarEditBoxButton* pEdit =
        DYNAMIC_DOWNCAST(CORXToolbarEditBoxButton, m_second.GetButton(m_second.InsertButtonCopy(edit)));
    m_second.AdjustLayout();
    ASSERT_NE(nullptr, pEdit);
    for (HWND hwndField : {pCombo->GetComboBox()->GetSafeHwnd(), pEdit->GetHwnd()})
    {
        ASSERT_TRUE(hwndField != NULL);
        view.SetFocus();
        ::SetFocus(hwndField);
        ASSERT_EQ(hwndField, ::GetFocus());
        MSG msg = {};
        msg.hwnd = hwndField;
        msg.message = WM_KEYDOWN;
        msg.wParam = VK_ESCAPE;
        msg.lParam = 1;
        EXPECT_TRUE(CWnd::FromHandlePermanent(hwndField)->PreTranslateMessage(&msg));
        EXPECT_EQ(view.GetSafeHwnd(), ::GetFocus());
    }
    // The window that had the focus is gone: the frame takes it.
    ::SetFocus(pEdit->GetHwnd());
    view.DestroyWindow();
    MSG msg = {};
    msg.hwnd = pEdit->GetHwnd();
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_ESCAPE;
    msg.lParam = 1;
    EXPECT_TRUE(CWnd::FromHandlePermanent(pEdit->GetHwnd())->PreTranslateMessage(&msg));
    EXPECT_EQ(m_pFrame->GetSafeHwnd(), ::GetFocus());
}

TEST(EditBoxButton, ArchiveKeepsTheContentsWithAndWithoutAControl)
{
    CORXToolbarEditBoxButton edit(kEditId, -1, ES_AUTOHSCROLL, 90);
    edit.SetContents(_T("typed before the bar"));
    Bytes image = StoreToBytes(edit);
    CORXToolbarEditBoxButton loaded;
    ASSERT_TRUE(LoadFromBytes(loaded, image));
    EXPECT_EQ(CString("typed before the bar"), loaded.GetContents());
    EXPECT_EQ(90, loaded.GetWidth());
    EXPECT_EQ(90, loaded.Rect().Width());

    CORXToolbarEditBoxButton copy;
    copy.CopyFrom(loaded);
    EXPECT_EQ(CString("typed before the bar"), copy.GetContents());
    EXPECT_EQ(loaded.GetEditStyle(), copy.GetEditStyle());
}
