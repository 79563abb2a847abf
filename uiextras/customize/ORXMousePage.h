// CORXMousePage: the customise sheet's "Mouse" page: the command a double click runs in each view
// the application registered with the mouse manager.
#ifndef VELMORA_ORXMOUSEPAGE_H
#define VELMORA_ORXMOUSEPAGE_H

#include <afxwin.h>
#include <afxext.h>
#include <afxcmn.h>
#include <afxdlgs.h>

class CORXMousePage : public CPropertyPage
{
    DECLARE_DYNCREATE(CORXMousePage)

    // Construction
public:
    CORXMousePage();
    virtual ~CORXMousePage();

    enum
    {
        IDD = 16135
    };

    // Operations
public:
    // Selects a view row as a click does.
    void SelectView(int iRow);
    void SelectCommand(int iRow);

    // Fields
public:
    int currentViewId;
    CImageList m_ViewsImages;
    CListCtrl m_wndListOfViews;
    CListBox m_wndListOfCommands;
    CStatic m_wndCommandDescription;
    CString m_strCommandDescription;

    // Overrides
protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();

    // Implementation
protected:
    CString FrameMessage(UINT uiCmd) const;

    afx_msg void OnNoDblClick();
    afx_msg void OnUseDblClick();
    afx_msg void OnSelchangeListOfCommands();
    afx_msg void OnItemchangedListViews(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXMOUSEPAGE_H
