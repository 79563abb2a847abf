// CORXServices: the providers of each interface, in the order they are asked.
#include "ORXServices.h"

#include <map>
#include <typeindex>

namespace
{
struct Provider
{
    void* pProvider;
    int nRank;
};
typedef std::map<std::type_index, std::vector<Provider>> ProviderMap;

// Built on first use: providers register from constructors of static objects, whose order across
// the libraries is not known.
ProviderMap& Providers()
{
    static ProviderMap s_providers;
    return s_providers;
}

std::vector<Provider>* ProvidersOf(const std::type_info& key)
{
    ProviderMap::iterator it = Providers().find(std::type_index(key));
    return it != Providers().end() ? &it->second : NULL;
}
} // namespace

void CORXServices::Add(const std::type_info& key, void* pProvider, int nRank)
{
    if (pProvider == NULL || IsRegistered(key, pProvider))
        return;
    std::vector<Provider>& list = Providers()[std::type_index(key)];
    size_t nAt = 0;
    while (nAt < list.size() && list[nAt].nRank < nRank)
        nAt++;
    Provider entry = {pProvider, nRank};
    list.insert(list.begin() + nAt, entry);
}

void CORXServices::Remove(const std::type_info& key, void* pProvider)
{
    std::vector<Provider>* pList = ProvidersOf(key);
    if (pList == NULL)
        return;
    for (size_t i = 0; i < pList->size(); i++)
        if ((*pList)[i].pProvider == pProvider)
        {
            pList->erase(pList->begin() + i);
            return;
        }
}

void* CORXServices::First(const std::type_info& key)
{
    std::vector<Provider>* pList = ProvidersOf(key);
    return pList != NULL && !pList->empty() ? pList->front().pProvider : NULL;
}

BOOL CORXServices::IsRegistered(const std::type_info& key, void* pProvider)
{
    std::vector<Provider>* pList = ProvidersOf(key);
    if (pList == NULL)
        return FALSE;
    for (size_t i = 0; i < pList->size(); i++)
        if ((*pList)[i].pProvider == pProvider)
            return TRUE;
    return FALSE;
}

void CORXServices::Snapshot(const std::type_info& key, std::vector<void*>& providers)
{
    providers.clear();
    std::vector<Provider>* pList = ProvidersOf(key);
    if (pList == NULL)
        return;
    for (size_t i = 0; i < pList->size(); i++)
        providers.push_back((*pList)[i].pProvider);
}
