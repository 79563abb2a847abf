// CClockDataFile: version, the clocks, the next alarm id and the alarms, each list led by its count.
#include "ClockDataFile.h"

#include "Alarms.h"
#include "Clock.h"
#include "DataFileArchive.h"

namespace
{
BOOL Exists(const CString& strPath)
{
    return ::GetFileAttributes(strPath) != INVALID_FILE_ATTRIBUTES;
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

CString CClockDataFile::GetReadPath() const
{
    if (Exists(GetPath()))
        return GetPath();
    if (Exists(GetOldPath()))
        return GetOldPath();
    return CString();
}

CClockDataFile::ReadResult CClockDataFile::Load(CObArray& clocks, long& nNextAlarmId) const
{
    CString strPath = GetReadPath();
    if (strPath.IsEmpty())
        return readMissing;

    CFile file;
    OpenDataFileToRead(file, strPath);
    return Read(file, clocks, nNextAlarmId);
}

CClockDataFile::ReadResult CClockDataFile::Load(CObArray& clocks, long& nNextAlarmId, CObArray& alarms) const
{
    CString strPath = GetReadPath();
    if (strPath.IsEmpty())
        return readMissing;
    CFile file;
    OpenDataFileToRead(file, strPath);
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
        if (nVersion < DATA_VERSION || nVersion > LAST_POSSIBLE_VERSION)
            ThrowDamagedDataFile(ar);
        if (nVersion != DATA_VERSION)
        {
            ar.Close();
            file.Close();
            return readWrongVersion;
        }

        long nClocks = 0;
        ar >> nClocks;
        ReadObjectList(ar, nClocks, RUNTIME_CLASS(CClock), clocks);

        long nNextId = 0;
        ar >> nNextId;
        nNextAlarmId = nNextId;
        long nAlarms = 0;
        ar >> nAlarms;
        if (nAlarms < 0)
            ThrowDamagedDataFile(ar);

        // Without an array for them the alarm records stay unread in the file, and so does
        // whatever follows them.
        ReadResult result = readAlarmsKept;
        if (pAlarms != NULL)
            ReadObjectList(ar, nAlarms, RUNTIME_CLASS(CAlarms), *pAlarms);
        if (nAlarms == 0 || pAlarms != NULL)
        {
            ExpectDataFileEnd(ar);
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
