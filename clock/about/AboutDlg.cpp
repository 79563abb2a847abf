// CAboutDlg: the banner and the links.
#include "AboutDlg.h"

#include "resource.h"

const TCHAR CAboutDlg::kTitle[] = _T("Velmora Clock Version 2.34, Build 12");

CAboutDlg::CAboutDlg(CWnd* pParent) : CDialog(IDD_ABOUTBOX, pParent), m_pIntroducer(NULL) {}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_banner.Attach(this, CSideBannerWnd::SIDE_TOP, IDC_SIDE_BANNER))
    {
        m_banner.SetColours(::GetSysColor(COLOR_BTNFACE), 0xBE8D65, 0);
        m_banner.SetIcon(AfxGetApp()->LoadIcon(IDR_MAINFRAME));
        m_banner.SetTitle(kTitle);
        m_banner.SetCaption(_T("Every time zone at a glance, on time to the second"));
    }
    m_linkWeb.SubclassDlgItem(IDC_ABOUT_WEB, this);
    m_linkMail.SubclassDlgItem(IDC_ABOUT_MAIL, this);
    m_linkSupport.SubclassDlgItem(IDC_ABOUT_SUPPORT, this);
    m_linkWeb.SetURL(_T("http://www.quendralabs.com"));
    m_linkMail.SetURL(_T("mailto:info@quendralabs.com"));
    m_linkSupport.SetURL(_T("mailto:support@quendralabs.com"));
    if (m_pIntroducer != NULL)
        m_pIntroducer->IntroduceProgram(kTitle);
    return TRUE;
}
