// Accelerator tables as the keyboard manager's tests compare them.
#ifndef VELMORA_TESTKEYBOARD_H
#define VELMORA_TESTKEYBOARD_H

#include <vector>

#include "ORXKeyboardManager.h"

// The records of an accelerator table, in its order, as the keyboard manager reads them.
inline std::vector<ACCEL> AccelRecords(HACCEL hAccel)
{
    ACCEL* p = NULL;
    int n = CORXKeyboardManager::GetAccelRecords(hAccel, p);
    std::vector<ACCEL> records(p, p + n);
    delete[] p;
    return records;
}

#endif // VELMORA_TESTKEYBOARD_H
