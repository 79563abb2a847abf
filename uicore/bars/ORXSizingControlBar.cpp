// The sizing bar: sizes and their storage, the non-client layout with its edges and caption
// buttons, resize tracking and row fitting.
#include "ORXSizingControlBar.h"

#include <afxpriv.h>

#include <algorithm>

#include "ORXBarSettings.h"
#include "ORXExtrasHooks.h"
#include "ORXGlobalData.h"
#include "ORXMiniDockFrameWnd.h"
#include "ORXToolBar.h"
#include "ORXToolbarImageList.h"
#include "ORXVisualManager.h"

IMPLEMENT_SERIAL(CORXSizingControlBar, CControlBar, VERSIONABLE_SCHEMA | 1)

HCURSOR CORXSizingControlBar::s_hcurHorz = NULL;
HCURSOR CORXSizingControlBar::s_hcurVert = NULL;
CString CORXSizingControlBar::s_strRegSection = _T("ORXSizingControlBar");

namespace
{
CObList gSizingBars;

const DWORD kEdgeRoomStyle = 0x10;
// The framework's resources that programs link with it.
const UINT kIdcStretch = 30980;
const UINT kIdcStretchVert = 30981;

BOOL IsDockBarID(UINT nID)
{
    return nID >= AFX_IDW_DOCKBAR_TOP && nID <= AFX_IDW_DOCKBAR_BOTTOM;
}
} // namespace

BEGIN_MESSAGE_MAP(CORXSizingControlBar, CControlBar)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_NCCALCSIZE()
ON_WM_NCHITTEST()
ON_WM_NCPAINT()
ON_WM_PAINT()
ON_WM_NCLBUTTONDOWN()
ON_WM_NCLBUTTONUP()
ON_WM_NCLBUTTONDBLCLK()
ON_WM_NCMOUSEMOVE()
ON_WM_NCRBUTTONDOWN()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_RBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_CAPTURECHANGED()
ON_WM_SETCURSOR()
ON_WM_WINDOWPOSCHANGING()
ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

CORXSizingControlBar::CORXSizingControlBar()
    : m_bHasTabs(TRUE), m_szHorz(200, 200), m_szVert(200, 200), m_szFloat(200, 200), m_szMax(-1, -1),
      m_szMin(33, 32), m_szHorzSaved(0, 0), m_szVertSaved(0, 0), m_bFitToRow(FALSE), m_nDockBarID(0),
      m_bIsSingleInRow(FALSE), m_cxEdge(6), m_cyGripper(0), m_bExpanded(FALSE), m_nTrackHit(0),
      m_ptTrackStart(0, 0), m_sizeTrackStart(0, 0), m_sizeTrack(0, 0), m_bTrackerShown(FALSE),
      m_rectTracker(0, 0, 0, 0), m_cxBorder(5), m_nRollState(0), m_bRolled(FALSE),
      m_btnHide(ORX_HTHIDE, ORX_IDS_HIDE_BAR), m_btnExpand(ORX_HTEXPAND, ORX_IDS_EXPAND_BAR), m_dwSCBStyle(0),
      m_dwNcRowState(0), m_rectGripper(0, 0, 0, 0), m_bActiveCaption(FALSE)
{
}

CORXSizingControlBar::~CORXSizingControlBar()
{
    // A bar deleted with its window still up never sees its own WM_DESTROY (by then it is only a
    // CControlBar), so it leaves both lists here: a redraw of all bars must not find it.
    POSITION pos = gSizingBars.Find(this);
    if (pos != NULL)
        gSizingBars.RemoveAt(pos);
    pos = gAllSizingControlBars.Find(this);
    if (pos != NULL)
        gAllSizingControlBars.RemoveAt(pos);
}

const CObList& CORXSizingControlBar::GetAllSizingBars()
{
    return gSizingBars;
}

BOOL CORXSizingControlBar::Create(LPCTSTR lpszWindowName, CWnd* pParentWnd, CSize sizeDefault,
                                  BOOL bHasGripper, UINT nID, DWORD dwStyle)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    m_szHorz = m_szVert = m_szFloat = sizeDefault;
    m_cyGripper = bHasGripper ? std::max(12, ::GetSystemMetrics(SM_CYSMCAPTION)) : 0;

    LPCTSTR lpszClass =
        AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1), NULL);
    dwStyle &= ~CBRS_ALL;
    dwStyle |= WS_CLIPCHILDREN;
    if (!CWnd::Create(lpszClass, lpszWindowName, dwStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    m_dwStyle |= CBRS_SIZE_DYNAMIC;
    return TRUE;
}

int CORXSizingControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (gSizingBars.Find(this) == NULL)
        gSizingBars.AddTail(this);
    m_dwStyle |= kEdgeRoomStyle;
    EnableToolTips();

    if (m_wndToolTip.Create(this, TTS_ALWAYSTIP))
    {
        m_wndToolTip.Activate(TRUE);
        if (globalData.m_nMaxToolTipWidth != -1)
            m_wndToolTip.SetMaxTipWidth(globalData.m_nMaxToolTipWidth);
        CRect rectEmpty(0, 0, 0, 0);
        m_wndToolTip.AddTool(this, m_btnHide.m_nTextID, rectEmpty, 1);
        m_wndToolTip.AddTool(this, m_btnExpand.m_nTextID, rectEmpty, 2);
    }

    if (s_hcurHorz == NULL)
        s_hcurHorz = AfxGetApp()->LoadCursor(kIdcStretch);
    if (s_hcurVert == NULL)
        s_hcurVert = AfxGetApp()->LoadCursor(kIdcStretchVert);
    if (gAllSizingControlBars.Find(this) == NULL)
        gAllSizingControlBars.AddTail(this);
    return 0;
}

BOOL CORXSizingControlBar::DestroyWindow()
{
    POSITION pos = gSizingBars.Find(this);
    if (pos != NULL)
        gSizingBars.RemoveAt(pos);
    return CControlBar::DestroyWindow();
}

void CORXSizingControlBar::OnDestroy()
{
    POSITION pos = gSizingBars.Find(this);
    if (pos != NULL)
        gSizingBars.RemoveAt(pos);
    pos = gAllSizingControlBars.Find(this);
    if (pos != NULL)
        gAllSizingControlBars.RemoveAt(pos);
    CControlBar::OnDestroy();
}

// Attributes

void CORXSizingControlBar::SetMinSize(int cx, int cy)
{
    m_szMin = CSize(cx, cy);
    m_szFloat = ClipStoredSize(m_szFloat, m_szMin, m_szMax, CSize(32767, 32767));
}

void CORXSizingControlBar::SetMaxSize(int cx, int cy)
{
    m_szMax = CSize(cx, cy);
    m_szFloat = ClipStoredSize(m_szFloat, m_szMin, m_szMax, CSize(32767, 32767));
}

UINT CORXSizingControlBar::GetDockBarID() const
{
    if (IsFloating() || m_hWnd == NULL)
        return 0;
    // Docked, the bar's parent is the dock bar of its side; laid out by the frame itself, the bar's
    // alignment names the side.
    HWND hWndParent = ::GetParent(m_hWnd);
    UINT nParentID = hWndParent != NULL ? (UINT)::GetDlgCtrlID(hWndParent) : 0;
    if (IsDockBarID(nParentID))
        return nParentID;
    if (m_dwStyle & CBRS_ALIGN_TOP)
        return AFX_IDW_DOCKBAR_TOP;
    if (m_dwStyle & CBRS_ALIGN_BOTTOM)
        return AFX_IDW_DOCKBAR_BOTTOM;
    if (m_dwStyle & CBRS_ALIGN_LEFT)
        return AFX_IDW_DOCKBAR_LEFT;
    if (m_dwStyle & CBRS_ALIGN_RIGHT)
        return AFX_IDW_DOCKBAR_RIGHT;
    return 0;
}

BOOL CORXSizingControlBar::IsHorzDocked() const
{
    UINT nID = GetDockBarID();
    return nID == AFX_IDW_DOCKBAR_TOP || nID == AFX_IDW_DOCKBAR_BOTTOM;
}

BOOL CORXSizingControlBar::IsVertDocked() const
{
    UINT nID = GetDockBarID();
    return nID == AFX_IDW_DOCKBAR_LEFT || nID == AFX_IDW_DOCKBAR_RIGHT;
}

CWnd* CORXSizingControlBar::GetTabWnd() const
{
    CWnd* pFound = NULL;
    for (HWND hWnd = ::GetWindow(m_hWnd, GW_CHILD); hWnd != NULL; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (dynamic_cast<CORXActiveTabLink*>(pWnd) == NULL)
            continue;
        if (pFound != NULL)
            return NULL;
        pFound = pWnd;
    }
    return pFound;
}

// Rows

void CORXSizingControlBar::GetRowBars(CPtrArray& arrBars, int& nThis) const
{
    arrBars.RemoveAll();
    nThis = 0;
    CDockBar* pDockBar = m_pDockBar;
    int nPos = pDockBar != NULL && !pDockBar->m_bFloating ? pDockBar->FindBar((CControlBar*)this) : -1;
    if (nPos < 0)
    {
        // Laid out by the frame itself or floating: the bar is a row of its own.
        nThis = (int)arrBars.Add((void*)this);
        return;
    }
    // A row runs between two NULL entries; place holders of floating bars and hidden bars take
    // no room in it.
    int nStart = nPos;
    while (nStart > 0 && pDockBar->m_arrBars[nStart - 1] != NULL)
        nStart--;
    for (int i = nStart; i < pDockBar->m_arrBars.GetSize() && pDockBar->m_arrBars[i] != NULL; i++)
    {
        CControlBar* pBar = pDockBar->GetDockedControlBar(i);
        if (pBar == NULL || (pBar != this && !pBar->IsVisible()))
            continue;
        if (pBar == this)
            nThis = (int)arrBars.GetSize();
        arrBars.Add(pBar);
    }
}

int CORXSizingControlBar::GetRowLength(BOOL bHorz) const
{
    CRect rectRow(0, 0, 0, 0);
    if (m_pDockBar != NULL)
        rectRow = m_pDockBar->m_rectLayout;
    if (rectRow.IsRectEmpty())
    {
        CWnd* pDockBar = GetParent();
        if (pDockBar != NULL)
            pDockBar->GetClientRect(rectRow);
    }
    return bHorz ? rectRow.Width() : rectRow.Height() - 2;
}

void CORXSizingControlBar::GetRowSizingBars(
    CArray<CORXSizingControlBar*, CORXSizingControlBar*>& arrBars) const
{
    CPtrArray arrRow;
    int nThis = 0;
    GetRowBars(arrRow, nThis);
    arrBars.RemoveAll();
    for (INT_PTR i = 0; i < arrRow.GetSize(); i++)
    {
        CControlBar* pBar = (CControlBar*)arrRow[i];
        if (pBar->IsKindOf(RUNTIME_CLASS(CORXSizingControlBar)))
            arrBars.Add((CORXSizingControlBar*)pBar);
    }
}

// Arithmetic

CSize CORXSizingControlBar::ClipStoredSize(CSize size, CSize sizeMin, CSize sizeMax, CSize sizeScreen)
{
    if (sizeMax.cx >= 1)
        size.cx = std::min(size.cx, sizeMax.cx);
    if (sizeMax.cy >= 1)
        size.cy = std::min(size.cy, sizeMax.cy);
    if (sizeScreen.cx > 0)
        size.cx = std::min(size.cx, sizeScreen.cx);
    if (sizeScreen.cy > 0)
        size.cy = std::min(size.cy, sizeScreen.cy);
    size.cx = std::max(size.cx, sizeMin.cx);
    size.cy = std::max(size.cy, sizeMin.cy);
    return size;
}

BOOL CORXSizingControlBar::FitRowLengths(CArray<int, int>& arrLengths, const CArray<int, int>& arrMinLengths,
                                         int nAvailable)
{
    INT_PTR nBars = arrLengths.GetSize();
    if (nBars == 0 || arrMinLengths.GetSize() != nBars)
        return FALSE;
    int nMinTotal = 0;
    int nTotal = 0;
    for (INT_PTR i = 0; i < nBars; i++)
    {
        nMinTotal += arrMinLengths[i];
        nTotal += arrLengths[i];
    }
    if (nMinTotal + 2 > nAvailable)
        return FALSE;

    // Bars below their minimum are first raised to it, so that shrinking can always end.
    for (INT_PTR i = 0; i < nBars; i++)
        if (arrLengths[i] < arrMinLengths[i])
        {
            nTotal += arrMinLengths[i] - arrLengths[i];
            arrLengths[i] = arrMinLengths[i];
        }

    int nDiff = nAvailable - nTotal;
    while (nDiff != 0)
    {
        for (INT_PTR i = 0; i < nBars && nDiff != 0; i++)
        {
            if (nDiff > 0)
            {
                arrLengths[i]++;
                nDiff--;
            }
            else if (arrLengths[i] > arrMinLengths[i])
            {
                arrLengths[i]--;
                nDiff++;
            }
        }
    }
    return TRUE;
}

int CORXSizingControlBar::ExpandedLength(int nAvailable, int nOthersMinTotal, int nOwnMin)
{
    return std::max(nAvailable - nOthersMinTotal, nOwnMin);
}

// Layout

void CORXSizingControlBar::FitRow()
{
    CPtrArray arrRow;
    int nThis = 0;
    GetRowBars(arrRow, nThis);
    BOOL bHorz = IsHorzDocked();

    int nAvailable = GetRowLength(bHorz);

    CArray<CORXSizingControlBar*, CORXSizingControlBar*> arrSizing;
    CArray<int, int> arrLengths, arrMins;
    int nThickness = 0;
    for (INT_PTR i = 0; i < arrRow.GetSize(); i++)
    {
        CControlBar* pBar = (CControlBar*)arrRow[i];
        CORXSizingControlBar* pSizing = DYNAMIC_DOWNCAST(CORXSizingControlBar, pBar);
        if (pSizing == NULL)
        {
            // Other bars keep their lengths; the sizing bars share what is left.
            CRect rectBar;
            pBar->GetWindowRect(rectBar);
            nAvailable -= bHorz ? rectBar.Width() : rectBar.Height();
            continue;
        }
        CSize& size = bHorz ? pSizing->m_szHorz : pSizing->m_szVert;
        arrSizing.Add(pSizing);
        arrLengths.Add(bHorz ? size.cx : size.cy);
        arrMins.Add(bHorz ? pSizing->m_szMin.cx : pSizing->m_szMin.cy);
        nThickness = std::max(nThickness, (int)(bHorz ? size.cy : size.cx));
    }
    if (!FitRowLengths(arrLengths, arrMins, nAvailable))
        return;
    for (INT_PTR i = 0; i < arrSizing.GetSize(); i++)
    {
        CORXSizingControlBar* pSizing = arrSizing[i];
        if (bHorz)
            pSizing->m_szHorz = CSize(arrLengths[i], nThickness);
        else
            pSizing->m_szVert = CSize(nThickness, arrLengths[i]);
    }
}

DWORD CORXSizingControlBar::GetNcRowState() const
{
    CPtrArray arrRow;
    int nThis = 0;
    GetRowBars(arrRow, nThis);
    int nSizing = 0;
    for (INT_PTR i = 0; i < arrRow.GetSize(); i++)
        if (((CControlBar*)arrRow[i])->IsKindOf(RUNTIME_CLASS(CORXSizingControlBar)))
            nSizing++;
    DWORD dwState = (DWORD)GetDockBarID() << 4;
    if (nThis == 0)
        dwState |= 1;
    if (nThis == (int)arrRow.GetSize() - 1)
        dwState |= 2;
    if (nSizing < 2)
        dwState |= 4;
    return dwState;
}

void CORXSizingControlBar::RelayoutRowBars(
    const CArray<CORXSizingControlBar*, CORXSizingControlBar*>& arrBars)
{
    // A layout that only measures moves no window.
    CDockBar* pDockBar = m_pDockBar;
    if (pDockBar == NULL || pDockBar->m_bFloating || pDockBar->m_bLayoutQuery || pDockBar->m_hWnd == NULL)
        return;
    // The dock bar moves only bars whose rectangles change, but a bar's borders, edges and expand
    // button also change when a neighbour leaves or joins the row around it. Which bars are stale
    // is settled before any pending show is taken: until the moves end, such a bar counts as hidden.
    CArray<BOOL, BOOL> arrStale;
    for (INT_PTR i = 0; i < arrBars.GetSize(); i++)
        arrStale.Add(arrBars[i]->m_hWnd != NULL && arrBars[i]->GetNcRowState() != arrBars[i]->m_dwNcRowState);

    AFX_SIZEPARENTPARAMS layout;
    memset(&layout, 0, sizeof(layout));
    layout.hDWP = ::BeginDeferWindowPos(std::max((int)arrBars.GetSize(), 1));
    for (INT_PTR i = 0; i < arrBars.GetSize() && layout.hDWP != NULL; i++)
    {
        CORXSizingControlBar* pBar = arrBars[i];
        if (pBar->m_hWnd == NULL)
            continue;
        pBar->RecalcDelayShow(&layout);
        if (arrStale[i] && layout.hDWP != NULL)
            layout.hDWP =
                ::DeferWindowPos(layout.hDWP, pBar->m_hWnd, NULL, 0, 0, 0, 0,
                                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    if (layout.hDWP != NULL)
        ::EndDeferWindowPos(layout.hDWP);
}

void CORXSizingControlBar::RefreshRowState()
{
    m_nDockBarID = GetDockBarID();
    CArray<CORXSizingControlBar*, CORXSizingControlBar*> arrSizing;
    GetRowSizingBars(arrSizing);
    m_bIsSingleInRow = arrSizing.GetSize() < 2;
}

CSize CORXSizingControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    // The row is known before any answer: the caption buttons and Expand depend on it.
    RefreshRowState();
    CPtrArray arrRow;
    int nThis = 0;
    GetRowBars(arrRow, nThis);
    CArray<CORXSizingControlBar*, CORXSizingControlBar*> arrSizing;
    GetRowSizingBars(arrSizing);
    if (bStretch)
        return bHorz ? CSize(32767, m_szHorz.cy) : CSize(m_szVert.cx, 32767);

    RelayoutRowBars(arrSizing);
    int nAvailable = GetRowLength(bHorz);

    if (m_nDockBarID != 0 && m_bFitToRow && nThis == 0)
    {
        FitRow();
        m_bFitToRow = FALSE;
    }

    CSize size = ClipStoredSize(bHorz ? m_szHorz : m_szVert, m_szMin, m_szMax, CSize(0, 0));
    LONG& nLength = bHorz ? size.cx : size.cy;
    const int nMinLength = bHorz ? m_szMin.cx : m_szMin.cy;
    int nOthersMin = 0;
    BOOL bOtherExpanded = FALSE;
    for (INT_PTR i = 0; i < arrSizing.GetSize(); i++)
    {
        if (arrSizing[i] == this)
            continue;
        nOthersMin += bHorz ? arrSizing[i]->m_szMin.cx : arrSizing[i]->m_szMin.cy;
        if (arrSizing[i]->m_bExpanded)
            bOtherExpanded = TRUE;
    }
    if (bOtherExpanded)
        nLength = nMinLength;
    else if (m_bExpanded)
        nLength = ExpandedLength(nAvailable, nOthersMin, nMinLength);
    return size;
}

CSize CORXSizingControlBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    // Only a frame that has really rolled up gives the bar its own height: a rolled flag read
    // back from storage must not shrink a frame that is open.
    CORXMiniDockFrameWnd* pMiniFrame = DYNAMIC_DOWNCAST(CORXMiniDockFrameWnd, GetParentFrame());
    if (IsFloating() && m_bRolled && pMiniFrame != NULL && pMiniFrame->IsRolled() && !IsFocusInside())
    {
        CRect rectFrame;
        pMiniFrame->GetWindowRect(rectFrame);
        return CSize(m_szFloat.cx, std::max(rectFrame.Height() - 1, 0));
    }
    if (dwMode & (LM_HORZDOCK | LM_VERTDOCK))
    {
        if (nLength == -1)
            m_bFitToRow = TRUE;
        return CalcFixedLayout(dwMode & LM_STRETCH, dwMode & LM_HORZDOCK);
    }
    if (!(dwMode & (LM_MRUWIDTH | LM_COMMIT)) && nLength != -1)
    {
        if (dwMode & LM_LENGTHY)
            m_szFloat.cy = nLength;
        else
            m_szFloat.cx = nLength;
    }
    m_szFloat = ClipStoredSize(m_szFloat, m_szMin, m_szMax, CSize(0, 0));
    return m_szFloat;
}

// State

CString CORXSizingControlBar::GetStateSection(LPCTSTR lpszProfileName) const
{
    // The profile functions take a section below the application's profile key: a bar saved on its
    // own gets the key of its section there (with its trailing backslash), beside the workspace's.
    CString strProfile = lpszProfileName;
    if (strProfile.IsEmpty())
        strProfile = s_strRegSection + _T("\\");
    CString strSection;
    strSection.Format(_T("%s-SCBar-%d"), (LPCTSTR)strProfile, GetDlgCtrlID());
    return strSection;
}

void CORXSizingControlBar::SaveState(LPCTSTR lpszProfileName)
{
    CString strSection = GetStateSection(lpszProfileName);
    CWinApp* pApp = AfxGetApp();

    UINT nDockID = GetDockBarID();
    BOOL bHorz = nDockID == AFX_IDW_DOCKBAR_TOP || nDockID == AFX_IDW_DOCKBAR_BOTTOM;
    BOOL bVert = nDockID == AFX_IDW_DOCKBAR_LEFT || nDockID == AFX_IDW_DOCKBAR_RIGHT;
    // An expanded bar stores the size it goes back to, not the whole row it holds now.
    CSize szHorz = m_bExpanded && bHorz ? m_szHorzSaved : m_szHorz;
    CSize szVert = m_bExpanded && bVert ? m_szVertSaved : m_szVert;
    pApp->WriteProfileInt(strSection, _T("sizeHorzCX"), szHorz.cx);
    pApp->WriteProfileInt(strSection, _T("sizeHorzCY"), szHorz.cy);
    pApp->WriteProfileInt(strSection, _T("sizeVertCX"), szVert.cx);
    pApp->WriteProfileInt(strSection, _T("sizeVertCY"), szVert.cy);
    pApp->WriteProfileInt(strSection, _T("sizeFloatCX"), m_szFloat.cx);
    pApp->WriteProfileInt(strSection, _T("sizeFloatCY"), m_szFloat.cy);
    pApp->WriteProfileInt(strSection, _T("Expanded"), m_bExpanded);
    if (m_nRollState != 0)
    {
        pApp->WriteProfileInt(strSection, _T("RolledFloat"), m_bRolled);
        pApp->WriteProfileInt(strSection, _T("RolledFloatDynamicState"), m_nRollState);
    }
    CORXActiveTabLink* pTabs = dynamic_cast<CORXActiveTabLink*>(GetTabWnd());
    if (m_bHasTabs && pTabs != NULL)
        pApp->WriteProfileInt(strSection, _T("ActiveTab"), pTabs->GetActiveTab());
}

void CORXSizingControlBar::LoadState(LPCTSTR lpszProfileName)
{
    CString strSection = GetStateSection(lpszProfileName);
    CWinApp* pApp = AfxGetApp();

    // A stored size may come from another screen or from before the limits changed: it is held
    // to the limits and the screen as well as raised to the minimum.
    CSize sizeScreen(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    CSize size;
    size.cx = (int)pApp->GetProfileInt(strSection, _T("sizeHorzCX"), m_szHorz.cx);
    size.cy = (int)pApp->GetProfileInt(strSection, _T("sizeHorzCY"), m_szHorz.cy);
    m_szHorz = ClipStoredSize(size, m_szMin, m_szMax, sizeScreen);
    size.cx = (int)pApp->GetProfileInt(strSection, _T("sizeVertCX"), m_szVert.cx);
    size.cy = (int)pApp->GetProfileInt(strSection, _T("sizeVertCY"), m_szVert.cy);
    m_szVert = ClipStoredSize(size, m_szMin, m_szMax, sizeScreen);
    size.cx = (int)pApp->GetProfileInt(strSection, _T("sizeFloatCX"), m_szFloat.cx);
    size.cy = (int)pApp->GetProfileInt(strSection, _T("sizeFloatCY"), m_szFloat.cy);
    m_szFloat = ClipStoredSize(size, m_szMin, m_szMax, sizeScreen);

    if (pApp->GetProfileInt(strSection, _T("Expanded"), 0) != 0 && !m_bExpanded)
        Expand(TRUE);

    m_bRolled = pApp->GetProfileInt(strSection, _T("RolledFloat"), m_bRolled) != 0;
    // Only these states mean anything to the mini frame: any other would show the wrong caption
    // button there and be written back, so the bar keeps the one it has.
    const int nRollState = (int)pApp->GetProfileInt(strSection, _T("RolledFloatDynamicState"), m_nRollState);
    if (nRollState == 0 || (nRollState >= 2 && nRollState <= 5))
        m_nRollState = nRollState;
    if (m_nRollState == 2 || m_nRollState == 4)
        m_bRolled = TRUE;
    CORXMiniDockFrameWnd* pMiniFrame = DYNAMIC_DOWNCAST(CORXMiniDockFrameWnd, GetParentFrame());
    if (m_nRollState != 0 && IsFloating() && pMiniFrame != NULL)
        pMiniFrame->SetRollState(m_nRollState);

    // The tab stored may be one the bar no longer has: the tab window then keeps its own.
    CWnd* pTabWnd = GetTabWnd();
    CORXActiveTabLink* pTabs = dynamic_cast<CORXActiveTabLink*>(pTabWnd);
    const CORXTabWndInfo* pInfo = dynamic_cast<const CORXTabWndInfo*>(pTabWnd);
    if (m_bHasTabs && pTabs != NULL && pInfo != NULL)
    {
        const int iTab = (int)pApp->GetProfileInt(strSection, _T("ActiveTab"), pTabs->GetActiveTab());
        if (iTab >= 0 && iTab < pInfo->GetTabsNum())
            pTabs->SetActiveTab(iTab);
    }
}

// Operations

void CORXSizingControlBar::Expand(BOOL bToggle)
{
    if (IsFloating() || m_bIsSingleInRow)
        return;
    if (!bToggle && m_bExpanded)
        return;
    CArray<CORXSizingControlBar*, CORXSizingControlBar*> arrSizing;
    GetRowSizingBars(arrSizing);
    if (arrSizing.GetSize() < 2)
        return;

    if (!m_bExpanded)
    {
        m_szHorzSaved = m_szHorz;
        m_szVertSaved = m_szVert;
    }
    else
    {
        if (IsHorzDocked() && m_szHorzSaved.cx > 0)
            m_szHorz = m_szHorzSaved;
        if (IsVertDocked() && m_szVertSaved.cy > 0)
            m_szVert = m_szVertSaved;
    }
    m_bExpanded = !m_bExpanded;

    for (INT_PTR i = 0; i < arrSizing.GetSize(); i++)
    {
        CORXSizingControlBar* pOther = arrSizing[i];
        if (pOther == this || !pOther->m_bExpanded)
            continue;
        pOther->m_bExpanded = FALSE;
        if (pOther->m_wndToolTip.GetSafeHwnd() != NULL)
            pOther->m_wndToolTip.UpdateTipText(ORX_IDS_EXPAND_BAR, pOther, 2);
        pOther->RedrawButton(pOther->m_btnExpand);
    }
    RedrawButton(m_btnExpand);
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame != NULL)
        pFrame->RecalcLayout();
}

void CORXSizingControlBar::EnableChildren(BOOL bEnable)
{
    for (HWND hWnd = ::GetWindow(m_hWnd, GW_CHILD); hWnd != NULL; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
        ::EnableWindow(hWnd, bEnable);
}

BOOL CORXSizingControlBar::IsFocusInside() const
{
    HWND hWndFocus = ::GetFocus();
    return m_hWnd != NULL && hWndFocus != NULL && (hWndFocus == m_hWnd || ::IsChild(m_hWnd, hWndFocus));
}

void CORXSizingControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
    BOOL bActive = IsFocusInside();
    if (bActive != m_bActiveCaption)
    {
        m_bActiveCaption = bActive;
        SendMessage(WM_NCPAINT);
    }
}

BOOL CORXSizingControlBar::PreTranslateMessage(MSG* pMsg)
{
    if (m_wndToolTip.GetSafeHwnd() != NULL && pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST)
        m_wndToolTip.RelayEvent(pMsg);
    if (m_wndToolTip.GetSafeHwnd() != NULL && pMsg->message >= WM_NCMOUSEMOVE &&
        pMsg->message <= WM_NCMBUTTONDBLCLK)
    {
        // The buttons live in the non-client area: the tip control works in client coordinates.
        MSG msg = *pMsg;
        CPoint pt((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam));
        ScreenToClient(&pt);
        msg.message = WM_MOUSEMOVE;
        msg.lParam = MAKELPARAM(pt.x, pt.y);
        m_wndToolTip.RelayEvent(&msg);
    }
    return CControlBar::PreTranslateMessage(pMsg);
}
