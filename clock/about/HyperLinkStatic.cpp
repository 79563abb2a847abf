// CHyperLinkStatic: colours, hover, opening, the context menu and its commands.
#include "HyperLinkStatic.h"

#include <shlobj.h>

#include "LinkServices.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CHyperLinkStatic, CStatic)
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_CAPTURECHANGED()
ON_WM_SETCURSOR()
ON_WM_CTLCOLOR_REFLECT()
ON_WM_CONTEXTMENU()
ON_COMMAND(ID_HLINK_OPEN, OnOpen)
ON_COMMAND(ID_HLINK_COPY, OnCopyShortcut)
ON_COMMAND(ID_HLINK_FAVORITES, OnAddToFavorites)
ON_COMMAND(ID_HLINK_DESKTOP, OnAddToDesktop)
ON_COMMAND(ID_HLINK_PROPERTIES, OnProperties)
END_MESSAGE_MAP()

CHyperLinkStatic::CHyperLinkStatic()
    : m_crUnvisited(0xFF0000), m_crVisited(0x800080), m_crHover(0x0000FF), m_bHoverTracking(TRUE),
      m_nState(0), m_nPrevState(0), m_bInContextMenu(FALSE), m_bContextMenu(TRUE), m_bUseHandCursor(TRUE)
{
    m_hHandCursor = ::LoadCursor(NULL, MAKEINTRESOURCE(32649)); // IDC_HAND
    if (m_hHandCursor == NULL)
        m_hHandCursor = ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(IDC_HLINK_HAND_CURSOR));
    m_hOtherCursor = ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(IDC_HLINK_OTHER_CURSOR));
}

CHyperLinkStatic::~CHyperLinkStatic() {}

COLORREF CHyperLinkStatic::GetStateColour() const
{
    switch (m_nState)
    {
    case 1:
        return m_crVisited;
    case 2:
        return m_crHover;
    default:
        return m_crUnvisited;
    }
}

void CHyperLinkStatic::OnLButtonDown(UINT nFlags, CPoint point)
{
    CRect rc;
    GetClientRect(&rc);
    if (!rc.PtInRect(point))
    {
        // While hovering the link holds the mouse, so a click meant for another window can
        // come here: let the mouse go and hand the click to the window under the pointer.
        EndHover();
        ClientToScreen(&point);
        HWND hTarget = ::WindowFromPoint(point);
        if (hTarget != NULL && hTarget != m_hWnd &&
            ::GetWindowThreadProcessId(hTarget, NULL) == ::GetCurrentThreadId())
        {
            LRESULT hit = ::SendMessage(hTarget, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
            if (hit == HTCLIENT)
            {
                ::ScreenToClient(hTarget, &point);
                ::PostMessage(hTarget, WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
            }
            else
                ::PostMessage(hTarget, WM_NCLBUTTONDOWN, (WPARAM)hit, MAKELPARAM(point.x, point.y));
        }
        return;
    }
    PostMessage(WM_COMMAND, ID_HLINK_OPEN, 0);
    CStatic::OnLButtonDown(nFlags, point);
}

void CHyperLinkStatic::EndHover()
{
    if (m_nState == 2)
    {
        m_nState = m_nPrevState;
        Invalidate();
    }
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

void CHyperLinkStatic::OnCaptureChanged(CWnd* pWnd)
{
    // Another window took the mouse (a message box, the opened page): the hover is over.
    if (m_nState == 2 && (pWnd == NULL || pWnd->m_hWnd != m_hWnd))
    {
        m_nState = m_nPrevState;
        Invalidate();
    }
    CStatic::OnCaptureChanged(pWnd);
}

void CHyperLinkStatic::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bHoverTracking && !m_bInContextMenu)
    {
        CRect rc;
        GetClientRect(&rc);
        BOOL bInside = rc.PtInRect(point);
        if (bInside && m_nState != 2)
        {
            SetCapture();
            m_nPrevState = m_nState;
            m_nState = 2;
            Invalidate();
        }
        else if (!bInside && m_nState == 2)
            EndHover();
    }
    CStatic::OnMouseMove(nFlags, point);
}

BOOL CHyperLinkStatic::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_bInContextMenu)
        return CStatic::OnSetCursor(pWnd, nHitTest, message);
    HCURSOR hCursor = m_bUseHandCursor ? m_hHandCursor : m_hOtherCursor;
    if (hCursor == NULL)
        return CStatic::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(hCursor);
    return TRUE;
}

HBRUSH CHyperLinkStatic::CtlColor(CDC* pDC, UINT)
{
    // Without SS_NOTIFY a static lets the mouse through to its parent, and the link would never
    // hear its clicks.
    if ((GetStyle() & SS_NOTIFY) == 0)
        ModifyStyle(0, SS_NOTIFY);
    DWORD dwType = GetStyle() & SS_TYPEMASK;
    if (dwType != SS_LEFT && dwType != SS_CENTER && dwType != SS_RIGHT)
        return NULL;
    if (m_font.GetSafeHandle() == NULL)
    {
        LOGFONT lf;
        CFont* pFont = GetFont();
        HFONT hFont =
            pFont != NULL ? (HFONT)pFont->GetSafeHandle() : (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
        if (::GetObject(hFont, sizeof(lf), &lf) != 0)
        {
            lf.lfUnderline = TRUE;
            m_font.CreateFontIndirect(&lf);
        }
    }
    if (m_font.GetSafeHandle() != NULL)
        pDC->SelectObject(&m_font);
    pDC->SetTextColor(GetStateColour());
    pDC->SetBkMode(TRANSPARENT);
    return (HBRUSH)::GetStockObject(NULL_BRUSH);
}

void CHyperLinkStatic::OnContextMenu(CWnd*, CPoint point)
{
    if (!m_bContextMenu)
        return;
    EndHover();
    if (point.x == -1 && point.y == -1)
    {
        CRect rc;
        GetWindowRect(&rc);
        point = CPoint(rc.left + 5, rc.top + 5);
    }
    HMENU hMenu = ::LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_HLINK_POPUP));
    if (hMenu == NULL)
        return;
    m_bInContextMenu = TRUE;
    ::TrackPopupMenu(::GetSubMenu(hMenu, 0), TPM_RIGHTBUTTON, point.x, point.y, 0, m_hWnd, NULL);
    m_bInContextMenu = FALSE;
    ::DestroyMenu(hMenu);
}

void CHyperLinkStatic::OnOpen()
{
    if (m_strURL.IsEmpty())
        return;
    HCURSOR hOld = ::SetCursor(::LoadCursor(NULL, IDC_WAIT));
    HWND hParent = ::GetParent(m_hWnd);
    if (GetLinkOpener().OpenLink(hParent, m_strURL))
    {
        // While the pointer is still over the link it stays in the hover state, so that leaving
        // ends the hover and lets the mouse go; it then shows as visited.
        if (m_nState != 2)
            m_nState = 1;
        m_nPrevState = 1;
        Invalidate();
    }
    ::SetCursor(hOld);
}

void CHyperLinkStatic::OnCopyShortcut()
{
    if (m_strURL.IsEmpty() || !::OpenClipboard(m_hWnd))
        return;
    ::EmptyClipboard();
    SIZE_T nSize = (SIZE_T)m_strURL.GetLength() + 1;
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, nSize);
    if (hMem != NULL)
    {
        char* p = (char*)::GlobalLock(hMem);
        if (p != NULL)
        {
            memcpy(p, (LPCSTR)m_strURL, nSize);
            ::GlobalUnlock(hMem);
            if (::SetClipboardData(CF_TEXT, hMem) == NULL)
                ::GlobalFree(hMem);
        }
        else
            ::GlobalFree(hMem);
    }
    ::CloseClipboard();
}

BOOL CHyperLinkStatic::AddShortcutTo(int nCsidl)
{
    if (m_strURL.IsEmpty())
        return FALSE;
    CString strFolder, strText, strPath;
    GetWindowText(strText);
    if (!GetShortcutFolder(nCsidl, strFolder) || !MakeShortcutPath(strFolder, strText, strPath))
        return FALSE;
    CWaitCursor wait;
    return SaveInternetShortcut(m_strURL, strPath);
}

void CHyperLinkStatic::OnAddToFavorites()
{
    AddShortcutTo(CSIDL_FAVORITES);
}

void CHyperLinkStatic::OnAddToDesktop()
{
    AddShortcutTo(CSIDL_DESKTOP);
}

void CHyperLinkStatic::OnProperties()
{
    CHLinkSheet sheet(this);
    GetWindowText(sheet.m_page.m_strText);
    sheet.m_page.m_strURL = m_strURL;
    sheet.DoModal();
}

CHLinkPage::CHLinkPage() : CPropertyPage(IDD_HLINK_PAGE) {}

BOOL CHLinkPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    SetDlgItemText(IDC_HLINK_TEXT, m_strText);
    SetDlgItemText(IDC_HLINK_URL, m_strURL);
    return TRUE;
}

CHLinkSheet::CHLinkSheet(CWnd* pParent) : CPropertySheet(IDS_HLINK_PROPERTIES, pParent)
{
    m_psh.dwFlags |= PSH_NOAPPLYNOW;
    AddPage(&m_page);
}
