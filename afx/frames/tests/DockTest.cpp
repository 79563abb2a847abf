// Docking in a real frame: rows of a dock bar and their layout, floating and docking back, and
// the dock state through the profile and an archive, damaged values included.
#include "FrameTestSupport.h"
#include "FrameTestIds.h"
#include <gtest/gtest.h>
#include <algorithm>

namespace
{

const UINT kBarA = AFX_IDW_CONTROLBAR_FIRST + 0x50;
const UINT kBarB = AFX_IDW_CONTROLBAR_FIRST + 0x51;
const UINT kBarC = AFX_IDW_CONTROLBAR_FIRST + 0x52;
// Each test program runs alone but the tests of one program run side by side: one profile each.
const TCHAR kProfile[] = _T("DockTest");

// The profile in the registry: test programs running side by side would rewrite each other's
// sections of one private profile file.
void UseRegistryProfile()
{
    if (theFrameTestApp.m_pszRegistryKey == NULL)
        theFrameTestApp.SetRegistryKey(_T("Velmora Tests"));
}

void* Holder(UINT nID)
{
    return (void*)(UINT_PTR)nID;
}

CRect ScreenRect(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    return rect;
}

class Docking : public ::testing::Test
{
protected:
    Docking() : m_barA(24), m_barB(30), m_barC(20, 80) {}

    void SetUp() override
    {
        UseRegistryProfile();
        m_pFrame = new CTestFrame;
        ASSERT_TRUE(m_pFrame->Create(NULL, _T("Docking"), WS_OVERLAPPEDWINDOW, CRect(20, 20, 420, 320)));
        m_hFrame = m_pFrame->m_hWnd;
        m_pView = new CTestView;
        ASSERT_TRUE(m_pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), m_pFrame,
                                    AFX_IDW_PANE_FIRST));
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        CTestBar* bars[] = {&m_barA, &m_barB, &m_barC};
        const UINT ids[] = {kBarA, kBarB, kBarC};
        for (int i = 0; i < 3; i++)
        {
            ASSERT_TRUE(bars[i]->Create(m_pFrame, CBRS_TOP, ids[i]));
            bars[i]->EnableDocking(CBRS_ALIGN_ANY);
        }
        m_pTop = m_pFrame->GetDockBarOfSide(CBRS_ALIGN_TOP);
        m_pLeft = m_pFrame->GetDockBarOfSide(CBRS_ALIGN_LEFT);
        ASSERT_TRUE(m_pTop != NULL && m_pLeft != NULL);
    }

    void TearDown() override
    {
        if (::IsWindow(m_hFrame))
            m_pFrame->DestroyWindow();
    }

    int ClientWidth() const
    {
        CRect rect;
        ::GetClientRect(m_hFrame, &rect);
        return rect.Width();
    }

    // The rows of a dock bar as ids: 0 ends a row, place holders show as their ids + 0x10000.
    static std::vector<UINT> Rows(CDockBar* pDockBar)
    {
        std::vector<UINT> rows;
        for (int i = 1; i < pDockBar->m_arrBars.GetSize(); i++)
        {
            void* p = pDockBar->m_arrBars[i];
            if (p == NULL)
                rows.push_back(0);
            else if (HIWORD((DWORD)(UINT_PTR)p) == 0)
                rows.push_back(0x10000 + (UINT)(UINT_PTR)p);
            else
                rows.push_back((UINT)((CControlBar*)p)->GetDlgCtrlID());
        }
        return rows;
    }

    CTestFrame* m_pFrame;
    HWND m_hFrame;
    CTestView* m_pView;
    CTestBar m_barA; // 24 thick, 100 long
    CTestBar m_barB; // 30 thick
    CTestBar m_barC; // 20 thick, 80 long
    CDockBar* m_pTop;
    CDockBar* m_pLeft;
};

TEST_F(Docking, BarsDockedWithoutAPlaceEachStartANewRow)
{
    m_pFrame->DockControlBar(&m_barA);
    m_pFrame->DockControlBar(&m_barB);
    m_pFrame->RecalcLayout();

    EXPECT_EQ(NULL, m_pTop->m_arrBars[0]);
    EXPECT_EQ((std::vector<UINT>{kBarA, 0, kBarB, 0}), Rows(m_pTop));
    EXPECT_EQ(2, m_pTop->GetDockedCount());
    EXPECT_EQ(m_pTop, m_barA.m_pDockBar);
    EXPECT_EQ(m_pTop, m_barA.GetParent());
    EXPECT_FALSE(m_barA.IsFloating());
    EXPECT_EQ(CRect(0, 0, 100, 24), ChildRect(&m_barA));
    EXPECT_EQ(CRect(0, 24, 100, 54), ChildRect(&m_barB));
    // The dock bar takes the frame's width and both rows; the view what is left.
    EXPECT_EQ(CRect(0, 0, ClientWidth(), 54), ChildRect(m_pTop));
    // The bar that was not docked keeps its own strip below the dock bar.
    EXPECT_EQ(CRect(0, 54, ClientWidth(), 74), ChildRect(&m_barC));
    EXPECT_EQ(74, ChildRect(m_pView).top);
}

TEST_F(Docking, ABarDroppedOnARowJoinsItWhereItWasDropped)
{
    m_pFrame->DockControlBar(&m_barA);
    m_pFrame->DockControlBar(&m_barB);
    m_pFrame->RecalcLayout();
    const CRect top = ScreenRect(m_pTop);

    // Right of A in the first row, then before A: the row keeps the order of the places.
    m_pFrame->DockControlBar(&m_barC, m_pTop,
                             CRect(top.left + 150, top.top + 2, top.left + 230, top.top + 22));
    m_pFrame->RecalcLayout();
    EXPECT_EQ((std::vector<UINT>{kBarA, kBarC, 0, kBarB, 0}), Rows(m_pTop));
    EXPECT_EQ(CRect(150, 0, 230, 20), ChildRect(&m_barC));

    m_pFrame->DockControlBar(&m_barC, m_pTop, CRect(top.left - 40, top.top + 2, top.left + 40, top.top + 22));
    m_pFrame->RecalcLayout();
    EXPECT_EQ((std::vector<UINT>{kBarC, kBarA, 0, kBarB, 0}), Rows(m_pTop));
    // A bar never overlaps the one before it.
    EXPECT_EQ(CRect(0, 0, 80, 20), ChildRect(&m_barC));
    EXPECT_EQ(CRect(80, 0, 180, 24), ChildRect(&m_barA));

    // Above every row: a first row of its own.
    m_pFrame->DockControlBar(&m_barB, m_pTop, CRect(top.left, top.top - 40, top.left + 100, top.top - 10));
    m_pFrame->RecalcLayout();
    EXPECT_EQ((std::vector<UINT>{kBarB, 0, kBarC, kBarA, 0}), Rows(m_pTop));
}

TEST_F(Docking, ARowLongerThanTheFramePushesItsBarsBack)
{
    m_pFrame->DockControlBar(&m_barA);
    m_pFrame->RecalcLayout();
    const CRect top = ScreenRect(m_pTop);
    const int W = ClientWidth();
    m_pFrame->DockControlBar(&m_barC, m_pTop,
                             CRect(top.left + W - 20, top.top, top.left + W + 60, top.top + 20));
    m_pFrame->RecalcLayout();
    EXPECT_EQ((std::vector<UINT>{kBarA, kBarC, 0}), Rows(m_pTop));
    EXPECT_EQ(CRect(W - 80, 0, W, 20), ChildRect(&m_barC));
    EXPECT_EQ(CRect(0, 0, 100, 24), ChildRect(&m_barA));
}

TEST_F(Docking, RemovingTheLastBarOfARowRemovesTheRow)
{
    m_pFrame->DockControlBar(&m_barA);
    m_pFrame->DockControlBar(&m_barB);
    m_pFrame->DockControlBar(&m_barC);
    EXPECT_TRUE(m_pTop->RemoveControlBar(&m_barB));
    EXPECT_EQ((std::vector<UINT>{kBarA, 0, kBarC, 0}), Rows(m_pTop));
    EXPECT_FALSE(m_pTop->RemoveControlBar(&m_barB));
    EXPECT_EQ(NULL, (void*)m_barB.m_pDockBar);
}

TEST_F(Docking, ABarDockedOnASideStandsUp)
{
    m_pFrame->DockControlBar(&m_barA, AFX_IDW_DOCKBAR_LEFT);
    m_pFrame->RecalcLayout();
    EXPECT_EQ(m_pLeft, m_barA.m_pDockBar);
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, m_barA.GetBarStyle() & CBRS_ALIGN_ANY);
    EXPECT_EQ(CRect(0, 0, 24, 100), ChildRect(&m_barA));
    EXPECT_EQ(24, ChildRect(m_pView).left);
    // Over the left edge the side's dock bar answers, an empty one too; in the middle none does.
    CRect rect = ScreenRect(&m_barA);
    rect.top += 20; // clear of the empty top dock bar, which is asked first
    CDockBar* pFound = NULL;
    EXPECT_EQ((DWORD)CBRS_ALIGN_LEFT, m_pFrame->CanDock(rect, CBRS_ALIGN_ANY, &pFound));
    EXPECT_EQ(m_pLeft, pFound);
    CRect rectRight = ScreenRect(m_pFrame->GetDockBarOfSide(CBRS_ALIGN_RIGHT));
    EXPECT_EQ((DWORD)CBRS_ALIGN_RIGHT, m_pFrame->CanDock(CRect(rectRight.left - 5, rectRight.top + 10,
                                                               rectRight.left + 5, rectRight.top + 60),
                                                         CBRS_ALIGN_ANY));
    CRect rectView = ScreenRect(m_pView);
    rectView.DeflateRect(40, 40);
    EXPECT_EQ(0u, m_pFrame->CanDock(rectView, CBRS_ALIGN_ANY));
    // A side the bar does not allow is not offered.
    EXPECT_EQ(0u, m_pFrame->CanDock(rect, CBRS_ALIGN_TOP | CBRS_ALIGN_RIGHT));
}

TEST_F(Docking, FloatingAndDockingBackKeepsTheBarsPlace)
{
    m_pFrame->DockControlBar(&m_barA);
    m_pFrame->DockControlBar(&m_barB);
    m_pFrame->RecalcLayout();

    m_pFrame->FloatControlBar(&m_barA, CPoint(500, 400));
    ASSERT_TRUE(m_barA.IsFloating());
    CMiniDockFrameWnd* pFloat = DYNAMIC_DOWNCAST(CMiniDockFrameWnd, m_barA.GetParentFrame());
    ASSERT_TRUE(pFloat != NULL);
    HWND hFloat = pFloat->m_hWnd;
    EXPECT_EQ(&pFloat->m_wndDockBar, m_barA.m_pDockBar);
    EXPECT_TRUE(pFloat->m_wndDockBar.m_bFloating);
    EXPECT_EQ(m_pFrame->m_hWnd, ::GetWindow(hFloat, GW_OWNER));
    EXPECT_EQ(CPoint(500, 400), ScreenRect(pFloat).TopLeft());
    // The floating frame is its bar and its borders (no narrower than the system lets a
    // captioned window be).
    CRect client;
    pFloat->GetClientRect(&client);
    EXPECT_EQ(24, client.Height());
    EXPECT_GE(client.Width(), 100);
    EXPECT_LE(client.Width(), std::max(100, ::GetSystemMetrics(SM_CXMIN)));
    EXPECT_EQ(CSize(100, 24), ScreenRect(&m_barA).Size());
    // The bar's row keeps a place holder; the other bar moves up.
    EXPECT_EQ((std::vector<UINT>{0x10000 + kBarA, 0, kBarB, 0}), Rows(m_pTop));
    EXPECT_EQ(1, m_pTop->GetDockedCount());
    EXPECT_EQ(CRect(0, 0, 100, 30), ChildRect(&m_barB));

    // Back in its old place; the empty floating frame goes.
    m_barA.m_pDockContext->ToggleDocking();
    EXPECT_FALSE(m_barA.IsFloating());
    EXPECT_EQ((std::vector<UINT>{kBarA, 0, kBarB, 0}), Rows(m_pTop));
    EXPECT_FALSE(::IsWindow(hFloat));
    m_pFrame->RecalcLayout();
    EXPECT_EQ(CRect(0, 0, 100, 24), ChildRect(&m_barA));

    // And out again to where it floated last.
    m_barA.m_pDockContext->ToggleDocking();
    ASSERT_TRUE(m_barA.IsFloating());
    EXPECT_EQ(CPoint(500, 400), ScreenRect(m_barA.GetParentFrame()).TopLeft());
}

TEST_F(Docking, TheDockStateRoundTripsThroughTheProfile)
{
    m_pFrame->DockControlBar(&m_barA);
    m_pFrame->DockControlBar(&m_barB, AFX_IDW_DOCKBAR_LEFT);
    m_pFrame->DockControlBar(&m_barC);
    m_pFrame->RecalcLayout();
    const CRect top = ScreenRect(m_pTop);
    m_pFrame->DockControlBar(&m_barC, m_pTop, CRect(top.left + 160, top.top, top.left + 240, top.top + 20));
    m_pFrame->FloatControlBar(&m_barB, CPoint(450, 380), CBRS_ALIGN_LEFT);
    m_pFrame->ShowControlBar(&m_barC, FALSE, FALSE);
    m_pFrame->RecalcLayout();
    const std::vector<UINT> rowsTop = Rows(m_pTop), rowsLeft = Rows(m_pLeft);
    const CRect rectA = ScreenRect(&m_barA), rectB = ScreenRect(&m_barB);
    const CRect rectFloat = ScreenRect(m_barB.GetParentFrame());
    EXPECT_EQ(CSize(30, 100), rectB.Size()); // floated standing up

    m_pFrame->SaveBarState(kProfile);

    // Everything somewhere else.
    m_pFrame->DockControlBar(&m_barB, AFX_IDW_DOCKBAR_BOTTOM);
    m_pFrame->DockControlBar(&m_barA, AFX_IDW_DOCKBAR_RIGHT);
    m_pFrame->ShowControlBar(&m_barC, TRUE, FALSE);
    m_pFrame->RecalcLayout();

    m_pFrame->LoadBarState(kProfile);
    EXPECT_EQ(rowsTop, Rows(m_pTop));
    EXPECT_EQ(rowsLeft, Rows(m_pLeft));
    EXPECT_EQ(0, m_pFrame->GetDockBarOfSide(CBRS_ALIGN_RIGHT)->GetDockedCount());
    EXPECT_EQ(0, m_pFrame->GetDockBarOfSide(CBRS_ALIGN_BOTTOM)->GetDockedCount());
    EXPECT_EQ(rectA, ScreenRect(&m_barA));
    ASSERT_TRUE(m_barB.IsFloating());
    EXPECT_EQ(rectB, ScreenRect(&m_barB));
    EXPECT_EQ(rectFloat, ScreenRect(m_barB.GetParentFrame()));
    EXPECT_FALSE(m_barC.IsVisible());
    EXPECT_EQ(m_pTop, m_barC.m_pDockBar);

    // The same state through an archive.
    CDockState state;
    m_pFrame->GetDockState(state);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        state.Serialize(ar);
    }
    file.SeekToBegin();
    CDockState loaded;
    {
        CArchive ar(&file, CArchive::load);
        loaded.Serialize(ar);
    }
    ASSERT_EQ(state.m_arrBarInfo.GetSize(), loaded.m_arrBarInfo.GetSize());
    for (int i = 0; i < state.m_arrBarInfo.GetSize(); i++)
    {
        CControlBarInfo* p = (CControlBarInfo*)state.m_arrBarInfo[i];
        CControlBarInfo* q = (CControlBarInfo*)loaded.m_arrBarInfo[i];
        SCOPED_TRACE(p->m_nBarID);
        EXPECT_EQ(p->m_nBarID, q->m_nBarID);
        EXPECT_EQ(p->m_bVisible, q->m_bVisible);
        EXPECT_EQ(p->m_bFloating, q->m_bFloating);
        EXPECT_EQ(p->m_bHorz, q->m_bHorz);
        EXPECT_EQ(p->m_pointPos, q->m_pointPos);
        EXPECT_EQ(p->m_arrBarID.GetSize(), q->m_arrBarID.GetSize());
    }
}

// Values a person or another program may have left in the profile.
class DamagedState : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UseRegistryProfile();
        m_strProfile = _T("DockTest-");
        m_strProfile += ::testing::UnitTest::GetInstance()->current_test_info()->name();
    }
    void Write(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
    {
        CString strSection;
        strSection.Format(_T("%s-%s"), (LPCTSTR)m_strProfile, lpszSection);
        AfxGetApp()->WriteProfileInt(strSection, lpszEntry, nValue);
    }
    // One floating bar record with sound values; each case then damages one.
    void WriteSound(int nBars = 1)
    {
        Write(_T("Summary"), _T("Bars"), nBars);
        Write(_T("Summary"), _T("ScreenCX"), ::GetSystemMetrics(SM_CXSCREEN));
        Write(_T("Summary"), _T("ScreenCY"), ::GetSystemMetrics(SM_CYSCREEN));
        Write(_T("Bar0"), _T("BarID"), kBarA);
        Write(_T("Bar0"), _T("Floating"), 1);
        Write(_T("Bar0"), _T("XPos"), 100);
        Write(_T("Bar0"), _T("YPos"), 120);
        Write(_T("Bar0"), _T("MRUWidth"), 200);
        Write(_T("Bar0"), _T("Docking"), 1);
        Write(_T("Bar0"), _T("MRUDockID"), AFX_IDW_DOCKBAR_TOP);
        Write(_T("Bar0"), _T("MRUFloatXPos"), 10);
        Write(_T("Bar0"), _T("MRUFloatYPos"), 10);
        Write(_T("Bar0"), _T("Bars"), 0);
    }
    CControlBarInfo* Loaded(CDockState& state)
    {
        state.LoadState((LPCTSTR)m_strProfile);
        return state.m_arrBarInfo.GetSize() == 1 ? (CControlBarInfo*)state.m_arrBarInfo[0] : NULL;
    }
    CString m_strProfile;
};

TEST_F(DamagedState, CountsOutOfRangeLoadNothing)
{
    for (int nBars : {0, -1, 100000})
    {
        SCOPED_TRACE(nBars);
        WriteSound(nBars);
        CDockState state;
        state.LoadState((LPCTSTR)m_strProfile);
        EXPECT_EQ(0, state.m_arrBarInfo.GetSize());
    }
    // A bar record that claims more row entries than any frame has is refused, and one without a
    // bar id too; the sound record before them still loads.
    WriteSound(1);
    Write(_T("Bar0"), _T("Bars"), 1 << 20);
    CDockState state;
    EXPECT_EQ(NULL, Loaded(state));
    WriteSound(1);
    Write(_T("Bar0"), _T("BarID"), 0);
    EXPECT_EQ(NULL, Loaded(state));
    Write(_T("Bar0"), _T("BarID"), 0x12345);
    EXPECT_EQ(NULL, Loaded(state));
    WriteSound(1);
    EXPECT_TRUE(Loaded(state) != NULL);
}

TEST_F(DamagedState, PositionsAndSizesAreKeptOnTheScreen)
{
    const int cxVirtual = ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int xVirtual = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int yVirtual = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int cyVirtual = ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    WriteSound();
    Write(_T("Bar0"), _T("XPos"), 1000000);
    Write(_T("Bar0"), _T("YPos"), -1000000);
    Write(_T("Bar0"), _T("MRUWidth"), 0x7FFFFFF0);
    Write(_T("Bar0"), _T("MRUDockID"), 0x1234);
    Write(_T("Bar0"), _T("MRUDockLeftPos"), -50);
    Write(_T("Bar0"), _T("MRUDockRightPos"), 900000);
    Write(_T("Bar0"), _T("MRUFloatXPos"), -900000);
    Write(_T("Bar0"), _T("MRUFloatYPos"), 900000);
    CDockState state;
    CControlBarInfo* pInfo = Loaded(state);
    ASSERT_TRUE(pInfo != NULL);
    EXPECT_LT(pInfo->m_pointPos.x, xVirtual + cxVirtual);
    EXPECT_GE(pInfo->m_pointPos.x, xVirtual);
    EXPECT_EQ(yVirtual, pInfo->m_pointPos.y);
    EXPECT_LE(pInfo->m_nMRUWidth, (UINT)cxVirtual);
    EXPECT_EQ(0u, pInfo->m_uMRUDockID);
    EXPECT_EQ(0, pInfo->m_rectMRUDockPos.left);
    EXPECT_LE(pInfo->m_rectMRUDockPos.right, cxVirtual);
    EXPECT_EQ(xVirtual, pInfo->m_ptMRUFloatPos.x);
    EXPECT_LT(pInfo->m_ptMRUFloatPos.y, yVirtual + cyVirtual);
}

TEST_F(DamagedState, ARowEntryThatIsNoBarRefusesItsWholeRecordOnly)
{
    // Bar1 is the top dock bar's rows; the floating bar's record in Bar0 is sound.
    WriteSound(2);
    Write(_T("Bar1"), _T("BarID"), AFX_IDW_DOCKBAR_TOP);
    Write(_T("Bar1"), _T("Bars"), 3);
    Write(_T("Bar1"), _T("Bar#0"), kBarB);
    Write(_T("Bar1"), _T("Bar#1"), 0);
    Write(_T("Bar1"), _T("Bar#2"), kBarC);
    CDockState state;
    state.LoadState((LPCTSTR)m_strProfile);
    ASSERT_EQ(2, state.m_arrBarInfo.GetSize());
    const CPtrArray& arrRows = ((CControlBarInfo*)state.m_arrBarInfo[1])->m_arrBarID;
    ASSERT_EQ(3, arrRows.GetSize());
    EXPECT_EQ(Holder(kBarB), arrRows[0]);
    EXPECT_EQ(NULL, arrRows[1]);

    for (int nDamaged : {0x7FFF0000, -1, 0x10000})
    {
        SCOPED_TRACE(nDamaged);
        Write(_T("Bar1"), _T("Bar#1"), nDamaged);
        state.LoadState((LPCTSTR)m_strProfile);
        ASSERT_EQ(1, state.m_arrBarInfo.GetSize());
        EXPECT_EQ((UINT)kBarA, ((CControlBarInfo*)state.m_arrBarInfo[0])->m_nBarID);
    }
}

void StoreTwoRecords(CMemFile& file, DWORD dwSecondRowEntry)
{
    CArchive ar(&file, CArchive::store);
    ar << (DWORD)2 << (LONG)800 << (LONG)600 << (DWORD)2;
    ar << (DWORD)kBarA << (DWORD)1 << (DWORD)0 << (DWORD)1 << (LONG)10 << (LONG)0 << (DWORD)32767 << (DWORD)0
       << (DWORD)0;
    ar << (DWORD)AFX_IDW_DOCKBAR_TOP << (DWORD)1 << (DWORD)0 << (DWORD)1 << (LONG)0 << (LONG)0 << (DWORD)32767
       << (DWORD)0 << (DWORD)3 << (DWORD)kBarA << dwSecondRowEntry << (DWORD)0;
}

BOOL LoadThrows(CMemFile& file, CDockState& state)
{
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    try
    {
        state.Serialize(ar);
    }
    catch (CArchiveException* e)
    {
        e->Delete();
        return TRUE;
    }
    return FALSE;
}

TEST(DockStateArchive, ARowEntryThatIsNoBarRefusesTheState)
{
    CMemFile fileSound;
    StoreTwoRecords(fileSound, 0);
    CDockState state;
    EXPECT_FALSE(LoadThrows(fileSound, state));
    ASSERT_EQ(2, state.m_arrBarInfo.GetSize());
    EXPECT_EQ(3, ((CControlBarInfo*)state.m_arrBarInfo[1])->m_arrBarID.GetSize());

    // Nothing of it is kept, not even the sound record read before the damaged one.
    CMemFile fileDamaged;
    StoreTwoRecords(fileDamaged, 0x00120000);
    EXPECT_TRUE(LoadThrows(fileDamaged, state));
    EXPECT_EQ(0, state.m_arrBarInfo.GetSize());
}

TEST(DockStateArchive, ADamagedCountIsRefused)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << (DWORD)2 << (LONG)800 << (LONG)600 << (DWORD)0x7FFFFFFF;
    }
    file.SeekToBegin();
    CDockState state;
    CArchive ar(&file, CArchive::load);
    BOOL bThrown = FALSE;
    try
    {
        state.Serialize(ar);
    }
    catch (CArchiveException* e)
    {
        bThrown = TRUE;
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
    EXPECT_EQ(0, state.m_arrBarInfo.GetSize());
}

} // namespace
