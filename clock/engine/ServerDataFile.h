// CServerDataFile: the time-server list "SntpDat" in a data folder: a count and the records.
#ifndef VELMORA_SERVERDATAFILE_H
#define VELMORA_SERVERDATAFILE_H

#include <afx.h>
#include <afxcoll.h>

class CServerDataFile
{
    // Construction
public:
    explicit CServerDataFile(LPCTSTR pszFolder = NULL);

    // Attributes
public:
    void SetFolder(LPCTSTR pszFolder);
    CString GetPath() const; // "SntpDat"

    // Operations
public:
    // FALSE when the file does not exist (nothing read). Servers are appended as they are read;
    // damage (a negative or impossible count, an object that is no server, bytes after the last
    // record) raises the framework's archive exception, a file that cannot be opened its file
    // exception.
    BOOL Load(CObArray& servers) const;
    static void Read(CFile& file, CObArray& servers);
    // Creates (or truncates) the file and writes the list; raises the framework's exceptions.
    void Save(const CObArray& servers) const;

    // Implementation
protected:
    CString m_strFolder;
};

#endif // VELMORA_SERVERDATAFILE_H
