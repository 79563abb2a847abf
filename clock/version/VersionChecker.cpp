// CVersionChecker: the download through WinInet and the reading of the version-information file.
#include "VersionChecker.h"

#include <iphlpapi.h>
#include <string.h>

#include <vector>

#include "CvXml.h"

namespace
{
const char kNoWinInet[] =
    "Cannot load WinInet dynamic link library!  Please ensure that IE 4.0 or greater is installed!";

// Each navigation gives a node object of its own; this deletes it when the step is done.
class CNode
{
public:
    explicit CNode(CvXml* p) : m_p(p) {}
    ~CNode() { delete m_p; }
    CNode(const CNode&) = delete;
    CNode& operator=(const CNode&) = delete;
    CvXml* operator->() const { return m_p; }
    CvXml* Get() const { return m_p; }

private:
    CvXml* m_p;
};

CString ContentOf(CvXml* pNode)
{
    CvString s;
    if (pNode == NULL || !pNode->GetContent(s))
        return CString();
    return CString(s.GetString());
}

CString TagOf(CvXml* pNode)
{
    CvString s;
    if (pNode == NULL || !pNode->GetTag(s))
        return CString();
    return CString(s.GetString());
}

// A release or beta element: its first child's content is the version, the next child's the
// second text (the version again when there is none).
void ReadVersionElement(CvXml* pElement, CString& strVersion, CString& strSecond)
{
    strVersion.Empty();
    strSecond.Empty();
    CNode child(pElement->FirstChild());
    if (child.Get() == NULL)
        return;
    strVersion = ContentOf(child.Get());
    if (child->NextSibling())
        strSecond = ContentOf(child.Get());
    else
        strSecond = strVersion;
}

CString SystemMessage(DWORD dwError)
{
    char szText[512];
    DWORD n = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, NULL, dwError,
                               0x400, szText, sizeof(szText), NULL);
    if (n == 0)
    {
        CString s;
        s.Format(_T("Error %lu while reading the version information."), (unsigned long)dwError);
        return s;
    }
    return CString(szText);
}

} // namespace

CVersionChecker::CVersionChecker()
    : m_bNewerRelease(FALSE), m_bNewerBeta(FALSE), m_hWinInet(NULL), m_bUnusable(FALSE), m_hSession(NULL),
      m_pfnGetConnectedState(NULL), m_pfnAutodial(NULL), m_pfnOpen(NULL), m_pfnCloseHandle(NULL),
      m_pfnOpenUrl(NULL), m_pfnReadFile(NULL), m_pfnHangup(NULL), m_pfnQueryInfo(NULL), m_pfnCombineUrl(NULL),
      m_bAborted(FALSE)
{
    ::InitializeCriticalSection(&m_csAbort);
    m_szTempPath[0] = '\0';
    m_hWinInet = ::LoadLibraryA("WinInet.Dll");
    if (m_hWinInet != NULL)
    {
        m_pfnGetConnectedState = reinterpret_cast<PFN_GETCONNECTEDSTATE>(
            reinterpret_cast<void (*)()>(::GetProcAddress(m_hWinInet, "InternetGetConnectedState")));
        m_pfnAutodial = reinterpret_cast<PFN_AUTODIAL>(
            reinterpret_cast<void (*)()>(::GetProcAddress(m_hWinInet, "InternetAutodial")));
        m_pfnOpen = reinterpret_cast<PFN_OPENA>(
            reinterpret_cast<void (*)()>(::GetProcAddress(m_hWinInet, "InternetOpenA")));
        m_pfnCloseHandle = reinterpret_cast<PFN_CLOSEHANDLE>(
            reinterpret_cast<void (*)()>(::GetProcAddress(m_hWinInet, "InternetCloseHandle")));
        m_pfnOpenUrl = reinterpret_cast<PFN_OPENURLA>(
            reinterpret_cast<void (*)()>(::GetProcAddress(m_hWinInet, "InternetOpenUrlA")));
        m_pfnReadFile = reinterpret_cast<PFN_READFILE>(
            reinterpret_cast<void (*)()>(::GetProcAddress(m_hWinInet, "InternetReadFile")));
        m_pfnHangup = reinterpret_cast<PFN_HANGUP>(
            reinterpret_cast<void (*)()>(::GetProcAddress(m_hWinInet, "InternetAutodialHangup")));
        m_pfnQueryInfo = reinterpret_cast<PFN_QUERYINFOA>(
            reinterpret_cast<void (*)()>(::GetProcAddress(m_hWinInet, "HttpQueryInfoA")));
        m_pfnCombineUrl = reinterpret_cast<PFN_COMBINEURLA>(
            reinterpret_cast<void (*)()>(::GetProcAddress(m_hWinInet, "InternetCombineUrlA")));
    }
    if (m_hWinInet == NULL || m_pfnGetConnectedState == NULL || m_pfnAutodial == NULL || m_pfnOpen == NULL ||
        m_pfnCloseHandle == NULL || m_pfnOpenUrl == NULL || m_pfnReadFile == NULL || m_pfnHangup == NULL ||
        m_pfnQueryInfo == NULL || m_pfnCombineUrl == NULL)
    {
        m_bUnusable = TRUE;
        m_strError = kNoWinInet;
    }
}

CVersionChecker::~CVersionChecker()
{
    CloseSession();
    if (m_hWinInet != NULL)
        ::FreeLibrary(m_hWinInet);
    ::DeleteCriticalSection(&m_csAbort);
}

void CVersionChecker::Abort()
{
    ::EnterCriticalSection(&m_csAbort);
    ::InterlockedExchange(&m_bAborted, TRUE);
    if (m_szTempPath[0] != '\0')
        ::DeleteFileA(m_szTempPath);
    ::LeaveCriticalSection(&m_csAbort);
}

void CVersionChecker::ForgetTempFile()
{
    ::EnterCriticalSection(&m_csAbort);
    if (m_szTempPath[0] != '\0')
        ::DeleteFileA(m_szTempPath);
    m_szTempPath[0] = '\0';
    ::LeaveCriticalSection(&m_csAbort);
    m_strTempFile.Empty();
}

HINTERNET CVersionChecker::OpenFollowing(LPCTSTR lpszUrl)
{
    // Redirections are followed here, not by WinInet, which follows them without a limit.
    const DWORD dwFlags =
        INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_AUTO_REDIRECT;
    CString strUrl = lpszUrl;
    for (int nRedirects = 0;; nRedirects++)
    {
        HINTERNET hUrl = m_pfnOpenUrl(m_hSession, strUrl, NULL, 0, dwFlags, 0);
        if (hUrl == NULL)
        {
            m_strError = _T("Cannot connect to file version URL");
            return NULL;
        }
        DWORD dwStatus = 0;
        DWORD dwSize = sizeof(dwStatus);
        if (!m_pfnQueryInfo(hUrl, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &dwStatus, &dwSize, NULL))
            return hUrl; // not an HTTP address: no status to check
        if (dwStatus == HTTP_STATUS_OK)
            return hUrl;
        BOOL bRedirect = dwStatus == HTTP_STATUS_MOVED || dwStatus == HTTP_STATUS_REDIRECT ||
                         dwStatus == HTTP_STATUS_REDIRECT_METHOD ||
                         dwStatus == HTTP_STATUS_REDIRECT_KEEP_VERB || dwStatus == 308;
        if (bRedirect)
        {
            char szLocation[2048];
            DWORD dwLength = sizeof(szLocation) - 1;
            BOOL bLocation = m_pfnQueryInfo(hUrl, HTTP_QUERY_LOCATION, szLocation, &dwLength, NULL);
            m_pfnCloseHandle(hUrl);
            char szNext[2048];
            DWORD dwNext = sizeof(szNext);
            if (bLocation)
                szLocation[dwLength < sizeof(szLocation) ? dwLength : sizeof(szLocation) - 1] = '\0';
            if (!bLocation || !m_pfnCombineUrl(strUrl, szLocation, szNext, &dwNext, 0))
            {
                m_strError.Format(_T("The version server answered %lu without a valid new address."),
                                  (unsigned long)dwStatus);
                return NULL;
            }
            if (nRedirects >= MAX_REDIRECTS)
            {
                m_strError.Format(_T("The version server redirected the request more than %d times."),
                                  (int)MAX_REDIRECTS);
                return NULL;
            }
            strUrl = szNext;
            continue;
        }
        // An error page is the server's answer, not a version file: say what the server said.
        char szText[256];
        DWORD dwText = sizeof(szText) - 1;
        CString strText;
        if (m_pfnQueryInfo(hUrl, HTTP_QUERY_STATUS_TEXT, szText, &dwText, NULL))
        {
            szText[dwText < sizeof(szText) ? dwText : sizeof(szText) - 1] = '\0';
            strText = szText;
        }
        m_pfnCloseHandle(hUrl);
        m_strError.Format(_T("The version server answered: %lu %s"), (unsigned long)dwStatus,
                          (LPCTSTR)strText);
        m_strError.TrimRight();
        return NULL;
    }
}

void CVersionChecker::CloseSession()
{
    if (m_hSession != NULL && m_pfnCloseHandle != NULL)
        m_pfnCloseHandle(m_hSession);
    m_hSession = NULL;
}

BOOL CVersionChecker::IsNewer(const CString& strOwn, const CString& strOther)
{
    return !strOther.IsEmpty() && strcmp((LPCSTR)strOwn, (LPCSTR)strOther) < 0;
}

BOOL CVersionChecker::Check(LPCTSTR lpszBaseUrl, LPCTSTR lpszProduct, LPCTSTR lpszTempFolder,
                            LPCTSTR lpszFileName, LPCTSTR lpszOwnVersion)
{
    m_strError.Empty();
    m_strOwnVersion = lpszOwnVersion;
    ::InterlockedExchange(&m_bAborted, FALSE);
    if (m_bUnusable)
    {
        m_strError = _T("IE 4.0 or greater has to be installed to use auto-upgrading!");
        return FALSE;
    }
    DWORD dwState = 0;
    if (!m_pfnGetConnectedState(&dwState, 0) && !m_pfnAutodial(0, NULL))
    {
        m_strError = _T("Cannot check for new version, not online.");
        return FALSE;
    }
    // A session per check: nothing of WinInet stays open between the hourly checks.
    CloseSession();
    m_hSession = m_pfnOpen(lpszProduct, INTERNET_OPEN_TYPE_PRECONFIG, NULL, NULL, 0);
    if (m_hSession == NULL)
    {
        m_strError = _T("Cannot connect to the Internet!");
        return FALSE;
    }
    CString strUrl = lpszBaseUrl;
    strUrl += _T("/");
    strUrl += lpszFileName;
    BOOL bOk = Download(strUrl, lpszTempFolder);
    CloseSession();
    if (bOk)
        bOk = ReadVersionFile(m_strTempFile, lpszProduct);
    ForgetTempFile();
    return bOk;
}

BOOL CVersionChecker::Download(LPCTSTR lpszUrl, LPCTSTR lpszTempFolder)
{
    HINTERNET hUrl = OpenFollowing(lpszUrl);
    if (hUrl == NULL)
        return FALSE;
    char szTemp[MAX_PATH];
    HANDLE hFile = INVALID_HANDLE_VALUE;
    m_strTempFile.Empty();
    if (::GetTempFileNameA(lpszTempFolder, "msp", 0, szTemp) != 0)
    {
        m_strTempFile = szTemp;
        ::EnterCriticalSection(&m_csAbort);
        lstrcpynA(m_szTempPath, szTemp, MAX_PATH);
        // Shared for deleting: Abort removes the file while this handle is still open.
        if (!m_bAborted)
            hFile = ::CreateFileA(szTemp, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_DELETE, NULL,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
        ::LeaveCriticalSection(&m_csAbort);
    }
    if (hFile == INVALID_HANDLE_VALUE)
    {
        m_pfnCloseHandle(hUrl);
        ForgetTempFile(); // GetTempFileName made it
        m_strError = _T("Cannot create a temporary file.");
        return FALSE;
    }
    BOOL bOk = TRUE;
    DWORD dwTotal = 0;
    for (;;)
    {
        char buf[1024];
        DWORD dwRead = 0;
        if (!m_pfnReadFile(hUrl, buf, sizeof(buf), &dwRead))
        {
            m_strError = SystemMessage(::GetLastError());
            bOk = FALSE;
            break;
        }
        if (dwRead == 0)
            break;
        if (m_bAborted)
        {
            m_strError = _T("The version check was stopped.");
            bOk = FALSE;
            break;
        }
        dwTotal += dwRead;
        if (dwTotal > MAX_DOWNLOAD)
        {
            m_strError = _T("The version information file is too large.");
            bOk = FALSE;
            break;
        }
        DWORD dwWritten = 0;
        if (!::WriteFile(hFile, buf, dwRead, &dwWritten, NULL) || dwWritten != dwRead)
        {
            m_strError = SystemMessage(::GetLastError());
            bOk = FALSE;
            break;
        }
    }
    ::CloseHandle(hFile);
    m_pfnCloseHandle(hUrl);
    if (!bOk)
        ForgetTempFile();
    return bOk;
}

BOOL CVersionChecker::ReadVersionFile(LPCTSTR lpszPath, LPCTSTR lpszProduct)
{
    m_strError.Empty();
    m_strRelease.Empty();
    m_strRelease2.Empty();
    m_strBeta.Empty();
    m_strBeta2.Empty();
    m_bNewerRelease = FALSE;
    m_bNewerBeta = FALSE;

    CvXml doc;
    if (!doc.LoadXmlFile(lpszPath))
    {
        m_strError = _T("Cannot load VersionInfo XML document");
        return FALSE;
    }
    CNode root(doc.GetRoot());
    if (root.Get() == NULL || TagOf(root.Get()) != _T("Quendra_Version_Info"))
    {
        m_strError = _T("XML Document root is incorrect");
        return FALSE;
    }
    CNode info(root->FirstChild());
    if (info.Get() == NULL)
    {
        m_strError = _T("Xml Document structure is invalid");
        return FALSE;
    }
    CNode item(info->FirstChild());
    if (item.Get() == NULL)
    {
        m_strError = _T("Cannot find Product Name node");
        return FALSE;
    }
    CString strName = ContentOf(item.Get());
    if (strName != lpszProduct)
    {
        m_strError = _T("Product Name refers to different application - ");
        m_strError += strName;
        return FALSE;
    }
    if (!item->NextSibling())
    {
        m_strError = _T("Unable to find release version information");
        return FALSE;
    }
    ReadVersionElement(item.Get(), m_strRelease, m_strRelease2);
    if (!item->NextSibling())
    {
        m_strError = _T("Unable to find beta version information");
        return FALSE;
    }
    ReadVersionElement(item.Get(), m_strBeta, m_strBeta2);
    m_bNewerRelease = IsNewer(m_strOwnVersion, m_strRelease);
    m_bNewerBeta = IsNewer(m_strOwnVersion, m_strBeta);
    return TRUE;
}

CString ComposeVersionReport(const CVersionChecker& checker, BOOL bWithBeta, const CString& strNoNewer,
                             const CString& strNewRelease, const CString& strNewBeta, BOOL& bFound)
{
    CString strText;
    bFound = FALSE;
    if (checker.m_bNewerRelease)
    {
        strText += strNewRelease + _T(" ") + checker.m_strRelease + _T("\n");
        bFound = TRUE;
    }
    if (checker.m_bNewerBeta && bWithBeta)
    {
        strText += strNewBeta + _T(" ") + checker.m_strBeta + _T("\n");
        bFound = TRUE;
    }
    if (!bFound)
        strText = strNoNewer;
    return strText;
}

BOOL IsAutoVersionCheckDue(int nDays, const COleDateTime& dtLast, const COleDateTime& dtNow)
{
    if (nDays <= 0)
        return FALSE;
    return dtNow.m_dt - dtLast.m_dt >= (double)nDays;
}

CString GetVersionBaseUrl()
{
    char szUrl[1024];
    DWORD n = ::GetEnvironmentVariableA("VELMORA_VERSION_URL", szUrl, sizeof(szUrl));
    if (n > 0 && n < sizeof(szUrl))
        return CString(szUrl);
    return CString(_T("http://www.quendralabs.com/versions"));
}

BOOL HasDefaultNetworkRoute()
{
    char szRoute[8];
    DWORD n = ::GetEnvironmentVariableA("VELMORA_ROUTE", szRoute, sizeof(szRoute));
    if (n > 0 && n < sizeof(szRoute))
        return szRoute[0] == '1';
    ULONG uSize = 0;
    if (::GetIpForwardTable(NULL, &uSize, TRUE) != ERROR_INSUFFICIENT_BUFFER || uSize == 0)
        return FALSE;
    std::vector<BYTE> buf(uSize);
    PMIB_IPFORWARDTABLE pTable = (PMIB_IPFORWARDTABLE)&buf[0];
    if (::GetIpForwardTable(pTable, &uSize, TRUE) != NO_ERROR)
        return FALSE;
    for (DWORD i = 0; i < pTable->dwNumEntries; i++)
        if (pTable->table[i].dwForwardDest == 0)
            return TRUE;
    return FALSE;
}
