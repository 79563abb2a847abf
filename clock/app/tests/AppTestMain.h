// Test support: the test program's application object and its registry key of this process's own.
#ifndef VELMORA_APPTESTMAIN_H
#define VELMORA_APPTESTMAIN_H

#include <afxwin.h>

// Gives the application its test registry key and deletes everything stored below it.
void ResetAppTestProfile();
// "Software\<test key>\<process id>\<test app>\<section>" below HKEY_CURRENT_USER.
CString AppTestProfileKey(LPCTSTR pszSection);

#endif // VELMORA_APPTESTMAIN_H
