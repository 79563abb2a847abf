// CDemoButtons: a semi-flat button with a shared glyph and a tool tip, and a link with a prefix.
#include "DemoButtons.h"

#include "DemoIds.h"
#include "ORXToolbarImageList.h"

BOOL CDemoButtons::Create(CWnd* pParent, PFN_LOG pfnLog)
{
    m_pfnLog = pfnLog;
    ORXSetLinkOpener(this);
    if (!m_wndButton.Create(_T("&Owner-drawn"), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                            CRect(20, 60, 160, 88), pParent, ID_DEMO_OWNERDRAWN))
        return FALSE;
    m_wndButton.m_nFlatStyle = CORXButton::BUTTONSTYLE_SEMIFLAT;
    m_wndButton.SetStdImage(CORXMenuImages::IdArowRight, CORXMenuImages::IdArowRight);
    m_wndButton.SetTooltip(_T("An owner-drawn button"));

    if (!m_wndLink.Create(_T("www.velmora.invalid"), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                          CRect(20, 100, 200, 120), pParent, ID_DEMO_LINK))
        return FALSE;
    m_wndLink.SetURLPrefix(_T("http://"));
    m_wndLink.m_nAlignStyle = CORXButton::ALIGN_LEFT;
    CFont* pFont = CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT));
    m_wndButton.SetFont(pFont);
    m_wndLink.SetFont(pFont);
    return TRUE;
}

void CDemoButtons::OnCommand(WPARAM wParam)
{
    if (LOWORD(wParam) == ID_DEMO_OWNERDRAWN && HIWORD(wParam) == BN_CLICKED)
        m_pfnLog("click %u", (UINT)LOWORD(wParam));
}

HINSTANCE CDemoButtons::Open(HWND, LPCSTR pszTarget, int nShowCmd)
{
    m_pfnLog("open %s %d", pszTarget, nShowCmd);
    return (HINSTANCE)33;
}
