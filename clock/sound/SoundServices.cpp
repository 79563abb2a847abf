// The real multimedia calls, and the recording stand-in that VELMORA_SOUND_LOG selects.
#include "SoundServices.h"

#include <stdio.h>

namespace
{
IMciService* g_pMci = NULL;
IPlaySoundService* g_pPlaySound = NULL;
IMciErrorReporter* g_pErrorReporter = NULL;

class CRealMci : public IMciService
{
public:
    MCIERROR SendCommand(MCIDEVICEID idDevice, UINT uMsg, DWORD_PTR dwFlags, DWORD_PTR dwParam) override
    {
        return ::mciSendCommandA(idDevice, uMsg, dwFlags, dwParam);
    }
    void ShowError(MCIERROR nError) override
    {
        if (g_pErrorReporter == NULL)
            return;
        char szText[256];
        if (!::mciGetErrorStringA(nError, szText, sizeof(szText)) || szText[0] == '\0')
            lstrcpynA(szText, "Unknown Error", sizeof(szText));
        g_pErrorReporter->ReportMciError(nError, szText);
    }
};

class CRealPlaySound : public IPlaySoundService
{
public:
    BOOL PlaySound(LPCSTR pszSound, DWORD fdwSound) override
    {
        return ::PlaySoundA(pszSound, NULL, fdwSound);
    }
};

BOOL GetEnv(LPCSTR pszName, char* pszOut, DWORD nSize)
{
    DWORD n = ::GetEnvironmentVariableA(pszName, pszOut, nSize);
    return n > 0 && n < nSize;
}

void Log(const char* pszFormat, const char* pszText, unsigned long nValue)
{
    char szPath[MAX_PATH];
    if (!GetEnv("VELMORA_SOUND_LOG", szPath, sizeof(szPath)))
        return;
    FILE* pFile = fopen(szPath, "a");
    if (pFile == NULL)
        return;
    fprintf(pFile, pszFormat, pszText, nValue);
    fputc('\n', pFile);
    fclose(pFile);
}

// Device 1 is the sequencer, 2 the CD device; a CD is in the drive only when asked for.
class CRecordingMci : public IMciService
{
public:
    MCIERROR SendCommand(MCIDEVICEID idDevice, UINT uMsg, DWORD_PTR dwFlags, DWORD_PTR dwParam) override
    {
        switch (uMsg)
        {
        case MCI_OPEN: {
            MCI_OPEN_PARMSA* p = (MCI_OPEN_PARMSA*)dwParam;
            if (dwFlags & MCI_OPEN_ELEMENT)
            {
                Log("mci open sequencer %s%lu", p->lpstrElementName, 0);
                p->wDeviceID = 1;
            }
            else
            {
                Log("mci open cdaudio%s%lu", "", 0);
                p->wDeviceID = 2;
            }
            return 0;
        }
        case MCI_STATUS: {
            MCI_STATUS_PARMS* p = (MCI_STATUS_PARMS*)dwParam;
            char szCd[8];
            BOOL bDisc = GetEnv("VELMORA_SOUND_CD", szCd, sizeof(szCd)) && szCd[0] == '1';
            p->dwReturn = p->dwItem == MCI_STATUS_READY ? (idDevice == 2 ? bDisc : TRUE) : 0x00001E03;
            return 0;
        }
        case MCI_PLAY:
            Log("mci play %s%lu", "", idDevice);
            return 0;
        case MCI_STOP:
            Log("mci stop %s%lu", "", idDevice);
            return 0;
        case MCI_CLOSE:
            Log("mci close %s%lu", "", idDevice);
            return 0;
        case MCI_SEEK:
            Log("mci seek %s%lu", "", idDevice);
            return 0;
        default:
            return 0;
        }
    }
    void ShowError(MCIERROR nError) override { Log("mci error%s %lu", "", nError); }
};

class CRecordingPlaySound : public IPlaySoundService
{
public:
    BOOL PlaySound(LPCSTR pszSound, DWORD fdwSound) override
    {
        Log("PlaySound %s %lu", pszSound != NULL ? pszSound : "NULL", fdwSound);
        return TRUE;
    }
};

BOOL IsRecorded()
{
    char szPath[MAX_PATH];
    return GetEnv("VELMORA_SOUND_LOG", szPath, sizeof(szPath));
}
} // namespace

IMciService& GetMciService()
{
    static CRealMci real;
    static CRecordingMci recording;
    if (g_pMci != NULL)
        return *g_pMci;
    return IsRecorded() ? (IMciService&)recording : (IMciService&)real;
}

IPlaySoundService& GetPlaySoundService()
{
    static CRealPlaySound real;
    static CRecordingPlaySound recording;
    if (g_pPlaySound != NULL)
        return *g_pPlaySound;
    return IsRecorded() ? (IPlaySoundService&)recording : (IPlaySoundService&)real;
}

void SetMciService(IMciService* pService)
{
    g_pMci = pService;
}

void SetPlaySoundService(IPlaySoundService* pService)
{
    g_pPlaySound = pService;
}

void SetMciErrorReporter(IMciErrorReporter* pReporter)
{
    g_pErrorReporter = pReporter;
}
