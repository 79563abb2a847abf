// CDocument: what a program's views show and its frames are titled after: a title, a path, a
// modified flag and the views that show it; saving writes it through its Serialize.
#ifndef VELMORA_AFXDOCUMENT_H
#define VELMORA_AFXDOCUMENT_H

#include "afx.h"
#include "afxcoll.h"
#include "AfxCmdTarget.h"

class CView;
class CFrameWnd;
class CArchive;
class CDocTemplate;

class CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)
public:
    // Construction
    CDocument();
    virtual ~CDocument();

    // Attributes
    const CString& GetTitle() const { return m_strTitle; }
    // Renames the document and retitles every frame that shows it.
    virtual void SetTitle(LPCTSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    virtual void SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    // Views
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    POSITION GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }
    CView* GetNextView(POSITION& rPosition) const { return (CView*)m_viewList.GetNext(rPosition); }
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = NULL);
    // The frames of the views have their titles brought up to date.
    void UpdateFrameCounts();

    // Overridables
    virtual void Serialize(CArchive& ar);
    virtual void DeleteContents() {}
    virtual BOOL OnNewDocument();
    virtual BOOL OnSaveDocument(LPCTSTR lpszPathName);
    virtual void OnCloseDocument();
    virtual void OnChangedViewList();
    // FALSE when the frame may not close: its last view of a modified document whose user chose
    // Cancel (or whose save failed).
    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    // Asks whether to save a modified document; FALSE cancels.
    virtual BOOL SaveModified();
    // Saves under the document's own path; a document without one (or whose file is read-only) is
    // given one by DoSave. FALSE when nothing was saved.
    virtual BOOL DoFileSave();
    // Saves under lpszPathName; NULL asks the user for a name first. bReplace makes the name the
    // document's own.
    virtual BOOL DoSave(LPCTSTR lpszPathName, BOOL bReplace = TRUE);

    // Implementation
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate;
    CPtrList m_viewList; // CView*
    BOOL m_bModified;
    BOOL m_bAutoDelete; // the document deletes itself when its last view goes

protected:
    afx_msg void OnFileSave();
    afx_msg void OnFileSaveAs();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_AFXDOCUMENT_H
