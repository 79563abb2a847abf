// CORXPropList: layout, painting, mouse, keys, scrolling and tips of the property grid.
#include "ORXPropList.h"

#include <mbstring.h>
#include <stddef.h>

#include <algorithm>

#include "ORXColorMenuButton.h"
#include "ORXDrawHelper.h"
#include "ORXGlobalData.h"
#include "ORXVisualManager.h"

namespace
{
const int kDividerZone = 3;
const int kWheelDelta = 120;
const int kDescrInset = 4;

// The text a tip shows stays here while the tip points to it.
CString g_strTipText;
WCHAR g_szTipTextW[1024];
} // namespace

IMPLEMENT_DYNAMIC(CORXPropList, CWnd)

BEGIN_MESSAGE_MAP(CORXPropList, CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_SETTINGCHANGE()
ON_WM_STYLECHANGED()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_CANCELMODE()
ON_WM_RBUTTONDOWN()
ON_WM_KILLFOCUS()
ON_WM_GETDLGCODE()
ON_WM_VSCROLL()
ON_WM_MOUSEWHEEL()
ON_WM_LBUTTONDBLCLK()
ON_WM_SETCURSOR()
ON_WM_KEYDOWN()
ON_WM_SYSKEYDOWN()
ON_WM_CHAR()
ON_WM_SETFOCUS()
ON_WM_CTLCOLOR()
ON_WM_SYSCOLORCHANGE()
ON_WM_DESTROY()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_MESSAGE(WM_SETFONT, OnSetFont)
ON_MESSAGE(WM_GETFONT, OnGetFont)
ON_MESSAGE(WM_APP_PROPLIST_ENDEDIT, OnEndEditPosted)
ON_NOTIFY(HDN_ITEMCHANGEDA, IdHeader, OnHeaderItemChanged)
ON_NOTIFY(HDN_ITEMCHANGEDW, IdHeader, OnHeaderItemChanged)
ON_NOTIFY(HDN_TRACKA, IdHeader, OnHeaderTrack)
ON_NOTIFY(HDN_TRACKW, IdHeader, OnHeaderTrack)
ON_NOTIFY(HDN_ENDTRACKA, IdHeader, OnHeaderEndTrack)
ON_NOTIFY(HDN_ENDTRACKW, IdHeader, OnHeaderEndTrack)
ON_CBN_SELENDOK(IdCombo, OnSelectCombo)
ON_CBN_CLOSEUP(IdCombo, OnCloseCombo)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnNeedTipText)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, OnNeedTipText)
END_MESSAGE_MAP()

CORXPropList::CORXPropList()
    : m_bDescriptionArea(FALSE), m_nDescrHeight(-1), m_nTooltipsCount(0), m_bAlphabeticMode(FALSE),
      m_hFont(NULL), m_nHeaderHeight(0), m_nRowHeight(0), m_nLeftColumnWidth(0), m_nFirstVisibleItem(0),
      m_nVertScrollTotal(0), m_nVertScrollPage(0), m_bTracking(FALSE), m_bTrackingDescr(FALSE), m_pSel(NULL),
      m_bFocused(FALSE), m_clrGroupBackground((COLORREF)-1), m_bBarColors(FALSE), m_bImmediateResize(FALSE),
      m_bHeaderCtrl(TRUE), m_strHeaderLeft(_T("Property")), m_strHeaderRight(_T("Value")),
      m_bAlphaDirty(TRUE), m_nWheelRemainder(0), m_bNcPainted(FALSE), m_nTipsDivider(0)
{
    m_rectTipsFor.SetRectEmpty();
    m_rectList.SetRectEmpty();
    m_rectTrackHeader.SetRectEmpty();
    m_rectTrackDescr.SetRectEmpty();
}

CORXPropList::~CORXPropList()
{
    RemoveAll();
}

BOOL CORXPropList::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW));
    // The editors are children: the rows' painting goes round them.
    return CWnd::Create(lpszClass, _T(""), dwStyle | WS_VSCROLL | WS_CLIPCHILDREN, rect, pParentWnd, nID);
}

/////////////////////////////////////////////////////////////////////////////
// Properties

int CORXPropList::AddProperty(CORXProp* pProp, BOOL bRedraw)
{
    if (pProp == NULL || pProp->m_pParent != NULL)
        return -1;
    for (POSITION pos = m_lstProps.GetHeadPosition(); pos != NULL;)
        if (m_lstProps.GetNext(pos) == pProp)
            return -1;
    pProp->SetOwnerList(this);
    m_lstProps.AddTail(pProp);
    m_bAlphaDirty = TRUE;
    if (bRedraw && GetSafeHwnd() != NULL)
    {
        AdjustLayout();
        Invalidate();
    }
    return (int)m_lstProps.GetCount() - 1;
}

namespace
{
BOOL Contains(CORXProp* pTree, CORXProp* pProp)
{
    for (CORXProp* p = pProp; p != NULL; p = p->GetParent())
        if (p == pTree)
            return TRUE;
    return FALSE;
}
} // namespace

BOOL CORXPropList::DeleteProperty(CORXProp*& pProp, BOOL bRedraw)
{
    POSITION pos = pProp != NULL ? m_lstProps.Find(pProp) : NULL;
    if (pos == NULL)
        return FALSE;
    if (m_pSel != NULL && Contains(pProp, m_pSel))
    {
        EndEditItem(FALSE);
        m_pSel = NULL;
    }
    m_lstProps.RemoveAt(pos);
    m_bAlphaDirty = TRUE;
    m_arShown.clear();
    m_lstTerminalProps.RemoveAll();
    delete pProp;
    pProp = NULL;
    if (bRedraw && GetSafeHwnd() != NULL)
    {
        AdjustLayout();
        Invalidate();
    }
    return TRUE;
}

void CORXPropList::RemoveAll()
{
    if (m_pSel != NULL)
        EndEditItem(FALSE);
    m_pSel = NULL;
    m_arShown.clear();
    m_lstTerminalProps.RemoveAll();
    while (!m_lstProps.IsEmpty())
        delete (CORXProp*)m_lstProps.RemoveHead();
    m_bAlphaDirty = TRUE;
    m_nFirstVisibleItem = 0;
    if (GetSafeHwnd() != NULL)
    {
        AdjustLayout();
        Invalidate();
    }
}

CORXProp* CORXPropList::GetProperty(int nIndex) const
{
    POSITION pos = nIndex >= 0 ? m_lstProps.FindIndex(nIndex) : NULL;
    return pos != NULL ? (CORXProp*)m_lstProps.GetAt(pos) : NULL;
}

namespace
{
CORXProp* FindByData(CORXProp* pProp, DWORD_PTR dwData, BOOL bSub)
{
    if (pProp->GetData() == dwData)
        return pProp;
    if (!bSub)
        return NULL;
    for (int i = 0; i < pProp->GetSubItemsCount(); i++)
    {
        CORXProp* pFound = FindByData(pProp->GetSubItem(i), dwData, TRUE);
        if (pFound != NULL)
            return pFound;
    }
    return NULL;
}
} // namespace

CORXProp* CORXPropList::FindItemByData(DWORD_PTR dwData, BOOL bSearchSubItems) const
{
    for (POSITION pos = m_lstProps.GetHeadPosition(); pos != NULL;)
    {
        CORXProp* pFound = FindByData((CORXProp*)m_lstProps.GetNext(pos), dwData, bSearchSubItems);
        if (pFound != NULL)
            return pFound;
    }
    return NULL;
}

CORXProp* CORXPropList::HitTest(CPoint point, CORXProp::ClickArea* pnArea) const
{
    if (pnArea != NULL)
        *pnArea = CORXProp::ClickNone;
    if (!m_rectList.PtInRect(point) || m_nRowHeight <= 0)
        return NULL;
    // The rows on show are stacked from one known top: the row under a point is found directly.
    int nIndex = m_nFirstVisibleItem + (point.y - (m_rectList.top - 1)) / m_nRowHeight;
    for (int i = std::max<int>(0, nIndex - 1); i <= nIndex + 1 && i < (int)m_arShown.size(); i++)
    {
        CORXProp* pHit = m_arShown[i];
        if (pHit->m_Rect.PtInRect(point))
        {
            CORXProp::ClickArea nArea = CORXProp::ClickNone;
            // The row itself answers, not one of its sub-items.
            pHit->HitTest(point, &nArea);
            if (pnArea != NULL)
                *pnArea = nArea;
            return pHit;
        }
    }
    return NULL;
}

CFont* CORXPropList::GetListFont() const
{
    return CFont::FromHandle(m_hFont != NULL ? m_hFont : (HFONT)::GetStockObject(DEFAULT_GUI_FONT));
}

/////////////////////////////////////////////////////////////////////////////
// Layout

void CORXPropList::Init()
{
    if (m_ToolTip.GetSafeHwnd() == NULL)
    {
        m_ToolTip.Create(this, TTS_ALWAYSTIP | TTS_NOPREFIX);
        if (m_ToolTip.GetSafeHwnd() != NULL)
            m_ToolTip.SetMaxTipWidth(globalData.m_nMaxToolTipWidth > 0 ? globalData.m_nMaxToolTipWidth : 400);
    }
    if (m_wndHeader.GetSafeHwnd() == NULL)
    {
        m_wndHeader.Create(WS_CHILD | (m_bHeaderCtrl ? WS_VISIBLE : 0) | HDS_HORZ, CRect(0, 0, 0, 0), this,
                           IdHeader);
        HDITEM item = {0};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.fmt = HDF_LEFT | HDF_STRING;
        item.pszText = (LPTSTR)(LPCTSTR)m_strHeaderLeft;
        m_wndHeader.InsertItem(0, &item);
        item.pszText = (LPTSTR)(LPCTSTR)m_strHeaderRight;
        m_wndHeader.InsertItem(1, &item);
    }
    RebuildBoldFont();
    UpdateGroupBackground();
    CRect rectClient;
    GetClientRect(rectClient);
    m_nLeftColumnWidth = rectClient.Width() / 2;
    AdjustLayout();
}

void CORXPropList::RebuildBoldFont()
{
    if (m_fontBold.GetSafeHandle() != NULL)
        m_fontBold.DeleteObject();
    LOGFONT lf;
    GetListFont()->GetLogFont(&lf);
    lf.lfWeight = FW_BOLD;
    m_fontBold.CreateFontIndirect(&lf);
}

void CORXPropList::UpdateGroupBackground()
{
    if (m_bBarColors)
        m_clrGroupBackground =
            globalData.m_nBitsPerPixel > 8 ? globalData.clrBarFace : globalData.clrBarShadow;
    else
        m_clrGroupBackground = globalData.m_nBitsPerPixel > 8
                                   ? CORXDrawHelper::ScaleColor(globalData.clrBtnFace, 94)
                                   : globalData.clrBtnShadow;
}

void CORXPropList::AdjustLayout()
{
    if (GetSafeHwnd() == NULL)
        return;
    {
        CClientDC dc(this);
        CFont* pOld = dc.SelectObject(GetListFont());
        TEXTMETRIC tm;
        dc.GetTextMetrics(&tm);
        dc.SelectObject(pOld);
        m_nRowHeight = tm.tmHeight + 4;
    }
    CRect rectClient;
    GetClientRect(rectClient);
    m_nHeaderHeight = m_bHeaderCtrl ? m_nRowHeight + 4 : 0;
    if (m_wndHeader.GetSafeHwnd() != NULL)
    {
        m_wndHeader.SendMessage(WM_SETFONT, (WPARAM)GetListFont()->GetSafeHandle());
        m_wndHeader.SetWindowPos(NULL, rectClient.left, rectClient.top, rectClient.Width(), m_nHeaderHeight,
                                 SWP_NOZORDER | SWP_NOACTIVATE |
                                     (m_bHeaderCtrl ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    }
    m_rectList = rectClient;
    m_rectList.top += m_nHeaderHeight;
    if (m_bDescriptionArea && m_nDescrHeight > 0)
    {
        // The description never leaves less than one row of the list.
        int nDescr = std::min<int>(m_nDescrHeight, std::max<int>(0, m_rectList.Height() - m_nRowHeight));
        m_rectList.bottom -= nDescr;
    }
    if (m_rectList.bottom < m_rectList.top)
        m_rectList.bottom = m_rectList.top;

    // The rows on show, first at the scroll position of before, then the range around them.
    ReposProperties();
    const int nTotal = (int)m_arShown.size();
    m_nVertScrollPage = m_nRowHeight > 0 ? m_rectList.Height() / m_nRowHeight : 0;
    m_nVertScrollTotal = std::max<int>(0, nTotal - 1);
    const int nLastFirst = std::max<int>(0, m_nVertScrollTotal - m_nVertScrollPage + 1);
    if (m_nFirstVisibleItem > nLastFirst || nTotal <= m_nVertScrollPage)
    {
        m_nFirstVisibleItem = nTotal <= m_nVertScrollPage ? 0 : nLastFirst;
        ReposProperties();
    }
    SCROLLINFO si = {sizeof(SCROLLINFO)};
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    si.nMin = 0;
    si.nMax = m_nVertScrollTotal;
    si.nPage = (UINT)std::max<int>(1, m_nVertScrollPage);
    si.nPos = m_nFirstVisibleItem;
    ::SetScrollInfo(m_hWnd, SB_VERT, &si, TRUE);
    UpdateHeader();
    // The row being edited keeps its editor over its value.
    if (m_pSel != NULL && m_pSel->m_bInPlaceEdit && m_pSel->m_pWndInPlace != NULL &&
        m_pSel->m_pWndInPlace->GetSafeHwnd() != NULL)
    {
        if (m_pSel->m_Rect.IsRectEmpty())
            EndEditItem(TRUE);
        else
        {
            CRect rectOld;
            m_pSel->m_pWndInPlace->GetWindowRect(rectOld);
            ScreenToClient(rectOld);
            CRect rect = m_pSel->IsCombo() ? m_pSel->GetValueRect() : m_pSel->GetEditRect();
            if (m_pSel->IsKindOf(RUNTIME_CLASS(CORXColorProp)))
                rect.left = ((CORXColorProp*)m_pSel)->GetSwatchRect(m_pSel->GetValueRect()).right + 1;
            if (m_pSel->IsCombo())
                rect.bottom = rect.top + rectOld.Height();
            if (rect != rectOld)
                m_pSel->m_pWndInPlace->MoveWindow(rect);
        }
    }
}

void CORXPropList::UpdateHeader()
{
    if (m_wndHeader.GetSafeHwnd() == NULL)
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    HDITEM item = {0};
    item.mask = HDI_WIDTH;
    item.cxy = m_nLeftColumnWidth + 2;
    m_wndHeader.SetItem(0, &item);
    item.cxy = rectClient.Width() + 10;
    m_wndHeader.SetItem(1, &item);
}

namespace
{
struct NameLess
{
    bool operator()(const CORXProp* a, const CORXProp* b) const
    {
        return _mbscmp((const unsigned char*)(LPCTSTR)a->GetName(),
                       (const unsigned char*)(LPCTSTR)b->GetName()) < 0;
    }
};
} // namespace

void CORXPropList::AddAlpha(CORXProp* pProp, CArray<CORXProp*, CORXProp*>& ar)
{
    if (pProp->IsCategory())
    {
        for (int i = 0; i < pProp->GetSubItemsCount(); i++)
            AddAlpha(pProp->GetSubItem(i), ar);
        return;
    }
    ar.Add(pProp);
}

void CORXPropList::BuildAlphaList()
{
    // Each property goes before the first one whose name compares greater, so that equal names
    // keep their order: a stable sort gives the same order in n log n.
    CArray<CORXProp*, CORXProp*> ar;
    for (POSITION pos = m_lstProps.GetHeadPosition(); pos != NULL;)
        AddAlpha((CORXProp*)m_lstProps.GetNext(pos), ar);
    if (ar.GetSize() > 0)
        std::stable_sort(ar.GetData(), ar.GetData() + ar.GetSize(), NameLess());
    m_lstTerminalProps.RemoveAll();
    for (int i = 0; i < ar.GetSize(); i++)
        m_lstTerminalProps.AddTail(ar[i]);
    m_bAlphaDirty = FALSE;
}

void CORXPropList::ReposProperties()
{
    m_arShown.clear();
    if (m_bAlphaDirty || (m_bAlphabeticMode && m_lstTerminalProps.IsEmpty() && !m_lstProps.IsEmpty()))
        BuildAlphaList();
    int y = m_rectList.top - m_nFirstVisibleItem * m_nRowHeight - 1;
    if (!m_bAlphabeticMode)
    {
        for (POSITION pos = m_lstProps.GetHeadPosition(); pos != NULL;)
            ((CORXProp*)m_lstProps.GetNext(pos))->Repos(y, TRUE);
    }
    else
    {
        // Category rows are not shown in this view: their rows hide away.
        for (POSITION pos = m_lstProps.GetHeadPosition(); pos != NULL;)
        {
            CORXProp* pProp = (CORXProp*)m_lstProps.GetNext(pos);
            int yHidden = 0;
            pProp->Repos(yHidden, FALSE);
        }
        // A listed row always shows; the parts of a value group only while every row above them
        // in the categories is open as well.
        for (POSITION pos = m_lstTerminalProps.GetHeadPosition(); pos != NULL;)
        {
            CORXProp* pProp = m_lstTerminalProps.GetNext(pos);
            BOOL bAncestorsExpanded = TRUE;
            for (CORXProp* pUp = pProp->GetParent(); pUp != NULL && bAncestorsExpanded;
                 pUp = pUp->GetParent())
                bAncestorsExpanded = pUp->IsExpanded();
            pProp->Repos(y, TRUE, bAncestorsExpanded);
        }
    }
    UpdateTooltips();
}

void CORXPropList::UpdateTooltips()
{
    if (m_ToolTip.GetSafeHwnd() == NULL)
        return;
    // Rows always stand at the same places on the screen, whatever is scrolled: a name and a value
    // tool for each place, asked for their text when shown, outlive any scrolling. They are made
    // anew only when the places change.
    const int xDivider = m_rectList.left + m_nLeftColumnWidth;
    const int nSlots = m_nRowHeight > 0 ? m_rectList.Height() / m_nRowHeight + 1 : 0;
    CRect rectKey(m_rectList.left, m_rectList.top, m_rectList.right, m_nRowHeight);
    if (rectKey == m_rectTipsFor && xDivider == m_nTipsDivider && nSlots * 2 == m_nTooltipsCount)
        return;
    for (int i = 1; i <= m_nTooltipsCount; i++)
        m_ToolTip.DelTool(this, i);
    m_nTooltipsCount = 0;
    m_rectTipsFor = rectKey;
    m_nTipsDivider = xDivider;
    TOOLINFO ti;
    memset(&ti, 0, sizeof(ti));
    ti.cbSize = sizeof(ti);
    ti.hwnd = m_hWnd;
    ti.uFlags = TTF_SUBCLASS;
    ti.lpszText = LPSTR_TEXTCALLBACK;
    for (int i = 0; i < nSlots; i++)
    {
        const int yTop = m_rectList.top - 1 + i * m_nRowHeight;
        ti.rect = CRect(m_rectList.left, yTop, xDivider, yTop + m_nRowHeight);
        ti.uId = ++m_nTooltipsCount;
        m_ToolTip.SendMessage(TTM_ADDTOOL, 0, (LPARAM)&ti);
        ti.rect = CRect(xDivider + 1, yTop, m_rectList.right, yTop + m_nRowHeight);
        ti.uId = ++m_nTooltipsCount;
        m_ToolTip.SendMessage(TTM_ADDTOOL, 0, (LPARAM)&ti);
    }
}

void CORXPropList::SetAlphabeticMode(BOOL bSet)
{
    if (m_bAlphabeticMode == bSet)
        return;
    m_bAlphabeticMode = bSet;
    m_bAlphaDirty = TRUE;
    m_nFirstVisibleItem = 0;
    if (GetSafeHwnd() == NULL)
        return;
    if (m_pSel != NULL && m_bAlphabeticMode && m_pSel->IsCategory())
        SetCurSel(NULL, FALSE);
    AdjustLayout();
    Invalidate();
    UpdateWindow();
    if (m_pSel != NULL)
        EnsureVisible(m_pSel);
}

void CORXPropList::EnableDescriptionArea(BOOL bEnable)
{
    m_bDescriptionArea = bEnable;
    if (GetSafeHwnd() != NULL)
    {
        AdjustLayout();
        Invalidate();
    }
}

void CORXPropList::EnableHeaderCtrl(BOOL bEnable, LPCTSTR lpszLeftColumn, LPCTSTR lpszRightColumn)
{
    m_bHeaderCtrl = bEnable;
    m_strHeaderLeft = lpszLeftColumn != NULL ? lpszLeftColumn : _T("");
    m_strHeaderRight = lpszRightColumn != NULL ? lpszRightColumn : _T("");
    if (m_wndHeader.GetSafeHwnd() != NULL)
    {
        HDITEM item = {0};
        item.mask = HDI_TEXT;
        item.pszText = (LPTSTR)(LPCTSTR)m_strHeaderLeft;
        m_wndHeader.SetItem(0, &item);
        item.pszText = (LPTSTR)(LPCTSTR)m_strHeaderRight;
        m_wndHeader.SetItem(1, &item);
    }
    if (GetSafeHwnd() != NULL)
    {
        AdjustLayout();
        Invalidate();
    }
}

void CORXPropList::SetBarColors(BOOL bSet)
{
    m_bBarColors = bSet;
    UpdateGroupBackground();
    if (GetSafeHwnd() != NULL)
        Invalidate();
}

void CORXPropList::ExpandAll(BOOL bExpand)
{
    struct Local
    {
        static void Walk(CORXProp* p, BOOL b)
        {
            if (p->GetSubItemsCount() > 0)
                p->m_bExpanded = b;
            for (int i = 0; i < p->GetSubItemsCount(); i++)
                Walk(p->GetSubItem(i), b);
        }
    };
    for (POSITION pos = m_lstProps.GetHeadPosition(); pos != NULL;)
        Local::Walk((CORXProp*)m_lstProps.GetNext(pos), bExpand);
    if (GetSafeHwnd() != NULL)
    {
        AdjustLayout();
        Invalidate();
    }
}

/////////////////////////////////////////////////////////////////////////////
// Selection, visibility, scrolling

void CORXPropList::InvalidateRow(CORXProp* pProp, BOOL bNameOnly)
{
    if (pProp == NULL || GetSafeHwnd() == NULL || pProp->m_Rect.IsRectEmpty())
        return;
    CRect rect = pProp->m_Rect;
    if (bNameOnly)
        rect.right = m_rectList.left + m_nLeftColumnWidth;
    InvalidateRect(rect);
}

void CORXPropList::SetCurSel(CORXProp* pProp, BOOL bRedraw)
{
    CORXProp* pOld = m_pSel;
    if (pOld == pProp)
        return;
    if (pOld != NULL && pOld->m_bInPlaceEdit)
        EndEditItem(FALSE);
    OnChangeSelection(pProp, pOld);
    if (pOld != NULL)
    {
        CRect rectButton = pOld->m_rectButton;
        pOld->m_rectButton.SetRectEmpty();
        if (bRedraw)
        {
            InvalidateRow(pOld, pOld->HasValueField() && !(pOld->IsGroup() && pOld->IsExpanded()));
            if (!rectButton.IsRectEmpty() && GetSafeHwnd() != NULL)
                InvalidateRect(rectButton);
        }
    }
    m_pSel = pProp;
    if (pProp != NULL)
    {
        if (pProp->HasButton() && !pProp->m_Rect.IsRectEmpty())
        {
            CRect& rectButton = pProp->m_rectButton;
            rectButton.top = pProp->m_Rect.top + 1;
            rectButton.bottom = pProp->m_Rect.bottom;
            rectButton.right = pProp->m_Rect.right;
            rectButton.left = rectButton.right - (rectButton.bottom - rectButton.top) + 2;
        }
        if (bRedraw)
        {
            InvalidateRow(pProp, pProp->HasValueField() && !(pProp->IsGroup() && pProp->IsExpanded()));
            if (!pProp->m_rectButton.IsRectEmpty() && GetSafeHwnd() != NULL)
                InvalidateRect(pProp->m_rectButton);
        }
    }
    if (GetSafeHwnd() != NULL)
    {
        // The description belongs to the selection, whether or not the rows are redrawn.
        if (m_bDescriptionArea)
            InvalidateRect(GetDescriptionRect());
        UpdateWindow();
    }
}

CRect CORXPropList::GetDescriptionRect() const
{
    CRect rectClient;
    GetClientRect(rectClient);
    CRect rect(rectClient.left, m_rectList.bottom, rectClient.right, rectClient.bottom);
    rect.DeflateRect(kDescrInset, kDescrInset);
    return rect;
}

void CORXPropList::EnsureVisible(CORXProp* pProp, BOOL bExpandParents)
{
    if (pProp == NULL || m_nRowHeight <= 0 || GetSafeHwnd() == NULL)
        return;
    if (bExpandParents)
    {
        BOOL bChanged = FALSE;
        for (CORXProp* p = pProp->m_pParent; p != NULL; p = p->m_pParent)
            if (!p->m_bExpanded && p->GetSubItemsCount() > 0)
            {
                p->m_bExpanded = TRUE;
                bChanged = TRUE;
            }
        if (bChanged)
        {
            AdjustLayout();
            Invalidate();
        }
    }
    const CRect rect = pProp->m_Rect;
    if (rect.IsRectEmpty())
        return;
    if (rect.top >= m_rectList.top - 1 && rect.bottom <= m_rectList.bottom)
        return;
    CRect rectButton = pProp->m_rectButton;
    pProp->m_rectButton.SetRectEmpty();
    if (!rectButton.IsRectEmpty())
        InvalidateRect(rectButton);
    if (rect.top < m_rectList.top - 1 && rect.bottom >= m_rectList.top - 1)
        OnVScroll(SB_LINEUP, 0, NULL);
    else if (rect.bottom > m_rectList.bottom && rect.top < m_rectList.bottom)
        OnVScroll(SB_LINEDOWN, 0, NULL);
    else
    {
        // The row's own index comes first: rows stack down from list top - 1 - first x height.
        int nIndex = m_nFirstVisibleItem + (rect.top - (m_rectList.top - 1)) / m_nRowHeight;
        OnVScroll(SB_THUMBPOSITION, (UINT)std::max<int>(0, nIndex), NULL);
    }
    if (!rectButton.IsRectEmpty() && !pProp->m_Rect.IsRectEmpty())
    {
        pProp->m_rectButton = rectButton;
        pProp->m_rectButton.top = pProp->m_Rect.top + 1;
        pProp->m_rectButton.bottom = pProp->m_Rect.bottom;
        InvalidateRect(pProp->m_rectButton);
    }
}

void CORXPropList::SetScrollPos(int nPos)
{
    // The bar is drawn with the next paint of the rows rather than at once: drawn at once, it cost
    // more than a page of rows under the same display.
    CWnd::SetScrollPos(SB_VERT, nPos, FALSE);
    ::RedrawWindow(m_hWnd, NULL, NULL, RDW_FRAME | RDW_INVALIDATE | RDW_NOERASE | RDW_NOCHILDREN);
}

void CORXPropList::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (m_pSel != NULL && pScrollBar != NULL && m_pSel->m_pWndInPlace != NULL &&
        (pScrollBar->GetSafeHwnd() == m_pSel->m_pWndInPlace->GetSafeHwnd() ||
         ::IsChild(m_pSel->m_pWndInPlace->GetSafeHwnd(), pScrollBar->GetSafeHwnd())))
        return;
    const int nOld = m_nFirstVisibleItem;
    int nNew = nOld;
    switch (nSBCode)
    {
    case SB_LINEUP:
        nNew--;
        break;
    case SB_LINEDOWN:
        nNew++;
        break;
    case SB_PAGEUP:
        nNew -= m_nVertScrollPage;
        break;
    case SB_PAGEDOWN:
        nNew += m_nVertScrollPage;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        nNew = (int)nPos;
        break;
    case SB_TOP:
        nNew = 0;
        break;
    case SB_BOTTOM:
        nNew = m_nVertScrollTotal;
        break;
    default:
        return;
    }
    nNew = std::min<int>(nNew, std::max<int>(0, m_nVertScrollTotal - m_nVertScrollPage + 1));
    nNew = std::max<int>(nNew, 0);
    if (nNew == nOld)
        return;
    m_nFirstVisibleItem = nNew;
    if (GetSafeHwnd() == NULL)
        return;
    SetScrollPos(nNew);
    // A tip on show would name the row that was there.
    if (m_ToolTip.GetSafeHwnd() != NULL)
        m_ToolTip.Pop();
    ReposProperties();
    // Layout also moves an open editor with its row.
    if (m_pSel != NULL && m_pSel->m_bInPlaceEdit)
        AdjustLayout();
    ScrollWindow(0, (nOld - nNew) * m_nRowHeight, m_rectList, m_rectList);
    if (m_pSel != NULL && !m_pSel->m_rectButton.IsRectEmpty())
        InvalidateRect(m_pSel->m_rectButton);
}

BOOL CORXPropList::OnMouseWheel(UINT /*nFlags*/, short zDelta, CPoint /*pt*/)
{
    // Fine wheels send less than a notch at a time: what is short of a line waits for the rest.
    m_nWheelRemainder += zDelta;
    int nLines = m_nWheelRemainder / kWheelDelta;
    m_nWheelRemainder -= nLines * kWheelDelta;
    for (int i = 0; i < abs(nLines); i++)
        OnVScroll(nLines > 0 ? SB_LINEUP : SB_LINEDOWN, 0, NULL);
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Editing

BOOL CORXPropList::EditItem(CORXProp* pProp, LPPOINT lptClick)
{
    if (pProp == NULL || !pProp->IsEnabled() || pProp->IsCategory() || !pProp->HasValueField())
        return FALSE;
    if (pProp->m_bInPlaceEdit)
        return TRUE;
    if (m_pSel != NULL && m_pSel != pProp && m_pSel->m_bInPlaceEdit)
        EndEditItem(TRUE);
    EnsureVisible(pProp);
    if (!pProp->OnEdit(lptClick))
        return FALSE;
    InvalidateRow(pProp, FALSE);
    return TRUE;
}

BOOL CORXPropList::EndEditItem(BOOL bUpdateData)
{
    CORXProp* pProp = m_pSel;
    if (pProp == NULL || !pProp->m_bInPlaceEdit)
        return TRUE;
    if (bUpdateData && !pProp->OnUpdateValue())
        return FALSE;
    // The focus comes back to the list rather than going nowhere with the editor.
    HWND hFocus = ::GetFocus();
    const BOOL bHadFocus = pProp->m_pWndInPlace != NULL && pProp->m_pWndInPlace->GetSafeHwnd() != NULL &&
                           (hFocus == pProp->m_pWndInPlace->GetSafeHwnd() ||
                            ::IsChild(pProp->m_pWndInPlace->GetSafeHwnd(), hFocus));
    pProp->OnEndEdit();
    if (bHadFocus && GetSafeHwnd() != NULL)
        SetFocus();
    InvalidateRow(pProp, FALSE);
    if (!pProp->m_rectButton.IsRectEmpty() && GetSafeHwnd() != NULL)
        InvalidateRect(pProp->m_rectButton);
    return TRUE;
}

LRESULT CORXPropList::OnEndEditPosted(WPARAM, LPARAM)
{
    // Only when the focus really stayed outside the list and the row did not keep its edit.
    HWND hFocus = ::GetFocus();
    if (hFocus == m_hWnd || ::IsChild(m_hWnd, hFocus))
        return 0;
    if (m_pSel != NULL && m_pSel->m_bInPlaceEdit && m_pSel->OnKillFocus(CWnd::FromHandle(hFocus)))
    {
        EndEditItem(FALSE);
        m_bFocused = FALSE;
        InvalidateRow(m_pSel, FALSE);
    }
    return 0;
}

void CORXPropList::OnPropertyChanged(CORXProp* pProp) const
{
    if (pProp == NULL || GetSafeHwnd() == NULL)
        return;
    pProp->Redraw();
    CWnd* pOwner = GetOwner();
    if (pOwner == NULL)
        pOwner = GetParent();
    if (pOwner != NULL)
        pOwner->SendMessage(ORXM_PROPERTYCHANGED, GetDlgCtrlID(), (LPARAM)pProp);
}

void CORXPropList::PressButton(CORXProp* pProp, CPoint point)
{
    // A font row's text names only the face and the size: its font and colour are compared whole,
    // so that a change of style or colour alone is reported too.
    CORXFontProp* pFont = DYNAMIC_DOWNCAST(CORXFontProp, pProp);
    const CString strBefore = pProp->FormatProperty();
    LOGFONT lfBefore = {};
    COLORREF clrBefore = 0;
    if (pFont != NULL)
    {
        lfBefore = pFont->GetLogFont();
        clrBefore = pFont->GetColor();
    }
    pProp->OnClickButton(point);
    BOOL bChanged;
    if (pFont != NULL)
    {
        const LOGFONT& lf = pFont->GetLogFont();
        bChanged = memcmp(&lf, &lfBefore, offsetof(LOGFONT, lfFaceName)) != 0 ||
                   lstrcmpi(lf.lfFaceName, lfBefore.lfFaceName) != 0 || pFont->GetColor() != clrBefore;
    }
    else
        bChanged = pProp->FormatProperty() != strBefore;
    if (bChanged)
        OnPropertyChanged(pProp);
}

void CORXPropList::OnSelectCombo()
{
    if (m_pSel != NULL)
        m_pSel->OnSelectCombo();
}

void CORXPropList::OnCloseCombo()
{
    if (m_pSel != NULL)
        m_pSel->OnCloseCombo();
}

void CORXPropList::OnColorBarClosed(CORXColorBar*)
{
    OnCloseColorPopup();
    // The focus goes back to the selected row's editor, else to the list: the editor that the row
    // has just given it to keeps it, so that typing goes on in the value.
    CWnd* pWnd = this;
    if (m_pSel != NULL && m_pSel->m_pWndInPlace != NULL && m_pSel->m_pWndInPlace->GetSafeHwnd() != NULL)
        pWnd = m_pSel->m_pWndInPlace;
    if (pWnd->GetSafeHwnd() != NULL)
        pWnd->SetFocus();
}

void CORXPropList::OnSelectColor(COLORREF color)
{
    CORXColorProp* pColorProp = DYNAMIC_DOWNCAST(CORXColorProp, m_pSel);
    if (pColorProp == NULL)
        return;
    COLORREF colorOld = pColorProp->GetColor();
    pColorProp->SetColor(color);
    if (colorOld != color)
        OnPropertyChanged(pColorProp);
    pColorProp->Redraw();
}

namespace
{
CORXColorProp* FindOpenPopup(CORXProp* pProp)
{
    CORXColorProp* pColorProp = DYNAMIC_DOWNCAST(CORXColorProp, pProp);
    if (pColorProp != NULL && pColorProp->GetPopup() != NULL)
        return pColorProp;
    for (int i = 0; i < pProp->GetSubItemsCount(); i++)
    {
        CORXColorProp* pFound = FindOpenPopup(pProp->GetSubItem(i));
        if (pFound != NULL)
            return pFound;
    }
    return NULL;
}
} // namespace

void CORXPropList::OnCloseColorPopup()
{
    // The row that opened the pop-up, even when another one has been selected since.
    CORXColorProp* pColorProp = DYNAMIC_DOWNCAST(CORXColorProp, m_pSel);
    if (pColorProp == NULL || pColorProp->GetPopup() == NULL)
    {
        pColorProp = NULL;
        for (POSITION pos = m_lstProps.GetHeadPosition(); pos != NULL && pColorProp == NULL;)
            pColorProp = FindOpenPopup((CORXProp*)m_lstProps.GetNext(pos));
    }
    if (pColorProp == NULL)
        return;
    pColorProp->m_pPopup = NULL;
    pColorProp->Redraw();
    if (pColorProp->m_pWndInPlace != NULL && pColorProp->m_pWndInPlace->GetSafeHwnd() != NULL)
        pColorProp->m_pWndInPlace->SetFocus();
}

/////////////////////////////////////////////////////////////////////////////
// Messages

int CORXPropList::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    Init();
    return 0;
}

void CORXPropList::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    EndEditItem(FALSE);
    m_nLeftColumnWidth = cx / 2;
    AdjustLayout();
}

void CORXPropList::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CWnd::OnSettingChange(uFlags, lpszSection);
    AdjustLayout();
}

void CORXPropList::OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct)
{
    CWnd::OnStyleChanged(nStyleType, lpStyleStruct);
    AdjustLayout();
}

BOOL CORXPropList::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CORXPropList::OnPaint()
{
    CPaintDC dcPaint(this);
    UpdateGroupBackground();
    CRect rectClient;
    GetClientRect(rectClient);
    CDC dcMem;
    CDC* pDC = &dcPaint;
    CBitmap* pOldBmp = NULL;
    // The bitmap is kept from one paint to the next while the size stays: scrolling paints often.
    if (m_bmpPaint.GetSafeHandle() != NULL && m_sizePaint != rectClient.Size())
        m_bmpPaint.DeleteObject();
    if (m_bmpPaint.GetSafeHandle() == NULL &&
        m_bmpPaint.CreateCompatibleBitmap(&dcPaint, rectClient.Width(), rectClient.Height()))
        m_sizePaint = rectClient.Size();
    if (m_bmpPaint.GetSafeHandle() != NULL && dcMem.CreateCompatibleDC(&dcPaint))
    {
        pOldBmp = dcMem.SelectObject(&m_bmpPaint);
        pDC = &dcMem;
        CRect rectClip;
        dcPaint.GetClipBox(rectClip);
        pDC->IntersectClipRect(rectClip);
    }
    pDC->FillRect(rectClient, &globalData.brWindow);
    CFont* pOldFont = pDC->SelectObject(GetListFont());
    pDC->SetTextColor(globalData.clrWindowText);
    pDC->SetBkMode(TRANSPARENT);
    OnDrawList(pDC);
    if (m_bDescriptionArea)
    {
        CRect rectDescr(rectClient.left, m_rectList.bottom, rectClient.right, rectClient.bottom);
        rectDescr.DeflateRect(1, 1);
        OnDrawDescription(pDC, rectDescr);
    }
    pDC->SelectObject(pOldFont);
    if (pDC == &dcMem)
    {
        CRect rectClip;
        dcPaint.GetClipBox(rectClip);
        dcPaint.BitBlt(rectClip.left, rectClip.top, rectClip.Width(), rectClip.Height(), &dcMem,
                       rectClip.left, rectClip.top, SRCCOPY);
        dcMem.SelectObject(pOldBmp);
    }
}

void CORXPropList::OnDrawList(CDC* pDC)
{
    if (m_nRowHeight <= 0)
        return;
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(m_rectList);
    CRect rectClip;
    pDC->GetClipBox(rectClip);
    // Only the rows the clip box touches.
    int nFrom =
        m_nFirstVisibleItem + std::max<int>(0, (rectClip.top - (m_rectList.top - 1)) / m_nRowHeight - 1);
    int nTo = m_nFirstVisibleItem + (rectClip.bottom - (m_rectList.top - 1)) / m_nRowHeight + 1;
    nTo = std::min<int>(nTo, (int)m_arShown.size() - 1);
    for (int i = std::max<int>(0, nFrom); i <= nTo; i++)
        m_arShown[i]->OnDraw(pDC);
    pDC->RestoreDC(nSaved);
}

void CORXPropList::OnDrawDescription(CDC* pDC, CRect rect)
{
    pDC->FillSolidRect(rect, globalData.clrBtnFace);
    pDC->Draw3dRect(rect, globalData.clrBtnShadow, globalData.clrBtnHilite);
    if (m_pSel == NULL)
        return;
    rect.DeflateRect(kDescrInset, kDescrInset);
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(rect);
    pDC->SetTextColor(globalData.clrBtnText);
    m_pSel->OnDrawDescription(pDC, rect);
    pDC->RestoreDC(nSaved);
}

BOOL CORXPropList::IsOnColumnDivider(CPoint point) const
{
    const int x = m_rectList.left + m_nLeftColumnWidth;
    return abs(point.x - x) <= kDividerZone && point.y < m_rectList.bottom && point.y >= m_rectList.top;
}

BOOL CORXPropList::IsOnDescrDivider(CPoint point) const
{
    return m_bDescriptionArea && abs(point.y - (m_rectList.bottom + kDescrInset)) <= kDividerZone;
}

void CORXPropList::DrawTrackLine(const CRect& rect)
{
    if (rect.IsRectEmpty())
        return;
    CClientDC dc(this);
    dc.InvertRect(rect);
}

void CORXPropList::SetLeftColumnWidthFrom(int x)
{
    CRect rectClient;
    GetClientRect(rectClient);
    const int nMax = rectClient.Width() - ::GetSystemMetrics(SM_CXVSCROLL) - 5;
    int nWidth = std::min<int>(x, nMax);
    nWidth = std::max<int>(nWidth, m_nRowHeight);
    m_nLeftColumnWidth = nWidth;
    UpdateHeader();
    ReposProperties();
    Invalidate();
}

void CORXPropList::SetDescriptionHeightFrom(int y)
{
    CRect rectClient;
    GetClientRect(rectClient);
    int yLimited = std::min<int>(y, rectClient.bottom - m_nRowHeight);
    yLimited = std::max<int>(yLimited, m_nHeaderHeight + m_nRowHeight + rectClient.top);
    m_nDescrHeight = std::max<int>(
        m_nRowHeight, rectClient.Height() - std::max<int>(yLimited, m_nHeaderHeight + m_nRowHeight) + 2);
    AdjustLayout();
    RedrawWindow();
}

void CORXPropList::OnLButtonDown(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonDown(nFlags, point);
    SetFocus();
    if (IsOnColumnDivider(point))
    {
        SetCapture();
        m_bTracking = TRUE;
        m_rectTrackHeader = CRect(point.x, m_rectList.top, point.x + 1, m_rectList.bottom);
        DrawTrackLine(m_rectTrackHeader);
        return;
    }
    if (IsOnDescrDivider(point))
    {
        SetCapture();
        m_bTrackingDescr = TRUE;
        CRect rectClient;
        GetClientRect(rectClient);
        m_rectTrackDescr = CRect(rectClient.left, point.y, rectClient.right, point.y + 1);
        DrawTrackLine(m_rectTrackDescr);
        return;
    }
    if (m_bDescriptionArea && point.y >= m_rectList.bottom)
        return;
    CORXProp::ClickArea nArea;
    CORXProp* pHit = HitTest(point, &nArea);
    if (pHit == NULL)
        return;
    const BOOL bSelChanged = pHit != m_pSel;
    SetCurSel(pHit);
    EnsureVisible(pHit);
    switch (nArea)
    {
    case CORXProp::ClickExpandBox:
        pHit->Expand(!pHit->IsExpanded());
        break;
    case CORXProp::ClickName:
        pHit->OnClickName(point);
        break;
    case CORXProp::ClickValue:
        if (pHit->IsEnabled() && EditItem(pHit, &point) && pHit->m_pWndInPlace != NULL)
        {
            if (pHit->m_rectButton.PtInRect(point))
            {
                ReleaseCapture();
                PressButton(pHit, point);
            }
            else if (bSelChanged && !pHit->OnActivateByClick())
                break;
            else if (pHit->m_pWndInPlace != NULL && pHit->m_pWndInPlace->GetSafeHwnd() != NULL)
            {
                CPoint pt = point;
                MapWindowPoints(pHit->m_pWndInPlace, &pt, 1);
                pHit->m_pWndInPlace->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
            }
        }
        break;
    default:
        break;
    }
}

void CORXPropList::OnLButtonUp(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonUp(nFlags, point);
    if (m_bTracking)
    {
        DrawTrackLine(m_rectTrackHeader);
        m_rectTrackHeader.SetRectEmpty();
        m_bTracking = FALSE;
        if (GetCapture() == this)
            ReleaseCapture();
        SetLeftColumnWidthFrom(point.x - m_rectList.left);
    }
    else if (m_bTrackingDescr)
    {
        DrawTrackLine(m_rectTrackDescr);
        m_rectTrackDescr.SetRectEmpty();
        m_bTrackingDescr = FALSE;
        if (GetCapture() == this)
            ReleaseCapture();
        SetDescriptionHeightFrom(point.y);
    }
}

void CORXPropList::OnMouseMove(UINT nFlags, CPoint point)
{
    CWnd::OnMouseMove(nFlags, point);
    if (m_bTracking)
    {
        DrawTrackLine(m_rectTrackHeader);
        m_rectTrackHeader = CRect(point.x, m_rectList.top, point.x + 1, m_rectList.bottom);
        DrawTrackLine(m_rectTrackHeader);
    }
    else if (m_bTrackingDescr)
    {
        CRect rectClient;
        GetClientRect(rectClient);
        int y = std::min<int>(point.y, rectClient.bottom - m_nRowHeight);
        y = std::max<int>(y, m_nHeaderHeight + m_nRowHeight + rectClient.top);
        DrawTrackLine(m_rectTrackDescr);
        m_rectTrackDescr = CRect(rectClient.left, y, rectClient.right, y + 1);
        DrawTrackLine(m_rectTrackDescr);
    }
}

void CORXPropList::OnCancelMode()
{
    if (m_bTracking || m_bTrackingDescr)
    {
        DrawTrackLine(m_bTracking ? m_rectTrackHeader : m_rectTrackDescr);
        m_rectTrackHeader.SetRectEmpty();
        m_rectTrackDescr.SetRectEmpty();
        m_bTracking = m_bTrackingDescr = FALSE;
        if (GetCapture() == this)
            ReleaseCapture();
    }
    EndEditItem(FALSE);
    CWnd::OnCancelMode();
}

void CORXPropList::OnRButtonDown(UINT nFlags, CPoint point)
{
    CWnd::OnRButtonDown(nFlags, point);
    SetFocus();
    if (IsOnColumnDivider(point) || IsOnDescrDivider(point) ||
        (m_bDescriptionArea && point.y >= m_rectList.bottom))
        return;
    CORXProp::ClickArea nArea;
    CORXProp* pHit = HitTest(point, &nArea);
    if (pHit == NULL)
        return;
    const BOOL bSelChanged = pHit != m_pSel;
    SetCurSel(pHit);
    EnsureVisible(pHit);
    if (nArea == CORXProp::ClickName)
        pHit->OnRClickName(point);
    else if (nArea == CORXProp::ClickValue)
    {
        pHit->OnRClickValue(point, bSelChanged);
        if (pHit->IsEnabled() && !bSelChanged && EditItem(pHit, &point) && pHit->m_pWndInPlace != NULL &&
            !pHit->m_rectButton.PtInRect(point) && pHit->OnActivateByClick())
        {
            CPoint pt = point;
            MapWindowPoints(pHit->m_pWndInPlace, &pt, 1);
            pHit->m_pWndInPlace->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(pt.x, pt.y));
        }
    }
}

void CORXPropList::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonDblClk(nFlags, point);
    CORXProp* pProp = m_pSel;
    if (pProp == NULL)
        return;
    if (pProp->IsGroup() && !(pProp->IsValueList() && point.x >= m_rectList.left + m_nLeftColumnWidth))
    {
        pProp->Expand(!pProp->IsExpanded());
        return;
    }
    if (!pProp->IsEnabled())
        return;
    if (EditItem(pProp, NULL) && pProp->m_pWndInPlace != NULL &&
        pProp->m_pWndInPlace->GetSafeHwnd() != NULL && !pProp->IsCombo())
    {
        pProp->m_pWndInPlace->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, 0);
        pProp->m_pWndInPlace->SendMessage(WM_LBUTTONUP, 0, 0);
    }
    pProp->OnDblClick(point);
}

BOOL CORXPropList::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT)
    {
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        if (IsOnColumnDivider(point) || m_bTracking)
        {
            if (globalData.m_hcurStretch == NULL)
                globalData.m_hcurStretch = ::LoadCursor(NULL, IDC_SIZEWE);
            ::SetCursor(globalData.m_hcurStretch);
            return TRUE;
        }
        if (IsOnDescrDivider(point) || m_bTrackingDescr)
        {
            if (globalData.m_hcurStretchVert == NULL)
                globalData.m_hcurStretchVert = ::LoadCursor(NULL, IDC_SIZENS);
            ::SetCursor(globalData.m_hcurStretchVert);
            return TRUE;
        }
        CORXProp::ClickArea nArea;
        CORXProp* pHit = HitTest(point, &nArea);
        if (pHit != NULL && pHit == m_pSel && nArea == CORXProp::ClickValue &&
            !pHit->m_rectButton.PtInRect(point) && pHit->OnSetCursor())
            return TRUE;
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

CORXProp* CORXPropList::FindLastProp() const
{
    if (m_bAlphabeticMode)
        return m_lstTerminalProps.IsEmpty() ? NULL : m_lstTerminalProps.GetTail();
    if (m_lstProps.IsEmpty())
        return NULL;
    CORXProp* pProp = (CORXProp*)m_lstProps.GetTail();
    while (pProp->IsExpanded() && pProp->GetSubItemsCount() > 0)
        pProp = pProp->GetSubItem(pProp->GetSubItemsCount() - 1);
    return pProp;
}

void CORXPropList::SelectAndScroll(CORXProp* pProp, int nScrollCode)
{
    if (pProp == NULL)
        return;
    SetCurSel(pProp);
    OnVScroll(nScrollCode, 0, NULL);
    EnsureVisible(pProp);
}

void CORXPropList::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_lstProps.IsEmpty() || m_arShown.size() == 0)
    {
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    const BOOL bCtrl = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
    const BOOL bAlt = (::GetKeyState(VK_MENU) & 0x8000) != 0;
    CORXProp* pFirst = m_arShown[0];
    switch (nChar)
    {
    case VK_PRIOR:
    case VK_NEXT: {
        if (m_pSel == NULL || m_nVertScrollPage <= 0 || m_nRowHeight <= 0 || m_pSel->m_Rect.IsRectEmpty())
        {
            if (nChar == VK_NEXT && m_nVertScrollPage <= 0)
                SelectAndScroll(FindLastProp(), SB_BOTTOM);
            else
                SelectAndScroll(pFirst, SB_TOP);
            break;
        }
        // The row a page away in the order on show: the rows on show stack one row height apart,
        // so it is the row at the selected row's top a page higher or lower, found without a hit
        // test that answers only inside the list area. Then the page scrolls.
        int nIndex = -1;
        for (int i = 0; i < (int)m_arShown.size(); i++)
            if (m_arShown[i] == m_pSel)
                nIndex = i;
        int nTarget = nChar == VK_PRIOR ? nIndex - m_nVertScrollPage : nIndex + m_nVertScrollPage;
        if (nTarget < 0 || nTarget >= (int)m_arShown.size())
        {
            if (nChar == VK_PRIOR)
                SelectAndScroll(pFirst, SB_TOP);
            else
                SelectAndScroll(FindLastProp(), SB_BOTTOM);
            break;
        }
        SetCurSel(m_arShown[nTarget]);
        OnVScroll(nChar == VK_PRIOR ? SB_PAGEUP : SB_PAGEDOWN, 0, NULL);
        EnsureVisible(m_pSel);
        break;
    }
    case VK_HOME:
        SelectAndScroll(pFirst, SB_TOP);
        break;
    case VK_END:
        SelectAndScroll(FindLastProp(), SB_BOTTOM);
        break;
    case VK_LEFT:
        if (bCtrl)
        {
            m_bImmediateResize = TRUE;
            SetLeftColumnWidthFrom(m_nLeftColumnWidth - 5);
            m_bImmediateResize = FALSE;
            break;
        }
        if (m_pSel != NULL && m_pSel->IsGroup() && m_pSel->IsExpanded() && m_pSel->GetSubItemsCount() > 0)
        {
            m_pSel->Expand(FALSE);
            break;
        }
        [[fallthrough]]; // as Up
    case VK_UP: {
        if (m_pSel == NULL || m_pSel->m_Rect.IsRectEmpty())
        {
            SelectAndScroll(pFirst, SB_TOP);
            break;
        }
        CORXProp* pHit = HitTest(CPoint(m_pSel->m_Rect.right - 1, m_pSel->m_Rect.top - 2));
        if (pHit == NULL)
        {
            // The row above may be scrolled away, where the hit test does not reach: one line
            // first, as making that row visible would scroll.
            OnVScroll(SB_LINEUP, 0, NULL);
            pHit = HitTest(CPoint(m_pSel->m_Rect.right - 1, m_pSel->m_Rect.top - 2));
        }
        if (pHit != NULL)
        {
            SetCurSel(pHit);
            EnsureVisible(pHit);
        }
        break;
    }
    case VK_RIGHT:
        if (bCtrl)
        {
            m_bImmediateResize = TRUE;
            SetLeftColumnWidthFrom(m_nLeftColumnWidth + 5);
            m_bImmediateResize = FALSE;
            break;
        }
        if (m_pSel != NULL && m_pSel->IsGroup() && !m_pSel->IsExpanded() && m_pSel->GetSubItemsCount() > 0)
        {
            m_pSel->Expand(TRUE);
            break;
        }
        [[fallthrough]]; // as Down
    case VK_DOWN: {
        if (nChar == VK_DOWN && bAlt)
        {
            PressListButton();
            break;
        }
        if (m_pSel == NULL || m_pSel->m_Rect.IsRectEmpty())
        {
            SelectAndScroll(pFirst, SB_TOP);
            break;
        }
        CORXProp* pHit = HitTest(CPoint(m_pSel->m_Rect.right - 1, m_pSel->m_Rect.bottom + 2));
        if (pHit == NULL)
        {
            OnVScroll(SB_LINEDOWN, 0, NULL);
            pHit = HitTest(CPoint(m_pSel->m_Rect.right - 1, m_pSel->m_Rect.bottom + 2));
        }
        if (pHit != NULL)
        {
            SetCurSel(pHit);
            EnsureVisible(pHit);
        }
        break;
    }
    case VK_ADD:
        if (m_pSel != NULL && m_pSel->IsGroup() && !m_pSel->m_bInPlaceEdit)
            m_pSel->Expand(TRUE);
        break;
    case VK_SUBTRACT:
        if (m_pSel != NULL && m_pSel->IsGroup() && !m_pSel->m_bInPlaceEdit)
            m_pSel->Expand(FALSE);
        break;
    case VK_F4:
        PressListButton();
        break;
    default:
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        break;
    }
}

void CORXPropList::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // With Alt held the arrow comes as a system key; every other one (Alt+F4, the menu keys) goes
    // on to the frame.
    if (nChar == VK_DOWN && (nFlags & KF_ALTDOWN) != 0 && !m_lstProps.IsEmpty() && m_arShown.size() != 0)
    {
        PressListButton();
        return;
    }
    CWnd::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

void CORXPropList::PressListButton()
{
    // Only a drop-down list opens from the keyboard; the file and font dialogs do not.
    if (m_pSel != NULL && (m_pSel->GetFlags() & CORXProp::StyleHasList) != 0 && EditItem(m_pSel))
        PressButton(m_pSel);
}

void CORXPropList::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CWnd::OnChar(nChar, nRepCnt, nFlags);
    if (m_pSel != NULL && m_pSel->IsEnabled() && EditItem(m_pSel, NULL))
        m_pSel->PushChar(nChar);
}

UINT CORXPropList::OnGetDlgCode()
{
    return DLGC_WANTARROWS | DLGC_WANTCHARS;
}

void CORXPropList::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    m_bFocused = TRUE;
    InvalidateRow(m_pSel, FALSE);
    UpdateWindow();
}

void CORXPropList::OnKillFocus(CWnd* pNewWnd)
{
    if (pNewWnd == NULL || !IsChild(pNewWnd))
    {
        if (m_pSel != NULL && m_pSel->m_bInPlaceEdit && !m_pSel->OnKillFocus(pNewWnd))
        {
            CWnd::OnKillFocus(pNewWnd);
            return;
        }
        EndEditItem(FALSE);
        m_bFocused = FALSE;
        InvalidateRow(m_pSel, FALSE);
    }
    CWnd::OnKillFocus(pNewWnd);
}

HBRUSH CORXPropList::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    HBRUSH hbr = CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    if (m_pSel != NULL && m_pSel->m_pWndInPlace != NULL && pWnd != NULL &&
        (pWnd->GetSafeHwnd() == m_pSel->m_pWndInPlace->GetSafeHwnd() ||
         ::IsChild(m_pSel->m_pWndInPlace->GetSafeHwnd(), pWnd->GetSafeHwnd())))
    {
        HBRUSH hbrProp = m_pSel->OnCtlColor(pDC, nCtlColor);
        if (hbrProp != NULL)
            hbr = hbrProp;
    }
    return hbr;
}

void CORXPropList::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    m_clrGroupBackground = globalData.m_nBitsPerPixel > 8
                               ? CORXDrawHelper::ScaleColor(globalData.clrBtnFace, 94)
                               : globalData.clrBtnShadow;
}

void CORXPropList::OnDestroy()
{
    if (m_pSel != NULL)
        EndEditItem(FALSE);
    m_pSel = NULL;
    m_arShown.clear();
    m_lstTerminalProps.RemoveAll();
    while (!m_lstProps.IsEmpty())
        delete (CORXProp*)m_lstProps.RemoveHead();
    m_bAlphaDirty = TRUE;
    if (m_ToolTip.GetSafeHwnd() != NULL)
        m_ToolTip.DestroyWindow();
    m_nTooltipsCount = 0;
    m_rectTipsFor.SetRectEmpty();
    CWnd::OnDestroy();
}

void CORXPropList::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    CWnd::OnNcCalcSize(bCalcValidRects, lpncsp);
    if (GetStyle() & WS_BORDER)
        ::InflateRect(&lpncsp->rgrc[0], -1, -1);
}

void CORXPropList::OnNcPaint()
{
    if (!m_bNcPainted)
    {
        m_bNcPainted = TRUE;
        if (m_nDescrHeight == -1)
        {
            m_nDescrHeight = m_nRowHeight / 2 + 3 * m_nRowHeight;
            AdjustLayout();
        }
    }
    // The scroll bar is the window's own non-client part.
    Default();
    if (GetStyle() & WS_BORDER)
        CORXVisualManager::GetInstance()->OnDrawControlBorder(this);
}

LRESULT CORXPropList::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    m_hFont = (HFONT)wParam;
    RebuildBoldFont();
    AdjustLayout();
    if (LOWORD(lParam))
        Invalidate();
    return 0;
}

LRESULT CORXPropList::OnGetFont(WPARAM, LPARAM)
{
    return (LRESULT)GetListFont()->GetSafeHandle();
}

void CORXPropList::OnHeaderItemChanged(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMHEADER* pHeader = (NMHEADER*)pNMHDR;
    if (pHeader->iItem == 0)
    {
        HDITEM item = {0};
        item.mask = HDI_WIDTH;
        m_wndHeader.GetItem(0, &item);
        m_nLeftColumnWidth = item.cxy - 2;
        ReposProperties();
        InvalidateRect(m_rectList);
        UpdateWindow();
    }
    *pResult = 0;
}

void CORXPropList::OnHeaderTrack(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMHEADER* pHeader = (NMHEADER*)pNMHDR;
    if (pHeader->pitem != NULL && (pHeader->pitem->mask & HDI_WIDTH))
    {
        pHeader->pitem->cxy = std::min<int>(pHeader->pitem->cxy, m_rectList.Width());
        DrawTrackLine(m_rectTrackHeader);
        const int x = m_rectList.left + pHeader->pitem->cxy;
        m_rectTrackHeader = CRect(x, m_rectList.top, x + 1, m_rectList.bottom);
        DrawTrackLine(m_rectTrackHeader);
    }
    *pResult = 0;
}

void CORXPropList::OnHeaderEndTrack(NMHDR*, LRESULT* pResult)
{
    DrawTrackLine(m_rectTrackHeader);
    m_rectTrackHeader.SetRectEmpty();
    *pResult = 0;
}

BOOL CORXPropList::OnNeedTipText(UINT, NMHDR* pNMH, LRESULT* pResult)
{
    *pResult = 0;
    if (pNMH->hwndFrom != m_ToolTip.GetSafeHwnd())
        return FALSE;
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    CORXProp* pProp = HitTest(point);
    if (pProp == NULL)
        return TRUE;
    const BOOL bValuePart = point.x > m_rectList.left + m_nLeftColumnWidth;
    // A group's value part is no tool of its own: a group of values shows its parts on their rows.
    if (bValuePart && pProp->IsGroup())
        return TRUE;
    g_strTipText = bValuePart ? pProp->GetValueTooltip() : pProp->GetNameTooltip();
    if (g_strTipText.IsEmpty())
        return TRUE;
    m_ToolTip.SendMessage(WM_SETFONT, (WPARAM)GetListFont()->GetSafeHandle());
    if (pNMH->code == TTN_NEEDTEXTW)
    {
#ifdef _UNICODE
        lstrcpyn(g_szTipTextW, g_strTipText, 1024);
#else
        ::MultiByteToWideChar(CP_ACP, 0, g_strTipText, -1, g_szTipTextW, 1024);
        g_szTipTextW[1023] = 0;
#endif
        ((TOOLTIPTEXTW*)pNMH)->lpszText = g_szTipTextW;
        ((TOOLTIPTEXTW*)pNMH)->hinst = NULL;
    }
    else
    {
        ((TOOLTIPTEXTA*)pNMH)->lpszText = (LPSTR)(LPCTSTR)g_strTipText;
        ((TOOLTIPTEXTA*)pNMH)->hinst = NULL;
    }
    return TRUE;
}
