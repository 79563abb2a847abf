// The clocks-and-alarms file with its alarms: what a whole file gives, and damage of every kind
// (cut at every byte, seeded random corruption, other classes) raised without a crash.
#include <gtest/gtest.h>

#include "AlarmImage.h"
#include "Alarms.h"
#include "ClockDataFile.h"
#include "TestSupport.h"

namespace
{
struct CRead
{
    int nOutcome = -1; // a ReadResult, or 100 for an archive error, 101 for a file error
    CObArray clocks, alarms;
    long nNextId = -1;
    ~CRead()
    {
        for (INT_PTR i = 0; i < clocks.GetSize(); i++)
            delete clocks.GetAt(i);
        for (INT_PTR i = 0; i < alarms.GetSize(); i++)
            delete alarms.GetAt(i);
    }
};

void ReadBytes(const std::vector<BYTE>& bytes, CRead& r)
{
    CTestFolder folder;
    folder.Write(_T("Velmora2Dat"), Bytes(bytes.begin(), bytes.end()));
    try
    {
        r.nOutcome = CClockDataFile(folder.Path() + _T("\\")).Load(r.clocks, r.nNextId, r.alarms);
    }
    catch (CException* e)
    {
        r.nOutcome = e->IsKindOf(RUNTIME_CLASS(CArchiveException)) ? 100 : 101;
        e->Delete();
    }
    // Reading never changes the file.
    EXPECT_EQ(Hex(Bytes(bytes.begin(), bytes.end())), Hex(folder.Read(_T("Velmora2Dat"))));
}

std::vector<AlarmFields> ThreeAlarms()
{
    AlarmFields a, b, c;
    b.id = 8;
    b.name = "Pills";
    b.repeat = 1;
    b.interval = 1;
    c.id = 9;
    c.state = 5;
    c.message = std::string(300, 'x');
    return {a, b, c};
}
} // namespace

TEST(AlarmDataFile, AWholeFileGivesItsAlarmsInOrder)
{
    CRead r;
    ReadBytes(DataFileOf(12, ThreeAlarms()), r);
    ASSERT_EQ(CClockDataFile::readWhole, r.nOutcome);
    EXPECT_EQ(12, r.nNextId);
    ASSERT_EQ(3, r.alarms.GetSize());
    EXPECT_EQ(7, ((CAlarms*)r.alarms[0])->m_nId);
    EXPECT_EQ(CString("Pills"), ((CAlarms*)r.alarms[1])->m_strName);
    EXPECT_EQ(5, ((CAlarms*)r.alarms[2])->m_nState);
    EXPECT_EQ(300, ((CAlarms*)r.alarms[2])->m_strMessage.GetLength());

    // Written back with the same next id, the file is what was read.
    CTestFolder folder;
    CObArray none;
    CClockDataFile(folder.Path() + _T("\\")).Save(none, 12, r.alarms);
    std::vector<BYTE> expected = DataFileOf(12, ThreeAlarms());
    EXPECT_EQ(Hex(Bytes(expected.begin(), expected.end())), Hex(folder.Read(_T("Velmora2Dat"))));
}

TEST(AlarmDataFile, DamageIsRaised)
{
    struct Case
    {
        const char* pszName;
        std::vector<BYTE> bytes;
    };
    std::vector<BYTE> whole = DataFileOf(12, ThreeAlarms());
    std::vector<BYTE> trailing = whole;
    trailing.push_back('x');
    // A time-server record where an alarm belongs.
    AlarmImage other;
    other.u32(1).u32(0).u32(3).u32(1).classTag(1, "CTimeServer");
    for (int i = 0; i < 5; i++)
        other.str("s");
    AlarmImage unknown;
    unknown.u32(1).u32(0).u32(3).u32(1).classTag(1, "CNoSuchThing").u32(0);
    // A count far beyond the bytes left raises before anything is read.
    AlarmImage huge;
    huge.u32(1).u32(0).u32(3).u32(0x7FFFFFFF).classTag(5, "CAlarms");
    AlarmImage badSchema = AlarmImage().u32(1).u32(0).u32(3).u32(1).classTag(7, "CAlarms");
    badSchema.append(AlarmFields().Body(5));
    Case cases[] = {{"bytes after the last alarm", trailing},
                    {"another class", other.b},
                    {"an unknown class", unknown.b},
                    {"an impossible count", huge.b},
                    {"an unknown schema", badSchema.b}};
    for (const Case& c : cases)
    {
        CRead r;
        ReadBytes(c.bytes, r);
        EXPECT_EQ(100, r.nOutcome) << c.pszName;
    }
}

TEST(AlarmDataFile, CutAtEveryOffsetIsRaisedAndKeepsWhatCameBefore)
{
    std::vector<BYTE> whole = DataFileOf(12, ThreeAlarms());
    for (size_t n = 0; n < whole.size(); n++)
    {
        CRead r;
        ReadBytes(std::vector<BYTE>(whole.begin(), whole.begin() + n), r);
        EXPECT_EQ(100, r.nOutcome) << "cut at " << n;
        EXPECT_LE(r.alarms.GetSize(), 3) << "cut at " << n;
    }
}

TEST(AlarmDataFile, SeededRandomCorruptionNeverCrashes)
{
    std::vector<BYTE> whole = DataFileOf(12, ThreeAlarms());
    unsigned int nSeed = 20261209;
    auto next = [&nSeed]() {
        nSeed = nSeed * 1103515245u + 12345u;
        return nSeed >> 8;
    };
    int nWhole = 0;
    for (int nRun = 0; nRun < 300; nRun++)
    {
        std::vector<BYTE> bytes = whole;
        int nFlips = 1 + next() % 4;
        for (int i = 0; i < nFlips; i++)
            bytes[next() % bytes.size()] = (BYTE)next();
        CRead r;
        ReadBytes(bytes, r);
        EXPECT_TRUE(r.nOutcome == 100 || r.nOutcome == CClockDataFile::readWhole ||
                    r.nOutcome == CClockDataFile::readWrongVersion)
            << "run " << nRun;
        if (r.nOutcome == CClockDataFile::readWhole)
            nWhole++;
    }
    // Most single-byte changes land in a text or a number and still read as a file.
    EXPECT_GT(nWhole, 0);
}
