// ConfigureClock.h: CConfigureClock, the "Set Timezone" page on which a clock's zone is chosen from
// the named zones of the time-zone data file.
#ifndef VELMORA_CONFIGURECLOCK_H
#define VELMORA_CONFIGURECLOCK_H

#include <afxwin.h>
#include <afxdlgs.h>
#include <afxdisp.h>
#include <afxcoll.h>

class CClock;

class CConfigureClock : public CPropertyPage
{
    DECLARE_DYNCREATE(CConfigureClock)

    // Construction
public:
    CConfigureClock();
    virtual ~CConfigureClock();

    // Attributes. The caller fills m_pClock, m_pClockWnd, m_pbReloadZone, m_nDateOrder,
    // m_strTZFile, m_strSelectedName and m_tziSelected before the page is shown.
public:
    enum
    {
        IDD = 148,
        PREVIEW_TIMER_ID = 104
    };

    CListBox m_lbZones;
    CString m_strTime;
    CString m_strDate;
    CString m_strZoneName;
    BOOL m_bDaylight;

    CWnd* m_pClockWnd;    // the clock window
    BOOL* m_pbReloadZone; // the clock window's zone-reload request, may be NULL
    BOOL m_bReset;        // reloaded from the clock by the reset message
    CWnd* m_pPreviewWnd;  // may be NULL
    CClock* m_pClock;
    int m_nDateOrder;    // LOCALE_ILDATE: 0, 1 or 2
    CString m_strTZFile; // full path of the time-zone data file
    CString m_strSelectedName;
    TIME_ZONE_INFORMATION m_tziSelected;
    CObArray m_arZones; // owned CTimeZoneInfo records, in file order

    // Operations
public:
    void OnClockReset();
    // Reads the zones through the zone file's own reader; a failure is reported and leaves none.
    BOOL LoadTimeZoneFile();
    void FillZoneList();
    void UpdateDaylightCheck();

    // The preview's texts for an instant, by the date order.
    static CString FormatPreviewTime(const COleDateTime& dt);
    static CString FormatPreviewDate(const COleDateTime& dt, int nDateOrder);

    // Implementation
protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual BOOL OnApply();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnSelectZone();
    afx_msg void OnDaylightCheck();
    DECLARE_MESSAGE_MAP()

    void FreeZones();
    void SelectClockZone();
    BOOL SelectListedZone();
    void ClearDaylightRules();

    // The selected zone as it was before its daylight rules were taken out, so that setting the
    // check again can restore them even for a zone that is not in the list.
    TIME_ZONE_INFORMATION m_tziBeforeClear;
    BOOL m_bHaveBeforeClear;
};

#endif // VELMORA_CONFIGURECLOCK_H
