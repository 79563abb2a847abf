// CDemoPages: the customise sheet of the demonstration with its keyboard and menu pages.
#include "DemoPages.h"

#include <afxdlgs.h>

#include "DemoIds.h"
#include "ORXKeyboardManager.h"
#include "ORXKeyboardPage.h"
#include "ORXMenuPage.h"
#include "ORXPopupMenu.h"

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
    if (g_pKeyboardManager == NULL)
        ORXInitKeyboardManager();
    return TRUE;
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
