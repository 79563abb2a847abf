// CORXWindowsDlg: the window list of an MDI frame and what it does to the selected windows.
#include "ORXWindowsDlg.h"

#include "ORXMDIFrameWnd.h"
#include "uiextras/uiextras_res.h"

IMPLEMENT_DYNAMIC(CORXWindowsDlg, CDialog)

const UINT ORXM_WINDOW_HELP = ::RegisterWindowMessage(_T("WINDOW_HELP"));

CORXWindowsDlg::PFN_SPI CORXWindowsDlg::m_pfnSystemParametersInfo = ::SystemParametersInfoA;

namespace
{
// WM_HELPINFO (F1 in the dialog).
const UINT kMsgHelpInfo = 0x0053;

// Switches the minimise and restore animation off for its life, and back to what it was however
// the arranging ends.
class CAnimationOff
{
public:
    CAnimationOff()
    {
        m_info.cbSize = sizeof(m_info);
        m_bHave = CORXWindowsDlg::m_pfnSystemParametersInfo(SPI_GETANIMATION, sizeof(m_info), &m_info, 0);
        if (m_bHave && m_info.iMinAnimate != 0)
        {
            ANIMATIONINFO off = m_info;
            off.iMinAnimate = 0;
            CORXWindowsDlg::m_pfnSystemParametersInfo(SPI_SETANIMATION, sizeof(off), &off, 0);
        }
    }
    ~CAnimationOff()
    {
        if (m_bHave && m_info.iMinAnimate != 0)
            CORXWindowsDlg::m_pfnSystemParametersInfo(SPI_SETANIMATION, sizeof(m_info), &m_info, 0);
    }

private:
    ANIMATIONINFO m_info;
    BOOL m_bHave;
};
} // namespace

BEGIN_MESSAGE_MAP(CORXWindowsDlg, CDialog)
ON_BN_CLICKED(IDC_ORX_WINDOWS_ACTIVATE, OnActivate)
ON_LBN_DBLCLK(IDC_ORX_WINDOWS_LIST, OnActivate)
ON_BN_CLICKED(IDC_ORX_WINDOWS_SAVE, OnSave)
ON_BN_CLICKED(IDC_ORX_WINDOWS_CLOSE, OnClose)
ON_BN_CLICKED(IDC_ORX_WINDOWS_CASCADE, OnCascade)
ON_BN_CLICKED(IDC_ORX_WINDOWS_TILEHORZ, OnTileHorz)
ON_BN_CLICKED(IDC_ORX_WINDOWS_TILEVERT, OnTileVert)
ON_BN_CLICKED(IDC_ORX_WINDOWS_MINIMIZE, OnMinimize)
ON_LBN_SELCHANGE(IDC_ORX_WINDOWS_LIST, OnSelChange)
ON_BN_CLICKED(IDC_ORX_WINDOWS_HELP, OnHelp)
ON_MESSAGE(kMsgHelpInfo, OnHelpInfoMsg)
ON_WM_DRAWITEM()
END_MESSAGE_MAP()

CORXWindowsDlg::CORXWindowsDlg(CORXMDIFrameWnd* pMDIFrame)
    : CDialog(IDD_ORX_WINDOWS_DIALOG, pMDIFrame), m_pMDIFrame(pMDIFrame),
      m_hWndMDIClient(pMDIFrame != NULL ? pMDIFrame->m_hWndMDIClient : NULL), m_bAllSystemMenus(TRUE)
{
}

void CORXWindowsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ORX_WINDOWS_LIST, m_wndList);
}

BOOL CORXWindowsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    FillWindowList();
    SelectActive();
    UpdateButtons();
    return TRUE;
}

HWND CORXWindowsDlg::ItemWindow(int iItem) const
{
    return (HWND)::SendMessage(m_wndList.GetSafeHwnd(), LB_GETITEMDATA, iItem, 0);
}

void CORXWindowsDlg::FillWindowList()
{
    m_wndList.SetRedraw(FALSE);
    m_wndList.ResetContent();
    m_lstCloseDisabled.RemoveAll();
    m_bAllSystemMenus = TRUE;
    for (HWND hChild = m_hWndMDIClient != NULL ? ::GetWindow(m_hWndMDIClient, GW_CHILD) : NULL;
         hChild != NULL; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        // Visible as a child: the frame itself may be hidden.
        if (!(::GetWindowLong(hChild, GWL_STYLE) & WS_VISIBLE) || ::GetWindow(hChild, GW_OWNER) != NULL)
            continue;
        // At most nMaxTextLength characters of a title, however long the window's own.
        TCHAR szText[nMaxTextLength + 1] = {0};
        ::GetWindowText(hChild, szText, nMaxTextLength + 1);
        szText[nMaxTextLength] = 0;
        int iItem = m_wndList.AddString(szText);
        if (iItem < 0)
            continue;
        m_wndList.SetItemData(iItem, (DWORD_PTR)hChild);

        HMENU hSysMenu =
            (::GetWindowLong(hChild, GWL_STYLE) & WS_SYSMENU) ? ::GetSystemMenu(hChild, FALSE) : NULL;
        if (hSysMenu == NULL)
        {
            m_bAllSystemMenus = FALSE;
            m_lstCloseDisabled.AddTail(hChild);
            continue;
        }
        UINT uState = ::GetMenuState(hSysMenu, SC_CLOSE, MF_BYCOMMAND);
        if (uState == (UINT)-1 || (uState & (MF_GRAYED | MF_DISABLED)))
            m_lstCloseDisabled.AddTail(hChild);
    }
    m_wndList.SetRedraw(TRUE);
}

void CORXWindowsDlg::SelectActive()
{
    int nCount = m_wndList.GetCount();
    if (nCount > 0)
        m_wndList.SendMessage(LB_SELITEMRANGEEX, nCount - 1, 0);
    HWND hActive =
        m_hWndMDIClient != NULL ? (HWND)::SendMessage(m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0) : NULL;
    for (int i = 0; i < nCount; i++)
        if (ItemWindow(i) == hActive)
        {
            m_wndList.SetSel(i, TRUE);
            break;
        }
}

void CORXWindowsDlg::UpdateButtons()
{
    int nSel = m_wndList.GetSelCount();
    BOOL bCloseable = nSel > 0;
    for (int i = 0; i < m_wndList.GetCount() && bCloseable; i++)
        if (m_wndList.GetSel(i) > 0 && m_lstCloseDisabled.Find(ItemWindow(i)) != NULL)
            bCloseable = FALSE;
    GetDlgItem(IDC_ORX_WINDOWS_ACTIVATE)->EnableWindow(nSel == 1);
    GetDlgItem(IDC_ORX_WINDOWS_SAVE)->EnableWindow(nSel > 0);
    GetDlgItem(IDC_ORX_WINDOWS_CLOSE)->EnableWindow(bCloseable);
    GetDlgItem(IDC_ORX_WINDOWS_TILEHORZ)->EnableWindow(m_bAllSystemMenus && nSel >= 2);
    GetDlgItem(IDC_ORX_WINDOWS_TILEVERT)->EnableWindow(m_bAllSystemMenus && nSel >= 2);
    GetDlgItem(IDC_ORX_WINDOWS_CASCADE)->EnableWindow(m_bAllSystemMenus && nSel >= 2);
    GetDlgItem(IDC_ORX_WINDOWS_MINIMIZE)->EnableWindow(m_bAllSystemMenus && nSel > 0);
}

void CORXWindowsDlg::OnActivate()
{
    if (m_wndList.GetSelCount() != 1)
        return;
    for (int i = 0; i < m_wndList.GetCount(); i++)
    {
        if (m_wndList.GetSel(i) <= 0)
            continue;
        HWND hWnd = ItemWindow(i);
        if (::IsIconic(hWnd))
            ::ShowWindow(hWnd, SW_RESTORE);
        ::SendMessage(m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)hWnd, 0);
        EndDialog(IDOK);
        return;
    }
}

void CORXWindowsDlg::OnSave()
{
    for (int i = 0; i < m_wndList.GetCount(); i++)
    {
        if (m_wndList.GetSel(i) <= 0)
            continue;
        CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(ItemWindow(i)));
        CDocument* pDoc = pFrame != NULL ? pFrame->GetActiveDocument() : NULL;
        if (pDoc != NULL)
            pDoc->DoFileSave();
    }
    FillWindowList();
    SelectActive();
    UpdateButtons();
}

void CORXWindowsDlg::OnClose()
{
    m_wndList.SetRedraw(FALSE);
    for (int i = m_wndList.GetCount() - 1; i >= 0; i--)
    {
        if (m_wndList.GetSel(i) <= 0)
            continue;
        HWND hWnd = ItemWindow(i);
        ::SendMessage(hWnd, WM_CLOSE, 0, 0);
        // A window that refused to close stops the rest.
        if (::IsWindow(hWnd) && ::GetParent(hWnd) == m_hWndMDIClient)
            break;
    }
    m_wndList.SetRedraw(TRUE);
    FillWindowList();
    SelectActive();
    UpdateButtons();
}

void CORXWindowsDlg::MDIMessage(UINT uMsg, WPARAM wParam)
{
    int nCount = m_wndList.GetCount();
    if (nCount <= 0)
        return;
    CWaitCursor wait;
    CAnimationOff animation;
    ::LockWindowUpdate(m_hWndMDIClient);
    for (int i = nCount - 1; i >= 0; i--)
        ::ShowWindow(ItemWindow(i), m_wndList.GetSel(i) > 0 ? SW_RESTORE : SW_MINIMIZE);
    ::SendMessage(m_hWndMDIClient, uMsg, wParam, 0);
    ::LockWindowUpdate(NULL);
}

void CORXWindowsDlg::OnCascade()
{
    MDIMessage(WM_MDICASCADE, 0);
}

void CORXWindowsDlg::OnTileHorz()
{
    MDIMessage(WM_MDITILE, MDITILE_HORIZONTAL);
}

void CORXWindowsDlg::OnTileVert()
{
    MDIMessage(WM_MDITILE, MDITILE_VERTICAL);
}

void CORXWindowsDlg::OnMinimize()
{
    CAnimationOff animation;
    m_wndList.SetRedraw(FALSE);
    for (int i = m_wndList.GetCount() - 1; i >= 0; i--)
        if (m_wndList.GetSel(i) > 0)
            ::ShowWindow(ItemWindow(i), SW_MINIMIZE);
    m_wndList.SetRedraw(TRUE);
    FillWindowList();
    SelectActive();
    UpdateButtons();
}

void CORXWindowsDlg::OnSelChange()
{
    UpdateButtons();
}

void CORXWindowsDlg::OnHelp()
{
    CWnd* pMain = AfxGetMainWnd();
    if (pMain != NULL && pMain->GetSafeHwnd() != NULL)
        pMain->SendMessage(ORXM_WINDOW_HELP, 0, (LPARAM)this);
}

LRESULT CORXWindowsDlg::OnHelpInfoMsg(WPARAM, LPARAM)
{
    OnHelp();
    return FALSE;
}

void CORXWindowsDlg::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS)
{
    if (nIDCtl != IDC_ORX_WINDOWS_LIST || lpDIS->itemID == (UINT)-1)
    {
        CDialog::OnDrawItem(nIDCtl, lpDIS);
        return;
    }
    HDC hDC = lpDIS->hDC;
    CRect rect(lpDIS->rcItem);
    const BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
    COLORREF clrBack = ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    COLORREF clrText = ::GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    if (lpDIS->itemAction & (ODA_DRAWENTIRE | ODA_SELECT))
    {
        HBRUSH hBrush = ::CreateSolidBrush(clrBack);
        ::FillRect(hDC, rect, hBrush);
        ::DeleteObject(hBrush);
    }
    const int nHeight = rect.Height();
    TCHAR szText[nMaxTextLength + 1] = {0};
    int nLen = (int)::SendMessage(lpDIS->hwndItem, LB_GETTEXTLEN, lpDIS->itemID, 0);
    if (nLen >= 0 && nLen <= nMaxTextLength)
        ::SendMessage(lpDIS->hwndItem, LB_GETTEXT, lpDIS->itemID, (LPARAM)szText);
    CRect rectText = rect;
    rectText.left += nHeight + 4;
    int nOldMode = ::SetBkMode(hDC, TRANSPARENT);
    COLORREF clrOldText = ::SetTextColor(hDC, clrText);
    ::DrawText(hDC, szText, -1, rectText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    ::SetTextColor(hDC, clrOldText);
    ::SetBkMode(hDC, nOldMode);
    HWND hWnd = (HWND)lpDIS->itemData;
    HICON hIcon = hWnd != NULL && ::IsWindow(hWnd) ? (HICON)::GetClassLongPtr(hWnd, GCLP_HICONSM) : NULL;
    if (hIcon != NULL)
        ::DrawIconEx(hDC, rect.left + 2, rect.top, hIcon, nHeight, nHeight, 0, NULL, DI_NORMAL);
    if (lpDIS->itemAction & ODA_FOCUS)
        ::DrawFocusRect(hDC, rect);
}
