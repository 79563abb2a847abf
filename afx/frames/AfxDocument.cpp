// CDocument: its views, its title on their frames, and saving it to a file.
#include "afxwin.h"
#include "afxdlgs.h"

#include "AfxDocument.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
ON_COMMAND(ID_FILE_SAVE, OnFileSave)
ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::CDocument() : m_pDocTemplate(NULL), m_bModified(FALSE), m_bAutoDelete(TRUE) {}

CDocument::~CDocument()
{
    // Views that outlive the document must not reach it any more.
    for (POSITION pos = m_viewList.GetHeadPosition(); pos != NULL;)
    {
        CView* pView = (CView*)m_viewList.GetNext(pos);
        if (pView->m_pDocument == this)
            pView->m_pDocument = NULL;
    }
    m_viewList.RemoveAll();
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDocument::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle != NULL ? lpszTitle : _T("");
    UpdateFrameCounts();
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL)
{
    m_strPathName = lpszPathName != NULL ? lpszPathName : _T("");
    // The title is the file's name, the folder left out.
    CString strTitle = m_strPathName;
    int nSlash = strTitle.ReverseFind('\\');
    if (nSlash < 0)
        nSlash = strTitle.ReverseFind('/');
    if (nSlash >= 0)
        strTitle = strTitle.Mid(nSlash + 1);
    if (!strTitle.IsEmpty())
        SetTitle(strTitle);
}

void CDocument::AddView(CView* pView)
{
    if (pView == NULL || m_viewList.Find(pView) != NULL)
        return;
    if (pView->m_pDocument != NULL && pView->m_pDocument != this)
        pView->m_pDocument->RemoveView(pView);
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    POSITION pos = pView != NULL ? m_viewList.Find(pView) : NULL;
    if (pos == NULL)
        return;
    m_viewList.RemoveAt(pos);
    pView->m_pDocument = NULL;
    OnChangedViewList();
}

void CDocument::OnChangedViewList()
{
    // A document nobody shows any more goes, unless its owner keeps it.
    if (m_bAutoDelete && m_viewList.IsEmpty())
    {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM, CObject*)
{
    for (POSITION pos = m_viewList.GetHeadPosition(); pos != NULL;)
    {
        CView* pView = (CView*)m_viewList.GetNext(pos);
        if (pView != pSender && pView->GetSafeHwnd() != NULL)
            pView->Invalidate();
    }
}

void CDocument::UpdateFrameCounts()
{
    for (POSITION pos = m_viewList.GetHeadPosition(); pos != NULL;)
    {
        CView* pView = (CView*)m_viewList.GetNext(pos);
        CFrameWnd* pFrame = pView->GetSafeHwnd() != NULL ? pView->GetParentFrame() : NULL;
        if (pFrame != NULL)
            pFrame->OnUpdateFrameTitle(TRUE);
    }
}

void CDocument::Serialize(CArchive& ar)
{
    // The base keeps nothing; a document with data stores it in its own Serialize.
    (void)ar;
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR lpszPathName)
{
    CFile file;
    if (lpszPathName == NULL || !file.Open(lpszPathName, CFile::modeCreate | CFile::modeWrite))
        return FALSE;
    BOOL bSaved = TRUE;
    try
    {
        CArchive ar(&file, CArchive::store);
        ar.m_pDocument = this;
        Serialize(ar);
        ar.Close();
        file.Close();
    }
    catch (CException* e)
    {
        e->Delete();
        bSaved = FALSE;
    }
    if (!bSaved)
    {
        // A half-written file is no document: it goes.
        file.Abort();
        ::DeleteFile(lpszPathName);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument()
{
    // The frames go first; their views leave the list as they are destroyed.
    BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.IsEmpty())
    {
        CView* pView = (CView*)m_viewList.GetHead();
        CFrameWnd* pFrame = pView->GetSafeHwnd() != NULL ? pView->GetParentFrame() : NULL;
        if (pFrame != NULL)
            pFrame->DestroyWindow();
        // A view whose window did not go with the frame is let go all the same.
        if (!m_viewList.IsEmpty() && m_viewList.GetHead() == pView)
            RemoveView(pView);
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrame)
{
    // Another frame that shows the document keeps it: no question then.
    for (POSITION pos = m_viewList.GetHeadPosition(); pos != NULL;)
    {
        CView* pView = (CView*)m_viewList.GetNext(pos);
        CFrameWnd* pOther = pView->GetSafeHwnd() != NULL ? pView->GetParentFrame() : NULL;
        if (pOther != NULL && pOther != pFrame)
            return TRUE;
    }
    return SaveModified();
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString strName = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
    CString strPrompt;
    strPrompt.Format(_T("Save changes to %s?"), (LPCTSTR)strName);
    switch (AfxMessageBox(strPrompt, MB_YESNOCANCEL, AFX_IDP_ASK_TO_SAVE))
    {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

BOOL CDocument::DoFileSave()
{
    DWORD dwAttrib = m_strPathName.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributes(m_strPathName);
    if (dwAttrib != INVALID_FILE_ATTRIBUTES && (dwAttrib & FILE_ATTRIBUTE_READONLY))
        return DoSave(NULL); // a read-only file is saved under a new name
    return DoSave(m_strPathName.IsEmpty() ? NULL : (LPCTSTR)m_strPathName);
}

BOOL CDocument::DoSave(LPCTSTR lpszPathName, BOOL bReplace)
{
    CString strPath = lpszPathName != NULL ? lpszPathName : _T("");
    if (strPath.IsEmpty())
    {
        CFileDialog dlg(FALSE, NULL, m_strTitle, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST);
        if (dlg.DoModal() != IDOK)
            return FALSE;
        strPath = dlg.GetPathName();
    }
    if (!OnSaveDocument(strPath))
        return FALSE;
    if (bReplace)
        SetPathName(strPath);
    return TRUE;
}

void CDocument::OnFileSave()
{
    DoFileSave();
}

void CDocument::OnFileSaveAs()
{
    DoSave(NULL);
}
