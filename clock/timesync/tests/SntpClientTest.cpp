// The protocol's timestamp (conversions, millisecond carry, the era after 2036, differences), the
// checks a reply must pass before its time is used, and whole queries against a loopback responder.
#include <gtest/gtest.h>

#include <math.h>
#include <string.h>

#include "LoopbackResponder.h"
#include "SntpClient.h"

namespace
{
SYSTEMTIME Utc(WORD y, WORD mo, WORD d, WORD h, WORD mi, WORD s, WORD ms)
{
    SYSTEMTIME st;
    memset(&st, 0, sizeof(st));
    st.wYear = y;
    st.wMonth = mo;
    st.wDay = d;
    st.wHour = h;
    st.wMinute = mi;
    st.wSecond = s;
    st.wMilliseconds = ms;
    return st;
}

CNtpTime Ntp(DWORD dwSeconds, DWORD dwFraction)
{
    return CNtpTime(((unsigned __int64)dwSeconds << 32) | dwFraction);
}

#define EXPECT_SYSTEMTIME(y, mo, d, h, mi, s, ms, st)                                                        \
    do                                                                                                       \
    {                                                                                                        \
        EXPECT_EQ(y, (st).wYear);                                                                            \
        EXPECT_EQ(mo, (st).wMonth);                                                                          \
        EXPECT_EQ(d, (st).wDay);                                                                             \
        EXPECT_EQ(h, (st).wHour);                                                                            \
        EXPECT_EQ(mi, (st).wMinute);                                                                         \
        EXPECT_EQ(s, (st).wSecond);                                                                          \
        EXPECT_EQ(ms, (st).wMilliseconds);                                                                   \
    } while (0)
} // namespace

TEST(NtpTime, ConvertsCalendarTimesBothWays)
{
    // Seconds since 1900 from Python: calendar.timegm(...) + 2208988800.
    struct Case
    {
        SYSTEMTIME st;
        DWORD dwSeconds;
        DWORD dwFraction;
        WORD wDayOfWeek;
    } cases[] = {
        {Utc(2000, 2, 29, 12, 0, 0, 500), 3160814400UL, 2147483648UL, 2},
        {Utc(1970, 1, 1, 0, 0, 0, 0), 2208988800UL, 0, 4},
        {Utc(2026, 12, 9, 14, 17, 56, 1), 4005814676UL, 4294967, 3},
        {Utc(2036, 2, 7, 6, 28, 15, 999), 4294967295UL, 4290672329UL, 4},
        // The next era: the seconds word starts again from 0 on 2036-02-07 06:28:16.
        {Utc(2036, 2, 7, 6, 28, 16, 0), 0, 0, 4},
        {Utc(2040, 1, 1, 0, 0, 0, 0), 123010304UL, 0, 0},
        {Utc(2104, 2, 26, 9, 42, 23, 0), 2147483647UL, 0, 2},
    };
    for (const Case& c : cases)
    {
        CNtpTime t = CNtpTime::FromSystemTime(c.st);
        EXPECT_EQ(c.dwSeconds, t.Seconds()) << c.st.wYear;
        EXPECT_EQ(c.dwFraction, t.Fraction()) << c.st.wYear;
        SYSTEMTIME back;
        t.ToSystemTime(back);
        EXPECT_SYSTEMTIME(c.st.wYear, c.st.wMonth, c.st.wDay, c.st.wHour, c.st.wMinute, c.st.wSecond,
                          c.st.wMilliseconds, back);
        EXPECT_EQ(c.wDayOfWeek, back.wDayOfWeek) << c.st.wYear;
    }
}

TEST(NtpTime, MillisecondsSurviveARoundTripAndCarryIntoTheSecond)
{
    for (WORD ms = 0; ms < 1000; ms++)
    {
        SYSTEMTIME back;
        CNtpTime::FromSystemTime(Utc(2010, 6, 30, 23, 59, 59, ms)).ToSystemTime(back);
        ASSERT_EQ(ms, back.wMilliseconds);
        ASSERT_EQ(59, back.wSecond);
    }
    // Within half a millisecond of the next second: that second, never a millisecond of 1000.
    SYSTEMTIME st;
    CNtpTime::FromSystemTime(Utc(1999, 12, 31, 23, 59, 59, 0)).AddSeconds(0.9999).ToSystemTime(st);
    EXPECT_SYSTEMTIME(2000, 1, 1, 0, 0, 0, 0, st);
    EXPECT_EQ(6, st.wDayOfWeek);
    Ntp(3160814400UL, 0xFFFFFFFFUL).ToSystemTime(st);
    EXPECT_SYSTEMTIME(2000, 2, 29, 12, 0, 1, 0, st);
}

TEST(NtpTime, DifferencesAndAdditionsHoldAcrossTheEraBoundary)
{
    CNtpTime t = Ntp(3160814400UL, 0);
    EXPECT_DOUBLE_EQ(0.0, t.Difference(t));
    EXPECT_DOUBLE_EQ(1.0, Ntp(3160814401UL, 0).Difference(t));
    EXPECT_DOUBLE_EQ(-1.0, t.Difference(Ntp(3160814401UL, 0)));
    EXPECT_NEAR(0.5, Ntp(3160814400UL, 0x80000000UL).Difference(t), 1e-9);
    // 5 s after the wrap against 5 s before it: 10 s apart, not 136 years.
    EXPECT_DOUBLE_EQ(10.0, Ntp(5, 0).Difference(Ntp(4294967291UL, 0)));
    EXPECT_DOUBLE_EQ(-10.0, Ntp(4294967291UL, 0).Difference(Ntp(5, 0)));
    EXPECT_EQ(5UL, Ntp(4294967291UL, 0).AddSeconds(10).Seconds());

    CNtpTime later = t.AddSeconds(7200.25);
    EXPECT_NEAR(7200.25, later.Difference(t), 1e-6);
    EXPECT_NEAR(-10.75, t.AddSeconds(-10.75).Difference(t), 1e-6);
}

TEST(NtpTime, NowIsTheSystemClockInUtcWithWireFormInNetworkOrder)
{
    SYSTEMTIME stBefore;
    ::GetSystemTime(&stBefore);
    CNtpTime now = CNtpTime::Now();
    EXPECT_LT(fabs(now.Difference(CNtpTime::FromSystemTime(stBefore))), 1.0);

    BYTE wire[8];
    Ntp(0x01020304UL, 0xA0B0C0D0UL).ToPacket(wire);
    const BYTE expected[8] = {0x01, 0x02, 0x03, 0x04, 0xA0, 0xB0, 0xC0, 0xD0};
    EXPECT_EQ(0, memcmp(expected, wire, 8));
    EXPECT_EQ(Ntp(0x01020304UL, 0xA0B0C0D0UL), CNtpTime::FromPacket(wire));
}

TEST(SntpReply, IsCheckedBeforeItsTimeIsUsed)
{
    const CNtpTime sent = Ntp(3974278676UL, 0x12345678UL);
    BYTE good[68];
    memset(good, 0, sizeof(good));
    good[0] = 0x1C; // leap 0, version 3, mode 4
    good[1] = 2;
    sent.ToPacket(good + 24);
    Ntp(3974278677UL, 0).ToPacket(good + 32);
    Ntp(3974278677UL, 1).ToPacket(good + 40);

    struct Case
    {
        const char* pszWhat;
        int nOffset; // byte to change, -1 for none
        BYTE value;
        int nLength;
        DWORD dwExpected;
    } cases[] = {
        {"a whole header", -1, 0, 48, CSntpClient::kReplyAccepted},
        {"with an authenticator", -1, 0, 68, CSntpClient::kReplyAccepted},
        {"version 4", 0, 0x24, 48, CSntpClient::kReplyAccepted},
        {"leap second announced", 0, 0x5C, 48, CSntpClient::kReplyAccepted},
        {"stratum 15", 1, 15, 48, CSntpClient::kReplyAccepted},
        {"47 bytes", -1, 0, 47, CSntpClient::kReplyTooShort},
        {"1 byte", -1, 0, 1, CSntpClient::kReplyTooShort},
        {"mode 3 (a request)", 0, 0x1B, 48, CSntpClient::kReplyWrongMode},
        {"mode 5 (broadcast)", 0, 0x1D, 48, CSntpClient::kReplyWrongMode},
        {"stratum 0 (kiss of death)", 1, 0, 48, CSntpClient::kReplyBadStratum},
        {"stratum 16", 1, 16, 48, CSntpClient::kReplyBadStratum},
        {"leap indicator 3", 0, 0xDC, 48, CSntpClient::kReplyUnsynchronised},
        {"originate of another request", 31, 0x79, 48, CSntpClient::kReplyWrongOriginate},
    };
    for (const Case& c : cases)
    {
        BYTE reply[68];
        memcpy(reply, good, sizeof(reply));
        if (c.nOffset >= 0)
            reply[c.nOffset] = c.value;
        EXPECT_EQ(c.dwExpected, CSntpClient::CheckReply(reply, c.nLength, sent)) << c.pszWhat;
    }
    BYTE noTime[68];
    memcpy(noTime, good, sizeof(noTime));
    memset(noTime + 40, 0, 8);
    EXPECT_EQ((DWORD)CSntpClient::kReplyNoTransmitTime, CSntpClient::CheckReply(noTime, 48, sent));
}

TEST(SntpReply, OffsetAndDelayComeFromTheFourTimes)
{
    BYTE reply[48];
    memset(reply, 0, sizeof(reply));
    Ntp(1000, 0).ToPacket(reply + 24);            // T1
    Ntp(1010, 0x40000000UL).ToPacket(reply + 32); // T2: 10.25 s later by the server
    Ntp(1010, 0x80000000UL).ToPacket(reply + 40); // T3
    CNtpServerResponse response;
    CSntpClient::ReadReply(reply, Ntp(1001, 0), response); // T4
    EXPECT_NEAR(9.875, response.m_dOffset, 1e-6);
    EXPECT_NEAR(0.75, response.m_dDelay, 1e-6);
}

TEST(SntpQuery, AsksALoopbackServerAndRefusesWhatItMustNot)
{
    {
        CLoopbackResponder responder(CLoopbackResponder::kindOffset, 10.0);
        CSntpClient client;
        CNtpServerResponse response;
        ASSERT_TRUE(client.QueryServer("127.0.0.1", response, responder.Port()));
        EXPECT_NEAR(10.0, response.m_dOffset, 0.05);
        EXPECT_GE(response.m_dDelay, -0.001);
    }
    struct Case
    {
        CLoopbackResponder::Kind kind;
        DWORD dwError;
    } cases[] = {
        {CLoopbackResponder::kindWrongMode, CSntpClient::kReplyWrongMode},
        {CLoopbackResponder::kindShort, CSntpClient::kReplyTooShort},
        {CLoopbackResponder::kindOtherOrigin, CSntpClient::kReplyWrongOriginate},
        {CLoopbackResponder::kindSilent, WSAETIMEDOUT},
        {CLoopbackResponder::kindZeroReceive, CSntpClient::kReplyNoReceiveTime},
        {CLoopbackResponder::kindAllOnes, CSntpClient::kReplyImplausibleRoot},
        {CLoopbackResponder::kindNoise, CSntpClient::kReplyImplausibleRoot},
    };
    for (const Case& c : cases)
    {
        CLoopbackResponder responder(c.kind, 10.0);
        CSntpClient client;
        client.m_dwTimeout = 400;
        CNtpServerResponse response;
        EXPECT_FALSE(client.QueryServer("127.0.0.1", response, responder.Port())) << c.kind;
        EXPECT_EQ(c.dwError, ::GetLastError()) << c.kind;
        EXPECT_EQ(0.0, response.m_dOffset) << c.kind;
    }
}

TEST(SntpReply, TimesThatCannotBeTrueAreRefused)
{
    // Sent at T1, back at T4 = T1 + 0.2 s; the server's clock is an hour ahead, which is what a
    // synchronisation is for and no reason to refuse.
    const CNtpTime sent = Ntp(3974278676UL, 0);
    const CNtpTime back = sent.AddSeconds(0.2);
    const CNtpTime server = sent.AddSeconds(3600.05);
    struct Case
    {
        const char* pszWhat;
        CNtpTime receive, transmit;
        DWORD dwRootDelay, dwRootDispersion;
        DWORD dwExpected;
    } cases[] = {
        {"a server an hour ahead", server, server.AddSeconds(0.001), 0x00000100, 0x00000200,
         CSntpClient::kReplyAccepted},
        {"an hour behind", sent.AddSeconds(-3600), sent.AddSeconds(-3599.9), 0, 0,
         CSntpClient::kReplyAccepted},
        {"root values at the limit", server, server, 0x00100000, 0x00100000, CSntpClient::kReplyAccepted},
        {"receive time zero", CNtpTime(0), server, 0, 0, CSntpClient::kReplyNoReceiveTime},
        {"receive time all ones", CNtpTime(~0ULL), CNtpTime(~0ULL), 0, 0,
         CSntpClient::kReplyImplausibleTimes},
        {"sent before it was received", server, server.AddSeconds(-0.01), 0, 0,
         CSntpClient::kReplyImplausibleTimes},
        {"held longer than the exchange", server, server.AddSeconds(30), 0, 0,
         CSntpClient::kReplyImplausibleTimes},
        {"received decades before it was sent", Ntp(1000, 0), server, 0, 0,
         CSntpClient::kReplyImplausibleTimes},
        {"root delay 17 s", server, server, 0x00110000, 0, CSntpClient::kReplyImplausibleRoot},
        {"root delay negative", server, server, 0xFFFF0000, 0, CSntpClient::kReplyImplausibleRoot},
        {"root dispersion all ones", server, server, 0, 0xFFFFFFFF, CSntpClient::kReplyImplausibleRoot},
    };
    for (const Case& c : cases)
    {
        BYTE reply[68];
        memset(reply, 0, sizeof(reply));
        reply[0] = 0x1C;
        reply[1] = 2;
        for (int i = 0; i < 4; i++)
        {
            reply[4 + i] = (BYTE)(c.dwRootDelay >> (24 - 8 * i));
            reply[8 + i] = (BYTE)(c.dwRootDispersion >> (24 - 8 * i));
        }
        sent.ToPacket(reply + 24);
        c.receive.ToPacket(reply + 32);
        c.transmit.ToPacket(reply + 40);
        EXPECT_EQ(c.dwExpected, CSntpClient::CheckTimes(reply, sent, back)) << c.pszWhat;
    }
}

TEST(SntpReply, DamagedRepliesNeverPassWithImplausibleTimes)
{
    // A good reply mutated at random, bounded in count: whatever the checks accept keeps the times
    // a synchronisation may use; none reads past the reply.
    const CNtpTime sent = Ntp(3974278676UL, 0x12345678UL);
    const CNtpTime back = sent.AddSeconds(0.05);
    BYTE good[68];
    memset(good, 0, sizeof(good));
    good[0] = 0x1C;
    good[1] = 2;
    sent.ToPacket(good + 24);
    sent.AddSeconds(0.01).ToPacket(good + 32);
    sent.AddSeconds(0.011).ToPacket(good + 40);
    ASSERT_EQ((DWORD)CSntpClient::kReplyAccepted, CSntpClient::CheckTimes(good, sent, back));
    DWORD dwState = 0x5EED5EEDu;
    auto next = [&dwState]() {
        dwState ^= dwState << 13;
        dwState ^= dwState >> 17;
        dwState ^= dwState << 5;
        return dwState;
    };
    int nAccepted = 0;
    for (int round = 0; round < 20000; round++)
    {
        BYTE reply[68];
        memcpy(reply, good, sizeof(reply));
        int nEdits = 1 + (int)(next() % 6);
        for (int i = 0; i < nEdits; i++)
        {
            DWORD r = next();
            reply[r % 48] = (BYTE)(r >> 8);
        }
        int nLength = (next() % 8 == 0) ? (int)(next() % 69) : 48;
        if (CSntpClient::CheckReply(reply, nLength, sent) != CSntpClient::kReplyAccepted ||
            CSntpClient::CheckTimes(reply, sent, back) != CSntpClient::kReplyAccepted)
            continue;
        nAccepted++;
        CNtpServerResponse response;
        CSntpClient::ReadReply(reply, back, response);
        double dHeld = response.m_transmitTime.Difference(response.m_receiveTime);
        EXPECT_NE(0u, response.m_receiveTime.Value());
        EXPECT_GE(dHeld, 0.0);
        EXPECT_LE(dHeld, back.Difference(sent) + 0.5);
        EXPECT_GE(response.m_dDelay, -0.5);
    }
    EXPECT_GT(nAccepted, 0);
}
