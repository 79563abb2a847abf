// The menu store: a bar's items kept per menu handle in a temporary file that vanishes with its
// entry, and entries that go when their menus are destroyed or emptied.
#include <gtest/gtest.h>

#include "ORXMenuStore.h"
#include "ORXToolBar.h"

namespace
{
// A menu of n plain items, ids 100, 101, ...
HMENU MakeMenu(int nItems)
{
    HMENU hMenu = ::CreatePopupMenu();
    for (int i = 0; i < nItems; i++)
        ::AppendMenuA(hMenu, MF_STRING, 100 + i, "Item");
    return hMenu;
}

void AddItems(CORXToolBar& bar, UINT uiFirst, int nCount)
{
    for (int i = 0; i < nCount; i++)
    {
        CString strText;
        strText.Format(_T("Item %u"), uiFirst + i);
        bar.InsertButton(new CORXToolbarButton(uiFirst + i, -1, strText));
    }
}

BOOL FileExists(const CString& strPath)
{
    return !strPath.IsEmpty() && ::GetFileAttributes(strPath) != INVALID_FILE_ATTRIBUTES;
}

class MenuStoreTest : public ::testing::Test
{
protected:
    void TearDown() override { CORXMenuStore::RemoveAll(); }
};
} // namespace

TEST_F(MenuStoreTest, RestoringGivesBackTheStoredItemsFromATemporaryFile)
{
    HMENU hMenu = MakeMenu(2);
    CORXToolBar bar;
    AddItems(bar, 32001, 3);
    bar.InsertSeparator();
    ASSERT_TRUE(CORXMenuStore::Store(hMenu, &bar));
    CString strFile = CORXMenuStore::GetFileName(hMenu);
    EXPECT_TRUE(FileExists(strFile));
    char szTemp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szTemp);
    EXPECT_EQ(0, strFile.Find(szTemp)) << (LPCTSTR)strFile;
    EXPECT_EQ(0, strFile.Find(CString(szTemp) + _T("ORX"))) << (LPCTSTR)strFile;

    // Restored twice: the file stays open for later restores.
    for (int nPass = 0; nPass < 2; nPass++)
    {
        CORXToolBar copy;
        AddItems(copy, 40000, 1);
        ASSERT_TRUE(CORXMenuStore::Restore(hMenu, &copy)) << nPass;
        ASSERT_EQ(4, copy.GetCount());
        EXPECT_EQ(32001u, copy.GetItemID(0));
        EXPECT_STREQ(_T("Item 32003"), copy.GetButtonText(2));
        EXPECT_TRUE(copy.GetButtonStyle(3) & TBBS_SEPARATOR);
    }
    ::DestroyMenu(hMenu);
}

TEST_F(MenuStoreTest, RefusesEmptyBarsAndMenusThatAreGoneOrEmpty)
{
    HMENU hMenu = MakeMenu(1);
    CORXToolBar empty, items;
    AddItems(items, 32001, 1);
    EXPECT_FALSE(CORXMenuStore::Store(hMenu, &empty));
    EXPECT_FALSE(CORXMenuStore::Store(hMenu, NULL));

    HMENU hEmpty = MakeMenu(0);
    EXPECT_FALSE(CORXMenuStore::Store(hEmpty, &items));
    HMENU hGone = MakeMenu(1);
    ::DestroyMenu(hGone);
    EXPECT_FALSE(CORXMenuStore::Store(hGone, &items));
    EXPECT_FALSE(CORXMenuStore::Store(NULL, &items));
    EXPECT_EQ(0, CORXMenuStore::GetCount());

    // Nothing kept: FALSE and the bar as it was.
    CORXToolBar bar;
    AddItems(bar, 500, 2);
    EXPECT_FALSE(CORXMenuStore::Restore(hMenu, &bar));
    ASSERT_EQ(2, bar.GetCount());
    EXPECT_EQ(500u, bar.GetItemID(0));
    ::DestroyMenu(hMenu);
    ::DestroyMenu(hEmpty);
}

TEST_F(MenuStoreTest, StoringAgainReplacesTheFirstFileWhichDisappears)
{
    HMENU hMenu = MakeMenu(1);
    CORXToolBar first, second;
    AddItems(first, 32001, 2);
    AddItems(second, 33001, 1);
    ASSERT_TRUE(CORXMenuStore::Store(hMenu, &first));
    CString strFirst = CORXMenuStore::GetFileName(hMenu);
    ASSERT_TRUE(CORXMenuStore::Store(hMenu, &second));
    CString strSecond = CORXMenuStore::GetFileName(hMenu);
    EXPECT_FALSE(FileExists(strFirst));
    EXPECT_TRUE(FileExists(strSecond));
    EXPECT_EQ(1, CORXMenuStore::GetCount());

    CORXToolBar copy;
    ASSERT_TRUE(CORXMenuStore::Restore(hMenu, &copy));
    ASSERT_EQ(1, copy.GetCount());
    EXPECT_EQ(33001u, copy.GetItemID(0));
    ::DestroyMenu(hMenu);
}

TEST_F(MenuStoreTest, AnEntryGoesWithItsMenuWhenTheMenuIsDestroyedEmptiedOrRemoved)
{
    HMENU hDestroyed = MakeMenu(1), hEmptied = MakeMenu(2), hRemoved = MakeMenu(1), hKept = MakeMenu(1);
    CORXToolBar items;
    AddItems(items, 32001, 2);
    for (HMENU hMenu : {hDestroyed, hEmptied, hRemoved, hKept})
        ASSERT_TRUE(CORXMenuStore::Store(hMenu, &items));
    CString strDestroyed = CORXMenuStore::GetFileName(hDestroyed);
    CString strEmptied = CORXMenuStore::GetFileName(hEmptied);
    CString strRemoved = CORXMenuStore::GetFileName(hRemoved);
    EXPECT_EQ(4, CORXMenuStore::GetCount());

    ::DestroyMenu(hDestroyed);
    ::DeleteMenu(hEmptied, 0, MF_BYPOSITION);
    EXPECT_TRUE(CORXMenuStore::IsStored(hEmptied)) << "one item is left";
    ::DeleteMenu(hEmptied, 0, MF_BYPOSITION);
    CORXMenuStore::Remove(hRemoved);

    CORXToolBar bar;
    EXPECT_FALSE(CORXMenuStore::Restore(hDestroyed, &bar));
    EXPECT_FALSE(CORXMenuStore::Restore(hEmptied, &bar));
    EXPECT_FALSE(CORXMenuStore::Restore(hRemoved, &bar));
    EXPECT_EQ(0, bar.GetCount());
    EXPECT_FALSE(FileExists(strDestroyed));
    EXPECT_FALSE(FileExists(strEmptied));
    EXPECT_FALSE(FileExists(strRemoved));
    EXPECT_EQ(1, CORXMenuStore::GetCount());

    CString strKept = CORXMenuStore::GetFileName(hKept);
    CORXMenuStore::RemoveAll();
    EXPECT_FALSE(FileExists(strKept));
    EXPECT_EQ(0, CORXMenuStore::GetCount());
    ::DestroyMenu(hKept);
    ::DestroyMenu(hRemoved);
    ::DestroyMenu(hEmptied);
}
