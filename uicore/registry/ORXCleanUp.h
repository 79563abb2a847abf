// The framework's global clean-up: the ranked release steps of the parts that keep process-wide
// resources, kept by the services registry and run once by the application after its main window
// has ended.
#ifndef VELMORA_ORXCLEANUP_H
#define VELMORA_ORXCLEANUP_H

#include "ORXServices.h"

typedef CORXServices::PFN_CLEANUP PFN_ORXCLEANUP;
enum
{
    ORXCLEANUP_GLOBALDATA = 10, // menu-sound worker, brushes, fonts, visual-styles library
    ORXCLEANUP_MENUSTORE = 20,  // temporary menu files
    ORXCLEANUP_TOOLBARS = 30,   // class-wide image lists, command images, usage counts
    ORXCLEANUP_SMALLIMAGES = 40,
    ORXCLEANUP_COMMANDMANAGER = 50,
    ORXCLEANUP_KEYBOARD = 60,
    ORXCLEANUP_VISUALMANAGER = 70
};

// Steps run in ascending rank, equal ranks in the order they registered; a step registered twice
// runs once. Any number of steps may register.
inline void ORXRegisterCleanUp(int nRank, PFN_ORXCLEANUP pfn)
{
    CORXServices::RegisterCleanUp(nRank, pfn);
}

// Runs each registered step once: a second clean-up, or a step registered by a running step,
// finds the list empty until something registers again.
inline void ORXCleanUpGlobals()
{
    CORXServices::CleanUp();
}

#endif // VELMORA_ORXCLEANUP_H
