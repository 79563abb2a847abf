// Real platform services and the environment-selected recording stand-in for the session end.
#include "PlatformServices.h"

#include <objbase.h>
#include <stdio.h>
#include <stdlib.h>

namespace
{
class CRealShutdown : public IShutdownExecutor
{
public:
    BOOL EndSession(UINT uFlags) override { return ::ExitWindowsEx(uFlags, 0); }
};

// Appends "kind force" (the EWX_ kind without EWX_FORCE, then 0 or 1) as one line to the file that
// VELMORA_SHUTDOWN_LOG names. VELMORA_SHUTDOWN_FAIL=1 makes the request fail, as a refused
// ExitWindowsEx would.
class CRecordingShutdown : public IShutdownExecutor
{
public:
    BOOL EndSession(UINT uFlags) override
    {
        char szPath[MAX_PATH];
        DWORD n = ::GetEnvironmentVariableA("VELMORA_SHUTDOWN_LOG", szPath, sizeof(szPath));
        if (n == 0 || n >= sizeof(szPath))
            return FALSE;
        FILE* pFile = fopen(szPath, "a");
        if (pFile == NULL)
            return FALSE;
        fprintf(pFile, "%u %d\n", uFlags & ~(UINT)EWX_FORCE, (uFlags & EWX_FORCE) ? 1 : 0);
        fclose(pFile);
        char szFail[8];
        n = ::GetEnvironmentVariableA("VELMORA_SHUTDOWN_FAIL", szFail, sizeof(szFail));
        if (n > 0 && n < sizeof(szFail) && szFail[0] == '1')
        {
            ::SetLastError(ERROR_PRIVILEGE_NOT_HELD);
            return FALSE;
        }
        return TRUE;
    }
};

// Agent server: class {D45FD2FC-5C6E-11D1-9EC1-00C04FD7081F}, interface
// {48D12BA0-5B77-11D1-9EC1-00C04FD7081F}.
const CLSID kClsidAgentServer = {
    0xD45FD2FC, 0x5C6E, 0x11D1, {0x9E, 0xC1, 0x00, 0xC0, 0x4F, 0xD7, 0x08, 0x1F}};
const IID kIidAgentEx = {0x48D12BA0, 0x5B77, 0x11D1, {0x9E, 0xC1, 0x00, 0xC0, 0x4F, 0xD7, 0x08, 0x1F}};

class CRealAgentProbe : public IAgentProbe
{
public:
    BOOL IsServerInstalled() override
    {
        IUnknown* pServer = NULL;
        HRESULT hr = ::CoCreateInstance(kClsidAgentServer, NULL, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                        kIidAgentEx, (void**)&pServer);
        if (FAILED(hr) || pServer == NULL)
            return FALSE;
        pServer->Release();
        return TRUE;
    }
};

class CRealTime : public ITimeSource
{
public:
    void GetUtcTime(SYSTEMTIME& st) override { ::GetSystemTime(&st); }
    void GetLocalTime(SYSTEMTIME& st) override { ::GetLocalTime(&st); }
};

IShutdownExecutor* g_pShutdown = NULL;
IAgentProbe* g_pAgentProbe = NULL;
ITimeSource* g_pTimeSource = NULL;

bool IsShutdownRecorded()
{
    char szPath[4];
    return ::GetEnvironmentVariableA("VELMORA_SHUTDOWN_LOG", szPath, sizeof(szPath)) > 0;
}
} // namespace

IShutdownExecutor& GetShutdownExecutor()
{
    static CRealShutdown real;
    static CRecordingShutdown recording;
    if (g_pShutdown != NULL)
        return *g_pShutdown;
    if (IsShutdownRecorded())
        return recording;
    return real;
}

IAgentProbe& GetAgentProbe()
{
    static CRealAgentProbe real;
    return g_pAgentProbe != NULL ? *g_pAgentProbe : real;
}

ITimeSource& GetTimeSource()
{
    static CRealTime real;
    return g_pTimeSource != NULL ? *g_pTimeSource : real;
}

void SetShutdownExecutor(IShutdownExecutor* pExecutor)
{
    g_pShutdown = pExecutor;
}
void SetAgentProbe(IAgentProbe* pProbe)
{
    g_pAgentProbe = pProbe;
}
void SetTimeSource(ITimeSource* pSource)
{
    g_pTimeSource = pSource;
}

COleDateTime GetLocalNow()
{
    SYSTEMTIME st;
    GetTimeSource().GetLocalTime(st);
    st.wMilliseconds = 0;
    return COleDateTime(st);
}

BOOL EnableProcessPrivilege(LPCSTR lpszPrivilege)
{
    HANDLE hToken = NULL;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &hToken))
        return FALSE;
    TOKEN_PRIVILEGES tp;
    tp.PrivilegeCount = 1;
    tp.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    BOOL bOk = ::LookupPrivilegeValueA(NULL, lpszPrivilege, &tp.Privileges[0].Luid);
    if (bOk)
        bOk = ::AdjustTokenPrivileges(hToken, FALSE, &tp, 0, NULL, NULL) && ::GetLastError() == ERROR_SUCCESS;
    ::CloseHandle(hToken);
    return bOk;
}
