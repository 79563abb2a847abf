// CVersionedApp: an application base that can read its own executable's path, version block
// and file times into members.
#ifndef VELMORA_TZEDITOR_VERSIONEDAPP_H
#define VELMORA_TZEDITOR_VERSIONEDAPP_H

#include <afxwin.h>

class CVersionedApp : public CWinApp
{
public:
    CVersionedApp();

    virtual BOOL InitInstance();

    BOOL ReadVersionInfo();
    BOOL ReadVersionStrings(LPVOID pBlock);
    BOOL FormatFixedInfo();
    BOOL ReadFileTimes();
    CString GetModulePath() const { return m_strModulePath; }

    CString m_strModulePath;
    CString m_strCompanyName;
    CString m_strCopyright;
    CString m_strFileDescription;
    CString m_strFileVersion;
    CString m_strMajorVersion;
    CString m_strMinorVersion;
    CString m_strInternalName;
    CString m_strOriginalFileName;
    CString m_strProductName;
    CString m_strProductVersion;
    CString m_strVersionNumber;
    CString m_strOperatingSystem;
    CString m_strFileType;
    CString m_strSpare1;
    CString m_strSpare2;
    VS_FIXEDFILEINFO m_fixedInfo;
    DWORD m_dwTranslation;
    FILETIME m_ftCreation;
    FILETIME m_ftLastAccess;
    FILETIME m_ftLastWrite;
};

#endif // VELMORA_TZEDITOR_VERSIONEDAPP_H
