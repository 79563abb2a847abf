#include "TorvaneApp.h"

#include <afxdisp.h>
#include <afxsock.h>

#include "TorvaneDlg.h"
#include "torvane/resource.h"

BEGIN_MESSAGE_MAP(CTorvaneApp, CVersionedApp)
ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

CTorvaneApp::CTorvaneApp() {}

BOOL CTorvaneApp::InitInstance()
{
    if (!AfxSocketInit())
    {
        AfxMessageBox(IDS_SOCKETS_INIT_FAILED);
        return FALSE;
    }
    AfxEnableControlContainer();
    Enable3dControlsStatic();

    CTorvaneDlg dlg;
    CVersionedApp::InitInstance();
    dlg.m_pApp = this;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = NULL;
    return FALSE;
}

CTorvaneAboutDlg::CTorvaneAboutDlg() : CDialog(IDD_ABOUTBOX) {}
