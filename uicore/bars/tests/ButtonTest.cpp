// Tool-bar buttons: the archive form, the command manager's part, storable commands, sizes.
#include <gtest/gtest.h>

#include "ORXCommandManager.h"
#include "ORXToolbarButton.h"
#include "ORXWorkspace.h"
#include "TestSupport.h"

TEST(ToolbarButton, ArchiveFormHoldsTheFieldsInTheirOrder)
{
    CORXCommandManager::GetCmdMgr()->ClearAllCmdImages();
    CORXToolbarButton button(0x8001, 3, _T("&Open"));
    button.m_nStyle = TBBS_CHECKBOX | TBBS_CHECKED;
    button.m_bText = TRUE;
    EXPECT_EQ(Image("01 80 00 00 | 02 00 01 00 | 03 00 00 00 | 05 '&Open' | 00 00 00 00 | 00 00 00 00 |"
                    "01 00 00 00 | 01 00 00 00"),
              StoreToBytes(button));

    // Reading back lets the command manager learn the user image.
    CORXToolbarButton back;
    ASSERT_TRUE(
        LoadFromBytes(back, Image("07 90 00 00 | 00 00 00 00 | 07 00 00 00 | 00 | 01 00 00 00 | 00 00 00 00 |"
                                  "00 00 00 00 | 01 00 00 00")));
    EXPECT_EQ(0x9007u, back.m_nID);
    EXPECT_TRUE(back.m_bUserButton);
    EXPECT_EQ(7, back.GetImage());
    EXPECT_EQ(7, CORXCommandManager::GetCmdMgr()->GetCmdImage(0x9007, TRUE));
}

TEST(ToolbarButton, TheFormDoesNotDependOnTheSavedVersion)
{
    CORXToolbarButton button(0x8002, 1);
    Bytes unknown = StoreToBytes(button);
    CORXWorkspace workspace;
    // The base button has one form; derived buttons ask for the version their fields need.
    EXPECT_TRUE(ORXSavedVersionAtLeast(4, 71)); // unknown version: every field is there
    EXPECT_EQ(unknown, StoreToBytes(button));
}

TEST(ToolbarButton, ImagesThroughTheCommandManager)
{
    CORXCommandManager* pMgr = CORXCommandManager::GetCmdMgr();
    pMgr->ClearAllCmdImages();
    CORXToolbarButton first(0x8010, 4);
    EXPECT_EQ(4, pMgr->GetCmdImage(0x8010, FALSE));
    CORXToolbarButton second(0x8010, -1); // takes the recorded image
    EXPECT_EQ(4, second.GetImage());
    CORXToolbarButton locked(0x8011, -1, NULL, FALSE, TRUE);
    EXPECT_EQ(-1, locked.GetImage());
    EXPECT_EQ(-1, pMgr->GetCmdImage(0x8011, FALSE));
    // A button without an image shows its text.
    CORXToolbarButton missing(0x8012, -1, _T("Go"));
    EXPECT_FALSE(missing.m_bImage);
    EXPECT_TRUE(missing.m_bText);

    CORXToolbarButton separator;
    separator.m_nStyle = TBBS_SEPARATOR;
    separator.SetImage(12);
    EXPECT_EQ(12, separator.GetImage());
    EXPECT_EQ(Image("00 00 00 00 | 01 00 00 00 | 0C 00 00 00 | 00 | 00 00 00 00 | 00 00 00 00 |"
                    "00 00 00 00 | 01 00 00 00"),
              StoreToBytes(separator));
}

TEST(ToolbarButton, CommandsMadeAtRunTimeAreNeverStored)
{
    struct
    {
        UINT uiID;
        BOOL bStored;
    } cases[] = {{0xE110, FALSE}, {0xE11F, FALSE}, {0xE10F, TRUE},  {0xF000, FALSE}, {0xF1EF, FALSE},
                 {0xF1F0, TRUE},  {0xFF00, FALSE}, {0xE210, FALSE}, {0xE21F, FALSE}, {0x8000, TRUE}};
    for (auto& c : cases)
    {
        CORXToolbarButton button;
        button.m_nID = c.uiID;
        EXPECT_EQ(c.bStored, button.CanBeStored()) << std::hex << c.uiID;
    }
    CORXToolbarButton::m_lstProtectedCommands.AddTail(0x8000);
    CORXToolbarButton button;
    button.m_nID = 0x8000;
    EXPECT_FALSE(button.CanBeStored());
    CORXToolbarButton::m_lstProtectedCommands.RemoveAll();
}

TEST(ToolbarButton, SizesOfSeparatorsLabelsAndCopies)
{
    HDC hDC = ::GetDC(NULL);
    CDC* pDC = CDC::FromHandle(hDC);
    CORXToolbarButton separator;
    separator.m_nStyle = TBBS_SEPARATOR;
    EXPECT_EQ(CSize(8, 22), CSize(separator.OnCalculateSize(pDC, CSize(23, 22), TRUE)));
    EXPECT_EQ(CSize(23, 8), CSize(separator.OnCalculateSize(pDC, CSize(23, 22), FALSE)));
    separator.SetImage(6);
    EXPECT_EQ(CSize(6, 22), CSize(separator.OnCalculateSize(pDC, CSize(23, 22), TRUE)));

    CORXToolbarButton labelled(0x8020, 0, _T("&Save"));
    labelled.m_bText = TRUE;
    SIZE sizeText;
    ::GetTextExtentPoint32(hDC, _T("Save"), 4, &sizeText);
    EXPECT_EQ(23 + sizeText.cx + 9, labelled.OnCalculateSize(pDC, CSize(23, 22), TRUE).cx);
    ::ReleaseDC(NULL, hDC);

    CORXToolbarButton copy;
    copy.m_bDragFromCollection = TRUE;
    copy.CopyFrom(labelled);
    EXPECT_EQ(0x8020u, copy.m_nID);
    EXPECT_STREQ(_T("&Save"), copy.m_strText);
    EXPECT_FALSE(copy.m_bDragFromCollection);
    EXPECT_TRUE(copy.CompareWith(labelled));
    EXPECT_STREQ(_T("A&B"), CORXToolbarButton::StripMnemonics(_T("&A&&B")));
}
