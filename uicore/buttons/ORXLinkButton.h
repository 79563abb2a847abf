// CORXURLLinkButton: a framework button shown as a hyperlink that opens its URL with the shell;
// IORXLinkOpener, the one way it opens anything.
#ifndef VELMORA_ORXLINKBUTTON_H
#define VELMORA_ORXLINKBUTTON_H

#include "ORXButton.h"

// Opens a document or link as the shell does. The program uses ShellExecute; tests record the
// requests instead, since under Wine the shell would start a browser.
class IORXLinkOpener
{
public:
    // An opener that goes while it is the one in use puts the shell back.
    virtual ~IORXLinkOpener();
    // The answer is ShellExecute's: above 32 on success.
    virtual HINSTANCE Open(HWND hWnd, LPCSTR pszTarget, int nShowCmd) = 0;
};

// The opener is a role held in the services registry; NULL puts the shell back.
void ORXSetLinkOpener(IORXLinkOpener* pOpener);
IORXLinkOpener& ORXGetLinkOpener();

class CORXURLLinkButton : public CORXButton
{
    DECLARE_DYNCREATE(CORXURLLinkButton)

    // Construction
public:
    CORXURLLinkButton();
    virtual ~CORXURLLinkButton();

    // Attributes
public:
    void SetURL(LPCTSTR lpszURL) { m_strURL = lpszURL != NULL ? lpszURL : _T(""); }
    const CString& GetURL() const { return m_strURL; }
    void SetURLPrefix(LPCTSTR lpszPrefix) { m_strURLPrefix = lpszPrefix != NULL ? lpszPrefix : _T(""); }
    const CString& GetURLPrefix() const { return m_strURLPrefix; }
    // What a click opens: the prefix and the URL, or the window text when no URL is set.
    CString GetTarget() const;

    // Overridables
public:
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual void OnDrawText(CDC* pDC, const CRect& rect, const CString& strText, UINT uiDTFlags,
                            UINT uiState);
    virtual void OnDrawFocusRect(CDC* pDC, const CRect& rectClient);
    // The underlined font, so the size the button asks for fits the text it draws.
    virtual CFont* SelectFont(CDC* pDC);

    // Implementation
protected:
    CString m_strURL;
    CString m_strURLPrefix;

    afx_msg void OnClicked();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXLINKBUTTON_H
