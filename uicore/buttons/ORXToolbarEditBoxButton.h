// CORXToolbarEditBoxButton: a tool-bar button that hosts an edit control. The button keeps the
// contents, so that they outlive the control, and keeps every edit box button with the same
// command on all bars in step.
#ifndef VELMORA_ORXTOOLBAREDITBOXBUTTON_H
#define VELMORA_ORXTOOLBAREDITBOXBUTTON_H

#include "ORXToolbarControlButton.h"

typedef CORXHostedCtrl<CEdit> CORXEditBoxCtrl;

class CORXToolbarEditBoxButton : public CORXToolbarControlButton
{
    DECLARE_SERIAL(CORXToolbarEditBoxButton)

    // Construction
public:
    CORXToolbarEditBoxButton();
    CORXToolbarEditBoxButton(UINT uiID, int iImage, DWORD dwStyle = kDefaultStyle, int iWidth = 150);
    virtual ~CORXToolbarEditBoxButton();

    enum : DWORD
    {
        kDefaultStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL
    };

    // Overrides
public:
    virtual void Serialize(CArchive& ar);
    virtual void CopyFrom(const CORXToolbarButton& src);
    virtual void OnDraw(CDC* pDC, const CRect& rect, CORXToolbarImageList* pImages, BOOL bHorz = TRUE,
                        BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                        BOOL bGrayDisabledButtons = TRUE);
    virtual SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz);
    virtual void OnChangeParentWnd(CWnd* pWndParent);
    virtual void OnMove();
    virtual void OnSize(int iSize);
    virtual HWND GetHwnd() { return m_pWndEdit != NULL ? m_pWndEdit->GetSafeHwnd() : NULL; }
    virtual BOOL NotifyCommand(int iNotifyCode);
    virtual HBRUSH OnCtlColor(CDC* pDC, UINT nCtlColor);
    virtual void OnGlobalFontsChanged();
    virtual int OnDrawOnCustomizeList(CDC* pDC, const CRect& rect, BOOL bSelected);
    virtual void OnShow(BOOL bShow);
    virtual void SetStyle(UINT nStyle);
    virtual BOOL PreTranslateKey(MSG* pMsg, CWnd* pField);

    // Overridables of this class
public:
    virtual CEdit* CreateEdit(CWnd* pWndParent, const CRect& rect);
    virtual void SetContents(const CString& strContents);
    virtual void OnContentsChanged() {}

    // Attributes
public:
    const CString& GetContents() const { return m_strContents; }
    DWORD GetEditStyle() const { return m_dwStyle; }
    CEdit* GetEditBox() const { return m_pWndEdit; }

    // The flat-controls setting of all edit box buttons (off until an application turns it on).
    static BOOL m_bFlat;

    // Implementation
protected:
    void Initialize();
    void AdjustRect();
    void DestroyControl();
    virtual CWnd* GetControl() const { return m_pWndEdit; }
    virtual BOOL IsFlat() const { return m_bFlat; }

    CEdit* m_pWndEdit;
    CString m_strContents;
    BOOL m_bChangingText;
};

#endif // VELMORA_ORXTOOLBAREDITBOXBUTTON_H
