// Per-thread state of the windowing layer: handle maps, the window-creation hook, the message
// being handled and the current thread object. Not part of the public surface.
#ifndef VELMORA_AFXWINIMPL_H
#define VELMORA_AFXWINIMPL_H

#include "afxwin.h"
#include <map>

class CToolTipCtrl;

struct AFX_THREAD_STATE_WIN
{
    std::map<HWND, CWnd*> permanentMap;
    std::map<HWND, CWnd*> temporaryMap;
    CWnd* pWndInit; // the window being created, attached by the creation hook
    HHOOK hHookOldCbtFilter;
    MSG lastSentMsg;     // the message being handled, for Default()
    CWinThread* pThread; // the CWinThread that runs on this thread
    int nWaitCursorCount;
    HCURSOR hcurWaitCursorRestore;
    MSG msgLastMouse; // for IsIdleMessage
    int nMsgLast;
    HWND hLockoutNotifyWindow; // control notifications to this window are ignored (UpdateData)

    // Tool tips of windows that enable them: one tool-tip control per thread, holding at most the
    // one tool the mouse is over; the filter is bound in only by programs that enable tool tips.
    void (*pfnFilterToolTipMessage)(MSG* pMsg, CWnd* pWnd);
    CToolTipCtrl* pToolTip;
    int nLastHit;                              // the tool id the last hit test gave, -1 for none
    TOOLINFO lastInfo;                         // that tool as the tool-tip control knows it (hwnd, uId)
    void (*pfnForgetToolTipWindow)(HWND hWnd); // a window with tool tips is going away
    void (*pfnTermToolTips)();                 // the thread ends: its tool-tip control goes

    void DoWaitCursor(int nCode);
};

AFX_THREAD_STATE_WIN* AFXAPI AfxGetThreadStateWin();
HMENU AFXAPI AfxMenuHandle(CMenu* pMenu);
CMenu* AFXAPI AfxMenuFromHandle(HMENU hMenu);
CDC* AFXAPI AfxDCFromHandle(HDC hDC);
void AFXAPI AfxDeleteTempDCs();
LRESULT AFXAPI AfxProcessWndProcException(CException* e, const MSG* pMsg);
BOOL AFXAPI AfxEndDeferRegisterClass(LPCTSTR lpszClassName);

// Where a dialog or a property sheet sends a menu command it has no handler for: its owner window,
// then the thread and the application. Control notifications and system commands stay put.
BOOL AFXAPI AfxRouteCommandOutward(CWnd* pWnd, UINT nID, int nCode, void* pExtra,
                                   AFX_CMDHANDLERINFO* pHandlerInfo);
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

#endif // VELMORA_AFXWINIMPL_H
