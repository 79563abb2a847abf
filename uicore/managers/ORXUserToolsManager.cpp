// User tools: the tool's program, icon and start, and the manager's list in the registry.
#include "ORXUserToolsManager.h"

#include "ORXRegistry.h"
#include "ORXWorkspaceBase.h"

#include <shellapi.h>

IMPLEMENT_SERIAL(CORXUserTool, CObject, VERSIONABLE_SCHEMA | 1)

HICON CORXUserTool::s_hDefaultIcon = NULL;

namespace
{
const UINT kIdiDefaultTool = 16931;
const UINT kIdsCantCopyBitmap = 16010;
const LPCTSTR kToolsKey = _T("ORXUserToolsManager");
const LPCTSTR kToolsValue = _T("Tools");
const LPCTSTR kDefaultFilter = _T("Executable Files (*.exe)|*.exe|All Files (*.*)|*.*||");
const LPCTSTR kDefaultExt = _T("exe");
} // namespace

/////////////////////////////////////////////////////////////////////////////
// One tool

CORXUserTool::CORXUserTool() : m_uiCmdId(0), m_hIcon(NULL) {}

CORXUserTool::~CORXUserTool()
{
    DeleteIcon();
}

HICON CORXUserTool::GetDefaultIcon()
{
    if (s_hDefaultIcon == NULL)
        s_hDefaultIcon =
            (HICON)::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(kIdiDefaultTool), IMAGE_ICON,
                                ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), 0);
    return s_hDefaultIcon;
}

void CORXUserTool::ReleaseDefaultIcon()
{
    if (s_hDefaultIcon != NULL)
        ::DestroyIcon(s_hDefaultIcon);
    s_hDefaultIcon = NULL;
}

void CORXUserTool::DeleteIcon()
{
    if (m_hIcon != NULL && m_hIcon != s_hDefaultIcon)
        ::DestroyIcon(m_hIcon);
    m_hIcon = NULL;
}

void CORXUserTool::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << m_strLabel << m_strCommand << m_strArguments << m_strInitialDirectory << (DWORD)m_uiCmdId;
        return;
    }
    // Only the one form of the record that was ever written is read.
    const UINT nSchema = ar.GetObjectSchema();
    if (nSchema != 1 && nSchema != (UINT)-1)
        AfxThrowArchiveException(CArchiveException::badSchema);
    CString strCommand;
    DWORD dwCmdId = 0;
    ar >> m_strLabel >> strCommand >> m_strArguments >> m_strInitialDirectory >> dwCmdId;
    m_uiCmdId = dwCmdId;
    SetCommand(strCommand);
}

void CORXUserTool::SetCommand(LPCTSTR lpszCmd)
{
    CString strCmd = lpszCmd != NULL ? lpszCmd : _T("");
    if (strCmd == m_strCommand && m_hIcon != NULL)
        return;
    m_strCommand = strCmd;
    DeleteIcon();
    m_hIcon = SetToolIcon();
}

HICON CORXUserTool::SetToolIcon()
{
    CString strPath = m_strCommand;
    if (strPath.IsEmpty())
        return GetDefaultIcon();
    // A bare file name is looked up the way the shell would start it.
    if (strPath.FindOneOf(_T("\\/:")) < 0)
    {
        char szFound[MAX_PATH] = {};
        LPSTR pszFilePart = NULL;
        if (::SearchPathA(NULL, strPath, NULL, MAX_PATH, szFound, &pszFilePart) == 0)
            return GetDefaultIcon();
        strPath = szFound;
    }
    if (::GetFileAttributesA(strPath) == INVALID_FILE_ATTRIBUTES)
        return GetDefaultIcon();
    SHFILEINFOA sfi = {};
    if (::SHGetFileInfoA(strPath, 0, &sfi, sizeof(sfi), SHGFI_ICON | SHGFI_SMALLICON) == 0 ||
        sfi.hIcon == NULL)
        return GetDefaultIcon();
    return sfi.hIcon;
}

BOOL CORXUserTool::Invoke()
{
    if (m_strCommand.IsEmpty())
        return FALSE;
    CWnd* pWnd = AfxGetMainWnd();
    HINSTANCE hInst = ::ShellExecuteA(pWnd->GetSafeHwnd(), NULL, m_strCommand, m_strArguments,
                                      m_strInitialDirectory.IsEmpty() ? NULL : (LPCSTR)m_strInitialDirectory,
                                      SW_SHOWNORMAL);
    return (INT_PTR)hInst >= 32;
}

void CORXUserTool::DrawToolIcon(CDC* pDC, const CRect& rectImage)
{
    if (m_hIcon == NULL)
        return;
    int cx = ::GetSystemMetrics(SM_CXSMICON);
    int cy = ::GetSystemMetrics(SM_CYSMICON);
    ::DrawIconEx(pDC->GetSafeHdc(), rectImage.left + (rectImage.Width() - cx) / 2,
                 rectImage.top + (rectImage.Height() - cy) / 2, m_hIcon, cx, cy, 0, NULL, DI_NORMAL);
}

BOOL CORXUserTool::CopyIconToClipboard()
{
    int cx = ::GetSystemMetrics(SM_CXSMICON);
    int cy = ::GetSystemMetrics(SM_CYSMICON);
    BOOL bOK = FALSE;
    HDC hdcScreen = ::GetDC(NULL);
    HDC hdc = ::CreateCompatibleDC(hdcScreen);
    HBITMAP hbm = ::CreateCompatibleBitmap(hdcScreen, cx, cy);
    if (hdc != NULL && hbm != NULL)
    {
        HGDIOBJ hOld = ::SelectObject(hdc, hbm);
        RECT rc = {0, 0, cx, cy};
        ::FillRect(hdc, &rc, ::GetSysColorBrush(COLOR_BTNFACE));
        if (m_hIcon != NULL)
            ::DrawIconEx(hdc, 0, 0, m_hIcon, cx, cy, 0, NULL, DI_NORMAL);
        ::SelectObject(hdc, hOld);
        CWnd* pWnd = AfxGetMainWnd();
        if (::OpenClipboard(pWnd->GetSafeHwnd()))
        {
            ::EmptyClipboard();
            if (::SetClipboardData(CF_BITMAP, hbm) != NULL)
            {
                hbm = NULL; // the clipboard owns it now
                bOK = TRUE;
            }
            ::CloseClipboard();
        }
    }
    if (hbm != NULL)
        ::DeleteObject(hbm);
    if (hdc != NULL)
        ::DeleteDC(hdc);
    ::ReleaseDC(NULL, hdcScreen);
    if (!bOK)
    {
        CString strMessage;
        strMessage.LoadString(kIdsCantCopyBitmap);
        AfxMessageBox(strMessage, MB_OK | MB_ICONSTOP);
    }
    return bOK;
}

/////////////////////////////////////////////////////////////////////////////
// The manager

CORXUserToolsManager::CORXUserToolsManager(UINT uiCmdToolsDummy, UINT uiCmdFirst, UINT uiCmdLast,
                                           CRuntimeClass* pToolRTC, LPCTSTR lpszFilter, LPCTSTR lpszDefExt)
    : m_uiCmdToolsDummy(uiCmdToolsDummy), m_uiCmdFirst(uiCmdFirst), m_uiCmdLast(uiCmdLast),
      m_pToolRTC(pToolRTC != NULL && pToolRTC->IsDerivedFrom(RUNTIME_CLASS(CORXUserTool))
                     ? pToolRTC
                     : RUNTIME_CLASS(CORXUserTool)),
      m_strFilter(lpszFilter != NULL ? lpszFilter : kDefaultFilter),
      m_strDefExt(lpszDefExt != NULL ? lpszDefExt : kDefaultExt)
{
    CORXServices::Hold<CORXUserToolsManager>(this);
    CORXServices::Register<CORXUserToolsLink>(this);
}

CORXUserToolsManager::~CORXUserToolsManager()
{
    RemoveAllTools();
    if (ORXUserToolsManager() == this)
        CORXServices::Hold<CORXUserToolsManager, CORXUserToolsManager>(NULL);
    CORXServices::Unregister<CORXUserToolsLink>(this);
}

void CORXUserToolsManager::RemoveAllTools()
{
    while (!m_lstUserTools.IsEmpty())
        delete m_lstUserTools.RemoveHead();
}

namespace
{
// The stored list of tools, read object by object so that each is checked as it comes: a tool,
// never NULL, not a second reference to a tool read before (the list would own it twice), with a
// command id of the tools' range that no other tool holds, and no more tools than the range has.
class CToolsImage : public CObject
{
public:
    CToolsImage(CObList* pTools, UINT uiCmdFirst, UINT uiCmdLast)
        : m_pTools(pTools), m_uiCmdFirst(uiCmdFirst), m_uiCmdLast(uiCmdLast)
    {
    }
    virtual void Serialize(CArchive& ar);

private:
    CObList* const m_pTools;
    const UINT m_uiCmdFirst;
    const UINT m_uiCmdLast;
};

void CToolsImage::Serialize(CArchive& ar)
{
    const DWORD nCount = ar.ReadCount();
    if (nCount > m_uiCmdLast - m_uiCmdFirst + 1)
        AfxThrowArchiveException(CArchiveException::generic);
    for (DWORD i = 0; i < nCount; i++)
    {
        CObject* pObject = ar.ReadObject(RUNTIME_CLASS(CORXUserTool));
        CORXUserTool* pTool = DYNAMIC_DOWNCAST(CORXUserTool, pObject);
        if (pTool == NULL || m_pTools->Find(pTool) != NULL)
            AfxThrowArchiveException(CArchiveException::badIndex);
        // Owned from here on, so that a refusal below deletes it with the others.
        m_pTools->AddTail(pTool);
        if (pTool->m_uiCmdId < m_uiCmdFirst || pTool->m_uiCmdId > m_uiCmdLast)
            AfxThrowArchiveException(CArchiveException::generic);
        for (POSITION pos = m_pTools->GetHeadPosition(); pos != NULL;)
        {
            CORXUserTool* pOther = (CORXUserTool*)m_pTools->GetNext(pos);
            if (pOther != pTool && pOther->m_uiCmdId == pTool->m_uiCmdId)
                AfxThrowArchiveException(CArchiveException::generic);
        }
    }
}
} // namespace

BOOL CORXUserToolsManager::LoadState(LPCTSTR lpszProfileName)
{
    RemoveAllTools();
    CORXRegistrySP regSP;
    CORXRegistry& reg = regSP.CreateRegistry(FALSE, TRUE);
    if (!reg.Open(CORXWorkspaceBase::BuildRegistryPath(kToolsKey, lpszProfileName)))
        return FALSE;
    // Anything in the value that is not a sound list of this manager's tools makes the whole
    // value foreign: the manager starts without tools.
    CToolsImage image(&m_lstUserTools, m_uiCmdFirst, m_uiCmdLast);
    if (!reg.Read(kToolsValue, image))
    {
        RemoveAllTools();
        return FALSE;
    }
    return TRUE;
}

BOOL CORXUserToolsManager::SaveState(LPCTSTR lpszProfileName)
{
    CORXRegistrySP regSP;
    CORXRegistry& reg = regSP.CreateRegistry(FALSE, FALSE);
    if (!reg.CreateKey(CORXWorkspaceBase::BuildRegistryPath(kToolsKey, lpszProfileName)))
        return FALSE;
    return reg.Write(kToolsValue, m_lstUserTools);
}

CORXUserTool* CORXUserToolsManager::CreateNewTool()
{
    if (m_lstUserTools.GetCount() >= GetMaxTools())
        return NULL;
    // The lowest id no tool holds.
    UINT uiCmdId = 0;
    for (UINT uiCmd = m_uiCmdFirst; uiCmd <= m_uiCmdLast && uiCmdId == 0; uiCmd++)
        if (FindTool(uiCmd) == NULL)
            uiCmdId = uiCmd;
    if (uiCmdId == 0)
        return NULL;
    CORXUserTool* pTool = DYNAMIC_DOWNCAST(CORXUserTool, m_pToolRTC->CreateObject());
    if (pTool == NULL)
        return NULL;
    pTool->m_uiCmdId = uiCmdId;
    m_lstUserTools.AddTail(pTool);
    return pTool;
}

BOOL CORXUserToolsManager::RemoveTool(CORXUserTool* pTool)
{
    POSITION pos = m_lstUserTools.Find(pTool);
    if (pos == NULL)
        return FALSE;
    m_lstUserTools.RemoveAt(pos);
    delete pTool;
    return TRUE;
}

CORXUserTool* CORXUserToolsManager::FindTool(UINT uiCmdId) const
{
    if (uiCmdId < m_uiCmdFirst || uiCmdId > m_uiCmdLast)
        return NULL;
    for (POSITION pos = m_lstUserTools.GetHeadPosition(); pos != NULL;)
    {
        CORXUserTool* pTool = (CORXUserTool*)m_lstUserTools.GetNext(pos);
        if (pTool->m_uiCmdId == uiCmdId)
            return pTool;
    }
    return NULL;
}

BOOL CORXUserToolsManager::DrawToolIcon(UINT uiCmd, CDC* pDC, const CRect& rect)
{
    CORXUserTool* pTool = FindTool(uiCmd);
    if (pTool == NULL)
        return FALSE;
    pTool->DrawToolIcon(pDC, rect);
    return TRUE;
}

UINT CORXUserToolsManager::GetToolCmd(int iIndex) const
{
    POSITION pos = iIndex >= 0 ? m_lstUserTools.FindIndex(iIndex) : NULL;
    return pos != NULL ? ((CORXUserTool*)m_lstUserTools.GetAt(pos))->GetCommandId() : 0;
}

CString CORXUserToolsManager::GetToolName(int iIndex) const
{
    POSITION pos = iIndex >= 0 ? m_lstUserTools.FindIndex(iIndex) : NULL;
    return pos != NULL ? ((CORXUserTool*)m_lstUserTools.GetAt(pos))->m_strLabel : CString();
}

BOOL CORXUserToolsManager::CopyToolIcon(UINT uiCmd)
{
    CORXUserTool* pTool = FindTool(uiCmd);
    return pTool != NULL && pTool->CopyIconToClipboard();
}

BOOL CORXUserToolsManager::InvokeTool(UINT uiCmd)
{
    CORXUserTool* pTool = FindTool(uiCmd);
    return pTool != NULL ? pTool->Invoke() : FALSE;
}

BOOL ORXInitUserToolsManager(UINT uiCmdToolsDummy, UINT uiCmdFirst, UINT uiCmdLast, LPCTSTR lpszFilter,
                             LPCTSTR lpszDefExt)
{
    CORXWorkspaceBase* pWorkspace = CORXWorkspaceBase::GetInstance();
    if (ORXUserToolsManager() != NULL || pWorkspace == NULL || uiCmdFirst > uiCmdLast)
        return FALSE;
    new CORXUserToolsManager(uiCmdToolsDummy, uiCmdFirst, uiCmdLast, RUNTIME_CLASS(CORXUserTool), lpszFilter,
                             lpszDefExt);
    CORXWorkspaceBase::SetManagerRelease(CORXWorkspaceBase::mgrUserTools, []() {
        delete ORXUserToolsManager();
        CORXUserTool::ReleaseDefaultIcon();
    });
    pWorkspace->m_bManagerCreated[CORXWorkspaceBase::mgrUserTools] = TRUE;
    return TRUE;
}
