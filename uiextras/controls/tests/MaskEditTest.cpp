// The masked edit typed into as a user would: groups, literals, refused characters, the keys that
// move and delete group by group, pastes that do not fit, and values set from code.
#include <gtest/gtest.h>

#include "ORXMaskEdit.h"
#include "TestWindows.h"

namespace
{
struct MaskEdit : ::testing::Test
{
    CHiddenTestParent parent;
    CORXMaskEdit edit;

    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateHidden());
        ASSERT_TRUE(edit.EnableMask(_T("DD DD DDDD"), _T("__/__/____"), _T('_')));
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(0, 0, 200, 24), &parent, 100));
    }
    void Type(const char* psz)
    {
        for (; *psz != 0; psz++)
            edit.SendMessage(WM_CHAR, (BYTE)*psz, 1);
    }
    void Key(UINT nKey) { edit.SendMessage(WM_KEYDOWN, nKey, 1); }
    CString Shown() const
    {
        CString str;
        edit.GetWindowText(str);
        return str;
    }
    int Caret() const
    {
        int nStart, nEnd;
        edit.GetSel(nStart, nEnd);
        return nEnd;
    }
};
} // namespace

TEST_F(MaskEdit, TypingFillsGroupsSkipsLiteralsAndRefusesOthers)
{
    EXPECT_EQ(CString(_T("__/__/____")), Shown());
    edit.SetSel(0, 0);
    Type("1");
    EXPECT_EQ(1, Caret());
    Type("2");
    EXPECT_EQ(3, Caret()) << "the end of a group moves on to the next one";
    Type("a/");
    EXPECT_EQ(CString(_T("12/__/____")), edit.GetValue());
    Type("0619999");
    EXPECT_EQ(CString(_T("12/06/1999")), edit.GetValue());
    EXPECT_EQ(CString(_T("12/06/1999")), Shown());
    Type("7");
    EXPECT_EQ(CString(_T("12/06/1999")), edit.GetValue()) << "past the last group nothing is typed";
    EXPECT_EQ(CString(_T("12061999")), edit.GetValue(FALSE));
}

TEST_F(MaskEdit, BackspaceAndDeleteWorkWithinTheirRun)
{
    ASSERT_TRUE(edit.SetValue(_T("12/06/1999")));
    edit.SetSel(8, 8);
    Key(VK_BACK);
    EXPECT_EQ(CString(_T("12/06/199_")), edit.GetValue());
    EXPECT_EQ(7, Caret());
    edit.SetSel(6, 6);
    Key(VK_DELETE);
    EXPECT_EQ(CString(_T("12/06/99__")), edit.GetValue());
    EXPECT_EQ(CString(_T("12/06/99__")), Shown());
    edit.SetSel(3, 3);
    Key(VK_BACK);
    EXPECT_EQ(2, Caret()) << "Backspace at a group's start only moves to the previous group's end";
    EXPECT_EQ(CString(_T("12/06/99__")), edit.GetValue());
    edit.SetSel(0, 2);
    Key(VK_DELETE);
    EXPECT_EQ(CString(_T("__/06/99__")), edit.GetValue());
    edit.SetSel(1, 4);
    Key(VK_DELETE);
    EXPECT_EQ(CString(_T("__/06/99__")), edit.GetValue()) << "a selection across a literal changes nothing";
}

TEST_F(MaskEdit, ArrowsHomeAndEndMoveGroupByGroup)
{
    ASSERT_TRUE(edit.SetValue(_T("12/06/1999")));
    edit.SetSel(2, 2);
    Key(VK_RIGHT);
    EXPECT_EQ(3, Caret());
    Key(VK_LEFT);
    EXPECT_EQ(2, Caret());
    edit.SetSel(7, 7);
    Key(VK_HOME);
    EXPECT_EQ(6, Caret());
    edit.SetSel(4, 4);
    Key(VK_END);
    EXPECT_EQ(5, Caret());
}

TEST_F(MaskEdit, ValuesFromCodeFitTheTemplateOrChangeNothing)
{
    EXPECT_TRUE(edit.SetValue(_T("0102"), FALSE));
    EXPECT_EQ(CString(_T("01/02/____")), edit.GetValue());
    EXPECT_FALSE(edit.SetValue(_T("01-02-2000")));
    EXPECT_FALSE(edit.SetValue(_T("01/02/20001")));
    EXPECT_FALSE(edit.SetValue(_T("0a0220"), FALSE));
    EXPECT_EQ(CString(_T("01/02/____")), edit.GetValue());
    EXPECT_TRUE(edit.SetValue(_T("_1/0")));
    EXPECT_EQ(CString(_T("_1/0_/____")), edit.GetValue());
}

TEST_F(MaskEdit, PasteThatDoesNotFitIsUndone)
{
    ASSERT_TRUE(edit.SetValue(_T("12/06/1999")));
    edit.SetSel(0, 0);
    edit.SendMessage(EM_REPLACESEL, TRUE, (LPARAM) _T("12345678901234"));
    EXPECT_EQ(CString(_T("12/06/1999")), Shown());
    EXPECT_EQ(CString(_T("12/06/1999")), edit.GetValue());
}

TEST_F(MaskEdit, MaskAndTemplateOfDifferentLengthsAreRefused)
{
    EXPECT_FALSE(edit.EnableMask(_T("DD"), _T("__/__"), _T('_')));
    EXPECT_EQ(CString(_T("DD DD DDDD")), edit.GetMask());
}

TEST_F(MaskEdit, TemplateWithoutInputRefusesEveryKey)
{
    ASSERT_TRUE(edit.EnableMask(_T("----"), _T("(  )"), _T('_')));
    edit.SetSel(1, 1);
    Key(VK_RIGHT);
    Key(VK_DELETE);
    EXPECT_EQ(1, Caret());
    EXPECT_EQ(CString(_T("(  )")), Shown());
}

TEST_F(MaskEdit, WithoutAMaskOnlyTheValidCharactersAreTaken)
{
    edit.DisableMask();
    edit.SetValidChars(_T("0123456789"));
    EXPECT_FALSE(edit.SetValue(_T("12a")));
    EXPECT_TRUE(edit.SetValue(_T("123")));
    edit.SetSel(3, 3);
    Type("4x");
    EXPECT_EQ(CString(_T("1234")), Shown());
}

TEST(MaskEditGroups, BoundsForwardAndBackward)
{
    CORXMaskEdit edit;
    ASSERT_TRUE(edit.EnableMask(_T(" DD DD "), _T("(__)__-"), _T('_')));
    struct
    {
        int nPos;
        BOOL bForward;
        int nStart, nEnd;
    } cases[] = {
        {0, TRUE, 1, 3},   {1, TRUE, 1, 3},    {3, TRUE, 1, 3},  {4, TRUE, 4, 6},  {6, TRUE, 4, 6},
        {7, TRUE, -1, -1}, {0, FALSE, -1, -1}, {2, FALSE, 1, 3}, {3, FALSE, 1, 3}, {7, FALSE, 4, 6},
    };
    for (const auto& c : cases)
    {
        int nStart, nEnd;
        edit.GetGroupBounds(nStart, nEnd, c.nPos, c.bForward);
        EXPECT_EQ(c.nStart, nStart) << "position " << c.nPos << (c.bForward ? " forward" : " backward");
        if (c.nStart >= 0)
        {
            EXPECT_EQ(c.nEnd, nEnd) << "position " << c.nPos;
        }
    }
}

TEST(MaskEditChars, TheBaseMaskCharacters)
{
    CORXMaskEdit edit;
    struct
    {
        TCHAR ch, mask;
        BOOL bFits;
    } cases[] = {
        {'7', 'D', TRUE},  {' ', 'D', FALSE}, {' ', 'd', TRUE}, {'-', '+', TRUE},
        {'x', 'C', TRUE},  {'1', 'C', FALSE}, {' ', 'c', TRUE}, {'1', 'A', TRUE},
        {' ', 'A', FALSE}, {' ', 'a', TRUE},  {'%', '*', TRUE}, {'x', 'Q', FALSE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.bFits, edit.IsMaskedChar(c.ch, c.mask)) << (char)c.ch << " against " << (char)c.mask;
}
