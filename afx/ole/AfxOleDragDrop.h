// OLE drag and drop: a data source and a data object over the platform's IDataObject, a drop
// source and a window's drop target.
#ifndef VELMORA_AFXOLEDRAGDROP_H
#define VELMORA_AFXOLEDRAGDROP_H

#include <ole2.h>

#include "AfxTypes.h"
#include "AfxCmdTarget.h"
#include "AfxWnd.h"

// What a drop does with the data: DROPEFFECT_COPY, _MOVE, _LINK, or none.
typedef DWORD DROPEFFECT;

class CFile;
class COleDropSource;
class CAfxDataSourceImpl;
class CAfxDropSourceImpl;
class CAfxDropTargetImpl;

// The read side of data offered by a drag or the clipboard.
class COleDataObject
{
    // Construction
public:
    COleDataObject();
    ~COleDataObject();

    // Operations
public:
    void Attach(LPDATAOBJECT lpDataObject, BOOL bAutoRelease = TRUE);
    LPDATAOBJECT Detach();
    void Release();

    // Attributes
public:
    BOOL IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = NULL);
    // The data copied into memory the caller owns, or NULL.
    HGLOBAL GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = NULL);
    // A file over a copy of the data (the caller deletes it), or NULL.
    CFile* GetFileData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = NULL);
    LPDATAOBJECT GetIDataObject() const { return m_lpDataObject; }

    // Implementation
private:
    LPDATAOBJECT m_lpDataObject;
    BOOL m_bAutoRelease;
    COleDataObject(const COleDataObject&);
    void operator=(const COleDataObject&);
};

// Data offered by this program: cached formats and the drag that offers them.
class COleDataSource : public CCmdTarget
{
    // Construction
public:
    COleDataSource();
    virtual ~COleDataSource();

    // Operations
public:
    // The source takes the memory; it is freed with the source.
    void CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc = NULL);
    void Empty();
    DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK,
                          LPCRECT lpRectStartDrag = NULL, COleDropSource* pDropSource = NULL);

    // The platform object the source hands out (one reference owned by the source).
    LPDATAOBJECT GetIDataObject() const;

    // Implementation
private:
    CAfxDataSourceImpl* m_pImpl;
};

// The source side of a drag: whether it goes on, and its cursors.
class COleDropSource : public CCmdTarget
{
    // Construction
public:
    COleDropSource();
    virtual ~COleDropSource();

    // Overridables
public:
    virtual SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState);
    virtual SCODE GiveFeedback(DROPEFFECT dropEffect);
    // Waits until the mouse left the start rectangle (the drag starts) or the button came up or
    // Escape was pressed (it does not); TRUE when it started.
    virtual BOOL OnBeginDrag(CWnd* pWnd);

    // Implementation
public:
    BOOL m_bDragStarted;
    DWORD m_dwButtonCancel;
    DWORD m_dwButtonDrop;
    CRect m_rectStartDrag;
    LPDROPSOURCE GetIDropSource() const;

private:
    CAfxDropSourceImpl* m_pImpl;
};

// A window's drop target; the points the overridables get are in the window's client area.
class COleDropTarget : public CCmdTarget
{
    // Construction
public:
    COleDropTarget();
    virtual ~COleDropTarget();

    // Operations
public:
    BOOL Register(CWnd* pWnd);
    virtual void Revoke();

    // Overridables
public:
    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    // (DROPEFFECT)-1 leaves the drop to OnDrop.
    virtual DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                DROPEFFECT dropList, CPoint point);
    virtual void OnDragLeave(CWnd* pWnd);

    // Attributes
public:
    HWND GetRegisteredHwnd() const { return m_hWnd; }
    LPDROPTARGET GetIDropTarget() const;

    // Implementation
private:
    friend class CAfxDropTargetImpl;
    HWND m_hWnd;
    CAfxDropTargetImpl* m_pImpl;
};

#endif // VELMORA_AFXOLEDRAGDROP_H
