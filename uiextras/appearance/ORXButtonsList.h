// CORXButtonsList: a scrolling grid of tool-bar buttons, drawn with one image list, from which the
// user picks a button (the Button Appearance dialog's user images).
#ifndef VELMORA_ORXBUTTONSLIST_H
#define VELMORA_ORXBUTTONSLIST_H

#include <afxwin.h>
#include <afxext.h>

class CORXToolbarButton;
class CORXToolbarImageList;

class CORXButtonsList : public CButton
{
    // Construction
public:
    CORXButtonsList();
    virtual ~CORXButtonsList();

    // Operations
public:
    // Also sizes the buttons after the images and removes every button.
    void SetImages(CORXToolbarImageList* pImages);
    // The list does not own the buttons: the caller deletes them after removing them.
    void AddButton(CORXToolbarButton* pButton);
    void RemoveButtons();
    // Selects the button (NULL none), brings it into view and tells the parent (BN_CLICKED).
    void SelectButton(CORXToolbarButton* pButton);
    // Selects the first button that shows the image (-1 none); FALSE when no button shows it.
    BOOL SelectButton(int iImage);
    void EnableDragFromList(BOOL bEnable = TRUE) { m_bEnableDragFromList = bEnable; }

    // Attributes
public:
    CORXToolbarButton* GetSelectedButton() const { return m_pSelButton; }
    int GetCount() const { return (int)m_Buttons.GetCount(); }
    CSize GetButtonSize() const { return m_sizeButton; }
    int GetScrollOffset() const { return m_iScrollOffset; }
    int GetMaxScrollOffset() const { return m_iScrollTotal; }
    int GetRowsPerPage() const { return m_iScrollPage; }

    // Implementation
protected:
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS);
    virtual void PreSubclassWindow();

    void RebuildLocations();
    CORXToolbarButton* HitTest(CPoint point) const;
    CRect GetViewRect() const;
    int RowHeight() const { return m_sizeButton.cy + 5; }
    void ScrollTo(int iOffset);
    static int ImageOf(const CORXToolbarButton* pButton);

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSysColorChange();
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

    CObList m_Buttons;
    CORXToolbarImageList* m_pImages;
    CSize m_sizeButton;
    BOOL m_bInited;
    BOOL m_bFocused;
    CORXToolbarButton* m_pSelButton;
    int m_iScrollOffset;
    int m_iScrollTotal;
    int m_iScrollPage;
    CScrollBar m_wndScrollBar;
    BOOL m_bEnableDragFromList;
};

#endif // VELMORA_ORXBUTTONSLIST_H
