// Helpers shared by the tests: byte images, private folders and a test application's profile.
#ifndef VELMORA_TESTSUPPORT_H
#define VELMORA_TESTSUPPORT_H

#include "afxwin.h"

#include <functional>
#include <string>
#include <vector>

typedef std::vector<BYTE> Bytes;

// "FF 00 1a" -> {0xFF, 0x00, 0x1A}. Text in single quotes is taken as ASCII ("0A 00 'CName'");
// anything else that is not a hex digit (spaces, line breaks, '|') only separates.
Bytes Image(const char* pszText);
inline Bytes Image(const std::string& text)
{
    return Image(text.c_str());
}

inline Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// "FF 00 1A ": the bytes as hex, each followed by a space, for readable failures.
std::string Hex(const Bytes& bytes);
// "ff001a": the characters of a string as hex without separators.
std::string HexOf(const std::string& text);
// The UTF-16 units of an ASCII text as hex, zero-padded to nUnits units (a fixed-width field).
std::string HexOfUtf16(const std::string& text, size_t nUnits);

// An archive round trip through memory. Storing gives the bytes an archive writes; loading reads
// them back into an object and answers TRUE when it threw nothing (an exception it throws is
// deleted); with pnRead, how many bytes the object took.
Bytes StoreToBytes(CObject& obj);
Bytes StoreToBytes(const std::function<void(CArchive&)>& store);
BOOL LoadFromBytes(CObject& obj, const Bytes& bytes, size_t* pnRead = NULL);
BOOL LoadFromBytes(const std::function<void(CArchive&)>& load, const Bytes& bytes, size_t* pnRead = NULL);
// How loading the bytes with load ended: -1 when it threw nothing, the cause of the archive
// exception it threw, or -2 for any other exception.
int LoadCause(const Bytes& bytes, const std::function<void(CArchive&)>& load, size_t* pnRead = NULL);
// TRUE when loading the bytes into the object throws an archive exception: damage the object
// reports as a fault of the format, rather than loading, or failing some other way.
BOOL LoadThrowsArchiveException(CObject& obj, const Bytes& bytes);
// TRUE when the object loads from the bytes without an exception and takes them to their end.
BOOL LoadsWhole(CObject& obj, const Bytes& bytes);
// Stores one object and loads the bytes into another: TRUE when the other took them whole.
BOOL RoundTrip(CObject& from, CObject& into);

// Runs the thread's messages until none are left.
void PumpPending();
// The same without translating keys into characters: only what was posted is dispatched.
void DispatchPending();
// Runs the thread's messages, timers included, for a while: for tests of what a timer does.
void PumpFor(DWORD dwMs);

// What a test program with windows does once before its tests: the framework's start-up for this
// module and the common controls.
void InitTestWindowing();

// A fresh folder under the temporary directory for one test, removed with its files when the
// object goes. Names are of files directly inside it.
class CTestFolder
{
public:
    explicit CTestFolder(LPCTSTR pszPrefix = _T("velmora"));
    ~CTestFolder();
    CTestFolder(const CTestFolder&) = delete;
    CTestFolder& operator=(const CTestFolder&) = delete;

    const CString& Path() const { return m_strPath; }
    CString File(LPCTSTR pszName) const { return m_strPath + _T("\\") + pszName; }
    std::vector<CString> Files() const;
    void Write(LPCTSTR pszName, const Bytes& bytes) const;
    void Write(LPCTSTR pszName, const std::string& text) const;
    Bytes Read(LPCTSTR pszName) const; // empty when the file is missing
    BOOL Exists(LPCTSTR pszName) const;

private:
    CString m_strPath;
};

// An application object for tests that need AfxGetApp() and its profile functions. ctest runs
// test cases as parallel processes, so each process keeps its profile under
// HKCU\Software\<key>\<process id>\<application>, removed when the program ends.
class CTestWinApp : public CWinApp
{
public:
    CTestWinApp(LPCTSTR pszAppName, LPCTSTR pszKey);
    virtual ~CTestWinApp();

    // Points the profile at this process's key and empties it.
    void ResetProfile();
    // HKCU-relative path of one section of the profile.
    CString ProfileKey(LPCTSTR pszSection) const;
    // The raw registry value of one profile entry; FALSE when it is missing.
    BOOL ReadProfileValue(LPCTSTR pszSection, LPCTSTR pszEntry, DWORD& dwType, Bytes& data) const;
    // Writes one raw registry value of the profile past the code under test, making its key.
    BOOL WriteProfileValue(LPCTSTR pszSection, LPCTSTR pszEntry, DWORD dwType, const Bytes& data) const;

private:
    CString m_strKey; // Software-relative: "<key>\<process id>"
    CString m_strApp;
};

// The application object of a test program whose application is a CTestWinApp.
CTestWinApp& App();

#endif // VELMORA_TESTSUPPORT_H
