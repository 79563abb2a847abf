// The "Spoken Announcements" options page.
#include "SpeakingClockOptions.h"

#include <commctrl.h>

#include "Settings.h"
#include "resource.h"

namespace
{
// The quiet hours are times of day on 1899-12-30, whatever date the picker or the registry gave.
COleDateTime TimeOfDay(const COleDateTime& dt)
{
    return COleDateTime(1899, 12, 30, dt.GetHour(), dt.GetMinute(), dt.GetSecond());
}
} // namespace

IMPLEMENT_DYNAMIC(CSpeakingClockOptions, CPropertyPage)

BEGIN_MESSAGE_MAP(CSpeakingClockOptions, CPropertyPage)
END_MESSAGE_MAP()

CSpeakingClockOptions::CSpeakingClockOptions()
    : CPropertyPage(IDD_SPEAKING_OPTIONS), m_bSpeakTime(TRUE), m_nTimeFreq(0),
      m_dtQuietStart(1899, 12, 30, 0, 0, 0), m_dtQuietEnd(1899, 12, 30, 0, 0, 0), m_nQuietType(1),
      m_bSpeakDate(FALSE), m_bAmPm(FALSE), m_bStartupTime(TRUE)
{
    // The template holds common controls: their classes must exist before the page is made.
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_DATE_CLASSES};
    ::InitCommonControlsEx(&icc);
}

void CSpeakingClockOptions::LoadFrom(const CSettings& s)
{
    m_bSpeakTime = s.m_bSpeakTime;
    m_nTimeFreq = s.m_nTimeFreq;
    m_dtQuietStart = TimeOfDay(s.m_dtQuietStart);
    m_dtQuietEnd = TimeOfDay(s.m_dtQuietEnd);
    m_nQuietType = s.m_nQuietType;
    m_bSpeakDate = s.m_bSpeakDate;
    m_strPreDate = s.m_strPreDate;
    m_strPreTime = s.m_strPreTime;
    m_strPreAlarm = s.m_strPreAlarm;
    m_strStartupMsg = s.m_strStartupMsg;
    m_strPostTime = s.m_strPostTime;
    m_bAmPm = s.m_bAmPm;
    m_bStartupTime = s.m_bStartupTime;
}

void CSpeakingClockOptions::SaveTo(CSettings& s) const
{
    s.m_bSpeakDate = m_bSpeakDate;
    s.m_bSpeakTime = m_bSpeakTime;
    s.m_nQuietType = m_nQuietType;
    s.m_nTimeFreq = m_nTimeFreq;
    s.m_dtQuietStart = TimeOfDay(m_dtQuietStart);
    s.m_dtQuietEnd = TimeOfDay(m_dtQuietEnd);
    s.m_strPreAlarm = m_strPreAlarm;
    s.m_strPreDate = m_strPreDate;
    s.m_strPreTime = m_strPreTime;
    s.m_strStartupMsg = m_strStartupMsg;
    s.m_strPostTime = m_strPostTime;
    s.m_bAmPm = m_bAmPm;
    s.m_bStartupTime = m_bStartupTime;
}

BOOL CSpeakingClockOptions::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_ctlQuietStart.SetFormat(_T("HH:mm"));
    m_ctlQuietEnd.SetFormat(_T("HH:mm"));
    return TRUE;
}

void CSpeakingClockOptions::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_QUIET_START, m_ctlQuietStart);
    DDX_Control(pDX, IDC_QUIET_END, m_ctlQuietEnd);
    DDX_Check(pDX, IDC_SPEAK_TIME, m_bSpeakTime);
    DDX_Radio(pDX, IDC_FREQ_HOUR, m_nTimeFreq);
    DDX_DateTimeCtrl(pDX, IDC_QUIET_START, m_dtQuietStart);
    DDX_DateTimeCtrl(pDX, IDC_QUIET_END, m_dtQuietEnd);
    DDX_Radio(pDX, IDC_QUIET_NORMAL, m_nQuietType);
    DDX_Check(pDX, IDC_SPEAK_DATE, m_bSpeakDate);
    DDX_Text(pDX, IDC_PRE_DATE, m_strPreDate);
    DDX_Text(pDX, IDC_PRE_TIME, m_strPreTime);
    DDX_Text(pDX, IDC_PRE_ALARM, m_strPreAlarm);
    DDX_Text(pDX, IDC_STARTUP_MSG, m_strStartupMsg);
    DDX_Text(pDX, IDC_POST_TIME, m_strPostTime);
    DDX_Check(pDX, IDC_SAY_AMPM, m_bAmPm);
    DDX_Check(pDX, IDC_STARTUP_TIME, m_bStartupTime);
    if (pDX->m_bSaveAndValidate)
    {
        // Only the time of day counts.
        m_dtQuietStart.SetDateTime(1899, 12, 30, m_dtQuietStart.GetHour(), m_dtQuietStart.GetMinute(), 0);
        m_dtQuietEnd.SetDateTime(1899, 12, 30, m_dtQuietEnd.GetHour(), m_dtQuietEnd.GetMinute(), 0);
    }
}
