// DisplayTextFormatter.cpp: the picture language of the clocks' display texts.
#include "DisplayTextFormatter.h"

#include <stdio.h>
#include <string.h>
#include <wchar.h>

CDisplayTextFormatter::CDisplayTextFormatter() : m_bQuote(FALSE), m_nLineBreaks(0), m_nLength(0), m_nPos(0)
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
    m_strCurrentLine.Empty();
    m_strLongestLine.Empty();
    m_bQuote = FALSE;
    m_strTemplate = req.strTemplate;
    m_nLineBreaks = 0;
    m_strResult.Empty();
    m_nLength = m_strTemplate.GetLength();
    m_nPos = 0;

    // The instant's fields, taken apart once for every element of the template.
    const COleDateTime& dt = req.dtInstant;
    memset(&m_st, 0, sizeof(m_st));
    m_st.wYear = (WORD)dt.GetYear();
    m_st.wMonth = (WORD)dt.GetMonth();
    m_st.wDayOfWeek = (WORD)(dt.GetDayOfWeek() - 1);
    m_st.wDay = (WORD)dt.GetDay();
    m_st.wHour = (WORD)dt.GetHour();
    m_st.wMinute = (WORD)dt.GetMinute();
    m_st.wSecond = (WORD)dt.GetSecond();

    while (m_nPos < m_nLength)
    {
        // A plain character of the template (punctuation, spaces, quoted text) is copied as it
        // stands: ASCII is never the lead byte of a double-byte character, nor a line break here.
        TCHAR ch = m_strTemplate[m_nPos];
        if (ch != _T('\0') && (unsigned)ch < 0x80 && ch != _T('\'') && ch != _T('\n') &&
            (m_bQuote || !StartsElement(ch)))
        {
            m_strResult += ch;
            m_strCurrentLine += ch;
            m_nPos++;
            continue;
        }
        CString strToken = NextToken(req);
        if (!strToken.IsEmpty())
            m_strResult += strToken;
        m_strCurrentLine += strToken;
        if (strToken == _T("\n"))
        {
            if (m_strCurrentLine.GetLength() > m_strLongestLine.GetLength())
                m_strLongestLine = m_strCurrentLine;
            m_strCurrentLine.Empty();
        }
    }

    req.strText = m_strResult;
    req.nLineCount = m_nLineBreaks + 1;
    if (m_strCurrentLine.GetLength() > m_strLongestLine.GetLength())
        m_strLongestLine = m_strCurrentLine;
    req.strLongestLine = m_strLongestLine;
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

static CString DatePicture(const SYSTEMTIME& st, LPCSTR pszPicture)
{
    char sz[100];
    if (::GetDateFormatA(LOCALE_USER_DEFAULT, 0, &st, pszPicture, sz, sizeof(sz)) == 0)
        return CString();
    return CString(sz);
}

static CString TimePicture(const SYSTEMTIME& st, LPCSTR pszPicture)
{
    // Hours of the 24-hour clock, minutes and seconds are the numbers themselves, which the system
    // would print the same way for a valid time; an invalid one still goes to the system, which
    // refuses it. The 12-hour clock and the AM/PM designators are the locale's.
    if (st.wHour < 24 && st.wMinute < 60 && st.wSecond < 60 && st.wMilliseconds < 1000)
    {
        int nValue = -1;
        switch (pszPicture[0])
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
        if (nValue >= 0 &&
            (pszPicture[1] == '\0' || (pszPicture[1] == pszPicture[0] && pszPicture[2] == '\0')))
        {
            char sz[4];
            sz[0] = (char)('0' + nValue / 10);
            sz[1] = (char)('0' + nValue % 10);
            sz[2] = '\0';
            return CString(pszPicture[1] == '\0' && nValue < 10 ? sz + 1 : sz);
        }
    }
    char sz[100];
    if (::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, pszPicture, sz, sizeof(sz)) == 0)
        return CString();
    return CString(sz);
}

static CString Number(LPCSTR pszFormat, int n)
{
    CString str;
    str.Format(pszFormat, n);
    return str;
}

CString CDisplayTextFormatter::NextToken(const DISPLAYTEXTREQUEST& req)
{
    const COleDateTime& dt = req.dtInstant;
    const SYSTEMTIME& st = m_st;

    TCHAR ch = m_strTemplate[m_nPos];

    if (ch == _T('\''))
    {
        m_bQuote = !m_bQuote;
        m_nPos++;
        return CString();
    }

    // A double-byte character is one character: its trail byte may look like an element.
    int nCharLen = (::IsDBCSLeadByte((BYTE)ch) && m_nPos + 1 < m_nLength) ? 2 : 1;
    if (m_bQuote)
    {
        CString str = m_strTemplate.Mid(m_nPos, nCharLen);
        m_nPos += nCharLen;
        return str;
    }

    struct ELEMENT
    {
        LPCTSTR pszElement;
        int nKind;
    };
    enum
    {
        kLineBreak,
        kSeparator,
        kDatePicture,
        kTimePicture,
        kDay2,
        kDay,
        kMonth2,
        kMonth,
        kYear4,
        kYear2,
        kWeek2,
        kWeek,
        kDayOfYear3,
        kDayOfYear,
        kZoneFull,
        kZoneShort,
        kStandardName
    };
    // Longest first within each family, so "dddd" is never read as "dd" twice.
    static const ELEMENT aElements[] = {
        {_T("|"), kLineBreak},      {_T("~"), kSeparator},     {_T("dddd"), kDatePicture},
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
        const ELEMENT& e = aElements[i];
        if (!Matches(e.pszElement))
            continue;
        m_nPos += lstrlen(e.pszElement);
        switch (e.nKind)
        {
        case kLineBreak:
            m_nLineBreaks++;
            return CString(_T("\n"));
        case kSeparator:
            return CString();
        case kDatePicture:
            return DatePicture(st, e.pszElement);
        case kTimePicture:
            return TimePicture(st, e.pszElement);
        case kDay2:
            return Number("%.02d", st.wDay);
        case kDay:
            return Number("%d", st.wDay);
        case kMonth2:
            return Number("%.02d", st.wMonth);
        case kMonth:
            return Number("%d", st.wMonth);
        case kYear4:
            return Number("%1d", st.wYear);
        case kYear2:
            return Number("%.02d", st.wYear % 100);
        case kWeek2:
            return Number("%.02d", WeekOfYear(dt));
        case kWeek:
            return Number("%d", WeekOfYear(dt));
        case kDayOfYear3:
            return Number("%.03d", dt.GetDayOfYear());
        case kDayOfYear:
            return Number("%d", dt.GetDayOfYear());
        case kZoneFull:
            return ZoneName(req.strClockName, TRUE);
        case kZoneShort:
            return ZoneName(req.strClockName, FALSE);
        case kStandardName: {
            // The name field need not be terminated: convert at most its 32 units.
            int nUnits = (int)wcsnlen(req.tzi.StandardName, 32);
            char sz[32 * 2 + 1];
            int n = ::WideCharToMultiByte(CP_ACP, 0, req.tzi.StandardName, nUnits, sz, sizeof(sz) - 1, NULL,
                                          NULL);
            sz[n > 0 ? n : 0] = '\0';
            return CString(sz);
        }
        }
    }

    CString str = m_strTemplate.Mid(m_nPos, nCharLen);
    m_nPos += nCharLen;
    return str;
}
