// Embedded items, their documents and the in-place frames.
#include "afxwin.h"

#include "AfxOleFrame.h"

IMPLEMENT_DYNAMIC(CDocItem, CCmdTarget)
IMPLEMENT_DYNAMIC(COleClientItem, CDocItem)
IMPLEMENT_DYNAMIC(COleDocument, CDocument)
IMPLEMENT_DYNCREATE(COleIPFrameWnd, CFrameWnd)
IMPLEMENT_DYNCREATE(COleDocIPFrameWnd, COleIPFrameWnd)

CDocItem::CDocItem() : m_pDocument(NULL) {}

CDocItem::~CDocItem()
{
    if (m_pDocument != NULL)
        m_pDocument->RemoveItem(this);
}

COleClientItem::COleClientItem(COleDocument* pContainerDoc)
    : m_nItemState(emptyState), m_pView(NULL), m_hWndServer(NULL)
{
    if (pContainerDoc != NULL)
    {
        pContainerDoc->AddItem(this);
        m_nItemState = loadedState;
    }
}

COleClientItem::~COleClientItem() {}

CWnd* COleClientItem::GetInPlaceWindow()
{
    if (m_nItemState != activeUIState || m_hWndServer == NULL || !::IsWindow(m_hWndServer))
        return NULL;
    return CWnd::FromHandle(m_hWndServer);
}

void COleClientItem::Activate(LONG, CView* pView, HWND hWndInPlace)
{
    m_pView = pView;
    m_hWndServer = hWndInPlace;
    m_nItemState = hWndInPlace != NULL ? activeUIState : activeState;
}

void COleClientItem::DeactivateUI()
{
    if (m_nItemState == activeUIState)
        m_nItemState = activeState;
    m_hWndServer = NULL;
}

void COleClientItem::Deactivate()
{
    DeactivateUI();
    if (IsInPlaceActive())
        m_nItemState = loadedState;
    m_pView = NULL;
}

COleDocument::COleDocument() {}

COleDocument::~COleDocument()
{
    DeleteContents();
}

void COleDocument::AddItem(CDocItem* pItem)
{
    if (pItem == NULL || m_docItemList.Find(pItem) != NULL)
        return;
    if (pItem->m_pDocument != NULL && pItem->m_pDocument != this)
        pItem->m_pDocument->RemoveItem(pItem);
    m_docItemList.AddTail(pItem);
    pItem->m_pDocument = this;
}

void COleDocument::RemoveItem(CDocItem* pItem)
{
    POSITION pos = pItem != NULL ? m_docItemList.Find(pItem) : NULL;
    if (pos == NULL)
        return;
    m_docItemList.RemoveAt(pos);
    pItem->m_pDocument = NULL;
}

COleClientItem* COleDocument::GetNextClientItem(POSITION& pos) const
{
    while (pos != NULL)
    {
        COleClientItem* pItem = DYNAMIC_DOWNCAST(COleClientItem, GetNextItem(pos));
        if (pItem != NULL)
            return pItem;
    }
    return NULL;
}

COleClientItem* COleDocument::GetInPlaceActiveItem(CWnd* pWnd)
{
    for (POSITION pos = GetStartPosition(); pos != NULL;)
    {
        COleClientItem* pItem = GetNextClientItem(pos);
        if (pItem != NULL && pItem->IsInPlaceActive() && (pWnd == NULL || (CWnd*)pItem->m_pView == pWnd))
            return pItem;
    }
    return NULL;
}

void COleDocument::DeleteContents()
{
    // Each item leaves the list as it is deleted.
    while (!m_docItemList.IsEmpty())
    {
        CDocItem* pItem = (CDocItem*)m_docItemList.GetHead();
        delete pItem;
        if (!m_docItemList.IsEmpty() && m_docItemList.GetHead() == pItem)
            m_docItemList.RemoveHead();
    }
}

BEGIN_MESSAGE_MAP(COleIPFrameWnd, CFrameWnd)
ON_WM_ACTIVATE()
END_MESSAGE_MAP()

COleIPFrameWnd::COleIPFrameWnd() : m_bActivated(FALSE) {}

COleIPFrameWnd::~COleIPFrameWnd() {}

void COleIPFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    m_bActivated = nState != WA_INACTIVE;
    CFrameWnd::OnActivate(nState, pWndOther, bMinimized);
}

COleDocIPFrameWnd::COleDocIPFrameWnd() {}

COleDocIPFrameWnd::~COleDocIPFrameWnd() {}
