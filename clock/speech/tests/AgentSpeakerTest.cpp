// Speech through the character: what reaches the server for the time, alarms and synchronisation,
// quiet hours, the speaking clock's minutes, and loading beside the old character.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AgentSpeaker.h"
#include "SpeechText.h"

namespace
{
class CFakeCharacter : public IAgentCharacter
{
public:
    std::vector<std::string> calls;
    std::vector<std::string> loaded;
    BOOL bFailLoads = FALSE;

    long Load(const CString& strId, const CString& strPath) override
    {
        Add("load " + Str(strId) + " " + Str(strPath));
        if (bFailLoads)
            return (long)0x80042003;
        loaded.push_back(Str(strId));
        return 0;
    }
    void Unload(const CString& strId) override { Add("unload " + Str(strId)); }
    BOOL IsPlaced(const CString&) override { return FALSE; }
    void SetLanguage(const CString&, long) override {}
    void SetSoundEffects(const CString&, BOOL bOn) override { Add(bOn ? "effects on" : "effects off"); }
    void SetBalloonStyle(const CString&, long nStyle) override { Add("balloon " + std::to_string(nStyle)); }
    void Show(const CString& strId) override { Add("show " + Str(strId)); }
    void Hide(const CString& strId) override { Add("hide " + Str(strId)); }
    void Play(const CString&, const CString& strAnimation) override { Add("play " + Str(strAnimation)); }
    void Speak(const CString&, const CString& strText) override { Add("speak " + Str(strText)); }
    void MoveTo(const CString&, short x, short y) override
    {
        Add("move " + std::to_string(x) + " " + std::to_string(y));
    }
    BOOL IsVisible(const CString&) override { return TRUE; }
    BOOL GetVoice(const CString&, long&, long&) override { return FALSE; }
    void SetMoveSink(IAgentMoveSink*) override {}

    // The calls but sound effects, which every quiet check sets.
    std::vector<std::string> Spoken() const
    {
        std::vector<std::string> out;
        for (const std::string& s : calls)
            if (s.compare(0, 7, "effects") != 0)
                out.push_back(s);
        return out;
    }

private:
    static std::string Str(const CString& s) { return std::string((LPCTSTR)s); }
    void Add(const std::string& s) { calls.push_back(s); }
};

const std::string kVoice = "\\Vol=65535\\\\Pit=50\\\\Spd=150\\";
const std::string kWhisper = "\\Chr=\"Whisper\"\\";

struct CSpeakerFixture
{
    CSettings settings;
    CFakeCharacter character;
    CAgentSpeaker speaker{settings};

    CSpeakerFixture()
    {
        settings.m_nAgentX = 10;
        settings.m_nAgentY = 20;
        speaker.SetCharacter(&character);
        EXPECT_TRUE(speaker.LoadCharacter(_T("C:\\chars\\one.acs")));
        character.calls.clear();
    }
    void Quiet(int nStartH, int nEndH, int nType)
    {
        settings.m_dtQuietStart.SetDateTime(1899, 12, 30, nStartH, 0, 0);
        settings.m_dtQuietEnd.SetDateTime(1899, 12, 30, nEndH, 0, 0);
        settings.m_nQuietType = nType;
    }
};

COleDateTime At(int nHour, int nMinute, int nSecond = 0)
{
    return COleDateTime(2026, 12, 9, nHour, nMinute, nSecond);
}

typedef std::vector<std::string> Calls;
} // namespace

TEST(AgentSpeaker, SayTheTimeSpeaksEachTextWithTheVoiceTags)
{
    CSpeakerFixture f;
    f.speaker.SayTime(TRUE, At(13, 5));
    EXPECT_EQ(
        (Calls{"show Character1", "play RestPose",
               "speak " + kVoice + "The time is |" + kVoice + "The time is now |" + kVoice + " It is now ",
               "speak " + kVoice + "1:05.", "hide Character1"}),
        f.character.Spoken());

    // On the hour, with the date, a text after the time and the character staying on screen.
    f.character.calls.clear();
    f.settings.m_bSpeakDate = TRUE;
    f.settings.m_strPreDate = _T("Today is ");
    f.settings.m_strPreTime.Empty();
    f.settings.m_strPostTime = _T("Bye|Ciao");
    f.settings.m_bHidePostSpeech = FALSE;
    f.settings.m_bAmPm = TRUE;
    f.Quiet(3, 4, quietWhisper); // by default midnight itself is quiet
    f.speaker.SayTime(TRUE, At(0, 0));
    EXPECT_EQ((Calls{"show Character1", "play RestPose", "play Announce", "play RestPose",
                     "speak " + kVoice + "Today is ",
                     "speak " + kVoice + "Wednesday, December 9th, 2026.\\Pau=500\\",
                     "speak " + kVoice + "12  AM.\\Pau=500\\", "speak " + kVoice + "Bye|" + kVoice + "Ciao"}),
              f.character.Spoken());
}

TEST(AgentSpeaker, QuietHoursWhisperOrSilenceTheSpeakingClock)
{
    CSpeakerFixture f;
    f.Quiet(22, 7, quietWhisper);
    f.settings.m_strPreTime.Empty();
    f.speaker.SayTime(FALSE, At(23, 30));
    EXPECT_EQ((Calls{"effects off", "show Character1", "play RestPose", "speak " + kWhisper + "11:30.",
                     "hide Character1"}),
              f.character.calls);

    // Stay silent: the speaking clock says nothing, the command whispers, and so do alarms.
    f.character.calls.clear();
    f.Quiet(22, 7, quietSilent);
    f.speaker.SayTime(FALSE, At(6, 59));
    EXPECT_EQ((Calls{"effects off"}), f.character.calls);
    f.speaker.SayTime(TRUE, At(6, 59));
    EXPECT_EQ("speak " + kWhisper + "6:59.", f.character.Spoken().at(2));
    f.character.calls.clear();
    f.settings.m_strPreAlarm.Empty();
    f.speaker.SpeakAlarm(_T("Wake"), At(6, 59));
    EXPECT_EQ((Calls{"show Character1", "play RestPose", "play Announce", "play Read",
                     "speak " + kWhisper + "Wake", "play ReadReturn", "hide Character1"}),
              f.character.Spoken());

    // Outside quiet hours the effects follow the setting and the voice tags come back.
    f.character.calls.clear();
    f.speaker.SayTime(FALSE, At(12, 0));
    EXPECT_EQ("effects on", f.character.calls.at(0));
    EXPECT_EQ("speak " + kVoice + "12 O'clock.", f.character.Spoken().at(4));
}

TEST(AgentSpeaker, AlarmAndSynchronisationTextsAreSpokenAsTheyAre)
{
    CSpeakerFixture f;
    f.speaker.SpeakAlarm(_T("Pay 100% of %s|now"), At(12, 1));
    EXPECT_EQ(
        (Calls{"show Character1", "play RestPose", "play Announce",
               "speak " + kVoice + "This is an Alarm Message!|" + kVoice + "I have an Alarm Message for you!",
               "play Read", "speak " + kVoice + "Pay 100% of %s|" + kVoice + "now", "play ReadReturn",
               "hide Character1"}),
        f.character.Spoken());

    f.character.calls.clear();
    f.speaker.SpeakAlarm(_T(""), At(12, 1));
    f.speaker.AnnounceSync(At(12, 1)); // "AnnounceSync" is off by default
    EXPECT_TRUE(f.character.calls.empty());

    f.settings.m_bAnnounceSync = TRUE;
    f.settings.m_strSyncMsg = _T("Synced %d%%");
    f.speaker.AnnounceSync(At(12, 1));
    EXPECT_EQ((Calls{"show Character1", "play RestPose", "play Process", "speak " + kVoice + "Synced %d%%",
                     "hide Character1"}),
              f.character.Spoken());
}

TEST(AgentSpeaker, SpeakingClockSpeaksOnceAtEachMinuteOfItsFrequency)
{
    CSpeakerFixture f;
    f.settings.m_nTimeFreq = 3;
    f.settings.m_strPreTime.Empty();
    f.settings.m_bHidePostSpeech = FALSE;
    COleDateTime dtRef = At(9, 58);
    std::vector<std::string> said;
    for (int nSecond = 0; nSecond < 25 * 60; nSecond += 1)
    {
        COleDateTime dtNow = At(9, 58) + COleDateTimeSpan(0, 0, 0, nSecond);
        f.character.calls.clear();
        f.speaker.SpeakingClockTick(dtNow, dtRef);
        for (const std::string& s : f.character.calls)
            if (s.compare(0, 5, "speak") == 0)
                said.push_back(s);
    }
    EXPECT_EQ((Calls{"speak " + kVoice + "10 O'clock.", "speak " + kVoice + "10:10.",
                     "speak " + kVoice + "10:20."}),
              said);
    EXPECT_EQ(At(10, 22), dtRef);

    // "SpeakTime" off silences the clock but not the command; muted silences both.
    f.settings.m_bSpeakTime = FALSE;
    f.character.calls.clear();
    f.speaker.SpeakingClockTick(At(10, 30, 5), dtRef);
    EXPECT_TRUE(f.character.Spoken().empty());
    EXPECT_TRUE(f.speaker.ToggleMute());
    EXPECT_EQ((Calls{"play Confused", "play Sad"}), f.character.Spoken());
    f.character.calls.clear();
    f.speaker.SayTime(TRUE, At(10, 31));
    f.speaker.SpeakAlarm(_T("x"), At(10, 31));
    EXPECT_TRUE(f.character.calls.empty());
    EXPECT_FALSE(f.speaker.ToggleMute());
    EXPECT_EQ((Calls{"play Surprised", "play Pleased"}), f.character.Spoken());
}

TEST(AgentSpeaker, ANewCharacterLoadsBesideTheOldAndAFailedLoadKeepsIt)
{
    CSpeakerFixture f;
    EXPECT_STREQ("Character1", f.speaker.GetCurrentId());
    EXPECT_TRUE(f.speaker.LoadCharacter(_T("two.acs")));
    EXPECT_EQ((Calls{"load Character2 two.acs", "unload Character1", "move 10 20", "effects on",
                     "show Character2", "balloon 14"}),
              f.character.calls);
    EXPECT_STREQ("Character2", f.speaker.GetCurrentId());

    f.character.calls.clear();
    f.character.bFailLoads = TRUE;
    EXPECT_FALSE(f.speaker.LoadCharacter(_T("broken.acs")));
    EXPECT_EQ((Calls{"load Character1 broken.acs"}), f.character.calls);
    EXPECT_STREQ("Character2", f.speaker.GetCurrentId());
    EXPECT_FALSE(f.speaker.LoadCharacter(_T("")));

    f.character.bFailLoads = FALSE;
    f.settings.m_bBalloonText = TRUE;
    f.character.calls.clear();
    EXPECT_TRUE(f.speaker.LoadCharacter(_T("three.acs")));
    EXPECT_EQ("balloon 15", f.character.calls.back());
    EXPECT_STREQ("Character1", f.speaker.GetCurrentId());
}

TEST(AgentSpeaker, NothingReachesTheServerWithoutACharacter)
{
    CSettings settings;
    CFakeCharacter character;
    CAgentSpeaker speaker(settings);
    speaker.SetCharacter(&character);
    character.bFailLoads = TRUE;
    EXPECT_FALSE(speaker.LoadCharacter(_T("none.acs")));
    character.calls.clear();

    speaker.ShowAgent();
    speaker.HideAgent();
    speaker.PlayAnimation(_T("Wave"));
    speaker.MoveAgent(1, 2);
    speaker.AgentSpeak(_T("hello"), At(1, 0));
    speaker.SayTime(TRUE, At(1, 0));
    speaker.SpeakAlarm(_T("alarm"), At(1, 0));
    COleDateTime dtRef = At(0, 0);
    speaker.SpeakingClockTick(At(1, 0), dtRef);
    speaker.UnloadCharacter();
    EXPECT_FALSE(speaker.ToggleMute());
    EXPECT_FALSE(speaker.IsAgentVisible());
    EXPECT_TRUE(character.calls.empty());

    CAgentSpeaker noServer(settings);
    EXPECT_FALSE(noServer.LoadCharacter(_T("one.acs")));
    noServer.SayTime(TRUE, At(1, 0));
    EXPECT_FALSE(noServer.IsLoaded());
}
