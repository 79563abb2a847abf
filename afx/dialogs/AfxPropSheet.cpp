// Property pages and sheets: the system's property sheet with each page and the sheet attached
// to its C++ object, page data exchange on leaving a page and on apply.
#include "AfxPropSheet.h"
#include "AfxWinImpl.h"

// CPropertyPage

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

INT_PTR CALLBACK AfxPropPageDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The system creates the page; the page object is attached when the dialog manager first
    // hands it over, and from then on every message goes through the page's message map.
    if (message == WM_INITDIALOG && lParam != 0)
    {
        CPropertyPage* pPage = (CPropertyPage*)((LPPROPSHEETPAGE)lParam)->lParam;
        if (pPage != NULL && CWnd::FromHandlePermanent(hWnd) == NULL && pPage->m_hWnd == NULL)
        {
            if (pPage->SubclassWindow(hWnd))
            {
                pPage->m_bFirstSetActive = TRUE;
                return (INT_PTR)AfxCallWndProc(pPage, hWnd, WM_INITDIALOG, wParam, lParam);
            }
        }
        return TRUE;
    }
    return FALSE;
}

void CPropertyPage::CommonConstruct(LPCTSTR lpszTemplateName, UINT nIDCaption)
{
    memset(&m_psp, 0, sizeof(m_psp));
    m_psp.dwSize = sizeof(m_psp);
    m_psp.dwFlags = PSP_DEFAULT;
    m_psp.hInstance = lpszTemplateName != NULL ? AfxFindResourceHandle(lpszTemplateName, RT_DIALOG)
                                               : AfxGetResourceHandle();
    m_psp.pszTemplate = lpszTemplateName;
    m_psp.pfnDlgProc = AfxPropPageDlgProc;
    m_psp.lParam = (LPARAM)this;
    m_lpszTemplateName = lpszTemplateName;
    if (lpszTemplateName != NULL && HIWORD((DWORD_PTR)lpszTemplateName) == 0)
        m_nIDHelp = LOWORD((DWORD_PTR)lpszTemplateName);
    if (nIDCaption != 0)
    {
        m_strCaption.LoadString(nIDCaption);
        m_psp.dwFlags |= PSP_USETITLE;
        m_psp.pszTitle = m_strCaption;
    }
    m_bFirstSetActive = TRUE;
}

CPropertyPage::CPropertyPage()
{
    CommonConstruct(NULL, 0);
}

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption)
{
    CommonConstruct(MAKEINTRESOURCE(nIDTemplate), nIDCaption);
}

CPropertyPage::CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption)
{
    CommonConstruct(lpszTemplateName, nIDCaption);
}

void CPropertyPage::Construct(UINT nIDTemplate, UINT nIDCaption)
{
    CommonConstruct(MAKEINTRESOURCE(nIDTemplate), nIDCaption);
}

void CPropertyPage::Construct(LPCTSTR lpszTemplateName, UINT nIDCaption)
{
    CommonConstruct(lpszTemplateName, nIDCaption);
}

CPropertyPage::~CPropertyPage() {}

INT_PTR CPropertyPage::DoModal()
{
    return -1;
}

BOOL CPropertyPage::CheckAutoCenter()
{
    return FALSE;
}

CPropertySheet* CPropertyPage::GetParentSheet() const
{
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
    return pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(CPropertySheet)) ? (CPropertySheet*)pParent
                                                                               : NULL;
}

void CPropertyPage::CancelToClose()
{
    ::SendMessage(::GetParent(m_hWnd), PSM_CANCELTOCLOSE, 0, 0);
}

void CPropertyPage::SetModified(BOOL bChanged)
{
    if (m_hWnd == NULL)
        return;
    HWND hWndSheet = ::GetParent(m_hWnd);
    ::SendMessage(hWndSheet, bChanged ? PSM_CHANGED : PSM_UNCHANGED, (WPARAM)m_hWnd, 0);
}

LRESULT CPropertyPage::QuerySiblings(WPARAM wParam, LPARAM lParam)
{
    return ::SendMessage(::GetParent(m_hWnd), PSM_QUERYSIBLINGS, wParam, lParam);
}

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset()
{
    OnCancel();
}
void CPropertyPage::OnOK() {}
void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::OnSetActive()
{
    // The first activation follows OnInitDialog, which already filled the controls.
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    // A page with bad input keeps the focus: the sheet neither switches pages nor applies.
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnQueryCancel()
{
    return TRUE;
}
LRESULT CPropertyPage::OnWizardBack()
{
    return 0;
}
LRESULT CPropertyPage::OnWizardNext()
{
    return 0;
}
BOOL CPropertyPage::OnWizardFinish()
{
    return TRUE;
}

BOOL CPropertyPage::PreTranslateMessage(MSG* pMsg)
{
    // The sheet does the dialog keyboard for its pages.
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE)
        return FALSE;
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (CDialog::OnNotify(wParam, lParam, pResult))
        return TRUE;

    NMHDR* pNMHDR = (NMHDR*)lParam;
    if (pNMHDR->hwndFrom != m_hWnd && pNMHDR->hwndFrom != ::GetParent(m_hWnd))
        return FALSE;

    switch (pNMHDR->code)
    {
    case PSN_SETACTIVE: {
        BOOL bActive = OnSetActive();
        *pResult = bActive ? 0 : -1;
        // The sheet remembers its last page even after its window is gone.
        CPropertySheet* pSheet = GetParentSheet();
        if (bActive && pSheet != NULL)
        {
            int nIndex = pSheet->GetPageIndex(this);
            if (nIndex >= 0)
                pSheet->m_psh.nStartPage = (UINT)nIndex;
        }
        break;
    }
    case PSN_KILLACTIVE:
        *pResult = !OnKillActive();
        break;
    case PSN_APPLY: {
        BOOL bApplied = OnApply();
        *pResult = bApplied ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        // The sheet ends with OK when its pages accept an apply that came from OK rather than
        // from Apply; pressing the button by message sends no command that would tell.
        CPropertySheet* pSheet = GetParentSheet();
        if (bApplied && pSheet != NULL && ((LPPSHNOTIFY)pNMHDR)->lParam)
            pSheet->m_nModalResult = IDOK;
        break;
    }
    case PSN_RESET:
        OnReset();
        if (GetParentSheet() != NULL)
            GetParentSheet()->m_nModalResult = IDCANCEL;
        break;
    case PSN_QUERYCANCEL:
        *pResult = !OnQueryCancel();
        break;
    case PSN_WIZNEXT:
        *pResult = OnWizardNext();
        break;
    case PSN_WIZBACK:
        *pResult = OnWizardBack();
        break;
    case PSN_WIZFINISH:
        *pResult = !OnWizardFinish();
        break;
    case PSN_HELP:
        SendMessage(WM_COMMAND, ID_HELP);
        break;
    default:
        return FALSE;
    }
    // The sheet reads the answer from the dialog's result slot as well as the return value.
    ::SetWindowLongPtr(m_hWnd, DWLP_MSGRESULT, (LONG_PTR)*pResult);
    return TRUE;
}

// CPropertySheet

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
END_MESSAGE_MAP()

// The template style of a modeless sheet is set as the system builds it (see the thread state).

static int CALLBACK AfxPropSheetCallback(HWND, UINT message, LPARAM lParam)
{
    if (message != PSCB_PRECREATE || lParam == 0)
        return 0;
    CPropertySheet* pSheet = AfxGetThreadState()->pSheetBeingCreated;
    if (pSheet == NULL || pSheet->m_dwCreateStyle == (DWORD)-1)
        return 0;

    DWORD dwStyle = pSheet->m_dwCreateStyle;
    WORD* pWords = (WORD*)lParam;
    if (pWords[1] == 0xFFFF) // extended template: version, signature, help id, ex style, style
    {
        DWORD* pExStyle = (DWORD*)(pWords + 4);
        DWORD* pStyle = (DWORD*)(pWords + 6);
        *pStyle = (*pStyle & DS_SETFONT) ? (dwStyle | DS_SETFONT) : (dwStyle & ~DS_SETFONT);
        *pExStyle = pSheet->m_dwCreateExStyle;
    }
    else
    {
        LPDLGTEMPLATE pTemplate = (LPDLGTEMPLATE)lParam;
        pTemplate->style = (pTemplate->style & DS_SETFONT) ? (dwStyle | DS_SETFONT) : (dwStyle & ~DS_SETFONT);
        pTemplate->dwExtendedStyle = pSheet->m_dwCreateExStyle;
    }
    return 1;
}

void CPropertySheet::CommonConstruct(CWnd* pParentWnd, UINT iSelectPage)
{
    memset(&m_psh, 0, sizeof(m_psh));
    m_psh.dwSize = sizeof(m_psh);
    m_psh.dwFlags = PSH_PROPSHEETPAGE;
    m_psh.pszCaption = m_strCaption;
    m_psh.nStartPage = iSelectPage;
    m_psh.hInstance = AfxGetResourceHandle();
    m_pParentWnd = pParentWnd;
    m_bStacked = TRUE;
    m_bModeless = FALSE;
    m_pPageArray = NULL;
    m_dwCreateStyle = (DWORD)-1;
    m_dwCreateExStyle = 0;
    m_nModalResult = IDCANCEL;
}

CPropertySheet::CPropertySheet()
{
    CommonConstruct(NULL, 0);
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    m_strCaption.LoadString(nIDCaption);
    CommonConstruct(pParentWnd, iSelectPage);
}

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    m_strCaption = pszCaption;
    CommonConstruct(pParentWnd, iSelectPage);
}

void CPropertySheet::Construct(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    m_strCaption.LoadString(nIDCaption);
    CommonConstruct(pParentWnd, iSelectPage);
}

void CPropertySheet::Construct(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    m_strCaption = pszCaption;
    CommonConstruct(pParentWnd, iSelectPage);
}

CPropertySheet::~CPropertySheet()
{
    if (m_hWnd != NULL && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    delete[] m_pPageArray;
}

void CPropertySheet::BuildPropPageArray()
{
    delete[] m_pPageArray;
    int nPages = (int)m_pages.GetSize();
    m_pPageArray = new PROPSHEETPAGE[nPages > 0 ? nPages : 1];
    for (int i = 0; i < nPages; i++)
    {
        CPropertyPage* pPage = GetPage(i);
        if (pPage->m_psp.dwFlags & PSP_USETITLE)
            pPage->m_psp.pszTitle = pPage->m_strCaption;
        m_pPageArray[i] = pPage->m_psp;
    }
    m_psh.dwFlags |= PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    m_psh.pfnCallback = AfxPropSheetCallback;
    m_psh.ppsp = m_pPageArray;
    m_psh.nPages = (UINT)nPages;
    m_psh.pszCaption = m_strCaption;
    if (m_psh.nStartPage >= (UINT)nPages)
        m_psh.nStartPage = 0;
}

INT_PTR CPropertySheet::DoModal()
{
    BuildPropPageArray();
    m_psh.dwFlags |= PSH_MODELESS;
    m_dwCreateStyle = (DWORD)-1;

    HWND hWndTop;
    HWND hWndParent = CWnd::GetSafeOwnerHwnd(m_pParentWnd->GetSafeHwnd(), &hWndTop);
    m_psh.hwndParent = hWndParent;
    BOOL bEnableParent = FALSE;
    if (hWndParent != NULL && ::IsWindowEnabled(hWndParent))
    {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }
    HWND hWndCapture = ::GetCapture();
    if (hWndCapture != NULL)
        ::SendMessage(hWndCapture, WM_CANCELMODE, 0, 0);

    m_nModalResult = IDCANCEL;
    AfxGetThreadState()->pSheetBeingCreated = this;
    AfxHookWindowCreate(this);
    HWND hWnd = (HWND)::PropertySheet(&m_psh);
    AfxUnhookWindowCreate();
    AfxGetThreadState()->pSheetBeingCreated = NULL;

    INT_PTR nResult = -1;
    BOOL bOurs = hWnd != NULL && hWnd != (HWND)-1 && m_hWnd == hWnd;
    if (bOurs)
    {
        m_nFlags |= WF_CONTINUEMODAL;
        nResult = RunModalLoop(MLF_SHOWONIDLE);
    }
    // As the system's EndDialog does it: the owner takes input again, and the activation, while the
    // sheet is still up. Taking a shown window down is not instant here: Wine's X11 driver first
    // waits, up to two seconds, for a window manager to confirm the window was mapped, and under a
    // display without one that wait always runs out. An owner enabled only after the hide stayed
    // disabled all that time, and the hidden sheet stayed the active window.
    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != NULL && (::GetActiveWindow() == NULL || (bOurs && ::GetActiveWindow() == m_hWnd)))
        ::SetActiveWindow(hWndParent);
    if (bOurs)
        DestroyWindow();
    else if (hWnd != NULL && hWnd != (HWND)-1)
        ::DestroyWindow(hWnd);
    m_psh.dwFlags &= ~PSH_MODELESS;

    if (hWndTop != NULL)
        ::EnableWindow(hWndTop, TRUE);
    return nResult;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle)
{
    if (dwStyle == (DWORD)-1)
    {
        dwStyle =
            DS_MODALFRAME | DS_3DLOOK | DS_CONTEXTHELP | DS_SETFONT | WS_POPUP | WS_VISIBLE | WS_CAPTION;
        if (!(m_psh.dwFlags & PSH_WIZARD))
            dwStyle |= WS_SYSMENU;
    }
    m_dwCreateStyle = dwStyle;
    m_dwCreateExStyle = dwExStyle;
    if (pParentWnd != NULL)
        m_pParentWnd = pParentWnd;
    m_bModeless = TRUE;

    BuildPropPageArray();
    m_psh.dwFlags |= PSH_MODELESS;
    m_psh.hwndParent = m_pParentWnd->GetSafeHwnd();

    AfxGetThreadState()->pSheetBeingCreated = this;
    AfxHookWindowCreate(this);
    HWND hWnd = (HWND)::PropertySheet(&m_psh);
    AfxUnhookWindowCreate();
    AfxGetThreadState()->pSheetBeingCreated = NULL;
    m_dwCreateStyle = (DWORD)-1;
    return hWnd != NULL && hWnd != (HWND)-1 && m_hWnd == hWnd;
}

BOOL CPropertySheet::ContinueModal()
{
    if (!CWnd::ContinueModal())
        return FALSE;
    // The system ends a modeless sheet by leaving it without a current page.
    return ::SendMessage(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) != 0;
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    int nCode = HIWORD(wParam);
    if (nID == IDOK || nID == IDCANCEL)
    {
        m_nModalResult = (int)nID;
    }
    else if (hWndCtrl != NULL && nCode == BN_CLICKED &&
             (::SendMessage(hWndCtrl, WM_GETDLGCODE, 0, 0) & (DLGC_BUTTON | DLGC_DEFPUSHBUTTON)))
    {
        LONG lStyle = ::GetWindowLong(hWndCtrl, GWL_STYLE) & 0x0F;
        if (lStyle == BS_PUSHBUTTON || lStyle == BS_DEFPUSHBUTTON || lStyle == BS_USERBUTTON ||
            lStyle == BS_OWNERDRAW)
            m_nModalResult = (int)nID;
    }
    return FALSE; // the sheet itself acts on its buttons
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (m_hWnd == NULL)
        return FALSE;
    // A sheet inside a dialog is one of its controls: Enter and Escape are the dialog's OK and
    // Cancel, not the sheet's own buttons, which such a sheet hides. A button of a page that has
    // the focus is still pressed by Enter, on its own page, as the dialog manager would press it on
    // a dialog of its own.
    if ((GetStyle() & WS_CHILD) && pMsg->message == WM_KEYDOWN &&
        (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE))
    {
        HWND hFocus = ::GetFocus();
        if (pMsg->wParam == VK_RETURN && hFocus != NULL && ::IsChild(m_hWnd, hFocus) &&
            ::GetParent(hFocus) != m_hWnd &&
            (::SendMessage(hFocus, WM_GETDLGCODE, 0, (LPARAM)pMsg) & DLGC_DEFPUSHBUTTON) &&
            ::IsWindowEnabled(hFocus))
        {
            ::SendMessage(::GetParent(hFocus), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(hFocus), BN_CLICKED),
                          (LPARAM)hFocus);
            return TRUE;
        }
        return FALSE;
    }
    return (BOOL)::SendMessage(m_hWnd, PSM_ISDIALOGMESSAGE, 0, (LPARAM)pMsg);
}

BOOL CPropertySheet::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return AfxRouteCommandOutward(this, nID, nCode, pExtra, pHandlerInfo);
}

int CPropertySheet::GetPageCount() const
{
    return (int)m_pages.GetSize();
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    if (nPage < 0 || nPage >= (int)m_pages.GetSize())
        return NULL;
    return (CPropertyPage*)m_pages.GetAt(nPage);
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage)
{
    for (int i = 0; i < GetPageCount(); i++)
    {
        if (GetPage(i) == pPage)
            return i;
    }
    return -1;
}

int CPropertySheet::GetActiveIndex() const
{
    if (m_hWnd == NULL)
        return (int)m_psh.nStartPage;
    HWND hWndPage = (HWND)::SendMessage(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0);
    if (hWndPage != NULL)
    {
        for (int i = 0; i < GetPageCount(); i++)
        {
            if (GetPage(i)->m_hWnd == hWndPage)
                return i;
        }
    }
    return (int)m_psh.nStartPage;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    return GetPage(GetActiveIndex());
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return FALSE;
    if (m_hWnd == NULL)
    {
        m_psh.nStartPage = (UINT)nPage;
        return TRUE;
    }
    return (BOOL)::SendMessage(m_hWnd, PSM_SETCURSEL, (WPARAM)nPage, 0);
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage)
{
    return SetActivePage(GetPageIndex(pPage));
}

void CPropertySheet::SetTitle(LPCTSTR lpszText, UINT nStyle)
{
    m_strCaption = lpszText;
    m_psh.pszCaption = m_strCaption;
    m_psh.dwFlags = (m_psh.dwFlags & ~PSH_PROPTITLE) | (nStyle & PSH_PROPTITLE);
    if (m_hWnd != NULL)
        ::SendMessage(m_hWnd, PSM_SETTITLE, nStyle, (LPARAM)lpszText);
}

CTabCtrl* CPropertySheet::GetTabControl() const
{
    return reinterpret_cast<CTabCtrl*>(
        CWnd::FromHandle((HWND)::SendMessage(m_hWnd, PSM_GETTABCONTROL, 0, 0)));
}

void CPropertySheet::SetWizardMode()
{
    m_psh.dwFlags |= PSH_WIZARD;
}

void CPropertySheet::SetFinishText(LPCTSTR lpszText)
{
    ::SendMessage(m_hWnd, PSM_SETFINISHTEXT, 0, (LPARAM)lpszText);
}

void CPropertySheet::SetWizardButtons(DWORD dwFlags)
{
    ::PostMessage(m_hWnd, PSM_SETWIZBUTTONS, 0, (LPARAM)dwFlags);
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    if (pPage == NULL)
        return;
    m_pages.Add(pPage);
    if (m_hWnd != NULL)
    {
        if (pPage->m_psp.dwFlags & PSP_USETITLE)
            pPage->m_psp.pszTitle = pPage->m_strCaption;
        HPROPSHEETPAGE hPSP = ::CreatePropertySheetPage(&pPage->m_psp);
        if (hPSP == NULL || !::SendMessage(m_hWnd, PSM_ADDPAGE, 0, (LPARAM)hPSP))
        {
            if (hPSP != NULL)
                ::DestroyPropertySheetPage(hPSP);
            m_pages.RemoveAt(m_pages.GetSize() - 1);
            AfxThrowMemoryException();
        }
    }
}

void CPropertySheet::RemovePage(CPropertyPage* pPage)
{
    int nPage = GetPageIndex(pPage);
    if (nPage >= 0)
        RemovePage(nPage);
}

void CPropertySheet::RemovePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return;
    if (m_hWnd != NULL)
        ::SendMessage(m_hWnd, PSM_REMOVEPAGE, (WPARAM)nPage, 0);
    m_pages.RemoveAt(nPage);
    if (m_psh.nStartPage >= (UINT)GetPageCount() && m_psh.nStartPage > 0)
        m_psh.nStartPage = 0;
}

void CPropertySheet::EndDialog(int nEndID)
{
    CWnd::EndModalLoop(nEndID);
    if (m_hWnd != NULL)
        ::PostMessage(m_hWnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

BOOL CPropertySheet::PressButton(int nButton)
{
    return (BOOL)::SendMessage(m_hWnd, PSM_PRESSBUTTON, (WPARAM)nButton, 0);
}
