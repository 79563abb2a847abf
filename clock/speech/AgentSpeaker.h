// CAgentSpeaker: everything the clock says through its speech character. It loads the character
// under one of two ids so that a new one can load beside the old, and speaks the time, alarms,
// greetings and synchronisation results with the voice tags and quiet hours of the settings.
// Every operation does nothing while no character is loaded.
#ifndef VELMORA_AGENTSPEAKER_H
#define VELMORA_AGENTSPEAKER_H

#include <afx.h>
#include <afxdisp.h>

#include "AgentCharacter.h"
#include "Settings.h"
#include "SpeechHook.h"

class CAgentSpeaker : public IAlarmSpeech
{
public:
    // The settings are read at every call; both outlive the speaker.
    explicit CAgentSpeaker(const CSettings& settings);

    // The character server, or null when there is none (the Agent is missing). The caller keeps
    // ownership; a change drops the current character without unloading it.
    void SetCharacter(IAgentCharacter* pCharacter);
    IAgentCharacter* GetCharacter() const { return m_pCharacter; }

    BOOL IsLoaded() const { return m_pCharacter != NULL && !m_strCurrent.IsEmpty(); }
    // "Character1", "Character2", or empty.
    const CString& GetCurrentId() const { return m_strCurrent; }
    BOOL IsMuted() const { return m_bMuted; }

    // Loads and shows the character file; a file that does not load leaves the old character.
    // TRUE when the new character is loaded.
    BOOL LoadCharacter(const CString& strPath);
    // Unloads the current character.
    void UnloadCharacter();

    void ShowAgent();
    void HideAgent();
    void PlayAnimation(LPCTSTR pszAnimation);
    void MoveAgent(short x, short y);
    BOOL IsAgentVisible();

    // The quiet check: sets the sound effects and returns quietNone outside quiet hours, else
    // "QuietType".
    int QuietCheck(const COleDateTime& dtNow);
    // Speaks a text with its voice tags; empty text says nothing.
    void AgentSpeak(const CString& strText, const COleDateTime& dtNow);
    // The alarm announcement (nothing when muted or for an empty message).
    void SpeakAlarm(const CString& strMessage, const COleDateTime& dtNow);
    // Announces the time (and the date); bForced for the user's command, which whispers where the
    // speaking clock stays silent.
    void SayTime(BOOL bForced, const COleDateTime& dtNow);
    // Every tick: at each new minute that fits "TimeFreq" the time is said. dtMinuteRef is the
    // start of the minute of the last check, moved on here.
    void SpeakingClockTick(const COleDateTime& dtNow, COleDateTime& dtMinuteRef);
    // A successful synchronisation, when "AnnounceSync" is on: "SyncMsg", then the time when
    // "SyncTime" is on (not forced). Nothing while muted.
    void AnnounceSync(const COleDateTime& dtNow);
    // Flips the mute flag with the character's reaction; returns the new flag.
    BOOL ToggleMute();

    // IAlarmSpeech
    void AnnounceAlarm(const CString& strMessage, const COleDateTime& dtNow) override;

private:
    const CSettings& m_settings;
    IAgentCharacter* m_pCharacter;
    CString m_strCurrent;
    BOOL m_bMuted;

    CString Prefix(int nQuiet) const;
};

#endif // VELMORA_AGENTSPEAKER_H
