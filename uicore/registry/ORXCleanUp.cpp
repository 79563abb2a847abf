// ORXCleanUpGlobals: releases the process-wide resources that parts of the framework registered.
#include "ORXWorkspace.h"

namespace
{
struct CleanUpStep
{
    int nRank;
    PFN_ORXCLEANUP pfn;
};

// A fixed table: registration happens during start-up from static code, before any allocation
// policy of the program is in force, and clean-up must not depend on the heap being healthy.
const int kMaxSteps = 32;
CleanUpStep g_steps[kMaxSteps];
int g_nSteps = 0;
} // namespace

void ORXRegisterCleanUp(int nRank, PFN_ORXCLEANUP pfn)
{
    if (pfn == NULL)
        return;
    for (int i = 0; i < g_nSteps; i++)
        if (g_steps[i].pfn == pfn)
            return;
    if (g_nSteps == kMaxSteps)
        return;
    // Insertion keeps the table in rank order; equal ranks run in registration order.
    int nAt = g_nSteps;
    while (nAt > 0 && g_steps[nAt - 1].nRank > nRank)
    {
        g_steps[nAt] = g_steps[nAt - 1];
        nAt--;
    }
    g_steps[nAt].nRank = nRank;
    g_steps[nAt].pfn = pfn;
    g_nSteps++;
}

void ORXCleanUpGlobals()
{
    // Each step runs once: a second clean-up (or a step registering another) finds the table empty.
    CleanUpStep steps[kMaxSteps];
    int nSteps = g_nSteps;
    for (int i = 0; i < nSteps; i++)
        steps[i] = g_steps[i];
    g_nSteps = 0;
    for (int i = 0; i < nSteps; i++)
        steps[i].pfn();
}
