// Profile settings through the real registry: values round-trip, and the raw values have the
// types and bytes that the framework has always stored; a value of the wrong type reads as the
// default; the private-profile form of binary values.
#include "WindowTestApp.h"
#include "TestSupport.h"
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <string>
#include <vector>

namespace
{
class Profile : public ::testing::Test
{
protected:
    // Each test has a key of its own, so tests may run side by side in one prefix.
    std::string m_company = std::string("Velmora Window Tests ") +
                            ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const char* kCompany = m_company.c_str();
    LPCTSTR m_pszOldKey = NULL;
    LPCTSTR m_pszOldProfile = NULL;
    void SetUp() override
    {
        m_pszOldKey = theTestApp.m_pszRegistryKey;
        m_pszOldProfile = theTestApp.m_pszProfileName;
        theTestApp.m_pszRegistryKey = NULL;
        theTestApp.m_pszProfileName = NULL;
        ::SHDeleteKeyA(HKEY_CURRENT_USER, (std::string("Software\\") + kCompany).c_str());
        theTestApp.SetRegistryKey(kCompany);
    }
    void TearDown() override
    {
        ::SHDeleteKeyA(HKEY_CURRENT_USER, (std::string("Software\\") + kCompany).c_str());
        free((void*)theTestApp.m_pszRegistryKey);
        free((void*)theTestApp.m_pszProfileName);
        theTestApp.m_pszRegistryKey = m_pszOldKey;
        theTestApp.m_pszProfileName = m_pszOldProfile;
    }

    // The raw value under HKCU\Software\<company>\<application>\<section>.
    bool RawValue(const char* pszSection, const char* pszEntry, DWORD& dwType, std::vector<BYTE>& data)
    {
        std::string path =
            std::string("Software\\") + kCompany + "\\" + theTestApp.m_pszAppName + "\\" + pszSection;
        HKEY hKey;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return false;
        DWORD dwSize = 0;
        LONG lResult = ::RegQueryValueExA(hKey, pszEntry, NULL, &dwType, NULL, &dwSize);
        data.resize(dwSize);
        if (lResult == ERROR_SUCCESS && dwSize > 0)
            lResult = ::RegQueryValueExA(hKey, pszEntry, NULL, &dwType, data.data(), &dwSize);
        ::RegCloseKey(hKey);
        return lResult == ERROR_SUCCESS;
    }
};

TEST_F(Profile, RegistryKeyIsCompanyThenApplication)
{
    EXPECT_STREQ(kCompany, theTestApp.m_pszRegistryKey);
    EXPECT_STREQ(theTestApp.m_pszAppName, theTestApp.m_pszProfileName);
    HKEY hKey = theTestApp.GetSectionKey("Clock");
    ASSERT_TRUE(hKey != NULL);
    ::RegCloseKey(hKey);
    HKEY hOpen;
    std::string path = std::string("Software\\") + kCompany + "\\WindowTests\\Clock";
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &hOpen));
    ::RegCloseKey(hOpen);
}

TEST_F(Profile, IntegersAreDwords)
{
    const struct
    {
        int value;
        BYTE bytes[4];
    } cases[] = {
        {0, {0, 0, 0, 0}},
        {1000, {0xE8, 0x03, 0, 0}},
        {-1, {0xFF, 0xFF, 0xFF, 0xFF}},
        {0x12345678, {0x78, 0x56, 0x34, 0x12}},
    };
    for (const auto& c : cases)
    {
        ASSERT_TRUE(theTestApp.WriteProfileInt("Clock", "Value", c.value));
        EXPECT_EQ((UINT)c.value, theTestApp.GetProfileInt("Clock", "Value", 99));
        DWORD dwType = 0;
        std::vector<BYTE> data;
        ASSERT_TRUE(RawValue("Clock", "Value", dwType, data));
        EXPECT_EQ((DWORD)REG_DWORD, dwType);
        EXPECT_EQ(std::vector<BYTE>(c.bytes, c.bytes + 4), data);
    }
    EXPECT_EQ(99u, theTestApp.GetProfileInt("Clock", "Missing", 99));
    EXPECT_EQ((UINT)-5, theTestApp.GetProfileInt("Nowhere", "Missing", -5));
}

TEST_F(Profile, StringsAreTerminatedRegSz)
{
    const char* const values[] = {"", "Arial", "Quendra Labs \xE9t\xE9", "a\\b;c=d"};
    for (const char* value : values)
    {
        ASSERT_TRUE(theTestApp.WriteProfileString("Configuration", "Text", value));
        EXPECT_STREQ(value, theTestApp.GetProfileString("Configuration", "Text", "default"));
        DWORD dwType = 0;
        std::vector<BYTE> data;
        ASSERT_TRUE(RawValue("Configuration", "Text", dwType, data));
        EXPECT_EQ((DWORD)REG_SZ, dwType);
        std::vector<BYTE> expected(value, value + strlen(value) + 1);
        EXPECT_EQ(expected, data) << value;
    }
    EXPECT_STREQ("default", theTestApp.GetProfileString("Configuration", "Missing", "default"));
    EXPECT_STREQ("", theTestApp.GetProfileString("Configuration", "Missing"));

    // NULL value removes the entry; NULL entry removes the whole section.
    ASSERT_TRUE(theTestApp.WriteProfileString("Configuration", "Text", NULL));
    EXPECT_STREQ("gone", theTestApp.GetProfileString("Configuration", "Text", "gone"));
    ASSERT_TRUE(theTestApp.WriteProfileInt("Configuration", "Kept", 3));
    ASSERT_TRUE(theTestApp.WriteProfileString("Configuration", NULL, NULL));
    DWORD dwType;
    std::vector<BYTE> data;
    EXPECT_FALSE(RawValue("Configuration", "Kept", dwType, data));
}

TEST_F(Profile, BinaryValuesRoundTripExactly)
{
    BYTE bytes[300];
    for (int i = 0; i < 300; i++)
        bytes[i] = (BYTE)(i * 7 + 3);
    const UINT sizes[] = {0, 1, 16, 300};
    for (UINT nSize : sizes)
    {
        ASSERT_TRUE(theTestApp.WriteProfileBinary("Clock", "LastShutdown", bytes, nSize));
        LPBYTE pData = NULL;
        UINT nBytes = 12345;
        ASSERT_TRUE(theTestApp.GetProfileBinary("Clock", "LastShutdown", &pData, &nBytes));
        EXPECT_EQ(nSize, nBytes);
        EXPECT_EQ(0, memcmp(bytes, pData, nSize));
        delete[] pData;
        DWORD dwType = 0;
        std::vector<BYTE> data;
        ASSERT_TRUE(RawValue("Clock", "LastShutdown", dwType, data));
        EXPECT_EQ((DWORD)REG_BINARY, dwType);
        EXPECT_EQ(std::vector<BYTE>(bytes, bytes + nSize), data);
    }
    LPBYTE pData = (LPBYTE)1;
    UINT nBytes = 1;
    EXPECT_FALSE(theTestApp.GetProfileBinary("Clock", "Missing", &pData, &nBytes));
    EXPECT_EQ(NULL, pData);
    EXPECT_EQ(0u, nBytes);
}

TEST_F(Profile, ValuesOfAnotherTypeReadAsTheDefault)
{
    ASSERT_TRUE(theTestApp.WriteProfileString("Clock", "Number", "12"));
    EXPECT_EQ(7u, theTestApp.GetProfileInt("Clock", "Number", 7));
    ASSERT_TRUE(theTestApp.WriteProfileInt("Clock", "Text", 12));
    EXPECT_STREQ("def", theTestApp.GetProfileString("Clock", "Text", "def"));
    LPBYTE pData = NULL;
    UINT nBytes = 0;
    EXPECT_FALSE(theTestApp.GetProfileBinary("Clock", "Text", &pData, &nBytes));
    EXPECT_EQ(NULL, pData);

    // A string stored without its terminator reads without running past its bytes.
    HKEY hKey = theTestApp.GetSectionKey("Clock");
    ASSERT_TRUE(hKey != NULL);
    ASSERT_EQ(ERROR_SUCCESS, ::RegSetValueExA(hKey, "Raw", 0, REG_SZ, (const BYTE*)"abcXYZ", 3));
    ::RegCloseKey(hKey);
    EXPECT_STREQ("abc", theTestApp.GetProfileString("Clock", "Raw"));
}

TEST_F(Profile, PrivateProfileBinaryIsTwoLettersPerByte)
{
    CTestFolder folder(_T("vwt"));
    CString strFile = folder.File(_T("profile.ini"));
    LPCSTR szFile = strFile;
    free((void*)theTestApp.m_pszRegistryKey);
    free((void*)theTestApp.m_pszProfileName);
    theTestApp.m_pszRegistryKey = NULL;
    theTestApp.m_pszProfileName = _strdup(szFile);

    // Low nibble first, each nibble as 'A' + value: 0x12 -> "CB", 0xAB -> "LK", 0xF0 -> "AP".
    BYTE bytes[] = {0x12, 0xAB, 0xF0};
    ASSERT_TRUE(theTestApp.WriteProfileBinary("Section", "Blob", bytes, 3));
    char szRaw[64] = "";
    ::GetPrivateProfileStringA("Section", "Blob", "", szRaw, sizeof(szRaw), szFile);
    EXPECT_STREQ("CBLKAP", szRaw);
    LPBYTE pData = NULL;
    UINT nBytes = 0;
    ASSERT_TRUE(theTestApp.GetProfileBinary("Section", "Blob", &pData, &nBytes));
    ASSERT_EQ(3u, nBytes);
    EXPECT_EQ(0, memcmp(bytes, pData, 3));
    delete[] pData;

    // Letters outside 'A'..'P' or an odd count are not binary data.
    ::WritePrivateProfileStringA("Section", "Bad", "CBZ", szFile);
    EXPECT_FALSE(theTestApp.GetProfileBinary("Section", "Bad", &pData, &nBytes));
    ::WritePrivateProfileStringA("Section", "Bad", "CBZZ", szFile);
    EXPECT_FALSE(theTestApp.GetProfileBinary("Section", "Bad", &pData, &nBytes));

    ASSERT_TRUE(theTestApp.WriteProfileInt("Section", "Int", -42));
    EXPECT_EQ((UINT)-42, theTestApp.GetProfileInt("Section", "Int", 0));
}

// A batch keeps its keys between calls: what it writes is in the registry at once, sections differing
// only in case are one section, a section deleted inside it is made anew by the next write, and
// once the outermost batch ends no key is held, so a section deleted behind the program's back is
// made anew too.
TEST_F(Profile, BatchWritesAtOnceAndHoldsNoKeyAfterIt)
{
    DWORD dwType = 0;
    std::vector<BYTE> data;
    {
        CProfileBatch outer(&theTestApp);
        ASSERT_TRUE(theTestApp.WriteProfileInt("Clock", "Size", 12));
        ASSERT_TRUE(theTestApp.WriteProfileString("CLOCK", "Name", "Lisbon"));
        ASSERT_TRUE(RawValue("Clock", "Name", dwType, data));
        EXPECT_EQ((DWORD)REG_SZ, dwType);
        EXPECT_EQ(12u, theTestApp.GetProfileInt("clock", "Size", 0));
        {
            CProfileBatch inner(&theTestApp);
            BYTE bytes[3] = {1, 2, 3};
            ASSERT_TRUE(theTestApp.WriteProfileBinary("Other", "Bytes", bytes, 3));
        }
        // The inner batch's end leaves the outer one's keys in use.
        EXPECT_EQ(CString("Lisbon"), theTestApp.GetProfileString("Clock", "Name", NULL));

        ASSERT_TRUE(theTestApp.WriteProfileString("Clock", NULL, NULL));
        EXPECT_FALSE(RawValue("Clock", "Size", dwType, data));
        EXPECT_EQ(7u, theTestApp.GetProfileInt("Clock", "Size", 7));
        ASSERT_TRUE(theTestApp.WriteProfileInt("Clock", "Size", 13));
        ASSERT_TRUE(RawValue("Clock", "Size", dwType, data));
    }
    EXPECT_EQ(13u, theTestApp.GetProfileInt("Clock", "Size", 0));
    LPBYTE pData = NULL;
    UINT nBytes = 0;
    ASSERT_TRUE(theTestApp.GetProfileBinary("Other", "Bytes", &pData, &nBytes));
    EXPECT_EQ(3u, nBytes);
    delete[] pData;

    ::SHDeleteKeyA(HKEY_CURRENT_USER, (std::string("Software\\") + kCompany).c_str());
    {
        CProfileBatch batch(&theTestApp);
        ASSERT_TRUE(theTestApp.WriteProfileInt("Clock", "Size", 14));
    }
    ASSERT_TRUE(RawValue("Clock", "Size", dwType, data));
    ASSERT_EQ(4u, data.size());
    EXPECT_EQ(14, data[0]);
}
} // namespace
