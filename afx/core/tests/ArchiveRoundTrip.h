// Storing into and loading from a memory archive, for the archive tests.
#ifndef VELMORA_ARCHIVEROUNDTRIP_H
#define VELMORA_ARCHIVEROUNDTRIP_H

#include "afx.h"
#include "TestSupport.h"

#include <functional>

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

#endif // VELMORA_ARCHIVEROUNDTRIP_H
