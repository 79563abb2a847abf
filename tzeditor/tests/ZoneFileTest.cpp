// Loading and saving the data file as the editor does: images built by hand from the archive
// layout, damaged files refused whole or read up to the damage, and failed saves that leave the
// old file whole.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "TimeZoneInfo.h"
#include "ZoneFile.h"
#include "ZoneRules.h"

// A zone whose writing fails half way, as a full disk would make it.
class CFailingZone : public CTimeZoneInfo
{
    DECLARE_SERIAL(CFailingZone)
public:
    virtual void Serialize(CArchive& ar)
    {
        CTimeZoneInfo::Serialize(ar);
        AfxThrowFileException(CFileException::diskFull, ERROR_DISK_FULL);
    }
};
IMPLEMENT_SERIAL(CFailingZone, CTimeZoneInfo, 1)

namespace
{
// A zone name field: 32 UTF-16 units.
std::string NameField(const std::string& name)
{
    return HexOfUtf16(name, 32);
}

// Europe in memory: Bias 60, DaylightBias 60, daylight from the last Sunday of March at 02:00,
// standard from the last Sunday of October at 03:00.
const std::string kEurope =
    "c4ffffff" + NameField("CET") +
    "0000 0000 0200 0500 0300 0000 0a00 0000" // year, weekday, 2, week, hour, minute, month, ms
    "00000000" +
    NameField("CEST") +
    "0000 0000 0000 0500 0200 0000 0500 0300" // year, 0, weekday, week, hour, minute, week, month
    "c4ffffff";
// India: Bias 330, no daylight saving (the record's defaults: day 1, month 0).
const std::string kIndia = "b6feffff" + NameField("IST") +
                           "0000 0000 0200 0100 0000 0000 0000 0000"
                           "00000000" +
                           NameField("IST") +
                           "0000 0000 0000 0100 0000 0000 0100 0000"
                           "00000000";
const std::string kClass = "ffff 0100 0d00" + HexOf("CTimeZoneInfo");

std::string TwoZones()
{
    return "02000000" + kClass + "06" + HexOf("Berlin") + kEurope + "0180" + "05" + HexOf("Delhi") + kIndia;
}

CTimeZoneInfo* Europe()
{
    CTimeZoneInfo* zone = new CTimeZoneInfo;
    zone->SetName("Berlin");
    zone->m_tzi.Bias = 60;
    zone->m_tzi.DaylightBias = 60;
    ZoneNameToWide("CET", zone->m_tzi.StandardName);
    ZoneNameToWide("CEST", zone->m_tzi.DaylightName);
    zone->m_tzi.DaylightDate.wMonth = 3;
    zone->m_tzi.DaylightDate.wDay = 5;
    zone->m_tzi.DaylightDate.wHour = 2;
    zone->m_tzi.StandardDate.wMonth = 10;
    zone->m_tzi.StandardDate.wDay = 5;
    zone->m_tzi.StandardDate.wHour = 3;
    return zone;
}

CTimeZoneInfo* India()
{
    CTimeZoneInfo* zone = new CTimeZoneInfo;
    zone->SetName("Delhi");
    zone->m_tzi.Bias = 330;
    ZoneNameToWide("IST", zone->m_tzi.StandardName);
    ZoneNameToWide("IST", zone->m_tzi.DaylightName);
    return zone;
}

struct ZoneList
{
    CObArray zones;
    ~ZoneList() { DeleteZones(zones); }
};
} // namespace

TEST(ZoneFileLoad, ReadsTheHandBuiltImage)
{
    CTestFolder folder;
    folder.Write("VelmoraTZ", Image(TwoZones()));
    ZoneList list;
    CException* error = NULL;
    ASSERT_EQ(zoneFileLoaded, LoadZoneFile(folder.File("VelmoraTZ"), list.zones, &error));
    EXPECT_EQ(NULL, error);
    ASSERT_EQ(2, list.zones.GetSize());
    CTimeZoneInfo* berlin = (CTimeZoneInfo*)list.zones[0];
    CTimeZoneInfo* delhi = (CTimeZoneInfo*)list.zones[1];
    EXPECT_STREQ("Berlin", (LPCTSTR)berlin->GetName());
    EXPECT_EQ(60, berlin->m_tzi.Bias);
    EXPECT_EQ(60, berlin->m_tzi.DaylightBias);
    EXPECT_STREQ("CEST", (LPCTSTR)ZoneNameFromWide(berlin->m_tzi.DaylightName));
    EXPECT_STREQ("Last Sunday of March at 02:00:00 AM",
                 (LPCTSTR)DescribeTransition(berlin->m_tzi.DaylightDate));
    EXPECT_STREQ("Last Sunday of October at 03:00:00 AM",
                 (LPCTSTR)DescribeTransition(berlin->m_tzi.StandardDate));
    EXPECT_STREQ("Delhi", (LPCTSTR)delhi->GetName());
    EXPECT_EQ(330, delhi->m_tzi.Bias);
    EXPECT_STREQ("Not specified for this Timezone", (LPCTSTR)DescribeTransition(delhi->m_tzi.DaylightDate));
}

TEST(ZoneFileLoad, EmptyMissingAndDamagedFiles)
{
    const std::string two = TwoZones();
    const Bytes whole = Image(two);
    struct Case
    {
        const char* what;
        bool present;
        std::string hex;
        ZoneFileLoad result;
    } cases[] = {
        {"missing", false, "", zoneFileMissing},
        {"count 0", true, "00000000", zoneFileLoaded},
        {"negative count", true, "fdffffff", zoneFileLoaded},
        {"empty file", true, "", zoneFileFailed},
        {"short count", true, "0200", zoneFileFailed},
        {"cut in the second record", true, Hex(Bytes(whole.begin(), whole.end() - 47)), zoneFileFailed},
        {"one record too few", true, "03" + two.substr(2), zoneFileFailed},
        {"another class", true,
         "01000000 ffff 0100 0d00" + HexOf("CTimeZoneInfX") + "06" + HexOf("Berlin") + kEurope,
         zoneFileFailed},
        {"wrong schema", true,
         "01000000 ffff 0200 0d00" + HexOf("CTimeZoneInfo") + "06" + HexOf("Berlin") + kEurope,
         zoneFileFailed},
        {"reference to nothing", true, "01000000 0280", zoneFileFailed},
        // Random bytes whose first word is a count of zero or less would read as an empty list.
        {"negative count before more bytes", true, "9c3a81f2 5d07e4b1 c2", zoneFileFailed},
        {"zero count before more bytes", true, "00000000 00", zoneFileFailed},
        {"a byte after the last record", true, two + "00", zoneFileFailed},
    };
    for (const Case& c : cases)
    {
        CTestFolder folder;
        if (c.present)
            folder.Write("VelmoraTZ", Image(c.hex));
        ZoneList list;
        CException* error = NULL;
        EXPECT_EQ(c.result, LoadZoneFile(folder.File("VelmoraTZ"), list.zones, &error)) << c.what;
        EXPECT_EQ(0, list.zones.GetSize()) << c.what;
        EXPECT_EQ(c.result == zoneFileFailed, error != NULL) << c.what;
        if (error != NULL)
            error->Delete();
        // Reading never creates or changes the file.
        EXPECT_EQ(c.present ? 1u : 0u, folder.Files().size()) << c.what;
        if (c.present)
        {
            EXPECT_EQ(Image(c.hex), folder.Read("VelmoraTZ")) << c.what;
        }
    }
}

TEST(ZoneFileLoad, ADamagedFileGivesTheZonesBeforeTheDamage)
{
    const std::string two = TwoZones();
    const Bytes whole = Image(two);
    struct Case
    {
        const char* what;
        Bytes bytes;
        ZoneFileLoad result;
        int zones;
    } cases[] = {
        {"whole", whole, zoneFileLoaded, 2},
        {"cut in the second record", Bytes(whole.begin(), whole.end() - 47), zoneFileFailed, 1},
        {"one record too few", Image("03" + two.substr(2)), zoneFileFailed, 2},
        {"cut in the first record", Bytes(whole.begin(), whole.begin() + 40), zoneFileFailed, 0},
        {"short count", Image("0200"), zoneFileFailed, 0},
    };
    for (const Case& c : cases)
    {
        CTestFolder folder;
        folder.Write("VelmoraTZ", c.bytes);
        ZoneList list;
        CException* error = NULL;
        EXPECT_EQ(c.result, LoadZoneFileUpToDamage(folder.File("VelmoraTZ"), list.zones, &error)) << c.what;
        ASSERT_EQ(c.zones, list.zones.GetSize()) << c.what;
        if (c.zones > 0)
        {
            EXPECT_STREQ("Berlin", (LPCTSTR)((CTimeZoneInfo*)list.zones[0])->GetName()) << c.what;
            EXPECT_EQ(60, ((CTimeZoneInfo*)list.zones[0])->m_tzi.Bias) << c.what;
        }
        EXPECT_EQ(c.result == zoneFileFailed, error != NULL) << c.what;
        if (error != NULL)
        {
            // The report names the file it could not read.
            TCHAR text[512] = "";
            error->GetErrorMessage(text, 512);
            EXPECT_NE(nullptr, strstr(text, folder.File("VelmoraTZ"))) << c.what << ": " << text;
            error->Delete();
        }
        EXPECT_EQ(c.bytes, folder.Read("VelmoraTZ")) << c.what;
        EXPECT_EQ(1u, folder.Files().size()) << c.what;
    }
    EXPECT_STREQ("The Velmora Timezone file could not be read. It is left as it is unless you save.",
                 (LPCTSTR)UnreadZoneFileMessage(0));
    EXPECT_STREQ(
        "The Velmora Timezone file could not be read whole; only its first timezone could be read. It is "
        "left as it is unless you save.",
        (LPCTSTR)UnreadZoneFileMessage(1));
    EXPECT_STREQ(
        "The Velmora Timezone file could not be read whole; only its first 2 timezones could be read. It "
        "is left as it is unless you save.",
        (LPCTSTR)UnreadZoneFileMessage(2));
}

TEST(ZoneFileSave, WritesTheArchiveLayoutAndReplacesTheOldFile)
{
    CTestFolder folder;
    folder.Write("VelmoraTZ", Image(std::string(5000, 'e')));
    ZoneList list;
    list.zones.Add(Europe());
    list.zones.Add(India());
    CException* error = NULL;
    ASSERT_TRUE(SaveZoneFile(folder.File("VelmoraTZ"), list.zones, &error));
    EXPECT_EQ(NULL, error);
    EXPECT_EQ(Image(TwoZones()), folder.Read("VelmoraTZ"));
    ASSERT_EQ(1u, folder.Files().size()) << "no temporary file is left behind";

    // An empty list is a count of 0, and a new file is made where there was none.
    ZoneList none;
    ASSERT_TRUE(SaveZoneFile(folder.File("Other"), none.zones, &error));
    EXPECT_EQ(Image("00000000"), folder.Read("Other"));
    EXPECT_EQ(2u, folder.Files().size());
}

TEST(ZoneFileSave, AFailedSaveLeavesTheOldFileWhole)
{
    const std::vector<BYTE> old = Image(TwoZones());
    enum Failure
    {
        failWhileWriting,
        failNoFolder,
        failTargetInUse
    };
    struct Case
    {
        const char* what;
        Failure failure;
    } cases[] = {
        {"the disk fills while writing", failWhileWriting},
        {"the folder does not exist", failNoFolder},
        {"the file is held open by another program", failTargetInUse},
    };
    for (const Case& c : cases)
    {
        CTestFolder folder;
        folder.Write("VelmoraTZ", old);
        ZoneList list;
        list.zones.Add(India());
        CString path = folder.File("VelmoraTZ");
        HANDLE held = INVALID_HANDLE_VALUE;
        if (c.failure == failWhileWriting)
            list.zones.Add(new CFailingZone);
        else if (c.failure == failNoFolder)
            path = folder.File("missing\\VelmoraTZ");
        else
            held = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING,
                                 0, NULL);

        CException* error = NULL;
        EXPECT_FALSE(SaveZoneFile(path, list.zones, &error)) << c.what;
        EXPECT_NE((CException*)NULL, error) << c.what;
        if (error != NULL)
        {
            TCHAR text[256] = "";
            EXPECT_TRUE(error->GetErrorMessage(text, 256)) << c.what;
            error->Delete();
        }
        if (held != INVALID_HANDLE_VALUE)
            ::CloseHandle(held);
        EXPECT_EQ(old, folder.Read("VelmoraTZ")) << c.what;
        EXPECT_EQ(1u, folder.Files().size()) << c.what << ": no temporary file is left behind";
    }
}

TEST(ZoneFileSave, SavedZonesLoadBackEqual)
{
    CTestFolder folder;
    ZoneList list;
    list.zones.Add(Europe());
    CTimeZoneInfo* odd = India();
    odd->SetName(CString('n', 300));
    odd->m_tzi.StandardBias = -15;
    odd->m_tzi.DaylightDate.wSecond = 30; // not kept by the file
    list.zones.Add(odd);
    CException* error = NULL;
    ASSERT_TRUE(SaveZoneFile(folder.File("VelmoraTZ"), list.zones, &error));
    ZoneList back;
    ASSERT_EQ(zoneFileLoaded, LoadZoneFile(folder.File("VelmoraTZ"), back.zones, &error));
    ASSERT_EQ(2, back.zones.GetSize());
    CTimeZoneInfo* again = (CTimeZoneInfo*)back.zones[1];
    EXPECT_EQ(300, again->GetName().GetLength());
    EXPECT_EQ(330, again->m_tzi.Bias);
    EXPECT_EQ(-15, again->m_tzi.StandardBias);
    EXPECT_EQ(0, again->m_tzi.DaylightDate.wSecond);
}
