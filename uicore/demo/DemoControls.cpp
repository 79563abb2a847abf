// CDemoControls: the combo box and edit box buttons on their own bar, and a key bound at start.
#include "DemoControls.h"

#include "ORXToolbarComboBoxButton.h"
#include "ORXToolbarEditBoxButton.h"

BOOL CDemoControls::Wanted(CString& strCommandLine)
{
    if (strCommandLine.Left(10) != _T("/controls "))
        return FALSE;
    strCommandLine = strCommandLine.Mid(10);
    strCommandLine.TrimLeft();
    return TRUE;
}

BOOL CDemoControls::Create(CFrameWnd* pFrame, PFN_LOG pfnLog)
{
    m_pFrame = pFrame;
    m_pfnLog = pfnLog;
    if (!m_wndBar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, ID_DEMO_CTRLSBAR))
        return FALSE;
    m_wndBar.SetWindowText(_T("Controls"));
    CORXToolbarComboBoxButton combo(ID_DEMO_COMBO, -1, CBS_DROPDOWNLIST, 120);
    combo.AddItem(_T("Alpha"), 100);
    combo.AddItem(_T("Beta"), 200);
    combo.AddItem(_T("Gamma"), 300);
    combo.SelectItem(0, FALSE);
    CORXToolbarEditBoxButton edit(ID_DEMO_EDIT, -1, ES_AUTOHSCROLL | WS_BORDER, 120);
    if (m_wndBar.InsertButtonCopy(combo) < 0 || m_wndBar.InsertButtonCopy(edit) < 0)
        return FALSE;

    // Ctrl+K, bound through the keyboard manager into the frame's own table.
    ACCEL accel = {FVIRTKEY | FCONTROL, 'K', ID_DEMO_KEYED};
    HACCEL hAccel = CORXKeyboardManager::AssignKey(pFrame->m_hAccelTable, accel);
    if (!CORXKeyboardManager::InstallTable(pFrame, hAccel))
        return FALSE;
    CString strKey;
    CORXKeyboardManager::FindDefaultAccelerator(ID_DEMO_KEYED, strKey, pFrame, TRUE);
    m_pfnLog("key assigned %s", (LPCTSTR)strKey);
    return TRUE;
}

void CDemoControls::LogPlaces()
{
    for (UINT nID : {ID_DEMO_COMBO, ID_DEMO_EDIT})
    {
        int iIndex = m_wndBar.CommandToIndex(nID);
        CORXToolbarButton* pButton = m_wndBar.GetButton(iIndex);
        HWND hwnd = pButton != NULL ? pButton->GetHwnd() : NULL;
        CRect rect(0, 0, 0, 0);
        if (hwnd != NULL)
            ::GetWindowRect(hwnd, &rect);
        m_pfnLog("control %u %ld %ld %ld %ld", nID, rect.left, rect.top, rect.right, rect.bottom);
    }
}

BOOL CDemoControls::OnCommand(WPARAM wParam)
{
    UINT nID = LOWORD(wParam);
    int iCode = HIWORD(wParam);
    if (nID == ID_DEMO_KEYED)
    {
        m_pfnLog("keyed %u", nID);
        return TRUE;
    }
    if (nID == ID_DEMO_COMBO && iCode == CBN_SELENDOK)
    {
        CORXToolbarComboBoxButton* pCombo =
            DYNAMIC_DOWNCAST(CORXToolbarComboBoxButton, m_wndBar.GetButton(m_wndBar.CommandToIndex(nID)));
        if (pCombo != NULL)
            m_pfnLog("combo %d %s", pCombo->GetCurSel(), pCombo->GetText());
        return TRUE;
    }
    if (nID == ID_DEMO_EDIT && iCode == EN_CHANGE)
    {
        CORXToolbarEditBoxButton* pEdit =
            DYNAMIC_DOWNCAST(CORXToolbarEditBoxButton, m_wndBar.GetButton(m_wndBar.CommandToIndex(nID)));
        if (pEdit != NULL)
            m_pfnLog("edit %s", (LPCTSTR)pEdit->GetContents());
        return TRUE;
    }
    return FALSE;
}
