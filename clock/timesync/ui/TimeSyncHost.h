// ITimeSyncHost: what the synchronisation windows need of the window that owns the synchronisation.
#ifndef VELMORA_TIMESYNCHOST_H
#define VELMORA_TIMESYNCHOST_H

#include <afx.h>
#include <afxcoll.h>

class CSyncOptions;
class CTimeSyncController;

class ITimeSyncHost
{
public:
    virtual ~ITimeSyncHost() {}
    // The latest synchronisation: its server, location, texts and error state.
    virtual const CTimeSyncController& GetTimeSync() const = 0;
    // One synchronisation with the server given, or with the server the settings select.
    virtual void SyncNow(LPCTSTR pszServer, LPCTSTR pszLocation) = 0;
    virtual void SyncSelectedServer() = 0;
    // One synchronisation with what the options page shows, before it is applied: its server and
    // its settings. The outcome is shown in the status window.
    virtual void SyncWithOptions(const CSyncOptions& options) = 0;
    // The time servers (CTimeServer), which the options page edits in place.
    virtual CObArray& GetTimeServers() = 0;
};

#endif // VELMORA_TIMESYNCHOST_H
