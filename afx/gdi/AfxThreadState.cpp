// The per-thread state: made on a thread's first use, freed with the thread.
#include "AfxThreadState.h"

AFX_THREAD_STATE::AFX_THREAD_STATE()
    : m_pmapHWND(NULL), m_pmapHMENU(NULL), m_pmapHGDIOBJ(NULL), m_pmapHDC(NULL), m_pmapHIMAGELIST(NULL),
      pWndInit(NULL), hHookOldCbtFilter(NULL), pThread(NULL), nWaitCursorCount(0),
      hcurWaitCursorRestore(NULL), nMsgLast(0), hLockoutNotifyWindow(NULL), pSheetBeingCreated(NULL),
      pfnFilterToolTipMessage(NULL), pToolTip(NULL), nLastHit(-1), pfnForgetToolTipWindow(NULL),
      pfnTermToolTips(NULL)
{
    memset(&lastSentMsg, 0, sizeof(lastSentMsg));
    memset(&msgLastMouse, 0, sizeof(msgLastMouse));
    memset(&lastInfo, 0, sizeof(lastInfo));
    memset(msgCache, 0, sizeof(msgCache));
}

AFX_THREAD_STATE::~AFX_THREAD_STATE()
{
    // Temporaries of every kind first, as a temporary may hold another kind's temporary.
    DeleteTempMaps();
    for (size_t i = 0; i < m_handleMaps.size(); i++)
        delete m_handleMaps[i];
}

void AFX_THREAD_STATE::DeleteTempMaps()
{
    for (size_t i = 0; i < m_handleMaps.size(); i++)
        m_handleMaps[i]->DeleteTemp();
}

void AFX_THREAD_STATE::DoWaitCursor(int nCode)
{
    HCURSOR hcurWait = ::LoadCursor(NULL, IDC_WAIT);
    nWaitCursorCount += nCode;
    if (nWaitCursorCount > 0)
    {
        HCURSOR hcurPrev = ::SetCursor(hcurWait);
        if (nCode > 0 && nWaitCursorCount == 1)
            hcurWaitCursorRestore = hcurPrev;
    }
    else
    {
        nWaitCursorCount = 0;
        ::SetCursor(hcurWaitCursorRestore);
    }
}

namespace
{

// Frees the thread's state when the thread ends. An object that outlives it (a static object
// destroyed after the main thread's state) gets a fresh state that is then never freed, rather
// than one already gone.
struct CThreadStateHolder
{
    AFX_THREAD_STATE* pState;
    ~CThreadStateHolder()
    {
        // Marked first: destructors run from here must not make this thread a new state here.
        bGone = true;
        AFX_THREAD_STATE* pOld = pState;
        pState = NULL;
        delete pOld;
    }
    static thread_local bool bGone;
};

thread_local bool CThreadStateHolder::bGone = false;
thread_local CThreadStateHolder t_holder = {NULL};
thread_local AFX_THREAD_STATE* t_pLateState = NULL;

} // namespace

AFX_THREAD_STATE* AFXAPI AfxGetThreadState()
{
    if (CThreadStateHolder::bGone)
    {
        if (t_pLateState == NULL)
            t_pLateState = new AFX_THREAD_STATE;
        return t_pLateState;
    }
    if (t_holder.pState == NULL)
        t_holder.pState = new AFX_THREAD_STATE;
    return t_holder.pState;
}
