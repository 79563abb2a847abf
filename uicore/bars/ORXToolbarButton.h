// CORXToolbarButton: the item of every bar: command, image, text, style bits and place on the bar.
#ifndef VELMORA_ORXTOOLBARBUTTON_H
#define VELMORA_ORXTOOLBARBUTTON_H

#include <afxwin.h>
#include <afxext.h>
#include <afxtempl.h>
#include <commctrl.h>
#include <afxole.h>

#include "ORXToolbarButtonInfo.h"
#include "ORXWorkspaceBase.h"

class CORXToolbarImageList;
class CORXToolbarMenuButton;

// Style bits of a button beside the platform's TBBS_ bits.
#define TBBS_BREAK 0x20000000 // the item starts a new menu column

// The looks draw it through CORXToolbarButtonInfo, which it answers from its own state.
class CORXToolbarButton : public CObject, public CORXToolbarButtonInfo
{
    DECLARE_SERIAL(CORXToolbarButton)

    // Construction
public:
    CORXToolbarButton();
    CORXToolbarButton(UINT uiID, int iImage, LPCTSTR lpszText = NULL, BOOL bUserButton = FALSE,
                      BOOL bLocked = FALSE);
    virtual ~CORXToolbarButton();

    // Overridables, in the order of the class's published layout
public:
    virtual void Serialize(CArchive& ar);
    virtual BOOL CanBeDropped(CWnd* pToolbar) { return TRUE; }
    virtual void CopyFrom(const CORXToolbarButton& src);
    // A new button of this one's run-time class with its state copied; NULL when the class cannot
    // be made. Kinds made otherwise than through their run-time class override it.
    virtual CORXToolbarButton* Clone() const;
    virtual void OnDraw(CDC* pDC, const CRect& rect, CORXToolbarImageList* pImages, BOOL bHorz = TRUE,
                        BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                        BOOL bGrayDisabledButtons = TRUE);
    virtual SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz);
    virtual BOOL OnClick(CWnd* pWnd, BOOL bDelay = TRUE) { return FALSE; }
    virtual BOOL OnClickUp() { return FALSE; }
    virtual void OnChangeParentWnd(CWnd* pWndParent);
    virtual BOOL ExportToMenuButton(CORXToolbarButton& menuButton) const;
    virtual void OnMove() {}
    virtual void OnSize(int iSize) {}
    virtual HWND GetHwnd() { return NULL; }
    virtual BOOL CanBeStretched() const { return FALSE; }
    virtual BOOL NotifyCommand(int iNotifyCode) { return FALSE; }
    virtual void OnAddToCustomizePage() {}
    virtual HBRUSH OnCtlColor(CDC* pDC, UINT nCtlColor) { return NULL; }
    virtual void OnDblClick(CWnd* pWnd) {}
    virtual BOOL CanBeDragged() const { return TRUE; }
    virtual BOOL HasBorder() const { return TRUE; }
    virtual void OnCancelMode() {}
    virtual void OnGlobalFontsChanged() {}
    virtual BOOL CanBeStored() const;
    virtual BOOL OnContextHelp(CWnd* pWnd) { return FALSE; }
    virtual BOOL OnCustomizeMenu(CMenu* pMenu) { return FALSE; }
    virtual int OnDrawOnCustomizeList(CDC* pDC, const CRect& rect, BOOL bSelected);
    virtual BOOL IsDroppedDown() const { return FALSE; }
    virtual BOOL OnBeforeDrag() const { return TRUE; }
    virtual BOOL OnToolHitTest(const CWnd* pWnd, TOOLINFO* pTI);
    virtual void OnAfterAltDrag() {}
    virtual void OnShow(BOOL bShow) {}
    virtual const CRect Rect() const { return m_rect; }
    virtual void SetStyle(UINT nStyle) { m_nStyle = nStyle; }
    virtual void ResetImageToDefault();
    virtual BOOL CompareWith(const CObject& other) const;
    virtual void EnableWindow(BOOL bEnable = TRUE);
    virtual BOOL IsWindowVisible();
    virtual BOOL IsOwnerOf(HWND hwnd);
    virtual BOOL HasFocus() const;
    virtual void SetImage(int iImage);
    virtual void SetRadio() {}
    virtual BOOL IsExtraSize() const { return m_bExtraSize; }

    virtual FaceKind GetFaceKind() const;
    // TRUE: the bar presses the button even while it is disabled (it opens a palette whatever the
    // state of its command).
    virtual BOOL CanBePressedDisabled() const { return FALSE; }

    // Attributes
public:
    int GetImage() const { return m_bUserButton ? m_iUserImage : m_iImage; }
    void SetRect(const CRect rect)
    {
        m_rect = rect;
        OnMove();
    }
    BOOL IsHidden() const { return m_bIsHidden; }
    void Show(BOOL bShow)
    {
        m_bIsHidden = !bShow;
        OnShow(bShow);
    }
    BOOL IsLocked() const { return m_bLocked; }
    UINT GetStyle() const { return m_nStyle; }
    BOOL IsHorizontal() const { return m_bHorz; }

    static CLIPFORMAT GetClipboardFormat();
    // A new button read from drag data of this program's button format, or NULL for anything
    // else: another format, another program's data, damaged or oversized data.
    static CORXToolbarButton* CreateFromOleData(COleDataObject* pDataObject);
    // Writes the button into the data source under the button format; FALSE when it may not be
    // dragged or could not be written.
    BOOL PrepareDrag(COleDataSource& srcItem);
    void FillInterior(CDC* pDC, const CRect& rect, BOOL bHighlight);

    // The label without its mnemonic ampersands ("&&" stays as one "&").
    static CString StripMnemonics(const CString& strText);
    // The label as a menu item shows it in the width: itself while the item fits the menu's width,
    // else the longest start of it that fits followed by "...".
    CString GetFittingLabel(CDC* pDC, const CString& strLabel, int nWidth) const;

    // Reads a stored list of buttons (the count, then each button with its class) into an empty
    // list, for a bar and for every sub-menu inside it. Every entry must be a button made afresh
    // from its own record: a null entry, an object of another class, and a reference to an object
    // read before (an item twice, or a menu holding itself) are damage, as are sub-menus nested
    // deeper than kMaxListDepth. Damage raises an archive exception and leaves the list empty.
    static void ReadList(CArchive& ar, CObList& list);
    enum
    {
        kMaxListDepth = 32
    };

    // Fields, in the order of the class's published layout
public:
    BOOL m_bUserButton;
    UINT m_nID;
    UINT m_nStyle;
    CString m_strText;
    BOOL m_bText;
    BOOL m_bImage;
    BOOL m_bWrap;
    BOOL m_bTextFits;
    BOOL m_bTextBelow;
    CString m_strTextCustom;
    BOOL m_bDragFromCollection;

protected:
    CRect m_rect;
    int m_iImage;
    int m_iUserImage;
    BOOL m_bLocked;
    BOOL m_bIsHidden;
    CSize m_sizeText;
    BOOL m_bDisableFill;
    BOOL m_bExtraSize;
    BOOL m_bHorz;

public:
    static CLIPFORMAT m_cFormat;
    static CString m_strClipboardFormatName;
    static CList<UINT, UINT> m_lstProtectedCommands; // commands that are never stored
    static BOOL m_bWrapText;                         // labels under images wrap
    static BOOL m_bUpdateImages;                     // standard images are recorded with the command manager
    static CString m_strDummyAmpSeq;                 // stands in for "&&" while mnemonics are removed

    // Implementation
protected:
    void Initialize();
};

#endif // VELMORA_ORXTOOLBARBUTTON_H
