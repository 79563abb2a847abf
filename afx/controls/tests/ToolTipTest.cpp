// Tool tips of windows that enable them, driven by mouse messages through the thread's
// pre-translation and checked in the real tool-tip control; and combo and list boxes filled from
// a dialog's initialisation data.
#include <afxwin.h>
#include <afxcmn.h>
#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>
#include <string>

namespace
{

const UINT kIdAlarm = 320;  // "Set the alarm\nAlarm"
const UINT kIdPrompt = 321; // "Prompt only"
const UINT kIdTimer = 322;  // "Start the timer\nTimer\nextra"

struct FindTip
{
    HWND hOwner;
    HWND hFound;
};

BOOL CALLBACK FindTipProc(HWND hWnd, LPARAM lParam)
{
    FindTip* pFind = (FindTip*)lParam;
    char szClass[64];
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (lstrcmpiA(szClass, TOOLTIPS_CLASSA) == 0 && ::GetWindow(hWnd, GW_OWNER) == pFind->hOwner)
    {
        pFind->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}

// The tool-tip control the framework made for windows under hOwner, or NULL.
HWND ThreadTip(HWND hOwner)
{
    FindTip find = {hOwner, NULL};
    ::EnumThreadWindows(::GetCurrentThreadId(), FindTipProc, (LPARAM)&find);
    return find.hFound;
}

int ToolCount(HWND hOwner)
{
    HWND hTip = ThreadTip(hOwner);
    return hTip != NULL ? (int)::SendMessage(hTip, TTM_GETTOOLCOUNT, 0, 0) : 0;
}

// The one tool the control holds and the text it would show for it.
TOOLINFO OnlyTool(HWND hOwner, std::string* pText)
{
    TOOLINFO ti;
    memset(&ti, 0, sizeof(ti));
    ti.cbSize = sizeof(ti);
    HWND hTip = ThreadTip(hOwner);
    if (hTip == NULL || !::SendMessage(hTip, TTM_ENUMTOOLS, 0, (LPARAM)&ti))
        return ti;
    if (pText != NULL)
    {
        char szText[256] = "";
        TOOLINFO get = ti;
        get.lpszText = szText;
        ::SendMessage(hTip, TTM_GETTEXT, 0, (LPARAM)&get);
        *pText = szText;
    }
    return ti;
}

// A mouse message as the message loop would see it, at a point in hTarget's client area.
void Mouse(HWND hTarget, UINT nMsg, int x, int y)
{
    MSG msg;
    memset(&msg, 0, sizeof(msg));
    msg.hwnd = hTarget;
    msg.message = nMsg;
    msg.lParam = MAKELPARAM(x, y);
    AfxGetApp()->PreTranslateMessage(&msg);
}

// A window with one rectangle tool of its own, whose text it allocates for the framework.
class CCornerWnd : public CWnd
{
public:
    virtual int OnToolHitTest(CPoint point, TOOLINFO* pTI) const
    {
        CRect rect(0, 0, 40, 30);
        if (!rect.PtInRect(point))
            return -1;
        pTI->hwnd = m_hWnd;
        pTI->uId = 7;
        pTI->rect = rect;
        pTI->lpszText = (LPTSTR)malloc(8);
        strcpy(pTI->lpszText, "Corner");
        return 7;
    }
};

class ToolTips : public ::testing::Test
{
protected:
    CFrameWnd* frame = NULL;
    CButton alarm, timer;
    CStatic hidden;
    CCornerWnd corner;

    void SetUp() override
    {
        frame = new CFrameWnd;
        ASSERT_TRUE(
            frame->Create(NULL, _T("Tips"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(30, 30, 430, 280)));
        alarm.Create(_T("Alarm"), WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 40), frame, kIdAlarm);
        hidden.Create(_T("Hidden"), WS_CHILD, CRect(10, 50, 110, 80), frame, kIdPrompt);
        timer.Create(_T("Timer"), WS_CHILD | WS_VISIBLE, CRect(150, 10, 250, 40), frame, kIdTimer);
        corner.Create(AfxRegisterWndClass(0), _T(""), WS_CHILD | WS_VISIBLE, CRect(150, 100, 250, 180), frame,
                      330);
    }
    void TearDown() override
    {
        corner.DestroyWindow();
        if (frame->m_hWnd != NULL)
            frame->DestroyWindow(); // the frame deletes itself
    }
};

TEST_F(ToolTips, DefaultHitTestFindsVisibleChildControls)
{
    struct Case
    {
        int x, y;
        int nHit;
        CWnd* pTool;
    } cases[] = {
        {20, 20, (int)kIdAlarm, &alarm},
        {200, 30, (int)kIdTimer, &timer},
        {20, 60, -1, NULL}, // over a hidden control
        {300, 60, -1, NULL},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        TOOLINFO ti;
        memset(&ti, 0, sizeof(ti));
        ti.cbSize = sizeof(ti);
        EXPECT_EQ(c.nHit, frame->OnToolHitTest(CPoint(c.x, c.y), &ti));
        if (c.pTool != NULL)
        {
            EXPECT_EQ(frame->m_hWnd, ti.hwnd);
            EXPECT_EQ((UINT_PTR)c.pTool->m_hWnd, ti.uId);
            EXPECT_TRUE(ti.uFlags & TTF_IDISHWND);
            EXPECT_EQ(LPSTR_TEXTCALLBACK, ti.lpszText);
        }
    }
}

TEST_F(ToolTips, MouseMovesKeepTheToolUnderTheMouseWithItsTipFromTheStringResource)
{
    // Without tool tips enabled nothing is registered.
    Mouse(alarm.m_hWnd, WM_MOUSEMOVE, 5, 5);
    EXPECT_EQ(0, ToolCount(frame->m_hWnd));

    frame->EnableToolTips(TRUE);
    CRect rcAlarm;
    alarm.GetWindowRect(&rcAlarm);
    struct Step
    {
        const char* what;
        HWND hTarget;
        UINT nMsg;
        int x, y;
        CWnd* pTool; // NULL: no tool
        const char* text;
    } steps[] = {
        {"over the alarm button", alarm.m_hWnd, WM_MOUSEMOVE, 5, 5, &alarm, "Alarm"},
        {"still over it", alarm.m_hWnd, WM_MOUSEMOVE, 8, 6, &alarm, "Alarm"},
        {"over the timer button", timer.m_hWnd, WM_MOUSEMOVE, 5, 5, &timer, "Timer"},
        {"over the frame's empty client area", frame->m_hWnd, WM_MOUSEMOVE, 300, 60, NULL, ""},
        {"over the hidden control", frame->m_hWnd, WM_MOUSEMOVE, 20, 60, NULL, ""},
        {"on the frame's border, in screen points", frame->m_hWnd, WM_NCMOUSEMOVE, rcAlarm.left + 3,
         rcAlarm.top + 3, &alarm, "Alarm"},
        {"a press over the timer", timer.m_hWnd, WM_LBUTTONDOWN, 5, 5, &timer, "Timer"},
    };
    for (const Step& s : steps)
    {
        SCOPED_TRACE(s.what);
        Mouse(s.hTarget, s.nMsg, s.x, s.y);
        if (s.pTool == NULL)
        {
            EXPECT_EQ(0, ToolCount(frame->m_hWnd));
            continue;
        }
        ASSERT_EQ(1, ToolCount(frame->m_hWnd));
        std::string text;
        TOOLINFO ti = OnlyTool(frame->m_hWnd, &text);
        EXPECT_EQ((UINT_PTR)s.pTool->m_hWnd, ti.uId);
        EXPECT_EQ(frame->m_hWnd, ti.hwnd);
        EXPECT_FALSE(ti.uFlags & TTF_SUBCLASS);
        EXPECT_EQ(s.text, text);
    }
    // The framework's users reach the same control through its public accessor.
    ASSERT_NE((CToolTipCtrl*)NULL, AfxGetThreadToolTip());
    EXPECT_EQ(ThreadTip(frame->m_hWnd), AfxGetThreadToolTip()->GetSafeHwnd());

    // Turning tool tips off takes the tool away and keeps it away.
    frame->EnableToolTips(FALSE);
    EXPECT_EQ(0, ToolCount(frame->m_hWnd));
    Mouse(alarm.m_hWnd, WM_MOUSEMOVE, 5, 5);
    EXPECT_EQ(0, ToolCount(frame->m_hWnd));
}

TEST_F(ToolTips, NearestEnabledWindowAnswersWithItsOwnToolsAndText)
{
    frame->EnableToolTips(TRUE);
    corner.EnableToolTips(TRUE);
    // The corner window is nearer to its own mouse messages than the frame.
    Mouse(corner.m_hWnd, WM_MOUSEMOVE, 10, 10);
    ASSERT_EQ(1, ToolCount(frame->m_hWnd));
    std::string text;
    TOOLINFO ti = OnlyTool(frame->m_hWnd, &text);
    EXPECT_EQ(corner.m_hWnd, ti.hwnd);
    EXPECT_EQ(7u, ti.uId);
    EXPECT_EQ("Corner", text);
    EXPECT_EQ(CRect(0, 0, 40, 30), CRect(ti.rect));

    Mouse(corner.m_hWnd, WM_MOUSEMOVE, 60, 50);
    EXPECT_EQ(0, ToolCount(frame->m_hWnd));

    // The mouse over a pop-up the frame owns is not over the frame's tools, even where the
    // pop-up covers one of them.
    CRect rcAlarm;
    alarm.GetWindowRect(&rcAlarm);
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, AfxRegisterWndClass(0), _T("Over"), WS_POPUP | WS_VISIBLE, rcAlarm.left,
                               rcAlarm.top, 60, 20, frame->m_hWnd, NULL));
    Mouse(popup.m_hWnd, WM_MOUSEMOVE, 3, 3);
    EXPECT_EQ(0, ToolCount(frame->m_hWnd));
    popup.DestroyWindow();

    // A window with tool tips that goes away takes its tool with it.
    Mouse(corner.m_hWnd, WM_MOUSEMOVE, 10, 10);
    ASSERT_EQ(1, ToolCount(frame->m_hWnd));
    corner.DestroyWindow();
    EXPECT_EQ(0, ToolCount(frame->m_hWnd));
    Mouse(alarm.m_hWnd, WM_MOUSEMOVE, 5, 5);
    EXPECT_EQ(1, ToolCount(frame->m_hWnd));
}

TEST_F(ToolTips, FrameAnswersNeedTextWithTheTipLineOfTheCommandString)
{
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(frame));
    struct Case
    {
        UINT_PTR idFrom;
        UINT uFlags;
        const char* text;
    } cases[] = {
        {(UINT_PTR)alarm.m_hWnd, TTF_IDISHWND, "Alarm"},
        {kIdAlarm, 0, "Alarm"},
        {kIdTimer, 0, "Timer"}, // only the second line
        {kIdPrompt, 0, ""},     // no tip line
        {999, 0, ""},           // no string at all
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.text);
        TOOLTIPTEXTA ttt;
        memset(&ttt, 0, sizeof(ttt));
        strcpy(ttt.szText, "stale");
        ttt.hdr.hwndFrom = tip.m_hWnd;
        ttt.hdr.idFrom = c.idFrom;
        ttt.hdr.code = TTN_NEEDTEXTA;
        ttt.uFlags = c.uFlags;
        frame->SendMessage(WM_NOTIFY, 0, (LPARAM)&ttt);
        ASSERT_NE((LPSTR)NULL, ttt.lpszText);
        EXPECT_STREQ(c.text, ttt.lpszText);

        TOOLTIPTEXTW tttW;
        memset(&tttW, 0, sizeof(tttW));
        tttW.hdr = ttt.hdr;
        tttW.hdr.code = TTN_NEEDTEXTW;
        tttW.uFlags = c.uFlags;
        frame->SendMessage(WM_NOTIFY, 0, (LPARAM)&tttW);
        ASSERT_NE((LPWSTR)NULL, tttW.lpszText);
        char szBack[80];
        ::WideCharToMultiByte(CP_ACP, 0, tttW.lpszText, -1, szBack, sizeof(szBack), NULL, NULL);
        EXPECT_STREQ(c.text, szBack);
    }
}

TEST_F(ToolTips, ParentOwnerIsTheNearestWindowThatIsNotAChild)
{
    CWnd popup;
    ASSERT_TRUE(
        popup.CreateEx(0, AfxRegisterWndClass(0), _T("Popup"), WS_POPUP, 0, 0, 50, 50, frame->m_hWnd, NULL));
    CStatic inner;
    inner.Create(_T("in"), WS_CHILD, CRect(0, 0, 10, 10), &popup, 1);
    struct Case
    {
        CWnd* pWnd;
        CWnd* pExpected;
    } cases[] = {
        {&alarm, frame},  {&corner, frame},
        {frame, frame},   {&popup, &popup}, // an owned pop-up is not a child of its owner
        {&inner, &popup},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.pExpected->m_hWnd, c.pWnd->GetParentOwner()->GetSafeHwnd());
    popup.DestroyWindow();
}

// A worker thread with its own tool tips, whose frame has gone before the thread ends.
UINT TipThread(LPVOID pParam)
{
    HWND* phTip = (HWND*)pParam;
    CFrameWnd* pFrame = new CFrameWnd;
    if (!pFrame->Create(NULL, _T("Thread tips"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100)))
        return 1;
    CButton button;
    button.Create(_T("B"), WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), pFrame, kIdAlarm);
    pFrame->EnableToolTips(TRUE);
    Mouse(button.m_hWnd, WM_MOUSEMOVE, 3, 3);
    *phTip = ThreadTip(pFrame->m_hWnd);
    UINT nResult = ToolCount(pFrame->m_hWnd) == 1 ? 0 : 2;
    pFrame->DestroyWindow();
    return nResult;
}

TEST(ToolTipThreads, EachThreadHasItsOwnControlAndLetsItGoAtItsEnd)
{
    HWND hTip = NULL;
    CWinThread* pThread = AfxBeginThread(TipThread, &hTip, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE((CWinThread*)NULL, pThread);
    pThread->m_bAutoDelete = FALSE;
    pThread->ResumeThread();
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pThread->m_hThread, 60000));
    DWORD dwExit = 99;
    ::GetExitCodeThread(pThread->m_hThread, &dwExit);
    EXPECT_EQ(0u, dwExit);
    EXPECT_NE((HWND)NULL, hTip);
    EXPECT_FALSE(::IsWindow(hTip));
    delete pThread;
}

// Dialog initialisation data.

class CInitDataDlg : public CDialog
{
public:
    CInitDataDlg(UINT nID) : CDialog(nID) {}
    virtual void OnCancel() { DestroyWindow(); }
};

std::string ItemText(HWND hCtrl, BOOL bCombo, int i)
{
    char sz[64] = "";
    ::SendMessage(hCtrl, bCombo ? CB_GETLBTEXT : LB_GETTEXT, i, (LPARAM)sz);
    return sz;
}

TEST(DialogInitData, FillsCombosAndListsInOrderAndStopsAtADamagedRecord)
{
    CInitDataDlg dlg(400);
    ASSERT_TRUE(dlg.Create(400));
    HWND hCombo = ::GetDlgItem(dlg.m_hWnd, 1000);
    HWND hList = ::GetDlgItem(dlg.m_hWnd, 1001);
    ASSERT_EQ(3, (int)::SendMessage(hCombo, CB_GETCOUNT, 0, 0));
    EXPECT_EQ("Mon", ItemText(hCombo, TRUE, 0));
    EXPECT_EQ("Tuesday", ItemText(hCombo, TRUE, 1));
    EXPECT_EQ("W", ItemText(hCombo, TRUE, 2));
    ASSERT_EQ(1, (int)::SendMessage(hList, LB_GETCOUNT, 0, 0));
    EXPECT_EQ("X", ItemText(hList, FALSE, 0));

    // A record longer than what is left is refused; the records before it still count.
    EXPECT_FALSE(dlg.ExecuteDlgInit(MAKEINTRESOURCE(401)));
    EXPECT_EQ(4, (int)::SendMessage(hCombo, CB_GETCOUNT, 0, 0));
    EXPECT_EQ("Mon", ItemText(hCombo, TRUE, 3));

    // Data the program holds itself, ended by a zero id.
    static const BYTE data[] = {
        0xE9, 0x03, 0x01, 0x04, 0x04, 0x00, 0x00, 0x00, 'Y', 'e', 's', 0, // list 1001: "Yes"
        0xE8, 0x03, 0x03, 0x04, 0x02, 0x00, 0x00, 0x00, 'Z', 0,           // combo 1000: "Z"
        0x00, 0x00,
    };
    EXPECT_TRUE(dlg.ExecuteDlgInit((LPVOID)data));
    EXPECT_EQ("Yes", ItemText(hList, FALSE, 1));
    EXPECT_EQ("Z", ItemText(hCombo, TRUE, 4));
    dlg.DestroyWindow();
}

} // namespace
