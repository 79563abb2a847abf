// Damaged data files and profile values, made at random from good ones and bounded in count, each
// file placed right before a page that may not be read: whatever the readers accept is something
// the engines can use (a timer that can count, a clock that can be read, an alarm that fires at a
// date or never).
#include <gtest/gtest.h>

#include <afxwin.h>

#include <string.h>

#include <algorithm>
#include <vector>

#include "AlarmEngine.h"
#include "Alarms.h"
#include "Clock.h"
#include "ClockDataFile.h"
#include "TestApp.h"
#include "TestSupport.h"

namespace
{
// A committed area followed by a PAGE_NOACCESS page: a file copied to its very end makes any read
// past it fault at once.
class CGuardedArea
{
public:
    CGuardedArea()
    {
        SYSTEM_INFO si;
        ::GetSystemInfo(&si);
        m_nPage = si.dwPageSize;
        m_pBase = (BYTE*)::VirtualAlloc(NULL, kSize + m_nPage, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
        DWORD dwOld;
        if (m_pBase != NULL)
            ::VirtualProtect(m_pBase + kSize, m_nPage, PAGE_NOACCESS, &dwOld);
    }
    ~CGuardedArea()
    {
        if (m_pBase != NULL)
            ::VirtualFree(m_pBase, 0, MEM_RELEASE);
    }
    BYTE* Place(const std::vector<BYTE>& bytes)
    {
        size_t n = bytes.size() < kSize ? bytes.size() : kSize;
        BYTE* p = m_pBase + kSize - n;
        if (n > 0)
            memcpy(p, bytes.data(), n);
        return p;
    }
    BOOL Ready() const { return m_pBase != NULL; }
    static const size_t kSize = 64 * 1024;

private:
    BYTE* m_pBase;
    DWORD m_nPage;
};

class CRandom
{
public:
    explicit CRandom(unsigned long long nSeed) : m_nState(nSeed) {}
    unsigned Next()
    {
        m_nState ^= m_nState << 13;
        m_nState ^= m_nState >> 7;
        m_nState ^= m_nState << 17;
        return (unsigned)(m_nState >> 11);
    }
    unsigned Below(unsigned n) { return n ? Next() % n : 0; }

private:
    unsigned long long m_nState;
};

// Bytes that damage stored numbers the most: the parts of NaN, infinities and huge doubles.
const BYTE kSpecial[] = {0x00, 0xFF, 0x7F, 0x80, 0xF0, 0x7F, 0xFF, 0xF8, 0x7F, 0xE0, 0x01, 0x10};

std::vector<BYTE> Mutate(CRandom& rng, std::vector<BYTE> b)
{
    int nEdits = 1 + (int)rng.Below(6);
    for (int i = 0; i < nEdits && !b.empty(); i++)
    {
        unsigned nPos = rng.Below((unsigned)b.size());
        switch (rng.Below(5))
        {
        case 0:
            b[nPos] = (BYTE)rng.Below(256);
            break;
        case 1:
            b[nPos] = kSpecial[rng.Below(sizeof(kSpecial))];
            break;
        case 2:
            // A whole double of the worst kinds, where a time may be.
            for (unsigned k = 0; k < 8 && nPos + k < b.size(); k++)
                b[nPos + k] = (k >= 6) ? kSpecial[rng.Below(sizeof(kSpecial))] : (BYTE)rng.Below(256);
            break;
        case 3:
            b.resize(nPos);
            break;
        default:
            b.erase(b.begin() + nPos, b.begin() + std::min<size_t>(b.size(), nPos + 1 + rng.Below(8)));
            break;
        }
    }
    return b;
}

std::vector<BYTE> GoodFile()
{
    CObArray clocks, alarms;
    CClock* pClock = new CClock;
    CClock* pCountdown = new CClock;
    pCountdown->m_nClockType = CLOCKTYPE_COUNTDOWN;
    pCountdown->m_tsInterval = COleDateTimeSpan(0, 0, 5, 0);
    pCountdown->m_tsRemaining = COleDateTimeSpan(0, 0, 3, 0);
    pCountdown->m_nTimerState = TIMERSTATE_RUNNING;
    pCountdown->m_nActiveTimer = ACTIVETIMER_CONTINUE;
    clocks.Add(pClock);
    clocks.Add(pCountdown);
    for (int i = 0; i < 3; i++)
    {
        CAlarms* pAlarm = new CAlarms;
        pAlarm->m_nId = i;
        pAlarm->m_nState = ALARMSTATE_ARMED;
        pAlarm->m_dtActivation = COleDateTime(2026, 12, 9, 9, 0, i);
        pAlarm->m_bRepeat = i == 1;
        pAlarm->m_tsRepeatInterval = COleDateTimeSpan(0, 0, 0, 1);
        pAlarm->m_bShutDown = i == 2;
        alarms.Add(pAlarm);
    }
    std::vector<BYTE> bytes =
        StoreToBytes([&clocks, &alarms](CArchive& ar) { CClockDataFile::Write(ar, clocks, 3, alarms); });
    for (INT_PTR i = 0; i < clocks.GetSize(); i++)
        delete clocks[i];
    for (INT_PTR i = 0; i < alarms.GetSize(); i++)
        delete alarms[i];
    return bytes;
}

class CCountingActions : public IAlarmActions
{
public:
    int nActions = 0;
    void PlayAlarmSound(const CString&) override { nActions++; }
    void PlayCdTrack(int) override { nActions++; }
    void RunProgram(const CString&, BOOL) override { nActions++; }
    void ScheduleShutdown(UINT uKind, BOOL) override
    {
        EXPECT_TRUE(CAlarms::IsShutDownKind((LONG)uKind)) << uKind;
        nActions++;
    }
    void SpeakAlarm(const CString&, const COleDateTime&) override { nActions++; }
    void ShowNotification(const CString&, const CString&, COleDateTime&, BOOL) override { nActions++; }
    BOOL SaveAlarms() override { return TRUE; }
    void ReportOutOfMemory() override {}
};
} // namespace

TEST(DamagedInput, DataFilesGiveOnlyRecordsTheEnginesCanUse)
{
    CGuardedArea area;
    ASSERT_TRUE(area.Ready());
    ResetTestProfile();
    const std::vector<BYTE> good = GoodFile();
    CRandom rng(0xDA7AF11EULL);
    int nWithRecords = 0;
    for (int nRound = 0; nRound < 4000; nRound++)
    {
        std::vector<BYTE> bytes = Mutate(rng, good);
        CMemFile file(area.Place(bytes), (UINT)bytes.size());
        CObArray clocks, alarms;
        long nNextId = 0;
        try
        {
            CClockDataFile::Read(file, clocks, nNextId, &alarms);
        }
        catch (CException* e)
        {
            e->Delete();
        }
        if (clocks.GetSize() + alarms.GetSize() > 0)
            nWithRecords++;
        for (INT_PTR i = 0; i < clocks.GetSize(); i++)
        {
            CClock* p = (CClock*)clocks[i];
            EXPECT_TRUE(p->m_nClockType >= CLOCKTYPE_CLOCK && p->m_nClockType <= CLOCKTYPE_EVENT) << nRound;
            EXPECT_TRUE(p->m_nTimerState >= TIMERSTATE_STOPPED && p->m_nTimerState <= TIMERSTATE_COMPLETED);
            EXPECT_TRUE(IsPlausibleTimerSpan(p->m_tsInterval.m_span)) << nRound;
            EXPECT_TRUE(IsPlausibleTimerSpan(p->m_tsRemaining.m_span)) << nRound;
            EXPECT_TRUE(IsPlausibleDate(p->m_dtTargetTime.m_dt)) << nRound;
            EXPECT_TRUE(IsPlausibleZone(p->m_tzi)) << nRound;
            delete p;
        }
        // Every alarm read is adopted and checked for a few ticks: the ones that cannot be carried
        // out never act, and the others act at most once a tick each.
        CCountingActions actions;
        CAlarmEngine engine;
        engine.SetActions(&actions);
        for (INT_PTR i = 0; i < alarms.GetSize(); i++)
        {
            CAlarms* p = (CAlarms*)alarms[i];
            EXPECT_TRUE(p->m_dtActivation.GetStatus() != COleDateTime::valid ||
                        IsPlausibleDate(p->m_dtActivation.m_dt))
                << nRound;
        }
        INT_PTR nAlarms = alarms.GetSize();
        engine.AdoptLoaded(alarms, COleDateTime(2026, 12, 9, 8, 59, 0));
        for (int nTick = 0; nTick < 3; nTick++)
            engine.CheckAlarms(COleDateTime(2026, 12, 9, 9, 0, nTick));
        EXPECT_LE(actions.nActions, (int)(nAlarms * 3 * 6)) << nRound;
    }
    EXPECT_GT(nWithRecords, 100);
}

TEST(DamagedInput, DefaultClockValuesGiveAClockThatCanCountAndBeRead)
{
    // Raw profile values of the right sizes with random contents.
    CRandom rng(0xDEFC10CULL);
    CWinApp* pApp = AfxGetApp();
    for (int nRound = 0; nRound < 150; nRound++)
    {
        ResetTestProfile();
        BYTE ab[sizeof(TIME_ZONE_INFORMATION)];
        for (BYTE& b : ab)
            b = (rng.Below(3) == 0) ? kSpecial[rng.Below(sizeof(kSpecial))] : (BYTE)rng.Below(256);
        pApp->WriteProfileBinary(_T("DefClock"), _T("TargetTime"), ab, 12);
        pApp->WriteProfileBinary(_T("DefClock"), _T("TimeInterval"), ab + 12, 12);
        pApp->WriteProfileBinary(_T("DefClock"), _T("ClockFont"), ab, sizeof(LOGFONTA));
        pApp->WriteProfileBinary(_T("DefClock"), _T("ClockTzone"), ab, sizeof(TIME_ZONE_INFORMATION));
        pApp->WriteProfileInt(_T("DefClock"), _T("ClockType"), (int)rng.Next());
        pApp->WriteProfileInt(_T("DefClock"), _T("TimerState"), (int)rng.Next());
        CClock c;
        c.LoadDefaults();
        EXPECT_TRUE(c.m_nClockType >= CLOCKTYPE_CLOCK && c.m_nClockType <= CLOCKTYPE_EVENT) << nRound;
        EXPECT_TRUE(IsPlausibleTimerSpan(c.m_tsInterval.m_span)) << nRound;
        EXPECT_TRUE(IsPlausibleDate(c.m_dtTargetTime.m_dt)) << nRound;
        EXPECT_TRUE(IsReadableClockFont(c.m_lfFont)) << nRound;
        EXPECT_TRUE(IsPlausibleZone(c.m_tzi)) << nRound;
    }
}
