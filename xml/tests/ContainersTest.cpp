#include "Containers.h"
#include "StringBuffer.h"
#include <gtest/gtest.h>

namespace
{
int g_deleted = 0;
struct Counted : CorvitaObject
{
    ~Counted() override { g_deleted++; }
};
} // namespace

TEST(Containers, PointerArray)
{
    ExtPtrArray a;
    int values[300];
    for (int i = 0; i < 300; i++)
        EXPECT_EQ(a.Append(&values[i]), i + 1);
    EXPECT_EQ(a.Last(), &values[299]);
    EXPECT_EQ(a.RemoveAt(299), &values[299]);
    EXPECT_EQ(a.GetSize(), 299);
    EXPECT_EQ(a.RemoveAt(0), &values[0]);
    EXPECT_EQ(a.GetAt(0), &values[1]);
    EXPECT_EQ(a.RemoveAt(500), nullptr);
    EXPECT_EQ(a.PopLast(), &values[298]);
    a.Clear();
    EXPECT_EQ(a.PopLast(), nullptr);
    EXPECT_EQ(a.Last(), nullptr);
    g_deleted = 0;
    ExtPtrArray owned(0, 0);
    owned.Append(new Counted);
    owned.Append(nullptr);
    owned.Append(new Counted);
    owned.DeleteAll<Counted>();
    EXPECT_EQ(g_deleted, 2);
    EXPECT_EQ(owned.GetSize(), 0);
}

TEST(Containers, IntArray)
{
    ExtIntArray a(0, 15);
    for (int i = 0; i < 1000; i++)
        a.Append(i * 3);
    EXPECT_EQ(a.GetAt(999), 2997);
    EXPECT_EQ(a.GetAt(1000), 0);
    EXPECT_EQ(a.GetAt(-1), 0);
    a.RemoveAt(0);
    EXPECT_EQ(a.GetAt(0), 3);
    EXPECT_EQ(a.GetSize(), 999);
}

TEST(Containers, HashMapWithOneBucketHoldsEveryKey)
{
    for (unsigned long buckets : {1ul, 400ul})
    {
        HashMap map(buckets);
        for (int i = 0; i < 200; i++)
        {
            StringBuffer key;
            key.Append("tag");
            key.AppendInt(i);
            EXPECT_TRUE(map.Insert(key, new StringBuffer(key.GetString())));
        }
        for (int i = 0; i < 200; i++)
        {
            StringBuffer key("tag");
            key.AppendInt(i);
            CorvitaObject* o = map.GetObject(key);
            ASSERT_NE(o, nullptr);
            EXPECT_STREQ(static_cast<StringBuffer*>(o)->GetString(), key.GetString());
        }
        StringBuffer absent("nope");
        map.Remove(absent);
        EXPECT_EQ(map.GetObject(absent), nullptr);
    }
}

TEST(Containers, HashMapReplacesObjects)
{
    g_deleted = 0;
    HashMap map(7);
    StringBuffer key("k");
    Counted* first = new Counted;
    map.Insert(key, first);
    map.Insert(key, first);
    EXPECT_EQ(g_deleted, 0);
    map.Insert(key, new Counted);
    EXPECT_EQ(g_deleted, 1);
    map.Remove(key);
    EXPECT_EQ(g_deleted, 2);
    EXPECT_EQ(map.FindEntry(key), nullptr);
}

TEST(Containers, SerialNumbersCountUp)
{
    StringBuffer a, b;
    EXPECT_EQ(b.GetSerial(), a.GetSerial() + 1);
    EXPECT_GE(a.GetSerial(), 100u);
}
