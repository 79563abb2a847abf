// ORXCleanUpGlobals: releases the process-wide resources that parts of the framework registered.
#include "ORXCleanUp.h"

#include <stddef.h>

#include <vector>

namespace
{
struct CleanUpStep
{
    int nRank;
    PFN_ORXCLEANUP pfn;
};

// Built on first use: steps register from constructors of static objects.
std::vector<CleanUpStep>& Steps()
{
    static std::vector<CleanUpStep> s_steps;
    return s_steps;
}
} // namespace

void ORXRegisterCleanUp(int nRank, PFN_ORXCLEANUP pfn)
{
    if (pfn == 0)
        return;
    std::vector<CleanUpStep>& steps = Steps();
    for (size_t i = 0; i < steps.size(); i++)
        if (steps[i].pfn == pfn)
            return;
    size_t nAt = steps.size();
    while (nAt > 0 && steps[nAt - 1].nRank > nRank)
        nAt--;
    CleanUpStep step = {nRank, pfn};
    steps.insert(steps.begin() + nAt, step);
}

void ORXCleanUpGlobals()
{
    // The list is taken whole before any step runs: clean-up allocates nothing, and a step that
    // registers another starts a new list.
    std::vector<CleanUpStep> steps;
    steps.swap(Steps());
    for (size_t i = 0; i < steps.size(); i++)
        steps[i].pfn();
}
