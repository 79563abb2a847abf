// Per-thread maps from a Win32 handle to the framework object that wraps it: one template for
// every handle kind (windows, menus, drawing objects, device contexts, image lists).
#ifndef VELMORA_AFXHANDLEMAP_H
#define VELMORA_AFXHANDLEMAP_H

#include "afx.h"

#include <map>

// What the thread state keeps of every map: the idle clean-up of temporaries and the map's end.
class CHandleMapBase
{
public:
    virtual ~CHandleMapBase() {}
    // Deletes the temporary objects without touching their handles.
    virtual void DeleteTemp() = 0;
};

// A permanent object owns its handle and is entered by Attach; a temporary object wraps a handle
// nobody in this thread owns, is made on first use by FromHandle and lives until the next idle
// clean-up. A temporary must never free its handle: the map clears the handle before deleting it.
template <class THandle, class TObject> class CHandleMap : public CHandleMapBase
{
public:
    typedef TObject* (*PFN_NEWTEMP)(THandle h);   // a wrapper of the handle's kind, its handle set
    typedef void (*PFN_FORGET)(TObject* pObject); // clears the wrapper's handle (and any twin)

    CHandleMap(PFN_NEWTEMP pfnNewTemp, PFN_FORGET pfnForget)
        : m_pfnNewTemp(pfnNewTemp), m_pfnForget(pfnForget)
    {
    }
    virtual ~CHandleMap() { DeleteTemp(); }

    TObject* LookupPermanent(THandle h) const
    {
        typename Map::const_iterator it = m_permanent.find(h);
        return it != m_permanent.end() ? it->second : NULL;
    }

    TObject* FromHandle(THandle h)
    {
        if (h == NULL)
            return NULL;
        TObject* pObject = LookupPermanent(h);
        if (pObject != NULL)
            return pObject;
        typename Map::iterator it = m_temporary.find(h);
        if (it != m_temporary.end())
            return it->second;
        pObject = m_pfnNewTemp(h);
        m_temporary[h] = pObject;
        return pObject;
    }

    void SetPermanent(THandle h, TObject* pObject) { m_permanent[h] = pObject; }

    // Only the object entered for the handle is removed: a temporary sharing the handle, or a
    // newer owner, keeps its entry.
    void RemoveHandle(THandle h, TObject* pObject)
    {
        typename Map::iterator it = m_permanent.find(h);
        if (it != m_permanent.end() && it->second == pObject)
            m_permanent.erase(it);
    }

    virtual void DeleteTemp()
    {
        // Taken out first: a destructor may wrap handles again, which go into a fresh map.
        Map temps;
        temps.swap(m_temporary);
        for (typename Map::iterator it = temps.begin(); it != temps.end(); ++it)
        {
            m_pfnForget(it->second);
            delete it->second;
        }
    }

private:
    typedef std::map<THandle, TObject*> Map;
    Map m_permanent;
    Map m_temporary;
    PFN_NEWTEMP m_pfnNewTemp;
    PFN_FORGET m_pfnForget;

    CHandleMap(const CHandleMap&);
    void operator=(const CHandleMap&);
};

#endif // VELMORA_AFXHANDLEMAP_H
