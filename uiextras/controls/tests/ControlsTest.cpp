// The small controls: the edit list box's header, its buttons and keys; the non-client strip; the
// spin control's draw states; the header control's hot item and painting; the menu button's pressed
// state while its menu is up.
#include <gtest/gtest.h>

#include <vector>

#include "ORXEditListBox.h"
#include "ORXSpinButtonCtrl.h"
#include "TestSupport.h"
#include "TestWindows.h"

namespace
{
struct EditListBox : ::testing::Test
{
    CHiddenTestParent parent;
    CORXEditListBox list;

    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateHidden());
        ASSERT_TRUE(list.Create(_T("Tools"), WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 240, 200), &parent, 200));
        ASSERT_TRUE(list.SetStandardButtons());
        list.AddItem(_T("First"), 1);
        list.AddItem(_T("Second"), 2);
        list.AddItem(_T("Third"), 3);
    }
    CString Rows()
    {
        CString str;
        for (int i = 0; i < list.GetCount(); i++)
            str += list.GetItemText(i) + _T(";");
        return str;
    }
    HWND ListWnd() { return list.GetListHwnd(); }
    void PressKey(UINT nKey, BYTE bModifier = 0) { SendKeyDown(ListWnd(), nKey, bModifier); }
};

// A header that records what it is asked to draw.
class CRecordingHeader : public CORXHeaderCtrl
{
public:
    struct CCall
    {
        int nItem;
        CRect rect;
        BOOL bPressed, bHot;
    };
    std::vector<CCall> calls;

protected:
    void OnDrawItem(CDC* pDC, int nItem, CRect rect, BOOL bIsPressed, BOOL bIsHighlighted) override
    {
        calls.push_back({nItem, rect, bIsPressed, bIsHighlighted});
    }
};

// A menu button whose mouse state the test sets.
class CTestMenuButton : public CORXMenuButton
{
public:
    void Press()
    {
        m_bPushed = TRUE;
        m_bClickiedInside = TRUE;
        m_bHover = TRUE;
        m_bHighlighted = TRUE;
        SetCapture();
        m_bCaptured = TRUE;
    }
    BOOL IsClickedInside() const { return m_bClickiedInside; }
};

HFONT MakeFont(int nHeight)
{
    LOGFONT lf = {0};
    lf.lfHeight = -nHeight;
    lstrcpy(lf.lfFaceName, _T("Tahoma"));
    return ::CreateFontIndirect(&lf);
}
} // namespace

TEST_F(EditListBox, HeaderHeightFollowsTheFontAboveItsMinimum)
{
    HFONT hFont = MakeFont(30);
    list.SendMessage(WM_SETFONT, (WPARAM)hFont, TRUE);
    TEXTMETRIC tm;
    {
        CClientDC dc(&list);
        HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hFont);
        dc.GetTextMetrics(&tm);
        ::SelectObject(dc.GetSafeHdc(), hOld);
    }
    EXPECT_EQ(tm.tmHeight * 4 / 3, list.GetCaptionRect().Height());
    EXPECT_NE((HFONT)NULL, (HFONT)list.SendMessage(WM_GETFONT));

    // The buttons stand at the right end of the header, right to left in the order they were added.
    CRect rectFirst, rectSecond, rectClient;
    list.GetButton(0)->GetWindowRect(rectFirst);
    list.GetButton(1)->GetWindowRect(rectSecond);
    list.ScreenToClient(rectFirst);
    list.GetClientRect(rectClient);
    EXPECT_EQ(rectClient.right - 20 - 1, rectFirst.left);
    EXPECT_EQ(rectFirst.left - 20, rectSecond.left) << "each button 20 pixels left of the one before";
    ::DeleteObject(hFont);
}

TEST_F(EditListBox, ButtonsAndKeysDeleteAndMoveTheSelectedRow)
{
    list.SelectItem(1);
    list.OnClickButton(1); // Delete
    EXPECT_EQ(CString(_T("First;Third;")), Rows());

    list.SelectItem(1);
    PressKey(VK_UP, VK_MENU);
    EXPECT_EQ(CString(_T("Third;First;")), Rows());
    EXPECT_EQ(0, list.GetSelItem());
    EXPECT_EQ(3u, (UINT)list.GetItemData(0));

    PressKey(VK_UP, VK_MENU);
    EXPECT_EQ(CString(_T("Third;First;")), Rows()) << "the top row goes no higher";

    // Delete with Ctrl and Shift held is not the button's key: the row stays.
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = keys[VK_SHIFT] = 0x80;
    ::SetKeyboardState(keys);
    ::SendMessage(ListWnd(), WM_KEYDOWN, VK_DELETE, 1);
    keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
    ::SetKeyboardState(keys);
    EXPECT_EQ(2, list.GetCount());

    PressKey(VK_DELETE);
    EXPECT_EQ(CString(_T("First;")), Rows());
}

TEST_F(EditListBox, NewRowIsKeptOnlyWithAName)
{
    auto labelEdit = [&] { return (HWND)::SendMessage(ListWnd(), LVM_GETEDITCONTROL, 0, 0); };
    auto finishEdit = [&](LPCTSTR pszText) {
        HWND hEdit = labelEdit();
        ASSERT_NE((HWND)NULL, hEdit);
        ::SetWindowText(hEdit, pszText);
        ::SendMessage(hEdit, WM_KEYDOWN, VK_RETURN, 1);
        PumpPending();
    };

    list.OnClickButton(0); // New
    ASSERT_EQ(4, list.GetCount());
    ::SendMessage(ListWnd(), LVM_CANCELEDITLABEL, 0, 0);
    PumpPending();
    EXPECT_EQ(3, list.GetCount()) << "a cancelled new row goes";

    PressKey(VK_INSERT);
    finishEdit(_T("  Fourth "));
    EXPECT_EQ(CString(_T("First;Second;Third;Fourth;")), Rows());

    list.SelectItem(0);
    list.EditItem(0);
    finishEdit(_T(""));
    EXPECT_EQ(CString(_T("First")), list.GetItemText(0)) << "an emptied name keeps the old one";
    EXPECT_TRUE(list.GetButton(0)->IsWindowEnabled()) << "the buttons come back when the edit ends";
}

TEST(NonClientWnd, StripTakesTwentyPixelsAndFixedSizeKeepsItsSize)
{
    CHiddenTestParent parent;
    ASSERT_TRUE(parent.CreateHidden());

    CORXNonClientWnd strip;
    strip.SetStrip();
    ASSERT_TRUE(strip.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 50),
                               &parent, 1));
    strip.SetWindowPos(NULL, 0, 0, 120, 50, SWP_NOZORDER | SWP_FRAMECHANGED);
    CRect rectClient, rectWindow;
    strip.GetClientRect(rectClient);
    strip.GetWindowRect(rectWindow);
    EXPECT_EQ(100, rectClient.Width());
    EXPECT_EQ(rectWindow.right - 20, strip.GetStripRect().left);
    EXPECT_EQ((UINT)HTCAPTION,
              (UINT)strip.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rectWindow.right - 5, rectWindow.top + 5)));

    CORXNonClientWnd fixed;
    fixed.SetFixedSize();
    fixed.SetStrip();
    ASSERT_TRUE(fixed.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 50),
                               &parent, 2));
    fixed.SetWindowPos(NULL, 0, 0, 300, 300, SWP_NOZORDER | SWP_NOMOVE);
    fixed.GetClientRect(rectClient);
    EXPECT_EQ(CSize(100, 50), rectClient.Size());
    EXPECT_TRUE(fixed.GetStripRect().IsRectEmpty());
}

TEST(SpinButton, PressedHalfFollowsTheMouseWhileTheButtonIsHeld)
{
    CHiddenTestParent parent;
    ASSERT_TRUE(parent.CreateHidden());
    CORXSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_CHILD | WS_VISIBLE | UDS_ARROWKEYS, CRect(0, 0, 16, 40), &parent, 3));
    spin.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(8, 5));
    EXPECT_EQ(1 | 4, spin.GetDrawState());
    spin.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(8, 35));
    EXPECT_EQ(2 | 8, spin.GetDrawState());
    spin.SendMessage(WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(2, spin.GetDrawState()) << "leaving clears the hot halves but keeps the pressed one";
    spin.SendMessage(WM_CANCELMODE, 0, 0);
    EXPECT_EQ(0, spin.GetDrawState());
    spin.EnableWindow(FALSE);
    EXPECT_EQ(16, spin.GetDrawState());
}

TEST(HeaderCtrl, HotItemFollowsTheMouseOnlyWithNoButtonHeld)
{
    CHiddenTestParent parent;
    ASSERT_TRUE(parent.CreateHidden());
    CRecordingHeader header;
    ASSERT_TRUE(header.Create(WS_CHILD | WS_VISIBLE | HDS_HORZ, CRect(0, 0, 300, 20), &parent, 4));
    HDITEM item = {HDI_TEXT | HDI_WIDTH};
    item.cxy = 100;
    item.pszText = (LPTSTR) _T("Name");
    header.InsertItem(0, &item);
    item.pszText = (LPTSTR) _T("Value");
    header.InsertItem(1, &item);

    header.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(150, 10));
    EXPECT_EQ(1, header.GetHighlightedItem());
    header.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(50, 10));
    EXPECT_EQ(1, header.GetHighlightedItem()) << "a drag keeps the hot item";
    header.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(250, 10));
    EXPECT_EQ(-1, header.GetHighlightedItem()) << "right of the last item nothing is hot";
    header.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(50, 10));
    EXPECT_EQ(0, header.GetHighlightedItem());
    header.SendMessage(WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(-1, header.GetHighlightedItem());
    header.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(50, 10));
    header.SendMessage(WM_CANCELMODE, 0, 0);
    EXPECT_EQ(-1, header.GetHighlightedItem());
    EXPECT_FALSE(header.IsDialogControl());
}

TEST(HeaderCtrl, PaintsEachItemThenTheRestOfTheRow)
{
    CHiddenTestParent parent;
    ASSERT_TRUE(parent.CreateHidden());
    CRecordingHeader header;
    ASSERT_TRUE(header.Create(WS_CHILD | WS_VISIBLE | HDS_HORZ, CRect(0, 0, 300, 20), &parent, 5));
    header.SendMessage(WM_PAINT);
    ASSERT_EQ(1u, header.calls.size());
    EXPECT_EQ(-1, header.calls[0].nItem) << "without items the whole header is the rest";
    EXPECT_EQ(CRect(0, 0, 300, 20), header.calls[0].rect);

    HDITEM item = {HDI_TEXT | HDI_WIDTH};
    item.cxy = 80;
    item.pszText = (LPTSTR) _T("Name");
    header.InsertItem(0, &item);
    item.cxy = 120;
    header.InsertItem(1, &item);
    header.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(150, 10));
    header.calls.clear();
    header.SendMessage(WM_PAINT);
    ASSERT_EQ(3u, header.calls.size());
    EXPECT_EQ(0, header.calls[0].nItem);
    EXPECT_FALSE(header.calls[0].bHot);
    EXPECT_EQ(1, header.calls[1].nItem);
    EXPECT_TRUE(header.calls[1].bHot);
    EXPECT_EQ(CRect(80, 0, 200, 20), header.calls[1].rect);
    EXPECT_EQ(-1, header.calls[2].nItem);
    EXPECT_EQ(CRect(200, 0, 301, 20), header.calls[2].rect) << "to one pixel past the right edge";
    EXPECT_FALSE(header.calls[2].bHot);
}

TEST(MenuButton, StaysPressedWhileItsMenuIsUpAndWantsArrows)
{
    CHiddenTestParent parent;
    ASSERT_TRUE(parent.CreateHidden());
    CTestMenuButton button;
    ASSERT_TRUE(
        button.Create(_T("Options"), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 80, 22), &parent, 6));
    EXPECT_EQ((UINT)DLGC_WANTARROWS, (UINT)button.SendMessage(WM_GETDLGCODE));
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 100, _T("First"));
    button.m_hMenu = menu.GetSafeHmenu();
    button.m_bStayPressed = TRUE;

    // Losing the focus to the menu leaves the button pushed but neither hot nor captured.
    button.Press();
    button.SendMessage(WM_KILLFOCUS, (WPARAM)parent.GetSafeHwnd());
    EXPECT_TRUE(button.IsPushed());
    EXPECT_FALSE(button.IsHighlighted());
    EXPECT_FALSE(button.IsHotInside());
    EXPECT_FALSE(button.IsClickedInside());
    EXPECT_NE(button.GetSafeHwnd(), ::GetCapture());

    // The release of the click that opened the menu does not pop the button up either.
    button.Press();
    button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(button.IsPushed());
    EXPECT_FALSE(button.IsClickedInside());
    EXPECT_NE(button.GetSafeHwnd(), ::GetCapture());

    // Without the option it is a plain button again.
    button.m_bStayPressed = FALSE;
    button.Press();
    button.SendMessage(WM_KILLFOCUS, (WPARAM)parent.GetSafeHwnd());
    EXPECT_FALSE(button.IsPushed());
    button.m_hMenu = NULL;
}
