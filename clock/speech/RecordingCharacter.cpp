// The recording stand-in of the character server: it keeps which characters are loaded and
// visible, raises the Move event for every move, and writes each call as one line of its log.
#include "AgentCharacter.h"

#include <windows.h>

#include <map>
#include <stdio.h>

namespace
{
struct CStandInState
{
    CString strPath;
    BOOL bVisible;
    BOOL bPlaced;
};

class CRecordingCharacter : public IAgentCharacter
{
public:
    explicit CRecordingCharacter(LPCTSTR pszLogFile) : m_strLog(pszLogFile), m_pSink(NULL) {}

    long Load(const CString& strId, const CString& strPath) override
    {
        DWORD dwAttr = ::GetFileAttributes(strPath);
        BOOL bFound =
            !strPath.IsEmpty() && dwAttr != INVALID_FILE_ATTRIBUTES && !(dwAttr & FILE_ATTRIBUTE_DIRECTORY);
        BOOL bLoadedAlready = m_chars.find(strId) != m_chars.end();
        for (std::map<CString, CStandInState>::const_iterator it = m_chars.begin(); it != m_chars.end(); ++it)
            bLoadedAlready = bLoadedAlready || it->second.strPath.CompareNoCase(strPath) == 0;
        // As the server does, a file this client has loaded already is refused.
        if (bFound && bLoadedAlready)
        {
            Log(_T("load ") + strId + _T(" ") + strPath + _T(" already"));
            return kAgentErrAlreadyLoaded;
        }
        Log(_T("load ") + strId + _T(" ") + strPath + (bFound ? _T(" ok") : _T(" failed")));
        if (!bFound)
            return (long)0x80042003;
        CStandInState state = {strPath, FALSE, FALSE};
        m_chars[strId] = state;
        return 0;
    }
    void Unload(const CString& strId) override
    {
        Log(_T("unload ") + strId);
        m_chars.erase(strId);
    }
    BOOL IsPlaced(const CString& strId) override
    {
        CStandInState* p = Find(strId);
        return p != NULL && p->bPlaced;
    }
    void SetLanguage(const CString& strId, long nLanguage) override
    {
        CString str;
        str.Format(_T(" %ld"), nLanguage);
        Log(_T("language ") + strId + str);
    }
    void SetSoundEffects(const CString& strId, BOOL bOn) override
    {
        Log(_T("effects ") + strId + (bOn ? _T(" on") : _T(" off")));
    }
    void SetBalloonStyle(const CString& strId, long nStyle) override
    {
        CString str;
        str.Format(_T(" %ld"), nStyle);
        Log(_T("balloon ") + strId + str);
    }
    void Show(const CString& strId) override
    {
        Log(_T("show ") + strId);
        if (CStandInState* p = Find(strId))
            p->bVisible = TRUE;
    }
    void Hide(const CString& strId) override
    {
        Log(_T("hide ") + strId);
        if (CStandInState* p = Find(strId))
            p->bVisible = FALSE;
    }
    void Play(const CString& strId, const CString& strAnimation) override
    {
        Log(_T("play ") + strId + _T(" ") + strAnimation);
    }
    void Speak(const CString& strId, const CString& strText) override
    {
        Log(_T("speak ") + strId + _T(" ") + strText);
    }
    void MoveTo(const CString& strId, short x, short y) override
    {
        CString str;
        str.Format(_T(" %d %d"), (int)x, (int)y);
        Log(_T("move ") + strId + str);
        CStandInState* p = Find(strId);
        if (p == NULL)
            return;
        p->bPlaced = TRUE;
        // Cause 2: moved by its client, as the server reports a move it was asked for.
        if (m_pSink != NULL)
            m_pSink->OnAgentMove(strId, x, y, 2);
    }
    BOOL IsVisible(const CString& strId) override
    {
        CStandInState* p = Find(strId);
        return p != NULL && p->bVisible;
    }
    BOOL GetVoice(const CString& strId, long& nPitch, long& nSpeed) override
    {
        if (Find(strId) == NULL)
            return FALSE;
        nPitch = 100;
        nSpeed = 160;
        return TRUE;
    }
    void SetMoveSink(IAgentMoveSink* pSink) override { m_pSink = pSink; }

private:
    CString m_strLog;
    IAgentMoveSink* m_pSink;
    std::map<CString, CStandInState> m_chars;

    CStandInState* Find(const CString& strId)
    {
        std::map<CString, CStandInState>::iterator it = m_chars.find(strId);
        return it != m_chars.end() ? &it->second : NULL;
    }
    void Log(const CString& strLine)
    {
        FILE* pFile = fopen(m_strLog, "a");
        if (pFile == NULL)
            return;
        fputs(strLine, pFile);
        fputc('\n', pFile);
        fclose(pFile);
    }
};
} // namespace

IAgentCharacter* CreateRecordingCharacter(LPCTSTR pszLogFile)
{
    return new CRecordingCharacter(pszLogFile);
}

IAgentCharacter* CreateStandInCharacter()
{
    char szPath[MAX_PATH];
    DWORD n = ::GetEnvironmentVariableA("VELMORA_AGENT_LOG", szPath, sizeof(szPath));
    if (n == 0 || n >= sizeof(szPath))
        return NULL;
    return CreateRecordingCharacter(szPath);
}

BOOL IsStandInCharacterWanted()
{
    char szPath[MAX_PATH];
    DWORD n = ::GetEnvironmentVariableA("VELMORA_AGENT_LOG", szPath, sizeof(szPath));
    return n > 0 && n < sizeof(szPath);
}
