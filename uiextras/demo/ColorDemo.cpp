// CColorDemo: the colour menu button on a framework frame, its pop-up torn off into a floating
// colour bar, and the "Colors" dialog, each logged with the palette it draws with.
#include "ColorDemo.h"
#include "DemoSupport.h"

#include <afxext.h>

#include <algorithm>

#include "ExtrasIds.h"
#include "ORXColorDialog.h"
#include "ORXColorMenuButton.h"
#include "ORXFrameWnd.h"
#include "ORXGlobalData.h"
#include "ORXToolBar.h"

namespace
{

// How many of a palette's entries are not black: a system palette read off a display without one
// is all zeros.
int LitEntries(CPalette* pPalette, int* pnCount)
{
    *pnCount = 0;
    if (pPalette == NULL || pPalette->GetSafeHandle() == NULL)
        return 0;
    PALETTEENTRY entries[256];
    const int nCount = std::min(pPalette->GetEntryCount(), 256);
    *pnCount = nCount;
    pPalette->GetPaletteEntries(0, nCount, entries);
    int nLit = 0;
    for (int i = 0; i < nCount; i++)
        if (entries[i].peRed != 0 || entries[i].peGreen != 0 || entries[i].peBlue != 0)
            nLit++;
    return nLit;
}

// The dialog tells which palette its pickers were given once it has built it.
class CDemoColorDialog : public CORXColorDialog
{
public:
    CDemoColorDialog(COLORREF color, CWnd* pParent) : CORXColorDialog(color, 0, pParent) {}

protected:
    virtual BOOL OnInitDialog()
    {
        const BOOL bResult = CORXColorDialog::OnInitDialog();
        int nCount = 0;
        const int nLit = LitEntries(GetPalette(), &nCount);
        DemoLog("dialog palette=%s entries=%d lit=%d bits=%d",
                GetPalette() != NULL && GetPalette()->GetSafeHandle() != NULL ? _T("system") : _T("none"),
                nCount, nLit, globalData.m_nBitsPerPixel);
        return bResult;
    }

public:
    // The new colour, what the preview was given for it (a palette index on a palette display) and
    // the colour that index stands for.
    void LogNewColor()
    {
        const COLORREF clrShown = m_wndColors.GetColor();
        COLORREF clrDrawn = clrShown;
        PALETTEENTRY entry = {0};
        if ((clrShown & 0xFF000000) == 0x01000000 && GetPalette() != NULL &&
            GetPalette()->GetPaletteEntries(clrShown & 0xFFFF, 1, &entry) == 1)
            clrDrawn = RGB(entry.peRed, entry.peGreen, entry.peBlue);
        // What a memory bitmap like the one the preview is drawn in keeps of that colour.
        CClientDC dc(&m_wndColors);
        CDC dcMem;
        CBitmap bmp;
        COLORREF clrKept = CLR_INVALID;
        RGBQUAD table[256];
        UINT nTable = 0;
        if (dcMem.CreateCompatibleDC(&dc) && bmp.CreateCompatibleBitmap(&dc, 1, 1))
        {
            CBitmap* pOldBitmap = dcMem.SelectObject(&bmp);
            CPalette* pOldPalette = NULL;
            if (GetPalette() != NULL && GetPalette()->GetSafeHandle() != NULL)
            {
                pOldPalette = dcMem.SelectPalette(GetPalette(), FALSE);
                dcMem.RealizePalette();
            }
            dcMem.FillSolidRect(0, 0, 1, 1, clrShown);
            clrKept = dcMem.GetPixel(0, 0);
            nTable = ::GetDIBColorTable(dcMem.GetSafeHdc(), 0, 256, table);
            if (pOldPalette != NULL)
                dcMem.SelectPalette(pOldPalette, FALSE);
            dcMem.SelectObject(pOldBitmap);
        }
        DemoLog("dialognew %08X shown=%08X drawn=%08X kept=%08X table=%u", GetColor(), clrShown, clrDrawn,
                clrKept, nTable);
        // Where the pickers are once the dialog is centred and its page placed.
        CColorPage1* pPage = GetStandardPage();
        CRect rect;
        if (pPage != NULL && pPage->m_hexpicker.GetSafeHwnd() != NULL)
        {
            pPage->m_hexpicker.GetWindowRect(rect);
            DemoLog("hex %ld %ld %ld %ld", rect.left, rect.top, rect.right, rect.bottom);
        }
        m_wndColors.GetWindowRect(rect);
        DemoLog("preview %ld %ld %ld %ld", rect.left, rect.top, rect.right, rect.bottom);
    }
};

class CColorDemoFrame : public CORXFrameWnd
{
public:
    CORXToolBar m_wndToolBar;
    CORXColorMenuButton* m_pColorButton = NULL; // owned by the tool bar
    CDemoColorDialog* m_pDialog = NULL;         // while the dialog runs

    void LogState()
    {
        CRect rect;
        for (int i = 0; i < m_wndToolBar.GetCount(); i++)
        {
            if (m_wndToolBar.GetItemID(i) != ID_COLORDEMO_COLOR)
                continue;
            m_wndToolBar.GetItemRect(i, rect);
            m_wndToolBar.ClientToScreen(rect);
            DemoLog("colourbutton %ld %ld %ld %ld", rect.left, rect.top, rect.right, rect.bottom);
        }
        CColorPopup* pPopup = DYNAMIC_DOWNCAST(CColorPopup, m_pColorButton->GetPopupMenu());
        if (pPopup != NULL && pPopup->GetSafeHwnd() != NULL)
        {
            CORXColorBar& bar = pPopup->GetColorBar();
            pPopup->GetWindowRect(rect);
            DemoLog("popup %ld %ld %ld %ld palette=%d", rect.left, rect.top, rect.right, rect.bottom,
                    bar.GetPalette().GetSafeHandle() != NULL);
            DemoLogColorCells(_T("popupcell"), bar, demoCellKind);
        }
        CORXColorBar* pTorn = DYNAMIC_DOWNCAST(CORXColorBar, GetControlBar(ID_COLORDEMO_TORN));
        if (pTorn != NULL && pTorn->GetSafeHwnd() != NULL)
        {
            pTorn->GetWindowRect(rect);
            DemoLog("tornbar %d %d %08X %ld %ld %ld %ld", pTorn->IsWindowVisible(), pTorn->IsFloating(),
                    pTorn->GetColor(), rect.left, rect.top, rect.right, rect.bottom);
            DemoLogColorCells(_T("torncell"), *pTorn, demoCellKind);
        }
        DemoLog("state colour=%08X", m_pColorButton->GetColor());
    }
    virtual BOOL OnTearOffMenu(CORXPopupMenu*, CControlBar* pBar)
    {
        DemoLog("tearoff %u %s", (UINT)pBar->GetDlgCtrlID(), pBar->GetRuntimeClass()->m_lpszClassName);
        return TRUE;
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CORXFrameWnd::OnCreate(lpCreateStruct) == -1)
            return -1;
        if (!DemoCreateToolBar(this, m_wndToolBar))
            return -1;
        CORXColorMenuButton* pColor =
            DemoMakeColorButton(m_wndToolBar, ID_COLORDEMO_COLOR, _T("&Fill Colour"), FALSE);
        pColor->SetTearOff(ID_COLORDEMO_TORN);
        if (m_wndToolBar.InsertButton(pColor) < 0)
        {
            delete pColor;
            return -1;
        }
        m_pColorButton = pColor;
        EnableDocking(CBRS_ALIGN_ANY);
        m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_wndToolBar);
        return 0;
    }
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam)
    {
        const UINT nID = LOWORD(wParam);
        if (nID == ID_COLORDEMO_COLOR)
            DemoLog("colour %08X button=%08X", CORXColorMenuButton::GetColorByCmdID(ID_COLORDEMO_COLOR),
                    m_pColorButton->GetColor());
        return CORXFrameWnd::OnCommand(wParam, lParam);
    }
    afx_msg void OnColor() {}
    afx_msg void OnLogState() { LogState(); }
    afx_msg void OnDialog()
    {
        CDemoColorDialog dlg(RGB(0, 0, 0), this);
        m_pDialog = &dlg;
        const INT_PTR nResult = dlg.DoModal();
        m_pDialog = NULL;
        if (nResult == IDOK)
            DemoLog("dialogcolour %08X", dlg.GetColor());
        else
            DemoLog("dialogcancel");
    }
    // Posted by the test while the dialog runs, after a choice in it.
    afx_msg void OnDialogState()
    {
        if (m_pDialog != NULL)
            m_pDialog->LogNewColor();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColorDemoFrame, CORXFrameWnd)
ON_WM_CREATE()
ON_COMMAND(ID_COLORDEMO_COLOR, OnColor)
ON_COMMAND(ID_COLORDEMO_LOGSTATE, OnLogState)
ON_COMMAND(ID_COLORDEMO_DIALOG, OnDialog)
ON_COMMAND(ID_COLORDEMO_DIALOGSTATE, OnDialogState)
END_MESSAGE_MAP()
} // namespace

BOOL CColorDemo::Wanted(CString& strCommandLine)
{
    if (strCommandLine.Left(8) != _T("/colors "))
        return FALSE;
    strCommandLine = strCommandLine.Mid(8);
    strCommandLine.TrimLeft();
    return TRUE;
}

BOOL CColorDemo::Run(CWinApp* pApp)
{
    CColorDemoFrame* pFrame = new CColorDemoFrame;
    if (!pFrame->Create(NULL, _T("Colour demonstration"), WS_OVERLAPPEDWINDOW, CRect(200, 120, 720, 520)))
        return FALSE;
    pApp->m_pMainWnd = pFrame;
    DemoShowFrame(pFrame);
    HDC hdc = ::GetDC(NULL);
    DemoLog("ready bits=%d rcpalette=%d syspalette=%d", globalData.m_nBitsPerPixel, ORXIsPaletteDisplay(hdc),
            ::GetDeviceCaps(hdc, SIZEPALETTE));
    ::ReleaseDC(NULL, hdc);
    pFrame->LogState();
    return TRUE;
}
