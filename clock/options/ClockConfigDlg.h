// ClockConfigDlg.h: CClockConfigDlg, the "Clock Configuration" dialog that hosts the format and
// zone pages in a child sheet; CClockPopupWnd, its live preview; CClockEditBackup, the values the
// dialog changed, put back on Cancel; IClockRenderer, the drawing the preview borrows.
#ifndef VELMORA_CLOCKCONFIGDLG_H
#define VELMORA_CLOCKCONFIGDLG_H

#include <afxwin.h>
#include <afxdisp.h>
#include <afxdlgs.h>

#include <utility>
#include <vector>

#include "ClockFormatPage.h"
#include "ConfigureClock.h"

class CClock;

// The preview draws a clock exactly as the clock window does, with the window's own renderer.
class IClockRenderer
{
public:
    virtual ~IClockRenderer() {}
    // Draws the clock into rcAt of pDC; returns the size the clock needs.
    virtual CSize RenderClock(CDC* pDC, CClock* pClock, const CRect& rcAt, const COleDateTime& dtUtcNow,
                              BOOL bFrame) = 0;
};

// Copies of the clocks a configuration changed, taken before their first change.
class CClockEditBackup
{
public:
    ~CClockEditBackup();
    // Keeps the clock's values unless they are kept already.
    void Keep(CClock* pClock);
    // Puts every kept clock back as it was and forgets them.
    void Restore();
    void Forget();
    int GetCount() const { return (int)m_kept.size(); }

protected:
    std::vector<std::pair<CClock*, CClock*>> m_kept; // the clock, its copy
};

class CClockPopupWnd : public CDialog
{
    // Construction
public:
    CClockPopupWnd();
    enum
    {
        IDD = 180,
        PREVIEW_TIMER_ID = 106
    };

    // Attributes
public:
    IClockRenderer* m_pRenderer;
    CClock* m_pClock;
    CRect m_rcClient;
    UINT_PTR m_nTimer;

    // Operations
public:
    void StartPreview();

    // Implementation
protected:
    virtual void OnOK() {}
    virtual void OnCancel() {}
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
    void DrawPreview();
};

class CClockConfigDlg : public CDialog
{
    // Construction
public:
    explicit CClockConfigDlg(CWnd* pParent = NULL);
    virtual ~CClockConfigDlg();
    enum
    {
        IDD = 156
    };

    // Attributes. The caller fills the clock, the renderer, the flags and both pages' fields
    // (see Prepare).
public:
    BOOL m_bPreview;
    BOOL m_bNoZonePage;
    CClock* m_pClock;
    CConfigureClock m_zonePage;
    IClockRenderer* m_pRenderer; // of the preview; none, no preview
    CClockFormatPage m_formatPage;
    CPropertySheet m_sheet;
    CClockPopupWnd* m_pPreview;
    BOOL m_bReloadZone; // the zone-reload request of this configuration
    CClockEditBackup m_backup;

    // Operations
public:
    // Fills both pages for the clock: its current values, the date order, the zone file, the
    // reset source, the clock list and the repaint target.
    void Prepare(CClock* pClock, const CClock* pResetSource, CObArray* pClocks, CWnd* pRepaint,
                 int nDateOrder, LPCTSTR pszTZFile, BOOL bDefaultMode);
    // Runs the dialog; anything but OK puts every clock it changed back as it was.
    virtual INT_PTR DoModal();

    // Implementation
protected:
    virtual BOOL OnInitDialog();
    afx_msg void OnDestroy();
    afx_msg LRESULT OnClockReset(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_CLOCKCONFIGDLG_H
