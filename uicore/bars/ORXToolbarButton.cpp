// CORXToolbarButton: sizing, drawing, storing and copying of a bar item.
#include "ORXToolbarButton.h"

#include "ORXCommandManager.h"
#include "ORXExtrasHooks.h"
#include "ORXGlobalData.h"
#include "ORXToolBar.h"
#include "ORXToolbarImageList.h"
#include "ORXVisualManager.h"

#include <algorithm>

IMPLEMENT_SERIAL(CORXToolbarButton, CObject, VERSIONABLE_SCHEMA | 1)

CLIPFORMAT CORXToolbarButton::m_cFormat = 0;
CString CORXToolbarButton::m_strClipboardFormatName;
CList<UINT, UINT> CORXToolbarButton::m_lstProtectedCommands;
BOOL CORXToolbarButton::m_bWrapText = TRUE;
BOOL CORXToolbarButton::m_bUpdateImages = TRUE;
CString CORXToolbarButton::m_strDummyAmpSeq = _T("\001\001");

CORXToolbarButton* CORXToolbarButton::Clone() const
{
    CObject* pObj = GetRuntimeClass()->CreateObject();
    CORXToolbarButton* pCopy = DYNAMIC_DOWNCAST(CORXToolbarButton, pObj);
    if (pCopy == NULL)
    {
        delete pObj;
        return NULL;
    }
    pCopy->CopyFrom(*this);
    return pCopy;
}

CORXToolbarButton::FaceKind CORXToolbarButton::GetFaceKind() const
{
    return faceToolbar;
}

CORXToolbarButton::CORXToolbarButton()
{
    Initialize();
}

CORXToolbarButton::CORXToolbarButton(UINT uiID, int iImage, LPCTSTR lpszText, BOOL bUserButton, BOOL bLocked)
{
    Initialize();
    m_bLocked = bLocked;
    m_bUserButton = bUserButton;
    m_nID = uiID;
    SetImage(iImage);
    m_strText = lpszText != NULL ? lpszText : _T("");
    if (!m_bLocked && m_nID != 0)
    {
        CORXCommandManager* pMgr = CORXCommandManager::GetCmdMgr();
        if (GetImage() == -1)
        {
            int iCmdImage = pMgr->GetCmdImage(m_nID, m_bUserButton);
            if (m_bUserButton)
                m_iUserImage = iCmdImage;
            else
                m_iImage = iCmdImage;
        }
        else
            pMgr->SetCmdImage(m_nID, GetImage(), m_bUserButton);
    }
}

void CORXToolbarButton::Initialize()
{
    m_bUserButton = FALSE;
    m_nID = 0;
    m_nStyle = 0;
    m_bText = FALSE;
    m_bImage = TRUE;
    m_bWrap = FALSE;
    m_bTextFits = TRUE;
    m_bTextBelow = FALSE;
    m_bDragFromCollection = FALSE;
    m_rect.SetRectEmpty();
    m_iImage = -1;
    m_iUserImage = -1;
    m_bLocked = FALSE;
    m_bIsHidden = FALSE;
    m_sizeText = CSize(0, 0);
    m_bDisableFill = FALSE;
    m_bExtraSize = FALSE;
    m_bHorz = TRUE;
}

CORXToolbarButton::~CORXToolbarButton() {}

CLIPFORMAT CORXToolbarButton::GetClipboardFormat()
{
    if (m_cFormat == 0)
    {
        CString strName = m_strClipboardFormatName;
        // Every program of this kind loads at the same instance address: the process id keeps
        // another program's buttons from being taken for ours.
        if (strName.IsEmpty())
            strName.Format(_T("ORXToolbarButton%lx-%lx"), (long)(LONG_PTR)AfxGetInstanceHandle(),
                           (long)::GetCurrentProcessId());
        m_cFormat = (CLIPFORMAT)::RegisterClipboardFormatA(strName);
    }
    return m_cFormat;
}

void CORXToolbarButton::SetImage(int iImage)
{
    if (m_nStyle & TBBS_SEPARATOR)
    {
        m_iImage = iImage; // a separator's width
        return;
    }
    if (m_bUserButton)
        m_iUserImage = iImage;
    else
        m_iImage = iImage;
    if (!m_bLocked && m_nID != 0)
    {
        CORXCommandManager* pMgr = CORXCommandManager::GetCmdMgr();
        if (iImage == -1)
        {
            m_iImage = pMgr->GetCmdImage(m_nID, FALSE);
            m_iUserImage = pMgr->GetCmdImage(m_nID, TRUE);
            // Without a standard image the button turns to its user image when it has one. An item
            // with neither keeps its flag: turning it would flip the stored flag at every load,
            // and the saved state would never come back the same.
            if (m_iImage == -1 && !m_bUserButton && m_iUserImage >= 0)
                m_bUserButton = TRUE;
        }
        else if (m_bUserButton || m_bUpdateImages)
            pMgr->SetCmdImage(m_nID, iImage, m_bUserButton);
    }
    if (GetImage() < 0)
    {
        m_bImage = FALSE;
        m_bText = TRUE;
    }
}

BOOL CORXToolbarButton::CanBeStored() const
{
    int nID = (int)m_nID;
    if ((m_nID >= 0xE110 && m_nID <= 0xE11F) || (m_nID >= 0xF000 && m_nID <= 0xF1EF) || nID >= 0xFF00 ||
        (m_nID >= 0xE210 && m_nID <= 0xE21F))
        return FALSE;
    if (CORXServices::Find<CORXUserToolsLink>() != NULL &&
        m_nID == CORXServices::Find<CORXUserToolsLink>()->GetToolsEntryCmd())
        return FALSE;
    return m_lstProtectedCommands.Find(m_nID) == NULL;
}

void CORXToolbarButton::ResetImageToDefault()
{
    if (m_bUserButton || (int)m_nID <= 0)
        return;
    if (CORXServices::Find<CORXUserToolsLink>() != NULL &&
        CORXServices::Find<CORXUserToolsLink>()->IsUserToolCmd(m_nID))
        return;
    int iImage = CORXToolBar::GetDefaultImage(m_nID);
    if (iImage >= 0)
    {
        SetImage(iImage);
        return;
    }
    if (m_bImage)
    {
        m_bImage = FALSE;
        m_bText = TRUE;
        if (m_strText.IsEmpty())
        {
            CString strMessage;
            if (strMessage.LoadString(m_nID))
            {
                int iNewLine = strMessage.Find(_T('\n'));
                if (iNewLine >= 0)
                    m_strText = strMessage.Mid(iNewLine + 1);
            }
        }
    }
}

void CORXToolbarButton::CopyFrom(const CORXToolbarButton& src)
{
    m_nID = src.m_nID;
    m_bLocked = src.m_bLocked;
    m_bUserButton = src.m_bUserButton;
    m_nStyle = src.m_nStyle;
    SetImage(src.m_bUserButton ? src.m_iUserImage : src.m_iImage);
    m_strText = src.m_strText;
    m_bText = src.m_bText;
    m_bImage = src.m_bImage;
    m_bWrap = src.m_bWrap;
    m_strTextCustom = src.m_strTextCustom;
    m_bDragFromCollection = FALSE;
}

void CORXToolbarButton::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsLoading())
    {
        int iImage = -1;
        ar >> m_nID;
        ar >> m_nStyle;
        ar >> iImage;
        ar >> m_strText;
        ar >> m_bUserButton;
        ar >> m_bDragFromCollection;
        ar >> m_bText;
        ar >> m_bImage;
        SetImage(iImage);
    }
    else
    {
        ar << m_nID;
        ar << m_nStyle;
        ar << GetImage();
        ar << m_strText;
        ar << m_bUserButton;
        ar << m_bDragFromCollection;
        ar << m_bText;
        ar << m_bImage;
    }
}

namespace
{
// How many button lists are being read inside each other right now.
int s_nListDepth = 0;

struct CListDepth
{
    CListDepth()
    {
        if (s_nListDepth >= CORXToolbarButton::kMaxListDepth)
            AfxThrowArchiveException(CArchiveException::badIndex, NULL);
        s_nListDepth++;
    }
    ~CListDepth() { s_nListDepth--; }
};
} // namespace

void CORXToolbarButton::ReadList(CArchive& ar, CObList& list)
{
    try
    {
        CListDepth depth;
        DWORD nCount = ar.ReadCount();
        // Every entry takes at least its two-byte tag: a count beyond that cannot be sound.
        ar.CheckAvailable((ULONGLONG)nCount * 2);
        for (DWORD i = 0; i < nCount; i++)
        {
            // The class is read here rather than through ReadObject: a reference to an object
            // read before would hand out a button that another list (or this very menu) already
            // owns, and a null tag would leave a hole that opening the menu falls into.
            UINT nSchema = 0;
            DWORD dwTag = 0;
            CRuntimeClass* pClass = ar.ReadClass(RUNTIME_CLASS(CORXToolbarButton), &nSchema, &dwTag);
            if (pClass == NULL)
                AfxThrowArchiveException(CArchiveException::badIndex, NULL);
            CObject* pObj = pClass->CreateObject();
            if (pObj == NULL)
                AfxThrowMemoryException();
            if (!pObj->IsKindOf(RUNTIME_CLASS(CORXToolbarButton)))
            {
                delete pObj;
                AfxThrowArchiveException(CArchiveException::badClass, NULL);
            }
            // Keeps the archive's numbering of objects in step with the writer's.
            ar.MapObject(pObj);
            UINT nSchemaSave = ar.m_nObjectSchema;
            ar.SetObjectSchema(nSchema);
            try
            {
                pObj->Serialize(ar);
            }
            catch (CException*)
            {
                ar.SetObjectSchema(nSchemaSave);
                delete pObj;
                throw;
            }
            ar.SetObjectSchema(nSchemaSave);
            list.AddTail(pObj);
        }
    }
    catch (CException*)
    {
        while (!list.IsEmpty())
            delete list.RemoveHead();
        throw;
    }
}

namespace
{
// No button's archive comes near this; anything bigger is not ours.
const SIZE_T ORX_MAX_DRAG_DATA = 64 * 1024;
} // namespace

CORXToolbarButton* CORXToolbarButton::CreateFromOleData(COleDataObject* pDataObject)
{
    if (pDataObject == NULL || !pDataObject->IsDataAvailable(GetClipboardFormat()))
        return NULL;
    HGLOBAL hGlobal = pDataObject->GetGlobalData(GetClipboardFormat());
    if (hGlobal == NULL)
        return NULL;
    SIZE_T nSize = ::GlobalSize(hGlobal);
    if (nSize == 0 || nSize > ORX_MAX_DRAG_DATA)
    {
        ::GlobalFree(hGlobal);
        return NULL;
    }
    CObject* pObject = NULL;
    try
    {
        CSharedFile file;
        file.SetHandle(hGlobal, FALSE); // the file frees the memory
        CArchive ar(&file, CArchive::load, 4096);
        pObject = ar.ReadObject(RUNTIME_CLASS(CORXToolbarButton));
        ar.Close();
    }
    catch (CException* e)
    {
        e->Delete();
        delete pObject;
        return NULL;
    }
    catch (...)
    {
        delete pObject;
        return NULL;
    }
    CORXToolbarButton* pButton = DYNAMIC_DOWNCAST(CORXToolbarButton, pObject);
    if (pButton == NULL)
        delete pObject;
    return pButton;
}

BOOL CORXToolbarButton::PrepareDrag(COleDataSource& srcItem)
{
    if (!CanBeDragged())
        return FALSE;
    try
    {
        CSharedFile file(GMEM_MOVEABLE | GMEM_SHARE | GMEM_ZEROINIT, 4096);
        {
            CArchive ar(&file, CArchive::store, 4096);
            ar.WriteObject(this);
            ar.Close();
        }
        HGLOBAL hGlobal = file.Detach();
        if (hGlobal == NULL)
            return FALSE;
        srcItem.CacheGlobalData(GetClipboardFormat(), hGlobal);
    }
    catch (CException* e)
    {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

BOOL CORXToolbarButton::CompareWith(const CObject& other) const
{
    return m_nID == ((const CORXToolbarButton&)other).m_nID;
}

void CORXToolbarButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CORXToolBar* pBar = DYNAMIC_DOWNCAST(CORXToolBar, pWndParent);
    m_bExtraSize = pBar != NULL && pBar->IsButtonExtraSizeAvailable();
}

BOOL CORXToolbarButton::ExportToMenuButton(CORXToolbarButton& menuButton) const
{
    CString strText = m_strText;
    if (strText.IsEmpty())
    {
        CString strMessage;
        if (strMessage.LoadString(m_nID))
        {
            int iNewLine = strMessage.Find(_T('\n'));
            if (iNewLine >= 0)
                strText = strMessage.Mid(iNewLine + 1);
        }
    }
    menuButton.m_strText = strText;
    return TRUE;
}

void CORXToolbarButton::EnableWindow(BOOL bEnable)
{
    if (GetHwnd() != NULL)
        ::EnableWindow(GetHwnd(), bEnable);
}

BOOL CORXToolbarButton::IsWindowVisible()
{
    HWND hwnd = GetHwnd();
    return hwnd != NULL && (::GetWindowLong(hwnd, GWL_STYLE) & WS_VISIBLE);
}

BOOL CORXToolbarButton::IsOwnerOf(HWND hwnd)
{
    HWND hwndOwn = GetHwnd();
    return hwndOwn != NULL && hwnd != NULL && (hwnd == hwndOwn || ::IsChild(hwndOwn, hwnd));
}

BOOL CORXToolbarButton::HasFocus() const
{
    HWND hwndOwn = ((CORXToolbarButton*)this)->GetHwnd();
    HWND hwndFocus = ::GetFocus();
    return hwndOwn != NULL && hwndFocus != NULL && (hwndFocus == hwndOwn || ::IsChild(hwndOwn, hwndFocus));
}

BOOL CORXToolbarButton::OnToolHitTest(const CWnd* pWnd, TOOLINFO* pTI)
{
    CORXFrameHooks* pHooks = ORXFrameOffer<CORXFrameHooks>(ORXFindHooksFrame((CWnd*)pWnd));
    return pHooks != NULL ? pHooks->OnButtonToolHitTest(this, pTI) : FALSE;
}

CString CORXToolbarButton::StripMnemonics(const CString& strText)
{
    CString str = strText;
    str.Replace(_T("&&"), m_strDummyAmpSeq);
    str.Remove(_T('&'));
    str.Replace(m_strDummyAmpSeq, _T("&"));
    return str;
}

void CORXToolbarButton::FillInterior(CDC* pDC, const CRect& rect, BOOL bHighlight)
{
    if (m_bDisableFill)
        return;
    CORXVisualManager::ORXButtonState state = CORXVisualManager::ButtonsIsRegular;
    if (bHighlight)
        state = CORXVisualManager::ButtonsIsHighlighted;
    else if (m_nStyle & (TBBS_PRESSED | TBBS_CHECKED))
        state = CORXVisualManager::ButtonsIsPressed;
    CORXVisualManager::GetInstance()->OnFillButtonInterior(pDC, this, rect, state);
}

SIZE CORXToolbarButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    CSize size = sizeDefault;
    if (m_nStyle & TBBS_SEPARATOR)
    {
        if (bHorz)
            size.cx = m_iImage > 0 ? m_iImage : 8;
        else
            size.cy = 8;
        return size;
    }
    if (!m_bImage || GetImage() < 0)
    {
        CSize sizeExtra =
            m_bExtraSize ? CORXVisualManager::GetInstance()->GetButtonExtraBorder() : CSize(0, 0);
        if (bHorz)
            size.cx = sizeExtra.cx;
        else
            size.cy = sizeExtra.cy;
    }
    m_sizeText = CSize(0, 0);
    if (!m_strText.IsEmpty())
    {
        if (m_bTextBelow && bHorz)
        {
            CSize sizeImage = CORXToolBar::GetImageSizeInForce();
            CRect rectText(0, 0, sizeImage.cx * 3, sizeDefault.cy);
            UINT uiFormat = DT_CALCRECT | DT_CENTER | (m_bWrapText ? DT_WORDBREAK : 0);
            ::DrawTextA(pDC->GetSafeHdc(), m_strText, -1, &rectText, uiFormat);
            m_sizeText = CSize(rectText.Width() + 6, rectText.Height());
            size.cx = std::max(size.cx, m_sizeText.cx);
            size.cy = size.cy + m_sizeText.cy + globalData.m_nTextBelowSpacing;
            size.cx += 12;
        }
        else if (m_bText)
        {
            CString strLabel = StripMnemonics(m_strText);
            SIZE sizeLabel = {0, 0};
            ::GetTextExtentPoint32A(pDC->GetSafeHdc(), strLabel, strLabel.GetLength(), &sizeLabel);
            if (bHorz)
                size.cx += sizeLabel.cx + 9;
            else
                size.cy += sizeLabel.cx + 9;
        }
    }
    return size;
}

CString CORXToolbarButton::GetFittingLabel(CDC* pDC, const CString& strLabel, int nWidth) const
{
    if (m_bTextFits || pDC == NULL)
        return strLabel;
    // Measured as DrawText shows it: a mnemonic takes no room.
    auto Width = [pDC](const CString& strText) {
        CRect rect(0, 0, 0, 0);
        ::DrawTextA(pDC->GetSafeHdc(), strText, -1, &rect, DT_SINGLELINE | DT_CALCRECT);
        return rect.Width();
    };
    CString strShown = strLabel;
    while (!strShown.IsEmpty() && Width(strShown + _T("...")) > nWidth)
    {
        strShown = strShown.Left(strShown.GetLength() - 1);
        // A mnemonic ampersand left at the end would underline the dots.
        int nAmpersands = 0;
        for (int i = strShown.GetLength() - 1; i >= 0 && strShown[i] == _T('&'); i--)
            nAmpersands++;
        if (nAmpersands % 2 == 1)
            strShown = strShown.Left(strShown.GetLength() - 1);
    }
    return strShown + _T("...");
}

void CORXToolbarButton::OnDraw(CDC* pDC, const CRect& rect, CORXToolbarImageList* pImages, BOOL bHorz,
                               BOOL bCustomizeMode, BOOL bHighlight, BOOL bDrawBorder,
                               BOOL bGrayDisabledButtons)
{
    m_bHorz = bHorz;
    FillInterior(pDC, rect, bHighlight);
    CORXVisualManager* pLook = CORXVisualManager::GetInstance();

    CSize sizeImage = CORXToolBar::GetImageSizeInForce();
    if (pImages != NULL)
    {
        CSize sizeDrawn = pImages->GetDrawingSize();
        sizeImage = (sizeDrawn.cx > 0 && sizeDrawn.cy > 0) ? sizeDrawn : CSize(pImages->GetImageSize());
    }
    CSize sizeExtra = m_bExtraSize ? pLook->GetButtonExtraBorder() : CSize(0, 0);
    CSize sizeArea = sizeImage + sizeExtra;

    BOOL bPressed = (m_nStyle & (TBBS_PRESSED | TBBS_CHECKED)) != 0;
    int nShift = (m_nStyle & TBBS_PRESSED) ? 1 : 0;
    BOOL bHasImage = m_bImage && GetImage() >= 0;
    BOOL bDrawText = (m_bText || !bHasImage || m_bTextBelow) && !m_strText.IsEmpty();

    // The image area: centred in the button, or at the start when a label follows, or at the top
    // when the label is below it.
    CRect rectImage = rect;
    if (m_bTextBelow && bHorz)
        rectImage.bottom = rectImage.top + sizeArea.cy + 2;
    else if (bDrawText && bHasImage)
    {
        if (bHorz)
            rectImage.right = rectImage.left + sizeArea.cx + 6;
        else
            rectImage.bottom = rectImage.top + sizeArea.cy + 6;
    }
    int x = rectImage.left + (rectImage.Width() - sizeImage.cx) / 2 + nShift;
    int y = rectImage.top + (rectImage.Height() - sizeImage.cy) / 2 + nShift;

    if (CORXServices::Find<CORXUserToolsLink>() != NULL &&
        CORXServices::Find<CORXUserToolsLink>()->IsUserToolCmd(m_nID))
    {
        CORXServices::Find<CORXUserToolsLink>()->DrawToolIcon(m_nID, pDC, rectImage);
    }
    else if (bHasImage && pImages != NULL)
    {
        BOOL bDisabled = (m_nStyle & TBBS_DISABLED) != 0;
        if (pLook->IsShadowHighlightedImage() && bHighlight &&
            !(m_nStyle & (TBBS_CHECKED | TBBS_PRESSED | TBBS_DISABLED)))
        {
            pImages->Draw(pDC, x, y, GetImage(), FALSE, FALSE, FALSE, TRUE);
            pImages->Draw(pDC, x - 1, y - 1, GetImage());
        }
        else
        {
            pImages->Draw(
                pDC, x, y, GetImage(), FALSE, bDisabled && !(m_nStyle & TBBS_PRESSED) && bGrayDisabledButtons,
                (m_nStyle & TBBS_INDETERMINATE) != 0, FALSE, !bHighlight && pLook->IsFadeInactiveImage());
        }
    }

    if (bDrawText)
    {
        CORXVisualManager::ORXButtonState state = bHighlight ? CORXVisualManager::ButtonsIsHighlighted
                                                  : bPressed ? CORXVisualManager::ButtonsIsPressed
                                                             : CORXVisualManager::ButtonsIsRegular;
        COLORREF clrText = pLook->GetToolbarButtonTextColor(this, state);
        COLORREF clrOld = pDC->SetTextColor(clrText);
        int nOldMode = pDC->SetBkMode(TRANSPARENT);
        CRect rectText = rect;
        UINT uiFormat;
        if (m_bTextBelow && bHorz)
        {
            rectText.top = rectImage.bottom + globalData.m_nTextBelowSpacing / 2;
            uiFormat = DT_CENTER | (m_bWrapText ? DT_WORDBREAK : DT_SINGLELINE);
        }
        else
        {
            if (bHasImage)
            {
                if (bHorz)
                    rectText.left = rectImage.right;
                else
                    rectText.top = rectImage.bottom;
            }
            else if (bHorz)
                rectText.left += 4;
            uiFormat = DT_SINGLELINE | DT_VCENTER | (bHasImage ? DT_LEFT : DT_CENTER);
        }
        rectText.OffsetRect(nShift, nShift);
        if (bHorz)
        {
            CString strLabel =
                (uiFormat & DT_SINGLELINE) ? GetFittingLabel(pDC, m_strText, rectText.Width()) : m_strText;
            ::DrawTextA(pDC->GetSafeHdc(), strLabel, -1, &rectText, uiFormat);
        }
        else
        {
            // The vertical font runs downwards from the right edge of the text box.
            CString strLabel = StripMnemonics(m_strText);
            SIZE sizeLabel = {0, 0};
            ::GetTextExtentPoint32A(pDC->GetSafeHdc(), strLabel, strLabel.GetLength(), &sizeLabel);
            int xText = rectText.left + (rectText.Width() + sizeLabel.cy) / 2;
            ::TextOutA(pDC->GetSafeHdc(), xText, rectText.top + 4, strLabel, strLabel.GetLength());
        }
        pDC->SetBkMode(nOldMode);
        pDC->SetTextColor(clrOld);
    }

    if (bDrawBorder && !bCustomizeMode && HasBorder())
    {
        CORXVisualManager::ORXButtonState state = CORXVisualManager::ButtonsIsRegular;
        if (bPressed)
            state = CORXVisualManager::ButtonsIsPressed;
        else if (bHighlight)
            state = CORXVisualManager::ButtonsIsHighlighted;
        pLook->OnDrawButtonBorder(pDC, this, rect, state);
    }
}

int CORXToolbarButton::OnDrawOnCustomizeList(CDC* pDC, const CRect& rect, BOOL bSelected)
{
    CORXVisualManager* pLook = CORXVisualManager::GetInstance();
    COLORREF clrText = pLook->OnFillCommandsListBackground(pDC, rect, bSelected);

    // The command's image in a column at the left, at its size in menus: a user tool's icon, else
    // the user or the standard image as the button's flag says. The list that shows the row puts
    // the row's own text into the button for the drawing.
    const CSize sizeImage = CORXToolBar::GetMenuImageSize();
    CRect rectImage = rect;
    rectImage.right = rect.left + sizeImage.cx + 2 * pLook->GetMenuImageMargin();
    CORXUserToolsLink* pTools = CORXServices::Find<CORXUserToolsLink>();
    const int iImage = GetImage();
    if (pTools != NULL && m_nID != 0 && m_nID != (UINT)-1 && pTools->IsUserToolCmd(m_nID))
        pTools->DrawToolIcon(m_nID, pDC, rectImage);
    else if (iImage >= 0 && !(m_nStyle & TBBS_SEPARATOR))
    {
        CORXToolbarImageList* pImages =
            m_bUserButton ? CORXToolBar::GetUserImages() : &CORXToolBar::GetImages();
        CORXDrawState ds;
        if (pImages != NULL && iImage < pImages->GetCount() && pImages->PrepareDrawImage(ds, sizeImage))
        {
            pImages->Draw(pDC, rectImage.left + (rectImage.Width() - sizeImage.cx) / 2,
                          rectImage.top + (rectImage.Height() - sizeImage.cy) / 2, iImage);
            pImages->EndDrawImage(ds);
        }
    }

    CString strText = StripMnemonics(m_strText);
    int iTab = strText.Find(_T('\t'));
    if (iTab >= 0)
        strText = strText.Left(iTab);
    CRect rectText = rect;
    rectText.left = rectImage.right + 4;
    COLORREF clrOld = pDC->SetTextColor(clrText);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    ::DrawTextA(pDC->GetSafeHdc(), strText, -1, &rectText, DT_SINGLELINE | DT_VCENTER);
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(clrOld);
    return rect.Width();
}
