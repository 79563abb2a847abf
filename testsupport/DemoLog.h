// The log the demonstration programs write for their end-to-end tests: one line of text a record,
// appended to the file named on the program's command line.
#ifndef VELMORA_DEMOLOG_H
#define VELMORA_DEMOLOG_H

#include <afxwin.h>

// The log file (spaces around the path are dropped); without one nothing is logged.
void DemoSetLog(const CString& strPath);
const CString& DemoLogPath();
// Appends one record, a line of printf-style text. The file is opened and closed for each record,
// so a test reads every line as soon as it is written, and a crash loses none.
void DemoLog(LPCTSTR pszFormat, ...);

#endif // VELMORA_DEMOLOG_H
