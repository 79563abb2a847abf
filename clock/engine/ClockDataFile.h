// CClockDataFile: the clocks-and-alarms file "Velmora2Dat" (and "VelmoraDat", its older name) in a
// data folder, read and written through the framework's archives, apart from any window.
#ifndef VELMORA_CLOCKDATAFILE_H
#define VELMORA_CLOCKDATAFILE_H

#include <afx.h>
#include <afxcoll.h>

class CClockDataFile
{
    // Construction
public:
    // pszFolder ends with a backslash (or is empty for the current folder).
    explicit CClockDataFile(LPCTSTR pszFolder = NULL);

    enum
    {
        DATA_VERSION = 1,
        // A later program counts its versions up from 1; a larger word, or 0, is no version but
        // damage (random bytes almost always give one).
        LAST_POSSIBLE_VERSION = 255,
        ARCHIVE_BUFFER = 4096
    };

    // What a read found.
    enum ReadResult
    {
        readMissing,      // neither name exists: nothing was read
        readWrongVersion, // the version word is another version's (2 to 255): nothing was read
        readWhole,        // every record of the file was read
        readAlarmsKept    // the clocks were read; the file holds alarms that only the alarm engine reads
    };

    // Attributes
public:
    void SetFolder(LPCTSTR pszFolder);
    const CString& GetFolder() const { return m_strFolder; }
    CString GetPath() const;     // "Velmora2Dat", the file that is written
    CString GetOldPath() const;  // "VelmoraDat", read when the other one is missing
    CString GetReadPath() const; // the one of the two that Load reads; empty when neither exists

    // Operations
public:
    // Opens the file that exists (the new name first) and reads it. Clocks are appended to clocks as
    // they are read, so that those read before a damaged record are kept. Raises the framework's
    // file exception when the file cannot be opened, and its archive or file exception when the
    // contents are damaged, also where they raise nothing of themselves (a version word that is no
    // version, a negative count, a null record, bytes after the end).
    ReadResult Load(CObArray& clocks, long& nNextAlarmId) const;
    // The same on an opened file, which is closed at the end.
    static ReadResult Read(CFile& file, CObArray& clocks, long& nNextAlarmId);
    // Reads the alarm records as well, appending them to alarms as they are read (readWhole, never
    // readAlarmsKept). Any object that is not an alarm record, a count larger than the bytes left
    // could hold, or bytes after the last record raise the archive exception.
    ReadResult Load(CObArray& clocks, long& nNextAlarmId, CObArray& alarms) const;
    static ReadResult Read(CFile& file, CObArray& clocks, long& nNextAlarmId, CObArray* pAlarms);

    // Creates (or truncates) "Velmora2Dat" and writes the records; raises the framework's file and
    // archive exceptions.
    void Save(const CObArray& clocks, long nNextAlarmId, const CObArray& alarms) const;
    static void Write(CArchive& ar, const CObArray& clocks, long nNextAlarmId, const CObArray& alarms);

    // Implementation
protected:
    CString m_strFolder;
};

#endif // VELMORA_CLOCKDATAFILE_H
