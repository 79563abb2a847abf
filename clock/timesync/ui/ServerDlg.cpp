// CServerDlg: a name of blanks only is refused; the description is kept as typed.
#include "ServerDlg.h"

#include "resource.h"

CServerDlg::CServerDlg(CWnd* pParent) : CDialog(IDD, pParent), m_nMode(1) {}

void CServerDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SERVER_NAME, m_strName);
    DDX_Text(pDX, IDC_SERVER_DESCRIPTION, m_strDescription);
}

BOOL CServerDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_nMode == 1 ? _T("New Server") : _T("Modify Server"));
    return TRUE;
}

void CServerDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    m_strName.TrimLeft();
    m_strName.TrimRight();
    if (m_strName.IsEmpty())
    {
        AfxMessageBox(_T("Please enter the Server Name/IP Address"), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    EndDialog(IDOK);
}
