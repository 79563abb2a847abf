// MdiBench: activating each of 50 MDI children in turn in a frame with the tab strip, as a ratio to
// the same in a frame without tabs, same run.
#include <afxwin.h>
#include <afxext.h>

#include <stdio.h>

#include "BenchClock.h"
#include "BenchRow.h"
#include "ORXMDIFrameWnd.h"

namespace
{
const int kChildren = 50;
const int kRounds = 5;

struct Frame
{
    CORXMDIFrameWnd* pFrame;
    CMDIChildWnd* children[kChildren];
};

BOOL MakeFrame(Frame& frame, BOOL bTabs, int x)
{
    frame.pFrame = new CORXMDIFrameWnd;
    if (!frame.pFrame->Create(NULL, bTabs ? _T("MdiBench tabs") : _T("MdiBench plain"), WS_OVERLAPPEDWINDOW,
                              CRect(x, 0, x + 700, 500), NULL, NULL))
        return FALSE;
    frame.pFrame->EnableMDITabs(bTabs, TRUE, CORXTabWnd::LOCATION_TOP);
    frame.pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    for (int i = 0; i < kChildren; i++)
    {
        CString strTitle;
        strTitle.Format(_T("Document %d"), i + 1);
        CORXMDIChildWnd* pChild = new CORXMDIChildWnd;
        if (!pChild->Create(NULL, strTitle, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                            CRect(0, 0, 300, 200), frame.pFrame))
            return FALSE;
        frame.children[i] = pChild;
    }
    return TRUE;
}

// One activation of every child, each painted before the next.
double ActivateAll(Frame& frame)
{
    double t0 = WallSeconds();
    for (int i = 0; i < kChildren; i++)
    {
        frame.pFrame->MDIActivate(frame.children[i]);
        frame.pFrame->UpdateWindow();
        frame.pFrame->RedrawWindow(NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    return WallSeconds() - t0;
}
} // namespace

int main()
{
    Frame tabs, plain;
    if (!MakeFrame(tabs, TRUE, 0) || !MakeFrame(plain, FALSE, 720))
    {
        fprintf(stderr, "MdiBench: the frames could not be made\n");
        return 1;
    }
    double tTabs = 1e30, tPlain = 1e30;
    for (int r = 0; r < kRounds; r++)
    {
        double t = ActivateAll(tabs);
        tTabs = t < tTabs ? t : tTabs;
        t = ActivateAll(plain);
        tPlain = t < tPlain ? t : tPlain;
    }
    if (tabs.pFrame->GetClientArea().GetTabWnd().GetTabsNum() != kChildren ||
        tabs.pFrame->GetClientArea().GetTabWnd().GetActiveTab() != kChildren - 1)
    {
        fprintf(stderr, "MdiBench: the tabs did not follow the children\n");
        return 1;
    }
    printf("MDI activation of %d children: with tabs %.1f us, without %.1f us a child, ratio %.3f\n",
           kChildren, tTabs * 1e6 / kChildren, tPlain * 1e6 / kChildren, tTabs / tPlain);
    PrintBenchRow("MDI child activation with tabs (50 children)", tTabs * 1e6 / kChildren, "us",
                  "the same without tabs", tPlain * 1e6 / kChildren, "-");
    tabs.pFrame->DestroyWindow();
    plain.pFrame->DestroyWindow();
    return 0;
}
