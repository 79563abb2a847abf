// CAlarmListDlg: the alarm array as a list, and the engine calls behind its buttons.
#include "AlarmListDlg.h"

#include "AlarmConfig.h"
#include "AlarmEngine.h"
#include "Alarms.h"
#include "PlatformServices.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CAlarmListDlg, CDialog)
ON_LBN_SELCHANGE(IDC_ALARM_LIST, OnSelChange)
ON_LBN_DBLCLK(IDC_ALARM_LIST, OnDblClk)
ON_BN_CLICKED(IDC_ALARM_NEW, OnNew)
ON_BN_CLICKED(IDC_ALARM_MODIFY, OnModify)
ON_BN_CLICKED(IDC_ALARM_DELETE, OnDelete)
ON_BN_CLICKED(IDC_ALARM_REPLICATE, OnReplicate)
ON_BN_CLICKED(IDC_ALARM_RUN_NOW, OnRunNow)
END_MESSAGE_MAP()

CAlarmListDlg::CAlarmListDlg(CAlarmEngine* pEngine, CWnd* pParent)
    : CDialog(IDD, pParent), m_pEngine(pEngine), m_pSoundOwner(NULL), m_bAgentInstalled(FALSE),
      m_nSelected(-1)
{
}

CString CAlarmListDlg::FormatLine(const CAlarms& alarm, BOOL bWillRing)
{
    // The name is the user's text: it is joined, never used as a format.
    CString strLine = alarm.m_strName;
    strLine += _T(" ");
    strLine += alarm.m_dtActivation.Format(_T("%#c "));
    if (!bWillRing)
        strLine += _T("(will not ring)");
    return strLine;
}

COleDateTime CAlarmListDlg::Now() const
{
    return GetLocalNow();
}

void CAlarmListDlg::ReportRefusal(LPCTSTR pszText)
{
    AfxMessageBox(pszText, MB_ICONEXCLAMATION);
}

INT_PTR CAlarmListDlg::RunSheet(CAlarmConfig& sheet)
{
    return sheet.DoModal();
}

CAlarms* CAlarmListDlg::AlarmOfLine(int nLine) const
{
    if (m_pEngine == NULL || nLine < 0 || nLine >= (int)m_lines.size())
        return NULL;
    return m_pEngine->FindAlarm(m_lines[nLine].first, m_lines[nLine].second);
}

BOOL CAlarmListDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    FillList();
    return TRUE;
}

void CAlarmListDlg::FillList()
{
    m_lines.clear();
    CListBox* pList = m_hWnd != NULL ? (CListBox*)GetDlgItem(IDC_ALARM_LIST) : NULL;
    if (pList != NULL)
        pList->ResetContent();
    int nCount = m_pEngine != NULL ? m_pEngine->GetAlarmCount() : 0;
    COleDateTime dtNow = Now();
    for (int i = 0; i < nCount; i++)
    {
        CAlarms* pAlarm = m_pEngine->GetAlarm(i);
        m_lines.push_back(std::make_pair(pAlarm->m_nId, pAlarm->m_tCreated));
        if (pList != NULL)
            pList->AddString(FormatLine(*pAlarm, m_pEngine->WillRing(pAlarm, dtNow)));
    }
    if (m_nSelected >= nCount)
        m_nSelected = -1;
    if (pList != NULL && m_nSelected >= 0)
        pList->SetCurSel(m_nSelected);
    EnableButtons();
}

void CAlarmListDlg::EnableButtons()
{
    if (m_hWnd == NULL)
        return;
    const UINT kIds[] = {IDC_ALARM_MODIFY, IDC_ALARM_DELETE, IDC_ALARM_REPLICATE, IDC_ALARM_RUN_NOW};
    for (UINT nID : kIds)
    {
        CWnd* p = GetDlgItem(nID);
        if (p != NULL)
            p->EnableWindow(m_nSelected >= 0);
    }
}

void CAlarmListDlg::PrepareSheet(CAlarmConfig& sheet, const CAlarms& alarm) const
{
    sheet.m_setup.m_strTimeFormat = m_strTimeFormat;
    sheet.m_setup.m_bAgentInstalled = m_bAgentInstalled;
    sheet.m_sound.m_pOwner = m_pSoundOwner;
    sheet.FillFromAlarm(alarm);
}

void CAlarmListDlg::NewAlarm()
{
    if (m_pEngine == NULL)
        return;
    // The sheet shows a new alarm's defaults; the alarm joins the array only on OK, so Cancel
    // leaves the list, the file and the next id as they were. Its default time is the moment it
    // opens, taken after this one.
    COleDateTime dtOpened = Now();
    CAlarms defaults;
    CAlarmConfig sheet(_T("Alarm Properties"), this);
    PrepareSheet(sheet, defaults);
    if (RunSheet(sheet) != IDOK)
        return;
    CAlarms* pAlarm = m_pEngine->NewAlarm();
    if (pAlarm == NULL)
        return;
    sheet.CopyToAlarm(*pAlarm, dtOpened);
    int nIndex = m_pEngine->GetAlarmCount() - 1;
    m_pEngine->SetAlarm(nIndex, pAlarm);
    m_nSelected = nIndex;
    FillList();
}

void CAlarmListDlg::ModifyAlarm(int nLine)
{
    CAlarms* pAlarm = AlarmOfLine(nLine);
    if (pAlarm == NULL)
        return;
    if (pAlarm->m_nState == ALARMSTATE_PROCESSING || m_pEngine->IsFiring(pAlarm))
    {
        ReportRefusal(_T("Cannot amend this alarm until it stops processing"));
        return;
    }
    LONG nId = pAlarm->m_nId, tCreated = pAlarm->m_tCreated;
    LONG nKeptState = pAlarm->m_nState;
    pAlarm->m_nState = ALARMSTATE_IDLE; // it cannot fire while it is being edited

    CAlarmConfig sheet(_T("Alarm Properties"), this);
    PrepareSheet(sheet, *pAlarm);
    COleDateTime dtOpened = Now();
    INT_PTR nResult = RunSheet(sheet);

    // The clock ran on meanwhile: take the alarm again by its identity.
    pAlarm = m_pEngine->FindAlarm(nId, tCreated);
    if (pAlarm == NULL)
        return;
    if (nResult == IDOK)
    {
        sheet.CopyToAlarm(*pAlarm, dtOpened);
        for (int i = 0; i < m_pEngine->GetAlarmCount(); i++)
            if (m_pEngine->GetAlarm(i) == pAlarm)
                m_pEngine->SetAlarm(i, pAlarm);
    }
    else
    {
        pAlarm->m_nState = nKeptState;
        m_pEngine->AlarmEdited();
    }
    FillList();
}

void CAlarmListDlg::DeleteAlarm(int nLine)
{
    CAlarms* pAlarm = AlarmOfLine(nLine);
    if (pAlarm == NULL)
        return;
    if (pAlarm->m_nState == ALARMSTATE_PROCESSING || m_pEngine->IsFiring(pAlarm))
    {
        ReportRefusal(_T("Cannot delete this alarm until it stops processing"));
        return;
    }
    m_pEngine->DeleteAlarm(pAlarm->m_nId, pAlarm->m_tCreated);
    if (m_nSelected >= m_pEngine->GetAlarmCount())
        m_nSelected = -1;
    FillList();
}

void CAlarmListDlg::ReplicateAlarm(int nLine)
{
    CAlarms* pFrom = AlarmOfLine(nLine);
    if (pFrom == NULL)
        return;
    CAlarms* pCopy = m_pEngine->NewAlarm();
    if (pCopy == NULL)
        return;
    pCopy->m_dtActivation = pFrom->m_dtActivation;
    pCopy->m_bEnabled = pFrom->m_bEnabled;
    pCopy->m_strMessage = pFrom->m_strMessage;
    pCopy->m_strName = pFrom->m_strName;
    pCopy->m_bRemoveOnCompletion = pFrom->m_bRemoveOnCompletion;
    pCopy->m_bRepeat = pFrom->m_bRepeat;
    pCopy->m_tsRepeatInterval = pFrom->m_tsRepeatInterval;
    pCopy->m_strSoundFile = pFrom->m_strSoundFile;
    pCopy->m_bRunMinimised = pFrom->m_bRunMinimised;
    pCopy->m_strCommandLine = pFrom->m_strCommandLine;
    pCopy->m_bDisplayMessage = pFrom->m_bDisplayMessage;
    pCopy->m_bPlaySound = pFrom->m_bPlaySound;
    pCopy->m_bRunApplication = pFrom->m_bRunApplication;
    pCopy->m_bSpeakMessage = pFrom->m_bSpeakMessage;
    pCopy->m_nState = ALARMSTATE_NEW;
    m_pEngine->ReplaceAlarm(pCopy);
    m_pEngine->MarkAlarmsChanged();
    FillList();
}

void CAlarmListDlg::RunNow(int nLine)
{
    CAlarms* pAlarm = AlarmOfLine(nLine);
    // An alarm already running its actions is not started a second time inside its own firing.
    if (pAlarm == NULL || m_pEngine->IsFiring(pAlarm))
        return;
    m_pEngine->FireAlarm(pAlarm, Now(), TRUE, FALSE);
}

void CAlarmListDlg::OnSelChange()
{
    CListBox* pList = (CListBox*)GetDlgItem(IDC_ALARM_LIST);
    m_nSelected = pList != NULL ? pList->GetCurSel() : -1;
    if (m_nSelected < 0)
        m_nSelected = -1;
    EnableButtons();
}

void CAlarmListDlg::OnDblClk()
{
    OnSelChange();
    if (m_nSelected >= 0)
        ModifyAlarm(m_nSelected);
}

void CAlarmListDlg::OnNew()
{
    NewAlarm();
}

void CAlarmListDlg::OnModify()
{
    ModifyAlarm(m_nSelected);
}

void CAlarmListDlg::OnDelete()
{
    DeleteAlarm(m_nSelected);
}

void CAlarmListDlg::OnReplicate()
{
    ReplicateAlarm(m_nSelected);
}

void CAlarmListDlg::OnRunNow()
{
    RunNow(m_nSelected);
}
