// CDockBar: rows of docked bars and their layout along a frame edge; CMiniDockFrameWnd: the
// floating frame, which takes the size of its bar and starts drags from its caption.
#include "afxext.h"
#include "afxpriv.h"
#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

namespace
{
// Control ids are words; anything below 64K in the array is a place holder, never a pointer.
BOOL IsPlaceHolder(void* p)
{
    return p != NULL && HIWORD((DWORD)(UINT_PTR)p) == 0;
}

void* PlaceHolderOf(CControlBar* pBar)
{
    return (void*)(UINT_PTR)(WORD)pBar->GetDlgCtrlID();
}
} // namespace

CDockBar::CDockBar(BOOL bFloating)
{
    m_bFloating = bFloating;
    m_bLayoutQuery = FALSE;
    m_rectLayout.SetRectEmpty();
    m_arrBars.Add(NULL);
    SetBorders(0, 0, 0, 0);
}

CDockBar::~CDockBar()
{
    // Bars still in the rows outlive the dock bar's object only as pointers to forget.
    for (int i = 0; i < m_arrBars.GetSize(); i++)
    {
        CControlBar* pBar = GetDockedControlBar(i);
        if (pBar != NULL && pBar->m_pDockBar == this)
            pBar->m_pDockBar = NULL;
    }
}

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    CRect rect(0, 0, 0, 0);
    return CWnd::Create(NULL, NULL, (dwStyle & ~CBRS_ALL) | WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                        rect, pParentWnd, nID);
}

void CDockBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

// Attributes

CControlBar* CDockBar::GetDockedControlBar(int nPos) const
{
    void* p = m_arrBars.GetAt(nPos);
    return IsPlaceHolder(p) ? NULL : (CControlBar*)p;
}

int CDockBar::GetDockedCount() const
{
    int nCount = 0;
    for (int i = 0; i < m_arrBars.GetSize(); i++)
        if (GetDockedControlBar(i) != NULL)
            nCount++;
    return nCount;
}

int CDockBar::GetDockedVisibleCount() const
{
    int nCount = 0;
    for (int i = 0; i < m_arrBars.GetSize(); i++)
    {
        CControlBar* pBar = GetDockedControlBar(i);
        if (pBar != NULL && pBar->m_hWnd != NULL && pBar->IsVisible())
            nCount++;
    }
    return nCount;
}

int CDockBar::FindBar(CControlBar* pBar, int nPosExclude)
{
    for (int i = 0; i < m_arrBars.GetSize(); i++)
        if (i != nPosExclude && m_arrBars[i] == pBar)
            return i;
    return -1;
}

// Rows

void CDockBar::Compact()
{
    for (int i = m_arrBars.GetSize() - 1; i > 0; i--)
        if (m_arrBars[i] == NULL && m_arrBars[i - 1] == NULL)
            m_arrBars.RemoveAt(i);
    if (m_arrBars.GetSize() == 0 || m_arrBars[0] != NULL)
        m_arrBars.InsertAt(0, (void*)NULL);
    if (m_arrBars[m_arrBars.GetSize() - 1] != NULL)
        m_arrBars.Add(NULL);
}

int CDockBar::Insert(CControlBar* pBar, CRect rect, CPoint ptMid)
{
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    const int nAcross = bHorz ? ptMid.y : ptMid.x;
    const int nAlong = bHorz ? rect.left : rect.top;

    int nRowStart = 1;
    for (int i = 1; i < m_arrBars.GetSize(); i++)
    {
        if (m_arrBars[i] != NULL)
            continue;
        // The row from nRowStart to i - 1: where its visible bars lie across the dock bar.
        int nTop = INT_MAX, nBottom = INT_MIN;
        for (int j = nRowStart; j < i; j++)
        {
            CControlBar* pOther = GetDockedControlBar(j);
            if (pOther == NULL || pOther == pBar || !pOther->IsVisible())
                continue;
            CRect rectOther;
            pOther->GetWindowRect(&rectOther);
            ScreenToClient(&rectOther);
            nTop = std::min(nTop, (int)(bHorz ? rectOther.top : rectOther.left));
            nBottom = std::max(nBottom, (int)(bHorz ? rectOther.bottom : rectOther.right));
        }
        if (nTop != INT_MAX)
        {
            if (nAcross < nTop)
            {
                // Before this row: a row of its own.
                m_arrBars.InsertAt(nRowStart, (void*)NULL);
                m_arrBars.InsertAt(nRowStart, pBar);
                return nRowStart;
            }
            if (nAcross < nBottom)
            {
                int nPos = nRowStart;
                for (; nPos < i; nPos++)
                {
                    CControlBar* pOther = GetDockedControlBar(nPos);
                    if (pOther == NULL || pOther == pBar)
                        continue;
                    CRect rectOther;
                    pOther->GetWindowRect(&rectOther);
                    ScreenToClient(&rectOther);
                    if ((bHorz ? rectOther.CenterPoint().x : rectOther.CenterPoint().y) > nAlong)
                        break;
                }
                m_arrBars.InsertAt(nPos, pBar);
                return nPos;
            }
        }
        nRowStart = i + 1;
    }
    // After every row: a new last row.
    Compact();
    int nPos = m_arrBars.GetSize();
    m_arrBars.Add(pBar);
    m_arrBars.Add(NULL);
    return nPos;
}

void CDockBar::TakeBar(CControlBar* pBar)
{
    CDockBar* pOld = pBar->m_pDockBar;

    // The bar lies the way this dock bar does; in a floating frame it is marked floating.
    DWORD dwStyle = (pBar->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | (m_dwStyle & CBRS_ALIGN_ANY);
    if (m_bFloating)
        dwStyle |= CBRS_FLOATING;
    pBar->SetBarStyle(dwStyle);

    // Commands and idle updates keep going to the frame the bar belongs to, wherever it sits.
    if (pBar->GetOwner() == pBar->GetParent() && pBar->m_pDockSite != NULL)
        pBar->SetOwner(pBar->m_pDockSite);
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    pBar->m_pDockBar = this;

    if (pOld != NULL && pOld != this)
    {
        // A docked bar leaving for a floating frame keeps its place for the way back.
        pOld->RemoveControlBar(pBar, -1, (m_bFloating && !pOld->m_bFloating) ? 1 : 0);
        if (pOld->m_bFloating && pOld->GetDockedCount() == 0 && pOld->m_hWnd != NULL)
            pOld->GetParent()->DestroyWindow(); // the floating frame has nothing left to hold
        else if (pOld->m_bFloating)
            ((CFrameWnd*)pOld->GetParent())->RecalcLayout();
    }
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    // A bar that docks again forgets the places it kept in the frame's dock bars.
    if (!m_bFloating && pBar->m_pDockSite != NULL)
        for (int i = 0; i < 4; i++)
        {
            CDockBar* pDockBar =
                pBar->m_pDockSite->GetDockBarOfSide(CFrameWnd::dwDockBarMap[i][1] & CBRS_ALIGN_ANY);
            if (pDockBar != NULL)
                pDockBar->RemovePlaceHolder(pBar);
        }

    if (pBar->m_pDockBar == this)
        RemoveControlBar(pBar);

    CRect rect;
    if (lpRect != NULL)
    {
        rect = *lpRect;
        ScreenToClient(&rect);
        Insert(pBar, rect, rect.CenterPoint());
    }
    else
    {
        Compact();
        m_arrBars.Add(pBar);
        m_arrBars.Add(NULL);
        rect.SetRect(0, 0, 0, 0);
    }
    TakeBar(pBar);
    // The layout starts from where the bar is.
    pBar->SetWindowPos(NULL, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDockBar::ReDockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    int nPos = FindBar((CControlBar*)PlaceHolderOf(pBar));
    if (nPos <= 0 || m_bFloating)
    {
        DockControlBar(pBar, lpRect);
        return;
    }
    m_arrBars[nPos] = pBar;
    // Other place holders of the bar go; this one became the bar.
    if (pBar->m_pDockSite != NULL)
        for (int i = 0; i < 4; i++)
        {
            CDockBar* pDockBar =
                pBar->m_pDockSite->GetDockBarOfSide(CFrameWnd::dwDockBarMap[i][1] & CBRS_ALIGN_ANY);
            if (pDockBar != NULL)
                pDockBar->RemovePlaceHolder(pBar);
        }
    TakeBar(pBar);
    if (lpRect != NULL)
    {
        CRect rect(lpRect);
        ScreenToClient(&rect);
        pBar->SetWindowPos(NULL, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar, int nPosExclude, int nAddPlaceHolder)
{
    int nPos = FindBar(pBar, nPosExclude);
    if (nPos <= 0)
        return FALSE;
    if (nAddPlaceHolder == 1)
    {
        m_arrBars[nPos] = PlaceHolderOf(pBar);
        // One place holder per bar.
        int nOther = FindBar((CControlBar*)PlaceHolderOf(pBar), nPos);
        if (nOther > 0)
            m_arrBars.RemoveAt(nOther);
    }
    else
    {
        m_arrBars.RemoveAt(nPos);
        if (nAddPlaceHolder == -1)
            RemovePlaceHolder(pBar);
    }
    Compact();
    if (pBar->m_pDockBar == this)
        pBar->m_pDockBar = NULL;
    if (!m_bFloating && m_pDockSite != NULL && m_pDockSite->m_hWnd != NULL)
        m_pDockSite->DelayRecalcLayout();
    return TRUE;
}

void CDockBar::RemovePlaceHolder(CControlBar* pBar)
{
    void* pHolder = PlaceHolderOf(pBar);
    BOOL bRemoved = FALSE;
    for (int i = m_arrBars.GetSize() - 1; i > 0; i--)
        if (m_arrBars[i] == pHolder)
        {
            m_arrBars.RemoveAt(i);
            bRemoved = TRUE;
        }
    if (bRemoved)
        Compact();
}

// Layout

LRESULT CDockBar::OnSizeParent(WPARAM wParam, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* lpLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    m_rectLayout = lpLayout->rect;
    m_bLayoutQuery = lpLayout->hDWP == NULL;
    LRESULT lResult = CControlBar::OnSizeParent(wParam, lParam);
    m_bLayoutQuery = FALSE;
    return lResult;
}

CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    struct Item
    {
        CControlBar* pBar;
        int nAlong; // where the bar starts along its row
        CSize size;
    };
    if (m_bFloating)
        bHorz = TRUE; // a floating frame stacks its bars in rows from the top
    const int nLengthMax = m_bFloating ? 32767 : (bHorz ? m_rectLayout.Width() : m_rectLayout.Height());

    HDWP hDWP =
        m_bLayoutQuery || m_hWnd == NULL ? NULL : ::BeginDeferWindowPos(std::max(GetDockedCount(), 1));
    std::vector<Item> row;
    int nAcross = 0, nLongest = 0;
    for (int i = 1; i <= m_arrBars.GetSize(); i++)
    {
        void* p = i < m_arrBars.GetSize() ? m_arrBars[i] : NULL;
        if (p != NULL)
        {
            CControlBar* pBar = GetDockedControlBar(i);
            if (pBar == NULL || pBar->m_hWnd == NULL)
                continue; // a place holder takes no room
            AFX_SIZEPARENTPARAMS layout;
            memset(&layout, 0, sizeof(layout));
            layout.hDWP = hDWP;
            DWORD dwStyle = pBar->RecalcDelayShow(&layout);
            hDWP = layout.hDWP;
            if ((dwStyle & WS_VISIBLE) == 0)
                continue;
            CSize size;
            if (m_bFloating)
                size = (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)
                           ? pBar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH)
                           : pBar->CalcFixedLayout(FALSE, (pBar->m_dwStyle & CBRS_ORIENT_HORZ) != 0);
            else
                size = pBar->CalcDynamicLayout(-1, bHorz ? (LM_HORZ | LM_HORZDOCK) : LM_VERTDOCK);
            CRect rect;
            pBar->GetWindowRect(&rect);
            ScreenToClient(&rect);
            Item item = {pBar, m_bFloating ? 0 : (int)(bHorz ? rect.left : rect.top), size};
            row.push_back(item);
            continue;
        }
        if (row.empty())
            continue;

        // A row: each bar where it was put, after the one before it; a row longer than the
        // room pushes its bars back toward the start, never over each other.
        int nPos = 0, nThick = 0;
        std::vector<int> vMin(row.size());
        for (size_t k = 0; k < row.size(); k++)
        {
            int nLen = bHorz ? row[k].size.cx : row[k].size.cy;
            vMin[k] = k == 0 ? 0 : vMin[k - 1] + (bHorz ? row[k - 1].size.cx : row[k - 1].size.cy);
            row[k].nAlong = std::max(std::max(row[k].nAlong, nPos), 0);
            nPos = row[k].nAlong + nLen;
            nThick = std::max(nThick, (int)(bHorz ? row[k].size.cy : row[k].size.cx));
        }
        if (nPos > nLengthMax && nLengthMax > 0)
        {
            int nEnd = nLengthMax;
            for (size_t k = row.size(); k-- > 0;)
            {
                int nLen = bHorz ? row[k].size.cx : row[k].size.cy;
                if (row[k].nAlong + nLen > nEnd)
                    row[k].nAlong = std::max(nEnd - nLen, vMin[k]);
                nEnd = row[k].nAlong;
            }
            nPos = row.back().nAlong + (bHorz ? row.back().size.cx : row.back().size.cy);
        }
        nLongest = std::max(nLongest, nPos);

        for (size_t k = 0; k < row.size() && hDWP != NULL; k++)
        {
            CRect rect = bHorz ? CRect(CPoint(row[k].nAlong, nAcross), row[k].size)
                               : CRect(CPoint(nAcross, row[k].nAlong), row[k].size);
            CRect rectOld;
            row[k].pBar->GetWindowRect(&rectOld);
            ScreenToClient(&rectOld);
            if (rectOld != rect)
                hDWP = ::DeferWindowPos(hDWP, row[k].pBar->m_hWnd, NULL, rect.left, rect.top, rect.Width(),
                                        rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        }
        nAcross += nThick;
        row.clear();
    }
    if (hDWP != NULL)
        ::EndDeferWindowPos(hDWP);

    if (m_bFloating)
        return CSize(nLongest, nAcross);
    // An empty dock bar takes no room across; along it stretches as the frame asks.
    if (bHorz)
        return CSize(bStretch ? 32767 : nLongest, nAcross);
    return CSize(nAcross, bStretch ? 32767 : nLongest);
}

// Dock state

void CDockBar::GetBarInfo(CControlBarInfo* pInfo)
{
    CControlBar::GetBarInfo(pInfo);
    pInfo->m_bDockBar = TRUE;
    pInfo->m_arrBarID.RemoveAll();
    for (int i = 1; i < m_arrBars.GetSize(); i++)
    {
        void* p = m_arrBars[i];
        UINT nID = 0;
        if (IsPlaceHolder(p))
            nID = (UINT)(UINT_PTR)p;
        else if (p != NULL)
            nID = (UINT)(WORD)((CControlBar*)p)->GetDlgCtrlID();
        if (p != NULL && nID == 0)
            continue; // a bar without an id cannot be found again
        pInfo->m_arrBarID.Add((void*)(UINT_PTR)nID);
    }
}

void CDockBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd* pFrameWnd)
{
    // The bars named here go in the order given; bars already here and not named stay, after them.
    CPtrArray arrOld;
    arrOld.Copy(m_arrBars);
    m_arrBars.RemoveAll();
    m_arrBars.Add(NULL);
    for (int i = 0; i < pInfo->m_arrBarID.GetSize(); i++)
    {
        UINT nID = (UINT)(UINT_PTR)pInfo->m_arrBarID[i];
        if (nID == 0)
        {
            if (m_arrBars[m_arrBars.GetSize() - 1] != NULL)
                m_arrBars.Add(NULL);
            continue;
        }
        CControlBar* pBar = pFrameWnd->GetControlBar(nID);
        if (pBar == NULL || pBar->IsDockBar() || FindBar(pBar) > 0)
            continue;
        // A bar that the state floats docks here first: floating it then leaves its place here.
        m_arrBars.Add(pBar);
        if (pBar->m_pDockBar != this)
            TakeBar(pBar);
    }
    for (int i = 1; i < arrOld.GetSize(); i++)
    {
        void* p = arrOld[i];
        if (p == NULL || IsPlaceHolder(p) || FindBar((CControlBar*)p) > 0)
            continue;
        if (((CControlBar*)p)->m_pDockBar == this)
        {
            Compact();
            m_arrBars.Add(p);
            m_arrBars.Add(NULL);
        }
    }
    Compact();
}

// CMiniDockFrameWnd

IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CMiniFrameWnd)
ON_WM_CLOSE()
ON_WM_NCLBUTTONDOWN()
ON_WM_NCLBUTTONDBLCLK()
END_MESSAGE_MAP()

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE) {}

CMiniDockFrameWnd::~CMiniDockFrameWnd() {}

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    // A bar of fixed size can only be moved by its frame; a dynamic one is sized by it.
    DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_MOVEFRAME | MFS_4THICKFRAME | MFS_SYNCACTIVE |
                    MFS_BLOCKSYSMENU | FWS_SNAPTOBARS;
    if (dwBarStyle & CBRS_SIZE_DYNAMIC)
        dwStyle &= ~MFS_MOVEFRAME;
    CRect rect(0, 0, 0, 0);
    if (!CMiniFrameWnd::CreateEx(0, NULL, _T(""), dwStyle, rect, pParent))
        return FALSE;
    m_wndDockBar.m_bAutoDelete = FALSE;
    DWORD dwAlign = (dwBarStyle & CBRS_ORIENT_VERT) && !(dwBarStyle & CBRS_ORIENT_HORZ) ? CBRS_ALIGN_LEFT
                                                                                        : CBRS_ALIGN_TOP;
    if (!m_wndDockBar.Create(this, WS_CHILD | WS_VISIBLE | dwAlign | (dwBarStyle & CBRS_FLOAT_MULTI),
                             AFX_IDW_DOCKBAR_FLOAT))
        return FALSE;
    return TRUE;
}

CControlBar* CMiniDockFrameWnd::GetSingleBar() const
{
    CControlBar* pFound = NULL;
    for (int i = 0; i < m_wndDockBar.m_arrBars.GetSize(); i++)
    {
        CControlBar* pBar = m_wndDockBar.GetDockedControlBar(i);
        if (pBar == NULL)
            continue;
        if (pFound != NULL)
            return NULL;
        pFound = pBar;
    }
    return pFound;
}

void CMiniDockFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout)
        return;
    CMiniFrameWnd::RecalcLayout(bNotify);
    CControlBar* pBar = GetSingleBar();
    if (pBar != NULL && pBar->m_hWnd != NULL)
    {
        CString strBar, strFrame;
        pBar->GetWindowText(strBar);
        GetWindowText(strFrame);
        if (strBar != strFrame)
            SetWindowText(strBar);
    }
    // The frame shows while it has a bar to show.
    BOOL bShow = m_wndDockBar.GetDockedVisibleCount() > 0;
    if (bShow != IsWindowVisible())
        ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
}

void CMiniDockFrameWnd::OnClose()
{
    // Closing a floating frame hides its bars; the frame goes with them.
    for (int i = 0; i < m_wndDockBar.m_arrBars.GetSize(); i++)
    {
        CControlBar* pBar = m_wndDockBar.GetDockedControlBar(i);
        if (pBar != NULL && pBar->m_pDockSite != NULL)
            pBar->m_pDockSite->ShowControlBar(pBar, FALSE, FALSE);
    }
    RecalcLayout();
}

void CMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    CControlBar* pBar = GetSingleBar();
    if (pBar != NULL && pBar->m_pDockContext != NULL)
    {
        if (nHitTest == HTCAPTION)
        {
            pBar->m_pDockContext->StartDrag(point);
            return;
        }
        if (nHitTest >= HTSIZEFIRST && nHitTest <= HTSIZELAST && (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC))
        {
            pBar->m_pDockContext->StartResize(nHitTest, point);
            return;
        }
    }
    CMiniFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    CControlBar* pBar = GetSingleBar();
    if (nHitTest == HTCAPTION && pBar != NULL && pBar->m_pDockContext != NULL)
    {
        pBar->m_pDockContext->ToggleDocking();
        return;
    }
    CMiniFrameWnd::OnNcLButtonDblClk(nHitTest, point);
}
