#include "VersionTexts.h"

BOOL FileTypeText(DWORD dwFileType, DWORD dwFileSubtype, CString& text)
{
    static const LPCTSTR s_drivers[] = {_T("Unknown driver"),  _T("Printer driver"), _T("Keyboard driver"),
                                        _T("Language driver"), _T("Display driver"), _T("Mouse driver"),
                                        _T("Network driver"),  _T("System driver"),  _T("Installable driver"),
                                        _T("Sound driver")};
    static const LPCTSTR s_fonts[] = {_T("Unknown font"), _T("Raster font"), _T("Vector font"),
                                      _T("Truetype font")};
    switch (dwFileType)
    {
    case VFT_UNKNOWN:
        text = _T("Unknown type");
        return TRUE;
    case VFT_APP:
        text = _T("Application");
        return TRUE;
    case VFT_DLL:
        text = _T("Dynamic link library");
        return TRUE;
    case VFT_DRV:
        if (dwFileSubtype >= sizeof(s_drivers) / sizeof(s_drivers[0]))
            return FALSE;
        text = s_drivers[dwFileSubtype];
        return TRUE;
    case VFT_FONT:
        if (dwFileSubtype >= sizeof(s_fonts) / sizeof(s_fonts[0]))
            return FALSE;
        text = s_fonts[dwFileSubtype];
        return TRUE;
    case VFT_VXD:
        text = _T("Virtual device");
        return TRUE;
    case VFT_STATIC_LIB:
        text = _T("Static link library");
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL OperatingSystemText(DWORD dwFileOS, CString& text)
{
    static const struct
    {
        DWORD os;
        LPCTSTR text;
    } s_systems[] = {
        {0x00000000, _T("Unknown OS")},
        {0x00010000, _T("MS-DOS")},
        {0x00010001, _T("16-bit windows running on MS-DOS")},
        {0x00010004, _T("Win32 API running on MS-DOS")},
        {0x00020000, _T("16-bit OS/2")},
        {0x00020002, _T("16-bit Presentation manager running on 16-bit OS/2")},
        {0x00030000, _T("32-bit OS/2")},
        {0x00040000, _T("Windows NT")},
        {0x00040004, _T("Win32 API on Windows NT")},
    };
    for (size_t i = 0; i < sizeof(s_systems) / sizeof(s_systems[0]); i++)
    {
        if (s_systems[i].os == dwFileOS)
        {
            text = s_systems[i].text;
            return TRUE;
        }
    }
    return FALSE;
}

BOOL QueryVersionString(LPVOID pBlock, DWORD dwTranslation, LPCTSTR lpszKey, CString& value)
{
    value.Empty();
    CString path;
    path.Format(_T("\\StringFileInfo\\%04x%04x\\%s"), (unsigned)LOWORD(dwTranslation),
                (unsigned)HIWORD(dwTranslation), lpszKey);
    LPVOID pValue = NULL;
    UINT nLength = 0;
    if (!::VerQueryValue(pBlock, (LPTSTR)(LPCTSTR)path, &pValue, &nLength) || pValue == NULL || nLength == 0)
        return FALSE;
    // The length counts characters, the terminator among them; the value need not end with one.
    value = CString((LPCTSTR)pValue, (int)strnlen((LPCTSTR)pValue, nLength));
    return TRUE;
}
