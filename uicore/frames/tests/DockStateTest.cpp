// The frame's dock layout kept with the workspace's state: saved with the bars, applied at load
// only when it names bars the frame has (or when the workspace forces it).
#include <gtest/gtest.h>

#include <vector>

#include "ORXFrameImpl.h"
#include "ORXToolBar.h"
#include "ORXWorkspace.h"
#include "TestSupport.h"

namespace
{
const UINT kBarA = AFX_IDW_TOOLBAR + 0x20;
const UINT kBarB = AFX_IDW_TOOLBAR + 0x21;

class DockStateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        App().ResetProfile();
        m_pWorkspace = new CORXWorkspace;
        m_pWorkspace->SetRegistryBase(_T("Velmora"));
    }
    void TearDown() override
    {
        for (size_t i = 0; i < m_frames.size(); i++)
            if (::IsWindow(m_frames[i]))
                ::DestroyWindow(m_frames[i]);
        for (size_t i = 0; i < m_bars.size(); i++)
            delete m_bars[i];
        delete m_pWorkspace;
    }

    // A frame docking on every side with a docked tool bar for each id, all along the top.
    CFrameWnd* NewFrame(std::vector<UINT> ids)
    {
        CFrameWnd* pFrame = new CFrameWnd;
        EXPECT_TRUE(pFrame->Create(NULL, _T("Dock state test"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 300)));
        m_frames.push_back(pFrame->GetSafeHwnd());
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        for (UINT nID : ids)
        {
            CORXToolBar* pBar = new CORXToolBar;
            m_bars.push_back(pBar);
            EXPECT_TRUE(pBar->Create(pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER, nID));
            pBar->InsertButton(new CORXToolbarButton(nID, -1));
            pBar->EnableDocking(CBRS_ALIGN_ANY);
            pFrame->DockControlBar(pBar);
        }
        pFrame->RecalcLayout();
        return pFrame;
    }
    static UINT DockBarOf(CFrameWnd* pFrame, UINT nID)
    {
        CControlBar* pBar = pFrame->GetControlBar(nID);
        return pBar != NULL && pBar->m_pDockBar != NULL ? (UINT)pBar->m_pDockBar->GetDlgCtrlID() : 0;
    }

    CORXWorkspace* m_pWorkspace = NULL;
    std::vector<HWND> m_frames;
    std::vector<CORXToolBar*> m_bars;
};
} // namespace

TEST_F(DockStateTest, AStateIsValidWhenTheFrameHasEveryBarItDocks)
{
    CFrameWnd* pFrame = NewFrame({kBarA, kBarB});
    CDockState state;
    pFrame->GetDockState(state);
    EXPECT_TRUE(CORXFrameImpl::IsDockStateValid(pFrame, state));

    // A record of a bar the frame lacks, outside every dock bar, does not matter...
    CControlBarInfo* pLoose = new CControlBarInfo;
    pLoose->m_nBarID = kBarB + 5;
    state.m_arrBarInfo.Add(pLoose);
    EXPECT_TRUE(CORXFrameImpl::IsDockStateValid(pFrame, state));
    // ...but a dock bar's row naming it does.
    for (int i = 0; i < state.m_arrBarInfo.GetSize(); i++)
    {
        CControlBarInfo* pInfo = (CControlBarInfo*)state.m_arrBarInfo[i];
        if (pInfo->m_nBarID == AFX_IDW_DOCKBAR_TOP)
            pInfo->m_arrBarID.InsertAt(0, (void*)(UINT_PTR)(kBarB + 5));
    }
    EXPECT_FALSE(CORXFrameImpl::IsDockStateValid(pFrame, state));
    EXPECT_FALSE(CORXFrameImpl::IsDockStateValid(NULL, state));
}

TEST_F(DockStateTest, TheWorkspaceKeepsTheLayoutAndAppliesItOnlyWhenItFits)
{
    CFrameWnd* pFrame = NewFrame({kBarA, kBarB});
    pFrame->DockControlBar(pFrame->GetControlBar(kBarA), AFX_IDW_DOCKBAR_LEFT);
    pFrame->RecalcLayout();
    ASSERT_EQ((UINT)AFX_IDW_DOCKBAR_LEFT, DockBarOf(pFrame, kBarA));
    ASSERT_TRUE(m_pWorkspace->SaveState(NULL, pFrame));
    DWORD dwType;
    Bytes data;
    EXPECT_TRUE(App().ReadProfileValue(_T("Velmora\\ControlBars-Summary"), _T("Bars"), dwType, data));
    EXPECT_TRUE(App().ReadProfileValue(_T("Velmora\\ControlBars-Bar0"), _T("BarID"), dwType, data));

    // The same bars: the layout comes back.
    CFrameWnd* pSame = NewFrame({kBarA, kBarB});
    m_pWorkspace->LoadState(NULL, pSame);
    EXPECT_EQ((UINT)AFX_IDW_DOCKBAR_LEFT, DockBarOf(pSame, kBarA));
    EXPECT_EQ((UINT)AFX_IDW_DOCKBAR_TOP, DockBarOf(pSame, kBarB));

    // A frame without one of the bars keeps its own layout, unless the workspace forces it.
    CFrameWnd* pFewer = NewFrame({kBarA});
    m_pWorkspace->LoadState(NULL, pFewer);
    EXPECT_EQ((UINT)AFX_IDW_DOCKBAR_TOP, DockBarOf(pFewer, kBarA));
    m_pWorkspace->SetForceDockStateLoad(TRUE);
    m_pWorkspace->LoadState(NULL, pFewer);
    EXPECT_EQ((UINT)AFX_IDW_DOCKBAR_LEFT, DockBarOf(pFewer, kBarA));
}
