// CORXMenuPage: the customise dialog's "Menu" page: which frame menu the menu bar shows for
// editing, a live preview of a context menu, and the menus' animation and shadows.
#ifndef VELMORA_ORXMENUPAGE_H
#define VELMORA_ORXMENUPAGE_H

#include <afxwin.h>
#include <afxext.h>
#include <afxdlgs.h>

class CORXMenuBar;
class CORXPopupMenu;

class CORXMenuPage : public CPropertyPage
{
    DECLARE_DYNCREATE(CORXMenuPage)

    // Construction
public:
    // bAutoSet also lists the menus of the application's document templates.
    explicit CORXMenuPage(CFrameWnd* pParentFrame = NULL, BOOL bAutoSet = TRUE);
    virtual ~CORXMenuPage();

    enum
    {
        IDD = 16134 // the "Menu" dialog of the framework's resources
    };

    // Operations
public:
    // The preview tells the page that it is closing.
    void CloseContextMenu(CORXPopupMenu* pMenu);
    // What the buttons do once the user has agreed.
    void ResetContextMenu();
    void ResetFrameMenu();

    // Attributes
public:
    CORXMenuBar* GetMenuBar() const { return m_pMenuBar; }
    CORXPopupMenu* GetContextMenu() const { return m_pContextMenu; }
    int GetAnimationType() const { return m_iMenuAnimationType; }
    BOOL GetMenuShadows() const { return m_bMenuShadows; }
    static CPoint GetLastMenuPos() { return m_ptMenuLastPos; }

    // Overrides
protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();

    // Implementation
protected:
    CORXMenuBar* FindMenuBar() const;
    CFrameWnd* GetFrame() const;
    void SaveMenu();
    void ShowIcon(HICON hIcon);
    void ClosePreview();
    HMENU GetSelectedMenu() const;

    CComboBox m_wndMenuesList;
    CComboBox m_wndContextMenus;
    CComboBox m_wndMenuAnimations;
    CString m_strMenuDescr;
    CString m_strContextMenuName;
    CString m_strMenuName;
    int m_iMenuAnimationType;
    BOOL m_bMenuShadows;

    CFrameWnd* m_pParentFrame;
    BOOL m_bAutoSet;
    CORXMenuBar* m_pMenuBar;
    HMENU m_hmenuCurr;     // the menu the bar showed when the page opened
    HMENU m_hmenuSelected; // the menu it shows now
    CORXPopupMenu* m_pContextMenu;
    UINT m_uiContextMenuResId;

    static CPoint m_ptMenuLastPos;

    afx_msg void OnSelchangeMenuesList();
    afx_msg void OnSelchangeContextMenus();
    afx_msg void OnResetContextMenu();
    afx_msg void OnResetFrameMenu();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXMENUPAGE_H
