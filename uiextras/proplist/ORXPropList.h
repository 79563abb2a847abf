// CORXPropList: the property grid: a tree of named values in a name and a value column under a
// header, with a categorised and an alphabetical view, a description area, in-place editing and tips.
#ifndef VELMORA_ORXPROPLIST_H
#define VELMORA_ORXPROPLIST_H

#include <afxwin.h>
#include <afxcmn.h>
#include <afxtempl.h>

#include <vector>

#include "ORXColorBar.h"
#include "ORXProp.h"
#include "ORXPropKinds.h"

// Posted by a row's in-place control whose focus went outside the list: the edit ends there.
const UINT WM_APP_PROPLIST_ENDEDIT = WM_USER + 0x3A0;

class CORXPropList : public CWnd, public CORXColorBarClient
{
    DECLARE_DYNAMIC(CORXPropList)
    friend class CORXProp;
    friend class CORXColorProp;
    friend class CORXPropInPlace;

public:
    // Child ids: the header and the drop-down list of a row being edited.
    enum
    {
        IdHeader = 1,
        IdInPlace = 2,
        IdCombo = 3
    };

    // Construction
public:
    CORXPropList();
    virtual ~CORXPropList();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Overridables, in the order the handlers call them
public:
    virtual CHeaderCtrl& GetHeaderCtrl() { return m_wndHeader; }
    virtual void OnPropertyChanged(CORXProp* pProp) const;
    virtual void OnChangeSelection(CORXProp* pNewSel, CORXProp* pOldSel) {}
    virtual BOOL EditItem(CORXProp* pProp, LPPOINT lptClick = NULL);
    virtual BOOL EndEditItem(BOOL bUpdateData = TRUE);
    virtual void Init();
    virtual void AdjustLayout();
    virtual void OnDrawList(CDC* pDC);
    virtual void OnDrawDescription(CDC* pDC, CRect rect);

    // The colour pop-up of a colour row reports here: it edits the selected row's colour and
    // closes once the colour is chosen.
    BOOL EditsOneValue() const override { return TRUE; }
    void OnColorChosen(CORXColorBar* pBar, COLORREF color) override { OnSelectColor(color); }
    void OnColorBarClosed(CORXColorBar* pBar) override;

    // Operations
public:
    int AddProperty(CORXProp* pProp, BOOL bRedraw = TRUE);
    // Removes a top-level property and deletes it with its sub-items.
    BOOL DeleteProperty(CORXProp*& pProp, BOOL bRedraw = TRUE);
    void RemoveAll();
    int GetPropertyCount() const { return (int)m_lstProps.GetCount(); }
    CORXProp* GetProperty(int nIndex) const;
    CORXProp* FindItemByData(DWORD_PTR dwData, BOOL bSearchSubItems = TRUE) const;
    CORXProp* HitTest(CPoint point, CORXProp::ClickArea* pnArea = NULL) const;

    CORXProp* GetCurSel() const { return m_pSel; }
    void SetCurSel(CORXProp* pProp, BOOL bRedraw = TRUE);
    void EnsureVisible(CORXProp* pProp, BOOL bExpandParents = FALSE);
    void ExpandAll(BOOL bExpand = TRUE);

    void SetAlphabeticMode(BOOL bSet = TRUE);
    BOOL IsAlphabeticMode() const { return m_bAlphabeticMode; }
    void EnableDescriptionArea(BOOL bEnable = TRUE);
    BOOL IsDescriptionArea() const { return m_bDescriptionArea; }
    int GetDescriptionHeight() const { return m_nDescrHeight; }
    void EnableHeaderCtrl(BOOL bEnable = TRUE, LPCTSTR lpszLeftColumn = _T("Property"),
                          LPCTSTR lpszRightColumn = _T("Value"));
    BOOL IsHeaderCtrl() const { return m_bHeaderCtrl; }
    // Group rows in the bars' colours instead of the buttons'.
    void SetBarColors(BOOL bSet = TRUE);

    void OnSelectColor(COLORREF color);
    void OnCloseColorPopup();

    // Attributes
public:
    int GetRowHeight() const { return m_nRowHeight; }
    int GetHeaderHeight() const { return m_nHeaderHeight; }
    int GetLeftColumnWidth() const { return m_nLeftColumnWidth; }
    const CRect& GetListRect() const { return m_rectList; }
    int GetFirstVisible() const { return m_nFirstVisibleItem; }
    // The rows on show, in order; the scroll range covers them.
    int GetShownCount() const { return (int)m_arShown.size(); }
    CORXProp* GetShown(int nIndex) const { return m_arShown[nIndex]; }
    int GetScrollMax() const { return m_nVertScrollTotal; }
    int GetRowsPerPage() const { return m_nVertScrollPage; }
    BOOL IsFocused() const { return m_bFocused; }
    CFont* GetListFont() const;
    COLORREF GetGroupBackground() const { return m_clrGroupBackground; }

    // Fields
protected:
    BOOL m_bDescriptionArea;
    int m_nDescrHeight;
    CToolTipCtrl m_ToolTip;
    int m_nTooltipsCount;
    BOOL m_bAlphabeticMode;
    HFONT m_hFont;
    CFont m_fontBold;
    int m_nHeaderHeight;
    CRect m_rectList;
    int m_nRowHeight;
    int m_nLeftColumnWidth;
    int m_nFirstVisibleItem;
    int m_nVertScrollTotal;
    int m_nVertScrollPage;
    CRect m_rectTrackHeader;
    CRect m_rectTrackDescr;
    BOOL m_bTracking;
    BOOL m_bTrackingDescr;
    CObList m_lstProps;
    CList<CORXProp*, CORXProp*> m_lstTerminalProps;
    CORXProp* m_pSel;
    BOOL m_bFocused;
    COLORREF m_clrGroupBackground;
    BOOL m_bBarColors;
    BOOL m_bImmediateResize;

    CHeaderCtrl m_wndHeader;
    BOOL m_bHeaderCtrl;
    CString m_strHeaderLeft;
    CString m_strHeaderRight;
    // The rows laid out on show, top to bottom, and whether the alphabetical order must be rebuilt.
    std::vector<CORXProp*> m_arShown;
    BOOL m_bAlphaDirty;
    // What the wheel turned short of a whole line, kept for the next turn.
    int m_nWheelRemainder;
    BOOL m_bNcPainted;
    // The bitmap painting goes through, and its size.
    CBitmap m_bmpPaint;
    CSize m_sizePaint;
    // The places the tips were made for.
    CRect m_rectTipsFor;
    int m_nTipsDivider;

    // Implementation
public:
    void ReposProperties();
    void SetScrollPos(int nPos);
    // Sets the name column's width from a divider position, within its limits.
    void SetLeftColumnWidthFrom(int x);
    void SetDescriptionHeightFrom(int y);
    void MarkAlphaDirty() { m_bAlphaDirty = TRUE; }

protected:
    void BuildAlphaList();
    void AddAlpha(CORXProp* pProp, CArray<CORXProp*, CORXProp*>& ar);
    void UpdateHeader();
    void UpdateTooltips();
    void InvalidateRow(CORXProp* pProp, BOOL bNameOnly);
    CRect GetDescriptionRect() const;
    BOOL IsOnColumnDivider(CPoint point) const;
    BOOL IsOnDescrDivider(CPoint point) const;
    void DrawTrackLine(const CRect& rect);
    void UpdateGroupBackground();
    void RebuildBoldFont();
    void SelectAndScroll(CORXProp* pProp, int nScrollCode);
    CORXProp* FindLastProp() const;
    // Runs the row's button and reports a change of its value to the owner.
    void PressButton(CORXProp* pProp, CPoint point = CPoint(-1, -1));
    // F4 and Alt+Down: the selected row's drop-down opens, or closes when it is open.
    void PressListButton();
    BOOL IsEditChild(HWND hWnd) const;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnSysColorChange();
    afx_msg void OnDestroy();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnEndEditPosted(WPARAM wParam, LPARAM lParam);
    afx_msg void OnHeaderItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnHeaderTrack(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnHeaderEndTrack(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnSelectCombo();
    afx_msg void OnCloseCombo();
    afx_msg BOOL OnNeedTipText(UINT id, NMHDR* pNMH, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXPROPLIST_H
