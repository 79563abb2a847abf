// One synchronisation end to end against a loopback responder, with a recording clock setter: what
// the status line, the difference and the error flag say, and when the clock is set.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <vector>

#include "LoopbackResponder.h"
#include "Settings.h"
#include "SystemClock.h"
#include "TimeSyncController.h"

namespace
{
class CRecordingSetter : public ISystemClock
{
public:
    CRecordingSetter() : m_dwFailWith(0) {}
    BOOL SetSystemClock(const CNtpTime& time) override
    {
        m_times.push_back(time);
        if (m_dwFailWith != 0)
        {
            ::SetLastError(m_dwFailWith);
            return FALSE;
        }
        return TRUE;
    }
    std::vector<CNtpTime> m_times;
    DWORD m_dwFailWith;
};

bool EndsWith(const CString& str, LPCTSTR pszTail)
{
    CString strTail(pszTail);
    return str.GetLength() >= strTail.GetLength() && str.Right(strTail.GetLength()) == strTail;
}

class TimeSync : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetSystemClockSetter(&m_setter);
        m_settings.m_nConnectType = 0;
        m_settings.m_nSyncTimeOut = 1;
    }
    void TearDown() override { SetSystemClockSetter(NULL); }
    CTimeSyncController::Outcome SyncWith(CLoopbackResponder& responder)
    {
        m_sync.m_nPort = responder.Port();
        return m_sync.SyncNow(_T("127.0.0.1"), _T("Loopback"), m_settings, FALSE);
    }
    CRecordingSetter m_setter;
    CSettings m_settings;
    CTimeSyncController m_sync;
};
} // namespace

TEST_F(TimeSync, NoServerAndModemOfflineAskNobody)
{
    EXPECT_EQ(CTimeSyncController::outcomeNoServer, m_sync.SyncNow(_T(""), _T(""), m_settings, FALSE));
    EXPECT_TRUE(EndsWith(m_sync.m_strStatus, _T(":\nNo Server selected,use Velmora Options to set.")));
    EXPECT_TRUE(m_sync.m_bError);

    m_settings.m_nConnectType = 1;
    EXPECT_EQ(CTimeSyncController::outcomeModemOffline,
              m_sync.SyncNow(_T("127.0.0.1"), _T("Loopback"), m_settings, FALSE));
    EXPECT_TRUE(EndsWith(m_sync.m_strStatus, _T(":\nModem offline")));
    EXPECT_FALSE(m_sync.m_bError);
    EXPECT_EQ(_T("127.0.0.1"), m_sync.m_strLastServer);
    EXPECT_TRUE(m_setter.m_times.empty());
}

TEST_F(TimeSync, AGoodAnswerSetsTheClockByItsOffset)
{
    CLoopbackResponder responder(CLoopbackResponder::kindOffset, 10.0);
    ASSERT_EQ(CTimeSyncController::outcomeSynchronized, SyncWith(responder));
    EXPECT_TRUE(EndsWith(m_sync.m_strStatus, _T(":\nTime synchronized OK")));
    // The offset, not the precision, is under test: a loaded machine may delay either leg.
    EXPECT_NEAR(10.0, atof(m_sync.m_strDifference), 0.5) << (LPCTSTR)m_sync.m_strDifference;
    EXPECT_TRUE(EndsWith(m_sync.m_strDifference, _T(" seconds")));
    EXPECT_FALSE(m_sync.m_bError);
    ASSERT_EQ(1u, m_setter.m_times.size());
    EXPECT_NEAR(10.0, m_setter.m_times[0].Difference(CNtpTime::Now()), 0.5);
}

TEST_F(TimeSync, TooBigADifferenceIsRefusedAndTheClockKept)
{
    CLoopbackResponder responder(CLoopbackResponder::kindOffset, 7200.0);
    EXPECT_EQ(CTimeSyncController::outcomeFailed, SyncWith(responder));
    int nAt = m_sync.m_strStatus.Find(_T(":\nSynchronization failed - Time difference of "));
    ASSERT_NE(-1, nAt);
    EXPECT_NEAR(7200.0, atof(m_sync.m_strStatus.Mid(nAt + 46)), 0.1);
    EXPECT_TRUE(EndsWith(m_sync.m_strStatus, _T(" seconds was too big to use\nErrorcode -1")));
    EXPECT_EQ(_T("Unknown"), m_sync.m_strDifference);
    EXPECT_TRUE(m_sync.m_bError);
    EXPECT_TRUE(m_setter.m_times.empty());
}

TEST_F(TimeSync, FailuresAreReportedWithTheirCode)
{
    {
        // The server answered, the clock refused: a failure, never "Time synchronized OK".
        m_setter.m_dwFailWith = ERROR_PRIVILEGE_NOT_HELD;
        CLoopbackResponder responder(CLoopbackResponder::kindOffset, 10.0);
        EXPECT_EQ(CTimeSyncController::outcomeFailed, SyncWith(responder));
        EXPECT_NE(-1, m_sync.m_strStatus.Find(_T(":\nSynchronization failed - ")));
        EXPECT_TRUE(EndsWith(m_sync.m_strStatus, _T("Errorcode 1314")));
        EXPECT_TRUE(m_sync.m_bError);
        EXPECT_EQ(1u, m_setter.m_times.size());
        m_setter.m_dwFailWith = 0;
        m_setter.m_times.clear();
    }
    struct Case
    {
        CLoopbackResponder::Kind kind;
        LPCTSTR pszTail;
    } cases[] = {
        {CLoopbackResponder::kindWrongMode,
         _T("The server's reply was not a server reply\nErrorcode 536870914")},
        {CLoopbackResponder::kindShort, _T("The server's reply was too short to use\nErrorcode 536870913")},
        {CLoopbackResponder::kindSilent, _T("because connected host has failed to respond.Errorcode 10060")},
    };
    for (const Case& c : cases)
    {
        CLoopbackResponder responder(c.kind, 10.0);
        EXPECT_EQ(CTimeSyncController::outcomeFailed, SyncWith(responder)) << c.kind;
        EXPECT_TRUE(EndsWith(m_sync.m_strStatus, c.pszTail)) << (LPCTSTR)m_sync.m_strStatus;
        EXPECT_EQ(_T("Unknown"), m_sync.m_strDifference);
    }
    EXPECT_TRUE(m_setter.m_times.empty());
}

TEST_F(TimeSync, OnlyASynchronisationThatSetTheClockIsTheLastSynchronised)
{
    EXPECT_TRUE(m_sync.m_strLastSynced.IsEmpty());
    {
        CLoopbackResponder responder(CLoopbackResponder::kindOffset, 10.0);
        ASSERT_EQ(CTimeSyncController::outcomeSynchronized, SyncWith(responder));
    }
    ASSERT_FALSE(m_sync.m_strLastSynced.IsEmpty());
    // A marker in place of the time: a failure within the same second would leave the same text.
    m_sync.m_strLastSynced = _T("kept");
    struct Case
    {
        CLoopbackResponder::Kind kind;
        double dOffset;
        DWORD dwSetterError;
    } cases[] = {
        {CLoopbackResponder::kindOffset, 7200.0, 0},                      // answered, refused as too big
        {CLoopbackResponder::kindOffset, 10.0, ERROR_PRIVILEGE_NOT_HELD}, // answered, clock not set
        {CLoopbackResponder::kindSilent, 10.0, 0},
    };
    for (const Case& c : cases)
    {
        m_setter.m_dwFailWith = c.dwSetterError;
        CLoopbackResponder responder(c.kind, c.dOffset);
        EXPECT_EQ(CTimeSyncController::outcomeFailed, SyncWith(responder)) << c.kind << " " << c.dOffset;
        EXPECT_EQ(_T("kept"), m_sync.m_strLastSynced) << c.kind << " " << c.dOffset;
    }
    m_setter.m_dwFailWith = 0;
    CLoopbackResponder responder(CLoopbackResponder::kindOffset, 10.0);
    ASSERT_EQ(CTimeSyncController::outcomeSynchronized, SyncWith(responder));
    EXPECT_NE(_T("kept"), m_sync.m_strLastSynced);
}

TEST(TimeSyncMessages, SystemCodesTakeTheSystemText)
{
    EXPECT_EQ(_T("Cannot connect to ntp.example\n"),
              CTimeSyncController::ErrorMessage(2, _T("ntp.example"), 0));
    EXPECT_EQ(_T("No such host is known."), CTimeSyncController::ErrorMessage(11001, _T("x"), 0));
    EXPECT_FALSE(CTimeSyncController::ErrorMessage(ERROR_ACCESS_DENIED, _T("x"), 0).IsEmpty());
}
