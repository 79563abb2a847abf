// CAlarmNotifyDlg: title, message, the Remind Later menu of spans and the Silence Alarm button.
#include "AlarmNotifyDlg.h"

#include "resource.h"

namespace
{
struct RemindSpan
{
    UINT nID;
    int nDays, nHours, nMinutes;
};

const RemindSpan kSpans[] = {
    {ID_LATER_0MIN, 0, 0, 0},   {ID_LATER_1MIN, 0, 0, 1},     {ID_LATER_2MIN, 0, 0, 2},
    {ID_LATER_3MIN, 0, 0, 3},   {ID_LATER_5MIN, 0, 0, 5},     {ID_LATER_10MIN, 0, 0, 10},
    {ID_LATER_15MIN, 0, 0, 15}, {ID_LATER_30MIN, 0, 0, 30},   {ID_LATER_45MIN, 0, 0, 45},
    {ID_LATER_1HOUR, 0, 1, 0},  {ID_LATER_2HOURS, 0, 2, 0},   {ID_LATER_4HOURS, 0, 4, 0},
    {ID_LATER_8HOURS, 0, 8, 0}, {ID_LATER_12HOURS, 0, 12, 0}, {ID_LATER_1DAY, 1, 0, 0},
    {ID_LATER_2DAYS, 2, 0, 0},  {ID_LATER_1WEEK, 7, 0, 0},
};
} // namespace

BEGIN_MESSAGE_MAP(CAlarmNotifyDlg, CDialog)
ON_BN_CLICKED(IDC_REMIND_LATER, OnRemindLater)
ON_BN_CLICKED(IDC_SILENCE_ALARM, OnSilenceAlarm)
END_MESSAGE_MAP()

CAlarmNotifyDlg::CAlarmNotifyDlg(IAlarmSilencer* pOwner)
    : CDialog(IDD_ALARM_NOTIFY, NULL), m_pOwner(pOwner), m_bAllowRemindLater(TRUE)
{
}

BOOL CAlarmNotifyDlg::GetRemindLaterSpan(UINT nID, COleDateTimeSpan& span)
{
    for (const RemindSpan& s : kSpans)
    {
        if (s.nID == nID)
        {
            span.SetDateTimeSpan(s.nDays, s.nHours, s.nMinutes, 0);
            return TRUE;
        }
    }
    return FALSE;
}

CString CAlarmNotifyDlg::BreakLongParagraphs(HDC hDC, const CString& strText, int cx, int nLongParagraph)
{
    // Each measure looks at a bounded stretch, so the whole costs time in proportion to the text.
    const int kStretch = 512;
    LPCTSTR psz = strText;
    int nLength = strText.GetLength();
    CString strOut;
    int nStart = 0;
    while (nStart < nLength)
    {
        int nEnd = nStart;
        while (nEnd < nLength && psz[nEnd] != '\n')
            nEnd++;
        int nNext = nEnd < nLength ? nEnd + 1 : nEnd; // past the line feed
        if (nEnd - nStart <= nLongParagraph || cx <= 0)
        {
            strOut += strText.Mid(nStart, nNext - nStart);
            nStart = nNext;
            continue;
        }
        int nParaEnd = (nEnd > nStart && psz[nEnd - 1] == '\r') ? nEnd - 1 : nEnd;
        int nPos = nStart;
        while (nPos < nParaEnd)
        {
            int nTry = nParaEnd - nPos < kStretch ? nParaEnd - nPos : kStretch;
            int nFit = 0;
            SIZE size;
            if (!::GetTextExtentExPoint(hDC, psz + nPos, nTry, cx, &nFit, NULL, &size) || nFit < 1)
                nFit = 1;
            if (nFit >= nParaEnd - nPos)
            {
                strOut += strText.Mid(nPos, nParaEnd - nPos);
                break;
            }
            int nBreak = nPos + nFit;
            int nSpace = nBreak;
            while (nSpace > nPos && psz[nSpace] != ' ' && psz[nSpace] != '\t')
                nSpace--;
            if (nSpace > nPos)
            {
                strOut += strText.Mid(nPos, nSpace - nPos) + _T("\r\n");
                nPos = nSpace + 1;
            }
            else
            {
                strOut += strText.Mid(nPos, nBreak - nPos) + _T("\r\n");
                nPos = nBreak;
            }
        }
        strOut += strText.Mid(nParaEnd, nNext - nParaEnd);
        nStart = nNext;
    }
    return strOut;
}

BOOL CAlarmNotifyDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_strTitle);
    // The edit control lays a paragraph out from its start again for every line it wraps, which
    // takes time growing with the square of the paragraph's length (a minute for 70,000
    // characters, the clock frozen meanwhile); long paragraphs are broken into lines here, once.
    CString strMessage = m_strMessage;
    CWnd* pEdit = GetDlgItem(IDC_ALARM_MESSAGE);
    if (pEdit != NULL && strMessage.GetLength() > 1024)
    {
        CRect rcFormat;
        pEdit->SendMessage(EM_GETRECT, 0, (LPARAM)(LPRECT)&rcFormat);
        CClientDC dc(pEdit);
        CFont* pFont = pEdit->GetFont();
        CFont* pOld = pFont != NULL ? dc.SelectObject(pFont) : NULL;
        strMessage = BreakLongParagraphs(dc.GetSafeHdc(), strMessage, rcFormat.Width());
        if (pOld != NULL)
            dc.SelectObject(pOld);
    }
    SetDlgItemText(IDC_ALARM_MESSAGE, strMessage);
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    m_dtNewActivation = m_dtActivation;
    CWnd* pLater = GetDlgItem(IDC_REMIND_LATER);
    if (pLater != NULL)
        pLater->EnableWindow(m_bAllowRemindLater);
    return TRUE;
}

void CAlarmNotifyDlg::ChooseRemindLater(UINT nID)
{
    COleDateTimeSpan span;
    if (m_bAllowRemindLater && GetRemindLaterSpan(nID, span))
        m_dtNewActivation = m_dtActivation + span;
}

void CAlarmNotifyDlg::OnRemindLater()
{
    CMenu menu;
    UINT nChosen = 0;
    if (menu.LoadMenu(IDR_REMIND_LATER))
    {
        HMENU hSub = ::GetSubMenu(menu.GetSafeHmenu(), 0);
        CRect rc;
        GetDlgItem(IDC_REMIND_LATER)->GetWindowRect(&rc);
        CWnd* pMain = AfxGetMainWnd();
        HWND hOwner = pMain != NULL && pMain->GetSafeHwnd() != NULL ? pMain->GetSafeHwnd() : m_hWnd;
        if (hSub != NULL)
            nChosen = (UINT)::TrackPopupMenu(hSub, TPM_RETURNCMD | TPM_RIGHTBUTTON, rc.left, rc.bottom, 0,
                                             hOwner, NULL);
    }
    // Chosen or dismissed, the notification then closes as with OK.
    ChooseRemindLater(nChosen);
    OnOK();
}

void CAlarmNotifyDlg::OnSilenceAlarm()
{
    if (m_pOwner != NULL)
        m_pOwner->StopAlarmSound();
}

void CAlarmNotifyDlg::OnOK()
{
    m_dtActivation = m_dtNewActivation;
    CDialog::OnOK();
}
