// The common controls: image lists with their handle map, and the members of the list view,
// tool tip, spin, tab, animation and rich-edit wrappers that are more than one message.
#include "AfxCmnCtrl.h"
#include "AfxThreadState.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)
IMPLEMENT_DYNAMIC(CListCtrl, CWnd)
IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)
IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)
IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)
IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)
IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)
IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)
IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)
IMPLEMENT_DYNAMIC(CAnimateCtrl, CWnd)
IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)

namespace
{

CImageList* NewTempImageList(HIMAGELIST hImageList)
{
    CImageList* p = new CImageList;
    p->m_hImageList = hImageList;
    return p;
}

void ForgetImageList(CImageList* p)
{
    p->m_hImageList = NULL;
}

CHandleMap<HIMAGELIST, CImageList>& ImageListMap()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pmapHIMAGELIST == NULL)
        pState->m_pmapHIMAGELIST =
            pState->AddHandleMap(new CHandleMap<HIMAGELIST, CImageList>(NewTempImageList, ForgetImageList));
    return *pState->m_pmapHIMAGELIST;
}

// Never inlined nor analysed across calls, so that the null test survives calls through a null
// object pointer.
__attribute__((noipa)) HIMAGELIST SafeImageList(const CImageList* p)
{
    return p == NULL ? NULL : p->m_hImageList;
}

BOOL CreateCommonControl(CWnd* pWnd, DWORD dwICC, LPCTSTR lpszClass, DWORD dwStyle, const RECT& rect,
                         CWnd* pParentWnd, UINT nID)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), dwICC};
    ::InitCommonControlsEx(&icc);
    return pWnd->CWnd::Create(lpszClass, NULL, dwStyle, rect, pParentWnd, nID);
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// CImageList

CImageList::CImageList() : m_hImageList(NULL) {}

CImageList::~CImageList()
{
    DeleteImageList();
}

CImageList::operator HIMAGELIST() const
{
    return SafeImageList(this);
}

HIMAGELIST CImageList::GetSafeHandle() const
{
    return SafeImageList(this);
}

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST hImageList)
{
    return ImageListMap().FromHandle(hImageList);
}

void PASCAL CImageList::DeleteTempMap()
{
    ImageListMap().DeleteTemp();
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    if (hImageList == NULL)
        return FALSE;
    ASSERT(m_hImageList == NULL);
    m_hImageList = hImageList;
    ImageListMap().SetPermanent(hImageList, this);
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST h = m_hImageList;
    if (h != NULL)
        ImageListMap().RemoveHandle(h, this);
    m_hImageList = NULL;
    return h;
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == NULL)
        return FALSE;
    return ImageList_Destroy(Detach());
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Create(MAKEINTRESOURCE(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszBitmapID, RT_BITMAP);
    return Attach(ImageList_LoadBitmap(hInst, lpszBitmapID, cx, nGrow, crMask));
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Add(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(), (HBITMAP)pbmMask->GetSafeHandle());
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    return ImageList_AddMasked(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(), crMask);
}

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Replace(m_hImageList, nImage, (HBITMAP)pbmImage->GetSafeHandle(),
                             (HBITMAP)pbmMask->GetSafeHandle());
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    return ImageList_Draw(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, nStyle);
}

/////////////////////////////////////////////////////////////////////////////
// CListCtrl

CListCtrl::~CListCtrl()
{
    DestroyWindow();
}

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateCommonControl(this, ICC_LISTVIEW_CLASSES, WC_LISTVIEW, dwStyle, rect, pParentWnd, nID);
}

CImageList* CListCtrl::GetImageList(int nImageList) const
{
    return CImageList::FromHandle((HIMAGELIST)::SendMessage(m_hWnd, LVM_GETIMAGELIST, nImageList, 0L));
}

CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageListType)
{
    return CImageList::FromHandle((HIMAGELIST)::SendMessage(m_hWnd, LVM_SETIMAGELIST, nImageListType,
                                                            (LPARAM)pImageList->GetSafeHandle()));
}

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState,
                        UINT nStateMask, LPARAM lParam)
{
    LVITEM lvi;
    memset(&lvi, 0, sizeof(lvi));
    lvi.mask = nMask;
    lvi.iItem = nItem;
    lvi.iSubItem = nSubItem;
    lvi.stateMask = nStateMask;
    lvi.state = nState;
    lvi.pszText = (LPTSTR)lpszItem;
    lvi.iImage = nImage;
    lvi.lParam = lParam;
    return (BOOL)::SendMessage(m_hWnd, LVM_SETITEM, 0, (LPARAM)&lvi);
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    LVITEM lvi;
    memset(&lvi, 0, sizeof(lvi));
    lvi.stateMask = nMask;
    lvi.state = nState;
    return (BOOL)::SendMessage(m_hWnd, LVM_SETITEMSTATE, nItem, (LPARAM)&lvi);
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    // The control copies at most the buffer's size and answers the length copied, so the buffer
    // grows until the text fits with room to spare.
    LVITEM lvi;
    memset(&lvi, 0, sizeof(lvi));
    lvi.iSubItem = nSubItem;
    CString str;
    int nLen = 128;
    int nRes;
    do
    {
        nLen *= 2;
        lvi.cchTextMax = nLen;
        lvi.pszText = str.GetBufferSetLength(nLen);
        nRes = (int)::SendMessage(m_hWnd, LVM_GETITEMTEXT, (WPARAM)nItem, (LPARAM)&lvi);
    } while (nRes >= nLen - 1 && nLen < 0x100000);
    str.ReleaseBuffer(nRes > 0 && nRes < nLen ? nRes : 0);
    return str;
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const
{
    LVITEM lvi;
    memset(&lvi, 0, sizeof(lvi));
    lvi.iSubItem = nSubItem;
    lvi.cchTextMax = nLen;
    lvi.pszText = lpszText;
    if (nLen <= 0)
        return 0;
    lpszText[0] = 0;
    int nRes = (int)::SendMessage(m_hWnd, LVM_GETITEMTEXT, (WPARAM)nItem, (LPARAM)&lvi);
    // Some versions of the control fill a short buffer to the brim without the terminating zero.
    if (nRes >= nLen || nRes < 0)
    {
        lpszText[nLen - 1] = 0;
        nRes = lstrlen(lpszText);
    }
    return nRes;
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
    LVITEM lvi;
    memset(&lvi, 0, sizeof(lvi));
    lvi.iSubItem = nSubItem;
    lvi.pszText = (LPTSTR)lpszText;
    return (BOOL)::SendMessage(m_hWnd, LVM_SETITEMTEXT, nItem, (LPARAM)&lvi);
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    LVITEM lvi;
    memset(&lvi, 0, sizeof(lvi));
    lvi.iItem = nItem;
    lvi.mask = LVIF_PARAM;
    if (!::SendMessage(m_hWnd, LVM_GETITEM, 0, (LPARAM)&lvi))
        return 0;
    return (DWORD_PTR)lvi.lParam;
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    return SetItem(nItem, 0, LVIF_PARAM, NULL, 0, 0, 0, (LPARAM)dwData);
}

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const
{
    lpRect->left = nCode;
    return (BOOL)::SendMessage(m_hWnd, LVM_GETITEMRECT, (WPARAM)nItem, (LPARAM)lpRect);
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl()
{
    return (CHeaderCtrl*)CWnd::FromHandle((HWND)::SendMessage(m_hWnd, LVM_GETHEADER, 0, 0));
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem)
{
    LVCOLUMN column;
    memset(&column, 0, sizeof(column));
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = (LPTSTR)lpszColumnHeading;
    column.fmt = nFormat;
    if (nWidth != -1)
    {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1)
    {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}

int CListCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                          LPARAM lParam)
{
    LVITEM item;
    memset(&item, 0, sizeof(item));
    item.mask = nMask;
    item.iItem = nItem;
    item.state = nState;
    item.stateMask = nStateMask;
    item.pszText = (LPTSTR)lpszItem;
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(&item);
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    LVHITTESTINFO hti;
    memset(&hti, 0, sizeof(hti));
    hti.pt = pt;
    int nRes = (int)::SendMessage(m_hWnd, LVM_HITTEST, 0, (LPARAM)&hti);
    if (pFlags != NULL)
        *pFlags = hti.flags;
    return nRes;
}

CEdit* CListCtrl::EditLabel(int nItem)
{
    return (CEdit*)CWnd::FromHandle((HWND)::SendMessage(m_hWnd, LVM_EDITLABEL, nItem, 0));
}

/////////////////////////////////////////////////////////////////////////////
// CHeaderCtrl

CHeaderCtrl::~CHeaderCtrl()
{
    DestroyWindow();
}

BOOL CHeaderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateCommonControl(this, ICC_LISTVIEW_CLASSES, WC_HEADER, dwStyle, rect, pParentWnd, nID);
}

void CHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT)
{
    // Owner-drawn headers override this.
}

BOOL CHeaderCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    if (pResult != NULL)
        *pResult = TRUE;
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Spin button, slider, progress bar, tabs

CSpinButtonCtrl::~CSpinButtonCtrl()
{
    DestroyWindow();
}

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateCommonControl(this, ICC_UPDOWN_CLASS, UPDOWN_CLASS, dwStyle, rect, pParentWnd, nID);
}

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy)
{
    return CWnd::FromHandle((HWND)::SendMessage(m_hWnd, UDM_SETBUDDY, (WPARAM)pWndBuddy->GetSafeHwnd(), 0L));
}

CWnd* CSpinButtonCtrl::GetBuddy() const
{
    return CWnd::FromHandle((HWND)::SendMessage(m_hWnd, UDM_GETBUDDY, 0, 0l));
}

void CSpinButtonCtrl::GetRange(int& lower, int& upper) const
{
    // Both ends are signed 16-bit values: upper in the low word, lower in the high word.
    DWORD dw = (DWORD)::SendMessage(m_hWnd, UDM_GETRANGE, 0, 0l);
    lower = (short)HIWORD(dw);
    upper = (short)LOWORD(dw);
}

CSliderCtrl::~CSliderCtrl()
{
    DestroyWindow();
}

BOOL CSliderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateCommonControl(this, ICC_BAR_CLASSES, TRACKBAR_CLASS, dwStyle, rect, pParentWnd, nID);
}

CProgressCtrl::~CProgressCtrl()
{
    DestroyWindow();
}

BOOL CProgressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateCommonControl(this, ICC_PROGRESS_CLASS, PROGRESS_CLASS, dwStyle, rect, pParentWnd, nID);
}

void CProgressCtrl::GetRange(int& nLower, int& nUpper)
{
    PBRANGE range;
    ::SendMessage(m_hWnd, PBM_GETRANGE, FALSE, (LPARAM)&range);
    nLower = range.iLow;
    nUpper = range.iHigh;
}

CTabCtrl::~CTabCtrl()
{
    DestroyWindow();
}

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateCommonControl(this, ICC_TAB_CLASSES, WC_TABCONTROL, dwStyle, rect, pParentWnd, nID);
}

CImageList* CTabCtrl::GetImageList() const
{
    return CImageList::FromHandle((HIMAGELIST)::SendMessage(m_hWnd, TCM_GETIMAGELIST, 0, 0L));
}

CImageList* CTabCtrl::SetImageList(CImageList* pImageList)
{
    return CImageList::FromHandle(
        (HIMAGELIST)::SendMessage(m_hWnd, TCM_SETIMAGELIST, 0, (LPARAM)pImageList->GetSafeHandle()));
}

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    TCITEM item;
    memset(&item, 0, sizeof(item));
    item.mask = TCIF_TEXT;
    item.pszText = (LPTSTR)lpszItem;
    return InsertItem(nItem, &item);
}

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage)
{
    TCITEM item;
    memset(&item, 0, sizeof(item));
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = (LPTSTR)lpszItem;
    item.iImage = nImage;
    return InsertItem(nItem, &item);
}

/////////////////////////////////////////////////////////////////////////////
// CTreeCtrl

CTreeCtrl::~CTreeCtrl()
{
    DestroyWindow();
}

BOOL CTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateCommonControl(this, ICC_TREEVIEW_CLASSES, WC_TREEVIEW, dwStyle, rect, pParentWnd, nID);
}

CImageList* CTreeCtrl::GetImageList(UINT nImageList) const
{
    return CImageList::FromHandle((HIMAGELIST)::SendMessage(m_hWnd, TVM_GETIMAGELIST, nImageList, 0));
}

CImageList* CTreeCtrl::SetImageList(CImageList* pImageList, int nImageListType)
{
    return CImageList::FromHandle((HIMAGELIST)::SendMessage(m_hWnd, TVM_SETIMAGELIST, nImageListType,
                                                            (LPARAM)pImageList->GetSafeHandle()));
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const
{
    // As for list views: the buffer grows until the text fits with room to spare.
    TVITEM item;
    memset(&item, 0, sizeof(item));
    item.hItem = hItem;
    item.mask = TVIF_TEXT;
    CString str;
    int nLen = 128;
    int nRes;
    do
    {
        nLen *= 2;
        item.pszText = str.GetBufferSetLength(nLen);
        item.pszText[0] = 0;
        item.cchTextMax = nLen;
        if (!::SendMessage(m_hWnd, TVM_GETITEM, 0, (LPARAM)&item))
        {
            str.ReleaseBuffer(0);
            return str;
        }
        item.pszText[nLen - 1] = 0;
        nRes = lstrlen(item.pszText);
    } while (nRes >= nLen - 1 && nLen < 0x100000);
    str.ReleaseBuffer(nRes);
    return str;
}

BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, LPCTSTR lpszItem)
{
    TVITEM item;
    memset(&item, 0, sizeof(item));
    item.hItem = hItem;
    item.mask = TVIF_TEXT;
    item.pszText = (LPTSTR)lpszItem;
    return (BOOL)::SendMessage(m_hWnd, TVM_SETITEM, 0, (LPARAM)&item);
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const
{
    TVITEM item;
    memset(&item, 0, sizeof(item));
    item.hItem = hItem;
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    BOOL bRes = (BOOL)::SendMessage(m_hWnd, TVM_GETITEM, 0, (LPARAM)&item);
    if (bRes)
    {
        nImage = item.iImage;
        nSelectedImage = item.iSelectedImage;
    }
    return bRes;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage)
{
    TVITEM item;
    memset(&item, 0, sizeof(item));
    item.hItem = hItem;
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.iImage = nImage;
    item.iSelectedImage = nSelectedImage;
    return (BOOL)::SendMessage(m_hWnd, TVM_SETITEM, 0, (LPARAM)&item);
}

BOOL CTreeCtrl::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask)
{
    TVITEM item;
    memset(&item, 0, sizeof(item));
    item.hItem = hItem;
    item.mask = TVIF_STATE;
    item.state = nState;
    item.stateMask = nStateMask;
    return (BOOL)::SendMessage(m_hWnd, TVM_SETITEM, 0, (LPARAM)&item);
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const
{
    TVITEM item;
    memset(&item, 0, sizeof(item));
    item.hItem = hItem;
    item.mask = TVIF_PARAM;
    if (!::SendMessage(m_hWnd, TVM_GETITEM, 0, (LPARAM)&item))
        return 0;
    return (DWORD_PTR)item.lParam;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData)
{
    TVITEM item;
    memset(&item, 0, sizeof(item));
    item.hItem = hItem;
    item.mask = TVIF_PARAM;
    item.lParam = (LPARAM)dwData;
    return (BOOL)::SendMessage(m_hWnd, TVM_SETITEM, 0, (LPARAM)&item);
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const
{
    TVITEM item;
    memset(&item, 0, sizeof(item));
    item.hItem = hItem;
    item.mask = TVIF_CHILDREN;
    ::SendMessage(m_hWnd, TVM_GETITEM, 0, (LPARAM)&item);
    return item.cChildren != 0;
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const
{
    // The item goes in through the rectangle's first word.
    *(HTREEITEM*)lpRect = hItem;
    return (BOOL)::SendMessage(m_hWnd, TVM_GETITEMRECT, (WPARAM)bTextOnly, (LPARAM)lpRect);
}

HTREEITEM CTreeCtrl::InsertItem(UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                                UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    TVINSERTSTRUCT tvis;
    memset(&tvis, 0, sizeof(tvis));
    tvis.hParent = hParent;
    tvis.hInsertAfter = hInsertAfter;
    tvis.item.mask = nMask;
    tvis.item.pszText = (LPTSTR)lpszItem;
    tvis.item.iImage = nImage;
    tvis.item.iSelectedImage = nSelectedImage;
    tvis.item.state = nState;
    tvis.item.stateMask = nStateMask;
    tvis.item.lParam = lParam;
    return InsertItem(&tvis);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    return InsertItem(TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0, hParent, hInsertAfter);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
                                HTREEITEM hInsertAfter)
{
    return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, lpszItem, nImage, nSelectedImage, 0, 0, 0,
                      hParent, hInsertAfter);
}

HTREEITEM CTreeCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    TVHITTESTINFO hti;
    memset(&hti, 0, sizeof(hti));
    hti.pt = pt;
    HTREEITEM h = (HTREEITEM)::SendMessage(m_hWnd, TVM_HITTEST, 0, (LPARAM)&hti);
    if (pFlags != NULL)
        *pFlags = hti.flags;
    return h;
}

/////////////////////////////////////////////////////////////////////////////
// CToolTipCtrl

CToolTipCtrl::~CToolTipCtrl()
{
    DestroyWindow();
}

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    BOOL bResult = CreateEx(0, TOOLTIPS_CLASS, NULL, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd->GetSafeHwnd(), NULL, NULL);
    if (bResult)
        SetOwner(pParentWnd);
    return bResult;
}

void CToolTipCtrl::FillInToolInfo(TOOLINFO& ti, CWnd* pWnd, UINT_PTR nIDTool) const
{
    memset(&ti, 0, sizeof(ti));
    ti.cbSize = sizeof(ti);
    HWND hWnd = pWnd->GetSafeHwnd();
    if (nIDTool == 0)
    {
        // A tool without an id is the whole window, named by its handle.
        ti.hwnd = ::GetParent(hWnd);
        ti.uFlags = TTF_IDISHWND;
        ti.uId = (UINT_PTR)hWnd;
    }
    else
    {
        ti.hwnd = hWnd;
        ti.uFlags = 0;
        ti.uId = nIDTool;
    }
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    if (lpRectTool != NULL)
        memcpy(&ti.rect, lpRectTool, sizeof(RECT));
    ti.lpszText = (LPTSTR)lpszText;
    // A whole-window tool learns of the mouse from the window itself.
    if (ti.uFlags & TTF_IDISHWND)
        ti.uFlags |= TTF_SUBCLASS;
    return (BOOL)::SendMessage(m_hWnd, TTM_ADDTOOL, 0, (LPARAM)&ti);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    if (lpRectTool != NULL)
        memcpy(&ti.rect, lpRectTool, sizeof(RECT));
    ti.hinst = AfxFindResourceHandle(MAKEINTRESOURCE((nIDText >> 4) + 1), RT_STRING);
    ti.lpszText = (LPTSTR)MAKEINTRESOURCE(nIDText);
    if (ti.uFlags & TTF_IDISHWND)
        ti.uFlags |= TTF_SUBCLASS;
    return (BOOL)::SendMessage(m_hWnd, TTM_ADDTOOL, 0, (LPARAM)&ti);
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ::SendMessage(m_hWnd, TTM_DELTOOL, 0, (LPARAM)&ti);
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const
{
    // The control copies up to 80 characters, as it always has for this message.
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    TCHAR buffer[256] = {0};
    ti.lpszText = buffer;
    ::SendMessage(m_hWnd, TTM_GETTEXT, sizeof(buffer) / sizeof(TCHAR), (LPARAM)&ti);
    str = buffer;
}

BOOL CToolTipCtrl::GetToolInfo(LPTOOLINFO lpToolInfo, CWnd* pWnd, UINT_PTR nIDTool) const
{
    FillInToolInfo(*lpToolInfo, pWnd, nIDTool);
    return (BOOL)::SendMessage(m_hWnd, TTM_GETTOOLINFO, 0, (LPARAM)lpToolInfo);
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect)
{
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    memcpy(&ti.rect, lpRect, sizeof(RECT));
    ::SendMessage(m_hWnd, TTM_NEWTOOLRECT, 0, (LPARAM)&ti);
}

BOOL CToolTipCtrl::HitTest(CWnd* pWnd, CPoint pt, LPTOOLINFO lpToolInfo) const
{
    TTHITTESTINFO hti;
    memset(&hti, 0, sizeof(hti));
    hti.ti.cbSize = sizeof(TOOLINFO);
    hti.hwnd = pWnd->GetSafeHwnd();
    hti.pt.x = pt.x;
    hti.pt.y = pt.y;
    if (::SendMessage(m_hWnd, TTM_HITTEST, 0, (LPARAM)&hti))
    {
        memcpy(lpToolInfo, &hti.ti, sizeof(TOOLINFO));
        return TRUE;
    }
    return FALSE;
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = (LPTSTR)lpszText;
    ::SendMessage(m_hWnd, TTM_UPDATETIPTEXT, 0, (LPARAM)&ti);
}

void CToolTipCtrl::UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool)
{
    CString str;
    str.LoadString(nIDText);
    UpdateTipText(str, pWnd, nIDTool);
}

/////////////////////////////////////////////////////////////////////////////
// CAnimateCtrl

CAnimateCtrl::~CAnimateCtrl()
{
    DestroyWindow();
}

BOOL CAnimateCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateCommonControl(this, ICC_ANIMATE_CLASS, ANIMATE_CLASS, dwStyle, rect, pParentWnd, nID);
}

BOOL CAnimateCtrl::Open(UINT nID)
{
    // The control loads the clip from the instance given at its creation, so the resource
    // handle is passed through the window's instance word.
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(nID), _T("AVI"));
    return (BOOL)::SendMessage(m_hWnd, ACM_OPEN, (WPARAM)hInst, (LPARAM)MAKEINTRESOURCE(nID));
}

/////////////////////////////////////////////////////////////////////////////
// CRichEditCtrl

CRichEditCtrl::~CRichEditCtrl()
{
    DestroyWindow();
}

BOOL CRichEditCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    // The library stays loaded for the life of the process, as the control's class lives in it.
    static HMODULE hRichEdit20 = ::LoadLibrary(_T("RICHED20.DLL"));
    WNDCLASS wc;
    if (hRichEdit20 != NULL && ::GetClassInfo(NULL, _T("RichEdit20A"), &wc))
        return CWnd::Create(_T("RichEdit20A"), NULL, dwStyle, rect, pParentWnd, nID);
    static HMODULE hRichEdit10 = ::LoadLibrary(_T("RICHED32.DLL"));
    if (hRichEdit10 == NULL)
        return FALSE;
    return CWnd::Create(_T("RICHEDIT"), NULL, dwStyle, rect, pParentWnd, nID);
}

CPoint CRichEditCtrl::GetCharPos(long lChar) const
{
    POINTL pt = {0, 0};
    ::SendMessage(m_hWnd, EM_POSFROMCHAR, (WPARAM)&pt, lChar);
    return CPoint(pt.x, pt.y);
}

int CRichEditCtrl::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const
{
    if (nMaxLength < (int)(sizeof(WORD) / sizeof(TCHAR)))
    {
        if (nMaxLength > 0)
            lpszBuffer[0] = 0;
        return 0;
    }
    *(LPWORD)lpszBuffer = (WORD)nMaxLength;
    return (int)::SendMessage(m_hWnd, EM_GETLINE, nIndex, (LPARAM)lpszBuffer);
}

void CRichEditCtrl::GetSel(long& nStartChar, long& nEndChar) const
{
    CHARRANGE cr;
    ::SendMessage(m_hWnd, EM_EXGETSEL, 0, (LPARAM)&cr);
    nStartChar = cr.cpMin;
    nEndChar = cr.cpMax;
}

void CRichEditCtrl::SetSel(long nStartChar, long nEndChar)
{
    CHARRANGE cr = {nStartChar, nEndChar};
    ::SendMessage(m_hWnd, EM_EXSETSEL, 0, (LPARAM)&cr);
}

DWORD CRichEditCtrl::GetDefaultCharFormat(CHARFORMAT& cf) const
{
    cf.cbSize = sizeof(CHARFORMAT);
    return (DWORD)::SendMessage(m_hWnd, EM_GETCHARFORMAT, 0, (LPARAM)&cf);
}

DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMAT& cf) const
{
    cf.cbSize = sizeof(CHARFORMAT);
    return (DWORD)::SendMessage(m_hWnd, EM_GETCHARFORMAT, 1, (LPARAM)&cf);
}

DWORD CRichEditCtrl::GetParaFormat(PARAFORMAT& pf) const
{
    pf.cbSize = sizeof(PARAFORMAT);
    return (DWORD)::SendMessage(m_hWnd, EM_GETPARAFORMAT, 0, (LPARAM)&pf);
}

CString CRichEditCtrl::GetSelText() const
{
    CHARRANGE cr;
    ::SendMessage(m_hWnd, EM_EXGETSEL, 0, (LPARAM)&cr);
    CString str;
    int nLen = cr.cpMax > cr.cpMin ? (int)(cr.cpMax - cr.cpMin) : 0;
    // A multibyte character may take two bytes per position.
    LPTSTR p = str.GetBufferSetLength(nLen * 2 + 1);
    p[0] = 0;
    long nGot = (long)::SendMessage(m_hWnd, EM_GETSELTEXT, 0, (LPARAM)p);
    str.ReleaseBuffer(nGot >= 0 && nGot <= nLen * 2 ? nGot : 0);
    return str;
}

BOOL CRichEditCtrl::SetDefaultCharFormat(CHARFORMAT& cf)
{
    cf.cbSize = sizeof(CHARFORMAT);
    return (BOOL)::SendMessage(m_hWnd, EM_SETCHARFORMAT, 0, (LPARAM)&cf);
}

BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMAT& cf)
{
    cf.cbSize = sizeof(CHARFORMAT);
    return (BOOL)::SendMessage(m_hWnd, EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
}

BOOL CRichEditCtrl::SetWordCharFormat(CHARFORMAT& cf)
{
    cf.cbSize = sizeof(CHARFORMAT);
    return (BOOL)::SendMessage(m_hWnd, EM_SETCHARFORMAT, SCF_SELECTION | SCF_WORD, (LPARAM)&cf);
}

BOOL CRichEditCtrl::SetParaFormat(PARAFORMAT& pf)
{
    pf.cbSize = sizeof(PARAFORMAT);
    return (BOOL)::SendMessage(m_hWnd, EM_SETPARAFORMAT, 0, (LPARAM)&pf);
}

void CRichEditCtrl::PasteSpecial(UINT nClipFormat, DWORD dvAspect, HMETAFILE hMF)
{
    REPASTESPECIAL reps;
    reps.dwAspect = dvAspect;
    reps.dwParam = (DWORD_PTR)hMF;
    ::SendMessage(m_hWnd, EM_PASTESPECIAL, nClipFormat, (LPARAM)&reps);
}
