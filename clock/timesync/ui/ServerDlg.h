// ServerDlg.h: CServerDlg, the dialog in which a time server's name and description are entered.
#ifndef VELMORA_SERVERDLG_H
#define VELMORA_SERVERDLG_H

#include <afxwin.h>

class CServerDlg : public CDialog
{
    // Construction
public:
    explicit CServerDlg(CWnd* pParent = NULL);

    enum
    {
        IDD = 181
    };

    // Attributes
public:
    CString m_strName;
    CString m_strDescription;
    int m_nMode; // 1 a new server, else a change of one

    // Implementation
protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
};

#endif // VELMORA_SERVERDLG_H
