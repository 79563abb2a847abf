// Platform services a program starts through the framework (sockets, OLE, rich edit), ended by
// the framework at the program's end.
#include "AfxWinImpl.h"

static BOOL afxSocketsStarted = FALSE;
static BOOL afxOleStarted = FALSE;

BOOL AFXAPI AfxSocketInit(WSADATA* lpwsaData)
{
    WSADATA wsaData;
    if (::WSAStartup(MAKEWORD(1, 1), &wsaData) != 0)
        return FALSE;
    if (lpwsaData != NULL)
        *lpwsaData = wsaData;
    if (LOBYTE(wsaData.wVersion) != 1 || HIBYTE(wsaData.wVersion) != 1)
    {
        ::WSACleanup();
        return FALSE;
    }
    if (afxSocketsStarted)
        ::WSACleanup(); // one start is kept for the framework's end
    afxSocketsStarted = TRUE;
    return TRUE;
}

void AFXAPI AfxEnableControlContainer() {}

BOOL AFXAPI AfxOleInit()
{
    HRESULT hr = ::OleInitialize(NULL);
    if (FAILED(hr))
        return FALSE;
    if (afxOleStarted)
        ::OleUninitialize();
    afxOleStarted = TRUE;
    return TRUE;
}

BOOL AFXAPI AfxInitRichEdit()
{
    static HINSTANCE hRichEdit = NULL;
    if (hRichEdit == NULL)
        hRichEdit = ::LoadLibraryA("RICHED32.DLL");
    return hRichEdit != NULL;
}

BOOL AFXAPI AfxInitRichEdit2()
{
    static HINSTANCE hRichEdit2 = NULL;
    if (hRichEdit2 == NULL)
        hRichEdit2 = ::LoadLibraryA("RICHED20.DLL");
    return hRichEdit2 != NULL;
}

void AFXAPI AfxTermPlatformServices()
{
    if (afxSocketsStarted)
    {
        afxSocketsStarted = FALSE;
        WSACleanup();
    }
    if (afxOleStarted)
    {
        afxOleStarted = FALSE;
        ::OleUninitialize();
    }
}
