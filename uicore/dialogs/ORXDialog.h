// CORXDialog: the framework's dialog base: runs the framework's pop-up menus opened from it and can
// paint a background brush or bitmap.
#ifndef VELMORA_ORXDIALOG_H
#define VELMORA_ORXDIALOG_H

#include <afxwin.h>

#include "ORXDialogImpl.h"

class CORXDialog : public CDialog, public CORXDialogImplHolder
{
    DECLARE_DYNAMIC(CORXDialog)

public:
    CORXDialog();
    explicit CORXDialog(UINT nIDTemplate, CWnd* pParent = NULL);
    explicit CORXDialog(LPCTSTR lpszTemplateName, CWnd* pParent = NULL);
    virtual ~CORXDialog();

    // Where the background bitmap goes.
    enum BackgroundLocation
    {
        BACKGR_TILE = 0,
        BACKGR_TOPLEFT = 1,
        BACKGR_TOPRIGHT = 2,
        BACKGR_BOTTOMLEFT = 3,
        BACKGR_BOTTOMRIGHT = 4
    };

    // The background: a colour (-1 none), a brush handle the caller keeps, or a bitmap that the
    // dialog deletes when it goes if it is told to own it.
    void SetBackgroundColor(COLORREF color, BOOL bRepaint = TRUE);
    void SetBackgroundImage(HBITMAP hBitmap, int nLocation = BACKGR_TILE, BOOL bAutoDestroy = TRUE,
                            BOOL bRepaint = TRUE);
    BOOL SetBackgroundImage(UINT uiBmpResId, int nLocation = BACKGR_TILE, BOOL bRepaint = TRUE);
    HBITMAP GetBackgroundImage() const { return m_hBkgrBitmap; }
    int GetBackgroundLocation() const { return m_nBkgrLocation; }

    // The pop-up menu calls it with the menu opened from the dialog.
    void SetActiveMenu(CORXPopupMenu* pMenu) { m_Impl.SetActiveMenu(pMenu); }
    virtual CORXDialogImpl& GetDialogImpl() override { return m_Impl; }

    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // Paints the brush and the bitmap into a DC of the client area's size (the brush not under a
    // tiled bitmap); FALSE when there is neither.
    BOOL PaintBackground(CDC* pDC, const CRect& rectClient);
    void DeleteOwnedBitmap();

    HBITMAP m_hBkgrBitmap;
    CSize m_sizeBkgrBitmap;
    CBrush m_brBkgr;
    int m_nBkgrLocation;
    BOOL m_bAutoDestroyBmp;
    CORXDialogImpl m_Impl;

    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXDIALOG_H
