// CLocalZone: the system's own zone through Win32.
#include "LocalZone.h"

namespace
{
CLocalZone s_systemZone;
CLocalZone* s_pCurrent = &s_systemZone;
} // namespace

DWORD CLocalZone::GetTimeZoneInformation(TIME_ZONE_INFORMATION* ptzi)
{
    return ::GetTimeZoneInformation(ptzi);
}

BOOL CLocalZone::SystemTimeToTzSpecificLocalTime(const SYSTEMTIME* pUniversal, SYSTEMTIME* pLocal)
{
    return ::SystemTimeToTzSpecificLocalTime(NULL, const_cast<SYSTEMTIME*>(pUniversal), pLocal);
}

BOOL CLocalZone::LocalFileTimeToFileTime(const FILETIME* pLocal, FILETIME* pUniversal)
{
    return ::LocalFileTimeToFileTime(pLocal, pUniversal);
}

CLocalZone* CLocalZone::GetCurrent()
{
    return s_pCurrent;
}

CLocalZone* CLocalZone::SetCurrent(CLocalZone* pZone)
{
    CLocalZone* pOld = s_pCurrent;
    s_pCurrent = pZone != NULL ? pZone : &s_systemZone;
    return pOld;
}
