// The multimedia calls that alarm sounds make, each behind one small interface: the MCI command
// interface and PlaySound. The product uses the real calls; tests install recording stand-ins.
#ifndef VELMORA_SOUNDSERVICES_H
#define VELMORA_SOUNDSERVICES_H

#include <windows.h>
#include <mmsystem.h>

class IMciService
{
public:
    virtual ~IMciService() {}
    virtual MCIERROR SendCommand(MCIDEVICEID idDevice, UINT uMsg, DWORD_PTR dwFlags, DWORD_PTR dwParam) = 0;
    // Reports a failed command: the real service hands it, with the system's text for it, to the
    // error reporter the application installed, which shows the "MCI Error" box.
    virtual void ShowError(MCIERROR nError) = 0;
};

// What the application does with a failed MCI command the real service reports.
class IMciErrorReporter
{
public:
    virtual ~IMciErrorReporter() {}
    // pszText is the system's text for nError, "Unknown Error" when it has none.
    virtual void ReportMciError(MCIERROR nError, LPCSTR pszText) = 0;
};

class IPlaySoundService
{
public:
    virtual ~IPlaySoundService() {}
    virtual BOOL PlaySound(LPCSTR pszSound, DWORD fdwSound) = 0;
};

// The services in force, never null. Without an installed stand-in they are the real calls, except
// that the environment variable VELMORA_SOUND_LOG names a file to which a recording stand-in
// appends one line per request instead (Wine plays silently, a MIDI open may fail there with a
// modal box, and there is no CD drive). With it, VELMORA_SOUND_CD=1 makes a disc present.
IMciService& GetMciService();
IPlaySoundService& GetPlaySoundService();
// Installs a stand-in; null puts the real service back. The caller keeps ownership.
void SetMciService(IMciService* pService);
void SetPlaySoundService(IPlaySoundService* pService);
// Installs the application's reporter of failed commands; null takes it away, and a failure then
// goes unshown. The caller keeps ownership.
void SetMciErrorReporter(IMciErrorReporter* pReporter);

#endif // VELMORA_SOUNDSERVICES_H
