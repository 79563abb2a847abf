// Common definitions of the XML and character-set library: the fatal-stop check for object markers.
#pragma once
#include <windows.h>

// A wrong validity marker means an object was used after its destruction: a programming error
// that must stop the process rather than read freed memory.
void VxmlFatal(const char* what);
#define VXML_CHECK(cond, what)                                                                               \
    do                                                                                                       \
    {                                                                                                        \
        if (!(cond))                                                                                         \
            VxmlFatal(what);                                                                                 \
    } while (0)
