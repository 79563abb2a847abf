// Registry access: keys, typed values, archive images and the refusals of damaged or foreign data.
#include <gtest/gtest.h>

#include <shlwapi.h>

#include "ORXRegistry.h"
#include "TestSupport.h"

namespace
{
// A private key below HKCU for this test process, removed when the fixture ends.
class RegistryTest : public ::testing::Test
{
protected:
    RegistryTest()
    {
        m_strRoot.Format(_T("Software\\Quendra Labs\\%lu\\UicoreRegistry"), ::GetCurrentProcessId());
        ::SHDeleteKey(HKEY_CURRENT_USER, m_strRoot);
    }
    ~RegistryTest() override { ::SHDeleteKey(HKEY_CURRENT_USER, m_strRoot); }

    // Writes a raw value of any type straight through Win32.
    void Raw(LPCTSTR pszName, DWORD dwType, const Bytes& data)
    {
        HKEY hKey;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyEx(HKEY_CURRENT_USER, m_strRoot, 0, NULL, 0, KEY_ALL_ACCESS,
                                                  NULL, &hKey, NULL));
        ::RegSetValueEx(hKey, pszName, 0, dwType, data.empty() ? NULL : data.data(), (DWORD)data.size());
        ::RegCloseKey(hKey);
    }
    Bytes Stored(LPCTSTR pszName, DWORD& dwType)
    {
        Bytes data;
        HKEY hKey;
        if (::RegOpenKeyEx(HKEY_CURRENT_USER, m_strRoot, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
            return data;
        DWORD cb = 0;
        if (::RegQueryValueEx(hKey, pszName, NULL, &dwType, NULL, &cb) == ERROR_SUCCESS)
        {
            data.resize(cb);
            ::RegQueryValueEx(hKey, pszName, NULL, &dwType, cb ? data.data() : NULL, &cb);
        }
        ::RegCloseKey(hKey);
        return data;
    }

    CString m_strRoot;
};

class CTestRegistry : public CORXRegistry
{
    DECLARE_DYNCREATE(CTestRegistry)
};
IMPLEMENT_DYNCREATE(CTestRegistry, CORXRegistry)
} // namespace

TEST_F(RegistryTest, NumbersStringsAndBytesRoundTripWithTheirTypes)
{
    CORXRegistry reg(FALSE, FALSE);
    ASSERT_TRUE(reg.CreateKey(m_strRoot));
    EXPECT_TRUE(reg.Write(_T("Count"), 7));
    EXPECT_TRUE(reg.Write(_T("Mask"), (DWORD)0xFFFFFFFE));
    EXPECT_TRUE(reg.Write(_T("Name"), _T("Tool bar")));
    BYTE raw[] = {1, 2, 3};
    EXPECT_TRUE(reg.Write(_T("Raw"), raw, 3));

    DWORD dwType = 0;
    EXPECT_EQ(Image("07 00 00 00"), Stored(_T("Count"), dwType));
    EXPECT_EQ((DWORD)REG_DWORD, dwType);
    EXPECT_EQ(Image("'Tool bar' 00"), Stored(_T("Name"), dwType));
    EXPECT_EQ((DWORD)REG_SZ, dwType);
    EXPECT_EQ(Image("01 02 03"), Stored(_T("Raw"), dwType));
    EXPECT_EQ((DWORD)REG_BINARY, dwType);

    int n = 0;
    DWORD dw = 0;
    CString s;
    EXPECT_TRUE(reg.Read(_T("Count"), n));
    EXPECT_EQ(7, n);
    EXPECT_TRUE(reg.Read(_T("Mask"), dw));
    EXPECT_EQ(0xFFFFFFFEu, dw);
    EXPECT_TRUE(reg.Read(_T("Name"), s));
    EXPECT_STREQ(_T("Tool bar"), s);
    BYTE* pData = NULL;
    UINT nBytes = 0;
    ASSERT_TRUE(reg.Read(_T("Raw"), pData, nBytes));
    EXPECT_EQ(3u, nBytes);
    EXPECT_EQ(3, pData[2]);
    delete[] pData;

    s = _T("old");
    EXPECT_FALSE(reg.Read(_T("Missing"), s));
    EXPECT_TRUE(s.IsEmpty());
    n = 42;
    EXPECT_FALSE(reg.Read(_T("Missing"), n));
    EXPECT_EQ(42, n);
    EXPECT_FALSE(reg.Read(_T("Missing"), pData, nBytes));
    EXPECT_EQ(NULL, pData);
    EXPECT_EQ(0u, nBytes);
}

TEST_F(RegistryTest, ValuesOfTheWrongTypeOrShapeAreRefused)
{
    Raw(_T("ShortNumber"), REG_DWORD, Image("01 02"));
    Raw(_T("TextNumber"), REG_SZ, Image("'12' 00"));
    Raw(_T("BinaryText"), REG_BINARY, Image("'abc'"));
    Raw(_T("Unterminated"), REG_SZ, Image("'abcd'"));
    Raw(_T("NumberAsBinary"), REG_DWORD, Image("05 00 00 00"));
    CORXRegistry reg(FALSE, TRUE);
    ASSERT_TRUE(reg.Open(m_strRoot));
    int n = 9;
    EXPECT_FALSE(reg.Read(_T("ShortNumber"), n));
    EXPECT_FALSE(reg.Read(_T("TextNumber"), n));
    EXPECT_EQ(9, n);
    CString s;
    EXPECT_FALSE(reg.Read(_T("BinaryText"), s));
    EXPECT_TRUE(s.IsEmpty());
    // A text stored without its terminator ends with the value.
    EXPECT_TRUE(reg.Read(_T("Unterminated"), s));
    EXPECT_STREQ(_T("abcd"), s);
    CDWordArray array;
    EXPECT_FALSE(reg.Read(_T("NumberAsBinary"), array));
}

TEST_F(RegistryTest, ArchiveImagesOfPointsRectanglesAndCollections)
{
    CORXRegistry reg(FALSE, FALSE);
    ASSERT_TRUE(reg.CreateKey(m_strRoot));
    EXPECT_TRUE(reg.Write(_T("Pt"), CPoint(3, -2)));
    EXPECT_TRUE(reg.Write(_T("Rc"), CRect(1, 2, 3, 4)));
    CWordArray words;
    words.Add(0x1234);
    words.Add(5);
    EXPECT_TRUE(reg.Write(_T("Words"), words));
    CList<UINT, UINT> ids;
    ids.AddTail(32771);
    ids.AddTail(57600);
    EXPECT_TRUE(reg.Write(_T("Ids"), ids));
    CStringList names;
    names.AddTail(_T("Standard"));
    EXPECT_TRUE(reg.Write(_T("Names"), names));

    // A point is a five-number CDWordArray; a word array a 32-bit count and the words.
    DWORD dwType = 0;
    EXPECT_EQ(Image("05 00 03 00 00 00 FE FF FF FF 00 00 00 00 00 00 00 00 00 00 00 00"),
              Stored(_T("Pt"), dwType));
    EXPECT_EQ(Image("01 00 00 00 02 00 00 00 03 00 00 00 04 00 00 00"), Stored(_T("Rc"), dwType));
    EXPECT_EQ(Image("02 00 00 00 34 12 05 00"), Stored(_T("Words"), dwType));
    EXPECT_EQ(Image("02 00 03 80 00 00 00 E1 00 00"), Stored(_T("Ids"), dwType));

    CPoint pt;
    CRect rc;
    CWordArray wordsBack;
    CList<UINT, UINT> idsBack;
    CStringList namesBack;
    EXPECT_TRUE(reg.Read(_T("Pt"), pt));
    EXPECT_EQ(CPoint(3, -2), pt);
    EXPECT_TRUE(reg.Read(_T("Rc"), rc));
    EXPECT_EQ(CRect(1, 2, 3, 4), rc);
    EXPECT_TRUE(reg.Read(_T("Words"), wordsBack));
    ASSERT_EQ(2, (int)wordsBack.GetSize());
    EXPECT_EQ(0x1234, wordsBack[0]);
    EXPECT_TRUE(reg.Read(_T("Ids"), idsBack));
    ASSERT_EQ(2, (int)idsBack.GetCount());
    EXPECT_EQ(57600u, idsBack.GetTail());
    EXPECT_TRUE(reg.Read(_T("Names"), namesBack));
    EXPECT_STREQ(_T("Standard"), namesBack.GetHead());
}

TEST_F(RegistryTest, DamagedOrForeignArchiveImagesAnswerFalseAndKeepNothing)
{
    CORXRegistry reg(FALSE, FALSE);
    ASSERT_TRUE(reg.CreateKey(m_strRoot));
    CStringArray strings;
    strings.Add(_T("kept"));
    EXPECT_TRUE(reg.Write(_T("Object"), &strings));
    EXPECT_TRUE(reg.Write(_T("Strings"), strings));

    CObject* pObj = NULL;
    ASSERT_TRUE(reg.Read(_T("Object"), pObj, RUNTIME_CLASS(CStringArray)));
    ASSERT_TRUE(pObj->IsKindOf(RUNTIME_CLASS(CStringArray)));
    EXPECT_STREQ(_T("kept"), ((CStringArray*)pObj)->GetAt(0));
    delete pObj;

    // Expected another class: nothing comes back.
    pObj = (CObject*)0x1;
    EXPECT_FALSE(reg.Read(_T("Object"), pObj, RUNTIME_CLASS(CStringList)));
    EXPECT_EQ(NULL, pObj);

    Raw(_T("Cut"), REG_BINARY, Image("03 00 04 'ab'"));
    Raw(_T("HugeCount"), REG_BINARY, Image("FF FF FF FF FF 7F"));
    Raw(_T("BadClassTag"), REG_BINARY, Image("12 34"));
    Raw(_T("ShortRect"), REG_BINARY, Image("01 00 00 00 02 00"));
    CStringArray back;
    back.Add(_T("old"));
    EXPECT_FALSE(reg.Read(_T("Cut"), back));
    EXPECT_EQ(0, (int)back.GetSize());
    EXPECT_FALSE(reg.Read(_T("HugeCount"), back));
    EXPECT_FALSE(reg.Read(_T("BadClassTag"), pObj));
    EXPECT_EQ(NULL, pObj);
    CRect rc(9, 9, 9, 9);
    EXPECT_FALSE(reg.Read(_T("ShortRect"), rc));
    EXPECT_EQ(CRect(9, 9, 9, 9), rc);
    CWordArray words;
    Raw(_T("ShortWords"), REG_BINARY, Image("03 00 00 00 01 00"));
    EXPECT_FALSE(reg.Read(_T("ShortWords"), words));
    EXPECT_EQ(0, (int)words.GetSize());

    // An object list that breaks half way holds none of the objects read before the damage.
    CObList list;
    CStringArray a, b;
    list.AddTail(&a);
    list.AddTail(&b);
    EXPECT_TRUE(reg.Write(_T("List"), (CObject&)list));
    DWORD dwType = 0;
    Bytes image = Stored(_T("List"), dwType);
    image.resize(image.size() - 2);
    Raw(_T("List"), REG_BINARY, image);
    CObList listBack;
    EXPECT_FALSE(reg.Read(_T("List"), listBack));
    EXPECT_TRUE(listBack.IsEmpty());

    // One object stored twice reads back as one object twice: its owner would delete it twice.
    // So would a NULL entry's owner meet a NULL. Both lists are refused, each object freed once.
    CObList twice;
    twice.AddTail(&a);
    twice.AddTail(&a);
    EXPECT_TRUE(reg.Write(_T("Twice"), (CObject&)twice));
    EXPECT_FALSE(reg.Read(_T("Twice"), listBack));
    EXPECT_TRUE(listBack.IsEmpty());
    CObList withNull;
    withNull.AddTail(&a);
    withNull.AddTail((CObject*)NULL);
    EXPECT_TRUE(reg.Write(_T("WithNull"), (CObject&)withNull));
    EXPECT_FALSE(reg.Read(_T("WithNull"), listBack));
    EXPECT_TRUE(listBack.IsEmpty());
}

// A record that ends before its value does was read with a wrong count: a list one entry short
// would drop its last entry, and a longer value would be taken in part. Every archived read
// refuses it, and what the read filled is emptied again.
TEST_F(RegistryTest, ArchiveImagesWithBytesLeftAfterTheirRecordAreRefused)
{
    CORXRegistry reg(FALSE, FALSE);
    ASSERT_TRUE(reg.CreateKey(m_strRoot));
    CStringArray strings;
    strings.Add(_T("one"));
    strings.Add(_T("two"));
    ASSERT_TRUE(reg.Write(_T("Strings"), strings));
    ASSERT_TRUE(reg.Write(_T("Rect"), CRect(1, 2, 3, 4)));
    CWordArray words;
    words.Add(7);
    ASSERT_TRUE(reg.Write(_T("Words"), words));
    ASSERT_TRUE(reg.Write(_T("Object"), &strings));
    DWORD dwType = 0;
    Bytes image = Stored(_T("Strings"), dwType);
    ASSERT_EQ(Hex(Image("02 00 03 'one' 03 'two'")), Hex(image));

    // One entry short: the second string is left over.
    Raw(_T("Short"), REG_BINARY, Image("01 00 03 'one' 03 'two'"));
    for (LPCTSTR pszName : {_T("Strings"), _T("Rect"), _T("Words"), _T("Object")})
        Raw(pszName, REG_BINARY, Stored(pszName, dwType) + Bytes{0});

    CStringArray back;
    EXPECT_FALSE(reg.Read(_T("Short"), back));
    EXPECT_EQ(0, (int)back.GetSize());
    EXPECT_FALSE(reg.Read(_T("Strings"), back));
    EXPECT_EQ(0, (int)back.GetSize());
    CRect rc(9, 9, 9, 9);
    EXPECT_FALSE(reg.Read(_T("Rect"), rc));
    EXPECT_EQ(CRect(9, 9, 9, 9), rc);
    CWordArray wordsBack;
    EXPECT_FALSE(reg.Read(_T("Words"), wordsBack));
    EXPECT_EQ(0, (int)wordsBack.GetSize());
    CObject* pObj = (CObject*)0x1;
    EXPECT_FALSE(reg.Read(_T("Object"), pObj, RUNTIME_CLASS(CStringArray)));
    EXPECT_EQ(NULL, pObj);

    // The exact record still reads.
    Raw(_T("Strings"), REG_BINARY, image);
    EXPECT_TRUE(reg.Read(_T("Strings"), back));
    EXPECT_EQ(2, (int)back.GetSize());
}

TEST_F(RegistryTest, ReadOnlyObjectsRefuseEveryChange)
{
    CORXRegistry writer(FALSE, FALSE);
    ASSERT_TRUE(writer.CreateKey(m_strRoot));
    EXPECT_TRUE(writer.Write(_T("Value"), 1));
    writer.Close();

    CORXRegistry reg(FALSE, TRUE);
    ASSERT_TRUE(reg.Open(m_strRoot));
    EXPECT_FALSE(reg.Write(_T("Value"), 2));
    EXPECT_FALSE(reg.Write(_T("Text"), _T("x")));
    EXPECT_FALSE(reg.Write(_T("Rc"), CRect(0, 0, 1, 1)));
    EXPECT_FALSE(reg.CreateKey(_T("Sub")));
    EXPECT_FALSE(reg.DeleteValue(_T("Value")));
    EXPECT_FALSE(reg.DeleteKey(m_strRoot));
    int n = 0;
    EXPECT_TRUE(reg.Read(_T("Value"), n));
    EXPECT_EQ(1, n);
    EXPECT_FALSE(reg.ValueExists(_T("Text")));
}

TEST_F(RegistryTest, KeysOpenBelowTheCurrentOneAndDeleteAsATree)
{
    CORXRegistry reg(FALSE, FALSE);
    ASSERT_TRUE(reg.CreateKey(m_strRoot + _T("\\A\\B\\C")));
    reg.Close();
    ASSERT_TRUE(reg.CreateKey(m_strRoot + _T("\\A\\D")));
    reg.Close();

    // A trailing backslash is dropped; the second Open goes below the first and replaces it.
    EXPECT_TRUE(reg.Open(m_strRoot + _T("\\")));
    EXPECT_TRUE(reg.Open(_T("A")));
    EXPECT_STREQ(_T("A"), reg.GetPath());
    CStringArray subKeys;
    EXPECT_TRUE(reg.ReadSubKeys(subKeys));
    ASSERT_EQ(2, (int)subKeys.GetSize());
    EXPECT_STREQ(_T("B"), subKeys[0]);
    EXPECT_TRUE(reg.KeyExists(_T("B\\C")));
    EXPECT_FALSE(reg.Open(_T("Missing")));
    EXPECT_TRUE(reg.KeyExists(_T("D")));
    CStringArray values;
    EXPECT_FALSE(reg.ReadKeyValues(values));
    reg.Close();
    EXPECT_EQ(HKEY_CURRENT_USER, reg.GetCurrentKey());

    EXPECT_TRUE(reg.DeleteKey(m_strRoot + _T("\\A")));
    EXPECT_FALSE(reg.KeyExists(m_strRoot + _T("\\A")));
    EXPECT_TRUE(reg.KeyExists(m_strRoot));
}

TEST(RegistryFactory, TheHolderKeepsItsFirstObjectAndTheRegisteredClass)
{
    EXPECT_FALSE(CORXRegistrySP::SetRuntimeClass(RUNTIME_CLASS(CStringList)));
    EXPECT_TRUE(CORXRegistrySP::SetRuntimeClass(RUNTIME_CLASS(CTestRegistry)));
    {
        CORXRegistrySP holder;
        CORXRegistry& first = holder.CreateRegistry(FALSE, TRUE);
        EXPECT_TRUE(first.IsKindOf(RUNTIME_CLASS(CTestRegistry)));
        EXPECT_TRUE(first.IsReadOnly());
        CORXRegistry& second = holder.CreateRegistry(TRUE, FALSE);
        EXPECT_EQ(&first, &second);
        EXPECT_TRUE(second.IsReadOnly());
        EXPECT_FALSE(second.IsAdmin());
    }
    EXPECT_TRUE(CORXRegistrySP::SetRuntimeClass(NULL));
    CORXRegistrySP holder;
    CORXRegistry& plain = holder.CreateRegistry(TRUE, FALSE);
    EXPECT_EQ(RUNTIME_CLASS(CORXRegistry), plain.GetRuntimeClass());
    EXPECT_EQ(HKEY_LOCAL_MACHINE, plain.GetCurrentKey());
}
