// SystemClock.h: setting the computer's clock: ISystemClock, the real setter under the system-time
// privilege (CSetSystemTimePrivilege), and the setter in force.
#ifndef VELMORA_SYSTEMCLOCK_H
#define VELMORA_SYSTEMCLOCK_H

#include <afx.h>

#include "SntpClient.h"

class ISystemClock
{
public:
    virtual ~ISystemClock() {}
    // Sets the computer's clock to a UTC time; FALSE with the reason as the thread's last error.
    virtual BOOL SetSystemClock(const CNtpTime& time) = 0;
};

class CSetSystemTimePrivilege : public ISystemClock
{
    // Construction
public:
    CSetSystemTimePrivilege();
    virtual ~CSetSystemTimePrivilege();

    // Operations
public:
    virtual BOOL SetSystemClock(const CNtpTime& time);

    // Implementation
protected:
    HANDLE m_hToken;
    TOKEN_PRIVILEGES m_privileges;
    BOOL m_bEnabled; // this object enabled the privilege and must disable it again

    BOOL EnablePrivilege();
    void RestorePrivilege();
};

// The setter in force: an installed stand-in, else the recording setter when the environment
// variable VELMORA_CLOCKSET_LOG names a file (each requested time is appended to it as one line
// "YYYY-MM-DD HH:MM:SS.mmm" in UTC; VELMORA_CLOCKSET_FAIL=1 makes every request fail with 1314),
// else the real one. Never null.
ISystemClock& GetSystemClock();
// Installs a stand-in; null puts the default back. The caller keeps ownership.
void SetSystemClockSetter(ISystemClock* pSetter);

#endif // VELMORA_SYSTEMCLOCK_H
