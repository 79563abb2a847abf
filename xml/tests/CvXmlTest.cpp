#include "CvXml.h"
#include "TreeNode.h"
#include "TestUtil.h"
#include <gtest/gtest.h>

namespace
{
std::string Content(CvXml* node)
{
    CvString s;
    node->GetContent(s);
    return s.GetString();
}

// UTF-16LE with its byte-order mark, from 8-bit text read as code points below 256.
std::string Widen(const std::string& text)
{
    std::string out("\xFF\xFE");
    for (char c : text)
    {
        out += c;
        out += '\0';
    }
    return out;
}

std::string Tag(CvXml* node)
{
    CvString s;
    node->GetTag(s);
    return s.GetString();
}
} // namespace

TEST(CvXml, FreshHandleStandsOnUnnamedRoot)
{
    CvXml doc;
    CvXml* root = doc.GetRoot();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(Tag(root), "unnamed");
    EXPECT_EQ(root->FirstChild(), nullptr);
    delete root;
}

TEST(CvXml, WalksTheVersionFileLikeTheVersionCheck)
{
    std::string path =
        WriteTemp("version.xml",
                  "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                  "<Quendra_Version_Info>\n <Product>\n  <Name>Velmora</Name>\n  <Version>2.1</Version>\n"
                  "  <Note>caf\xE9</Note>\n  <Empty/>\n </Product>\n</Quendra_Version_Info>\n");
    CvXml* doc = new CvXml;
    ASSERT_TRUE(doc->LoadXmlFile(path.c_str()));
    CvXml* root = doc->GetRoot();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(Tag(root), "Quendra_Version_Info");
    CvXml* product = root->FirstChild();
    ASSERT_NE(product, nullptr);
    CvXml* node = product->FirstChild();
    ASSERT_NE(node, nullptr);
    // The document handle may go first; the others keep the tree alive.
    delete doc;
    struct
    {
        const char* tag;
        const char* content;
    } expected[] = {{"Name", "Velmora"}, {"Version", "2.1"}, {"Note", "caf\xE9"}, {"Empty", ""}};
    CvString text;
    for (size_t i = 0; i < sizeof(expected) / sizeof(expected[0]); i++)
    {
        if (i)
        {
            ASSERT_TRUE(node->NextSibling());
        }
        EXPECT_EQ(Tag(node), expected[i].tag);
        text.Clear();
        node->GetContent(text);
        EXPECT_STREQ(text.GetString(), expected[i].content);
    }
    EXPECT_FALSE(node->NextSibling());
    EXPECT_EQ(Tag(node), "Empty");
    delete product;
    delete node;
    delete root;
}

TEST(CvXml, FailedLoadsKeepTheEarlierDocument)
{
    std::string good = WriteTemp("good.xml", "<a><b>1</b></a>");
    struct
    {
        const char* name;
        const char* bytes;
    } bad[] = {
        {"missing.xml", nullptr}, {"empty.xml", ""}, {"textonly.xml", "just text <!-- and a comment -->"}};
    CvXml doc;
    ASSERT_TRUE(doc.LoadXmlFile(good.c_str()));
    for (auto& b : bad)
    {
        std::string path = b.bytes ? WriteTemp(b.name, b.bytes) : TempPath(b.name);
        EXPECT_FALSE(doc.LoadXmlFile(path.c_str())) << b.name;
        CvXml* root = doc.GetRoot();
        ASSERT_NE(root, nullptr);
        EXPECT_EQ(Tag(root), "a");
        delete root;
    }
}

TEST(CvXml, SecondLoadReplacesTheDocumentAndOldHandlesStayValid)
{
    std::string first = WriteTemp("first.xml", "<one><x>old</x></one>");
    std::string second = WriteTemp("second.xml", "<two/>");
    CvXml doc;
    ASSERT_TRUE(doc.LoadXmlFile(first.c_str()));
    CvXml* root = doc.GetRoot();
    CvXml* child = root->FirstChild();
    ASSERT_TRUE(doc.LoadXmlFile(second.c_str()));
    CvXml* newRoot = doc.GetRoot();
    EXPECT_EQ(Tag(newRoot), "two");
    EXPECT_EQ(Content(child), "old");
    delete root;
    EXPECT_EQ(Content(child), "old");
    delete child;
    delete newRoot;
}

TEST(CvXml, ContentOfAnEmptyElementIsEmptyNotTheOldText)
{
    std::string path = WriteTemp(
        "latin.xml", "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?><r><a>\xE9t\xE9</a><b></b><c>x</c></r>");
    CvXml doc;
    ASSERT_TRUE(doc.LoadXmlFile(path.c_str()));
    CvXml* root = doc.GetRoot();
    CvXml* a = root->FirstChild();
    CvString text;
    EXPECT_TRUE(a->GetContent(text));
    EXPECT_EQ(Hex(text.GetString()), "E9 74 E9");
    // The earlier text is neither kept nor converted a second time.
    ASSERT_TRUE(a->NextSibling());
    a->GetContent(text);
    EXPECT_STREQ(text.GetString(), "");
    ASSERT_TRUE(a->NextSibling());
    EXPECT_TRUE(a->GetContent(text));
    EXPECT_STREQ(text.GetString(), "x");
    EXPECT_FALSE(a->NextSibling());
    EXPECT_TRUE(a->GetContent(text));
    EXPECT_STREQ(text.GetString(), "x");
    delete a;
    delete root;
}

TEST(CvXml, TextComesBackInTheDeclaredCharset)
{
    struct Case
    {
        const char* file;
        std::string bytes;
        const char* expectedHex;
    } cases[] = {
        {"u8.xml", "<?xml version=\"1.0\" encoding=\"utf-8\"?><r>\xC3\xA9</r>", "C3 A9"},
        {"l1.xml", "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?><r>\xE9</r>", "E9"},
        {"w1251.xml", "<?xml version=\"1.0\" encoding=\"windows-1251\"?><r>\xC0\xE1</r>", "C0 E1"},
        {"sjis.xml", "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><r>\x88\x9F</r>", "88 9F"},
        {"u16.xml", Widen("<r>\xE9</r>"), "C3 A9"},
        {"u16d.xml", Widen("<?xml encoding=\"utf-16\"?><r>\xE9</r>"), "C3 A9"},
        // Every UTF-16 and UTF-32 name reads back as UTF-8: those forms hold NUL bytes that an 8-bit
        // string would end at.
        {"u16le.xml", Widen("<?xml encoding=\"UTF-16LE\"?><r>AB\xE9</r>"), "41 42 C3 A9"},
        {"u16be.xml", Widen("<?xml encoding=\"utf-16be\"?><r>AB</r>"), "41 42"},
        {"u16ucs.xml", Widen("<?xml encoding=\"ISO-10646-UCS-2\"?><r>AB</r>"), "41 42"},
        {"u16fffe.xml", Widen("<?xml encoding=\"unicodeFFFE\"?><r>AB</r>"), "41 42"},
        {"u32.xml", "\xEF\xBB\xBF<?xml encoding=\"utf-32\"?><r>AB</r>", "41 42"},
        {"u32be.xml", "\xEF\xBB\xBF<?xml encoding=\"UTF-32BE\"?><r>AB</r>", "41 42"},
        {"ascii.xml", "<?xml version=\"1.0\" encoding=\"windows-1252\"?><r>plain</r>", "70 6C 61 69 6E"},
        // Charsets the library cannot convert: the file's own bytes come back, never an empty text.
        {"userdef.xml", "<?xml version=\"1.0\" encoding=\"x-user-defined\"?><r>\xE9\xF0</r>", "E9 F0"},
        {"unknown.xml", "<?xml version=\"1.0\" encoding=\"no-such-set\"?><r>\xE9</r>", "E9"},
        {"koi8.xml", "<?xml version=\"1.0\" encoding=\"koi8-r\"?><r>\xC1</r>", "C1"},
        {"eucjp.xml", "<?xml version=\"1.0\" encoding=\"EUC-JP\"?><r>\xB0\xA1</r>", "B0 A1"},
        {"jis.xml", "<?xml version=\"1.0\" encoding=\"ISO-2022-JP\"?><r>\x1B$B\x30\x21\x1B(B</r>",
         "1B 24 42 30 21 1B 28 42"},
    };
    for (auto& c : cases)
    {
        std::string path = WriteTemp(c.file, c.bytes);
        CvXml doc;
        ASSERT_TRUE(doc.LoadXmlFile(path.c_str())) << c.file;
        CvXml* root = doc.GetRoot();
        CvString text;
        root->GetContent(text);
        EXPECT_EQ(Hex(text.GetString()), c.expectedHex) << c.file;
        delete root;
    }
}

TEST(CvXml, TagsComeBackInTheDeclaredCharset)
{
    std::string path = WriteTemp("tag.xml", "<?xml version=\"1.0\" encoding=\"latin1\"?><caf\xE9><\xFC"
                                            "ber/></caf\xE9>");
    CvXml doc;
    ASSERT_TRUE(doc.LoadXmlFile(path.c_str()));
    CvXml* root = doc.GetRoot();
    EXPECT_EQ(Hex(Tag(root)), "63 61 66 E9");
    CvXml* child = root->FirstChild();
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(Hex(Tag(child)), "FC 62 65 72");
    delete child;
    delete root;
}

TEST(CvXml, HandlesMayGoInAnyOrderAndTheTreeGoesWithTheLast)
{
    std::string path =
        WriteTemp("order.xml", "<zzroot><zzkid>1</zzkid><zzkid>2</zzkid><zzkid><zzleaf/></zzkid></zzroot>");
    unsigned seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7FFF;
    };
    for (int round = 0; round < 200; round++)
    {
        std::vector<CvXml*> handles;
        CvXml* doc = new CvXml;
        ASSERT_TRUE(doc->LoadXmlFile(path.c_str()));
        handles.push_back(doc);
        for (int step = 0; step < 12; step++)
        {
            CvXml* from = handles[next() % handles.size()];
            CvXml* made = nullptr;
            switch (next() % 3)
            {
            case 0:
                made = from->GetRoot();
                break;
            case 1:
                made = from->FirstChild();
                break;
            default:
                from->NextSibling();
                break;
            }
            if (made)
                handles.push_back(made);
        }
        EXPECT_GE(CommonStrings::Instance()->GetCount("zzroot"), 1);
        while (!handles.empty())
        {
            size_t k = next() % handles.size();
            CvString text;
            handles[k]->GetTag(text);
            EXPECT_EQ(std::string(text.GetString()).substr(0, 2), "zz");
            delete handles[k];
            handles.erase(handles.begin() + k);
        }
        // The last handle took the whole tree with it, so its tags left the shared table.
        EXPECT_EQ(CommonStrings::Instance()->GetCount("zzroot"), -1);
        EXPECT_EQ(CommonStrings::Instance()->GetCount("zzkid"), -1);
        EXPECT_EQ(CommonStrings::Instance()->GetCount("zzleaf"), -1);
    }
}
