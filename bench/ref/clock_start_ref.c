/* clock_start_ref: the minimal Win32 program that start-up and memory use are compared with. It
 * creates a dialog from its resource and paints one line, the current time, once a second.
 * When VELMORA_PAINTED_EVENT names an event, its first paint sets it, as the clock window's does.
 * Usage: clock_start_ref [commctrl]   With "commctrl" it first loads the common controls and
 * registers their classes, as any program using them does; without it, it never loads them. */
#include <windows.h>
#include <commctrl.h>

#include <stdio.h>
#include <string.h>

#include "clock_start_ref.h"

static void SignalFirstPaint(void)
{
    static BOOL bDone = FALSE;
    char szName[128];
    DWORD n;
    HANDLE hEvent;
    if (bDone)
        return;
    bDone = TRUE;
    n = GetEnvironmentVariableA("VELMORA_PAINTED_EVENT", szName, sizeof(szName));
    if (n == 0 || n >= sizeof(szName))
        return;
    hEvent = OpenEventA(EVENT_MODIFY_STATE, FALSE, szName);
    if (hEvent != NULL)
    {
        SetEvent(hEvent);
        CloseHandle(hEvent);
    }
}

static INT_PTR CALLBACK DialogProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    switch (msg)
    {
    case WM_INITDIALOG:
        SetTimer(hDlg, 1, 1000, NULL);
        return TRUE;
    case WM_TIMER:
        InvalidateRect(hDlg, NULL, FALSE);
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        SYSTEMTIME st;
        char szText[32];
        int n;
        HDC hDC = BeginPaint(hDlg, &ps);
        GetLocalTime(&st);
        n = sprintf(szText, "%02d:%02d:%02d", st.wHour, st.wMinute, st.wSecond);
        TextOutA(hDC, 2, 2, szText, n);
        EndPaint(hDlg, &ps);
        SignalFirstPaint();
        return TRUE;
    }
    case WM_CLOSE:
        DestroyWindow(hDlg);
        return TRUE;
    case WM_DESTROY:
        PostQuitMessage(0);
        return TRUE;
    }
    return FALSE;
}

/* Bound at run time, so that the plain program does not load the library at all. */
static void InitCommonControlsLate(void)
{
    typedef BOOL(WINAPI * PFNINIT)(const INITCOMMONCONTROLSEX*);
    INITCOMMONCONTROLSEX icc;
    HMODULE hModule = LoadLibraryA("comctl32.dll");
    PFNINIT pfnInit =
        hModule != NULL ? (PFNINIT)(void*)GetProcAddress(hModule, "InitCommonControlsEx") : NULL;
    if (pfnInit == NULL)
        return;
    icc.dwSize = sizeof(icc);
    icc.dwICC = ICC_WIN95_CLASSES | ICC_ANIMATE_CLASS;
    pfnInit(&icc);
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrev, LPSTR pszCmdLine, int nShow)
{
    MSG msg;
    HWND hDlg;
    (void)hPrev;
    (void)nShow;
    if (strstr(pszCmdLine, "commctrl") != NULL)
        InitCommonControlsLate();
    hDlg = CreateDialogParamA(hInstance, MAKEINTRESOURCEA(IDD_CLOCK_START_REF), NULL, DialogProc, 0);
    if (hDlg == NULL)
        return 1;
    while (GetMessageA(&msg, NULL, 0, 0) > 0)
    {
        if (!IsDialogMessageA(hDlg, &msg))
        {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return 0;
}
