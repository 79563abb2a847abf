// The Setup, Sound and Other Actions pages of the alarm sheet: their values, and which controls
// each check box enables.
#include "AlarmPages.h"

#include <afxcmn.h>
#include <afxdtctl.h>

#include "ButtonIcons.h"
#include "resource.h"

namespace
{
void EnableItems(CWnd* pPage, const UINT* pIds, int nCount, BOOL bEnable)
{
    for (int i = 0; i < nCount; i++)
    {
        CWnd* pItem = pPage->GetDlgItem(pIds[i]);
        if (pItem != NULL)
            pItem->EnableWindow(bEnable);
    }
}

BOOL IsChecked(CWnd* pPage, UINT nID)
{
    return pPage->IsDlgButtonChecked(nID) == BST_CHECKED;
}

// The whole path a file-open dialog gave, or an empty string when it was cancelled.
CString ChooseFile(CWnd* pParent, LPCTSTR pszFilter, LPCTSTR pszTitle)
{
    CFileDialog dlg(TRUE, NULL, NULL, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, pszFilter, pParent);
    dlg.m_ofn.lpstrTitle = pszTitle;
    if (dlg.DoModal() != IDOK)
        return CString();
    return dlg.GetPathName();
}
} // namespace

// ---- Setup ---------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CAlarmSetup, CPropertyPage)
ON_BN_CLICKED(IDC_ALARM_DISPLAY, OnClickMessage)
ON_BN_CLICKED(IDC_ALARM_SPEAK, OnClickMessage)
ON_BN_CLICKED(IDC_ALARM_REPEAT, OnClickRepeat)
END_MESSAGE_MAP()

CAlarmSetup::CAlarmSetup()
    : CPropertyPage(IDD), m_bAgentInstalled(FALSE), m_bEnabled(TRUE), m_bRemoveOnCompletion(FALSE),
      m_bRepeat(FALSE), m_nIntervalDays(0), m_dtIntervalTime(1899, 12, 30, 0, 0, 0),
      m_dtTime(1899, 12, 30, 0, 0, 0), m_bDisplayMessage(TRUE), m_bSpeakMessage(FALSE)
{
    m_dtDate = COleDateTime::GetCurrentTime();
}

void CAlarmSetup::SplitInterval()
{
    m_nIntervalDays = 0;
    m_dtIntervalTime = COleDateTime(1899, 12, 30, 0, 0, 0);
    if (m_tsInterval.GetStatus() != COleDateTimeSpan::valid || m_tsInterval.GetTotalSeconds() < 0)
        return;
    m_nIntervalDays = m_tsInterval.GetDays();
    m_dtIntervalTime = COleDateTime(1899, 12, 30, m_tsInterval.GetHours(), m_tsInterval.GetMinutes(),
                                    m_tsInterval.GetSeconds());
}

BOOL CAlarmSetup::OnInitDialog()
{
    SplitInterval();
    CPropertyPage::OnInitDialog();
    CDateTimeCtrl* pTime = (CDateTimeCtrl*)GetDlgItem(IDC_ALARM_TIME);
    if (pTime != NULL && !m_strTimeFormat.IsEmpty())
        pTime->SetFormat(m_strTimeFormat);
    CDateTimeCtrl* pInterval = (CDateTimeCtrl*)GetDlgItem(IDC_REPEAT_TIME);
    if (pInterval != NULL)
        pInterval->SetFormat(_T("HH:mm:ss"));
    CSpinButtonCtrl* pSpin = (CSpinButtonCtrl*)GetDlgItem(IDC_REPEAT_DAYS_SPIN);
    if (pSpin != NULL)
        pSpin->SetRange32(0, 9999);
    EnableControls();
    return TRUE;
}

void CAlarmSetup::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_ALARM_NAME, m_strName);
    DDX_Check(pDX, IDC_ALARM_ENABLE, m_bEnabled);
    DDX_Check(pDX, IDC_ALARM_REMOVE, m_bRemoveOnCompletion);
    DDX_Check(pDX, IDC_ALARM_REPEAT, m_bRepeat);
    DDX_Text(pDX, IDC_REPEAT_DAYS, m_nIntervalDays);
    DDX_DateTimeCtrl(pDX, IDC_REPEAT_TIME, m_dtIntervalTime);
    DDX_DateTimeCtrl(pDX, IDC_ALARM_DATE, m_dtDate);
    DDX_DateTimeCtrl(pDX, IDC_ALARM_TIME, m_dtTime);
    DDX_Check(pDX, IDC_ALARM_DISPLAY, m_bDisplayMessage);
    DDX_Text(pDX, IDC_ALARM_TEXT, m_strMessage);
    DDX_Check(pDX, IDC_ALARM_SPEAK, m_bSpeakMessage);
}

void CAlarmSetup::EnableControls()
{
    CWnd* pSpeak = GetDlgItem(IDC_ALARM_SPEAK);
    if (pSpeak != NULL)
        pSpeak->EnableWindow(m_bAgentInstalled);
    const UINT kMessage[] = {IDC_ALARM_TEXT};
    EnableItems(this, kMessage, 1, IsChecked(this, IDC_ALARM_DISPLAY) || IsChecked(this, IDC_ALARM_SPEAK));
    const UINT kInterval[] = {IDC_REPEAT_TIME,  IDC_REPEAT_DAYS, IDC_REPEAT_DAYS_SPIN,
                              IDC_REPEAT_LABEL, IDC_DAYS_LABEL,  IDC_HMS_LABEL};
    EnableItems(this, kInterval, (int)(sizeof(kInterval) / sizeof(kInterval[0])),
                IsChecked(this, IDC_ALARM_REPEAT));
}

void CAlarmSetup::OnClickMessage()
{
    EnableControls();
}

void CAlarmSetup::OnClickRepeat()
{
    EnableControls();
}

// ---- Sound ---------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CSoundSetup, CPropertyPage)
ON_BN_CLICKED(IDC_PLAY_SOUND, OnClickPlaySound)
ON_BN_CLICKED(IDC_PLAY_CD_AUDIO, OnClickPlayCd)
ON_BN_CLICKED(IDC_SOUND_BROWSE, OnBrowse)
ON_BN_CLICKED(IDC_SOUND_TEST, OnTest)
ON_BN_CLICKED(IDC_SOUND_STOP, OnStop)
ON_BN_CLICKED(IDC_CD_PLAY, OnPlayCd)
ON_BN_CLICKED(IDC_CD_STOP, OnStopCd)
END_MESSAGE_MAP()

CSoundSetup::CSoundSetup()
    : CPropertyPage(IDD), m_pOwner(NULL), m_bPlaySound(FALSE), m_strSoundFile(_T("Default Beep")),
      m_bPlayCdAudio(FALSE), m_nCdTrack(1)
{
}

BOOL CSoundSetup::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    static const ButtonIcon s_icons[] = {{IDC_SOUND_BROWSE, IDI_BUTTON_BROWSE},
                                         {IDC_SOUND_TEST, IDI_BUTTON_TEST},
                                         {IDC_SOUND_STOP, IDI_BUTTON_STOP},
                                         {IDC_CD_PLAY, IDI_BUTTON_CD_PLAY},
                                         {IDC_CD_STOP, IDI_BUTTON_CD_STOP}};
    SetButtonIcons(this, s_icons, sizeof(s_icons) / sizeof(s_icons[0]));
    CSpinButtonCtrl* pSpin = (CSpinButtonCtrl*)GetDlgItem(IDC_CD_TRACK_SPIN);
    if (pSpin != NULL)
        pSpin->SetRange32(1, 99);
    EnableControls();
    return TRUE;
}

void CSoundSetup::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_PLAY_SOUND, m_bPlaySound);
    DDX_Text(pDX, IDC_SOUND_FILE, m_strSoundFile);
    DDX_Check(pDX, IDC_PLAY_CD_AUDIO, m_bPlayCdAudio);
    DDX_Text(pDX, IDC_CD_TRACK, m_nCdTrack);
}

void CSoundSetup::EnableControls()
{
    const UINT kSound[] = {IDC_SOUND_FILE, IDC_SOUND_BROWSE, IDC_SOUND_TEST, IDC_SOUND_STOP};
    EnableItems(this, kSound, 4, IsChecked(this, IDC_PLAY_SOUND));
    const UINT kCd[] = {IDC_CD_TRACK, IDC_CD_TRACK_SPIN, IDC_CD_TRACK_LABEL, IDC_CD_PLAY, IDC_CD_STOP};
    EnableItems(this, kCd, 5, IsChecked(this, IDC_PLAY_CD_AUDIO));
}

void CSoundSetup::OnClickPlaySound()
{
    EnableControls();
}

void CSoundSetup::OnClickPlayCd()
{
    EnableControls();
    if (!IsChecked(this, IDC_PLAY_CD_AUDIO) && m_pOwner != NULL)
        m_pOwner->StopMciPlayback();
}

void CSoundSetup::OnBrowse()
{
    CString strPath =
        ChooseFile(this, _T("Sound files (*.wav,*.mid,*.rmi)|*.wav;*.mid;*.rmi||"), _T("Select Sound File"));
    if (!strPath.IsEmpty())
        SetDlgItemText(IDC_SOUND_FILE, strPath);
}

void CSoundSetup::OnTest()
{
    if (m_pOwner == NULL)
        return;
    CString strFile;
    GetDlgItemText(IDC_SOUND_FILE, strFile);
    if (strFile.IsEmpty())
        strFile = _T("ding");
    CWnd* pTest = GetDlgItem(IDC_SOUND_TEST);
    if (pTest != NULL)
        pTest->EnableWindow(FALSE);
    m_pOwner->PlayAlarmSound(strFile);
    if (pTest != NULL)
        pTest->EnableWindow(TRUE);
}

void CSoundSetup::OnStop()
{
    if (m_pOwner != NULL)
        m_pOwner->StopAlarmSound();
}

void CSoundSetup::OnPlayCd()
{
    if (m_pOwner == NULL)
        return;
    BOOL bTranslated = FALSE;
    UINT nTrack = GetDlgItemInt(IDC_CD_TRACK, &bTranslated, FALSE);
    if (bTranslated)
        m_pOwner->PlayCdTrack((int)nTrack);
}

void CSoundSetup::OnStopCd()
{
    if (m_pOwner != NULL)
        m_pOwner->StopMciPlayback();
}

// ---- Other Actions -------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CActionSetup, CPropertyPage)
ON_BN_CLICKED(IDC_RUN_APP, OnClickRunApplication)
ON_BN_CLICKED(IDC_SHUT_DOWN, OnClickShutDown)
ON_BN_CLICKED(IDC_APP_BROWSE, OnBrowse)
END_MESSAGE_MAP()

CActionSetup::CActionSetup()
    : CPropertyPage(IDD), m_bRunApplication(FALSE), m_bRunMinimised(FALSE), m_bShutDown(FALSE),
      m_nShutDownRadio(3), m_bCloseAll(FALSE)
{
}

int CActionSetup::RadioFromKind(LONG nKind)
{
    switch (nKind)
    {
    case EWX_LOGOFF:
        return 0;
    case EWX_POWEROFF:
        return 1;
    case EWX_REBOOT:
        return 2;
    }
    return 3;
}

LONG CActionSetup::KindFromRadio(int nRadio)
{
    switch (nRadio)
    {
    case 0:
        return EWX_LOGOFF;
    case 1:
        return EWX_POWEROFF;
    case 2:
        return EWX_REBOOT;
    }
    return EWX_SHUTDOWN;
}

BOOL CActionSetup::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    static const ButtonIcon s_icon = {IDC_APP_BROWSE, IDI_BUTTON_BROWSE};
    SetButtonIcons(this, &s_icon, 1);
    EnableControls();
    return TRUE;
}

void CActionSetup::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_RUN_APP, m_bRunApplication);
    DDX_Text(pDX, IDC_COMMAND_LINE, m_strCommandLine);
    DDX_Check(pDX, IDC_RUN_MINIMISED, m_bRunMinimised);
    DDX_Check(pDX, IDC_SHUT_DOWN, m_bShutDown);
    DDX_Radio(pDX, IDC_KIND_LOGOFF, m_nShutDownRadio);
    DDX_Check(pDX, IDC_CLOSE_ALL, m_bCloseAll);
}

void CActionSetup::EnableControls()
{
    const UINT kRun[] = {IDC_COMMAND_LINE, IDC_APP_BROWSE, IDC_RUN_MINIMISED};
    EnableItems(this, kRun, 3, IsChecked(this, IDC_RUN_APP));
    const UINT kShutDown[] = {IDC_KIND_LOGOFF, IDC_KIND_POWEROFF, IDC_KIND_REBOOT, IDC_KIND_SHUTDOWN,
                              IDC_CLOSE_ALL};
    EnableItems(this, kShutDown, 5, IsChecked(this, IDC_SHUT_DOWN));
}

void CActionSetup::OnClickRunApplication()
{
    EnableControls();
}

void CActionSetup::OnClickShutDown()
{
    EnableControls();
}

void CActionSetup::OnBrowse()
{
    CString strPath =
        ChooseFile(this, _T("Executable files (*.exe)|*.exe|(*.com)|*.com|(*.cmd)|*.cmd|(*.bat)|*.bat||"),
                   _T("Select Application to run"));
    if (!strPath.IsEmpty())
        SetDlgItemText(IDC_COMMAND_LINE, strPath);
}
