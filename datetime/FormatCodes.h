// Expansion of the library's strftime-like formats, shared by the four value classes.
#ifndef VELMORA_DATETIME_FORMATCODES_H
#define VELMORA_DATETIME_FORMATCODES_H

#include <afx.h>

// Copies fmt, replacing "%c" and "%#c" by codeText(c, alternate). A lone "%" (or "%#") at the
// end is dropped.
template <class CodeText> CString ExpandFormat(const CString& fmt, CodeText codeText)
{
    CString out;
    int len = fmt.GetLength();
    for (int i = 0; i < len; i++)
    {
        TCHAR ch = fmt[i];
        if (ch != '%')
        {
            out += ch;
            continue;
        }
        if (++i >= len)
            break;
        BOOL alternate = FALSE;
        if (fmt[i] == '#')
        {
            alternate = TRUE;
            if (++i >= len)
                break;
        }
        out += codeText(fmt[i], alternate);
    }
    return out;
}

#endif // VELMORA_DATETIME_FORMATCODES_H
