// The "Spoken Announcements" options page.
#include "SpeakingClockOptions.h"

#include <commctrl.h>

#include "resource.h"

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
