// A workspace for the tests of state the tool-bar framework saves.
#ifndef VELMORA_TESTWORKSPACE_H
#define VELMORA_TESTWORKSPACE_H

#include "ORXWorkspace.h"

// A workspace that reads and writes state as a given framework version saved it.
class CTestWorkspace : public CORXWorkspace
{
public:
    CTestWorkspace() {}
    CTestWorkspace(int nMajor, int nMinor) { SetSavedVersion(nMajor, nMinor); }
    void SetSavedVersion(int nMajor, int nMinor)
    {
        m_nSavedVersionMajor = nMajor;
        m_nSavedVersionMinor = nMinor;
    }
};

#endif // VELMORA_TESTWORKSPACE_H
