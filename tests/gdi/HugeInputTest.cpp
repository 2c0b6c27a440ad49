#include "TestSurface.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

using namespace gdi;

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Far-off and huge coordinates cost what their visible part costs and never crash.
TEST(HugeInput, LinesFarOffTheSurfaceDrawOnlyTheirVisiblePart) {
    TestSurface s(20, 20);
    MoveToEx(s.dc, -2000000000, -2000000000, nullptr);
    EXPECT_TRUE(LineTo(s.dc, 2000000000, 2000000000));
    EXPECT_EQ(s.count(kBlack), 20);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(s.at(i, i), kBlack);
}

TEST(HugeInput, StyledLinesKeepTheirPatternWhereTheyEnterTheSurface) {
    TestSurface s(12, 3);
    HPEN pen = CreatePen(PS_DOT, 1, kBlack);
    HGDIOBJ old = SelectObject(s.dc, pen);
    SetBkMode(s.dc, TRANSPARENT);
    MoveToEx(s.dc, -5, 1, nullptr);
    LineTo(s.dc, 12, 1);
    const char* expected = ".###...###..";
    for (int x = 0; x < 12; ++x)
        EXPECT_EQ(s.at(x, 1) == kBlack, expected[x] == '#') << x;
    SelectObject(s.dc, old);
    DeleteObject(pen);
}

TEST(HugeInput, HugeEllipsesAndPolygonsDrawTheirVisibleRows) {
    TestSurface s(16, 16);
    SelectObject(s.dc, GetStockObject(BLACK_BRUSH));
    EXPECT_TRUE(Ellipse(s.dc, -1000000000, -1000000000, 1000000000, 1000000000));
    EXPECT_EQ(s.count(kBlack), 256);
    TestSurface t(16, 16);
    SelectObject(t.dc, GetStockObject(BLACK_BRUSH));
    const POINT triangle[] = {{-2000000000, -1000000000}, {2000000000, -1000000000}, {0, 2000000000}};
    EXPECT_TRUE(Polygon(t.dc, triangle, 3));
    EXPECT_EQ(t.count(kBlack), 256);
}

TEST(HugeInput, FlatHugeArcVisitsOnlyVisiblePixels) {
    TestSurface s(16, 16);
    EXPECT_TRUE(Arc(s.dc, -1000000000, 2, 1000000000, 12, 1000000000, 7, 1000000000, 7));
    EXPECT_EQ(s.count(kBlack), 32) << "the top and bottom rows of a whole ellipse" << s.picture(kBlack);
    HRGN edge = CreateRectRgn(0, 0, INT_MAX, 1);
    EXPECT_EQ(OffsetRgn(edge, 10, 0), SIMPLEREGION);
    DeleteObject(edge);
}

TEST(HugeInput, OversizedShapeRegionsFailInsteadOfExhaustingMemory) {
    EXPECT_FALSE(CreateEllipticRgn(0, -2000000000, 10, 2000000000));
    const POINT tall[] = {{0, -2000000000}, {5, 2000000000}, {10, 0}};
    EXPECT_FALSE(CreatePolygonRgn(tall, 3, ALTERNATE));
    HRGN wide = CreateRectRgn(-2000000000, -2000000000, 2000000000, 2000000000);
    EXPECT_TRUE(wide) << "a rectangle is one band whatever its size";
    EXPECT_TRUE(PtInRegion(wide, 0, 0));
    DeleteObject(wide);
}

TEST(HugeInput, StretchingOntoAHugeDestinationSamplesOnlyTheSurface) {
    TestSurface src(2, 2, kBlack), dst(10, 10);
    EXPECT_TRUE(
        StretchBlt(dst.dc, -1000000000, -1000000000, 2000000000, 2000000000, src.dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(dst.count(kBlack), 100);
}

TEST(HugeInput, ExtremeFontHeightsAreHeldToARange) {
    TestSurface s(10, 10);
    for (int32_t height : {INT_MIN, INT_MAX, -5000}) {
        LOGFONTA lf;
        lf.lfHeight = height;
        lf.lfWidth = INT_MIN;
        std::strcpy(lf.lfFaceName, "Arial");
        HFONT font = CreateFontIndirectA(&lf);
        HGDIOBJ old = SelectObject(s.dc, font);
        TEXTMETRICA tm;
        EXPECT_TRUE(GetTextMetricsA(s.dc, &tm));
        EXPECT_GT(tm.tmHeight, 0);
        EXPECT_TRUE(TextOutA(s.dc, 0, 0, "x", 1));
        EXPECT_FALSE(DescribeFont(font).family.empty());
        SelectObject(s.dc, old);
        DeleteObject(font);
    }
    EXPECT_EQ(s.count(kWhite) + s.count_not(kWhite), 100);
}

} // namespace
