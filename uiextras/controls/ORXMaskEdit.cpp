// CORXMaskEdit: the value behind the template, and the keys that edit it group by group.
#include <algorithm>

#include "ORXMaskEdit.h"

IMPLEMENT_DYNAMIC(CORXMaskEdit, CEdit)

BEGIN_MESSAGE_MAP(CORXMaskEdit, CEdit)
ON_WM_CREATE()
ON_WM_KEYDOWN()
ON_WM_LBUTTONUP()
ON_WM_CHAR()
ON_CONTROL_REFLECT(EN_UPDATE, OnUpdate)
ON_CONTROL_REFLECT(EN_SETFOCUS, OnSetFocus)
END_MESSAGE_MAP()

namespace
{
BOOL IsKeyDown(int nVirtKey)
{
    return (::GetKeyState(nVirtKey) & 0x8000) != 0;
}
} // namespace

CORXMaskEdit::CORXMaskEdit()
    : m_chMaskInputTemplate(_T('_')), m_bSelectByGroup(TRUE), m_bPasteProcessing(FALSE)
{
}

CORXMaskEdit::~CORXMaskEdit() {}

BOOL CORXMaskEdit::EnableMask(LPCTSTR lpszMask, LPCTSTR lpszInputTemplate, TCHAR chMaskInputTemplate,
                              LPCTSTR lpszValid)
{
    CString strMask = lpszMask != NULL ? lpszMask : _T("");
    CString strTemplate = lpszInputTemplate != NULL ? lpszInputTemplate : _T("");
    // A template that does not match its mask position for position would read mask characters
    // past the end of the mask.
    if (strMask.GetLength() != strTemplate.GetLength())
        return FALSE;
    m_strMask = strMask;
    m_strInputTemplate = strTemplate;
    m_chMaskInputTemplate = chMaskInputTemplate;
    m_strValid = lpszValid != NULL ? lpszValid : _T("");
    m_str = m_strInputTemplate;
    for (int i = 0; i < m_str.GetLength(); i++)
    {
        if (m_strInputTemplate[i] == _T('_'))
            m_str.SetAt(i, m_chMaskInputTemplate);
    }
    if (GetSafeHwnd() != NULL)
    {
        m_bPasteProcessing = TRUE;
        SetWindowText(m_str);
        m_bPasteProcessing = FALSE;
    }
    return TRUE;
}

void CORXMaskEdit::DisableMask()
{
    m_strMask.Empty();
    m_strInputTemplate.Empty();
}

void CORXMaskEdit::SetValidChars(LPCTSTR lpszValid)
{
    m_strValid = lpszValid != NULL ? lpszValid : _T("");
}

BOOL CORXMaskEdit::IsMaskedChar(TCHAR chChar, TCHAR chMaskChar) const
{
    const BYTE ch = (BYTE)chChar;
    const BOOL bDigit = ch >= '0' && ch <= '9';
    const BOOL bAlpha = ::IsCharAlphaA((CHAR)chChar);
    switch (chMaskChar)
    {
    case _T('D'):
        return bDigit;
    case _T('d'):
        return bDigit || ch == ' ';
    case _T('+'):
        return ch == '+' || ch == '-' || ch == ' ';
    case _T('C'):
        return bAlpha;
    case _T('c'):
        return bAlpha || ch == ' ';
    case _T('A'):
        return bAlpha || bDigit;
    case _T('a'):
        return bAlpha || bDigit || ch == ' ';
    case _T('*'):
        return ch >= 32 && ch != 127;
    }
    return FALSE;
}

BOOL CORXMaskEdit::IsValidChar(TCHAR ch) const
{
    return m_strValid.IsEmpty() || m_strValid.Find(ch) >= 0;
}

BOOL CORXMaskEdit::IsInputPos(int nPos) const
{
    return nPos >= 0 && nPos < m_strInputTemplate.GetLength() && m_strInputTemplate[nPos] == _T('_');
}

BOOL CORXMaskEdit::CheckChar(TCHAR ch, int nPos) const
{
    if (m_strMask.IsEmpty())
        return IsValidChar(ch);
    if (!IsInputPos(nPos))
        return FALSE;
    return IsValidChar(ch) && IsMaskedChar(ch, m_strMask[nPos]);
}

BOOL CORXMaskEdit::HasInput() const
{
    return m_strInputTemplate.IsEmpty() || m_strInputTemplate.Find(_T('_')) >= 0;
}

void CORXMaskEdit::GetGroupBounds(int& nStart, int& nEnd, int nPos, BOOL bForward) const
{
    const int nLen = m_strInputTemplate.GetLength();
    if (nLen == 0)
    {
        nStart = 0;
        nEnd = m_str.GetLength();
        return;
    }
    nStart = nEnd = -1;
    int nIn = -1; // an input position of the group looked for
    if (bForward)
    {
        if (nPos > 0 && IsInputPos(nPos - 1))
            nIn = nPos - 1;
        else
        {
            for (int i = std::max(nPos, 0); i < nLen && nIn < 0; i++)
                if (IsInputPos(i))
                    nIn = i;
        }
    }
    else
    {
        int i = std::min(std::max(nPos, 0), nLen);
        while (IsInputPos(i))
            i++;
        for (i--; i >= 0 && nIn < 0; i--)
            if (IsInputPos(i))
                nIn = i;
    }
    if (nIn < 0)
        return;
    nStart = nIn;
    while (IsInputPos(nStart - 1))
        nStart--;
    nEnd = nIn + 1;
    while (IsInputPos(nEnd))
        nEnd++;
}

BOOL CORXMaskEdit::SetValue(LPCTSTR lpszString, BOOL bWithDelimiters)
{
    const CString strText = lpszString != NULL ? lpszString : _T("");
    CString strNew;
    if (m_strMask.IsEmpty())
    {
        // The valid characters hold without a mask too: a paste of others is undone.
        for (int i = 0; i < strText.GetLength(); i++)
            if (!IsValidChar(strText[i]))
                return FALSE;
        strNew = strText;
    }
    else
    {
        int nInputs = 0;
        for (int i = 0; i < m_strInputTemplate.GetLength(); i++)
            if (IsInputPos(i))
                nInputs++;
        if (strText.GetLength() > (bWithDelimiters ? m_strMask.GetLength() : nInputs))
            return FALSE;
        strNew = m_strInputTemplate;
        for (int i = 0; i < strNew.GetLength(); i++)
            if (IsInputPos(i))
                strNew.SetAt(i, m_chMaskInputTemplate);
        int j = 0;
        for (int i = 0; i < m_strInputTemplate.GetLength() && j < strText.GetLength(); i++)
        {
            if (IsInputPos(i))
            {
                const TCHAR ch = strText[j++];
                if (ch != m_chMaskInputTemplate && (!IsValidChar(ch) || !IsMaskedChar(ch, m_strMask[i])))
                    return FALSE;
                strNew.SetAt(i, ch);
            }
            else if (bWithDelimiters)
            {
                if (strText[j++] != m_strInputTemplate[i])
                    return FALSE;
            }
        }
    }
    m_str = strNew;
    if (GetSafeHwnd() != NULL)
    {
        const BOOL bGuard = m_bPasteProcessing;
        m_bPasteProcessing = TRUE;
        CString strShown;
        GetWindowText(strShown);
        if (strShown != m_str)
            SetWindowText(m_str);
        m_bPasteProcessing = bGuard;
    }
    return TRUE;
}

CString CORXMaskEdit::GetValue(BOOL bWithDelimiters) const
{
    if (bWithDelimiters || m_strInputTemplate.IsEmpty())
        return m_str;
    CString strInput;
    for (int i = 0; i < m_str.GetLength(); i++)
        if (IsInputPos(i))
            strInput += m_str[i];
    return strInput;
}

int CORXMaskEdit::RunEnd(int nPos, int nGroupEnd) const
{
    int nEnd = nPos;
    while (nEnd < nGroupEnd && nEnd < m_strMask.GetLength() && m_strMask[nEnd] == m_strMask[nPos])
        nEnd++;
    return nEnd;
}

BOOL CORXMaskEdit::CanPlace(const CString& strMoved, int nStart) const
{
    for (int i = 0; i < strMoved.GetLength(); i++)
    {
        const TCHAR ch = strMoved[i];
        if (ch == m_chMaskInputTemplate)
            continue;
        if (!IsValidChar(ch) || !IsMaskedChar(ch, m_strMask[nStart + i]))
            return FALSE;
    }
    return TRUE;
}

void CORXMaskEdit::ReplaceRange(int nStart, int nEnd, const CString& strNew)
{
    for (int i = 0; i < strNew.GetLength() && nStart + i < m_str.GetLength(); i++)
        m_str.SetAt(nStart + i, strNew[i]);
    const BOOL bGuard = m_bPasteProcessing;
    m_bPasteProcessing = TRUE;
    SetSel(nStart, nEnd, TRUE);
    ReplaceSel(strNew, TRUE);
    m_bPasteProcessing = bGuard;
}

void CORXMaskEdit::SelectFirstOrAll()
{
    int nStart, nEnd;
    GetGroupBounds(nStart, nEnd, 0, TRUE);
    if (m_bSelectByGroup && nStart >= 0)
        SetSel(nStart, nEnd);
    else
        SetSel(0, -1);
}

int CORXMaskEdit::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CEdit::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_bPasteProcessing = TRUE;
    SetWindowText(m_str);
    m_bPasteProcessing = FALSE;
    return 0;
}

void CORXMaskEdit::OnSetFocus()
{
    SelectFirstOrAll();
    ScrollCaret();
}

void CORXMaskEdit::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bSelectByGroup)
    {
        int nSelStart, nSelEnd;
        GetSel(nSelStart, nSelEnd);
        int nStart, nEnd;
        GetGroupBounds(nStart, nEnd, nSelStart, TRUE);
        if (nStart < 0)
            GetGroupBounds(nStart, nEnd, nSelStart, FALSE);
        if (nStart >= 0)
        {
            const int nNewStart = std::min(std::max(nSelStart, nStart), nEnd);
            const int nNewEnd = std::min(std::max(nSelEnd, nStart), nEnd);
            if (nNewStart != nSelStart || nNewEnd != nSelEnd)
            {
                SetSel(nNewStart, nNewEnd);
                ScrollCaret();
            }
        }
    }
    CEdit::OnLButtonUp(nFlags, point);
}

void CORXMaskEdit::OnUpdate()
{
    if (m_bPasteProcessing)
        return;
    m_bPasteProcessing = TRUE;
    CString strText;
    GetWindowText(strText);
    if (strText != m_str && !SetValue(strText, TRUE))
    {
        Undo();
        EmptyUndoBuffer();
        Beep();
        GetWindowText(strText);
        if (strText != m_str)
        {
            SetWindowText(m_str);
            SelectFirstOrAll();
        }
    }
    m_bPasteProcessing = FALSE;
}

void CORXMaskEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const BOOL bCtrl = IsKeyDown(VK_CONTROL);
    if (nChar >= 32 && nChar != 127 && !bCtrl)
    {
        OnCharPrintable((TCHAR)nChar);
        return;
    }
    if (!m_strMask.IsEmpty() && (nChar == VK_BACK || (nChar == '.' && bCtrl)))
        return;
    CEdit::OnChar(nChar, nRepCnt, nFlags);
}

void CORXMaskEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    int nGroupStart, nGroupEnd;
    if (!m_strInputTemplate.IsEmpty())
    {
        GetGroupBounds(nGroupStart, nGroupEnd, 0, TRUE);
        if (nGroupStart < 0)
        {
            Beep();
            return;
        }
    }
    const BOOL bShift = IsKeyDown(VK_SHIFT);
    const BOOL bCtrl = IsKeyDown(VK_CONTROL);
    int nStart, nEnd;
    GetSel(nStart, nEnd);

    switch (nChar)
    {
    case VK_BACK:
        OnCharBackspace();
        return;
    case VK_DELETE:
        if (bShift)
            break;
        OnCharDelete();
        return;
    case VK_INSERT:
        if (bCtrl || bShift || m_strMask.IsEmpty())
            break;
        return;
    case VK_HOME:
        GetGroupBounds(nGroupStart, nGroupEnd, nStart, FALSE);
        if (nGroupStart < 0)
            GetGroupBounds(nGroupStart, nGroupEnd, 0, TRUE);
        SetCaret(std::max(nGroupStart, 0));
        ScrollCaret();
        return;
    case VK_END:
        GetGroupBounds(nGroupStart, nGroupEnd, nEnd, TRUE);
        if (nGroupStart < 0)
            GetGroupBounds(nGroupStart, nGroupEnd, m_str.GetLength(), FALSE);
        SetCaret(std::max(nGroupEnd, 0));
        ScrollCaret();
        return;
    case VK_LEFT:
    case VK_UP:
        GetGroupBounds(nGroupStart, nGroupEnd, nStart, FALSE);
        if (nGroupStart < 0)
            GetGroupBounds(nGroupStart, nGroupEnd, 0, TRUE);
        if (bShift)
        {
            int nNew = std::max(nStart - 1, 0);
            if (m_bSelectByGroup && nGroupStart >= 0)
                nNew = std::min(std::max(nNew, nGroupStart), nGroupEnd);
            SetSel(nNew, nEnd);
        }
        else if (bCtrl)
        {
            int nPrevStart = -1, nPrevEnd = -1;
            if (nStart > 0)
                GetGroupBounds(nPrevStart, nPrevEnd, nStart - 1, FALSE);
            if (nPrevStart < 0 || (nPrevStart == nStart && nPrevEnd == nEnd))
                Beep();
            else
                SetSel(nPrevStart, nPrevEnd);
        }
        else if (nStart == nGroupStart)
        {
            int nPrevStart = -1, nPrevEnd = -1;
            if (nGroupStart > 0)
                GetGroupBounds(nPrevStart, nPrevEnd, nGroupStart - 1, FALSE);
            if (nPrevStart < 0 || nPrevEnd > nGroupStart)
                Beep();
            else
                SetCaret(nPrevEnd);
        }
        else
            SetCaret(std::max(nStart - 1, 0));
        ScrollCaret();
        return;
    case VK_RIGHT:
    case VK_DOWN:
        GetGroupBounds(nGroupStart, nGroupEnd, nEnd, TRUE);
        if (nGroupStart < 0)
            GetGroupBounds(nGroupStart, nGroupEnd, m_str.GetLength(), FALSE);
        if (bShift)
        {
            int nNew = std::min(nEnd + 1, m_str.GetLength());
            if (m_bSelectByGroup && nGroupStart >= 0)
                nNew = std::min(std::max(nNew, nGroupStart), nGroupEnd);
            SetSel(nStart, nNew);
        }
        else if (bCtrl)
        {
            int nNextStart, nNextEnd;
            GetGroupBounds(nNextStart, nNextEnd, nEnd + 1, TRUE);
            if (nNextStart < 0 || (nNextStart == nStart && nNextEnd == nEnd))
                Beep();
            else
                SetSel(nNextStart, nNextEnd);
        }
        else if (nEnd == nGroupEnd)
        {
            int nNextStart, nNextEnd;
            GetGroupBounds(nNextStart, nNextEnd, nGroupEnd + 1, TRUE);
            if (nNextStart < 0 || nNextStart <= nEnd)
                Beep();
            else
                SetCaret(nNextStart);
        }
        else
            SetCaret(std::min(nEnd + 1, m_str.GetLength()));
        ScrollCaret();
        return;
    }
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CORXMaskEdit::OnCharPrintable(TCHAR chChar)
{
    const DWORD dwStyle = GetStyle();
    if (dwStyle & ES_UPPERCASE)
        chChar = (TCHAR)(DWORD_PTR)::CharUpperA((LPSTR)(DWORD_PTR)(BYTE)chChar);
    else if (dwStyle & ES_LOWERCASE)
        chChar = (TCHAR)(DWORD_PTR)::CharLowerA((LPSTR)(DWORD_PTR)(BYTE)chChar);

    int nStart, nEnd;
    GetSel(nStart, nEnd);
    int nGroupStart, nGroupEnd;
    GetGroupBounds(nGroupStart, nGroupEnd, nStart, TRUE);
    if (nGroupStart < 0)
    {
        // Past every group: the last one is where typing can go.
        Beep();
        GetGroupBounds(nGroupStart, nGroupEnd, m_str.GetLength(), FALSE);
        if (nGroupStart >= 0)
            SetSel(nGroupStart, nGroupEnd);
        return;
    }
    if (nStart < nGroupStart || nEnd > nGroupEnd)
    {
        Beep();
        SetSel(nGroupStart, nGroupEnd);
        return;
    }

    if (nStart == nEnd)
    {
        if (m_strMask.IsEmpty())
        {
            if (CheckChar(chChar, nStart))
                Default();
            else
                Beep();
            return;
        }
        int nPos = nStart;
        if (nPos == nGroupEnd)
        {
            int nNextStart, nNextEnd;
            GetGroupBounds(nNextStart, nNextEnd, nGroupEnd + 1, TRUE);
            if (nPos >= m_str.GetLength() || nNextStart < 0)
            {
                Beep();
                return;
            }
            nPos = nNextStart;
            nGroupStart = nNextStart;
            nGroupEnd = nNextEnd;
        }
        if (!CheckChar(chChar, nPos))
        {
            Beep();
            return;
        }
        ReplaceRange(nPos, nPos + 1, CString(chChar));
        nPos++;
        if (nPos == nGroupEnd)
        {
            int nNextStart, nNextEnd;
            GetGroupBounds(nNextStart, nNextEnd, nGroupEnd + 1, TRUE);
            if (nNextStart > nPos)
                nPos = nNextStart;
        }
        SetCaret(nPos);
        ScrollCaret();
        return;
    }

    if (!CheckChar(chChar, nStart))
    {
        Beep();
        return;
    }
    if (m_strInputTemplate.IsEmpty())
    {
        Default();
        return;
    }
    const int nRunEnd = RunEnd(nStart, nGroupEnd);
    if (nEnd > nRunEnd)
    {
        Beep();
        SetSel(nStart, nRunEnd);
        return;
    }
    CString strRun = CString(chChar) + m_str.Mid(nEnd, nRunEnd - nEnd);
    while (strRun.GetLength() < nRunEnd - nStart)
        strRun += m_chMaskInputTemplate;
    ReplaceRange(nStart, nRunEnd, strRun);
    SetCaret(nStart + 1);
    ScrollCaret();
}

BOOL CORXMaskEdit::RemoveFromRun(int nFrom, int nCount, int nRunEnd)
{
    CString strRest = m_str.Mid(nFrom + nCount, nRunEnd - nFrom - nCount);
    if (!CanPlace(strRest, nFrom))
    {
        Beep();
        return FALSE;
    }
    while (strRest.GetLength() < nRunEnd - nFrom)
        strRest += m_chMaskInputTemplate;
    ReplaceRange(nFrom, nRunEnd, strRest);
    SetCaret(nFrom);
    ScrollCaret();
    return TRUE;
}

BOOL CORXMaskEdit::BeginRemoval(int& nStart, int& nEnd, int& nGroupStart, int& nGroupEnd)
{
    if (m_strMask.IsEmpty())
    {
        Default();
        return FALSE;
    }
    GetSel(nStart, nEnd);
    GetGroupBounds(nGroupStart, nGroupEnd, nStart, TRUE);
    if (nGroupStart < 0 || nStart < nGroupStart || nEnd > nGroupEnd)
    {
        Beep();
        if (nGroupStart >= 0)
            SetSel(nGroupStart, nGroupEnd);
        return FALSE;
    }
    return TRUE;
}

void CORXMaskEdit::RemoveSelection(int nStart, int nEnd, int nGroupEnd)
{
    const int nRunEnd = RunEnd(nStart, nGroupEnd);
    if (nEnd > nRunEnd)
    {
        Beep();
        SetSel(nStart, nRunEnd);
        return;
    }
    RemoveFromRun(nStart, nEnd - nStart, nRunEnd);
}

void CORXMaskEdit::OnCharDelete()
{
    int nStart, nEnd, nGroupStart, nGroupEnd;
    if (!BeginRemoval(nStart, nEnd, nGroupStart, nGroupEnd))
        return;
    if (nStart == nEnd)
    {
        if (nStart == nGroupEnd)
        {
            Beep();
            return;
        }
        RemoveFromRun(nStart, 1, RunEnd(nStart, nGroupEnd));
        return;
    }
    RemoveSelection(nStart, nEnd, nGroupEnd);
}

void CORXMaskEdit::OnCharBackspace()
{
    int nStart, nEnd, nGroupStart, nGroupEnd;
    if (!BeginRemoval(nStart, nEnd, nGroupStart, nGroupEnd))
        return;
    if (nStart != nEnd)
    {
        RemoveSelection(nStart, nEnd, nGroupEnd);
        return;
    }
    if (nStart == nGroupStart)
    {
        int nPrevStart = -1, nPrevEnd = -1;
        if (nGroupStart > 0)
            GetGroupBounds(nPrevStart, nPrevEnd, nGroupStart - 1, FALSE);
        if (nPrevStart < 0 || nPrevEnd > nGroupStart)
            Beep();
        else
        {
            SetCaret(nPrevEnd);
            ScrollCaret();
        }
        return;
    }
    // The run of the character before the caret.
    int nRunStart = nStart - 1;
    RemoveFromRun(nRunStart, 1, RunEnd(nRunStart, nGroupEnd));
}
