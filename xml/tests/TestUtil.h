// Helpers shared by the library's tests: tree dumps, byte strings and temporary files.
#ifndef VELMORA_TESTUTIL_H
#define VELMORA_TESTUTIL_H
#include "DataBuffer.h"
#include "StringBuffer.h"
#include "TreeNode.h"
#include <string>
#include <vector>
#include <windows.h>

inline std::string Bytes(const DataBuffer& b)
{
    return b.GetSize() ? std::string(reinterpret_cast<const char*>(b.GetData()), b.GetSize()) : std::string();
}

inline std::string Hex(const std::string& s)
{
    static const char d[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : s)
    {
        if (!out.empty())
            out += ' ';
        out += d[c >> 4];
        out += d[c & 15];
    }
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

inline std::string TempPath(const char* name)
{
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + "vxml_" + std::to_string(GetCurrentProcessId()) + "_" + name;
}

inline std::string WriteTemp(const char* name, const std::string& bytes)
{
    std::string path = TempPath(name);
    HANDLE h =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    if (!bytes.empty())
        WriteFile(h, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
    CloseHandle(h);
    return path;
}

#endif // VELMORA_TESTUTIL_H
