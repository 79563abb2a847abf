// CORXImageEditDlg: the Edit Button Image dialog.
#include "ORXImageEditDlg.h"

#include <algorithm>

#include "AfxClipboardBitmap.h"
#include "AfxWinMsgs.h"
#include "ORXGlobalData.h"
#include "ORXVisualManager.h"
#include "uicore/uicore_res.h"
#include "uiextras/uiextras_res.h"

BEGIN_MESSAGE_MAP(CORXImageEditDlg, CDialog)
ON_WM_PAINT()
ON_COMMAND(IDC_ORX_COLORS_PLACE, OnColors)
ON_COMMAND(ID_ORX_IMAGE_PENCIL, OnToolPencil)
ON_COMMAND(ID_ORX_IMAGE_FILL, OnToolFill)
ON_COMMAND(ID_ORX_IMAGE_LINE, OnToolLine)
ON_COMMAND(ID_ORX_IMAGE_RECT, OnToolRect)
ON_COMMAND(ID_ORX_IMAGE_ELLIPSE, OnToolEllipse)
ON_COMMAND(ID_ORX_IMAGE_PICK, OnToolPick)
ON_COMMAND(ID_ORX_IMAGE_CLEAR, OnToolClear)
ON_COMMAND(ID_ORX_IMAGE_COPY, OnToolCopy)
ON_COMMAND(ID_ORX_IMAGE_PASTE, OnToolPaste)
ON_UPDATE_COMMAND_UI(ID_ORX_IMAGE_PENCIL, OnUpdateToolPencil)
ON_UPDATE_COMMAND_UI(ID_ORX_IMAGE_FILL, OnUpdateToolFill)
ON_UPDATE_COMMAND_UI(ID_ORX_IMAGE_LINE, OnUpdateToolLine)
ON_UPDATE_COMMAND_UI(ID_ORX_IMAGE_RECT, OnUpdateToolRect)
ON_UPDATE_COMMAND_UI(ID_ORX_IMAGE_ELLIPSE, OnUpdateToolEllipse)
ON_UPDATE_COMMAND_UI(ID_ORX_IMAGE_PICK, OnUpdateToolPick)
ON_UPDATE_COMMAND_UI(ID_ORX_IMAGE_PASTE, OnUpdateToolPaste)
ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

CORXImageEditDlg::CORXImageEditDlg(CBitmap* pBitmap, CWnd* pParent, int nBitsPerPixel)
    : CDialog(IDD, pParent), m_wndLargeDrawArea(this), m_pBitmap(pBitmap), m_sizeImage(0, 0),
      m_nBitsPerPixel(nBitsPerPixel), m_rectPreviewFrame(0, 0, 0, 0), m_rectPreviewImage(0, 0, 0, 0)
{
    BITMAP bm;
    if (pBitmap != NULL && pBitmap->GetSafeHandle() != NULL && pBitmap->GetBitmap(&bm) != 0)
    {
        m_sizeImage = CSize(bm.bmWidth, bm.bmHeight);
        if (m_nBitsPerPixel == -1)
            m_nBitsPerPixel = bm.bmBitsPixel;
    }
}

CORXImageEditDlg::~CORXImageEditDlg() {}

void CORXImageEditDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ORX_COLORS_PLACE, m_wndColorPickerLocation);
    DDX_Control(pDX, IDC_ORX_TOOLS_PLACE, m_wndPaletteBarLocation);
    DDX_Control(pDX, IDC_ORX_PREVIEW_PLACE, m_wndPreview);
    DDX_Control(pDX, IDC_ORX_PAINT_AREA, m_wndLargeDrawArea);
}

BOOL CORXImageEditDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_wndLargeDrawArea.SetBitmap(m_pBitmap);

    CRect rectPalette;
    m_wndPaletteBarLocation.GetWindowRect(rectPalette);
    ScreenToClient(rectPalette);
    rectPalette.DeflateRect(2, 2);
    if (m_wndPaletteBar.Create(this,
                               WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM |
                                   CBRS_HIDE_INPLACE | CBRS_GRIPPER,
                               AFX_IDW_TOOLBAR) &&
        m_wndPaletteBar.LoadToolBar(IDR_ORX_IMAGE_TOOLS, 0, 0, TRUE))
    {
        m_wndPaletteBar.SetBarStyle((m_wndPaletteBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY) &
                                    ~(CBRS_GRIPPER | CBRS_BORDER_ANY | CBRS_BORDER_3D));
        m_wndPaletteBar.SetBorders(10, 5, 10, 5);
        CSize sizeButton = m_wndPaletteBar.GetButtonSize();
        if (m_wndPaletteBar.IsButtonExtraSizeAvailable())
            sizeButton += CORXVisualManager::GetInstance()->GetButtonExtraBorder();
        m_wndPaletteBar.WrapToolBar(sizeButton.cx * 3);
        m_wndPaletteBar.SetWindowPos(&wndTop, rectPalette.left, rectPalette.top, rectPalette.Width(),
                                     rectPalette.Height(), SWP_NOACTIVATE);
        m_wndPaletteBar.SetOwner(this);
        m_wndPaletteBar.AdjustLayout();
    }

    CRect rectColors;
    m_wndColorPickerLocation.GetWindowRect(rectColors);
    ScreenToClient(rectColors);
    rectColors.DeflateRect(2, 2);
    CPalette* pPalette = NULL;
    if (m_nBitsPerPixel > 0 && m_nBitsPerPixel <= 8)
    {
        // The sixteen static colours of the system palette: its entries 0-7 and 12-19.
        PALETTEENTRY entries[20];
        ::GetPaletteEntries((HPALETTE)::GetStockObject(DEFAULT_PALETTE), 0, 20, entries);
        BYTE buffer[sizeof(LOGPALETTE) + 16 * sizeof(PALETTEENTRY)];
        LOGPALETTE* pLogPalette = (LOGPALETTE*)buffer;
        pLogPalette->palVersion = 0x300;
        pLogPalette->palNumEntries = 16;
        for (int i = 0, j = 0; i < 20; i++)
            if (i < 8 || i >= 12)
                pLogPalette->palPalEntry[j++] = entries[i];
        if (m_palColorBar.CreatePalette(pLogPalette))
            pPalette = &m_palColorBar;
    }
    m_wndColorBar.SetActiveInCustomizeMode(TRUE);
    if (m_wndColorBar.CreateControl(this, rectColors, IDC_ORX_COLORS_PLACE, 4, pPalette))
        m_wndColorBar.SetColor(RGB(0, 0, 0));

    CRect rectPreview;
    m_wndPreview.GetWindowRect(rectPreview);
    ScreenToClient(rectPreview);
    m_rectPreviewImage = CRect(CPoint(rectPreview.CenterPoint().x - m_sizeImage.cx / 2,
                                      rectPreview.CenterPoint().y - m_sizeImage.cy / 2),
                               m_sizeImage);
    m_rectPreviewFrame = m_rectPreviewImage;
    m_rectPreviewFrame.InflateRect(4, 4);
    m_wndLargeDrawArea.SetPreviewRect(m_rectPreviewImage);
    m_wndLargeDrawArea.ModifyStyle(WS_TABSTOP, 0);
    return TRUE;
}

void CORXImageEditDlg::OnPaint()
{
    CPaintDC dc(this);
    dc.Draw3dRect(m_rectPreviewFrame, globalData.clrBtnHilite, globalData.clrBtnShadow);
    if (m_pBitmap == NULL || m_pBitmap->GetSafeHandle() == NULL)
        return;
    CDC dcMem;
    dcMem.CreateCompatibleDC(&dc);
    CBitmap* pOld = dcMem.SelectObject(m_pBitmap);
    if (pOld != NULL)
    {
        dc.BitBlt(m_rectPreviewImage.left, m_rectPreviewImage.top, m_sizeImage.cx, m_sizeImage.cy, &dcMem, 0,
                  0, SRCCOPY);
        dcMem.SelectObject(pOld);
    }
}

void CORXImageEditDlg::OnColors()
{
    m_wndLargeDrawArea.SetColor(m_wndColorBar.GetColor());
}

void CORXImageEditDlg::OnPickColor(COLORREF color)
{
    if (m_wndColorBar.GetSafeHwnd() != NULL)
        m_wndColorBar.SetColor(color);
    m_wndLargeDrawArea.SetColor(color);
    m_wndLargeDrawArea.SetMode(CORXImagePaintArea::IMAGE_EDIT_MODE_PEN);
}

void CORXImageEditDlg::OnToolPencil()
{
    m_wndLargeDrawArea.SetMode(CORXImagePaintArea::IMAGE_EDIT_MODE_PEN);
}
void CORXImageEditDlg::OnToolFill()
{
    m_wndLargeDrawArea.SetMode(CORXImagePaintArea::IMAGE_EDIT_MODE_FILL);
}
void CORXImageEditDlg::OnToolLine()
{
    m_wndLargeDrawArea.SetMode(CORXImagePaintArea::IMAGE_EDIT_MODE_LINE);
}
void CORXImageEditDlg::OnToolRect()
{
    m_wndLargeDrawArea.SetMode(CORXImagePaintArea::IMAGE_EDIT_MODE_RECT);
}
void CORXImageEditDlg::OnToolEllipse()
{
    m_wndLargeDrawArea.SetMode(CORXImagePaintArea::IMAGE_EDIT_MODE_ELLIPSE);
}
void CORXImageEditDlg::OnToolPick()
{
    m_wndLargeDrawArea.SetMode(CORXImagePaintArea::IMAGE_EDIT_MODE_COLOR);
}
void CORXImageEditDlg::OnUpdateToolPencil(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_wndLargeDrawArea.GetMode() == CORXImagePaintArea::IMAGE_EDIT_MODE_PEN);
}
void CORXImageEditDlg::OnUpdateToolFill(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_wndLargeDrawArea.GetMode() == CORXImagePaintArea::IMAGE_EDIT_MODE_FILL);
}
void CORXImageEditDlg::OnUpdateToolLine(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_wndLargeDrawArea.GetMode() == CORXImagePaintArea::IMAGE_EDIT_MODE_LINE);
}
void CORXImageEditDlg::OnUpdateToolRect(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_wndLargeDrawArea.GetMode() == CORXImagePaintArea::IMAGE_EDIT_MODE_RECT);
}
void CORXImageEditDlg::OnUpdateToolEllipse(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_wndLargeDrawArea.GetMode() == CORXImagePaintArea::IMAGE_EDIT_MODE_ELLIPSE);
}
void CORXImageEditDlg::OnUpdateToolPick(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_wndLargeDrawArea.GetMode() == CORXImagePaintArea::IMAGE_EDIT_MODE_COLOR);
}
void CORXImageEditDlg::OnUpdateToolPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(::IsClipboardFormatAvailable(CF_BITMAP));
}

void CORXImageEditDlg::RedrawImage()
{
    InvalidateRect(m_rectPreviewImage);
    if (m_wndLargeDrawArea.GetSafeHwnd() != NULL)
        m_wndLargeDrawArea.Invalidate();
}

BOOL CORXImageEditDlg::PlaceBitmap(HBITMAP hbmSource)
{
    if (m_pBitmap == NULL || m_pBitmap->GetSafeHandle() == NULL || hbmSource == NULL)
        return FALSE;
    BITMAP bmSource;
    if (::GetObject(hbmSource, sizeof(bmSource), &bmSource) == 0)
        return FALSE;
    CDC dcDst, dcSrc;
    if (!dcDst.CreateCompatibleDC(NULL) || !dcSrc.CreateCompatibleDC(NULL))
        return FALSE;
    CBitmap* pOldDst = dcDst.SelectObject(m_pBitmap);
    HGDIOBJ hOldSrc = ::SelectObject(dcSrc.GetSafeHdc(), hbmSource);
    BOOL bOK = pOldDst != NULL && hOldSrc != NULL;
    if (bOK)
    {
        dcDst.FillRect(CRect(CPoint(0, 0), m_sizeImage), &globalData.brBtnFace);
        const int x = std::max((int)(m_sizeImage.cx - bmSource.bmWidth) / 2, 0);
        const int y = std::max((int)(m_sizeImage.cy - bmSource.bmHeight) / 2, 0);
        bOK = dcDst.BitBlt(x, y, std::min((int)m_sizeImage.cx - x, (int)bmSource.bmWidth),
                           std::min((int)m_sizeImage.cy - y, (int)bmSource.bmHeight), &dcSrc, 0, 0, SRCCOPY);
    }
    if (hOldSrc != NULL)
        ::SelectObject(dcSrc.GetSafeHdc(), hOldSrc);
    if (pOldDst != NULL)
        dcDst.SelectObject(pOldDst);
    return bOK;
}

BOOL CORXImageEditDlg::PasteFromClipboard()
{
    // The image changes only once the clipboard's bitmap is in hand.
    HBITMAP hbmClip = AfxGetClipboardBitmap(GetSafeHwnd());
    if (hbmClip == NULL)
        return FALSE;
    BOOL bOK = PlaceBitmap(hbmClip);
    ::DeleteObject(hbmClip);
    RedrawImage();
    return bOK;
}

BOOL CORXImageEditDlg::CopyToClipboard()
{
    if (m_pBitmap == NULL || m_pBitmap->GetSafeHandle() == NULL)
        return FALSE;
    return AfxSetClipboardBitmap(GetSafeHwnd(), (HBITMAP)m_pBitmap->GetSafeHandle());
}

void CORXImageEditDlg::ClearImage()
{
    if (m_pBitmap == NULL || m_pBitmap->GetSafeHandle() == NULL)
        return;
    CDC dc;
    dc.CreateCompatibleDC(NULL);
    CBitmap* pOld = dc.SelectObject(m_pBitmap);
    if (pOld != NULL)
    {
        dc.FillRect(CRect(CPoint(0, 0), m_sizeImage), &globalData.brBtnFace);
        dc.SelectObject(pOld);
    }
    RedrawImage();
}

void CORXImageEditDlg::OnToolClear()
{
    ClearImage();
}

void CORXImageEditDlg::OnToolCopy()
{
    if (!CopyToClipboard())
        AfxMessageBox(IDS_ORX_CANT_COPY_BITMAP);
}

void CORXImageEditDlg::OnToolPaste()
{
    if (!PasteFromClipboard())
        AfxMessageBox(IDS_ORX_CANT_PASTE_IMAGE);
}

LRESULT CORXImageEditDlg::OnKickIdle(WPARAM, LPARAM)
{
    if (m_wndPaletteBar.GetSafeHwnd() != NULL)
        m_wndPaletteBar.OnUpdateCmdUI((CFrameWnd*)this, TRUE);
    return 0;
}
