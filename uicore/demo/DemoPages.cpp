// CDemoPages: the customise sheet of the demonstration with its keyboard and menu pages.
#include "DemoPages.h"

#include <afxdlgs.h>

#include "DemoIds.h"
#include "ORXKeyboardManager.h"
#include "ORXKeyboardPage.h"
#include "ORXMenuPage.h"
#include "ORXPopupMenu.h"
#include "ORXPopupMenuBar.h"
#include "ORXToolBar.h"

namespace
{
CDemoPages* s_pPages = NULL;
const UINT_PTR kPagesWatchTimer = 0x6511;
} // namespace

BOOL CDemoPages::Wanted(CString& strCommandLine)
{
    if (strCommandLine.Left(7) != _T("/pages "))
        return FALSE;
    strCommandLine = strCommandLine.Mid(7);
    strCommandLine.TrimLeft();
    return TRUE;
}

BOOL CDemoPages::Create(CFrameWnd* pFrame, PFN_LOG pfnLog)
{
    m_pFrame = pFrame;
    m_pfnLog = pfnLog;
    HMENU hMenu = ::GetMenu(pFrame->m_hWnd);
    HMENU hTools = ::CreatePopupMenu();
    if (hMenu == NULL || hTools == NULL ||
        !::AppendMenu(hTools, MF_STRING, ID_DEMO_PAGES_CUSTOMIZE, _T("&Customize...")) ||
        !::AppendMenu(hMenu, MF_POPUP, (UINT_PTR)hTools, _T("&Tools")))
        return FALSE;
    ::DrawMenuBar(pFrame->m_hWnd);

    // The frame's table comes from its own resource, which Reset All goes back to.
    HACCEL hResource = ::LoadAccelerators(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_DEMO_PAGES_KEYS));
    ACCEL* pAccel = NULL;
    int nCount = CORXKeyboardManager::GetAccelRecords(hResource, pAccel);
    HACCEL hOwn = nCount > 0 ? ::CreateAcceleratorTable(pAccel, nCount) : NULL;
    delete[] pAccel;
    if (!CORXKeyboardManager::InstallTable(pFrame, hOwn))
        return FALSE;
    pFrame->m_nIDHelp = IDR_DEMO_PAGES_KEYS;
    // Another part of the demonstration may have made the manager already.
    if (ORXKeyboardManager() == NULL)
        ORXInitKeyboardManager();
    s_pPages = this;
    ::SetTimer(pFrame->GetSafeHwnd(), kPagesWatchTimer, 100, Watch);
    return TRUE;
}

BOOL CDemoPages::AddKeyedButton(CORXToolBar* pOrxBar)
{
    CORXToolbarButton* pButton = new CORXToolbarButton(
        ID_DEMO_CHANGEBAR, CORXToolBar::GetDefaultImage(ID_DEMO_ALARM), _T("Change Bar"));
    if (pOrxBar->InsertButton(pButton) < 0)
    {
        delete pButton;
        return FALSE;
    }
    pOrxBar->AdjustLayout();
    return TRUE;
}

void CALLBACK CDemoPages::Watch(HWND, UINT, UINT_PTR, DWORD)
{
    CDemoPages* pThis = s_pPages;
    if (pThis == NULL || pThis->m_pfnLog == NULL)
        return;
    CORXPopupMenu* pMenu = CORXPopupMenu::GetActiveMenu();
    CORXPopupMenuBar* pItems = pMenu != NULL && pMenu->GetSafeHwnd() != NULL ? pMenu->GetMenuBar() : NULL;
    CString strPopup;
    for (int i = 0; pItems != NULL && i < pItems->GetCount(); i++)
    {
        CORXToolbarButton* pItem = pItems->GetButton(i);
        CString strItem;
        strItem.Format(_T("popupitem %u %s\n"), pItem->m_nID, (LPCTSTR)pItem->m_strText);
        strPopup += strItem;
    }
    if (strPopup == pThis->m_strLastPopup)
        return;
    pThis->m_strLastPopup = strPopup;
    pThis->m_pfnLog("popup %d", pItems != NULL ? pItems->GetCount() : -1);
    int nStart = 0;
    while (nStart < strPopup.GetLength())
    {
        int nEnd = strPopup.Find(_T('\n'), nStart);
        if (nEnd < 0)
            nEnd = strPopup.GetLength();
        // The tab between an item's text and its key goes to the log as " | ".
        CString strLine = strPopup.Mid(nStart, nEnd - nStart);
        strLine.Replace(_T("\t"), _T(" | "));
        pThis->m_pfnLog("%s", (LPCTSTR)strLine);
        nStart = nEnd + 1;
    }
}

BOOL CDemoPages::OnCommand(WPARAM wParam)
{
    if (LOWORD(wParam) != ID_DEMO_PAGES_CUSTOMIZE || m_pFrame == NULL)
        return FALSE;
    CPropertySheet sheet(_T("Customize"), m_pFrame);
    CORXKeyboardPage pageKeyboard(m_pFrame);
    CORXMenuPage pageMenu(m_pFrame, TRUE);
    sheet.AddPage(&pageKeyboard);
    sheet.AddPage(&pageMenu);
    m_pfnLog("sheet open");
    sheet.DoModal();
    CString strKey;
    CORXKeyboardManager::FindDefaultAccelerator(ID_DEMO_MENU_LAST, strKey, m_pFrame, TRUE);
    m_pfnLog("sheet closed animation %d shadows %d last key %s", CORXPopupMenu::GetAnimationType(),
             CORXPopupMenu::AreMenuShadowsEnabled(), (LPCTSTR)strKey);
    return TRUE;
}
