// A fresh folder under the temporary directory for one test, removed with its files afterwards.
#ifndef VELMORA_AFX_TESTFOLDER_H
#define VELMORA_AFX_TESTFOLDER_H

#include "afx.h"

class CTestFolder
{
public:
    CTestFolder()
    {
        TCHAR szTemp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szTemp);
        for (int i = 0;; i++)
        {
            m_strPath.Format("%safxcore-%lu-%d", szTemp, ::GetCurrentProcessId(), i);
            if (::CreateDirectoryA(m_strPath, NULL))
                break;
        }
    }
    ~CTestFolder()
    {
        WIN32_FIND_DATAA fd;
        HANDLE h = ::FindFirstFileA(m_strPath + "\\*", &fd);
        if (h != INVALID_HANDLE_VALUE)
        {
            do
            {
                CString strFile = m_strPath + "\\" + fd.cFileName;
                ::SetFileAttributesA(strFile, FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileA(strFile);
            } while (::FindNextFileA(h, &fd));
            ::FindClose(h);
        }
        ::RemoveDirectoryA(m_strPath);
    }
    CString File(LPCTSTR lpszName) const { return m_strPath + "\\" + lpszName; }
    const CString& Path() const { return m_strPath; }

private:
    CString m_strPath;
};

#endif
