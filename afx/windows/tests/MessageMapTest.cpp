// Message maps on real windows: dispatch to the most derived handler, fall-through to the base,
// messages from WM_NCCREATE on, registered messages, reflection to controls, command-UI, and
// exceptions escaping handlers.
#include "WindowTestApp.h"
#include "WindowTestIds.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
const UINT WM_TEST_BOTH = WM_APP + 1;
const UINT WM_TEST_BASE = WM_APP + 2;
const UINT WM_TEST_NONE = WM_APP + 3;
const UINT WM_TEST_THROW = WM_APP + 4;
const UINT WM_TEST_THROW_OTHER = WM_APP + 5;
UINT WM_TEST_REGISTERED = ::RegisterWindowMessageA("VelmoraWindowTestMessage");

class CBaseTestWnd : public CWnd
{
public:
    std::vector<std::string> m_log;
    afx_msg LRESULT OnBoth(WPARAM wParam, LPARAM)
    {
        m_log.push_back("base-both");
        return 100 + (LRESULT)wParam;
    }
    afx_msg LRESULT OnBaseOnly(WPARAM wParam, LPARAM)
    {
        m_log.push_back("base-only");
        return 200 + (LRESULT)wParam;
    }
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpcs)
    {
        m_log.push_back("nccreate");
        return CWnd::OnNcCreate(lpcs);
    }
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        m_log.push_back("create");
        return CWnd::OnCreate(lpcs);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTestWnd, CWnd)
ON_WM_NCCREATE()
ON_WM_CREATE()
ON_MESSAGE(WM_TEST_BOTH, OnBoth)
ON_MESSAGE(WM_TEST_BASE, OnBaseOnly)
END_MESSAGE_MAP()

class CDerivedTestWnd : public CBaseTestWnd
{
public:
    int m_cx = -1, m_cy = -1;
    afx_msg LRESULT OnBothDerived(WPARAM wParam, LPARAM)
    {
        m_log.push_back("derived-both");
        return 300 + (LRESULT)wParam;
    }
    afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM lParam) { return (LRESULT)(wParam + lParam); }
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        m_cx = cx;
        m_cy = cy;
        CWnd::OnSize(nType, cx, cy);
    }
    afx_msg LRESULT OnThrow(WPARAM, LPARAM)
    {
        m_log.push_back("throwing");
        AfxThrowFileException(CFileException::fileNotFound, -1, "C:\\nowhere\\missing.dat");
        return 0;
    }
    afx_msg LRESULT OnThrowOther(WPARAM, LPARAM) { throw 42; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedTestWnd, CBaseTestWnd)
ON_MESSAGE(WM_TEST_BOTH, OnBothDerived)
ON_REGISTERED_MESSAGE(WM_TEST_REGISTERED, OnRegistered)
ON_WM_SIZE()
ON_MESSAGE(WM_TEST_THROW, OnThrow)
ON_MESSAGE(WM_TEST_THROW_OTHER, OnThrowOther)
END_MESSAGE_MAP()

class CFailCreateWnd : public CWnd
{
public:
    BOOL m_bPostNcDestroy = FALSE;
    afx_msg int OnCreate(LPCREATESTRUCT)
    {
        AfxThrowMemoryException();
        return 0;
    }
    virtual void PostNcDestroy() { m_bPostNcDestroy = TRUE; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFailCreateWnd, CWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

struct DispatchCase
{
    UINT message;
    WPARAM wParam;
    LRESULT expected;
    const char* handler; // NULL when no handler runs
};

TEST(MessageMap, MostDerivedHandlerWinsAndBaseEntriesStillReachable)
{
    CDerivedTestWnd wnd;
    ASSERT_TRUE(
        wnd.CreateEx(0, AfxRegisterWndClass(0), "dispatch", WS_OVERLAPPED, 0, 0, 100, 80, NULL, NULL));

    // The object is attached from the first message the window receives.
    ASSERT_GE(wnd.m_log.size(), 2u);
    EXPECT_EQ("nccreate", wnd.m_log[0]);
    EXPECT_EQ("create", wnd.m_log[1]);
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));

    const DispatchCase cases[] = {
        {WM_TEST_BOTH, 1, 301, "derived-both"},
        {WM_TEST_BASE, 2, 202, "base-only"},
        {WM_TEST_NONE, 3, 0, NULL},
    };
    for (const DispatchCase& c : cases)
    {
        wnd.m_log.clear();
        EXPECT_EQ(c.expected, wnd.SendMessage(c.message, c.wParam, 0)) << c.message;
        if (c.handler == NULL)
            EXPECT_TRUE(wnd.m_log.empty()) << c.message;
        else
            EXPECT_EQ(std::vector<std::string>{c.handler}, wnd.m_log) << c.message;
    }

    EXPECT_EQ(12, wnd.SendMessage(WM_TEST_REGISTERED, 5, 7));
    wnd.SetWindowPos(NULL, 0, 0, 150, 120, SWP_NOMOVE | SWP_NOZORDER);
    CRect rcClient;
    wnd.GetClientRect(&rcClient);
    EXPECT_EQ(rcClient.Width(), wnd.m_cx);
    EXPECT_EQ(rcClient.Height(), wnd.m_cy);

    HWND hWnd = wnd.m_hWnd;
    wnd.DestroyWindow();
    EXPECT_EQ(NULL, wnd.m_hWnd);
    EXPECT_EQ(NULL, CWnd::FromHandlePermanent(hWnd));
}

TEST(MessageMap, ExceptionInHandlerIsReportedAndSurvived)
{
    CDerivedTestWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "throws", WS_OVERLAPPED, 0, 0, 100, 80, NULL, NULL));
    theTestApp.m_messages.clear();

    EXPECT_EQ(0, wnd.SendMessage(WM_TEST_THROW));
    ASSERT_EQ(1u, theTestApp.m_messages.size());
    EXPECT_NE(std::string::npos, theTestApp.m_messages[0].find("missing.dat")) << theTestApp.m_messages[0];

    // Any other C++ exception is caught the same way.
    EXPECT_EQ(0, wnd.SendMessage(WM_TEST_THROW_OTHER));
    EXPECT_EQ(2u, theTestApp.m_messages.size());

    // The window still works afterwards.
    EXPECT_EQ(301, wnd.SendMessage(WM_TEST_BOTH, 1));
    wnd.DestroyWindow();
}

TEST(MessageMap, ExceptionInOnCreateFailsTheCreation)
{
    CFailCreateWnd wnd;
    theTestApp.m_messages.clear();
    EXPECT_FALSE(wnd.CreateEx(0, AfxRegisterWndClass(0), "fails", WS_OVERLAPPED, 0, 0, 50, 50, NULL, NULL));
    EXPECT_EQ(NULL, wnd.m_hWnd);
    EXPECT_TRUE(wnd.m_bPostNcDestroy);
    EXPECT_EQ(1u, theTestApp.m_messages.size());
}

// Reflection: a control handles its own notifications before its parent sees them.

class CReflectButton : public CWnd
{
public:
    int m_nClicks = 0;
    int m_nNotifies = 0;
    CBrush* m_pBrush = NULL;
    afx_msg void OnReflectedClick() { m_nClicks++; }
    afx_msg void OnReflectedNotify(NMHDR*, LRESULT* pResult)
    {
        m_nNotifies++;
        *pResult = 77;
    }
    int m_nDrawn = 0;
    UINT m_nMeasuredHeight = 0;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) { m_nDrawn += (int)lpDIS->itemID; }
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
    {
        lpMIS->itemHeight = 33;
        m_nMeasuredHeight = 33;
    }
    afx_msg HBRUSH CtlColor(CDC*, UINT)
    {
        return m_pBrush != NULL ? (HBRUSH)m_pBrush->GetSafeHandle() : NULL;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectButton, CWnd)
ON_CONTROL_REFLECT(BN_CLICKED, OnReflectedClick)
ON_NOTIFY_REFLECT(NM_CLICK, OnReflectedNotify)
ON_WM_CTLCOLOR_REFLECT()
ON_WM_DRAWITEM_REFLECT()
ON_WM_MEASUREITEM_REFLECT()
END_MESSAGE_MAP()

class CReflectParent : public CWnd
{
public:
    int m_nParentClicks = 0;
    int m_nParentNotifies = 0;
    afx_msg void OnClicked() { m_nParentClicks++; }
    afx_msg void OnNotifyClick(NMHDR*, LRESULT* pResult)
    {
        m_nParentNotifies++;
        *pResult = 5;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectParent, CWnd)
ON_BN_CLICKED(201, OnClicked)
ON_BN_CLICKED(202, OnClicked)
ON_NOTIFY(NM_CLICK, 201, OnNotifyClick)
ON_NOTIFY(NM_CLICK, 202, OnNotifyClick)
END_MESSAGE_MAP()

TEST(MessageMap, NotificationsAreReflectedToTheControl)
{
    CReflectParent parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                NULL, NULL));
    CReflectButton reflecting;
    ASSERT_TRUE(reflecting.Create("BUTTON", "r", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 50, 20),
                                  &parent, 201));
    HWND hPlain = ::CreateWindowA("BUTTON", "p", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 60, 0, 50, 20,
                                  parent.m_hWnd, (HMENU)202, ::GetModuleHandle(NULL), NULL);
    ASSERT_TRUE(hPlain != NULL);

    // A click on each button: the subclassed one keeps its notification, the plain one's goes up.
    reflecting.SendMessage(BM_CLICK);
    ::SendMessage(hPlain, BM_CLICK, 0, 0);
    EXPECT_EQ(1, reflecting.m_nClicks);
    EXPECT_EQ(1, parent.m_nParentClicks);

    NMHDR nm = {reflecting.m_hWnd, 201, (UINT)NM_CLICK};
    EXPECT_EQ(77, parent.SendMessage(WM_NOTIFY, 201, (LPARAM)&nm));
    NMHDR nmPlain = {hPlain, 202, (UINT)NM_CLICK};
    EXPECT_EQ(5, parent.SendMessage(WM_NOTIFY, 202, (LPARAM)&nmPlain));
    EXPECT_EQ(1, reflecting.m_nNotifies);
    EXPECT_EQ(1, parent.m_nParentNotifies);

    // Colours: the control's brush when it gives one, the default handling otherwise.
    CBrush brush;
    brush.CreateSolidBrush(RGB(1, 2, 3));
    reflecting.m_pBrush = &brush;
    HDC hDC = ::GetDC(reflecting.m_hWnd);
    EXPECT_EQ((LRESULT)brush.GetSafeHandle(),
              parent.SendMessage(WM_CTLCOLORBTN, (WPARAM)hDC, (LPARAM)reflecting.m_hWnd));
    reflecting.m_pBrush = NULL;
    EXPECT_NE((LRESULT)brush.GetSafeHandle(),
              parent.SendMessage(WM_CTLCOLORBTN, (WPARAM)hDC, (LPARAM)reflecting.m_hWnd));
    ::ReleaseDC(reflecting.m_hWnd, hDC);

    // Owner-draw messages go to the control that is drawn.
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = 201;
    dis.itemID = 4;
    dis.hwndItem = reflecting.m_hWnd;
    EXPECT_EQ(TRUE, parent.SendMessage(WM_DRAWITEM, 201, (LPARAM)&dis));
    EXPECT_EQ(4, reflecting.m_nDrawn);
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_BUTTON;
    mis.CtlID = 201;
    parent.SendMessage(WM_MEASUREITEM, 201, (LPARAM)&mis);
    EXPECT_EQ(33u, mis.itemHeight);

    parent.DestroyWindow();
    EXPECT_EQ(NULL, reflecting.m_hWnd); // children go with their parent
}

TEST(MessageMap, SubclassAndUnsubclassRestoreTheWindowProcedure)
{
    HWND hWnd =
        ::CreateWindowA("BUTTON", "b", WS_POPUP, 0, 0, 10, 10, NULL, NULL, ::GetModuleHandle(NULL), NULL);
    WNDPROC original = (WNDPROC)::GetWindowLongPtr(hWnd, GWLP_WNDPROC);
    CWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(hWnd));
    EXPECT_EQ((WNDPROC)AfxWndProc, (WNDPROC)::GetWindowLongPtr(hWnd, GWLP_WNDPROC));
    CWnd other;
    EXPECT_FALSE(other.SubclassWindow(hWnd)); // one object per window
    EXPECT_EQ(hWnd, wnd.UnsubclassWindow());
    EXPECT_EQ(original, (WNDPROC)::GetWindowLongPtr(hWnd, GWLP_WNDPROC));
    EXPECT_EQ(NULL, CWnd::FromHandlePermanent(hWnd));

    // A foreign window gets a temporary object, the same one until the idle clean-up.
    CWnd* pTemp = CWnd::FromHandle(hWnd);
    ASSERT_TRUE(pTemp != NULL);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hWnd));
    EXPECT_EQ(hWnd, pTemp->GetSafeHwnd());
    CWnd::DeleteTempMap();
    EXPECT_TRUE(::IsWindow(hWnd)); // cleaning temporary objects never destroys windows
    ::DestroyWindow(hWnd);
    CWnd* volatile pNone = NULL;
    EXPECT_EQ(NULL, pNone->GetSafeHwnd()); // as callers of the framework rely on
}

// Menus of a frame: each item is enabled, checked or renamed by its update handler before the
// menu opens; items without any handler are disabled.

class CMenuFrame : public CFrameWnd
{
public:
    BOOL* m_pDestroyed = NULL;
    afx_msg void OnHandled() {}
    afx_msg void OnUpdateChecked(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    afx_msg void OnUpdateRenamed(CCmdUI* pCmdUI) { pCmdUI->SetText("Renamed"); }
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs)
    {
        cs.dwExStyle |= WS_EX_TOOLWINDOW;
        return CFrameWnd::PreCreateWindow(cs);
    }
    virtual void PostNcDestroy()
    {
        *m_pDestroyed = TRUE;
        CFrameWnd::PostNcDestroy(); // deletes the frame
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuFrame, CFrameWnd)
ON_COMMAND(0x8201, OnHandled)
ON_COMMAND(0x8202, OnHandled)
ON_UPDATE_COMMAND_UI(0x8202, OnUpdateChecked)
ON_UPDATE_COMMAND_UI(0x8203, OnUpdateRenamed)
ON_UPDATE_COMMAND_UI(0x8204, OnUpdateDisabled)
END_MESSAGE_MAP()

TEST(CommandRouting, FrameMenusAreUpdatedBeforeTheyOpen)
{
    BOOL bDestroyed = FALSE;
    CMenuFrame* pFrame = new CMenuFrame;
    pFrame->m_pDestroyed = &bDestroyed;
    ASSERT_TRUE(pFrame->Create(NULL, "menus"));
    EXPECT_TRUE(pFrame->GetExStyle() & WS_EX_TOOLWINDOW); // PreCreateWindow had its say

    HMENU hPopup = ::CreatePopupMenu();
    const UINT ids[] = {0x8201, 0x8202, 0x8203, 0x8204, 0x8205};
    for (UINT nID : ids)
        ::AppendMenuA(hPopup, MF_STRING, nID, "item");
    pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)hPopup, MAKELPARAM(0, FALSE));

    const struct
    {
        UINT nID;
        BOOL bEnabled;
        BOOL bChecked;
        const char* text;
    } states[] = {
        {0x8201, TRUE, FALSE, "item"},     // a handler and nothing else
        {0x8202, TRUE, TRUE, "item"},      // checked by its update handler
        {0x8203, FALSE, FALSE, "Renamed"}, // renamed, but with no command handler: disabled
        {0x8204, FALSE, FALSE, "item"},    // disabled by its update handler
        {0x8205, FALSE, FALSE, "item"},    // no handler at all
    };
    for (const auto& st : states)
    {
        UINT nState = ::GetMenuState(hPopup, st.nID, MF_BYCOMMAND);
        EXPECT_EQ(st.bEnabled, !(nState & MF_GRAYED)) << st.nID;
        EXPECT_EQ(st.bChecked, (nState & MF_CHECKED) != 0) << st.nID;
        char szText[32] = "";
        ::GetMenuStringA(hPopup, st.nID, szText, sizeof(szText), MF_BYCOMMAND);
        EXPECT_STREQ(st.text, szText) << st.nID;
    }
    ::DestroyMenu(hPopup);

    pFrame->SendMessage(WM_CLOSE);
    EXPECT_TRUE(bDestroyed);
}

// Command routing for dialogs: the dialog, its owner, then the application.

class COwnerWnd : public CWnd
{
public:
    std::vector<std::string>* m_pRoute = NULL;
    afx_msg void OnOwnerCmd() { m_pRoute->push_back("owner"); }
    afx_msg void OnSharedCmd() { m_pRoute->push_back("owner-shared"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerWnd, CWnd)
ON_COMMAND(ID_TEST_OWNER_CMD, OnOwnerCmd)
ON_COMMAND(ID_TEST_SHARED_CMD, OnSharedCmd)
END_MESSAGE_MAP()

class CCommandDlg : public CDialog
{
public:
    std::vector<std::string>* m_pRoute = NULL;
    CCommandDlg(CWnd* pParent) : CDialog(IDD_TEST_CMD, pParent) {}
    afx_msg void OnDialogCmd() { m_pRoute->push_back("dialog"); }
    afx_msg void OnHandled() { m_pRoute->push_back("handled"); }
    afx_msg void OnUpdateUpdated(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnUpdateHandled(CCmdUI* pCmdUI) { pCmdUI->SetText("Renamed"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandDlg, CDialog)
ON_COMMAND(ID_TEST_DIALOG_CMD, OnDialogCmd)
ON_BN_CLICKED(IDC_TEST_HANDLED, OnHandled)
ON_UPDATE_COMMAND_UI(IDC_TEST_UPDATED, OnUpdateUpdated)
ON_UPDATE_COMMAND_UI(IDC_TEST_HANDLED, OnUpdateHandled)
END_MESSAGE_MAP()

struct RouteCase
{
    UINT nID;
    const char* expected; // the one handler that runs, or "" for none
};

TEST(CommandRouting, DialogThenOwnerThenApplication)
{
    std::vector<std::string> route;
    COwnerWnd owner;
    owner.m_pRoute = &route;
    ASSERT_TRUE(
        owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, NULL, NULL));
    CCommandDlg dlg(&owner);
    dlg.m_pRoute = &route;
    ASSERT_TRUE(dlg.Create(IDD_TEST_CMD, &owner));
    theTestApp.m_pRoute = &route;

    const RouteCase cases[] = {
        {ID_TEST_DIALOG_CMD, "dialog"},
        {ID_TEST_OWNER_CMD, "owner"},
        {ID_TEST_APP_CMD, "app"},
        {ID_TEST_SHARED_CMD, "owner-shared"}, // the owner comes before the application
        {ID_TEST_NOBODY_CMD, ""},
        {ID_TEST_DISABLED_CMD, ""}, // disabled by its update handler: never runs
    };
    for (const RouteCase& c : cases)
    {
        route.clear();
        dlg.SendMessage(WM_COMMAND, c.nID, 0);
        if (*c.expected == '\0')
            EXPECT_TRUE(route.empty()) << c.nID;
        else
            EXPECT_EQ(std::vector<std::string>{c.expected}, route) << c.nID;
    }

    // Asking for a handler names its object without running it.
    const struct
    {
        UINT nID;
        CCmdTarget* pTarget;
    } handlers[] = {
        {ID_TEST_DIALOG_CMD, &dlg},
        {ID_TEST_OWNER_CMD, &owner},
        {ID_TEST_APP_CMD, &theTestApp},
        {ID_TEST_NOBODY_CMD, NULL},
    };
    route.clear();
    for (const auto& h : handlers)
    {
        AFX_CMDHANDLERINFO info = {NULL, NULL};
        BOOL bFound = dlg.OnCmdMsg(h.nID, CN_COMMAND, NULL, &info);
        EXPECT_EQ(h.pTarget != NULL, bFound != FALSE) << h.nID;
        EXPECT_EQ(h.pTarget, info.pTarget) << h.nID;
    }
    EXPECT_TRUE(route.empty());

    theTestApp.m_pRoute = NULL;
    dlg.DestroyWindow();
    owner.DestroyWindow();
}

TEST(CommandRouting, UpdateDialogControlsEnablesByHandlers)
{
    std::vector<std::string> route;
    CCommandDlg dlg(NULL);
    dlg.m_pRoute = &route;
    ASSERT_TRUE(dlg.Create(IDD_TEST_CMD, NULL));

    dlg.UpdateDialogControls(&dlg, TRUE);
    const struct
    {
        int nID;
        BOOL bEnabled;
    } states[] = {
        {IDC_TEST_UPDATED, FALSE},   // its update handler disables it
        {IDC_TEST_HANDLED, TRUE},    // has a command handler
        {IDC_TEST_UNHANDLED, FALSE}, // a push button without a handler
        {IDC_TEST_AUTOCHECK, TRUE},  // check boxes are never disabled for lack of one
        {IDOK, TRUE},
    };
    for (const auto& s : states)
        EXPECT_EQ(s.bEnabled, ::IsWindowEnabled(::GetDlgItem(dlg.m_hWnd, s.nID)) != FALSE) << s.nID;

    CString strText;
    dlg.GetDlgItemText(IDC_TEST_HANDLED, strText);
    EXPECT_STREQ("Renamed", strText);
    dlg.DestroyWindow();
}
} // namespace
