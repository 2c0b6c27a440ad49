#include "render/ShapeFixture.h"

#include <gtest/gtest.h>

// vnTabNormal and vnTabSquare on bottom, right and left headers, 60 long and 18 thick, as traced
// GDI calls. Right and left headers stand across their row: x from L to X = L + H, y from T to
// V = T + W.
namespace vntab::render_testing {
namespace {

using Lines = std::vector<std::string>;

TEST(BottomOutline, NormalLook1LightsOnlyTheLeftSide) {
    ShapeBench bench(vn3DWindows95, vnOrientationBottom);
    gdi::RECT caption;
    EXPECT_EQ(bench.Draw(ShapeBench::Header(2, 10, 160, 60, 18), &caption),
              (Lines{"poly 10,158 10,175 13,178 67,178 70,175 70,158 TAB", "M 10,160", "L 10,176 HL",
                     "M 11,176", "L 12,177 DK", "L 67,177 DK", "L 69,175 DK", "L 69,160 DK", "M 11,175",
                     "L 12,176 SH", "L 67,176 SH", "L 68,175 SH", "L 68,159 SH", "M 66,176", "L 68,174 SH"}));
    EXPECT_EQ(caption, (gdi::RECT{14, 160, 66, 174}));
}

TEST(BottomOutline, NormalLook2) {
    ShapeBench bench(vn3DWindows, vnOrientationBottom);
    gdi::RECT caption;
    EXPECT_EQ(
        bench.Draw(ShapeBench::Header(2, 10, 160, 60, 18, 2), &caption),
        (Lines{"poly 10,157 10,175 13,178 67,178 70,175 70,157 TAB", "M 10,160", "L 10,175 DK", "L 12,177 DK",
               "L 67,177 DK", "L 69,175 DK", "L 69,160 DK", "poly 11,160 13,158 13,173 11,175 HL",
               "poly 11,175 13,173 14,175 65,175 67,173 67,158 69,160 69,175 67,177 68,177 12,177 SH"}));
    EXPECT_EQ(caption, (gdi::RECT{15, 160, 65, 173}));
}

TEST(RightOutline, NormalLook1) {
    ShapeBench bench(vn3DWindows95, vnOrientationRight);
    gdi::RECT caption;
    EXPECT_EQ(bench.Draw(ShapeBench::Header(2, 240, 30, 60, 18), &caption),
              (Lines{"poly 238,30 256,30 258,32 258,86 255,90 238,90 TAB", "M 240,30", "L 255,30 HL",
                     "L 257,32 HL", "L 257,87 DK", "L 256,87 DK", "L 255,89 DK", "L 239,89 DK", "M 256,32",
                     "L 256,87 SH", "L 255,88 SH", "L 238,88 SH", "M 256,86", "L 254,88 SH"}));
    EXPECT_EQ(caption, (gdi::RECT{241, 34, 255, 87}));
}

TEST(RightOutline, NormalLook2) {
    ShapeBench bench(vn3DWindows, vnOrientationRight);
    gdi::RECT caption;
    EXPECT_EQ(
        bench.Draw(ShapeBench::Header(2, 240, 30, 60, 18, 2), &caption),
        (Lines{"poly 237,30 256,30 258,32 258,86 255,90 237,90 TAB", "M 240,30", "L 256,30 DK", "L 257,31 DK",
               "L 257,87 DK", "L 256,89 DK", "L 239,89 DK", "poly 240,31 238,33 254,33 256,31 HL",
               "poly 257,30 255,32 255,87 238,87 240,89 257,89 SH"}));
    EXPECT_EQ(caption, (gdi::RECT{241, 35, 254, 86}));
}

TEST(LeftOutline, NormalLook1) {
    ShapeBench bench(vn3DWindows95, vnOrientationLeft);
    gdi::RECT caption;
    EXPECT_EQ(bench.Draw(ShapeBench::Header(2, 10, 30, 60, 18), &caption),
              (Lines{"poly 30,30 12,30 10,32 10,87 13,90 30,90 TAB", "M 28,30", "L 12,30 HL", "L 10,32 HL",
                     "L 10,87 HL", "L 11,88 HL", "L 12,89 DK", "L 29,89 DK", "M 11,87", "L 12,88 SH",
                     "L 29,88 SH"}));
    EXPECT_EQ(caption, (gdi::RECT{12, 32, 28, 85}));
}

TEST(LeftOutline, NormalLook2) {
    ShapeBench bench(vn3DWindows, vnOrientationLeft);
    gdi::RECT caption;
    EXPECT_EQ(bench.Draw(ShapeBench::Header(2, 10, 30, 60, 18, 2), &caption),
              (Lines{"poly 31,30 12,30 10,32 10,87 13,90 31,90 TAB", "M 28,30", "L 12,30 DK", "L 10,32 DK",
                     "L 10,87 DK", "L 12,89 DK", "L 29,89 DK",
                     "poly 29,31 31,33 14,33 13,34 13,85 11,87 11,32 12,31 HL",
                     "poly 11,87 12,85 15,87 33,87 30,89 12,88 SH"}));
    EXPECT_EQ(caption, (gdi::RECT{13, 33, 28, 84}));
}

TEST(BottomOutline, SquareLook1) {
    ShapeBench bench(vn3DWindows95, vnOrientationBottom);
    bench.state().TabStyle = vnTabSquare;
    gdi::RECT caption;
    EXPECT_EQ(bench.Draw(ShapeBench::Header(2, 10, 160, 60, 18), &caption),
              (Lines{"rect 10,158,70,178 TAB", "M 10,160", "L 10,177 HL", "L 69,177 DK", "L 69,160 DK",
                     "M 11,176", "L 68,176 SH", "L 68,159 SH"}));
    EXPECT_EQ(caption, (gdi::RECT{15, 166, 65, 173}));
}

TEST(BottomOutline, SquareLook2) {
    ShapeBench bench(vn3DWindows, vnOrientationBottom);
    bench.state().TabStyle = vnTabSquare;
    EXPECT_EQ(
        bench.Draw(ShapeBench::Header(2, 10, 160, 60, 18, 2)),
        (Lines{"rect 10,157,70,178 TAB", "M 10,160", "L 10,177 DK", "L 69,177 DK", "L 69,160 DK",
               "poly 11,159 13,157 13,174 11,176 HL", "poly 10,177 12,175 67,175 67,157 69,159 69,177 SH"}));
}

// Every style, turned, draws its outer edge where the header ends, in the colour the light gives
// it, and nothing beyond it.
class TurnedStyles : public testing::TestWithParam<std::tuple<int32_t, int32_t, int32_t>> {};

TEST_P(TurnedStyles, OuterEdgeFacesTheLightAndNothingLiesBeyondIt) {
    const auto [orientation, style, look] = GetParam();
    ShapeBench bench(look, orientation);
    bench.state().TabStyle = style;
    bench.state().TabStyleWidth = 6;
    bench.state().TabStyleHeight = 5;
    const bool across = orientation == vnOrientationRight || orientation == vnOrientationLeft;
    const render::TabShape shape =
        across ? ShapeBench::Header(2, 100, 40, 80, 24) : ShapeBench::Header(2, 60, 80, 80, 24);
    bench.Draw(shape);
    // The header's box in device pixels, and its outer edge.
    const int32_t left = shape.header.left, top = shape.header.top;
    const int32_t right = across ? left + 24 : left + 80, bottom = across ? top + 80 : top + 24;
    const int32_t mid_x = (left + right) / 2, mid_y = (top + bottom) / 2;
    auto pixel = [&](int32_t x, int32_t y) { return gdi::GetPixel(bench.dc, x, y); };
    switch (orientation) {
    case vnOrientationBottom: // outer edge at the bottom, in shadow
        EXPECT_EQ(pixel(mid_x, bottom - 1), kDarkShadow);
        EXPECT_EQ(pixel(mid_x, bottom), 0u);
        break;
    case vnOrientationRight: // outer edge at the right, in shadow
        EXPECT_EQ(pixel(right - 1, mid_y), kDarkShadow);
        EXPECT_EQ(pixel(right, mid_y), 0u);
        break;
    case vnOrientationLeft: // outer edge at the left, lit (dark outline in the Windows look)
        EXPECT_EQ(pixel(left, mid_y), look == vn3DWindows ? kDarkShadow : kHighlight);
        EXPECT_EQ(pixel(left - 1, mid_y), 0u);
        break;
    default:
        break;
    }
    // Nothing of the header beyond its outer edge.
    for (int32_t x = 0; x < 300; ++x)
        for (int32_t y = 0; y < 200; ++y) {
            const bool beyond = (orientation == vnOrientationBottom && y >= bottom) ||
                                (orientation == vnOrientationRight && x >= right) ||
                                (orientation == vnOrientationLeft && x < left);
            if (beyond) {
                ASSERT_EQ(pixel(x, y), 0u) << x << "," << y;
            }
        }
}

INSTANTIATE_TEST_SUITE_P(
    AllTurnedStyles, TurnedStyles,
    testing::Combine(testing::Values(vnOrientationRight, vnOrientationBottom, vnOrientationLeft),
                     testing::Values(vnTabNormal, vnTabChamfered, vnTabRounded, vnTabSlanted, vnTabSquare),
                     testing::Values(vn3DWindows95, vn3DWindows)));

} // namespace
} // namespace vntab::render_testing
