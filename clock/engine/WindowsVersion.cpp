// WindowsVersion: GetVersionExA with the extended record where the system has it, GetVersion else.
#include "WindowsVersion.h"

bool WindowsVersion::GetInfo(CWindowsVersionInfo& info)
{
    HMODULE hKernel = ::GetModuleHandleA("KERNEL32.DLL");
    if (hKernel == NULL)
        return false;
    return GetInfo(info, reinterpret_cast<PFNGETVERSIONEX>(
                             reinterpret_cast<void (*)()>(::GetProcAddress(hKernel, "GetVersionExA"))));
}

bool WindowsVersion::GetInfo(CWindowsVersionInfo& info, PFNGETVERSIONEX pfnGetVersionEx)
{
    if (pfnGetVersionEx != NULL)
    {
        info.osvi.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
        if (!pfnGetVersionEx((LPOSVERSIONINFOA)&info.osvi))
            return false;
        info.dwMajorVersion = info.osvi.dwMajorVersion;
        info.dwMinorVersion = info.osvi.dwMinorVersion;
        return true;
    }
    DWORD dwVersion = ::GetVersion();
    info.dwMajorVersion = LOBYTE(LOWORD(dwVersion));
    info.dwMinorVersion = HIBYTE(LOWORD(dwVersion));
    return true;
}
