// Interfaces through which the core reaches the framework's extras (frames, dialogs, tab window,
// tasks pane, shortcut bar). The extras implement them; the ones the core looks up rather than
// receives they register with CORXServices, and the core works without them.
#ifndef VELMORA_ORXEXTRASHOOKS_H
#define VELMORA_ORXEXTRASHOOKS_H

#include <afxwin.h>
#include <afxext.h>
#include <commctrl.h>

#include "ORXFrameOffers.h"
#include "ORXServices.h"

class CORXToolbarButton;
class CORXToolBar;
class CORXToolbarImageList;
class CORXPopupMenu;

// The overridables of the framework's frame windows that the core asks. A frame offers them
// through ORXFrameOffer, usually by implementing them itself; the hooks know the frame they serve.
class CORXFrameHooks
{
public:
    explicit CORXFrameHooks(CFrameWnd* pHookedFrame) : m_pHookedFrame(pHookedFrame) {}
    virtual ~CORXFrameHooks() {}
    virtual BOOL OnButtonToolHitTest(const CORXToolbarButton* pButton, TOOLINFO* pTI) { return FALSE; }
    virtual BOOL OnGetButtonToolTip(const CORXToolbarButton* pButton, CString& strTTText) { return FALSE; }
    // The text of the key bound to a command, FALSE (text empty) when none. By default the keyboard
    // assignments of the frame's own table answer; a frame that names its keys otherwise overrides it.
    virtual BOOL OnFindCommandKey(UINT uiCmd, CString& strKey);
    // A menu torn off into a new floating bar: FALSE refuses the bar, which is then destroyed.
    virtual BOOL OnTearOffMenu(CORXPopupMenu* pMenuPopup, CControlBar* pBar) { return TRUE; }
    // The bar's control id lies in the frame's range of user-defined tool bars.
    virtual BOOL IsUserDefinedToolbar(const CORXToolBar* pBar) const { return FALSE; }
    // The image of a menu item (TRUE: the frame drew it, the item draws none of its own) and the
    // side band of a pop-up menu.
    virtual BOOL OnDrawMenuItemImage(CDC* pDC, CORXToolbarButton* pMenuItem, const CRect& rectImage)
    {
        return FALSE;
    }
    virtual void OnDrawPopupSideBand(CDC* pDC, CORXPopupMenu* pMenu, const CRect& rectBand) {}
    // One of the frame's pop-up menus closes.
    virtual void OnClosePopupMenu(CORXPopupMenu* pMenu) {}

private:
    CFrameWnd* m_pHookedFrame;
};

// The keys of the keyboard assignments, which the keyboard manager offers for any frame while it
// exists.
class CORXCommandKeyLink
{
public:
    virtual ~CORXCommandKeyLink() {}
    // The text of the first key the frame's table binds to the command; FALSE (text empty) when
    // the command has no key there.
    virtual BOOL FindCommandKey(CFrameWnd* pFrame, UINT uiCmd, CString& strKey) = 0;
};

// The in-place frame active now, NULL when none: the role the in-place frames take and give back
// as they are activated and deactivated, held by the services registry.
class CORXInPlaceFrameRole
{
};
inline CFrameWnd* ORXInPlaceFrame()
{
    return CORXServices::Holder<CORXInPlaceFrameRole, CFrameWnd>();
}
inline void ORXSetInPlaceFrame(CFrameWnd* pFrame)
{
    CORXServices::Hold<CORXInPlaceFrameRole>(pFrame);
}

// The frame that speaks for a window: the current in-place frame, else the window's parent frame
// (or the window itself when it is a frame), else the application's main window. Its hooks are
// ORXFrameOffer<CORXFrameHooks>(ORXFindHooksFrame(pWnd)).
CWnd* ORXFindHooksFrame(CWnd* pWnd);

// The key of a command as a frame shows it: a frame that offers hooks answers through them (whose
// answer, its own or the keyboard assignments', stands); any other frame through the keyboard
// assignments alone. FALSE (text empty) when there is no key or no one to ask.
BOOL ORXFindCommandKey(CWnd* pFrame, UINT uiCmd, CString& strKey);
// The key as menus and tool tips show it: the main window's answer, else the active frame's.
BOOL ORXFindShownCommandKey(UINT uiCmd, CString& strKey);

// The Button Appearance dialog, registered by the extras that offer it: IDOK when the user accepted (the
// button then carries the new text, flags and image); anything else leaves the button as it was.
class CORXButtonAppearance
{
public:
    virtual ~CORXButtonAppearance() {}
    virtual INT_PTR DoButtonAppearance(CORXToolbarButton* pButton, CORXToolbarImageList* pUserImages,
                                       CWnd* pBar, int iStartImage, BOOL bMenuMode) = 0;
};

// The open customise sheet, registered while it is open.
class CORXCustomizeSheet
{
public:
    virtual ~CORXCustomizeSheet() {}
    virtual void ShowToolBar(CORXToolBar* pBar, BOOL bShow) = 0;
    // Fills the combo box with the command categories, each item's data the category's CObList of
    // buttons (the sheet's own); the all-commands category comes last. Without bAddEmpty a category
    // with no real command is left out. FALSE when the sheet keeps no categories.
    virtual BOOL FillCategoriesComboBox(CComboBox& wndCategory, BOOL bAddEmpty = TRUE) { return FALSE; }
    // Asked first when a button image is edited (the dialog that asks, the bitmap, its colour
    // depth): FALSE cancels the edit.
    virtual BOOL OnEditToolbarMenuImage(CWnd* pWndParent, CBitmap& bitmap, int nBitsPerPixel) { return TRUE; }
};

// What the looks read of a tab window.
class CORXTabWndInfo
{
public:
    virtual ~CORXTabWndInfo() {}
    virtual int GetTabsNum() const = 0;
    virtual int GetVisibleTabCount() const = 0;
    virtual int GetActiveTab() const = 0;
    virtual BOOL GetTabLabel(int iTab, CString& strLabel) const = 0;
    virtual COLORREF GetTabBkColor(int iTab) const = 0;   // -1 when none
    virtual COLORREF GetTabTextColor(int iTab) const = 0; // -1 when none
    virtual BOOL IsFlatTab() const = 0;
    virtual BOOL IsLocationBottom() const = 0;
    virtual BOOL IsColored() const = 0;
    virtual BOOL IsColoredStrip() const = 0;
    virtual BOOL IsNoPrefix() const { return FALSE; }
    // The tab window leaves the outlines round its windows to the caller (its draw-frame option).
    virtual BOOL IsDrawFrame() const { return FALSE; }
};

// What the looks read of a tasks-pane group and of a task.
class CORXTasksGroupInfo
{
public:
    virtual ~CORXTasksGroupInfo() {}
    virtual CRect GetCaptionRect() const = 0;
    virtual HICON GetIcon() const = 0;
    virtual CSize GetIconSize() const = 0;
    virtual CString GetName() const = 0;
    virtual BOOL IsSpecial() const = 0;
    virtual BOOL IsCollapsed() const = 0;
    // The pane's own indent of caption text (-1: the look's) and its caption font (NULL: the
    // framework's bold font).
    virtual int GetCaptionTextOffset() const { return -1; }
    virtual HFONT GetCaptionFont() const { return NULL; }
};
class CORXTaskInfo
{
public:
    virtual ~CORXTaskInfo() {}
    virtual CRect GetRect() const = 0;
    virtual BOOL IsSeparator() const = 0;
    virtual HICON GetIcon() const = 0;
    virtual CString GetName() const = 0;
    virtual BOOL IsEnabled() const = 0;
    // Whether the task runs a command (a label does not); the pane's gap between a task's icon and
    // its text (-1: the look's); the task's image in the icon list the pane hands over (-1: none);
    // the pane's font for task text, plain or underlined (NULL: the framework's).
    virtual BOOL HasCommand() const { return TRUE; }
    virtual int GetIconToTextSpacing() const { return -1; }
    virtual int GetIconIndex() const { return -1; }
    virtual HFONT GetTextFont(BOOL bUnderline) const { return NULL; }
};

// A bar that fills its own background (the shortcut bar with a bitmap) or names its colour (the
// caption bar).
class CORXOwnBackground
{
public:
    virtual ~CORXOwnBackground() {}
    virtual BOOL FillOwnBackground(CDC* pDC, CRect rect) { return FALSE; }
    virtual COLORREF GetOwnBackgroundColor() const { return (COLORREF)-1; }
    // TRUE: the looks fill the whole bar with one colour, its own or else the bars' shadow colour.
    virtual BOOL IsSolidBackground() const { return FALSE; }
};

// The user-tools manager as buttons and bars use it, registered while it exists; none when the
// application keeps no user tools.
class CORXUserToolsLink
{
public:
    virtual ~CORXUserToolsLink() {}
    virtual BOOL IsUserToolCmd(UINT uiCmd) const = 0;
    virtual UINT GetToolsEntryCmd() const = 0;
    virtual BOOL DrawToolIcon(UINT uiCmd, CDC* pDC, const CRect& rect) = 0;
    virtual BOOL InvokeTool(UINT uiCmd) = 0;
    // The tools in their order: a menu shows one item per tool at the tools' place.
    virtual int GetToolCount() const { return 0; }
    virtual UINT GetToolCmd(int iIndex) const { return 0; }
    virtual CString GetToolName(int iIndex) const { return CString(); }
    // The tool's icon to the clipboard; FALSE when it could not be copied.
    virtual BOOL CopyToolIcon(UINT uiCmd) { return FALSE; }
};

// The menu sounds, offered by the menus: a bar that sends a command asks for the command sound
// without knowing the menus. None is registered when the program has no menus.
class CORXMenuSoundLink
{
public:
    virtual ~CORXMenuSoundLink() {}
    enum
    {
        soundStop = -1,
        soundCommand = 1,
        soundPopup = 2
    };
    virtual void PlayMenuSound(int nRequest) = 0;
};

// The application's list of recently used files, most recent first (an empty path is an unused
// entry), registered with the services by an application that keeps one.
class CORXRecentFileList
{
public:
    virtual ~CORXRecentFileList() {}
    virtual int GetSize() const = 0;
    virtual CString GetPath(int iIndex) const = 0;
};

// The name a menu shows for a recent file: the path as it is, or only the file's name when it lies
// directly in the current folder (given with its final backslash).
CString ORXRecentFileDisplayName(const CString& strPath, const CString& strCurDir);

#endif // VELMORA_ORXEXTRASHOOKS_H
