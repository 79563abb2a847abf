// CORXToolBar: buttons dragged between bars in customise mode (drop source, drop target and the
// insertion marker) and the commands of the customise context menu.
#include "ORXToolBar.h"

#include "ORXExtrasHooks.h"
#include "ORXServices.h"
#include "uicore/uicore_res.h"

#include <afxole.h>

// The cursors of a button drag: over no bar (the button goes), moving, copying.
#define IDC_ORX_DELETE_CURSOR 16133
#define IDC_ORX_MOVE_CURSOR   16146
#define IDC_ORX_COPY_CURSOR   16004

class CORXToolbarDropSource : public COleDropSource
{
public:
    CORXToolbarDropSource()
        : m_hcurDelete(NULL), m_hcurMove(NULL), m_hcurCopy(NULL), m_bDeleteOnDrop(TRUE),
          m_bEscapePressed(FALSE), m_bDragBegan(FALSE), m_bCursorsLoaded(FALSE)
    {
    }

    virtual BOOL OnBeginDrag(CWnd* pWnd)
    {
        if (!m_bCursorsLoaded)
        {
            HINSTANCE hInst = AfxGetResourceHandle();
            m_hcurDelete = ::LoadCursor(hInst, MAKEINTRESOURCE(IDC_ORX_DELETE_CURSOR));
            m_hcurMove = ::LoadCursor(hInst, MAKEINTRESOURCE(IDC_ORX_MOVE_CURSOR));
            m_hcurCopy = ::LoadCursor(hInst, MAKEINTRESOURCE(IDC_ORX_COPY_CURSOR));
            m_bCursorsLoaded = TRUE;
        }
        m_bDragBegan = TRUE;
        return COleDropSource::OnBeginDrag(pWnd);
    }
    virtual SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
    {
        m_bEscapePressed = bEscapePressed;
        if (m_bDeleteOnDrop && m_hcurDelete != NULL)
            ::SetCursor(m_hcurDelete);
        return COleDropSource::QueryContinueDrag(bEscapePressed, dwKeyState);
    }
    virtual SCODE GiveFeedback(DROPEFFECT dropEffect)
    {
        HCURSOR hCursor = m_hcurDelete;
        if (dropEffect == DROPEFFECT_COPY)
            hCursor = m_hcurCopy;
        else if (dropEffect == DROPEFFECT_MOVE)
            hCursor = m_hcurMove;
        if (hCursor == NULL)
            return COleDropSource::GiveFeedback(dropEffect);
        ::SetCursor(hCursor);
        return S_OK;
    }

    HCURSOR m_hcurDelete;
    HCURSOR m_hcurMove;
    HCURSOR m_hcurCopy;
    BOOL m_bDeleteOnDrop; // the cursor is over no bar
    BOOL m_bEscapePressed;
    BOOL m_bDragBegan;

private:
    BOOL m_bCursorsLoaded;
};

class CORXToolBarDropTarget : public COleDropTarget
{
public:
    explicit CORXToolBarDropTarget(CORXToolBar* pOwner) : m_pOwner(pOwner) {}

    virtual DROPEFFECT OnDragEnter(CWnd*, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
    {
        if (!Accepts(pDataObject))
            return DROPEFFECT_NONE;
        return m_pOwner->OnDragEnter(pDataObject, dwKeyState, point);
    }
    virtual DROPEFFECT OnDragOver(CWnd*, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
    {
        if (!Accepts(pDataObject))
            return DROPEFFECT_NONE;
        return m_pOwner->OnDragOver(pDataObject, dwKeyState, point);
    }
    virtual void OnDragLeave(CWnd*)
    {
        if (CORXToolBar::IsCustomizeMode())
            m_pOwner->OnDragLeave();
    }
    virtual BOOL OnDrop(CWnd*, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point)
    {
        if (!Accepts(pDataObject))
            return FALSE;
        return m_pOwner->OnDrop(pDataObject, dropEffect, point);
    }

private:
    static BOOL Accepts(COleDataObject* pDataObject)
    {
        return CORXToolBar::IsCustomizeMode() && pDataObject != NULL &&
               pDataObject->IsDataAvailable(CORXToolbarButton::GetClipboardFormat());
    }
    CORXToolBar* m_pOwner;
};

CORXToolbarDropSource& CORXToolBar::GetDropSource()
{
    static CORXToolbarDropSource source;
    return source;
}

COleDropSource* CORXToolBar::GetButtonDropSource()
{
    return &GetDropSource();
}

void CORXToolBar::RegisterDropTarget()
{
    if (m_pDropTarget == NULL)
        m_pDropTarget = new CORXToolBarDropTarget(this);
    if (m_pDropTarget->GetRegisteredHwnd() == NULL)
        m_pDropTarget->Register(this);
}

void CORXToolBar::RevokeDropTarget()
{
    if (m_pDropTarget != NULL)
        m_pDropTarget->Revoke();
}

void CORXToolBar::DeleteDropTarget()
{
    delete m_pDropTarget;
    m_pDropTarget = NULL;
}

/////////////////////////////////////////////////////////////////////////////
// The dragging bar

void CORXToolBar::DragButton(int iButton, CPoint point, UINT nFlags)
{
    CORXToolbarButton* pButton = GetButton(iButton);
    if (pButton == NULL)
        return;
    COleDataSource source;
    pButton->m_bDragFromCollection = TRUE;
    BOOL bPrepared = pButton->PrepareDrag(source);
    pButton->m_bDragFromCollection = FALSE;
    if (!bPrepared)
        return;

    m_pDragButton = pButton;
    m_ptStartDrag = point;
    m_bIsDragCopy = (nFlags & MK_CONTROL) != 0;
    CORXToolbarDropSource& dropSource = GetDropSource();
    dropSource.m_bDragBegan = FALSE;
    dropSource.m_bDeleteOnDrop = TRUE;
    dropSource.m_bEscapePressed = FALSE;

    // The bar holds the mouse until the drag starts, so that leaving the start rectangle is seen.
    SetCapture();
    DROPEFFECT dropEffect = source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, NULL, &dropSource);
    if (GetCapture() == this)
        ReleaseCapture();
    if (GetSafeHwnd() == NULL)
        return;

    // A drop on this bar took the drag state and did the move itself.
    BOOL bTakenHere = m_pDragButton == NULL;
    m_pDragButton = NULL;
    m_ptStartDrag = CPoint(-1, -1);

    // The drag ran a loop of its own: the button may have moved or gone meanwhile.
    int iNow = GetButton(iButton) == pButton ? iButton : ButtonToIndex(pButton);
    if (bTakenHere || iNow < 0)
    {
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
        return;
    }

    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    CRect rectBar;
    GetWindowRect(&rectBar);
    if (!dropSource.m_bDragBegan || rectBar.PtInRect(ptCursor))
    {
        m_iHighlighted = iNow;
        InvalidateButton(iNow);
        UpdateWindow();
    }
    else if (dropEffect == DROPEFFECT_COPY || dropSource.m_bEscapePressed)
    {
        InvalidateButton(iNow);
        UpdateWindow();
    }
    else
    {
        RemoveButton(iNow);
        m_iSelected = -1;
        AdjustLayout();
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
    }
}

/////////////////////////////////////////////////////////////////////////////
// The bar under a drag

DROPEFFECT CORXToolBar::OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    m_iDragIndex = -1;
    GetDropSource().m_bDeleteOnDrop = FALSE;
    return OnDragOver(pDataObject, dwKeyState, point);
}

void CORXToolBar::OnDragLeave()
{
    CRect rectOld = m_rectDrag;
    rectOld.InflateRect(2, 2);
    InvalidateRect(rectOld);
    m_rectDrag.SetRectEmpty();
    m_iDragIndex = -1;
    GetDropSource().m_bDeleteOnDrop = TRUE;
    UpdateWindow();
}

DROPEFFECT CORXToolBar::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    if (m_bLocked)
        return DROPEFFECT_NONE;
    CORXToolbarButton* pButton = CORXToolbarButton::CreateFromOleData(pDataObject);
    if (pButton == NULL)
        return DROPEFFECT_NONE;
    BOOL bAllowed = pButton->CanBeDropped(this);
    delete pButton;
    if (!bAllowed)
        return DROPEFFECT_NONE;

    BOOL bCopy = (dwKeyState & MK_CONTROL) != 0;
    m_bIsDragCopy = bCopy;
    if (m_pDragButton == NULL && m_iSelected >= 0)
    {
        int iOld = m_iSelected;
        m_iSelected = -1;
        InvalidateButton(iOld);
    }

    CRect rectNew;
    int iIndex = FindDropIndex(point, rectNew);
    if (rectNew != m_rectDrag)
    {
        CRect rectOld = m_rectDrag;
        rectOld.InflateRect(2, 2);
        InvalidateRect(rectOld);
        m_rectDrag = rectNew;
        CRect rectInv = rectNew;
        rectInv.InflateRect(2, 2);
        InvalidateRect(rectInv);
    }
    m_iDragIndex = iIndex;

    int iHit = HitTest(point);
    if (iHit != m_iHighlighted)
    {
        int iOld = m_iHighlighted;
        m_iHighlighted = iHit;
        InvalidateButton(iOld);
        InvalidateButton(iHit);
    }
    UpdateWindow();
    if (iIndex < 0)
        return DROPEFFECT_NONE;
    return bCopy ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

int CORXToolBar::FindDropIndex(const CPoint point, CRect& rectDrag) const
{
    rectDrag.SetRectEmpty();
    CRect rectClient;
    GetClientRect(&rectClient);
    int nCount = GetCount();
    int nPlain = nCount - (m_pCustomizeBtn != NULL ? 1 : 0);
    if (nPlain <= 0)
    {
        rectDrag = rectClient;
        return 0;
    }

    BOOL bHorz = IsHorizontal();
    int iIndex = -1;
    int nEdge = 0;
    CRect rectRow(0, 0, 0, 0);
    int iLastInRow = -1;
    for (int i = 0; i < nPlain && iIndex < 0; i++)
    {
        CORXToolbarButton* pButton = GetButton(i);
        if (pButton->IsHidden())
            continue;
        CRect rect = pButton->Rect();
        if (!bHorz)
        {
            if (point.y < rect.top)
            {
                iIndex = i;
                nEdge = rect.top;
            }
            else if (point.y < rect.bottom)
            {
                BOOL bBefore = point.y - rect.top < rect.bottom - point.y;
                iIndex = bBefore ? i : i + 1;
                nEdge = bBefore ? rect.top : rect.bottom;
            }
            rectRow = rect;
            continue;
        }
        if (point.y < rect.top || point.y >= rect.bottom)
            continue;
        rectRow = rect;
        iLastInRow = i;
        if (point.x < rect.left)
        {
            iIndex = i;
            nEdge = rect.left;
        }
        else if (point.x < rect.right)
        {
            BOOL bBefore = point.x - rect.left < rect.right - point.x;
            iIndex = bBefore ? i : i + 1;
            nEdge = bBefore ? rect.left : rect.right;
        }
    }
    if (iIndex < 0 && bHorz && iLastInRow >= 0)
    {
        iIndex = iLastInRow + 1;
        nEdge = GetButton(iLastInRow)->Rect().right;
    }
    if (iIndex < 0)
        return -1;
    if (iIndex == nCount && m_pCustomizeBtn != NULL)
        iIndex = nCount - 1;

    if (bHorz)
        rectDrag.SetRect(nEdge - 3, rectRow.top, nEdge + 3, rectRow.bottom);
    else
        rectDrag.SetRect(rectRow.left, nEdge - 3, rectRow.right, nEdge + 3);
    if (rectDrag.left < rectClient.left)
        rectDrag.OffsetRect(rectClient.left - rectDrag.left, 0);
    if (rectDrag.right > rectClient.right)
        rectDrag.OffsetRect(rectClient.right - rectDrag.right, 0);
    if (rectDrag.top < rectClient.top)
        rectDrag.OffsetRect(0, rectClient.top - rectDrag.top);
    if (rectDrag.bottom > rectClient.bottom)
        rectDrag.OffsetRect(0, rectClient.bottom - rectDrag.bottom);
    return iIndex;
}

CORXToolbarButton* CORXToolBar::CreateDroppedButton(COleDataObject* pDataObject)
{
    CORXToolbarButton* pButton = CORXToolbarButton::CreateFromOleData(pDataObject);
    if (pButton == NULL)
        return NULL;
    int iTab = pButton->m_strText.Find(_T('\t'));
    if (iTab >= 0)
        pButton->m_strText = pButton->m_strText.Left(iTab);
    if (!pButton->m_bDragFromCollection)
    {
        pButton->m_bText = FALSE;
        pButton->m_bImage = TRUE;
    }
    else if (pButton->GetImage() == -1 && pButton->m_strText.IsEmpty() &&
             CORXServices::Find<CORXButtonAppearance>() != NULL)
    {
        if (RunButtonAppearance(pButton, FALSE) != IDOK)
        {
            delete pButton;
            return NULL;
        }
    }
    if (pButton->GetImage() < 0)
    {
        pButton->m_bText = TRUE;
        pButton->m_bImage = FALSE;
    }
    return pButton;
}

BOOL CORXToolBar::OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point)
{
    if (m_iDragIndex < 0)
        return FALSE;
    int iDropIndex = m_iDragIndex;
    CORXToolbarButton* pDragButton = m_pDragButton;
    CPoint ptStart = m_ptStartDrag;
    m_pDragButton = NULL;
    m_ptStartDrag = CPoint(-1, -1);
    OnDragLeave();

    CORXToolbarButton* pButton = CreateDroppedButton(pDataObject);
    if (pButton == NULL)
        return FALSE;
    pButton->m_bDragFromCollection = FALSE;

    if (pDragButton != NULL && dropEffect != DROPEFFECT_COPY)
    {
        int iOld = ButtonToIndex(pDragButton);
        if (iOld >= 0 && (iDropIndex == iOld || iDropIndex == iOld + 1))
        {
            delete pButton;
            AdjustSeparatorOnMove(iOld, ptStart, point);
            return TRUE;
        }
        if (iOld >= 0)
        {
            int nBefore = GetCount();
            RemoveButton(iOld);
            // Removing a button may take a separator beside it too.
            if (iOld < iDropIndex)
                iDropIndex -= nBefore - GetCount();
            if (iDropIndex < 0)
                iDropIndex = 0;
            if (iDropIndex > GetCount())
                iDropIndex = GetCount();
        }
    }
    if (InsertButton(pButton, iDropIndex) < 0)
    {
        delete pButton;
        return FALSE;
    }
    AdjustLayout();
    if (m_bAltCustomizeMode)
        pButton->OnAfterAltDrag();
    m_iSelected = -1;
    m_iHighlighted = -1;
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
    return TRUE;
}

void CORXToolBar::AdjustSeparatorOnMove(int iButton, CPoint ptStart, CPoint ptDrop)
{
    if (iButton > 0 && ptStart.x >= 0)
    {
        int nDelta = IsHorizontal() ? ptDrop.x - ptStart.x : ptDrop.y - ptStart.y;
        CORXToolbarButton* pPrev = GetButton(iButton - 1);
        BOOL bPrevSeparator = pPrev != NULL && (pPrev->m_nStyle & TBBS_SEPARATOR) != 0;
        if (nDelta <= -6 && bPrevSeparator)
            RemoveButton(iButton - 1);
        else if (nDelta >= 6 && !bPrevSeparator)
            InsertSeparator(iButton);
    }
    AdjustLayout();
    m_iSelected = -1;
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
}

/////////////////////////////////////////////////////////////////////////////
// The customise context menu

BOOL CORXToolBar::EnableContextMenuItems(CORXToolbarButton* pButton, CMenu* pPopup)
{
    if (pButton == NULL || pPopup == NULL)
        return FALSE;
    if (pButton->OnCustomizeMenu(pPopup))
        return TRUE;
    const UINT nGrey = MF_BYCOMMAND | MF_GRAYED;
    if (!pButton->m_bImage || pButton->GetImage() < 0)
        pPopup->EnableMenuItem(ID_ORX_TOOLBAR_COPY_IMAGE, nGrey);
    if (pButton->m_nID == 0 || pButton->m_nID == (UINT)-1)
        pPopup->EnableMenuItem(ID_ORX_TOOLBAR_RESET, nGrey);

    BOOL bHorzTextBelow = pButton->m_bTextBelow && IsHorizontal();
    BOOL bText = pButton->m_bText || bHorzTextBelow;
    UINT nCheck = ID_ORX_TOOLBAR_IMAGE;
    if (bText && pButton->m_bImage)
        nCheck = ID_ORX_TOOLBAR_IMAGE_AND_TEXT;
    else if (bText)
        nCheck = ID_ORX_TOOLBAR_TEXT;
    pPopup->CheckMenuItem(nCheck, MF_BYCOMMAND | MF_CHECKED);
    if (bHorzTextBelow)
        pPopup->EnableMenuItem(ID_ORX_TOOLBAR_IMAGE, nGrey);
    if (IsMenuMode())
    {
        pPopup->EnableMenuItem(ID_ORX_TOOLBAR_IMAGE, nGrey);
        pPopup->EnableMenuItem(ID_ORX_TOOLBAR_TEXT, nGrey);
        pPopup->EnableMenuItem(ID_ORX_TOOLBAR_IMAGE_AND_TEXT, nGrey);
        pButton->m_bText = TRUE;
    }

    int iButton = ButtonToIndex(pButton);
    if (iButton <= 0)
        pPopup->EnableMenuItem(ID_ORX_TOOLBAR_START_GROUP, nGrey);
    else
    {
        CORXToolbarButton* pPrev = GetButton(iButton - 1);
        if (pPrev != NULL && (pPrev->m_nStyle & TBBS_SEPARATOR))
            pPopup->CheckMenuItem(ID_ORX_TOOLBAR_START_GROUP, MF_BYCOMMAND | MF_CHECKED);
    }
    return TRUE;
}

CORXToolbarButton* CORXToolBar::GetCustomizeSelection() const
{
    if (!m_bCustomizeMode)
        return NULL;
    return GetButton(m_iSelected);
}

void CORXToolBar::AfterCustomizeCommand()
{
    AdjustLayout();
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
}

void CORXToolBar::OnToolbarReset()
{
    CORXToolbarButton* pButton = GetCustomizeSelection();
    if (pButton == NULL)
        return;
    pButton->ResetImageToDefault();
    AfterCustomizeCommand();
}

void CORXToolBar::OnToolbarCopyImage()
{
    CORXToolbarButton* pButton = GetCustomizeSelection();
    if (pButton == NULL)
        return;
    // A user tool's image is its icon (the tool tells of a failure itself).
    CORXUserToolsLink* pTools = CORXServices::Find<CORXUserToolsLink>();
    if (pTools != NULL && pTools->IsUserToolCmd(pButton->m_nID))
    {
        pTools->CopyToolIcon(pButton->m_nID);
        return;
    }
    if (pButton->GetImage() < 0)
        return;
    CORXToolbarImageList* pImages =
        pButton->m_bUserButton ? m_pUserImages : (m_bLocked ? &m_ImagesLocked : &GetImages());
    if (pImages == NULL || !pImages->CopyImageToClipboard(pButton->GetImage()))
        ::MessageBeep((UINT)-1);
}

void CORXToolBar::OnToolbarDelete()
{
    if (GetCustomizeSelection() == NULL)
        return;
    RemoveButton(m_iSelected);
    m_iSelected = -1;
    AfterCustomizeCommand();
}

void CORXToolBar::OnToolbarAppearance()
{
    CORXToolbarButton* pButton = GetCustomizeSelection();
    if (pButton == NULL || CORXServices::Find<CORXButtonAppearance>() == NULL)
        return;
    if (pButton->m_strText.IsEmpty())
        OnSetDefaultButtonText(pButton);
    if (RunButtonAppearance(pButton, TRUE) == IDOK)
        AfterCustomizeCommand();
}

INT_PTR CORXToolBar::RunButtonAppearance(CORXToolbarButton* pButton, BOOL bExisting)
{
    CORXButtonAppearance* pAppearance = CORXServices::Find<CORXButtonAppearance>();
    if (pAppearance == NULL || pButton == NULL)
        return IDCANCEL;
    // With text editing locked a button keeps the text it has; a new one takes what it is given.
    CString strText = pButton->m_strText;
    INT_PTR nResult = pAppearance->DoButtonAppearance(pButton, m_pUserImages, this, 0, IsMenuMode(pButton));
    if (nResult == IDOK && bExisting && m_bLockTextEdit)
        pButton->m_strText = strText;
    return nResult;
}

void CORXToolBar::OnToolbarImage()
{
    CORXToolbarButton* pButton = GetCustomizeSelection();
    if (pButton == NULL)
        return;
    if (!GiveButtonImage(pButton, FALSE))
        return;
    pButton->m_bText = FALSE;
    pButton->m_bImage = TRUE;
    AfterCustomizeCommand();
}

// A button shown with its image needs one: without an image only the appearance dialog can give
// one (shown with the flags asked for); when it does not, the button keeps its flags and a beep
// answers.
BOOL CORXToolBar::GiveButtonImage(CORXToolbarButton* pButton, BOOL bText)
{
    if (pButton->GetImage() >= 0)
        return TRUE;
    BOOL bOldText = pButton->m_bText;
    BOOL bOldImage = pButton->m_bImage;
    pButton->m_bText = bText;
    pButton->m_bImage = TRUE;
    if (RunButtonAppearance(pButton, TRUE) == IDOK)
        return TRUE;
    pButton->m_bText = bOldText;
    pButton->m_bImage = bOldImage;
    ::MessageBeep((UINT)-1);
    return FALSE;
}

// A button shown with its text needs one: the default text when it has none; a beep when there is
// none either.
BOOL CORXToolBar::GiveButtonText(CORXToolbarButton* pButton)
{
    if (pButton->m_strText.IsEmpty())
        OnSetDefaultButtonText(pButton);
    if (!pButton->m_strText.IsEmpty())
        return TRUE;
    ::MessageBeep((UINT)-1);
    return FALSE;
}

void CORXToolBar::OnToolbarText()
{
    CORXToolbarButton* pButton = GetCustomizeSelection();
    if (pButton == NULL)
        return;
    if (!GiveButtonText(pButton))
        return;
    pButton->m_bText = TRUE;
    pButton->m_bImage = FALSE;
    AfterCustomizeCommand();
}

void CORXToolBar::OnToolbarImageAndText()
{
    CORXToolbarButton* pButton = GetCustomizeSelection();
    if (pButton == NULL)
        return;
    if (!GiveButtonImage(pButton, TRUE) || !GiveButtonText(pButton))
        return;
    pButton->m_bText = TRUE;
    pButton->m_bImage = TRUE;
    AfterCustomizeCommand();
}

void CORXToolBar::OnToolbarStartGroup()
{
    CORXToolbarButton* pButton = GetCustomizeSelection();
    if (pButton == NULL || m_iSelected <= 0)
        return;
    CORXToolbarButton* pPrev = GetButton(m_iSelected - 1);
    if (pPrev != NULL && (pPrev->m_nStyle & TBBS_SEPARATOR))
        RemoveButton(m_iSelected - 1);
    else if (InsertSeparator(m_iSelected) >= 0)
        m_iSelected++;
    m_iSelected = ButtonToIndex(pButton);
    AfterCustomizeCommand();
}

void CORXToolBar::OnToolbarNewMenu()
{
    // A new menu button is made only through the appearance dialog; the menu buttons live with
    // the menus, which offer their maker.
    CORXMenuButtonMaker* pMaker = CORXServices::Find<CORXMenuButtonMaker>();
    CORXToolbarButton* pButton = pMaker != NULL ? pMaker->CreateMenuButton() : NULL;
    CORXButtonAppearance* pAppearance = CORXServices::Find<CORXButtonAppearance>();
    if (pAppearance == NULL || pButton == NULL)
    {
        delete pButton;
        ::MessageBeep((UINT)-1);
        return;
    }
    pButton->m_bText = TRUE;
    pButton->m_bImage = FALSE;
    if (RunButtonAppearance(pButton, FALSE) != IDOK)
    {
        delete pButton;
        return;
    }
    int iIndex = InsertButton(pButton, m_iSelected >= 0 ? m_iSelected : -1);
    if (iIndex < 0)
    {
        delete pButton;
        return;
    }
    m_iSelected = iIndex;
    m_pSelToolbar = this;
    AdjustLayout();
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
    pButton->OnClick(this, FALSE);
}
