// CORXSizingControlBar: a docking bar whose size the user drags, with hide and expand buttons in its
// gripper, separate sizes per docking side and floating, kept in the registry.
#ifndef VELMORA_ORXSIZINGCONTROLBAR_H
#define VELMORA_ORXSIZINGCONTROLBAR_H

#include <afxwin.h>
#include <afxext.h>
#include <afxcmn.h>
#include <afxtempl.h>

// Non-client hit codes of the two caption buttons.
#define ORX_HTHIDE         19
#define ORX_HTEXPAND       9
// Tip texts of the two buttons, in the framework's string table.
#define ORX_IDS_HIDE_BAR   16011
#define ORX_IDS_EXPAND_BAR 16012

// A tab window hosted by a sizing bar answers this so that the bar can keep its active tab.
class CORXActiveTabLink
{
public:
    virtual ~CORXActiveTabLink() {}
    virtual int GetActiveTab() const = 0;
    virtual BOOL SetActiveTab(int iTab) = 0;
};

class CORXSizingControlBar : public CControlBar
{
    DECLARE_SERIAL(CORXSizingControlBar)

    // Construction
public:
    CORXSizingControlBar();
    virtual ~CORXSizingControlBar();

    virtual BOOL Create(LPCTSTR lpszWindowName, CWnd* pParentWnd, CSize sizeDefault, BOOL bHasGripper,
                        UINT nID, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP);

    // Attributes
public:
    static const CObList& GetAllSizingBars();

    CSize GetHorzSize() const { return m_szHorz; }
    CSize GetVertSize() const { return m_szVert; }
    CSize GetFloatSize() const { return m_szFloat; }
    void SetHorzSize(CSize size) { m_szHorz = size; }
    void SetVertSize(CSize size) { m_szVert = size; }
    void SetFloatSize(CSize size) { m_szFloat = size; }
    CSize GetMinSize() const { return m_szMin; }
    CSize GetMaxSize() const { return m_szMax; }
    void SetMinSize(int cx, int cy);
    void SetMaxSize(int cx, int cy);

    BOOL IsExpanded() const { return m_bExpanded; }
    BOOL IsAloneInRow() const { return m_bIsSingleInRow; }
    BOOL IsRolled() const { return m_bRolled; }
    int GetRollState() const { return m_nRollState; }
    void SetRollState(int nState, BOOL bRolled)
    {
        m_nRollState = nState;
        m_bRolled = bRolled;
    }
    BOOL IsTracking() const { return m_nTrackHit != 0; }
    BOOL HasGripper() const { return m_cyGripper > 0; }

    // The side the bar is docked to: one of the dock bars' ids, 0 while floating or undocked.
    UINT GetDockBarID() const;
    BOOL IsHorzDocked() const;
    BOOL IsVertDocked() const;

    // The bar's only CORXTabWnd child, NULL when there is none or more than one.
    CWnd* GetTabWnd() const;

    // Window-relative rectangles of the non-client layout, valid after WM_NCCALCSIZE.
    CRect GetGripperRect() const { return m_rectGripper; }
    CRect GetHideButtonRect() const { return m_btnHide.m_rect; }
    CRect GetExpandButtonRect() const { return m_btnExpand.m_rect; }
    // The sides (1 left, 2 right, 4 top, 8 bottom) whose borders the last layout gave the bar.
    DWORD GetSideBorders() const { return m_dwSCBStyle; }

    // Operations
public:
    virtual void SaveState(LPCTSTR lpszProfileName);
    virtual void LoadState(LPCTSTR lpszProfileName);
    // The profile section of the bar's sizes for the given profile name, or for none.
    CString GetStateSection(LPCTSTR lpszProfileName) const;

    // Whether the hide button and the floating frame's close box may hide the bar.
    virtual BOOL CanBeHidden() const { return TRUE; }

    // Takes the whole row, or gives it back; nothing for a floating bar or one alone in its row.
    void Expand(BOOL bToggle);
    void EnableChildren(BOOL bEnable);

    // Pure arithmetic of the bar, apart from any window.
    // Limits a size read back from storage: at most the maximum (when set) and the screen, at
    // least the minimum.
    static CSize ClipStoredSize(CSize size, CSize sizeMin, CSize sizeMax, CSize sizeScreen);
    // Shares the available length among the row's sizing bars: the lengths grow or shrink one
    // pixel at a time, bar after bar in row order, a bar at its minimum skipped while the row
    // shrinks. FALSE, with nothing changed, when the minimums (plus 2) do not fit.
    static BOOL FitRowLengths(CArray<int, int>& arrLengths, const CArray<int, int>& arrMinLengths,
                              int nAvailable);
    // The length of an expanded bar: what the others leave at their minimums, never below its own
    // minimum.
    static int ExpandedLength(int nAvailable, int nOthersMinTotal, int nOwnMin);

    // Overrides
public:
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD dwMode);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL DestroyWindow();

    // Overridables
protected:
    virtual BOOL IsSizingBar() const { return TRUE; }
    virtual void OnTrackStart(UINT nHitTest, CPoint ptScreen);
    // Ends a resize: the bar keeps the size it was dragged to, however the resize ends.
    virtual void OnTrackStop();
    virtual void OnTrackMove(CPoint ptScreen);
    virtual void OnTrackInvertTracker();
    virtual void FitRow();
    virtual void DrawCaption(CDC* pDC, const CRect& rectWindow);

    // Implementation
public:
    // A caption button of the gripper: its window-relative rectangle, hit code and tip text.
    struct CButton
    {
        CRect m_rect;
        UINT m_nHit;
        UINT m_nTextID;
        BOOL m_bPushed;
        BOOL m_bHot;
        BOOL m_bVisible;
        CButton(UINT nHit, UINT nText)
            : m_nHit(nHit), m_nTextID(nText), m_bPushed(FALSE), m_bHot(FALSE), m_bVisible(FALSE)
        {
        }
    };

    // The bars of this bar's dock row in row order, and this bar's place among them.
    void GetRowBars(CPtrArray& arrBars, int& nThis) const;
    // The length a row of the bar's dock bar offers.
    int GetRowLength(BOOL bHorz) const;
    // Records the side and whether the bar is alone in its row, as layouts find them.
    void RefreshRowState();
    void GetRowSizingBars(CArray<CORXSizingControlBar*, CORXSizingControlBar*>& arrBars) const;
    // What the non-client layout depends on of the bar's row: its side, whether it is first, last
    // and alone there.
    DWORD GetNcRowState() const;
    // Lays the row's bars out again where their place in the row changed since their last
    // non-client layout, and carries out their pending shows, with the dock bar's layout.
    void RelayoutRowBars(const CArray<CORXSizingControlBar*, CORXSizingControlBar*>& arrBars);
    // Lays out the non-client parts of a window rectangle (window-relative): the client area left.
    CRect LayoutNonClient(CRect rectWindow);
    BOOL IsSizingEdge(UINT nHit) const;
    CRect GetEdgeRect(UINT nHit, const CRect& rectWindow) const;
    CButton* ButtonFromHit(UINT nHit);
    void RedrawButton(CButton& btn);
    void ReleasePushedButtons();
    // Ends the press of a caption button at a release with the given hit code: FALSE when no
    // button was pressed.
    BOOL ReleaseCaptionButton(UINT nHitTest);
    BOOL IsFocusInside() const;
    CSize& DockedSize() { return IsHorzDocked() ? m_szHorz : m_szVert; }

    BOOL m_bHasTabs;
    CSize m_szHorz;
    CSize m_szVert;
    CSize m_szFloat;
    CSize m_szMax;
    CSize m_szMin;
    CSize m_szHorzSaved;
    CSize m_szVertSaved;
    BOOL m_bFitToRow;
    UINT m_nDockBarID;
    BOOL m_bIsSingleInRow;
    int m_cxEdge;
    int m_cyGripper;
    BOOL m_bExpanded;
    CToolTipCtrl m_wndToolTip;

    // A resize in progress: the hit code that started it (0: none), the press point, the size
    // it started from and the size it has reached.
    UINT m_nTrackHit;
    CPoint m_ptTrackStart;
    CSize m_sizeTrackStart;
    CSize m_sizeTrack;
    BOOL m_bTrackerShown;
    CRect m_rectTracker; // screen rectangle of the drawn drag strip

    int m_cxBorder;
    int m_nRollState;
    BOOL m_bRolled;
    CButton m_btnHide;
    CButton m_btnExpand;

    DWORD m_dwSCBStyle;   // sides with a border: 1 left, 2 right, 4 top, 8 bottom
    DWORD m_dwNcRowState; // GetNcRowState() at the last non-client layout
    CRect m_rectGripper;
    BOOL m_bActiveCaption;

    static HCURSOR s_hcurHorz;
    static HCURSOR s_hcurVert;
    static CString s_strRegSection;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg UINT OnNcHitTest(CPoint point);
    afx_msg void OnNcPaint();
    afx_msg void OnPaint();
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXSIZINGCONTROLBAR_H
