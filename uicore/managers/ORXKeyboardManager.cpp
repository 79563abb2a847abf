// The keyboard manager: accelerator tables in the registry, key names and table editing.
#include "ORXKeyboardManager.h"

#include "ORXCleanUp.h"
#include "ORXRegistry.h"
#include "ORXToolBar.h"
#include "ORXWorkspaceBase.h"

#include <cstddef>
#include <vector>

ACCEL* CORXKeyboardManager::s_pAccelDefault = NULL;
int CORXKeyboardManager::s_nAccelDefault = 0;
HACCEL CORXKeyboardManager::s_hAccelDefaultLast = NULL;
ACCEL* CORXKeyboardManager::s_pAccel = NULL;
int CORXKeyboardManager::s_nAccel = 0;
HACCEL CORXKeyboardManager::s_hAccelLast = NULL;
CPtrList CORXKeyboardManager::s_lstBuiltTemplateTables;

namespace
{
const LPCTSTR kKeyboardKey = _T("ORXKeyboardManager");
const LPCTSTR kAcceleratorsValue = _T("Accelerators");
const UINT kAccelRecord = 6; // flags, a zero pad byte, key, command; read back as ACCEL
static_assert(sizeof(ACCEL) == kAccelRecord && offsetof(ACCEL, key) == 2 && offsetof(ACCEL, cmd) == 4,
              "a stored record is the control's ACCEL");

// The flags a stored key may carry; anything else is no key the control could have made.
const BYTE kAccelFlags = FVIRTKEY | FNOINVERT | FSHIFT | FCONTROL | FALT;
// Far more keys than a keyboard has combinations: a longer value is refused before it is copied.
const UINT kMaxAccelRecords = 4096;

// The stored record of one key. The pad byte is whatever the table's copy left in memory, so it is
// written as 0 rather than copied: the value then has one form whichever build writes it.
void PutAccelRecord(const ACCEL& accel, BYTE* pRecord)
{
    pRecord[0] = accel.fVirt & kAccelFlags;
    pRecord[1] = 0;
    pRecord[2] = (BYTE)accel.key;
    pRecord[3] = (BYTE)(accel.key >> 8);
    pRecord[4] = (BYTE)accel.cmd;
    pRecord[5] = (BYTE)(accel.cmd >> 8);
}

// The one record of a table from which every key was removed (RemoveKey): it binds nothing.
BOOL IsEmptyTableRecord(const ACCEL& accel)
{
    return accel.fVirt == FVIRTKEY && accel.key == 0 && accel.cmd == 0;
}

// A command that a key may run: 0 and 0xFFFF are no commands, and no id from 0xFF00 is ever stored.
BOOL IsBindableCommand(WORD cmd)
{
    return cmd != 0 && cmd < 0xFF00;
}

// Whether the records read back could be a table that this manager wrote: every key real, every
// flag known, every command one a key may run, no key twice (the table's search would never reach
// the second). A table from which every key was removed is its one empty record.
BOOL IsSoundTable(const ACCEL* pAccel, int nCount)
{
    if (nCount <= 0 || (UINT)nCount > kMaxAccelRecords)
        return FALSE;
    if (nCount == 1 && IsEmptyTableRecord(pAccel[0]))
        return TRUE;
    for (int i = 0; i < nCount; i++)
    {
        const ACCEL& accel = pAccel[i];
        if ((accel.fVirt & ~kAccelFlags) != 0 || accel.key == 0 || !IsBindableCommand(accel.cmd))
            return FALSE;
        // Virtual keys run from 1 to 254; a character is one byte of the code page.
        if (accel.key > ((accel.fVirt & FVIRTKEY) ? 0xFE : 0xFF))
            return FALSE;
        const BYTE fKey = accel.fVirt & ~FNOINVERT;
        for (int j = 0; j < i; j++)
            if (pAccel[j].key == accel.key && (pAccel[j].fVirt & ~FNOINVERT) == fKey)
                return FALSE;
    }
    return TRUE;
}

void RegisterCleanUp()
{
    static BOOL bRegistered = FALSE;
    if (!bRegistered)
    {
        bRegistered = TRUE;
        ORXRegisterCleanUp(ORXCLEANUP_KEYBOARD, &CORXKeyboardManager::CleanUp);
    }
}

CString KeyName(UINT nKey)
{
    UINT nScan = ::MapVirtualKeyExA(nKey, 0, ::GetKeyboardLayout(0));
    LONG lParam = (LONG)((nScan << 16) | 1);
    // Page Up to Help sit on the extended keys.
    if (nKey >= 33 && nKey <= 47)
        lParam |= 1 << 24;
    char szName[50] = {};
    ::GetKeyNameTextA(lParam, szName, sizeof(szName));
    CString strName = szName;
    strName.MakeLower();
    for (int i = 0; i < strName.GetLength(); i++)
    {
        if (::IsCharLowerA(strName[i]))
        {
            CString strFirst = strName.Mid(i, 1);
            strFirst.MakeUpper();
            strName.SetAt(i, strFirst[0]);
            break;
        }
    }
    return strName;
}
} // namespace

CORXKeyboardManager::CORXKeyboardManager()
{
    CORXServices::Hold<CORXKeyboardManager>(this);
    RegisterCleanUp();
    CORXServices::Register<CORXFrameOfferProvider>(this);
}

CORXKeyboardManager::~CORXKeyboardManager()
{
    CORXServices::Unregister<CORXFrameOfferProvider>(this);
    if (ORXKeyboardManager() == this)
        CORXServices::Hold<CORXKeyboardManager, CORXKeyboardManager>(NULL);
}

CFrameWnd* CORXKeyboardManager::GetFrame(CFrameWnd* pFrame)
{
    if (pFrame != NULL)
        return pFrame;
    return DYNAMIC_DOWNCAST(CFrameWnd, AfxGetMainWnd());
}

CString CORXKeyboardManager::GetTableKey(LPCTSTR lpszProfileName, int nId)
{
    CString strKey;
    strKey.Format(_T("%sORXKeyboard-%d"),
                  (LPCTSTR)CORXWorkspaceBase::BuildRegistryPath(kKeyboardKey, lpszProfileName), nId);
    return strKey;
}

/////////////////////////////////////////////////////////////////////////////
// Tables

int CORXKeyboardManager::GetAccelRecords(HACCEL hAccel, ACCEL*& pAccel)
{
    pAccel = NULL;
    if (hAccel == NULL)
        return 0;
    int nCount = ::CopyAcceleratorTableA(hAccel, NULL, 0);
    if (nCount <= 0)
        return 0;
    pAccel = new ACCEL[nCount];
    nCount = ::CopyAcceleratorTableA(hAccel, pAccel, nCount);
    return nCount;
}

HACCEL CORXKeyboardManager::AssignKey(HACCEL hAccel, const ACCEL& accelNew)
{
    ACCEL* pAccel = NULL;
    int nCount = GetAccelRecords(hAccel, pAccel);
    ACCEL* pNew = new ACCEL[nCount + 1];
    int nNew = 0;
    // A key bound before would shadow the new binding in the table's search: it goes.
    BYTE fVirtNew = accelNew.fVirt | FVIRTKEY;
    for (int i = 0; i < nCount; i++)
        if (!(pAccel[i].key == accelNew.key && (pAccel[i].fVirt | FVIRTKEY) == fVirtNew))
            pNew[nNew++] = pAccel[i];
    pNew[nNew] = accelNew;
    pNew[nNew].fVirt = fVirtNew;
    nNew++;
    HACCEL hNew = ::CreateAcceleratorTableA(pNew, nNew);
    delete[] pNew;
    delete[] pAccel;
    return hNew;
}

HACCEL CORXKeyboardManager::RemoveKey(HACCEL hAccel, BYTE fVirt, WORD nKey)
{
    ACCEL* pAccel = NULL;
    int nCount = GetAccelRecords(hAccel, pAccel);
    int nNew = 0;
    for (int i = 0; i < nCount; i++)
        if (!(pAccel[i].key == nKey && (pAccel[i].fVirt | FVIRTKEY) == (fVirt | FVIRTKEY)))
            pAccel[nNew++] = pAccel[i];
    HACCEL hNew = NULL;
    if (nNew > 0)
        hNew = ::CreateAcceleratorTableA(pAccel, nNew);
    else
    {
        // An empty table still replaces the old one: one record that binds nothing.
        ACCEL accelNone = {FVIRTKEY, 0, 0};
        hNew = ::CreateAcceleratorTableA(&accelNone, 1);
    }
    delete[] pAccel;
    return hNew;
}

BOOL CORXKeyboardManager::InstallTable(CFrameWnd* pFrame, HACCEL hAccelNew)
{
    if (pFrame == NULL || hAccelNew == NULL)
        return FALSE;
    HACCEL hOld = pFrame->m_hAccelTable;
    BOOL bOwnedOld = pFrame->m_bAccelTableBuilt;
    pFrame->m_hAccelTable = hAccelNew;
    pFrame->m_bAccelTableBuilt = TRUE;
    // A table loaded from the resources is shared by everyone who loads it: only a table the
    // frame built is destroyed.
    if (hOld != NULL && hOld != hAccelNew && bOwnedOld)
    {
        // The system hands a destroyed table's handle to the next table made: a copy cached under
        // it would name the old keys.
        if (hOld == s_hAccelDefaultLast || hOld == s_hAccelLast)
            CleanUp();
        ::DestroyAcceleratorTable(hOld);
    }
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Document templates

void CORXKeyboardManager::GetTemplates(CPtrArray& arTemplates)
{
    arTemplates.RemoveAll();
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return;
    for (POSITION pos = pApp->GetFirstDocTemplatePosition(); pos != NULL;)
    {
        CDocTemplate* pTemplate = DYNAMIC_DOWNCAST(CDocTemplate, (CObject*)pApp->GetNextDocTemplate(pos));
        if (pTemplate == NULL || pTemplate->m_hAccelTable == NULL)
            continue;
        BOOL bKnown = FALSE;
        for (int i = 0; i < (int)arTemplates.GetSize() && !bKnown; i++)
            bKnown = ((CDocTemplate*)arTemplates[i])->m_hAccelTable == pTemplate->m_hAccelTable;
        if (!bKnown)
            arTemplates.Add(pTemplate);
    }
}

namespace
{
struct ORXTableSwap
{
    HACCEL hOld;
    HACCEL hNew;
};

BOOL CALLBACK SwapFrameTable(HWND hWnd, LPARAM lParam)
{
    const ORXTableSwap* pSwap = (const ORXTableSwap*)lParam;
    CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(hWnd));
    if (pFrame != NULL && pFrame->m_hAccelTable == pSwap->hOld)
    {
        // The template owns the table; the frame only uses it.
        pFrame->m_hAccelTable = pSwap->hNew;
        pFrame->m_bAccelTableBuilt = FALSE;
    }
    ::EnumChildWindows(hWnd, SwapFrameTable, lParam);
    return TRUE;
}
} // namespace

BOOL CORXKeyboardManager::InstallTemplateTable(CDocTemplate* pTemplate, HACCEL hAccelNew, BOOL bBuilt)
{
    if (pTemplate == NULL || hAccelNew == NULL)
        return FALSE;
    ORXTableSwap swap = {pTemplate->m_hAccelTable, hAccelNew};
    pTemplate->m_hAccelTable = hAccelNew;
    if (bBuilt && s_lstBuiltTemplateTables.Find(hAccelNew) == NULL)
        s_lstBuiltTemplateTables.AddTail(hAccelNew);
    if (swap.hOld == NULL || swap.hOld == hAccelNew)
        return TRUE;
    ::EnumThreadWindows(::GetCurrentThreadId(), SwapFrameTable, (LPARAM)&swap);
    POSITION posBuilt = s_lstBuiltTemplateTables.Find(swap.hOld);
    if (posBuilt != NULL)
    {
        s_lstBuiltTemplateTables.RemoveAt(posBuilt);
        if (swap.hOld == s_hAccelDefaultLast || swap.hOld == s_hAccelLast)
            CleanUp();
        ::DestroyAcceleratorTable(swap.hOld);
    }
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Registry

BOOL CORXKeyboardManager::SaveTable(LPCTSTR lpszProfileName, int nId, HACCEL hAccel)
{
    ACCEL* pAccel = NULL;
    int nCount = GetAccelRecords(hAccel, pAccel);
    BOOL bOK = FALSE;
    if (nCount > 0)
    {
        // A key whose command may not be customised was loaded bound to nothing: it is not kept,
        // and a table left with no key is stored as the empty table's one record.
        std::vector<BYTE> records;
        records.reserve(nCount * kAccelRecord);
        for (int i = 0; i < nCount; i++)
        {
            if (pAccel[i].cmd == 0)
                continue;
            records.resize(records.size() + kAccelRecord);
            PutAccelRecord(pAccel[i], &records[records.size() - kAccelRecord]);
        }
        if (records.empty())
        {
            const ACCEL accelNone = {FVIRTKEY, 0, 0};
            records.resize(kAccelRecord);
            PutAccelRecord(accelNone, records.data());
        }
        CORXRegistrySP regSP;
        CORXRegistry& reg = regSP.CreateRegistry(FALSE, FALSE);
        bOK = reg.CreateKey(GetTableKey(lpszProfileName, nId)) &&
              reg.Write(kAcceleratorsValue, records.data(), (UINT)records.size());
    }
    delete[] pAccel;
    return bOK;
}

HACCEL CORXKeyboardManager::LoadTable(LPCTSTR lpszProfileName, int nId)
{
    CORXRegistrySP regSP;
    CORXRegistry& reg = regSP.CreateRegistry(FALSE, TRUE);
    if (!reg.Open(GetTableKey(lpszProfileName, nId)))
        return NULL;
    BYTE* pData = NULL;
    UINT nBytes = 0;
    if (!reg.Read(kAcceleratorsValue, pData, nBytes))
        return NULL;
    // A value that is not a whole number of records, or whose records no table could hold, is
    // refused whole: the owner keeps the table it has, and that is what is saved again.
    HACCEL hAccel = NULL;
    if (pData != NULL && nBytes > 0 && nBytes % kAccelRecord == 0 &&
        nBytes / kAccelRecord <= kMaxAccelRecords)
    {
        int nCount = (int)(nBytes / kAccelRecord);
        std::vector<ACCEL> records(nCount);
        memcpy(records.data(), pData, nBytes);
        if (IsSoundTable(records.data(), nCount))
        {
            for (ACCEL& accel : records)
                if (accel.cmd != 0 && !CORXToolBar::IsCommandPermitted(accel.cmd))
                    accel.cmd = 0;
            hAccel = ::CreateAcceleratorTableA(records.data(), nCount);
        }
    }
    delete[] pData;
    return hAccel;
}

BOOL CORXKeyboardManager::SaveState(LPCTSTR lpszProfileName, CFrameWnd* pDefaultFrame)
{
    BOOL bOK = FALSE;
    CPtrArray arTemplates;
    GetTemplates(arTemplates);
    for (int i = 0; i < (int)arTemplates.GetSize(); i++)
    {
        CDocTemplate* pTemplate = (CDocTemplate*)arTemplates[i];
        if (SaveTable(lpszProfileName, (int)pTemplate->m_nIDResource, pTemplate->m_hAccelTable))
            bOK = TRUE;
    }
    CFrameWnd* pFrame = GetFrame(pDefaultFrame);
    if (pFrame != NULL && pFrame->m_hAccelTable != NULL &&
        SaveTable(lpszProfileName, 0, pFrame->m_hAccelTable))
        bOK = TRUE;
    return bOK;
}

BOOL CORXKeyboardManager::LoadState(LPCTSTR lpszProfileName, CFrameWnd* pDefaultFrame)
{
    BOOL bOK = FALSE;
    CPtrArray arTemplates;
    GetTemplates(arTemplates);
    for (int i = 0; i < (int)arTemplates.GetSize(); i++)
    {
        CDocTemplate* pTemplate = (CDocTemplate*)arTemplates[i];
        HACCEL hAccel = LoadTable(lpszProfileName, (int)pTemplate->m_nIDResource);
        if (hAccel != NULL && InstallTemplateTable(pTemplate, hAccel))
            bOK = TRUE;
    }
    CFrameWnd* pFrame = GetFrame(pDefaultFrame);
    if (pFrame == NULL)
        return bOK;
    HACCEL hAccel = LoadTable(lpszProfileName, 0);
    if (hAccel != NULL)
    {
        if (InstallTable(pFrame, hAccel))
            bOK = TRUE;
        else
            ::DestroyAcceleratorTable(hAccel);
    }
    return bOK;
}

void CORXKeyboardManager::ResetAll(CFrameWnd* pDefaultFrame)
{
    CPtrArray arTemplates;
    GetTemplates(arTemplates);
    for (int i = 0; i < (int)arTemplates.GetSize(); i++)
    {
        CDocTemplate* pTemplate = (CDocTemplate*)arTemplates[i];
        LPCTSTR lpszName = MAKEINTRESOURCE(pTemplate->m_nIDResource);
        HACCEL hResource = ::LoadAccelerators(AfxFindResourceHandle(lpszName, RT_ACCELERATOR), lpszName);
        if (hResource != NULL)
            InstallTemplateTable(pTemplate, hResource, FALSE);
    }
    CFrameWnd* pFrame = GetFrame(pDefaultFrame);
    if (pFrame == NULL || pFrame->m_nIDHelp == 0)
        return;
    HACCEL hAccel = ::LoadAcceleratorsA(AfxGetResourceHandle(), MAKEINTRESOURCEA(pFrame->m_nIDHelp));
    if (hAccel == NULL)
        return;
    // The resource's table is shared by everyone who loads it: the frame gets its own copy.
    ACCEL* pAccel = NULL;
    int nCount = GetAccelRecords(hAccel, pAccel);
    if (nCount > 0)
        InstallTable(pFrame, ::CreateAcceleratorTableA(pAccel, nCount));
    delete[] pAccel;
}

/////////////////////////////////////////////////////////////////////////////
// Keys

BOOL CORXKeyboardManager::UpdateCache(HACCEL hAccel, BOOL bIsDefaultFrame)
{
    ACCEL*& pCache = bIsDefaultFrame ? s_pAccelDefault : s_pAccel;
    int& nCache = bIsDefaultFrame ? s_nAccelDefault : s_nAccel;
    HACCEL& hLast = bIsDefaultFrame ? s_hAccelDefaultLast : s_hAccelLast;
    if (hAccel == NULL)
        return FALSE;
    if (hAccel != hLast || pCache == NULL)
    {
        delete[] pCache;
        pCache = NULL;
        nCache = GetAccelRecords(hAccel, pCache);
        hLast = hAccel;
    }
    return pCache != NULL;
}

BOOL CORXKeyboardManager::FindDefaultAccelerator(UINT uiCmd, CString& str, CFrameWnd* pWndFrame,
                                                 BOOL bIsDefaultFrame)
{
    str.Empty();
    CFrameWnd* pFrame = GetFrame(pWndFrame);
    if (pFrame == NULL || uiCmd == 0 || !UpdateCache(pFrame->m_hAccelTable, bIsDefaultFrame))
        return FALSE;
    const ACCEL* pCache = bIsDefaultFrame ? s_pAccelDefault : s_pAccel;
    int nCache = bIsDefaultFrame ? s_nAccelDefault : s_nAccel;
    for (int i = 0; i < nCache; i++)
    {
        if (pCache[i].cmd == uiCmd)
        {
            str = FormatAccel(pCache[i]);
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CORXKeyboardManager::IsKeyHandled(WORD nKey, BYTE fVirt, CFrameWnd* pWndFrame, BOOL bIsDefaultFrame)
{
    CFrameWnd* pFrame = GetFrame(pWndFrame);
    if (pFrame == NULL || !UpdateCache(pFrame->m_hAccelTable, bIsDefaultFrame))
        return FALSE;
    const ACCEL* pCache = bIsDefaultFrame ? s_pAccelDefault : s_pAccel;
    int nCache = bIsDefaultFrame ? s_nAccelDefault : s_nAccel;
    for (int i = 0; i < nCache; i++)
        if (pCache[i].key == nKey && pCache[i].fVirt == fVirt)
            return TRUE;
    return FALSE;
}

CString CORXKeyboardManager::FormatAccel(const ACCEL& accel)
{
    CString str;
    if (accel.fVirt & FCONTROL)
        str += KeyName(VK_CONTROL) + _T("+");
    if (accel.fVirt & FSHIFT)
        str += KeyName(VK_SHIFT) + _T("+");
    if (accel.fVirt & FALT)
        str += KeyName(VK_MENU) + _T("+");
    if (accel.fVirt & FVIRTKEY)
        str += KeyName(accel.key);
    else if (accel.key != 27)
        str += (TCHAR)accel.key;
    return str;
}

void CORXKeyboardManager::CleanUp()
{
    delete[] s_pAccelDefault;
    s_pAccelDefault = NULL;
    s_nAccelDefault = 0;
    s_hAccelDefaultLast = NULL;
    delete[] s_pAccel;
    s_pAccel = NULL;
    s_nAccel = 0;
    s_hAccelLast = NULL;
}

BOOL CORXKeyboardManager::FindCommandKey(CFrameWnd* pFrame, UINT uiCmd, CString& strKey)
{
    if (pFrame == NULL)
    {
        strKey.Empty();
        return FALSE;
    }
    return FindDefaultAccelerator(uiCmd, strKey, pFrame, pFrame == AfxGetMainWnd());
}

void* CORXKeyboardManager::OfferFrameInterface(CWnd* pFrame, const std::type_info& iface)
{
    // Any window: the lookup itself refuses one that is no frame.
    return iface == typeid(CORXCommandKeyLink) ? static_cast<CORXCommandKeyLink*>(this) : NULL;
}

BOOL ORXInitKeyboardManager()
{
    CORXWorkspaceBase* pWorkspace = CORXWorkspaceBase::GetInstance();
    if (ORXKeyboardManager() != NULL || pWorkspace == NULL)
        return FALSE;
    new CORXKeyboardManager;
    CORXWorkspaceBase::SetManagerRelease(CORXWorkspaceBase::mgrKeyboard,
                                         []() { delete ORXKeyboardManager(); });
    pWorkspace->m_bManagerCreated[CORXWorkspaceBase::mgrKeyboard] = TRUE;
    return TRUE;
}
