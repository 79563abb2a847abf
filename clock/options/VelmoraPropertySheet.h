// VelmoraPropertySheet.h: CVelmoraPropertySheet, the options sheet. It owns its pages, opens at the
// work area's top-left corner above other windows on the page it is given, and remembers the page
// that was active when it closed.
#ifndef VELMORA_VELMORAPROPERTYSHEET_H
#define VELMORA_VELMORAPROPERTYSHEET_H

#include <afxwin.h>
#include <afxdlgs.h>

#include "AgentOptions.h"
#include "DiaryOptions.h"
#include "OptionsPage.h"
#include "SpeakingClockOptions.h"
#include "SyncOptions.h"

class CSettings;

class CVelmoraPropertySheet : public CPropertySheet
{
    DECLARE_DYNAMIC(CVelmoraPropertySheet)

    // Construction
public:
    // bAgentMissing leaves out the pages that need the Agent server.
    CVelmoraPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, int nFirstPage, BOOL bAgentMissing);

    // Attributes: the pages, in the order the sheet owns them. A page joins with its member here
    // and one AddPage line in AddPages.
public:
    COptionsPage m_clockPage;
    CSpeakingClockOptions m_speechPage;
    CAgentOptions m_agentPage;
    CDiaryOptions m_diaryPage;
    CSyncOptions m_syncPage;

    int m_nFirstPage;  // index of the page shown first, clamped to the pages present
    int m_nLastActive; // index of the page active when OK or Cancel closed the sheet
    BOOL m_bAgentMissing;

    // Operations
public:
    // Every page's values from the settings record, and back after OK; the pages that need the
    // Agent server change nothing without it.
    void LoadFrom(const CSettings& settings);
    void SaveTo(CSettings& settings) const;
    // Where the sheet opens: the top-left corner of the work area, below the notification icons'
    // window when that sits in the corner.
    static CPoint GetCornerPosition();

    // Implementation
protected:
    void AddPages();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL CheckAutoCenter();
    afx_msg LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_VELMORAPROPERTYSHEET_H
