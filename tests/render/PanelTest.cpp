#include "render/ShapeFixture.h"

#include <gtest/gtest.h>

// The panel part of each orientation, drawn by the active tab (tab 1) for row 0 of a 300 x 200
// control: row values x0 = 0 and the far edges 299 and 199. A style outside the five draws no
// header, so only the panel's calls are traced.
namespace vntab::render_testing {
namespace {

using Lines = std::vector<std::string>;

// The panel's full outline for each orientation in both looks.
TEST(Panel, EachOrientationAndLookOutlinesThePanel) {
    struct Case {
        const char* name;
        int32_t look, orientation;
        render::TabShape shape;
        Lines lines;
    };
    const Case cases[] = {
        {"top, look 1: opens under the header and lights the top and left",
         vn3DWindows95,
         vnOrientationTop,
         ShapeBench::Header(1, 10, 20, 60, 18),
         {"rect 1,39,298,198 TAB", "M 69,38", "L 299,38 HL", "M 299,38", "L 299,199 DK", "L -1,199 DK",
          "M 0,198", "L 0,38 HL", "L 10,38 HL", "M 298,39", "L 298,198 SH", "L 0,198 SH"}},
        {"top, look 2: outlines with the surface's own pen and adds bevel bands",
         vn3DWindows,
         vnOrientationTop,
         ShapeBench::Header(1, 10, 20, 60, 18, 2),
         {"rect 3,41,298,198 TAB", "M 70,38", "L 299,38 BLACK", "M 299,38", "L 299,199 BLACK",
          "L 0,199 BLACK", "L 0,38 BLACK", "L 10,38 BLACK", "poly 69,39 67,41 297,41 298,39 HL",
          "poly 299,38 297,40 297,197 2,197 0,199 299,199 SH", "poly 1,198 3,196 3,41 13,41 11,39 1,38 HL"}},
        {"bottom, look 1",
         vn3DWindows95,
         vnOrientationBottom,
         ShapeBench::Header(1, 10, 160, 60, 18, 1, {0, 0, 299}),
         {"rect 1,1,298,159 TAB", "M 69,160", "L 299,160 DK", "L 299,-1 DK", "M 298,0", "L 0,0 HL",
          "L 0,160 HL", "L 10,160 DK", "M 68,159", "L 298,159 SH", "L 298,0 SH", "M 1,159", "L 10,159 SH"}},
        {"bottom, look 2",
         vn3DWindows,
         vnOrientationBottom,
         ShapeBench::Header(1, 10, 160, 60, 18, 2, {0, 0, 299}),
         {"rect 1,1,298,158 TAB", "M 69,160", "L 299,160 DK", "L 299,-1 DK", "M 298,0", "L 0,0 DK",
          "L 0,160 DK", "L 10,160 DK", "poly 68,159 67,158 297,158 297,2 299,0 299,160 SH",
          "poly 0,160 2,158 13,158 11,160 SH", "poly 298,1 296,3 3,3 3,158 1,160 1,1 HL"}},
        {"right, look 1",
         vn3DWindows95,
         vnOrientationRight,
         ShapeBench::Header(1, 240, 30, 60, 18, 1, {0, 0, 199}),
         {"rect 1,1,240,198 TAB", "M 240,90", "L 240,199 DK", "L -1,199 DK", "M 0,199", "L 0,0 HL",
          "L 240,0 HL", "L 240,30 DK", "M 239,88", "L 239,198 SH", "L 0,198 SH", "M 239,1", "L 239,31 SH"}},
        {"right, look 2: shades the band above a header that stands lower",
         vn3DWindows,
         vnOrientationRight,
         ShapeBench::Header(1, 240, 30, 60, 18, 2, {0, 0, 199}),
         {"rect 1,1,238,198 TAB", "M 240,90", "L 240,199 DK", "L -1,199 DK", "M 0,198", "L 0,0 DK",
          "L 240,0 DK", "L 240,30 DK", "poly 240,0 238,2 238,33 240,31 SH",
          "poly 240,89 238,87 238,197 2,197 0,199 240,199 SH", "poly 1,198 3,196 3,3 237,3 239,1 1,1 HL"}},
        {"left, look 1",
         vn3DWindows95,
         vnOrientationLeft,
         ShapeBench::Header(1, 10, 30, 60, 18, 1, {0, 299, 199}),
         {"rect 29,1,298,198 TAB", "M 28,90", "L 28,199 HL", "L 299,199 DK", "L 299,-1 DK", "M 298,0",
          "L 28,0 HL", "L 28,30 HL", "M 29,198", "L 298,198 SH", "L 298,0 SH"}},
        {"left, look 2",
         vn3DWindows,
         vnOrientationLeft,
         ShapeBench::Header(1, 10, 30, 60, 18, 2, {0, 299, 199}),
         {"rect 31,1,298,198 TAB", "M 28,90", "L 28,199 DK", "L 299,199 DK", "L 299,0 DK", "L 28,0 DK",
          "L 28,30 DK", "poly 29,89 31,87 31,196 29,198 HL", "poly 29,31 31,33 31,3 297,3 299,1 29,1 HL",
          "poly 299,0 297,2 297,197 30,197 28,199 299,199 SH"}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        ShapeBench bench(k.look, k.orientation);
        bench.state().TabStyle = 9;
        EXPECT_EQ(bench.Draw(k.shape), k.lines);
    }
}

TEST(TopPanel, AHeaderReachingPastTheRowEndDrawsNoTopEdgeRightOfIt) {
    ShapeBench bench(vn3DWindows95);
    bench.state().TabStyle = 9;
    const Lines lines = bench.Draw(ShapeBench::Header(1, 250, 20, 60, 18));
    EXPECT_EQ(lines.at(1), "M 299,38");
    EXPECT_EQ(lines.at(2), "L 299,199 DK");
}

TEST(TopPanel, Look2StopsTheTopEdgeTenPixelsARowShortOfTheRightSide) {
    ShapeBench bench(vn3DWindows);
    bench.state().TabStyle = 9;
    render::TabShape shape = ShapeBench::Header(1, 225, 20, 60, 18, 2);
    shape.row = 2; // 300 - 20 is not beyond 285
    EXPECT_EQ(bench.Draw(shape).at(1), "M 299,38");
}

TEST(TopPanel, OnlyTheFirstHeaderOfABackRowAndTheActiveTabDrawAPanel) {
    ShapeBench bench(vn3DWindows95);
    bench.state().TabStyle = 9;
    bench.state().RowCount = 2;
    // Tab 2 in row 1, at the start of the row (row start 10 + 2).
    bench.control.tab(2).SetTabRect({12, 0, 62, 20});
    render::TabShape back = ShapeBench::Header(2, 12, 0, 50, 20);
    back.row = 1;
    EXPECT_FALSE(bench.Draw(back).empty());
    bench.control.tab(2).SetTabRect({62, 0, 112, 20});
    back.header.left = 62;
    EXPECT_TRUE(bench.Draw(back).empty());
    back.row = 0;
    bench.control.tab(2).SetTabRect({62, 18, 112, 38});
    EXPECT_TRUE(bench.Draw(back).empty());
}

TEST(TopPanel, AControlNoTallerThanTheTabsClosesEachHeaderInstead) {
    ShapeBench bench(vn3DWindows95);
    bench.state().TabStyle = 9;
    bench.control.site.client_height = 20;
    EXPECT_EQ(bench.Draw(ShapeBench::Header(2, 10, 0, 60, 18, 1, {0, 299, 19})),
              (Lines{"M 69,19", "L 9,19 DK", "M 68,18", "L 10,18 SH"}));
    // The active tab too: there is no panel to draw.
    EXPECT_EQ(bench.Draw(ShapeBench::Header(1, 10, 0, 60, 18, 1, {0, 299, 19})).size(), 4u);
}

TEST(TopPanel, Look2ClosesTheHeaderWithTheSurfacesPenAndAShadowBand) {
    ShapeBench bench(vn3DWindows);
    bench.state().TabStyle = 9;
    bench.control.site.client_height = 20;
    EXPECT_EQ(bench.Draw(ShapeBench::Header(2, 10, 0, 60, 18, 1, {0, 299, 19})),
              (Lines{"M 69,19", "L 10,19 BLACK", "poly 69,19 69,18 11,18 10,19 SH"}));
}

TEST(RightPanel, Look2LightsTheBandAboveAHeaderAtTheRowStart) {
    ShapeBench bench(vn3DWindows, vnOrientationRight);
    bench.state().TabStyle = 9;
    const Lines lines = bench.Draw(ShapeBench::Header(1, 240, 0, 60, 18, 2, {0, 0, 199}));
    EXPECT_EQ(lines.at(7), "poly 240,0 238,2 238,3 240,1 HL");
}

TEST(LeftPanel, TheTopEdgeReachesOverTheHeaderOnlyWhileFewRowsFollow) {
    ShapeBench bench(vn3DWindows95, vnOrientationLeft);
    bench.state().TabStyle = 9;
    bench.state().TabRows = 5; // (5 - 0 - 1) x 10 = 40, not below T = 30
    const Lines lines = bench.Draw(ShapeBench::Header(1, 10, 30, 60, 18, 1, {0, 299, 199}));
    EXPECT_EQ(lines.at(6), "L 28,0 HL");
    EXPECT_EQ(lines.at(7), "M 29,198");
}

} // namespace
} // namespace vntab::render_testing
