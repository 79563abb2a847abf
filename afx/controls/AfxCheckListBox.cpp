// CCheckListBox: the rows' checks live beside the list box's own data, so that callers keep
// LB_SETITEMDATA for themselves.
#include "AfxCheckListBox.h"

IMPLEMENT_DYNAMIC(CCheckListBox, CListBox)

BEGIN_MESSAGE_MAP(CCheckListBox, CListBox)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

namespace
{
const int kCheckSize = 13;
const int kCheckMargin = 2;
} // namespace

CCheckListBox::CCheckListBox() : m_nStyle(BS_AUTOCHECKBOX) {}

CCheckListBox::~CCheckListBox() {}

BOOL CCheckListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!(dwStyle & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)))
        return FALSE;
    return CListBox::Create(dwStyle, rect, pParentWnd, nID);
}

BOOL CCheckListBox::SetCheckStyle(UINT nStyle)
{
    if (nStyle != BS_CHECKBOX && nStyle != BS_AUTOCHECKBOX && nStyle != BS_AUTO3STATE && nStyle != BS_3STATE)
        return FALSE;
    m_nStyle = nStyle;
    return TRUE;
}

void CCheckListBox::SetCheck(int nIndex, int nCheck)
{
    if (nIndex < 0 || nIndex >= (int)m_arCheck.GetSize())
        return;
    if (nCheck == 2 && m_nStyle != BS_AUTO3STATE && m_nStyle != BS_3STATE)
        nCheck = 1;
    m_arCheck[nIndex] = (DWORD)nCheck;
    CRect rect;
    if (m_hWnd != NULL && GetItemRect(nIndex, rect) != LB_ERR)
        InvalidateRect(rect, FALSE);
}

int CCheckListBox::GetCheck(int nIndex) const
{
    return nIndex >= 0 && nIndex < (int)m_arCheck.GetSize() ? (int)m_arCheck[nIndex] : 0;
}

void CCheckListBox::Enable(int nIndex, BOOL bEnabled)
{
    if (nIndex < 0 || nIndex >= (int)m_arEnabled.GetSize())
        return;
    m_arEnabled[nIndex] = bEnabled ? 1 : 0;
    CRect rect;
    if (m_hWnd != NULL && GetItemRect(nIndex, rect) != LB_ERR)
        InvalidateRect(rect, FALSE);
}

BOOL CCheckListBox::IsEnabled(int nIndex) const
{
    return nIndex >= 0 && nIndex < (int)m_arEnabled.GetSize() && m_arEnabled[nIndex] != 0;
}

CSize CCheckListBox::GetCheckSize() const
{
    return CSize(kCheckSize, kCheckSize);
}

CRect CCheckListBox::OnGetCheckPosition(CRect rectItem, CRect rectCheckBox)
{
    return rectCheckBox;
}

void CCheckListBox::PreSubclassWindow()
{
    CListBox::PreSubclassWindow();
    // A fixed-height list measured its rows before it was ours: make room for the box.
    if ((GetStyle() & LBS_OWNERDRAWFIXED) && GetItemHeight(0) < kCheckSize + kCheckMargin)
        SetItemHeight(0, kCheckSize + kCheckMargin);
    SyncRows(GetCount());
}

BOOL CCheckListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_DRAWITEM)
    {
        PreDrawItem((LPDRAWITEMSTRUCT)lParam);
        if (pResult != NULL)
            *pResult = TRUE;
        return TRUE;
    }
    return CListBox::OnChildNotify(message, wParam, lParam, pResult);
}

void CCheckListBox::SyncRows(int nCount)
{
    if (nCount < 0)
        nCount = 0;
    int nOld = (int)m_arCheck.GetSize();
    m_arCheck.SetSize(nCount);
    m_arEnabled.SetSize(nCount);
    for (int i = nOld; i < nCount; i++)
    {
        m_arCheck[i] = 0;
        m_arEnabled[i] = 1;
    }
}

LRESULT CCheckListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = CListBox::WindowProc(message, wParam, lParam);
    switch (message)
    {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
        if (lResult >= 0 && lResult <= (LRESULT)m_arCheck.GetSize())
        {
            m_arCheck.InsertAt((INT_PTR)lResult, (DWORD)0);
            m_arEnabled.InsertAt((INT_PTR)lResult, (DWORD)1);
        }
        break;
    case LB_DELETESTRING:
        if (lResult != LB_ERR && (INT_PTR)wParam < m_arCheck.GetSize())
        {
            m_arCheck.RemoveAt((INT_PTR)wParam);
            m_arEnabled.RemoveAt((INT_PTR)wParam);
        }
        break;
    case LB_RESETCONTENT:
        m_arCheck.RemoveAll();
        m_arEnabled.RemoveAll();
        break;
    case LB_DIR:
        SyncRows((int)CListBox::WindowProc(LB_GETCOUNT, 0, 0));
        break;
    }
    return lResult;
}

void CCheckListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->itemHeight < (UINT)(kCheckSize + kCheckMargin))
        lpMeasureItemStruct->itemHeight = kCheckSize + kCheckMargin;
}

void CCheckListBox::PreDrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    DRAWITEMSTRUCT dis = *lpDrawItemStruct;
    int nIndex = (int)dis.itemID;
    if (nIndex >= 0 && (dis.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)))
    {
        CRect rectItem = dis.rcItem;
        CSize size = GetCheckSize();
        CRect rectCheck(rectItem.left + 1, rectItem.top + (rectItem.Height() - size.cy) / 2, 0, 0);
        rectCheck.right = rectCheck.left + size.cx;
        rectCheck.bottom = rectCheck.top + size.cy;
        rectCheck = OnGetCheckPosition(rectItem, rectCheck);

        CRect rectBand = rectItem;
        rectBand.right = rectCheck.right + kCheckMargin;
        ::FillRect(dis.hDC, rectBand, ::GetSysColorBrush(COLOR_WINDOW));
        UINT nState = DFCS_BUTTONCHECK | DFCS_FLAT;
        int nCheck = GetCheck(nIndex);
        if (nCheck == 1)
            nState |= DFCS_CHECKED;
        else if (nCheck == 2)
            nState = DFCS_BUTTON3STATE | DFCS_CHECKED | DFCS_FLAT;
        if (!IsEnabled(nIndex) || !IsWindowEnabled())
            nState |= DFCS_INACTIVE;
        CRect rectFrame = rectCheck;
        ::DrawFrameControl(dis.hDC, rectFrame, DFC_BUTTON, nState);
        dis.rcItem.left = rectBand.right;
    }
    else if (nIndex >= 0)
    {
        dis.rcItem.left += kCheckSize + 1 + kCheckMargin;
    }
    DrawItem(&dis);
}

void CCheckListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    HDC hDC = lpDrawItemStruct->hDC;
    CRect rect = lpDrawItemStruct->rcItem;
    int nIndex = (int)lpDrawItemStruct->itemID;
    if (nIndex < 0)
    {
        if (lpDrawItemStruct->itemState & ODS_FOCUS)
            ::DrawFocusRect(hDC, rect);
        return;
    }
    if (lpDrawItemStruct->itemAction & (ODA_DRAWENTIRE | ODA_SELECT))
    {
        BOOL bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;
        ::FillRect(hDC, rect, ::GetSysColorBrush(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        if (GetStyle() & LBS_HASSTRINGS)
        {
            CString strText;
            GetText(nIndex, strText);
            int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
            COLORREF clrOld = ::SetTextColor(hDC, ::GetSysColor(!IsWindowEnabled() ? COLOR_GRAYTEXT
                                                                : bSelected        ? COLOR_HIGHLIGHTTEXT
                                                                                   : COLOR_WINDOWTEXT));
            CRect rectText = rect;
            rectText.left += 2;
            ::DrawText(hDC, strText, strText.GetLength(), rectText,
                       DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
            ::SetTextColor(hDC, clrOld);
            ::SetBkMode(hDC, nOldMode);
        }
    }
    if ((lpDrawItemStruct->itemAction & ODA_FOCUS) ||
        ((lpDrawItemStruct->itemAction & ODA_DRAWENTIRE) && (lpDrawItemStruct->itemState & ODS_FOCUS)))
        ::DrawFocusRect(hDC, rect);
}

int CCheckListBox::CheckFromPoint(CPoint point, BOOL& bInCheck)
{
    bInCheck = FALSE;
    BOOL bOutside = TRUE;
    int nIndex = (int)ItemFromPoint(point, bOutside);
    if (bOutside || nIndex < 0 || nIndex >= GetCount())
        return -1;
    CRect rectItem;
    GetItemRect(nIndex, rectItem);
    CSize size = GetCheckSize();
    CRect rectCheck(rectItem.left + 1, rectItem.top + (rectItem.Height() - size.cy) / 2, 0, 0);
    rectCheck.right = rectCheck.left + size.cx;
    rectCheck.bottom = rectCheck.top + size.cy;
    rectCheck = OnGetCheckPosition(rectItem, rectCheck);
    // The whole band left of the text takes the click, not only the box.
    bInCheck = point.x >= rectItem.left && point.x < rectCheck.right + kCheckMargin;
    return nIndex;
}

void CCheckListBox::ToggleByUser(int nIndex)
{
    if (!IsEnabled(nIndex))
        return;
    if (m_nStyle == BS_CHECKBOX || m_nStyle == BS_3STATE)
    {
        // The plain styles leave the change to the parent.
    }
    else if (m_nStyle == BS_AUTO3STATE)
        SetCheck(nIndex, (GetCheck(nIndex) + 1) % 3);
    else
        SetCheck(nIndex, GetCheck(nIndex) == 1 ? 0 : 1);
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE), (LPARAM)m_hWnd);
}

void CCheckListBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    SetFocus();
    BOOL bInCheck = FALSE;
    int nIndex = CheckFromPoint(point, bInCheck);
    if (nIndex >= 0 && bInCheck && IsEnabled(nIndex))
    {
        // The row becomes the current one as a click on its text would make it.
        if (GetCurSel() != nIndex && !(GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)))
        {
            SetCurSel(nIndex);
            CWnd* pParent = GetParent();
            if (pParent != NULL && (GetStyle() & LBS_NOTIFY))
                pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), LBN_SELCHANGE), (LPARAM)m_hWnd);
        }
        ToggleByUser(nIndex);
        return;
    }
    Default();
}

void CCheckListBox::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    BOOL bInCheck = FALSE;
    int nIndex = CheckFromPoint(point, bInCheck);
    if (nIndex >= 0 && bInCheck)
    {
        // A quick second click on the box is one more click on it.
        OnLButtonDown(nFlags, point);
        return;
    }
    Default();
}

void CCheckListBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_SPACE)
    {
        int nIndex = GetCaretIndex();
        if (nIndex >= 0 && nIndex < GetCount())
        {
            ToggleByUser(nIndex);
            return;
        }
    }
    Default();
}
