// CTorvaneApp: the time-zone editor's application object, and its About box.
#ifndef VELMORA_TZEDITOR_TORVANEAPP_H
#define VELMORA_TZEDITOR_TORVANEAPP_H

#include "VersionedApp.h"

class CTorvaneApp : public CVersionedApp
{
public:
    CTorvaneApp();

    // Runs the zone list dialog and always returns FALSE, so the program ends with it.
    virtual BOOL InitInstance();

protected:
    DECLARE_MESSAGE_MAP()
};

class CTorvaneAboutDlg : public CDialog
{
public:
    CTorvaneAboutDlg();
};

#endif // VELMORA_TZEDITOR_TORVANEAPP_H
