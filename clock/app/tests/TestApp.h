// TestApp.h: the application object of the engine tests, whose profile lives under a key of its own.
#pragma once

#include <afxwin.h>
#include <afxcoll.h>

// Points the profile at an empty key "Software\Velmora Engine Test\VelmoraEngineTests" of the
// current user, deleting whatever an earlier test left there.
void ResetTestProfile();

// Reads a raw value of the test profile: its registry type and bytes; FALSE when it is missing.
BOOL ReadTestProfileValue(LPCTSTR pszSection, LPCTSTR pszKey, DWORD& dwType, CByteArray& abData);
