// WindowsVersion.h: WindowsVersion, which tells the program the version of Windows it runs on.
#ifndef VELMORA_WINDOWSVERSION_H
#define VELMORA_WINDOWSVERSION_H

#include <windows.h>

struct CWindowsVersionInfo
{
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    OSVERSIONINFOEXA osvi; // the rest of the system's answer, when it gave one
};

class WindowsVersion
{
public:
    typedef BOOL(WINAPI* PFNGETVERSIONEX)(LPOSVERSIONINFOA);

    // Fills a record the caller zeroed; FALSE when the system refused the query.
    static bool GetInfo(CWindowsVersionInfo& info);
    // The same with the entry point given: null stands for a system without GetVersionExA.
    static bool GetInfo(CWindowsVersionInfo& info, PFNGETVERSIONEX pfnGetVersionEx);
};

#endif // VELMORA_WINDOWSVERSION_H
