// The property kinds with editors of their own: CORXColorProp (the colour pop-up), CORXFileProp
// (the file dialog) and CORXFontProp (the font dialog).
#ifndef VELMORA_ORXPROPKINDS_H
#define VELMORA_ORXPROPKINDS_H

#include <afxwin.h>
#include <afxtempl.h>

#include "ORXProp.h"

class CColorPopup;

class CORXColorProp : public CORXProp
{
    DECLARE_DYNAMIC(CORXColorProp)
    friend class CORXPropList;

public:
    CORXColorProp(const CString& strName, COLORREF color, CPalette* pPalette = NULL, LPCTSTR lpszDescr = NULL,
                  DWORD_PTR dwData = 0);
    virtual ~CORXColorProp();

    // Overrides
public:
    virtual CString FormatProperty();
    virtual void OnClickButton(CPoint point);
    virtual BOOL OnKillFocus(CWnd* pNewWnd);
    virtual BOOL HasButton() const { return TRUE; }
    virtual void OnDrawValue(CDC* pDC, CRect rect);
    virtual BOOL TextToVar(const CString& strText);
    virtual BOOL OnEdit(LPPOINT lptClick);

    // Operations
public:
    COLORREF GetColor() const { return m_Color; }
    void SetColor(COLORREF color);
    // The pop-up's "Automatic" cell and its colour; -1 (automatic) is then a value of the row.
    void EnableAutomaticButton(LPCTSTR lpszLabel, COLORREF colorAutomatic, BOOL bEnable = TRUE);
    void EnableOtherButton(LPCTSTR lpszLabel, BOOL bEnable = TRUE);
    void SetColumnsNumber(int nColumns) { m_nColumns = nColumns; }
    CColorPopup* GetPopup() const { return m_pPopup; }

    // Fields
protected:
    COLORREF m_Color;
    COLORREF m_ColorAutomatic;
    CString m_strAutoColor;
    CString m_strOtherColor;
    CArray<COLORREF, COLORREF> m_Colors;
    int m_nColumns;
    CColorPopup* m_pPopup;
    CRect m_rectColor;

    // Implementation
protected:
    CRect GetSwatchRect(const CRect& rectValue) const;
};

class CORXFileProp : public CORXProp
{
    DECLARE_DYNAMIC(CORXFileProp)

public:
    // lpszFilter as the file dialog takes it: "description|pattern|...||".
    CORXFileProp(const CString& strName, BOOL bOpenFileDialog, const CString& strFileName,
                 LPCTSTR lpszDefExt = NULL, DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                 LPCTSTR lpszFilter = NULL, LPCTSTR lpszDescr = NULL, DWORD_PTR dwData = 0);

    // Overrides
public:
    virtual void OnClickButton(CPoint point);
    virtual BOOL HasButton() const { return TRUE; }

    // Attributes
public:
    CString GetFileName() const { return FormatText(); }

    // Fields
protected:
    BOOL m_bOpenFileDialog;
    CString m_strDefExt;
    CString m_strFilter;
    DWORD m_dwFileDialogFlags;

    CString FormatText() const;
};

class CORXFontProp : public CORXProp
{
    DECLARE_DYNAMIC(CORXFontProp)

public:
    CORXFontProp(const CString& strName, const LOGFONT& lf,
                 DWORD dwFontDialogFlags = CF_EFFECTS | CF_SCREENFONTS, LPCTSTR lpszDescr = NULL,
                 DWORD_PTR dwData = 0, COLORREF color = (COLORREF)-1);

    // Overrides
public:
    virtual CString FormatProperty();
    virtual void OnClickButton(CPoint point);
    virtual BOOL HasButton() const { return TRUE; }

    // Attributes
public:
    const LOGFONT& GetLogFont() const { return m_lf; }
    COLORREF GetColor() const { return m_Color; }
    // The size in points on the screen, rounded.
    static int PointSize(const LOGFONT& lf);

    // Fields
protected:
    LOGFONT m_lf;
    DWORD m_dwFontDialogFlags;
    COLORREF m_Color;
};

#endif // VELMORA_ORXPROPKINDS_H
