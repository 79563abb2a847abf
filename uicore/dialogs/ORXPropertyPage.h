// CORXPropertyPage: the framework's property-page base: runs the framework's pop-up menus opened
// from the page and tells a framework property sheet which page became active.
#ifndef VELMORA_ORXPROPERTYPAGE_H
#define VELMORA_ORXPROPERTYPAGE_H

#include <afxwin.h>
#include <afxdlgs.h>

#include "ORXDialogImpl.h"

class CORXPropertyPage;

// A framework property sheet hears which of its pages became active.
class CORXPageActivation
{
public:
    virtual ~CORXPageActivation() {}
    virtual void OnActivatePage(CPropertyPage* pPage) = 0;
};

class CORXPropertyPage : public CPropertyPage, public CORXDialogImplHolder
{
    DECLARE_DYNAMIC(CORXPropertyPage)

public:
    CORXPropertyPage();
    explicit CORXPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CORXPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);
    virtual ~CORXPropertyPage();

    // The pop-up menu calls it with the menu opened from the page.
    void SetActiveMenu(CORXPopupMenu* pMenu) { m_Impl.SetActiveMenu(pMenu); }
    virtual CORXDialogImpl& GetDialogImpl() override { return m_Impl; }

    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL OnSetActive();

    // Kept for the framework's property sheet.
    int m_nIcon;
    int m_nCategory;
    int m_nGroup;
    void* m_pSheetData;

protected:
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    void CommonInit();

    CORXDialogImpl m_Impl;

    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXPROPERTYPAGE_H
