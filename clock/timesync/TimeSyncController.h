// TimeSyncController.h: CTimeSyncController, one synchronisation of the computer's clock with a time
// server, and the texts the clock window and its status window show of the latest one.
#ifndef VELMORA_TIMESYNCCONTROLLER_H
#define VELMORA_TIMESYNCCONTROLLER_H

#include <afx.h>

#include "SntpClient.h"

class CSettings;

class CTimeSyncController
{
    // Construction
public:
    CTimeSyncController();

    enum Outcome
    {
        outcomeNoServer,     // nothing asked; the error flag is set
        outcomeModemOffline, // nothing asked; the error flag is cleared
        outcomeFailed,       // the query failed, its answer was refused, or the clock was not set
        outcomeSynchronized
    };

    // Attributes
public:
    CString m_strLastServer;
    CString m_strLastLocation;
    CString m_strStatus;       // local time of the latest change, ":\n", then the message
    CString m_strLastSynced;   // local date and time of the latest synchronisation that set the clock
    CString m_strDifference;   // "%f seconds", or "Unknown" after a failure
    BOOL m_bError;             // the latest synchronisation failed
    UINT m_nPort;              // 123; VELMORA_SNTP_PORT chooses another for tests
    CNtpServerResponse m_last; // the latest accepted reply

    // Operations
public:
    // One synchronisation with these settings. bModemUp tells whether a dial-up connection is up;
    // it matters only when the settings say the computer connects by modem.
    Outcome SyncNow(LPCTSTR pszServer, LPCTSTR pszLocation, const CSettings& settings, BOOL bModemUp);
    void SetStatus(LPCTSTR pszMessage);
    // The user selected another server: the status names it from now on, and a difference
    // measured against the server named before no longer holds.
    void ServerSelected(LPCTSTR pszServer, LPCTSTR pszLocation);
    // Reports the failure whose code is the thread's last error; dOffset is shown for a refused
    // difference (code -1).
    void ReportError(LPCTSTR pszServer, double dOffset);
    // The message of a failure code, as the status line shows it before "Errorcode".
    static CString ErrorMessage(DWORD dwCode, LPCTSTR pszServer, double dOffset);
    // The largest accepted difference of the settings, in seconds.
    static long MaxDifferenceSeconds(const CSettings& settings);
};

#endif // VELMORA_TIMESYNCCONTROLLER_H
