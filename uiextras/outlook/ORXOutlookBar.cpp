// CORXOutlookBar: pages, shortcuts, scrolling, the sizing edge, the background and the stored state
// of the shortcut bar; its page record, page button and customise button.
#include "ORXOutlookBar.h"

#include "ORXGlobalData.h"
#include "ORXPopupMenu.h"
#include "ORXPopupMenuBar.h"
#include "ORXVisualManager.h"
#include "ORXWorkspaceBase.h"

#include <algorithm>
#include <vector>

namespace
{
const int kSizingEdge = 3;       // the strip on the docked side that sizes the bar
const int kCustomizeHeight = 12; // the customise button's strip under the page buttons
const int kShortcutSpacing = 4;
const int kSplitterHeight = 4; // the strip above the lower page buttons that moves them
const UINT_PTR kTimerScrollUp = 1;
const UINT_PTR kTimerScrollDown = 2;
const UINT_PTR kTimerPageSwitch = 3;
const UINT kPageSwitchDelay = 500;  // a drag that rests this long on a page button opens the page
const UINT kScrollFirstDelay = 300; // a click steps once; holding the button steps on after this
const UINT kScrollRepeatDelay = 80;
// The page buttons carry no command of their own (the bar knows them by their windows), so that
// no command-state update of the frame disables them.
const UINT kPageButtonId = 0xFFFF;
const UINT kCursorSizeVert = 30980;
const UINT kCursorSizeHorz = 30981;
} // namespace

/////////////////////////////////////////////////////////////////////////////
// CORXOutlookBarPageButton

IMPLEMENT_DYNAMIC(CORXOutlookBarPageButton, CORXButton)

void CORXOutlookBarPageButton::OnFillBackground(CDC* pDC, const CRect& rectClient)
{
    const BOOL bHot = IsHighlighted() || IsHotInside();
    COLORREF clrText = 0;
    if (!CORXVisualManager::GetInstance()->OnFillOutlookPageButton(pDC, rectClient, bHot, IsPressed(),
                                                                   clrText))
    {
        CORXButton::OnFillBackground(pDC, rectClient);
        return;
    }
    if (bHot)
        SetTextHotColor(clrText);
    else
        SetTextColor(clrText);
}

void CORXOutlookBarPageButton::OnDrawBorder(CDC* pDC, CRect& rectClient, UINT uiState)
{
    if (!CORXVisualManager::GetInstance()->OnDrawOutlookPageButtonBorder(
            pDC, rectClient, IsHighlighted() || IsHotInside(), IsPressed()))
        CORXButton::OnDrawBorder(pDC, rectClient, uiState);
}

/////////////////////////////////////////////////////////////////////////////
// CORXOutlookBarPage

IMPLEMENT_SERIAL(CORXOutlookBarPage, CObject, 1)

CORXOutlookBarPage::CORXOutlookBarPage() : m_iPageID(0), m_hwndContent(NULL), m_rectButton(0, 0, 0, 0) {}

CORXOutlookBarPage::CORXOutlookBarPage(int iPageID, LPCTSTR lpszName)
    : m_iPageID(iPageID), m_strName(lpszName), m_hwndContent(NULL), m_rectButton(0, 0, 0, 0)
{
}

CORXOutlookBarPage::~CORXOutlookBarPage()
{
    if (m_btnPage.GetSafeHwnd() != NULL)
        m_btnPage.DestroyWindow();
    if (m_hwndContent != NULL && ::IsWindow(m_hwndContent))
        ::ShowWindow(m_hwndContent, SW_HIDE);
}

void CORXOutlookBarPage::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_iPageID << m_strName;
    else
    {
        ar >> m_iPageID >> m_strName;
        m_hwndContent = NULL;
    }
}

void CORXOutlookBarPage::SetButtonRect(const CRect& rect)
{
    if (rect == m_rectButton)
        return;
    m_rectButton = rect;
    if (m_btnPage.GetSafeHwnd() != NULL)
        m_btnPage.SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
                               SWP_NOZORDER | SWP_NOACTIVATE);
}

/////////////////////////////////////////////////////////////////////////////
// COutlookCustomizeButton

IMPLEMENT_SERIAL(COutlookCustomizeButton, CCustomizeButton, 1)

void COutlookCustomizeButton::OnDraw(CDC* pDC, const CRect& rect, CORXToolbarImageList* pImages, BOOL bHorz,
                                     BOOL bCustomizeMode, BOOL bHighlight, BOOL bDrawBorder,
                                     BOOL bGrayDisabledButtons)
{
    CORXToolbarMenuButton::OnDraw(pDC, rect, NULL, bHorz, bCustomizeMode, bHighlight, bDrawBorder,
                                  bGrayDisabledButtons);
    const CSize sizeImage = CORXMenuImages::Size();
    const int x = rect.left + (rect.Width() - sizeImage.cx) / 2;
    const int y = rect.top + (rect.Height() - 2 * sizeImage.cy) / 2;
    CORXMenuImages::Draw(pDC, CORXMenuImages::IdMoreButtons, CPoint(x, y));
    CORXMenuImages::Draw(pDC, CORXMenuImages::IdArowDown, CPoint(x, y + sizeImage.cy));
}

CORXPopupMenu* COutlookCustomizeButton::CreatePopupMenu()
{
    CORXPopupMenu* pMenu = CCustomizeButton::CreatePopupMenu();
    if (pMenu == NULL)
        return NULL;
    CORXPopupMenuBar* pItems = pMenu->GetMenuBar();
    const int iCustomize = m_iCustomizeCmdId > 0 ? pItems->CommandToIndex((UINT)m_iCustomizeCmdId, 0) : -1;
    if (iCustomize >= 0)
    {
        pItems->RemoveButton(iCustomize);
        if (iCustomize < m_arMenuTargets.GetSize())
            m_arMenuTargets.RemoveAt(iCustomize);
    }
    if (pItems->GetCount() > 0 && pItems->InsertSeparator(-1) >= 0)
        m_arMenuTargets.Add(NULL);
    const struct
    {
        UINT uiCmd;
        LPCTSTR lpszText;
    } items[] = {{ORX_OUTLOOK_SHOW_MORE, _T("Show More buttons")},
                 {ORX_OUTLOOK_SHOW_FEWER, _T("Show Fewer Buttons")}};
    for (const auto& item : items)
    {
        CORXToolbarMenuButton* pItem = new CORXToolbarMenuButton(item.uiCmd, NULL, -1, item.lpszText);
        if (pItems->InsertButton(pItem) < 0)
            delete pItem;
        else
            m_arMenuTargets.Add(NULL);
    }
    // The bar itself shows more or fewer of its page buttons.
    if (m_pWndParentToolbar != NULL)
        pMenu->SetMessageWnd(m_pWndParentToolbar);
    return pMenu;
}

/////////////////////////////////////////////////////////////////////////////
// CORXOutlookBarToolBar

IMPLEMENT_SERIAL(CORXOutlookBarToolBar, CORXToolBar, 1)

BEGIN_MESSAGE_MAP(CORXOutlookBarToolBar, CORXToolBar)
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_WM_SETCURSOR()
END_MESSAGE_MAP()

void CORXOutlookBarToolBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) {}

void CORXOutlookBarToolBar::OnNcPaint() {}

BOOL CORXOutlookBarToolBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    if (HitTest(point) >= 0)
    {
        ::SetCursor(CORXOutlookBar::GetHandCursor());
        return TRUE;
    }
    return CORXToolBar::OnSetCursor(pWnd, nHitTest, message);
}

/////////////////////////////////////////////////////////////////////////////
// CORXOutlookBar

IMPLEMENT_SERIAL(CORXOutlookBar, CORXToolBar, 1)

BEGIN_MESSAGE_MAP(CORXOutlookBar, CORXToolBar)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_NCCALCSIZE()
ON_WM_SYSCOLORCHANGE()
ON_WM_TIMER()
ON_WM_SETCURSOR()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_CANCELMODE()
ON_WM_CAPTURECHANGED()
ON_WM_CONTEXTMENU()
ON_WM_STYLECHANGING()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CORXOutlookBar::CORXOutlookBar()
    : m_iActivePageID(-1), m_nScrollPos(0), m_iFirstVisible(0), m_bCanScrollDown(FALSE),
      m_rectShortcutArea(0, 0, 0, 0), m_rectSizing(0, 0, 0, 0), m_bResizable(TRUE), m_bIsTracking(FALSE),
      m_nTrackPos(0), m_rectTracking(0, 0, 0, 0), m_hwndFocusBeforeSizing(NULL), m_nExtent(100),
      m_nPageButtonsShown(0), m_uiBackImageId(0), m_hBackImages(NULL), m_sizeBackImage(0, 0),
      m_bUseBitmap(FALSE), m_clrBackColor(globalData.clrBarShadow), m_clrText((COLORREF)-1),
      m_bPageScroll(FALSE), m_bFlatLook(FALSE), m_bBorder(FALSE), m_bScrollPress(FALSE),
      m_rectSplitter(0, 0, 0, 0), m_bSplitterDrag(FALSE), m_iPendingPageID(-1)
{
}

CORXOutlookBar::~CORXOutlookBar()
{
    DeletePages();
    if (m_hBackImages != NULL)
        ::ImageList_Destroy(m_hBackImages);
}

BOOL CORXOutlookBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    if (!CORXToolBar::Create(pParentWnd, dwStyle | WS_CLIPCHILDREN, nID))
        return FALSE;
    SetBarStyle(GetBarStyle() & ~(CBRS_BORDER_ANY | CBRS_GRIPPER));
    return TRUE;
}

HCURSOR CORXOutlookBar::GetHandCursor()
{
    if (globalData.m_hcurHand == NULL)
    {
        HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(CORXButton::kHandCursorId), RT_GROUP_CURSOR);
        globalData.m_hcurHand = ::LoadCursor(hInst, MAKEINTRESOURCE(CORXButton::kHandCursorId));
        // A program that does not carry the framework's cursor gets the system's hand.
        if (globalData.m_hcurHand == NULL)
            globalData.m_hcurHand = ::LoadCursor(NULL, IDC_HAND);
    }
    return globalData.m_hcurHand;
}

void CORXOutlookBar::DeletePages()
{
    while (!m_lstPages.IsEmpty())
        delete (CORXOutlookBarPage*)m_lstPages.RemoveHead();
}

BOOL CORXOutlookBar::CreatePageButton(CORXOutlookBarPage* pPage)
{
    if (GetSafeHwnd() == NULL || pPage->m_btnPage.GetSafeHwnd() != NULL)
        return TRUE;
    if (!pPage->m_btnPage.Create(pPage->m_strName, WS_CHILD | BS_OWNERDRAW, CRect(0, 0, 0, 0), this,
                                 kPageButtonId))
        return FALSE;
    pPage->m_btnPage.SetFont(&globalData.fontRegular);
    pPage->m_rectButton.SetRectEmpty();
    return TRUE;
}

int CORXOutlookBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    // The tool bar's creation has already registered the window with the bar's drop target, which
    // the delayed page switch under a drag relies on.
    if (CORXToolBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_dwStyle &= ~(CBRS_BORDER_ANY | CBRS_GRIPPER);
    SetWindowText(_T("Shortcuts"));
    if (m_bResizable)
    {
        if (globalData.m_hcurStretch == NULL)
            globalData.m_hcurStretch = ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(kCursorSizeVert));
        if (globalData.m_hcurStretchVert == NULL)
            globalData.m_hcurStretchVert =
                ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(kCursorSizeHorz));
    }
    for (POSITION pos = m_lstPages.GetHeadPosition(); pos != NULL;)
        if (!CreatePageButton((CORXOutlookBarPage*)m_lstPages.GetNext(pos)))
            return -1;
    return 0;
}

/////////////////////////////////////////////////////////////////////////////
// Pages and shortcuts

CORXOutlookBarPage* CORXOutlookBar::GetPage(int iIndex) const
{
    if (iIndex < 0 || iIndex >= GetPageCount())
        return NULL;
    POSITION pos = m_lstPages.FindIndex(iIndex);
    return pos != NULL ? (CORXOutlookBarPage*)m_lstPages.GetAt(pos) : NULL;
}

CORXOutlookBarPage* CORXOutlookBar::FindPage(int iPageID) const
{
    for (POSITION pos = m_lstPages.GetHeadPosition(); pos != NULL;)
    {
        CORXOutlookBarPage* pPage = (CORXOutlookBarPage*)m_lstPages.GetNext(pos);
        if (pPage->m_iPageID == iPageID)
            return pPage;
    }
    return NULL;
}

int CORXOutlookBar::AddPage(int iPageID, LPCTSTR lpszName)
{
    if (FindPage(iPageID) != NULL)
        return -1;
    CORXOutlookBarPage* pPage = new CORXOutlookBarPage(iPageID, lpszName);
    if (!CreatePageButton(pPage))
    {
        delete pPage;
        return -1;
    }
    const int nBefore = GetPageCount();
    m_lstPages.AddTail(pPage);
    // A bar that shows every page button goes on showing them all.
    if (m_nPageButtonsShown == nBefore)
        m_nPageButtonsShown++;
    if (m_iActivePageID == -1)
        m_iActivePageID = iPageID;
    AdjustLayout();
    return nBefore;
}

BOOL CORXOutlookBar::RemovePage(int iPageID)
{
    CORXOutlookBarPage* pPage = FindPage(iPageID);
    if (pPage == NULL)
        return FALSE;
    for (int i = GetCount() - 1; i >= 0; i--)
    {
        CORXOutlookButton* pButton = DYNAMIC_DOWNCAST(CORXOutlookButton, GetButton(i));
        if (pButton != NULL && pButton->GetPageID() == iPageID)
            RemoveButton(i);
    }
    m_lstPages.RemoveAt(m_lstPages.Find(pPage));
    delete pPage;
    m_nPageButtonsShown = std::min(m_nPageButtonsShown, GetPageCount());
    if (m_iActivePageID == iPageID)
    {
        m_iActivePageID = GetPageCount() > 0 ? GetPage(0)->m_iPageID : -1;
        m_iFirstVisible = 0;
    }
    AdjustLayout();
    return TRUE;
}

BOOL CORXOutlookBar::SetActivePage(int iPageID)
{
    CORXOutlookBarPage* pPage = FindPage(iPageID);
    if (pPage == NULL)
        return FALSE;
    if (iPageID == m_iActivePageID)
        return TRUE;
    CORXOutlookBarPage* pOld = FindPage(m_iActivePageID);
    if (pOld != NULL && pOld->m_hwndContent != NULL && ::IsWindow(pOld->m_hwndContent))
        ::ShowWindow(pOld->m_hwndContent, SW_HIDE);
    m_iActivePageID = iPageID;
    m_iFirstVisible = 0;
    if (pPage->m_hwndContent != NULL && ::IsWindow(pPage->m_hwndContent))
        ::ShowWindow(pPage->m_hwndContent, SW_SHOW);
    if (GetSafeHwnd() != NULL)
    {
        PlaceButtons();
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    return TRUE;
}

BOOL CORXOutlookBar::AddShortcut(UINT uiCmd, int iImage, LPCTSTR lpszText, int iPageID)
{
    if (FindPage(iPageID) == NULL)
        return FALSE;
    CORXOutlookButton* pButton = new CORXOutlookButton(uiCmd, iImage, lpszText, iPageID, TRUE);
    const CSize sizeImage = GetImageSize();
    pButton->SetMinSize(sizeImage.cx + 8, sizeImage.cy + 10);
    // The chevron stays last.
    int iInsertAt = m_pCustomizeBtn != NULL ? ButtonToIndex(m_pCustomizeBtn) : -1;
    if (InsertButton(pButton, iInsertAt) < 0)
    {
        delete pButton;
        return FALSE;
    }
    AdjustLayout();
    return TRUE;
}

int CORXOutlookBar::GetShownCount() const
{
    int nCount = 0;
    while (GetShownButton(nCount) != NULL)
        nCount++;
    return nCount;
}

CORXOutlookButton* CORXOutlookBar::GetShownButton(int iShown) const
{
    if (iShown < 0)
        return NULL;
    const BOOL bAll = m_lstPages.IsEmpty();
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CORXOutlookButton* pButton = DYNAMIC_DOWNCAST(CORXOutlookButton, m_Buttons.GetNext(pos));
        if (pButton == NULL || (!bAll && pButton->GetPageID() != m_iActivePageID))
            continue;
        if (iShown-- == 0)
            return pButton;
    }
    return NULL;
}

/////////////////////////////////////////////////////////////////////////////
// Layout

int CORXOutlookBar::GetPageButtonHeight() const
{
    return std::max(globalData.GetTextHeight() + 8, 16);
}

CSize CORXOutlookBar::GetShortcutDefaultSize() const
{
    const CSize sizeImage = const_cast<CORXOutlookBar*>(this)->GetImageSize();
    if (!IsVertical())
        return CSize(sizeImage.cx + 10, sizeImage.cy + 10);
    CRect rectClient(0, 0, m_nExtent, 0);
    if (GetSafeHwnd() != NULL)
        GetClientRect(rectClient);
    // As wide as the bar leaves beside the scroll buttons, never narrower than the image.
    const int nWidth = std::max((int)sizeImage.cx + 8, (int)rectClient.Width() - kSizingEdge - 2 * 20);
    return CSize(nWidth, sizeImage.cy + 6);
}

void CORXOutlookBar::FillLayout(CORXOutlookLayout& layout)
{
    CRect rectClient(0, 0, 0, 0);
    if (GetSafeHwnd() != NULL)
        GetClientRect(rectClient);
    const CRect rectSizing = CalcSizingRect();
    if (!rectSizing.IsRectEmpty())
    {
        if (rectSizing.left == rectClient.left && rectSizing.right < rectClient.right)
            rectClient.left = rectSizing.right;
        else if (rectSizing.right == rectClient.right && rectSizing.left > rectClient.left)
            rectClient.right = rectSizing.left;
        else if (rectSizing.top == rectClient.top && rectSizing.bottom < rectClient.bottom)
            rectClient.top = rectSizing.bottom;
        else
            rectClient.bottom = rectSizing.top;
    }
    if (m_pCustomizeBtn != NULL)
        rectClient.bottom = std::max(rectClient.top, rectClient.bottom - kCustomizeHeight);
    layout.m_rectClient = rectClient;
    layout.m_bHorz = !IsVertical();
    layout.m_nPages = GetPageCount();
    layout.m_iActivePage = -1;
    int i = 0;
    for (POSITION pos = m_lstPages.GetHeadPosition(); pos != NULL; i++)
        if (((CORXOutlookBarPage*)m_lstPages.GetNext(pos))->m_iPageID == m_iActivePageID)
            layout.m_iActivePage = i;
    layout.m_nPageButtonsShown = m_nPageButtonsShown;
    layout.m_nPageButtonExtent = GetPageButtonHeight();
    layout.m_nSpacing = kShortcutSpacing;
    const CSize sizeArrow = CORXMenuImages::Size();
    layout.m_sizeScrollButton = CSize(sizeArrow.cx + 6, sizeArrow.cy + 6);
    layout.m_iFirstVisible = m_iFirstVisible;
    layout.m_arShortcuts.clear();
    if (GetSafeHwnd() == NULL)
        return;
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(&globalData.fontRegular);
    const CSize sizeDefault = GetShortcutDefaultSize();
    for (int iShown = 0;; iShown++)
    {
        CORXOutlookButton* pButton = GetShownButton(iShown);
        if (pButton == NULL)
            break;
        layout.m_arShortcuts.push_back(pButton->OnCalculateSize(&dc, sizeDefault, !IsVertical()));
    }
    dc.SelectObject(pOldFont);
}

void CORXOutlookBar::PlaceButtons()
{
    if (GetSafeHwnd() == NULL)
        return;
    CORXOutlookLayout layout;
    FillLayout(layout);
    layout.Calculate();
    m_iFirstVisible = layout.m_iFirstVisible;
    m_nScrollPos = layout.m_nScrollPos;
    m_bCanScrollDown = layout.m_bCanScrollDown;
    m_rectShortcutArea = layout.m_rectShortcutArea;
    // The splitter lies along the lower edge of the shortcuts of a bar along a side edge.
    m_rectSplitter.SetRectEmpty();
    if (IsVertical() && GetPageCount() > 0 && m_rectShortcutArea.Height() > 2 * kSplitterHeight)
        m_rectSplitter = CRect(m_rectShortcutArea.left, m_rectShortcutArea.bottom - kSplitterHeight,
                               m_rectShortcutArea.right, m_rectShortcutArea.bottom);

    int i = 0;
    for (POSITION pos = m_lstPages.GetHeadPosition(); pos != NULL; i++)
    {
        CORXOutlookBarPage* pPage = (CORXOutlookBarPage*)m_lstPages.GetNext(pos);
        const CRect rect = i < (int)layout.m_arPageRects.size() ? layout.m_arPageRects[i] : CRect(0, 0, 0, 0);
        pPage->SetButtonRect(rect);
        if (pPage->m_btnPage.GetSafeHwnd() != NULL)
        {
            const BOOL bShow = !rect.IsRectEmpty();
            if (((pPage->m_btnPage.GetStyle() & WS_VISIBLE) != 0) != bShow)
                pPage->m_btnPage.ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
        }
    }

    const BOOL bAll = m_lstPages.IsEmpty();
    int iShown = 0;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CORXToolbarButton* pButton = (CORXToolbarButton*)m_Buttons.GetNext(pos);
        if (pButton == m_pCustomizeBtn)
            continue;
        CORXOutlookButton* pShortcut = DYNAMIC_DOWNCAST(CORXOutlookButton, pButton);
        CRect rect(0, 0, 0, 0);
        BOOL bShow = FALSE;
        if (pShortcut != NULL && (bAll || pShortcut->GetPageID() == m_iActivePageID) &&
            iShown < (int)layout.m_arShortcutRects.size())
        {
            rect = layout.m_arShortcutRects[iShown++];
            CRect rectInter;
            bShow = rectInter.IntersectRect(rect, m_rectShortcutArea);
        }
        if (!bShow)
            rect.SetRectEmpty();
        if (pButton->IsHidden() == bShow)
            pButton->Show(bShow);
        if (pButton->Rect() != rect)
            pButton->SetRect(rect);
    }
    if (m_pCustomizeBtn != NULL)
    {
        CRect rectClient;
        GetClientRect(rectClient);
        CRect rect(layout.m_rectClient.left, layout.m_rectClient.bottom, layout.m_rectClient.right,
                   layout.m_rectClient.bottom + kCustomizeHeight);
        if (m_pCustomizeBtn->IsHidden())
            m_pCustomizeBtn->Show(TRUE);
        if (m_pCustomizeBtn->Rect() != rect)
            m_pCustomizeBtn->SetRect(rect);
    }

    m_btnUp.m_rect = layout.m_rectScrollUp;
    m_btnUp.m_bVisible = !layout.m_rectScrollUp.IsRectEmpty();
    m_btnDown.m_rect = layout.m_rectScrollDown;
    m_btnDown.m_bVisible = !layout.m_rectScrollDown.IsRectEmpty();
    if (!m_btnUp.m_bVisible && m_btnUp.m_bPressed)
    {
        m_btnUp.m_bPressed = FALSE;
        KillTimer(kTimerScrollUp);
    }
    if (!m_btnDown.m_bVisible && m_btnDown.m_bPressed)
    {
        m_btnDown.m_bPressed = FALSE;
        KillTimer(kTimerScrollDown);
    }
}

int CORXOutlookBar::HitTest(CPoint point)
{
    // A shortcut half under a page button or a scroll button is not hit there.
    const BOOL bOnChevron =
        m_pCustomizeBtn != NULL && !m_pCustomizeBtn->IsHidden() && m_pCustomizeBtn->Rect().PtInRect(point);
    if (!bOnChevron && (!m_rectShortcutArea.PtInRect(point) || m_rectSplitter.PtInRect(point) ||
                        (m_btnUp.m_bVisible && m_btnUp.m_rect.PtInRect(point)) ||
                        (m_btnDown.m_bVisible && m_btnDown.m_rect.PtInRect(point))))
        return -1;
    return CORXToolBar::HitTest(point);
}

void CORXOutlookBar::AdjustLayout()
{
    if (GetSafeHwnd() == NULL)
        return;
    PlaceButtons();
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
}

CSize CORXOutlookBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    // The bar takes its own extent across the docked edge and all the length along it.
    const int nExtent = std::max(m_nExtent, kSizingEdge);
    return bHorz ? CSize(32767, nExtent) : CSize(nExtent, 32767);
}

CSize CORXOutlookBar::CalcDynamicLayout(int /*nLength*/, DWORD dwMode)
{
    return CalcFixedLayout((dwMode & LM_STRETCH) != 0, (dwMode & LM_HORZ) != 0);
}

void CORXOutlookBar::SetExtent(int nExtent)
{
    m_nExtent = std::max(nExtent, kSizingEdge);
}

BOOL CORXOutlookBar::ShowMorePageButtons()
{
    if (m_nPageButtonsShown >= GetPageCount())
        return FALSE;
    m_nPageButtonsShown++;
    AdjustLayout();
    return TRUE;
}

BOOL CORXOutlookBar::ShowFewerPageButtons()
{
    if (m_nPageButtonsShown <= 0)
        return FALSE;
    m_nPageButtonsShown--;
    AdjustLayout();
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Scrolling

BOOL CORXOutlookBar::ScrollStep(BOOL bDown)
{
    if (GetSafeHwnd() == NULL)
        return FALSE;
    CORXOutlookLayout layout;
    FillLayout(layout);
    layout.Calculate();
    const int nStep = m_bPageScroll ? layout.GetPageStep() : 1;
    const int iTarget = layout.StepTarget(bDown ? nStep : -nStep);
    if (iTarget == m_iFirstVisible)
        return FALSE;
    m_iFirstVisible = iTarget;
    PlaceButtons();
    InvalidateRect(m_rectShortcutArea);
    UpdateWindow();
    return TRUE;
}

BOOL CORXOutlookBar::ScrollUp()
{
    return ScrollStep(FALSE);
}

BOOL CORXOutlookBar::ScrollDown()
{
    return ScrollStep(TRUE);
}

void CORXOutlookBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kTimerScrollUp || nIDEvent == kTimerScrollDown)
    {
        ScrollButton& btn = nIDEvent == kTimerScrollUp ? m_btnUp : m_btnDown;
        if (!btn.m_bVisible || !btn.m_bPressed || !ScrollStep(nIDEvent == kTimerScrollDown))
            KillTimer(nIDEvent);
        else
            SetTimer(nIDEvent, kScrollRepeatDelay, NULL);
        return;
    }
    if (nIDEvent == kTimerPageSwitch)
    {
        // The drag still rests on the pending page's button: that page opens under it.
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        const CORXOutlookBarPage* pPage = PageButtonFromPoint(point);
        const BOOL bOpen = m_iPendingPageID != -1 && pPage != NULL && pPage->m_iPageID == m_iPendingPageID;
        if (bOpen)
            SetActivePage(m_iPendingPageID);
        ClearPendingPage();
        return;
    }
    CORXToolBar::OnTimer(nIDEvent);
}

/////////////////////////////////////////////////////////////////////////////
// Painting

BOOL CORXOutlookBar::FillOwnBackground(CDC* pDC, CRect rect)
{
    if (m_bUseBitmap && m_hBackImages != NULL && m_sizeBackImage.cx > 0 && m_sizeBackImage.cy > 0)
    {
        for (int y = rect.top; y < rect.bottom; y += m_sizeBackImage.cy)
            for (int x = rect.left; x < rect.right; x += m_sizeBackImage.cx)
                ::ImageList_Draw(m_hBackImages, 0, pDC->GetSafeHdc(), x, y, ILD_NORMAL);
        return TRUE;
    }
    pDC->FillSolidRect(rect, m_clrBackColor);
    return TRUE;
}

void CORXOutlookBar::DoPaint(CDC* pDC)
{
    CORXToolBar::DoPaint(pDC);
    if (m_btnUp.m_bVisible)
        DrawScrollButton(pDC, m_btnUp, TRUE);
    if (m_btnDown.m_bVisible)
        DrawScrollButton(pDC, m_btnDown, FALSE);
}

void CORXOutlookBar::DrawScrollButton(CDC* pDC, const ScrollButton& btn, BOOL bUp)
{
    CRect rect = btn.m_rect;
    pDC->FillSolidRect(rect, globalData.clrBarFace);
    if (btn.m_bPressed)
        pDC->Draw3dRect(rect, globalData.clrBarShadow, globalData.clrBarHilite);
    else
        pDC->Draw3dRect(rect, globalData.clrBarHilite, globalData.clrBarShadow);
    const BOOL bHorz = !IsVertical();
    const int nImage = bHorz ? (bUp ? CORXMenuImages::IdArowRight : CORXMenuImages::IdArowLeft)
                             : (bUp ? CORXMenuImages::IdArowUp : CORXMenuImages::IdArowDown);
    const CSize sizeImage = CORXMenuImages::Size();
    CPoint pt(rect.left + (rect.Width() - sizeImage.cx) / 2, rect.top + (rect.Height() - sizeImage.cy) / 2);
    if (btn.m_bPressed)
        pt.Offset(1, 1);
    CORXMenuImages::Draw(pDC, (CORXMenuImages::IMAGES_IDS)nImage, pt);
}

BOOL CORXOutlookBar::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

BOOL CORXOutlookBar::SetBackImage(UINT uiImageID)
{
    if (uiImageID == m_uiBackImageId)
        return TRUE;
    if (m_hBackImages != NULL)
    {
        ::ImageList_Destroy(m_hBackImages);
        m_hBackImages = NULL;
    }
    m_bUseBitmap = FALSE;
    m_sizeBackImage = CSize(0, 0);
    m_uiBackImageId = uiImageID;
    BOOL bLoaded = uiImageID == 0;
    if (uiImageID != 0)
    {
        HBITMAP hbmp = (HBITMAP)::LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(uiImageID), IMAGE_BITMAP,
                                            0, 0, LR_CREATEDIBSECTION | LR_LOADMAP3DCOLORS);
        if (hbmp != NULL)
        {
            BITMAP bm;
            ::GetObject(hbmp, sizeof(bm), &bm);
            m_sizeBackImage = CSize(bm.bmWidth, bm.bmHeight);
            m_hBackImages = ::ImageList_Create(bm.bmWidth, bm.bmHeight, ILC_COLOR24, 1, 0);
            if (m_hBackImages != NULL && ::ImageList_Add(m_hBackImages, hbmp, NULL) >= 0)
            {
                bLoaded = TRUE;
                // A palette screen would dither the picture behind the labels: it stays unused.
                m_bUseBitmap = globalData.m_nBitsPerPixel > 8;
            }
            ::DeleteObject(hbmp);
        }
    }
    if (GetSafeHwnd() != NULL)
    {
        Invalidate();
        UpdateWindow();
    }
    return bLoaded;
}

void CORXOutlookBar::OnSysColorChange()
{
    CORXToolBar::OnSysColorChange();
    m_clrBackColor = globalData.clrBarShadow;
    if (m_uiBackImageId != 0)
    {
        const UINT uiImageID = m_uiBackImageId;
        m_uiBackImageId = (UINT)-1;
        SetBackImage(uiImageID);
    }
    else
        Invalidate();
}

/////////////////////////////////////////////////////////////////////////////
// Sizing edge

CRect CORXOutlookBar::CalcSizingRect() const
{
    if (!m_bResizable || GetSafeHwnd() == NULL)
        return CRect(0, 0, 0, 0);
    CRect rect;
    GetClientRect(rect);
    if (m_dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM))
    {
        if (m_dwStyle & (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM))
            rect.top = rect.bottom - kSizingEdge;
        else
            rect.bottom = rect.top + kSizingEdge;
    }
    else if (m_dwStyle & (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT))
        rect.left = rect.right - kSizingEdge;
    else
        rect.right = rect.left + kSizingEdge;
    return rect;
}

void CORXOutlookBar::DrawTracker(const CRect& rect)
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame == NULL || rect.IsRectEmpty())
        return;
    CRect rectFrame = rect;
    ClientToScreen(rectFrame);
    pFrame->ScreenToClient(rectFrame);
    CRect rectLimit;
    pFrame->GetClientRect(rectLimit);
    rectFrame.IntersectRect(rectFrame, rectLimit);
    HDC hdc = ::GetDCEx(pFrame->GetSafeHwnd(), NULL, DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    if (hdc == NULL)
        return;
    static const WORD pattern[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
    HBITMAP hbmp = ::CreateBitmap(8, 8, 1, 1, pattern);
    HBRUSH hbr = ::CreatePatternBrush(hbmp);
    HGDIOBJ hOld = ::SelectObject(hdc, hbr);
    ::PatBlt(hdc, rectFrame.left, rectFrame.top, rectFrame.Width(), rectFrame.Height(), PATINVERT);
    ::SelectObject(hdc, hOld);
    ::DeleteObject(hbr);
    ::DeleteObject(hbmp);
    ::ReleaseDC(pFrame->GetSafeHwnd(), hdc);
}

void CORXOutlookBar::StopSizing(BOOL bApply)
{
    if (!m_bIsTracking)
        return;
    m_bIsTracking = FALSE;
    DrawTracker(m_rectTracking);
    m_rectTracking.SetRectEmpty();
    if (GetCapture() == this)
        ReleaseCapture();
    if (m_hwndFocusBeforeSizing != NULL && ::IsWindow(m_hwndFocusBeforeSizing))
        ::SetFocus(m_hwndFocusBeforeSizing);
    m_hwndFocusBeforeSizing = NULL;
    if (bApply)
    {
        CRect rectClient;
        GetClientRect(rectClient);
        int nExtent;
        if (m_dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_LEFT | CBRS_BORDER_BOTTOM | CBRS_BORDER_RIGHT))
            nExtent = m_nTrackPos + kSizingEdge;
        else if (m_dwStyle & (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT))
            nExtent = rectClient.right - m_nTrackPos;
        else
            nExtent = rectClient.bottom - m_nTrackPos;
        SetExtent(nExtent);
    }
    // A cancelled sizing keeps the extent, and the layout still hears that the sizing is over.
    CFrameWnd* pFrame = GetParentFrame();
    if (!(m_dwStyle & CBRS_FLOATING) && pFrame != NULL)
        pFrame->RecalcLayout();
    else if (!bApply)
        AdjustLayout();
    else
    {
        const BOOL bHorz = !IsVertical();
        CRect rectWindow;
        GetWindowRect(rectWindow);
        SetWindowPos(NULL, 0, 0, bHorz ? rectWindow.Width() : m_nExtent,
                     bHorz ? m_nExtent : rectWindow.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

/////////////////////////////////////////////////////////////////////////////
// Window messages

void CORXOutlookBar::OnSize(UINT nType, int cx, int cy)
{
    CORXToolBar::OnSize(nType, cx, cy);
    m_rectSizing = CalcSizingRect();
    // A bar that grew shows as many of the page's last shortcuts as now fit.
    CORXOutlookLayout layout;
    FillLayout(layout);
    layout.Calculate();
    const int iTarget = layout.ScrollBackTarget();
    if (iTarget != m_iFirstVisible)
    {
        m_iFirstVisible = iTarget;
        PlaceButtons();
    }
    Invalidate();
}

void CORXOutlookBar::OnNcCalcSize(BOOL /*bCalcValidRects*/, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rect(0, 0, 0, 0);
    CalcInsideRect(rect, (m_dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0);
    lpncsp->rgrc[0].left += rect.left;
    lpncsp->rgrc[0].top += rect.top;
    lpncsp->rgrc[0].right += rect.right;
    lpncsp->rgrc[0].bottom += rect.bottom;
}

BOOL CORXOutlookBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT)
    {
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        if (m_bIsTracking || (m_bResizable && m_rectSizing.PtInRect(pt)))
        {
            HCURSOR hCursor = IsVertical() ? globalData.m_hcurStretch : globalData.m_hcurStretchVert;
            ::SetCursor(hCursor != NULL ? hCursor
                                        : ::LoadCursor(NULL, IsVertical() ? IDC_SIZEWE : IDC_SIZENS));
            return TRUE;
        }
        if (m_bSplitterDrag || m_rectSplitter.PtInRect(pt))
        {
            ::SetCursor(::LoadCursor(NULL, IDC_SIZENS));
            return TRUE;
        }
    }
    return CORXToolBar::OnSetCursor(pWnd, nHitTest, message);
}

void CORXOutlookBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bIsTracking)
    {
        const BOOL bHorz = !IsVertical();
        CRect rectClient;
        GetClientRect(rectClient);
        m_nTrackPos = bHorz ? point.y : point.x;
        CRect rectNew =
            bHorz ? CRect(rectClient.left, m_nTrackPos, rectClient.right, m_nTrackPos + kSizingEdge)
                  : CRect(m_nTrackPos, rectClient.top, m_nTrackPos + kSizingEdge, rectClient.bottom);
        if (rectNew != m_rectTracking)
        {
            DrawTracker(m_rectTracking);
            m_rectTracking = rectNew;
            DrawTracker(m_rectTracking);
        }
        return;
    }
    if (m_bSplitterDrag)
    {
        // Each page-button height the pointer is above the splitter shows one more page button.
        const int nStep = GetPageButtonHeight();
        const int nDelta = nStep > 0 ? (m_rectSplitter.top - point.y) / nStep : 0;
        const int nShown = std::max(0, std::min(GetPageCount(), m_nPageButtonsShown + nDelta));
        if (nShown != m_nPageButtonsShown)
        {
            m_nPageButtonsShown = nShown;
            AdjustLayout();
            // The pointer goes with the splitter, so that the next step is measured from there.
            if (!m_rectSplitter.IsRectEmpty())
            {
                CPoint ptMiddle = m_rectSplitter.CenterPoint();
                ClientToScreen(&ptMiddle);
                ::SetCursorPos(ptMiddle.x, ptMiddle.y);
            }
        }
        return;
    }
    CORXToolBar::OnMouseMove(nFlags, point);
}

void CORXOutlookBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_bResizable && m_rectSizing.PtInRect(point))
    {
        SetCapture();
        m_hwndFocusBeforeSizing = ::GetFocus();
        m_bIsTracking = TRUE;
        const BOOL bHorz = !IsVertical();
        m_nTrackPos = bHorz ? point.y : point.x;
        m_rectTracking = m_rectSizing;
        DrawTracker(m_rectTracking);
        return;
    }
    if (m_rectSplitter.PtInRect(point) && !(m_btnDown.m_bVisible && m_btnDown.m_rect.PtInRect(point)))
    {
        SetCapture();
        m_bSplitterDrag = TRUE;
        return;
    }
    for (int i = 0; i < 2; i++)
    {
        ScrollButton& btn = i == 0 ? m_btnUp : m_btnDown;
        if (!btn.m_bVisible || !btn.m_rect.PtInRect(point))
            continue;
        btn.m_bPressed = TRUE;
        m_bScrollPress = TRUE;
        SetCapture();
        InvalidateRect(btn.m_rect);
        const UINT_PTR nTimer = i == 0 ? kTimerScrollUp : kTimerScrollDown;
        ScrollStep(i != 0);
        SetTimer(nTimer, kScrollFirstDelay, NULL);
        return;
    }
    CORXToolBar::OnLButtonDown(nFlags, point);
}

void CORXOutlookBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // Quick clicks on a scroll button each step once: the second of them arrives as a double click.
    if ((m_btnUp.m_bVisible && m_btnUp.m_rect.PtInRect(point)) ||
        (m_btnDown.m_bVisible && m_btnDown.m_rect.PtInRect(point)))
    {
        OnLButtonDown(nFlags, point);
        return;
    }
    CORXToolBar::OnLButtonDblClk(nFlags, point);
}

void CORXOutlookBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    // The bar's own drags end here; the tool bar then handles the release as any other, which
    // sends nothing for a press it never saw.
    if (m_bSplitterDrag)
    {
        m_bSplitterDrag = FALSE;
        if (GetCapture() == this)
            ReleaseCapture();
    }
    StopSizing(TRUE);
    // A press that scrolled its own button out of sight still ends here.
    BOOL bScroll = m_bScrollPress;
    m_bScrollPress = FALSE;
    for (int i = 0; i < 2; i++)
    {
        ScrollButton& btn = i == 0 ? m_btnUp : m_btnDown;
        KillTimer(i == 0 ? kTimerScrollUp : kTimerScrollDown);
        if (btn.m_bPressed)
        {
            btn.m_bPressed = FALSE;
            bScroll = TRUE;
            InvalidateRect(btn.m_rect);
        }
    }
    if (bScroll && GetCapture() == this)
        ReleaseCapture();

    // The command the release sends may close the bar.
    const HWND hWndSelf = m_hWnd;
    CORXToolBar::OnLButtonUp(nFlags, point);
    if (::IsWindow(hWndSelf) && CWnd::FromHandlePermanent(hWndSelf) == this)
        PlaceButtons();
}

void CORXOutlookBar::OnCancelMode()
{
    // The sizing is cancelled first: the tool bar lets the mouse go, and a capture lost on its own
    // ends the sizing without a word to the layout.
    StopSizing(FALSE);
    CORXToolBar::OnCancelMode();
    ClearPendingPage();
    for (int i = 0; i < 2; i++)
    {
        ScrollButton& btn = i == 0 ? m_btnUp : m_btnDown;
        KillTimer(i == 0 ? kTimerScrollUp : kTimerScrollDown);
        btn.m_bPressed = FALSE;
    }
    m_bScrollPress = FALSE;
    m_bSplitterDrag = FALSE;
    if (GetCapture() == this)
        ReleaseCapture();
}

void CORXOutlookBar::OnCaptureChanged(CWnd* pWnd)
{
    if (pWnd != this)
    {
        if (m_bIsTracking)
        {
            // Another window took the mouse: the edge stays where it was.
            m_bIsTracking = FALSE;
            DrawTracker(m_rectTracking);
            m_rectTracking.SetRectEmpty();
        }
        m_btnUp.m_bPressed = m_btnDown.m_bPressed = FALSE;
        m_bScrollPress = FALSE;
        m_bSplitterDrag = FALSE;
    }
    CORXToolBar::OnCaptureChanged(pWnd);
}

void CORXOutlookBar::OnContextMenu(CWnd* pWnd, CPoint point)
{
    for (POSITION pos = m_lstPages.GetHeadPosition(); pos != NULL;)
    {
        CORXOutlookBarPage* pPage = (CORXOutlookBarPage*)m_lstPages.GetNext(pos);
        CRect rect;
        if (pPage->m_btnPage.GetSafeHwnd() == NULL)
            continue;
        pPage->m_btnPage.GetWindowRect(rect);
        if (rect.PtInRect(point))
            pPage->m_btnPage.SendMessage(WM_CANCELMODE);
    }
    CORXToolBar::OnContextMenu(pWnd, point);
}

void CORXOutlookBar::OnStyleChanging(int nStyleType, LPSTYLESTRUCT lpStyleStruct)
{
    CORXToolBar::OnStyleChanging(nStyleType, lpStyleStruct);
    if (nStyleType != GWL_STYLE)
        return;
    if ((lpStyleStruct->styleNew & WS_CAPTION) != 0 || m_bFlatLook)
        m_bBorder = TRUE;
    lpStyleStruct->styleNew &= ~WS_CAPTION;
}

BOOL CORXOutlookBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam != 0)
    {
        for (POSITION pos = m_lstPages.GetHeadPosition(); pos != NULL;)
        {
            CORXOutlookBarPage* pPage = (CORXOutlookBarPage*)m_lstPages.GetNext(pos);
            if ((HWND)lParam == pPage->m_btnPage.GetSafeHwnd())
            {
                if (HIWORD(wParam) == BN_CLICKED)
                    SetActivePage(pPage->m_iPageID);
                return TRUE;
            }
        }
    }
    switch (LOWORD(wParam))
    {
    case ORX_OUTLOOK_SHOW_MORE:
        ShowMorePageButtons();
        return TRUE;
    case ORX_OUTLOOK_SHOW_FEWER:
        ShowFewerPageButtons();
        return TRUE;
    default:
        break;
    }
    return CORXToolBar::OnCommand(wParam, lParam);
}

/////////////////////////////////////////////////////////////////////////////
// Dragging over the page buttons

CORXOutlookBarPage* CORXOutlookBar::PageButtonFromPoint(CPoint point) const
{
    for (POSITION pos = m_lstPages.GetHeadPosition(); pos != NULL;)
    {
        CORXOutlookBarPage* pPage = (CORXOutlookBarPage*)m_lstPages.GetNext(pos);
        if (pPage->m_btnPage.GetSafeHwnd() != NULL && (pPage->m_btnPage.GetStyle() & WS_VISIBLE) != 0 &&
            pPage->m_rectButton.PtInRect(point))
            return pPage;
    }
    return NULL;
}

void CORXOutlookBar::SetPendingPage(int iPageID, COleDataObject* pDataObject)
{
    if (iPageID == m_iPendingPageID)
        return;
    ClearPendingPage();
    m_iPendingPageID = iPageID;
    LPDATAOBJECT lpData = pDataObject != NULL ? pDataObject->GetIDataObject() : NULL;
    if (lpData != NULL)
    {
        lpData->AddRef();
        m_dataPending.Attach(lpData, TRUE);
    }
    if (GetSafeHwnd() != NULL)
        SetTimer(kTimerPageSwitch, kPageSwitchDelay, NULL);
}

void CORXOutlookBar::ClearPendingPage()
{
    m_iPendingPageID = -1;
    m_dataPending.Release();
    if (GetSafeHwnd() != NULL)
        KillTimer(kTimerPageSwitch);
}

DROPEFFECT CORXOutlookBar::OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    ClearPendingPage();
    return CORXToolBar::OnDragEnter(pDataObject, dwKeyState, point);
}

DROPEFFECT CORXOutlookBar::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    const CORXOutlookBarPage* pPage = PageButtonFromPoint(point);
    if (pPage != NULL && pPage->m_iPageID != m_iActivePageID)
        SetPendingPage(pPage->m_iPageID, pDataObject);
    else
        ClearPendingPage();
    return CORXToolBar::OnDragOver(pDataObject, dwKeyState, point);
}

void CORXOutlookBar::OnDragLeave()
{
    ClearPendingPage();
    CORXToolBar::OnDragLeave();
}

BOOL CORXOutlookBar::OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point)
{
    ClearPendingPage();
    return CORXToolBar::OnDrop(pDataObject, dropEffect, point);
}

/////////////////////////////////////////////////////////////////////////////
// Stored state

void CORXOutlookBar::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        CORXToolBar::Serialize(ar);
        ar.WriteCount(m_lstPages.GetCount());
        for (POSITION pos = m_lstPages.GetHeadPosition(); pos != NULL;)
            ar.WriteObject(m_lstPages.GetNext(pos));
        ar << m_iActivePageID;
        return;
    }

    // The whole record, the tool bar's buttons included, is read and checked before the bar
    // changes: a wrong count shifts every later field, and a record that is taken in part would
    // leave the shortcuts without their pages.
    CObList buttons;
    CObList pages;
    CString strName;
    int iActive = -1;
    if (!ReadRecordOfUnknownVersion(ar, buttons, pages, strName, iActive))
        ReadRecord(ar, buttons, pages, strName, iActive);

    CORXToolbarButton* pCustomizeCopy = m_pCustomizeBtn != NULL ? m_pCustomizeBtn->Clone() : NULL;
    RemoveAllButtons();
    while (!buttons.IsEmpty())
    {
        CORXToolbarButton* pButton = (CORXToolbarButton*)buttons.RemoveHead();
        if (!IsCommandPermitted(pButton->m_nID))
        {
            delete pButton;
            continue;
        }
        pButton->m_nStyle &= ~(TBBS_CHECKED | TBBS_PRESSED);
        m_Buttons.AddTail(pButton);
        pButton->OnChangeParentWnd(this);
    }
    if (pCustomizeCopy != NULL)
    {
        m_Buttons.AddTail(pCustomizeCopy);
        pCustomizeCopy->OnChangeParentWnd(this);
        m_pCustomizeBtn = pCustomizeCopy;
    }
    if (GetSafeHwnd() != NULL && !strName.IsEmpty())
        SetWindowText(strName);
    RebuildAccelerationKeys();

    DeletePages();
    while (!pages.IsEmpty())
    {
        CORXOutlookBarPage* pPage = (CORXOutlookBarPage*)pages.RemoveHead();
        CreatePageButton(pPage);
        m_lstPages.AddTail(pPage);
    }
    m_nPageButtonsShown = GetPageCount();
    m_iActivePageID = iActive;
    m_iFirstVisible = 0;
    if (GetSafeHwnd() != NULL)
        PlaceButtons();
}

// The bar's stored record: the tool bar's part, the pages and the active page. Throws, and leaves
// both lists empty, on anything that is not a sound record.
void CORXOutlookBar::ReadRecord(CArchive& ar, CObList& buttons, CObList& pages, CString& strName,
                                int& iActive)
{
    try
    {
        CControlBar::Serialize(ar); // the tool bar's record starts with the control bar's
        ReadStoredButtons(ar, buttons, strName);
        const DWORD nCount = ar.ReadCount();
        if (nCount > (DWORD)kMaxStoredPages)
            AfxThrowArchiveException(CArchiveException::badIndex, NULL);
        for (DWORD i = 0; i < nCount; i++)
        {
            CObject* pObj = ar.ReadObject(RUNTIME_CLASS(CORXOutlookBarPage));
            CORXOutlookBarPage* pPage = DYNAMIC_DOWNCAST(CORXOutlookBarPage, pObj);
            if (pPage == NULL || pages.Find(pObj) != NULL)
                AfxThrowArchiveException(CArchiveException::badIndex, NULL);
            for (POSITION pos = pages.GetHeadPosition(); pos != NULL;)
                if (((CORXOutlookBarPage*)pages.GetNext(pos))->m_iPageID == pPage->m_iPageID)
                    AfxThrowArchiveException(CArchiveException::badIndex, NULL);
            pages.AddTail(pPage);
        }
        ar >> iActive;
        // A bar with pages always has one of them active, a bar without pages none.
        BOOL bActiveFound = FALSE;
        for (POSITION pos = pages.GetHeadPosition(); pos != NULL && !bActiveFound;)
            bActiveFound = ((CORXOutlookBarPage*)pages.GetNext(pos))->m_iPageID == iActive;
        if (pages.IsEmpty() ? iActive != -1 : !bActiveFound)
            AfxThrowArchiveException(CArchiveException::badIndex, NULL);
    }
    catch (CException*)
    {
        while (!buttons.IsEmpty())
            delete buttons.RemoveHead();
        while (!pages.IsEmpty())
            delete pages.RemoveHead();
        throw;
    }
}

// State whose version is unknown may or may not hold the page of each shortcut (it was written
// with the page by this bar, without it by a bar that took an unknown version for an old one).
// When the archive starts a memory image, the image is read both ways, the page first, and the
// way that reads it whole and exactly to its end wins; the archive is then moved past it. FALSE
// when the version is known, the archive is none such, or neither way fits: the caller reads on
// as usual.
BOOL CORXOutlookBar::ReadRecordOfUnknownVersion(CArchive& ar, CObList& buttons, CObList& pages,
                                                CString& strName, int& iActive)
{
    CORXWorkspaceBase* pWorkspace = CORXWorkspaceBase::GetInstance();
    if (pWorkspace == NULL ||
        (pWorkspace->GetSavedVersionMajor() >= 0 && pWorkspace->GetSavedVersionMinor() >= 0))
        return FALSE;
    CMemFile* pFile = dynamic_cast<CMemFile*>(ar.GetFile());
    if (pFile == NULL || pFile->GetPosition() != 0 || !ar.IsBufferEmpty())
        return FALSE;
    const ULONGLONG nLength = pFile->GetLength();
    if (nLength == 0 || nLength > 0x1000000)
        return FALSE;
    std::vector<BYTE> bytes((size_t)nLength);
    if (pFile->Read(bytes.data(), (UINT)nLength) != (UINT)nLength)
        return FALSE;
    pFile->SeekToBegin();

    for (CORXOutlookButton::PageField field :
         {CORXOutlookButton::PageFieldPresent, CORXOutlookButton::PageFieldAbsent})
    {
        const CORXOutlookButton::PageField fieldBefore = CORXOutlookButton::s_pageFieldOnLoad;
        CORXOutlookButton::s_pageFieldOnLoad = field;
        BOOL bWhole = FALSE;
        try
        {
            CMemFile image(bytes.data(), (UINT)bytes.size());
            CArchive arImage(&image, CArchive::load);
            ReadRecord(arImage, buttons, pages, strName, iActive);
            bWhole = arImage.IsBufferEmpty() && image.GetPosition() == image.GetLength();
            arImage.Abort();
        }
        catch (CException* e)
        {
            e->Delete();
        }
        CORXOutlookButton::s_pageFieldOnLoad = fieldBefore;
        if (bWhole)
        {
            std::vector<BYTE> skip(bytes.size());
            ar.Read(skip.data(), (UINT)skip.size());
            return TRUE;
        }
        while (!buttons.IsEmpty())
            delete buttons.RemoveHead();
        while (!pages.IsEmpty())
            delete pages.RemoveHead();
        strName.Empty();
        iActive = -1;
    }
    return FALSE;
}

// The tool bar's part of a stored bar after the control bar's: the button list (its count, then
// each button with its class), the text-label flag and the bar's name. The tool bar's own reader
// takes a null entry for the end of a short list and lets the caller read on from there; here a
// null entry, an object handed out twice, anything but a button, or a flag that is no BOOL is
// damage and throws, with the list left empty.
void CORXOutlookBar::ReadStoredButtons(CArchive& ar, CObList& buttons, CString& strName)
{
    try
    {
        // The buttons' own reader: a reference back to an item of an earlier button's menu would
        // give that item two owners.
        CORXToolbarButton::ReadList(ar, buttons);
        BOOL bTextLabels = FALSE;
        ar >> bTextLabels >> strName;
        if (bTextLabels != FALSE && bTextLabels != TRUE)
            AfxThrowArchiveException(CArchiveException::badIndex, NULL);
    }
    catch (CException*)
    {
        while (!buttons.IsEmpty())
            delete buttons.RemoveHead();
        throw;
    }
}
