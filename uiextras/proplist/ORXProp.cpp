// CORXProp: a row's value, its text, its drawing and its in-place editor.
#include "ORXProp.h"

#include <algorithm>

#include "ORXGlobalData.h"
#include "ORXPropInPlace.h"
#include "ORXPropList.h"

const UINT ORXM_PROPERTYCHANGED = ::RegisterWindowMessage(_T("ORXM_PROPERTYCHANGED"));

const CString CORXProp::m_strFormatShort = _T("%d");
const CString CORXProp::m_strFormatLong = _T("%ld");
const CString CORXProp::m_strFormatUShort = _T("%u");
const CString CORXProp::m_strFormatULong = _T("%u");
const CString CORXProp::m_strFormatFloat = _T("%f");
const CString CORXProp::m_strFormatDouble = _T("%lf");

namespace
{
const TCHAR kTrue[] = _T("True");
const TCHAR kFalse[] = _T("False");
// Texts of values are written and read in one fixed locale, so that "%f" and the parser agree on
// the decimal point whatever the user's settings are.
const LCID kValueLocale = MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT);
const int kTextMargin = 3;
} // namespace

/////////////////////////////////////////////////////////////////////////////
// CORXVariant

CORXVariant CORXVariant::FromLong(long lValue)
{
    CORXVariant var;
    var.vt = VT_I4;
    var.lVal = lValue;
    return var;
}

CORXVariant CORXVariant::FromBool(BOOL bValue)
{
    CORXVariant var;
    var.vt = VT_BOOL;
    var.boolVal = bValue ? VARIANT_TRUE : VARIANT_FALSE;
    return var;
}

CORXVariant CORXVariant::FromDouble(double dValue)
{
    CORXVariant var;
    var.vt = VT_R8;
    var.dblVal = dValue;
    return var;
}

CORXVariant CORXVariant::FromText(LPCTSTR lpszText)
{
    CORXVariant var;
    var.vt = VT_BSTR;
    CString strText = lpszText != NULL ? lpszText : _T("");
#ifdef _UNICODE
    var.bstrVal = ::SysAllocString(strText);
#else
    int nLen = ::MultiByteToWideChar(CP_ACP, 0, strText, strText.GetLength(), NULL, 0);
    var.bstrVal = ::SysAllocStringLen(NULL, nLen);
    if (var.bstrVal != NULL)
        ::MultiByteToWideChar(CP_ACP, 0, strText, strText.GetLength(), var.bstrVal, nLen);
#endif
    return var;
}

namespace
{
CString TextOf(BSTR bstr)
{
    if (bstr == NULL)
        return CString();
#ifdef _UNICODE
    return CString(bstr);
#else
    int nLen = (int)::SysStringLen(bstr);
    int nBytes = ::WideCharToMultiByte(CP_ACP, 0, bstr, nLen, NULL, 0, NULL, NULL);
    CString str;
    if (nBytes > 0)
    {
        ::WideCharToMultiByte(CP_ACP, 0, bstr, nLen, str.GetBuffer(nBytes), nBytes, NULL, NULL);
        str.ReleaseBuffer(nBytes);
    }
    return str;
#endif
}
} // namespace

/////////////////////////////////////////////////////////////////////////////
// CORXProp

IMPLEMENT_DYNAMIC(CORXProp, CObject)

CORXProp::CORXProp(const CString& strGroupName, DWORD_PTR dwData, BOOL bIsValueList)
    : m_strName(strGroupName), m_dwData(dwData), m_pWndList(NULL), m_bInPlaceEdit(FALSE), m_pWndInPlace(NULL),
      m_bGroup(TRUE), m_bExpanded(TRUE), m_bEnabled(TRUE), m_dwFlags(0), m_bIsValueList(bIsValueList),
      m_pParent(NULL), m_bAllowEdit(FALSE), m_bButtonIsDown(FALSE)
{
    m_Rect.SetRectEmpty();
    m_rectButton.SetRectEmpty();
}

CORXProp::CORXProp(const CString& strName, const VARIANT& varValue, LPCTSTR lpszDescr, DWORD_PTR dwData)
    : m_strName(strName), m_varValue(varValue), m_strDescr(lpszDescr != NULL ? lpszDescr : _T("")),
      m_dwData(dwData), m_pWndList(NULL), m_bInPlaceEdit(FALSE), m_pWndInPlace(NULL), m_bGroup(FALSE),
      m_bExpanded(TRUE), m_bEnabled(TRUE), m_dwFlags(0), m_bIsValueList(FALSE), m_pParent(NULL),
      m_bAllowEdit(TRUE), m_bButtonIsDown(FALSE)
{
    m_Rect.SetRectEmpty();
    m_rectButton.SetRectEmpty();
    // A Boolean is chosen from its two texts.
    if (m_varValue.vt == VT_BOOL)
    {
        AddOption(kTrue);
        AddOption(kFalse);
        m_bAllowEdit = FALSE;
    }
}

CORXProp::~CORXProp()
{
    while (!m_lstSubItems.IsEmpty())
        delete (CORXProp*)m_lstSubItems.RemoveHead();
    if (m_pWndInPlace != NULL)
    {
        m_pWndInPlace->DestroyWindow();
        delete m_pWndInPlace;
    }
}

void CORXProp::SetOwnerList(CORXPropList* pWndList)
{
    m_pWndList = pWndList;
    for (POSITION pos = m_lstSubItems.GetHeadPosition(); pos != NULL;)
        ((CORXProp*)m_lstSubItems.GetNext(pos))->SetOwnerList(pWndList);
}

BOOL CORXProp::AddSubItem(CORXProp* pProp)
{
    if (pProp == NULL || pProp == this || pProp->m_pParent != NULL)
        return FALSE;
    pProp->m_pParent = this;
    pProp->SetOwnerList(m_pWndList);
    m_lstSubItems.AddTail(pProp);
    m_bGroup = TRUE;
    if (m_pWndList != NULL)
        m_pWndList->MarkAlphaDirty();
    return TRUE;
}

CORXProp* CORXProp::GetSubItem(int nIndex) const
{
    POSITION pos = nIndex >= 0 ? m_lstSubItems.FindIndex(nIndex) : NULL;
    return pos != NULL ? (CORXProp*)m_lstSubItems.GetAt(pos) : NULL;
}

int CORXProp::GetHierarchyLevel() const
{
    int nLevel = 0;
    for (CORXProp* p = m_pParent; p != NULL; p = p->m_pParent)
        nLevel++;
    return nLevel;
}

BOOL CORXProp::IsParentExpanded() const
{
    for (CORXProp* p = m_pParent; p != NULL; p = p->m_pParent)
        if (!p->m_bExpanded)
            return FALSE;
    return TRUE;
}

BOOL CORXProp::IsSelected() const
{
    return m_pWndList != NULL && m_pWndList->GetCurSel() == this;
}

void CORXProp::SetName(LPCTSTR lpszName)
{
    m_strName = lpszName;
    if (m_pWndList != NULL)
    {
        m_pWndList->MarkAlphaDirty();
        if (m_pWndList->IsAlphabeticMode() && m_pWndList->GetSafeHwnd() != NULL)
        {
            m_pWndList->AdjustLayout();
            m_pWndList->Invalidate();
        }
        else
            Redraw();
    }
}

void CORXProp::Enable(BOOL bEnable)
{
    m_bEnabled = bEnable;
    Redraw();
}

BOOL CORXProp::AddOption(LPCTSTR lpszOption)
{
    if (lpszOption == NULL)
        return FALSE;
    m_lstOptions.AddTail(lpszOption);
    m_dwFlags |= StyleHasList;
    return TRUE;
}

void CORXProp::RemoveAllOptions()
{
    m_lstOptions.RemoveAll();
    m_dwFlags &= ~StyleHasList;
}

CString CORXProp::GetOption(int nIndex) const
{
    POSITION pos = nIndex >= 0 ? m_lstOptions.FindIndex(nIndex) : NULL;
    return pos != NULL ? m_lstOptions.GetAt(pos) : CString();
}

void CORXProp::Expand(BOOL bExpand)
{
    if (m_bExpanded == bExpand || m_lstSubItems.IsEmpty())
        return;
    m_bExpanded = bExpand;
    if (m_pWndList == NULL || m_pWndList->GetSafeHwnd() == NULL)
        return;
    m_pWndList->AdjustLayout();
    CRect rect = m_pWndList->GetListRect();
    rect.top = m_Rect.IsRectEmpty() ? rect.top : std::max<int>(rect.top, m_Rect.top);
    m_pWndList->InvalidateRect(rect);
    m_pWndList->UpdateWindow();
}

CORXProp* CORXProp::HitTest(CPoint point, ClickArea* pnArea)
{
    if (m_Rect.PtInRect(point))
    {
        ClickArea nArea = ClickName;
        if (m_bGroup && point.x < m_Rect.left + (m_pWndList != NULL ? m_pWndList->GetRowHeight() : 0))
            nArea = ClickExpandBox;
        else if (HasValueField() && m_pWndList != NULL &&
                 point.x > m_pWndList->GetListRect().left + m_pWndList->GetLeftColumnWidth())
            nArea = ClickValue;
        if (IsCategory() && nArea == ClickValue)
            nArea = ClickName;
        if (pnArea != NULL)
            *pnArea = nArea;
        return this;
    }
    for (POSITION pos = m_lstSubItems.GetHeadPosition(); pos != NULL;)
    {
        CORXProp* pHit = ((CORXProp*)m_lstSubItems.GetNext(pos))->HitTest(point, pnArea);
        if (pHit != NULL)
            return pHit;
    }
    return NULL;
}

void CORXProp::Redraw()
{
    if (m_pWndList == NULL || m_pWndList->GetSafeHwnd() == NULL || m_Rect.IsRectEmpty())
        return;
    m_pWndList->InvalidateRect(m_Rect);
    if (!m_rectButton.IsRectEmpty())
        m_pWndList->InvalidateRect(m_rectButton);
    m_pWndList->UpdateWindow();
}

void CORXProp::Repos(int& y, BOOL bShow, BOOL bShowSubItems)
{
    CORXPropList* pList = m_pWndList;
    const int nRowHeight = pList->m_nRowHeight;
    if (bShow)
    {
        int nIndent;
        // A group of values that is itself a part of another stays in line with the other parts.
        if (pList->m_bAlphabeticMode)
            nIndent = (m_bIsValueList && m_pParent != NULL && m_pParent->IsCategory()) ||
                              (m_bIsValueList && m_pParent == NULL)
                          ? 0
                          : nRowHeight;
        else
            nIndent = GetHierarchyLevel() * nRowHeight;
        m_Rect = CRect(pList->m_rectList.left + nIndent, y, pList->m_rectList.right, y + nRowHeight);
        if (!m_rectButton.IsRectEmpty())
        {
            m_rectButton.top = m_Rect.top + 1;
            m_rectButton.bottom = m_Rect.bottom;
        }
        y += nRowHeight;
        pList->m_arShown.push_back(this);
    }
    else
    {
        m_Rect.SetRectEmpty();
        m_rectButton.SetRectEmpty();
    }
    for (POSITION pos = m_lstSubItems.GetHeadPosition(); pos != NULL;)
    {
        CORXProp* pSub = (CORXProp*)m_lstSubItems.GetNext(pos);
        pSub->Repos(y, bShow && m_bExpanded && bShowSubItems);
    }
}

CRect CORXProp::GetValueRect() const
{
    CRect rect = m_Rect;
    if (m_pWndList != NULL)
        rect.left = m_pWndList->GetListRect().left + m_pWndList->GetLeftColumnWidth() + 1;
    return rect;
}

CRect CORXProp::GetEditRect() const
{
    CRect rect = GetValueRect();
    rect.left += kTextMargin - 1;
    rect.top += 1;
    if (!m_rectButton.IsRectEmpty() && !IsCombo())
        rect.right = m_rectButton.left;
    return rect;
}

/////////////////////////////////////////////////////////////////////////////
// Values and their texts

CString CORXProp::FormatProperty()
{
    CString str;
    if (m_bIsValueList)
    {
        // The value of a group of values: its parts, in order.
        for (POSITION pos = m_lstSubItems.GetHeadPosition(); pos != NULL;)
        {
            if (!str.IsEmpty())
                str += _T(", ");
            str += ((CORXProp*)m_lstSubItems.GetNext(pos))->FormatProperty();
        }
        return str;
    }
    switch (m_varValue.vt)
    {
    case VT_BSTR:
        return TextOf(m_varValue.bstrVal);
    case VT_I1:
        str.Format(m_strFormatShort, (int)m_varValue.cVal);
        break;
    case VT_I2:
        str.Format(m_strFormatShort, (int)m_varValue.iVal);
        break;
    case VT_I4:
        str.Format(m_strFormatLong, (long)m_varValue.lVal);
        break;
    case VT_INT:
        str.Format(m_strFormatLong, (long)m_varValue.intVal);
        break;
    case VT_UI1:
        str.Format(m_strFormatUShort, (unsigned)m_varValue.bVal);
        break;
    case VT_UI2:
        str.Format(m_strFormatUShort, (unsigned)m_varValue.uiVal);
        break;
    case VT_UI4:
        str.Format(m_strFormatULong, (unsigned)m_varValue.ulVal);
        break;
    case VT_UINT:
        str.Format(m_strFormatULong, (unsigned)m_varValue.uintVal);
        break;
    case VT_R4:
        str.Format(m_strFormatFloat, (double)m_varValue.fltVal);
        break;
    case VT_R8:
        str.Format(m_strFormatDouble, m_varValue.dblVal);
        break;
    case VT_BOOL:
        str = m_varValue.boolVal != VARIANT_FALSE ? kTrue : kFalse;
        break;
    default:
        break;
    }
    return str;
}

int CORXProp::ParseInt(const CString& strText, BOOL& bOk)
{
    CString str = strText;
    str.TrimLeft();
    str.TrimRight();
    bOk = FALSE;
    int i = 0;
    if (i < str.GetLength() && (str[i] == _T('-') || str[i] == _T('+')))
        i++;
    if (i >= str.GetLength())
        return 0;
    for (int j = i; j < str.GetLength(); j++)
        if (str[j] < _T('0') || str[j] > _T('9'))
            return 0;
    bOk = TRUE;
    return _ttoi(str);
}

BOOL CORXProp::TextToVar(const CString& strText)
{
    if (m_bGroup)
        return FALSE;
    CString str = strText;
    str.TrimLeft();
    str.TrimRight();
    if (m_varValue.vt == VT_BSTR || m_varValue.vt == VT_EMPTY)
    {
        CORXVariant var = CORXVariant::FromText(strText);
        SetValue(var);
        return TRUE;
    }
    if (m_varValue.vt == VT_BOOL)
    {
        if (str.CompareNoCase(kTrue) == 0)
            SetValue(CORXVariant::FromBool(TRUE));
        else if (str.CompareNoCase(kFalse) == 0)
            SetValue(CORXVariant::FromBool(FALSE));
        else
            return FALSE;
        return TRUE;
    }
    // Numbers: the system's conversion, in the value's own type, refusing what does not fit.
    CORXVariant varText = CORXVariant::FromText(str);
    CORXVariant varNew;
    if (FAILED(::VariantChangeTypeEx(&varNew, &varText, kValueLocale, 0, m_varValue.vt)))
        return FALSE;
    SetValue(varNew);
    return TRUE;
}

void CORXProp::SetValue(const VARIANT& varValue)
{
    if (m_bGroup && !m_bIsValueList)
        return;
    m_varValue = varValue;
    if (m_pWndInPlace != NULL && m_pWndInPlace->GetSafeHwnd() != NULL)
        m_pWndInPlace->SetWindowText(FormatProperty());
    Redraw();
    // A part of a group of values changes the group's text as well.
    if (m_pParent != NULL && m_pParent->m_bIsValueList)
        m_pParent->Redraw();
}

/////////////////////////////////////////////////////////////////////////////
// Drawing

void CORXProp::OnDraw(CDC* pDC)
{
    CORXPropList* pList = m_pWndList;
    const CRect& rectList = pList->GetListRect();
    const int nRowHeight = pList->GetRowHeight();
    const int xDivider = rectList.left + pList->GetLeftColumnWidth();
    const COLORREF clrGroup = pList->GetGroupBackground();

    // The indent is a gutter in the groups' colour, as a category row is.
    CRect rectGutter(rectList.left, m_Rect.top, m_Rect.left, m_Rect.bottom);
    if (IsCategory())
        rectGutter.right = m_Rect.right;
    if (!rectGutter.IsRectEmpty())
        pDC->FillSolidRect(rectGutter, clrGroup);

    CRect rectName = m_Rect;
    if (!IsCategory())
        rectName.right = xDivider;
    if (m_bGroup)
    {
        CRect rectExpand(m_Rect.left, m_Rect.top, m_Rect.left + nRowHeight, m_Rect.bottom);
        OnDrawExpandBox(pDC, rectExpand);
        rectName.left = rectExpand.right;
    }
    OnDrawName(pDC, rectName);

    if (!IsCategory())
    {
        CRect rectValue = GetValueRect();
        OnDrawValue(pDC, rectValue);
        pDC->FillSolidRect(xDivider, m_Rect.top, 1, m_Rect.Height(), globalData.clrBtnFace);
        pDC->FillSolidRect(m_Rect.left, m_Rect.bottom - 1, m_Rect.Width(), 1, globalData.clrBtnFace);
    }
    if (!m_rectButton.IsRectEmpty())
        OnDrawButton(pDC, m_rectButton);
}

void CORXProp::OnDrawExpandBox(CDC* pDC, CRect rect)
{
    if (m_lstSubItems.IsEmpty())
        return;
    CPoint ptCentre = rect.CenterPoint();
    const int nBox = 9;
    CRect rectBox(ptCentre.x - nBox / 2, ptCentre.y - nBox / 2, ptCentre.x - nBox / 2 + nBox,
                  ptCentre.y - nBox / 2 + nBox);
    pDC->FillSolidRect(rectBox, globalData.clrWindow);
    pDC->Draw3dRect(rectBox, globalData.clrBtnShadow, globalData.clrBtnShadow);
    CPen pen(PS_SOLID, 1, globalData.clrBtnText);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(rectBox.left + 2, ptCentre.y);
    pDC->LineTo(rectBox.right - 2, ptCentre.y);
    if (!m_bExpanded)
    {
        pDC->MoveTo(ptCentre.x, rectBox.top + 2);
        pDC->LineTo(ptCentre.x, rectBox.bottom - 2);
    }
    pDC->SelectObject(pOldPen);
}

void CORXProp::OnDrawName(CDC* pDC, CRect rect)
{
    COLORREF clrText = m_bEnabled ? globalData.clrWindowText : globalData.clrGrayedText;
    if (IsSelected())
    {
        CRect rectFill = rect;
        rectFill.bottom--;
        if (m_pWndList->IsFocused())
        {
            pDC->FillSolidRect(rectFill, globalData.clrHilite);
            clrText = globalData.clrTextHilite;
        }
        else
            pDC->FillSolidRect(rectFill, globalData.clrBtnFace);
    }
    CFont* pOldFont = NULL;
    if (IsCategory())
        pOldFont = pDC->SelectObject(&m_pWndList->m_fontBold);
    COLORREF clrOld = pDC->SetTextColor(clrText);
    rect.DeflateRect(kTextMargin, 0);
    pDC->DrawText(m_strName, rect, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    pDC->SetTextColor(clrOld);
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
}

void CORXProp::OnDrawValue(CDC* pDC, CRect rect)
{
    COLORREF clrOld = pDC->SetTextColor(m_bEnabled && !m_bIsValueList ? globalData.clrWindowText
                                                                      : globalData.clrGrayedText);
    rect.DeflateRect(kTextMargin, 0);
    if (!m_rectButton.IsRectEmpty())
        rect.right = m_rectButton.left;
    pDC->DrawText(FormatProperty(), rect,
                  DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    pDC->SetTextColor(clrOld);
}

void CORXProp::DrawButtonFace(CDC* pDC, CRect rect, BOOL bArrow)
{
    pDC->FillSolidRect(rect, globalData.clrBtnFace);
    pDC->Draw3dRect(rect, globalData.clrBtnHilite, globalData.clrBtnDkShadow);
    CPoint ptCentre = rect.CenterPoint();
    if (bArrow)
    {
        // A small triangle pointing down.
        for (int i = 0; i < 4; i++)
            pDC->FillSolidRect(ptCentre.x - 3 + i, ptCentre.y - 1 + i, 7 - 2 * i, 1, globalData.clrBtnText);
    }
    else
    {
        for (int i = -1; i <= 1; i++)
            pDC->FillSolidRect(ptCentre.x + i * 3 - 1, ptCentre.y + 2, 2, 2, globalData.clrBtnText);
    }
}

void CORXProp::OnDrawButton(CDC* pDC, CRect rect)
{
    DrawButtonFace(pDC, rect, (m_dwFlags & StyleHasList) != 0);
}

void CORXProp::OnDrawDescription(CDC* pDC, CRect rect)
{
    CFont* pOldFont = pDC->SelectObject(&m_pWndList->m_fontBold);
    CRect rectName = rect;
    int nHeight = pDC->DrawText(m_strName, rectName, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    pDC->SelectObject(pOldFont);
    CRect rectText = rect;
    rectText.top += nHeight + 2;
    pDC->DrawText(m_strDescr, rectText, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DT_END_ELLIPSIS);
}

/////////////////////////////////////////////////////////////////////////////
// Editing

BOOL CORXProp::HasButton() const
{
    return (m_dwFlags & StyleHasList) != 0;
}

BOOL CORXProp::OnActivateByClick()
{
    // A click that selects a list row only selects it; the next one opens the list.
    return !IsCombo();
}

BOOL CORXProp::OnSetCursor() const
{
    if (m_bAllowEdit && !IsCombo() && m_bEnabled && !m_bGroup)
    {
        ::SetCursor(::LoadCursor(NULL, IDC_IBEAM));
        return TRUE;
    }
    return FALSE;
}

BOOL CORXProp::OnEdit(LPPOINT /*lptClick*/)
{
    if (m_bGroup || m_pWndList == NULL || m_pWndList->GetSafeHwnd() == NULL || m_Rect.IsRectEmpty())
        return FALSE;
    CORXPropInPlace* pWnd = new CORXPropInPlace(this);
    BOOL bCreated;
    if (IsCombo())
    {
        // The list covers the button, whose place its own arrow takes.
        CRect rect = GetValueRect();
        rect.bottom = rect.top + m_pWndList->GetRowHeight() * (std::min<int>(GetOptionCount(), 8) + 1) + 4;
        DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_AUTOHSCROLL |
                        (m_bAllowEdit ? CBS_DROPDOWN : CBS_DROPDOWNLIST);
        bCreated = pWnd->CreateEx(0, _T("COMBOBOX"), NULL, dwStyle, rect, m_pWndList, CORXPropList::IdCombo);
        if (bCreated)
        {
            pWnd->SendMessage(WM_SETFONT, (WPARAM)m_pWndList->GetListFont()->GetSafeHandle());
            // The closed list is exactly one row high.
            pWnd->SendMessage(CB_SETITEMHEIGHT, (WPARAM)-1, m_pWndList->GetRowHeight() - 6);
            CString strValue = FormatProperty();
            int nSel = -1;
            for (POSITION pos = m_lstOptions.GetHeadPosition(); pos != NULL;)
            {
                CString strOption = m_lstOptions.GetNext(pos);
                int nIndex = (int)pWnd->SendMessage(CB_ADDSTRING, 0, (LPARAM)(LPCTSTR)strOption);
                if (strOption == strValue)
                    nSel = nIndex;
            }
            pWnd->SendMessage(CB_SETCURSEL, nSel);
            if (m_bAllowEdit)
            {
                pWnd->SetWindowText(strValue);
                pWnd->AttachComboEdit();
            }
        }
    }
    else
    {
        DWORD dwStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | (m_bAllowEdit ? 0 : ES_READONLY);
        bCreated =
            pWnd->CreateEx(0, _T("EDIT"), NULL, dwStyle, GetEditRect(), m_pWndList, CORXPropList::IdInPlace);
        if (bCreated)
        {
            pWnd->SendMessage(WM_SETFONT, (WPARAM)m_pWndList->GetListFont()->GetSafeHandle());
            pWnd->SetWindowText(FormatProperty());
        }
    }
    if (!bCreated)
    {
        delete pWnd;
        return FALSE;
    }
    m_strTextBeforeEdit = FormatProperty();
    m_pWndInPlace = pWnd;
    m_bInPlaceEdit = TRUE;
    pWnd->SetFocus();
    return TRUE;
}

BOOL CORXProp::OnUpdateValue()
{
    if (m_pWndInPlace == NULL || m_pWndInPlace->GetSafeHwnd() == NULL)
        return TRUE;
    CString strText;
    m_pWndInPlace->GetWindowText(strText);
    CString strOld = FormatProperty();
    if (strText == strOld)
        return TRUE;
    if (!TextToVar(strText))
        return FALSE;
    if (FormatProperty() != strOld && m_pWndList != NULL)
        m_pWndList->OnPropertyChanged(this);
    return TRUE;
}

void CORXProp::OnEndEdit()
{
    m_bInPlaceEdit = FALSE;
    CWnd* pWnd = m_pWndInPlace;
    m_pWndInPlace = NULL;
    if (pWnd != NULL)
    {
        if (pWnd->GetSafeHwnd() != NULL)
            pWnd->DestroyWindow();
        delete pWnd;
    }
}

void CORXProp::OnClickButton(CPoint /*point*/)
{
    if (IsCombo() && m_pWndInPlace != NULL && m_pWndInPlace->GetSafeHwnd() != NULL)
    {
        BOOL bDropped = (BOOL)m_pWndInPlace->SendMessage(CB_GETDROPPEDSTATE);
        m_pWndInPlace->SetFocus();
        m_pWndInPlace->SendMessage(CB_SHOWDROPDOWN, !bDropped);
    }
}

BOOL CORXProp::OnDblClick(CPoint /*point*/)
{
    // A double click takes the next choice of a list.
    if (!IsCombo() || !m_bEnabled)
        return FALSE;
    if (m_pWndInPlace != NULL && m_pWndInPlace->GetSafeHwnd() != NULL)
        m_pWndInPlace->SendMessage(CB_SHOWDROPDOWN, FALSE);
    CString strValue = FormatProperty();
    POSITION pos = m_lstOptions.Find(strValue);
    if (pos != NULL)
        m_lstOptions.GetNext(pos);
    if (pos == NULL)
        pos = m_lstOptions.GetHeadPosition();
    CString strNext = m_lstOptions.GetAt(pos);
    if (strNext == strValue || !TextToVar(strNext))
        return FALSE;
    if (m_pWndInPlace != NULL && m_pWndInPlace->GetSafeHwnd() != NULL)
        m_pWndInPlace->SendMessage(CB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCTSTR)strNext);
    if (m_pWndList != NULL)
        m_pWndList->OnPropertyChanged(this);
    return TRUE;
}

void CORXProp::OnSelectCombo()
{
    if (m_pWndInPlace == NULL || m_pWndInPlace->GetSafeHwnd() == NULL)
        return;
    int nSel = (int)m_pWndInPlace->SendMessage(CB_GETCURSEL);
    if (nSel < 0)
        return;
    CString strText;
    int nLen = (int)m_pWndInPlace->SendMessage(CB_GETLBTEXTLEN, nSel);
    if (nLen > 0)
    {
        m_pWndInPlace->SendMessage(CB_GETLBTEXT, nSel, (LPARAM)strText.GetBuffer(nLen + 1));
        strText.ReleaseBuffer(nLen);
    }
    CString strOld = FormatProperty();
    if (strText != strOld && TextToVar(strText) && FormatProperty() != strOld && m_pWndList != NULL)
        m_pWndList->OnPropertyChanged(this);
}

void CORXProp::OnCloseCombo()
{
    if (m_pWndInPlace != NULL && m_pWndInPlace->GetSafeHwnd() != NULL)
        m_pWndInPlace->SetFocus();
}

BOOL CORXProp::PushChar(UINT nChar)
{
    if (m_pWndInPlace == NULL || m_pWndInPlace->GetSafeHwnd() == NULL)
        return FALSE;
    if (IsCombo() && !m_bAllowEdit)
    {
        // A letter picks the choice that starts with it.
        m_pWndInPlace->SendMessage(WM_CHAR, nChar, 0);
        OnSelectCombo();
        return TRUE;
    }
    if (!m_bAllowEdit || nChar < _T(' '))
        return FALSE;
    // Typing on a selected row replaces its text.
    TCHAR sz[2] = {(TCHAR)nChar, 0};
    m_pWndInPlace->SetWindowText(sz);
    HWND hEdit = ((CORXPropInPlace*)m_pWndInPlace)->GetEditHwnd();
    if (hEdit != NULL)
        ::SendMessage(hEdit, EM_SETSEL, 1, 1);
    return TRUE;
}

namespace
{
BOOL TextFits(CORXPropList* pList, const CString& strText, int nWidth, BOOL bBold)
{
    if (strText.IsEmpty() || pList->GetSafeHwnd() == NULL)
        return TRUE;
    CClientDC dc(pList);
    CFont* pOld = dc.SelectObject(pList->GetListFont());
    CSize size = dc.GetTextExtent(strText);
    dc.SelectObject(pOld);
    if (bBold)
        size.cx += size.cx / 8;
    return size.cx <= nWidth;
}
} // namespace

CString CORXProp::GetNameTooltip()
{
    if (m_pWndList == NULL)
        return CString();
    // A tip for a name only where the column cuts it.
    int nWidth = IsCategory() ? m_Rect.Width() - m_pWndList->GetRowHeight()
                              : m_pWndList->GetListRect().left + m_pWndList->GetLeftColumnWidth() -
                                    m_Rect.left - (m_bGroup ? m_pWndList->GetRowHeight() : 0);
    return TextFits(m_pWndList, m_strName, nWidth - 2 * kTextMargin, IsCategory()) ? CString() : m_strName;
}

CString CORXProp::GetValueTooltip()
{
    if (m_pWndList == NULL || m_bInPlaceEdit)
        return CString();
    CRect rect = GetValueRect();
    if (!m_rectButton.IsRectEmpty())
        rect.right = m_rectButton.left;
    CString strValue = FormatProperty();
    return TextFits(m_pWndList, strValue, rect.Width() - 2 * kTextMargin, FALSE) ? CString() : strValue;
}

HBRUSH CORXProp::OnCtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    pDC->SetTextColor(globalData.clrWindowText);
    pDC->SetBkColor(globalData.clrWindow);
    return (HBRUSH)globalData.brWindow.GetSafeHandle();
}

BOOL CORXProp::OnKillFocus(CWnd* /*pNewWnd*/)
{
    // The row's own editor (a dialog) has the focus meanwhile: the edit stays.
    return !m_bButtonIsDown;
}
