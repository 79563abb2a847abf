/* StandInAgentServer: an in-process COM server registered, in the benchmark's own Wine prefix only,
 * under the speech character server's class id. It hands out one object that answers IUnknown and
 * the server interface the clock's start-up probe asks for, so that the probe succeeds at once, as
 * it does for a user who has the server installed. Nothing is ever called on the interface beyond
 * IUnknown: the probe releases it straight away. */
#define COBJMACROS
#include <windows.h>

#include <objbase.h>

static const CLSID kClsidAgentServer = {
    0xD45FD2FC, 0x5C6E, 0x11D1, {0x9E, 0xC1, 0x00, 0xC0, 0x4F, 0xD7, 0x08, 0x1F}};
static const IID kIidAgentEx = {0x48D12BA0, 0x5B77, 0x11D1, {0x9E, 0xC1, 0x00, 0xC0, 0x4F, 0xD7, 0x08, 0x1F}};

static LONG g_nObjects = 0;
static LONG g_nLocks = 0;

/* ---- The server object ---- */

typedef struct
{
    IUnknownVtbl* lpVtbl;
    LONG nRefs;
} StandInServer;

static HRESULT STDMETHODCALLTYPE Server_QueryInterface(IUnknown* This, REFIID riid, void** ppv)
{
    if (ppv == NULL)
        return E_POINTER;
    if (IsEqualIID(riid, &IID_IUnknown) || IsEqualIID(riid, &kIidAgentEx))
    {
        *ppv = This;
        IUnknown_AddRef(This);
        return S_OK;
    }
    *ppv = NULL;
    return E_NOINTERFACE;
}

static ULONG STDMETHODCALLTYPE Server_AddRef(IUnknown* This)
{
    return (ULONG)InterlockedIncrement(&((StandInServer*)This)->nRefs);
}

static ULONG STDMETHODCALLTYPE Server_Release(IUnknown* This)
{
    StandInServer* p = (StandInServer*)This;
    LONG n = InterlockedDecrement(&p->nRefs);
    if (n == 0)
    {
        HeapFree(GetProcessHeap(), 0, p);
        InterlockedDecrement(&g_nObjects);
    }
    return (ULONG)n;
}

static IUnknownVtbl g_serverVtbl = {Server_QueryInterface, Server_AddRef, Server_Release};

/* ---- The class factory ---- */

static HRESULT STDMETHODCALLTYPE Factory_QueryInterface(IClassFactory* This, REFIID riid, void** ppv)
{
    if (ppv == NULL)
        return E_POINTER;
    if (IsEqualIID(riid, &IID_IUnknown) || IsEqualIID(riid, &IID_IClassFactory))
    {
        *ppv = This;
        return S_OK;
    }
    *ppv = NULL;
    return E_NOINTERFACE;
}

/* The factory is static: its count only keeps the module loaded while someone holds it. */
static ULONG STDMETHODCALLTYPE Factory_AddRef(IClassFactory* This)
{
    (void)This;
    return 2;
}

static ULONG STDMETHODCALLTYPE Factory_Release(IClassFactory* This)
{
    (void)This;
    return 1;
}

static HRESULT STDMETHODCALLTYPE Factory_CreateInstance(IClassFactory* This, IUnknown* pOuter, REFIID riid,
                                                        void** ppv)
{
    StandInServer* p;
    HRESULT hr;
    (void)This;
    if (ppv == NULL)
        return E_POINTER;
    *ppv = NULL;
    if (pOuter != NULL)
        return CLASS_E_NOAGGREGATION;
    p = (StandInServer*)HeapAlloc(GetProcessHeap(), 0, sizeof(*p));
    if (p == NULL)
        return E_OUTOFMEMORY;
    p->lpVtbl = &g_serverVtbl;
    p->nRefs = 1;
    InterlockedIncrement(&g_nObjects);
    hr = Server_QueryInterface((IUnknown*)p, riid, ppv);
    Server_Release((IUnknown*)p);
    return hr;
}

static HRESULT STDMETHODCALLTYPE Factory_LockServer(IClassFactory* This, BOOL bLock)
{
    (void)This;
    if (bLock)
        InterlockedIncrement(&g_nLocks);
    else
        InterlockedDecrement(&g_nLocks);
    return S_OK;
}

static IClassFactoryVtbl g_factoryVtbl = {Factory_QueryInterface, Factory_AddRef, Factory_Release,
                                          Factory_CreateInstance, Factory_LockServer};
static IClassFactory g_factory = {&g_factoryVtbl};

/* ---- The exports COM looks for ---- */

HRESULT WINAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv)
{
    if (ppv == NULL)
        return E_POINTER;
    *ppv = NULL;
    if (!IsEqualCLSID(rclsid, &kClsidAgentServer))
        return CLASS_E_CLASSNOTAVAILABLE;
    return Factory_QueryInterface(&g_factory, riid, ppv);
}

HRESULT WINAPI DllCanUnloadNow(void)
{
    return (g_nObjects == 0 && g_nLocks == 0) ? S_OK : S_FALSE;
}
