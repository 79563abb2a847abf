// Document templates and the application's list of them.
#include "afxwin.h"

#include "AfxDocTemplate.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass),
      m_pViewClass(pViewClass), m_hMenuShared(NULL), m_hAccelTable(NULL)
{
}

CDocTemplate::~CDocTemplate()
{
    if (m_hMenuShared != NULL)
        ::DestroyMenu(m_hMenuShared);
}

BOOL CDocTemplate::LoadTemplate()
{
    LPCTSTR lpszName = MAKEINTRESOURCE(m_nIDResource);
    if (m_hMenuShared == NULL)
        m_hMenuShared = ::LoadMenu(AfxFindResourceHandle(lpszName, RT_MENU), lpszName);
    if (m_hAccelTable == NULL)
        m_hAccelTable = ::LoadAccelerators(AfxFindResourceHandle(lpszName, RT_ACCELERATOR), lpszName);
    return m_hMenuShared != NULL;
}

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                     CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
    LoadTemplate();
}

// The list is kept by the application (windows layer), which deletes the templates as command
// targets; they go in and come out as such.
void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (pTemplate != NULL && m_templateList.Find((CCmdTarget*)pTemplate) == NULL)
        m_templateList.AddTail((CCmdTarget*)pTemplate);
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const
{
    CCmdTarget* pTarget = (CCmdTarget*)m_templateList.GetNext(pos);
    return static_cast<CDocTemplate*>(pTarget);
}
