// Run-time classes: kinds, creation by name, serialisability.
#include "afx.h"

#include <gtest/gtest.h>

class CShape : public CObject
{
    DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape
{
    DECLARE_DYNCREATE(CCircle)

public:
    int m_nRadius = 5;
};
IMPLEMENT_DYNCREATE(CCircle, CShape)

class CSquare : public CShape
{
    DECLARE_SERIAL(CSquare)

public:
    int m_nSide = 3;
};
IMPLEMENT_SERIAL(CSquare, CShape, VERSIONABLE_SCHEMA | 2)

TEST(CObjectTest, KindsAndNames)
{
    CCircle circle;
    CSquare square;
    struct
    {
        const CObject* object;
        CRuntimeClass* cls;
        BOOL is;
    } cases[] = {
        {&circle, RUNTIME_CLASS(CCircle), TRUE},  {&circle, RUNTIME_CLASS(CShape), TRUE},
        {&circle, RUNTIME_CLASS(CObject), TRUE},  {&circle, RUNTIME_CLASS(CSquare), FALSE},
        {&square, RUNTIME_CLASS(CCircle), FALSE}, {&square, RUNTIME_CLASS(CShape), TRUE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.is, c.object->IsKindOf(c.cls))
            << c.object->GetRuntimeClass()->m_lpszClassName << " " << c.cls->m_lpszClassName;
    EXPECT_STREQ("CSquare", square.GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ((UINT)(VERSIONABLE_SCHEMA | 2), RUNTIME_CLASS(CSquare)->m_wSchema);
    EXPECT_TRUE(square.IsSerializable());
    EXPECT_FALSE(circle.IsSerializable());
    EXPECT_EQ(&square, DYNAMIC_DOWNCAST(CShape, &square));
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CCircle, &square));
}

TEST(CObjectTest, CreationByName)
{
    EXPECT_EQ(RUNTIME_CLASS(CSquare), CRuntimeClass::FromName("CSquare"));
    EXPECT_EQ(RUNTIME_CLASS(CCircle), CRuntimeClass::FromName("CCircle"));
    EXPECT_EQ(RUNTIME_CLASS(CObject), CRuntimeClass::FromName("CObject"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CNoSuchClass"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("csquare"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName(NULL));

    CObject* p = CRuntimeClass::FromName("CSquare")->CreateObject();
    ASSERT_NE(nullptr, p);
    ASSERT_TRUE(p->IsKindOf(RUNTIME_CLASS(CSquare)));
    EXPECT_EQ(3, ((CSquare*)p)->m_nSide);
    delete p;
    // A class without a factory creates nothing.
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CShape)->CreateObject());
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CObject)->CreateObject());
}

// Stored forms: a time as a 4-byte count of seconds, a span likewise, a class as schema WORD,
// name length WORD and the name's bytes.
TEST(CObjectTest, ArchiveForms)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << CTime((time_t)0x12345678) << CTimeSpan((time_t)-2);
        RUNTIME_CLASS(CSquare)->Store(ar);
        ar.Close();
    }
    const BYTE expected[] = {0x78, 0x56, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF, 0x02, 0x00,
                             0x07, 0x00, 'C',  'S',  'q',  'u',  'a',  'r',  'e'};
    ASSERT_EQ(sizeof(expected), file.GetLength());
    BYTE* p = file.Detach();
    EXPECT_EQ(0, memcmp(expected, p, sizeof(expected)));

    CMemFile in(p, sizeof(expected));
    {
        CArchive ar(&in, CArchive::load);
        CTime t;
        CTimeSpan s;
        ar >> t >> s;
        EXPECT_EQ(0x12345678, (long long)t.GetTime());
        EXPECT_EQ(-2, s.GetTotalSeconds());
        UINT nSchema = 0;
        EXPECT_EQ(RUNTIME_CLASS(CSquare), CRuntimeClass::Load(ar, &nSchema));
        EXPECT_EQ(2u, nSchema);
    }
    in.Detach();
    free(p);

    // A class name longer than any class may have is refused without reading it.
    const BYTE tooLong[] = {0x01, 0x00, 0xC8, 0x00, 'C', 'x'};
    CMemFile bad((BYTE*)tooLong, sizeof(tooLong));
    CArchive ar(&bad, CArchive::load);
    EXPECT_EQ(nullptr, CRuntimeClass::Load(ar, NULL));
}
