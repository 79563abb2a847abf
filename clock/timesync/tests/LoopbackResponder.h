// LoopbackResponder.h: a one-shot SNTP responder on 127.0.0.1 for the client's tests: it answers the
// first request with a reply made from it, or stays silent.
#ifndef VELMORA_LOOPBACKRESPONDER_H
#define VELMORA_LOOPBACKRESPONDER_H

#include <windows.h>
#include <winsock.h>

#include "SntpClient.h"

class CLoopbackResponder
{
public:
    enum Kind
    {
        kindOffset,      // a good reply whose clock is m_dOffset seconds ahead
        kindWrongMode,   // mode 3 instead of 4
        kindShort,       // 40 bytes
        kindOtherOrigin, // a good reply to some other request
        kindSilent,
        kindZeroReceive, // a good reply but for its receive time, 0
        kindAllOnes,     // every byte after the header's mode, stratum and originate set
        kindNoise        // random bytes with a good mode, stratum and originate
    };
    CLoopbackResponder(Kind kind, double dOffset = 0);
    ~CLoopbackResponder();
    UINT Port() const { return m_nPort; }

private:
    static DWORD WINAPI Run(LPVOID pParam);
    Kind m_kind;
    double m_dOffset;
    SOCKET m_hSocket;
    UINT m_nPort;
    HANDLE m_hThread;
};

#endif // VELMORA_LOOPBACKRESPONDER_H
