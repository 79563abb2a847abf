// The one application object of the desktop clock.
#include "ClockApp.h"

CClockApp theApp;
