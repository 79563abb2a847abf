// The dialog bar: a sizing bar made from a dialog template.
#include "ORXDialogBar.h"

#include <algorithm>

#include "ORXGlobalData.h"

IMPLEMENT_SERIAL(CORXDialogBar, CORXSizingControlBar, VERSIONABLE_SCHEMA | 1)

BEGIN_MESSAGE_MAP(CORXDialogBar, CORXSizingControlBar)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CORXDialogBar::CORXDialogBar() : m_sizeDefault(0, 0), m_bAllowSizing(FALSE), m_pOccDialogInfo(NULL) {}

CORXDialogBar::~CORXDialogBar() {}

BOOL CORXDialogBar::Create(LPCTSTR lpszWindowName, CWnd* pParentWnd, UINT nIDTemplate, DWORD dwStyle,
                           UINT nID, BOOL bHasGripper, BOOL bSizing)
{
    return Create(lpszWindowName, pParentWnd, MAKEINTRESOURCE(nIDTemplate), dwStyle, nID, bHasGripper,
                  bSizing);
}

BOOL CORXDialogBar::Create(LPCTSTR lpszWindowName, CWnd* pParentWnd, LPCTSTR lpszTemplateName, DWORD dwStyle,
                           UINT nID, BOOL bHasGripper, BOOL bSizing)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResource(hInst, lpszTemplateName, RT_DIALOG);
    HGLOBAL hTemplate = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
    LPVOID pResource = hTemplate != NULL ? ::LockResource(hTemplate) : NULL;
    if (pResource == NULL)
        return FALSE;

    // The template's own style makes a top-level dialog: the bar is a child of its dock site,
    // with the window style bits the caller gave.
    DWORD cbTemplate = ::SizeofResource(hInst, hResource);
    CByteArray arrTemplate;
    arrTemplate.SetSize(cbTemplate);
    memcpy(arrTemplate.GetData(), pResource, cbTemplate);
    BOOL bExtended = ((WORD*)arrTemplate.GetData())[1] == 0xFFFF;
    DWORD* pStyle = bExtended ? (DWORD*)(arrTemplate.GetData() + 12) : (DWORD*)arrTemplate.GetData();
    DWORD dwWindowStyle = (dwStyle & ~CBRS_ALL) | WS_CHILD | WS_CLIPCHILDREN;
    *pStyle = (*pStyle & (DS_SETFONT | DS_3DLOOK | DS_CONTROL | DS_FIXEDSYS)) | dwWindowStyle;
    if (bExtended)
        ((DWORD*)(arrTemplate.GetData() + 8))[0] = 0; // no extended styles: no WS_EX_DLGMODALFRAME

    m_dwStyle = dwStyle & CBRS_ALL;
    m_bAllowSizing = bSizing;
    m_cyGripper = bHasGripper ? std::max(12, ::GetSystemMetrics(SM_CYSMCAPTION)) : 0;
    BOOL bCreated = CreateDlgIndirect((LPCDLGTEMPLATE)arrTemplate.GetData(), pParentWnd, hInst);
    m_nFlags &= ~WF_CONTINUEMODAL;
    if (!bCreated)
        return FALSE;

    SetDlgCtrlID(nID);
    if (lpszWindowName != NULL)
        SetWindowText(lpszWindowName);
    CRect rect;
    GetClientRect(rect);
    m_sizeDefault = rect.Size();
    m_szHorz = m_szVert = m_szFloat =
        CSize(m_sizeDefault.cx + 2 * m_cxBorder, m_sizeDefault.cy + 2 * m_cxBorder + m_cyGripper);
    m_dwStyle |= CBRS_SIZE_DYNAMIC;
    return TRUE;
}

LRESULT CORXDialogBar::HandleInitDialog(WPARAM, LPARAM)
{
    Default();
    // ActiveX controls of the template need a control container; this framework hosts none, so a
    // template that carries control data cannot be built.
    if (m_pOccDialogInfo != NULL)
        return FALSE;
    return TRUE;
}

BOOL CORXDialogBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(rect);
    pDC->FillRect(rect, &globalData.brBtnFace);
    return TRUE;
}

CSize CORXDialogBar::CalcTemplateLayout(CSize sizeTemplate, BOOL bStretch, BOOL bHorz, int cxBorder,
                                        int cyGripper, int cxEdge, BOOL bNeighbour, CSize sizeMin)
{
    CSize size = sizeTemplate;
    if (bStretch)
    {
        if (bHorz)
            size.cx = 32767;
        else
            size.cy = 32767;
    }
    size.cx = std::min(size.cx + 2 * cxBorder, 32767L);
    size.cy = std::min(size.cy + 2 * cxBorder, 32767L);
    if (bHorz)
    {
        size.cx = std::min(size.cx + cyGripper, 32767L);
        if (bNeighbour)
            size.cy += cxEdge;
    }
    else
    {
        size.cy = std::min(size.cy + cyGripper, 32767L);
        if (bNeighbour)
            size.cx += cxEdge;
    }
    size.cx = std::max(size.cx, sizeMin.cx);
    size.cy = std::max(size.cy, sizeMin.cy);
    return size;
}

CSize CORXDialogBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (m_bAllowSizing)
        return CORXSizingControlBar::CalcFixedLayout(bStretch, bHorz);
    RefreshRowState();
    CPtrArray arrRow;
    int nThis = 0;
    GetRowBars(arrRow, nThis);
    CSize sizeMin = CControlBar::CalcFixedLayout(FALSE, bHorz);
    return CalcTemplateLayout(m_sizeDefault, bStretch, bHorz, m_cxBorder, m_cyGripper, m_cxEdge,
                              arrRow.GetSize() > 1, sizeMin);
}

CSize CORXDialogBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (m_bAllowSizing)
        return CORXSizingControlBar::CalcDynamicLayout(nLength, dwMode);
    if (dwMode & (LM_HORZDOCK | LM_VERTDOCK))
        return CalcFixedLayout(dwMode & LM_STRETCH, dwMode & LM_HORZDOCK);
    return CalcFixedLayout(FALSE, TRUE);
}
