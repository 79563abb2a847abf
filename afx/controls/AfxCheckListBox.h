// CCheckListBox: an owner-drawn list box with a check box before each row; a click on the box or
// the space key flips it and tells the parent with CLBN_CHKCHANGE.
#ifndef VELMORA_AFXCHECKLISTBOX_H
#define VELMORA_AFXCHECKLISTBOX_H

#include "AfxCtrl.h"
#include "afxcoll.h"

#ifndef CLBN_CHKCHANGE
#define CLBN_CHKCHANGE 40
#endif

class CCheckListBox : public CListBox
{
    DECLARE_DYNAMIC(CCheckListBox)

    // Construction
public:
    CCheckListBox();
    virtual ~CCheckListBox();
    // The style needs LBS_OWNERDRAWFIXED or LBS_OWNERDRAWVARIABLE, and LBS_HASSTRINGS for texts.
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Attributes
public:
    // BS_CHECKBOX, BS_AUTOCHECKBOX, BS_AUTO3STATE or BS_3STATE; FALSE for any other style.
    BOOL SetCheckStyle(UINT nStyle);
    UINT GetCheckStyle() const { return m_nStyle; }
    // 0 clear, 1 checked, 2 indeterminate (three-state styles only).
    void SetCheck(int nIndex, int nCheck);
    int GetCheck(int nIndex) const;
    // A row whose check is disabled neither draws nor takes changes from the user.
    void Enable(int nIndex, BOOL bEnabled = TRUE);
    BOOL IsEnabled(int nIndex) const;

    // Overridables
public:
    virtual CRect OnGetCheckPosition(CRect rectItem, CRect rectCheckBox);
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

    // Implementation
protected:
    CSize GetCheckSize() const;
    int CheckFromPoint(CPoint point, BOOL& bInCheck);
    // The user's change of the row's check, as the style says, with the parent told.
    void ToggleByUser(int nIndex);
    void PreDrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    void SyncRows(int nCount);

    virtual void PreSubclassWindow();
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_nStyle;
    // One entry per row, kept in step with the rows by the list box messages.
    CDWordArray m_arCheck;
    CDWordArray m_arEnabled;

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_AFXCHECKLISTBOX_H
