// CReBarCtrl: the common re-bar control, whose bands each hold a child window the user can move
// and resize.
#ifndef VELMORA_AFXREBARCTRL_H
#define VELMORA_AFXREBARCTRL_H

#include "AfxWnd.h"
#include "AfxCmnCtrl.h"
#include <commctrl.h>

class CReBarCtrl : public CWnd
{
    DECLARE_DYNAMIC(CReBarCtrl)
public:
    // Construction
    CReBarCtrl() {}
    virtual ~CReBarCtrl();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Attributes
    UINT GetBandCount() const { return (UINT)::SendMessage(m_hWnd, RB_GETBANDCOUNT, 0, 0L); }
    BOOL GetBandInfo(UINT uBand, REBARBANDINFO* prbbi) const
    {
        return (BOOL)::SendMessage(m_hWnd, RB_GETBANDINFO, uBand, (LPARAM)prbbi);
    }
    BOOL SetBandInfo(UINT uBand, REBARBANDINFO* prbbi)
    {
        return (BOOL)::SendMessage(m_hWnd, RB_SETBANDINFO, uBand, (LPARAM)prbbi);
    }
    BOOL GetBarInfo(REBARINFO* prbi) const
    {
        return (BOOL)::SendMessage(m_hWnd, RB_GETBARINFO, 0, (LPARAM)prbi);
    }
    BOOL SetBarInfo(REBARINFO* prbi) { return (BOOL)::SendMessage(m_hWnd, RB_SETBARINFO, 0, (LPARAM)prbi); }
    UINT GetBarHeight() const { return (UINT)::SendMessage(m_hWnd, RB_GETBARHEIGHT, 0, 0L); }
    UINT GetRowCount() const { return (UINT)::SendMessage(m_hWnd, RB_GETROWCOUNT, 0, 0L); }
    UINT GetRowHeight(UINT uRow) const { return (UINT)::SendMessage(m_hWnd, RB_GETROWHEIGHT, uRow, 0L); }
    COLORREF GetBkColor() const { return (COLORREF)::SendMessage(m_hWnd, RB_GETBKCOLOR, 0, 0L); }
    COLORREF SetBkColor(COLORREF clr) { return (COLORREF)::SendMessage(m_hWnd, RB_SETBKCOLOR, 0, clr); }
    COLORREF GetTextColor() const { return (COLORREF)::SendMessage(m_hWnd, RB_GETTEXTCOLOR, 0, 0L); }
    COLORREF SetTextColor(COLORREF clr) { return (COLORREF)::SendMessage(m_hWnd, RB_SETTEXTCOLOR, 0, clr); }
    BOOL GetRect(UINT uBand, LPRECT prc) const
    {
        return (BOOL)::SendMessage(m_hWnd, RB_GETRECT, uBand, (LPARAM)prc);
    }
    void GetBandBorders(UINT uBand, LPRECT prc) const
    {
        ::SendMessage(m_hWnd, RB_GETBANDBORDERS, uBand, (LPARAM)prc);
    }
    CToolTipCtrl* GetToolTips() const;
    void SetToolTips(CToolTipCtrl* pToolTip);
    CImageList* GetImageList() const;
    BOOL SetImageList(CImageList* pImageList);

    // Operations
    BOOL InsertBand(UINT uIndex, REBARBANDINFO* prbbi)
    {
        return (BOOL)::SendMessage(m_hWnd, RB_INSERTBAND, uIndex, (LPARAM)prbbi);
    }
    BOOL DeleteBand(UINT uBand) { return (BOOL)::SendMessage(m_hWnd, RB_DELETEBAND, uBand, 0L); }
    BOOL MoveBand(UINT uFrom, UINT uTo) { return (BOOL)::SendMessage(m_hWnd, RB_MOVEBAND, uFrom, uTo); }
    BOOL ShowBand(UINT uBand, BOOL fShow = TRUE)
    {
        return (BOOL)::SendMessage(m_hWnd, RB_SHOWBAND, uBand, fShow);
    }
    void MinimizeBand(UINT uBand) { ::SendMessage(m_hWnd, RB_MINIMIZEBAND, uBand, 0L); }
    void MaximizeBand(UINT uBand) { ::SendMessage(m_hWnd, RB_MAXIMIZEBAND, uBand, 0L); }
    int IDToIndex(UINT uBandID) const { return (int)::SendMessage(m_hWnd, RB_IDTOINDEX, uBandID, 0L); }
    int HitTest(RBHITTESTINFO* prbht) { return (int)::SendMessage(m_hWnd, RB_HITTEST, 0, (LPARAM)prbht); }
    BOOL SizeToRect(CRect& rect) { return (BOOL)::SendMessage(m_hWnd, RB_SIZETORECT, 0, (LPARAM)&rect); }
    void BeginDrag(UINT uBand, DWORD dwPos = (DWORD)-1) { ::SendMessage(m_hWnd, RB_BEGINDRAG, uBand, dwPos); }
    void DragMove(DWORD dwPos = (DWORD)-1) { ::SendMessage(m_hWnd, RB_DRAGMOVE, 0, dwPos); }
    void EndDrag() { ::SendMessage(m_hWnd, RB_ENDDRAG, 0, 0L); }
};

#endif // VELMORA_AFXREBARCTRL_H
