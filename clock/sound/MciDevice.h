// CMciDevice: one MCI device (the CD audio device), and CMciSequencer, the MIDI sequencer opened by
// file. Every command goes through one send operation, which keeps the last error and shows it
// when asked to.
#ifndef VELMORA_MCIDEVICE_H
#define VELMORA_MCIDEVICE_H

#include <windows.h>
#include <mmsystem.h>

class CMciDevice
{
    // Construction
public:
    CMciDevice();
    virtual ~CMciDevice() {}

    // Attributes
public:
    MCIDEVICEID GetDeviceId() const { return m_idDevice; }
    BOOL IsOpen() const { return m_idDevice != 0; }
    MCIERROR GetLastError() const { return m_nLastError; }
    void SetCallbackWindow(HWND hWnd) { m_hCallback = hWnd; }
    void SetReportErrors(BOOL bReport) { m_bReportErrors = bReport; }

    // Operations
public:
    virtual MCIERROR Open(LPCSTR pszName, BOOL bShareable);
    virtual MCIERROR OpenByType(DWORD dwTypeId, BOOL bShareable);
    // Closes the device when it is open (the id goes back to 0 whatever the answer).
    virtual MCIERROR Close();
    virtual DWORD GetStatus(DWORD dwItem);
    virtual DWORD GetMode();
    virtual MCIERROR GetInfo(DWORD dwFlags, LPSTR pszBuffer, DWORD nSize);

    MCIERROR Play(DWORD dwFrom, DWORD dwTo, BOOL bNotify);
    MCIERROR PlayFromHere(BOOL bNotify);
    MCIERROR Stop();
    MCIERROR SeekToStart(BOOL bNotify);
    MCIERROR SetTimeFormat(DWORD dwFormat);
    DWORD GetTrackLength(DWORD dwTrack);
    BOOL IsReady();
    MCIERROR OpenCdAudio(BOOL bShareable);

    // Implementation
protected:
    MCIDEVICEID m_idDevice;
    HWND m_hCallback;
    MCIERROR m_nLastError;
    BOOL m_bReportErrors;

    MCIERROR Send(MCIDEVICEID idDevice, UINT uMsg, DWORD_PTR dwFlags, DWORD_PTR dwParam);
};

class CMciSequencer : public CMciDevice
{
public:
    // Opens the sequencer on a MIDI file.
    MCIERROR Open(LPCSTR pszFile, BOOL bShareable) override;
};

#endif // VELMORA_MCIDEVICE_H
