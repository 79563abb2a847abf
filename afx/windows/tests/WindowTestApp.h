// The application object of the window tests: it records every message box instead of showing
// one, and takes part in command routing with handlers of its own.
#ifndef VELMORA_WINDOWTESTAPP_H
#define VELMORA_WINDOWTESTAPP_H

#include "afxwin.h"
#include "TestWindows.h"

class CTestApp : public CRecordingTestApp
{
public:
    CTestApp();

    afx_msg void OnAppCmd();
    afx_msg void OnSharedCmd();
    afx_msg void OnUpdateDisabledCmd(CCmdUI* pCmdUI);
    afx_msg void OnDisabledCmd();
    DECLARE_MESSAGE_MAP()
};

extern CTestApp theTestApp;

#endif // VELMORA_WINDOWTESTAPP_H
