// Opening links and saving Internet shortcuts.
#include "LinkServices.h"

#include <objbase.h>
#include <intshcut.h>
#include <shellapi.h>
#include <shlobj.h>
#include <stdio.h>
#include <string.h>

namespace
{
const CLSID kClsidInternetShortcut = {
    0xFBF23B40, 0xE3F0, 0x101B, {0x84, 0x88, 0x00, 0xAA, 0x00, 0x3E, 0x56, 0xF8}};
const IID kIidUrlA = {0xFBF23B80, 0xE3F0, 0x101B, {0x84, 0x88, 0x00, 0xAA, 0x00, 0x3E, 0x56, 0xF8}};
const IID kIidPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

IUniformResourceLocatorA* CreateShortcut(const CString& strUrl)
{
    IUniformResourceLocatorA* pUrl = NULL;
    if (FAILED(::CoCreateInstance(kClsidInternetShortcut, NULL, CLSCTX_INPROC_SERVER, kIidUrlA,
                                  (void**)&pUrl)) ||
        pUrl == NULL)
        return NULL;
    if (FAILED(pUrl->SetURL(strUrl, IURL_SETURL_FL_GUESS_PROTOCOL)))
    {
        pUrl->Release();
        return NULL;
    }
    return pUrl;
}

class CShellOpener : public ILinkOpener
{
public:
    BOOL OpenLink(HWND hParent, const CString& strUrl) override
    {
        BOOL bOk = FALSE;
        HRESULT hrInit = ::CoInitialize(NULL);
        IUniformResourceLocatorA* pUrl = CreateShortcut(strUrl);
        if (pUrl != NULL)
        {
            URLINVOKECOMMANDINFOA info;
            info.dwcbSize = sizeof(info);
            info.dwFlags = IURL_INVOKECOMMAND_FL_ALLOW_UI;
            info.hwndParent = hParent;
            info.pcszVerb = "open";
            bOk = SUCCEEDED(pUrl->InvokeCommand(&info));
            pUrl->Release();
        }
        if (SUCCEEDED(hrInit))
            ::CoUninitialize();
        if (!bOk)
            bOk = (INT_PTR)::ShellExecuteA(hParent, "open", strUrl, NULL, NULL, SW_SHOW) > 32;
        return bOk;
    }
};

BOOL GetLogPath(char* pszPath, DWORD nSize)
{
    DWORD n = ::GetEnvironmentVariableA("VELMORA_LINK_LOG", pszPath, nSize);
    return n > 0 && n < nSize;
}

class CRecordingOpener : public ILinkOpener
{
public:
    BOOL OpenLink(HWND, const CString& strUrl) override
    {
        char szPath[MAX_PATH];
        if (!GetLogPath(szPath, sizeof(szPath)))
            return FALSE;
        FILE* pFile = fopen(szPath, "a");
        if (pFile == NULL)
            return FALSE;
        fputs(strUrl, pFile);
        fputs("\n", pFile);
        fclose(pFile);
        return TRUE;
    }
};

ILinkOpener* g_pOpener = NULL;
} // namespace

ILinkOpener& GetLinkOpener()
{
    static CShellOpener shell;
    static CRecordingOpener recording;
    if (g_pOpener != NULL)
        return *g_pOpener;
    char szPath[MAX_PATH];
    if (GetLogPath(szPath, sizeof(szPath)))
        return recording;
    return shell;
}

void SetLinkOpener(ILinkOpener* pOpener)
{
    g_pOpener = pOpener;
}

BOOL GetShortcutFolder(int nCsidl, CString& strFolder)
{
    char szPath[MAX_PATH];
    DWORD n = ::GetEnvironmentVariableA("VELMORA_SHORTCUT_FOLDER", szPath, sizeof(szPath));
    if (n == 0 || n >= sizeof(szPath))
    {
        LPITEMIDLIST pidl = NULL;
        if (FAILED(::SHGetSpecialFolderLocation(NULL, nCsidl, &pidl)) || pidl == NULL)
            return FALSE;
        BOOL bOk = ::SHGetPathFromIDListA(pidl, szPath);
        ::CoTaskMemFree(pidl);
        if (!bOk)
            return FALSE;
    }
    strFolder = szPath;
    while (!strFolder.IsEmpty() && (strFolder.Right(1) == _T("\\") || strFolder.Right(1) == _T("/")))
        strFolder = strFolder.Left(strFolder.GetLength() - 1);
    return !strFolder.IsEmpty();
}

BOOL MakeShortcutPath(const CString& strFolder, const CString& strText, CString& strPath)
{
    strPath.Empty();
    if (strText.Find(_T('\\')) >= 0 || strText.Find(_T('/')) >= 0 || strText.Find(_T("..")) >= 0)
        return FALSE;
    CString strName;
    for (int i = 0; i < strText.GetLength(); i++)
    {
        TCHAR ch = strText[i];
        if ((unsigned char)ch < 32 || strchr("<>:\"|?*", ch) != NULL)
            continue;
        strName += ch;
    }
    // The file system drops trailing dots and spaces, and a name of only those is none.
    strName.TrimRight(_T(". "));
    strName.TrimLeft(_T(" "));
    if (strName.IsEmpty() || strFolder.IsEmpty())
        return FALSE;
    CString strFull = strFolder + _T("\\") + strName + _T(".URL");
    if (strFull.GetLength() >= MAX_PATH)
        return FALSE;
    strPath = strFull;
    return TRUE;
}

BOOL SaveInternetShortcut(const CString& strUrl, const CString& strPath)
{
    if (strUrl.IsEmpty() || strPath.IsEmpty())
        return FALSE;
    WCHAR szWide[MAX_PATH];
    if (::MultiByteToWideChar(CP_ACP, 0, strPath, -1, szWide, MAX_PATH) == 0)
        return FALSE;
    BOOL bOk = FALSE;
    HRESULT hrInit = ::CoInitialize(NULL);
    IUniformResourceLocatorA* pUrl = CreateShortcut(strUrl);
    if (pUrl != NULL)
    {
        IPersistFile* pFile = NULL;
        if (SUCCEEDED(pUrl->QueryInterface(kIidPersistFile, (void**)&pFile)) && pFile != NULL)
        {
            bOk = SUCCEEDED(pFile->Save(szWide, TRUE));
            pFile->Release();
        }
        pUrl->Release();
    }
    if (SUCCEEDED(hrInit))
        ::CoUninitialize();
    return bOk;
}
