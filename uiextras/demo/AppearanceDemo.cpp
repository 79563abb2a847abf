// The Button Appearance demonstration: a frame with a tool bar in customise mode and two user
// images, so that a right click on a button offers "&Button Appearance...". With "/sheet" before the
// log the framework's customise sheet is open beside the frame and holds customise mode; without
// it the bars are in customise mode on their own. Every change is logged:
// the bar's buttons as "item <index> <command> <user> <image> <text shown> <image shown> <l t r b>
// text=<text>", the user images as "userimages <count>" and "image <index> <rows>" (RRGGBB per pixel,
// rows separated by "/"), and, once an image editor opens, its controls' places on the screen.
// With "/state" (after "/sheet") the user images are the user's: their file beside the log is
// written only when there is none, the bar and the images are saved when the window closes, and a
// file that does not load gives way to the demonstration's own two images.
#include "AppearanceDemo.h"
#include "DemoSupport.h"

#include <stdio.h>

#include "ExtrasIds.h"
#include "ORXButtonAppearanceDlg.h"
#include "ORXImageEditDlg.h"
#include "ORXToolBar.h"
#include "ORXToolbarCustomize.h"
#include "ORXWorkspace.h"
#include "uiextras/uiextras_res.h"

namespace
{
BOOL g_bWithSheet = FALSE;
CORXWorkspace* g_pStateWorkspace = NULL;
const UINT_PTR kWatchTimer = 33550;

// Two 16 x 15 user images, blue and green, written beside the log: the well reads them from a file.
BOOL WriteUserImages(const CString& strPath)
{
    const int cx = 32, cy = 15, stride = (cx * 3 + 3) & ~3;
    BITMAPFILEHEADER bfh = {};
    BITMAPINFOHEADER bih = {};
    bih.biSize = sizeof(bih);
    bih.biWidth = cx;
    bih.biHeight = cy;
    bih.biPlanes = 1;
    bih.biBitCount = 24;
    bih.biSizeImage = stride * cy;
    bfh.bfType = 0x4D42;
    bfh.bfOffBits = sizeof(bfh) + sizeof(bih);
    bfh.bfSize = bfh.bfOffBits + bih.biSizeImage;
    FILE* f = fopen(strPath, "wb");
    if (f == NULL)
        return FALSE;
    fwrite(&bfh, sizeof(bfh), 1, f);
    fwrite(&bih, sizeof(bih), 1, f);
    BYTE row[128] = {};
    for (int y = 0; y < cy; y++)
    {
        for (int x = 0; x < cx; x++)
        {
            BOOL bEdge = x % 16 == 0 || x % 16 == 15 || y == 0 || y == cy - 1;
            BYTE* p = row + x * 3; // blue, green, red
            p[0] = bEdge ? 0x80 : (x < 16 ? 0xFF : 0x00);
            p[1] = bEdge ? 0x80 : (x < 16 ? 0x00 : 0xC0);
            p[2] = bEdge ? 0x80 : 0x00;
        }
        fwrite(row, stride, 1, f);
    }
    fclose(f);
    return TRUE;
}

class CAppearanceFrame : public CFrameWnd
{
public:
    CORXToolBar m_wndToolBar;
    CORXToolbarImageList m_UserImages;
    CORXButtonAppearanceProvider m_Appearance;
    CString m_strLastBar;
    CString m_strLoggedImages;
    BOOL m_bImagesLogged = FALSE;
    HWND m_hwndLoggedEditor = NULL;

    void LogBarIfChanged()
    {
        CString strAll;
        for (int i = 0; i < m_wndToolBar.GetCount(); i++)
        {
            CORXToolbarButton* pButton = m_wndToolBar.GetButton(i);
            CRect rect = pButton->Rect();
            m_wndToolBar.ClientToScreen(rect);
            CString strItem;
            strItem.Format(_T("item %d %u %d %d %d %d %ld %ld %ld %ld text=%s\n"), i, pButton->m_nID,
                           pButton->m_bUserButton, pButton->GetImage(), pButton->m_bText, pButton->m_bImage,
                           rect.left, rect.top, rect.right, rect.bottom, (LPCTSTR)pButton->m_strText);
            strAll += strItem;
        }
        if (strAll == m_strLastBar)
            return;
        m_strLastBar = strAll;
        DemoLog("bar %d", m_wndToolBar.GetCount());
        DemoLog("%s", (LPCTSTR)strAll.Left(strAll.GetLength() - 1));
    }
    void LogImagesIfChanged()
    {
        const int nCount = m_UserImages.GetCount();
        CSize size = m_UserImages.GetImageSize();
        CDC dc;
        dc.CreateCompatibleDC(NULL);
        HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), m_UserImages.GetImageWell());
        CString strAll;
        for (int i = 0; i < nCount; i++)
        {
            CString strRows;
            for (int y = 0; y < size.cy; y++)
            {
                for (int x = 0; x < size.cx; x++)
                {
                    COLORREF clr = dc.GetPixel(i * size.cx + x, y);
                    CString strPixel;
                    strPixel.Format(_T("%02X%02X%02X"), GetRValue(clr), GetGValue(clr), GetBValue(clr));
                    strRows += (x > 0 ? _T(",") : _T("")) + strPixel;
                }
                strRows += y + 1 < size.cy ? _T("/") : _T("");
            }
            CString strImage;
            strImage.Format(_T("image %d %s\n"), i, (LPCTSTR)strRows);
            strAll += strImage;
        }
        ::SelectObject(dc.GetSafeHdc(), hOld);
        // Logged when an image comes or changes.
        if (m_bImagesLogged && strAll == m_strLoggedImages)
            return;
        m_bImagesLogged = TRUE;
        m_strLoggedImages = strAll;
        DemoLog("userimages %d", nCount);
        if (!strAll.IsEmpty())
            DemoLog("%s", (LPCTSTR)strAll.Left(strAll.GetLength() - 1));
    }
    // The places an end-to-end test needs in the open image editor: its palette's buttons, the
    // colour bar's cells and the paint area's grid.
    void LogEditorOnce()
    {
        HWND hwndEditor = ::FindWindow(NULL, _T("Edit Button Image"));
        if (hwndEditor == NULL)
            m_hwndLoggedEditor = NULL;
        if (hwndEditor == NULL || hwndEditor == m_hwndLoggedEditor || !::IsWindowVisible(hwndEditor))
            return;
        CORXImageEditDlg* pDlg = dynamic_cast<CORXImageEditDlg*>(CWnd::FromHandlePermanent(hwndEditor));
        if (pDlg == NULL)
            return;
        m_hwndLoggedEditor = hwndEditor;
        CORXToolBar& tools = pDlg->GetTools();
        for (int i = 0; i < tools.GetCount(); i++)
        {
            CRect rect;
            tools.GetItemRect(i, rect);
            tools.ClientToScreen(rect);
            DemoLog("tool %u %ld %ld %ld %ld", tools.GetItemID(i), rect.left, rect.top, rect.right,
                    rect.bottom);
        }
        DemoLogColorCells(_T("cell"), pDlg->GetColorBar(), 0);
        CORXImagePaintArea& area = pDlg->GetPaintArea();
        CPoint ptOrigin(0, 0);
        area.ClientToScreen(&ptOrigin);
        DemoLog("paintarea %ld %ld %ld %ld", ptOrigin.x, ptOrigin.y, area.GetCellSize().cx,
                area.GetCellSize().cy);
        DemoLog("editor ready");
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
            return -1;
        if (!DemoCreateToolBar(this, m_wndToolBar))
            return -1;
        CString strImages =
            DemoLogPath().Left(DemoLogPath().ReverseFind(_T('\\')) + 1) + _T("appearance_user_images.bmp");
        const BOOL bKept =
            g_pStateWorkspace != NULL && ::GetFileAttributes(strImages) != INVALID_FILE_ATTRIBUTES;
        if (!bKept && !WriteUserImages(strImages))
            return -1;
        if (!m_UserImages.LoadFromFile(strImages))
        {
            if (!bKept)
                return -1;
            DemoLog("imagefile refused");
            if (!WriteUserImages(strImages) || !m_UserImages.LoadFromFile(strImages))
                return -1;
        }
        CORXToolBar::SetUserImages(&m_UserImages);
        SetTimer(kWatchTimer, 200, NULL);
        return 0;
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        if (nIDEvent != kWatchTimer)
        {
            CFrameWnd::OnTimer(nIDEvent);
            return;
        }
        LogBarIfChanged();
        LogImagesIfChanged();
        LogEditorOnce();
    }
    // The bar's commands are enabled, so that its images are drawn in colour.
    afx_msg void OnBarCommand(UINT nID) { DemoLog("command %u", nID); }
    afx_msg void OnClose()
    {
        if (g_pStateWorkspace != NULL)
            DemoLog("state saved %d", g_pStateWorkspace->SaveState(NULL, this));
        CFrameWnd::OnClose();
    }
    afx_msg void OnDestroy()
    {
        KillTimer(kWatchTimer);
        CORXToolBar::SetCustomizeMode(FALSE);
        CORXToolBar::SetUserImages(NULL);
        CFrameWnd::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CAppearanceFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_WM_TIMER()
ON_WM_DESTROY()
ON_COMMAND_RANGE(ID_EXTRAS_NEW, ID_EXTRAS_LARGE, OnBarCommand)
END_MESSAGE_MAP()
} // namespace

BOOL AppearanceDemoWanted(CString& strCommandLine)
{
    if (strCommandLine.Left(12) != _T("/appearance "))
        return FALSE;
    strCommandLine = strCommandLine.Mid(12);
    strCommandLine.TrimLeft();
    if (strCommandLine.Left(7) == _T("/sheet "))
    {
        g_bWithSheet = TRUE;
        strCommandLine = strCommandLine.Mid(7);
        strCommandLine.TrimLeft();
    }
    if (strCommandLine.Left(7) == _T("/state "))
    {
        strCommandLine = strCommandLine.Mid(7);
        strCommandLine.TrimLeft();
        AfxGetApp()->SetRegistryKey(_T("Quendra Labs"));
        g_pStateWorkspace = dynamic_cast<CORXWorkspace*>(CORXWorkspaceBase::GetInstance());
        if (g_pStateWorkspace != NULL)
            g_pStateWorkspace->SetRegistryBase(_T("AppearanceDemo"));
    }
    return TRUE;
}

CFrameWnd* AppearanceDemoCreate(const CString& strLog)
{
    DemoSetLog(strLog);
    CAppearanceFrame* pFrame = new CAppearanceFrame;
    if (!pFrame->Create(NULL, _T("Appearance demonstration"), WS_OVERLAPPEDWINDOW, CRect(200, 120, 620, 360)))
        return NULL;
    if (g_pStateWorkspace != NULL)
        DemoLog("state loaded %d", g_pStateWorkspace->LoadState(NULL, pFrame));
    DemoShowFrame(pFrame);
    // Customise mode, held by the framework's sheet or by the core alone: the bars take right clicks
    // for their customise menu.
    if (g_bWithSheet)
    {
        if (!DemoOpenSheet(pFrame, new CORXToolbarCustomize(pFrame, FALSE, 0), _T("sheet")))
            return NULL;
    }
    else
        CORXToolBar::SetCustomizeMode(TRUE);
    pFrame->LogBarIfChanged();
    pFrame->LogImagesIfChanged();
    DemoLog("ready customize=%d", CORXToolBar::IsCustomizeMode());
    return pFrame;
}
