// Picker controls, one per value class: a button that opens the value's sheet and shows the
// chosen value as its text; and the small information window with its two links.
#ifndef VELMORA_DATETIME_DATEPICKERS_H
#define VELMORA_DATETIME_DATEPICKERS_H

#include "DateSheets.h"

class CDatePickerBase : public CButton
{
public:
    CDatePickerBase();

    // Opens the sheet (as the picker's message does); TRUE when it ended with OK.
    BOOL OpenSheet();

protected:
    // Runs the value's sheet modally and takes the value on OK.
    virtual BOOL RunSheet() = 0;
    virtual CString FormatValue() const = 0;

    afx_msg void OnClicked();
    afx_msg LRESULT OnOpenSheet(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

class CCDatePicker : public CDatePickerBase
{
public:
    CCDatePicker() : m_dwExtra(0) {}
    CDate m_value;
    DWORD m_dwExtra; // the sheet's extra value

protected:
    virtual BOOL RunSheet();
    virtual CString FormatValue() const { return m_value.Format(); }
};

class CCLDatePicker : public CDatePickerBase
{
public:
    CCLDatePicker() : m_dwExtra(0) {}
    CLDate m_value;
    DWORD m_dwExtra;

protected:
    virtual BOOL RunSheet();
    virtual CString FormatValue() const { return m_value.Format(); }
};

class CCLTimeOfDayPicker : public CDatePickerBase
{
public:
    CLTimeOfDay m_value;

protected:
    virtual BOOL RunSheet();
    virtual CString FormatValue() const { return m_value.Format(); }
};

class CCLTimeSpanPicker : public CDatePickerBase
{
public:
    CLTimeSpan m_value;

protected:
    virtual BOOL RunSheet();
    virtual CString FormatValue() const { return m_value.Format(); }
};

// The information window: its two link statics (notify style) show a hand under the mouse and
// open their target when clicked: the mail link "mailto:" + its text, the web link its text.
class CDateInfoDlg : public CDialog
{
public:
    CDateInfoDlg(CWnd* pParent = NULL);

    // The target a link opens.
    CString GetLinkTarget(int nIDC) const;

protected:
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnMailLink();
    afx_msg void OnWebLink();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_DATETIME_DATEPICKERS_H
