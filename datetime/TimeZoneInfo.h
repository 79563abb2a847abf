// CTimeZoneInfo: a named time zone, the record of the time-zone data file "VelmoraTZ".
#ifndef VELMORA_DATETIME_TIMEZONEINFO_H
#define VELMORA_DATETIME_TIMEZONEINFO_H

#include <afx.h>
#include <afxcoll.h>

// The zone's rules as the file holds them: 172 bytes, little-endian, Bias and DaylightBias
// negated, the transition dates with their words in the file's own order.
#pragma pack(push, 1)
struct TimeZoneFileRecord
{
    LONG negatedBias;          // 0
    WCHAR standardName[32];    // 4
    WORD standardYear;         // 68
    WORD standardDayOfWeek;    // 70
    WORD standardMarker;       // 72, always 2
    WORD standardDay;          // 74
    WORD standardHour;         // 76
    WORD standardMinute;       // 78
    WORD standardMonth;        // 80
    WORD standardMilliseconds; // 82
    LONG standardBias;         // 84, not negated
    WCHAR daylightName[32];    // 88
    WORD daylightYear;         // 152
    WORD daylightReserved;     // 154, always 0
    WORD daylightDayOfWeek;    // 156
    WORD daylightDayCopy;      // 158, a copy of the day, not read back
    WORD daylightHour;         // 160
    WORD daylightMinute;       // 162
    WORD daylightDay;          // 164
    WORD daylightMonth;        // 166
    LONG negatedDaylightBias;  // 168
};
#pragma pack(pop)
static_assert(sizeof(TimeZoneFileRecord) == 172, "the file record is 172 bytes");

class CTimeZoneInfo : public CObject
{
    DECLARE_SERIAL(CTimeZoneInfo)

public:
    // Construction
    CTimeZoneInfo();
    virtual ~CTimeZoneInfo();

    // Attributes
    CString GetName() const { return m_strName; }
    void SetName(LPCTSTR lpszName) { m_strName = lpszName; }

    // Operations
    virtual void Serialize(CArchive& ar);
    static void EncodeRecord(const TIME_ZONE_INFORMATION& zone, TimeZoneFileRecord& record);
    static void DecodeRecord(const TimeZoneFileRecord& record, TIME_ZONE_INFORMATION& zone);

    // The whole data file: a 32-bit count, then the records as archive objects. Loading adds
    // the records to zones only when every one of them was read; otherwise nothing is added
    // and the archive's or file's exception goes on to the caller.
    static void LoadZoneList(CArchive& ar, CObArray& zones);
    static void StoreZoneList(CArchive& ar, const CObArray& zones);
    // As LoadZoneList, but each record goes to zones as soon as it is whole: when a damaged
    // record stops the read, the records before it stay in zones.
    static void LoadZonesUntilDamage(CArchive& ar, CObArray& zones);

    // The same on a file by path, with a 4096-byte archive buffer. Reading never creates the
    // file. On failure FALSE; the exception goes to *ppError when given (the caller reports
    // and deletes it), else it is deleted here. With bKeepBeforeDamage a damaged file still
    // gives the zones read before the damage.
    static BOOL ReadZoneFile(LPCTSTR lpszPath, CObArray& zones, CException** ppError = NULL,
                             BOOL bKeepBeforeDamage = FALSE);
    static BOOL WriteZoneFile(LPCTSTR lpszPath, const CObArray& zones, CException** ppError = NULL);

    // Data
    TimeZoneFileRecord m_record; // the file form as last read or written
    CString m_strName;           // display name
    TIME_ZONE_INFORMATION m_tzi; // Bias and DaylightBias: minutes to add to UTC, east positive
};

#endif // VELMORA_DATETIME_TIMEZONEINFO_H
