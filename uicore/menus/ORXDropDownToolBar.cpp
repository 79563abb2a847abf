// The drop-down tool bar, its floating frame and the button that opens it.
#include "ORXDropDownToolBar.h"

#include "ORXGlobalData.h"
#include "ORXMenuBar.h"
#include "ORXMenuSound.h"
#include "ORXPopupMenu.h"
#include "ORXPopupMenuBar.h"
#include "ORXToolbarMenuButton.h"
#include "uicore/uicore_res.h"

IMPLEMENT_SERIAL(CORXDropDownToolBar, CORXToolBar, 1)
IMPLEMENT_SERIAL(CORXDropDownFrame, CMiniFrameWnd, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(CORXDropDownToolbarButton, CORXToolbarButton, VERSIONABLE_SCHEMA | 1)

namespace
{
const UINT kPaletteID = 0xE827;
const DWORD kPaletteCtrlStyle = 0x800;
const DWORD kVerticalPalette = 0x50005000;   // visible child, aligned left and right
const DWORD kHorizontalPalette = 0x5000A000; // visible child, aligned top and bottom
const UINT_PTR kDropDownTimer = 1;
const UINT kCloseFrame = WM_USER + 0x127; // the frame destroys itself, after the message in hand

HWND SafeHwnd(const CWnd* pWnd)
{
    return pWnd != NULL ? pWnd->GetSafeHwnd() : NULL;
}
} // namespace

/////////////////////////////////////////////////////////////////////////////
// CORXDropDownToolBar

BEGIN_MESSAGE_MAP(CORXDropDownToolBar, CORXToolBar)
ON_WM_CREATE()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CORXDropDownToolBar::CORXDropDownToolBar()
{
    m_bLocked = TRUE;
}

CORXDropDownToolBar::~CORXDropDownToolBar()
{
    // Buttons that open this bar forget it.
    for (POSITION pos = CORXDropDownToolbarButton::m_lstLiveButtons.GetHeadPosition(); pos != NULL;)
    {
        CORXDropDownToolbarButton* pButton =
            (CORXDropDownToolbarButton*)CORXDropDownToolbarButton::m_lstLiveButtons.GetNext(pos);
        if (pButton->m_pToolBar == this)
            pButton->m_pToolBar = NULL;
    }
}

int CORXDropDownToolBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    m_bLocked = TRUE;
    return CORXToolBar::OnCreate(lpCreateStruct);
}

BOOL CORXDropDownToolBar::LoadBitmap(UINT uiResID, UINT uiColdResID, UINT uiMenuResID, BOOL /*bLocked*/,
                                     UINT uiDisabledResID, UINT uiMenuDisabledResID)
{
    return CORXToolBar::LoadBitmap(uiResID, uiColdResID, uiMenuResID, TRUE, uiDisabledResID,
                                   uiMenuDisabledResID);
}

BOOL CORXDropDownToolBar::LoadToolBar(UINT uiResID, UINT uiColdResID, UINT uiMenuResID, BOOL /*bLocked*/,
                                      UINT uiDisabledResID, UINT uiMenuDisabledResID, UINT uiHotResID)
{
    return CORXToolBar::LoadToolBar(uiResID, uiColdResID, uiMenuResID, TRUE, uiDisabledResID,
                                    uiMenuDisabledResID, uiHotResID);
}

void CORXDropDownToolBar::OnUpdateCmdUI(CFrameWnd* /*pTarget*/, BOOL bDisableIfNoHndler)
{
    CORXToolBar::OnUpdateCmdUI((CFrameWnd*)GetCommandTarget(), bDisableIfNoHndler);
}

CORXDropDownFrame* CORXDropDownToolBar::GetDropDownFrame() const
{
    return DYNAMIC_DOWNCAST(CORXDropDownFrame, GetParent());
}

CORXDropDownToolBar* CORXDropDownToolBar::FindByResourceID(UINT uiResID)
{
    if (uiResID == 0)
        return NULL;
    for (POSITION pos = gAllToolbars.GetHeadPosition(); pos != NULL;)
    {
        CORXDropDownToolBar* pBar = DYNAMIC_DOWNCAST(CORXDropDownToolBar, gAllToolbars.GetNext(pos));
        if (pBar != NULL && pBar->GetResourceID() == uiResID)
            return pBar;
    }
    return NULL;
}

BOOL CORXDropDownToolBar::OnSendCommand(const CORXToolbarButton* pButton)
{
    if (pButton == NULL || (pButton->m_nStyle & TBBS_DISABLED) || pButton->m_nID == 0 ||
        pButton->m_nID == (UINT)-1)
        return FALSE;
    UINT uiCmd = pButton->m_nID;
    CORXDropDownFrame* pFrame = GetDropDownFrame();
    if (pFrame != NULL && pFrame->m_pParentBtn != NULL)
        pFrame->m_pParentBtn->SetDefaultCommand(uiCmd);
    CWnd* pOwner = GetOwner() != NULL ? GetOwner() : GetParent();
    if (pOwner != NULL && pOwner->GetSafeHwnd() != NULL)
        pOwner->PostMessage(WM_COMMAND, uiCmd, 0);
    if (pFrame != NULL)
        pFrame->CloseLater();
    return TRUE;
}

void CORXDropDownToolBar::OnMouseMove(UINT nFlags, CPoint point)
{
    // Opened on a menu bar, the palette is that bar's dropped-down menu: over another title of
    // the bar, that title's menu drops instead.
    CORXDropDownFrame* pFrame = GetDropDownFrame();
    CORXMenuBar* pMenuBar = pFrame != NULL ? DYNAMIC_DOWNCAST(CORXMenuBar, pFrame->GetButtonBar()) : NULL;
    CRect rectClient;
    GetClientRect(rectClient);
    if (pMenuBar != NULL && !m_bCustomizeMode && !rectClient.PtInRect(point) &&
        pMenuBar->GetSafeHwnd() != NULL)
    {
        CPoint ptBar = point;
        ClientToScreen(&ptBar);
        pMenuBar->ScreenToClient(&ptBar);
        int iHit = pMenuBar->HitTest(ptBar);
        CORXToolbarButton* pHit = pMenuBar->GetButton(iHit);
        if (pHit != NULL && pHit != pFrame->GetParentButton() && !(pHit->m_nStyle & TBBS_DISABLED) &&
            (DYNAMIC_DOWNCAST(CORXToolbarMenuButton, pHit) != NULL ||
             DYNAMIC_DOWNCAST(CORXDropDownToolbarButton, pHit) != NULL))
        {
            pMenuBar->SwitchMenuLater(iHit);
            return;
        }
    }
    int iOld = m_iHighlighted;
    CORXToolBar::OnMouseMove(nFlags, point);
    if (m_bCustomizeMode || m_iHighlighted == iOld)
        return;
    // The highlighted button looks pressed.
    CORXToolbarButton* pOld = GetButton(iOld);
    if (pOld != NULL && iOld != m_iButtonCapture)
    {
        pOld->m_nStyle &= ~TBBS_PRESSED;
        InvalidateButton(iOld);
    }
    CORXToolbarButton* pNew = GetButton(m_iHighlighted);
    if (pNew != NULL)
    {
        pNew->m_nStyle |= TBBS_PRESSED;
        InvalidateButton(m_iHighlighted);
    }
    UpdateWindow();
}

void CORXDropDownToolBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bCustomizeMode)
    {
        CRect rectClient;
        GetClientRect(rectClient);
        if (rectClient.PtInRect(point))
        {
            CORXToolbarButton* pButton = GetButton(m_iHighlighted);
            if (pButton != NULL && m_iButtonCapture < 0)
            {
                m_iButtonCapture = m_iHighlighted;
                pButton->m_nStyle &= ~TBBS_PRESSED;
            }
        }
        else
        {
            CORXDropDownFrame* pFrame = GetDropDownFrame();
            if (pFrame != NULL)
                pFrame->CloseLater();
        }
    }
    CORXToolBar::OnLButtonUp(nFlags, point);
}

void CORXDropDownToolBar::CopyFromSource(CORXDropDownToolBar& source)
{
    source.m_ImagesLocked.CopyTo(m_ImagesLocked);
    source.m_ColdImagesLocked.CopyTo(m_ColdImagesLocked);
    source.m_DisabledImagesLocked.CopyTo(m_DisabledImagesLocked);
    m_sizeButtonLocked = source.m_sizeButtonLocked;
    m_sizeImageLocked = source.m_sizeImageLocked;
    m_sizeCurButtonLocked = source.m_sizeCurButtonLocked;
    m_sizeCurImageLocked = source.m_sizeCurImageLocked;
    const DWORD dwOwnBits = CBRS_ALIGN_ANY | CBRS_ORIENT_ANY | CBRS_FLOATING;
    SetBarStyle((source.GetBarStyle() & ~(CBRS_GRIPPER | dwOwnBits)) | (GetBarStyle() & dwOwnBits));
    CWnd* pOwner = source.GetOwner() != NULL ? source.GetOwner() : source.GetParent();
    SetOwner(pOwner);
    m_bFrameTarget = source.m_bFrameTarget;
    // Copies of the source's buttons: the palette owns and deletes its own.
    for (POSITION pos = source.m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CORXToolbarButton* pSource = (CORXToolbarButton*)source.m_Buttons.GetNext(pos);
        CORXToolbarButton* pCopy = pSource->Clone();
        if (pCopy == NULL)
            continue;
        pCopy->m_nStyle &= ~TBBS_PRESSED;
        if (InsertButton(pCopy) < 0)
            delete pCopy;
    }
}

/////////////////////////////////////////////////////////////////////////////
// CORXDropDownFrame

CString CORXDropDownFrame::m_strClassName;

BEGIN_MESSAGE_MAP(CORXDropDownFrame, CMiniFrameWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_ACTIVATEAPP()
ON_WM_DESTROY()
ON_WM_MOUSEACTIVATE()
END_MESSAGE_MAP()

CORXDropDownFrame::CORXDropDownFrame()
{
    m_bFlag = TRUE;
    m_pParentBtn = NULL;
    m_pWndOriginToolbar = NULL;
    m_x = m_y = 0;
    m_bAutoDestroyParent = TRUE;
    m_bInCreate = FALSE;
}

CORXDropDownFrame::~CORXDropDownFrame()
{
    if (m_pParentBtn != NULL && m_pParentBtn->m_pPopupMenu == this)
        m_pParentBtn->m_pPopupMenu = NULL;
}

CORXToolBar* CORXDropDownFrame::GetButtonBar() const
{
    return m_pParentBtn != NULL ? DYNAMIC_DOWNCAST(CORXToolBar, m_pParentBtn->m_pWndParent) : NULL;
}

BOOL CORXDropDownFrame::Create(CORXDropDownToolBar* pSourceBar, int x, int y,
                               CORXDropDownToolbarButton* pButton)
{
    if (pSourceBar == NULL || pSourceBar->GetSafeHwnd() == NULL)
        return FALSE;
    CORXMenuSound::PlayMenuSound(2);
    if (m_strClassName.IsEmpty())
    {
        WNDCLASS wc;
        memset(&wc, 0, sizeof(wc));
        wc.style = CS_SAVEBITS;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = AfxGetInstanceHandle();
        wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
        wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
        wc.lpszClassName = "ORXDropDownFrame";
        if (!AfxRegisterClass(&wc))
            return FALSE;
        m_strClassName = wc.lpszClassName;
    }
    m_pParentBtn = pButton;
    m_pWndOriginToolbar = pSourceBar;
    if (x == -1 && y == -1)
    {
        CPoint pt(5, 5);
        pSourceBar->ClientToScreen(&pt);
        x = pt.x;
        y = pt.y;
    }
    m_x = x;
    m_y = y;

    CORXToolBar* pButtonBar = GetButtonBar();
    DWORD dwExStyle = 0;
    if (pButtonBar != NULL && pButtonBar->GetSafeHwnd() != NULL &&
        (pButtonBar->GetExStyle() & WS_EX_LAYOUTRTL))
        dwExStyle |= WS_EX_LAYOUTRTL;
    CWnd* pParent = NULL;
    if (pButtonBar != NULL && pButtonBar->GetSafeHwnd() != NULL)
        pParent = pButtonBar->GetOwner() != NULL ? pButtonBar->GetOwner() : pButtonBar->GetParent();
    CRect rect(x, y, x, y);
    m_bInCreate = TRUE;
    BOOL bCreated = CMiniFrameWnd::CreateEx(dwExStyle, m_strClassName, m_strCaption, WS_POPUP, rect, pParent);
    m_bInCreate = FALSE;
    if (!bCreated || GetSafeHwnd() == NULL)
    {
        if (GetSafeHwnd() != NULL)
        {
            m_bInCreate = TRUE;
            DestroyWindow();
            m_bInCreate = FALSE;
        }
        if (m_pParentBtn != NULL && m_pParentBtn->m_pPopupMenu == this)
            m_pParentBtn->m_pPopupMenu = NULL;
        m_pParentBtn = NULL;
        return FALSE;
    }
    ShowWindow(SW_SHOWNOACTIVATE);
    return TRUE;
}

int CORXDropDownFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMiniFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CORXToolBar* pButtonBar = GetButtonBar();
    BOOL bHorzButtonBar = pButtonBar == NULL || pButtonBar->IsHorizontal();
    if (!m_wndToolBar.CreateEx(this, kPaletteCtrlStyle,
                               bHorzButtonBar ? kVerticalPalette : kHorizontalPalette, CRect(1, 1, 1, 1),
                               kPaletteID))
        return -1;
    if (m_pWndOriginToolbar != NULL)
        m_wndToolBar.CopyFromSource(*m_pWndOriginToolbar);
    RecalcLayout();
    m_wndToolBar.SetCapture();
    return 0;
}

void CORXDropDownFrame::RecalcLayout(BOOL /*bNotify*/)
{
    if (m_wndToolBar.GetSafeHwnd() == NULL)
        return;
    CSize size = m_wndToolBar.CalcSize(!m_wndToolBar.IsHorizontal());
    size.cx += 6;
    size.cy += 6;
    int x = m_x;
    int y = m_y;
    CORXToolBar* pButtonBar = GetButtonBar();
    if (x + size.cx > ::GetSystemMetrics(SM_CXFULLSCREEN))
    {
        if (pButtonBar != NULL && pButtonBar->GetSafeHwnd() != NULL && !pButtonBar->IsHorizontal())
        {
            CRect rectBar;
            pButtonBar->GetWindowRect(rectBar);
            x = rectBar.left - size.cx;
        }
        else
            x = ::GetSystemMetrics(SM_CXFULLSCREEN) - size.cx - 1;
    }
    if (y + size.cy > ::GetSystemMetrics(SM_CYFULLSCREEN))
    {
        y -= size.cy;
        if (m_pParentBtn != NULL)
            y -= m_pParentBtn->Rect().Height() + 4;
        else if (y < 0)
            y = 0;
    }
    SetWindowPos(NULL, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CORXDropDownFrame::OnSize(UINT nType, int cx, int cy)
{
    CMiniFrameWnd::OnSize(nType, cx, cy);
    if (m_wndToolBar.GetSafeHwnd() != NULL)
        m_wndToolBar.SetWindowPos(NULL, 2, 2, cx - 4, cy - 4, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CORXDropDownFrame::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(rect);
    dc.Draw3dRect(rect, globalData.clrBtnLight, globalData.clrBtnDkShadow);
    rect.DeflateRect(1, 1);
    dc.Draw3dRect(rect, globalData.clrBtnHilite, globalData.clrBtnShadow);
}

BOOL CORXDropDownFrame::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(rect);
    pDC->FillRect(rect, &globalData.brBtnFace);
    return TRUE;
}

int CORXDropDownFrame::OnMouseActivate(CWnd*, UINT, UINT)
{
    return MA_NOACTIVATE;
}

void CORXDropDownFrame::OnActivateApp(BOOL bActive, HTASK hTask)
{
    CMiniFrameWnd::OnActivateApp(bActive, hTask);
    if (!bActive && !CORXToolBar::IsCustomizeMode())
        PostMessage(WM_CLOSE);
}

void CORXDropDownFrame::CloseLater()
{
    if (GetSafeHwnd() == NULL)
        return;
    ShowWindow(SW_HIDE);
    PostMessage(WM_CLOSE);
}

void CORXDropDownFrame::OnDestroy()
{
    if (GetCapture() == &m_wndToolBar)
        ReleaseCapture();
    CORXDropDownToolbarButton* pButton = m_pParentBtn;
    CORXToolBar* pButtonBar = GetButtonBar();
    if (pButton != NULL)
    {
        pButton->ForgetOnMenuBar();
        pButton->m_pPopupMenu = NULL;
        pButton->m_nStyle &= ~TBBS_PRESSED;
        pButton->RepaintButton();
    }
    // A press held on the button until the palette opened is still the bar's: it is cancelled, as
    // a release of the mouse back over the button is no click on it.
    if (pButton != NULL && pButtonBar != NULL && pButtonBar->GetSafeHwnd() != NULL &&
        pButtonBar->GetPressedButtonIndex() >= 0 &&
        pButtonBar->GetPressedButtonIndex() == pButtonBar->ButtonToIndex(pButton))
        pButtonBar->SendMessage(WM_CANCELMODE);
    CMiniFrameWnd::OnDestroy();
}

void CORXDropDownFrame::PostNcDestroy()
{
    if (m_pParentBtn != NULL)
    {
        if (m_pParentBtn->m_pPopupMenu == this)
            m_pParentBtn->m_pPopupMenu = NULL;
        m_pParentBtn = NULL;
    }
    if (m_bInCreate)
        return;
    CMiniFrameWnd::PostNcDestroy();
}

/////////////////////////////////////////////////////////////////////////////
// CORXDropDownToolbarButton

CORXDropDownToolbarButton* CORXDropDownToolbarButton::m_pButtonTimer = NULL;
CPtrList CORXDropDownToolbarButton::m_lstLiveButtons;

CORXDropDownToolbarButton::CORXDropDownToolbarButton()
{
    m_pToolBar = NULL;
    m_pPopupMenu = NULL;
    m_pWndParent = NULL;
    m_uiTimer = 0;
    m_iSelectedImage = -1;
    m_bInternalDraw = TRUE;
    m_bLocalUserButton = FALSE;
    m_bLocked = TRUE;
    m_lstLiveButtons.AddTail(this);
}

CORXDropDownToolbarButton::CORXDropDownToolbarButton(LPCTSTR lpszName, CORXDropDownToolBar* pToolBar)
{
    m_pToolBar = pToolBar;
    m_strName = lpszName != NULL ? lpszName : _T("");
    m_strText = m_strName;
    m_pPopupMenu = NULL;
    m_pWndParent = NULL;
    m_uiTimer = 0;
    m_iSelectedImage = -1;
    m_bInternalDraw = TRUE;
    m_bLocalUserButton = FALSE;
    m_bLocked = TRUE;
    m_lstLiveButtons.AddTail(this);
    // The first command of the palette is the one shown.
    if (pToolBar != NULL)
    {
        for (int i = 0; i < pToolBar->GetCount(); i++)
        {
            CORXToolbarButton* pButton = pToolBar->GetButton(i);
            if (pButton != NULL && !(pButton->m_nStyle & TBBS_SEPARATOR) && pButton->m_nID != 0)
            {
                SetDefaultCommand(pButton->m_nID);
                break;
            }
        }
    }
}

CORXDropDownToolbarButton::~CORXDropDownToolbarButton()
{
    KillPendingTimer();
    if (m_pPopupMenu != NULL)
    {
        CORXDropDownFrame* pFrame = m_pPopupMenu;
        m_pPopupMenu = NULL;
        pFrame->m_pParentBtn = NULL;
        if (pFrame->GetSafeHwnd() != NULL)
            pFrame->DestroyWindow();
    }
    POSITION pos = m_lstLiveButtons.Find(this);
    if (pos != NULL)
        m_lstLiveButtons.RemoveAt(pos);
}

void CORXDropDownToolbarButton::KillPendingTimer()
{
    if (m_uiTimer != 0 && m_pWndParent != NULL && m_pWndParent->GetSafeHwnd() != NULL)
        ::KillTimer(m_pWndParent->GetSafeHwnd(), m_uiTimer);
    m_uiTimer = 0;
    if (m_pButtonTimer == this)
        m_pButtonTimer = NULL;
}

void CORXDropDownToolbarButton::CloseFrame()
{
    CORXDropDownFrame* pFrame = m_pPopupMenu;
    m_pPopupMenu = NULL;
    ForgetOnMenuBar();
    if (pFrame != NULL && pFrame->GetSafeHwnd() != NULL)
        pFrame->DestroyWindow();
}

void CORXDropDownToolbarButton::ForgetOnMenuBar()
{
    CORXMenuBar* pMenuBar = DYNAMIC_DOWNCAST(CORXMenuBar, m_pWndParent);
    if (pMenuBar != NULL && pMenuBar->GetDroppedPalette() == this)
        pMenuBar->SetDroppedPalette(NULL);
}

void CORXDropDownToolbarButton::RepaintButton()
{
    CORXToolBar* pBar = DYNAMIC_DOWNCAST(CORXToolBar, m_pWndParent);
    if (pBar == NULL || pBar->GetSafeHwnd() == NULL)
        return;
    int iIndex = pBar->ButtonToIndex(this);
    if (iIndex >= 0)
        pBar->InvalidateButton(iIndex);
}

void CORXDropDownToolbarButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CORXToolbarButton::OnChangeParentWnd(pWndParent);
    if (pWndParent != m_pWndParent)
        KillPendingTimer();
    m_pWndParent = pWndParent;
}

void CORXDropDownToolbarButton::CopyFrom(const CORXToolbarButton& src)
{
    CORXToolbarButton::CopyFrom(src);
    const CORXDropDownToolbarButton* pSrc = src.IsKindOf(RUNTIME_CLASS(CORXDropDownToolbarButton))
                                                ? static_cast<const CORXDropDownToolbarButton*>(&src)
                                                : NULL;
    if (pSrc == NULL)
        return;
    m_pToolBar = pSrc->m_pToolBar;
    m_strName = pSrc->m_strName;
    m_iSelectedImage = pSrc->m_iSelectedImage;
    m_bLocalUserButton = pSrc->m_bLocalUserButton;
}

void CORXDropDownToolbarButton::Serialize(CArchive& ar)
{
    CORXToolbarButton::Serialize(ar);
    if (ar.IsStoring())
    {
        int nResID = m_pToolBar != NULL ? (int)m_pToolBar->GetResourceID() : 0;
        ar << nResID << m_strName << m_iSelectedImage;
    }
    else
    {
        int nResID = 0;
        ar >> nResID >> m_strName >> m_iSelectedImage;
        m_pToolBar = CORXDropDownToolBar::FindByResourceID((UINT)nResID);
    }
}

void CORXDropDownToolbarButton::SetDefaultCommand(UINT uiCmd)
{
    m_nID = uiCmd;
    m_iSelectedImage = 0;
    m_bLocalUserButton = FALSE;
    if (m_pToolBar == NULL)
        return;
    int iPosition = 0;
    for (int i = 0; i < m_pToolBar->GetCount(); i++)
    {
        CORXToolbarButton* pButton = m_pToolBar->GetButton(i);
        if (pButton == NULL || (pButton->m_nStyle & TBBS_SEPARATOR))
            continue;
        if (pButton->m_nID == uiCmd)
        {
            m_bLocalUserButton = pButton->m_bUserButton;
            m_iSelectedImage = pButton->GetImage() >= 0 ? pButton->GetImage() : iPosition;
            return;
        }
        iPosition++;
    }
}

void CALLBACK CORXDropDownToolbarButton::DropDownTimerProc(HWND hWnd, UINT, UINT_PTR idEvent, DWORD)
{
    CORXDropDownToolbarButton* pButton = m_pButtonTimer;
    if (pButton == NULL || SafeHwnd(pButton->m_pWndParent) != hWnd)
    {
        ::KillTimer(hWnd, idEvent);
        return;
    }
    // The palette opens only while the press that started the delay goes on.
    CORXToolBar* pBar = DYNAMIC_DOWNCAST(CORXToolBar, pButton->m_pWndParent);
    if (pBar != NULL && pBar->GetPressedButtonIndex() != pBar->ButtonToIndex(pButton))
    {
        pButton->KillPendingTimer();
        return;
    }
    pButton->OnClick(pButton->m_pWndParent, TRUE);
}

BOOL CORXDropDownToolbarButton::OnClick(CWnd* pWnd, BOOL bDelay)
{
    if (m_uiTimer == 0)
    {
        if (m_pWndParent == NULL || m_pWndParent->GetSafeHwnd() == NULL)
            return FALSE;
        if (m_pButtonTimer != NULL && m_pButtonTimer != this)
            m_pButtonTimer->KillPendingTimer();
        m_uiTimer =
            ::SetTimer(m_pWndParent->GetSafeHwnd(), kDropDownTimer, kDropDownDelay, DropDownTimerProc);
        if (m_uiTimer != 0)
            m_pButtonTimer = this;
        return FALSE;
    }
    KillPendingTimer();
    CORXMenuBar* pMenuBar = DYNAMIC_DOWNCAST(CORXMenuBar, m_pWndParent);
    if (m_pPopupMenu != NULL)
        CloseFrame();
    else if (!(bDelay && DYNAMIC_DOWNCAST(CORXPopupMenuBar, pWnd) != NULL && !CORXToolBar::IsCustomizeMode()))
    {
        // On a menu bar the palette takes the place of the menu that was dropped.
        CORXToolbarButton* pDropped = pMenuBar != NULL ? pMenuBar->GetDroppedDownButton() : NULL;
        if (pDropped != NULL && pDropped != this)
            pDropped->OnCancelMode();
        if (DropDownToolbar(pWnd) && pMenuBar != NULL)
            pMenuBar->SetDroppedPalette(this);
    }
    RepaintButton();
    return TRUE;
}

BOOL CORXDropDownToolbarButton::DropDownToolbar(CWnd* pWnd)
{
    if (m_pToolBar == NULL || m_pPopupMenu != NULL)
        return FALSE;
    if (pWnd == NULL)
        pWnd = m_pWndParent;
    if (pWnd == NULL || pWnd->GetSafeHwnd() == NULL)
        return FALSE;
    CRect rect = Rect();
    pWnd->ClientToScreen(rect);
    CORXToolBar* pBar = DYNAMIC_DOWNCAST(CORXToolBar, pWnd);
    CPoint pt = (pBar == NULL || pBar->IsHorizontal()) ? CPoint(rect.left, rect.bottom)
                                                       : CPoint(rect.right, rect.top);
    CORXDropDownFrame* pFrame = new CORXDropDownFrame;
    m_pPopupMenu = pFrame;
    if (!pFrame->Create(m_pToolBar, pt.x, pt.y, this))
    {
        m_pPopupMenu = NULL;
        delete pFrame;
        return FALSE;
    }
    return TRUE;
}

void CORXDropDownToolbarButton::OnCancelMode()
{
    if (m_uiTimer != 0)
        KillPendingTimer();
    else if (m_pPopupMenu != NULL)
        CloseFrame();
}

void CORXDropDownToolbarButton::OnDraw(CDC* pDC, const CRect& rect, CORXToolbarImageList* pImages, BOOL bHorz,
                                       BOOL bCustomizeMode, BOOL bHighlight, BOOL bDrawBorder,
                                       BOOL bGrayDisabledButtons)
{
    int nArrow = CORXToolBar::IsLargeIcons() ? 8 : 4;
    CRect rectImage = rect;
    rectImage.right -= nArrow;

    // The image of the current command comes from the palette's own images.
    int iSavedImage = m_iImage;
    int iSavedUser = m_iUserImage;
    BOOL bSavedUser = m_bUserButton;
    CORXToolbarImageList* pList = pImages;
    CORXDrawState ds;
    BOOL bPrepared = FALSE;
    if (m_pToolBar != NULL && m_iSelectedImage >= 0)
    {
        if (m_bLocalUserButton && CORXToolBar::GetUserImages() != NULL)
        {
            m_bUserButton = TRUE;
            m_iUserImage = m_iSelectedImage;
            pList = CORXToolBar::GetUserImages();
            bPrepared = pList->PrepareDrawImage(ds, CORXToolBar::GetImageSizeInForce());
        }
        else if (m_pToolBar->GetLockedImages().GetCount() > 0)
        {
            m_bUserButton = FALSE;
            m_iImage = m_iSelectedImage;
            pList = &m_pToolBar->GetLockedImages();
            bPrepared = pList->PrepareDrawImage(ds, m_pToolBar->GetLockedImageSize());
        }
        if (!bPrepared)
        {
            pList = pImages;
            m_iImage = iSavedImage;
            m_iUserImage = iSavedUser;
            m_bUserButton = bSavedUser;
        }
    }
    CORXToolbarButton::OnDraw(pDC, rectImage, pList, bHorz, bCustomizeMode, bHighlight, bDrawBorder,
                              bGrayDisabledButtons);
    if (bPrepared)
        pList->EndDrawImage(ds);
    m_iImage = iSavedImage;
    m_iUserImage = iSavedUser;
    m_bUserButton = bSavedUser;

    // The arrow: a small filled triangle in the bottom-right corner.
    COLORREF clrText =
        (m_nStyle & TBBS_DISABLED) ? globalData.clrGrayedText : CORXToolBar::GetDefaultTextColor();
    CBrush brush(clrText);
    CPen pen(PS_SOLID, 1, clrText);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    CPen* pOldPen = pDC->SelectObject(&pen);
    int nSize = nArrow / 2 + 2;
    POINT pts[3] = {{rect.right - 2, rect.bottom - 2 - nSize},
                    {rect.right - 2, rect.bottom - 2},
                    {rect.right - 2 - nSize, rect.bottom - 2}};
    pDC->Polygon(pts, 3);
    pDC->SelectObject(pOldPen);
    pDC->SelectObject(pOldBrush);
}

SIZE CORXDropDownToolbarButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    CSize size = CORXToolbarButton::OnCalculateSize(pDC, sizeDefault, bHorz);
    size.cx += CORXToolBar::IsLargeIcons() ? 9 : 4;
    return size;
}

BOOL CORXDropDownToolbarButton::ExportToMenuButton(CORXToolbarButton& menuButton) const
{
    CORXToolbarButton::ExportToMenuButton(menuButton);
    CORXToolbarMenuButton* pMenuButton = DYNAMIC_DOWNCAST(CORXToolbarMenuButton, &menuButton);
    if (pMenuButton == NULL || m_pToolBar == NULL)
        return TRUE;
    HMENU hMenu = ::CreatePopupMenu();
    if (hMenu == NULL)
        return FALSE;
    for (int i = 0; i < m_pToolBar->GetCount(); i++)
    {
        CORXToolbarButton* pButton = m_pToolBar->GetButton(i);
        if (pButton == NULL)
            continue;
        if (pButton->m_nStyle & TBBS_SEPARATOR)
            ::AppendMenuA(hMenu, MF_SEPARATOR, 0, NULL);
        else
        {
            CString strText = pButton->m_strText;
            if (strText.IsEmpty())
            {
                CORXToolbarButton item;
                pButton->ExportToMenuButton(item);
                strText = item.m_strText;
            }
            ::AppendMenuA(hMenu, MF_STRING, pButton->m_nID, strText);
        }
    }
    pMenuButton->CreateFromMenu(hMenu);
    ::DestroyMenu(hMenu);
    return TRUE;
}

BOOL CORXDropDownToolbarButton::OnCustomizeMenu(CMenu* pMenu)
{
    if (pMenu == NULL)
        return FALSE;
    for (UINT uiCmd : {ID_ORX_TOOLBAR_IMAGE, ID_ORX_TOOLBAR_TEXT, ID_ORX_TOOLBAR_IMAGE_AND_TEXT,
                       ID_ORX_TOOLBAR_APPEARANCE, ID_ORX_TOOLBAR_COPY_IMAGE})
        pMenu->EnableMenuItem(uiCmd, MF_BYCOMMAND | MF_GRAYED);
    return TRUE;
}
