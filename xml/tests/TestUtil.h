// Helpers of the library's tests on top of the shared test support: tree dumps, byte strings
// and temporary files.
#ifndef VELMORA_TESTUTIL_H
#define VELMORA_TESTUTIL_H
#include "DataBuffer.h"
#include "StringBuffer.h"
#include "TestSupport.h"
#include "TreeNode.h"
#include <string>
#include <vector>
#include <windows.h>

// A buffer's bytes as a string (named apart from the shared Bytes, a byte vector).
inline std::string BufferBytes(const DataBuffer& b)
{
    return b.GetSize() ? std::string(reinterpret_cast<const char*>(b.GetData()), b.GetSize()) : std::string();
}

// "E9 74 E9": the shared hex text without its trailing space, as these tests' expectations read.
inline std::string Hex(const std::string& s)
{
    std::string out = Hex(Bytes(s.begin(), s.end()));
    if (!out.empty())
        out.pop_back();
    return out;
}

// One line per element in document order: depth|tag|name=value;...|content
inline std::string DumpTree(TreeNode* root)
{
    std::string out;
    if (!root)
        return "(null)";
    std::vector<std::pair<TreeNode*, int>> stack{{root, 0}};
    while (!stack.empty())
    {
        auto [node, depth] = stack.back();
        stack.pop_back();
        out += std::to_string(depth) + "|" + (node->GetTag() ? node->GetTag() : "") + "|";
        if (AttributeSet* a = node->GetAttributes())
        {
            for (int k = 0; k < a->GetCount(); k++)
            {
                StringBuffer name, value;
                a->GetPair(k, name, value);
                out += std::string(name.GetString()) + "=" + value.GetString() + ";";
            }
        }
        out += "|";
        if (node->HasContent())
            out += node->GetContent()->GetString();
        out += "\n";
        for (int i = node->GetChildCount() - 1; i >= 0; i--)
            stack.push_back({node->GetChild(i), depth + 1});
    }
    return out;
}

// The tests' files live in one private folder of the process, removed with it at the end.
inline const CTestFolder& TempFolder()
{
    static CTestFolder s_folder(_T("vxml"));
    return s_folder;
}

inline std::string TempPath(const char* name)
{
    return std::string((LPCTSTR)TempFolder().File(name));
}

inline std::string WriteTemp(const char* name, const std::string& bytes)
{
    TempFolder().Write(name, bytes);
    return TempPath(name);
}

#endif // VELMORA_TESTUTIL_H
