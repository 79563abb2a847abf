// CORXCustomizePage and CORXCommandsListBox.
#include "ORXCustomizePage.h"

#include <afxole.h>

#include "ORXCommandManager.h"
#include "ORXToolBar.h"
#include "ORXToolbarCustomize.h"
#include "ORXVisualManager.h"
#include "uicore/uicore_res.h"
#include "uiextras/uiextras_res.h"

IMPLEMENT_DYNAMIC(CORXCommandsListBox, CListBox)

BEGIN_MESSAGE_MAP(CORXCommandsListBox, CListBox)
ON_WM_LBUTTONDOWN()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CORXCommandsListBox::CORXCommandsListBox() : imageAreaSize(0, 0) {}

CORXCommandsListBox::~CORXCommandsListBox() {}

CORXToolbarButton* CORXCommandsListBox::GetRowButton(int iRow) const
{
    if (iRow < 0 || iRow >= GetCount())
        return NULL;
    DWORD_PTR dwData = GetItemData(iRow);
    return dwData == (DWORD_PTR)LB_ERR ? NULL : (CORXToolbarButton*)dwData;
}

void CORXCommandsListBox::PreSubclassWindow()
{
    CListBox::PreSubclassWindow();
    CSize sizeMenuImage = CORXToolBar::GetMenuImageSize();
    imageAreaSize = CSize(sizeMenuImage.cx + 6, sizeMenuImage.cy + 6);
    // The fixed row height was measured before the list was ours.
    if ((GetStyle() & LBS_OWNERDRAWFIXED) && GetItemHeight(0) < imageAreaSize.cy)
        SetItemHeight(0, imageAreaSize.cy);
}

void CORXCommandsListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMIS)
{
    if (lpMIS->itemHeight < (UINT)imageAreaSize.cy)
        lpMIS->itemHeight = imageAreaSize.cy;
}

void CORXCommandsListBox::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    int iRow = (int)lpDIS->itemID;
    CORXToolbarButton* pButton = GetRowButton(iRow);
    if (iRow < 0 || pButton == NULL)
        return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rect = lpDIS->rcItem;
    CString strRow;
    GetText(iRow, strRow);
    // The row may name the command by its list text; the button keeps its own.
    CString strSaved = pButton->m_strText;
    pButton->m_strText = strRow;
    CORXVisualManager::GetInstance()->OnFillCommandsListBackground(pDC, rect, FALSE);
    pButton->OnDrawOnCustomizeList(pDC, rect, (lpDIS->itemState & ODS_SELECTED) != 0);
    pButton->m_strText = strSaved;
}

BOOL CORXCommandsListBox::OnEraseBkgnd(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(rectClient);
    CORXVisualManager::GetInstance()->OnFillCommandsListBackground(pDC, rectClient, FALSE);
    return TRUE;
}

void CORXCommandsListBox::OnLButtonDown(UINT nFlags, CPoint point)
{
    CListBox::OnLButtonDown(nFlags, point);
    int iSel = GetCurSel();
    CRect rectRow;
    if (iSel < 0 || GetItemRect(iSel, rectRow) == LB_ERR || !rectRow.PtInRect(point))
        return;
    // The list box holds the mouse since the click: let it go before the drag takes it.
    SendMessage(WM_LBUTTONUP, nFlags, MAKELPARAM(point.x, point.y));
    DragRow(iSel, rectRow);
}

void CORXCommandsListBox::DragRow(int iRow, const CRect& rectRow)
{
    CORXToolbarButton* pButton = GetRowButton(iRow);
    if (pButton == NULL)
        return;
    COleDataSource source;
    pButton->m_bDragFromCollection = TRUE;
    BOOL bPrepared = pButton->PrepareDrag(source);
    pButton->m_bDragFromCollection = FALSE;
    if (!bPrepared)
        return;
    HCURSOR hCursor = ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(IDC_ORX_DRAG_DELETE));
    if (hCursor != NULL)
        ::SetCursor(hCursor);
    CRect rectStart = rectRow;
    ClientToScreen(rectStart);
    source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, &rectStart, CORXToolBar::GetButtonDropSource());
}

/////////////////////////////////////////////////////////////////////////////
// The page

IMPLEMENT_DYNCREATE(CORXCustomizePage, CPropertyPage)

BEGIN_MESSAGE_MAP(CORXCustomizePage, CPropertyPage)
ON_LBN_SELCHANGE(IDC_ORX_CUST_CATEGORIES, OnSelchangeCategory)
ON_LBN_SELCHANGE(IDC_ORX_CUST_COMMANDS, OnSelchangeCommands)
END_MESSAGE_MAP()

CORXCustomizePage::CORXCustomizePage() : CPropertyPage(CORXCustomizePage::IDD), m_pSelButton(NULL) {}

CORXCustomizePage::~CORXCustomizePage() {}

void CORXCustomizePage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ORX_CUST_CATEGORIES, m_wndCategory);
    DDX_Control(pDX, IDC_ORX_CUST_COMMANDS, m_wndTools);
    DDX_Text(pDX, IDC_ORX_CUST_DESCRIPTION, m_strButtonDescription);
}

BOOL CORXCustomizePage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    CORXToolbarCustomize* pSheet = DYNAMIC_DOWNCAST(CORXToolbarCustomize, GetParent());
    if (pSheet != NULL)
    {
        m_strAllCommands = pSheet->GetAllCommandsName();
        pSheet->FillCategoriesList(m_wndCategory, TRUE);
    }
    m_wndCategory.SetCurSel(0);
    OnSelchangeCategory();
    return TRUE;
}

void CORXCustomizePage::SelectCategory(int iIndex)
{
    m_wndCategory.SetCurSel(iIndex);
    OnSelchangeCategory();
}

void CORXCustomizePage::SelectCommand(int iIndex)
{
    m_wndTools.SetCurSel(iIndex);
    OnSelchangeCommands();
}

void CORXCustomizePage::OnSelchangeCategory()
{
    UpdateData();
    int iCategory = m_wndCategory.GetCurSel();
    if (iCategory < 0)
        return;
    HCURSOR hOldCursor = ::SetCursor(::LoadCursor(NULL, IDC_WAIT));
    m_wndTools.SetRedraw(FALSE);
    m_wndTools.ResetContent();

    CString strCategory;
    m_wndCategory.GetText(iCategory, strCategory);
    BOOL bAllCommands = strCategory == m_strAllCommands;
    m_pSelButton = NULL;

    CORXCommandManager* pCmdMgr = CORXCommandManager::GetCmdMgr();
    CObList* pCategoryButtons = (CObList*)m_wndCategory.GetItemData(iCategory);
    if (pCategoryButtons != NULL && pCategoryButtons != (CObList*)(DWORD_PTR)LB_ERR)
    {
        for (POSITION pos = pCategoryButtons->GetHeadPosition(); pos != NULL;)
        {
            CORXToolbarButton* pButton = (CORXToolbarButton*)pCategoryButtons->GetNext(pos);
            if (pButton->m_nID != (UINT)-1)
                pButton->m_bUserButton = pCmdMgr == NULL || pCmdMgr->GetCmdImage(pButton->m_nID, FALSE) < 0;
            else
                pButton->m_bUserButton = FALSE;

            CString strText = pButton->m_strText;
            if (!pButton->m_strTextCustom.IsEmpty() &&
                (bAllCommands ||
                 CORXToolbarCustomize::CountCommandsWithText(pButton->m_strText, *pCategoryButtons) >= 2))
                strText = pButton->m_strTextCustom;

            int iRow = -1;
            if (bAllCommands)
            {
                for (int i = 0; i < m_wndTools.GetCount() && iRow < 0; i++)
                {
                    CString strRow;
                    m_wndTools.GetText(i, strRow);
                    if (strRow.Compare(strText) > 0)
                        iRow = m_wndTools.InsertString(i, strText);
                }
            }
            if (iRow < 0)
                iRow = m_wndTools.AddString(strText);
            m_wndTools.SetItemData(iRow, (DWORD_PTR)pButton);
        }
    }
    m_wndTools.SetRedraw(TRUE);
    m_wndTools.Invalidate();
    ::SetCursor(hOldCursor);
}

void CORXCustomizePage::OnSelchangeCommands()
{
    m_pSelButton = m_wndTools.GetRowButton(m_wndTools.GetCurSel());
    m_strButtonDescription.Empty();
    if (m_pSelButton != NULL)
    {
        if (m_pSelButton->m_nID == 0)
            m_strButtonDescription = m_pSelButton->m_strText;
        else
        {
            CORXToolbarCustomize* pSheet = DYNAMIC_DOWNCAST(CORXToolbarCustomize, GetParent());
            CFrameWnd* pFrame = pSheet != NULL ? pSheet->GetParentFrame() : NULL;
            if (pFrame != NULL && pFrame->GetSafeHwnd() != NULL)
                pFrame->GetMessageString(m_pSelButton->m_nID, m_strButtonDescription);
        }
    }
    UpdateData(FALSE);
}
