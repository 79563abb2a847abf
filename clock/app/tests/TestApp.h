// TestApp.h: the application object of the engine tests, whose profile lives under a key of its own.
#ifndef VELMORA_TESTAPP_H
#define VELMORA_TESTAPP_H

#include <afxwin.h>
#include <afxcoll.h>

// Points the profile at an empty key of the current user,
// "Software\Velmora Engine Test\<process id>\VelmoraEngineTests", deleting what an earlier test left.
void ResetTestProfile();

// Reads a raw value of the test profile: its registry type and bytes; FALSE when it is missing.
BOOL ReadTestProfileValue(LPCTSTR pszSection, LPCTSTR pszKey, DWORD& dwType, CByteArray& abData);

#endif // VELMORA_TESTAPP_H
