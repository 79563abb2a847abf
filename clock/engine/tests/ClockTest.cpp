// Clock record: archive images of every schema written by hand from the record layout, damaged
// images, the standard display templates and the "DefClock" profile section.
#include <gtest/gtest.h>

#include <afx.h>
#include <afxdisp.h>
#include <afxwin.h>
#include <limits>
#include <vector>

#include "Clock.h"
#include "PlatformServices.h"
#include "Settings.h"
#include "TestApp.h"
#include "TestSupport.h"

namespace
{

// Little-endian archive bytes, built field by field as the persistent-object format lays them out.
struct ClockImage
{
    std::vector<BYTE> b;
    ClockImage& u8(BYTE v)
    {
        b.push_back(v);
        return *this;
    }
    ClockImage& u16(WORD v) { return u8((BYTE)v).u8((BYTE)(v >> 8)); }
    ClockImage& u32(DWORD v) { return u16((WORD)v).u16((WORD)(v >> 16)); }
    ClockImage& f64(double d)
    {
        BYTE ab[8];
        memcpy(ab, &d, 8);
        for (BYTE x : ab)
            u8(x);
        return *this;
    }
    ClockImage& str(const char* psz) // short strings only: one length byte
    {
        u8((BYTE)strlen(psz));
        for (const char* p = psz; *p; p++)
            u8((BYTE)*p);
        return *this;
    }
    ClockImage& raw(const void* pv, size_t n)
    {
        const BYTE* p = (const BYTE*)pv;
        b.insert(b.end(), p, p + n);
        return *this;
    }
    ClockImage& time(DWORD status, double d) { return u32(status).f64(d); }
    // New-class tag, schema, name length and name of the first object of a class.
    ClockImage& header(WORD schema) { return u16(0xFFFF).u16(schema).u16(6).raw("CClock", 6); }
};

// A font and a zone with every byte known, so that images do not depend on the machine.
LOGFONTA TestFont()
{
    LOGFONTA lf;
    memset(&lf, 0, sizeof(lf));
    lf.lfHeight = -11;
    lf.lfWeight = 700;
    lf.lfCharSet = 0;
    strcpy(lf.lfFaceName, "Tahoma");
    return lf;
}

TIME_ZONE_INFORMATION TestZone()
{
    TIME_ZONE_INFORMATION tz;
    memset(&tz, 0, sizeof(tz));
    tz.Bias = 60;
    wcscpy(tz.StandardName, L"W. Europe");
    tz.StandardDate.wMonth = 10;
    tz.StandardDate.wDay = 5;
    tz.StandardDate.wHour = 3;
    tz.DaylightDate.wMonth = 3;
    tz.DaylightDate.wDay = 5;
    tz.DaylightDate.wHour = 2;
    tz.DaylightBias = 60;
    return tz;
}

// Groups 1 to 6 of the record, shared by every schema.
void Groups1To6(ClockImage& im, const char* pszName, DWORD dwFlags)
{
    LOGFONTA lf = TestFont();
    TIME_ZONE_INFORMATION tz = TestZone();
    im.str("|MMM dd, yyyy").str("HH:mm:ss|MMM dd, yyyy|z");
    im.u32(0x00112233).u32(0x00445566);
    im.raw(&lf, 60).raw(&tz, 172);
    im.str(pszName);
    im.u32(1).u32(1).u32(0);
    im.u32(dwFlags);
}

// Group 7 without the remaining time: a running countdown of 90 minutes.
void Group7Head(ClockImage& im)
{
    im.u32(CLOCKTYPE_COUNTDOWN).time(0, 38000.5).time(0, 1.0 / 16); // 90 minutes
    im.str("Tea").u32(0).str("Done").u32(1).str("ding.wav").u32(TIMERSTATE_RUNNING);
}

CClock* Load(const std::vector<BYTE>& bytes)
{
    CMemFile file;
    file.Write(bytes.data(), (UINT)bytes.size());
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    CClock* pClock = NULL;
    ar >> pClock;
    return pClock;
}

std::vector<BYTE> Store(CClock* pClock)
{
    return StoreToBytes([pClock](CArchive& ar) { ar << pClock; });
}

// A clock with every field off its default.
void FillClock(CClock& c)
{
    c.m_strDateFormat = "|MMM dd, yyyy";
    c.m_strTimeFormat = "HH:mm:ss|MMM dd, yyyy|z";
    c.m_crBackground = 0x00112233;
    c.m_crText = 0x00445566;
    c.m_lfFont = TestFont();
    c.m_tzi = TestZone();
    c.m_strDisplayName = "(GMT+01:00) Paris";
    c.m_bShowDate = TRUE;
    c.m_bShowDayOfWeek = TRUE;
    c.m_bShowSeconds = FALSE;
    c.m_b24Hour = FALSE;
    c.m_bFullZoneName = TRUE;
    c.m_nClockType = CLOCKTYPE_EVENT;
    c.m_dtTargetTime.m_dt = 38000.5;
    c.m_tsInterval.m_span = 0.25;
    c.m_strTimerName = "Tea";
    c.m_bDisplayMessage = FALSE;
    c.m_strMessage = "Done";
    c.m_bPlaySound = TRUE;
    c.m_strSoundName = "ding.wav";
    c.m_nTimerState = TIMERSTATE_COMPLETED;
    c.m_tsRemaining.m_span = 0.125;
    c.m_nFormatType = FORMATTYPE_CUSTOM;
    c.m_nTextLayout = 2;
    c.m_strTemplate = "HH|z";
    c.m_bShowBias = TRUE;
    c.m_bMessageToSpeak = TRUE;
    c.m_nActiveTimer = ACTIVETIMER_CONTINUE;
}

std::vector<BYTE> Schema6Image(DWORD dwWord9)
{
    ClockImage im;
    LOGFONTA lf = TestFont();
    TIME_ZONE_INFORMATION tz = TestZone();
    im.header(6);
    im.str("|MMM dd, yyyy").str("HH:mm:ss|MMM dd, yyyy|z");
    im.u32(0x00112233).u32(0x00445566).raw(&lf, 60).raw(&tz, 172);
    im.str("(GMT+01:00) Paris");
    im.u32(1).u32(1).u32(0);
    im.u32(2); // 12-hour, full zone name
    im.u32(2).time(0, 38000.5).time(0, 0.25).str("Tea").u32(0).str("Done").u32(1).str("ding.wav").u32(3);
    im.time(0, 0.125);
    im.u32(1).u32(2).str("HH|z");
    im.u32(dwWord9);
    im.u32(1);
    return im.b;
}

} // namespace

TEST(ClockArchive, Schema6StoredByteForByte)
{
    CClock clock;
    FillClock(clock);
    EXPECT_EQ(Schema6Image(1 | 8), Store(&clock));
}

TEST(ClockArchive, ShowBiasBitIsSetOnlyForExactlyOne)
{
    struct
    {
        BOOL bShowBias;
        int nActive;
        DWORD dwWord;
    } cases[] = {{1, 8, 9},
                 {0, 8, 8},
                 {2, 4, 4},
                 {1, 2, 3},
                 {0, 3, 2}}; // a stray bit 0 in the behaviour must not turn the bias on
    for (auto& t : cases)
    {
        CClock clock;
        FillClock(clock);
        clock.m_bShowBias = t.bShowBias;
        clock.m_nActiveTimer = t.nActive;
        EXPECT_EQ(Schema6Image(t.dwWord), Store(&clock)) << t.bShowBias << " " << t.nActive;
    }
}

TEST(ClockArchive, Schema6RoundTrip)
{
    CClock clock;
    FillClock(clock);
    std::vector<BYTE> bytes = Store(&clock);
    CClock* p = Load(bytes);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(bytes, Store(p));
    EXPECT_STREQ("Tahoma", p->m_lfFont.lfFaceName);
    EXPECT_EQ(60, p->m_tzi.Bias);
    EXPECT_EQ(CLOCKTYPE_EVENT, p->m_nClockType);
    EXPECT_EQ(TIMERSTATE_COMPLETED, p->m_nTimerState);
    EXPECT_EQ(ACTIVETIMER_CONTINUE, p->m_nActiveTimer);
    EXPECT_TRUE(p->m_bShowBias);
    EXPECT_FALSE(p->m_b24Hour);
    EXPECT_TRUE(p->m_bFullZoneName);
    delete p;
}

TEST(ClockArchive, Schema6BehaviourWord)
{
    struct
    {
        DWORD dwWord;
        BOOL bShowBias;
        int nActive;
    } cases[] = {{0, FALSE, 2}, {1, TRUE, 2},    {4, FALSE, 4},   {5, TRUE, 4},
                 {9, TRUE, 8},  {0x11, TRUE, 2}, {0xF, TRUE, 0xE}};
    for (auto& t : cases)
    {
        CClock* p = Load(Schema6Image(t.dwWord));
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(t.bShowBias, p->m_bShowBias) << t.dwWord;
        EXPECT_EQ(t.nActive, p->m_nActiveTimer) << t.dwWord;
        delete p;
    }
}

TEST(ClockArchive, OlderSchemasLoadTheirGroups)
{
    // Schema 2: groups 1 to 6 only; the timer fields keep the constructor's values.
    ClockImage im2;
    im2.header(2);
    Groups1To6(im2, "Old", 3);
    CClock* p = Load(im2.b);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ("Old", p->m_strDisplayName);
    EXPECT_TRUE(p->m_b24Hour);
    EXPECT_TRUE(p->m_bFullZoneName);
    EXPECT_EQ(CLOCKTYPE_CLOCK, p->m_nClockType);
    EXPECT_EQ("Countdown...", p->m_strTimerName);
    EXPECT_EQ("HH:mm:ss|ddd, d MMM yyyy|z", p->m_strTemplate);
    EXPECT_EQ(0x00112233u, p->m_crBackground);
    EXPECT_EQ(-11, p->m_lfFont.lfHeight);
    TIME_ZONE_INFORMATION tz = TestZone();
    EXPECT_EQ(0, memcmp(&p->m_tzi, &tz, sizeof(tz)));
    delete p;

    // Schemas 3 to 5: a running countdown comes back stopped with its whole interval.
    for (WORD schema = 3; schema <= 5; schema++)
    {
        ClockImage im;
        im.header(schema);
        Groups1To6(im, "Timer", 0);
        Group7Head(im);
        if (schema >= 4)
            im.u32(1).u32(0).str("H|z").u32(7); // show bias as a plain word
        if (schema >= 5)
            im.u32(1);
        p = Load(im.b);
        ASSERT_NE(p, nullptr) << schema;
        EXPECT_EQ(CLOCKTYPE_COUNTDOWN, p->m_nClockType);
        EXPECT_EQ(TIMERSTATE_STOPPED, p->m_nTimerState) << schema;
        EXPECT_DOUBLE_EQ(1.0 / 16, p->m_tsRemaining.m_span) << schema;
        EXPECT_DOUBLE_EQ(38000.5, p->m_dtTargetTime.m_dt);
        EXPECT_EQ("Tea", p->m_strTimerName);
        EXPECT_EQ("Done", p->m_strMessage);
        EXPECT_EQ("ding.wav", p->m_strSoundName);
        EXPECT_TRUE(p->m_bPlaySound);
        EXPECT_FALSE(p->m_bDisplayMessage);
        EXPECT_FALSE(p->m_b24Hour);
        EXPECT_EQ(schema >= 4 ? "H|z" : "HH:mm:ss|ddd, d MMM yyyy|z", p->m_strTemplate);
        EXPECT_EQ(schema >= 4 ? FORMATTYPE_CUSTOM : FORMATTYPE_STANDARD, p->m_nFormatType);
        EXPECT_EQ(schema >= 4 ? 0 : 1, p->m_nTextLayout);
        EXPECT_EQ(schema >= 4 ? 7 : 1, p->m_bShowBias);
        EXPECT_EQ(schema >= 5, p->m_bMessageToSpeak);
        EXPECT_EQ(ACTIVETIMER_RESET, p->m_nActiveTimer);
        delete p;
    }
}

TEST(ClockArchive, UnknownSchemaIsRefused)
{
    for (WORD schema : {1, 7, 0x7FFF})
    {
        ClockImage im;
        im.header(schema);
        Groups1To6(im, "X", 0);
        int nCause = -1;
        try
        {
            delete Load(im.b);
        }
        catch (CArchiveException* e)
        {
            nCause = e->m_cause;
            e->Delete();
        }
        EXPECT_EQ(CArchiveException::badSchema, nCause) << schema;
    }
}

TEST(ClockArchive, EveryTruncationThrowsArchiveException)
{
    std::vector<BYTE> whole = Schema6Image(9);
    for (size_t n = 0; n < whole.size(); n++)
    {
        std::vector<BYTE> cut(whole.begin(), whole.begin() + n);
        bool bArchive = false;
        try
        {
            delete Load(cut);
        }
        catch (CArchiveException* e)
        {
            bArchive = true;
            e->Delete();
        }
        catch (CException* e)
        {
            e->Delete();
        }
        EXPECT_TRUE(bArchive) << "cut at " << n;
    }
}

namespace
{
// A running countdown of schema 6 with the given behaviour and remaining days.
std::vector<BYTE> RunningCountdown(DWORD dwBehaviour, int nState, double dRemaining)
{
    ClockImage im;
    LOGFONTA lf = TestFont();
    TIME_ZONE_INFORMATION tz = TestZone();
    im.header(6).str("").str("").u32(0).u32(0).raw(&lf, 60).raw(&tz, 172).str("T").u32(1).u32(0).u32(1).u32(
        1);
    im.u32(CLOCKTYPE_COUNTDOWN).time(0, 38000.0).time(0, 2.0).str("Tea").u32(1).str("Done").u32(0).str("");
    im.u32(nState).time(0, dRemaining);
    im.u32(0).u32(1).str("HH").u32(1 | dwBehaviour).u32(0);
    return im.b;
}

void StoreLastShutdown(const COleDateTime& dt)
{
    CSettings::WriteLastShutdown(dt);
}
} // namespace

TEST(ClockArchive, StartupRuleForCountdowns)
{
    ResetTestProfile();
    struct
    {
        DWORD dwBehaviour;
        int nState;
        int nExpectState;
        double dExpectRemaining;
    } cases[] = {
        {ACTIVETIMER_RESET, TIMERSTATE_RUNNING, TIMERSTATE_STOPPED, 2.0},
        {ACTIVETIMER_RESET, TIMERSTATE_PAUSED, TIMERSTATE_STOPPED, 2.0},
        {ACTIVETIMER_PAUSE, TIMERSTATE_RUNNING, TIMERSTATE_PAUSED, 0.5},
        {ACTIVETIMER_PAUSE, TIMERSTATE_COMPLETED, TIMERSTATE_COMPLETED, 0.5},
        {0, TIMERSTATE_RUNNING, TIMERSTATE_STOPPED, 2.0}, // no behaviour bits: reset
        // Without "LastShutdown" the zero date counts: far more than half a day has passed.
        {ACTIVETIMER_CONTINUE, TIMERSTATE_RUNNING, TIMERSTATE_RUNNING, 0.0},
        {ACTIVETIMER_CONTINUE, TIMERSTATE_PAUSED, TIMERSTATE_PAUSED, 0.5},
    };
    for (auto& t : cases)
    {
        CClock* p = Load(RunningCountdown(t.dwBehaviour, t.nState, 0.5));
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(t.nExpectState, p->m_nTimerState) << t.dwBehaviour << "/" << t.nState;
        EXPECT_DOUBLE_EQ(t.dExpectRemaining, p->m_tsRemaining.m_span) << t.dwBehaviour << "/" << t.nState;
        delete p;
    }
}

TEST(ClockArchive, ContinueSubtractsTimeSinceLastShutdown)
{
    ResetTestProfile();
    // Closed two hours ago with one hour left: loads with nothing left, still running.
    StoreLastShutdown(COleDateTime::GetCurrentTime() - COleDateTimeSpan(0, 2, 0, 0));
    CClock* p = Load(RunningCountdown(ACTIVETIMER_CONTINUE, TIMERSTATE_RUNNING, 1.0 / 24));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(TIMERSTATE_RUNNING, p->m_nTimerState);
    EXPECT_DOUBLE_EQ(0.0, p->m_tsRemaining.m_span);
    delete p;

    // Closed one day ago with ten days left: about nine days are left.
    StoreLastShutdown(COleDateTime::GetCurrentTime() - COleDateTimeSpan(1, 0, 0, 0));
    p = Load(RunningCountdown(ACTIVETIMER_CONTINUE, TIMERSTATE_RUNNING, 10.0));
    ASSERT_NE(p, nullptr);
    EXPECT_NEAR(9.0, p->m_tsRemaining.m_span, 0.01);
    delete p;

    // Closed "tomorrow": the clock was set back since; the countdown keeps what it had left.
    StoreLastShutdown(COleDateTime::GetCurrentTime() + COleDateTimeSpan(1, 0, 0, 0));
    p = Load(RunningCountdown(ACTIVETIMER_CONTINUE, TIMERSTATE_RUNNING, 0.5));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(TIMERSTATE_RUNNING, p->m_nTimerState);
    EXPECT_DOUBLE_EQ(0.5, p->m_tsRemaining.m_span);
    delete p;
}

TEST(ClockArchive, StartupRuleReadsTheTimeSource)
{
    // A settable clock far from the real one: the rule must take its "now" from it alone.
    struct CFixedTime : ITimeSource
    {
        SYSTEMTIME st;
        void GetUtcTime(SYSTEMTIME& out) override { out = st; }
        void GetLocalTime(SYSTEMTIME& out) override { out = st; }
    } fixed;
    fixed.st = SYSTEMTIME{1999, 12, 5, 31, 23, 0, 0, 0};
    SetTimeSource(&fixed);
    ResetTestProfile();
    // Closed 20 minutes before the fixed time with an hour left: exactly 40 minutes are left.
    StoreLastShutdown(COleDateTime(1999, 12, 31, 22, 40, 0));
    CClock* p = Load(RunningCountdown(ACTIVETIMER_CONTINUE, TIMERSTATE_RUNNING, 1.0 / 24));
    BOOL bNewRecordTakesTheFixedTime = CClock().m_dtTargetTime == COleDateTime(1999, 12, 31, 23, 0, 0);
    SetTimeSource(NULL);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(40 * 60, (int)(p->m_tsRemaining.GetTotalSeconds() + 0.5));
    EXPECT_TRUE(bNewRecordTakesTheFixedTime);
    delete p;
}

TEST(ClockFormat, StandardTemplates)
{
    struct
    {
        int nType, nFormat;
        BOOL bDate, bDow, bSecs, b24, bFull, bBias;
        int nOrder;
        const char* pszExpect;
    } cases[] = {
        {0, 0, 1, 0, 1, 1, 0, 1, 0, "HH:mm:ss|MMM dd, yyyy|z"},
        {0, 0, 1, 1, 0, 0, 1, 1, 1, "hh:mm tt|ddd, dd MMM yyyy|zz"},
        {0, 0, 1, 0, 1, 0, 0, 0, 2, "hh:mm:ss tt|yyyy MMM dd"},
        {0, 0, 0, 1, 1, 1, 1, 0, 1, "HH:mm:ss"},
        {0, 0, 1, 0, 0, 1, 0, 1, 7, "HH:mm|MMM dd, yyyy|z"},
        {0, 1, 1, 0, 1, 1, 0, 1, 0, "custom"},
        {1, 1, 1, 0, 1, 1, 0, 1, 0, "%H:%M:%S"},
        {2, 0, 1, 1, 0, 0, 1, 1, 1, "%H:%M:%S"},
    };
    for (auto& t : cases)
    {
        CClock c;
        c.m_nClockType = t.nType;
        c.m_nFormatType = t.nFormat;
        c.m_bShowDate = t.bDate;
        c.m_bShowDayOfWeek = t.bDow;
        c.m_bShowSeconds = t.bSecs;
        c.m_b24Hour = t.b24;
        c.m_bFullZoneName = t.bFull;
        c.m_bShowBias = t.bBias;
        c.m_strTemplate = "custom";
        EXPECT_EQ(CString(t.pszExpect), c.GetTimeFormat(t.nOrder)) << t.pszExpect;
        EXPECT_EQ(CString(t.pszExpect), c.m_strTimeFormat);
    }
}

TEST(ClockProfile, MissingSectionKeepsConstructorValues)
{
    ResetTestProfile();
    CClock c;
    CClock fresh;
    c.m_dtTargetTime = fresh.m_dtTargetTime;
    c.LoadDefaults();
    EXPECT_EQ(Store(&fresh), Store(&c));
}

TEST(ClockProfile, RoundTripAndStoredForms)
{
    ResetTestProfile();
    CClock a;
    FillClock(a);
    a.m_nClockType = CLOCKTYPE_EVENT;
    a.SaveDefaults();

    CClock b;
    b.LoadDefaults();
    // What the profile does not keep: the remaining time and the behaviour.
    b.m_tsRemaining = a.m_tsRemaining;
    b.m_nActiveTimer = a.m_nActiveTimer;
    EXPECT_EQ(Store(&a), Store(&b));

    DWORD dwType;
    CByteArray ab;
    ASSERT_TRUE(ReadTestProfileValue(_T("DefClock"), _T("Bitmap"), dwType, ab));
    EXPECT_EQ((DWORD)REG_DWORD, dwType);
    EXPECT_EQ(2, ab[0]); // 12-hour, full zone name
    ASSERT_TRUE(ReadTestProfileValue(_T("DefClock"), _T("BackgroundColor"), dwType, ab));
    EXPECT_EQ((DWORD)REG_BINARY, dwType);
    ASSERT_EQ(4, ab.GetSize());
    EXPECT_EQ(0x33, ab[0]);
    EXPECT_EQ(0x11, ab[2]);
    ASSERT_TRUE(ReadTestProfileValue(_T("DefClock"), _T("TargetTime"), dwType, ab));
    ClockImage expect;
    expect.f64(38000.5).u32(0);
    ASSERT_EQ(12, ab.GetSize());
    EXPECT_EQ(0, memcmp(expect.b.data(), ab.GetData(), 12));
    ASSERT_TRUE(ReadTestProfileValue(_T("DefClock"), _T("ClockTzone"), dwType, ab));
    EXPECT_EQ(172, ab.GetSize());
    ASSERT_TRUE(ReadTestProfileValue(_T("DefClock"), _T("ClockFont"), dwType, ab));
    EXPECT_EQ(60, ab.GetSize());
}

TEST(ClockProfile, CountdownDefaultIsResetAndBitmapDefaultsToOne)
{
    ResetTestProfile();
    CWinApp* pApp = AfxGetApp();
    pApp->WriteProfileInt(_T("DefClock"), _T("ClockType"), CLOCKTYPE_COUNTDOWN);
    pApp->WriteProfileInt(_T("DefClock"), _T("TimerState"), TIMERSTATE_RUNNING);
    BYTE abSpan[12];
    PackOleTime(0.75, 0, abSpan);
    pApp->WriteProfileBinary(_T("DefClock"), _T("TimeInterval"), abSpan, sizeof(abSpan));

    CClock c;
    c.m_b24Hour = FALSE;
    c.m_bFullZoneName = TRUE;
    c.LoadDefaults();
    EXPECT_EQ(TIMERSTATE_STOPPED, c.m_nTimerState);
    EXPECT_DOUBLE_EQ(0.75, c.m_tsInterval.m_span);
    EXPECT_DOUBLE_EQ(0.75, c.m_tsRemaining.m_span);
    EXPECT_TRUE(c.m_b24Hour);
    EXPECT_FALSE(c.m_bFullZoneName);
}

TEST(ClockProfile, RawValuesOfAnotherSizeAreIgnored)
{
    ResetTestProfile();
    CWinApp* pApp = AfxGetApp();
    BYTE abShort[3] = {1, 2, 3};
    BYTE abLong[200];
    memset(abLong, 0x41, sizeof(abLong));
    pApp->WriteProfileBinary(_T("DefClock"), _T("BackgroundColor"), abShort, sizeof(abShort));
    pApp->WriteProfileBinary(_T("DefClock"), _T("ClockFont"), abLong, 61);
    pApp->WriteProfileBinary(_T("DefClock"), _T("ClockTzone"), abLong, 171);
    pApp->WriteProfileBinary(_T("DefClock"), _T("TargetTime"), abLong, 200);

    CClock c, fresh;
    c.m_dtTargetTime = fresh.m_dtTargetTime;
    c.LoadDefaults();
    EXPECT_EQ(Store(&fresh), Store(&c));

    // A font of the right size whose face name fills the field still ends inside it.
    LOGFONTA lf = TestFont();
    memset(lf.lfFaceName, 'A', sizeof(lf.lfFaceName));
    pApp->WriteProfileBinary(_T("DefClock"), _T("ClockFont"), (LPBYTE)&lf, sizeof(lf));
    c.LoadDefaults();
    EXPECT_EQ(LF_FACESIZE - 1, (int)strlen(c.m_lfFont.lfFaceName));
}

TEST(ClockProfile, DamagedTimesTypesFontAndZoneKeepTheirDefaults)
{
    // A default countdown whose stored times are no times ended at every tick; a font of one pixel
    // made a clock nobody could read.
    const double kNaN = std::numeric_limits<double>::quiet_NaN();
    const double kInf = std::numeric_limits<double>::infinity();
    CWinApp* pApp = AfxGetApp();
    for (double d : {kNaN, kInf, -kInf, 1e300, -1.0, 20000.0, -700000.0})
    {
        ResetTestProfile();
        pApp->WriteProfileInt(_T("DefClock"), _T("ClockType"), CLOCKTYPE_COUNTDOWN);
        BYTE ab[12];
        PackOleTime(d, 0, ab);
        pApp->WriteProfileBinary(_T("DefClock"), _T("TimeInterval"), ab, sizeof(ab));
        if (!IsPlausibleDate(d)) // -1 and 20000 days are dates, if not spans of a timer
            pApp->WriteProfileBinary(_T("DefClock"), _T("TargetTime"), ab, sizeof(ab));
        CClock c;
        c.m_tsInterval = COleDateTimeSpan(0, 0, 5, 0);
        c.m_dtTargetTime = COleDateTime(2020, 1, 2, 3, 4, 5);
        c.LoadDefaults();
        EXPECT_EQ(CLOCKTYPE_COUNTDOWN, c.m_nClockType) << d;
        EXPECT_DOUBLE_EQ(COleDateTimeSpan(0, 0, 5, 0).m_span, c.m_tsInterval.m_span) << d;
        EXPECT_DOUBLE_EQ(c.m_tsInterval.m_span, c.m_tsRemaining.m_span) << d;
        EXPECT_EQ(COleDateTime(2020, 1, 2, 3, 4, 5), c.m_dtTargetTime) << d;
    }

    ResetTestProfile();
    pApp->WriteProfileInt(_T("DefClock"), _T("ClockType"), 7);
    pApp->WriteProfileInt(_T("DefClock"), _T("TimerState"), -4);
    CClock c;
    c.LoadDefaults();
    EXPECT_EQ(CLOCKTYPE_CLOCK, c.m_nClockType);
    EXPECT_EQ(TIMERSTATE_STOPPED, c.m_nTimerState);

    struct
    {
        const char* pszWhat;
        LONG nHeight, nWidth, nEscapement;
        BOOL bReadable;
    } fonts[] = {
        {"11 pixels", -11, 0, 0, TRUE},        {"30 points", 40, 0, 0, TRUE},
        {"default height", 0, 0, 0, TRUE},     {"one pixel", -1, 0, 0, FALSE},
        {"two pixels", 2, 0, 0, FALSE},        {"huge", 100000, 0, 0, FALSE},
        {"negative width", -11, -5, 0, FALSE}, {"turned on its side", -11, 0, 900, FALSE},
    };
    for (const auto& t : fonts)
    {
        LOGFONTA lf = TestFont();
        lf.lfHeight = t.nHeight;
        lf.lfWidth = t.nWidth;
        lf.lfEscapement = lf.lfOrientation = t.nEscapement;
        EXPECT_EQ(t.bReadable, IsReadableClockFont(lf)) << t.pszWhat;
        ResetTestProfile();
        pApp->WriteProfileBinary(_T("DefClock"), _T("ClockFont"), (LPBYTE)&lf, sizeof(lf));
        CClock loaded, fresh;
        loaded.LoadDefaults();
        EXPECT_EQ(t.bReadable ? t.nHeight : fresh.m_lfFont.lfHeight, loaded.m_lfFont.lfHeight) << t.pszWhat;
    }

    TIME_ZONE_INFORMATION tz = TestZone();
    EXPECT_TRUE(IsPlausibleZone(tz));
    tz.Bias = 0x7FFFFFFF;
    EXPECT_FALSE(IsPlausibleZone(tz));
    tz = TestZone();
    tz.DaylightDate.wMonth = 13;
    EXPECT_FALSE(IsPlausibleZone(tz));
    tz = TestZone();
    tz.Bias = 0x7FFFFFFF;
    ResetTestProfile();
    pApp->WriteProfileBinary(_T("DefClock"), _T("ClockTzone"), (LPBYTE)&tz, sizeof(tz));
    CClock z;
    z.m_tzi = TestZone();
    z.LoadDefaults();
    EXPECT_EQ(60, z.m_tzi.Bias);
}

TEST(ClockArchive, ImplausibleStoredValuesAreRepaired)
{
    // The same damage in a data file: the record reads whole, with the constructor's values in
    // place of what no record can mean.
    const double kNaN = std::numeric_limits<double>::quiet_NaN();
    LOGFONTA lf = TestFont();
    lf.lfHeight = 1;
    TIME_ZONE_INFORMATION tz = TestZone();
    tz.StandardBias = -100000;
    ClockImage im;
    im.header(6);
    im.str("|MMM dd, yyyy").str("HH:mm:ss|MMM dd, yyyy|z");
    im.u32(0x00112233).u32(0x00445566);
    im.raw(&lf, 60).raw(&tz, 172);
    im.str("Tea").u32(1).u32(1).u32(0).u32(1);
    im.u32(CLOCKTYPE_COUNTDOWN).time(0, 1e300).time(0, kNaN);
    im.str("Tea").u32(0).str("Done").u32(1).str("ding.wav").u32(TIMERSTATE_RUNNING);
    im.time(0, -std::numeric_limits<double>::infinity());
    im.u32(0).u32(1).str("HH:mm").u32(1 | ACTIVETIMER_PAUSE).u32(0);
    CClock* p = Load(im.b);
    ASSERT_NE(nullptr, p);
    CClock fresh;
    EXPECT_EQ(COleDateTimeSpan::valid, p->m_tsInterval.GetStatus());
    EXPECT_DOUBLE_EQ(0.0, p->m_tsInterval.m_span);
    EXPECT_DOUBLE_EQ(0.0, p->m_tsRemaining.m_span);
    EXPECT_EQ(TIMERSTATE_STOPPED, p->m_nTimerState);
    EXPECT_TRUE(IsPlausibleDate(p->m_dtTargetTime.m_dt));
    EXPECT_EQ(fresh.m_lfFont.lfHeight, p->m_lfFont.lfHeight);
    EXPECT_EQ(fresh.m_tzi.StandardBias, p->m_tzi.StandardBias);
    EXPECT_EQ(CString("Tea"), p->m_strTimerName);
    delete p;
}
