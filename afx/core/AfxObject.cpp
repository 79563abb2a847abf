// CObject and the run-time class list.
#include "afx.h"

// Zero-initialised before any constructor runs, so registration from other translation units'
// static initialisers can never see it uninitialised.
static CRuntimeClass* s_pFirstClass;

CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), 0xFFFF, NULL, NULL, NULL};
static const AFX_CLASSINIT _init_CObject(RUNTIME_CLASS(CObject));

void AFXAPI AfxClassInit(CRuntimeClass* pNewClass)
{
    // A class already in the list (registered twice) must not be linked again: that would make
    // the list circular.
    for (CRuntimeClass* p = s_pFirstClass; p != NULL; p = p->m_pNextClass)
        if (p == pNewClass)
            return;
    pNewClass->m_pNextClass = s_pFirstClass;
    s_pFirstClass = pNewClass;
}

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass)
{
    AfxClassInit(pNewClass);
}

CRuntimeClass* AFXAPI AfxGetFirstRuntimeClass()
{
    return s_pFirstClass;
}

CObject* CRuntimeClass::CreateObject()
{
    if (m_pfnCreateObject == NULL)
        return NULL;
    return (*m_pfnCreateObject)();
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* p = this; p != NULL; p = p->m_pBaseClass)
        if (p == pBaseClass)
            return TRUE;
    return FALSE;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (lpszClassName == NULL)
        return NULL;
    for (CRuntimeClass* p = s_pFirstClass; p != NULL; p = p->m_pNextClass)
        if (lstrcmpA(p->m_lpszClassName, lpszClassName) == 0)
            return p;
    return NULL;
}

CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject)
{
    if (pObject != NULL && pObject->IsKindOf(pClass))
        return pObject;
    return NULL;
}

CObject::CObject() {}

CObject::~CObject() {}

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return RUNTIME_CLASS(CObject);
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != 0xFFFF;
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

void CObject::Serialize(CArchive&) {}

void CObject::AssertValid() const {}

void CObject::Dump(CDumpContext&) const {}
