// CTimeZoneInfo: the default zone, the 172-byte file record and the data file as a list.
#include "TimeZoneInfo.h"

IMPLEMENT_SERIAL(CTimeZoneInfo, CObject, 1)

namespace
{
void CopyZoneName(WCHAR* pTarget, const WCHAR* pSource)
{
    memcpy(pTarget, pSource, 32 * sizeof(WCHAR));
    // A full 32-unit name in the file has no terminator of its own.
    pTarget[31] = 0;
}

void TakeException(CException* e, CException** ppError)
{
    if (ppError != NULL)
        *ppError = e;
    else
        e->Delete();
}
} // namespace

CTimeZoneInfo::CTimeZoneInfo() : m_strName(_T("(Local Time)"))
{
    memset(&m_record, 0, sizeof(m_record));
    memset(&m_tzi, 0, sizeof(m_tzi));
    mbstowcs(m_tzi.StandardName, " ", 32);
    mbstowcs(m_tzi.DaylightName, " ", 32);
    m_tzi.StandardDate.wDay = 1;
    m_tzi.DaylightDate.wDay = 1;
}

CTimeZoneInfo::~CTimeZoneInfo() {}

void CTimeZoneInfo::EncodeRecord(const TIME_ZONE_INFORMATION& zone, TimeZoneFileRecord& record)
{
    memset(&record, 0, sizeof(record));
    record.negatedBias = -zone.Bias;
    memcpy(record.standardName, zone.StandardName, sizeof(record.standardName));
    record.standardYear = zone.StandardDate.wYear;
    record.standardDayOfWeek = zone.StandardDate.wDayOfWeek;
    record.standardMarker = 2;
    record.standardDay = zone.StandardDate.wDay;
    record.standardHour = zone.StandardDate.wHour;
    record.standardMinute = zone.StandardDate.wMinute;
    record.standardMonth = zone.StandardDate.wMonth;
    record.standardMilliseconds = zone.StandardDate.wMilliseconds;
    record.standardBias = zone.StandardBias;
    memcpy(record.daylightName, zone.DaylightName, sizeof(record.daylightName));
    record.daylightYear = zone.DaylightDate.wYear;
    record.daylightReserved = 0;
    record.daylightDayOfWeek = zone.DaylightDate.wDayOfWeek;
    record.daylightDayCopy = zone.DaylightDate.wDay;
    record.daylightHour = zone.DaylightDate.wHour;
    record.daylightMinute = zone.DaylightDate.wMinute;
    record.daylightDay = zone.DaylightDate.wDay;
    record.daylightMonth = zone.DaylightDate.wMonth;
    record.negatedDaylightBias = -zone.DaylightBias;
}

void CTimeZoneInfo::DecodeRecord(const TimeZoneFileRecord& record, TIME_ZONE_INFORMATION& zone)
{
    memset(&zone, 0, sizeof(zone));
    zone.Bias = -record.negatedBias;
    CopyZoneName(zone.StandardName, record.standardName);
    zone.StandardDate.wYear = record.standardYear;
    zone.StandardDate.wDayOfWeek = record.standardDayOfWeek;
    zone.StandardDate.wDay = record.standardDay;
    zone.StandardDate.wHour = record.standardHour;
    zone.StandardDate.wMinute = record.standardMinute;
    zone.StandardDate.wMonth = record.standardMonth;
    zone.StandardDate.wMilliseconds = record.standardMilliseconds;
    zone.StandardBias = record.standardBias;
    CopyZoneName(zone.DaylightName, record.daylightName);
    zone.DaylightDate.wYear = record.daylightYear;
    zone.DaylightDate.wDayOfWeek = record.daylightDayOfWeek;
    zone.DaylightDate.wHour = record.daylightHour;
    zone.DaylightDate.wMinute = record.daylightMinute;
    zone.DaylightDate.wDay = record.daylightDay;
    zone.DaylightDate.wMonth = record.daylightMonth;
    zone.DaylightBias = -record.negatedDaylightBias;
}

void CTimeZoneInfo::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        EncodeRecord(m_tzi, m_record);
        ar << m_strName;
        ar.Write(&m_record, sizeof(m_record));
    }
    else
    {
        TimeZoneFileRecord record;
        ar >> m_strName;
        // A short read is the end of a truncated file, not a record of zeros.
        if (ar.Read(&record, sizeof(record)) != sizeof(record))
            AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
        m_record = record;
        DecodeRecord(record, m_tzi);
    }
}

void CTimeZoneInfo::LoadZonesUntilDamage(CArchive& ar, CObArray& zones)
{
    LONG count = 0;
    ar >> count;
    INT_PTR nFirst = zones.GetSize();
    for (LONG i = 0; i < count; i++)
    {
        CTimeZoneInfo* pZone = NULL;
        ar >> pZone;
        // A damaged file can hold a null object or refer back to a record already read;
        // either would leave the list with a hole or an object owned twice.
        BOOL bDuplicate = FALSE;
        for (INT_PTR j = nFirst; j < zones.GetSize() && !bDuplicate; j++)
            bDuplicate = zones.GetAt(j) == pZone;
        if (pZone == NULL || bDuplicate)
            AfxThrowArchiveException(CArchiveException::generic, ar.m_strFileName);
        zones.Add(pZone);
    }
}

void CTimeZoneInfo::LoadZoneList(CArchive& ar, CObArray& zones)
{
    CObArray loaded;
    try
    {
        LoadZonesUntilDamage(ar, loaded);
    }
    catch (CException*)
    {
        for (INT_PTR j = 0; j < loaded.GetSize(); j++)
            delete loaded.GetAt(j);
        throw;
    }
    for (INT_PTR j = 0; j < loaded.GetSize(); j++)
        zones.Add(loaded.GetAt(j));
}

void CTimeZoneInfo::StoreZoneList(CArchive& ar, const CObArray& zones)
{
    ar << (LONG)zones.GetSize();
    for (INT_PTR i = 0; i < zones.GetSize(); i++)
        ar << zones.GetAt(i);
}

BOOL CTimeZoneInfo::ReadZoneFile(LPCTSTR lpszPath, CObArray& zones, CException** ppError,
                                 BOOL bKeepBeforeDamage)
{
    if (ppError != NULL)
        *ppError = NULL;
    CFile file;
    CFileException* pOpenError = new CFileException;
    if (!file.Open(lpszPath, CFile::modeRead | CFile::shareDenyWrite, pOpenError))
    {
        TakeException(pOpenError, ppError);
        return FALSE;
    }
    pOpenError->Delete();

    CArchive ar(&file, CArchive::load, 4096);
    // Without bKeepBeforeDamage the zones reach the caller only once the whole file is read.
    CObArray loaded;
    CObArray& target = bKeepBeforeDamage ? zones : loaded;
    try
    {
        LoadZonesUntilDamage(ar, target);
        // Bytes after the last record mean the count was not the file's own (random bytes
        // often start with a count of zero or less): such a file was not read whole.
        BYTE extra;
        if (ar.Read(&extra, 1) != 0)
            AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
        ar.Close();
        file.Close();
    }
    catch (CException* e)
    {
        ar.Abort();
        file.Abort();
        for (INT_PTR j = 0; j < loaded.GetSize(); j++)
            delete loaded.GetAt(j);
        TakeException(e, ppError);
        return FALSE;
    }
    zones.Append(loaded);
    return TRUE;
}

BOOL CTimeZoneInfo::WriteZoneFile(LPCTSTR lpszPath, const CObArray& zones, CException** ppError)
{
    if (ppError != NULL)
        *ppError = NULL;
    CFile file;
    CFileException* pOpenError = new CFileException;
    if (!file.Open(lpszPath, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive, pOpenError))
    {
        TakeException(pOpenError, ppError);
        return FALSE;
    }
    pOpenError->Delete();

    CArchive ar(&file, CArchive::store, 4096);
    try
    {
        StoreZoneList(ar, zones);
        ar.Flush();
        ar.Close();
        file.Close();
    }
    catch (CException* e)
    {
        ar.Abort();
        file.Abort();
        TakeException(e, ppError);
        return FALSE;
    }
    return TRUE;
}
