// CORXColorMenuButton: a tool-bar or menu item that shows its colour as a strip under its image and
// drops down a colour pop-up. CColorPopup: that pop-up, whose item bar is a colour bar and which
// tears off as a dockable colour bar. CORXColorButton: a dialog's push button that opens the same
// pop-up.
#ifndef VELMORA_ORXCOLORMENUBUTTON_H
#define VELMORA_ORXCOLORMENUBUTTON_H

#include <afxwin.h>
#include <afxext.h>
#include <afxtempl.h>

#include "ORXButton.h"
#include "ORXColorBar.h"
#include "ORXPopupMenu.h"
#include "ORXToolbarMenuButton.h"

// Sent to the frame when a colour pop-up with a document section opens: wParam the command id,
// lParam a CList<COLORREF, COLORREF>* that the frame fills.
extern UINT ORX_WM_TOOLBAR_GETDOCUMENTCOLORS;

class CORXColorMenuButton;

// The colour last chosen for each command: the one store of it. The colour menu buttons of the
// command show it, and so do the colour bars torn off for the command.
class CORXCommandColors
{
public:
    // FALSE when no colour was chosen for the command yet.
    static BOOL Lookup(UINT uiCmdID, COLORREF& color);
    static void Store(UINT uiCmdID, COLORREF color);
    // Stores the colour and shows it on every colour menu button of the command but pExcept; with
    // bBars also on every colour bar of the command.
    static void Spread(UINT uiCmdID, COLORREF color, const CORXColorMenuButton* pExcept, BOOL bBars);

private:
    static CMap<UINT, UINT, COLORREF, COLORREF>& Map();
};

class CORXColorMenuButton : public CORXToolbarMenuButton, public CORXColorBarClient
{
    DECLARE_SERIAL(CORXColorMenuButton)

    // Construction
public:
    CORXColorMenuButton();
    CORXColorMenuButton(UINT uiCmdID, LPCTSTR lpszText, CPalette* pPalette = NULL);
    virtual ~CORXColorMenuButton();

    // Overrides
public:
    virtual void Serialize(CArchive& ar);
    virtual void CopyFrom(const CORXToolbarButton& src);
    virtual void OnDraw(CDC* pDC, const CRect& rect, CORXToolbarImageList* pImages, BOOL bHorz = TRUE,
                        BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                        BOOL bGrayDisabledButtons = TRUE);
    virtual void OnChangeParentWnd(CWnd* pWndParent);
    virtual BOOL OnClick(CWnd* pWnd, BOOL bDelay = TRUE);
    virtual int OnDrawOnCustomizeList(CDC* pDC, const CRect& rect, BOOL bSelected);
    virtual CORXPopupMenu* CreatePopupMenu();
    virtual BOOL IsEmptyMenuAllowed() const { return TRUE; }

    // Overridables
public:
    virtual void SetColor(COLORREF clr, BOOL bNotify = TRUE);
    virtual BOOL OpenColorDialog(const COLORREF colorDefault, COLORREF& colorRes);

    // As the client of its pop-up's bar: the colour becomes the button's and the command's, and
    // the command runs.
    BOOL ChooseOtherColor(CORXColorBar* pBar, COLORREF colorInitial, COLORREF& colorRes) override;
    void OnColorChosen(CORXColorBar* pBar, COLORREF color) override;
    void OnColorCancelled(CORXColorBar* pBar) override;

    // Operations
public:
    COLORREF GetColor() const { return m_Color; }
    static COLORREF GetColorByCmdID(UINT uiCmdID);
    void SetColumnsNumber(int nColumns) { m_nColumns = nColumns; }
    void SetDockedCounts(int nRowsDockHorz, int nColDockVert)
    {
        m_nVertDockColumns = nColDockVert;
        m_nHorzDockRows = nRowsDockHorz;
    }
    void EnableAutomaticButton(LPCTSTR lpszLabel, COLORREF colorAutomatic, BOOL bEnable = TRUE);
    void EnableOtherButton(LPCTSTR lpszLabel, BOOL bAltColorDlg = TRUE, BOOL bEnable = TRUE);
    void EnableDocumentColors(LPCTSTR lpszLabel, BOOL bEnable = TRUE);
    const CArray<COLORREF, COLORREF>& GetColors() const { return m_Colors; }
    COLORREF GetAutomaticColor() const { return m_colorAutomatic; }
    int GetColumns() const { return m_nColumns; }
    int GetRowsDockedHorz() const { return m_nHorzDockRows; }
    int GetColumnsDockedVert() const { return m_nVertDockColumns; }

    // Fields, in the order of the class's published layout
protected:
    COLORREF m_Color;
    COLORREF m_colorAutomatic;
    CArray<COLORREF, COLORREF> m_Colors;
    CPalette m_Palette;
    int m_nColumns;
    int m_nVertDockColumns;
    int m_nHorzDockRows;
    BOOL m_bIsAutomaticButton;
    BOOL m_bIsOtherButton;
    BOOL m_bIsDocumentColors;
    CString m_strAutomaticButtonLabel;
    CString m_strOtherButtonLabel;
    CString m_strDocumentColorsLabel;
    BOOL m_bStdColorDlg;

    // Implementation
protected:
    void Initialize();
    // The docked counts are in the record only when a workspace stored it at version 4.71 or later.
    static BOOL HasDockedCounts();
    // The last click hit the button part rather than its arrow. Delayed opens and menu items are
    // judged nowhere: they hit no part.
    BOOL LastClickHitButtonPart() const { return m_bLastClickJudged && !IsClickedOnArrow(); }

    // The last click was one the base tests against the arrow part.
    BOOL m_bLastClickJudged;
};

class CColorPopup : public CORXPopupMenu
{
    DECLARE_DYNAMIC(CColorPopup)
    friend class CORXColorMenuButton;
    friend class CORXColorButton;

    // Construction
public:
    CColorPopup(const CArray<COLORREF, COLORREF>& colors, COLORREF color, LPCTSTR lpszAutoColor,
                LPCTSTR lpszOtherColor, LPCTSTR lpszDocColors, CList<COLORREF, COLORREF>& lstDocColors,
                int nColumns, int nHorzDockRows, int nVertDockColumns, COLORREF colorAutomatic,
                UINT uiCommandID, CORXColorButton* pParentBtn = NULL);
    virtual ~CColorPopup();

    // Overrides
public:
    virtual CORXPopupMenuBar* GetMenuBar() { return &m_wndColorBar; }
    virtual CORXToolBar* CreateTearOffBar(CFrameWnd* pWndMain, UINT uiID, LPCTSTR lpszName);

    // Attributes
public:
    CORXColorBar& GetColorBar() { return m_wndColorBar; }
    void EnableInCustomizeMode(BOOL bEnable) { m_bEnabledInCustomizeMode = bEnable; }

    // Fields, in the order of the class's published layout
protected:
    CORXColorBar m_wndColorBar;
    BOOL m_bEnabledInCustomizeMode;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()
};

class CORXColorButton : public CORXButton, public CORXColorBarClient
{
    DECLARE_DYNAMIC(CORXColorButton)

    // Construction
public:
    CORXColorButton();
    virtual ~CORXColorButton();

    // Overridables
public:
    virtual void ShowColorPopup();
    virtual void OnDraw(CDC* pDC, const CRect& rect, UINT uiState);

    // Operations
public:
    void SetColor(COLORREF color);
    COLORREF GetColor() const { return m_Color; }
    void UpdateColor(COLORREF color);
    void RebuildPalette(CPalette* pPal);
    void SetPalette(CPalette* pPalette);
    // What the pop-up offers: its colours, columns and labels.
    void SetColors(const CArray<COLORREF, COLORREF>& colors) { m_Colors.Copy(colors); }
    void SetColumnsNumber(int nColumns) { m_nColumns = nColumns; }
    void EnableAutomaticButton(LPCTSTR lpszLabel, COLORREF colorAutomatic, BOOL bEnable = TRUE);
    void EnableOtherButton(LPCTSTR lpszLabel, BOOL bAltColorDlg = TRUE, BOOL bEnable = TRUE);
    CColorPopup* GetPopup() const { return m_pPopup; }
    CPalette* GetPalette() const { return m_pPalette; }
    BOOL UsesAltColorDialog() const { return m_bAltColorDlg; }

    // As the client of its pop-up's bar: the bar edits the button's colour and closes once it is
    // chosen; the button takes the colour and tells its parent.
    BOOL EditsOneValue() const override { return TRUE; }
    void OnColorBarCreated(CORXColorBar* pBar) override;
    void OnColorChosen(CORXColorBar* pBar, COLORREF color) override;
    void OnColorBarClosed(CORXColorBar* pBar) override;
    CPalette* GetColorPalette() const override { return m_pPalette; }

    // Fields, in the order of the class's published layout
protected:
    COLORREF m_Color;
    COLORREF m_ColorAutomatic;
    CArray<COLORREF, COLORREF> m_Colors;
    int m_nColumns;
    CColorPopup* m_pPopup;
    CString m_strAutoColorText;
    CString m_strOtherText;
    BOOL m_bAltColorDlg;
    CPalette* m_pPalette;

    // Implementation
protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnSysColorChange();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXCOLORMENUBUTTON_H
