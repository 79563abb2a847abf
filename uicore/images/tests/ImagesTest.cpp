// Image wells: loading, appending, colour mapping, user wells across colour changes, the glyphs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DemoIds.h"
#include "ORXToolbarImageList.h"
#include "TestSupport.h"
#include "TestDrawing.h"
#include "uicore/uicore_res.h"

TEST(ImageList, LoadsAppendsOnceAndRefusesIndicesOutside)
{
    CORXToolbarImageList images;
    EXPECT_EQ(CSize(16, 15), CSize(images.GetImageSize()));
    ASSERT_TRUE(images.Load(IDR_DEMO_TOOLBAR, NULL, TRUE));
    EXPECT_EQ(7, images.GetCount());
    EXPECT_EQ(0, images.GetResourceOffset(IDR_DEMO_TOOLBAR));
    EXPECT_TRUE(images.Load(IDR_DEMO_TOOLBAR, NULL, TRUE));
    EXPECT_EQ(7, images.GetCount());
    ASSERT_TRUE(images.Load(IDR_DEMO_SECOND, NULL, TRUE));
    EXPECT_EQ(14, images.GetCount());
    EXPECT_EQ(7, images.GetResourceOffset(IDR_DEMO_SECOND));
    EXPECT_EQ(-1, images.GetResourceOffset(999));
    EXPECT_FALSE(images.Load(999));
    EXPECT_EQ(0, images.GetCount()); // a failed load without add leaves the list empty

    ASSERT_TRUE(images.Load(IDR_DEMO_TOOLBAR));
    HDC hScreen = ::GetDC(NULL);
    CDC* pDC = CDC::FromHandle(hScreen);
    CORXDrawState ds;
    ASSERT_TRUE(images.PrepareDrawImage(ds));
    EXPECT_FALSE(images.Draw(pDC, 0, 0, -1));
    EXPECT_FALSE(images.Draw(pDC, 0, 0, images.GetCount()));
    EXPECT_TRUE(images.Draw(pDC, 0, 0, 0));
    images.EndDrawImage(ds);
    ::ReleaseDC(NULL, hScreen);

    CORXToolbarImageList shared;
    images.CopyTo(shared);
    EXPECT_TRUE(shared.IsShared());
    EXPECT_EQ(images.GetImageWell(), shared.GetImageWell());
    EXPECT_FALSE(shared.Load(IDR_DEMO_TOOLBAR));
    EXPECT_EQ(-1, shared.AddImage(images.GetImageWell()));
}

TEST(ImageList, ADisabledTrueColourImageIsGreyedWhereItIsDrawn)
{
    CORXToolbarImageList images;
    ASSERT_TRUE(images.Load(IDR_DEMO_TOOLBAR));
    ASSERT_EQ(24, images.GetBitsPerPixel());
    CTestSurface surface(60, 40, RGB(255, 0, 0), TRUE);
    CORXDrawState ds;
    ASSERT_TRUE(images.PrepareDrawImage(ds));
    EXPECT_TRUE(images.Draw(surface.DC(), 20, 10, 0, FALSE, TRUE));
    images.EndDrawImage(ds);
    // The page's blue lines (row 4 of the image) come out grey; the target's origin is untouched,
    // and so is the column just right of the image.
    COLORREF clrLine = surface.At(20 + 6, 10 + 4);
    EXPECT_EQ(GetRValue(clrLine), GetGValue(clrLine));
    EXPECT_EQ(GetGValue(clrLine), GetBValue(clrLine));
    EXPECT_EQ(RGB(255, 0, 0), surface.At(1, 1));
    EXPECT_EQ(RGB(255, 0, 0), surface.At(20 + 16, 10 + 5));
}

TEST(ImageList, ClassicColoursMapToTheSystemOnesAndBack)
{
    struct
    {
        COLORREF clr;
        int nSysColor;
    } cases[] = {{RGB(0, 0, 0), COLOR_BTNTEXT},
                 {RGB(128, 128, 128), COLOR_BTNSHADOW},
                 {RGB(192, 192, 192), COLOR_BTNFACE},
                 {RGB(255, 255, 255), COLOR_BTNHIGHLIGHT}};
    for (auto& c : cases)
    {
        COLORREF clrSys = ::GetSysColor(c.nSysColor);
        EXPECT_EQ(clrSys, CORXToolbarImageList::MapToSysColor(c.clr, FALSE));
        EXPECT_EQ(c.clr, CORXToolbarImageList::MapFromSysColor(clrSys, FALSE));
    }
    EXPECT_EQ(RGB(1, 2, 3), CORXToolbarImageList::MapToSysColor(RGB(1, 2, 3), FALSE));
    // In RGBQUAD order red and blue change places on the way in and out.
    COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    EXPECT_EQ(RGB(GetBValue(clrShadow), GetGValue(clrShadow), GetRValue(clrShadow)),
              CORXToolbarImageList::MapToSysColor(RGB(128, 128, 128), TRUE));
}

TEST(ImageList, UserWellKeepsUnsavedEditsAndItsBitmapWhenAReloadFails)
{
    CTestFolder folder;
    CORXToolbarImageList source;
    ASSERT_TRUE(source.Load(IDR_DEMO_TOOLBAR));
    source.Clear();
    ASSERT_TRUE(source.Load(IDR_DEMO_TOOLBAR, NULL, TRUE));

    // A user well is a bitmap file; write one from the demonstration images.
    CORXToolbarImageList user;
    ASSERT_TRUE(user.AddImage(source.GetImageWell()) >= 0);
    CString strFile = folder.File(_T("user.bmp"));
    // An appended well is not a user well: it has no file to be saved to.
    EXPECT_FALSE(user.Save(strFile));

    HBITMAP hbmp = (HBITMAP)::LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_DEMO_TOOLBAR),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    ASSERT_NE((HBITMAP)NULL, hbmp);
    // The resource's own bytes as a file.
    folder.Write(_T("user.bmp"), BitmapFileOf(IDR_DEMO_TOOLBAR));
    ASSERT_TRUE(user.LoadFromFile(strFile));
    EXPECT_TRUE(user.IsUserImagesList());
    EXPECT_EQ(7, user.GetCount());
    EXPECT_TRUE(user.Save()); // nothing changed: nothing written

    // An edit, then a colour change: the edit stays.
    CBitmap red;
    ASSERT_TRUE(MakeScreenBitmap(red, 16, 15, RGB(255, 0, 0)));
    ASSERT_TRUE(user.UpdateImage(0, (HBITMAP)red.GetSafeHandle()));
    EXPECT_TRUE(user.IsModified());
    user.OnSysColorChange();
    EXPECT_TRUE(user.IsModified());
    EXPECT_EQ(RGB(255, 0, 0), PixelOf(user.GetImageWell(), 5, 5));

    // Saved, the file goes away, and a colour change cannot read it: the old well stays.
    ASSERT_TRUE(user.Save());
    EXPECT_FALSE(user.IsModified());
    ::DeleteFile(strFile);
    user.OnSysColorChange();
    EXPECT_NE((HBITMAP)NULL, user.GetImageWell());
    EXPECT_EQ(7, user.GetCount());
    ::DeleteObject(hbmp);
}

TEST(ImageList, AUserWellRefusesABitmapFileThatIsNotWhole)
{
    CTestFolder folder;
    const Bytes whole = BitmapFileOf(IDR_DEMO_TOOLBAR);
    ASSERT_GT(whole.size(), 54u);
    CString strFile = folder.File(_T("user.bmp"));
    Bytes overclaim = whole;
    overclaim[23] = 0x60; // the height's second byte: far more rows than the file holds
    for (const Bytes& damaged : {Bytes(whole.begin(), whole.begin() + whole.size() / 2), overclaim,
                                 Bytes(whole.begin(), whole.begin() + 40), Bytes(300, 0x42)})
    {
        folder.Write(_T("user.bmp"), damaged);
        CORXToolbarImageList user;
        EXPECT_FALSE(user.LoadFromFile(strFile));
        EXPECT_FALSE(user.IsUserImagesList());
        EXPECT_EQ(0, user.GetCount());
    }
    folder.Write(_T("user.bmp"), whole);
    CORXToolbarImageList user;
    EXPECT_TRUE(user.LoadFromFile(strFile));
}

TEST(MenuImages, TheGlyphStripHasFortyMagentaBackedImagesInTheirNumbers)
{
    ASSERT_TRUE(CORXMenuImages::Initialize());
    EXPECT_EQ(CSize(9, 9), CORXMenuImages::Size());
    EXPECT_EQ(CORXMenuImages::IdCount, CORXMenuImages::Images().GetCount());
    EXPECT_EQ(RGB(255, 0, 255), CORXMenuImages::Images().GetTransparentColor());

    // A glyph drawn on white leaves the magenta background white and paints its shape.
    CTestSurface surface(9, 9, TRUE);
    const HDC hDC = surface.Handle();
    ::PatBlt(hDC, 0, 0, 9, 9, WHITENESS);
    CORXMenuImages::Draw(CDC::FromHandle(hDC), CORXMenuImages::IdClose, CPoint(0, 0));
    EXPECT_EQ(RGB(255, 255, 255), ::GetPixel(hDC, 0, 0));
    EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), ::GetPixel(hDC, 1, 1));

    // The numbers menus draw checked items with: the check mark and the radio dot, each followed by
    // its disabled form in the same shape.
    const std::vector<std::string> kCheck = {".........", ".......#.", "......##.", ".#...###.", ".##.###..",
                                             ".#####...", "..###....", "...#.....", "........."};
    const std::vector<std::string> kRadio = {".........", ".........", "...###...", "..#####..", "..#####..",
                                             "..#####..", "...###...", ".........", "........."};
    struct Shape
    {
        int iGlyph;
        const std::vector<std::string>& rows;
    } shapes[] = {{6, kCheck}, {7, kCheck}, {22, kRadio}, {23, kRadio}};
    for (const Shape& shape : shapes)
    {
        ::PatBlt(hDC, 0, 0, 9, 9, WHITENESS);
        CORXMenuImages::Draw(CDC::FromHandle(hDC), (CORXMenuImages::IMAGES_IDS)shape.iGlyph, CPoint(0, 0));
        std::vector<std::string> drawn(9, std::string(9, '.'));
        for (int y = 0; y < 9; y++)
            for (int x = 0; x < 9; x++)
                if (::GetPixel(hDC, x, y) != RGB(255, 255, 255))
                    drawn[y][x] = '#';
        EXPECT_EQ(shape.rows, drawn) << "glyph " << shape.iGlyph;
    }

    // A colour change drops the strip; the next use loads it again.
    CORXMenuImages::CleanUp();
    EXPECT_EQ(NULL, CORXMenuImages::Images().GetImageWell());
    EXPECT_EQ(CSize(9, 9), CORXMenuImages::Size());
    EXPECT_NE((HBITMAP)NULL, CORXMenuImages::Images().GetImageWell());
}
