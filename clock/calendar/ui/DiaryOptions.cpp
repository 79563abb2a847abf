// CDiaryOptions: the page plays its test sound itself, as the system's sound of a file.
#include "DiaryOptions.h"

#include <mmsystem.h>

#include "ButtonIcons.h"
#include "Settings.h"
#include "SoundServices.h"

BEGIN_MESSAGE_MAP(CDiaryOptions, CPropertyPage)
ON_BN_CLICKED(IDC_DIARYOPT_PLAY_SOUND, OnPlaySound)
ON_BN_CLICKED(IDC_DIARYOPT_BROWSE, OnBrowse)
ON_BN_CLICKED(IDC_DIARYOPT_TEST_SOUND, OnTestSound)
ON_BN_CLICKED(IDC_DIARYOPT_STOP_SOUND, OnStopSound)
END_MESSAGE_MAP()

CDiaryOptions::CDiaryOptions()
    : CPropertyPage(IDD), m_bPlaySound(TRUE), m_strSoundFile(_T("Cuckoo")), m_bDeleteReminder(FALSE)
{
}

void CDiaryOptions::LoadFrom(const CSettings& s)
{
    m_bPlaySound = s.m_bDefPlayRemSound;
    m_strSoundFile = s.m_strDefRemSound;
    m_bDeleteReminder = s.m_bDeleteReminder;
}

void CDiaryOptions::SaveTo(CSettings& s) const
{
    s.m_bDefPlayRemSound = m_bPlaySound;
    s.m_strDefRemSound = m_strSoundFile;
    s.m_bDeleteReminder = m_bDeleteReminder;
}

void CDiaryOptions::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_DIARYOPT_PLAY_SOUND, m_bPlaySound);
    DDX_Text(pDX, IDC_DIARYOPT_SOUND_FILE, m_strSoundFile);
    DDX_Check(pDX, IDC_DIARYOPT_DELETE, m_bDeleteReminder);
}

BOOL CDiaryOptions::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    static const ButtonIcon s_icons[] = {{IDC_DIARYOPT_BROWSE, IDI_BUTTON_BROWSE},
                                         {IDC_DIARYOPT_TEST_SOUND, IDI_BUTTON_TEST},
                                         {IDC_DIARYOPT_STOP_SOUND, IDI_BUTTON_STOP}};
    SetButtonIcons(this, s_icons, sizeof(s_icons) / sizeof(s_icons[0]));
    UpdateSoundRule();
    return TRUE;
}

void CDiaryOptions::UpdateSoundRule()
{
    BOOL bOn = IsDlgButtonChecked(IDC_DIARYOPT_PLAY_SOUND);
    const UINT ids[] = {IDC_DIARYOPT_SOUND_FILE, IDC_DIARYOPT_BROWSE, IDC_DIARYOPT_TEST_SOUND,
                        IDC_DIARYOPT_STOP_SOUND};
    for (UINT id : ids)
        GetDlgItem(id)->EnableWindow(bOn);
}

void CDiaryOptions::OnPlaySound()
{
    UpdateSoundRule();
}

void CDiaryOptions::OnBrowse()
{
    CFileDialog dlg(TRUE, NULL, NULL, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, _T("Wave files (*.wav) |*.wav||"),
                    this);
    dlg.m_ofn.lpstrTitle = _T("Select Sound File");
    if (dlg.DoModal() == IDOK)
        SetDlgItemText(IDC_DIARYOPT_SOUND_FILE, dlg.GetPathName());
}

void CDiaryOptions::OnTestSound()
{
    CString strFile;
    GetDlgItemText(IDC_DIARYOPT_SOUND_FILE, strFile);
    if (strFile.IsEmpty())
        strFile = _T("ding");
    GetPlaySoundService().PlaySound(strFile, SND_FILENAME | SND_ASYNC);
}

void CDiaryOptions::OnStopSound()
{
    GetPlaySoundService().PlaySound(NULL, SND_PURGE);
}
