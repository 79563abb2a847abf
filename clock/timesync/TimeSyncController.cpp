// CTimeSyncController: query, guard, setting of the clock and the texts of the outcome.
#include "TimeSyncController.h"

#include <afxdisp.h>
#include <math.h>
#include <stdlib.h>

#include "PlatformServices.h"
#include "Settings.h"
#include "SystemClock.h"

namespace
{
const DWORD kDifferenceTooBig = (DWORD)-1;

CString LocalNowText()
{
    return GetLocalNow().Format(0, LANG_USER_DEFAULT);
}
} // namespace

CTimeSyncController::CTimeSyncController() : m_bError(FALSE), m_nPort(CSntpClient::kDefaultPort)
{
    m_strDifference = _T("Unknown");
    char szPort[16];
    DWORD n = ::GetEnvironmentVariableA("VELMORA_SNTP_PORT", szPort, sizeof(szPort));
    if (n > 0 && n < sizeof(szPort))
    {
        long nPort = strtol(szPort, NULL, 10);
        if (nPort > 0 && nPort < 65536)
            m_nPort = (UINT)nPort;
    }
}

long CTimeSyncController::MaxDifferenceSeconds(const CSettings& settings)
{
    const COleDateTime& dt = settings.m_dtNoBigSync;
    return dt.GetHour() * 3600L + dt.GetMinute() * 60L + dt.GetSecond();
}

void CTimeSyncController::SetStatus(LPCTSTR pszMessage)
{
    m_strStatus = LocalNowText() + _T(":\n") + pszMessage;
}

void CTimeSyncController::ServerSelected(LPCTSTR pszServer, LPCTSTR pszLocation)
{
    // The options page may have synchronised with it already: that difference stands.
    if (m_strLastServer == pszServer && m_strLastLocation == pszLocation)
        return;
    m_strLastServer = pszServer;
    m_strLastLocation = pszLocation;
    m_strDifference = _T("Unknown");
}

CTimeSyncController::Outcome CTimeSyncController::SyncNow(LPCTSTR pszServer, LPCTSTR pszLocation,
                                                          const CSettings& settings, BOOL bModemUp)
{
    m_strLastServer = pszServer;
    m_strLastLocation = pszLocation;
    CSntpClient client;
    // The settings are range-checked where they are read; this keeps a value set in between from
    // waiting for ever or overflowing into a fraction of a second.
    int nTimeOut = settings.m_nSyncTimeOut;
    if (nTimeOut < 1 || nTimeOut > 60)
        nTimeOut = 5;
    client.m_dwTimeout = (DWORD)nTimeOut * 1000;
    long nMaxDifference = MaxDifferenceSeconds(settings);

    if (m_strLastServer.IsEmpty())
    {
        SetStatus(_T("No Server selected,use Velmora Options to set."));
        m_bError = TRUE;
        return outcomeNoServer;
    }
    if (settings.m_nConnectType == 1 && !bModemUp)
    {
        SetStatus(_T("Modem offline"));
        m_bError = FALSE;
        return outcomeModemOffline;
    }

    CNtpServerResponse response;
    if (!client.QueryServer((LPCTSTR)m_strLastServer, response, m_nPort))
    {
        ReportError(pszServer, 0);
        return outcomeFailed;
    }
    m_last = response;
    SetStatus(_T("Time synchronized OK"));
    m_strDifference.Format(_T("%f seconds"), response.m_dOffset);

    if (settings.m_bNoBigSync && fabs(response.m_dOffset) >= (double)nMaxDifference)
    {
        ::SetLastError(kDifferenceTooBig);
        ReportError(pszServer, response.m_dOffset);
        return outcomeFailed;
    }

    CNtpTime newTime = CNtpTime::Now().AddSeconds(response.m_dOffset);
    if (!GetSystemClock().SetSystemClock(newTime))
    {
        // The server answered, but the clock keeps its wrong time: that is a failure to report.
        ReportError(pszServer, response.m_dOffset);
        return outcomeFailed;
    }
    m_strLastSynced = LocalNowText();
    m_bError = FALSE;
    return outcomeSynchronized;
}

CString CTimeSyncController::ErrorMessage(DWORD dwCode, LPCTSTR pszServer, double dOffset)
{
    CString strMessage;
    switch (dwCode)
    {
    case 2:
        strMessage = CString(_T("Cannot connect to ")) + pszServer + _T("\n");
        break;
    case 10060:
        strMessage =
            _T("A connection apparently failed because the connected party did not properly respond after a ")
            _T("period of time, or established connection failed because connected host has failed to ")
            _T("respond.");
        break;
    case 11001:
        strMessage = _T("No such host is known.");
        break;
    case kDifferenceTooBig:
        strMessage.Format(_T("Time difference of %f seconds was too big to use\n"), dOffset);
        break;
    case CSntpClient::kReplyTooShort:
        strMessage = _T("The server's reply was too short to use\n");
        break;
    case CSntpClient::kReplyWrongMode:
        strMessage = _T("The server's reply was not a server reply\n");
        break;
    case CSntpClient::kReplyBadStratum:
        strMessage = _T("The server's reply gave no usable stratum\n");
        break;
    case CSntpClient::kReplyUnsynchronised:
        strMessage = _T("The server's clock is not synchronized\n");
        break;
    case CSntpClient::kReplyNoTransmitTime:
        strMessage = _T("The server's reply carried no time\n");
        break;
    case CSntpClient::kReplyWrongOriginate:
        strMessage = _T("The server's reply did not answer this request\n");
        break;
    case CSntpClient::kReplyNoReceiveTime:
    case CSntpClient::kReplyImplausibleTimes:
        strMessage = _T("The server's reply carried times that cannot be true\n");
        break;
    case CSntpClient::kReplyImplausibleRoot:
        strMessage = _T("The server's reply says its own clock is not reliable\n");
        break;
    default: {
        LPSTR pszBuffer = NULL;
        DWORD n = ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   NULL, dwCode, 0x400, (LPSTR)&pszBuffer, 0, NULL);
        if (n > 0 && pszBuffer != NULL)
            strMessage = pszBuffer;
        if (pszBuffer != NULL)
            ::LocalFree(pszBuffer);
        break;
    }
    }
    return strMessage;
}

void CTimeSyncController::ReportError(LPCTSTR pszServer, double dOffset)
{
    DWORD dwCode = ::GetLastError();
    m_strDifference = _T("Unknown");
    CString strCode;
    strCode.Format(_T("Errorcode %d"), (int)dwCode);
    SetStatus(CString(_T("Synchronization failed - ")) + ErrorMessage(dwCode, pszServer, dOffset) + strCode);
    m_bError = TRUE;
}
