// CORXEditListBox, CORXNonClientWnd and CORXMenuButton.
#include <algorithm>

#include "ORXEditListBox.h"

#include "ORXGlobalData.h"
#include "ORXToolbarImageList.h"
#include "uiextras/uiextras_res.h"

IMPLEMENT_DYNAMIC(CORXEditListBox, CWnd)

BEGIN_MESSAGE_MAP(CORXEditListBox, CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_SETFONT, OnSetFont)
ON_MESSAGE(WM_GETFONT, OnGetFont)
ON_WM_SETFOCUS()
ON_WM_ENABLE()
END_MESSAGE_MAP()

namespace
{
// The header buttons' command ids, above the list's own id.
const UINT kFirstButtonId = 100;

BYTE CurrentModifiers()
{
    BYTE fFlags = 0;
    if (::GetKeyState(VK_CONTROL) & 0x8000)
        fFlags |= FCONTROL;
    if (::GetKeyState(VK_MENU) & 0x8000)
        fFlags |= FALT;
    if (::GetKeyState(VK_SHIFT) & 0x8000)
        fFlags |= FSHIFT;
    return fFlags;
}
} // namespace

CORXEditListBox::CORXEditListBox()
    : m_sizeButton(20), m_nMinCaptionHeight(16), m_dwStyle(0), m_bGrayDisabledButtons(FALSE),
      m_bNewItem(FALSE)
{
    m_rectCaption.SetRectEmpty();
}

CORXEditListBox::~CORXEditListBox()
{
    while (!m_lstButtons.IsEmpty())
        delete (CORXButton*)m_lstButtons.RemoveHead();
}

BOOL CORXEditListBox::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(NULL, lpszCaption, dwStyle | WS_CHILD | WS_CLIPCHILDREN, rect, pParentWnd, nID);
}

BOOL CORXEditListBox::OnCreateList()
{
    if (m_wndList.GetSafeHwnd() != NULL)
        return TRUE;
    CRect rectEmpty(0, 0, 0, 0);
    if (!m_wndList.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_NOCOLUMNHEADER |
                              LVS_SINGLESEL | LVS_EDITLABELS | LVS_SHOWSELALWAYS,
                          rectEmpty, this, IdList))
        return FALSE;
    m_wndList.InsertColumn(0, _T(""));
    m_wndList.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    return TRUE;
}

int CORXEditListBox::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (OnCreateList())
        AdjustLayout();
    return 0;
}

BOOL CORXEditListBox::AddButton(int nStdImageId, UINT uiTooltipId, UINT uiKey, UINT uiCmd)
{
    if (GetSafeHwnd() == NULL)
        return FALSE;
    CORXButton* pButton = new CORXButton;
    const UINT nId = kFirstButtonId + (UINT)m_lstButtons.GetCount();
    if (!pButton->Create(_T(""), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 0, 0), this, nId))
    {
        delete pButton;
        return FALSE;
    }
    pButton->m_nFlatStyle = CORXButton::BUTTONSTYLE_FLAT;
    pButton->SetStdImage(nStdImageId, nStdImageId + 1);
    CString strTip;
    if (uiTooltipId != 0 && strTip.LoadString(uiTooltipId))
        pButton->SetTooltip(strTip);
    m_lstButtons.AddTail(pButton);
    m_lstKeyAccell.AddTail(uiKey);
    m_arCommands.Add(uiCmd);
    AdjustLayout();
    return TRUE;
}

BOOL CORXEditListBox::SetStandardButtons(UINT uiBtns)
{
    BOOL bOk = TRUE;
    if (uiBtns & BUTTON_NEW)
        bOk &= AddButton(CORXMenuImages::IdMaximize, IDS_ORX_EDITLIST_NEW, VK_INSERT, BUTTON_NEW);
    if (uiBtns & BUTTON_DELETE)
        bOk &= AddButton(CORXMenuImages::IdClose, IDS_ORX_EDITLIST_DELETE, VK_DELETE, BUTTON_DELETE);
    if (uiBtns & BUTTON_UP)
        bOk &= AddButton(CORXMenuImages::IdArowUp, IDS_ORX_EDITLIST_UP, VK_UP | (FALT << 16), BUTTON_UP);
    if (uiBtns & BUTTON_DOWN)
        bOk &=
            AddButton(CORXMenuImages::IdArowDown, IDS_ORX_EDITLIST_DOWN, VK_DOWN | (FALT << 16), BUTTON_DOWN);
    return bOk;
}

UINT CORXEditListBox::GetButtonCommand(int iButton) const
{
    return iButton >= 0 && iButton < m_arCommands.GetSize() ? m_arCommands[iButton] : 0;
}

CORXButton* CORXEditListBox::GetButton(int iButton) const
{
    POSITION pos = m_lstButtons.FindIndex(iButton);
    return pos != NULL ? (CORXButton*)m_lstButtons.GetAt(pos) : NULL;
}

CFont* CORXEditListBox::GetHeaderFont()
{
    if (m_font.GetSafeHandle() != NULL)
        return &m_font;
    CWnd* pParent = GetParent();
    if (pParent != NULL)
    {
        HFONT hFont = (HFONT)pParent->SendMessage(WM_GETFONT);
        if (hFont != NULL)
            return CFont::FromHandle(hFont);
    }
    return &globalData.fontRegular;
}

void CORXEditListBox::AdjustLayout()
{
    if (GetSafeHwnd() == NULL)
        return;
    CRect rectClient;
    GetClientRect(rectClient);

    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(GetHeaderFont());
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    dc.SelectObject(pOldFont);

    m_rectCaption = rectClient;
    m_rectCaption.bottom = m_rectCaption.top + std::max((int)(tm.tmHeight * 4 / 3), m_nMinCaptionHeight);

    int i = 0;
    for (POSITION pos = m_lstButtons.GetHeadPosition(); pos != NULL; i++)
    {
        CORXButton* pButton = (CORXButton*)m_lstButtons.GetNext(pos);
        pButton->SetWindowPos(NULL, m_rectCaption.right - m_sizeButton - 1 - i * m_sizeButton,
                              m_rectCaption.top + 1, m_sizeButton, m_rectCaption.Height() - 2,
                              SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (GetListHwnd() != NULL)
    {
        ::SetWindowPos(GetListHwnd(), NULL, rectClient.left, m_rectCaption.bottom, rectClient.Width(),
                       std::max(0, (int)(rectClient.bottom - m_rectCaption.bottom)),
                       SWP_NOZORDER | SWP_NOACTIVATE);
        if (m_wndList.GetSafeHwnd() != NULL)
            m_wndList.SetColumnWidth(0, LVSCW_AUTOSIZE_USEHEADER);
    }
    OnSizeList();
}

void CORXEditListBox::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    AdjustLayout();
}

BOOL CORXEditListBox::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CORXEditListBox::OnPaint()
{
    CPaintDC dc(this);
    CRect rect = m_rectCaption;
    dc.FillRect(rect, &globalData.brBtnFace);
    dc.Draw3dRect(rect, globalData.clrBtnShadow, globalData.clrBtnHilite);

    CFont* pOldFont = dc.SelectObject(GetHeaderFont());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(IsWindowEnabled() ? globalData.clrBtnText : globalData.clrGrayedText);
    CString strCaption;
    GetWindowText(strCaption);
    CRect rectText = rect;
    rectText.DeflateRect(5, 0);
    dc.DrawText(strCaption, rectText, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
    dc.SelectObject(pOldFont);
}

LRESULT CORXEditListBox::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    Default();
    m_font.DeleteObject();
    LOGFONT lf;
    if (wParam != 0 && ::GetObject((HFONT)wParam, sizeof(lf), &lf) != 0)
        m_font.CreateFontIndirect(&lf);
    if (GetSafeHwnd() != NULL)
    {
        AdjustLayout();
        if (LOWORD(lParam))
        {
            Invalidate();
            UpdateWindow();
        }
    }
    return 0;
}

LRESULT CORXEditListBox::OnGetFont(WPARAM, LPARAM)
{
    return (LRESULT)m_font.GetSafeHandle();
}

void CORXEditListBox::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    if (GetListHwnd() != NULL)
        ::SetFocus(GetListHwnd());
}

void CORXEditListBox::OnEnable(BOOL bEnable)
{
    CWnd::OnEnable(bEnable);
    for (POSITION pos = m_lstButtons.GetHeadPosition(); pos != NULL;)
    {
        CORXButton* pButton = (CORXButton*)m_lstButtons.GetNext(pos);
        pButton->m_bGrayDisabled = !(bEnable && !m_bGrayDisabledButtons);
        pButton->EnableWindow(bEnable);
    }
    if (GetListHwnd() != NULL)
        ::EnableWindow(GetListHwnd(), bEnable);
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

BOOL CORXEditListBox::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nId = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED && nId >= kFirstButtonId &&
        nId < kFirstButtonId + (UINT)m_lstButtons.GetCount())
    {
        OnClickButton((int)(nId - kFirstButtonId));
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

BOOL CORXEditListBox::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pHdr = (NMHDR*)lParam;
    if (pHdr == NULL || pHdr->idFrom != IdList)
        return CWnd::OnNotify(wParam, lParam, pResult);
    *pResult = 0;
    switch (pHdr->code)
    {
    case LVN_KEYDOWN: {
        const WORD wKey = ((NMLVKEYDOWN*)lParam)->wVKey;
        const BYTE fFlags = CurrentModifiers();
        int i = 0;
        for (POSITION pos = m_lstKeyAccell.GetHeadPosition(); pos != NULL; i++)
        {
            const DWORD dwKey = m_lstKeyAccell.GetNext(pos);
            if (LOWORD(dwKey) == wKey && (BYTE)((dwKey >> 16) & 0xFF) == fFlags)
            {
                OnClickButton(i);
                return TRUE;
            }
        }
        OnKey(wKey, fFlags);
        return TRUE;
    }
    case NM_DBLCLK: {
        const int iSel = GetSelItem();
        if ((m_dwStyle & STYLE_DBLCLK_NEW) && iSel < 0)
            CreateNewItem();
        else if (iSel >= 0)
            EditItem(iSel);
        return TRUE;
    }
    case LVN_GETDISPINFO: {
        NMLVDISPINFO* pInfo = (NMLVDISPINFO*)lParam;
        if (pInfo->item.mask & LVIF_IMAGE)
            pInfo->item.iImage = OnGetImage(&pInfo->item);
        return TRUE;
    }
    case LVN_ENDLABELEDIT: {
        NMLVDISPINFO* pInfo = (NMLVDISPINFO*)lParam;
        OnEndEditLabel(pInfo->item.pszText);
        for (POSITION pos = m_lstButtons.GetHeadPosition(); pos != NULL;)
            ((CORXButton*)m_lstButtons.GetNext(pos))->EnableWindow(TRUE);
        return TRUE;
    }
    case LVN_ITEMCHANGED: {
        NMLISTVIEW* pView = (NMLISTVIEW*)lParam;
        if ((pView->uChanged & LVIF_STATE) && ((pView->uOldState ^ pView->uNewState) & LVIS_SELECTED))
            OnSelectionChanged();
        return TRUE;
    }
    }
    return CWnd::OnNotify(wParam, lParam, pResult);
}

int CORXEditListBox::GetSelItem() const
{
    if (m_wndList.GetSafeHwnd() == NULL)
        return -1;
    return (int)::SendMessage(m_wndList.GetSafeHwnd(), LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
}

int CORXEditListBox::GetCount() const
{
    return m_wndList.GetSafeHwnd() != NULL ? m_wndList.GetItemCount() : 0;
}

CString CORXEditListBox::GetItemText(int iIndex) const
{
    return m_wndList.GetSafeHwnd() != NULL ? m_wndList.GetItemText(iIndex, 0) : CString();
}

DWORD_PTR CORXEditListBox::GetItemData(int iIndex) const
{
    return m_wndList.GetSafeHwnd() != NULL ? m_wndList.GetItemData(iIndex) : 0;
}

void CORXEditListBox::SetItemData(int iIndex, DWORD_PTR dwData)
{
    if (m_wndList.GetSafeHwnd() != NULL)
        m_wndList.SetItemData(iIndex, dwData);
}

BOOL CORXEditListBox::SelectItem(int iItem)
{
    if (m_wndList.GetSafeHwnd() == NULL || iItem < 0 || iItem >= GetCount())
        return FALSE;
    m_wndList.SetItemState(iItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_wndList.EnsureVisible(iItem, FALSE);
    return TRUE;
}

int CORXEditListBox::AddItem(const CString& strText, DWORD_PTR dwData, int iIndex)
{
    if (m_wndList.GetSafeHwnd() == NULL)
        return -1;
    if (iIndex < 0 || iIndex > GetCount())
        iIndex = GetCount();
    const int iItem = m_wndList.InsertItem(iIndex, strText);
    if (iItem >= 0)
        m_wndList.SetItemData(iItem, dwData);
    return iItem;
}

BOOL CORXEditListBox::RemoveItem(int iIndex)
{
    if (m_wndList.GetSafeHwnd() == NULL || iIndex < 0 || iIndex >= GetCount())
        return FALSE;
    return m_wndList.DeleteItem(iIndex);
}

void CORXEditListBox::RemoveAllItems()
{
    if (m_wndList.GetSafeHwnd() != NULL)
        m_wndList.DeleteAllItems();
}

BOOL CORXEditListBox::SetItemText(int iIndex, const CString& strText)
{
    return m_wndList.GetSafeHwnd() != NULL && m_wndList.SetItemText(iIndex, 0, strText);
}

BOOL CORXEditListBox::MoveItem(int iIndex, BOOL bUp)
{
    const int iOther = bUp ? iIndex - 1 : iIndex + 1;
    if (iIndex < 0 || iIndex >= GetCount() || iOther < 0 || iOther >= GetCount())
        return FALSE;
    const CString strText = GetItemText(iIndex);
    const DWORD_PTR dwData = GetItemData(iIndex);
    m_wndList.DeleteItem(iIndex);
    const int iNew = AddItem(strText, dwData, iOther);
    SelectItem(iNew);
    return iNew >= 0;
}

void CORXEditListBox::EndEditing()
{
    // A label still being edited ends first, so that its end is not taken for the new edit's.
    if (m_wndList.GetSafeHwnd() != NULL && m_wndList.SendMessage(LVM_GETEDITCONTROL) != 0)
        m_wndList.SendMessage(LVM_CANCELEDITLABEL);
}

BOOL CORXEditListBox::EditItem(int iIndex)
{
    if (m_wndList.GetSafeHwnd() == NULL || iIndex < 0 || iIndex >= GetCount())
        return FALSE;
    EndEditing();
    m_wndList.SetFocus();
    // The buttons wait while a label is edited; the end of the edit turns them on again.
    for (POSITION pos = m_lstButtons.GetHeadPosition(); pos != NULL;)
        ((CORXButton*)m_lstButtons.GetNext(pos))->EnableWindow(FALSE);
    return m_wndList.EditLabel(iIndex) != NULL;
}

void CORXEditListBox::CreateNewItem()
{
    EndEditing();
    const int iItem = AddItem(_T(""));
    if (iItem < 0)
        return;
    SelectItem(iItem);
    m_bNewItem = EditItem(iItem);
    if (!m_bNewItem)
        RemoveItem(iItem);
}

void CORXEditListBox::OnEndEditLabel(LPCTSTR lpszLabel)
{
    const int iItem = GetSelItem();
    const BOOL bNew = m_bNewItem;
    m_bNewItem = FALSE;
    if (iItem < 0)
        return;
    CString strLabel = lpszLabel != NULL ? lpszLabel : _T("");
    strLabel.TrimLeft();
    strLabel.TrimRight();
    if (lpszLabel == NULL || strLabel.IsEmpty())
    {
        // A new row that was given no name goes again; a renamed row keeps its old name.
        if (bNew)
            RemoveItem(iItem);
        return;
    }
    SetItemText(iItem, strLabel);
    if (bNew)
        OnAfterAddItem(iItem);
    else
        OnAfterRenameItem(iItem);
}

void CORXEditListBox::OnClickButton(int iButton)
{
    const int iSel = GetSelItem();
    switch (GetButtonCommand(iButton))
    {
    case BUTTON_NEW:
        // The label edit keeps the focus.
        CreateNewItem();
        return;
    case BUTTON_DELETE:
        if (iSel < 0 || !OnBeforeRemoveItem(iSel))
        {
            ::MessageBeep((UINT)-1);
            break;
        }
        RemoveItem(iSel);
        SelectItem(std::min(iSel, GetCount() - 1));
        OnSelectionChanged();
        break;
    case BUTTON_UP:
    case BUTTON_DOWN: {
        const BOOL bUp = GetButtonCommand(iButton) == BUTTON_UP;
        if (!MoveItem(iSel, bUp))
        {
            ::MessageBeep((UINT)-1);
            break;
        }
        OnAfterMoveItem(bUp ? iSel - 1 : iSel + 1, bUp);
        break;
    }
    }
    if (GetListHwnd() != NULL && ::GetFocus() != GetListHwnd())
        ::SetFocus(GetListHwnd());
}

void CORXEditListBox::OnKey(WORD wKey, BYTE fFlags)
{
    if (wKey == VK_F2 && fFlags == 0 && GetSelItem() >= 0)
        EditItem(GetSelItem());
}

IMPLEMENT_DYNAMIC(CORXNonClientWnd, CWnd)

BEGIN_MESSAGE_MAP(CORXNonClientWnd, CWnd)
ON_WM_WINDOWPOSCHANGING()
ON_WM_NCCALCSIZE()
ON_WM_WINDOWPOSCHANGED()
ON_WM_NCHITTEST()
ON_WM_NCLBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_NCPAINT()
END_MESSAGE_MAP()

CORXNonClientWnd::CORXNonClientWnd()
    : m_bFixedSize(FALSE), m_bStrip(FALSE), m_bPressed(FALSE), m_bTracking(FALSE), m_pOwner(NULL)
{
    m_rectStrip.SetRectEmpty();
}

CORXNonClientWnd::~CORXNonClientWnd() {}

void CORXNonClientWnd::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    CWnd::OnWindowPosChanging(lpwndpos);
    if (m_bFixedSize)
        lpwndpos->flags |= SWP_NOSIZE;
}

void CORXNonClientWnd::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    if (m_bFixedSize)
        return;
    CWnd::OnNcCalcSize(bCalcValidRects, lpncsp);
    if (m_bStrip)
        lpncsp->rgrc[0].right -= StripWidth;
}

void CORXNonClientWnd::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CWnd::OnWindowPosChanged(lpwndpos);
    if (m_bStrip && !m_bFixedSize)
    {
        GetWindowRect(m_rectStrip);
        m_rectStrip.left = m_rectStrip.right - StripWidth;
    }
    else
        m_rectStrip.SetRectEmpty();
}

UINT CORXNonClientWnd::OnNcHitTest(CPoint point)
{
    if (m_rectStrip.PtInRect(point))
        return HTCAPTION;
    return CWnd::OnNcHitTest(point);
}

void CORXNonClientWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (!m_rectStrip.PtInRect(point))
    {
        CWnd::OnNcLButtonDown(nHitTest, point);
        return;
    }
    m_bPressed = m_bTracking = TRUE;
    SetCapture();
    RedrawFrame();
}

void CORXNonClientWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bTracking)
    {
        CWnd::OnMouseMove(nFlags, point);
        return;
    }
    ClientToScreen(&point);
    const BOOL bPressed = m_rectStrip.PtInRect(point);
    if (bPressed != m_bPressed)
    {
        m_bPressed = bPressed;
        RedrawFrame();
    }
}

void CORXNonClientWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bTracking)
    {
        CWnd::OnLButtonUp(nFlags, point);
        return;
    }
    ReleaseCapture();
    m_bPressed = m_bTracking = FALSE;
    RedrawFrame();
    ClientToScreen(&point);
    if (m_rectStrip.PtInRect(point) && m_pOwner != NULL)
        m_pOwner->OnClickStrip();
}

void CORXNonClientWnd::OnNcPaint()
{
    // The borders and scroll bars first, so that a window with a frame keeps it; the strip is
    // painted over its own part only.
    Default();
    if (m_rectStrip.IsRectEmpty())
        return;
    CWindowDC dc(this);
    CRect rectWindow;
    GetWindowRect(rectWindow);
    CRect rect = m_rectStrip;
    rect.OffsetRect(-rectWindow.TopLeft());
    dc.IntersectClipRect(rect);
    if (m_pOwner != NULL)
        m_pOwner->OnDrawStrip(&dc, rect, m_bPressed, 0);
    else
        dc.FillRect(rect, CBrush::FromHandle(::GetSysColorBrush(COLOR_BTNFACE)));
}

IMPLEMENT_DYNAMIC(CORXMenuButton, CORXButton)

BEGIN_MESSAGE_MAP(CORXMenuButton, CORXButton)
ON_WM_LBUTTONDOWN()
ON_WM_KEYDOWN()
ON_WM_LBUTTONUP()
ON_WM_KILLFOCUS()
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

CORXMenuButton::CORXMenuButton() : m_hMenu(NULL), m_bStayPressed(FALSE), m_nMenuResult(0) {}

CORXMenuButton::~CORXMenuButton() {}

CSize CORXMenuButton::SizeToContent(BOOL bCalcOnly)
{
    CSize size = CORXButton::SizeToContent(FALSE);
    size.cx += CORXMenuImages::Size().cx + 6;
    if (!bCalcOnly)
        SetWindowPos(NULL, -1, -1, size.cx, size.cy, SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    return size;
}

void CORXMenuButton::OnDraw(CDC* pDC, const CRect& rect, UINT uiState)
{
    const CSize sizeArrow = CORXMenuImages::Size();
    CRect rectParent = rect;
    rectParent.right -= sizeArrow.cx + 6;
    CORXButton::OnDraw(pDC, rectParent, uiState);
    CRect rectArrow = rect;
    rectArrow.left = rectParent.right;
    CPoint ptImage(rectArrow.left + (rectArrow.Width() - sizeArrow.cx) / 2,
                   rectArrow.top + (rectArrow.Height() - sizeArrow.cy) / 2);
    CORXMenuImages::Draw(pDC, IsWindowEnabled() ? CORXMenuImages::IdArowDown : CORXMenuImages::IdArowDownDsbl,
                         ptImage);
}

void CORXMenuButton::OnShowMenu()
{
    m_nMenuResult = 0;
    if (m_hMenu == NULL)
        return;
    CRect rectWindow;
    GetWindowRect(rectWindow);
    m_bPushed = TRUE;
    m_bHighlighted = TRUE;
    Invalidate();
    UpdateWindow();
    const int nResult =
        (int)::TrackPopupMenu(m_hMenu, TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                              rectWindow.left, rectWindow.bottom, 0, GetSafeHwnd(), NULL);
    m_nMenuResult = nResult;
    m_bPushed = FALSE;
    m_bHighlighted = FALSE;
    m_bClickiedInside = FALSE;
    ReleaseOwnCapture();
    Invalidate();
    UpdateWindow();
    if (nResult != 0 && GetParent() != NULL)
        GetParent()->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), (LPARAM)GetSafeHwnd());
}

void CORXMenuButton::OnLButtonDown(UINT, CPoint)
{
    SetFocus();
    OnShowMenu();
}

void CORXMenuButton::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_SPACE || nChar == VK_DOWN)
    {
        OnShowMenu();
        return;
    }
    CButton::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CORXMenuButton::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (IsMenuState())
    {
        m_bClickiedInside = FALSE;
        CButton::OnLButtonUp(nFlags, point);
        if (m_bCaptured || ::GetCapture() == GetSafeHwnd())
            ReleaseOwnCapture();
        return;
    }
    CORXButton::OnLButtonUp(nFlags, point);
}

void CORXMenuButton::OnKillFocus(CWnd* pNewWnd)
{
    if (IsMenuState())
    {
        CButton::OnKillFocus(pNewWnd);
        if (m_bCaptured || ::GetCapture() == GetSafeHwnd())
            ReleaseOwnCapture();
        m_bClickiedInside = FALSE;
        m_bHover = FALSE;
        m_bHighlighted = FALSE;
        Invalidate();
        return;
    }
    CORXButton::OnKillFocus(pNewWnd);
}

UINT CORXMenuButton::OnGetDlgCode()
{
    return DLGC_WANTARROWS;
}
