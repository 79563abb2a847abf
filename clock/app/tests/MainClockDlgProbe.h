// CMainClockDlgProbe: the unit tests' hold on the clock window's records, to set up a case and read
// what the window did with it.
#ifndef VELMORA_MAINCLOCKDLGPROBE_H
#define VELMORA_MAINCLOCKDLGPROBE_H

#include "Clock.h"
#include "MainClockDlg.h"

class CMainClockDlgProbe
{
public:
    explicit CMainClockDlgProbe(CMainClockDlg& dlg)
        : m_alarmEngine(dlg.m_alarmEngine), m_clocks(dlg.m_clocks), m_pDefClock(dlg.m_pDefClock),
          m_settings(dlg.m_settings), m_strProgramFolder(dlg.m_strProgramFolder),
          m_nMenuClock(dlg.m_nMenuClock), m_nLayout(dlg.m_nLayout)
    {
    }

    // The window without its clocks, for a case that adds its own.
    void DeleteClocks()
    {
        for (INT_PTR i = 0; i < m_clocks.GetSize(); i++)
            delete (CClock*)m_clocks.GetAt(i);
        m_clocks.RemoveAll();
    }

    CAlarmEngine& m_alarmEngine;
    CObArray& m_clocks;
    CClock*& m_pDefClock;
    CSettings& m_settings;
    CString& m_strProgramFolder;
    int& m_nMenuClock;
    int& m_nLayout;
};

#endif // VELMORA_MAINCLOCKDLGPROBE_H
