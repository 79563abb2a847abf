// The key-assign edit: modifiers held, the completing key, and the combination's label.
#include "ORXKeyAssign.h"

#include "ORXKeyboardManager.h"

BEGIN_MESSAGE_MAP(CORXKeyAssign, CEdit)
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CORXKeyAssign::CORXKeyAssign() : m_bKeyDefined(FALSE), m_bFocused(FALSE)
{
    memset(&m_accel, 0, sizeof(m_accel));
}

CORXKeyAssign::~CORXKeyAssign() {}

void CORXKeyAssign::ResetKey()
{
    memset(&m_accel, 0, sizeof(m_accel));
    m_bKeyDefined = FALSE;
    if (GetSafeHwnd() != NULL)
        SetWindowText(_T(""));
}

void CORXKeyAssign::SetAccelFlag(BYTE bFlag, BOOL bOn)
{
    if (bOn)
        m_accel.fVirt |= bFlag;
    else
        m_accel.fVirt &= ~bFlag;
}

void CORXKeyAssign::ShowLabel()
{
    if (GetSafeHwnd() == NULL)
        return;
    if (m_accel.fVirt == 0 && m_accel.key == 0)
    {
        SetWindowText(_T(""));
        return;
    }
    // While only modifiers are held the label shows them, each with its "+".
    ACCEL accel = m_accel;
    if (!m_bKeyDefined)
    {
        accel.fVirt &= ~FVIRTKEY;
        accel.key = 27; // a character key that has no name of its own
    }
    SetWindowText(CORXKeyboardManager::FormatAccel(accel));
}

BOOL CORXKeyAssign::PreTranslateMessage(MSG* pMsg)
{
    UINT message = pMsg->message;
    BOOL bDown = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    BOOL bUp = message == WM_KEYUP || message == WM_SYSKEYUP;
    if (!bDown && !bUp)
        return CEdit::PreTranslateMessage(pMsg);

    if (!m_bFocused)
    {
        // A key that came before the focus only brings the focus here.
        SetFocus();
        return TRUE;
    }

    UINT nKey = (UINT)pMsg->wParam;
    BOOL bModifier = nKey == VK_SHIFT || nKey == VK_CONTROL || nKey == VK_MENU;
    if (bDown)
    {
        BOOL bRepeat = (pMsg->lParam & (1 << 30)) != 0;
        if (m_bKeyDefined && !bRepeat)
            ResetKey();
        if (m_bKeyDefined)
            return TRUE;
        switch (nKey)
        {
        case VK_SHIFT:
            SetAccelFlag(FSHIFT, TRUE);
            break;
        case VK_CONTROL:
            SetAccelFlag(FCONTROL, TRUE);
            break;
        case VK_MENU:
            SetAccelFlag(FALT, TRUE);
            break;
        case VK_TAB:
        case VK_ESCAPE:
            if ((m_accel.fVirt & (FSHIFT | FCONTROL | FALT)) == 0)
            {
                ResetKey();
                // Tab goes on so that the focus moves.
                return nKey == VK_ESCAPE;
            }
            // With modifiers they are keys like any other.
            [[fallthrough]];
        default:
            if (!bModifier)
            {
                m_accel.key = (WORD)nKey;
                SetAccelFlag(FVIRTKEY, TRUE);
                m_bKeyDefined = TRUE;
            }
            break;
        }
        ShowLabel();
        return TRUE;
    }

    // A modifier let go before the combination is complete is no longer part of it.
    if (!m_bKeyDefined)
    {
        if (nKey == VK_SHIFT)
            SetAccelFlag(FSHIFT, FALSE);
        else if (nKey == VK_CONTROL)
            SetAccelFlag(FCONTROL, FALSE);
        else if (nKey == VK_MENU)
            SetAccelFlag(FALT, FALSE);
        ShowLabel();
    }
    return TRUE;
}

void CORXKeyAssign::OnSetFocus(CWnd* pOldWnd)
{
    CEdit::OnSetFocus(pOldWnd);
    m_bFocused = TRUE;
}

void CORXKeyAssign::OnKillFocus(CWnd* pNewWnd)
{
    m_bFocused = FALSE;
    CEdit::OnKillFocus(pNewWnd);
}
