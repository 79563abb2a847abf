/* clock_tick_ref: what a minimal Win32 program does to show the same clocks as the clock window,
 * once a second: for each clock, the zone's local time, its time, date and name lines, the
 * frame and the centred text in the clock's font and colours, all drawn into one off-screen
 * bitmap that is then copied to the window. Fonts and brushes are made once, at start.
 *
 * Clocks follow one another as the window lays them out: down a column (layout 0) or along a row
 * (layout 1), so that the same clocks are seen, drawn, as in the window.
 *
 * Usage: clock_tick_ref clocks width height left top layout lfHeight lfWeight charset face bg fg name
 * [seconds [poll|tray]] Prints the processor time of one tick in ms, and the first clock's text. With
 * seconds, it instead ticks once a second from a window timer for that long, as a clock program sits on a
 * desktop, and prints the processor time of the whole process over that time; with "poll" as well, it also
 * reads the cursor and tests it against its window every 10 ms from a second window timer, as the least a
 * program polling the cursor at that period does. With "tray" instead, it also runs the other timers the
 * clock program keeps while idle, each on a hidden window of its own: a tray icon that swaps between two
 * icons every second, a 1000 ms poll that sends the clock window a message, and a 750 ms refresh that finds
 * nothing to do. A WM_CLOSE to its window ends it before its time, as it ends by itself: with its tray
 * icon removed, which a killed program would leave behind. */
#include <windows.h>
#include <shellapi.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static double CpuSeconds(void)
{
    FILETIME ftCreate, ftExit, ftKernel, ftUser;
    ULONGLONG k, u;
    GetThreadTimes(GetCurrentThread(), &ftCreate, &ftExit, &ftKernel, &ftUser);
    k = ((ULONGLONG)ftKernel.dwHighDateTime << 32) | ftKernel.dwLowDateTime;
    u = ((ULONGLONG)ftUser.dwHighDateTime << 32) | ftUser.dwLowDateTime;
    return (double)(k + u) / 1e7;
}

static double ProcessCpuSeconds(void)
{
    FILETIME ftCreate, ftExit, ftKernel, ftUser;
    ULONGLONG k, u;
    GetProcessTimes(GetCurrentProcess(), &ftCreate, &ftExit, &ftKernel, &ftUser);
    k = ((ULONGLONG)ftKernel.dwHighDateTime << 32) | ftKernel.dwLowDateTime;
    u = ((ULONGLONG)ftUser.dwHighDateTime << 32) | ftUser.dwLowDateTime;
    return (double)(k + u) / 1e7;
}

static void PumpMessages(void)
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

struct Clocks
{
    int nClocks;
    int nLayout; /* 0 a column, 1 a row */
    RECT rcClient;
    POINT ptArea;
    HFONT hFont;
    HBRUSH hBrush;
    COLORREF crBackground, crText;
    const char* pszName;
    char szFirstText[256];
};

/* One clock's text: the same three lines as the clock window's standard clock. */
static int FormatClock(const struct Clocks* c, char* psz, int cch, int* pnLongest, int* pnLongestLen)
{
    SYSTEMTIME stUtc, st;
    char szTime[64], szDate[64];
    int nTime, nDate, nName;
    GetSystemTime(&stUtc);
    SystemTimeToTzSpecificLocalTime(NULL, &stUtc, &st);
    nTime = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, "HH':'mm':'ss", szTime, sizeof(szTime)) - 1;
    nDate = GetDateFormatA(LOCALE_USER_DEFAULT, 0, &st, "MMM dd',' yyyy", szDate, sizeof(szDate)) - 1;
    nName = (int)strlen(c->pszName);
    /* The widest line is measured by its length, as the clock window does. */
    *pnLongest = 0;
    *pnLongestLen = nTime;
    if (nDate > *pnLongestLen)
        *pnLongest = 1, *pnLongestLen = nDate;
    if (nName > *pnLongestLen)
        *pnLongest = 2, *pnLongestLen = nName;
    return _snprintf(psz, cch, "%s\n%s\n%s\n", szTime, szDate, c->pszName);
}

static void Tick(HWND hWnd, struct Clocks* c)
{
    HDC hDC = GetDC(hWnd);
    int cx = c->rcClient.right, cy = c->rcClient.bottom;
    HDC hMem = CreateCompatibleDC(hDC);
    HBITMAP hBitmap = CreateCompatibleBitmap(hDC, cx, cy);
    HGDIOBJ hOldBitmap = SelectObject(hMem, hBitmap);
    HGDIOBJ hOldFont = SelectObject(hMem, c->hFont);
    HGDIOBJ hOldBrush = SelectObject(hMem, c->hBrush);
    int x = c->ptArea.x, y = c->ptArea.y;
    int i;
    SetBkColor(hMem, RGB(128, 128, 128));
    ExtTextOutA(hMem, 0, 0, ETO_OPAQUE, &c->rcClient, NULL, 0, NULL);
    SetBkColor(hMem, c->crBackground);
    SetTextColor(hMem, c->crText);
    for (i = 0; i < c->nClocks; i++)
    {
        char szText[256];
        int nLongest, nLongestLen, n;
        char szWidest[80];
        const char* pszLine = szText;
        SIZE size;
        RECT rc;
        n = FormatClock(c, szText, sizeof(szText), &nLongest, &nLongestLen);
        if (i == 0 && c->szFirstText[0] == '\0')
            memcpy(c->szFirstText, szText, n + 1);
        while (nLongest-- > 0)
            pszLine = strchr(pszLine, '\n') + 1;
        memcpy(szWidest, pszLine, nLongestLen);
        memcpy(szWidest + nLongestLen, "  ", 2);
        GetTextExtentPoint32A(hMem, szWidest, nLongestLen + 2, &size);
        SetRect(&rc, x, y, x + size.cx, y + size.cy * 3 + 5);
        Rectangle(hMem, rc.left, rc.top, rc.right, rc.bottom);
        InflateRect(&rc, 0, -2);
        DrawTextA(hMem, szText, n, &rc, DT_NOCLIP | DT_NOPREFIX | DT_CENTER);
        if (c->nLayout == 1)
            x += size.cx;
        else
            y += size.cy * 3 + 5;
    }
    BitBlt(hDC, 0, 0, cx, cy, hMem, 0, 0, SRCCOPY);
    SelectObject(hMem, hOldBrush);
    SelectObject(hMem, hOldFont);
    SelectObject(hMem, hOldBitmap);
    DeleteObject(hBitmap);
    DeleteDC(hMem);
    ReleaseDC(hWnd, hDC);
}

/* The clock program's other idle timers, each on a hidden window of its own. */
struct Others
{
    HWND hTray, hPoll, hRefresh;
    HICON ahIcons[2];
    int nIcon;
    NOTIFYICONDATAA nid;
};

/* A small icon of one colour, made here as the program's own icons are its own. */
static HICON MakeIcon(COLORREF cr)
{
    int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
    HDC hScreen = GetDC(NULL);
    HDC hMem = CreateCompatibleDC(hScreen);
    HBRUSH hBrush = CreateSolidBrush(cr);
    ICONINFO ii;
    HGDIOBJ hOld;
    HICON hIcon;
    RECT rc;
    memset(&ii, 0, sizeof(ii));
    ii.fIcon = TRUE;
    ii.hbmColor = CreateCompatibleBitmap(hScreen, cx, cy);
    ii.hbmMask = CreateBitmap(cx, cy, 1, 1, NULL);
    hOld = SelectObject(hMem, ii.hbmMask);
    PatBlt(hMem, 0, 0, cx, cy, BLACKNESS); /* opaque everywhere */
    SelectObject(hMem, ii.hbmColor);
    SetRect(&rc, 0, 0, cx, cy);
    FillRect(hMem, &rc, hBrush);
    SelectObject(hMem, hOld);
    hIcon = CreateIconIndirect(&ii);
    DeleteObject(ii.hbmMask);
    DeleteObject(ii.hbmColor);
    DeleteObject(hBrush);
    DeleteDC(hMem);
    ReleaseDC(NULL, hScreen);
    return hIcon;
}

static HWND CreateHiddenWindow(UINT nPeriod)
{
    HWND hWnd = CreateWindowExA(0, "ClockTickReference", "", WS_POPUP, 0, 0, 0, 0, NULL, NULL,
                                GetModuleHandleA(NULL), NULL);
    SetTimer(hWnd, 1, nPeriod, NULL);
    return hWnd;
}

static void StartOthers(struct Others* o, HWND hOwner)
{
    o->ahIcons[0] = MakeIcon(RGB(0, 0, 128));
    o->ahIcons[1] = MakeIcon(RGB(0, 128, 0));
    o->nIcon = 0;
    memset(&o->nid, 0, sizeof(o->nid));
    o->nid.cbSize = sizeof(o->nid);
    o->nid.hWnd = hOwner;
    o->nid.uID = 1;
    o->nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    o->nid.uCallbackMessage = WM_APP + 1;
    o->nid.hIcon = o->ahIcons[0];
    lstrcpynA(o->nid.szTip, "clock_tick_ref", sizeof(o->nid.szTip));
    Shell_NotifyIconA(NIM_ADD, &o->nid);
    o->hTray = CreateHiddenWindow(1000);
    o->hPoll = CreateHiddenWindow(1000);
    o->hRefresh = CreateHiddenWindow(750);
}

static void NextTrayIcon(struct Others* o)
{
    o->nIcon = 1 - o->nIcon;
    o->nid.hIcon = o->ahIcons[o->nIcon];
    o->nid.uFlags = NIF_ICON | NIF_TIP;
    Shell_NotifyIconA(NIM_MODIFY, &o->nid);
}

static void StopOthers(struct Others* o)
{
    o->nid.uFlags = 0;
    Shell_NotifyIconA(NIM_DELETE, &o->nid);
    DestroyWindow(o->hTray);
    DestroyWindow(o->hPoll);
    DestroyWindow(o->hRefresh);
    DestroyIcon(o->ahIcons[0]);
    DestroyIcon(o->ahIcons[1]);
}

int main(int argc, char** argv)
{
    struct Clocks c;
    LOGFONTA lf;
    WNDCLASSA wc;
    HWND hWnd;
    int nTicks = 0;
    double t0, t;
    char* p;
    if (argc < 14 || argc > 16 ||
        (argc == 16 && strcmp(argv[15], "poll") != 0 && strcmp(argv[15], "tray") != 0))
    {
        fprintf(
            stderr,
            "usage: clock_tick_ref clocks width height left top layout lfHeight lfWeight charset face bg fg "
            "name [seconds [poll|tray]]\n");
        return 2;
    }
    memset(&c, 0, sizeof(c));
    c.nClocks = atoi(argv[1]);
    SetRect(&c.rcClient, 0, 0, atoi(argv[2]), atoi(argv[3]));
    c.ptArea.x = atoi(argv[4]);
    c.ptArea.y = atoi(argv[5]);
    memset(&lf, 0, sizeof(lf));
    c.nLayout = atoi(argv[6]);
    lf.lfHeight = atoi(argv[7]);
    lf.lfWeight = atoi(argv[8]);
    lf.lfCharSet = (BYTE)atoi(argv[9]);
    lstrcpynA(lf.lfFaceName, argv[10], LF_FACESIZE);
    c.crBackground = (COLORREF)strtoul(argv[11], &p, 0);
    c.crText = (COLORREF)strtoul(argv[12], &p, 0);
    c.pszName = argv[13];
    c.hFont = CreateFontIndirectA(&lf);
    c.hBrush = CreateSolidBrush(c.crBackground);

    memset(&wc, 0, sizeof(wc));
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "ClockTickReference";
    RegisterClassA(&wc);
    hWnd = CreateWindowExA(WS_EX_TOOLWINDOW, "ClockTickReference", "", WS_POPUP | WS_VISIBLE, 0, 0,
                           c.rcClient.right, c.rcClient.bottom, NULL, NULL, wc.hInstance, NULL);
    UpdateWindow(hWnd);
    PumpMessages();
    Tick(hWnd, &c);

    if (argc >= 15)
    {
        DWORD dwStart = GetTickCount(), dwEnd = dwStart + (DWORD)atoi(argv[14]) * 1000;
        BOOL bPoll = argc == 16 && strcmp(argv[15], "poll") == 0;
        BOOL bTray = argc == 16 && strcmp(argv[15], "tray") == 0;
        BOOL bClosed = FALSE;
        struct Others others;
        MSG msg;
        int nInside = 0;
        memset(&others, 0, sizeof(others));
        t0 = ProcessCpuSeconds();
        SetTimer(hWnd, 1, 1000, NULL);
        if (bPoll)
            SetTimer(hWnd, 2, 10, NULL);
        if (bTray)
            StartOthers(&others, hWnd);
        while (!bClosed && (LONG)(dwEnd - GetTickCount()) > 0)
        {
            MsgWaitForMultipleObjects(0, NULL, FALSE, dwEnd - GetTickCount(), QS_ALLINPUT);
            while (!bClosed && PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            {
                if (msg.message == WM_CLOSE && msg.hwnd == hWnd)
                    bClosed = TRUE;
                else if (msg.message == WM_TIMER && msg.hwnd == hWnd && msg.wParam == 2)
                {
                    POINT pt;
                    RECT rc;
                    GetCursorPos(&pt);
                    GetWindowRect(hWnd, &rc);
                    nInside += IsWindowVisible(hWnd) && PtInRect(&rc, pt);
                }
                else if (msg.message == WM_TIMER && msg.hwnd == hWnd)
                    Tick(hWnd, &c);
                else if (bTray && msg.message == WM_TIMER && msg.hwnd == others.hTray)
                    NextTrayIcon(&others);
                else if (bTray && msg.message == WM_TIMER && msg.hwnd == others.hPoll)
                    SendMessageA(hWnd, WM_APP, 0, 0); /* no dial-up connection: nothing found */
                else
                    DispatchMessageA(&msg);
            }
        }
        t = ProcessCpuSeconds() - t0;
        dwEnd = GetTickCount();
        if (bTray)
            StopOthers(&others);
        printf("reference idle: %.3f ms of processor time in %lu s (%d)\n", t * 1e3,
               (unsigned long)((dwEnd - dwStart + 500) / 1000), nInside);
        fflush(stdout);
        DestroyWindow(hWnd);
        return 0;
    }

    /* Processor time is counted in steps of 10 ms under Wine: a second of it keeps the step to 1%. */
    t0 = CpuSeconds();
    do
    {
        int i;
        for (i = 0; i < 50; i++)
            Tick(hWnd, &c);
        nTicks += 50;
        t = CpuSeconds() - t0;
    } while (t < 1.0 && nTicks < 100000);
    printf("reference tick, %d clocks: %.6f ms\n", c.nClocks, t * 1e3 / nTicks);
    for (p = c.szFirstText; *p; p++)
        if (*p == '\n')
            *p = '|';
    printf("reference text: %s\n", c.szFirstText);
    fflush(stdout);
    DestroyWindow(hWnd);
    PumpMessages();
    return 0;
}
