// The alarm notification: its spans, what Remind Later and OK hand back, and the window it opens
// with (title, message, topmost, Remind Later refused for a test run).
#include <gtest/gtest.h>

#include <afxwin.h>

#include "AlarmNotifyDlg.h"
#include "velmora/resource.h"

namespace
{
class CCountingSilencer : public IAlarmSilencer
{
public:
    int nStops = 0;
    void StopAlarmSound() override { nStops++; }
};

long Minutes(const COleDateTimeSpan& span)
{
    return (long)(span.GetTotalSeconds() / 60);
}
} // namespace

TEST(AlarmNotify, RemindLaterSpans)
{
    struct Case
    {
        UINT nID;
        long nMinutes;
    } cases[] = {{ID_LATER_0MIN, 0},     {ID_LATER_1MIN, 1},      {ID_LATER_2MIN, 2},
                 {ID_LATER_3MIN, 3},     {ID_LATER_5MIN, 5},      {ID_LATER_10MIN, 10},
                 {ID_LATER_15MIN, 15},   {ID_LATER_30MIN, 30},    {ID_LATER_45MIN, 45},
                 {ID_LATER_1HOUR, 60},   {ID_LATER_2HOURS, 120},  {ID_LATER_4HOURS, 240},
                 {ID_LATER_8HOURS, 480}, {ID_LATER_12HOURS, 720}, {ID_LATER_1DAY, 1440},
                 {ID_LATER_2DAYS, 2880}, {ID_LATER_1WEEK, 10080}};
    for (const Case& c : cases)
    {
        COleDateTimeSpan span;
        ASSERT_TRUE(CAlarmNotifyDlg::GetRemindLaterSpan(c.nID, span)) << c.nID;
        EXPECT_EQ(c.nMinutes, Minutes(span)) << c.nID;
    }
    COleDateTimeSpan span;
    EXPECT_FALSE(CAlarmNotifyDlg::GetRemindLaterSpan(0, span));
    EXPECT_FALSE(CAlarmNotifyDlg::GetRemindLaterSpan(ID_SILENCE_ALARM, span));
}

TEST(AlarmNotify, TheResultIsTheActivationPlusTheSpanOnlyThroughOk)
{
    CCountingSilencer silencer;
    COleDateTime dtDue(2026, 12, 9, 8, 40, 0);
    AfxSetResourceHandle(::GetModuleHandle(NULL));

    struct Case
    {
        const char* pszName;
        BOOL bAllowLater;
        UINT nChosen;
        BOOL bOk;
        long nMinutesLater;
    } cases[] = {{"5 minutes", TRUE, ID_LATER_5MIN, TRUE, 5},
                 {"menu dismissed", TRUE, 0, TRUE, 0},
                 {"test run", FALSE, ID_LATER_1HOUR, TRUE, 0},
                 {"escape", TRUE, ID_LATER_1DAY, FALSE, 0}};
    for (const Case& c : cases)
    {
        CAlarmNotifyDlg dlg(&silencer);
        dlg.m_strTitle = "Tea time";
        dlg.m_strMessage = "Brew";
        dlg.m_dtActivation = dtDue;
        dlg.m_bAllowRemindLater = c.bAllowLater;
        ASSERT_TRUE(dlg.Create(IDD_ALARM_NOTIFY, NULL)) << c.pszName;
        CString strTitle, strMessage;
        dlg.GetWindowText(strTitle);
        dlg.GetDlgItemText(IDC_ALARM_MESSAGE, strMessage);
        EXPECT_EQ(CString("Tea time"), strTitle) << c.pszName;
        EXPECT_EQ(CString("Brew"), strMessage) << c.pszName;
        EXPECT_TRUE(dlg.GetExStyle() & WS_EX_TOPMOST) << c.pszName;
        EXPECT_EQ(c.bAllowLater, dlg.GetDlgItem(IDC_REMIND_LATER)->IsWindowEnabled()) << c.pszName;

        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SILENCE_ALARM, BN_CLICKED),
                        (LPARAM)dlg.GetDlgItem(IDC_SILENCE_ALARM)->GetSafeHwnd());
        EXPECT_TRUE(::IsWindow(dlg.m_hWnd)) << c.pszName << ": Silence Alarm keeps it open";

        dlg.ChooseRemindLater(c.nChosen);
        if (c.bOk)
            dlg.OnOK();
        else
            dlg.OnCancel();
        EXPECT_EQ(c.nMinutesLater, Minutes(dlg.m_dtActivation - dtDue)) << c.pszName;
        dlg.DestroyWindow();
    }
    EXPECT_EQ(4, silencer.nStops);
}
