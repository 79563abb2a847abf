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

TEST(AlarmNotify, LongParagraphsAreBrokenIntoLinesThatFit)
{
    HDC hDC = ::GetDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, ::GetStockObject(DEFAULT_GUI_FONT));
    const int cx = 200;
    auto fits = [&](const CString& strLine) {
        SIZE size;
        ::GetTextExtentPoint32(hDC, strLine, strLine.GetLength(), &size);
        return size.cx <= cx;
    };
    // Short paragraphs stay as they are, whatever their line ends.
    const CString strShort = _T("Brew the tea\r\nand drink it\nnow");
    EXPECT_EQ(strShort, CAlarmNotifyDlg::BreakLongParagraphs(hDC, strShort, cx));

    CString strWords, strRun;
    for (int i = 0; i < 400; i++)
        strWords += _T("tick tock ");
    for (int i = 0; i < 3000; i++)
        strRun += _T("x");
    const CString strText = _T("Heading\r\n") + strWords + _T("\r\n") + strRun;
    CString strOut = CAlarmNotifyDlg::BreakLongParagraphs(hDC, strText, cx);

    // Nothing is lost but the spaces the breaks replace, and every line fits.
    CString strSame = strOut, strExpected = strText;
    strSame.Remove('\r');
    strSame.Remove('\n');
    strSame.Remove(' ');
    strExpected.Remove('\r');
    strExpected.Remove('\n');
    strExpected.Remove(' ');
    EXPECT_EQ(strExpected, strSame);
    int nLines = 0;
    int nStart = 0;
    while (nStart <= strOut.GetLength())
    {
        int nEnd = strOut.Find(_T("\r\n"), nStart);
        if (nEnd < 0)
            nEnd = strOut.GetLength();
        CString strLine = strOut.Mid(nStart, nEnd - nStart);
        EXPECT_TRUE(fits(strLine)) << (LPCTSTR)strLine;
        // Words are never split: a line of words ends at a word's end.
        if (strLine.Find(_T("tock")) >= 0 || strLine.Find(_T("tick")) >= 0)
        {
            EXPECT_TRUE(strLine.Right(4) == _T("tick") || strLine.Right(4) == _T("tock") ||
                        strLine.Right(5) == _T("tock "))
                << (LPCTSTR)strLine;
        }
        nLines++;
        nStart = nEnd + 2;
    }
    EXPECT_GT(nLines, 20);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(NULL, hDC);
}
