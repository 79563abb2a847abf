// CAgentHostDlg: the small child window of the clock window that holds the speech character
// control, and hands the control's Move event to its owner. Under test the recording stand-in
// takes the control's place.
#ifndef VELMORA_AGENTHOSTDLG_H
#define VELMORA_AGENTHOSTDLG_H

#include <afxwin.h>

#include "AgentCharacter.h"
#include "AgentCtlEx.h"

class CAgentHostDlg : public CDialog, public IAgentMoveSink
{
public:
    // The owner receives the Move events; it outlives the window.
    explicit CAgentHostDlg(IAgentMoveSink* pOwner);
    virtual ~CAgentHostDlg();

    // Creates the hidden child window and its character server: the recording stand-in when the
    // environment asks for it, else the installed control. FALSE, with no window, when neither
    // exists.
    BOOL CreateHost(CWnd* pParent);
    // Null before CreateHost succeeded.
    IAgentCharacter* GetCharacter() const { return m_pCharacter; }
    BOOL IsStandIn() const { return m_pStandIn != NULL; }
    // The control's Boolean property 0x15 (nothing for the stand-in).
    void SetControlFlag(BOOL bValue);

    // IAgentMoveSink
    void OnAgentMove(const CString& strId, short x, short y, short nCause) override;

protected:
    IAgentMoveSink* m_pOwner;
    CAgentCtlEx m_control;
    IAgentCharacter* m_pStandIn;
    IAgentCharacter* m_pCharacter;

    virtual void OnOK() {}
    virtual void OnCancel() {}
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_AGENTHOSTDLG_H
