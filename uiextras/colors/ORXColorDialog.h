// CORXColorDialog: the framework's other-colours dialog with its Standard and Custom pages, shown
// in a property sheet hosted inside the dialog (CPropertySheetCtrl).
#ifndef VELMORA_ORXCOLORDIALOG_H
#define VELMORA_ORXCOLORDIALOG_H

#include <afxwin.h>
#include <afxdlgs.h>

#include "ORXColorPickerCtrl.h"

class CORXColorDialog;

// A property sheet that lives as a child window of another dialog.
class CPropertySheetCtrl : public CPropertySheet
{
    DECLARE_DYNAMIC(CPropertySheetCtrl)

    // Construction
public:
    CPropertySheetCtrl(LPCTSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    virtual ~CPropertySheetCtrl();

    // Operations
public:
    // The tab control fills the sheet; each page fills the tab's display area.
    void ResizePages();

    // Implementation
protected:
    HACCEL m_hAccel;

    virtual BOOL OnInitDialog();
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual void PostNcDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// The Standard page: the hexagon palette and the grey hexagons.
class CColorPage1 : public CPropertyPage
{
    DECLARE_DYNCREATE(CColorPage1)

    // Construction
public:
    CColorPage1();

    // Attributes
public:
    CORXColorDialog* m_pDialog;
    CORXColorPickerCtrl m_hexpicker;
    CORXColorPickerCtrl m_hexpickerGreyscale;

    // Implementation
protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    afx_msg void OnHexColor();
    afx_msg void OnHexGreyscale();
    afx_msg void OnDoubleClicked();
    DECLARE_MESSAGE_MAP()
};

// The Custom page: spectrum, luminance bar and the six numeric fields.
class CColorPage2 : public CPropertyPage
{
    DECLARE_DYNCREATE(CColorPage2)

    // Construction
public:
    CColorPage2();

    // Attributes
public:
    CORXColorDialog* m_pDialog;
    CORXColorPickerCtrl m_wndLum;
    CORXColorPickerCtrl m_wndColorPicker;
    int m_r;
    int m_b;
    int m_g;
    UINT m_l;
    UINT m_h;
    UINT m_s;
    BOOL m_bIsReady;
    BOOL m_bInUpdate;

    // Operations
public:
    void SetRGB(BYTE r, BYTE g, BYTE b);
    static BYTE ToByte(double x);
    static double FromByte(UINT b);

    // Implementation
protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    afx_msg void OnRGBChanged();
    afx_msg void OnHLSChanged();
    afx_msg void OnLuminance();
    afx_msg void OnColour();
    afx_msg void OnDoubleClickedColor();
    DECLARE_MESSAGE_MAP()
};

class CORXColorDialog : public CDialog
{
    // Construction
public:
    CORXColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = NULL, HPALETTE hPal = NULL);
    virtual ~CORXColorDialog();

    // Attributes
public:
    COLORREF GetColor() const { return m_NewColor; }
    CPalette* GetPalette() const { return m_pPalSys; }
    CColorPage1* GetStandardPage() const { return m_pColourSheetOne; }
    CColorPage2* GetCustomPage() const { return m_pColourSheetTwo; }
    CPropertySheetCtrl* GetSheet() const { return m_pPropSheet; }

    // Operations
public:
    void SetNewColor(COLORREF clr);
    void SetPageOneColor(BYTE r, BYTE g, BYTE b);
    void SetPageTwoColor(BYTE r, BYTE g, BYTE b);

    // Implementation
protected:
    CStatic m_wndStaticPlaceHolder;
    CORXColorPickerCtrl m_wndColors;
    CPropertySheetCtrl* m_pPropSheet;
    CColorPage1* m_pColourSheetOne;
    CColorPage2* m_pColourSheetTwo;
    COLORREF m_CurrentColor;
    COLORREF m_NewColor;
    CPalette* m_pPalSys;
    BOOL m_bIsMyPalette;

    // The system's colour dialog, for displays of fewer than 8 bits per pixel.
    INT_PTR RunSystemDialog();
    void RebuildPalette();

    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    afx_msg void OnDestroy();
    afx_msg void OnSysColorChange();
    DECLARE_MESSAGE_MAP()
};

// A device with a system palette (RC_PALETTE): the only kind whose system palette entries mean
// anything.
BOOL ORXIsPaletteDisplay(HDC hdc);

// The other-colours dialog of the colour bar and buttons: the system's (bStandard) or this one;
// TRUE with the chosen colour in colorRes on OK.
BOOL ORXRunColorDialog(BOOL bStandard, COLORREF colorDefault, COLORREF& colorRes);

#endif // VELMORA_ORXCOLORDIALOG_H
