// CMiniFrameWnd: a frame with a small tool-window caption, as floating bars and palettes use.
#ifndef VELMORA_AFXMINIFRAME_H
#define VELMORA_AFXMINIFRAME_H

#include "AfxFrame.h"

// Mini-frame styles (in the window style)
#define MFS_SYNCACTIVE   0x00000100L // the caption looks active while the owner frame is active
#define MFS_4THICKFRAME  0x00000200L // a sizing frame whose corners size one way only
#define MFS_THICKFRAME   0x00000400L // a sizing frame
#define MFS_MOVEFRAME    0x00000800L // the frame moves the window instead of sizing it
#define MFS_BLOCKSYSMENU 0x00001000L // the system-menu box acts as caption

class CMiniFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMiniFrameWnd)
public:
    // Construction
    CMiniFrameWnd();
    virtual BOOL Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd = NULL, UINT nID = 0);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle,
                          const RECT& rect, CWnd* pParentWnd = NULL, UINT nID = 0);

    // Implementation
    virtual ~CMiniFrameWnd();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

    BOOL m_bActive; // the owner frame's activation, for MFS_SYNCACTIVE
    CString m_strCaption;

protected:
    afx_msg UINT OnNcHitTest(CPoint point);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg LRESULT OnFloatStatus(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_AFXMINIFRAME_H
