// CORXOptionsPage.
#include "ORXOptionsPage.h"

#include "ORXCmdUsage.h"
#include "ORXToolBar.h"
#include "ORXToolbarCustomize.h"
#include "ORXVisualManager.h"
#include "uiextras/uiextras_res.h"

IMPLEMENT_DYNCREATE(CORXOptionsPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CORXOptionsPage, CPropertyPage)
ON_BN_CLICKED(IDC_ORX_CUST_TOOLTIPS, OnShowTooltips)
ON_BN_CLICKED(IDC_ORX_CUST_SHORTCUTS, OnShowShortcutKeys)
ON_BN_CLICKED(IDC_ORX_CUST_RECENT_MENUS, OnRecentlyUsedMenus)
ON_BN_CLICKED(IDC_ORX_CUST_MENUS_DELAY, OnShowAllMenusDelay)
ON_BN_CLICKED(IDC_ORX_CUST_LARGE_ICONS, OnLargeIcons)
ON_BN_CLICKED(IDC_ORX_CUST_LOOK2000, OnLook2000)
ON_BN_CLICKED(IDC_ORX_CUST_RESET_USAGE, OnResetUsageData)
ON_BN_CLICKED(IDC_ORX_CUST_VISUALS, OnVisualizations)
END_MESSAGE_MAP()

CORXOptionsPage::CORXOptionsPage(BOOL bIsMenuBarExist)
    : CPropertyPage(CORXOptionsPage::IDD), m_bIsMenuBarExist(bIsMenuBarExist)
{
    m_bShowTooltips = CORXToolBar::m_bShowTooltips;
    m_bShowShortcutKeys = CORXToolBar::m_bShowShortcutKeys;
    m_bRecentlyUsedMenus = CORXToolBar::m_bRecentlyUsedMenus;
    m_bShowAllMenusDelay = CORXToolBar::m_bShowAllMenusAfterDelay;
    m_bLargeIcons = CORXToolBar::IsLargeIcons();
    m_bLook2000 = CORXVisualManager::GetInstance()->IsLook2000();
}

CORXOptionsPage::~CORXOptionsPage() {}

void CORXOptionsPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ORX_CUST_VISUALS, m_wndVisualizations);
    DDX_Control(pDX, IDC_ORX_CUST_LOOK2000, m_wndLook2000);
    DDX_Control(pDX, IDC_ORX_CUST_LARGE_ICONS, m_wndLargeIcons);
    DDX_Control(pDX, IDC_ORX_CUST_RECENT_MENUS, m_wndRUMenus);
    DDX_Control(pDX, IDC_ORX_CUST_RESET_USAGE, m_wndResetUsageBtn);
    DDX_Control(pDX, IDC_ORX_CUST_PERSONALIZED, m_wndRUMenusLabel);
    DDX_Control(pDX, IDC_ORX_CUST_LINE, m_wndRUMenusLine);
    DDX_Control(pDX, IDC_ORX_CUST_MENUS_DELAY, m_wndShowAllMenusDelay);
    DDX_Control(pDX, IDC_ORX_CUST_SHORTCUTS, m_wndShowShortcutKeys);
    DDX_Check(pDX, IDC_ORX_CUST_TOOLTIPS, m_bShowTooltips);
    DDX_Check(pDX, IDC_ORX_CUST_SHORTCUTS, m_bShowShortcutKeys);
    DDX_Check(pDX, IDC_ORX_CUST_RECENT_MENUS, m_bRecentlyUsedMenus);
    DDX_Check(pDX, IDC_ORX_CUST_MENUS_DELAY, m_bShowAllMenusDelay);
    DDX_Check(pDX, IDC_ORX_CUST_LARGE_ICONS, m_bLargeIcons);
    DDX_Check(pDX, IDC_ORX_CUST_LOOK2000, m_bLook2000);
}

namespace
{
void HideAndDisable(CWnd& wnd)
{
    wnd.ShowWindow(SW_HIDE);
    wnd.EnableWindow(FALSE);
}
} // namespace

BOOL CORXOptionsPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_wndShowShortcutKeys.EnableWindow(m_bShowTooltips);
    m_wndShowAllMenusDelay.EnableWindow(m_bRecentlyUsedMenus);
    if (CORXBarSettings::s_lstBasicCommands.IsEmpty() || !m_bIsMenuBarExist)
    {
        HideAndDisable(m_wndRUMenus);
        HideAndDisable(m_wndResetUsageBtn);
        HideAndDisable(m_wndRUMenusLabel);
        HideAndDisable(m_wndRUMenusLine);
        HideAndDisable(m_wndShowAllMenusDelay);
    }
    CORXToolbarCustomize* pSheet = DYNAMIC_DOWNCAST(CORXToolbarCustomize, GetParent());
    if (pSheet == NULL || !(pSheet->GetFlags() & CORXToolbarCustomize::ShowLook2000))
        HideAndDisable(m_wndLook2000);
    HideAndDisable(m_wndVisualizations);
    return TRUE;
}

void CORXOptionsPage::OnShowTooltips()
{
    UpdateData();
    CORXToolBar::m_bShowTooltips = m_bShowTooltips;
    m_wndShowShortcutKeys.EnableWindow(m_bShowTooltips);
}

void CORXOptionsPage::OnShowShortcutKeys()
{
    UpdateData();
    CORXToolBar::m_bShowShortcutKeys = m_bShowShortcutKeys;
}

void CORXOptionsPage::OnRecentlyUsedMenus()
{
    UpdateData();
    CORXToolBar::m_bRecentlyUsedMenus = m_bRecentlyUsedMenus;
    m_wndShowAllMenusDelay.EnableWindow(m_bRecentlyUsedMenus);
}

void CORXOptionsPage::OnShowAllMenusDelay()
{
    UpdateData();
    CORXToolBar::m_bShowAllMenusAfterDelay = m_bShowAllMenusDelay;
}

void CORXOptionsPage::OnLargeIcons()
{
    UpdateData();
    CORXToolBar::SetLargeIcons(m_bLargeIcons);
}

void CORXOptionsPage::OnLook2000()
{
    UpdateData();
    CORXVisualManager::GetInstance()->SetLook2000(m_bLook2000);
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd != NULL && pMainWnd->GetSafeHwnd() != NULL)
        pMainWnd->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

int CORXOptionsPage::Ask(UINT uiQuestion)
{
    return AfxMessageBox(uiQuestion, MB_YESNO);
}

void CORXOptionsPage::OnResetUsageData()
{
    if (Ask(IDS_ORX_RESET_USAGE_DATA) == IDYES)
        ORXGetCommandUsage().Reset();
}
