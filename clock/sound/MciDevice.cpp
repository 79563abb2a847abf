// CMciDevice: the MCI commands of one device, through the installed MCI service.
#include "MciDevice.h"

#include <string.h>

#include "SoundServices.h"

CMciDevice::CMciDevice() : m_idDevice(0), m_hCallback(NULL), m_nLastError(0), m_bReportErrors(FALSE) {}

MCIERROR CMciDevice::Send(MCIDEVICEID idDevice, UINT uMsg, DWORD_PTR dwFlags, DWORD_PTR dwParam)
{
    MCIERROR nError = GetMciService().SendCommand(idDevice, uMsg, dwFlags, dwParam);
    if (nError != 0)
    {
        m_nLastError = nError;
        if (m_bReportErrors)
            GetMciService().ShowError(nError);
    }
    return nError;
}

MCIERROR CMciDevice::Open(LPCSTR pszName, BOOL bShareable)
{
    MCI_OPEN_PARMSA parms;
    memset(&parms, 0, sizeof(parms));
    parms.lpstrDeviceType = pszName;
    MCIERROR nError = Send(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_WAIT | (bShareable ? MCI_OPEN_SHAREABLE : 0),
                           (DWORD_PTR)&parms);
    if (nError == 0)
        m_idDevice = parms.wDeviceID;
    return nError;
}

MCIERROR CMciDevice::OpenByType(DWORD dwTypeId, BOOL bShareable)
{
    MCI_OPEN_PARMSA parms;
    memset(&parms, 0, sizeof(parms));
    parms.lpstrDeviceType = (LPCSTR)(DWORD_PTR)dwTypeId;
    MCIERROR nError =
        Send(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_TYPE_ID | MCI_WAIT | (bShareable ? MCI_OPEN_SHAREABLE : 0),
             (DWORD_PTR)&parms);
    if (nError == 0)
        m_idDevice = parms.wDeviceID;
    return nError;
}

MCIERROR CMciDevice::Close()
{
    if (m_idDevice == 0)
        return 0;
    MCI_GENERIC_PARMS parms;
    memset(&parms, 0, sizeof(parms));
    MCIERROR nError = Send(m_idDevice, MCI_CLOSE, 0, (DWORD_PTR)&parms);
    // A device that refused to close is of no further use: the next open starts afresh.
    m_idDevice = 0;
    return nError;
}

DWORD CMciDevice::GetStatus(DWORD dwItem)
{
    MCI_STATUS_PARMS parms;
    memset(&parms, 0, sizeof(parms));
    parms.dwItem = dwItem;
    if (Send(m_idDevice, MCI_STATUS, MCI_STATUS_ITEM, (DWORD_PTR)&parms) != 0)
        return 0;
    return (DWORD)parms.dwReturn;
}

DWORD CMciDevice::GetMode()
{
    return GetStatus(MCI_STATUS_MODE);
}

MCIERROR CMciDevice::GetInfo(DWORD dwFlags, LPSTR pszBuffer, DWORD nSize)
{
    MCI_INFO_PARMSA parms;
    memset(&parms, 0, sizeof(parms));
    parms.lpstrReturn = pszBuffer;
    parms.dwRetSize = nSize;
    return Send(m_idDevice, MCI_INFO, dwFlags, (DWORD_PTR)&parms);
}

MCIERROR CMciDevice::Play(DWORD dwFrom, DWORD dwTo, BOOL bNotify)
{
    MCI_PLAY_PARMS parms;
    memset(&parms, 0, sizeof(parms));
    parms.dwFrom = dwFrom;
    parms.dwTo = dwTo;
    parms.dwCallback = (DWORD_PTR)m_hCallback;
    return Send(m_idDevice, MCI_PLAY, MCI_FROM | MCI_TO | (bNotify ? MCI_NOTIFY : 0), (DWORD_PTR)&parms);
}

MCIERROR CMciDevice::PlayFromHere(BOOL bNotify)
{
    MCI_PLAY_PARMS parms;
    memset(&parms, 0, sizeof(parms));
    parms.dwCallback = (DWORD_PTR)m_hCallback;
    return Send(m_idDevice, MCI_PLAY, bNotify ? MCI_NOTIFY : 0, (DWORD_PTR)&parms);
}

MCIERROR CMciDevice::Stop()
{
    MCI_GENERIC_PARMS parms;
    memset(&parms, 0, sizeof(parms));
    return Send(m_idDevice, MCI_STOP, 0, (DWORD_PTR)&parms);
}

MCIERROR CMciDevice::SeekToStart(BOOL bNotify)
{
    MCI_SEEK_PARMS parms;
    memset(&parms, 0, sizeof(parms));
    parms.dwCallback = (DWORD_PTR)m_hCallback;
    return Send(m_idDevice, MCI_SEEK, MCI_SEEK_TO_START | (bNotify ? MCI_NOTIFY : 0), (DWORD_PTR)&parms);
}

MCIERROR CMciDevice::SetTimeFormat(DWORD dwFormat)
{
    MCI_SET_PARMS parms;
    memset(&parms, 0, sizeof(parms));
    parms.dwTimeFormat = dwFormat;
    return Send(m_idDevice, MCI_SET, MCI_SET_TIME_FORMAT, (DWORD_PTR)&parms);
}

DWORD CMciDevice::GetTrackLength(DWORD dwTrack)
{
    MCI_STATUS_PARMS parms;
    memset(&parms, 0, sizeof(parms));
    parms.dwItem = MCI_STATUS_LENGTH;
    parms.dwTrack = dwTrack;
    if (Send(m_idDevice, MCI_STATUS, MCI_STATUS_ITEM | MCI_TRACK, (DWORD_PTR)&parms) != 0)
        return 0;
    return (DWORD)parms.dwReturn;
}

BOOL CMciDevice::IsReady()
{
    return GetStatus(MCI_STATUS_READY) != 0;
}

MCIERROR CMciDevice::OpenCdAudio(BOOL bShareable)
{
    return OpenByType(MCI_DEVTYPE_CD_AUDIO, bShareable);
}

MCIERROR CMciSequencer::Open(LPCSTR pszFile, BOOL bShareable)
{
    MCI_OPEN_PARMSA parms;
    memset(&parms, 0, sizeof(parms));
    parms.lpstrDeviceType = (LPCSTR)(DWORD_PTR)MCI_DEVTYPE_SEQUENCER;
    parms.lpstrElementName = pszFile;
    MCIERROR nError = Send(0, MCI_OPEN,
                           MCI_OPEN_TYPE | MCI_OPEN_TYPE_ID | MCI_OPEN_ELEMENT | MCI_WAIT |
                               (bShareable ? MCI_OPEN_SHAREABLE : 0),
                           (DWORD_PTR)&parms);
    if (nError == 0)
        m_idDevice = parms.wDeviceID;
    return nError;
}
