// CORXPropInPlace: keys and focus of a row's in-place control.
#include "ORXPropInPlace.h"

#include "ORXProp.h"
#include "ORXPropList.h"

CORXPropInPlace::CORXPropInPlace(CORXProp* pProp, BOOL bInnerEdit)
    : m_pProp(pProp), m_bInnerEdit(bInnerEdit), m_pInnerEdit(NULL)
{
}

CORXPropInPlace::~CORXPropInPlace()
{
    if (m_pInnerEdit != NULL)
    {
        if (m_pInnerEdit->GetSafeHwnd() != NULL)
            m_pInnerEdit->UnsubclassWindow();
        delete m_pInnerEdit;
    }
}

void CORXPropInPlace::AttachComboEdit()
{
    HWND hEdit = ::GetWindow(m_hWnd, GW_CHILD);
    if (hEdit == NULL || m_pInnerEdit != NULL)
        return;
    m_pInnerEdit = new CORXPropInPlace(m_pProp, TRUE);
    if (!m_pInnerEdit->SubclassWindow(hEdit))
    {
        delete m_pInnerEdit;
        m_pInnerEdit = NULL;
    }
}

HWND CORXPropInPlace::GetEditHwnd() const
{
    if (m_pInnerEdit != NULL)
        return m_pInnerEdit->m_hWnd;
    TCHAR szClass[16];
    ::GetClassName(m_hWnd, szClass, 16);
    return lstrcmpi(szClass, _T("Edit")) == 0 ? m_hWnd : NULL;
}

BOOL CORXPropInPlace::OnKey(UINT nChar)
{
    CORXPropList* pList = m_pProp->GetOwnerList();
    if (pList == NULL)
        return FALSE;
    HWND hCombo = m_bInnerEdit ? ::GetParent(m_hWnd) : m_hWnd;
    const BOOL bDropped = (BOOL)::SendMessage(hCombo, CB_GETDROPPEDSTATE, 0, 0);
    switch (nChar)
    {
    case VK_RETURN:
        // An open list takes the highlighted choice and closes, whichever window has the key.
        if (bDropped)
        {
            m_pProp->OnSelectCombo();
            ::SendMessage(hCombo, CB_SHOWDROPDOWN, FALSE, 0);
            return TRUE;
        }
        // A text that is no value of the row keeps the edit open.
        if (!pList->EndEditItem(TRUE))
            ::MessageBeep((UINT)-1);
        return TRUE;
    case VK_ESCAPE:
        if (bDropped)
        {
            ::SendMessage(hCombo, CB_SHOWDROPDOWN, FALSE, 0);
            return TRUE;
        }
        pList->EndEditItem(FALSE);
        return TRUE;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
        // In a plain edit the arrows move to the next row, keeping the text.
        if (GetEditHwnd() != m_hWnd || m_bInnerEdit || (::GetKeyState(VK_MENU) & 0x8000) != 0)
            return FALSE;
        if (!pList->EndEditItem(TRUE))
        {
            ::MessageBeep((UINT)-1);
            return TRUE;
        }
        pList->SetFocus();
        pList->SendMessage(WM_KEYDOWN, nChar, 0);
        return TRUE;
    case VK_F4:
        if (m_bInnerEdit || !m_pProp->HasButton())
            return FALSE;
        pList->SendMessage(WM_KEYDOWN, nChar, 0);
        return TRUE;
    }
    return FALSE;
}

BOOL CORXPropInPlace::OnAltDown(LPARAM lParam)
{
    // The row's drop-down opens as from the list; the edit inside a combo box leaves the key to the
    // combo box, which opens its own list.
    CORXPropList* pList = m_pProp->GetOwnerList();
    if (pList == NULL || m_bInnerEdit || (m_pProp->GetFlags() & CORXProp::StyleHasList) == 0)
        return FALSE;
    pList->SendMessage(WM_SYSKEYDOWN, VK_DOWN, lParam);
    return TRUE;
}

void CORXPropInPlace::OnLoseFocus(HWND hWndNew)
{
    if (!m_pProp->IsInPlaceEditing())
        return;
    CWnd* pInPlace = m_pProp->GetInPlaceWnd();
    HWND hInPlace = pInPlace != NULL ? pInPlace->GetSafeHwnd() : NULL;
    if (hWndNew != NULL && (hWndNew == hInPlace || ::IsChild(hInPlace, hWndNew)))
        return;
    // What was typed counts wherever the focus goes; a text that is no value goes back.
    if (!m_pProp->OnUpdateValue() && pInPlace != NULL && m_pProp->IsInPlaceEditing())
        pInPlace->SetWindowText(m_pProp->FormatProperty());
    CORXPropList* pList = m_pProp->GetOwnerList();
    if (pList != NULL && pList->GetSafeHwnd() != NULL && hWndNew != pList->GetSafeHwnd() &&
        !::IsChild(pList->GetSafeHwnd(), hWndNew))
        pList->PostMessage(WM_APP_PROPLIST_ENDEDIT, 0, (LPARAM)hWndNew);
}

LRESULT CORXPropInPlace::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_GETDLGCODE:
        return CWnd::WindowProc(message, wParam, lParam) | DLGC_WANTALLKEYS;
    case WM_SYSKEYDOWN:
        if (wParam == VK_DOWN && (HIWORD(lParam) & KF_ALTDOWN) != 0 && OnAltDown(lParam))
            return 0;
        [[fallthrough]];
    case WM_KEYDOWN:
        if (OnKey((UINT)wParam))
            return 0;
        break;
    case WM_CHAR:
        if (wParam == VK_RETURN || wParam == VK_ESCAPE)
            return 0;
        break;
    case WM_KILLFOCUS: {
        LRESULT lResult = CWnd::WindowProc(message, wParam, lParam);
        OnLoseFocus((HWND)wParam);
        return lResult;
    }
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
