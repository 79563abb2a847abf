// Loading and saving the time-zone data file as the editor does it: a file that cannot be read
// is told apart from a missing one, and a save replaces the file only once the new one is
// completely written.
#ifndef VELMORA_TZEDITOR_ZONEFILE_H
#define VELMORA_TZEDITOR_ZONEFILE_H

#include <afx.h>
#include <afxcoll.h>

#include <vector>

enum ZoneFileLoad
{
    zoneFileLoaded,  // every record was read
    zoneFileMissing, // there is no file
    zoneFileFailed   // the file is there but could not be opened or read whole
};

// Appends the file's zones to the array. On zoneFileFailed the exception that stopped the read
// goes to *ppError (the caller reports and deletes it).
ZoneFileLoad LoadZoneFile(LPCTSTR lpszPath, CObArray& zones, CException** ppError);

// As LoadZoneFile, except that a file damaged part way still gives the zones read before the
// damage: they are in the array although the result is zoneFileFailed.
ZoneFileLoad LoadZoneFileUpToDamage(LPCTSTR lpszPath, CObArray& zones, CException** ppError);

// What the editor says about a file it could not read whole, with the number of zones it did
// read from it.
CString UnreadZoneFileMessage(INT_PTR nRead);

// What the file held when the editor last read or wrote it: its bytes, or that there was none.
// Two copies of the editor may have the file open; before a save the editor compares this with
// the file as it is then, so that it never writes over another copy's save without asking.
class CZoneFileStamp
{
public:
    CZoneFileStamp() : m_nState(stampMissing) {}

    // The file as it is now.
    void Take(LPCTSTR lpszPath);
    // The same file as when both were taken; two files that could not be read count as the same,
    // since nothing is known to have changed.
    BOOL IsSameAs(const CZoneFileStamp& other) const
    {
        return m_nState == other.m_nState && m_bytes == other.m_bytes;
    }

private:
    enum
    {
        stampMissing,
        stampRead,
        stampUnreadable
    } m_nState;
    std::vector<BYTE> m_bytes;
};

// Writes the zones to a new file beside the old one and then puts it in the old one's place,
// so a failed save leaves the old file as it was. On failure FALSE with the exception in
// *ppError (the caller reports and deletes it). pWritten, when given, receives the stamp of
// the file written.
BOOL SaveZoneFile(LPCTSTR lpszPath, const CObArray& zones, CException** ppError,
                  CZoneFileStamp* pWritten = NULL);

#endif // VELMORA_TZEDITOR_ZONEFILE_H
