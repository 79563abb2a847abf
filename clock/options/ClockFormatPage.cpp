// ClockFormatPage.cpp: the format page: colours, font, standard or custom format, the element menu
// and the resets of one or all clocks.
#include "ClockFormatPage.h"

#include "AppMessages.h"
#include "Clock.h"
#include "ClockConfigDlg.h"
#include "velmora/resource.h"

IMPLEMENT_DYNCREATE(CClockFormatPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CClockFormatPage, CPropertyPage)
ON_BN_CLICKED(IDC_FMT_BACKCOLOR, OnBackColour)
ON_BN_CLICKED(IDC_FMT_TEXTCOLOR, OnTextColour)
ON_BN_CLICKED(IDC_FMT_FONT, OnFont)
ON_BN_CLICKED(IDC_FMT_24HOUR, On24Hour)
ON_BN_CLICKED(IDC_FMT_SECONDS, OnShowSeconds)
ON_BN_CLICKED(IDC_FMT_DAYOFWEEK, OnShowDayOfWeek)
ON_BN_CLICKED(IDC_FMT_DATE, OnShowDate)
ON_BN_CLICKED(IDC_FMT_STANDARD, OnFormatType)
ON_BN_CLICKED(IDC_FMT_CUSTOM, OnFormatType)
ON_EN_CHANGE(IDC_FMT_TEMPLATE, OnTemplateChange)
ON_CBN_SELCHANGE(IDC_FMT_ALIGN, OnAlignChange)
ON_BN_CLICKED(IDC_FMT_SHOWBIAS, OnShowBias)
ON_BN_CLICKED(IDC_FMT_FULLNAME, OnFullName)
ON_BN_CLICKED(IDC_FMT_ELEMENTS, OnFormatElements)
ON_BN_CLICKED(IDC_FMT_RESET_SELECTED, OnResetSelected)
ON_BN_CLICKED(IDC_FMT_RESET_ALL, OnResetAll)
END_MESSAGE_MAP()

void CopyDefaults(const CClock& s, CClock& t, int nChoice)
{
    if (nChoice == RESET_FORMAT || nChoice == RESET_BOTH)
    {
        t.m_b24Hour = s.m_b24Hour;
        t.m_crBackground = s.m_crBackground;
        t.m_lfFont = s.m_lfFont;
        t.m_strTemplate = s.m_strTemplate;
        t.m_nClockType = s.m_nClockType;
        t.m_bDisplayMessage = s.m_bDisplayMessage;
        t.m_strSoundName = s.m_strSoundName;
        t.m_nFormatType = s.m_nFormatType;
        t.m_bFullZoneName = s.m_bFullZoneName;
        t.m_strMessage = s.m_strMessage;
        t.m_bMessageToSpeak = s.m_bMessageToSpeak;
        t.m_bPlaySound = s.m_bPlaySound;
        t.m_bShowBias = s.m_bShowBias;
        t.m_bShowDate = s.m_bShowDate;
        t.m_bShowDayOfWeek = s.m_bShowDayOfWeek;
        t.m_bShowSeconds = s.m_bShowSeconds;
        t.m_dtTargetTime = s.m_dtTargetTime;
        t.m_crText = s.m_crText;
        t.m_nTextLayout = s.m_nTextLayout;
        t.m_tsInterval = s.m_tsInterval;
        t.m_tsRemaining = s.m_tsRemaining;
        t.m_strTimerName = s.m_strTimerName;
        t.m_nTimerState = s.m_nTimerState;
    }
    if (nChoice == RESET_ZONE || nChoice == RESET_BOTH)
    {
        t.m_tzi = s.m_tzi;
        t.m_strDisplayName = s.m_strDisplayName;
    }
}

namespace
{
struct ELEMENTTEXT
{
    UINT nID;
    LPCTSTR pszText;
};
const ELEMENTTEXT kElements[] = {
    {32824, _T("dddd, dd MMM yyyy")},
    {32832, _T("ddd, MMMM dd, yyyy")},
    {32826, _T("dd-MMM-yy")},
    {32827, _T("MM/dd/yyyy")},
    {32828, _T("dd/MM/yyyy")},
    {32829, _T("HH:mm:ss")},
    {32830, _T("hh:mm:ss tt")},
    {32831, _T("h.mm t")},
    {32833, _T("d")},
    {32834, _T("dd")},
    {32835, _T("ddd")},
    {32836, _T("dddd")},
    {32837, _T("M")},
    {32838, _T("MM")},
    {32839, _T("MMM")},
    {32840, _T("MMMM")},
    {32841, _T("yy")},
    {32842, _T("yyyy")},
    {32843, _T("w")},
    {32844, _T("ww")},
    {32845, _T("D")},
    {32846, _T("DD")},
    {32847, _T("h")},
    {32848, _T("hh")},
    {32849, _T("H")},
    {32850, _T("HH")},
    {32851, _T("m")},
    {32852, _T("mm")},
    {32853, _T("s")},
    {32854, _T("ss")},
    {32855, _T("t")},
    {32856, _T("tt")},
    {32857, _T("z")},
    {32858, _T("zz")},
    {32859, _T("ZZ")},
    {32860, _T("'")},
    {32861, _T("|")},
    {32862, _T("~")},
};
} // namespace

CClockFormatPage::CClockFormatPage() : CPropertyPage(IDD)
{
    m_bDefaultMode = FALSE;
    m_pResetSource = NULL;
    m_pClocks = NULL;
    m_pbReloadZone = NULL;
    m_pRepaint = NULL;
    m_pNotify = NULL;
    m_pBackup = NULL;
    m_pClock = NULL;
    memset(&m_lfFont, 0, sizeof(m_lfFont));
    m_crText = 0;
    m_crBackground = 0;
    m_b24Hour = FALSE;
    m_bShowDate = FALSE;
    m_bShowDayOfWeek = FALSE;
    m_bShowSeconds = FALSE;
    m_nFormatType = 0;
    m_nTextLayout = 1;
    m_bShowBias = FALSE;
    m_bFullName = FALSE;
    m_nResetChoice = 0;
    m_bLoading = FALSE;
}

LPCTSTR CClockFormatPage::ElementText(UINT nID)
{
    for (size_t i = 0; i < sizeof(kElements) / sizeof(kElements[0]); i++)
        if (kElements[i].nID == nID)
            return kElements[i].pszText;
    return NULL;
}

void CClockFormatPage::LoadFromClock()
{
    if (m_pClock == NULL)
        return;
    const CClock& c = *m_pClock;
    m_crBackground = c.m_crBackground;
    m_crText = c.m_crText;
    m_lfFont = c.m_lfFont;
    m_b24Hour = c.m_b24Hour;
    m_bShowDate = c.m_bShowDate;
    m_bShowDayOfWeek = c.m_bShowDayOfWeek;
    m_bShowSeconds = c.m_bShowSeconds;
    m_nFormatType = c.m_nFormatType == FORMATTYPE_CUSTOM ? 1 : 0;
    m_strTemplate = c.m_strTemplate;
    m_nTextLayout = (c.m_nTextLayout >= 0 && c.m_nTextLayout <= 2) ? c.m_nTextLayout : 1;
    m_bShowBias = c.m_bShowBias;
    m_bFullName = c.m_bFullZoneName;
}

void CClockFormatPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FMT_TEMPLATE, m_editTemplate);
    DDX_Control(pDX, IDC_FMT_ELEMENTS, m_btnElements);
    DDX_Check(pDX, IDC_FMT_24HOUR, m_b24Hour);
    DDX_Check(pDX, IDC_FMT_DATE, m_bShowDate);
    DDX_Check(pDX, IDC_FMT_DAYOFWEEK, m_bShowDayOfWeek);
    DDX_Check(pDX, IDC_FMT_SECONDS, m_bShowSeconds);
    DDX_Radio(pDX, IDC_FMT_STANDARD, m_nFormatType);
    DDX_Text(pDX, IDC_FMT_TEMPLATE, m_strTemplate);
    DDX_CBIndex(pDX, IDC_FMT_ALIGN, m_nTextLayout);
    DDX_Check(pDX, IDC_FMT_SHOWBIAS, m_bShowBias);
    DDX_Check(pDX, IDC_FMT_FULLNAME, m_bFullName);
    DDX_Radio(pDX, IDC_FMT_RESET_FORMAT, m_nResetChoice);
}

BOOL CClockFormatPage::OnInitDialog()
{
    m_bLoading = TRUE;
    CPropertyPage::OnInitDialog();
    CComboBox* pAlign = (CComboBox*)GetDlgItem(IDC_FMT_ALIGN);
    if (pAlign != NULL)
    {
        pAlign->AddString(_T("Left"));
        pAlign->AddString(_T("Centered"));
        pAlign->AddString(_T("Right"));
    }
    m_nResetChoice = 0;
    UpdateData(FALSE);
    if (m_bDefaultMode)
    {
        GetDlgItem(IDC_FMT_RESET_ALL)->EnableWindow(FALSE);
        GetDlgItem(IDC_FMT_RESET_SELECTED)->SetWindowText(_T("Reset Default"));
    }
    EnableControls();
    m_bLoading = FALSE;
    return TRUE;
}

void CClockFormatPage::EnableControls()
{
    if (GetSafeHwnd() == NULL)
        return;
    BOOL bStandard = m_nFormatType == 0;
    GetDlgItem(IDC_FMT_24HOUR)->EnableWindow(bStandard);
    GetDlgItem(IDC_FMT_DATE)->EnableWindow(bStandard);
    GetDlgItem(IDC_FMT_DAYOFWEEK)->EnableWindow(bStandard && m_bShowDate);
    GetDlgItem(IDC_FMT_SECONDS)->EnableWindow(bStandard);
    GetDlgItem(IDC_FMT_SHOWBIAS)->EnableWindow(bStandard);
    GetDlgItem(IDC_FMT_FULLNAME)->EnableWindow(bStandard && m_bShowBias);
    GetDlgItem(IDC_FMT_TEMPLATE_LABEL)->EnableWindow(!bStandard);
    GetDlgItem(IDC_FMT_TEMPLATE)->EnableWindow(!bStandard);
    GetDlgItem(IDC_FMT_ALIGN_LABEL)->EnableWindow(!bStandard);
    GetDlgItem(IDC_FMT_ALIGN)->EnableWindow(!bStandard);
    GetDlgItem(IDC_FMT_ELEMENTS)->EnableWindow(!bStandard);
}

void CClockFormatPage::Changed()
{
    if (m_pRepaint != NULL && m_pRepaint->GetSafeHwnd() != NULL)
        m_pRepaint->InvalidateRect(NULL, TRUE);
}

void CClockFormatPage::OnBackColour()
{
    CColorDialog dlg(m_crBackground, CC_RGBINIT | CC_FULLOPEN, this);
    if (dlg.DoModal() != IDOK)
        return;
    m_crBackground = dlg.GetColor();
    if (m_pClock != NULL)
        m_pClock->m_crBackground = m_crBackground;
    Changed();
}

void CClockFormatPage::OnTextColour()
{
    CColorDialog dlg(m_crText, CC_RGBINIT, this);
    if (dlg.DoModal() != IDOK)
        return;
    m_crText = dlg.GetColor();
    if (m_pClock != NULL)
        m_pClock->m_crText = m_crText;
    Changed();
}

void CClockFormatPage::OnFont()
{
    CFontDialog dlg(&m_lfFont, CF_SCREENFONTS | CF_EFFECTS, NULL, this);
    if (dlg.DoModal() != IDOK)
        return;
    dlg.GetCurrentFont(&m_lfFont);
    if (m_pClock != NULL)
        m_pClock->m_lfFont = m_lfFont;
    Changed();
}

void CClockFormatPage::On24Hour()
{
    UpdateData(TRUE);
    if (m_pClock != NULL)
        m_pClock->m_b24Hour = m_b24Hour;
    Changed();
}

void CClockFormatPage::OnShowSeconds()
{
    UpdateData(TRUE);
    if (m_pClock != NULL)
        m_pClock->m_bShowSeconds = m_bShowSeconds;
    Changed();
}

void CClockFormatPage::OnShowDayOfWeek()
{
    UpdateData(TRUE);
    if (m_pClock != NULL)
        m_pClock->m_bShowDayOfWeek = m_bShowDayOfWeek;
    Changed();
}

void CClockFormatPage::OnShowDate()
{
    UpdateData(TRUE);
    if (m_pClock != NULL)
        m_pClock->m_bShowDate = m_bShowDate;
    EnableControls();
    Changed();
}

void CClockFormatPage::OnFormatType()
{
    UpdateData(TRUE);
    if (m_pClock != NULL)
        m_pClock->m_nFormatType = m_nFormatType;
    EnableControls();
    Changed();
}

void CClockFormatPage::OnTemplateChange()
{
    if (m_bLoading || m_editTemplate.GetSafeHwnd() == NULL)
        return;
    m_editTemplate.GetWindowText(m_strTemplate);
    if (m_pClock != NULL)
        m_pClock->m_strTemplate = m_strTemplate;
    Changed();
}

void CClockFormatPage::OnAlignChange()
{
    UpdateData(TRUE);
    if (m_pClock != NULL)
        m_pClock->m_nTextLayout = m_nTextLayout;
    Changed();
}

void CClockFormatPage::OnShowBias()
{
    UpdateData(TRUE);
    if (m_pClock != NULL)
        m_pClock->m_bShowBias = m_bShowBias;
    EnableControls();
    Changed();
}

void CClockFormatPage::OnFullName()
{
    UpdateData(TRUE);
    if (m_pClock != NULL)
        m_pClock->m_bFullZoneName = m_bFullName;
    Changed();
}

void CClockFormatPage::InsertElement(UINT nID)
{
    LPCTSTR pszText = ElementText(nID);
    if (pszText == NULL || m_editTemplate.GetSafeHwnd() == NULL)
        return;
    // The edit's change notification carries the new template into the clock.
    m_editTemplate.SendMessage(EM_REPLACESEL, TRUE, (LPARAM)pszText);
}

void CClockFormatPage::OnFormatElements()
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_FORMAT_ELEMENTS))
        return;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (pPopup == NULL)
        return;
    WINDOWPLACEMENT wp;
    wp.length = sizeof(wp);
    m_btnElements.GetWindowPlacement(&wp);
    CPoint pt(wp.rcNormalPosition.left, wp.rcNormalPosition.bottom - 1);
    ClientToScreen(&pt);
    UINT nID = (UINT)pPopup->TrackPopupMenu(TPM_RETURNCMD | TPM_RIGHTBUTTON, pt.x, pt.y, this);
    menu.DestroyMenu();
    if (nID != 0)
        InsertElement(nID);
}

CString CClockFormatPage::ResetAllQuestion(int nChoice)
{
    CString str = _T("This will reset the ");
    if (nChoice == RESET_ZONE)
        str += _T("timezone used");
    else if (nChoice == RESET_BOTH)
        str += _T("format and timezone");
    else
        str += _T("display format");
    str += _T(" in all your clocks.\nAre you really sure you want to do this?");
    return str;
}

void CClockFormatPage::ResetClocks(BOOL bAll)
{
    UpdateData(TRUE);
    if (m_pClock == NULL || m_pResetSource == NULL)
        return;
    int nChoice = m_nResetChoice;
    if (bAll)
    {
        if (AfxMessageBox(ResetAllQuestion(nChoice), MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
        for (INT_PTR i = 0; m_pClocks != NULL && i < m_pClocks->GetSize(); i++)
        {
            CClock* pClock = (CClock*)m_pClocks->GetAt(i);
            if (pClock == NULL || pClock->m_nClockType != CLOCKTYPE_CLOCK || pClock == m_pResetSource)
                continue;
            if (m_pBackup != NULL)
                m_pBackup->Keep(pClock);
            CopyDefaults(*m_pResetSource, *pClock, nChoice);
        }
    }
    if (m_pBackup != NULL)
        m_pBackup->Keep(m_pClock);
    CopyDefaults(*m_pResetSource, *m_pClock, nChoice);
    if (m_pbReloadZone != NULL)
        *m_pbReloadZone = TRUE;
    if (m_pNotify != NULL && m_pNotify->GetSafeHwnd() != NULL)
        m_pNotify->SendMessage(WM_CLOCKRESET, 0, 0);
    Changed();

    m_bLoading = TRUE;
    LoadFromClock();
    if (GetSafeHwnd() != NULL)
        UpdateData(FALSE);
    m_bLoading = FALSE;
    EnableControls();
}

void CClockFormatPage::OnResetSelected()
{
    ResetClocks(FALSE);
}

void CClockFormatPage::OnResetAll()
{
    if (m_bDefaultMode)
        return;
    ResetClocks(TRUE);
}
