// File access for the library: ANSI calls on the Windows 9x family, wide calls elsewhere.
#include "FileAccess.h"
#include "ActivityLog.h"
#include <stdlib.h>
#include <string.h>

WindowsVersion::WindowsVersion()
{
    memset(&m_info, 0, sizeof(m_info));
    m_info.dwOSVersionInfoSize = 148;
    GetVersionExA(&m_info);
}

bool WindowsVersion::IsWin95() const
{
    return m_info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && m_info.dwMinorVersion == 0;
}
bool WindowsVersion::IsWin98() const
{
    return m_info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && m_info.dwMinorVersion == 10;
}
bool WindowsVersion::IsWinMe() const
{
    return m_info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && m_info.dwMinorVersion == 90;
}
bool WindowsVersion::IsWin9x() const
{
    return IsWin95() || IsWin98() || IsWinMe();
}

namespace FileAccess
{
static SleepHook s_sleep = nullptr;

void SetSleepHook(SleepHook hook)
{
    s_sleep = hook;
}

static void Wait(DWORD ms)
{
    if (s_sleep)
        s_sleep(ms);
    else
        Sleep(ms);
}

static void LogOsError(LogBase* log, DWORD error)
{
    StringBuffer text;
    text.AppendErrorText(error);
    LogPair(log, "osErrorInfo", text.GetString());
}

HANDLE OpenWithRetryA(const char* path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                      DWORD disposition, DWORD flags, HANDLE templ, LogBase* log)
{
    HANDLE h = CreateFileA(path, access, share, security, disposition, flags, templ);
    for (int retry = 0; h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION && retry < 3;
         retry++)
    {
        Wait(50);
        h = CreateFileA(path, access, share, security, disposition, flags, templ);
    }
    if (h == INVALID_HANDLE_VALUE && log)
    {
        DWORD error = GetLastError();
        log->LogError("Failed to open file (2)");
        log->LogData("filename", path);
        LogOsError(log, error);
    }
    return h;
}

HANDLE OpenWithRetryW(XString& path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                      DWORD disposition, DWORD flags, HANDLE templ, LogBase* log)
{
    const wchar_t* wide = path.GetUtf16();
    HANDLE h = CreateFileW(wide, access, share, security, disposition, flags, templ);
    for (int retry = 0; h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION && retry < 3;
         retry++)
    {
        Wait(50);
        h = CreateFileW(wide, access, share, security, disposition, flags, templ);
    }
    if (h == INVALID_HANDLE_VALUE && log)
    {
        DWORD error = GetLastError();
        log->LogError("Failed to open file (3)");
        if (path.IsAnsiExact())
            log->LogData("filename", path.GetAnsi());
        else
            log->LogData("utf8Filename", path.GetUtf8());
        LogOsError(log, error);
    }
    return h;
}

static HANDLE Open(XString& path, DWORD access, DWORD share, DWORD disposition, LogBase* log)
{
    WindowsVersion version;
    if (version.IsWin9x())
        return OpenWithRetryA(path.GetAnsi(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                              nullptr, log);
    return OpenWithRetryW(path, access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr, log);
}

HANDLE OpenForRead(XString& path, LogBase* log)
{
    if (path.GetUtf16Length() == 0)
    {
        LogErr(log, "Cannot open file, filename is empty.");
        return INVALID_HANDLE_VALUE;
    }
    return Open(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, log);
}

HANDLE CreateForWrite(XString& path, LogBase* log)
{
    if (path.GetUtf16Length() == 0)
        return INVALID_HANDLE_VALUE;
    return Open(path, GENERIC_WRITE, 0, CREATE_ALWAYS, log);
}

void Close(HANDLE h)
{
    if (h != INVALID_HANDLE_VALUE)
        CloseHandle(h);
}

static void LogSystemError(LogBase* log, DWORD error)
{
    if (!log)
        return;
    StringBuffer text;
    text.AppendErrorText(error);
    log->LogError(text.GetString());
}

bool WriteWholeFileAnsi(const char* path, const void* bytes, unsigned long count, LogBase* log)
{
    if (!path || !*path)
        return false;
    XString xpath;
    xpath.SetFromAnsi(path);
    HANDLE h = CreateForWrite(xpath, log);
    if (h == INVALID_HANDLE_VALUE)
    {
        LogPair(log, "filename", path);
        LogErr(log, "Failed to write complete file (7)");
        return false;
    }
    if (bytes && count)
    {
        DWORD written = 0;
        if (!WriteFile(h, bytes, count, &written, nullptr) || written < count)
        {
            DWORD error = GetLastError();
            LogPair(log, "filename", path);
            LogSystemError(log, error);
            LogErr(log, "Failed to write complete file (1)");
            Close(h);
            return false;
        }
    }
    Close(h);
    return true;
}

bool WriteWholeFileUtf16(const wchar_t* path, const void* bytes, unsigned long count, LogBase* log)
{
    if (!path)
        return false;
    XString xpath;
    xpath.SetFromUtf16(path);
    HANDLE h = CreateForWrite(xpath, log);
    if (h == INVALID_HANDLE_VALUE)
    {
        LogPair(log, "utf8Filename", xpath.GetUtf8());
        LogErr(log, "Failed to write complete file (6)");
        return false;
    }
    if (bytes && count)
    {
        DWORD written = 0;
        if (!WriteFile(h, bytes, count, &written, nullptr) || written < count)
        {
            LogSystemError(log, GetLastError());
            LogErr(log, "Failed to write complete file (3)");
            Close(h);
            return false;
        }
    }
    Close(h);
    return true;
}

bool WriteWholeFileUtf8(const char* path, const void* bytes, unsigned long count, LogBase* log)
{
    if (!path || !*path)
        return false;
    XString xpath;
    xpath.SetFromUtf8(path);
    WindowsVersion version;
    if (!xpath.IsAnsiExact() && !version.IsWin9x())
    {
        if (WriteWholeFileUtf16(xpath.GetUtf16(), bytes, count, log))
            return true;
    }
    return WriteWholeFileAnsi(xpath.GetAnsi(), bytes, count, log);
}

bool ReadWholeFile(const char* utf8Path, DataBuffer& out, LogBase* log)
{
    out.Clear();
    XString path;
    path.SetFromUtf8(utf8Path);
    bool ansi = path.IsAnsiExact();
    // The form handed on decides which text the open reports; the platform decides the interface.
    XString target;
    if (ansi)
        target.SetFromAnsi(path.GetAnsi());
    else
        target.SetFromUtf16(path.GetUtf16());
    HANDLE h = OpenForRead(target, log);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD high = 0;
    DWORD size = GetFileSize(h, &high);
    if (size == INVALID_FILE_SIZE && GetLastError() != NO_ERROR)
    {
        LogSystemError(log, GetLastError());
        Close(h);
        return false;
    }
    // A file of 4 GB or more, or one whose size plus the four guard bytes does not fit, is refused
    // rather than read into a wrapped allocation.
    if (high != 0 || size > 0xFFFFFFFFUL - 4)
    {
        LogErr(log, "File is too large to read");
        Close(h);
        return false;
    }
    if (size == 0)
    {
        Close(h);
        return true;
    }
    unsigned char* block = static_cast<unsigned char*>(calloc(size + 4, 1));
    if (!block)
    {
        LogErr(log, "Out of memory reading file");
        Close(h);
        return false;
    }
    out.TakeBlock(block, size + 4);
    out.SetSize(size);
    DWORD read = 0;
    bool ok = true;
    if (!ReadFile(h, block, size, &read, nullptr))
    {
        LogSystemError(log, GetLastError());
        if (ansi && log)
        {
            log->LogData("filename", path.GetAnsi());
            XString dir;
            GetCurrentDir(dir);
            log->LogData("current_dir", dir.GetAnsi());
        }
        ok = false;
    }
    if (read < size)
    {
        LogErr(log, "Failed to read the entire file");
        ok = false;
    }
    Close(h);
    return ok;
}

void GetCurrentDir(XString& out)
{
    WindowsVersion version;
    if (!version.IsWin9x())
    {
        wchar_t wide[261];
        DWORD n = GetCurrentDirectoryW(260, wide);
        if (n && n < 260)
        {
            out.SetFromUtf16(wide);
            return;
        }
    }
    char ansi[261];
    DWORD n = GetCurrentDirectoryA(260, ansi);
    ansi[n < 260 ? n : 0] = 0;
    out.SetFromAnsi(ansi);
}
} // namespace FileAccess
