// The extras' demonstration's log and frame display.
#include "DemoSupport.h"
#include "ORXColorBar.h"
#include "ORXColorMenuButton.h"
#include "ORXToolBar.h"
#include "ORXToolbarCustomize.h"

#include "ExtrasIds.h"

void DemoShowFrame(CFrameWnd* pFrame, BOOL bRecalcLayout)
{
    pFrame->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();
    if (bRecalcLayout)
        pFrame->RecalcLayout();
}

BOOL DemoCreateToolBar(CFrameWnd* pFrame, CORXToolBar& bar)
{
    if (!bar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY) ||
        !bar.LoadToolBar(IDR_EXTRAS_TOOLBAR))
        return FALSE;
    bar.SetWindowText(_T("Standard"));
    return TRUE;
}

CORXColorMenuButton* DemoMakeColorButton(CORXToolBar& bar, UINT uiCmdID, LPCTSTR lpszText, BOOL bAltColorDlg)
{
    CORXToolbarButton* pBold = bar.GetButton(bar.CommandToIndex(ID_EXTRAS_BOLD));
    CORXColorMenuButton* pColor = new CORXColorMenuButton(uiCmdID, lpszText);
    pColor->m_bUserButton = FALSE;
    pColor->SetImage(pBold != NULL ? pBold->GetImage() : -1);
    pColor->m_bImage = TRUE;
    pColor->m_bText = FALSE;
    pColor->EnableAutomaticButton(_T("Automatic"), RGB(0, 0, 0));
    pColor->EnableOtherButton(_T("More Colors..."), bAltColorDlg);
    return pColor;
}

BOOL DemoOpenSheet(CFrameWnd* pFrame, CORXToolbarCustomize* pSheet, LPCTSTR pszWhat)
{
    if (!pSheet->Create())
    {
        delete pSheet;
        DemoLog(_T("%s failed"), pszWhat);
        return FALSE;
    }
    CRect rectFrame;
    pFrame->GetWindowRect(rectFrame);
    pSheet->SetWindowPos(NULL, rectFrame.right + 10, rectFrame.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    DemoLog(_T("%s open pages=%d"), pszWhat, pSheet->GetPageCount());
    return TRUE;
}

void DemoLogColorCells(LPCTSTR pszTag, CORXColorBar& bar, UINT nFlags)
{
    for (int i = 0; i < bar.GetCount(); i++)
    {
        CColorButton* pCell = DYNAMIC_DOWNCAST(CColorButton, bar.GetButton(i));
        if (pCell == NULL || pCell->Rect().IsRectEmpty())
            continue;
        if ((nFlags & demoCellPaletteOnly) && (pCell->m_bIsOther || pCell->m_bIsAutomatic))
            continue;
        CRect rect = pCell->Rect();
        bar.ClientToScreen(rect);
        CString strTag = pszTag;
        if (nFlags & demoCellKind)
            strTag += pCell->m_bIsAutomatic ? _T(" automatic")
                      : pCell->m_bIsOther   ? _T(" other")
                                            : _T(" cell");
        DemoLog("%s %08X %ld %ld %ld %ld", (LPCTSTR)strTag, pCell->m_Color, rect.left, rect.top, rect.right,
                rect.bottom);
    }
}

void DemoLogPopupCells(CColorPopup* pPopup, UINT nFlags)
{
    if (pPopup == NULL || pPopup->GetSafeHwnd() == NULL)
    {
        DemoLog("colourcells none");
        return;
    }
    DemoLogColorCells(_T("colourcell"), pPopup->GetColorBar(), nFlags);
    DemoLog("colourcells done");
}
