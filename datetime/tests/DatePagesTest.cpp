// The date pages, sheets and pickers on real windows: values split into the controls, forms
// switched with the date carried over, values built back from typed fields, and a picker run
// through its modal sheet.
#include <gtest/gtest.h>

#include "DatePickers.h"
#include "TestSupport.h"

#define IDD_PICKER_HOST 610
#define IDC_PICKER      1070

namespace
{
class DatePages : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        AfxSetInstanceHandle(::GetModuleHandle(NULL));
        AfxSetResourceHandle(::GetModuleHandle(NULL));
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&icc);
    }

    static CString Text(CWnd* pPage, int nID)
    {
        CString text;
        pPage->GetDlgItemText(nID, text);
        return text;
    }

    static CString Selected(CWnd* pPage, int nID)
    {
        CComboBox* pCombo = (CComboBox*)pPage->GetDlgItem(nID);
        CString text;
        int item = pCombo->GetCurSel();
        if (item != CB_ERR)
            pCombo->GetLBText(item, text);
        return text;
    }

    static void Create(CPropertySheet& sheet)
    {
        ASSERT_TRUE(sheet.Create(NULL, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME));
        PumpPending();
    }
};

// Answers the modal sheet that a picker opens: OK or Cancel, once it is up.
int s_answer = PSBTN_OK;
void CALLBACK AnswerSheet(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND hSheet = ::GetActiveWindow();
    char caption[64] = "";
    ::GetWindowTextA(hSheet, caption, sizeof(caption));
    if (strncmp(caption, "Choose", 6) != 0)
        return;
    ::KillTimer(NULL, id);
    ::SendMessage(hSheet, PSM_PRESSBUTTON, (WPARAM)s_answer, 0);
}
} // namespace

TEST_F(DatePages, DateSheetSplitsTheDateAndSwitchesForms)
{
    CCDateSheet sheet(CDate(2024, 3, 31, CAL_REFORM));
    Create(sheet);
    ASSERT_EQ(1, sheet.GetPageCount());
    CPropertyPage* pPage = sheet.GetActivePage();
    ASSERT_EQ(sheet.GetDatePage(DATEFORM_DAY_OF_MONTH), pPage);
    EXPECT_STREQ("31", Text(pPage, IDC_DATE_NUMBER));
    EXPECT_STREQ("2024", Text(pPage, IDC_DATE_YEAR));
    EXPECT_STREQ((LPCTSTR)CDate::GetMonthName(3, FALSE), Selected(pPage, IDC_DATE_MONTH));
    EXPECT_STREQ("Day of the month", Selected(pPage, IDC_DATE_FORM));
    EXPECT_EQ(5, ((CComboBox*)pPage->GetDlgItem(IDC_DATE_FORM))->GetCount());

    struct Step
    {
        int form;
        int nID;
        const char* text; // the text or selection the new page shows for 31 March 2024
    } steps[] = {
        {DATEFORM_WEEK_OF_MONTH, IDC_DATE_MONTH, "Last"}, {DATEFORM_DAY_OF_YEAR, IDC_DATE_NUMBER, "91"},
        {DATEFORM_WEEK_OF_YEAR, IDC_DATE_WEEK, "13"},     {DATEFORM_JULIAN_DAY, IDC_DATE_NUMBER, "2460401"},
        {DATEFORM_DAY_OF_MONTH, IDC_DATE_NUMBER, "31"},
    };
    for (const Step& s : steps)
    {
        ASSERT_TRUE(sheet.SwitchForm(s.form)) << s.form;
        PumpPending();
        ASSERT_EQ(1, sheet.GetPageCount());
        pPage = sheet.GetActivePage();
        ASSERT_EQ(sheet.GetDatePage(s.form), pPage) << s.form;
        CString shown = s.nID == IDC_DATE_MONTH ? Selected(pPage, s.nID) : Text(pPage, s.nID);
        EXPECT_STREQ(s.text, shown) << s.form;
    }

    // A typed Julian day is carried to the next form and comes back as the sheet's date.
    ASSERT_TRUE(sheet.SwitchForm(DATEFORM_JULIAN_DAY));
    PumpPending();
    sheet.GetActivePage()->SetDlgItemText(IDC_DATE_NUMBER, "2460496");
    ASSERT_TRUE(sheet.SwitchForm(DATEFORM_DAY_OF_MONTH));
    PumpPending();
    EXPECT_STREQ("4", Text(sheet.GetActivePage(), IDC_DATE_NUMBER));
    ASSERT_TRUE(sheet.GetActivePage()->UpdateData(TRUE));
    EXPECT_EQ(CDate(2024, 7, 4, CAL_REFORM).GetDayNumber(), sheet.GetDate().GetDayNumber());
    sheet.DestroyWindow();
}

TEST_F(DatePages, TheFormComboPostsTheSwitchToTheSheet)
{
    CCDateSheet sheet(CDate(2024, 3, 31, CAL_REFORM));
    Create(sheet);
    CPropertyPage* pPage = sheet.GetActivePage();
    CComboBox* pForms = (CComboBox*)pPage->GetDlgItem(IDC_DATE_FORM);
    int item = pForms->FindStringExact(-1, "Day of the year");
    ASSERT_NE(CB_ERR, item);
    pForms->SetCurSel(item);
    pPage->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_DATE_FORM, CBN_SELCHANGE), (LPARAM)pForms->m_hWnd);
    PumpPending();
    EXPECT_EQ(DATEFORM_DAY_OF_YEAR, sheet.GetForm());
    EXPECT_STREQ("91", Text(sheet.GetActivePage(), IDC_DATE_NUMBER));
    sheet.DestroyWindow();
}

TEST_F(DatePages, HiddenFormsAreNotOffered)
{
    struct Case
    {
        DWORD hide;
        int first;
        int offered;
    } cases[] = {
        {0, DATEFORM_DAY_OF_MONTH, 5},
        {1u << DATEFORM_DAY_OF_MONTH, DATEFORM_DAY_OF_YEAR, 4},
        {0x1F & ~(1u << DATEFORM_JULIAN_DAY), DATEFORM_JULIAN_DAY, 1},
        {0x1F, DATEFORM_DAY_OF_MONTH, 1},
    };
    for (const Case& c : cases)
    {
        CCDateSheet sheet(CDate(2024, 3, 31, CAL_REFORM), IDS_DATE_CAPTION, NULL, c.hide);
        Create(sheet);
        CPropertyPage* pPage = sheet.GetActivePage();
        EXPECT_EQ(sheet.GetDatePage(c.first), pPage) << c.hide;
        CWnd* pForms = pPage->GetDlgItem(IDC_DATE_FORM);
        EXPECT_EQ(c.offered, ((CComboBox*)pForms)->GetCount()) << c.hide;
        // The sheet itself is not shown: the controls' own visibility is in their style.
        EXPECT_EQ(c.offered > 1, (pForms->GetStyle() & WS_VISIBLE) != 0) << c.hide;
        EXPECT_EQ(c.offered > 1, (pPage->GetDlgItem(IDC_DATE_FORM_LABEL)->GetStyle() & WS_VISIBLE) != 0)
            << c.hide;
        if (c.hide != 0)
        {
            EXPECT_FALSE(sheet.SwitchForm(DATEFORM_DAY_OF_MONTH == c.first ? DATEFORM_JULIAN_DAY
                                                                           : DATEFORM_DAY_OF_MONTH));
        }
        sheet.DestroyWindow();
    }
}

TEST_F(DatePages, TimePagesExchangeTheirFields)
{
    CCLTimeOfDaySheet timeSheet(CLTimeOfDay(13, 5, 9));
    Create(timeSheet);
    CPropertyPage* pPage = timeSheet.GetActivePage();
    EXPECT_STREQ("13", Text(pPage, IDC_HOURS));
    EXPECT_STREQ("5", Text(pPage, IDC_MINUTES));
    EXPECT_STREQ("9", Text(pPage, IDC_SECONDS));
    pPage->SetDlgItemText(IDC_HOURS, "7");
    ASSERT_TRUE(pPage->UpdateData(TRUE));
    EXPECT_EQ(7u * 3600 + 5 * 60 + 9, timeSheet.GetTimeOfDay().GetTotalSeconds());
    pPage->CheckDlgButton(IDC_DATE_NONE, BST_CHECKED);
    ASSERT_TRUE(pPage->UpdateData(TRUE));
    EXPECT_FALSE(timeSheet.GetTimeOfDay().IsValid());
    timeSheet.DestroyWindow();

    CCLTimeSpanSheet spanSheet(CLTimeSpan(3, 4, 5, 6));
    Create(spanSheet);
    pPage = spanSheet.GetActivePage();
    EXPECT_STREQ("3", Text(pPage, IDC_DATE_NUMBER));
    EXPECT_STREQ("4", Text(pPage, IDC_HOURS));
    pPage->SetDlgItemText(IDC_DATE_NUMBER, "10");
    pPage->SetDlgItemText(IDC_SECONDS, "0");
    ASSERT_TRUE(pPage->UpdateData(TRUE));
    EXPECT_EQ(10LL * 86400 + 4 * 3600 + 5 * 60, spanSheet.GetTimeSpan().GetTotalSeconds());
    spanSheet.DestroyWindow();
}

TEST_F(DatePages, DateTimeSheetOffersTheFramePageOnRequest)
{
    CLDate when(2024, 3, 31, 12, 30, 0, TIMEFRAME_UNIVERSAL, CAL_REFORM);
    struct Case
    {
        DWORD extra;
        int pages;
    } cases[] = {{0, 2}, {DATESHEET_OFFER_FRAME, 3}};
    for (const Case& c : cases)
    {
        CCLDateSheet sheet(when, IDS_DATE_CAPTION, NULL, c.extra);
        Create(sheet);
        EXPECT_EQ(c.pages, sheet.GetPageCount());
        ASSERT_TRUE(sheet.SwitchForm(DATEFORM_WEEK_OF_MONTH));
        PumpPending();
        EXPECT_EQ(c.pages, sheet.GetPageCount()) << "the other pages follow the new date page";
        EXPECT_EQ(sheet.GetDatePage(DATEFORM_WEEK_OF_MONTH), sheet.GetPage(0));
        ASSERT_TRUE(sheet.SetActivePage(&sheet.m_timePage));
        PumpPending();
        sheet.m_timePage.SetDlgItemText(IDC_HOURS, "18");
        ASSERT_TRUE(sheet.m_timePage.UpdateData(TRUE));
        CLDate back = sheet.GetLDate();
        ASSERT_TRUE(back.IsValid());
        EXPECT_EQ(CDate(2024, 3, 31, CAL_REFORM).GetDayNumber(), back.GetDate().GetDayNumber());
        EXPECT_EQ(18u * 3600 + 30 * 60, back.GetTimeOfDay().GetTotalSeconds());
        EXPECT_EQ(TIMEFRAME_UNIVERSAL, back.GetTimeFrame());
        sheet.DestroyWindow();
    }
}

TEST_F(DatePages, PickerShowsTheValueChosenInItsSheet)
{
    CDialog host;
    ASSERT_TRUE(host.Create(IDD_PICKER_HOST));
    CCLTimeOfDayPicker picker;
    ASSERT_TRUE(picker.SubclassDlgItem(IDC_PICKER, &host));
    picker.m_value = CLTimeOfDay(8, 15, 0);

    s_answer = PSBTN_CANCEL;
    ::SetTimer(NULL, 0, 100, AnswerSheet);
    EXPECT_FALSE(picker.SendMessage(WM_DATEPICKER_OPEN));
    CString text;
    picker.GetWindowText(text);
    EXPECT_STREQ("", text);

    s_answer = PSBTN_OK;
    ::SetTimer(NULL, 0, 100, AnswerSheet);
    EXPECT_TRUE(picker.SendMessage(WM_DATEPICKER_OPEN));
    picker.GetWindowText(text);
    EXPECT_STREQ((LPCTSTR)CLTimeOfDay(8, 15, 0).Format(), text);
    picker.UnsubclassWindow();
    host.DestroyWindow();
}
