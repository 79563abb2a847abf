#include "TestUtil.h"
#include <gtest/gtest.h>

TEST(TreeNode, TagsAreInternedAndReleased)
{
    CommonStrings* table = CommonStrings::Instance();
    TreeNode* a = TreeNode::CreateRoot("zzshared");
    TreeNode::CreateChild(a, "zzonly_a");
    TreeNode* b = TreeNode::CreateRoot("zzshared");
    EXPECT_EQ(a->GetTag(), b->GetTag());
    EXPECT_EQ(table->GetCount("zzshared"), 2);
    b->SetTag("zzshared");
    EXPECT_EQ(table->GetCount("zzshared"), 2);
    a->DeleteTree();
    EXPECT_EQ(table->GetCount("zzshared"), 1);
    EXPECT_EQ(table->GetCount("zzonly_a"), -1);
    b->DeleteTree();
    EXPECT_EQ(table->GetCount("zzshared"), -1);
}

TEST(TreeNode, Attributes)
{
    TreeNode* n = TreeNode::CreateRoot("n");
    StringBuffer out("untouched");
    EXPECT_FALSE(n->GetAttribute("a", out));
    EXPECT_STREQ(out.GetString(), "untouched");
    n->AddAttribute("a", "1");
    n->AddAttribute("empty", nullptr);
    n->AddAttribute("a", "2");
    n->AddAttribute("", "ignored");
    EXPECT_TRUE(n->GetAttribute("a", out));
    EXPECT_STREQ(out.GetString(), "1");
    EXPECT_TRUE(n->GetAttribute("empty", out));
    EXPECT_STREQ(out.GetString(), "");
    EXPECT_FALSE(n->GetAttribute("A", out));
    n->RemoveAttribute("a");
    EXPECT_FALSE(n->GetAttribute("a", out));
    EXPECT_EQ(DumpTree(n), "0|n|empty=;|\n");
    n->DeleteTree();
}

TEST(TreeNode, ChildrenSiblingsAndCounts)
{
    TreeNode* root = TreeNode::CreateRoot("r");
    TreeNode* a = TreeNode::CreateChild(root, "a");
    TreeNode* b = TreeNode::CreateChild(root, "b");
    TreeNode* other = TreeNode::CreateRoot("o");
    TreeNode* c = TreeNode::CreateChild(other, "c");
    EXPECT_FALSE(root->AppendChild(c)); // already has another parent
    EXPECT_FALSE(root->AppendChild(a)); // same document
    EXPECT_EQ(a->GetNextSibling(), b);
    EXPECT_EQ(b->GetPrevSibling(), a);
    EXPECT_EQ(b->GetDocumentRoot(), root);
    a->AddRef();
    b->AddRef();
    EXPECT_EQ(root->GetDocumentRefCount(), 2);
    b->Release();
    b->Release();
    EXPECT_EQ(b->GetRefCount(), 0);
    EXPECT_EQ(root->GetDocumentRefCount(), 1);
    other->AddRef();
    TreeNode* moved = TreeNode::CreateRoot("m");
    moved->AddRef();
    moved->SetDtdText("dtd");
    EXPECT_TRUE(root->AppendChild(moved));
    EXPECT_EQ(root->GetDocumentRefCount(), 2);
    EXPECT_EQ(moved->GetDocumentRoot(), root);
    root->SetEncoding("latin1");
    root->SetEncoding("utf-8");
    StringBuffer enc;
    bool found = false;
    root->GetEncoding(enc, found);
    EXPECT_TRUE(found);
    EXPECT_STREQ(enc.GetString(), "utf-8");
    EXPECT_EQ(DumpTree(root->GetDeclaration()), "0|xml|version=1.0;encoding=utf-8;|\n");
    root->DeleteTree();
    other->DeleteTree();
}

TEST(TreeNode, DeepTreesNeedNoRecursion)
{
    TreeNode* root = TreeNode::CreateRoot("d");
    TreeNode* node = root;
    for (int i = 0; i < 200000; i++)
        node = TreeNode::CreateChild(node, "d");
    EXPECT_EQ(node->GetDocumentRoot(), root);
    root->DeleteTree();
}

TEST(TreeNode, TagCountsHoldAcrossManyTagsReleasedInAnyOrder)
{
    std::vector<TreeNode*> nodes;
    for (int round = 0; round < 3; round++)
        for (int i = 0; i < 20; i++)
            nodes.push_back(TreeNode::CreateRoot(("zzmany" + std::to_string(i)).c_str()));
    EXPECT_EQ(CommonStrings::Instance()->GetCount("zzmany7"), 3);
    unsigned seed = 99;
    while (!nodes.empty())
    {
        seed = seed * 1103515245u + 12345u;
        size_t k = (seed >> 16) % nodes.size();
        std::string tag = nodes[k]->GetTag();
        int before = CommonStrings::Instance()->GetCount(tag.c_str());
        nodes[k]->DeleteTree();
        nodes.erase(nodes.begin() + k);
        EXPECT_EQ(CommonStrings::Instance()->GetCount(tag.c_str()), before > 1 ? before - 1 : -1) << tag;
    }
}

TEST(TreeNode, DeletingAnAttachedNodeTakesItOutOfItsParent)
{
    TreeNode* root = TreeNode::CreateRoot("zzdr");
    TreeNode* a = TreeNode::CreateChild(root, "zzda");
    TreeNode* b = TreeNode::CreateChild(root, "zzdb");
    TreeNode* c = TreeNode::CreateChild(root, "zzdc");
    TreeNode::CreateChild(b, "zzdgrand")->ContentBuffer()->Append("gone with b");
    delete b; // in the middle, with a child of its own
    ASSERT_EQ(root->GetChildCount(), 2);
    EXPECT_EQ(root->GetChild(0), a);
    EXPECT_EQ(root->GetChild(1), c);
    EXPECT_EQ(a->GetNextSibling(), c);
    EXPECT_EQ(c->GetPrevSibling(), a);
    EXPECT_EQ(CommonStrings::Instance()->GetCount("zzdb"), -1);
    EXPECT_EQ(CommonStrings::Instance()->GetCount("zzdgrand"), -1);
    delete a; // first
    EXPECT_EQ(c->GetPrevSibling(), nullptr);
    delete c; // last, now the only one
    EXPECT_EQ(root->GetChildCount(), 0);
    EXPECT_EQ(root->GetChild(0), nullptr);
    // The document goes on: new children link up as before.
    TreeNode* d = TreeNode::CreateChild(root, "zzdd");
    TreeNode* e = TreeNode::CreateChild(root, "zzde");
    EXPECT_EQ(d->GetNextSibling(), e);
    EXPECT_EQ(DumpTree(root), "0|zzdr||\n1|zzdd||\n1|zzde||\n");
    root->DeleteTree();
    EXPECT_EQ(CommonStrings::Instance()->GetCount("zzdr"), -1);
}

TEST(TreeNode, ADocumentOutlivesItsDeletedPartsAndReusesTheirMemory)
{
    TreeNode* root = TreeNode::CreateRoot("keep");
    TreeNode* kept = TreeNode::CreateChild(root, "kept");
    kept->AddAttribute("k", "v");
    kept->ContentBuffer()->Append("kept text");
    // A document whose nodes come and go reuses the blocks they leave, instead of growing.
    TreeNode* first = TreeNode::CreateChild(root, "temp");
    delete first;
    for (int i = 0; i < 20000; i++)
    {
        TreeNode* temp = TreeNode::CreateChild(root, "temp");
        EXPECT_EQ(temp, first) << i;
        temp->AddAttribute("i", std::to_string(i).c_str());
        temp->ContentBuffer()->Append("some text of the node");
        TreeNode::CreateChild(temp, "inner");
        delete temp;
    }
    EXPECT_EQ(DumpTree(root), "0|keep||\n1|kept|k=v;|kept text\n");
    root->DeleteTree();
}

TEST(TreeNode, ASubtreeOutlivesTheDocumentItCameFrom)
{
    TreeNode* donor = TreeNode::CreateRoot("donor");
    donor->SetDtdText("<!DOCTYPE donor>");
    for (int i = 0; i < 300; i++)
    {
        TreeNode* child = TreeNode::CreateChild(donor, "part");
        child->AddAttribute("n", std::to_string(i).c_str());
        child->ContentBuffer()->Append(std::string(i % 50, 'x').c_str());
    }
    TreeNode* host = TreeNode::CreateRoot("host");
    ASSERT_TRUE(host->AppendChild(donor)); // the donor's own document goes, its nodes stay
    EXPECT_EQ(donor->GetDocumentRoot(), host);
    EXPECT_EQ(host->GetDtdText(), nullptr);
    // Nodes made under the moved subtree, and the host's own, mix freely.
    TreeNode* added = TreeNode::CreateChild(donor->GetChild(299), "added");
    added->ContentBuffer()->Append("late");
    TreeNode::CreateChild(host, "own");
    ASSERT_EQ(donor->GetChildCount(), 300);
    StringBuffer value;
    EXPECT_TRUE(donor->GetChild(123)->GetAttribute("n", value));
    EXPECT_STREQ(value.GetString(), "123");
    EXPECT_EQ(donor->GetChild(49)->GetContent()->GetLength(), 49);
    EXPECT_STREQ(added->GetContent()->GetString(), "late");
    delete donor; // attached: leaves the host, which keeps its own child
    EXPECT_EQ(DumpTree(host), "0|host||\n1|own||\n");
    host->DeleteTree();
}

TEST(TreeNode, TextsAndAttributesGrowPastTheirFirstRoom)
{
    TreeNode* plain = new TreeNode("plain", "from the constructor");
    EXPECT_STREQ(plain->GetContent()->GetString(), "from the constructor");
    delete plain;

    TreeNode* root = TreeNode::CreateRoot("r");
    StringBuffer* content = root->ContentBuffer(3);
    std::string expected;
    for (int i = 0; i < 500; i++)
    {
        std::string word = "w" + std::to_string(i) + " ";
        content->Append(word.c_str());
        expected += word;
    }
    EXPECT_EQ(root->ContentBuffer(), content);
    EXPECT_EQ(content->GetString(), expected);
    std::string dump = "0|r|";
    for (int i = 0; i < 40; i++)
        root->AddAttribute(("name" + std::to_string(i)).c_str(), std::string(i, 'v').c_str());
    root->RemoveAttribute("name0");
    root->RemoveAttribute("name39");
    root->RemoveAttribute("name20");
    for (int i = 1; i < 39; i++)
        if (i != 20)
            dump += "name" + std::to_string(i) + "=" + std::string(i, 'v') + ";";
    EXPECT_EQ(root->GetAttributes()->GetCount(), 37);
    StringBuffer value;
    EXPECT_TRUE(root->GetAttribute("name38", value));
    EXPECT_EQ(value.GetLength(), 38);
    EXPECT_FALSE(root->GetAttribute("name", value));
    EXPECT_FALSE(root->GetAttribute("v", value)); // a value is never taken for a name
    EXPECT_EQ(DumpTree(root), dump + "|" + expected + "\n");
    root->DeleteTree();
}
