// CORXPropertySheet: the page tree and its notifications.
#include "ORXPropertySheet.h"

IMPLEMENT_DYNAMIC(CORXPropSheetCategory, CObject)
IMPLEMENT_DYNAMIC(CORXPropertySheet, CPropertySheet)

namespace
{
// Posted by whoever changes the active page, for the page selector to follow.
const UINT kMsgAfterActivatePage = WM_USER + 1001;
} // namespace

CORXPropSheetCategory::CORXPropSheetCategory(LPCTSTR lpszName, int nIcon, int nExpandedIcon,
                                             CORXPropSheetCategory* pParent)
    : m_strName(lpszName), m_nIcon(nIcon), m_nExpandedIcon(nExpandedIcon), m_pParentCategory(pParent),
      m_hTreeItem(NULL)
{
}

CORXPropSheetCategory::~CORXPropSheetCategory()
{
    while (!m_lstSubCategories.IsEmpty())
        delete (CORXPropSheetCategory*)m_lstSubCategories.RemoveHead();
}

BEGIN_MESSAGE_MAP(CORXPropertySheet, CPropertySheet)
ON_MESSAGE(kMsgAfterActivatePage, OnAfterActivatePage)
END_MESSAGE_MAP()

CORXPropertySheet::CORXPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage), m_nActivePage(-1), m_hwndTree(NULL),
      m_bIsInSelectTree(FALSE), m_bUseShortcutBar(FALSE)
{
    m_wndShortcutBar.m_pSheet = this;
}

CORXPropertySheet::~CORXPropertySheet()
{
    while (!m_lstTreeCategories.IsEmpty())
        delete (CORXPropSheetCategory*)m_lstTreeCategories.RemoveHead();
    while (!m_lstPageEntries.IsEmpty())
        delete (PageEntry*)m_lstPageEntries.RemoveHead();
}

CORXPropSheetCategory* CORXPropertySheet::AddTreeCategory(LPCTSTR lpszName, int nIcon, int nExpandedIcon,
                                                          CORXPropSheetCategory* pParent)
{
    CORXPropSheetCategory* pCategory = new CORXPropSheetCategory(lpszName, nIcon, nExpandedIcon, pParent);
    (pParent != NULL ? pParent->m_lstSubCategories : m_lstTreeCategories).AddTail(pCategory);
    return pCategory;
}

void CORXPropertySheet::AddPageToTree(CORXPropSheetCategory* pCategory, CORXPropertyPage* pPage, int nIcon,
                                      int nSelectedIcon)
{
    if (pPage == NULL)
        return;
    PageEntry* pEntry = new PageEntry;
    pEntry->pPage = pPage;
    pEntry->pCategory = pCategory;
    pEntry->nIcon = nIcon;
    pEntry->nSelectedIcon = nSelectedIcon;
    pEntry->hItem = NULL;
    m_lstPageEntries.AddTail(pEntry);
    if (pCategory != NULL)
        pCategory->m_lstPages.AddTail(pPage);
    AddPage(pPage);
}

const CORXPropertySheet::PageEntry* CORXPropertySheet::EntryOf(CPropertyPage* pPage) const
{
    for (POSITION pos = m_lstPageEntries.GetHeadPosition(); pos != NULL;)
    {
        const PageEntry* pEntry = (const PageEntry*)m_lstPageEntries.GetNext(pos);
        if (pEntry->pPage == pPage)
            return pEntry;
    }
    return NULL;
}

CORXPropSheetCategory* CORXPropertySheet::CategoryOf(CPropertyPage* pPage) const
{
    const PageEntry* pEntry = EntryOf(pPage);
    return pEntry != NULL ? pEntry->pCategory : NULL;
}

BOOL CORXPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle)
{
    if (!CPropertySheet::Create(pParentWnd, dwStyle, dwExStyle))
        return FALSE;
    if (m_lstTreeCategories.IsEmpty() && !m_bUseShortcutBar)
        return TRUE;
    // The tree (or the shortcut bar) takes a strip on the left; the tabs give way to it.
    CRect rectWnd;
    GetWindowRect(rectWnd);
    SetWindowPos(NULL, 0, 0, rectWnd.Width() + nTreeWidth, rectWnd.Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != NULL;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        CRect rect;
        ::GetWindowRect(hChild, rect);
        ScreenToClient(rect);
        ::SetWindowPos(hChild, NULL, rect.left + nTreeWidth, rect.top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    CRect rectClient;
    GetClientRect(rectClient);
    CRect rectTree(7, 7, nTreeWidth, rectClient.bottom - 7);
    if (m_bUseShortcutBar)
    {
        if (CreateShortcutBar(rectTree))
            FollowActivePage();
        return TRUE;
    }
    if (!m_wndTree.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS |
                              TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                          rectTree, this, idTree))
        return TRUE;
    m_hwndTree = m_wndTree.GetSafeHwnd();
    for (POSITION pos = m_lstTreeCategories.GetHeadPosition(); pos != NULL;)
        BuildTree((CORXPropSheetCategory*)m_lstTreeCategories.GetNext(pos), TVI_ROOT);
    m_nActivePage = GetActiveIndex();
    return TRUE;
}

CString CORXPropertySheet::PageCaption(CPropertyPage* pPage)
{
    if (!pPage->m_strCaption.IsEmpty())
        return pPage->m_strCaption;
    // The tabs hold every page's caption, also of the pages not made yet.
    TCHAR szText[256] = {0};
    TCITEM item = {};
    item.mask = TCIF_TEXT;
    item.pszText = szText;
    item.cchTextMax = 255;
    HWND hTabs = (HWND)SendMessage(PSM_GETTABCONTROL);
    int nIndex = GetPageIndex(pPage);
    if (hTabs != NULL && nIndex >= 0)
        ::SendMessage(hTabs, TCM_GETITEM, nIndex, (LPARAM)&item);
    return szText;
}

void CORXPropertySheet::BuildTree(CORXPropSheetCategory* pCategory, HTREEITEM hParent)
{
    TVINSERTSTRUCT tvis = {};
    tvis.hParent = hParent;
    tvis.hInsertAfter = TVI_LAST;
    tvis.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    tvis.item.pszText = (LPTSTR)(LPCTSTR)pCategory->m_strName;
    tvis.item.lParam = (LPARAM)(CObject*)pCategory;
    tvis.item.iImage = tvis.item.iSelectedImage = I_IMAGECALLBACK;
    pCategory->m_hTreeItem = (HTREEITEM)m_wndTree.SendMessage(TVM_INSERTITEM, 0, (LPARAM)&tvis);
    for (POSITION pos = pCategory->m_lstSubCategories.GetHeadPosition(); pos != NULL;)
        BuildTree((CORXPropSheetCategory*)pCategory->m_lstSubCategories.GetNext(pos), pCategory->m_hTreeItem);
    for (POSITION pos = pCategory->m_lstPages.GetHeadPosition(); pos != NULL;)
    {
        CORXPropertyPage* pPage = (CORXPropertyPage*)pCategory->m_lstPages.GetNext(pos);
        PageEntry* pEntry = (PageEntry*)EntryOf(pPage);
        tvis.hParent = pCategory->m_hTreeItem;
        CString strCaption = PageCaption(pPage);
        tvis.item.pszText = (LPTSTR)(LPCTSTR)strCaption;
        tvis.item.lParam = (LPARAM)(CObject*)pPage;
        HTREEITEM hItem = (HTREEITEM)m_wndTree.SendMessage(TVM_INSERTITEM, 0, (LPARAM)&tvis);
        if (pEntry != NULL)
            pEntry->hItem = hItem;
    }
}

BOOL CORXPropertySheet::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pHdr = (NMHDR*)lParam;
    if (pHdr != NULL && pHdr->idFrom == idTree && m_hwndTree != NULL && pHdr->hwndFrom == m_hwndTree)
    {
        switch (pHdr->code)
        {
        case TVN_SELCHANGEDA:
        case TVN_SELCHANGEDW:
            OnSelectTree((NMTREEVIEW*)lParam);
            *pResult = 0;
            return TRUE;
        case TVN_GETDISPINFOA:
        case TVN_GETDISPINFOW:
            OnGetDispInfo((NMTVDISPINFO*)lParam);
            *pResult = 0;
            return TRUE;
        }
    }
    return CPropertySheet::OnNotify(wParam, lParam, pResult);
}

void CORXPropertySheet::RefreshCategory(CORXPropSheetCategory* pCategory, BOOL bExpand)
{
    for (; pCategory != NULL; pCategory = pCategory->m_pParentCategory)
        if (pCategory->m_hTreeItem != NULL)
            m_wndTree.SendMessage(TVM_EXPAND, bExpand ? TVE_EXPAND : TVE_COLLAPSE,
                                  (LPARAM)pCategory->m_hTreeItem);
}

void CORXPropertySheet::OnSelectTree(NMTREEVIEW*)
{
    m_bIsInSelectTree = TRUE;
    HTREEITEM hItem = (HTREEITEM)m_wndTree.SendMessage(TVM_GETNEXTITEM, TVGN_CARET, 0);
    CObject* pData = NULL;
    if (hItem != NULL)
    {
        TVITEM item = {};
        item.mask = TVIF_PARAM;
        item.hItem = hItem;
        if (m_wndTree.SendMessage(TVM_GETITEM, 0, (LPARAM)&item))
            pData = (CObject*)item.lParam;
    }
    CORXPropertyPage* pPage = NULL;
    if (pData != NULL && pData->IsKindOf(RUNTIME_CLASS(CORXPropertyPage)))
        pPage = (CORXPropertyPage*)pData;
    else if (pData != NULL && pData->IsKindOf(RUNTIME_CLASS(CORXPropSheetCategory)))
    {
        // Down through the first sub-categories to the innermost one; its first page, if it has
        // any: a category without pages shows nothing new.
        CORXPropSheetCategory* pCategory = (CORXPropSheetCategory*)pData;
        while (!pCategory->m_lstSubCategories.IsEmpty())
            pCategory = (CORXPropSheetCategory*)pCategory->m_lstSubCategories.GetHead();
        if (!pCategory->m_lstPages.IsEmpty())
            pPage = (CORXPropertyPage*)pCategory->m_lstPages.GetHead();
    }
    if (pPage != NULL)
    {
        CORXPropSheetCategory* pOld = CategoryOf(GetActivePage());
        SetActivePage(pPage);
        m_nActivePage = GetActiveIndex();
        CORXPropSheetCategory* pNew = CategoryOf(pPage);
        if (pOld != pNew)
        {
            RefreshCategory(pOld, FALSE);
            RefreshCategory(pNew, TRUE);
        }
    }
    m_bIsInSelectTree = FALSE;
}

void CORXPropertySheet::OnGetDispInfo(NMTVDISPINFO* pDispInfo)
{
    CObject* pData = (CObject*)pDispInfo->item.lParam;
    if (pData == NULL)
        return;
    int nImage = -1;
    if (pData->IsKindOf(RUNTIME_CLASS(CORXPropertyPage)))
    {
        const PageEntry* pEntry = EntryOf((CPropertyPage*)pData);
        if (pEntry != NULL)
            nImage = (CPropertyPage*)pData == GetActivePage() ? pEntry->nSelectedIcon : pEntry->nIcon;
    }
    else if (pData->IsKindOf(RUNTIME_CLASS(CORXPropSheetCategory)))
    {
        CORXPropSheetCategory* pCategory = (CORXPropSheetCategory*)pData;
        BOOL bExpanded = (pDispInfo->item.state & TVIS_EXPANDED) != 0;
        if (pCategory->m_hTreeItem != NULL)
            bExpanded =
                (m_wndTree.SendMessage(TVM_GETITEMSTATE, (WPARAM)pCategory->m_hTreeItem, TVIS_EXPANDED) &
                 TVIS_EXPANDED) != 0;
        nImage = bExpanded ? pCategory->m_nExpandedIcon : pCategory->m_nIcon;
    }
    if (pDispInfo->item.mask & TVIF_IMAGE)
        pDispInfo->item.iImage = nImage;
    if (pDispInfo->item.mask & TVIF_SELECTEDIMAGE)
        pDispInfo->item.iSelectedImage = nImage;
}

BOOL CORXPropertySheet::CreateShortcutBar(const CRect& rect)
{
    if (!m_wndShortcutBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_LEFT, idShortcutBar))
        return FALSE;
    m_wndShortcutBar.SetOwner(this);
    // The bar has no pages of its own, so every shortcut is on show.
    const CSize sizeImage = m_wndShortcutBar.GetImageSize();
    for (int i = 0; i < GetPageCount(); i++)
    {
        CORXOutlookButton* pButton =
            new CORXOutlookButton(idFirstPageShortcut + i, -1, PageCaption(GetPage(i)), 0, TRUE);
        pButton->SetMinSize(sizeImage.cx + 8, sizeImage.cy + 10);
        if (m_wndShortcutBar.InsertButton(pButton) < 0)
            delete pButton;
    }
    m_wndShortcutBar.SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
                                  SWP_NOZORDER | SWP_NOACTIVATE);
    m_wndShortcutBar.AdjustLayout();
    return TRUE;
}

BOOL CORXPropertySheet::CShortcutBar::OnSendCommand(const CORXToolbarButton* pButton)
{
    if (pButton == NULL || m_pSheet == NULL || pButton->m_nID < (UINT)idFirstPageShortcut)
        return FALSE;
    const int nPage = (int)(pButton->m_nID - idFirstPageShortcut);
    if (nPage >= m_pSheet->GetPageCount())
        return FALSE;
    m_pSheet->SetActivePage(nPage);
    m_pSheet->m_nActivePage = m_pSheet->GetActiveIndex();
    return TRUE;
}

void CORXPropertySheet::OnActivatePage(CPropertyPage*)
{
    // Posted: the page change may be in the middle of a click on the bar, which sets the button's
    // style when it ends.
    if (m_hWnd != NULL)
        PostMessage(kMsgAfterActivatePage);
}

void CORXPropertySheet::FollowActivePage()
{
    m_nActivePage = GetActiveIndex();
    if (m_nActivePage < 0 || m_wndShortcutBar.GetSafeHwnd() == NULL)
        return;
    int iActive = -1;
    for (int i = 0; i < m_wndShortcutBar.GetCount(); i++)
    {
        CORXToolbarButton* pButton = m_wndShortcutBar.GetButton(i);
        if (pButton == NULL || pButton->m_nID < (UINT)idFirstPageShortcut)
            continue;
        const BOOL bActive = (int)(pButton->m_nID - idFirstPageShortcut) == m_nActivePage;
        if (bActive)
            iActive = i;
        const UINT nStyle = m_wndShortcutBar.GetButtonStyle(i);
        const UINT nNewStyle = bActive ? (nStyle | TBBS_CHECKED) : (nStyle & ~TBBS_CHECKED);
        if (nNewStyle != nStyle)
        {
            m_wndShortcutBar.SetButtonStyle(i, nNewStyle);
            m_wndShortcutBar.InvalidateButton(i);
        }
    }
    if (iActive < 0)
        return;
    // Into view one scroll step at a time, until it is inside or the bar cannot scroll further. A
    // shortcut out of view has no rectangle: its place among the shown ones says which way to go.
    CORXToolbarButton* pActive = m_wndShortcutBar.GetButton(iActive);
    int iShown = 0;
    while (iShown < m_wndShortcutBar.GetShownCount() && m_wndShortcutBar.GetShownButton(iShown) != pActive)
        iShown++;
    const CRect rectArea = m_wndShortcutBar.GetShortcutArea();
    if (pActive->Rect().Height() > rectArea.Height())
        return;
    while (iShown < m_wndShortcutBar.GetFirstVisible() ||
           (!pActive->Rect().IsRectEmpty() && pActive->Rect().top < rectArea.top))
    {
        const int nPos = m_wndShortcutBar.GetScrollPos();
        m_wndShortcutBar.ScrollUp();
        if (m_wndShortcutBar.GetScrollPos() == nPos)
            break;
    }
    while (pActive->Rect().IsRectEmpty() || pActive->Rect().bottom > rectArea.bottom)
    {
        const int nPos = m_wndShortcutBar.GetScrollPos();
        m_wndShortcutBar.ScrollDown();
        if (m_wndShortcutBar.GetScrollPos() == nPos || pActive->Rect().Height() > rectArea.Height())
            break;
    }
}

LRESULT CORXPropertySheet::OnAfterActivatePage(WPARAM, LPARAM)
{
    FollowActivePage();
    return 0;
}
