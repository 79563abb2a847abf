// OptionsPage.cpp: the "Clock" page of the options sheet.
#include "OptionsPage.h"

#include "Settings.h"
#include "velmora/resource.h"

namespace
{
// Times of day are kept on 1899-12-30, whatever date the picker or the registry gave.
COleDateTime TimeOfDay(const COleDateTime& dt)
{
    return COleDateTime(1899, 12, 30, dt.GetHour(), dt.GetMinute(), dt.GetSecond());
}
} // namespace

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
    m_pHost = NULL;
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

void COptionsPage::LoadFrom(const CSettings& s)
{
    m_nNewClockPos = s.m_nNewClockPos;
    m_crBackground = s.m_crBackgroundCol;
    m_bClockOnTop = s.m_bClockOnTop;
    m_bLoadOnStartup = s.m_bLoadOnStartup;
    m_strLayout = s.m_nClockLayout2 == 1 ? _T("Horizontal") : _T("Vertical");
    m_bRunOverdue = s.m_bRunOverdue;
    m_bAnimateIcon = s.m_bAnimateIcon;
    m_bUseLimit = s.m_bUseLimit;
    m_dtLimit = TimeOfDay(s.m_dtLimit);
    m_nAlarmTimeDisplay = s.m_nAlarmTimeDisplay;
    m_bEnableAlarmSys = s.m_bEnableAlarmSys;
    m_bVersCheckBeta = s.m_bVersCheckBeta;
    m_nVersCheckInt = s.m_nVersCheckInt;
}

void COptionsPage::SaveTo(CSettings& s) const
{
    s.m_nNewClockPos = m_nNewClockPos;
    s.m_bClockOnTop = m_bClockOnTop;
    s.m_bLoadOnStartup = m_bLoadOnStartup;
    s.m_bEnableAlarmSys = m_bEnableAlarmSys;
    if (m_strLayout == _T("Vertical"))
        s.m_nClockLayout2 = 0;
    else if (m_strLayout == _T("Horizontal"))
        s.m_nClockLayout2 = 1;
    else
        s.m_nClockLayout2 = s.m_nClockLayout2 == 1 ? 1 : 0;
    s.m_strClockLayout1 = s.m_nClockLayout2 == 1 ? _T("Horizontal") : _T("Vertical");
    s.m_crBackgroundCol = m_crBackground;
    s.m_bRunOverdue = m_bRunOverdue;
    s.m_bUseLimit = m_bUseLimit;
    s.m_dtLimit = TimeOfDay(m_dtLimit);
    s.m_bAnimateIcon = m_bAnimateIcon;
    s.m_nAlarmTimeDisplay = m_nAlarmTimeDisplay;
    s.m_bVersCheckBeta = m_bVersCheckBeta;
    s.m_nVersCheckInt = m_nVersCheckInt < 0 ? 7 : m_nVersCheckInt;
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
    if (m_pHost != NULL)
        m_pHost->ConfigureDefaultClock(GetParent());
}
