// CReBar: creation, bands holding windows, and its place in the frame's layout.
#include "afxext.h"
#include "AfxReBar.h"
#include "AfxWinImpl.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CReBar, CControlBar)

BEGIN_MESSAGE_MAP(CReBar, CControlBar)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_NOTIFY_REFLECT(RBN_HEIGHTCHANGE, OnHeightChange)
END_MESSAGE_MAP()

CReBar::CReBar()
{
    // The control draws its own edges between bands; the bar adds none.
    SetBorders(0, 0, 0, 0);
}

CReBar::~CReBar() {}

BOOL CReBar::Create(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_COOL_CLASSES};
    ::InitCommonControlsEx(&icc);
    // The bar's own edges are the control's; only the alignment is the bar's.
    m_dwStyle = (dwStyle & CBRS_ALL) | CBRS_BORDER_3D;
    m_dwStyle &= ~CBRS_BORDER_ANY;
    // The frame's layout places and sizes the control: it must not move itself to the parent's
    // top nor draw a divider line above it.
    DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NODIVIDER;
    if ((dwStyle & CBRS_ORIENT_VERT) != 0 && (dwStyle & CBRS_ORIENT_HORZ) == 0)
        dwWndStyle |= CCS_VERT;
    CRect rect(0, 0, 0, 0);
    if (!CWnd::Create(REBARCLASSNAME, NULL, dwWndStyle, rect, pParentWnd, nID))
        return FALSE;
    REBARINFO rbi;
    memset(&rbi, 0, sizeof(rbi));
    rbi.cbSize = sizeof(rbi);
    return GetReBarCtrl().SetBarInfo(&rbi);
}

BOOL CReBar::DoAddBar(CWnd* pBar, REBARBANDINFO* prbbi, LPCTSTR pszText, UINT nMask, DWORD dwStyle)
{
    if (pBar == NULL || pBar->GetSafeHwnd() == NULL || m_hWnd == NULL)
        return FALSE;
    // A bar measures itself; any other window keeps the size it was made with.
    CSize size;
    CControlBar* pControlBar = DYNAMIC_DOWNCAST(CControlBar, pBar);
    if (pControlBar != NULL)
        size = pControlBar->CalcFixedLayout(FALSE, (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    else
    {
        CRect rect;
        pBar->GetWindowRect(&rect);
        size = rect.Size();
    }
    prbbi->cbSize = REBARBANDINFOA_V6_SIZE;
    prbbi->fMask = nMask | RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID;
    prbbi->fStyle = dwStyle;
    prbbi->hwndChild = pBar->m_hWnd;
    prbbi->cxMinChild = size.cx;
    prbbi->cyMinChild = size.cy;
    prbbi->cx = size.cx;
    prbbi->wID = (UINT)pBar->GetDlgCtrlID();
    CString strText;
    if (pszText != NULL)
    {
        strText = pszText;
        prbbi->fMask |= RBBIM_TEXT;
        prbbi->lpText = strText.GetBuffer(0);
    }
    BOOL bOK = GetReBarCtrl().InsertBand((UINT)-1, prbbi);
    if (pszText != NULL)
        strText.ReleaseBuffer();
    return bOK;
}

BOOL CReBar::AddBar(CWnd* pBar, LPCTSTR pszText, CBitmap* pbmp, DWORD dwStyle)
{
    REBARBANDINFO rbbi;
    memset(&rbbi, 0, sizeof(rbbi));
    UINT nMask = 0;
    if (pbmp != NULL)
    {
        nMask |= RBBIM_BACKGROUND;
        rbbi.hbmBack = (HBITMAP)pbmp->GetSafeHandle();
    }
    return DoAddBar(pBar, &rbbi, pszText, nMask, dwStyle);
}

BOOL CReBar::AddBar(CWnd* pBar, COLORREF clrFore, COLORREF clrBack, LPCTSTR pszText, DWORD dwStyle)
{
    REBARBANDINFO rbbi;
    memset(&rbbi, 0, sizeof(rbbi));
    rbbi.clrFore = clrFore;
    rbbi.clrBack = clrBack;
    return DoAddBar(pBar, &rbbi, pszText, RBBIM_COLORS, dwStyle & ~RBBS_FIXEDBMP);
}

CSize CReBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (m_hWnd == NULL)
        return CSize(0, 0);
    CReBarCtrl& ctrl = GetReBarCtrl();
    // The length the bands reach, and the depth of their rows.
    LONG nLength = 0;
    UINT nBands = ctrl.GetBandCount();
    for (UINT i = 0; i < nBands; i++)
    {
        CRect rect;
        if (ctrl.GetRect(i, &rect))
            nLength = std::max(nLength, bHorz ? rect.right : rect.bottom);
    }
    LONG nDepth = (LONG)ctrl.GetBarHeight();
    if (bStretch)
        nLength = 32767;
    return bHorz ? CSize(nLength, nDepth) : CSize(nDepth, nLength);
}

CSize CReBar::CalcDynamicLayout(int, DWORD nMode)
{
    return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZ) != 0);
}

void CReBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
    // The windows in the bands are updated as children of the frame in their own right.
}

void CReBar::OnPaint()
{
    Default();
}

BOOL CReBar::OnEraseBkgnd(CDC*)
{
    return (BOOL)Default();
}

void CReBar::OnHeightChange(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    // The control changes its depth while the frame sizes it: that layout is under way and takes
    // the new depth on the next round, so it is asked for again rather than run inside itself.
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame == NULL)
        return;
    if (pFrame->m_bInRecalcLayout)
        pFrame->DelayRecalcLayout();
    else
        pFrame->RecalcLayout();
}
