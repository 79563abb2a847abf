// The single-instance rule: publishing a window, finding and activating it, and the race of two
// copies started together.
#include <gtest/gtest.h>

#include "InstanceChecker.h"

namespace
{
// Publishes a given window rather than the application's main window.
class CTestChecker : public CInstanceChecker
{
public:
    CTestChecker(LPCTSTR lpszName, HWND hWnd) : CInstanceChecker(lpszName), m_hPublish(hWnd) {}
    HWND GetWindowToPublish() const override { return m_hPublish; }
    HWND m_hPublish;
};

CString UniqueName(LPCTSTR pszTest)
{
    CString str;
    str.Format(_T("VelmoraTest_%s_%lu"), pszTest, ::GetCurrentProcessId());
    return str;
}

HWND MakeWindow()
{
    return ::CreateWindowExA(0, "STATIC", "first copy", WS_POPUP, 10, 10, 50, 20, NULL, NULL,
                             ::GetModuleHandleA(NULL), NULL);
}
} // namespace

TEST(InstanceChecker, MappingNameCarriesTheInstanceName)
{
    CInstanceChecker checker(_T("Quendra_Velmora Clock"));
    EXPECT_EQ(CString(_T("CInstanceChecker_MMF_Quendra_Velmora Clock")), checker.GetMappingName());
}

TEST(InstanceChecker, SecondCopyFindsAndActivatesThePublishedWindow)
{
    CString strName = UniqueName(_T("publish"));
    HWND hWnd = MakeWindow();
    ASSERT_TRUE(hWnd != NULL);
    ::ShowWindow(hWnd, SW_MINIMIZE);
    {
        CTestChecker first(strName, hWnd);
        EXPECT_FALSE(first.IsOtherInstanceRunning());
        ASSERT_TRUE(first.PublishWindow());

        CTestChecker second(strName, NULL);
        EXPECT_TRUE(second.IsOtherInstanceRunning());
        EXPECT_EQ(hWnd, second.ActivateOtherInstance());
        EXPECT_FALSE(::IsIconic(hWnd));
    }
    // Once the first copy's checker is gone, a new copy starts normally.
    CTestChecker later(strName, NULL);
    EXPECT_FALSE(later.IsOtherInstanceRunning());
    EXPECT_EQ((HWND)NULL, later.ActivateOtherInstance());
    ::DestroyWindow(hWnd);
}

TEST(InstanceChecker, TwoCopiesStartedTogetherDoNotBothRun)
{
    // Neither has published a window yet; the one that comes second must still see the first.
    CString strName = UniqueName(_T("race"));
    CTestChecker first(strName, NULL);
    CTestChecker second(strName, NULL);
    EXPECT_FALSE(first.IsOtherInstanceRunning());
    EXPECT_TRUE(second.IsOtherInstanceRunning());
    EXPECT_EQ((HWND)NULL, second.ActivateOtherInstance());
}

TEST(InstanceChecker, PublishedHandleIsTheWindowOfTheFirstCopy)
{
    CString strName = UniqueName(_T("bytes"));
    HWND hWnd = MakeWindow();
    CTestChecker first(strName, hWnd);
    ASSERT_TRUE(first.PublishWindow());
    HANDLE hMapping = ::OpenFileMappingA(FILE_MAP_READ, FALSE, "CInstanceChecker_MMF_" + strName);
    ASSERT_TRUE(hMapping != NULL);
    const DWORD* pData = (const DWORD*)::MapViewOfFile(hMapping, FILE_MAP_READ, 0, 0, 4);
    ASSERT_TRUE(pData != NULL);
    EXPECT_EQ((DWORD)(UINT_PTR)hWnd, *pData);
    ::UnmapViewOfFile(pData);
    ::CloseHandle(hMapping);
    ::DestroyWindow(hWnd);
}
