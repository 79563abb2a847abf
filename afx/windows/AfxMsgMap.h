// Message maps: the static tables that route window messages, commands and notifications to
// member functions, and the macros that build them.
#ifndef VELMORA_AFXMSGMAP_H
#define VELMORA_AFXMSGMAP_H

#include <windows.h>
#include <commctrl.h>
#include <string.h>
#include "AfxTypes.h"

class CCmdTarget;
class CWnd;
class CCmdUI;

#define afx_msg
#define AFX_MSG_CALL

typedef void (AFX_MSG_CALL CCmdTarget::*AFX_PMSG)(void);
typedef void (AFX_MSG_CALL CWnd::*AFX_PMSGW)(void);

// A handler stored in a table keeps its exact representation; the dispatcher calls it back
// through the signature recorded beside it. Copying the bits avoids casts between member
// function types, which the compiler rightly distrusts.
template <class TSig> inline AFX_PMSG AfxPmsgFrom(TSig pfn)
{
    static_assert(sizeof(TSig) == sizeof(AFX_PMSG), "member function pointers differ in size");
    AFX_PMSG pmsg;
    memcpy(&pmsg, &pfn, sizeof(pmsg));
    return pmsg;
}

// What a handler's member function looks like: the dispatcher unpacks the message by it.
enum AfxSig
{
    AfxSig_end = 0,
    AfxSig_bD,        // BOOL (CDC*)
    AfxSig_bb,        // BOOL (BOOL)
    AfxSig_bWww,      // BOOL (CWnd*, UINT, UINT)
    AfxSig_hDWw,      // HBRUSH (CDC*, CWnd*, UINT)
    AfxSig_hDw,       // HBRUSH (CDC*, UINT)
    AfxSig_iwWw,      // int (UINT, CWnd*, UINT)
    AfxSig_iww,       // int (UINT, UINT)
    AfxSig_iWww,      // int (CWnd*, UINT, UINT)
    AfxSig_is,        // int (LPVOID)
    AfxSig_lwl,       // LRESULT (WPARAM, LPARAM)
    AfxSig_lwwM,      // LRESULT (UINT, UINT, CMenu*)
    AfxSig_vv,        // void (void)
    AfxSig_vw,        // void (UINT)
    AfxSig_vww,       // void (UINT, UINT)
    AfxSig_vvii,      // void (int, int)
    AfxSig_vwww,      // void (UINT, UINT, UINT)
    AfxSig_vwii,      // void (UINT, int, int)
    AfxSig_vwl,       // void (UINT, LPARAM)
    AfxSig_vbWW,      // void (BOOL, CWnd*, CWnd*)
    AfxSig_vD,        // void (CDC*)
    AfxSig_vM,        // void (CMenu*)
    AfxSig_vMwb,      // void (CMenu*, UINT, BOOL)
    AfxSig_vW,        // void (CWnd*)
    AfxSig_vWww,      // void (CWnd*, UINT, UINT)
    AfxSig_vWp,       // void (CWnd*, CPoint)
    AfxSig_vWh,       // void (CWnd*, HANDLE)
    AfxSig_vwW,       // void (UINT, CWnd*)
    AfxSig_vwWb,      // void (UINT, CWnd*, BOOL)
    AfxSig_vwwW,      // void (UINT, UINT, CWnd*)
    AfxSig_vwwx,      // void (UINT, UINT)  reflected scroll
    AfxSig_vs,        // void (LPVOID)
    AfxSig_vOWNER,    // void (int, LPVOID): owner-draw item messages
    AfxSig_iis,       // int (int, LPVOID)
    AfxSig_wp,        // UINT (CPoint)
    AfxSig_wv,        // UINT (void)
    AfxSig_vPOS,      // void (WINDOWPOS*)
    AfxSig_vCALC,     // void (BOOL, NCCALCSIZE_PARAMS*)
    AfxSig_vNMHDRpl,  // void (NMHDR*, LRESULT*)
    AfxSig_bNMHDRpl,  // BOOL (NMHDR*, LRESULT*)
    AfxSig_vwNMHDRpl, // void (UINT, NMHDR*, LRESULT*)
    AfxSig_bwNMHDRpl, // BOOL (UINT, NMHDR*, LRESULT*)
    AfxSig_bHELPINFO, // BOOL (HELPINFO*)
    AfxSig_vwSIZING,  // void (UINT, LPRECT)
    AfxSig_cmdui,     // void (CCmdUI*)
    AfxSig_cmduiw,    // void (CCmdUI*, UINT)
    AfxSig_vpv,       // void (void*)
    AfxSig_bpv,       // BOOL (void*)
    AfxSig_vbw,       // void (BOOL, UINT)
    AfxSig_vbh,       // void (BOOL, HTASK)
    AfxSig_vwwh,      // void (UINT, UINT, HMENU)
    AfxSig_vws,       // void (UINT, LPCTSTR)
    AfxSig_vs2,       // void (LPCTSTR)
    AfxSig_bwsp,      // BOOL (UINT, short, CPoint)
    AfxSig_vwp,       // void (UINT, CPoint)
    AfxSig_bv,        // BOOL (void)
    AfxSig_hv,        // HANDLE (void)
    AfxSig_bw,        // BOOL (UINT)
    AfxSig_vb,        // void (BOOL)
    AfxSig_vwl2,      // void (WPARAM, LPARAM) thread message
    AfxSig_iSS,       // void (int, LPSTYLESTRUCT)
    AfxSig_vHDROP,    // void (HDROP)
    AfxSig_bWCDS,     // BOOL (CWnd*, COPYDATASTRUCT*)
    AfxSig_bwl,       // BOOL (UINT, DWORD)
    AfxSig_vMINMAX,   // void (MINMAXINFO*)
};

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage; // window message, or WM_COMMAND / WM_NOTIFY for commands and notifications
    UINT nCode;    // control notification code or the command-UI marker
    UINT nID;      // first control or command id
    UINT nLastID;  // last id of a range (equal to nID for one id)
    UINT_PTR nSig; // AfxSig value; for registered messages the address of the message number
    AFX_PMSG pfn;  // the handler
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Control notifications come back to the control itself at this offset ("reflection").
#define WM_REFLECT_BASE 0xBC00
// The 16-bit colour message: every WM_CTLCOLORxxx is routed through it.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

// Command codes that are not control notifications.
#define CN_COMMAND           0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))
#define CN_EVENT             ((UINT)(-2))
#define CN_OLECOMMAND        ((UINT)(-3))
#define CN_OLE_UNREGISTER    ((UINT)(-4))

// clang-format off
#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() \
    { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
        (void)sizeof(ThisClass*); \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP() \
        {0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0}}; \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
        return &messageMap; \
    }

// Casts that check the handler against the signature its message needs.
#define AFX_PMSG_W(type, fn) AfxPmsgFrom<type>(static_cast<type>(fn))
// Handlers whose return or parameter type changed between framework versions: both accepted.
template <class T>
inline AFX_PMSG AfxPmsgHitTest(UINT (T::*pfn)(CPoint))
{
    return AfxPmsgFrom(static_cast<UINT (CWnd::*)(CPoint)>(pfn));
}
template <class T>
inline AFX_PMSG AfxPmsgHitTest(LRESULT (T::*pfn)(CPoint))
{
    return AfxPmsgFrom(static_cast<LRESULT (CWnd::*)(CPoint)>(pfn));
}
template <class T>
inline AFX_PMSG AfxPmsgActivateApp(void (T::*pfn)(BOOL, HTASK))
{
    return AfxPmsgFrom(static_cast<void (CWnd::*)(BOOL, HTASK)>(pfn));
}
template <class T>
inline AFX_PMSG AfxPmsgActivateApp(void (T::*pfn)(BOOL, DWORD))
{
    return AfxPmsgFrom(static_cast<void (CWnd::*)(BOOL, DWORD)>(pfn));
}

// Commands, controls and notifications
#define ON_COMMAND(id, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AfxSig_vv, static_cast<AFX_PMSG>(&ThisClass::memberFxn)},
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), AfxSig_vw, \
     AfxPmsgFrom(static_cast<void (AFX_MSG_CALL CCmdTarget::*)(UINT)>(&ThisClass::memberFxn))},
#define ON_COMMAND_EX(id, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AfxSig_bw, \
     AfxPmsgFrom(static_cast<BOOL (AFX_MSG_CALL CCmdTarget::*)(UINT)>(&ThisClass::memberFxn))},
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), AfxSig_bw, \
     AfxPmsgFrom(static_cast<BOOL (AFX_MSG_CALL CCmdTarget::*)(UINT)>(&ThisClass::memberFxn))},
#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
    {WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(id), AfxSig_cmdui, \
     AfxPmsgFrom(static_cast<void (AFX_MSG_CALL CCmdTarget::*)(CCmdUI*)>(&ThisClass::memberFxn))},
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn) \
    {WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(idLast), AfxSig_cmdui, \
     AfxPmsgFrom(static_cast<void (AFX_MSG_CALL CCmdTarget::*)(CCmdUI*)>(&ThisClass::memberFxn))},
#define ON_UPDATE_COMMAND_UI_REFLECT(memberFxn) \
    {WM_COMMAND + WM_REFLECT_BASE, (UINT)0xFFFF, 0, 0, AfxSig_cmdui, \
     AfxPmsgFrom(static_cast<void (AFX_MSG_CALL CCmdTarget::*)(CCmdUI*)>(&ThisClass::memberFxn))},
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    {WM_COMMAND, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id), AfxSig_vv, \
     static_cast<AFX_PMSG>(&ThisClass::memberFxn)},
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
    {WM_COMMAND, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(idLast), AfxSig_vw, \
     AfxPmsgFrom(static_cast<void (AFX_MSG_CALL CCmdTarget::*)(UINT)>(&ThisClass::memberFxn))},
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
    {WM_COMMAND + WM_REFLECT_BASE, (UINT)(WORD)(wNotifyCode), 0, 0, AfxSig_vv, \
     static_cast<AFX_PMSG>(&ThisClass::memberFxn)},
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) \
    {WM_COMMAND + WM_REFLECT_BASE, (UINT)(WORD)(wNotifyCode), 0, 0, AfxSig_bv, \
     AfxPmsgFrom(static_cast<BOOL (AFX_MSG_CALL CCmdTarget::*)(void)>(&ThisClass::memberFxn))},
#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
    {WM_NOTIFY, (UINT)(WORD)(int)(wNotifyCode), (UINT)(id), (UINT)(id), AfxSig_vNMHDRpl, \
     AfxPmsgFrom(static_cast<void (AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*)>(&ThisClass::memberFxn))},
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) \
    {WM_NOTIFY, (UINT)(WORD)(int)(wNotifyCode), (UINT)(id), (UINT)(idLast), AfxSig_vwNMHDRpl, \
     AfxPmsgFrom(static_cast<void (AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>( \
         &ThisClass::memberFxn))},
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) \
    {WM_NOTIFY, (UINT)(WORD)(int)(wNotifyCode), (UINT)(id), (UINT)(id), AfxSig_bwNMHDRpl, \
     AfxPmsgFrom(static_cast<BOOL (AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>( \
         &ThisClass::memberFxn))},
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn) \
    {WM_NOTIFY, (UINT)(WORD)(int)(wNotifyCode), (UINT)(id), (UINT)(idLast), AfxSig_bwNMHDRpl, \
     AfxPmsgFrom(static_cast<BOOL (AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>( \
         &ThisClass::memberFxn))},
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
    {WM_NOTIFY + WM_REFLECT_BASE, (UINT)(WORD)(int)(wNotifyCode), 0, 0, AfxSig_vNMHDRpl, \
     AfxPmsgFrom(static_cast<void (AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*)>(&ThisClass::memberFxn))},
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn) \
    {WM_NOTIFY + WM_REFLECT_BASE, (UINT)(WORD)(int)(wNotifyCode), 0, 0, AfxSig_bNMHDRpl, \
     AfxPmsgFrom(static_cast<BOOL (AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*)>(&ThisClass::memberFxn))},

// User-defined, registered and thread messages
#define ON_MESSAGE(message, memberFxn) \
    {(UINT)(message), 0, 0, 0, AfxSig_lwl, \
     AfxPmsgFrom(static_cast<LRESULT (AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM)>(&ThisClass::memberFxn))},
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
    {0xC000, 0, 0, 0, (UINT_PTR)(UINT*)(&nMessageVariable), \
     AfxPmsgFrom(static_cast<LRESULT (AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM)>(&ThisClass::memberFxn))},
#define ON_THREAD_MESSAGE(message, memberFxn) \
    {(UINT)(message), 0, 0, 0, AfxSig_vwl2, \
     AfxPmsgFrom(static_cast<void (AFX_MSG_CALL CCmdTarget::*)(WPARAM, LPARAM)>(&ThisClass::memberFxn))},
#define ON_REGISTERED_THREAD_MESSAGE(nMessageVariable, memberFxn) \
    {0xC000, 1, 0, 0, (UINT_PTR)(UINT*)(&nMessageVariable), \
     AfxPmsgFrom(static_cast<void (AFX_MSG_CALL CCmdTarget::*)(WPARAM, LPARAM)>(&ThisClass::memberFxn))},

// Button, edit, list box, combo box and static notifications
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_BN_PAINT(id, memberFxn) ON_CONTROL(BN_PAINT, id, memberFxn)
#define ON_BN_HILITE(id, memberFxn) ON_CONTROL(BN_HILITE, id, memberFxn)
#define ON_BN_UNHILITE(id, memberFxn) ON_CONTROL(BN_UNHILITE, id, memberFxn)
#define ON_BN_DISABLE(id, memberFxn) ON_CONTROL(BN_DISABLE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_ERRSPACE(id, memberFxn) ON_CONTROL(EN_ERRSPACE, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn) ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn) ON_CONTROL(EN_VSCROLL, id, memberFxn)
#define ON_LBN_ERRSPACE(id, memberFxn) ON_CONTROL(LBN_ERRSPACE, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_ERRSPACE(id, memberFxn) ON_CONTROL(CBN_ERRSPACE, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)
#define ON_STN_ENABLE(id, memberFxn) ON_CONTROL(STN_ENABLE, id, memberFxn)
#define ON_STN_DISABLE(id, memberFxn) ON_CONTROL(STN_DISABLE, id, memberFxn)

// Window messages
#define AFX_ON_WM(msg, sig, type, fn) {msg, 0, 0, 0, sig, AFX_PMSG_W(type, &ThisClass::fn)},
#define ON_WM_CREATE() AFX_ON_WM(WM_CREATE, AfxSig_is, int (AFX_MSG_CALL CWnd::*)(LPCREATESTRUCT), OnCreate)
#define ON_WM_NCCREATE() AFX_ON_WM(WM_NCCREATE, AfxSig_is, BOOL (AFX_MSG_CALL CWnd::*)(LPCREATESTRUCT), OnNcCreate)
#define ON_WM_DESTROY() AFX_ON_WM(WM_DESTROY, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), OnDestroy)
#define ON_WM_NCDESTROY() AFX_ON_WM(WM_NCDESTROY, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), OnNcDestroy)
#define ON_WM_MOVE() AFX_ON_WM(WM_MOVE, AfxSig_vvii, void (AFX_MSG_CALL CWnd::*)(int, int), OnMove)
#define ON_WM_MOVING() AFX_ON_WM(WM_MOVING, AfxSig_vwSIZING, void (AFX_MSG_CALL CWnd::*)(UINT, LPRECT), OnMoving)
#define ON_WM_SIZE() AFX_ON_WM(WM_SIZE, AfxSig_vwii, void (AFX_MSG_CALL CWnd::*)(UINT, int, int), OnSize)
#define ON_WM_SIZING() AFX_ON_WM(WM_SIZING, AfxSig_vwSIZING, void (AFX_MSG_CALL CWnd::*)(UINT, LPRECT), OnSizing)
#define ON_WM_ACTIVATE() AFX_ON_WM(WM_ACTIVATE, AfxSig_vwWb, void (AFX_MSG_CALL CWnd::*)(UINT, CWnd*, BOOL), OnActivate)
#define ON_WM_ACTIVATEAPP() \
    {WM_ACTIVATEAPP, 0, 0, 0, AfxSig_vbh, AfxPmsgActivateApp(&ThisClass::OnActivateApp)},
#define ON_WM_SETFOCUS() AFX_ON_WM(WM_SETFOCUS, AfxSig_vW, void (AFX_MSG_CALL CWnd::*)(CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_ON_WM(WM_KILLFOCUS, AfxSig_vW, void (AFX_MSG_CALL CWnd::*)(CWnd*), OnKillFocus)
#define ON_WM_ENABLE() AFX_ON_WM(WM_ENABLE, AfxSig_vb, void (AFX_MSG_CALL CWnd::*)(BOOL), OnEnable)
#define ON_WM_PAINT() AFX_ON_WM(WM_PAINT, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), OnPaint)
#define ON_WM_NCPAINT() AFX_ON_WM(WM_NCPAINT, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), OnNcPaint)
#define ON_WM_CLOSE() AFX_ON_WM(WM_CLOSE, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), OnClose)
#define ON_WM_QUERYENDSESSION() AFX_ON_WM(WM_QUERYENDSESSION, AfxSig_bv, BOOL (AFX_MSG_CALL CWnd::*)(void), OnQueryEndSession)
#define ON_WM_ENDSESSION() AFX_ON_WM(WM_ENDSESSION, AfxSig_vb, void (AFX_MSG_CALL CWnd::*)(BOOL), OnEndSession)
#define ON_WM_QUERYOPEN() AFX_ON_WM(WM_QUERYOPEN, AfxSig_bv, BOOL (AFX_MSG_CALL CWnd::*)(void), OnQueryOpen)
#define ON_WM_ERASEBKGND() AFX_ON_WM(WM_ERASEBKGND, AfxSig_bD, BOOL (AFX_MSG_CALL CWnd::*)(CDC*), OnEraseBkgnd)
#define ON_WM_ICONERASEBKGND() AFX_ON_WM(WM_ICONERASEBKGND, AfxSig_vD, void (AFX_MSG_CALL CWnd::*)(CDC*), OnIconEraseBkgnd)
#define ON_WM_SYSCOLORCHANGE() AFX_ON_WM(WM_SYSCOLORCHANGE, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), OnSysColorChange)
#define ON_WM_SHOWWINDOW() AFX_ON_WM(WM_SHOWWINDOW, AfxSig_vbw, void (AFX_MSG_CALL CWnd::*)(BOOL, UINT), OnShowWindow)
#define ON_WM_CTLCOLOR() AFX_ON_WM(WM_CTLCOLOR, AfxSig_hDWw, HBRUSH (AFX_MSG_CALL CWnd::*)(CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_SETTINGCHANGE() AFX_ON_WM(WM_SETTINGCHANGE, AfxSig_vws, void (AFX_MSG_CALL CWnd::*)(UINT, LPCTSTR), OnSettingChange)
#define ON_WM_WININICHANGE() AFX_ON_WM(WM_WININICHANGE, AfxSig_vs2, void (AFX_MSG_CALL CWnd::*)(LPCTSTR), OnWinIniChange)
#define ON_WM_DEVMODECHANGE() AFX_ON_WM(WM_DEVMODECHANGE, AfxSig_vs2, void (AFX_MSG_CALL CWnd::*)(LPTSTR), OnDevModeChange)
#define ON_WM_FONTCHANGE() AFX_ON_WM(WM_FONTCHANGE, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), OnFontChange)
#define ON_WM_TIMECHANGE() AFX_ON_WM(WM_TIMECHANGE, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), OnTimeChange)
#define ON_WM_SPOOLERSTATUS() AFX_ON_WM(WM_SPOOLERSTATUS, AfxSig_vww, void (AFX_MSG_CALL CWnd::*)(UINT, UINT), OnSpoolerStatus)
#define ON_WM_SETCURSOR() AFX_ON_WM(WM_SETCURSOR, AfxSig_bWww, BOOL (AFX_MSG_CALL CWnd::*)(CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_MOUSEACTIVATE() AFX_ON_WM(WM_MOUSEACTIVATE, AfxSig_iWww, int (AFX_MSG_CALL CWnd::*)(CWnd*, UINT, UINT), OnMouseActivate)
#define ON_WM_CHILDACTIVATE() AFX_ON_WM(WM_CHILDACTIVATE, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), OnChildActivate)
#define ON_WM_GETMINMAXINFO() AFX_ON_WM(WM_GETMINMAXINFO, AfxSig_vMINMAX, void (AFX_MSG_CALL CWnd::*)(MINMAXINFO*), OnGetMinMaxInfo)
#define ON_WM_ICONERASEBKGND_() /* unused */
#define ON_WM_DRAWITEM() AFX_ON_WM(WM_DRAWITEM, AfxSig_vOWNER, void (AFX_MSG_CALL CWnd::*)(int, LPDRAWITEMSTRUCT), OnDrawItem)
#define ON_WM_MEASUREITEM() AFX_ON_WM(WM_MEASUREITEM, AfxSig_vOWNER, void (AFX_MSG_CALL CWnd::*)(int, LPMEASUREITEMSTRUCT), OnMeasureItem)
#define ON_WM_DELETEITEM() AFX_ON_WM(WM_DELETEITEM, AfxSig_vOWNER, void (AFX_MSG_CALL CWnd::*)(int, LPDELETEITEMSTRUCT), OnDeleteItem)
#define ON_WM_COMPAREITEM() AFX_ON_WM(WM_COMPAREITEM, AfxSig_iis, int (AFX_MSG_CALL CWnd::*)(int, LPCOMPAREITEMSTRUCT), OnCompareItem)
#define ON_WM_CHARTOITEM() AFX_ON_WM(WM_CHARTOITEM, AfxSig_iwWw, int (AFX_MSG_CALL CWnd::*)(UINT, CListBox*, UINT), OnCharToItem)
#define ON_WM_VKEYTOITEM() AFX_ON_WM(WM_VKEYTOITEM, AfxSig_iwWw, int (AFX_MSG_CALL CWnd::*)(UINT, CListBox*, UINT), OnVKeyToItem)
#define ON_WM_QUERYDRAGICON() AFX_ON_WM(WM_QUERYDRAGICON, AfxSig_hv, HCURSOR (AFX_MSG_CALL CWnd::*)(void), OnQueryDragIcon)
#define ON_WM_WINDOWPOSCHANGING() AFX_ON_WM(WM_WINDOWPOSCHANGING, AfxSig_vPOS, void (AFX_MSG_CALL CWnd::*)(WINDOWPOS*), OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED() AFX_ON_WM(WM_WINDOWPOSCHANGED, AfxSig_vPOS, void (AFX_MSG_CALL CWnd::*)(WINDOWPOS*), OnWindowPosChanged)
#define ON_WM_CONTEXTMENU() AFX_ON_WM(WM_CONTEXTMENU, AfxSig_vWp, void (AFX_MSG_CALL CWnd::*)(CWnd*, CPoint), OnContextMenu)
#define ON_WM_STYLECHANGED() AFX_ON_WM(WM_STYLECHANGED, AfxSig_iSS, void (AFX_MSG_CALL CWnd::*)(int, LPSTYLESTRUCT), OnStyleChanged)
#define ON_WM_STYLECHANGING() AFX_ON_WM(WM_STYLECHANGING, AfxSig_iSS, void (AFX_MSG_CALL CWnd::*)(int, LPSTYLESTRUCT), OnStyleChanging)
#define ON_WM_NCCALCSIZE() AFX_ON_WM(WM_NCCALCSIZE, AfxSig_vCALC, void (AFX_MSG_CALL CWnd::*)(BOOL, NCCALCSIZE_PARAMS*), OnNcCalcSize)
#define ON_WM_NCHITTEST() \
    {WM_NCHITTEST, 0, 0, 0, AfxSig_wp, AfxPmsgHitTest(&ThisClass::OnNcHitTest)},
#define ON_WM_NCACTIVATE() AFX_ON_WM(WM_NCACTIVATE, AfxSig_bb, BOOL (AFX_MSG_CALL CWnd::*)(BOOL), OnNcActivate)
#define ON_WM_GETDLGCODE() AFX_ON_WM(WM_GETDLGCODE, AfxSig_wv, UINT (AFX_MSG_CALL CWnd::*)(void), OnGetDlgCode)
#define ON_WM_NCMOUSEMOVE() AFX_ON_WM(WM_NCMOUSEMOVE, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnNcMouseMove)
#define ON_WM_NCLBUTTONDOWN() AFX_ON_WM(WM_NCLBUTTONDOWN, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_ON_WM(WM_NCLBUTTONUP, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_ON_WM(WM_NCLBUTTONDBLCLK, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() AFX_ON_WM(WM_NCRBUTTONDOWN, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnNcRButtonDown)
#define ON_WM_NCRBUTTONUP() AFX_ON_WM(WM_NCRBUTTONUP, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnNcRButtonUp)
#define ON_WM_NCRBUTTONDBLCLK() AFX_ON_WM(WM_NCRBUTTONDBLCLK, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnNcRButtonDblClk)
#define ON_WM_NCMBUTTONDOWN() AFX_ON_WM(WM_NCMBUTTONDOWN, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnNcMButtonDown)
#define ON_WM_NCMBUTTONUP() AFX_ON_WM(WM_NCMBUTTONUP, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnNcMButtonUp)
#define ON_WM_NCMBUTTONDBLCLK() AFX_ON_WM(WM_NCMBUTTONDBLCLK, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnNcMButtonDblClk)
#define ON_WM_KEYDOWN() AFX_ON_WM(WM_KEYDOWN, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), OnKeyDown)
#define ON_WM_KEYUP() AFX_ON_WM(WM_KEYUP, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), OnKeyUp)
#define ON_WM_CHAR() AFX_ON_WM(WM_CHAR, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), OnChar)
#define ON_WM_DEADCHAR() AFX_ON_WM(WM_DEADCHAR, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), OnDeadChar)
#define ON_WM_SYSKEYDOWN() AFX_ON_WM(WM_SYSKEYDOWN, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_ON_WM(WM_SYSKEYUP, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), OnSysKeyUp)
#define ON_WM_SYSCHAR() AFX_ON_WM(WM_SYSCHAR, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), OnSysChar)
#define ON_WM_SYSDEADCHAR() AFX_ON_WM(WM_SYSDEADCHAR, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), OnSysDeadChar)
#define ON_WM_SYSCOMMAND() AFX_ON_WM(WM_SYSCOMMAND, AfxSig_vwl, void (AFX_MSG_CALL CWnd::*)(UINT, LPARAM), OnSysCommand)
#define ON_WM_TIMER() AFX_ON_WM(WM_TIMER, AfxSig_vw, void (AFX_MSG_CALL CWnd::*)(UINT_PTR), OnTimer)
#define ON_WM_HSCROLL() AFX_ON_WM(WM_HSCROLL, AfxSig_vwwW, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, CScrollBar*), OnHScroll)
#define ON_WM_VSCROLL() AFX_ON_WM(WM_VSCROLL, AfxSig_vwwW, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, CScrollBar*), OnVScroll)
#define ON_WM_INITMENU() AFX_ON_WM(WM_INITMENU, AfxSig_vM, void (AFX_MSG_CALL CWnd::*)(CMenu*), OnInitMenu)
#define ON_WM_INITMENUPOPUP() AFX_ON_WM(WM_INITMENUPOPUP, AfxSig_vMwb, void (AFX_MSG_CALL CWnd::*)(CMenu*, UINT, BOOL), OnInitMenuPopup)
#define ON_WM_MENUSELECT() AFX_ON_WM(WM_MENUSELECT, AfxSig_vwwh, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, HMENU), OnMenuSelect)
#define ON_WM_MENUCHAR() AFX_ON_WM(WM_MENUCHAR, AfxSig_lwwM, LRESULT (AFX_MSG_CALL CWnd::*)(UINT, UINT, CMenu*), OnMenuChar)
#define ON_WM_ENTERIDLE() AFX_ON_WM(WM_ENTERIDLE, AfxSig_vwW, void (AFX_MSG_CALL CWnd::*)(UINT, CWnd*), OnEnterIdle)
#define ON_WM_ENTERMENULOOP() AFX_ON_WM(WM_ENTERMENULOOP, AfxSig_vb, void (AFX_MSG_CALL CWnd::*)(BOOL), OnEnterMenuLoop)
#define ON_WM_EXITMENULOOP() AFX_ON_WM(WM_EXITMENULOOP, AfxSig_vb, void (AFX_MSG_CALL CWnd::*)(BOOL), OnExitMenuLoop)
#define ON_WM_MOUSEMOVE() AFX_ON_WM(WM_MOUSEMOVE, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnMouseMove)
#define ON_WM_MOUSEWHEEL() AFX_ON_WM(WM_MOUSEWHEEL, AfxSig_bwsp, BOOL (AFX_MSG_CALL CWnd::*)(UINT, short, CPoint), OnMouseWheel)
#define ON_WM_MOUSELEAVE() AFX_ON_WM(WM_MOUSELEAVE, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), OnMouseLeave)
#define ON_WM_LBUTTONDOWN() AFX_ON_WM(WM_LBUTTONDOWN, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_ON_WM(WM_LBUTTONUP, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_ON_WM(WM_LBUTTONDBLCLK, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_ON_WM(WM_RBUTTONDOWN, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_ON_WM(WM_RBUTTONUP, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_ON_WM(WM_RBUTTONDBLCLK, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_ON_WM(WM_MBUTTONDOWN, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_ON_WM(WM_MBUTTONUP, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK() AFX_ON_WM(WM_MBUTTONDBLCLK, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnMButtonDblClk)
#define ON_WM_PARENTNOTIFY() AFX_ON_WM(WM_PARENTNOTIFY, AfxSig_vwl, void (AFX_MSG_CALL CWnd::*)(UINT, LPARAM), OnParentNotify)
#define ON_WM_CAPTURECHANGED() AFX_ON_WM(WM_CAPTURECHANGED, AfxSig_vW, void (AFX_MSG_CALL CWnd::*)(CWnd*), OnCaptureChanged)
#define ON_WM_CANCELMODE() AFX_ON_WM(WM_CANCELMODE, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), OnCancelMode)
#define ON_WM_HELPINFO() AFX_ON_WM(WM_HELP, AfxSig_bHELPINFO, BOOL (AFX_MSG_CALL CWnd::*)(HELPINFO*), OnHelpInfo)
#define ON_WM_DROPFILES() AFX_ON_WM(WM_DROPFILES, AfxSig_vHDROP, void (AFX_MSG_CALL CWnd::*)(HDROP), OnDropFiles)
#define ON_WM_PALETTECHANGED() AFX_ON_WM(WM_PALETTECHANGED, AfxSig_vW, void (AFX_MSG_CALL CWnd::*)(CWnd*), OnPaletteChanged)
#define ON_WM_PALETTEISCHANGING() AFX_ON_WM(WM_PALETTEISCHANGING, AfxSig_vW, void (AFX_MSG_CALL CWnd::*)(CWnd*), OnPaletteIsChanging)
#define ON_WM_QUERYNEWPALETTE() AFX_ON_WM(WM_QUERYNEWPALETTE, AfxSig_bv, BOOL (AFX_MSG_CALL CWnd::*)(void), OnQueryNewPalette)
#define ON_WM_COPYDATA() AFX_ON_WM(WM_COPYDATA, AfxSig_bWCDS, BOOL (AFX_MSG_CALL CWnd::*)(CWnd*, COPYDATASTRUCT*), OnCopyData)
#define ON_WM_DEVICECHANGE() AFX_ON_WM(WM_DEVICECHANGE, AfxSig_bwl, BOOL (AFX_MSG_CALL CWnd::*)(UINT, DWORD_PTR), OnDeviceChange)
#define ON_WM_SETTEXT_() /* unused */

// Messages reflected back to the control that sent them
#define ON_WM_CTLCOLOR_REFLECT() \
    {WM_CTLCOLOR + WM_REFLECT_BASE, 0, 0, 0, AfxSig_hDw, AFX_PMSG_W(HBRUSH (AFX_MSG_CALL CWnd::*)(CDC*, UINT), &ThisClass::CtlColor)},
#define ON_WM_DRAWITEM_REFLECT() \
    {WM_DRAWITEM + WM_REFLECT_BASE, 0, 0, 0, AfxSig_vs, AFX_PMSG_W(void (AFX_MSG_CALL CWnd::*)(LPDRAWITEMSTRUCT), &ThisClass::DrawItem)},
#define ON_WM_MEASUREITEM_REFLECT() \
    {WM_MEASUREITEM + WM_REFLECT_BASE, 0, 0, 0, AfxSig_vs, AFX_PMSG_W(void (AFX_MSG_CALL CWnd::*)(LPMEASUREITEMSTRUCT), &ThisClass::MeasureItem)},
#define ON_WM_DELETEITEM_REFLECT() \
    {WM_DELETEITEM + WM_REFLECT_BASE, 0, 0, 0, AfxSig_vs, AFX_PMSG_W(void (AFX_MSG_CALL CWnd::*)(LPDELETEITEMSTRUCT), &ThisClass::DeleteItem)},
#define ON_WM_COMPAREITEM_REFLECT() \
    {WM_COMPAREITEM + WM_REFLECT_BASE, 0, 0, 0, AfxSig_is, AFX_PMSG_W(int (AFX_MSG_CALL CWnd::*)(LPCOMPAREITEMSTRUCT), &ThisClass::CompareItem)},
#define ON_WM_CHARTOITEM_REFLECT() \
    {WM_CHARTOITEM + WM_REFLECT_BASE, 0, 0, 0, AfxSig_iww, AFX_PMSG_W(int (AFX_MSG_CALL CWnd::*)(UINT, UINT), &ThisClass::CharToItem)},
#define ON_WM_VKEYTOITEM_REFLECT() \
    {WM_VKEYTOITEM + WM_REFLECT_BASE, 0, 0, 0, AfxSig_iww, AFX_PMSG_W(int (AFX_MSG_CALL CWnd::*)(UINT, UINT), &ThisClass::VKeyToItem)},
#define ON_WM_HSCROLL_REFLECT() \
    {WM_HSCROLL + WM_REFLECT_BASE, 0, 0, 0, AfxSig_vwwx, AFX_PMSG_W(void (AFX_MSG_CALL CWnd::*)(UINT, UINT), &ThisClass::HScroll)},
#define ON_WM_VSCROLL_REFLECT() \
    {WM_VSCROLL + WM_REFLECT_BASE, 0, 0, 0, AfxSig_vwwx, AFX_PMSG_W(void (AFX_MSG_CALL CWnd::*)(UINT, UINT), &ThisClass::VScroll)},
#define ON_WM_PARENTNOTIFY_REFLECT() \
    {WM_PARENTNOTIFY + WM_REFLECT_BASE, 0, 0, 0, AfxSig_vwl, AFX_PMSG_W(void (AFX_MSG_CALL CWnd::*)(UINT, LPARAM), &ThisClass::ParentNotify)},

// clang-format on

// The colour message as reflected to a control.
struct AFX_CTLCOLOR
{
    HWND hWnd;
    HDC hDC;
    UINT nCtlType;
};

// WM_NOTIFY as routed through OnCmdMsg.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

#endif // VELMORA_AFXMSGMAP_H
