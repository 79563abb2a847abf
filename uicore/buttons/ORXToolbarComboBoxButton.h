// CORXToolbarComboBoxButton: a tool-bar button that hosts a combo box. The button keeps the items,
// the selection and the text itself, so that they outlive the control, and keeps every button with
// the same command on all bars in step.
#ifndef VELMORA_ORXTOOLBARCOMBOBOXBUTTON_H
#define VELMORA_ORXTOOLBARCOMBOBOXBUTTON_H

#include "ORXToolbarControlButton.h"

// The combo box and the flat edit field drawn over it; both call back into their button.
typedef CORXHostedCtrl<CComboBox> CORXComboBoxCtrl;
typedef CORXHostedCtrl<CEdit> CORXComboEdit;

class CORXToolbarComboBoxButton : public CORXToolbarControlButton
{
    DECLARE_SERIAL(CORXToolbarComboBoxButton)

    // Construction
public:
    CORXToolbarComboBoxButton();
    CORXToolbarComboBoxButton(UINT uiID, int iImage, DWORD dwStyle = kDefaultStyle, int iWidth = 150);
    virtual ~CORXToolbarComboBoxButton();

    enum : DWORD
    {
        kDefaultStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_NOINTEGRALHEIGHT | CBS_DROPDOWNLIST
    };

    // Overrides
public:
    virtual void Serialize(CArchive& ar);
    virtual void CopyFrom(const CORXToolbarButton& src);
    virtual void OnDraw(CDC* pDC, const CRect& rect, CORXToolbarImageList* pImages, BOOL bHorz = TRUE,
                        BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE, BOOL bDrawBorder = TRUE,
                        BOOL bGrayDisabledButtons = TRUE);
    virtual SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz);
    virtual BOOL OnClick(CWnd* pWnd, BOOL bDelay = TRUE);
    virtual void OnChangeParentWnd(CWnd* pWndParent);
    virtual BOOL ExportToMenuButton(CORXToolbarButton& menuButton) const;
    virtual void OnMove();
    virtual void OnSize(int iSize);
    virtual HWND GetHwnd() { return m_pWndCombo != NULL ? m_pWndCombo->GetSafeHwnd() : NULL; }
    virtual BOOL NotifyCommand(int iNotifyCode);
    virtual void OnAddToCustomizePage();
    virtual HBRUSH OnCtlColor(CDC* pDC, UINT nCtlColor);
    virtual void OnGlobalFontsChanged();
    virtual int OnDrawOnCustomizeList(CDC* pDC, const CRect& rect, BOOL bSelected);
    virtual BOOL IsDroppedDown() const;
    virtual void OnShow(BOOL bShow);
    virtual void SetStyle(UINT nStyle);
    virtual BOOL IsWindowVisible();
    virtual BOOL IsOwnerOf(HWND hwnd);
    virtual BOOL HasFocus() const;
    virtual BOOL PreTranslateKey(MSG* pMsg, CWnd* pField);

    // Overridables of this class
public:
    virtual CComboBox* CreateCombo(CWnd* pWndParent, const CRect& rect);
    virtual void SerializeItems(CArchive& ar);
    virtual void OnBeforeItemsRebuilt() {}
    virtual void OnAfterItemsRebuilt() {}
    virtual BOOL CanRebuildItems() const { return TRUE; }

    // Operations
public:
    int AddItem(LPCTSTR lpszItem, DWORD dwData = 0);
    BOOL SelectItem(int iIndex, BOOL bNotify = TRUE);
    void RemoveAllItems();

    // Attributes
public:
    int GetCount() const { return (int)m_lstItems.GetCount(); }
    LPCTSTR GetItem(int iIndex = -1) const;
    DWORD GetItemData(int iIndex = -1) const;
    int GetCurSel() const { return m_iSelIndex; }
    LPCTSTR GetText() const { return m_strEdit; }
    int GetDropDownHeight() const { return m_nDropDownHeight; }
    DWORD GetComboStyle() const { return m_dwStyle; }
    CComboBox* GetComboBox() const { return m_pWndCombo; }
    CEdit* GetFlatEdit() const { return m_pWndEdit; }
    const CRect& GetComboRect() const { return m_rectCombo; }

    // The flat-controls setting of all combo box buttons (off until an application turns it on).
    static BOOL m_bFlat;

    // Implementation
protected:
    void Initialize();
    void AdjustRect();
    void DestroyControls();
    void FillControl();
    void ReadBackControl();
    void SetControlText(LPCTSTR lpszText);
    // Every other combo box button with the same command on the bars.
    void ForEachSibling(void (*pfn)(CORXToolbarComboBoxButton& other, CORXToolbarComboBoxButton& self));
    virtual CWnd* GetControl() const { return m_pWndCombo; }
    virtual BOOL IsFlat() const { return m_bFlat; }

    CComboBox* m_pWndCombo;
    CEdit* m_pWndEdit;
    CStringList m_lstItems;
    CList<DWORD, DWORD> m_lstItemData;
    int m_iSelIndex;
    BOOL m_bSerializeContent;
    CString m_strEdit;
    CRect m_rectCombo;
    CRect m_rectEdit;
    int m_nDropDownHeight;
};

#endif // VELMORA_ORXTOOLBARCOMBOBOXBUTTON_H
