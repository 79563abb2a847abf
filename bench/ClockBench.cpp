// ClockBench: the clock window against minimal Win32 programs that do the same work, measured in
// the same run, best of several repeats:
// - the once-a-second tick with 1, 8 and 32 clocks (processor time), against clock_tick_ref, which
//   draws the same texts in the same fonts and colours into one off-screen bitmap and copies it;
// - the wall time from starting the program to its first painted clock, against clock_start_ref,
//   a dialog from a resource that paints one line, both started by this program the same way:
//   with a stand-in speech character server registered (bench/agent), as a user with the server
//   installed starts it, and without one, which includes the start-up's second probe by design;
// - the processor time of the running program with one clock, auto-hide off and on, against
//   clock_tick_ref drawing the same clock once a second from a window timer over the same time
//   (CLOCKBENCH_IDLE_SECONDS, 20: shorter than the minute, the rate is scaled to a minute), and with
//   auto-hide off also against clock_tick_ref running the program's other idle timers and its tray
//   animation as well;
// - the private bytes of each after ticking for a minute (CLOCKBENCH_MEMORY_SECONDS), with 8
//   clocks, and of clock_start_ref with the common controls loaded, which the program uses.
// Start-up and private bytes are measured with the programs as built and without their debug
// sections. CLOCKBENCH_STAGES=1 prints instead where one clock's drawing spends its time.
// The programs run from copies in folders of their own under the temporary directory, with data
// files made here: nothing is written beside the real programs.
#include <afxwin.h>

#include <psapi.h>
#include <stdio.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "AppServices.h"
#include "Clock.h"
#include "DisplayTextFormatter.h"
#include "MainClockDlg.h"
#include "OffscreenDC.h"
#include "PlatformServices.h"
#include "ZoneTime.h"
#include "resource.h"
#include "BenchClock.h"

namespace
{
int EnvInt(const char* pszName, int nDefault)
{
    const char* psz = getenv(pszName);
    return (psz != NULL && *psz != '\0') ? atoi(psz) : nDefault;
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

// The folder of this program, ending with a backslash: the build's bench folder.
CString BenchFolder()
{
    char sz[MAX_PATH];
    ::GetModuleFileNameA(NULL, sz, MAX_PATH);
    char* p = strrchr(sz, '\\');
    if (p != NULL)
        p[1] = '\0';
    return CString(sz);
}

// A folder of its own under the temporary directory for each measurement, removed with what the
// programs wrote into it.
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
        WIN32_FIND_DATAA fd;
        HANDLE hFind = ::FindFirstFileA(m_strPath + "*", &fd);
        if (hFind != INVALID_HANDLE_VALUE)
        {
            do
                if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    ::DeleteFileA(m_strPath + fd.cFileName);
            while (::FindNextFileA(hFind, &fd));
            ::FindClose(hFind);
        }
        ::RemoveDirectoryA(m_strPath);
    }
    const CString& Path() const { return m_strPath; }

private:
    CString m_strPath;
    static int s_nNext;
};
int CBenchFolder::s_nNext = 0;

// Runs a console program and returns what it printed.
std::string RunCapture(const CString& strCommand)
{
    SECURITY_ATTRIBUTES sa = {sizeof(sa), NULL, TRUE};
    HANDLE hRead, hWrite;
    if (!::CreatePipe(&hRead, &hWrite, &sa, 0))
        return std::string();
    ::SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = hWrite;
    si.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi;
    std::vector<char> command((LPCSTR)strCommand, (LPCSTR)strCommand + strCommand.GetLength() + 1);
    BOOL bStarted = ::CreateProcessA(NULL, command.data(), NULL, NULL, TRUE, 0, NULL, NULL, &si, &pi);
    ::CloseHandle(hWrite);
    std::string out;
    if (bStarted)
    {
        char buf[4096];
        DWORD n;
        while (::ReadFile(hRead, buf, sizeof(buf), &n, NULL) && n > 0)
            out.append(buf, n);
        ::WaitForSingleObject(pi.hProcess, INFINITE);
        ::CloseHandle(pi.hProcess);
        ::CloseHandle(pi.hThread);
    }
    ::CloseHandle(hRead);
    return out;
}

// CLOCKBENCH_ONLY lists the measurements to make (ticks, start, idle, memory), for a quick look at
// one of them; all by default. The one-clock tick is always measured: the idle reference needs it.
BOOL Wanted(const char* pszWhat)
{
    const char* psz = getenv("CLOCKBENCH_ONLY");
    return psz == NULL || *psz == '\0' || strstr(psz, pszWhat) != NULL;
}

// ---- The tick ---------------------------------------------------------------------------------

// What the reference needs to draw the same clocks as the window, and the window's own text.
struct TICKSETUP
{
    CSize sizeDraw;
    CPoint ptArea;
    int nLayout;
    LOGFONT lf;
    COLORREF crBackground;
    COLORREF crText;
    CString strName;
    CString strText; // the first clock's text, lines separated by '|'
};

// The time as the window sees it a second later at every reading, from now: each measured tick
// shows new texts, as a tick once a second does, and nothing the window might keep from the tick
// before would be of use.
class CSteppingTimeSource : public ITimeSource
{
public:
    CSteppingTimeSource()
    {
        FILETIME ft;
        ::GetSystemTimeAsFileTime(&ft);
        m_nNow = ((ULONGLONG)ft.dwHighDateTime << 32) | ft.dwLowDateTime;
    }
    void GetUtcTime(SYSTEMTIME& st) override
    {
        m_nNow += 10000000; // one second in 100 ns
        FILETIME ft = {(DWORD)m_nNow, (DWORD)(m_nNow >> 32)};
        ::FileTimeToSystemTime(&ft, &st);
    }
    void GetLocalTime(SYSTEMTIME& st) override
    {
        SYSTEMTIME stUtc;
        GetUtcTime(stUtc);
        ::SystemTimeToTzSpecificLocalTime(NULL, &stUtc, &st);
    }

private:
    ULONGLONG m_nNow;
};

// The window's tick as the tick timer runs it: the timers move, then every clock is drawn.
double ClockTickCost(int nClocks, TICKSETUP& setup)
{
    CSteppingTimeSource stepping;
    SetTimeSource(&stepping);
    CBenchFolder folder;
    CMainClockDlg dlg;
    dlg.SetDataFolder(folder.Path());
    dlg.Create(IDD_VELMORA_DIALOG, NULL);
    while (dlg.GetClockCount() < nClocks)
        dlg.AddClock();
    dlg.ShowWindow(SW_SHOWNA);
    dlg.UpdateWindow();
    PumpMessages();
    dlg.SizeToClocks();
    PumpMessages();

    CClock* pClock = dlg.GetClock(0);
    // The window draws its client area, all of it that can be seen: the reference draws as much.
    CRect rcClient;
    dlg.GetClientRect(&rcClient);
    setup.sizeDraw = CSize(rcClient.right, rcClient.bottom);
    setup.ptArea = dlg.GetClockArea().TopLeft();
    setup.nLayout = dlg.GetLayout();
    setup.lf = pClock->m_lfFont;
    setup.crBackground = pClock->m_crBackground;
    setup.crText = pClock->m_crText;
    setup.strName = pClock->m_strDisplayName;
    {
        SYSTEMTIME stUtc;
        GetTimeSource().GetUtcTime(stUtc);
        DISPLAYTEXTREQUEST req;
        req.nLineCount = 0;
        req.strClockName = pClock->m_strDisplayName;
        req.dtInstant = GetZoneTime(pClock->m_tzi, stUtc);
        req.strTemplate = pClock->GetTimeFormat(CMainClockDlg::GetDateOrder());
        req.tzi = pClock->m_tzi;
        CDisplayTextFormatter formatter;
        formatter.Format(req);
        setup.strText = req.strText + _T("\n");
        setup.strText.Replace(_T('\n'), _T('|'));
    }

    // Processor time is counted in steps of 10 ms under Wine: a second of it keeps the step to 1%.
    int nTicks = 0;
    double t0 = CpuSeconds(), t;
    do
    {
        for (int i = 0; i < 50; i++)
        {
            dlg.AdvanceTimers();
            CClientDC dc(&dlg);
            dlg.DrawClocks(&dc);
        }
        nTicks += 50;
        t = CpuSeconds() - t0;
    } while (t < 1.0 && nTicks < 100000);
    dlg.DestroyWindow();
    PumpMessages();
    SetTimeSource(NULL);
    return t / nTicks;
}

// The reference's tick in ms, or a negative number when it printed none.
double ReferenceTickCost(int nClocks, const TICKSETUP& s, CString& strText)
{
    CString strCommand;
    strCommand.Format("\"%sclock_tick_ref.exe\" %d %d %d %d %d %d %ld %ld %d \"%s\" 0x%06lx 0x%06lx \"%s\"",
                      (LPCSTR)BenchFolder(), nClocks, s.sizeDraw.cx, s.sizeDraw.cy, s.ptArea.x, s.ptArea.y,
                      s.nLayout, s.lf.lfHeight, s.lf.lfWeight, s.lf.lfCharSet, s.lf.lfFaceName,
                      s.crBackground, s.crText, (LPCSTR)s.strName);
    std::string out = RunCapture(strCommand);
    const char* p = strstr(out.c_str(), "clocks: ");
    const char* q = strstr(out.c_str(), "reference text: ");
    if (q != NULL)
    {
        q += strlen("reference text: ");
        strText = CString(q, (int)strcspn(q, "\r\n"));
    }
    return p != NULL ? atof(p + strlen("clocks: ")) : -1.0;
}

// The texts agree but for the first line, the time, which may have moved on between the two.
BOOL SameTextsButTime(const CString& a, const CString& b)
{
    int na = a.Find(_T('|')), nb = b.Find(_T('|'));
    return na >= 0 && nb >= 0 && a.Mid(na) == b.Mid(nb);
}

// The tick with 1, 8 and 32 clocks (the first nSizes of them); the one-clock set-up is kept.
void MeasureTicks(int nRepeats, TICKSETUP& setupOne, int nSizes)
{
    for (int n : {1, 8, 32})
    {
        if (nSizes-- <= 0)
            break;
        double best = 1e9, bestRef = 1e9;
        TICKSETUP setup;
        CString strRefText;
        for (int r = 0; r < nRepeats; r++)
        {
            double t = ClockTickCost(n, setup) * 1e3;
            double ref = ReferenceTickCost(n, setup, strRefText);
            if (t < best)
                best = t;
            if (ref >= 0 && ref < bestRef)
                bestRef = ref;
        }
        printf("tick, %d clocks: velmora %.6f ms, reference %.6f ms\n", n, best, bestRef);
        if (n == 1)
        {
            setupOne = setup;
            printf("text: velmora \"%s\", reference \"%s\": %s\n", (LPCSTR)setup.strText, (LPCSTR)strRefText,
                   SameTextsButTime(setup.strText, strRefText) ? "same" : "DIFFERENT");
        }
        fflush(stdout);
    }
}

// Where the tick's time goes, for one clock drawn many times into an off-screen bitmap: each stage
// alone, beside the whole clock and what the reference does to make the same text.
void MeasureStages()
{
    CBenchFolder folder;
    CMainClockDlg dlg;
    dlg.SetDataFolder(folder.Path());
    dlg.Create(IDD_VELMORA_DIALOG, NULL);
    CClock* pClock = dlg.AddClock();
    const int n = 20000;
    SYSTEMTIME stUtc;
    GetTimeSource().GetUtcTime(stUtc);
    CDisplayTextFormatter formatter;
    const CString strTemplate = pClock->GetTimeFormat(CMainClockDlg::GetDateOrder());
    COleDateTime dtLocal = GetZoneTime(pClock->m_tzi, stUtc);
    formatter.Expand(strTemplate, pClock->m_strDisplayName, pClock->m_tzi, dtLocal);
    CString strText = CString(formatter.GetText(), formatter.GetTextLength()) + _T("\n");
    CString strWidest = CString(formatter.GetLongestLine(), formatter.GetLongestLineLength()) + _T("  ");

    CClientDC dcWindow(&dlg);
    CDC dc;
    dc.CreateCompatibleDC(&dcWindow);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dcWindow, 200, 100);
    CBitmap* pOldBitmap = dc.SelectObject(&bitmap);
    CFont font;
    font.CreateFontIndirect(&pClock->m_lfFont);
    CFont* pOldFont = dc.SelectObject(&font);
    CBrush brush(pClock->m_crBackground);
    CBrush* pOldBrush = dc.SelectObject(&brush);
    CRect rect(CPoint(0, 0), dc.GetTextExtent(strWidest));
    rect.bottom = rect.bottom * 3 + 5;

    struct STAGE
    {
        const char* pszName;
        double dMs;
    };
    std::vector<STAGE> stages;
    auto time = [&](const char* pszName, auto&& work) {
        double t0 = CpuSeconds();
        for (int i = 0; i < n; i++)
            work();
        stages.push_back({pszName, (CpuSeconds() - t0) * 1e3 / n});
    };
    time("zone time", [&] { dtLocal = GetZoneTime(pClock->m_tzi, stUtc); });
    time("format", [&] { formatter.Expand(strTemplate, pClock->m_strDisplayName, pClock->m_tzi, dtLocal); });
    time("measure", [&] { dc.GetTextExtent(strWidest); });
    time("frame", [&] { dc.Rectangle(&rect); });
    time("colours", [&] {
        dc.SetBkColor(pClock->m_crBackground);
        dc.SetTextColor(pClock->m_crText);
    });
    time("text", [&] { dc.DrawText(strText, CRect(rect), DT_NOCLIP | DT_NOPREFIX | DT_CENTER); });
    time("whole clock", [&] { dlg.RenderClock(&dc, pClock, CRect(0, 0, 0, 0), COleDateTime(stUtc), TRUE); });
    time("reference's text", [&] {
        SYSTEMTIME stNow, st;
        char szTime[64], szDate[64], sz[256];
        ::GetSystemTime(&stNow);
        ::SystemTimeToTzSpecificLocalTime(NULL, &stNow, &st);
        ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, "HH':'mm':'ss", szTime, sizeof(szTime));
        ::GetDateFormatA(LOCALE_USER_DEFAULT, 0, &st, "MMM dd',' yyyy", szDate, sizeof(szDate));
        _snprintf(sz, sizeof(sz), "%s\n%s\n%s\n", szTime, szDate, (LPCSTR)pClock->m_strDisplayName);
    });
    dc.SelectObject(pOldBrush);
    dc.SelectObject(pOldFont);
    dc.SelectObject(pOldBitmap);
    printf("stages per clock, ms:");
    for (const STAGE& stage : stages)
        printf(" %s %.5f;", stage.pszName, stage.dMs);
    printf("\n");
    dlg.DestroyWindow();
    PumpMessages();
}

// ---- Start-up and memory ------------------------------------------------------------------------

// The speech character server's class, whose in-process server the clock's start-up probe asks for.
const char kAgentServerKey[] = "CLSID\\{D45FD2FC-5C6E-11D1-9EC1-00C04FD7081F}";

// Registers the stand-in server beside this program (in this prefix's registry, which belongs to
// the benchmarks), or removes it.
BOOL RegisterStandInAgent(BOOL bRegister)
{
    CString strInproc = CString(kAgentServerKey) + "\\InprocServer32";
    if (!bRegister)
    {
        ::RegDeleteKeyA(HKEY_CLASSES_ROOT, strInproc);
        ::RegDeleteKeyA(HKEY_CLASSES_ROOT, kAgentServerKey);
        return TRUE;
    }
    CString strDll = BenchFolder() + "StandInAgentServer.dll";
    if (::GetFileAttributesA(strDll) == INVALID_FILE_ATTRIBUTES)
        return FALSE;
    HKEY hKey;
    if (::RegCreateKeyExA(HKEY_CLASSES_ROOT, strInproc, 0, NULL, 0, KEY_WRITE, NULL, &hKey, NULL) !=
        ERROR_SUCCESS)
        return FALSE;
    LONG n = ::RegSetValueExA(hKey, NULL, 0, REG_SZ, (const BYTE*)(LPCSTR)strDll, strDll.GetLength() + 1);
    static const char szModel[] = "Apartment";
    if (n == ERROR_SUCCESS)
        n = ::RegSetValueExA(hKey, "ThreadingModel", 0, REG_SZ, (const BYTE*)szModel, sizeof(szModel));
    ::RegCloseKey(hKey);
    return n == ERROR_SUCCESS;
}

// One of the clock program's own settings, in this prefix's user registry; a negative value removes
// it, which gives the program its default.
void SetVelmoraSetting(LPCSTR pszName, int nValue)
{
    HKEY hKey;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Quendra Labs\\Velmora\\Clock", 0, NULL, 0, KEY_WRITE,
                          NULL, &hKey, NULL) != ERROR_SUCCESS)
        return;
    DWORD dw = (DWORD)nValue;
    if (nValue < 0)
        ::RegDeleteValueA(hKey, pszName);
    else
        ::RegSetValueExA(hKey, pszName, 0, REG_DWORD, (const BYTE*)&dw, sizeof(dw));
    ::RegCloseKey(hKey);
}

// The visible clock window of a process, or NULL.
struct FINDCLOCKWINDOW
{
    DWORD dwProcess;
    HWND hWnd;
};

BOOL CALLBACK FindClockWindowProc(HWND hWnd, LPARAM lParam)
{
    FINDCLOCKWINDOW* p = (FINDCLOCKWINDOW*)lParam;
    DWORD dw = 0;
    ::GetWindowThreadProcessId(hWnd, &dw);
    char szClass[16];
    if (dw == p->dwProcess && ::IsWindowVisible(hWnd) && ::GetClassNameA(hWnd, szClass, sizeof(szClass)) &&
        strcmp(szClass, "#32770") == 0)
    {
        p->hWnd = hWnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindClockWindow(DWORD dwProcess)
{
    FINDCLOCKWINDOW find = {dwProcess, NULL};
    ::EnumWindows(FindClockWindowProc, (LPARAM)&find);
    return find.hWnd;
}

// Makes a data folder for the real program: a copy of it and a data file with nClocks clocks.
BOOL PrepareVelmoraFolder(const CBenchFolder& folder, int nClocks, const CString& strExe)
{
    if (!::CopyFileA(strExe, folder.Path() + "Velmora.exe", FALSE))
    {
        fprintf(stderr, "cannot copy %s\n", (LPCSTR)strExe);
        return FALSE;
    }
    CMainClockDlg dlg;
    dlg.SetDataFolder(folder.Path());
    dlg.Create(IDD_VELMORA_DIALOG, NULL);
    while (dlg.GetClockCount() < nClocks)
        dlg.AddClock();
    dlg.SaveData();
    dlg.DestroyWindow();
    PumpMessages();
    return ::GetFileAttributesA(folder.Path() + "Velmora2Dat") != INVALID_FILE_ATTRIBUTES;
}

BOOL PrepareReferenceFolder(const CBenchFolder& folder, const CString& strExe)
{
    return ::CopyFileA(strExe, folder.Path() + "clock_start_ref.exe", FALSE);
}

// The programs as built, and the same programs without their debug sections (bench/clock.cmake
// makes those copies), as a release would ship them: the debugging information sits inside the
// image, and Wine reads all of it into the process's private memory.
struct BUILDKIND
{
    LPCSTR pszName;
    CString strVelmora;
    CString strReference;
};

std::vector<BUILDKIND> BuildKinds()
{
    CString strBench = BenchFolder();
    return {{"as built", strBench + "..\\clock\\Velmora.exe", strBench + "clock_start_ref.exe"},
            {"without debug sections", strBench + "stripped\\Velmora.exe",
             strBench + "stripped\\clock_start_ref.exe"}};
}

// One program started from its folder with the painted event named in its environment.
class CStartedProgram
{
public:
    CStartedProgram(const CString& strFolder, LPCSTR pszExe, LPCSTR pszArguments = NULL)
        : m_hEvent(NULL), m_dStarted(0)
    {
        memset(&m_pi, 0, sizeof(m_pi));
        static int s_nNext = 0;
        CString strEvent;
        strEvent.Format("ClockBenchPainted-%lu-%d", ::GetCurrentProcessId(), s_nNext++);
        m_hEvent = ::CreateEventA(NULL, TRUE, FALSE, strEvent);
        ::SetEnvironmentVariableA("VELMORA_PAINTED_EVENT", strEvent);
        CString strCommand = "\"" + strFolder + pszExe + "\"";
        if (pszArguments != NULL)
            strCommand += CString(" ") + pszArguments;
        std::vector<char> command((LPCSTR)strCommand, (LPCSTR)strCommand + strCommand.GetLength() + 1);
        STARTUPINFOA si = {};
        si.cb = sizeof(si);
        m_dStarted = WallSeconds();
        if (!::CreateProcessA(NULL, command.data(), NULL, NULL, FALSE, 0, NULL, strFolder, &si, &m_pi))
            memset(&m_pi, 0, sizeof(m_pi));
        ::SetEnvironmentVariableA("VELMORA_PAINTED_EVENT", NULL);
    }
    ~CStartedProgram()
    {
        if (m_pi.hProcess != NULL)
        {
            // Asked to exit as a user would (the clock window takes only its Exit command), so that
            // it removes its tray icon: a killed program's icon holds up the next program's start.
            ::EnumWindows(CloseProgramWindow, (LPARAM)m_pi.dwProcessId);
            if (::WaitForSingleObject(m_pi.hProcess, 10000) != WAIT_OBJECT_0)
            {
                ::TerminateProcess(m_pi.hProcess, 0);
                ::WaitForSingleObject(m_pi.hProcess, 10000);
            }
            ::CloseHandle(m_pi.hProcess);
            ::CloseHandle(m_pi.hThread);
        }
        ::CloseHandle(m_hEvent);
    }
    // Seconds from the start to the first paint, or a negative number if it never came.
    double WaitPainted(DWORD dwTimeout = 60000)
    {
        if (m_pi.hProcess == NULL)
            return -1;
        HANDLE handles[2] = {m_hEvent, m_pi.hProcess};
        if (::WaitForMultipleObjects(2, handles, FALSE, dwTimeout) != WAIT_OBJECT_0)
            return -1;
        return WallSeconds() - m_dStarted;
    }
    DWORD ProcessId() const { return m_pi.dwProcessId; }
    // Kernel and user time of the whole process so far, in seconds.
    double CpuSeconds()
    {
        FILETIME ftCreate, ftExit, ftKernel, ftUser;
        if (m_pi.hProcess == NULL ||
            !::GetProcessTimes(m_pi.hProcess, &ftCreate, &ftExit, &ftKernel, &ftUser))
            return -1;
        ULONGLONG k = ((ULONGLONG)ftKernel.dwHighDateTime << 32) | ftKernel.dwLowDateTime;
        ULONGLONG u = ((ULONGLONG)ftUser.dwHighDateTime << 32) | ftUser.dwLowDateTime;
        return (double)(k + u) / 1e7;
    }
    double PrivateKB()
    {
        PROCESS_MEMORY_COUNTERS_EX pmc = {};
        pmc.cb = sizeof(pmc);
        if (!::GetProcessMemoryInfo(m_pi.hProcess, (PROCESS_MEMORY_COUNTERS*)&pmc, sizeof(pmc)))
            return -1;
        // Wine fills only the older fields; there the commit charge, which is the private bytes, is
        // PagefileUsage.
        SIZE_T n = pmc.PrivateUsage != 0 ? pmc.PrivateUsage : pmc.PagefileUsage;
        return (double)n / 1024.0;
    }

private:
    static BOOL CALLBACK CloseProgramWindow(HWND hWnd, LPARAM lParam)
    {
        DWORD dwProcess = 0;
        ::GetWindowThreadProcessId(hWnd, &dwProcess);
        char szClass[16];
        if (dwProcess == (DWORD)lParam && ::IsWindowVisible(hWnd) &&
            ::GetClassNameA(hWnd, szClass, sizeof(szClass)) && strcmp(szClass, "#32770") == 0)
        {
            ::PostMessageA(hWnd, WM_COMMAND, ID_EXIT, 0);
            ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
        }
        return TRUE;
    }

    HANDLE m_hEvent;
    PROCESS_INFORMATION m_pi;
    double m_dStarted;
};

void MeasureStartUp(int nRepeats, const BUILDKIND& kind, BOOL bAgent)
{
    LPCSTR pszAgent = bAgent ? "agent present" : "no agent";
    if (!RegisterStandInAgent(bAgent))
    {
        printf("start-up (%s, %s): the stand-in agent server could not be registered\n", kind.pszName,
               pszAgent);
        return;
    }
    CBenchFolder velmora, reference;
    if (!PrepareVelmoraFolder(velmora, 1, kind.strVelmora) ||
        !PrepareReferenceFolder(reference, kind.strReference))
    {
        printf("start-up (%s): the programs' folders could not be made\n", kind.pszName);
        return;
    }
    double best = 1e9, bestRef = 1e9;
    // The first start of each warms the caches and is not counted.
    for (int r = -1; r < nRepeats; r++)
    {
        double t, ref;
        {
            CStartedProgram prog(reference.Path(), "clock_start_ref.exe");
            ref = prog.WaitPainted();
        }
        {
            CStartedProgram prog(velmora.Path(), "Velmora.exe");
            t = prog.WaitPainted();
        }
        if (r < 0)
            continue;
        if (t >= 0 && t * 1e3 < best)
            best = t * 1e3;
        if (ref >= 0 && ref * 1e3 < bestRef)
            bestRef = ref * 1e3;
    }
    RegisterStandInAgent(FALSE);
    printf("start-up to first paint (%s, %s): velmora %.3f ms, reference %.3f ms\n", kind.pszName, pszAgent,
           best, bestRef);
    fflush(stdout);
}

// The processor time, in seconds, of the Wine process whose program runs from the folder named
// (one of CBenchFolder's, so no other process has it in its path), read from Linux's own account of
// every thread of it (/proc, through Wine's drive Z:), which is finer than the tick-counted times
// Wine reports; -1 when no such process was found.
double ProcessCpuFromLinux(const CString& strFolder)
{
    CString strName = strFolder;
    strName.TrimRight('\\');
    strName = strName.Mid(strName.ReverseFind('\\') + 1);
    WIN32_FIND_DATAA fd;
    HANDLE hFind = ::FindFirstFileA("Z:\\proc\\*", &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return -1;
    double dSeconds = -1;
    do
    {
        if (fd.cFileName[0] < '0' || fd.cFileName[0] > '9')
            continue;
        CString strProc = CString("Z:\\proc\\") + fd.cFileName + "\\";
        char szCmd[1024] = {};
        FILE* pFile = fopen(strProc + "cmdline", "rb");
        if (pFile == NULL)
            continue;
        size_t n = fread(szCmd, 1, sizeof(szCmd) - 1, pFile);
        fclose(pFile);
        for (size_t i = 0; i < n; i++)
            if (szCmd[i] == '\0')
                szCmd[i] = ' ';
        if (strstr(szCmd, strName) == NULL)
            continue;
        dSeconds = 0;
        WIN32_FIND_DATAA fdTask;
        HANDLE hTasks = ::FindFirstFileA(strProc + "task\\*", &fdTask);
        if (hTasks == INVALID_HANDLE_VALUE)
            break;
        do
        {
            if (fdTask.cFileName[0] < '0' || fdTask.cFileName[0] > '9')
                continue;
            FILE* pStat = fopen(strProc + "task\\" + fdTask.cFileName + "\\schedstat", "rb");
            if (pStat == NULL)
                continue;
            double dNs = 0;
            if (fscanf(pStat, "%lf", &dNs) == 1)
                dSeconds += dNs / 1e9;
            fclose(pStat);
        } while (::FindNextFileA(hTasks, &fdTask));
        ::FindClose(hTasks);
        break;
    } while (::FindNextFileA(hFind, &fd));
    ::FindClose(hFind);
    return dSeconds;
}

// Asks clock_tick_ref to end, as it does at the end of its time: its clock window takes WM_CLOSE.
BOOL CALLBACK CloseTickReference(HWND hWnd, LPARAM lParam)
{
    DWORD dwProcess = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcess);
    char szClass[32];
    if (dwProcess == (DWORD)lParam && ::IsWindowVisible(hWnd) &&
        ::GetClassNameA(hWnd, szClass, sizeof(szClass)) && strcmp(szClass, "ClockTickReference") == 0)
        ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
    return TRUE;
}

// The running program's processor time with one clock, against the reference ticking the same
// clock once a second over the same time, side by side; both are scaled to a minute. Three ways:
// - auto-hide off, as the program starts for a new user: besides the tick, its tray icon animates
//   and its dial-up monitor polls, every second, as they are specified to, and its hidden status
//   window refreshes every 750 ms; a second reference runs the same timers, with a tray icon of
//   its own that it swaps every second, beside the one that only ticks;
// - the same with the tray animation and the dial-up poll switched off in the settings: what the
//   tick and the window alone cost, beside the reference doing only that;
// - auto-hide on with the cursor resting on the clock, so that the clock stays shown and every
//   10 ms poll reads the cursor, the tray animation and the dial-up poll switched off as in the
//   second way; a second reference also polls the cursor every 10 ms, as the least that period
//   costs here. The measurement starts once the pause of auto-hide after
//   start-up (16 ticks) is over.
// The program's start-up (its first paint and the work it posts itself to do after it) is left
// out. Wine's server works for all of them on their behalf: that time is in none.
void MeasureIdle(int nSeconds, const TICKSETUP& s, const BUILDKIND& kind)
{
    enum
    {
        kPlain,
        kQuiet,
        kAutoHide
    };
    for (int nWay : {kPlain, kQuiet, kAutoHide})
    {
        const BOOL bAutoHide = nWay == kAutoHide;
        CBenchFolder velmora, reference, polling, sameTimers;
        if (!PrepareVelmoraFolder(velmora, 1, kind.strVelmora) ||
            !::CopyFileA(BenchFolder() + "clock_tick_ref.exe", reference.Path() + "clock_tick_ref.exe",
                         FALSE) ||
            !::CopyFileA(BenchFolder() + "clock_tick_ref.exe", polling.Path() + "clock_tick_ref.exe",
                         FALSE) ||
            !::CopyFileA(BenchFolder() + "clock_tick_ref.exe", sameTimers.Path() + "clock_tick_ref.exe",
                         FALSE))
        {
            printf("idle (%s): the programs' folders could not be made\n", kind.pszName);
            return;
        }
        SetVelmoraSetting("AutoHide", bAutoHide ? 1 : 0);
        SetVelmoraSetting("AnimateIcon", nWay == kPlain ? -1 : 0);
        SetVelmoraSetting("ConnectType", nWay == kPlain ? -1 : 0);
        // The reference that only ticks runs every way; the one polling the cursor beside it with
        // auto-hide, the one with the program's other timers in the plain way.
        const CBenchFolder* refs[3] = {&reference, &polling, &sameTimers};
        const BOOL bRun[3] = {TRUE, bAutoHide, nWay == kPlain};
        const LPCSTR pszModes[3] = {"", " poll", " tray"};
        double dOurs = -1, dRef[3] = {-1, -1, -1};
        {
            CStartedProgram prog(velmora.Path(), "Velmora.exe");
            // The references tick on past the measurement and are ended after it.
            PROCESS_INFORMATION pi[3] = {};
            BOOL bMeasure = prog.WaitPainted() >= 0;
            DWORD dwSettle = 2000;
            if (bMeasure && bAutoHide)
            {
                HWND hWnd = FindClockWindow(prog.ProcessId());
                CRect rect;
                if (hWnd == NULL || !::GetWindowRect(hWnd, &rect))
                    bMeasure = FALSE;
                else
                    ::SetCursorPos(rect.CenterPoint().x, rect.CenterPoint().y);
                dwSettle = 18000;
            }
            for (int i = 0; i < 3; i++)
            {
                if (!bMeasure || !bRun[i])
                    continue;
                CString strCommand;
                strCommand.Format(
                    "\"%sclock_tick_ref.exe\" 1 %d %d %d %d %d %ld %ld %d \"%s\" 0x%06lx 0x%06lx \"%s\" %d%s",
                    (LPCSTR)refs[i]->Path(), s.sizeDraw.cx, s.sizeDraw.cy, s.ptArea.x, s.ptArea.y, s.nLayout,
                    s.lf.lfHeight, s.lf.lfWeight, s.lf.lfCharSet, s.lf.lfFaceName, s.crBackground, s.crText,
                    (LPCSTR)s.strName, nSeconds + 60, pszModes[i]);
                std::vector<char> command((LPCSTR)strCommand,
                                          (LPCSTR)strCommand + strCommand.GetLength() + 1);
                // What a reference prints at its end is never read: it would land in this program's
                // report, now that the one with a tray icon is let end.
                SECURITY_ATTRIBUTES sa = {sizeof(sa), NULL, TRUE};
                HANDLE hNul = ::CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                                            OPEN_EXISTING, 0, NULL);
                STARTUPINFOA si = {};
                si.cb = sizeof(si);
                si.dwFlags = STARTF_USESTDHANDLES;
                si.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
                si.hStdOutput = hNul;
                si.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
                if (!::CreateProcessA(NULL, command.data(), NULL, NULL, TRUE, 0, NULL, refs[i]->Path(), &si,
                                      &pi[i]))
                    memset(&pi[i], 0, sizeof(pi[i]));
                if (hNul != INVALID_HANDLE_VALUE)
                    ::CloseHandle(hNul);
            }
            if (bMeasure)
            {
                ::Sleep(dwSettle);
                double t0 = ProcessCpuFromLinux(velmora.Path()), w0 = WallSeconds(), r0[3] = {-1, -1, -1};
                for (int i = 0; i < 3; i++)
                    if (bRun[i])
                        r0[i] = ProcessCpuFromLinux(refs[i]->Path());
                ::Sleep(nSeconds * 1000);
                double t1 = ProcessCpuFromLinux(velmora.Path());
                double dWall = WallSeconds() - w0;
                if (t0 >= 0 && t1 >= 0)
                    dOurs = (t1 - t0) * 1e3 * 60.0 / dWall;
                for (int i = 0; i < 3; i++)
                {
                    if (!bRun[i])
                        continue;
                    double r1 = ProcessCpuFromLinux(refs[i]->Path());
                    if (r0[i] >= 0 && r1 >= 0)
                        dRef[i] = (r1 - r0[i]) * 1e3 * 60.0 / dWall;
                }
            }
            for (int i = 0; i < 3; i++)
            {
                if (pi[i].hProcess == NULL)
                    continue;
                // The one with a tray icon is asked to close, which removes its icon: a killed
                // program's icon holds up the next program's start.
                if (i == 2)
                    ::EnumWindows(CloseTickReference, (LPARAM)pi[i].dwProcessId);
                if (i != 2 || ::WaitForSingleObject(pi[i].hProcess, 10000) != WAIT_OBJECT_0)
                    ::TerminateProcess(pi[i].hProcess, 0);
                ::WaitForSingleObject(pi[i].hProcess, 10000);
                ::CloseHandle(pi[i].hProcess);
                ::CloseHandle(pi[i].hThread);
            }
        }
        if (nWay == kQuiet)
            printf("idle, 1 clock, auto-hide off, no tray animation nor dial-up poll, over %d s: velmora "
                   "%.3f ms, "
                   "reference %.3f ms of processor time a minute\n",
                   nSeconds, dOurs, dRef[0]);
        else
            printf("idle, 1 clock, auto-hide %s, over %d s: velmora %.3f ms, reference %.3f ms of processor "
                   "time a "
                   "minute\n",
                   bAutoHide ? "on" : "off", nSeconds, dOurs, dRef[0]);
        if (nWay == kPlain)
            printf("idle, 1 clock, auto-hide off, over %d s: velmora %.3f ms, reference with the same "
                   "timers and a tray animation %.3f ms of processor time a minute\n",
                   nSeconds, dOurs, dRef[2]);
        if (bAutoHide)
            printf("idle, 1 clock, auto-hide on, over %d s: velmora %.3f ms, reference polling the cursor "
                   "%.3f ms "
                   "of processor time a minute\n",
                   nSeconds, dOurs, dRef[1]);
        fflush(stdout);
    }
    SetVelmoraSetting("AutoHide", 0);
    SetVelmoraSetting("AnimateIcon", -1);
    SetVelmoraSetting("ConnectType", -1);
}

// The program and the references tick side by side for the same time; then each one's private
// bytes are read. One clock program at a time: a second copy would hand over to the first. The
// second reference loads the common controls, as the program does: under Wine their library
// keeps images of its own from the moment it is loaded, which the plain dialog never pays for.
void MeasureMemory(int nSeconds, const BUILDKIND& kind)
{
    CBenchFolder velmora, reference, commonControls;
    if (!PrepareVelmoraFolder(velmora, 8, kind.strVelmora) ||
        !PrepareReferenceFolder(reference, kind.strReference) ||
        !PrepareReferenceFolder(commonControls, kind.strReference))
    {
        printf("private bytes (%s): the programs' folders could not be made\n", kind.pszName);
        return;
    }
    CStartedProgram prog(velmora.Path(), "Velmora.exe");
    CStartedProgram ref(reference.Path(), "clock_start_ref.exe");
    CStartedProgram refCommonControls(commonControls.Path(), "clock_start_ref.exe", "commctrl");
    if (prog.WaitPainted() < 0 || ref.WaitPainted() < 0 || refCommonControls.WaitPainted() < 0)
    {
        printf("private bytes (%s): a program did not paint\n", kind.pszName);
        return;
    }
    ::Sleep(nSeconds * 1000);
    double dOurs = prog.PrivateKB();
    printf("private bytes after %d s, 8 clocks (%s): velmora %.0f KB, reference %.0f KB\n", nSeconds,
           kind.pszName, dOurs, ref.PrivateKB());
    printf("private bytes after %d s, 8 clocks (%s): velmora %.0f KB, reference with the common "
           "controls %.0f KB\n",
           nSeconds, kind.pszName, dOurs, refCommonControls.PrivateKB());
    fflush(stdout);
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
        static CWinAppProfileStore profileStore(*this);
        SetProfileStore(&profileStore);
        int nRepeats = EnvInt("REPEATS", 5);
        if (getenv("CLOCKBENCH_STAGES") != NULL)
        {
            MeasureStages();
            return FALSE;
        }
        TICKSETUP setupOne;
        MeasureTicks(Wanted("ticks") ? nRepeats : 1, setupOne, Wanted("ticks") ? 3 : 1);
        std::vector<BUILDKIND> kinds = BuildKinds();
        if (Wanted("start"))
        {
            for (const BUILDKIND& kind : kinds)
                MeasureStartUp(nRepeats, kind, TRUE);
            // Without the server the start-up waits for it and asks again, by design: once is enough.
            MeasureStartUp(nRepeats, kinds.back(), FALSE);
        }
        if (Wanted("idle"))
            MeasureIdle(EnvInt("CLOCKBENCH_IDLE_SECONDS", 20), setupOne, kinds.back());
        if (Wanted("memory"))
        {
            for (const BUILDKIND& kind : kinds)
                MeasureMemory(EnvInt("CLOCKBENCH_MEMORY_SECONDS", 60), kind);
        }
        return FALSE;
    }
};

CBenchApp theBenchApp;
