// The host window of the speech character.
#include "AgentHostDlg.h"

#include "resource.h"

BEGIN_MESSAGE_MAP(CAgentHostDlg, CDialog)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CAgentHostDlg::CAgentHostDlg(IAgentMoveSink* pOwner) : m_pOwner(pOwner), m_pStandIn(NULL), m_pCharacter(NULL)
{
}

CAgentHostDlg::~CAgentHostDlg()
{
    if (m_pCharacter != NULL)
        m_pCharacter->SetMoveSink(NULL);
    delete m_pStandIn;
}

BOOL CAgentHostDlg::CreateHost(CWnd* pParent)
{
    if (m_pCharacter != NULL)
        return TRUE;
    if (!Create(IDD_AGENT_HOST, pParent))
        return FALSE;
    m_pStandIn = CreateStandInCharacter();
    if (m_pStandIn != NULL)
        m_pCharacter = m_pStandIn;
    else if (m_control.CreateControl())
        m_pCharacter = &m_control;
    else
    {
        DestroyWindow();
        return FALSE;
    }
    m_pCharacter->SetMoveSink(this);
    return TRUE;
}

void CAgentHostDlg::SetControlFlag(BOOL bValue)
{
    if (m_pCharacter == &m_control)
        m_control.SetControlFlag(bValue);
}

void CAgentHostDlg::OnAgentMove(const CString& strId, short x, short y, short nCause)
{
    if (m_pOwner != NULL)
        m_pOwner->OnAgentMove(strId, x, y, nCause);
}

void CAgentHostDlg::OnDestroy()
{
    if (m_pCharacter != NULL)
        m_pCharacter->SetMoveSink(NULL);
    m_control.Release();
    if (m_pCharacter == &m_control)
        m_pCharacter = NULL;
    CDialog::OnDestroy();
}
