// ToolBarBench: painting a docked tool bar of 30 buttons with images and labels through the
// framework (memory bitmap, visual manager, image well), as a ratio to drawing the same 30 images,
// texts and button edges with plain GDI calls into a memory bitmap of the same size, same run.
#include <afxwin.h>
#include <afxext.h>

#include <stdio.h>

#include "DemoIds.h"
#include "ORXToolBar.h"
#include "BenchClock.h"
#include "BenchRow.h"

namespace
{
const int kButtons = 30;
const int kRounds = 5;
const int kPaints = 300;

// The reference: each button's face, image (masked by its face colour), label and edge.
double PaintPlain(HDC hScreen, const CRect* rects, const CString* labels, HBITMAP hbmImages, long& lSum)
{
    CRect rectAll(0, 0, rects[kButtons - 1].right, rects[0].bottom);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HBITMAP hbmMem = ::CreateCompatibleBitmap(hScreen, rectAll.Width(), rectAll.Height());
    HGDIOBJ hOldMem = ::SelectObject(hMem, hbmMem);
    HDC hImages = ::CreateCompatibleDC(hScreen);
    HGDIOBJ hOldImages = ::SelectObject(hImages, hbmImages);
    HBRUSH hbrFace = ::GetSysColorBrush(COLOR_BTNFACE);
    HFONT hFont = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    double t0 = WallSeconds();
    for (int n = 0; n < kPaints; n++)
    {
        ::FillRect(hMem, &rectAll, hbrFace);
        HGDIOBJ hOldFont = ::SelectObject(hMem, hFont);
        ::SetBkMode(hMem, TRANSPARENT);
        for (int i = 0; i < kButtons; i++)
        {
            const CRect& rect = rects[i];
            ::TransparentBlt(hMem, rect.left + 3, rect.top + 3, 16, 15, hImages, (i % 7) * 16, 0, 16, 15,
                             RGB(192, 192, 192));
            CRect rectText = rect;
            rectText.left += 22;
            ::DrawTextA(hMem, labels[i], -1, &rectText, DT_SINGLELINE | DT_VCENTER);
            if (i % 5 == 0)
            {
                CRect rectEdge = rect;
                ::DrawEdge(hMem, &rectEdge, BDR_RAISEDINNER, BF_RECT);
            }
        }
        ::SelectObject(hMem, hOldFont);
        ::BitBlt(hScreen, 0, 0, rectAll.Width(), rectAll.Height(), hMem, 0, 0, SRCCOPY);
    }
    double t = WallSeconds() - t0;
    lSum += (long)::GetPixel(hMem, 5, 5);
    ::SelectObject(hImages, hOldImages);
    ::DeleteDC(hImages);
    ::SelectObject(hMem, hOldMem);
    ::DeleteObject(hbmMem);
    ::DeleteDC(hMem);
    return t;
}

double PaintBar(CORXToolBar& bar, long& lSum)
{
    CClientDC dc(&bar);
    double t0 = WallSeconds();
    for (int n = 0; n < kPaints; n++)
        bar.DoPaint(&dc);
    double t = WallSeconds() - t0;
    lSum += (long)dc.GetPixel(5, 5);
    return t;
}
} // namespace

int main()
{
    CFrameWnd* pFrame = new CFrameWnd;
    if (!pFrame->Create(NULL, _T("ToolBarBench"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 1600, 200)))
    {
        fprintf(stderr, "ToolBarBench: the frame could not be made\n");
        return 1;
    }
    CORXToolBar bar;
    if (!bar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP) ||
        !CORXToolBar::GetImages().Load(IDR_DEMO_TOOLBAR))
    {
        fprintf(stderr, "ToolBarBench: the tool bar could not be made\n");
        return 1;
    }
    CString labels[kButtons];
    for (int i = 0; i < kButtons; i++)
    {
        labels[i].Format(_T("Cmd %d"), i + 1);
        CORXToolbarButton* pButton = new CORXToolbarButton(ID_DEMO_NEW + i, i % 7, labels[i]);
        pButton->m_bText = TRUE;
        if (i % 5 == 0)
            pButton->m_nStyle = TBBS_CHECKBOX | TBBS_CHECKED;
        bar.InsertButton(pButton);
    }
    pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    pFrame->RecalcLayout();
    bar.PlaceButtons();

    CRect rects[kButtons];
    for (int i = 0; i < kButtons; i++)
        bar.GetItemRect(i, rects[i]);
    HBITMAP hbmImages = (HBITMAP)::LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_DEMO_TOOLBAR),
                                             IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);

    long lSum = 0;
    double tBar = 1e30, tPlain = 1e30;
    HDC hBarDC = ::GetDC(bar.GetSafeHwnd());
    for (int r = 0; r < kRounds; r++)
    {
        double t = PaintBar(bar, lSum);
        tBar = t < tBar ? t : tBar;
        t = PaintPlain(hBarDC, rects, labels, hbmImages, lSum);
        tPlain = t < tPlain ? t : tPlain;
    }
    ::ReleaseDC(bar.GetSafeHwnd(), hBarDC);
    printf("%-40s %12s %12s %8s\n", "painting 30 buttons", "bar us", "plain GDI us", "ratio");
    printf("%-40s %12.1f %12.1f %8.3f\n", "one paint, best of 5 rounds", tBar * 1e6 / kPaints,
           tPlain * 1e6 / kPaints, tBar / tPlain);
    printf("(ratio = tool bar time / plain GDI time; checksum %ld)\n", lSum);
    PrintBenchRow("tool bar paint, 30 buttons", tBar * 1e6 / kPaints, "us", "the same drawn with plain GDI",
                  tPlain * 1e6 / kPaints, "-");
    ::DeleteObject(hbmImages);
    bar.DestroyWindow();
    pFrame->DestroyWindow();
    return 0;
}
