// CORXServices: the one point through which the framework's parts and its extras offer what they
// implement. A provider registers an object under an interface it implements; a user asks for the
// interface and works without it when nobody offers it. A role that one object at a time holds
// (the in-place frame now active) is kept here as well, and so are the release steps of the parts
// that keep process-wide resources, run once by the global clean-up.
#ifndef VELMORA_ORXSERVICES_H
#define VELMORA_ORXSERVICES_H

#include <windows.h>

#include <typeinfo>
#include <vector>

class CORXServices
{
    // Operations
public:
    // Several providers may offer one interface. They are asked in ascending rank; within a rank
    // the one registered last comes first, so that an application's own provider stands in front
    // of the framework's. A provider registered twice under one interface is kept once.
    template <class I> static void Register(I* pProvider, int nRank = rankDefault)
    {
        Add(typeid(I), pProvider, nRank);
    }
    template <class I> static void Unregister(I* pProvider) { Remove(typeid(I), pProvider); }

    // The provider asked first, NULL when there is none.
    template <class I> static I* Find() { return static_cast<I*>(First(typeid(I))); }

    // The holder of a role that one object at a time holds, named by the type Role: Hold puts the
    // object in the role in place of any other (NULL leaves it empty), Holder answers it.
    template <class Role, class T> static void Hold(T* pHolder) { Replace(typeid(Role), pHolder); }
    template <class Role, class T> static T* Holder() { return static_cast<T*>(First(typeid(Role))); }

    // A release step of the global clean-up. Steps run in ascending rank, equal ranks in the order
    // they registered; a step registered twice runs once.
    typedef void (*PFN_CLEANUP)();
    static void RegisterCleanUp(int nRank, PFN_CLEANUP pfn);
    // Runs each registered step once: a second clean-up, or a step registered by a running step,
    // finds none until something registers again.
    static void CleanUp();

    // Asks the providers in turn until one answers TRUE; FALSE when none did. A provider that goes
    // away while others are asked is not asked any more.
    template <class I, class Ask> static BOOL Any(Ask fnAsk)
    {
        std::vector<void*> providers;
        Snapshot(typeid(I), providers);
        for (size_t i = 0; i < providers.size(); i++)
            if (IsRegistered(typeid(I), providers[i]) && fnAsk(static_cast<I*>(providers[i])))
                return TRUE;
        return FALSE;
    }
    // Tells every provider.
    template <class I, class Tell> static void ForEach(Tell fnTell)
    {
        Any<I>([&fnTell](I* pProvider) {
            fnTell(pProvider);
            return FALSE;
        });
    }

    // Attributes
public:
    enum
    {
        rankFirst = -100,
        rankDefault = 0,
        rankLast = 100
    };

    // Implementation
private:
    static void Add(const std::type_info& key, void* pProvider, int nRank);
    static void Replace(const std::type_info& key, void* pHolder);
    static void Remove(const std::type_info& key, void* pProvider);
    static void* First(const std::type_info& key);
    static BOOL IsRegistered(const std::type_info& key, void* pProvider);
    static void Snapshot(const std::type_info& key, std::vector<void*>& providers);
};

#endif // VELMORA_ORXSERVICES_H
