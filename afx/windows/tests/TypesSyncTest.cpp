// Value types (CSize, CPoint, CRect) against hand-worked results, and the synchronisation
// objects and locks against the kernel's own view of them.
#include "afxwin.h"
#include "afxmt.h"
#include <gtest/gtest.h>

namespace
{
::testing::AssertionResult SameRect(const RECT& a, int l, int t, int r, int b)
{
    if (a.left == l && a.top == t && a.right == r && a.bottom == b)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << a.left << "," << a.top << "," << a.right << "," << a.bottom
                                         << ") != (" << l << "," << t << "," << r << "," << b << ")";
}

TEST(Types, RectangleOperations)
{
    CRect a(10, 20, 110, 70);
    EXPECT_EQ(100, a.Width());
    EXPECT_EQ(50, a.Height());
    EXPECT_EQ(CSize(100, 50), a.Size());
    EXPECT_EQ(CPoint(60, 45), a.CenterPoint());
    EXPECT_EQ(CPoint(10, 20), a.TopLeft());
    EXPECT_EQ(CPoint(110, 70), a.BottomRight());

    const struct
    {
        CRect result;
        int l, t, r, b;
    } cases[] = {
        {a + CPoint(5, -5), 15, 15, 115, 65},
        {a - CSize(10, 20), 0, 0, 100, 50},
        {a & CRect(50, 0, 200, 40), 50, 20, 110, 40},
        {a | CRect(0, 0, 5, 5), 0, 0, 110, 70},
        {a & CRect(200, 200, 300, 300), 0, 0, 0, 0}, // no overlap: empty
        {a + CRect(1, 2, 3, 4), 9, 18, 113, 74},     // inflate by each side
        {a - (LPCRECT)CRect(1, 2, 3, 4), 11, 22, 107, 66},
        {a.MulDiv(3, 2), 15, 30, 165, 105},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(SameRect(c.result, c.l, c.t, c.r, c.b));

    CRect b(30, 40, 10, 20);
    b.NormalizeRect();
    EXPECT_TRUE(SameRect(b, 10, 20, 30, 40));
    b.InflateRect(2, 3);
    EXPECT_TRUE(SameRect(b, 8, 17, 32, 43));
    b.DeflateRect(1, 2, 3, 4);
    EXPECT_TRUE(SameRect(b, 9, 19, 29, 39));
    b.OffsetRect(-9, -19);
    EXPECT_TRUE(SameRect(b, 0, 0, 20, 20));
    EXPECT_TRUE(b.PtInRect(CPoint(0, 0)));
    EXPECT_FALSE(b.PtInRect(CPoint(20, 20))); // right and bottom edges are outside
    EXPECT_FALSE(b.IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_TRUE(CRect(CPoint(1, 2), CSize(3, 4)) == CRect(1, 2, 4, 6));
}

TEST(Types, PointsAndSizesFromPackedWords)
{
    // Mouse positions arrive packed in an LPARAM; both halves are signed.
    const struct
    {
        DWORD packed;
        int x, y;
    } cases[] = {
        {(DWORD)MAKELONG(10, 20), 10, 20},
        {(DWORD)MAKELONG((WORD)-5, 7), -5, 7},
        {(DWORD)MAKELONG(0xFFFF, 0x8000), -1, -32768},
    };
    for (const auto& c : cases)
    {
        CPoint pt(c.packed);
        EXPECT_EQ(c.x, pt.x);
        EXPECT_EQ(c.y, pt.y);
        CSize size(c.packed);
        EXPECT_EQ(c.x, size.cx);
        EXPECT_EQ(c.y, size.cy);
    }
    CPoint p(3, 4);
    EXPECT_EQ(CSize(2, 2), p - CPoint(1, 2));
    EXPECT_EQ(CPoint(-3, -4), -p);
    p += CSize(1, 1);
    EXPECT_EQ(CPoint(4, 5), p);
}

TEST(Sync, LocksOverKernelObjects)
{
    // A mutex held by a lock is owned; released when the lock goes.
    CMutex mutex;
    {
        CSingleLock lock(&mutex, TRUE);
        EXPECT_TRUE(lock.IsLocked());
    }
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(mutex.m_hObject, 0));
    ::ReleaseMutex(mutex.m_hObject);

    // A semaphore gives out its count and no more.
    CSemaphore semaphore(2, 2);
    CSingleLock first(&semaphore), second(&semaphore), third(&semaphore);
    EXPECT_TRUE(first.Lock(0));
    EXPECT_TRUE(second.Lock(0));
    EXPECT_FALSE(third.Lock(0));
    EXPECT_TRUE(first.Unlock());
    EXPECT_TRUE(third.Lock(0));

    // Several events: any one of them, or all of them.
    CEvent e1(FALSE, TRUE), e2(FALSE, TRUE);
    CSyncObject* objects[] = {&e1, &e2};
    CMultiLock multi(objects, 2);
    EXPECT_EQ((DWORD)WAIT_TIMEOUT, multi.Lock(0, FALSE));
    e2.SetEvent();
    EXPECT_EQ((DWORD)(WAIT_OBJECT_0 + 1), multi.Lock(0, FALSE));
    EXPECT_TRUE(multi.IsLocked(1));
    EXPECT_FALSE(multi.IsLocked(0));
    EXPECT_EQ((DWORD)WAIT_TIMEOUT, multi.Lock(0, TRUE));
    e1.SetEvent();
    EXPECT_EQ((DWORD)WAIT_OBJECT_0, multi.Lock(0, TRUE));
    EXPECT_TRUE(multi.IsLocked(0) && multi.IsLocked(1));
    e1.ResetEvent();
    EXPECT_EQ((DWORD)WAIT_TIMEOUT, ::WaitForSingleObject(e1.m_hObject, 0));

    CCriticalSection section;
    CSingleLock sectionLock(&section, TRUE);
    EXPECT_TRUE(sectionLock.IsLocked());
    EXPECT_TRUE(sectionLock.Unlock());
    EXPECT_FALSE(sectionLock.IsLocked());
}
} // namespace
