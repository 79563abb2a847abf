// CObject, the root of the framework's classes, and CRuntimeClass, its run-time type and factory.
#ifndef VELMORA_AFXOBJECT_H
#define VELMORA_AFXOBJECT_H

#include <windows.h>

#include "AfxDefs.h"

class CObject;
class CArchive;
class CDumpContext;

// A class's name, size, schema and factory, linked to its base. Classes declared with the
// DYNAMIC/DYNCREATE/SERIAL macros are also entered into a process-wide list so that loading an
// archive can create an object from the class name stored in it.
struct CRuntimeClass
{
    // Attributes
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema; // 0xFFFF for classes that cannot be serialised
    CObject*(PASCAL* m_pfnCreateObject)();
    CRuntimeClass* m_pBaseClass;

    // Operations
    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
    static CRuntimeClass* PASCAL FromName(LPCSTR lpszClassName);

    // Persistent form (schema WORD, name length WORD, name bytes) used by CArchive.
    void Store(CArchive& ar) const;
    static CRuntimeClass* PASCAL Load(CArchive& ar, UINT* pwSchemaNum);

    // Implementation
    CRuntimeClass* m_pNextClass; // registered class list
};

// Adds a class to the registered list during static initialisation.
struct AFX_CLASSINIT
{
    AFX_CLASSINIT(CRuntimeClass* pNewClass);
};
void AFXAPI AfxClassInit(CRuntimeClass* pNewClass);
CRuntimeClass* AFXAPI AfxGetFirstRuntimeClass();

// Schema flag: the class reads every schema and asks the archive which one it is reading.
#define VERSIONABLE_SCHEMA (0x80000000)

#define RUNTIME_CLASS(class_name) ((CRuntimeClass*)(&class_name::class##class_name))

class CObject
{
public:
    // Object model
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject();

protected:
    CObject();

private:
    CObject(const CObject& objectSrc);
    void operator=(const CObject& objectSrc);

public:
    // Attributes
    BOOL IsSerializable() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

    // Overridables
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const;
    virtual void Dump(CDumpContext& dc) const;

    // Implementation
    static CRuntimeClass classCObject;
};

// The class record is not const: registration links it into the class list.
#define DECLARE_DYNAMIC(class_name)                                                                          \
public:                                                                                                      \
    static CRuntimeClass class##class_name;                                                                  \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name)                                                                        \
    DECLARE_DYNAMIC(class_name)                                                                              \
    static CObject* PASCAL CreateObject();

#define DECLARE_SERIAL(class_name)                                                                           \
    DECLARE_DYNCREATE(class_name)                                                                            \
    friend CArchive& AFXAPI operator>>(CArchive& ar, class_name*& pOb);

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                                 \
    CRuntimeClass class_name::class##class_name = {#class_name,                                              \
                                                   sizeof(class class_name),                                 \
                                                   (UINT)(wSchema),                                          \
                                                   pfnNew,                                                   \
                                                   RUNTIME_CLASS(base_class_name),                           \
                                                   NULL};                                                    \
    static const AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name));                                \
    CRuntimeClass* class_name::GetRuntimeClass() const                                                       \
    {                                                                                                        \
        return RUNTIME_CLASS(class_name);                                                                    \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                       \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                     \
    CObject* PASCAL class_name::CreateObject()                                                               \
    {                                                                                                        \
        return new class_name;                                                                               \
    }                                                                                                        \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

// The extraction operator reads through CArchive::ReadObject, which checks that what was
// stored is a class_name (or derived) and raises CArchiveException::badClass otherwise.
#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                                               \
    CObject* PASCAL class_name::CreateObject()                                                               \
    {                                                                                                        \
        return new class_name;                                                                               \
    }                                                                                                        \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject)                   \
    CArchive& AFXAPI operator>>(CArchive& ar, class_name*& pOb)                                              \
    {                                                                                                        \
        pOb = (class_name*)ar.ReadObject(RUNTIME_CLASS(class_name));                                         \
        return ar;                                                                                           \
    }

#define ASSERT_KINDOF(class_name, object)   ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))
#define STATIC_DOWNCAST(class_name, object) (static_cast<class_name*>(object))
#define DYNAMIC_DOWNCAST(class_name, object)                                                                 \
    ((class_name*)AfxDynamicDownCast(RUNTIME_CLASS(class_name), object))
CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);

#endif // VELMORA_AFXOBJECT_H
