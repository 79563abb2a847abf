// The Remote Access entry points: the real library and the scripted stand-in.
#include "RasApi.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace
{
// The platform's record takes the build's size: the handle is a pointer-sized word.
static_assert(sizeof(CRasConnRecord) == (sizeof(void*) == 8 ? 424 : 412), "the first form of RASCONN");
static_assert(sizeof(CRasStatusRecord) == 160, "the first form of RASCONNSTATUS");

template <typename T> T EntryPoint(HMODULE hModule, LPCSTR pszName)
{
    return reinterpret_cast<T>(reinterpret_cast<void (*)()>(::GetProcAddress(hModule, pszName)));
}
} // namespace

// ---- CRealRasApi -------------------------------------------------------------------------------------

CRealRasApi::CRealRasApi()
    : m_bWindowsNT(FALSE), m_hRasMan(NULL), m_hLibrary(NULL), m_pfnEnum(NULL), m_pfnStatus(NULL),
      m_pfnStats(NULL)
{
    OSVERSIONINFOA osvi;
    osvi.dwOSVersionInfoSize = sizeof(osvi);
    m_bWindowsNT = ::GetVersionExA(&osvi) && osvi.dwPlatformId == VER_PLATFORM_WIN32_NT;
    if (m_bWindowsNT)
    {
        SC_HANDLE hManager = ::OpenSCManagerA(NULL, NULL, SC_MANAGER_ENUMERATE_SERVICE);
        if (hManager != NULL)
        {
            m_hRasMan = ::OpenServiceA(hManager, "RasMan", SERVICE_QUERY_STATUS);
            ::CloseServiceHandle(hManager);
        }
    }
}

CRealRasApi::~CRealRasApi()
{
    if (m_hRasMan != NULL)
        ::CloseServiceHandle(m_hRasMan);
    if (m_hLibrary != NULL)
        ::FreeLibrary(m_hLibrary);
}

BOOL CRealRasApi::Bind()
{
    if (m_hLibrary != NULL)
        return TRUE;
    if (m_bWindowsNT)
    {
        SERVICE_STATUS status;
        if (m_hRasMan == NULL || !::QueryServiceStatus(m_hRasMan, &status) ||
            status.dwCurrentState != SERVICE_RUNNING)
            return FALSE;
    }
    HMODULE hLibrary = ::LoadLibraryA("RASAPI32.DLL");
    if (hLibrary == NULL)
        return FALSE;
    m_pfnEnum = EntryPoint<PFNENUM>(hLibrary, "RasEnumConnectionsA");
    m_pfnStatus = EntryPoint<PFNSTATUS>(hLibrary, "RasGetConnectStatusA");
    m_pfnStats = EntryPoint<PFNSTATS>(hLibrary, "RasGetConnectionStatistics");
    if (m_pfnEnum == NULL || m_pfnStatus == NULL)
    {
        ::FreeLibrary(hLibrary);
        m_pfnEnum = NULL;
        m_pfnStatus = NULL;
        m_pfnStats = NULL;
        return FALSE;
    }
    m_hLibrary = hLibrary;
    return TRUE;
}

DWORD CRealRasApi::EnumConnections(CRasConnRecord* pConnections, DWORD* pcb, DWORD* pcConnections)
{
    if (!Bind())
    {
        *pcConnections = 0;
        return 0;
    }
    return m_pfnEnum(pConnections, pcb, pcConnections);
}

DWORD CRealRasApi::GetConnectStatus(HRASCONN hConn, CRasStatusRecord* pStatus)
{
    if (!Bind())
    {
        pStatus->rasconnstate = RASCS_Disconnected;
        return 0;
    }
    return m_pfnStatus(hConn, pStatus);
}

BOOL CRealRasApi::HasStatistics()
{
    return Bind() && m_pfnStats != NULL;
}

DWORD CRealRasApi::GetConnectionStatistics(HRASCONN hConn, RAS_STATS* pStats)
{
    if (!HasStatistics())
        return ERROR_INVALID_FUNCTION;
    return m_pfnStats(hConn, pStats);
}

// ---- CScriptedRasApi ---------------------------------------------------------------------------------

namespace
{
struct CScriptLine
{
    char szName[257];
    BOOL bConnected;
    DWORD dwReceived, dwSent, dwBps, dwSeconds;
};

// The script's lines; at most nMax are kept, the count of all is the result.
DWORD ReadScript(CScriptLine* pLines, DWORD nMax)
{
    char szPath[MAX_PATH];
    DWORD n = ::GetEnvironmentVariableA("VELMORA_RAS_SCRIPT", szPath, sizeof(szPath));
    if (n == 0 || n >= sizeof(szPath))
        return 0;
    FILE* pFile = fopen(szPath, "r");
    if (pFile == NULL)
        return 0;
    DWORD nCount = 0;
    char szLine[512];
    while (fgets(szLine, sizeof(szLine), pFile) != NULL)
    {
        CScriptLine line;
        memset(&line, 0, sizeof(line));
        char szState[32] = "";
        unsigned long v[4] = {0, 0, 0, 0};
        int nFields =
            sscanf(szLine, "%256s %31s %lu %lu %lu %lu", line.szName, szState, &v[0], &v[1], &v[2], &v[3]);
        if (nFields < 2)
            continue;
        line.bConnected = strcmp(szState, "connected") == 0;
        line.dwReceived = v[0];
        line.dwSent = v[1];
        line.dwBps = v[2];
        line.dwSeconds = v[3];
        if (nCount < nMax)
            pLines[nCount] = line;
        nCount++;
    }
    fclose(pFile);
    return nCount;
}

const DWORD kMaxScripted = 16;

// Handles are the line number plus one: a connection keeps its handle while its line stays.
BOOL FindScripted(HRASCONN hConn, CScriptLine& line)
{
    CScriptLine lines[kMaxScripted];
    DWORD nCount = ReadScript(lines, kMaxScripted);
    DWORD nIndex = (DWORD)(ULONG_PTR)hConn;
    if (nIndex == 0 || nIndex > nCount || nIndex > kMaxScripted)
        return FALSE;
    line = lines[nIndex - 1];
    return TRUE;
}
} // namespace

DWORD CScriptedRasApi::EnumConnections(CRasConnRecord* pConnections, DWORD* pcb, DWORD* pcConnections)
{
    CScriptLine lines[kMaxScripted];
    DWORD nCount = ReadScript(lines, kMaxScripted);
    if (nCount > kMaxScripted)
        nCount = kMaxScripted;
    if (pConnections == NULL || pConnections->dwSize != sizeof(CRasConnRecord))
        return ERROR_INVALID_SIZE;
    DWORD cbNeeded = nCount * sizeof(CRasConnRecord);
    if (*pcb < cbNeeded)
    {
        *pcb = cbNeeded;
        *pcConnections = nCount;
        return ERROR_BUFFER_TOO_SMALL;
    }
    for (DWORD i = 0; i < nCount; i++)
    {
        CRasConnRecord& rec = pConnections[i];
        memset(&rec, 0, sizeof(rec));
        rec.dwSize = sizeof(CRasConnRecord);
        rec.hrasconn = (HRASCONN)(ULONG_PTR)(i + 1);
        lstrcpynA(rec.szEntryName, lines[i].szName, sizeof(rec.szEntryName));
        lstrcpynA(rec.szDeviceType, "modem", sizeof(rec.szDeviceType));
        lstrcpynA(rec.szDeviceName, "Scripted Modem", sizeof(rec.szDeviceName));
    }
    *pcConnections = nCount;
    return 0;
}

DWORD CScriptedRasApi::GetConnectStatus(HRASCONN hConn, CRasStatusRecord* pStatus)
{
    CScriptLine line;
    if (!FindScripted(hConn, line))
        return ERROR_INVALID_HANDLE;
    pStatus->rasconnstate = line.bConnected ? RASCS_Connected : RASCS_OpenPort;
    pStatus->dwError = 0;
    return 0;
}

DWORD CScriptedRasApi::GetConnectionStatistics(HRASCONN hConn, RAS_STATS* pStats)
{
    CScriptLine line;
    if (!FindScripted(hConn, line))
        return ERROR_INVALID_HANDLE;
    pStats->dwBytesRcved = line.dwReceived;
    pStats->dwBytesXmited = line.dwSent;
    pStats->dwBps = line.dwBps;
    pStats->dwConnectDuration = line.dwSeconds * 1000;
    return 0;
}

// ---- The entry points in force -----------------------------------------------------------------------

namespace
{
IRasApi* g_pRasApi = NULL;
}

IRasApi& GetRasApi()
{
    if (g_pRasApi != NULL)
        return *g_pRasApi;
    char szPath[4];
    if (::GetEnvironmentVariableA("VELMORA_RAS_SCRIPT", szPath, sizeof(szPath)) > 0)
    {
        static CScriptedRasApi scripted;
        return scripted;
    }
    static CRealRasApi real;
    return real;
}

void SetRasApi(IRasApi* pApi)
{
    g_pRasApi = pApi;
}
