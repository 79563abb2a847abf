#include "TestUtil.h"
#include "XString.h"
#include <gtest/gtest.h>

TEST(StringBuffer, EditsText)
{
    struct
    {
        const char* in;
        void (*op)(StringBuffer&);
        const char* out;
    } cases[] = {
        {"&amp;amp;amp;", [](StringBuffer& s) { EXPECT_EQ(s.ReplaceAll("&amp;", "&"), 1); }, "&amp;amp;"},
        {"&lt;", [](StringBuffer& s) { s.EscapeMarkup(); }, "&amp;lt;"},
        {"a<\"b\">", [](StringBuffer& s) { s.EscapeMarkup(); }, "a&lt;&quot;b&quot;&gt;"},
        {"a<\"b\">", [](StringBuffer& s) { s.EscapeMarkupNoQuote(); }, "a&lt;\"b\"&gt;"},
        {" \t\r\n ", [](StringBuffer& s) { s.Trim(); }, ""},
        {"  x y\n", [](StringBuffer& s) { s.Trim(); }, "x y"},
        {"banana", [](StringBuffer& s) { s.RemoveChar('a'); }, "bnn"},
        {"banana", [](StringBuffer& s) { s.RemoveCharFrom('a', 3); }, "bann"},
        {"banana", [](StringBuffer& s) { s.ReplaceChar('a', 'o'); }, "bonono"},
        {"aaa", [](StringBuffer& s) { EXPECT_EQ(s.ReplaceAll("a", "bcd"), 3); }, "bcdbcdbcd"},
        {"xyz", [](StringBuffer& s) { EXPECT_EQ(s.ReplaceAll("", "q"), 0); }, "xyz"},
        {"MiXeD\xC4", [](StringBuffer& s) { s.ToLower(); }, "mixed\xC4"},
        {"abcdef", [](StringBuffer& s) { s.DropLast(2); }, "abcd"},
        {"abcdef", [](StringBuffer& s) { s.DropLast(10); }, ""},
        {"abcdef", [](StringBuffer& s) { s.RemoveRange(1, 2); }, "adef"},
        {"abcdef", [](StringBuffer& s) { s.RemoveRange(5, 2); }, "abcdef"},
        {"world", [](StringBuffer& s) { s.Prepend("hello "); }, "hello world"},
        {"n=", [](StringBuffer& s) { s.AppendInt(-42); }, "n=-42"},
        {"abc", [](StringBuffer& s) { s.SetString(s.GetString() + 1); }, "bc"},
        {"ab",
         [](StringBuffer& s) {
             s.AppendBytes("cd", 2);
             s.AppendBytes("x", 0);
         },
         "abcd"},
    };
    for (auto& c : cases)
    {
        StringBuffer s(c.in);
        c.op(s);
        EXPECT_STREQ(s.GetString(), c.out) << c.in;
        EXPECT_EQ(s.GetLength() >= (int)strlen(c.out), true);
    }
}

TEST(StringBuffer, ComparesAndSplits)
{
    StringBuffer s("Hello");
    EXPECT_TRUE(s.Equals("Hello"));
    EXPECT_FALSE(s.Equals("hello"));
    EXPECT_TRUE(s.EqualsNoCase("hELLO"));
    EXPECT_FALSE(s.Equals(nullptr));
    EXPECT_TRUE(StringBuffer().Equals(nullptr));
    EXPECT_TRUE(s.Is7Bit());
    EXPECT_FALSE(StringBuffer("caf\xE9").Is7Bit());

    struct
    {
        const char* in;
        bool quotes, backslash;
        std::vector<std::string> pieces;
    } splits[] = {
        {"a,b,,c", false, false, {"a", "b", "", "c"}},
        {"a,\"b,c\",d", true, false, {"a", "\"b,c\"", "d"}},
        {"a\\,b,c", false, true, {"a\\,b", "c"}},
        {"", false, false, {}},
        {"x,", false, false, {"x", ""}},
    };
    for (auto& c : splits)
    {
        ExtPtrArray out;
        StringBuffer(c.in).Split(out, ",", c.quotes, c.backslash);
        std::vector<std::string> got;
        for (int i = 0; i < out.GetSize(); i++)
            got.push_back(static_cast<StringBuffer*>(out.GetAt(i))->GetString());
        out.DeleteAll<StringBuffer>();
        EXPECT_EQ(got, c.pieces) << c.in;
    }
    EXPECT_STREQ(StrStrNoCase("abc<?XmL x", "<?xml"), "<?XmL x");
    EXPECT_EQ(StrStrNoCase("\xE9", "\xC9"), nullptr);
    EXPECT_EQ(StrStrNoCase("", "a"), nullptr);
    EXPECT_EQ(StrStrNoCase("a", ""), nullptr);
}

TEST(StringBuffer, GrowsGeometrically)
{
    StringBuffer s;
    int reallocations = 0, capacity = s.GetCapacity();
    for (int i = 0; i < 1000000; i++)
    {
        s.AppendChar('x');
        if (s.GetCapacity() != capacity)
        {
            reallocations++;
            capacity = s.GetCapacity();
        }
        ASSERT_LE(s.GetGrowBy(), 500000);
    }
    EXPECT_EQ(s.GetLength(), 1000000);
    EXPECT_LT(reallocations, 30);
    StringBuffer fromNull(static_cast<const char*>(nullptr));
    EXPECT_EQ(fromNull.GetCapacity(), 4);
    EXPECT_EQ(StringBuffer("abc").GetCapacity(), 4);
    StringBuffer sized(0);
    EXPECT_EQ(sized.GetCapacity(), 200);
}

TEST(StringBuffer, ReplaceAllSizesItsResultFromTheResult)
{
    // The result outgrows any block sized by the growth step: 300 replacements of one byte by five.
    StringBuffer s(std::string(300, 'a').c_str());
    EXPECT_EQ(s.ReplaceAll("a", "bcdef"), 300);
    EXPECT_EQ(s.GetLength(), 1500);
    EXPECT_EQ(std::string(s.GetString()), [] {
        std::string r;
        for (int i = 0; i < 300; i++)
            r += "bcdef";
        return r;
    }());
    EXPECT_TRUE(s.AppendChar('z'));
    EXPECT_EQ(s.GetLength(), 1501);
}

TEST(StringBuffer, AppendsSystemErrorText)
{
    StringBuffer s;
    s.AppendErrorText(ERROR_FILE_NOT_FOUND);
    EXPECT_GT(s.GetLength(), 0);
    EXPECT_NE(s.GetString()[s.GetLength() - 1], '\n');
}

TEST(DataBuffer, GrowsGeometricallyUnderManySmallAppends)
{
    // A converter's output is built from blocks of a few kilobytes: 10 MB of them must not mean a
    // new block (and a copy of everything so far) every 20000 bytes.
    DataBuffer b;
    unsigned char block[4096] = {};
    int reallocations = 0;
    unsigned long capacity = b.GetCapacity();
    for (int i = 0; i < 2560; i++)
    {
        ASSERT_TRUE(b.Append(block, sizeof(block)));
        if (b.GetCapacity() != capacity)
        {
            reallocations++;
            capacity = b.GetCapacity();
        }
    }
    EXPECT_EQ(b.GetSize(), 2560u * 4096u);
    EXPECT_LT(reallocations, 40);
}

TEST(DataBuffer, GrowsTakesAndBorrows)
{
    DataBuffer b;
    EXPECT_EQ(b.GetData(), nullptr);
    b.AppendByte(1);
    EXPECT_EQ(b.GetCapacity(), 20000u);
    b.Append("abc", 3);
    b.RemoveFront(1);
    EXPECT_EQ(BufferBytes(b), "abc");
    b.RemoveFront(10);
    EXPECT_EQ(b.GetSize(), 0u);

    unsigned char block[4] = {1, 2, 3, 4};
    {
        DataBuffer borrowed;
        borrowed.BorrowBlock(block, 4);
        EXPECT_TRUE(borrowed.IsBorrowed());
        borrowed.AppendByte(5);
        EXPECT_FALSE(borrowed.IsBorrowed());
        EXPECT_EQ(Hex(BufferBytes(borrowed)), "01 02 03 04 05");
    }
    {
        DataBuffer borrowed;
        borrowed.BorrowBlock(block, 4);
    }
    EXPECT_EQ(block[3], 4);

    DataBuffer a, c;
    a.Append("xyz", 3);
    c.TakeFrom(a);
    EXPECT_EQ(a.GetSize(), 0u);
    EXPECT_EQ(BufferBytes(c), "xyz");
    DataBuffer w;
    w.AppendUtf16(L"A");
    w.AppendUtf16(nullptr);
    EXPECT_EQ(Hex(BufferBytes(w)), "41 00 00 00 00 00");
}

TEST(XString, ConvertsBetweenForms)
{
    ASSERT_EQ(GetACP(), 1252u);
    XString s;
    s.SetFromUtf8("\xC3\xA9");
    EXPECT_TRUE(s.IsAnsiExact());
    EXPECT_EQ(Hex(s.GetAnsi()), "E9");
    EXPECT_EQ(s.GetUtf16()[0], 0xE9);
    EXPECT_EQ(s.GetUtf16Length(), 1);

    XString j;
    j.SetFromUtf8("\xE6\x97\xA5");
    EXPECT_FALSE(j.IsAnsiExact());
    EXPECT_EQ(j.GetUtf16()[0], 0x65E5);

    XString a;
    a.SetFromAnsi("\x80");
    EXPECT_EQ(Hex(a.GetUtf8()), "E2 82 AC");
    XString w;
    w.SetFromUtf16(L"\x20AC");
    EXPECT_EQ(Hex(w.GetAnsi()), "80");
    w.Clear();
    EXPECT_STREQ(w.GetUtf8(), "");
    EXPECT_TRUE(w.IsAnsiExact());
}

TEST(StringBuffer, StartsInTheCallersStorageAndMovesOutWhenItGrows)
{
    char storage[8] = "xxxxxxx";
    {
        StringBuffer s(StringBuffer::kExternalStorage, storage, 8, 4);
        EXPECT_EQ(s.GetString(), storage);
        EXPECT_STREQ(storage, "");
        s.Append("abc");
        s.Shrink(); // never handed to realloc
        EXPECT_EQ(s.GetBuffer(), storage);
        EXPECT_EQ(s.ReplaceAll("b", "bb"), 1);
        EXPECT_STREQ(s.GetString(), "abbc");
        EXPECT_NE(s.GetBuffer(), storage);
    }
    {
        StringBuffer s(StringBuffer::kExternalStorage, storage, 8, 4);
        s.Append("abcdefg");
        EXPECT_EQ(s.GetBuffer(), storage);
        s.Append("hij");
        EXPECT_NE(s.GetBuffer(), storage);
        EXPECT_STREQ(s.GetString(), "abcdefghij");
        EXPECT_STREQ(storage, "abcdefg"); // left as it was, and not freed by the buffer
    }
    StringBuffer none(StringBuffer::kExternalStorage, nullptr, 8, 4);
    EXPECT_EQ(none.GetCapacity(), 0);
    EXPECT_TRUE(none.Append("ok"));
    EXPECT_STREQ(none.GetString(), "ok");
}

// Large blocks let go are kept for the next large buffer, which may so get a block larger than it
// asked for: its capacity is still what it asked for, it grows within the block and past it
// without losing a byte, and a buffer that takes the block over takes its true size along.
TEST(DataBuffer, LargeBlocksComeBackWithTheirBytesKept)
{
    auto pattern = [](unsigned long i) { return (unsigned char)(i * 7 + i / 251); };
    auto fill = [&](DataBuffer& b, unsigned long from, unsigned long to) {
        for (unsigned long i = from; i < to; i++)
        {
            unsigned char c = pattern(i);
            b.Append(&c, 1);
        }
    };
    auto intact = [&](const DataBuffer& b) {
        for (unsigned long i = 0; i < b.GetSize(); i++)
            if (b.GetData()[i] != pattern(i))
                return false;
        return true;
    };
    const unsigned long kMB = 1024 * 1024;
    for (int round = 0; round < 3; round++)
    {
        {
            DataBuffer first;
            ASSERT_TRUE(first.EnsureCapacity(kMB));
            fill(first, 0, kMB);
        }
        DataBuffer b;
        ASSERT_TRUE(b.EnsureCapacity(600 * 1024));
        EXPECT_EQ(b.GetCapacity(), 600ul * 1024);
        fill(b, 0, 900 * 1024);
        EXPECT_TRUE(intact(b));
        DataBuffer c;
        c.TakeFrom(b);
        fill(c, c.GetSize(), 3 * kMB);
        ASSERT_EQ(c.GetSize(), 3 * kMB);
        EXPECT_TRUE(intact(c));
        // More large blocks than are ever kept at once, let go and asked for again.
        std::vector<DataBuffer*> many;
        for (int i = 0; i < 40; i++)
        {
            many.push_back(new DataBuffer);
            many.back()->EnsureCapacity(kMB + (unsigned long)i * 4096);
            fill(*many.back(), 0, 300 * 1024);
        }
        for (DataBuffer* m : many)
        {
            EXPECT_TRUE(intact(*m));
            delete m;
        }
        c.Clear();
        EXPECT_EQ(c.GetSize(), 0ul);
        fill(c, 0, 2 * kMB);
        EXPECT_TRUE(intact(c));
    }
}

namespace
{
struct BlockWork
{
    unsigned char seed;
    bool intact;
};

DWORD WINAPI TakeAndGiveLargeBlocks(LPVOID param)
{
    BlockWork* w = static_cast<BlockWork*>(param);
    for (int round = 0; round < 100000 && w->intact; round++)
    {
        DataBuffer b;
        unsigned long size = 300 * 1024 + (unsigned long)(round % 7) * 65536;
        if (!b.EnsureCapacity(size))
            continue;
        // A few bytes across the block mark it as this thread's while it holds it.
        unsigned char mark = (unsigned char)(w->seed + 2 * round);
        for (unsigned long i = 0; i < size; i += size / 8)
            b.Append(&mark, 1);
        for (volatile int hold = 0; hold < 1000; hold = hold + 1)
        {
        }
        for (unsigned long i = 0; i < b.GetSize(); i++)
            if (b.GetData()[i] != mark)
                w->intact = false;
    }
    return 0;
}
} // namespace

// The kept blocks are shared by the threads that use buffers (the version check reads on a thread
// of its own): two threads taking and giving large blocks at once never get the same one.
TEST(DataBuffer, LargeBlocksAreSharedSafelyBetweenThreads)
{
    BlockWork work[2] = {{0, true}, {1, true}};
    HANDLE threads[2];
    for (int i = 0; i < 2; i++)
        threads[i] = CreateThread(nullptr, 0, TakeAndGiveLargeBlocks, &work[i], 0, nullptr);
    WaitForMultipleObjects(2, threads, TRUE, INFINITE);
    for (int i = 0; i < 2; i++)
    {
        CloseHandle(threads[i]);
        EXPECT_TRUE(work[i].intact) << i;
    }
}
