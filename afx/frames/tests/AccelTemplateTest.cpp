// The frame's accelerator table and its resource id, its default menu, and the application's
// document templates with their shared menus and accelerators.
#include "FrameTestSupport.h"
#include "FrameTestIds.h"
#include <gtest/gtest.h>

namespace
{
BOOL PressKey(CWnd* pWnd, UINT nVirtKey)
{
    MSG msg = {};
    msg.hwnd = pWnd->m_hWnd;
    msg.message = WM_KEYDOWN;
    msg.wParam = nVirtKey;
    msg.lParam = 1;
    g_route.clear();
    return AfxGetApp()->PreTranslateMessage(&msg);
}
} // namespace

TEST(FrameAccelTable, EntriesReplaceTheTableAndDamagedOnesFallBackToTheResource)
{
    CTestFrame* pFrame = new CTestFrame;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_TEST_FRAME, WS_OVERLAPPEDWINDOW));
    EXPECT_EQ((UINT)IDR_TEST_FRAME, pFrame->GetAccelResourceID());
    EXPECT_TRUE(pFrame->GetDefaultMenu() != NULL);
    EXPECT_EQ(pFrame->GetDefaultMenu(), ::GetMenu(pFrame->m_hWnd));

    // F6 instead of F5.
    ACCEL entries[] = {{FVIRTKEY | FNOINVERT, VK_F6, ID_CMD_ACCEL}};
    EXPECT_TRUE(pFrame->SetAccelEntries(entries, 1));
    EXPECT_TRUE(PressKey(pFrame, VK_F6));
    EXPECT_FALSE(PressKey(pFrame, VK_F5));
    EXPECT_EQ((UINT)IDR_TEST_FRAME, pFrame->GetAccelResourceID());

    // Whatever cannot be a table gives the resource's table back, never an empty or odd one.
    ACCEL badFlags[] = {{0x80 | FVIRTKEY, VK_F7, ID_CMD_ACCEL}};
    ACCEL noCommand[] = {{FVIRTKEY, VK_F7, 0}};
    ACCEL wideChar[] = {{0, 0x1234, ID_CMD_ACCEL}};
    struct
    {
        const ACCEL* p;
        int n;
    } damaged[] = {{NULL, 1}, {entries, 0}, {entries, -3}, {badFlags, 1}, {noCommand, 1}, {wideChar, 1}};
    for (const auto& d : damaged)
    {
        EXPECT_TRUE(pFrame->SetAccelEntries(entries, 1));
        EXPECT_FALSE(pFrame->SetAccelEntries(d.p, d.n));
        EXPECT_TRUE(PressKey(pFrame, VK_F5));
        EXPECT_EQ(std::vector<std::string>({"frame"}), g_route);
        EXPECT_FALSE(PressKey(pFrame, VK_F6));
        EXPECT_FALSE(PressKey(pFrame, VK_F7));
    }
    pFrame->DestroyWindow();

    // A frame made without a resource has no id to fall back to: damaged entries leave it none.
    pFrame = new CTestFrame;
    ASSERT_TRUE(pFrame->Create(NULL, _T("Plain")));
    EXPECT_EQ(0u, pFrame->GetAccelResourceID());
    EXPECT_TRUE(pFrame->GetDefaultMenu() == NULL);
    EXPECT_FALSE(pFrame->SetAccelEntries(badFlags, 1));
    EXPECT_FALSE(PressKey(pFrame, VK_F7));
    EXPECT_TRUE(pFrame->SetAccelEntries(entries, 1));
    EXPECT_TRUE(PressKey(pFrame, VK_F6));
    pFrame->DestroyWindow();
}

TEST(DocTemplates, TheApplicationListsItsTemplatesWithTheirSharedMenusAndAccelerators)
{
    CWinApp* pApp = AfxGetApp();
    EXPECT_TRUE(pApp->GetFirstDocTemplatePosition() == NULL);

    CMultiDocTemplate* pTemplate = new CMultiDocTemplate(IDR_TEST_FRAME);
    ASSERT_TRUE(pTemplate->m_hMenuShared != NULL);
    EXPECT_TRUE(::IsMenu(pTemplate->m_hMenuShared));
    EXPECT_EQ(1, ::GetMenuItemCount(pTemplate->m_hMenuShared));
    EXPECT_TRUE(pTemplate->m_hAccelTable != NULL);
    CMultiDocTemplate* pNone = new CMultiDocTemplate(0x7777);
    EXPECT_TRUE(pNone->m_hMenuShared == NULL);
    EXPECT_TRUE(pNone->m_hAccelTable == NULL);

    pApp->AddDocTemplate(pTemplate);
    pApp->AddDocTemplate(pNone);
    pApp->AddDocTemplate(pTemplate); // once only
    std::vector<CDocTemplate*> listed;
    for (POSITION pos = pApp->GetFirstDocTemplatePosition(); pos != NULL;)
        listed.push_back(pApp->GetNextDocTemplate(pos));
    EXPECT_EQ(std::vector<CDocTemplate*>({pTemplate, pNone}), listed);
    EXPECT_TRUE(listed[0]->IsKindOf(RUNTIME_CLASS(CMultiDocTemplate)));

    // A template destroys its own shared menu.
    HMENU hShared = pTemplate->m_hMenuShared;
    pApp->m_templateList.RemoveAll();
    delete pTemplate;
    delete pNone;
    EXPECT_FALSE(::IsMenu(hShared));
}
