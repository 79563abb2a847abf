// CServerDataFile: the server count and the CTimeServer objects, through a 4096-byte archive buffer.
#include "ServerDataFile.h"

#include "TimeServer.h"

namespace
{
const UINT kArchiveBuffer = 4096;

[[noreturn]] void ThrowDamaged(CArchive& ar)
{
    CFile* pFile = ar.GetFile();
    AfxThrowArchiveException(CArchiveException::badIndex,
                             pFile != NULL ? (LPCTSTR)pFile->GetFilePath() : NULL);
}
} // namespace

CServerDataFile::CServerDataFile(LPCTSTR pszFolder)
{
    SetFolder(pszFolder);
}

void CServerDataFile::SetFolder(LPCTSTR pszFolder)
{
    m_strFolder = pszFolder != NULL ? pszFolder : _T("");
}

CString CServerDataFile::GetPath() const
{
    return m_strFolder + _T("SntpDat");
}

BOOL CServerDataFile::Load(CObArray& servers) const
{
    CString strPath = GetPath();
    if (::GetFileAttributes(strPath) == INVALID_FILE_ATTRIBUTES)
        return FALSE;
    CFile file;
    CFileException fe;
    if (!file.Open(strPath,
                   CFile::modeRead | CFile::modeCreate | CFile::modeNoTruncate | CFile::shareDenyWrite, &fe))
        AfxThrowFileException(fe.m_cause, fe.m_lOsError, strPath);
    Read(file, servers);
    return TRUE;
}

void CServerDataFile::Read(CFile& file, CObArray& servers)
{
    CArchive ar(&file, CArchive::load, kArchiveBuffer);
    try
    {
        long nCount = 0;
        ar >> nCount;
        if (nCount < 0)
            ThrowDamaged(ar);
        ar.CheckAvailable((ULONGLONG)nCount * 2);
        for (long i = 0; i < nCount; i++)
        {
            CObject* pObject = NULL;
            ar >> pObject;
            if (pObject == NULL || !pObject->IsKindOf(RUNTIME_CLASS(CTimeServer)))
            {
                delete pObject;
                ThrowDamaged(ar);
            }
            servers.Add(pObject);
        }
        BYTE b;
        if (ar.Read(&b, 1) != 0)
            ThrowDamaged(ar);
        ar.Close();
        file.Close();
    }
    catch (CException*)
    {
        ar.Abort();
        file.Abort();
        throw;
    }
}

void CServerDataFile::Save(const CObArray& servers) const
{
    CFile file(GetPath(), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
    CArchive ar(&file, CArchive::store, kArchiveBuffer);
    try
    {
        ar << (long)servers.GetSize();
        for (INT_PTR i = 0; i < servers.GetSize(); i++)
            ar << servers.GetAt(i);
        ar.Close();
        file.Close();
    }
    catch (CException*)
    {
        ar.Abort();
        file.Abort();
        throw;
    }
}
