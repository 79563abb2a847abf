// The store in force, and the empty one that stands in when the application installed none.
#include "ProfileStore.h"

namespace
{
IProfileStore* g_pStore = NULL;

class CNoProfileStore : public IProfileStore
{
public:
    UINT GetProfileInt(LPCTSTR, LPCTSTR, int nDefault) override { return (UINT)nDefault; }
    CString GetProfileString(LPCTSTR, LPCTSTR, LPCTSTR pszDefault) override { return CString(pszDefault); }
    BOOL GetProfileBinary(LPCTSTR, LPCTSTR, LPBYTE* ppData, UINT* pBytes) override
    {
        *ppData = NULL;
        *pBytes = 0;
        return FALSE;
    }
    BOOL WriteProfileInt(LPCTSTR, LPCTSTR, int) override { return FALSE; }
    BOOL WriteProfileString(LPCTSTR, LPCTSTR, LPCTSTR) override { return FALSE; }
    BOOL WriteProfileBinary(LPCTSTR, LPCTSTR, LPBYTE, UINT) override { return FALSE; }
};
} // namespace

IProfileStore& GetProfileStore()
{
    static CNoProfileStore none;
    ASSERT(g_pStore != NULL);
    return g_pStore != NULL ? *g_pStore : none;
}

void SetProfileStore(IProfileStore* pStore)
{
    g_pStore = pStore;
}
