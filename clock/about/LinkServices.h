// Opening links and saving Internet shortcuts: the real shell objects, the recording stand-in that
// VELMORA_LINK_LOG selects, and the making of a shortcut's file name from a link's text.
#ifndef VELMORA_LINKSERVICES_H
#define VELMORA_LINKSERVICES_H

#include <afx.h>

class ILinkOpener
{
public:
    virtual ~ILinkOpener() {}
    // TRUE when the link was opened.
    virtual BOOL OpenLink(HWND hParent, const CString& strUrl) = 0;
};

// The opener in force, never null: the stand-in when installed, else the recording one when
// VELMORA_LINK_LOG names a file (each URL appended as a line), else the shell.
ILinkOpener& GetLinkOpener();
void SetLinkOpener(ILinkOpener* pOpener);

// The folder of CSIDL_FAVORITES or CSIDL_DESKTOP, without a trailing backslash.
// VELMORA_SHORTCUT_FOLDER replaces both, so that tests never write to a real desktop.
BOOL GetShortcutFolder(int nCsidl, CString& strFolder);

// The file name "<text>.URL" of a shortcut: characters that no file name may hold are dropped,
// trailing dots and spaces go. A text with a path separator or "..", or with nothing left, is
// refused, and so is a full path of MAX_PATH or more.
BOOL MakeShortcutPath(const CString& strFolder, const CString& strText, CString& strPath);

// Saves an Internet shortcut to strUrl at strPath through the shell's shortcut object.
BOOL SaveInternetShortcut(const CString& strUrl, const CString& strPath);

#endif // VELMORA_LINKSERVICES_H
