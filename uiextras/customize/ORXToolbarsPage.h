// CORXToolbarsPage: the customise sheet's "Toolbars" page, where bars are shown, hidden, made,
// renamed, deleted and reset; CORXToolbarsList: its check list, whose checks can be disabled row
// by row; CORXToolbarNameDlg: the dialog that asks for a bar's name.
#ifndef VELMORA_ORXTOOLBARSPAGE_H
#define VELMORA_ORXTOOLBARSPAGE_H

#include <afxwin.h>
#include <afxext.h>
#include <afxdlgs.h>
#include <afxtempl.h>

#include "AfxCheckListBox.h"

class CORXToolBar;

class CORXToolbarsList : public CCheckListBox
{
    DECLARE_DYNAMIC(CORXToolbarsList)

    // Construction
public:
    CORXToolbarsList();
    virtual ~CORXToolbarsList();

    // Attributes
public:
    void EnableCheck(int nIndex, BOOL bEnable = TRUE);
    BOOL IsCheckEnabled(int nIndex) const;

    // Implementation
protected:
    // One entry per row, kept in step with the rows.
    CArray<BOOL, BOOL> checkEnabledFlags;

    BOOL IsOnCheck(CPoint point, int& nIndex);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()
};

class CORXToolbarNameDlg : public CDialog
{
    // Construction
public:
    explicit CORXToolbarNameDlg(CWnd* pParent = NULL);
    virtual ~CORXToolbarNameDlg();

    enum
    {
        IDD = 16130
    };

    // Fields
public:
    CButton m_btnOk;
    CString toolbarName;

    // Overrides
protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();

    // Implementation
protected:
    afx_msg void OnUpdateToolbarName();
    DECLARE_MESSAGE_MAP()
};

class CORXToolbarsPage : public CPropertyPage
{
    DECLARE_DYNCREATE(CORXToolbarsPage)

    // Construction
public:
    explicit CORXToolbarsPage(CFrameWnd* pParentFrame = NULL);
    virtual ~CORXToolbarsPage();

    enum
    {
        IDD = 16105
    };

    // Operations
public:
    void ShowToolBar(CORXToolBar* pBar, BOOL bShow);
    // The row of the bar, -1 when it is not listed.
    int FindRow(const CORXToolBar* pBar) const;
    // Selects a row as a click on it does.
    void SelectRow(int iRow);
    // What the buttons do once their question has been answered; FALSE when nothing changed.
    BOOL DeleteSelected();
    CORXToolBar* CreateToolbar(const CString& strName);
    BOOL RenameSelected(const CString& strName);
    BOOL ResetSelected();
    void ResetAll();
    // The name dialog, so that tests can answer it; IDOK and the name, or anything else.
    virtual INT_PTR AskToolbarName(CString& strName);
    // A question to the user; the page asks with MB_YESNO | MB_ICONQUESTION.
    virtual int Ask(const CString& strQuestion);

    // Fields
public:
    CButton m_wndTextLabels;
    CButton m_btnRename;
    CButton m_btnNew;
    CButton m_btnDelete;
    CButton m_btnReset;
    CORXToolbarsList m_wndToolbarList;
    BOOL m_bTextLabels;
    CORXToolBar* m_pSelectedToolbar;
    BOOL m_bUserDefinedToolbars;
    CFrameWnd* m_pParentFrame;

    // Overrides
protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

    // Implementation
protected:
    // Puts the row of the bar at the end of the list, checked as the bar shows, and selects it.
    void AppendSelectedRow(const CString& strName, CORXToolBar* pBar, BOOL bChecked);

    afx_msg void OnSelchangeToolbarList();
    afx_msg void OnDblclkToolbarList();
    afx_msg void OnResetToolbar();
    afx_msg void OnResetAllToolbars();
    afx_msg void OnDeleteToolbar();
    afx_msg void OnNewToolbar();
    afx_msg void OnRenameToolbar();
    afx_msg void OnTextLabels();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXTOOLBARSPAGE_H
