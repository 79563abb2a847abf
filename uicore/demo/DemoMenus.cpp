// CDemoMenus: the chevron, the File menu with its recent files, and their log.
#include "DemoMenus.h"

#include "DemoIds.h"
#include "ORXCmdUsage.h"
#include "ORXServices.h"
#include "ORXPopupMenu.h"
#include "ORXToolbarMenuButton.h"

#include <afxres.h>

namespace
{
CDemoMenus* s_pThis = NULL;
const UINT_PTR kWatchTimer = 0x6510;

CString ScreenRect(CWnd* pWnd, CRect rect)
{
    pWnd->ClientToScreen(rect);
    CString str;
    str.Format(_T("%ld %ld %ld %ld"), rect.left, rect.top, rect.right, rect.bottom);
    return str;
}
} // namespace

BOOL CDemoMenus::Wanted(CString& strCommandLine)
{
    if (strCommandLine.Left(7) != _T("/menus "))
        return FALSE;
    strCommandLine = strCommandLine.Mid(7);
    strCommandLine.TrimLeft();
    return TRUE;
}

BOOL CDemoMenus::Create(CFrameWnd* pFrame, CORXToolBar* pMainBar, CORXToolBar* pMenuBar, PFN_LOG pfnLog)
{
    m_pFrame = pFrame;
    m_pMainBar = pMainBar;
    m_pMenuBar = pMenuBar;
    m_pfnLog = pfnLog;
    s_pThis = this;

    CCustomizeButton* pChevron = new CCustomizeButton(ID_DEMO_MENUS_CUSTOMIZE, _T("&Customize..."));
    if (pMainBar->InsertButton(pChevron) < 0)
    {
        delete pChevron;
        return FALSE;
    }
    CMenu menu;
    if (!menu.LoadMenu(IDR_DEMO_FILEMENU))
        return FALSE;
    CORXToolbarMenuButton* pFile =
        new CORXToolbarMenuButton(0, menu.GetSubMenu(0)->GetSafeHmenu(), -1, _T("&File"));
    pFile->m_bText = TRUE;
    if (pMenuBar->InsertButton(pFile) < 0)
    {
        delete pFile;
        return FALSE;
    }
    pMenuBar->AdjustLayout();
    CORXServices::Register<CORXRecentFileList>(this);

    // Open is the File menu's only command that is not basic: it hides until it is used. A command
    // used less than a third of the time counts as rarely used, so a few others hide it again.
    UINT basics[] = {ID_DEMO_NEW,         ID_DEMO_ALARM,       ID_DEMO_MENU_FIRST, ID_DEMO_MENU_INNER1,
                     ID_DEMO_MENU_INNER2, ID_DEMO_MENU_GREYED, ID_DEMO_MENU_LAST,  ID_DEMO_MENU_CHECK};
    for (UINT uiCmd : basics)
        CORXToolBar::AddBasicCommand(uiCmd);
    CORXCommandUsage::m_nMinUsagePercentage = 30;
    ::SetTimer(pFrame->GetSafeHwnd(), kWatchTimer, 100, Watch);
    return TRUE;
}

CDemoMenus::~CDemoMenus()
{
    CORXServices::Unregister<CORXRecentFileList>(this);
    s_pThis = NULL;
}

CString CDemoMenus::GetPath(int iIndex) const
{
    TCHAR szDir[_MAX_PATH] = {};
    ::GetCurrentDirectory(_MAX_PATH, szDir);
    CString strDir = szDir;
    if (strDir.Right(1) != _T("\\"))
        strDir += _T('\\');
    switch (iIndex)
    {
    case 0:
        return strDir + _T("alarms.vcl");
    case 1:
        return CString(); // an unused entry
    default:
        return _T("C:\\Zones\\Europe & Asia.vtz");
    }
}

BOOL CDemoMenus::OnCommand(WPARAM wParam)
{
    UINT nID = LOWORD(wParam);
    if (nID >= ID_FILE_MRU_FILE1 && nID <= ID_FILE_MRU_FILE1 + 15)
    {
        m_pfnLog("recent %u", nID - ID_FILE_MRU_FILE1);
        return TRUE;
    }
    if (nID == ID_DEMO_MENUS_CUSTOMIZE)
    {
        m_pfnLog("customize");
        return TRUE;
    }
    return FALSE;
}

BOOL CDemoMenus::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) != SC_KEYMENU || lParam == 0)
        return FALSE;
    SHORT vk = ::VkKeyScan((TCHAR)lParam);
    return vk != -1 && m_pMenuBar->TranslateChar(vk & 0xFF);
}

void CDemoMenus::LogLayout()
{
    CString strBar;
    for (int i = 0; i < m_pMenuBar->GetCount(); i++)
    {
        CRect rect;
        m_pMenuBar->GetItemRect(i, rect);
        CString strButton;
        strButton.Format(_T("%d %s;"), i, (LPCTSTR)ScreenRect(m_pMenuBar, rect));
        strBar += strButton;
    }
    if (strBar != m_strLastBar)
    {
        m_strLastBar = strBar;
        for (int i = 0; i < m_pMenuBar->GetCount(); i++)
        {
            CRect rect;
            m_pMenuBar->GetItemRect(i, rect);
            m_pfnLog("barmenu %d %s", i, (LPCTSTR)ScreenRect(m_pMenuBar, rect));
        }
    }
    LogIfChanged();
}

void CALLBACK CDemoMenus::Watch(HWND, UINT, UINT_PTR, DWORD)
{
    if (s_pThis != NULL)
        s_pThis->LogIfChanged();
}

void CDemoMenus::LogIfChanged()
{
    // The chevron: its place and the commands it holds.
    CORXChevron* pChevron = m_pMainBar->GetChevron();
    CString strChevron;
    if (pChevron != NULL)
    {
        CORXToolbarButton* pButton = m_pMainBar->GetButton(m_pMainBar->GetCount() - 1);
        strChevron = _T("chevron ") + ScreenRect(m_pMainBar, pButton->Rect());
        strChevron += pButton->IsHidden() ? _T(" hidden") : _T(" shown");
        for (int i = 0; i < m_pMainBar->GetCount() - 1; i++)
        {
            CORXToolbarButton* pHidden = m_pMainBar->GetButton(i);
            if (pHidden->IsHidden() && !(pHidden->m_nStyle & TBBS_SEPARATOR))
            {
                CString strId;
                strId.Format(_T(" %u"), pHidden->m_nID);
                strChevron += strId;
            }
        }
    }
    if (strChevron != m_strLastChevron)
    {
        m_strLastChevron = strChevron;
        m_pfnLog("%s", (LPCTSTR)strChevron);
    }

    // The second bar's dropped menu.
    int iDropped = -1;
    m_pMenuBar->GetDroppedDownMenu(&iDropped);
    CString strDropped;
    strDropped.Format(_T("dropped %d"), iDropped);
    if (strDropped != m_strLastDropped)
    {
        m_strLastDropped = strDropped;
        m_pfnLog("%s", (LPCTSTR)strDropped);
    }

    // The items of the menu that takes the keys, one record each after a header.
    CORXPopupMenu* pMenu = CORXPopupMenu::GetActiveMenu();
    CString strMenu;
    CORXPopupMenuBar* pItems = pMenu != NULL && pMenu->GetSafeHwnd() != NULL ? pMenu->GetMenuBar() : NULL;
    if (pItems != NULL)
    {
        for (int i = 0; i < pItems->GetCount(); i++)
        {
            CORXToolbarButton* pItem = pItems->GetButton(i);
            CString strItem;
            strItem.Format(_T("menuitem %d %u %s %s %s\n"), i, pItem->m_nID,
                           (LPCTSTR)ScreenRect(pItems, pItem->Rect()),
                           pItem->IsKindOf(RUNTIME_CLASS(CORXShowAllButton)) ? _T("showall") : _T("item"),
                           (LPCTSTR)pItem->m_strText);
            strMenu += strItem;
        }
    }
    if (strMenu == m_strLastMenu)
        return;
    m_strLastMenu = strMenu;
    m_pfnLog("menu %d", pItems != NULL ? pItems->GetCount() : -1);
    strMenu.TrimRight();
    int nStart = 0;
    while (nStart < strMenu.GetLength())
    {
        int nEnd = strMenu.Find(_T('\n'), nStart);
        if (nEnd < 0)
            nEnd = strMenu.GetLength();
        m_pfnLog("%s", (LPCTSTR)strMenu.Mid(nStart, nEnd - nStart));
        nStart = nEnd + 1;
    }
}
