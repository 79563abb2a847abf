// The colour, file and font rows and their editors.
#include "ORXPropKinds.h"

#include <afxdlgs.h>

#include <stdio.h>

#include "ORXColorMenuButton.h"
#include "ORXGlobalData.h"
#include "ORXPropList.h"

namespace
{
const COLORREF kAutomatic = (COLORREF)-1;
const TCHAR kAutomaticText[] = _T("Automatic");
} // namespace

/////////////////////////////////////////////////////////////////////////////
// CORXColorProp

IMPLEMENT_DYNAMIC(CORXColorProp, CORXProp)

CORXColorProp::CORXColorProp(const CString& strName, COLORREF color, CPalette* pPalette, LPCTSTR lpszDescr,
                             DWORD_PTR dwData)
    : CORXProp(strName, CORXVariant::FromLong((long)color), lpszDescr, dwData), m_Color(color),
      m_ColorAutomatic(RGB(0, 0, 0)), m_nColumns(-1), m_pPopup(NULL)
{
    CORXColorBar::InitColors(pPalette, m_Colors);
    m_rectColor.SetRectEmpty();
    // The pop-up is a drop-down: F4 and Alt+Down open it.
    m_dwFlags |= StyleHasList;
}

CORXColorProp::~CORXColorProp()
{
    if (m_pPopup != NULL && m_pPopup->GetSafeHwnd() != NULL)
    {
        m_pPopup->GetColorBar().SetColorBarClient(NULL);
        m_pPopup->SendMessage(WM_CLOSE);
    }
}

void CORXColorProp::EnableAutomaticButton(LPCTSTR lpszLabel, COLORREF colorAutomatic, BOOL bEnable)
{
    m_ColorAutomatic = colorAutomatic;
    m_strAutoColor = bEnable && lpszLabel != NULL ? lpszLabel : _T("");
}

void CORXColorProp::EnableOtherButton(LPCTSTR lpszLabel, BOOL bEnable)
{
    m_strOtherColor = bEnable && lpszLabel != NULL ? lpszLabel : _T("");
}

CString CORXColorProp::FormatProperty()
{
    if (m_Color == kAutomatic)
        return kAutomaticText;
    CString str;
    str.Format(_T("%d, %d, %d"), GetRValue(m_Color), GetGValue(m_Color), GetBValue(m_Color));
    return str;
}

BOOL CORXColorProp::TextToVar(const CString& strText)
{
    CString str = strText;
    str.TrimLeft();
    str.TrimRight();
    if (str.CompareNoCase(kAutomaticText) == 0 && !m_strAutoColor.IsEmpty())
    {
        SetColor(kAutomatic);
        return TRUE;
    }
    // "red, green, blue", each 0 to 255.
    int rgb[3];
    int nPart = 0;
    int nStart = 0;
    for (;;)
    {
        int nComma = str.Find(_T(','), nStart);
        CString strPart = nComma < 0 ? str.Mid(nStart) : str.Mid(nStart, nComma - nStart);
        BOOL bOk;
        int nValue = ParseInt(strPart, bOk);
        if (!bOk || nValue < 0 || nValue > 255 || nPart >= 3)
            return FALSE;
        rgb[nPart++] = nValue;
        if (nComma < 0)
            break;
        nStart = nComma + 1;
    }
    if (nPart != 3)
        return FALSE;
    SetColor(RGB(rgb[0], rgb[1], rgb[2]));
    return TRUE;
}

void CORXColorProp::SetColor(COLORREF color)
{
    m_Color = color;
    if (m_varValue.vt == VT_BOOL)
        m_varValue.boolVal = (long)color > 0 ? VARIANT_TRUE : VARIANT_FALSE;
    else
    {
        if (m_varValue.vt != VT_I4)
        {
            ::VariantClear(&m_varValue);
            m_varValue.vt = VT_I4;
        }
        m_varValue.lVal = (long)color;
    }
    if (m_pWndList != NULL && m_pWndList->GetSafeHwnd() != NULL && !m_Rect.IsRectEmpty())
    {
        CRect rect = GetValueRect();
        rect.DeflateRect(0, 1);
        m_pWndList->InvalidateRect(rect);
        m_pWndList->UpdateWindow();
    }
    if (m_pWndInPlace != NULL && m_pWndInPlace->GetSafeHwnd() != NULL)
        m_pWndInPlace->SetWindowText(FormatProperty());
}

CRect CORXColorProp::GetSwatchRect(const CRect& rectValue) const
{
    CRect rect = rectValue;
    rect.DeflateRect(3, 3);
    rect.right = rect.left + rect.Height() * 3 / 2;
    return rect;
}

void CORXColorProp::OnDrawValue(CDC* pDC, CRect rect)
{
    CRect rectSwatch = GetSwatchRect(rect);
    COLORREF color = m_Color == kAutomatic ? m_ColorAutomatic : m_Color;
    pDC->FillSolidRect(rectSwatch, color);
    pDC->Draw3dRect(rectSwatch, globalData.clrBtnShadow, globalData.clrBtnShadow);
    CRect rectText = rect;
    rectText.left = rectSwatch.right;
    CORXProp::OnDrawValue(pDC, rectText);
}

BOOL CORXColorProp::OnEdit(LPPOINT lptClick)
{
    if (!CORXProp::OnEdit(lptClick))
        return FALSE;
    // The edit starts right of the swatch, which stays in view.
    CRect rect = GetEditRect();
    rect.left = GetSwatchRect(GetValueRect()).right + 1;
    m_pWndInPlace->MoveWindow(rect);
    CRect rectSwatch = GetSwatchRect(GetValueRect());
    m_pWndList->InvalidateRect(rectSwatch);
    return TRUE;
}

void CORXColorProp::OnClickButton(CPoint /*point*/)
{
    if (m_pWndList == NULL || m_pWndList->GetSafeHwnd() == NULL)
        return;
    if (m_pPopup != NULL)
    {
        m_pPopup->SendMessage(WM_CLOSE);
        m_pPopup = NULL;
        return;
    }
    CList<COLORREF, COLORREF> lstDocColors;
    CColorPopup* pPopup =
        new CColorPopup(m_Colors, m_Color, m_strAutoColor.IsEmpty() ? NULL : (LPCTSTR)m_strAutoColor,
                        m_strOtherColor.IsEmpty() ? NULL : (LPCTSTR)m_strOtherColor, NULL, lstDocColors,
                        m_nColumns, 0, 0, m_ColorAutomatic, 0, NULL);
    pPopup->GetColorBar().SetColorBarClient(m_pWndList);
    CRect rect = GetValueRect();
    m_pWndList->ClientToScreen(rect);
    m_pPopup = pPopup;
    if (!pPopup->Create(m_pWndList, rect.left, rect.bottom, NULL, FALSE, TRUE))
    {
        // The pop-up deletes itself when its window goes.
        m_pPopup = NULL;
        return;
    }
    pPopup->GetColorBar().SetFocus();
}

BOOL CORXColorProp::OnKillFocus(CWnd* pNewWnd)
{
    // The pop-up takes the focus while it is open: the edit waits for its answer.
    return m_pPopup == NULL && CORXProp::OnKillFocus(pNewWnd);
}

/////////////////////////////////////////////////////////////////////////////
// CORXFileProp

IMPLEMENT_DYNAMIC(CORXFileProp, CORXProp)

CORXFileProp::CORXFileProp(const CString& strName, BOOL bOpenFileDialog, const CString& strFileName,
                           LPCTSTR lpszDefExt, DWORD dwFlags, LPCTSTR lpszFilter, LPCTSTR lpszDescr,
                           DWORD_PTR dwData)
    : CORXProp(strName, CORXVariant::FromText(strFileName), lpszDescr, dwData),
      m_bOpenFileDialog(bOpenFileDialog), m_strDefExt(lpszDefExt != NULL ? lpszDefExt : _T("")),
      m_strFilter(lpszFilter != NULL ? lpszFilter : _T("")), m_dwFileDialogFlags(dwFlags)
{
}

CString CORXFileProp::FormatText() const
{
    return const_cast<CORXFileProp*>(this)->FormatProperty();
}

void CORXFileProp::OnClickButton(CPoint /*point*/)
{
    if (m_pWndList == NULL)
        return;
    m_bButtonIsDown = TRUE;
    CString strFile = FormatProperty();
    CFileDialog dlg(m_bOpenFileDialog, m_strDefExt.IsEmpty() ? NULL : (LPCTSTR)m_strDefExt, strFile,
                    m_dwFileDialogFlags, m_strFilter.IsEmpty() ? NULL : (LPCTSTR)m_strFilter, m_pWndList);
    if (dlg.DoModal() == IDOK)
        SetValue(CORXVariant::FromText(dlg.GetPathName()));
    m_bButtonIsDown = FALSE;
    if (m_pWndInPlace != NULL && m_pWndInPlace->GetSafeHwnd() != NULL)
        m_pWndInPlace->SetFocus();
    else if (m_pWndList->GetSafeHwnd() != NULL)
        m_pWndList->SetFocus();
}

/////////////////////////////////////////////////////////////////////////////
// CORXFontProp

IMPLEMENT_DYNAMIC(CORXFontProp, CORXProp)

CORXFontProp::CORXFontProp(const CString& strName, const LOGFONT& lf, DWORD dwFontDialogFlags,
                           LPCTSTR lpszDescr, DWORD_PTR dwData, COLORREF color)
    : CORXProp(strName, CORXVariant::FromText(lf.lfFaceName), lpszDescr, dwData), m_lf(lf),
      m_dwFontDialogFlags(dwFontDialogFlags), m_Color(color)
{
    // The font is chosen in its dialog only.
    m_bAllowEdit = FALSE;
}

int CORXFontProp::PointSize(const LOGFONT& lf)
{
    HDC hDC = ::GetDC(NULL);
    int nDpi = hDC != NULL ? ::GetDeviceCaps(hDC, LOGPIXELSY) : 96;
    if (hDC != NULL)
        ::ReleaseDC(NULL, hDC);
    if (nDpi <= 0)
        nDpi = 96;
    int nHeight = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
    return ::MulDiv(nHeight, 72, nDpi);
}

CString CORXFontProp::FormatProperty()
{
    CString str;
    str.Format(_T("%s, %d pt"), m_lf.lfFaceName, PointSize(m_lf));
    return str;
}

void CORXFontProp::OnClickButton(CPoint /*point*/)
{
    if (m_pWndList == NULL)
        return;
    m_bButtonIsDown = TRUE;
    LOGFONT lf = m_lf;
    CFontDialog dlg(&lf, m_dwFontDialogFlags, NULL, m_pWndList);
    if (m_Color != (COLORREF)-1)
        dlg.m_cf.rgbColors = m_Color;
    if (dlg.DoModal() == IDOK)
    {
        dlg.GetCurrentFont(&m_lf);
        if (m_Color != (COLORREF)-1)
            m_Color = dlg.GetColor();
        SetValue(CORXVariant::FromText(m_lf.lfFaceName));
    }
    m_bButtonIsDown = FALSE;
    if (m_pWndInPlace != NULL && m_pWndInPlace->GetSafeHwnd() != NULL)
        m_pWndInPlace->SetFocus();
    else if (m_pWndList->GetSafeHwnd() != NULL)
        m_pWndList->SetFocus();
}
