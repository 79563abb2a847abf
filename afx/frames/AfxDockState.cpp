// CDockState and CControlBarInfo: the bar records in an archive and in profile sections
// "%s-Summary" and "%s-Bar%d". What is read back is checked: it may have been edited by hand.
#include "afxext.h"
#include "afxpriv.h"
#include <algorithm>

IMPLEMENT_SERIAL(CDockState, CObject, 0)

namespace
{
const DWORD kDockStateVersion = 2;
// More bar records than any frame has mean a damaged store.
const int kMaxBarRecords = 1024;
// Enough room for every bar in a frame's rows, with their row ends.
const int kMaxRowEntries = 4096;
// A floating frame keeps at least this much of itself on the screen.
const int kMinOnScreen = 32;

BOOL IsSoundBarID(int nID)
{
    return nID > 0 && nID <= 0xFFFF;
}

BOOL IsDockBarID(UINT nID)
{
    return nID >= AFX_IDW_DOCKBAR_TOP && nID <= AFX_IDW_DOCKBAR_BOTTOM;
}

CRect VirtualScreen()
{
    CRect rect(::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN), 0, 0);
    rect.right = rect.left + ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
    rect.bottom = rect.top + ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (rect.IsRectEmpty())
        rect.SetRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    return rect;
}

int Clamp(int n, int nMin, int nMax)
{
    return std::max(nMin, std::min(n, std::max(nMin, nMax)));
}

// A point on the screen where a window starting there still shows.
void ClipToScreen(CPoint& pt, const CRect& rectClip)
{
    pt.x = Clamp(pt.x, rectClip.left, rectClip.right - kMinOnScreen);
    pt.y = Clamp(pt.y, rectClip.top, rectClip.bottom - kMinOnScreen);
}

// A position inside a dock bar: no further than the screen is long.
void ClipToLength(CPoint& pt, const CRect& rectClip)
{
    pt.x = Clamp(pt.x, 0, rectClip.Width());
    pt.y = Clamp(pt.y, 0, rectClip.Height());
}

void ClipRectToLength(CRect& rect, const CRect& rectClip)
{
    rect.NormalizeRect();
    CPoint ptTopLeft = rect.TopLeft(), ptBottomRight = rect.BottomRight();
    ClipToLength(ptTopLeft, rectClip);
    ClipToLength(ptBottomRight, rectClip);
    rect.SetRect(ptTopLeft, ptBottomRight);
}
} // namespace

// CControlBarInfo

CControlBarInfo::CControlBarInfo()
{
    m_nBarID = 0;
    m_bVisible = m_bFloating = m_bHorz = m_bDockBar = FALSE;
    m_pointPos = CPoint(-1, -1);
    m_nMRUWidth = 32767;
    m_bDocking = FALSE;
    m_uMRUDockID = 0;
    m_rectMRUDockPos.SetRectEmpty();
    m_dwMRUFloatStyle = 0;
    m_ptMRUFloatPos = CPoint(0, 0);
    m_pBar = NULL;
}

BOOL CControlBarInfo::SaveState(LPCTSTR lpszProfileName, int nIndex)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return FALSE;
    CString strSection;
    strSection.Format(_T("%s-Bar%d"), lpszProfileName, nIndex);
    BOOL bOk = pApp->WriteProfileInt(strSection, _T("BarID"), (int)m_nBarID);
    bOk &= pApp->WriteProfileInt(strSection, _T("Visible"), m_bVisible ? 1 : 0);
    bOk &= pApp->WriteProfileInt(strSection, _T("Horz"), m_bHorz ? 1 : 0);
    bOk &= pApp->WriteProfileInt(strSection, _T("Floating"), m_bFloating ? 1 : 0);
    bOk &= pApp->WriteProfileInt(strSection, _T("MRUWidth"), (int)m_nMRUWidth);
    bOk &= pApp->WriteProfileInt(strSection, _T("XPos"), m_pointPos.x);
    bOk &= pApp->WriteProfileInt(strSection, _T("YPos"), m_pointPos.y);
    bOk &= pApp->WriteProfileInt(strSection, _T("Docking"), m_bDocking ? 1 : 0);
    if (m_bDocking)
    {
        bOk &= pApp->WriteProfileInt(strSection, _T("MRUDockID"), (int)m_uMRUDockID);
        bOk &= pApp->WriteProfileInt(strSection, _T("MRUDockLeftPos"), m_rectMRUDockPos.left);
        bOk &= pApp->WriteProfileInt(strSection, _T("MRUDockTopPos"), m_rectMRUDockPos.top);
        bOk &= pApp->WriteProfileInt(strSection, _T("MRUDockRightPos"), m_rectMRUDockPos.right);
        bOk &= pApp->WriteProfileInt(strSection, _T("MRUDockBottomPos"), m_rectMRUDockPos.bottom);
        bOk &= pApp->WriteProfileInt(strSection, _T("MRUFloatStyle"), (int)m_dwMRUFloatStyle);
        bOk &= pApp->WriteProfileInt(strSection, _T("MRUFloatXPos"), m_ptMRUFloatPos.x);
        bOk &= pApp->WriteProfileInt(strSection, _T("MRUFloatYPos"), m_ptMRUFloatPos.y);
    }
    bOk &= pApp->WriteProfileInt(strSection, _T("Bars"), m_arrBarID.GetSize());
    for (int i = 0; i < m_arrBarID.GetSize(); i++)
    {
        CString strEntry;
        strEntry.Format(_T("Bar#%d"), i);
        bOk &= pApp->WriteProfileInt(strSection, strEntry, (int)(UINT_PTR)m_arrBarID[i]);
    }
    return bOk;
}

BOOL CControlBarInfo::LoadState(LPCTSTR lpszProfileName, int nIndex, CDockState* pDockState)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return FALSE;
    CString strSection;
    strSection.Format(_T("%s-Bar%d"), lpszProfileName, nIndex);

    int nID = (int)pApp->GetProfileInt(strSection, _T("BarID"), 0);
    if (!IsSoundBarID(nID))
        return FALSE;
    int nBars = (int)pApp->GetProfileInt(strSection, _T("Bars"), 0);
    if (nBars < 0 || nBars > kMaxRowEntries)
        return FALSE;

    // A row entry that names no bar means the record was damaged: none of it is taken, not even the
    // entries before, since the rows would then place bars where they never were.
    CPtrArray arrBarID;
    for (int i = 0; i < nBars; i++)
    {
        CString strEntry;
        strEntry.Format(_T("Bar#%d"), i);
        int nBarID = (int)pApp->GetProfileInt(strSection, strEntry, 0);
        if (nBarID != 0 && !IsSoundBarID(nBarID))
            return FALSE;
        arrBarID.Add((void*)(UINT_PTR)nBarID);
    }

    m_nBarID = (UINT)nID;
    m_bDockBar = IsDockBarID(m_nBarID);
    m_bVisible = pApp->GetProfileInt(strSection, _T("Visible"), TRUE) != 0;
    m_bHorz = pApp->GetProfileInt(strSection, _T("Horz"), TRUE) != 0;
    m_bFloating = !m_bDockBar && pApp->GetProfileInt(strSection, _T("Floating"), FALSE) != 0;
    m_nMRUWidth = pApp->GetProfileInt(strSection, _T("MRUWidth"), 32767);
    m_pointPos.x = (int)pApp->GetProfileInt(strSection, _T("XPos"), -1);
    m_pointPos.y = (int)pApp->GetProfileInt(strSection, _T("YPos"), -1);
    m_bDocking = pApp->GetProfileInt(strSection, _T("Docking"), FALSE) != 0;
    if (m_bDocking)
    {
        m_uMRUDockID = pApp->GetProfileInt(strSection, _T("MRUDockID"), 0);
        m_rectMRUDockPos.left = (int)pApp->GetProfileInt(strSection, _T("MRUDockLeftPos"), 0);
        m_rectMRUDockPos.top = (int)pApp->GetProfileInt(strSection, _T("MRUDockTopPos"), 0);
        m_rectMRUDockPos.right = (int)pApp->GetProfileInt(strSection, _T("MRUDockRightPos"), 0);
        m_rectMRUDockPos.bottom = (int)pApp->GetProfileInt(strSection, _T("MRUDockBottomPos"), 0);
        m_dwMRUFloatStyle = pApp->GetProfileInt(strSection, _T("MRUFloatStyle"), 0);
        m_ptMRUFloatPos.x = (int)pApp->GetProfileInt(strSection, _T("MRUFloatXPos"), 0);
        m_ptMRUFloatPos.y = (int)pApp->GetProfileInt(strSection, _T("MRUFloatYPos"), 0);
    }
    m_arrBarID.Copy(arrBarID);
    CDockState stateLocal;
    CDockState* pState = pDockState != NULL ? pDockState : &stateLocal;

    // Everything read that places or sizes a window is brought onto this screen.
    const CRect rectClip = VirtualScreen();
    if (m_bFloating)
    {
        pState->ScalePoint(m_pointPos);
        ClipToScreen(m_pointPos, rectClip);
    }
    else
        ClipToLength(m_pointPos, rectClip);
    if (m_nMRUWidth > (UINT)rectClip.Width() && m_nMRUWidth != 32767)
        m_nMRUWidth = (UINT)rectClip.Width();
    if (m_bDocking)
    {
        if (!IsDockBarID(m_uMRUDockID))
            m_uMRUDockID = 0;
        ClipRectToLength(m_rectMRUDockPos, rectClip);
        m_dwMRUFloatStyle &= CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI;
        pState->ScalePoint(m_ptMRUFloatPos);
        ClipToScreen(m_ptMRUFloatPos, rectClip);
    }
    return TRUE;
}

void CControlBarInfo::Serialize(CArchive& ar, CDockState* pDockState)
{
    if (ar.IsStoring())
    {
        ar << (DWORD)m_nBarID << (DWORD)m_bVisible << (DWORD)m_bFloating << (DWORD)m_bHorz;
        ar << (LONG)m_pointPos.x << (LONG)m_pointPos.y << (DWORD)m_nMRUWidth << (DWORD)m_bDocking;
        if (m_bDocking)
        {
            ar << (DWORD)m_uMRUDockID << (LONG)m_rectMRUDockPos.left << (LONG)m_rectMRUDockPos.top
               << (LONG)m_rectMRUDockPos.right << (LONG)m_rectMRUDockPos.bottom << m_dwMRUFloatStyle
               << (LONG)m_ptMRUFloatPos.x << (LONG)m_ptMRUFloatPos.y;
        }
        ar << (DWORD)m_arrBarID.GetSize();
        for (int i = 0; i < m_arrBarID.GetSize(); i++)
            ar << (DWORD)(UINT_PTR)m_arrBarID[i];
        return;
    }

    // Everything is read and checked before any of it is taken, so a record refused half way leaves
    // this one as it was.
    DWORD dwID, dwVisible, dwFloating, dwHorz, dwMRUWidth, dwDocking;
    LONG x, y;
    ar >> dwID >> dwVisible >> dwFloating >> dwHorz >> x >> y >> dwMRUWidth >> dwDocking;
    if (!IsSoundBarID((int)dwID))
        AfxThrowArchiveException(CArchiveException::badIndex);
    DWORD dwDockID = 0, dwFloatStyle = 0;
    LONG l = 0, t = 0, r = 0, b = 0, fx = 0, fy = 0;
    if (dwDocking != 0)
        ar >> dwDockID >> l >> t >> r >> b >> dwFloatStyle >> fx >> fy;
    DWORD dwCount;
    ar >> dwCount;
    if (dwCount > (DWORD)kMaxRowEntries)
        AfxThrowArchiveException(CArchiveException::badIndex);
    CPtrArray arrBarID;
    for (DWORD i = 0; i < dwCount; i++)
    {
        DWORD dwBar;
        ar >> dwBar;
        if (dwBar != 0 && !IsSoundBarID((int)dwBar))
            AfxThrowArchiveException(CArchiveException::badIndex);
        arrBarID.Add((void*)(UINT_PTR)dwBar);
    }

    m_nBarID = dwID;
    m_bDockBar = IsDockBarID(m_nBarID);
    m_bVisible = dwVisible != 0;
    m_bFloating = !m_bDockBar && dwFloating != 0;
    m_bHorz = dwHorz != 0;
    m_pointPos = CPoint(x, y);
    m_nMRUWidth = dwMRUWidth;
    m_bDocking = dwDocking != 0;
    if (m_bDocking)
    {
        m_uMRUDockID = IsDockBarID(dwDockID) ? dwDockID : 0;
        m_rectMRUDockPos.SetRect(l, t, r, b);
        m_dwMRUFloatStyle = dwFloatStyle & (CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI);
        m_ptMRUFloatPos = CPoint(fx, fy);
    }
    m_arrBarID.Copy(arrBarID);

    const CRect rectClip = VirtualScreen();
    if (m_bFloating)
    {
        if (pDockState != NULL)
            pDockState->ScalePoint(m_pointPos);
        ClipToScreen(m_pointPos, rectClip);
    }
    else
        ClipToLength(m_pointPos, rectClip);
    if (m_nMRUWidth > (UINT)rectClip.Width() && m_nMRUWidth != 32767)
        m_nMRUWidth = (UINT)rectClip.Width();
    ClipRectToLength(m_rectMRUDockPos, rectClip);
    if (pDockState != NULL)
        pDockState->ScalePoint(m_ptMRUFloatPos);
    ClipToScreen(m_ptMRUFloatPos, rectClip);
}

// CDockState

CDockState::CDockState()
{
    m_dwVersion = kDockStateVersion;
    m_bScaling = FALSE;
    m_rectDevice.SetRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    m_rectClip = VirtualScreen();
    m_sizeLogical = m_rectDevice.Size();
}

CDockState::~CDockState()
{
    Clear();
}

void CDockState::Clear()
{
    for (int i = 0; i < m_arrBarInfo.GetSize(); i++)
        delete (CControlBarInfo*)m_arrBarInfo[i];
    m_arrBarInfo.RemoveAll();
}

DWORD CDockState::GetVersion()
{
    return m_dwVersion;
}

CSize CDockState::GetScreenSize()
{
    return m_rectDevice.Size();
}

void CDockState::SetScreenSize(CSize& size)
{
    m_sizeLogical = size;
    m_bScaling = size != m_rectDevice.Size() && size.cx > 0 && size.cy > 0;
}

void CDockState::ScalePoint(CPoint& pt)
{
    // A state taken on another screen keeps its windows in the same proportion of this one.
    if (!m_bScaling || m_sizeLogical.cx <= 0 || m_sizeLogical.cy <= 0)
        return;
    CSize sizeDevice = m_rectDevice.Size();
    pt.x = ::MulDiv(pt.x, sizeDevice.cx, m_sizeLogical.cx);
    pt.y = ::MulDiv(pt.y, sizeDevice.cy, m_sizeLogical.cy);
}

void CDockState::ScaleRectPos(CRect& rect)
{
    CPoint pt = rect.TopLeft();
    ScalePoint(pt);
    rect.OffsetRect(pt - rect.TopLeft());
}

void CDockState::SaveState(LPCTSTR lpszProfileName)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return;
    int nIndex = 0;
    for (int i = 0; i < m_arrBarInfo.GetSize(); i++)
        if (((CControlBarInfo*)m_arrBarInfo[i])->SaveState(lpszProfileName, nIndex))
            nIndex++;
    CString strSection;
    strSection.Format(_T("%s-Summary"), lpszProfileName);
    pApp->WriteProfileInt(strSection, _T("Bars"), nIndex);
    CSize size = GetScreenSize();
    pApp->WriteProfileInt(strSection, _T("ScreenCX"), size.cx);
    pApp->WriteProfileInt(strSection, _T("ScreenCY"), size.cy);
}

void CDockState::LoadState(LPCTSTR lpszProfileName)
{
    Clear();
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return;
    CString strSection;
    strSection.Format(_T("%s-Summary"), lpszProfileName);
    int nBars = (int)pApp->GetProfileInt(strSection, _T("Bars"), 0);
    if (nBars <= 0 || nBars > kMaxBarRecords)
        return;
    int cx = (int)pApp->GetProfileInt(strSection, _T("ScreenCX"), 0);
    int cy = (int)pApp->GetProfileInt(strSection, _T("ScreenCY"), 0);
    if (cx > 0 && cy > 0 && cx <= 0x7FFF && cy <= 0x7FFF)
    {
        CSize size(cx, cy);
        SetScreenSize(size);
    }
    for (int i = 0; i < nBars; i++)
    {
        CControlBarInfo* pInfo = new CControlBarInfo;
        if (pInfo->LoadState(lpszProfileName, i, this))
            m_arrBarInfo.Add(pInfo);
        else
            delete pInfo;
    }
}

void CDockState::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        CSize size = GetScreenSize();
        ar << m_dwVersion << (LONG)size.cx << (LONG)size.cy << (DWORD)m_arrBarInfo.GetSize();
        for (int i = 0; i < m_arrBarInfo.GetSize(); i++)
            ((CControlBarInfo*)m_arrBarInfo[i])->Serialize(ar, this);
        return;
    }
    Clear();
    DWORD dwVersion, dwCount;
    LONG cx, cy;
    ar >> dwVersion >> cx >> cy >> dwCount;
    if (dwVersion != kDockStateVersion || dwCount > (DWORD)kMaxBarRecords)
        AfxThrowArchiveException(CArchiveException::badSchema);
    if (cx > 0 && cy > 0 && cx <= 0x7FFF && cy <= 0x7FFF)
    {
        CSize size(cx, cy);
        SetScreenSize(size);
    }
    for (DWORD i = 0; i < dwCount; i++)
    {
        CControlBarInfo* pInfo = new CControlBarInfo;
        try
        {
            pInfo->Serialize(ar, this);
        }
        catch (...)
        {
            // The state is one value: the records read before the damage go with it.
            delete pInfo;
            Clear();
            throw;
        }
        m_arrBarInfo.Add(pInfo);
    }
}
