// CAgentCtlEx: the installed speech character control, class {D45FD31B-5C6E-11D1-9EC1-00C04FD7081F},
// driven through its dispatch interfaces, as the character server of the clock.
#ifndef VELMORA_AGENTCTLEX_H
#define VELMORA_AGENTCTLEX_H

#include <afxwin.h>
#include <oaidl.h>

#include "AgentCharacter.h"

class CAgentEventSink;

class CAgentCtlEx : public CWnd, public IAgentCharacter
{
    DECLARE_DYNCREATE(CAgentCtlEx)

public:
    CAgentCtlEx();
    virtual ~CAgentCtlEx();

    // Creates the control and connects its events; FALSE when it is not installed.
    BOOL CreateControl();
    void Release();
    BOOL IsCreated() const { return m_pControl != NULL; }
    // The control's Boolean property 0x15.
    void SetControlFlag(BOOL bValue);

    // IAgentCharacter
    long Load(const CString& strId, const CString& strPath) override;
    void Unload(const CString& strId) override;
    BOOL IsPlaced(const CString& strId) override;
    void SetLanguage(const CString& strId, long nLanguage) override;
    void SetSoundEffects(const CString& strId, BOOL bOn) override;
    void SetBalloonStyle(const CString& strId, long nStyle) override;
    void Show(const CString& strId) override;
    void Hide(const CString& strId) override;
    void Play(const CString& strId, const CString& strAnimation) override;
    void Speak(const CString& strId, const CString& strText) override;
    void MoveTo(const CString& strId, short x, short y) override;
    BOOL IsVisible(const CString& strId) override;
    BOOL GetVoice(const CString& strId, long& nPitch, long& nSpeed) override;
    void SetMoveSink(IAgentMoveSink* pSink) override;

private:
    IDispatch* m_pControl;
    CAgentEventSink* m_pSink;
    IAgentMoveSink* m_pMoveSink;

    IDispatch* GetCharacters();
    IDispatch* GetCharacter(const CString& strId);
    // Calls a method of the character, dropping the request it returns.
    void CallCharacter(const CString& strId, DISPID id, VARIANT* pArgs, UINT nArgs);
    void PutCharacter(const CString& strId, DISPID id, VARIANT& value);
    BOOL GetCharacterLong(const CString& strId, DISPID id, long& nValue);

    friend class CAgentEventSink;
};

#endif // VELMORA_AGENTCTLEX_H
