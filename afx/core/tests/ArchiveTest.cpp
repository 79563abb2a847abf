// Archive images checked byte for byte against images written by hand from the persistent object
// format, and damaged images that must end in CArchiveException.
#include "afx.h"
#include "afxcoll.h"
#include "afxdisp.h"
#include "afxtempl.h"

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace
{
class CTestPoint : public CObject
{
    DECLARE_SERIAL(CTestPoint)
public:
    CTestPoint(LONG x = 0, LONG y = 0) : m_x(x), m_y(y) {}
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_x << m_y;
        else
            ar >> m_x >> m_y;
    }
    LONG m_x, m_y;
};
IMPLEMENT_SERIAL(CTestPoint, CObject, 1)

class CTestName : public CObject
{
    DECLARE_SERIAL(CTestName)
public:
    CTestName(LPCTSTR name = "") : m_name(name) {}
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_name;
        else
            ar >> m_name;
    }
    CString m_name;
};
IMPLEMENT_SERIAL(CTestName, CObject, 2)

// Reads whatever schema it finds and remembers what the archive reported.
class CTestVersioned : public CObject
{
    DECLARE_SERIAL(CTestVersioned)
public:
    CTestVersioned() : m_value(0), m_nSchemaSeen(0), m_nSchemaSeenAgain(0) {}
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
        {
            ar << m_value;
            return;
        }
        m_nSchemaSeen = ar.GetObjectSchema();
        m_nSchemaSeenAgain = ar.GetObjectSchema();
        ar >> m_value;
    }
    LONG m_value;
    UINT m_nSchemaSeen, m_nSchemaSeenAgain;
};
IMPLEMENT_SERIAL(CTestVersioned, CObject, VERSIONABLE_SCHEMA | 3)

// A class that can be created but not archived.
class CTestDynamic : public CObject
{
    DECLARE_DYNCREATE(CTestDynamic)
};
IMPLEMENT_DYNCREATE(CTestDynamic, CObject)

const Bytes kPointClass = Image("FF FF 01 00 0A 00 'CTestPoint'");
const Bytes kNameClass = Image("FF FF 02 00 09 00 'CTestName'");
} // namespace

TEST(Archive, ObjectsClassesNullAndBackReferences)
{
    CTestPoint p1(1, 2), p2(3, 4);
    CTestName n1("ab");
    Bytes image = StoreToBytes([&](CArchive& ar) {
        ar << &p1 << &p2 << &n1;
        ar << (CObject*)NULL;
        ar << &p1;
    });
    // Class 1, object 2; object 3 of class 1; class 4, object 5; null; object 2 again.
    Bytes expected = kPointClass + Image("01 00 00 00 02 00 00 00") + Image("01 80 03 00 00 00 04 00 00 00") +
                     kNameClass + Image("02 'ab'") + Image("00 00") + Image("02 00");
    EXPECT_EQ(Hex(expected), Hex(image));

    CObject *q1 = NULL, *q2 = NULL, *q3 = NULL, *q4 = (CObject*)1, *q5 = NULL;
    EXPECT_EQ(-1, LoadCause(image, [&](CArchive& ar) { ar >> q1 >> q2 >> q3 >> q4 >> q5; }));
    ASSERT_TRUE(q1 && q2 && q3);
    EXPECT_TRUE(q1->IsKindOf(RUNTIME_CLASS(CTestPoint)));
    EXPECT_EQ(2, ((CTestPoint*)q1)->m_y);
    EXPECT_EQ(3, ((CTestPoint*)q2)->m_x);
    EXPECT_STREQ("ab", ((CTestName*)q3)->m_name);
    EXPECT_EQ(NULL, q4);
    EXPECT_EQ(q1, q5);
    delete q1;
    delete q2;
    delete q3;
}

TEST(Archive, TypedExtractionChecksTheClass)
{
    Bytes image = kPointClass + Image("01 00 00 00 02 00 00 00");
    CTestPoint* pPoint = NULL;
    EXPECT_EQ(-1, LoadCause(image, [&](CArchive& ar) { ar >> pPoint; }));
    ASSERT_NE(nullptr, pPoint);
    EXPECT_EQ(1, pPoint->m_x);
    delete pPoint;

    CTestName* pName = NULL;
    EXPECT_EQ(CArchiveException::badClass, LoadCause(image, [&](CArchive& ar) { ar >> pName; }));
    EXPECT_EQ(nullptr, pName);
}

TEST(Archive, DamagedObjectStreamsRaiseTheirCause)
{
    struct Case
    {
        const char* what;
        Bytes image;
        int cause;
    } cases[] = {
        {"unknown class", Image("FF FF 01 00 0C 00 'CNoSuchClass' 00 00"), CArchiveException::badClass},
        {"class name with a NUL", Image("FF FF 01 00 0B 00 'CTestPoint' 00"), CArchiveException::badClass},
        {"class that cannot be archived", Image("FF FF FF FF 0C 00 'CTestDynamic'"),
         CArchiveException::badClass},
        {"schema the class cannot read", Image("FF FF 05 00 0A 00 'CTestPoint' 01 00 00 00 02 00 00 00"),
         CArchiveException::badSchema},
        {"object index never assigned", Image("05 00"), CArchiveException::badIndex},
        {"class index never assigned", Image("05 80"), CArchiveException::badIndex},
        {"object tag naming a class", kPointClass + Image("01 00 00 00 02 00 00 00 01 00"),
         CArchiveException::badIndex},
        {"class tag naming an object", kPointClass + Image("01 00 00 00 02 00 00 00 02 80"),
         CArchiveException::badIndex},
        {"big tag with an unassigned index", Image("FF 7F 00 90 00 00"), CArchiveException::badIndex},
        {"big tag with class index 0", Image("FF 7F 00 00 00 80"), CArchiveException::badIndex},
        {"class name longer than the data", Image("FF FF 01 00 FF FF 'CTestPoint'"),
         CArchiveException::endOfFile},
        {"empty archive", Image(""), CArchiveException::endOfFile},
    };
    for (const Case& c : cases)
    {
        // Reads objects until the image is used up; a well-formed image would end with endOfFile
        // only after at least one object, so every case here names its own cause.
        int cause = LoadCause(c.image, [](CArchive& ar) {
            for (int i = 0; i < 3; ++i)
            {
                CObject* pOb;
                ar >> pOb;
                if (i == 0 && pOb != NULL)
                    delete pOb;
            }
        });
        EXPECT_EQ(c.cause, cause) << c.what;
    }
}

// Collections read their elements as objects of any class, so an archive can nest them without
// end: deep enough nesting is refused with badIndex before the stack runs out, and what the
// programs store still loads.
TEST(Archive, ObjectsNestedWithoutEndAreRefused)
{
    auto nested = [](int nDepth) {
        // An array holding an array holding ... an empty array.
        Bytes image = Image("FF FF 00 00 08 00 'CObArray' 01 00");
        for (int i = 1; i < nDepth; i++)
            image = image + Image("01 80 01 00");
        image.back() = 0x00;
        image[image.size() - 2] = 0x00;
        return image;
    };
    auto load = [](CArchive& ar) {
        CObject* pOb = NULL;
        ar >> pOb;
        // Frees the whole chain: an array owns nothing, so walk it.
        while (pOb != NULL)
        {
            CObArray* pArray = (CObArray*)pOb;
            pOb = pArray->GetSize() > 0 ? pArray->GetAt(0) : NULL;
            delete pArray;
        }
    };
    EXPECT_EQ(-1, LoadCause(nested(100), load));
    EXPECT_EQ(CArchiveException::badIndex, LoadCause(nested(30000), load));
}

TEST(Archive, VersionableSchemaIsReportedOnce)
{
    CTestVersioned stored;
    stored.m_value = 9;
    EXPECT_EQ(Hex(Image("FF FF 03 00 0E 00 'CTestVersioned' 09 00 00 00")),
              Hex(StoreToBytes([&](CArchive& ar) { ar << &stored; })));

    // An older schema loads, and Serialize sees it once; the next object of the class sees it too.
    Bytes image = Image("FF FF 02 00 0E 00 'CTestVersioned' 07 00 00 00 01 80 08 00 00 00");
    CTestVersioned *p1 = NULL, *p2 = NULL;
    EXPECT_EQ(-1, LoadCause(image, [&](CArchive& ar) { ar >> p1 >> p2; }));
    ASSERT_TRUE(p1 && p2);
    EXPECT_EQ(2u, p1->m_nSchemaSeen);
    EXPECT_EQ((UINT)-1, p1->m_nSchemaSeenAgain);
    EXPECT_EQ(7, p1->m_value);
    EXPECT_EQ(2u, p2->m_nSchemaSeen);
    EXPECT_EQ(8, p2->m_value);
    delete p1;
    delete p2;
}

TEST(Archive, IndicesFrom7FFFUseTheBigTag)
{
    // Class 1 and objects 2..0x7FFE fill the small range; the next class takes index 0x7FFF.
    std::vector<CTestPoint*> points;
    for (int i = 2; i <= 0x7FFE; ++i)
        points.push_back(new CTestPoint(i, 0));
    CTestName n1("x"), n2("y");
    Bytes image = StoreToBytes([&](CArchive& ar) {
        for (CTestPoint* p : points)
            ar << p;
        ar << &n1 << &n2 << &n1 << points[0];
    });
    Bytes tail = kNameClass + Image("01 'x'") +      // class 0x7FFF, object 0x8000
                 Image("FF 7F FF 7F 00 80 01 'y'") + // class 0x7FFF by the big tag, object 0x8001
                 Image("FF 7F 00 80 00 00") +        // object 0x8000 by the big tag
                 Image("02 00");                     // object 2
    ASSERT_GT(image.size(), tail.size());
    EXPECT_EQ(Hex(tail), Hex(Bytes(image.end() - tail.size(), image.end())));

    std::vector<CObject*> loaded;
    EXPECT_EQ(-1, LoadCause(image, [&](CArchive& ar) {
        for (size_t i = 0; i < points.size() + 4; ++i)
        {
            CObject* pOb;
            ar >> pOb;
            loaded.push_back(pOb);
        }
    }));
    ASSERT_EQ(points.size() + 4, loaded.size());
    EXPECT_EQ(0x7FFE, ((CTestPoint*)loaded[points.size() - 1])->m_x);
    EXPECT_STREQ("y", ((CTestName*)loaded[points.size() + 1])->m_name);
    EXPECT_EQ(loaded[points.size()], loaded[points.size() + 2]);
    EXPECT_EQ(loaded[0], loaded[points.size() + 3]);
    for (size_t i = 0; i < points.size() + 2; ++i)
        delete loaded[i];
    for (CTestPoint* p : points)
        delete p;
}

TEST(Archive, StringLengthForms)
{
    struct Case
    {
        int length;
        const char* prefix;
    } cases[] = {
        {0, "00"},
        {1, "01"},
        {0xFE, "FE"},
        {0xFF, "FF FF 00"},
        {0x100, "FF 00 01"},
        {0xFFFD, "FF FD FF"},
        {0xFFFE, "FF FF FF FE FF 00 00"},
        {0xFFFF, "FF FF FF FF FF 00 00"},
        {0x10000, "FF FF FF 00 00 01 00"},
    };
    for (const Case& c : cases)
    {
        CString s('q', c.length);
        Bytes image = StoreToBytes([&](CArchive& ar) { ar << s; });
        Bytes prefix = Image(c.prefix);
        ASSERT_EQ(prefix.size() + c.length, image.size()) << c.length;
        EXPECT_EQ(Hex(prefix), Hex(Bytes(image.begin(), image.begin() + prefix.size()))) << c.length;
        CString back("old");
        EXPECT_EQ(-1, LoadCause(image, [&](CArchive& ar) { ar >> back; }));
        EXPECT_EQ(c.length, back.GetLength());
        EXPECT_TRUE(back == s) << c.length;
    }
}

TEST(Archive, WideStringsAreConvertedOnLoad)
{
    struct Case
    {
        const char* image;
        const char* text;
    } cases[] = {
        {"FF FE FF 02 41 00 42 00", "AB"},
        {"FF FE FF 00", ""},
        {"FF FE FF FF 03 00 61 00 62 00 63 00", "abc"},
        {"FF FE FF FF FF FF 01 00 00 00 7A 00", "z"},
    };
    for (const Case& c : cases)
    {
        CString back;
        EXPECT_EQ(-1, LoadCause(Image(c.image), [&](CArchive& ar) { ar >> back; })) << c.image;
        EXPECT_STREQ(c.text, back) << c.image;
    }
}

TEST(Archive, ScalarsAreLittleEndianWithFixedWidths)
{
    Bytes image = StoreToBytes([](CArchive& ar) {
        ar << (BYTE)0x12 << (WORD)0x3456 << (LONG)-2 << (DWORD)0x789ABCDE << (int)1 << (short)-1 << 'c'
           << (unsigned)7 << 1.0f << 0.25 << (LONGLONG)-1;
    });
    EXPECT_EQ(Hex(Image("12 56 34 FE FF FF FF DE BC 9A 78 01 00 00 00 FF FF 63 07 00 00 00 00 00 80 3F "
                        "00 00 00 00 00 00 D0 3F FF FF FF FF FF FF FF FF")),
              Hex(image));
    BYTE by;
    WORD w;
    LONG l;
    DWORD dw;
    int i;
    short sh;
    char ch;
    unsigned u;
    float f;
    double d;
    LONGLONG ll;
    EXPECT_EQ(-1, LoadCause(image, [&](CArchive& ar) {
        ar >> by >> w >> l >> dw >> i >> sh >> ch >> u >> f >> d >> ll;
    }));
    EXPECT_EQ(0x12, by);
    EXPECT_EQ(0x3456, w);
    EXPECT_EQ(-2, l);
    EXPECT_EQ(0x789ABCDEu, dw);
    EXPECT_EQ(-1, sh);
    EXPECT_EQ('c', ch);
    EXPECT_EQ(1.0f, f);
    EXPECT_EQ(0.25, d);
    EXPECT_EQ(-1, ll);
}

// Times are signed 32-bit seconds in the archive, however wide time_t is: a time before 1970 and
// the invalid time come back as themselves, not as times after 2038.
TEST(Archive, TimesAreSigned32BitSeconds)
{
    Bytes image = StoreToBytes([](CArchive& ar) {
        ar << CTime((time_t)0x12345678) << CTime((time_t)-1) << CTime((time_t)-86400) << CTimeSpan(-90)
           << CTimeSpan(0x7FFFFFFF);
    });
    EXPECT_EQ(Hex(Image("78 56 34 12 | FF FF FF FF | 80 AE FE FF | A6 FF FF FF | FF FF FF 7F")), Hex(image));
    CTime times[3];
    CTimeSpan spans[2];
    EXPECT_EQ(-1, LoadCause(image, [&](CArchive& ar) {
        ar >> times[0] >> times[1] >> times[2] >> spans[0] >> spans[1];
    }));
    EXPECT_EQ((time_t)0x12345678, times[0].GetTime());
    EXPECT_EQ((time_t)-1, times[1].GetTime());
    EXPECT_EQ((time_t)-86400, times[2].GetTime());
    EXPECT_EQ(-90L, spans[0].GetTotalSeconds());
    EXPECT_EQ(0x7FFFFFFFL, spans[1].GetTotalSeconds());
}

TEST(Archive, CountForms)
{
    struct Case
    {
        DWORD count;
        const char* image;
    } cases[] = {
        {0, "00 00"},
        {0xFFFE, "FE FF"},
        {0xFFFF, "FF FF FF FF 00 00"},
        {0x12345678, "FF FF 78 56 34 12"},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(Hex(Image(c.image)), Hex(StoreToBytes([&](CArchive& ar) { ar.WriteCount(c.count); })));
        DWORD back = 0;
        EXPECT_EQ(-1, LoadCause(Image(c.image), [&](CArchive& ar) { back = ar.ReadCount(); }));
        EXPECT_EQ(c.count, back);
    }
}

TEST(Archive, CollectionForms)
{
    CTestPoint point(5, 6);
    struct Case
    {
        const char* what;
        std::function<void(CArchive&)> store;
        Bytes image;
    } cases[] = {
        {"byte array",
         [](CArchive& ar) {
             CByteArray a;
             a.Add(1);
             a.Add(2);
             a.Add(3);
             a.Serialize(ar);
         },
         Image("03 00 01 02 03")},
        {"word array",
         [](CArchive& ar) {
             CWordArray a;
             a.Add(0xABCD);
             a.Serialize(ar);
         },
         Image("01 00 CD AB")},
        {"dword array",
         [](CArchive& ar) {
             CDWordArray a;
             a.Add(1);
             a.Add(0x01020304);
             a.Serialize(ar);
         },
         Image("02 00 01 00 00 00 04 03 02 01")},
        {"string array",
         [](CArchive& ar) {
             CStringArray a;
             a.Add("a");
             a.Add("bc");
             a.Serialize(ar);
         },
         Image("02 00 01 'a' 02 'bc'")},
        {"object array",
         [&](CArchive& ar) {
             CObArray a;
             a.Add(&point);
             a.Add(NULL);
             a.Add(&point);
             a.Serialize(ar);
         },
         Image("03 00") + kPointClass + Image("05 00 00 00 06 00 00 00 00 00 02 00")},
        {"object list",
         [&](CArchive& ar) {
             CObList l;
             l.AddTail(&point);
             l.AddHead((CObject*)NULL);
             l.Serialize(ar);
         },
         Image("02 00 00 00") + kPointClass + Image("05 00 00 00 06 00 00 00")},
        {"string list",
         [](CArchive& ar) {
             CStringList l;
             l.AddTail("x");
             l.AddTail("");
             l.Serialize(ar);
         },
         Image("02 00 01 'x' 00")},
        // Buckets of 17: "a" hashes to 97 % 17 = 12, "b" to 13; iteration goes by bucket.
        {"string map",
         [](CArchive& ar) {
             CMapStringToString m;
             m.SetAt("b", "2");
             m.SetAt("a", "1");
             m.Serialize(ar);
         },
         Image("02 00 01 'a' 01 '1' 01 'b' 01 '2'")},
        {"string to object map",
         [&](CArchive& ar) {
             CMapStringToOb m;
             m["k"] = &point;
             m.Serialize(ar);
         },
         Image("01 00 01 'k'") + kPointClass + Image("05 00 00 00 06 00 00 00")},
        {"word to object map",
         [&](CArchive& ar) {
             CMapWordToOb m;
             m.SetAt(7, NULL);
             m.Serialize(ar);
         },
         Image("01 00 07 00 00 00")},
        {"template array of int",
         [](CArchive& ar) {
             CArray<int, int> a;
             a.Add(1);
             a.Add(-1);
             a.Serialize(ar);
         },
         Image("02 00 01 00 00 00 FF FF FF FF")},
        {"template list of strings",
         [](CArchive& ar) {
             CList<CString, LPCTSTR> l;
             l.AddTail("hi");
             l.Serialize(ar);
         },
         Image("01 00 02 'hi'")},
        {"template map",
         [](CArchive& ar) {
             CMap<WORD, WORD, DWORD, DWORD> m;
             m[3] = 4;
             m.Serialize(ar);
         },
         Image("01 00 03 00 04 00 00 00")},
        {"date-time and span", [](CArchive& ar) { ar << COleDateTime(0.25) << COleDateTimeSpan(-1.5); },
         Image("00 00 00 00 00 00 00 00 00 00 D0 3F 00 00 00 00 00 00 00 00 00 00 F8 BF")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Hex(c.image), Hex(StoreToBytes(c.store))) << c.what;
}

TEST(Archive, CollectionsLoadWhatTheyStore)
{
    Bytes image = Image("03 00") + kPointClass + Image("05 00 00 00 06 00 00 00 00 00 02 00") +
                  Image("02 00 01 'a' 01 '1' 01 'b' 01 '2'") + Image("02 00 01 00 00 00 04 03 02 01");
    CObArray objects;
    CMapStringToString map;
    CDWordArray dwords;
    EXPECT_EQ(-1, LoadCause(image, [&](CArchive& ar) {
        objects.Serialize(ar);
        map.Serialize(ar);
        dwords.Serialize(ar);
    }));
    ASSERT_EQ(3, objects.GetSize());
    EXPECT_EQ(NULL, objects[1]);
    EXPECT_EQ(objects[0], objects[2]);
    EXPECT_EQ(6, ((CTestPoint*)objects[0])->m_y);
    CString value;
    EXPECT_TRUE(map.Lookup("b", value));
    EXPECT_STREQ("2", value);
    EXPECT_EQ(2, map.GetCount());
    ASSERT_EQ(2, dwords.GetSize());
    EXPECT_EQ(0x01020304u, dwords[1]);
    delete objects[0];
}

TEST(Archive, HugeCountsAndLengthsAreRejectedBeforeAllocating)
{
    struct Case
    {
        const char* what;
        Bytes image;
        std::function<void(CArchive&)> read;
    } cases[] = {
        {"string of 2 GB", Image("FF FF FF FF FF FF 7F 'abc'"),
         [](CArchive& ar) {
             CString s;
             ar >> s;
         }},
        {"string of 4 GB", Image("FF FF FF FF FF FF FF"),
         [](CArchive& ar) {
             CString s;
             ar >> s;
         }},
        {"wide string of 2 G characters", Image("FF FE FF FF FF FF FF FF FF 7F"),
         [](CArchive& ar) {
             CString s;
             ar >> s;
         }},
        {"dword array", Image("FF FF FF FF FF 3F 01 00 00 00"),
         [](CArchive& ar) {
             CDWordArray a;
             a.Serialize(ar);
         }},
        {"byte array", Image("FF FF FF FF FF FF 01"),
         [](CArchive& ar) {
             CByteArray a;
             a.Serialize(ar);
         }},
        {"object array", Image("FF FF 00 00 00 40 00 00"),
         [](CArchive& ar) {
             CObArray a;
             a.Serialize(ar);
         }},
        {"string list", Image("FF FF FF FF FF 7F 00"),
         [](CArchive& ar) {
             CStringList l;
             l.Serialize(ar);
         }},
        {"string map", Image("FF FF 00 00 00 10 00 00"),
         [](CArchive& ar) {
             CMapStringToString m;
             m.Serialize(ar);
         }},
        {"template array", Image("FF FF FF FF FF 7F 00"),
         [](CArchive& ar) {
             CArray<double, double> a;
             a.Serialize(ar);
         }},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CArchiveException::endOfFile, LoadCause(c.image, c.read)) << c.what;
}

TEST(Archive, EveryTruncationEndsInAnArchiveException)
{
    CTestPoint point(1, 2);
    CTestName name("name");
    CObArray objects;
    objects.Add(&point);
    objects.Add(&name);
    objects.Add(NULL);
    objects.Add(&point);
    CStringArray strings;
    strings.Add("");
    strings.Add(CString('s', 300));
    CMapStringToString map;
    map["key"] = "value";
    map["other"] = CString('v', 260);
    CTestVersioned versioned;
    auto write = [&](CArchive& ar) {
        ar << (LONG)1;
        objects.Serialize(ar);
        ar << &versioned;
        strings.Serialize(ar);
        map.Serialize(ar);
        ar << COleDateTime(2000, 1, 2, 3, 4, 5) << CString("tail");
    };
    auto read = [](CArchive& ar) {
        LONG version;
        CObArray loadedObjects;
        CStringArray loadedStrings;
        CMapStringToString loadedMap;
        COleDateTime date;
        CString tail;
        CObject* pVersioned = NULL;
        ar >> version;
        loadedObjects.Serialize(ar);
        ar >> pVersioned;
        loadedStrings.Serialize(ar);
        loadedMap.Serialize(ar);
        ar >> date >> tail;
        delete pVersioned;
        for (int i = 0; i < loadedObjects.GetSize(); ++i)
            if (i != 3)
                delete loadedObjects[i];
    };
    Bytes image = StoreToBytes(write);
    ASSERT_EQ(-1, LoadCause(image, read));
    for (size_t cut = 0; cut < image.size(); ++cut)
        EXPECT_EQ(CArchiveException::endOfFile, LoadCause(Bytes(image.begin(), image.begin() + cut), read))
            << cut;
}

TEST(Archive, ModesAndTextLines)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store, 16);
        EXPECT_TRUE(ar.IsStoring());
        EXPECT_EQ(&file, ar.GetFile());
        ar.WriteString("one\r\ntwo\nthree");
        CString s;
        BOOL bThrown = FALSE;
        try
        {
            ar >> s;
        }
        catch (CArchiveException* e)
        {
            bThrown = e->m_cause == CArchiveException::writeOnly;
            e->Delete();
        }
        EXPECT_TRUE(bThrown);
    } // the destructor flushes
    EXPECT_EQ(14u, file.GetLength());
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    EXPECT_TRUE(ar.IsLoading());
    EXPECT_TRUE(ar.IsBufferEmpty());
    CString line;
    EXPECT_TRUE(ar.ReadString(line));
    EXPECT_STREQ("one", line);
    EXPECT_FALSE(ar.IsBufferEmpty());
    char sz[3];
    EXPECT_EQ(sz, ar.ReadString(sz, sizeof(sz))); // at most two characters and the terminator
    EXPECT_STREQ("tw", sz);
    EXPECT_TRUE(ar.ReadString(line));
    EXPECT_STREQ("o", line);
    EXPECT_TRUE(ar.ReadString(line));
    EXPECT_STREQ("three", line);
    EXPECT_FALSE(ar.ReadString(line));
    EXPECT_EQ(NULL, ar.ReadString(sz, sizeof(sz)));
}

TEST(Archive, DiskFilesAcrossBufferBoundaries)
{
    char szDir[MAX_PATH], szPath[MAX_PATH];
    GetTempPathA(sizeof(szDir), szDir);
    GetTempFileNameA(szDir, "arc", 0, szPath);

    // Two archives one after the other in one file, the first with a buffer smaller than the
    // data, so values straddle buffer refills and large blocks bypass the buffer.
    CString big('b', 5000);
    {
        CFile file(szPath, CFile::modeCreate | CFile::modeWrite);
        CArchive first(&file, CArchive::store, 16);
        for (LONG i = 0; i < 50; ++i)
            first << (BYTE)i << i;
        first << big;
        first.Close();
        CArchive second(&file, CArchive::store);
        second << CString("second");
        second.Close();
        file.Close();
    }
    {
        CFile file(szPath, CFile::modeRead);
        CArchive first(&file, CArchive::load, 16);
        for (LONG i = 0; i < 50; ++i)
        {
            BYTE by;
            LONG l;
            first >> by >> l;
            ASSERT_EQ((BYTE)i, by);
            ASSERT_EQ(i, l);
        }
        CString back;
        first >> back;
        EXPECT_TRUE(back == big);
        first.Close(); // gives back what it read ahead
        CArchive second(&file, CArchive::load);
        second >> back;
        EXPECT_STREQ("second", back);
        EXPECT_EQ(CArchiveException::endOfFile, [&] {
            try
            {
                BYTE by;
                second >> by;
            }
            catch (CArchiveException* e)
            {
                int cause = e->m_cause;
                e->Delete();
                return cause;
            }
            return -1;
        }());
    }
    DeleteFileA(szPath);
}

// Reads its first field and then reports a damaged record the way object code does, without
// knowing which file it is reading; counts the instances still alive.
class CTestDamaged : public CObject
{
    DECLARE_SERIAL(CTestDamaged)
public:
    CTestDamaged() { ++s_nAlive; }
    ~CTestDamaged() { --s_nAlive; }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
        {
            ar << (LONG)7;
            return;
        }
        LONG l;
        ar >> l;
        AfxThrowArchiveException(CArchiveException::badIndex);
    }
    static int s_nAlive;
};
int CTestDamaged::s_nAlive = 0;
IMPLEMENT_SERIAL(CTestDamaged, CObject, 1)

namespace
{
CString MessageOf(CException* e)
{
    TCHAR sz[512] = "";
    e->GetErrorMessage(sz, sizeof(sz));
    return sz;
}

// Loads the file at path with read() and returns the text of the exception that stopped it.
CString FailureText(const CString& path, const std::function<void(CArchive&)>& read)
{
    CFile file(path, CFile::modeRead);
    CArchive ar(&file, CArchive::load);
    try
    {
        read(ar);
    }
    catch (CException* e)
    {
        CString text = MessageOf(e);
        e->Delete();
        return text;
    }
    return "(nothing thrown)";
}
} // namespace

TEST(ArchiveFileName, ExceptionsNameTheFileTheyCameFrom)
{
    CTestFolder folder;
    CString path = folder.File("Clocks.dat");
    CTestPoint point(1, 2);
    CTestDamaged damaged;
    Bytes whole = StoreToBytes([&](CArchive& ar) { ar << (LONG)2 << &point << &damaged; });
    // Cut inside the point: a read past the end.
    folder.Write("Clocks.dat", Bytes(whole.begin(), whole.begin() + 20));
    EXPECT_EQ("An attempt was made to access " + path + " past its end.", FailureText(path, [](CArchive& ar) {
                  LONG n;
                  CObject* p;
                  ar >> n >> p;
              }));
    // A record's own code throws without a name; the archive gives it its file's.
    folder.Write("Clocks.dat", whole);
    EXPECT_EQ(path + " has a bad format.", FailureText(path, [](CArchive& ar) {
                  LONG n;
                  CObject* p;
                  ar >> n >> p;
                  delete p;
                  ar >> p;
              }));
    EXPECT_EQ(1, CTestDamaged::s_nAlive) << "the half-read record is deleted";
    // The file's own exception names it too.
    EXPECT_EQ("Seek failed on " + path,
              FailureText(path, [](CArchive& ar) { ar.GetFile()->Seek(-1, CFile::begin); }));

    // Without a file name the text keeps its unnamed wording.
    CMemFile memory;
    CArchive ar(&memory, CArchive::load);
    try
    {
        CObject* p;
        ar >> p;
        ADD_FAILURE();
    }
    catch (CException* e)
    {
        EXPECT_EQ(CString("An attempt was made to access an unnamed file past its end."), MessageOf(e));
        e->Delete();
    }
}
