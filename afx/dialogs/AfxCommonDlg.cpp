// Common dialogs: set-up of the system's structures, the modal run over the owner, and the
// reading of the chosen file names.
#include "AfxCommonDlg.h"

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)
IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)
IMPLEMENT_DYNAMIC(CColorDialog, CCommonDialog)
IMPLEMENT_DYNAMIC(CFontDialog, CCommonDialog)

CCommonDialog::CCommonDialog(CWnd* pParentWnd) : CDialog((UINT)0, pParentWnd) {}

INT_PTR CCommonDialog::RunModal(BOOL(WINAPI* pfnRun)(void*), void* pStruct, HWND* phwndOwner)
{
    // The owner's top-level window is disabled for the run and enabled again afterwards, as for
    // the framework's own modal dialogs.
    *phwndOwner = PreModal();
    BOOL bResult = pfnRun(pStruct);
    PostModal();
    return bResult ? IDOK : IDCANCEL;
}

/////////////////////////////////////////////////////////////////////////////
// CFileDialog

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_bOpenFileDialog(bOpenFileDialog)
{
    memset(&m_ofn, 0, sizeof(m_ofn));
    m_szFileName[0] = 0;
    m_szFileTitle[0] = 0;
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = _MAX_PATH;
    m_ofn.lpstrDefExt = lpszDefExt;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof(m_szFileTitle) / sizeof(TCHAR);
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
    m_ofn.hInstance = AfxGetResourceHandle();
    if (lpszFileName != NULL)
        lstrcpyn(m_szFileName, lpszFileName, _MAX_PATH);
    if (lpszFilter != NULL)
    {
        // "a|b|c|d||" becomes "a\0b\0c\0d\0\0"; the string keeps its length, so the zeros survive.
        m_strFilter = lpszFilter;
        LPTSTR p = m_strFilter.GetBuffer(0);
        int nLen = lstrlen(p);
        for (int i = 0; i < nLen; ++i)
        {
            if (p[i] == '|')
                p[i] = '\0';
            else if (::IsDBCSLeadByte((BYTE)p[i]) && i + 1 < nLen)
                ++i;
        }
        m_strFilter.ReleaseBuffer(nLen);
        m_ofn.lpstrFilter = m_strFilter;
    }
}

namespace
{
BOOL WINAPI RunOpen(void* p)
{
    return ::GetOpenFileName((LPOPENFILENAME)p);
}
BOOL WINAPI RunSave(void* p)
{
    return ::GetSaveFileName((LPOPENFILENAME)p);
}
BOOL WINAPI RunColor(void* p)
{
    return ::ChooseColor((LPCHOOSECOLOR)p);
}
BOOL WINAPI RunFont(void* p)
{
    return ::ChooseFont((LPCHOOSEFONT)p);
}

// The part of a path after its last separator.
LPCTSTR NamePart(LPCTSTR lpszPath)
{
    LPCTSTR name = lpszPath;
    for (LPCTSTR p = lpszPath; *p; p = ::CharNext(p))
        if (*p == '\\' || *p == '/' || *p == ':')
            name = p + 1;
    return name;
}

// The position of the last dot of a file name, or NULL.
LPCTSTR DotOf(LPCTSTR lpszName)
{
    LPCTSTR dot = NULL;
    for (LPCTSTR p = lpszName; *p; p = ::CharNext(p))
        if (*p == '.')
            dot = p;
    return dot;
}
} // namespace

INT_PTR CFileDialog::DoModal()
{
    // The filter buffer may have moved since construction.
    if (!m_strFilter.IsEmpty())
        m_ofn.lpstrFilter = m_strFilter;
    return RunModal(m_bOpenFileDialog ? RunOpen : RunSave, &m_ofn, &m_ofn.hwndOwner);
}

CString CFileDialog::GetPathName() const
{
    // With several files chosen the buffer starts with their folder; the first file's full
    // path is the answer then, as the first of GetNextPathName's.
    if ((m_ofn.Flags & OFN_ALLOWMULTISELECT) != 0)
    {
        POSITION pos = GetStartPosition();
        if (pos != NULL)
            return GetNextPathName(pos);
    }
    return m_ofn.lpstrFile;
}

CString CFileDialog::GetFileName() const
{
    return NamePart(GetPathName());
}

CString CFileDialog::GetFileExt() const
{
    CString strName = GetFileName();
    LPCTSTR dot = DotOf(strName);
    return dot != NULL ? CString(dot + 1) : CString();
}

CString CFileDialog::GetFileTitle() const
{
    CString strName = GetFileName();
    LPCTSTR dot = DotOf(strName);
    return dot != NULL ? CString((LPCTSTR)strName, (int)(dot - (LPCTSTR)strName)) : strName;
}

CString CFileDialog::GetNextPathName(POSITION& pos) const
{
    // Explorer-style lists are "folder\0name\0name\0\0"; old-style ones "folder name name".
    BOOL bExplorer = (m_ofn.Flags & OFN_EXPLORER) != 0;
    TCHAR chDelimiter = bExplorer ? '\0' : ' ';
    LPCTSTR lpsz = (LPCTSTR)pos;
    if (lpsz == NULL)
        return CString();
    if (lpsz == m_ofn.lpstrFile)
    {
        if ((m_ofn.Flags & OFN_ALLOWMULTISELECT) == 0)
        {
            pos = NULL;
            return m_ofn.lpstrFile;
        }
        while (*lpsz != chDelimiter && *lpsz != '\0')
            lpsz = ::CharNext(lpsz);
        if (*lpsz == '\0' && !bExplorer)
        {
            pos = NULL;
            return m_ofn.lpstrFile;
        }
        ++lpsz; // past the one-byte delimiter, which CharNext would not step over when it is a zero
        // One file chosen: the buffer holds just its full path.
        if (*lpsz == '\0')
        {
            pos = NULL;
            return m_ofn.lpstrFile;
        }
    }

    CString strPath = m_ofn.lpstrFile;
    if (!bExplorer)
    {
        LPCTSTR lpszPath = m_ofn.lpstrFile;
        while (*lpszPath != chDelimiter && *lpszPath != '\0')
            lpszPath = ::CharNext(lpszPath);
        strPath = strPath.Left((int)(lpszPath - m_ofn.lpstrFile));
    }

    LPCTSTR lpszFileName = lpsz;
    while (*lpsz != chDelimiter && *lpsz != '\0')
        lpsz = ::CharNext(lpsz);
    CString strFileName(lpszFileName, (int)(lpsz - lpszFileName));
    if (*lpsz == '\0' && !bExplorer)
    {
        pos = NULL;
    }
    else
    {
        ++lpsz;
        pos = *lpsz == '\0' ? NULL : (POSITION)lpsz;
    }

    if (!strPath.IsEmpty())
    {
        TCHAR chLast = strPath[strPath.GetLength() - 1];
        if (chLast != '\\' && chLast != '/')
            strPath += '\\';
    }
    return strPath + strFileName;
}

/////////////////////////////////////////////////////////////////////////////
// CColorDialog

COLORREF* PASCAL CColorDialog::GetSavedCustomColors()
{
    static COLORREF custom[16] = {
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    };
    return custom;
}

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd) : CCommonDialog(pParentWnd)
{
    memset(&m_cc, 0, sizeof(m_cc));
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.lpCustColors = GetSavedCustomColors();
    m_cc.Flags = dwFlags;
    // Black is also a colour to start from: the initial colour is always the one given.
    m_cc.rgbResult = clrInit;
    m_cc.Flags |= CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal()
{
    return RunModal(RunColor, &m_cc, &m_cc.hwndOwner);
}

void CColorDialog::SetCurrentColor(COLORREF clr)
{
    m_cc.rgbResult = clr;
}

/////////////////////////////////////////////////////////////////////////////
// CFontDialog

CFontDialog::CFontDialog(LPLOGFONT lplfInitial, DWORD dwFlags, CDC* pdcPrinter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd)
{
    memset(&m_cf, 0, sizeof(m_cf));
    memset(&m_lf, 0, sizeof(m_lf));
    m_szStyleName[0] = 0;
    m_cf.lStructSize = sizeof(m_cf);
    m_cf.lpszStyle = m_szStyleName;
    m_cf.Flags = dwFlags;
    m_cf.lpLogFont = &m_lf;
    if (lplfInitial != NULL)
    {
        m_lf = *lplfInitial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
    if (pdcPrinter != NULL)
    {
        m_cf.hDC = pdcPrinter->m_hDC;
        m_cf.Flags |= CF_PRINTERFONTS;
    }
}

INT_PTR CFontDialog::DoModal()
{
    return RunModal(RunFont, &m_cf, &m_cf.hwndOwner);
}

void CFontDialog::GetCurrentFont(LPLOGFONT lplf)
{
    // While the dialog is open the system dialog knows the font being chosen.
    if (m_hWnd != NULL && ::IsWindow(m_hWnd))
        ::SendMessage(m_hWnd, WM_CHOOSEFONT_GETLOGFONT, 0, (LPARAM)lplf);
    else
        *lplf = m_lf;
}
