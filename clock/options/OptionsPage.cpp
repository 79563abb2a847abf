// OptionsPage.cpp: the "Clock" page of the options sheet.
#include "OptionsPage.h"

#include "MainClockDlg.h"
#include "velmora/resource.h"

IMPLEMENT_DYNCREATE(COptionsPage, CPropertyPage)

BEGIN_MESSAGE_MAP(COptionsPage, CPropertyPage)
ON_CBN_SELCHANGE(IDC_OPT_BACKCOLOR, OnColorChange)
ON_CBN_SELCHANGE(IDC_OPT_NEWCLOCKPOS, OnPositionChange)
ON_BN_CLICKED(IDC_OPT_RUNOVERDUE, OnRunOverdue)
ON_NOTIFY(DTN_DATETIMECHANGE, IDC_OPT_LIMIT, OnLimitChange)
ON_BN_CLICKED(IDC_OPT_CONFIG_DEFAULT, OnConfigureDefaultClock)
END_MESSAGE_MAP()

COptionsPage::COptionsPage() : CPropertyPage(IDD)
{
    m_pClockWnd = NULL;
    m_nNewClockPos = 0;
    m_crBackground = RGB(0, 0, 0);
    m_bClockOnTop = FALSE;
    m_bLoadOnStartup = FALSE;
    m_bRunOverdue = FALSE;
    m_bAnimateIcon = FALSE;
    m_bUseLimit = FALSE;
    m_dtLimit = COleDateTime::GetCurrentTime();
    m_nAlarmTimeDisplay = -1;
    m_bEnableAlarmSys = FALSE;
    m_bVersCheckBeta = FALSE;
    m_nVersCheckInt = 0;
}

void COptionsPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OPT_LIMIT, m_ctlLimit);
    DDX_Control(pDX, IDC_OPT_NEWCLOCKPOS, m_cbNewClockPos);
    DDX_Control(pDX, IDC_OPT_BACKCOLOR, m_cbColor);
    DDX_Check(pDX, IDC_OPT_ONTOP, m_bClockOnTop);
    DDX_Check(pDX, IDC_OPT_STARTUP, m_bLoadOnStartup);
    DDX_CBString(pDX, IDC_OPT_LAYOUT, m_strLayout);
    DDX_Check(pDX, IDC_OPT_RUNOVERDUE, m_bRunOverdue);
    DDX_Check(pDX, IDC_OPT_ANIMATE, m_bAnimateIcon);
    DDX_Check(pDX, IDC_OPT_USELIMIT, m_bUseLimit);
    DDX_DateTimeCtrl(pDX, IDC_OPT_LIMIT, m_dtLimit);
    DDX_CBIndex(pDX, IDC_OPT_ALARMTIME, m_nAlarmTimeDisplay);
    DDX_Check(pDX, IDC_OPT_ENABLEALARMS, m_bEnableAlarmSys);
    DDX_Check(pDX, IDC_OPT_VERSBETA, m_bVersCheckBeta);
    DDX_Text(pDX, IDC_OPT_VERSINT, m_nVersCheckInt);
    DDV_MinMaxInt(pDX, m_nVersCheckInt, 0, 31);
}

BOOL COptionsPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    CComboBox* pLayout = (CComboBox*)GetDlgItem(IDC_OPT_LAYOUT);
    pLayout->AddString(_T("Vertical"));
    pLayout->AddString(_T("Horizontal"));
    CComboBox* pAlarmTime = (CComboBox*)GetDlgItem(IDC_OPT_ALARMTIME);
    pAlarmTime->AddString(_T("Windows default format"));
    pAlarmTime->AddString(_T("24 hour clock format"));
    pAlarmTime->AddString(_T("12 hour clock format"));
    m_cbNewClockPos.AddString(_T("Start"));
    m_cbNewClockPos.AddString(_T("Middle"));
    m_cbNewClockPos.AddString(_T("End"));
    CWnd* pSpin = GetDlgItem(IDC_OPT_VERSINT_SPIN);
    if (pSpin != NULL)
        pSpin->SendMessage(UDM_SETRANGE32, 0, 31);

    m_cbColor.FillColors();
    m_cbColor.SelectColor(m_crBackground);
    m_cbNewClockPos.SetCurSel(m_nNewClockPos);
    COleDateTime dtMin(1899, 12, 30, 0, 0, 0);
    COleDateTime dtMax(1899, 12, 30, 23, 59, 59);
    m_ctlLimit.SetRange(&dtMin, &dtMax);
    m_ctlLimit.SetFormat(_T("HH:mm:ss"));
    UpdateData(FALSE);
    EnableOverdueLimit();
    return TRUE;
}

void COptionsPage::EnableOverdueLimit()
{
    BOOL bRun = ((CButton*)GetDlgItem(IDC_OPT_RUNOVERDUE))->GetCheck() == BST_CHECKED;
    GetDlgItem(IDC_OPT_USELIMIT)->EnableWindow(bRun);
    GetDlgItem(IDC_OPT_LIMIT)->EnableWindow(bRun);
}

void COptionsPage::OnColorChange()
{
    m_crBackground = m_cbColor.GetSelectedColor();
}

void COptionsPage::OnPositionChange()
{
    m_nNewClockPos = m_cbNewClockPos.GetCurSel();
}

void COptionsPage::OnRunOverdue()
{
    EnableOverdueLimit();
}

void COptionsPage::OnLimitChange(NMHDR*, LRESULT* pResult)
{
    UpdateData(TRUE);
    *pResult = 0;
}

void COptionsPage::OnConfigureDefaultClock()
{
    // Owned by the sheet: the clock window stays disabled while the sheet runs.
    if (m_pClockWnd != NULL)
        m_pClockWnd->ConfigureDefaultClock(GetParent());
}
