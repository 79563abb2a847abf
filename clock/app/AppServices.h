// What the application supplies to the engine: its profile as the store of the engine's settings,
// and the box that shows a failed multimedia command.
#ifndef VELMORA_APPSERVICES_H
#define VELMORA_APPSERVICES_H

#include <afxwin.h>

#include "ProfileStore.h"
#include "SoundServices.h"

// The engine's settings where the application object keeps its profile: the registry key it names.
class CWinAppProfileStore : public IProfileStore
{
public:
    explicit CWinAppProfileStore(CWinApp& app) : m_app(app) {}

    UINT GetProfileInt(LPCTSTR pszSection, LPCTSTR pszEntry, int nDefault) override;
    CString GetProfileString(LPCTSTR pszSection, LPCTSTR pszEntry, LPCTSTR pszDefault) override;
    BOOL GetProfileBinary(LPCTSTR pszSection, LPCTSTR pszEntry, LPBYTE* ppData, UINT* pBytes) override;
    BOOL WriteProfileInt(LPCTSTR pszSection, LPCTSTR pszEntry, int nValue) override;
    BOOL WriteProfileString(LPCTSTR pszSection, LPCTSTR pszEntry, LPCTSTR pszValue) override;
    BOOL WriteProfileBinary(LPCTSTR pszSection, LPCTSTR pszEntry, LPBYTE pData, UINT nBytes) override;

private:
    CWinApp& m_app;
};

// The "MCI Error" box, over the main window, with the warning sound before it.
class CMciErrorBox : public IMciErrorReporter
{
public:
    void ReportMciError(MCIERROR nError, LPCSTR pszText) override;
};

#endif // VELMORA_APPSERVICES_H
