// CAboutDlg: the About box, with the side banner at its top and the maker's three links.
#ifndef VELMORA_ABOUTDLG_H
#define VELMORA_ABOUTDLG_H

#include <afxwin.h>

#include "HyperLinkStatic.h"
#include "SideBannerWnd.h"

class CAboutDlg : public CDialog
{
public:
    explicit CAboutDlg(CWnd* pParent = NULL);

    CSideBannerWnd m_banner;
    CHyperLinkStatic m_linkWeb;
    CHyperLinkStatic m_linkMail;
    CHyperLinkStatic m_linkSupport;

protected:
    virtual BOOL OnInitDialog();
};

#endif // VELMORA_ABOUTDLG_H
