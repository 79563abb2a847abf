// DisplayTextFormatter.h: CDisplayTextFormatter, which expands a clock's display-text template
// for one instant into the lines that the clock window draws.
#ifndef VELMORA_DISPLAYTEXTFORMATTER_H
#define VELMORA_DISPLAYTEXTFORMATTER_H

#include <afx.h>
#include <afxdisp.h>

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

    static CString ZoneName(const CString& strName, BOOL bFull);
    static int WeekOfYear(const COleDateTime& dt);

    // Implementation
protected:
    CString NextToken(const DISPLAYTEXTREQUEST& req);
    BOOL Matches(LPCTSTR pszElement) const;
    static BOOL StartsElement(TCHAR ch);

    CString m_strCurrentLine;
    CString m_strLongestLine;
    BOOL m_bQuote;
    CString m_strTemplate;
    int m_nLineBreaks;
    CString m_strResult;
    int m_nLength;
    int m_nPos;
    SYSTEMTIME m_st; // the instant of the current request
};

#endif // VELMORA_DISPLAYTEXTFORMATTER_H
