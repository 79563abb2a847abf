// The property list: rows in both views, groups, scrolling and its limits, the column divider,
// keys, in-place editing and what the owner hears, the kinds' values.
#include <gtest/gtest.h>

#include "ORXColorMenuButton.h"
#include "ORXPropList.h"
#include "TestSupport.h"
#include "TestWindows.h"

namespace
{
// The owner: counts the changes the list reports and keeps the last property.
class CPropOwner : public CHiddenTestParent
{
public:
    int m_nChanged = 0;
    CORXProp* m_pLast = NULL;
    WPARAM m_wLastId = 0;

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == ORXM_PROPERTYCHANGED)
        {
            m_nChanged++;
            m_pLast = (CORXProp*)lParam;
            m_wLastId = wParam;
            return 0;
        }
        return CHiddenTestParent::WindowProc(message, wParam, lParam);
    }
};

// A font row whose dialog answers at once with the font it is given.
class CScriptedFontProp : public CORXFontProp
{
public:
    CScriptedFontProp(const LOGFONT& lf, COLORREF color)
        : CORXFontProp(_T("Font"), lf, CF_EFFECTS, NULL, 0, color), m_lfChosen(lf), m_clrChosen(color)
    {
    }
    LOGFONT m_lfChosen;
    COLORREF m_clrChosen;
    int m_nOpened = 0;
    virtual void OnClickButton(CPoint)
    {
        m_nOpened++;
        m_lf = m_lfChosen;
        m_Color = m_clrChosen;
    }
};

// Opens the list's inner state to the tests that need a zero row height.
class CTestPropList : public CORXPropList
{
public:
    void ForceRowHeight(int nHeight) { m_nRowHeight = nHeight; }
    HWND TipHwnd() const { return m_ToolTip.GetSafeHwnd(); }
    int m_nDescriptionsDrawn = 0;
    void OnDrawDescription(CDC* pDC, CRect rect) override
    {
        m_nDescriptionsDrawn++;
        CORXPropList::OnDrawDescription(pDC, rect);
    }
};

// Alt+Down as the keyboard sends it: a system key whose context code says Alt is held.
const LPARAM kAltDownContext = 0x20000001;

struct PropList : ::testing::Test
{
    CPropOwner owner;
    CTestPropList list;

    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateHidden(400, 300));
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 240), &owner, 77));
    }
    // Two categories: "Look" with Caption, Size (a list), Visible; "Place" with Position (X, Y) and Alpha.
    void FillSmall()
    {
        CORXProp* pLook = new CORXProp(_T("Look"));
        pLook->AddSubItem(new CORXProp(_T("Caption"), CORXVariant::FromText(_T("Clock")), _T("Title")));
        CORXProp* pSize = new CORXProp(_T("Size"), CORXVariant::FromLong(10));
        pSize->AddOption(_T("8"));
        pSize->AddOption(_T("10"));
        pLook->AddSubItem(pSize);
        pLook->AddSubItem(new CORXProp(_T("Visible"), CORXVariant::FromBool(TRUE)));
        list.AddProperty(pLook);
        CORXProp* pPlace = new CORXProp(_T("Place"));
        CORXProp* pPos = new CORXProp(_T("Position"), 0, TRUE);
        pPos->AddSubItem(new CORXProp(_T("X"), CORXVariant::FromLong(1)));
        pPos->AddSubItem(new CORXProp(_T("Y"), CORXVariant::FromLong(2)));
        pPlace->AddSubItem(pPos);
        pPlace->AddSubItem(new CORXProp(_T("Alpha"), CORXVariant::FromLong(3)));
        list.AddProperty(pPlace);
    }
    // n plain rows named "Row 0000" ... at the top level.
    void FillRows(int n)
    {
        for (int i = 0; i < n; i++)
        {
            CString str;
            str.Format(_T("Row %04d"), i);
            list.AddProperty(new CORXProp(str, CORXVariant::FromLong(i)), FALSE);
        }
        list.AdjustLayout();
    }
    CString Shown()
    {
        CString str;
        for (int i = 0; i < list.GetShownCount(); i++)
            str += list.GetShown(i)->GetName() + _T(";");
        return str;
    }
    CORXProp* Find(LPCTSTR pszName)
    {
        for (int i = 0; i < list.GetShownCount(); i++)
            if (list.GetShown(i)->GetName() == pszName)
                return list.GetShown(i);
        return NULL;
    }
    void Key(UINT nKey, BYTE bModifier = 0) { SendKeyDown(list.GetSafeHwnd(), nKey, bModifier); }
    void Click(CPoint pt, UINT message = WM_LBUTTONDOWN)
    {
        list.SendMessage(message, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        if (message == WM_LBUTTONDOWN)
            list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    }
    CPoint ValuePoint(CORXProp* pProp)
    {
        return CPoint(list.GetListRect().left + list.GetLeftColumnWidth() + 10,
                      pProp->GetRect().CenterPoint().y);
    }
};
} // namespace

TEST_F(PropList, CategorisedViewIndentsByLevelAndAlphabeticalViewSortsWithoutCategories)
{
    FillSmall();
    EXPECT_EQ(CString(_T("Look;Caption;Size;Visible;Place;Position;X;Y;Alpha;")), Shown());
    const int h = list.GetRowHeight();
    ASSERT_GT(h, 0);
    EXPECT_EQ(list.GetListRect().left, Find(_T("Look"))->GetRect().left);
    EXPECT_EQ(list.GetListRect().left + h, Find(_T("Caption"))->GetRect().left);
    EXPECT_EQ(list.GetListRect().left + 2 * h, Find(_T("X"))->GetRect().left);
    // Rows stack one row height apart from the list's top - 1.
    EXPECT_EQ(list.GetListRect().top - 1, list.GetShown(0)->GetRect().top);
    EXPECT_EQ(list.GetListRect().top - 1 + 5 * h, Find(_T("Position"))->GetRect().top);

    list.SetAlphabeticMode(TRUE);
    // The group of values is one item; its parts follow it while it is open.
    EXPECT_EQ(CString(_T("Alpha;Caption;Position;X;Y;Size;Visible;")), Shown());
    EXPECT_EQ(list.GetListRect().left, Find(_T("Position"))->GetRect().left);
    EXPECT_EQ(list.GetListRect().left + h, Find(_T("Caption"))->GetRect().left);
    EXPECT_TRUE(list.GetProperty(0)->GetRect().IsRectEmpty());
    Find(_T("Position"))->Expand(FALSE);
    EXPECT_EQ(CString(_T("Alpha;Caption;Position;Size;Visible;")), Shown());
    // A closed category hides nothing here: its rows are listed on their own.
    list.GetProperty(0)->Expand(FALSE);
    EXPECT_EQ(CString(_T("Alpha;Caption;Position;Size;Visible;")), Shown());
    // But the parts of an open group of values stay hidden while its category is closed.
    Find(_T("Position"))->Expand(TRUE);
    list.GetProperty(1)->Expand(FALSE);
    EXPECT_EQ(CString(_T("Alpha;Caption;Position;Size;Visible;")), Shown());
    EXPECT_TRUE(list.GetProperty(1)->GetSubItem(0)->GetSubItem(0)->GetRect().IsRectEmpty());
    list.GetProperty(1)->Expand(TRUE);
    EXPECT_EQ(CString(_T("Alpha;Caption;Position;X;Y;Size;Visible;")), Shown());
    Find(_T("Position"))->Expand(FALSE);

    list.SetAlphabeticMode(FALSE);
    EXPECT_EQ(CString(_T("Look;Place;Position;Alpha;")), Shown());
}

TEST_F(PropList, EqualNamesKeepTheirOrderInTheAlphabeticalView)
{
    list.AddProperty(new CORXProp(_T("b"), CORXVariant::FromLong(1), NULL, 1));
    list.AddProperty(new CORXProp(_T("a"), CORXVariant::FromLong(2), NULL, 2));
    list.AddProperty(new CORXProp(_T("b"), CORXVariant::FromLong(3), NULL, 3));
    list.AddProperty(new CORXProp(_T("a"), CORXVariant::FromLong(4), NULL, 4));
    list.SetAlphabeticMode(TRUE);
    ASSERT_EQ(4, list.GetShownCount());
    EXPECT_EQ(2u, list.GetShown(0)->GetData());
    EXPECT_EQ(4u, list.GetShown(1)->GetData());
    EXPECT_EQ(1u, list.GetShown(2)->GetData());
    EXPECT_EQ(3u, list.GetShown(3)->GetData());
    // A renamed row takes its new place.
    list.GetShown(0)->SetName(_T("c"));
    EXPECT_EQ(2u, list.GetShown(3)->GetData());
}

TEST_F(PropList, ClicksOnTheExpandBoxAndDoubleClicksToggleGroups)
{
    FillSmall();
    CORXProp* pLook = list.GetProperty(0);
    Click(CPoint(pLook->GetRect().left + 2, pLook->GetRect().CenterPoint().y));
    EXPECT_FALSE(pLook->IsExpanded());
    EXPECT_EQ(CString(_T("Look;Place;Position;X;Y;Alpha;")), Shown());
    EXPECT_EQ(pLook, list.GetCurSel());
    Click(CPoint(pLook->GetRect().left + 2, pLook->GetRect().CenterPoint().y));
    EXPECT_TRUE(pLook->IsExpanded());
    // A double click on a category's name toggles it too.
    CPoint ptName(pLook->GetRect().left + list.GetRowHeight() + 10, pLook->GetRect().CenterPoint().y);
    Click(ptName);
    Click(ptName, WM_LBUTTONDBLCLK);
    EXPECT_FALSE(pLook->IsExpanded());
    // Keys: Left closes, Right opens, numeric plus and minus as well.
    Key(VK_RIGHT);
    EXPECT_TRUE(pLook->IsExpanded());
    Key(VK_LEFT);
    EXPECT_FALSE(pLook->IsExpanded());
    Key(VK_ADD);
    EXPECT_TRUE(pLook->IsExpanded());
    Key(VK_SUBTRACT);
    EXPECT_FALSE(pLook->IsExpanded());
}

TEST_F(PropList, ScrollRangeNeverGoesNegative)
{
    // Empty: no range, and every scroll stays at the top.
    EXPECT_EQ(0, list.GetScrollMax());
    for (UINT code : {SB_BOTTOM, SB_PAGEDOWN, SB_LINEDOWN, SB_LINEUP, SB_THUMBPOSITION})
    {
        list.SendMessage(WM_VSCROLL, MAKEWPARAM(code, 5), 0);
        EXPECT_EQ(0, list.GetFirstVisible()) << code;
    }
    SCROLLINFO si = {sizeof(si), SIF_ALL};
    ASSERT_TRUE(::GetScrollInfo(list.m_hWnd, SB_VERT, &si));
    EXPECT_GE(si.nMax, 0);
    // Fewer rows than a page: still the top.
    FillRows(3);
    list.SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(0, list.GetFirstVisible());
    list.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 2), 0);
    EXPECT_EQ(0, list.GetFirstVisible());
    // Many rows: the bottom shows the last page whole; the top again after.
    list.RemoveAll();
    FillRows(100);
    const int nPage = list.GetRowsPerPage();
    ASSERT_GT(nPage, 0);
    list.SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(100 - nPage, list.GetFirstVisible());
    EXPECT_EQ(::GetScrollPos(list.m_hWnd, SB_VERT), list.GetFirstVisible());
    list.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(100 - nPage, list.GetFirstVisible());
    list.SendMessage(WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(0, list.GetFirstVisible());
    // Taking rows away brings the position back into the range.
    list.SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
    list.RemoveAll();
    FillRows(2);
    EXPECT_EQ(0, list.GetFirstVisible());
    EXPECT_EQ(1, list.GetScrollMax());
}

TEST_F(PropList, EnsureVisiblePutsAFarRowFirstAndACutRowOneLineIn)
{
    FillRows(100);
    const int nPage = list.GetRowsPerPage();
    ASSERT_GT(nPage, 3);
    list.EnsureVisible(list.GetShown(50));
    EXPECT_EQ(50, list.GetFirstVisible());
    EXPECT_EQ(list.GetListRect().top - 1, list.GetShown(50)->GetRect().top);
    // A row above the list, wholly outside.
    list.EnsureVisible(list.GetShown(10));
    EXPECT_EQ(10, list.GetFirstVisible());
    // A far row near the end: as far as the range goes, and it is then in view.
    list.EnsureVisible(list.GetShown(98));
    EXPECT_EQ(100 - nPage, list.GetFirstVisible());
    EXPECT_LE(list.GetShown(98)->GetRect().bottom, list.GetListRect().bottom);
    // A row that the bottom edge cuts: one line down.
    list.SendMessage(WM_VSCROLL, SB_TOP, 0);
    CORXProp* pCut = NULL;
    for (int i = 0; i < list.GetShownCount(); i++)
    {
        const CRect& r = list.GetShown(i)->GetRect();
        if (r.bottom > list.GetListRect().bottom && r.top < list.GetListRect().bottom)
            pCut = list.GetShown(i);
    }
    if (pCut != NULL)
    {
        list.EnsureVisible(pCut);
        EXPECT_EQ(1, list.GetFirstVisible());
    }
}

TEST_F(PropList, ZeroRowHeightIsGuardedEverywhere)
{
    FillRows(20);
    CORXProp* pRow = list.GetShown(15);
    list.SetCurSel(list.GetShown(1));
    list.ForceRowHeight(0);
    list.EnsureVisible(pRow);
    EXPECT_EQ(NULL, list.HitTest(CPoint(10, 30)));
    list.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-240), 0);
    for (UINT nKey : {VK_NEXT, VK_PRIOR, VK_END, VK_HOME, VK_DOWN, VK_UP})
        Key(nKey);
    list.ReposProperties();
    list.RedrawWindow();
    list.SetDescriptionHeightFrom(100);
    list.SetLeftColumnWidthFrom(-5);
    EXPECT_GE(list.GetLeftColumnWidth(), 0);
    // The layout brings the height back from the font.
    list.AdjustLayout();
    EXPECT_GT(list.GetRowHeight(), 0);
    list.EnsureVisible(pRow);
    EXPECT_LE(pRow->GetRect().bottom, list.GetListRect().bottom);
}

TEST_F(PropList, MouseWheelKeepsWhatIsShortOfALine)
{
    FillRows(100);
    auto Wheel = [&](short delta) { list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)delta), 0); };
    Wheel(-120);
    EXPECT_EQ(1, list.GetFirstVisible());
    Wheel(-60);
    EXPECT_EQ(1, list.GetFirstVisible());
    Wheel(-60);
    EXPECT_EQ(2, list.GetFirstVisible());
    Wheel(-360);
    EXPECT_EQ(5, list.GetFirstVisible());
    for (int i = 0; i < 3; i++)
        Wheel(40);
    EXPECT_EQ(4, list.GetFirstVisible());
    Wheel(100);
    Wheel(-100);
    EXPECT_EQ(4, list.GetFirstVisible());
}

TEST_F(PropList, ColumnDividerResizesWithinItsLimitsAndKeepsTheSelection)
{
    FillSmall();
    CRect rectClient;
    list.GetClientRect(rectClient);
    EXPECT_EQ(rectClient.Width() / 2, list.GetLeftColumnWidth());
    CORXProp* pCaption = Find(_T("Caption"));
    list.SetCurSel(pCaption);
    // A press on the divider drags it and selects nothing.
    CORXProp* pSize = Find(_T("Size"));
    const int xDivider = list.GetListRect().left + list.GetLeftColumnWidth();
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(xDivider, pSize->GetRect().CenterPoint().y));
    list.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, pSize->GetRect().CenterPoint().y));
    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(60, pSize->GetRect().CenterPoint().y));
    EXPECT_EQ(pCaption, list.GetCurSel());
    EXPECT_EQ(60, list.GetLeftColumnWidth());
    HDITEM item = {0};
    item.mask = HDI_WIDTH;
    list.GetHeaderCtrl().GetItem(0, &item);
    EXPECT_EQ(62, item.cxy);
    // Limits: one row height, and the scroll bar's width + 5 from the right.
    list.SetLeftColumnWidthFrom(2);
    EXPECT_EQ(list.GetRowHeight(), list.GetLeftColumnWidth());
    list.SetLeftColumnWidthFrom(5000);
    EXPECT_EQ(rectClient.Width() - ::GetSystemMetrics(SM_CXVSCROLL) - 5, list.GetLeftColumnWidth());
    // Ctrl+Left and Ctrl+Right: five pixels at once.
    list.SetLeftColumnWidthFrom(100);
    Key(VK_RIGHT, VK_CONTROL);
    EXPECT_EQ(105, list.GetLeftColumnWidth());
    Key(VK_LEFT, VK_CONTROL);
    Key(VK_LEFT, VK_CONTROL);
    EXPECT_EQ(95, list.GetLeftColumnWidth());
    EXPECT_EQ(pCaption, list.GetCurSel());
    // A new size puts the divider back in the middle.
    list.SetWindowPos(NULL, 0, 0, 360, 240, SWP_NOMOVE | SWP_NOZORDER);
    list.GetClientRect(rectClient);
    EXPECT_EQ(rectClient.Width() / 2, list.GetLeftColumnWidth());
}

TEST_F(PropList, KeysMoveTheSelectionAndPageThroughTheRows)
{
    FillRows(60);
    const int nPage = list.GetRowsPerPage();
    Key(VK_DOWN);
    EXPECT_EQ(list.GetShown(0), list.GetCurSel());
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(list.GetShown(2), list.GetCurSel());
    Key(VK_UP);
    EXPECT_EQ(list.GetShown(1), list.GetCurSel());
    Key(VK_END);
    EXPECT_EQ(list.GetShown(59), list.GetCurSel());
    EXPECT_EQ(60 - nPage, list.GetFirstVisible());
    Key(VK_HOME);
    EXPECT_EQ(list.GetShown(0), list.GetCurSel());
    EXPECT_EQ(0, list.GetFirstVisible());
    Key(VK_NEXT);
    EXPECT_EQ(list.GetShown(nPage), list.GetCurSel());
    Key(VK_PRIOR);
    EXPECT_EQ(list.GetShown(0), list.GetCurSel());
    // Down below the last row on the screen scrolls one line.
    for (int i = 0; i < nPage; i++)
        Key(VK_DOWN);
    EXPECT_EQ(list.GetShown(nPage), list.GetCurSel());
    EXPECT_LE(list.GetCurSel()->GetRect().bottom, list.GetListRect().bottom);
    EXPECT_GE(list.GetCurSel()->GetRect().top, list.GetListRect().top - 1);
}

TEST_F(PropList, AnEditedValueIsReportedOnceAndOnlyWhenItChanged)
{
    FillSmall();
    CORXProp* pCaption = Find(_T("Caption"));
    list.SetCurSel(pCaption);
    ASSERT_TRUE(list.EditItem(pCaption));
    ASSERT_NE((CWnd*)NULL, pCaption->GetInPlaceWnd());
    EXPECT_EQ(CString(_T("Clock")), pCaption->FormatProperty());
    pCaption->GetInPlaceWnd()->SetWindowText(_T("Alarm"));
    EXPECT_TRUE(list.EndEditItem(TRUE));
    EXPECT_FALSE(pCaption->IsInPlaceEditing());
    EXPECT_EQ(CString(_T("Alarm")), pCaption->FormatProperty());
    EXPECT_EQ(1, owner.m_nChanged);
    EXPECT_EQ(pCaption, owner.m_pLast);
    EXPECT_EQ(77u, owner.m_wLastId);
    // The same text again: nothing to report. Escape: nothing kept.
    ASSERT_TRUE(list.EditItem(pCaption));
    EXPECT_TRUE(list.EndEditItem(TRUE));
    ASSERT_TRUE(list.EditItem(pCaption));
    pCaption->GetInPlaceWnd()->SetWindowText(_T("Dropped"));
    pCaption->GetInPlaceWnd()->SendMessage(WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_FALSE(pCaption->IsInPlaceEditing());
    EXPECT_EQ(CString(_T("Alarm")), pCaption->FormatProperty());
    EXPECT_EQ(1, owner.m_nChanged);
    // Enter keeps the text.
    ASSERT_TRUE(list.EditItem(pCaption));
    pCaption->GetInPlaceWnd()->SetWindowText(_T("Kept"));
    pCaption->GetInPlaceWnd()->SendMessage(WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(CString(_T("Kept")), pCaption->FormatProperty());
    EXPECT_EQ(2, owner.m_nChanged);
}

TEST_F(PropList, NumbersRefuseTextsThatAreNoNumbers)
{
    FillSmall();
    CORXProp* pAlpha = Find(_T("Alpha"));
    list.SetCurSel(pAlpha);
    ASSERT_TRUE(list.EditItem(pAlpha));
    pAlpha->GetInPlaceWnd()->SetWindowText(_T("12x"));
    EXPECT_FALSE(list.EndEditItem(TRUE));
    EXPECT_TRUE(pAlpha->IsInPlaceEditing());
    EXPECT_EQ(VT_I4, pAlpha->GetValue().vt);
    EXPECT_EQ(3, pAlpha->GetValue().lVal);
    pAlpha->GetInPlaceWnd()->SetWindowText(_T(" -42 "));
    EXPECT_TRUE(list.EndEditItem(TRUE));
    EXPECT_EQ(-42, pAlpha->GetValue().lVal);
    EXPECT_EQ(1, owner.m_nChanged);
    // The group of values shows its parts.
    EXPECT_EQ(CString(_T("1, 2")), Find(_T("Position"))->FormatProperty());
    // Reals in the fixed format, read back whatever the user's settings.
    CORXProp real(_T("Real"), CORXVariant::FromDouble(0.5));
    EXPECT_EQ(CString(_T("0.500000")), real.FormatProperty());
    EXPECT_TRUE(real.TextToVar(_T("2.25")));
    EXPECT_DOUBLE_EQ(2.25, real.GetValue().dblVal);
    EXPECT_FALSE(real.TextToVar(_T("two")));
    CORXVariant varShort;
    varShort.vt = VT_I2;
    varShort.iVal = -7;
    CORXProp shortProp(_T("Short"), varShort);
    EXPECT_EQ(CString(_T("-7")), shortProp.FormatProperty());
    EXPECT_FALSE(shortProp.TextToVar(_T("70000")));
}

TEST_F(PropList, ListsAndBooleansChooseFromTheirOptions)
{
    FillSmall();
    CORXProp* pVisible = Find(_T("Visible"));
    EXPECT_EQ(CString(_T("True")), pVisible->FormatProperty());
    EXPECT_TRUE(pVisible->HasButton());
    EXPECT_TRUE(pVisible->GetFlags() & CORXProp::StyleHasList);
    // A double click takes the next choice.
    Click(ValuePoint(pVisible));
    Click(ValuePoint(pVisible), WM_LBUTTONDBLCLK);
    EXPECT_EQ(CString(_T("False")), pVisible->FormatProperty());
    EXPECT_EQ(VARIANT_FALSE, pVisible->GetValue().boolVal);
    EXPECT_EQ(1, owner.m_nChanged);
    // The drop-down list: choosing an item is reported.
    CORXProp* pSize = Find(_T("Size"));
    list.SetCurSel(pSize);
    ASSERT_TRUE(list.EditItem(pSize));
    CWnd* pCombo = pSize->GetInPlaceWnd();
    ASSERT_NE((CWnd*)NULL, pCombo);
    EXPECT_EQ(CORXPropList::IdCombo, pCombo->GetDlgCtrlID());
    EXPECT_EQ(2, (int)pCombo->SendMessage(CB_GETCOUNT));
    pCombo->SendMessage(CB_SETCURSEL, 0);
    list.SendMessage(WM_COMMAND, MAKEWPARAM(CORXPropList::IdCombo, CBN_SELENDOK), (LPARAM)pCombo->m_hWnd);
    EXPECT_EQ(8, pSize->GetValue().lVal);
    EXPECT_EQ(2, owner.m_nChanged);
    EXPECT_EQ(pSize, owner.m_pLast);
}

TEST_F(PropList, ColourRowsHoldTheirColourAsAValue)
{
    CORXColorProp* pColor = new CORXColorProp(_T("Back"), RGB(1, 2, 3));
    list.AddProperty(pColor);
    EXPECT_EQ(VT_I4, pColor->GetValue().vt);
    EXPECT_EQ(CString(_T("1, 2, 3")), pColor->FormatProperty());
    EXPECT_TRUE(pColor->TextToVar(_T("255, 0, 16")));
    EXPECT_EQ(RGB(255, 0, 16), pColor->GetColor());
    EXPECT_EQ((long)RGB(255, 0, 16), pColor->GetValue().lVal);
    EXPECT_FALSE(pColor->TextToVar(_T("1, 2")));
    EXPECT_FALSE(pColor->TextToVar(_T("1, 2, 300")));
    EXPECT_FALSE(pColor->TextToVar(_T("1, 2, 3, 4")));
    // A colour chosen in the pop-up reaches the selected colour row; the same colour is no change.
    list.SetCurSel(pColor);
    list.OnSelectColor(RGB(9, 9, 9));
    EXPECT_EQ(RGB(9, 9, 9), pColor->GetColor());
    EXPECT_EQ(1, owner.m_nChanged);
    list.OnSelectColor(RGB(9, 9, 9));
    EXPECT_EQ(1, owner.m_nChanged);
    // The value's type decides how the colour is held.
    CORXColorProp boolColor(_T("Flag"), RGB(0, 0, 0));
    CORXVariant varBool = CORXVariant::FromBool(FALSE);
    boolColor.CORXProp::SetValue(varBool);
    boolColor.SetColor(RGB(0, 0, 5));
    EXPECT_EQ(VT_BOOL, boolColor.GetValue().vt);
    EXPECT_EQ(VARIANT_TRUE, boolColor.GetValue().boolVal);
    boolColor.SetColor(0);
    EXPECT_EQ(VARIANT_FALSE, boolColor.GetValue().boolVal);
    boolColor.CORXProp::SetValue(CORXVariant::FromText(_T("x")));
    boolColor.SetColor(RGB(1, 1, 1));
    EXPECT_EQ(VT_I4, boolColor.GetValue().vt);
    EXPECT_EQ((long)RGB(1, 1, 1), boolColor.GetValue().lVal);
}

TEST_F(PropList, TipsShowOnlyTextsTheColumnsCut)
{
    FillSmall();
    CORXProp* pCaption = Find(_T("Caption"));
    list.SetLeftColumnWidthFrom(200);
    EXPECT_EQ(CString(), pCaption->GetNameTooltip());
    EXPECT_EQ(CString(), pCaption->GetValueTooltip());
    list.SetLeftColumnWidthFrom(0);
    EXPECT_EQ(CString(_T("Caption")), pCaption->GetNameTooltip());
    pCaption->SetValue(
        CORXVariant::FromText(_T("A caption far too long for the value column to show whole")));
    list.SetLeftColumnWidthFrom(5000);
    EXPECT_EQ(pCaption->FormatProperty(), pCaption->GetValueTooltip());
}

TEST_F(PropList, DescriptionAreaStartsAtThreeAndAHalfRowsAndLeavesTheListARow)
{
    FillSmall();
    list.EnableDescriptionArea();
    list.SendMessage(WM_NCPAINT, 1, 0);
    const int h = list.GetRowHeight();
    ASSERT_GT(h, 0);
    EXPECT_EQ(h / 2 + 3 * h, list.GetDescriptionHeight());
    CRect rectClient;
    list.GetClientRect(rectClient);
    EXPECT_EQ(rectClient.bottom - list.GetDescriptionHeight(), list.GetListRect().bottom);
    // The divider dragged to the top keeps one row of the list; to the bottom, one row of text.
    const int yDivider = list.GetListRect().bottom + 4;
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, yDivider));
    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(50, 0));
    EXPECT_GE(list.GetListRect().Height(), h);
    EXPECT_EQ(rectClient.Height() - (list.GetHeaderHeight() + h) + 2, list.GetDescriptionHeight());
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, list.GetListRect().bottom + 4));
    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(50, rectClient.bottom + 50));
    EXPECT_GE(list.GetDescriptionHeight(), h);
    EXPECT_EQ(h + 2, list.GetDescriptionHeight());
    // A press in the description selects nothing.
    list.SetCurSel(NULL);
    Click(CPoint(50, rectClient.bottom - 3));
    EXPECT_EQ(NULL, list.GetCurSel());
}

TEST_F(PropList, FontAndFileRowsShowTheirValuesAndEditOnlyThroughTheirButtons)
{
    LOGFONT lf = {0};
    HDC hScreen = ::GetDC(NULL);
    lf.lfHeight = -::MulDiv(12, ::GetDeviceCaps(hScreen, LOGPIXELSY), 72);
    ::ReleaseDC(NULL, hScreen);
    lstrcpy(lf.lfFaceName, _T("Tahoma"));
    CORXFontProp* pFont = new CORXFontProp(_T("Font"), lf);
    CORXFileProp* pFile = new CORXFileProp(_T("Chime"), TRUE, _T("C:\\chime.wav"));
    list.AddProperty(pFont);
    list.AddProperty(pFile);
    EXPECT_EQ(CString(_T("Tahoma, 12 pt")), pFont->FormatProperty());
    EXPECT_EQ(CString(_T("C:\\chime.wav")), pFile->GetFileName());
    EXPECT_TRUE(pFont->HasButton());
    EXPECT_FALSE(pFont->GetFlags() & CORXProp::StyleHasList);
    // The font's edit is read-only; the file's takes a typed path.
    list.SetCurSel(pFont);
    ASSERT_TRUE(list.EditItem(pFont));
    EXPECT_TRUE(pFont->GetInPlaceWnd()->GetStyle() & ES_READONLY);
    list.SetCurSel(pFile);
    ASSERT_TRUE(list.EditItem(pFile));
    EXPECT_FALSE(pFile->GetInPlaceWnd()->GetStyle() & ES_READONLY);
    // The edit leaves room for the button at the row's right end.
    CRect rectEdit;
    pFile->GetInPlaceWnd()->GetWindowRect(rectEdit);
    list.ScreenToClient(rectEdit);
    EXPECT_LE(rectEdit.right, pFile->GetButtonRect().left);
    EXPECT_EQ(pFile->GetRect().right, pFile->GetButtonRect().right);
    pFile->GetInPlaceWnd()->SetWindowText(_T("D:\\bell.wav"));
    EXPECT_TRUE(list.EndEditItem(TRUE));
    EXPECT_EQ(CString(_T("D:\\bell.wav")), pFile->GetFileName());
    EXPECT_EQ(1, owner.m_nChanged);
}

TEST_F(PropList, FontRowReportsAChangeOfStyleOrColourAndOpensOnlyFromItsButton)
{
    LOGFONT lf = {0};
    lf.lfHeight = -16;
    lf.lfWeight = FW_NORMAL;
    lstrcpy(lf.lfFaceName, _T("Tahoma"));
    CScriptedFontProp* pFont = new CScriptedFontProp(lf, RGB(0, 0, 0));
    list.AddProperty(pFont);
    list.SetCurSel(pFont);
    ASSERT_TRUE(list.EditItem(pFont));
    const CPoint ptButton = pFont->GetButtonRect().CenterPoint();
    ASSERT_FALSE(pFont->GetButtonRect().IsRectEmpty());

    const CString strText = pFont->FormatProperty();
    // F4 and Alt+Down open drop-down lists only.
    Key(VK_F4);
    Key(VK_DOWN, VK_MENU);
    EXPECT_EQ(0, pFont->m_nOpened);

    const struct
    {
        const char* what;
        LONG lWeight;
        BYTE bItalic;
        COLORREF clr;
        int nReported;
    } choices[] = {
        {"the same font", FW_NORMAL, FALSE, RGB(0, 0, 0), 0},
        {"bold only", FW_BOLD, FALSE, RGB(0, 0, 0), 1},
        {"italic only", FW_BOLD, TRUE, RGB(0, 0, 0), 2},
        {"colour only", FW_BOLD, TRUE, RGB(255, 0, 0), 3},
    };
    for (const auto& choice : choices)
    {
        pFont->m_lfChosen = pFont->GetLogFont();
        pFont->m_lfChosen.lfWeight = choice.lWeight;
        pFont->m_lfChosen.lfItalic = choice.bItalic;
        pFont->m_clrChosen = choice.clr;
        ASSERT_TRUE(list.EditItem(pFont));
        Click(ptButton);
        EXPECT_EQ(strText, pFont->FormatProperty()) << choice.what;
        EXPECT_EQ(choice.nReported, owner.m_nChanged) << choice.what;
    }
    EXPECT_EQ(4, pFont->m_nOpened);
    EXPECT_EQ(pFont, owner.m_pLast);
}

TEST_F(PropList, AltDownOpensTheDropDownOfAListOrColourRowFromTheListOrTheRowsEditor)
{
    owner.ShowWindow(SW_SHOWNOACTIVATE);
    CORXColorProp* pColor = new CORXColorProp(_T("Back"), RGB(1, 2, 3));
    list.AddProperty(pColor);
    CORXProp* pSize = new CORXProp(_T("Size"), CORXVariant::FromLong(10));
    pSize->AddOption(_T("8"));
    pSize->AddOption(_T("10"));
    list.AddProperty(pSize);
    LOGFONT lf = {0};
    lf.lfHeight = -16;
    lstrcpy(lf.lfFaceName, _T("Tahoma"));
    CScriptedFontProp* pFont = new CScriptedFontProp(lf, RGB(0, 0, 0));
    list.AddProperty(pFont);
    auto ClosePopup = [&]() {
        ASSERT_NE(nullptr, pColor->GetPopup());
        pColor->GetPopup()->SendMessage(WM_CLOSE);
        PumpPending();
        EXPECT_EQ(nullptr, pColor->GetPopup());
    };

    // A colour row that is only selected: the list hears the key and the pop-up opens.
    list.SetFocus();
    list.SetCurSel(pColor);
    list.SendMessage(WM_SYSKEYDOWN, VK_DOWN, kAltDownContext);
    EXPECT_NE(nullptr, pColor->GetPopup()) << "from the list";
    ClosePopup();
    // The row's editor has the key: it opens the pop-up as well.
    ASSERT_TRUE(list.EditItem(pColor));
    ASSERT_NE((CWnd*)NULL, pColor->GetInPlaceWnd());
    pColor->GetInPlaceWnd()->SetFocus();
    pColor->GetInPlaceWnd()->SendMessage(WM_SYSKEYDOWN, VK_DOWN, kAltDownContext);
    EXPECT_NE(nullptr, pColor->GetPopup()) << "from the row's editor";
    ClosePopup();

    // A list row drops its list down.
    list.SetFocus();
    list.SetCurSel(pSize);
    list.SendMessage(WM_SYSKEYDOWN, VK_DOWN, kAltDownContext);
    ASSERT_NE((CWnd*)NULL, pSize->GetInPlaceWnd());
    EXPECT_TRUE(pSize->GetInPlaceWnd()->SendMessage(CB_GETDROPPEDSTATE));
    pSize->GetInPlaceWnd()->SendMessage(CB_SHOWDROPDOWN, FALSE);

    // A font row opens nothing from the keys, neither from the list nor from its editor; Down
    // without Alt moves on as ever.
    list.SetFocus();
    list.SetCurSel(pFont);
    list.SendMessage(WM_SYSKEYDOWN, VK_DOWN, kAltDownContext);
    ASSERT_TRUE(list.EditItem(pFont));
    pFont->GetInPlaceWnd()->SendMessage(WM_SYSKEYDOWN, VK_DOWN, kAltDownContext);
    EXPECT_EQ(0, pFont->m_nOpened);
    EXPECT_EQ(0, owner.m_nChanged);
    list.SetCurSel(pColor);
    list.SendMessage(WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_EQ(pSize, list.GetCurSel());
    EXPECT_EQ(nullptr, pColor->GetPopup());
}

TEST_F(PropList, TypingOnASelectedRowStartsItsEditorAndEnterIsNoKeyOfTheList)
{
    FillSmall();
    CORXProp* pLook = list.GetProperty(0);
    list.SetCurSel(pLook);
    list.SendMessage(WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_TRUE(pLook->IsExpanded());
    // A character: the editor starts with it, whatever character it is.
    CORXProp* pCaption = Find(_T("Caption"));
    list.SetCurSel(pCaption);
    list.SendMessage(WM_CHAR, _T('Q'), 1);
    ASSERT_TRUE(pCaption->IsInPlaceEditing());
    CString strText;
    pCaption->GetInPlaceWnd()->GetWindowText(strText);
    EXPECT_EQ(CString(_T("Q")), strText);
    list.EndEditItem(FALSE);
    list.SendMessage(WM_CHAR, VK_RETURN, 1);
    EXPECT_TRUE(pCaption->IsInPlaceEditing());
    pCaption->GetInPlaceWnd()->GetWindowText(strText);
    EXPECT_EQ(CString(_T("Clock")), strText) << "a control character types nothing";
}

TEST_F(PropList, TheDescriptionFollowsTheSelectionEvenWhenTheRowsAreNotRedrawn)
{
    owner.ShowWindow(SW_SHOWNOACTIVATE);
    FillSmall();
    list.EnableDescriptionArea();
    list.SendMessage(WM_NCPAINT, 1, 0);
    list.UpdateWindow();
    for (BOOL bRedraw : {TRUE, FALSE})
    {
        list.m_nDescriptionsDrawn = 0;
        list.SetCurSel(bRedraw ? Find(_T("Caption")) : Find(_T("Alpha")), bRedraw);
        EXPECT_GE(list.m_nDescriptionsDrawn, 1) << bRedraw;
    }
}

TEST_F(PropList, AGroupOfValuesShowsNoTipForItsValue)
{
    owner.ShowWindow(SW_SHOWNOACTIVATE);
    CORXProp* pSpan = new CORXProp(_T("Span"), 0, TRUE);
    pSpan->AddSubItem(new CORXProp(_T("From"), CORXVariant::FromText(_T("The first of the long values"))));
    pSpan->AddSubItem(new CORXProp(_T("To"), CORXVariant::FromText(_T("The last of the long values"))));
    list.AddProperty(pSpan);
    list.SetLeftColumnWidthFrom(5000);
    ASSERT_NE((HWND)NULL, list.TipHwnd());
    auto TipAt = [&](CORXProp* pProp) {
        CPoint pt(pProp->GetRect().right - 4, pProp->GetRect().CenterPoint().y);
        list.ClientToScreen(&pt);
        ::SetCursorPos(pt.x, pt.y);
        TOOLTIPTEXTA ttt = {};
        ttt.hdr.hwndFrom = list.TipHwnd();
        ttt.hdr.idFrom = 2;
        ttt.hdr.code = TTN_NEEDTEXTA;
        list.SendMessage(WM_NOTIFY, 2, (LPARAM)&ttt);
        return CString(ttt.lpszText != NULL ? ttt.lpszText : "");
    };
    CORXProp* pFrom = pSpan->GetSubItem(0);
    EXPECT_EQ(pFrom->FormatProperty(), TipAt(pFrom)) << "a part cut by the column shows its tip";
    EXPECT_NE(CString(), pSpan->GetValueTooltip());
    EXPECT_EQ(CString(), TipAt(pSpan)) << "the group's value is its parts'";
}
