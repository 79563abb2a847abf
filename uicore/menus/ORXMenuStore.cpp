// CORXMenuStore: each menu's items in an archive on an open temporary file.
#include "ORXMenuStore.h"

#include <map>

#include "ORXCleanUp.h"
#include "ORXToolBar.h"

namespace
{
struct CStoredMenu
{
    HANDLE hFile;
    CString strPath;
};

// Closing the handles at the end of the process deletes the files even when the framework's
// clean-up never ran.
class CMenuFiles
{
public:
    CMenuFiles() {}
    ~CMenuFiles() { RemoveAll(); }
    CMenuFiles(const CMenuFiles&) = delete;
    CMenuFiles& operator=(const CMenuFiles&) = delete;

    void RemoveAll()
    {
        for (std::map<HMENU, CStoredMenu>::iterator it = m_files.begin(); it != m_files.end(); ++it)
            ::CloseHandle(it->second.hFile);
        m_files.clear();
    }

    std::map<HMENU, CStoredMenu> m_files;
};

CMenuFiles& Files()
{
    static CMenuFiles s_files;
    return s_files;
}

void CleanUpMenuStore()
{
    CORXMenuStore::RemoveAll();
}

// Makes an empty temporary file, open for reading and writing by this process alone.
HANDLE CreateMenuFile(CString& strPath)
{
    char szFolder[MAX_PATH + 1] = {};
    DWORD dwLen = ::GetTempPathA(MAX_PATH, szFolder);
    if (dwLen == 0 || dwLen > MAX_PATH)
        return INVALID_HANDLE_VALUE;
    char szPath[MAX_PATH + 1] = {};
    if (::GetTempFileNameA(szFolder, "ORX", 0, szPath) == 0)
        return INVALID_HANDLE_VALUE;
    HANDLE hFile = ::CreateFileA(szPath, GENERIC_READ | GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
    {
        // The name's file was made by GetTempFileName and has no handle that would delete it.
        ::DeleteFileA(szPath);
        return INVALID_HANDLE_VALUE;
    }
    strPath = szPath;
    return hFile;
}
} // namespace

BOOL CORXMenuStore::IsLiveMenu(HMENU hMenu)
{
    return hMenu != NULL && ::IsMenu(hMenu) && ::GetMenuItemCount(hMenu) > 0;
}

void CORXMenuStore::RemoveStale()
{
    std::map<HMENU, CStoredMenu>& files = Files().m_files;
    for (std::map<HMENU, CStoredMenu>::iterator it = files.begin(); it != files.end();)
    {
        if (IsLiveMenu(it->first))
            ++it;
        else
        {
            ::CloseHandle(it->second.hFile);
            it = files.erase(it);
        }
    }
}

BOOL CORXMenuStore::Store(HMENU hMenu, CORXToolBar* pBar)
{
    if (pBar == NULL || pBar->GetCount() == 0)
        return FALSE;
    Remove(hMenu);
    RemoveStale();
    if (!IsLiveMenu(hMenu))
        return FALSE;

    CString strPath;
    HANDLE hFile = CreateMenuFile(strPath);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    try
    {
        CFile file((INT_PTR)hFile);
        CArchive ar(&file, CArchive::store, 4096);
        pBar->Serialize(ar);
        ar.Close();
    }
    catch (CArchiveException* e)
    {
        e->Delete();
        ::CloseHandle(hFile);
        return FALSE;
    }
    catch (CMemoryException* e)
    {
        e->Delete();
        ::CloseHandle(hFile);
        return FALSE;
    }
    catch (CFileException* e)
    {
        e->Delete();
        ::CloseHandle(hFile);
        return FALSE;
    }

    CStoredMenu stored;
    stored.hFile = hFile;
    stored.strPath = strPath;
    Files().m_files[hMenu] = stored;
    ORXRegisterCleanUp(ORXCLEANUP_MENUSTORE, CleanUpMenuStore);
    return TRUE;
}

BOOL CORXMenuStore::Restore(HMENU hMenu, CORXToolBar* pBar)
{
    if (pBar == NULL || !IsStored(hMenu))
        return FALSE;
    HANDLE hFile = Files().m_files[hMenu].hFile;
    if (::SetFilePointer(hFile, 0, NULL, FILE_BEGIN) == INVALID_SET_FILE_POINTER)
        return FALSE;
    try
    {
        CFile file((INT_PTR)hFile);
        CArchive ar(&file, CArchive::load, 4096);
        pBar->Serialize(ar);
        ar.Close();
    }
    catch (CArchiveException* e)
    {
        e->Delete();
        return FALSE;
    }
    catch (CMemoryException* e)
    {
        e->Delete();
        return FALSE;
    }
    catch (CFileException* e)
    {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

void CORXMenuStore::Remove(HMENU hMenu)
{
    std::map<HMENU, CStoredMenu>& files = Files().m_files;
    std::map<HMENU, CStoredMenu>::iterator it = files.find(hMenu);
    if (it == files.end())
        return;
    ::CloseHandle(it->second.hFile);
    files.erase(it);
}

void CORXMenuStore::RemoveAll()
{
    Files().RemoveAll();
}

BOOL CORXMenuStore::IsStored(HMENU hMenu)
{
    std::map<HMENU, CStoredMenu>& files = Files().m_files;
    if (files.find(hMenu) == files.end())
        return FALSE;
    if (IsLiveMenu(hMenu))
        return TRUE;
    Remove(hMenu);
    return FALSE;
}

int CORXMenuStore::GetCount()
{
    RemoveStale();
    return (int)Files().m_files.size();
}

CString CORXMenuStore::GetFileName(HMENU hMenu)
{
    if (!IsStored(hMenu))
        return CString();
    return Files().m_files[hMenu].strPath;
}
