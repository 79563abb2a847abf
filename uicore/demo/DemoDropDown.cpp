// CDemoDropDown: the drop-down button, its palette and the dialog with a menu button.
#include "DemoDropDown.h"

#include "DemoIds.h"
#include "ORXToolbarMenuButton.h"

namespace
{
CDemoDropDown::PFN_LOG s_pfnLog = NULL;
CDemoDropDown* s_pThis = NULL;
const UINT_PTR kOpenDialogTimer = 0x6401;

void LogBarButton(LPCTSTR pszWhat, CORXToolBar& bar, int i)
{
    CRect rect;
    bar.GetItemRect(i, rect);
    bar.ClientToScreen(rect);
    s_pfnLog("%s %d %u %ld %ld %ld %ld", pszWhat, i, bar.GetItemID(i), rect.left, rect.top, rect.right,
             rect.bottom);
}

// The drop-down button logs the palette's buttons once it is shown.
class CDemoDropDownButton : public CORXDropDownToolbarButton
{
public:
    CDemoDropDownButton(LPCTSTR lpszName, CORXDropDownToolBar* pBar)
        : CORXDropDownToolbarButton(lpszName, pBar)
    {
    }
    BOOL DropDownToolbar(CWnd* pWnd) override
    {
        if (!CORXDropDownToolbarButton::DropDownToolbar(pWnd))
            return FALSE;
        CORXDropDownToolBar& palette = GetDropDownFrame()->GetPalette();
        for (int i = 0; i < palette.GetCount(); i++)
            LogBarButton(_T("palette"), palette, i);
        s_pfnLog("palette shown %d", palette.GetCount());
        return TRUE;
    }
};

// A caption, a bar with a menu button and a Close button.
class CDemoDialog : public CORXDialog
{
public:
    CORXToolBar m_wndBar;
    CButton m_wndClose;
    BOOL OnInitDialog() override
    {
        CORXDialog::OnInitDialog();
        if (!m_wndBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR + 20))
            return TRUE;
        m_wndBar.SetOwner(this);
        CMenu menu;
        if (menu.LoadMenu(IDR_DEMO_MENU))
        {
            CORXToolbarMenuButton* pButton =
                new CORXToolbarMenuButton(0, menu.GetSubMenu(0)->GetSafeHmenu(), -1, _T("&Dialog menu"));
            pButton->m_bText = TRUE;
            if (m_wndBar.InsertButton(pButton) < 0)
                delete pButton;
        }
        CSize size = m_wndBar.CalcFixedLayout(FALSE, TRUE);
        m_wndBar.SetWindowPos(NULL, 10, 10, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        m_wndBar.AdjustLayout();
        CFont* pFont = CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT));
        if (m_wndClose.Create(_T("Close"), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                              CRect(10, 60, 90, 84), this, IDCANCEL))
            m_wndClose.SetFont(pFont);
        return TRUE;
    }
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus)
    {
        CORXDialog::OnShowWindow(bShow, nStatus);
        if (bShow && m_wndBar.GetSafeHwnd() != NULL && m_wndBar.GetCount() > 0)
            LogBarButton(_T("dialogmenubutton"), m_wndBar, 0);
        if (bShow && m_wndClose.GetSafeHwnd() != NULL)
        {
            CRect rect;
            m_wndClose.GetWindowRect(rect);
            s_pfnLog("dialogclose 0 %d %ld %ld %ld %ld", IDCANCEL, rect.left, rect.top, rect.right,
                     rect.bottom);
        }
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDemoDialog, CORXDialog)
ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

struct DialogTemplate
{
    DLGTEMPLATE dlg;
    WORD wMenu, wClass;
    WCHAR szTitle[12];
};
} // namespace

BOOL CDemoDropDown::Create(CFrameWnd* pFrame, PFN_LOG pfnLog)
{
    s_pfnLog = pfnLog;
    s_pThis = this;
    m_pFrame = pFrame;
    if (!m_wndPalette.Create(pFrame, WS_CHILD | CBRS_TOP, IDW_DEMO_PALETTE) ||
        !m_wndPalette.LoadToolBar(IDR_DEMO_TOOLBAR))
        return FALSE;
    m_wndPalette.SetOwner(pFrame);
    if (!m_wndBar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, IDW_DEMO_DROPDOWNBAR))
        return FALSE;
    m_wndBar.SetOwner(pFrame);
    CDemoDropDownButton* pDropDown = new CDemoDropDownButton(_T("Palette"), &m_wndPalette);
    if (m_wndBar.InsertButton(pDropDown) < 0)
        delete pDropDown;
    CORXToolbarButton* pDialog = new CORXToolbarButton(ID_DEMO_DIALOG, -1, _T("Dialog"));
    pDialog->m_bText = TRUE;
    pDialog->m_bImage = FALSE;
    if (m_wndBar.InsertButton(pDialog) < 0)
        delete pDialog;
    return TRUE;
}

void CDemoDropDown::LogLayout()
{
    if (m_wndBar.GetSafeHwnd() == NULL)
        return;
    for (int i = 0; i < m_wndBar.GetCount(); i++)
        LogBarButton(_T("dropdownbar"), m_wndBar, i);
}

BOOL CDemoDropDown::OnCommand(WPARAM wParam)
{
    CORXDropDownToolbarButton* pButton = DYNAMIC_DOWNCAST(CORXDropDownToolbarButton, m_wndBar.GetButton(0));
    if (pButton != NULL && HIWORD(wParam) == 0 && LOWORD(wParam) == pButton->m_nID)
        s_pfnLog("dropdown current %u %d", pButton->m_nID, pButton->GetShownImage());
    if (LOWORD(wParam) != ID_DEMO_DIALOG)
        return FALSE;
    // Once the click that chose the command is over.
    ::SetTimer(m_pFrame->GetSafeHwnd(), kOpenDialogTimer, 10, OpenDialogLater);
    return TRUE;
}

void CALLBACK CDemoDropDown::OpenDialogLater(HWND hWnd, UINT, UINT_PTR idEvent, DWORD)
{
    ::KillTimer(hWnd, idEvent);
    DialogTemplate tmpl;
    memset(&tmpl, 0, sizeof(tmpl));
    tmpl.dlg.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    tmpl.dlg.x = 40;
    tmpl.dlg.y = 40;
    tmpl.dlg.cx = 180;
    tmpl.dlg.cy = 90;
    const char* pszTitle = "Demo dialog";
    for (int i = 0; pszTitle[i] != 0; i++)
        tmpl.szTitle[i] = (WCHAR)pszTitle[i];
    CDemoDialog dlg;
    if (!dlg.InitModalIndirect(&tmpl.dlg, s_pThis->m_pFrame))
        return;
    s_pfnLog("dialog open");
    INT_PTR nResult = dlg.DoModal();
    s_pfnLog("dialog closed %d", (int)nResult);
}
