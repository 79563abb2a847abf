// The message-map lookup cache: each class keeps its own answer for a message, a message handled
// nowhere stays unhandled, entries evicted by other lookups come back right, commands still reach
// the handler of their id, and the results are the same with the cache off.
#include "WindowTestApp.h"
#include <gtest/gtest.h>

namespace
{
const UINT WM_CACHE_OVERRIDDEN = WM_APP + 40;
const UINT WM_CACHE_BASE_ONLY = WM_APP + 41;
const UINT WM_CACHE_DERIVED_ONLY = WM_APP + 42;
const UINT WM_CACHE_NOWHERE = WM_APP + 43;
UINT WM_CACHE_REGISTERED = ::RegisterWindowMessageA("VelmoraCacheTestMessage");
const UINT ID_CACHE_FIRST = 0x7100;
const UINT ID_CACHE_LAST = 0x7104;
const UINT ID_CACHE_SINGLE = 0x7105;

class CCacheBaseWnd : public CWnd
{
public:
    UINT m_nLastCommand = 0;
    afx_msg LRESULT OnOverridden(WPARAM, LPARAM) { return 1; }
    afx_msg LRESULT OnBaseOnly(WPARAM, LPARAM) { return 2; }
    afx_msg LRESULT OnRegistered(WPARAM, LPARAM) { return 5; }
    afx_msg void OnRange(UINT nID) { m_nLastCommand = nID; }
    afx_msg void OnSingle() { m_nLastCommand = 1; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCacheBaseWnd, CWnd)
ON_MESSAGE(WM_CACHE_OVERRIDDEN, OnOverridden)
ON_MESSAGE(WM_CACHE_BASE_ONLY, OnBaseOnly)
ON_REGISTERED_MESSAGE(WM_CACHE_REGISTERED, OnRegistered)
ON_COMMAND_RANGE(ID_CACHE_FIRST, ID_CACHE_LAST, OnRange)
ON_COMMAND(ID_CACHE_SINGLE, OnSingle)
END_MESSAGE_MAP()

class CCacheDerivedWnd : public CCacheBaseWnd
{
public:
    afx_msg LRESULT OnOverriddenHere(WPARAM, LPARAM) { return 3; }
    afx_msg LRESULT OnDerivedOnly(WPARAM, LPARAM) { return 4; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCacheDerivedWnd, CCacheBaseWnd)
ON_MESSAGE(WM_CACHE_OVERRIDDEN, OnOverriddenHere)
ON_MESSAGE(WM_CACHE_DERIVED_ONLY, OnDerivedOnly)
END_MESSAGE_MAP()

struct CacheCase
{
    UINT message;
    LRESULT fromBase;    // what the base class answers (0: not handled, DefWindowProc gives 0)
    LRESULT fromDerived; // what the derived class answers
};

void CheckAnswers(CWnd& base, CWnd& derived)
{
    const CacheCase cases[] = {
        {WM_CACHE_OVERRIDDEN, 1, 3}, {WM_CACHE_BASE_ONLY, 2, 2},  {WM_CACHE_DERIVED_ONLY, 0, 4},
        {WM_CACHE_NOWHERE, 0, 0},    {WM_CACHE_REGISTERED, 5, 5},
    };
    // Twice over, in both orders, so that answers come from a filled cache as well as an empty one.
    for (int pass = 0; pass < 2; pass++)
    {
        for (const CacheCase& c : cases)
        {
            EXPECT_EQ(c.fromBase, base.SendMessage(c.message)) << "base, message " << c.message;
            EXPECT_EQ(c.fromDerived, derived.SendMessage(c.message)) << "derived, message " << c.message;
        }
        for (const CacheCase& c : cases)
        {
            EXPECT_EQ(c.fromDerived, derived.SendMessage(c.message)) << "derived, message " << c.message;
            EXPECT_EQ(c.fromBase, base.SendMessage(c.message)) << "base, message " << c.message;
        }
    }
}

class MsgMapCache : public ::testing::Test
{
protected:
    CCacheBaseWnd m_base;
    CCacheDerivedWnd m_derived;
    BOOL m_bWasEnabled = TRUE;

    void SetUp() override
    {
        m_bWasEnabled = AfxEnableMsgMapCache(TRUE);
        ASSERT_TRUE(
            m_base.CreateEx(0, AfxRegisterWndClass(0), "base", WS_OVERLAPPED, 0, 0, 50, 50, NULL, NULL));
        ASSERT_TRUE(m_derived.CreateEx(0, AfxRegisterWndClass(0), "derived", WS_OVERLAPPED, 0, 0, 50, 50,
                                       NULL, NULL));
    }
    void TearDown() override
    {
        m_base.DestroyWindow();
        m_derived.DestroyWindow();
        AfxEnableMsgMapCache(m_bWasEnabled);
    }
};

TEST_F(MsgMapCache, EachClassKeepsItsOwnAnswer)
{
    CheckAnswers(m_base, m_derived);
}

TEST_F(MsgMapCache, AnswersSurviveEvictionByManyOtherMessages)
{
    CheckAnswers(m_base, m_derived);
    // More messages than the cache has slots, through both classes: every slot is taken over.
    for (UINT nMsg = WM_APP + 100; nMsg < WM_APP + 100 + 3000; nMsg++)
    {
        EXPECT_EQ(0, m_base.SendMessage(nMsg));
        EXPECT_EQ(0, m_derived.SendMessage(nMsg));
    }
    CheckAnswers(m_base, m_derived);
}

TEST_F(MsgMapCache, CommandsReachTheHandlerOfTheirId)
{
    const struct
    {
        UINT nID;
        UINT expected; // m_nLastCommand afterwards
    } cases[] = {
        {ID_CACHE_FIRST, ID_CACHE_FIRST}, {ID_CACHE_FIRST + 2, ID_CACHE_FIRST + 2},
        {ID_CACHE_LAST, ID_CACHE_LAST},   {ID_CACHE_SINGLE, 1},
        {ID_CACHE_LAST + 10, 0}, // no handler: nothing runs
    };
    for (CCacheBaseWnd* pWnd : {(CCacheBaseWnd*)&m_base, (CCacheBaseWnd*)&m_derived})
    {
        for (const auto& c : cases)
        {
            pWnd->m_nLastCommand = 0;
            pWnd->SendMessage(WM_COMMAND, MAKEWPARAM(c.nID, 0), 0);
            EXPECT_EQ(c.expected, pWnd->m_nLastCommand) << "command " << c.nID;
        }
    }
}

TEST_F(MsgMapCache, SameAnswersWithTheCacheOff)
{
    AfxEnableMsgMapCache(FALSE);
    CheckAnswers(m_base, m_derived);
    EXPECT_FALSE(AfxEnableMsgMapCache(TRUE));
    CheckAnswers(m_base, m_derived);
}

} // namespace
