// CFrameWnd: a frame window with its control bars laid out around a view, command routing
// through the active view and the application, accelerators and status-bar messages.
#ifndef VELMORA_AFXFRAME_H
#define VELMORA_AFXFRAME_H

#include "afx.h"
#include "afxcoll.h"
#include "AfxWnd.h"
#include "AfxControlBar.h"

class CView;
class CControlBar;
class CDockBar;
class CDockState;
class CMiniDockFrameWnd;
class CDocument;
class CDocTemplate;

#define FWS_ADDTOTITLE  0x00008000L
#define FWS_PREFIXTITLE 0x00004000L
#define FWS_SNAPTOBARS  0x00002000L

class CCreateContext
{
public:
    CRuntimeClass* m_pNewViewClass; // the view the frame makes in its client area, or none
    CDocument* m_pCurrentDoc;       // the document that view joins
    CDocTemplate* m_pNewDocTemplate;
    CView* m_pLastView;
    CFrameWnd* m_pCurrentFrame;
    CCreateContext()
    {
        m_pNewViewClass = NULL;
        m_pCurrentDoc = NULL;
        m_pNewDocTemplate = NULL;
        m_pLastView = NULL;
        m_pCurrentFrame = NULL;
    }
};

// What a frame hid to show a print preview, given back when the preview ends.
struct CPrintPreviewState
{
    UINT nIDMainPane; // the pane the preview takes the place of
    HMENU hMenu;      // the menu the frame had
    DWORD dwStates;   // one bit a control bar, in the frame's order: the bar was shown
    HWND hWndFocus;   // the window that had the focus
    HACCEL hAccelTable;
    CPrintPreviewState()
    {
        nIDMainPane = AFX_IDW_PANE_FIRST;
        hMenu = NULL;
        dwStates = 0;
        hWndFocus = NULL;
        hAccelTable = NULL;
    }
};

class CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    static const CRect rectDefault;

    // Construction
    CFrameWnd();
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* pParentWnd = NULL, LPCTSTR lpszMenuName = NULL,
                        DWORD dwExStyle = 0, CCreateContext* pContext = NULL);
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);

    // Attributes
    BOOL m_bAutoMenuEnable; // menu items without a handler are disabled
    BOOL m_bHelpMode;
    CString m_strTitle;
    UINT m_nIDHelp;
    // The frame whose view is active: the frame itself, or in an MDI frame the active child.
    virtual CFrameWnd* GetActiveFrame() { return this; }
    // The document of the active view, NULL when there is none.
    virtual CDocument* GetActiveDocument();
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }
    CString GetTitle() const { return m_strTitle; }
    // The view that commands reach first; none until one is set.
    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);

    // Operations
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    virtual void ActivateFrame(int nCmdShow = -1);
    void SetMessageText(LPCTSTR lpszText);
    void SetMessageText(UINT nID);

    // Control bars
    CControlBar* GetControlBar(UINT nID);
    // Shows or hides a bar and gives its space to the view, now or (bDelay) at the next idle time.
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);
    // Tells the floating windows this frame owns that it was activated, enabled, ... (FS_ flags).
    void NotifyFloatingWindows(DWORD dwFlags);

    // Docking
    // Makes the dock bars of the given sides (CBRS_ALIGN_ bits) along the frame's edges.
    void EnableDocking(DWORD dwDockStyle);
    // Docks the bar on a dock bar of this frame: the given one (by id; 0: the first side the bar
    // allows), at lpRect (screen) when given, else at the end of its last row.
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = NULL);
    void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = NULL);
    // Floats the bar in a new floating frame with its top left at point (screen); dwStyle says
    // how it lies there (CBRS_ALIGN_TOP horizontally, CBRS_ALIGN_LEFT vertically).
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    // Docks the bar where it was docked before it floated.
    void ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = NULL);
    // The side (CBRS_ALIGN_ bit) whose dock bar rect (screen) touches, among dwDockStyle; 0 when none.
    DWORD CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar = NULL);
    void GetDockState(CDockState& state) const;
    void SetDockState(const CDockState& state);
    // The dock state through the application's profile functions.
    void LoadBarState(LPCTSTR lpszProfileName);
    void SaveBarState(LPCTSTR lpszProfileName) const;
    virtual CMiniDockFrameWnd* CreateFloatingFrame(DWORD dwStyle);
    void DestroyDockBars();
    // The dock bar of the side (CBRS_ALIGN_ bit), NULL when docking is not enabled there.
    CDockBar* GetDockBarOfSide(DWORD dwSide) const;
    // The dock bars' ids and styles, top, bottom, left, right.
    static const DWORD dwDockBarMap[4][2];

    // Overridables
    // Makes the client area's windows: the view of the context, when it names one. FALSE fails
    // the frame's creation.
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    // The view of the context's class with the control id nID, joined to the context's document.
    CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    // Puts the frame's menu (hMenuAlt, or the default menu when NULL) on the window.
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
    // A frame titled after its document (FWS_ADDTOTITLE) shows the active document's title; a
    // frame without a document keeps its own title.
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    // The frame's title with the document's name added (before it with FWS_PREFIXTITLE).
    void UpdateFrameTitleForDocument(LPCTSTR lpszDocName);
    // Entering a print preview hides the frame's menu and bars (kept in pState); leaving it shows
    // them again.
    virtual void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState);
    void DelayUpdateFrameMenu(HMENU hMenuAlt);
    void DelayUpdateFrameTitle() { m_nIdleFlags |= idleTitle; }
    // Help mode: FALSE when the help cursor cannot be had.
    virtual BOOL CanEnterHelpMode();
    // The help context of a point on the screen inside the frame (0 none): what the window under
    // it answers to WM_HELPHITTEST, walking up to the frame, else the frame's own resource.
    virtual DWORD MapHelpPoint(CPoint ptScreen);
    // Leaves help mode at the next message of the help loop.
    void ExitHelpMode();
    virtual HACCEL GetDefaultAccelerator();
    // The status-bar prompt of a command: its string up to the first newline.
    virtual void GetMessageString(UINT nID, CString& rMessage) const;
    // The window that shows message strings: the status bar, if the frame has one.
    virtual CWnd* GetMessageBar();

    // Implementation
    virtual ~CFrameWnd();
    virtual BOOL IsFrameWnd() const;
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual void PostNcDestroy();
    // Commands go to the active view, then to the frame, then to the application.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    BOOL LoadAccelTable(LPCTSTR lpszResourceName);
    // The resource id the frame's accelerators were loaded from (0 when none or loaded by name).
    UINT GetAccelResourceID() const { return m_nIDAccelResource; }
    // Replaces the frame's accelerators with a table built from the entries. Entries that cannot be
    // a table (none, too many, unknown flag bits, no command) leave the frame with its resource's
    // own table instead, and FALSE is answered.
    BOOL SetAccelEntries(const ACCEL* pEntries, int nEntries);
    // Goes back to the table of the recorded resource id; FALSE when there is none.
    BOOL RestoreResourceAccelTable();
    // The menu the frame was created with (its default menu). It goes with the window while it is
    // the window's menu; whoever takes it off the window owns it from then on.
    HMENU GetDefaultMenu() const { return m_hMenuDefault; }

    HACCEL m_hAccelTable;
    UINT m_nIDAccelResource;
    BOOL m_bAccelTableBuilt; // m_hAccelTable was made from entries and is the frame's to destroy
    HMENU m_hMenuDefault;
    HMENU m_hMenuAlt; // the menu the next idle menu update puts up (NULL: the default)
    CView* m_pViewActive;
    CPtrList m_listControlBars; // CControlBar*, in creation order
    CRect m_rectBorder;         // space kept free around the view
    BOOL m_bInRecalcLayout;
    // What bars float in (a CMiniDockFrameWnd kind); EnableDocking sets it.
    CRuntimeClass* m_pFloatingFrameClass;
    DWORD m_dwDockStyle;   // the sides with dock bars
    UINT m_nIDTracking;    // the command whose prompt the message bar should show
    UINT m_nIDLastMessage; // the one it shows
    UINT m_nIdleFlags;     // IdleFlags: work left for the next idle time
    enum IdleFlags
    {
        idleMenu = 1,
        idleTitle = 2,
        idleNotify = 4,
        idleLayout = 8
    };

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnClose();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPopMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    // A tool's tip is the second line of its command's string resource.
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    // ID_CONTEXT_HELP (Shift+F1), mapped by the frames that offer it: the help cursor until a
    // click, whose place's help context goes to the application's WinHelp. A frame already in
    // help mode does not enter it again.
    afx_msg void OnContextHelp();
    DECLARE_MESSAGE_MAP()
};

// The rest of the frame family.
#include "AfxView.h"
#include "AfxMiniFrame.h"
#include "AfxDocTemplate.h"
#include "AfxDocument.h"
#include "AfxMDI.h"

#endif // VELMORA_AFXFRAME_H
