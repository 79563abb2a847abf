// The one application object of the time-zone editor; the framework's WinMain runs it.
#include "TorvaneApp.h"

CTorvaneApp theApp;
