// The property list's demonstration: a window with a grid of a clock's settings in groups (a text,
// a number with a list, a Boolean, a colour, a file, a font and a group of values) and two buttons
// that switch between the categorised and the alphabetical view. Every value the user changes, as
// the list reports it, and every layout of its rows goes to the log file.
#include "PropListDemo.h"
#include "DemoSupport.h"

#include <afxext.h>

#include <stdio.h>

#include "ExtrasIds.h"
#include "ORXColorMenuButton.h"
#include "ORXGlobalData.h"
#include "ORXPropList.h"

namespace
{

// The list of the demonstration: each layout writes the rows on show, in screen co-ordinates.
class CDemoPropList : public CORXPropList
{
public:
    void LogRows()
    {
        DemoLog("rows %s %d", IsAlphabeticMode() ? "alpha" : "cat", GetShownCount());
        for (int i = 0; i < GetShownCount(); i++)
        {
            CORXProp* pProp = GetShown(i);
            CRect rect = pProp->GetRect();
            ClientToScreen(rect);
            DemoLog("row %d %ld %ld %ld %ld %d %s", i, rect.left, rect.top, rect.right, rect.bottom,
                    pProp->IsExpanded(), (LPCTSTR)pProp->GetName());
        }
        CPoint ptDivider(GetListRect().left + GetLeftColumnWidth(), 0);
        ClientToScreen(&ptDivider);
        DemoLog("rowsend divider=%ld", ptDivider.x);
    }
    virtual void AdjustLayout()
    {
        CORXPropList::AdjustLayout();
        if (GetSafeHwnd() != NULL && IsWindowVisible())
            LogRows();
    }
};

class CPropListFrame : public CFrameWnd
{
public:
    CDemoPropList m_wndList;
    CButton m_wndCategorized;
    CButton m_wndAlphabetical;
    CORXColorProp* m_pColor = NULL;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
            return -1;
        CFont* pFont = &globalData.fontRegular;
        if (!m_wndCategorized.Create(_T("Categorized"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                     CRect(8, 6, 108, 30), this, IDC_PROPLIST_CATEGORIZED) ||
            !m_wndAlphabetical.Create(_T("Alphabetical"), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                      CRect(116, 6, 216, 30), this, IDC_PROPLIST_ALPHABETICAL))
            return -1;
        m_wndCategorized.SetFont(pFont);
        m_wndAlphabetical.SetFont(pFont);
        if (!m_wndList.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, CRect(8, 38, 408, 378), this,
                              IDC_PROPLIST_LIST))
            return -1;
        m_wndList.SetFont(pFont);
        m_wndList.EnableDescriptionArea();

        CORXProp* pLook = new CORXProp(_T("Appearance"));
        pLook->AddSubItem(new CORXProp(_T("Caption"), CORXVariant::FromText(_T("World clock")),
                                       _T("The text in the clock window's title.")));
        CORXProp* pSize =
            new CORXProp(_T("Size"), CORXVariant::FromLong(10), _T("The height of the digits."));
        pSize->AddOption(_T("8"));
        pSize->AddOption(_T("10"));
        pSize->AddOption(_T("12"));
        pSize->AddOption(_T("16"));
        pLook->AddSubItem(pSize);
        pLook->AddSubItem(
            new CORXProp(_T("Visible"), CORXVariant::FromBool(TRUE), _T("Whether the clock is shown.")));
        m_pColor =
            new CORXColorProp(_T("Back colour"), RGB(255, 255, 255), NULL, _T("The clock face's colour."));
        m_pColor->EnableOtherButton(_T("More Colors..."));
        pLook->AddSubItem(m_pColor);
        LOGFONT lf;
        globalData.fontRegular.GetLogFont(&lf);
        pLook->AddSubItem(
            new CORXFontProp(_T("Font"), lf, CF_EFFECTS | CF_SCREENFONTS, _T("The digits' font.")));
        m_wndList.AddProperty(pLook, FALSE);

        CORXProp* pPlace = new CORXProp(_T("Placement"));
        CORXProp* pPos = new CORXProp(_T("Position"), 0, TRUE);
        pPos->AddSubItem(new CORXProp(_T("X"), CORXVariant::FromLong(40), _T("Left edge, in pixels.")));
        pPos->AddSubItem(new CORXProp(_T("Y"), CORXVariant::FromLong(30), _T("Top edge, in pixels.")));
        pPlace->AddSubItem(pPos);
        pPlace->AddSubItem(new CORXProp(_T("Always on top"), CORXVariant::FromBool(FALSE),
                                        _T("Keeps the clock above other windows.")));
        m_wndList.AddProperty(pPlace, FALSE);

        CORXProp* pSound = new CORXProp(_T("Sound"));
        pSound->AddSubItem(new CORXFileProp(
            _T("Chime"), TRUE, _T("C:\\chime.wav"), _T("wav"), OFN_HIDEREADONLY,
            _T("Sounds (*.wav)|*.wav|All files (*.*)|*.*||"), _T("The sound played on the hour.")));
        pSound->AddSubItem(new CORXProp(_T("Volume"), CORXVariant::FromDouble(0.5), _T("From 0 to 1.")));
        m_wndList.AddProperty(pSound, FALSE);
        m_wndList.AdjustLayout();
        return 0;
    }
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == ORXM_PROPERTYCHANGED)
        {
            CORXProp* pProp = (CORXProp*)lParam;
            DemoLog("changed %d %s=%s", (int)wParam, (LPCTSTR)pProp->GetName(),
                    (LPCTSTR)pProp->FormatProperty());
            return 0;
        }
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
    afx_msg void OnCategorized()
    {
        m_wndList.SetAlphabeticMode(FALSE);
        m_wndList.LogRows();
    }
    afx_msg void OnAlphabetical()
    {
        m_wndList.SetAlphabeticMode(TRUE);
        m_wndList.LogRows();
    }
    afx_msg void OnLogRows() { m_wndList.LogRows(); }
    afx_msg void OnColorCells()
    {
        DemoLogPopupCells(m_pColor != NULL ? m_pColor->GetPopup() : NULL, demoCellPaletteOnly);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPropListFrame, CFrameWnd)
ON_WM_CREATE()
ON_BN_CLICKED(IDC_PROPLIST_CATEGORIZED, OnCategorized)
ON_BN_CLICKED(IDC_PROPLIST_ALPHABETICAL, OnAlphabetical)
ON_COMMAND(ID_PROPLIST_LOGROWS, OnLogRows)
ON_COMMAND(ID_PROPLIST_COLORCELLS, OnColorCells)
END_MESSAGE_MAP()
} // namespace

BOOL RunPropListDemo(CWinApp* pApp, LPCTSTR pszLog)
{
    DemoSetLog(pszLog);
    CPropListFrame* pFrame = new CPropListFrame;
    if (!pFrame->Create(NULL, _T("Property list demonstration"), WS_OVERLAPPEDWINDOW,
                        CRect(200, 120, 640, 560)))
        return FALSE;
    pApp->m_pMainWnd = pFrame;
    DemoShowFrame(pFrame, FALSE);
    pFrame->m_wndList.LogRows();
    DemoLog("ready");
    return TRUE;
}
