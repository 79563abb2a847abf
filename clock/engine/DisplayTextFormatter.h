// DisplayTextFormatter.h: CDisplayTextFormatter, which expands a clock's display-text template
// for one instant into the lines that the clock window draws.
#ifndef VELMORA_DISPLAYTEXTFORMATTER_H
#define VELMORA_DISPLAYTEXTFORMATTER_H

#include <afx.h>
#include <afxdisp.h>

#include <string>
#include <vector>

// One request and its answer: the caller fills the "in" fields, Format completes the "out" ones.
struct DISPLAYTEXTREQUEST
{
    int nLineCount;            // out: line breaks + 1
    CString strText;           // out: the whole text, lines separated by '\n'
    CString strClockName;      // in: the clock's display name, source of "z" and "zz"
    COleDateTime dtInstant;    // in: the instant to show, usually the clock's local time
    CString strTemplate;       // in
    CString strLongestLine;    // out: the longest line, with its trailing '\n' if it had one
    TIME_ZONE_INFORMATION tzi; // in: the clock's zone; its StandardName is the source of "ZZ"
};

class CDisplayTextFormatter
{
    // Construction
public:
    CDisplayTextFormatter();

    // Operations
public:
    void Format(DISPLAYTEXTREQUEST& req);

    // The same expansion as Format, whose text stays in the formatter until its next expansion:
    // the clock window draws every clock every second, and copying the text out would cost more
    // than making it.
    void Expand(const CString& strTemplate, const CString& strClockName, const TIME_ZONE_INFORMATION& tzi,
                const COleDateTime& dtInstant);
    LPCTSTR GetText() const { return m_strText.c_str(); }
    int GetTextLength() const { return (int)m_strText.size(); }
    int GetLineCount() const { return m_nLineBreaks + 1; }
    LPCTSTR GetLongestLine() const { return m_strText.c_str() + m_nLongestStart; }
    int GetLongestLineLength() const { return m_nLongestLength; }

    static CString ZoneName(const CString& strName, BOOL bFull);
    static int WeekOfYear(const COleDateTime& dt);

    // Implementation
protected:
    // What a template element gives. A template is read into its elements once and kept: the
    // clocks of a window share a handful of templates, expanded anew every second.
    enum ElementKind
    {
        kText, // characters printed as they stand
        kLineBreak,
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
    struct ELEMENT
    {
        ElementKind nKind;
        int nStart, nLength; // kText: the characters; pictures: the picture; both in strChars
    };
    struct READTEMPLATE
    {
        CString strTemplate;
        std::string strChars;
        std::vector<ELEMENT> elements;
    };

    const READTEMPLATE& ReadTemplate(const CString& strTemplate);
    // Reads the element at the current position of the template being read and advances past it.
    void NextToken(READTEMPLATE& read);
    void AddText(READTEMPLATE& read, LPCTSTR pch, int nLength);
    BOOL Matches(LPCTSTR pszElement) const;
    static BOOL StartsElement(TCHAR ch);
    void AppendNumber(int nValue, int nDigits);
    void AppendElement(const READTEMPLATE& read, const ELEMENT& e, const CString& strClockName,
                       const TIME_ZONE_INFORMATION& tzi, const COleDateTime& dt);

    // Reading a template
    BOOL m_bQuote;
    CString m_strTemplate;
    int m_nLength;
    int m_nPos;
    std::vector<READTEMPLATE> m_templates;

    // The last expansion
    std::string m_strText;
    int m_nLineBreaks;
    int m_nLongestStart, m_nLongestLength;
    SYSTEMTIME m_st; // the instant of the current expansion
};

#endif // VELMORA_DISPLAYTEXTFORMATTER_H
