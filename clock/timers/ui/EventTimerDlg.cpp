// CEventTimerDlg and CTimerFormatDlg: values between the controls and the timer record.
#include "EventTimerDlg.h"

#include <afxdlgs.h>
#include <afxdtctl.h>

#include "AlarmEngine.h"
#include "AlarmNotifyDlg.h"
#include "ButtonIcons.h"
#include "Clock.h"

namespace
{
// The active-timer behaviours in the order of the dialog's radio buttons.
const int kStartupBehaviour[3] = {ACTIVETIMER_RESET, ACTIVETIMER_PAUSE, ACTIVETIMER_CONTINUE};
} // namespace

BEGIN_MESSAGE_MAP(CEventTimerDlg, CDialog)
ON_BN_CLICKED(IDC_TIMER_SHOW_MESSAGE, OnMessageChecks)
ON_BN_CLICKED(IDC_TIMER_SPEAK, OnMessageChecks)
ON_BN_CLICKED(IDC_TIMER_PLAY_SOUND, OnPlaySound)
ON_BN_CLICKED(IDC_TIMER_KIND, OnKind)
ON_BN_CLICKED(IDC_TIMER_KIND_EVENT, OnKind)
ON_BN_CLICKED(IDC_TIMER_BROWSE, OnBrowse)
ON_BN_CLICKED(IDC_TIMER_TEST_SOUND, OnTestSound)
ON_BN_CLICKED(IDC_TIMER_STOP_SOUND, OnStopSound)
END_MESSAGE_MAP()

CEventTimerDlg::CEventTimerDlg(IAlarmActions* pSound, IAlarmSilencer* pSilencer, CWnd* pParent)
    : CDialog(IDD, pParent), m_nKind(-1), m_dtCountdown(COleDateTime::GetCurrentTime()),
      m_dtEventDate(m_dtCountdown), m_dtEventTime(m_dtCountdown), m_bDisplayMessage(FALSE),
      m_bPlaySound(FALSE), m_bSpeakMessage(FALSE), m_nStartup(0), m_bAgentInstalled(FALSE), m_pSound(pSound),
      m_pSilencer(pSilencer)
{
}

void CEventTimerDlg::LoadFrom(const CClock& timer)
{
    m_strTimerName = timer.m_strTimerName;
    m_nKind = timer.m_nClockType - 1;
    // The interval as a time of day; the picker shows only its hours, minutes and seconds.
    COleDateTime dtToday = COleDateTime::GetCurrentTime();
    m_dtCountdown.SetDateTime(dtToday.GetYear(), dtToday.GetMonth(), dtToday.GetDay(),
                              timer.m_tsInterval.GetHours(), timer.m_tsInterval.GetMinutes(),
                              timer.m_tsInterval.GetSeconds());
    if (timer.m_dtTargetTime.GetStatus() == COleDateTime::valid)
    {
        m_dtEventDate = timer.m_dtTargetTime;
        m_dtEventTime = timer.m_dtTargetTime;
    }
    m_bDisplayMessage = timer.m_bDisplayMessage;
    m_strMessage = timer.m_strMessage;
    m_bSpeakMessage = timer.m_bMessageToSpeak;
    m_bPlaySound = timer.m_bPlaySound;
    m_strSoundFile = timer.m_strSoundName;
    m_nStartup = 0;
    for (int i = 0; i < 3; i++)
        if (timer.m_nActiveTimer == kStartupBehaviour[i])
            m_nStartup = i;
}

void CEventTimerDlg::StoreTo(CClock& timer, const COleDateTime& dtNow) const
{
    timer.m_strTimerName = m_strTimerName;
    timer.m_bDisplayMessage = m_bDisplayMessage;
    timer.m_nClockType = m_nKind + 1;
    timer.m_strMessage = m_strMessage;
    timer.m_bPlaySound = m_bPlaySound;
    timer.m_bMessageToSpeak = m_bSpeakMessage;
    timer.m_strSoundName = m_strSoundFile;
    timer.m_nActiveTimer = kStartupBehaviour[(m_nStartup >= 0 && m_nStartup < 3) ? m_nStartup : 0];
    if (m_nKind == 1)
    {
        timer.m_dtTargetTime.SetDateTime(m_dtEventDate.GetYear(), m_dtEventDate.GetMonth(),
                                         m_dtEventDate.GetDay(), m_dtEventTime.GetHour(),
                                         m_dtEventTime.GetMinute(), m_dtEventTime.GetSecond());
        timer.m_nTimerState = TIMERSTATE_RUNNING;
        return;
    }
    // A countdown (or no kind chosen, which the record's type makes a countdown's neighbour): never
    // shorter than one second, and stopped until the user starts it.
    timer.m_nClockType = CLOCKTYPE_COUNTDOWN;
    COleDateTimeSpan span(0, m_dtCountdown.GetHour(), m_dtCountdown.GetMinute(), m_dtCountdown.GetSecond());
    if (span.GetTotalSeconds() < 1)
        span.SetDateTimeSpan(0, 0, 0, 1);
    timer.m_tsInterval = span;
    timer.m_dtTargetTime = dtNow + span;
    timer.m_tsRemaining = span;
    timer.m_nTimerState = TIMERSTATE_STOPPED;
}

void CEventTimerDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_TIMER_KIND, m_nKind);
    DDX_DateTimeCtrl(pDX, IDC_TIMER_COUNTDOWN, m_dtCountdown);
    DDX_DateTimeCtrl(pDX, IDC_TIMER_EVENT_DATE, m_dtEventDate);
    DDX_DateTimeCtrl(pDX, IDC_TIMER_EVENT_TIME, m_dtEventTime);
    DDX_Check(pDX, IDC_TIMER_SHOW_MESSAGE, m_bDisplayMessage);
    DDX_Check(pDX, IDC_TIMER_PLAY_SOUND, m_bPlaySound);
    DDX_Text(pDX, IDC_TIMER_MESSAGE, m_strMessage);
    DDX_Text(pDX, IDC_TIMER_SOUND_FILE, m_strSoundFile);
    DDX_Text(pDX, IDC_TIMER_NAME, m_strTimerName);
    DDX_Check(pDX, IDC_TIMER_SPEAK, m_bSpeakMessage);
    DDX_Radio(pDX, IDC_TIMER_STARTUP, m_nStartup);
}

BOOL CEventTimerDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_strEventPicture.IsEmpty())
        SendDlgItemMessage(IDC_TIMER_EVENT_TIME, DTM_SETFORMAT, 0, (LPARAM)(LPCTSTR)m_strEventPicture);
    SendDlgItemMessage(IDC_TIMER_COUNTDOWN, DTM_SETFORMAT, 0, (LPARAM) _T("HH:mm:ss"));
    static const ButtonIcon s_icons[] = {{IDC_TIMER_BROWSE, IDI_BUTTON_BROWSE},
                                         {IDC_TIMER_TEST_SOUND, IDI_BUTTON_TEST},
                                         {IDC_TIMER_STOP_SOUND, IDI_BUTTON_STOP}};
    SetButtonIcons(this, s_icons, sizeof(s_icons) / sizeof(s_icons[0]));
    UpdateData(FALSE);
    // Without a speech character nothing would speak the message; a timer that asks for it keeps
    // its choice for a computer that has one.
    GetDlgItem(IDC_TIMER_SPEAK)->EnableWindow(m_bAgentInstalled);
    UpdateMessageRule();
    UpdateSoundRule();
    UpdateKindRule();
    return TRUE;
}

void CEventTimerDlg::UpdateMessageRule()
{
    BOOL bOn = IsDlgButtonChecked(IDC_TIMER_SHOW_MESSAGE) || IsDlgButtonChecked(IDC_TIMER_SPEAK);
    GetDlgItem(IDC_TIMER_MESSAGE)->EnableWindow(bOn);
}

void CEventTimerDlg::UpdateSoundRule()
{
    BOOL bOn = IsDlgButtonChecked(IDC_TIMER_PLAY_SOUND);
    const UINT ids[] = {IDC_TIMER_BROWSE, IDC_TIMER_TEST_SOUND, IDC_TIMER_STOP_SOUND, IDC_TIMER_SOUND_FILE};
    for (UINT id : ids)
        GetDlgItem(id)->EnableWindow(bOn);
}

void CEventTimerDlg::UpdateKindRule()
{
    BOOL bCountdown = IsDlgButtonChecked(IDC_TIMER_KIND);
    BOOL bEvent = IsDlgButtonChecked(IDC_TIMER_KIND_EVENT);
    const UINT countdownIds[] = {IDC_TIMER_COUNTDOWN_LABEL, IDC_TIMER_COUNTDOWN,
                                 IDC_TIMER_STARTUP_GROUP,   IDC_TIMER_STARTUP,
                                 IDC_TIMER_STARTUP_PAUSE,   IDC_TIMER_STARTUP_UPDATE};
    for (UINT id : countdownIds)
        GetDlgItem(id)->EnableWindow(bCountdown);
    const UINT eventIds[] = {IDC_TIMER_EVENT_LABEL, IDC_TIMER_EVENT_DATE, IDC_TIMER_EVENT_TIME};
    for (UINT id : eventIds)
        GetDlgItem(id)->EnableWindow(bEvent);
}

void CEventTimerDlg::OnMessageChecks()
{
    UpdateMessageRule();
}

void CEventTimerDlg::OnPlaySound()
{
    UpdateSoundRule();
}

void CEventTimerDlg::OnKind()
{
    UpdateKindRule();
}

void CEventTimerDlg::OnBrowse()
{
    CFileDialog dlg(TRUE, _T("wav"), NULL, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                    _T("Sound files (*.wav,*.mid,*.rmi)|*.wav;*.mid;*.rmi||"), this);
    dlg.m_ofn.lpstrTitle = _T("Select Sound File");
    if (dlg.DoModal() == IDOK)
        SetDlgItemText(IDC_TIMER_SOUND_FILE, dlg.GetPathName());
}

void CEventTimerDlg::OnTestSound()
{
    CWnd* pButton = GetDlgItem(IDC_TIMER_TEST_SOUND);
    pButton->EnableWindow(FALSE);
    CString strFile;
    GetDlgItemText(IDC_TIMER_SOUND_FILE, strFile);
    if (strFile.IsEmpty())
        strFile = _T("ding");
    if (m_pSound != NULL)
        m_pSound->PlayAlarmSound(strFile);
    pButton->EnableWindow(TRUE);
}

void CEventTimerDlg::OnStopSound()
{
    if (m_pSilencer != NULL)
        m_pSilencer->StopAlarmSound();
}

// ---- Timer Format ----------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CTimerFormatDlg, CDialog)
ON_BN_CLICKED(IDC_FORMAT_BACKGROUND, OnBackground)
ON_BN_CLICKED(IDC_FORMAT_TEXT_COLOUR, OnTextColour)
ON_BN_CLICKED(IDC_FORMAT_FONT, OnFont)
END_MESSAGE_MAP()

CTimerFormatDlg::CTimerFormatDlg(COLORREF crBackground, COLORREF crText, const LOGFONT& lfFont, CWnd* pParent)
    : CDialog(IDD, pParent), m_crBackground(crBackground), m_crText(crText), m_lfFont(lfFont)
{
}

void CTimerFormatDlg::OnBackground()
{
    CColorDialog dlg(m_crBackground, CC_RGBINIT | CC_FULLOPEN, this);
    if (dlg.DoModal() == IDOK)
        m_crBackground = dlg.GetColor();
}

void CTimerFormatDlg::OnTextColour()
{
    CColorDialog dlg(m_crText, CC_RGBINIT, this);
    if (dlg.DoModal() == IDOK)
        m_crText = dlg.GetColor();
}

void CTimerFormatDlg::OnFont()
{
    LOGFONT lf = m_lfFont;
    CFontDialog dlg(&lf, CF_SCREENFONTS | CF_EFFECTS, NULL, this);
    if (dlg.DoModal() == IDOK)
        dlg.GetCurrentFont(&m_lfFont);
}
