// TabBench: switching through 100 tabs, each switch showing the tab's page and painting the strip at
// once, with the framework's tab window, as a ratio to the system tab control doing the same (its
// page shown and sized, the others hidden), same run.
#include <afxwin.h>
#include <afxext.h>
#include <afxcmn.h>

#include <stdio.h>

#include <vector>

#include "BenchClock.h"
#include "BenchRow.h"
#include "ORXTabWnd.h"

namespace
{
const int kTabs = 100;
const int kRounds = 5;
const int kPasses = 3; // each pass switches to every tab once

double SwitchFramework(CORXTabWnd& tabs)
{
    const double t0 = WallSeconds();
    for (int p = 0; p < kPasses; p++)
        for (int i = 0; i < kTabs; i++)
        {
            tabs.SetActiveTab((i * 37 + p) % kTabs);
            tabs.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        }
    return WallSeconds() - t0;
}

// What the tab window does for its pages, done by hand around the system control.
double SwitchSystem(HWND hwndTab, const std::vector<HWND>& pages)
{
    int iShown = TabCtrl_GetCurSel(hwndTab);
    const double t0 = WallSeconds();
    for (int p = 0; p < kPasses; p++)
        for (int i = 0; i < kTabs; i++)
        {
            const int iTab = (i * 37 + p) % kTabs;
            TabCtrl_SetCurSel(hwndTab, iTab);
            RECT rect;
            ::GetClientRect(hwndTab, &rect);
            TabCtrl_AdjustRect(hwndTab, FALSE, &rect);
            if (iShown >= 0 && iShown != iTab)
                ::ShowWindow(pages[iShown], SW_HIDE);
            ::SetWindowPos(pages[iTab], NULL, rect.left, rect.top, rect.right - rect.left,
                           rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
            iShown = iTab;
            ::RedrawWindow(hwndTab, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
    return WallSeconds() - t0;
}
} // namespace

int main()
{
    CFrameWnd* pFrame = new CFrameWnd;
    if (!pFrame->Create(NULL, _T("TabBench"), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CRect(0, 0, 1300, 400)))
    {
        fprintf(stderr, "TabBench: the frame could not be made\n");
        return 1;
    }
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&icc);

    CORXTabWnd tabs;
    if (!tabs.Create(CORXTabWnd::STYLE_3D, CRect(0, 0, 640, 360), pFrame, 1))
    {
        fprintf(stderr, "TabBench: the tab window could not be made\n");
        return 1;
    }
    std::vector<CStatic*> ourPages;
    for (int i = 0; i < kTabs; i++)
    {
        CString strName;
        strName.Format(_T("Tab %d"), i + 1);
        CStatic* pPage = new CStatic;
        pPage->Create(strName, WS_CHILD | SS_CENTER, CRect(0, 0, 0, 0), &tabs, 100 + i);
        tabs.AddTab(pPage, strName);
        ourPages.push_back(pPage);
    }

    HWND hwndTab = ::CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 650, 0,
                                     640, 360, pFrame->GetSafeHwnd(), (HMENU)2, AfxGetInstanceHandle(), NULL);
    if (hwndTab == NULL)
    {
        fprintf(stderr, "TabBench: the system tab control could not be made\n");
        return 1;
    }
    ::SendMessage(hwndTab, WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), TRUE);
    std::vector<HWND> sysPages;
    for (int i = 0; i < kTabs; i++)
    {
        char szName[32];
        sprintf(szName, "Tab %d", i + 1);
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = szName;
        ::SendMessageA(hwndTab, TCM_INSERTITEMA, i, (LPARAM)&item);
        sysPages.push_back(::CreateWindowExA(0, "STATIC", szName, WS_CHILD | SS_CENTER, 0, 0, 0, 0, hwndTab,
                                             (HMENU)(INT_PTR)(100 + i), AfxGetInstanceHandle(), NULL));
    }

    pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    pFrame->UpdateWindow();

    double tOurs = 1e30, tSystem = 1e30;
    for (int r = 0; r < kRounds; r++)
    {
        double t = SwitchFramework(tabs);
        tOurs = t < tOurs ? t : tOurs;
        t = SwitchSystem(hwndTab, sysPages);
        tSystem = t < tSystem ? t : tSystem;
    }
    const int nSwitches = kPasses * kTabs;
    printf(
        "tab switch and strip paint, %d tabs: tab window %.1f us, system tab control %.1f us, ratio %.3f\n",
        kTabs, tOurs * 1e6 / nSwitches, tSystem * 1e6 / nSwitches, tOurs / tSystem);
    printf("(active %d, %d)\n", tabs.GetActiveTab(), TabCtrl_GetCurSel(hwndTab));
    PrintBenchRow("tab window: switch and paint, 100 tabs", tOurs * 1e6 / nSwitches, "us",
                  "the system tab control (SysTabControl32) doing the same", tSystem * 1e6 / nSwitches,
                  "<= 2.0");
    tabs.DestroyWindow();
    for (CStatic* pPage : ourPages)
        delete pPage;
    pFrame->DestroyWindow();
    return 0;
}
