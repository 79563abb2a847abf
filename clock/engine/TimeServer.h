// CTimeServer: one entry of the time-server list: a host name, its description and three spare texts.
#ifndef VELMORA_TIMESERVER_H
#define VELMORA_TIMESERVER_H

#include <afx.h>

class CTimeServer : public CObject
{
    DECLARE_SERIAL(CTimeServer)

    // Construction
public:
    CTimeServer() {}

    // Attributes
public:
    CString m_strServer;      // host name or dotted IPv4 address
    CString m_strDescription; // location text of a synchronisation
    CString m_strSpare1;      // kept as stored, otherwise unused
    CString m_strSpare2;
    CString m_strSpare3;

    // Operations
public:
    virtual void Serialize(CArchive& ar);
};

#endif // VELMORA_TIMESERVER_H
