// The frame tests' application, frame, view and bar: each command handler records who ran it.
#ifndef VELMORA_FRAMETESTSUPPORT_H
#define VELMORA_FRAMETESTSUPPORT_H

#include "afxext.h"
#include "afxpriv.h"
#include "TestWindows.h"
#include <map>
#include <string>
#include <vector>

// Every handler appends its owner's name here ("view", "frame", "app").
extern std::vector<std::string> g_route;

class CFrameTestApp : public CRecordingTestApp
{
public:
    CFrameTestApp();
    afx_msg void OnApp() { Record("app"); }
    DECLARE_MESSAGE_MAP()
};

extern CFrameTestApp theFrameTestApp;

class CTestView : public CView
{
public:
    virtual void OnDraw(CDC*) {}
    afx_msg void OnView() { g_route.push_back("view"); }
    afx_msg void OnUpdateView(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
    DECLARE_MESSAGE_MAP()
};

class CTestFrame : public CFrameWnd
{
public:
    afx_msg void OnFrame() { g_route.push_back("frame"); }
    afx_msg void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};

// A bar of a given thickness across its edge (and length when not stretched). Its idle
// updates ask the target about m_commands and keep the answers; m_pDeleted counts deletions.
class CTestBar : public CControlBar
{
public:
    CTestBar(int nThickness, int nLength = 100);
    virtual ~CTestBar();
    BOOL Create(CWnd* pParent, DWORD dwBarStyle, UINT nID);

    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    // The left half of the bar is the tool of m_nToolID.
    virtual int OnToolHitTest(CPoint point, TOOLINFO* pTI) const;

    int m_nThickness;
    int m_nLength;
    int m_nToolID;
    int* m_pDeleted;
    int m_nUpdates;
    CFrameWnd* m_pLastTarget;
    std::vector<UINT> m_commands;
    std::map<UINT, BOOL> m_enabled; // the last idle update's answer per command
};

// The window's rectangle in its parent's client co-ordinates.
CRect ChildRect(CWnd* pWnd);

#endif // VELMORA_FRAMETESTSUPPORT_H
