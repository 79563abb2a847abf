// The date and time picker and the month calendar as window objects, with their data exchange.
#ifndef VELMORA_AFXDATETIMECTRL_H
#define VELMORA_AFXDATETIMECTRL_H

#include "AfxWnd.h"
#include "AfxGdi.h"
#include "afxdisp.h"
#include <commctrl.h>

class CDataExchange;
class CMonthCalCtrl;

class CDateTimeCtrl : public CWnd
{
    DECLARE_DYNAMIC(CDateTimeCtrl)
public:
    CDateTimeCtrl() {}
    virtual ~CDateTimeCtrl();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Attributes
    COLORREF GetMonthCalColor(int iColor) const
    {
        return (COLORREF)::SendMessage(m_hWnd, DTM_GETMCCOLOR, (WPARAM)iColor, 0);
    }
    COLORREF SetMonthCalColor(int iColor, COLORREF ref)
    {
        return (COLORREF)::SendMessage(m_hWnd, DTM_SETMCCOLOR, (WPARAM)iColor, (LPARAM)ref);
    }
    BOOL SetFormat(LPCTSTR pstrFormat)
    {
        return (BOOL)::SendMessage(m_hWnd, DTM_SETFORMAT, 0, (LPARAM)pstrFormat);
    }
    CMonthCalCtrl* GetMonthCalCtrl() const;
    CFont* GetMonthCalFont() const
    {
        return CFont::FromHandle((HFONT)::SendMessage(m_hWnd, DTM_GETMCFONT, 0, 0));
    }
    void SetMonthCalFont(HFONT hFont, BOOL bRedraw = TRUE)
    {
        ::SendMessage(m_hWnd, DTM_SETMCFONT, (WPARAM)hFont, MAKELONG(bRedraw, 0));
    }

    // Range: a null pointer leaves that end open. Answers which ends are set (GDTR_MIN, GDTR_MAX).
    BOOL SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange);
    DWORD GetRange(COleDateTime* pMinRange, COleDateTime* pMaxRange) const;
    BOOL SetRange(const CTime* pMinRange, const CTime* pMaxRange);
    DWORD GetRange(CTime* pMinRange, CTime* pMaxRange) const;

    // The value: GDT_VALID, or GDT_NONE when a picker with a check box is unchecked.
    BOOL GetTime(COleDateTime& timeDest) const;
    DWORD GetTime(CTime& timeDest) const;
    DWORD GetTime(LPSYSTEMTIME pTimeDest) const
    {
        return (DWORD)::SendMessage(m_hWnd, DTM_GETSYSTEMTIME, 0, (LPARAM)pTimeDest);
    }
    BOOL SetTime(const COleDateTime& timeNew);
    BOOL SetTime(const CTime* pTimeNew);
    BOOL SetTime(LPSYSTEMTIME pTimeNew = NULL);
};

class CMonthCalCtrl : public CWnd
{
    DECLARE_DYNAMIC(CMonthCalCtrl)
public:
    CMonthCalCtrl() {}
    virtual ~CMonthCalCtrl();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    BOOL Create(DWORD dwStyle, const POINT& pt, CWnd* pParentWnd, UINT nID);

    // Attributes
    BOOL GetMinReqRect(RECT* pRect) const
    {
        return (BOOL)::SendMessage(m_hWnd, MCM_GETMINREQRECT, 0, (LPARAM)pRect);
    }
    int SetMonthDelta(int iDelta) { return (int)::SendMessage(m_hWnd, MCM_SETMONTHDELTA, (WPARAM)iDelta, 0); }
    int GetMonthDelta() const { return (int)::SendMessage(m_hWnd, MCM_GETMONTHDELTA, 0, 0); }
    BOOL SetFirstDayOfWeek(int iDay, int* lpnOld = NULL);
    int GetFirstDayOfWeek(BOOL* pbLocal = NULL) const;
    COLORREF GetColor(int nRegion) const
    {
        return (COLORREF)::SendMessage(m_hWnd, MCM_GETCOLOR, (WPARAM)nRegion, 0);
    }
    COLORREF SetColor(int nRegion, COLORREF ref)
    {
        return (COLORREF)::SendMessage(m_hWnd, MCM_SETCOLOR, (WPARAM)nRegion, (LPARAM)ref);
    }
    BOOL SetMaxSelCount(int nMax) { return (BOOL)::SendMessage(m_hWnd, MCM_SETMAXSELCOUNT, nMax, 0); }
    int GetMaxSelCount() const { return (int)::SendMessage(m_hWnd, MCM_GETMAXSELCOUNT, 0, 0); }
    DWORD HitTest(PMCHITTESTINFO pMCHitTest)
    {
        return (DWORD)::SendMessage(m_hWnd, MCM_HITTEST, 0, (LPARAM)pMCHitTest);
    }

    // The selected day (single selection)
    BOOL GetCurSel(COleDateTime& refDateTime) const;
    BOOL GetCurSel(CTime& refDateTime) const;
    BOOL GetCurSel(LPSYSTEMTIME pDateTime) const
    {
        return (BOOL)::SendMessage(m_hWnd, MCM_GETCURSEL, 0, (LPARAM)pDateTime);
    }
    BOOL SetCurSel(const COleDateTime& refDateTime);
    BOOL SetCurSel(const CTime& refDateTime);
    BOOL SetCurSel(const LPSYSTEMTIME pDateTime)
    {
        return (BOOL)::SendMessage(m_hWnd, MCM_SETCURSEL, 0, (LPARAM)pDateTime);
    }
    BOOL GetToday(COleDateTime& refDateTime) const;
    void SetToday(const COleDateTime& refDateTime);

    // Day states: one bit mask per month shown, days in bold (the MCN_GETDAYSTATE answer).
    BOOL SetDayState(int nMonths, LPMONTHDAYSTATE pStates)
    {
        return (BOOL)::SendMessage(m_hWnd, MCM_SETDAYSTATE, (WPARAM)nMonths, (LPARAM)pStates);
    }
    int GetMonthRange(COleDateTime& refMinRange, COleDateTime& refMaxRange, DWORD dwFlags) const;
    BOOL SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange);
    DWORD GetRange(COleDateTime* pMinRange, COleDateTime* pMaxRange) const;
    BOOL SetRange(const CTime* pMinRange, const CTime* pMaxRange);
};

// Data exchange with a picker or a calendar control of a dialog.
void AFXAPI DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, COleDateTime& value);
void AFXAPI DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, CTime& value);
void AFXAPI DDX_MonthCalCtrl(CDataExchange* pDX, int nIDC, COleDateTime& value);
void AFXAPI DDX_MonthCalCtrl(CDataExchange* pDX, int nIDC, CTime& value);

#endif // VELMORA_AFXDATETIMECTRL_H
