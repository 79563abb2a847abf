// Tray icon against the real shell of Wine: adding, tips, hidden changes, notifications routed to the
// target window, the animation's end and the return of the icon after the taskbar was re-created.
#include <gtest/gtest.h>

#include <afxwin.h>
#include <vector>

#include "SystemTray.h"
#include "AppTestMain.h"

namespace
{
const UINT WM_TRAYNOTIFY = 0x800A;
const UINT ID_TRAY = 142;

// The window that receives the tray's commands; it keeps every command id it got.
class CTargetWnd : public CWnd
{
public:
    std::vector<UINT> m_commands;
    BOOL Make()
    {
        return CreateEx(0, AfxRegisterWndClass(0), _T("tray target"), WS_POPUP, 0, 0, 10, 10, NULL, 0);
    }
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_COMMAND)
        {
            m_commands.push_back(LOWORD(wParam));
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class CTestTray : public CSystemTray
{
public:
    void StartedSecondsAgo(int nSeconds)
    {
        m_dtStartTime = COleDateTime::GetCurrentTime() - COleDateTimeSpan(0, 0, 0, nSeconds);
    }
    void Tick() { SendMessage(WM_TIMER, ANIMATION_TIMER_ID, 0); }
    BOOL Animating() const { return m_uIDTimer != 0; }
    // Whether the shell holds an icon of ours: it modifies only icons it has.
    BOOL ShellHasIcon()
    {
        NOTIFYICONDATAA nid = m_nid;
        nid.uFlags = NIF_TIP;
        return ::Shell_NotifyIconA(NIM_MODIFY, &nid);
    }
    BOOL ShellDelete()
    {
        NOTIFYICONDATAA nid = m_nid;
        nid.uFlags = 0;
        return ::Shell_NotifyIconA(NIM_DELETE, &nid);
    }
};

class SystemTray : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetAppTestProfile();
        AfxSetResourceHandle(::GetModuleHandle(NULL));
        ASSERT_TRUE(m_target.Make());
        m_tray.SetTargetWnd(&m_target);
        m_hIcon1 = ::LoadIcon(NULL, IDI_APPLICATION);
        m_hIcon2 = ::LoadIcon(NULL, IDI_WARNING);
    }
    void TearDown() override
    {
        m_tray.DeleteIcon();
        m_target.DestroyWindow();
    }
    CTargetWnd m_target;
    CTestTray m_tray;
    HICON m_hIcon1 = NULL, m_hIcon2 = NULL;
};
} // namespace

TEST_F(SystemTray, CreateAddsTheIconWithItsTipCut)
{
    CString strTip('x', 200);
    ASSERT_TRUE(m_tray.Create(NULL, WM_TRAYNOTIFY, strTip, m_hIcon1, ID_TRAY));
    EXPECT_FALSE(m_tray.IsHidden());
    EXPECT_FALSE(m_tray.IsRemoved());
    EXPECT_EQ(127, m_tray.GetTooltipText().GetLength());
    EXPECT_EQ(m_hIcon1, m_tray.CurrentIcon());
    EXPECT_TRUE(m_tray.ShellHasIcon());
    EXPECT_TRUE(CSystemTray::FromHandlePermanent(m_tray.GetSafeHwnd())->IsKindOf(RUNTIME_CLASS(CSystemTray)));

    EXPECT_TRUE(m_tray.DeleteIcon());
    EXPECT_TRUE(m_tray.IsRemoved());
    EXPECT_FALSE(m_tray.ShellHasIcon());
    EXPECT_TRUE(m_tray.DeleteIcon());
}

TEST_F(SystemTray, ChangeIconWhileRemovedOnlyStoresIt)
{
    ASSERT_TRUE(m_tray.Create(NULL, WM_TRAYNOTIFY, _T("Velmora Clock"), m_hIcon1, ID_TRAY));
    EXPECT_TRUE(m_tray.ChangeIcon(m_hIcon2));
    EXPECT_EQ(m_hIcon2, m_tray.CurrentIcon());
    m_tray.DeleteIcon();
    EXPECT_TRUE(m_tray.ChangeIcon(m_hIcon1));
    EXPECT_EQ(m_hIcon1, m_tray.CurrentIcon());
    EXPECT_FALSE(m_tray.ShellHasIcon());
}

TEST_F(SystemTray, IconsByResourceAreSharedNotCopied)
{
    ASSERT_TRUE(m_tray.Create(NULL, WM_TRAYNOTIFY, _T("Velmora Clock"), m_hIcon1, ID_TRAY));
    // The clock sets its icon by id at every change of its synchronisation state: the same
    // resource must give the same handle, not a new one that is never destroyed.
    ASSERT_TRUE(m_tray.ChangeIcon(140u));
    HICON hFirst = m_tray.CurrentIcon();
    ASSERT_TRUE(hFirst != NULL);
    ASSERT_TRUE(m_tray.ChangeIcon(141u));
    EXPECT_NE(hFirst, m_tray.CurrentIcon());
    ASSERT_TRUE(m_tray.ChangeIcon(140u));
    EXPECT_EQ(hFirst, m_tray.CurrentIcon());
    ASSERT_TRUE(m_tray.ChangeIcon(_T("#140")));
    EXPECT_EQ(hFirst, m_tray.CurrentIcon());
}

TEST_F(SystemTray, NotificationsReachTheTarget)
{
    ASSERT_TRUE(m_tray.Create(NULL, WM_TRAYNOTIFY, _T("Velmora Clock"), m_hIcon1, ID_TRAY));
    struct
    {
        WPARAM wParam;
        LPARAM lParam;
        LRESULT lExpect;
        size_t nCommands;
    } cases[] = {
        {ID_TRAY + 1, WM_LBUTTONDBLCLK, 0, 0}, // another icon
        {ID_TRAY, WM_MOUSEMOVE, 1, 0},
        {ID_TRAY, WM_LBUTTONDBLCLK, 1, 1}, // "Show Clock", the first item
        {ID_TRAY, WM_LBUTTONDBLCLK, 1, 2}, // again, even when already shown
    };
    for (auto& t : cases)
    {
        EXPECT_EQ(t.lExpect, m_tray.SendMessage(WM_TRAYNOTIFY, t.wParam, t.lParam));
        EXPECT_EQ(t.nCommands, m_target.m_commands.size());
    }
    for (UINT id : m_target.m_commands)
        EXPECT_EQ(32775u, id);
}

TEST_F(SystemTray, AnimationCyclesAndPutsTheIconBack)
{
    ASSERT_TRUE(m_tray.Create(NULL, WM_TRAYNOTIFY, _T("Velmora Clock"), m_hIcon1, ID_TRAY));
    EXPECT_FALSE(m_tray.LoadIconSequence(5, 3));
    EXPECT_FALSE(m_tray.NextAnimationFrame());
    // A range that ends at the last id there is must end, not wrap around.
    EXPECT_TRUE(m_tray.LoadIconSequence(0xFFFFFFFEu, 0xFFFFFFFFu));
    EXPECT_EQ(2, m_tray.GetIconCount());
    ASSERT_TRUE(m_tray.LoadIconSequence(1, 3));
    EXPECT_EQ(3, m_tray.GetIconCount());

    ASSERT_TRUE(m_tray.StartIconAnimation(100000, -1));
    int expected[] = {1, 2, 0, 1};
    for (int n : expected)
    {
        m_tray.StartedSecondsAgo(100000);
        m_tray.Tick();
        EXPECT_EQ(n, m_tray.GetCurrentFrame());
    }
    EXPECT_TRUE(m_tray.Animating());
    m_tray.EndIconAnimation();
    EXPECT_FALSE(m_tray.Animating());
    EXPECT_EQ(m_hIcon1, m_tray.CurrentIcon());

    // With a length of 3 seconds, a step at exactly 3 seconds still animates; past them it ends.
    ASSERT_TRUE(m_tray.StartIconAnimation(100000, 3));
    m_tray.StartedSecondsAgo(3);
    m_tray.Tick();
    EXPECT_TRUE(m_tray.Animating());
    EXPECT_EQ(1, m_tray.GetCurrentFrame());
    m_tray.StartedSecondsAgo(4);
    m_tray.Tick();
    EXPECT_FALSE(m_tray.Animating());
    EXPECT_EQ(m_hIcon1, m_tray.CurrentIcon());
}

TEST_F(SystemTray, TaskbarCreatedAddsTheIconAgain)
{
    ASSERT_TRUE(m_tray.Create(NULL, WM_TRAYNOTIFY, _T("Velmora Clock"), m_hIcon1, ID_TRAY));
    // The shell lost its icons, as when the taskbar restarts.
    ASSERT_TRUE(m_tray.ShellDelete());
    m_tray.SendMessage(CSystemTray::GetTaskbarCreatedMessage(), 0, 0);
    EXPECT_TRUE(m_tray.ShellHasIcon());
    EXPECT_FALSE(m_tray.IsHidden());

    // A work-area change while the icon is still there keeps it shown.
    m_tray.SendMessage(WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    EXPECT_TRUE(m_tray.ShellHasIcon());
    EXPECT_FALSE(m_tray.IsHidden());
    EXPECT_TRUE(m_tray.ChangeIcon(m_hIcon2));

    // An icon the program removed stays removed.
    m_tray.DeleteIcon();
    m_tray.SendMessage(CSystemTray::GetTaskbarCreatedMessage(), 0, 0);
    EXPECT_FALSE(m_tray.ShellHasIcon());
    EXPECT_TRUE(m_tray.IsRemoved());
}
