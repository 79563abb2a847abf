// CORXToolbarsPage, CORXToolbarsList and CORXToolbarNameDlg.
#include "ORXToolbarsPage.h"

#include "ORXCommandManager.h"
#include "ORXDropDownToolBar.h"
#include "ORXToolBar.h"
#include "ORXToolbarCustomize.h"
#include "uicore/uicore_res.h"
#include "uiextras/uiextras_res.h"

namespace
{
CString BarName(CORXToolBar* pBar)
{
    CString strName;
    pBar->GetWindowText(strName);
    if (strName.IsEmpty() && !strName.LoadString(IDS_ORX_UNTITLED_TOOLBAR))
        strName = _T("<Untitled>");
    return strName;
}
} // namespace

/////////////////////////////////////////////////////////////////////////////
// CORXToolbarsList

IMPLEMENT_DYNAMIC(CORXToolbarsList, CCheckListBox)

BEGIN_MESSAGE_MAP(CORXToolbarsList, CCheckListBox)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CORXToolbarsList::CORXToolbarsList() {}

CORXToolbarsList::~CORXToolbarsList() {}

void CORXToolbarsList::EnableCheck(int nIndex, BOOL bEnable)
{
    if (nIndex < 0 || nIndex >= (int)checkEnabledFlags.GetSize())
        return;
    // Only the list's own handlers refuse the change (with a beep); the box looks as any other.
    checkEnabledFlags[nIndex] = bEnable;
}

BOOL CORXToolbarsList::IsCheckEnabled(int nIndex) const
{
    return nIndex >= 0 && nIndex < (int)checkEnabledFlags.GetSize() && checkEnabledFlags[nIndex];
}

LRESULT CORXToolbarsList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = CCheckListBox::WindowProc(message, wParam, lParam);
    switch (message)
    {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
        if (lResult >= 0 && lResult <= (LRESULT)checkEnabledFlags.GetSize())
            checkEnabledFlags.InsertAt((INT_PTR)lResult, TRUE);
        break;
    case LB_DELETESTRING:
        if (lResult != LB_ERR && (INT_PTR)wParam < checkEnabledFlags.GetSize())
            checkEnabledFlags.RemoveAt((INT_PTR)wParam);
        break;
    case LB_RESETCONTENT:
        checkEnabledFlags.RemoveAll();
        break;
    }
    return lResult;
}

BOOL CORXToolbarsList::IsOnCheck(CPoint point, int& nIndex)
{
    BOOL bInCheck = FALSE;
    nIndex = CheckFromPoint(point, bInCheck);
    return nIndex >= 0 && bInCheck;
}

void CORXToolbarsList::OnLButtonDown(UINT nFlags, CPoint point)
{
    int nIndex = -1;
    if (IsOnCheck(point, nIndex) && !IsCheckEnabled(nIndex))
    {
        ::MessageBeep((UINT)-1);
        return;
    }
    CCheckListBox::OnLButtonDown(nFlags, point);
}

void CORXToolbarsList::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    int nIndex = -1;
    if (IsOnCheck(point, nIndex) && !IsCheckEnabled(nIndex))
    {
        ::MessageBeep((UINT)-1);
        return;
    }
    CCheckListBox::OnLButtonDblClk(nFlags, point);
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE), (LPARAM)m_hWnd);
}

void CORXToolbarsList::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_SPACE && !IsCheckEnabled(GetCaretIndex()))
    {
        ::MessageBeep((UINT)-1);
        return;
    }
    CCheckListBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

/////////////////////////////////////////////////////////////////////////////
// CORXToolbarNameDlg

BEGIN_MESSAGE_MAP(CORXToolbarNameDlg, CDialog)
ON_EN_UPDATE(IDC_ORX_CUST_NAME, OnUpdateToolbarName)
END_MESSAGE_MAP()

CORXToolbarNameDlg::CORXToolbarNameDlg(CWnd* pParent) : CDialog(CORXToolbarNameDlg::IDD, pParent) {}

CORXToolbarNameDlg::~CORXToolbarNameDlg() {}

void CORXToolbarNameDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnOk);
    DDX_Text(pDX, IDC_ORX_CUST_NAME, toolbarName);
}

BOOL CORXToolbarNameDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_btnOk.EnableWindow(!toolbarName.IsEmpty());
    return TRUE;
}

void CORXToolbarNameDlg::OnUpdateToolbarName()
{
    UpdateData();
    m_btnOk.EnableWindow(!toolbarName.IsEmpty());
}

/////////////////////////////////////////////////////////////////////////////
// CORXToolbarsPage

IMPLEMENT_DYNCREATE(CORXToolbarsPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CORXToolbarsPage, CPropertyPage)
ON_LBN_SELCHANGE(IDC_ORX_CUST_TOOLBARS, OnSelchangeToolbarList)
ON_LBN_DBLCLK(IDC_ORX_CUST_TOOLBARS, OnDblclkToolbarList)
ON_BN_CLICKED(IDC_ORX_CUST_RESET, OnResetToolbar)
ON_BN_CLICKED(IDC_ORX_CUST_RESET_ALL, OnResetAllToolbars)
ON_BN_CLICKED(IDC_ORX_CUST_DELETE, OnDeleteToolbar)
ON_BN_CLICKED(IDC_ORX_CUST_NEW, OnNewToolbar)
ON_BN_CLICKED(IDC_ORX_CUST_RENAME, OnRenameToolbar)
ON_BN_CLICKED(IDC_ORX_CUST_TEXT_LABELS, OnTextLabels)
END_MESSAGE_MAP()

CORXToolbarsPage::CORXToolbarsPage(CFrameWnd* pParentFrame)
    : CPropertyPage(CORXToolbarsPage::IDD), m_bTextLabels(FALSE), m_pSelectedToolbar(NULL),
      m_bUserDefinedToolbars(FALSE), m_pParentFrame(pParentFrame)
{
}

CORXToolbarsPage::~CORXToolbarsPage() {}

void CORXToolbarsPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ORX_CUST_TEXT_LABELS, m_wndTextLabels);
    DDX_Control(pDX, IDC_ORX_CUST_RENAME, m_btnRename);
    DDX_Control(pDX, IDC_ORX_CUST_NEW, m_btnNew);
    DDX_Control(pDX, IDC_ORX_CUST_DELETE, m_btnDelete);
    DDX_Control(pDX, IDC_ORX_CUST_RESET, m_btnReset);
    DDX_Control(pDX, IDC_ORX_CUST_TOOLBARS, m_wndToolbarList);
    DDX_Check(pDX, IDC_ORX_CUST_TEXT_LABELS, m_bTextLabels);
}

BOOL CORXToolbarsPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (!m_bUserDefinedToolbars)
    {
        m_btnNew.EnableWindow(FALSE);
        m_btnNew.ShowWindow(SW_HIDE);
        m_btnDelete.ShowWindow(SW_HIDE);
        m_btnRename.ShowWindow(SW_HIDE);
    }
    CFrameWnd* pTopFrame = m_pParentFrame != NULL ? m_pParentFrame->GetTopLevelFrame() : NULL;
    const CObList& lstBars = CORXToolBar::GetAllToolbars();
    for (POSITION pos = lstBars.GetHeadPosition(); pos != NULL;)
    {
        CORXToolBar* pBar = (CORXToolBar*)lstBars.GetNext(pos);
        if (pBar->GetSafeHwnd() == NULL || pBar->IsKindOf(RUNTIME_CLASS(CORXDropDownToolBar)) ||
            pBar->GetTopLevelFrame() != pTopFrame || !pBar->AllowShowOnList() || pBar->m_bNoListed)
            continue;
        int iRow = m_wndToolbarList.AddString(BarName(pBar));
        m_wndToolbarList.SetItemData(iRow, (DWORD_PTR)pBar);
        m_wndToolbarList.SetCheck(iRow, (pBar->GetStyle() & WS_VISIBLE) ? 1 : 0);
        m_wndToolbarList.EnableCheck(iRow, pBar->CanBeClosed());
    }
    CORXToolbarCustomize* pSheet = DYNAMIC_DOWNCAST(CORXToolbarCustomize, GetParent());
    if (pSheet == NULL || !(pSheet->GetFlags() & CORXToolbarCustomize::ShowTextLabels))
        m_wndTextLabels.ShowWindow(SW_HIDE);
    // No row is selected yet: the buttons that act on the selected bar start disabled.
    OnSelchangeToolbarList();
    return TRUE;
}

int CORXToolbarsPage::FindRow(const CORXToolBar* pBar) const
{
    for (int i = 0; i < m_wndToolbarList.GetCount(); i++)
        if (m_wndToolbarList.GetItemData(i) == (DWORD_PTR)pBar)
            return i;
    return -1;
}

void CORXToolbarsPage::SelectRow(int iRow)
{
    m_wndToolbarList.SetCurSel(iRow);
    OnSelchangeToolbarList();
}

void CORXToolbarsPage::ShowToolBar(CORXToolBar* pBar, BOOL bShow)
{
    if (m_wndToolbarList.GetSafeHwnd() == NULL)
        return;
    int iRow = FindRow(pBar);
    if (iRow >= 0)
        m_wndToolbarList.SetCheck(iRow, bShow ? 1 : 0);
}

void CORXToolbarsPage::OnSelchangeToolbarList()
{
    int iRow = m_wndToolbarList.GetCurSel();
    if (iRow < 0)
    {
        m_pSelectedToolbar = NULL;
        m_btnReset.EnableWindow(FALSE);
        m_btnDelete.EnableWindow(FALSE);
        m_btnRename.EnableWindow(FALSE);
        m_wndTextLabels.EnableWindow(FALSE);
        return;
    }
    m_pSelectedToolbar = (CORXToolBar*)m_wndToolbarList.GetItemData(iRow);
    m_btnReset.EnableWindow(m_pSelectedToolbar->CanBeRestored());
    m_btnDelete.EnableWindow(m_pSelectedToolbar->IsUserDefined());
    m_btnRename.EnableWindow(m_pSelectedToolbar->IsUserDefined());
    m_wndTextLabels.EnableWindow(m_pSelectedToolbar->AllowChangeTextLabels());
    m_bTextLabels = m_pSelectedToolbar->AreTextLabels();
    UpdateData(FALSE);
}

void CORXToolbarsPage::OnDblclkToolbarList()
{
    int iRow = m_wndToolbarList.GetCurSel();
    if (iRow >= 0 && m_pSelectedToolbar != NULL)
    {
        if (m_pSelectedToolbar->CanBeClosed())
            m_wndToolbarList.SetCheck(iRow, !m_wndToolbarList.GetCheck(iRow));
        else
            ::MessageBeep((UINT)-1);
    }
    OnSelchangeToolbarList();
}

BOOL CORXToolbarsPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IDC_ORX_CUST_TOOLBARS && HIWORD(wParam) == CLBN_CHKCHANGE)
    {
        int iRow = m_wndToolbarList.GetCurSel();
        CORXToolBar* pBar = iRow >= 0 ? (CORXToolBar*)m_wndToolbarList.GetItemData(iRow) : NULL;
        if (pBar != NULL)
        {
            if (pBar->CanBeClosed())
            {
                CFrameWnd* pDockFrame = pBar->GetDockingFrame();
                if (pDockFrame != NULL)
                    pDockFrame->ShowControlBar(pBar, m_wndToolbarList.GetCheck(iRow) != 0, FALSE);
            }
            else if (m_wndToolbarList.GetCheck(iRow) == 0)
            {
                m_wndToolbarList.SetCheck(iRow, 1);
                ::MessageBeep((UINT)-1);
            }
        }
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

int CORXToolbarsPage::Ask(const CString& strQuestion)
{
    return AfxMessageBox(strQuestion, MB_YESNO | MB_ICONQUESTION);
}

INT_PTR CORXToolbarsPage::AskToolbarName(CString& strName)
{
    CORXToolbarNameDlg dlg(this);
    dlg.toolbarName = strName;
    INT_PTR nResult = dlg.DoModal();
    if (nResult == IDOK)
        strName = dlg.toolbarName;
    return nResult;
}

void CORXToolbarsPage::OnResetToolbar()
{
    if (m_pSelectedToolbar == NULL)
        return;
    CString strName;
    m_pSelectedToolbar->GetWindowText(strName);
    CString strQuestion;
    strQuestion.Format(IDS_ORX_RESET_TOOLBAR, (LPCTSTR)strName);
    if (Ask(strQuestion) == IDYES)
        ResetSelected();
}

BOOL CORXToolbarsPage::ResetSelected()
{
    if (m_pSelectedToolbar == NULL)
        return FALSE;
    return m_pSelectedToolbar->RestoreOriginalState();
}

void CORXToolbarsPage::OnResetAllToolbars()
{
    CString strQuestion;
    strQuestion.LoadString(IDS_ORX_RESET_ALL_TOOLBARS);
    if (Ask(strQuestion) == IDYES)
        ResetAll();
}

void CORXToolbarsPage::ResetAll()
{
    CORXCommandManager* pCmdMgr = CORXCommandManager::GetCmdMgr();
    if (pCmdMgr != NULL)
    {
        pCmdMgr->ClearAllCmdImages();
        const CMap<UINT, UINT, int, int>& defaults = CORXToolBar::GetDefaultImages();
        for (POSITION pos = defaults.GetStartPosition(); pos != NULL;)
        {
            UINT uiCmd = 0;
            int iImage = -1;
            defaults.GetNextAssoc(pos, uiCmd, iImage);
            pCmdMgr->SetCmdImage(uiCmd, iImage, FALSE);
        }
    }
    for (int i = 0; i < m_wndToolbarList.GetCount(); i++)
    {
        CORXToolBar* pBar = (CORXToolBar*)m_wndToolbarList.GetItemData(i);
        if (pBar != NULL && pBar->CanBeRestored())
            pBar->RestoreOriginalState();
    }
}

void CORXToolbarsPage::OnDeleteToolbar()
{
    if (m_pSelectedToolbar == NULL)
        return;
    if (m_pParentFrame == NULL)
    {
        ::MessageBeep(MB_ICONASTERISK);
        return;
    }
    CString strName;
    m_pSelectedToolbar->GetWindowText(strName);
    CString strQuestion;
    strQuestion.Format(IDS_ORX_DELETE_TOOLBAR, (LPCTSTR)strName);
    if (Ask(strQuestion) == IDYES && !DeleteSelected())
        ::MessageBeep(MB_ICONASTERISK);
}

BOOL CORXToolbarsPage::DeleteSelected()
{
    int iRow = m_wndToolbarList.GetCurSel();
    if (m_pParentFrame == NULL || m_pSelectedToolbar == NULL || iRow < 0)
        return FALSE;
    if (m_pParentFrame->SendMessage(ORX_WM_TOOLBAR_DELETE, 0, (LPARAM)m_pSelectedToolbar) == 0)
        return FALSE;
    m_pSelectedToolbar = NULL;
    m_wndToolbarList.DeleteString(iRow);
    // The last bar gone leaves nothing to select.
    m_wndToolbarList.SetCurSel(m_wndToolbarList.GetCount() > 0 ? 0 : -1);
    OnSelchangeToolbarList();
    return TRUE;
}

void CORXToolbarsPage::AppendSelectedRow(const CString& strName, CORXToolBar* pBar, BOOL bChecked)
{
    int iRow = m_wndToolbarList.AddString(strName);
    m_wndToolbarList.SetItemData(iRow, (DWORD_PTR)pBar);
    // The check shows whether the bar is on show; whether the user may change it is another
    // matter, the bar's.
    m_wndToolbarList.SetCheck(iRow, bChecked ? 1 : 0);
    m_wndToolbarList.EnableCheck(iRow, pBar->CanBeClosed());
    m_wndToolbarList.SetCurSel(iRow);
    m_wndToolbarList.SetTopIndex(iRow);
    OnSelchangeToolbarList();
}

void CORXToolbarsPage::OnNewToolbar()
{
    CString strName;
    if (AskToolbarName(strName) != IDOK)
        return;
    if (m_pParentFrame == NULL || CreateToolbar(strName) == NULL)
        ::MessageBeep(MB_ICONASTERISK);
}

CORXToolBar* CORXToolbarsPage::CreateToolbar(const CString& strName)
{
    if (m_pParentFrame == NULL)
        return NULL;
    CORXToolBar* pBar =
        (CORXToolBar*)m_pParentFrame->SendMessage(ORX_WM_TOOLBAR_CREATE, 0, (LPARAM)(LPCTSTR)strName);
    if (pBar == NULL)
        return NULL;
    AppendSelectedRow(strName, pBar, TRUE);
    return pBar;
}

void CORXToolbarsPage::OnRenameToolbar()
{
    if (m_pSelectedToolbar == NULL)
        return;
    CString strName;
    m_pSelectedToolbar->GetWindowText(strName);
    if (AskToolbarName(strName) == IDOK)
        RenameSelected(strName);
}

BOOL CORXToolbarsPage::RenameSelected(const CString& strName)
{
    int iRow = m_wndToolbarList.GetCurSel();
    CORXToolBar* pBar = m_pSelectedToolbar;
    if (pBar == NULL || iRow < 0)
        return FALSE;
    pBar->SetWindowText(strName);
    if (pBar->IsFloating())
    {
        CFrameWnd* pMiniFrame = pBar->GetDockingFrame();
        if (pMiniFrame != NULL)
            pMiniFrame->SetWindowText(strName);
        CWnd* pDockBar = pBar->GetParent();
        if (pDockBar != NULL)
            pDockBar->SetWindowText(strName);
    }
    m_wndToolbarList.DeleteString(iRow);
    AppendSelectedRow(strName, pBar, (pBar->GetStyle() & WS_VISIBLE) != 0);
    return TRUE;
}

void CORXToolbarsPage::OnTextLabels()
{
    UpdateData();
    if (m_pSelectedToolbar != NULL)
        m_pSelectedToolbar->EnableTextLabels(m_bTextLabels);
}
