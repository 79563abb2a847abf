// The hyperlink's states and opening, and the side banner's attaching to a window.
#include <gtest/gtest.h>

#include "HyperLinkStatic.h"
#include "LinkServices.h"
#include "SideBannerWnd.h"
#include "TestSupport.h"
#include "resource.h"

namespace
{
class CRecordingOpener : public ILinkOpener
{
public:
    std::vector<CString> urls;
    BOOL OpenLink(HWND, const CString& strUrl) override
    {
        urls.push_back(strUrl);
        return TRUE;
    }
};

struct CInstalledOpener
{
    CRecordingOpener opener;
    CInstalledOpener() { SetLinkOpener(&opener); }
    ~CInstalledOpener() { SetLinkOpener(NULL); }
};

// A plain top-level window holding one static at (10, 10) of 120 x 16 pixels.
struct CLinkHost
{
    CWnd parent;
    CHyperLinkStatic link;
    CLinkHost()
    {
        parent.CreateEx(0, AfxRegisterWndClass(0), _T("host"), WS_POPUP, 0, 0, 300, 200, NULL, NULL);
        link.Create(_T("Velmora"), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOTIFY, CRect(10, 10, 130, 26),
                    &parent, 1200);
    }
    ~CLinkHost()
    {
        link.DestroyWindow();
        parent.DestroyWindow();
    }
};
} // namespace

TEST(HyperLinkStatic, HoverRestoresTheEarlierColourAndAClickOpensOnce)
{
    InitTestWindowing();
    CInstalledOpener rec;
    CLinkHost host;
    EXPECT_EQ((COLORREF)0xFF0000, host.link.GetStateColour());

    // No URL: a click does nothing and the link stays unvisited.
    host.link.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PumpPending();
    EXPECT_TRUE(rec.opener.urls.empty());
    EXPECT_EQ(0, host.link.m_nState);

    host.link.SetURL(_T("http://www.quendralabs.com"));
    host.link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(2, host.link.m_nState);
    EXPECT_EQ((COLORREF)0x0000FF, host.link.GetStateColour());
    host.link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(500, 5));
    EXPECT_EQ(0, host.link.m_nState);
    EXPECT_EQ((COLORREF)0xFF0000, host.link.GetStateColour());

    host.link.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PumpPending();
    ASSERT_EQ(1u, rec.opener.urls.size());
    EXPECT_STREQ("http://www.quendralabs.com", (LPCSTR)rec.opener.urls[0]);
    EXPECT_EQ((COLORREF)0x800080, host.link.GetStateColour());

    // Hovering over a visited link and leaving it again gives purple back.
    host.link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ((COLORREF)0x0000FF, host.link.GetStateColour());
    host.link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(500, 5));
    EXPECT_EQ((COLORREF)0x800080, host.link.GetStateColour());
    ::ReleaseCapture();
}

TEST(HyperLinkStatic, AClickWhileHoveringLetsTheMouseGo)
{
    InitTestWindowing();
    CInstalledOpener rec;
    CLinkHost host;
    host.link.SetURL(_T("http://www.quendralabs.com"));
    host.link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(host.link.m_hWnd, ::GetCapture());
    host.link.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PumpPending();
    ASSERT_EQ(1u, rec.opener.urls.size());

    // Leaving after the click ends the hover: the mouse is let go and the link is visited.
    host.link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(500, 5));
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_EQ((COLORREF)0x800080, host.link.GetStateColour());

    // A click that the capture brings from outside the link opens nothing and lets the mouse go.
    host.link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(host.link.m_hWnd, ::GetCapture());
    host.link.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(500, 5));
    PumpPending();
    EXPECT_EQ(1u, rec.opener.urls.size());
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_EQ(1, host.link.m_nState);

    // Another window taking the mouse ends the hover as well.
    host.link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(2, host.link.m_nState);
    host.parent.SetCapture();
    EXPECT_EQ(1, host.link.m_nState);
    ::ReleaseCapture();
}

TEST(HyperLinkStatic, ThePointersAreTheProgramsOwn)
{
    InitTestWindowing();
    CHyperLinkStatic link;
    HCURSOR hOther = ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(IDC_HLINK_OTHER_CURSOR));
    HCURSOR hHand = ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(IDC_HLINK_HAND_CURSOR));
    ASSERT_TRUE(hOther != NULL && hHand != NULL);
    EXPECT_EQ(hOther, link.m_hOtherCursor);
    EXPECT_NE(::LoadCursor(NULL, IDC_ARROW), link.m_hOtherCursor);
    // The hand points with its finger tip.
    ICONINFO info;
    ASSERT_TRUE(::GetIconInfo(hHand, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(5u, info.xHotspot);
    EXPECT_EQ(1u, info.yHotspot);
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor != NULL)
        ::DeleteObject(info.hbmColor);
}

TEST(SideBannerWnd, ATopBannerMakesTheWindowTallerAndMovesItsChildrenDown)
{
    InitTestWindowing();
    CLinkHost host;
    CRect rcBefore, rcChildBefore, rcAfter, rcChildAfter, rcBanner;
    host.parent.GetWindowRect(&rcBefore);
    host.link.GetWindowRect(&rcChildBefore);
    CSideBannerWnd banner;
    EXPECT_FALSE(banner.Attach(NULL, CSideBannerWnd::SIDE_TOP, 0xFFF0));
    ASSERT_TRUE(banner.Attach(&host.parent, CSideBannerWnd::SIDE_TOP, 0xFFF0));
    host.parent.GetWindowRect(&rcAfter);
    host.link.GetWindowRect(&rcChildAfter);
    banner.GetWindowRect(&rcBanner);
    EXPECT_EQ(rcBefore.TopLeft(), rcAfter.TopLeft());
    EXPECT_EQ(rcBefore.Width(), rcAfter.Width());
    EXPECT_EQ(rcBefore.Height() + 50, rcAfter.Height());
    EXPECT_EQ(rcChildBefore.top + 50, rcChildAfter.top);
    EXPECT_EQ(rcChildBefore.left, rcChildAfter.left);
    EXPECT_EQ(50, rcBanner.Height());
    EXPECT_EQ(rcAfter.top, rcBanner.top);
    EXPECT_EQ(0xFFF0, banner.GetDlgCtrlID());
    // Painting runs without a window shown, through its off-screen bitmap.
    banner.UpdateWindow();
}
