// CSyncOptions: the settings moved by DDX; server edits go straight into the host's list.
#include "SyncOptions.h"

#include "ServerDlg.h"
#include "Settings.h"
#include "TimeServer.h"
#include "TimeSyncHost.h"
#include "resource.h"

IMPLEMENT_DYNCREATE(CSyncOptions, CPropertyPage)

BEGIN_MESSAGE_MAP(CSyncOptions, CPropertyPage)
ON_CBN_SELCHANGE(IDC_SYNC_SERVER_COMBO, OnSelectServer)
ON_BN_CLICKED(IDC_SYNC_PERIODIC, OnPeriodicClicked)
ON_BN_CLICKED(IDC_SYNC_ANNOUNCE, OnAnnounceClicked)
ON_BN_CLICKED(IDC_SYNC_NO_BIG, OnNoBigClicked)
ON_NOTIFY(NM_CLICK, IDC_SYNC_SERVER_LIST, OnListClick)
ON_BN_CLICKED(IDC_SYNC_ADD_SERVER, OnAddServer)
ON_BN_CLICKED(IDC_SYNC_DELETE_SERVER, OnDeleteServer)
ON_BN_CLICKED(IDC_SYNC_MODIFY_SERVER, OnModifyServer)
ON_BN_CLICKED(IDC_SYNC_NOW, OnSyncNow)
END_MESSAGE_MAP()

CSyncOptions::CSyncOptions()
    : CPropertyPage(IDD), m_bSyncOnStartup(FALSE), m_bPeriodicSync(FALSE), m_nSyncInterval(60),
      m_nServerIndex(-1), m_bAnnounceSync(FALSE), m_bSyncTime(FALSE), m_nConnectType(1),
      m_nConnectErrorMode(1), m_nSyncTimeOut(5), m_bNoBigSync(TRUE), m_bDialUpMissing(FALSE), m_pHost(NULL),
      m_pServers(NULL)
{
    m_dtNoBigSync.SetDateTime(1899, 12, 30, 1, 0, 0);
}

void CSyncOptions::LoadFrom(const CSettings& s)
{
    m_bSyncOnStartup = s.m_bSyncOnStartup;
    m_bPeriodicSync = s.m_bPeriodicSync;
    m_nSyncInterval = s.m_nSyncInterval;
    m_strServer = s.m_strSNTPTimeServer;
    m_strLocation = s.m_strSNTPLoc;
    m_bAnnounceSync = s.m_bAnnounceSync;
    m_bSyncTime = s.m_bSyncTime;
    m_strSyncMsg = s.m_strSyncMsg;
    m_nConnectType = s.m_nConnectType;
    m_nConnectErrorMode = s.m_nConnectErrorMode;
    m_nSyncTimeOut = s.m_nSyncTimeOut;
    m_bNoBigSync = s.m_bNoBigSync;
    m_dtNoBigSync = s.m_dtNoBigSync;
}

void CSyncOptions::SaveTo(CSettings& s) const
{
    s.m_bSyncOnStartup = m_bSyncOnStartup;
    s.m_nSyncInterval = m_nSyncInterval;
    s.m_bPeriodicSync = m_bPeriodicSync;
    s.m_strSNTPTimeServer = m_strServer;
    s.m_strSNTPLoc = m_strLocation;
    s.m_bAnnounceSync = m_bAnnounceSync;
    s.m_bSyncTime = m_bSyncTime;
    s.m_strSyncMsg = m_strSyncMsg;
    s.m_bNoBigSync = m_bNoBigSync;
    s.m_dtNoBigSync = m_dtNoBigSync;
    s.m_nConnectType = m_nConnectType;
    s.m_nConnectErrorMode = m_nConnectErrorMode;
    s.m_nSyncTimeOut = m_nSyncTimeOut;
}

void CSyncOptions::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SYNC_SERVER_LIST, m_lcServers);
    DDX_Control(pDX, IDC_SYNC_SERVER_COMBO, m_cbServers);
    DDX_Check(pDX, IDC_SYNC_ON_STARTUP, m_bSyncOnStartup);
    DDX_Check(pDX, IDC_SYNC_PERIODIC, m_bPeriodicSync);
    DDX_Text(pDX, IDC_SYNC_INTERVAL, m_nSyncInterval);
    DDV_MinMaxInt(pDX, m_nSyncInterval, 1, 999);
    DDX_CBIndex(pDX, IDC_SYNC_SERVER_COMBO, m_nServerIndex);
    DDX_Check(pDX, IDC_SYNC_ANNOUNCE, m_bAnnounceSync);
    DDX_Check(pDX, IDC_SYNC_SAY_TIME, m_bSyncTime);
    DDX_Text(pDX, IDC_SYNC_MESSAGE, m_strSyncMsg);
    DDX_Radio(pDX, IDC_SYNC_LAN, m_nConnectType);
    DDX_Radio(pDX, IDC_SYNC_ERR_NOTHING, m_nConnectErrorMode);
    DDX_Text(pDX, IDC_SYNC_TIMEOUT, m_nSyncTimeOut);
    DDV_MinMaxInt(pDX, m_nSyncTimeOut, 1, 60);
    DDX_Check(pDX, IDC_SYNC_NO_BIG, m_bNoBigSync);
    DDX_DateTimeCtrl(pDX, IDC_SYNC_MAX_DIFFERENCE, m_dtNoBigSync);
}

BOOL CSyncOptions::OnInitDialog()
{
    if (m_pServers == NULL && m_pHost != NULL)
        m_pServers = &m_pHost->GetTimeServers();
    CPropertyPage::OnInitDialog();
    m_lcServers.InsertColumn(0, _T("Server Name/Address"), LVCFMT_LEFT, 150);
    m_lcServers.InsertColumn(1, _T("Description"), LVCFMT_LEFT, 193);
    m_lcServers.SetExtendedStyle(m_lcServers.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    CDateTimeCtrl* pPicker = (CDateTimeCtrl*)GetDlgItem(IDC_SYNC_MAX_DIFFERENCE);
    if (pPicker != NULL)
    {
        pPicker->SetFormat(_T("HH:mm:ss"));
        COleDateTime dtMin(1899, 12, 30, 0, 0, 0);
        COleDateTime dtMax(1899, 12, 30, 23, 59, 59);
        pPicker->SetRange(&dtMin, &dtMax);
        pPicker->SetTime(m_dtNoBigSync);
    }
    CSpinButtonCtrl* pSpin = (CSpinButtonCtrl*)GetDlgItem(IDC_SYNC_INTERVAL_SPIN);
    if (pSpin != NULL)
        pSpin->SendMessage(UDM_SETRANGE32, 1, 999);
    pSpin = (CSpinButtonCtrl*)GetDlgItem(IDC_SYNC_TIMEOUT_SPIN);
    if (pSpin != NULL)
        pSpin->SendMessage(UDM_SETRANGE32, 1, 60);
    if (m_bDialUpMissing && GetDlgItem(IDC_SYNC_MODEM) != NULL)
        GetDlgItem(IDC_SYNC_MODEM)->EnableWindow(FALSE);
    FillServerLists();
    EnableDependentControls();
    return TRUE;
}

void CSyncOptions::FillServerLists()
{
    m_lcServers.DeleteAllItems();
    m_cbServers.ResetContent();
    if (m_pServers != NULL)
    {
        for (INT_PTR i = 0; i < m_pServers->GetSize(); i++)
        {
            CTimeServer* pServer = (CTimeServer*)m_pServers->GetAt(i);
            int nRow = m_lcServers.InsertItem((int)i, pServer->m_strServer);
            m_lcServers.SetItemText(nRow, 1, pServer->m_strDescription);
            m_cbServers.AddString(pServer->m_strServer);
        }
    }
    m_nServerIndex = m_strServer.IsEmpty() ? CB_ERR : m_cbServers.FindStringExact(-1, m_strServer);
    if (m_nServerIndex == CB_ERR)
    {
        m_nServerIndex = -1;
        m_strServer.Empty();
        m_strLocation.Empty();
    }
    m_cbServers.SetCurSel(m_nServerIndex);
    BOOL bRow = GetSelectedRow() >= 0;
    GetDlgItem(IDC_SYNC_MODIFY_SERVER)->EnableWindow(bRow);
    GetDlgItem(IDC_SYNC_DELETE_SERVER)->EnableWindow(bRow);
}

void CSyncOptions::EnableDependentControls()
{
    const UINT periodic[] = {IDC_SYNC_EVERY_LABEL, IDC_SYNC_INTERVAL, IDC_SYNC_INTERVAL_SPIN,
                             IDC_SYNC_MINUTES_LABEL};
    for (UINT nID : periodic)
        GetDlgItem(nID)->EnableWindow(m_bPeriodicSync);
    const UINT announce[] = {IDC_SYNC_SAY_TIME, IDC_SYNC_MESSAGE_LABEL, IDC_SYNC_MESSAGE};
    for (UINT nID : announce)
        GetDlgItem(nID)->EnableWindow(m_bAnnounceSync);
    GetDlgItem(IDC_SYNC_MAX_DIFFERENCE)->EnableWindow(m_bNoBigSync);
}

int CSyncOptions::GetSelectedRow() const
{
    return (int)::SendMessage(m_lcServers.m_hWnd, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
}

void CSyncOptions::OnSelectServer()
{
    int nIndex = m_cbServers.GetCurSel();
    m_nServerIndex = nIndex;
    if (nIndex < 0 || m_pServers == NULL || nIndex >= m_pServers->GetSize())
        return;
    m_cbServers.GetLBText(nIndex, m_strServer);
    m_strLocation = ((CTimeServer*)m_pServers->GetAt(nIndex))->m_strDescription;
}

void CSyncOptions::OnPeriodicClicked()
{
    UpdateData(TRUE);
    EnableDependentControls();
}

void CSyncOptions::OnAnnounceClicked()
{
    UpdateData(TRUE);
    EnableDependentControls();
}

void CSyncOptions::OnNoBigClicked()
{
    UpdateData(TRUE);
    EnableDependentControls();
}

void CSyncOptions::OnListClick(NMHDR*, LRESULT* pResult)
{
    BOOL bRow = GetSelectedRow() >= 0;
    GetDlgItem(IDC_SYNC_MODIFY_SERVER)->EnableWindow(bRow);
    GetDlgItem(IDC_SYNC_DELETE_SERVER)->EnableWindow(bRow);
    *pResult = 0;
}

INT_PTR CSyncOptions::RunServerDialog(int nMode)
{
    CServerDlg dlg(this);
    dlg.m_nMode = nMode;
    dlg.m_strName = m_strTransferName;
    dlg.m_strDescription = m_strTransferDescription;
    INT_PTR nResult = dlg.DoModal();
    if (nResult == IDOK)
    {
        m_strTransferName = dlg.m_strName;
        m_strTransferDescription = dlg.m_strDescription;
    }
    return nResult;
}

void CSyncOptions::OnAddServer()
{
    if (m_pServers == NULL)
        return;
    m_strTransferName.Empty();
    m_strTransferDescription.Empty();
    if (RunServerDialog(1) != IDOK)
        return;
    CTimeServer* pServer = new CTimeServer;
    pServer->m_strServer = m_strTransferName;
    pServer->m_strDescription = m_strTransferDescription;
    m_pServers->Add(pServer);
    FillServerLists();
}

void CSyncOptions::OnModifyServer()
{
    int nRow = GetSelectedRow();
    if (m_pServers == NULL || nRow < 0 || nRow >= m_pServers->GetSize())
        return;
    CTimeServer* pServer = (CTimeServer*)m_pServers->GetAt(nRow);
    m_strTransferName = pServer->m_strServer;
    m_strTransferDescription = pServer->m_strDescription;
    // The selection follows the server it named, with its new description as the location; a
    // change to another row leaves the selection and its location alone.
    BOOL bWasSelected = !m_strServer.IsEmpty() && pServer->m_strServer == m_strServer;
    if (RunServerDialog(0) != IDOK)
        return;
    if (bWasSelected)
    {
        m_strServer = m_strTransferName;
        m_strLocation = m_strTransferDescription;
    }
    pServer->m_strServer = m_strTransferName;
    pServer->m_strDescription = m_strTransferDescription;
    FillServerLists();
}

void CSyncOptions::OnDeleteServer()
{
    int nRow = GetSelectedRow();
    if (m_pServers == NULL || nRow < 0 || nRow >= m_pServers->GetSize())
        return;
    delete m_pServers->GetAt(nRow);
    m_pServers->RemoveAt(nRow);
    FillServerLists();
}

void CSyncOptions::OnSyncNow()
{
    // The connection type, time-out and maximum difference are the page's as they stand; a value
    // the page refuses is shown, and nothing is asked of the server.
    if (m_pHost != NULL && UpdateData(TRUE))
        m_pHost->SyncWithOptions(*this);
}
