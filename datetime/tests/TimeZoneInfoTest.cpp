// The time-zone record and the "VelmoraTZ" file: a hand-built image read, written back and
// compared byte for byte, and damaged or truncated images refused cleanly.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "TimeZoneInfo.h"

namespace
{
// A zone name field: 32 UTF-16 units.
std::string NameField(const std::string& name)
{
    return HexOfUtf16(name, 32);
}

// Zone A in memory: Bias -60, StandardBias 15, DaylightBias 60, from the last Sunday of March
// at 02:00 to the last Sunday of October at 03:00.
const std::string kRecordA =
    "3c000000" + NameField("Std") +
    "0000 0000 0200 0500 0300 0000 0a00 0000" // year, weekday, 2, week, hour, minute, month, ms
    "0f000000" +
    NameField("Dst") +
    "0000 0000 0000 0500 0200 0000 0500 0300" // year, 0, weekday, week, hour, minute, week, month
    "c4ffffff";
// Zone B: Bias 330 and the default rules (day 1, month 0).
const std::string kRecordB = "b6feffff" + NameField("IST") +
                             "0000 0000 0200 0100 0000 0000 0000 0000"
                             "00000000" +
                             NameField("IST") +
                             "0000 0000 0000 0100 0000 0000 0100 0000"
                             "00000000";
const std::string kClassHeader = "ffff 0100 0d00" + HexOf("CTimeZoneInfo");
const std::string kLongName(300, 'x');

std::string TwoZoneImage()
{
    return "02000000" + kClassHeader + "09" + HexOf("Test Zone") + kRecordA + "0180" + "ff2c01" +
           HexOf(kLongName) + kRecordB;
}

void FreeZones(CObArray& zones)
{
    for (INT_PTR i = 0; i < zones.GetSize(); i++)
        delete zones.GetAt(i);
    zones.RemoveAll();
}

// Loads an image; returns the kind of exception raised ("" when none).
std::string LoadImage(const std::vector<BYTE>& image, CObArray& zones)
{
    std::vector<BYTE> copy(image);
    copy.push_back(0); // a valid pointer even for an empty image
    CMemFile file(copy.data(), (UINT)image.size());
    CArchive ar(&file, CArchive::load);
    std::string kind;
    try
    {
        CTimeZoneInfo::LoadZoneList(ar, zones);
        ar.Close();
    }
    catch (CException* e)
    {
        kind = e->IsKindOf(RUNTIME_CLASS(CArchiveException)) ? "archive"
               : e->IsKindOf(RUNTIME_CLASS(CFileException))  ? "file"
                                                             : "other";
        e->Delete();
        ar.Abort();
    }
    return kind;
}

std::vector<BYTE> StoreImage(const CObArray& zones)
{
    return StoreToBytes([&zones](CArchive& ar) { CTimeZoneInfo::StoreZoneList(ar, zones); });
}

TEST(TimeZoneInfo, DefaultRecord)
{
    CTimeZoneInfo zone;
    EXPECT_STREQ(zone.GetName(), "(Local Time)");
    EXPECT_EQ(zone.m_tzi.Bias, 0);
    EXPECT_EQ(zone.m_tzi.StandardBias, 0);
    EXPECT_EQ(zone.m_tzi.DaylightBias, 0);
    EXPECT_EQ(std::wstring(zone.m_tzi.StandardName), L" ");
    EXPECT_EQ(std::wstring(zone.m_tzi.DaylightName), L" ");
    EXPECT_EQ(zone.m_tzi.DaylightDate.wDay, 1);
    EXPECT_EQ(zone.m_tzi.DaylightDate.wMonth, 0);
    EXPECT_EQ(zone.m_tzi.StandardDate.wDay, 1);
    EXPECT_EQ(zone.m_tzi.StandardDate.wMonth, 0);
    zone.SetName("Elsewhere");
    EXPECT_STREQ(zone.GetName(), "Elsewhere");
}

TEST(TimeZoneInfo, HandBuiltImageReadsAndWritesBackByteForByte)
{
    std::vector<BYTE> image = Image(TwoZoneImage());
    ASSERT_EQ(image.size(), 4u + 19 + 10 + 172 + 2 + 303 + 172);
    CObArray zones;
    ASSERT_EQ(LoadImage(image, zones), "");
    ASSERT_EQ(zones.GetSize(), 2);

    CTimeZoneInfo* a = (CTimeZoneInfo*)zones.GetAt(0);
    CTimeZoneInfo* b = (CTimeZoneInfo*)zones.GetAt(1);
    EXPECT_STREQ(a->GetName(), "Test Zone");
    EXPECT_EQ(a->m_tzi.Bias, -60);
    EXPECT_EQ(a->m_tzi.StandardBias, 15);
    EXPECT_EQ(a->m_tzi.DaylightBias, 60);
    EXPECT_EQ(std::wstring(a->m_tzi.StandardName), L"Std");
    EXPECT_EQ(std::wstring(a->m_tzi.DaylightName), L"Dst");
    const SYSTEMTIME& s = a->m_tzi.StandardDate;
    EXPECT_EQ(std::vector<int>(
                  {s.wYear, s.wMonth, s.wDayOfWeek, s.wDay, s.wHour, s.wMinute, s.wSecond, s.wMilliseconds}),
              std::vector<int>({0, 10, 0, 5, 3, 0, 0, 0}));
    const SYSTEMTIME& d = a->m_tzi.DaylightDate;
    EXPECT_EQ(std::vector<int>(
                  {d.wYear, d.wMonth, d.wDayOfWeek, d.wDay, d.wHour, d.wMinute, d.wSecond, d.wMilliseconds}),
              std::vector<int>({0, 3, 0, 5, 2, 0, 0, 0}));
    EXPECT_EQ(memcmp(&a->m_record, image.data() + 33, 172), 0); // the file image is kept
    EXPECT_EQ(b->GetName().GetLength(), 300);
    EXPECT_EQ(b->m_tzi.Bias, 330);

    EXPECT_EQ(StoreImage(zones), image);
    FreeZones(zones);
}

TEST(TimeZoneInfo, RecordEncodingDropsSecondsAndDaylightMilliseconds)
{
    TIME_ZONE_INFORMATION zone = {};
    zone.Bias = -60;
    zone.StandardBias = -7;
    zone.DaylightBias = 45;
    zone.StandardDate = {0, 10, 0, 5, 3, 0, 41, 123};
    zone.DaylightDate = {0, 3, 6, 2, 1, 30, 59, 999};
    TimeZoneFileRecord record;
    CTimeZoneInfo::EncodeRecord(zone, record);
    const BYTE* raw = (const BYTE*)&record;
    EXPECT_EQ(std::vector<BYTE>(raw, raw + 4), Image("3c000000"));
    EXPECT_EQ(std::vector<BYTE>(raw + 68, raw + 88),
              Image("0000 0000 0200 0500 0300 0000 0a00 7b00 f9ffffff"));
    EXPECT_EQ(std::vector<BYTE>(raw + 152, raw + 172),
              Image("0000 0000 0600 0200 0100 1e00 0200 0300 d3ffffff"));

    TIME_ZONE_INFORMATION back;
    CTimeZoneInfo::DecodeRecord(record, back);
    EXPECT_EQ(back.Bias, -60);
    EXPECT_EQ(back.StandardBias, -7);
    EXPECT_EQ(back.DaylightBias, 45);
    EXPECT_EQ(back.StandardDate.wSecond, 0);
    EXPECT_EQ(back.StandardDate.wMilliseconds, 123);
    EXPECT_EQ(back.DaylightDate.wSecond, 0);
    EXPECT_EQ(back.DaylightDate.wMilliseconds, 0);
    EXPECT_EQ(back.DaylightDate.wDayOfWeek, 6);
    EXPECT_EQ(back.DaylightDate.wDay, 2);
    EXPECT_EQ(back.DaylightDate.wMinute, 30);
}

TEST(TimeZoneInfo, FullLengthZoneNamesAreTerminated)
{
    std::string full = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345";
    std::vector<BYTE> image =
        Image("01000000" + kClassHeader + "01" + HexOf("F") + "00000000" + NameField(full) +
              std::string(40, '0') + NameField(full) + std::string(40, '0'));
    CObArray zones;
    ASSERT_EQ(LoadImage(image, zones), "");
    ASSERT_EQ(zones.GetSize(), 1);
    CTimeZoneInfo* z = (CTimeZoneInfo*)zones.GetAt(0);
    EXPECT_EQ(std::wstring(z->m_tzi.StandardName), L"ABCDEFGHIJKLMNOPQRSTUVWXYZ01234");
    EXPECT_EQ(std::wstring(z->m_tzi.DaylightName), L"ABCDEFGHIJKLMNOPQRSTUVWXYZ01234");
    FreeZones(zones);
}

TEST(TimeZoneInfo, CountsOfZeroOrLessReadNothing)
{
    for (const char* count : {"00000000", "fbffffff"})
    {
        CObArray zones;
        EXPECT_EQ(LoadImage(Image(count), zones), "");
        EXPECT_EQ(zones.GetSize(), 0);
    }
    CObArray none;
    EXPECT_EQ(StoreImage(none), Image("00000000"));
}

TEST(TimeZoneInfo, TruncationAtEveryOffsetFailsCleanly)
{
    std::vector<BYTE> image = Image(TwoZoneImage());
    for (size_t n = 0; n < image.size(); n++)
    {
        CObArray zones;
        std::vector<BYTE> cut(image.begin(), image.begin() + n);
        std::string kind = LoadImage(cut, zones);
        EXPECT_TRUE(kind == "archive" || kind == "file") << "cut at " << n << ": " << kind;
        EXPECT_EQ(zones.GetSize(), 0) << "cut at " << n;
        FreeZones(zones);
    }
}

TEST(TimeZoneInfo, DamagedImagesFailCleanly)
{
    const std::string recordA = "09" + HexOf("Test Zone") + kRecordA;
    struct Case
    {
        const char* what;
        std::string hex;
    } cases[] = {
        {"null object", "02000000" + kClassHeader + recordA + "0000"},
        {"second reference to the first object", "02000000" + kClassHeader + recordA + "0200"},
        {"unknown class", "01000000ffff01000d00" + HexOf("CTimeZoneInfX") + recordA},
        {"a known class of another kind", "01000000ffff01000500" + HexOf("CDate") + recordA},
        {"wrong schema", "01000000ffff02000d00" + HexOf("CTimeZoneInfo") + recordA},
        {"reference to a class never defined", "01000000"
                                               "0580" +
                                                   recordA},
        {"count beyond the records", "ffffff7f" + kClassHeader + recordA},
        {"name longer than the file", "01000000" + kClassHeader +
                                          "ffffff"
                                          "ffffff7f" +
                                          kRecordA},
    };
    for (const Case& c : cases)
    {
        CObArray zones;
        EXPECT_EQ(LoadImage(Image(c.hex), zones), "archive") << c.what;
        EXPECT_EQ(zones.GetSize(), 0) << c.what;
        FreeZones(zones);
    }
}

TEST(TimeZoneInfo, DataFileRoundTrip)
{
    std::vector<BYTE> image = Image(TwoZoneImage());
    CObArray zones;
    ASSERT_EQ(LoadImage(image, zones), "");

    CTestFolder folder;
    CString path = folder.File("VelmoraTZ");
    CException* pError = NULL;
    ASSERT_TRUE(CTimeZoneInfo::WriteZoneFile(path, zones, &pError));
    EXPECT_EQ(pError, (CException*)NULL);
    FreeZones(zones);

    CFile file(path, CFile::modeRead);
    std::vector<BYTE> written((size_t)file.GetLength());
    file.Read(written.data(), (UINT)written.size());
    file.Close();
    EXPECT_EQ(written, image);

    ASSERT_TRUE(CTimeZoneInfo::ReadZoneFile(path, zones));
    ASSERT_EQ(zones.GetSize(), 2);
    EXPECT_STREQ(((CTimeZoneInfo*)zones.GetAt(0))->GetName(), "Test Zone");
    // Loading appends to what the caller already holds.
    ASSERT_TRUE(CTimeZoneInfo::ReadZoneFile(path, zones));
    EXPECT_EQ(zones.GetSize(), 4);
    FreeZones(zones);
}

TEST(TimeZoneInfo, DataFileFailuresReachTheCaller)
{
    CTestFolder folder;
    CString path = folder.File("VelmoraTZ");
    CObArray zones;
    CException* pError = NULL;
    EXPECT_FALSE(CTimeZoneInfo::ReadZoneFile(path, zones, &pError));
    ASSERT_NE(pError, (CException*)NULL);
    ASSERT_TRUE(pError->IsKindOf(RUNTIME_CLASS(CFileException)));
    EXPECT_EQ(((CFileException*)pError)->m_cause, CFileException::fileNotFound);
    pError->Delete();
    // Reading must not leave an empty file behind for the next reader to misread.
    EXPECT_EQ(::GetFileAttributesA(path), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(CTimeZoneInfo::ReadZoneFile(path, zones)); // without an error slot

    std::vector<BYTE> image = Image(TwoZoneImage());
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
        file.Write(image.data(), (UINT)image.size() - 1);
    }
    pError = NULL;
    EXPECT_FALSE(CTimeZoneInfo::ReadZoneFile(path, zones, &pError));
    EXPECT_EQ(zones.GetSize(), 0);
    ASSERT_NE(pError, (CException*)NULL);
    EXPECT_TRUE(pError->IsKindOf(RUNTIME_CLASS(CArchiveException)));
    pError->Delete();

    CString badPath = path + "\\no\\such\\folder\\VelmoraTZ";
    pError = NULL;
    EXPECT_FALSE(CTimeZoneInfo::WriteZoneFile(badPath, zones, &pError));
    ASSERT_NE(pError, (CException*)NULL);
    EXPECT_TRUE(pError->IsKindOf(RUNTIME_CLASS(CFileException)));
    pError->Delete();
}
} // namespace

TEST(TimeZoneInfo, ADamagedFileCanKeepTheZonesBeforeTheDamage)
{
    // Cut at every offset: the zones whose records are whole stay, in file order.
    std::vector<BYTE> image = Image(TwoZoneImage());
    const size_t nFirstEnds = 4 + 19 + 10 + 172;
    for (size_t n = 0; n < image.size(); n++)
    {
        std::vector<BYTE> cut(image.begin(), image.begin() + n);
        cut.push_back(0);
        CMemFile file(cut.data(), (UINT)n);
        CArchive ar(&file, CArchive::load);
        CObArray zones;
        BOOL bThrown = FALSE;
        try
        {
            CTimeZoneInfo::LoadZonesUntilDamage(ar, zones);
        }
        catch (CException* e)
        {
            bThrown = TRUE;
            e->Delete();
            ar.Abort();
        }
        EXPECT_TRUE(bThrown) << "cut at " << n;
        ASSERT_EQ(zones.GetSize(), n >= nFirstEnds ? 1 : 0) << "cut at " << n;
        if (zones.GetSize() == 1)
        {
            EXPECT_STREQ(((CTimeZoneInfo*)zones.GetAt(0))->GetName(), "Test Zone");
        }
        FreeZones(zones);
    }

    // A null object or a second reference in second place keeps the first zone; read from a
    // real file, the report names it.
    const std::string recordA = "09" + HexOf("Test Zone") + kRecordA;
    CTestFolder folder;
    CString path = folder.File("VelmoraTZ");
    for (const char* second : {"0000", "0200"})
    {
        folder.Write("VelmoraTZ", Image("02000000" + kClassHeader + recordA + second));
        CObArray zones;
        CException* pError = NULL;
        EXPECT_FALSE(CTimeZoneInfo::ReadZoneFile(path, zones, &pError, TRUE)) << second;
        ASSERT_NE(pError, (CException*)NULL);
        TCHAR text[512] = "";
        pError->GetErrorMessage(text, 512);
        EXPECT_EQ(CString(text), "An unexpected error occurred while reading " + path + ".") << second;
        pError->Delete();
        EXPECT_EQ(zones.GetSize(), 1) << second;
        FreeZones(zones);
        // Without asking for them, none are kept.
        EXPECT_FALSE(CTimeZoneInfo::ReadZoneFile(path, zones));
        EXPECT_EQ(zones.GetSize(), 0) << second;
    }
}
