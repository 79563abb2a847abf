// Alarm sounds: which files go to the sequencer, what Silence Alarm stops, the CD device's life,
// and MCI failures, against recording stand-ins of MCI and PlaySound.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AlarmSound.h"
#include "SoundServices.h"

namespace
{
class CRecordingSound : public IMciService, public IPlaySoundService
{
public:
    std::vector<std::string> log;
    BOOL bDisc = TRUE;
    MCIERROR nOpenError = 0;
    MCIDEVICEID idNext = 10;

    MCIERROR SendCommand(MCIDEVICEID id, UINT uMsg, DWORD_PTR dwFlags, DWORD_PTR dwParam) override
    {
        std::string s;
        switch (uMsg)
        {
        case MCI_OPEN: {
            MCI_OPEN_PARMSA* p = (MCI_OPEN_PARMSA*)dwParam;
            s = (dwFlags & MCI_OPEN_ELEMENT) ? std::string("open ") + p->lpstrElementName : "open cd";
            if (nOpenError != 0)
            {
                log.push_back(s + " failed");
                return nOpenError;
            }
            p->wDeviceID = idNext++;
            log.push_back(s + " as " + std::to_string(p->wDeviceID));
            return 0;
        }
        case MCI_STATUS: {
            MCI_STATUS_PARMS* p = (MCI_STATUS_PARMS*)dwParam;
            p->dwReturn = p->dwItem == MCI_STATUS_READY ? bDisc : MCI_MAKE_MSF(4, 30, 10);
            return 0;
        }
        case MCI_PLAY: {
            MCI_PLAY_PARMS* p = (MCI_PLAY_PARMS*)dwParam;
            s = "play " + std::to_string(id);
            if (dwFlags & MCI_FROM)
                s += " " + std::to_string(p->dwFrom) + "-" + std::to_string(p->dwTo);
            break;
        }
        case MCI_STOP:
            s = "stop " + std::to_string(id);
            break;
        case MCI_CLOSE:
            s = "close " + std::to_string(id);
            break;
        case MCI_SEEK:
            s = "seek " + std::to_string(id);
            break;
        case MCI_SET:
            return 0;
        }
        log.push_back(s);
        return 0;
    }
    void ShowError(MCIERROR n) override { log.push_back("error box " + std::to_string(n)); }
    BOOL PlaySound(LPCSTR psz, DWORD dwFlags) override
    {
        log.push_back(psz == NULL ? std::string("purge")
                                  : "wave " + std::string(psz) + ((dwFlags & SND_ASYNC) ? " async" : ""));
        return TRUE;
    }
};

struct CInstalled
{
    CRecordingSound rec;
    CInstalled()
    {
        SetMciService(&rec);
        SetPlaySoundService(&rec);
    }
    ~CInstalled()
    {
        SetMciService(NULL);
        SetPlaySoundService(NULL);
    }
    std::string Log() const
    {
        std::string s;
        for (const std::string& x : rec.log)
            s += (s.empty() ? "" : "; ") + x;
        return s;
    }
};
} // namespace

TEST(AlarmSound, NamesThatGoToTheSequencer)
{
    struct Case
    {
        const char* pszName;
        BOOL bMidi;
    } cases[] = {{"a.mid", TRUE},   {"B.Mid", TRUE},  {"c.rmi", TRUE},         {"d.RMI", TRUE},
                 {"e.midi", FALSE}, {"f.wav", FALSE}, {"Default Beep", FALSE}, {"id", FALSE},
                 {"", FALSE},       {"MID", TRUE}};
    for (const Case& c : cases)
        EXPECT_EQ(c.bMidi, CAlarmSound::IsMidiName(c.pszName)) << c.pszName;
}

TEST(AlarmSound, WavesMidiAndSilence)
{
    CInstalled s;
    {
        CAlarmSound sound;
        sound.PlayAlarmSound("ding");
        sound.PlayAlarmSound("one.mid");
        // A second MIDI alarm closes the first before it opens its own file.
        sound.PlayAlarmSound("two.MID");
        sound.StopAlarmSound();
    }
    EXPECT_EQ("wave ding async; open one.mid as 10; play 10; close 10; open two.MID as 11; play 11; purge; "
              "stop 11; seek 11; close 11",
              s.Log());
}

TEST(AlarmSound, AFailedMidiOpenShowsTheErrorBoxOnce)
{
    CInstalled s;
    s.rec.nOpenError = MCIERR_DEVICE_OPEN;
    CAlarmSound sound;
    sound.PlayMidiFile("x.mid");
    EXPECT_EQ("open x.mid failed; error box " + std::to_string(MCIERR_DEVICE_OPEN), s.Log());
    EXPECT_FALSE(sound.m_sequencer.IsOpen());
}

TEST(AlarmSound, TheCdDeviceIsClosedAfterItsNotifyOnFailureAndAtTheEnd)
{
    CInstalled s;
    {
        CAlarmSound sound;
        ASSERT_TRUE(sound.PlayCdTrack(3));
        EXPECT_EQ("open cd as 10; play 10 " + std::to_string(MCI_MAKE_TMSF(3, 0, 0, 0)) + "-" +
                      std::to_string(MCI_MAKE_TMSF(3, 4, 30, 10)),
                  s.Log());
        s.rec.log.clear();
        sound.StopAlarmSound();
        sound.OnMciNotify();
        EXPECT_EQ("purge; stop 10; stop 10; close 10", s.Log());
        EXPECT_FALSE(sound.m_cd.IsOpen());

        // No disc: nothing plays, nothing is shown, and the device does not stay open.
        s.rec.log.clear();
        s.rec.bDisc = FALSE;
        EXPECT_FALSE(sound.PlayCdTrack(1));
        EXPECT_EQ("open cd as 11; close 11", s.Log());

        // Still playing at the end of the program.
        s.rec.bDisc = TRUE;
        ASSERT_TRUE(sound.PlayCdTrack(2));
        s.rec.log.clear();
    }
    EXPECT_EQ("stop 12; close 12", s.Log());
}
