// The time-server list "SntpDat": its bytes against the layout, a missing file, and damage.
#include <gtest/gtest.h>

#include "ServerDataFile.h"
#include "TestSupport.h"
#include "TimeServer.h"

namespace
{
const char kTwoServers[] = "02 00 00 00 | FF FF 01 00 0B 00 'CTimeServer' | 04 'pool' 05 'Earth' 00 00 00"
                           " | 01 80 | 03 '1.2' 00 01 'a' 01 'b' 01 'c'";

int Read(const Bytes& bytes, CObArray& servers)
{
    CTestFolder folder;
    folder.Write(_T("SntpDat"), bytes);
    int nOutcome = 0;
    try
    {
        nOutcome = CServerDataFile(folder.Path() + _T("\\")).Load(servers) ? 1 : 2;
    }
    catch (CException* e)
    {
        nOutcome = e->IsKindOf(RUNTIME_CLASS(CArchiveException)) ? 100 : 101;
        e->Delete();
    }
    EXPECT_EQ(Hex(bytes), Hex(folder.Read(_T("SntpDat"))));
    return nOutcome;
}

void Free(CObArray& servers)
{
    for (INT_PTR i = 0; i < servers.GetSize(); i++)
        delete servers[i];
    servers.RemoveAll();
}
} // namespace

TEST(ServerDataFile, ReadAndWrittenByteForByte)
{
    CObArray servers;
    ASSERT_EQ(1, Read(Image(kTwoServers), servers));
    ASSERT_EQ(2, servers.GetSize());
    CTimeServer* p = (CTimeServer*)servers[1];
    EXPECT_EQ(CString("1.2"), p->m_strServer);
    EXPECT_EQ(CString("c"), p->m_strSpare3);
    EXPECT_EQ(CString("Earth"), ((CTimeServer*)servers[0])->m_strDescription);

    CTestFolder folder;
    CServerDataFile(folder.Path() + _T("\\")).Save(servers);
    EXPECT_EQ(Hex(Image(kTwoServers)), Hex(folder.Read(_T("SntpDat"))));
    Free(servers);

    CTestFolder empty;
    EXPECT_FALSE(CServerDataFile(empty.Path() + _T("\\")).Load(servers));
    EXPECT_TRUE(empty.Files().empty());
}

TEST(ServerDataFile, DamageIsRaisedNeverACrash)
{
    Bytes whole = Image(kTwoServers);
    for (size_t n = 0; n < whole.size(); n++)
    {
        CObArray servers;
        EXPECT_EQ(100, Read(Bytes(whole.begin(), whole.begin() + n), servers)) << "cut at " << n;
        Free(servers);
    }
    Bytes trailing = whole;
    trailing.push_back(0);
    CObArray servers;
    EXPECT_EQ(100, Read(trailing, servers));
    Free(servers);
    EXPECT_EQ(100, Read(Image("FF FF FF FF"), servers));
    EXPECT_EQ(100, Read(Image("FF FF FF 7F | FF FF 01 00 0B 00 'CTimeServer'"), servers));

    unsigned int nSeed = 99;
    for (int nRun = 0; nRun < 200; nRun++)
    {
        Bytes bytes = whole;
        nSeed = nSeed * 1103515245u + 12345u;
        bytes[(nSeed >> 8) % bytes.size()] = (BYTE)(nSeed >> 20);
        int nOutcome = Read(bytes, servers);
        EXPECT_TRUE(nOutcome == 1 || nOutcome == 100) << "run " << nRun;
        Free(servers);
    }
}
