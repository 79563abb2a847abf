// CORXOptionsPage: the customise sheet's "Options" page: the bars' and menus' class-wide switches,
// each written to the framework as soon as it is clicked.
#ifndef VELMORA_ORXOPTIONSPAGE_H
#define VELMORA_ORXOPTIONSPAGE_H

#include <afxwin.h>
#include <afxext.h>
#include <afxdlgs.h>

class CORXOptionsPage : public CPropertyPage
{
    DECLARE_DYNCREATE(CORXOptionsPage)

    // Construction
public:
    explicit CORXOptionsPage(BOOL bIsMenuBarExist = FALSE);
    virtual ~CORXOptionsPage();

    enum
    {
        IDD = 16137
    };

    // Fields
public:
    CButton m_wndVisualizations;
    CButton m_wndLook2000;
    CButton m_wndLargeIcons;
    CButton m_wndRUMenus;
    CButton m_wndResetUsageBtn;
    CStatic m_wndRUMenusLabel;
    CStatic m_wndRUMenusLine;
    CButton m_wndShowAllMenusDelay;
    CButton m_wndShowShortcutKeys;
    BOOL m_bShowTooltips;
    BOOL m_bShowShortcutKeys;
    BOOL m_bRecentlyUsedMenus;
    BOOL m_bShowAllMenusDelay;
    BOOL m_bLargeIcons;
    BOOL m_bLook2000;
    BOOL m_bIsMenuBarExist;

    // Operations
public:
    // A question to the user before the usage data goes.
    virtual int Ask(UINT uiQuestion);

    // Overrides
protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();

    // Implementation
protected:
    afx_msg void OnShowTooltips();
    afx_msg void OnShowShortcutKeys();
    afx_msg void OnRecentlyUsedMenus();
    afx_msg void OnShowAllMenusDelay();
    afx_msg void OnLargeIcons();
    afx_msg void OnLook2000();
    afx_msg void OnResetUsageData();
    afx_msg void OnVisualizations() {}
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXOPTIONSPAGE_H
