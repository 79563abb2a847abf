// CMainClockDlg: the About box and the online version check.
#include "MainClockDlg.h"

#include "AboutDlg.h"
#include "PlatformServices.h"
#include "VersionCheckDlg.h"
#include "resource.h"

namespace
{
// The character's introduction of the program in the About box.
class CAgentIntroducer : public IAboutIntroducer
{
public:
    CAgentIntroducer(CMainClockDlg* pDlg, const CSettings& settings) : m_pDlg(pDlg), m_settings(settings) {}
    void IntroduceProgram(const CString& strTitle) override
    {
        static const LPCTSTR kOpening[] = {_T("RestPose"), _T("DoMagic1"), _T("DoMagic2"), _T("RestPose"),
                                           _T("Read")};
        for (LPCTSTR pszAnimation : kOpening)
            m_pDlg->PlayAgentAnimation(pszAnimation);
        m_pDlg->AgentSpeak(_T("This is ") + strTitle);
        m_pDlg->AgentSpeak(_T("It is made by Quendra Labs, who keep every time zone on your desktop."));
        m_pDlg->PlayAgentAnimation(_T("ReadReturn"));
        m_pDlg->PlayAgentAnimation(_T("Search"));
        m_pDlg->AgentSpeak(_T("To download the latest version, please visit our Website."));
        if (m_settings.m_bHidePostSpeech)
            m_pDlg->HideAgent();
    }

private:
    CMainClockDlg* m_pDlg;
    const CSettings& m_settings;
};

// The version-check window's view of the clock window's settings.
class CClockVersionHost : public IVersionCheckHost
{
public:
    CClockVersionHost(CMainClockDlg* pDlg, CSettings& settings) : m_pDlg(pDlg), m_settings(settings) {}
    int GetCheckInterval() override { return m_settings.m_nVersCheckInt; }
    BOOL GetCheckBeta() override { return m_settings.m_bVersCheckBeta; }
    COleDateTime GetLastCheck() override { return m_settings.m_dtLastVersCheck; }
    void SetLastCheck(const COleDateTime& dt) override
    {
        m_settings.m_dtLastVersCheck = dt;
        m_pDlg->SaveSettings();
    }
    BOOL HasDefaultRoute() override { return m_pDlg->HasDefaultRoute(); }
    COleDateTime GetNow() override { return GetLocalNow(); }

private:
    CMainClockDlg* m_pDlg;
    CSettings& m_settings;
};
} // namespace

void CMainClockDlg::CreateVersionWindow()
{
    if (m_pVersionDlg != NULL)
        return;
    m_pVersionHost = new CClockVersionHost(this, m_settings);
    m_pVersionDlg = new CVersionCheckDlg(m_pVersionHost);
    if (!m_pVersionDlg->Create(this))
    {
        DestroyVersionWindow();
        return;
    }
    m_bVersionUsable = m_pVersionDlg->ShowCheckWindow();
}

void CMainClockDlg::DestroyVersionWindow()
{
    // A check still running keeps what it needs; the window and the host go now.
    delete m_pVersionDlg;
    m_pVersionDlg = NULL;
    delete m_pVersionHost;
    m_pVersionHost = NULL;
    m_bVersionUsable = FALSE;
}

BOOL CMainClockDlg::HasDefaultRoute()
{
    return HasDefaultNetworkRoute();
}

void CMainClockDlg::OnCheckVersion()
{
    if (m_pVersionDlg != NULL)
        m_pVersionDlg->StartCheck(TRUE, m_settings.m_bVersCheckBeta);
}

void CMainClockDlg::OnUpdateCheckVersion(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pVersionDlg != NULL && m_bVersionUsable && HasDefaultRoute());
}

void CMainClockDlg::OnCmdAbout()
{
    if (m_openDialogs.Activate(COpenDialogs::kindAbout))
        return;
    CAboutDlg dlg(this);
    COpenDialogs::CScope open(m_openDialogs, COpenDialogs::kindAbout, &dlg);
    CAgentIntroducer introducer(this, m_settings);
    dlg.m_pIntroducer = &introducer;
    SuspendAutoHide(TRUE);
    dlg.DoModal();
    SuspendAutoHide(FALSE);
}
