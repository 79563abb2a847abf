// Customise mode of the tool bars: buttons through drag data and back, foreign and damaged drag
// data refused, the mode's walk over the bars, drop places, dropped buttons and the customise
// context menu.
#include <gtest/gtest.h>

#include <afxole.h>

#include <random>
#include <vector>

#include "DemoIds.h"
#include "ORXCmdUsage.h"
#include "ORXExtrasHooks.h"
#include "ORXGlobalData.h"
#include "ORXServices.h"
#include "ORXToolBar.h"
#include "ORXToolbarMenuButton.h"
#include "ORXVisualManager.h"
#include "TestDrawing.h"
#include "TestSupport.h"
#include "uicore/uicore_res.h"

namespace
{
// The protected state a test looks at.
class CTestBar : public CORXToolBar
{
public:
    using CORXToolBar::m_iButtonCapture;
    using CORXToolBar::m_iDragIndex;
    using CORXToolBar::m_iHighlighted;
    using CORXToolBar::m_iSelected;
    using CORXToolBar::m_pDragButton;
    using CORXToolBar::m_ptStartDrag;
};

// A button with a window of its own, as the combo and edit buttons have.
class CHostingButton : public CORXToolbarButton
{
public:
    HWND m_hwndOwn = NULL;
    int m_nCancelled = 0;
    HWND GetHwnd() override { return m_hwndOwn; }
    void OnCancelMode() override { m_nCancelled++; }
};

HGLOBAL Global(const std::vector<BYTE>& bytes)
{
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, bytes.empty() ? 1 : bytes.size());
    if (!bytes.empty())
        memcpy(::GlobalLock(h), bytes.data(), bytes.size());
    ::GlobalUnlock(h);
    return h;
}

std::vector<BYTE> DragData(COleDataSource& source)
{
    COleDataObject data;
    data.Attach(source.GetIDataObject(), FALSE);
    HGLOBAL h = data.GetGlobalData(CORXToolbarButton::GetClipboardFormat());
    std::vector<BYTE> bytes;
    if (h == NULL)
        return bytes;
    const BYTE* p = (const BYTE*)::GlobalLock(h);
    bytes.assign(p, p + ::GlobalSize(h));
    ::GlobalUnlock(h);
    ::GlobalFree(h);
    return bytes;
}

CORXToolbarButton* FromBytes(const std::vector<BYTE>& bytes,
                             CLIPFORMAT cf = CORXToolbarButton::GetClipboardFormat())
{
    COleDataSource source;
    source.CacheGlobalData(cf, Global(bytes));
    COleDataObject data;
    data.Attach(source.GetIDataObject(), FALSE);
    return CORXToolbarButton::CreateFromOleData(&data);
}

class CustomizeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CFrameWnd;
        ASSERT_TRUE(m_pFrame->Create(NULL, _T("Customise test"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 300)));
        ASSERT_TRUE(m_bar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP));
        ASSERT_TRUE(m_second.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR + 1));
        ASSERT_TRUE(m_bar.LoadToolBar(IDR_DEMO_TOOLBAR));
        m_pFrame->ShowWindow(SW_SHOW);
        m_pFrame->RecalcLayout();
    }
    void TearDown() override
    {
        CORXToolBar::SetCustomizeMode(FALSE);
        m_bar.DestroyWindow();
        m_second.DestroyWindow();
        m_pFrame->DestroyWindow();
    }
    CFrameWnd* m_pFrame = NULL;
    CTestBar m_bar;
    CTestBar m_second;
};
} // namespace

TEST(CustomizeDragData, AButtonComesBackFromItsDragDataWithItsClassAndFields)
{
    CORXToolbarButton button(ID_DEMO_ALARM, 5, _T("Al&arm\tCtrl+A"), FALSE, TRUE);
    button.m_bText = TRUE;
    button.m_bImage = FALSE;
    button.m_nStyle = TBBS_CHECKBOX;
    button.m_bDragFromCollection = TRUE;
    COleDataSource source;
    ASSERT_TRUE(button.PrepareDrag(source));
    COleDataObject data;
    data.Attach(source.GetIDataObject(), FALSE);
    CORXToolbarButton* pBack = CORXToolbarButton::CreateFromOleData(&data);
    ASSERT_TRUE(pBack != NULL);
    EXPECT_EQ(RUNTIME_CLASS(CORXToolbarButton), pBack->GetRuntimeClass());
    EXPECT_EQ((UINT)ID_DEMO_ALARM, pBack->m_nID);
    EXPECT_EQ((UINT)TBBS_CHECKBOX, pBack->m_nStyle);
    EXPECT_EQ(5, pBack->GetImage());
    EXPECT_STREQ("Al&arm\tCtrl+A", pBack->m_strText);
    EXPECT_TRUE(pBack->m_bText);
    EXPECT_FALSE(pBack->m_bImage);
    EXPECT_TRUE(pBack->m_bDragFromCollection);
    delete pBack;

    // A derived button keeps its class through the drag.
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_DEMO_NEW, _T("&New"));
    CORXToolbarMenuButton menuButton(0, menu.GetSafeHmenu(), -1, _T("&Menu"));
    COleDataSource menuSource;
    ASSERT_TRUE(menuButton.PrepareDrag(menuSource));
    data.Attach(menuSource.GetIDataObject(), FALSE);
    pBack = CORXToolbarButton::CreateFromOleData(&data);
    ASSERT_TRUE(pBack != NULL);
    EXPECT_TRUE(pBack->IsKindOf(RUNTIME_CLASS(CORXToolbarMenuButton)));
    delete pBack;

    // The format's name carries this process, so another program's buttons are never ours.
    char szName[128] = {};
    ASSERT_GT(::GetClipboardFormatNameA(CORXToolbarButton::GetClipboardFormat(), szName, sizeof(szName)), 0);
    CString strPid;
    strPid.Format("-%lx", (long)::GetCurrentProcessId());
    EXPECT_TRUE(CString(szName).Find("ORXToolbarButton") == 0) << szName;
    EXPECT_TRUE(CString(szName).Right(strPid.GetLength()) == strPid) << szName;
}

// The drag data is the button's archive with its class, of one form in every build; the memory
// beyond it is zero. A fixed image of it gives the button.
TEST(CustomizeDragData, TheDataIsOneFixedImageAndThatImageGivesTheButton)
{
    CORXToolbarButton button(ID_DEMO_ALARM, 5, _T("Al&arm"), FALSE, TRUE);
    button.m_bText = TRUE;
    button.m_bDragFromCollection = TRUE;
    COleDataSource source;
    ASSERT_TRUE(button.PrepareDrag(source));
    std::vector<BYTE> data = DragData(source);
    // Id, style, image, text, then the user-image, dragged-from-collection, text and image words.
    const std::vector<BYTE> image =
        Image("FF FF 01 00 11 00 'CORXToolbarButton' | 06 7D 00 00 | 00 00 00 00 |"
              "05 00 00 00 | 06 'Al&arm' | 00 00 00 00 | 01 00 00 00 | 01 00 00 00 |"
              "01 00 00 00");
    ASSERT_GE(data.size(), image.size());
    EXPECT_EQ(Hex(image), Hex(std::vector<BYTE>(data.begin(), data.begin() + image.size())));
    EXPECT_EQ(std::vector<BYTE>(data.size() - image.size(), 0),
              std::vector<BYTE>(data.begin() + image.size(), data.end()));

    CORXToolbarButton* pBack = FromBytes(image);
    ASSERT_TRUE(pBack != NULL);
    EXPECT_EQ(RUNTIME_CLASS(CORXToolbarButton), pBack->GetRuntimeClass());
    EXPECT_EQ((UINT)ID_DEMO_ALARM, pBack->m_nID);
    EXPECT_EQ(5, pBack->GetImage());
    EXPECT_STREQ(_T("Al&arm"), pBack->m_strText);
    EXPECT_TRUE(pBack->m_bText);
    EXPECT_TRUE(pBack->m_bImage);
    EXPECT_TRUE(pBack->m_bDragFromCollection);
    delete pBack;
}

TEST(CustomizeDragData, ForeignOtherClassDamagedAndOversizedDataIsRefused)
{
    CORXToolbarButton button(ID_DEMO_NEW, 0, _T("New"));
    COleDataSource source;
    ASSERT_TRUE(button.PrepareDrag(source));
    std::vector<BYTE> good = DragData(source);
    ASSERT_FALSE(good.empty());

    // The right bytes under another format, and nothing at all.
    EXPECT_EQ(NULL, FromBytes(good, CF_TEXT));
    EXPECT_EQ(NULL, CORXToolbarButton::CreateFromOleData(NULL));
    COleDataObject empty;
    EXPECT_EQ(NULL, CORXToolbarButton::CreateFromOleData(&empty));

    // An object of another class is not a button, though the archive is sound.
    CORXCommandUsage usage;
    EXPECT_EQ(NULL, FromBytes(StoreToBytes([&usage](CArchive& ar) { ar.WriteObject(&usage); })));

    // Oversized data is refused before it is read.
    std::vector<BYTE> huge(good);
    huge.resize(70 * 1024);
    EXPECT_EQ(NULL, FromBytes(huge));

    // Truncations and seeded byte damage never crash; what comes back is a button or nothing.
    for (size_t n = 0; n < good.size(); n++)
        delete FromBytes(std::vector<BYTE>(good.begin(), good.begin() + n));
    std::mt19937 rng(20261209);
    int nButtons = 0;
    for (int round = 0; round < 400; round++)
    {
        std::vector<BYTE> bad(good);
        int nFlips = 1 + (int)(rng() % 4);
        for (int i = 0; i < nFlips; i++)
            bad[rng() % bad.size()] = (BYTE)rng();
        CORXToolbarButton* pButton = FromBytes(bad);
        if (pButton != NULL)
        {
            EXPECT_TRUE(pButton->IsKindOf(RUNTIME_CLASS(CORXToolbarButton)));
            nButtons++;
        }
        delete pButton;
    }
    EXPECT_LT(nButtons, 400); // most damage is noticed
}

TEST_F(CustomizeTest, TheModeWalksEveryBarCancellingStatesAndDisablingHostedWindows)
{
    CWnd own;
    ASSERT_TRUE(own.CreateEx(0, "STATIC", "own", WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 20), &m_second, 1));
    CHostingButton* pHosting = new CHostingButton;
    pHosting->m_nID = ID_DEMO_BOLD;
    pHosting->m_hwndOwn = own.m_hWnd;
    ASSERT_GE(m_second.InsertButton(pHosting), 0);
    CWnd ownDisabled;
    ASSERT_TRUE(ownDisabled.CreateEx(0, "STATIC", "off", WS_CHILD | WS_VISIBLE | WS_DISABLED,
                                     CRect(0, 0, 20, 20), &m_second, 2));
    CHostingButton* pDisabled = new CHostingButton;
    pDisabled->m_nID = ID_DEMO_CHECK;
    pDisabled->m_nStyle = TBBS_DISABLED;
    pDisabled->m_hwndOwn = ownDisabled.m_hWnd;
    ASSERT_GE(m_second.InsertButton(pDisabled), 0);

    m_bar.m_iButtonCapture = 1;
    m_bar.m_iHighlighted = 2;
    m_bar.m_iSelected = 0;
    CORXToolBar::SetCustomizeMode(TRUE);
    EXPECT_TRUE(CORXToolBar::IsCustomizeMode());
    EXPECT_EQ(-1, m_bar.m_iButtonCapture);
    EXPECT_EQ(-1, m_bar.m_iHighlighted);
    EXPECT_EQ(-1, m_bar.m_iSelected);
    EXPECT_EQ(1, pHosting->m_nCancelled);
    EXPECT_FALSE(own.IsWindowEnabled());
    CORXToolBar::SetCustomizeMode(TRUE); // unchanged: nothing happens
    EXPECT_EQ(1, pHosting->m_nCancelled);

    CORXToolBar::SetCustomizeMode(FALSE);
    EXPECT_TRUE(own.IsWindowEnabled());
    EXPECT_FALSE(ownDisabled.IsWindowEnabled()); // a disabled button's window is left alone
    EXPECT_EQ(2, pHosting->m_nCancelled);
}

TEST_F(CustomizeTest, DropPlacesFollowTheNearerEdgeAndEndAfterTheRow)
{
    CRect r0 = m_bar.GetButton(0)->Rect(), r1 = m_bar.GetButton(1)->Rect();
    int nLast = m_bar.GetCount() - 1;
    CRect rLast = m_bar.GetButton(nLast)->Rect();
    int y = r0.CenterPoint().y;
    CRect marker;
    struct
    {
        CPoint pt;
        int iIndex;
        int nEdge;
    } cases[] = {
        {CPoint(r1.left + 2, y), 1, r1.left},
        {CPoint(r1.right - 2, y), 2, r1.right},
        {CPoint(r0.left + 1, y), 0, r0.left},
        {CPoint(rLast.right + 40, y), nLast + 1, rLast.right},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.iIndex, m_bar.FindDropIndex(c.pt, marker)) << c.pt.x;
        EXPECT_EQ(6, marker.Width());
        EXPECT_EQ(r0.top, marker.top);
        CRect rectClient;
        m_bar.GetClientRect(rectClient);
        EXPECT_TRUE(marker.left >= rectClient.left && marker.right <= rectClient.right) << c.pt.x;
        if (c.nEdge - 3 >= rectClient.left)
        {
            EXPECT_EQ(c.nEdge - 3, marker.left) << c.pt.x;
        }
    }
    // Below every row is no place.
    EXPECT_EQ(-1, m_bar.FindDropIndex(CPoint(r0.left + 2, r0.bottom + 50), marker));
    EXPECT_TRUE(marker.IsRectEmpty());

    // An empty bar takes a button at 0 anywhere, the marker its whole client area.
    CRect rectClient;
    m_second.GetClientRect(rectClient);
    EXPECT_EQ(0, m_second.FindDropIndex(CPoint(3, 3), marker));
    EXPECT_EQ(rectClient, marker);
}

TEST_F(CustomizeTest, DroppedButtonsTakeTheirFlagsFromTheDragAndLandAtTheDropIndex)
{
    CORXToolBar::SetCustomizeMode(TRUE);
    struct
    {
        BOOL bFromCollection;
        BOOL bText;
        BOOL bImage;
        int iImage;
        BOOL bTextAfter;
        BOOL bImageAfter;
    } cases[] = {
        {FALSE, TRUE, FALSE, 2, FALSE, TRUE}, // a plain drag shows the image only
        {TRUE, TRUE, FALSE, 2, TRUE, FALSE},  // a copy keeps its flags
        {TRUE, FALSE, TRUE, -1, TRUE, FALSE}, // without an image, the text
    };
    for (const auto& c : cases)
    {
        // A command that no bar has an image for, so that none comes from the command manager.
        CORXToolbarButton button(c.iImage < 0 ? 34299 : ID_DEMO_SAVE, c.iImage, _T("Save\tCtrl+S"), FALSE,
                                 TRUE);
        button.m_bText = c.bText;
        button.m_bImage = c.bImage;
        button.m_bDragFromCollection = c.bFromCollection;
        COleDataSource source;
        ASSERT_TRUE(button.PrepareDrag(source));
        COleDataObject data;
        data.Attach(source.GetIDataObject(), FALSE);
        CORXToolbarButton* pDropped = m_second.CreateDroppedButton(&data);
        ASSERT_TRUE(pDropped != NULL);
        EXPECT_STREQ("Save", pDropped->m_strText);
        EXPECT_EQ(c.bTextAfter, pDropped->m_bText);
        EXPECT_EQ(c.bImageAfter, pDropped->m_bImage);
        delete pDropped;
    }

    // A drag over the main bar onto the second button's left edge, dropped: the copy lands there.
    CORXToolbarButton button(ID_DEMO_ALARM, 3);
    COleDataSource source;
    ASSERT_TRUE(button.PrepareDrag(source));
    COleDataObject data;
    data.Attach(source.GetIDataObject(), FALSE);
    CRect r1 = m_bar.GetButton(1)->Rect();
    CPoint pt(r1.left + 2, r1.CenterPoint().y);
    int nBefore = m_bar.GetCount();
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_MOVE, m_bar.OnDragEnter(&data, MK_LBUTTON, pt));
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_COPY, m_bar.OnDragOver(&data, MK_LBUTTON | MK_CONTROL, pt));
    EXPECT_EQ(1, m_bar.m_iDragIndex);
    EXPECT_TRUE(m_bar.OnDrop(&data, DROPEFFECT_COPY, pt));
    EXPECT_EQ(nBefore + 1, m_bar.GetCount());
    EXPECT_EQ((UINT)ID_DEMO_ALARM, m_bar.GetItemID(1));
    EXPECT_EQ(-1, m_bar.m_iDragIndex);

    // No drop without a drop index, and data of another format is no button at all.
    EXPECT_FALSE(m_bar.OnDrop(&data, DROPEFFECT_MOVE, pt));
    COleDataSource text;
    text.CacheGlobalData(CF_TEXT, Global(std::vector<BYTE>{'h', 'i', 0}));
    COleDataObject textData;
    textData.Attach(text.GetIDataObject(), FALSE);
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_NONE, m_bar.OnDragOver(&textData, MK_LBUTTON, pt));
}

TEST_F(CustomizeTest, AButtonDroppedOnItsOwnPlaceStartsOrEndsAGroupByTheWayItMoved)
{
    CORXToolBar::SetCustomizeMode(TRUE);
    // Button 1 (Open) has no separator before it; dragged 6 pixels right onto its own place.
    CORXToolbarButton* pOpen = m_bar.GetButton(1);
    CRect r1 = pOpen->Rect();
    int nCount = m_bar.GetCount();
    struct
    {
        int nMove;
        int nCountAfter;
    } cases[] = {
        {5, nCount},     // too little: nothing changes
        {6, nCount + 1}, // away from the start: a separator before it
        {-6, nCount},    // back: the separator goes
        {-6, nCount},    // no separator to take
    };
    for (const auto& c : cases)
    {
        COleDataSource source;
        ASSERT_TRUE(pOpen->PrepareDrag(source));
        COleDataObject data;
        data.Attach(source.GetIDataObject(), FALSE);
        r1 = pOpen->Rect();
        CPoint ptStart(r1.CenterPoint().x - (c.nMove > 0 ? 3 : -3), r1.CenterPoint().y);
        CPoint ptDrop(ptStart.x + c.nMove, ptStart.y);
        m_bar.m_pDragButton = pOpen;
        m_bar.m_ptStartDrag = ptStart;
        ASSERT_NE((DROPEFFECT)DROPEFFECT_NONE, m_bar.OnDragEnter(&data, MK_LBUTTON, ptDrop));
        EXPECT_TRUE(m_bar.OnDrop(&data, DROPEFFECT_MOVE, ptDrop));
        EXPECT_EQ(c.nCountAfter, m_bar.GetCount()) << c.nMove;
        EXPECT_EQ(NULL, m_bar.m_pDragButton);
        ASSERT_GE(m_bar.ButtonToIndex(pOpen), 0); // the same button, kept in its place
    }
}

TEST_F(CustomizeTest, TheContextMenuItemsAndCommandsActOnTheSelectedButton)
{
    CORXToolBar::SetCustomizeMode(TRUE);
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_ORX_POPUP_TOOLBAR));
    CMenu* pPopup = menu.GetSubMenu(0);
    ASSERT_TRUE(pPopup != NULL);
    // Button 4 follows a separator: "Start Group" is checked; the image alone is the look.
    CORXToolbarButton* pButton = m_bar.GetButton(4);
    ASSERT_TRUE(m_bar.EnableContextMenuItems(pButton, pPopup));
    EXPECT_TRUE(pPopup->GetMenuState(ID_ORX_TOOLBAR_START_GROUP, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(pPopup->GetMenuState(ID_ORX_TOOLBAR_IMAGE, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(pPopup->GetMenuState(ID_ORX_TOOLBAR_TEXT, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(pPopup->GetMenuState(ID_ORX_TOOLBAR_COPY_IMAGE, MF_BYCOMMAND) & MF_GRAYED);

    // The first button cannot start a group.
    CMenu menu2;
    ASSERT_TRUE(menu2.LoadMenu(IDR_ORX_POPUP_TOOLBAR));
    m_bar.EnableContextMenuItems(m_bar.GetButton(0), menu2.GetSubMenu(0));
    EXPECT_TRUE(menu2.GetSubMenu(0)->GetMenuState(ID_ORX_TOOLBAR_START_GROUP, MF_BYCOMMAND) & MF_GRAYED);

    // "Start Group" on button 4 takes the separator away; again puts it back.
    int nCount = m_bar.GetCount();
    m_bar.m_iSelected = 4;
    m_bar.SendMessage(WM_COMMAND, ID_ORX_TOOLBAR_START_GROUP);
    EXPECT_EQ(nCount - 1, m_bar.GetCount());
    EXPECT_EQ(pButton, m_bar.GetButton(m_bar.m_iSelected));
    m_bar.SendMessage(WM_COMMAND, ID_ORX_TOOLBAR_START_GROUP);
    EXPECT_EQ(nCount, m_bar.GetCount());
    EXPECT_EQ((UINT)TBBS_SEPARATOR, m_bar.GetButtonStyle(m_bar.m_iSelected - 1));

    // "Text" on a button without any text beeps and leaves its image shown; "Delete" removes it.
    pButton = m_bar.GetButton(0);
    pButton->m_strText.Empty();
    m_bar.m_iSelected = 0;
    m_bar.SendMessage(WM_COMMAND, ID_ORX_TOOLBAR_TEXT);
    if (pButton->m_strText.IsEmpty())
    {
        EXPECT_TRUE(pButton->m_bImage);
    }
    UINT nFirst = m_bar.GetItemID(0);
    m_bar.m_iSelected = 0;
    m_bar.SendMessage(WM_COMMAND, ID_ORX_TOOLBAR_DELETE);
    EXPECT_NE(nFirst, m_bar.GetItemID(0));
    EXPECT_EQ(-1, m_bar.m_iSelected);

    // Without a selection the commands do nothing.
    nCount = m_bar.GetCount();
    m_bar.SendMessage(WM_COMMAND, ID_ORX_TOOLBAR_DELETE);
    EXPECT_EQ(nCount, m_bar.GetCount());
}

namespace
{
// The Button Appearance dialog as the extras would register it: names the new button, or cancels.
class CTestAppearance : public CORXButtonAppearance
{
public:
    INT_PTR m_nAnswer = IDOK;
    int m_nAsked = 0;
    BOOL m_bMenuMode = FALSE;
    INT_PTR DoButtonAppearance(CORXToolbarButton* pButton, CORXToolbarImageList*, CWnd*, int,
                               BOOL bMenuMode) override
    {
        m_nAsked++;
        m_bMenuMode = bMenuMode;
        pButton->m_strText = _T("&Extra");
        return m_nAnswer;
    }
};
} // namespace

TEST_F(CustomizeTest, AClickOnAMenuButtonOpensItsMenuForEditing)
{
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_STRING, ID_DEMO_MENU_FIRST, "&First");
    CORXToolbarMenuButton* pButton = new CORXToolbarMenuButton(0, hMenu, -1, _T("&Menu"));
    ::DestroyMenu(hMenu);
    pButton->m_bText = TRUE;
    int iIndex = m_second.InsertButton(pButton);
    ASSERT_GE(iIndex, 0);
    m_second.AdjustLayout();
    CORXToolBar::SetCustomizeMode(TRUE);
    CPoint pt = pButton->Rect().CenterPoint();
    m_second.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    m_second.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_TRUE(pButton->IsDroppedDown());
    EXPECT_EQ(pButton, m_second.GetDroppedDownMenu());
    pButton->OnCancelMode();
    CORXToolBar::SetCustomizeMode(FALSE);
}

TEST_F(CustomizeTest, ANewMenuButtonComesThroughTheAppearanceDialogAndOpensItsMenu)
{
    CORXToolBar::SetCustomizeMode(TRUE);
    int nCount = m_bar.GetCount();
    m_bar.m_iSelected = 1;
    // Without the dialog nothing is made.
    m_bar.SendMessage(WM_COMMAND, ID_ORX_TOOLBAR_NEW_MENU);
    EXPECT_EQ(nCount, m_bar.GetCount());

    CTestAppearance appearance;
    CORXServices::Register<CORXButtonAppearance>(&appearance);
    appearance.m_nAnswer = IDCANCEL;
    m_bar.SendMessage(WM_COMMAND, ID_ORX_TOOLBAR_NEW_MENU);
    EXPECT_EQ(nCount, m_bar.GetCount());
    appearance.m_nAnswer = IDOK;
    m_bar.SendMessage(WM_COMMAND, ID_ORX_TOOLBAR_NEW_MENU);
    CORXServices::Unregister<CORXButtonAppearance>(&appearance);
    EXPECT_EQ(2, appearance.m_nAsked);
    ASSERT_EQ(nCount + 1, m_bar.GetCount());
    CORXToolbarMenuButton* pNew = DYNAMIC_DOWNCAST(CORXToolbarMenuButton, m_bar.GetButton(1));
    ASSERT_NE((CORXToolbarMenuButton*)NULL, pNew);
    EXPECT_EQ(CString(_T("&Extra")), pNew->m_strText);
    EXPECT_TRUE(pNew->m_bText);
    EXPECT_EQ(1, m_bar.m_iSelected);
    EXPECT_TRUE(pNew->IsDroppedDown());
    pNew->OnCancelMode();
    CORXToolBar::SetCustomizeMode(FALSE);
}

namespace
{
// A bar that answers menu mode for one kind of button only, as the menu bar does for its titles.
class CMenuModeBar : public CTestBar
{
public:
    const CORXToolbarButton* m_pMenuButton = NULL;
    BOOL IsMenuMode(const CORXToolbarButton* pButton) const override
    {
        return pButton != NULL && pButton == m_pMenuButton;
    }
};
} // namespace

TEST_F(CustomizeTest, TheAppearanceDialogIsToldTheBarsMenuModeForTheButton)
{
    CMenuModeBar bar;
    ASSERT_TRUE(bar.Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR + 2));
    ASSERT_TRUE(bar.LoadToolBar(IDR_DEMO_TOOLBAR));
    CORXToolBar::SetCustomizeMode(TRUE);
    CTestAppearance appearance;
    appearance.m_nAnswer = IDCANCEL;
    CORXServices::Register<CORXButtonAppearance>(&appearance);
    bar.m_pMenuButton = bar.GetButton(1);
    bar.m_iSelected = 1;
    bar.SendMessage(WM_COMMAND, ID_ORX_TOOLBAR_APPEARANCE);
    EXPECT_EQ(1, appearance.m_nAsked);
    EXPECT_TRUE(appearance.m_bMenuMode);
    bar.m_iSelected = 0;
    bar.SendMessage(WM_COMMAND, ID_ORX_TOOLBAR_APPEARANCE);
    EXPECT_EQ(2, appearance.m_nAsked);
    EXPECT_FALSE(appearance.m_bMenuMode);
    CORXServices::Unregister<CORXButtonAppearance>(&appearance);
    CORXToolBar::SetCustomizeMode(FALSE);
    bar.DestroyWindow();
}

namespace
{
// A customise-list row drawn on a surface of its own at the screen's depth, as the commands list
// draws it.
class CRowPicture : public CTestSurface
{
public:
    explicit CRowPicture(CORXToolbarButton& button, BOOL bSelected = FALSE)
        : CTestSurface(kWidth, kHeight, TRUE)
    {
        m_pOldFont = DC()->SelectObject(&globalData.fontRegular);
        m_nWidth = button.OnDrawOnCustomizeList(DC(), Rect(), bSelected);
    }
    ~CRowPicture() { DC()->SelectObject(m_pOldFont); }
    // The pixels of a part of the row that differ from the row's ground at its top-left corner.
    int Marked(int xFrom, int xTo) const
    {
        const CRect part(xFrom, 0, xTo, kHeight);
        return part.Width() * part.Height() - Count(At(0, 0), part);
    }
    BOOL SameAs(const CRowPicture& other, int xFrom, int xTo) const
    {
        for (int x = xFrom; x < xTo; x++)
            for (int y = 0; y < kHeight; y++)
                if (At(x, y) != other.At(x, y))
                    return FALSE;
        return TRUE;
    }
    static constexpr int kWidth = 160;
    static constexpr int kHeight = 24;
    int m_nWidth = 0;

private:
    CFont* m_pOldFont = NULL;
};
} // namespace

TEST_F(CustomizeTest, ACustomiseListRowShowsTheCommandsImageBesideTheTextItIsGiven)
{
    // The image column of the row: the menu image with the look's margin on either side.
    const int nColumn =
        CORXToolBar::GetMenuImageSize().cx + 2 * CORXVisualManager::GetInstance()->GetMenuImageMargin();
    const int iImage = m_bar.GetButton(0)->GetImage();
    ASSERT_GE(iImage, 0);
    // Without a command the buttons leave the command manager's images as they are.
    CORXToolbarButton imaged(0, iImage, _T("Open"));
    CORXToolbarButton plain(0, -1, _T("Open"));
    CRowPicture withImage(imaged), withoutImage(plain);
    EXPECT_EQ((int)CRowPicture::kWidth, withImage.m_nWidth);
    EXPECT_GT(withImage.Marked(0, nColumn), 10);
    EXPECT_EQ(0, withoutImage.Marked(0, nColumn));
    // The text follows the column, the same with or without an image.
    EXPECT_GT(withoutImage.Marked(nColumn, CRowPicture::kWidth), 10);
    EXPECT_TRUE(withImage.SameAs(withoutImage, nColumn, CRowPicture::kWidth));

    // The row shows the text the list puts into the button, not the custom-list text behind it.
    CORXToolbarButton named(0, -1, _T("Open"));
    named.m_strTextCustom = _T("Open Twice");
    CRowPicture withCustomText(named);
    EXPECT_TRUE(withCustomText.SameAs(withoutImage, 0, CRowPicture::kWidth));

    // A user image comes from the user images: none there, none drawn.
    CORXToolbarButton user(0, iImage, _T("Open"), TRUE);
    CORXToolbarImageList* pOldUser = CORXToolBar::GetUserImages();
    CORXToolBar::SetUserImages(NULL);
    CRowPicture withoutUserImages(user);
    EXPECT_EQ(0, withoutUserImages.Marked(0, nColumn));
    CORXToolBar::SetUserImages(&CORXToolBar::GetImages());
    CRowPicture withUserImages(user);
    EXPECT_GT(withUserImages.Marked(0, nColumn), 10);
    CORXToolBar::SetUserImages(pOldUser);
}

namespace
{
struct OleForCustomize : ::testing::Environment
{
    void SetUp() override { AfxOleInit(); }
};
::testing::Environment* const oleForCustomize = ::testing::AddGlobalTestEnvironment(new OleForCustomize);
} // namespace
