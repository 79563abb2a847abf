// Property pages that edit the library's values: a CDate in five forms, a time of day, a time
// span and the time frame of a CLDate.
#ifndef VELMORA_DATETIME_DATEPAGES_H
#define VELMORA_DATETIME_DATEPAGES_H

#include <afxwin.h>
#include <afxdlgs.h>
#include <commctrl.h>

#include "DateForms.h"
#include "DatePickerIds.h"
#include "LDate.h"

// Base of every page: the hide-mask of the date forms not to offer and the edited date.
class CDatePropertyPage : public CPropertyPage
{
    DECLARE_DYNAMIC(CDatePropertyPage)

public:
    // Construction
    explicit CDatePropertyPage(UINT nIDTemplate);

    // Attributes
    DWORD m_dwHideMask;
    CDate m_date;

    // The date form this page shows, or -1 for the pages that edit no date.
    virtual int GetForm() const { return -1; }

    // Implementation
protected:
    virtual BOOL OnInitDialog();
    afx_msg void OnSelchangeForm();
    DECLARE_MESSAGE_MAP()

    // Fields of the date shown: the date's own, or 1 January of this year for no date.
    void SplitShownDate();
    // Reads the "no date" check and, when clear, builds the date of this page's form from the
    // fields; refuses fields that name no day.
    void StoreDate(CDataExchange* pDX, int nIDFocus);
    void FillMonths(int nIDC);
    void FillWeekdays(int nIDC);
    void SetSpinRange(int nIDC, int nLower, int nUpper);

    CDateFields m_fields;
    BOOL m_bNone;
};

class CCDateDOMPage : public CDatePropertyPage
{
public:
    CCDateDOMPage();
    virtual int GetForm() const { return DATEFORM_DAY_OF_MONTH; }

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    afx_msg void OnSelchangeMonth();
    DECLARE_MESSAGE_MAP()
    void UpdateDayRange();
};

class CCDateDOYPage : public CDatePropertyPage
{
public:
    CCDateDOYPage();
    virtual int GetForm() const { return DATEFORM_DAY_OF_YEAR; }

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
};

class CCDateWOMPage : public CDatePropertyPage
{
public:
    CCDateWOMPage();
    virtual int GetForm() const { return DATEFORM_WEEK_OF_MONTH; }

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
};

class CCDateWOYPage : public CDatePropertyPage
{
public:
    CCDateWOYPage();
    virtual int GetForm() const { return DATEFORM_WEEK_OF_YEAR; }

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
};

class CCDateJulPage : public CDatePropertyPage
{
public:
    CCDateJulPage();
    virtual int GetForm() const { return DATEFORM_JULIAN_DAY; }

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
};

class CCLTimeOfDayHMSMPage : public CDatePropertyPage
{
public:
    CCLTimeOfDayHMSMPage();
    CLTimeOfDay m_time;

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
};

class CCLTimeSpanDHMSMPage : public CDatePropertyPage
{
public:
    CCLTimeSpanDHMSMPage();
    CLTimeSpan m_span;

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
};

class CTimeFramePage : public CDatePropertyPage
{
public:
    CTimeFramePage();
    int m_nFrame; // TIMEFRAME_UNIVERSAL, TIMEFRAME_DYNAMICAL or TIMEFRAME_LOCAL

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
};

// Exchanges a combo box by item data: storing takes the selected item's data (-1 without a
// selection), loading selects the item whose data equals the value.
void AFXAPI DDX_CBItemData(CDataExchange* pDX, int nIDC, int& value);

#endif // VELMORA_DATETIME_DATEPAGES_H
