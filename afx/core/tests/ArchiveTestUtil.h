// Helpers for archive tests: byte images written by hand, storing into and loading from memory.
#ifndef VELMORA_ARCHIVETESTUTIL_H
#define VELMORA_ARCHIVETESTUTIL_H

#include "afx.h"

#include <functional>
#include <string>
#include <vector>

typedef std::vector<BYTE> Bytes;

// "FF 00 1a" -> {0xFF, 0x00, 0x1A}; text in single quotes is taken as ASCII: "0A 00 'CName'".
inline Bytes Image(const char* text)
{
    Bytes out;
    for (const char* p = text; *p != '\0';)
    {
        if (*p == ' ')
        {
            ++p;
            continue;
        }
        if (*p == '\'')
        {
            for (++p; *p != '\0' && *p != '\''; ++p)
                out.push_back((BYTE)*p);
            if (*p == '\'')
                ++p;
            continue;
        }
        char hex[3] = {p[0], p[1], 0};
        out.push_back((BYTE)strtoul(hex, NULL, 16));
        p += 2;
    }
    return out;
}

inline Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline Bytes Store(const std::function<void(CArchive&)>& write)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        write(ar);
        ar.Close();
    }
    Bytes out(file.GetLength());
    file.SeekToBegin();
    if (!out.empty())
        file.Read(out.data(), (UINT)out.size());
    return out;
}

// Loads the image with read(); returns -1 when it finished, the archive exception's cause when
// one was raised, and -2 for any other framework exception.
inline int Load(const Bytes& image, const std::function<void(CArchive&)>& read)
{
    CMemFile file;
    if (!image.empty())
        file.Write(image.data(), (UINT)image.size());
    file.SeekToBegin();
    try
    {
        CArchive ar(&file, CArchive::load);
        read(ar);
        ar.Close();
    }
    catch (CException* e)
    {
        int cause = -2;
        if (e->IsKindOf(RUNTIME_CLASS(CArchiveException)))
            cause = ((CArchiveException*)e)->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

inline std::string Hex(const Bytes& bytes)
{
    std::string out;
    char sz[4];
    for (BYTE b : bytes)
    {
        snprintf(sz, sizeof(sz), "%02X ", b);
        out += sz;
    }
    return out;
}

#endif // VELMORA_ARCHIVETESTUTIL_H
