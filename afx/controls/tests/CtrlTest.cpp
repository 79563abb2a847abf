// Standard controls in a real parent window: driven through their wrappers, checked through raw
// Win32 messages, and owner-drawn items reflected back to the control objects.
#include <afxwin.h>
#include <afxcmn.h>
#include <afxdtctl.h>
#include <afxdlgs.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "TestWindowing.h"

CTestWinApp theCtrlTestApp("CtrlTests", "Velmora Control Tests");

namespace
{

const ::testing::Environment* const windowing = ::testing::AddGlobalTestEnvironment(new CTestWindowing);

// A framework window to hold the controls: it reflects owner-draw messages to them and records
// the notifications it hears.
class CHostWnd : public CWnd
{
public:
    std::vector<std::string> heard;

    BOOL CreateHost()
    {
        LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
        return CreateEx(0, cls, _T("Control host"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 400, 300, NULL,
                        NULL);
    }

protected:
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam)
    {
        char buf[64];
        sprintf(buf, "cmd %u/%u", LOWORD(wParam), HIWORD(wParam));
        heard.push_back(buf);
        return CWnd::OnCommand(wParam, lParam);
    }
};

// One host window for the whole suite: showing and destroying a top-level window is slow here.
class Host : public ::testing::Test
{
protected:
    static CHostWnd* hostWindow;
    CHostWnd& host = *hostWindow;
    static void SetUpTestSuite()
    {
        hostWindow = new CHostWnd;
        hostWindow->CreateHost();
    }
    static void TearDownTestSuite()
    {
        hostWindow->DestroyWindow();
        delete hostWindow;
        hostWindow = NULL;
        PumpPending();
    }
    void SetUp() override
    {
        ASSERT_TRUE(::IsWindow(host.m_hWnd));
        host.heard.clear();
    }
    void TearDown() override { PumpPending(); }
    CRect Cell(int n) const { return CRect(10, 10 + 30 * n, 200, 35 + 30 * n); }
};
CHostWnd* Host::hostWindow = NULL;

std::string RawText(HWND h)
{
    char buf[512] = "";
    ::GetWindowTextA(h, buf, sizeof buf);
    return buf;
}

// ------------------------------------------------------------------ buttons and statics

class COwnerButton : public CButton
{
public:
    int draws = 0;
    UINT lastAction = 0;
    void DrawItem(LPDRAWITEMSTRUCT dis) override
    {
        ++draws;
        lastAction = dis->itemAction;
        ::FillRect(dis->hDC, &dis->rcItem, (HBRUSH)::GetStockObject(BLACK_BRUSH));
    }
};

TEST_F(Host, ButtonsCheckStateAndTextGoThroughTheirMessages)
{
    CButton check;
    ASSERT_TRUE(check.Create(_T("Option"), WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, Cell(0), &host, 1001));
    EXPECT_EQ(&check, CWnd::FromHandlePermanent(check.m_hWnd));
    EXPECT_EQ(check.m_hWnd, ::GetDlgItem(host.m_hWnd, 1001));
    EXPECT_EQ("Option", RawText(check.m_hWnd));

    struct
    {
        int set;
        LRESULT raw;
    } cases[] = {{BST_CHECKED, BST_CHECKED}, {BST_UNCHECKED, BST_UNCHECKED}};
    for (auto& c : cases)
    {
        check.SetCheck(c.set);
        EXPECT_EQ(c.raw, ::SendMessage(check.m_hWnd, BM_GETCHECK, 0, 0));
        EXPECT_EQ(c.set, check.GetCheck());
    }
    ::SendMessage(check.m_hWnd, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(BST_CHECKED, check.GetCheck());
    check.SetState(TRUE);
    EXPECT_TRUE(check.GetState() & BST_PUSHED);
    EXPECT_EQ((UINT)BS_AUTOCHECKBOX, check.GetButtonStyle() & 0x0f);

    host.heard.clear();
    ::SendMessage(check.m_hWnd, BM_CLICK, 0, 0);
    PumpPending();
    EXPECT_EQ(BST_UNCHECKED, check.GetCheck());
    ASSERT_FALSE(host.heard.empty());
    EXPECT_EQ("cmd 1001/0", host.heard.back()) << "BN_CLICKED reaches the parent";

    CBitmap bmp;
    CClientDC dc(&host);
    bmp.CreateCompatibleBitmap(&dc, 8, 8);
    CButton pic;
    ASSERT_TRUE(pic.Create(_T(""), WS_CHILD | WS_VISIBLE | BS_BITMAP, Cell(1), &host, 1002));
    EXPECT_EQ(nullptr, pic.SetBitmap((HBITMAP)bmp.m_hObject));
    EXPECT_EQ((HBITMAP)bmp.m_hObject, pic.GetBitmap());

    CStatic label;
    ASSERT_TRUE(label.Create(_T("Zone:"), WS_CHILD | WS_VISIBLE | SS_LEFT, Cell(2), &host, 1003));
    EXPECT_EQ("Zone:", RawText(label.m_hWnd));
    CString text;
    label.GetWindowText(text);
    EXPECT_STREQ("Zone:", (LPCTSTR)text);
}

TEST_F(Host, OwnerDrawnButtonDrawsItselfThroughReflection)
{
    COwnerButton button;
    ASSERT_TRUE(button.Create(_T("Draw"), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, Cell(0), &host, 1010));
    host.UpdateWindow();
    button.Invalidate();
    button.UpdateWindow();
    PumpPending();
    EXPECT_GT(button.draws, 0);
    EXPECT_EQ((UINT)ODA_DRAWENTIRE, button.lastAction);
    // What it drew is on the screen, read back through the button's own context.
    CClientDC dc(&button);
    EXPECT_EQ(RGB(0, 0, 0), dc.GetPixel(5, 5));
}

// A child window that paints itself through CPaintDC in its WM_PAINT handler.
class CPainter : public CWnd
{
public:
    int paints = 0;
    CRect painted;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        ++paints;
        painted = dc.m_ps.rcPaint;
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, RGB(0, 128, 0));
        dc.Draw3dRect(&client, RGB(255, 255, 255), RGB(0, 0, 0));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPainter, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

TEST_F(Host, PaintContextCoversTheUpdateAreaAndDrawsOnTheWindow)
{
    CPainter painter;
    ASSERT_TRUE(painter.Create(NULL, _T(""), WS_CHILD | WS_VISIBLE, CRect(20, 20, 120, 80), &host, 1060));
    painter.Invalidate(FALSE);
    painter.UpdateWindow();
    EXPECT_GT(painter.paints, 0);
    EXPECT_TRUE(painter.painted == CRect(0, 0, 100, 60)) << "the whole client area was invalid";
    EXPECT_FALSE(::GetUpdateRect(painter.m_hWnd, NULL, FALSE)) << "EndPaint validated the window";

    CClientDC dc(&painter);
    EXPECT_EQ(RGB(0, 128, 0), dc.GetPixel(50, 30));
    EXPECT_EQ(RGB(255, 255, 255), dc.GetPixel(0, 0));
    EXPECT_EQ(RGB(0, 0, 0), dc.GetPixel(99, 59));
    CWindowDC wdc(&painter);
    EXPECT_EQ(RGB(0, 128, 0), wdc.GetPixel(50, 30)) << "no frame: window and client contexts coincide";
    EXPECT_EQ(&painter, dc.GetWindow());
}

TEST_F(Host, MenusLoadFromTheProgramsResourcesAndAttachToTheWindow)
{
    CMenu bar;
    ASSERT_TRUE(bar.LoadMenu(300));
    ASSERT_EQ(1u, bar.GetMenuItemCount());
    CMenu* popup = bar.GetSubMenu(0);
    ASSERT_NE(nullptr, popup);
    EXPECT_EQ(3u, popup->GetMenuItemCount());
    struct
    {
        int pos;
        UINT id;
        const char* text;
        bool checked;
    } items[] = {{0, 310, "&Options...", false}, {1, 0, "", false}, {2, 311, "E&xit", true}};
    for (auto& it : items)
    {
        EXPECT_EQ(it.id, popup->GetMenuItemID(it.pos));
        CString text;
        popup->GetMenuString(it.pos, text, MF_BYPOSITION);
        EXPECT_STREQ(it.text, (LPCTSTR)text);
        EXPECT_EQ(it.checked, (popup->GetMenuState(it.pos, MF_BYPOSITION) & MF_CHECKED) != 0);
    }
    CMenu none;
    EXPECT_FALSE(none.LoadMenu(399));
    EXPECT_EQ(nullptr, none.m_hMenu);

    CWnd frame;
    ASSERT_TRUE(frame.CreateEx(0, AfxRegisterWndClass(0), _T("Menu frame"), WS_OVERLAPPEDWINDOW, 0, 0, 200,
                               100, NULL, NULL));
    ASSERT_TRUE(frame.SetMenu(&bar));
    EXPECT_EQ(bar.m_hMenu, ::GetMenu(frame.m_hWnd));
    EXPECT_EQ(&bar, frame.GetMenu()) << "the window's menu maps back to the permanent object";
    frame.SetMenu(NULL);
    frame.DestroyWindow();
}

// ------------------------------------------------------------------ edit

TEST_F(Host, EditSelectionReplaceLimitAndLines)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL,
                            CRect(10, 10, 300, 150), &host, 1020));
    edit.SetWindowText(_T("first line\r\nsecond"));
    EXPECT_EQ(2, edit.GetLineCount());
    EXPECT_EQ(12, edit.LineIndex(1));
    EXPECT_EQ(6, edit.LineLength(12));

    TCHAR buf[64];
    int n = edit.GetLine(1, buf, 64);
    ASSERT_EQ(6, n);
    buf[n] = 0;
    EXPECT_STREQ("second", buf);
    n = edit.GetLine(0, buf, 5);
    EXPECT_EQ(5, n) << "the copy stops at the buffer's size";
    EXPECT_EQ(0, edit.GetLine(0, buf, 1)) << "a buffer too small for the size word gets nothing";

    edit.SetSel(0, 5);
    int start = -1, end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(0, start);
    EXPECT_EQ(5, end);
    EXPECT_EQ(MAKELONG(0, 5), (LONG)edit.GetSel());
    edit.ReplaceSel(_T("FIRST"));
    EXPECT_EQ("FIRST line\r\nsecond", RawText(edit.m_hWnd));

    edit.SetWindowText(_T(""));
    edit.LimitText(4);
    EXPECT_EQ(4u, edit.GetLimitText());
    edit.ReplaceSel(_T("abcdefgh"));
    EXPECT_EQ("abcd", RawText(edit.m_hWnd)) << "typing stops at the limit";

    edit.SetModify(FALSE);
    EXPECT_FALSE(edit.GetModify());
    EXPECT_TRUE(edit.SetReadOnly(TRUE));
    EXPECT_TRUE(edit.GetStyle() & ES_READONLY);
}

// ------------------------------------------------------------------ list and combo boxes

class COwnerList : public CListBox
{
public:
    std::vector<DWORD_PTR> measured;
    std::vector<DWORD_PTR> deleted;
    void DrawItem(LPDRAWITEMSTRUCT) override {}
    void MeasureItem(LPMEASUREITEMSTRUCT mis) override
    {
        measured.push_back(mis->itemData);
        mis->itemHeight = 21;
    }
    void DeleteItem(LPDELETEITEMSTRUCT dis) override { deleted.push_back(dis->itemData); }
};

TEST_F(Host, ListBoxItemsSelectionDataAndSearch)
{
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY | LBS_SORT,
                            CRect(10, 10, 200, 200), &host, 1030));
    const char* const names[] = {"Tokyo", "Berlin", "Lima", "Berlin West"};
    for (const char* name : names)
        EXPECT_GE(list.AddString(name), 0);
    EXPECT_EQ(4, list.GetCount());
    EXPECT_EQ(4, (int)::SendMessage(list.m_hWnd, LB_GETCOUNT, 0, 0));

    // Sorted by the list box itself.
    const char* const sorted[] = {"Berlin", "Berlin West", "Lima", "Tokyo"};
    for (int i = 0; i < 4; ++i)
    {
        CString text;
        list.GetText(i, text);
        EXPECT_STREQ(sorted[i], (LPCTSTR)text) << i;
    }
    CString none("stale");
    list.GetText(9, none);
    EXPECT_TRUE(none.IsEmpty()) << "a missing row reads as empty";

    struct
    {
        const char* find;
        int prefix, exact;
    } finds[] = {{"Berlin", 0, 0}, {"berlin west", 1, 1}, {"Li", 2, LB_ERR}, {"Paris", LB_ERR, LB_ERR}};
    for (auto& f : finds)
    {
        EXPECT_EQ(f.prefix, list.FindString(-1, f.find)) << f.find;
        EXPECT_EQ(f.exact, list.FindStringExact(-1, f.find)) << f.find;
    }

    EXPECT_EQ(LB_ERR, list.GetCurSel());
    EXPECT_EQ(3, list.SelectString(-1, "Tok"));
    EXPECT_EQ(3, (int)::SendMessage(list.m_hWnd, LB_GETCURSEL, 0, 0));
    list.SetCurSel(1);
    EXPECT_EQ(1, list.GetCurSel());

    list.SetItemData(2, 0xC0FFEE);
    EXPECT_EQ((DWORD_PTR)0xC0FFEE, list.GetItemData(2));
    EXPECT_EQ(0xC0FFEE, (int)::SendMessage(list.m_hWnd, LB_GETITEMDATA, 2, 0));

    EXPECT_EQ(3, list.DeleteString(0));
    EXPECT_EQ(1, list.InsertString(1, "Accra"));
    list.ResetContent();
    EXPECT_EQ(0, list.GetCount());
}

TEST_F(Host, OwnerDrawnListMeasuresAndDeletesThroughReflection)
{
    COwnerList list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_NOTIFY,
                            CRect(10, 10, 200, 200), &host, 1031));
    list.AddString((LPCTSTR)(DWORD_PTR)11);
    list.AddString((LPCTSTR)(DWORD_PTR)22);
    ASSERT_EQ(2u, list.measured.size());
    EXPECT_EQ((DWORD_PTR)11, list.measured[0]);
    EXPECT_EQ(21, list.GetItemHeight(0));
    list.DeleteString(0);
    ASSERT_EQ(1u, list.deleted.size());
    EXPECT_EQ((DWORD_PTR)11, list.deleted[0]);
}

TEST_F(Host, ComboBoxItemsSelectionAndText)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | WS_VSCROLL, CRect(10, 10, 200, 200),
                             &host, 1040));
    const char* const weeks[] = {"First", "Second", "Third", "Fourth", "Last"};
    for (const char* w : weeks)
        combo.AddString(w);
    EXPECT_EQ(5, combo.GetCount());
    EXPECT_EQ(CB_ERR, combo.GetCurSel());
    EXPECT_EQ(4, combo.SetCurSel(4));
    EXPECT_EQ(4, (int)::SendMessage(combo.m_hWnd, CB_GETCURSEL, 0, 0));
    EXPECT_EQ("Last", RawText(combo.m_hWnd)) << "a drop-down shows the selection in its edit";
    EXPECT_EQ(CB_ERR, combo.SetCurSel(7));

    CString text;
    combo.GetLBText(1, text);
    EXPECT_STREQ("Second", (LPCTSTR)text);
    combo.GetLBText(99, text);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(6, combo.GetLBTextLen(1));

    EXPECT_EQ(3, combo.FindString(-1, "Fo"));
    EXPECT_EQ(CB_ERR, combo.FindStringExact(-1, "Fo"));
    EXPECT_EQ(2, combo.FindStringExact(-1, "third"));
    EXPECT_EQ(0, combo.SelectString(-1, "Fi"));
    EXPECT_EQ(0, combo.GetCurSel());

    combo.SetItemData(3, 42);
    EXPECT_EQ((DWORD_PTR)42, combo.GetItemData(3));
    EXPECT_EQ(1, combo.InsertString(1, "Zeroth"));
    EXPECT_EQ((DWORD_PTR)42, combo.GetItemData(4)) << "data moves with its item";
    EXPECT_EQ(5, combo.DeleteString(1));
    combo.LimitText(3);
    combo.ResetContent();
    EXPECT_EQ(0, combo.GetCount());
}

TEST_F(Host, ScrollBarRangeAndPosition)
{
    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, Cell(0), &host, 1050));
    bar.SetScrollRange(-10, 90);
    int lo = 0, hi = 0;
    bar.GetScrollRange(&lo, &hi);
    EXPECT_EQ(-10, lo);
    EXPECT_EQ(90, hi);
    bar.SetScrollPos(30);
    EXPECT_EQ(30, bar.GetScrollPos());
    EXPECT_EQ(30, ::GetScrollPos(bar.m_hWnd, SB_CTL));
    SCROLLINFO si;
    si.fMask = SIF_PAGE;
    si.nPage = 11;
    bar.SetScrollInfo(&si);
    EXPECT_EQ(80, bar.GetScrollLimit()) << "the last position leaves a page in view";
}

} // namespace
