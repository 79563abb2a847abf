// CServerDataFile: the server count and the CTimeServer objects, through a 4096-byte archive buffer.
#include "ServerDataFile.h"

#include "DataFileArchive.h"
#include "TimeServer.h"

namespace
{
const UINT kArchiveBuffer = 4096;
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
    OpenDataFileToRead(file, strPath);
    Read(file, servers);
    return TRUE;
}

void CServerDataFile::Read(CFile& file, CObArray& servers)
{
    ReadDataFileObjects(file, kCountLeads, RUNTIME_CLASS(CTimeServer), servers);
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
