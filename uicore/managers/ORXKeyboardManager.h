// CORXKeyboardManager: saves, restores and resets the frame's accelerator table, names keys, and
// builds the tables that assign and remove keys.
#ifndef VELMORA_ORXKEYBOARDMANAGER_H
#define VELMORA_ORXKEYBOARDMANAGER_H

#include "ORXExtrasHooks.h"

#include <afxwin.h>
#include <afxext.h>
#include <afxcoll.h>

// While it lives the manager names the keys of the frames' tables to menus and tool tips: it offers
// its key lookup for every frame.
class CORXKeyboardManager : public CObject, private CORXCommandKeyLink, private CORXFrameOfferProvider
{
public:
    // Constructing the manager makes it the process's one (ORXKeyboardManager) until it goes.
    CORXKeyboardManager();
    virtual ~CORXKeyboardManager();

    BOOL LoadState(LPCTSTR lpszProfileName = NULL, CFrameWnd* pDefaultFrame = NULL);
    BOOL SaveState(LPCTSTR lpszProfileName = NULL, CFrameWnd* pDefaultFrame = NULL);
    // Every table back to its resource: the frame's from the resource id it was loaded from.
    void ResetAll(CFrameWnd* pDefaultFrame = NULL);

    // The label of the first key bound to the command in the frame's table; FALSE (label empty)
    // when the command has no key.
    static BOOL FindDefaultAccelerator(UINT uiCmd, CString& str, CFrameWnd* pWndFrame, BOOL bIsDefaultFrame);
    // TRUE when the frame's table binds the key with exactly these flags.
    static BOOL IsKeyHandled(WORD nKey, BYTE fVirt, CFrameWnd* pWndFrame, BOOL bIsDefaultFrame);
    // The name of a key combination: "Ctrl+Shift+F5", "Alt+A".
    static CString FormatAccel(const ACCEL& accel);

    // Tables: the records of a table, a new table with the key bound to the record's command (a
    // record of the same key and flags is replaced), and a new table without the key. The caller
    // installs or destroys the new table; NULL when it cannot be created.
    static int GetAccelRecords(HACCEL hAccel, ACCEL*& pAccel);
    static HACCEL AssignKey(HACCEL hAccel, const ACCEL& accelNew);
    static HACCEL RemoveKey(HACCEL hAccel, BYTE fVirt, WORD nKey);
    // The frame takes the table as its own and destroys its old one when it had built that one
    // (a resource's table stays for others who load it); FALSE (nothing changed) without both.
    static BOOL InstallTable(CFrameWnd* pFrame, HACCEL hAccelNew);

    // The document templates that have a table of their own, each table once.
    static void GetTemplates(CPtrArray& arTemplates);
    // The template takes the table, and so does every frame that used the template's old one. A
    // table built here (not a resource's) is the template's, destroyed when it is replaced.
    static BOOL InstallTemplateTable(CDocTemplate* pTemplate, HACCEL hAccelNew, BOOL bBuilt = TRUE);

    // Frees the cached copies of tables; part of the framework's global clean-up.
    static void CleanUp();

protected:
    static CFrameWnd* GetFrame(CFrameWnd* pFrame);
    static CString GetTableKey(LPCTSTR lpszProfileName, int nId);
    static BOOL UpdateCache(HACCEL hAccel, BOOL bIsDefaultFrame);

    static ACCEL* s_pAccelDefault;
    static int s_nAccelDefault;
    static HACCEL s_hAccelDefaultLast;
    static ACCEL* s_pAccel;
    static int s_nAccel;
    static HACCEL s_hAccelLast;
    // The templates' tables that were built here rather than loaded from the resources.
    static CPtrList s_lstBuiltTemplateTables;

    static BOOL SaveTable(LPCTSTR lpszProfileName, int nId, HACCEL hAccel);
    static HACCEL LoadTable(LPCTSTR lpszProfileName, int nId);

private:
    virtual BOOL FindCommandKey(CFrameWnd* pFrame, UINT uiCmd, CString& strKey);
    virtual void* OfferFrameInterface(CWnd* pFrame, const std::type_info& iface);
};

// The keyboard manager now, NULL while there is none: a role held in the services registry.
inline CORXKeyboardManager* ORXKeyboardManager()
{
    return CORXServices::Holder<CORXKeyboardManager, CORXKeyboardManager>();
}

// Creates the process's manager for the workspace, which deletes it when it ends.
BOOL ORXInitKeyboardManager();

#endif // VELMORA_ORXKEYBOARDMANAGER_H
