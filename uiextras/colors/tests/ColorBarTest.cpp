// The colour bar: its grid and extra height, the cells and wide buttons it builds and where it puts
// them, the current colour's highlight, the cells' tips, choosing, fitting a child control and the
// bytes it stores.
#include <gtest/gtest.h>

#include <algorithm>

#include <afxpriv.h>

#include <vector>

#include "ORXColorBar.h"
#include "ORXColorMenuButton.h"
#include "ORXGlobalData.h"
#include "ORXMenuBar.h"
#include "ORXRegistry.h"
#include "ORXToolbarImageList.h"
#include "ORXVisualManager.h"
#include "ORXWorkspace.h"
#include "TestDrawing.h"
#include "TestSupport.h"
#include "TestWindows.h"
#include "TestWorkspace.h"

namespace
{
const COLORREF kNone = (COLORREF)-1;

CArray<COLORREF, COLORREF>& Colors(std::initializer_list<COLORREF> list)
{
    static CArray<COLORREF, COLORREF> colors;
    colors.RemoveAll();
    for (COLORREF c : list)
        colors.Add(c);
    return colors;
}

// A bar that lets the tests reach its layout state.
class CTestColorBar : public CORXColorBar
{
public:
    using CORXColorBar::CORXColorBar;
    using CORXColorBar::OnKey;
    using CORXColorBar::OnSendCommand;
    CColorButton* Cell(int i) { return DYNAMIC_DOWNCAST(CColorButton, GetButton(i)); }
    void SetStyleBits(DWORD dw) { m_dwStyle = dw; }
    int Highlighted() const { return m_iHighlighted; }
    using CORXColorBar::GetStateKey;
    CString AutoLabel() const { return m_strAutoColor; }
};

struct ColorBar : ::testing::Test
{
    CHiddenTestParent parent;
    CList<COLORREF, COLORREF> docColors;

    // Cells of 10 by 10, wide rows of 15, margins of 4, the window exactly as large as the bar.
    void Place(CORXColorBar& bar)
    {
        ASSERT_TRUE(parent.CreateHidden());
        ASSERT_TRUE(bar.Create(&parent, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, 100));
        bar.SetBoxSize(CSize(10, 10));
        CSize size = bar.CalcSize(TRUE);
        bar.SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        bar.Rebuild();
        bar.PlaceButtons();
    }
};
} // namespace

TEST_F(ColorBar, GridFollowsTheColumnsAndTheDockedCounts)
{
    CTestColorBar empty;
    EXPECT_EQ(CSize(1, 0), empty.GetColumnsAndRows(FALSE));

    CTestColorBar automatic(Colors({}), kNone, NULL, NULL, NULL, docColors, 0, 0, 0, kNone, 1, NULL);
    automatic.SetColors(Colors({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}));
    EXPECT_EQ(CSize(5, 4), automatic.GetColumnsAndRows(FALSE)); // (int)sqrt(20) + 1

    CTestColorBar six(automatic.GetColors(), kNone, NULL, NULL, NULL, docColors, 6, 3, 4, kNone, 1, NULL);
    EXPECT_EQ(CSize(6, 4), six.GetColumnsAndRows(FALSE));

    // A torn-off bar docked: rows across, columns down; floating it takes its own columns again.
    CTestColorBar torn(six, 7);
    EXPECT_EQ(CSize(7, 3), torn.GetColumnsAndRows(FALSE));
    EXPECT_EQ(CSize(4, 5), torn.GetColumnsAndRows(TRUE));
    torn.SetStyleBits(CBRS_FLOATING);
    EXPECT_EQ(CSize(6, 4), torn.GetColumnsAndRows(FALSE));
}

TEST_F(ColorBar, ExtraHeightCountsTheWideRowsAndTheDocumentSection)
{
    docColors.AddTail(RGB(1, 1, 1));
    docColors.AddTail(RGB(2, 2, 2));
    docColors.AddTail(RGB(3, 3, 3));
    CTestColorBar bar(Colors({1, 2, 3, 4}), kNone, NULL, NULL, NULL, docColors, 2, 0, 0, kNone, 1, NULL);
    bar.SetBoxSize(CSize(10, 10));
    EXPECT_EQ(15, bar.GetWideRowHeight());
    EXPECT_EQ(0, bar.GetExtraHeight(2));

    bar.SetLabels(_T("Automatic"), NULL, NULL);
    EXPECT_EQ(15, bar.GetExtraHeight(2));
    bar.SetLabels(NULL, _T("More"), NULL);
    EXPECT_EQ(4 + 15, bar.GetExtraHeight(2));
    bar.SetLabels(_T("Automatic"), _T("More"), NULL);
    EXPECT_EQ(30, bar.GetExtraHeight(2));

    // Three document colours in two columns: two rows, a margin, the caption row and the separator.
    bar.SetLabels(_T("Automatic"), _T("More"), _T("Document"));
    EXPECT_EQ(30 + 20 + 4 + 15 + 4, bar.GetExtraHeight(2));
    // No column at all is taken as one rather than divided by.
    EXPECT_EQ(30 + 30 + 4 + 15 + 4, bar.GetExtraHeight(0));
    EXPECT_EQ(CSize(2 * 10 + 8, 73 + 2 * 10 + 8), bar.CalcSize(TRUE));

    // A torn-off copy leaves the document section out while docked, and shows it floating.
    CTestColorBar torn(bar, 1);
    torn.SetBoxSize(CSize(10, 10));
    EXPECT_EQ(30, torn.GetExtraHeight(2));
    torn.SetStyleBits(CBRS_FLOATING);
    EXPECT_EQ(73, torn.GetExtraHeight(2));
}

TEST_F(ColorBar, RebuildAndLayoutOfCellsWideButtonsAndSeparators)
{
    docColors.AddTail(RGB(9, 9, 9));
    CTestColorBar bar(Colors({RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 255)}), kNone,
                      _T("Automatic"), _T("More Colors..."), _T("Document"), docColors, 2, 0, 0, RGB(0, 0, 0),
                      5, NULL);
    Place(bar);
    ASSERT_EQ(11, bar.GetCount());

    // The automatic button spans the row and shows the current colour; the other-colour cell is hidden.
    CColorButton* pAuto = bar.Cell(0);
    ASSERT_NE(nullptr, pAuto);
    EXPECT_TRUE(pAuto->m_bIsAutomatic);
    EXPECT_TRUE(pAuto->m_bHighlight);
    EXPECT_EQ(CRect(4, 4, 24, 17), pAuto->Rect());
    EXPECT_EQ(CRect(4, 17, 14, 27), bar.Cell(1)->Rect());
    EXPECT_EQ(CRect(14, 17, 24, 27), bar.Cell(2)->Rect());
    EXPECT_EQ(CRect(4, 27, 14, 37), bar.Cell(3)->Rect());
    EXPECT_EQ(CRect(14, 27, 24, 37), bar.Cell(4)->Rect());
    EXPECT_TRUE(bar.GetButton(5)->m_nStyle & TBBS_SEPARATOR);
    EXPECT_EQ(CRect(4, 41, 24, 43), bar.GetButton(5)->Rect());
    EXPECT_TRUE(bar.Cell(6)->m_bIsLabel);
    EXPECT_EQ(CRect(4, 45, 24, 58), bar.Cell(6)->Rect());
    EXPECT_TRUE(bar.Cell(7)->m_bIsDocument);
    EXPECT_EQ(CRect(4, 58, 14, 68), bar.Cell(7)->Rect());
    EXPECT_EQ(CRect(4, 72, 24, 74), bar.GetButton(8)->Rect());
    EXPECT_TRUE(bar.Cell(9)->m_bIsOther);
    EXPECT_EQ(CRect(6, 78, 22, 87), bar.Cell(9)->Rect());
    EXPECT_TRUE(bar.Cell(10)->m_bIsOtherColor);
    EXPECT_FALSE(bar.Cell(10)->m_bHighlight);
    EXPECT_TRUE(bar.Cell(10)->Rect().IsRectEmpty());

    // Clicking the caption does nothing.
    EXPECT_FALSE(bar.OnSendCommand(bar.Cell(6)));

    // A second separator straight after the first takes no room.
    bar.InsertSeparator(6);
    bar.PlaceButtons();
    EXPECT_EQ(CRect(4, 41, 24, 43), bar.GetButton(5)->Rect());
    EXPECT_TRUE(bar.GetButton(6)->Rect().IsRectEmpty());
    EXPECT_EQ(CRect(4, 45, 24, 58), bar.Cell(7)->Rect());
}

TEST_F(ColorBar, SetColorMovesTheHighlightAndShowsAColourFoundNowhere)
{
    CTestColorBar bar(Colors({RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 255)}), kNone,
                      _T("Automatic"), _T("More Colors..."), NULL, docColors, 2, 0, 0, RGB(0, 0, 0), 5, NULL);
    Place(bar);
    ASSERT_EQ(8, bar.GetCount());

    // A colour in no cell: the other-colours button narrows and the cell beside it shows the colour.
    bar.SetColor(RGB(1, 2, 3));
    EXPECT_FALSE(bar.Cell(0)->m_bHighlight);
    CColorButton* pOther = bar.Cell(7);
    EXPECT_TRUE(pOther->m_bHighlight);
    EXPECT_EQ(RGB(1, 2, 3), pOther->m_Color);
    EXPECT_EQ(CRect(6, 47, 12, 56), bar.Cell(6)->Rect());
    EXPECT_EQ(CRect(14, 46, 24, 56), pOther->Rect());

    // A palette colour: its cell is highlighted and the other-colour cell goes again.
    bar.SetColor(RGB(0, 255, 0));
    EXPECT_TRUE(bar.Cell(2)->m_bHighlight);
    EXPECT_EQ(2, bar.Highlighted());
    EXPECT_TRUE(pOther->Rect().IsRectEmpty());
    EXPECT_EQ(CRect(6, 47, 22, 56), bar.Cell(6)->Rect());

    // Automatic again.
    bar.SetColor(kNone);
    EXPECT_TRUE(bar.Cell(0)->m_bHighlight);
    EXPECT_FALSE(bar.Cell(2)->m_bHighlight);
    EXPECT_EQ(kNone, bar.GetColor());

    // The automatic button's own colour is found there: no other-colour cell.
    bar.SetColor(RGB(0, 0, 255));
    bar.SetColor(RGB(0, 0, 0));
    EXPECT_TRUE(bar.Cell(0)->m_bHighlight);
    EXPECT_EQ(0, bar.Highlighted());
    EXPECT_FALSE(bar.Cell(3)->m_bHighlight);
    EXPECT_TRUE(pOther->Rect().IsRectEmpty());
}

// The owner of a bar: keeps the status texts it is asked to show.
class CStatusOwner : public CHiddenTestParent
{
public:
    std::vector<WPARAM> m_texts;

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_SETMESSAGESTRING)
        {
            m_texts.push_back(wParam);
            return 0;
        }
        return CHiddenTestParent::WindowProc(message, wParam, lParam);
    }
};

TEST_F(ColorBar, EnterOnACellBringsBackTheIdleText)
{
    CTestColorBar bar(Colors({RGB(255, 0, 0), RGB(0, 255, 0)}), kNone, _T("Automatic"), NULL, NULL, docColors,
                      2, 0, 0, RGB(0, 0, 0), 5, NULL);
    Place(bar);
    CStatusOwner owner;
    ASSERT_TRUE(owner.CreateHidden());
    bar.SetOwner(&owner);
    bar.SetColor(RGB(0, 255, 0));
    ASSERT_EQ(2, bar.Highlighted());
    // A cell under the pointer shows the bar's command.
    bar.ShowCommandMessageString(bar.Cell(1)->m_nID);
    ASSERT_EQ(1u, owner.m_texts.size());
    EXPECT_EQ(5u, owner.m_texts[0]);
    bar.OnKey(VK_RETURN);
    ASSERT_LE(2u, owner.m_texts.size());
    EXPECT_EQ((WPARAM)AFX_IDS_IDLEMESSAGE, owner.m_texts[1]);
    bar.SetOwner(NULL);
}

TEST_F(ColorBar, TipsNameTheColourOrSpellItInHex)
{
    CColorButton cell(RGB(255, 0, 128));
    EXPECT_EQ(CString(_T("Hex={FF,00,80}")), cell.GetTipText());
    CORXColorBar::GetColorNames().SetAt(RGB(255, 0, 128), _T("Rose"));
    EXPECT_EQ(CString(_T("Rose")), cell.GetTipText());
    CORXColorBar::GetColorNames().RemoveKey(RGB(255, 0, 128));

    CColorButton automatic(RGB(0, 0, 0), TRUE, FALSE, _T("Automatic"));
    EXPECT_EQ(CString(_T("Automatic")), automatic.GetTipText());

    TOOLINFO ti = {sizeof(ti)};
    ASSERT_TRUE(cell.OnToolHitTest(NULL, &ti));
    EXPECT_STREQ(_T("Hex={FF,00,80}"), ti.lpszText);
    free(ti.lpszText);

    cell.m_nStyle |= TBBS_DISABLED;
    ti.lpszText = NULL;
    EXPECT_FALSE(cell.OnToolHitTest(NULL, &ti));
    EXPECT_EQ(nullptr, ti.lpszText);
}

TEST_F(ColorBar, ChildControlFitsItsCellsToAnyRectangle)
{
    ASSERT_TRUE(parent.CreateHidden(400, 300));
    CTestColorBar bar;
    ASSERT_TRUE(bar.CreateControl(&parent, CRect(10, 10, 130, 110), 200));
    EXPECT_EQ(20, bar.GetColors().GetSize());
    CSize cell = bar.GetBoxSize();
    EXPECT_EQ(cell.cx, cell.cy);
    EXPECT_GE(cell.cx, 1);
    CRect rectClient;
    bar.GetClientRect(rectClient);
    CSize size = bar.CalcSize(TRUE);
    EXPECT_LE(size.cx, rectClient.Width());
    EXPECT_LE(size.cy, rectClient.Height());
    EXPECT_EQ(CPoint((rectClient.Width() - size.cx) / 2, (rectClient.Height() - size.cy) / 2),
              bar.GetCentringOffset());
    EXPECT_EQ(20, bar.GetCount());
    // Square cells: the wide rows are half as high again as a cell. Without, they keep the height
    // of the search's last step, which is above that.
    EXPECT_EQ(cell.cy * 3 / 2, bar.GetWideRowHeight());
    bar.SetControlSizes(FALSE, FALSE);
    EXPECT_GT(bar.GetWideRowHeight(), bar.GetBoxSize().cy * 3 / 2);
    EXPECT_EQ(CPoint(0, 0), bar.GetCentringOffset());

    // Smaller than the margins: the search ends with cells of one pixel.
    CTestColorBar tiny;
    ASSERT_TRUE(tiny.CreateControl(&parent, CRect(0, 0, 3, 3), 201));
    EXPECT_EQ(CSize(1, 1), tiny.GetBoxSize());

    // Nothing but a zero width: the column choice never divides by it.
    CTestColorBar flat;
    ASSERT_TRUE(flat.CreateControl(&parent, CRect(0, 0, 0, 40), 202));
    EXPECT_GE(flat.GetBoxSize().cx, 1);
}

TEST_F(ColorBar, StoresItsSettingsInTheirOrderAndBoundsWhatItReads)
{
    CTestColorBar bar(Colors({RGB(3, 2, 1), RGB(6, 5, 4)}), RGB(9, 9, 9), _T("A"), NULL, _T("D"), docColors,
                      5, 2, 3, RGB(0x33, 0x22, 0x11), 0x1234, NULL);
    std::vector<BYTE> bytes = StoreToBytes(bar);
    const std::vector<BYTE> expected = {5,    0,    0,    0, 2,    0,    0, 0, 3, 0, 0, 0,
                                        0x33, 0x22, 0x11, 0,      // counts, automatic
                                        1,    'A',  0,    1, 'D', // labels
                                        0,    0,    0,    0, 0x34, 0x12, 0, 0, 0, 0, 0, 0,  // flags, command
                                        2,    0,    0,    0, 3,    2,    1, 0, 6, 5, 4, 0}; // colours
    EXPECT_EQ(expected, bytes);

    // Read back into a new bar: everything but the current colour and the document colours.
    CTestColorBar loaded;
    ASSERT_TRUE(LoadFromBytes(loaded, bytes));
    EXPECT_EQ(CSize(5, 1), loaded.GetColumnsAndRows(FALSE));
    EXPECT_EQ(RGB(0x33, 0x22, 0x11), loaded.GetAutomaticColor());
    EXPECT_EQ(0x1234u, loaded.GetCommandID());
    EXPECT_FALSE(loaded.IsTearOff());
    ASSERT_EQ(2, loaded.GetColors().GetSize());
    EXPECT_EQ(RGB(6, 5, 4), loaded.GetColors()[1]);
    EXPECT_EQ(kNone, loaded.GetColor());

    // A count no bar could hold is refused before anything is allocated.
    std::vector<BYTE> damaged(bytes.begin(), bytes.begin() + 37);
    damaged[33] = damaged[34] = damaged[35] = 0xFF;
    damaged[36] = 0x7F;
    CTestColorBar refused;
    EXPECT_TRUE(LoadThrowsArchiveException(refused, damaged));
    EXPECT_EQ(0, refused.GetColors().GetSize());
}

TEST_F(ColorBar, ADamagedSavedRecordLeavesTheBarAsItWasAndIsNotWrittenBack)
{
    const LPCTSTR kProfile = _T("ColorBarTest");
    CTestColorBar source(Colors({RGB(3, 2, 1), RGB(6, 5, 4)}), RGB(9, 9, 9), _T("A"), NULL, _T("D"),
                         docColors, 5, 2, 3, RGB(0x33, 0x22, 0x11), 0x1234, NULL);
    const std::vector<BYTE> sound = StoreToBytes(source);
    // The bar's own settings, unlike every one of the record's.
    CTestColorBar bar(Colors({RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3)}), RGB(9, 9, 9), _T("Own"), NULL, NULL,
                      docColors, 7, 0, 0, RGB(1, 2, 3), 0x55, NULL);
    const std::vector<BYTE> own = StoreToBytes(bar);
    auto WriteRecord = [&](const std::vector<BYTE>& bytes) {
        CORXRegistrySP regSP;
        CORXRegistry& reg = regSP.CreateRegistry(FALSE, FALSE);
        ASSERT_TRUE(reg.CreateKey(bar.GetStateKey(kProfile, 3, 0x77)));
        ASSERT_TRUE(reg.Write(_T("Buttons"), (LPBYTE)bytes.data(), (UINT)bytes.size()));
    };
    auto Damaged = [&](size_t nAt, std::initializer_list<BYTE> patch) {
        std::vector<BYTE> bytes = sound;
        std::copy(patch.begin(), patch.end(), bytes.begin() + nAt);
        return bytes;
    };
    std::vector<BYTE> longer = sound;
    longer.push_back(0);
    const std::vector<BYTE> cases[] = {
        longer,                                            // ends after its value
        std::vector<BYTE>(sound.begin(), sound.end() - 2), // cut off in the colours
        Damaged(0, {0xFF, 0xFF, 0xFF, 0x7F}),              // columns
        Damaged(4, {0x00, 0x00, 0x01, 0x00}),              // rows docked across
        Damaged(8, {0xFE, 0xFF, 0xFF, 0xFF}),              // columns docked down
        Damaged(21, {0x02}),                               // tear-off flag
        Damaged(29, {0x00, 0x01}),                         // dialog flag
        Damaged(25, {0x00, 0x00, 0x01}),                   // command
        Damaged(33, {0x03}),                               // count, one more than there are
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); i++)
    {
        SCOPED_TRACE(i);
        WriteRecord(cases[i]);
        EXPECT_FALSE(bar.LoadState(kProfile, 3, 0x77));
        EXPECT_EQ(CSize(7, 1), bar.GetColumnsAndRows(FALSE));
        EXPECT_EQ(0x55u, bar.GetCommandID());
        EXPECT_FALSE(bar.IsTearOff());
        EXPECT_EQ(CString(_T("Own")), bar.AutoLabel());
        EXPECT_EQ(3, bar.GetColors().GetSize());
        // Saved again, the bar writes its own settings, none of the damaged record's.
        ASSERT_TRUE(bar.SaveState(kProfile, 3, 0x77));
        EXPECT_EQ(own, StoreToBytes(bar));
        CTestColorBar reread;
        EXPECT_TRUE(reread.LoadState(kProfile, 3, 0x77));
        EXPECT_EQ(0x55u, reread.GetCommandID());
    }

    // Within an archive of its own the same checks hold.
    EXPECT_TRUE(LoadThrowsArchiveException(bar, cases[2]));
    EXPECT_EQ(0x55u, bar.GetCommandID());

    WriteRecord(sound);
    EXPECT_TRUE(bar.LoadState(kProfile, 3, 0x77));
    EXPECT_EQ(CSize(5, 1), bar.GetColumnsAndRows(FALSE));
    EXPECT_EQ(0x1234u, bar.GetCommandID());
    EXPECT_EQ(CString(_T("A")), bar.AutoLabel());
    EXPECT_EQ(2, bar.GetColors().GetSize());
    bar.RemoveStateFromRegistry(kProfile, 3, 0x77);
}

namespace
{
// A colour menu button that counts how often it is given a colour.
class CCountingColorMenuButton : public CORXColorMenuButton
{
public:
    CCountingColorMenuButton(UINT uiCmd) : CORXColorMenuButton(uiCmd, _T("Colour")) {}
    void SetColor(COLORREF clr, BOOL bNotify) override
    {
        m_nSet++;
        CORXColorMenuButton::SetColor(clr, bNotify);
    }
    int m_nSet = 0;
};

} // namespace

TEST_F(ColorBar, AChosenColourReachesEveryButtonAndTornOffBarOfTheCommand)
{
    ASSERT_TRUE(parent.CreateHidden());
    CORXToolBar bar1, bar2;
    ASSERT_TRUE(bar1.Create(&parent, WS_CHILD | CBRS_TOP, 301));
    ASSERT_TRUE(bar2.Create(&parent, WS_CHILD | CBRS_TOP, 302));
    CCountingColorMenuButton* pChosen = new CCountingColorMenuButton(300);
    CCountingColorMenuButton* pSame = new CCountingColorMenuButton(300);
    CCountingColorMenuButton* pElsewhere = new CCountingColorMenuButton(300);
    CCountingColorMenuButton* pOtherCmd = new CCountingColorMenuButton(310);
    ASSERT_GE(bar1.InsertButton(pChosen), 0);
    ASSERT_GE(bar1.InsertButton(pSame), 0);
    ASSERT_GE(bar2.InsertButton(pElsewhere), 0);
    ASSERT_GE(bar2.InsertButton(pOtherCmd), 0);

    CTestColorBar source(Colors({RGB(1, 2, 3), RGB(4, 5, 6)}), kNone, NULL, NULL, NULL, docColors, 2, 0, 0,
                         kNone, 0, NULL);
    CTestColorBar torn(source, 300);
    CTestColorBar tornOther(source, 310);
    ASSERT_TRUE(torn.Create(&parent, WS_CHILD | CBRS_ALIGN_TOP, 303));
    ASSERT_TRUE(tornOther.Create(&parent, WS_CHILD | CBRS_ALIGN_TOP, 304));

    pChosen->SetColor(RGB(4, 5, 6), TRUE);
    EXPECT_EQ(1, pChosen->m_nSet);
    EXPECT_EQ(1, pSame->m_nSet);
    EXPECT_EQ(1, pElsewhere->m_nSet);
    EXPECT_EQ(0, pOtherCmd->m_nSet);
    EXPECT_EQ(RGB(4, 5, 6), pElsewhere->GetColor());
    EXPECT_EQ(RGB(4, 5, 6), torn.GetColor());
    EXPECT_TRUE(torn.Cell(1)->m_bHighlight);
    EXPECT_EQ(kNone, tornOther.GetColor());
    EXPECT_EQ(RGB(4, 5, 6), CORXColorMenuButton::GetColorByCmdID(300));

    // A cell clicked on a torn-off bar: the buttons follow and the owner hears the command.
    torn.SetOwner(&parent);
    EXPECT_TRUE(torn.OnSendCommand(torn.Cell(0)));
    EXPECT_EQ(RGB(1, 2, 3), torn.GetColor());
    EXPECT_EQ(RGB(1, 2, 3), pChosen->GetColor());
    EXPECT_EQ(RGB(1, 2, 3), pElsewhere->GetColor());
    EXPECT_EQ(RGB(1, 2, 3), CORXColorMenuButton::GetColorByCmdID(300));
}

TEST_F(ColorBar, MenuButtonReadsTheDockedCountsOnlyFromStateThatHasThem)
{
    CORXColorMenuButton button(320, _T("Colour"));
    button.SetColumnsNumber(4);
    button.SetDockedCounts(2, 3);
    button.EnableAutomaticButton(_T("Automatic"), RGB(0, 0, 0));
    // What follows the counts: three flags, the labels "Automatic", "" and "", the colour and the flag.
    const size_t nTail = 12 + (1 + 9) + 1 + 1 + 4 + 4;
    auto Int32At = [](const std::vector<BYTE>& v, size_t i) {
        return (int)(v[i] | (v[i + 1] << 8) | (v[i + 2] << 16) | (v[i + 3] << 24));
    };

    // Without a workspace the record has no docked counts: the columns come right before the flags.
    std::vector<BYTE> bare = StoreToBytes(button);
    EXPECT_EQ(4, Int32At(bare, bare.size() - nTail - 4));
    CORXColorMenuButton fromBare;
    ASSERT_TRUE(LoadsWhole(fromBare, bare));
    EXPECT_EQ(-1, fromBare.GetRowsDockedHorz());
    EXPECT_EQ(-1, fromBare.GetColumnsDockedVert());

    CTestWorkspace workspace;
    workspace.SetSavedVersion(4, 71);
    std::vector<BYTE> bytes = StoreToBytes(button);
    // Columns, then the rows docked across, then the columns docked down.
    EXPECT_EQ(4, Int32At(bytes, bytes.size() - nTail - 12));
    EXPECT_EQ(2, Int32At(bytes, bytes.size() - nTail - 8));
    EXPECT_EQ(3, Int32At(bytes, bytes.size() - nTail - 4));
    CORXColorMenuButton current;
    ASSERT_TRUE(LoadsWhole(current, bytes));
    EXPECT_EQ(4, current.GetColumns());
    EXPECT_EQ(2, current.GetRowsDockedHorz());
    EXPECT_EQ(3, current.GetColumnsDockedVert());
    EXPECT_EQ(20, current.GetColors().GetSize());

    // The older form has no docked counts (nor the menu button's tear-off id): written without
    // them, and read back as -1 for both.
    workspace.SetSavedVersion(4, 70);
    std::vector<BYTE> older = StoreToBytes(button);
    EXPECT_EQ(bytes.size() - 4 - 8, older.size());
    EXPECT_EQ(4, Int32At(older, older.size() - nTail - 4));
    EXPECT_TRUE(std::equal(older.end() - nTail, older.end(), bytes.end() - nTail));
    CORXColorMenuButton old;
    ASSERT_TRUE(LoadsWhole(old, older));
    EXPECT_EQ(4, old.GetColumns());
    EXPECT_EQ(-1, old.GetRowsDockedHorz());
    EXPECT_EQ(-1, old.GetColumnsDockedVert());
    EXPECT_EQ(RGB(0, 0, 0), old.GetAutomaticColor());

    // A 4.71 record read while the workspace says 4.70 would be misread: the rule is the same both
    // ways, so what a workspace writes it reads.
    workspace.SetSavedVersion(4, 71);
    CORXColorMenuButton again;
    ASSERT_TRUE(LoadsWhole(again, bytes));
    EXPECT_EQ(3, again.GetColumnsDockedVert());
}

TEST_F(ColorBar, MenuButtonShowsItsTextOnMenusOnly)
{
    CORXColorMenuButton button(340, _T("Colour"));
    button.m_bText = FALSE;
    CORXToolBar bar;
    button.OnChangeParentWnd(&bar);
    EXPECT_FALSE(button.m_bText) << "a tool bar leaves the text as it was";
    CORXMenuBar menuBar;
    button.OnChangeParentWnd(&menuBar);
    EXPECT_TRUE(button.m_bText) << "on the menu bar the text shows";
    button.OnChangeParentWnd(NULL);
}

TEST_F(ColorBar, PopupOfAButtonWithoutWindowAsksForNoDocumentColours)
{
    CORXColorMenuButton button(330, _T("Colour"));
    button.EnableDocumentColors(_T("Document"));
    button.EnableOtherButton(_T("More Colors..."));
    CORXPopupMenu* pMenu = button.CreatePopupMenu();
    CColorPopup* pPopup = DYNAMIC_DOWNCAST(CColorPopup, pMenu);
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ(&pPopup->GetColorBar(), pPopup->GetMenuBar());
    EXPECT_TRUE(pPopup->GetColorBar().GetDocumentColors().IsEmpty());
    EXPECT_EQ(330u, pPopup->GetColorBar().GetCommandID());
    EXPECT_EQ(20, pPopup->GetColorBar().GetColors().GetSize());
    delete pPopup;
}

namespace
{
// A property row's stand-in: what the bar tells the window that opened it.
class CRecordingClient : public CORXColorBarClient
{
public:
    BOOL EditsOneValue() const override { return TRUE; }
    void OnColorChosen(CORXColorBar*, COLORREF color) override { m_chosen.push_back(color); }
    void OnColorBarClosed(CORXColorBar*) override { m_nClosed++; }
    std::vector<COLORREF> m_chosen;
    int m_nClosed = 0;
};

// A parent that counts its colour button's clicks.
class CClickCountingParent : public CHiddenTestParent
{
public:
    int m_nClicked = 0;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == 60)
            m_nClicked++;
        return CHiddenTestParent::OnCommand(wParam, lParam);
    }
};
} // namespace

TEST_F(ColorBar, AValueEditorHearsTheChoiceAndTheClosing)
{
    CRecordingClient client;
    CTestColorBar bar(Colors({RGB(1, 2, 3), RGB(4, 5, 6)}), kNone, NULL, NULL, NULL, docColors, 2, 0, 0,
                      kNone, 0, NULL);
    bar.SetColorBarClient(&client);
    Place(bar);
    EXPECT_TRUE(bar.OnSendCommand(bar.Cell(1)));
    ASSERT_EQ(1u, client.m_chosen.size());
    EXPECT_EQ(RGB(4, 5, 6), client.m_chosen[0]);
    // The pop-up it sat in was closed, and the bar with it.
    EXPECT_EQ(nullptr, parent.GetSafeHwnd());
    EXPECT_EQ(1, client.m_nClosed);
}

TEST_F(ColorBar, ColourButtonOpensItsPopupAndHearsWhenItCloses)
{
    CClickCountingParent owner;
    ASSERT_TRUE(owner.CreateHidden());
    owner.ShowWindow(SW_SHOWNOACTIVATE);
    CORXColorButton button;
    ASSERT_TRUE(
        button.Create(_T(""), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 60, 32), &owner, 60));
    button.EnableAutomaticButton(_T("Automatic"), RGB(0, 0, 0));

    button.ShowColorPopup();
    CColorPopup* pPopup = button.GetPopup();
    ASSERT_NE(nullptr, pPopup);
    CORXColorBar& bar = pPopup->GetColorBar();
    ASSERT_NE((HWND)NULL, bar.GetSafeHwnd());
    EXPECT_EQ(21, bar.GetCount()); // the automatic button and the twenty colours of the stock palette
    EXPECT_EQ(60u, bar.GetCommandID());

    // Escape closes the pop-up; the bar tells the button on its way out.
    MSG msg = {bar.GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0};
    EXPECT_TRUE(bar.PreTranslateMessage(&msg));
    PumpPending();
    EXPECT_EQ(nullptr, button.GetPopup());

    // A colour handed to the button: it keeps it and tells its parent as a click.
    button.UpdateColor(RGB(7, 8, 9));
    EXPECT_EQ(RGB(7, 8, 9), button.GetColor());
    EXPECT_EQ(1, owner.m_nClicked);
}

// A click on a cell of a bar, as the user makes it.
void ClickCell(CORXColorBar& bar, int iCell)
{
    const CPoint pt = bar.GetButton(iCell)->Rect().CenterPoint();
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
}

TEST_F(ColorBar, EachOpenerHearsTheColourChosenInItsPopupOnce)
{
    CClickCountingParent owner;
    ASSERT_TRUE(owner.CreateHidden());
    owner.ShowWindow(SW_SHOWNOACTIVATE);

    // A dialog's colour button: it takes the colour and tells its parent; the pop-up closes, and
    // no command's colour changes.
    CORXColorButton button;
    ASSERT_TRUE(
        button.Create(_T(""), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 60, 32), &owner, 60));
    button.ShowColorPopup();
    ASSERT_NE(nullptr, button.GetPopup());
    CORXColorBar& bar = button.GetPopup()->GetColorBar();
    const COLORREF colorCell = DYNAMIC_DOWNCAST(CColorButton, bar.GetButton(3))->m_Color;
    ClickCell(bar, 3);
    PumpPending();
    EXPECT_EQ(colorCell, button.GetColor());
    EXPECT_EQ(1, owner.m_nClicked);
    EXPECT_EQ(nullptr, button.GetPopup());
    EXPECT_EQ(kNone, CORXColorMenuButton::GetColorByCmdID(60));

    // A colour menu button: the colour is its own and its command's, for every button of the
    // command, once; the pop-up runs the command.
    CORXToolBar toolBar;
    ASSERT_TRUE(toolBar.Create(&owner, WS_CHILD | CBRS_TOP, 361));
    CCountingColorMenuButton* pMenuButton = new CCountingColorMenuButton(360);
    CCountingColorMenuButton* pSame = new CCountingColorMenuButton(360);
    ASSERT_GE(toolBar.InsertButton(pMenuButton), 0);
    ASSERT_GE(toolBar.InsertButton(pSame), 0);
    CColorPopup* pPopup = DYNAMIC_DOWNCAST(CColorPopup, pMenuButton->CreatePopupMenu());
    ASSERT_NE(nullptr, pPopup);
    pPopup->SetParentButton(pMenuButton, CORXPopupMenu::DROP_DIRECTION_BOTTOM);
    ASSERT_TRUE(pPopup->Create(&owner, 100, 100, NULL, FALSE, TRUE));
    CORXColorBar& menuBar = pPopup->GetColorBar();
    EXPECT_EQ(pMenuButton, dynamic_cast<CCountingColorMenuButton*>(menuBar.GetClient()));
    const COLORREF colorMenuCell = DYNAMIC_DOWNCAST(CColorButton, menuBar.GetButton(5))->m_Color;
    ClickCell(menuBar, 5);
    PumpPending();
    EXPECT_EQ(1, pMenuButton->m_nSet);
    EXPECT_EQ(1, pSame->m_nSet);
    EXPECT_EQ(colorMenuCell, pMenuButton->GetColor());
    EXPECT_EQ(colorMenuCell, pSame->GetColor());
    EXPECT_EQ(colorMenuCell, CORXColorMenuButton::GetColorByCmdID(360));
    toolBar.DestroyWindow();
}

TEST_F(ColorBar, TearOffMakesADockableCopyForTheMenuButtonsCommand)
{
    CFrameWnd* pFrame = new CFrameWnd;
    ASSERT_TRUE(pFrame->Create(NULL, _T("Tear-off host")));
    CORXColorMenuButton button(340, _T("Colour"));
    button.EnableOtherButton(_T("More Colors..."));
    CColorPopup* pPopup = DYNAMIC_DOWNCAST(CColorPopup, button.CreatePopupMenu());
    ASSERT_NE(nullptr, pPopup);

    // Without a colour menu button behind it there is nothing to tear off.
    EXPECT_EQ(nullptr, pPopup->CreateTearOffBar(pFrame, 0xE880, _T("Colour")));

    pPopup->SetParentButton(&button, CORXPopupMenu::DROP_DIRECTION_BOTTOM);
    CORXColorBar* pBar =
        DYNAMIC_DOWNCAST(CORXColorBar, pPopup->CreateTearOffBar(pFrame, 0xE880, _T("Colour")));
    ASSERT_NE(nullptr, pBar);
    EXPECT_TRUE(pBar->IsTearOff());
    EXPECT_EQ(340u, pBar->GetCommandID());
    EXPECT_EQ(20, pBar->GetColors().GetSize());
    EXPECT_TRUE(pBar->GetBarStyle() & CBRS_TOOLTIPS);
    EXPECT_EQ(CBRS_ALIGN_ANY, pBar->m_dwDockStyle & CBRS_ALIGN_ANY);
    CString strTitle;
    pBar->GetWindowText(strTitle);
    EXPECT_EQ(CString(_T("Colour")), strTitle);
    pBar->DestroyWindow();
    delete pBar;
    pPopup->SetParentButton(NULL, 0);
    delete pPopup;
    pFrame->DestroyWindow();
}

TEST_F(ColorBar, PaletteOnlyAtEightBitsAndOfAtMostAHundredColours)
{
    CArray<COLORREF, COLORREF> many;
    for (int i = 0; i < 150; i++)
        many.Add(RGB(i, 0, 0));
    CPalette palette;
    ASSERT_TRUE(CORXColorBar::CreatePalette(many, palette));
    EXPECT_EQ(100, palette.GetEntryCount());

    CTestColorBar bar(Colors({RGB(1, 2, 3), RGB(4, 5, 6)}), kNone, NULL, NULL, NULL, docColors, 2, 0, 0,
                      kNone, 0, NULL);
    CClientDC dc(NULL);
    int nBits = globalData.m_nBitsPerPixel;
    globalData.m_nBitsPerPixel = 8;
    CPalette* pOld = bar.SelectPalette(&dc);
    EXPECT_NE(nullptr, pOld);
    if (pOld != NULL)
        dc.SelectPalette(pOld, FALSE);
    globalData.m_nBitsPerPixel = 32;
    EXPECT_EQ(nullptr, bar.SelectPalette(&dc));
    globalData.m_nBitsPerPixel = nBits;

    // The stock palette when none is given; an empty palette empties the colours.
    CArray<COLORREF, COLORREF> colors;
    EXPECT_EQ(20, CORXColorBar::InitColors(NULL, colors));
    EXPECT_EQ(RGB(0, 0, 0), colors[0]);
    LOGPALETTE empty = {0x300, 0};
    CPalette none;
    ASSERT_TRUE(none.CreatePalette(&empty));
    EXPECT_EQ(0, CORXColorBar::InitColors(&none, colors));
    EXPECT_EQ(0, colors.GetSize());
}

namespace
{
// What a button drew alone, into a bitmap of its size.
class CDrawnButton : public CTestSurface
{
public:
    explicit CDrawnButton(CSize size) : CTestSurface(size.cx, size.cy, TRUE)
    {
        DC()->FillSolidRect(0, 0, size.cx, size.cy, RGB(0, 255, 0));
    }
    // The top left corner of what is drawn in the colour; (-1, -1) when nothing is.
    CPoint FirstOf(COLORREF color)
    {
        for (int y = 0; y < Height(); y++)
            for (int x = 0; x < Width(); x++)
                if (At(x, y) == color)
                    return CPoint(x, y);
        return CPoint(-1, -1);
    }
};
} // namespace

TEST_F(ColorBar, MenuButtonStripMovesWithAPushedFaceUnlessTheLastClickHitTheButtonPart)
{
    ASSERT_TRUE(parent.CreateHidden());
    parent.ShowWindow(SW_SHOWNOACTIVATE);
    CORXToolBar toolBar;
    ASSERT_TRUE(toolBar.Create(&parent, WS_CHILD | WS_VISIBLE | CBRS_TOP, 371));
    CORXColorMenuButton* pButton = new CORXColorMenuButton(370, _T("Colour"));
    ASSERT_GE(toolBar.InsertButton(pButton), 0);
    pButton->SetImage(0);
    pButton->m_bImage = TRUE;
    pButton->m_bText = FALSE;
    pButton->SetColor(RGB(255, 0, 0), FALSE);
    toolBar.SetWindowPos(NULL, 0, 0, 200, 40, SWP_NOZORDER | SWP_NOACTIVATE);
    toolBar.AdjustLayout();
    ASSERT_FALSE(CORXVisualManager::GetInstance()->IsFlatLook());
    CORXToolbarImageList images;
    images.SetImageSize(CSize(16, 15));
    const CRect rectButton = pButton->Rect();
    ASSERT_FALSE(rectButton.IsRectEmpty());
    auto StripAt = [&](UINT nStyle) {
        const UINT nOld = pButton->m_nStyle;
        pButton->m_nStyle = nStyle;
        CDrawnButton drawn(rectButton.Size());
        pButton->OnDraw(drawn.DC(), drawn.Rect(), &images, TRUE, FALSE, FALSE, TRUE, TRUE);
        pButton->m_nStyle = nOld;
        return drawn.FirstOf(RGB(255, 0, 0));
    };
    const CPoint ptFace = StripAt(0);
    ASSERT_NE(CPoint(-1, -1), ptFace);

    // Checked by its command's state before any click: the strip moves with the face.
    EXPECT_EQ(ptFace + CPoint(1, 1), StripAt(TBBS_CHECKED)) << "never clicked";
    // A click on the button part runs the command and leaves the strip where it is.
    const CPoint ptClick(rectButton.left + 3, rectButton.CenterPoint().y);
    toolBar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptClick.x, ptClick.y));
    EXPECT_EQ(ptFace, StripAt(TBBS_PRESSED)) << "pressed on the button part";
    toolBar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptClick.x, ptClick.y));
    EXPECT_FALSE(pButton->IsClickedOnArrow());
    EXPECT_EQ(ptFace, StripAt(TBBS_CHECKED)) << "checked after a click on the button part";
    toolBar.DestroyWindow();
}

TEST_F(ColorBar, DisabledAutomaticButtonIsEtchedLikeADisabledCell)
{
    CTestColorBar bar(Colors({RGB(1, 2, 3), RGB(4, 5, 6)}), kNone, _T("Automatic"), NULL, NULL, docColors, 2,
                      0, 0, RGB(0, 0, 0), 0, NULL);
    Place(bar);
    CColorButton* pAuto = bar.Cell(0);
    ASSERT_TRUE(pAuto->m_bIsAutomatic);
    const int bx = 2 * ::GetSystemMetrics(SM_CXBORDER);
    // The left edge of the frame, halfway down, and one pixel in.
    auto FrameLeft = [&](BOOL bDisabled, int dx) {
        const UINT nOld = pAuto->m_nStyle;
        if (bDisabled)
            pAuto->m_nStyle |= TBBS_DISABLED;
        CDrawnButton drawn(pAuto->Rect().Size());
        pAuto->OnDraw(drawn.DC(), drawn.Rect(), NULL, TRUE, FALSE, FALSE, TRUE, TRUE);
        pAuto->m_nStyle = nOld;
        return drawn.At(bx + dx, pAuto->Rect().Height() / 2);
    };
    EXPECT_EQ(globalData.clrBtnShadow, FrameLeft(FALSE, 0));
    EXPECT_EQ(globalData.clrBtnHilite, FrameLeft(TRUE, 0));
    EXPECT_EQ(globalData.clrBtnShadow, FrameLeft(TRUE, 1));
}

TEST_F(ColorBar, MenuButtonDockedCountsFollowTheVersionRuleOnBothSidesAndAnUnknownVersion)
{
    CORXColorMenuButton button(321, _T("Colour"));
    button.SetColumnsNumber(4);
    button.SetDockedCounts(2, 3);
    // What follows the counts: three flags, three empty labels, the automatic colour and the flag.
    const size_t nTail = 12 + 3 + 4 + 4;
    auto Int32At = [](const std::vector<BYTE>& v, size_t i) {
        return (int)(v[i] | (v[i + 1] << 8) | (v[i + 2] << 16) | (v[i + 3] << 24));
    };
    CTestWorkspace workspace;
    workspace.SetSavedVersion(4, 71);
    const std::vector<BYTE> current = StoreToBytes(button);
    const struct
    {
        int nMajor, nMinor;
        BOOL bCounts;
    } versions[] = {{4, 71, TRUE},
                    {4, 72, TRUE},
                    {5, 0, TRUE},
                    {6, 33, TRUE},
                    {4, 70, FALSE},
                    {3, 80, FALSE},
                    {4, 0, FALSE},
                    // Nothing loaded yet: the current form, which the next load reads.
                    {-1, -1, TRUE}};
    for (const auto& v : versions)
    {
        workspace.SetSavedVersion(v.nMajor, v.nMinor);
        const std::vector<BYTE> bytes = StoreToBytes(button);
        if (v.bCounts)
        {
            EXPECT_EQ(current, bytes) << v.nMajor << "." << v.nMinor;
            ASSERT_GE(bytes.size(), nTail + 12);
            EXPECT_EQ(4, Int32At(bytes, bytes.size() - nTail - 12));
            EXPECT_EQ(2, Int32At(bytes, bytes.size() - nTail - 8));
            EXPECT_EQ(3, Int32At(bytes, bytes.size() - nTail - 4));
        }
        else
        {
            // Neither the counts nor the menu button's tear-off id.
            EXPECT_EQ(current.size() - 12, bytes.size()) << v.nMajor << "." << v.nMinor;
            EXPECT_EQ(4, Int32At(bytes, bytes.size() - nTail - 4));
        }
        CORXColorMenuButton loaded;
        ASSERT_TRUE(LoadsWhole(loaded, bytes)) << v.nMajor << "." << v.nMinor;
        EXPECT_EQ(4, loaded.GetColumns());
        EXPECT_EQ(v.bCounts ? 2 : -1, loaded.GetRowsDockedHorz()) << v.nMajor << "." << v.nMinor;
        EXPECT_EQ(v.bCounts ? 3 : -1, loaded.GetColumnsDockedVert()) << v.nMajor << "." << v.nMinor;
    }
}

namespace
{
class CTestColorMenuButton : public CORXColorMenuButton
{
public:
    CTestColorMenuButton() : CORXColorMenuButton(322, _T("Colour")) {}
    void SetColors(std::initializer_list<COLORREF> colors)
    {
        m_Colors.RemoveAll();
        for (COLORREF color : colors)
            m_Colors.Add(color);
    }
};
} // namespace

TEST_F(ColorBar, MenuButtonRefusesADamagedRecordWholeAndKeepsItsOwnSettings)
{
    CTestWorkspace workspace;
    workspace.SetSavedVersion(4, 71);
    CTestColorMenuButton source;
    source.SetColors({RGB(1, 2, 3), RGB(4, 5, 6)});
    source.SetColumnsNumber(4);
    source.SetDockedCounts(2, 3);
    source.EnableAutomaticButton(_T("Automatic"), RGB(7, 8, 9));
    const std::vector<BYTE> sound = StoreToBytes(source);
    // The button's own settings, unlike every one of the record's.
    CTestColorMenuButton button;
    button.SetColors({RGB(9, 9, 9), RGB(8, 8, 8), RGB(7, 7, 7)});
    button.SetColumnsNumber(6);
    button.SetDockedCounts(1, 1);
    button.EnableOtherButton(_T("More"));
    const std::vector<BYTE> own = StoreToBytes(button);

    // From the end: the dialog flag, the automatic colour, the labels "Automatic", "" and "", the
    // three flags, the columns docked down, the rows docked across, the columns, two colours, the count.
    const size_t nEnd = sound.size();
    auto Damaged = [&](size_t nFromEnd, std::initializer_list<BYTE> patch) {
        std::vector<BYTE> bytes = sound;
        size_t nAt = nEnd - nFromEnd;
        for (BYTE b : patch)
            bytes.at(nAt++) = b;
        return bytes;
    };
    const std::vector<BYTE> cases[] = {
        Damaged(4, {0x02}),                                // dialog flag
        Damaged(24, {0x00, 0x01}),                         // document colours flag
        Damaged(28, {0xFF, 0xFF, 0xFF, 0xFF}),             // other colours flag
        Damaged(32, {0x03}),                               // automatic flag
        Damaged(36, {0x01, 0x10}),                         // columns docked down
        Damaged(40, {0xFE, 0xFF, 0xFF, 0xFF}),             // rows docked across
        Damaged(44, {0xFF, 0xFF, 0xFF, 0x7F}),             // columns
        Damaged(56, {0x01, 0x10}),                         // a count no bar could hold
        Damaged(56, {0xFF, 0xFF, 0xFF, 0xFF}),             // a count below none
        std::vector<BYTE>(sound.begin(), sound.end() - 2), // cut off in the dialog flag
    };
    ASSERT_EQ(2, sound[nEnd - 56]);
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); i++)
    {
        SCOPED_TRACE(i);
        EXPECT_TRUE(LoadThrowsArchiveException(button, cases[i]));
        EXPECT_EQ(6, button.GetColumns());
        EXPECT_EQ(1, button.GetRowsDockedHorz());
        EXPECT_EQ(3, button.GetColors().GetSize());
        EXPECT_EQ(RGB(9, 9, 9), button.GetColors()[0]);
        // Stored again, the button writes its own settings, none of the damaged record's.
        EXPECT_EQ(own, StoreToBytes(button));
    }

    ASSERT_TRUE(LoadsWhole(button, sound));
    EXPECT_EQ(4, button.GetColumns());
    EXPECT_EQ(3, button.GetColumnsDockedVert());
    EXPECT_EQ(RGB(7, 8, 9), button.GetAutomaticColor());
    ASSERT_EQ(2, button.GetColors().GetSize());
    EXPECT_EQ(RGB(4, 5, 6), button.GetColors()[1]);
    EXPECT_EQ(sound, StoreToBytes(button));
}
