// The extras' demonstration's log and frame display.
#include "DemoSupport.h"
#include "ORXToolbarCustomize.h"

#include <cstdarg>
#include <cstdio>

namespace
{
CString g_strLogPath;
} // namespace

void DemoSetLog(const CString& strPath)
{
    g_strLogPath = strPath;
    g_strLogPath.TrimLeft();
    g_strLogPath.TrimRight();
}

const CString& DemoLogPath()
{
    return g_strLogPath;
}

void DemoLog(LPCTSTR pszFormat, ...)
{
    if (g_strLogPath.IsEmpty())
        return;
    FILE* f = fopen(g_strLogPath, "a");
    if (f == NULL)
        return;
    va_list args;
    va_start(args, pszFormat);
    vfprintf(f, pszFormat, args);
    va_end(args);
    fputc('\n', f);
    fclose(f);
}

void DemoShowFrame(CFrameWnd* pFrame, BOOL bRecalcLayout)
{
    pFrame->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();
    if (bRecalcLayout)
        pFrame->RecalcLayout();
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
