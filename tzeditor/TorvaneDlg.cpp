#include "TorvaneDlg.h"

#include "EditTimezoneDlg.h"
#include "TorvaneApp.h"
#include "ZoneFile.h"
#include "ZoneRules.h"
#include "torvane/resource.h"

namespace
{
const UINT_PTR s_clockTimer = 2;
}

BEGIN_MESSAGE_MAP(CTorvaneDlg, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_WM_DESTROY()
ON_WM_TIMER()
ON_BN_CLICKED(IDC_NEW_TIMEZONE, OnNewTimezone)
ON_LBN_SELCHANGE(IDC_ZONE_LIST, OnSelchangeZoneList)
ON_LBN_DBLCLK(IDC_ZONE_LIST, OnDblclkZoneList)
ON_BN_CLICKED(IDC_EDIT_ZONE, OnEditZone)
ON_BN_CLICKED(IDC_DELETE_ZONE, OnDeleteZone)
ON_BN_CLICKED(IDC_SAVE_ZONES, OnSaveZones)
END_MESSAGE_MAP()

CTorvaneDlg::CTorvaneDlg(CWnd* pParent)
    : CDialog(IDD_TORVANE_DIALOG, pParent), m_pOwner(NULL), m_pApp(NULL), m_bModified(FALSE)
{
    memset(&m_workZone, 0, sizeof(m_workZone));
    memset(&m_clockZone, 0, sizeof(m_clockZone));
    m_hIcon = AfxGetApp() != NULL ? AfxGetApp()->LoadIcon(IDR_MAINFRAME)
                                  : ::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_MAINFRAME));
}

CTorvaneDlg::~CTorvaneDlg()
{
    DeleteZones(m_zones);
}

void CTorvaneDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ZONE_LIST, m_zoneList);
    DDX_Text(pDX, IDC_ZONE_TIME, m_strTime);
    DDX_Text(pDX, IDC_ZONE_DATE, m_strDate);
    DDX_Text(pDX, IDC_DAYLIGHT_RULE, m_strDaylightRule);
    DDX_Text(pDX, IDC_STANDARD_RULE, m_strStandardRule);
    DDX_Text(pDX, IDC_ZONE_COUNT, m_strCount);
}

BOOL CTorvaneDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    CMenu* pSysMenu = GetSystemMenu(FALSE);
    if (pSysMenu != NULL)
    {
        CString strAbout;
        strAbout.LoadString(IDS_ABOUTBOX);
        if (!strAbout.IsEmpty())
        {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAbout);
        }
    }
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    m_pOwner = this;
    CString strModule;
    if (m_pApp != NULL)
        strModule = m_pApp->GetModulePath();
    if (strModule.IsEmpty())
    {
        // A program without a version block still knows where it lives.
        TCHAR szPath[MAX_PATH];
        DWORD n = ::GetModuleFileName(AfxGetInstanceHandle(), szPath, MAX_PATH);
        if (n > 0 && n < MAX_PATH)
            strModule = szPath;
    }
    m_strFolder = strModule.Left(strModule.ReverseFind(_T('\\')) + 1);
    m_strDataPath = m_strFolder + _T("VelmoraTZ");

    TIME_ZONE_INFORMATION local;
    memset(&local, 0, sizeof(local));
    ::GetTimeZoneInformation(&local);
    ToEditorConvention(local);
    m_clockZone = local;

    LoadZones();
    AddLocalZoneIfEmpty(local);
    UpdateRuleTexts();
    RefillList();
    m_zoneList.SetCurSel(0);
    SetTimer(s_clockTimer, 1000, NULL);
    UpdateData(FALSE);
    return TRUE;
}

void CTorvaneDlg::AddLocalZoneIfEmpty(const TIME_ZONE_INFORMATION& local)
{
    if (m_zones.GetSize() != 0)
        return;
    CTimeZoneInfo* pZone = AddZone();
    m_strDefaultName = _T("(Local Time)");
    pZone->m_tzi = local;
    pZone->SetName(m_strDefaultName);
    m_clockZone = local;
}

void CTorvaneDlg::ReloadZones()
{
    TIME_ZONE_INFORMATION local;
    memset(&local, 0, sizeof(local));
    ::GetTimeZoneInformation(&local);
    ToEditorConvention(local);
    // The clock keeps the zone it shows; only an empty list brings back the computer's own.
    TIME_ZONE_INFORMATION clockZone = m_clockZone;
    CString strSelected = CurrentRowText();
    DeleteZones(m_zones);
    LoadZones();
    AddLocalZoneIfEmpty(local);
    m_clockZone = clockZone;
    m_bModified = FALSE;
    RefillList();
    // The row that was selected stays selected when the file still has a zone of that name.
    int index = strSelected.IsEmpty() ? -1 : FindZone(strSelected);
    if (index >= 0)
    {
        SelectZoneRow((CTimeZoneInfo*)m_zones.GetAt(index));
        FollowCurrentRow();
    }
}

BOOL CTorvaneDlg::LoadZones()
{
    // Taken before the read: should the file change in between, the next save asks first.
    m_stamp.Take(m_strDataPath);
    CException* pError = NULL;
    INT_PTR nBefore = m_zones.GetSize();
    switch (LoadZoneFileUpToDamage(m_strDataPath, m_zones, &pError))
    {
    case zoneFileMissing:
        AfxMessageBox(_T("Velmora Timezone file not found"), MB_ICONEXCLAMATION);
        return FALSE;
    case zoneFileFailed:
        if (pError != NULL)
        {
            pError->ReportError();
            pError->Delete();
        }
        AfxMessageBox(UnreadZoneFileMessage(m_zones.GetSize() - nBefore), MB_ICONEXCLAMATION);
        return FALSE;
    default:
        return TRUE;
    }
}

BOOL CTorvaneDlg::ReadZones()
{
    CException* pError = NULL;
    if (LoadZoneFile(m_strDataPath, m_zones, &pError) == zoneFileLoaded)
        return TRUE;
    if (pError != NULL)
        pError->Delete();
    return FALSE;
}

BOOL CTorvaneDlg::SaveZones(BOOL bClosing)
{
    CZoneFileStamp current;
    current.Take(m_strDataPath);
    if (!current.IsSameAs(m_stamp))
    {
        switch (AfxMessageBox(_T("The Velmora Timezone file has been changed by another program since this ")
                              _T("list was read, and saving now would undo those changes.\n\n")
                              _T("Yes: reload the file; the changes made here are lost.\n")
                              _T("No: save this list over the file.\n")
                              _T("Cancel: do not save now."),
                              MB_YESNOCANCEL | MB_ICONEXCLAMATION))
        {
        case IDYES:
            ReloadZones();
            // The window was to close after the save: it stays, and the user must know that
            // neither happened.
            if (bClosing)
                AfxMessageBox(_T("The list has been read again from the Velmora Timezone file, as the other ")
                              _T("program left it. Nothing was saved, and Torvane stays open."),
                              MB_ICONINFORMATION);
            return FALSE;
        case IDNO:
            break;
        default:
            return FALSE;
        }
    }
    CException* pError = NULL;
    if (!SaveZoneFile(m_strDataPath, m_zones, &pError, &m_stamp))
    {
        if (pError != NULL)
        {
            pError->ReportError();
            pError->Delete();
        }
        return FALSE;
    }
    m_bModified = FALSE;
    return TRUE;
}

CTimeZoneInfo* CTorvaneDlg::AddZone()
{
    CTimeZoneInfo* pZone = new CTimeZoneInfo;
    m_zones.Add(pZone);
    return pZone;
}

int CTorvaneDlg::FindZone(LPCTSTR lpszName) const
{
    return FindZoneByName(m_zones, lpszName);
}

void CTorvaneDlg::RefillList()
{
    // The rows stay where the user was looking, as far as the list still reaches.
    int top = m_zoneList.GetTopIndex();
    m_zoneList.ResetContent();
    int cxWidest = 0;
    {
        CClientDC dc(&m_zoneList);
        CFont* pFont = m_zoneList.GetFont();
        CFont* pOldFont = pFont != NULL ? dc.SelectObject(pFont) : NULL;
        for (INT_PTR i = 0; i < m_zones.GetSize(); i++)
        {
            CString strName = ((CTimeZoneInfo*)m_zones.GetAt(i))->GetName();
            m_zoneList.AddString(strName);
            int cx = dc.GetTextExtent(strName).cx;
            if (cx > cxWidest)
                cxWidest = cx;
        }
        if (pOldFont != NULL)
            dc.SelectObject(pOldFont);
    }
    // The list draws its rows a few pixels in from its edge; the extent covers that too, so the
    // longest name can be scrolled to its last letter.
    m_zoneList.SetHorizontalExtent(cxWidest > 0 ? cxWidest + 2 * ::GetSystemMetrics(SM_CXEDGE) + 2 : 0);
    if (top != LB_ERR && top > 0 && m_zoneList.GetCount() > 0)
        m_zoneList.SetTopIndex(top < m_zoneList.GetCount() ? top : m_zoneList.GetCount() - 1);
    m_strCount.Format(_T("Total Timezones:%d"), GetZoneCount());
    UpdateData(FALSE);
    Invalidate(TRUE);
}

BOOL CTorvaneDlg::IsNameTaken(LPCTSTR lpszName, const CTimeZoneInfo* pZone) const
{
    for (INT_PTR i = 0; i < m_zones.GetSize(); i++)
    {
        const CTimeZoneInfo* pOther = (const CTimeZoneInfo*)m_zones.GetAt(i);
        if (pOther != pZone && pOther != NULL && pOther->m_strName == lpszName)
            return TRUE;
    }
    return FALSE;
}

BOOL CTorvaneDlg::EditZone(CTimeZoneInfo* pZone, BOOL bNew)
{
    CEditTimezoneDlg dlg(this);
    dlg.m_pOwner = m_pOwner != NULL ? m_pOwner : this;
    dlg.m_pZone = pZone;
    dlg.m_bNewZone = bNew;
    m_workZone = pZone->m_tzi;
    dlg.m_strDisplayName = pZone->GetName();
    SplitMinutes(m_workZone.Bias, dlg.m_nOffsetHours, dlg.m_nOffsetMinutes);
    SplitMinutes(m_workZone.DaylightBias, dlg.m_nDaylightHours, dlg.m_nDaylightMinutes);
    dlg.m_strStandardName = ZoneNameFromWide(m_workZone.StandardName);
    dlg.m_strDaylightName = ZoneNameFromWide(m_workZone.DaylightName);
    dlg.m_bUseDaylight = m_workZone.DaylightDate.wMonth != 0;
    if (dlg.DoModal() != IDOK)
        return FALSE;

    pZone->SetName(dlg.m_strDisplayName);
    m_workZone.Bias = JoinMinutes(dlg.m_nOffsetHours, dlg.m_nOffsetMinutes);
    m_workZone.DaylightBias = JoinMinutes(dlg.m_nDaylightHours, dlg.m_nDaylightMinutes);
    ZoneNameToWide(dlg.m_strStandardName, m_workZone.StandardName);
    ZoneNameToWide(dlg.m_strDaylightName, m_workZone.DaylightName);
    pZone->m_tzi = m_workZone;
    m_clockZone = m_workZone;
    m_bModified = TRUE;
    UpdateRuleTexts();
    RefillList();
    return TRUE;
}

void CTorvaneDlg::UpdateRuleTexts()
{
    m_strDaylightRule = DescribeTransition(m_clockZone.DaylightDate);
    m_strStandardRule = DescribeTransition(m_clockZone.StandardDate);
    UpdateData(FALSE);
}

CString CTorvaneDlg::DescribeTransition(const SYSTEMTIME& date)
{
    return ::DescribeTransition(date);
}

COleDateTime CTorvaneDlg::ZoneTimeNow(const TIME_ZONE_INFORMATION& zone, const SYSTEMTIME& utc)
{
    return ::ZoneTimeNow(zone, utc);
}

void CTorvaneDlg::OnOK()
{
    // A save that failed has been reported; closing anyway would lose the list.
    if (!SaveZones(TRUE))
        return;
    CDialog::OnOK();
}

void CTorvaneDlg::OnCancel()
{
    if (m_bModified)
    {
        switch (
            AfxMessageBox(_T("The timezone list has changed. Save the changes to the Velmora Timezone file?"),
                          MB_YESNOCANCEL | MB_ICONQUESTION))
        {
        case IDYES:
            if (!SaveZones(TRUE))
                return;
            break;
        case IDNO:
            break;
        default:
            return;
        }
    }
    CDialog::OnCancel();
}

void CTorvaneDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX)
    {
        CTorvaneAboutDlg dlgAbout;
        dlgAbout.DoModal();
    }
    else
    {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CTorvaneDlg::OnPaint()
{
    if (IsIconic())
    {
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, (WPARAM)dc.GetSafeHdc(), 0);
        int cxIcon = GetSystemMetrics(SM_CXICON);
        int cyIcon = GetSystemMetrics(SM_CYICON);
        CRect rect;
        GetClientRect(&rect);
        int x = (rect.Width() - cxIcon + 1) / 2;
        int y = (rect.Height() - cyIcon + 1) / 2;
        dc.DrawIcon(x, y, m_hIcon);
    }
    else
    {
        CDialog::OnPaint();
    }
}

HCURSOR CTorvaneDlg::OnQueryDragIcon()
{
    return (HCURSOR)m_hIcon;
}

void CTorvaneDlg::OnDestroy()
{
    // Closing never writes: the list reaches the file only through a save the user asked for.
    CDialog::OnDestroy();
}

void CTorvaneDlg::OnTimer(UINT_PTR nIDEvent)
{
    SYSTEMTIME utc;
    ::GetSystemTime(&utc);
    COleDateTime now = ZoneTimeNow(m_clockZone, utc);
    m_strTime = now.Format(_T("%H:%M:%S %p"));
    m_strDate = now.Format(_T("%A %d %B %Y"));
    UpdateData(FALSE);
    CDialog::OnTimer(nIDEvent);
}

CString CTorvaneDlg::CurrentRowText()
{
    CString text;
    int row = m_zoneList.GetCurSel();
    if (row != LB_ERR)
        m_zoneList.GetText(row, text);
    return text;
}

CTimeZoneInfo* CTorvaneDlg::CurrentZone()
{
    if (m_zoneList.GetCurSel() == LB_ERR)
        return NULL;
    int index = FindZone(CurrentRowText());
    return index >= 0 ? (CTimeZoneInfo*)m_zones.GetAt(index) : NULL;
}

void CTorvaneDlg::SelectZoneRow(const CTimeZoneInfo* pZone)
{
    // Compared byte for byte, as rows are found: the list's own search ignores case.
    int row = LB_ERR;
    for (int i = 0; pZone != NULL && i < m_zoneList.GetCount(); i++)
    {
        CString text;
        m_zoneList.GetText(i, text);
        if (text == pZone->m_strName)
        {
            row = i;
            break;
        }
    }
    m_zoneList.SetCurSel(row);
}

void CTorvaneDlg::FollowCurrentRow()
{
    CTimeZoneInfo* pZone = CurrentZone();
    if (pZone == NULL)
        return;
    m_clockZone = pZone->m_tzi;
    UpdateRuleTexts();
}

void CTorvaneDlg::OnNewTimezone()
{
    CTimeZoneInfo* pSelected = CurrentZone();
    CTimeZoneInfo* pZone = AddZone();
    BOOL bAdded = EditZone(pZone, TRUE);
    if (!bAdded)
    {
        m_zones.RemoveAt(m_zones.GetSize() - 1);
        delete pZone;
    }
    RefillList();
    // The new zone is where the user looks next; a cancelled one leaves the place as it was.
    SelectZoneRow(bAdded ? pZone : pSelected);
}

void CTorvaneDlg::OnSelchangeZoneList()
{
    FollowCurrentRow();
}

void CTorvaneDlg::OnDblclkZoneList()
{
    OnEditZone();
}

void CTorvaneDlg::OnEditZone()
{
    if (m_zoneList.GetCurSel() == LB_ERR)
        return;
    int index = FindZone(CurrentRowText());
    if (index < 0)
        return;
    CTimeZoneInfo* pZone = (CTimeZoneInfo*)m_zones.GetAt(index);
    // The refilled list keeps the edited zone selected, so the next click acts on it again.
    if (EditZone(pZone))
        SelectZoneRow(pZone);
}

void CTorvaneDlg::OnDeleteZone()
{
    int row = m_zoneList.GetCurSel();
    if (row == LB_ERR)
        return;
    int index = FindZone(CurrentRowText());
    if (index >= 0)
    {
        CObject* pZone = m_zones.GetAt(index);
        m_zones.RemoveAt(index);
        delete pZone;
        m_bModified = TRUE;
    }
    RefillList();
    // The neighbour takes the deleted row's place (the one before it at the end of the list), and
    // the clock shows the zone that is selected.
    int count = m_zoneList.GetCount();
    if (count > 0)
    {
        m_zoneList.SetCurSel(row < count ? row : count - 1);
        FollowCurrentRow();
    }
}

void CTorvaneDlg::OnSaveZones()
{
    SaveZones();
}
