// CORXPropertyPage: menu routing through the implementation object.
#include "ORXPropertyPage.h"

IMPLEMENT_DYNAMIC(CORXPropertyPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CORXPropertyPage, CPropertyPage)
ON_WM_ACTIVATE()
ON_WM_NCACTIVATE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CORXPropertyPage::CORXPropertyPage() : m_Impl(*this)
{
    CommonInit();
}

CORXPropertyPage::CORXPropertyPage(UINT nIDTemplate, UINT nIDCaption)
    : CPropertyPage(nIDTemplate, nIDCaption), m_Impl(*this)
{
    CommonInit();
}

CORXPropertyPage::CORXPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption)
    : CPropertyPage(lpszTemplateName, nIDCaption), m_Impl(*this)
{
    CommonInit();
}

CORXPropertyPage::~CORXPropertyPage() {}

void CORXPropertyPage::CommonInit()
{
    m_nIcon = 0;
    m_nCategory = -1;
    m_nGroup = -1;
    m_pSheetData = NULL;
}

BOOL CORXPropertyPage::PreTranslateMessage(MSG* pMsg)
{
    if (m_Impl.PreTranslateMessage(pMsg))
        return TRUE;
    return CPropertyPage::PreTranslateMessage(pMsg);
}

BOOL CORXPropertyPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_Impl.ProcessCommand(wParam, lParam))
        return TRUE;
    return CPropertyPage::OnCommand(wParam, lParam);
}

BOOL CORXPropertyPage::OnSetActive()
{
    CORXPageActivation* pSheet = dynamic_cast<CORXPageActivation*>(GetParentSheet());
    if (pSheet != NULL)
        pSheet->OnActivatePage(this);
    return CPropertyPage::OnSetActive();
}

void CORXPropertyPage::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    m_Impl.OnActivate(nState, pWndOther);
    CPropertyPage::OnActivate(nState, pWndOther, bMinimized);
}

BOOL CORXPropertyPage::OnNcActivate(BOOL bActive)
{
    m_Impl.OnNcActivate(bActive);
    return (BOOL)DefWindowProc(WM_NCACTIVATE, bActive, 0L);
}

void CORXPropertyPage::OnDestroy()
{
    m_Impl.OnDestroy();
    CPropertyPage::OnDestroy();
}
