// Start-up probes of the application: the Agent server, asked once more after a second.
#include <gtest/gtest.h>

#include <vector>

#include "ClockApp.h"
#include "PlatformServices.h"

namespace
{
class CScriptedProbe : public IAgentProbe
{
public:
    explicit CScriptedProbe(std::vector<BOOL> answers) : m_answers(answers) {}
    BOOL IsServerInstalled() override
    {
        BOOL b = m_nCalls < m_answers.size() ? m_answers[m_nCalls] : FALSE;
        m_nCalls++;
        return b;
    }
    std::vector<BOOL> m_answers;
    size_t m_nCalls = 0;
};
} // namespace

TEST(ClockApp, AgentProbeAsksOnceMoreAfterAFailure)
{
    struct Case
    {
        std::vector<BOOL> answers;
        BOOL bMissing;
        size_t nCalls;
    } cases[] = {
        {{TRUE}, FALSE, 1},
        {{FALSE, TRUE}, FALSE, 2}, // present one second later
        {{FALSE, FALSE}, TRUE, 2},
    };
    for (const Case& c : cases)
    {
        CScriptedProbe probe(c.answers);
        SetAgentProbe(&probe);
        EXPECT_EQ(c.bMissing, CClockApp::ProbeAgentMissing());
        EXPECT_EQ(c.nCalls, probe.m_nCalls);
        SetAgentProbe(NULL);
    }
}
