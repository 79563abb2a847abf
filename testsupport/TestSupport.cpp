// Helpers shared by the tests.
#include "TestSupport.h"

#include <shlwapi.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>

Bytes Image(const char* pszText)
{
    Bytes out;
    for (const char* p = pszText; *p != '\0';)
    {
        if (*p == '\'')
        {
            for (++p; *p != '\0' && *p != '\''; ++p)
                out.push_back((BYTE)*p);
            if (*p == '\'')
                ++p;
            continue;
        }
        if (!isxdigit((unsigned char)p[0]))
        {
            ++p;
            continue;
        }
        char hex[3] = {p[0], isxdigit((unsigned char)p[1]) ? p[1] : '\0', '\0'};
        out.push_back((BYTE)strtoul(hex, NULL, 16));
        p += hex[1] != '\0' ? 2 : 1;
    }
    return out;
}

std::string Hex(const Bytes& bytes)
{
    std::string out;
    char sz[4];
    for (BYTE b : bytes)
    {
        snprintf(sz, sizeof(sz), "%02X ", b);
        out += sz;
    }
    return out;
}

std::string HexOf(const std::string& text)
{
    std::string out;
    char sz[3];
    for (unsigned char c : text)
    {
        snprintf(sz, sizeof(sz), "%02x", c);
        out += sz;
    }
    return out;
}

Bytes StoreToBytes(CObject& obj)
{
    return StoreToBytes([&obj](CArchive& ar) { obj.Serialize(ar); });
}

Bytes StoreToBytes(const std::function<void(CArchive&)>& store)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        store(ar);
    }
    UINT nBytes = (UINT)file.GetLength();
    BYTE* p = file.Detach();
    Bytes bytes(p, p + nBytes);
    free(p);
    return bytes;
}

BOOL LoadFromBytes(CObject& obj, const Bytes& bytes, size_t* pnRead)
{
    return LoadFromBytes([&obj](CArchive& ar) { obj.Serialize(ar); }, bytes, pnRead);
}

int LoadCause(const Bytes& bytes, const std::function<void(CArchive&)>& load, size_t* pnRead)
{
    CMemFile file(const_cast<BYTE*>(bytes.data()), (UINT)bytes.size());
    int nCause = -1;
    try
    {
        CArchive ar(&file, CArchive::load);
        load(ar);
        // Gives the file back what the archive read ahead, so its position is what was taken.
        ar.Flush();
    }
    catch (CArchiveException* e)
    {
        nCause = e->m_cause;
        e->Delete();
    }
    catch (CException* e)
    {
        e->Delete();
        nCause = -2;
    }
    if (pnRead != NULL)
        *pnRead = (size_t)file.GetPosition();
    return nCause;
}

BOOL LoadFromBytes(const std::function<void(CArchive&)>& load, const Bytes& bytes, size_t* pnRead)
{
    return LoadCause(bytes, load, pnRead) == -1;
}

BOOL LoadThrowsArchiveException(CObject& obj, const Bytes& bytes)
{
    return LoadCause(bytes, [&obj](CArchive& ar) { obj.Serialize(ar); }) >= 0;
}

BOOL LoadsWhole(CObject& obj, const Bytes& bytes)
{
    size_t nRead = 0;
    return LoadFromBytes(obj, bytes, &nRead) && nRead == bytes.size();
}

BOOL RoundTrip(CObject& from, CObject& into)
{
    return LoadsWhole(into, StoreToBytes(from));
}

void PumpPending()
{
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

void DispatchPending()
{
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        ::DispatchMessage(&msg);
}

void PumpFor(DWORD dwMs)
{
    DWORD dwStart = ::GetTickCount();
    do
    {
        PumpPending();
        ::Sleep(5);
    } while (::GetTickCount() - dwStart < dwMs);
    PumpPending();
}

namespace
{
// Test programs run side by side on one display. On the shared desktop a window one program shows
// takes the activation (and with it open menus, focus and capture) from the others, so each program
// works on a desktop of its own: its activation and its windows' order are then its own. The
// desktop is made a virtual one of the display's size (the key Wine's desktop process reads when it
// starts for a new desktop); the key is removed once the desktop window exists.
void UseDesktopOfOwn()
{
    static bool s_bDone = false;
    if (s_bDone)
        return;
    s_bDone = true;
    char szName[64];
    snprintf(szName, sizeof(szName), "velmora-test-%lu", ::GetCurrentProcessId());
    int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    char szSize[32];
    snprintf(szSize, sizeof(szSize), "%dx%d", cx > 0 ? cx : 1280, cy > 0 ? cy : 1024);
    HKEY hKey = NULL;
    const char* pszKey = "Software\\Wine\\Explorer\\Desktops";
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, pszKey, 0, NULL, 0, KEY_SET_VALUE, NULL, &hKey, NULL) !=
        ERROR_SUCCESS)
        return;
    ::RegSetValueExA(hKey, szName, 0, REG_SZ, (const BYTE*)szSize, (DWORD)strlen(szSize) + 1);
    HDESK hDesk = ::CreateDesktopA(szName, NULL, NULL, 0, GENERIC_ALL, NULL);
    if (hDesk != NULL && ::SetThreadDesktop(hDesk))
        ::GetDesktopWindow();
    ::RegDeleteValueA(hKey, szName);
    ::RegCloseKey(hKey);
}
} // namespace

void InitTestWindowing()
{
    UseDesktopOfOwn();
    AfxWinInit(::GetModuleHandle(NULL), NULL, (LPTSTR) "", SW_SHOWNORMAL);
    ::InitCommonControls();
}

std::string HexOfUtf16(const std::string& text, size_t nUnits)
{
    std::string out;
    for (char c : text)
        out += HexOf(std::string(1, c)) + "00";
    if (text.size() < nUnits)
        out += std::string((nUnits - text.size()) * 4, '0');
    return out;
}

CTestFolder::CTestFolder(LPCTSTR pszPrefix)
{
    TCHAR szTemp[MAX_PATH];
    ::GetTempPath(MAX_PATH, szTemp);
    for (int i = 0;; i++)
    {
        m_strPath.Format(_T("%s%s-%lu-%d"), szTemp, pszPrefix, ::GetCurrentProcessId(), i);
        if (::CreateDirectory(m_strPath, NULL))
            break;
        if (::GetLastError() != ERROR_ALREADY_EXISTS)
            AfxThrowFileException(CFileException::OsErrorToException(::GetLastError()), ::GetLastError(),
                                  m_strPath);
    }
}

CTestFolder::~CTestFolder()
{
    for (const CString& strName : Files())
    {
        ::SetFileAttributes(File(strName), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFile(File(strName));
    }
    ::RemoveDirectory(m_strPath);
}

std::vector<CString> CTestFolder::Files() const
{
    std::vector<CString> names;
    WIN32_FIND_DATA fd;
    HANDLE h = ::FindFirstFile(m_strPath + _T("\\*"), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return names;
    do
    {
        if (lstrcmp(fd.cFileName, _T(".")) != 0 && lstrcmp(fd.cFileName, _T("..")) != 0)
            names.push_back(fd.cFileName);
    } while (::FindNextFile(h, &fd));
    ::FindClose(h);
    return names;
}

void CTestFolder::Write(LPCTSTR pszName, const Bytes& bytes) const
{
    CFile file(File(pszName), CFile::modeCreate | CFile::modeWrite);
    if (!bytes.empty())
        file.Write(bytes.data(), (UINT)bytes.size());
}

void CTestFolder::Write(LPCTSTR pszName, const std::string& text) const
{
    Write(pszName, Bytes(text.begin(), text.end()));
}

Bytes CTestFolder::Read(LPCTSTR pszName) const
{
    CFile file;
    if (!file.Open(File(pszName), CFile::modeRead | CFile::shareDenyNone))
        return Bytes();
    Bytes bytes((size_t)file.GetLength());
    if (!bytes.empty())
        bytes.resize(file.Read(bytes.data(), (UINT)bytes.size()));
    return bytes;
}

BOOL CTestFolder::Exists(LPCTSTR pszName) const
{
    return ::GetFileAttributes(File(pszName)) != INVALID_FILE_ATTRIBUTES;
}

CTestWinApp::CTestWinApp(LPCTSTR pszAppName, LPCTSTR pszKey) : CWinApp(pszAppName), m_strApp(pszAppName)
{
    UseDesktopOfOwn();
    m_strKey.Format(_T("%s\\%lu"), pszKey, ::GetCurrentProcessId());
}

CTestWinApp::~CTestWinApp()
{
    ::SHDeleteKey(HKEY_CURRENT_USER, CString(_T("Software\\")) + m_strKey);
}

void CTestWinApp::ResetProfile()
{
    if (m_pszAppName == NULL)
        m_pszAppName = _tcsdup(m_strApp);
    if (m_pszRegistryKey == NULL)
        SetRegistryKey(m_strKey);
    ::SHDeleteKey(HKEY_CURRENT_USER, CString(_T("Software\\")) + m_strKey);
}

CString CTestWinApp::ProfileKey(LPCTSTR pszSection) const
{
    CString strKey;
    strKey.Format(_T("Software\\%s\\%s\\%s"), (LPCTSTR)m_strKey, (LPCTSTR)m_strApp, pszSection);
    return strKey;
}

BOOL CTestWinApp::ReadProfileValue(LPCTSTR pszSection, LPCTSTR pszEntry, DWORD& dwType, Bytes& data) const
{
    HKEY hKey;
    if (::RegOpenKeyEx(HKEY_CURRENT_USER, ProfileKey(pszSection), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return FALSE;
    DWORD cb = 0;
    LONG lResult = ::RegQueryValueEx(hKey, pszEntry, NULL, &dwType, NULL, &cb);
    if (lResult == ERROR_SUCCESS)
    {
        data.resize(cb);
        lResult = ::RegQueryValueEx(hKey, pszEntry, NULL, &dwType, cb ? data.data() : NULL, &cb);
    }
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

BOOL CTestWinApp::WriteProfileValue(LPCTSTR pszSection, LPCTSTR pszEntry, DWORD dwType,
                                    const Bytes& data) const
{
    HKEY hKey;
    if (::RegCreateKeyEx(HKEY_CURRENT_USER, ProfileKey(pszSection), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &hKey,
                         NULL) != ERROR_SUCCESS)
        return FALSE;
    LONG lResult =
        ::RegSetValueEx(hKey, pszEntry, 0, dwType, data.empty() ? NULL : data.data(), (DWORD)data.size());
    ::RegCloseKey(hKey);
    return lResult == ERROR_SUCCESS;
}

CTestWinApp& App()
{
    return *static_cast<CTestWinApp*>(AfxGetApp());
}
