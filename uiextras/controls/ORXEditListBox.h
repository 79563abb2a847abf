// CORXEditListBox: a list with a caption header that carries small command buttons (new, delete,
// up, down), each with a key; CORXNonClientWnd: a window with an owner-drawn strip at its right
// edge; CORXMenuButton: a push button that drops down a menu and remembers the chosen command.
#ifndef VELMORA_ORXEDITLISTBOX_H
#define VELMORA_ORXEDITLISTBOX_H

#include <afxwin.h>
#include <afxcmn.h>
#include <afxcoll.h>
#include <afxtempl.h>

#include "ORXButton.h"

class CORXEditListBox : public CWnd
{
    DECLARE_DYNAMIC(CORXEditListBox)

    // Construction
public:
    CORXEditListBox();
    virtual ~CORXEditListBox();

    enum
    {
        BUTTON_NEW = 0x01,
        BUTTON_DELETE = 0x02,
        BUTTON_UP = 0x04,
        BUTTON_DOWN = 0x08,
        // A double click on empty space creates a new item.
        STYLE_DBLCLK_NEW = 0x01,
        IdList = 1
    };

    BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Attributes
public:
    // The standard buttons, each with its key: Insert, Delete, Alt+Up, Alt+Down.
    BOOL SetStandardButtons(UINT uiBtns = BUTTON_NEW | BUTTON_DELETE | BUTTON_UP | BUTTON_DOWN);
    // A header button with one of the framework's glyphs and the tip of a string resource (0 for
    // none); uiKey's low word a virtual key, bits 16-23 FCONTROL, FALT and FSHIFT.
    BOOL AddButton(int nStdImageId, UINT uiTooltipId, UINT uiKey, UINT uiCmd);
    int GetButtonCount() const { return (int)m_lstButtons.GetCount(); }
    UINT GetButtonCommand(int iButton) const;
    CORXButton* GetButton(int iButton) const;
    void SetStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    void SetGrayDisabledButtons(BOOL bOn = TRUE) { m_bGrayDisabledButtons = bOn; }
    const CRect& GetCaptionRect() const { return m_rectCaption; }

    int GetCount() const;
    CString GetItemText(int iIndex) const;
    void SetItemData(int iIndex, DWORD_PTR dwData);
    BOOL SelectItem(int iItem);

    // Operations
public:
    int AddItem(const CString& strText, DWORD_PTR dwData = 0, int iIndex = -1);
    BOOL RemoveItem(int iIndex);
    void RemoveAllItems();
    BOOL SetItemText(int iIndex, const CString& strText);
    BOOL MoveItem(int iIndex, BOOL bUp);

    // Overridables, in the order the handlers call them
public:
    virtual int GetSelItem() const;
    virtual BOOL EditItem(int iIndex);
    virtual DWORD_PTR GetItemData(int iIndex) const;
    virtual void OnClickButton(int iButton);
    virtual void OnKey(WORD wKey, BYTE fFlags);
    virtual void OnEndEditLabel(LPCTSTR lpszLabel);
    virtual int OnGetImage(LV_ITEM* pItem) { return -1; }
    virtual void OnSelectionChanged() {}
    virtual void CreateNewItem();
    virtual HWND GetListHwnd() const { return m_wndList.GetSafeHwnd(); }
    virtual BOOL OnCreateList();
    virtual void OnSizeList() {}

    // Hooks for the owner of the rows: a refused removal keeps the row; a new row's data.
    virtual BOOL OnBeforeRemoveItem(int iItem) { return TRUE; }
    virtual void OnAfterAddItem(int iItem) {}
    virtual void OnAfterRenameItem(int iItem) {}
    virtual void OnAfterMoveItem(int iItem, BOOL bUp) {}

    // Implementation
protected:
    CObList m_lstButtons;
    CList<DWORD, DWORD> m_lstKeyAccell;
    CDWordArray m_arCommands;
    int m_sizeButton;
    int m_nMinCaptionHeight;
    CRect m_rectCaption;
    DWORD m_dwStyle;
    CFont m_font;
    BOOL m_bGrayDisabledButtons;
    CListCtrl m_wndList;
    BOOL m_bNewItem; // the row being edited was just added

    void AdjustLayout();
    CFont* GetHeaderFont();
    void EndEditing();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnEnable(BOOL bEnable);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()
};

// What owns the strip of a CORXNonClientWnd: draws it and acts on a click on it.
class IORXNonClientStripOwner
{
public:
    virtual ~IORXNonClientStripOwner() {}
    virtual void OnDrawStrip(CDC* pDC, const CRect& rect, BOOL bPressed, int nReserved) = 0;
    virtual void OnClickStrip() = 0;
};

class CORXNonClientWnd : public CWnd
{
    DECLARE_DYNAMIC(CORXNonClientWnd)

    // Construction
public:
    CORXNonClientWnd();
    virtual ~CORXNonClientWnd();

    enum
    {
        StripWidth = 20
    };

    // Attributes
public:
    // Set before the window is created: a fixed-size window is all client area and keeps its size.
    void SetFixedSize(BOOL bFixed = TRUE) { m_bFixedSize = bFixed; }
    void SetStrip(BOOL bStrip = TRUE) { m_bStrip = bStrip; }
    void SetStripOwner(IORXNonClientStripOwner* pOwner) { m_pOwner = pOwner; }
    BOOL IsPressed() const { return m_bPressed; }
    const CRect& GetStripRect() const { return m_rectStrip; }

    // Implementation
protected:
    BOOL m_bFixedSize;
    BOOL m_bStrip;
    CRect m_rectStrip;
    BOOL m_bPressed;
    BOOL m_bTracking;
    IORXNonClientStripOwner* m_pOwner;

    void RedrawFrame() { RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE); }

    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg UINT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnNcPaint();
    DECLARE_MESSAGE_MAP()
};

class CORXMenuButton : public CORXButton
{
    DECLARE_DYNAMIC(CORXMenuButton)

    // Construction
public:
    CORXMenuButton();
    virtual ~CORXMenuButton();

    // Attributes
public:
    HMENU m_hMenu;
    // Set by the application: the button stays pressed while its menu is open.
    BOOL m_bStayPressed;
    // The command chosen from the menu at the last click; 0 when none was.
    int m_nMenuResult;

    // Overridables
public:
    virtual CSize SizeToContent(BOOL bCalcOnly = FALSE);
    virtual void OnDraw(CDC* pDC, const CRect& rect, UINT uiState);

    // Implementation
protected:
    virtual void OnShowMenu() override;
    BOOL IsMenuState() const { return m_hMenu != NULL && m_bStayPressed && m_bPushed; }

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXEDITLISTBOX_H
