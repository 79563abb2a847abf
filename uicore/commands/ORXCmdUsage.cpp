// CORXCommandUsage: use counts of commands and their archive image.
#include "ORXCmdUsage.h"

#include "ORXBarSettings.h"
#include "ORXCleanUp.h"
#include "ORXExtrasHooks.h"

IMPLEMENT_SERIAL(CORXCommandUsage, CObject, 1)

UINT CORXCommandUsage::m_nMinUsagePercentage = 5;
UINT CORXCommandUsage::m_nStartCount = 0;

namespace
{
void CleanUpCommandUsage()
{
    ORXGetCommandUsage().Reset();
}

struct CUsageHooks
{
    CUsageHooks() { ORXRegisterCleanUp(ORXCLEANUP_TOOLBARS, CleanUpCommandUsage); }
} s_usageHooks;
} // namespace

CORXCommandUsage& ORXGetCommandUsage()
{
    static CORXCommandUsage s_usage;
    return s_usage;
}

CORXCommandUsage::CORXCommandUsage() : m_CmdUsage(10), m_nTotalUsage(0)
{
    m_CmdUsage.InitHashTable(17);
}

CORXCommandUsage::~CORXCommandUsage() {}

BOOL CORXCommandUsage::IsGeneratedCommand(UINT uiCmd)
{
    return uiCmd == 0 || uiCmd == (UINT)-1 || (uiCmd >= 0xE110 && uiCmd <= 0xE11F) ||
           (uiCmd >= 0xF000 && uiCmd <= 0xF1EF) || uiCmd >= 0xFF00 || (uiCmd >= 0xE210 && uiCmd <= 0xE21F);
}

UINT CORXCommandUsage::AddCmd(UINT uiCmd)
{
    if (CORXBarSettings::IsCustomizeMode() || IsGeneratedCommand(uiCmd) ||
        CORXBarSettings::IsBasicCommand(uiCmd))
        return 0;
    if (CORXServices::Find<CORXUserToolsLink>() != NULL &&
        uiCmd == CORXServices::Find<CORXUserToolsLink>()->GetToolsEntryCmd())
        return 0;
    // The total bounds every count: once it cannot grow, counting stops for every command alike.
    if (m_nTotalUsage == 0xFFFFFFFFu)
        return m_nTotalUsage;
    UINT nCount = 0;
    m_CmdUsage.Lookup(uiCmd, nCount);
    m_CmdUsage.SetAt(uiCmd, nCount + 1);
    return ++m_nTotalUsage;
}

UINT CORXCommandUsage::GetCount(UINT uiCmd) const
{
    UINT nCount = 0;
    if (!m_CmdUsage.Lookup(uiCmd, nCount))
        return 0;
    return nCount;
}

BOOL CORXCommandUsage::IsFrequentlyUsed(UINT uiCmd) const
{
    if (m_nTotalUsage == 0)
        return FALSE;
    // In 64 bits: a count above 42,949,672 would wrap the percentage in 32.
    ULONGLONG nPercent = (ULONGLONG)GetCount(uiCmd) * 100 / m_nTotalUsage;
    return nPercent > m_nMinUsagePercentage;
}

BOOL CORXCommandUsage::HasEnoughStatistics() const
{
    return m_nTotalUsage >= m_nStartCount;
}

void CORXCommandUsage::Reset()
{
    m_CmdUsage.RemoveAll();
    m_nTotalUsage = 0;
}

void CORXCommandUsage::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << (DWORD)m_nTotalUsage;
        ar.WriteCount((DWORD)m_CmdUsage.GetCount());
        for (POSITION pos = m_CmdUsage.GetStartPosition(); pos != NULL;)
        {
            UINT uiCmd = 0;
            UINT nCount = 0;
            m_CmdUsage.GetNextAssoc(pos, uiCmd, nCount);
            ar << (DWORD)uiCmd << (DWORD)nCount;
        }
        return;
    }

    DWORD dwTotal = 0;
    ar >> dwTotal;
    DWORD nEntries = ar.ReadCount();
    CMap<UINT, UINT, UINT, UINT> usage(10);
    usage.InitHashTable(17);
    ULONGLONG nSum = 0;
    for (DWORD i = 0; i < nEntries; i++)
    {
        DWORD dwCmd = 0;
        DWORD dwCount = 0;
        ar >> dwCmd >> dwCount;
        UINT nOld = 0;
        // Counts that no total could hold, a command twice, or a command that is never counted
        // (no command at all, a system, reserved or recent-file id) are not this class's image.
        nSum += dwCount;
        if (dwCount == 0 || nSum > dwTotal || IsGeneratedCommand(dwCmd) || usage.Lookup(dwCmd, nOld))
            AfxThrowArchiveException(CArchiveException::badIndex, NULL);
        usage.SetAt(dwCmd, dwCount);
    }
    // Every counted use adds one to its command and one to the total: a total that is not the
    // sum of the counts (one near the top would make every command rare and stop counting for
    // good) is damage.
    if (nSum != dwTotal)
        AfxThrowArchiveException(CArchiveException::badIndex, NULL);
    m_CmdUsage.RemoveAll();
    for (POSITION pos = usage.GetStartPosition(); pos != NULL;)
    {
        UINT uiCmd = 0;
        UINT nCount = 0;
        usage.GetNextAssoc(pos, uiCmd, nCount);
        m_CmdUsage.SetAt(uiCmd, nCount);
    }
    m_nTotalUsage = dwTotal;
}
