// What the data files share.
#include "DataFileArchive.h"

#include <unordered_set>

void OpenDataFileToRead(CFile& file, const CString& strPath)
{
    CFileException fe;
    if (!file.Open(strPath,
                   CFile::modeRead | CFile::modeCreate | CFile::modeNoTruncate | CFile::shareDenyWrite, &fe))
        AfxThrowFileException(fe.m_cause, fe.m_lOsError, strPath);
}

void ThrowDamagedDataFile(CArchive& ar)
{
    CFile* pFile = ar.GetFile();
    AfxThrowArchiveException(CArchiveException::badIndex,
                             pFile != NULL ? (LPCTSTR)pFile->GetFilePath() : NULL);
}

void ReadObjectList(CArchive& ar, long nCount, CRuntimeClass* pClass, CObArray& objects)
{
    if (nCount < 0)
        ThrowDamagedDataFile(ar);
    ar.CheckAvailable((ULONGLONG)nCount * 2);
    // A reference back to a record read before gives that same object again: listed twice it
    // would be destroyed twice. An object of another class is not destroyed either: it may be such
    // a reference to a record of another list, and the archive may hand it out again. A damaged
    // file then leaves a stray object behind rather than one freed while in use.
    std::unordered_set<CObject*> seen;
    for (long i = 0; i < nCount; i++)
    {
        // The class is asked for up front: an object of any other class is refused before it is
        // made, so a damaged file cannot have one built and run its own reader.
        CObject* pObject = ar.ReadObject(pClass);
        if (pObject == NULL || seen.count(pObject) != 0 || !pObject->IsKindOf(pClass))
            ThrowDamagedDataFile(ar);
        objects.Add(pObject);
        seen.insert(pObject);
    }
}

void ExpectDataFileEnd(CArchive& ar)
{
    BYTE b;
    if (ar.Read(&b, 1) != 0)
        ThrowDamagedDataFile(ar);
}

void ReadDataFileObjects(CFile& file, long nCount, CRuntimeClass* pClass, CObArray& objects)
{
    CArchive ar(&file, CArchive::load, 4096);
    try
    {
        if (nCount == kCountLeads)
            ar >> nCount;
        ReadObjectList(ar, nCount, pClass, objects);
        ExpectDataFileEnd(ar);
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

CString DamagedDataFileReport(CException* pError, const CString& strPath)
{
    TCHAR szCause[512];
    szCause[0] = '\0';
    if (pError == NULL || !pError->GetErrorMessage(szCause, sizeof(szCause) / sizeof(szCause[0])))
        lstrcpyn(szCause, _T("The file could not be read."), sizeof(szCause) / sizeof(szCause[0]));
    return CString(szCause) + _T("\n\n") + KeptDataFileNote(strPath);
}

CString KeptDataFileNote(const CString& strPath)
{
    return _T("The file is left as it is: changes to what it holds will not be saved until ") + strPath +
           _T(" is replaced or moved aside.");
}
