// COpenDialogs: the dialog each of the clock window's commands has open, so that the command, asked
// again (from the tray menu, while the window itself is disabled), brings that dialog to the front
// instead of opening a second one over it.
#ifndef VELMORA_OPENDIALOGS_H
#define VELMORA_OPENDIALOGS_H

#include <afxwin.h>

class COpenDialogs
{
public:
    enum Kind
    {
        kindOptions,
        kindCalendar,
        kindAlarmList,
        kindReminder,
        kindAbout,
        kindCount
    };

    COpenDialogs()
    {
        for (int i = 0; i < kindCount; i++)
            m_apDialogs[i] = NULL;
    }

    // TRUE when a dialog of the kind is open: it comes to the front, or the dialog it has open in
    // turn (the alarm list's sheet, a message box) does.
    BOOL Activate(Kind kind) const
    {
        CWnd* pDialog = m_apDialogs[kind];
        if (pDialog == NULL)
            return FALSE;
        HWND hWnd = pDialog->GetSafeHwnd();
        if (hWnd != NULL)
        {
            HWND hPopup = ::GetLastActivePopup(hWnd);
            if (hPopup == NULL || !::IsWindowVisible(hPopup))
                hPopup = hWnd;
            if (::IsIconic(hPopup))
                ::ShowWindow(hPopup, SW_RESTORE);
            ::SetForegroundWindow(hPopup);
        }
        return TRUE;
    }

    // Registers a dialog of its kind while the scope runs (its modal loop).
    class CScope
    {
    public:
        CScope(COpenDialogs& dialogs, Kind kind, CWnd* pDialog) : m_dialogs(dialogs), m_kind(kind)
        {
            m_dialogs.m_apDialogs[kind] = pDialog;
        }
        ~CScope() { m_dialogs.m_apDialogs[m_kind] = NULL; }
        CScope(const CScope&) = delete;
        CScope& operator=(const CScope&) = delete;

    private:
        COpenDialogs& m_dialogs;
        Kind m_kind;
    };

private:
    CWnd* m_apDialogs[kindCount];
};

#endif // VELMORA_OPENDIALOGS_H
