// The framework's per-thread state: the handle maps of every kind, the window being created, the
// message being handled, the thread object, tool tips and the message-map lookup cache. Made on
// a thread's first use and freed when the thread ends. Not part of the public surface.
#ifndef VELMORA_AFXTHREADSTATE_H
#define VELMORA_AFXTHREADSTATE_H

#include "afx.h"
#include "AfxHandleMap.h"

#include <commctrl.h>
#include <vector>

class CWnd;
class CMenu;
class CGdiObject;
class CDC;
class CImageList;
class CWinThread;
class CToolTipCtrl;
class CPropertySheet;
struct AFX_MSGMAP;
struct AFX_MSGMAP_ENTRY;

// One slot of the message-map lookup cache: what the walk from a class's map found for a
// message (lpEntry NULL: no handler anywhere in the chain).
struct AFX_MSG_CACHE
{
    UINT nMsg;
    const AFX_MSGMAP* pMessageMap; // the most derived class's map; NULL for an empty slot
    const AFX_MSGMAP_ENTRY* lpEntry;
    UINT_PTR nSig;
};

struct AFX_THREAD_STATE
{
    AFX_THREAD_STATE();
    ~AFX_THREAD_STATE();

    // Handle maps, each made on first use by the layer that owns its kind (see AddHandleMap).
    CHandleMap<HWND, CWnd>* m_pmapHWND;
    CHandleMap<HMENU, CMenu>* m_pmapHMENU;
    CHandleMap<HGDIOBJ, CGdiObject>* m_pmapHGDIOBJ;
    CHandleMap<HDC, CDC>* m_pmapHDC;
    CHandleMap<HIMAGELIST, CImageList>* m_pmapHIMAGELIST;

    // Enters a new map in the list that the idle clean-up and the thread's end go through.
    template <class THandle, class TObject>
    CHandleMap<THandle, TObject>* AddHandleMap(CHandleMap<THandle, TObject>* pMap)
    {
        m_handleMaps.push_back(pMap);
        return pMap;
    }
    // The idle clean-up: every temporary object of every kind goes.
    void DeleteTempMaps();

    CWnd* pWndInit; // the window being created, attached by the creation hook
    HHOOK hHookOldCbtFilter;
    MSG lastSentMsg;     // the message being handled, for Default()
    CWinThread* pThread; // the CWinThread that runs on this thread
    int nWaitCursorCount;
    HCURSOR hcurWaitCursorRestore;
    MSG msgLastMouse; // for IsIdleMessage
    int nMsgLast;
    HWND hLockoutNotifyWindow;          // control notifications to this window are ignored (UpdateData)
    CPropertySheet* pSheetBeingCreated; // a sheet whose template style is set as the system builds it

    // Tool tips of windows that enable them: one tool-tip control per thread, holding at most the
    // one tool the mouse is over; the filter is bound in only by programs that enable tool tips.
    void (*pfnFilterToolTipMessage)(MSG* pMsg, CWnd* pWnd);
    CToolTipCtrl* pToolTip;
    int nLastHit;                              // the tool id the last hit test gave, -1 for none
    TOOLINFO lastInfo;                         // that tool as the tool-tip control knows it (hwnd, uId)
    void (*pfnForgetToolTipWindow)(HWND hWnd); // a window with tool tips is going away
    void (*pfnTermToolTips)();                 // the thread ends: its tool-tip control goes

    enum
    {
        nMsgCacheSize = 512 // a power of two
    };
    AFX_MSG_CACHE msgCache[nMsgCacheSize];

    void DoWaitCursor(int nCode);

private:
    std::vector<CHandleMapBase*> m_handleMaps;

    AFX_THREAD_STATE(const AFX_THREAD_STATE&);
    void operator=(const AFX_THREAD_STATE&);
};

AFX_THREAD_STATE* AFXAPI AfxGetThreadState();

#endif // VELMORA_AFXTHREADSTATE_H
