// Property sheets that group the editing pages of the library's values.
#ifndef VELMORA_DATETIME_DATESHEETS_H
#define VELMORA_DATETIME_DATESHEETS_H

#include "DatePages.h"

// The extra value of a sheet: the hide-mask of the date forms (bits 0..4, see DateForms.h)
// and whether a date-time sheet offers the time-frame page.
#define DATESHEET_HIDE_MASK   0x1F
#define DATESHEET_OFFER_FRAME 0x100

class CDatePropertySheet : public CPropertySheet
{
    DECLARE_DYNAMIC(CDatePropertySheet)

public:
    // Construction
    CDatePropertySheet(UINT nIDCaption, CWnd* pParentWnd, DWORD dwExtra);
    CDatePropertySheet(LPCTSTR lpszCaption, CWnd* pParentWnd, DWORD dwExtra);

    // Attributes
    DWORD m_dwExtra;
};

// Base of the two sheets that show a date: one date page at a time, in the form the user
// chose, followed by the sheet's other pages.
class CDateFormSheet : public CDatePropertySheet
{
public:
    CDateFormSheet(UINT nIDCaption, CWnd* pParentWnd, DWORD dwExtra);
    virtual ~CDateFormSheet();

    // The edited date, as the shown date page last stored it.
    CDate GetDate() const;
    int GetForm() const { return m_nForm; }
    CDatePropertyPage* GetDatePage(int form) const { return m_pDatePages[form]; }

    // Shows the date page of another form, carrying the date over; FALSE when the shown page
    // refuses its fields or the form is hidden.
    BOOL SwitchForm(int form);

protected:
    void SetDate(const CDate& date);
    void BuildPages();
    virtual void AddOtherPages() {}
    afx_msg void OnSwitchForm(UINT nID);
    DECLARE_MESSAGE_MAP()

    CDatePropertyPage* m_pDatePages[DATEFORM_COUNT];
    int m_nForm;
};

class CCDateSheet : public CDateFormSheet
{
public:
    CCDateSheet(const CDate& date, UINT nIDCaption = IDS_DATE_CAPTION, CWnd* pParentWnd = NULL,
                DWORD dwExtra = 0);
};

class CCLDateSheet : public CDateFormSheet
{
public:
    CCLDateSheet(const CLDate& date, UINT nIDCaption = IDS_DATE_CAPTION, CWnd* pParentWnd = NULL,
                 DWORD dwExtra = 0);
    // The date with the time of day and frame of the other pages; invalid when either part is.
    CLDate GetLDate() const;

    CCLTimeOfDayHMSMPage m_timePage;
    CTimeFramePage m_framePage;

protected:
    virtual void AddOtherPages();
};

class CCLTimeOfDaySheet : public CDatePropertySheet
{
public:
    CCLTimeOfDaySheet(const CLTimeOfDay& time, UINT nIDCaption = IDS_TIMEOFDAY_CAPTION,
                      CWnd* pParentWnd = NULL);
    CLTimeOfDay GetTimeOfDay() const { return m_page.m_time; }

    CCLTimeOfDayHMSMPage m_page;
};

class CCLTimeSpanSheet : public CDatePropertySheet
{
public:
    CCLTimeSpanSheet(const CLTimeSpan& span, UINT nIDCaption = IDS_TIMESPAN_CAPTION, CWnd* pParentWnd = NULL);
    CLTimeSpan GetTimeSpan() const { return m_page.m_span; }

    CCLTimeSpanDHMSMPage m_page;
};

#endif // VELMORA_DATETIME_DATESHEETS_H
