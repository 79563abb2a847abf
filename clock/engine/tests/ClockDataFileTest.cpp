// The clocks-and-alarms file: its framing byte for byte, what each kind of damage gives, the older
// file name, and a round trip of real clocks.
#include <gtest/gtest.h>

#include "Clock.h"
#include "ClockDataFile.h"
#include "TestSupport.h"

namespace
{
enum Outcome
{
    kMissing = CClockDataFile::readMissing,
    kWrongVersion = CClockDataFile::readWrongVersion,
    kWhole = CClockDataFile::readWhole,
    kAlarmsKept = CClockDataFile::readAlarmsKept,
    kArchiveError = 100,
    kFileError = 101
};

struct CLoaded
{
    int nOutcome;
    CObArray clocks;
    long nNextAlarmId = -1;
    ~CLoaded()
    {
        for (INT_PTR i = 0; i < clocks.GetSize(); i++)
            delete clocks.GetAt(i);
    }
};

void Load(const CTestFolder& folder, CLoaded& loaded)
{
    CClockDataFile data(folder.Path() + _T("\\"));
    try
    {
        loaded.nOutcome = data.Load(loaded.clocks, loaded.nNextAlarmId);
    }
    catch (CException* e)
    {
        loaded.nOutcome = e->IsKindOf(RUNTIME_CLASS(CArchiveException)) ? kArchiveError : kFileError;
        e->Delete();
    }
}

Bytes FileOf(const CObArray& clocks, long nNextAlarmId)
{
    CTestFolder folder;
    CObArray alarms;
    CClockDataFile(folder.Path() + _T("\\")).Save(clocks, nNextAlarmId, alarms);
    return folder.Read(_T("Velmora2Dat"));
}

CClock* MakeClock(LPCTSTR pszName, int nType)
{
    CClock* pClock = new CClock;
    pClock->m_strDisplayName = pszName;
    pClock->m_nClockType = nType;
    pClock->m_strTimerName = pszName;
    return pClock;
}
} // namespace

TEST(ClockDataFile, FramingOfAFileWithoutClocks)
{
    CObArray none;
    EXPECT_EQ(Hex(Image("01 00 00 00 | 00 00 00 00 | 2A 00 00 00 | 00 00 00 00")), Hex(FileOf(none, 42)));
}

TEST(ClockDataFile, WhatEachFileGives)
{
    struct Case
    {
        const char* pszName;
        const char* pszImage;
        int nOutcome;
        long nNextAlarmId; // -1: not read
    } cases[] = {
        {"no clocks, no alarms", "01 00 00 00 | 00 00 00 00 | 07 00 00 00 | 00 00 00 00", kWhole, 7},
        {"another version", "02 00 00 00 | 00 00 00 00 | 07 00 00 00 | 00 00 00 00", kWrongVersion, -1},
        {"the last version word a program could write", "FF 00 00 00 | 00 00 00 00", kWrongVersion, -1},
        // A word no version counts to is damage, as random bytes give.
        {"version 0", "00 00 00 00 | 00 00 00 00 | 07 00 00 00 | 00 00 00 00", kArchiveError, -1},
        {"version 256", "00 01 00 00 | 00 00 00 00 | 07 00 00 00 | 00 00 00 00", kArchiveError, -1},
        {"random bytes", "9C 3F A1 7E | 12 E0 5B 77 | C4", kArchiveError, -1},
        {"a negative version", "FE FF FF FF | 00 00 00 00 | 07 00 00 00 | 00 00 00 00", kArchiveError, -1},
        {"alarms for the alarm engine", "01 00 00 00 | 00 00 00 00 | 07 00 00 00 | 02 00 00 00 | FF FF",
         kAlarmsKept, 7},
        // Damage that raises nothing of itself is reported all the same.
        {"negative clock count", "01 00 00 00 | FF FF FF FF | 07 00 00 00 | 00 00 00 00", kArchiveError, -1},
        {"negative alarm count", "01 00 00 00 | 00 00 00 00 | 07 00 00 00 | FE FF FF FF", kArchiveError, 7},
        {"bytes after the end", "01 00 00 00 | 00 00 00 00 | 07 00 00 00 | 00 00 00 00 | 'x'", kArchiveError,
         7},
        {"a null clock", "01 00 00 00 | 01 00 00 00 | 00 00 | 07 00 00 00 | 00 00 00 00", kArchiveError, -1},
        {"cut after the version", "01 00 00 00 | 03 00", kArchiveError, -1},
        {"cut inside the version", "01 00", kArchiveError, -1},
    };
    for (const Case& c : cases)
    {
        CTestFolder folder;
        folder.Write(_T("Velmora2Dat"), Image(c.pszImage));
        CLoaded loaded;
        Load(folder, loaded);
        EXPECT_EQ(c.nOutcome, loaded.nOutcome) << c.pszName;
        EXPECT_EQ(0, loaded.clocks.GetSize()) << c.pszName;
        EXPECT_EQ(c.nNextAlarmId, loaded.nNextAlarmId) << c.pszName;
        // Reading never changes the file.
        EXPECT_EQ(Hex(Image(c.pszImage)), Hex(folder.Read(_T("Velmora2Dat")))) << c.pszName;
    }
}

TEST(ClockDataFile, RandomBytesAfterTheVersionAreReported)
{
    unsigned int nSeed = 12345;
    for (int nRun = 0; nRun < 200; nRun++)
    {
        Bytes bytes = Image("01 00 00 00");
        for (int i = 0; i < 64; i++)
        {
            nSeed = nSeed * 1103515245u + 12345u;
            bytes.push_back((BYTE)(nSeed >> 16));
        }
        CTestFolder folder;
        folder.Write(_T("Velmora2Dat"), bytes);
        CLoaded loaded;
        Load(folder, loaded);
        EXPECT_TRUE(loaded.nOutcome == kArchiveError || loaded.nOutcome == kFileError)
            << "run " << nRun << " gave " << loaded.nOutcome << ": " << Hex(bytes);
    }
}

TEST(ClockDataFile, RoundTripAndTheClocksBeforeDamage)
{
    CObArray clocks;
    clocks.Add(MakeClock(_T("(GMT+09:00) Tokyo"), CLOCKTYPE_CLOCK));
    clocks.Add(MakeClock(_T("Tea"), CLOCKTYPE_COUNTDOWN));
    clocks.Add(MakeClock(_T("(GMT-05:00) Lima"), CLOCKTYPE_CLOCK));
    Bytes whole = FileOf(clocks, 3);
    for (INT_PTR i = 0; i < clocks.GetSize(); i++)
        delete clocks.GetAt(i);

    CTestFolder folder;
    folder.Write(_T("Velmora2Dat"), whole);
    CLoaded loaded;
    Load(folder, loaded);
    ASSERT_EQ(kWhole, loaded.nOutcome);
    ASSERT_EQ(3, loaded.clocks.GetSize());
    EXPECT_EQ(CString(_T("(GMT+09:00) Tokyo")), ((CClock*)loaded.clocks.GetAt(0))->m_strDisplayName);
    EXPECT_EQ(CLOCKTYPE_COUNTDOWN, ((CClock*)loaded.clocks.GetAt(1))->m_nClockType);
    EXPECT_EQ(CString(_T("(GMT-05:00) Lima")), ((CClock*)loaded.clocks.GetAt(2))->m_strDisplayName);
    EXPECT_EQ(3, loaded.nNextAlarmId);
    EXPECT_EQ(Hex(whole), Hex(FileOf(loaded.clocks, 3)));

    // Cut inside the last clock: the clocks before it are kept, and the damage is raised.
    CTestFolder cut;
    cut.Write(_T("Velmora2Dat"), Bytes(whole.begin(), whole.end() - 30));
    CLoaded partial;
    Load(cut, partial);
    EXPECT_EQ(kArchiveError, partial.nOutcome);
    EXPECT_EQ(2, partial.clocks.GetSize());
}

TEST(ClockDataFile, TheOlderNameIsReadOnlyWithoutTheNewOne)
{
    Bytes oldFile = Image("01 00 00 00 | 00 00 00 00 | 05 00 00 00 | 00 00 00 00");
    Bytes newFile = Image("01 00 00 00 | 00 00 00 00 | 09 00 00 00 | 00 00 00 00");
    CTestFolder folder;
    CLoaded none;
    Load(folder, none);
    EXPECT_EQ(kMissing, none.nOutcome);
    EXPECT_TRUE(folder.Files().empty());

    folder.Write(_T("VelmoraDat"), oldFile);
    CLoaded fromOld;
    Load(folder, fromOld);
    EXPECT_EQ(kWhole, fromOld.nOutcome);
    EXPECT_EQ(5, fromOld.nNextAlarmId);

    folder.Write(_T("Velmora2Dat"), newFile);
    CLoaded fromNew;
    Load(folder, fromNew);
    EXPECT_EQ(9, fromNew.nNextAlarmId);
    EXPECT_EQ(Hex(oldFile), Hex(folder.Read(_T("VelmoraDat"))));
}
