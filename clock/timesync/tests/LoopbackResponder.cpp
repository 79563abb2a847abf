// CLoopbackResponder: one datagram in, one (or none) out, on a thread of its own.
#include "LoopbackResponder.h"

#include <string.h>

CLoopbackResponder::CLoopbackResponder(Kind kind, double dOffset)
    : m_kind(kind), m_dOffset(dOffset), m_hSocket(INVALID_SOCKET), m_nPort(0), m_hThread(NULL)
{
    WSADATA data;
    ::WSAStartup(MAKEWORD(1, 1), &data);
    m_hSocket = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in addr;
    memset(&addr, 0, sizeof(addr));
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = ::inet_addr("127.0.0.1");
    ::bind(m_hSocket, (sockaddr*)&addr, sizeof(addr));
    int nLength = sizeof(addr);
    ::getsockname(m_hSocket, (sockaddr*)&addr, &nLength);
    m_nPort = ::ntohs(addr.sin_port);
    m_hThread = ::CreateThread(NULL, 0, Run, this, 0, NULL);
}

CLoopbackResponder::~CLoopbackResponder()
{
    // Closing the socket ends a receive that is still waiting.
    ::closesocket(m_hSocket);
    ::WaitForSingleObject(m_hThread, 5000);
    ::CloseHandle(m_hThread);
    ::WSACleanup();
}

DWORD WINAPI CLoopbackResponder::Run(LPVOID pParam)
{
    CLoopbackResponder* p = (CLoopbackResponder*)pParam;
    BYTE request[68];
    sockaddr_in from;
    int nFrom = sizeof(from);
    int n = ::recvfrom(p->m_hSocket, (char*)request, sizeof(request), 0, (sockaddr*)&from, &nFrom);
    if (n < 48 || p->m_kind == kindSilent)
        return 0;
    CNtpTime now = CNtpTime::Now().AddSeconds(p->m_dOffset);
    BYTE reply[48];
    memset(reply, 0, sizeof(reply));
    reply[0] = p->m_kind == kindWrongMode ? 0x1B : 0x1C; // version 3, mode 4
    reply[1] = 8;
    if (p->m_kind == kindOtherOrigin)
        CNtpTime(12345).ToPacket(reply + 24);
    else
        memcpy(reply + 24, request + 40, 8);
    now.ToPacket(reply + 32);
    now.ToPacket(reply + 40);
    if (p->m_kind == kindZeroReceive)
        memset(reply + 32, 0, 8);
    if (p->m_kind == kindAllOnes || p->m_kind == kindNoise)
    {
        DWORD dwSeed = 0x9E3779B9u;
        for (int i = 2; i < 48; i++)
        {
            dwSeed = dwSeed * 1664525u + 1013904223u;
            if (i < 24 || i >= 32)
                reply[i] = p->m_kind == kindAllOnes ? 0xFF : (BYTE)(dwSeed >> 24);
        }
    }
    int nLength = p->m_kind == kindShort ? 40 : 48;
    ::sendto(p->m_hSocket, (const char*)reply, nLength, 0, (sockaddr*)&from, nFrom);
    return 0;
}
