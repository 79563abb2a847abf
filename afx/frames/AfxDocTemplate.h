// CDocTemplate and CMultiDocTemplate: what the application knows of a kind of document: its
// resource id and the menu and accelerators its frames share.
#ifndef VELMORA_AFXDOCTEMPLATE_H
#define VELMORA_AFXDOCTEMPLATE_H

#include "afx.h"
#include "AfxCmdTarget.h"

class CDocTemplate : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocTemplate)
protected:
    CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                 CRuntimeClass* pViewClass);

public:
    virtual ~CDocTemplate();
    // Loads the shared menu and accelerators of the resource id; FALSE when there is no menu.
    virtual BOOL LoadTemplate();

    UINT m_nIDResource;
    CRuntimeClass* m_pDocClass;
    CRuntimeClass* m_pFrameClass;
    CRuntimeClass* m_pViewClass;
    HMENU m_hMenuShared;  // the template's own; destroyed with it
    HACCEL m_hAccelTable; // loaded from the resources, never destroyed
};

class CMultiDocTemplate : public CDocTemplate
{
    DECLARE_DYNAMIC(CMultiDocTemplate)
public:
    CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass = NULL, CRuntimeClass* pFrameClass = NULL,
                      CRuntimeClass* pViewClass = NULL);
};

#endif // VELMORA_AFXDOCTEMPLATE_H
