#include "DatePickers.h"

#include <shellapi.h>

BEGIN_MESSAGE_MAP(CDatePickerBase, CButton)
ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
ON_MESSAGE(WM_DATEPICKER_OPEN, OnOpenSheet)
END_MESSAGE_MAP()

CDatePickerBase::CDatePickerBase() {}

void CDatePickerBase::OnClicked()
{
    // Posted, so the click has finished before a modal sheet starts its own loop.
    PostMessage(WM_DATEPICKER_OPEN);
}

LRESULT CDatePickerBase::OnOpenSheet(WPARAM, LPARAM)
{
    return OpenSheet();
}

BOOL CDatePickerBase::OpenSheet()
{
    if (!RunSheet())
        return FALSE;
    SetWindowText(FormatValue());
    return TRUE;
}

BOOL CCDatePicker::RunSheet()
{
    CCDateSheet sheet(m_value, IDS_DATE_CAPTION, GetParent(), m_dwExtra);
    if (sheet.DoModal() != IDOK)
        return FALSE;
    m_value = sheet.GetDate();
    return TRUE;
}

BOOL CCLDatePicker::RunSheet()
{
    CCLDateSheet sheet(m_value, IDS_DATE_CAPTION, GetParent(), m_dwExtra);
    if (sheet.DoModal() != IDOK)
        return FALSE;
    m_value = sheet.GetLDate();
    return TRUE;
}

BOOL CCLTimeOfDayPicker::RunSheet()
{
    CCLTimeOfDaySheet sheet(m_value, IDS_TIMEOFDAY_CAPTION, GetParent());
    if (sheet.DoModal() != IDOK)
        return FALSE;
    m_value = sheet.GetTimeOfDay();
    return TRUE;
}

BOOL CCLTimeSpanPicker::RunSheet()
{
    CCLTimeSpanSheet sheet(m_value, IDS_TIMESPAN_CAPTION, GetParent());
    if (sheet.DoModal() != IDOK)
        return FALSE;
    m_value = sheet.GetTimeSpan();
    return TRUE;
}

// ---------------------------------------------------------------- CDateInfoDlg

BEGIN_MESSAGE_MAP(CDateInfoDlg, CDialog)
ON_WM_SETCURSOR()
ON_STN_CLICKED(IDC_INFO_MAIL, OnMailLink)
ON_STN_CLICKED(IDC_INFO_WEB, OnWebLink)
END_MESSAGE_MAP()

CDateInfoDlg::CDateInfoDlg(CWnd* pParent) : CDialog(IDD_DATE_INFO, pParent) {}

CString CDateInfoDlg::GetLinkTarget(int nIDC) const
{
    CString text;
    GetDlgItemText(nIDC, text);
    text.TrimLeft();
    text.TrimRight();
    if (nIDC == IDC_INFO_MAIL && !text.IsEmpty())
        text = _T("mailto:") + text;
    return text;
}

BOOL CDateInfoDlg::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (pWnd != NULL && (pWnd->GetDlgCtrlID() == IDC_INFO_MAIL || pWnd->GetDlgCtrlID() == IDC_INFO_WEB))
    {
        ::SetCursor(::LoadCursor(NULL, IDC_HAND));
        return TRUE;
    }
    return CDialog::OnSetCursor(pWnd, nHitTest, message);
}

void CDateInfoDlg::OnMailLink()
{
    CString target = GetLinkTarget(IDC_INFO_MAIL);
    if (!target.IsEmpty())
        ::ShellExecuteA(m_hWnd, "open", target, NULL, NULL, SW_SHOWNORMAL);
}

void CDateInfoDlg::OnWebLink()
{
    CString target = GetLinkTarget(IDC_INFO_WEB);
    if (!target.IsEmpty())
        ::ShellExecuteA(m_hWnd, "open", target, NULL, NULL, SW_SHOWNORMAL);
}
