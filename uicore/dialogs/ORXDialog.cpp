// CORXDialog: menu routing through the implementation object, and the background.
#include "ORXDialog.h"

IMPLEMENT_DYNAMIC(CORXDialog, CDialog)

BEGIN_MESSAGE_MAP(CORXDialog, CDialog)
ON_WM_ACTIVATE()
ON_WM_NCACTIVATE()
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CORXDialog::CORXDialog() : m_Impl(*this)
{
    m_hBkgrBitmap = NULL;
    m_nBkgrLocation = BACKGR_TILE;
    m_bAutoDestroyBmp = FALSE;
}

CORXDialog::CORXDialog(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent), m_Impl(*this)
{
    m_hBkgrBitmap = NULL;
    m_nBkgrLocation = BACKGR_TILE;
    m_bAutoDestroyBmp = FALSE;
}

CORXDialog::CORXDialog(LPCTSTR lpszTemplateName, CWnd* pParent)
    : CDialog(lpszTemplateName, pParent), m_Impl(*this)
{
    m_hBkgrBitmap = NULL;
    m_nBkgrLocation = BACKGR_TILE;
    m_bAutoDestroyBmp = FALSE;
}

CORXDialog::~CORXDialog()
{
    DeleteOwnedBitmap();
}

void CORXDialog::DeleteOwnedBitmap()
{
    if (m_bAutoDestroyBmp && m_hBkgrBitmap != NULL)
        ::DeleteObject(m_hBkgrBitmap);
    m_hBkgrBitmap = NULL;
    m_bAutoDestroyBmp = FALSE;
    m_sizeBkgrBitmap = CSize(0, 0);
}

void CORXDialog::SetBackgroundColor(COLORREF color, BOOL bRepaint)
{
    m_brBkgr.DeleteObject();
    if (color != (COLORREF)-1)
        m_brBkgr.CreateSolidBrush(color);
    if (bRepaint && GetSafeHwnd() != NULL)
        Invalidate();
}

void CORXDialog::SetBackgroundImage(HBITMAP hBitmap, int nLocation, BOOL bAutoDestroy, BOOL bRepaint)
{
    if (hBitmap != m_hBkgrBitmap)
        DeleteOwnedBitmap();
    m_hBkgrBitmap = hBitmap;
    m_bAutoDestroyBmp = hBitmap != NULL && bAutoDestroy;
    m_nBkgrLocation = nLocation >= BACKGR_TILE && nLocation <= BACKGR_BOTTOMRIGHT ? nLocation : BACKGR_TILE;
    m_sizeBkgrBitmap = CSize(0, 0);
    BITMAP bmp;
    if (hBitmap != NULL && ::GetObject(hBitmap, sizeof(bmp), &bmp) != 0)
        m_sizeBkgrBitmap = CSize(bmp.bmWidth, bmp.bmHeight);
    if (bRepaint && GetSafeHwnd() != NULL)
        Invalidate();
}

BOOL CORXDialog::SetBackgroundImage(UINT uiBmpResId, int nLocation, BOOL bRepaint)
{
    HBITMAP hBitmap =
        uiBmpResId != 0 ? ::LoadBitmap(AfxGetResourceHandle(), MAKEINTRESOURCE(uiBmpResId)) : NULL;
    SetBackgroundImage(hBitmap, nLocation, TRUE, bRepaint);
    return uiBmpResId == 0 || hBitmap != NULL;
}

BOOL CORXDialog::PreTranslateMessage(MSG* pMsg)
{
    if (m_Impl.PreTranslateMessage(pMsg))
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}

BOOL CORXDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_Impl.ProcessCommand(wParam, lParam))
        return TRUE;
    return CDialog::OnCommand(wParam, lParam);
}

void CORXDialog::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    m_Impl.OnActivate(nState, pWndOther);
    CDialog::OnActivate(nState, pWndOther, bMinimized);
}

BOOL CORXDialog::OnNcActivate(BOOL bActive)
{
    m_Impl.OnNcActivate(bActive);
    return (BOOL)DefWindowProc(WM_NCACTIVATE, bActive, 0L);
}

BOOL CORXDialog::PaintBackground(CDC* pDC, const CRect& rectClient)
{
    if (m_brBkgr.GetSafeHandle() == NULL && m_hBkgrBitmap == NULL)
        return FALSE;
    if (m_brBkgr.GetSafeHandle() != NULL && (m_hBkgrBitmap == NULL || m_nBkgrLocation != BACKGR_TILE))
        pDC->FillRect(rectClient, &m_brBkgr);
    if (m_hBkgrBitmap == NULL || m_sizeBkgrBitmap.cx <= 0 || m_sizeBkgrBitmap.cy <= 0)
        return TRUE;
    if (m_nBkgrLocation == BACKGR_TILE)
    {
        for (int x = rectClient.left; x < rectClient.right; x += m_sizeBkgrBitmap.cx)
            for (int y = rectClient.top; y < rectClient.bottom; y += m_sizeBkgrBitmap.cy)
                pDC->DrawState(CPoint(x, y), m_sizeBkgrBitmap, m_hBkgrBitmap, DST_BITMAP);
        return TRUE;
    }
    CPoint pt = rectClient.TopLeft();
    if (m_nBkgrLocation == BACKGR_TOPRIGHT || m_nBkgrLocation == BACKGR_BOTTOMRIGHT)
        pt.x = rectClient.right - m_sizeBkgrBitmap.cx;
    if (m_nBkgrLocation == BACKGR_BOTTOMLEFT || m_nBkgrLocation == BACKGR_BOTTOMRIGHT)
        pt.y = rectClient.bottom - m_sizeBkgrBitmap.cy;
    pDC->DrawState(pt, m_sizeBkgrBitmap, m_hBkgrBitmap, DST_BITMAP);
    return TRUE;
}

BOOL CORXDialog::OnEraseBkgnd(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(rectClient);
    // Without a brush, what a corner bitmap leaves free is the dialog's own background, in the
    // colour its owner gives dialogs.
    BOOL bTiled = m_hBkgrBitmap != NULL && m_nBkgrLocation == BACKGR_TILE;
    if (m_brBkgr.GetSafeHandle() == NULL && !bTiled)
    {
        BOOL bErased = CDialog::OnEraseBkgnd(pDC);
        if (m_hBkgrBitmap == NULL)
            return bErased;
    }
    PaintBackground(pDC, rectClient);
    return TRUE;
}

HBRUSH CORXDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if ((m_brBkgr.GetSafeHandle() != NULL || m_hBkgrBitmap != NULL) && nCtlColor == CTLCOLOR_STATIC &&
        pWnd != NULL && pWnd->GetSafeHwnd() != NULL)
    {
        char szClass[16] = {};
        ::GetClassNameA(pWnd->GetSafeHwnd(), szClass, sizeof(szClass));
        if (lstrcmpiA(szClass, "Static") == 0 || lstrcmpiA(szClass, "Button") == 0)
        {
            pDC->SetBkMode(TRANSPARENT);
            return (HBRUSH)::GetStockObject(NULL_BRUSH);
        }
    }
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CORXDialog::OnDestroy()
{
    DeleteOwnedBitmap();
    m_Impl.OnDestroy();
    CDialog::OnDestroy();
}
