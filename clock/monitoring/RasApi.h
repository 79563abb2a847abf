// RasApi.h: the three Remote Access entry points the dial-up monitor uses, behind IRasApi: the real
// library bound at run time, and a scripted stand-in for tests.
#ifndef VELMORA_RASAPI_H
#define VELMORA_RASAPI_H

#include <windows.h>
#include <ras.h>
#include <raserror.h>

// The connection record in its first, smallest form (412 bytes in a 32-bit program, 424 in a
// 64-bit one), which every version of the library accepts.
struct CRasConnRecord
{
    DWORD dwSize;
    HRASCONN hrasconn;
    CHAR szEntryName[257];
    CHAR szDeviceType[17];
    CHAR szDeviceName[129];
};

// The connection status in its first form (160 bytes).
struct CRasStatusRecord
{
    DWORD dwSize;
    DWORD rasconnstate; // RASCONNSTATE
    DWORD dwError;
    CHAR szDeviceType[17];
    CHAR szDeviceName[129];
};

class IRasApi
{
public:
    virtual ~IRasApi() {}
    // Binds the library before each use; FALSE when there is none to use now (then there are no
    // connections).
    virtual BOOL Bind() = 0;
    virtual DWORD EnumConnections(CRasConnRecord* pConnections, DWORD* pcb, DWORD* pcConnections) = 0;
    virtual DWORD GetConnectStatus(HRASCONN hConn, CRasStatusRecord* pStatus) = 0;
    // Whether the optional statistics entry point exists.
    virtual BOOL HasStatistics() = 0;
    virtual DWORD GetConnectionStatistics(HRASCONN hConn, RAS_STATS* pStats) = 0;
};

// RASAPI32.DLL as the system has it. On Windows NT the library is loaded only while the "RasMan"
// service runs.
class CRealRasApi : public IRasApi
{
public:
    CRealRasApi();
    virtual ~CRealRasApi();

    virtual BOOL Bind();
    virtual DWORD EnumConnections(CRasConnRecord* pConnections, DWORD* pcb, DWORD* pcConnections);
    virtual DWORD GetConnectStatus(HRASCONN hConn, CRasStatusRecord* pStatus);
    virtual BOOL HasStatistics();
    virtual DWORD GetConnectionStatistics(HRASCONN hConn, RAS_STATS* pStats);

protected:
    typedef DWORD(WINAPI* PFNENUM)(CRasConnRecord*, LPDWORD, LPDWORD);
    typedef DWORD(WINAPI* PFNSTATUS)(HRASCONN, CRasStatusRecord*);
    typedef DWORD(WINAPI* PFNSTATS)(HRASCONN, RAS_STATS*);
    BOOL m_bWindowsNT;
    SC_HANDLE m_hRasMan;
    HMODULE m_hLibrary;
    PFNENUM m_pfnEnum;
    PFNSTATUS m_pfnStatus;
    PFNSTATS m_pfnStats;
};

// Reads the connections from the file that VELMORA_RAS_SCRIPT names, anew at each enumeration: one
// connection a line, "entry-name state [received sent bps seconds]", state "dialling" or
// "connected". Names hold no blanks. A missing file means no connections.
class CScriptedRasApi : public IRasApi
{
public:
    virtual BOOL Bind() { return TRUE; }
    virtual DWORD EnumConnections(CRasConnRecord* pConnections, DWORD* pcb, DWORD* pcConnections);
    virtual DWORD GetConnectStatus(HRASCONN hConn, CRasStatusRecord* pStatus);
    virtual BOOL HasStatistics() { return TRUE; }
    virtual DWORD GetConnectionStatistics(HRASCONN hConn, RAS_STATS* pStats);
};

// The entry points in force: an installed stand-in, else the scripted one when VELMORA_RAS_SCRIPT
// is set, else the real library. Never null.
IRasApi& GetRasApi();
// Installs a stand-in; null puts the default back. The caller keeps ownership.
void SetRasApi(IRasApi* pApi);

#endif // VELMORA_RASAPI_H
