// The clock window's context menu and the tray menu, adjusted to what is under the cursor.
#include <gtest/gtest.h>

#include <string>

#include "ClockMenus.h"
#include "resource.h"

namespace
{
// The menu's top level as "text" items joined by '|', a separator as "-", a greyed item with a
// leading '~', a checked one with a leading '*'.
std::string Describe(HMENU hMenu)
{
    std::string s;
    int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
    {
        if (!s.empty())
            s += "|";
        char szText[128] = "";
        MENUITEMINFOA mii;
        memset(&mii, 0, sizeof(mii));
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_TYPE | MIIM_STATE;
        mii.dwTypeData = szText;
        mii.cch = sizeof(szText);
        ::GetMenuItemInfoA(hMenu, i, TRUE, &mii);
        if (mii.fType & MFT_SEPARATOR)
        {
            s += "-";
            continue;
        }
        if (mii.fState & MFS_GRAYED)
            s += "~";
        if (mii.fState & MFS_CHECKED)
            s += "*";
        s += szText;
    }
    return s;
}

struct CLoadedMenu
{
    HMENU hMenu;
    explicit CLoadedMenu(UINT nID) : hMenu(::LoadMenuA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(nID))) {}
    ~CLoadedMenu() { ::DestroyMenu(hMenu); }
    HMENU Popup() const { return ::GetSubMenu(hMenu, 0); }
};

const std::string kTail = "Alarms|Add Reminder|Add Timer|Calendar|Add Clock|";
const std::string kSync = "Synchronize Clock|Time Sync Status|";
} // namespace

TEST(ClockMenus, ContextMenuByWhatIsUnderTheCursor)
{
    struct Case
    {
        const char* pszName;
        CClockMenuState state;
        std::string expected;
    } cases[] = {
        {"clock",
         {TRUE, 0, 0, 2, FALSE, FALSE, FALSE},
         "Hide Clock|Velmora Options|-|" + kTail + "Delete Clock|Configure Clock|" + kSync + "Help|Exit"},
        {"stopped countdown",
         {TRUE, 1, 0, 2, FALSE, FALSE, FALSE},
         "Hide Clock|Velmora Options|-|Start Countdown|Amend Timer|-|" + kTail +
             "Delete Timer|Configure Timer|" + kSync + "Help|Exit"},
        {"paused countdown",
         {TRUE, 1, 1, 2, FALSE, FALSE, FALSE},
         "Hide Clock|Velmora Options|-|Stop Countdown|Resume Countdown|Amend Timer|-|" + kTail +
             "Delete Timer|Configure Timer|" + kSync + "Help|Exit"},
        {"running countdown",
         {TRUE, 1, 2, 2, FALSE, FALSE, FALSE},
         "Hide Clock|Velmora Options|-|Stop Countdown|Pause Countdown|Amend Timer|-|" + kTail +
             "Delete Timer|Configure Timer|" + kSync + "Help|Exit"},
        {"completed countdown",
         {TRUE, 1, 3, 2, FALSE, FALSE, FALSE},
         "Hide Clock|Velmora Options|-|Start Countdown|Amend Timer|-|" + kTail +
             "Delete Timer|Configure Timer|" + kSync + "Help|Exit"},
        {"event timer",
         {TRUE, 2, 2, 2, FALSE, FALSE, FALSE},
         "Hide Clock|Velmora Options|-|Amend Timer|-|" + kTail + "Delete Timer|Configure Timer|" + kSync +
             "Help|Exit"},
        {"between clocks",
         {FALSE, 0, 0, 2, FALSE, FALSE, FALSE},
         "Hide Clock|Velmora Options|-|" + kTail + kSync + "Help|Exit"},
        {"single clock",
         {TRUE, 0, 0, 1, FALSE, FALSE, FALSE},
         "Hide Clock|Velmora Options|-|" + kTail + "~Delete Clock|Configure Clock|" + kSync + "Help|Exit"},
        {"visible character",
         {FALSE, 0, 0, 2, TRUE, FALSE, TRUE},
         "Hide Clock|Velmora Options|-|" + kTail + kSync + "Say the Time|Mute Agent|Hide Agent|Help|Exit"},
        {"hidden muted character",
         {FALSE, 0, 0, 2, TRUE, TRUE, FALSE},
         "Hide Clock|Velmora Options|-|" + kTail + kSync + "~Say the Time|*Mute Agent|Show Agent|Help|Exit"},
    };
    for (const Case& c : cases)
    {
        CLoadedMenu menu(IDR_CLOCK_POPUP);
        ASSERT_TRUE(menu.hMenu != NULL);
        AdjustClockMenu(menu.Popup(), c.state);
        EXPECT_EQ(c.expected, Describe(menu.Popup())) << c.pszName;
        UINT nDefault = ::GetMenuDefaultItem(menu.Popup(), FALSE, 0);
        EXPECT_EQ(c.state.bOverClock ? (UINT)ID_HIDE_CLOCK : (UINT)-1, nDefault) << c.pszName;
    }
}

TEST(ClockMenus, TrayMenuFollowsTheClockState)
{
    const std::string kMiddle =
        "Velmora Options|Alarms|Add Reminder|Calendar|Synchronize Clock|Time Sync Status|";
    struct Case
    {
        const char* pszName;
        CTrayMenuState state;
        std::string expected;
    } cases[] = {
        {"shown",
         {FALSE, FALSE, FALSE, FALSE, FALSE, TRUE},
         "Show Clock|Hide Clock|-|Auto Hide|" + kMiddle + "Help|Exit"},
        {"hidden, auto-hide on",
         {TRUE, TRUE, FALSE, FALSE, FALSE, TRUE},
         "Show Clock|~Hide Clock|-|*Auto Hide|" + kMiddle + "Help|Exit"},
        {"muted character",
         {FALSE, FALSE, TRUE, TRUE, TRUE, FALSE},
         "Show Clock|Hide Clock|-|Auto Hide|" + kMiddle + "~Say the Time|*Mute Agent|Hide Agent|Help|Exit"},
    };
    for (const Case& c : cases)
    {
        CLoadedMenu menu(IDR_TRAY_POPUP);
        ASSERT_TRUE(menu.hMenu != NULL);
        AdjustTrayMenu(menu.Popup(), c.state);
        EXPECT_EQ(c.expected, Describe(menu.Popup())) << c.pszName;
        EXPECT_EQ((UINT)ID_SHOW_CLOCK, ::GetMenuDefaultItem(menu.Popup(), FALSE, 0)) << c.pszName;
    }
    // A greyed "Hide Clock" carries no command that could hide the clock again.
    CLoadedMenu menu(IDR_TRAY_POPUP);
    CTrayMenuState hidden = {TRUE, FALSE, FALSE, FALSE, FALSE, TRUE};
    AdjustTrayMenu(menu.Popup(), hidden);
    EXPECT_EQ(1u, ::GetMenuItemID(menu.Popup(), 1));
}
