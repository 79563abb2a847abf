// The visual manager: the active look, its defaults, bar backgrounds and the theme library.
#include <gtest/gtest.h>

#include "ORXBarSettings.h"
#include "ORXGlobalData.h"
#include "ORXToolBar.h"
#include "ORXVisualManager.h"
#include "TestDrawing.h"

namespace
{
class CTestLook : public CORXVisualManager
{
    DECLARE_DYNCREATE(CTestLook)
public:
    int m_nRefreshes = 0;
    virtual void OnUpdateSystemColors() { m_nRefreshes++; }
};
IMPLEMENT_DYNCREATE(CTestLook, CORXVisualManager)

// A face that is no bar's button: the looks get all they draw from its answers.
class CStubFace : public CORXToolbarButtonInfo
{
public:
    CStubFace(FaceKind kind, UINT nStyle, BOOL bStored) : m_kind(kind), m_nStyle(nStyle), m_bStored(bStored)
    {
    }
    virtual FaceKind GetFaceKind() const { return m_kind; }
    virtual UINT GetStyle() const { return m_nStyle; }
    virtual BOOL CanBeStored() const { return m_bStored; }

    FaceKind m_kind;
    UINT m_nStyle;
    BOOL m_bStored;
};
} // namespace

TEST(VisualManager, TheActiveLookIsMadeOnceAndTemporaryLooksNeverTakeItsPlace)
{
    EXPECT_FALSE(CORXVisualManager::SetDefaultManager(RUNTIME_CLASS(CObList)));
    ASSERT_TRUE(CORXVisualManager::SetDefaultManager(RUNTIME_CLASS(CTestLook)));
    CORXVisualManager* pLook = CORXVisualManager::GetInstance();
    ASSERT_TRUE(pLook->IsKindOf(RUNTIME_CLASS(CTestLook)));
    EXPECT_TRUE(pLook->IsAutoDestroy());
    EXPECT_EQ(1, ((CTestLook*)pLook)->m_nRefreshes);
    EXPECT_EQ(pLook, CORXVisualManager::GetInstance());
    {
        CORXVisualManager temporary(TRUE);
        EXPECT_EQ(pLook, CORXVisualManager::GetInstance());
    }
    EXPECT_EQ(pLook, CORXVisualManager::GetInstance());

    // The defaults the looks of the extras start from.
    EXPECT_FALSE(pLook->IsLook2000());
    EXPECT_EQ(6, pLook->GetMenuShadowDepth());
    EXPECT_FALSE(pLook->IsShadowHighlightedImage());
    EXPECT_TRUE(pLook->IsEmbossDisabledImage());
    EXPECT_FALSE(pLook->IsFadeInactiveImage());
    EXPECT_EQ(2, pLook->GetMenuImageMargin());
    EXPECT_EQ(CSize(0, 0), pLook->GetButtonExtraBorder());
    EXPECT_FALSE(pLook->IsOfficeStyleMenus());
    EXPECT_EQ(2, pLook->GetMenuBorderSize());
    EXPECT_TRUE(pLook->IsFrameMenuCheckedItems());

    CORXVisualManager::DestroyInstance(TRUE);
    CORXVisualManager::SetDefaultManager(NULL);
    CORXVisualManager* pPlain = CORXVisualManager::GetInstance();
    EXPECT_EQ(RUNTIME_CLASS(CORXVisualManager), pPlain->GetRuntimeClass());
    CORXVisualManager::DestroyInstance();

    // A look made by the application becomes the active one and leaves with its destruction.
    CORXVisualManager* pOwn = new CORXVisualManager;
    EXPECT_EQ(pOwn, CORXVisualManager::GetInstance());
    EXPECT_FALSE(pOwn->IsAutoDestroy());
    delete pOwn;
    CORXVisualManager* pNext = CORXVisualManager::GetInstance();
    EXPECT_NE((CORXVisualManager*)NULL, pNext);
    CORXVisualManager::DestroyInstance();
}

TEST(VisualManager, BarBackgroundFillsTheClipOrTheWholeRectangle)
{
    CORXToolBar bar;
    CTestSurface surface(40, 20, RGB(255, 255, 255), TRUE);
    CORXVisualManager* pLook = CORXVisualManager::GetInstance();
    pLook->OnFillBarBackground(surface.DC(), &bar, CRect(0, 0, 40, 20), CRect(0, 0, 0, 0));
    EXPECT_EQ(globalData.clrBarFace, ::GetPixel(surface.Handle(), 39, 19));
    ::PatBlt(surface.Handle(), 0, 0, 40, 20, WHITENESS);
    pLook->OnFillBarBackground(surface.DC(), &bar, CRect(0, 0, 40, 20), CRect(0, 0, 10, 10));
    EXPECT_EQ(globalData.clrBarFace, ::GetPixel(surface.Handle(), 5, 5));
    EXPECT_EQ(RGB(255, 255, 255), ::GetPixel(surface.Handle(), 20, 15));

    // A progress without a total draws nothing.
    ::PatBlt(surface.Handle(), 0, 0, 40, 20, WHITENESS);
    pLook->OnDrawProgress(surface.DC(), CRect(0, 0, 40, 20), 5, 0, RGB(0, 0, 255), (COLORREF)-1, TRUE);
    EXPECT_EQ(RGB(255, 255, 255), ::GetPixel(surface.Handle(), 2, 2));
    pLook->OnDrawProgress(surface.DC(), CRect(0, 0, 40, 20), 1, 2, RGB(0, 0, 255), (COLORREF)-1, FALSE);
    EXPECT_EQ(RGB(0, 0, 255), ::GetPixel(surface.Handle(), 19, 10));
    EXPECT_EQ(RGB(255, 255, 255), ::GetPixel(surface.Handle(), 21, 10));

    // Pressed and highlighted borders are each other's reverse.
    CORXToolbarButton button;
    pLook->OnDrawButtonBorder(surface.DC(), &button, CRect(0, 0, 10, 10),
                              CORXVisualManager::ButtonsIsPressed);
    EXPECT_EQ(globalData.clrBarShadow, ::GetPixel(surface.Handle(), 0, 5));
    EXPECT_EQ(globalData.clrBarHilite, ::GetPixel(surface.Handle(), 9, 5));
    pLook->OnDrawButtonBorder(surface.DC(), &button, CRect(0, 0, 10, 10),
                              CORXVisualManager::ButtonsIsHighlighted);
    EXPECT_EQ(globalData.clrBarHilite, ::GetPixel(surface.Handle(), 0, 5));
    EXPECT_EQ(globalData.clrBarShadow, ::GetPixel(surface.Handle(), 9, 5));

    // Page buttons of shortcut bars draw themselves under the core look: it declines both their
    // fill and their border, and gives no text colour.
    ::PatBlt(surface.Handle(), 0, 0, 40, 20, WHITENESS);
    CRect rectPage(0, 0, 40, 20);
    COLORREF clrText = RGB(1, 2, 3);
    EXPECT_FALSE(pLook->OnFillOutlookPageButton(surface.DC(), rectPage, TRUE, TRUE, clrText));
    EXPECT_FALSE(pLook->OnDrawOutlookPageButtonBorder(surface.DC(), rectPage, TRUE, TRUE));
    EXPECT_EQ(RGB(1, 2, 3), clrText);
    EXPECT_EQ(RGB(255, 255, 255), ::GetPixel(surface.Handle(), 0, 0));
    EXPECT_EQ(RGB(255, 255, 255), ::GetPixel(surface.Handle(), 20, 10));
    CORXVisualManager::DestroyInstance();
}

TEST(VisualManager, TheCoreLookDrawsAFaceFromItsKindStyleAndStorability)
{
    CORXVisualManager look(TRUE);
    const BOOL bCustomize = CORXBarSettings::s_bCustomizeMode;
    const CORXVisualManager::ORXButtonState regular = CORXVisualManager::ButtonsIsRegular;
    const CORXVisualManager::ORXButtonState hot = CORXVisualManager::ButtonsIsHighlighted;
    const CORXToolbarButtonInfo::FaceKind bar = CORXToolbarButtonInfo::faceToolbar;
    const CORXToolbarButtonInfo::FaceKind shortcut = CORXToolbarButtonInfo::faceShortcut;
    const struct
    {
        CORXToolbarButtonInfo::FaceKind kind;
        UINT nStyle;
        BOOL bStored;
        BOOL bCustomize;
        CORXVisualManager::ORXButtonState state;
        COLORREF clrText;
    } cases[] = {
        {bar, 0, TRUE, FALSE, regular, globalData.clrBarText},
        {bar, 0, TRUE, FALSE, hot, CORXBarSettings::GetHotTextColor()},
        {bar, TBBS_DISABLED, TRUE, FALSE, hot, ::GetSysColor(COLOR_GRAYTEXT)},
        {bar, 0, FALSE, FALSE, regular, globalData.clrBarText},
        {bar, 0, FALSE, TRUE, regular, ::GetSysColor(COLOR_GRAYTEXT)},
        {bar, TBBS_DISABLED, TRUE, TRUE, regular, ::GetSysColor(COLOR_GRAYTEXT)},
        {shortcut, 0, TRUE, FALSE, hot, ::GetSysColor(COLOR_WINDOW)},
        {shortcut, TBBS_DISABLED, TRUE, FALSE, regular, ::GetSysColor(COLOR_BTNFACE)},
        {shortcut, 0, FALSE, TRUE, regular, ::GetSysColor(COLOR_BTNFACE)},
    };
    for (const auto& c : cases)
    {
        CStubFace face(c.kind, c.nStyle, c.bStored);
        CORXBarSettings::s_bCustomizeMode = c.bCustomize;
        EXPECT_EQ(c.clrText, look.GetToolbarButtonTextColor(&face, c.state))
            << "kind " << c.kind << " style " << std::hex << c.nStyle << " stored " << c.bStored
            << " customise " << c.bCustomize;
    }
    CORXBarSettings::s_bCustomizeMode = FALSE;

    // A checked tool-bar face gets the light fill inside its border, outside customise mode only; a
    // shortcut gets no fill, and its border's shadow is the dark one.
    CTestSurface surface(10, 10, RGB(255, 255, 255));
    CStubFace checked(bar, TBBS_CHECKED, TRUE);
    look.OnFillButtonInterior(surface.DC(), &checked, surface.Rect(), regular);
    EXPECT_LT(surface.Count(RGB(255, 255, 255), CRect(1, 1, 9, 9)), 64);
    EXPECT_EQ(RGB(255, 255, 255), surface.At(0, 0)) << "the border's ring is left";
    EXPECT_EQ(RGB(255, 255, 255), surface.At(9, 9));
    surface.Fill(surface.Rect(), RGB(255, 255, 255));
    CORXBarSettings::s_bCustomizeMode = TRUE;
    look.OnFillButtonInterior(surface.DC(), &checked, surface.Rect(), regular);
    EXPECT_EQ(100, surface.Count(RGB(255, 255, 255)));
    CORXBarSettings::s_bCustomizeMode = FALSE;
    CStubFace checkedShortcut(shortcut, TBBS_CHECKED, TRUE);
    look.OnFillButtonInterior(surface.DC(), &checkedShortcut, surface.Rect(), regular);
    EXPECT_EQ(100, surface.Count(RGB(255, 255, 255)));
    look.OnDrawButtonBorder(surface.DC(), &checkedShortcut, surface.Rect(),
                            CORXVisualManager::ButtonsIsPressed);
    EXPECT_EQ(globalData.clrBarDkShadow, surface.At(0, 5));
    EXPECT_EQ(globalData.clrBarHilite, surface.At(9, 5));
    CORXBarSettings::s_bCustomizeMode = bCustomize;
}

TEST(ThemeLibrary, WithoutAThemeTheThemedDrawingDeclines)
{
    CORXThemeLibrary theme;
    CTestSurface surface(20, 20, RGB(255, 255, 255), TRUE);
    // Whatever the system offers, a missing theme class answers FALSE and draws nothing.
    HANDLE hCombo = theme.m_hThemeComboBox;
    theme.m_hThemeComboBox = NULL;
    EXPECT_FALSE(theme.DrawComboDropButton(surface.DC(), CRect(0, 0, 20, 20), FALSE, FALSE, FALSE));
    EXPECT_FALSE(theme.DrawComboBorder(surface.DC(), CRect(0, 0, 20, 20), FALSE, TRUE, FALSE));
    EXPECT_FALSE(theme.DrawThemedBackground(surface.DC(), NULL, 1, 1, CRect(0, 0, 20, 20)));
    EXPECT_EQ(RGB(255, 255, 255), ::GetPixel(surface.Handle(), 10, 10));
    theme.m_hThemeComboBox = hCombo;
    if (!theme.IsLoaded())
    {
        EXPECT_EQ(NULL, theme.m_pfOpenThemeData);
        EXPECT_EQ(NULL, theme.m_hThemeToolBar);
    }
}
