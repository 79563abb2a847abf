// The caption bar: layout of its text, image and button, painting through the look, the button's
// mouse states.
#include "ORXCaptionBar.h"

#include <algorithm>

#include "ORXGlobalData.h"
#include "ORXVisualManager.h"

IMPLEMENT_DYNCREATE(CORXCaptionBar, CControlBar)

BEGIN_MESSAGE_MAP(CORXCaptionBar, CControlBar)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONUP()
ON_MESSAGE(WM_SETFONT, OnSetFont)
ON_MESSAGE(WM_GETFONT, OnGetFont)
END_MESSAGE_MAP()

namespace
{
// Room the drop-down arrow adds to the button.
const int kDropDownArrowWidth = 10;
} // namespace

CORXCaptionBar::CORXCaptionBar()
    : m_hFont(NULL), m_rectText(0, 0, 0, 0), m_textAlignment(ALIGN_LEFT), m_hIcon(NULL), m_hBitmapList(NULL),
      m_sizeBitmap(0, 0), m_bStretchImage(FALSE), m_rectImage(0, 0, 0, 0), m_iconAlignment(ALIGN_LEFT),
      m_rectButton(0, 0, 0, 0), m_btnAlignnment(ALIGN_LEFT), m_bIsBtnPressed(FALSE), m_bBtnPressed(FALSE),
      m_bBtnHighlighted(FALSE), m_bBtnHasDropDownArrow(FALSE), m_bTracked(FALSE), m_bFlatBorder(FALSE),
      m_clrBarBackground((COLORREF)-1), m_clrBarText((COLORREF)-1), m_nMargin(4), m_nHorzElementOffset(4),
      m_nVertMargin(4), m_nDefaultHeight(-1), m_nCurrentHeight(0)
{
}

CORXCaptionBar::~CORXCaptionBar()
{
    if (m_hBitmapList != NULL)
        ImageList_Destroy(m_hBitmapList);
}

BOOL CORXCaptionBar::Create(DWORD dwStyle, CWnd* pParentWnd, UINT uID, int nHeight)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    m_nDefaultHeight = nHeight;
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), NULL, NULL);
    dwStyle &= ~CBRS_ALL;
    dwStyle |= WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    return CWnd::Create(lpszClass, NULL, dwStyle, CRect(0, 0, 0, 0), pParentWnd, uID);
}

int CORXCaptionBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    RecalcLayout();
    return 0;
}

// Attributes

void CORXCaptionBar::SetText(const CString& strText, BarElementAlignment align)
{
    m_strText = strText;
    m_textAlignment = align;
    RecalcLayout();
}

void CORXCaptionBar::SetIcon(HICON hIcon, BarElementAlignment align)
{
    RemoveBitmap();
    m_hIcon = hIcon;
    m_iconAlignment = align;
    RecalcLayout();
}

void CORXCaptionBar::RemoveIcon()
{
    m_hIcon = NULL;
    RecalcLayout();
}

void CORXCaptionBar::SetBitmap(HBITMAP hBitmap, COLORREF clrTransparent, BOOL bStretch,
                               BarElementAlignment align)
{
    m_hIcon = NULL;
    if (m_hBitmapList != NULL)
        ImageList_Destroy(m_hBitmapList);
    m_hBitmapList = NULL;
    m_sizeBitmap = CSize(0, 0);
    BITMAP bmp;
    if (hBitmap != NULL && ::GetObject(hBitmap, sizeof(bmp), &bmp) != 0)
    {
        m_hBitmapList = ImageList_Create(bmp.bmWidth, bmp.bmHeight, ILC_COLOR24 | ILC_MASK, 1, 0);
        if (m_hBitmapList != NULL)
            ImageList_AddMasked(m_hBitmapList, hBitmap, clrTransparent);
        m_sizeBitmap = CSize(bmp.bmWidth, bmp.bmHeight);
    }
    m_bStretchImage = bStretch;
    m_iconAlignment = align;
    RecalcLayout();
}

void CORXCaptionBar::RemoveBitmap()
{
    if (m_hBitmapList != NULL)
        ImageList_Destroy(m_hBitmapList);
    m_hBitmapList = NULL;
    m_sizeBitmap = CSize(0, 0);
    RecalcLayout();
}

void CORXCaptionBar::SetButton(LPCTSTR lpszLabel, BarElementAlignment align, BOOL bHasDropDownArrow)
{
    m_strBtnText = lpszLabel;
    m_btnAlignnment = align;
    m_bBtnHasDropDownArrow = bHasDropDownArrow;
    RecalcLayout();
}

void CORXCaptionBar::RemoveButton()
{
    m_strBtnText.Empty();
    RecalcLayout();
}

CSize CORXCaptionBar::GetImageSize() const
{
    if (m_hIcon != NULL)
    {
        ICONINFO info;
        CSize size(::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
        if (::GetIconInfo(m_hIcon, &info))
        {
            BITMAP bmp;
            if (info.hbmColor != NULL && ::GetObject(info.hbmColor, sizeof(bmp), &bmp) != 0)
                size = CSize(bmp.bmWidth, bmp.bmHeight);
            if (info.hbmColor != NULL)
                ::DeleteObject(info.hbmColor);
            if (info.hbmMask != NULL)
                ::DeleteObject(info.hbmMask);
        }
        return size;
    }
    return m_sizeBitmap;
}

// Layout

void CORXCaptionBar::ArrangeElements(CElement* pElements, CRect rectClient, int nMargin, int nGap)
{
    int xLeft = rectClient.left + nMargin;
    int xRight = rectClient.right - nMargin;
    int nCentreWidth = 0;
    for (int i = 0; i < elemCount; i++)
    {
        CElement& elem = pElements[i];
        if (!elem.m_bPresent)
            continue;
        int y = rectClient.top + (rectClient.Height() - elem.m_size.cy) / 2;
        if (elem.m_align == ALIGN_LEFT)
        {
            elem.m_rect = CRect(CPoint(xLeft, y), elem.m_size);
            xLeft += elem.m_size.cx + nGap;
        }
        else if (elem.m_align == ALIGN_RIGHT)
        {
            elem.m_rect = CRect(CPoint(xRight - elem.m_size.cx, y), elem.m_size);
            xRight -= elem.m_size.cx + nGap;
        }
        else
            nCentreWidth += elem.m_size.cx + (nCentreWidth > 0 ? nGap : 0);
    }

    int x = rectClient.left + (rectClient.Width() - nCentreWidth) / 2;
    for (int i = 0; i < elemCount; i++)
    {
        CElement& elem = pElements[i];
        if (!elem.m_bPresent || elem.m_align != ALIGN_CENTER)
            continue;
        int y = rectClient.top + (rectClient.Height() - elem.m_size.cy) / 2;
        elem.m_rect = CRect(CPoint(x, y), elem.m_size);
        x += elem.m_size.cx + nGap;
    }

    CRect rectInside(rectClient);
    rectInside.DeflateRect(nMargin, 0);
    for (int i = 0; i < elemCount; i++)
    {
        CElement& elem = pElements[i];
        if (!elem.m_bPresent)
        {
            elem.m_rect.SetRectEmpty();
            continue;
        }
        elem.m_rect.left = std::max(elem.m_rect.left, rectInside.left);
        elem.m_rect.right = std::min(elem.m_rect.right, rectInside.right);
        elem.m_rect.top = std::max(elem.m_rect.top, rectInside.top);
        elem.m_rect.bottom = std::min(elem.m_rect.bottom, rectInside.bottom);
        if (elem.m_rect.right < elem.m_rect.left)
            elem.m_rect.right = elem.m_rect.left;
    }

    // The text gives way to the image and the button wherever it would run into them.
    CElement& text = pElements[elemText];
    for (int i = 0; i < elemText && text.m_bPresent; i++)
    {
        const CElement& other = pElements[i];
        if (!other.m_bPresent || other.m_rect.IsRectEmpty())
            continue;
        if (text.m_rect.left < other.m_rect.right && other.m_rect.left < text.m_rect.right)
        {
            // Cut back to end before the other: one that starts where the text does or left of
            // it leaves the text no room.
            text.m_rect.right = other.m_rect.left - nGap;
            if (text.m_rect.right < text.m_rect.left)
                text.m_rect.right = text.m_rect.left;
        }
    }
}

void CORXCaptionBar::RecalcLayout()
{
    if (m_hWnd == NULL)
        return;
    CClientDC dc(this);
    CFont* pFont = m_hFont != NULL ? CFont::FromHandle(m_hFont) : &globalData.fontRegular;
    CFont* pOldFont = dc.SelectObject(pFont);

    CElement elements[elemCount];
    CSize sizeImage = GetImageSize();
    elements[elemIcon].m_bPresent = sizeImage.cx > 0 && !m_bStretchImage;
    elements[elemIcon].m_size = sizeImage;
    elements[elemIcon].m_align = m_iconAlignment;

    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    int nTextHeight = tm.tmHeight;
    if (!m_strBtnText.IsEmpty())
    {
        CSize sizeLabel = dc.GetTextExtent(m_strBtnText);
        int cx = sizeLabel.cx + 2 * m_nHorzElementOffset + (m_bBtnHasDropDownArrow ? kDropDownArrowWidth : 0);
        elements[elemButton].m_bPresent = TRUE;
        elements[elemButton].m_size = CSize(cx, nTextHeight + 4);
        elements[elemButton].m_align = m_btnAlignnment;
    }
    if (!m_strText.IsEmpty())
    {
        CRect rectCalc(0, 0, 32767, nTextHeight);
        dc.DrawText(m_strText, rectCalc, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        elements[elemText].m_bPresent = TRUE;
        elements[elemText].m_size = rectCalc.Size();
        elements[elemText].m_align = m_textAlignment;
    }
    dc.SelectObject(pOldFont);

    m_nCurrentHeight = m_nDefaultHeight != -1
                           ? m_nDefaultHeight
                           : std::max(nTextHeight + 2, (int)sizeImage.cy) + 2 * m_nVertMargin;

    CRect rectClient;
    GetClientRect(rectClient);
    ArrangeElements(elements, rectClient, m_nMargin, m_nHorzElementOffset);
    m_rectImage = m_bStretchImage && sizeImage.cx > 0 ? rectClient : elements[elemIcon].m_rect;
    m_rectButton = elements[elemButton].m_rect;
    m_rectText = elements[elemText].m_rect;
    Invalidate();
}

CSize CORXCaptionBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    RecalcLayout();
    return bHorz ? CSize(32767, m_nCurrentHeight) : CSize(m_nCurrentHeight, 32767);
}

void CORXCaptionBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    RecalcLayout();
}

// Non-client area: a strip of the vertical margin above and below, each with a separator line.

void CORXCaptionBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    lpncsp->rgrc[0].top += m_nVertMargin;
    lpncsp->rgrc[0].bottom -= m_nVertMargin;
    if (lpncsp->rgrc[0].bottom < lpncsp->rgrc[0].top)
        lpncsp->rgrc[0].bottom = lpncsp->rgrc[0].top;
}

void CORXCaptionBar::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rectWindow;
    GetWindowRect(rectWindow);
    rectWindow.OffsetRect(-rectWindow.TopLeft());
    CRect rectTop(rectWindow.left, rectWindow.top, rectWindow.right, rectWindow.top + m_nVertMargin);
    CRect rectBottom(rectWindow.left, rectWindow.bottom - m_nVertMargin, rectWindow.right, rectWindow.bottom);
    dc.FillSolidRect(rectTop, globalData.clrBarFace);
    dc.FillSolidRect(rectBottom, globalData.clrBarFace);
    int yTop = rectTop.top + m_nVertMargin / 2;
    int yBottom = rectBottom.top + m_nVertMargin / 2;
    dc.FillSolidRect(rectWindow.left, yTop - 1, rectWindow.Width(), 1, globalData.clrBarShadow);
    dc.FillSolidRect(rectWindow.left, yTop, rectWindow.Width(), 1, globalData.clrBarHilite);
    dc.FillSolidRect(rectWindow.left, yBottom - 1, rectWindow.Width(), 1, globalData.clrBarShadow);
    dc.FillSolidRect(rectWindow.left, yBottom, rectWindow.Width(), 1, globalData.clrBarHilite);
}

// Painting

BOOL CORXCaptionBar::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CORXCaptionBar::OnDrawBackground(CDC* pDC, CRect rect)
{
    CORXVisualManager::GetInstance()->OnFillBarBackground(pDC, this, rect, CRect(0, 0, 0, 0));
}

void CORXCaptionBar::OnDrawImage(CDC* pDC, CRect rect)
{
    if (m_hIcon != NULL)
        ::DrawIconEx(pDC->GetSafeHdc(), rect.left, rect.top, m_hIcon, rect.Width(), rect.Height(), 0, NULL,
                     DI_NORMAL);
    else if (m_hBitmapList != NULL)
    {
        if (m_bStretchImage)
            ImageList_DrawEx(m_hBitmapList, 0, pDC->GetSafeHdc(), rect.left, rect.top, rect.Width(),
                             rect.Height(), CLR_NONE, CLR_NONE, ILD_TRANSPARENT);
        else
            ImageList_Draw(m_hBitmapList, 0, pDC->GetSafeHdc(), rect.left, rect.top, ILD_TRANSPARENT);
    }
}

void CORXCaptionBar::OnDrawButton(CDC* pDC, CRect rect, const CString& strButton, BOOL bDrawText)
{
    CORXVisualManager* pLook = CORXVisualManager::GetInstance();
    pLook->OnFillPushButtonBackground(pDC, rect, this, m_bBtnPressed, m_bBtnHighlighted);
    pLook->OnDrawPushButtonBorder(pDC, rect, this, m_bBtnPressed, m_bBtnHighlighted);
    if (!bDrawText)
        return;
    const COLORREF clrText = pLook->GetCaptionBarButtonTextColor(this);
    CRect rectText(rect);
    if (m_bBtnHasDropDownArrow)
    {
        rectText.right -= kDropDownArrowWidth;
        int x = rectText.right + 1;
        int y = rect.CenterPoint().y - 1;
        for (int i = 0; i < 3; i++)
            pDC->FillSolidRect(x + i, y + i, 5 - 2 * i, 1, clrText);
    }
    if (m_bBtnPressed)
        rectText.OffsetRect(1, 1);
    pDC->SetTextColor(clrText);
    pDC->DrawText(strButton, rectText, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void CORXCaptionBar::OnDrawText(CDC* pDC, CRect rect, const CString& strText)
{
    COLORREF clr = m_clrBarText != (COLORREF)-1
                       ? m_clrBarText
                       : CORXVisualManager::GetInstance()->GetCaptionBarTextColor(this);
    pDC->SetTextColor(clr);
    pDC->DrawText(strText, rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
}

void CORXCaptionBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClient;
    GetClientRect(rectClient);
    OnDrawBackground(&dc, rectClient);
    int nOldMode = dc.SetBkMode(TRANSPARENT);
    CFont* pOldFont = dc.SelectObject(m_hFont != NULL ? CFont::FromHandle(m_hFont) : &globalData.fontRegular);
    if (!m_rectImage.IsRectEmpty())
        OnDrawImage(&dc, m_rectImage);
    if (!m_rectButton.IsRectEmpty())
        OnDrawButton(&dc, m_rectButton, m_strBtnText, TRUE);
    if (!m_rectText.IsRectEmpty())
        OnDrawText(&dc, m_rectText, m_strText);
    dc.SelectObject(pOldFont);
    dc.SetBkMode(nOldMode);
}

// Mouse

void CORXCaptionBar::OnMouseMove(UINT nFlags, CPoint point)
{
    CControlBar::OnMouseMove(nFlags, point);
    BOOL bHot = m_rectButton.PtInRect(point);
    if (bHot != m_bBtnHighlighted)
    {
        m_bBtnHighlighted = bHot;
        InvalidateRect(m_rectButton);
    }
    if (!m_bTracked)
    {
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, m_hWnd, 0};
        m_bTracked = ::TrackMouseEvent(&track);
    }
}

void CORXCaptionBar::OnMouseLeave()
{
    m_bTracked = FALSE;
    if (m_bBtnHighlighted)
    {
        m_bBtnHighlighted = FALSE;
        InvalidateRect(m_rectButton);
    }
}

void CORXCaptionBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!m_rectButton.PtInRect(point))
    {
        CControlBar::OnLButtonDown(nFlags, point);
        return;
    }
    m_bBtnPressed = TRUE;
    InvalidateRect(m_rectButton);
    UpdateWindow();
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), (LPARAM)m_hWnd);
}

void CORXCaptionBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bBtnPressed)
    {
        m_bBtnPressed = FALSE;
        InvalidateRect(m_rectButton);
    }
    CControlBar::OnLButtonUp(nFlags, point);
}

void CORXCaptionBar::OnRButtonUp(UINT, CPoint point)
{
    CPoint ptScreen(point);
    ClientToScreen(&ptScreen);
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->SendMessage(WM_CONTEXTMENU, (WPARAM)m_hWnd, MAKELPARAM(ptScreen.x, ptScreen.y));
}

LRESULT CORXCaptionBar::OnSetFont(WPARAM wParam, LPARAM)
{
    m_hFont = (HFONT)wParam;
    RecalcLayout();
    return 0;
}

LRESULT CORXCaptionBar::OnGetFont(WPARAM, LPARAM)
{
    return (LRESULT)m_hFont;
}
