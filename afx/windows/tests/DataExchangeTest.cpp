// Dialog data exchange: values into and out of controls, refusals with the framework's standard
// texts, the focus on the offending control, and validation only on the way out.
#include "WindowTestApp.h"
#include "WindowTestIds.h"
#include <gtest/gtest.h>
#include <functional>
#include <string>

namespace
{
class CExchangeDlg : public CDialog
{
public:
    std::function<void(CDataExchange*)> m_exchange;
    CExchangeDlg() : CDialog(IDD_TEST_DDX) {}
    virtual void DoDataExchange(CDataExchange* pDX)
    {
        if (m_exchange)
            m_exchange(pDX);
    }
};

class DataExchange : public ::testing::Test
{
protected:
    CExchangeDlg m_dlg;
    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.Create(IDD_TEST_DDX));
        m_dlg.ShowWindow(SW_SHOW);
        m_dlg.SetForegroundWindow();
        theTestApp.m_messages.clear();
    }
    void TearDown() override { m_dlg.DestroyWindow(); }

    // Puts the text into the edit control and reads it back through one exchange.
    template <class T> BOOL Save(const char* pszText, T& value)
    {
        m_dlg.SetDlgItemText(IDC_TEST_EDIT, pszText);
        m_dlg.m_exchange = [&value](CDataExchange* pDX) { DDX_Text(pDX, IDC_TEST_EDIT, value); };
        return m_dlg.UpdateData(TRUE);
    }
    std::string LastMessage() const
    {
        return theTestApp.m_messages.empty() ? std::string() : theTestApp.m_messages.back();
    }
};

const char* const kInt = "Please enter an integer.";
const char* const kUInt = "Please enter a positive integer.";
const char* const kByte = "Please enter an integer between 0 and 255.";
const char* const kReal = "Please enter a number.";

struct IntCase
{
    const char* text;
    bool ok;
    long value;
};

TEST_F(DataExchange, SignedIntegersAcceptOnlyWholeNumbersThatFit)
{
    const IntCase cases[] = {
        {"42", true, 42},
        {"  -17 ", true, -17},
        {"+8", true, 8},
        {"2147483647", true, 2147483647L},
        {"-2147483648", true, -2147483647L - 1},
        {"2147483648", false, 0}, // one past the largest int
        {"", false, 0},
        {"12abc", false, 0},
        {"1.5", false, 0},
        {"-", false, 0},
        {"99999999999999999999999", false, 0},
    };
    for (const IntCase& c : cases)
    {
        theTestApp.m_messages.clear();
        int value = -999;
        EXPECT_EQ(c.ok, Save(c.text, value) != FALSE) << c.text;
        if (c.ok)
        {
            EXPECT_EQ(c.value, value) << c.text;
            EXPECT_TRUE(theTestApp.m_messages.empty()) << c.text;
        }
        else
        {
            EXPECT_EQ(-999, value) << c.text; // a refusal leaves the member alone
            EXPECT_EQ(kInt, LastMessage()) << c.text;
            EXPECT_EQ(::GetDlgItem(m_dlg.m_hWnd, IDC_TEST_EDIT), ::GetFocus()) << c.text;
        }
    }
}

TEST_F(DataExchange, OtherIntegerWidthsHaveTheirOwnLimitsAndTexts)
{
    const struct
    {
        const char* text;
        char kind; // b byte, s short, u UINT, d DWORD, l long
        bool ok;
        const char* message;
    } cases[] = {
        {"255", 'b', true, NULL},        {"256", 'b', false, kByte},        {"-1", 'b', false, kByte},
        {"32767", 's', true, NULL},      {"32768", 's', false, kInt},       {"-32768", 's', true, NULL},
        {"4294967295", 'u', true, NULL}, {"4294967296", 'u', false, kUInt}, {"-1", 'u', false, kUInt},
        {"4294967295", 'd', true, NULL}, {"x", 'd', false, kUInt},          {"-2147483648", 'l', true, NULL},
        {"--1", 'l', false, kInt},
    };
    for (const auto& c : cases)
    {
        theTestApp.m_messages.clear();
        BOOL bOK = FALSE;
        BYTE b = 0;
        short s = 0;
        UINT u = 0;
        DWORD d = 0;
        long l = 0;
        switch (c.kind)
        {
        case 'b':
            bOK = Save(c.text, b);
            break;
        case 's':
            bOK = Save(c.text, s);
            break;
        case 'u':
            bOK = Save(c.text, u);
            break;
        case 'd':
            bOK = Save(c.text, d);
            break;
        default:
            bOK = Save(c.text, l);
            break;
        }
        EXPECT_EQ(c.ok, bOK != FALSE) << c.kind << " " << c.text;
        EXPECT_EQ(c.message != NULL ? c.message : "", LastMessage()) << c.kind << " " << c.text;
    }
}

TEST_F(DataExchange, RealNumbersRoundTripWithTheirPrecision)
{
    // Texts written with FLT_DIG and DBL_DIG significant digits (Python: '%.6g' / '%.15g'),
    // with the three-digit exponent of the system's C runtime.
    const struct
    {
        double value;
        const char* textDouble;
        const char* textFloat;
    } outs[] = {
        {0.1, "0.1", "0.1"},
        {1.0 / 3.0, "0.333333333333333", "0.333333"},
        {-2.5e-10, "-2.5e-010", "-2.5e-010"},
        {123456789.0, "123456789", "1.23457e+008"},
    };
    for (const auto& o : outs)
    {
        double d = o.value;
        float f = (float)o.value;
        CString str;
        m_dlg.m_exchange = [&](CDataExchange* pDX) {
            DDX_Text(pDX, IDC_TEST_EDIT, d);
            DDX_Text(pDX, IDC_TEST_EDIT2, f);
        };
        ASSERT_TRUE(m_dlg.UpdateData(FALSE));
        m_dlg.GetDlgItemText(IDC_TEST_EDIT, str);
        EXPECT_STREQ(o.textDouble, str);
        m_dlg.GetDlgItemText(IDC_TEST_EDIT2, str);
        EXPECT_STREQ(o.textFloat, str);
    }

    const struct
    {
        const char* text;
        bool ok;
        double value;
    } ins[] = {
        {" 2.75 ", true, 2.75}, {"-1e3", true, -1000.0}, {"abc", false, 0},  {"", false, 0},
        {"1e999", false, 0},    {"inf", false, 0},       {"0x10", false, 0}, {"1.5.", false, 0},
    };
    for (const auto& c : ins)
    {
        theTestApp.m_messages.clear();
        double value = 0;
        EXPECT_EQ(c.ok, Save(c.text, value) != FALSE) << c.text;
        if (c.ok)
            EXPECT_DOUBLE_EQ(c.value, value) << c.text;
        else
            EXPECT_EQ(kReal, LastMessage()) << c.text;
    }
    float f = 0;
    EXPECT_FALSE(Save("1e39", f)); // beyond a float
    EXPECT_EQ(kReal, LastMessage());
}

TEST_F(DataExchange, ValidationTextsNameTheLimits)
{
    const struct
    {
        const char* text;
        std::function<void(CDataExchange*, const CString&)> validate;
        const char* message; // NULL: accepted
    } cases[] = {
        {"5",
         [](CDataExchange* pDX, const CString& s) {
             int n = atoi(s);
             DDV_MinMaxInt(pDX, n, 1, 10);
         },
         NULL},
        {"11",
         [](CDataExchange* pDX, const CString& s) {
             int n = atoi(s);
             DDV_MinMaxInt(pDX, n, 1, 10);
         },
         "Please enter an integer between 1 and 10."},
        {"-3",
         [](CDataExchange* pDX, const CString& s) {
             long n = atol(s);
             DDV_MinMaxLong(pDX, n, -2, 2);
         },
         "Please enter an integer between -2 and 2."},
        {"0",
         [](CDataExchange* pDX, const CString& s) {
             UINT n = (UINT)atol(s);
             DDV_MinMaxUInt(pDX, n, 1, 4000000000U);
         },
         "Please enter an integer between 1 and 4000000000."},
        {"300",
         [](CDataExchange* pDX, const CString& s) {
             DWORD n = (DWORD)atol(s);
             DDV_MinMaxDWord(pDX, n, 0, 255);
         },
         "Please enter an integer between 0 and 255."},
        {"7.5",
         [](CDataExchange* pDX, const CString& s) {
             double d = atof(s);
             DDV_MinMaxDouble(pDX, d, 0.5, 7.25);
         },
         "Please enter a number between 0.5 and 7.25."},
        {"abcdef", [](CDataExchange* pDX, const CString& s) { DDV_MaxChars(pDX, s, 5); },
         "Enter no more than 5 characters."},
        {"abcde", [](CDataExchange* pDX, const CString& s) { DDV_MaxChars(pDX, s, 5); }, NULL},
    };
    for (const auto& c : cases)
    {
        theTestApp.m_messages.clear();
        m_dlg.SetDlgItemText(IDC_TEST_EDIT, c.text);
        CString value;
        m_dlg.m_exchange = [&](CDataExchange* pDX) {
            DDX_Text(pDX, IDC_TEST_EDIT, value);
            c.validate(pDX, value);
        };
        EXPECT_EQ(c.message == NULL, m_dlg.UpdateData(TRUE) != FALSE) << c.text;
        EXPECT_EQ(c.message != NULL ? c.message : "", LastMessage()) << c.text;

        // On the way into the controls nothing is validated.
        theTestApp.m_messages.clear();
        EXPECT_TRUE(m_dlg.UpdateData(FALSE)) << c.text;
        EXPECT_TRUE(theTestApp.m_messages.empty()) << c.text;
    }
    // On the way in, DDV_MaxChars limits the edit control.
    CString value = "x";
    m_dlg.m_exchange = [&](CDataExchange* pDX) {
        DDX_Text(pDX, IDC_TEST_EDIT, value);
        DDV_MaxChars(pDX, value, 3);
    };
    ASSERT_TRUE(m_dlg.UpdateData(FALSE));
    EXPECT_EQ(3, (int)::SendDlgItemMessage(m_dlg.m_hWnd, IDC_TEST_EDIT, EM_GETLIMITTEXT, 0, 0));
}

TEST_F(DataExchange, ButtonsListsAndCombos)
{
    const char* items[] = {"Alpha", "Beta", "Gamma"};
    for (const char* item : items)
    {
        m_dlg.SendDlgItemMessage(IDC_TEST_DROPLIST, CB_ADDSTRING, 0, (LPARAM)item);
        m_dlg.SendDlgItemMessage(IDC_TEST_LIST, LB_ADDSTRING, 0, (LPARAM)item);
        m_dlg.SendDlgItemMessage(IDC_TEST_COMBO, CB_ADDSTRING, 0, (LPARAM)item);
    }
    int nCheck = 1, nRadio = 2, nIndex = 1;
    CString strList = "Gamma", strCombo = "Free text", strDrop;
    auto exchange = [&](CDataExchange* pDX) {
        DDX_Check(pDX, IDC_TEST_CHECK, nCheck);
        DDX_Radio(pDX, IDC_TEST_RADIO1, nRadio);
        DDX_CBIndex(pDX, IDC_TEST_DROPLIST, nIndex);
        DDX_LBString(pDX, IDC_TEST_LIST, strList);
        DDX_CBString(pDX, IDC_TEST_COMBO, strCombo);
    };
    m_dlg.m_exchange = exchange;
    ASSERT_TRUE(m_dlg.UpdateData(FALSE));
    EXPECT_EQ(BST_CHECKED, m_dlg.IsDlgButtonChecked(IDC_TEST_CHECK));
    EXPECT_EQ(IDC_TEST_RADIO3, m_dlg.GetCheckedRadioButton(IDC_TEST_RADIO1, IDC_TEST_RADIO3));
    EXPECT_EQ(1, (int)m_dlg.SendDlgItemMessage(IDC_TEST_DROPLIST, CB_GETCURSEL));
    EXPECT_EQ(2, (int)m_dlg.SendDlgItemMessage(IDC_TEST_LIST, LB_GETCURSEL));
    CString str;
    m_dlg.GetDlgItemText(IDC_TEST_COMBO, str);
    EXPECT_STREQ("Free text", str);

    // The user changes everything; the members follow.
    m_dlg.CheckDlgButton(IDC_TEST_CHECK, BST_UNCHECKED);
    m_dlg.CheckRadioButton(IDC_TEST_RADIO1, IDC_TEST_RADIO3, IDC_TEST_RADIO1);
    m_dlg.SendDlgItemMessage(IDC_TEST_DROPLIST, CB_SETCURSEL, 2);
    m_dlg.SendDlgItemMessage(IDC_TEST_LIST, LB_SETCURSEL, 0);
    m_dlg.SendDlgItemMessage(IDC_TEST_COMBO, CB_SETCURSEL, 1);
    ASSERT_TRUE(m_dlg.UpdateData(TRUE));
    EXPECT_EQ(0, nCheck);
    EXPECT_EQ(0, nRadio);
    EXPECT_EQ(2, nIndex);
    EXPECT_STREQ("Alpha", strList);
    EXPECT_STREQ("Beta", strCombo);

    // No radio button checked reads as -1; no list selection as an empty string.
    m_dlg.CheckRadioButton(IDC_TEST_RADIO1, IDC_TEST_RADIO3, 0);
    m_dlg.SendDlgItemMessage(IDC_TEST_LIST, LB_SETCURSEL, (WPARAM)-1);
    ASSERT_TRUE(m_dlg.UpdateData(TRUE));
    EXPECT_EQ(-1, nRadio);
    EXPECT_STREQ("", strList);

    // A drop-down list's value is its selected item.
    m_dlg.m_exchange = [&](CDataExchange* pDX) { DDX_CBString(pDX, IDC_TEST_DROPLIST, strDrop); };
    ASSERT_TRUE(m_dlg.UpdateData(TRUE));
    EXPECT_STREQ("Gamma", strDrop);
}

TEST_F(DataExchange, ControlSubclassingAndMissingControls)
{
    CWnd edit;
    m_dlg.m_exchange = [&](CDataExchange* pDX) { DDX_Control(pDX, IDC_TEST_EDIT, edit); };
    ASSERT_TRUE(m_dlg.UpdateData(FALSE));
    EXPECT_EQ(::GetDlgItem(m_dlg.m_hWnd, IDC_TEST_EDIT), edit.m_hWnd);
    EXPECT_EQ(&edit, CWnd::FromHandlePermanent(edit.m_hWnd));
    ASSERT_TRUE(m_dlg.UpdateData(FALSE)); // a second exchange keeps the same object

    // A control the template lacks is a programming error: reported, the exchange fails.
    int n = 0;
    m_dlg.m_exchange = [&](CDataExchange* pDX) { DDX_Text(pDX, 4242, n); };
    theTestApp.m_messages.clear();
    EXPECT_FALSE(m_dlg.UpdateData(TRUE));
    EXPECT_EQ(1u, theTestApp.m_messages.size());
    edit.UnsubclassWindow();
}

// OK with bad input shows the refusal and leaves the dialog running.
class COkDlg : public CExchangeDlg
{
public:
    int m_nValue = 0;
    int m_nAttempts = 0;
    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        SetDlgItemText(IDC_TEST_EDIT, "not a number");
        PostMessage(WM_COMMAND, IDOK, 0);
        return TRUE;
    }
    virtual void DoDataExchange(CDataExchange* pDX) { DDX_Text(pDX, IDC_TEST_EDIT, m_nValue); }
    virtual void OnOK()
    {
        m_nAttempts++;
        CDialog::OnOK();
        if (m_hWnd != NULL && m_nAttempts == 1)
        {
            SetDlgItemText(IDC_TEST_EDIT, "64");
            PostMessage(WM_COMMAND, IDOK, 0);
        }
    }
};

TEST(DialogOK, RefusedInputKeepsTheDialogOpen)
{
    COkDlg dlg;
    theTestApp.m_messages.clear();
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(2, dlg.m_nAttempts);
    EXPECT_EQ(64, dlg.m_nValue);
    ASSERT_EQ(1u, theTestApp.m_messages.size());
    EXPECT_EQ(kInt, theTestApp.m_messages[0]);
}
} // namespace
