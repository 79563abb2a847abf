// CPropertyPage and CPropertySheet over the common controls' property sheets.
#ifndef VELMORA_AFXPROPSHEET_H
#define VELMORA_AFXPROPSHEET_H

#include "afx.h"
#include "afxcoll.h"
#include "AfxDialog.h"
#include <prsht.h>

class CTabCtrl;
class CPropertySheet;

class CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)
public:
    // Construction
    CPropertyPage();
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);
    void Construct(UINT nIDTemplate, UINT nIDCaption = 0);
    void Construct(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);

    // Attributes
    PROPSHEETPAGE m_psp;

    // Operations
    void CancelToClose();
    void SetModified(BOOL bChanged = TRUE);
    LRESULT QuerySiblings(WPARAM wParam, LPARAM lParam);

    // Overridables
    virtual BOOL OnApply();
    virtual void OnReset();
    virtual void OnOK();
    virtual void OnCancel();
    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    virtual BOOL OnQueryCancel();
    virtual LRESULT OnWizardBack();
    virtual LRESULT OnWizardNext();
    virtual BOOL OnWizardFinish();

    // Implementation
    virtual ~CPropertyPage();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL CheckAutoCenter();
    virtual INT_PTR DoModal(); // not for pages: a sheet runs them

    CString m_strCaption;
    BOOL m_bFirstSetActive;
    CPropertySheet* GetParentSheet() const;

protected:
    void CommonConstruct(LPCTSTR lpszTemplateName, UINT nIDCaption);
};

class CPropertySheet : public CWnd
{
    DECLARE_DYNAMIC(CPropertySheet)
public:
    // Construction
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    void Construct(UINT nIDCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
    void Construct(LPCTSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);

    // Modeless creation, also as a child window (dwStyle with WS_CHILD)
    virtual BOOL Create(CWnd* pParentWnd = NULL, DWORD dwStyle = (DWORD)-1, DWORD dwExStyle = 0);

    // Attributes
    PROPSHEETHEADER m_psh;

    int GetPageCount() const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(CPropertyPage* pPage);
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);
    void SetTitle(LPCTSTR lpszText, UINT nStyle = 0);
    CTabCtrl* GetTabControl() const;

    void SetWizardMode();
    void SetFinishText(LPCTSTR lpszText);
    void SetWizardButtons(DWORD dwFlags);

    // Operations
    virtual INT_PTR DoModal();
    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    void EndDialog(int nEndID);
    BOOL PressButton(int nButton);

    // Implementation
    virtual ~CPropertySheet();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    virtual BOOL ContinueModal();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

    CPtrArray m_pages;
    CString m_strCaption;
    CWnd* m_pParentWnd;
    BOOL m_bStacked;
    BOOL m_bModeless;
    PROPSHEETPAGE* m_pPageArray; // the pages as handed to the system
    DWORD m_dwCreateStyle;       // template style for a modeless sheet, (DWORD)-1 to keep it
    DWORD m_dwCreateExStyle;

    void CommonConstruct(CWnd* pParentWnd, UINT iSelectPage);
    void BuildPropPageArray();

    DECLARE_MESSAGE_MAP()
};

INT_PTR CALLBACK AfxPropPageDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

#endif // VELMORA_AFXPROPSHEET_H
