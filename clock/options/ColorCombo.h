// ColorCombo.h: CColorCombo, an owner-drawn list of the sixteen named colours with a swatch each.
#ifndef VELMORA_COLORCOMBO_H
#define VELMORA_COLORCOMBO_H

#include <afxwin.h>

struct COLORCOMBOENTRY
{
    COLORREF crColor;
    TCHAR szName[17];
};

class CColorCombo : public CComboBox
{
    // Construction
public:
    CColorCombo();

    enum
    {
        COLOR_COUNT = 16
    };
    static const COLORCOMBOENTRY s_colors[COLOR_COUNT];

    // Attributes
public:
    BOOL m_bFilled;

    // Operations
public:
    void FillColors();
    // The colour of the selection; black when nothing is selected.
    COLORREF GetSelectedColor();
    // Selects the item of the colour; nothing changes when no item has it.
    void SelectColor(COLORREF crColor);

    // Implementation
protected:
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual void PreSubclassWindow();
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()

    // Set from PreCreateWindow to WM_CREATE: a control being created is subclassed before it can
    // hold items, and is filled once it exists.
    BOOL m_bCreating;
};

#endif // VELMORA_COLORCOMBO_H
