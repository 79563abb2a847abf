// CClockDataFile: version, the clocks, the next alarm id and the alarms, each list led by its count.
#include "ClockDataFile.h"

#include "Alarms.h"
#include "Clock.h"

namespace
{
BOOL Exists(const CString& strPath)
{
    return ::GetFileAttributes(strPath) != INVALID_FILE_ATTRIBUTES;
}

[[noreturn]] void ThrowDamaged(CArchive& ar)
{
    CFile* pFile = ar.GetFile();
    AfxThrowArchiveException(CArchiveException::badIndex,
                             pFile != NULL ? (LPCTSTR)pFile->GetFilePath() : NULL);
}
} // namespace

CClockDataFile::CClockDataFile(LPCTSTR pszFolder)
{
    SetFolder(pszFolder);
}

void CClockDataFile::SetFolder(LPCTSTR pszFolder)
{
    m_strFolder = pszFolder != NULL ? pszFolder : _T("");
}

CString CClockDataFile::GetPath() const
{
    return m_strFolder + _T("Velmora2Dat");
}

CString CClockDataFile::GetOldPath() const
{
    return m_strFolder + _T("VelmoraDat");
}

CString CClockDataFile::OpenPath() const
{
    if (Exists(GetPath()))
        return GetPath();
    if (Exists(GetOldPath()))
        return GetOldPath();
    return CString();
}

CClockDataFile::ReadResult CClockDataFile::Load(CObArray& clocks, long& nNextAlarmId) const
{
    CString strPath = OpenPath();
    if (strPath.IsEmpty())
        return readMissing;

    // Created empty should it vanish in between, never truncated.
    CFile file;
    CFileException fe;
    if (!file.Open(strPath,
                   CFile::modeRead | CFile::modeCreate | CFile::modeNoTruncate | CFile::shareDenyWrite, &fe))
        AfxThrowFileException(fe.m_cause, fe.m_lOsError, strPath);
    return Read(file, clocks, nNextAlarmId);
}

CClockDataFile::ReadResult CClockDataFile::Load(CObArray& clocks, long& nNextAlarmId, CObArray& alarms) const
{
    CString strPath = OpenPath();
    if (strPath.IsEmpty())
        return readMissing;
    CFile file;
    CFileException fe;
    if (!file.Open(strPath,
                   CFile::modeRead | CFile::modeCreate | CFile::modeNoTruncate | CFile::shareDenyWrite, &fe))
        AfxThrowFileException(fe.m_cause, fe.m_lOsError, strPath);
    return Read(file, clocks, nNextAlarmId, &alarms);
}

CClockDataFile::ReadResult CClockDataFile::Read(CFile& file, CObArray& clocks, long& nNextAlarmId)
{
    return Read(file, clocks, nNextAlarmId, NULL);
}

CClockDataFile::ReadResult CClockDataFile::Read(CFile& file, CObArray& clocks, long& nNextAlarmId,
                                                CObArray* pAlarms)
{
    CArchive ar(&file, CArchive::load, ARCHIVE_BUFFER);
    try
    {
        long nVersion = 0;
        ar >> nVersion;
        if (nVersion != DATA_VERSION)
        {
            ar.Close();
            file.Close();
            return readWrongVersion;
        }

        long nClocks = 0;
        ar >> nClocks;
        // Every object takes at least its two-byte class reference.
        if (nClocks < 0)
            ThrowDamaged(ar);
        ar.CheckAvailable((ULONGLONG)nClocks * 2);
        for (long i = 0; i < nClocks; i++)
        {
            CObject* pObject = NULL;
            ar >> pObject;
            // Only clocks are ever written here.
            if (pObject == NULL || !pObject->IsKindOf(RUNTIME_CLASS(CClock)))
            {
                delete pObject;
                ThrowDamaged(ar);
            }
            clocks.Add(pObject);
        }

        long nNextId = 0;
        ar >> nNextId;
        nNextAlarmId = nNextId;
        long nAlarms = 0;
        ar >> nAlarms;
        if (nAlarms < 0)
            ThrowDamaged(ar);

        // Without an array for them the alarm records stay unread in the file, and so does
        // whatever follows them.
        ReadResult result = readAlarmsKept;
        if (pAlarms != NULL)
        {
            ar.CheckAvailable((ULONGLONG)nAlarms * 2);
            for (long i = 0; i < nAlarms; i++)
            {
                CObject* pObject = NULL;
                ar >> pObject;
                if (pObject == NULL || !pObject->IsKindOf(RUNTIME_CLASS(CAlarms)))
                {
                    delete pObject;
                    ThrowDamaged(ar);
                }
                pAlarms->Add(pObject);
            }
        }
        if (nAlarms == 0 || pAlarms != NULL)
        {
            // The archive ends the file: anything after it means the counts are not what was written.
            BYTE b;
            if (ar.Read(&b, 1) != 0)
                ThrowDamaged(ar);
            result = readWhole;
        }
        ar.Close();
        file.Close();
        return result;
    }
    catch (CException*)
    {
        // Closing would touch the file again while the exception is on its way out.
        ar.Abort();
        file.Abort();
        throw;
    }
}

void CClockDataFile::Save(const CObArray& clocks, long nNextAlarmId, const CObArray& alarms) const
{
    CFile file(GetPath(), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
    CArchive ar(&file, CArchive::store, ARCHIVE_BUFFER);
    try
    {
        Write(ar, clocks, nNextAlarmId, alarms);
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

void CClockDataFile::Write(CArchive& ar, const CObArray& clocks, long nNextAlarmId, const CObArray& alarms)
{
    ar << (long)DATA_VERSION;
    ar << (long)clocks.GetSize();
    for (INT_PTR i = 0; i < clocks.GetSize(); i++)
        ar << clocks.GetAt(i);
    ar << nNextAlarmId;
    ar << (long)alarms.GetSize();
    for (INT_PTR i = 0; i < alarms.GetSize(); i++)
        ar << alarms.GetAt(i);
}
