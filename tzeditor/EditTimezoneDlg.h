// CEditTimezoneDlg: edits one named zone; the transition rules go straight into the owner's
// working zone.
#ifndef VELMORA_TZEDITOR_EDITTIMEZONEDLG_H
#define VELMORA_TZEDITOR_EDITTIMEZONEDLG_H

#include <afxwin.h>
#include <afxcmn.h>
#include <afxdtctl.h>
#include <afxdisp.h>

class CTorvaneDlg;
class CTimeZoneInfo;

class CEditTimezoneDlg : public CDialog
{
public:
    CEditTimezoneDlg(CWnd* pParent = NULL);

    void EnableDaylightControls(BOOL bEnable);

    CTorvaneDlg* m_pOwner;
    const CTimeZoneInfo* m_pZone; // the zone edited, whose own name may stay
    BOOL m_bNewZone;              // it was added for this edit: its name is no one's yet
    CSpinButtonCtrl m_spinDaylightMinutes;
    CSpinButtonCtrl m_spinDaylightHours;
    CComboBox m_cbEndWeek;
    CComboBox m_cbEndMonth;
    CComboBox m_cbEndWeekday;
    CComboBox m_cbStartMonth;
    CComboBox m_cbStartWeekday;
    CComboBox m_cbStartWeek;
    CSpinButtonCtrl m_spinOffsetMinutes;
    CSpinButtonCtrl m_spinOffsetHours;
    int m_nOffsetHours;
    int m_nOffsetMinutes;
    BOOL m_bUseDaylight;
    COleDateTime m_startTime;
    COleDateTime m_endTime;
    CString m_strStandardName;
    CString m_strDisplayName;
    CString m_strDaylightName;
    int m_nDaylightHours;
    int m_nDaylightMinutes;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();

    afx_msg void OnUseDaylightSaving();
    afx_msg void OnDestroy();
    afx_msg void OnDateTimeChange(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    int RuleIndex(CComboBox& combo);
};

#endif // VELMORA_TZEDITOR_EDITTIMEZONEDLG_H
