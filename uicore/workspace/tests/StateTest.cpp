// Saved UI state: the workspace's keys, a bar's buttons and original items, the tool-bar
// parameters with the command-usage counts, the window placement, and damaged values of each.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "DemoIds.h"
#include "ORXCmdUsage.h"
#include "ORXCommandManager.h"
#include "ORXPopupMenu.h"
#include "ORXRegistry.h"
#include "ORXToolBar.h"
#include "ORXToolbarImageList.h"
#include "ORXToolbarMenuButton.h"
#include "ORXWorkspace.h"
#include "TestDrawing.h"
#include "TestSupport.h"

namespace
{
// Writes one raw value below the profile, making the key.
Bytes GetValue(LPCTSTR pszSection, LPCTSTR pszEntry, DWORD dwExpectedType)
{
    DWORD dwType = 0;
    Bytes data;
    EXPECT_TRUE(App().ReadProfileValue(pszSection, pszEntry, dwType, data)) << pszSection << " " << pszEntry;
    EXPECT_EQ(dwExpectedType, dwType) << pszEntry;
    return data;
}

DWORD GetDword(LPCTSTR pszSection, LPCTSTR pszEntry)
{
    Bytes data = GetValue(pszSection, pszEntry, REG_DWORD);
    DWORD dw = 0;
    if (data.size() == 4)
        memcpy(&dw, data.data(), 4);
    return dw;
}

Bytes Dwords(std::initializer_list<DWORD> values)
{
    Bytes data;
    for (DWORD v : values)
        for (int i = 0; i < 4; i++)
            data.push_back((BYTE)(v >> (8 * i)));
    return data;
}

std::vector<UINT> Ids(const CORXToolBar& bar)
{
    std::vector<UINT> ids;
    for (int i = 0; i < bar.GetCount(); i++)
        ids.push_back(bar.GetItemID(i));
    return ids;
}

const std::vector<UINT> kResourceIds = {
    ID_DEMO_NEW, ID_DEMO_OPEN, ID_DEMO_SAVE, 0, ID_DEMO_BOLD, ID_DEMO_CHECK, 0, ID_DEMO_ALARM, ID_DEMO_LARGE};

// The bar's key as the workspace "Velmora" writes it: its control id, 59392.
const LPCTSTR kBarKey = _T("Velmora\\ORXToolBar-59392");
const LPCTSTR kParamsKey = _T("Velmora\\ORXToolbarParameters");

class StateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        App().ResetProfile();
        ORXGetCommandUsage().Reset();
        m_pWorkspace = new CORXWorkspace;
        m_pWorkspace->SetRegistryBase(_T("Velmora"));
        m_pFrame = new CFrameWnd;
        ASSERT_TRUE(m_pFrame->Create(NULL, _T("State test"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 300)));
        ASSERT_TRUE(m_bar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP));
        ASSERT_TRUE(m_bar.LoadToolBar(IDR_DEMO_TOOLBAR));
        m_bar.SetWindowText(_T("Standard"));
    }
    void TearDown() override
    {
        m_bar.DestroyWindow();
        m_pFrame->DestroyWindow();
        delete m_pWorkspace;
        CORXToolBar::SetLargeIcons(FALSE);
        ORXGetCommandUsage().Reset();
    }
    // The bar as the user changed it: Save gone, Alarm moved to the front.
    void ChangeBar()
    {
        ASSERT_TRUE(m_bar.RemoveButton(m_bar.CommandToIndex(ID_DEMO_SAVE)));
        ASSERT_TRUE(m_bar.RemoveButton(m_bar.CommandToIndex(ID_DEMO_ALARM)));
        ASSERT_EQ(0, m_bar.InsertButton(new CORXToolbarButton(ID_DEMO_ALARM, 5), 0));
    }

    CORXWorkspace* m_pWorkspace = NULL;
    CFrameWnd* m_pFrame = NULL;
    CORXToolBar m_bar;
};
} // namespace

TEST_F(StateTest, SaveWritesTheLayoutAndLoadBringsTheButtonsBack)
{
    ChangeBar();
    const std::vector<UINT> changed = Ids(m_bar);
    ORXGetCommandUsage().AddCmd(ID_DEMO_BOLD);
    CORXToolBar::SetLargeIcons(TRUE);
    CORXCommandManager::GetCmdMgr()->EnableMenuItemImage(ID_DEMO_OPEN, FALSE);
    ASSERT_TRUE(m_pWorkspace->SaveState(NULL, m_pFrame));

    EXPECT_EQ(6u, GetDword(_T("Velmora\\ORXControlBarVersion"), _T("Major")));
    EXPECT_EQ(33u, GetDword(_T("Velmora\\ORXControlBarVersion"), _T("Minor")));
    EXPECT_EQ(1u, GetDword(kParamsKey, _T("Tooltips")));
    EXPECT_EQ(1u, GetDword(kParamsKey, _T("ShortcutKeys")));
    EXPECT_EQ(1u, GetDword(kParamsKey, _T("LargeIcons")));
    EXPECT_EQ(0u, GetDword(kParamsKey, _T("MenuAnimation")));
    EXPECT_EQ(1u, GetDword(kParamsKey, _T("RecentlyUsedMenus")));
    EXPECT_EQ(1u, GetDword(kParamsKey, _T("MenuShadows")));
    EXPECT_EQ(1u, GetDword(kParamsKey, _T("ShowAllMenusAfterDelay")));
    EXPECT_EQ(0u, GetDword(kParamsKey, _T("Look2000")));
    // The total, then one entry: command and count.
    EXPECT_EQ(Hex(Dwords({1}) + Bytes{1, 0} + Dwords({ID_DEMO_BOLD, 1})),
              Hex(GetValue(kParamsKey, _T("CommandsUsage"), REG_BINARY)));
    // A list of one command: count then the id.
    EXPECT_EQ(Hex(Bytes{1, 0} + Dwords({ID_DEMO_OPEN})),
              Hex(GetValue(_T("Velmora\\ORXCommandManager"), _T("CommandsWithoutImages"), REG_BINARY)));
    Bytes name = GetValue(kBarKey, _T("Name"), REG_SZ);
    EXPECT_EQ("Standard", std::string(name.begin(), name.end() - 1));
    Bytes buttons = GetValue(kBarKey, _T("Buttons"), REG_BINARY);
    // Eight stored buttons (a count in two bytes), the first of a class recorded by name.
    ASSERT_GT(buttons.size(), 30u);
    EXPECT_EQ(8, buttons[0] | (buttons[1] << 8));
    EXPECT_EQ("FF FF ", Hex(Bytes(buttons.begin() + 2, buttons.begin() + 4)));
    // Original items are kept only when the workspace always resets.
    DWORD dwType = 0;
    Bytes none;
    EXPECT_FALSE(App().ReadProfileValue(kBarKey, _T("OriginalItems"), dwType, none));

    ASSERT_TRUE(m_bar.RestoreOriginalState());
    CORXToolBar::SetLargeIcons(FALSE);
    ORXGetCommandUsage().Reset();
    CORXCommandManager::GetCmdMgr()->EnableMenuItemImage(ID_DEMO_OPEN, TRUE);
    ASSERT_EQ(kResourceIds, Ids(m_bar));

    ASSERT_TRUE(m_pWorkspace->LoadState(NULL, m_pFrame));
    EXPECT_EQ(changed, Ids(m_bar));
    EXPECT_TRUE(CORXToolBar::IsLargeIcons());
    EXPECT_EQ(1u, ORXGetCommandUsage().GetCount(ID_DEMO_BOLD));
    EXPECT_TRUE(CORXCommandManager::GetCmdMgr()->IsMenuItemWithoutImage(ID_DEMO_OPEN));
    EXPECT_EQ(6, m_pWorkspace->GetSavedVersionMajor());
    EXPECT_EQ(33, m_pWorkspace->GetSavedVersionMinor());
    CORXCommandManager::GetCmdMgr()->EnableMenuItemImage(ID_DEMO_OPEN, TRUE);

    // The key of one bar goes with all its values.
    EXPECT_TRUE(m_bar.RemoveStateFromRegistry(m_pWorkspace->GetRegistrySectionPath()));
    EXPECT_FALSE(App().ReadProfileValue(kBarKey, _T("Buttons"), dwType, none));
}

// The bar's value is an archive of fixed-width fields: the same bytes whichever build writes it,
// and an image of those bytes gives the bar back, a menu button with its items included.
TEST_F(StateTest, TheButtonsValueIsOneFixedImageAndThatImageLoads)
{
    m_bar.RemoveAllButtons();
    ASSERT_EQ(0, m_bar.InsertButton(new CORXToolbarButton(ID_DEMO_NEW, 0)));
    ASSERT_EQ(1, m_bar.InsertSeparator());
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(menu.AppendMenu(MF_STRING, ID_DEMO_OPEN, _T("&Open")));
    ASSERT_EQ(2, m_bar.InsertButton(new CORXToolbarMenuButton(0, menu.GetSafeHmenu(), -1, _T("&File"))));
    ASSERT_TRUE(m_pWorkspace->SaveState(NULL, m_pFrame));
    // Per button: id, style, image, text, then the user-image, dragged-from-collection, text and
    // image words. A menu button follows with its tear-off bar's id and its items.
    const Bytes image =
        Image("03 00 | FF FF 01 00 11 00 'CORXToolbarButton' |"
              "01 7D 00 00 | 00 00 00 00 | 00 00 00 00 | 00 | 00 00 00 00 | 00 00 00 00 | 00 00 00 00 |"
              "01 00 00 00 | 01 80 |"
              "00 00 00 00 | 01 00 00 00 | FF FF FF FF | 00 | 00 00 00 00 | 00 00 00 00 | 00 00 00 00 |"
              "01 00 00 00 | FF FF 01 00 15 00 'CORXToolbarMenuButton' |"
              "00 00 00 00 | 00 00 00 00 | FF FF FF FF | 05 '&File' | 00 00 00 00 | 00 00 00 00 |"
              "01 00 00 00 | 00 00 00 00 | 00 00 00 00 | 01 00 | 04 80 |"
              "02 7D 00 00 | 00 00 00 00 | 01 00 00 00 | 05 '&Open' | 00 00 00 00 | 00 00 00 00 |"
              "00 00 00 00 | 01 00 00 00 | 00 00 00 00 | 00 00 |"
              "00 00 00 00 | 08 'Standard'");
    EXPECT_EQ(Hex(image), Hex(GetValue(kBarKey, _T("Buttons"), REG_BINARY)));

    ASSERT_TRUE(m_bar.RestoreOriginalState());
    ASSERT_EQ(kResourceIds, Ids(m_bar));
    EXPECT_TRUE(App().WriteProfileValue(kBarKey, _T("Buttons"), REG_BINARY, image));
    ASSERT_TRUE(m_pWorkspace->LoadState(NULL, m_pFrame));
    ASSERT_EQ(std::vector<UINT>({ID_DEMO_NEW, 0, 0}), Ids(m_bar));
    EXPECT_TRUE(m_bar.GetButton(1)->m_nStyle & TBBS_SEPARATOR);
    CORXToolbarMenuButton* pMenu = DYNAMIC_DOWNCAST(CORXToolbarMenuButton, m_bar.GetButton(2));
    ASSERT_TRUE(pMenu != NULL);
    EXPECT_STREQ(_T("&File"), pMenu->m_strText);
    ASSERT_EQ(1, (int)pMenu->GetCommands().GetCount());
    CORXToolbarButton* pItem = (CORXToolbarButton*)pMenu->GetCommands().GetHead();
    EXPECT_EQ((UINT)ID_DEMO_OPEN, pItem->m_nID);
    EXPECT_STREQ(_T("&Open"), pItem->m_strText);
}

TEST_F(StateTest, FirstRunEmptyBaseAndCleaningNeverReachTheProgramsOwnSettings)
{
    // Nothing saved: the bar keeps its resource, the load still answers that it ran, and the
    // version ends known.
    EXPECT_TRUE(m_pWorkspace->LoadState(NULL, m_pFrame));
    EXPECT_EQ(kResourceIds, Ids(m_bar));
    EXPECT_EQ(6, m_pWorkspace->GetSavedVersionMajor());

    EXPECT_TRUE(App().WriteProfileValue(_T("Clock"), _T("ClockOnTop"), REG_DWORD, Dwords({1})));
    ASSERT_TRUE(m_pWorkspace->SaveState(NULL, m_pFrame));

    // Without a base the workspace key would be the program's own: nothing is read, written or
    // deleted.
    CORXWorkspace other;
    other.SetRegistryBase(_T(""));
    EXPECT_FALSE(other.LoadState(NULL, m_pFrame));
    EXPECT_FALSE(other.SaveState(NULL, m_pFrame));
    EXPECT_FALSE(other.CleanState());
    EXPECT_FALSE(other.StoreWindowPlacement(CRect(1, 2, 3, 4), 0, SW_SHOWNORMAL));
    EXPECT_EQ(1u, GetDword(_T("Clock"), _T("ClockOnTop")));
    DWORD dwType = 0;
    Bytes data;
    EXPECT_FALSE(App().ReadProfileValue(_T("ORXControlBarVersion"), _T("Major"), dwType, data));

    // Cleaning takes the workspace's key and only that.
    ASSERT_TRUE(m_pWorkspace->CleanState());
    EXPECT_FALSE(App().ReadProfileValue(_T("Velmora\\ORXControlBarVersion"), _T("Major"), dwType, data));
    EXPECT_FALSE(App().ReadProfileValue(kBarKey, _T("Buttons"), dwType, data));
    EXPECT_EQ(1u, GetDword(_T("Clock"), _T("ClockOnTop")));

    // Saving disabled writes nothing.
    m_pWorkspace->EnableSaving(FALSE);
    EXPECT_FALSE(m_pWorkspace->SaveState(NULL, m_pFrame));
    EXPECT_FALSE(App().ReadProfileValue(_T("Velmora\\ORXControlBarVersion"), _T("Major"), dwType, data));
}

TEST_F(StateTest, DamagedOrForeignButtonsGiveTheResourcesBar)
{
    ChangeBar();
    ASSERT_TRUE(m_pWorkspace->SaveState(NULL, m_pFrame));
    Bytes good = GetValue(kBarKey, _T("Buttons"), REG_BINARY);

    // A list of one object of another serialisable class: refused before it is made.
    CORXCommandUsage usage;
    Bytes foreign = StoreToBytes([&](CArchive& ar) {
        ar.WriteCount(1);
        ar.WriteObject(&usage);
        ar << (BOOL)FALSE << CString(_T("x"));
    });
    // Two entries, the second a reference back to the first: one button owned twice.
    CORXToolbarButton button(ID_DEMO_NEW, 0);
    Bytes twice = StoreToBytes([&](CArchive& ar) {
        ar.WriteCount(2);
        ar.WriteObject(&button);
        ar.WriteObject(&button);
        ar << (BOOL)FALSE << CString(_T("Twice"));
    });
    // Two entries, the second an empty object marker, then a bar's text-labels flag and text.
    Bytes nullEntry = StoreToBytes([&](CArchive& ar) {
        ar.WriteCount(2);
        ar.WriteObject(&button);
        ar.WriteObject(NULL);
        ar << (BOOL)FALSE << CString(_T("Null"));
    });
    ASSERT_GT(foreign.size(), 20u);
    ASSERT_GT(twice.size(), foreign.size());

    struct Case
    {
        const char* pszName;
        Bytes data;
    } cases[] = {
        {"cut short", Bytes(good.begin(), good.begin() + good.size() / 2)},
        {"empty", Bytes()},
        {"foreign class", foreign},
        {"one button twice", twice},
        {"an empty object marker", nullEntry},
        {"count too large", Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        ASSERT_TRUE(m_bar.RestoreOriginalState());
        ChangeBar();
        EXPECT_TRUE(App().WriteProfileValue(kBarKey, _T("Buttons"), REG_BINARY, c.data));
        EXPECT_FALSE(m_bar.LoadState(m_pWorkspace->GetRegistrySectionPath()));
        EXPECT_EQ(kResourceIds, Ids(m_bar));
    }

    // A caller that reads a bar from an archive of its own learns of the damage as an archive
    // exception, with the bar as it was, rather than reading on from inside the list.
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        if (c.data.empty())
            continue;
        ASSERT_TRUE(m_bar.RestoreOriginalState());
        ChangeBar();
        const std::vector<UINT> changed = Ids(m_bar);
        EXPECT_TRUE(LoadThrowsArchiveException(m_bar, c.data));
        EXPECT_EQ(changed, Ids(m_bar));
    }
}

// A menu button's own fields as its class writes them (the button's, then no tear-off bar), and
// the count of the items that follow.
void WriteMenuHead(CArchive& ar, CORXToolbarMenuButton& fields, DWORD nItems)
{
    ar.WriteClass(RUNTIME_CLASS(CORXToolbarMenuButton));
    fields.CORXToolbarButton::Serialize(ar);
    ar << (UINT)0;
    ar.WriteCount(nItems);
}

void WriteBarTail(CArchive& ar)
{
    ar << (BOOL)FALSE << CString(_T("Standard"));
}

// Damage inside a sub-menu refuses the whole value: the bar starts from its resource, and no
// damaged item is taken into it. The reader numbers objects as it makes them: the menu's class is
// 1, the menu 2, an item's class 3 and the first item 4.
TEST_F(StateTest, DamagedItemsOfSubMenusRefuseTheWholeValue)
{
    CORXToolbarMenuButton menuFields;
    menuFields.m_strText = _T("&Menu");
    CORXToolbarButton item(ID_DEMO_MENU_FIRST, -1, _T("&First"));
    CORXToolbarButton item2(ID_DEMO_MENU_LAST, -1, _T("&Last"));
    CORXCommandUsage foreign;
    const int kDeep = 30000;
    auto Menu = [&](std::function<void(CArchive&)> items, DWORD nItems) {
        return StoreToBytes([&](CArchive& ar) {
            ar.WriteCount(1);
            WriteMenuHead(ar, menuFields, nItems);
            items(ar);
            WriteBarTail(ar);
        });
    };
    struct Case
    {
        const char* pszName;
        Bytes data;
    } cases[] = {
        {"an empty object marker", Menu([&](CArchive& ar) { ar.WriteObject(NULL); }, 1)},
        {"the item twice", Menu(
                               [&](CArchive& ar) {
                                   ar.WriteObject(&item);
                                   ar << (WORD)4;
                               },
                               2)},
        {"the menu as its own item", Menu([&](CArchive& ar) { ar << (WORD)2; }, 1)},
        {"the bar's first button again", StoreToBytes([&](CArchive& ar) {
             ar.WriteCount(2);
             WriteMenuHead(ar, menuFields, 0);
             WriteMenuHead(ar, menuFields, 1);
             ar << (WORD)2;
             WriteBarTail(ar);
         })},
        {"an object of another class", Menu([&](CArchive& ar) { ar.WriteObject(&foreign); }, 1)},
        {"sub-menus 30,000 deep", StoreToBytes([&](CArchive& ar) {
             ar.WriteCount(1);
             for (int i = 0; i < kDeep; i++)
                 WriteMenuHead(ar, menuFields, i + 1 < kDeep ? 1 : 0);
             WriteBarTail(ar);
         })},
        {"one item fewer than stored", Menu(
                                           [&](CArchive& ar) {
                                               ar.WriteObject(&item);
                                               ar.WriteObject(&item2);
                                           },
                                           1)},
        {"a byte after the record", Menu([&](CArchive& ar) { ar.WriteObject(&item); }, 1) + Bytes{0}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        ASSERT_TRUE(m_bar.RestoreOriginalState());
        ChangeBar();
        EXPECT_TRUE(App().WriteProfileValue(kBarKey, _T("Buttons"), REG_BINARY, c.data));
        EXPECT_FALSE(m_bar.LoadState(m_pWorkspace->GetRegistrySectionPath()));
        EXPECT_EQ(kResourceIds, Ids(m_bar));
    }

    // Sound menus nested a few deep load with every level.
    Bytes nested = StoreToBytes([&](CArchive& ar) {
        ar.WriteCount(1);
        for (int i = 0; i < 8; i++)
            WriteMenuHead(ar, menuFields, 1);
        ar.WriteObject(&item);
        WriteBarTail(ar);
    });
    EXPECT_TRUE(App().WriteProfileValue(kBarKey, _T("Buttons"), REG_BINARY, nested));
    ASSERT_TRUE(m_bar.LoadState(m_pWorkspace->GetRegistrySectionPath()));
    ASSERT_EQ(1, m_bar.GetCount());
    const CORXToolbarButton* pLevel = m_bar.GetButton(0);
    for (int i = 0; i < 8; i++)
    {
        const CORXToolbarMenuButton* pMenu = DYNAMIC_DOWNCAST(CORXToolbarMenuButton, (CObject*)pLevel);
        ASSERT_TRUE(pMenu != NULL && pMenu->GetCommands().GetCount() == 1) << i;
        pLevel = (const CORXToolbarButton*)pMenu->GetCommands().GetHead();
    }
    EXPECT_EQ((UINT)ID_DEMO_MENU_FIRST, pLevel->m_nID);
}

// What an undamaged start writes comes back the same at every start: items without an image keep
// their user-image flag rather than turning it at each load.
TEST_F(StateTest, MenusOfItemsWithoutImagesSaveTheSameBytesAtEveryStart)
{
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(menu.AppendMenu(MF_STRING, ID_DEMO_MENU_FIRST, _T("&First")));
    ASSERT_TRUE(menu.AppendMenu(MF_STRING, ID_DEMO_MENU_LAST, _T("&Last")));
    ASSERT_GE(m_bar.InsertButton(new CORXToolbarMenuButton(0, menu.GetSafeHmenu(), -1, _T("&Run"))), 0);
    ASSERT_TRUE(m_pWorkspace->SaveState(NULL, m_pFrame));
    const Bytes first = GetValue(kBarKey, _T("Buttons"), REG_BINARY);
    for (int i = 0; i < 3; i++)
    {
        ASSERT_TRUE(m_pWorkspace->LoadState(NULL, m_pFrame));
        ASSERT_TRUE(m_pWorkspace->SaveState(NULL, m_pFrame));
        EXPECT_EQ(Hex(first), Hex(GetValue(kBarKey, _T("Buttons"), REG_BINARY))) << i;
    }
}

TEST_F(StateTest, OriginalItemsFollowAResourceThatChanged)
{
    m_pWorkspace->SetAlwaysReset(TRUE);
    ASSERT_TRUE(m_pWorkspace->SaveState(NULL, m_pFrame));
    GetValue(kBarKey, _T("OriginalItems"), REG_BINARY);

    // The items as an older resource had them: Open missing, a command since dropped at the end.
    CObList stored;
    for (UINT id : {(UINT)ID_DEMO_NEW, (UINT)ID_DEMO_SAVE, 0u, (UINT)ID_DEMO_BOLD, (UINT)ID_DEMO_CHECK, 0u,
                    (UINT)ID_DEMO_ALARM, (UINT)ID_DEMO_LARGE, 32050u})
    {
        CORXToolbarButton* p = new CORXToolbarButton;
        p->m_nID = id;
        stored.AddTail(p);
    }
    // The bar as the user left it under that resource.
    ASSERT_TRUE(m_bar.RemoveButton(m_bar.CommandToIndex(ID_DEMO_OPEN)));
    ASSERT_GE(m_bar.InsertButton(new CORXToolbarButton(32050, -1)), 0);
    EXPECT_TRUE(m_bar.MergeWithOriginalItems(stored));
    EXPECT_TRUE(m_bar.IsModifiedFromOriginal());
    EXPECT_EQ(kResourceIds, Ids(m_bar));
    while (!stored.IsEmpty())
        delete stored.RemoveHead();

    // The same items again change nothing.
    EXPECT_FALSE(m_bar.MergeWithOriginalItems(m_bar.GetOriginalItems()));
    EXPECT_EQ(kResourceIds, Ids(m_bar));

    // Damaged original items are left alone; the buttons still load.
    ChangeBar();
    ASSERT_TRUE(m_pWorkspace->SaveState(NULL, m_pFrame));
    const std::vector<UINT> changed = Ids(m_bar);
    EXPECT_TRUE(
        App().WriteProfileValue(kBarKey, _T("OriginalItems"), REG_BINARY, Bytes{0x03, 0x00, 0xFF, 0xFF}));
    EXPECT_TRUE(m_bar.LoadState(m_pWorkspace->GetRegistrySectionPath()));
    EXPECT_EQ(changed, Ids(m_bar));
}

namespace
{
// Records the saved version that the bars were loaded under.
class CVersionWorkspace : public CORXWorkspace
{
public:
    using CORXWorkspace::CORXWorkspace;
    int m_nMajorWhileLoading = 0;
    int m_nMinorWhileLoading = 0;

protected:
    void LoadCustomState() override
    {
        m_nMajorWhileLoading = GetSavedVersionMajor();
        m_nMinorWhileLoading = GetSavedVersionMinor();
    }
};
} // namespace

TEST_F(StateTest, VersionWhileLoadingAndResetAfterLoadOfAChangedResource)
{
    delete m_pWorkspace;
    CVersionWorkspace* pWorkspace = new CVersionWorkspace(TRUE);
    m_pWorkspace = pWorkspace;
    pWorkspace->SetRegistryBase(_T("Velmora"));
    pWorkspace->LoadState(NULL, m_pFrame);
    EXPECT_EQ(-1, pWorkspace->m_nMajorWhileLoading);
    EXPECT_EQ(-1, pWorkspace->m_nMinorWhileLoading);
    EXPECT_EQ(33, pWorkspace->GetSavedVersionMinor());

    // Saved under an older resource of two items: the bar differs from its resource's set, and
    // the workspace rebuilds it from the resource; image registration is back on afterwards.
    pWorkspace->SetAlwaysReset(TRUE);
    ChangeBar();
    ASSERT_TRUE(pWorkspace->SaveState(NULL, m_pFrame));
    CObList older;
    for (UINT id : {(UINT)ID_DEMO_NEW, (UINT)ID_DEMO_SAVE})
    {
        CORXToolbarButton* p = new CORXToolbarButton;
        p->m_nID = id;
        older.AddTail(p);
    }
    {
        CORXRegistrySP regSP;
        CORXRegistry& reg = regSP.CreateRegistry(FALSE, FALSE);
        ASSERT_TRUE(reg.Open(pWorkspace->GetRegistrySectionPath(_T("ORXToolBar-59392"))));
        ASSERT_TRUE(reg.Write(_T("OriginalItems"), (CObject&)older));
    }
    while (!older.IsEmpty())
        delete older.RemoveHead();
    ASSERT_TRUE(pWorkspace->LoadState(NULL, m_pFrame));
    EXPECT_EQ(kResourceIds, Ids(m_bar));
    EXPECT_TRUE(m_bar.IsModifiedFromOriginal());
    EXPECT_EQ(6, pWorkspace->m_nMajorWhileLoading);
    EXPECT_EQ(33, pWorkspace->m_nMinorWhileLoading);
    EXPECT_TRUE(CORXToolbarButton::m_bUpdateImages);
}

TEST_F(StateTest, KeyNamesJoinIndexAndResourceIdAndProfileSectionsAreRelative)
{
    CString strPath = m_pWorkspace->GetRegistrySectionPath();
    EXPECT_STREQ(_T("Velmora\\SizingBars"), m_pWorkspace->GetSizingBarsSection());
    EXPECT_STREQ(_T("Velmora\\ControlBars"), m_pWorkspace->GetControlBarsSection());
    ASSERT_TRUE(m_bar.SaveState(strPath, 59392, 0x1F4));
    GetValue(_T("Velmora\\ORXToolBar-593921f4"), _T("Buttons"), REG_BINARY);
    ASSERT_TRUE(m_bar.SaveState(strPath, 7));
    GetValue(_T("Velmora\\ORXToolBar-7"), _T("Buttons"), REG_BINARY);
}

TEST_F(StateTest, BarsParametersAndCommandsSavedWithoutAPathKeepTheirSectionBesideTheWorkspace)
{
    ORXGetCommandUsage().AddCmd(ID_DEMO_BOLD);
    ASSERT_TRUE(m_bar.SaveState(NULL));
    ASSERT_TRUE(CORXToolBar::SaveParameters(NULL));
    ASSERT_TRUE(CORXCommandManager::GetCmdMgr()->SaveState(NULL));
    GetValue(_T("ORXToolBars\\ORXToolBar-59392"), _T("Buttons"), REG_BINARY);
    EXPECT_EQ(Hex(Dwords({1}) + Bytes{1, 0} + Dwords({ID_DEMO_BOLD, 1})),
              Hex(GetValue(_T("ORXToolBars\\ORXToolbarParameters"), _T("CommandsUsage"), REG_BINARY)));
    GetValue(_T("ORXToolBars\\ORXCommandManager"), _T("CommandsWithoutImages"), REG_BINARY);
    DWORD dwType = 0;
    Bytes data;
    EXPECT_FALSE(
        App().ReadProfileValue(_T("Velmora\\ORXToolBars\\ORXToolBar-59392"), _T("Buttons"), dwType, data));
    EXPECT_FALSE(App().ReadProfileValue(kParamsKey, _T("CommandsUsage"), dwType, data));

    // Read back from the same place.
    ORXGetCommandUsage().Reset();
    ASSERT_TRUE(CORXToolBar::LoadParameters(NULL));
    EXPECT_EQ(1u, ORXGetCommandUsage().GetCount(ID_DEMO_BOLD));
    ASSERT_TRUE(m_bar.LoadState(NULL));
}

TEST_F(StateTest, SavingWritesTheUserImagesToTheirFileAndReportsWhenItCannot)
{
    // A user well read from a bitmap file: the demonstration's own images.
    CTestFolder folder;
    folder.Write(_T("user.bmp"), BitmapFileOf(IDR_DEMO_TOOLBAR));
    CString strFile = folder.File(_T("user.bmp"));
    CORXToolbarImageList user;
    ASSERT_TRUE(user.LoadFromFile(strFile));
    ASSERT_EQ(7, user.GetCount());
    CORXToolBar::SetUserImages(&user);

    // A new image: saving the state writes the well with it.
    CORXToolbarImageList images;
    ASSERT_TRUE(images.Load(IDR_DEMO_TOOLBAR));
    ASSERT_GE(user.AddImage(images.GetImageWell()), 0);
    ASSERT_TRUE(user.IsModified());
    EXPECT_TRUE(m_pWorkspace->SaveState(NULL, m_pFrame));
    EXPECT_FALSE(user.IsModified());
    {
        CORXToolbarImageList reread;
        ASSERT_TRUE(reread.LoadFromFile(strFile));
        EXPECT_EQ(user.GetCount(), reread.GetCount());
        EXPECT_GT(reread.GetCount(), 7);
    }

    // The file cannot be written (a folder stands in its place): the rest is saved, and the
    // answer says that not everything was.
    ASSERT_TRUE(::DeleteFile(strFile));
    ASSERT_TRUE(::CreateDirectory(strFile, NULL));
    ASSERT_GE(user.AddImage(images.GetImageWell()), 0);
    ChangeBar();
    EXPECT_FALSE(m_pWorkspace->SaveState(NULL, m_pFrame));
    EXPECT_TRUE(user.IsModified());
    const std::vector<UINT> changed = Ids(m_bar);
    ASSERT_TRUE(m_bar.RestoreOriginalState());
    EXPECT_TRUE(m_pWorkspace->LoadState(NULL, m_pFrame));
    EXPECT_EQ(changed, Ids(m_bar));

    CORXToolBar::SetUserImages(NULL);
    ::RemoveDirectory(strFile);
}

TEST_F(StateTest, UsesCountedInMenusAndTheChevronAreSavedAndLoaded)
{
    CORXPopupMenu::SetAnimationType(CORXPopupMenu::NO_ANIMATION);
    m_pFrame->m_bAutoMenuEnable = FALSE; // commands without handlers stay enabled
    // Bold from a pop-up menu.
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, ID_DEMO_BOLD, "&Bold");
    CORXPopupMenu* pMenu = new CORXPopupMenu;
    ASSERT_TRUE(pMenu->Create(m_pFrame, 100, 100, hMenu, FALSE, TRUE));
    pMenu->SendMessage(WM_KEYDOWN, VK_HOME, 1);
    pMenu->SendMessage(WM_KEYDOWN, VK_RETURN, 1);
    PumpPending();
    // Bold again, from the chevron's menu of a bar too narrow for it.
    CCustomizeButton* pChevron = new CCustomizeButton;
    ASSERT_GE(m_bar.InsertButton(pChevron), 0);
    m_bar.MoveWindow(CRect(0, 0, 60, 30));
    m_bar.PlaceButtons();
    ASSERT_TRUE(pChevron->HasInvisibleButtons());
    ASSERT_TRUE(pChevron->OpenPopupMenu(&m_bar));
    CORXPopupMenuBar* pItems = pChevron->GetPopupMenu()->GetMenuBar();
    int iBold = pItems->CommandToIndex(ID_DEMO_BOLD);
    ASSERT_GE(iBold, 0);
    pItems->InvokeMenuCommand(ID_DEMO_BOLD, pItems->GetButton(iBold));
    PumpPending();
    ASSERT_EQ(2u, ORXGetCommandUsage().GetCount(ID_DEMO_BOLD));

    ASSERT_TRUE(m_pWorkspace->SaveState(NULL, m_pFrame));
    EXPECT_EQ(Hex(Dwords({2}) + Bytes{1, 0} + Dwords({ID_DEMO_BOLD, 2})),
              Hex(GetValue(kParamsKey, _T("CommandsUsage"), REG_BINARY)));
    ORXGetCommandUsage().Reset();
    ASSERT_TRUE(m_pWorkspace->LoadState(NULL, m_pFrame));
    EXPECT_EQ(2u, ORXGetCommandUsage().GetCount(ID_DEMO_BOLD));
    EXPECT_EQ(2u, ORXGetCommandUsage().GetTotal());
}

TEST(CommandUsage, CountsThresholdAndCommandsNeverCounted)
{
    CORXCommandUsage usage;
    for (UINT id : {0u, (UINT)-1, 0xE110u, 0xE11Fu, 0xF000u, 0xF1EFu, 0xFF00u, 0xFFFFu, 0xE210u, 0xE21Fu})
        EXPECT_EQ(0u, usage.AddCmd(id)) << id;
    EXPECT_EQ(0u, usage.GetTotal());
    EXPECT_FALSE(usage.IsFrequentlyUsed(100));
    EXPECT_EQ(1u, usage.AddCmd(100));
    EXPECT_EQ(2u, usage.AddCmd(100));
    EXPECT_EQ(2u, usage.GetCount(100));
    EXPECT_EQ(0u, usage.GetCount(101));

    // 200 uses: 10 and 11 give 5 per cent, which is not above 5; 12 give 6.
    usage.Reset();
    for (int i = 0; i < 10; i++)
        usage.AddCmd(1);
    for (int i = 0; i < 11; i++)
        usage.AddCmd(2);
    for (int i = 0; i < 12; i++)
        usage.AddCmd(3);
    for (int i = 0; i < 167; i++)
        usage.AddCmd(4);
    ASSERT_EQ(200u, usage.GetTotal());
    EXPECT_FALSE(usage.IsFrequentlyUsed(1));
    EXPECT_FALSE(usage.IsFrequentlyUsed(2));
    EXPECT_TRUE(usage.IsFrequentlyUsed(3));

    CORXToolBar::SetCustomizeMode(TRUE);
    EXPECT_EQ(0u, usage.AddCmd(1));
    CORXToolBar::SetCustomizeMode(FALSE);
}

TEST(CommandUsage, ImagesAreTakenWholeAndLargeCountsKeepTheirShare)
{
    CORXCommandUsage usage;
    usage.AddCmd(7);

    struct Case
    {
        const char* pszName;
        Bytes data;
    } bad[] = {
        {"cut in an entry", Dwords({3}) + Bytes{2, 0} + Dwords({5, 2, 6})},
        {"counts above the total", Dwords({3}) + Bytes{2, 0} + Dwords({5, 2, 6, 2})},
        {"a command twice", Dwords({4}) + Bytes{2, 0} + Dwords({5, 2, 5, 2})},
        {"a count of none", Dwords({4}) + Bytes{1, 0} + Dwords({5, 0})},
        {"a total above the counts", Dwords({0xFFFFFFFFu}) + Bytes{1, 0} + Dwords({5, 1})},
        {"a count of no command", Dwords({2}) + Bytes{2, 0} + Dwords({5, 1, 0, 1})},
        {"a count of a reserved id", Dwords({2}) + Bytes{2, 0} + Dwords({5, 1, 0xFFFF, 1})},
        {"a count of a system command", Dwords({1}) + Bytes{1, 0} + Dwords({0xF060, 1})},
        {"a count of a recent file", Dwords({1}) + Bytes{1, 0} + Dwords({0xE110, 1})},
    };
    for (const Case& c : bad)
    {
        SCOPED_TRACE(c.pszName);
        EXPECT_FALSE(LoadFromBytes(usage, c.data));
        EXPECT_EQ(1u, usage.GetTotal());
        EXPECT_EQ(1u, usage.GetCount(7));
        EXPECT_EQ(0u, usage.GetCount(5));
    }

    // Counts beyond what a 32-bit percentage holds: 3,000,000,000 of 4,000,000,000 is 75 per cent.
    ASSERT_TRUE(
        LoadFromBytes(usage, Dwords({4000000000u}) + Bytes{2, 0} + Dwords({5, 3000000000u, 6, 1000000000u})));
    EXPECT_TRUE(usage.IsFrequentlyUsed(5));
    EXPECT_TRUE(usage.IsFrequentlyUsed(6));
    EXPECT_EQ(0u, usage.GetCount(7));

    // A full total stops counting instead of wrapping to none.
    ASSERT_TRUE(LoadFromBytes(usage, Dwords({0xFFFFFFFFu}) + Bytes{1, 0} + Dwords({5, 0xFFFFFFFFu})));
    EXPECT_EQ(0xFFFFFFFFu, usage.AddCmd(5));
    EXPECT_EQ(0xFFFFFFFFu, usage.GetCount(5));
    EXPECT_TRUE(usage.IsFrequentlyUsed(5));
}

TEST_F(StateTest, EachParameterIsReadOnItsOwnAndDamagedCountsStartAgain)
{
    ORXGetCommandUsage().AddCmd(ID_DEMO_BOLD);
    ASSERT_TRUE(CORXToolBar::SaveParameters(m_pWorkspace->GetRegistrySectionPath()));
    EXPECT_TRUE(
        App().WriteProfileValue(kParamsKey, _T("CommandsUsage"), REG_BINARY, Dwords({9}) + Bytes{5, 0}));
    EXPECT_FALSE(CORXToolBar::LoadParameters(m_pWorkspace->GetRegistrySectionPath()));
    EXPECT_EQ(0u, ORXGetCommandUsage().GetTotal());

    // The user's values after an unreadable one, and the counts, are still taken; the unreadable
    // value leaves its setting as it was.
    ORXGetCommandUsage().AddCmd(ID_DEMO_BOLD);
    ASSERT_TRUE(CORXToolBar::SaveParameters(m_pWorkspace->GetRegistrySectionPath()));
    ORXGetCommandUsage().Reset();
    EXPECT_TRUE(App().WriteProfileValue(kParamsKey, _T("Tooltips"), REG_SZ, Bytes{'0', 0}));
    EXPECT_TRUE(App().WriteProfileValue(kParamsKey, _T("LargeIcons"), REG_SZ, Bytes{'1', 0}));
    EXPECT_TRUE(App().WriteProfileValue(kParamsKey, _T("MenuShadows"), REG_DWORD, Dwords({0})));
    EXPECT_TRUE(App().WriteProfileValue(kParamsKey, _T("ShowAllMenusAfterDelay"), REG_DWORD, Dwords({0})));
    EXPECT_FALSE(CORXToolBar::LoadParameters(m_pWorkspace->GetRegistrySectionPath()));
    EXPECT_TRUE(CORXToolBar::m_bShowTooltips);
    EXPECT_FALSE(CORXToolBar::IsLargeIcons());
    EXPECT_FALSE(CORXToolBar::m_bMenuShadows);
    EXPECT_FALSE(CORXToolBar::m_bShowAllMenusAfterDelay);
    EXPECT_EQ(1u, ORXGetCommandUsage().GetCount(ID_DEMO_BOLD));

    // An older key without the animation and the 2000 look leaves both as they are.
    CORXToolBar::m_bMenuShadows = TRUE;
    CORXToolBar::m_bShowAllMenusAfterDelay = TRUE;
    CORXPopupMenu::SetAnimationType(CORXPopupMenu::UNFOLD);
    CORXRegistrySP regSP;
    CORXRegistry& reg = regSP.CreateRegistry(FALSE, FALSE);
    ASSERT_TRUE(reg.Open(App().ProfileKey(kParamsKey)));
    ASSERT_TRUE(reg.DeleteValue(_T("MenuAnimation")));
    EXPECT_FALSE(CORXToolBar::LoadParameters(m_pWorkspace->GetRegistrySectionPath()));
    EXPECT_EQ(CORXPopupMenu::UNFOLD, CORXPopupMenu::GetAnimationType());
    CORXPopupMenu::SetAnimationType(CORXPopupMenu::NO_ANIMATION);

    EXPECT_FALSE(CORXToolBar::LoadParameters(_T("SOFTWARE\\Quendra Labs\\no such key\\")));
}

TEST_F(StateTest, WindowPlacementIsAppliedOnlyWhenReadAndSensible)
{
    EXPECT_FALSE(m_pWorkspace->RestoreWindowPlacement(m_pFrame));
    ASSERT_TRUE(m_pWorkspace->StoreWindowPlacement(CRect(40, 50, 440, 350), 0, SW_SHOWMINIMIZED));
    EXPECT_EQ(Hex(Dwords({40, 50, 440, 350})),
              Hex(GetValue(_T("Velmora\\WindowPlacement"), _T("MainWindowRect"), REG_BINARY)));
    EXPECT_EQ((DWORD)SW_SHOWMINIMIZED, GetDword(_T("Velmora\\WindowPlacement"), _T("ShowCmd")));
    CRect rect;
    int nFlags = -1, nShowCmd = -1;
    ASSERT_TRUE(m_pWorkspace->LoadWindowPlacement(rect, nFlags, nShowCmd));
    EXPECT_EQ(CRect(40, 50, 440, 350), rect);
    EXPECT_EQ(0, nFlags);
    EXPECT_EQ(SW_SHOWMINIMIZED, nShowCmd);

    // A minimised placement comes back shown normally.
    ASSERT_TRUE(m_pWorkspace->RestoreWindowPlacement(m_pFrame));
    WINDOWPLACEMENT wp = {sizeof(wp)};
    ASSERT_TRUE(m_pFrame->GetWindowPlacement(&wp));
    EXPECT_EQ(CRect(40, 50, 440, 350), CRect(wp.rcNormalPosition));
    EXPECT_NE((UINT)SW_SHOWMINIMIZED, wp.showCmd);
    EXPECT_FALSE(m_pFrame->IsIconic());

    // A rectangle no window could have, or one that does not read, is not applied.
    EXPECT_TRUE(App().WriteProfileValue(_T("Velmora\\WindowPlacement"), _T("MainWindowRect"), REG_BINARY,
                                        Dwords({10, 10, 10, 10})));
    EXPECT_FALSE(m_pWorkspace->RestoreWindowPlacement(m_pFrame));
    EXPECT_TRUE(App().WriteProfileValue(_T("Velmora\\WindowPlacement"), _T("MainWindowRect"), REG_BINARY,
                                        Dwords({10, 10})));
    EXPECT_FALSE(m_pWorkspace->RestoreWindowPlacement(m_pFrame));
    ASSERT_TRUE(m_pFrame->GetWindowPlacement(&wp));
    EXPECT_EQ(CRect(40, 50, 440, 350), CRect(wp.rcNormalPosition));

    // A placement no window could have had is refused whole: the caller's values stay as they were,
    // and a frame made from it opens where the program puts it.
    struct Damage
    {
        const char* pszWhat;
        DWORD rect[4];
        DWORD dwFlags;
        DWORD dwShowCmd;
    } damages[] = {
        {"the whole integer range", {0x80000000, 0x80000000, 0x7FFFFFFF, 0x7FFFFFFF}, 0, SW_SHOWNORMAL},
        {"edges beyond 16 bits", {40, 50, 70000, 350}, 0, SW_SHOWNORMAL},
        {"a rectangle the wrong way round", {440, 50, 40, 350}, 0, SW_SHOWNORMAL},
        {"unknown flags", {40, 50, 440, 350}, 0x100, SW_SHOWNORMAL},
        {"an unknown show command", {40, 50, 440, 350}, 0, 99},
        {"a negative show command", {40, 50, 440, 350}, 0, 0xFFFFFFFF},
    };
    for (const Damage& damage : damages)
    {
        ASSERT_TRUE(m_pWorkspace->StoreWindowPlacement(CRect(40, 50, 440, 350), 0, SW_SHOWNORMAL));
        EXPECT_TRUE(App().WriteProfileValue(
            _T("Velmora\\WindowPlacement"), _T("MainWindowRect"), REG_BINARY,
            Dwords({damage.rect[0], damage.rect[1], damage.rect[2], damage.rect[3]})));
        EXPECT_TRUE(App().WriteProfileValue(_T("Velmora\\WindowPlacement"), _T("Flags"), REG_DWORD,
                                            Dwords({damage.dwFlags})));
        EXPECT_TRUE(App().WriteProfileValue(_T("Velmora\\WindowPlacement"), _T("ShowCmd"), REG_DWORD,
                                            Dwords({damage.dwShowCmd})));
        CRect rectOut(1, 2, 3, 4);
        int nFlagsOut = 5, nShowOut = 6;
        EXPECT_FALSE(m_pWorkspace->LoadWindowPlacement(rectOut, nFlagsOut, nShowOut)) << damage.pszWhat;
        EXPECT_EQ(CRect(1, 2, 3, 4), rectOut) << damage.pszWhat;
        EXPECT_EQ(5, nFlagsOut) << damage.pszWhat;
        EXPECT_EQ(6, nShowOut) << damage.pszWhat;
        EXPECT_FALSE(m_pWorkspace->RestoreWindowPlacement(m_pFrame)) << damage.pszWhat;
    }
    ASSERT_TRUE(m_pWorkspace->StoreWindowPlacement(CRect(-200, 50, 440, 350), WPF_RESTORETOMAXIMIZED,
                                                   SW_SHOWMAXIMIZED));
    ASSERT_TRUE(m_pWorkspace->LoadWindowPlacement(rect, nFlags, nShowCmd));
    EXPECT_EQ(CRect(-200, 50, 440, 350), rect);
}

// Every reader of saved state, fed seeded mutations of the values a save wrote: none crashes, a
// bar holds only buttons, and the counts stay consistent.
TEST_F(StateTest, MutatedSavedValuesNeverCrashAnyReader)
{
    m_pWorkspace->SetAlwaysReset(TRUE);
    ChangeBar();
    for (UINT id : {(UINT)ID_DEMO_NEW, (UINT)ID_DEMO_BOLD, (UINT)ID_DEMO_BOLD})
        ORXGetCommandUsage().AddCmd(id);
    CORXCommandManager::GetCmdMgr()->EnableMenuItemImage(ID_DEMO_OPEN, FALSE);
    ASSERT_TRUE(m_pWorkspace->SaveState(NULL, m_pFrame));
    ASSERT_TRUE(m_pWorkspace->StoreWindowPlacement(CRect(40, 50, 440, 350), 0, SW_SHOWNORMAL));
    CORXCommandManager::GetCmdMgr()->EnableMenuItemImage(ID_DEMO_OPEN, TRUE);

    struct Value
    {
        LPCTSTR pszKey;
        LPCTSTR pszEntry;
        Bytes good;
    } values[] = {
        {kBarKey, _T("Buttons"), {}},
        {kBarKey, _T("OriginalItems"), {}},
        {kParamsKey, _T("CommandsUsage"), {}},
        {_T("Velmora\\ORXCommandManager"), _T("CommandsWithoutImages"), {}},
        {_T("Velmora\\WindowPlacement"), _T("MainWindowRect"), {}},
    };
    for (Value& v : values)
        v.good = GetValue(v.pszKey, v.pszEntry, REG_BINARY);

    std::mt19937 rng(20261209);
    for (int iRound = 0; iRound < 150; iRound++)
    {
        for (const Value& v : values)
        {
            Bytes data = v.good;
            switch (rng() % 4)
            {
            case 0: // flip bytes
                for (int n = 1 + rng() % 4; n > 0 && !data.empty(); n--)
                    data[rng() % data.size()] ^= (BYTE)(1 + rng() % 255);
                break;
            case 1: // cut
                data.resize(rng() % (data.size() + 1));
                break;
            case 2: // a large count or tag at a random place
                if (data.size() >= 2)
                {
                    size_t i = rng() % (data.size() - 1);
                    data[i] = 0xFF;
                    data[i + 1] = (BYTE)(rng() % 256);
                }
                break;
            default: // random tail
                for (int n = rng() % 16; n > 0; n--)
                    data.push_back((BYTE)rng());
                break;
            }
            EXPECT_TRUE(App().WriteProfileValue(v.pszKey, v.pszEntry, REG_BINARY, data));
        }
        m_pWorkspace->LoadState(NULL, m_pFrame);
        for (int i = 0; i < m_bar.GetCount(); i++)
        {
            CORXToolbarButton* pButton = m_bar.GetButton(i);
            ASSERT_TRUE(pButton != NULL && pButton->IsKindOf(RUNTIME_CLASS(CORXToolbarButton)));
        }
        CORXCommandUsage& usage = ORXGetCommandUsage();
        EXPECT_LE(usage.GetCount(ID_DEMO_BOLD), usage.GetTotal());
        CRect rect;
        int nFlags = 0, nShowCmd = 0;
        m_pWorkspace->LoadWindowPlacement(rect, nFlags, nShowCmd);
        m_pWorkspace->RestoreWindowPlacement(m_pFrame);
    }
    CORXCommandManager::GetCmdMgr()->EnableMenuItemImage(ID_DEMO_OPEN, TRUE);
}
