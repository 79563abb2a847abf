// Reading the version-information file, the version order and the result texts of a check.
#include <gtest/gtest.h>

#include <winsock.h>

#include <string>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "VersionChecker.h"

namespace
{
const char kProduct[] = "Velmora Clock";
const char kOwn[] = "2.34.012";

std::string VersionFile(const char* pszRoot, const char* pszProduct, const char* pszRelease,
                        const char* pszBeta)
{
    std::string s = "<?xml version=\"1.0\"?>\n<";
    s += pszRoot;
    s += "><info><product>";
    s += pszProduct;
    s += "</product>";
    s += pszRelease;
    s += pszBeta;
    s += "</info></";
    s += pszRoot;
    s += ">\n";
    return s;
}

BOOL ReadText(const std::string& xml, CVersionChecker& checker)
{
    CTestFolder folder;
    folder.Write(_T("info.xml"), xml);
    checker.m_strOwnVersion = kOwn;
    return checker.ReadVersionFile(folder.File(_T("info.xml")), kProduct);
}
} // namespace

TEST(VersionCheckerTest, ReadsTheVersionFile)
{
    const std::string same = "<rel><v>2.34.012</v><d>June</d></rel>";
    const std::string beta = "<beta><v>2.35.001</v><d>beta 1</d></beta>";
    const std::string older = "<beta><v>2.30.000</v></beta>";
    const std::string newer = "<rel><v>2.34.013</v><d>July</d></rel>";
    const std::string text4 = "<rel><v>2.4</v></rel>";
    const std::string rootName = "Quendra_Version_Info";
    struct Row
    {
        std::string xml;
        BOOL bOk;
        const char* pszError;
        const char* pszRelease;
        const char* pszRelease2;
        BOOL bNewerRelease;
        BOOL bNewerBeta;
    } rows[] = {
        {VersionFile(rootName.c_str(), kProduct, same.c_str(), beta.c_str()), TRUE, "", "2.34.012", "June",
         FALSE, TRUE},
        {VersionFile(rootName.c_str(), kProduct, newer.c_str(), older.c_str()), TRUE, "", "2.34.013", "July",
         TRUE, FALSE},
        // Text order, not number order: "2.4" sorts after "2.34.012".
        {VersionFile(rootName.c_str(), kProduct, text4.c_str(), older.c_str()), TRUE, "", "2.4", "2.4", TRUE,
         FALSE},
        {VersionFile("Other_Root", kProduct, same.c_str(), beta.c_str()), FALSE,
         "XML Document root is incorrect", "", "", FALSE, FALSE},
        {VersionFile(rootName.c_str(), "Torvane %s%n", same.c_str(), beta.c_str()), FALSE,
         "Product Name refers to different application - Torvane %s%n", "", "", FALSE, FALSE},
        {VersionFile(rootName.c_str(), kProduct, "", ""), FALSE, "Unable to find release version information",
         "", "", FALSE, FALSE},
        {VersionFile(rootName.c_str(), kProduct, same.c_str(), ""), FALSE,
         "Unable to find beta version information", "2.34.012", "June", FALSE, FALSE},
        {"<Quendra_Version_Info/>", FALSE, "Xml Document structure is invalid", "", "", FALSE, FALSE},
        {"<Quendra_Version_Info><info/></Quendra_Version_Info>", FALSE, "Cannot find Product Name node", "",
         "", FALSE, FALSE},
    };
    for (const Row& r : rows)
    {
        CVersionChecker checker;
        EXPECT_EQ(r.bOk, ReadText(r.xml, checker)) << r.xml;
        EXPECT_STREQ(r.pszError, (LPCSTR)checker.m_strError) << r.xml;
        EXPECT_STREQ(r.pszRelease, (LPCSTR)checker.m_strRelease) << r.xml;
        EXPECT_STREQ(r.pszRelease2, (LPCSTR)checker.m_strRelease2) << r.xml;
        EXPECT_EQ(r.bNewerRelease, checker.m_bNewerRelease) << r.xml;
        EXPECT_EQ(r.bNewerBeta, checker.m_bNewerBeta) << r.xml;
    }
}

TEST(VersionCheckerTest, AMissingFileIsNotLoaded)
{
    CVersionChecker checker;
    CTestFolder folder;
    EXPECT_FALSE(checker.ReadVersionFile(folder.File(_T("none.xml")), kProduct));
    EXPECT_STREQ("Cannot load VersionInfo XML document", (LPCSTR)checker.m_strError);
}

TEST(VersionCheckerTest, ComposesTheThreeResults)
{
    const CString strNone =
        _T("No newer versions of Velmora were found.\n\nYou have the current version of Velmora Clock");
    const CString strRel = _T("A new release version of Velmora is available: Version");
    const CString strBeta = _T("A new beta version of Velmora is available: Version");
    struct Row
    {
        BOOL bNewerRelease, bNewerBeta, bWithBeta;
        const char* pszText;
        BOOL bFound;
    } rows[] = {
        {FALSE, FALSE, TRUE,
         "No newer versions of Velmora were found.\n\nYou have the current version of Velmora Clock", FALSE},
        {TRUE, FALSE, TRUE, "A new release version of Velmora is available: Version 2.34.013\n", TRUE},
        {TRUE, TRUE, TRUE,
         "A new release version of Velmora is available: Version 2.34.013\n"
         "A new beta version of Velmora is available: Version 2.35.001\n",
         TRUE},
        // Betas are not reported when the user does not want them.
        {FALSE, TRUE, FALSE,
         "No newer versions of Velmora were found.\n\nYou have the current version of Velmora Clock", FALSE},
        {FALSE, TRUE, TRUE, "A new beta version of Velmora is available: Version 2.35.001\n", TRUE},
    };
    for (const Row& r : rows)
    {
        CVersionChecker checker;
        checker.m_strRelease = _T("2.34.013");
        checker.m_strBeta = _T("2.35.001");
        checker.m_bNewerRelease = r.bNewerRelease;
        checker.m_bNewerBeta = r.bNewerBeta;
        BOOL bFound = -1;
        CString s = ComposeVersionReport(checker, r.bWithBeta, strNone, strRel, strBeta, bFound);
        EXPECT_STREQ(r.pszText, (LPCSTR)s);
        EXPECT_EQ(r.bFound, bFound);
    }
}

TEST(VersionCheckerTest, AutomaticCheckInterval)
{
    COleDateTime dtLast(2026, 3, 1, 12, 0, 0);
    EXPECT_FALSE(IsAutoVersionCheckDue(0, COleDateTime(0.0), COleDateTime(2026, 3, 20, 0, 0, 0)));
    EXPECT_FALSE(IsAutoVersionCheckDue(7, dtLast, COleDateTime(2026, 3, 8, 11, 59, 0)));
    EXPECT_TRUE(IsAutoVersionCheckDue(7, dtLast, COleDateTime(2026, 3, 8, 12, 0, 0)));
    EXPECT_TRUE(IsAutoVersionCheckDue(1, COleDateTime(0.0), dtLast));
}

// Nothing listens on this port: the check fails without leaving a temporary file behind.
TEST(VersionCheckerTest, FailedDownloadLeavesNoFile)
{
    CVersionChecker checker;
    ASSERT_TRUE(checker.IsUsable());
    CTestFolder folder;
    ::SetEnvironmentVariableA("VELMORA_ROUTE", NULL);
    EXPECT_FALSE(checker.Check(_T("http://127.0.0.1:9"), kProduct, folder.Path() + _T("\\"),
                               _T("velmorainfo.xml"), kOwn));
    EXPECT_STREQ("Cannot connect to file version URL", (LPCSTR)checker.m_strError);
    EXPECT_TRUE(folder.Files().empty());
}

namespace
{
// An HTTP server on loopback that answers each path with a fixed reply, counting the requests. A
// reply that starts with "SLOW" sends the rest but its last byte, then waits for Release.
class CLoopbackHttp
{
public:
    explicit CLoopbackHttp(const std::vector<std::pair<std::string, std::string>>& replies)
        : m_replies(replies), m_nRequests(0), m_hRelease(::CreateEventA(NULL, TRUE, FALSE, NULL))
    {
        WSADATA data;
        ::WSAStartup(MAKEWORD(1, 1), &data);
        m_hSocket = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr;
        memset(&addr, 0, sizeof(addr));
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = ::inet_addr("127.0.0.1");
        ::bind(m_hSocket, (sockaddr*)&addr, sizeof(addr));
        int nLength = sizeof(addr);
        ::getsockname(m_hSocket, (sockaddr*)&addr, &nLength);
        m_nPort = ::ntohs(addr.sin_port);
        ::listen(m_hSocket, 8);
        m_hThread = ::CreateThread(NULL, 0, Run, this, 0, NULL);
    }
    ~CLoopbackHttp()
    {
        Release();
        ::closesocket(m_hSocket);
        ::WaitForSingleObject(m_hThread, 5000);
        ::CloseHandle(m_hThread);
        ::CloseHandle(m_hRelease);
        ::WSACleanup();
    }
    CString Base(const char* pszPath) const
    {
        CString s;
        s.Format(_T("http://127.0.0.1:%u%s"), m_nPort, pszPath);
        return s;
    }
    long Requests() const { return m_nRequests; }
    void Release() { ::SetEvent(m_hRelease); }

private:
    static DWORD WINAPI Run(LPVOID pParam)
    {
        CLoopbackHttp* p = (CLoopbackHttp*)pParam;
        for (;;)
        {
            SOCKET s = ::accept(p->m_hSocket, NULL, NULL);
            if (s == INVALID_SOCKET)
                return 0;
            std::string request;
            char buf[1024];
            while (request.find("\r\n\r\n") == std::string::npos)
            {
                int n = ::recv(s, buf, sizeof(buf), 0);
                if (n <= 0)
                    break;
                request.append(buf, n);
            }
            ::InterlockedIncrement(&p->m_nRequests);
            size_t nStart = request.find(' ') + 1;
            std::string path = request.substr(nStart, request.find(' ', nStart) - nStart);
            std::string reply = "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
            for (const auto& r : p->m_replies)
                if (path == r.first)
                    reply = r.second;
            if (reply.compare(0, 4, "SLOW") == 0)
            {
                reply = reply.substr(4);
                ::send(s, reply.data(), (int)reply.size() - 1, 0);
                ::WaitForSingleObject(p->m_hRelease, 20000);
                ::send(s, reply.data() + reply.size() - 1, 1, 0);
            }
            else
                ::send(s, reply.data(), (int)reply.size(), 0);
            ::shutdown(s, 1);
            ::closesocket(s);
        }
    }

    std::vector<std::pair<std::string, std::string>> m_replies;
    volatile long m_nRequests;
    HANDLE m_hRelease;
    SOCKET m_hSocket;
    UINT m_nPort;
    HANDLE m_hThread;
};

std::string Reply(const char* pszStatus, const std::string& headers, const std::string& body)
{
    char szLength[32];
    wsprintfA(szLength, "%u", (unsigned)body.size());
    return std::string("HTTP/1.1 ") + pszStatus + "\r\n" + headers + "Content-Length: " + szLength +
           "\r\nConnection: close\r\n\r\n" + body;
}

const char kGoodFile[] =
    "<?xml version=\"1.0\"?><Quendra_Version_Info><info><product>Velmora Clock</product>"
    "<rel><v>2.34.013</v></rel><beta><v>2.30.000</v></beta></info></Quendra_Version_Info>";
} // namespace

TEST(VersionCheckerTest, RedirectsAreFollowedAFewTimesAndTheStatusIsChecked)
{
    const std::string loop = Reply("302 Found", "Location: /loop/velmorainfo.xml\r\n", "");
    CLoopbackHttp server({
        {"/loop/velmorainfo.xml", loop},
        {"/hop/velmorainfo.xml", Reply("301 Moved Permanently", "Location: /hop2/velmorainfo.xml\r\n", "")},
        {"/hop2/velmorainfo.xml", Reply("307 Temporary Redirect", "Location: ../ok/velmorainfo.xml\r\n", "")},
        {"/ok/velmorainfo.xml", Reply("200 OK", "", kGoodFile)},
        {"/broken/velmorainfo.xml", Reply("500 Internal Server Error", "", "<html>oops</html>")},
    });
    ::SetEnvironmentVariableA("VELMORA_ROUTE", NULL);
    struct Row
    {
        const char* pszBase;
        BOOL bOk;
        const char* pszError;
        long nRequests;
    } rows[] = {
        {"/hop", TRUE, "", 3},
        {"/loop", FALSE, "The version server redirected the request more than 5 times.", 6},
        {"/missing", FALSE, "The version server answered: 404 Not Found", 1},
        {"/broken", FALSE, "The version server answered: 500 Internal Server Error", 1},
    };
    for (const Row& r : rows)
    {
        CVersionChecker checker;
        CTestFolder folder;
        long nBefore = server.Requests();
        EXPECT_EQ(r.bOk, checker.Check(server.Base(r.pszBase), kProduct, folder.Path() + _T("\\"),
                                       _T("velmorainfo.xml"), kOwn))
            << r.pszBase;
        EXPECT_STREQ(r.pszError, (LPCSTR)checker.m_strError) << r.pszBase;
        EXPECT_EQ(r.nRequests, server.Requests() - nBefore) << r.pszBase;
        EXPECT_TRUE(folder.Files().empty()) << r.pszBase;
        EXPECT_EQ(r.bOk, checker.m_bNewerRelease) << r.pszBase;
    }
}

namespace
{
struct CCheckJob
{
    CVersionChecker checker;
    CString strBase, strFolder;
    BOOL bResult = TRUE;
    static DWORD WINAPI Run(LPVOID p)
    {
        CCheckJob* pJob = (CCheckJob*)p;
        pJob->bResult =
            pJob->checker.Check(pJob->strBase, kProduct, pJob->strFolder, _T("velmorainfo.xml"), kOwn);
        return 0;
    }
};
} // namespace

TEST(VersionCheckerTest, AStoppedDownloadLeavesNoFile)
{
    // The program ends while the download waits for its last byte: the file is deleted while the
    // download still holds it open (it goes with the last handle, or with the process), and the
    // download stops at its next block.
    CLoopbackHttp server({{"/slow/velmorainfo.xml", "SLOW" + Reply("200 OK", "", kGoodFile)}});
    CTestFolder folder;
    CCheckJob job;
    job.strBase = server.Base("/slow");
    job.strFolder = folder.Path() + _T("\\");
    HANDLE hThread = ::CreateThread(NULL, 0, CCheckJob::Run, &job, 0, NULL);
    ASSERT_NE((HANDLE)NULL, hThread);
    for (int i = 0; i < 1000 && folder.Files().empty(); i++)
        ::Sleep(10);
    ASSERT_FALSE(folder.Files().empty()) << "the download made its file";
    job.checker.Abort();
    server.Release();
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hThread, 20000));
    ::CloseHandle(hThread);
    EXPECT_FALSE(job.bResult);
    EXPECT_STREQ("The version check was stopped.", (LPCSTR)job.checker.m_strError);
    EXPECT_TRUE(folder.Files().empty());
}
