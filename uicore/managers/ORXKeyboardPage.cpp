// The keyboard customise page and the command categories of a menu.
#include "ORXKeyboardPage.h"

#include "ORXCommandManager.h"
#include "ORXExtrasHooks.h"
#include "ORXKeyboardManager.h"
#include "ORXMenuBar.h"
#include "ORXToolBar.h"
#include "ORXToolbarButton.h"

namespace
{
const UINT kIdsDefaultTable = 16114;
const UINT kIdsResetQuery = 16115;
const LPCTSTR kAllCommands = _T("All Commands");

enum
{
    kCategory = 16601,
    kCommands = 16641,
    kDescription = 16514,
    kTarget = 16642,
    kCurrentKeys = 16643,
    kNewKey = 16644,
    kAssign = 16645,
    kRemove = 16646,
    kResetAll = 16647,
    kAssignedLabel = 16526,
    kAssignedCommand = 16527,
    kAssignedKey = 16528
};

// Sub-menus deeper than this are not walked: a menu that holds itself would never end.
const int kMaxMenuDepth = 8;

// The frame's menu as the user sees it: the menu bar's default menu when the frame has one, else
// the frame's own.
HMENU GetFrameMenu(CFrameWnd* pFrame)
{
    if (pFrame == NULL || pFrame->GetSafeHwnd() == NULL)
        return NULL;
    for (CWnd* pChild = pFrame->GetWindow(GW_CHILD); pChild != NULL; pChild = pChild->GetNextWindow())
    {
        CORXMenuBar* pBar = DYNAMIC_DOWNCAST(CORXMenuBar, CWnd::FromHandlePermanent(pChild->m_hWnd));
        if (pBar != NULL && pBar->GetDefaultMenu() != NULL)
            return pBar->GetDefaultMenu();
    }
    if (pFrame->m_hMenuDefault != NULL)
        return pFrame->m_hMenuDefault;
    return ::GetMenu(pFrame->m_hWnd);
}
} // namespace

/////////////////////////////////////////////////////////////////////////////
// CORXMenuCategories

CORXMenuCategories::CORXMenuCategories() {}

CORXMenuCategories::~CORXMenuCategories()
{
    RemoveAll();
}

void CORXMenuCategories::RemoveAll()
{
    // The all-commands list shares its buttons with the others: each button is deleted once, from
    // the last list, which holds every one.
    for (int i = 0; i < (int)m_arLists.GetSize(); i++)
    {
        CObList* pList = (CObList*)m_arLists[i];
        if (i == (int)m_arLists.GetSize() - 1)
            while (!pList->IsEmpty())
                delete pList->RemoveHead();
        delete pList;
    }
    m_arLists.RemoveAll();
    m_arNames.RemoveAll();
}

BOOL CORXMenuCategories::IsRealCommand(UINT uiCmd)
{
    return uiCmd != 0 && uiCmd != (UINT)-1 && CORXToolBar::IsCommandPermitted(uiCmd);
}

CString CORXMenuCategories::GetMenuItemText(HMENU hMenu, int iPos)
{
    TCHAR szText[256] = {};
    ::GetMenuString(hMenu, iPos, szText, 255, MF_BYPOSITION);
    CString strRaw = szText;
    int iTab = strRaw.Find(_T('\t'));
    if (iTab >= 0)
        strRaw = strRaw.Left(iTab);
    CString strText;
    for (int i = 0; i < strRaw.GetLength(); i++)
    {
        // "&&" stands for one ampersand, a single one marks the access key.
        if (strRaw[i] == _T('&'))
        {
            if (i + 1 < strRaw.GetLength() && strRaw[i + 1] == _T('&'))
                strText += _T('&'), i++;
            continue;
        }
        strText += strRaw[i];
    }
    return strText;
}

BOOL CORXMenuCategories::HasCommand(const CObList* pList, UINT uiCmd)
{
    for (POSITION pos = pList->GetHeadPosition(); pos != NULL;)
        if (((CORXToolbarButton*)pList->GetNext(pos))->m_nID == uiCmd)
            return TRUE;
    return FALSE;
}

void CORXMenuCategories::AddCommands(HMENU hMenu, CObList* pList, CObList* pAll, int nDepth)
{
    if (nDepth > kMaxMenuDepth)
        return;
    CORXCommandManager* pCmdMgr = CORXCommandManager::GetCmdMgr();
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
    {
        HMENU hSub = ::GetSubMenu(hMenu, i);
        if (hSub != NULL)
        {
            AddCommands(hSub, pList, pAll, nDepth + 1);
            continue;
        }
        UINT uiCmd = ::GetMenuItemID(hMenu, i);
        if (!IsRealCommand(uiCmd))
            continue;
        CORXToolbarButton* pButton = NULL;
        for (POSITION pos = pAll->GetHeadPosition(); pos != NULL && pButton == NULL;)
        {
            CORXToolbarButton* pKnown = (CORXToolbarButton*)pAll->GetNext(pos);
            if (pKnown->m_nID == uiCmd)
                pButton = pKnown;
        }
        if (pButton == NULL)
        {
            int iImage = pCmdMgr != NULL ? pCmdMgr->GetCmdImage(uiCmd, FALSE) : -1;
            pButton = new CORXToolbarButton(uiCmd, iImage, GetMenuItemText(hMenu, i));
            pAll->AddTail(pButton);
        }
        if (!HasCommand(pList, uiCmd))
            pList->AddTail(pButton);
    }
}

void CORXMenuCategories::Build(HMENU hMenu)
{
    RemoveAll();
    if (hMenu == NULL || !::IsMenu(hMenu))
        return;
    CObList* pAll = new CObList;
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
    {
        HMENU hSub = ::GetSubMenu(hMenu, i);
        if (hSub == NULL)
            continue;
        CObList* pList = new CObList;
        AddCommands(hSub, pList, pAll, 1);
        m_arNames.Add(GetMenuItemText(hMenu, i));
        m_arLists.Add(pList);
    }
    m_arNames.Add(kAllCommands);
    m_arLists.Add(pAll);
}

int CORXMenuCategories::FillComboBox(CComboBox& wndCategory, BOOL bAddEmpty) const
{
    int nAdded = 0;
    for (int i = 0; i < GetCount(); i++)
    {
        CObList* pList = GetButtons(i);
        if (!bAddEmpty && pList->IsEmpty())
            continue;
        int iItem = wndCategory.AddString(m_arNames[i]);
        if (iItem < 0)
            continue;
        wndCategory.SetItemDataPtr(iItem, pList);
        nAdded++;
    }
    return nAdded;
}

/////////////////////////////////////////////////////////////////////////////
// CORXKeyboardPage

IMPLEMENT_DYNCREATE(CORXKeyboardPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CORXKeyboardPage, CPropertyPage)
ON_CBN_SELCHANGE(kCategory, OnSelchangeCategory)
ON_LBN_SELCHANGE(kCommands, OnSelchangeCommandsList)
ON_LBN_SELCHANGE(kCurrentKeys, OnSelchangeCurrentKeysList)
ON_CBN_SELCHANGE(kTarget, OnSelchangeViewType)
ON_EN_UPDATE(kNewKey, OnUpdateNewShortcutKey)
ON_BN_CLICKED(kAssign, OnAssign)
ON_BN_CLICKED(kRemove, OnRemove)
ON_BN_CLICKED(kResetAll, OnResetAll)
END_MESSAGE_MAP()

CORXKeyboardPage::CORXKeyboardPage(CFrameWnd* pParentFrame)
    : CPropertyPage(IDD), m_pParentFrame(pParentFrame), m_lpAccel(NULL), m_nAccelSize(0)
{
}

CORXKeyboardPage::~CORXKeyboardPage()
{
    delete[] m_lpAccel;
}

CFrameWnd* CORXKeyboardPage::GetFrame() const
{
    if (m_pParentFrame != NULL)
        return m_pParentFrame;
    return DYNAMIC_DOWNCAST(CFrameWnd, AfxGetMainWnd());
}

void CORXKeyboardPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, kCategory, m_wndCategoryList);
    DDX_Control(pDX, kCommands, m_wndCommandsList);
    DDX_Control(pDX, kTarget, m_wndViewTypeList);
    DDX_Control(pDX, kCurrentKeys, m_wndCurrentKeysList);
    DDX_Control(pDX, kNewKey, m_wndNewKey);
    DDX_Text(pDX, kDescription, m_strDescription);
}

BOOL CORXKeyboardPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();

    // Each document template with a table of its own, by its document name, then the frame.
    CPtrArray arTemplates;
    CORXKeyboardManager::GetTemplates(arTemplates);
    for (int i = 0; i < (int)arTemplates.GetSize(); i++)
    {
        CDocTemplate* pTemplate = (CDocTemplate*)arTemplates[i];
        CString strAll, strName;
        if (strAll.LoadString(pTemplate->m_nIDResource))
            AfxExtractSubString(strName, strAll, 1, _T('\n'));
        if (strName.IsEmpty())
            strName.Format(_T("%u"), pTemplate->m_nIDResource);
        int iItem = m_wndViewTypeList.AddString(strName);
        if (iItem >= 0)
            m_wndViewTypeList.SetItemDataPtr(iItem, pTemplate);
    }
    CFrameWnd* pFrame = GetFrame();
    if (pFrame != NULL && pFrame->m_hAccelTable != NULL)
    {
        CString strDefault;
        strDefault.LoadString(kIdsDefaultTable);
        int iItem = m_wndViewTypeList.AddString(strDefault);
        m_wndViewTypeList.SetItemDataPtr(iItem, pFrame);
        m_wndViewTypeList.SetCurSel(iItem);
    }
    FillCategories();
    CopyTargetTable();
    if (m_wndCategoryList.GetCount() > 0)
        SelectCategory(0);
    ShowAssignedTo(0, CString());
    UpdateButtons();
    return TRUE;
}

void CORXKeyboardPage::FillCategories()
{
    m_wndCategoryList.ResetContent();
    // The customise sheet that holds the page; a sheet that speaks through the registered
    // interface instead of deriving from it is the open one.
    CORXCustomizeSheet* pSheet = dynamic_cast<CORXCustomizeSheet*>(GetParent());
    if (pSheet == NULL)
        pSheet = CORXServices::Find<CORXCustomizeSheet>();
    if (pSheet != NULL && pSheet->FillCategoriesComboBox(m_wndCategoryList, FALSE))
        return;
    m_wndCategoryList.ResetContent();
    m_categories.Build(GetFrameMenu(GetFrame()));
    m_categories.FillComboBox(m_wndCategoryList, FALSE);
}

void CORXKeyboardPage::CopyTargetTable()
{
    delete[] m_lpAccel;
    m_lpAccel = NULL;
    m_nAccelSize = 0;
    m_nAccelSize = CORXKeyboardManager::GetAccelRecords(GetTargetTable(), m_lpAccel);
}

CObject* CORXKeyboardPage::GetTarget() const
{
    int iTarget = m_wndViewTypeList.GetCurSel();
    return iTarget >= 0 ? (CObject*)m_wndViewTypeList.GetItemDataPtr(iTarget) : NULL;
}

HACCEL CORXKeyboardPage::GetTargetTable() const
{
    CObject* pTarget = GetTarget();
    if (CDocTemplate* pTemplate = DYNAMIC_DOWNCAST(CDocTemplate, pTarget))
        return pTemplate->m_hAccelTable;
    if (CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, pTarget))
        return pFrame->m_hAccelTable;
    return NULL;
}

BOOL CORXKeyboardPage::InstallTargetTable(HACCEL hAccelNew)
{
    CObject* pTarget = GetTarget();
    BOOL bInstalled = FALSE;
    if (CDocTemplate* pTemplate = DYNAMIC_DOWNCAST(CDocTemplate, pTarget))
        bInstalled = CORXKeyboardManager::InstallTemplateTable(pTemplate, hAccelNew);
    else if (CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, pTarget))
        bInstalled = CORXKeyboardManager::InstallTable(pFrame, hAccelNew);
    if (!bInstalled && hAccelNew != NULL)
        ::DestroyAcceleratorTable(hAccelNew);
    return bInstalled;
}

void CORXKeyboardPage::SelectCategory(int iIndex)
{
    m_wndCategoryList.SetCurSel(iIndex);
    OnSelchangeCategory();
}

void CORXKeyboardPage::SelectCommand(int iIndex)
{
    m_wndCommandsList.SetCurSel(iIndex);
    OnSelchangeCommandsList();
}

void CORXKeyboardPage::OnSelchangeCategory()
{
    m_wndCommandsList.ResetContent();
    int iCategory = m_wndCategoryList.GetCurSel();
    if (iCategory >= 0)
    {
        CObList* pList = (CObList*)m_wndCategoryList.GetItemDataPtr(iCategory);
        for (POSITION pos = pList != NULL ? pList->GetHeadPosition() : NULL; pos != NULL;)
        {
            CORXToolbarButton* pButton = (CORXToolbarButton*)pList->GetNext(pos);
            if (pButton == NULL || !CORXMenuCategories::IsRealCommand(pButton->m_nID))
                continue;
            CString strText = pButton->m_strText;
            if (strText.IsEmpty())
                strText = GetCommandText(pButton->m_nID);
            int iItem = m_wndCommandsList.AddString(strText);
            if (iItem >= 0)
                m_wndCommandsList.SetItemData(iItem, pButton->m_nID);
        }
    }
    OnSelchangeCommandsList();
}

UINT CORXKeyboardPage::GetSelectedCommand() const
{
    int iItem = m_wndCommandsList.GetCurSel();
    return iItem >= 0 ? (UINT)m_wndCommandsList.GetItemData(iItem) : 0;
}

CString CORXKeyboardPage::GetCommandText(UINT uiCmd) const
{
    for (int i = 0; i < m_wndCommandsList.GetCount(); i++)
    {
        if ((UINT)m_wndCommandsList.GetItemData(i) == uiCmd)
        {
            CString strText;
            m_wndCommandsList.GetText(i, strText);
            return strText;
        }
    }
    // A command of another category: its name from the all-commands list, else its prompt.
    for (int iCat = 0; iCat < m_wndCategoryList.GetCount(); iCat++)
    {
        CObList* pList = (CObList*)m_wndCategoryList.GetItemDataPtr(iCat);
        for (POSITION pos = pList != NULL ? pList->GetHeadPosition() : NULL; pos != NULL;)
        {
            CORXToolbarButton* pButton = (CORXToolbarButton*)pList->GetNext(pos);
            if (pButton != NULL && pButton->m_nID == uiCmd && !pButton->m_strText.IsEmpty())
                return pButton->m_strText;
        }
    }
    CString strPrompt;
    if (strPrompt.LoadString(uiCmd))
    {
        int iNewLine = strPrompt.Find(_T('\n'));
        return iNewLine >= 0 ? strPrompt.Mid(iNewLine + 1) : strPrompt;
    }
    CString strId;
    strId.Format(_T("%u"), uiCmd);
    return strId;
}

void CORXKeyboardPage::OnSelchangeCommandsList()
{
    m_strDescription.Empty();
    UINT uiCmd = GetSelectedCommand();
    CString strPrompt;
    if (uiCmd != 0 && strPrompt.LoadString(uiCmd))
    {
        int iNewLine = strPrompt.Find(_T('\n'));
        m_strDescription = iNewLine >= 0 ? strPrompt.Left(iNewLine) : strPrompt;
    }
    SetDlgItemText(kDescription, m_strDescription);
    ShowCurrentKeys();
    UpdateButtons();
}

void CORXKeyboardPage::ShowCurrentKeys()
{
    m_wndCurrentKeysList.ResetContent();
    UINT uiCmd = GetSelectedCommand();
    if (uiCmd == 0)
        return;
    for (int i = 0; i < m_nAccelSize; i++)
    {
        if (m_lpAccel[i].cmd != uiCmd)
            continue;
        int iItem = m_wndCurrentKeysList.AddString(CORXKeyboardManager::FormatAccel(m_lpAccel[i]));
        if (iItem >= 0)
            m_wndCurrentKeysList.SetItemDataPtr(iItem, &m_lpAccel[i]);
    }
}

CString CORXKeyboardPage::GetCurrentKey(int i) const
{
    CString strKey;
    if (i >= 0 && i < m_wndCurrentKeysList.GetCount())
        m_wndCurrentKeysList.GetText(i, strKey);
    return strKey;
}

void CORXKeyboardPage::OnSelchangeCurrentKeysList()
{
    UpdateButtons();
}

void CORXKeyboardPage::OnSelchangeViewType()
{
    CopyTargetTable();
    ShowCurrentKeys();
    UpdateButtons();
}

UINT CORXKeyboardPage::FindKeyCommand(const ACCEL& accel) const
{
    BYTE fVirt = accel.fVirt | FVIRTKEY;
    for (int i = 0; i < m_nAccelSize; i++)
        if (m_lpAccel[i].key == accel.key && (m_lpAccel[i].fVirt | FVIRTKEY) == fVirt &&
            m_lpAccel[i].cmd != 0)
            return m_lpAccel[i].cmd;
    return 0;
}

void CORXKeyboardPage::ShowAssignedTo(UINT uiCmd, const CString& strKey)
{
    BOOL bShow = uiCmd != 0;
    CWnd* pLabel = GetDlgItem(kAssignedLabel);
    if (pLabel != NULL)
        pLabel->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    SetDlgItemText(kAssignedCommand, bShow ? GetCommandText(uiCmd) : CString());
    SetDlgItemText(kAssignedKey, bShow ? strKey : CString());
}

void CORXKeyboardPage::OnUpdateNewShortcutKey()
{
    if (m_wndNewKey.IsKeyDefined())
    {
        const ACCEL& accel = m_wndNewKey.GetAccel();
        ShowAssignedTo(FindKeyCommand(accel), CORXKeyboardManager::FormatAccel(accel));
    }
    else
        ShowAssignedTo(0, CString());
    UpdateButtons();
}

void CORXKeyboardPage::UpdateButtons()
{
    BOOL bTarget = m_wndViewTypeList.GetCurSel() >= 0;
    BOOL bCommand = GetSelectedCommand() != 0;
    CWnd* pAssign = GetDlgItem(kAssign);
    if (pAssign != NULL)
        pAssign->EnableWindow(bTarget && bCommand && m_wndNewKey.GetSafeHwnd() != NULL &&
                              m_wndNewKey.IsKeyDefined());
    CWnd* pRemove = GetDlgItem(kRemove);
    if (pRemove != NULL)
        pRemove->EnableWindow(bTarget && m_wndCurrentKeysList.GetCurSel() >= 0);
    // Only the keyboard manager knows where the tables came from.
    CWnd* pReset = GetDlgItem(kResetAll);
    if (pReset != NULL)
        pReset->EnableWindow(bTarget && ORXKeyboardManager() != NULL);
}

BOOL CORXKeyboardPage::AssignKey(const ACCEL& accel)
{
    UINT uiCmd = GetSelectedCommand();
    if (uiCmd == 0 || GetTarget() == NULL || accel.key == 0)
        return FALSE;
    ACCEL accelNew = accel;
    accelNew.cmd = (WORD)uiCmd;
    if (!InstallTargetTable(CORXKeyboardManager::AssignKey(GetTargetTable(), accelNew)))
        return FALSE;
    CopyTargetTable();
    ShowCurrentKeys();
    if (m_wndNewKey.GetSafeHwnd() != NULL)
        m_wndNewKey.ResetKey();
    ShowAssignedTo(0, CString());
    UpdateButtons();
    return TRUE;
}

BOOL CORXKeyboardPage::RemoveSelectedKey()
{
    int iKey = m_wndCurrentKeysList.GetCurSel();
    if (iKey < 0 || GetTarget() == NULL)
        return FALSE;
    const ACCEL* pAccel = (const ACCEL*)m_wndCurrentKeysList.GetItemDataPtr(iKey);
    if (pAccel == NULL)
        return FALSE;
    if (!InstallTargetTable(CORXKeyboardManager::RemoveKey(GetTargetTable(), pAccel->fVirt, pAccel->key)))
        return FALSE;
    CopyTargetTable();
    ShowCurrentKeys();
    UpdateButtons();
    return TRUE;
}

void CORXKeyboardPage::ResetAllKeys()
{
    CFrameWnd* pFrame = GetFrame();
    CORXKeyboardManager* pKeyboard = ORXKeyboardManager();
    if (pKeyboard == NULL)
        return;
    pKeyboard->ResetAll(pFrame);
    if (pFrame != NULL && pFrame->GetSafeHwnd() != NULL)
        pFrame->SendMessage(ORX_WM_TOOLBAR_RESETKEYBOARD);
    CopyTargetTable();
    OnSelchangeCategory();
}

void CORXKeyboardPage::OnAssign()
{
    if (m_wndNewKey.IsKeyDefined())
        AssignKey(m_wndNewKey.GetAccel());
}

void CORXKeyboardPage::OnRemove()
{
    RemoveSelectedKey();
}

void CORXKeyboardPage::OnResetAll()
{
    CString strQuestion;
    strQuestion.LoadString(kIdsResetQuery);
    if (AfxMessageBox(strQuestion, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    ResetAllKeys();
}
