// The MDI frame and its children under Wine's real MDI client: creation through the client, the
// active child and its document, routing through it, the window menu, arranging, closing a child
// of a modified document, documents saved to files, help mode and the in-place items.
#include "FrameTestSupport.h"
#include "FrameTestIds.h"
#include "afxole.h"
#include <gtest/gtest.h>

#include <vector>

// The children's view, made by the frame from its class; it handles the test view's commands.
class CTestViewDyn : public CTestView
{
    DECLARE_DYNCREATE(CTestViewDyn)
};
IMPLEMENT_DYNCREATE(CTestViewDyn, CView)

namespace
{

class CTestDoc : public CDocument
{
public:
    virtual void Serialize(CArchive& ar)
    {
        if (ar.IsStoring())
            ar << m_strTitle;
    }
};

class CTestOleDoc : public COleDocument
{
};

// The answer the message boxes give while a test runs, and the texts they showed.
int g_nBoxAnswer = IDOK;
std::vector<CString> g_boxes;
int AFXAPI AnswerBox(LPCTSTR lpszText, UINT, UINT)
{
    g_boxes.push_back(lpszText);
    return g_nBoxAnswer;
}

class MDI : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_route.clear();
        g_boxes.clear();
        m_pOldHook = afxMessageBoxHook;
        afxMessageBoxHook = AnswerBox;
        m_pFrame = new CMDIFrameWnd;
        ASSERT_TRUE(m_pFrame->Create(NULL, _T("MDI"), WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                                     CRect(20, 20, 620, 420), NULL, MAKEINTRESOURCE(IDR_TEST_MDI)));
        m_hFrame = m_pFrame->m_hWnd;
    }

    void TearDown() override
    {
        afxMessageBoxHook = m_pOldHook;
        g_nBoxAnswer = IDOK;
        if (::IsWindow(m_hFrame))
            m_pFrame->DestroyWindow();
    }

    // A child with a view of a new document (a COleDocument when asked).
    CMDIChildWnd* AddChild(LPCTSTR lpszTitle, CDocument** ppDoc = NULL, BOOL bOle = FALSE)
    {
        CDocument* pDoc = bOle ? (CDocument*)new CTestOleDoc : (CDocument*)new CTestDoc;
        pDoc->SetTitle(lpszTitle);
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CTestViewDyn);
        context.m_pCurrentDoc = pDoc;
        CMDIChildWnd* pChild = new CMDIChildWnd;
        if (!pChild->Create(NULL, lpszTitle, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                            CRect(0, 0, 200, 150), m_pFrame, &context))
            return NULL;
        if (ppDoc != NULL)
            *ppDoc = pDoc;
        return pChild;
    }

    int ChildCount() const
    {
        int n = 0;
        for (HWND h = ::GetWindow(m_pFrame->m_hWndMDIClient, GW_CHILD); h != NULL;
             h = ::GetWindow(h, GW_HWNDNEXT))
            n++;
        return n;
    }

    AFX_MESSAGEBOX_HOOK m_pOldHook;
    CMDIFrameWnd* m_pFrame;
    HWND m_hFrame;
};

TEST_F(MDI, ChildrenLiveInTheClientAndTheNewestIsActive)
{
    ASSERT_TRUE(::IsWindow(m_pFrame->m_hWndMDIClient));
    EXPECT_EQ(AFX_IDW_PANE_FIRST, ::GetDlgCtrlID(m_pFrame->m_hWndMDIClient));
    EXPECT_EQ(NULL, m_pFrame->MDIGetActive());

    CDocument* pDoc1 = NULL;
    CDocument* pDoc2 = NULL;
    CMDIChildWnd* pChild1 = AddChild(_T("One"), &pDoc1);
    CMDIChildWnd* pChild2 = AddChild(_T("Two"), &pDoc2);
    ASSERT_TRUE(pChild1 != NULL && pChild2 != NULL);
    EXPECT_EQ(m_pFrame->m_hWndMDIClient, ::GetParent(pChild1->m_hWnd));
    EXPECT_EQ(m_pFrame, pChild1->GetMDIFrame());
    EXPECT_EQ(pChild2, m_pFrame->MDIGetActive());
    EXPECT_EQ(pChild2, m_pFrame->GetActiveFrame());
    // Each child's view joined its document; the frame's document is the active child's.
    ASSERT_TRUE(pChild1->GetActiveView() != NULL);
    EXPECT_EQ(pDoc1, pChild1->GetActiveView()->GetDocument());
    EXPECT_EQ(pDoc2, m_pFrame->GetActiveDocument());

    m_pFrame->MDIActivate(pChild1);
    EXPECT_EQ(pChild1, m_pFrame->MDIGetActive());
    EXPECT_EQ(pDoc1, m_pFrame->GetActiveDocument());
    BOOL bMaximized = TRUE;
    m_pFrame->MDIGetActive(&bMaximized);
    EXPECT_FALSE(bMaximized);
    m_pFrame->MDIMaximize(pChild1);
    m_pFrame->MDIGetActive(&bMaximized);
    EXPECT_TRUE(bMaximized);
    m_pFrame->MDIRestore(pChild1);
    m_pFrame->MDIGetActive(&bMaximized);
    EXPECT_FALSE(bMaximized);
}

TEST_F(MDI, CommandsReachTheActiveChildsViewFirst)
{
    CMDIChildWnd* pChild = AddChild(_T("One"));
    ASSERT_TRUE(pChild != NULL);
    g_route.clear();
    m_pFrame->SendMessage(WM_COMMAND, ID_CMD_VIEW);
    EXPECT_EQ(std::vector<std::string>({"view"}), g_route);
    g_route.clear();
    m_pFrame->SendMessage(WM_COMMAND, ID_CMD_APP);
    EXPECT_FALSE(g_route.empty());
    EXPECT_EQ("app", g_route.front());
}

TEST_F(MDI, TheWindowMenuListsTheChildrenAndArrangingMovesThem)
{
    HMENU hWindow = m_pFrame->GetWindowMenuPopup(::GetMenu(m_hFrame));
    ASSERT_TRUE(hWindow != NULL);
    EXPECT_EQ(ID_WINDOW_CASCADE, ::GetMenuItemID(hWindow, 0));
    EXPECT_EQ(NULL, m_pFrame->GetWindowMenuPopup(NULL));

    CMDIChildWnd* pChild1 = AddChild(_T("One"));
    CMDIChildWnd* pChild2 = AddChild(_T("Two"));
    ASSERT_TRUE(pChild1 != NULL && pChild2 != NULL);
    m_pFrame->SendMessage(WM_MDIREFRESHMENU);
    int nChildItems = 0;
    for (int i = 0; i < ::GetMenuItemCount(hWindow); i++)
        if (::GetMenuItemID(hWindow, i) >= AFX_IDM_FIRST_MDICHILD && ::GetMenuItemID(hWindow, i) != (UINT)-1)
            nChildItems++;
    EXPECT_EQ(2, nChildItems);

    // Tiled vertically the two stand side by side with the same top; cascaded, one below the other.
    // The client arranges only what shows.
    m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    m_pFrame->SendMessage(WM_COMMAND, ID_WINDOW_TILE_VERT);
    CRect r1 = ChildRect(pChild1), r2 = ChildRect(pChild2);
    EXPECT_EQ(r1.top, r2.top);
    EXPECT_NE(r1.left, r2.left);
    m_pFrame->SendMessage(WM_COMMAND, ID_WINDOW_CASCADE);
    r1 = ChildRect(pChild1);
    r2 = ChildRect(pChild2);
    EXPECT_NE(r1.top, r2.top);
    EXPECT_NE(r1.left, r2.left);
}

TEST_F(MDI, AModifiedDocumentsLastChildAsksBeforeClosing)
{
    CDocument* pDoc = NULL;
    CMDIChildWnd* pChild = AddChild(_T("One"), &pDoc);
    CMDIChildWnd* pOther = AddChild(_T("Two"));
    ASSERT_TRUE(pChild != NULL && pOther != NULL);
    HWND hChild = pChild->m_hWnd;
    pDoc->SetModifiedFlag();

    g_nBoxAnswer = IDCANCEL;
    pChild->SendMessage(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(hChild)) << "Cancel keeps the window";
    ASSERT_EQ(1u, g_boxes.size());
    EXPECT_NE(-1, g_boxes[0].Find(_T("One")));

    g_nBoxAnswer = IDNO;
    pChild->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(hChild)) << "No closes it unsaved";
    EXPECT_EQ(1, ChildCount());
    EXPECT_EQ(pOther, m_pFrame->MDIGetActive()) << "the client heard of it and activated the other";
}

TEST_F(MDI, DestroyingAChildGoesThroughTheClient)
{
    CMDIChildWnd* pChild1 = AddChild(_T("One"));
    CMDIChildWnd* pChild2 = AddChild(_T("Two"));
    ASSERT_TRUE(pChild1 != NULL && pChild2 != NULL);
    HWND hChild2 = pChild2->m_hWnd;
    pChild2->DestroyWindow();
    EXPECT_FALSE(::IsWindow(hChild2));
    EXPECT_EQ(pChild1, m_pFrame->MDIGetActive());
}

TEST_F(MDI, ADocumentsTitleNamesItsFramesAndSavingWritesItsFile)
{
    CDocument* pDoc = NULL;
    CMDIChildWnd* pChild = AddChild(_T("One"), &pDoc);
    ASSERT_TRUE(pChild != NULL);
    pDoc->SetTitle(_T("Renamed"));
    CString strText;
    pChild->GetWindowText(strText);
    EXPECT_STREQ(_T("Renamed"), strText);
    m_pFrame->GetWindowText(strText);
    EXPECT_STREQ(_T("MDI - Renamed"), strText);

    TCHAR szDir[MAX_PATH];
    ::GetTempPath(MAX_PATH, szDir);
    CString strPath = CString(szDir) + _T("mdi-test-doc.bin");
    ::DeleteFile(strPath);
    pDoc->m_strPathName = strPath;
    pDoc->SetModifiedFlag();
    ASSERT_TRUE(pDoc->DoFileSave());
    EXPECT_FALSE(pDoc->IsModified());
    EXPECT_STREQ(_T("mdi-test-doc.bin"), pDoc->GetTitle()) << "a saved document is named after its file";
    // The archive's form of a CString: a length byte and the characters.
    CFile file;
    ASSERT_TRUE(file.Open(strPath, CFile::modeRead));
    BYTE bytes[16] = {0};
    UINT nRead = file.Read(bytes, sizeof(bytes));
    file.Close();
    ASSERT_EQ(8u, nRead);
    EXPECT_EQ(7, bytes[0]);
    EXPECT_EQ(0, memcmp(bytes + 1, "Renamed", 7));
    ::DeleteFile(strPath);

    // A file that cannot be written leaves the document modified and its path unchanged.
    pDoc->SetModifiedFlag();
    pDoc->m_strPathName = CString(szDir) + _T("no-such-folder\\doc.bin");
    EXPECT_FALSE(pDoc->DoFileSave());
    EXPECT_TRUE(pDoc->IsModified());
    EXPECT_STREQ(_T("mdi-test-doc.bin"), pDoc->GetTitle());
}

// Help mode asked for again from inside it returns at once; the outer one ends on its exit message.
class CHelpFrame : public CFrameWnd
{
public:
    afx_msg LRESULT OnNested(WPARAM, LPARAM)
    {
        m_bWasInHelpMode = m_bHelpMode;
        OnContextHelp(); // must not start a second loop
        m_bNestedReturned = TRUE;
        ExitHelpMode();
        return 0;
    }
    BOOL m_bWasInHelpMode = FALSE;
    BOOL m_bNestedReturned = FALSE;
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CHelpFrame, CFrameWnd)
ON_MESSAGE(WM_APP + 7, OnNested)
END_MESSAGE_MAP()

TEST(HelpMode, DoesNotEnterItselfAgain)
{
    CHelpFrame* pFrame = new CHelpFrame;
    ASSERT_TRUE(pFrame->Create(NULL, _T("Help"), WS_OVERLAPPEDWINDOW, CRect(10, 10, 200, 200)));
    HWND hFrame = pFrame->m_hWnd;
    pFrame->PostMessage(WM_APP + 7);
    pFrame->OnContextHelp();
    EXPECT_TRUE(pFrame->m_bWasInHelpMode);
    EXPECT_TRUE(pFrame->m_bNestedReturned);
    EXPECT_FALSE(pFrame->m_bHelpMode);
    EXPECT_NE(hFrame, ::GetCapture());
    pFrame->DestroyWindow();
}

TEST(OleItems, TheInPlaceActiveItemIsTheOneOfTheView)
{
    CTestOleDoc* pDoc = new CTestOleDoc;
    pDoc->m_bAutoDelete = FALSE;
    COleClientItem* pItem = new COleClientItem(pDoc);
    COleClientItem* pOther = new COleClientItem(pDoc);
    EXPECT_EQ(pDoc, pItem->GetDocument());
    EXPECT_EQ(COleClientItem::loadedState, pItem->GetItemState());
    CView* pView = (CView*)(CWnd*)0x1234; // only compared, never used
    EXPECT_EQ(NULL, pDoc->GetInPlaceActiveItem(pView));

    pItem->Activate(OLEIVERB_SHOW, pView);
    EXPECT_EQ(pItem, pDoc->GetInPlaceActiveItem(pView));
    EXPECT_EQ(NULL, pDoc->GetInPlaceActiveItem((CWnd*)0x5678));
    EXPECT_EQ(NULL, pItem->GetInPlaceWindow()) << "active without a window of its own";

    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    pItem->Activate(OLEIVERB_SHOW, pView, wnd.m_hWnd);
    EXPECT_EQ(COleClientItem::activeUIState, pItem->GetItemState());
    EXPECT_EQ(wnd.m_hWnd, pItem->GetInPlaceWindow()->GetSafeHwnd());
    pItem->DeactivateUI();
    EXPECT_EQ(NULL, pItem->GetInPlaceWindow());
    EXPECT_TRUE(pItem->IsInPlaceActive());
    pItem->Deactivate();
    EXPECT_FALSE(pItem->IsInPlaceActive());
    EXPECT_EQ(NULL, pDoc->GetInPlaceActiveItem(pView));
    wnd.DestroyWindow();

    // Deleting an item takes it out of its document; deleting the document deletes the rest.
    delete pOther;
    POSITION pos = pDoc->GetStartPosition();
    EXPECT_EQ(pItem, pDoc->GetNextClientItem(pos));
    EXPECT_EQ(NULL, pos);
    delete pDoc;
}

} // namespace
