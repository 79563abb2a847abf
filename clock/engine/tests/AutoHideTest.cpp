// Auto-hide, fading and the show/hide commands, driven through a recording window stand-in.
#include <gtest/gtest.h>

#include <vector>

#include "AutoHide.h"

namespace
{
class CRecordingTarget : public IFadeTarget
{
public:
    BOOL bVisible = TRUE;
    BOOL bTimer = FALSE;
    std::vector<int> alphas;
    std::vector<int> posted; // 1 hide, 0 show

    void ShowClockWindow(BOOL bShow) override { bVisible = bShow; }
    void SetClockAlpha(int nAlpha) override { alphas.push_back(nAlpha); }
    void StartFadeTimer() override { bTimer = TRUE; }
    void StopFadeTimer() override { bTimer = FALSE; }
    void PostFade(BOOL bHide) override { posted.push_back(bHide ? 1 : 0); }
};

// Auto-hide on, past the pause after start-up.
void Arm(CAutoHide& ah, BOOL bLayered)
{
    ah.m_bAutoHide = TRUE;
    ah.m_bLayered = bLayered;
    for (int i = 0; i < 16; i++)
        ah.Tick();
}

// Runs the fade timer until it stops; returns the number of steps.
int RunFade(CAutoHide& ah, CRecordingTarget& target)
{
    int nSteps = 0;
    while (target.bTimer && nSteps < 1000)
    {
        ah.FadeStep();
        nSteps++;
    }
    return nSteps;
}
} // namespace

TEST(AutoHide, IdleDuringFirstSixteenTicks)
{
    CRecordingTarget target;
    CAutoHide ah(&target);
    ah.m_bAutoHide = TRUE;
    for (int tick = 1; tick <= 15; tick++)
    {
        ah.Tick();
        ah.TestCursor(TRUE, FALSE);
        EXPECT_TRUE(target.posted.empty()) << "tick " << tick;
    }
    ah.Tick();
    ah.TestCursor(TRUE, FALSE);
    EXPECT_EQ(std::vector<int>({1}), target.posted);
}

TEST(AutoHide, FadeOutTakesFiftyTwoStepsDownToZero)
{
    CRecordingTarget target;
    CAutoHide ah(&target);
    Arm(ah, TRUE);
    ah.TestCursor(TRUE, FALSE);
    ASSERT_EQ(std::vector<int>({1}), target.posted);
    ah.TestCursor(TRUE, FALSE); // already fading out: no second request
    EXPECT_EQ(1u, target.posted.size());

    ah.OnFade(TRUE);
    target.alphas.clear();
    EXPECT_EQ(52, RunFade(ah, target));
    ASSERT_EQ(52u, target.alphas.size());
    for (int i = 0; i < 52; i++)
        EXPECT_EQ(255 - 5 * i, target.alphas[i]);
    EXPECT_FALSE(target.bVisible);
    EXPECT_TRUE(ah.m_bHidden);
    EXPECT_TRUE(ah.m_bAutoHidden);
    EXPECT_FALSE(ah.m_bFadingOut);
}

TEST(AutoHide, RestingCursorBringsTheClockBackAfterFourTicks)
{
    CRecordingTarget target;
    CAutoHide ah(&target);
    Arm(ah, TRUE);
    ah.TestCursor(TRUE, FALSE);
    ah.OnFade(TRUE);
    RunFade(ah, target);
    target.posted.clear();

    // The cursor rests on the hidden clock's place; the 10 ms test runs many times per tick.
    int nShownAtTick = -1;
    for (int tick = 1; tick <= 8 && nShownAtTick < 0; tick++)
    {
        for (int i = 0; i < 100; i++)
            ah.TestCursor(FALSE, TRUE);
        if (!target.posted.empty())
            nShownAtTick = tick;
        ah.Tick();
    }
    EXPECT_EQ(5, nShownAtTick);
    EXPECT_EQ(std::vector<int>({0}), target.posted);

    ah.OnFade(FALSE);
    target.alphas.clear();
    RunFade(ah, target);
    EXPECT_EQ(0, target.alphas.front());
    EXPECT_EQ(255, target.alphas.back());
    EXPECT_TRUE(target.bVisible);
    EXPECT_FALSE(ah.m_bAutoHidden);
    EXPECT_FALSE(ah.m_bFadingIn);
}

TEST(AutoHide, WithoutLayeredWindowHidingAndShowingAreImmediate)
{
    CRecordingTarget target;
    CAutoHide ah(&target);
    Arm(ah, FALSE);
    ah.TestCursor(TRUE, FALSE);
    ah.OnFade(TRUE);
    EXPECT_FALSE(target.bTimer);
    EXPECT_FALSE(target.bVisible);
    EXPECT_TRUE(ah.m_bAutoHidden);
    ah.OnFade(FALSE);
    EXPECT_TRUE(target.bVisible);
    EXPECT_FALSE(ah.m_bHidden);
    EXPECT_FALSE(ah.m_bAutoHidden);
    EXPECT_TRUE(target.alphas.empty());
}

TEST(AutoHide, StopFadeRestoresFullOpacity)
{
    CRecordingTarget target;
    CAutoHide ah(&target);
    Arm(ah, TRUE);
    ah.TestCursor(TRUE, FALSE);
    ah.OnFade(TRUE);
    for (int i = 0; i < 10; i++)
        ah.FadeStep();
    ah.StopFade();
    EXPECT_FALSE(target.bTimer);
    EXPECT_EQ(255, target.alphas.back());
    EXPECT_TRUE(target.bVisible);
    EXPECT_FALSE(ah.m_bHidden);
    EXPECT_FALSE(ah.m_bFadingOut);
}

TEST(AutoHide, CommandsAndSuspension)
{
    struct Case
    {
        const char* pszName;
        void (*act)(CAutoHide&);
        BOOL bVisible;
        BOOL bHidden;
        BOOL bAutoHidden;
    } cases[] = {
        // "Hide Clock" is not auto-hiding: the cursor never brings it back.
        {"hide", [](CAutoHide& ah) { ah.HideClock(); }, FALSE, TRUE, FALSE},
        // A menu or dialog brings an auto-hidden clock back.
        {"suspend", [](CAutoHide& ah) { ah.Suspend(TRUE); }, TRUE, FALSE, FALSE},
        // Switching auto-hide off brings it back too.
        {"toggle", [](CAutoHide& ah) { ah.ToggleAutoHide(); }, TRUE, FALSE, FALSE},
        {"show", [](CAutoHide& ah) { ah.ShowClock(); }, TRUE, FALSE, FALSE},
    };
    for (const Case& c : cases)
    {
        CRecordingTarget target;
        CAutoHide ah(&target);
        Arm(ah, FALSE);
        ah.TestCursor(TRUE, FALSE);
        ah.OnFade(TRUE);
        ASSERT_TRUE(ah.m_bAutoHidden);
        c.act(ah);
        EXPECT_EQ(c.bVisible, target.bVisible) << c.pszName;
        EXPECT_EQ(c.bHidden, ah.m_bHidden) << c.pszName;
        EXPECT_EQ(c.bAutoHidden, ah.m_bAutoHidden) << c.pszName;
    }

    // A hidden clock does not come back while hidden by the user.
    CRecordingTarget target;
    CAutoHide ah(&target);
    Arm(ah, FALSE);
    ah.HideClock();
    for (int tick = 0; tick < 10; tick++)
    {
        ah.TestCursor(FALSE, TRUE);
        ah.Tick();
    }
    EXPECT_TRUE(target.posted.empty());

    // While suspended nothing is tested.
    CRecordingTarget target2;
    CAutoHide ah2(&target2);
    Arm(ah2, FALSE);
    ah2.Suspend(TRUE);
    ah2.TestCursor(TRUE, FALSE);
    EXPECT_TRUE(target2.posted.empty());
    ah2.Suspend(FALSE);
    ah2.TestCursor(TRUE, FALSE);
    EXPECT_EQ(1u, target2.posted.size());
}

TEST(AutoHide, SwitchingOffDuringAFadeShowsTheClock)
{
    // Half way through a fade out, before the fade's request arrives, and half way back in.
    struct Case
    {
        const char* pszName;
        int nStepsOut; // -1: the request is still in the queue
        BOOL bFadeIn;
    } cases[] = {{"queued", -1, FALSE}, {"fading out", 20, FALSE}, {"fading in", 52, TRUE}};
    for (const Case& c : cases)
    {
        CRecordingTarget target;
        CAutoHide ah(&target);
        Arm(ah, TRUE);
        ah.TestCursor(TRUE, FALSE);
        if (c.nStepsOut >= 0)
        {
            ah.OnFade(TRUE);
            for (int i = 0; i < c.nStepsOut; i++)
                ah.FadeStep();
        }
        if (c.bFadeIn)
        {
            RunFade(ah, target);
            ASSERT_TRUE(ah.m_bAutoHidden) << c.pszName;
            for (int i = 0; i < 5; i++)
            {
                ah.TestCursor(FALSE, TRUE);
                ah.Tick();
            }
            ah.TestCursor(FALSE, TRUE);
            ah.OnFade(FALSE);
            for (int i = 0; i < 10; i++)
                ah.FadeStep();
            ASSERT_TRUE(target.bTimer) << c.pszName;
        }

        ah.ToggleAutoHide();
        EXPECT_FALSE(ah.m_bAutoHide) << c.pszName;
        EXPECT_FALSE(target.bTimer) << c.pszName;
        EXPECT_TRUE(target.bVisible) << c.pszName;
        ASSERT_FALSE(target.alphas.empty());
        EXPECT_EQ(255, target.alphas.back()) << c.pszName;

        // A request that was posted before the switch changes nothing when it arrives.
        ah.OnFade(TRUE);
        EXPECT_FALSE(target.bTimer) << c.pszName;
        EXPECT_TRUE(target.bVisible) << c.pszName;
        EXPECT_FALSE(ah.m_bHidden || ah.m_bAutoHidden || ah.m_bFadingOut || ah.m_bFadingIn) << c.pszName;
        for (int i = 0; i < 20; i++)
        {
            ah.TestCursor(TRUE, FALSE);
            ah.Tick();
        }
        EXPECT_TRUE(target.bVisible) << c.pszName;
    }
}
