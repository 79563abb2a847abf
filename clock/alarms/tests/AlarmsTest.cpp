// Alarm record: the stored bytes of schema 5 against the layout, the older schemas with their
// defaults, unknown schemas, and long texts.
#include <gtest/gtest.h>

#include <limits>

#include "AlarmImage.h"
#include "Alarms.h"
#include "TestSupport.h"

namespace
{
CAlarms* Load(const std::vector<BYTE>& bytes)
{
    CMemFile file;
    file.Write(bytes.data(), (UINT)bytes.size());
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    CObject* pObject = NULL;
    ar >> pObject;
    return (CAlarms*)pObject;
}

std::vector<BYTE> Store(CAlarms* pAlarm)
{
    return StoreToBytes([pAlarm](CArchive& ar) { ar << pAlarm; });
}

std::vector<BYTE> WithTag(int nSchema, const AlarmFields& f)
{
    return AlarmImage().classTag((WORD)nSchema, "CAlarms").append(f.Body(nSchema)).b;
}
} // namespace

TEST(AlarmRecord, DefaultsOfANewAlarm)
{
    CAlarms a;
    EXPECT_EQ(CString("Unnamed Alarm"), a.m_strName);
    EXPECT_EQ(CString("Hello there...."), a.m_strMessage);
    EXPECT_EQ(CString("Default Beep"), a.m_strSoundFile);
    EXPECT_EQ(0, a.m_nState);
    EXPECT_TRUE(a.m_bEnabled && a.m_bDisplayMessage && !a.m_bRepeat);
    EXPECT_EQ(1, a.m_nCdTrack);
    EXPECT_EQ(EWX_SHUTDOWN, a.m_nShutDownKind);
}

TEST(AlarmRecord, Schema5IsStoredInTheLayoutsOrder)
{
    // Repeat on and enabled off: the enabled word (0) goes before the repeat word (1).
    AlarmFields f;
    f.enabled = 0;
    f.repeat = 1;
    f.playSound = 1;
    f.sound = "C:\\bell.mid";
    f.command = "notepad.exe";
    f.interval = 1.0 / 24;
    f.cd = 1;
    f.track = 4;
    f.shutDown = 1;
    f.kind = 8;
    f.force = 1;
    f.speak = 1;

    CAlarms a;
    a.m_tCreated = 1000000000;
    a.m_nId = 7;
    a.m_nState = 3;
    a.m_strName = "Tea";
    a.m_dtActivation.m_dt = 45000.5;
    a.m_bEnabled = FALSE;
    a.m_bRepeat = TRUE;
    a.m_strMessage = "Brew";
    a.m_bPlaySound = TRUE;
    a.m_strSoundFile = "C:\\bell.mid";
    a.m_strCommandLine = "notepad.exe";
    a.m_tsRepeatInterval.m_span = 1.0 / 24;
    a.m_bPlayCdAudio = TRUE;
    a.m_nCdTrack = 4;
    a.m_bShutDown = TRUE;
    a.m_nShutDownKind = EWX_POWEROFF;
    a.m_bCloseAll = TRUE;
    a.m_bSpeakMessage = TRUE;
    std::vector<BYTE> expected = WithTag(5, f);
    std::vector<BYTE> stored = Store(&a);
    ASSERT_EQ(expected.size(), stored.size());
    EXPECT_TRUE(expected == stored);

    CAlarms* p = Load(stored);
    ASSERT_NE(nullptr, p);
    EXPECT_EQ(stored, Store(p));
    delete p;
}

TEST(AlarmRecord, OlderSchemasKeepTheDefaultsOfWhatTheyLack)
{
    AlarmFields f;
    f.name = "Old";
    for (int nSchema : {3, 4})
    {
        CAlarms* p = Load(WithTag(nSchema, f));
        ASSERT_NE(nullptr, p) << nSchema;
        EXPECT_EQ(CString("Old"), p->m_strName) << nSchema;
        EXPECT_EQ(1, p->m_nCdTrack) << nSchema;
        EXPECT_EQ(EWX_SHUTDOWN, p->m_nShutDownKind) << nSchema;
        EXPECT_FALSE(p->m_bSpeakMessage) << nSchema;
        // Written again, it takes the current schema.
        EXPECT_EQ(WithTag(5, f), Store(p)) << nSchema;
        delete p;
    }
}

TEST(AlarmRecord, UnknownSchemasAndCutRecordsRaise)
{
    AlarmFields f;
    std::vector<std::vector<BYTE>> images = {WithTag(2, f), WithTag(6, f)};
    std::vector<BYTE> whole = WithTag(5, f);
    for (size_t n = 0; n < whole.size(); n++)
        images.push_back(std::vector<BYTE>(whole.begin(), whole.begin() + n));
    for (size_t i = 0; i < images.size(); i++)
    {
        BOOL bRaised = FALSE;
        try
        {
            delete Load(images[i]);
        }
        catch (CException* e)
        {
            bRaised = e->IsKindOf(RUNTIME_CLASS(CArchiveException));
            e->Delete();
        }
        EXPECT_TRUE(bRaised) << "image " << i;
    }
}

TEST(AlarmRecord, LongTextsTakeTheLongerLengthForm)
{
    CAlarms a;
    a.m_strName = CString('n', 255);
    a.m_strMessage = CString('m', 70000);
    std::vector<BYTE> stored = Store(&a);
    CAlarms* p = Load(stored);
    ASSERT_NE(nullptr, p);
    EXPECT_EQ(a.m_strName, p->m_strName);
    EXPECT_EQ(a.m_strMessage, p->m_strMessage);
    delete p;
}

TEST(AlarmRecord, TimesThatAreNoDateMakeTheAlarmUnusable)
{
    const double kNaN = std::numeric_limits<double>::quiet_NaN();
    const double kInf = std::numeric_limits<double>::infinity();
    struct
    {
        const char* pszWhat;
        double activation;
        DWORD repeat, intervalStatus;
        double interval;
        BOOL bUsable;
    } cases[] = {
        {"a date", 45000.5, 0, 0, 0, TRUE},
        {"the last day", 2958465.5, 0, 0, 0, TRUE},
        {"year 100", -657434.0, 0, 0, 0, TRUE},
        {"not a number", kNaN, 0, 0, 0, FALSE},
        {"infinite", kInf, 0, 0, 0, FALSE},
        {"minus infinite", -kInf, 0, 0, 0, FALSE},
        {"1e300", 1e300, 0, 0, 0, FALSE},
        {"year 0", -693959.0, 0, 0, 0, FALSE},
        {"repeat hourly", 45000.5, 1, 0, 1.0 / 24, TRUE},
        {"repeat zero", 45000.5, 1, 0, 0, TRUE},
        {"repeat not a number", 45000.5, 1, 0, kNaN, FALSE},
        {"repeat infinite", 45000.5, 1, 0, kInf, FALSE},
        {"repeat negative", 45000.5, 1, 0, -1.0, FALSE},
        {"repeat 1e300", 45000.5, 1, 0, 1e300, FALSE},
        {"repeat of invalid status", 45000.5, 1, 1, 1.0, FALSE},
        {"no repeat, bad interval", 45000.5, 0, 0, kNaN, TRUE},
    };
    for (const auto& c : cases)
    {
        AlarmFields f;
        f.activation = c.activation;
        f.repeat = c.repeat;
        f.intervalStatus = c.intervalStatus;
        f.interval = c.interval;
        CAlarms* p = Load(WithTag(5, f));
        ASSERT_NE(nullptr, p) << c.pszWhat;
        EXPECT_EQ(c.bUsable, p->IsUsable()) << c.pszWhat;
        EXPECT_EQ(c.bUsable ? COleDateTime::valid : COleDateTime::invalid, p->m_dtActivation.GetStatus())
            << c.pszWhat;
        delete p;
    }
}

TEST(AlarmRecord, OnlyTheFourShutDownKindsAreUsable)
{
    for (DWORD nKind : {0u, 1u, 2u, 8u, 3u, 4u, 0x7FFFFFFFu, 0xFFFFFFFFu})
    {
        AlarmFields f;
        f.shutDown = 1;
        f.kind = nKind;
        CAlarms* p = Load(WithTag(5, f));
        ASSERT_NE(nullptr, p);
        BOOL bKnown = nKind == 0 || nKind == 1 || nKind == 2 || nKind == 8;
        EXPECT_EQ(bKnown, CAlarms::IsShutDownKind((LONG)nKind)) << nKind;
        EXPECT_EQ(bKnown, p->IsUsable()) << nKind;
        // The time is sound: only the session end is refused.
        EXPECT_EQ(COleDateTime::valid, p->m_dtActivation.GetStatus()) << nKind;
        p->m_bShutDown = FALSE;
        EXPECT_TRUE(p->IsUsable()) << nKind;
        delete p;
    }
}
