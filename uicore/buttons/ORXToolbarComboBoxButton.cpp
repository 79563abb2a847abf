// Combo box button: the hosted combo box, its placement on the bar, the items and selection kept by
// the button, the keys of the control, and drawing as a flat control or as a plain button.
#include "ORXToolbarComboBoxButton.h"

#include "ORXGlobalData.h"
#include "ORXToolBar.h"
#include "ORXVisualManager.h"
#include "ORXWorkspaceBase.h"

#include <algorithm>

IMPLEMENT_SERIAL(CORXToolbarComboBoxButton, CORXToolbarControlButton, VERSIONABLE_SCHEMA | 1)

BOOL CORXToolbarComboBoxButton::m_bFlat = FALSE;

namespace
{
const int kDefaultWidth = 150;
const int kDefaultDropDownHeight = 150;

CString GetWindowTextOf(HWND hwnd)
{
    CString str;
    if (hwnd == NULL)
        return str;
    int nLen = ::GetWindowTextLengthA(hwnd);
    if (nLen > 0)
    {
        ::GetWindowTextA(hwnd, str.GetBuffer(nLen + 1), nLen + 1);
        str.ReleaseBuffer();
    }
    return str;
}

// The next control of the bar, after the one that has the focus, that takes the focus.
void FocusNextTabItem(CWnd* pBar, HWND hwndFrom)
{
    if (pBar == NULL || pBar->GetSafeHwnd() == NULL)
        return;
    HWND hwndNext = ::GetNextDlgTabItem(pBar->GetSafeHwnd(), hwndFrom, FALSE);
    if (hwndNext != NULL && hwndNext != hwndFrom)
        ::SetFocus(hwndNext);
}
} // namespace

/////////////////////////////////////////////////////////////////////////////
// The controls

/////////////////////////////////////////////////////////////////////////////
// Construction

CORXToolbarComboBoxButton::CORXToolbarComboBoxButton()
    : CORXToolbarControlButton(kDefaultStyle, kDefaultWidth)
{
    Initialize();
}

CORXToolbarComboBoxButton::CORXToolbarComboBoxButton(UINT uiID, int iImage, DWORD dwStyle, int iWidth)
    : CORXToolbarControlButton(uiID, iImage, dwStyle | WS_CHILD | WS_VISIBLE | WS_VSCROLL,
                               iWidth == 0 ? kDefaultWidth : iWidth)
{
    Initialize();
}

void CORXToolbarComboBoxButton::Initialize()
{
    m_pWndCombo = NULL;
    m_pWndEdit = NULL;
    m_iSelIndex = -1;
    m_bSerializeContent = TRUE;
    m_bHorz = TRUE;
    m_rectCombo.SetRectEmpty();
    m_rectEdit.SetRectEmpty();
    m_nDropDownHeight = kDefaultDropDownHeight;
}

CORXToolbarComboBoxButton::~CORXToolbarComboBoxButton()
{
    DestroyControls();
}

void CORXToolbarComboBoxButton::DestroyControls()
{
    if (m_pWndEdit != NULL)
    {
        m_pWndEdit->DestroyWindow();
        delete m_pWndEdit;
        m_pWndEdit = NULL;
    }
    if (m_pWndCombo != NULL)
    {
        m_pWndCombo->DestroyWindow();
        delete m_pWndCombo;
        m_pWndCombo = NULL;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Items and selection

int CORXToolbarComboBoxButton::AddItem(LPCTSTR lpszItem, DWORD dwData)
{
    if (lpszItem == NULL)
        return -1;
    m_lstItems.AddTail(lpszItem);
    m_lstItemData.AddTail(dwData);
    if (m_pWndCombo->GetSafeHwnd() != NULL)
    {
        int iIndex = m_pWndCombo->AddString(lpszItem);
        if (iIndex >= 0)
            m_pWndCombo->SetItemData(iIndex, dwData);
    }
    return (int)m_lstItems.GetCount() - 1;
}

void CORXToolbarComboBoxButton::RemoveAllItems()
{
    m_lstItems.RemoveAll();
    m_lstItemData.RemoveAll();
    m_iSelIndex = -1;
    m_strEdit.Empty();
    if (m_pWndCombo->GetSafeHwnd() != NULL)
        m_pWndCombo->ResetContent();
    if (m_pWndEdit->GetSafeHwnd() != NULL)
        m_pWndEdit->SetWindowText(_T(""));
}

LPCTSTR CORXToolbarComboBoxButton::GetItem(int iIndex) const
{
    if (iIndex == -1)
        iIndex = m_iSelIndex;
    if (iIndex < 0 || iIndex >= m_lstItems.GetCount())
        return NULL;
    // The list's own string: the const accessor would hand back a temporary copy.
    CStringList& lstItems = const_cast<CStringList&>(m_lstItems);
    POSITION pos = lstItems.FindIndex(iIndex);
    return pos != NULL ? (LPCTSTR)lstItems.GetAt(pos) : NULL;
}

DWORD CORXToolbarComboBoxButton::GetItemData(int iIndex) const
{
    if (iIndex == -1)
        iIndex = m_iSelIndex;
    if (iIndex < 0 || iIndex >= m_lstItemData.GetCount())
        return 0;
    POSITION pos = m_lstItemData.FindIndex(iIndex);
    return pos != NULL ? m_lstItemData.GetAt(pos) : 0;
}

BOOL CORXToolbarComboBoxButton::SelectItem(int iIndex, BOOL bNotify)
{
    if (iIndex < 0 || iIndex >= m_lstItems.GetCount())
        return FALSE;
    m_iSelIndex = iIndex;
    m_strEdit = GetItem(iIndex);
    if (m_pWndCombo->GetSafeHwnd() == NULL)
        return TRUE;
    if (m_pWndEdit->GetSafeHwnd() != NULL)
    {
        if (GetWindowTextOf(m_pWndEdit->GetSafeHwnd()) != m_strEdit)
            m_pWndEdit->SetWindowText(m_strEdit);
    }
    else if (m_bFlat)
        RedrawFace();
    if (m_pWndCombo->GetCurSel() != iIndex && m_pWndCombo->SetCurSel(iIndex) == CB_ERR)
        return FALSE;
    if (bNotify)
        NotifyCommand(CBN_SELENDOK);
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// The control on the bar

CComboBox* CORXToolbarComboBoxButton::CreateCombo(CWnd* pWndParent, const CRect& rect)
{
    CORXComboBoxCtrl* pCombo = new CORXComboBoxCtrl(*this);
    if (!pCombo->Create(m_dwStyle, rect, pWndParent, m_nID))
    {
        delete pCombo;
        return NULL;
    }
    return pCombo;
}

void CORXToolbarComboBoxButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CORXToolbarButton::OnChangeParentWnd(pWndParent);
    if (m_pWndCombo->GetSafeHwnd() != NULL)
    {
        if (pWndParent != NULL && m_pWndCombo->GetParent() == pWndParent)
            return;
    }
    DestroyControls();
    if (pWndParent == NULL || pWndParent->GetSafeHwnd() == NULL)
        return;

    CRect rect = m_rect;
    rect.DeflateRect(2, 0);
    rect.bottom = rect.top + m_nDropDownHeight;
    m_pWndCombo = CreateCombo(pWndParent, rect);
    if (m_pWndCombo == NULL)
        return;
    if (CORXToolBar::IsCustomizeMode() || (m_nStyle & TBBS_DISABLED))
        m_pWndCombo->EnableWindow(FALSE);

    if (m_bFlat && (m_dwStyle & 0x3) == CBS_DROPDOWN)
    {
        DWORD dwEditStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | ES_WANTRETURN;
        if (m_pWndCombo->GetStyle() & WS_TABSTOP)
            dwEditStyle |= WS_TABSTOP;
        CORXComboEdit* pEdit = new CORXComboEdit(*this);
        if (pEdit->Create(dwEditStyle, rect, pWndParent, m_nID))
        {
            pEdit->SetOwner(pWndParent->GetOwner() != NULL ? pWndParent->GetOwner() : pWndParent);
            m_pWndEdit = pEdit;
        }
        else
            delete pEdit;
    }

    AdjustRect();
    OnGlobalFontsChanged();

    if (m_pWndCombo->GetCount() <= 0)
        FillControl();
    else
        ReadBackControl();
    if (GetItem(m_iSelIndex) != NULL)
    {
        m_strEdit = GetItem(m_iSelIndex);
        SetControlText(m_strEdit);
    }
}

void CORXToolbarComboBoxButton::FillControl()
{
    if (m_pWndCombo->GetSafeHwnd() == NULL)
        return;
    m_pWndCombo->ResetContent();
    POSITION posData = m_lstItemData.GetHeadPosition();
    for (POSITION pos = m_lstItems.GetHeadPosition(); pos != NULL;)
    {
        CString strItem = m_lstItems.GetNext(pos);
        DWORD dwData = posData != NULL ? m_lstItemData.GetNext(posData) : 0;
        int iIndex = m_pWndCombo->AddString(strItem);
        if (iIndex >= 0)
            m_pWndCombo->SetItemData(iIndex, dwData);
    }
    if (m_iSelIndex >= 0 && m_iSelIndex < m_pWndCombo->GetCount())
        m_pWndCombo->SetCurSel(m_iSelIndex);
}

void CORXToolbarComboBoxButton::ReadBackControl()
{
    if (m_pWndCombo->GetSafeHwnd() == NULL)
        return;
    m_lstItems.RemoveAll();
    m_lstItemData.RemoveAll();
    int nCount = m_pWndCombo->GetCount();
    for (int i = 0; i < nCount; i++)
    {
        CString strItem;
        m_pWndCombo->GetLBText(i, strItem);
        m_lstItems.AddTail(strItem);
        m_lstItemData.AddTail((DWORD)m_pWndCombo->GetItemData(i));
    }
    // A control with nothing selected leaves the button's own selection as it was.
    int iSel = m_pWndCombo->GetCurSel();
    if (iSel >= 0 && iSel < nCount)
        m_iSelIndex = iSel;
    else if (m_iSelIndex >= nCount)
        m_iSelIndex = -1;
}

void CORXToolbarComboBoxButton::SetControlText(LPCTSTR lpszText)
{
    if (m_pWndCombo->GetSafeHwnd() != NULL && GetWindowTextOf(m_pWndCombo->GetSafeHwnd()) != lpszText)
        m_pWndCombo->SetWindowText(lpszText);
    if (m_pWndEdit->GetSafeHwnd() != NULL && GetWindowTextOf(m_pWndEdit->GetSafeHwnd()) != lpszText)
        m_pWndEdit->SetWindowText(lpszText);
}

void CORXToolbarComboBoxButton::AdjustRect()
{
    if (m_pWndCombo->GetSafeHwnd() == NULL || m_rect.IsRectEmpty())
    {
        m_rectCombo.SetRectEmpty();
        m_rectEdit.SetRectEmpty();
        return;
    }
    CRect rect = m_rect;
    if (IsExtraSize())
    {
        CSize sizeExtra = CORXVisualManager::GetInstance()->GetButtonExtraBorder();
        rect.DeflateRect(sizeExtra.cx / 2, sizeExtra.cy / 2);
    }
    m_pWndCombo->SetWindowPos(NULL, rect.left + 1, rect.top, rect.Width() - 2, m_nDropDownHeight,
                              SWP_NOZORDER | SWP_NOACTIVATE);
    m_pWndCombo->SetEditSel(0, 0xFFFF);
    CWnd* pBar = m_pWndCombo->GetParent();
    m_pWndCombo->GetWindowRect(&m_rectCombo);
    if (pBar != NULL)
        pBar->ScreenToClient(&m_rectCombo);
    if (m_pWndEdit->GetSafeHwnd() != NULL)
    {
        // The edit covers the combo's field and leaves its drop-down button free.
        int cxDropButton = ::GetSystemMetrics(SM_CXVSCROLL);
        m_rectEdit = m_rectCombo;
        m_rectEdit.DeflateRect(2, 2);
        m_rectEdit.right = std::max(m_rectEdit.left, m_rectEdit.right - cxDropButton);
        m_pWndEdit->SetWindowPos(NULL, m_rectEdit.left, m_rectEdit.top, m_rectEdit.Width(),
                                 m_rectEdit.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CORXToolbarComboBoxButton::OnMove()
{
    AdjustRect();
}

void CORXToolbarComboBoxButton::OnSize(int iSize)
{
    m_iWidth = iSize;
    m_rect.right = m_rect.left + m_iWidth;
    AdjustRect();
}

SIZE CORXToolbarComboBoxButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    m_bHorz = bHorz;
    if (!bHorz)
    {
        if (m_pWndCombo->GetSafeHwnd() != NULL && !m_bFlat)
            m_pWndCombo->ShowWindow(SW_HIDE);
        if (m_pWndEdit->GetSafeHwnd() != NULL)
            m_pWndEdit->ShowWindow(SW_HIDE);
        return CORXToolbarButton::OnCalculateSize(pDC, sizeDefault, bHorz);
    }
    if (m_pWndCombo->GetSafeHwnd() != NULL && !IsHidden())
    {
        if (!m_bFlat)
            m_pWndCombo->ShowWindow(SW_SHOWNOACTIVATE);
        if (m_pWndEdit->GetSafeHwnd() != NULL)
            m_pWndEdit->ShowWindow(SW_SHOWNOACTIVATE);
    }
    CSize size(m_iWidth, sizeDefault.cy);
    if (m_pWndCombo->GetSafeHwnd() != NULL)
    {
        CRect rectWnd;
        m_pWndCombo->GetWindowRect(&rectWnd);
        // A combo box's window height is its closed height.
        size.cy = rectWnd.Height();
    }
    if (m_bTextBelow && !m_strText.IsEmpty() && pDC != NULL)
    {
        CRect rectText(0, 0, m_iWidth, sizeDefault.cy);
        ::DrawTextA(pDC->GetSafeHdc(), m_strText, -1, &rectText, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
        m_sizeText = CSize(rectText.Width(), rectText.Height());
        size.cy += m_sizeText.cy + globalData.m_nTextBelowSpacing;
    }
    return size;
}

void CORXToolbarComboBoxButton::OnShow(BOOL bShow)
{
    BOOL bVisible = bShow && m_bHorz;
    if (m_pWndCombo->GetSafeHwnd() != NULL)
        m_pWndCombo->ShowWindow(bVisible && !m_bFlat ? SW_SHOWNOACTIVATE : SW_HIDE);
    if (m_pWndEdit->GetSafeHwnd() != NULL)
        m_pWndEdit->ShowWindow(bVisible ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void CORXToolbarComboBoxButton::SetStyle(UINT nStyle)
{
    CORXToolbarButton::SetStyle(nStyle);
    BOOL bDisable = CORXToolBar::IsCustomizeMode() ? !CanBeStored() : (nStyle & TBBS_DISABLED) != 0;
    if (m_pWndCombo->GetSafeHwnd() != NULL)
        m_pWndCombo->EnableWindow(!bDisable);
    if (m_pWndEdit->GetSafeHwnd() != NULL)
        m_pWndEdit->EnableWindow(!bDisable);
}

void CORXToolbarComboBoxButton::OnGlobalFontsChanged()
{
    HFONT hFont = (HFONT)globalData.fontRegular.GetSafeHandle();
    if (m_pWndCombo->GetSafeHwnd() != NULL)
        m_pWndCombo->SendMessage(WM_SETFONT, (WPARAM)hFont, TRUE);
    if (m_pWndEdit->GetSafeHwnd() != NULL)
        m_pWndEdit->SendMessage(WM_SETFONT, (WPARAM)hFont, TRUE);
}

HBRUSH CORXToolbarComboBoxButton::OnCtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    pDC->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    pDC->SetBkColor(::GetSysColor(COLOR_WINDOW));
    return (HBRUSH)globalData.brWindow.GetSafeHandle();
}

BOOL CORXToolbarComboBoxButton::IsWindowVisible()
{
    return (m_pWndCombo->GetSafeHwnd() != NULL && (m_pWndCombo->GetStyle() & WS_VISIBLE)) ||
           (m_pWndEdit->GetSafeHwnd() != NULL && (m_pWndEdit->GetStyle() & WS_VISIBLE));
}

BOOL CORXToolbarComboBoxButton::IsOwnerOf(HWND hwnd)
{
    if (hwnd == NULL)
        return FALSE;
    if (m_pWndEdit->GetSafeHwnd() != NULL && (hwnd == m_pWndEdit->GetSafeHwnd()))
        return TRUE;
    return CORXToolbarButton::IsOwnerOf(hwnd);
}

BOOL CORXToolbarComboBoxButton::HasFocus() const
{
    if (m_pWndCombo->GetSafeHwnd() == NULL)
        return FALSE;
    HWND hwndFocus = ::GetFocus();
    if (m_pWndEdit->GetSafeHwnd() != NULL && hwndFocus == m_pWndEdit->GetSafeHwnd())
        return TRUE;
    return CORXToolbarButton::HasFocus() || IsDroppedDown();
}

BOOL CORXToolbarComboBoxButton::IsDroppedDown() const
{
    return m_pWndCombo->GetSafeHwnd() != NULL && m_pWndCombo->SendMessage(CB_GETDROPPEDSTATE, 0, 0) != 0;
}

BOOL CORXToolbarComboBoxButton::OnClick(CWnd* /*pWnd*/, BOOL /*bDelay*/)
{
    if (m_pWndCombo->GetSafeHwnd() == NULL || !m_bHorz)
        return FALSE;
    if (!m_bFlat)
        return TRUE;
    if (m_pWndEdit->GetSafeHwnd() != NULL)
        m_pWndEdit->SetFocus();
    else
        m_pWndCombo->SetFocus();
    m_pWndCombo->ShowDropDown(TRUE);
    RedrawFace();
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Notifications: the buttons of the same command follow

void CORXToolbarComboBoxButton::ForEachSibling(void (*pfn)(CORXToolbarComboBoxButton& other,
                                                           CORXToolbarComboBoxButton& self))
{
    CObList listButtons;
    if (CORXToolBar::GetCommandButtons(m_nID, listButtons) <= 0)
        return;
    for (POSITION pos = listButtons.GetHeadPosition(); pos != NULL;)
    {
        CORXToolbarComboBoxButton* pOther =
            DYNAMIC_DOWNCAST(CORXToolbarComboBoxButton, listButtons.GetNext(pos));
        if (pOther != NULL && pOther != this)
            pfn(*pOther, *this);
    }
}

BOOL CORXToolbarComboBoxButton::NotifyCommand(int iNotifyCode)
{
    if (m_pWndCombo->GetSafeHwnd() == NULL)
        return FALSE;
    if (m_bFlat && iNotifyCode == 0)
    {
        RedrawFace();
        return TRUE;
    }
    switch (iNotifyCode)
    {
    case CBN_SELCHANGE: {
        int iSel = m_pWndCombo->GetCurSel();
        if (iSel >= 0 && m_pWndEdit->GetSafeHwnd() != NULL)
        {
            CString strItem;
            m_pWndCombo->GetLBText(iSel, strItem);
            m_pWndEdit->SetWindowText(strItem);
        }
        return TRUE;
    }
    case CBN_EDITCHANGE: {
        m_strEdit = GetWindowTextOf(m_pWndCombo->GetSafeHwnd());
        ForEachSibling([](CORXToolbarComboBoxButton& other, CORXToolbarComboBoxButton& self) {
            other.m_strEdit = self.m_strEdit;
            other.SetControlText(self.m_strEdit);
        });
        return TRUE;
    }
    case CBN_EDITUPDATE:
    case CBN_DROPDOWN:
        return TRUE;
    case CBN_SELENDOK: {
        // A selection the control does not report (CB_ERR) is stored nowhere.
        int iSel = m_pWndCombo->GetCurSel();
        if (iSel >= 0 && iSel < m_lstItems.GetCount())
        {
            m_iSelIndex = iSel;
            m_strEdit = GetItem(iSel);
            if (m_pWndEdit->GetSafeHwnd() != NULL)
                m_pWndEdit->SetWindowText(m_strEdit);
            ForEachSibling([](CORXToolbarComboBoxButton& other, CORXToolbarComboBoxButton& self) {
                other.SelectItem(self.m_iSelIndex, FALSE);
            });
        }
        CWnd* pBar = GetBar();
        CWnd* pOwner =
            pBar != NULL ? (pBar->GetOwner() != NULL ? pBar->GetOwner() : pBar->GetParent()) : NULL;
        if (pOwner != NULL && m_pWndCombo->GetSafeHwnd() == ::GetFocus())
            pOwner->SetFocus();
        return TRUE;
    }
    default:
        return FALSE;
    }
}

void CORXToolbarComboBoxButton::OnAddToCustomizePage()
{
    CObList listButtons;
    if (CORXToolBar::GetCommandButtons(m_nID, listButtons) <= 0)
        return;
    for (POSITION pos = listButtons.GetHeadPosition(); pos != NULL;)
    {
        CORXToolbarComboBoxButton* pOther =
            DYNAMIC_DOWNCAST(CORXToolbarComboBoxButton, listButtons.GetNext(pos));
        if (pOther == NULL || pOther == this)
            continue;
        m_lstItems.RemoveAll();
        m_lstItemData.RemoveAll();
        m_lstItems.AddTail(&pOther->m_lstItems);
        for (POSITION posData = pOther->m_lstItemData.GetHeadPosition(); posData != NULL;)
            m_lstItemData.AddTail(pOther->m_lstItemData.GetNext(posData));
        return;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Keys and focus of the controls

BOOL CORXToolbarComboBoxButton::PreTranslateKey(MSG* pMsg, CWnd* pField)
{
    if (pMsg->message != WM_KEYDOWN || m_pWndCombo->GetSafeHwnd() == NULL)
        return FALSE;
    BOOL bModifier = (::GetKeyState(VK_MENU) & 0x8000) || (::GetKeyState(VK_CONTROL) & 0x8000);
    BOOL bDropped = IsDroppedDown();
    UINT nKey = (UINT)pMsg->wParam;
    if (!bModifier)
    {
        BOOL bListKey = nKey == VK_PRIOR || nKey == VK_NEXT || nKey == VK_END || nKey == VK_HOME ||
                        nKey == VK_UP || nKey == VK_DOWN;
        if (nKey == VK_RETURN || (bListKey && bDropped))
        {
            pField->SetFocus();
            if (bDropped)
            {
                m_pWndCombo->SendMessage(WM_KEYDOWN, pMsg->wParam, pMsg->lParam);
                return TRUE;
            }
            // Enter with the list closed takes the typed text as the button's text.
            m_strEdit = GetWindowTextOf(pField->GetSafeHwnd());
            CWnd* pTarget =
                m_pWndCombo->GetOwner() != NULL ? m_pWndCombo->GetOwner() : m_pWndCombo->GetParent();
            if (pTarget != NULL)
                pTarget->PostMessage(WM_COMMAND, MAKEWPARAM(m_nID, 0), (LPARAM)m_pWndCombo->GetSafeHwnd());
            return TRUE;
        }
    }
    switch (nKey)
    {
    case VK_TAB:
        FocusNextTabItem(GetBar(), pField->GetSafeHwnd());
        return TRUE;
    case VK_ESCAPE:
        m_pWndCombo->ShowDropDown(FALSE);
        GiveFocusBack();
        return TRUE;
    case VK_UP:
    case VK_DOWN:
        if (!bModifier && !bDropped)
        {
            m_pWndCombo->ShowDropDown(TRUE);
            RedrawFace();
            return TRUE;
        }
        break;
    }
    return FALSE;
}

/////////////////////////////////////////////////////////////////////////////
// Copy, serialisation and export

void CORXToolbarComboBoxButton::CopyFrom(const CORXToolbarButton& s)
{
    CORXToolbarButton::CopyFrom(s);
    const CORXToolbarComboBoxButton* pSrc = DYNAMIC_DOWNCAST(CORXToolbarComboBoxButton, (CObject*)&s);
    if (pSrc == NULL)
        return;
    OnBeforeItemsRebuilt();
    m_lstItems.RemoveAll();
    m_lstItemData.RemoveAll();
    m_lstItems.AddTail((CStringList*)&pSrc->m_lstItems);
    for (POSITION pos = pSrc->m_lstItemData.GetHeadPosition(); pos != NULL;)
        m_lstItemData.AddTail(pSrc->m_lstItemData.GetNext(pos));
    OnAfterItemsRebuilt();
    m_dwStyle = pSrc->m_dwStyle;
    m_nDropDownHeight = pSrc->m_nDropDownHeight;
    m_iWidth = pSrc->m_iWidth;
    m_bSerializeContent = pSrc->m_bSerializeContent;
    m_bIsHotEdit = pSrc->m_bIsHotEdit;
    m_iSelIndex = pSrc->m_iSelIndex;
    m_strEdit = pSrc->m_strEdit;
}

void CORXToolbarComboBoxButton::SerializeItems(CArchive& ar)
{
    if (ar.IsStoring())
    {
        m_lstItems.Serialize(ar);
        POSITION pos = m_lstItemData.GetHeadPosition();
        for (INT_PTR i = 0; i < m_lstItems.GetCount(); i++)
        {
            DWORD dwData = pos != NULL ? m_lstItemData.GetNext(pos) : 0;
            ar << dwData;
        }
        return;
    }
    OnBeforeItemsRebuilt();
    CStringList lstItems;
    lstItems.Serialize(ar);
    CList<DWORD, DWORD> lstData;
    for (INT_PTR i = 0; i < lstItems.GetCount(); i++)
    {
        DWORD dwData = 0;
        ar >> dwData;
        lstData.AddTail(dwData);
    }
    // Only a complete read replaces the items.
    m_lstItems.RemoveAll();
    m_lstItems.AddTail(&lstItems);
    m_lstItemData.RemoveAll();
    for (POSITION pos = lstData.GetHeadPosition(); pos != NULL;)
        m_lstItemData.AddTail(lstData.GetNext(pos));
    OnAfterItemsRebuilt();
}

void CORXToolbarComboBoxButton::Serialize(CArchive& ar)
{
    CORXToolbarButton::Serialize(ar);
    // Archives of versions before 4.72 have no drop-down height.
    BOOL bDropDownHeight = CORXWorkspaceBase::GetInstance() == NULL || ORXSavedVersionAtLeast(4, 72);
    if (ar.IsStoring())
    {
        if (m_pWndCombo->GetSafeHwnd() != NULL)
            ReadBackControl();
        ar << m_iWidth;
        ar << m_dwStyle;
        ar << m_iSelIndex;
        ar << m_strEdit;
        ar << m_nDropDownHeight;
        if (m_bSerializeContent)
            SerializeItems(ar);
        return;
    }

    int iWidth = 0;
    DWORD dwStyle = 0;
    int iSelIndex = -1;
    CString strEdit;
    int nDropDownHeight = kDefaultDropDownHeight;
    ar >> iWidth;
    ar >> dwStyle;
    ar >> iSelIndex;
    ar >> strEdit;
    if (bDropDownHeight)
        ar >> nDropDownHeight;
    m_iWidth = iWidth;
    m_dwStyle = dwStyle;
    m_strEdit = strEdit;
    m_nDropDownHeight = nDropDownHeight;
    m_rect.right = m_rect.left + m_iWidth;
    if (m_bSerializeContent)
    {
        SerializeItems(ar);
        FillControl();
        // The stored selection is applied quietly: loading is no choice of the user's, and an
        // index outside the items leaves nothing selected.
        m_iSelIndex = -1;
        SelectItem(iSelIndex, FALSE);
    }
    else
        m_iSelIndex = iSelIndex;
}

BOOL CORXToolbarComboBoxButton::ExportToMenuButton(CORXToolbarButton& menuButton) const
{
    CString strMessage;
    if (strMessage.LoadString(m_nID))
    {
        int iNewLine = strMessage.Find(_T('\n'));
        if (iNewLine >= 0)
            menuButton.m_strText = strMessage.Mid(iNewLine + 1);
    }
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Drawing

void CORXToolbarComboBoxButton::OnDraw(CDC* pDC, const CRect& rect, CORXToolbarImageList* pImages, BOOL bHorz,
                                       BOOL bCustomizeMode, BOOL bHighlight, BOOL bDrawBorder,
                                       BOOL bGrayDisabledButtons)
{
    if (m_pWndCombo->GetSafeHwnd() == NULL || !bHorz)
    {
        CORXToolbarButton::OnDraw(pDC, rect, pImages, bHorz, bCustomizeMode, bHighlight, bDrawBorder,
                                  bGrayDisabledButtons);
        return;
    }
    m_bHorz = bHorz;
    BOOL bDisabled = (m_nStyle & TBBS_DISABLED) != 0 && !bCustomizeMode;
    if (m_bFlat)
    {
        CORXVisualManager* pLook = CORXVisualManager::GetInstance();
        BOOL bHot = m_bIsHotEdit || bHighlight || HasFocus();
        CRect rectCombo = m_rectCombo;
        pDC->FillRect(&rectCombo, &globalData.brWindow);
        pLook->OnDrawComboBorder(pDC, rectCombo, bDisabled, IsDroppedDown(), bHot, this);
        CRect rectDrop = rectCombo;
        rectDrop.DeflateRect(2, 2);
        rectDrop.left = std::max(rectDrop.left, rectDrop.right - ::GetSystemMetrics(SM_CXVSCROLL));
        pLook->OnDrawComboDropButton(pDC, rectDrop, bDisabled, IsDroppedDown(), bHot, this);
        if ((m_dwStyle & 0x3) == CBS_DROPDOWNLIST)
        {
            CRect rectText = rectCombo;
            rectText.DeflateRect(4, 2);
            rectText.right = rectDrop.left - 1;
            COLORREF clrOld = pDC->SetTextColor(::GetSysColor(bDisabled ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
            int nOldMode = pDC->SetBkMode(TRANSPARENT);
            CFont* pOldFont = pDC->SelectObject(&globalData.fontRegular);
            ::DrawTextA(pDC->GetSafeHdc(), m_strEdit, -1, &rectText,
                        DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
            pDC->SelectObject(pOldFont);
            pDC->SetBkMode(nOldMode);
            pDC->SetTextColor(clrOld);
        }
    }
    if (m_bTextBelow && !m_strText.IsEmpty())
        DrawTextBelow(pDC, rect, m_rectCombo.bottom, bDisabled);
}

int CORXToolbarComboBoxButton::OnDrawOnCustomizeList(CDC* pDC, const CRect& rect, BOOL bSelected)
{
    int nWidth = CORXToolbarButton::OnDrawOnCustomizeList(pDC, rect, bSelected);
    // A small combo picture at the right of the row.
    CRect rectDrop = DrawCustomizeField(pDC, rect);
    rectDrop.DeflateRect(2, 2);
    rectDrop.left = std::max(rectDrop.left, rectDrop.right - rectDrop.Height());
    pDC->DrawFrameControl(&rectDrop, DFC_SCROLL, DFCS_SCROLLDOWN);
    return nWidth;
}
