// Modal and modeless dialogs: the framework's modal loop keeps timers running, sends WM_KICKIDLE,
// shows a hidden dialog when idle, disables the owner; EndDialog from initialisation; OK with
// refused input keeps the dialog.
#include "WindowTestApp.h"
#include "WindowTestIds.h"
#include "afxpriv.h"
#include <gtest/gtest.h>

namespace
{
class CTimerDlg : public CDialog
{
public:
    int m_nTicks = 0;
    int m_nTicksToRun = 5;
    int m_nKickIdle = 0;
    BOOL m_bVisibleDuringRun = FALSE;
    BOOL m_bOwnerEnabledDuringRun = TRUE;
    int m_nEndInInit = 0; // non-zero: EndDialog with it from OnInitDialog
    CWnd* m_pOwner = NULL;
    CRect m_rectAtEnd;

    explicit CTimerDlg(CWnd* pParent = NULL, UINT nID = IDD_TEST_TIMER) : CDialog(nID, pParent) {}

    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        if (m_nEndInInit != 0)
        {
            EndDialog(m_nEndInInit);
            return TRUE;
        }
        SetTimer(1, 10);
        return TRUE;
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        if (nIDEvent != 1)
            return;
        ++m_nTicks;
        if (IsWindowVisible())
            m_bVisibleDuringRun = TRUE;
        if (m_pOwner != NULL && m_pOwner->IsWindowEnabled())
            m_bOwnerEnabledDuringRun = TRUE;
        else if (m_pOwner != NULL)
            m_bOwnerEnabledDuringRun = FALSE;
        if (m_nTicks == m_nTicksToRun)
        {
            GetWindowRect(&m_rectAtEnd);
            KillTimer(1);
            EndDialog(1000 + m_nTicks);
        }
    }
    afx_msg LRESULT OnKickIdle(WPARAM wParam, LPARAM)
    {
        EXPECT_EQ((WPARAM)MSGF_DIALOGBOX, wParam);
        m_nKickIdle++;
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTimerDlg, CDialog)
ON_WM_TIMER()
ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

TEST(ModalLoop, TimersRunUntilTheDialogEndsItself)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                               300, 200, NULL, NULL));
    CTimerDlg dlg(&owner);
    dlg.m_pOwner = &owner;
    EXPECT_EQ(1005, dlg.DoModal());
    EXPECT_EQ(5, dlg.m_nTicks);
    EXPECT_GT(dlg.m_nKickIdle, 0);
    EXPECT_TRUE(dlg.m_bVisibleDuringRun); // the hidden template was shown when the loop went idle
    EXPECT_FALSE(dlg.m_bOwnerEnabledDuringRun);
    EXPECT_TRUE(owner.IsWindowEnabled()); // and enabled again afterwards
    CRect rectOwner;
    owner.GetWindowRect(&rectOwner);
    EXPECT_NEAR(rectOwner.CenterPoint().x, dlg.m_rectAtEnd.CenterPoint().x, 1); // centred on its owner
    EXPECT_NEAR(rectOwner.CenterPoint().y, dlg.m_rectAtEnd.CenterPoint().y, 1);
    EXPECT_EQ(NULL, dlg.m_hWnd);

    // The same object runs again.
    dlg.m_nTicks = 0;
    dlg.m_nTicksToRun = 3;
    EXPECT_EQ(1003, dlg.DoModal());
    owner.DestroyWindow();
}

TEST(ModalLoop, EndDialogDuringInitialisationSkipsTheLoop)
{
    const int results[] = {IDOK, IDCANCEL, 77};
    for (int nResult : results)
    {
        CTimerDlg dlg;
        dlg.m_nEndInInit = nResult;
        EXPECT_EQ(nResult, dlg.DoModal()) << nResult;
        EXPECT_EQ(0, dlg.m_nTicks);
        EXPECT_EQ(NULL, dlg.m_hWnd);
    }
}

TEST(ModalLoop, MissingTemplateFailsWithMinusOne)
{
    CDialog dlg(9999);
    EXPECT_EQ(-1, dlg.DoModal());
}

// A modal run inside a modal run: the inner dialog's timers and the outer one's both tick.
class COuterDlg : public CTimerDlg
{
public:
    int m_nInnerResult = 0;
    int m_nOuterTicksDuringInner = 0;
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        if (nIDEvent == 2)
        {
            m_nOuterTicksDuringInner++;
            return;
        }
        if (nIDEvent == 1 && m_nInnerResult == 0)
        {
            KillTimer(1);
            SetTimer(2, 10);
            CTimerDlg inner(this);
            inner.m_nTicksToRun = 8;
            m_nInnerResult = (int)inner.DoModal();
            KillTimer(2);
            EndDialog(IDOK);
        }
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COuterDlg, CTimerDlg)
ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(ModalLoop, NestedModalDialogsKeepBothTimersRunning)
{
    COuterDlg dlg;
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(1008, dlg.m_nInnerResult);
    EXPECT_GT(dlg.m_nOuterTicksDuringInner, 0);
}

// PreTranslateMessage is offered every message of the dialog's controls.
class CKeyDlg : public CTimerDlg
{
public:
    int m_nKeysSeen = 0;
    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        ::PostMessage(::GetDlgItem(m_hWnd, IDC_TEST_EDIT), WM_KEYDOWN, 'A', 1);
        ::PostMessage(::GetDlgItem(m_hWnd, IDC_TEST_EDIT), WM_KEYDOWN, VK_ESCAPE, 1);
        return TRUE;
    }
    virtual BOOL PreTranslateMessage(MSG* pMsg)
    {
        if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == ::GetDlgItem(m_hWnd, IDC_TEST_EDIT))
            m_nKeysSeen++;
        return CDialog::PreTranslateMessage(pMsg);
    }
};

TEST(ModalLoop, ControlsKeysGoThroughPreTranslateAndEscapeCancels)
{
    CKeyDlg dlg;
    EXPECT_EQ(IDCANCEL, dlg.DoModal()); // Escape reached the dialog manager: Cancel
    EXPECT_EQ(2, dlg.m_nKeysSeen);
}

TEST(ModelessDialog, CreateShowsTemplateAndDestroys)
{
    CTimerDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_VISIBLE));
    EXPECT_TRUE(dlg.IsWindowVisible());
    EXPECT_EQ(&dlg, CWnd::FromHandlePermanent(dlg.m_hWnd));
    CWnd* pEdit = dlg.GetDlgItem(IDC_TEST_EDIT);
    ASSERT_TRUE(pEdit != NULL);
    dlg.SetDlgItemText(IDC_TEST_EDIT, "modeless");
    CString str;
    pEdit->GetWindowText(str);
    EXPECT_STREQ("modeless", str);
    // The thread's idle time deletes the temporary object of the edit control.
    theTestApp.OnIdle(1);
    EXPECT_TRUE(::IsWindow(::GetDlgItem(dlg.m_hWnd, IDC_TEST_EDIT)));
    EXPECT_TRUE(dlg.DestroyWindow());
    EXPECT_EQ(NULL, dlg.m_hWnd);
}
} // namespace
