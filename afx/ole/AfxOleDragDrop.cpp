// The platform's drag-and-drop interfaces implemented over the framework's classes.
#include "AfxOleDragDrop.h"

#include "AfxFile.h"

#include <shlobj.h>

namespace
{
// Only memory handles are offered and taken: everything this framework drags is a block of bytes.
void FillFormatEtc(FORMATETC& fe, CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (lpFormatEtc != NULL)
    {
        fe = *lpFormatEtc;
        fe.cfFormat = cfFormat;
        return;
    }
    fe.cfFormat = cfFormat;
    fe.ptd = NULL;
    fe.dwAspect = DVASPECT_CONTENT;
    fe.lindex = -1;
    fe.tymed = TYMED_HGLOBAL;
}

HGLOBAL CopyGlobal(HGLOBAL hSource)
{
    if (hSource == NULL)
        return NULL;
    SIZE_T nSize = ::GlobalSize(hSource);
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, nSize == 0 ? 1 : nSize);
    if (hCopy == NULL)
        return NULL;
    void* pDest = ::GlobalLock(hCopy);
    const void* pSrc = ::GlobalLock(hSource);
    if (pDest == NULL || pSrc == NULL)
    {
        if (pSrc != NULL)
            ::GlobalUnlock(hSource);
        if (pDest != NULL)
            ::GlobalUnlock(hCopy);
        ::GlobalFree(hCopy);
        return NULL;
    }
    memcpy(pDest, pSrc, nSize);
    ::GlobalUnlock(hSource);
    ::GlobalUnlock(hCopy);
    return hCopy;
}

DROPEFFECT KeyStateEffect(DWORD dwKeyState, DROPEFFECT dropAllowed)
{
    DROPEFFECT want = (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
    return dropAllowed & want;
}
} // namespace

/////////////////////////////////////////////////////////////////////////////
// The IDataObject of a data source

class CAfxDataSourceImpl : public IDataObject
{
public:
    struct Entry
    {
        FORMATETC fe;
        HGLOBAL hGlobal;
    };

    CAfxDataSourceImpl() : m_nRef(1), m_entries(NULL), m_nEntries(0) {}

    void Empty()
    {
        for (int i = 0; i < m_nEntries; i++)
            ::GlobalFree(m_entries[i].hGlobal);
        free(m_entries);
        m_entries = NULL;
        m_nEntries = 0;
    }

    void Add(const FORMATETC& fe, HGLOBAL hGlobal)
    {
        for (int i = 0; i < m_nEntries; i++)
        {
            if (m_entries[i].fe.cfFormat == fe.cfFormat)
            {
                ::GlobalFree(m_entries[i].hGlobal);
                m_entries[i].fe = fe;
                m_entries[i].hGlobal = hGlobal;
                return;
            }
        }
        Entry* pNew = (Entry*)realloc(m_entries, sizeof(Entry) * (m_nEntries + 1));
        if (pNew == NULL)
            AfxThrowMemoryException();
        m_entries = pNew;
        m_entries[m_nEntries].fe = fe;
        m_entries[m_nEntries].hGlobal = hGlobal;
        m_nEntries++;
    }

    const Entry* Find(const FORMATETC* pfe) const
    {
        if (pfe == NULL)
            return NULL;
        for (int i = 0; i < m_nEntries; i++)
        {
            if (m_entries[i].fe.cfFormat == pfe->cfFormat && (pfe->tymed & TYMED_HGLOBAL) &&
                (pfe->dwAspect == 0 || pfe->dwAspect == m_entries[i].fe.dwAspect))
                return &m_entries[i];
        }
        return NULL;
    }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv)
    {
        if (ppv == NULL)
            return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject))
        {
            *ppv = static_cast<IDataObject*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() { return (ULONG)::InterlockedIncrement(&m_nRef); }
    STDMETHODIMP_(ULONG) Release()
    {
        LONG n = ::InterlockedDecrement(&m_nRef);
        if (n == 0)
        {
            Empty();
            delete this;
        }
        return (ULONG)n;
    }

    // IDataObject
    STDMETHODIMP GetData(FORMATETC* pfe, STGMEDIUM* pMedium)
    {
        if (pMedium == NULL)
            return E_POINTER;
        const Entry* pEntry = Find(pfe);
        if (pEntry == NULL)
            return DV_E_FORMATETC;
        HGLOBAL hCopy = CopyGlobal(pEntry->hGlobal);
        if (hCopy == NULL)
            return E_OUTOFMEMORY;
        pMedium->tymed = TYMED_HGLOBAL;
        pMedium->hGlobal = hCopy;
        pMedium->pUnkForRelease = NULL;
        return S_OK;
    }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC* pfe) { return Find(pfe) != NULL ? S_OK : DV_E_FORMATETC; }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pfeOut)
    {
        if (pfeOut != NULL)
            pfeOut->ptd = NULL;
        return DATA_S_SAMEFORMATETC;
    }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppEnum)
    {
        if (ppEnum == NULL)
            return E_POINTER;
        *ppEnum = NULL;
        if (dwDirection != DATADIR_GET)
            return E_NOTIMPL;
        FORMATETC* pList = new FORMATETC[m_nEntries + 1];
        for (int i = 0; i < m_nEntries; i++)
            pList[i] = m_entries[i].fe;
        HRESULT hr = ::SHCreateStdEnumFmtEtc((UINT)m_nEntries, pList, ppEnum);
        delete[] pList;
        return hr;
    }
    STDMETHODIMP DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP DUnadvise(DWORD) { return OLE_E_ADVISENOTSUPPORTED; }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA**) { return OLE_E_ADVISENOTSUPPORTED; }

private:
    virtual ~CAfxDataSourceImpl() {}
    LONG m_nRef;
    Entry* m_entries;
    int m_nEntries;
};

/////////////////////////////////////////////////////////////////////////////
// The IDropSource of a drop source

class CAfxDropSourceImpl : public IDropSource
{
public:
    explicit CAfxDropSourceImpl(COleDropSource* pOwner) : m_nRef(1), m_pOwner(pOwner) {}
    void Disown() { m_pOwner = NULL; }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv)
    {
        if (ppv == NULL)
            return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropSource))
        {
            *ppv = static_cast<IDropSource*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() { return (ULONG)::InterlockedIncrement(&m_nRef); }
    STDMETHODIMP_(ULONG) Release()
    {
        LONG n = ::InterlockedDecrement(&m_nRef);
        if (n == 0)
            delete this;
        return (ULONG)n;
    }
    STDMETHODIMP QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState)
    {
        if (m_pOwner == NULL)
            return DRAGDROP_S_CANCEL;
        return m_pOwner->QueryContinueDrag(fEscapePressed, grfKeyState);
    }
    STDMETHODIMP GiveFeedback(DWORD dwEffect)
    {
        if (m_pOwner == NULL)
            return DRAGDROP_S_USEDEFAULTCURSORS;
        return m_pOwner->GiveFeedback(dwEffect);
    }

private:
    virtual ~CAfxDropSourceImpl() {}
    LONG m_nRef;
    COleDropSource* m_pOwner;
};

/////////////////////////////////////////////////////////////////////////////
// The IDropTarget of a drop target

class CAfxDropTargetImpl : public IDropTarget
{
public:
    explicit CAfxDropTargetImpl(COleDropTarget* pOwner)
        : m_nRef(1), m_pOwner(pOwner), m_lpDataObject(NULL), m_dropLast(DROPEFFECT_NONE)
    {
    }
    void Disown()
    {
        m_pOwner = NULL;
        ForgetData();
    }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv)
    {
        if (ppv == NULL)
            return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget))
        {
            *ppv = static_cast<IDropTarget*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = NULL;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() { return (ULONG)::InterlockedIncrement(&m_nRef); }
    STDMETHODIMP_(ULONG) Release()
    {
        LONG n = ::InterlockedDecrement(&m_nRef);
        if (n == 0)
        {
            ForgetData();
            delete this;
        }
        return (ULONG)n;
    }

    STDMETHODIMP DragEnter(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect)
    {
        if (pdwEffect == NULL)
            return E_INVALIDARG;
        ForgetData();
        CWnd* pWnd = Window();
        if (pWnd == NULL || pDataObj == NULL)
        {
            *pdwEffect = DROPEFFECT_NONE;
            return S_OK;
        }
        m_lpDataObject = pDataObj;
        m_lpDataObject->AddRef();
        COleDataObject data;
        data.Attach(m_lpDataObject, FALSE);
        m_dropLast = m_pOwner->OnDragEnter(pWnd, &data, grfKeyState, ClientPoint(pWnd, pt)) & *pdwEffect;
        *pdwEffect = m_dropLast;
        return S_OK;
    }
    STDMETHODIMP DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect)
    {
        if (pdwEffect == NULL)
            return E_INVALIDARG;
        CWnd* pWnd = Window();
        if (pWnd == NULL || m_lpDataObject == NULL)
        {
            *pdwEffect = DROPEFFECT_NONE;
            return S_OK;
        }
        COleDataObject data;
        data.Attach(m_lpDataObject, FALSE);
        m_dropLast = m_pOwner->OnDragOver(pWnd, &data, grfKeyState, ClientPoint(pWnd, pt)) & *pdwEffect;
        *pdwEffect = m_dropLast;
        return S_OK;
    }
    STDMETHODIMP DragLeave()
    {
        CWnd* pWnd = Window();
        if (pWnd != NULL)
            m_pOwner->OnDragLeave(pWnd);
        ForgetData();
        return S_OK;
    }
    STDMETHODIMP Drop(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect)
    {
        if (pdwEffect == NULL)
            return E_INVALIDARG;
        CWnd* pWnd = Window();
        if (pWnd == NULL || pDataObj == NULL)
        {
            *pdwEffect = DROPEFFECT_NONE;
            ForgetData();
            return S_OK;
        }
        // The owner may go with its window while it handles the drop: this object stays until the end.
        AddRef();
        COleDataObject data;
        data.Attach(pDataObj, FALSE);
        CPoint point = ClientPoint(pWnd, pt);
        DROPEFFECT dropList = *pdwEffect;
        // The effect the last drag-over promised, with the keys as they are at the drop.
        DROPEFFECT dropDefault = m_dropLast & dropList;
        if ((dropDefault & (DROPEFFECT_COPY | DROPEFFECT_MOVE)) == (DROPEFFECT_COPY | DROPEFFECT_MOVE))
            dropDefault = KeyStateEffect(grfKeyState, dropDefault);
        DROPEFFECT result = m_pOwner->OnDropEx(pWnd, &data, dropDefault, dropList, point);
        if (result == (DROPEFFECT)-1)
        {
            result = DROPEFFECT_NONE;
            if (dropDefault != DROPEFFECT_NONE && m_pOwner->OnDrop(pWnd, &data, dropDefault, point))
                result = dropDefault;
        }
        *pdwEffect = result & dropList;
        ForgetData();
        Release();
        return S_OK;
    }

private:
    virtual ~CAfxDropTargetImpl() {}
    CWnd* Window() const
    {
        if (m_pOwner == NULL || m_pOwner->m_hWnd == NULL || !::IsWindow(m_pOwner->m_hWnd))
            return NULL;
        return CWnd::FromHandle(m_pOwner->m_hWnd);
    }
    static CPoint ClientPoint(CWnd* pWnd, POINTL pt)
    {
        POINT point = {pt.x, pt.y};
        ::ScreenToClient(pWnd->m_hWnd, &point);
        return CPoint(point.x, point.y);
    }
    void ForgetData()
    {
        if (m_lpDataObject != NULL)
            m_lpDataObject->Release();
        m_lpDataObject = NULL;
        m_dropLast = DROPEFFECT_NONE;
    }
    LONG m_nRef;
    COleDropTarget* m_pOwner;
    IDataObject* m_lpDataObject;
    DROPEFFECT m_dropLast;
};

/////////////////////////////////////////////////////////////////////////////
// COleDataObject

COleDataObject::COleDataObject() : m_lpDataObject(NULL), m_bAutoRelease(TRUE) {}

COleDataObject::~COleDataObject()
{
    Release();
}

void COleDataObject::Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease)
{
    Release();
    m_lpDataObject = lpDataObject;
    m_bAutoRelease = bAutoRelease;
}

LPDATAOBJECT COleDataObject::Detach()
{
    LPDATAOBJECT lpDataObject = m_lpDataObject;
    m_lpDataObject = NULL;
    return lpDataObject;
}

void COleDataObject::Release()
{
    if (m_lpDataObject != NULL && m_bAutoRelease)
        m_lpDataObject->Release();
    m_lpDataObject = NULL;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject == NULL || cfFormat == 0)
        return FALSE;
    FORMATETC fe;
    FillFormatEtc(fe, cfFormat, lpFormatEtc);
    return m_lpDataObject->QueryGetData(&fe) == S_OK;
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    if (m_lpDataObject == NULL || cfFormat == 0)
        return NULL;
    FORMATETC fe;
    FillFormatEtc(fe, cfFormat, lpFormatEtc);
    fe.tymed = TYMED_HGLOBAL;
    STGMEDIUM medium = {};
    if (m_lpDataObject->GetData(&fe, &medium) != S_OK)
        return NULL;
    if (medium.tymed != TYMED_HGLOBAL || medium.hGlobal == NULL)
    {
        ::ReleaseStgMedium(&medium);
        return NULL;
    }
    // Memory that another object still owns is copied; memory given to us is kept as it is.
    if (medium.pUnkForRelease != NULL)
    {
        HGLOBAL hCopy = CopyGlobal(medium.hGlobal);
        ::ReleaseStgMedium(&medium);
        return hCopy;
    }
    return medium.hGlobal;
}

CFile* COleDataObject::GetFileData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc)
{
    HGLOBAL hGlobal = GetGlobalData(cfFormat, lpFormatEtc);
    if (hGlobal == NULL)
        return NULL;
    CSharedFile* pFile = new CSharedFile;
    pFile->SetHandle(hGlobal, FALSE);
    return pFile;
}

/////////////////////////////////////////////////////////////////////////////
// COleDataSource

COleDataSource::COleDataSource() : m_pImpl(new CAfxDataSourceImpl) {}

COleDataSource::~COleDataSource()
{
    // A drop target may still hold the object; it lives until the last reference goes.
    m_pImpl->Release();
}

LPDATAOBJECT COleDataSource::GetIDataObject() const
{
    return m_pImpl;
}

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc)
{
    if (hGlobal == NULL)
        return;
    FORMATETC fe;
    FillFormatEtc(fe, cfFormat, lpFormatEtc);
    fe.tymed = TYMED_HGLOBAL;
    m_pImpl->Add(fe, hGlobal);
}

void COleDataSource::Empty()
{
    m_pImpl->Empty();
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects, LPCRECT lpRectStartDrag, COleDropSource* pDropSource)
{
    COleDropSource dropSourceDefault;
    if (pDropSource == NULL)
        pDropSource = &dropSourceDefault;
    if (lpRectStartDrag != NULL)
        pDropSource->m_rectStartDrag = *lpRectStartDrag;
    else
    {
        CPoint pt;
        ::GetCursorPos(&pt);
        int cx = ::GetSystemMetrics(SM_CXDRAG);
        int cy = ::GetSystemMetrics(SM_CYDRAG);
        pDropSource->m_rectStartDrag.SetRect(pt.x - cx, pt.y - cy, pt.x + cx + 1, pt.y + cy + 1);
    }
    HWND hCapture = ::GetCapture();
    CWnd* pWnd = hCapture != NULL ? CWnd::FromHandle(hCapture) : NULL;
    if (!pDropSource->OnBeginDrag(pWnd))
        return DROPEFFECT_NONE;
    DWORD dwResult = DROPEFFECT_NONE;
    HRESULT hr = ::DoDragDrop(m_pImpl, pDropSource->GetIDropSource(), dwEffects, &dwResult);
    if (hr != DRAGDROP_S_DROP)
        dwResult = DROPEFFECT_NONE;
    return dwResult;
}

/////////////////////////////////////////////////////////////////////////////
// COleDropSource

COleDropSource::COleDropSource()
    : m_bDragStarted(FALSE), m_dwButtonCancel(0), m_dwButtonDrop(0), m_rectStartDrag(0, 0, 0, 0),
      m_pImpl(new CAfxDropSourceImpl(this))
{
}

COleDropSource::~COleDropSource()
{
    m_pImpl->Disown();
    m_pImpl->Release();
}

LPDROPSOURCE COleDropSource::GetIDropSource() const
{
    return m_pImpl;
}

SCODE COleDropSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    if (bEscapePressed || (dwKeyState & m_dwButtonCancel) != 0)
    {
        m_bDragStarted = FALSE;
        return DRAGDROP_S_CANCEL;
    }
    if ((dwKeyState & m_dwButtonDrop) == 0)
        return m_bDragStarted ? DRAGDROP_S_DROP : DRAGDROP_S_CANCEL;
    return S_OK;
}

SCODE COleDropSource::GiveFeedback(DROPEFFECT)
{
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

BOOL COleDropSource::OnBeginDrag(CWnd* pWnd)
{
    m_bDragStarted = FALSE;
    // The button that went down starts the drag; the other one cancels it.
    if (::GetKeyState(VK_LBUTTON) < 0)
    {
        m_dwButtonDrop = MK_LBUTTON;
        m_dwButtonCancel = MK_RBUTTON;
    }
    else if (::GetKeyState(VK_RBUTTON) < 0)
    {
        m_dwButtonDrop = MK_RBUTTON;
        m_dwButtonCancel = MK_LBUTTON;
    }
    else
        return FALSE;

    HWND hWnd = pWnd != NULL ? pWnd->GetSafeHwnd() : NULL;
    if (hWnd != NULL)
        ::SetCapture(hWnd);
    DWORD dwStart = ::GetTickCount();
    const DWORD dwDelay = DD_DEFDRAGDELAY;
    for (;;)
    {
        MSG msg;
        if (!::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        {
            if (::GetTickCount() - dwStart >= dwDelay)
            {
                m_bDragStarted = TRUE;
                break;
            }
            ::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
            continue;
        }
        if (msg.message == WM_QUIT)
        {
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
            break;
        if (msg.message == WM_LBUTTONUP || msg.message == WM_RBUTTONUP || msg.message == WM_LBUTTONDOWN ||
            msg.message == WM_RBUTTONDOWN)
            break;
        if (msg.message == WM_MOUSEMOVE)
        {
            CPoint pt;
            ::GetCursorPos(&pt);
            if (!m_rectStartDrag.PtInRect(pt))
            {
                m_bDragStarted = TRUE;
                break;
            }
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
        if (::GetTickCount() - dwStart >= dwDelay)
        {
            m_bDragStarted = TRUE;
            break;
        }
    }
    if (hWnd != NULL && ::GetCapture() == hWnd)
        ::ReleaseCapture();
    return m_bDragStarted;
}

/////////////////////////////////////////////////////////////////////////////
// COleDropTarget

COleDropTarget::COleDropTarget() : m_hWnd(NULL), m_pImpl(new CAfxDropTargetImpl(this)) {}

COleDropTarget::~COleDropTarget()
{
    Revoke();
    m_pImpl->Disown();
    m_pImpl->Release();
}

LPDROPTARGET COleDropTarget::GetIDropTarget() const
{
    return m_pImpl;
}

BOOL COleDropTarget::Register(CWnd* pWnd)
{
    if (pWnd == NULL || pWnd->GetSafeHwnd() == NULL || m_hWnd != NULL)
        return FALSE;
    if (FAILED(::RegisterDragDrop(pWnd->m_hWnd, m_pImpl)))
        return FALSE;
    m_hWnd = pWnd->m_hWnd;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (m_hWnd == NULL)
        return;
    ::RevokeDragDrop(m_hWnd);
    m_hWnd = NULL;
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint)
{
    return FALSE;
}

DROPEFFECT COleDropTarget::OnDropEx(CWnd*, COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint)
{
    return (DROPEFFECT)-1;
}

void COleDropTarget::OnDragLeave(CWnd*) {}
