// Calling-convention and linkage decorations shared by the framework's headers, and its
// assertions.
#ifndef VELMORA_AFXDEFS_H
#define VELMORA_AFXDEFS_H

#include <windows.h>
#include <stdio.h>

#ifndef AFXAPI
#define AFXAPI __stdcall
#endif
#ifndef AFX_CDECL
#define AFX_CDECL __cdecl
#endif
#ifndef AFX_DATA
#define AFX_DATA
#endif
#ifndef AFX_DATADEF
#define AFX_DATADEF
#endif
#ifndef AFX_CORE_DATA
#define AFX_CORE_DATA
#endif
#ifndef AFX_OLE_DATA
#define AFX_OLE_DATA
#endif
#ifndef AFX_COMDAT
#define AFX_COMDAT
#endif
#ifndef AFX_NOVTABLE
#define AFX_NOVTABLE
#endif
#ifndef AFX_EXT_CLASS
#define AFX_EXT_CLASS
#endif
#ifndef AFX_STATIC
#define AFX_STATIC static
#endif
#ifndef AFX_STATIC_DATA
#define AFX_STATIC_DATA static
#endif
#ifndef AFX_INLINE
#define AFX_INLINE inline
#endif
#ifndef _AFX_INLINE
#define _AFX_INLINE inline
#endif

// Assertions are compiled in for a debug build (_DEBUG) and wherever the build defines
// VELMORA_AFX_ASSERTS, as this tree does for the programs and their tests. A failed assertion
// is loud and never waits for anyone: file, line and condition go to the debugger's output and to
// standard error, then a debugger present stops there; without one the process ends at once with
// exit code 3 (no message box: a test under ctest must fail, not hang).
#if defined(_DEBUG) || defined(VELMORA_AFX_ASSERTS)
inline void AfxAssertFailed(LPCSTR lpszFileName, int nLine, LPCSTR lpszCondition)
{
    char szMessage[1024];
    _snprintf(szMessage, sizeof(szMessage) - 1, "Assertion failed: %s(%d): %s\n", lpszFileName, nLine,
              lpszCondition);
    szMessage[sizeof(szMessage) - 1] = '\0';
    ::OutputDebugStringA(szMessage);
    fputs(szMessage, stderr);
    fflush(stderr);
    if (::IsDebuggerPresent())
        ::DebugBreak();
    ::TerminateProcess(::GetCurrentProcess(), 3);
}
#define ASSERT(f)                                                                                            \
    do                                                                                                       \
    {                                                                                                        \
        if (!(f))                                                                                            \
            AfxAssertFailed(__FILE__, __LINE__, #f);                                                         \
    } while (0)
#define VERIFY(f) ASSERT(f)
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#endif

#endif // VELMORA_AFXDEFS_H
