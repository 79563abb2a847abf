// CAboutDlg: the About box, with the side banner at its top and the maker's three links.
#ifndef VELMORA_ABOUTDLG_H
#define VELMORA_ABOUTDLG_H

#include <afxwin.h>

#include "HyperLinkStatic.h"
#include "SideBannerWnd.h"

// Who lets the speech character introduce the program when the box opens; it does nothing when no
// character is loaded.
class IAboutIntroducer
{
public:
    virtual ~IAboutIntroducer() {}
    virtual void IntroduceProgram(const CString& strTitle) = 0;
};

class CAboutDlg : public CDialog
{
public:
    explicit CAboutDlg(CWnd* pParent = NULL);

    static const TCHAR kTitle[];
    IAboutIntroducer* m_pIntroducer; // none: the box opens silently

    CSideBannerWnd m_banner;
    CHyperLinkStatic m_linkWeb;
    CHyperLinkStatic m_linkMail;
    CHyperLinkStatic m_linkSupport;

protected:
    virtual BOOL OnInitDialog();
};

#endif // VELMORA_ABOUTDLG_H
