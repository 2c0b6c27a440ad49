#include "render/ShapeFixture.h"

#include <gtest/gtest.h>

// The outlines of the five styles on a top header at (10, 20), 60 long and 18 thick, as traced GDI
// calls: the fill, the edge groups in their colours and the caption rectangle. Tab 2 is not active
// and stands in row 0, so no panel is drawn; the bevel is passed as DrawTab would.
namespace vntab::render_testing {
namespace {

using Lines = std::vector<std::string>;

gdi::RECT Caption(ShapeBench& bench, const render::TabShape& shape, Lines* lines = nullptr) {
    gdi::RECT caption;
    Lines drawn = bench.Draw(shape, &caption);
    if (lines) *lines = drawn;
    return caption;
}

TEST(TopOutline, NormalLook1CutsTheCornersByTwoPixels) {
    ShapeBench bench(vn3DWindows95);
    gdi::RECT caption;
    EXPECT_EQ(
        bench.Draw(ShapeBench::Header(2, 10, 20, 60, 18), &caption),
        (Lines{"poly 10,40 10,22 12,20 67,20 69,22 69,40 TAB", "M 10,38", "L 10,22 HL", "L 12,20 HL",
               "L 68,20 HL", "M 68,21", "L 69,22 DK", "L 69,39 DK", "M 67,21", "L 68,22 SH", "L 68,39 SH"}));
    EXPECT_EQ(caption, (gdi::RECT{14, 22, 67, 37}));
}

TEST(TopOutline, NormalLook2OutlinesInDarkShadowWithBevelBands) {
    ShapeBench bench(vn3DWindows);
    gdi::RECT caption;
    EXPECT_EQ(bench.Draw(ShapeBench::Header(2, 10, 20, 60, 18, 2), &caption),
              (Lines{"poly 10,41 10,22 12,20 67,20 69,22 69,41 TAB", "M 10,38", "L 10,22 DK", "L 12,20 DK",
                     "L 67,20 DK", "M 67,20", "L 69,22 DK", "L 69,39 DK",
                     "poly 11,39 13,41 13,24 14,23 66,23 68,21 12,21 11,22 HL",
                     "poly 69,40 67,41 67,24 66,23 68,21 69,22 SH"}));
    EXPECT_EQ(caption, (gdi::RECT{15, 23, 66, 37}));
}

TEST(TopOutline, ChamferedDefaultsToAFourPixelChamfer) {
    ShapeBench bench(vn3DWindows95);
    bench.state().TabStyle = vnTabChamfered;
    Lines lines;
    EXPECT_EQ(Caption(bench, ShapeBench::Header(2, 10, 20, 60, 18), &lines), (gdi::RECT{14, 24, 66, 37}));
    EXPECT_EQ(lines, (Lines{"poly 10,40 10,24 14,20 65,20 69,24 69,40 TAB", "M 10,38", "L 10,24 HL",
                            "L 14,20 HL", "L 66,20 HL", "M 66,21", "L 69,24 DK", "L 69,39 DK", "M 65,21",
                            "L 68,24 SH", "L 68,39 SH"}));
}

TEST(TopOutline, ChamferedLook2) {
    ShapeBench bench(vn3DWindows);
    bench.state().TabStyle = vnTabChamfered;
    Lines lines;
    EXPECT_EQ(Caption(bench, ShapeBench::Header(2, 10, 20, 60, 18, 2), &lines), (gdi::RECT{15, 25, 65, 37}));
    EXPECT_EQ(lines, (Lines{"poly 10,41 10,24 14,20 65,20 69,24 69,41 TAB", "M 10,38", "L 10,24 DK",
                            "L 14,20 DK", "L 65,20 DK", "L 69,24 DK", "L 69,39 DK",
                            "poly 11,39 13,41 13,26 16,23 64,23 66,21 14,21 11,24 HL",
                            "poly 69,39 67,41 67,26 64,23 66,21 69,24 SH"}));
}

TEST(TopOutline, ChamferFollowsTabStyleWidthAndHeight) {
    ShapeBench bench(vn3DWindows95);
    bench.state().TabStyle = vnTabChamfered;
    bench.state().TabStyleWidth = 6;
    bench.state().TabStyleHeight = 3;
    const Lines lines = bench.Draw(ShapeBench::Header(2, 10, 20, 60, 18));
    EXPECT_EQ(lines.at(0), "poly 10,40 10,23 16,20 63,20 69,23 69,40 TAB");
}

TEST(TopOutline, SlantedUsesHalfTheTabHeightRoundedDown) {
    ShapeBench bench(vn3DWindows95);
    bench.state().TabStyle = vnTabSlanted;
    bench.state().TabHeight = 19; // a slant of 9
    Lines lines;
    EXPECT_EQ(Caption(bench, ShapeBench::Header(2, 10, 20, 60, 18), &lines), (gdi::RECT{21, 24, 59, 37}));
    EXPECT_EQ(lines, (Lines{"poly 10,39 19,20 60,20 69,39 69,40 10,40 TAB", "M 10,38", "L 19,20 HL",
                            "M 19,20", "L 60,20 HL", "L 69,38 DK", "L 60,20 DK", "M 68,38", "L 59,20 SH",
                            "M 68,39", "L 59,21 SH"}));
}

TEST(TopOutline, SlantedLook2DrawsItsBandsBeforeTheOutline) {
    ShapeBench bench(vn3DWindows);
    bench.state().TabStyle = vnTabSlanted;
    bench.state().TabHeight = 19;
    Lines lines;
    EXPECT_EQ(Caption(bench, ShapeBench::Header(2, 10, 20, 60, 18, 2), &lines), (gdi::RECT{22, 25, 58, 37}));
    EXPECT_EQ(lines, (Lines{"poly 10,39 19,20 60,20 69,39 69,41 10,41 TAB",
                            "poly 10,39 13,40 21,23 57,23 59,21 20,19 HL", "M 12,40", "L 21,22 HL",
                            "poly 69,38 68,41 58,21 60,19 SH", "M 67,40", "L 58,22 SH", "M 10,38",
                            "L 19,20 DK", "L 60,20 DK", "L 69,38 DK", "L 60,20 DK"}));
}

TEST(TopOutline, SlantFollowsTabStyleWidth) {
    ShapeBench bench(vn3DWindows95);
    bench.state().TabStyle = vnTabSlanted;
    bench.state().TabStyleWidth = 5;
    EXPECT_EQ(bench.Draw(ShapeBench::Header(2, 10, 20, 60, 18)).at(0),
              "poly 10,39 15,20 64,20 69,39 69,40 10,40 TAB");
}

TEST(TopOutline, SquareIsFilledWithFillRect) {
    ShapeBench bench(vn3DWindows95);
    bench.state().TabStyle = vnTabSquare;
    Lines lines;
    EXPECT_EQ(Caption(bench, ShapeBench::Header(2, 10, 20, 60, 18), &lines), (gdi::RECT{14, 23, 67, 37}));
    EXPECT_EQ(lines, (Lines{"rect 10,20,69,40 TAB", "M 10,38", "L 10,20 HL", "L 69,20 HL", "L 69,39 DK",
                            "M 68,21", "L 68,39 SH"}));
}

TEST(TopOutline, SquareLook2) {
    ShapeBench bench(vn3DWindows);
    bench.state().TabStyle = vnTabSquare;
    Lines lines;
    EXPECT_EQ(Caption(bench, ShapeBench::Header(2, 10, 20, 60, 18, 2), &lines), (gdi::RECT{15, 24, 66, 37}));
    EXPECT_EQ(lines,
              (Lines{"rect 10,20,69,41 TAB", "M 10,38", "L 10,20 DK", "L 69,20 DK", "L 69,39 DK",
                     "poly 11,39 13,41 13,23 66,23 68,21 11,20 HL", "poly 69,39 67,41 67,22 69,20 SH"}));
}

// Radius 5 x ((9 + 2.5) \ 5): 11.5 rounds half to even to 12, so 10.
TEST(TopOutline, RoundedBuildsItsFillFromRegionsAndDrawsArcs) {
    ShapeBench bench(vn3DWindows95);
    bench.state().TabStyle = vnTabRounded;
    Lines lines;
    EXPECT_EQ(Caption(bench, ShapeBench::Header(2, 10, 20, 60, 18), &lines), (gdi::RECT{15, 25, 65, 37}));
    EXPECT_EQ(lines, (Lines{"ellipse 10,20,31,41",
                            "ellipse 50,20,70,41",
                            "combine OR",
                            "rectrgn 10,30,69,40",
                            "combine OR",
                            "rectrgn 20,20,59,39",
                            "combine OR",
                            "fill TAB",
                            "M 20,20",
                            "L 60,20 HL",
                            "arc 10,20,30,40 20,20 10,30 HL",
                            "M 10,30",
                            "L 10,39 HL",
                            "M 68,30",
                            "L 68,39 SH",
                            "ellipse 50,20,71,40",
                            "ellipse 48,21,70,43",
                            "combine DIFF",
                            "rectrgn 57,21,70,33",
                            "combine AND",
                            "fill SH",
                            "arc 49,21,69,41 69,31 59,21 DK",
                            "M 69,31",
                            "L 69,39 DK"}));
}

TEST(TopOutline, RoundedWithBothStyleSizesUsesThemAsRadii) {
    ShapeBench bench(vn3DWindows95);
    bench.state().TabStyle = vnTabRounded;
    bench.state().TabStyleWidth = 8;
    bench.state().TabStyleHeight = 4;
    const Lines lines = bench.Draw(ShapeBench::Header(2, 10, 20, 60, 18));
    EXPECT_EQ(lines.at(0), "ellipse 10,20,27,29");
    // The corner arc is an ellipse half as tall as it is wide.
    EXPECT_EQ(lines.at(10), "arc 10,20,26,28 18,20 10,24 HL");
}

TEST(TopOutline, RoundedLook2PaintsOutlineAndBandsAsRegions) {
    ShapeBench bench(vn3DWindows);
    bench.state().TabStyle = vnTabRounded;
    const Lines lines = bench.Draw(ShapeBench::Header(2, 10, 20, 60, 18, 2));
    std::vector<std::string> fills;
    for (const std::string& line : lines) {
        EXPECT_NE(line.rfind("L ", 0), 0u) << "the Windows look draws no lines: " << line;
        if (line.rfind("fill", 0) == 0) fills.push_back(line);
    }
    EXPECT_EQ(fills, (Lines{"fill TAB", "fill DK", "fill HL", "fill SH"}));
}

TEST(TopOutline, AStyleOutsideTheFiveDrawsNoHeader) {
    ShapeBench bench(vn3DWindows95);
    bench.state().TabStyle = 9;
    gdi::RECT caption{1, 2, 3, 4};
    EXPECT_TRUE(bench.Draw(ShapeBench::Header(2, 10, 20, 60, 18), &caption).empty());
    EXPECT_EQ(caption, (gdi::RECT{0, 0, 0, 0}));
}

} // namespace
} // namespace vntab::render_testing
