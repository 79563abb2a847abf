// The session end ordered by an alarm: when the data are saved and when Windows is asked.
#include <gtest/gtest.h>

#include <stdio.h>

#include "PlatformServices.h"
#include "ShutdownSequence.h"

TEST(ShutdownSequence, SavesAtFifthTickAfterFirstAndExitsFiveTicksLater)
{
    CShutdownSequence seq;
    seq.Schedule(EWX_POWEROFF, FALSE);
    std::vector<int> saves, exits;
    for (int tick = 1; tick <= 11; tick++)
    {
        CShutdownSequence::Step step = seq.Advance();
        if (step == CShutdownSequence::stepSave)
            saves.push_back(tick);
        if (step == CShutdownSequence::stepExit)
        {
            exits.push_back(tick);
            break;
        }
    }
    EXPECT_EQ(std::vector<int>({6}), saves);
    EXPECT_EQ(std::vector<int>({11}), exits);
}

TEST(ShutdownSequence, ExitFlags)
{
    struct Case
    {
        UINT uKind;
        BOOL bForce;
        UINT uExpected;
    } cases[] = {
        {EWX_LOGOFF, FALSE, EWX_LOGOFF},
        {EWX_SHUTDOWN, TRUE, EWX_SHUTDOWN | EWX_FORCE},
        {EWX_REBOOT, TRUE, EWX_REBOOT | EWX_FORCE},
        {EWX_POWEROFF, FALSE, EWX_POWEROFF},
    };
    for (const Case& c : cases)
    {
        CShutdownSequence seq;
        seq.Schedule(c.uKind, c.bForce);
        EXPECT_EQ(c.uExpected, seq.GetExitFlags());
    }
}

TEST(ShutdownSequence, ClearedSequenceDoesNothing)
{
    CShutdownSequence seq;
    EXPECT_FALSE(seq.IsPending());
    for (int i = 0; i < 20; i++)
        EXPECT_EQ(CShutdownSequence::stepNone, seq.Advance());
    seq.Schedule(EWX_SHUTDOWN, FALSE);
    for (int i = 0; i < 6; i++)
        seq.Advance();
    seq.Clear();
    EXPECT_FALSE(seq.IsPending());
    EXPECT_EQ(CShutdownSequence::stepNone, seq.Advance());
}

TEST(ShutdownSequence, RecordingStandInWritesKindAndForce)
{
    char szDir[MAX_PATH], szPath[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szDir);
    ::GetTempFileNameA(szDir, "vsd", 0, szPath);
    ::DeleteFileA(szPath);
    ::SetEnvironmentVariableA("VELMORA_SHUTDOWN_LOG", szPath);

    struct Case
    {
        UINT uFlags;
        const char* pszFail;
        BOOL bResult;
    } cases[] = {
        {EWX_REBOOT | EWX_FORCE, NULL, TRUE},
        {EWX_LOGOFF, NULL, TRUE},
        {EWX_POWEROFF, "1", FALSE},
    };
    for (const Case& c : cases)
    {
        ::SetEnvironmentVariableA("VELMORA_SHUTDOWN_FAIL", c.pszFail);
        EXPECT_EQ(c.bResult, GetShutdownExecutor().EndSession(c.uFlags));
    }
    ::SetEnvironmentVariableA("VELMORA_SHUTDOWN_LOG", NULL);
    ::SetEnvironmentVariableA("VELMORA_SHUTDOWN_FAIL", NULL);

    char szText[64] = "";
    FILE* pFile = fopen(szPath, "r");
    ASSERT_TRUE(pFile != NULL);
    size_t n = fread(szText, 1, sizeof(szText) - 1, pFile);
    fclose(pFile);
    ::DeleteFileA(szPath);
    szText[n] = 0;
    EXPECT_STREQ("2 1\n0 0\n8 0\n", szText);
}
