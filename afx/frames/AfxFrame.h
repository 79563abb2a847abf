// CFrameWnd: a top-level frame window, enough for a hidden main window and simple frames.
#ifndef VELMORA_AFXFRAME_H
#define VELMORA_AFXFRAME_H

#include "afx.h"
#include "AfxWnd.h"

#define FWS_ADDTOTITLE  0x00008000L
#define FWS_PREFIXTITLE 0x00004000L
#define FWS_SNAPTOBARS  0x00002000L

class CCreateContext
{
public:
    CRuntimeClass* m_pNewViewClass;
    CCreateContext() { m_pNewViewClass = NULL; }
};

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    static const CRect rectDefault;

    // Construction
    CFrameWnd();
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* pParentWnd = NULL, LPCTSTR lpszMenuName = NULL,
                        DWORD dwExStyle = 0, CCreateContext* pContext = NULL);
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);

    // Attributes
    BOOL m_bAutoMenuEnable; // menu items without a handler are disabled
    BOOL m_bHelpMode;
    CString m_strTitle;
    UINT m_nIDHelp;
    CFrameWnd* GetActiveFrame() { return this; }
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }
    CString GetTitle() const { return m_strTitle; }

    // Operations
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    virtual void ActivateFrame(int nCmdShow = -1);
    void SetMessageText(LPCTSTR lpszText);
    void SetMessageText(UINT nID);

    // Implementation
    virtual ~CFrameWnd();
    virtual BOOL IsFrameWnd() const;
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual void PostNcDestroy();

    afx_msg void OnClose();
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    // A tool's tip is the second line of its command's string resource.
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_AFXFRAME_H
