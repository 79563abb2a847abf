// CORXCommandUsage: how often each command was used, for menus that show recently used items first.
#ifndef VELMORA_ORXCMDUSAGE_H
#define VELMORA_ORXCMDUSAGE_H

#include <afxwin.h>
#include <afxtempl.h>

class CORXCommandUsage : public CObject
{
    DECLARE_SERIAL(CORXCommandUsage)

public:
    CORXCommandUsage();
    virtual ~CORXCommandUsage();

    // Archive: the total, then the count of entries and each entry's command id and use count.
    // Loading reads everything first and takes it only when the whole image is sound.
    virtual void Serialize(CArchive& ar);

    // Counts one use and answers the new total; 0 when the command is one that is never counted.
    UINT AddCmd(UINT uiCmd);
    UINT GetCount(UINT uiCmd) const;
    UINT GetTotal() const { return m_nTotalUsage; }
    BOOL IsFrequentlyUsed(UINT uiCmd) const;
    BOOL HasEnoughStatistics() const;
    void Reset();

    // Ids the framework itself generates: recent files, system commands and the reserved range.
    static BOOL IsGeneratedCommand(UINT uiCmd);

    static UINT m_nMinUsagePercentage; // a command is frequent above this share of all uses
    static UINT m_nStartCount;         // uses needed before the statistics count

protected:
    CMap<UINT, UINT, UINT, UINT> m_CmdUsage;
    UINT m_nTotalUsage;
};

// The class-wide counter of the tool bars.
CORXCommandUsage& ORXGetCommandUsage();

#endif // VELMORA_ORXCMDUSAGE_H
