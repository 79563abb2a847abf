// DisplayTextFormatter.cpp: the picture language of the clocks' display texts.
#include "DisplayTextFormatter.h"

#include <stdio.h>
#include <string.h>
#include <wchar.h>

namespace
{
// The templates of a window's clocks are few; should many be seen, they are read again.
const size_t kMostTemplates = 16;
} // namespace

CDisplayTextFormatter::CDisplayTextFormatter()
    : m_bQuote(FALSE), m_nLength(0), m_nPos(0), m_nLineBreaks(0), m_nLongestStart(0), m_nLongestLength(0)
{
    memset(&m_st, 0, sizeof(m_st));
}

CString CDisplayTextFormatter::ZoneName(const CString& strName, BOOL bFull)
{
    if (bFull)
        return strName;
    int nClose = strName.Find(_T(')'));
    if (nClose < 0)
        return CString();
    return strName.Left(nClose + 1);
}

int CDisplayTextFormatter::WeekOfYear(const COleDateTime& dt)
{
    if (dt.GetStatus() != COleDateTime::valid)
        return 0;
    // Whole days since 1 January 00:00 of the same year: the day of the year less one, as the time
    // of day never makes up a whole day.
    int nDays = dt.GetDayOfYear() - 1;
    if (nDays < 0)
        return 0;
    return nDays / 7 + 1;
}

void CDisplayTextFormatter::Format(DISPLAYTEXTREQUEST& req)
{
    Expand(req.strTemplate, req.strClockName, req.tzi, req.dtInstant);
    req.strText = CString(GetText(), GetTextLength());
    req.nLineCount = GetLineCount();
    req.strLongestLine = CString(GetLongestLine(), GetLongestLineLength());
}

void CDisplayTextFormatter::Expand(const CString& strTemplate, const CString& strClockName,
                                   const TIME_ZONE_INFORMATION& tzi, const COleDateTime& dtInstant)
{
    const READTEMPLATE& read = ReadTemplate(strTemplate);

    // The instant's fields, taken apart once for every element of the template; an invalid
    // instant gives every field the error value, as each of its parts would.
    memset(&m_st, 0, sizeof(m_st));
    if (!dtInstant.GetAsSystemTime(m_st))
    {
        const WORD wError = (WORD)AFX_OLE_DATETIME_ERROR;
        m_st.wYear = m_st.wMonth = m_st.wDay = m_st.wHour = m_st.wMinute = m_st.wSecond = wError;
        m_st.wDayOfWeek = (WORD)(AFX_OLE_DATETIME_ERROR - 1);
        m_st.wMilliseconds = 0;
    }

    m_strText.clear();
    m_nLineBreaks = 0;
    m_nLongestStart = 0;
    m_nLongestLength = 0;
    size_t nLineStart = 0;
    for (const ELEMENT& e : read.elements)
    {
        size_t nBefore = m_strText.size();
        AppendElement(read, e, strClockName, tzi, dtInstant);
        // An element that gives a line feed and nothing else ends the line, which keeps it.
        if (m_strText.size() == nBefore + 1 && m_strText[nBefore] == '\n')
        {
            int nLine = (int)(m_strText.size() - nLineStart);
            if (nLine > m_nLongestLength)
            {
                m_nLongestStart = (int)nLineStart;
                m_nLongestLength = nLine;
            }
            nLineStart = m_strText.size();
        }
    }
    int nLine = (int)(m_strText.size() - nLineStart);
    if (nLine > m_nLongestLength)
    {
        m_nLongestStart = (int)nLineStart;
        m_nLongestLength = nLine;
    }
}

const CDisplayTextFormatter::READTEMPLATE& CDisplayTextFormatter::ReadTemplate(const CString& strTemplate)
{
    for (const READTEMPLATE& read : m_templates)
        if (read.strTemplate == strTemplate)
            return read;
    if (m_templates.size() >= kMostTemplates)
        m_templates.clear();

    READTEMPLATE read;
    read.strTemplate = strTemplate;
    m_strTemplate = strTemplate;
    m_nLength = m_strTemplate.GetLength();
    m_nPos = 0;
    m_bQuote = FALSE;
    while (m_nPos < m_nLength)
    {
        // A plain character of the template (punctuation, spaces, quoted text) stands for
        // itself: ASCII is never the lead byte of a double-byte character, nor a line break here.
        TCHAR ch = m_strTemplate[m_nPos];
        if (ch != _T('\0') && (unsigned)ch < 0x80 && ch != _T('\'') && ch != _T('\n') &&
            (m_bQuote || !StartsElement(ch)))
        {
            AddText(read, (LPCTSTR)m_strTemplate + m_nPos, 1);
            m_nPos++;
            continue;
        }
        NextToken(read);
    }
    m_strTemplate.Empty();
    m_templates.push_back(std::move(read));
    return m_templates.back();
}

// Characters joined to the text element before them, unless either is a line feed alone: such an
// element ends a line, as "|" does.
void CDisplayTextFormatter::AddText(READTEMPLATE& read, LPCTSTR pch, int nLength)
{
    BOOL bLineFeed = nLength == 1 && pch[0] == _T('\n');
    if (!bLineFeed && !read.elements.empty())
    {
        ELEMENT& last = read.elements.back();
        if (last.nKind == kText && !(last.nLength == 1 && read.strChars[last.nStart] == '\n') &&
            last.nStart + last.nLength == (int)read.strChars.size())
        {
            read.strChars.append(pch, nLength);
            last.nLength += nLength;
            return;
        }
    }
    ELEMENT e = {kText, (int)read.strChars.size(), nLength};
    read.strChars.append(pch, nLength);
    read.elements.push_back(e);
}

// The characters the template's elements begin with; any other is copied as it stands.
BOOL CDisplayTextFormatter::StartsElement(TCHAR ch)
{
    return ch != _T('\0') && strchr("|~dMywDhHmstzZ", ch) != NULL;
}

// Compares the template at the current position with an element, never looking past its end.
BOOL CDisplayTextFormatter::Matches(LPCTSTR pszElement) const
{
    // Most elements differ in their first character: that alone settles it.
    if (m_strTemplate[m_nPos] != pszElement[0])
        return FALSE;
    int nLen = lstrlen(pszElement);
    if (m_nPos + nLen > m_nLength)
        return FALSE;
    return strncmp((LPCTSTR)m_strTemplate + m_nPos, pszElement, nLen) == 0;
}

void CDisplayTextFormatter::NextToken(READTEMPLATE& read)
{
    TCHAR ch = m_strTemplate[m_nPos];

    if (ch == _T('\''))
    {
        m_bQuote = !m_bQuote;
        m_nPos++;
        return;
    }

    // A double-byte character is one character: its trail byte may look like an element.
    int nCharLen = (::IsDBCSLeadByte((BYTE)ch) && m_nPos + 1 < m_nLength) ? 2 : 1;
    if (m_bQuote)
    {
        AddText(read, (LPCTSTR)m_strTemplate + m_nPos, nCharLen);
        m_nPos += nCharLen;
        return;
    }

    struct ELEMENTNAME
    {
        LPCTSTR pszElement;
        ElementKind nKind;
    };
    // Longest first within each family, so "dddd" is never read as "dd" twice. The separator
    // "~" gives nothing.
    static const ELEMENTNAME aElements[] = {
        {_T("|"), kLineBreak},      {_T("~"), kText},          {_T("dddd"), kDatePicture},
        {_T("ddd"), kDatePicture},  {_T("dd"), kDay2},         {_T("d"), kDay},
        {_T("MMMM"), kDatePicture}, {_T("MMM"), kDatePicture}, {_T("MM"), kMonth2},
        {_T("M"), kMonth},          {_T("yyyy"), kYear4},      {_T("yy"), kYear2},
        {_T("ww"), kWeek2},         {_T("w"), kWeek},          {_T("DD"), kDayOfYear3},
        {_T("D"), kDayOfYear},      {_T("hh"), kTimePicture},  {_T("h"), kTimePicture},
        {_T("HH"), kTimePicture},   {_T("H"), kTimePicture},   {_T("mm"), kTimePicture},
        {_T("m"), kTimePicture},    {_T("ss"), kTimePicture},  {_T("s"), kTimePicture},
        {_T("tt"), kTimePicture},   {_T("t"), kTimePicture},   {_T("zz"), kZoneFull},
        {_T("z"), kZoneShort},      {_T("ZZ"), kStandardName},
    };

    for (size_t i = 0; i < sizeof(aElements) / sizeof(aElements[0]); i++)
    {
        const ELEMENTNAME& name = aElements[i];
        if (!Matches(name.pszElement))
            continue;
        int nLen = lstrlen(name.pszElement);
        m_nPos += nLen;
        if (name.nKind == kText)
            return;
        ELEMENT e = {name.nKind, (int)read.strChars.size(), nLen};
        read.strChars.append(name.pszElement, nLen);
        read.elements.push_back(e);
        return;
    }

    AddText(read, (LPCTSTR)m_strTemplate + m_nPos, nCharLen);
    m_nPos += nCharLen;
}

// printf's "%d" (nDigits 1) and "%.0Nd": at least nDigits digits, after the sign.
void CDisplayTextFormatter::AppendNumber(int nValue, int nDigits)
{
    char sz[16];
    int n = 0;
    unsigned int u = nValue < 0 ? 0u - (unsigned int)nValue : (unsigned int)nValue;
    do
    {
        sz[n++] = (char)('0' + u % 10);
        u /= 10;
    } while (u != 0);
    while (n < nDigits)
        sz[n++] = '0';
    if (nValue < 0)
        m_strText += '-';
    while (n > 0)
        m_strText += sz[--n];
}

void CDisplayTextFormatter::AppendElement(const READTEMPLATE& read, const ELEMENT& e,
                                          const CString& strClockName, const TIME_ZONE_INFORMATION& tzi,
                                          const COleDateTime& dt)
{
    const SYSTEMTIME& st = m_st;
    switch (e.nKind)
    {
    case kText:
        m_strText.append(read.strChars, e.nStart, e.nLength);
        break;
    case kLineBreak:
        m_nLineBreaks++;
        m_strText += '\n';
        break;
    case kDatePicture: {
        char szPicture[8], sz[100];
        memcpy(szPicture, read.strChars.data() + e.nStart, e.nLength);
        szPicture[e.nLength] = '\0';
        if (::GetDateFormatA(LOCALE_USER_DEFAULT, 0, &st, szPicture, sz, sizeof(sz)) != 0)
            m_strText += sz;
        break;
    }
    case kTimePicture: {
        char szPicture[8];
        memcpy(szPicture, read.strChars.data() + e.nStart, e.nLength);
        szPicture[e.nLength] = '\0';
        // Hours of the 24-hour clock, minutes and seconds are the numbers themselves, which the
        // system would print the same way for a valid time; an invalid one still goes to the
        // system, which refuses it. The 12-hour clock and the AM/PM designators are the locale's.
        if (st.wHour < 24 && st.wMinute < 60 && st.wSecond < 60 && st.wMilliseconds < 1000)
        {
            int nValue = -1;
            switch (szPicture[0])
            {
            case 'H':
                nValue = st.wHour;
                break;
            case 'm':
                nValue = st.wMinute;
                break;
            case 's':
                nValue = st.wSecond;
                break;
            }
            if (nValue >= 0)
            {
                AppendNumber(nValue, e.nLength);
                break;
            }
        }
        char sz[100];
        if (::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, szPicture, sz, sizeof(sz)) != 0)
            m_strText += sz;
        break;
    }
    case kDay2:
        AppendNumber(st.wDay, 2);
        break;
    case kDay:
        AppendNumber(st.wDay, 1);
        break;
    case kMonth2:
        AppendNumber(st.wMonth, 2);
        break;
    case kMonth:
        AppendNumber(st.wMonth, 1);
        break;
    case kYear4:
        AppendNumber(st.wYear, 1);
        break;
    case kYear2:
        AppendNumber(st.wYear % 100, 2);
        break;
    case kWeek2:
        AppendNumber(WeekOfYear(dt), 2);
        break;
    case kWeek:
        AppendNumber(WeekOfYear(dt), 1);
        break;
    case kDayOfYear3:
        AppendNumber(dt.GetDayOfYear(), 3);
        break;
    case kDayOfYear:
        AppendNumber(dt.GetDayOfYear(), 1);
        break;
    case kZoneFull:
        m_strText.append((LPCTSTR)strClockName, strClockName.GetLength());
        break;
    case kZoneShort: {
        int nClose = strClockName.Find(_T(')'));
        if (nClose >= 0)
            m_strText.append((LPCTSTR)strClockName, nClose + 1);
        break;
    }
    case kStandardName: {
        // The name field need not be terminated: convert at most its 32 units.
        int nUnits = (int)wcsnlen(tzi.StandardName, 32);
        char sz[32 * 2 + 1];
        int n = ::WideCharToMultiByte(CP_ACP, 0, tzi.StandardName, nUnits, sz, sizeof(sz) - 1, NULL, NULL);
        m_strText.append(sz, n > 0 ? n : 0);
        break;
    }
    }
}
