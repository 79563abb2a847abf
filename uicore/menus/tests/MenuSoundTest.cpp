// The menu-sound worker: started by the first request, fed through the request word, stopped and
// waited for, and never started while sounds are off; a tool bar's command asks for its sound.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "DemoIds.h"
#include "ORXExtrasHooks.h"
#include "ORXMenuSound.h"
#include "ORXToolBar.h"
#include "TestSupport.h"
#include "TestWindows.h"

namespace
{
// Records the worker's sounds; can hold the worker inside a sound until released.
class RecordingPlayer : public IORXMenuSoundPlayer
{
public:
    struct Sound
    {
        std::string strName; // empty for a purge
        DWORD dwFlags;
    };
    RecordingPlayer()
    {
        ::InitializeCriticalSection(&m_cs);
        m_hEntered = ::CreateEvent(NULL, FALSE, FALSE, NULL);
        m_hRelease = ::CreateEvent(NULL, TRUE, TRUE, NULL);
    }
    ~RecordingPlayer()
    {
        ::CloseHandle(m_hEntered);
        ::CloseHandle(m_hRelease);
        ::DeleteCriticalSection(&m_cs);
    }
    BOOL PlaySound(LPCSTR pszSound, DWORD dwFlags) override
    {
        ::EnterCriticalSection(&m_cs);
        m_sounds.push_back({pszSound != NULL ? pszSound : "", dwFlags});
        ::LeaveCriticalSection(&m_cs);
        if (pszSound != NULL)
        {
            ::SetEvent(m_hEntered);
            ::WaitForSingleObject(m_hRelease, 10000);
        }
        return TRUE;
    }
    std::vector<Sound> Sounds()
    {
        ::EnterCriticalSection(&m_cs);
        std::vector<Sound> sounds = m_sounds;
        ::LeaveCriticalSection(&m_cs);
        return sounds;
    }
    std::vector<std::string> Names()
    {
        std::vector<std::string> names;
        for (const Sound& s : Sounds())
            names.push_back(s.strName);
        return names;
    }
    // Waits until the worker has asked for n sounds (purges not counted).
    bool WaitForSounds(size_t n)
    {
        for (int i = 0; i < 400; i++)
        {
            size_t nPlayed = 0;
            for (const Sound& s : Sounds())
                if (!s.strName.empty())
                    nPlayed++;
            if (nPlayed >= n)
                return true;
            ::Sleep(5);
        }
        return false;
    }
    void Hold() { ::ResetEvent(m_hRelease); }
    void Release() { ::SetEvent(m_hRelease); }
    bool WaitEntered() { return ::WaitForSingleObject(m_hEntered, 5000) == WAIT_OBJECT_0; }

private:
    CRITICAL_SECTION m_cs;
    std::vector<Sound> m_sounds;
    HANDLE m_hEntered;
    HANDLE m_hRelease;
};

// Releases the player from another thread after a while.
struct DelayedRelease
{
    RecordingPlayer* pPlayer;
    DWORD dwDelay;
    static DWORD WINAPI Run(LPVOID pParam)
    {
        DelayedRelease* p = (DelayedRelease*)pParam;
        ::Sleep(p->dwDelay);
        p->pPlayer->Release();
        return 0;
    }
};

HANDLE DuplicateWorker()
{
    HANDLE hDup = NULL;
    ::DuplicateHandle(::GetCurrentProcess(), CORXMenuSound::GetThreadHandle(), ::GetCurrentProcess(), &hDup,
                      0, FALSE, DUPLICATE_SAME_ACCESS);
    return hDup;
}

class MenuSoundTest : public ::testing::Test
{
protected:
    void SetUp() override { CORXMenuSound::SetPlayer(&m_player); }
    void TearDown() override
    {
        m_player.Release();
        PlayMenuSound(CORXMenuSound::StateStop);
        CORXMenuSound::EnableMenuSound(TRUE);
        CORXMenuSound::SetPlayer(NULL);
    }
    RecordingPlayer m_player;
};
} // namespace

TEST_F(MenuSoundTest, TheFirstRequestStartsTheWorkerAndLaterOnesOnlyChangeTheState)
{
    ASSERT_EQ(CORXMenuSound::StateNoThread, CORXMenuSound::GetState());
    PlayMenuSound(CORXMenuSound::StatePopup);
    HANDLE hThread = CORXMenuSound::GetThreadHandle();
    ASSERT_NE((HANDLE)NULL, hThread);
    EXPECT_EQ(THREAD_PRIORITY_BELOW_NORMAL, ::GetThreadPriority(hThread));
    ASSERT_TRUE(m_player.WaitForSounds(1));

    PlayMenuSound(CORXMenuSound::StateCommand);
    EXPECT_EQ(hThread, CORXMenuSound::GetThreadHandle());
    ASSERT_TRUE(m_player.WaitForSounds(2));
    std::vector<RecordingPlayer::Sound> sounds = m_player.Sounds();
    EXPECT_EQ("MenuPopup", sounds[0].strName);
    EXPECT_EQ("MenuCommand", sounds[1].strName);
    EXPECT_EQ(0x12002u, sounds[0].dwFlags);
    EXPECT_EQ(0x12002u, sounds[1].dwFlags);
    for (int i = 0; i < 200 && CORXMenuSound::GetState() != CORXMenuSound::StateIdle; i++)
        ::Sleep(5);
    EXPECT_EQ(CORXMenuSound::StateIdle, CORXMenuSound::GetState());

    // Unknown requests are ignored.
    PlayMenuSound(7);
    EXPECT_EQ(CORXMenuSound::StateIdle, CORXMenuSound::GetState());
}

TEST_F(MenuSoundTest, StopEndsTheWorkerBeforeItsHandleGoesAndANewRequestStartsAnother)
{
    PlayMenuSound(CORXMenuSound::StateCommand);
    ASSERT_TRUE(m_player.WaitForSounds(1));
    HANDLE hWorker = DuplicateWorker();
    ASSERT_NE((HANDLE)NULL, hWorker);

    PlayMenuSound(CORXMenuSound::StateStop);
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hWorker, 0)) << "the stop waited for the worker";
    ::CloseHandle(hWorker);
    EXPECT_EQ((HANDLE)NULL, CORXMenuSound::GetThreadHandle());
    EXPECT_EQ(CORXMenuSound::StateNoThread, CORXMenuSound::GetState());
    std::vector<RecordingPlayer::Sound> sounds = m_player.Sounds();
    ASSERT_FALSE(sounds.empty());
    EXPECT_EQ("", sounds.back().strName);
    EXPECT_EQ((DWORD)SND_PURGE, sounds.back().dwFlags);

    PlayMenuSound(CORXMenuSound::StateStop); // a second stop finds nothing
    PlayMenuSound(CORXMenuSound::StatePopup);
    EXPECT_NE((HANDLE)NULL, CORXMenuSound::GetThreadHandle());
    EXPECT_TRUE(m_player.WaitForSounds(2));
}

TEST_F(MenuSoundTest, AStopOrANewRequestGivenDuringASoundIsNotLost)
{
    m_player.Hold();
    PlayMenuSound(CORXMenuSound::StateCommand);
    ASSERT_TRUE(m_player.WaitEntered());
    PlayMenuSound(CORXMenuSound::StatePopup); // while the command sound plays
    m_player.Release();
    ASSERT_TRUE(m_player.WaitForSounds(2));
    EXPECT_EQ("MenuPopup", m_player.Names()[1]);

    m_player.Hold();
    PlayMenuSound(CORXMenuSound::StateCommand);
    ASSERT_TRUE(m_player.WaitEntered());
    HANDLE hWorker = DuplicateWorker();
    DelayedRelease release = {&m_player, 200};
    HANDLE hReleaser = ::CreateThread(NULL, 0, &DelayedRelease::Run, &release, 0, NULL);
    PlayMenuSound(CORXMenuSound::StateStop); // given while the sound plays
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hWorker, 0)) << "the worker kept the stop and ended";
    EXPECT_EQ(CORXMenuSound::StateNoThread, CORXMenuSound::GetState());
    ::WaitForSingleObject(hReleaser, 5000);
    ::CloseHandle(hReleaser);
    ::CloseHandle(hWorker);
}

TEST_F(MenuSoundTest, AStopThatTimesOutStartsNoSecondWorkerUntilTheFirstHasEnded)
{
    m_player.Hold();
    PlayMenuSound(CORXMenuSound::StateCommand);
    ASSERT_TRUE(m_player.WaitEntered());
    HANDLE hWorker = DuplicateWorker();
    DWORD dwStart = ::GetTickCount();
    PlayMenuSound(CORXMenuSound::StateStop);
    EXPECT_LT(::GetTickCount() - dwStart, CORXMenuSound::kStopWaitMs + 2000) << "the wait is bounded";
    EXPECT_EQ((HANDLE)NULL, CORXMenuSound::GetThreadHandle());
    EXPECT_EQ(WAIT_TIMEOUT, ::WaitForSingleObject(hWorker, 0));

    PlayMenuSound(CORXMenuSound::StatePopup);
    EXPECT_EQ((HANDLE)NULL, CORXMenuSound::GetThreadHandle()) << "no second worker beside the first";

    m_player.Release();
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hWorker, 5000)) << "the first worker kept its stop";
    ::CloseHandle(hWorker);
    PlayMenuSound(CORXMenuSound::StatePopup);
    EXPECT_NE((HANDLE)NULL, CORXMenuSound::GetThreadHandle());
    EXPECT_TRUE(m_player.WaitForSounds(2));
}

TEST_F(MenuSoundTest, WithSoundsOffNoThreadIsStartedButAStopStillEndsARunningWorker)
{
    CORXMenuSound::EnableMenuSound(FALSE);
    PlayMenuSound(CORXMenuSound::StatePopup);
    PlayMenuSound(CORXMenuSound::StateCommand);
    EXPECT_EQ((HANDLE)NULL, CORXMenuSound::GetThreadHandle());
    EXPECT_EQ(CORXMenuSound::StateNoThread, CORXMenuSound::GetState());
    ::Sleep(50);
    EXPECT_TRUE(m_player.Sounds().empty());

    CORXMenuSound::EnableMenuSound(TRUE);
    PlayMenuSound(CORXMenuSound::StatePopup);
    ASSERT_TRUE(m_player.WaitForSounds(1));
    HANDLE hWorker = DuplicateWorker();
    CORXMenuSound::EnableMenuSound(FALSE);
    PlayMenuSound(CORXMenuSound::StateStop);
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hWorker, 0));
    EXPECT_EQ(CORXMenuSound::StateNoThread, CORXMenuSound::GetState());
    ::CloseHandle(hWorker);
}

TEST_F(MenuSoundTest, ACommandSentFromAToolBarAsksForTheCommandSoundAndNothingElseDoes)
{
    ASSERT_NE((CORXMenuSoundLink*)NULL, CORXServices::Find<CORXMenuSoundLink>())
        << "the menus offer their sounds";
    CRecordingFrame* pFrame = new CRecordingFrame;
    ASSERT_TRUE(pFrame->Create(NULL, _T("Sound test"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 200)));
    CORXToolBar bar;
    ASSERT_TRUE(bar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    bar.SetOwner(pFrame);
    ASSERT_EQ(0, bar.InsertButton(new CORXToolbarButton(ID_DEMO_NEW, -1, _T("&New"))));
    ASSERT_EQ(1, bar.InsertSeparator());

    EXPECT_FALSE(bar.ProcessCommand(bar.GetButton(1)));
    EXPECT_EQ((HANDLE)NULL, CORXMenuSound::GetThreadHandle())
        << "a separator sends nothing and sounds nothing";

    EXPECT_TRUE(bar.ProcessCommand(bar.GetButton(0)));
    ASSERT_TRUE(m_player.WaitForSounds(1));
    EXPECT_EQ(std::vector<std::string>{"MenuCommand"}, m_player.Names());
    PumpPending();
    EXPECT_EQ(1, (int)std::count(pFrame->m_commands.begin(), pFrame->m_commands.end(), (UINT)ID_DEMO_NEW));

    bar.DestroyWindow();
    pFrame->DestroyWindow();
    PumpPending();
}
