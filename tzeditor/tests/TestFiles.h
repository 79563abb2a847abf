// Helpers of the editor's tests: byte images written as hex, files in a private folder.
#ifndef VELMORA_TZEDITOR_TESTFILES_H
#define VELMORA_TZEDITOR_TESTFILES_H

#include <afx.h>

#include <string>
#include <vector>

inline std::string HexOf(const std::string& text)
{
    std::string out;
    for (unsigned char c : text)
    {
        char two[3];
        sprintf(two, "%02x", c);
        out += two;
    }
    return out;
}

inline std::vector<BYTE> FromHex(const std::string& hex)
{
    std::vector<BYTE> out;
    std::string digits;
    for (char c : hex)
        if (isxdigit((unsigned char)c))
            digits += c;
    for (size_t i = 0; i + 1 < digits.size(); i += 2)
        out.push_back((BYTE)strtoul(digits.substr(i, 2).c_str(), NULL, 16));
    return out;
}

class CEditorTestFolder
{
public:
    CEditorTestFolder()
    {
        char szTemp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szTemp);
        for (int i = 0;; i++)
        {
            m_path.Format("%storvane-%lu-%d", szTemp, ::GetCurrentProcessId(), i);
            if (::CreateDirectoryA(m_path, NULL))
                break;
        }
    }
    ~CEditorTestFolder()
    {
        for (const CString& name : Files())
        {
            ::SetFileAttributesA(File(name), FILE_ATTRIBUTE_NORMAL);
            ::DeleteFileA(File(name));
        }
        ::RemoveDirectoryA(m_path);
    }
    CString File(LPCSTR name) const { return m_path + "\\" + name; }
    std::vector<CString> Files() const
    {
        std::vector<CString> names;
        WIN32_FIND_DATAA fd;
        HANDLE h = ::FindFirstFileA(m_path + "\\*", &fd);
        if (h == INVALID_HANDLE_VALUE)
            return names;
        do
        {
            if (strcmp(fd.cFileName, ".") != 0 && strcmp(fd.cFileName, "..") != 0)
                names.push_back(fd.cFileName);
        } while (::FindNextFileA(h, &fd));
        ::FindClose(h);
        return names;
    }
    void Write(LPCSTR name, const std::vector<BYTE>& bytes) const
    {
        FILE* f = fopen(File(name), "wb");
        if (!bytes.empty())
            fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
    }
    std::vector<BYTE> Read(LPCSTR name) const
    {
        std::vector<BYTE> bytes;
        FILE* f = fopen(File(name), "rb");
        if (f == NULL)
            return bytes;
        int c;
        while ((c = fgetc(f)) != EOF)
            bytes.push_back((BYTE)c);
        fclose(f);
        return bytes;
    }

private:
    CString m_path;
};

#endif // VELMORA_TZEDITOR_TESTFILES_H
