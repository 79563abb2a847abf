// The "Time Synchronization" page in a real property sheet: the server list and combo box, edits
// that go straight into the clock window's list, the selection that follows them, and the server
// dialog's refusal of a blank name.
#include <gtest/gtest.h>

#include <afxwin.h>
#include <afxdlgs.h>
#include <deque>
#include <vector>

#include "AppTestMain.h"
#include "ServerDlg.h"
#include "SyncOptions.h"
#include "TimeServer.h"
#include "velmora/resource.h"

namespace
{
std::vector<CString> g_messages;

int AFXAPI RecordMessage(LPCTSTR pszText, UINT, UINT)
{
    g_messages.push_back(pszText);
    return IDOK;
}

struct CAnswer
{
    INT_PTR nResult;
    LPCTSTR pszName;
    LPCTSTR pszDescription;
};

// The page with its server dialog answered from a script.
class CScriptedPage : public CSyncOptions
{
public:
    std::deque<CAnswer> m_answers;
    std::vector<int> m_modes;

protected:
    INT_PTR RunServerDialog(int nMode) override
    {
        m_modes.push_back(nMode);
        CAnswer answer = m_answers.front();
        m_answers.pop_front();
        if (answer.nResult == IDOK)
        {
            m_strTransferName = answer.pszName;
            m_strTransferDescription = answer.pszDescription;
        }
        return answer.nResult;
    }
};

class SyncOptions : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetAppTestProfile();
        AfxSetResourceHandle(::GetModuleHandle(NULL));
        m_pfnOldHook = afxMessageBoxHook;
        afxMessageBoxHook = RecordMessage;
        g_messages.clear();
        Add(_T("a.example"), _T("First"));
        Add(_T("b.example"), _T("Second"));
        Add(_T("c.example"), _T("Third"));
    }
    void TearDown() override
    {
        afxMessageBoxHook = m_pfnOldHook;
        for (INT_PTR i = 0; i < m_servers.GetSize(); i++)
            delete m_servers[i];
    }
    void Add(LPCTSTR pszName, LPCTSTR pszDescription)
    {
        CTimeServer* p = new CTimeServer;
        p->m_strServer = pszName;
        p->m_strDescription = pszDescription;
        m_servers.Add(p);
    }
    void Open(CSyncOptions& page, CPropertySheet& sheet, LPCTSTR pszSelected)
    {
        page.m_pServers = &m_servers;
        page.m_strServer = pszSelected;
        page.m_strLocation = _T("kept");
        sheet.AddPage(&page);
        ASSERT_TRUE(sheet.Create(NULL, WS_POPUP | WS_CAPTION | WS_SYSMENU));
        ASSERT_TRUE(page.GetSafeHwnd() != NULL);
    }
    static void SelectRow(CSyncOptions& page, int nRow)
    {
        page.m_lcServers.SetItemState(nRow, LVIS_SELECTED, LVIS_SELECTED);
    }
    static void Click(CSyncOptions& page, UINT nID)
    {
        page.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                         (LPARAM)page.GetDlgItem(nID)->GetSafeHwnd());
    }
    static CString ComboText(CSyncOptions& page)
    {
        int n = page.m_cbServers.GetCurSel();
        CString str;
        if (n >= 0)
            page.m_cbServers.GetLBText(n, str);
        return str;
    }
    CString Name(int i) const { return ((CTimeServer*)m_servers[i])->m_strServer; }

    CObArray m_servers;
    AFX_MESSAGEBOX_HOOK m_pfnOldHook = NULL;
};
} // namespace

TEST_F(SyncOptions, ListsTheServersAndSelectsTheChosenOne)
{
    Add(_T("b.example"), _T("Second again"));
    CScriptedPage page;
    CPropertySheet sheet(_T("Velmora Options"));
    Open(page, sheet, _T("b.example"));
    ASSERT_EQ(4, page.m_lcServers.GetItemCount());
    EXPECT_EQ(CString(_T("c.example")), page.m_lcServers.GetItemText(2, 0));
    EXPECT_EQ(CString(_T("Third")), page.m_lcServers.GetItemText(2, 1));
    ASSERT_EQ(4, page.m_cbServers.GetCount());
    // Two servers of one name: the first is the selected one.
    EXPECT_EQ(1, page.m_cbServers.GetCurSel());
    EXPECT_EQ(CString(_T("kept")), page.m_strLocation);
    // Nothing selected in the list: nothing to change or delete.
    EXPECT_FALSE(page.GetDlgItem(IDC_SYNC_MODIFY_SERVER)->IsWindowEnabled());
    EXPECT_FALSE(page.GetDlgItem(IDC_SYNC_DELETE_SERVER)->IsWindowEnabled());

    // Choosing in the combo box takes that server's description.
    page.m_cbServers.SetCurSel(2);
    page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SYNC_SERVER_COMBO, CBN_SELCHANGE),
                     (LPARAM)page.m_cbServers.GetSafeHwnd());
    EXPECT_EQ(CString(_T("c.example")), page.m_strServer);
    EXPECT_EQ(CString(_T("Third")), page.m_strLocation);
}

TEST_F(SyncOptions, AServerThatIsNotListedIsForgotten)
{
    CScriptedPage page;
    CPropertySheet sheet(_T("Velmora Options"));
    Open(page, sheet, _T("gone.example"));
    EXPECT_EQ(-1, page.m_cbServers.GetCurSel());
    EXPECT_TRUE(page.m_strServer.IsEmpty());
    EXPECT_TRUE(page.m_strLocation.IsEmpty());
}

TEST_F(SyncOptions, AddModifyAndDeleteChangeTheListAtOnce)
{
    CScriptedPage page;
    page.m_answers = {{IDOK, _T("d.example"), _T("Fourth")},
                      {IDCANCEL, NULL, NULL},
                      {IDOK, _T("bb.example"), _T("Renamed")},
                      {IDOK, _T("cc.example"), _T("Third, renamed")}};
    CPropertySheet sheet(_T("Velmora Options"));
    Open(page, sheet, _T("b.example"));

    Click(page, IDC_SYNC_ADD_SERVER);
    ASSERT_EQ(4, m_servers.GetSize());
    EXPECT_EQ(CString(_T("d.example")), Name(3));
    EXPECT_EQ(4, page.m_lcServers.GetItemCount());
    EXPECT_EQ(CString(_T("b.example")), ComboText(page));
    // A cancelled addition adds nothing.
    Click(page, IDC_SYNC_ADD_SERVER);
    EXPECT_EQ(4, m_servers.GetSize());

    // Modifying the selected row renames it; the combo box follows the new name.
    SelectRow(page, 1);
    Click(page, IDC_SYNC_MODIFY_SERVER);
    EXPECT_EQ((std::vector<int>{1, 1, 0}), page.m_modes);
    EXPECT_EQ(CString(_T("bb.example")), Name(1));
    EXPECT_EQ(CString(_T("Renamed")), ((CTimeServer*)m_servers[1])->m_strDescription);
    EXPECT_EQ(CString(_T("bb.example")), page.m_strServer);
    EXPECT_EQ(CString(_T("Renamed")), page.m_strLocation);
    EXPECT_EQ(CString(_T("bb.example")), ComboText(page));

    // Modifying another row leaves the selected server and its location as they were.
    SelectRow(page, 2);
    Click(page, IDC_SYNC_MODIFY_SERVER);
    EXPECT_EQ(CString(_T("cc.example")), Name(2));
    EXPECT_EQ(CString(_T("bb.example")), page.m_strServer);
    EXPECT_EQ(CString(_T("Renamed")), page.m_strLocation);
    EXPECT_EQ(CString(_T("bb.example")), ComboText(page));

    // Deleting the selected server leaves the page without one.
    SelectRow(page, 1);
    Click(page, IDC_SYNC_DELETE_SERVER);
    ASSERT_EQ(3, m_servers.GetSize());
    EXPECT_EQ(CString(_T("cc.example")), Name(1));
    EXPECT_TRUE(page.m_strServer.IsEmpty());
    EXPECT_EQ(-1, page.m_cbServers.GetCurSel());
    EXPECT_TRUE(g_messages.empty());

    // The edits stay in the list whatever the sheet's end.
    sheet.DestroyWindow();
    EXPECT_EQ(3, m_servers.GetSize());
}

TEST_F(SyncOptions, WithoutTheDialUpLibraryTheModemCannotBeChosen)
{
    CScriptedPage page;
    page.m_bDialUpMissing = TRUE;
    page.m_nConnectType = 0;
    page.m_bPeriodicSync = FALSE;
    CPropertySheet sheet(_T("Velmora Options"));
    Open(page, sheet, _T("a.example"));
    EXPECT_FALSE(page.GetDlgItem(IDC_SYNC_MODEM)->IsWindowEnabled());
    EXPECT_TRUE(page.GetDlgItem(IDC_SYNC_LAN)->IsWindowEnabled());
    EXPECT_FALSE(page.GetDlgItem(IDC_SYNC_INTERVAL)->IsWindowEnabled());
}

TEST_F(SyncOptions, TheServerDialogRefusesABlankName)
{
    CServerDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_SERVER, NULL));
    CString strCaption;
    dlg.GetWindowText(strCaption);
    EXPECT_EQ(CString(_T("New Server")), strCaption);
    dlg.SetDlgItemText(IDC_SERVER_NAME, _T("   "));
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_EQ(1u, g_messages.size());
    EXPECT_EQ(CString(_T("Please enter the Server Name/IP Address")), g_messages[0]);

    dlg.SetDlgItemText(IDC_SERVER_NAME, _T("  ntp.example  "));
    dlg.SetDlgItemText(IDC_SERVER_DESCRIPTION, _T(" Lab "));
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(1u, g_messages.size());
    EXPECT_EQ(CString(_T("ntp.example")), dlg.m_strName);
    EXPECT_EQ(CString(_T(" Lab ")), dlg.m_strDescription);
    if (dlg.GetSafeHwnd() != NULL)
        dlg.DestroyWindow();
}
