// CORXOutlookButton: drawing, size and stored form of a shortcut.
#include "ORXOutlookButton.h"

#include "ORXDrawHelper.h"
#include "ORXGlobalData.h"
#include "ORXOutlookBar.h"
#include "ORXToolbarImageList.h"
#include "ORXVisualManager.h"
#include "ORXWorkspaceBase.h"

#include <algorithm>

IMPLEMENT_SERIAL(CORXOutlookButton, CORXToolbarButton, 1)

CORXOutlookButton::PageField CORXOutlookButton::s_pageFieldOnLoad = CORXOutlookButton::PageFieldByVersion;

CORXOutlookButton::CORXOutlookButton()
    : m_pWndParentBar(NULL), m_iPageID(0), m_nMinWidth(0), m_nMinHeight(0), m_bIsCenterText(TRUE)
{
}

CORXOutlookButton::CORXOutlookButton(UINT uiID, int iImage, LPCTSTR lpszText, int iPageID, BOOL bLocked)
    : CORXToolbarButton(uiID, iImage, lpszText, FALSE, bLocked), m_pWndParentBar(NULL), m_iPageID(iPageID),
      m_nMinWidth(0), m_nMinHeight(0), m_bIsCenterText(TRUE)
{
    m_bText = lpszText != NULL && *lpszText != 0;
}

CORXOutlookButton::~CORXOutlookButton() {}

void CORXOutlookButton::Serialize(CArchive& ar)
{
    CORXToolbarButton::Serialize(ar);
    // The page is always written; an image is read by the version that wrote it, and state of a
    // version before the page existed puts the shortcut on the first page.
    const BOOL bPageStored = s_pageFieldOnLoad == PageFieldByVersion ? ORXSavedVersionAtLeast(4, 71)
                                                                     : s_pageFieldOnLoad == PageFieldPresent;
    if (ar.IsStoring())
        ar << m_iPageID;
    else if (bPageStored)
        ar >> m_iPageID;
    else
        m_iPageID = 0;
}

BOOL CORXOutlookButton::CanBeDropped(CWnd* pTarget)
{
    return DYNAMIC_DOWNCAST(CORXOutlookBar, pTarget) != NULL;
}

void CORXOutlookButton::CopyFrom(const CORXToolbarButton& src)
{
    CORXToolbarButton::CopyFrom(src);
    const CORXOutlookButton* pSrc = dynamic_cast<const CORXOutlookButton*>(&src);
    if (pSrc != NULL)
        m_iPageID = pSrc->m_iPageID;
}

void CORXOutlookButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CORXToolbarButton::OnChangeParentWnd(pWndParent);
    m_pWndParentBar = DYNAMIC_DOWNCAST(CORXOutlookBar, pWndParent);
}

BOOL CORXOutlookButton::CompareWith(const CObject& other) const
{
    if (!CORXToolbarButton::CompareWith(other))
        return FALSE;
    const CORXOutlookButton* pOther = dynamic_cast<const CORXOutlookButton*>(&other);
    return pOther != NULL && pOther->m_iPageID == m_iPageID;
}

void CORXOutlookButton::SetImage(int iImage)
{
    // A shortcut's image belongs to its bar: nothing is recorded with the command manager.
    if (m_bUserButton)
        m_iUserImage = iImage;
    else
        m_iImage = iImage;
    m_bImage = iImage >= 0;
}

SIZE CORXOutlookButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    CString strText = m_bText ? m_strText : CString();
    if (!bHorz)
    {
        CRect rectText(0, 0, std::max(0, (int)(sizeDefault.cx - pDC->GetTextExtent(_T("   ")).cx)), 0);
        if (!strText.IsEmpty())
            pDC->DrawText(strText, rectText, DT_CALCRECT | DT_WORDBREAK);
        else
            rectText.right = rectText.left;
        CSize size(std::max(m_nMinWidth, std::min((int)sizeDefault.cx, (int)rectText.Width())),
                   sizeDefault.cy + rectText.Height() + 10);
        m_bIsCenterText = rectText.Width() <= sizeDefault.cx;
        return size;
    }
    // Along a horizontal edge the label goes beside the image: widen it until it fits the height.
    CRect rectText(0, 0, 0, sizeDefault.cy);
    if (!strText.IsEmpty())
    {
        const int nFull = pDC->GetTextExtent(strText).cx;
        for (int cx = 1; cx <= nFull + 1; cx++)
        {
            CRect rectTry(0, 0, cx, 0);
            pDC->DrawText(strText, rectTry, DT_CALCRECT | DT_WORDBREAK);
            rectText = rectTry;
            if (rectTry.Height() <= sizeDefault.cy && rectTry.Width() <= cx)
                break;
        }
    }
    else
        rectText = CRect(0, 0, 0, 0);
    m_bIsCenterText = TRUE;
    return CSize(sizeDefault.cx + rectText.Width() + 10,
                 std::max(m_nMinHeight, std::min((int)sizeDefault.cy, (int)rectText.Height())));
}

void CORXOutlookButton::OnDraw(CDC* pDC, const CRect& rect, CORXToolbarImageList* pImages, BOOL bHorz,
                               BOOL bCustomizeMode, BOOL bHighlight, BOOL /*bDrawBorder*/,
                               BOOL bGrayDisabledButtons)
{
    CORXVisualManager* pLook = CORXVisualManager::GetInstance();
    const CSize sizeExtra = pLook->GetButtonExtraBorder();
    CRect rectBtn = rect;
    if (m_bExtraSize)
        rectBtn.DeflateRect(sizeExtra.cx / 2 + 1, sizeExtra.cy / 2 + 1);

    const BOOL bDisabled = (m_nStyle & TBBS_DISABLED) != 0;
    const BOOL bBitmap = m_pWndParentBar != NULL && m_pWndParentBar->IsBackgroundTexture();
    const int iImage = GetImage();
    const BOOL bImage = pImages != NULL && iImage >= 0 && m_bImage;
    const CSize sizeImage = bImage ? CSize(pImages->GetImageSize()) : CSize(0, 0);

    CString strText = m_bText ? m_strText : CString();
    CRect rectText = rectBtn;
    CPoint ptImage;
    if (!bHorz)
    {
        ptImage = CPoint(rectBtn.left + (rectBtn.Width() - sizeImage.cx) / 2, rectBtn.top + 5);
        rectText.top = rectBtn.top + 7 + sizeImage.cy;
    }
    else
    {
        ptImage = CPoint(rectBtn.left + 5, rectBtn.top + (rectBtn.Height() - sizeImage.cy) / 2);
        rectText.left = rectBtn.left + 10 + sizeImage.cx;
        CRect rectCalc = rectText;
        if (!strText.IsEmpty())
        {
            CFont* pOldFont = pDC->SelectObject(&globalData.fontRegular);
            pDC->DrawText(strText, rectCalc, DT_CALCRECT | DT_WORDBREAK);
            pDC->SelectObject(pOldFont);
        }
        rectText.top = rectBtn.top + (rectBtn.Height() - rectCalc.Height()) / 2;
        rectText.bottom = rectText.top + rectCalc.Height();
    }
    CRect rectFrame(ptImage, sizeImage);
    rectFrame.InflateRect(2, 2);

    if (!bBitmap)
    {
        CRect rectFill = rectFrame;
        if (m_bExtraSize)
            rectFill.DeflateRect(sizeExtra.cx / 2 - 1, sizeExtra.cy / 2 - 1);
        FillInterior(pDC, rectFill, bHighlight);
    }
    else if (bHighlight && !bCustomizeMode)
    {
        CORXDrawHelper dh(pDC);
        dh.HighlightRect(rectBtn, 85);
    }

    if (bImage)
        pImages->Draw(pDC, ptImage.x, ptImage.y, iImage, FALSE, bDisabled && bGrayDisabledButtons);

    if (!bCustomizeMode && (bHighlight || (m_nStyle & (TBBS_PRESSED | TBBS_CHECKED))))
    {
        const BOOL bPressed = ((m_nStyle & TBBS_PRESSED) && bHighlight) || (m_nStyle & TBBS_CHECKED);
        pLook->OnDrawButtonBorder(pDC, this, rectFrame,
                                  bPressed ? CORXVisualManager::ButtonsIsPressed
                                           : CORXVisualManager::ButtonsIsHighlighted);
    }

    if (strText.IsEmpty())
        return;
    const COLORREF clrBar = m_pWndParentBar != NULL ? m_pWndParentBar->GetTextColor() : (COLORREF)-1;
    COLORREF clrText;
    if (clrBar != (COLORREF)-1 && !bDisabled)
        clrText = clrBar;
    else if (bDisabled && bBitmap)
        clrText = ::GetSysColor(COLOR_GRAYTEXT);
    else if (!bBitmap)
        clrText = pLook->GetToolbarButtonTextColor(this, bHighlight ? CORXVisualManager::ButtonsIsHighlighted
                                                         : (m_nStyle & (TBBS_PRESSED | TBBS_CHECKED))
                                                             ? CORXVisualManager::ButtonsIsPressed
                                                             : CORXVisualManager::ButtonsIsRegular);
    else
        clrText = ::GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF clrOld = pDC->SetTextColor(clrText);
    CFont* pOldFont = pDC->SelectObject(&globalData.fontRegular);
    pDC->DrawText(strText, rectText,
                  m_bIsCenterText ? (DT_CENTER | DT_WORDBREAK) : (DT_WORDBREAK | DT_END_ELLIPSIS));
    pDC->SelectObject(pOldFont);
    pDC->SetTextColor(clrOld);
}
