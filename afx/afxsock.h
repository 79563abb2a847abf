// Windows Sockets start-up through the framework.
#ifndef VELMORA_AFXSOCK_H
#define VELMORA_AFXSOCK_H

#include "afxwin.h"

#endif // VELMORA_AFXSOCK_H
