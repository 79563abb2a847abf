// The menu customise page: frame menus on the menu bar, context-menu previews, animation and
// shadows.
#include "ORXMenuPage.h"

#include "ORXContextMenuManager.h"
#include "ORXMenuBar.h"
#include "ORXMenuStore.h"
#include "ORXPopupMenu.h"
#include "ORXPopupMenuBar.h"
#include "ORXToolBar.h"

#include <afxpriv.h>

namespace
{
const UINT kIdsCantCustomize = 16007;
const UINT kIdsDefaultMenu = 16106;
const UINT kIdsDefaultMenuDescr = 16107;
const UINT kIdsNoContextMenu = 16108;
const UINT kIdsResetQuery = 16113;

enum
{
    kFrameMenus = 16621,
    kIcon = 16507,
    kDescription = 16506,
    kContextMenus = 16622,
    kResetContext = 16623,
    kResetFrameMenu = 16624,
    kAnimation = 16625,
    kShadows = 16626
};

const LPCTSTR kAnimationNames[] = {_T("None"), _T("Unfold"), _T("Slide"), _T("Fade")};

// One field of a document template's string resource ("title\ndocument name\n...\ntype name").
CString GetDocString(const CDocTemplate* pTemplate, int iField)
{
    CString strAll;
    if (pTemplate == NULL || !strAll.LoadString(pTemplate->m_nIDResource))
        return CString();
    CString strField;
    AfxExtractSubString(strField, strAll, iField, _T('\n'));
    return strField;
}
const int kDocName = 1;
const int kTypeName = 6;
} // namespace

CPoint CORXMenuPage::m_ptMenuLastPos(100, 100);

IMPLEMENT_DYNCREATE(CORXMenuPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CORXMenuPage, CPropertyPage)
ON_CBN_SELCHANGE(kFrameMenus, OnSelchangeMenuesList)
ON_CBN_SELCHANGE(kContextMenus, OnSelchangeContextMenus)
ON_BN_CLICKED(kResetContext, OnResetContextMenu)
ON_BN_CLICKED(kResetFrameMenu, OnResetFrameMenu)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CORXMenuPage::CORXMenuPage(CFrameWnd* pParentFrame, BOOL bAutoSet)
    : CPropertyPage(IDD), m_iMenuAnimationType(CORXPopupMenu::GetAnimationType()),
      m_bMenuShadows(CORXPopupMenu::AreMenuShadowsEnabled()), m_pParentFrame(pParentFrame),
      m_bAutoSet(bAutoSet), m_pMenuBar(NULL), m_hmenuCurr(NULL), m_hmenuSelected(NULL), m_pContextMenu(NULL),
      m_uiContextMenuResId(0)
{
}

CORXMenuPage::~CORXMenuPage() {}

CFrameWnd* CORXMenuPage::GetFrame() const
{
    if (m_pParentFrame != NULL)
        return m_pParentFrame;
    return DYNAMIC_DOWNCAST(CFrameWnd, AfxGetMainWnd());
}

void CORXMenuPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, kFrameMenus, m_wndMenuesList);
    DDX_Control(pDX, kContextMenus, m_wndContextMenus);
    DDX_Control(pDX, kAnimation, m_wndMenuAnimations);
    DDX_Text(pDX, kDescription, m_strMenuDescr);
    DDX_CBString(pDX, kContextMenus, m_strContextMenuName);
    DDX_CBString(pDX, kFrameMenus, m_strMenuName);
    DDX_CBIndex(pDX, kAnimation, m_iMenuAnimationType);
    DDX_Check(pDX, kShadows, m_bMenuShadows);
}

CORXMenuBar* CORXMenuPage::FindMenuBar() const
{
    // Every bar of the program, wherever it sits: docking moves a bar under a dock bar and floating
    // into a mini frame, so the frame's own children are not enough. The frame's bar comes first.
    CFrameWnd* pFrame = GetFrame();
    CORXMenuBar* pFirst = NULL;
    const CObList& bars = CORXToolBar::GetAllToolbars();
    for (POSITION pos = bars.GetHeadPosition(); pos != NULL;)
    {
        CORXMenuBar* pBar = DYNAMIC_DOWNCAST(CORXMenuBar, bars.GetNext(pos));
        // The bar's own visibility: a frame not yet shown still has its menu bar.
        if (pBar == NULL || pBar->GetSafeHwnd() == NULL || !(pBar->GetStyle() & WS_VISIBLE))
            continue;
        if (pFrame == NULL || pFrame->GetSafeHwnd() == NULL || pBar->GetTopLevelFrame() == pFrame ||
            ::IsChild(pFrame->m_hWnd, pBar->m_hWnd) || pBar->GetOwner() == pFrame)
            return pBar;
        if (pFirst == NULL)
            pFirst = pBar;
    }
    return pFirst;
}

BOOL CORXMenuPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();

    for (int i = 0; i < (int)(sizeof(kAnimationNames) / sizeof(kAnimationNames[0])); i++)
        m_wndMenuAnimations.AddString(kAnimationNames[i]);
    m_wndMenuAnimations.SetCurSel(m_iMenuAnimationType);
    CheckDlgButton(kShadows, m_bMenuShadows ? BST_CHECKED : BST_UNCHECKED);

    m_pMenuBar = FindMenuBar();
    if (m_pMenuBar == NULL)
    {
        m_wndMenuesList.EnableWindow(FALSE);
        CWnd* pReset = GetDlgItem(kResetFrameMenu);
        if (pReset != NULL)
            pReset->EnableWindow(FALSE);
        m_strMenuDescr.LoadString(kIdsCantCustomize);
        SetDlgItemText(kDescription, m_strMenuDescr);
    }
    else
    {
        m_pMenuBar->SetMenuPage(this);
        m_hmenuCurr = m_pMenuBar->GetMenu();
        m_hmenuSelected = m_hmenuCurr;
        CORXMenuStore::Store(m_hmenuCurr, m_pMenuBar);

        int iSelected = -1;
        CWinApp* pApp = AfxGetApp();
        if (m_bAutoSet && pApp != NULL)
        {
            CMap<UINT, UINT, BOOL, BOOL> mapIds;
            for (POSITION pos = pApp->GetFirstDocTemplatePosition(); pos != NULL;)
            {
                CMultiDocTemplate* pTemplate =
                    DYNAMIC_DOWNCAST(CMultiDocTemplate, pApp->GetNextDocTemplate(pos));
                BOOL bKnown = FALSE;
                if (pTemplate == NULL || pTemplate->m_hMenuShared == NULL ||
                    mapIds.Lookup(pTemplate->m_nIDResource, bKnown))
                    continue;
                mapIds.SetAt(pTemplate->m_nIDResource, TRUE);
                CString strName = GetDocString(pTemplate, kDocName);
                if (strName.IsEmpty())
                    strName.Format(_T("%u"), pTemplate->m_nIDResource);
                int iItem = m_wndMenuesList.AddString(strName);
                if (iItem < 0)
                    continue;
                m_wndMenuesList.SetItemDataPtr(iItem, pTemplate);
                if (pTemplate->m_hMenuShared == m_hmenuCurr)
                    iSelected = iItem;
            }
        }
        CString strDefault;
        strDefault.LoadString(kIdsDefaultMenu);
        int iDefault = m_wndMenuesList.AddString(strDefault);
        m_wndMenuesList.SetItemDataPtr(iDefault, NULL);
        if (iSelected < 0 && m_hmenuCurr == m_pMenuBar->GetDefaultMenu())
            iSelected = iDefault;
        if (iSelected >= 0)
        {
            m_wndMenuesList.SetCurSel(iSelected);
            OnSelchangeMenuesList();
        }
    }

    CString strNone;
    strNone.LoadString(kIdsNoContextMenu);
    m_wndContextMenus.AddString(strNone);
    if (ORXContextMenuManager() != NULL)
    {
        CStringList lstNames;
        ORXContextMenuManager()->GetMenuNames(lstNames);
        for (POSITION pos = lstNames.GetHeadPosition(); pos != NULL;)
            m_wndContextMenus.AddString(lstNames.GetNext(pos));
    }
    m_wndContextMenus.SetCurSel(0);
    CWnd* pResetContext = GetDlgItem(kResetContext);
    if (pResetContext != NULL)
        pResetContext->EnableWindow(FALSE);
    return TRUE;
}

void CORXMenuPage::ShowIcon(HICON hIcon)
{
    CStatic* pIcon = (CStatic*)GetDlgItem(kIcon);
    if (pIcon != NULL)
        pIcon->SendMessage(STM_SETICON, (WPARAM)hIcon);
}

void CORXMenuPage::SaveMenu()
{
    if (m_pMenuBar != NULL && m_pMenuBar->GetSafeHwnd() != NULL && m_hmenuSelected != NULL)
        CORXMenuStore::Store(m_hmenuSelected, m_pMenuBar);
}

HMENU CORXMenuPage::GetSelectedMenu() const
{
    int iItem = m_wndMenuesList.GetCurSel();
    if (iItem < 0 || m_pMenuBar == NULL)
        return NULL;
    CMultiDocTemplate* pTemplate = (CMultiDocTemplate*)m_wndMenuesList.GetItemDataPtr(iItem);
    return pTemplate != NULL ? pTemplate->m_hMenuShared : m_pMenuBar->GetDefaultMenu();
}

void CORXMenuPage::OnSelchangeMenuesList()
{
    if (m_pMenuBar == NULL)
        return;
    SaveMenu();
    int iItem = m_wndMenuesList.GetCurSel();
    if (iItem < 0)
    {
        m_strMenuDescr.Empty();
        SetDlgItemText(kDescription, m_strMenuDescr);
        ShowIcon(NULL);
        return;
    }
    m_wndMenuesList.GetLBText(iItem, m_strMenuName);
    CMultiDocTemplate* pTemplate = (CMultiDocTemplate*)m_wndMenuesList.GetItemDataPtr(iItem);
    HICON hIcon = NULL;
    if (pTemplate != NULL)
    {
        m_strMenuDescr = GetDocString(pTemplate, kTypeName);
        if (m_strMenuDescr.IsEmpty())
            m_strMenuDescr = GetDocString(pTemplate, kDocName);
        hIcon = AfxGetApp()->LoadIcon(pTemplate->m_nIDResource);
        if (hIcon == NULL)
            hIcon = ::LoadIcon(NULL, IDI_APPLICATION);
    }
    else
    {
        m_strMenuDescr.LoadString(kIdsDefaultMenuDescr);
        CWnd* pMain = AfxGetMainWnd();
        if (pMain != NULL && pMain->GetSafeHwnd() != NULL)
            hIcon = (HICON)::GetClassLongPtr(pMain->m_hWnd, GCLP_HICON);
    }
    SetDlgItemText(kDescription, m_strMenuDescr);
    ShowIcon(hIcon);

    HMENU hMenu = GetSelectedMenu();
    if (hMenu != NULL)
    {
        m_pMenuBar->CreateFromMenu(hMenu, hMenu == m_pMenuBar->GetDefaultMenu(), TRUE);
        m_hmenuSelected = hMenu;
    }
}

void CORXMenuPage::ClosePreview()
{
    if (m_pContextMenu == NULL)
        return;
    CORXPopupMenu* pMenu = m_pContextMenu;
    m_pContextMenu = NULL;
    if (pMenu->GetSafeHwnd() != NULL)
    {
        CRect rect;
        pMenu->GetWindowRect(rect);
        m_ptMenuLastPos = rect.TopLeft();
        HWND hMenu = pMenu->GetSafeHwnd();
        pMenu->SendMessage(WM_CLOSE);
        // The preview must not outlive the page it would tell of its closing.
        if (::IsWindow(hMenu))
            ::DestroyWindow(hMenu);
    }
}

void CORXMenuPage::CloseContextMenu(CORXPopupMenu* pMenu)
{
    if (pMenu == NULL || pMenu != m_pContextMenu)
        return;
    if (pMenu->GetSafeHwnd() != NULL)
    {
        CRect rect;
        pMenu->GetWindowRect(rect);
        m_ptMenuLastPos = rect.TopLeft();
    }
    m_pContextMenu = NULL;
    m_uiContextMenuResId = 0;
    CWnd* pReset = GetSafeHwnd() != NULL ? GetDlgItem(kResetContext) : NULL;
    if (pReset != NULL)
        pReset->EnableWindow(FALSE);
}

void CORXMenuPage::OnSelchangeContextMenus()
{
    CWnd* pReset = GetDlgItem(kResetContext);
    if (pReset != NULL)
        pReset->EnableWindow(FALSE);
    if (ORXContextMenuManager() == NULL)
        return;
    ClosePreview();
    m_uiContextMenuResId = 0;
    int iItem = m_wndContextMenus.GetCurSel();
    if (iItem <= 0)
        return;
    m_wndContextMenus.GetLBText(iItem, m_strContextMenuName);
    UINT uiResId = 0;
    HMENU hMenu = ORXContextMenuManager()->GetMenuByName(m_strContextMenuName, &uiResId);
    HMENU hPopup = hMenu != NULL ? ::GetSubMenu(hMenu, 0) : NULL;
    if (hPopup == NULL)
    {
        ::MessageBeep((UINT)-1);
        return;
    }
    CORXPopupMenu* pMenu = new CORXPopupMenu(this, m_strContextMenuName);
    // The manager keeps the menu: the preview only shows it.
    pMenu->SetAutoDestroy(FALSE);
    if (!pMenu->Create(this, m_ptMenuLastPos.x, m_ptMenuLastPos.y, hPopup, FALSE, TRUE))
    {
        delete pMenu;
        return;
    }
    m_pContextMenu = pMenu;
    m_uiContextMenuResId = uiResId;
    if (pReset != NULL)
        pReset->EnableWindow(TRUE);
}

void CORXMenuPage::ResetContextMenu()
{
    if (m_pContextMenu == NULL || m_pContextMenu->GetSafeHwnd() == NULL || m_uiContextMenuResId == 0 ||
        ORXContextMenuManager() == NULL)
        return;
    HMENU hKept = ORXContextMenuManager()->GetMenuById(m_uiContextMenuResId);
    HMENU hKeptPopup = hKept != NULL ? ::GetSubMenu(hKept, 0) : NULL;
    LPCTSTR lpszName = MAKEINTRESOURCE(m_uiContextMenuResId);
    HMENU hFresh = ::LoadMenu(AfxFindResourceHandle(lpszName, RT_MENU), lpszName);
    HMENU hFreshPopup = hFresh != NULL ? ::GetSubMenu(hFresh, 0) : NULL;
    if (hFreshPopup != NULL)
    {
        // The user's arrangement goes; later showings build the menu from the resource again.
        if (hKeptPopup != NULL)
            CORXMenuStore::Remove(hKeptPopup);
        m_pContextMenu->GetMenuBar()->ImportFromMenu(hFreshPopup, TRUE);
        m_pContextMenu->RecalcLayout();
        m_pContextMenu->Invalidate();
    }
    if (hFresh != NULL)
        ::DestroyMenu(hFresh);
    CWnd* pMain = AfxGetMainWnd();
    if (pMain != NULL && pMain->GetSafeHwnd() != NULL)
        pMain->SendMessage(ORX_WM_TOOLBAR_RESETCONTEXTMENU, (WPARAM)m_uiContextMenuResId,
                           (LPARAM)m_pContextMenu);
}

void CORXMenuPage::OnResetContextMenu()
{
    if (m_pContextMenu == NULL)
        return;
    CString strQuestion;
    strQuestion.Format(kIdsResetQuery, (LPCTSTR)m_strContextMenuName);
    if (AfxMessageBox(strQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES)
        ResetContextMenu();
}

void CORXMenuPage::ResetFrameMenu()
{
    if (m_pMenuBar == NULL || m_pMenuBar->GetSafeHwnd() == NULL)
        return;
    int iItem = m_wndMenuesList.GetCurSel();
    CMultiDocTemplate* pTemplate =
        iItem >= 0 ? (CMultiDocTemplate*)m_wndMenuesList.GetItemDataPtr(iItem) : NULL;
    UINT uiMenuId = pTemplate != NULL ? pTemplate->m_nIDResource : m_pMenuBar->GetDefaultMenuResId();
    // Only the selected menu goes back to its resource. Reloading gives it a new handle: the page
    // follows it.
    HMENU hOld = pTemplate != NULL ? pTemplate->m_hMenuShared : m_pMenuBar->GetDefaultMenu();
    SaveMenu();
    m_pMenuBar->RestoreMenu(pTemplate);
    HMENU hNew = pTemplate != NULL ? pTemplate->m_hMenuShared : m_pMenuBar->GetDefaultMenu();
    if (m_hmenuCurr == hOld)
        m_hmenuCurr = hNew;
    m_hmenuSelected = hNew;
    if (m_hmenuSelected != NULL && m_pMenuBar->GetMenu() != m_hmenuSelected)
        m_pMenuBar->CreateFromMenu(m_hmenuSelected, m_hmenuSelected == m_pMenuBar->GetDefaultMenu(), TRUE);
    CFrameWnd* pFrame = GetFrame();
    if (pFrame != NULL && pFrame->GetSafeHwnd() != NULL)
        pFrame->SendMessage(ORX_WM_TOOLBAR_RESETMENU, (WPARAM)uiMenuId);
    m_pMenuBar->RedrawWindow();
}

void CORXMenuPage::OnResetFrameMenu()
{
    if (m_pMenuBar == NULL)
        return;
    CString strQuestion;
    strQuestion.Format(kIdsResetQuery, (LPCTSTR)m_strMenuName);
    if (AfxMessageBox(strQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES)
        ResetFrameMenu();
}

void CORXMenuPage::OnDestroy()
{
    // The controls still exist here: what the user chose is read before it goes to the globals.
    if (m_wndMenuAnimations.GetSafeHwnd() != NULL)
    {
        int iAnimation = m_wndMenuAnimations.GetCurSel();
        if (iAnimation >= 0)
            m_iMenuAnimationType = iAnimation;
        m_bMenuShadows = IsDlgButtonChecked(kShadows) == BST_CHECKED;
    }
    CORXPopupMenu::SetAnimationType(m_iMenuAnimationType);
    CORXPopupMenu::EnableMenuShadows(m_bMenuShadows);

    if (m_pMenuBar != NULL && m_pMenuBar->GetMenuPage() == this)
        m_pMenuBar->SetMenuPage(NULL);
    if (m_pMenuBar != NULL && m_pMenuBar->GetSafeHwnd() != NULL)
    {
        SaveMenu();
        if (m_hmenuCurr != NULL && m_hmenuCurr != m_pMenuBar->GetMenu())
            m_pMenuBar->CreateFromMenu(m_hmenuCurr, m_hmenuCurr == m_pMenuBar->GetDefaultMenu(), TRUE);
    }
    m_pMenuBar = NULL;
    ClosePreview();
    CPropertyPage::OnDestroy();
}
