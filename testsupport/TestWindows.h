// What the tests with windows share: a frame that records what reaches it, an application object
// that records its message boxes and the commands routed to it, a hidden window to host a control,
// key presses with a modifier held, and the display's pointer held for one test.
#ifndef VELMORA_TESTWINDOWS_H
#define VELMORA_TESTWINDOWS_H

#include "afxwin.h"
#include "TestSupport.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

// A frame that records every message sent or posted to it and the commands that reach it.
// By default the frame is where every command ends: it records it and runs nothing. With
// m_bRouteCommands the frame's routing (its message map, reflection to controls) runs first and
// only the commands nothing handled are recorded; with m_recordOnly only the commands it names are.
// A test frame that answers the command UI derives from it with a message map of its own.
class CRecordingFrame : public CFrameWnd
{
public:
    struct Command
    {
        UINT nID;
        UINT nCode;
        LPARAM lParam; // the control that sent it; 0 for a menu or an accelerator
    };

    BOOL m_bRouteCommands = FALSE;
    // When set, only the commands it accepts are recorded; the others take the frame's way as if
    // the frame recorded nothing.
    std::function<bool(UINT nID)> m_recordOnly;
    std::vector<UINT> m_commands;                    // the recorded commands' ids, in order
    std::vector<Command> m_received;                 // the same with their codes and senders
    std::vector<std::pair<UINT, WPARAM>> m_messages; // every message with its wParam

    // How many recorded commands came with this id and notification code.
    int Count(UINT nID, UINT nCode) const;
    // The recorded commands that came from a menu or an accelerator.
    std::vector<UINT> MenuCommands() const;
    // The wParam of every message of one kind, in order.
    std::vector<WPARAM> ParamsOf(UINT message) const;
    // Registered messages (0xC000 to 0xFFFF) with their wParam, in order.
    std::vector<std::pair<UINT, WPARAM>> Registered() const;
    void ClearRecords();

protected:
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// An application object that shows no message box: it records each text and answers IDOK.
// Command handlers of a test's own application record themselves with Record().
class CRecordingTestApp : public CTestWinApp
{
public:
    explicit CRecordingTestApp(LPCTSTR pszAppName, LPCTSTR pszKey = _T("Velmora Tests"));
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);

    // Appends a handler's name to the route, when a test watches one.
    void Record(const char* pszName);

    std::vector<std::string> m_messages;                 // every message box text, in order
    std::function<void(const std::string&)> m_onMessage; // lets a test react to a box
    std::vector<std::string>* m_pRoute = NULL;           // command handlers record themselves here
};

// A hidden top-level window that hosts the control under test and reflects its notifications to
// it; it is destroyed with the object.
class CHiddenTestParent : public CWnd
{
public:
    BOOL CreateHidden(int cx = 400, int cy = 300);
    ~CHiddenTestParent();
};

// Sends a window a key press as if the modifier key (VK_SHIFT, VK_CONTROL, VK_MENU) were held down
// meanwhile in this thread's key state; with none, the key alone.
void SendKeyDown(HWND hWnd, UINT nKey, BYTE bModifier = 0);

// The display's pointer is one for every test program running beside this one: a test that puts
// it somewhere, or that holds the capture while messages are pumped, holds the pointer meanwhile.
class CPointerLock
{
public:
    CPointerLock();
    ~CPointerLock();
    CPointerLock(const CPointerLock&) = delete;
    CPointerLock& operator=(const CPointerLock&) = delete;

private:
    HANDLE m_hMutex;
};

#endif // VELMORA_TESTWINDOWS_H
