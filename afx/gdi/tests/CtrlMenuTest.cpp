// Menus through CMenu: items, states, texts, sub-menus and the handle map.
#include <AfxMenu.h>
#include <gtest/gtest.h>

namespace
{

enum
{
    ID_ONE = 101,
    ID_TWO,
    ID_THREE,
    ID_FOUR
};

void Fill(CMenu& menu)
{
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_ONE, _T("&One"));
    menu.AppendMenu(MF_STRING, ID_TWO, _T("Two"));
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_THREE, _T("Three"));
}

TEST(CtrlMenu, ItemsCountIdsAndTexts)
{
    CMenu menu;
    Fill(menu);
    EXPECT_EQ(4u, menu.GetMenuItemCount());
    struct
    {
        int pos;
        UINT id;
        const char* text;
    } cases[] = {{0, ID_ONE, "&One"}, {1, ID_TWO, "Two"}, {2, 0, ""}, {3, ID_THREE, "Three"}};
    for (auto& c : cases)
    {
        EXPECT_EQ(c.id, menu.GetMenuItemID(c.pos)) << c.pos;
        CString text;
        menu.GetMenuString(c.pos, text, MF_BYPOSITION);
        EXPECT_STREQ(c.text, (LPCTSTR)text) << c.pos;
    }
    CString byId;
    EXPECT_EQ(5, menu.GetMenuString(ID_THREE, byId, MF_BYCOMMAND));
    EXPECT_STREQ("Three", (LPCTSTR)byId);

    menu.InsertMenu(0, MF_BYPOSITION | MF_STRING, ID_FOUR, _T("Four"));
    EXPECT_EQ(ID_FOUR, menu.GetMenuItemID(0));
    menu.ModifyMenu(ID_FOUR, MF_BYCOMMAND | MF_STRING, ID_FOUR, _T("Vier"));
    menu.GetMenuString(0, byId, MF_BYPOSITION);
    EXPECT_STREQ("Vier", (LPCTSTR)byId);
    EXPECT_TRUE(menu.DeleteMenu(ID_FOUR, MF_BYCOMMAND));
    EXPECT_TRUE(menu.RemoveMenu(2, MF_BYPOSITION));
    EXPECT_EQ(3u, menu.GetMenuItemCount());
}

TEST(CtrlMenu, CheckEnableRadioAndDefaultStates)
{
    CMenu menu;
    Fill(menu);
    EXPECT_EQ((UINT)MF_UNCHECKED, menu.CheckMenuItem(ID_ONE, MF_BYCOMMAND | MF_CHECKED));
    EXPECT_EQ((UINT)MF_CHECKED, menu.CheckMenuItem(ID_ONE, MF_BYCOMMAND | MF_UNCHECKED));
    EXPECT_EQ((UINT)MF_ENABLED, menu.EnableMenuItem(ID_TWO, MF_BYCOMMAND | MF_GRAYED));
    EXPECT_TRUE(menu.GetMenuState(ID_TWO, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ((UINT)MF_GRAYED, menu.EnableMenuItem(ID_TWO, MF_BYCOMMAND | MF_ENABLED));
    EXPECT_EQ((UINT)-1, menu.EnableMenuItem(999, MF_BYCOMMAND | MF_ENABLED)) << "missing items answer -1";

    EXPECT_TRUE(menu.CheckMenuRadioItem(ID_ONE, ID_THREE, ID_THREE, MF_BYCOMMAND));
    EXPECT_TRUE(menu.GetMenuState(ID_THREE, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(menu.GetMenuState(ID_ONE, MF_BYCOMMAND) & MF_CHECKED);

    EXPECT_TRUE(menu.SetDefaultItem(ID_TWO));
    EXPECT_EQ((UINT)ID_TWO, menu.GetDefaultItem(0));
    EXPECT_TRUE(menu.GetMenuState(ID_TWO, MF_BYCOMMAND) & MF_DEFAULT);
}

TEST(CtrlMenu, SubMenusAreTemporaryAndOwnersDestroyTheirMenus)
{
    HMENU bar;
    HMENU popup;
    {
        CMenu menu;
        ASSERT_TRUE(menu.CreateMenu());
        CMenu sub;
        Fill(sub);
        popup = sub.m_hMenu;
        ASSERT_TRUE(menu.AppendMenu(MF_POPUP, (UINT_PTR)sub.Detach(), _T("&File")));
        bar = menu.m_hMenu;
        CMenu* got = menu.GetSubMenu(0);
        ASSERT_NE(nullptr, got);
        EXPECT_EQ(popup, got->m_hMenu);
        EXPECT_EQ(got, CMenu::FromHandle(popup));
        EXPECT_EQ(&menu, CMenu::FromHandle(bar));
        EXPECT_EQ(nullptr, menu.GetSubMenu(1));
        CMenu::DeleteTempMap();
        EXPECT_TRUE(::IsMenu(popup)) << "a temporary wrapper leaves its menu alone";
    }
    EXPECT_FALSE(::IsMenu(bar));
    EXPECT_FALSE(::IsMenu(popup)) << "destroying a menu destroys its pop-ups";

    CMenu kept;
    kept.CreatePopupMenu();
    HMENU h = kept.Detach();
    EXPECT_EQ(nullptr, kept.GetSafeHmenu());
    EXPECT_TRUE(::IsMenu(h));
    EXPECT_NE(&kept, CMenu::FromHandle(h));
    CMenu::DeleteTempMap();
    ::DestroyMenu(h);

    CMenu* none = NULL;
    EXPECT_EQ(nullptr, none->GetSafeHmenu());
}

} // namespace
