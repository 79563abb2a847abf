#include "TestUtil.h"
#include "XmlParser.h"
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace
{
std::string ReadAll(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}
} // namespace

// Documents in many character sets, each against the node dump of Python's XML parser.
TEST(XmlCorpus, LoadsLikePythonsParser)
{
    std::string dir = VXML_CORPUS_DIR;
    std::ifstream index(dir + "/index.txt");
    std::string name;
    int count = 0;
    while (std::getline(index, name))
    {
        if (name.empty())
            continue;
        TreeNode* root = nullptr;
        EXPECT_TRUE(XmlLoader::LoadFile((dir + "/" + name + ".xml").c_str(), nullptr, nullptr, &root))
            << name;
        std::string got = DumpTree(root), want = ReadAll(dir + "/" + name + ".dump");
        if (got != want)
        {
            size_t at = 0;
            while (at < got.size() && at < want.size() && got[at] == want[at])
                at++;
            size_t line = got.rfind('\n', at == 0 ? 0 : at - 1);
            line = line == std::string::npos ? 0 : line + 1;
            ADD_FAILURE() << name << ": got  " << got.substr(line, got.find('\n', at) - line) << "\n want "
                          << want.substr(line, want.find('\n', at) - line);
        }
        if (root)
            root->DeleteTree();
        count++;
    }
    EXPECT_GE(count, 100);
}
