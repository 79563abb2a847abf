// TestApp.h: the application object of the engine tests, whose profile lives under a key of this
// process's own.
#ifndef VELMORA_TESTAPP_H
#define VELMORA_TESTAPP_H

#include <afxwin.h>
#include <afxcoll.h>

// Points the profile at this process's empty key, deleting what an earlier test left.
void ResetTestProfile();

// Reads a raw value of the test profile: its registry type and bytes; FALSE when it is missing.
BOOL ReadTestProfileValue(LPCTSTR pszSection, LPCTSTR pszKey, DWORD& dwType, CByteArray& abData);

#endif // VELMORA_TESTAPP_H
