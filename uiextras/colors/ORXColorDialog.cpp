// CORXColorDialog and its pages: the hosted sheet, the Standard and Custom pages kept in step with
// the preview, and the hand-over to the system's dialog on displays of few colours.
#include "ORXColorDialog.h"

#include <algorithm>

#include "ORXDrawHelper.h"
#include "ORXGlobalData.h"
#include "uiextras/uiextras_res.h"

/////////////////////////////////////////////////////////////////////////////
// CPropertySheetCtrl

IMPLEMENT_DYNAMIC(CPropertySheetCtrl, CPropertySheet)

BEGIN_MESSAGE_MAP(CPropertySheetCtrl, CPropertySheet)
ON_WM_SIZE()
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
END_MESSAGE_MAP()

CPropertySheetCtrl::CPropertySheetCtrl(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage), m_hAccel(NULL)
{
}

CPropertySheetCtrl::~CPropertySheetCtrl() {}

LRESULT CPropertySheetCtrl::HandleInitDialog(WPARAM, LPARAM)
{
    const LRESULT lResult = Default();
    OnInitDialog();
    return lResult;
}

BOOL CPropertySheetCtrl::OnInitDialog()
{
    // Tab moves from the dialog into the pages.
    ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    ResizePages();
    return TRUE;
}

void CPropertySheetCtrl::ResizePages()
{
    if (GetSafeHwnd() == NULL)
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    HWND hTab = (HWND)SendMessage(PSM_GETTABCONTROL);
    if (hTab != NULL)
        ::SetWindowPos(hTab, NULL, 0, 0, rectClient.Width(), rectClient.Height(),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (int i = 0; i < GetPageCount(); i++)
    {
        CPropertyPage* pPage = GetPage(i);
        if (pPage == NULL || pPage->GetSafeHwnd() == NULL)
            continue;
        CRect rectPage;
        pPage->GetWindowRect(rectPage);
        ScreenToClient(rectPage);
        pPage->SetWindowPos(NULL, rectPage.left, rectPage.top,
                            rectClient.Width() - 3 * ::GetSystemMetrics(SM_CXEDGE),
                            rectClient.Height() - rectPage.top - ::GetSystemMetrics(SM_CYEDGE), SWP_NOZORDER);
    }
}

BOOL CPropertySheetCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pHdr = (NMHDR*)lParam;
    if (pHdr != NULL && pHdr->code == TCN_SELCHANGE)
        ResizePages();
    return CPropertySheet::OnNotify(wParam, lParam, pResult);
}

BOOL CPropertySheetCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (m_hAccel != NULL && ::TranslateAccelerator(GetSafeHwnd(), m_hAccel, pMsg))
        return TRUE;
    return CPropertySheet::PreTranslateMessage(pMsg);
}

void CPropertySheetCtrl::OnSize(UINT nType, int cx, int cy)
{
    CPropertySheet::OnSize(nType, cx, cy);
    ResizePages();
}

void CPropertySheetCtrl::PostNcDestroy()
{
    CPropertySheet::PostNcDestroy();
    if (m_bModeless)
        delete this;
}

/////////////////////////////////////////////////////////////////////////////
// CColorPage1

IMPLEMENT_DYNCREATE(CColorPage1, CPropertyPage)

BEGIN_MESSAGE_MAP(CColorPage1, CPropertyPage)
ON_BN_CLICKED(IDC_ORX_COLOR_HEX, OnHexColor)
ON_BN_CLICKED(IDC_ORX_COLOR_GREY, OnHexGreyscale)
ON_BN_DOUBLECLICKED(IDC_ORX_COLOR_HEX, OnDoubleClicked)
ON_BN_DOUBLECLICKED(IDC_ORX_COLOR_GREY, OnDoubleClicked)
END_MESSAGE_MAP()

CColorPage1::CColorPage1() : CPropertyPage(IDD_ORX_COLOR_PAGE_STANDARD), m_pDialog(NULL) {}

void CColorPage1::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ORX_COLOR_HEX, m_hexpicker);
    DDX_Control(pDX, IDC_ORX_COLOR_GREY, m_hexpickerGreyscale);
}

BOOL CColorPage1::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    CPalette* pPalette = m_pDialog != NULL ? m_pDialog->GetPalette() : NULL;
    m_hexpicker.SetPalette(pPalette);
    m_hexpicker.SetType(CORXColorPickerCtrl::HEX);
    m_hexpickerGreyscale.SetPalette(pPalette);
    m_hexpickerGreyscale.SetType(CORXColorPickerCtrl::HEX_GREYSCALE);
    if (m_pDialog != NULL)
    {
        const COLORREF clr = m_pDialog->GetColor();
        m_hexpicker.SetColor(clr);
        m_hexpickerGreyscale.SetColor(clr);
    }
    return TRUE;
}

void CColorPage1::OnHexColor()
{
    if (m_pDialog == NULL)
        return;
    const COLORREF clr = m_hexpicker.GetColor();
    m_pDialog->SetNewColor(clr);
    m_pDialog->SetPageTwoColor(GetRValue(clr), GetGValue(clr), GetBValue(clr));
    m_hexpickerGreyscale.SetRGB(GetRValue(clr), GetGValue(clr), GetBValue(clr));
    m_hexpickerGreyscale.Invalidate();
}

void CColorPage1::OnHexGreyscale()
{
    if (m_pDialog == NULL)
        return;
    // The cell's own grey: a round trip through lightness would give 191 for the 192 cell.
    const COLORREF clr = m_hexpickerGreyscale.GetColor();
    m_pDialog->SetNewColor(clr);
    m_pDialog->SetPageTwoColor(GetRValue(clr), GetGValue(clr), GetBValue(clr));
    m_hexpicker.SetRGB(GetRValue(clr), GetGValue(clr), GetBValue(clr));
    m_hexpicker.Invalidate();
}

void CColorPage1::OnDoubleClicked()
{
    if (m_pDialog != NULL)
        m_pDialog->EndDialog(IDOK);
}

/////////////////////////////////////////////////////////////////////////////
// CColorPage2

IMPLEMENT_DYNCREATE(CColorPage2, CPropertyPage)

BEGIN_MESSAGE_MAP(CColorPage2, CPropertyPage)
ON_EN_CHANGE(IDC_ORX_COLOR_RED, OnRGBChanged)
ON_EN_CHANGE(IDC_ORX_COLOR_GREEN, OnRGBChanged)
ON_EN_CHANGE(IDC_ORX_COLOR_BLUE, OnRGBChanged)
ON_EN_CHANGE(IDC_ORX_COLOR_LUM, OnHLSChanged)
ON_EN_CHANGE(IDC_ORX_COLOR_SAT, OnHLSChanged)
ON_EN_CHANGE(IDC_ORX_COLOR_HUE, OnHLSChanged)
ON_BN_CLICKED(IDC_ORX_COLOR_LUMBAR, OnLuminance)
ON_BN_CLICKED(IDC_ORX_COLOR_PREVIEW, OnColour)
ON_BN_DOUBLECLICKED(IDC_ORX_COLOR_PREVIEW, OnDoubleClickedColor)
END_MESSAGE_MAP()

CColorPage2::CColorPage2()
    : CPropertyPage(IDD_ORX_COLOR_PAGE_CUSTOM), m_pDialog(NULL), m_r(0), m_b(0), m_g(0), m_l(0), m_h(0),
      m_s(0), m_bIsReady(FALSE), m_bInUpdate(FALSE)
{
}

BYTE CColorPage2::ToByte(double x)
{
    return (BYTE)std::min((int)(x * 255 + 0.5), 255);
}

double CColorPage2::FromByte(UINT b)
{
    return std::min((b + 0.5) * 0.00392156862745098, 1.0);
}

void CColorPage2::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ORX_COLOR_LUMBAR, m_wndLum);
    DDX_Control(pDX, IDC_ORX_COLOR_PREVIEW, m_wndColorPicker);
    DDX_Text(pDX, IDC_ORX_COLOR_RED, m_r);
    DDV_MinMaxInt(pDX, m_r, 0, 255);
    DDX_Text(pDX, IDC_ORX_COLOR_BLUE, m_b);
    DDV_MinMaxInt(pDX, m_b, 0, 255);
    DDX_Text(pDX, IDC_ORX_COLOR_GREEN, m_g);
    DDV_MinMaxInt(pDX, m_g, 0, 255);
    DDX_Text(pDX, IDC_ORX_COLOR_LUM, m_l);
    DDV_MinMaxUInt(pDX, m_l, 0, 255);
    DDX_Text(pDX, IDC_ORX_COLOR_HUE, m_h);
    DDV_MinMaxUInt(pDX, m_h, 0, 255);
    DDX_Text(pDX, IDC_ORX_COLOR_SAT, m_s);
    DDV_MinMaxUInt(pDX, m_s, 0, 255);
}

BOOL CColorPage2::OnInitDialog()
{
    m_bInUpdate = TRUE;
    CPropertyPage::OnInitDialog();
    CPalette* pPalette = m_pDialog != NULL ? m_pDialog->GetPalette() : NULL;
    m_wndColorPicker.SetPalette(pPalette);
    m_wndColorPicker.SetType(CORXColorPickerCtrl::PICKER);
    double dHue, dLum, dSat;
    m_wndColorPicker.GetHLS(&dHue, &dLum, &dSat);
    m_wndLum.SetPalette(pPalette);
    m_wndLum.SetType(CORXColorPickerCtrl::LUMINANCE);
    m_wndLum.SetHLS(dHue, dLum, dSat);
    m_wndLum.SetLuminanceBarWidth(14);
    for (UINT nId = IDC_ORX_COLOR_HUE_SPIN; nId <= IDC_ORX_COLOR_BLUE_SPIN; nId++)
    {
        CWnd* pSpin = GetDlgItem(nId);
        if (pSpin == NULL)
            break;
        pSpin->SendMessage(UDM_SETRANGE, 0, MAKELONG(255, 0));
    }
    UpdateData(FALSE);
    m_bInUpdate = FALSE;
    m_bIsReady = TRUE;
    return TRUE;
}

void CColorPage2::SetRGB(BYTE r, BYTE g, BYTE b)
{
    double dHue, dLum, dSat;
    CORXDrawHelper::RgbToHls(RGB(r, g, b), &dHue, &dLum, &dSat);
    m_wndColorPicker.SetHLS(dHue, dLum, dSat, TRUE);
    m_wndLum.SetHLS(dHue, dLum, dSat, TRUE);
    m_r = r & 0xFF;
    m_g = g & 0xFF;
    m_b = b & 0xFF;
    m_h = ToByte(dHue);
    m_s = ToByte(dSat);
    m_l = ToByte(dLum);
}

void CColorPage2::OnRGBChanged()
{
    if (m_bInUpdate || !m_bIsReady || !UpdateData(TRUE))
        return;
    m_bInUpdate = TRUE;
    const COLORREF clr = RGB(m_r, m_g, m_b);
    if (m_pDialog != NULL)
    {
        m_pDialog->SetNewColor(clr);
        m_pDialog->SetPageOneColor((BYTE)m_r, (BYTE)m_g, (BYTE)m_b);
    }
    double dHue, dLum, dSat;
    CORXDrawHelper::RgbToHls(clr, &dHue, &dLum, &dSat);
    m_h = ToByte(dHue);
    m_s = ToByte(dSat);
    m_l = ToByte(dLum);
    UpdateData(FALSE);
    m_wndColorPicker.SetHLS(dHue, dLum, dSat, TRUE);
    m_wndLum.SetHLS(dHue, dLum, dSat, TRUE);
    m_bInUpdate = FALSE;
}

void CColorPage2::OnHLSChanged()
{
    if (m_bInUpdate || !m_bIsReady || !UpdateData(TRUE))
        return;
    m_bInUpdate = TRUE;
    const double dHue = FromByte(m_h), dSat = FromByte(m_s), dLum = FromByte(m_l);
    const COLORREF clr = CORXDrawHelper::HlsToRgbUnitHue(dHue, dLum, dSat);
    m_r = GetRValue(clr);
    m_g = GetGValue(clr);
    m_b = GetBValue(clr);
    UpdateData(FALSE);
    if (m_pDialog != NULL)
    {
        m_pDialog->SetNewColor(clr);
        m_pDialog->SetPageOneColor((BYTE)m_r, (BYTE)m_g, (BYTE)m_b);
    }
    m_wndColorPicker.SetHLS(dHue, dLum, dSat, TRUE);
    m_wndLum.SetHLS(dHue, dLum, dSat, TRUE);
    m_bInUpdate = FALSE;
}

void CColorPage2::OnLuminance()
{
    m_bInUpdate = TRUE;
    double dHue, dLum, dSat;
    m_wndLum.GetHLS(&dHue, &dLum, &dSat);
    m_wndColorPicker.SetHLS(-1, dLum, -1, TRUE);
    m_wndColorPicker.GetHLS(&dHue, &dLum, &dSat);
    m_h = ToByte(dHue);
    m_s = ToByte(dSat);
    m_l = ToByte(dLum);
    const COLORREF clr = CORXDrawHelper::HlsToRgbUnitHue(dHue, dLum, dSat);
    m_r = GetRValue(clr);
    m_g = GetGValue(clr);
    m_b = GetBValue(clr);
    if (m_pDialog != NULL)
    {
        m_pDialog->SetNewColor(clr);
        m_pDialog->SetPageOneColor((BYTE)m_r, (BYTE)m_g, (BYTE)m_b);
    }
    UpdateData(FALSE);
    m_bInUpdate = FALSE;
}

void CColorPage2::OnColour()
{
    m_bInUpdate = TRUE;
    const COLORREF clrPicked = m_wndColorPicker.GetColor();
    m_r = GetRValue(clrPicked);
    m_g = GetGValue(clrPicked);
    m_b = GetBValue(clrPicked);
    double dHue, dLum, dSat;
    m_wndColorPicker.GetHLS(&dHue, &dLum, &dSat);
    m_wndLum.SetHLS(dHue, -1, dSat, FALSE);
    // Not erased: the bar would take that for a parent drawn anew and ask it for its background.
    m_wndLum.Invalidate(FALSE);
    m_h = ToByte(dHue);
    m_s = ToByte(dSat);
    m_l = ToByte(dLum);
    const COLORREF clr = CORXDrawHelper::HlsToRgbUnitHue(dHue, dLum, dSat);
    if (m_pDialog != NULL)
    {
        m_pDialog->SetNewColor(clr);
        m_pDialog->SetPageOneColor((BYTE)m_r, (BYTE)m_g, (BYTE)m_b);
    }
    UpdateData(FALSE);
    m_bInUpdate = FALSE;
}

void CColorPage2::OnDoubleClickedColor()
{
    if (m_pDialog != NULL)
        m_pDialog->EndDialog(IDOK);
}

/////////////////////////////////////////////////////////////////////////////
// CORXColorDialog

BEGIN_MESSAGE_MAP(CORXColorDialog, CDialog)
ON_WM_DESTROY()
ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

CORXColorDialog::CORXColorDialog(COLORREF clrInit, DWORD, CWnd* pParentWnd, HPALETTE hPal)
    : CDialog(IDD_ORX_COLOR_DIALOG, pParentWnd), m_pPropSheet(NULL), m_pColourSheetOne(NULL),
      m_pColourSheetTwo(NULL), m_CurrentColor(clrInit), m_NewColor(clrInit), m_pPalSys(NULL),
      m_bIsMyPalette(TRUE)
{
    if (hPal != NULL)
    {
        m_pPalSys = CPalette::FromHandle(hPal);
        m_bIsMyPalette = FALSE;
    }
}

CORXColorDialog::~CORXColorDialog()
{
    delete m_pColourSheetOne;
    delete m_pColourSheetTwo;
    if (m_bIsMyPalette)
        delete m_pPalSys;
}

void CORXColorDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ORX_COLOR_PLACEHOLDER, m_wndStaticPlaceHolder);
    DDX_Control(pDX, IDC_ORX_COLOR_PREVIEW, m_wndColors);
}

INT_PTR CORXColorDialog::RunSystemDialog()
{
    static COLORREF s_custom[16];
    CHOOSECOLOR cc = {sizeof(CHOOSECOLOR)};
    cc.hwndOwner = GetSafeHwnd();
    cc.rgbResult = m_CurrentColor;
    cc.lpCustColors = s_custom;
    cc.Flags = CC_FULLOPEN | CC_ANYCOLOR | CC_RGBINIT;
    if (!::ChooseColor(&cc))
        return IDCANCEL;
    m_NewColor = cc.rgbResult;
    return IDOK;
}

void CORXColorDialog::RebuildPalette()
{
    if (!m_bIsMyPalette)
        return;
    if (m_pPalSys == NULL)
        m_pPalSys = new CPalette;
    m_pPalSys->DeleteObject();
    struct
    {
        LOGPALETTE head;
        PALETTEENTRY rest[255];
    } pal;
    pal.head.palVersion = 0x300;
    pal.head.palNumEntries = 256;
    CClientDC dc(this);
    // Only a palette display has a system palette; elsewhere it reads as zeros, and a palette of
    // 256 blacks would make every nearest colour black. The pickers then draw true colours.
    if (!ORXIsPaletteDisplay(dc.GetSafeHdc()))
        return;
    ::GetSystemPaletteEntries(dc.GetSafeHdc(), 0, 256, pal.head.palPalEntry);
    m_pPalSys->CreatePalette(&pal.head);
}

BOOL CORXColorDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (globalData.m_nBitsPerPixel < 8)
    {
        EndDialog((int)RunSystemDialog());
        return TRUE;
    }
    if (m_pPalSys == NULL)
        RebuildPalette();

    m_wndColors.SetType(CORXColorPickerCtrl::CURRENT);
    m_wndColors.SetPalette(m_pPalSys);
    m_wndColors.SetInitialColor(m_CurrentColor);
    m_wndColors.SetColor(m_NewColor);

    m_pPropSheet = new CPropertySheetCtrl(_T(""), this, 0);
    m_pColourSheetOne = new CColorPage1;
    m_pColourSheetTwo = new CColorPage2;
    m_pColourSheetOne->m_pDialog = this;
    m_pColourSheetTwo->m_pDialog = this;
    m_pPropSheet->AddPage(m_pColourSheetOne);
    m_pPropSheet->AddPage(m_pColourSheetTwo);
    if (!m_pPropSheet->Create(this, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0))
    {
        delete m_pPropSheet;
        m_pPropSheet = NULL;
        EndDialog(IDCANCEL);
        return TRUE;
    }
    CRect rectPlace;
    m_wndStaticPlaceHolder.GetWindowRect(rectPlace);
    ScreenToClient(rectPlace);
    m_pPropSheet->SetWindowPos(NULL, rectPlace.left, rectPlace.top, rectPlace.Width(), rectPlace.Height(),
                               SWP_NOZORDER | SWP_NOACTIVATE);
    SetPageOneColor(GetRValue(m_CurrentColor), GetGValue(m_CurrentColor), GetBValue(m_CurrentColor));
    SetPageTwoColor(GetRValue(m_CurrentColor), GetGValue(m_CurrentColor), GetBValue(m_CurrentColor));
    return TRUE;
}

void CORXColorDialog::SetNewColor(COLORREF clr)
{
    m_NewColor = clr;
    COLORREF clrShown = clr;
    if (globalData.m_nBitsPerPixel <= 8 && m_pPalSys != NULL && m_pPalSys->GetSafeHandle() != NULL)
        clrShown = PALETTEINDEX(m_pPalSys->GetNearestPaletteIndex(clr));
    if (m_wndColors.GetSafeHwnd() != NULL)
    {
        m_wndColors.SetColor(clrShown);
        m_wndColors.Invalidate();
        m_wndColors.UpdateWindow();
    }
}

void CORXColorDialog::SetPageOneColor(BYTE r, BYTE g, BYTE b)
{
    if (m_pColourSheetOne == NULL || m_pColourSheetOne->GetSafeHwnd() == NULL)
        return;
    m_pColourSheetOne->m_hexpicker.SetRGB(r, g, b);
    m_pColourSheetOne->m_hexpickerGreyscale.SetRGB(r, g, b);
}

void CORXColorDialog::SetPageTwoColor(BYTE r, BYTE g, BYTE b)
{
    if (m_pColourSheetTwo != NULL)
        m_pColourSheetTwo->SetRGB(r, g, b);
}

void CORXColorDialog::OnDestroy()
{
    if (m_bIsMyPalette && m_pPalSys != NULL)
    {
        delete m_pPalSys;
        m_pPalSys = NULL;
    }
    CDialog::OnDestroy();
}

void CORXColorDialog::OnSysColorChange()
{
    CDialog::OnSysColorChange();
    globalData.UpdateSysColors();
    if (!m_bIsMyPalette)
        return;
    if (globalData.m_nBitsPerPixel < 8)
    {
        ShowWindow(SW_HIDE);
        EndDialog((int)RunSystemDialog());
        return;
    }
    RebuildPalette();
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

BOOL ORXIsPaletteDisplay(HDC hdc)
{
    return hdc != NULL && (::GetDeviceCaps(hdc, RASTERCAPS) & RC_PALETTE) != 0;
}

BOOL ORXRunColorDialog(BOOL bStandard, COLORREF colorDefault, COLORREF& colorRes)
{
    if (bStandard)
    {
        CColorDialog dlg(colorDefault, CC_FULLOPEN | CC_ANYCOLOR);
        if (dlg.DoModal() != IDOK)
            return FALSE;
        colorRes = dlg.GetColor();
        return TRUE;
    }
    CORXColorDialog dlg(colorDefault);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    colorRes = dlg.GetColor();
    return TRUE;
}
