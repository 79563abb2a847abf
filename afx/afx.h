// Core of the application framework: objects, strings, exceptions, files, times and diagnostics.
#ifndef VELMORA_AFX_H
#define VELMORA_AFX_H

#ifndef _MBCS
#define _MBCS
#endif
#ifndef STRICT
#define STRICT
#endif

#include <windows.h>
#include <tchar.h>
#include <mbstring.h>
#include <stdarg.h>
#include <stddef.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include "AfxDefs.h"

// Diagnostics. ASSERT and VERIFY come with the decorations (AfxDefs.h); TRACE and DEBUG_ONLY
// work in a debug build only.
BOOL AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);
void AFX_CDECL AfxTrace(LPCTSTR lpszFormat, ...);
void AFXAPI AfxDebugBreak();

#ifdef _DEBUG
#define TRACE         ::AfxTrace
#define DEBUG_ONLY(f) (f)
#else
#define TRACE         1 ? (void)0 : ::AfxTrace
#define DEBUG_ONLY(f) ((void)0)
#endif
#define TRACE0(sz)                      TRACE(_T("%s"), _T(sz))
#define TRACE1(sz, p1)                  TRACE(_T(sz), p1)
#define TRACE2(sz, p1, p2)              TRACE(_T(sz), p1, p2)
#define TRACE3(sz, p1, p2, p3)          TRACE(_T(sz), p1, p2, p3)
#define ASSERT_VALID(pOb)               ((void)0)
#define ASSERT_POINTER(p, type)         ASSERT(((p) != NULL) && AfxIsValidAddress((p), sizeof(type), FALSE))
#define ASSERT_NULL_OR_POINTER(p, type) ASSERT(((p) == NULL) || AfxIsValidAddress((p), sizeof(type), FALSE))
#define UNUSED(x)                       ((void)(x))
#define UNUSED_ALWAYS(x)                ((void)(x))
#define DEBUG_NEW                       new
#define THIS_FILE                       __FILE__

BOOL AFXAPI AfxIsValidAddress(const void* lp, UINT nBytes, BOOL bReadWrite = TRUE);
BOOL AFXAPI AfxIsValidString(LPCSTR lpsz, int nLength = -1);
BOOL AFXAPI AfxIsValidString(LPCWSTR lpsz, int nLength = -1);

#include "AfxObject.h"
#include "AfxString.h"
#include "AfxException.h"
#include "AfxTime.h"
#include "AfxFile.h"
#include "AfxArchive.h"

// Resources and the module. The application object sets afxAppName (and, when it loads
// resources from elsewhere, the resource handle) during start-up.
extern LPCTSTR afxAppName;
HINSTANCE AFXAPI AfxGetResourceHandle();
void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
HINSTANCE AFXAPI AfxGetInstanceHandle();
void AFXAPI AfxSetInstanceHandle(HINSTANCE hInstance);
HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);

// Message boxes owned by the thread's active window, captioned with the application's name.
int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
// The icon a framework message box gets when its type names none.
UINT AFXAPI AfxDefaultMessageBoxIcon(UINT nType);

// Hook for the windowing layer: when set, AfxMessageBox calls it instead of MessageBox so the
// application object can take part (disable its windows, choose the owner).
typedef int(AFXAPI* AFX_MESSAGEBOX_HOOK)(LPCTSTR lpszText, UINT nType, UINT nIDHelp);
extern AFX_MESSAGEBOX_HOOK afxMessageBoxHook;

#endif // VELMORA_AFX_H
