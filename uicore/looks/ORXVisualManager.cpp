// CORXVisualManager: the classic three-dimensional look drawn from the system colours.
#include "ORXVisualManager.h"

#include <algorithm>

#include "ORXBarSettings.h"
#include "ORXCleanUp.h"
#include "ORXDrawHelper.h"
#include "ORXExtrasHooks.h"
#include "ORXGlobalData.h"
#include "ORXProc.h"
#include "ORXToolbarImageList.h"

IMPLEMENT_DYNCREATE(CORXVisualManager, CObject)

CORXVisualManager* CORXVisualManager::m_pVisManager = NULL;
CRuntimeClass* CORXVisualManager::m_pRTIDefault = NULL;

namespace
{
// The images ask the look in force, made on first use as every caller of GetInstance does.
class CImageLook : public CORXImageLook
{
public:
    CImageLook() { CORXServices::Register<CORXImageLook>(this); }
    virtual BOOL IsEmbossDisabledImage() { return CORXVisualManager::GetInstance()->IsEmbossDisabledImage(); }
} s_imageLook;

void CleanUpVisualManager()
{
    CORXVisualManager::DestroyInstance(TRUE);
}

void FillSolid(CDC* pDC, const CRect& rect, COLORREF clr)
{
    COLORREF clrOld = ::SetBkColor(pDC->GetSafeHdc(), clr);
    ::ExtTextOut(pDC->GetSafeHdc(), 0, 0, ETO_OPAQUE, &rect, NULL, 0, NULL);
    ::SetBkColor(pDC->GetSafeHdc(), clrOld);
}

void DrawGlyphCentered(CDC* pDC, const CRect& rect, int nGlyph, int nOffset = 0)
{
    CSize size = CORXMenuImages::Size();
    CPoint pt(rect.left + (rect.Width() - size.cx) / 2 + nOffset,
              rect.top + (rect.Height() - size.cy) / 2 + nOffset);
    CORXMenuImages::Draw(pDC, (CORXMenuImages::IMAGES_IDS)nGlyph, pt);
}
} // namespace

CORXVisualManager::CORXVisualManager(BOOL bTemporary)
    : m_bLook2000(FALSE), m_nMenuShadowDepth(6), m_bMenuFlatLook(FALSE), m_bShadowHighlightedImage(FALSE),
      m_bEmbossDisabledImage(TRUE), m_bFadeInactiveImage(FALSE), m_bIsTemporary(bTemporary),
      m_nVertMargin(12), m_nHorzMargin(12), m_nGroupVertOffset(15), m_nGroupCaptionHeight(25),
      m_nGroupCaptionHorzOffset(13), m_nGroupCaptionVertOffset(7), m_nTasksHorzOffset(12),
      m_nTasksIconHorzOffset(5), m_nTasksIconVertOffset(4), m_bActiveCaptions(TRUE),
      m_bOfficeStyleMenus(FALSE), m_nMenuBorderSize(2), m_bFrameMenuCheckedItems(TRUE), m_bAutoDestroy(FALSE)
{
    if (!bTemporary && m_pVisManager == NULL)
        m_pVisManager = this;
    globalData.UpdateSysColors();
    ORXRegisterCleanUp(ORXCLEANUP_VISUALMANAGER, CleanUpVisualManager);
}

CORXVisualManager::~CORXVisualManager()
{
    if (!m_bIsTemporary && m_pVisManager == this)
        m_pVisManager = NULL;
}

CORXVisualManager* CORXVisualManager::GetInstance()
{
    if (m_pVisManager != NULL)
        return m_pVisManager;
    CORXVisualManager* pManager = NULL;
    if (m_pRTIDefault != NULL)
    {
        CObject* pObj = m_pRTIDefault->CreateObject();
        pManager = DYNAMIC_DOWNCAST(CORXVisualManager, pObj);
        if (pManager == NULL)
            delete pObj;
    }
    if (pManager == NULL)
        pManager = new CORXVisualManager(FALSE);
    m_pVisManager = pManager;
    pManager->m_bAutoDestroy = TRUE;
    pManager->OnUpdateSystemColors();
    return pManager;
}

BOOL CORXVisualManager::SetDefaultManager(CRuntimeClass* pRTI)
{
    if (pRTI != NULL &&
        (!pRTI->IsDerivedFrom(RUNTIME_CLASS(CORXVisualManager)) || pRTI->m_pfnCreateObject == NULL))
        return FALSE;
    m_pRTIDefault = pRTI;
    return TRUE;
}

void CORXVisualManager::DestroyInstance(BOOL bAutoDestroyOnly)
{
    if (m_pVisManager == NULL || (bAutoDestroyOnly && !m_pVisManager->m_bAutoDestroy))
        return;
    delete m_pVisManager;
    m_pVisManager = NULL;
}

void CORXVisualManager::RedrawAll()
{
    const UINT uiFlags = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;
    CWnd* pMain = AfxGetMainWnd();
    if (pMain->GetSafeHwnd() != NULL)
        pMain->RedrawWindow(NULL, NULL, uiFlags);
    for (POSITION pos = gAllToolbars.GetHeadPosition(); pos != NULL;)
    {
        CWnd* pBar = (CWnd*)gAllToolbars.GetNext(pos);
        if (pBar->GetSafeHwnd() != NULL)
            pBar->RedrawWindow(NULL, NULL, uiFlags);
    }
    for (POSITION pos = gAllSizingControlBars.GetHeadPosition(); pos != NULL;)
    {
        CWnd* pBar = (CWnd*)gAllSizingControlBars.GetNext(pos);
        if (pBar->GetSafeHwnd() != NULL)
            pBar->RedrawWindow(NULL, NULL, uiFlags);
    }
}

void CORXVisualManager::SetLook2000(BOOL bLook2000)
{
    m_bLook2000 = bLook2000;
    CWnd* pMain = AfxGetMainWnd();
    if (pMain->GetSafeHwnd() != NULL)
        pMain->RedrawWindow(NULL, NULL,
                            RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RedrawAll();
}

void CORXVisualManager::Draw3dFrame(CDC* pDC, CRect rect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    int cx = rect.Width(), cy = rect.Height();
    FillSolid(pDC, CRect(rect.left, rect.top, rect.left + cx - 1, rect.top + 1), clrTopLeft);
    FillSolid(pDC, CRect(rect.left, rect.top, rect.left + 1, rect.top + cy - 1), clrTopLeft);
    FillSolid(pDC, CRect(rect.left + cx - 1, rect.top, rect.left + cx, rect.top + cy), clrBottomRight);
    FillSolid(pDC, CRect(rect.left, rect.top + cy - 1, rect.left + cx, rect.top + cy), clrBottomRight);
}

/////////////////////////////////////////////////////////////////////////////
// Bars

void CORXVisualManager::OnFillBarBackground(CDC* pDC, CControlBar* pBar, CRect rectClient, CRect rectClip)
{
    CORXOwnBackground* pOwn = dynamic_cast<CORXOwnBackground*>(pBar);
    if (pOwn != NULL && pOwn->FillOwnBackground(pDC, rectClient))
        return;
    if (pOwn != NULL && pOwn->IsSolidBackground())
    {
        COLORREF clr = pOwn->GetOwnBackgroundColor();
        FillSolid(pDC, rectClip.IsRectEmpty() ? rectClient : rectClip,
                  clr == (COLORREF)-1 ? globalData.clrBarShadow : clr);
        return;
    }
    if (rectClip.IsRectEmpty())
        rectClip = rectClient;
    ::FillRect(pDC->GetSafeHdc(), &rectClip, (HBRUSH)globalData.brBarFace.GetSafeHandle());
}

void CORXVisualManager::OnDrawBarBorder(CDC* pDC, CControlBar* pBar, CRect& rect)
{
    DWORD dwStyle = pBar->GetBarStyle();
    if (!(dwStyle & CBRS_BORDER_ANY))
        return;
    COLORREF clrLeftTop = (dwStyle & CBRS_BORDER_3D) ? globalData.clrBarHilite : globalData.clrBarShadow;
    COLORREF clrRightBottom = globalData.clrBarShadow;
    if (dwStyle & CBRS_BORDER_LEFT)
        FillSolid(pDC, CRect(rect.left, rect.top, rect.left + 1, rect.bottom), clrLeftTop);
    if (dwStyle & CBRS_BORDER_TOP)
        FillSolid(pDC, CRect(rect.left, rect.top, rect.right, rect.top + 1), clrLeftTop);
    if (dwStyle & CBRS_BORDER_RIGHT)
        FillSolid(pDC, CRect(rect.right - 1, rect.top, rect.right, rect.bottom), clrRightBottom);
    if (dwStyle & CBRS_BORDER_BOTTOM)
        FillSolid(pDC, CRect(rect.left, rect.bottom - 1, rect.right, rect.bottom), clrRightBottom);
    if (pBar->m_pDockContext == NULL && (dwStyle & CBRS_BORDER_TOP))
    {
        // A bar that cannot dock gets an etched line along its top.
        FillSolid(pDC, CRect(rect.left, rect.top, rect.right, rect.top + 1), globalData.clrBarShadow);
        FillSolid(pDC, CRect(rect.left, rect.top + 1, rect.right, rect.top + 2), globalData.clrBarHilite);
        rect.top++;
    }
    if (dwStyle & CBRS_BORDER_LEFT)
        rect.left++;
    if (dwStyle & CBRS_BORDER_TOP)
        rect.top++;
    if (dwStyle & CBRS_BORDER_RIGHT)
        rect.right--;
    if (dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom--;
}

void CORXVisualManager::OnDrawMenuBorder(CDC* pDC, CORXPopupMenu* pMenu, CRect rect)
{
    Draw3dFrame(pDC, rect, globalData.clrBarLight, globalData.clrBarDkShadow);
    rect.DeflateRect(1, 1);
    Draw3dFrame(pDC, rect, globalData.clrBarHilite, globalData.clrBarShadow);
}

void CORXVisualManager::OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz, CControlBar* pBar)
{
    const int nLineWidth = 3;
    const int nLines = m_bLook2000 ? 1 : 2;
    const int nGap = 4;
    // Across the short side: a horizontal bar has its gripper at the left, lines running down.
    CRect rectLine = rectGripper;
    if (bHorz)
    {
        rectLine.left +=
            (rectGripper.Width() - (nLines * nLineWidth + (nLines - 1) * (nGap - nLineWidth))) / 2;
        rectLine.right = rectLine.left + nLineWidth;
        rectLine.DeflateRect(0, 2);
    }
    else
    {
        rectLine.top +=
            (rectGripper.Height() - (nLines * nLineWidth + (nLines - 1) * (nGap - nLineWidth))) / 2;
        rectLine.bottom = rectLine.top + nLineWidth;
        rectLine.DeflateRect(2, 0);
    }
    for (int i = 0; i < nLines; i++)
    {
        Draw3dFrame(pDC, rectLine, globalData.clrBarHilite, globalData.clrBarShadow);
        if (!m_bLook2000)
        {
            // One highlight pixel at the far end of each line.
            CPoint pt =
                bHorz ? CPoint(rectLine.right - 1, rectLine.top) : CPoint(rectLine.left, rectLine.bottom - 1);
            ::SetPixel(pDC->GetSafeHdc(), pt.x, pt.y, globalData.clrBarHilite);
        }
        if (bHorz)
            rectLine.OffsetRect(nGap, 0);
        else
            rectLine.OffsetRect(0, nGap);
    }
}

void CORXVisualManager::OnDrawSeparator(CDC* pDC, CControlBar* pBar, CRect rect, BOOL bHorz)
{
    CRect rectSeparator = rect;
    if (bHorz)
    {
        rectSeparator.left += rectSeparator.Width() / 2 - 1;
        rectSeparator.right = rectSeparator.left + 2;
    }
    else
    {
        rectSeparator.top += rectSeparator.Height() / 2 - 1;
        rectSeparator.bottom = rectSeparator.top + 2;
    }
    Draw3dFrame(pDC, rectSeparator, globalData.clrBarShadow, globalData.clrBarHilite);
}

void CORXVisualManager::OnDrawCaptionButton(CDC* pDC, CRect rect, int nGlyph, BOOL bActive, BOOL bHighlighted,
                                            BOOL bPressed, BOOL bDisabled)
{
    FillSolid(pDC, rect, globalData.clrBarFace);
    DrawGlyphCentered(pDC, rect, bDisabled ? nGlyph + 1 : nGlyph, bPressed ? 1 : 0);
    if (bPressed)
        Draw3dFrame(pDC, rect, globalData.clrBarShadow, globalData.clrBarHilite);
    else if (bHighlighted)
        Draw3dFrame(pDC, rect, globalData.clrBarHilite, globalData.clrBarShadow);
}

void CORXVisualManager::OnDrawMenuSystemButton(CDC* pDC, CRect rect, UINT uiSystemCommand, UINT nStyle,
                                               BOOL bHighlight)
{
    UINT uiState = 0;
    switch (uiSystemCommand)
    {
    case SC_MINIMIZE:
        uiState = DFCS_CAPTIONMIN;
        break;
    case SC_RESTORE:
        uiState = DFCS_CAPTIONRESTORE;
        break;
    case SC_CLOSE:
        uiState = DFCS_CAPTIONCLOSE;
        break;
    default:
        return;
    }
    if (nStyle & TBBS_PRESSED)
        uiState |= DFCS_PUSHED;
    if (nStyle & TBBS_DISABLED)
        uiState |= DFCS_INACTIVE;
    pDC->DrawFrameControl(&rect, DFC_CAPTION, uiState);
}

void CORXVisualManager::OnDrawStatusBarPaneBorder(CDC* pDC, CWnd* pBar, CRect rectPane, UINT uiID,
                                                  UINT nStyle)
{
    if (nStyle & SBPS_NOBORDERS)
        return;
    if (nStyle & SBPS_POPOUT)
        Draw3dFrame(pDC, rectPane, globalData.clrBarHilite, globalData.clrBarShadow);
    else
        Draw3dFrame(pDC, rectPane, globalData.clrBarShadow, globalData.clrBarHilite);
}

void CORXVisualManager::OnDrawProgress(CDC* pDC, CRect rect, int nCurrent, int nTotal, COLORREF clrBar,
                                       COLORREF clrBarGradient, BOOL bShowText)
{
    if (nTotal == 0)
        return;
    CRect rectFill = rect;
    rectFill.right = rect.left + (int)((LONGLONG)rect.Width() * nCurrent / nTotal);
    COLORREF clrFill = clrBar == (COLORREF)-1 ? globalData.clrHilite : clrBar;
    if (clrBarGradient != (COLORREF)-1)
    {
        CORXDrawHelper dh(pDC);
        dh.FillGradient(rectFill, clrFill, clrBarGradient, TRUE);
    }
    else
        FillSolid(pDC, rectFill, clrFill);
    if (!bShowText)
        return;
    CString strText;
    strText.Format(_T("%d%%"), (int)((LONGLONG)nCurrent * 100 / nTotal));
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    HGDIOBJ hOldFont = ::SelectObject(pDC->GetSafeHdc(), globalData.fontRegular.GetSafeHandle());
    // The text shows in the highlight-text colour over the filled part, the bar text elsewhere.
    CRect rectEmpty = rect;
    rectEmpty.left = rectFill.right;
    struct
    {
        CRect rect;
        COLORREF clr;
    } parts[] = {{rectFill, globalData.clrTextHilite}, {rectEmpty, globalData.clrBarText}};
    for (auto& part : parts)
    {
        if (part.rect.IsRectEmpty())
            continue;
        int nSaved = pDC->SaveDC();
        ::IntersectClipRect(pDC->GetSafeHdc(), part.rect.left, part.rect.top, part.rect.right,
                            part.rect.bottom);
        COLORREF clrOld = pDC->SetTextColor(part.clr);
        CRect rectText = rect;
        ::DrawTextA(pDC->GetSafeHdc(), strText, -1, &rectText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        pDC->SetTextColor(clrOld);
        pDC->RestoreDC(nSaved);
    }
    ::SelectObject(pDC->GetSafeHdc(), hOldFont);
    pDC->SetBkMode(nOldMode);
}

void CORXVisualManager::OnDrawStatusBarSizeBox(CDC* pDC, CWnd* pStatBar, CRect rectSizeBox)
{
    HDC hDC = pDC->GetSafeHdc();
    int nSaved = ::SaveDC(hDC);
    ::IntersectClipRect(hDC, rectSizeBox.left, rectSizeBox.top, rectSizeBox.right, rectSizeBox.bottom);
    ::SelectObject(hDC, globalData.fontMarlett.GetSafeHandle());
    ::SetTextAlign(hDC, TA_RIGHT | TA_BOTTOM);
    ::SetTextColor(hDC, ::GetSysColor(COLOR_BTNSHADOW));
    ::SetBkMode(hDC, TRANSPARENT);
    BOOL bRTL = pStatBar != NULL && (pStatBar->GetExStyle() & WS_EX_LAYOUTRTL);
    ::TextOutA(hDC, rectSizeBox.right, rectSizeBox.bottom, bRTL ? "x" : "o", 1);
    ::RestoreDC(hDC, nSaved);
}

void CORXVisualManager::OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                              BOOL bIsHighlighted, CORXToolbarButtonInfo* pButton)
{
    FillSolid(pDC, rect, globalData.clrBarFace);
    Draw3dFrame(pDC, rect, globalData.clrBarHilite, globalData.clrBarHilite);
    DrawGlyphCentered(pDC, rect, bDisabled ? CORXMenuImages::IdArowDownDsbl : CORXMenuImages::IdArowDown,
                      bIsDropped ? 1 : 0);
    if (bIsDropped)
        Draw3dFrame(pDC, rect, globalData.clrBarShadow, globalData.clrBarHilite);
    else if (bIsHighlighted)
        Draw3dFrame(pDC, rect, globalData.clrBarHilite, globalData.clrBarShadow);
}

void CORXVisualManager::OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                          BOOL bIsHighlighted, CORXToolbarButtonInfo* pButton)
{
    if (!bIsDropped && !bIsHighlighted)
        return;
    if (m_bMenuFlatLook)
    {
        rect.DeflateRect(1, 1);
        Draw3dFrame(pDC, rect, globalData.clrBarDkShadow, globalData.clrBarDkShadow);
    }
    else
        Draw3dFrame(pDC, rect, globalData.clrBarShadow, globalData.clrBarHilite);
}

void CORXVisualManager::OnDrawEditBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsHighlighted,
                                         CORXToolbarButtonInfo* pButton)
{
    if (bIsHighlighted)
        pDC->DrawEdge(&rect, EDGE_SUNKEN, BF_RECT);
}

void CORXVisualManager::OnDrawTearOffCaption(CDC* pDC, CRect rect, BOOL bIsActive)
{
    FillSolid(pDC, rect, globalData.clrBarFace);
    rect.DeflateRect(2, 1);
    FillSolid(pDC, rect, bIsActive ? globalData.clrActiveCaption : globalData.clrInactiveCaption);
}

/////////////////////////////////////////////////////////////////////////////
// Buttons

void CORXVisualManager::OnFillButtonInterior(CDC* pDC, CORXToolbarButtonInfo* pButton, CRect rect,
                                             ORXButtonState state)
{
    const CORXToolbarButtonInfo::FaceKind face = pButton->GetFaceKind();
    if (face == CORXToolbarButtonInfo::faceShowAll)
    {
        if (state == ButtonsIsHighlighted)
        {
            CORXDrawHelper dh(pDC);
            dh.HighlightRect(rect);
        }
        return;
    }
    if (face == CORXToolbarButtonInfo::faceShortcut)
        return;
    if (!CORXBarSettings::IsCustomizeMode() && state != ButtonsIsHighlighted &&
        (pButton->GetStyle() & (TBBS_CHECKED | TBBS_INDETERMINATE)))
    {
        CRect rectDither = rect;
        rectDither.DeflateRect(1, 1);
        ::FillRect(pDC->GetSafeHdc(), &rectDither, (HBRUSH)globalData.brLight.GetSafeHandle());
    }
}

void CORXVisualManager::OnDrawButtonBorder(CDC* pDC, CORXToolbarButtonInfo* pButton, CRect rect,
                                           ORXButtonState state)
{
    COLORREF clrShadow = pButton->GetFaceKind() == CORXToolbarButtonInfo::faceShortcut
                             ? globalData.clrBarDkShadow
                             : globalData.clrBarShadow;
    switch (state)
    {
    case ButtonsIsPressed:
        Draw3dFrame(pDC, rect, clrShadow, globalData.clrBarHilite);
        break;
    case ButtonsIsHighlighted:
        Draw3dFrame(pDC, rect, globalData.clrBarHilite, clrShadow);
        break;
    default:
        break;
    }
}

void CORXVisualManager::OnDrawMenuButtonBorder(CDC* pDC, CORXToolbarButtonInfo* pButton, CRect rect,
                                               ORXButtonState state)
{
    OnDrawButtonBorder(pDC, pButton, rect, state);
}

void CORXVisualManager::OnFillHighlightedArea(CDC* pDC, CRect rect, CBrush* pBrush,
                                              CORXToolbarButtonInfo* pButton, COLORREF* pclrText)
{
    if (pclrText != NULL)
        *pclrText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    ::FillRect(pDC->GetSafeHdc(), &rect,
               pBrush != NULL ? (HBRUSH)pBrush->GetSafeHandle()
                              : (HBRUSH)globalData.brHilite.GetSafeHandle());
}

void CORXVisualManager::OnHighlightRarelyUsedMenuItems(CDC* pDC, CRect rectRarelyUsed)
{
    CORXDrawHelper dh(pDC);
    dh.HighlightRect(rectRarelyUsed, -1);
    Draw3dFrame(pDC, rectRarelyUsed, globalData.clrBarShadow, globalData.clrBarHilite);
}

COLORREF CORXVisualManager::GetToolbarButtonTextColor(CORXToolbarButtonInfo* pButton, ORXButtonState state)
{
    BOOL bDisabled = (pButton->GetStyle() & TBBS_DISABLED) != 0 ||
                     (CORXBarSettings::IsCustomizeMode() && !pButton->CanBeStored());
    if (pButton->GetFaceKind() == CORXToolbarButtonInfo::faceShortcut)
        return bDisabled ? ::GetSysColor(COLOR_BTNFACE) : ::GetSysColor(COLOR_WINDOW);
    if (bDisabled)
        return ::GetSysColor(COLOR_GRAYTEXT);
    if (state == ButtonsIsHighlighted)
        return CORXBarSettings::GetHotTextColor();
    return globalData.clrBarText;
}

COLORREF CORXVisualManager::GetCaptionBarTextColor(CWnd* pBar)
{
    return ::GetSysColor(COLOR_WINDOW);
}

COLORREF CORXVisualManager::GetCaptionBarButtonTextColor(CWnd* pBar)
{
    return globalData.clrBarText;
}

BOOL CORXVisualManager::OnFillOutlookPageButton(CDC* pDC, const CRect& rect, BOOL bIsHighlighted,
                                                BOOL bIsPressed, COLORREF& clrText)
{
    return FALSE;
}

BOOL CORXVisualManager::OnDrawOutlookPageButtonBorder(CDC* pDC, CRect& rectBtn, BOOL bIsHighlighted,
                                                      BOOL bIsPressed)
{
    return FALSE;
}

void CORXVisualManager::OnFillPushButtonBackground(CDC* pDC, const CRect& rect, CWnd* pButton, BOOL bPushed,
                                                   BOOL bHot)
{
    FillSolid(pDC, rect, globalData.clrBarFace);
}

void CORXVisualManager::OnDrawPushButtonBorder(CDC* pDC, const CRect& rect, CWnd* pButton, BOOL bPushed,
                                               BOOL bHot)
{
    if (bPushed)
        Draw3dFrame(pDC, rect, globalData.clrBarShadow, globalData.clrBarHilite);
    else if (bHot)
        Draw3dFrame(pDC, rect, globalData.clrBarHilite, globalData.clrBarShadow);
}

void CORXVisualManager::OnDrawRaisedStrip(CDC* pDC, CRect rect)
{
    FillSolid(pDC, rect, globalData.clrBarFace);
    Draw3dFrame(pDC, rect, globalData.clrBarHilite, globalData.clrBarShadow);
}

COLORREF CORXVisualManager::OnFillTitleStrip(CDC* pDC, CRect rect)
{
    FillSolid(pDC, rect, globalData.clrBarFace);
    Draw3dFrame(pDC, rect, globalData.clrBarHilite, globalData.clrBarShadow);
    return globalData.clrBarText;
}

/////////////////////////////////////////////////////////////////////////////
// Tabs

void CORXVisualManager::OnEraseTabsArea(CDC* pDC, CRect rect, const CORXTabWndInfo* pTabWnd)
{
    FillSolid(pDC, rect, globalData.clrBarFace);
    if (pTabWnd == NULL || !pTabWnd->IsColored() || !pTabWnd->IsColoredStrip())
        return;
    COLORREF clrActive = pTabWnd->GetTabBkColor(pTabWnd->GetActiveTab());
    if (clrActive != (COLORREF)-1)
        FillSolid(pDC, CRect(rect.left, rect.bottom - 2, rect.right, rect.bottom), clrActive);
}

void CORXVisualManager::OnDrawTab(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive,
                                  const CORXTabWndInfo* pTabWnd)
{
    if (pTabWnd == NULL)
        return;
    COLORREF clrBk = pTabWnd->GetTabBkColor(iTab);
    BOOL bBottom = pTabWnd->IsLocationBottom();
    // A trapezoid whose long side lies against the tab area's edge.
    int nSlope = rectTab.Height() / 2;
    POINT pts[4];
    if (bBottom)
    {
        pts[0] = CPoint(rectTab.left, rectTab.top);
        pts[1] = CPoint(rectTab.left + nSlope, rectTab.bottom - 1);
        pts[2] = CPoint(rectTab.right - nSlope, rectTab.bottom - 1);
        pts[3] = CPoint(rectTab.right, rectTab.top);
    }
    else
    {
        pts[0] = CPoint(rectTab.left, rectTab.bottom);
        pts[1] = CPoint(rectTab.left + nSlope, rectTab.top);
        pts[2] = CPoint(rectTab.right - nSlope, rectTab.top);
        pts[3] = CPoint(rectTab.right, rectTab.bottom);
    }
    COLORREF clrFill = clrBk != (COLORREF)-1 && pTabWnd->IsColored()
                           ? clrBk
                           : (bIsActive ? globalData.clrWindow : globalData.clrBarFace);
    HBRUSH hbr = ::CreateSolidBrush(clrFill);
    HPEN hpen = ::CreatePen(PS_SOLID, 1, globalData.clrBarShadow);
    HDC hDC = pDC->GetSafeHdc();
    HGDIOBJ hOldBrush = ::SelectObject(hDC, hbr);
    HGDIOBJ hOldPen = ::SelectObject(hDC, hpen);
    ::Polygon(hDC, pts, 4);
    ::SelectObject(hDC, hOldBrush);
    ::SelectObject(hDC, hOldPen);
    ::DeleteObject(hbr);
    ::DeleteObject(hpen);
    COLORREF clrText = pTabWnd->GetTabTextColor(iTab);
    OnDrawTabContent(pDC, rectTab, iTab, bIsActive, pTabWnd,
                     clrText == (COLORREF)-1 ? globalData.clrBarText : clrText);
}

void CORXVisualManager::OnFillTab(CDC* pDC, CRect rectFill, CBrush* pbrFill, int iTab, BOOL bIsActive,
                                  const CORXTabWndInfo* pTabWnd)
{
    if (pbrFill != NULL)
        ::FillRect(pDC->GetSafeHdc(), &rectFill, (HBRUSH)pbrFill->GetSafeHandle());
}

void CORXVisualManager::OnDrawTabContent(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive,
                                         const CORXTabWndInfo* pTabWnd, COLORREF clrText)
{
    CString strLabel;
    if (pTabWnd == NULL || !pTabWnd->GetTabLabel(iTab, strLabel))
        return;
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF clrOld = pDC->SetTextColor(clrText);
    HGDIOBJ hOldFont = ::SelectObject(
        pDC->GetSafeHdc(), (bIsActive ? globalData.fontBold : globalData.fontRegular).GetSafeHandle());
    UINT uiFormat = DT_SINGLELINE | DT_CENTER | DT_VCENTER | (pTabWnd->IsNoPrefix() ? DT_NOPREFIX : 0);
    ::DrawTextA(pDC->GetSafeHdc(), strLabel, -1, &rectTab, uiFormat);
    ::SelectObject(pDC->GetSafeHdc(), hOldFont);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
}

void CORXVisualManager::OnFillTabButton(CDC* pDC, CRect rect, BOOL bPressed, BOOL bHighlighted,
                                        const CORXTabWndInfo* pTabWnd)
{
    FillSolid(pDC, rect, globalData.clrBarFace);
}

void CORXVisualManager::OnDrawTabButtonBorder(CDC* pDC, CRect& rect, BOOL bPressed, BOOL bHighlighted,
                                              const CORXTabWndInfo* pTabWnd)
{
    if (bPressed)
        Draw3dFrame(pDC, rect, globalData.clrBarDkShadow, globalData.clrBarHilite);
    else
        Draw3dFrame(pDC, rect, globalData.clrBarHilite, globalData.clrBarDkShadow);
    rect.DeflateRect(2, 2);
    if (bPressed)
        rect.OffsetRect(2, 2);
}

void CORXVisualManager::GetTabFrameColors(const CORXTabWndInfo* pTabWnd, COLORREF& clrDark,
                                          COLORREF& clrBlack, COLORREF& clrHighlight, COLORREF& clrFace,
                                          COLORREF& clrDarkShadow, COLORREF& clrLight, CBrush*& pbrFace,
                                          CBrush*& pbrBlack)
{
    clrDark = globalData.clrBarShadow;
    clrBlack = globalData.clrBarText;
    clrHighlight = globalData.clrBarHilite;
    clrFace = globalData.clrBarFace;
    clrDarkShadow = globalData.clrBarDkShadow;
    clrLight = globalData.clrBarLight;
    pbrFace = &globalData.brBarFace;
    pbrBlack = &globalData.brBlack;
    // A tab window without the coloured strip takes no tab's colour, though its tabs have some.
    if (pTabWnd != NULL && pTabWnd->IsColored() && pTabWnd->IsColoredStrip())
    {
        COLORREF clrActive = pTabWnd->GetTabBkColor(pTabWnd->GetActiveTab());
        if (clrActive != (COLORREF)-1)
            clrFace = clrActive;
    }
}

BOOL CORXVisualManager::OnEraseTabsFrame(CDC* pDC, CRect rect, const CORXTabWndInfo* pTabWnd)
{
    if (pTabWnd == NULL || !pTabWnd->IsColored() || !pTabWnd->IsColoredStrip())
        return FALSE;
    COLORREF clrActive = pTabWnd->GetTabBkColor(pTabWnd->GetActiveTab());
    if (clrActive == (COLORREF)-1)
        return FALSE;
    FillSolid(pDC, rect, clrActive);
    return TRUE;
}

COLORREF CORXVisualManager::OnFillCommandsListBackground(CDC* pDC, CRect rect, BOOL bIsSelected)
{
    if (!bIsSelected)
    {
        ::FillRect(pDC->GetSafeHdc(), &rect, (HBRUSH)globalData.brBarFace.GetSafeHandle());
        return globalData.clrBarText;
    }
    ::FillRect(pDC->GetSafeHdc(), &rect, (HBRUSH)globalData.brHilite.GetSafeHandle());
    CRect rectFocus = rect;
    rectFocus.DeflateRect(1, 1);
    pDC->DrawFocusRect(&rectFocus);
    return globalData.clrTextHilite;
}

/////////////////////////////////////////////////////////////////////////////
// Scroll buttons, tasks pane, boxes, controls

void CORXVisualManager::OnFillScrollButtonBackground(CDC* pDC, CRect rect, BOOL bHighlighted, BOOL bPressed)
{
    FillSolid(pDC, rect, globalData.clrBarFace);
}

void CORXVisualManager::OnDrawScrollButtonBorder(CDC* pDC, CRect rect, BOOL bHighlighted, BOOL bPressed)
{
    if (bPressed)
        Draw3dFrame(pDC, rect, globalData.clrBarShadow, globalData.clrBarShadow);
    else
        Draw3dFrame(pDC, rect, globalData.clrBarHilite, globalData.clrBarShadow);
}

void CORXVisualManager::OnDrawScrollButtonArrow(CDC* pDC, CRect rect, BOOL bUp, BOOL bDisabled)
{
    HDC hDC = pDC->GetSafeHdc();
    HPEN hpen = ::CreatePen(PS_SOLID, 1, bDisabled ? globalData.clrGrayedText : globalData.clrBarText);
    HGDIOBJ hOld = ::SelectObject(hDC, hpen);
    int xCenter = rect.CenterPoint().x;
    int yCenter = rect.CenterPoint().y;
    const int nSize = 3;
    for (int i = 0; i <= nSize; i++)
    {
        int y = bUp ? yCenter - nSize / 2 + i : yCenter + nSize / 2 - i;
        ::MoveToEx(hDC, xCenter - i, y, NULL);
        ::LineTo(hDC, xCenter + i + 1, y);
    }
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hpen);
}

void CORXVisualManager::OnFillTasksPaneBackground(CDC* pDC, CRect rectWorkArea)
{
    ::FillRect(pDC->GetSafeHdc(), &rectWorkArea, ::GetSysColorBrush(COLOR_WINDOW));
}

void CORXVisualManager::OnDrawTasksGroupCaption(CDC* pDC, const CORXTasksGroupInfo* pGroup,
                                                BOOL bIsHighlighted, BOOL bUsePadding, BOOL bCanCollapse)
{
    if (pGroup == NULL)
        return;
    CRect rectCaption = pGroup->GetCaptionRect();
    FillSolid(pDC, rectCaption, pGroup->IsSpecial() ? globalData.clrHilite : globalData.clrBarShadow);
    int xText = rectCaption.left + CaptionTextOffset(pGroup);
    HICON hIcon = pGroup->GetIcon();
    CSize sizeIcon = pGroup->GetIconSize();
    if (hIcon != NULL && sizeIcon.cy <= rectCaption.Height())
    {
        ::DrawIconEx(pDC->GetSafeHdc(), rectCaption.left, rectCaption.bottom - sizeIcon.cy, hIcon,
                     sizeIcon.cx, sizeIcon.cy, 0, NULL, DI_NORMAL);
        xText = rectCaption.left + sizeIcon.cx + 10;
    }
    CRect rectText(xText, rectCaption.top, rectCaption.right, rectCaption.bottom);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF clrOld = pDC->SetTextColor(bIsHighlighted ? globalData.clrHotText : globalData.clrTextHilite);
    HGDIOBJ hOldFont = ::SelectObject(pDC->GetSafeHdc(), CaptionFont(pGroup));
    CString strName = pGroup->GetName();
    ::DrawTextA(pDC->GetSafeHdc(), strName, -1, &rectText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    ::SelectObject(pDC->GetSafeHdc(), hOldFont);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
    if (bCanCollapse)
    {
        CSize sizeGlyph = CORXMenuImages::Size();
        CRect rectGlyph(rectCaption.right - sizeGlyph.cx - 6, rectCaption.top, rectCaption.right - 6,
                        rectCaption.bottom);
        DrawGlyphCentered(pDC, rectGlyph,
                          pGroup->IsCollapsed() ? CORXMenuImages::IdArowDown : CORXMenuImages::IdArowUp);
    }
}

void CORXVisualManager::OnDrawTasksGroupFrame(CDC* pDC, CRect rect, BOOL bSpecial)
{
    HDC hDC = pDC->GetSafeHdc();
    HGDIOBJ hOld = ::SelectObject(hDC, globalData.penBarShadow.GetSafeHandle());
    ::MoveToEx(hDC, rect.left, rect.top, NULL);
    ::LineTo(hDC, rect.left, rect.bottom - 1);
    ::LineTo(hDC, rect.right - 1, rect.bottom - 1);
    ::LineTo(hDC, rect.right - 1, rect.top - 1);
    ::SelectObject(hDC, hOld);
}

void CORXVisualManager::OnDrawTask(CDC* pDC, const CORXTaskInfo* pTask, CImageList* pIcons,
                                   BOOL bIsHighlighted, BOOL bIsSelected)
{
    if (pTask == NULL)
        return;
    CRect rect = pTask->GetRect();
    if (pTask->IsSeparator())
    {
        int y = rect.CenterPoint().y;
        FillSolid(pDC, CRect(rect.left, y, rect.right, y + 1), globalData.clrBarShadow);
        return;
    }
    DrawTaskIcon(pDC, pTask, pIcons, rect);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF clrOld = pDC->SetTextColor(!pTask->IsEnabled() ? globalData.clrGrayedText
                                        : bIsHighlighted    ? globalData.clrHotText
                                                            : globalData.clrWindowText);
    HGDIOBJ hOldFont = ::SelectObject(pDC->GetSafeHdc(), TaskFont(pTask, bIsHighlighted));
    CString strName = pTask->GetName();
    ::DrawTextA(pDC->GetSafeHdc(), strName, -1, &rect, DT_SINGLELINE | DT_VCENTER);
    ::SelectObject(pDC->GetSafeHdc(), hOldFont);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
}

int CORXVisualManager::CaptionTextOffset(const CORXTasksGroupInfo* pGroup) const
{
    const int nOffset = pGroup != NULL ? pGroup->GetCaptionTextOffset() : -1;
    return nOffset != -1 ? nOffset : m_nGroupCaptionHorzOffset;
}

int CORXVisualManager::IconToTextSpacing(const CORXTaskInfo* pTask) const
{
    const int nSpacing = pTask != NULL ? pTask->GetIconToTextSpacing() : -1;
    return nSpacing != -1 ? nSpacing : m_nTasksIconHorzOffset;
}

HFONT CORXVisualManager::CaptionFont(const CORXTasksGroupInfo* pGroup)
{
    HFONT hFont = pGroup != NULL ? pGroup->GetCaptionFont() : NULL;
    return hFont != NULL ? hFont : (HFONT)globalData.fontBold.GetSafeHandle();
}

HFONT CORXVisualManager::TaskFont(const CORXTaskInfo* pTask, BOOL bUnderline)
{
    HFONT hFont = pTask != NULL ? pTask->GetTextFont(bUnderline) : NULL;
    if (hFont != NULL)
        return hFont;
    return (HFONT)(bUnderline ? globalData.fontUnderline : globalData.fontRegular).GetSafeHandle();
}

void CORXVisualManager::DrawTaskIcon(CDC* pDC, const CORXTaskInfo* pTask, CImageList* pIcons,
                                     CRect& rect) const
{
    int cxIcon = 0;
    if (HICON hIcon = pTask->GetIcon())
    {
        cxIcon = 16;
        ::DrawIconEx(pDC->GetSafeHdc(), rect.left, rect.top + (rect.Height() - 16) / 2, hIcon, 16, 16, 0,
                     NULL, DI_NORMAL);
    }
    else if (pIcons != NULL && pIcons->GetSafeHandle() != NULL && pTask->GetIconIndex() >= 0)
    {
        int cx = 0, cy = 0;
        if (!::ImageList_GetIconSize(pIcons->GetSafeHandle(), &cx, &cy) || cx <= 0)
            return;
        cxIcon = cx;
        pIcons->Draw(pDC, pTask->GetIconIndex(), CPoint(rect.left, rect.top + (rect.Height() - cy) / 2),
                     ILD_TRANSPARENT);
    }
    if (cxIcon > 0)
        rect.left += cxIcon + IconToTextSpacing(pTask);
}

void CORXVisualManager::OnDrawTasksPaneScrollButton(CDC* pDC, CRect rect, BOOL bUp, BOOL bHighlighted,
                                                    BOOL bPressed, BOOL bDisabled)
{
    FillSolid(pDC, rect, globalData.clrBarFace);
    CORXDrawHelper dh(pDC);
    dh.HighlightRect(rect, -1);
    Draw3dFrame(pDC, rect, globalData.clrBarHilite, globalData.clrBarDkShadow);
    DrawGlyphCentered(pDC, rect,
                      bUp ? (bDisabled ? CORXMenuImages::IdArowUpDisabled : CORXMenuImages::IdArowUp)
                          : (bDisabled ? CORXMenuImages::IdArowDownDsbl : CORXMenuImages::IdArowDown));
}

void CORXVisualManager::OnDrawExpandingBox(CDC* pDC, CRect rect, BOOL bIsOpened, COLORREF colorBox)
{
    Draw3dFrame(pDC, rect, colorBox, colorBox);
    CPoint ptCenter = rect.CenterPoint();
    COLORREF clrSign = ::GetSysColor(COLOR_BTNTEXT);
    FillSolid(pDC, CRect(rect.left + 2, ptCenter.y, rect.right - 2, ptCenter.y + 1), clrSign);
    if (!bIsOpened)
        FillSolid(pDC, CRect(ptCenter.x, rect.top + 2, ptCenter.x + 1, rect.bottom - 2), clrSign);
}

int CORXVisualManager::GetShowAllMenuItemsHeight(CDC* pDC, const CSize& sizeDefault)
{
    return CORXMenuImages::Size().cy + 6;
}

void CORXVisualManager::OnDrawShowAllMenuItems(CDC* pDC, CRect rect, ORXButtonState state)
{
    DrawGlyphCentered(pDC, rect, CORXMenuImages::IdArowShowAll);
}

void CORXVisualManager::OnDrawControlBorder(CWnd* pWndCtrl)
{
    if (pWndCtrl->GetSafeHwnd() == NULL)
        return;
    CWindowDC dc(pWndCtrl);
    CRect rect;
    pWndCtrl->GetWindowRect(rect);
    rect.OffsetRect(-rect.left, -rect.top);
    Draw3dFrame(&dc, rect, globalData.clrBarDkShadow, globalData.clrBarHilite);
}

void CORXVisualManager::OnDrawSpinButtons(CDC* pDC, CRect rectSpin, int nState, BOOL bOrientation,
                                          CWnd* pSpinCtrl)
{
    // Two halves: up (or left) and down (or right), each a face, a frame and a glyph.
    CRect rect[2] = {rectSpin, rectSpin};
    if (!bOrientation)
    {
        rect[0].bottom = rectSpin.top + rectSpin.Height() / 2;
        rect[1].top = rect[0].bottom;
    }
    else
    {
        rect[0].right = rectSpin.left + rectSpin.Width() / 2;
        rect[1].left = rect[0].right;
    }
    BOOL bDisabled = (nState & 16) != 0;
    for (int i = 0; i < 2; i++)
    {
        BOOL bPressed = (nState & (i == 0 ? 1 : 2)) != 0;
        FillSolid(pDC, rect[i], globalData.clrBarFace);
        if (bPressed)
            Draw3dFrame(pDC, rect[i], globalData.clrBarShadow, globalData.clrBarHilite);
        else
            Draw3dFrame(pDC, rect[i], globalData.clrBarHilite, globalData.clrBarShadow);
        int nGlyph;
        if (!bOrientation)
            nGlyph = i == 0 ? (bDisabled ? CORXMenuImages::IdArowUpDisabled : CORXMenuImages::IdArowUp)
                            : (bDisabled ? CORXMenuImages::IdArowDownDsbl : CORXMenuImages::IdArowDown);
        else
            nGlyph = i == 0 ? (bDisabled ? CORXMenuImages::IdArowLeftDsbl : CORXMenuImages::IdArowLeft)
                            : CORXMenuImages::IdArowRight;
        DrawGlyphCentered(pDC, rect[i], nGlyph, bPressed ? 1 : 0);
    }
}

/////////////////////////////////////////////////////////////////////////////
// CORXThemeLibrary

namespace
{
const LPCWSTR kThemeClasses[CORXThemeLibrary::ThemeCount] = {
    L"TOOLBAR",  L"BUTTON",     L"STATUS",   L"WINDOW",    L"REBAR",
    L"COMBOBOX", L"PROGRESS",   L"HEADER",   L"SCROLLBAR", L"EXPLORERBAR",
    L"TREEVIEW", L"STARTPANEL", L"TASKBAND", L"TASKBAR",   L"SPIN"};
}

CORXThemeLibrary::CORXThemeLibrary()
    : m_hThemeToolBar(NULL), m_hThemeButton(NULL), m_hThemeStatusBar(NULL), m_hThemeWindow(NULL),
      m_hThemeRebar(NULL), m_hThemeComboBox(NULL), m_hThemeProgress(NULL), m_hThemeHeader(NULL),
      m_hThemeScrollBar(NULL), m_hThemeExplorerBar(NULL), m_hThemeTree(NULL), m_hThemeStartPanel(NULL),
      m_hThemeTaskBand(NULL), m_hThemeTaskBar(NULL), m_hThemeSpin(NULL), m_hThemeDll(NULL),
      m_pfOpenThemeData(NULL), m_pfCloseThemeData(NULL), m_pfDrawThemeBackground(NULL),
      m_pfGetThemeColor(NULL), m_pfGetThemeSysColor(NULL), m_pfGetCurrentThemeName(NULL),
      m_pfGetWindowTheme(NULL)
{
    m_hThemeDll = ::LoadLibraryA("UxTheme.dll");
    if (m_hThemeDll == NULL)
        return;
    m_pfOpenThemeData = ORXGetProc<PFN_OPENTHEMEDATA>(m_hThemeDll, "OpenThemeData");
    m_pfCloseThemeData = ORXGetProc<PFN_CLOSETHEMEDATA>(m_hThemeDll, "CloseThemeData");
    m_pfDrawThemeBackground = ORXGetProc<PFN_DRAWTHEMEBACKGROUND>(m_hThemeDll, "DrawThemeBackground");
    m_pfGetThemeColor = ORXGetProc<PFN_GETTHEMECOLOR>(m_hThemeDll, "GetThemeColor");
    m_pfGetThemeSysColor = ORXGetProc<PFN_GETTHEMESYSCOLOR>(m_hThemeDll, "GetThemeSysColor");
    m_pfGetCurrentThemeName = ORXGetProc<PFN_GETCURRENTTHEMENAME>(m_hThemeDll, "GetCurrentThemeName");
    m_pfGetWindowTheme = ORXGetProc<PFN_GETWINDOWTHEME>(m_hThemeDll, "GetWindowTheme");
    OpenThemeHandles();
}

CORXThemeLibrary::~CORXThemeLibrary()
{
    CloseThemeHandles();
    if (m_hThemeDll != NULL)
        ::FreeLibrary(m_hThemeDll);
    m_hThemeDll = NULL;
}

void CORXThemeLibrary::CloseThemeHandles()
{
    for (int i = 0; i < ThemeCount; i++)
    {
        if (*Handle(i) != NULL && m_pfCloseThemeData != NULL)
            m_pfCloseThemeData(*Handle(i));
        *Handle(i) = NULL;
    }
}

void CORXThemeLibrary::OpenThemeHandles()
{
    if (m_hThemeDll == NULL || m_pfOpenThemeData == NULL || m_pfCloseThemeData == NULL)
        return;
    CloseThemeHandles();
    CWnd* pMain = AfxGetMainWnd();
    HWND hWnd = pMain != NULL ? pMain->GetSafeHwnd() : NULL;
    for (int i = 0; i < ThemeCount; i++)
        *Handle(i) = m_pfOpenThemeData(hWnd, kThemeClasses[i]);
}

BOOL CORXThemeLibrary::DrawThemedBackground(CDC* pDC, HANDLE hTheme, int nPart, int nState, CRect rect)
{
    if (hTheme == NULL || m_pfDrawThemeBackground == NULL)
        return FALSE;
    return SUCCEEDED(m_pfDrawThemeBackground(hTheme, pDC->GetSafeHdc(), nPart, nState, &rect, NULL));
}

BOOL CORXThemeLibrary::DrawProgress(CDC* pDC, CRect rect, int nCurrent, int nTotal)
{
    if (m_hThemeProgress == NULL)
        return FALSE;
    const int PP_BAR = 1, PP_CHUNK = 3;
    DrawThemedBackground(pDC, m_hThemeProgress, PP_BAR, 0, rect);
    if (nTotal <= 0 || nCurrent <= 0)
        return TRUE;
    CRect rectDone = rect;
    rectDone.DeflateRect(3, 3);
    rectDone.right = rectDone.left + (int)((LONGLONG)rectDone.Width() * std::min(nCurrent, nTotal) / nTotal);
    if (rectDone.Width() > 0)
        DrawThemedBackground(pDC, m_hThemeProgress, PP_CHUNK, 0, rectDone);
    return TRUE;
}

BOOL CORXThemeLibrary::DrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                           BOOL bIsHighlighted)
{
    if (m_hThemeComboBox == NULL)
        return FALSE;
    int nState = bDisabled ? 4 : bIsDropped ? 3 : bIsHighlighted ? 2 : 1;
    DrawThemedBackground(pDC, m_hThemeComboBox, 1, nState, rect);
    return TRUE;
}

BOOL CORXThemeLibrary::DrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                       BOOL bIsHighlighted)
{
    if (m_hThemeDll == NULL || m_hThemeComboBox == NULL)
        return FALSE;
    if (!bIsDropped && !bIsHighlighted)
        return TRUE;
    rect.DeflateRect(1, 1);
    HBRUSH hbr = ::CreateSolidBrush(globalData.clrHilite);
    ::FrameRect(pDC->GetSafeHdc(), &rect, hbr);
    ::DeleteObject(hbr);
    return TRUE;
}
