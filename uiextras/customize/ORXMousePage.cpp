// CORXMousePage.
#include "ORXMousePage.h"

#include "ORXMouseManager.h"
#include "ORXToolbarCustomize.h"
#include "uiextras/uiextras_res.h"

IMPLEMENT_DYNCREATE(CORXMousePage, CPropertyPage)

BEGIN_MESSAGE_MAP(CORXMousePage, CPropertyPage)
ON_BN_CLICKED(IDC_ORX_CUST_NO_DBLCLK, OnNoDblClick)
ON_BN_CLICKED(IDC_ORX_CUST_DBLCLK, OnUseDblClick)
ON_LBN_SELCHANGE(IDC_ORX_CUST_VIEW_COMMANDS, OnSelchangeListOfCommands)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_ORX_CUST_VIEWS, OnItemchangedListViews)
END_MESSAGE_MAP()

CORXMousePage::CORXMousePage() : CPropertyPage(CORXMousePage::IDD), currentViewId(-1) {}

CORXMousePage::~CORXMousePage() {}

void CORXMousePage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ORX_CUST_VIEWS, m_wndListOfViews);
    DDX_Control(pDX, IDC_ORX_CUST_VIEW_COMMANDS, m_wndListOfCommands);
    DDX_Control(pDX, IDC_ORX_CUST_VIEW_DESC, m_wndCommandDescription);
    DDX_Text(pDX, IDC_ORX_CUST_VIEW_DESC, m_strCommandDescription);
}

CString CORXMousePage::FrameMessage(UINT uiCmd) const
{
    CString strMessage;
    CORXToolbarCustomize* pSheet = DYNAMIC_DOWNCAST(CORXToolbarCustomize, GetParent());
    CFrameWnd* pFrame = pSheet != NULL ? pSheet->GetParentFrame() : NULL;
    if (pFrame != NULL && pFrame->GetSafeHwnd() != NULL)
        pFrame->GetMessageString(uiCmd, strMessage);
    return strMessage;
}

BOOL CORXMousePage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    CStringList lstViews;
    CORXMouseManager* pMouse = ORXMouseManager();
    if (pMouse != NULL)
        pMouse->FillViewList(lstViews);

    CSize sizeIcon(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON));
    m_ViewsImages.Create(sizeIcon.cx, sizeIcon.cy, ILC_MASK, (int)lstViews.GetCount(), 1);
    m_wndListOfViews.SetImageList(&m_ViewsImages, LVSIL_SMALL);
    CRect rectClient;
    m_wndListOfViews.GetClientRect(rectClient);
    m_wndListOfViews.InsertColumn(0, _T(""), LVCFMT_LEFT, rectClient.Width() - 1);

    int nMaxWidth = 0;
    for (POSITION pos = lstViews.GetHeadPosition(); pos != NULL;)
    {
        CString strName = lstViews.GetNext(pos);
        int iViewId = pMouse->GetViewIdByName(strName);
        UINT uiIconId = pMouse->GetViewIconId(iViewId);
        int iImage = -1;
        if (uiIconId != 0)
        {
            HICON hIcon = ::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(uiIconId));
            if (hIcon != NULL)
                iImage = ImageList_ReplaceIcon(m_ViewsImages.GetSafeHandle(), -1, hIcon);
        }
        int iPos = m_wndListOfViews.GetItemCount();
        for (int i = 0; i < m_wndListOfViews.GetItemCount(); i++)
            if (m_wndListOfViews.GetItemText(i, 0).Compare(strName) > 0)
            {
                iPos = i;
                break;
            }
        int iItem = m_wndListOfViews.InsertItem(iPos, strName, iImage);
        m_wndListOfViews.SetItemData(iItem, (DWORD_PTR)iViewId);
        int nWidth = m_wndListOfViews.GetStringWidth(strName);
        if (nWidth > nMaxWidth)
            nMaxWidth = nWidth;
    }
    m_wndListOfViews.SetColumnWidth(0, nMaxWidth + sizeIcon.cx + 10);

    CORXToolbarCustomize* pSheet = DYNAMIC_DOWNCAST(CORXToolbarCustomize, GetParent());
    if (pSheet != NULL)
        pSheet->FillAllCommandsList(m_wndListOfCommands);

    m_wndListOfViews.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_wndListOfViews.EnsureVisible(0, FALSE);
    return TRUE;
}

void CORXMousePage::SelectView(int iRow)
{
    m_wndListOfViews.SetItemState(iRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CORXMousePage::SelectCommand(int iRow)
{
    m_wndListOfCommands.SetCurSel(iRow);
    OnSelchangeListOfCommands();
}

void CORXMousePage::OnItemchangedListViews(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    NMLISTVIEW* pNMListView = (NMLISTVIEW*)pNMHDR;
    if (!(pNMListView->uChanged & LVIF_STATE))
        return;
    POSITION pos = m_wndListOfViews.GetFirstSelectedItemPosition();
    if (pos == NULL)
        return;
    int iRow = m_wndListOfViews.GetNextSelectedItem(pos);
    currentViewId = (int)m_wndListOfViews.GetItemData(iRow);
    CORXMouseManager* pMouse = ORXMouseManager();
    UINT uiCmd = pMouse != NULL ? pMouse->GetViewDblClickCommand(currentViewId) : 0;
    if (uiCmd != 0)
    {
        CheckDlgButton(IDC_ORX_CUST_DBLCLK, 1);
        CheckDlgButton(IDC_ORX_CUST_NO_DBLCLK, 0);
        m_wndListOfCommands.EnableWindow(TRUE);
        m_wndCommandDescription.EnableWindow(TRUE);
        m_strCommandDescription = FrameMessage(uiCmd);
        for (int i = 0; i < m_wndListOfCommands.GetCount(); i++)
            if (m_wndListOfCommands.GetItemData(i) == (DWORD_PTR)uiCmd)
            {
                m_wndListOfCommands.SetCurSel(i);
                m_wndListOfCommands.SetTopIndex(i);
                break;
            }
    }
    else
    {
        CheckDlgButton(IDC_ORX_CUST_DBLCLK, 0);
        CheckDlgButton(IDC_ORX_CUST_NO_DBLCLK, 1);
        m_wndListOfCommands.EnableWindow(FALSE);
        m_wndCommandDescription.EnableWindow(FALSE);
        m_wndListOfCommands.SetCurSel(-1);
        m_strCommandDescription.Empty();
    }
    UpdateData(FALSE);
}

void CORXMousePage::OnNoDblClick()
{
    m_wndListOfCommands.EnableWindow(FALSE);
    CORXMouseManager* pMouse = ORXMouseManager();
    if (currentViewId < 0 || pMouse == NULL)
    {
        ::MessageBeep((UINT)-1);
        return;
    }
    pMouse->SetCommandForDblClick(currentViewId, 0);
}

void CORXMousePage::OnUseDblClick()
{
    m_wndListOfCommands.EnableWindow(TRUE);
    CORXMouseManager* pMouse = ORXMouseManager();
    if (currentViewId < 0 || pMouse == NULL)
    {
        ::MessageBeep((UINT)-1);
        return;
    }
    pMouse->SetCommandForDblClick(currentViewId, 0);
}

void CORXMousePage::OnSelchangeListOfCommands()
{
    CORXMouseManager* pMouse = ORXMouseManager();
    if (currentViewId < 0 || pMouse == NULL)
    {
        ::MessageBeep((UINT)-1);
        return;
    }
    int iRow = m_wndListOfCommands.GetCurSel();
    if (iRow < 0)
        return;
    UINT uiCmd = (UINT)m_wndListOfCommands.GetItemData(iRow);
    m_strCommandDescription = FrameMessage(uiCmd);
    pMouse->SetCommandForDblClick(currentViewId, uiCmd);
    UpdateData(FALSE);
}
