// Menu buttons as items: the text a hidden button takes in the chevron's menu, and a disabled user
// tool's icon.
#include <gtest/gtest.h>

#include "DemoIds.h"
#include "ORXExtrasHooks.h"
#include "ORXPopupMenu.h"
#include "ORXPopupMenuBar.h"
#include "ORXServices.h"
#include "ORXToolbarComboBoxButton.h"
#include "ORXToolbarMenuButton.h"
#include "TestDrawing.h"
#include "TestSupport.h"
#include "TestWindows.h"

namespace
{
const COLORREF kIconColour = RGB(255, 0, 0);

// One user tool, whose icon is a red square in the middle of the rectangle it is given.
class CRedToolLink : public CORXUserToolsLink
{
public:
    explicit CRedToolLink(UINT uiCmd) : m_uiCmd(uiCmd) { CORXServices::Register<CORXUserToolsLink>(this); }
    ~CRedToolLink() { CORXServices::Unregister<CORXUserToolsLink>(this); }
    virtual BOOL IsUserToolCmd(UINT uiCmd) const { return uiCmd == m_uiCmd; }
    virtual UINT GetToolsEntryCmd() const { return 0; }
    virtual BOOL DrawToolIcon(UINT uiCmd, CDC* pDC, const CRect& rect)
    {
        if (uiCmd != m_uiCmd)
            return FALSE;
        CPoint ptCentre = rect.CenterPoint();
        pDC->FillSolidRect(CRect(ptCentre.x - 5, ptCentre.y - 5, ptCentre.x + 5, ptCentre.y + 5),
                           kIconColour);
        return TRUE;
    }
    virtual BOOL InvokeTool(UINT) { return FALSE; }

private:
    UINT m_uiCmd;
};
} // namespace

TEST(MenuButtonTest, TheChevronsItemsTakeTheButtonsTextAndACombosCommandText)
{
    CRecordingFrame* pFrame = new CRecordingFrame;
    ASSERT_TRUE(pFrame->Create(NULL, _T("Chevron test"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 200)));
    CORXToolBar bar;
    ASSERT_TRUE(bar.Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    bar.SetOwner(pFrame);
    CCustomizeButton* pChevron = new CCustomizeButton;
    ASSERT_GE(bar.InsertButton(pChevron), 0);

    // A combo box labelled for its box, and a button with a text of its own.
    CORXToolbarComboBoxButton combo(ID_DEMO_OPEN, -1);
    combo.m_strText = _T("Folder:");
    CORXToolbarButton save(ID_DEMO_SAVE, -1, _T("&Keep"));
    pChevron->AddInvisibleButton(&combo);
    pChevron->AddInvisibleButton(&save);
    ASSERT_TRUE(pChevron->OpenPopupMenu(&bar));
    ASSERT_NE((CORXPopupMenu*)NULL, pChevron->GetPopupMenu());
    CORXPopupMenuBar* pItems = pChevron->GetPopupMenu()->GetMenuBar();
    ASSERT_EQ(2, pItems->GetCount());
    EXPECT_EQ(CString(_T("Open")), pItems->GetButtonText(0));
    EXPECT_EQ(CString(_T("&Keep")), pItems->GetButtonText(1));

    pChevron->OnCancelMode();
    PumpPending();
    bar.DestroyWindow();
    pFrame->DestroyWindow();
    PumpPending();
}

TEST(MenuButtonTest, ADisabledUserToolsIconIsDrawnDisabled)
{
    const UINT uiTool = ID_DEMO_MENU_FIRST;
    CRedToolLink tools(uiTool);
    CORXPopupMenuBar itemBar;
    CORXToolbarMenuButton item(uiTool, NULL, -1, _T("Tool"));
    item.OnChangeParentWnd(&itemBar);
    ASSERT_TRUE(item.IsMenuItem());

    const CRect rect(0, 0, 120, 24);
    CTestSurface enabled(rect.Width(), rect.Height(), RGB(255, 255, 255));
    item.OnDraw(enabled.DC(), rect, NULL);
    EXPECT_EQ(100, enabled.Count(kIconColour));

    // Disabled: the square is still there, greyed.
    item.m_nStyle |= TBBS_DISABLED;
    CTestSurface disabled(rect.Width(), rect.Height(), RGB(255, 255, 255));
    item.OnDraw(disabled.DC(), rect, NULL);
    EXPECT_EQ(0, disabled.Count(kIconColour));
    CRect rectSquare;
    for (int y = 0; y < rect.Height(); y++)
        for (int x = 0; x < rect.Width(); x++)
            if (enabled.At(x, y) == kIconColour)
                rectSquare |= CRect(x, y, x + 1, y + 1);
    ASSERT_FALSE(rectSquare.IsRectEmpty());
    COLORREF clrGreyed = disabled.At(rectSquare.left, rectSquare.top);
    EXPECT_EQ(GetRValue(clrGreyed), GetGValue(clrGreyed));
    EXPECT_EQ(GetGValue(clrGreyed), GetBValue(clrGreyed));
    EXPECT_EQ(100, disabled.Count(clrGreyed, rectSquare));
}
