// CORXURLLinkButton: opening the link, its keys and its underlined text.
#include "ORXLinkButton.h"

#include <shellapi.h>

#include "ORXGlobalData.h"
#include "ORXServices.h"

IMPLEMENT_DYNCREATE(CORXURLLinkButton, CORXButton)

namespace
{
class CShellOpener : public IORXLinkOpener
{
public:
    HINSTANCE Open(HWND hWnd, LPCSTR pszTarget, int nShowCmd) override
    {
        return ::ShellExecuteA(hWnd, NULL, pszTarget, NULL, NULL, nShowCmd);
    }
};
} // namespace

IORXLinkOpener::~IORXLinkOpener()
{
    if (CORXServices::Holder<IORXLinkOpener, IORXLinkOpener>() == this)
        ORXSetLinkOpener(NULL);
}

void ORXSetLinkOpener(IORXLinkOpener* pOpener)
{
    CORXServices::Hold<IORXLinkOpener>(pOpener);
}

IORXLinkOpener& ORXGetLinkOpener()
{
    static CShellOpener s_shell;
    IORXLinkOpener* pOpener = CORXServices::Holder<IORXLinkOpener, IORXLinkOpener>();
    return pOpener != NULL ? *pOpener : s_shell;
}

BEGIN_MESSAGE_MAP(CORXURLLinkButton, CORXButton)
ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

CORXURLLinkButton::CORXURLLinkButton()
{
    m_nFlatStyle = BUTTONSTYLE_NOBORDERS;
    m_bTransparent = TRUE;
    m_clrRegular = globalData.clrHilite;
    m_clrHover = RGB(0, 0, 255);
    SetMouseCursorHand();
}

CORXURLLinkButton::~CORXURLLinkButton() {}

CString CORXURLLinkButton::GetTarget() const
{
    CString strURL = m_strURL;
    if (strURL.IsEmpty() && GetSafeHwnd() != NULL)
        GetWindowText(strURL);
    return m_strURLPrefix + strURL;
}

void CORXURLLinkButton::OnClicked()
{
    CWaitCursor wait;
    // Shown normally: a show command of 0 would open the link in a hidden window.
    ORXGetLinkOpener().Open(m_hWnd, GetTarget(), SW_SHOWNORMAL);
    m_bHighlighted = FALSE;
    Redraw();
}

BOOL CORXURLLinkButton::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == m_hWnd)
    {
        if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_SPACE || pMsg->wParam == VK_RETURN))
            return TRUE;
        if (pMsg->message == WM_KEYUP && pMsg->wParam == VK_SPACE)
            return TRUE;
        if (pMsg->message == WM_KEYUP && pMsg->wParam == VK_RETURN)
        {
            OnClicked();
            return TRUE;
        }
    }
    return CORXButton::PreTranslateMessage(pMsg);
}

CFont* CORXURLLinkButton::SelectFont(CDC* pDC)
{
    if (globalData.fontUnderline.GetSafeHandle() == NULL)
        return CORXButton::SelectFont(pDC);
    return pDC->SelectObject(&globalData.fontUnderline);
}

void CORXURLLinkButton::OnDrawText(CDC* pDC, const CRect& rect, const CString& strText, UINT uiDTFlags, UINT)
{
    COLORREF clrText = m_bHighlighted ? m_clrHover : m_clrRegular;
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(clrText);
    CFont* pOldFont = SelectFont(pDC);
    CRect rectText = rect;
    pDC->DrawText(strText, rectText, uiDTFlags | DT_SINGLELINE);
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
}

void CORXURLLinkButton::OnDrawFocusRect(CDC* pDC, const CRect& rectClient)
{
    CRect rect = rectClient;
    pDC->DrawFocusRect(rect);
}
