// CORXCustomizePage: the customise sheet's "Commands" page, the categories and their commands, from
// which a command is dragged onto a tool bar or a menu; CORXCommandsListBox: its list of commands.
#ifndef VELMORA_ORXCUSTOMIZEPAGE_H
#define VELMORA_ORXCUSTOMIZEPAGE_H

#include <afxwin.h>
#include <afxext.h>
#include <afxdlgs.h>

class CORXToolbarButton;

class CORXCommandsListBox : public CListBox
{
    DECLARE_DYNAMIC(CORXCommandsListBox)

    // Construction
public:
    CORXCommandsListBox();
    virtual ~CORXCommandsListBox();

    // Attributes
public:
    CSize imageAreaSize;
    CORXToolbarButton* GetRowButton(int iRow) const;

    // Overrides
public:
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMIS);
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS);

    // Implementation
protected:
    virtual void PreSubclassWindow();
    // Runs the drag and drop of the row's button; the framework's drop source decides the effect.
    virtual void DragRow(int iRow, const CRect& rectRow);

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};

class CORXCustomizePage : public CPropertyPage
{
    DECLARE_DYNCREATE(CORXCustomizePage)

    // Construction
public:
    CORXCustomizePage();
    virtual ~CORXCustomizePage();

    enum
    {
        IDD = 16104
    };

    // Operations
public:
    // Selects a category or a command by position, as a click does.
    void SelectCategory(int iIndex);
    void SelectCommand(int iIndex);

    // Fields
public:
    CListBox m_wndCategory;
    CORXCommandsListBox m_wndTools;
    CString m_strButtonDescription;
    CORXToolbarButton* m_pSelButton;
    CString m_strReserved;
    CString m_strAllCommands;

    // Overrides
protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();

    // Implementation
protected:
    afx_msg void OnSelchangeCategory();
    afx_msg void OnSelchangeCommands();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXCUSTOMIZEPAGE_H
