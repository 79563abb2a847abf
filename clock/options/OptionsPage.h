// OptionsPage.h: COptionsPage, the "Clock" page of the options sheet: display, start-up, alarm and
// version-check settings, and the door to the default clock's configuration.
#ifndef VELMORA_OPTIONSPAGE_H
#define VELMORA_OPTIONSPAGE_H

#include <afxwin.h>
#include <afxdlgs.h>
#include <afxdisp.h>
#include <afxdtctl.h>

#include "ColorCombo.h"

class CSettings;

// What the page needs of the clock window: "Configure Default Clock".
class IClockOptionsHost
{
public:
    virtual ~IClockOptionsHost() {}
    // The configuration dialog on the default clock, owned by pParent.
    virtual void ConfigureDefaultClock(CWnd* pParent) = 0;
};

class COptionsPage : public CPropertyPage
{
    DECLARE_DYNCREATE(COptionsPage)

    // Construction
public:
    COptionsPage();
    enum
    {
        IDD = 131
    };

    // Attributes: LoadFrom fills them from the settings before the sheet runs, SaveTo puts them back
    // on OK.
public:
    IClockOptionsHost* m_pHost; // for "Configure Default Clock", may be NULL
    int m_nNewClockPos;
    COLORREF m_crBackground;
    CDateTimeCtrl m_ctlLimit;
    CComboBox m_cbNewClockPos;
    CColorCombo m_cbColor;

    BOOL m_bClockOnTop;
    BOOL m_bLoadOnStartup;
    CString m_strLayout; // "Vertical" or "Horizontal"
    BOOL m_bRunOverdue;
    BOOL m_bAnimateIcon;
    BOOL m_bUseLimit;
    COleDateTime m_dtLimit;
    int m_nAlarmTimeDisplay;
    BOOL m_bEnableAlarmSys;
    BOOL m_bVersCheckBeta;
    int m_nVersCheckInt;

    // Operations
public:
    void LoadFrom(const CSettings& settings);
    void SaveTo(CSettings& settings) const;

    // Implementation
protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    void EnableOverdueLimit();
    afx_msg void OnColorChange();
    afx_msg void OnPositionChange();
    afx_msg void OnRunOverdue();
    afx_msg void OnLimitChange(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnConfigureDefaultClock();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_OPTIONSPAGE_H
