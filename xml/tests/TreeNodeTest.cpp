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
