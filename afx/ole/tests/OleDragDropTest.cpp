// The drag-and-drop classes over the platform's OLE: cached data read back through a data object,
// formats that are not there refused, a registered window's target called as a drag calls it,
// and the drop source's answers to the key state.
#include <afxole.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
CWinApp theOleTestApp(_T("OleTests"));

struct OleEnvironment : ::testing::Environment
{
    void SetUp() override { ASSERT_TRUE(AfxOleInit()); }
};
::testing::Environment* const oleEnv = ::testing::AddGlobalTestEnvironment(new OleEnvironment);

HGLOBAL MakeGlobal(const char* pszBytes)
{
    size_t n = strlen(pszBytes);
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, n);
    memcpy(::GlobalLock(h), pszBytes, n);
    ::GlobalUnlock(h);
    return h;
}

std::string ReadGlobal(HGLOBAL h)
{
    std::string s((const char*)::GlobalLock(h), ::GlobalSize(h));
    ::GlobalUnlock(h);
    return s;
}

class CRecordingTarget : public COleDropTarget
{
public:
    CLIPFORMAT m_cf = 0;
    BOOL m_bAccept = TRUE;
    std::vector<std::string> m_calls;
    CPoint m_ptLast;

    DROPEFFECT Effect(COleDataObject* pData, DWORD dwKeyState)
    {
        if (!pData->IsDataAvailable(m_cf))
            return DROPEFFECT_NONE;
        return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
    }
    DROPEFFECT OnDragEnter(CWnd*, COleDataObject* pData, DWORD dwKeyState, CPoint point) override
    {
        m_calls.push_back("enter");
        m_ptLast = point;
        return Effect(pData, dwKeyState);
    }
    DROPEFFECT OnDragOver(CWnd*, COleDataObject* pData, DWORD dwKeyState, CPoint point) override
    {
        m_calls.push_back("over");
        m_ptLast = point;
        return Effect(pData, dwKeyState);
    }
    BOOL OnDrop(CWnd*, COleDataObject* pData, DROPEFFECT dropEffect, CPoint point) override
    {
        HGLOBAL h = pData->GetGlobalData(m_cf);
        m_calls.push_back("drop " + std::to_string(dropEffect) + " " + (h ? ReadGlobal(h) : "-"));
        if (h != NULL)
            ::GlobalFree(h);
        m_ptLast = point;
        return m_bAccept;
    }
    void OnDragLeave(CWnd*) override { m_calls.push_back("leave"); }
};

CLIPFORMAT TestFormat()
{
    return (CLIPFORMAT)::RegisterClipboardFormatA("VelmoraOleTestFormat");
}
} // namespace

TEST(OleDataSource, CachedDataIsReadBackAsACopyAndOtherFormatsAreRefused)
{
    COleDataSource source;
    source.CacheGlobalData(TestFormat(), MakeGlobal("button bytes"));
    COleDataObject data;
    data.Attach(source.GetIDataObject(), FALSE);

    EXPECT_TRUE(data.IsDataAvailable(TestFormat()));
    EXPECT_FALSE(data.IsDataAvailable(CF_TEXT));
    EXPECT_FALSE(data.IsDataAvailable(0));
    EXPECT_EQ(NULL, data.GetGlobalData(CF_TEXT));

    // Each read is the reader's own memory: freeing it leaves the source's data intact.
    for (int i = 0; i < 2; i++)
    {
        HGLOBAL h = data.GetGlobalData(TestFormat());
        ASSERT_TRUE(h != NULL);
        EXPECT_EQ("button bytes", ReadGlobal(h));
        ::GlobalFree(h);
    }
    CFile* pFile = data.GetFileData(TestFormat());
    ASSERT_TRUE(pFile != NULL);
    char buf[32] = {};
    EXPECT_EQ(12u, pFile->Read(buf, sizeof(buf)));
    EXPECT_STREQ("button bytes", buf);
    delete pFile;

    // Caching the format again replaces it; emptying the source takes every format away.
    source.CacheGlobalData(TestFormat(), MakeGlobal("second"));
    HGLOBAL h = data.GetGlobalData(TestFormat());
    EXPECT_EQ("second", ReadGlobal(h));
    ::GlobalFree(h);
    source.Empty();
    EXPECT_FALSE(data.IsDataAvailable(TestFormat()));

    COleDataObject empty;
    EXPECT_FALSE(empty.IsDataAvailable(TestFormat()));
    EXPECT_EQ(NULL, empty.GetGlobalData(TestFormat()));
}

TEST(OleDropTarget, ARegisteredWindowIsCalledWithClientPointsAndItsAnswers)
{
    CWnd wnd;
    ASSERT_TRUE(
        wnd.CreateEx(0, "STATIC", "target", WS_POPUP | WS_VISIBLE, CRect(100, 120, 300, 220), NULL, 0));
    CRecordingTarget target;
    target.m_cf = TestFormat();
    ASSERT_TRUE(target.Register(&wnd));
    EXPECT_EQ(wnd.m_hWnd, target.GetRegisteredHwnd());
    EXPECT_FALSE(target.Register(&wnd)); // one registration per target

    COleDataSource source;
    source.CacheGlobalData(TestFormat(), MakeGlobal("payload"));
    IDropTarget* pDrop = target.GetIDropTarget();
    CPoint ptOrigin(0, 0);
    wnd.ClientToScreen(&ptOrigin);
    POINTL pt = {ptOrigin.x + 10, ptOrigin.y + 20};

    DWORD dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(S_OK, pDrop->DragEnter(source.GetIDataObject(), MK_LBUTTON, pt, &dwEffect));
    EXPECT_EQ((DWORD)DROPEFFECT_MOVE, dwEffect);
    EXPECT_EQ(CPoint(10, 20), target.m_ptLast);

    // An effect the source did not allow is never answered.
    dwEffect = DROPEFFECT_MOVE;
    EXPECT_EQ(S_OK, pDrop->DragOver(MK_LBUTTON | MK_CONTROL, pt, &dwEffect));
    EXPECT_EQ((DWORD)DROPEFFECT_NONE, dwEffect);

    dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(S_OK, pDrop->DragOver(MK_LBUTTON | MK_CONTROL, pt, &dwEffect));
    EXPECT_EQ((DWORD)DROPEFFECT_COPY, dwEffect);
    dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(S_OK, pDrop->Drop(source.GetIDataObject(), MK_CONTROL, pt, &dwEffect));
    EXPECT_EQ((DWORD)DROPEFFECT_COPY, dwEffect);
    ASSERT_EQ(4u, target.m_calls.size());
    EXPECT_EQ("drop 1 payload", target.m_calls[3]);

    // A refused drop is no drop, and a leave reaches the target.
    target.m_bAccept = FALSE;
    dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    pDrop->DragEnter(source.GetIDataObject(), MK_LBUTTON, pt, &dwEffect);
    dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    pDrop->Drop(source.GetIDataObject(), 0, pt, &dwEffect);
    EXPECT_EQ((DWORD)DROPEFFECT_NONE, dwEffect);
    pDrop->DragLeave();
    EXPECT_EQ("leave", target.m_calls.back());

    // Data without the format is never dropped.
    COleDataSource other;
    other.CacheGlobalData(CF_TEXT, MakeGlobal("text"));
    target.m_calls.clear();
    dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    pDrop->DragEnter(other.GetIDataObject(), MK_LBUTTON, pt, &dwEffect);
    EXPECT_EQ((DWORD)DROPEFFECT_NONE, dwEffect);
    dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    pDrop->Drop(other.GetIDataObject(), 0, pt, &dwEffect);
    EXPECT_EQ((DWORD)DROPEFFECT_NONE, dwEffect);
    EXPECT_EQ(1u, target.m_calls.size());

    target.Revoke();
    EXPECT_EQ(NULL, target.GetRegisteredHwnd());
    EXPECT_TRUE(target.Register(&wnd));
    target.Revoke();
    wnd.DestroyWindow();
}

TEST(OleDropSource, KeyStatesDecideWhetherTheDragGoesOn)
{
    COleDropSource source;
    source.m_dwButtonDrop = MK_LBUTTON;
    source.m_dwButtonCancel = MK_RBUTTON;
    source.m_bDragStarted = TRUE;
    struct
    {
        BOOL bEscape;
        DWORD dwKeys;
        SCODE sc;
    } cases[] = {
        {FALSE, MK_LBUTTON, S_OK},
        {FALSE, MK_LBUTTON | MK_CONTROL, S_OK},
        {FALSE, 0, DRAGDROP_S_DROP},
        {FALSE, MK_LBUTTON | MK_RBUTTON, DRAGDROP_S_CANCEL},
        {TRUE, MK_LBUTTON, DRAGDROP_S_CANCEL},
    };
    for (const auto& c : cases)
    {
        source.m_bDragStarted = TRUE;
        EXPECT_EQ(c.sc, source.QueryContinueDrag(c.bEscape, c.dwKeys)) << c.dwKeys;
    }
    // A drag that never started is not dropped when the button comes up.
    source.m_bDragStarted = FALSE;
    EXPECT_EQ(DRAGDROP_S_CANCEL, source.QueryContinueDrag(FALSE, 0));
    EXPECT_EQ(DRAGDROP_S_USEDEFAULTCURSORS, source.GiveFeedback(DROPEFFECT_MOVE));

    // Without a button down there is nothing to drag.
    COleDataSource data;
    data.CacheGlobalData(TestFormat(), MakeGlobal("x"));
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_NONE, data.DoDragDrop(DROPEFFECT_MOVE, NULL, &source));
}
