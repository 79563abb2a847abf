// The owner-drawn button and the link button: styles read at creation, check boxes and radio
// groups, clicks and auto-repeat, size, drawing, and what a link opens.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ORXButton.h"
#include "ORXGlobalData.h"
#include "ORXLinkButton.h"
#include "TestDrawing.h"
#include "TestWindows.h"

namespace
{
// A 32-bit memory surface the buttons draw on, read back pixel by pixel.
class CButtonSurface : public CTestSurface
{
public:
    CButtonSurface(int cx, int cy) : CTestSurface(cx, cy) {}
    void Draw(CORXButton& button, UINT uiState = 0)
    {
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_BUTTON;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = uiState;
        dis.hwndItem = button.GetSafeHwnd();
        dis.hDC = Handle();
        dis.rcItem = Rect();
        button.DrawItem(&dis);
    }
};

// An 8 x 8 bitmap of one colour with corners of another (grey, 0xC0C0C0, unless told).
HBITMAP MakeBitmap(COLORREF clr, COLORREF clrCorners = RGB(192, 192, 192))
{
    HDC hScreen = ::GetDC(NULL);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = 8;
    bmi.bmiHeader.biHeight = 8;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 24;
    void* pBits = NULL;
    HBITMAP hbmp = ::CreateDIBSection(hScreen, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    ::ReleaseDC(NULL, hScreen);
    HGDIOBJ hOld = ::SelectObject(hDC, hbmp);
    for (int y = 0; y < 8; y++)
        for (int x = 0; x < 8; x++)
            ::SetPixel(hDC, x, y, ((x == 0 || x == 7) && (y == 0 || y == 7)) ? clrCorners : clr);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    return hbmp;
}

class RecordingOpener : public IORXLinkOpener
{
public:
    struct Request
    {
        std::string strTarget;
        int nShowCmd;
    };
    std::vector<Request> m_requests;
    HINSTANCE Open(HWND, LPCSTR pszTarget, int nShowCmd) override
    {
        m_requests.push_back({pszTarget, nShowCmd});
        return (HINSTANCE)33;
    }
};

class ButtonsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The buttons' parent records the commands they send that no button takes back itself.
        m_pParent = new CRecordingFrame;
        m_pParent->m_bRouteCommands = TRUE;
        ASSERT_TRUE(m_pParent->Create(NULL, _T("Buttons test"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300)));
    }
    void TearDown() override { m_pParent->DestroyWindow(); }

    BOOL Make(CORXButton& button, LPCTSTR lpszText, DWORD dwStyle, UINT nID, int y = 10)
    {
        return button.Create(lpszText, WS_CHILD | WS_VISIBLE | dwStyle, CRect(10, y, 90, y + 24), m_pParent,
                             nID);
    }
    static void Send(CWnd& wnd, UINT message, WPARAM wParam, int x, int y)
    {
        wnd.SendMessage(message, wParam, MAKELPARAM(x, y));
    }
    // A press inside and a release at (x, y), moving there with the button held.
    static void Click(CWnd& wnd, int x = 20, int y = 10)
    {
        Send(wnd, WM_MOUSEMOVE, 0, 20, 10);
        Send(wnd, WM_LBUTTONDOWN, MK_LBUTTON, 20, 10);
        Send(wnd, WM_MOUSEMOVE, MK_LBUTTON, x, y);
        Send(wnd, WM_LBUTTONUP, 0, x, y);
    }

    CRecordingFrame* m_pParent = NULL;
};
} // namespace

TEST_F(ButtonsTest, CreationReadsTheButtonKindAndAlignmentAndMakesItOwnerDrawn)
{
    struct
    {
        DWORD dwStyle;
        BOOL bCheckBox, bRadio, bAutoCheck;
        int nAlign;
    } cases[] = {
        {BS_PUSHBUTTON | BS_LEFT, FALSE, FALSE, FALSE, CORXButton::ALIGN_CENTER}, // push buttons keep centre
        {BS_DEFPUSHBUTTON, FALSE, FALSE, FALSE, CORXButton::ALIGN_CENTER},
        {BS_CHECKBOX, TRUE, FALSE, FALSE, CORXButton::ALIGN_CENTER},
        {BS_AUTOCHECKBOX | BS_LEFT, TRUE, FALSE, TRUE, CORXButton::ALIGN_LEFT},
        {BS_RADIOBUTTON | BS_RIGHT, FALSE, TRUE, FALSE, CORXButton::ALIGN_RIGHT},
        {BS_AUTORADIOBUTTON | BS_CENTER, FALSE, TRUE, TRUE, CORXButton::ALIGN_CENTER},
    };
    UINT nID = 100;
    for (auto& c : cases)
    {
        CORXButton button;
        ASSERT_TRUE(Make(button, _T("B"), c.dwStyle, nID++));
        EXPECT_EQ(c.bCheckBox, button.IsCheckBox()) << std::hex << c.dwStyle;
        EXPECT_EQ(c.bRadio, button.IsRadioButton()) << std::hex << c.dwStyle;
        EXPECT_EQ(c.bAutoCheck, button.IsAutoCheck()) << std::hex << c.dwStyle;
        EXPECT_EQ(c.nAlign, button.m_nAlignStyle) << std::hex << c.dwStyle;
        EXPECT_EQ((DWORD)BS_OWNERDRAW, button.GetStyle() & BS_TYPEMASK) << std::hex << c.dwStyle;
    }

    // Subclassing a button made elsewhere reads its style the same way.
    HWND hWnd = ::CreateWindow(_T("BUTTON"), _T("S"), WS_CHILD | BS_AUTORADIOBUTTON, 0, 0, 50, 20,
                               m_pParent->GetSafeHwnd(), (HMENU)200, NULL, NULL);
    CORXButton subclassed;
    ASSERT_TRUE(subclassed.SubclassWindow(hWnd));
    EXPECT_TRUE(subclassed.IsRadioButton());
    EXPECT_TRUE(subclassed.IsAutoCheck());
    EXPECT_EQ((DWORD)BS_OWNERDRAW, subclassed.GetStyle() & BS_TYPEMASK);
}

TEST_F(ButtonsTest, CheckStateBelongsToCheckBoxesAndRadiosAndRadioGroupsHoldOneCheck)
{
    CORXButton push, check;
    ASSERT_TRUE(Make(push, _T("Push"), WS_GROUP | BS_PUSHBUTTON, 10));
    ASSERT_TRUE(Make(check, _T("Check"), WS_GROUP | BS_CHECKBOX, 11));
    push.SendMessage(BM_SETCHECK, BST_CHECKED);
    EXPECT_EQ(0, (int)push.SendMessage(BM_GETCHECK));
    EXPECT_EQ(0, (int)check.SendMessage(BM_SETCHECK, BST_CHECKED));
    EXPECT_EQ(BST_CHECKED, (int)check.SendMessage(BM_GETCHECK));
    check.SendMessage(BM_SETCHECK, BST_UNCHECKED);
    EXPECT_EQ(BST_UNCHECKED, (int)check.SendMessage(BM_GETCHECK));

    // Group one: three radios, the middle one disabled and the last hidden; group two: one radio.
    CORXButton r1, r2, r3, other;
    ASSERT_TRUE(Make(r1, _T("1"), WS_GROUP | BS_RADIOBUTTON, 21));
    ASSERT_TRUE(Make(r2, _T("2"), WS_DISABLED | BS_RADIOBUTTON, 22));
    ASSERT_TRUE(Make(r3, _T("3"), BS_RADIOBUTTON, 23));
    ASSERT_TRUE(Make(other, _T("4"), WS_GROUP | BS_RADIOBUTTON, 24));
    r3.ShowWindow(SW_HIDE);
    r2.SendMessage(BM_SETCHECK, BST_CHECKED);
    r3.SendMessage(BM_SETCHECK, BST_CHECKED);
    other.SendMessage(BM_SETCHECK, BST_CHECKED);
    EXPECT_FALSE(r2.IsChecked()) << "a disabled member is unchecked as well";
    r1.SendMessage(BM_SETCHECK, BST_CHECKED);
    EXPECT_TRUE(r1.IsChecked());
    EXPECT_FALSE(r2.IsChecked());
    EXPECT_FALSE(r3.IsChecked()) << "a hidden member is unchecked as well";
    EXPECT_TRUE(other.IsChecked()) << "another group is left alone";

    // Unchecking one radio checks nothing else.
    r1.SendMessage(BM_SETCHECK, BST_UNCHECKED);
    EXPECT_FALSE(r1.IsChecked() || r2.IsChecked() || r3.IsChecked());
}

TEST_F(ButtonsTest, ArrowKeysMoveARadioCheckToTheNextUsableMemberOfTheGroup)
{
    CORXButton r1, r2, r3, other;
    ASSERT_TRUE(Make(r1, _T("1"), WS_GROUP | BS_AUTORADIOBUTTON, 31));
    ASSERT_TRUE(Make(r2, _T("2"), WS_DISABLED | BS_AUTORADIOBUTTON, 32));
    ASSERT_TRUE(Make(r3, _T("3"), BS_AUTORADIOBUTTON, 33));
    ASSERT_TRUE(Make(other, _T("4"), WS_GROUP | BS_AUTORADIOBUTTON, 34));
    r1.SendMessage(BM_SETCHECK, BST_CHECKED);

    MSG msg = {r1.GetSafeHwnd(), WM_KEYDOWN, VK_DOWN, 0};
    EXPECT_TRUE(r1.PreTranslateMessage(&msg));
    EXPECT_TRUE(r3.IsChecked()) << "the disabled radio is passed over";
    EXPECT_FALSE(r1.IsChecked());
    EXPECT_FALSE(other.IsChecked());
    ASSERT_EQ(1u, m_pParent->m_received.size());
    EXPECT_EQ(33u, m_pParent->m_received[0].nID);

    msg.hwnd = r3.GetSafeHwnd();
    msg.wParam = VK_DOWN; // past the end of the group: back to its start
    EXPECT_TRUE(r3.PreTranslateMessage(&msg));
    EXPECT_TRUE(r1.IsChecked());
    msg.hwnd = r1.GetSafeHwnd();
    msg.wParam = VK_LEFT;
    EXPECT_TRUE(r1.PreTranslateMessage(&msg));
    EXPECT_TRUE(r3.IsChecked());

    msg.wParam = 'A'; // other keys go on
    EXPECT_FALSE(r1.PreTranslateMessage(&msg));
}

TEST_F(ButtonsTest, AClickIsAReleaseInsideAndAutoCheckTogglesOnlyOnClicks)
{
    CORXButton check, radio;
    ASSERT_TRUE(Make(check, _T("Check"), WS_GROUP | BS_AUTOCHECKBOX, 41, 10));
    ASSERT_TRUE(Make(radio, _T("Radio"), WS_GROUP | BS_AUTORADIOBUTTON, 42, 50));

    Click(check);
    EXPECT_EQ(1, m_pParent->Count(41, BN_CLICKED));
    EXPECT_TRUE(check.IsChecked());
    EXPECT_FALSE(check.IsPushed() || check.IsCaptured()) << "the mouse state ends with the click";
    Click(check);
    EXPECT_EQ(2, m_pParent->Count(41, BN_CLICKED));
    EXPECT_FALSE(check.IsChecked());

    Click(check, 20, 200); // released outside
    EXPECT_EQ(2, m_pParent->Count(41, BN_CLICKED));
    EXPECT_FALSE(check.IsChecked());

    Click(radio);
    Click(radio);
    EXPECT_TRUE(radio.IsChecked()) << "a second click leaves a radio checked";
    EXPECT_EQ(2, m_pParent->Count(42, BN_CLICKED));

    // Cancel mode and disabling drop a press.
    Send(check, WM_LBUTTONDOWN, MK_LBUTTON, 20, 10);
    EXPECT_TRUE(check.IsPushed());
    check.SendMessage(WM_CANCELMODE);
    EXPECT_FALSE(check.IsPushed() || check.IsCaptured());
    Send(check, WM_LBUTTONDOWN, MK_LBUTTON, 20, 10);
    check.EnableWindow(FALSE);
    EXPECT_FALSE(check.IsPushed() || check.IsCaptured());
}

TEST_F(ButtonsTest, AutoRepeatSendsClicksOnlyWhileHeldInside)
{
    CORXButton plain, repeat;
    ASSERT_TRUE(Make(plain, _T("Plain"), BS_PUSHBUTTON, 51, 10));
    ASSERT_TRUE(Make(repeat, _T("Repeat"), BS_PUSHBUTTON, 52, 50));

    Send(plain, WM_LBUTTONDOWN, MK_LBUTTON, 20, 10);
    PumpFor(350);
    EXPECT_EQ(0, m_pParent->Count(51, BN_CLICKED)) << "no repeat without a delay";
    Send(plain, WM_LBUTTONUP, 0, 20, 10);

    repeat.SetAutoRepeatMode(100);
    Send(repeat, WM_LBUTTONDOWN, MK_LBUTTON, 20, 10);
    PumpFor(550);
    int nHeld = m_pParent->Count(52, BN_CLICKED);
    EXPECT_GE(nHeld, 2);
    EXPECT_LE(nHeld, 6);

    // Held outside: the timer sends nothing; back inside it sends again.
    Send(repeat, WM_MOUSEMOVE, MK_LBUTTON, 20, 200);
    repeat.SendMessage(WM_TIMER, CORXButton::IdAutoRepeatTimer);
    EXPECT_EQ(nHeld, m_pParent->Count(52, BN_CLICKED));
    Send(repeat, WM_MOUSEMOVE, MK_LBUTTON, 20, 10);
    repeat.SendMessage(WM_TIMER, CORXButton::IdAutoRepeatTimer);
    EXPECT_EQ(nHeld + 1, m_pParent->Count(52, BN_CLICKED));

    // The release stops the timer.
    Send(repeat, WM_LBUTTONUP, 0, 20, 10);
    int nAfter = m_pParent->Count(52, BN_CLICKED);
    PumpFor(300);
    EXPECT_EQ(nAfter, m_pParent->Count(52, BN_CLICKED));
}

TEST_F(ButtonsTest, SizeToContentAddsTenAndTenMoreForAText)
{
    CORXButton imageOnly, withText;
    ASSERT_TRUE(Make(imageOnly, _T(""), BS_PUSHBUTTON, 61, 10));
    ASSERT_TRUE(Make(withText, _T("Apply"), BS_PUSHBUTTON, 62, 50));
    imageOnly.SetImage(MakeBitmap(RGB(255, 0, 0)));
    withText.SetImage(MakeBitmap(RGB(255, 0, 0)));
    EXPECT_EQ(CSize(8, 8), imageOnly.GetImageSize());

    EXPECT_EQ(CSize(18, 18), imageOnly.SizeToContent(TRUE));
    CRect rect;
    imageOnly.GetWindowRect(rect);
    EXPECT_EQ(80, rect.Width()) << "calculating only leaves the window";
    imageOnly.SizeToContent();
    imageOnly.GetWindowRect(rect);
    EXPECT_EQ(CSize(18, 18), rect.Size());

    CClientDC dc(&withText);
    CFont* pOld = dc.SelectObject(CFont::FromHandle((HFONT)::GetStockObject(DEFAULT_GUI_FONT)));
    CRect rectText(0, 0, 1000, 0);
    dc.DrawText(_T("Apply"), rectText, DT_SINGLELINE | DT_CALCRECT);
    dc.SelectObject(pOld);
    EXPECT_EQ(CSize(8 + rectText.Width() + 20, std::max(8, rectText.Height()) + 10),
              withText.SizeToContent(TRUE));

    imageOnly.CleanUp();
    EXPECT_EQ(CSize(0, 0), imageOnly.GetImageSize());
}

TEST_F(ButtonsTest, BordersByStyleAndState)
{
    CORXButton button;
    ASSERT_TRUE(Make(button, _T(""), BS_PUSHBUTTON, 71));
    button.SetFaceColor(RGB(0, 128, 0));
    const COLORREF face = RGB(0, 128, 0);
    CButtonSurface surface(40, 20);

    struct
    {
        int nStyle;
        UINT uiState;
        COLORREF clrTopLeft, clrBottomRight, clrInnerTopLeft;
    } cases[] = {
        {CORXButton::BUTTONSTYLE_3D, 0, globalData.clrBtnHilite, globalData.clrBtnDkShadow,
         globalData.clrBtnLight},
        {CORXButton::BUTTONSTYLE_3D, ODS_SELECTED, globalData.clrBtnDkShadow, globalData.clrBtnHilite,
         globalData.clrBtnShadow},
        {CORXButton::BUTTONSTYLE_FLAT, 0, globalData.clrBtnHilite, globalData.clrBtnDkShadow, face},
        {CORXButton::BUTTONSTYLE_SEMIFLAT, 0, face, face, face},
        {CORXButton::BUTTONSTYLE_SEMIFLAT, ODS_SELECTED, globalData.clrBtnDkShadow, globalData.clrBtnHilite,
         face},
        {CORXButton::BUTTONSTYLE_NOBORDERS, ODS_SELECTED, face, face, face},
    };
    for (auto& c : cases)
    {
        button.m_nFlatStyle = c.nStyle;
        surface.Draw(button, c.uiState);
        EXPECT_EQ(c.clrTopLeft, surface.At(0, 0)) << c.nStyle << " " << c.uiState;
        EXPECT_EQ(c.clrBottomRight, surface.At(39, 19)) << c.nStyle << " " << c.uiState;
        EXPECT_EQ(c.clrInnerTopLeft, surface.At(1, 1)) << c.nStyle << " " << c.uiState;
    }

    // A checked check box is drawn pushed and lightened, unless that is turned off.
    CORXButton check;
    ASSERT_TRUE(Make(check, _T(""), BS_CHECKBOX, 72, 50));
    check.SetFaceColor(face);
    check.SendMessage(BM_SETCHECK, BST_CHECKED);
    surface.Draw(check);
    EXPECT_EQ(globalData.clrBtnDkShadow, surface.At(0, 0));
    EXPECT_NE(face, surface.At(20, 10));
    check.m_bHighlightChecked = FALSE;
    surface.Draw(check);
    EXPECT_EQ(face, surface.At(20, 10));
}

TEST_F(ButtonsTest, ImagesAreMaskedAndChosenByState)
{
    CORXButton button;
    ASSERT_TRUE(Make(button, _T(""), BS_PUSHBUTTON, 81));
    button.m_nFlatStyle = CORXButton::BUTTONSTYLE_FLAT;
    const COLORREF face = RGB(0, 128, 0), red = RGB(255, 0, 0), blue = RGB(0, 0, 255),
                   yellow = RGB(255, 255, 0);
    button.SetFaceColor(face);
    button.SetImage(MakeBitmap(red), TRUE, MakeBitmap(yellow), TRUE, FALSE, MakeBitmap(blue));
    CButtonSurface surface(40, 20);

    surface.Draw(button);
    EXPECT_EQ(60, surface.Count(red)) << "the grey corners are transparent";
    EXPECT_EQ(0, surface.Count(RGB(192, 192, 192)));

    surface.Draw(button, ODS_DISABLED);
    EXPECT_EQ(60, surface.Count(blue));
    EXPECT_EQ(0, surface.Count(red));
    button.m_bGrayDisabled = FALSE;
    surface.Draw(button, ODS_DISABLED);
    EXPECT_EQ(60, surface.Count(red));

    // Hot: the cursor over a flat button.
    Send(button, WM_MOUSEMOVE, 0, 20, 10);
    EXPECT_TRUE(button.IsHighlighted());
    EXPECT_TRUE(button.IsCaptured());
    surface.Draw(button);
    EXPECT_EQ(60, surface.Count(yellow));
    Send(button, WM_MOUSEMOVE, 0, 20, 200);
    EXPECT_FALSE(button.IsHighlighted() || button.IsCaptured());

    // Checked images win while checked; without them the normal ones stay.
    CORXButton check;
    ASSERT_TRUE(Make(check, _T(""), BS_CHECKBOX, 82, 50));
    check.SetFaceColor(face);
    check.m_bHighlightChecked = FALSE;
    check.SetImage(MakeBitmap(red));
    check.SendMessage(BM_SETCHECK, BST_CHECKED);
    surface.Draw(check);
    EXPECT_EQ(60, surface.Count(red));
    check.SetCheckedImage(MakeBitmap(blue));
    surface.Draw(check);
    EXPECT_EQ(60, surface.Count(blue));

    // Mapping 3-D colours off: the system's face colour is the transparent one.
    CORXButton faceMasked;
    ASSERT_TRUE(Make(faceMasked, _T(""), BS_PUSHBUTTON, 83, 90));
    faceMasked.SetImage(MakeBitmap(red, globalData.clrBtnFace), TRUE, NULL, FALSE);
    faceMasked.SetFaceColor(RGB(0, 0, 128));
    surface.Draw(faceMasked);
    EXPECT_EQ(60, surface.Count(red));
    EXPECT_EQ(0, surface.Count(globalData.clrBtnFace));
}

TEST_F(ButtonsTest, ALinkOpensItsUrlShownAndSwallowsItsKeys)
{
    RecordingOpener opener;
    ORXSetLinkOpener(&opener);
    CORXURLLinkButton link;
    ASSERT_TRUE(Make(link, _T("www.example.invalid"), BS_PUSHBUTTON, 91));

    struct
    {
        LPCTSTR lpszPrefix, lpszURL;
        const char* pszOpened;
    } cases[] = {
        {NULL, NULL, "www.example.invalid"}, // no URL: the window text
        {_T("http://"), NULL, "http://www.example.invalid"},
        {_T(""), _T("http://other.invalid/a?b"), "http://other.invalid/a?b"},
        {_T("mailto:"), _T("clock@example.invalid"), "mailto:clock@example.invalid"},
    };
    for (auto& c : cases)
    {
        link.SetURLPrefix(c.lpszPrefix);
        link.SetURL(c.lpszURL);
        opener.m_requests.clear();
        Click(link);
        ASSERT_EQ(1u, opener.m_requests.size()) << c.pszOpened;
        EXPECT_EQ(c.pszOpened, opener.m_requests[0].strTarget);
        EXPECT_EQ(SW_SHOWNORMAL, opener.m_requests[0].nShowCmd);
        EXPECT_FALSE(link.IsHighlighted());
    }

    link.SetURLPrefix(NULL);
    link.SetURL(_T("http://keys.invalid/"));
    opener.m_requests.clear();
    MSG msg = {link.GetSafeHwnd(), WM_KEYDOWN, VK_SPACE, 0};
    EXPECT_TRUE(link.PreTranslateMessage(&msg));
    msg.wParam = VK_RETURN;
    EXPECT_TRUE(link.PreTranslateMessage(&msg));
    msg.message = WM_KEYUP;
    msg.wParam = VK_SPACE;
    EXPECT_TRUE(link.PreTranslateMessage(&msg));
    EXPECT_TRUE(opener.m_requests.empty());
    msg.wParam = VK_RETURN;
    EXPECT_TRUE(link.PreTranslateMessage(&msg));
    ASSERT_EQ(1u, opener.m_requests.size());
    EXPECT_EQ("http://keys.invalid/", opener.m_requests[0].strTarget);
    ORXSetLinkOpener(NULL);
}

TEST_F(ButtonsTest, AnOpenerThatGoesWhileInUsePutsTheShellBack)
{
    RecordingOpener kept;
    ORXSetLinkOpener(&kept);
    {
        RecordingOpener gone;
        ORXSetLinkOpener(&gone);
        EXPECT_EQ(&gone, &ORXGetLinkOpener());
    }
    IORXLinkOpener& shell = ORXGetLinkOpener();
    EXPECT_NE(&kept, &shell);
    ORXSetLinkOpener(&kept);
    {
        RecordingOpener other; // never in use: its going leaves the opener in use alone
    }
    EXPECT_EQ(&kept, &ORXGetLinkOpener());
    ORXSetLinkOpener(NULL);
    EXPECT_EQ(&shell, &ORXGetLinkOpener());
}

TEST_F(ButtonsTest, ALinkIsUnderlinedInItsColourAndBlueWhileHot)
{
    CORXURLLinkButton link;
    ASSERT_TRUE(Make(link, _T("Velmora on the web"), BS_PUSHBUTTON, 92));
    ASSERT_NE(globalData.clrHilite, RGB(0, 0, 255)) << "the test tells the two colours apart";
    EXPECT_EQ(globalData.m_hcurHand, link.GetMouseCursor());
    EXPECT_NE((HCURSOR)NULL, link.GetMouseCursor());
    CButtonSurface surface(80, 24);

    surface.Draw(link);
    // The underline alone is a run of pixels in exactly the text colour.
    EXPECT_GT(surface.Count(globalData.clrHilite), 20);
    EXPECT_EQ(0, surface.Count(RGB(0, 0, 255)));

    Send(link, WM_MOUSEMOVE, 0, 20, 10);
    ASSERT_TRUE(link.IsHighlighted());
    surface.Draw(link);
    EXPECT_GT(surface.Count(RGB(0, 0, 255)), 20);

    // Over the button the cursor is the hand.
    EXPECT_TRUE(
        link.SendMessage(WM_SETCURSOR, (WPARAM)link.GetSafeHwnd(), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
}
