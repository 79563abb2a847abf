// CSaveFailures: the files whose failed save was reported, so that a file that keeps failing (a
// read-only program folder, a full disk) is reported once until a save of it succeeds again.
#ifndef VELMORA_SAVEFAILURES_H
#define VELMORA_SAVEFAILURES_H

#include <afx.h>

#include <vector>

class CSaveFailures
{
    // Operations
public:
    // A save of the file failed: TRUE when the user is to hear of it, the first failure since the
    // file was last written.
    BOOL Failed(const CString& strFile)
    {
        if (Find(strFile) >= 0)
            return FALSE;
        m_files.push_back(strFile);
        return TRUE;
    }
    // A save of the file succeeded: its next failure is reported again.
    void Saved(const CString& strFile)
    {
        int nAt = Find(strFile);
        if (nAt >= 0)
            m_files.erase(m_files.begin() + nAt);
    }

    // One message for the failure: the exception's own text, then the saver's.
    static CString Message(CException* e, LPCTSTR pszSaver)
    {
        TCHAR szError[512];
        CString strText;
        if (e->GetErrorMessage(szError, sizeof(szError) / sizeof(szError[0])))
            strText = CString(szError) + _T("\n");
        return strText + pszSaver;
    }

    // Implementation
protected:
    // File names as Windows compares them.
    int Find(const CString& strFile) const
    {
        for (size_t i = 0; i < m_files.size(); i++)
            if (m_files[i].CompareNoCase(strFile) == 0)
                return (int)i;
        return -1;
    }
    std::vector<CString> m_files;
};

#endif // VELMORA_SAVEFAILURES_H
