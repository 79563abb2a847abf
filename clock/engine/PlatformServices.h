// Platform services that cannot act under every host: ending the Windows session, probing the
// Agent server, and the current time. Each is one small interface with the real call in the
// product and a stand-in that tests install.
#ifndef VELMORA_PLATFORMSERVICES_H
#define VELMORA_PLATFORMSERVICES_H

#include <afx.h>
#include <afxdisp.h>

// Ends the Windows session (shut-down, log-off, reboot, power-off).
class IShutdownExecutor
{
public:
    virtual ~IShutdownExecutor() {}
    virtual BOOL EndSession(UINT uFlags) = 0;
};

// Tells whether the speech character server can be created.
class IAgentProbe
{
public:
    virtual ~IAgentProbe() {}
    virtual BOOL IsServerInstalled() = 0;
};

// The current time as the clocks, timers and alarms see it.
class ITimeSource
{
public:
    virtual ~ITimeSource() {}
    virtual void GetUtcTime(SYSTEMTIME& st) = 0;
    virtual void GetLocalTime(SYSTEMTIME& st) = 0;
};

// The services in force. The getters never return null: without an installed stand-in they give
// the real implementation, except that the environment variable VELMORA_SHUTDOWN_LOG selects a
// recording stand-in for the session end (a real ExitWindowsEx would end every program of the
// test session).
IShutdownExecutor& GetShutdownExecutor();
IAgentProbe& GetAgentProbe();
ITimeSource& GetTimeSource();

// Installs a stand-in; null puts the real service back. The caller keeps ownership.
void SetShutdownExecutor(IShutdownExecutor* pExecutor);
void SetAgentProbe(IAgentProbe* pProbe);
void SetTimeSource(ITimeSource* pSource);

// The time source's local time as a date-time, to the second.
COleDateTime GetLocalNow();

// Enables one privilege in this process's token; FALSE when the token or the privilege is refused.
BOOL EnableProcessPrivilege(LPCSTR lpszPrivilege);

#endif // VELMORA_PLATFORMSERVICES_H
