// Menu buttons: the sub-menu as buttons, its conversion to and from menu handles, opening the
// pop-up menu in the right place, and drawing as a tool-bar button or as a menu item.
#include "ORXToolbarMenuButton.h"

#include "ORXCmdUsage.h"
#include "ORXCommandManager.h"
#include "ORXDrawHelper.h"
#include "ORXExtrasHooks.h"
#include "ORXServices.h"
#include "ORXGlobalData.h"
#include "ORXMenuBar.h"
#include "ORXPopupMenu.h"
#include "ORXPopupMenuBar.h"
#include "ORXTearOffManager.h"
#include "ORXToolBar.h"
#include "ORXToolbarImageList.h"
#include "ORXVisualManager.h"
#include "ORXWorkspaceBase.h"

#include <algorithm>

IMPLEMENT_SERIAL(CORXToolbarMenuButton, CORXToolbarButton, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_DYNCREATE(CORXShowAllButton, CORXToolbarMenuButton)

namespace
{
class CMenuButtonMaker : public CORXMenuButtonMaker
{
public:
    CMenuButtonMaker() { CORXServices::Register<CORXMenuButtonMaker>(this); }
    ~CMenuButtonMaker() { CORXServices::Unregister<CORXMenuButtonMaker>(this); }
    virtual CORXToolbarButton* CreateMenuButton() { return new CORXToolbarMenuButton; }
} s_menuButtonMaker;

const int kArrowGlyph = 9;          // the menu arrow glyph is 9 x 9
const UINT kIdsMoreButtons = 16026; // the chevron's default text
const UINT kIdsExpandMenu = 16025;  // the show-all item's tip

BOOL IsSystemCommand(UINT uiCmd)
{
    return uiCmd >= 0xF000 && uiCmd < 0xF1F0;
}

// A user tool's icon as a disabled item shows it: drawn apart on a key colour, greyed there as
// disabled true-colour images are, and copied without the key onto the item.
BOOL DrawDisabledToolIcon(CORXUserToolsLink* pTools, UINT uiCmd, CDC* pDC, const CRect& rect)
{
    const COLORREF clrKey = RGB(255, 0, 255);
    const int cx = rect.Width();
    const int cy = rect.Height();
    if (cx <= 0 || cy <= 0)
        return FALSE;
    CDC dcMem;
    CBitmap bmp;
    if (!dcMem.CreateCompatibleDC(pDC) || !bmp.CreateCompatibleBitmap(pDC, cx, cy))
        return FALSE;
    CBitmap* pOld = dcMem.SelectObject(&bmp);
    const CRect rectMem(0, 0, cx, cy);
    dcMem.FillSolidRect(rectMem, clrKey);
    BOOL bDrawn = pTools->DrawToolIcon(uiCmd, &dcMem, rectMem);
    if (bDrawn)
    {
        CORXDrawHelper(&dcMem).GrayRect(rectMem, -1, clrKey);
        bDrawn = ::TransparentBlt(pDC->GetSafeHdc(), rect.left, rect.top, cx, cy, dcMem.GetSafeHdc(), 0, 0,
                                  cx, cy, clrKey);
    }
    dcMem.SelectObject(pOld);
    return bDrawn;
}
} // namespace

CORXToolbarMenuButton::CORXToolbarMenuButton()
    : m_bDrawDownArrow(FALSE), m_bMenuMode(FALSE), m_pPopupMenu(NULL), m_pWndParent(NULL), m_bDefault(FALSE),
      m_bClickedOnMenu(FALSE), m_bHorzMenu(TRUE), m_bToBeClosed(FALSE), m_bMenuOnly(FALSE),
      m_uiTearOffBarID(0), m_bIsRadio(FALSE), m_pWndMessage(NULL), m_bOpenToRight(FALSE)
{
}

CORXToolbarMenuButton::CORXToolbarMenuButton(UINT uiID, HMENU hMenu, int iImage, LPCTSTR lpszText,
                                             BOOL bUserButton)
    : CORXToolbarButton(uiID, iImage, lpszText, bUserButton), m_bDrawDownArrow(FALSE), m_bMenuMode(FALSE),
      m_pPopupMenu(NULL), m_pWndParent(NULL), m_bDefault(FALSE), m_bClickedOnMenu(FALSE), m_bHorzMenu(TRUE),
      m_bToBeClosed(FALSE), m_bMenuOnly(FALSE), m_uiTearOffBarID(0), m_bIsRadio(FALSE), m_pWndMessage(NULL),
      m_bOpenToRight(FALSE)
{
    CreateFromMenu(hMenu);
}

CORXToolbarMenuButton::~CORXToolbarMenuButton()
{
    if (m_pPopupMenu != NULL)
        m_pPopupMenu->m_pParentBtn = NULL;
    RemoveAllItems();
    CORXTearOffManager* pTearOffs = ORXTearOffManager();
    if (m_uiTearOffBarID != 0 && pTearOffs != NULL)
        pTearOffs->SetInUse(m_uiTearOffBarID, FALSE);
}

void CORXToolbarMenuButton::RemoveAllItems()
{
    while (!m_listCommands.IsEmpty())
        delete (CORXToolbarButton*)m_listCommands.RemoveHead();
}

/////////////////////////////////////////////////////////////////////////////
// Menu handles

void CORXToolbarMenuButton::CreateFromMenu(HMENU hMenu)
{
    RemoveAllItems();
    if (hMenu == NULL || !::IsMenu(hMenu))
        return;
    UINT uiDefault = ::GetMenuDefaultItem(hMenu, FALSE, GMDI_USEDISABLED);
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
    {
        char szText[256] = {};
        ::GetMenuStringA(hMenu, i, szText, sizeof(szText), MF_BYPOSITION);
        CString strText = szText;
        UINT uiID = ::GetMenuItemID(hMenu, i);
        UINT uiState = ::GetMenuState(hMenu, i, MF_BYPOSITION);
        CORXToolbarMenuButton* pItem = new CORXToolbarMenuButton;
        if (uiID == (UINT)-1)
        {
            CORXTearOffManager* pTearOffs = ORXTearOffManager();
            UINT uiTearOff = pTearOffs != NULL ? pTearOffs->Parse(strText) : 0;
            pItem->m_nID = (UINT)-1;
            pItem->m_strText = strText;
            pItem->SetTearOff(uiTearOff);
            pItem->CreateFromMenu(::GetSubMenu(hMenu, i));
        }
        else
        {
            pItem->m_nID = uiID;
            pItem->m_strText = strText;
            if (uiID != 0 && uiID == uiDefault)
                pItem->m_bDefault = TRUE;
        }
        if (uiState & MF_MENUBREAK)
            pItem->m_nStyle |= TBBS_BREAK;
        // The image and label flags as loading the item would set them: a menu saved as it was
        // built comes back with the same bytes.
        pItem->SetImage(-1);
        m_listCommands.AddTail(pItem);
    }
}

HMENU CORXToolbarMenuButton::CreateMenu() const
{
    if (m_listCommands.IsEmpty() && m_nID != 0 && m_nID != (UINT)-1 && !m_bMenuOnly)
        return NULL;
    HMENU hMenu = ::CreatePopupMenu();
    if (hMenu == NULL)
        return NULL;
    UINT uiDefault = (UINT)-1;
    for (POSITION pos = m_listCommands.GetHeadPosition(); pos != NULL;)
    {
        CORXToolbarButton* pItem = (CORXToolbarButton*)m_listCommands.GetNext(pos);
        if (pItem == NULL)
            continue;
        CORXToolbarMenuButton* pMenuItem = DYNAMIC_DOWNCAST(CORXToolbarMenuButton, pItem);
        UINT uiFlags = (pItem->m_nStyle & TBBS_BREAK) ? MF_MENUBREAK : 0;
        BOOL bOk;
        if (pItem->m_nID == 0 || (pItem->m_nStyle & TBBS_SEPARATOR))
            bOk = ::AppendMenuA(hMenu, MF_SEPARATOR | uiFlags, 0, NULL);
        else if (pMenuItem != NULL && pMenuItem->m_nID == (UINT)-1)
        {
            if (pMenuItem->IsTearOffMenu())
                uiFlags |= MF_MENUBARBREAK;
            HMENU hSub = pMenuItem->CreateMenu();
            CString strText = pMenuItem->m_strText;
            if (pMenuItem->m_uiTearOffBarID != 0 && ORXTearOffManager() != NULL)
                CORXTearOffManager::Build(pMenuItem->m_uiTearOffBarID, strText);
            bOk = hSub != NULL && ::AppendMenuA(hMenu, MF_POPUP | uiFlags, (UINT_PTR)hSub, strText);
            if (!bOk && hSub != NULL)
                ::DestroyMenu(hSub);
        }
        else
        {
            bOk = ::AppendMenuA(hMenu, MF_STRING | uiFlags, pItem->m_nID, pItem->m_strText);
            if (pMenuItem != NULL && pMenuItem->m_bDefault)
                uiDefault = pItem->m_nID;
        }
        if (!bOk)
        {
            ::DestroyMenu(hMenu);
            return NULL;
        }
    }
    if (uiDefault != (UINT)-1)
        ::SetMenuDefaultItem(hMenu, uiDefault, FALSE);
    return hMenu;
}

CORXPopupMenu* CORXToolbarMenuButton::CreatePopupMenu()
{
    return new CORXPopupMenu;
}

void CORXToolbarMenuButton::SetTearOff(UINT uiBarID)
{
    if (m_uiTearOffBarID == uiBarID)
        return;
    CORXTearOffManager* pTearOffs = ORXTearOffManager();
    if (pTearOffs != NULL)
    {
        if (m_uiTearOffBarID != 0)
            pTearOffs->SetInUse(m_uiTearOffBarID, FALSE);
        if (uiBarID != 0)
            pTearOffs->SetInUse(uiBarID, TRUE);
    }
    m_uiTearOffBarID = uiBarID;
}

/////////////////////////////////////////////////////////////////////////////
// Opening

BOOL CORXToolbarMenuButton::OpenPopupMenu(CWnd* pWnd)
{
    if (m_pPopupMenu != NULL)
        return FALSE;
    if (pWnd == NULL)
        pWnd = m_pWndParent;
    if (pWnd == NULL)
        return FALSE;
    HMENU hMenu = CreateMenu();
    if (hMenu == NULL && !IsEmptyMenuAllowed())
        return FALSE;
    m_pPopupMenu = CreatePopupMenu();
    if (m_pPopupMenu == NULL)
    {
        if (hMenu != NULL)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    if (m_pPopupMenu->GetMenuItemCount() > 0 && hMenu != NULL)
    {
        ::DestroyMenu(hMenu);
        hMenu = NULL;
    }

    CRect rect = m_rect;
    CPoint point;
    int nDrop;
    CORXPopupMenuBar* pParentMenuBar = DYNAMIC_DOWNCAST(CORXPopupMenuBar, m_pWndParent);
    if (pParentMenuBar != NULL)
    {
        CRect rectBar;
        pParentMenuBar->GetWindowRect(rectBar);
        if (pParentMenuBar->GetExStyle() & WS_EX_LAYOUTRTL)
        {
            point = CPoint(rectBar.left - 1, 0);
            nDrop = CORXPopupMenu::DROP_DIRECTION_LEFT;
        }
        else
        {
            point = CPoint(rectBar.right + 1, 0);
            nDrop = CORXPopupMenu::DROP_DIRECTION_RIGHT;
        }
        CPoint ptTop(0, rect.top - 2);
        pParentMenuBar->ClientToScreen(&ptTop);
        point.y = ptTop.y;
    }
    else
    {
        CControlBar* pBar = DYNAMIC_DOWNCAST(CControlBar, m_pWndParent);
        BOOL bSideMenuBar = pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(CORXMenuBar)) &&
                            !(pBar->GetBarStyle() & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM));
        if (bSideMenuBar)
        {
            point = CPoint(rect.right, rect.top);
            nDrop = CORXPopupMenu::DROP_DIRECTION_RIGHT;
        }
        else
        {
            nDrop = CORXPopupMenu::DROP_DIRECTION_BOTTOM;
            if (m_bOpenToRight)
                point = CPoint(rect.right - 2, rect.top);
            else if (m_pPopupMenu->IsRightAlign())
                point = CPoint(rect.right - 2, rect.bottom - 1);
            else
                point = CPoint(rect.left, rect.bottom - 1);
        }
        pWnd->ClientToScreen(&point);
    }

    m_pPopupMenu->SetParentButton(this, nDrop);
    CORXPopupMenu* pMenu = m_pPopupMenu;
    if (!pMenu->Create(pWnd, point.x, point.y, hMenu, FALSE, FALSE))
    {
        // A failed creation leaves the object to us.
        if (m_pPopupMenu == pMenu)
            m_pPopupMenu = NULL;
        pMenu->SetParentButton(NULL, pMenu->GetDropDirection());
        delete pMenu;
        return FALSE;
    }
    if (m_pWndMessage != NULL)
        m_pPopupMenu->SetMessageWnd(m_pWndMessage);
    else
    {
        CORXPopupMenu* pParentMenu = DYNAMIC_DOWNCAST(CORXPopupMenu, pWnd->GetParent());
        if (pParentMenu != NULL && pParentMenu->GetMessageWnd() != NULL)
            m_pPopupMenu->SetMessageWnd(pParentMenu->GetMessageWnd());
    }
    return TRUE;
}

int CORXToolbarMenuButton::GetArrowExtent() const
{
    return kArrowGlyph * (CORXToolBar::IsLargeIcons() ? 2 : 1) - 1;
}

BOOL CORXToolbarMenuButton::OnClick(CWnd* pWnd, BOOL bDelay)
{
    m_bClickedOnMenu = FALSE;
    BOOL bHasCommand = m_nID != 0 && m_nID != (UINT)-1;
    if (m_bDrawDownArrow && !m_bMenuMode && !bDelay && bHasCommand && pWnd != NULL)
    {
        // A click is judged where it happened: the pointer may have moved on since.
        CPoint ptCursor;
        const MSG* pMsg = CWnd::GetCurrentMessage();
        if (pMsg != NULL && pMsg->hwnd == pWnd->GetSafeHwnd() &&
            (pMsg->message == WM_LBUTTONDOWN || pMsg->message == WM_LBUTTONUP ||
             pMsg->message == WM_LBUTTONDBLCLK))
            ptCursor = CPoint((short)LOWORD(pMsg->lParam), (short)HIWORD(pMsg->lParam));
        else
        {
            ::GetCursorPos(&ptCursor);
            pWnd->ScreenToClient(&ptCursor);
        }
        CRect rectArrow = m_rect;
        CSize sizeExtra =
            m_bExtraSize ? CORXVisualManager::GetInstance()->GetButtonExtraBorder() : CSize(0, 0);
        int nArrow = kArrowGlyph * (CORXToolBar::IsLargeIcons() ? 2 : 1);
        if (m_bHorz)
            rectArrow.left = rectArrow.right - nArrow - sizeExtra.cx - 2;
        else
            rectArrow.top = rectArrow.bottom - nArrow - sizeExtra.cy - 2;
        if (!rectArrow.PtInRect(ptCursor))
            return FALSE;
        m_bClickedOnMenu = TRUE;
    }
    else if (!m_bDrawDownArrow || !bHasCommand)
        m_bClickedOnMenu = TRUE;

    if (bHasCommand && !m_bClickedOnMenu && !m_bDrawDownArrow && !m_bMenuOnly)
        return FALSE;
    if (bHasCommand && !m_bDrawDownArrow && !m_bMenuOnly && m_listCommands.IsEmpty())
        return FALSE;

    CORXPopupMenuBar* pMenuBar = DYNAMIC_DOWNCAST(CORXPopupMenuBar, m_pWndParent);
    if (m_pPopupMenu != NULL)
    {
        CORXPopupMenu* pMenu = m_pPopupMenu;
        m_pPopupMenu = NULL;
        pMenu->m_pParentBtn = NULL;
        if (pMenu->GetSafeHwnd() != NULL)
            pMenu->SendMessage(WM_CLOSE);
    }
    else if (pMenuBar != NULL && bDelay && !CORXToolBar::IsCustomizeMode())
        pMenuBar->StartPopupMenuTimer(this);
    else
    {
        // On a menu bar the menu takes the place of what was dropped there (a palette).
        CORXMenuBar* pBar = DYNAMIC_DOWNCAST(CORXMenuBar, m_pWndParent);
        CORXToolbarButton* pDropped = pBar != NULL ? pBar->GetDroppedDownButton() : NULL;
        if (pDropped != NULL && pDropped != this)
            pDropped->OnCancelMode();
        if (!OpenPopupMenu(pWnd))
            return FALSE;
    }
    RedrawInParent();
    return TRUE;
}

void CORXToolbarMenuButton::RedrawInParent()
{
    if (m_pWndParent == NULL || m_pWndParent->GetSafeHwnd() == NULL)
        return;
    CRect rect = m_rect;
    int nMargin = CORXVisualManager::GetInstance()->GetMenuImageMargin();
    rect.InflateRect(nMargin, nMargin);
    m_pWndParent->RedrawWindow(rect, NULL, RDW_INVALIDATE | RDW_FRAME);
}

void CORXToolbarMenuButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CORXToolbarButton::OnChangeParentWnd(pWndParent);
    BOOL bHasCommand = m_nID != 0 && m_nID != (UINT)-1;
    if (pWndParent != NULL && pWndParent->IsKindOf(RUNTIME_CLASS(CORXPopupMenuBar)))
    {
        m_bMenuMode = TRUE;
        m_bText = TRUE;
        m_bImage = FALSE;
        m_bDrawDownArrow = !bHasCommand || !m_listCommands.IsEmpty();
    }
    else
    {
        m_bMenuMode = FALSE;
        CORXMenuBar* pMenuBar = DYNAMIC_DOWNCAST(CORXMenuBar, pWndParent);
        if (pMenuBar != NULL)
        {
            m_bText = TRUE;
            m_bImage = FALSE;
            m_bDrawDownArrow = (bHasCommand && !m_listCommands.IsEmpty()) || pMenuBar->m_bMenuButtonArrows;
        }
        else if (pWndParent != NULL)
            m_bDrawDownArrow = !bHasCommand || !m_listCommands.IsEmpty();
    }
    m_pWndParent = pWndParent;
}

void CORXToolbarMenuButton::OnCancelMode()
{
    if (m_pPopupMenu != NULL && ::IsWindow(m_pPopupMenu->GetSafeHwnd()) && !m_pPopupMenu->InCommand())
    {
        CORXPopupMenuBar* pBar = m_pPopupMenu->GetMenuBar();
        for (int i = 0; i < pBar->GetCount(); i++)
        {
            CORXToolbarButton* pItem = pBar->GetButton(i);
            if (pItem != NULL)
                pItem->OnCancelMode();
        }
        CORXPopupMenu* pMenu = m_pPopupMenu;
        pMenu->m_pParentBtn = NULL;
        m_pPopupMenu = NULL;
        pMenu->SendMessage(WM_CLOSE);
    }
    m_pPopupMenu = NULL;
    m_bToBeClosed = FALSE;
    RedrawInParent();
}

BOOL CORXToolbarMenuButton::IsDroppedDown() const
{
    return m_pPopupMenu != NULL && m_pPopupMenu->GetSafeHwnd() != NULL;
}

CWnd* CORXToolbarMenuButton::GetDroppedMenuWnd() const
{
    return IsDroppedDown() ? m_pPopupMenu : NULL;
}

int CORXToolbarMenuButton::SwitchMenuAnimation(int nKind) const
{
    int nOld = CORXPopupMenu::GetAnimationType();
    CORXPopupMenu::SetAnimationType(nKind);
    return nOld;
}

void CORXToolbarMenuButton::ResetImageToDefault()
{
    CORXToolbarButton::ResetImageToDefault();
    for (POSITION pos = m_listCommands.GetHeadPosition(); pos != NULL;)
        ((CORXToolbarButton*)m_listCommands.GetNext(pos))->ResetImageToDefault();
}

BOOL CORXToolbarMenuButton::CompareWith(const CObject& other) const
{
    const CORXToolbarMenuButton* pOther = DYNAMIC_DOWNCAST(CORXToolbarMenuButton, (CObject*)&other);
    if (pOther == NULL || pOther->m_nID != m_nID ||
        pOther->m_listCommands.GetCount() != m_listCommands.GetCount())
        return FALSE;
    POSITION posOther = pOther->m_listCommands.GetHeadPosition();
    for (POSITION pos = m_listCommands.GetHeadPosition(); pos != NULL;)
    {
        CORXToolbarButton* pItem = (CORXToolbarButton*)m_listCommands.GetNext(pos);
        CORXToolbarButton* pOtherItem = (CORXToolbarButton*)pOther->m_listCommands.GetNext(posOther);
        if (!pItem->CompareWith(*pOtherItem))
            return FALSE;
    }
    return TRUE;
}

void CORXToolbarMenuButton::SetRadio()
{
    m_bIsRadio = TRUE;
    RedrawInParent();
}

int CORXToolbarMenuButton::OnDrawOnCustomizeList(CDC* pDC, const CRect& rect, BOOL bSelected)
{
    int nWidth = CORXToolbarButton::OnDrawOnCustomizeList(pDC, rect, bSelected);
    CSize sizeGlyph = CORXMenuImages::Size();
    int nArrow = sizeGlyph.cx + 4;
    if (rect.Width() <= 2 * nArrow)
        return nWidth;
    CRect rectArrow(rect.right - nArrow, rect.top, rect.right, rect.bottom);
    // The separator: an etched line before the arrow.
    CPen penDark(PS_SOLID, 1, globalData.clrBtnShadow);
    CPen penLight(PS_SOLID, 1, globalData.clrBtnHilite);
    CPen* pOldPen = pDC->SelectObject(&penDark);
    pDC->MoveTo(rectArrow.left - 2, rect.top + 2);
    pDC->LineTo(rectArrow.left - 2, rect.bottom - 2);
    pDC->SelectObject(&penLight);
    pDC->MoveTo(rectArrow.left - 1, rect.top + 2);
    pDC->LineTo(rectArrow.left - 1, rect.bottom - 2);
    pDC->SelectObject(pOldPen);
    CPoint pt(rectArrow.CenterPoint().x - sizeGlyph.cx / 2, rectArrow.CenterPoint().y - sizeGlyph.cy / 2);
    CORXMenuImages::Draw(pDC, CORXMenuImages::IdArowDown, pt);
    return nWidth;
}

BOOL CORXToolbarMenuButton::OnBeforeDrag() const
{
    if (IsDroppedDown())
        ((CORXToolbarMenuButton*)this)->OnCancelMode();
    return TRUE;
}

void CORXToolbarMenuButton::OnAfterAltDrag()
{
    // The chain of menus the button was dropped into, from its topmost menu down.
    CORXPopupMenuBar* pItemBar = DYNAMIC_DOWNCAST(CORXPopupMenuBar, m_pWndParent);
    CORXPopupMenu* pMenu = pItemBar != NULL ? pItemBar->GetPopupMenu() : NULL;
    for (int nDepth = 0; pMenu != NULL && pMenu->GetParentPopupMenu() != NULL && nDepth < 64; nDepth++)
        pMenu = pMenu->GetParentPopupMenu();
    OnCancelMode();
    if (pMenu != NULL && ::IsWindow(pMenu->GetSafeHwnd()))
        pMenu->SendMessage(WM_CLOSE);
}

void CORXToolbarMenuButton::CopyFrom(const CORXToolbarButton& s)
{
    CORXToolbarButton::CopyFrom(s);
    const CORXToolbarMenuButton* pSrc = DYNAMIC_DOWNCAST(CORXToolbarMenuButton, (CObject*)&s);
    if (pSrc == NULL)
        return;
    m_bDefault = pSrc->m_bDefault;
    m_bMenuOnly = pSrc->m_bMenuOnly;
    m_bIsRadio = pSrc->m_bIsRadio;
    m_pWndMessage = pSrc->m_pWndMessage;
    m_bOpenToRight = pSrc->m_bOpenToRight;
    SetTearOff(pSrc->m_uiTearOffBarID);
    RemoveAllItems();
    for (POSITION pos = pSrc->m_listCommands.GetHeadPosition(); pos != NULL;)
    {
        CORXToolbarButton* pItem = (CORXToolbarButton*)pSrc->m_listCommands.GetNext(pos);
        CORXToolbarButton* pCopy = pItem->Clone();
        if (pCopy == NULL)
            continue;
        m_listCommands.AddTail(pCopy);
    }
}

void CORXToolbarMenuButton::Serialize(CArchive& ar)
{
    CORXToolbarButton::Serialize(ar);
    if (ar.IsLoading())
        RemoveAllItems();
    BOOL bTearOffId = CORXWorkspaceBase::GetInstance() != NULL && ORXSavedVersionAtLeast(4, 71);
    if (ar.IsLoading())
    {
        UINT uiTearOff = 0;
        if (bTearOffId)
            ar >> uiTearOff;
        SetTearOff(uiTearOff);
    }
    else if (bTearOffId)
        ar << m_uiTearOffBarID;
    if (ar.IsStoring())
    {
        m_listCommands.Serialize(ar);
        return;
    }
    // The sub-menu is the menu's own: read with the same checks as the bar's list, so that a
    // damaged item anywhere down the menus refuses the whole record.
    CORXToolbarButton::ReadList(ar, m_listCommands);
}

/////////////////////////////////////////////////////////////////////////////
// Size and drawing

SIZE CORXToolbarMenuButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    m_bHorzMenu = bHorz;
    if (m_bMenuMode && m_nID != 0 && m_nID != (UINT)-1 && !IsSystemCommand(m_nID))
    {
        // The key the command has, as the main frame names it, else the active frame.
        // With a keyboard manager the bound keys are the truth: a key taken off the command leaves
        // its item, whatever the menu resource said.
        CString strKey;
        BOOL bFound = ORXFindShownCommandKey(m_nID, strKey);
        int iTab = m_strText.Find('\t');
        if (bFound && !strKey.IsEmpty())
            m_strText = (iTab >= 0 ? m_strText.Left(iTab) : m_strText) + _T('\t') + strKey;
        else if (iTab >= 0 && ORXFrameOffer<CORXCommandKeyLink>(AfxGetMainWnd()) != NULL)
            m_strText = m_strText.Left(iTab);
    }
    if (m_bMenuMode)
    {
        CString strText = m_strText;
        CString strAccel;
        int iTab = strText.Find('\t');
        if (iTab >= 0)
        {
            strAccel = strText.Mid(iTab + 1);
            strText = strText.Left(iTab);
        }
        CString strLabel = StripMnemonics(strText);
        SIZE sizeLabel = {0, 0};
        ::GetTextExtentPoint32A(pDC->GetSafeHdc(), strLabel, strLabel.GetLength(), &sizeLabel);
        SIZE sizeAccel = {0, 0};
        if (!strAccel.IsEmpty())
            ::GetTextExtentPoint32A(pDC->GetSafeHdc(), strAccel, strAccel.GetLength(), &sizeAccel);
        int nImageColumn = sizeDefault.cx + 2 * CORXVisualManager::GetInstance()->GetMenuImageMargin();
        int cx = nImageColumn + 6 + sizeLabel.cx + (sizeAccel.cx > 0 ? sizeAccel.cx + 18 : 0) +
                 GetArrowExtent() + 12;
        int cy = std::max((int)sizeDefault.cy, (int)std::max(sizeLabel.cy, sizeAccel.cy) + 4);
        return CSize(cx, cy);
    }
    CSize size = CORXToolbarButton::OnCalculateSize(pDC, sizeDefault, bHorz);
    if (m_bDrawDownArrow)
    {
        if (bHorz)
            size.cx += GetArrowExtent();
        else
            size.cy += GetArrowExtent();
    }
    int nMargin = 2 * CORXVisualManager::GetInstance()->GetMenuImageMargin();
    if (bHorz)
        size.cx += nMargin;
    else
        size.cy += nMargin;
    return size;
}

void CORXToolbarMenuButton::OnDraw(CDC* pDC, const CRect& rect, CORXToolbarImageList* pImages, BOOL bHorz,
                                   BOOL bCustomizeMode, BOOL bHighlight, BOOL bDrawBorder,
                                   BOOL bGrayDisabledButtons)
{
    if (m_bMenuMode)
    {
        DrawMenuItem(pDC, rect, pImages, bCustomizeMode, bHighlight);
        return;
    }
    CRect rectButton = rect;
    CRect rectArrow = rect;
    if (m_bDrawDownArrow)
    {
        int nArrow = GetArrowExtent() + 1;
        if (bHorz)
        {
            rectArrow.left = rect.right - nArrow - 2;
            rectButton.right = rectArrow.left;
        }
        else
        {
            rectArrow.top = rect.bottom - nArrow - 2;
            rectButton.bottom = rectArrow.top;
        }
    }
    BOOL bSplit = m_bDrawDownArrow && m_nID != 0 && m_nID != (UINT)-1;
    BOOL bDropped = IsDroppedDown();
    if (bDropped)
        m_nStyle |= TBBS_PRESSED;
    CORXToolbarButton::OnDraw(pDC, bSplit ? rectButton : rect, pImages, bHorz, bCustomizeMode, bHighlight,
                              bDrawBorder && !bSplit, bGrayDisabledButtons);
    if (bDropped)
        m_nStyle &= ~TBBS_PRESSED;
    if (!m_bDrawDownArrow)
        return;
    BOOL bDisabled = (m_nStyle & TBBS_DISABLED) != 0;
    CORXMenuImages::IMAGES_IDS id =
        CORXToolBar::IsLargeIcons()
            ? (bDisabled ? CORXMenuImages::IdArowDownLargeDsbl : CORXMenuImages::IdArowDownLarge)
            : (bDisabled ? CORXMenuImages::IdArowDownDsbl : CORXMenuImages::IdArowDown);
    CSize sizeGlyph = CORXMenuImages::Size();
    if (CORXToolBar::IsLargeIcons())
        sizeGlyph = CSize(sizeGlyph.cx * 2, sizeGlyph.cy * 2);
    CPoint ptGlyph(rectArrow.CenterPoint().x - sizeGlyph.cx / 2,
                   rectArrow.CenterPoint().y - sizeGlyph.cy / 2);
    CORXMenuImages::Draw(pDC, id, ptGlyph, sizeGlyph);
    if (bSplit && (bHighlight || bDropped || (m_nStyle & TBBS_PRESSED)))
    {
        CORXVisualManager* pLook = CORXVisualManager::GetInstance();
        CORXVisualManager::ORXButtonState state = (bDropped || (m_nStyle & TBBS_PRESSED))
                                                      ? CORXVisualManager::ButtonsIsPressed
                                                      : CORXVisualManager::ButtonsIsHighlighted;
        pLook->OnDrawButtonBorder(pDC, this, bDropped ? rect : rectButton, state);
        pLook->OnDrawButtonBorder(pDC, this, rectArrow, state);
    }
}

void CORXToolbarMenuButton::DrawMenuItem(CDC* pDC, const CRect& rect, CORXToolbarImageList* pImages,
                                         BOOL bCustomizeMode, BOOL bHighlight)
{
    CORXVisualManager* pLook = CORXVisualManager::GetInstance();
    // In customise mode an item that cannot be stored shows as disabled: it is dropped, not kept.
    BOOL bDisabled = bCustomizeMode ? !CanBeStored() : (m_nStyle & TBBS_DISABLED) != 0;
    BOOL bDropped = IsDroppedDown();
    BOOL bHot = bHighlight || bDropped;
    COLORREF clrHotText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    if (bHot)
    {
        pLook->OnFillHighlightedArea(pDC, rect, NULL, this, &clrHotText);
        pLook->OnDrawMenuButtonBorder(pDC, this, rect, CORXVisualManager::ButtonsIsHighlighted);
    }

    CSize sizeImage = CORXToolBar::GetMenuImageSize();
    int nMargin = pLook->GetMenuImageMargin();
    CRect rectImage(rect.left, rect.top, rect.left + sizeImage.cx + 2 * nMargin, rect.bottom);

    // The command's image, else a check mark, radio or system glyph. A framework frame may draw
    // the image itself; a user tool shows its icon, a user button its user image, a locked bar's
    // item the images of that bar; others the shared images.
    BOOL bImage = FALSE;
    BOOL bCommand = m_nID != 0 && m_nID != (UINT)-1;
    CORXCommandManager* pMgr = CORXCommandManager::GetCmdMgr();
    BOOL bWithoutImage = bCommand && pMgr->IsMenuItemWithoutImage(m_nID);
    CORXFrameHooks* pHooks =
        m_pWndParent != NULL && m_pWndParent->GetSafeHwnd() != NULL
            ? ORXFrameOffer<CORXFrameHooks>(ORXFindHooksFrame(m_pWndParent->GetTopLevelOwner()))
            : NULL;
    CORXUserToolsLink* pTools = CORXServices::Find<CORXUserToolsLink>();
    if (pHooks != NULL && pHooks->OnDrawMenuItemImage(pDC, this, rectImage))
        bImage = TRUE;
    else if (bCommand && !bWithoutImage && pTools != NULL && pTools->IsUserToolCmd(m_nID))
        bImage = bDisabled ? DrawDisabledToolIcon(pTools, m_nID, pDC, rectImage)
                           : pTools->DrawToolIcon(m_nID, pDC, rectImage);
    auto DrawFrom = [&](CORXToolbarImageList* pList, int iIndex) {
        if (pList == NULL || iIndex < 0 || pList->GetCount() <= iIndex)
            return FALSE;
        CORXDrawState ds;
        if (!pList->PrepareDrawImage(ds, sizeImage))
            return FALSE;
        CPoint pt(rectImage.CenterPoint().x - sizeImage.cx / 2, rectImage.CenterPoint().y - sizeImage.cy / 2);
        // The images of disabled commands are disabled already.
        BOOL bDimmed = bDisabled && pList != &CORXToolBar::GetDisabledMenuImages();
        pList->Draw(pDC, pt.x, pt.y, iIndex, FALSE, bDimmed);
        pList->EndDrawImage(ds);
        return TRUE;
    };
    if (!bImage && !bWithoutImage && m_bUserButton)
        bImage = DrawFrom(CORXToolBar::GetUserImages(), GetImage());
    CORXPopupMenuBar* pItemBar = DYNAMIC_DOWNCAST(CORXPopupMenuBar, m_pWndParent);
    CORXToolBar* pLockedBar = pItemBar != NULL ? pItemBar->GetRelatedToolbar() : NULL;
    if (!bImage && !bWithoutImage && !m_bUserButton && pLockedBar != NULL && pLockedBar->IsLocked())
    {
        int iIndex = pLockedBar->CommandToIndex(m_nID);
        CORXToolbarButton* pOwnerButton = pLockedBar->GetButton(iIndex);
        if (pOwnerButton != NULL)
            bImage = DrawFrom(pLockedBar->GetLockedMenuImages(), pOwnerButton->GetImage()) ||
                     DrawFrom(pLockedBar->GetLockedImages(), pOwnerButton->GetImage());
    }
    // The menu wells the bar hands over (its menu or disabled-menu images), else the shared images.
    if (!bImage && bCommand && !bWithoutImage && !m_bUserButton)
    {
        int iImage = pMgr->GetCmdImage(m_nID, FALSE);
        BOOL bMenuWell =
            pImages == &CORXToolBar::GetMenuImages() || pImages == &CORXToolBar::GetDisabledMenuImages();
        if (bMenuWell)
            bImage = DrawFrom(pImages, iImage);
        if (!bImage)
            bImage = DrawFrom(&CORXToolBar::GetImages(), iImage);
    }
    if (!bImage)
    {
        int iGlyph = -1;
        if (m_nStyle & (TBBS_CHECKED | TBBS_INDETERMINATE))
            iGlyph = m_bIsRadio ? CORXMenuImages::IdRadio : CORXMenuImages::IdCheck;
        else if (IsSystemCommand(m_nID))
        {
            switch (m_nID)
            {
            case SC_MINIMIZE:
                iGlyph = CORXMenuImages::IdMinimize;
                break;
            case SC_RESTORE:
                iGlyph = CORXMenuImages::IdRestore;
                break;
            case SC_CLOSE:
                iGlyph = CORXMenuImages::IdClose;
                break;
            case SC_MAXIMIZE:
                iGlyph = CORXMenuImages::IdMaximize;
                break;
            }
        }
        if (iGlyph >= 0)
        {
            if (bDisabled)
                iGlyph++;
            CSize sizeGlyph = CORXMenuImages::Size();
            CPoint pt(rectImage.CenterPoint().x - sizeGlyph.cx / 2,
                      rectImage.CenterPoint().y - sizeGlyph.cy / 2);
            CORXMenuImages::Draw(pDC, (CORXMenuImages::IMAGES_IDS)iGlyph, pt);
        }
    }

    CORXPopupMenuBar* pBar = DYNAMIC_DOWNCAST(CORXPopupMenuBar, m_pWndParent);
    BOOL bBold = pBar != NULL && m_nID != 0 && pBar->GetDefaultMenuId() == m_nID;
    CFont* pOldFont = pDC->SelectObject(bBold ? &globalData.fontBold : &globalData.fontRegular);
    COLORREF clrText = bDisabled ? globalData.clrGrayedText : (bHot ? clrHotText : globalData.clrMenuText);
    COLORREF clrOld = pDC->SetTextColor(clrText);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);

    CString strText = m_strText;
    CString strAccel;
    int iTab = strText.Find('\t');
    if (iTab >= 0)
    {
        strAccel = strText.Mid(iTab + 1);
        strText = strText.Left(iTab);
    }
    int nArrow = GetArrowExtent() + 1;
    CRect rectText(rectImage.right + 6, rect.top, rect.right - nArrow - 6, rect.bottom);
    int nLabelWidth = rectText.Width();
    if (!strAccel.IsEmpty())
    {
        CRect rectAccel(0, 0, 0, 0);
        ::DrawTextA(pDC->GetSafeHdc(), strAccel, -1, &rectAccel, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
        nLabelWidth -= rectAccel.Width() + 6;
    }
    strText = GetFittingLabel(pDC, strText, nLabelWidth);
    ::DrawTextA(pDC->GetSafeHdc(), strText, -1, &rectText, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (!strAccel.IsEmpty())
        ::DrawTextA(pDC->GetSafeHdc(), strAccel, -1, &rectText,
                    DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(clrOld);
    pDC->SelectObject(pOldFont);

    if (m_bDrawDownArrow && (m_nID == 0 || m_nID == (UINT)-1 || !m_listCommands.IsEmpty()))
    {
        CSize sizeGlyph = CORXMenuImages::Size();
        CPoint pt(rect.right - nArrow - 2, rect.CenterPoint().y - sizeGlyph.cy / 2);
        CORXMenuImages::Draw(pDC, CORXMenuImages::IdArowRight, pt);
    }
}

/////////////////////////////////////////////////////////////////////////////
// CORXShowAllButton

SIZE CORXShowAllButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    return CSize(50, CORXVisualManager::GetInstance()->GetShowAllMenuItemsHeight(pDC, sizeDefault));
}

void CORXShowAllButton::OnDraw(CDC* pDC, const CRect& rect, CORXToolbarImageList*, BOOL, BOOL,
                               BOOL bHighlight, BOOL, BOOL)
{
    FillInterior(pDC, rect, bHighlight);
    CORXVisualManager* pLook = CORXVisualManager::GetInstance();
    CORXVisualManager::ORXButtonState state = CORXVisualManager::ButtonsIsRegular;
    if (m_nStyle & (TBBS_CHECKED | TBBS_PRESSED))
        state = CORXVisualManager::ButtonsIsPressed;
    else if (bHighlight)
        state = CORXVisualManager::ButtonsIsHighlighted;
    pLook->OnDrawShowAllMenuItems(pDC, rect, state);
    if (state != CORXVisualManager::ButtonsIsRegular)
        pLook->OnDrawButtonBorder(pDC, this, rect, state);
}

BOOL CORXShowAllButton::OnClick(CWnd* pWnd, BOOL bDelay)
{
    CORXPopupMenuBar* pBar = DYNAMIC_DOWNCAST(CORXPopupMenuBar, m_pWndParent);
    if (pBar == NULL)
        return FALSE;
    if (bDelay)
    {
        if (CORXToolBar::m_bShowAllMenusAfterDelay)
            pBar->StartPopupMenuTimer(this, 2);
        return TRUE;
    }
    CORXPopupMenu* pMenu = pBar->GetPopupMenu();
    if (pMenu != NULL)
        pMenu->ShowAllItems();
    return TRUE;
}

BOOL CORXShowAllButton::OnToolHitTest(const CWnd*, TOOLINFO* pTI)
{
    if (pTI == NULL)
        return FALSE;
    // The pop-up menu shows every item on Ctrl+Down: the key's name as the keyboard layout gives it.
    auto KeyName = [](UINT vk, BOOL bExtended) {
        char szName[50] = {};
        LONG lParam = (LONG)(::MapVirtualKeyA(vk, 0) << 16) | (bExtended ? (1 << 24) : 0);
        ::GetKeyNameTextA(lParam, szName, sizeof(szName));
        CString strName = szName;
        strName.MakeLower();
        if (!strName.IsEmpty())
            strName.SetAt(0, (TCHAR)(UINT_PTR)::CharUpperA((LPSTR)(UINT_PTR)(BYTE)strName[0]));
        return strName;
    };
    CString strKey = KeyName(VK_CONTROL, FALSE) + _T("+") + KeyName(VK_DOWN, TRUE);
    CString strFormat;
    if (!strFormat.LoadString(kIdsExpandMenu))
        return FALSE;
    CString strTip;
    strTip.Format(strFormat, (LPCTSTR)strKey);
    LPTSTR pszText = (LPTSTR)malloc((strTip.GetLength() + 1) * sizeof(TCHAR));
    if (pszText == NULL)
        return FALSE;
    lstrcpy(pszText, strTip);
    pTI->lpszText = pszText;
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// CCustomizeButton

IMPLEMENT_SERIAL(CCustomizeButton, CORXToolbarMenuButton, VERSIONABLE_SCHEMA | 1)

CCustomizeButton::CCustomizeButton()
    : m_iCustomizeCmdId(0), m_pWndParentToolbar(NULL), m_bIsEmpty(FALSE), m_bDefaultDraw(TRUE),
      m_bOnRebar(FALSE), m_bRedrawOwner(FALSE), m_bMenuRightAlign(TRUE), m_bShowMenuTitle(TRUE)
{
}

CCustomizeButton::CCustomizeButton(int iCustomizeCmdId, const CString& strCustomizeText)
    : m_iCustomizeCmdId(iCustomizeCmdId), m_strCustomizeText(strCustomizeText), m_pWndParentToolbar(NULL),
      m_bIsEmpty(FALSE), m_bDefaultDraw(TRUE), m_bOnRebar(FALSE), m_bRedrawOwner(FALSE),
      m_bMenuRightAlign(TRUE), m_bShowMenuTitle(TRUE)
{
}

CCustomizeButton::~CCustomizeButton() {}

void CCustomizeButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CORXToolbarMenuButton::OnChangeParentWnd(pWndParent);
    m_pWndParentToolbar = DYNAMIC_DOWNCAST(CORXToolBar, pWndParent);
    m_pWndParent = pWndParent;
    m_bText = FALSE;
    m_bIsEmpty = FALSE;
}

SIZE CCustomizeButton::OnCalculateSize(CDC*, const CSize& sizeDefault, BOOL bHorz)
{
    if (m_bIsEmpty || (m_pWndParentToolbar != NULL && (m_pWndParentToolbar->GetBarStyle() & CBRS_FLOATING)))
        return CSize(0, 0);
    if (m_strText.IsEmpty())
        m_strText.LoadString(kIdsMoreButtons);
    int nMargin = CORXVisualManager::GetInstance()->GetMenuImageMargin();
    CSize sizeGlyph = CORXMenuImages::Size();
    if (bHorz)
        return CSize(sizeGlyph.cx + 2 * nMargin, sizeDefault.cy);
    return CSize(sizeDefault.cx, sizeGlyph.cy + 2 * nMargin);
}

void CCustomizeButton::OnDraw(CDC* pDC, const CRect& rect, CORXToolbarImageList*, BOOL bHorz, BOOL,
                              BOOL bHighlight, BOOL, BOOL)
{
    if (rect.IsRectEmpty())
        return;
    FillInterior(pDC, rect, bHighlight);
    CSize sizeGlyph = CORXMenuImages::Size();
    BOOL bPushed = (m_nStyle & (TBBS_CHECKED | TBBS_PRESSED)) != 0 || IsDroppedDown();
    int nOffset = bPushed ? 1 : 0;
    if (m_iCustomizeCmdId > 0)
    {
        CPoint pt = bHorz ? CPoint(rect.CenterPoint().x - sizeGlyph.cx / 2, rect.bottom - sizeGlyph.cy - 2)
                          : CPoint(rect.right - sizeGlyph.cx - 2, rect.CenterPoint().y - sizeGlyph.cy / 2);
        pt.Offset(nOffset, nOffset);
        CORXMenuImages::Draw(pDC, bHorz ? CORXMenuImages::IdArowDown : CORXMenuImages::IdArowLeft, pt);
    }
    if (!m_lstInvisibleButtons.IsEmpty())
    {
        CPoint pt = bHorz ? CPoint(rect.CenterPoint().x - sizeGlyph.cx / 2, rect.top + 2)
                          : CPoint(rect.left + 2, rect.CenterPoint().y - sizeGlyph.cy / 2);
        pt.Offset(nOffset, nOffset);
        CORXMenuImages::Draw(pDC, bHorz ? CORXMenuImages::IdArowPageRight : CORXMenuImages::IdArowDown, pt);
    }
    if (bHighlight || bPushed)
        CORXVisualManager::GetInstance()->OnDrawButtonBorder(
            pDC, this, rect,
            bPushed ? CORXVisualManager::ButtonsIsPressed : CORXVisualManager::ButtonsIsHighlighted);
}

CORXPopupMenu* CCustomizeButton::CreatePopupMenu()
{
    CORXPopupMenu* pMenu = new CORXPopupMenu;
    BOOL bLocked = m_pWndParentToolbar != NULL && m_pWndParentToolbar->IsLocked();
    BOOL bPrevSeparator = TRUE; // no leading or repeated separators
    m_arMenuTargets.RemoveAll();
    auto AddSeparator = [&]() {
        if (pMenu->GetMenuBar()->InsertSeparator() >= 0)
            m_arMenuTargets.Add(NULL);
    };
    for (POSITION pos = m_lstInvisibleButtons.GetHeadPosition(); pos != NULL;)
    {
        CORXToolbarButton* pButton = (CORXToolbarButton*)m_lstInvisibleButtons.GetNext(pos);
        if (pButton->m_nStyle & TBBS_SEPARATOR)
        {
            if (!bPrevSeparator)
                AddSeparator();
            bPrevSeparator = TRUE;
            continue;
        }
        // The button's text in menus: its own, or without one (and for a combo box, whose label
        // names the box) its command's from the string resource.
        CORXToolbarButton label;
        pButton->ExportToMenuButton(label);
        CString strText = !label.m_strText.IsEmpty() ? label.m_strText : pButton->m_strText;
        CORXToolbarMenuButton* pItem = NULL;
        if (pButton->IsKindOf(RUNTIME_CLASS(CORXToolbarMenuButton)))
        {
            pItem = (CORXToolbarMenuButton*)pButton->Clone();
            if (pItem != NULL && pItem->m_strText.IsEmpty())
                pItem->m_strText = strText;
        }
        else if (pButton->m_nID != 0 && pButton->m_nID != (UINT)-1)
        {
            pItem = new CORXToolbarMenuButton(pButton->m_nID, NULL, bLocked ? -1 : pButton->GetImage(),
                                              strText, pButton->m_bUserButton);
        }
        if (pItem == NULL)
        {
            if (!bPrevSeparator)
                AddSeparator();
            bPrevSeparator = TRUE;
            continue;
        }
        pItem->m_bText = TRUE;
        if (pMenu->GetMenuBar()->InsertButton(pItem) < 0)
            delete pItem;
        else
        {
            m_arMenuTargets.Add(pButton);
            bPrevSeparator = FALSE;
        }
    }
    if (m_iCustomizeCmdId > 0)
    {
        if (!m_lstInvisibleButtons.IsEmpty() && !bPrevSeparator)
            AddSeparator();
        CORXToolbarMenuButton* pCustomize =
            new CORXToolbarMenuButton((UINT)m_iCustomizeCmdId, NULL, -1, m_strCustomizeText);
        if (pMenu->GetMenuBar()->InsertButton(pCustomize) < 0)
            delete pCustomize;
        else
            m_arMenuTargets.Add(NULL);
    }
    CWnd* pOwner = NULL;
    if (m_pWndParentToolbar != NULL)
        pOwner = m_pWndParentToolbar->GetOwner() != NULL ? m_pWndParentToolbar->GetOwner()
                                                         : m_pWndParentToolbar->GetParent();
    pMenu->SetMessageWnd(pOwner);
    pMenu->SetRightAlign(m_bShowMenuTitle && m_bMenuRightAlign);
    if (bLocked)
        pMenu->GetMenuBar()->SetRelatedToolbar(m_pWndParentToolbar);
    return pMenu;
}

BOOL CCustomizeButton::InvokeCommand(CORXPopupMenuBar* pMenuBar, const CORXToolbarButton* pButton)
{
    if (m_pWndParentToolbar == NULL || pMenuBar == NULL)
        return FALSE;
    // The hidden button the item was made from, by the item's place in the menu: separators that
    // the menu left out do not shift it onto another button.
    int iIndex = pMenuBar->ButtonToIndex(pButton);
    if (iIndex < 0 || iIndex >= m_arMenuTargets.GetSize())
        return FALSE;
    CORXToolbarButton* pTarget = m_arMenuTargets[iIndex];
    if (pTarget == NULL || m_lstInvisibleButtons.Find(pTarget) == NULL)
        return FALSE; // the customise command: the menu sends it itself
    UINT uiCmd = pTarget->m_nID;
    if (m_pWndParentToolbar->OnSendCommand(pTarget) || uiCmd == 0 || uiCmd == (UINT)-1)
        return TRUE;
    ORXGetCommandUsage().AddCmd(uiCmd);
    if (pTarget->OnClickUp())
        return TRUE;
    CORXUserToolsLink* pTools = CORXServices::Find<CORXUserToolsLink>();
    if (pTools != NULL && pTools->InvokeTool(uiCmd))
        return TRUE;
    // Posted, as the menu's own commands are: the menu is still open while this runs. A dialog
    // that a command sent from here opened would lose its keys to the menu, and its first click
    // would close the menu from under the command.
    CWnd* pOwner = m_pWndParentToolbar->GetOwner();
    if (pOwner == NULL)
        pOwner = m_pWndParentToolbar->GetParentFrame();
    if (pOwner != NULL)
        pOwner->PostMessage(WM_COMMAND, uiCmd);
    return TRUE;
}

void CCustomizeButton::OnCancelMode()
{
    CORXToolbarMenuButton::OnCancelMode();
    if ((m_bOnRebar || m_bRedrawOwner) && m_pWndParentToolbar != NULL &&
        m_pWndParentToolbar->GetSafeHwnd() != NULL)
    {
        int iIndex = m_pWndParentToolbar->ButtonToIndex(this);
        if (iIndex >= 0)
            m_pWndParentToolbar->InvalidateButton(iIndex);
    }
}

void CCustomizeButton::CopyFrom(const CORXToolbarButton& s)
{
    CORXToolbarMenuButton::CopyFrom(s);
    const CCustomizeButton* pSrc = DYNAMIC_DOWNCAST(CCustomizeButton, (CObject*)&s);
    if (pSrc == NULL)
        return;
    m_iCustomizeCmdId = pSrc->m_iCustomizeCmdId;
    m_strCustomizeText = pSrc->m_strCustomizeText;
    m_bIsEmpty = pSrc->m_bIsEmpty;
    m_bMenuRightAlign = pSrc->m_bMenuRightAlign;
    m_bShowMenuTitle = pSrc->m_bShowMenuTitle;
}

/////////////////////////////////////////////////////////////////////////////
// CORXToolbarSystemMenuButton

IMPLEMENT_SERIAL(CORXToolbarSystemMenuButton, CORXToolbarMenuButton, VERSIONABLE_SCHEMA | 1)

CORXToolbarSystemMenuButton::CORXToolbarSystemMenuButton() : m_hSysMenuIcon(NULL), m_hSysMenu(NULL) {}

CORXToolbarSystemMenuButton::CORXToolbarSystemMenuButton(HMENU hSystemMenu, HICON hIconDoc)
    : CORXToolbarMenuButton(0, hSystemMenu, -1), m_hSysMenuIcon(hIconDoc), m_hSysMenu(hSystemMenu)
{
}

void CORXToolbarSystemMenuButton::CreateFromMenu(HMENU hMenu)
{
    m_hSysMenu = hMenu;
}

HMENU CORXToolbarSystemMenuButton::CreateMenu() const
{
    HMENU hMenu = CORXToolbarMenuButton::CreateMenu();
    if (hMenu == NULL || m_hSysMenu == NULL || !::IsMenu(m_hSysMenu))
        return hMenu;
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
    {
        UINT uiID = ::GetMenuItemID(hMenu, i);
        if (uiID == 0 || uiID == (UINT)-1)
            continue;
        UINT uiState = ::GetMenuState(m_hSysMenu, uiID, MF_BYCOMMAND);
        if (uiState == (UINT)-1)
            continue;
        ::CheckMenuItem(hMenu, uiID, MF_BYCOMMAND | (uiState & MF_CHECKED));
        ::EnableMenuItem(hMenu, uiID, MF_BYCOMMAND | (uiState & (MF_GRAYED | MF_DISABLED)));
    }
    return hMenu;
}

SIZE CORXToolbarSystemMenuButton::OnCalculateSize(CDC*, const CSize& sizeDefault, BOOL)
{
    return CSize(::GetSystemMetrics(SM_CXSMICON), sizeDefault.cy);
}

void CORXToolbarSystemMenuButton::OnDraw(CDC* pDC, const CRect& rect, CORXToolbarImageList*, BOOL, BOOL, BOOL,
                                         BOOL, BOOL)
{
    if (m_hSysMenuIcon == NULL)
        return;
    int cx = ::GetSystemMetrics(SM_CXSMICON);
    int cy = ::GetSystemMetrics(SM_CYSMICON);
    if (cy > ::GetSystemMetrics(SM_CYSMSIZE))
        cx = cy = 16;
    ::DrawIconEx(pDC->GetSafeHdc(), rect.left, rect.top + (rect.Height() - cy) / 2, m_hSysMenuIcon, cx, cy, 0,
                 NULL, DI_NORMAL);
}

void CORXToolbarSystemMenuButton::OnDblClick(CWnd* pWnd)
{
    if (CORXToolBar::IsCustomizeMode())
        return;
    if (m_pPopupMenu != NULL && m_pPopupMenu->GetSafeHwnd() != NULL)
    {
        CORXPopupMenu* pMenu = m_pPopupMenu;
        m_pPopupMenu = NULL;
        pMenu->SetParentButton(NULL, pMenu->GetDropDirection());
        pMenu->SendMessage(WM_CLOSE);
    }
    // The bar may float: its frame is then a mini frame whose parent is the MDI frame.
    CFrameWnd* pFrame = pWnd != NULL ? pWnd->GetParentFrame() : NULL;
    if (pFrame != NULL && pFrame->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd)))
        pFrame = pFrame->GetParentFrame();
    CMDIFrameWnd* pMDIFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, pFrame);
    CMDIChildWnd* pChild = pMDIFrame != NULL ? pMDIFrame->MDIGetActive() : NULL;
    if (pChild == NULL)
        return;
    // An item the system menu lacks counts as disabled: GetMenuState then gives all bits set.
    HMENU hSysMenu = ::GetSystemMenu(pChild->m_hWnd, FALSE);
    UINT uiState = hSysMenu != NULL ? ::GetMenuState(hSysMenu, SC_CLOSE, MF_BYCOMMAND) : (UINT)-1;
    if ((uiState & (MF_GRAYED | MF_DISABLED)) == 0)
        pChild->SendMessage(WM_SYSCOMMAND, SC_CLOSE);
}

void CORXToolbarSystemMenuButton::OnCancelMode()
{
    if (m_pPopupMenu != NULL && ::IsWindow(m_pPopupMenu->GetSafeHwnd()) && !m_pPopupMenu->InCommand())
    {
        CORXPopupMenu* pMenu = m_pPopupMenu;
        pMenu->SetParentButton(NULL, pMenu->GetDropDirection());
        m_pPopupMenu = NULL;
        pMenu->SendMessage(WM_CLOSE);
    }
    m_pPopupMenu = NULL;
}

void CORXToolbarSystemMenuButton::CopyFrom(const CORXToolbarButton& s)
{
    CORXToolbarMenuButton::CopyFrom(s);
    const CORXToolbarSystemMenuButton* pSrc = DYNAMIC_DOWNCAST(CORXToolbarSystemMenuButton, (CObject*)&s);
    if (pSrc == NULL)
        return;
    m_hSysMenuIcon = pSrc->m_hSysMenuIcon;
    m_hSysMenu = pSrc->m_hSysMenu;
}

/////////////////////////////////////////////////////////////////////////////
// CORXToolbarMenuButtonsButton

IMPLEMENT_SERIAL(CORXToolbarMenuButtonsButton, CORXToolbarButton, VERSIONABLE_SCHEMA | 1)

CORXToolbarMenuButtonsButton::CORXToolbarMenuButtonsButton(UINT uiCmdId) : m_uiSystemCommand(uiCmdId)
{
    m_nID = 0;
}

SIZE CORXToolbarMenuButtonsButton::OnCalculateSize(CDC*, const CSize&, BOOL)
{
    return CSize(::GetSystemMetrics(SM_CXMENUSIZE), ::GetSystemMetrics(SM_CYMENUSIZE));
}

void CORXToolbarMenuButtonsButton::OnDraw(CDC* pDC, const CRect& rect, CORXToolbarImageList*, BOOL, BOOL,
                                          BOOL bHighlight, BOOL, BOOL)
{
    CORXVisualManager::GetInstance()->OnDrawMenuSystemButton(pDC, rect, m_uiSystemCommand, m_nStyle,
                                                             bHighlight);
}

void CORXToolbarMenuButtonsButton::CopyFrom(const CORXToolbarButton& s)
{
    CORXToolbarButton::CopyFrom(s);
    const CORXToolbarMenuButtonsButton* pSrc = DYNAMIC_DOWNCAST(CORXToolbarMenuButtonsButton, (CObject*)&s);
    if (pSrc != NULL)
        m_uiSystemCommand = pSrc->m_uiSystemCommand;
}
