// CORXTabWnd: tabs, their layout, scrolling and painting, and the user's mouse and keyboard on them.
#include "ORXTabWnd.h"

#include <algorithm>

#include "ORXGlobalData.h"
#include "ORXToolbarImageList.h"
#include "ORXVisualManager.h"

const UINT ORXM_ONCHANGE_ACTIVE_TAB = ::RegisterWindowMessage(_T("ORXM_ONCHANGE_ACTIVE_TAB"));
const UINT ORXM_ON_HSCROLL = ::RegisterWindowMessage(_T("ORXM_ON_HSCROLL"));
const UINT ORXM_ON_RENAME_TAB = ::RegisterWindowMessage(_T("ORXM_ON_RENAME_TAB"));
const UINT ORXM_ON_BEFOREMOVE_TAB = ::RegisterWindowMessage(_T("ORXM_ON_BEFOREMOVE_TAB"));
const UINT ORXM_ON_MOVE_TAB = ::RegisterWindowMessage(_T("ORXM_ON_MOVE_TAB"));
const UINT ORXM_ON_TAB_CHOSEN = ::RegisterWindowMessage(_T("ORXM_ON_TAB_CHOSEN"));

BOOL CORXTabWnd::s_bForwardingHScroll = FALSE;

using std::max;
using std::min;

namespace
{
const UINT kRenameEditId = 1;
const int kScrollStep = 20;
const DWORD kRedrawAll = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;

void FillStrip(CDC* pDC, const CRect& rect)
{
    if (!rect.IsRectEmpty())
        pDC->PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), PATCOPY);
}
} // namespace

/////////////////////////////////////////////////////////////////////////////
// CORXTabInfo

CORXTabInfo::CORXTabInfo(const CString& strText, int iIcon, CWnd* pWnd, UINT uiToolId)
    : m_strText(strText), m_iIcon(iIcon), m_rect(0, 0, 0, 0), m_bVisible(TRUE), m_pWnd(pWnd),
      m_bIsListView(FALSE), m_nFullWidth(0), m_uiToolId(uiToolId), m_clrText((COLORREF)-1),
      m_clrBack((COLORREF)-1), m_bIconOnly(FALSE), m_bAlwaysShowToolTip(FALSE)
{
    if (pWnd != NULL && pWnd->GetSafeHwnd() != NULL)
    {
        TCHAR szClass[64] = {0};
        ::GetClassName(pWnd->GetSafeHwnd(), szClass, 64);
        m_bIsListView = lstrcmpi(szClass, _T("SysListView32")) == 0;
    }
}

/////////////////////////////////////////////////////////////////////////////
// CORXTabButton

BEGIN_MESSAGE_MAP(CORXTabButton, CORXButton)
ON_WM_SETFOCUS()
END_MESSAGE_MAP()

CORXTabButton::CORXTabButton()
{
    m_bDrawFocus = FALSE;
}

void CORXTabButton::OnSetFocus(CWnd* pOldWnd)
{
    // The system's button takes the focus on a press; it goes straight back to the tab's window.
    CORXButton::OnSetFocus(pOldWnd);
    if (pOldWnd != NULL && pOldWnd->GetSafeHwnd() != NULL && ::IsWindow(pOldWnd->GetSafeHwnd()))
        pOldWnd->SetFocus();
}

CORXTabWnd* CORXTabButton::GetTabWnd() const
{
    if (GetSafeHwnd() == NULL)
        return NULL;
    return dynamic_cast<CORXTabWnd*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
}

void CORXTabButton::OnFillBackground(CDC* pDC, const CRect& rectClient)
{
    CORXVisualManager::GetInstance()->OnFillTabButton(pDC, rectClient, IsPressed(), IsHighlighted(),
                                                      GetTabWnd());
}

void CORXTabButton::OnDrawBorder(CDC* pDC, CRect& rectClient, UINT uiState)
{
    CORXVisualManager::GetInstance()->OnDrawTabButtonBorder(pDC, rectClient, IsPressed(), IsHighlighted(),
                                                            GetTabWnd());
}

/////////////////////////////////////////////////////////////////////////////
// CORXTabWnd

IMPLEMENT_DYNCREATE(CORXTabWnd, CWnd)

BEGIN_MESSAGE_MAP(CORXTabWnd, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_ERASEBKGND()
ON_WM_HSCROLL()
ON_WM_SETCURSOR()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_TIMER()
ON_WM_CANCELMODE()
ON_WM_SYSCOLORCHANGE()
ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

CORXTabWnd::CORXTabWnd()
    : m_bFlat(FALSE), m_bIsColored(FALSE), m_bSharedScroll(FALSE), m_bScroll(FALSE), m_bCloseBtn(FALSE),
      m_bHotTracking(FALSE), m_location(LOCATION_BOTTOM), m_iTabsNum(0), m_iActiveTab(-1),
      m_nScrollBarRight(0), m_rectTabsArea(0, 0, 0, 0), m_rectWndArea(0, 0, 0, 0), m_nTabsHeight(0),
      m_hImageList(NULL), m_sizeImage(0, 0), m_iHighlighted(-1), m_lstButtons(10), m_nTabsHorzOffset(0),
      m_nTabsHorzOffsetMax(0), m_nTabsTotalWidth(0), m_iFirstVisibleTab(0), m_nHorzScrollWidth(0),
      m_rectTabSplitter(0, 0, 0, 0), m_bTrackSplitter(FALSE), m_clrActiveTabBk((COLORREF)-1),
      m_clrActiveTabFg((COLORREF)-1), m_bDrawFrame(FALSE), m_nFrameWidth(3), m_bHideInactiveWnd(TRUE),
      m_bAutoSizeWindow(TRUE), m_bAutoDestroyWindow(TRUE), m_bTransparent(FALSE), m_bTopEdge(FALSE),
      m_iCurTab(-1), m_nNextToolId(1), m_bHideSingleTab(FALSE), m_bHideNoTabs(FALSE), m_bIsInPlaceEdit(FALSE),
      m_pInPlaceEdit(NULL), m_iEditedTab(-1), m_dwReserved(0), m_bLabelNoPrefix(FALSE),
      m_bEnableTabSwap(FALSE), m_bTabDrag(FALSE), m_iDraggedTab(-1), m_iDropPos(-1), m_bAutoHideScroll(FALSE),
      m_bIsAutoColor(FALSE), m_bIsDefaultAutoColor(TRUE)
{
}

CORXTabWnd::~CORXTabWnd()
{
    // Destroyed here, while the tab window's own WM_DESTROY handling still exists.
    if (GetSafeHwnd() != NULL && CWnd::FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    for (int i = 0; i < m_arTabs.GetSize(); i++)
        delete (CORXTabInfo*)m_arTabs[i];
    m_arTabs.RemoveAll();
    delete m_pInPlaceEdit;
    // The image list is the caller's.
    if (m_Images.GetSafeHandle() != NULL)
        m_Images.Detach();
}

BOOL CORXTabWnd::Create(TabStyle style, const RECT& rect, CWnd* pParentWnd, UINT nID, Location location,
                        BOOL bCloseBtn)
{
    m_bFlat = style == STYLE_FLAT || style == STYLE_FLAT_SHARED_HORZ_SCROLL;
    m_bIsColored = style == STYLE_3D_COLORED;
    m_bSharedScroll = style == STYLE_FLAT_SHARED_HORZ_SCROLL;
    m_bScroll = style != STYLE_3D;
    m_bCloseBtn = bCloseBtn;
    m_bHotTracking = m_bIsColored;
    m_location = location;
    return CWnd::Create(NULL, _T(""), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect, pParentWnd, nID);
}

BOOL CORXTabWnd::CreateTabButton(CORXTabButton& btn, int nImage, int nDisabledImage)
{
    if (!btn.Create(_T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, (UINT)-1))
        return FALSE;
    btn.SetStdImage(nImage, nDisabledImage);
    m_lstButtons.AddTail(btn.GetSafeHwnd());
    return TRUE;
}

int CORXTabWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;

    if (m_bScroll)
    {
        if (m_bFlat)
            CreateTabButton(m_btnScrollFirst, CORXMenuImages::IdArowFirst, -1);
        CreateTabButton(m_btnScrollLeft, CORXMenuImages::IdArowLeftLarge,
                        CORXMenuImages::IdArowLeftLargeDsbl);
        CreateTabButton(m_btnScrollRight, CORXMenuImages::IdArowRightLarge,
                        CORXMenuImages::IdArowRightLargeDsbl);
        if (!m_bIsColored)
        {
            m_btnScrollLeft.SetAutoRepeatMode(50);
            m_btnScrollRight.SetAutoRepeatMode(50);
        }
        if (m_bFlat)
            CreateTabButton(m_btnScrollLast, CORXMenuImages::IdArowLast, -1);
        CreateTabButton(m_btnClose, CORXMenuImages::IdClose, -1);
        if (!m_bFlat)
        {
            m_btnClose.SetTooltip(_T("Close"));
            m_btnScrollLeft.SetTooltip(_T("Scroll Left"));
            m_btnScrollRight.SetTooltip(_T("Scroll Right"));
        }
    }

    if (m_bSharedScroll)
        m_wndScrollWnd.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(0, 0, 0, 0), this, (UINT)-1);

    if (m_bFlat)
    {
        m_brActiveTab.CreateSolidBrush(m_clrActiveTabBk == (COLORREF)-1 ? globalData.clrBtnFace
                                                                        : m_clrActiveTabBk);
        CreateFonts();
        return 0;
    }

    if (!m_bScroll)
    {
        m_ToolTip.Create(this, TTS_ALWAYSTIP);
        m_ToolTip.Activate(TRUE);
        if (globalData.m_nMaxToolTipWidth != -1)
            m_ToolTip.SetMaxTipWidth(globalData.m_nMaxToolTipWidth);
        m_ToolTip.SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    SetTabsHeight();
    return 0;
}

void CORXTabWnd::SetTabsHeight()
{
    if (m_bFlat)
    {
        CreateFonts();
        return;
    }
    m_nTabsHeight = max((int)m_sizeImage.cy + 2 * TAB_TEXT_MARGIN, globalData.GetTextHeight() + 2);
}

void CORXTabWnd::CreateFonts()
{
    m_nTabsHeight = ::GetSystemMetrics(SM_CYHSCROLL) + 2;

    LOGFONT lfGui = {0};
    ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(LOGFONT), &lfGui);
    LOGFONT lf = {0};
    lf.lfHeight = lfGui.lfHeight;
    lf.lfCharSet = lfGui.lfCharSet;
    lstrcpy(lf.lfFaceName, _T("Arial"));

    // The strip is as high as a scroll bar; the label font shrinks until it fits in it.
    CWindowDC dc(NULL);
    for (;;)
    {
        m_fntTabs.DeleteObject();
        m_fntTabs.CreateFontIndirect(&lf);
        HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), m_fntTabs.GetSafeHandle());
        TEXTMETRIC tm = {0};
        ::GetTextMetrics(dc.GetSafeHdc(), &tm);
        ::SelectObject(dc.GetSafeHdc(), hOld);
        if (tm.tmHeight + 2 <= m_nTabsHeight || lf.lfHeight == 0)
            break;
        lf.lfHeight += lf.lfHeight < 0 ? 1 : -1;
    }
    lf.lfWeight = FW_BOLD;
    m_fntTabsBold.DeleteObject();
    m_fntTabsBold.CreateFontIndirect(&lf);
}

void CORXTabWnd::OnDestroy()
{
    DropRenameEdit();
    for (int i = 0; i < m_iTabsNum; i++)
    {
        CORXTabInfo* pTab = TabAt(i);
        if (m_bAutoDestroyWindow && pTab->m_pWnd != NULL && pTab->m_pWnd->GetSafeHwnd() != NULL)
            pTab->m_pWnd->DestroyWindow();
        delete pTab;
    }
    m_arTabs.RemoveAll();
    m_iTabsNum = 0;
    m_iActiveTab = -1;
    m_brActiveTab.DeleteObject();
    if (m_ToolTip.GetSafeHwnd() != NULL)
        m_ToolTip.DestroyWindow();
    CWnd::OnDestroy();
}

/////////////////////////////////////////////////////////////////////////////
// Tabs

void CORXTabWnd::InsertTab(CWnd* pWnd, LPCTSTR lpszLabel, int iInsertAt, int iImage)
{
    if (m_bFlat)
        iImage = -1;
    if (iInsertAt < 0 || iInsertAt > m_iTabsNum)
        iInsertAt = m_iTabsNum;

    CORXTabInfo* pTab = new CORXTabInfo(lpszLabel, iImage, pWnd, m_nNextToolId);
    m_arTabs.InsertAt(iInsertAt, pTab);
    m_iTabsNum++;
    // An open rename edit keeps its tab, wherever that tab now stands.
    if (m_iEditedTab >= iInsertAt)
        m_iEditedTab++;
    if (!m_bFlat && m_ToolTip.GetSafeHwnd() != NULL)
    {
        CRect rectEmpty(0, 0, 0, 0);
        m_ToolTip.AddTool(this, lpszLabel, &rectEmpty, m_nNextToolId);
    }
    m_nNextToolId++;
    LayOutAreas();

    if (m_iTabsNum == 1)
    {
        SetActiveTab(0);
        return;
    }
    if (pWnd == NULL || pWnd->GetSafeHwnd() == NULL)
        return;
    CWnd* pWasActive = NULL;
    if (iInsertAt == m_iActiveTab)
    {
        // The new tab takes the active place, so the window that was shown there gives way.
        pWasActive = GetTabWindow(m_iActiveTab + 1);
        if (m_bHideInactiveWnd && pWasActive != NULL)
            pWasActive->ShowWindow(SW_HIDE);
        pWnd->ShowWindow(SW_SHOWNORMAL);
    }
    else
    {
        if (m_bHideInactiveWnd)
            pWnd->ShowWindow(SW_HIDE);
        pWasActive = GetTabWindow(iInsertAt < m_iActiveTab ? m_iActiveTab + 1 : m_iActiveTab);
        if (iInsertAt < m_iActiveTab)
            m_iActiveTab++;
    }
    if (!m_bHideInactiveWnd && pWasActive != NULL)
        pWasActive->BringWindowToTop();
}

BOOL CORXTabWnd::SetActiveTab(int iTab)
{
    if (iTab < 0 || iTab >= m_iTabsNum || iTab >= m_arTabs.GetSize())
        return FALSE;
    if (iTab == m_iActiveTab)
        return TRUE;

    const BOOL bHadActive = m_iActiveTab >= 0;
    CWnd* pOld = GetTabWindow(m_iActiveTab);
    if (pOld != NULL && m_bHideInactiveWnd && pOld->GetSafeHwnd() != NULL)
        pOld->ShowWindow(SW_HIDE);

    m_iActiveTab = iTab;
    CWnd* pWnd = GetTabWindow(iTab);
    if (m_bSharedScroll && pWnd != NULL && pWnd->GetSafeHwnd() != NULL)
    {
        pWnd->ShowScrollBar(SB_HORZ, FALSE);
        pWnd->ModifyStyle(WS_HSCROLL, 0, SWP_FRAMECHANGED);
    }
    if (pWnd == NULL || pWnd->GetSafeHwnd() == NULL)
        return FALSE;

    pWnd->ShowWindow(SW_SHOW);
    if (!m_bHideInactiveWnd)
        pWnd->BringWindowToTop();
    if (m_bAutoSizeWindow)
    {
        // One pixel too wide first, so that the window gets a WM_SIZE even when its size stays.
        const UINT uFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
        pWnd->SetWindowPos(NULL, 0, 0, m_rectWndArea.Width() + 1, m_rectWndArea.Height(), uFlags);
        pWnd->SetWindowPos(NULL, 0, 0, m_rectWndArea.Width(), m_rectWndArea.Height(), uFlags);
    }
    EnsureTabVisible(iTab);
    if (m_bFlat)
        SyncSharedScrollBar();
    RedrawWindow(NULL, NULL, kRedrawAll);

    if (bHadActive)
    {
        CView* pView = DYNAMIC_DOWNCAST(CView, pWnd);
        CFrameWnd* pFrame = pView != NULL ? pView->GetParentFrame() : NULL;
        if (pFrame != NULL)
            pFrame->SetActiveView(pView, TRUE);
        else
            pWnd->SetFocus();
    }
    return TRUE;
}

BOOL CORXTabWnd::RemoveTab(int iTab)
{
    if (!IsValidTab(iTab))
        return FALSE;
    if (m_iTabsNum == 1)
    {
        RemoveAllTabs();
        return TRUE;
    }
    if (iTab == m_iEditedTab)
        DropRenameEdit();

    CORXTabInfo* pTab = TabAt(iTab);
    if (!m_bFlat && m_ToolTip.GetSafeHwnd() != NULL)
        m_ToolTip.DelTool(this, pTab->m_uiToolId);
    m_arTabs.RemoveAt(iTab);
    m_iTabsNum--;
    if (m_iEditedTab > iTab)
        m_iEditedTab--;
    if (m_bAutoDestroyWindow && pTab->m_pWnd != NULL && pTab->m_pWnd->GetSafeHwnd() != NULL)
        pTab->m_pWnd->DestroyWindow();
    delete pTab;

    int iNewActive = m_iActiveTab;
    if (m_iActiveTab >= iTab)
    {
        iNewActive = max(0, min(m_iTabsNum, m_iActiveTab - 1));
        m_iActiveTab = -1;
        if (m_bIsColored)
            m_iFirstVisibleTab = max(0, min(m_iTabsNum, m_iFirstVisibleTab - 1));
    }
    LayOutAreas();
    if (m_bIsColored && m_nTabsHorzOffset == 0)
        m_iFirstVisibleTab = 0;
    const int iBefore = m_iActiveTab;
    SetActiveTab(iNewActive);
    if (GetParent() != NULL)
        GetParent()->SendMessage(ORXM_ONCHANGE_ACTIVE_TAB, iNewActive, iBefore);
    return TRUE;
}

void CORXTabWnd::ChooseTab(int iTab)
{
    // Only an owner that was given: a parent that owns the tabs by default hears the change alone.
    if (m_hWndOwner != NULL && ::IsWindow(m_hWndOwner) &&
        ::SendMessage(m_hWndOwner, ORXM_ON_TAB_CHOSEN, (WPARAM)iTab, (LPARAM)m_hWnd) != 0)
        return;
    SetActiveTab(iTab);
}

void CORXTabWnd::RemoveAllTabs()
{
    DropRenameEdit();
    for (int i = 0; i < m_iTabsNum; i++)
    {
        CORXTabInfo* pTab = TabAt(i);
        if (!m_bFlat && m_ToolTip.GetSafeHwnd() != NULL)
            m_ToolTip.DelTool(this, pTab->m_uiToolId);
        if (m_bAutoDestroyWindow && pTab->m_pWnd != NULL && pTab->m_pWnd->GetSafeHwnd() != NULL)
            pTab->m_pWnd->DestroyWindow();
        delete pTab;
    }
    m_arTabs.RemoveAll();
    m_iTabsNum = 0;
    m_iActiveTab = -1;
    m_nNextToolId = 1;
    LayOutAreas();
}

int CORXTabWnd::GetVisibleTabCount() const
{
    int nCount = 0;
    for (int i = 0; i < m_iTabsNum; i++)
        if (TabAt(i)->m_bVisible)
            nCount++;
    return nCount;
}

BOOL CORXTabWnd::IsTabVisible(int iTab) const
{
    return IsValidTab(iTab) && TabAt(iTab)->m_bVisible;
}

CWnd* CORXTabWnd::GetTabWindow(int iTab) const
{
    return IsValidTab(iTab) ? TabAt(iTab)->m_pWnd : NULL;
}

int CORXTabWnd::GetTabByWindow(HWND hWnd) const
{
    for (int i = 0; i < m_iTabsNum; i++)
        if (TabAt(i)->m_pWnd != NULL && TabAt(i)->m_pWnd->GetSafeHwnd() == hWnd)
            return i;
    return -1;
}

BOOL CORXTabWnd::GetTabRect(int iTab, CRect& rect) const
{
    if (!IsValidTab(iTab) || !TabAt(iTab)->m_bVisible)
    {
        rect.SetRectEmpty();
        return FALSE;
    }
    rect = TabAt(iTab)->m_rect;
    return TRUE;
}

int CORXTabWnd::GetTabIcon(int iTab) const
{
    return IsValidTab(iTab) ? TabAt(iTab)->m_iIcon : -1;
}

BOOL CORXTabWnd::SetTabIcon(int iTab, int iImage)
{
    if (!IsValidTab(iTab) || m_bFlat)
        return FALSE;
    TabAt(iTab)->m_iIcon = iImage;
    LayOutAreas();
    return TRUE;
}

BOOL CORXTabWnd::GetTabLabel(int iTab, CString& strLabel) const
{
    if (!IsValidTab(iTab))
        return FALSE;
    strLabel = TabAt(iTab)->m_bIconOnly ? CString() : TabAt(iTab)->m_strText;
    return TRUE;
}

BOOL CORXTabWnd::SetTabLabel(int iTab, const CString& strLabel)
{
    if (!IsValidTab(iTab) || strLabel.IsEmpty())
        return FALSE;
    CORXTabInfo* pTab = TabAt(iTab);
    pTab->m_strText = strLabel;
    if (!m_bFlat && m_ToolTip.GetSafeHwnd() != NULL)
        m_ToolTip.UpdateTipText(strLabel, this, pTab->m_uiToolId);
    LayOutAreas();
    return TRUE;
}

COLORREF CORXTabWnd::GetTabBkColor(int iTab) const
{
    if (!IsValidTab(iTab))
        return (COLORREF)-1;
    if (TabAt(iTab)->m_clrBack != (COLORREF)-1)
        return TabAt(iTab)->m_clrBack;
    // An empty colour list has nothing to cycle through.
    if (m_bIsAutoColor && m_arAutoColors.GetSize() > 0)
        return m_arAutoColors[iTab % m_arAutoColors.GetSize()];
    return (COLORREF)-1;
}

COLORREF CORXTabWnd::GetTabTextColor(int iTab) const
{
    return IsValidTab(iTab) ? TabAt(iTab)->m_clrText : (COLORREF)-1;
}

BOOL CORXTabWnd::HasColoredTabs() const
{
    for (int i = 0; i < m_iTabsNum; i++)
        if (GetTabBkColor(i) != (COLORREF)-1)
            return TRUE;
    return FALSE;
}

BOOL CORXTabWnd::SetTabImages(HIMAGELIST hImageList)
{
    if (m_bFlat || hImageList == NULL)
        return FALSE;
    IMAGEINFO info = {0};
    if (ImageList_GetImageCount(hImageList) <= 0 || !ImageList_GetImageInfo(hImageList, 0, &info))
        return FALSE;
    if (m_Images.GetSafeHandle() != NULL)
        m_Images.Detach();
    m_Images.Attach(hImageList);
    m_hImageList = hImageList;
    m_sizeImage = CSize(info.rcImage.right - info.rcImage.left, info.rcImage.bottom - info.rcImage.top);
    SetTabsHeight();
    if (GetSafeHwnd() != NULL)
        LayOutAreas();
    return TRUE;
}

void CORXTabWnd::SetNoPrefixLabels(BOOL bNoPrefix, BOOL bRedraw)
{
    m_bLabelNoPrefix = bNoPrefix;
    if (bRedraw && GetSafeHwnd() != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE);
}

void CORXTabWnd::SetLocation(Location location)
{
    m_location = location;
    LayOutAreas();
    if (GetParent() != NULL)
        GetParent()->RedrawWindow(NULL, NULL, kRedrawAll);
}

void CORXTabWnd::HideSingleTab(BOOL bHide)
{
    m_bHideSingleTab = bHide;
    if (GetSafeHwnd() != NULL)
        LayOutAreas();
}

void CORXTabWnd::EnableAutoColor(BOOL bEnable)
{
    if (bEnable)
        InitAutoColors();
    m_bIsAutoColor = bEnable;
    if (GetSafeHwnd() != NULL)
        RedrawWindow(NULL, NULL, kRedrawAll);
}

void CORXTabWnd::InitAutoColors()
{
    if (!m_bIsDefaultAutoColor)
        return;
    m_arAutoColors.RemoveAll();
    if (globalData.m_nBitsPerPixel > 8)
    {
        m_arAutoColors.Add(RGB(148, 175, 230));
        m_arAutoColors.Add(RGB(255, 219, 117));
        m_arAutoColors.Add(RGB(189, 205, 159));
        m_arAutoColors.Add(RGB(240, 158, 159));
        m_arAutoColors.Add(RGB(186, 166, 225));
        m_arAutoColors.Add(RGB(154, 191, 180));
        m_arAutoColors.Add(RGB(247, 182, 131));
        m_arAutoColors.Add(RGB(213, 164, 187));
    }
    else
    {
        m_arAutoColors.Add(RGB(0, 255, 0));
        m_arAutoColors.Add(RGB(0, 255, 255));
        m_arAutoColors.Add(RGB(255, 0, 255));
        m_arAutoColors.Add(RGB(192, 192, 192));
        m_arAutoColors.Add(RGB(255, 255, 0));
    }
}

void CORXTabWnd::InvalidateTab(int iTab)
{
    if (iTab < 0 || !IsTabVisible(iTab) || GetSafeHwnd() == NULL)
        return;
    CRect rect = TabAt(iTab)->m_rect;
    InvalidateRect(rect);
    UpdateWindow();
}

/////////////////////////////////////////////////////////////////////////////
// Layout

BOOL CORXTabWnd::AreTabsHidden() const
{
    if (m_bSharedScroll)
        return FALSE;
    const int nVisible = GetVisibleTabCount();
    return (m_bHideSingleTab && nVisible < 2) || (m_bHideNoTabs && nVisible == 0);
}

void CORXTabWnd::LayOutAreas()
{
    if (GetSafeHwnd() == NULL)
        return;
    CRect rectClient;
    GetClientRect(rectClient);

    const BOOL bHidden = AreTabsHidden();
    const int nTabsHeight = bHidden ? 0 : m_nTabsHeight;
    const BOOL bTop = m_location == LOCATION_TOP;

    m_rectTabsArea = rectClient;
    m_rectTabsArea.DeflateRect(m_nFrameWidth, 0);
    if (bTop)
        m_rectTabsArea.bottom = m_rectTabsArea.top + nTabsHeight;
    else
        m_rectTabsArea.top = m_rectTabsArea.bottom - nTabsHeight;

    if (m_bScroll)
    {
        const int nButton = max(0, min(m_nTabsHeight - 4, (int)CORXMenuImages::Size().cx + 6));
        const int y = m_rectTabsArea.top + (m_rectTabsArea.Height() - nButton) / 2;
        // Buttons in creation order; the flat styles put them at the left, the others at the right.
        CArray<HWND, HWND> arButtons;
        for (POSITION pos = m_lstButtons.GetHeadPosition(); pos != NULL;)
        {
            HWND hWnd = (HWND)m_lstButtons.GetNext(pos);
            if (hWnd == m_btnClose.GetSafeHwnd() && !m_bCloseBtn)
            {
                ::ShowWindow(hWnd, SW_HIDE);
                continue;
            }
            if (bHidden)
                ::ShowWindow(hWnd, SW_HIDE);
            else
                arButtons.Add(hWnd);
        }
        const int nWidth = (int)arButtons.GetSize() * nButton;
        int x = m_bFlat ? m_rectTabsArea.left : m_rectTabsArea.right - nWidth;
        int iFirst = 0;
        if (m_bIsColored && arButtons.GetSize() > 0)
        {
            ::SetWindowPos(arButtons[0], NULL, m_rectTabsArea.left, y, nButton, nButton,
                           SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
            m_rectTabsArea.left += nButton + 1;
            x += nButton;
            iFirst = 1;
        }
        for (int i = iFirst; i < arButtons.GetSize(); i++, x += nButton)
            ::SetWindowPos(arButtons[i], NULL, x, y, nButton, nButton,
                           SWP_NOZORDER | SWP_NOACTIVATE | (m_bAutoHideScroll ? 0 : SWP_SHOWWINDOW));
        if (m_bFlat)
            m_rectTabsArea.left += nWidth;
        else
            m_rectTabsArea.right -= nWidth - (m_bIsColored && arButtons.GetSize() > 0 ? nButton : 0);
        if (m_rectTabsArea.right < m_rectTabsArea.left)
            m_rectTabsArea.right = m_rectTabsArea.left;
    }

    m_nScrollBarRight = m_rectTabsArea.right - ::GetSystemMetrics(SM_CXVSCROLL);

    m_rectWndArea = rectClient;
    if (m_nFrameWidth > 0)
        m_rectWndArea.DeflateRect(m_nFrameWidth + 1, m_nFrameWidth + 1);
    if (!m_bFlat)
    {
        if (bTop)
            m_rectWndArea.top = m_rectTabsArea.bottom + 2 * m_nFrameWidth;
        else
            m_rectWndArea.bottom = m_rectTabsArea.top - 2 * m_nFrameWidth;
    }
    else
    {
        if (bTop)
            m_rectWndArea.top = m_rectTabsArea.bottom + m_nFrameWidth;
        else
            m_rectWndArea.bottom = m_rectTabsArea.top;
        if (m_nFrameWidth == 0)
        {
            m_rectWndArea.left++;
            if (bTop)
                m_rectWndArea.bottom--;
            else
                m_rectWndArea.top++;
        }
    }
    if (m_rectWndArea.bottom < m_rectWndArea.top)
        m_rectWndArea.bottom = m_rectWndArea.top;

    if (m_bAutoSizeWindow)
    {
        for (int i = 0; i < m_iTabsNum; i++)
        {
            CORXTabInfo* pTab = TabAt(i);
            if (pTab->m_bVisible && pTab->m_pWnd != NULL && pTab->m_pWnd->GetSafeHwnd() != NULL)
                pTab->m_pWnd->SetWindowPos(NULL, m_rectWndArea.left, m_rectWndArea.top, m_rectWndArea.Width(),
                                           m_rectWndArea.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }

    PlaceSharedScrollBar();
    RecalcLayout();
    UpdateScrollRange();
    RedrawWindow(NULL, NULL, kRedrawAll);
}

int CORXTabWnd::ColoredOverlap() const
{
    return m_bIsColored ? m_nTabsHeight - TAB_TEXT_MARGIN - 1 : 0;
}

int CORXTabWnd::ColoredOffsetOf(int iFirst) const
{
    int nOffset = 0;
    for (int i = 0; i < iFirst && i < m_iTabsNum; i++)
        if (TabAt(i)->m_bVisible)
            nOffset += TabAt(i)->m_nFullWidth - ColoredOverlap();
    return nOffset;
}

void CORXTabWnd::RecalcLayout()
{
    const int nVisible = GetVisibleTabCount();
    if (nVisible == 0 || AreTabsHidden() || GetSafeHwnd() == NULL)
    {
        for (int i = 0; i < m_iTabsNum; i++)
        {
            TabAt(i)->m_rect.SetRectEmpty();
            if (m_ToolTip.GetSafeHwnd() != NULL)
                m_ToolTip.SetToolRect(this, TabAt(i)->m_uiToolId, CRect(0, 0, 0, 0));
        }
        m_nTabsTotalWidth = 0;
        return;
    }

    CClientDC dc(this);
    HGDIOBJ hOldFont =
        ::SelectObject(dc.GetSafeHdc(), (m_bFlat ? m_fntTabs : globalData.fontRegular).GetSafeHandle());
    const int nOverlap = ColoredOverlap();
    const int nImageWidth = m_sizeImage.cx;
    const int nTabsWidth = m_rectTabsArea.Width();

    for (int i = 0; i < m_iTabsNum; i++)
    {
        CORXTabInfo* pTab = TabAt(i);
        if (!pTab->m_bVisible)
            continue;
        int nLabel = pTab->m_bIconOnly ? 0 : dc.GetTextExtent(pTab->m_strText).cx;
        pTab->m_nFullWidth = nLabel + TAB_TEXT_MARGIN + (pTab->m_iIcon >= 0 ? nImageWidth : 0) + 8;
        if (m_bIsColored)
            pTab->m_nFullWidth += m_nTabsHeight + 2 * TAB_TEXT_MARGIN;
    }
    ::SelectObject(dc.GetSafeHdc(), hOldFont);

    int nTotal = 0;
    int nPlaced = 0;
    for (int i = 0; i < m_iTabsNum; i++)
    {
        if (!TabAt(i)->m_bVisible)
            continue;
        nTotal += TabAt(i)->m_nFullWidth + (nPlaced > 0 ? 1 - nOverlap : 0);
        nPlaced++;
    }
    if (m_bFlat)
        nTotal += m_nTabsHeight / 2;

    CArray<int, int> arWidth;
    arWidth.SetSize(m_iTabsNum);
    CArray<BOOL, BOOL> arShrunk;
    arShrunk.SetSize(m_iTabsNum);
    for (int i = 0; i < m_iTabsNum; i++)
    {
        arWidth[i] = TabAt(i)->m_nFullWidth;
        arShrunk[i] = FALSE;
    }

    if (nTotal > nTabsWidth)
    {
        if (m_bScroll)
            nTotal += m_nTabsHeight / 2;
        else
        {
            // Narrow tabs keep their width and share what they leave over among the wide ones.
            const int nAverage = nTabsWidth / nVisible;
            int nSurplus = 0;
            int nWide = 0;
            for (int i = 0; i < m_iTabsNum; i++)
            {
                if (!TabAt(i)->m_bVisible)
                    continue;
                if (arWidth[i] < nAverage)
                    nSurplus += nAverage - arWidth[i];
                else
                    nWide++;
            }
            const int nPerTab = nWide > 0 ? nAverage + nSurplus / nWide : nAverage;
            const BOOL bEven = nPerTab < TAB_TEXT_MARGIN + nImageWidth;
            for (int i = 0; i < m_iTabsNum; i++)
            {
                CORXTabInfo* pTab = TabAt(i);
                if (!pTab->m_bVisible)
                    continue;
                if (bEven)
                {
                    arWidth[i] = (nTabsWidth + 2 * m_nFrameWidth) / nVisible;
                    arShrunk[i] = TRUE;
                }
                else if (arWidth[i] >= nAverage && arWidth[i] > nPerTab)
                {
                    arWidth[i] = nPerTab;
                    arShrunk[i] = TRUE;
                }
                if (pTab->m_strText.IsEmpty() || pTab->m_bIconOnly)
                    arWidth[i] = nImageWidth + 8;
            }
            nTotal = nTabsWidth;
        }
    }
    m_nTabsTotalWidth = nTotal;

    int x = m_rectTabsArea.left - m_nTabsHorzOffset;
    const int nTop = m_rectTabsArea.top + (m_location == LOCATION_TOP ? 2 : 0);
    for (int i = 0; i < m_iTabsNum; i++)
    {
        CORXTabInfo* pTab = TabAt(i);
        if (!pTab->m_bVisible)
        {
            pTab->m_rect.SetRectEmpty();
            continue;
        }
        pTab->m_rect = CRect(x, nTop, x + arWidth[i], nTop + m_nTabsHeight - 2);
        x = pTab->m_rect.right + 1 - nOverlap;
        if (m_bFlat)
            pTab->m_rect.right += m_nTabsHeight / 2;
        if (m_ToolTip.GetSafeHwnd() != NULL)
        {
            CRect rectTip = pTab->m_bAlwaysShowToolTip || arShrunk[i] ? pTab->m_rect : CRect(0, 0, 0, 0);
            m_ToolTip.SetToolRect(this, pTab->m_uiToolId, rectTip);
        }
    }
}

void CORXTabWnd::UpdateScrollRange()
{
    if (!m_bScroll)
        return;
    m_nTabsHorzOffsetMax = max(0, m_nTabsTotalWidth - m_rectTabsArea.Width());
    m_nTabsHorzOffset = max(0, m_nTabsHorzOffset);
    if (!m_bIsColored)
        m_nTabsHorzOffset = min(m_nTabsHorzOffset, m_nTabsHorzOffsetMax);
    if (m_bAutoHideScroll && !AreTabsHidden())
    {
        const BOOL bShow =
            GetVisibleTabCount() > 0 && (m_nTabsHorzOffset > 0 || m_nTabsHorzOffset < m_nTabsHorzOffsetMax);
        for (POSITION pos = m_lstButtons.GetHeadPosition(); pos != NULL;)
        {
            HWND hWnd = (HWND)m_lstButtons.GetNext(pos);
            if (hWnd != m_btnClose.GetSafeHwnd() || m_bCloseBtn)
                ::ShowWindow(hWnd, bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
        }
    }
    UpdateScrollButtons();
}

void CORXTabWnd::UpdateScrollButtons()
{
    if (!m_bScroll || m_bFlat || m_btnScrollLeft.GetSafeHwnd() == NULL)
        return;
    BOOL bLeft, bRight;
    if (m_bIsColored)
    {
        bLeft = m_iFirstVisibleTab >= 1;
        bRight = m_iTabsNum > 0 && TabAt(m_iTabsNum - 1)->m_rect.right > m_rectTabsArea.right &&
                 m_iFirstVisibleTab < m_iTabsNum - 1;
    }
    else
    {
        bLeft = m_nTabsHorzOffset >= 1;
        bRight = m_nTabsHorzOffset < m_nTabsHorzOffsetMax;
    }
    // A button turned off while held must stop repeating.
    if (!bLeft)
        m_btnScrollLeft.SendMessage(WM_CANCELMODE);
    if (!bRight)
        m_btnScrollRight.SendMessage(WM_CANCELMODE);
    m_btnScrollLeft.EnableWindow(bLeft);
    m_btnScrollRight.EnableWindow(bRight);
}

void CORXTabWnd::EnsureTabVisible(int iTab)
{
    if (!m_bScroll || m_rectTabsArea.IsRectEmpty() || !IsTabVisible(iTab))
        return;
    CORXTabInfo* pTab = TabAt(iTab);
    if (m_bIsColored)
    {
        if (iTab < m_iFirstVisibleTab || pTab->m_rect.left < m_rectTabsArea.left)
            m_iFirstVisibleTab = iTab;
        else
        {
            int nRight = pTab->m_rect.right;
            while (nRight > m_rectTabsArea.right && m_iFirstVisibleTab < iTab)
            {
                if (TabAt(m_iFirstVisibleTab)->m_bVisible)
                    nRight -= TabAt(m_iFirstVisibleTab)->m_nFullWidth - ColoredOverlap();
                m_iFirstVisibleTab++;
            }
        }
        m_nTabsHorzOffset = ColoredOffsetOf(m_iFirstVisibleTab);
    }
    else if (pTab->m_rect.left < m_rectTabsArea.left)
        m_nTabsHorzOffset -= m_rectTabsArea.left - pTab->m_rect.left;
    else if (pTab->m_rect.right > m_rectTabsArea.right && pTab->m_rect.Width() <= m_rectTabsArea.Width())
        m_nTabsHorzOffset += pTab->m_rect.right - m_rectTabsArea.right;
    else
        return;
    RecalcLayout();
    UpdateScrollRange();
    RecalcLayout();
    RedrawWindow(NULL, NULL, kRedrawAll);
}

void CORXTabWnd::OnScrollButton(HWND hWndButton)
{
    const int nOldOffset = m_nTabsHorzOffset;
    if (hWndButton == m_btnScrollLeft.GetSafeHwnd())
    {
        if (m_bIsColored)
        {
            if (m_iFirstVisibleTab > 0)
            {
                m_iFirstVisibleTab--;
                m_nTabsHorzOffset -= TabAt(m_iFirstVisibleTab)->m_nFullWidth - ColoredOverlap();
            }
        }
        else
            m_nTabsHorzOffset -= kScrollStep;
    }
    else if (hWndButton == m_btnScrollRight.GetSafeHwnd())
    {
        if (m_bIsColored)
        {
            if (m_iFirstVisibleTab < m_iTabsNum - 1)
            {
                m_nTabsHorzOffset += TabAt(m_iFirstVisibleTab)->m_nFullWidth - ColoredOverlap();
                m_iFirstVisibleTab++;
            }
        }
        else
            m_nTabsHorzOffset += kScrollStep;
    }
    else if (hWndButton == m_btnScrollFirst.GetSafeHwnd())
        m_nTabsHorzOffset = 0;
    else if (hWndButton == m_btnScrollLast.GetSafeHwnd())
        m_nTabsHorzOffset = m_nTabsHorzOffsetMax;
    else if (hWndButton == m_btnClose.GetSafeHwnd())
    {
        CWnd* pWnd = GetActiveTabWindow();
        if (pWnd != NULL && pWnd->GetSafeHwnd() != NULL)
            pWnd->SendMessage(WM_CLOSE);
        return;
    }
    else
        return;

    m_nTabsHorzOffset = max(0, m_nTabsHorzOffset);
    if (!m_bIsColored)
        m_nTabsHorzOffset = min(m_nTabsHorzOffset, m_nTabsHorzOffsetMax);
    if (m_nTabsHorzOffset != nOldOffset)
    {
        RecalcLayout();
        UpdateScrollButtons();
        RedrawWindow(NULL, NULL, kRedrawAll);
    }
}

BOOL CORXTabWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    HWND hWnd = (HWND)lParam;
    if (hWnd != NULL)
    {
        for (POSITION pos = m_lstButtons.GetHeadPosition(); pos != NULL;)
        {
            if ((HWND)m_lstButtons.GetNext(pos) == hWnd)
            {
                OnScrollButton(hWnd);
                return TRUE;
            }
        }
    }
    return CWnd::OnCommand(wParam, lParam);
}

void CORXTabWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_bSharedScroll)
    {
        const int nMin = 2 * ::GetSystemMetrics(SM_CXHSCROLL);
        const int w = cx - 2 * (m_nFrameWidth + ::GetSystemMetrics(SM_CXVSCROLL)) * 2;
        if (w <= nMin)
            m_nHorzScrollWidth = 0;
        else
            m_nHorzScrollWidth = w / 2 <= nMin ? w : w / 2;
    }
    LayOutAreas();
    SyncSharedScrollBar();
    if (m_bIsColored)
    {
        m_nTabsHorzOffset = 0;
        m_iFirstVisibleTab = 0;
        RecalcLayout();
        EnsureTabVisible(m_iActiveTab);
    }
}

/////////////////////////////////////////////////////////////////////////////
// Shared scroll bar

void CORXTabWnd::PlaceSharedScrollBar()
{
    m_rectTabSplitter.SetRectEmpty();
    if (!m_bSharedScroll || m_wndScrollWnd.GetSafeHwnd() == NULL)
        return;
    // The bar never reaches past the splitter's room at the left of the strip.
    const int nRoom = max(0, m_nScrollBarRight - (int)m_rectTabsArea.left - 5);
    m_nHorzScrollWidth = max(0, min(m_nHorzScrollWidth, nRoom));
    if (m_nHorzScrollWidth < 2 * ::GetSystemMetrics(SM_CXHSCROLL) || m_rectTabsArea.Height() == 0)
    {
        m_wndScrollWnd.ShowWindow(SW_HIDE);
        return;
    }
    CRect rectBar(m_nScrollBarRight - m_nHorzScrollWidth, m_rectTabsArea.top, m_nScrollBarRight,
                  m_rectTabsArea.bottom);
    if (m_location == LOCATION_TOP)
        rectBar.top += 2;
    else
        rectBar.bottom -= 2;
    m_wndScrollWnd.SetWindowPos(NULL, rectBar.left, rectBar.top, rectBar.Width(), rectBar.Height(),
                                SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    m_rectTabSplitter = CRect(rectBar.left - 5, m_rectTabsArea.top, rectBar.left, m_rectTabsArea.bottom);
    m_rectTabsArea.right = m_rectTabSplitter.left;
}

void CORXTabWnd::SyncSharedScrollBar()
{
    if (!m_bSharedScroll || m_wndScrollWnd.GetSafeHwnd() == NULL)
        return;
    CWnd* pWnd = GetActiveTabWindow();
    SCROLLINFO si = {sizeof(SCROLLINFO)};
    si.fMask = SIF_ALL;
    if (pWnd == NULL || pWnd->GetSafeHwnd() == NULL || !::GetScrollInfo(pWnd->GetSafeHwnd(), SB_HORZ, &si) ||
        si.nMin + (int)si.nPage >= si.nMax)
    {
        m_wndScrollWnd.EnableScrollBar(ESB_DISABLE_BOTH);
        return;
    }
    m_wndScrollWnd.EnableScrollBar(ESB_ENABLE_BOTH);
    ::SetScrollInfo(m_wndScrollWnd.GetSafeHwnd(), SB_CTL, &si, TRUE);
    pWnd->ShowScrollBar(SB_HORZ, FALSE);
}

void CORXTabWnd::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (pScrollBar == NULL || pScrollBar->GetSafeHwnd() != m_wndScrollWnd.GetSafeHwnd() ||
        m_wndScrollWnd.GetSafeHwnd() == NULL)
    {
        CWnd::OnHScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    CORXTabInfo* pTab = IsValidTab(m_iActiveTab) ? TabAt(m_iActiveTab) : NULL;
    if (pTab == NULL || pTab->m_pWnd == NULL || pTab->m_pWnd->GetSafeHwnd() == NULL || s_bForwardingHScroll)
        return;
    HWND hWnd = pTab->m_pWnd->GetSafeHwnd();
    s_bForwardingHScroll = TRUE;
    if (pTab->m_bIsListView && (nSBCode == SB_THUMBPOSITION || nSBCode == SB_THUMBTRACK))
        ::SendMessage(hWnd, LVM_SCROLL, (int)nPos - ::GetScrollPos(hWnd, SB_HORZ), 0);
    ::SendMessage(hWnd, WM_HSCROLL, MAKEWPARAM(nSBCode, nPos), 0);
    s_bForwardingHScroll = FALSE;
    m_wndScrollWnd.SetScrollPos(::GetScrollPos(hWnd, SB_HORZ));
    if (GetParent() != NULL)
        GetParent()->SendMessage(ORXM_ON_HSCROLL, MAKEWPARAM(nSBCode, nPos), 0);
}

/////////////////////////////////////////////////////////////////////////////
// Painting

BOOL CORXTabWnd::OnEraseBkgnd(CDC* pDC)
{
    if (m_bTransparent || m_iTabsNum > 0)
        return TRUE;
    CRect rectClient;
    GetClientRect(rectClient);
    pDC->FillRect(rectClient, &globalData.brBtnFace);
    return TRUE;
}

void CORXTabWnd::DrawTab(CDC* pDC, CORXTabInfo* pTab, BOOL bActive)
{
    if (!pTab->m_bVisible || (m_bIsColored && pTab->m_rect.left < m_rectTabsArea.left))
        return;
    CORXVisualManager::GetInstance()->OnDrawTab(pDC, pTab->m_rect, m_iCurTab, bActive, this);
}

void CORXTabWnd::DrawFlatTab(CDC* pDC, CORXTabInfo* pTab, BOOL bActive)
{
    if (!pTab->m_bVisible)
        return;
    CORXVisualManager::GetInstance()->OnDrawTab(pDC, pTab->m_rect, m_iCurTab, bActive, this);
}

void CORXTabWnd::DrawArrow(CDC* pDC, int x, int nTop, int nBottom, int nSize)
{
    if (!m_bFlat)
        return;
    POINT pts[3];
    if (m_location == LOCATION_BOTTOM)
    {
        pts[0] = CPoint(x, nBottom);
        pts[1] = CPoint(x + nSize, nBottom);
        pts[2] = CPoint(x + nSize / 2, nTop + nSize);
    }
    else
    {
        pts[0] = CPoint(x, nTop);
        pts[1] = CPoint(x + nSize, nTop);
        pts[2] = CPoint(x + nSize / 2, nBottom - nSize);
    }
    HGDIOBJ hOld = ::SelectObject(pDC->GetSafeHdc(), ::GetStockObject(BLACK_BRUSH));
    ::Polygon(pDC->GetSafeHdc(), pts, 3);
    ::SelectObject(pDC->GetSafeHdc(), hOld);
}

void CORXTabWnd::OnPaint()
{
    CPaintDC dc(this);
    CORXVisualManager* pLook = CORXVisualManager::GetInstance();
    HDC hDC = dc.GetSafeHdc();

    COLORREF clrDark, clrBlack, clrHighlight, clrFace, clrDarkShadow, clrLight;
    CBrush* pbrFace = NULL;
    CBrush* pbrBlack = NULL;
    pLook->GetTabFrameColors(this, clrDark, clrBlack, clrHighlight, clrFace, clrDarkShadow, clrLight, pbrFace,
                             pbrBlack);
    CPen penDark(PS_SOLID, 1, clrDark);
    CPen penBlack(PS_SOLID, 1, clrBlack);
    CPen penHilite(PS_SOLID, 1, clrHighlight);
    HGDIOBJ hOldPen = ::SelectObject(hDC, penDark.GetSafeHandle());
    HGDIOBJ hOldBrush = ::SelectObject(hDC, pbrFace->GetSafeHandle());

    CRect rectClient;
    GetClientRect(rectClient);
    const BOOL bTop = m_location == LOCATION_TOP;

    CRect rectStrip = m_rectTabsArea;
    rectStrip.left = rectClient.left;
    rectStrip.right = rectClient.right;
    if (bTop)
        rectStrip.bottom = min(rectClient.bottom, rectStrip.bottom + m_nFrameWidth);
    else
        rectStrip.top = max(rectClient.top, rectStrip.top - m_nFrameWidth);

    const BOOL bErased = pLook->OnEraseTabsFrame(&dc, rectClient, this);
    pLook->OnEraseTabsArea(&dc, rectStrip, this);

    // The frame round the part that holds the windows.
    CRect rectFrame = rectClient;
    if (bTop)
        rectFrame.top = rectStrip.bottom;
    else
        rectFrame.bottom = rectStrip.top;
    if (m_nFrameWidth > 0)
    {
        if (!m_bDrawFrame && !rectFrame.IsRectEmpty())
        {
            CRect rect = rectFrame;
            dc.Draw3dRect(rect, clrFace, clrFace);
            rect.DeflateRect(1, 1);
            dc.Draw3dRect(rect, clrHighlight, clrDark);
        }
        if (!bErased && !rectFrame.IsRectEmpty())
        {
            FillStrip(&dc,
                      CRect(rectFrame.left, rectFrame.top, rectFrame.left + m_nFrameWidth, rectFrame.bottom));
            FillStrip(&dc, CRect(rectFrame.right - m_nFrameWidth, rectFrame.top, rectFrame.right,
                                 rectFrame.bottom));
            FillStrip(&dc,
                      CRect(rectFrame.left, rectFrame.top, rectFrame.right, rectFrame.top + m_nFrameWidth));
            FillStrip(&dc, CRect(rectFrame.left, rectFrame.bottom - m_nFrameWidth, rectFrame.right,
                                 rectFrame.bottom));
            if (bTop)
                FillStrip(&dc, CRect(rectFrame.left, rectFrame.top, rectFrame.right, m_rectWndArea.top));
            else
                FillStrip(&dc,
                          CRect(rectFrame.left, m_rectWndArea.bottom, rectFrame.right, rectFrame.bottom));
        }
        if (m_bFlat)
        {
            const int y = bTop ? rectStrip.bottom : rectStrip.top;
            dc.MoveTo(rectFrame.left + m_nFrameWidth, y);
            dc.LineTo(rectFrame.right - m_nFrameWidth, y);
        }
        if (m_nFrameWidth > 2 && !rectFrame.IsRectEmpty())
        {
            CRect rect = rectFrame;
            rect.DeflateRect(m_nFrameWidth - 2, m_nFrameWidth - 2);
            dc.Draw3dRect(rect, clrDark, clrHighlight);
        }
    }
    else if (!rectFrame.IsRectEmpty())
    {
        CRect rect = rectFrame;
        if (bTop)
            rect.top--;
        else
            rect.bottom++;
        ::FrameRect(hDC, &rect, (HBRUSH)pbrBlack->GetSafeHandle());
    }

    if (m_bTopEdge)
    {
        dc.MoveTo(rectClient.left, rectClient.top);
        dc.LineTo(rectClient.right, rectClient.top);
    }

    HGDIOBJ hOldFont = ::SelectObject(hDC, (m_bFlat ? m_fntTabs : globalData.fontRegular).GetSafeHandle());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(clrBlack);

    if (m_rectTabsArea.Width() > 2 * m_nFrameWidth + 1 && m_rectTabsArea.Height() > 2 * m_nFrameWidth + 1)
    {
        CRect rectClip = m_rectTabsArea;
        rectClip.InflateRect(1, m_nFrameWidth);
        CRgn rgn;
        rgn.CreateRectRgnIndirect(rectClip);
        dc.SelectClipRgn(&rgn);

        if (m_bFlat)
            ::SelectObject(hDC, penDark.GetSafeHandle());
        for (int i = m_iTabsNum - 1; i >= 0; i--)
        {
            CORXTabInfo* pTab = TabAt(i);
            if (!pTab->m_bVisible)
                continue;
            m_iCurTab = i;
            if (i != m_iActiveTab)
            {
                if (m_bFlat)
                    DrawFlatTab(&dc, pTab, FALSE);
                else
                    DrawTab(&dc, pTab, FALSE);
            }
        }
        if (m_bTabDrag && m_iDropPos >= 0)
        {
            const int nSize = m_nTabsHeight / 2;
            if (m_iDropPos < m_iTabsNum)
                DrawArrow(&dc, TabAt(m_iDropPos)->m_rect.left, m_rectTabsArea.top, m_rectTabsArea.bottom,
                          nSize);
            else if (m_iTabsNum > 0)
                DrawArrow(&dc, TabAt(m_iTabsNum - 1)->m_rect.right - m_nTabsHeight / 2 + 1,
                          m_rectTabsArea.top, m_rectTabsArea.bottom, nSize);
        }
        if (IsTabVisible(m_iActiveTab))
        {
            CORXTabInfo* pTab = TabAt(m_iActiveTab);
            m_iCurTab = m_iActiveTab;
            if (!m_bFlat)
                DrawTab(&dc, pTab, TRUE);
            else
            {
                ::SelectObject(hDC, m_brActiveTab.GetSafeHandle());
                ::SelectObject(hDC, m_fntTabsBold.GetSafeHandle());
                dc.SetTextColor(m_clrActiveTabFg == (COLORREF)-1 ? globalData.clrBtnText : m_clrActiveTabFg);
                DrawFlatTab(&dc, pTab, TRUE);
                ::SelectObject(hDC, penHilite.GetSafeHandle());
                const int y = bTop ? pTab->m_rect.bottom : pTab->m_rect.top;
                dc.MoveTo(pTab->m_rect.left + 1, y);
                dc.LineTo(pTab->m_rect.right, y);
            }
        }
        m_iCurTab = -1;
        dc.SelectClipRgn(NULL);
    }

    if (!m_rectTabSplitter.IsRectEmpty())
    {
        dc.FillRect(m_rectTabSplitter, pbrFace);
        CRect rect = m_rectTabSplitter;
        dc.Draw3dRect(rect, clrFace, clrDarkShadow);
        rect.DeflateRect(1, 1);
        dc.Draw3dRect(rect, clrHighlight, clrDark);
    }

    if (m_bFlat && m_nTabsHorzOffset > 0)
    {
        ::SelectObject(hDC, penDark.GetSafeHandle());
        if (bTop)
        {
            dc.MoveTo(m_rectTabsArea.left, m_rectTabsArea.bottom);
            dc.LineTo(m_rectTabsArea.left, m_rectTabsArea.top + 2);
        }
        else
        {
            dc.MoveTo(m_rectTabsArea.left, m_rectTabsArea.top);
            dc.LineTo(m_rectTabsArea.left, m_rectTabsArea.bottom - 2);
        }
    }

    ::SelectObject(hDC, hOldFont);
    ::SelectObject(hDC, hOldBrush);
    ::SelectObject(hDC, hOldPen);
}

/////////////////////////////////////////////////////////////////////////////
// Mouse

int CORXTabWnd::GetTabFromPoint(CPoint& pt) const
{
    if (!m_rectTabsArea.PtInRect(pt))
        return -1;
    if (m_bIsColored && IsTabVisible(m_iActiveTab))
    {
        const CRect& rect = TabAt(m_iActiveTab)->m_rect;
        if (rect.PtInRect(pt))
        {
            // The slanted left edge of the active tab lies over the tab before it.
            if (pt.x < rect.left + rect.Height())
            {
                const int dx = pt.x - rect.left;
                const int dy = pt.y - rect.top;
                if (dx * dx + dy * dy < rect.Height() * rect.Height() / 2)
                {
                    for (int i = m_iActiveTab - 1; i >= 0; i--)
                        if (TabAt(i)->m_bVisible)
                            return i;
                }
            }
            return m_iActiveTab;
        }
    }
    for (int i = 0; i < m_iTabsNum; i++)
        if (TabAt(i)->m_bVisible && TabAt(i)->m_rect.PtInRect(pt))
            return i;
    return -1;
}

CWnd* CORXTabWnd::FindForwardTarget(CPoint& pt)
{
    if (pt.y >= m_nTabsHeight && GetTabFromPoint(pt) < 0)
        return GetParent();
    return NULL;
}

void CORXTabWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!m_rectTabSplitter.IsRectEmpty() && m_rectTabSplitter.PtInRect(point))
    {
        m_bTrackSplitter = TRUE;
        SetCapture();
        return;
    }
    const int iTab = GetTabFromPoint(point);
    if (iTab >= 0)
    {
        if (iTab != m_iActiveTab && m_rectTabsArea.PtInRect(point))
        {
            const int iOld = m_iActiveTab;
            m_iHighlighted = -1;
            if (GetCapture() == this)
                ReleaseCapture();
            ChooseTab(iTab);
            if (m_iActiveTab == iTab && GetParent() != NULL)
                GetParent()->SendMessage(ORXM_ONCHANGE_ACTIVE_TAB, iTab, iOld);
        }
        if (m_bEnableTabSwap && m_rectTabsArea.PtInRect(point))
        {
            SetCapture();
            m_bTabDrag = TRUE;
            m_iDraggedTab = m_iDropPos = iTab;
        }
        return;
    }
    CWnd* pTarget = FindForwardTarget(point);
    if (pTarget != NULL)
    {
        CPoint pt = point;
        MapWindowPoints(pTarget, &pt, 1);
        pTarget->SendMessage(WM_LBUTTONDOWN, nFlags, MAKELPARAM(pt.x, pt.y));
        return;
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CORXTabWnd::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    const int iTab = GetTabFromPoint(point);
    if (iTab >= 0 && StartRenameTab(iTab))
        return;
    CWnd* pTarget = FindForwardTarget(point);
    if (pTarget != NULL)
    {
        CPoint pt = point;
        MapWindowPoints(pTarget, &pt, 1);
        pTarget->SendMessage(WM_LBUTTONDBLCLK, nFlags, MAKELPARAM(pt.x, pt.y));
        return;
    }
    CWnd::OnLButtonDblClk(nFlags, point);
}

void CORXTabWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bTrackSplitter)
    {
        const int nMin = 2 * ::GetSystemMetrics(SM_CXHSCROLL);
        CRect rectOld = m_rectTabSplitter;
        int nWidth = min(m_nScrollBarRight - m_rectTabsArea.left - 5, m_nScrollBarRight - point.x);
        m_nHorzScrollWidth = max(0, max(nWidth, nMin));
        LayOutAreas();
        rectOld.left -= 20;
        rectOld.InflateRect(0, m_nFrameWidth + 1);
        InvalidateRect(rectOld);
        CRect rectNew = m_rectTabSplitter;
        rectNew.InflateRect(0, m_nFrameWidth + 1);
        InvalidateRect(rectNew);
        UpdateWindow();
        return;
    }

    if (m_bTabDrag)
    {
        // Above or below the strip the drop place stays where it was.
        if (m_rectTabsArea.PtInRect(point))
        {
            KillTimer(IdTimerScrollLeft);
            KillTimer(IdTimerScrollRight);
            int iDrop = m_iDropPos;
            for (int i = 0; i < m_iTabsNum; i++)
            {
                const CRect& rect = TabAt(i)->m_rect;
                if (!TabAt(i)->m_bVisible || point.x < rect.left || point.x >= rect.right)
                    continue;
                iDrop = point.x < rect.CenterPoint().x ? i : i + 1;
                break;
            }
            if (iDrop != m_iDropPos)
            {
                m_iDropPos = iDrop;
                InvalidateTabsStrip();
            }
        }
        else if (point.x < m_rectTabsArea.left)
            SetTimer(IdTimerScrollLeft, 250, NULL);
        else if (point.x >= m_rectTabsArea.right)
            SetTimer(IdTimerScrollRight, 250, NULL);
        return;
    }

    if (m_bIsColored && !CORXVisualManager::GetInstance()->AreTabsHotTracked())
        m_bHotTracking = FALSE;
    const int iTab = GetTabFromPoint(point);
    if (iTab != m_iHighlighted && m_bHotTracking)
    {
        const int iOld = m_iHighlighted;
        m_iHighlighted = iTab;
        if (iTab >= 0 && GetCapture() != this)
            SetCapture();
        else if (iTab < 0 && GetCapture() == this)
            ReleaseCapture();
        InvalidateTab(iOld);
        InvalidateTab(iTab);
    }
    CWnd::OnMouseMove(nFlags, point);
}

void CORXTabWnd::MoveDraggedTab()
{
    CORXTabInfo* pDragged = TabAt(m_iDraggedTab);
    CORXTabInfo* pActive = IsValidTab(m_iActiveTab) ? TabAt(m_iActiveTab) : NULL;
    CORXTabInfo* pEdited = IsValidTab(m_iEditedTab) ? TabAt(m_iEditedTab) : NULL;
    m_arTabs.InsertAt(m_iDropPos, pDragged);
    m_arTabs.RemoveAt(m_iDraggedTab >= m_iDropPos ? m_iDraggedTab + 1 : m_iDraggedTab);
    // The active index and the rename edit's follow their tabs, whichever ones they are.
    for (int i = 0; i < m_iTabsNum; i++)
    {
        if (TabAt(i) == pActive)
            m_iActiveTab = i;
        if (TabAt(i) == pEdited)
            m_iEditedTab = i;
    }
}

void CORXTabWnd::EndTabDrag(BOOL bMove)
{
    KillTimer(IdTimerScrollLeft);
    KillTimer(IdTimerScrollRight);
    m_bTabDrag = FALSE;
    if (GetCapture() == this)
        ReleaseCapture();
    if (bMove && IsValidTab(m_iDraggedTab) && m_iDropPos >= 0 && m_iDropPos <= m_iTabsNum &&
        m_iDropPos != m_iDraggedTab)
    {
        CWnd* pParent = GetParent();
        if (pParent == NULL || pParent->SendMessage(ORXM_ON_BEFOREMOVE_TAB, m_iDraggedTab, m_iDropPos) == 0)
        {
            MoveDraggedTab();
            if (pParent != NULL)
                pParent->SendMessage(ORXM_ON_MOVE_TAB, m_iDraggedTab, m_iDropPos);
            RecalcLayout();
        }
    }
    m_iDraggedTab = m_iDropPos = -1;
    InvalidateTabsStrip();
}

void CORXTabWnd::InvalidateTabsStrip()
{
    // The active tab reaches into the frame beside the row, and the frame's edge runs along it:
    // both are painted again with the tabs, or a moved active tab leaves its old edge behind
    // and the edge is missing where the row was painted without it.
    CRect rect = m_rectTabsArea;
    rect.InflateRect(1, m_nFrameWidth + 1);
    InvalidateRect(rect);
    UpdateWindow();
}

void CORXTabWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bTrackSplitter)
    {
        m_bTrackSplitter = FALSE;
        if (GetCapture() == this)
            ReleaseCapture();
        return;
    }
    if (m_bTabDrag)
    {
        EndTabDrag(TRUE);
        return;
    }
    CWnd::OnLButtonUp(nFlags, point);
}

void CORXTabWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == IdTimerScrollLeft)
        OnScrollButton(m_btnScrollLeft.GetSafeHwnd());
    else if (nIDEvent == IdTimerScrollRight)
        OnScrollButton(m_btnScrollRight.GetSafeHwnd());
    else
        CWnd::OnTimer(nIDEvent);
}

void CORXTabWnd::OnCancelMode()
{
    CWnd::OnCancelMode();
    if (m_bTrackSplitter)
    {
        m_bTrackSplitter = FALSE;
        if (GetCapture() == this)
            ReleaseCapture();
    }
    DropRenameEdit();
    if (m_bTabDrag)
        EndTabDrag(FALSE);
    const int iOld = m_iHighlighted;
    m_iHighlighted = -1;
    InvalidateTab(iOld);
}

BOOL CORXTabWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CPoint pt;
    ::GetCursorPos(&pt);
    if (m_pInPlaceEdit != NULL)
    {
        CRect rectEdit;
        m_pInPlaceEdit->GetWindowRect(rectEdit);
        if (rectEdit.PtInRect(pt))
        {
            ::SetCursor(::LoadCursor(NULL, IDC_IBEAM));
            return TRUE;
        }
    }
    ScreenToClient(&pt);
    if (m_bFlat && !m_rectTabSplitter.IsRectEmpty() && m_rectTabSplitter.PtInRect(pt))
    {
        if (globalData.m_hcurStretch == NULL)
            globalData.m_hcurStretch = ::LoadCursor(NULL, IDC_SIZEWE);
        ::SetCursor(globalData.m_hcurStretch);
        return TRUE;
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CORXTabWnd::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    if (m_bFlat && m_clrActiveTabFg == (COLORREF)-1)
    {
        m_brActiveTab.DeleteObject();
        m_brActiveTab.CreateSolidBrush(m_clrActiveTabBk == (COLORREF)-1 ? globalData.clrBtnFace
                                                                        : m_clrActiveTabBk);
        RedrawWindow(NULL, NULL, kRedrawAll);
    }
    InitAutoColors();
}

void CORXTabWnd::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CWnd::OnSettingChange(uFlags, lpszSection);
    if (m_bFlat)
    {
        CreateFonts();
        LayOutAreas();
        SyncSharedScrollBar();
    }
}

/////////////////////////////////////////////////////////////////////////////
// Renaming

BOOL CORXTabWnd::StartRenameTab(int iTab)
{
    if (!m_bIsInPlaceEdit || !IsValidTab(iTab))
        return FALSE;
    EnsureTabVisible(iTab);
    CORXTabInfo* pTab = TabAt(iTab);
    if (pTab->m_bIconOnly)
        return FALSE;
    DropRenameEdit();

    CRect rectEdit = pTab->m_rect;
    rectEdit.DeflateRect(m_nTabsHeight / 2, 1);
    m_pInPlaceEdit = new CEdit;
    if (!m_pInPlaceEdit->Create(ES_AUTOHSCROLL | WS_CHILD | WS_VISIBLE, rectEdit, this, kRenameEditId))
    {
        delete m_pInPlaceEdit;
        m_pInPlaceEdit = NULL;
        return FALSE;
    }
    m_iEditedTab = iTab;
    m_pInPlaceEdit->SetWindowText(pTab->m_strText);
    m_pInPlaceEdit->SendMessage(WM_SETFONT, (WPARAM)globalData.fontRegular.GetSafeHandle());
    m_pInPlaceEdit->SetSel(0, -1);
    m_pInPlaceEdit->SetFocus();
    SetCapture();
    ::SetCursor(::LoadCursor(NULL, IDC_IBEAM));
    return TRUE;
}

void CORXTabWnd::DropRenameEdit()
{
    if (m_pInPlaceEdit == NULL)
        return;
    CEdit* pEdit = m_pInPlaceEdit;
    m_pInPlaceEdit = NULL;
    m_iEditedTab = -1;
    if (pEdit->GetSafeHwnd() != NULL)
        pEdit->DestroyWindow();
    delete pEdit;
    if (GetSafeHwnd() != NULL && GetCapture() == this)
        ReleaseCapture();
}

BOOL CORXTabWnd::RenameTab()
{
    CString strName;
    m_pInPlaceEdit->GetWindowText(strName);
    const int iTab = m_iEditedTab;
    if (!strName.IsEmpty() && OnRenameTab(iTab, strName))
    {
        CWnd* pParent = GetParent();
        const LRESULT lHandled =
            pParent != NULL ? pParent->SendMessage(ORXM_ON_RENAME_TAB, iTab, (LPARAM)(LPCTSTR)strName) : 0;
        if (lHandled != 0 || SetTabLabel(iTab, strName))
        {
            DropRenameEdit();
            return TRUE;
        }
    }
    ::MessageBeep((UINT)-1);
    return FALSE;
}

/////////////////////////////////////////////////////////////////////////////
// Keyboard and tool tips

BOOL CORXTabWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_pInPlaceEdit != NULL && m_pInPlaceEdit->GetSafeHwnd() != NULL)
    {
        if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
        {
            if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
            {
                RenameTab();
                return TRUE;
            }
            if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE)
            {
                DropRenameEdit();
                return TRUE;
            }
            return FALSE;
        }
        if (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST)
        {
            CPoint pt((short)LOWORD(pMsg->lParam), (short)HIWORD(pMsg->lParam));
            ::ClientToScreen(pMsg->hwnd, &pt);
            CRect rectEdit;
            m_pInPlaceEdit->GetWindowRect(rectEdit);
            if (rectEdit.PtInRect(pt))
            {
                if (pMsg->hwnd == m_pInPlaceEdit->GetSafeHwnd())
                    return FALSE;
                m_pInPlaceEdit->ScreenToClient(&pt);
                m_pInPlaceEdit->SendMessage(pMsg->message, pMsg->wParam, MAKELPARAM(pt.x, pt.y));
                return TRUE;
            }
            if (pMsg->message != WM_MOUSEMOVE)
                RenameTab();
            return TRUE;
        }
        return CWnd::PreTranslateMessage(pMsg);
    }

    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_PRIOR || pMsg->wParam == VK_NEXT) &&
        (::GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0 && IsValidTab(m_iActiveTab))
    {
        const int iOld = m_iActiveTab;
        const int nStep = pMsg->wParam == VK_NEXT ? 1 : -1;
        int iNew = -1;
        for (int n = 1; n < m_iTabsNum; n++)
        {
            const int i = ((iOld + nStep * n) % m_iTabsNum + m_iTabsNum) % m_iTabsNum;
            if (TabAt(i)->m_bVisible)
            {
                iNew = i;
                break;
            }
        }
        if (iNew >= 0)
        {
            ChooseTab(iNew);
            if (m_iActiveTab != iNew)
                return TRUE;
            CWnd* pWnd = GetTabWindow(iNew);
            if (pWnd != NULL && pWnd->GetSafeHwnd() != NULL)
                pWnd->SetFocus();
            if (GetParent() != NULL)
                GetParent()->SendMessage(ORXM_ONCHANGE_ACTIVE_TAB, iNew, iOld);
        }
        return TRUE;
    }

    if (m_ToolTip.GetSafeHwnd() != NULL)
    {
        switch (pMsg->message)
        {
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONUP:
        case WM_NCRBUTTONDOWN:
        case WM_NCRBUTTONUP:
        case WM_NCMBUTTONDOWN:
        case WM_NCMBUTTONUP:
        case WM_SYSKEYDOWN:
        case WM_KEYDOWN:
            m_ToolTip.RelayEvent(pMsg);
            break;
        }
    }
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL CORXTabWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pHdr = (NMHDR*)lParam;
    if (pHdr != NULL)
    {
        if (pHdr->code == TTN_SHOW && m_ToolTip.GetSafeHwnd() != NULL &&
            pHdr->hwndFrom == m_ToolTip.GetSafeHwnd())
            m_ToolTip.SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        else if (pHdr->code == HDN_ITEMCHANGEDA || pHdr->code == HDN_ITEMCHANGEDW)
            SyncSharedScrollBar();
    }
    return CWnd::OnNotify(wParam, lParam, pResult);
}
