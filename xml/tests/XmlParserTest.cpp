#include "ActivityLog.h"
#include "TestUtil.h"
#include "XmlParser.h"
#include <gtest/gtest.h>

namespace
{
std::string ParseDump(const char* text, Logger* log = nullptr)
{
    ParseEngine engine(text);
    TreeNode* root = nullptr;
    EXPECT_TRUE(XmlLoader::Parse(engine, log, nullptr, &root));
    std::string dump = DumpTree(root);
    if (root)
        root->DeleteTree();
    return dump;
}
} // namespace

TEST(XmlParser, ParsesDocumentsForgivingly)
{
    struct
    {
        const char* text;
        const char* dump;
    } cases[] = {
        {"<a>x &amp;lt; y<b/>tail &amp;amp;</a>", "0|a||x &lt; y tail &amp;\n1|b||\n"},
        {"<a>\n  one  \n <b>in</b>\n  two \n</a>", "0|a||one two\n1|b||in\n"},
        {"<a><![CDATA[<b>&amp;]]></a>", "0|a||<b>&amp;\n"},
        {"<a>text<![CDATA[<b>]]></a>", "0|a||text\n"},
        {"<a b=c d='e'>", "0|a|b=c d=;e=;|\n"},
        {"<a x=\"1\" y='2' z>t</a>", "0|a|x=1;y=2;z=;|t\n"},
        {"<a q=\"&lt;&quot;&amp;amp;\"/>", "0|a|q=<\"&amp;;|\n"},
        {"<a><b>1</c></a>", "0|a||\n1|b||1\n"},
        {"<a/><b/>", "0|b||\n"},
        {"<a/><b><c>", "0|a||\n"},
        {"<a><b><c>deep", "0|a||\n1|b||\n2|c||deep\n"},
        {"<a></", "0|a||\n"},
        {"text only", "(null)"},
        {"", "(null)"},
        {"<!-- c --><a>1<!-- inner -->2</a>", "0|a||1 2\n"},
        {"<?pi data?><!DOCTYPE a [<!ENTITY e \"v\">]><a/>", "0|a||\n"},
        {"<a>x\0<b/></a>", "0|a||x\n"},
        {"<a><b/>  <c>2</c></a>", "0|a||\n1|b||\n1|c||2\n"},
    };
    for (auto& c : cases)
        EXPECT_EQ(ParseDump(c.text), c.dump) << c.text;
}

TEST(XmlParser, KeepsDeclarationAndDocumentType)
{
    ParseEngine engine(
        "<?xml version=\"1.0\" encoding='latin1' ?><?style x?><!DOCTYPE r [<!ELEMENT r ANY>]><r/>");
    TreeNode* root = nullptr;
    ASSERT_TRUE(XmlLoader::Parse(engine, nullptr, nullptr, &root));
    ASSERT_NE(root, nullptr);
    StringBuffer encoding;
    bool found = false;
    root->GetEncoding(encoding, found);
    EXPECT_TRUE(found);
    EXPECT_STREQ(encoding.GetString(), "latin1");
    EXPECT_STREQ(root->GetDtdText(), "<style x?>\n<!DOCTYPE r [<!ELEMENT r ANY>]>\n");
    root->DeleteTree();
}

TEST(XmlParser, LogsWhatItRepairs)
{
    struct
    {
        const char* text;
        const char* message;
        const char* data;
    } cases[] = {
        {"<a>1<!-- open", "Unclosed comment", nullptr},
        {"<!DOCTYPE a [<x>", "Failed to parse DTD", nullptr},
        {"<a><b></b <c/></a>", "Error in closing tag", "error_tag: b"},
    };
    for (auto& c : cases)
    {
        Logger log;
        ParseDump(c.text, &log);
        EXPECT_TRUE(log.ErrorLogged()) << c.text;
        StringBuffer text;
        log.GetText(text);
        EXPECT_NE(strstr(text.GetString(), c.message), nullptr) << text.GetString();
        if (c.data)
        {
            EXPECT_NE(strstr(text.GetString(), c.data), nullptr) << text.GetString();
        }
    }
}

TEST(XmlParser, NormalisesToUtf8)
{
    struct
    {
        std::string in;
        const char* outHex;
    } cases[] = {
        {std::string("\xEF\xBB\xBF<a/>"), "3C 61 2F 3E"},
        {std::string("\xFF\xFE<\0a\0/\0>\0", 10), "3C 61 2F 3E"},
        {std::string("\xFE\xFF\0<\0a\0/\0>", 10), "3C 61 2F 3E"},
        {"<?xml encoding=\"ISO-8859-1\"?>\xE9",
         "3C 3F 78 6D 6C 20 65 6E 63 6F 64 69 6E 67 3D 22 49 53 4F 2D 38 38 35 39 2D 31 22 3F 3E C3 A9"},
        {"<?xml encoding='ISO-8859-1'?>\xE9",
         "3C 3F 78 6D 6C 20 65 6E 63 6F 64 69 6E 67 3D 27 49 53 4F 2D 38 38 35 39 2D 31 27 3F 3E E9"},
        // Recognised but not convertible: the bytes stay as they are.
        {"<?xml encoding=\"x-user-defined\"?>\xE9", "3C 3F 78 6D 6C 20 65 6E 63 6F 64 69 6E 67 3D 22 78 2D "
                                                    "75 73 65 72 2D 64 65 66 69 6E 65 64 22 3F 3E E9"},
        {"<?xml encoding=\"nonsense\"?>\xE9",
         "3C 3F 78 6D 6C 20 65 6E 63 6F 64 69 6E 67 3D 22 6E 6F 6E 73 65 6E 73 65 22 3F 3E E9"},
        {"<a>\xE9", "3C 61 3E E9"},
    };
    for (auto& c : cases)
    {
        DataBuffer b;
        b.Append(c.in.data(), (unsigned long)c.in.size());
        EXPECT_TRUE(XmlLoader::NormaliseToUtf8(b, nullptr));
        EXPECT_EQ(Hex(BufferBytes(b)), c.outHex) << c.in;
    }
    DataBuffer empty;
    EXPECT_FALSE(XmlLoader::NormaliseToUtf8(empty, nullptr));
}

TEST(XmlParser, Utf16DeclarationReadsBackAsUtf8)
{
    std::string doc("\xFF\xFE");
    for (char c : std::string("<?xml version=\"1.0\" encoding=\"UTF-16\"?><r/>"))
    {
        doc += c;
        doc += '\0';
    }
    std::string path = WriteTemp("u16.xml", doc);
    TreeNode* root = nullptr;
    ASSERT_TRUE(XmlLoader::LoadFile(path.c_str(), nullptr, nullptr, &root));
    ASSERT_NE(root, nullptr);
    StringBuffer encoding;
    bool found = false;
    root->GetEncoding(encoding, found);
    EXPECT_STREQ(encoding.GetString(), "utf-8");
    root->DeleteTree();
}

TEST(PercentTracker, ReportsGrowingPercentages)
{
    struct Recorder : PercentCallback
    {
        std::vector<int> seen;
        void Percent(unsigned long, unsigned long, int percent, long*) override { seen.push_back(percent); }
    } recorder;
    PercentTracker t;
    t.m_callback = &recorder;
    t.Start(5000000);
    t.ReportPosition(1000000);
    t.ReportPosition(1000001);
    t.Add(500000);
    t.Finish();
    EXPECT_EQ(recorder.seen, (std::vector<int>{20, 30, 100}));
    PercentTracker zero;
    EXPECT_EQ(zero.GetPercent(), 100);
}

TEST(XmlParser, DeepDocumentsNeedNoRecursion)
{
    std::string text;
    for (int i = 0; i < 100000; i++)
        text += "<d>";
    text += "x";
    ParseEngine engine(text.c_str());
    TreeNode* root = nullptr;
    ASSERT_TRUE(XmlLoader::Parse(engine, nullptr, nullptr, &root));
    ASSERT_NE(root, nullptr);
    int depth = 0;
    TreeNode* node = root;
    while (node->GetChildCount())
    {
        node = node->GetChild(0);
        depth++;
    }
    EXPECT_EQ(depth, 99999);
    EXPECT_STREQ(node->GetContent()->GetString(), "x");
    root->DeleteTree();
}

TEST(XmlParser, EachTextRunIsDecodedOnItsOwn)
{
    // The first run decodes to "&lt;"; decoding the second must not turn it into "<".
    EXPECT_EQ(ParseDump("<a>x &amp;lt; y<b/>&lt;z &amp;</a>"), "0|a||x &lt; y <z &\n1|b||\n");
    EXPECT_EQ(ParseDump("<a>&amp;<b/>lt;</a>"), "0|a||& lt;\n1|b||\n");
}

TEST(XmlParser, LargeDocumentsLoadWhole)
{
    std::string text = "<?xml version=\"1.0\"?>\n<catalog>\n";
    for (int i = 0; i < 30000; i++)
        text += "<item id=\"" + std::to_string(i) + "\" kind=\"k&amp;" + std::to_string(i % 7) +
                "\"><name>n" + std::to_string(i) + "</name><note>" + std::string(i % 300, 'z') +
                "</note><e/></item>\n";
    text += "</catalog>\n";
    ParseEngine engine(text.c_str());
    TreeNode* root = nullptr;
    ASSERT_TRUE(XmlLoader::Parse(engine, nullptr, nullptr, &root));
    ASSERT_NE(root, nullptr);
    ASSERT_EQ(root->GetChildCount(), 30000);
    for (int i = 0; i < 30000; i += 997)
    {
        TreeNode* item = root->GetChild(i);
        StringBuffer id, kind;
        EXPECT_TRUE(item->GetAttribute("id", id));
        EXPECT_TRUE(item->GetAttribute("kind", kind));
        EXPECT_EQ(std::string(id.GetString()), std::to_string(i));
        EXPECT_EQ(std::string(kind.GetString()), "k&" + std::to_string(i % 7));
        ASSERT_EQ(item->GetChildCount(), 3);
        EXPECT_EQ(std::string(item->GetChild(0)->GetContent()->GetString()), "n" + std::to_string(i));
        EXPECT_EQ(item->GetChild(1)->HasContent() ? item->GetChild(1)->GetContent()->GetLength() : 0,
                  i % 300);
        EXPECT_EQ(item->GetChild(2)->GetPrevSibling(), item->GetChild(1));
    }
    EXPECT_EQ(root->GetChild(29999)->GetNextSibling(), nullptr);
    root->DeleteTree();
}

namespace
{
// A literal's bytes, NUL bytes inside it included.
template <size_t N> std::string Raw(const char (&text)[N])
{
    return std::string(text, N - 1);
}
} // namespace

// The load parses the file's buffer in place, behind a NUL it writes after the bytes: the same
// tree as from a copy of the text, whether or not the buffer had room for the NUL, with a NUL
// inside the text ending the parse there as before, and the buffer's bytes left as they were.
TEST(XmlParser, InPlaceParseReadsAsACopyDoes)
{
    const std::string docs[] = {
        "<a x=\"1\">t &amp; u<b>v</b> w</a>",
        Raw("<a><b>one</b>\0<c>two</c></a>"),
        "<a><b>cut off",
        "<a>&am",
        "<a>&lt",
        "",
        "<",
    };
    for (const std::string& doc : docs)
    {
        for (int shape = 0; shape < 3; shape++)
        {
            DataBuffer bytes;
            std::string block = doc; // shape 2 borrows this, with no byte to spare
            if (shape == 0)
                bytes.EnsureCapacity((unsigned long)doc.size() + 4);
            if (shape == 2)
                bytes.BorrowBlock(block.empty() ? nullptr : &block[0], (unsigned long)block.size());
            else
                bytes.Append(doc.data(), (unsigned long)doc.size());
            ParseEngine copy(bytes);
            ParseEngine inPlace(bytes, ParseEngine::kInPlace);
            EXPECT_EQ(inPlace.Length(), copy.Length());
            TreeNode* a = nullptr;
            TreeNode* b = nullptr;
            EXPECT_TRUE(XmlLoader::Parse(copy, nullptr, nullptr, &a));
            EXPECT_TRUE(XmlLoader::Parse(inPlace, nullptr, nullptr, &b));
            EXPECT_EQ(DumpTree(b), DumpTree(a)) << Hex(doc) << " shape " << shape;
            EXPECT_EQ(inPlace.Position(), copy.Position());
            EXPECT_EQ(BufferBytes(bytes), doc);
            EXPECT_EQ(block, doc);
            if (a)
                a->DeleteTree();
            if (b)
                b->DeleteTree();
        }
    }
}

// The declaration is looked for up to the first NUL only, in any case of its letters, and read
// without its spaces; a long one is read like a short one.
TEST(XmlParser, DeclarationSearchStopsAtTheFirstNul)
{
    struct
    {
        std::string in;
        bool converted;
    } cases[] = {
        {"<?XmL encoding = \"ISO-8859-1\" ?><a>\xE9</a>", true},
        {"<?xml encoding=\"UTF-8\"?><a>\xE9</a>", false},
        {"<?xml encoding=\"Utf-8\"?><a>\xE9</a>", false},
        {Raw("<a/>\0<?xml encoding=\"ISO-8859-1\"?>\xE9"), false},
        {Raw("<?xml encoding=\"ISO-8859-1\"\0?>\xE9"), false},
        {Raw("<?xm\0l encoding=\"ISO-8859-1\"?>\xE9"), false},
        {"<?xml" + std::string(300, ' ') + "version=\"1.0\" encoding=\"ISO-8859-1\"?><a>\xE9</a>", true},
        {"<?xml version=\"1.0\"" + std::string(300, '\t') + "encoding=\"ISO-8859-1\"?><a>\xE9</a>", true},
    };
    for (auto& c : cases)
    {
        DataBuffer b;
        b.Append(c.in.data(), (unsigned long)c.in.size());
        EXPECT_TRUE(XmlLoader::NormaliseToUtf8(b, nullptr));
        std::string out = BufferBytes(b);
        EXPECT_EQ(out.find("\xC3\xA9") != std::string::npos, c.converted) << Hex(c.in.substr(0, 40));
        EXPECT_EQ(out.find('\xE9') != std::string::npos, !c.converted) << Hex(c.in.substr(0, 40));
    }
}
