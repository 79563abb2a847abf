// CMainClockDlg: speech through the character. The window owns the host of the character control
// and a speaker that does the talking; these members tie them to the settings, the menus, the tray
// icon, the alarms and the clock tick.
#include "MainClockDlg.h"

#include <stdio.h>

#include "AgentHostDlg.h"
#include "ClockApp.h"
#include "PlatformServices.h"
#include "SpeechHook.h"
#include "resource.h"

namespace
{
// With the recording stand-in, VELMORA_AGENT_NOW ("YYYY-MM-DD HH:MM:SS") sets the moment speech
// takes as now when the program starts; from there its clock runs with the real one.
COleDateTimeSpan StandInClockShift()
{
    char szNow[64];
    DWORD n = ::GetEnvironmentVariableA("VELMORA_AGENT_NOW", szNow, sizeof(szNow));
    if (n == 0 || n >= sizeof(szNow))
        return COleDateTimeSpan(0, 0, 0, 0);
    int nYear, nMonth, nDay, nHour, nMinute, nSecond;
    if (sscanf(szNow, "%d-%d-%d %d:%d:%d", &nYear, &nMonth, &nDay, &nHour, &nMinute, &nSecond) != 6)
        return COleDateTimeSpan(0, 0, 0, 0);
    COleDateTime dtGiven(nYear, nMonth, nDay, nHour, nMinute, nSecond);
    if (dtGiven.GetStatus() != COleDateTime::valid)
        return COleDateTimeSpan(0, 0, 0, 0);
    return dtGiven - GetLocalNow();
}
} // namespace

void CMainClockDlg::CreateAgentHost()
{
    CClockApp* pApp = GetClockApp();
    m_pAgentHost = new CAgentHostDlg(this);
    BOOL bAgentMissing = pApp == NULL || pApp->m_bAgentMissing;
    // The stand-in takes the place of an installed server and control.
    BOOL bStandIn = IsStandInCharacterWanted();
    if ((bAgentMissing && !bStandIn) || !m_pAgentHost->CreateHost(this))
    {
        delete m_pAgentHost;
        m_pAgentHost = NULL;
        if (pApp != NULL)
            pApp->m_bAgentMissing = TRUE;
        return;
    }
    if (pApp != NULL)
        pApp->m_bAgentMissing = FALSE;
    if (m_pAgentHost->IsStandIn())
    {
        m_tsSpeechShift = StandInClockShift();
        COleDateTime dtNow = GetSpeechNow();
        m_dtSpeakRef.SetDateTime(dtNow.GetYear(), dtNow.GetMonth(), dtNow.GetDay(), dtNow.GetHour(),
                                 dtNow.GetMinute(), 0);
    }
    m_speaker.SetCharacter(m_pAgentHost->GetCharacter());
    SetAlarmSpeech(&m_speaker);
}

COleDateTime CMainClockDlg::GetSpeechNow() const
{
    return GetLocalNow() + m_tsSpeechShift;
}

CString CMainClockDlg::GetAgentFilePath() const
{
    const CString& strFile = m_settings.m_strAgentFile;
    if (strFile.IsEmpty())
        return CString();
    CString strPath = m_settings.m_strAgentPath;
    if (!strPath.IsEmpty() && strPath[strPath.GetLength() - 1] != _T('\\'))
        strPath += _T('\\');
    return strPath + strFile;
}

void CMainClockDlg::StartSpeech()
{
    if (m_pAgentHost == NULL)
    {
        // Without the character the start-up greeting has no voice: speech stays off.
        m_settings.m_bEnableAgent = FALSE;
        RefreshAgentFlags();
        return;
    }
    m_pAgentHost->SetControlFlag(FALSE);
    if (m_settings.m_bEnableAgent && !m_settings.m_strAgentFile.IsEmpty())
        LoadAgentCharacter(GetAgentFilePath());
    AgentSpeak(m_settings.m_strStartupMsg);
    if (m_settings.m_bStartupTime)
        SayTime(TRUE);
    else if (m_settings.m_bHidePostSpeech)
        HideAgent();
    RefreshAgentFlags();
}

void CMainClockDlg::StopSpeech()
{
    if (m_pAgentHost == NULL)
        return;
    m_speaker.UnloadCharacter();
    RefreshAgentFlags();
    SetAlarmSpeech(NULL);
    m_speaker.SetCharacter(NULL);
    if (m_pAgentHost->GetSafeHwnd() != NULL)
        m_pAgentHost->DestroyWindow();
    delete m_pAgentHost;
    m_pAgentHost = NULL;
}

void CMainClockDlg::RefreshAgentFlags()
{
    m_bCharLoaded = m_speaker.IsLoaded();
    m_bCharVisible = m_speaker.IsAgentVisible();
    m_bCharMuted = m_speaker.IsMuted();
    m_tray.m_bAgentMuted = m_bCharMuted;
}

BOOL CMainClockDlg::LoadAgentCharacter(const CString& strPath)
{
    BOOL bLoaded = m_speaker.LoadCharacter(strPath);
    RefreshAgentFlags();
    return bLoaded;
}

void CMainClockDlg::ShowAgent()
{
    m_speaker.ShowAgent();
    RefreshAgentFlags();
}

void CMainClockDlg::HideAgent()
{
    m_speaker.HideAgent();
    RefreshAgentFlags();
}

void CMainClockDlg::PlayAgentAnimation(LPCTSTR pszAnimation)
{
    m_speaker.PlayAnimation(pszAnimation);
}

void CMainClockDlg::MoveAgent(short x, short y)
{
    m_speaker.MoveAgent(x, y);
}

BOOL CMainClockDlg::IsAgentVisible()
{
    return m_speaker.IsAgentVisible();
}

void CMainClockDlg::AgentSpeak(const CString& strText)
{
    m_speaker.AgentSpeak(strText, GetSpeechNow());
}

void CMainClockDlg::SayTime(BOOL bForced)
{
    m_speaker.SayTime(bForced, GetSpeechNow());
    RefreshAgentFlags();
}

void CMainClockDlg::RunSpeakingClock(const COleDateTime&)
{
    SpeakingClockTick(GetSpeechNow());
}

void CMainClockDlg::SpeakingClockTick(const COleDateTime& dtNow)
{
    m_speaker.SpeakingClockTick(dtNow, m_dtSpeakRef);
}

void CMainClockDlg::OnMuteAgent()
{
    m_speaker.ToggleMute();
    RefreshAgentFlags();
}

void CMainClockDlg::AnnounceSync()
{
    m_speaker.AnnounceSync(GetSpeechNow());
    RefreshAgentFlags();
}

void CMainClockDlg::ApplyAgentOptions(BOOL bOk, const CString& strOldAgentFile, short nOldX, short nOldY)
{
    if (bOk)
    {
        if (!m_settings.m_bEnableAgent && m_speaker.IsLoaded())
            m_speaker.UnloadCharacter();
        BOOL bFileChanged = m_settings.m_strAgentFile != strOldAgentFile;
        if (!m_settings.m_strAgentFile.IsEmpty() && (bFileChanged || !m_speaker.IsLoaded()) &&
            m_settings.m_bEnableAgent)
            m_speaker.LoadCharacter(GetAgentFilePath());
    }
    if (m_settings.m_bEnableAgent)
    {
        m_settings.m_nAgentX = nOldX;
        m_settings.m_nAgentY = nOldY;
        m_speaker.MoveAgent(nOldX, nOldY);
        if (m_settings.m_bHidePostSpeech)
            m_speaker.HideAgent();
    }
    RefreshAgentFlags();
}

void CMainClockDlg::OnAgentMove(const CString&, short x, short y, short nCause)
{
    m_settings.m_nAgentX = x;
    m_settings.m_nAgentY = y;
    if (nCause == 1)
        SaveSettings();
}

void CMainClockDlg::OnCmdSayTime()
{
    SayTime(TRUE);
}

void CMainClockDlg::OnCmdMuteAgent()
{
    OnMuteAgent();
}

void CMainClockDlg::OnCmdShowAgent()
{
    ShowAgent();
}

void CMainClockDlg::OnCmdHideAgent()
{
    HideAgent();
}

void CMainClockDlg::OnUpdateAgentCommand(CCmdUI* pCmdUI)
{
    // Without a character the commands have nothing to act on; a muted one does not say the time.
    BOOL bLoaded = m_speaker.IsLoaded();
    pCmdUI->Enable(bLoaded && !(pCmdUI->m_nID == ID_SAY_TIME && m_speaker.IsMuted()));
}
