// DispatchBench: the framework's window-message dispatch with its message-map lookup cache, as a
// ratio to the same dispatch with the cache turned off, measured in the same run. The window's
// class sits eight levels below CWnd, each level with sixteen message entries, as a frame or a
// control bar with its bases would; the messages are one handled at the lowest level (the whole
// chain is walked to find it) and one handled nowhere.
#include <afxwin.h>

#include <stdio.h>
#include "BenchClock.h"
#include "BenchRow.h"

namespace
{
const int kRounds = 5;
const int kMessages = 200000;
const UINT WM_BENCH_FIRST = WM_APP + 0x100;
const UINT WM_BENCH_UNHANDLED = WM_APP + 0x7FF;

// clang-format off
#define BENCH_ENTRIES(level) \
    ON_MESSAGE(WM_BENCH_FIRST + 16 * (level) + 0, OnBench) ON_MESSAGE(WM_BENCH_FIRST + 16 * (level) + 1, OnBench) \
    ON_MESSAGE(WM_BENCH_FIRST + 16 * (level) + 2, OnBench) ON_MESSAGE(WM_BENCH_FIRST + 16 * (level) + 3, OnBench) \
    ON_MESSAGE(WM_BENCH_FIRST + 16 * (level) + 4, OnBench) ON_MESSAGE(WM_BENCH_FIRST + 16 * (level) + 5, OnBench) \
    ON_MESSAGE(WM_BENCH_FIRST + 16 * (level) + 6, OnBench) ON_MESSAGE(WM_BENCH_FIRST + 16 * (level) + 7, OnBench) \
    ON_MESSAGE(WM_BENCH_FIRST + 16 * (level) + 8, OnBench) ON_MESSAGE(WM_BENCH_FIRST + 16 * (level) + 9, OnBench) \
    ON_MESSAGE(WM_BENCH_FIRST + 16 * (level) + 10, OnBench) ON_MESSAGE(WM_BENCH_FIRST + 16 * (level) + 11, OnBench) \
    ON_MESSAGE(WM_BENCH_FIRST + 16 * (level) + 12, OnBench) ON_MESSAGE(WM_BENCH_FIRST + 16 * (level) + 13, OnBench) \
    ON_MESSAGE(WM_BENCH_FIRST + 16 * (level) + 14, OnBench) ON_MESSAGE(WM_BENCH_FIRST + 16 * (level) + 15, OnBench)

#define BENCH_LEVEL(level, base) \
    class CBenchLevel##level : public base \
    { \
    public: \
        afx_msg LRESULT OnBench(WPARAM wParam, LPARAM) { return (LRESULT)wParam + (level); } \
        DECLARE_MESSAGE_MAP() \
    }; \
    BEGIN_MESSAGE_MAP(CBenchLevel##level, base) \
    BENCH_ENTRIES(level) \
    END_MESSAGE_MAP()
// clang-format on

BENCH_LEVEL(0, CWnd)
BENCH_LEVEL(1, CBenchLevel0)
BENCH_LEVEL(2, CBenchLevel1)
BENCH_LEVEL(3, CBenchLevel2)
BENCH_LEVEL(4, CBenchLevel3)
BENCH_LEVEL(5, CBenchLevel4)
BENCH_LEVEL(6, CBenchLevel5)
BENCH_LEVEL(7, CBenchLevel6)

double Time(CWnd& wnd, UINT nMsg, BOOL bCache, BOOL bThroughSystem, LRESULT& lSum)
{
    AfxEnableMsgMapCache(bCache);
    double t0 = WallSeconds();
    for (int i = 0; i < kMessages; i++)
    {
        if (bThroughSystem)
            lSum += ::SendMessage(wnd.m_hWnd, nMsg, (WPARAM)i, 0);
        else
            lSum += AfxCallWndProc(&wnd, wnd.m_hWnd, nMsg, (WPARAM)i, 0);
    }
    double t = WallSeconds() - t0;
    AfxEnableMsgMapCache(TRUE);
    return t;
}

// The best of several rounds, cached and walked taking turns, so that neither gains from warming
// up first and a stray pause of the machine does not count.
void Measure(CWnd& wnd, UINT nMsg, BOOL bThroughSystem, double& tCached, double& tWalked, LRESULT& lSum)
{
    tCached = tWalked = 1e30;
    for (int round = 0; round < kRounds; round++)
    {
        double t = Time(wnd, nMsg, TRUE, bThroughSystem, lSum);
        if (t < tCached)
            tCached = t;
        t = Time(wnd, nMsg, FALSE, bThroughSystem, lSum);
        if (t < tWalked)
            tWalked = t;
    }
}

} // namespace

int main()
{
    CBenchLevel7 wnd;
    if (!wnd.CreateEx(0, AfxRegisterWndClass(0), "DispatchBench", WS_OVERLAPPED, 0, 0, 100, 100, NULL, NULL))
    {
        fprintf(stderr, "DispatchBench: the window could not be made\n");
        return 1;
    }
    const struct
    {
        const char* name;
        UINT nMsg;
        BOOL bThroughSystem;
    } cases[] = {
        {"lowest-level handler, window procedure", WM_BENCH_FIRST, FALSE},
        {"no handler, window procedure", WM_BENCH_UNHANDLED, FALSE},
        {"lowest-level handler, SendMessage", WM_BENCH_FIRST, TRUE},
        {"no handler, SendMessage", WM_BENCH_UNHANDLED, TRUE},
    };
    LRESULT lSum = 0;
    printf("%-40s %12s %12s %8s\n", "message dispatch", "cached ns", "walked ns", "ratio");
    for (const auto& c : cases)
    {
        double tCached, tWalked;
        Measure(wnd, c.nMsg, c.bThroughSystem, tCached, tWalked, lSum);
        printf("%-40s %12.1f %12.1f %8.3f\n", c.name, tCached * 1e9 / kMessages, tWalked * 1e9 / kMessages,
               tCached / tWalked);
        char szRow[96];
        snprintf(szRow, sizeof(szRow), "dispatch, %s", c.name);
        PrintBenchRow(szRow, tCached * 1e9 / kMessages, "ns", "the same, message-map cache off",
                      tWalked * 1e9 / kMessages, "-");
    }
    printf("(ratio = cached time / walked time; below 1 the cache is faster; checksum %ld)\n", (long)lSum);
    wnd.DestroyWindow();
    return 0;
}
