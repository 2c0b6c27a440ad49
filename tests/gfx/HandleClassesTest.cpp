#include "support/ErrorNumber.h"

#include "gfx/CBitmap.h"
#include "gfx/CDC.h"
#include "gfx/CFont.h"
#include "gfx/CPen.h"
#include "gfx/CRgn.h"
#include "platform/user/SysColors.h"

#include <gtest/gtest.h>

#include <vector>

using namespace gfx;

namespace {

int region_area(gdi::HRGN region) {
    int area = 0;
    for (const gdi::RECT& r : gdi::GetRegionRects(region))
        area += (r.right - r.left) * (r.bottom - r.top);
    return area;
}

class LogicalDpi : public ::testing::Test {
protected:
    void TearDown() override { gdi::SetLogicalDpi(96); }
};

TEST(CPen, ChangingTheColourTwiceLeavesExactlyOneLivePen) {
    const int before = gdi::live_objects().pens;
    {
        CPen pen;
        pen.SetColor(0x0000FF);
        const gdi::HPEN first = pen.hPen();
        pen.SetColor(static_cast<int32_t>(0x80000010));
        EXPECT_EQ(gdi::live_objects().pens, before + 1);
        EXPECT_NE(pen.hPen(), first);
        EXPECT_EQ(gdi::GetObjectType(first), 0u) << "the previous pen was deleted";
        EXPECT_EQ(pen.Color(), user::GetSysColor(user::COLOR_BTNSHADOW)) << "stored translated";
        gdi::LOGPEN made;
        ASSERT_TRUE(gdi::GetLogPen(pen.hPen(), &made));
        EXPECT_EQ(made.lopnColor, 0x808080u);
    }
    EXPECT_EQ(gdi::live_objects().pens, before) << "the destructor deletes it";
}

TEST(CPen, InitAndCopyDescribeWithoutCreatingAndStyleOrWidthRecreate) {
    const int before = gdi::live_objects().pens;
    CPen a;
    a.Init(gdi::PS_DOT, CPoint(3, 0), 0x123456);
    EXPECT_FALSE(a.hPen());
    CPen b;
    b.CopyPen(a);
    EXPECT_FALSE(b.hPen());
    EXPECT_EQ(b.Color(), 0x123456u);
    EXPECT_EQ(b.GetWidth(), CPoint(3, 0));
    b.SetStyle(gdi::PS_SOLID);
    b.SetWidth(CPoint(1, 0));
    EXPECT_EQ(gdi::live_objects().pens, before + 1);
    gdi::LOGPEN made;
    gdi::GetLogPen(b.hPen(), &made);
    EXPECT_EQ(made.lopnStyle, gdi::PS_SOLID);
    EXPECT_EQ(made.lopnColor, 0x123456u) << "Init stores the colour as given";
    EXPECT_TRUE(b.DeletePen());
    EXPECT_FALSE(b.hPen());
    EXPECT_FALSE(b.DeletePen());
}

TEST(CRgn, EveryCreateDeletesThePreviousRegionTheDestructorTheLastAndABadCountKeepsIt) {
    const int before = gdi::live_objects().regions;
    {
        CRgn region;
        region.CreateRectRgn(0, 0, 10, 10);
        const gdi::HRGN first = region.hRgn();
        region.CreateEllipticRgn(0, 0, 10, 10);
        EXPECT_EQ(gdi::GetObjectType(first), 0u);
        const std::vector<CPoint> square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
        region.CreatePolygonRgn(square, 4, gdi::ALTERNATE);
        EXPECT_EQ(region_area(region.hRgn()), 100) << "exactly 10 x 10 pixels";
        EXPECT_EQ(gdi::live_objects().regions, before + 1);
    }
    EXPECT_EQ(gdi::live_objects().regions, before);
    // A polygon count beyond its points raises and keeps the region.
    CRgn region;
    region.CreateRectRgn(0, 0, 5, 5);
    const std::vector<CPoint> three{{0, 0}, {4, 0}, {0, 4}};
    EXPECT_EQ(error_number([&] { region.CreatePolygonRgn(three, 4, gdi::ALTERNATE); }),
              rt::kErrSubscriptOutOfRange);
    EXPECT_EQ(region_area(region.hRgn()), 25);
}

TEST(CRgn, CombineWorksOnAnExistingRegion) {
    CRgn a, b, result;
    a.CreateRectRgn(0, 0, 10, 10);
    b.CreateRectRgn(5, 0, 15, 10);
    EXPECT_EQ(result.CombineRgn(a, b, gdi::RGN_OR), gdi::ERROR) << "the destination must exist";
    result.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(result.CombineRgn(a, b, gdi::RGN_OR), gdi::SIMPLEREGION);
    EXPECT_EQ(region_area(result.hRgn()), 150);
    result.CombineRgn(a, b, gdi::RGN_DIFF);
    EXPECT_EQ(region_area(result.hRgn()), 50);
}

TEST(CRgn, PolyPolygonsCountAllTheirEdgesTogether) {
    // A 10 x 10 square with a 4 x 4 square inside, both drawn the same way round.
    const std::vector<CPoint> points{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {3, 3}, {7, 3}, {7, 7}, {3, 7}};
    const std::vector<int32_t> counts{4, 4};
    CRgn alternate, winding, single;
    alternate.CreatePolyPolygonRgn(points, counts, 2, gdi::ALTERNATE);
    winding.CreatePolyPolygonRgn(points, counts, 2, gdi::WINDING);
    EXPECT_EQ(region_area(alternate.hRgn()), 100 - 16) << "the inner square is a hole";
    EXPECT_EQ(region_area(winding.hRgn()), 100);
    single.CreatePolyPolygonRgn(points, counts, 1, gdi::ALTERNATE);
    CRgn polygon;
    polygon.CreatePolygonRgn(points, 4, gdi::ALTERNATE);
    EXPECT_TRUE(gdi::EqualRgn(single.hRgn(), polygon.hRgn())) << "one polygon matches CreatePolygonRgn";
    const std::vector<CPoint> triangle{{0, 0}, {9, 0}, {0, 7}};
    const std::vector<int32_t> three{3};
    single.CreatePolyPolygonRgn(triangle, three, 1, gdi::WINDING);
    polygon.CreatePolygonRgn(triangle, 3, gdi::WINDING);
    EXPECT_TRUE(gdi::EqualRgn(single.hRgn(), polygon.hRgn()));
    EXPECT_FALSE(single.CreatePolyPolygonRgn(triangle, three, 1, 7)) << "unknown fill mode";
}

TEST(CBitmap, KeepsItsHandleUntilTheCallerDeletesIt) {
    const int before = gdi::live_objects().bitmaps;
    CDC dc;
    dc.CreateCompatibleDC({});
    gdi::HBITMAP handle;
    {
        CBitmap bitmap;
        handle = bitmap.CreateCompatibleBitmap(dc, 12, 7);
        EXPECT_EQ(bitmap.Width(), 12);
        EXPECT_EQ(bitmap.Height(), 7);
        CBitmap copy;
        copy.CopyBitmap(bitmap);
        EXPECT_EQ(copy.Handle(), handle);
    }
    EXPECT_EQ(gdi::live_objects().bitmaps, before + 1) << "never deleted on its own";
    CBitmap owner;
    owner.SetHandle(handle);
    EXPECT_TRUE(owner.DeleteObject());
    EXPECT_EQ(owner.Handle(), handle) << "the handle stays stored";
    EXPECT_EQ(gdi::live_objects().bitmaps, before);
    dc.DeleteDC();
}

TEST_F(LogicalDpi, FontSizeAndHeightConvertAtTheTargetsPixelsPerInch) {
    CFont font;
    font.SetPixelsY(96);
    font.SetSize(8);
    EXPECT_EQ(font.Height(), -11) << "-10.67 rounds to -11";
    EXPECT_FLOAT_EQ(font.Size(), 8.25f);
    font.SetPixelsY(120);
    font.SetSize(8);
    EXPECT_EQ(font.Height(), -13) << "-13.33 rounds to -13";
    EXPECT_FLOAT_EQ(font.Size(), 7.8f);
    font.SetSize(9);
    EXPECT_EQ(font.Height(), -15);
    font.SetPixelsY(0);
    EXPECT_EQ(error_number([&] { font.Size(); }), rt::kErrDivisionByZero);
}

TEST_F(LogicalDpi, AnEightPointFontIsTallerAt120DpiThanAt96) {
    int heights[2];
    int i = 0;
    for (int dpi : {96, 120}) {
        gdi::SetLogicalDpi(dpi);
        CDC dc;
        dc.CreateCompatibleDC({});
        CFont font;
        font.SetName("Arial");
        font.SetPixelsY(dc.GetDeviceCaps(gdi::LOGPIXELSY));
        font.SetSize(8);
        const gdi::HGDIOBJ previous = dc.SelectObject(font.Handle());
        heights[i++] = dc.GetTextMetrics().tmHeight;
        dc.SelectObject(previous);
        dc.DeleteDC();
    }
    EXPECT_GT(heights[0], 0);
    EXPECT_GT(heights[1], heights[0]);
}

TEST(CFont, EveryWriteRecreatesTheFontAndDeleteResetsCharsetAndClipPrecision) {
    const int before = gdi::live_objects().fonts;
    CFont font;
    font.SetName("Times New Roman");
    const gdi::HFONT first = font.Handle();
    font.SetBold(true);
    font.SetItalic(true);
    font.SetEscapement(900);
    EXPECT_NE(font.Handle(), first);
    EXPECT_EQ(gdi::live_objects().fonts, before + 1);
    EXPECT_TRUE(font.Bold());
    EXPECT_EQ(font.GetLogFont().lfWeight, 700);
    EXPECT_EQ(font.GetLogFont().lfOrientation, 0) << "escapement only";
    gdi::LOGFONTA log = font.GetLogFont();
    log.lfCharSet = 2;
    log.lfClipPrecision = 3;
    log.lfWeight = 600;
    font.SetLogFont(log);
    EXPECT_FALSE(font.Bold()) << "bold is 700 or more";
    EXPECT_TRUE(font.DeleteObject());
    EXPECT_FALSE(font.Handle());
    EXPECT_EQ(font.GetLogFont().lfCharSet, 0);
    EXPECT_EQ(font.GetLogFont().lfClipPrecision, 0);
    EXPECT_EQ(gdi::live_objects().fonts, before);
}

TEST(CFont, NamesKeepTheirFirst32CharactersAndReadUpToTheFirstZero) {
    CFont font;
    font.SetName(std::string(40, 'x'));
    EXPECT_EQ(font.Name(), std::string(32, 'x'));
    font.SetName("MS Sans Serif");
    EXPECT_EQ(font.Name(), "MS Sans Serif");
    const gdi::LOGFONTA log = font.GetLogFont();
    EXPECT_EQ(log.lfFaceName[13], 0);
    EXPECT_EQ(log.lfFaceName[31], 0) << "the rest is zeroed";
}

} // namespace
