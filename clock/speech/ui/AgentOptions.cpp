// The "MS Agents" options page and its preview character.
#include "AgentOptions.h"

#include <commctrl.h>

#include "Settings.h"
#include "resource.h"

IMPLEMENT_DYNAMIC(CAgentOptions, CPropertyPage)

BEGIN_MESSAGE_MAP(CAgentOptions, CPropertyPage)
ON_BN_CLICKED(IDC_ENABLE_AGENT, OnEnableAgent)
ON_BN_CLICKED(IDC_AGENT_PREVIEW, OnPreview)
ON_BN_CLICKED(IDC_AGENT_SPEAK, OnSpeak)
ON_BN_CLICKED(IDC_HIDE_POST_SPEECH, OnHidePostSpeech)
ON_BN_CLICKED(IDC_ENABLE_EFFECTS, OnEnableEffects)
ON_BN_CLICKED(IDC_BALLOON_TEXT, OnBalloonText)
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{
const TCHAR kPreviewId[] = _T("Preview");
const long kLanguageEnglishUS = 1033;

// Every control but the "not installed" text.
const int kControls[] = {
    IDC_ENABLE_AGENT,       IDC_AGENT_FILE_LABEL, IDC_AGENT_LIST,        IDC_AGENT_PREVIEW,
    IDC_AGENT_PITCH_LABEL,  IDC_AGENT_PITCH,      IDC_AGENT_SPEED_LABEL, IDC_AGENT_SPEED,
    IDC_AGENT_VOLUME_LABEL, IDC_AGENT_VOLUME,     IDC_AGENT_TEXT_LABEL,  IDC_AGENT_TEXT,
    IDC_AGENT_SPEAK,        IDC_HIDE_POST_SPEECH, IDC_ENABLE_EFFECTS,    IDC_BALLOON_TEXT};
} // namespace

CAgentOptions::CAgentOptions()
    : CPropertyPage(IDD_AGENT_OPTIONS), m_bAgentMissing(FALSE), m_bEnableAgent(FALSE),
      m_strPreviewText(_T("Hi there. How are you today?")), m_nPitch(50), m_nSpeed(150), m_nVolume(65535),
      m_bHidePostSpeech(TRUE), m_bEnableEffects(TRUE), m_bBalloonText(FALSE), m_pCharacter(NULL)
{
    // The template holds common controls: their classes must exist before the page is made.
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
}

CAgentOptions::~CAgentOptions() {}

void CAgentOptions::LoadFrom(const CSettings& s)
{
    m_bEnableAgent = s.m_bEnableAgent;
    m_strAgentPath = s.m_strAgentPath;
    m_strAgentFile = s.m_strAgentFile;
    m_strPreviewText = s.m_strAgentPreview;
    m_nPitch = s.m_nAgentPitch;
    m_nSpeed = s.m_nAgentSpeed;
    m_nVolume = s.m_nAgentVol;
    m_bHidePostSpeech = s.m_bHidePostSpeech;
    m_bEnableEffects = s.m_bEnableEffects;
    m_bBalloonText = s.m_bBalloonText;
}

void CAgentOptions::SaveTo(CSettings& s) const
{
    s.m_strAgentPreview = m_strPreviewText;
    s.m_nAgentPitch = m_nPitch;
    s.m_nAgentSpeed = m_nSpeed;
    s.m_nAgentVol = m_nVolume;
    s.m_bEnableAgent = m_bEnableAgent;
    s.m_strAgentFile = m_strAgentFile;
    s.m_bHidePostSpeech = m_bHidePostSpeech;
    s.m_bEnableEffects = m_bEnableEffects;
    s.m_bBalloonText = m_bBalloonText;
}

void CAgentOptions::SetCharacter(IAgentCharacter* pCharacter, const CString& strCurrentId)
{
    m_pCharacter = pCharacter;
    m_strCurrentId = strCurrentId;
}

CString CAgentOptions::GetVoiceTags() const
{
    CString str;
    str.Format(_T("\\Vol=%d\\\\Pit=%d\\\\Spd=%d\\"), m_nVolume, m_nPitch, m_nSpeed);
    return str;
}

BOOL CAgentOptions::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (m_bAgentMissing)
    {
        for (int nID : kControls)
            if (CWnd* p = GetDlgItem(nID))
                p->ShowWindow(SW_HIDE);
        if (CWnd* p = GetDlgItem(IDC_AGENT_MISSING))
            p->ShowWindow(SW_SHOW);
        return TRUE;
    }
    m_ctlPitch.SetRange(25, 400, FALSE);
    m_ctlPitch.SetTicFreq(50);
    m_ctlSpeed.SetRange(50, 250, FALSE);
    m_ctlSpeed.SetTicFreq(25);
    m_ctlVolume.SetRange(1, 65535, FALSE);
    m_ctlVolume.SetTicFreq(5000);
    m_ctlPitch.SetPos(m_nPitch);
    m_ctlSpeed.SetPos(m_nSpeed);
    m_ctlVolume.SetPos(m_nVolume);
    FillList();
    EnableControls();
    return TRUE;
}

void CAgentOptions::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_AGENT_PITCH, m_ctlPitch);
    DDX_Control(pDX, IDC_AGENT_SPEED, m_ctlSpeed);
    DDX_Control(pDX, IDC_AGENT_VOLUME, m_ctlVolume);
    DDX_Check(pDX, IDC_ENABLE_AGENT, m_bEnableAgent);
    DDX_Text(pDX, IDC_AGENT_TEXT, m_strPreviewText);
    DDX_Check(pDX, IDC_HIDE_POST_SPEECH, m_bHidePostSpeech);
    DDX_Check(pDX, IDC_ENABLE_EFFECTS, m_bEnableEffects);
    DDX_Check(pDX, IDC_BALLOON_TEXT, m_bBalloonText);
    if (pDX->m_bSaveAndValidate && !m_bAgentMissing)
    {
        ReadSliders();
        CListBox* pList = (CListBox*)GetDlgItem(IDC_AGENT_LIST);
        int nSel = pList != NULL ? pList->GetCurSel() : LB_ERR;
        if (nSel != LB_ERR)
            pList->GetText(nSel, m_strAgentFile);
    }
}

void CAgentOptions::FillList()
{
    CListBox* pList = (CListBox*)GetDlgItem(IDC_AGENT_LIST);
    if (pList == NULL)
        return;
    pList->ResetContent();
    CString strFolder = m_strAgentPath;
    if (!strFolder.IsEmpty() && strFolder[strFolder.GetLength() - 1] != _T('\\'))
        strFolder += _T('\\');
    WIN32_FIND_DATA fd;
    HANDLE hFind = ::FindFirstFile(strFolder + _T("*.acs"), &fd);
    if (hFind != INVALID_HANDLE_VALUE)
    {
        do
        {
            if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                pList->AddString(fd.cFileName);
        } while (::FindNextFile(hFind, &fd));
        ::FindClose(hFind);
    }
    if (!m_strAgentFile.IsEmpty())
        pList->SelectString(-1, m_strAgentFile);
}

void CAgentOptions::EnableControls()
{
    for (int nID : kControls)
        if (nID != IDC_ENABLE_AGENT)
            if (CWnd* p = GetDlgItem(nID))
                p->EnableWindow(m_bEnableAgent);
}

void CAgentOptions::ReadSliders()
{
    if (m_ctlPitch.GetSafeHwnd() == NULL)
        return;
    m_nPitch = m_ctlPitch.GetPos();
    m_nSpeed = m_ctlSpeed.GetPos();
    m_nVolume = m_ctlVolume.GetPos();
}

void CAgentOptions::EndPreview()
{
    if (m_pCharacter != NULL && m_strPreviewId == kPreviewId)
        m_pCharacter->Unload(m_strPreviewId);
    m_strPreviewId.Empty();
}

void CAgentOptions::OnEnableAgent()
{
    m_bEnableAgent = IsDlgButtonChecked(IDC_ENABLE_AGENT);
    EnableControls();
    if (!m_bEnableAgent)
        EndPreview();
}

void CAgentOptions::OnPreview()
{
    CListBox* pList = (CListBox*)GetDlgItem(IDC_AGENT_LIST);
    int nSel = pList != NULL ? pList->GetCurSel() : LB_ERR;
    if (m_pCharacter == NULL || nSel == LB_ERR)
        return;
    CString strFile;
    pList->GetText(nSel, strFile);
    CString strPath = m_strAgentPath;
    if (!strPath.IsEmpty() && strPath[strPath.GetLength() - 1] != _T('\\'))
        strPath += _T('\\');
    strPath += strFile;

    EndPreview();
    long nResult = m_pCharacter->Load(kPreviewId, strPath);
    if (nResult == kAgentErrAlreadyLoaded && !m_strCurrentId.IsEmpty())
    {
        // The file is the clock's own character: it serves as the preview, with the page's voice.
        m_strPreviewId = m_strCurrentId;
        ReadSliders();
    }
    else if (nResult == 0)
    {
        m_strPreviewId = kPreviewId;
        long nPitch = m_nPitch, nSpeed = m_nSpeed;
        if (m_pCharacter->GetVoice(m_strPreviewId, nPitch, nSpeed))
        {
            m_nPitch = nPitch < 50 ? 60 : (int)nPitch;
            m_nSpeed = nSpeed < 100 ? 175 : (int)nSpeed;
        }
        m_nVolume = 65535;
        m_ctlPitch.SetPos(m_nPitch);
        m_ctlSpeed.SetPos(m_nSpeed);
        m_ctlVolume.SetPos(m_nVolume);
    }
    else
        return;

    m_pCharacter->SetLanguage(m_strPreviewId, kLanguageEnglishUS);
    CRect rc;
    CWnd* pSheet = GetParent() != NULL ? GetParent() : this;
    pSheet->GetWindowRect(&rc);
    m_pCharacter->MoveTo(m_strPreviewId, (short)rc.right, (short)rc.top);
    m_pCharacter->Show(m_strPreviewId);
    m_pCharacter->Play(m_strPreviewId, _T("Greet"));
    m_pCharacter->Play(m_strPreviewId, _T("RestPose"));
    OnSpeak();
}

void CAgentOptions::OnSpeak()
{
    if (m_pCharacter == NULL || m_strPreviewId.IsEmpty())
        return;
    ReadSliders();
    CString strText;
    GetDlgItemText(IDC_AGENT_TEXT, strText);
    m_pCharacter->Speak(m_strPreviewId, GetVoiceTags() + strText);
}

void CAgentOptions::SayAboutCheck(int nIDC, LPCTSTR pszLead, LPCTSTR pszOn, LPCTSTR pszOff)
{
    if (m_pCharacter == NULL || m_strPreviewId.IsEmpty())
        return;
    ReadSliders();
    CString strText = pszLead;
    strText += IsDlgButtonChecked(nIDC) ? pszOn : pszOff;
    m_pCharacter->Play(m_strPreviewId, _T("GetAttention"));
    m_pCharacter->Speak(m_strPreviewId, GetVoiceTags() + strText);
    m_pCharacter->Play(m_strPreviewId, _T("GetAttentionReturn"));
}

void CAgentOptions::OnHidePostSpeech()
{
    SayAboutCheck(IDC_HIDE_POST_SPEECH, _T("After speaking, I will "), _T("hide!"), _T("stay on screen!"));
}

void CAgentOptions::OnEnableEffects()
{
    SayAboutCheck(IDC_ENABLE_EFFECTS, _T("The sound effects are now "), _T("on!"), _T("off!"));
}

void CAgentOptions::OnBalloonText()
{
    SayAboutCheck(IDC_BALLOON_TEXT, _T("My speech will "), _T("be shown in a balloon!"),
                  _T("not be shown in a balloon!"));
}

void CAgentOptions::OnDestroy()
{
    EndPreview();
    CPropertyPage::OnDestroy();
}
