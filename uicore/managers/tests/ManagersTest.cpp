// The user-tools, mouse and keyboard managers: their registry values, damaged values of each, key
// names, and assigning keys in accelerator tables.
#include <gtest/gtest.h>

#include <vector>

#include "ORXKeyAssign.h"
#include "ORXKeyboardManager.h"
#include "ORXMouseManager.h"
#include "ORXRegistry.h"
#include "ORXToolBar.h"
#include "ORXToolbarMenuButton.h"
#include "ORXUserToolsManager.h"
#include "ORXWorkspace.h"
#include "TestKeyboard.h"
#include "TestSupport.h"

namespace
{
HACCEL Table(std::vector<ACCEL> records)
{
    return ::CreateAcceleratorTableA(records.data(), (int)records.size());
}

const UINT kCmdA = 32001;
const UINT kCmdB = 32002;
const UINT kCmdC = 32003;
// Managers saved on their own, without a path: each section below the program's key, beside
// the workspace "Velmora".
const LPCTSTR kKeyboardKey = _T("ORXKeyboardManager\\ORXKeyboard-0");

class ManagersTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        App().ResetProfile();
        m_pWorkspace = new CORXWorkspace;
        m_pWorkspace->SetRegistryBase(_T("Velmora"));
        m_pFrame = new CFrameWnd;
        ASSERT_TRUE(m_pFrame->Create(NULL, _T("Managers test"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    }
    void TearDown() override
    {
        m_pFrame->DestroyWindow();
        delete m_pWorkspace;
        CORXKeyboardManager::CleanUp();
    }
    CORXWorkspace* m_pWorkspace = NULL;
    CFrameWnd* m_pFrame = NULL;
};
} // namespace

TEST(KeyboardManager, AssigningABoundKeyReplacesItsBindingAndRemovingDropsIt)
{
    HACCEL hAccel = Table({{FVIRTKEY | FCONTROL, 'K', (WORD)kCmdA}, {FVIRTKEY, VK_F5, (WORD)kCmdB}});
    ACCEL accel = {FVIRTKEY | FCONTROL, 'K', (WORD)kCmdC};
    HACCEL hNew = CORXKeyboardManager::AssignKey(hAccel, accel);
    ASSERT_NE(nullptr, hNew);
    std::vector<ACCEL> records = AccelRecords(hNew);
    ASSERT_EQ(2u, records.size());
    int nCtrlK = 0;
    for (const ACCEL& a : records)
        if (a.key == 'K' && a.fVirt == (FVIRTKEY | FCONTROL))
        {
            nCtrlK++;
            EXPECT_EQ(kCmdC, a.cmd);
        }
    EXPECT_EQ(1, nCtrlK);

    // Another modifier is another key.
    ACCEL shifted = {FVIRTKEY | FCONTROL | FSHIFT, 'K', (WORD)kCmdA};
    HACCEL hMore = CORXKeyboardManager::AssignKey(hNew, shifted);
    EXPECT_EQ(3u, AccelRecords(hMore).size());

    HACCEL hLess = CORXKeyboardManager::RemoveKey(hMore, FVIRTKEY | FCONTROL, 'K');
    records = AccelRecords(hLess);
    ASSERT_EQ(2u, records.size());
    for (const ACCEL& a : records)
        EXPECT_FALSE(a.key == 'K' && a.fVirt == (FVIRTKEY | FCONTROL));
    for (HACCEL h : {hAccel, hNew, hMore, hLess})
        ::DestroyAcceleratorTable(h);
}

TEST(KeyboardManager, KeyLabelsNameTheModifiersThenTheKey)
{
    ACCEL ctrlShiftF5 = {FVIRTKEY | FCONTROL | FSHIFT, VK_F5, 1};
    // The system names the keys; the label joins them, Ctrl first.
    CString strLabel = CORXKeyboardManager::FormatAccel(ctrlShiftF5);
    EXPECT_TRUE(strLabel.Left(5) == "Ctrl+" || strLabel.Left(8) == "Control+") << (LPCTSTR)strLabel;
    EXPECT_EQ(CString("+Shift+F5"), strLabel.Right(9));
    ACCEL altA = {FVIRTKEY | FALT, 'A', 1};
    EXPECT_EQ(CString("Alt+A"), CORXKeyboardManager::FormatAccel(altA));
    ACCEL plain = {0, 'q', 1};
    EXPECT_EQ(CString("q"), CORXKeyboardManager::FormatAccel(plain));
    ACCEL escape = {0, 27, 1};
    EXPECT_EQ(CString(""), CORXKeyboardManager::FormatAccel(escape));
}

TEST_F(ManagersTest, KeyboardTableRoundTripsAndDamagedTablesAreRefused)
{
    CORXKeyboardManager manager;
    EXPECT_EQ(&manager, ORXKeyboardManager());
    EXPECT_FALSE(manager.SaveState(NULL, m_pFrame)); // no table yet
    ASSERT_TRUE(CORXKeyboardManager::InstallTable(
        m_pFrame, Table({{FVIRTKEY | FCONTROL, 'K', (WORD)kCmdA}, {FVIRTKEY, VK_F5, (WORD)kCmdB}})));
    ASSERT_TRUE(manager.SaveState(NULL, m_pFrame));
    DWORD dwType = 0;
    Bytes saved;
    ASSERT_TRUE(App().ReadProfileValue(kKeyboardKey, _T("Accelerators"), dwType, saved));
    EXPECT_EQ((DWORD)REG_BINARY, dwType);
    // Two 6-byte records: flags, a zero pad byte, the key, the command.
    EXPECT_EQ(Hex(Image("09 00 4B 00 01 7D | 01 00 74 00 02 7D")), Hex(saved));

    CString strKey;
    EXPECT_TRUE(CORXKeyboardManager::FindDefaultAccelerator(kCmdA, strKey, m_pFrame, TRUE));
    EXPECT_EQ(CString("+K"), strKey.Right(2));
    EXPECT_TRUE(CORXKeyboardManager::IsKeyHandled(VK_F5, FVIRTKEY, m_pFrame, TRUE));

    // A new table in the frame is seen at once, and loading brings the saved one back.
    ASSERT_TRUE(CORXKeyboardManager::InstallTable(m_pFrame, Table({{FVIRTKEY, VK_F7, (WORD)kCmdC}})));
    EXPECT_FALSE(CORXKeyboardManager::FindDefaultAccelerator(kCmdA, strKey, m_pFrame, TRUE));
    EXPECT_TRUE(strKey.IsEmpty());
    ASSERT_TRUE(manager.LoadState(NULL, m_pFrame));
    EXPECT_EQ(2u, AccelRecords(m_pFrame->m_hAccelTable).size());
    EXPECT_TRUE(CORXKeyboardManager::FindDefaultAccelerator(kCmdB, strKey, m_pFrame, TRUE));

    // Commands that may not be customised lose their keys on the way in.
    CList<UINT, UINT> lstExcluded;
    lstExcluded.AddTail(kCmdB);
    CORXToolBar::SetNonPermittedCommands(lstExcluded);
    ASSERT_TRUE(manager.LoadState(NULL, m_pFrame));
    lstExcluded.RemoveAll();
    CORXToolBar::SetNonPermittedCommands(lstExcluded);
    for (const ACCEL& a : AccelRecords(m_pFrame->m_hAccelTable))
        EXPECT_NE(kCmdB, a.cmd);

    // A value that is not whole records, or empty, leaves the frame's table alone.
    HACCEL hBefore = m_pFrame->m_hAccelTable;
    for (Bytes damaged : {Bytes(saved.begin(), saved.end() - 1), Bytes(7, 0xFF), Bytes()})
    {
        EXPECT_TRUE(App().WriteProfileValue(kKeyboardKey, _T("Accelerators"), REG_BINARY, damaged));
        EXPECT_FALSE(manager.LoadState(NULL, m_pFrame));
        EXPECT_EQ(hBefore, m_pFrame->m_hAccelTable);
    }
}

namespace
{
// One stored key: flags, pad, key, command.
Bytes Record(BYTE fVirt, WORD key, WORD cmd)
{
    return Bytes{fVirt, 0, (BYTE)key, (BYTE)(key >> 8), (BYTE)cmd, (BYTE)(cmd >> 8)};
}
} // namespace

TEST_F(ManagersTest, KeyTablesWithImpossibleRecordsAreRefusedWholeAndTheFramesTableIsSavedAgain)
{
    CORXKeyboardManager manager;
    ASSERT_TRUE(CORXKeyboardManager::InstallTable(
        m_pFrame, Table({{FVIRTKEY | FCONTROL, 'K', (WORD)kCmdA}, {FVIRTKEY, VK_F5, (WORD)kCmdB}})));
    ASSERT_TRUE(manager.SaveState(NULL, m_pFrame));
    DWORD dwType = 0;
    Bytes undamaged;
    ASSERT_TRUE(App().ReadProfileValue(kKeyboardKey, _T("Accelerators"), dwType, undamaged));
    const Bytes valid = Record(FVIRTKEY | FCONTROL, 'K', kCmdA);

    Bytes many;
    for (int i = 0; i < 5000; i++)
        many = many + Record(FVIRTKEY, (WORD)(1 + i % 254), kCmdA);
    struct Damage
    {
        const char* pszWhat;
        Bytes value;
    } damages[] = {
        {"all zeros", Bytes(18, 0)},
        {"a key 0", valid + Record(FVIRTKEY, 0, kCmdB)},
        {"a command 0", valid + Record(FVIRTKEY, VK_F6, 0)},
        {"command 0xFFFF", valid + Record(FVIRTKEY, VK_F6, 0xFFFF)},
        {"a reserved id", valid + Record(FVIRTKEY, VK_F6, 0xFF10)},
        {"unknown flags", valid + Record(0x40 | FVIRTKEY, VK_F6, kCmdB)},
        {"no virtual key", valid + Record(FVIRTKEY, 0xFF, kCmdB)},
        {"no character", valid + Record(0, 0x141, kCmdB)},
        {"a key twice", valid + Record(FVIRTKEY, VK_F6, kCmdB) + Record(FVIRTKEY | FCONTROL, 'K', kCmdC)},
        {"the empty record beside keys", valid + Record(FVIRTKEY, 0, 0)},
        {"thousands of records", many},
        {"random bytes", Image("5A C3 91 07 E2 4F | 13 88 FE 20 6B D0 | 7F 01 A4 C9 3E 55")},
    };
    HACCEL hBefore = m_pFrame->m_hAccelTable;
    for (const Damage& damage : damages)
    {
        ASSERT_TRUE(App().WriteProfileValue(kKeyboardKey, _T("Accelerators"), REG_BINARY, damage.value));
        EXPECT_FALSE(manager.LoadState(NULL, m_pFrame)) << damage.pszWhat;
        EXPECT_EQ(hBefore, m_pFrame->m_hAccelTable) << damage.pszWhat;
        // What goes back is the table the frame kept, not the damage.
        ASSERT_TRUE(manager.SaveState(NULL, m_pFrame));
        Bytes saved;
        ASSERT_TRUE(App().ReadProfileValue(kKeyboardKey, _T("Accelerators"), dwType, saved));
        EXPECT_EQ(Hex(undamaged), Hex(saved)) << damage.pszWhat;
    }

    // Keys that differ only by their inversion flag are one key; a character and Alt+character are
    // two, and both are kept.
    ASSERT_TRUE(App().WriteProfileValue(kKeyboardKey, _T("Accelerators"), REG_BINARY,
                                        Record(0, 'q', kCmdA) + Record(FALT, 'q', kCmdB)));
    ASSERT_TRUE(manager.LoadState(NULL, m_pFrame));
    EXPECT_EQ(2u, AccelRecords(m_pFrame->m_hAccelTable).size());
    // A key may run one of the window's system commands, as a resource's table may have it do.
    ASSERT_TRUE(App().WriteProfileValue(kKeyboardKey, _T("Accelerators"), REG_BINARY,
                                        Record(FVIRTKEY | FALT, VK_F4, 0xF060)));
    ASSERT_TRUE(manager.LoadState(NULL, m_pFrame));
    ASSERT_TRUE(
        App().WriteProfileValue(kKeyboardKey, _T("Accelerators"), REG_BINARY,
                                Record(FVIRTKEY, VK_F6, kCmdA) + Record(FVIRTKEY | FNOINVERT, VK_F6, kCmdB)));
    EXPECT_FALSE(manager.LoadState(NULL, m_pFrame));
}

TEST_F(ManagersTest, ATableWithoutKeysAndKeysOfExcludedCommandsSaveAsValuesThatLoadAgain)
{
    CORXKeyboardManager manager;
    ASSERT_TRUE(CORXKeyboardManager::InstallTable(m_pFrame, Table({{FVIRTKEY, VK_F5, (WORD)kCmdB}})));
    ASSERT_TRUE(CORXKeyboardManager::InstallTable(
        m_pFrame, CORXKeyboardManager::RemoveKey(m_pFrame->m_hAccelTable, FVIRTKEY, VK_F5)));
    ASSERT_TRUE(manager.SaveState(NULL, m_pFrame));
    DWORD dwType = 0;
    Bytes saved;
    ASSERT_TRUE(App().ReadProfileValue(kKeyboardKey, _T("Accelerators"), dwType, saved));
    EXPECT_EQ(Hex(Record(FVIRTKEY, 0, 0)), Hex(saved));
    ASSERT_TRUE(manager.LoadState(NULL, m_pFrame));

    // An excluded command's key is loaded bound to nothing and not written back; the others stay.
    ASSERT_TRUE(App().WriteProfileValue(kKeyboardKey, _T("Accelerators"), REG_BINARY,
                                        Record(FVIRTKEY, VK_F5, kCmdB) + Record(FVIRTKEY, VK_F6, kCmdA)));
    CList<UINT, UINT> lstExcluded;
    lstExcluded.AddTail(kCmdB);
    CORXToolBar::SetNonPermittedCommands(lstExcluded);
    ASSERT_TRUE(manager.LoadState(NULL, m_pFrame));
    lstExcluded.RemoveAll();
    CORXToolBar::SetNonPermittedCommands(lstExcluded);
    ASSERT_TRUE(manager.SaveState(NULL, m_pFrame));
    ASSERT_TRUE(App().ReadProfileValue(kKeyboardKey, _T("Accelerators"), dwType, saved));
    EXPECT_EQ(Hex(Record(FVIRTKEY, VK_F6, kCmdA)), Hex(saved));
    ASSERT_TRUE(manager.LoadState(NULL, m_pFrame));
}

namespace
{
// A frame of the framework's kind, and one derived from it that names its keys itself.
class CHookedFrame : public CFrameWnd, public CORXFrameOffers, public CORXFrameHooks
{
public:
    CHookedFrame() : CORXFrameHooks(this) {}
    virtual void* OfferFrameInterface(const std::type_info& iface)
    {
        return ORXOfferOwn<CORXFrameHooks>(this, iface);
    }
};
class COwnKeysFrame : public CHookedFrame
{
public:
    virtual BOOL OnFindCommandKey(UINT uiCmd, CString& strKey)
    {
        if (uiCmd != kCmdB)
            return CHookedFrame::OnFindCommandKey(uiCmd, strKey);
        strKey = _T("Own key");
        return TRUE;
    }
};
} // namespace

TEST_F(ManagersTest, FramesNameTheKeysOfTheirOwnTablesWhileTheKeyboardManagerLives)
{
    CHookedFrame* pHooked = new CHookedFrame;
    COwnKeysFrame* pOwn = new COwnKeysFrame;
    ASSERT_TRUE(pHooked->Create(NULL, _T("Hooked"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100)));
    ASSERT_TRUE(pOwn->Create(NULL, _T("Own keys"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100)));
    ASSERT_TRUE(CORXKeyboardManager::InstallTable(pHooked, Table({{FVIRTKEY | FALT, 'A', (WORD)kCmdA}})));
    ASSERT_TRUE(CORXKeyboardManager::InstallTable(pOwn, Table({{FVIRTKEY | FALT, 'Q', (WORD)kCmdA}})));
    ASSERT_TRUE(CORXKeyboardManager::InstallTable(m_pFrame, Table({{FVIRTKEY, VK_F9, (WORD)kCmdA}})));

    // Without a keyboard manager no frame names a key.
    CString strKey = _T("stale");
    EXPECT_FALSE(ORXFindCommandKey(pHooked, kCmdA, strKey));
    EXPECT_TRUE(strKey.IsEmpty());
    EXPECT_FALSE(ORXFindCommandKey(m_pFrame, kCmdA, strKey));

    {
        CORXKeyboardManager manager;
        // The framework's frame answers through its hooks, from its own table.
        ASSERT_EQ(static_cast<CORXFrameHooks*>(pHooked), ORXFrameOffer<CORXFrameHooks>(pHooked));
        EXPECT_TRUE(ORXFindCommandKey(pHooked, kCmdA, strKey));
        EXPECT_EQ(CString("+A"), strKey.Right(2));
        EXPECT_FALSE(ORXFindCommandKey(pHooked, kCmdB, strKey));
        EXPECT_TRUE(strKey.IsEmpty());
        // A derived frame's own answer stands beside the keys of its table.
        EXPECT_TRUE(ORXFindCommandKey(pOwn, kCmdB, strKey));
        EXPECT_EQ(CString("Own key"), strKey);
        EXPECT_TRUE(ORXFindCommandKey(pOwn, kCmdA, strKey));
        EXPECT_EQ(CString("+Q"), strKey.Right(2));
        // A plain frame offers no hooks; its table still names the key.
        EXPECT_EQ(nullptr, ORXFrameOffer<CORXFrameHooks>(m_pFrame));
        EXPECT_TRUE(ORXFindCommandKey(m_pFrame, kCmdA, strKey));
        EXPECT_EQ(CString("F9"), strKey);
    }
    // The manager gone, the keys go with it.
    EXPECT_FALSE(ORXFindCommandKey(pHooked, kCmdA, strKey));
    pHooked->DestroyWindow();
    pOwn->DestroyWindow();
}

TEST_F(ManagersTest, AMenuItemShowsTheKeyItsCommandHasNowAndNoneOnceItIsTakenOff)
{
    ASSERT_TRUE(CORXKeyboardManager::InstallTable(m_pFrame, Table({{FVIRTKEY, VK_F9, (WORD)kCmdA}})));
    CWnd* pOldMain = AfxGetApp()->m_pMainWnd;
    AfxGetApp()->m_pMainWnd = m_pFrame;
    CClientDC dc(m_pFrame);
    struct CMenuItem : CORXToolbarMenuButton
    {
        CMenuItem(UINT uiCmd, LPCTSTR pszText) : CORXToolbarMenuButton(uiCmd, NULL, -1, pszText)
        {
            m_bMenuMode = TRUE;
        }
    };
    auto shown = [&](UINT uiCmd, LPCTSTR pszText) {
        CMenuItem item(uiCmd, pszText);
        item.OnCalculateSize(&dc, CSize(23, 22), TRUE);
        return item.m_strText;
    };
    // Without a keyboard manager the resource's text stands.
    EXPECT_EQ(CString("&Bee\tCtrl+B"), shown(kCmdB, _T("&Bee\tCtrl+B")));
    {
        CORXKeyboardManager manager;
        EXPECT_EQ(CString("&Aye\tF9"), shown(kCmdA, _T("&Aye\tCtrl+A")));
        EXPECT_EQ(CString("&Bee"), shown(kCmdB, _T("&Bee\tCtrl+B")));
        EXPECT_EQ(CString("&Cee"), shown(kCmdC, _T("&Cee")));
    }
    AfxGetApp()->m_pMainWnd = pOldMain;
}

TEST_F(ManagersTest, MouseBindingsRoundTripAndDamageLeavesNone)
{
    CORXMouseManager manager;
    EXPECT_EQ(&manager, ORXMouseManager());
    EXPECT_TRUE(manager.AddView(7, _T("Clock view"), 128));
    EXPECT_FALSE(manager.AddView(7, _T("Other name")));
    EXPECT_FALSE(manager.AddView(8, _T("Clock view")));
    EXPECT_TRUE(manager.AddView(9, _T("Diary view")));
    EXPECT_EQ(7, manager.GetViewIdByName(_T("Clock view")));
    EXPECT_EQ(-1, manager.GetViewIdByName(_T("None")));
    EXPECT_EQ(128u, manager.GetViewIconId(7));
    EXPECT_EQ(0u, manager.GetViewIconId(9));
    CStringList names;
    names.AddTail(_T("stale"));
    manager.FillViewList(names);
    EXPECT_EQ(2, (int)names.GetCount());
    EXPECT_EQ(nullptr, names.Find(_T("stale")));

    manager.SetCommandForDblClick(7, kCmdA);
    manager.SetCommandForDblClick(9, kCmdB);
    manager.SetCommandForDblClick(9, 0);
    EXPECT_EQ(0u, manager.GetViewDblClickCommand(9));
    ASSERT_TRUE(manager.SaveState());
    DWORD dwType = 0;
    Bytes saved;
    ASSERT_TRUE(App().ReadProfileValue(_T("ORXMouseManager"), _T("Mouse"), dwType, saved));
    EXPECT_EQ(Bytes({1, 0, 0, 0, 7, 0, 0, 0, 0x01, 0x7D, 0, 0}), saved);

    manager.SetCommandForDblClick(7, kCmdC);
    ASSERT_TRUE(manager.LoadState());
    EXPECT_EQ(kCmdA, manager.GetViewDblClickCommand(7));

    EXPECT_TRUE(App().WriteProfileValue(_T("ORXMouseManager"), _T("Mouse"), REG_BINARY,
                                        Bytes({5, 0, 0, 0, 7, 0, 0, 0})));
    EXPECT_FALSE(manager.LoadState());
    EXPECT_EQ(0u, manager.GetViewDblClickCommand(7));
    EXPECT_EQ(7, manager.GetViewIdByName(_T("Clock view")));

    // Bindings the manager could never have made refuse the whole image: no view keeps one.
    struct Damage
    {
        const char* pszWhat;
        std::vector<DWORD> values;
    } damages[] = {
        {"a view bound twice", {2, 7, kCmdA, 7, kCmdB}},
        {"command 0", {2, 9, kCmdB, 7, 0}},
        {"command 0xFFFF", {2, 9, kCmdB, 7, 0xFFFF}},
        {"a command wider than 16 bits", {2, 9, kCmdB, 7, 0x10000 | kCmdA}},
        {"a view that is not registered", {2, 9, kCmdB, 8, kCmdA}},
        {"view -1", {2, 9, kCmdB, 0xFFFFFFFF, kCmdA}},
        {"a count beyond the image", {0x10000000, 9, kCmdB}},
    };
    for (const Damage& damage : damages)
    {
        Bytes image;
        for (DWORD dw : damage.values)
            image = image + Bytes{(BYTE)dw, (BYTE)(dw >> 8), (BYTE)(dw >> 16), (BYTE)(dw >> 24)};
        manager.SetCommandForDblClick(9, kCmdC);
        EXPECT_TRUE(App().WriteProfileValue(_T("ORXMouseManager"), _T("Mouse"), REG_BINARY, image));
        EXPECT_FALSE(manager.LoadState()) << damage.pszWhat;
        EXPECT_EQ(0u, manager.GetViewDblClickCommand(7)) << damage.pszWhat;
        EXPECT_EQ(0u, manager.GetViewDblClickCommand(9)) << damage.pszWhat;
    }
    EXPECT_TRUE(App().WriteProfileValue(
        _T("ORXMouseManager"), _T("Mouse"), REG_BINARY,
        Bytes({2, 0, 0, 0, 7, 0, 0, 0, 0x01, 0x7D, 0, 0, 9, 0, 0, 0, 0x02, 0x7D, 0, 0})));
    ASSERT_TRUE(manager.LoadState());
    EXPECT_EQ(kCmdA, manager.GetViewDblClickCommand(7));
    EXPECT_EQ(kCmdB, manager.GetViewDblClickCommand(9));
}

TEST_F(ManagersTest, UserToolsRoundTripAndForeignOrDamagedListsGiveNoTools)
{
    CORXUserToolsManager manager(32500, 32510, 32519);
    EXPECT_EQ(&manager, ORXUserToolsManager());
    EXPECT_EQ(static_cast<CORXUserToolsLink*>(&manager), CORXServices::Find<CORXUserToolsLink>());
    CORXUserTool* pTool = manager.CreateNewTool();
    ASSERT_NE(nullptr, pTool);
    EXPECT_EQ(32510u, pTool->m_uiCmdId);
    pTool->m_strLabel = _T("Notes");
    pTool->m_strArguments = _T("/a");
    pTool->SetCommand(_T("C:\\no\\such\\tool.exe"));
    EXPECT_TRUE(pTool->HasDefaultIcon());
    EXPECT_EQ(32511u, manager.CreateNewTool()->m_uiCmdId);

    EXPECT_EQ(pTool, manager.FindTool(32510));
    EXPECT_EQ(nullptr, manager.FindTool(32509));
    EXPECT_EQ(nullptr, manager.FindTool(32520));
    EXPECT_TRUE(manager.IsUserToolCmd(32511));
    EXPECT_FALSE(manager.InvokeTool(32511)); // no command
    EXPECT_FALSE(manager.InvokeTool(32512)); // no tool
    EXPECT_EQ(32500u, manager.GetToolsEntryCmd());

    ASSERT_TRUE(manager.SaveState());
    ASSERT_TRUE(manager.LoadState());
    ASSERT_EQ(2, (int)manager.GetUserTools().GetCount());
    CORXUserTool* pLoaded = manager.FindTool(32510);
    ASSERT_NE(nullptr, pLoaded);
    EXPECT_EQ(CString("Notes"), pLoaded->m_strLabel);
    EXPECT_EQ(CString("/a"), pLoaded->m_strArguments);
    EXPECT_EQ(CString("C:\\no\\such\\tool.exe"), pLoaded->GetCommand());

    DWORD dwType = 0;
    Bytes saved;
    ASSERT_TRUE(App().ReadProfileValue(_T("ORXUserToolsManager"), _T("Tools"), dwType, saved));
    // The list's count, then each tool: label, command, arguments, folder and command id.
    EXPECT_EQ(
        Hex(Image("02 00 | FF FF 01 00 0C 00 'CORXUserTool' | 05 'Notes' | 13 'C:\\no\\such\\tool.exe' |"
                  "02 '/a' | 00 | FE 7E 00 00 | 01 80 | 00 | 00 | 00 | 00 | FF 7E 00 00")),
        Hex(saved));
    for (size_t nCut : {size_t(1), size_t(5), saved.size() / 2})
    {
        EXPECT_TRUE(App().WriteProfileValue(_T("ORXUserToolsManager"), _T("Tools"), REG_BINARY,
                                            Bytes(saved.begin(), saved.end() - nCut)));
        EXPECT_FALSE(manager.LoadState());
        EXPECT_EQ(0, (int)manager.GetUserTools().GetCount());
    }

    // A list of other objects is no list of tools.
    {
        CObList foreign;
        foreign.AddTail(new CORXToolbarButton(1, 0));
        CORXRegistrySP regSP;
        CORXRegistry& reg = regSP.CreateRegistry(FALSE, FALSE);
        ASSERT_TRUE(reg.CreateKey(App().ProfileKey(_T("ORXUserToolsManager"))));
        ASSERT_TRUE(reg.Write(_T("Tools"), foreign));
        delete foreign.RemoveHead();
    }
    EXPECT_FALSE(manager.LoadState());
    EXPECT_EQ(0, (int)manager.GetUserTools().GetCount());

    // Lists whose tools the manager could never have held: each refused whole, nothing owned
    // twice (the manager's end would delete a repeated tool twice).
    const std::string kClass = "FF FF 01 00 0C 00 'CORXUserTool' |";
    const std::string kTool = " 01 'A' | 00 | 00 | 00 |";
    struct Damage
    {
        const char* pszWhat;
        std::string image;
    } damages[] = {
        {"one tool stored twice", "02 00 |" + kClass + kTool + "FE 7E 00 00 | 02 00"},
        {"a NULL tool", "02 00 |" + kClass + kTool + "FE 7E 00 00 | 00 00"},
        {"two tools of one id", "02 00 |" + kClass + kTool + "FE 7E 00 00 | 01 80 |" + kTool + "FE 7E 00 00"},
        {"an id outside the range", "01 00 |" + kClass + kTool + "20 7F 00 00"},
        {"more tools than ids", "0B 00 |" + kClass + kTool + "FE 7E 00 00"},
        {"a schema never written", "01 00 | FF FF 02 00 0C 00 'CORXUserTool' |" + kTool + "FE 7E 00 00"},
    };
    for (const Damage& damage : damages)
    {
        EXPECT_TRUE(
            App().WriteProfileValue(_T("ORXUserToolsManager"), _T("Tools"), REG_BINARY, Image(damage.image)));
        EXPECT_FALSE(manager.LoadState()) << damage.pszWhat;
        EXPECT_EQ(0, (int)manager.GetUserTools().GetCount()) << damage.pszWhat;
    }
    EXPECT_TRUE(App().WriteProfileValue(
        _T("ORXUserToolsManager"), _T("Tools"), REG_BINARY,
        Image("02 00 |" + kClass + kTool + "FE 7E 00 00 | 01 80 |" + kTool + "FF 7E 00 00")));
    ASSERT_TRUE(manager.LoadState());
    EXPECT_EQ(2, (int)manager.GetUserTools().GetCount());
}

TEST(UserTool, ABareFileNameFindsItsProgramThroughTheSearchPath)
{
    CORXUserTool tool;
    tool.SetCommand(_T("notepad.exe"));
    EXPECT_FALSE(tool.HasDefaultIcon());
    EXPECT_NE(nullptr, tool.GetIcon());
}

namespace
{
BOOL SendKey(CORXKeyAssign& edit, UINT message, UINT nKey, BOOL bRepeat = FALSE)
{
    MSG msg = {edit.GetSafeHwnd(), message, nKey, bRepeat ? (1 << 30) : 0, 0, {0, 0}};
    return edit.PreTranslateMessage(&msg);
}

CString TextOf(CWnd& wnd)
{
    CString str;
    wnd.GetWindowText(str);
    return str;
}
} // namespace

TEST_F(ManagersTest, KeyAssignEditCapturesOneCombination)
{
    CORXKeyAssign edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 120, 20), m_pFrame, 100));
    edit.SendMessage(WM_SETFOCUS);

    EXPECT_TRUE(SendKey(edit, WM_KEYDOWN, VK_CONTROL));
    EXPECT_FALSE(edit.IsKeyDefined());
    EXPECT_TRUE(SendKey(edit, WM_KEYDOWN, VK_CONTROL, TRUE));
    EXPECT_TRUE(SendKey(edit, WM_KEYDOWN, 'K'));
    ASSERT_TRUE(edit.IsKeyDefined());
    EXPECT_EQ(FVIRTKEY | FCONTROL, edit.GetAccel().fVirt);
    EXPECT_EQ('K', edit.GetAccel().key);
    EXPECT_EQ(CORXKeyboardManager::FormatAccel(edit.GetAccel()), TextOf(edit));
    EXPECT_EQ(CString("+K"), TextOf(edit).Right(2));
    // Letting go keeps the combination; the next fresh key starts over.
    EXPECT_TRUE(SendKey(edit, WM_KEYUP, 'K'));
    EXPECT_TRUE(SendKey(edit, WM_KEYUP, VK_CONTROL));
    EXPECT_EQ(FVIRTKEY | FCONTROL, edit.GetAccel().fVirt);
    EXPECT_TRUE(SendKey(edit, WM_SYSKEYDOWN, VK_F5));
    EXPECT_EQ(FVIRTKEY, edit.GetAccel().fVirt);
    EXPECT_EQ(VK_F5, edit.GetAccel().key);

    // Tab alone clears and is passed on; Escape alone clears and is eaten.
    EXPECT_FALSE(SendKey(edit, WM_KEYDOWN, VK_TAB));
    EXPECT_FALSE(edit.IsKeyDefined());
    EXPECT_TRUE(TextOf(edit).IsEmpty());
    EXPECT_TRUE(SendKey(edit, WM_KEYDOWN, VK_ESCAPE));
    EXPECT_TRUE(TextOf(edit).IsEmpty());

    // A modifier let go before the key is no part of the combination.
    EXPECT_TRUE(SendKey(edit, WM_KEYDOWN, VK_SHIFT));
    EXPECT_FALSE(TextOf(edit).IsEmpty());
    EXPECT_TRUE(SendKey(edit, WM_KEYUP, VK_SHIFT));
    EXPECT_TRUE(TextOf(edit).IsEmpty());

    // Without the focus a key only brings the focus.
    edit.SendMessage(WM_KILLFOCUS);
    EXPECT_TRUE(SendKey(edit, WM_KEYDOWN, 'A'));
    EXPECT_FALSE(edit.IsKeyDefined());
    EXPECT_TRUE(TextOf(edit).IsEmpty());
    edit.DestroyWindow();
}
