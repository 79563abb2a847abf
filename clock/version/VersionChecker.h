// CVersionChecker: downloads the maker's version-information file through WinInet (bound at run
// time) and compares the release and beta versions it names with the program's own.
#ifndef VELMORA_VERSIONCHECKER_H
#define VELMORA_VERSIONCHECKER_H

#include <afx.h>
#include <afxdisp.h>

#include <wininet.h>

class CVersionChecker
{
    // Construction
public:
    CVersionChecker();
    ~CVersionChecker();

    // Attributes
public:
    CString m_strRelease;  // release version, empty when the file named none
    CString m_strRelease2; // the text read beside it
    CString m_strBeta;
    CString m_strBeta2;
    BOOL m_bNewerRelease;
    BOOL m_bNewerBeta;
    CString m_strError;    // empty after success
    CString m_strTempFile; // the downloaded file while it is read
    CString m_strOwnVersion;

    // Files above this size are refused: the real file is well under a kilobyte. Redirections are
    // followed this many times at most: a server that sends the request round in a loop ends the
    // check instead of drawing requests without end.
    enum
    {
        MAX_DOWNLOAD = 64 * 1024,
        MAX_REDIRECTS = 5
    };

    // Operations
public:
    BOOL IsUsable() const { return !m_bUnusable; }
    // From another thread, while a check runs (the program is ending): the temporary file goes at
    // once (it disappears when its last handle closes, at the latest when the process ends) and
    // the download stops at its next block.
    void Abort();
    BOOL Check(LPCTSTR lpszBaseUrl, LPCTSTR lpszProduct, LPCTSTR lpszTempFolder, LPCTSTR lpszFileName,
               LPCTSTR lpszOwnVersion);
    // Reads a version-information file and sets the versions and the newer flags against
    // m_strOwnVersion; FALSE with m_strError on failure.
    BOOL ReadVersionFile(LPCTSTR lpszPath, LPCTSTR lpszProduct);
    // The text comparison the maker's numbering relies on: "2.4" is newer than "2.34.012".
    static BOOL IsNewer(const CString& strOwn, const CString& strOther);

    // Implementation
protected:
    typedef BOOL(WINAPI* PFN_GETCONNECTEDSTATE)(LPDWORD, DWORD);
    typedef BOOL(WINAPI* PFN_AUTODIAL)(DWORD, HWND);
    typedef HINTERNET(WINAPI* PFN_OPENA)(LPCSTR, DWORD, LPCSTR, LPCSTR, DWORD);
    typedef BOOL(WINAPI* PFN_CLOSEHANDLE)(HINTERNET);
    typedef HINTERNET(WINAPI* PFN_OPENURLA)(HINTERNET, LPCSTR, LPCSTR, DWORD, DWORD, DWORD_PTR);
    typedef BOOL(WINAPI* PFN_READFILE)(HINTERNET, LPVOID, DWORD, LPDWORD);
    typedef BOOL(WINAPI* PFN_HANGUP)(DWORD);
    typedef BOOL(WINAPI* PFN_QUERYINFOA)(HINTERNET, DWORD, LPVOID, LPDWORD, LPDWORD);
    typedef BOOL(WINAPI* PFN_COMBINEURLA)(LPCSTR, LPCSTR, LPSTR, LPDWORD, DWORD);

    HMODULE m_hWinInet;
    BOOL m_bUnusable;
    HINTERNET m_hSession;
    PFN_GETCONNECTEDSTATE m_pfnGetConnectedState;
    PFN_AUTODIAL m_pfnAutodial;
    PFN_OPENA m_pfnOpen;
    PFN_CLOSEHANDLE m_pfnCloseHandle;
    PFN_OPENURLA m_pfnOpenUrl;
    PFN_READFILE m_pfnReadFile;
    PFN_HANGUP m_pfnHangup;
    PFN_QUERYINFOA m_pfnQueryInfo;
    PFN_COMBINEURLA m_pfnCombineUrl;

    // Abort and the worker meet on the temporary file's name.
    CRITICAL_SECTION m_csAbort;
    char m_szTempPath[MAX_PATH];
    volatile LONG m_bAborted;

    BOOL Download(LPCTSTR lpszUrl, LPCTSTR lpszTempFolder);
    // Opens the URL, following at most MAX_REDIRECTS redirections, and accepts only the server's
    // "200" (or a URL that is not HTTP); NULL with m_strError otherwise.
    HINTERNET OpenFollowing(LPCTSTR lpszUrl);
    void ForgetTempFile();
    void CloseSession();
};

// The result text of a finished check from the three texts of the string table; bFound says
// whether something newer was reported (the download link is then shown).
CString ComposeVersionReport(const CVersionChecker& checker, BOOL bWithBeta, const CString& strNoNewer,
                             const CString& strNewRelease, const CString& strNewBeta, BOOL& bFound);

// Whether the automatic check is due: nDays > 0 and at least nDays days since dtLast.
BOOL IsAutoVersionCheckDue(int nDays, const COleDateTime& dtLast, const COleDateTime& dtNow);

// The base URL of the version file. VELMORA_VERSION_URL replaces the maker's server, so that tests
// can serve the file on loopback.
CString GetVersionBaseUrl();

// TRUE when the routing table holds a default route. VELMORA_ROUTE=0 or =1 stands in for the
// table in tests.
BOOL HasDefaultNetworkRoute();

#endif // VELMORA_VERSIONCHECKER_H
