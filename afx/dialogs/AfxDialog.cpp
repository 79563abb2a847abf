// CDialog: templates, the modal run, keyboard pre-translation and command routing.
#include "AfxDialog.h"
#include "AfxGdi.h"
#include "AfxWinImpl.h"

// CDialog

INT_PTR CALLBACK AfxDlgProc(HWND, UINT message, WPARAM, LPARAM)
{
    // Every message goes through the window's own procedure and message map first; the
    // dialog procedure only tells the dialog manager to pick the first focus itself.
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
ON_MESSAGE(WM_SETFONT, HandleSetFont)
END_MESSAGE_MAP()

void CDialog::CommonConstruct()
{
    m_nIDHelp = 0;
    m_lpszTemplateName = NULL;
    m_hDialogTemplate = NULL;
    m_lpDialogTemplate = NULL;
    m_lpDialogInit = NULL;
    m_pParentWnd = NULL;
    m_hWndTop = NULL;
}

CDialog::CDialog()
{
    CommonConstruct();
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    CommonConstruct();
    m_pParentWnd = pParentWnd;
    m_lpszTemplateName = lpszTemplateName;
    if (HIWORD((DWORD_PTR)m_lpszTemplateName) == 0)
        m_nIDHelp = LOWORD((DWORD_PTR)m_lpszTemplateName);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
{
    CommonConstruct();
    m_pParentWnd = pParentWnd;
    m_lpszTemplateName = MAKEINTRESOURCE(nIDTemplate);
    m_nIDHelp = nIDTemplate;
}

CDialog::~CDialog()
{
    if (m_hWnd != NULL && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    m_lpDialogInit = lpDialogInit;
    return TRUE;
}

BOOL CDialog::InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    m_hDialogTemplate = hDialogTemplate;
    m_pParentWnd = pParentWnd;
    return TRUE;
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (HIWORD((DWORD_PTR)m_lpszTemplateName) == 0 && m_nIDHelp == 0)
        m_nIDHelp = LOWORD((DWORD_PTR)m_lpszTemplateName);

    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResource(hInst, lpszTemplateName, RT_DIALOG);
    HGLOBAL hTemplate = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
    if (hTemplate == NULL)
        return FALSE;
    return CreateIndirect((LPCDLGTEMPLATE)::LockResource(hTemplate), pParentWnd, NULL, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    LPCDLGTEMPLATE lpDialogTemplate = (LPCDLGTEMPLATE)::LockResource(hDialogTemplate);
    return lpDialogTemplate != NULL && CreateIndirect(lpDialogTemplate, pParentWnd, NULL, NULL);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    return CreateIndirect(lpDialogTemplate, pParentWnd, lpDialogInit, NULL);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit,
                             HINSTANCE hInst)
{
    m_lpDialogInit = lpDialogInit;
    if (pParentWnd == NULL)
        pParentWnd = m_pParentWnd;
    BOOL bModal = (m_nFlags & WF_CONTINUEMODAL) != 0;
    BOOL bResult = CreateDlgIndirect(lpDialogTemplate, pParentWnd, hInst);
    if (!bModal)
        m_nFlags &= ~WF_CONTINUEMODAL;
    return bResult;
}

BOOL CWnd::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (hInst == NULL)
        hInst = AfxGetResourceHandle();
    m_nFlags |= WF_CONTINUEMODAL;
    AfxHookWindowCreate(this);
    HWND hWnd =
        ::CreateDialogIndirectParam(hInst, lpDialogTemplate, pParentWnd->GetSafeHwnd(), AfxDlgProc, 0);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();

    // EndDialog during OnInitDialog ends the dialog before it ever runs.
    if (hWnd != NULL && !(m_nFlags & WF_CONTINUEMODAL))
    {
        ::DestroyWindow(hWnd);
        hWnd = NULL;
    }
    return hWnd != NULL;
}

HWND CDialog::PreModal()
{
    m_nModalResult = -1;
    return CWnd::GetSafeOwnerHwnd(m_pParentWnd->GetSafeHwnd(), &m_hWndTop);
}

void CDialog::PostModal()
{
    if (m_hWndTop != NULL)
        ::EnableWindow(m_hWndTop, TRUE);
    m_hWndTop = NULL;
}

INT_PTR CDialog::DoModal()
{
    LPCDLGTEMPLATE lpDialogTemplate = m_lpDialogTemplate;
    HGLOBAL hDialogTemplate = m_hDialogTemplate;
    HINSTANCE hInst = AfxGetResourceHandle();
    if (m_lpszTemplateName != NULL)
    {
        hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
        HRSRC hResource = ::FindResource(hInst, m_lpszTemplateName, RT_DIALOG);
        hDialogTemplate = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
    }
    if (hDialogTemplate != NULL)
        lpDialogTemplate = (LPCDLGTEMPLATE)::LockResource(hDialogTemplate);
    if (lpDialogTemplate == NULL)
        return -1;

    HWND hWndParent = PreModal();
    BOOL bEnableParent = FALSE;
    if (hWndParent != NULL && ::IsWindowEnabled(hWndParent))
    {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }

    try
    {
        m_nFlags |= WF_CONTINUEMODAL;
        if (CreateDlgIndirect(lpDialogTemplate, CWnd::FromHandle(hWndParent), hInst))
        {
            if (m_nFlags & WF_CONTINUEMODAL)
            {
                DWORD dwFlags = MLF_SHOWONIDLE;
                if (GetStyle() & DS_NOIDLEMSG)
                    dwFlags |= MLF_NOIDLEMSG;
                RunModalLoop(dwFlags);
            }
            if (m_hWnd != NULL)
                SetWindowPos(NULL, 0, 0, 0, 0,
                             SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
        }
    }
    catch (CException* e)
    {
        e->Delete();
        m_nModalResult = -1;
    }
    m_nFlags &= ~(WF_CONTINUEMODAL | WF_MODALLOOP);

    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != NULL && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);

    DestroyWindow();
    PostModal();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    if (m_hWnd != NULL)
        ::EndDialog(m_hWnd, nResult);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (pWndCtrl != NULL)
        ::SendMessage(m_hWnd, WM_NEXTDLGCTL, (WPARAM)pWndCtrl->m_hWnd, 1);
}

void CDialog::PreInitDialog() {}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    PreInitDialog();
    return OnInitDialog();
}

LRESULT CDialog::HandleSetFont(WPARAM wParam, LPARAM)
{
    OnSetFont(wParam != 0 ? CFont::FromHandle((HFONT)wParam) : NULL);
    return Default();
}

void CDialog::OnSetFont(CFont*) {}

BOOL CDialog::OnInitDialog()
{
    BOOL bDlgInit =
        m_lpDialogInit != NULL ? ExecuteDlgInit(m_lpDialogInit) : ExecuteDlgInit(m_lpszTemplateName);
    if (!bDlgInit)
    {
        EndDialog(-1);
        return FALSE;
    }
    if (!UpdateData(FALSE))
    {
        EndDialog(-1);
        return FALSE;
    }
    // A Help button shows only when some handler would take its command.
    HWND hHelp = ::GetDlgItem(m_hWnd, ID_HELP);
    if (hHelp != NULL)
    {
        AFX_CMDHANDLERINFO info;
        info.pTarget = NULL;
        ::ShowWindow(hHelp, OnCmdMsg(ID_HELP, CN_COMMAND, NULL, &info) ? SW_SHOW : SW_HIDE);
    }
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return; // the refusal was shown; the dialog stays
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::CheckAutoCenter()
{
    return (GetStyle() & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)) == 0;
}

BOOL CDialog::PreTranslateInput(LPMSG lpMsg)
{
    if ((lpMsg->message < WM_KEYFIRST || lpMsg->message > WM_KEYLAST) &&
        (lpMsg->message < WM_MOUSEFIRST || lpMsg->message > WM_MOUSELAST))
        return FALSE;
    return ::IsDialogMessage(m_hWnd, lpMsg);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;

    // Escape in a multi-line edit would otherwise be swallowed by the edit control.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_CANCEL) &&
        (::GetWindowLong(pMsg->hwnd, GWL_STYLE) & ES_MULTILINE))
    {
        char szClass[16];
        if (::GetClassNameA(pMsg->hwnd, szClass, sizeof(szClass)) && lstrcmpiA(szClass, "Edit") == 0)
        {
            HWND hItem = ::GetDlgItem(m_hWnd, IDCANCEL);
            if (hItem == NULL || ::IsWindowEnabled(hItem))
            {
                SendMessage(WM_COMMAND, IDCANCEL, 0);
                return TRUE;
            }
        }
    }
    return PreTranslateInput(pMsg);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return AfxRouteCommandOutward(this, nID, nCode, pExtra, pHandlerInfo);
}

BOOL AFXAPI AfxRouteCommandOutward(CWnd* pWnd, UINT nID, int nCode, void* pExtra,
                                   AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if ((nCode != CN_COMMAND && (UINT)nCode != CN_UPDATE_COMMAND_UI) || !(nID & 0x8000) || nID >= 0xF000)
        return FALSE;

    CWnd* pOwner = pWnd->GetParent();
    if (pOwner != NULL && pOwner != pWnd && pOwner->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;

    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL && pThread->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL && (CWinThread*)pApp != pThread && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return FALSE;
}
