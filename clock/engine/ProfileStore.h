// IProfileStore: where the engine reads and writes its settings, by section and entry, in the
// forms of the application's profile. The program keeps them where its application object keeps
// its profile; tests may keep them anywhere.
#ifndef VELMORA_PROFILESTORE_H
#define VELMORA_PROFILESTORE_H

#include <afx.h>

class IProfileStore
{
public:
    virtual ~IProfileStore() {}
    virtual UINT GetProfileInt(LPCTSTR pszSection, LPCTSTR pszEntry, int nDefault) = 0;
    virtual CString GetProfileString(LPCTSTR pszSection, LPCTSTR pszEntry, LPCTSTR pszDefault) = 0;
    // On success *ppData is a new[] array of *pBytes bytes, which the caller deletes.
    virtual BOOL GetProfileBinary(LPCTSTR pszSection, LPCTSTR pszEntry, LPBYTE* ppData, UINT* pBytes) = 0;
    virtual BOOL WriteProfileInt(LPCTSTR pszSection, LPCTSTR pszEntry, int nValue) = 0;
    virtual BOOL WriteProfileString(LPCTSTR pszSection, LPCTSTR pszEntry, LPCTSTR pszValue) = 0;
    virtual BOOL WriteProfileBinary(LPCTSTR pszSection, LPCTSTR pszEntry, LPBYTE pData, UINT nBytes) = 0;
};

// The store in force. The application installs one before the first setting is read; without
// one, reads give their defaults and writes are refused, after an assertion.
IProfileStore& GetProfileStore();
// Installs a store; null takes it away. The caller keeps ownership.
void SetProfileStore(IProfileStore* pStore);

#endif // VELMORA_PROFILESTORE_H
