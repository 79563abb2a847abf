// The real clock setter with its privilege handling, and the environment-selected recording one.
#include "SystemClock.h"

#include <stdio.h>

CSetSystemTimePrivilege::CSetSystemTimePrivilege() : m_hToken(NULL), m_bEnabled(FALSE)
{
    memset(&m_privileges, 0, sizeof(m_privileges));
}

CSetSystemTimePrivilege::~CSetSystemTimePrivilege()
{
    RestorePrivilege();
}

BOOL CSetSystemTimePrivilege::EnablePrivilege()
{
    m_bEnabled = FALSE;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &m_hToken))
    {
        m_hToken = NULL;
        // A system without privileges: the clock may be set as it is.
        if (::GetLastError() == ERROR_CALL_NOT_IMPLEMENTED)
        {
            ::SetLastError(0);
            return TRUE;
        }
        return FALSE;
    }
    m_privileges.PrivilegeCount = 1;
    if (!::LookupPrivilegeValueA(NULL, "SeSystemtimePrivilege", &m_privileges.Privileges[0].Luid))
        return FALSE;
    m_privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    m_bEnabled = TRUE;
    return ::AdjustTokenPrivileges(m_hToken, FALSE, &m_privileges, 0, NULL, NULL);
}

void CSetSystemTimePrivilege::RestorePrivilege()
{
    // The reason of a failure stays the last error, whatever the restoring does.
    DWORD dwError = ::GetLastError();
    if (m_bEnabled)
    {
        m_privileges.Privileges[0].Attributes &= ~SE_PRIVILEGE_ENABLED;
        ::AdjustTokenPrivileges(m_hToken, FALSE, &m_privileges, 0, NULL, NULL);
        m_bEnabled = FALSE;
    }
    if (m_hToken != NULL)
    {
        ::CloseHandle(m_hToken);
        m_hToken = NULL;
    }
    ::SetLastError(dwError);
}

BOOL CSetSystemTimePrivilege::SetSystemClock(const CNtpTime& time)
{
    BOOL bResult = FALSE;
    if (EnablePrivilege())
    {
        SYSTEMTIME st;
        time.ToSystemTime(st);
        bResult = ::SetSystemTime(&st);
    }
    RestorePrivilege();
    return bResult;
}

namespace
{
class CRecordingClock : public ISystemClock
{
public:
    BOOL SetSystemClock(const CNtpTime& time) override
    {
        char szPath[MAX_PATH];
        DWORD n = ::GetEnvironmentVariableA("VELMORA_CLOCKSET_LOG", szPath, sizeof(szPath));
        if (n == 0 || n >= sizeof(szPath))
        {
            ::SetLastError(ERROR_PRIVILEGE_NOT_HELD);
            return FALSE;
        }
        SYSTEMTIME st;
        time.ToSystemTime(st);
        FILE* pFile = fopen(szPath, "a");
        if (pFile != NULL)
        {
            fprintf(pFile, "%04u-%02u-%02u %02u:%02u:%02u.%03u\n", st.wYear, st.wMonth, st.wDay, st.wHour,
                    st.wMinute, st.wSecond, st.wMilliseconds);
            fclose(pFile);
        }
        char szFail[8];
        n = ::GetEnvironmentVariableA("VELMORA_CLOCKSET_FAIL", szFail, sizeof(szFail));
        if (pFile == NULL || (n > 0 && n < sizeof(szFail) && szFail[0] == '1'))
        {
            ::SetLastError(ERROR_PRIVILEGE_NOT_HELD);
            return FALSE;
        }
        return TRUE;
    }
};

ISystemClock* g_pSystemClock = NULL;
} // namespace

ISystemClock& GetSystemClock()
{
    static CSetSystemTimePrivilege real;
    static CRecordingClock recording;
    if (g_pSystemClock != NULL)
        return *g_pSystemClock;
    char szPath[4];
    if (::GetEnvironmentVariableA("VELMORA_CLOCKSET_LOG", szPath, sizeof(szPath)) > 0)
        return recording;
    return real;
}

void SetSystemClockSetter(ISystemClock* pSetter)
{
    g_pSystemClock = pSetter;
}
