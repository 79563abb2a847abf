// The command manager's image maps and list, and the tear-off id range.
#include <gtest/gtest.h>

#include "ORXCommandManager.h"
#include "ORXTearOffManager.h"

TEST(CommandManager, OneMapPerCommandAndNoRecordsForNoCommands)
{
    CORXCommandManager mgr;
    mgr.SetCmdImage(100, 3, FALSE);
    mgr.SetCmdImage(100, 5, TRUE); // has a standard image: the user map stays as it was
    EXPECT_EQ(3, mgr.GetCmdImage(100, FALSE));
    EXPECT_EQ(-1, mgr.GetCmdImage(100, TRUE));
    mgr.SetCmdImage(200, 7, TRUE);
    mgr.SetCmdImage(200, 1, FALSE);
    EXPECT_EQ(7, mgr.GetCmdImage(200, TRUE));
    EXPECT_EQ(-1, mgr.GetCmdImage(200, FALSE));
    mgr.SetCmdImage(100, 4, FALSE); // the same map: overwritten
    EXPECT_EQ(4, mgr.GetCmdImage(100, FALSE));
    mgr.SetCmdImage(0, 1, FALSE);
    mgr.SetCmdImage((UINT)-1, 1, TRUE);
    EXPECT_EQ(-1, mgr.GetCmdImage(0, FALSE));
    EXPECT_EQ(-1, mgr.GetCmdImage((UINT)-1, TRUE));

    mgr.ClearUserCmdImage(200);
    EXPECT_EQ(-1, mgr.GetCmdImage(200, TRUE));
    mgr.SetCmdImage(200, 1, FALSE); // no user image any more: the standard one is taken
    EXPECT_EQ(1, mgr.GetCmdImage(200, FALSE));

    mgr.EnableMenuItemImage(300, FALSE);
    mgr.EnableMenuItemImage(300, FALSE);
    EXPECT_TRUE(mgr.IsMenuItemWithoutImage(300));
    mgr.EnableMenuItemImage(300, TRUE);
    EXPECT_FALSE(mgr.IsMenuItemWithoutImage(300));
    mgr.EnableMenuItemImage(301, FALSE);
    mgr.ClearAllCmdImages();
    EXPECT_EQ(-1, mgr.GetCmdImage(100, FALSE));
    EXPECT_FALSE(mgr.IsMenuItemWithoutImage(301));
}

TEST(TearOffManager, IdsAreHandedOutOnceAndCountsNeverGoNegative)
{
    CORXTearOffManager mgr;
    EXPECT_EQ(0u, mgr.GetFreeTearOffID()); // no range
    ASSERT_TRUE(mgr.Initialize(500, 500));
    EXPECT_EQ(500u, mgr.GetFreeTearOffID());
    EXPECT_EQ(0u, mgr.GetFreeTearOffID());
    mgr.SetInUse(500, FALSE);
    EXPECT_EQ(0, mgr.GetUseCount(500));
    mgr.SetInUse(500, FALSE);
    EXPECT_EQ(0, mgr.GetUseCount(500));
    EXPECT_EQ(500u, mgr.GetFreeTearOffID());
    mgr.Reset();
    EXPECT_EQ(500u, mgr.GetFreeTearOffID());
    mgr.SetInUse(499, TRUE); // outside the range: ignored
    EXPECT_EQ(0, mgr.GetUseCount(499));
    EXPECT_FALSE(mgr.Initialize(10, 5));
}

TEST(TearOffManager, ParseAndBuildTheIdPrefix)
{
    struct
    {
        LPCTSTR pszText;
        UINT uiExpected;
        LPCTSTR pszAfter;
    } cases[] = {
        {_T("\00112\001Edit"), 12, _T("Edit")},
        {_T("Edit"), 0, _T("Edit")},
        {_T("\00112Edit"), 0, _T("\00112Edit")},
        {_T(""), 0, _T("")},
    };
    CORXTearOffManager mgr;
    for (auto& c : cases)
    {
        CString str = c.pszText;
        EXPECT_EQ(c.uiExpected, mgr.Parse(str)) << c.pszText;
        EXPECT_STREQ(c.pszAfter, str);
    }
    CString str = _T("View");
    CORXTearOffManager::Build(34, str);
    EXPECT_STREQ(_T("\00134\001View"), str);
}

TEST(TearOffManager, SubMenusWithABarBreakArePrefixedOnceAndKeepTheirSubMenu)
{
    CORXTearOffManager mgr;
    ASSERT_TRUE(mgr.Initialize(600, 601));
    HMENU hMenu = ::CreatePopupMenu();
    HMENU hSub = ::CreatePopupMenu();
    ::AppendMenu(hSub, MF_STRING, 1, _T("Item"));
    ::AppendMenu(hMenu, MF_POPUP | MF_MENUBARBREAK, (UINT_PTR)hSub, _T("Tools"));
    ::AppendMenu(hMenu, MF_STRING, 2, _T("Plain"));
    mgr.SetupTearOffMenus(hMenu);
    mgr.SetupTearOffMenus(hMenu);
    TCHAR szText[64];
    ::GetMenuString(hMenu, 0, szText, 64, MF_BYPOSITION);
    EXPECT_STREQ(_T("\001600\001Tools"), szText);
    EXPECT_EQ(hSub, ::GetSubMenu(hMenu, 0));
    EXPECT_EQ(1, mgr.GetUseCount(600));
    EXPECT_EQ(0, mgr.GetUseCount(601));
    mgr.Reset(hMenu);
    EXPECT_EQ(0, mgr.GetUseCount(600));
    ::DestroyMenu(hMenu);
}
