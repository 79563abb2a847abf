// File access: opening with a short retry on sharing violations, whole-file read and write, current
// directory.
#ifndef VELMORA_FILEACCESS_H
#define VELMORA_FILEACCESS_H
#include "XString.h"

class LogBase;

class WindowsVersion
{
public:
    WindowsVersion();
    virtual ~WindowsVersion() {}
    bool IsWin95() const;
    bool IsWin98() const;
    bool IsWinMe() const;
    bool IsWin9x() const;

private:
    OSVERSIONINFOA m_info;
};

namespace FileAccess
{
HANDLE OpenWithRetryA(const char* path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                      DWORD disposition, DWORD flags, HANDLE templ, LogBase* log);
HANDLE OpenWithRetryW(XString& path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                      DWORD disposition, DWORD flags, HANDLE templ, LogBase* log);
HANDLE OpenForRead(XString& path, LogBase* log);
HANDLE CreateForWrite(XString& path, LogBase* log);
void Close(HANDLE h);
bool WriteWholeFileAnsi(const char* path, const void* bytes, unsigned long count, LogBase* log);
bool WriteWholeFileUtf16(const wchar_t* path, const void* bytes, unsigned long count, LogBase* log);
bool WriteWholeFileUtf8(const char* path, const void* bytes, unsigned long count, LogBase* log);
bool ReadWholeFile(const char* utf8Path, DataBuffer& out, LogBase* log);
void GetCurrentDir(XString& out);

// Replaceable so tests can drive the sharing-violation retry without real timing.
typedef void (*SleepHook)(DWORD ms);
void SetSleepHook(SleepHook hook);
} // namespace FileAccess

#endif // VELMORA_FILEACCESS_H
