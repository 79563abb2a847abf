// Collections: array growth and shifting, list positions, map lookup and visiting order, the
// typed pointer wrappers.
#include "afx.h"
#include "afxcoll.h"
#include "afxtempl.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string Join(const CStringArray& a)
{
    std::string out;
    for (int i = 0; i < a.GetSize(); ++i)
        out += std::string(a[i]) + ",";
    return out;
}

std::string Join(const CStringList& l)
{
    std::string out;
    for (POSITION pos = l.GetHeadPosition(); pos != NULL;)
        out += std::string(l.GetNext(pos)) + ",";
    return out;
}

class CItem : public CObject
{
public:
    explicit CItem(int n) : m_n(n) {}
    int m_n;
};
} // namespace

TEST(Collection, ArrayEditing)
{
    struct Case
    {
        const char* what;
        void (*edit)(CStringArray&);
        const char* result;
    } cases[] = {
        {"insert in the middle", [](CStringArray& a) { a.InsertAt(1, "x", 2); }, "a,x,x,b,c,"},
        {"insert at the end", [](CStringArray& a) { a.InsertAt(3, "x"); }, "a,b,c,x,"},
        {"insert beyond the end", [](CStringArray& a) { a.InsertAt(4, "x"); }, "a,b,c,,x,"},
        {"remove two", [](CStringArray& a) { a.RemoveAt(0, 2); }, "c,"},
        {"remove last", [](CStringArray& a) { a.RemoveAt(2); }, "a,b,"},
        {"set and grow", [](CStringArray& a) { a.SetAtGrow(5, "z"); }, "a,b,c,,,z,"},
        {"shrink", [](CStringArray& a) { a.SetSize(1); }, "a,"},
        {"add its own element",
         [](CStringArray& a) {
             for (int i = 0; i < 3; ++i)
                 a.Add(a[0]);
         },
         "a,b,c,a,a,a,"},
        {"insert its own element",
         [](CStringArray& a) {
             a.InsertAt(0, a[2], 20);
             a.SetSize(21);
         },
         "c,c,c,c,c,c,c,c,c,c,c,c,c,c,c,c,c,c,c,c,a,"},
        {"append",
         [](CStringArray& a) {
             CStringArray b;
             b.Add("d");
             EXPECT_EQ(3, a.Append(b));
         },
         "a,b,c,d,"},
        {"copy",
         [](CStringArray& a) {
             CStringArray b;
             b.Add("d");
             a.Copy(b);
         },
         "d,"},
        {"insert an array",
         [](CStringArray& a) {
             CStringArray b;
             b.Add("d");
             b.Add("e");
             a.InsertAt(1, &b);
         },
         "a,d,e,b,c,"},
        {"remove all", [](CStringArray& a) { a.RemoveAll(); }, ""},
    };
    for (const Case& c : cases)
    {
        CStringArray a;
        a.Add("a");
        a.Add("b");
        a.Add("c");
        c.edit(a);
        EXPECT_EQ(c.result, Join(a)) << c.what;
        EXPECT_EQ(a.GetSize() - 1, a.GetUpperBound()) << c.what;
    }
}

TEST(Collection, ArrayGrowth)
{
    CDWordArray a;
    a.SetSize(0, 100);
    a.Add(0); // the first allocation is exact
    a.Add(1);
    const DWORD* pData = a.GetData();
    for (int i = 2; i < 100; ++i)
        a.Add(i);
    EXPECT_EQ(pData, a.GetData()); // the grow-by step held the rest without moving
    a.FreeExtra();
    EXPECT_EQ(100, a.GetSize());
    EXPECT_EQ(99u, a[99]);
    a.ElementAt(0) = 7;
    EXPECT_EQ(7u, a.GetAt(0));
    a.SetSize(200);
    EXPECT_EQ(0u, a[150]); // new elements are zero
}

TEST(Collection, ListPositions)
{
    CStringList l;
    POSITION posB = l.AddTail("b");
    l.AddHead("a");
    l.AddTail("d");
    l.InsertAfter(posB, "c");
    l.InsertBefore(l.GetHeadPosition(), "0");
    EXPECT_EQ("0,a,b,c,d,", Join(l));
    EXPECT_EQ(5, l.GetCount());
    EXPECT_EQ(posB, l.Find("b"));
    EXPECT_EQ(NULL, l.Find("b", posB));
    EXPECT_EQ(posB, l.FindIndex(2));
    EXPECT_EQ(NULL, l.FindIndex(5));
    EXPECT_EQ(NULL, l.FindIndex(-1));
    l.RemoveAt(posB);
    EXPECT_STREQ("0", l.RemoveHead());
    EXPECT_STREQ("d", l.RemoveTail());
    EXPECT_EQ("a,c,", Join(l));
    POSITION pos = l.GetTailPosition();
    EXPECT_STREQ("c", l.GetPrev(pos));
    EXPECT_STREQ("a", l.GetPrev(pos));
    EXPECT_EQ(NULL, pos);
    CStringList other;
    other.AddTail("x");
    other.AddTail("y");
    l.AddHead(&other);
    l.AddTail(&other);
    EXPECT_EQ("x,y,a,c,x,y,", Join(l));
    l.RemoveAll();
    EXPECT_TRUE(l.IsEmpty());
}

TEST(Collection, MapsLookUpAndVisitByBucket)
{
    CMapStringToPtr map;
    int values[3];
    map["one"] = &values[0];
    map.SetAt("two", &values[1]);
    map.SetAt("one", &values[2]);
    EXPECT_EQ(2, map.GetCount());
    void* p = NULL;
    EXPECT_TRUE(map.Lookup("one", p));
    EXPECT_EQ(&values[2], p);
    EXPECT_FALSE(map.Lookup("three", p));
    EXPECT_TRUE(map.RemoveKey("one"));
    EXPECT_FALSE(map.RemoveKey("one"));
    EXPECT_EQ(1, map.GetCount());

    // With 7 buckets, 1 and 8 share bucket 1 (the later one first), 3 has bucket 3.
    CMapWordToPtr words;
    words.InitHashTable(7);
    for (WORD w : {3, 1, 8})
        words.SetAt((WORD)(w << 4), (void*)(DWORD_PTR)w);
    std::string order;
    for (POSITION pos = words.GetStartPosition(); pos != NULL;)
    {
        WORD key;
        void* value;
        words.GetNextAssoc(pos, key, value);
        order += std::to_string(key >> 4) + ",";
    }
    EXPECT_EQ("8,1,3,", order);
    EXPECT_EQ(7u, words.GetHashTableSize());

    // Keys passed by reference hash and compare by their characters.
    CMap<CString, const CString&, int, int> byRef;
    byRef[CString("k")] = 3;
    int n = 0;
    EXPECT_TRUE(byRef.Lookup(CString("k"), n));
    EXPECT_EQ(3, n);
    CList<CString, const CString&> strings;
    strings.AddTail(CString("s"));
    EXPECT_NE(nullptr, strings.Find(CString("s")));

    CMapStringToString empty;
    EXPECT_EQ(NULL, empty.GetStartPosition());
}

TEST(Collection, TypedPointerCollections)
{
    CItem a(1), b(2);
    CTypedPtrArray<CObArray, CItem*> items;
    items.Add(&a);
    items.Add(&b);
    EXPECT_EQ(2, items[1]->m_n);
    EXPECT_EQ(1, items.GetAt(0)->m_n);

    CTypedPtrList<CPtrList, CItem*> list;
    list.AddTail(&a);
    list.AddHead(&b);
    EXPECT_EQ(2, list.GetHead()->m_n);
    POSITION pos = list.GetHeadPosition();
    list.GetNext(pos);
    EXPECT_EQ(1, list.GetNext(pos)->m_n);

    CTypedPtrMap<CMapStringToOb, CString, CItem*> map;
    map.SetAt("b", &b);
    CItem* pFound = NULL;
    EXPECT_TRUE(map.Lookup("b", pFound));
    EXPECT_EQ(&b, pFound);
    pos = map.GetStartPosition();
    CString key;
    map.GetNextAssoc(pos, key, pFound);
    EXPECT_STREQ("b", key);
}

TEST(Collection, RuntimeClasses)
{
    CObArray obArray;
    CStringList stringList;
    CMapPtrToPtr ptrMap;
    CUIntArray uintArray;
    EXPECT_TRUE(obArray.IsKindOf(RUNTIME_CLASS(CObArray)));
    EXPECT_TRUE(obArray.IsSerializable());
    EXPECT_TRUE(stringList.IsSerializable());
    EXPECT_FALSE(ptrMap.IsSerializable());
    EXPECT_FALSE(uintArray.IsSerializable());
    EXPECT_STREQ("CMapStringToOb", CRuntimeClass::FromName("CMapStringToOb")->m_lpszClassName);
}
