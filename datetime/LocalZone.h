// CLocalZone: the computer's time zone as the date-time conversions see it, replaceable by a
// stand-in so that daylight-saving behaviour can be exercised whatever zone the machine is in.
#ifndef VELMORA_DATETIME_LOCALZONE_H
#define VELMORA_DATETIME_LOCALZONE_H

#include <afx.h>

class CLocalZone
{
public:
    virtual ~CLocalZone() {}

    // Same contracts as the Win32 functions of the same names (current zone only).
    virtual DWORD GetTimeZoneInformation(TIME_ZONE_INFORMATION* ptzi);
    virtual BOOL SystemTimeToTzSpecificLocalTime(const SYSTEMTIME* pUniversal, SYSTEMTIME* pLocal);
    virtual BOOL LocalFileTimeToFileTime(const FILETIME* pLocal, FILETIME* pUniversal);

    // The zone in use: the system's unless a stand-in was installed.
    static CLocalZone* GetCurrent();
    // Installs a stand-in (NULL puts the system's back); returns the previous one. The caller
    // keeps ownership.
    static CLocalZone* SetCurrent(CLocalZone* pZone);
};

#endif // VELMORA_DATETIME_LOCALZONE_H
