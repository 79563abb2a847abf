// CWnd: the C++ object attached to a window handle, its message dispatch and the usual window API.
#ifndef VELMORA_AFXWND_H
#define VELMORA_AFXWND_H

#include "afx.h"
#include "AfxTypes.h"
#include "AfxCmdTarget.h"

// The system's macro of the same name would hide the member.
#ifdef GetNextWindow
#undef GetNextWindow
#endif

class CDC;
class CMenu;
class CFont;
class CRgn;
class CScrollBar;
class CListBox;
class CDataExchange;
class CFrameWnd;
class CCreateContext;
class CWnd;

// Out of line and opaque to the optimiser, so that the test for a null object is never
// optimised away: callers rely on pWnd->GetSafeHwnd() with pWnd NULL.
__attribute__((noinline, noipa)) HWND AFXAPI AfxSafeHwnd(const CWnd* pWnd);

// Window state flags kept in CWnd::m_nFlags.
#define WF_TOOLTIPS         0x0001
#define WF_TEMPHIDE         0x0002
#define WF_STAYDISABLED     0x0004
#define WF_MODALLOOP        0x0008
#define WF_CONTINUEMODAL    0x0010
#define WF_OLECTLCONTAINER  0x0100
#define WF_TRACKINGTOOLTIPS 0x0400
#define WF_STAYACTIVE       0x0020
#define WF_NOPOPMSG         0x0040
#define WF_MODALDISABLE     0x0080

// RunModalLoop flags
#define MLF_NOIDLEMSG  0x0001
#define MLF_NOKICKIDLE 0x0002
#define MLF_SHOWONIDLE 0x0004

// Standard window class names registered by the framework.
#define AFX_WND            _T("AfxWnd42")
#define AFX_WNDCONTROLBAR  _T("AfxControlBar42")
#define AFX_WNDMDIFRAME    _T("AfxMDIFrame42")
#define AFX_WNDFRAMEORVIEW _T("AfxFrameOrView42")
#define AFX_WNDOLECONTROL  _T("AfxOleControl42")

// Tool-tip hit test result.
struct AFX_TOOLINFO_ : public TOOLINFOA
{
};

class CWnd : public CCmdTarget
{
    DECLARE_DYNCREATE(CWnd)
public:
    // Attributes
    HWND m_hWnd;
    // Safe on a null CWnd*, as callers of the framework expect.
    operator HWND() const { return AfxSafeHwnd(this); }
    HWND GetSafeHwnd() const { return AfxSafeHwnd(this); }
    BOOL operator==(const CWnd& wnd) const { return wnd.m_hWnd == m_hWnd; }
    BOOL operator!=(const CWnd& wnd) const { return wnd.m_hWnd != m_hWnd; }

    // RepositionBars flags
    enum RepositionFlags
    {
        reposDefault = 0,
        reposQuery = 1,
        reposExtra = 2,
        reposNoPosLeftOver = 0x8000
    };

    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    // Handle maps: one object per window per thread; temporary objects for foreign windows.
    static CWnd* PASCAL FromHandle(HWND hWnd);
    static CWnd* PASCAL FromHandlePermanent(HWND hWnd);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HWND hWndNew);
    HWND Detach();

    // Subclassing
    virtual void PreSubclassWindow();
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // Construction
    CWnd();
    virtual ~CWnd();

    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, CCreateContext* pContext = NULL);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                  int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = NULL);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = NULL);
    virtual BOOL DestroyWindow();

    // Window styles and placement
    DWORD GetStyle() const
    {
        ASSERT(::IsWindow(m_hWnd));
        return (DWORD)::GetWindowLong(m_hWnd, GWL_STYLE);
    }
    DWORD GetExStyle() const
    {
        ASSERT(::IsWindow(m_hWnd));
        return (DWORD)::GetWindowLong(m_hWnd, GWL_EXSTYLE);
    }
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    static BOOL PASCAL ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
    static BOOL PASCAL ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
    CWnd* GetOwner() const;
    void SetOwner(CWnd* pOwnerWnd) { m_hWndOwner = pOwnerWnd != NULL ? pOwnerWnd->m_hWnd : NULL; }
    BOOL GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const
    {
        ASSERT(::IsWindow(m_hWnd));
        lpwndpl->length = sizeof(WINDOWPLACEMENT);
        return ::GetWindowPlacement(m_hWnd, lpwndpl);
    }
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl)
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::SetWindowPlacement(m_hWnd, lpwndpl);
    }

    // Messages
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::SendMessage(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::PostMessage(m_hWnd, message, wParam, lParam);
    }
    BOOL SendNotifyMessage(UINT message, WPARAM wParam, LPARAM lParam)
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::SendNotifyMessage(m_hWnd, message, wParam, lParam);
    }
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE,
                                  BOOL bOnlyPerm = FALSE);
    static void PASCAL SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                                BOOL bDeep, BOOL bOnlyPerm);
    BOOL SendChildNotifyLastMsg(LRESULT* pResult = NULL);
    static const MSG* PASCAL GetCurrentMessage();

    // Text and font
    void SetWindowText(LPCTSTR lpszString)
    {
        ASSERT(::IsWindow(m_hWnd));
        ::SetWindowText(m_hWnd, lpszString);
    }
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::GetWindowText(m_hWnd, lpszStringBuf, nMaxCount);
    }
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::GetWindowTextLength(m_hWnd);
    }
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont() const;

    // Menu
    CMenu* GetMenu() const;
    BOOL SetMenu(CMenu* pMenu);
    void DrawMenuBar()
    {
        ASSERT(::IsWindow(m_hWnd));
        ::DrawMenuBar(m_hWnd);
    }
    CMenu* GetSystemMenu(BOOL bRevert) const;
    BOOL HiliteMenuItem(CMenu* pMenu, UINT nIDHiliteItem, UINT nHilite);

    // Size and position
    BOOL IsIconic() const
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::IsIconic(m_hWnd);
    }
    BOOL IsZoomed() const
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::IsZoomed(m_hWnd);
    }
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE)
    {
        ASSERT(::IsWindow(m_hWnd));
        ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
    }
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE)
    {
        ASSERT(::IsWindow(m_hWnd));
        ::MoveWindow(m_hWnd, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                     lpRect->bottom - lpRect->top, bRepaint);
    }
    int SetWindowRgn(HRGN hRgn, BOOL bRedraw)
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::SetWindowRgn(m_hWnd, hRgn, bRedraw);
    }
    int GetWindowRgn(HRGN hRgn) const
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::GetWindowRgn(m_hWnd, hRgn);
    }
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    UINT ArrangeIconicWindows()
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::ArrangeIconicWindows(m_hWnd);
    }
    void BringWindowToTop()
    {
        ASSERT(::IsWindow(m_hWnd));
        ::BringWindowToTop(m_hWnd);
    }
    void GetWindowRect(LPRECT lpRect) const
    {
        ASSERT(::IsWindow(m_hWnd));
        ::GetWindowRect(m_hWnd, lpRect);
    }
    void GetClientRect(LPRECT lpRect) const
    {
        ASSERT(::IsWindow(m_hWnd));
        ::GetClientRect(m_hWnd, lpRect);
    }
    void ClientToScreen(LPPOINT lpPoint) const
    {
        ASSERT(::IsWindow(m_hWnd));
        ::ClientToScreen(m_hWnd, lpPoint);
    }
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const
    {
        ASSERT(::IsWindow(m_hWnd));
        ::ScreenToClient(m_hWnd, lpPoint);
    }
    void ScreenToClient(LPRECT lpRect) const;
    void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const
    {
        ASSERT(::IsWindow(m_hWnd));
        ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), lpPoint, nCount);
    }
    void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const
    {
        ASSERT(::IsWindow(m_hWnd));
        ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), (LPPOINT)lpRect, 2);
    }
    enum AdjustType
    {
        adjustBorder = 0, // the client edge is not counted
        adjustOutside = 1
    };
    virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = adjustBorder);

    // Painting
    CDC* GetDC();
    CDC* GetWindowDC();
    CDC* GetDCEx(CRgn* prgnClip, DWORD flags);
    int ReleaseDC(CDC* pDC);
    CDC* BeginPaint(LPPAINTSTRUCT lpPaint);
    void EndPaint(LPPAINTSTRUCT lpPaint)
    {
        ASSERT(::IsWindow(m_hWnd));
        ::EndPaint(m_hWnd, lpPaint);
    }
    void UpdateWindow()
    {
        ASSERT(::IsWindow(m_hWnd));
        ::UpdateWindow(m_hWnd);
    }
    void SetRedraw(BOOL bRedraw = TRUE)
    {
        ASSERT(::IsWindow(m_hWnd));
        ::SendMessage(m_hWnd, WM_SETREDRAW, bRedraw, 0);
    }
    BOOL GetUpdateRect(LPRECT lpRect, BOOL bErase = FALSE)
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::GetUpdateRect(m_hWnd, lpRect, bErase);
    }
    int GetUpdateRgn(CRgn* pRgn, BOOL bErase = FALSE);
    void Invalidate(BOOL bErase = TRUE)
    {
        ASSERT(::IsWindow(m_hWnd));
        ::InvalidateRect(m_hWnd, NULL, bErase);
    }
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE)
    {
        ASSERT(::IsWindow(m_hWnd));
        ::InvalidateRect(m_hWnd, lpRect, bErase);
    }
    void InvalidateRgn(CRgn* pRgn, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect)
    {
        ASSERT(::IsWindow(m_hWnd));
        ::ValidateRect(m_hWnd, lpRect);
    }
    void ValidateRgn(CRgn* pRgn);
    BOOL ShowWindow(int nCmdShow)
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::ShowWindow(m_hWnd, nCmdShow);
    }
    BOOL IsWindowVisible() const
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::IsWindowVisible(m_hWnd);
    }
    void ShowOwnedPopups(BOOL bShow = TRUE)
    {
        ASSERT(::IsWindow(m_hWnd));
        ::ShowOwnedPopups(m_hWnd, bShow);
    }
    BOOL RedrawWindow(LPCRECT lpRectUpdate = NULL, CRgn* prgnUpdate = NULL,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    BOOL EnableScrollBar(int nSBFlags, UINT nArrowFlags = ESB_ENABLE_BOTH)
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::EnableScrollBar(m_hWnd, nSBFlags, nArrowFlags);
    }
    void Print(CDC* pDC, DWORD dwFlags) const;
    void PrintClient(CDC* pDC, DWORD dwFlags) const;

    // Timers
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse,
                      void(CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD) = NULL)
    {
        return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
    }
    BOOL KillTimer(UINT_PTR nIDEvent)
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::KillTimer(m_hWnd, nIDEvent);
    }

    // State
    BOOL IsWindowEnabled() const
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::IsWindowEnabled(m_hWnd);
    }
    BOOL EnableWindow(BOOL bEnable = TRUE)
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::EnableWindow(m_hWnd, bEnable);
    }
    static CWnd* PASCAL GetActiveWindow() { return CWnd::FromHandle(::GetActiveWindow()); }
    CWnd* SetActiveWindow()
    {
        ASSERT(::IsWindow(m_hWnd));
        return CWnd::FromHandle(::SetActiveWindow(m_hWnd));
    }
    static CWnd* PASCAL GetCapture() { return CWnd::FromHandle(::GetCapture()); }
    CWnd* SetCapture()
    {
        ASSERT(::IsWindow(m_hWnd));
        return CWnd::FromHandle(::SetCapture(m_hWnd));
    }
    static CWnd* PASCAL GetFocus() { return CWnd::FromHandle(::GetFocus()); }
    CWnd* SetFocus()
    {
        ASSERT(::IsWindow(m_hWnd));
        return CWnd::FromHandle(::SetFocus(m_hWnd));
    }
    static CWnd* PASCAL GetDesktopWindow() { return CWnd::FromHandle(::GetDesktopWindow()); }
    static CWnd* PASCAL GetForegroundWindow() { return CWnd::FromHandle(::GetForegroundWindow()); }
    BOOL SetForegroundWindow()
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::SetForegroundWindow(m_hWnd);
    }

    // Dialog boxes and controls
    void CheckDlgButton(int nIDButton, UINT nCheck)
    {
        ASSERT(::IsWindow(m_hWnd));
        ::CheckDlgButton(m_hWnd, nIDButton, nCheck);
    }
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
    {
        ASSERT(::IsWindow(m_hWnd));
        ::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton);
    }
    int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton);
    int DlgDirList(LPTSTR lpPathSpec, int nIDListBox, int nIDStaticPath, UINT nFileType)
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::DlgDirList(m_hWnd, lpPathSpec, nIDListBox, nIDStaticPath, nFileType);
    }
    CWnd* GetDlgItem(int nID) const;
    void GetDlgItem(int nID, HWND* phWnd) const
    {
        ASSERT(::IsWindow(m_hWnd));
        *phWnd = ::GetDlgItem(m_hWnd, nID);
    }
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = NULL, BOOL bSigned = TRUE) const
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
    }
    int GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::GetDlgItemText(m_hWnd, nID, lpStr, nMaxCount);
    }
    int GetDlgItemText(int nID, CString& rString) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE)
    {
        ASSERT(::IsWindow(m_hWnd));
        ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned);
    }
    void SetDlgItemText(int nID, LPCTSTR lpszString)
    {
        ASSERT(::IsWindow(m_hWnd));
        ::SetDlgItemText(m_hWnd, nID, lpszString);
    }
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::SendDlgItemMessage(m_hWnd, nID, message, wParam, lParam);
    }
    UINT IsDlgButtonChecked(int nIDButton) const
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::IsDlgButtonChecked(m_hWnd, nIDButton);
    }
    CWnd* GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const
    {
        ASSERT(::IsWindow(m_hWnd));
        return CWnd::FromHandle(::GetNextDlgGroupItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious));
    }
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const
    {
        ASSERT(::IsWindow(m_hWnd));
        return CWnd::FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious));
    }
    int GetDlgCtrlID() const
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::GetDlgCtrlID(m_hWnd);
    }
    int SetDlgCtrlID(int nID)
    {
        ASSERT(::IsWindow(m_hWnd));
        return (int)::SetWindowLong(m_hWnd, GWL_ID, nID);
    }

    // Scrolling
    int GetScrollPos(int nBar) const
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::GetScrollPos(m_hWnd, nBar);
    }
    void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const
    {
        ASSERT(::IsWindow(m_hWnd));
        ::GetScrollRange(m_hWnd, nBar, lpMinPos, lpMaxPos);
    }
    void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = NULL, LPCRECT lpClipRect = NULL)
    {
        ASSERT(::IsWindow(m_hWnd));
        ::ScrollWindow(m_hWnd, xAmount, yAmount, lpRect, lpClipRect);
    }
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE)
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw);
    }
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE)
    {
        ASSERT(::IsWindow(m_hWnd));
        ::SetScrollRange(m_hWnd, nBar, nMinPos, nMaxPos, bRedraw);
    }
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE)
    {
        ASSERT(::IsWindow(m_hWnd));
        ::ShowScrollBar(m_hWnd, nBar, bShow);
    }
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE)
    {
        ASSERT(::IsWindow(m_hWnd));
        ::SetScrollInfo(m_hWnd, nBar, lpScrollInfo, bRedraw);
        return TRUE;
    }
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    int GetScrollLimit(int nBar);
    virtual CScrollBar* GetScrollBarCtrl(int nBar) const;

    // Window access
    CWnd* ChildWindowFromPoint(POINT point) const
    {
        ASSERT(::IsWindow(m_hWnd));
        return CWnd::FromHandle(::ChildWindowFromPoint(m_hWnd, point));
    }
    static CWnd* PASCAL FindWindow(LPCTSTR lpszClassName, LPCTSTR lpszWindowName)
    {
        return CWnd::FromHandle(::FindWindow(lpszClassName, lpszWindowName));
    }
    CWnd* GetNextWindow(UINT nFlag = GW_HWNDNEXT) const
    {
        ASSERT(::IsWindow(m_hWnd));
        return CWnd::FromHandle(::GetWindow(m_hWnd, nFlag));
    }
    CWnd* GetTopWindow() const
    {
        ASSERT(::IsWindow(m_hWnd));
        return CWnd::FromHandle(::GetTopWindow(m_hWnd));
    }
    CWnd* GetWindow(UINT nCmd) const
    {
        ASSERT(::IsWindow(m_hWnd));
        return CWnd::FromHandle(::GetWindow(m_hWnd, nCmd));
    }
    CWnd* GetLastActivePopup() const
    {
        ASSERT(::IsWindow(m_hWnd));
        return CWnd::FromHandle(::GetLastActivePopup(m_hWnd));
    }
    BOOL IsChild(const CWnd* pWnd) const { return ::IsChild(m_hWnd, pWnd->GetSafeHwnd()); }
    CWnd* GetParent() const
    {
        ASSERT(::IsWindow(m_hWnd));
        return CWnd::FromHandle(::GetParent(m_hWnd));
    }
    CWnd* SetParent(CWnd* pWndNewParent)
    {
        ASSERT(::IsWindow(m_hWnd));
        return CWnd::FromHandle(::SetParent(m_hWnd, pWndNewParent->GetSafeHwnd()));
    }
    static CWnd* PASCAL WindowFromPoint(POINT point) { return CWnd::FromHandle(::WindowFromPoint(point)); }
    CWnd* GetDescendantWindow(int nID, BOOL bOnlyPerm = FALSE) const;
    static CWnd* PASCAL GetDescendantWindow(HWND hWnd, int nID, BOOL bOnlyPerm);
    CFrameWnd* GetParentFrame() const;
    CWnd* GetTopLevelParent() const;
    CWnd* GetParentOwner() const; // the nearest window at or above this one that is not a child
    CWnd* GetTopLevelOwner() const;
    CFrameWnd* GetTopLevelFrame() const;
    static CWnd* PASCAL GetSafeOwner(CWnd* pParent = NULL, HWND* pWndTop = NULL);
    // The handle form of GetSafeOwner, for callers that must not make a temporary object.
    static HWND PASCAL GetSafeOwnerHwnd(HWND hWnd, HWND* pWndTop);

    // Alerts and clipboard
    BOOL FlashWindow(BOOL bInvert)
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::FlashWindow(m_hWnd, bInvert);
    }
    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = NULL, UINT nType = MB_OK);
    BOOL ChangeClipboardChain(HWND hWndNext)
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::ChangeClipboardChain(m_hWnd, hWndNext);
    }
    BOOL OpenClipboard()
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::OpenClipboard(m_hWnd);
    }

    // Caret
    void CreateSolidCaret(int nWidth, int nHeight)
    {
        ASSERT(::IsWindow(m_hWnd));
        ::CreateCaret(m_hWnd, (HBITMAP)0, nWidth, nHeight);
    }
    void CreateGrayCaret(int nWidth, int nHeight)
    {
        ASSERT(::IsWindow(m_hWnd));
        ::CreateCaret(m_hWnd, (HBITMAP)1, nWidth, nHeight);
    }
    static CPoint PASCAL GetCaretPos()
    {
        CPoint point;
        ::GetCaretPos((LPPOINT)&point);
        return point;
    }
    static void PASCAL SetCaretPos(POINT point) { ::SetCaretPos(point.x, point.y); }
    void HideCaret()
    {
        ASSERT(::IsWindow(m_hWnd));
        ::HideCaret(m_hWnd);
    }
    void ShowCaret()
    {
        ASSERT(::IsWindow(m_hWnd));
        ::ShowCaret(m_hWnd);
    }

    // Shell and icons
    void DragAcceptFiles(BOOL bAccept = TRUE);
    HICON SetIcon(HICON hIcon, BOOL bBigIcon)
    {
        ASSERT(::IsWindow(m_hWnd));
        return (HICON)::SendMessage(m_hWnd, WM_SETICON, bBigIcon, (LPARAM)hIcon);
    }
    HICON GetIcon(BOOL bBigIcon) const
    {
        ASSERT(::IsWindow(m_hWnd));
        return (HICON)::SendMessage(m_hWnd, WM_GETICON, bBigIcon, 0);
    }
    void CenterWindow(CWnd* pAlternateOwner = NULL);
    virtual BOOL WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    void SetWindowContextHelpId(DWORD dwContextHelpId)
    {
        ASSERT(::IsWindow(m_hWnd));
        ::SetWindowContextHelpId(m_hWnd, dwContextHelpId);
    }
    DWORD GetWindowContextHelpId() const
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::GetWindowContextHelpId(m_hWnd);
    }
    BOOL LockWindowUpdate()
    {
        ASSERT(::IsWindow(m_hWnd));
        return ::LockWindowUpdate(m_hWnd);
    }
    void UnlockWindowUpdate() { ::LockWindowUpdate(NULL); }

    // Dialog data
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    BOOL ExecuteDlgInit(LPCTSTR lpszResourceName);
    BOOL ExecuteDlgInit(LPVOID lpResource);
    void UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
    void RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag = 0,
                        LPRECT lpRectParam = NULL, LPCRECT lpRectClient = NULL, BOOL bStretch = TRUE);

    // Modal loop support
    int RunModalLoop(DWORD dwFlags = 0);
    virtual BOOL ContinueModal();
    virtual void EndModalLoop(int nResult);

    // Overridables
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void PostNcDestroy();
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual int OnToolHitTest(CPoint point, TOOLINFO* pTI) const;
    // Tool tips: a window that enables them is asked through OnToolHitTest which tool is under
    // the mouse; the thread's tool-tip control then shows that tool's text.
    BOOL EnableToolTips(BOOL bEnable = TRUE);
    static void PASCAL CancelToolTips(BOOL bKeys = FALSE);
    void FilterToolTipMessage(MSG* pMsg);
    virtual void WinHelpInternal(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    virtual WNDPROC* GetSuperWndProcAddr();
    virtual BOOL CheckAutoCenter();
    virtual BOOL IsFrameWnd() const;

    // Message handlers, MFC signatures
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnActivateApp(BOOL bActive, HTASK hTask);
    afx_msg void OnCancelMode();
    afx_msg void OnChildActivate();
    afx_msg void OnClose();
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnDestroy();
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnEndSession(BOOL bEnding);
    afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg BOOL OnHelpInfo(HELPINFO* lpHelpInfo);
    afx_msg void OnIconEraseBkgnd(CDC* pDC);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnMoving(UINT fwSide, LPRECT pRect);
    afx_msg void OnPaint();
    afx_msg void OnSyncPaint();
    afx_msg void OnParentNotify(UINT message, LPARAM lParam);
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg BOOL OnQueryEndSession();
    afx_msg BOOL OnQueryNewPalette();
    afx_msg BOOL OnQueryOpen();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSizing(UINT fwSide, LPRECT pRect);
    afx_msg void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
    afx_msg void OnStyleChanging(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg BOOL OnCopyData(CWnd* pWnd, COPYDATASTRUCT* pCopyDataStruct);
    afx_msg BOOL OnDeviceChange(UINT nEventType, DWORD_PTR dwData);
    afx_msg void OnDropFiles(HDROP hDropInfo);
    afx_msg void OnPaletteIsChanging(CWnd* pRealizeWnd);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg UINT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcMButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnNcMButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcMButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnNcPaint();
    afx_msg void OnNcRButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcDestroy();
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg void OnDeleteItem(int nIDCtl, LPDELETEITEMSTRUCT lpDeleteItemStruct);
    afx_msg int OnCompareItem(int nIDCtl, LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    afx_msg int OnCharToItem(UINT nChar, CListBox* pListBox, UINT nIndex);
    afx_msg int OnVKeyToItem(UINT nKey, CListBox* pListBox, UINT nIndex);
    afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnSysDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnCompacting(UINT nCpuTime);
    afx_msg void OnDevModeChange(LPTSTR lpDeviceName);
    afx_msg void OnFontChange();
    afx_msg void OnPaletteChanged(CWnd* pFocusWnd);
    afx_msg void OnSpoolerStatus(UINT nStatus, UINT nJobs);
    afx_msg void OnSysColorChange();
    afx_msg void OnTimeChange();
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnWinIniChange(LPCTSTR lpszSection);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnMouseLeave();
    afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnInitMenu(CMenu* pMenu);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnEnterMenuLoop(BOOL bIsTrackPopupMenu);
    afx_msg void OnExitMenuLoop(BOOL bIsTrackPopupMenu);
    afx_msg UINT OnGetDlgCode();

    // Implementation
    HWND m_hWndOwner;   // the owner used by a child window or control bar
    UINT m_nFlags;      // WF_ flags
    WNDPROC m_pfnSuper; // the window procedure a subclassed window had before
    int m_nModalResult; // the result of RunModalLoop

    LRESULT Default();
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Hands a WM_COMMAND or WM_NOTIFY from a child control back to the control's object.
    BOOL ReflectNotifyToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    static BOOL PASCAL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = NULL);
    static BOOL PASCAL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
    BOOL CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);

    DECLARE_MESSAGE_MAP()

private:
    CWnd(HWND hWnd); // for the static const window markers
};

// Window procedure shared by every attached window.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
void AFXAPI AfxHookWindowCreate(CWnd* pWnd);
BOOL AFXAPI AfxUnhookWindowCreate();
LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = 0, HBRUSH hbrBackground = 0,
                                   HICON hIcon = 0);
BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass);
void AFXAPI AfxSetWindowText(HWND hWndCtrl, LPCTSTR lpszNew);
CWnd* AFXAPI AfxGetMainWnd();

#endif // VELMORA_AFXWND_H
