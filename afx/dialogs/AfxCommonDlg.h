// The system's common dialogs as framework dialogs: open and save file names, colours and fonts.
#ifndef VELMORA_AFXCOMMONDLG_H
#define VELMORA_AFXCOMMONDLG_H

#include "AfxDialog.h"
#include "AfxGdi.h"
#include <commdlg.h>

#ifndef VELMORA_AFX_POSITION_DEFINED
#define VELMORA_AFX_POSITION_DEFINED
// An opaque place in a list or map.
struct __POSITION
{
};
typedef __POSITION* POSITION;
#endif

class CCommonDialog : public CDialog
{
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd);

protected:
    // Runs one of the system's dialog functions modally over this dialog's owner.
    INT_PTR RunModal(BOOL(WINAPI* pfnRun)(void*), void* pStruct, HWND* phwndOwner);
};

class CFileDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFileDialog)
public:
    // lpszFilter is pairs of "description|pattern|" ending in "||", as the framework takes it.
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = NULL, LPCTSTR lpszFileName = NULL,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = NULL,
                         CWnd* pParentWnd = NULL);

    OPENFILENAME m_ofn;

    virtual INT_PTR DoModal();

    // The chosen file: full path, name with extension, extension without the dot, name without it.
    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }

    // Every file of a multiple selection, as full paths.
    POSITION GetStartPosition() const { return (POSITION)m_ofn.lpstrFile; }
    CString GetNextPathName(POSITION& pos) const;

protected:
    BOOL m_bOpenFileDialog;
    CString m_strFilter;
    TCHAR m_szFileTitle[64];
    TCHAR m_szFileName[_MAX_PATH];
};

class CColorDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CColorDialog)
public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = NULL);

    CHOOSECOLOR m_cc;

    virtual INT_PTR DoModal();
    COLORREF GetColor() const { return m_cc.rgbResult; }
    void SetCurrentColor(COLORREF clr);
    // The sixteen custom colours, shared by every colour dialog of the program.
    static COLORREF* PASCAL GetSavedCustomColors();
};

class CFontDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFontDialog)
public:
    explicit CFontDialog(LPLOGFONT lplfInitial = NULL, DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS,
                         CDC* pdcPrinter = NULL, CWnd* pParentWnd = NULL);

    CHOOSEFONT m_cf;
    LOGFONT m_lf;

    virtual INT_PTR DoModal();
    void GetCurrentFont(LPLOGFONT lplf);
    CString GetFaceName() const { return m_cf.lpLogFont->lfFaceName; }
    CString GetStyleName() const { return m_cf.lpszStyle; }
    // In tenths of a point.
    int GetSize() const { return m_cf.iPointSize; }
    COLORREF GetColor() const { return m_cf.rgbColors; }
    int GetWeight() const { return m_cf.lpLogFont->lfWeight; }
    BOOL IsStrikeOut() const { return m_cf.lpLogFont->lfStrikeOut ? TRUE : FALSE; }
    BOOL IsUnderline() const { return m_cf.lpLogFont->lfUnderline ? TRUE : FALSE; }
    BOOL IsBold() const { return m_cf.lpLogFont->lfWeight == FW_BOLD; }
    BOOL IsItalic() const { return m_cf.lpLogFont->lfItalic ? TRUE : FALSE; }

protected:
    TCHAR m_szStyleName[64];
};

#endif // VELMORA_AFXCOMMONDLG_H
