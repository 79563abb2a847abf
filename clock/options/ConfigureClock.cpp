// ConfigureClock.cpp: the "Set Timezone" page: the zone list from the time-zone data file, the
// daylight-saving check and a live preview of the selected zone's time.
#include "ConfigureClock.h"

#include <afxdisp.h>
#include <wchar.h>

#include "Clock.h"
#include "TimeZoneInfo.h"
#include "ZoneTime.h"
#include "velmora/resource.h"

IMPLEMENT_DYNCREATE(CConfigureClock, CPropertyPage)

BEGIN_MESSAGE_MAP(CConfigureClock, CPropertyPage)
ON_WM_TIMER()
ON_LBN_SELCHANGE(IDC_TZ_LIST, OnSelectZone)
ON_BN_CLICKED(IDC_TZ_DAYLIGHT, OnDaylightCheck)
END_MESSAGE_MAP()

// A zone's name field need not be terminated: at most its 32 units are converted.
static CString ZoneNameText(const WCHAR* pszName)
{
    int nUnits = (int)wcsnlen(pszName, 32);
    char sz[32 * 2 + 1];
    int n = ::WideCharToMultiByte(CP_ACP, 0, pszName, nUnits, sz, sizeof(sz) - 1, NULL, NULL);
    sz[n > 0 ? n : 0] = '\0';
    return CString(sz);
}

CConfigureClock::CConfigureClock() : CPropertyPage(IDD)
{
    m_bDaylight = FALSE;
    m_pClockWnd = NULL;
    m_pbReloadZone = NULL;
    m_bReset = FALSE;
    m_pPreviewWnd = NULL;
    m_pClock = NULL;
    m_nDateOrder = 0;
    memset(&m_tziSelected, 0, sizeof(m_tziSelected));
    memset(&m_tziBeforeClear, 0, sizeof(m_tziBeforeClear));
    m_bHaveBeforeClear = FALSE;
}

CConfigureClock::~CConfigureClock()
{
    FreeZones();
}

void CConfigureClock::FreeZones()
{
    for (int i = 0; i < m_arZones.GetSize(); i++)
        delete m_arZones.GetAt(i);
    m_arZones.RemoveAll();
}

void CConfigureClock::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TZ_LIST, m_lbZones);
    DDX_Text(pDX, IDC_TZ_TIME, m_strTime);
    DDX_Text(pDX, IDC_TZ_DATE, m_strDate);
    DDX_Text(pDX, IDC_TZ_NAME, m_strZoneName);
    DDX_Check(pDX, IDC_TZ_DAYLIGHT, m_bDaylight);
}

BOOL CConfigureClock::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_bReset = FALSE;

    LoadTimeZoneFile();
    FillZoneList();
    m_strZoneName = ZoneNameText(m_tziSelected.StandardName);
    SelectClockZone();
    SetTimer(PREVIEW_TIMER_ID, 1000, NULL);
    if (m_tziSelected.DaylightDate.wMonth == 0)
        m_bDaylight = FALSE;
    UpdateDaylightCheck();
    return TRUE;
}

// Selects the entry of the selected name, whole and exact; a name that is not in the file leaves
// the list without selection and the clock with its zone.
void CConfigureClock::SelectClockZone()
{
    if (m_lbZones.GetSafeHwnd() == NULL)
        return;
    BOOL bClockHadRules = m_tziSelected.DaylightDate.wMonth != 0;
    int nIndex = m_lbZones.FindStringExact(-1, m_strSelectedName);
    if (nIndex == LB_ERR)
        return;
    m_lbZones.SetCurSel(nIndex);
    if (!SelectListedZone())
        return;
    // A clock of a listed zone with daylight rules whose own zone has none was set to keep
    // standard time all year: opening the page must not quietly give it the rules back.
    if (!bClockHadRules && m_tziSelected.DaylightDate.wMonth != 0)
        ClearDaylightRules();
}

// Takes the daylight rules out of the selected zone and the clock, keeping the zone as it was so
// that setting the check again can bring them back.
void CConfigureClock::ClearDaylightRules()
{
    if (m_tziSelected.DaylightDate.wMonth != 0)
    {
        m_tziBeforeClear = m_tziSelected;
        m_bHaveBeforeClear = TRUE;
    }
    m_tziSelected.StandardDate.wMonth = 0;
    m_tziSelected.DaylightDate.wMonth = 0;
    if (m_pClock != NULL)
        m_pClock->m_tzi = m_tziSelected;
    UpdateDaylightCheck();
}

BOOL CConfigureClock::LoadTimeZoneFile()
{
    FreeZones();
    if (::GetFileAttributes(m_strTZFile) == INVALID_FILE_ATTRIBUTES)
    {
        CString strMsg = m_strTZFile;
        strMsg +=
            _T("\nVelmora Timezone file 'VelmoraTZ' is missing\n"
               "Until it is replaced in the 'Velmora' folder you will not be able to change Time Zones.\n"
               "Please contact Quendra Labs if you need a replacement file.");
        AfxMessageBox(strMsg, MB_OK);
        return FALSE;
    }

    // A damaged file is reported and shows no zones at all rather than the part read before the
    // damage, which would look like a whole list.
    CException* pError = NULL;
    if (!CTimeZoneInfo::ReadZoneFile(m_strTZFile, m_arZones, &pError))
    {
        if (pError != NULL)
        {
            pError->ReportError();
            pError->Delete();
        }
        FreeZones();
        return FALSE;
    }
    return TRUE;
}

void CConfigureClock::FillZoneList()
{
    if (m_lbZones.GetSafeHwnd() == NULL)
        return;
    m_lbZones.ResetContent();
    for (int i = 0; i < m_arZones.GetSize(); i++)
        m_lbZones.AddString(((CTimeZoneInfo*)m_arZones.GetAt(i))->m_strName);
}

void CConfigureClock::OnSelectZone()
{
    SelectListedZone();
}

// Takes the zone of the selected list entry into the page and the clock; FALSE when no entry is
// selected or its name is not among the loaded zones.
BOOL CConfigureClock::SelectListedZone()
{
    if (m_lbZones.GetSafeHwnd() == NULL)
        return FALSE;
    int nSel = m_lbZones.GetCurSel();
    if (nSel == LB_ERR)
        return FALSE;
    CString strName;
    m_lbZones.GetText(nSel, strName);

    CTimeZoneInfo* pFound = NULL;
    for (int i = 0; i < m_arZones.GetSize() && pFound == NULL; i++)
    {
        CTimeZoneInfo* pZone = (CTimeZoneInfo*)m_arZones.GetAt(i);
        if (pZone->m_strName == strName)
            pFound = pZone;
    }
    if (pFound == NULL)
        return FALSE;

    m_tziSelected = pFound->m_tzi;
    m_bHaveBeforeClear = FALSE;
    m_strSelectedName = strName;
    if (m_pClock != NULL)
    {
        m_pClock->m_tzi = m_tziSelected;
        m_pClock->m_strDisplayName = strName;
    }
    UpdateDaylightCheck();
    if (m_pPreviewWnd != NULL && m_pPreviewWnd->GetSafeHwnd() != NULL)
        m_pPreviewWnd->InvalidateRect(NULL, TRUE);
    return TRUE;
}

void CConfigureClock::UpdateDaylightCheck()
{
    m_strZoneName = ZoneNameText(m_tziSelected.StandardName);
    BOOL bHasRule = m_tziSelected.DaylightDate.wMonth != 0;
    m_bDaylight = bHasRule;
    if (GetSafeHwnd() == NULL)
        return;
    // Rules the user took out stay within reach: the check stays enabled, clear.
    CWnd* pCheck = GetDlgItem(IDC_TZ_DAYLIGHT);
    if (pCheck != NULL)
        pCheck->EnableWindow(bHasRule || m_bHaveBeforeClear);
    UpdateData(FALSE);
}

void CConfigureClock::OnDaylightCheck()
{
    UpdateData(TRUE);
    if (m_bDaylight)
    {
        if (SelectListedZone())
            return;
        // A zone that is not in the file gets back the rules it had before the check was cleared;
        // otherwise the check would say daylight saving while the clock kept standard time.
        if (m_bHaveBeforeClear)
        {
            m_tziSelected = m_tziBeforeClear;
            m_bHaveBeforeClear = FALSE;
            if (m_pClock != NULL)
                m_pClock->m_tzi = m_tziSelected;
            if (m_pPreviewWnd != NULL && m_pPreviewWnd->GetSafeHwnd() != NULL)
                m_pPreviewWnd->InvalidateRect(NULL, TRUE);
        }
        return;
    }
    // Without rules the clock keeps standard time all year.
    ClearDaylightRules();
}

CString CConfigureClock::FormatPreviewTime(const COleDateTime& dt)
{
    return dt.Format(_T("%H:%M:%S %p"));
}

CString CConfigureClock::FormatPreviewDate(const COleDateTime& dt, int nDateOrder)
{
    return dt.Format(nDateOrder == 1 ? _T("%A. %d %b %Y") : _T("%A, %b %d, %Y"));
}

void CConfigureClock::OnTimer(UINT_PTR nIDEvent)
{
    SYSTEMTIME stUtc;
    ::GetSystemTime(&stUtc);
    COleDateTime dtLocal = GetZoneTime(m_tziSelected, stUtc);
    m_strTime = FormatPreviewTime(dtLocal);
    m_strDate = FormatPreviewDate(dtLocal, m_nDateOrder);
    UpdateData(FALSE);
}

BOOL CConfigureClock::OnApply()
{
    BOOL bResult = CPropertyPage::OnApply();
    if (bResult && m_pbReloadZone != NULL && *m_pbReloadZone && m_pClock != NULL)
    {
        m_tziSelected = m_pClock->m_tzi;
        m_bHaveBeforeClear = FALSE;
        m_strZoneName = ZoneNameText(m_tziSelected.StandardName);
        m_strSelectedName = m_pClock->m_strDisplayName;
        SelectClockZone();
        if (m_tziSelected.DaylightDate.wMonth == 0)
            m_bDaylight = FALSE;
        UpdateDaylightCheck();
        *m_pbReloadZone = FALSE;
        UpdateData(FALSE);
    }
    return bResult;
}

void CConfigureClock::OnClockReset()
{
    if (m_pClock == NULL)
        return;
    m_tziSelected = m_pClock->m_tzi;
    m_bHaveBeforeClear = FALSE;
    m_strZoneName = ZoneNameText(m_tziSelected.StandardName);
    m_bReset = TRUE;
}
