// Edit box button: the hosted edit control, its placement, the contents kept by the button and
// shared by the buttons of the same command, and drawing.
#include "ORXToolbarEditBoxButton.h"

#include "ORXGlobalData.h"
#include "ORXToolBar.h"
#include "ORXVisualManager.h"

#include <algorithm>

IMPLEMENT_SERIAL(CORXToolbarEditBoxButton, CORXToolbarControlButton, VERSIONABLE_SCHEMA | 1)

BOOL CORXToolbarEditBoxButton::m_bFlat = FALSE;

namespace
{
const int kDefaultWidth = 150;

CString GetWindowTextOf(HWND hwnd)
{
    CString str;
    int nLen = hwnd != NULL ? ::GetWindowTextLengthA(hwnd) : 0;
    if (nLen > 0)
    {
        ::GetWindowTextA(hwnd, str.GetBuffer(nLen + 1), nLen + 1);
        str.ReleaseBuffer();
    }
    return str;
}
} // namespace

/////////////////////////////////////////////////////////////////////////////
// Construction

CORXToolbarEditBoxButton::CORXToolbarEditBoxButton() : CORXToolbarControlButton(kDefaultStyle, kDefaultWidth)
{
    Initialize();
}

CORXToolbarEditBoxButton::CORXToolbarEditBoxButton(UINT uiID, int iImage, DWORD dwStyle, int iWidth)
    : CORXToolbarControlButton(uiID, iImage, dwStyle | WS_CHILD | WS_VISIBLE,
                               iWidth == 0 ? kDefaultWidth : iWidth)
{
    Initialize();
}

void CORXToolbarEditBoxButton::Initialize()
{
    m_pWndEdit = NULL;
    m_bChangingText = FALSE;
    m_bHorz = TRUE;
}

CORXToolbarEditBoxButton::~CORXToolbarEditBoxButton()
{
    DestroyControl();
}

void CORXToolbarEditBoxButton::DestroyControl()
{
    if (m_pWndEdit == NULL)
        return;
    m_pWndEdit->DestroyWindow();
    delete m_pWndEdit;
    m_pWndEdit = NULL;
}

/////////////////////////////////////////////////////////////////////////////
// The control on the bar

CEdit* CORXToolbarEditBoxButton::CreateEdit(CWnd* pWndParent, const CRect& rect)
{
    CORXEditBoxCtrl* pEdit = new CORXEditBoxCtrl(*this);
    if (!pEdit->Create(m_dwStyle, rect, pWndParent, m_nID))
    {
        delete pEdit;
        return NULL;
    }
    return pEdit;
}

void CORXToolbarEditBoxButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CORXToolbarButton::OnChangeParentWnd(pWndParent);
    if (m_pWndEdit->GetSafeHwnd() != NULL && pWndParent != NULL && m_pWndEdit->GetParent() == pWndParent)
        return;
    DestroyControl();
    if (pWndParent == NULL || pWndParent->GetSafeHwnd() == NULL)
        return;
    CRect rect = m_rect;
    rect.DeflateRect(2, 2);
    m_pWndEdit = CreateEdit(pWndParent, rect);
    if (m_pWndEdit == NULL)
        return;
    if (CORXToolBar::IsCustomizeMode() || (m_nStyle & TBBS_DISABLED))
        m_pWndEdit->EnableWindow(FALSE);
    AdjustRect();
    OnGlobalFontsChanged();
    m_bChangingText = TRUE;
    m_pWndEdit->SetWindowText(m_strContents);
    m_bChangingText = FALSE;
}

void CORXToolbarEditBoxButton::AdjustRect()
{
    if (m_pWndEdit->GetSafeHwnd() == NULL || m_rect.IsRectEmpty())
        return;
    CRect rect = m_rect;
    if (IsExtraSize())
    {
        CSize sizeExtra = CORXVisualManager::GetInstance()->GetButtonExtraBorder();
        rect.DeflateRect(sizeExtra.cx / 2, sizeExtra.cy / 2);
    }
    int cyEdit = std::min(rect.Height(), globalData.GetTextHeight() + 6);
    if (m_bTextBelow && !m_strText.IsEmpty())
        rect.bottom = rect.top + cyEdit;
    else
        rect.top += std::max(0, (rect.Height() - cyEdit) / 2);
    m_pWndEdit->SetWindowPos(NULL, rect.left + 1, rect.top, rect.Width() - 2, cyEdit,
                             SWP_NOZORDER | SWP_NOACTIVATE);
}

void CORXToolbarEditBoxButton::OnMove()
{
    AdjustRect();
}

void CORXToolbarEditBoxButton::OnSize(int iSize)
{
    m_iWidth = iSize;
    m_rect.right = m_rect.left + m_iWidth;
    AdjustRect();
}

SIZE CORXToolbarEditBoxButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    m_bHorz = bHorz;
    if (!bHorz)
    {
        if (m_pWndEdit->GetSafeHwnd() != NULL)
            m_pWndEdit->ShowWindow(SW_HIDE);
        return CORXToolbarButton::OnCalculateSize(pDC, sizeDefault, bHorz);
    }
    if (m_pWndEdit->GetSafeHwnd() != NULL && !IsHidden() && !CORXToolBar::IsCustomizeMode())
        m_pWndEdit->ShowWindow(SW_SHOWNOACTIVATE);
    CSize size(m_iWidth, sizeDefault.cy);
    if (m_bTextBelow && !m_strText.IsEmpty() && pDC != NULL)
    {
        CRect rectText(0, 0, m_iWidth, sizeDefault.cy);
        ::DrawTextA(pDC->GetSafeHdc(), m_strText, -1, &rectText, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
        m_sizeText = CSize(rectText.Width(), rectText.Height());
        size.cy += m_sizeText.cy + globalData.m_nTextBelowSpacing;
    }
    return size;
}

void CORXToolbarEditBoxButton::OnShow(BOOL bShow)
{
    if (m_pWndEdit->GetSafeHwnd() != NULL)
        m_pWndEdit->ShowWindow(bShow && m_bHorz ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void CORXToolbarEditBoxButton::SetStyle(UINT nStyle)
{
    CORXToolbarButton::SetStyle(nStyle);
    BOOL bDisable = CORXToolBar::IsCustomizeMode() ? !CanBeStored() : (nStyle & TBBS_DISABLED) != 0;
    if (m_pWndEdit->GetSafeHwnd() != NULL)
        m_pWndEdit->EnableWindow(!bDisable);
}

void CORXToolbarEditBoxButton::OnGlobalFontsChanged()
{
    if (m_pWndEdit->GetSafeHwnd() != NULL)
        m_pWndEdit->SendMessage(WM_SETFONT, (WPARAM)globalData.fontRegular.GetSafeHandle(), TRUE);
}

HBRUSH CORXToolbarEditBoxButton::OnCtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    pDC->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    pDC->SetBkColor(::GetSysColor(COLOR_WINDOW));
    return (HBRUSH)globalData.brWindow.GetSafeHandle();
}

/////////////////////////////////////////////////////////////////////////////
// Contents

BOOL CORXToolbarEditBoxButton::NotifyCommand(int iNotifyCode)
{
    if (m_pWndEdit->GetSafeHwnd() == NULL || iNotifyCode != EN_CHANGE)
        return FALSE;
    m_strContents = GetWindowTextOf(m_pWndEdit->GetSafeHwnd());
    CObList listButtons;
    CORXToolBar::GetCommandButtons(m_nID, listButtons);
    for (POSITION pos = listButtons.GetHeadPosition(); pos != NULL;)
    {
        CORXToolbarEditBoxButton* pOther =
            DYNAMIC_DOWNCAST(CORXToolbarEditBoxButton, listButtons.GetNext(pos));
        if (pOther != NULL && pOther != this)
            pOther->SetContents(m_strContents);
    }
    OnContentsChanged();
    // The change this button wrote itself is no user's edit.
    return !m_bChangingText;
}

void CORXToolbarEditBoxButton::SetContents(const CString& strContents)
{
    if (strContents == m_strContents)
        return;
    m_strContents = strContents;
    if (m_pWndEdit->GetSafeHwnd() != NULL)
    {
        m_bChangingText = TRUE;
        m_pWndEdit->SetWindowText(m_strContents);
        m_bChangingText = FALSE;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Keys and focus

BOOL CORXToolbarEditBoxButton::PreTranslateKey(MSG* pMsg, CWnd* pField)
{
    if (pMsg->message != WM_KEYDOWN)
        return FALSE;
    if (pMsg->wParam == VK_TAB)
    {
        CWnd* pBar = GetBar();
        if (pBar != NULL)
        {
            HWND hwndNext = ::GetNextDlgTabItem(pBar->GetSafeHwnd(), m_pWndEdit->GetSafeHwnd(), FALSE);
            if (hwndNext != NULL && hwndNext != m_pWndEdit->GetSafeHwnd())
                ::SetFocus(hwndNext);
        }
        return TRUE;
    }
    if (pMsg->wParam == VK_ESCAPE)
    {
        GiveFocusBack();
        return TRUE;
    }
    return FALSE;
}

/////////////////////////////////////////////////////////////////////////////
// Copy and serialisation

void CORXToolbarEditBoxButton::CopyFrom(const CORXToolbarButton& s)
{
    CORXToolbarButton::CopyFrom(s);
    const CORXToolbarEditBoxButton* pSrc = DYNAMIC_DOWNCAST(CORXToolbarEditBoxButton, (CObject*)&s);
    if (pSrc == NULL)
        return;
    m_dwStyle = pSrc->m_dwStyle;
    m_iWidth = pSrc->m_iWidth;
    m_strContents = pSrc->m_strContents;
}

void CORXToolbarEditBoxButton::Serialize(CArchive& ar)
{
    CORXToolbarButton::Serialize(ar);
    if (ar.IsStoring())
    {
        // Without a control the button's own contents are what the user last had.
        CString strContents =
            m_pWndEdit->GetSafeHwnd() != NULL ? GetWindowTextOf(m_pWndEdit->GetSafeHwnd()) : m_strContents;
        ar << m_iWidth;
        ar << m_dwStyle;
        ar << strContents;
        return;
    }
    int iWidth = 0;
    DWORD dwStyle = 0;
    CString strContents;
    ar >> iWidth;
    ar >> dwStyle;
    ar >> strContents;
    m_iWidth = iWidth;
    m_dwStyle = dwStyle;
    m_rect.right = m_rect.left + m_iWidth;
    SetContents(strContents);
}

/////////////////////////////////////////////////////////////////////////////
// Drawing

void CORXToolbarEditBoxButton::OnDraw(CDC* pDC, const CRect& rect, CORXToolbarImageList* pImages, BOOL bHorz,
                                      BOOL bCustomizeMode, BOOL bHighlight, BOOL bDrawBorder,
                                      BOOL bGrayDisabledButtons)
{
    if (m_pWndEdit->GetSafeHwnd() == NULL || !bHorz)
    {
        CORXToolbarButton::OnDraw(pDC, rect, pImages, bHorz, bCustomizeMode, bHighlight, bDrawBorder,
                                  bGrayDisabledButtons);
        return;
    }
    m_bHorz = bHorz;
    BOOL bDisabled = (m_nStyle & TBBS_DISABLED) != 0 && !bCustomizeMode;
    if (m_bFlat && (m_bIsHotEdit || bHighlight || HasFocus()))
    {
        CRect rectEdit;
        m_pWndEdit->GetWindowRect(&rectEdit);
        m_pWndEdit->GetParent()->ScreenToClient(&rectEdit);
        rectEdit.InflateRect(1, 1);
        CORXVisualManager::GetInstance()->OnDrawEditBorder(pDC, rectEdit, bDisabled, TRUE, this);
    }
    if (m_bTextBelow && !m_strText.IsEmpty())
    {
        CRect rectEdit;
        m_pWndEdit->GetWindowRect(&rectEdit);
        m_pWndEdit->GetParent()->ScreenToClient(&rectEdit);
        DrawTextBelow(pDC, rect, rectEdit.bottom, bDisabled);
    }
}

int CORXToolbarEditBoxButton::OnDrawOnCustomizeList(CDC* pDC, const CRect& rect, BOOL bSelected)
{
    int nWidth = CORXToolbarButton::OnDrawOnCustomizeList(pDC, rect, bSelected);
    DrawCustomizeField(pDC, rect);
    return nWidth;
}
