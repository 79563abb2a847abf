// The recording frame and application object of the tests with windows, the hidden parent window
// and the pointer's lock.
#include "TestWindows.h"

BEGIN_MESSAGE_MAP(CRecordingFrame, CFrameWnd)
END_MESSAGE_MAP()

int CRecordingFrame::Count(UINT nID, UINT nCode) const
{
    int n = 0;
    for (const Command& c : m_received)
        if (c.nID == nID && c.nCode == nCode)
            n++;
    return n;
}

std::vector<UINT> CRecordingFrame::MenuCommands() const
{
    std::vector<UINT> ids;
    for (const Command& c : m_received)
        if (c.lParam == 0)
            ids.push_back(c.nID);
    return ids;
}

std::vector<WPARAM> CRecordingFrame::ParamsOf(UINT message) const
{
    std::vector<WPARAM> params;
    for (const auto& m : m_messages)
        if (m.first == message)
            params.push_back(m.second);
    return params;
}

std::vector<std::pair<UINT, WPARAM>> CRecordingFrame::Registered() const
{
    std::vector<std::pair<UINT, WPARAM>> registered;
    for (const auto& m : m_messages)
        if (m.first >= 0xC000 && m.first <= 0xFFFF)
            registered.push_back(m);
    return registered;
}

void CRecordingFrame::ClearRecords()
{
    m_commands.clear();
    m_received.clear();
    m_messages.clear();
}

BOOL CRecordingFrame::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_recordOnly && !m_recordOnly(LOWORD(wParam)))
        return CFrameWnd::OnCommand(wParam, lParam);
    if (m_bRouteCommands && CFrameWnd::OnCommand(wParam, lParam))
        return TRUE;
    m_commands.push_back(LOWORD(wParam));
    m_received.push_back({LOWORD(wParam), HIWORD(wParam), lParam});
    return TRUE;
}

LRESULT CRecordingFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    m_messages.push_back(std::make_pair(message, wParam));
    return CFrameWnd::WindowProc(message, wParam, lParam);
}

CRecordingTestApp::CRecordingTestApp(LPCTSTR pszAppName, LPCTSTR pszKey) : CTestWinApp(pszAppName, pszKey) {}

int CRecordingTestApp::DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT)
{
    m_messages.push_back(lpszPrompt);
    if (m_onMessage)
        m_onMessage(lpszPrompt);
    return IDOK;
}

void CRecordingTestApp::Record(const char* pszName)
{
    if (m_pRoute != NULL)
        m_pRoute->push_back(pszName);
}

BOOL CHiddenTestParent::CreateHidden(int cx, int cy)
{
    return CreateEx(0, AfxRegisterWndClass(0), _T("Test parent"), WS_POPUP | WS_CLIPCHILDREN, 0, 0, cx, cy,
                    NULL, NULL);
}

CHiddenTestParent::~CHiddenTestParent()
{
    if (GetSafeHwnd() != NULL)
        DestroyWindow();
}

void SendKeyDown(HWND hWnd, UINT nKey, BYTE bModifier)
{
    BYTE keys[256];
    ::GetKeyboardState(keys);
    if (bModifier != 0)
        keys[bModifier] = 0x80;
    ::SetKeyboardState(keys);
    ::SendMessage(hWnd, WM_KEYDOWN, nKey, 1);
    if (bModifier != 0)
    {
        keys[bModifier] = 0;
        ::SetKeyboardState(keys);
    }
}

CPointerLock::CPointerLock() : m_hMutex(::CreateMutex(NULL, FALSE, _T("VelmoraTestsPointer")))
{
    if (m_hMutex != NULL)
        ::WaitForSingleObject(m_hMutex, 60000);
}

CPointerLock::~CPointerLock()
{
    if (m_hMutex != NULL)
    {
        ::ReleaseMutex(m_hMutex);
        ::CloseHandle(m_hMutex);
    }
}
