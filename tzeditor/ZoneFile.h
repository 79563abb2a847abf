// Loading and saving the time-zone data file as the editor does it: a file that cannot be read
// is told apart from a missing one, and a save replaces the file only once the new one is
// completely written.
#ifndef VELMORA_TZEDITOR_ZONEFILE_H
#define VELMORA_TZEDITOR_ZONEFILE_H

#include <afx.h>
#include <afxcoll.h>

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

// Writes the zones to a new file beside the old one and then puts it in the old one's place,
// so a failed save leaves the old file as it was. On failure FALSE with the exception in
// *ppError (the caller reports and deletes it).
BOOL SaveZoneFile(LPCTSTR lpszPath, const CObArray& zones, CException** ppError);

#endif // VELMORA_TZEDITOR_ZONEFILE_H
