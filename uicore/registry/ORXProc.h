// ORXGetProc: a typed entry point of a library loaded at run time (NULL when it is missing).
#ifndef VELMORA_ORXPROC_H
#define VELMORA_ORXPROC_H

#include <windows.h>

template <class PFN> PFN ORXGetProc(HMODULE hModule, LPCSTR pszName)
{
    if (hModule == NULL)
        return NULL;
    return reinterpret_cast<PFN>(reinterpret_cast<void (*)()>(::GetProcAddress(hModule, pszName)));
}

#endif // VELMORA_ORXPROC_H
