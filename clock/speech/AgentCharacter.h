// IAgentCharacter: the speech character's server as the clock uses it, one call per request of the
// character control. Characters are named by the id they were loaded under. The product talks to
// the installed control; tests and the recording stand-in replace it.
#ifndef VELMORA_AGENTCHARACTER_H
#define VELMORA_AGENTCHARACTER_H

#include <afx.h>

// Receives the character's Move event: cause 1 is a drag by the user.
class IAgentMoveSink
{
public:
    virtual ~IAgentMoveSink() {}
    virtual void OnAgentMove(const CString& strId, short x, short y, short nCause) = 0;
};

class IAgentCharacter
{
public:
    virtual ~IAgentCharacter() {}
    // 0 when the character file loaded under the id, else the request's error number (never 0).
    virtual long Load(const CString& strId, const CString& strPath) = 0;
    virtual void Unload(const CString& strId) = 0;
    // The character was placed on the screen already (then it is not moved to the saved spot).
    virtual BOOL IsPlaced(const CString& strId) = 0;
    virtual void SetLanguage(const CString& strId, long nLanguage) = 0;
    virtual void SetSoundEffects(const CString& strId, BOOL bOn) = 0;
    virtual void SetBalloonStyle(const CString& strId, long nStyle) = 0;
    virtual void Show(const CString& strId) = 0;
    virtual void Hide(const CString& strId) = 0;
    virtual void Play(const CString& strId, const CString& strAnimation) = 0;
    // The text goes to the server as it is, tags and '|' alternatives included.
    virtual void Speak(const CString& strId, const CString& strText) = 0;
    virtual void MoveTo(const CString& strId, short x, short y) = 0;
    virtual BOOL IsVisible(const CString& strId) = 0;
    // The voice of a loaded character; FALSE when it cannot be read.
    virtual BOOL GetVoice(const CString& strId, long& nPitch, long& nSpeed) = 0;
    // Where Move events go; null for nowhere. The caller keeps ownership.
    virtual void SetMoveSink(IAgentMoveSink* pSink) = 0;
};

// The error number of a load whose character is loaded by this client already.
const long kAgentErrAlreadyLoaded = (long)0x8004200B;

// TRUE when the environment variable VELMORA_AGENT_LOG asks for the recording stand-in.
BOOL IsStandInCharacterWanted();
// The recording stand-in, when the environment variable VELMORA_AGENT_LOG names a file: it
// behaves as an installed character server that loads any file that exists, and appends one line
// per call to that file. Null otherwise. The caller owns the result.
IAgentCharacter* CreateStandInCharacter();
// A recording stand-in writing to the given file (tests).
IAgentCharacter* CreateRecordingCharacter(LPCTSTR pszLogFile);

#endif // VELMORA_AGENTCHARACTER_H
