// CORXReBarState: saving and restoring the bands of a frame's re-bars.
#include "ORXReBarState.h"

#include <afxext.h>
#include <algorithm>
#include <stddef.h>
#include <vector>

#include "ORXRegistry.h"

static_assert((CORXReBarState::nBandInfoMask & RBBIM_CHILD) != 0 &&
                  (CORXReBarState::nStoredMask & RBBIM_CHILD) == 0,
              "the stored mask leaves the child window out");

namespace
{
// The stored form of a band: the 32-bit control's band record up to the header size, in that
// layout whichever build writes it (pointers and handles there are 32-bit words, stored as 0).
struct StoredBand
{
    DWORD cbSize, fMask, fStyle, clrFore, clrBack, lpText, cch, iImage, hwndChild, cxMinChild, cyMinChild, cx,
        hbmBack, wID, cyChild, cyMaxChild, cyIntegral, cxIdeal, lParam, cxHeader;
};
static_assert(sizeof(StoredBand) == CORXReBarState::nBandRecordSize, "a stored band record is 80 bytes");

// The size of the control's own record up to the header size: 80 bytes in a 32-bit program.
const UINT nControlRecordSize = offsetof(REBARBANDINFOA, cxHeader) + sizeof(UINT);

void ToStored(const REBARBANDINFOA& rbbi, StoredBand& band)
{
    memset(&band, 0, sizeof(band));
    band.cbSize = CORXReBarState::nBandRecordSize;
    band.fMask = rbbi.fMask;
    band.fStyle = rbbi.fStyle;
    band.clrFore = rbbi.clrFore;
    band.clrBack = rbbi.clrBack;
    band.cch = rbbi.cch;
    band.iImage = (DWORD)rbbi.iImage;
    band.cxMinChild = rbbi.cxMinChild;
    band.cyMinChild = rbbi.cyMinChild;
    band.cx = rbbi.cx;
    band.wID = rbbi.wID;
    band.cyChild = rbbi.cyChild;
    band.cyMaxChild = rbbi.cyMaxChild;
    band.cyIntegral = rbbi.cyIntegral;
    band.cxIdeal = rbbi.cxIdeal;
    band.lParam = (DWORD)rbbi.lParam;
    band.cxHeader = rbbi.cxHeader;
}

// The stored record as the control's record, without window, text or bitmap.
void FromStored(const StoredBand& band, REBARBANDINFOA& rbbi)
{
    memset(&rbbi, 0, sizeof(rbbi));
    rbbi.cbSize = nControlRecordSize;
    rbbi.fMask = band.fMask;
    rbbi.fStyle = band.fStyle;
    rbbi.clrFore = band.clrFore;
    rbbi.clrBack = band.clrBack;
    rbbi.cch = band.cch;
    rbbi.iImage = (int)band.iImage;
    rbbi.cxMinChild = band.cxMinChild;
    rbbi.cyMinChild = band.cyMinChild;
    rbbi.cx = band.cx;
    rbbi.wID = band.wID;
    rbbi.cyChild = band.cyChild;
    rbbi.cyMaxChild = band.cyMaxChild;
    rbbi.cyIntegral = band.cyIntegral;
    rbbi.cxIdeal = band.cxIdeal;
    rbbi.lParam = (LPARAM)(LONG)band.lParam;
    rbbi.cxHeader = band.cxHeader;
}

BOOL CALLBACK CollectReBar(HWND hWnd, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CReBar)))
        ((std::vector<CReBar*>*)lParam)->push_back((CReBar*)pWnd);
    return TRUE;
}

std::vector<CReBar*> FrameReBars(CFrameWnd* pFrame)
{
    std::vector<CReBar*> bars;
    if (pFrame != NULL && pFrame->GetSafeHwnd() != NULL)
        ::EnumChildWindows(pFrame->m_hWnd, CollectReBar, (LPARAM)&bars);
    return bars;
}

CString ReBarKey(LPCTSTR lpszProfileName, CReBar* pBar)
{
    CString strKey;
    strKey.Format(_T("%sORXRebar-%ld"), lpszProfileName, ::GetWindowLongA(pBar->m_hWnd, GWL_ID));
    return strKey;
}

UINT ChildId(HWND hWndChild)
{
    return hWndChild != NULL ? (UINT)::GetDlgCtrlID(hWndChild) : 0;
}

// The band record the control is asked for, up to the header size whatever the headers' record is.
void PrepareRecord(REBARBANDINFOA& rbbi, UINT nMask)
{
    memset(&rbbi, 0, sizeof(rbbi));
    rbbi.cbSize = nControlRecordSize;
    rbbi.fMask = nMask;
}

// The bands from nFirst on are searched for the one whose window has the control id.
int FindBand(CReBarCtrl& ctrl, UINT nFirst, UINT nBands, UINT nID)
{
    for (UINT j = nFirst; j < nBands; j++)
    {
        REBARBANDINFOA rbbi;
        PrepareRecord(rbbi, RBBIM_CHILD);
        if (ctrl.GetBandInfo(j, &rbbi) && ChildId(rbbi.hwndChild) == nID)
            return (int)j;
    }
    return -1;
}

BOOL SaveReBar(LPCTSTR lpszProfileName, CReBar* pBar)
{
    CReBarCtrl& ctrl = pBar->GetReBarCtrl();
    UINT nBands = ctrl.GetBandCount();
    if (nBands == 0)
        return TRUE;
    std::vector<BYTE> records(nBands * CORXReBarState::nBandRecordSize);
    std::vector<DWORD> ids(nBands);
    for (UINT i = 0; i < nBands; i++)
    {
        REBARBANDINFOA rbbi;
        PrepareRecord(rbbi, CORXReBarState::nBandInfoMask);
        if (!ctrl.GetBandInfo(i, &rbbi))
            return FALSE;
        // Fixed-size bands are stored 4 pixels wider than they are; loading takes them off again.
        if (rbbi.fStyle & RBBS_FIXEDSIZE)
            rbbi.cxMinChild += CORXReBarState::nFixedSizeGrowth;
        ids[i] = ChildId(rbbi.hwndChild);
        // A window handle means nothing to the next run.
        rbbi.hwndChild = NULL;
        rbbi.fMask &= ~RBBIM_CHILD;
        StoredBand band;
        ToStored(rbbi, band);
        memcpy(&records[i * CORXReBarState::nBandRecordSize], &band, CORXReBarState::nBandRecordSize);
    }

    CORXRegistrySP regSP;
    CORXRegistry& reg = regSP.CreateRegistry(FALSE, FALSE);
    if (!reg.CreateKey(ReBarKey(lpszProfileName, pBar)))
        return FALSE;
    BOOL bOK = reg.Write(_T("RBI"), records.data(), (UINT)records.size());
    return reg.Write(_T("IDs"), (LPBYTE)ids.data(), (UINT)(ids.size() * sizeof(DWORD))) && bOK;
}

// A stored record is taken only as the saver writes it: 80 bytes by its own word, no mask or style
// bit the control does not know, and sizes a screen can hold. Anything else is a damaged value, and
// the re-bar keeps the layout it has rather than growing to what the bytes happen to say.
BOOL IsPlausible(const StoredBand& band)
{
    const DWORD dwKnownStyles = RBBS_BREAK | RBBS_FIXEDSIZE | RBBS_CHILDEDGE | RBBS_HIDDEN | RBBS_NOVERT |
                                RBBS_FIXEDBMP | RBBS_VARIABLEHEIGHT | RBBS_GRIPPERALWAYS | RBBS_NOGRIPPER |
                                RBBS_USECHEVRON | RBBS_HIDETITLE | RBBS_TOPALIGN;
    if (band.cbSize != CORXReBarState::nBandRecordSize ||
        (band.fMask & ~(DWORD)CORXReBarState::nBandInfoMask) != 0 || (band.fStyle & ~dwKnownStyles) != 0)
        return FALSE;
    // A vertical re-bar lays its widths out down the screen, so the larger side of the screen bounds
    // every size; a fixed-size band's minimum width is stored with its growth.
    int cxScreen = ::GetSystemMetrics(SM_CXVIRTUALSCREEN), cyScreen = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (cxScreen <= 0 || cyScreen <= 0)
    {
        cxScreen = ::GetSystemMetrics(SM_CXSCREEN);
        cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
    }
    const DWORD dwLimit = (DWORD)std::max(cxScreen, cyScreen);
    const DWORD sizes[] = {band.cyMinChild, band.cx,      band.cyChild, band.cyMaxChild,
                           band.cyIntegral, band.cxIdeal, band.cxHeader};
    for (DWORD dwSize : sizes)
        if (dwSize > dwLimit)
            return FALSE;
    return band.cxMinChild <= dwLimit + CORXReBarState::nFixedSizeGrowth;
}

BOOL LoadReBar(LPCTSTR lpszProfileName, CReBar* pBar)
{
    CReBarCtrl& ctrl = pBar->GetReBarCtrl();
    std::vector<BYTE> records;
    std::vector<DWORD> ids;
    {
        CORXRegistrySP regSP;
        CORXRegistry& reg = regSP.CreateRegistry(FALSE, TRUE);
        if (!reg.Open(ReBarKey(lpszProfileName, pBar)))
            return FALSE;
        BYTE* pRecords = NULL;
        UINT nRecordBytes = 0;
        BYTE* pIds = NULL;
        UINT nIdBytes = 0;
        BOOL bRead = reg.Read(_T("RBI"), pRecords, nRecordBytes);
        bRead = reg.Read(_T("IDs"), pIds, nIdBytes) && bRead;
        if (bRead)
        {
            records.assign(pRecords, pRecords + nRecordBytes);
            ids.resize(nIdBytes / sizeof(DWORD));
            if (nIdBytes % sizeof(DWORD) != 0)
                bRead = FALSE;
            else if (nIdBytes > 0)
                memcpy(ids.data(), pIds, nIdBytes);
        }
        delete[] pRecords;
        delete[] pIds;
        if (!bRead)
            return FALSE;
    }

    // Only a state of exactly as many records and ids as the re-bar has bands is taken: a bar that
    // gained or lost a band keeps the layout it has.
    UINT nBands = ctrl.GetBandCount();
    if (nBands == 0 || ids.size() != nBands || records.size() != nBands * CORXReBarState::nBandRecordSize)
        return FALSE;

    // One damaged record refuses the whole state before any band moves.
    std::vector<StoredBand> bands(nBands);
    for (UINT i = 0; i < nBands; i++)
    {
        memcpy(&bands[i], &records[i * CORXReBarState::nBandRecordSize], CORXReBarState::nBandRecordSize);
        if (!IsPlausible(bands[i]))
            return FALSE;
    }

    for (UINT i = 0; i < nBands; i++)
    {
        int j = FindBand(ctrl, i, nBands, ids[i]);
        if (j < 0)
            continue;
        if ((UINT)j != i && !ctrl.MoveBand((UINT)j, i))
            continue;
        // The control gets the fields the state was saved with, never a window handle nor text or
        // bitmap pointers.
        REBARBANDINFOA rbbi;
        FromStored(bands[i], rbbi);
        rbbi.fMask = CORXReBarState::nStoredMask;
        if (rbbi.fStyle & RBBS_FIXEDSIZE)
            rbbi.cxMinChild = rbbi.cxMinChild > (UINT)CORXReBarState::nFixedSizeGrowth
                                  ? rbbi.cxMinChild - CORXReBarState::nFixedSizeGrowth
                                  : 0;
        ctrl.SetBandInfo(i, (REBARBANDINFO*)&rbbi);
    }
    return TRUE;
}
} // namespace

BOOL CORXReBarState::SaveState(LPCTSTR lpszProfileName, CFrameWnd* pFrame)
{
    BOOL bOK = TRUE;
    for (CReBar* pBar : FrameReBars(pFrame))
        if (!SaveReBar(lpszProfileName, pBar))
            bOK = FALSE;
    return bOK;
}

BOOL CORXReBarState::LoadState(LPCTSTR lpszProfileName, CFrameWnd* pFrame)
{
    // A re-bar without a saved state, or with one that does not fit, leaves the others to load.
    BOOL bLoaded = FALSE;
    for (CReBar* pBar : FrameReBars(pFrame))
        if (LoadReBar(lpszProfileName, pBar))
            bLoaded = TRUE;
    return bLoaded;
}
