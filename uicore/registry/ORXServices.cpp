// CORXServices: the providers of each interface, in the order they are asked; the holders of roles;
// the steps of the global clean-up.
#include "ORXServices.h"

#include <typeindex>
#include <unordered_map>

namespace
{
// A provider, or a clean-up step (its function; no provider).
struct Provider
{
    void* pProvider;
    int nRank;
    CORXServices::PFN_CLEANUP pfnStep;
};
// Hashed rather than ordered: type_info's order, as this runtime gives it, is no strict order when
// an interface of an anonymous namespace (a test's) meets a named one, and an ordered map then
// loses entries; equality and hashing agree.
typedef std::unordered_map<std::type_index, std::vector<Provider>> ProviderMap;

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

// The key of the clean-up steps.
struct CORXCleanUpSteps
{
};

void CORXServices::Add(const std::type_info& key, void* pProvider, int nRank)
{
    if (pProvider == NULL || IsRegistered(key, pProvider))
        return;
    std::vector<Provider>& list = Providers()[std::type_index(key)];
    size_t nAt = 0;
    while (nAt < list.size() && list[nAt].nRank < nRank)
        nAt++;
    Provider entry = {pProvider, nRank, NULL};
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

void CORXServices::Replace(const std::type_info& key, void* pHolder)
{
    std::vector<Provider>& list = Providers()[std::type_index(key)];
    list.clear();
    if (pHolder != NULL)
    {
        Provider entry = {pHolder, rankDefault, NULL};
        list.push_back(entry);
    }
}

void CORXServices::RegisterCleanUp(int nRank, PFN_CLEANUP pfn)
{
    if (pfn == NULL)
        return;
    std::vector<Provider>& steps = Providers()[std::type_index(typeid(CORXCleanUpSteps))];
    for (size_t i = 0; i < steps.size(); i++)
        if (steps[i].pfnStep == pfn)
            return;
    // Unlike providers, steps of one rank keep the order they came in.
    size_t nAt = steps.size();
    while (nAt > 0 && steps[nAt - 1].nRank > nRank)
        nAt--;
    Provider step = {NULL, nRank, pfn};
    steps.insert(steps.begin() + nAt, step);
}

void CORXServices::CleanUp()
{
    // The steps are taken whole before any runs: clean-up allocates nothing, and a step that
    // registers another starts a new list.
    std::vector<Provider> steps;
    std::vector<Provider>* pList = ProvidersOf(typeid(CORXCleanUpSteps));
    if (pList != NULL)
        steps.swap(*pList);
    for (size_t i = 0; i < steps.size(); i++)
        steps[i].pfnStep();
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
