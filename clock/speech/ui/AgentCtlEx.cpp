// The character control through IDispatch: the control holds the Characters collection, which
// loads characters and hands out each by its id; every character request returns a request object
// that the clock does not wait for.
#include "AgentCtlEx.h"

#include <ocidl.h>
#include <olectl.h>

IMPLEMENT_DYNCREATE(CAgentCtlEx, CWnd)

namespace
{
const CLSID kClsidAgentControl = {
    0xD45FD31B, 0x5C6E, 0x11D1, {0x9E, 0xC1, 0x00, 0xC0, 0x4F, 0xD7, 0x08, 0x1F}};

// Dispatch ids of the control and its objects.
const DISPID kCtlCharacters = 3;
const DISPID kCtlFlag = 0x15;
const DISPID kCharsLoad = 1;
const DISPID kCharsUnload = 2;
const DISPID kCharsCharacter = 3;
const DISPID kRequestStatus = 1;
const DISPID kRequestNumber = 3;
const DISPID kCharVisible = 2;
const DISPID kCharPitch = 0x0b;
const DISPID kCharSpeed = 0x0a;
const DISPID kCharPlay = 0x0d;
const DISPID kCharSpeak = 0x0f;
const DISPID kCharMoveTo = 0x12;
const DISPID kCharHide = 0x13;
const DISPID kCharShow = 0x14;
const DISPID kCharPlaced = 0x21;
const DISPID kCharEffects = 0x23;
const DISPID kCharLanguage = 0x2b;
const DISPID kCharBalloon = 0x17;
const DISPID kBalloonStyle = 0x10;

// Arguments in call order; DISPPARAMS wants them last first.
HRESULT Invoke(IDispatch* p, DISPID id, WORD wFlags, VARIANT* pArgs, UINT nArgs, VARIANT* pResult)
{
    if (p == NULL)
        return E_POINTER;
    VARIANT reversed[4];
    if (nArgs > 4)
        return E_INVALIDARG;
    for (UINT i = 0; i < nArgs; i++)
        reversed[i] = pArgs[nArgs - 1 - i];
    DISPPARAMS params = {nArgs > 0 ? reversed : NULL, NULL, nArgs, 0};
    DISPID idPut = DISPID_PROPERTYPUT;
    if (wFlags == DISPATCH_PROPERTYPUT)
    {
        params.rgdispidNamedArgs = &idPut;
        params.cNamedArgs = 1;
    }
    if (pResult != NULL)
        ::VariantInit(pResult);
    return p->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, wFlags, &params, pResult, NULL, NULL);
}

IDispatch* TakeDispatch(VARIANT& v)
{
    IDispatch* p = NULL;
    if (v.vt == VT_DISPATCH && v.pdispVal != NULL)
    {
        p = v.pdispVal;
        p->AddRef();
    }
    ::VariantClear(&v);
    return p;
}

VARIANT StringArg(const CString& str)
{
    VARIANT v;
    ::VariantInit(&v);
    int n = ::MultiByteToWideChar(CP_ACP, 0, str, -1, NULL, 0);
    BSTR b = ::SysAllocStringLen(NULL, n > 0 ? n - 1 : 0);
    if (b != NULL && n > 0)
        ::MultiByteToWideChar(CP_ACP, 0, str, -1, b, n);
    v.vt = VT_BSTR;
    v.bstrVal = b;
    return v;
}

VARIANT EmptyArg()
{
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_ERROR;
    v.scode = DISP_E_PARAMNOTFOUND;
    return v;
}

void ClearArgs(VARIANT* pArgs, UINT nArgs)
{
    for (UINT i = 0; i < nArgs; i++)
        ::VariantClear(&pArgs[i]);
}

BOOL GetLong(IDispatch* p, DISPID id, long& nValue)
{
    VARIANT v;
    if (FAILED(Invoke(p, id, DISPATCH_PROPERTYGET, NULL, 0, &v)))
        return FALSE;
    HRESULT hr = ::VariantChangeType(&v, &v, 0, VT_I4);
    if (SUCCEEDED(hr))
        nValue = v.lVal;
    ::VariantClear(&v);
    return SUCCEEDED(hr);
}
} // namespace

// Receives the control's events. The only event with a string and three short integers is Move
// (character id, x, y, cause); the others are ignored.
class CAgentEventSink : public IDispatch
{
public:
    CAgentEventSink(CAgentCtlEx* pOwner, REFIID iidEvents)
        : m_nRefs(1), m_pOwner(pOwner), m_iidEvents(iidEvents), m_pPoint(NULL), m_dwCookie(0)
    {
    }

    virtual ~CAgentEventSink() {}

    BOOL Connect(IDispatch* pControl)
    {
        IConnectionPointContainer* pContainer = NULL;
        if (FAILED(pControl->QueryInterface(IID_IConnectionPointContainer, (void**)&pContainer)))
            return FALSE;
        HRESULT hr = pContainer->FindConnectionPoint(m_iidEvents, &m_pPoint);
        pContainer->Release();
        if (FAILED(hr) || m_pPoint == NULL)
            return FALSE;
        if (FAILED(m_pPoint->Advise(this, &m_dwCookie)))
        {
            m_pPoint->Release();
            m_pPoint = NULL;
            return FALSE;
        }
        return TRUE;
    }
    void Disconnect()
    {
        m_pOwner = NULL;
        if (m_pPoint != NULL)
        {
            m_pPoint->Unadvise(m_dwCookie);
            m_pPoint->Release();
            m_pPoint = NULL;
        }
    }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == m_iidEvents)
        {
            *ppv = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_nRefs; }
    STDMETHODIMP_(ULONG) Release() override
    {
        ULONG n = --m_nRefs;
        if (n == 0)
            delete this;
        return n;
    }
    STDMETHODIMP GetTypeInfoCount(UINT* pn) override
    {
        *pn = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS* pParams, VARIANT*, EXCEPINFO*, UINT*) override
    {
        if (m_pOwner == NULL || m_pOwner->m_pMoveSink == NULL || pParams == NULL || pParams->cArgs != 4)
            return S_OK;
        // Last argument first.
        VARIANT* a = pParams->rgvarg;
        if (a[3].vt != VT_BSTR || a[2].vt != VT_I2 || a[1].vt != VT_I2 || a[0].vt != VT_I2)
            return S_OK;
        CString strId(a[3].bstrVal != NULL ? a[3].bstrVal : L"");
        m_pOwner->m_pMoveSink->OnAgentMove(strId, a[2].iVal, a[1].iVal, a[0].iVal);
        return S_OK;
    }

private:
    ULONG m_nRefs;
    CAgentCtlEx* m_pOwner;
    IID m_iidEvents;
    IConnectionPoint* m_pPoint;
    DWORD m_dwCookie;
};

CAgentCtlEx::CAgentCtlEx() : m_pControl(NULL), m_pSink(NULL), m_pMoveSink(NULL) {}

CAgentCtlEx::~CAgentCtlEx()
{
    Release();
}

BOOL CAgentCtlEx::CreateControl()
{
    if (m_pControl != NULL)
        return TRUE;
    if (FAILED(::CoCreateInstance(kClsidAgentControl, NULL, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                  IID_IDispatch, (void**)&m_pControl)) ||
        m_pControl == NULL)
    {
        m_pControl = NULL;
        return FALSE;
    }
    // The control's default source interface carries its events.
    IProvideClassInfo2* pInfo = NULL;
    IID iidEvents;
    if (SUCCEEDED(m_pControl->QueryInterface(IID_IProvideClassInfo2, (void**)&pInfo)))
    {
        if (SUCCEEDED(pInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &iidEvents)))
        {
            m_pSink = new CAgentEventSink(this, iidEvents);
            if (!m_pSink->Connect(m_pControl))
            {
                m_pSink->Release();
                m_pSink = NULL;
            }
        }
        pInfo->Release();
    }
    return TRUE;
}

void CAgentCtlEx::Release()
{
    if (m_pSink != NULL)
    {
        m_pSink->Disconnect();
        m_pSink->Release();
        m_pSink = NULL;
    }
    if (m_pControl != NULL)
    {
        m_pControl->Release();
        m_pControl = NULL;
    }
}

void CAgentCtlEx::SetControlFlag(BOOL bValue)
{
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_BOOL;
    v.boolVal = bValue ? VARIANT_TRUE : VARIANT_FALSE;
    Invoke(m_pControl, kCtlFlag, DISPATCH_PROPERTYPUT, &v, 1, NULL);
}

IDispatch* CAgentCtlEx::GetCharacters()
{
    VARIANT v;
    if (FAILED(Invoke(m_pControl, kCtlCharacters, DISPATCH_PROPERTYGET, NULL, 0, &v)))
        return NULL;
    return TakeDispatch(v);
}

IDispatch* CAgentCtlEx::GetCharacter(const CString& strId)
{
    IDispatch* pChars = GetCharacters();
    if (pChars == NULL)
        return NULL;
    VARIANT arg = StringArg(strId);
    VARIANT v;
    HRESULT hr = Invoke(pChars, kCharsCharacter, DISPATCH_METHOD | DISPATCH_PROPERTYGET, &arg, 1, &v);
    ::VariantClear(&arg);
    pChars->Release();
    return SUCCEEDED(hr) ? TakeDispatch(v) : NULL;
}

long CAgentCtlEx::Load(const CString& strId, const CString& strPath)
{
    IDispatch* pChars = GetCharacters();
    if (pChars == NULL)
        return E_FAIL;
    VARIANT args[2] = {StringArg(strId), StringArg(strPath)};
    VARIANT v;
    HRESULT hr = Invoke(pChars, kCharsLoad, DISPATCH_METHOD, args, 2, &v);
    ClearArgs(args, 2);
    pChars->Release();
    if (FAILED(hr))
        return hr;
    IDispatch* pRequest = TakeDispatch(v);
    long nStatus = -1, nNumber = E_FAIL;
    GetLong(pRequest, kRequestStatus, nStatus);
    if (nStatus != 0)
    {
        GetLong(pRequest, kRequestNumber, nNumber);
        if (nNumber == 0)
            nNumber = E_FAIL;
    }
    if (pRequest != NULL)
        pRequest->Release();
    return nStatus == 0 ? 0 : nNumber;
}

void CAgentCtlEx::Unload(const CString& strId)
{
    IDispatch* pChars = GetCharacters();
    if (pChars == NULL)
        return;
    VARIANT arg = StringArg(strId);
    VARIANT v;
    Invoke(pChars, kCharsUnload, DISPATCH_METHOD, &arg, 1, &v);
    ::VariantClear(&v);
    ::VariantClear(&arg);
    pChars->Release();
}

void CAgentCtlEx::CallCharacter(const CString& strId, DISPID id, VARIANT* pArgs, UINT nArgs)
{
    IDispatch* pChar = GetCharacter(strId);
    if (pChar != NULL)
    {
        VARIANT v;
        Invoke(pChar, id, DISPATCH_METHOD, pArgs, nArgs, &v);
        ::VariantClear(&v);
        pChar->Release();
    }
    ClearArgs(pArgs, nArgs);
}

void CAgentCtlEx::PutCharacter(const CString& strId, DISPID id, VARIANT& value)
{
    IDispatch* pChar = GetCharacter(strId);
    if (pChar != NULL)
    {
        Invoke(pChar, id, DISPATCH_PROPERTYPUT, &value, 1, NULL);
        pChar->Release();
    }
    ::VariantClear(&value);
}

BOOL CAgentCtlEx::GetCharacterLong(const CString& strId, DISPID id, long& nValue)
{
    IDispatch* pChar = GetCharacter(strId);
    if (pChar == NULL)
        return FALSE;
    BOOL bOk = GetLong(pChar, id, nValue);
    pChar->Release();
    return bOk;
}

BOOL CAgentCtlEx::IsPlaced(const CString& strId)
{
    long n = 0;
    return GetCharacterLong(strId, kCharPlaced, n) && n != 0;
}

void CAgentCtlEx::SetLanguage(const CString& strId, long nLanguage)
{
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = nLanguage;
    PutCharacter(strId, kCharLanguage, v);
}

void CAgentCtlEx::SetSoundEffects(const CString& strId, BOOL bOn)
{
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_BOOL;
    v.boolVal = bOn ? VARIANT_TRUE : VARIANT_FALSE;
    PutCharacter(strId, kCharEffects, v);
}

void CAgentCtlEx::SetBalloonStyle(const CString& strId, long nStyle)
{
    IDispatch* pChar = GetCharacter(strId);
    if (pChar == NULL)
        return;
    VARIANT v;
    if (SUCCEEDED(Invoke(pChar, kCharBalloon, DISPATCH_PROPERTYGET, NULL, 0, &v)))
    {
        IDispatch* pBalloon = TakeDispatch(v);
        if (pBalloon != NULL)
        {
            VARIANT style;
            ::VariantInit(&style);
            style.vt = VT_I4;
            style.lVal = nStyle;
            Invoke(pBalloon, kBalloonStyle, DISPATCH_PROPERTYPUT, &style, 1, NULL);
            pBalloon->Release();
        }
    }
    pChar->Release();
}

void CAgentCtlEx::Show(const CString& strId)
{
    VARIANT arg = EmptyArg();
    CallCharacter(strId, kCharShow, &arg, 1);
}

void CAgentCtlEx::Hide(const CString& strId)
{
    VARIANT arg = EmptyArg();
    CallCharacter(strId, kCharHide, &arg, 1);
}

void CAgentCtlEx::Play(const CString& strId, const CString& strAnimation)
{
    VARIANT arg = StringArg(strAnimation);
    CallCharacter(strId, kCharPlay, &arg, 1);
}

void CAgentCtlEx::Speak(const CString& strId, const CString& strText)
{
    VARIANT args[2] = {StringArg(strText), EmptyArg()};
    CallCharacter(strId, kCharSpeak, args, 2);
}

void CAgentCtlEx::MoveTo(const CString& strId, short x, short y)
{
    VARIANT args[3];
    for (VARIANT& a : args)
        ::VariantInit(&a);
    args[0].vt = VT_I2;
    args[0].iVal = x;
    args[1].vt = VT_I2;
    args[1].iVal = y;
    args[2] = EmptyArg();
    CallCharacter(strId, kCharMoveTo, args, 3);
}

BOOL CAgentCtlEx::IsVisible(const CString& strId)
{
    long n = 0;
    return GetCharacterLong(strId, kCharVisible, n) && n != 0;
}

BOOL CAgentCtlEx::GetVoice(const CString& strId, long& nPitch, long& nSpeed)
{
    return GetCharacterLong(strId, kCharPitch, nPitch) && GetCharacterLong(strId, kCharSpeed, nSpeed);
}

void CAgentCtlEx::SetMoveSink(IAgentMoveSink* pSink)
{
    m_pMoveSink = pSink;
}
