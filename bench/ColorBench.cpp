// ColorBench: painting the Custom page's spectrum and luminance bar, as a ratio to drawing the same
// pixels with one StretchDIBits of a prepared bitmap, same run (medians of single paints). The
// spectrum is measured twice: the first paint at a size, which computes it, and the later paints,
// which copy what it kept.
#include <afxwin.h>

#include <stdio.h>

#include <algorithm>
#include <vector>

#include "BenchClock.h"
#include "BenchRow.h"
#include "ORXColorPickerCtrl.h"
#include "ORXGlobalData.h"

namespace
{
// The Custom page's pickers at the dialog font's size: 120 x 88 and 24 x 96 dialog units.
const CSize kSpectrum(180, 143);
const CSize kLuminance(36, 156);
const int kRounds = 5;
const int kPaints = 100;

// The median of single paints: a machine shared with other work stretches some of them.
double Median(std::vector<double>& times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Paint(CORXColorPickerCtrl& picker, CDC& dc)
{
    DRAWITEMSTRUCT dis = {0};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = picker.GetDlgCtrlID();
    dis.itemAction = ODA_DRAWENTIRE;
    dis.hwndItem = picker.GetSafeHwnd();
    dis.hDC = dc.GetSafeHdc();
    picker.GetClientRect(&dis.rcItem);
    picker.DrawItem(&dis);
}

// The same pixels as both pickers, prepared once: one StretchDIBits each time.
double PaintReference(CDC& dc, long& lSum)
{
    const int cx = kSpectrum.cx + kLuminance.cx;
    const int cy = std::max(kSpectrum.cy, kLuminance.cy);
    std::vector<DWORD> bits((size_t)cx * cy);
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
            bits[(size_t)y * cx + x] = (DWORD)((x * 255 / cx) << 16 | (y * 255 / cy) << 8 | 0x80);
    BITMAPINFO bmi = {0};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    std::vector<double> times;
    for (int n = 0; n < kPaints; n++)
    {
        const double t0 = WallSeconds();
        ::StretchDIBits(dc.GetSafeHdc(), 0, 0, cx, cy, 0, 0, cx, cy, bits.data(), &bmi, DIB_RGB_COLORS,
                        SRCCOPY);
        times.push_back(WallSeconds() - t0);
    }
    lSum += (long)dc.GetPixel(3, 3);
    return Median(times);
}

double PaintPickers(CORXColorPickerCtrl& spectrum, CORXColorPickerCtrl& luminance, CDC& dc, BOOL bCold,
                    long& lSum)
{
    std::vector<double> times;
    for (int n = 0; n < kPaints; n++)
    {
        if (bCold)
            spectrum.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(kSpectrum.cx, kSpectrum.cy));
        const double t0 = WallSeconds();
        Paint(spectrum, dc);
        Paint(luminance, dc);
        times.push_back(WallSeconds() - t0);
    }
    lSum += (long)dc.GetPixel(20, 20) + (long)dc.GetPixel(5, 40);
    return Median(times);
}
// What PaintOne measures: a paint of the same state, a paint after the luminance bar's marker moved
// (as while it is dragged), or only the parent's background under the picker.
enum PAINTKIND
{
    SAME,
    MARKER_MOVED,
    BACKGROUND
};
// Median of single paints of one picker: where the time of a paint goes.
double PaintOne(CORXColorPickerCtrl& picker, CDC& dc, PAINTKIND kind)
{
    std::vector<double> times;
    CRect rect;
    picker.GetClientRect(&rect);
    double dHue, dLum, dSat;
    picker.GetHLS(&dHue, &dLum, &dSat);
    for (int n = 0; n < kPaints; n++)
    {
        if (kind == MARKER_MOVED)
            picker.SetHLS(-1, n % 2 == 0 ? dLum + 0.2 : dLum, -1, FALSE);
        const double t0 = WallSeconds();
        if (kind == BACKGROUND)
            globalData.DrawParentBackground(&picker, &dc, rect);
        else
            Paint(picker, dc);
        times.push_back(WallSeconds() - t0);
    }
    picker.SetHLS(-1, dLum, -1, FALSE);
    return Median(times);
}
} // namespace

int main()
{
    CFrameWnd* pFrame = new CFrameWnd;
    if (!pFrame->Create(NULL, _T("ColorBench"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 500, 400)))
    {
        fprintf(stderr, "ColorBench: the frame could not be made\n");
        return 1;
    }
    CORXColorPickerCtrl spectrum, luminance;
    if (!spectrum.Create(_T("Color"), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(CPoint(10, 10), kSpectrum),
                         pFrame, 1) ||
        !luminance.Create(_T("Lum"), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(CPoint(200, 10), kLuminance),
                          pFrame, 2))
    {
        fprintf(stderr, "ColorBench: the pickers could not be made\n");
        return 1;
    }
    spectrum.SetType(CORXColorPickerCtrl::PICKER);
    luminance.SetType(CORXColorPickerCtrl::LUMINANCE);
    luminance.SetHLS(0.6, 0.4, 0.8, FALSE);
    spectrum.SetHLS(0.6, 0.4, 0.8, FALSE);
    luminance.SetLuminanceBarWidth(14);
    pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    pFrame->UpdateWindow();

    // Everything is drawn into one 32-bit bitmap: on a window DC Wine copies the window's picture
    // to the display now and then, and that copy would land on whichever paint it interrupts.
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = 400;
    bmi.bmiHeader.biHeight = -200;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = NULL;
    CBitmap target;
    CDC dcTarget;
    if (!target.Attach(::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0)) ||
        !dcTarget.CreateCompatibleDC(NULL))
    {
        fprintf(stderr, "ColorBench: the target bitmap could not be made\n");
        return 1;
    }
    CBitmap* pOldTarget = dcTarget.SelectObject(&target);
    long lSum = 0;
    double tCold = 1e30, tWarm = 1e30, tRef = 1e30;
    for (int r = 0; r < kRounds; r++)
    {
        tRef = std::min(tRef, PaintReference(dcTarget, lSum));
        tCold = std::min(tCold, PaintPickers(spectrum, luminance, dcTarget, TRUE, lSum));
        tWarm = std::min(tWarm, PaintPickers(spectrum, luminance, dcTarget, FALSE, lSum));
    }
    printf("spectrum %ldx%ld and luminance bar %ldx%ld: first paint %.1f us, later paints %.1f us, "
           "one StretchDIBits %.1f us; ratios %.2f and %.2f\n",
           kSpectrum.cx, kSpectrum.cy, kLuminance.cx, kLuminance.cy, tCold * 1e6, tWarm * 1e6, tRef * 1e6,
           tCold / tRef, tWarm / tRef);
    double tSpectrum = 1e30, tLuminance = 1e30, tMoved = 1e30, tBackground = 1e30;
    for (int r = 0; r < kRounds; r++)
    {
        tSpectrum = std::min(tSpectrum, PaintOne(spectrum, dcTarget, SAME));
        tLuminance = std::min(tLuminance, PaintOne(luminance, dcTarget, SAME));
        tMoved = std::min(tMoved, PaintOne(luminance, dcTarget, MARKER_MOVED));
        tBackground = std::min(tBackground, PaintOne(luminance, dcTarget, BACKGROUND));
    }
    printf("later paints one by one: spectrum %.1f us, luminance bar %.1f us (%.1f us after its marker "
           "moved); asking the parent for its background under the bar %.1f us\n",
           tSpectrum * 1e6, tLuminance * 1e6, tMoved * 1e6, tBackground * 1e6);
    printf("(checksum %ld)\n", lSum);
    PrintBenchRow("Colour pickers paint, spectrum kept", tWarm * 1e6, "us", "one StretchDIBits of the pixels",
                  tRef * 1e6, "<= 3");
    PrintBenchRow("Colour pickers paint, spectrum computed", tCold * 1e6, "us",
                  "one StretchDIBits of the pixels", tRef * 1e6, "-", "first paint at a size");
    dcTarget.SelectObject(pOldTarget);
    pFrame->DestroyWindow();
    return 0;
}
