// Texts and look-ups of a module's version block, apart from the application object so that
// they can be checked against any executable.
#ifndef VELMORA_TZEDITOR_VERSIONTEXTS_H
#define VELMORA_TZEDITOR_VERSIONTEXTS_H

#include <afx.h>

// The text for a fixed file info's type and subtype, or for its target system. FALSE (and the
// text untouched) when the value is not one of the known ones.
BOOL FileTypeText(DWORD dwFileType, DWORD dwFileSubtype, CString& text);
BOOL OperatingSystemText(DWORD dwFileOS, CString& text);

// One string of the block's "\StringFileInfo\<language><code page>\" table. A key that the
// block lacks gives FALSE and an empty value.
BOOL QueryVersionString(LPVOID pBlock, DWORD dwTranslation, LPCTSTR lpszKey, CString& value);

#endif // VELMORA_TZEDITOR_VERSIONTEXTS_H
