// ExtrasBench: painting a tool bar of 30 buttons and an open pop-up menu with the flat XP look, as
// a ratio to painting the same with the base look, same run.
#include <afxwin.h>
#include <afxext.h>

#include <stdio.h>

#include "BenchClock.h"
#include "BenchRow.h"
#include "DemoIds.h"
#include "ORXPopupMenu.h"
#include "ORXPopupMenuBar.h"
#include "ORXToolBar.h"
#include "ORXVisualManagerXP.h"

namespace
{
const int kButtons = 30;
const int kRounds = 5;
const int kPaints = 200;

double PaintBars(CORXToolBar& bar, CORXToolBar& menuBar, long& lSum)
{
    CClientDC dcBar(&bar);
    CClientDC dcMenu(&menuBar);
    double t0 = WallSeconds();
    for (int n = 0; n < kPaints; n++)
    {
        bar.DoPaint(&dcBar);
        menuBar.DoPaint(&dcMenu);
    }
    double t = WallSeconds() - t0;
    lSum += (long)dcBar.GetPixel(5, 5) + (long)dcMenu.GetPixel(5, 5);
    return t;
}

void UseLook(CRuntimeClass* pClass)
{
    CORXVisualManager::DestroyInstance();
    CORXVisualManager::SetDefaultManager(pClass);
    CORXVisualManager::GetInstance();
}
} // namespace

int main()
{
    CFrameWnd* pFrame = new CFrameWnd;
    if (!pFrame->Create(NULL, _T("ExtrasBench"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 1600, 200)))
    {
        fprintf(stderr, "ExtrasBench: the frame could not be made\n");
        return 1;
    }
    CORXToolBar bar;
    if (!bar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP) ||
        !CORXToolBar::GetImages().Load(IDR_DEMO_TOOLBAR))
    {
        fprintf(stderr, "ExtrasBench: the tool bar could not be made\n");
        return 1;
    }
    for (int i = 0; i < kButtons; i++)
    {
        CString strLabel;
        strLabel.Format(_T("Cmd %d"), i + 1);
        CORXToolbarButton* pButton = new CORXToolbarButton(ID_DEMO_NEW + i, i % 7, strLabel);
        pButton->m_bText = TRUE;
        if (i % 5 == 0)
            pButton->m_nStyle = TBBS_CHECKBOX | TBBS_CHECKED;
        bar.InsertButton(pButton);
    }
    pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    pFrame->RecalcLayout();
    bar.PlaceButtons();

    HMENU hMenu = ::CreatePopupMenu();
    for (int i = 0; i < 12; i++)
    {
        CString strItem;
        strItem.Format(_T("Menu item %d"), i + 1);
        ::AppendMenuA(hMenu, i % 4 == 3 ? MF_SEPARATOR : MF_STRING, ID_DEMO_NEW + i, strItem);
    }
    CORXPopupMenu* pMenu = new CORXPopupMenu;
    if (!pMenu->Create(pFrame, 100, 60, hMenu, FALSE, TRUE))
    {
        fprintf(stderr, "ExtrasBench: the menu could not be made\n");
        return 1;
    }

    long lSum = 0;
    double tBase = 1e30, tXP = 1e30;
    for (int r = 0; r < kRounds; r++)
    {
        UseLook(RUNTIME_CLASS(CORXVisualManager));
        double t = PaintBars(bar, *pMenu->GetMenuBar(), lSum);
        tBase = t < tBase ? t : tBase;
        UseLook(RUNTIME_CLASS(CORXVisualManagerXP));
        t = PaintBars(bar, *pMenu->GetMenuBar(), lSum);
        tXP = t < tXP ? t : tXP;
    }
    printf("xp look paint (tool bar of 30 buttons and a menu of 12 items): xp %.1f us, base %.1f us, ratio "
           "%.3f\n",
           tXP * 1e6 / kPaints, tBase * 1e6 / kPaints, tXP / tBase);
    printf("(checksum %ld)\n", lSum);
    PrintBenchRow("XP look paint, tool bar and menu", tXP * 1e6 / kPaints, "us", "the same in the base look",
                  tBase * 1e6 / kPaints, "-");
    pMenu->SendMessage(WM_CLOSE);
    bar.DestroyWindow();
    pFrame->DestroyWindow();
    return 0;
}
