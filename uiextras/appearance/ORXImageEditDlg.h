// CORXImageEditDlg: the Edit Button Image dialog, which draws on one small bitmap in place with the
// paint area, a tool palette and a colour bar, shows it at real size and exchanges it with the
// clipboard.
#ifndef VELMORA_ORXIMAGEEDITDLG_H
#define VELMORA_ORXIMAGEEDITDLG_H

#include <afxwin.h>
#include <afxext.h>

#include "ORXColorBar.h"
#include "ORXImagePaintArea.h"
#include "ORXToolBar.h"

// The editor's tool palette: a plain framework tool bar that the dialog owns. Its commands and
// their update handlers are the dialog's, not a frame's.
class CORXImageEditTools : public CORXToolBar
{
public:
    CORXImageEditTools() { m_bFrameTarget = FALSE; }
    virtual ~CORXImageEditTools() {}
};

class CORXImageEditDlg : public CDialog
{
    // Construction
public:
    // The bitmap is changed in place; nBitsPerPixel -1 takes the bitmap's own depth.
    CORXImageEditDlg(CBitmap* pBitmap, CWnd* pParent = NULL, int nBitsPerPixel = -1);
    virtual ~CORXImageEditDlg();

    enum
    {
        IDD = 16133
    };

    // Operations
public:
    // The colour picked from the image becomes the colour of the bar and the paint area; the tool
    // goes back to the pencil.
    void OnPickColor(COLORREF color);
    // The clipboard's bitmap centred on a face-coloured image (cut at the right and bottom when it
    // is larger); FALSE, the image untouched, when the clipboard holds no readable bitmap.
    BOOL PasteFromClipboard();
    BOOL CopyToClipboard();
    void ClearImage();

    // Attributes
public:
    CORXImagePaintArea& GetPaintArea() { return m_wndLargeDrawArea; }
    CORXColorBar& GetColorBar() { return m_wndColorBar; }
    CORXToolBar& GetTools() { return m_wndPaletteBar; }

    // Implementation
protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();

    // Draws a bitmap centred on the image filled with the button face; FALSE when nothing was drawn.
    BOOL PlaceBitmap(HBITMAP hbmSource);
    void RedrawImage();

    afx_msg void OnPaint();
    afx_msg void OnColors();
    afx_msg void OnToolPencil();
    afx_msg void OnToolFill();
    afx_msg void OnToolLine();
    afx_msg void OnToolRect();
    afx_msg void OnToolEllipse();
    afx_msg void OnToolPick();
    afx_msg void OnToolClear();
    afx_msg void OnToolCopy();
    afx_msg void OnToolPaste();
    afx_msg void OnUpdateToolPencil(CCmdUI* pCmdUI);
    afx_msg void OnUpdateToolFill(CCmdUI* pCmdUI);
    afx_msg void OnUpdateToolLine(CCmdUI* pCmdUI);
    afx_msg void OnUpdateToolRect(CCmdUI* pCmdUI);
    afx_msg void OnUpdateToolEllipse(CCmdUI* pCmdUI);
    afx_msg void OnUpdateToolPick(CCmdUI* pCmdUI);
    afx_msg void OnUpdateToolPaste(CCmdUI* pCmdUI);
    afx_msg LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CStatic m_wndColorPickerLocation;
    CStatic m_wndPaletteBarLocation;
    CStatic m_wndPreview;
    CORXImagePaintArea m_wndLargeDrawArea;
    CBitmap* m_pBitmap;
    CSize m_sizeImage;
    int m_nBitsPerPixel;
    CRect m_rectPreviewFrame;
    CRect m_rectPreviewImage;
    CORXImageEditTools m_wndPaletteBar;
    CORXColorBar m_wndColorBar;
    CPalette m_palColorBar;
};

#endif // VELMORA_ORXIMAGEEDITDLG_H
