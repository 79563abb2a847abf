// The framework's standard prompts: the program's own string when it has one, else built-in text.
#include "AfxWinImpl.h"

struct AFX_PROMPT_TEXT
{
    UINT nID;
    LPCTSTR lpszText;
};

static const AFX_PROMPT_TEXT afxPromptTexts[] = {
    {AFX_IDP_PARSE_INT, _T("Please enter an integer.")},
    {AFX_IDP_PARSE_REAL, _T("Please enter a number.")},
    {AFX_IDP_PARSE_INT_RANGE, _T("Please enter an integer between %1 and %2.")},
    {AFX_IDP_PARSE_REAL_RANGE, _T("Please enter a number between %1 and %2.")},
    {AFX_IDP_PARSE_STRING_SIZE, _T("Enter no more than %1 characters.")},
    {AFX_IDP_PARSE_RADIO_BUTTON, _T("Please select a button.")},
    {AFX_IDP_PARSE_BYTE, _T("Please enter an integer between 0 and 255.")},
    {AFX_IDP_PARSE_UINT, _T("Please enter a positive integer.")},
    {AFX_IDP_PARSE_DATETIME, _T("Please enter a date and/or time.")},
    {AFX_IDP_PARSE_CURRENCY, _T("Please enter a currency.")},
    {AFX_IDP_INTERNAL_FAILURE, _T("Internal application error.")},
};

CString AFXAPI AfxGetStandardPrompt(UINT nIDPrompt)
{
    // Only a string table that holds the id is asked, so a program without one stays quiet.
    CString str;
    if (::FindResource(AfxGetResourceHandle(), MAKEINTRESOURCE((nIDPrompt >> 4) + 1), RT_STRING) != NULL &&
        str.LoadString(nIDPrompt) && !str.IsEmpty())
        return str;
    for (size_t i = 0; i < sizeof(afxPromptTexts) / sizeof(afxPromptTexts[0]); i++)
    {
        if (afxPromptTexts[i].nID == nIDPrompt)
            return afxPromptTexts[i].lpszText;
    }
    return CString();
}
