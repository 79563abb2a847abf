// CNtpTime, CSntpSocket and CSntpClient: one SNTP query and the checks its reply must pass.
#include "SntpClient.h"

#include <math.h>
#include <string.h>

namespace
{
const unsigned __int64 kEraLength = (unsigned __int64)1 << 32;
// Seconds from 1601-01-01 (the FILETIME epoch) to 1900-01-01.
const unsigned __int64 kFileTimeToNtp = 9435484800ULL;
const unsigned __int64 kTicksPerSecond = 10000000ULL;
// How long a reply is asked for over and over before the wait is left to the system.
const DWORD kEagerMilliseconds = 20;

// Fraction of a second for each millisecond: round(n x 2^32 / 1000).
DWORD FractionOfMilliseconds(int nMs)
{
    return (DWORD)(((unsigned __int64)nMs * kEraLength + 500) / 1000);
}

typedef VOID(WINAPI* PFNGETTIME)(LPFILETIME);

PFNGETTIME FinestClock()
{
    static PFNGETTIME pfn = NULL;
    if (pfn == NULL)
    {
        HMODULE hKernel = ::GetModuleHandleA("KERNEL32.DLL");
        if (hKernel != NULL)
            pfn = reinterpret_cast<PFNGETTIME>(
                reinterpret_cast<void (*)()>(::GetProcAddress(hKernel, "GetSystemTimePreciseAsFileTime")));
        if (pfn == NULL)
            pfn = ::GetSystemTimeAsFileTime;
    }
    return pfn;
}

// The socket started here is the only one the client needs; Windows Sockets counts starts, so the
// one start is never undone while the program runs.
BOOL StartSockets()
{
    static BOOL bStarted = FALSE;
    if (!bStarted)
    {
        WSADATA data;
        bStarted = (::WSAStartup(MAKEWORD(1, 1), &data) == 0);
    }
    return bStarted;
}
} // namespace

// ---- CNtpTime ----------------------------------------------------------------------------------------

CNtpTime CNtpTime::Now()
{
    FILETIME ft;
    FinestClock()(&ft);
    return FromFileTime(ft);
}

CNtpTime CNtpTime::FromFileTime(const FILETIME& ft)
{
    unsigned __int64 nTicks = ((unsigned __int64)ft.dwHighDateTime << 32) | ft.dwLowDateTime;
    unsigned __int64 nSeconds = nTicks / kTicksPerSecond - kFileTimeToNtp;
    unsigned __int64 nFraction = (nTicks % kTicksPerSecond) * kEraLength / kTicksPerSecond;
    return CNtpTime(((nSeconds & 0xFFFFFFFFULL) << 32) | nFraction);
}

CNtpTime CNtpTime::FromSystemTime(const SYSTEMTIME& st)
{
    long y = st.wYear;
    long m = st.wMonth;
    if (m < 3)
    {
        m += 9;
        y -= 1;
    }
    else
        m -= 3;
    long c = y / 100;
    long ya = y - 100 * c;
    long nJdn = 146097L * c / 4 + 1461L * ya / 4 + (153 * m + 2) / 5 + st.wDay + 1721119L;
    __int64 nDays = (__int64)nJdn - 2415021;
    __int64 nSeconds = ((nDays * 24 + st.wHour) * 60 + st.wMinute) * 60 + st.wSecond;
    int nMs = st.wMilliseconds < 1000 ? st.wMilliseconds : 999;
    // Past 2036-02-07 the seconds word starts again from 0: the next era.
    return CNtpTime((((unsigned __int64)nSeconds & 0xFFFFFFFFULL) << 32) | FractionOfMilliseconds(nMs));
}

void CNtpTime::ToSystemTime(SYSTEMTIME& st) const
{
    unsigned __int64 s = Seconds();
    if (s < 0x80000000UL)
        s += kEraLength;
    unsigned nMs = (unsigned)((double)Fraction() * 1000.0 / 4294967295.0 + 0.5);
    if (nMs >= 1000)
    {
        // A fraction within half a millisecond of the next second belongs to that second.
        nMs -= 1000;
        s += 1;
    }
    st.wMilliseconds = (WORD)nMs;
    st.wSecond = (WORD)(s % 60);
    st.wMinute = (WORD)((s / 60) % 60);
    st.wHour = (WORD)((s / 3600) % 24);
    long nDays = (long)(s / 86400);
    st.wDayOfWeek = (WORD)((nDays + 2415022L) % 7);

    long j = 4 * (nDays + 2415021L - 1721119L) - 1;
    long y = j / 146097;
    long d = ((j - 146097 * y) / 4) * 4 + 3;
    j = d / 1461;
    d = ((d - 1461 * j + 4) / 4) * 5 - 3;
    long m = d / 153;
    long nDay = (d - 153 * m + 5) / 5;
    long nYear = 100 * y + j;
    long nMonth;
    if (m < 10)
        nMonth = m + 3;
    else
    {
        nMonth = m - 9;
        nYear += 1;
    }
    st.wYear = (WORD)nYear;
    st.wMonth = (WORD)nMonth;
    st.wDay = (WORD)nDay;
}

CNtpTime CNtpTime::FromPacket(const BYTE* p)
{
    DWORD dwSeconds = ((DWORD)p[0] << 24) | ((DWORD)p[1] << 16) | ((DWORD)p[2] << 8) | p[3];
    DWORD dwFraction = ((DWORD)p[4] << 24) | ((DWORD)p[5] << 16) | ((DWORD)p[6] << 8) | p[7];
    return CNtpTime(((unsigned __int64)dwSeconds << 32) | dwFraction);
}

void CNtpTime::ToPacket(BYTE* p) const
{
    for (int i = 0; i < 8; i++)
        p[i] = (BYTE)(m_nValue >> (56 - 8 * i));
}

double CNtpTime::Difference(const CNtpTime& other) const
{
    unsigned __int64 d = m_nValue - other.m_nValue;
    bool bNegative = (d >> 63) != 0;
    if (bNegative)
        d = other.m_nValue - m_nValue;
    double dSeconds = (double)(DWORD)(d >> 32) + (double)(DWORD)d / 4294967295.0;
    return bNegative ? -dSeconds : dSeconds;
}

CNtpTime CNtpTime::AddSeconds(double dSeconds) const
{
    double dWhole;
    double dPart = modf(fabs(dSeconds), &dWhole);
    unsigned __int64 nDelta = ((unsigned __int64)dWhole << 32) + (unsigned __int64)(dPart * 4294967295.0);
    return CNtpTime(dSeconds >= 0 ? m_nValue + nDelta : m_nValue - nDelta);
}

// ---- CSntpSocket -------------------------------------------------------------------------------------

BOOL CSntpSocket::Create()
{
    Close();
    if (!StartSockets())
        return FALSE;
    m_hSocket = ::socket(AF_INET, SOCK_DGRAM, 0);
    return m_hSocket != INVALID_SOCKET;
}

BOOL CSntpSocket::Connect(LPCSTR pszHost, UINT nPort)
{
    sockaddr_in addr;
    memset(&addr, 0, sizeof(addr));
    addr.sin_family = AF_INET;
    addr.sin_port = ::htons((u_short)nPort);
    addr.sin_addr.s_addr = ::inet_addr(pszHost);
    if (addr.sin_addr.s_addr == INADDR_NONE)
    {
        hostent* pHost = ::gethostbyname(pszHost);
        if (pHost == NULL || pHost->h_addr_list == NULL || pHost->h_addr_list[0] == NULL)
        {
            if (::WSAGetLastError() == 0)
                ::WSASetLastError(WSAHOST_NOT_FOUND);
            return FALSE;
        }
        memcpy(&addr.sin_addr, pHost->h_addr_list[0], sizeof(addr.sin_addr));
    }
    return ::connect(m_hSocket, (sockaddr*)&addr, sizeof(addr)) != SOCKET_ERROR;
}

BOOL CSntpSocket::Send(const BYTE* pBuffer, int nLength)
{
    return ::send(m_hSocket, (const char*)pBuffer, nLength, 0) != SOCKET_ERROR;
}

int CSntpSocket::Receive(BYTE* pBuffer, int nLength)
{
    int n = ::recv(m_hSocket, (char*)pBuffer, nLength, 0);
    // A datagram longer than the buffer arrives cut to it, which is all that is read anyway.
    if (n == SOCKET_ERROR && ::WSAGetLastError() == WSAEMSGSIZE)
        return nLength;
    return n > 0 ? n : -1;
}

BOOL CSntpSocket::WaitReadable(DWORD dwMilliseconds, BOOL& bReadable)
{
    fd_set readSet;
    FD_ZERO(&readSet);
    FD_SET(m_hSocket, &readSet);
    timeval tv;
    tv.tv_sec = (long)(dwMilliseconds / 1000);
    tv.tv_usec = (long)((dwMilliseconds % 1000) * 1000);
    int n = ::select(0, &readSet, NULL, NULL, &tv);
    if (n == SOCKET_ERROR)
        return FALSE;
    bReadable = (n != 0);
    return TRUE;
}

int CSntpSocket::ReceiveWithin(BYTE* pBuffer, int nLength, DWORD dwMilliseconds, CNtpTime& whenRead)
{
    // A server close by answers within a few milliseconds. Its reply is read by asking again and
    // again, so that it is stamped as it arrives rather than when a waiting thread gets woken,
    // which adds a varying delay to one side of the exchange only; a later reply is waited for.
    u_long nNonBlocking = 1;
    DWORD dwStart = ::GetTickCount();
    DWORD dwEager = dwMilliseconds < kEagerMilliseconds ? dwMilliseconds : kEagerMilliseconds;
    if (::ioctlsocket(m_hSocket, FIONBIO, &nNonBlocking) == 0)
    {
        do
        {
            ::WSASetLastError(0);
            int n = Receive(pBuffer, nLength);
            if (n >= 0 || ::WSAGetLastError() != WSAEWOULDBLOCK)
            {
                whenRead = CNtpTime::Now();
                return n;
            }
        } while (::GetTickCount() - dwStart < dwEager);
        nNonBlocking = 0;
        ::ioctlsocket(m_hSocket, FIONBIO, &nNonBlocking);
    }
    DWORD dwSpent = ::GetTickCount() - dwStart;
    BOOL bReadable = FALSE;
    if (!WaitReadable(dwSpent < dwMilliseconds ? dwMilliseconds - dwSpent : 0, bReadable) || !bReadable)
    {
        ::WSASetLastError(WSAETIMEDOUT);
        return -1;
    }
    whenRead = CNtpTime::Now();
    return Receive(pBuffer, nLength);
}

void CSntpSocket::Close()
{
    if (m_hSocket != INVALID_SOCKET)
    {
        ::closesocket(m_hSocket);
        m_hSocket = INVALID_SOCKET;
    }
}

// ---- CSntpClient -------------------------------------------------------------------------------------

void CSntpClient::BuildRequest(BYTE* pRequest, const CNtpTime& transmitTime)
{
    memset(pRequest, 0, kRequestSize);
    pRequest[0] = 0x1B; // leap indicator 0, version 3, mode 3 (client)
    transmitTime.ToPacket(pRequest + 40);
}

DWORD CSntpClient::CheckReply(const BYTE* pReply, int nLength, const CNtpTime& transmitTime)
{
    if (nLength < kRequestSize)
        return kReplyTooShort;
    if ((pReply[0] & 0x07) != 4)
        return kReplyWrongMode;
    if (pReply[1] < 1 || pReply[1] > 15)
        return kReplyBadStratum;
    if ((pReply[0] >> 6) == 3)
        return kReplyUnsynchronised;
    if (CNtpTime::FromPacket(pReply + 40).Value() == 0)
        return kReplyNoTransmitTime;
    if (CNtpTime::FromPacket(pReply + 24) != transmitTime)
        return kReplyWrongOriginate;
    return kReplyAccepted;
}

namespace
{
DWORD ReadWord(const BYTE* p)
{
    return ((DWORD)p[0] << 24) | ((DWORD)p[1] << 16) | ((DWORD)p[2] << 8) | (DWORD)p[3];
}
} // namespace

DWORD CSntpClient::CheckTimes(const BYTE* pReply, const CNtpTime& transmitTime,
                              const CNtpTime& destinationTime)
{
    // Root delay and dispersion are 16.16 fixed-point seconds; a delay with its sign bit set is
    // beyond the limit too.
    const DWORD dwMaxRoot = (DWORD)kMaxRootSeconds << 16;
    if (ReadWord(pReply + 4) > dwMaxRoot || ReadWord(pReply + 8) > dwMaxRoot)
        return kReplyImplausibleRoot;
    CNtpTime receiveTime = CNtpTime::FromPacket(pReply + 32);
    CNtpTime replyTime = CNtpTime::FromPacket(pReply + 40);
    if (receiveTime.Value() == 0)
        return kReplyNoReceiveTime;
    // All ones is no time a server keeps, only a field filled with noise.
    const unsigned __int64 nAllOnes = ~(unsigned __int64)0;
    if (receiveTime.Value() == nAllOnes || replyTime.Value() == nAllOnes)
        return kReplyImplausibleTimes;
    // Both server times are on the server's clock and both of ours on ours, so these two spans
    // hold whatever the offset: the server cannot send before it received, nor hold the request
    // longer than the whole exchange lasted (a little slack for the two clocks' granularity).
    const double dSlack = 0.5;
    double dHeld = replyTime.Difference(receiveTime);
    double dExchange = destinationTime.Difference(transmitTime);
    if (dHeld < 0.0 || dHeld > dExchange + dSlack)
        return kReplyImplausibleTimes;
    return kReplyAccepted;
}

void CSntpClient::ReadReply(const BYTE* pReply, const CNtpTime& destinationTime, CNtpServerResponse& response)
{
    response.m_originateTime = CNtpTime::FromPacket(pReply + 24);
    response.m_receiveTime = CNtpTime::FromPacket(pReply + 32);
    response.m_transmitTime = CNtpTime::FromPacket(pReply + 40);
    response.m_destinationTime = destinationTime;
    double dOut = response.m_receiveTime.Difference(response.m_originateTime);
    double dBack = response.m_transmitTime.Difference(destinationTime);
    response.m_dOffset = (dOut + dBack) * 0.5;
    response.m_dDelay = destinationTime.Difference(response.m_originateTime) -
                        response.m_transmitTime.Difference(response.m_receiveTime);
}

BOOL CSntpClient::QueryServer(LPCSTR pszHost, CNtpServerResponse& response, UINT nPort)
{
    // The socket closes itself on every way out; the last error is set after it closed, so that
    // closing cannot overwrite it.
    DWORD dwError = 0;
    BOOL bOk = FALSE;
    {
        CSntpSocket socket;
        if (!socket.Create())
            dwError = ::WSAGetLastError();
        else if (!socket.Connect(pszHost, nPort))
            dwError = ::WSAGetLastError();
        else
        {
            BYTE reply[kReplyBufferSize];
            memset(reply, 0, sizeof(reply));
            CNtpTime destinationTime;
            BYTE request[kRequestSize];
            CNtpTime transmitTime = CNtpTime::Now();
            BuildRequest(request, transmitTime);
            if (!socket.Send(request, kRequestSize))
                dwError = ::WSAGetLastError();
            else
            {
                int nLength = socket.ReceiveWithin(reply, sizeof(reply), m_dwTimeout, destinationTime);
                if (nLength < 0)
                    dwError = ::WSAGetLastError();
                else
                {
                    dwError = CheckReply(reply, nLength, transmitTime);
                    if (dwError == kReplyAccepted)
                        dwError = CheckTimes(reply, transmitTime, destinationTime);
                    if (dwError == kReplyAccepted)
                    {
                        ReadReply(reply, destinationTime, response);
                        bOk = TRUE;
                    }
                }
            }
        }
        if (!bOk && dwError == 0)
            dwError = WSAEINVAL; // a failed call that left no code is still a failure
    }
    ::SetLastError(dwError);
    return bOk;
}
