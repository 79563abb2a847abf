// The colours dialog run modeless: its hosted pages, the preview kept in step with every page, the
// Custom page's fields and the Standard page's grey hexagons.
#include <gtest/gtest.h>

#include "ORXColorDialog.h"
#include "TestSupport.h"
#include "TestWindows.h"
#include "uiextras/uiextras_res.h"

namespace
{
struct ColorDialog : ::testing::Test
{
    CHiddenTestParent parent;
    CORXColorDialog* pDialog = NULL;

    void Open(COLORREF clr)
    {
        ASSERT_TRUE(parent.CreateHidden());
        pDialog = new CORXColorDialog(clr, 0, &parent);
        ASSERT_TRUE(pDialog->Create(IDD_ORX_COLOR_DIALOG, &parent));
        pDialog->ShowWindow(SW_SHOWNOACTIVATE);
        pDialog->UpdateWindow();
        PumpPending();
    }
    void TearDown() override
    {
        if (pDialog != NULL)
        {
            pDialog->DestroyWindow();
            delete pDialog;
        }
    }
    CColorPage2* ShowCustom()
    {
        pDialog->GetSheet()->SetActivePage(1);
        PumpPending();
        return pDialog->GetCustomPage();
    }
};
} // namespace

TEST_F(ColorDialog, PagesAreHostedAndStartAtTheInitialColour)
{
    Open(RGB(255, 0, 0));
    ASSERT_NE(nullptr, pDialog->GetSheet());
    EXPECT_EQ(2, pDialog->GetSheet()->GetPageCount());
    EXPECT_TRUE(pDialog->GetSheet()->GetStyle() & WS_CHILD);
    EXPECT_EQ(RGB(255, 0, 0), pDialog->GetColor());
    CColorPage1* pStandard = pDialog->GetStandardPage();
    ASSERT_NE((HWND)NULL, pStandard->GetSafeHwnd());
    EXPECT_EQ(CORXColorPickerCtrl::HEX, pStandard->m_hexpicker.GetType());
    EXPECT_EQ(CORXColorPickerCtrl::HEX_GREYSCALE, pStandard->m_hexpickerGreyscale.GetType());
    // Off a palette display the system palette reads as zeros: no palette is made of them.
    CClientDC dc(pDialog);
    if (!ORXIsPaletteDisplay(dc.GetSafeHdc()))
    {
        EXPECT_TRUE(pDialog->GetPalette() == NULL || pDialog->GetPalette()->GetSafeHandle() == NULL);
    }

    CColorPage2* pCustom = ShowCustom();
    ASSERT_NE((HWND)NULL, pCustom->GetSafeHwnd());
    EXPECT_EQ(CString(_T("255")), [&] {
        CString s;
        pCustom->GetDlgItemText(IDC_ORX_COLOR_RED, s);
        return s;
    }());
}

TEST_F(ColorDialog, CustomFieldsSetTheColourAndTheOtherFields)
{
    Open(RGB(0, 0, 0));
    CColorPage2* pCustom = ShowCustom();
    pCustom->SetDlgItemText(IDC_ORX_COLOR_GREEN, _T("128"));
    PumpPending();
    EXPECT_EQ(RGB(0, 128, 0), pDialog->GetColor());
    EXPECT_NEAR(128, GetGValue(pCustom->m_wndColorPicker.GetColor()), 1) << "the spectrum follows";
    CString strSat;
    pCustom->GetDlgItemText(IDC_ORX_COLOR_SAT, strSat);
    EXPECT_EQ(CString(_T("255")), strSat);

    // A hue of 0 with no saturation is the grey of the lightness.
    pCustom->SetDlgItemText(IDC_ORX_COLOR_SAT, _T("0"));
    pCustom->SetDlgItemText(IDC_ORX_COLOR_HUE, _T("0"));
    PumpPending();
    const COLORREF clr = pDialog->GetColor();
    EXPECT_EQ(GetRValue(clr), GetGValue(clr));
    EXPECT_EQ(GetGValue(clr), GetBValue(clr));
}

TEST_F(ColorDialog, GreyHexagonsChooseAGreyAndKeepTheOtherPageInStep)
{
    Open(RGB(12, 34, 56));
    CColorPage1* pStandard = pDialog->GetStandardPage();
    CORXColorPickerCtrl& greys = pStandard->m_hexpickerGreyscale;
    greys.Invalidate();
    greys.UpdateWindow();
    ASSERT_EQ(17, greys.GetCells().GetSize());
    const CORXColorCell* pCell = greys.GetCells()[4];
    greys.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pCell->m_x, pCell->m_y));
    greys.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pCell->m_x, pCell->m_y));
    PumpPending();
    EXPECT_EQ(RGB(192, 192, 192), pDialog->GetColor());
    EXPECT_EQ(RGB(192, 192, 192), pStandard->m_hexpicker.GetColor());
    CColorPage2* pCustom = ShowCustom();
    CString strRed;
    pCustom->GetDlgItemText(IDC_ORX_COLOR_RED, strRed);
    EXPECT_EQ(CString(_T("192")), strRed);
}
