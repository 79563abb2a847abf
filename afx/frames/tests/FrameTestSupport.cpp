// The frame tests' application object and the windows they build frames from.
#include "FrameTestSupport.h"
#include "FrameTestIds.h"
#include "TestWindowing.h"

std::vector<std::string> g_route;

CFrameTestApp theFrameTestApp;

BEGIN_MESSAGE_MAP(CFrameTestApp, CRecordingTestApp)
ON_COMMAND(ID_CMD_APP, OnApp)
ON_COMMAND(ID_CMD_SHARED, OnApp)
ON_COMMAND(ID_CMD_FRAME_APP, OnApp)
END_MESSAGE_MAP()

CFrameTestApp::CFrameTestApp() : CRecordingTestApp(_T("FrameTests"))
{
    m_pRoute = &g_route;
}

BEGIN_MESSAGE_MAP(CTestView, CView)
ON_COMMAND(ID_CMD_VIEW, OnView)
ON_COMMAND(ID_CMD_SHARED, OnView)
ON_UPDATE_COMMAND_UI(ID_CMD_VIEW, OnUpdateView)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
ON_COMMAND(ID_CMD_FRAME, OnFrame)
ON_COMMAND(ID_CMD_SHARED, OnFrame)
ON_COMMAND(ID_CMD_FRAME_APP, OnFrame)
ON_COMMAND(ID_CMD_ACCEL, OnFrame)
ON_COMMAND(ID_CMD_DISABLED, OnFrame)
ON_COMMAND(IDC_BAR_BUTTON, OnFrame)
ON_UPDATE_COMMAND_UI(ID_CMD_DISABLED, OnUpdateDisabled)
END_MESSAGE_MAP()

CTestBar::CTestBar(int nThickness, int nLength)
    : m_nThickness(nThickness), m_nLength(nLength), m_nToolID(-1), m_pDeleted(NULL), m_nUpdates(0),
      m_pLastTarget(NULL)
{
}

CTestBar::~CTestBar()
{
    if (m_pDeleted != NULL)
        ++*m_pDeleted;
}

BOOL CTestBar::Create(CWnd* pParent, DWORD dwBarStyle, UINT nID)
{
    m_dwStyle = dwBarStyle;
    return CWnd::Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pParent, nID);
}

CSize CTestBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (bHorz)
        return CSize(bStretch ? 32767 : m_nLength, m_nThickness);
    return CSize(m_nThickness, bStretch ? 32767 : m_nLength);
}

void CTestBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    struct CRecordCmdUI : public CCmdUI
    {
        BOOL m_bOn;
        virtual void Enable(BOOL bOn)
        {
            m_bOn = bOn;
            m_bEnableChanged = TRUE;
        }
        virtual void SetCheck(int) {}
        virtual void SetText(LPCTSTR) {}
    };
    m_nUpdates++;
    m_pLastTarget = pTarget;
    for (size_t i = 0; i < m_commands.size(); i++)
    {
        CRecordCmdUI state;
        state.m_bOn = TRUE;
        state.m_nID = m_commands[i];
        state.m_pOther = this;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
        m_enabled[m_commands[i]] = state.m_bOn;
    }
}

int CTestBar::OnToolHitTest(CPoint point, TOOLINFO*) const
{
    CRect rect;
    GetClientRect(&rect);
    return m_nToolID != -1 && point.x < rect.Width() / 2 ? m_nToolID : -1;
}

CRect ChildRect(CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    ::MapWindowPoints(NULL, ::GetParent(pWnd->m_hWnd), (LPPOINT)&rect, 2);
    return rect;
}

namespace
{
const ::testing::Environment* const windowing = ::testing::AddGlobalTestEnvironment(new CTestWindowing);
} // namespace
