// CString: extraction bounds, searching, trimming, replacing, formatting and buffer access.
#include "afx.h"

#include <mbctype.h>

#include <gtest/gtest.h>
#include <string>

TEST(CStringTest, ConstructionAndAssignment)
{
    EXPECT_STREQ("", (LPCTSTR)CString());
    EXPECT_STREQ("xxx", (LPCTSTR)CString('x', 3));
    EXPECT_STREQ("", (LPCTSTR)CString('x', 0));
    EXPECT_STREQ("", (LPCTSTR)CString('x', -5));
    EXPECT_STREQ("ab", (LPCTSTR)CString("abcdef", 2));
    EXPECT_STREQ("", (LPCTSTR)CString((LPCTSTR)NULL));
    EXPECT_STREQ("h\xE9llo", (LPCTSTR)CString(L"h\u00E9llo")); // code page 1252

    CString s("abc");
    CString t = s;
    t.SetAt(0, 'X');
    EXPECT_STREQ("abc", (LPCTSTR)s); // copies are independent
    EXPECT_STREQ("Xbc", (LPCTSTR)t);

    s = (LPCTSTR)s + 1; // assigning from inside its own buffer
    EXPECT_STREQ("bc", (LPCTSTR)s);
    s = 'q';
    EXPECT_STREQ("q", (LPCTSTR)s);
    s += s;
    s += (LPCTSTR)s;
    EXPECT_STREQ("qqqq", (LPCTSTR)s);

    EXPECT_EQ('\0', s.GetAt(4));   // the terminator
    EXPECT_EQ('\0', s.GetAt(100)); // outside: never read
    EXPECT_EQ('\0', s.GetAt(-1));
    s.SetAt(50, 'z');
    EXPECT_STREQ("qqqq", (LPCTSTR)s);
}

TEST(CStringTest, ConcatenationAndComparison)
{
    CString a("ab");
    EXPECT_STREQ("abcd", (LPCTSTR)(a + "cd"));
    EXPECT_STREQ("cdab", (LPCTSTR)("cd" + a));
    EXPECT_STREQ("abx", (LPCTSTR)(a + 'x'));
    EXPECT_STREQ("xab", (LPCTSTR)('x' + a));
    EXPECT_STREQ("abab", (LPCTSTR)(a + a));

    struct
    {
        LPCTSTR a, b;
        int sign, signNoCase;
    } cases[] = {
        {"abc", "abc", 0, 0}, {"abc", "ABC", 1, 0}, {"abc", "abd", -1, -1},
        {"", "a", -1, -1},    {"b", "", 1, 1},      {"Zeta", "alpha", -1, 1},
    };
    for (const auto& c : cases)
    {
        CString s(c.a);
        auto sign = [](int n) { return n < 0 ? -1 : n > 0 ? 1 : 0; };
        EXPECT_EQ(c.sign, sign(s.Compare(c.b))) << c.a << " vs " << c.b;
        EXPECT_EQ(c.signNoCase, sign(s.CompareNoCase(c.b))) << c.a << " vs " << c.b;
        EXPECT_EQ(c.sign == 0, s == c.b);
        EXPECT_EQ(c.sign == 0, c.b == s);
        EXPECT_EQ(c.sign != 0, s != CString(c.b));
        EXPECT_EQ(c.sign < 0, s < c.b);
        EXPECT_EQ(c.sign<0, c.b> s);
        EXPECT_EQ(c.sign >= 0, s >= c.b);
        EXPECT_EQ(c.sign <= 0, c.b >= s);
    }
}

TEST(CStringTest, ExtractionClampsIndexes)
{
    struct
    {
        int first, count;
        LPCTSTR mid;
    } mids[] = {
        {0, 3, "abc"},        {1, 2, "bc"},  {4, 10, "ef"}, {6, 1, ""},
        {7, 1, ""},           {-3, 2, "ab"}, {2, -1, ""},   {0, 0x7FFFFFFF, "abcdef"},
        {5, 0x7FFFFFFF, "f"},
    };
    CString s("abcdef");
    for (const auto& m : mids)
        EXPECT_STREQ(m.mid, (LPCTSTR)s.Mid(m.first, m.count)) << m.first << "," << m.count;
    EXPECT_STREQ("def", (LPCTSTR)s.Mid(3));
    EXPECT_STREQ("", (LPCTSTR)s.Mid(9));
    EXPECT_STREQ("abcdef", (LPCTSTR)s.Mid(-2));

    struct
    {
        int count;
        LPCTSTR left, right;
    } sides[] = {
        {0, "", ""}, {2, "ab", "ef"}, {6, "abcdef", "abcdef"}, {99, "abcdef", "abcdef"}, {-1, "", ""}};
    for (const auto& c : sides)
    {
        EXPECT_STREQ(c.left, (LPCTSTR)s.Left(c.count)) << c.count;
        EXPECT_STREQ(c.right, (LPCTSTR)s.Right(c.count)) << c.count;
    }
    EXPECT_STREQ("123", (LPCTSTR)CString("123abc").SpanIncluding("0123456789"));
    EXPECT_STREQ("", (LPCTSTR)CString("x123").SpanIncluding("0123456789"));
    EXPECT_STREQ("key", (LPCTSTR)CString("key=value").SpanExcluding("=;"));
    EXPECT_STREQ("novalue", (LPCTSTR)CString("novalue").SpanExcluding("=;"));
}

TEST(CStringTest, Searching)
{
    CString s("one two one");
    struct
    {
        TCHAR ch;
        int start, expect;
    } chars[] = {{'o', 0, 0},    {'o', 1, 6},  {'o', 7, 8},  {'o', 9, -1}, {'o', 11, -1},
                 {'o', 500, -1}, {'o', -4, 0}, {'z', 0, -1}, {'\0', 0, -1}};
    for (const auto& c : chars)
        EXPECT_EQ(c.expect, s.Find(c.ch, c.start)) << c.ch << " from " << c.start;

    struct
    {
        LPCTSTR sub;
        int start, expect;
    } subs[] = {{"one", 0, 0}, {"one", 1, 8}, {"one", 9, -1},  {"two", 0, 4},
                {"", 3, 3},    {"", 11, 11},  {"one", 12, -1}, {"one two one!", 0, -1}};
    for (const auto& c : subs)
        EXPECT_EQ(c.expect, s.Find(c.sub, c.start)) << c.sub << " from " << c.start;
    EXPECT_EQ(0, s.Find("one"));
    EXPECT_EQ(-1, s.Find((LPCTSTR)NULL));
    EXPECT_EQ(10, s.ReverseFind('e'));
    EXPECT_EQ(-1, s.ReverseFind('x'));
    EXPECT_EQ(3, s.FindOneOf(" w"));
    EXPECT_EQ(-1, s.FindOneOf("xyz"));
    EXPECT_EQ(-1, s.FindOneOf(""));
}

TEST(CStringTest, Trimming)
{
    struct
    {
        LPCTSTR in, left, right;
    } spaces[] = {
        {"  a b  ", "a b  ", "  a b"},
        {"\t\r\n x", "x", "\t\r\n x"},
        {"    ", "", ""},
        {"", "", ""},
        {"ab", "ab", "ab"},
    };
    for (const auto& c : spaces)
    {
        CString l(c.in), r(c.in), both(c.in);
        l.TrimLeft();
        r.TrimRight();
        EXPECT_STREQ(c.left, (LPCTSTR)l) << "[" << c.in << "]";
        EXPECT_STREQ(c.right, (LPCTSTR)r) << "[" << c.in << "]";
        EXPECT_EQ((int)strlen(c.right), r.GetLength());
        EXPECT_EQ((int)strlen(c.left), l.GetLength());
    }
    CString s("xxhixx");
    s.TrimLeft('x');
    EXPECT_STREQ("hixx", (LPCTSTR)s);
    s.TrimRight('x');
    EXPECT_STREQ("hi", (LPCTSTR)s);
    CString t("-=+value+=-");
    t.TrimRight("+-=");
    EXPECT_STREQ("-=+value", (LPCTSTR)t);
    t.TrimLeft("+-=");
    EXPECT_STREQ("value", (LPCTSTR)t);
    t.TrimLeft("");
    EXPECT_STREQ("value", (LPCTSTR)t);
}

TEST(CStringTest, ReplaceRemoveInsertDelete)
{
    struct
    {
        LPCTSTR in, from, to;
        int count;
        LPCTSTR out;
    } cases[] = {
        {"a.b.c", ".", "::", 2, "a::b::c"},
        {"aaaa", "aa", "a", 2, "aa"},
        {"abc", "x", "y", 0, "abc"},
        {"abc", "", "y", 0, "abc"},
        {"abcabc", "abc", "", 2, ""},
        {"%1 and %1", "%1", "Tue", 2, "Tue and Tue"},
        {"", "a", "b", 0, ""},
    };
    for (const auto& c : cases)
    {
        CString s(c.in);
        EXPECT_EQ(c.count, s.Replace(c.from, c.to)) << c.in;
        EXPECT_STREQ(c.out, (LPCTSTR)s) << c.in;
    }
    CString s("a-b-c");
    EXPECT_EQ(2, s.Replace('-', '+'));
    EXPECT_STREQ("a+b+c", (LPCTSTR)s);
    EXPECT_EQ(2, s.Remove('+'));
    EXPECT_STREQ("abc", (LPCTSTR)s);
    EXPECT_EQ(3, s.GetLength());
    EXPECT_EQ(4, s.Insert(1, 'X'));
    EXPECT_EQ(6, s.Insert(100, "YZ"));
    EXPECT_EQ(7, s.Insert(-3, "_"));
    EXPECT_STREQ("_aXbcYZ", (LPCTSTR)s);
    EXPECT_EQ(5, s.Delete(2, 2));
    EXPECT_STREQ("_acYZ", (LPCTSTR)s);
    EXPECT_EQ(3, s.Delete(3, 100));
    EXPECT_EQ(3, s.Delete(10, 1));
    EXPECT_EQ(3, s.Delete(0, 0));
    EXPECT_STREQ("_ac", (LPCTSTR)s);
}

TEST(CStringTest, CaseAndReverse)
{
    CString s("MiXeD 1");
    s.MakeUpper();
    EXPECT_STREQ("MIXED 1", (LPCTSTR)s);
    s.MakeLower();
    EXPECT_STREQ("mixed 1", (LPCTSTR)s);
    s.MakeReverse();
    EXPECT_STREQ("1 dexim", (LPCTSTR)s);
}

TEST(CStringTest, FormatAnyLength)
{
    CString s;
    s.Format("%d-%02d-%s", 2024, 7, "x");
    EXPECT_STREQ("2024-07-x", (LPCTSTR)s);
    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());
    s.Format("%I64d|%5.1f|%c|%%", (__int64)1 << 40, 2.75, 'q');
    EXPECT_STREQ("1099511627776|  2.8|q|%", (LPCTSTR)s);

    for (int nLen : {255, 256, 1023, 1024, 4097, 100000})
    {
        std::string big(nLen, 'k');
        s.Format("<%s>", big.c_str());
        ASSERT_EQ(nLen + 2, s.GetLength());
        EXPECT_EQ('<', s[0]);
        EXPECT_EQ('>', s[nLen + 1]);
        EXPECT_EQ((size_t)nLen + 2, strlen(s));
    }
    CString self("abc");
    self.Format("%s%s", (LPCTSTR)self, (LPCTSTR)self); // the arguments may be the string itself
    EXPECT_STREQ("abcabc", (LPCTSTR)self);
}

TEST(CStringTest, FormatMessageAndInserts)
{
    CString s;
    s.FormatMessage("%2 then %1!d!", 7, "first");
    EXPECT_STREQ("first then 7", (LPCTSTR)s);

    LPCTSTR inserts[] = {"Alpha", "Beta"};
    struct
    {
        LPCTSTR format, out;
    } cases[] = {
        {"%1 and %2", "Alpha and Beta"},
        {"%2%1%2", "BetaAlphaBeta"},
        {"%3!", "?!"},
        {"100%", "100%"},
        {"%0 %x", "%0 %x"},
        {"", ""},
        {"%", "%"},
        {"%1%", "Alpha%"},
    };
    for (const auto& c : cases)
    {
        AfxFormatStrings(s, c.format, inserts, 2);
        EXPECT_STREQ(c.out, (LPCTSTR)s) << c.format;
    }
}

TEST(CStringTest, BufferAccess)
{
    CString s("abc");
    LPTSTR p = s.GetBuffer(10);
    strcpy(p, "0123456789");
    s.ReleaseBuffer();
    EXPECT_EQ(10, s.GetLength());
    p = s.GetBuffer(0);
    p[4] = '\0';
    s.ReleaseBuffer();
    EXPECT_STREQ("0123", (LPCTSTR)s);
    EXPECT_EQ(4, s.GetLength());

    // A buffer without a terminator stops at its allocation.
    CString t;
    p = t.GetBuffer(5);
    memset(p, 'z', 6);
    t.ReleaseBuffer();
    EXPECT_EQ(5, t.GetLength());
    EXPECT_STREQ("zzzzz", (LPCTSTR)t);

    t.ReleaseBuffer(500);
    EXPECT_EQ(5, t.GetLength());
    p = t.GetBufferSetLength(2);
    EXPECT_STREQ("zz", p);
    EXPECT_EQ(2, t.GetLength());
    t.FreeExtra();
    EXPECT_STREQ("zz", (LPCTSTR)t);

    CString empty;
    empty.ReleaseBuffer();
    EXPECT_TRUE(empty.IsEmpty());

    BSTR bstr = CString("Zone").AllocSysString();
    EXPECT_EQ(4u, SysStringLen(bstr));
    EXPECT_EQ(0, wcscmp(L"Zone", bstr));
    SysFreeString(bstr);
}

TEST(CStringTest, MissingResourceLoadsEmpty)
{
    CString s("keep");
    EXPECT_FALSE(s.LoadString(61234));
    EXPECT_TRUE(s.IsEmpty());
    CString t(MAKEINTRESOURCE(61234));
    EXPECT_TRUE(t.IsEmpty());
}

// Under a double-byte code page a trail byte equal to '\\' is part of its character, so searches
// and trims must not stop on it. 0x83 0x5C is one Shift-JIS character.
TEST(CStringTest, DoubleByteCharactersStayWhole)
{
    ASSERT_EQ(0, _setmbcp(932));
    CString s("\x83\x5C\\x\x83\x5C");
    EXPECT_EQ(2, s.Find('\\'));
    EXPECT_EQ(2, s.ReverseFind('\\'));
    EXPECT_EQ(2, s.FindOneOf("\\"));
    EXPECT_EQ(3, s.Find("x"));

    CString t("a\x83\x5C");
    t.TrimRight('\\');
    EXPECT_STREQ("a\x83\x5C", (LPCTSTR)t);
    t.TrimRight("\\");
    EXPECT_EQ(3, t.GetLength());
    EXPECT_EQ(0, t.Replace('\\', '/'));
    EXPECT_EQ(0, t.Remove('\\'));
    EXPECT_STREQ("a\x83\x5C", (LPCTSTR)t);

    CString u("\\\x83\x5C\\");
    u.TrimRight('\\');
    u.TrimLeft('\\');
    EXPECT_STREQ("\x83\x5C", (LPCTSTR)u);
    _setmbcp(_MB_CP_ANSI);
}

static CString s_strBoxText;
static UINT s_nBoxHelp;
static int AFXAPI RecordBox(LPCTSTR lpszText, UINT, UINT nIDHelp)
{
    s_strBoxText = lpszText;
    s_nBoxHelp = nIDHelp;
    return IDYES;
}

// The test program carries string resources 100..104 (104 is 300 characters long).
TEST(CStringTest, StringResources)
{
    CString s;
    EXPECT_TRUE(s.LoadString(100));
    EXPECT_STREQ("Zone %1 of %2", (LPCTSTR)s);
    EXPECT_TRUE(s.LoadString(104));
    EXPECT_EQ(300, s.GetLength());
    EXPECT_EQ(300u, strspn(s, "W"));
    EXPECT_STREQ("Zone %1 of %2", (LPCTSTR)CString(MAKEINTRESOURCE(100)));

    s.Format(101, "Alarm", 7);
    EXPECT_STREQ("Alarm at 7 o'clock", (LPCTSTR)s);
    AfxFormatString2(s, 100, "Paris", "Europe");
    EXPECT_STREQ("Zone Paris of Europe", (LPCTSTR)s);
    AfxFormatString1(s, 100, "Paris");
    EXPECT_STREQ("Zone Paris of ?", (LPCTSTR)s);
    AfxFormatString1(s, 999, "x");
    EXPECT_TRUE(s.IsEmpty());

    TCHAR sz[6];
    EXPECT_EQ(5, AfxLoadString(100, sz, sizeof(sz)));
    EXPECT_STREQ("Zone ", sz);

    afxMessageBoxHook = RecordBox;
    EXPECT_EQ(IDYES, AfxMessageBox(103, MB_YESNO));
    EXPECT_STREQ("Delete %1?", (LPCTSTR)s_strBoxText);
    EXPECT_EQ(103u, s_nBoxHelp);
    afxMessageBoxHook = NULL;
}

TEST(CStringTest, ExtractSubStringPicksOnePieceBetweenSeparators)
{
    struct Case
    {
        const char* full;
        int index;
        char sep;
        BOOL found;
        const char* piece;
    } cases[] = {
        {"Prompt\nTip", 0, '\n', TRUE, "Prompt"},
        {"Prompt\nTip", 1, '\n', TRUE, "Tip"},
        {"Prompt\nTip", 2, '\n', FALSE, ""},
        {"a\n\nc", 1, '\n', TRUE, ""},
        {"a\n\nc", 2, '\n', TRUE, "c"},
        {"trailing\n", 1, '\n', TRUE, ""},
        {"", 0, '\n', TRUE, ""},
        {"", 1, '\n', FALSE, ""},
        {"x;y;z", 2, ';', TRUE, "z"},
        {"x;y;z", -1, ';', FALSE, ""},
        {NULL, 0, '\n', FALSE, ""},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << (c.full ? c.full : "(null)") << " #" << c.index);
        CString piece("stale");
        EXPECT_EQ(c.found, AfxExtractSubString(piece, c.full, c.index, c.sep));
        EXPECT_STREQ(c.piece, (LPCTSTR)piece);
    }
}
