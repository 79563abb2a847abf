// The button image editor and the Button Appearance dialog: the paint area's cells and its mapping
// of points to pixels (degenerate sizes included), the pencil's colours, the shapes and the fill;
// the clipboard's bitmaps read back and refused when damaged, and a paste placed on the image; the
// image list's grid, keys and scrolling; the dialog's text and accelerator, its default-image place
// and its reports when a user image cannot be added or changed.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "AfxClipboardBitmap.h"
#include "AfxWinMsgs.h"
#include "ORXButtonAppearanceDlg.h"
#include "ORXButtonsList.h"
#include "ORXGlobalData.h"
#include "ORXImageEditDlg.h"
#include "ORXImagePaintArea.h"
#include "ORXToolBar.h"
#include "ORXToolbarCustomize.h"
#include "ORXToolbarImageList.h"
#include "TestDrawing.h"
#include "TestSupport.h"
#include "TestWindows.h"
#include "uiextras/uiextras_res.h"

namespace
{
typedef CORXImagePaintArea Area;

// A paint area of a given client size on a hidden parent, drawing on its own bitmap.
struct PaintArea : ::testing::Test
{
    CHiddenTestParent parent;
    Area area;
    CBitmap bitmap;

    void Place(int cx, int cy, COLORREF clrGround = RGB(255, 255, 255))
    {
        ASSERT_TRUE(parent.CreateHidden());
        ASSERT_TRUE(
            area.Create(_T(""), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, cx, cy), &parent, 100));
        ASSERT_TRUE(MakeScreenBitmap(bitmap, 16, 15, clrGround));
        area.SetBitmap(&bitmap);
    }
    COLORREF At(int x, int y) { return PixelOf((HBITMAP)bitmap.GetSafeHandle(), x, y); }
    CPoint Cell(int x, int y)
    {
        CSize cell = area.GetCellSize();
        return CPoint(1 + x * cell.cx + cell.cx / 2, 1 + y * cell.cy + cell.cy / 2);
    }
};
} // namespace

TEST(PaintAreaCells, FollowTheAreaAndNeverDivideByZero)
{
    struct
    {
        CSize client, image, cell;
    } cases[] = {
        {CSize(178, 162), CSize(16, 15), CSize(11, 10)}, {CSize(34, 32), CSize(16, 15), CSize(2, 2)},
        {CSize(10, 10), CSize(16, 15), CSize(1, 1)}, // smaller than the image: one pixel a cell
        {CSize(0, 0), CSize(16, 15), CSize(1, 1)},       {CSize(-5, -5), CSize(16, 15), CSize(1, 1)},
        {CSize(178, 162), CSize(0, 15), CSize(0, 0)}, // no image: no cells
        {CSize(178, 162), CSize(16, 0), CSize(0, 0)},    {CSize(178, 162), CSize(-1, -1), CSize(0, 0)},
    };
    for (auto& c : cases)
        EXPECT_EQ(c.cell, Area::CalcCellSize(c.client, c.image))
            << c.client.cx << "x" << c.client.cy << " for " << c.image.cx << "x" << c.image.cy;
}

TEST_F(PaintArea, MapsPointsToPixelsClampedToTheImage)
{
    Place(178, 162);
    EXPECT_EQ(CSize(11, 10), area.GetCellSize());
    struct
    {
        CPoint point, pixel;
    } cases[] = {
        {CPoint(1, 1), CPoint(0, 0)},         {CPoint(11, 10), CPoint(0, 0)},
        {CPoint(12, 11), CPoint(1, 1)},       {CPoint(1 + 15 * 11, 1 + 14 * 10), CPoint(15, 14)},
        {CPoint(5000, 5000), CPoint(15, 14)}, {CPoint(-40, -40), CPoint(0, 0)},
        {CPoint(-40, 5000), CPoint(0, 14)},
    };
    for (auto& c : cases)
    {
        CPoint pixel(-1, -1);
        ASSERT_TRUE(area.PointToPixel(c.point, pixel));
        EXPECT_EQ(c.pixel, pixel) << c.point.x << "," << c.point.y;
    }
}

TEST_F(PaintArea, WithoutABitmapOrRoomNothingDividesByZero)
{
    Place(2, 2);
    EXPECT_EQ(CSize(1, 1), area.GetCellSize());
    CPoint pixel;
    EXPECT_TRUE(area.PointToPixel(CPoint(100, 100), pixel));
    EXPECT_EQ(CPoint(15, 14), pixel);

    area.SetBitmap(NULL);
    EXPECT_EQ(CSize(0, 0), area.GetCellSize());
    EXPECT_FALSE(area.PointToPixel(CPoint(5, 5), pixel));
    EXPECT_FALSE(area.DrawPixel(CPoint(0, 0)));
    EXPECT_FALSE(area.FloodFill(CPoint(0, 0)));
    // Mouse input and painting do nothing without a bitmap.
    area.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    area.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(7, 7));
    area.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(7, 7));
    area.RedrawWindow();

    CBitmap empty; // a bitmap object without a bitmap counts as none
    area.SetBitmap(&empty);
    EXPECT_EQ(CSize(0, 0), area.GetCellSize());
    EXPECT_FALSE(area.PointToPixel(CPoint(5, 5), pixel));
}

TEST_F(PaintArea, PencilWritesTheColourAsItIsAndGreysAsSystemColours)
{
    Place(178, 162);
    struct
    {
        COLORREF set, expected;
    } cases[] = {
        {RGB(255, 0, 0), RGB(255, 0, 0)}, // red stays red, not blue
        {RGB(0, 0, 255), RGB(0, 0, 255)},
        {RGB(12, 34, 56), RGB(12, 34, 56)},
        {RGB(0xC0, 0xC0, 0xC0), ::GetSysColor(COLOR_BTNFACE)},
        {RGB(0x80, 0x80, 0x80), ::GetSysColor(COLOR_BTNSHADOW)},
    };
    int x = 0;
    for (auto& c : cases)
    {
        area.SetColor(c.set);
        area.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(Cell(x, 3).x, Cell(x, 3).y));
        area.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(Cell(x, 3).x, Cell(x, 3).y));
        EXPECT_EQ(c.expected, At(x, 3)) << std::hex << c.set;
        x++;
    }
    EXPECT_EQ(RGB(255, 255, 255), At(x, 3));
}

TEST_F(PaintArea, ShapesIncludeTheirEndPixels)
{
    Place(178, 162);
    area.SetColor(RGB(0, 0, 0));
    ASSERT_TRUE(area.DrawShape(Area::IMAGE_EDIT_MODE_RECT, CPoint(5, 4), CPoint(2, 2)));
    for (int y = 0; y < 15; y++)
        for (int x = 0; x < 16; x++)
        {
            const BOOL bOutline =
                x >= 2 && x <= 5 && y >= 2 && y <= 4 && (x == 2 || x == 5 || y == 2 || y == 4);
            EXPECT_EQ(bOutline ? RGB(0, 0, 0) : RGB(255, 255, 255), At(x, y)) << x << "," << y;
        }

    // A rectangle along one row is that row.
    ASSERT_TRUE(area.DrawShape(Area::IMAGE_EDIT_MODE_RECT, CPoint(8, 10), CPoint(12, 10)));
    for (int x = 8; x <= 12; x++)
        EXPECT_EQ(RGB(0, 0, 0), At(x, 10)) << x;
    EXPECT_EQ(RGB(255, 255, 255), At(13, 10));

    ASSERT_TRUE(area.DrawShape(Area::IMAGE_EDIT_MODE_LINE, CPoint(10, 0), CPoint(15, 0)));
    EXPECT_EQ(RGB(0, 0, 0), At(15, 0));
    EXPECT_EQ(RGB(255, 255, 255), At(9, 0));

    area.SetColor(RGB(255, 0, 0));
    ASSERT_TRUE(area.DrawShape(Area::IMAGE_EDIT_MODE_ELLIPSE, CPoint(0, 7), CPoint(0, 7)));
    EXPECT_EQ(RGB(255, 0, 0), At(0, 7)); // one pixel: the pencil's rule
}

TEST_F(PaintArea, ALineDraggedOutsideEndsOnTheNearestEdgePixel)
{
    Place(178, 162);
    area.SetMode(Area::IMAGE_EDIT_MODE_LINE);
    area.SetColor(RGB(0, 0, 255));
    CPoint start = Cell(2, 5);
    area.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(start.x, start.y));
    ASSERT_EQ(&area, CWnd::GetCapture());
    area.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(1000, start.y));
    area.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(1000, start.y));
    for (int x = 2; x < 16; x++)
        EXPECT_EQ(RGB(0, 0, 255), At(x, 5)) << x;
    EXPECT_EQ(RGB(255, 255, 255), At(1, 5));
    EXPECT_EQ(RGB(255, 255, 255), At(15, 4));
}

TEST_F(PaintArea, FillStopsAtOtherColours)
{
    Place(178, 162);
    for (int y = 0; y < 15; y++)
        SetPixelOf((HBITMAP)bitmap.GetSafeHandle(), 8, y, RGB(0, 0, 0));
    area.SetMode(Area::IMAGE_EDIT_MODE_FILL);
    area.SetColor(RGB(255, 0, 0));
    CPoint point = Cell(2, 2);
    area.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    area.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    EXPECT_EQ(RGB(255, 0, 0), At(0, 0));
    EXPECT_EQ(RGB(255, 0, 0), At(7, 14));
    EXPECT_EQ(RGB(0, 0, 0), At(8, 7));
    EXPECT_EQ(RGB(255, 255, 255), At(9, 0));
    EXPECT_EQ(RGB(255, 255, 255), At(15, 14));
}

TEST_F(PaintArea, PickingAColourTakesItWithoutChangingTheImage)
{
    Place(178, 162);
    SetPixelOf((HBITMAP)bitmap.GetSafeHandle(), 4, 4, RGB(10, 200, 30));
    area.SetMode(Area::IMAGE_EDIT_MODE_COLOR);
    CPoint point = Cell(4, 4);
    area.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    area.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    EXPECT_EQ(RGB(10, 200, 30), area.GetColor());
    EXPECT_EQ(RGB(255, 255, 255), At(5, 4));
}

/////////////////////////////////////////////////////////////////////////////
// Bitmaps from the clipboard

namespace
{
// A packed DIB of a bottom-up 24-bit 2 x 2 image: red, green on the top row, blue, white below.
std::vector<BYTE> PackedDIB()
{
    const BYTE rows[] = {0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0, 0,  // blue, white (bottom row first)
                         0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0, 0}; // red, green
    std::vector<BYTE> dib(sizeof(BITMAPINFOHEADER) + sizeof(rows));
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = 2;
    header.biHeight = 2;
    header.biPlanes = 1;
    header.biBitCount = 24;
    memcpy(dib.data(), &header, sizeof(header));
    memcpy(dib.data() + sizeof(header), rows, sizeof(rows));
    return dib;
}
} // namespace

TEST(ClipboardBitmap, ReadsPackedDIBsAndRefusesDamagedOnes)
{
    std::vector<BYTE> dib = PackedDIB();
    HBITMAP hbm = AfxBitmapFromPackedDIB(dib.data(), dib.size());
    ASSERT_NE((HBITMAP)NULL, hbm);
    EXPECT_EQ(RGB(255, 0, 0), PixelOf(hbm, 0, 0));
    EXPECT_EQ(RGB(0, 255, 0), PixelOf(hbm, 1, 0));
    EXPECT_EQ(RGB(0, 0, 255), PixelOf(hbm, 0, 1));
    EXPECT_EQ(RGB(255, 255, 255), PixelOf(hbm, 1, 1));
    ::DeleteObject(hbm);

    struct
    {
        const char* what;
        void (*damage)(std::vector<BYTE>&);
    } cases[] = {
        {"bits cut short", [](std::vector<BYTE>& d) { d.resize(d.size() - 1); }},
        {"header cut short", [](std::vector<BYTE>& d) { d.resize(20); }},
        {"header size past the data",
         [](std::vector<BYTE>& d) { ((BITMAPINFOHEADER*)d.data())->biSize = 4000; }},
        {"no width", [](std::vector<BYTE>& d) { ((BITMAPINFOHEADER*)d.data())->biWidth = 0; }},
        {"negative width", [](std::vector<BYTE>& d) { ((BITMAPINFOHEADER*)d.data())->biWidth = -2; }},
        {"huge", [](std::vector<BYTE>& d) { ((BITMAPINFOHEADER*)d.data())->biWidth = 0x7FFFFFFF; }},
        {"odd depth", [](std::vector<BYTE>& d) { ((BITMAPINFOHEADER*)d.data())->biBitCount = 7; }},
        {"run-length", [](std::vector<BYTE>& d) { ((BITMAPINFOHEADER*)d.data())->biCompression = BI_RLE8; }},
        {"two planes", [](std::vector<BYTE>& d) { ((BITMAPINFOHEADER*)d.data())->biPlanes = 2; }},
        {"colour table past the data",
         [](std::vector<BYTE>& d) {
             ((BITMAPINFOHEADER*)d.data())->biBitCount = 8;
             ((BITMAPINFOHEADER*)d.data())->biClrUsed = 256;
         }},
        {"more colours than the depth has",
         [](std::vector<BYTE>& d) {
             ((BITMAPINFOHEADER*)d.data())->biBitCount = 1;
             ((BITMAPINFOHEADER*)d.data())->biClrUsed = 3;
         }},
    };
    for (auto& c : cases)
    {
        std::vector<BYTE> damaged = PackedDIB();
        c.damage(damaged);
        HBITMAP hbmDamaged = AfxBitmapFromPackedDIB(damaged.data(), damaged.size());
        EXPECT_EQ((HBITMAP)NULL, hbmDamaged) << c.what;
        if (hbmDamaged != NULL)
            ::DeleteObject(hbmDamaged);
    }
    EXPECT_EQ((HBITMAP)NULL, AfxBitmapFromPackedDIB(NULL, 100));

    // A top-down image reads the right way up.
    std::vector<BYTE> topDown = PackedDIB();
    ((BITMAPINFOHEADER*)topDown.data())->biHeight = -2;
    hbm = AfxBitmapFromPackedDIB(topDown.data(), topDown.size());
    ASSERT_NE((HBITMAP)NULL, hbm);
    EXPECT_EQ(RGB(0, 0, 255), PixelOf(hbm, 0, 0));
    ::DeleteObject(hbm);
}

TEST(ClipboardBitmap, RoundTripKeepsThePixels)
{
    CHiddenTestParent owner;
    ASSERT_TRUE(owner.CreateHidden());
    CBitmap bitmap;
    ASSERT_TRUE(MakeScreenBitmap(bitmap, 5, 3, RGB(255, 255, 255)));
    SetPixelOf((HBITMAP)bitmap.GetSafeHandle(), 0, 0, RGB(255, 0, 0));
    SetPixelOf((HBITMAP)bitmap.GetSafeHandle(), 4, 2, RGB(0, 0, 255));
    // Other test programs share the clipboard: a round trip that meets their data is tried again.
    BOOL bSame = FALSE;
    for (int nTry = 0; nTry < 5 && !bSame; nTry++)
    {
        ASSERT_TRUE(AfxSetClipboardBitmap(owner.GetSafeHwnd(), (HBITMAP)bitmap.GetSafeHandle()));
        HBITMAP hbmBack = AfxGetClipboardBitmap(owner.GetSafeHwnd());
        if (hbmBack == NULL)
            continue;
        BITMAP bm;
        ::GetObject(hbmBack, sizeof(bm), &bm);
        bSame = bm.bmWidth == 5 && bm.bmHeight == 3 && PixelOf(hbmBack, 0, 0) == RGB(255, 0, 0) &&
                PixelOf(hbmBack, 4, 2) == RGB(0, 0, 255) && PixelOf(hbmBack, 2, 1) == RGB(255, 255, 255);
        ::DeleteObject(hbmBack);
    }
    EXPECT_TRUE(bSame);
    // The caller's bitmap stays the caller's.
    EXPECT_EQ(RGB(255, 0, 0), PixelOf((HBITMAP)bitmap.GetSafeHandle(), 0, 0));
    EXPECT_FALSE(AfxSetClipboardBitmap(owner.GetSafeHwnd(), NULL));
}

/////////////////////////////////////////////////////////////////////////////
// The Edit Button Image dialog

namespace
{
class CTestImageEditDlg : public CORXImageEditDlg
{
public:
    using CORXImageEditDlg::CORXImageEditDlg;
    using CORXImageEditDlg::PlaceBitmap;
};

// Answers each visible dialog of this thread (a message box, a modal dialog) with OK and keeps the
// text of its first static. A thread timer finds them: the modal loops dispatch it, and it needs no
// activation, which a program in the background of a busy desktop may not get.
class CBoxAnswerer
{
public:
    CBoxAnswerer()
    {
        s_pThis = this;
        m_nTimer = ::SetTimer(NULL, 0, 50, Tick);
    }
    ~CBoxAnswerer()
    {
        ::KillTimer(NULL, m_nTimer);
        s_pThis = NULL;
    }
    std::vector<std::string> m_texts;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_pThis != NULL)
            ::EnumThreadWindows(::GetCurrentThreadId(), Visit, 0);
    }
    static BOOL CALLBACK Visit(HWND hwnd, LPARAM)
    {
        TCHAR szClass[16] = {};
        ::GetClassName(hwnd, szClass, 16);
        TCHAR szText[256] = {};
        // A dialog stays on the screen a moment after it was answered.
        if (lstrcmp(szClass, _T("#32770")) == 0 && ::IsWindowVisible(hwnd) &&
            ::GetDlgItemText(hwnd, 0xFFFF, szText, 256) > 0 &&
            std::find(s_pThis->m_boxes.begin(), s_pThis->m_boxes.end(), hwnd) == s_pThis->m_boxes.end())
        {
            s_pThis->m_boxes.push_back(hwnd);
            s_pThis->m_texts.push_back(szText);
            ::PostMessage(hwnd, WM_COMMAND, IDOK, 0);
        }
        return TRUE;
    }
    std::vector<HWND> m_boxes;
    UINT_PTR m_nTimer;
    static CBoxAnswerer* s_pThis;
};
CBoxAnswerer* CBoxAnswerer::s_pThis = NULL;

CString StringOf(UINT nID)
{
    CString str;
    str.LoadString(nID);
    return str;
}
} // namespace

TEST(ImageEditDlg, PastePlacesTheBitmapAndAFailedOneChangesNothing)
{
    CHiddenTestParent parent;
    ASSERT_TRUE(parent.CreateHidden());
    CBitmap image;
    ASSERT_TRUE(MakeScreenBitmap(image, 16, 15, RGB(0, 128, 0)));
    CTestImageEditDlg dlg(&image, &parent);
    ASSERT_TRUE(dlg.Create(CORXImageEditDlg::IDD, &parent));
    EXPECT_GT(dlg.GetPaintArea().GetCellSize().cx, 0);
    EXPECT_EQ(CSize(16, 15), dlg.GetPaintArea().GetImageSize());
    EXPECT_EQ(9, dlg.GetTools().GetCount());

    // A larger bitmap shows its top-left part.
    CBitmap large;
    ASSERT_TRUE(MakeScreenBitmap(large, 32, 32, RGB(255, 0, 0)));
    SetPixelOf((HBITMAP)large.GetSafeHandle(), 0, 0, RGB(0, 0, 255));
    ASSERT_TRUE(dlg.PlaceBitmap((HBITMAP)large.GetSafeHandle()));
    EXPECT_EQ(RGB(0, 0, 255), PixelOf((HBITMAP)image.GetSafeHandle(), 0, 0));
    EXPECT_EQ(RGB(255, 0, 0), PixelOf((HBITMAP)image.GetSafeHandle(), 15, 14));

    // A smaller one is centred on the button face.
    CBitmap small;
    ASSERT_TRUE(MakeScreenBitmap(small, 8, 8, RGB(255, 0, 0)));
    ASSERT_TRUE(dlg.PlaceBitmap((HBITMAP)small.GetSafeHandle()));
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(face, PixelOf((HBITMAP)image.GetSafeHandle(), 3, 3));
    EXPECT_EQ(RGB(255, 0, 0), PixelOf((HBITMAP)image.GetSafeHandle(), 4, 3));
    EXPECT_EQ(RGB(255, 0, 0), PixelOf((HBITMAP)image.GetSafeHandle(), 11, 10));
    EXPECT_EQ(face, PixelOf((HBITMAP)image.GetSafeHandle(), 12, 11));
    EXPECT_FALSE(dlg.PlaceBitmap(NULL));

    // An empty clipboard: the paste fails and the image stays as it was.
    ASSERT_TRUE(::OpenClipboard(parent.GetSafeHwnd()));
    ::EmptyClipboard();
    ::CloseClipboard();
    SetPixelOf((HBITMAP)image.GetSafeHandle(), 0, 0, RGB(1, 2, 3));
    EXPECT_FALSE(dlg.PasteFromClipboard());
    EXPECT_EQ(RGB(1, 2, 3), PixelOf((HBITMAP)image.GetSafeHandle(), 0, 0));
    // Without a bitmap on the clipboard the palette offers no paste.
    dlg.SendMessage(WM_KICKIDLE);
    CORXToolBar& tools = dlg.GetTools();
    EXPECT_TRUE(tools.GetButtonStyle(tools.CommandToIndex(ID_ORX_IMAGE_PASTE)) & TBBS_DISABLED);
    EXPECT_FALSE(tools.GetButtonStyle(tools.CommandToIndex(ID_ORX_IMAGE_COPY)) & TBBS_DISABLED);

    // Clear fills with the face; the tools switch the paint area's mode.
    dlg.SendMessage(WM_COMMAND, ID_ORX_IMAGE_CLEAR);
    EXPECT_EQ(face, PixelOf((HBITMAP)image.GetSafeHandle(), 0, 0));
    dlg.SendMessage(WM_COMMAND, ID_ORX_IMAGE_ELLIPSE);
    EXPECT_EQ(Area::IMAGE_EDIT_MODE_ELLIPSE, dlg.GetPaintArea().GetMode());
    dlg.OnPickColor(RGB(1, 2, 3));
    EXPECT_EQ(Area::IMAGE_EDIT_MODE_PEN, dlg.GetPaintArea().GetMode());
    EXPECT_EQ(RGB(1, 2, 3), dlg.GetPaintArea().GetColor());
    EXPECT_EQ(RGB(1, 2, 3), dlg.GetColorBar().GetColor());
    dlg.DestroyWindow();
}

/////////////////////////////////////////////////////////////////////////////
// The image list and the Button Appearance dialog

namespace
{
// A user image well of n 16 x 15 images, image i filled with grey level i * 8, read from a file.
BOOL LoadUserImages(CORXToolbarImageList& images, const CTestFolder& folder, int n)
{
    const int cx = 16 * n, cy = 15, stride = (cx * 3 + 3) & ~3;
    Bytes file(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + stride * cy);
    BITMAPFILEHEADER* pfh = (BITMAPFILEHEADER*)file.data();
    BITMAPINFOHEADER* pih = (BITMAPINFOHEADER*)(file.data() + sizeof(BITMAPFILEHEADER));
    pfh->bfType = 0x4D42;
    pfh->bfSize = (DWORD)file.size();
    pfh->bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    pih->biSize = sizeof(BITMAPINFOHEADER);
    pih->biWidth = cx;
    pih->biHeight = cy;
    pih->biPlanes = 1;
    pih->biBitCount = 24;
    BYTE* pBits = file.data() + pfh->bfOffBits;
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
            memset(pBits + y * stride + x * 3, 10 + (x / 16) * 8, 3);
    folder.Write(_T("user.bmp"), file);
    return images.LoadFromFile(folder.File(_T("user.bmp")));
}

// A parent that counts the list's BN_CLICKED notifications.
class CListParent : public CHiddenTestParent
{
public:
    int m_nClicks = 0;

protected:
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam)
    {
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == 100)
            m_nClicks++;
        return TRUE;
    }
};

struct ButtonsList : ::testing::Test
{
    CTestFolder folder{_T("appearance")};
    CORXToolbarImageList images;
    CListParent parent;
    CORXButtonsList list;
    std::vector<CORXToolbarButton*> buttons;

    // n buttons in a list of the given size.
    void Fill(int n, int cx, int cy)
    {
        ASSERT_TRUE(LoadUserImages(images, folder, n > 0 ? n : 1));
        ASSERT_TRUE(parent.CreateHidden());
        ASSERT_TRUE(
            list.Create(_T(""), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, cx, cy), &parent, 100));
        list.SetImages(&images);
        for (int i = 0; i < n; i++)
        {
            CORXToolbarButton* pButton = new CORXToolbarButton;
            pButton->m_bUserButton = TRUE;
            pButton->SetImage(i);
            buttons.push_back(pButton);
            list.AddButton(pButton);
        }
    }
    ~ButtonsList() override
    {
        list.RemoveButtons();
        for (CORXToolbarButton* p : buttons)
            delete p;
    }
};
} // namespace

TEST_F(ButtonsList, LaysOutRowsAndScrollsTheSelectionIntoView)
{
    // Rows of 22 + 5 pixels; 100 pixels less 10 hold 3 rows; 30 buttons of 22 + 4 in 200 - 17 - 8 pixels
    // of width make rows of 7.
    Fill(30, 200 + ::GetSystemMetrics(SM_CXVSCROLL) - 16, 100);
    EXPECT_EQ(CSize(22, 22), list.GetButtonSize());
    list.RedrawWindow();
    EXPECT_EQ(CRect(4, 5, 26, 27), buttons[0]->Rect());
    EXPECT_EQ(CRect(30, 5, 52, 27), buttons[1]->Rect());
    const int nPerRow = (int)(std::count_if(buttons.begin(), buttons.end(),
                                            [](CORXToolbarButton* p) { return p->Rect().top == 5; }));
    ASSERT_GT(nPerRow, 1);
    EXPECT_EQ(5 + 27, buttons[nPerRow]->Rect().top);
    EXPECT_EQ(3, list.GetRowsPerPage());
    EXPECT_GT(list.GetMaxScrollOffset(), 0);
    EXPECT_EQ(0, list.GetMaxScrollOffset() % 27);

    // End selects the last and scrolls it into view; Down there keeps it; Home goes back to the top.
    list.SendMessage(WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(buttons.back(), list.GetSelectedButton());
    EXPECT_GT(list.GetScrollOffset(), 0);
    CRect rectClient;
    list.GetClientRect(rectClient);
    EXPECT_LE(buttons.back()->Rect().bottom, rectClient.bottom);
    EXPECT_GE(buttons.back()->Rect().top, rectClient.top);
    const int nClicks = parent.m_nClicks;
    list.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(buttons.back(), list.GetSelectedButton());
    EXPECT_EQ(nClicks, parent.m_nClicks);
    list.SendMessage(WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(buttons[28], list.GetSelectedButton());
    list.SendMessage(WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(buttons[0], list.GetSelectedButton());
    EXPECT_EQ(0, list.GetScrollOffset());
    EXPECT_EQ(nClicks + 2, parent.m_nClicks);

    // Scrolling stays within its range.
    list.SendMessage(WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(0, list.GetScrollOffset());
    list.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(27, list.GetScrollOffset());
    list.SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
    list.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(list.GetMaxScrollOffset(), list.GetScrollOffset());
    list.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 41), 0);
    EXPECT_EQ(54, list.GetScrollOffset()); // the nearest whole row
    list.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 40), 0);
    EXPECT_EQ(27, list.GetScrollOffset());

    EXPECT_TRUE(list.SelectButton(7));
    EXPECT_EQ(buttons[7], list.GetSelectedButton());
    EXPECT_FALSE(list.SelectButton(99));
    EXPECT_TRUE(list.SelectButton(-1));
    EXPECT_EQ(NULL, list.GetSelectedButton());
}

TEST_F(ButtonsList, EmptyOrTinyListsHaveNoRowsToScroll)
{
    Fill(0, 10, 8);
    list.RedrawWindow();
    EXPECT_EQ(0, list.GetMaxScrollOffset());
    list.SendMessage(WM_KEYDOWN, VK_END, 0);
    list.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
    list.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(NULL, list.GetSelectedButton());
    EXPECT_EQ(0, list.GetScrollOffset());
}

namespace
{
// The open customise sheet's image editor, which answers as told without showing anything.
class CTestSheet : public CORXCustomizeSheet
{
public:
    BOOL m_bAnswer = TRUE;
    int m_nAsked = 0;
    virtual void ShowToolBar(CORXToolBar*, BOOL) {}
    virtual BOOL OnEditToolbarMenuImage(CWnd*, CBitmap& bitmap, int)
    {
        m_nAsked++;
        SetPixelOf((HBITMAP)bitmap.GetSafeHandle(), 0, 0, RGB(255, 0, 0));
        return m_bAnswer;
    }
};

struct AppearanceDlg : ::testing::Test
{
    CTestFolder folder{_T("appearance")};
    CORXToolbarImageList images;
    CHiddenTestParent parent;
    CTestSheet sheet;

    void SetUp() override
    {
        ASSERT_TRUE(LoadUserImages(images, folder, 3));
        ASSERT_TRUE(parent.CreateHidden());
        CORXServices::Register<CORXCustomizeSheet>(&sheet);
    }
    void TearDown() override { CORXServices::Unregister<CORXCustomizeSheet>(&sheet); }
};
} // namespace

TEST_F(AppearanceDlg, KeepsTheAcceleratorAndWritesTheChoiceOnOK)
{
    CORXToolbarButton button(33551, -1, _T("&Open\tCtrl+O"), TRUE, FALSE);
    button.m_bUserButton = TRUE;
    button.SetImage(1);
    button.m_bText = FALSE;
    button.m_bImage = TRUE;
    CORXButtonAppearanceDlg dlg(&button, &images, &parent);
    ASSERT_TRUE(dlg.Create(CORXButtonAppearanceDlg::IDD, &parent));
    CString strText;
    dlg.GetDlgItemText(IDC_ORX_BUTTON_TEXT, strText);
    EXPECT_EQ(CString(_T("&Open")), strText);
    EXPECT_TRUE(dlg.IsUserImageChosen());
    EXPECT_EQ(1, dlg.GetSelectedImage());

    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ORX_IMAGE_AND_TEXT, BN_CLICKED));
    dlg.SetDlgItemText(IDC_ORX_BUTTON_TEXT, _T("&Bell"));
    {
        CBoxAnswerer answerer;
        dlg.SendMessage(WM_COMMAND, IDOK);
        for (auto& t : answerer.m_texts)
            ADD_FAILURE() << t;
    }
    EXPECT_EQ(CString(_T("&Bell\tCtrl+O")), button.m_strText);
    EXPECT_TRUE(button.m_bText);
    EXPECT_TRUE(button.m_bImage);
    EXPECT_EQ(1, button.GetImage());
    dlg.DestroyWindow();
}

TEST_F(AppearanceDlg, DefaultImagePlaceIsCutToSixteen)
{
    CORXToolbarImageList& standard = CORXToolBar::GetImages();
    const CSize sizeOld = standard.GetImageSize();
    struct
    {
        CSize standard, place;
    } cases[] = {{CSize(32, 30), CSize(16, 16)}, {CSize(16, 15), CSize(16, 15)}};
    for (auto& c : cases)
    {
        standard.SetImageSize(c.standard);
        CORXToolbarButton button(33552, -1, _T("Clock"), FALSE, FALSE);
        CORXButtonAppearanceDlg dlg(&button, &images, &parent);
        ASSERT_TRUE(dlg.Create(CORXButtonAppearanceDlg::IDD, &parent));
        EXPECT_EQ(c.place, dlg.GetDefaultImageRect().Size());
        dlg.DestroyWindow();
    }
    standard.SetImageSize(sizeOld);
}

TEST_F(AppearanceDlg, NewAndEditAddAndReplaceImagesAndReportFailures)
{
    CORXToolbarButton button(33553, -1, _T("Clock"), TRUE, FALSE);
    button.m_bUserButton = TRUE;
    button.SetImage(0);
    button.m_bImage = TRUE;
    CORXButtonAppearanceDlg dlg(&button, &images, &parent);
    ASSERT_TRUE(dlg.Create(CORXButtonAppearanceDlg::IDD, &parent));

    // New: the editor's picture becomes a fourth image, selected.
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ORX_NEW_IMAGE, BN_CLICKED));
    EXPECT_EQ(1, sheet.m_nAsked);
    ASSERT_EQ(4, images.GetCount());
    EXPECT_EQ(3, dlg.GetSelectedImage());
    EXPECT_EQ(RGB(255, 0, 0), PixelOf(images.GetImageWell(), 3 * 16, 0));

    // A cancelled editor adds nothing.
    sheet.m_bAnswer = FALSE;
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ORX_NEW_IMAGE, BN_CLICKED));
    EXPECT_EQ(4, images.GetCount());
    sheet.m_bAnswer = TRUE;

    // Edit: the selected image is replaced.
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ORX_EDIT_IMAGE, BN_CLICKED));
    EXPECT_EQ(RGB(255, 0, 0), PixelOf(images.GetImageWell(), 3 * 16, 0));
    dlg.DestroyWindow();

    // A well that takes no image: New and Edit say so, and nothing changes.
    CORXToolbarImageList shared;
    images.CopyTo(shared);
    CORXButtonAppearanceDlg dlgShared(&button, &shared, &parent);
    ASSERT_TRUE(dlgShared.Create(CORXButtonAppearanceDlg::IDD, &parent));
    {
        CBoxAnswerer answerer;
        dlgShared.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ORX_NEW_IMAGE, BN_CLICKED));
        dlgShared.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ORX_EDIT_IMAGE, BN_CLICKED));
        PumpPending();
        ASSERT_EQ(2u, answerer.m_texts.size());
        EXPECT_EQ(std::string(StringOf(IDS_ORX_CANT_CREATE_IMAGE)), answerer.m_texts[0]);
        EXPECT_EQ(std::string(StringOf(IDS_ORX_CANT_UPDATE_IMAGE)), answerer.m_texts[1]);
    }
    EXPECT_EQ(4, shared.GetCount());
    dlgShared.DestroyWindow();
}

TEST_F(AppearanceDlg, RefusesImageWithoutAnImageAndTextWithoutText)
{
    // No default image for the command: the default radio with image on cannot be accepted.
    CORXToolbarButton button(33554, -1, _T(""), FALSE, FALSE);
    button.m_bImage = TRUE;
    button.m_bText = FALSE;
    CORXButtonAppearanceDlg dlg(&button, &images, &parent);
    ASSERT_TRUE(dlg.Create(CORXButtonAppearanceDlg::IDD, &parent));
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ORX_DEFAULT_IMAGE_RADIO, BN_CLICKED));
    {
        CBoxAnswerer answerer;
        dlg.SendMessage(WM_COMMAND, IDOK);
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ORX_TEXT_ONLY, BN_CLICKED));
        dlg.SendMessage(WM_COMMAND, IDOK);
        PumpPending();
        ASSERT_EQ(2u, answerer.m_texts.size());
        EXPECT_EQ(std::string(StringOf(IDS_ORX_SELECT_IMAGE)), answerer.m_texts[0]);
        EXPECT_EQ(std::string(StringOf(IDS_ORX_ENTER_TEXT)), answerer.m_texts[1]);
    }
    EXPECT_TRUE(dlg.IsWindowVisible() || dlg.GetSafeHwnd() != NULL);
    EXPECT_TRUE(button.m_bImage);
    EXPECT_FALSE(button.m_bText);
    dlg.DestroyWindow();
}

TEST_F(AppearanceDlg, MenuModeWithoutAnImageOffersNoDisplayChoice)
{
    CORXToolbarButton button(33555, -1, _T("Alarm"), FALSE, FALSE);
    button.m_bImage = FALSE;
    button.m_bText = TRUE;
    CORXButtonAppearanceDlg dlg(&button, &images, &parent, 0, TRUE);
    ASSERT_TRUE(dlg.Create(CORXButtonAppearanceDlg::IDD, &parent));
    EXPECT_FALSE(dlg.GetDlgItem(IDC_ORX_IMAGE_ONLY)->IsWindowEnabled());
    EXPECT_FALSE(dlg.GetDlgItem(IDC_ORX_TEXT_ONLY)->IsWindowEnabled());
    EXPECT_FALSE(dlg.GetDlgItem(IDC_ORX_IMAGE_AND_TEXT)->IsWindowEnabled());
    EXPECT_TRUE(dlg.IsDlgButtonChecked(IDC_ORX_TEXT_ONLY));
    EXPECT_FALSE(dlg.GetDlgItem(IDC_ORX_USER_IMAGES)->IsWindowEnabled());
    EXPECT_TRUE(dlg.GetDlgItem(IDC_ORX_BUTTON_TEXT)->IsWindowEnabled());
    dlg.DestroyWindow();
}

TEST_F(AppearanceDlg, TheBarsTextLockKeepsTheTextBoxShut)
{
    CORXToolbarButton button(33555, -1, _T("Alarm"), FALSE, FALSE);
    button.m_bImage = FALSE;
    button.m_bText = TRUE;
    CORXToolBar::m_bLockTextEdit = TRUE;
    CORXButtonAppearanceDlg dlg(&button, &images, &parent, 0, FALSE);
    ASSERT_TRUE(dlg.Create(CORXButtonAppearanceDlg::IDD, &parent));
    EXPECT_FALSE(dlg.GetDlgItem(IDC_ORX_BUTTON_TEXT)->IsWindowEnabled());
    CORXToolBar::m_bLockTextEdit = FALSE;
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ORX_IMAGE_AND_TEXT, BN_CLICKED));
    EXPECT_TRUE(dlg.GetDlgItem(IDC_ORX_BUTTON_TEXT)->IsWindowEnabled());
    dlg.DestroyWindow();
}

TEST_F(AppearanceDlg, ChoosingUserDefinedClearsTheSelectionUntilAnImageIsPicked)
{
    CORXToolbarButton button(33556, -1, _T("Alarm"), FALSE, FALSE);
    button.m_bImage = TRUE;
    CORXButtonAppearanceDlg dlg(&button, &images, &parent);
    ASSERT_TRUE(dlg.Create(CORXButtonAppearanceDlg::IDD, &parent));
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ORX_USER_IMAGE_RADIO, BN_CLICKED));
    EXPECT_EQ(-1, dlg.GetSelectedImage());
    EXPECT_FALSE(dlg.GetDlgItem(IDC_ORX_EDIT_IMAGE)->IsWindowEnabled());
    EXPECT_TRUE(dlg.GetDlgItem(IDC_ORX_USER_IMAGES)->IsWindowEnabled());
    dlg.GetDlgItem(IDC_ORX_USER_IMAGES)->SendMessage(WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(2, dlg.GetSelectedImage());
    EXPECT_TRUE(dlg.GetDlgItem(IDC_ORX_EDIT_IMAGE)->IsWindowEnabled());
    dlg.SendMessage(WM_COMMAND, IDOK);
    EXPECT_TRUE(button.m_bUserButton);
    EXPECT_EQ(2, button.GetImage());
    dlg.DestroyWindow();
}

TEST_F(AppearanceDlg, TheProviderOffersTheDialogToTheBarsWhileItLives)
{
    CORXButtonAppearance* pBefore = CORXServices::Find<CORXButtonAppearance>();
    {
        CORXButtonAppearanceProvider provider;
        ASSERT_EQ(&provider, CORXServices::Find<CORXButtonAppearance>());
        // The dialog itself runs end to end; without a button there is nothing to show.
        EXPECT_EQ(IDCANCEL, provider.DoButtonAppearance(NULL, &images, &parent, 0, FALSE));
    }
    EXPECT_EQ(pBefore, CORXServices::Find<CORXButtonAppearance>());
}

namespace
{
// Works the Edit Button Image dialog when it opens on this thread: the pencil puts the current
// colour (black) on pixel (0, 0), then the dialog is answered with OK or Cancel.
class CEditorDriver
{
public:
    explicit CEditorDriver(UINT nAnswer) : m_nAnswer(nAnswer)
    {
        s_pThis = this;
        m_nTimer = ::SetTimer(NULL, 0, 50, Tick);
    }
    ~CEditorDriver()
    {
        ::KillTimer(NULL, m_nTimer);
        s_pThis = NULL;
    }
    int m_nOpened = 0;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_pThis != NULL)
            ::EnumThreadWindows(::GetCurrentThreadId(), Visit, 0);
    }
    static BOOL CALLBACK Visit(HWND hwnd, LPARAM)
    {
        TCHAR szText[64] = {};
        ::GetWindowText(hwnd, szText, 64);
        if (lstrcmp(szText, _T("Edit Button Image")) != 0 || !::IsWindowVisible(hwnd) ||
            hwnd == s_pThis->m_hwndLast)
            return TRUE;
        s_pThis->m_hwndLast = hwnd;
        s_pThis->m_nOpened++;
        HWND hwndArea = ::GetDlgItem(hwnd, IDC_ORX_PAINT_AREA);
        CORXImagePaintArea* pArea = dynamic_cast<CORXImagePaintArea*>(CWnd::FromHandlePermanent(hwndArea));
        if (pArea != NULL)
        {
            CSize cell = pArea->GetCellSize();
            LPARAM lPoint = MAKELPARAM(1 + cell.cx / 2, 1 + cell.cy / 2);
            ::SendMessage(hwndArea, WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
            ::SendMessage(hwndArea, WM_LBUTTONUP, 0, lPoint);
        }
        ::PostMessage(hwnd, WM_COMMAND, s_pThis->m_nAnswer, 0);
        return TRUE;
    }
    UINT m_nAnswer;
    HWND m_hwndLast = NULL;
    UINT_PTR m_nTimer;
    static CEditorDriver* s_pThis;
};
CEditorDriver* CEditorDriver::s_pThis = NULL;

// The framework's own customise sheet, open over a hidden frame.
struct AppearanceWithSheet : ::testing::Test
{
    CTestFolder folder{_T("appearance-sheet")};
    CORXToolbarImageList images;
    CFrameWnd* pFrame = NULL;
    CORXToolbarCustomize* pSheet = NULL;

    void SetUp() override
    {
        ASSERT_TRUE(LoadUserImages(images, folder, 3));
        pFrame = new CFrameWnd;
        ASSERT_TRUE(
            pFrame->Create(NULL, _T("Appearance sheet test"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 200)));
        pSheet = new CORXToolbarCustomize(pFrame, FALSE, 0);
        ASSERT_TRUE(pSheet->Create());
        ASSERT_EQ(static_cast<CORXCustomizeSheet*>(pSheet), CORXServices::Find<CORXCustomizeSheet>());
    }
    void TearDown() override
    {
        if (pSheet != NULL)
            pSheet->DestroyWindow();
        if (pFrame != NULL)
            pFrame->DestroyWindow();
    }
};
} // namespace

TEST_F(AppearanceWithSheet, NewAndEditOpenTheImageEditorAndKeepOnlyWhatItAccepts)
{
    CORXToolbarButton button(33557, -1, _T("Clock"), TRUE, FALSE);
    button.m_bUserButton = TRUE;
    button.SetImage(0);
    button.m_bImage = TRUE;
    CORXButtonAppearanceDlg dlg(&button, &images, pFrame);
    ASSERT_TRUE(dlg.Create(CORXButtonAppearanceDlg::IDD, pFrame));
    const COLORREF clrOld = PixelOf(images.GetImageWell(), 0, 0);
    const COLORREF clrPencil = CORXToolbarImageList::MapToSysColor(RGB(0, 0, 0));
    ASSERT_NE(clrPencil, clrOld);

    // A cancelled editor adds no image.
    {
        CEditorDriver driver(IDCANCEL);
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ORX_NEW_IMAGE, BN_CLICKED));
        EXPECT_EQ(1, driver.m_nOpened);
    }
    EXPECT_EQ(3, images.GetCount());

    // New: the editor's picture, a black pixel on the face colour, becomes a fourth image.
    {
        CEditorDriver driver(IDOK);
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ORX_NEW_IMAGE, BN_CLICKED));
        EXPECT_EQ(1, driver.m_nOpened);
    }
    ASSERT_EQ(4, images.GetCount());
    EXPECT_EQ(3, dlg.GetSelectedImage());
    EXPECT_EQ(clrPencil, PixelOf(images.GetImageWell(), 3 * 16, 0));
    EXPECT_EQ(globalData.clrBtnFace, PixelOf(images.GetImageWell(), 3 * 16 + 8, 8));

    // Edit: the first image gets the pixel only when the editor is accepted.
    dlg.GetDlgItem(IDC_ORX_USER_IMAGES)->SendMessage(WM_KEYDOWN, VK_HOME, 0);
    ASSERT_EQ(0, dlg.GetSelectedImage());
    {
        CEditorDriver driver(IDCANCEL);
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ORX_EDIT_IMAGE, BN_CLICKED));
        EXPECT_EQ(1, driver.m_nOpened);
    }
    EXPECT_EQ(clrOld, PixelOf(images.GetImageWell(), 0, 0));
    {
        CEditorDriver driver(IDOK);
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ORX_EDIT_IMAGE, BN_CLICKED));
        EXPECT_EQ(1, driver.m_nOpened);
    }
    EXPECT_EQ(clrPencil, PixelOf(images.GetImageWell(), 0, 0));
    EXPECT_EQ(4, images.GetCount());
    dlg.DestroyWindow();
}
