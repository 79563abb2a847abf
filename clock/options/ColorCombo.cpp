// ColorCombo.cpp: the colour list, its selection by colour and its items' drawing.
#include "ColorCombo.h"

const COLORCOMBOENTRY CColorCombo::s_colors[COLOR_COUNT] = {
    {0x000000, _T("Black")},  {0x000080, _T("Maroon")},  {0x008000, _T("Green")}, {0x008080, _T("Olive")},
    {0x800000, _T("Navy")},   {0x800080, _T("Purple")},  {0x808000, _T("Teal")},  {0x808080, _T("Grey")},
    {0xC0C0C0, _T("Silver")}, {0x0000FF, _T("Red")},     {0x00FF00, _T("Lime")},  {0x00FFFF, _T("Yellow")},
    {0xFF0000, _T("Blue")},   {0xFF00FF, _T("Fushcia")}, {0xFFFF00, _T("Aqua")},  {0xFFFFFF, _T("White")},
};

BEGIN_MESSAGE_MAP(CColorCombo, CComboBox)
ON_WM_CREATE()
END_MESSAGE_MAP()

CColorCombo::CColorCombo()
{
    m_bFilled = FALSE;
    m_bCreating = FALSE;
}

BOOL CColorCombo::PreCreateWindow(CREATESTRUCT& cs)
{
    m_bCreating = TRUE;
    return CComboBox::PreCreateWindow(cs);
}

int CColorCombo::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    m_bCreating = FALSE;
    if (CComboBox::OnCreate(lpCreateStruct) == -1)
        return -1;
    FillColors();
    return 0;
}

void CColorCombo::PreSubclassWindow()
{
    CComboBox::PreSubclassWindow();
    if (!m_bCreating)
        FillColors();
}

void CColorCombo::FillColors()
{
    if (m_bFilled || GetSafeHwnd() == NULL)
        return;
    for (int i = 0; i < COLOR_COUNT; i++)
    {
        int nItem = AddString(s_colors[i].szName);
        if (nItem == CB_ERRSPACE || nItem == CB_ERR)
            break;
        SetItemData(nItem, s_colors[i].crColor);
    }
    m_bFilled = TRUE;
    SetCurSel(0);
}

COLORREF CColorCombo::GetSelectedColor()
{
    int nSel = GetCurSel();
    if (nSel == CB_ERR)
        return RGB(0, 0, 0);
    return (COLORREF)GetItemData(nSel);
}

void CColorCombo::SelectColor(COLORREF crColor)
{
    int nCount = GetCount();
    for (int i = 0; i < nCount; i++)
        if ((COLORREF)GetItemData(i) == crColor)
            SetCurSel(i);
}

void CColorCombo::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if (lpDIS->itemID == (UINT)-1)
        return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rc(lpDIS->rcItem);
    BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
    BOOL bDisabled = (lpDIS->itemState & ODS_DISABLED) != 0;
    COLORREF crText;
    if (bSelected)
    {
        pDC->FillSolidRect(rc, ::GetSysColor(COLOR_HIGHLIGHT));
        crText = ::GetSysColor(COLOR_WINDOWTEXT) ^ 0x00FFFFFF;
    }
    else
    {
        pDC->FillSolidRect(rc, ::GetSysColor(COLOR_WINDOW));
        crText = ::GetSysColor(COLOR_WINDOWTEXT);
    }
    if (lpDIS->itemState & ODS_FOCUS)
        pDC->DrawFocusRect(rc);
    rc.DeflateRect(2, 2);

    COLORREF crSwatch = (COLORREF)lpDIS->itemData;
    if (bDisabled)
    {
        crSwatch = ::GetSysColor(COLOR_GRAYTEXT);
        crText = crSwatch;
    }
    CRect rcSwatch(rc.left, rc.top, rc.left + rc.Width() / 4, rc.bottom);
    CString strName;
    GetLBText((int)lpDIS->itemID, strName);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF crOld = pDC->SetTextColor(crText);
    CRect rcText(rcSwatch.right + 2, rc.top, rc.right, rc.bottom);
    pDC->DrawText(strName, rcText, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    pDC->SetTextColor(crOld);
    pDC->SetBkMode(nOldMode);
    pDC->FillSolidRect(rcSwatch, crSwatch);
    CBrush* pBlack = CBrush::FromHandle((HBRUSH)::GetStockObject(BLACK_BRUSH));
    pDC->FrameRect(rcSwatch, pBlack);
}
