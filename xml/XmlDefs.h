// Common definitions of the XML and character-set library: the fatal-stop check for object markers.
#ifndef VELMORA_XMLDEFS_H
#define VELMORA_XMLDEFS_H
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

#endif // VELMORA_XMLDEFS_H
