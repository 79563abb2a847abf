// CHyperLinkStatic: a static text that behaves as a web link, with its context menu; CHLinkPage
// and CHLinkSheet: the link's "Properties" sheet.
#ifndef VELMORA_HYPERLINKSTATIC_H
#define VELMORA_HYPERLINKSTATIC_H

#include <afxwin.h>
#include <afxdlgs.h>

class CHyperLinkStatic : public CStatic
{
    // Construction
public:
    CHyperLinkStatic();
    virtual ~CHyperLinkStatic();

    // Attributes
public:
    CString m_strURL;
    HCURSOR m_hHandCursor;
    HCURSOR m_hOtherCursor;
    COLORREF m_crUnvisited;
    COLORREF m_crVisited;
    COLORREF m_crHover;
    BOOL m_bHoverTracking;
    int m_nState; // 0 not visited, 1 visited, 2 hovering
    int m_nPrevState;
    BOOL m_bInContextMenu;
    BOOL m_bContextMenu;
    BOOL m_bUseHandCursor;
    CFont m_font; // the control's font, underlined; made at the first colour request

    // Operations
public:
    void SetURL(LPCTSTR lpszURL) { m_strURL = lpszURL; }
    COLORREF GetStateColour() const;
    // The .URL file for the folder of nCsidl; FALSE when the name or the save is refused.
    BOOL AddShortcutTo(int nCsidl);

    // Implementation
protected:
    // Back to the state before hovering, and the mouse let go.
    void EndHover();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnOpen();
    afx_msg void OnCopyShortcut();
    afx_msg void OnAddToFavorites();
    afx_msg void OnAddToDesktop();
    afx_msg void OnProperties();
    DECLARE_MESSAGE_MAP()
};

class CHLinkPage : public CPropertyPage
{
public:
    CHLinkPage();
    CString m_strText;
    CString m_strURL;

protected:
    virtual BOOL OnInitDialog();
};

class CHLinkSheet : public CPropertySheet
{
public:
    explicit CHLinkSheet(CWnd* pParent);
    CHLinkPage m_page;
};

#endif // VELMORA_HYPERLINKSTATIC_H
