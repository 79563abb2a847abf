// CORXProp: one row of a property list: a named value, a category or a group whose sub-items make
// up its value; CORXVariant: a VARIANT that frees what it holds, for building properties.
#ifndef VELMORA_ORXPROP_H
#define VELMORA_ORXPROP_H

#include <afxwin.h>
#include <afxcoll.h>

#include <oleauto.h>

class CORXPropList;

// The message a property list sends its owner when the user changed a value: wParam the list's
// control id, lParam the property.
extern const UINT ORXM_PROPERTYCHANGED;

class CORXVariant : public tagVARIANT
{
public:
    CORXVariant() { ::VariantInit(this); }
    CORXVariant(const VARIANT& src)
    {
        ::VariantInit(this);
        ::VariantCopy(this, const_cast<VARIANT*>(&src));
    }
    CORXVariant(const CORXVariant& src)
    {
        ::VariantInit(this);
        ::VariantCopy(this, const_cast<CORXVariant*>(&src));
    }
    CORXVariant& operator=(const VARIANT& src)
    {
        if (&src != this)
            ::VariantCopy(this, const_cast<VARIANT*>(&src));
        return *this;
    }
    CORXVariant& operator=(const CORXVariant& src) { return operator=(static_cast<const VARIANT&>(src)); }
    ~CORXVariant() { ::VariantClear(this); }

    static CORXVariant FromLong(long lValue);
    static CORXVariant FromBool(BOOL bValue);
    static CORXVariant FromDouble(double dValue);
    static CORXVariant FromText(LPCTSTR lpszText);
};

class CORXProp : public CObject
{
    DECLARE_DYNAMIC(CORXProp)
    friend class CORXPropList;
    friend class CORXPropInPlace;

public:
    enum ClickArea
    {
        ClickNone = -1,
        ClickExpandBox = 0,
        ClickName = 1,
        ClickValue = 2
    };
    // Style bits: the row has a drop-down list that F4 and Alt+Down open.
    enum
    {
        StyleHasList = 2
    };

    // Construction
public:
    // A group: a category, or with bIsValueList a property whose sub-items make up its value.
    CORXProp(const CString& strGroupName, DWORD_PTR dwData = 0, BOOL bIsValueList = FALSE);
    // A value: text, integer, real or Boolean; its type stays what it was given.
    CORXProp(const CString& strName, const VARIANT& varValue, LPCTSTR lpszDescr = NULL, DWORD_PTR dwData = 0);
    virtual ~CORXProp();

    // Overridables the list calls
public:
    virtual CString FormatProperty();
    virtual void OnClickButton(CPoint point);
    virtual BOOL OnDblClick(CPoint point);
    virtual void OnSelectCombo();
    virtual void OnCloseCombo();
    virtual BOOL OnSetCursor() const;
    virtual BOOL PushChar(UINT nChar);
    virtual CString GetNameTooltip();
    virtual CString GetValueTooltip();
    virtual void OnClickName(CPoint point) {}
    virtual void OnRClickName(CPoint point) {}
    virtual void OnRClickValue(CPoint point, BOOL bSelChanged) {}
    virtual HBRUSH OnCtlColor(CDC* pDC, UINT nCtlColor);
    virtual BOOL OnKillFocus(CWnd* pNewWnd);
    virtual BOOL HasButton() const;
    virtual BOOL OnActivateByClick();
    virtual BOOL HasValueField() const { return TRUE; }

    // Overridables of drawing and editing
public:
    virtual void OnDraw(CDC* pDC);
    virtual void OnDrawExpandBox(CDC* pDC, CRect rect);
    virtual void OnDrawName(CDC* pDC, CRect rect);
    virtual void OnDrawValue(CDC* pDC, CRect rect);
    virtual void OnDrawButton(CDC* pDC, CRect rect);
    virtual void OnDrawDescription(CDC* pDC, CRect rect);
    // Starts the in-place control; FALSE when the row cannot be edited.
    virtual BOOL OnEdit(LPPOINT lptClick);
    // Takes the in-place control's text as the value: FALSE when it is no value of the row's type
    // (the value then stays). Tells the list when the value changed.
    virtual BOOL OnUpdateValue();
    virtual void OnEndEdit();
    // The value from a text, in the value's own type; FALSE when the text does not convert.
    virtual BOOL TextToVar(const CString& strText);
    virtual void SetValue(const VARIANT& varValue);

    // Attributes
public:
    const CString& GetName() const { return m_strName; }
    void SetName(LPCTSTR lpszName);
    const VARIANT& GetValue() const { return m_varValue; }
    const CString& GetDescription() const { return m_strDescr; }
    void SetDescription(LPCTSTR lpszDescr) { m_strDescr = lpszDescr; }
    DWORD_PTR GetData() const { return m_dwData; }
    void SetData(DWORD_PTR dwData) { m_dwData = dwData; }
    BOOL IsGroup() const { return m_bGroup; }
    BOOL IsValueList() const { return m_bIsValueList; }
    // A group that is only a heading: not listed in the alphabetical view.
    BOOL IsCategory() const { return m_bGroup && !m_bIsValueList; }
    BOOL IsExpanded() const { return m_bExpanded; }
    BOOL IsEnabled() const { return m_bEnabled; }
    void Enable(BOOL bEnable = TRUE);
    BOOL IsInPlaceEditing() const { return m_bInPlaceEdit; }
    CWnd* GetInPlaceWnd() const { return m_pWndInPlace; }
    CORXProp* GetParent() const { return m_pParent; }
    CORXPropList* GetOwnerList() const { return m_pWndList; }
    int GetSubItemsCount() const { return (int)m_lstSubItems.GetCount(); }
    CORXProp* GetSubItem(int nIndex) const;
    int GetHierarchyLevel() const;
    BOOL IsParentExpanded() const;
    BOOL IsSelected() const;
    const CRect& GetRect() const { return m_Rect; }
    const CRect& GetButtonRect() const { return m_rectButton; }
    DWORD GetFlags() const { return m_dwFlags; }
    BOOL IsAllowEdit() const { return m_bAllowEdit; }
    void AllowEdit(BOOL bAllow = TRUE) { m_bAllowEdit = bAllow; }

    // Operations
public:
    BOOL AddSubItem(CORXProp* pProp);
    void Expand(BOOL bExpand = TRUE);
    // The choices the drop-down list offers; the row gets a drop-down button.
    BOOL AddOption(LPCTSTR lpszOption);
    void RemoveAllOptions();
    int GetOptionCount() const { return (int)m_lstOptions.GetCount(); }
    CString GetOption(int nIndex) const;
    CORXProp* HitTest(CPoint point, ClickArea* pnArea = NULL);
    void Redraw();

    // The six formats of numeric values: short, long, unsigned short, unsigned long, float, double.
    static const CString m_strFormatShort;
    static const CString m_strFormatLong;
    static const CString m_strFormatUShort;
    static const CString m_strFormatULong;
    static const CString m_strFormatFloat;
    static const CString m_strFormatDouble;

    // Fields the list uses
protected:
    CString m_strName;
    CORXVariant m_varValue;
    CString m_strDescr;
    DWORD_PTR m_dwData;
    CORXPropList* m_pWndList;
    BOOL m_bInPlaceEdit;
    CWnd* m_pWndInPlace;
    CRect m_Rect;
    CRect m_rectButton;
    BOOL m_bGroup;
    BOOL m_bExpanded;
    BOOL m_bEnabled;
    DWORD m_dwFlags;
    BOOL m_bIsValueList;
    CORXProp* m_pParent;
    CObList m_lstSubItems;
    CStringList m_lstOptions;
    BOOL m_bAllowEdit;
    // Set while the row's button runs its editor (a dialog, a pop-up): the edit stays meanwhile.
    BOOL m_bButtonIsDown;
    CString m_strTextBeforeEdit;

    // Implementation
protected:
    void SetOwnerList(CORXPropList* pWndList);
    // Lays the row out at y when bShow, else hides it; its sub-items are shown only when it is
    // expanded and bShowSubItems.
    void Repos(int& y, BOOL bShow, BOOL bShowSubItems = TRUE);
    CRect GetValueRect() const;
    CRect GetEditRect() const;
    BOOL IsCombo() const { return !m_lstOptions.IsEmpty(); }
    void DrawButtonFace(CDC* pDC, CRect rect, BOOL bArrow);
    static int ParseInt(const CString& strText, BOOL& bOk);
};

#endif // VELMORA_ORXPROP_H
