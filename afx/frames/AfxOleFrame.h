// The in-place frames and the documents of embedded items. No object is ever activated in place
// by a server here: an item's activation is a change of its state, and an in-place frame is an
// ordinary frame that hears of its activation and deactivation through WM_ACTIVATE.
#ifndef VELMORA_AFXOLEFRAME_H
#define VELMORA_AFXOLEFRAME_H

#include "afx.h"
#include "afxcoll.h"
#include "AfxCmdTarget.h"

class COleDocument;

// An item that a COleDocument holds.
class CDocItem : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocItem)
public:
    CDocItem();
    virtual ~CDocItem();
    COleDocument* GetDocument() const { return m_pDocument; }

    COleDocument* m_pDocument;
};

class COleClientItem : public CDocItem
{
    DECLARE_DYNAMIC(COleClientItem)
public:
    enum ItemState
    {
        emptyState,
        loadedState,
        openState,
        activeState,   // active in place
        activeUIState, // active in place with its own window and tools
    };

    // The item joins the document (when one is given).
    explicit COleClientItem(COleDocument* pContainerDoc = NULL);
    virtual ~COleClientItem();

    // Attributes
    UINT GetItemState() const { return m_nItemState; }
    BOOL IsInPlaceActive() const { return m_nItemState == activeState || m_nItemState == activeUIState; }
    // The view the item is active in, NULL when it is not active in place.
    CView* GetActiveView() const { return m_pView; }
    // The item's own window while it is UI-active, else NULL.
    CWnd* GetInPlaceWindow();

    // Operations
    // Activation in place in pView; hWndInPlace is the window it works in (NULL: none, the item is
    // then active without being UI-active).
    virtual void Activate(LONG nVerb, CView* pView, HWND hWndInPlace = NULL);
    // Leaves UI activity (the item stays active in place) or activation altogether.
    virtual void DeactivateUI();
    virtual void Deactivate();

    // Implementation
    UINT m_nItemState;
    CView* m_pView;
    HWND m_hWndServer;
};

// A document that holds embedded items.
class COleDocument : public CDocument
{
    DECLARE_DYNAMIC(COleDocument)
public:
    COleDocument();
    virtual ~COleDocument();

    virtual void AddItem(CDocItem* pItem);
    virtual void RemoveItem(CDocItem* pItem);
    POSITION GetStartPosition() const { return m_docItemList.GetHeadPosition(); }
    CDocItem* GetNextItem(POSITION& pos) const { return (CDocItem*)m_docItemList.GetNext(pos); }
    // The next item that is a COleClientItem, NULL at the end.
    COleClientItem* GetNextClientItem(POSITION& pos) const;
    // The item active in place in the view (or window) given, NULL when none.
    virtual COleClientItem* GetInPlaceActiveItem(CWnd* pWnd);
    virtual void DeleteContents();

    CPtrList m_docItemList; // CDocItem*, owned
};

// The frame an embedded object's server shows around the object while it is active in place.
class COleIPFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(COleIPFrameWnd)
public:
    COleIPFrameWnd();
    virtual ~COleIPFrameWnd();
    // TRUE while the frame is the active one (between WM_ACTIVATE and its WA_INACTIVE).
    BOOL IsActivated() const { return m_bActivated; }

    BOOL m_bActivated;

protected:
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    DECLARE_MESSAGE_MAP()
};

// The in-place frame of a document server (a document that is itself a window's content).
class COleDocIPFrameWnd : public COleIPFrameWnd
{
    DECLARE_DYNCREATE(COleDocIPFrameWnd)
public:
    COleDocIPFrameWnd();
    virtual ~COleDocIPFrameWnd();
};

#endif // VELMORA_AFXOLEFRAME_H
