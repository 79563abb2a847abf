// CTorvaneDlg: the editor's main window, the list of named zones of the data file with a clock
// and the daylight-saving rules of the selected zone.
#ifndef VELMORA_TZEDITOR_TORVANEDLG_H
#define VELMORA_TZEDITOR_TORVANEDLG_H

#include <afxwin.h>
#include <afxdisp.h>

#include "TimeZoneInfo.h"
#include "ZoneFile.h"

class CTorvaneApp;

class CTorvaneDlg : public CDialog
{
public:
    CTorvaneDlg(CWnd* pParent = NULL);
    virtual ~CTorvaneDlg();

    // The zone list and its file
    BOOL LoadZones();
    BOOL ReadZones();
    // bClosing: the save was asked for on the way to closing the window.
    BOOL SaveZones(BOOL bClosing = FALSE);
    CTimeZoneInfo* AddZone();
    int GetZoneCount() const { return (int)m_zones.GetSize(); }
    int FindZone(LPCTSTR lpszName) const;
    void RefillList();
    // bNew: the zone was just added for this edit, so its name is not yet its own.
    BOOL EditZone(CTimeZoneInfo* pZone, BOOL bNew = FALSE);
    // Another zone than pZone has exactly this display name.
    BOOL IsNameTaken(LPCTSTR lpszName, const CTimeZoneInfo* pZone) const;

    // The clock and the rule texts
    void UpdateRuleTexts();
    static CString DescribeTransition(const SYSTEMTIME& date);
    static COleDateTime ZoneTimeNow(const TIME_ZONE_INFORMATION& zone, const SYSTEMTIME& utc);

    TIME_ZONE_INFORMATION m_workZone; // the zone being edited; the editing dialog writes its rules
    CTorvaneDlg* m_pOwner;
    CTorvaneApp* m_pApp;
    CObArray m_zones;
    CListBox m_zoneList;
    CString m_strTime;
    CString m_strDate;
    CString m_strDaylightRule;
    CString m_strStandardRule;
    CString m_strCount;
    TIME_ZONE_INFORMATION m_clockZone;
    CString m_strDefaultName;
    CString m_strDataPath;
    CString m_strFolder;
    HICON m_hIcon;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnDestroy();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnNewTimezone();
    afx_msg void OnSelchangeZoneList();
    afx_msg void OnDblclkZoneList();
    afx_msg void OnEditZone();
    afx_msg void OnDeleteZone();
    afx_msg void OnSaveZones();
    DECLARE_MESSAGE_MAP()

private:
    // Set by every change of the list since it was read or last saved.
    BOOL m_bModified;
    // The file as this copy last read or wrote it.
    CZoneFileStamp m_stamp;
    CString CurrentRowText();
    // The zone of the current row, or NULL.
    CTimeZoneInfo* CurrentZone();
    // Selects the row of the zone, scrolling it into view; with no such row nothing is selected.
    void SelectZoneRow(const CTimeZoneInfo* pZone);
    // The clock and the rule texts show the zone of the current row.
    void FollowCurrentRow();
    // The one zone "(Local Time)" with the computer's rules, when the list is empty.
    void AddLocalZoneIfEmpty(const TIME_ZONE_INFORMATION& local);
    // The list from the file again, in place of the one in memory.
    void ReloadZones();
};

#endif // VELMORA_TZEDITOR_TORVANEDLG_H
