// CORXButton: images, drawing, the mouse state and the check-box and radio behaviour.
#include "ORXButton.h"

#include <algorithm>

#include <afxtempl.h>

#include "ORXDrawHelper.h"
#include "ORXGlobalData.h"
#include "ORXToolbarImageList.h"
#include "ORXVisualManager.h"

IMPLEMENT_DYNCREATE(CORXButton, CButton)

namespace
{
// Space around the content and between the image and the text.
const int kMargin = 5;
const int kImageTextGap = 5;

UINT ImageListDepth(int nBitsPerPixel)
{
    switch (nBitsPerPixel)
    {
    case 8:
        return ILC_COLOR8;
    case 16:
        return ILC_COLOR16;
    case 24:
        return ILC_COLOR24;
    case 32:
        return ILC_COLOR32;
    default:
        return ILC_COLOR4;
    }
}

BOOL IsEmpty(const CImageList& list)
{
    return list.GetSafeHandle() == NULL || list.GetImageCount() == 0;
}

BOOL IsGroupStart(HWND hWnd)
{
    return (::GetWindowLong(hWnd, GWL_STYLE) & WS_GROUP) != 0;
}
} // namespace

BEGIN_MESSAGE_MAP(CORXButton, CButton)
ON_WM_ERASEBKGND()
ON_WM_CANCELMODE()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_TIMER()
ON_WM_SETCURSOR()
ON_WM_ENABLE()
ON_WM_KILLFOCUS()
ON_MESSAGE(WM_SETFONT, OnSetFont)
ON_MESSAGE(WM_GETFONT, OnGetFont)
ON_MESSAGE(BM_GETCHECK, OnGetCheck)
ON_MESSAGE(BM_SETCHECK, OnSetCheck)
END_MESSAGE_MAP()

CORXButton::CORXButton()
    : m_nFlatStyle(BUTTONSTYLE_3D), m_nAlignStyle(ALIGN_CENTER), m_bRightImage(FALSE), m_bTransparent(FALSE),
      m_bDrawFocus(TRUE), m_bHighlightChecked(TRUE), m_bGrayDisabled(TRUE), m_bPushed(FALSE),
      m_bClickiedInside(FALSE), m_bHover(FALSE), m_bCaptured(FALSE), m_bHighlighted(FALSE), m_bChecked(FALSE),
      m_bCheckButton(FALSE), m_bRadioButton(FALSE), m_bAutoCheck(FALSE), m_sizeImage(0, 0),
      m_bStdImage(FALSE), m_bStdImageDisabledSet(FALSE), m_nStdImageId(-1), m_nStdImageDisabledId(-1),
      m_hCursor(NULL), m_sizePushOffset(2, 2), m_clrRegular((COLORREF)-1), m_clrHover((COLORREF)-1),
      m_clrFace((COLORREF)-1), m_hFont(NULL), m_nAutoRepeatTimeDelay(0)
{
}

CORXButton::~CORXButton()
{
    CleanUp();
}

/////////////////////////////////////////////////////////////////////////////
// Creation

void CORXButton::PreSubclassWindow()
{
    ReadButtonStyle();
    CButton::PreSubclassWindow();
}

void CORXButton::ReadButtonStyle()
{
    DWORD dwStyle = (DWORD)::GetWindowLong(m_hWnd, GWL_STYLE);
    switch (dwStyle & BS_TYPEMASK)
    {
    case BS_CHECKBOX:
        m_bCheckButton = TRUE;
        break;
    case BS_AUTOCHECKBOX:
        m_bCheckButton = TRUE;
        m_bAutoCheck = TRUE;
        break;
    case BS_RADIOBUTTON:
        m_bRadioButton = TRUE;
        break;
    case BS_AUTORADIOBUTTON:
        m_bRadioButton = TRUE;
        m_bAutoCheck = TRUE;
        break;
    }
    if (m_bCheckButton || m_bRadioButton)
    {
        switch (dwStyle & BS_CENTER)
        {
        case BS_LEFT:
            m_nAlignStyle = ALIGN_LEFT;
            break;
        case BS_RIGHT:
            m_nAlignStyle = ALIGN_RIGHT;
            break;
        case BS_CENTER:
            m_nAlignStyle = ALIGN_CENTER;
            break;
        }
    }
    // The whole type field goes: an owner-drawn flag laid over a radio button's bits would make
    // another button type.
    ::SetWindowLong(m_hWnd, GWL_STYLE, (LONG)((dwStyle & ~(DWORD)BS_TYPEMASK) | BS_OWNERDRAW));
}

/////////////////////////////////////////////////////////////////////////////
// Images

void CORXButton::CleanUp()
{
    m_Image.DeleteImageList();
    m_ImageHot.DeleteImageList();
    m_ImageDisabled.DeleteImageList();
    m_ImageChecked.DeleteImageList();
    m_ImageCheckedHot.DeleteImageList();
    m_ImageCheckedDisabled.DeleteImageList();
    m_bStdImage = FALSE;
    m_bStdImageDisabledSet = FALSE;
    m_nStdImageId = -1;
    m_nStdImageDisabledId = -1;
    m_sizeImage = CSize(0, 0);
}

BOOL CORXButton::AddBitmap(CImageList& list, HBITMAP hbmp, COLORREF clrMask)
{
    list.DeleteImageList();
    if (hbmp == NULL)
        return FALSE;
    BITMAP bm;
    if (::GetObject(hbmp, sizeof(bm), &bm) == 0)
        return FALSE;
    if (!list.Create(bm.bmWidth, bm.bmHeight, ILC_MASK | ImageListDepth(bm.bmBitsPixel), 0, 1))
        return FALSE;
    // Adding with a mask colour blackens that colour in the bitmap: the caller's stays as it was.
    HBITMAP hCopy = (HBITMAP)::CopyImage(hbmp, IMAGE_BITMAP, 0, 0, 0);
    if (hCopy == NULL)
        return FALSE;
    int iAdded = ImageList_AddMasked(list.GetSafeHandle(), hCopy, clrMask);
    ::DeleteObject(hCopy);
    return iAdded >= 0;
}

void CORXButton::AddImages(HBITMAP hbmp, HBITMAP hbmpHot, HBITMAP hbmpDisabled, BOOL bMap3dColors,
                           BOOL bChecked)
{
    if (!bChecked)
    {
        m_bStdImage = FALSE;
        m_nStdImageId = m_nStdImageDisabledId = -1;
        m_bStdImageDisabledSet = FALSE;
    }
    BITMAP bm;
    if (hbmp != NULL && ::GetObject(hbmp, sizeof(bm), &bm) != 0)
        m_sizeImage = CSize(bm.bmWidth, bm.bmHeight);
    else if (!bChecked)
        m_sizeImage = CSize(0, 0);
    COLORREF clrMask = bMap3dColors ? RGB(192, 192, 192) : globalData.clrBtnFace;
    AddBitmap(bChecked ? m_ImageChecked : m_Image, hbmp, clrMask);
    AddBitmap(bChecked ? m_ImageCheckedHot : m_ImageHot, hbmpHot, clrMask);
    AddBitmap(bChecked ? m_ImageCheckedDisabled : m_ImageDisabled, hbmpDisabled, clrMask);
    OnAfterSetImages(hbmp, bChecked);
    if (GetSafeHwnd() != NULL)
        Invalidate();
}

void CORXButton::SetImage(HBITMAP hbmp, BOOL bAutoDestroy, HBITMAP hbmpHot, BOOL bMap3dColors, BOOL bChecked,
                          HBITMAP hbmpDisabled)
{
    AddImages(hbmp, hbmpHot, hbmpDisabled, bMap3dColors, bChecked);
    if (bAutoDestroy)
    {
        if (hbmp != NULL)
            ::DeleteObject(hbmp);
        if (hbmpHot != NULL)
            ::DeleteObject(hbmpHot);
        if (hbmpDisabled != NULL)
            ::DeleteObject(hbmpDisabled);
    }
}

HBITMAP CORXButton::IconToBitmap(HICON hIcon, CSize& size) const
{
    if (hIcon == NULL)
        return NULL;
    ICONINFO info;
    if (!::GetIconInfo(hIcon, &info))
        return NULL;
    BITMAP bm = {};
    if (info.hbmColor != NULL)
        ::GetObject(info.hbmColor, sizeof(bm), &bm);
    else
    {
        ::GetObject(info.hbmMask, sizeof(bm), &bm);
        bm.bmHeight /= 2;
    }
    if (info.hbmColor != NULL)
        ::DeleteObject(info.hbmColor);
    if (info.hbmMask != NULL)
        ::DeleteObject(info.hbmMask);
    size = CSize(bm.bmWidth, bm.bmHeight);

    HDC hScreen = ::GetDC(NULL);
    HBITMAP hbmp = ::CreateCompatibleBitmap(hScreen, size.cx, size.cy);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    ::ReleaseDC(NULL, hScreen);
    if (hbmp == NULL || hDC == NULL)
    {
        if (hbmp != NULL)
            ::DeleteObject(hbmp);
        if (hDC != NULL)
            ::DeleteDC(hDC);
        return NULL;
    }
    HGDIOBJ hOld = ::SelectObject(hDC, hbmp);
    HBRUSH hBrush = ::CreateSolidBrush(globalData.clrBtnFace);
    RECT rect = {0, 0, size.cx, size.cy};
    ::FillRect(hDC, &rect, hBrush);
    ::DeleteObject(hBrush);
    ::DrawIconEx(hDC, 0, 0, hIcon, size.cx, size.cy, 0, NULL, DI_NORMAL);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return hbmp;
}

void CORXButton::SetImage(HICON hIcon, BOOL bAutoDestroy, HICON hIconHot, HICON hIconDisabled, BOOL bChecked)
{
    CSize size;
    HBITMAP hbmp = IconToBitmap(hIcon, size);
    HBITMAP hbmpHot = IconToBitmap(hIconHot, size);
    HBITMAP hbmpDisabled = IconToBitmap(hIconDisabled, size);
    // The icons were drawn on the face colour, which becomes transparent again.
    SetImage(hbmp, TRUE, hbmpHot, FALSE, bChecked, hbmpDisabled);
    if (bAutoDestroy)
    {
        if (hIcon != NULL)
            ::DestroyIcon(hIcon);
        if (hIconHot != NULL)
            ::DestroyIcon(hIconHot);
        if (hIconDisabled != NULL)
            ::DestroyIcon(hIconDisabled);
    }
}

void CORXButton::SetImage(UINT uiBmpResId, UINT uiBmpHotResId, UINT uiBmpDsblResID, BOOL bChecked)
{
    CORXToolbarImageList images, imagesHot, imagesDisabled;
    if (uiBmpResId != 0)
        images.Load(uiBmpResId);
    if (uiBmpHotResId != 0)
        imagesHot.Load(uiBmpHotResId);
    if (uiBmpDsblResID != 0)
        imagesDisabled.Load(uiBmpDsblResID);
    // Loading maps the grey of wells between 8 and 32 bits to the face colour.
    int nBits = images.GetBitsPerPixel();
    BOOL bGreyStays = nBits <= 8 || nBits >= 32;
    SetImage(images.GetImageWell(), FALSE, imagesHot.GetImageWell(), bGreyStays, bChecked,
             imagesDisabled.GetImageWell());
}

void CORXButton::SetStdImage(int nNormalId, int nDisabledId)
{
    CleanUp();
    m_bStdImage = nNormalId >= 0;
    m_nStdImageId = nNormalId;
    m_bStdImageDisabledSet = nDisabledId >= 0;
    m_nStdImageDisabledId = nDisabledId;
    if (m_bStdImage)
        m_sizeImage = CSize(9, 9);
    if (GetSafeHwnd() != NULL)
        Invalidate();
}

/////////////////////////////////////////////////////////////////////////////
// Size, tool tip, cursor and colours

CSize CORXButton::GetTextSize(CDC* pDC, const CString& strText)
{
    if (strText.IsEmpty())
        return CSize(0, 0);
    CRect rect(0, 0, 32767, 0);
    pDC->DrawText(strText, rect, DT_SINGLELINE | DT_CALCRECT);
    return rect.Size();
}

CSize CORXButton::SizeToContent(BOOL bCalcOnly)
{
    CString strText;
    CSize sizeText(0, 0);
    if (GetSafeHwnd() != NULL)
    {
        GetWindowText(strText);
        CClientDC dc(this);
        CFont* pOldFont = SelectFont(&dc);
        sizeText = GetTextSize(&dc, strText);
        if (pOldFont != NULL)
            dc.SelectObject(pOldFont);
    }
    CSize size(m_sizeImage.cx + sizeText.cx + 2 * kMargin,
               std::max(m_sizeImage.cy, sizeText.cy) + 2 * kMargin);
    if (!strText.IsEmpty())
        size.cx += 2 * kMargin;
    if (!bCalcOnly && GetSafeHwnd() != NULL)
        SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return size;
}

void CORXButton::SetTooltip(LPCTSTR lpszToolTipText)
{
    if (GetSafeHwnd() == NULL)
        return;
    if (lpszToolTipText == NULL)
    {
        if (m_wndToolTip.GetSafeHwnd() != NULL)
            m_wndToolTip.Activate(FALSE);
        return;
    }
    if (m_wndToolTip.GetSafeHwnd() == NULL)
    {
        if (!m_wndToolTip.Create(this))
            return;
        CRect rect;
        GetClientRect(rect);
        m_wndToolTip.AddTool(this, lpszToolTipText, rect, 1);
        if (globalData.m_nMaxToolTipWidth != -1)
            m_wndToolTip.SetMaxTipWidth(globalData.m_nMaxToolTipWidth);
    }
    m_wndToolTip.UpdateTipText(lpszToolTipText, this, 1);
    m_wndToolTip.Activate(TRUE);
}

void CORXButton::SetMouseCursorHand()
{
    if (globalData.m_hcurHand == NULL)
    {
        globalData.m_hcurHand = ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(kHandCursorId));
        // A program that does not carry the framework's cursor gets the system's hand.
        if (globalData.m_hcurHand == NULL)
            globalData.m_hcurHand = ::LoadCursor(NULL, IDC_HAND);
    }
    SetMouseCursor(globalData.m_hcurHand);
}

void CORXButton::SetFaceColor(COLORREF crFace, BOOL bRedraw)
{
    m_clrFace = crFace;
    if (bRedraw && GetSafeHwnd() != NULL)
        Invalidate();
}

CFont* CORXButton::SelectFont(CDC* pDC)
{
    HFONT hFont = m_hFont != NULL ? m_hFont : (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    return pDC->SelectObject(CFont::FromHandle(hFont));
}

/////////////////////////////////////////////////////////////////////////////
// Drawing

void CORXButton::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    int nSaved = pDC->SaveDC();
    CRect rect = lpDIS->rcItem;
    OnFillBackground(pDC, rect);
    OnDrawBorder(pDC, rect, lpDIS->itemState);
    OnDraw(pDC, rect, lpDIS->itemState);
    if ((lpDIS->itemState & ODS_FOCUS) && m_bDrawFocus)
        OnDrawFocusRect(pDC, rect);
    pDC->RestoreDC(nSaved);
}

void CORXButton::OnFillBackground(CDC* pDC, const CRect& rectClient)
{
    if (m_bTransparent)
        globalData.DrawParentBackground(this, pDC, (LPRECT)&rectClient);
    else if (m_clrFace != (COLORREF)-1)
        pDC->FillSolidRect(rectClient, m_clrFace);
    else
        pDC->FillRect(rectClient, &globalData.brBtnFace);
    if (m_bChecked && m_bHighlightChecked && !(m_bPushed && m_bHover))
    {
        CORXDrawHelper dm(pDC);
        dm.HighlightRect(rectClient);
    }
}

void CORXButton::OnDrawBorder(CDC* pDC, CRect& rectClient, UINT uiState)
{
    if (m_nFlatStyle == BUTTONSTYLE_NOBORDERS)
    {
        rectClient.DeflateRect(2, 2);
        return;
    }
    CORXVisualManager* pLook = CORXVisualManager::GetInstance();
    if (pLook != NULL && pLook->IsThemedLook())
    {
        COLORREF clrText = (COLORREF)-1;
        if (pLook->OnDrawPushButton(pDC, rectClient, this, clrText))
        {
            rectClient.DeflateRect(2, 2);
            return;
        }
    }
    DrawBorder(pDC, rectClient, uiState);
}

void CORXButton::DrawBorder(CDC* pDC, CRect& rectClient, UINT uiState)
{
    BOOL bPushed = (m_bPushed && m_bHover) || (uiState & ODS_SELECTED) != 0 || m_bChecked;
    // Two pixels go to the border whichever frames are drawn, so the content keeps its place
    // while the button turns hot.
    CRect rectInside = rectClient;
    rectInside.DeflateRect(2, 2);
    if (!bPushed)
    {
        if (m_nFlatStyle == BUTTONSTYLE_SEMIFLAT && !m_bHighlighted)
        {
            rectClient = rectInside;
            return;
        }
        pDC->Draw3dRect(rectClient, globalData.clrBtnHilite, globalData.clrBtnDkShadow);
        if (m_nFlatStyle == BUTTONSTYLE_3D || (m_nFlatStyle == BUTTONSTYLE_FLAT && m_bHighlighted))
        {
            CRect rectInner = rectClient;
            rectInner.DeflateRect(1, 1);
            pDC->Draw3dRect(rectInner, globalData.clrBtnLight, globalData.clrBtnShadow);
        }
        rectClient = rectInside;
        return;
    }
    pDC->Draw3dRect(rectClient, globalData.clrBtnDkShadow, globalData.clrBtnHilite);
    if (m_nFlatStyle != BUTTONSTYLE_SEMIFLAT)
    {
        CRect rectInner = rectClient;
        rectInner.DeflateRect(1, 1);
        pDC->Draw3dRect(rectInner, globalData.clrBtnShadow, globalData.clrBtnLight);
    }
    rectClient = rectInside;
    rectClient.OffsetRect(m_sizePushOffset);
}

void CORXButton::OnDrawFocusRect(CDC* pDC, const CRect& rectClient)
{
    COLORREF clrFace = m_clrFace != (COLORREF)-1 ? m_clrFace : globalData.clrBtnFace;
    CRect rect = rectClient;
    if (!m_bTransparent)
        pDC->Draw3dRect(rect, clrFace, clrFace);
    rect.DeflateRect(2, 2);
    pDC->DrawFocusRect(rect);
}

void CORXButton::OnDraw(CDC* pDC, const CRect& rect, UINT uiState)
{
    BOOL bDisabled = (uiState & ODS_DISABLED) != 0 || (GetSafeHwnd() != NULL && !IsWindowEnabled());

    CImageList* pImages = &m_Image;
    if (m_bChecked && !IsEmpty(m_ImageChecked))
    {
        pImages = &m_ImageChecked;
        if (m_bHighlighted && !IsEmpty(m_ImageCheckedHot))
            pImages = &m_ImageCheckedHot;
        else if (bDisabled && m_bGrayDisabled && !IsEmpty(m_ImageCheckedDisabled))
            pImages = &m_ImageCheckedDisabled;
    }
    else if (m_bHighlighted && !IsEmpty(m_ImageHot))
        pImages = &m_ImageHot;
    else if (bDisabled && m_bGrayDisabled && !IsEmpty(m_ImageDisabled))
        pImages = &m_ImageDisabled;
    BOOL bImage = m_bStdImage || !IsEmpty(*pImages);
    CSize sizeImage = bImage ? m_sizeImage : CSize(0, 0);

    CString strText;
    if (GetSafeHwnd() != NULL)
        GetWindowText(strText);
    CFont* pOldFont = SelectFont(pDC);
    CSize sizeText = GetTextSize(pDC, strText);
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);

    // The content: the image, then the text (or the other way round), placed by the alignment.
    int cxContent = sizeImage.cx + sizeText.cx + (sizeImage.cx > 0 && sizeText.cx > 0 ? kImageTextGap : 0);
    int x;
    switch (m_nAlignStyle)
    {
    case ALIGN_LEFT:
        x = rect.left + kMargin;
        break;
    case ALIGN_RIGHT:
        x = rect.right - kMargin - cxContent;
        break;
    default:
        x = rect.left + (rect.Width() - cxContent) / 2;
        break;
    }
    int xImage = x;
    int xText = sizeImage.cx > 0 ? x + sizeImage.cx + kImageTextGap : x;
    if (m_bRightImage && sizeImage.cx > 0 && sizeText.cx > 0)
    {
        xText = x;
        xImage = x + sizeText.cx + kImageTextGap;
    }

    if (bImage)
    {
        CPoint ptImage(xImage, rect.top + (rect.Height() - sizeImage.cy) / 2);
        if (m_bStdImage)
        {
            int nId = m_nStdImageId;
            if (bDisabled && m_bStdImageDisabledSet)
                nId = m_nStdImageDisabledId;
            CORXMenuImages::Draw(pDC, (CORXMenuImages::IMAGES_IDS)nId, ptImage, sizeImage);
        }
        else
            pImages->Draw(pDC, 0, ptImage, ILD_NORMAL);
    }

    if (!strText.IsEmpty())
    {
        CRect rectText(xText, rect.top, std::min((LONG)(xText + sizeText.cx), rect.right), rect.bottom);
        if (sizeImage.cx == 0)
        {
            // A text alone takes the whole face and is clipped at its edges.
            rectText = rect;
            rectText.DeflateRect(kMargin, 0);
        }
        UINT uiFlags = DT_SINGLELINE | DT_VCENTER;
        if (sizeImage.cx > 0 || m_nAlignStyle == ALIGN_LEFT)
            uiFlags |= DT_LEFT;
        else if (m_nAlignStyle == ALIGN_RIGHT)
            uiFlags |= DT_RIGHT;
        else
            uiFlags |= DT_CENTER;

        COLORREF clrText = m_clrRegular != (COLORREF)-1 ? m_clrRegular : globalData.clrBtnText;
        if (m_bHighlighted && m_clrHover != (COLORREF)-1)
            clrText = m_clrHover;
        if (bDisabled)
            clrText = globalData.clrGrayedText;
        pDC->SetTextColor(clrText);
        pDC->SetBkMode(TRANSPARENT);
        pOldFont = SelectFont(pDC);
        OnDrawText(pDC, rectText, strText, uiFlags, uiState);
        if (pOldFont != NULL)
            pDC->SelectObject(pOldFont);
    }
}

void CORXButton::OnDrawText(CDC* pDC, const CRect& rect, const CString& strText, UINT uiDTFlags, UINT)
{
    CRect rectText = rect;
    pDC->DrawText(strText, rectText, uiDTFlags);
}

/////////////////////////////////////////////////////////////////////////////
// Mouse state

BOOL CORXButton::IsTrackingHot() const
{
    CORXVisualManager* pLook = CORXVisualManager::GetInstance();
    return m_nFlatStyle != BUTTONSTYLE_3D || (pLook != NULL && pLook->IsThemedLook());
}

void CORXButton::ResetMouseState()
{
    m_bPushed = FALSE;
    m_bClickiedInside = FALSE;
    m_bHover = FALSE;
    m_bHighlighted = FALSE;
}

void CORXButton::ReleaseOwnCapture()
{
    if (m_bCaptured && GetCapture() == this)
        ::ReleaseCapture();
    m_bCaptured = FALSE;
}

void CORXButton::Redraw(BOOL bNow)
{
    if (GetSafeHwnd() == NULL)
        return;
    UINT uiFlags = RDW_INVALIDATE | RDW_ERASE;
    if (bNow)
        uiFlags |= RDW_UPDATENOW;
    RedrawWindow(NULL, NULL, uiFlags);
}

BOOL CORXButton::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CORXButton::OnCancelMode()
{
    CButton::OnCancelMode();
    ReleaseOwnCapture();
    ResetMouseState();
    KillTimer(IdAutoRepeatTimer);
    Redraw();
}

void CORXButton::OnMouseMove(UINT nFlags, CPoint point)
{
    BOOL bWasHighlighted = m_bHighlighted;
    BOOL bWasPushed = m_bPushed;
    BOOL bWasHover = m_bHover;
    BOOL bWasCaptured = m_bCaptured;
    m_bHighlighted = FALSE;

    BOOL bLButton = (nFlags & MK_LBUTTON) != 0;
    if (bLButton || IsTrackingHot())
    {
        CRect rectClient;
        GetClientRect(rectClient);
        if (rectClient.PtInRect(point))
        {
            m_bHighlighted = TRUE;
            m_bHover = TRUE;
            if (bLButton && m_bClickiedInside)
                m_bPushed = TRUE;
            if (!m_bCaptured)
            {
                SetCapture();
                m_bCaptured = TRUE;
            }
        }
        else
        {
            if (bLButton)
                m_bPushed = FALSE;
            else
            {
                m_bHover = FALSE;
                ReleaseOwnCapture();
            }
        }
    }
    if (m_bHighlighted != bWasHighlighted || m_bPushed != bWasPushed || m_bHover != bWasHover ||
        m_bCaptured != bWasCaptured)
        Redraw();
    CButton::OnMouseMove(nFlags, point);
}

void CORXButton::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_bPushed = TRUE;
    m_bClickiedInside = TRUE;
    m_bHover = TRUE;
    if (!m_bCaptured)
    {
        SetCapture();
        m_bCaptured = TRUE;
    }
    Redraw();
    if (m_nAutoRepeatTimeDelay > 0)
        SetTimer(IdAutoRepeatTimer, m_nAutoRepeatTimeDelay, NULL);
    CButton::OnLButtonDown(nFlags, point);
}

void CORXButton::OnLButtonUp(UINT nFlags, CPoint point)
{
    BOOL bClick = m_bPushed && m_bClickiedInside && m_bHover;
    ResetMouseState();
    if (bClick && m_bAutoCheck)
    {
        if (m_bCheckButton)
            m_bChecked = !m_bChecked;
        else if (m_bRadioButton && !m_bChecked)
        {
            m_bChecked = TRUE;
            UncheckGroup();
        }
    }
    HWND hWnd = m_hWnd;
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    CButton::OnLButtonUp(nFlags, point);
    // The click went to the parent, which may have destroyed the button.
    if (!::IsWindow(hWnd) || m_hWnd != hWnd)
        return;
    ReleaseOwnCapture();
    KillTimer(IdAutoRepeatTimer);
    if (m_wndToolTip.GetSafeHwnd() != NULL)
    {
        m_wndToolTip.Pop();
        CString strTip;
        m_wndToolTip.GetText(strTip, this, 1);
        m_wndToolTip.UpdateTipText(strTip, this, 1);
    }
}

void CORXButton::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    m_bPushed = TRUE;
    m_bClickiedInside = TRUE;
    m_bHover = TRUE;
    Redraw();
    CButton::OnLButtonDblClk(nFlags, point);
}

void CORXButton::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != IdAutoRepeatTimer)
    {
        CButton::OnTimer(nIDEvent);
        return;
    }
    CWnd* pParent = GetParent();
    if (m_bPushed && m_bHover && pParent != NULL)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), (LPARAM)m_hWnd);
}

BOOL CORXButton::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_hCursor != NULL && nHitTest == HTCLIENT)
    {
        ::SetCursor(m_hCursor);
        return TRUE;
    }
    return CButton::OnSetCursor(pWnd, nHitTest, message);
}

void CORXButton::OnEnable(BOOL bEnable)
{
    if (!bEnable)
    {
        ResetMouseState();
        ReleaseOwnCapture();
        KillTimer(IdAutoRepeatTimer);
    }
    CButton::OnEnable(bEnable);
}

void CORXButton::OnKillFocus(CWnd* pNewWnd)
{
    CButton::OnKillFocus(pNewWnd);
    ReleaseOwnCapture();
    ResetMouseState();
    Redraw();
}

LRESULT CORXButton::OnSetFont(WPARAM wParam, LPARAM)
{
    m_hFont = (HFONT)wParam;
    Default();
    Redraw();
    return 0;
}

LRESULT CORXButton::OnGetFont(WPARAM, LPARAM)
{
    return (LRESULT)m_hFont;
}

/////////////////////////////////////////////////////////////////////////////
// Check boxes and radio buttons

LRESULT CORXButton::OnGetCheck(WPARAM, LPARAM)
{
    if (m_bCheckButton || m_bRadioButton)
        return m_bChecked ? BST_CHECKED : BST_UNCHECKED;
    return 0;
}

LRESULT CORXButton::OnSetCheck(WPARAM wParam, LPARAM)
{
    if (!m_bCheckButton && !m_bRadioButton)
        return 0;
    m_bChecked = wParam != BST_UNCHECKED;
    if (m_bRadioButton && m_bChecked)
        UncheckGroup();
    Redraw();
    return 0;
}

// The group is walked among the siblings themselves, not with GetNextDlgGroupItem: that skips
// hidden and disabled controls, and a disabled radio button left checked would make two.
void CORXButton::UncheckGroup()
{
    HWND hStart = m_hWnd;
    while (!IsGroupStart(hStart))
    {
        HWND hPrev = ::GetWindow(hStart, GW_HWNDPREV);
        if (hPrev == NULL)
            break;
        hStart = hPrev;
    }
    for (HWND h = hStart; h != NULL; h = ::GetWindow(h, GW_HWNDNEXT))
    {
        if (h != hStart && IsGroupStart(h))
            break;
        if (h == m_hWnd)
            continue;
        CORXButton* pButton = DYNAMIC_DOWNCAST(CORXButton, CWnd::FromHandlePermanent(h));
        if (pButton != NULL && pButton->m_bRadioButton && pButton->m_bChecked)
        {
            pButton->m_bChecked = FALSE;
            pButton->Redraw();
        }
    }
}

CORXButton* CORXButton::NextRadio(BOOL bPrevious)
{
    // The group's members in order, then the one after (or before) this button, wrapping round.
    HWND hStart = m_hWnd;
    while (!IsGroupStart(hStart))
    {
        HWND hPrev = ::GetWindow(hStart, GW_HWNDPREV);
        if (hPrev == NULL)
            break;
        hStart = hPrev;
    }
    CArray<CORXButton*, CORXButton*> group;
    int iThis = -1;
    for (HWND h = hStart; h != NULL; h = ::GetWindow(h, GW_HWNDNEXT))
    {
        if (h != hStart && IsGroupStart(h))
            break;
        if (h == m_hWnd)
        {
            iThis = (int)group.Add(this);
            continue;
        }
        CORXButton* pButton = DYNAMIC_DOWNCAST(CORXButton, CWnd::FromHandlePermanent(h));
        // The control's own style: the dialog itself may not be shown yet.
        DWORD dwStyle = (DWORD)::GetWindowLong(h, GWL_STYLE);
        if (pButton != NULL && pButton->m_bRadioButton && (dwStyle & WS_VISIBLE) && !(dwStyle & WS_DISABLED))
            group.Add(pButton);
    }
    int nCount = (int)group.GetSize();
    if (iThis < 0 || nCount < 2)
        return NULL;
    int iNext = bPrevious ? (iThis + nCount - 1) % nCount : (iThis + 1) % nCount;
    return group[iNext];
}

BOOL CORXButton::PreTranslateMessage(MSG* pMsg)
{
    if (m_wndToolTip.GetSafeHwnd() != NULL && pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST)
        m_wndToolTip.RelayEvent(pMsg);

    if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == m_hWnd && m_bRadioButton)
    {
        BOOL bPrevious;
        switch (pMsg->wParam)
        {
        case VK_UP:
        case VK_LEFT:
            bPrevious = TRUE;
            break;
        case VK_DOWN:
        case VK_RIGHT:
            bPrevious = FALSE;
            break;
        default:
            return CButton::PreTranslateMessage(pMsg);
        }
        CORXButton* pNext = NextRadio(bPrevious);
        if (pNext != NULL)
        {
            pNext->SendMessage(BM_SETCHECK, BST_CHECKED);
            pNext->SetFocus();
            CWnd* pParent = pNext->GetParent();
            if (pParent != NULL)
                pParent->SendMessage(WM_COMMAND, MAKEWPARAM(pNext->GetDlgCtrlID(), BN_CLICKED),
                                     (LPARAM)pNext->m_hWnd);
        }
        return TRUE;
    }
    return CButton::PreTranslateMessage(pMsg);
}
