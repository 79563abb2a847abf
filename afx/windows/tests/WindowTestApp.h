// The application object of the window tests: it records every message box instead of showing
// one, and takes part in command routing.
#ifndef VELMORA_WINDOWTESTAPP_H
#define VELMORA_WINDOWTESTAPP_H

#include "afxwin.h"
#include "TestSupport.h"
#include <functional>
#include <string>
#include <vector>

class CTestApp : public CWinApp
{
public:
    CTestApp();
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);

    std::vector<std::string> m_messages;                 // every message box text, in order
    std::function<void(const std::string&)> m_onMessage; // lets a test react to a box
    std::vector<std::string>* m_pRoute;                  // command handlers record themselves here

    afx_msg void OnAppCmd();
    afx_msg void OnSharedCmd();
    afx_msg void OnUpdateDisabledCmd(CCmdUI* pCmdUI);
    afx_msg void OnDisabledCmd();
    DECLARE_MESSAGE_MAP()
};

extern CTestApp theTestApp;

#endif // VELMORA_WINDOWTESTAPP_H
