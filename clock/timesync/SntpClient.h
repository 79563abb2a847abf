// SntpClient.h: one SNTP exchange over UDP: CNtpTime (the protocol's 64-bit timestamp), CSntpSocket
// (a thin datagram socket), CSntpClient (one query) and its result CNtpServerResponse.
#ifndef VELMORA_SNTPCLIENT_H
#define VELMORA_SNTPCLIENT_H

#include <afx.h>
#include <winsock.h>

// Seconds since 1900-01-01 00:00:00 UTC in the high word, the fraction in units of 2^-32 s in the
// low word. The seconds word wraps on 2036-02-07 06:28:16 UTC; a seconds word below 2^31 is read as
// the next era, so the values cover 1968-01-20 to 2104-02-26.
class CNtpTime
{
    // Construction
public:
    CNtpTime() : m_nValue(0) {}
    explicit CNtpTime(unsigned __int64 nValue) : m_nValue(nValue) {}

    // Attributes
public:
    DWORD Seconds() const { return (DWORD)(m_nValue >> 32); }
    DWORD Fraction() const { return (DWORD)m_nValue; }
    unsigned __int64 Value() const { return m_nValue; }

    // Operations
public:
    // The current UTC time, from the finest system clock present.
    static CNtpTime Now();
    static CNtpTime FromSystemTime(const SYSTEMTIME& st);
    static CNtpTime FromFileTime(const FILETIME& ft);
    void ToSystemTime(SYSTEMTIME& st) const;
    static CNtpTime FromPacket(const BYTE* pBytes);
    void ToPacket(BYTE* pBytes) const;
    // this - other in seconds; the difference is taken on the 64-bit circle, so two times on
    // either side of an era boundary still give their true distance.
    double Difference(const CNtpTime& other) const;
    CNtpTime AddSeconds(double dSeconds) const;

    bool operator==(const CNtpTime& other) const { return m_nValue == other.m_nValue; }
    bool operator!=(const CNtpTime& other) const { return m_nValue != other.m_nValue; }

    // Implementation
protected:
    unsigned __int64 m_nValue;
};

class CSntpSocket
{
    // Construction
public:
    CSntpSocket() : m_hSocket(INVALID_SOCKET) {}
    ~CSntpSocket() { Close(); }

    // Operations
public:
    BOOL Create();
    BOOL Connect(LPCSTR pszHost, UINT nPort);
    BOOL Send(const BYTE* pBuffer, int nLength);
    // The number of bytes of one datagram, or -1 on failure (an empty datagram is a failure too).
    int Receive(BYTE* pBuffer, int nLength);
    // FALSE only when the wait itself fails.
    BOOL WaitReadable(DWORD dwMilliseconds, BOOL& bReadable);
    // Waits up to dwMilliseconds for a datagram and reads it, with the time it was read at; -1 when
    // none could be read (the last error says why: 10060 when none came in time).
    int ReceiveWithin(BYTE* pBuffer, int nLength, DWORD dwMilliseconds, CNtpTime& whenRead);
    void Close();

    // Implementation
protected:
    SOCKET m_hSocket;

private:
    CSntpSocket(const CSntpSocket&);
    CSntpSocket& operator=(const CSntpSocket&);
};

struct CNtpServerResponse
{
    CNtpTime m_originateTime;   // T1, the request's transmit time as the server echoes it
    CNtpTime m_receiveTime;     // T2
    CNtpTime m_transmitTime;    // T3
    CNtpTime m_destinationTime; // T4, read as soon as the reply was readable
    double m_dOffset;           // ((T2 - T1) + (T3 - T4)) / 2, seconds
    double m_dDelay;            // (T4 - T1) - (T3 - T2), seconds
    CNtpServerResponse() : m_dOffset(0), m_dDelay(0) {}
};

class CSntpClient : public CObject
{
    // Construction
public:
    CSntpClient() : m_dwTimeout(5000) {}
    virtual ~CSntpClient() {}

    enum
    {
        kRequestSize = 48,
        kReplyBufferSize = 68,
        kDefaultPort = 123
    };

    // Why a reply was refused. These are the thread's last-error values of a refused query: they
    // carry the customer bit, so they never meet a system code.
    enum
    {
        kReplyAccepted = 0,
        kReplyTooShort = 0x20000001,
        kReplyWrongMode = 0x20000002,
        kReplyBadStratum = 0x20000003,
        kReplyUnsynchronised = 0x20000004, // leap indicator 3: the server's clock is not set
        kReplyNoTransmitTime = 0x20000005,
        kReplyWrongOriginate = 0x20000006, // not the answer to this request
        kReplyNoReceiveTime = 0x20000007,
        kReplyImplausibleTimes = 0x20000008, // sent before received, or held longer than the exchange
        kReplyImplausibleRoot = 0x20000009   // root delay or dispersion beyond any real server's
    };

    // The most a server's root delay or dispersion may be; more means the server does not know
    // the time (a real server's are milliseconds).
    enum
    {
        kMaxRootSeconds = 16
    };

    // Attributes
public:
    DWORD m_dwTimeout; // milliseconds to wait for the reply

    // Operations
public:
    // FALSE with the reason as the thread's last error: a Windows Sockets code, 10060 when no reply
    // came in time, or one of the refusals above. A refused reply leaves the response untouched.
    BOOL QueryServer(LPCSTR pszHost, CNtpServerResponse& response, UINT nPort = kDefaultPort);
    // The request for a transmit time.
    static void BuildRequest(BYTE* pRequest, const CNtpTime& transmitTime);
    // Checks a reply of nLength bytes against the request that carried transmitTime.
    static DWORD CheckReply(const BYTE* pReply, int nLength, const CNtpTime& transmitTime);
    // Checks that the times of a reply that passed CheckReply can be true: the server received the
    // request and sent the reply within the exchange that began at transmitTime and ended at
    // destinationTime, and says its own clock is near its source.
    static DWORD CheckTimes(const BYTE* pReply, const CNtpTime& transmitTime,
                            const CNtpTime& destinationTime);
    // Reads the three timestamps of a checked reply and works out offset and delay.
    static void ReadReply(const BYTE* pReply, const CNtpTime& destinationTime, CNtpServerResponse& response);
};

#endif // VELMORA_SNTPCLIENT_H
