// CORXColorBar: the colour palette as an item bar: a grid of colour cells with an optional automatic
// button, a document-colours section and an other-colours button. It lives inside a colour pop-up,
// as a tool bar torn off such a pop-up, or as a child control of a dialog. CColorButton: its cells.
#ifndef VELMORA_ORXCOLORBAR_H
#define VELMORA_ORXCOLORBAR_H

#include <afxwin.h>
#include <afxext.h>
#include <afxtempl.h>

#include "ORXPopupMenuBar.h"
#include "ORXVisualManagerXP.h"
#include "ORXToolbarButton.h"

class CORXColorBar;
class CORXColorButton;

// The one a colour bar tells what the user chose: whatever opened the bar (a colour menu button, a
// dialog's colour button, a property list's colour row) or, for a bar that stands alone (torn off,
// or a dialog's control), the bar itself. The client decides what the colour does.
class CORXColorBarClient
{
public:
    virtual ~CORXColorBarClient() {}
    // The bar edits one value for this client in a pop-up of its own: it holds the mouse from its
    // creation, closes on Escape or a click outside, and closes once the choice is made.
    virtual BOOL EditsOneValue() const { return FALSE; }
    // The bar's window was made (a bar that edits one value holds the mouse already).
    virtual void OnColorBarCreated(CORXColorBar* pBar) {}
    // The other-colours button: asks for a colour, FALSE on Cancel. By default the bar's own dialog.
    virtual BOOL ChooseOtherColor(CORXColorBar* pBar, COLORREF colorInitial, COLORREF& colorRes);
    // The colour chosen (-1: automatic).
    virtual void OnColorChosen(CORXColorBar* pBar, COLORREF color) = 0;
    // The other-colours dialog was cancelled.
    virtual void OnColorCancelled(CORXColorBar* pBar) {}
    // The bar's window goes.
    virtual void OnColorBarClosed(CORXColorBar* pBar) {}
    // The palette to draw the cells with at 8 bits per pixel; NULL: the bar's own.
    virtual CPalette* GetColorPalette() const { return NULL; }
};

class CColorButton : public CORXToolbarButton
{
    DECLARE_SERIAL(CColorButton)

    // Construction
public:
    CColorButton();
    CColorButton(COLORREF color, BOOL bIsAutomatic = FALSE, BOOL bIsOther = FALSE, LPCTSTR lpszText = NULL,
                 BOOL bIsLabel = FALSE, BOOL bIsDocument = FALSE, BOOL bIsOtherColor = FALSE);

    // Overrides
public:
    virtual void OnDraw(CDC* pDC, const CRect& rect, CORXToolbarImageList* pImages, BOOL bHorz = TRUE,
                        BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                        BOOL bGrayDisabledButtons = TRUE);
    virtual void OnChangeParentWnd(CWnd* pWndParent);
    virtual BOOL OnToolHitTest(const CWnd* pWnd, TOOLINFO* pTI);

    // Attributes
public:
    // Neither the automatic nor the other-colours button nor a caption.
    BOOL IsPlain() const { return !m_bIsAutomatic && !m_bIsOther && !m_bIsLabel; }
    // The tip: the button's text; for a plain cell the registered name of its colour, else its
    // channels in hexadecimal.
    CString GetTipText() const;

    // Fields, in the order of the class's published layout
public:
    COLORREF m_Color;
    BOOL m_bHighlight;
    BOOL m_bIsAutomatic;
    BOOL m_bIsOther;
    BOOL m_bIsLabel;
    BOOL m_bIsDocument;
    BOOL m_bIsOtherColor;
    CORXColorBar* m_pParentBar;
};

class CORXColorBar : public CORXPopupMenuBar, public CORXColorBarInfo, public CORXColorBarClient
{
    DECLARE_SERIAL(CORXColorBar)
    friend class CColorButton;
    friend class CColorPopup;

    // Construction
public:
    CORXColorBar();
    CORXColorBar(const CArray<COLORREF, COLORREF>& colors, COLORREF color, LPCTSTR lpszAutoColor,
                 LPCTSTR lpszOtherColor, LPCTSTR lpszDocColors, CList<COLORREF, COLORREF>& lstDocColors,
                 int nColumns, int nRowsDockHorz, int nColDockVert, COLORREF colorAutomatic, UINT nCommandID,
                 CORXColorButton* pParentBtn);
    CORXColorBar(CORXColorBar& src, UINT uiCommandID);
    virtual ~CORXColorBar();

    // Overrides
public:
    virtual void Serialize(CArchive& ar);
    BOOL LoadState(LPCTSTR lpszProfileName = NULL, int nIndex = -1, UINT uiID = (UINT)-1) override;
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    virtual void DoPaint(CDC* pDC);
    virtual BOOL AllowChangeTextLabels() const { return FALSE; }
    virtual CSize CalcSize(BOOL bVertDock);
    virtual CSize WrapButtons(int nLength, DWORD dwMode);
    virtual void PlaceButtons();
    virtual BOOL OnSendCommand(const CORXToolbarButton* pButton);
    virtual BOOL AllowShowOnList() const { return TRUE; }
    virtual BOOL OnKey(UINT nChar);
    virtual void ShowCommandMessageString(UINT uiCmdId);
    virtual BOOL AllowAltCustomization() const { return FALSE; }
    virtual BOOL GetButtonToolTipText(const CORXToolbarButton* pButton, CString& strTTText) const;
    virtual void AdjustLayout() { CORXToolBar::AdjustLayout(); }
    // A bar torn off into the frame's bars, not one in a pop-up or a dialog.
    BOOL IsInToolBar() const override;

    // Overridables
public:
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID, CPalette* pPalette = NULL,
                        int nColumns = 0, int nRowsDockHorz = 0, int nColDockVert = 0);
    virtual BOOL CreateControl(CWnd* pParentWnd, const CRect& rect, UINT nID, int nColumns = -1,
                               CPalette* pPalette = NULL);
    virtual BOOL OpenColorDialog(const COLORREF colorDefault, COLORREF& colorRes);
    virtual void Rebuild();

    // Operations
public:
    void SetColor(COLORREF color);
    COLORREF GetColor() const { return m_ColorSelected; }
    static int InitColors(CPalette* pPalette, CArray<COLORREF, COLORREF>& arColors);
    void SetControlSizes(BOOL bSquareButtons = TRUE, BOOL bCenter = TRUE);
    CSize GetColumnsAndRows(BOOL bVert) const;
    int GetExtraHeight(int nNumColumns) const;
    CPalette* SelectPalette(CDC* pDC);
    static BOOL CreatePalette(const CArray<COLORREF, COLORREF>& arColors, CPalette& palette);

    // What the implementer attaches: the client that opened the bar (see GetClient), and whether
    // mouse input counts while the framework is customised.
    void SetColorBarClient(CORXColorBarClient* pClient) { m_pClient = pClient; }
    void SetActiveInCustomizeMode(BOOL bActive) { m_bIsActiveInCustomizeMode = bActive; }

    // Attributes
public:
    const CArray<COLORREF, COLORREF>& GetColors() const { return m_colors; }
    void SetColors(const CArray<COLORREF, COLORREF>& colors) { m_colors.Copy(colors); }
    CList<COLORREF, COLORREF>& GetDocumentColors() { return m_lstDocColors; }
    // The bar's own palette: made on the first paint at 8 bits per pixel.
    const CPalette& GetPalette() const { return m_Palette; }
    COLORREF GetAutomaticColor() const { return m_ColorAutomatic; }
    UINT GetCommandID() const { return m_nCommandID; }
    void SetCommandID(UINT nID) { m_nCommandID = nID; }
    BOOL IsTearOff() const { return m_bIsTearOff; }
    CSize GetBoxSize() const { return m_BoxSize; }
    void SetBoxSize(CSize size)
    {
        m_BoxSize = size;
        m_nRowHeight = size.cy * 3 / 2;
    }
    int GetWideRowHeight() const { return m_nRowHeight; }
    CPoint GetCentringOffset() const { return CPoint(m_nHorzOffset, m_nVertOffset); }
    void SetLabels(LPCTSTR lpszAuto, LPCTSTR lpszOther, LPCTSTR lpszDoc)
    {
        m_strAutoColor = lpszAuto != NULL ? lpszAuto : _T("");
        m_strOtherColor = lpszOther != NULL ? lpszOther : _T("");
        m_strDocColors = lpszDoc != NULL ? lpszDoc : _T("");
    }
    void SetShowDocumentColors(BOOL bShow) { m_bShowDocColorsWhenDocked = bShow; }
    // Who hears the choice: the client attached (a colour button or a property list), else the
    // client button that opened the bar's pop-up (a colour menu button), else the bar itself.
    CORXColorBarClient* GetClient() const;
    // The bar's own other-colours dialog: the system's or the framework's, as the bar was set up.
    BOOL RunColorDialog(COLORREF colorInitial, COLORREF& colorRes) const;
    // Colour names shown as tips; the application fills the map.
    static CMap<COLORREF, COLORREF, CString, LPCTSTR>& GetColorNames() { return m_ColorNames; }

    // Fields, in the order of the class's published layout
protected:
    int m_nNumColumns;
    int m_nNumRowsHorz;
    int m_nNumColumnsVert;
    CArray<COLORREF, COLORREF> m_colors;
    CPalette m_Palette;
    CSize m_BoxSize;
    int m_nRowHeight;
    COLORREF m_ColorSelected;
    COLORREF m_ColorAutomatic;
    CString m_strAutoColor;
    CString m_strOtherColor;
    CString m_strDocColors;
    CList<COLORREF, COLORREF> m_lstDocColors;
    UINT m_nCommandID;
    BOOL m_bStdColorDlg;
    BOOL m_bIsTearOff;
    BOOL m_bIsEnabled;
    BOOL m_bShowDocColorsWhenDocked;
    CORXColorBarClient* m_pClient;
    int m_nHorzOffset;
    int m_nVertOffset;
    BOOL m_bIsActiveInCustomizeMode;
    int m_nVertMargin;
    int m_nHorzMargin;

    static CMap<COLORREF, COLORREF, CString, LPCTSTR> m_ColorNames;

    // Implementation
protected:
    BOOL IsFloatingBar() const { return (m_dwStyle & CBRS_FLOATING) != 0; }
    BOOL IgnoresMouse() const { return IsCustomizeMode() && !m_bIsActiveInCustomizeMode; }
    BOOL ServesOneValue() const { return GetClient()->EditsOneValue(); }
    CWnd* GetMessageTarget() const;
    void FocusFrame();
    // The choice goes to the client; a pop-up that edits one value closes after it.
    void ApplyColor(COLORREF color);
    void CancelChoice();

    // As its own client, a bar that stands alone: the colour becomes the command's, and the
    // command runs.
    void OnColorChosen(CORXColorBar* pBar, COLORREF color) override;
    void OnColorCancelled(CORXColorBar* pBar) override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnQueryNewPalette();
    afx_msg void OnPaletteChanged(CWnd* pFocusWnd);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXCOLORBAR_H
