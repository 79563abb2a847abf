// The demonstration programs' log.
#include "DemoLog.h"

#include <cstdarg>
#include <cstdio>

namespace
{
CString g_strLogPath;
} // namespace

void DemoSetLog(const CString& strPath)
{
    g_strLogPath = strPath;
    g_strLogPath.TrimLeft();
    g_strLogPath.TrimRight();
}

const CString& DemoLogPath()
{
    return g_strLogPath;
}

void DemoLog(LPCTSTR pszFormat, ...)
{
    if (g_strLogPath.IsEmpty())
        return;
    FILE* f = fopen(g_strLogPath, "a");
    if (f == NULL)
        return;
    va_list args;
    va_start(args, pszFormat);
    vfprintf(f, pszFormat, args);
    va_end(args);
    fputc('\n', f);
    fclose(f);
}
