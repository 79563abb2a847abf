// CORXToolsPage and its list of tools.
#include "ORXToolsPage.h"

#include <afxdlgs.h>

#include "ORXUserToolsManager.h"
#include "uiextras/uiextras_res.h"

/////////////////////////////////////////////////////////////////////////////
// CORXToolsList

CORXUserTool* CORXToolsList::GetTool(int iItem) const
{
    if (iItem < 0 || iItem >= GetCount())
        return NULL;
    return (CORXUserTool*)GetItemData(iItem);
}

void CORXToolsList::OnSelectionChanged()
{
    if (m_pParent != NULL)
        m_pParent->OnSelectTool();
}

BOOL CORXToolsList::OnBeforeRemoveItem(int iItem)
{
    CORXUserTool* pTool = GetTool(iItem);
    CORXUserToolsManager* pTools = ORXUserToolsManager();
    if (pTool == NULL || pTools == NULL)
        return TRUE;
    return pTools->RemoveTool(pTool);
}

void CORXToolsList::OnAfterAddItem(int iItem)
{
    CORXUserToolsManager* pTools = ORXUserToolsManager();
    CORXUserTool* pTool = pTools != NULL ? pTools->CreateNewTool() : NULL;
    if (pTool == NULL)
    {
        // No command id is left for another tool.
        ::MessageBeep((UINT)-1);
        RemoveItem(iItem);
        OnSelectionChanged();
        return;
    }
    pTool->m_strLabel = GetItemText(iItem);
    SetItemData(iItem, (DWORD_PTR)pTool);
    OnSelectionChanged();
}

void CORXToolsList::OnAfterRenameItem(int iItem)
{
    CORXUserTool* pTool = GetTool(iItem);
    if (pTool != NULL)
        pTool->m_strLabel = GetItemText(iItem);
}

/////////////////////////////////////////////////////////////////////////////
// CORXToolsPage

IMPLEMENT_DYNCREATE(CORXToolsPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CORXToolsPage, CPropertyPage)
ON_BN_CLICKED(IDC_ORX_CUST_TOOL_BROWSE, OnBrowseCommand)
ON_EN_UPDATE(IDC_ORX_CUST_TOOL_COMMAND, OnEditUpdate)
ON_EN_UPDATE(IDC_ORX_CUST_TOOL_ARGS, OnEditUpdate)
ON_EN_UPDATE(IDC_ORX_CUST_TOOL_DIR, OnEditUpdate)
ON_BN_CLICKED(IDC_ORX_CUST_TOOL_ARGS_MENU, OnArgumentsOptions)
ON_BN_CLICKED(IDC_ORX_CUST_TOOL_DIR_MENU, OnInitialDirectoryOptions)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CORXToolsPage::CORXToolsPage(UINT uiArgumentsMenuId, UINT uiInitialDirMenuId)
    : CPropertyPage(CORXToolsPage::IDD), m_uiArgumentsMenuId(uiArgumentsMenuId),
      m_uiInitialDirMenuId(uiInitialDirMenuId), m_hArgumentsMenu(NULL), m_hInitialDirMenu(NULL),
      m_bLoading(FALSE)
{
    m_wndToolsList.m_pParent = this;
}

CORXToolsPage::~CORXToolsPage()
{
    if (m_hArgumentsMenu != NULL)
        ::DestroyMenu(m_hArgumentsMenu);
    if (m_hInitialDirMenu != NULL)
        ::DestroyMenu(m_hInitialDirMenu);
}

void CORXToolsPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ORX_CUST_TOOL_COMMAND, m_wndCommand);
    DDX_Control(pDX, IDC_ORX_CUST_TOOL_ARGS, m_wndArguments);
    DDX_Control(pDX, IDC_ORX_CUST_TOOL_DIR, m_wndInitialDir);
    DDX_Control(pDX, IDC_ORX_CUST_TOOL_BROWSE, m_wndBrowseBtn);
    DDX_Control(pDX, IDC_ORX_CUST_TOOL_ARGS_MENU, m_wndArgumentsMenuBtn);
    DDX_Control(pDX, IDC_ORX_CUST_TOOL_DIR_MENU, m_wndInitialDirMenuBtn);
    DDX_Text(pDX, IDC_ORX_CUST_TOOL_COMMAND, m_strCommand);
    DDX_Text(pDX, IDC_ORX_CUST_TOOL_ARGS, m_strArguments);
    DDX_Text(pDX, IDC_ORX_CUST_TOOL_DIR, m_strInitialDirectory);
}

namespace
{
HMENU LoadPopup(UINT uiMenuId)
{
    if (uiMenuId == 0)
        return NULL;
    HMENU hMenu = ::LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(uiMenuId));
    if (hMenu == NULL)
        return NULL;
    // The button drops the resource's first pop-up.
    HMENU hPopup = ::GetSubMenu(hMenu, 0);
    if (hPopup != NULL)
    {
        ::RemoveMenu(hMenu, 0, MF_BYPOSITION);
        ::DestroyMenu(hMenu);
        return hPopup;
    }
    return hMenu;
}
} // namespace

BOOL CORXToolsPage::OnInitDialog()
{
    m_bLoading = TRUE;
    CPropertyPage::OnInitDialog();
    CWnd* pPlace = GetDlgItem(IDC_ORX_CUST_TOOLS_LIST);
    CRect rectList(6, 6, 200, 120);
    if (pPlace != NULL)
    {
        pPlace->GetWindowRect(rectList);
        ScreenToClient(rectList);
        pPlace->DestroyWindow();
    }
    m_wndToolsList.Create(_T("&Menu contents:"), WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, rectList,
                          this, IDC_ORX_CUST_TOOLS_LIST);
    m_wndToolsList.SetFont(GetFont());
    m_wndToolsList.SetStandardButtons(CORXEditListBox::BUTTON_NEW | CORXEditListBox::BUTTON_DELETE);
    if (CORXUserToolsManager* pTools = ORXUserToolsManager())
    {
        const CObList& lstTools = pTools->GetUserTools();
        for (POSITION pos = lstTools.GetHeadPosition(); pos != NULL;)
        {
            CORXUserTool* pTool = (CORXUserTool*)lstTools.GetNext(pos);
            m_wndToolsList.AddItem(pTool->m_strLabel, (DWORD_PTR)pTool);
        }
    }

    m_hArgumentsMenu = LoadPopup(m_uiArgumentsMenuId);
    m_hInitialDirMenu = LoadPopup(m_uiInitialDirMenuId);
    m_wndArgumentsMenuBtn.m_hMenu = m_hArgumentsMenu;
    m_wndInitialDirMenuBtn.m_hMenu = m_hInitialDirMenu;
    if (m_hArgumentsMenu == NULL)
        m_wndArgumentsMenuBtn.ShowWindow(SW_HIDE);
    if (m_hInitialDirMenu == NULL)
        m_wndInitialDirMenuBtn.ShowWindow(SW_HIDE);
    m_bLoading = FALSE;
    if (m_wndToolsList.GetCount() > 0)
        m_wndToolsList.SelectItem(0);
    OnSelectTool();
    return TRUE;
}

void CORXToolsPage::OnDestroy()
{
    m_wndArgumentsMenuBtn.m_hMenu = NULL;
    m_wndInitialDirMenuBtn.m_hMenu = NULL;
    CPropertyPage::OnDestroy();
}

CORXUserTool* CORXToolsPage::GetSelectedTool() const
{
    return m_wndToolsList.GetSafeHwnd() != NULL ? m_wndToolsList.GetTool(m_wndToolsList.GetSelItem()) : NULL;
}

void CORXToolsPage::OnSelectTool()
{
    if (m_bLoading)
        return;
    CORXUserTool* pTool = GetSelectedTool();
    m_strCommand = pTool != NULL ? pTool->GetCommand() : CString();
    m_strArguments = pTool != NULL ? pTool->m_strArguments : CString();
    m_strInitialDirectory = pTool != NULL ? pTool->m_strInitialDirectory : CString();
    // Filling the edits raises their updates, which would write the values back as they are.
    m_bLoading = TRUE;
    UpdateData(FALSE);
    m_bLoading = FALSE;
    OnUpdateTool();
}

void CORXToolsPage::OnEditUpdate()
{
    if (!m_bLoading)
        OnUpdateTool();
}

void CORXToolsPage::OnUpdateTool()
{
    UpdateData();
    CORXUserTool* pTool = GetSelectedTool();
    if (pTool != NULL)
    {
        if (pTool->GetCommand() != m_strCommand)
            pTool->SetCommand(m_strCommand);
        pTool->m_strArguments = m_strArguments;
        pTool->m_strInitialDirectory = m_strInitialDirectory;
    }
    else
    {
        m_strCommand.Empty();
        m_strArguments.Empty();
        m_strInitialDirectory.Empty();
        m_bLoading = TRUE;
        UpdateData(FALSE);
        m_bLoading = FALSE;
    }
    BOOL bEnable = pTool != NULL;
    m_wndCommand.EnableWindow(bEnable);
    m_wndArguments.EnableWindow(bEnable);
    m_wndInitialDir.EnableWindow(bEnable);
    m_wndBrowseBtn.EnableWindow(bEnable);
    m_wndArgumentsMenuBtn.EnableWindow(bEnable);
    m_wndInitialDirMenuBtn.EnableWindow(bEnable);
}

void CORXToolsPage::OnBrowseCommand()
{
    CORXUserToolsManager* pTools = ORXUserToolsManager();
    if (pTools == NULL)
        return;
    CFileDialog dlg(TRUE, pTools->GetDefExt(), NULL, 0, pTools->GetFilter(), this);
    if (dlg.DoModal() != IDOK)
        return;
    m_strCommand = dlg.GetPathName();
    UpdateData(FALSE);
    OnUpdateTool();
}

void CORXToolsPage::TypeMenuText(CORXMenuButton& button, CEdit& edit)
{
    if (button.m_nMenuResult == 0)
        return;
    CString strText;
    if (!strText.LoadString(button.m_nMenuResult))
        return;
    for (int i = 0; i < strText.GetLength(); i++)
        edit.SendMessage(WM_CHAR, (WPARAM)(TBYTE)strText[i]);
}

void CORXToolsPage::OnArgumentsOptions()
{
    TypeMenuText(m_wndArgumentsMenuBtn, m_wndArguments);
}

void CORXToolsPage::OnInitialDirectoryOptions()
{
    TypeMenuText(m_wndInitialDirMenuBtn, m_wndInitialDir);
}
