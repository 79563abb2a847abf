// The clock's speech through its character.
#include "AgentSpeaker.h"

#include "SpeechText.h"

namespace
{
const long kLanguageEnglishUS = 1033;
// Balloon style bits: 2 size to text, 4 auto hide, 8 auto pace; 1 shows the balloon.
const long kBalloonBase = 14;
const long kBalloonOn = 1;
} // namespace

CAgentSpeaker::CAgentSpeaker(const CSettings& settings)
    : m_settings(settings), m_pCharacter(NULL), m_bMuted(FALSE)
{
}

void CAgentSpeaker::SetCharacter(IAgentCharacter* pCharacter)
{
    m_pCharacter = pCharacter;
    m_strCurrent.Empty();
}

BOOL CAgentSpeaker::LoadCharacter(const CString& strPath)
{
    if (m_pCharacter == NULL || strPath.IsEmpty())
        return FALSE;
    CString strId = m_strCurrent == _T("Character1") ? _T("Character2") : _T("Character1");
    if (m_pCharacter->Load(strId, strPath) != 0)
        return FALSE;
    if (!m_strCurrent.IsEmpty())
        m_pCharacter->Unload(m_strCurrent);
    m_strCurrent = strId;

    m_pCharacter->SetLanguage(strId, kLanguageEnglishUS);
    if (!m_pCharacter->IsPlaced(strId))
        m_pCharacter->MoveTo(strId, m_settings.m_nAgentX, m_settings.m_nAgentY);
    m_pCharacter->SetSoundEffects(strId, m_settings.m_bEnableEffects);
    m_pCharacter->Show(strId);
    m_pCharacter->SetBalloonStyle(strId, kBalloonBase + (m_settings.m_bBalloonText ? kBalloonOn : 0));
    return TRUE;
}

void CAgentSpeaker::UnloadCharacter()
{
    if (!IsLoaded())
        return;
    m_pCharacter->Unload(m_strCurrent);
    m_strCurrent.Empty();
}

void CAgentSpeaker::ShowAgent()
{
    if (!IsLoaded())
        return;
    m_pCharacter->Show(m_strCurrent);
    m_pCharacter->Play(m_strCurrent, _T("RestPose"));
}

void CAgentSpeaker::HideAgent()
{
    if (IsLoaded())
        m_pCharacter->Hide(m_strCurrent);
}

void CAgentSpeaker::PlayAnimation(LPCTSTR pszAnimation)
{
    if (IsLoaded())
        m_pCharacter->Play(m_strCurrent, pszAnimation);
}

void CAgentSpeaker::MoveAgent(short x, short y)
{
    if (IsLoaded())
        m_pCharacter->MoveTo(m_strCurrent, x, y);
}

BOOL CAgentSpeaker::IsAgentVisible()
{
    return IsLoaded() && m_pCharacter->IsVisible(m_strCurrent);
}

int CAgentSpeaker::QuietCheck(const COleDateTime& dtNow)
{
    if (IsQuietTime(dtNow, m_settings.m_dtQuietStart, m_settings.m_dtQuietEnd))
    {
        if (IsLoaded())
            m_pCharacter->SetSoundEffects(m_strCurrent, FALSE);
        return m_settings.m_nQuietType;
    }
    if (IsLoaded())
        m_pCharacter->SetSoundEffects(m_strCurrent, m_settings.m_bEnableEffects);
    return quietNone;
}

CString CAgentSpeaker::Prefix(int nQuiet) const
{
    return VoicePrefix(nQuiet, m_settings.m_nAgentVol, m_settings.m_nAgentPitch, m_settings.m_nAgentSpeed);
}

void CAgentSpeaker::AgentSpeak(const CString& strText, const COleDateTime& dtNow)
{
    if (!IsLoaded() || strText.IsEmpty())
        return;
    int nQuiet = QuietCheck(dtNow);
    m_pCharacter->Speak(m_strCurrent, WithAlternatives(strText, Prefix(nQuiet)));
}

void CAgentSpeaker::SpeakAlarm(const CString& strMessage, const COleDateTime& dtNow)
{
    if (!IsLoaded() || m_bMuted || strMessage.IsEmpty())
        return;
    QuietCheck(dtNow);
    ShowAgent();
    PlayAnimation(_T("Announce"));
    if (!m_settings.m_strPreAlarm.IsEmpty())
        AgentSpeak(m_settings.m_strPreAlarm, dtNow);
    PlayAnimation(_T("Read"));
    AgentSpeak(strMessage, dtNow);
    PlayAnimation(_T("ReadReturn"));
    if (m_settings.m_bHidePostSpeech)
        HideAgent();
}

void CAgentSpeaker::AnnounceAlarm(const CString& strMessage, const COleDateTime& dtNow)
{
    SpeakAlarm(strMessage, dtNow);
}

void CAgentSpeaker::SayTime(BOOL bForced, const COleDateTime& dtNow)
{
    if (!IsLoaded() || m_bMuted)
        return;
    if (!bForced && !m_settings.m_bSpeakTime)
        return;
    int nQuiet = QuietCheck(dtNow);
    if (nQuiet == quietSilent)
    {
        if (!bForced)
            return;
        nQuiet = quietWhisper;
    }

    ShowAgent();
    if (dtNow.GetMinute() == 0)
    {
        PlayAnimation(_T("Announce"));
        PlayAnimation(_T("RestPose"));
    }
    CString strPrefix = Prefix(nQuiet);

    if (m_settings.m_bSpeakDate)
    {
        if (!m_settings.m_strPreDate.IsEmpty())
            m_pCharacter->Speak(m_strCurrent, WithAlternatives(m_settings.m_strPreDate, strPrefix));
        m_pCharacter->Speak(m_strCurrent, strPrefix + SpokenDate(dtNow));
    }
    if (!m_settings.m_strPreTime.IsEmpty())
        m_pCharacter->Speak(m_strCurrent, WithAlternatives(m_settings.m_strPreTime, strPrefix));

    CString strTime = strPrefix + SpokenTime(dtNow, m_settings.m_bAmPm);
    if (!m_settings.m_strPostTime.IsEmpty())
        strTime += _T("\\Pau=500\\");
    m_pCharacter->Speak(m_strCurrent, strTime);
    if (!m_settings.m_strPostTime.IsEmpty())
        m_pCharacter->Speak(m_strCurrent, WithAlternatives(m_settings.m_strPostTime, strPrefix));

    if (m_settings.m_bHidePostSpeech)
        HideAgent();
}

void CAgentSpeaker::SpeakingClockTick(const COleDateTime& dtNow, COleDateTime& dtMinuteRef)
{
    COleDateTimeSpan span = dtNow - dtMinuteRef;
    if ((long)span.GetTotalSeconds() < 60)
        return;
    dtMinuteRef.SetDateTime(dtNow.GetYear(), dtNow.GetMonth(), dtNow.GetDay(), dtNow.GetHour(),
                            dtNow.GetMinute(), 0);
    if (IsLoaded() && MinuteFitsFrequency(dtNow.GetMinute(), m_settings.m_nTimeFreq))
        SayTime(FALSE, dtNow);
}

void CAgentSpeaker::AnnounceSync(const COleDateTime& dtNow)
{
    if (!IsLoaded() || m_bMuted || !m_settings.m_bAnnounceSync)
        return;
    ShowAgent();
    PlayAnimation(_T("Process"));
    AgentSpeak(m_settings.m_strSyncMsg, dtNow);
    if (m_settings.m_bSyncTime)
        SayTime(FALSE, dtNow);
    else if (m_settings.m_bHidePostSpeech)
        HideAgent();
}

BOOL CAgentSpeaker::ToggleMute()
{
    if (!IsLoaded())
        return m_bMuted;
    m_bMuted = !m_bMuted;
    if (m_bMuted)
    {
        PlayAnimation(_T("Confused"));
        PlayAnimation(_T("Sad"));
    }
    else
    {
        PlayAnimation(_T("Surprised"));
        PlayAnimation(_T("Pleased"));
    }
    return m_bMuted;
}
