// CORXToolbarCustomize: the sheet keeps the command categories its pages list and drag from; its
// buttons are its own, the bars and managers it shows belong to the framework.
#include "ORXToolbarCustomize.h"

#include "ORXButtonAppearanceDlg.h"
#include "ORXCommandManager.h"
#include "ORXCustomizePage.h"
#include "ORXImageEditDlg.h"
#include "ORXKeyboardManager.h"
#include "ORXKeyboardPage.h"
#include "ORXMenuBar.h"
#include "ORXMenuPage.h"
#include "ORXMouseManager.h"
#include "ORXMousePage.h"
#include "ORXOptionsPage.h"
#include "ORXToolBar.h"
#include "ORXToolbarsPage.h"
#include "ORXToolsPage.h"
#include "ORXUserToolsManager.h"
#include "ORXWorkspace.h"
#include "uiextras/uiextras_res.h"

namespace
{
// The sheet's own messages: a modeless sheet may have ended; its buttons are there to be set.
const UINT WM_ORX_CLOSESHEET = WM_APP + 0x4F;
const UINT WM_ORX_SETBUTTONS = WM_APP + 0x50;
const int kMaxMenuDepth = 8;

// Context help ids of the sheet's controls: the control id + 0x41000.
#define ORX_HELP_ID(id) (id), (id) + 0x41000
const DWORD kHelpIds[] = {ORX_HELP_ID(IDC_ORX_CUST_CATEGORIES),
                          ORX_HELP_ID(IDC_ORX_CUST_COMMANDS),
                          ORX_HELP_ID(IDC_ORX_CUST_TOOLBARS),
                          ORX_HELP_ID(IDC_ORX_CUST_NEW),
                          ORX_HELP_ID(IDC_ORX_CUST_RENAME),
                          ORX_HELP_ID(IDC_ORX_CUST_DELETE),
                          ORX_HELP_ID(IDC_ORX_CUST_RESET),
                          ORX_HELP_ID(IDC_ORX_CUST_RESET_ALL),
                          ORX_HELP_ID(IDC_ORX_CUST_LARGE_ICONS),
                          0,
                          0};
#undef ORX_HELP_ID
} // namespace

IMPLEMENT_DYNAMIC(CORXToolbarCustomize, CPropertySheet)

BEGIN_MESSAGE_MAP(CORXToolbarCustomize, CPropertySheet)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_MESSAGE(WM_HELP, OnHelp)
ON_WM_CONTEXTMENU()
ON_MESSAGE(WM_ORX_CLOSESHEET, OnCloseSheet)
ON_MESSAGE(WM_ORX_SETBUTTONS, OnSetButtons)
END_MESSAGE_MAP()

namespace
{
// The sheet open now, one at a time: a role held in the services registry.
class CActiveSheetRole
{
};

CString LoadText(UINT uiId, LPCTSTR lpszDefault)
{
    CString str;
    if (!str.LoadString(uiId))
        str = lpszDefault;
    return str;
}

// The command's text in a menu: access-key marks and the key text after a tab go.
CString MenuItemText(HMENU hMenu, int iPos)
{
    return CORXMenuCategories::GetMenuItemText(hMenu, iPos);
}
} // namespace

CORXToolbarCustomize::CORXToolbarCustomize(CFrameWnd* pParentFrame, BOOL bAutoSetFromMenus, UINT uiFlags,
                                           UINT uiArgumentsMenuId, UINT uiInitialDirMenuId)
    : CPropertySheet(LoadText(IDS_ORX_CUSTOMIZE, _T("Customize")), pParentFrame),
      m_pParentFrame(pParentFrame), optionFlags(uiFlags), m_bUserToolbars(FALSE), m_bAutoDelete(FALSE),
      m_bRegistered(FALSE), m_pCustomizePage(NULL), toolbarsPage(NULL), m_pToolsPage(NULL),
      m_pKeyboardPage(NULL), m_pMenuPage(NULL), m_pMousePage(NULL), m_pOptionsPage(NULL), m_pAppearance(NULL)
{
    if (CORXServices::Find<CORXButtonAppearance>() == NULL)
        m_pAppearance = new CORXButtonAppearanceProvider;
    m_strAllCommands = LoadText(IDS_ORX_ALL_COMMANDS, _T("All Commands"));
    m_psh.dwFlags |= PSH_NOAPPLYNOW;

    // The menu bar's own menu is the frame's menu; without one the window's menu is.
    CORXMenuBar* pMenuBar = NULL;
    for (POSITION pos = gAllToolbars.GetHeadPosition();
         pos != NULL && pParentFrame != NULL && pMenuBar == NULL;)
    {
        CORXMenuBar* pBar = DYNAMIC_DOWNCAST(CORXMenuBar, gAllToolbars.GetNext(pos));
        if (pBar != NULL && pBar->GetSafeHwnd() != NULL &&
            pBar->GetTopLevelFrame() == pParentFrame->GetTopLevelFrame())
            pMenuBar = pBar;
    }
    if (bAutoSetFromMenus && pParentFrame != NULL)
    {
        HMENU hMenu = pMenuBar != NULL ? pMenuBar->GetDefaultMenu() : NULL;
        if (hMenu == NULL && pParentFrame->GetSafeHwnd() != NULL)
            hMenu = ::GetMenu(pParentFrame->m_hWnd);
        AddMenuCommands(hMenu);
    }

    m_pCustomizePage = new CORXCustomizePage;
    toolbarsPage = new CORXToolbarsPage(pParentFrame);
    // Personalised menus are the menu bar's.
    m_pOptionsPage = new CORXOptionsPage(pMenuBar != NULL);
    AddPage(m_pCustomizePage);
    AddPage(toolbarsPage);
    if (ORXUserToolsManager() != NULL)
    {
        m_pToolsPage = new CORXToolsPage(uiArgumentsMenuId, uiInitialDirMenuId);
        AddPage(m_pToolsPage);
    }
    if (ORXKeyboardManager() != NULL)
    {
        m_pKeyboardPage = new CORXKeyboardPage(pParentFrame);
        AddPage(m_pKeyboardPage);
    }
    m_pMenuPage = new CORXMenuPage(pParentFrame, TRUE);
    AddPage(m_pMenuPage);
    if (ORXMouseManager() != NULL)
    {
        m_pMousePage = new CORXMousePage;
        AddPage(m_pMousePage);
    }
    AddPage(m_pOptionsPage);
}

CORXToolbarCustomize::~CORXToolbarCustomize()
{
    Leave();
    delete m_pCustomizePage;
    delete toolbarsPage;
    delete m_pToolsPage;
    delete m_pKeyboardPage;
    delete m_pMenuPage;
    delete m_pMousePage;
    delete m_pOptionsPage;
    RemoveButtons();
    delete m_pAppearance;
}

BOOL CORXToolbarCustomize::Create()
{
    m_bAutoDelete = TRUE;
    if (!CPropertySheet::Create(m_pParentFrame))
    {
        // The window never came to be: the caller still owns the object.
        m_bAutoDelete = FALSE;
        Leave();
        return FALSE;
    }
    return TRUE;
}

void CORXToolbarCustomize::Leave()
{
    if (m_bRegistered)
    {
        CORXServices::Unregister<CORXCustomizeSheet>(this);
        m_bRegistered = FALSE;
        CORXToolBar::SetCustomizeMode(FALSE);
    }
    if (GetActiveSheet() == this)
        CORXServices::Hold<CActiveSheetRole, CORXToolbarCustomize>(NULL);
}

CORXToolbarCustomize* CORXToolbarCustomize::GetActiveSheet()
{
    return CORXServices::Holder<CActiveSheetRole, CORXToolbarCustomize>();
}

/////////////////////////////////////////////////////////////////////////////
// Categories

CObList* CORXToolbarCustomize::GetCategoryButtons(LPCTSTR lpszCategory) const
{
    CObject* pList = NULL;
    if (!m_ButtonsByCategory.Lookup(lpszCategory, pList))
        return NULL;
    return (CObList*)pList;
}

CObList* CORXToolbarCustomize::GetOrAddCategory(const CString& strName)
{
    CObList* pList = GetCategoryButtons(strName);
    if (pList != NULL)
        return pList;
    pList = new CObList;
    m_ButtonsByCategory.SetAt(strName, pList);
    // The all-commands category is listed last whatever else is added.
    if (strName != m_strAllCommands)
        m_lstCategories.AddTail(strName);
    return pList;
}

void CORXToolbarCustomize::AddButton(LPCTSTR lpszCategory, const CORXToolbarButton& button)
{
    CORXToolbarButton* pCopy = button.Clone();
    if (pCopy == NULL)
        return;
    GetOrAddCategory(lpszCategory)->AddTail(pCopy);

    CObList* pAll = GetOrAddCategory(m_strAllCommands);
    if (CString(lpszCategory) == m_strAllCommands)
        return;
    for (POSITION pos = pAll->GetHeadPosition(); pos != NULL;)
        if (((CORXToolbarButton*)pAll->GetNext(pos))->m_nID == button.m_nID)
            return;
    CORXToolbarButton* pAllCopy = button.Clone();
    if (pAllCopy != NULL)
        pAll->AddTail(pAllCopy);
}

void CORXToolbarCustomize::AddMenuLevel(HMENU hMenu, const CString& strCategory, int nDepth)
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
            AddMenuLevel(hSub, strCategory, nDepth + 1);
            continue;
        }
        UINT uiCmd = ::GetMenuItemID(hMenu, i);
        if (!CORXMenuCategories::IsRealCommand(uiCmd))
            continue;
        CObList* pList = GetOrAddCategory(strCategory);
        BOOL bKnown = FALSE;
        for (POSITION pos = pList->GetHeadPosition(); pos != NULL && !bKnown;)
            bKnown = ((CORXToolbarButton*)pList->GetNext(pos))->m_nID == uiCmd;
        if (bKnown)
            continue;
        int iImage = pCmdMgr != NULL ? pCmdMgr->GetCmdImage(uiCmd, FALSE) : -1;
        BOOL bUser = FALSE;
        if (iImage < 0 && pCmdMgr != NULL && pCmdMgr->GetCmdImage(uiCmd, TRUE) >= 0)
        {
            iImage = pCmdMgr->GetCmdImage(uiCmd, TRUE);
            bUser = TRUE;
        }
        CORXToolbarButton button(uiCmd, iImage, MenuItemText(hMenu, i), bUser);
        // The text stays with a button that has no image, so that a drop shows something.
        button.m_bText = TRUE;
        AddButton(strCategory, button);
    }
}

void CORXToolbarCustomize::AddMenuCommands(HMENU hMenu)
{
    if (hMenu == NULL || !::IsMenu(hMenu))
        return;
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
    {
        HMENU hSub = ::GetSubMenu(hMenu, i);
        if (hSub == NULL)
            continue;
        // A pop-up without commands is a category still, which lists may leave out.
        GetOrAddCategory(MenuItemText(hMenu, i));
        AddMenuLevel(hSub, MenuItemText(hMenu, i), 1);
    }
    GetOrAddCategory(m_strAllCommands);
}

void CORXToolbarCustomize::RemoveButtons()
{
    POSITION pos = m_ButtonsByCategory.GetStartPosition();
    while (pos != NULL)
    {
        CString strName;
        CObject* pObject = NULL;
        m_ButtonsByCategory.GetNextAssoc(pos, strName, pObject);
        CObList* pList = (CObList*)pObject;
        while (!pList->IsEmpty())
            delete pList->RemoveHead();
        delete pList;
    }
    m_ButtonsByCategory.RemoveAll();
    m_lstCategories.RemoveAll();
}

namespace
{
// A category is worth listing without bAll when one of its buttons is a real command.
BOOL HasRealCommand(const CObList* pList)
{
    for (POSITION pos = pList->GetHeadPosition(); pos != NULL;)
    {
        UINT uiCmd = ((CORXToolbarButton*)pList->GetNext(pos))->m_nID;
        if (uiCmd != 0 && uiCmd != (UINT)-1)
            return TRUE;
    }
    return FALSE;
}
} // namespace

void CORXToolbarCustomize::FillCategoriesList(CListBox& wndCategory, BOOL bAll) const
{
    for (POSITION pos = m_lstCategories.GetHeadPosition(); pos != NULL;)
    {
        CString strName = m_lstCategories.GetNext(pos);
        CObList* pList = GetCategoryButtons(strName);
        if (pList == NULL || (!bAll && !HasRealCommand(pList)))
            continue;
        int iIndex = wndCategory.AddString(strName);
        wndCategory.SetItemData(iIndex, (DWORD_PTR)pList);
    }
    CObList* pAll = GetCategoryButtons(m_strAllCommands);
    int iIndex = wndCategory.AddString(m_strAllCommands);
    wndCategory.SetItemData(iIndex, (DWORD_PTR)pAll);
}

BOOL CORXToolbarCustomize::FillCategoriesComboBox(CComboBox& wndCategory, BOOL bAddEmpty)
{
    for (POSITION pos = m_lstCategories.GetHeadPosition(); pos != NULL;)
    {
        CString strName = m_lstCategories.GetNext(pos);
        CObList* pList = GetCategoryButtons(strName);
        if (pList == NULL || (!bAddEmpty && !HasRealCommand(pList)))
            continue;
        int iIndex = wndCategory.AddString(strName);
        wndCategory.SetItemData(iIndex, (DWORD_PTR)pList);
    }
    CObList* pAll = GetCategoryButtons(m_strAllCommands);
    int iIndex = wndCategory.AddString(m_strAllCommands);
    wndCategory.SetItemData(iIndex, (DWORD_PTR)pAll);
    return TRUE;
}

void CORXToolbarCustomize::FillAllCommandsList(CListBox& wndListOfCommands) const
{
    wndListOfCommands.ResetContent();
    CObList* pAll = GetCategoryButtons(m_strAllCommands);
    if (pAll == NULL)
        return;
    for (POSITION pos = pAll->GetHeadPosition(); pos != NULL;)
    {
        CORXToolbarButton* pButton = (CORXToolbarButton*)pAll->GetNext(pos);
        if (pButton->m_nID == 0 || pButton->m_nID == (UINT)-1)
            continue;
        BOOL bListed = FALSE;
        for (int i = 0; i < wndListOfCommands.GetCount() && !bListed; i++)
            bListed = wndListOfCommands.GetItemData(i) == (DWORD_PTR)pButton->m_nID;
        if (bListed)
            continue;
        CString strText = pButton->m_strTextCustom.IsEmpty() ? pButton->m_strText : pButton->m_strTextCustom;
        int iIndex = wndListOfCommands.AddString(CORXToolbarButton::StripMnemonics(strText));
        wndListOfCommands.SetItemData(iIndex, (DWORD_PTR)pButton->m_nID);
    }
}

LPCTSTR CORXToolbarCustomize::GetCommandName(UINT uiCmd) const
{
    CObList* pAll = GetCategoryButtons(m_strAllCommands);
    if (pAll == NULL)
        return NULL;
    for (POSITION pos = pAll->GetHeadPosition(); pos != NULL;)
    {
        CORXToolbarButton* pButton = (CORXToolbarButton*)pAll->GetNext(pos);
        if (pButton->m_nID == uiCmd)
            return pButton->m_strText;
    }
    return NULL;
}

int CORXToolbarCustomize::CountCommandsWithText(LPCTSTR lpszText, const CObList& lstButtons)
{
    int nCount = 0;
    for (POSITION pos = lstButtons.GetHeadPosition(); pos != NULL;)
        if (((CORXToolbarButton*)lstButtons.GetNext(pos))->m_strText == lpszText)
            nCount++;
    return nCount;
}

void CORXToolbarCustomize::ShowToolBar(CORXToolBar* pBar, BOOL bShow)
{
    if (toolbarsPage != NULL)
        toolbarsPage->ShowToolBar(pBar, bShow);
}

BOOL CORXToolbarCustomize::OnEditToolbarMenuImage(CWnd* pWndParent, CBitmap& bitmap, int nBitsPerPixel)
{
    if (bitmap.GetSafeHandle() == NULL)
        return FALSE;
    CORXImageEditDlg dlg(&bitmap, pWndParent != NULL ? pWndParent : this, nBitsPerPixel);
    return dlg.DoModal() == IDOK;
}

/////////////////////////////////////////////////////////////////////////////
// The window

int CORXToolbarCustomize::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CPropertySheet::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (optionFlags & ContextHelp)
        ModifyStyleEx(0, WS_EX_CONTEXTHELP);
    toolbarsPage->m_bUserDefinedToolbars = m_bUserToolbars;
    m_pCustomizePage->m_strAllCommands = m_strAllCommands;

    // A sheet that is still open somewhere gives way to this one.
    CORXToolbarCustomize* pOpen = GetActiveSheet();
    if (pOpen != NULL && pOpen != this)
        pOpen->Leave();
    CORXServices::Hold<CActiveSheetRole>(this);
    CORXServices::Register<CORXCustomizeSheet>(this);
    m_bRegistered = TRUE;
    CORXToolBar::SetCustomizeMode(TRUE);
    // The buttons are made after this message.
    PostMessage(WM_ORX_SETBUTTONS);
    return 0;
}

LRESULT CORXToolbarCustomize::OnSetButtons(WPARAM, LPARAM)
{
    // Every change takes effect at once: one button closes the sheet.
    CWnd* pOK = GetDlgItem(IDOK);
    if (pOK != NULL)
        pOK->ShowWindow(SW_HIDE);
    CWnd* pCancel = GetDlgItem(IDCANCEL);
    if (pCancel != NULL)
        pCancel->SetWindowText(LoadText(IDS_ORX_CUSTOMIZE_CLOSE, _T("Close")));
    return 0;
}

void CORXToolbarCustomize::OnDestroy()
{
    Leave();
    CPropertySheet::OnDestroy();
}

void CORXToolbarCustomize::PostNcDestroy()
{
    CPropertySheet::PostNcDestroy();
    if (m_bAutoDelete)
        delete this;
}

LRESULT CORXToolbarCustomize::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = CPropertySheet::WindowProc(message, wParam, lParam);
    // The system only marks a modeless sheet as ended (its buttons, Escape, the close box): the
    // window goes once it has.
    BOOL bMayEnd = (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) ||
                   message == WM_CLOSE || (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE);
    if (bMayEnd && m_bModeless && m_hWnd != NULL)
        PostMessage(WM_ORX_CLOSESHEET);
    return lResult;
}

LRESULT CORXToolbarCustomize::OnCloseSheet(WPARAM, LPARAM)
{
    if (::SendMessage(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) == 0)
        DestroyWindow();
    return 0;
}

LRESULT CORXToolbarCustomize::OnHelp(WPARAM, LPARAM lParam)
{
    HELPINFO* pHelpInfo = (HELPINFO*)lParam;
    if ((optionFlags & ContextHelp) && pHelpInfo != NULL && pHelpInfo->iContextType == HELPINFO_WINDOW)
    {
        AfxGetApp()->WinHelp(pHelpInfo->iCtrlId + 0x41000, HELP_CONTEXTPOPUP);
        return TRUE;
    }
    if (m_pParentFrame->GetSafeHwnd() != NULL)
        m_pParentFrame->SendMessage(ORX_WM_TOOLBAR_CUSTOMIZEHELP, GetActiveIndex(), (LPARAM)this);
    return TRUE;
}

void CORXToolbarCustomize::OnContextMenu(CWnd* pWnd, CPoint point)
{
    CORXWorkspace* pWorkspace = dynamic_cast<CORXWorkspace*>(CORXWorkspaceBase::GetInstance());
    if ((optionFlags & ContextHelp) && pWorkspace != NULL)
        pWorkspace->OnContextHelp(pWnd, kHelpIds);
}
