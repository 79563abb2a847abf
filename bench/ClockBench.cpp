// ClockBench: the processor time of the clock window's once-a-second drawing with 1, 8 and 32
// clocks, and of its start-up, each as a ratio to a minimal Win32 window that draws one line of
// text, measured in the same run.
#include <afxwin.h>

#include <stdio.h>

#include "MainClockDlg.h"
#include "resource.h"

namespace
{
const int kTicks = 200;
const int kStarts = 10;

double CpuSeconds()
{
    FILETIME ftCreate, ftExit, ftKernel, ftUser;
    ::GetThreadTimes(::GetCurrentThread(), &ftCreate, &ftExit, &ftKernel, &ftUser);
    ULONGLONG k = ((ULONGLONG)ftKernel.dwHighDateTime << 32) | ftKernel.dwLowDateTime;
    ULONGLONG u = ((ULONGLONG)ftUser.dwHighDateTime << 32) | ftUser.dwLowDateTime;
    return (double)(k + u) / 1e7;
}

void PumpMessages()
{
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

// The clock window keeps its clocks in a data file. Each measurement gets a folder of its own under
// the temporary directory, starting without a file, so that it sees exactly the clocks it adds and
// never touches a file beside a real program.
class CBenchFolder
{
public:
    CBenchFolder()
    {
        char szTemp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szTemp);
        m_strPath.Format("%sClockBench-%lu-%d\\", szTemp, ::GetCurrentProcessId(), s_nNext++);
        ::CreateDirectoryA(m_strPath, NULL);
    }
    ~CBenchFolder()
    {
        for (const char* pszName : {"Velmora2Dat", "VelmoraDat"})
            ::DeleteFileA(m_strPath + pszName);
        ::RemoveDirectoryA(m_strPath);
    }
    const CString& Path() const { return m_strPath; }

private:
    CString m_strPath;
    static int s_nNext;
};
int CBenchFolder::s_nNext = 0;

LRESULT CALLBACK ReferenceProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcA(hWnd, msg, wParam, lParam);
}

HWND CreateReferenceWindow()
{
    static bool registered = false;
    if (!registered)
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ReferenceProc;
        wc.hInstance = ::GetModuleHandleA(NULL);
        wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
        wc.lpszClassName = "ClockBenchReference";
        ::RegisterClassA(&wc);
        registered = true;
    }
    HWND hWnd = ::CreateWindowExA(0, "ClockBenchReference", "reference", WS_POPUP | WS_VISIBLE, 0, 0, 200, 40,
                                  NULL, NULL, ::GetModuleHandleA(NULL), NULL);
    ::UpdateWindow(hWnd);
    return hWnd;
}

// What the minimal program does once a second: one line of text, the current time.
void ReferenceTick(HWND hWnd)
{
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    char szText[32];
    int n = sprintf(szText, "%02d:%02d:%02d", st.wHour, st.wMinute, st.wSecond);
    HDC hDC = ::GetDC(hWnd);
    ::TextOutA(hDC, 2, 2, szText, n);
    ::ReleaseDC(hWnd, hDC);
}

double ReferenceTickCost()
{
    HWND hWnd = CreateReferenceWindow();
    double t0 = CpuSeconds();
    for (int i = 0; i < kTicks * 10; i++)
        ReferenceTick(hWnd);
    double t = (CpuSeconds() - t0) / (kTicks * 10);
    ::DestroyWindow(hWnd);
    PumpMessages();
    return t;
}

double ReferenceStartCost()
{
    double t0 = CpuSeconds();
    for (int i = 0; i < kStarts * 10; i++)
    {
        HWND hWnd = CreateReferenceWindow();
        ReferenceTick(hWnd);
        ::DestroyWindow(hWnd);
        PumpMessages();
    }
    return (CpuSeconds() - t0) / (kStarts * 10);
}

double ClockTickCost(int nClocks)
{
    CBenchFolder folder;
    CMainClockDlg dlg;
    dlg.SetDataFolder(folder.Path());
    dlg.Create(IDD_VELMORA_DIALOG, NULL);
    while (dlg.m_clocks.GetSize() < nClocks)
        dlg.AddClock();
    dlg.ShowWindow(SW_SHOWNA);
    dlg.UpdateWindow();
    PumpMessages();
    double t0 = CpuSeconds();
    for (int i = 0; i < kTicks; i++)
    {
        dlg.AdvanceTimers();
        CClientDC dc(&dlg);
        dlg.DrawClocks(&dc);
    }
    double t = (CpuSeconds() - t0) / kTicks;
    dlg.DestroyWindow();
    PumpMessages();
    return t;
}

double ClockStartCost()
{
    double t0 = CpuSeconds();
    for (int i = 0; i < kStarts; i++)
    {
        CBenchFolder folder;
        CMainClockDlg dlg;
        dlg.SetDataFolder(folder.Path());
        dlg.Create(IDD_VELMORA_DIALOG, NULL);
        dlg.ShowWindow(SW_SHOWNA);
        dlg.UpdateWindow();
        PumpMessages();
        dlg.DestroyWindow();
        PumpMessages();
    }
    return (CpuSeconds() - t0) / kStarts;
}

double Ratio(double a, double b)
{
    return b > 0 ? a / b : 0.0;
}
} // namespace

class CBenchApp : public CWinApp
{
public:
    CBenchApp() : CWinApp(_T("ClockBench")) {}
    BOOL InitInstance() override
    {
        // A key of its own, so the benchmark never touches the user's clock settings.
        SetRegistryKey(_T("Velmora Bench"));
        double refTick = ReferenceTickCost();
        double refStart = ReferenceStartCost();
        printf("reference: tick %.6f ms, start-up %.6f ms (processor time)\n", refTick * 1e3, refStart * 1e3);
        for (int n : {1, 8, 32})
        {
            double t = ClockTickCost(n);
            printf("clock tick, %2d clocks: %.6f ms, %.1f x reference\n", n, t * 1e3, Ratio(t, refTick));
        }
        double start = ClockStartCost();
        printf("clock window start-up: %.6f ms, %.1f x reference\n", start * 1e3, Ratio(start, refStart));
        return FALSE;
    }
};

CBenchApp theBenchApp;
