// ClockFormatPage.h: CClockFormatPage, the page of the clock configuration dialog on which a clock's
// colours, font and display format are edited and reset; every change goes straight into the clock.
#ifndef VELMORA_CLOCKFORMATPAGE_H
#define VELMORA_CLOCKFORMATPAGE_H

#include <afxwin.h>
#include <afxdlgs.h>
#include <afxcoll.h>

class CClock;
class CClockEditBackup;

// What a reset copies from its source: the display format, the zone, or both.
enum
{
    RESET_FORMAT = 0,
    RESET_ZONE = 1,
    RESET_BOTH = 2
};

// Copies the fields of the reset choice from source to target.
void CopyDefaults(const CClock& source, CClock& target, int nChoice);

class CClockFormatPage : public CPropertyPage
{
    DECLARE_DYNCREATE(CClockFormatPage)

    // Construction
public:
    CClockFormatPage();

    enum
    {
        IDD = 9
    };

    // Attributes. The caller fills m_pClock, m_pResetSource, m_pClocks, m_pbReloadZone,
    // m_pRepaint and m_bDefaultMode, then LoadFromClock, before the page is shown.
public:
    BOOL m_bDefaultMode;          // the default clock is edited: "Reset Default", no "All Clocks"
    const CClock* m_pResetSource; // the clock whose values a reset copies
    CObArray* m_pClocks;          // the clock window's clocks, for "All Clocks"
    BOOL* m_pbReloadZone;         // the zone-reload request, may be NULL
    CWnd* m_pRepaint;             // invalidated after every change, may be NULL
    CWnd* m_pNotify;              // told of a reset with CLOCKRESET, may be NULL
    CClockEditBackup* m_pBackup;  // keeps every clock a reset of all clocks changes, may be NULL
    CClock* m_pClock;
    LOGFONT m_lfFont;
    COLORREF m_crText;
    COLORREF m_crBackground;
    CEdit m_editTemplate;
    CButton m_btnElements;

    BOOL m_b24Hour;
    BOOL m_bShowDate;
    BOOL m_bShowDayOfWeek;
    BOOL m_bShowSeconds;
    int m_nFormatType; // 0 standard, 1 custom
    CString m_strTemplate;
    int m_nTextLayout; // alignment combo index
    BOOL m_bShowBias;
    BOOL m_bFullName;
    int m_nResetChoice;

    // Operations
public:
    // Takes the page's values from the clock.
    void LoadFromClock();
    void EnableControls();
    // The text an element command inserts into the template; NULL for any other id.
    static LPCTSTR ElementText(UINT nID);
    // Resets the edited clock (and with bAll every clock of type 0) after asking, for bAll.
    void ResetClocks(BOOL bAll);
    static CString ResetAllQuestion(int nChoice);
    void InsertElement(UINT nID);

    // Implementation
protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    void Changed();
    afx_msg void OnBackColour();
    afx_msg void OnTextColour();
    afx_msg void OnFont();
    afx_msg void On24Hour();
    afx_msg void OnShowSeconds();
    afx_msg void OnShowDayOfWeek();
    afx_msg void OnShowDate();
    afx_msg void OnFormatType();
    afx_msg void OnTemplateChange();
    afx_msg void OnAlignChange();
    afx_msg void OnShowBias();
    afx_msg void OnFullName();
    afx_msg void OnFormatElements();
    afx_msg void OnResetSelected();
    afx_msg void OnResetAll();
    DECLARE_MESSAGE_MAP()

    BOOL m_bLoading; // controls are being filled: their notifications change nothing
};

#endif // VELMORA_CLOCKFORMATPAGE_H
