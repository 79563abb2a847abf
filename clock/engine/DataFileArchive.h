// What the data files share: opening one to read, its counted lists of objects, and the checks
// that turn damage into an archive exception naming the file.
#ifndef VELMORA_DATAFILEARCHIVE_H
#define VELMORA_DATAFILEARCHIVE_H

#include <afx.h>
#include <afxcoll.h>

// Opens strPath to read; created empty should it vanish in between, never truncated. Throws a
// file exception naming the file when it cannot be opened.
void OpenDataFileToRead(CFile& file, const CString& strPath);

// A bad-format archive exception naming the archive's file.
[[noreturn]] void ThrowDamagedDataFile(CArchive& ar);

// nCount objects, each of class pClass, added to objects. A negative count, a count larger than
// the data left (every object takes at least its two-byte class reference), a null object or one
// of another class raises before anything more is read.
void ReadObjectList(CArchive& ar, long nCount, CRuntimeClass* pClass, CObArray& objects);

// The archive must end the file: anything after it means the counts are not what was written.
void ExpectDataFileEnd(CArchive& ar);

// A file that holds nothing but one list of objects of class pClass: nCount of them, or, with
// kCountLeads, as many as the 32-bit count that opens the file says. The file must end with the
// list; it is closed after a whole read and aborted when anything raises.
const long kCountLeads = -1;
void ReadDataFileObjects(CFile& file, long nCount, CRuntimeClass* pClass, CObArray& objects);

// What the user is told, once, of a data file that could not be read whole: what went wrong, and
// that the program leaves the file as it is, so that what was changed in memory is not saved to it
// until the file is replaced or moved aside.
CString DamagedDataFileReport(CException* pError, const CString& strPath);
// That last sentence alone, for the other reasons a file is left as it is.
CString KeptDataFileNote(const CString& strPath);

#endif // VELMORA_DATAFILEARCHIVE_H
