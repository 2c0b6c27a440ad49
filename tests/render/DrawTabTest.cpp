#include "render/RenderFixture.h"

#include "gfx/Module.h"
#include "platform/user/SysColors.h"
#include "render/DrawTab.h"

#include <gtest/gtest.h>

// What DrawTab hands the shape routine: the header rectangle, bevel, colours and row values.
namespace vntab::render_testing {
namespace {

using render::Header;

class ActiveInflation : public testing::TestWithParam<std::pair<int32_t, Header>> {};

// The layout rectangle (100, 40), 60 long and 20 thick; TabActiveInflate 2 grows the active tab at
// both ends of its length and outward across the row.
TEST_P(ActiveInflation, GrowsTheActiveHeaderOutwardAndAtBothEnds) {
    RenderControl c(2);
    c.state().Orientation = GetParam().first;
    c.tab(1).SetTabRect({100, 40, 160, 60});
    EXPECT_EQ(render::TabShapeOf(*c.ctl, 1, 0, true).header, GetParam().second);
    EXPECT_EQ(render::TabShapeOf(*c.ctl, 1, 0, false).header, (Header{100, 40, 60, 20}));
}

INSTANTIATE_TEST_SUITE_P(EachOrientation, ActiveInflation,
                         testing::Values(std::pair{vnOrientationTop, Header{98, 38, 64, 22}},
                                         std::pair{vnOrientationRight, Header{100, 38, 64, 22}},
                                         std::pair{vnOrientationBottom, Header{98, 40, 64, 22}},
                                         std::pair{vnOrientationLeft, Header{98, 38, 64, 22}}));

TEST(DrawTabBevel, OnlyTheActiveTabInTheWindowsLookHasTheActiveBevel) {
    RenderControl windows(2, 300, 200, vn3DWindows);
    windows.state().TabActiveBevel = 4;
    EXPECT_EQ(render::TabShapeOf(*windows.ctl, 1, 0, true).header.bevel, 4);
    EXPECT_EQ(render::TabShapeOf(*windows.ctl, 2, 0, false).header.bevel, 1);
    RenderControl win95(2, 300, 200, vn3DWindows95);
    win95.state().TabActiveBevel = 4;
    EXPECT_EQ(render::TabShapeOf(*win95.ctl, 1, 0, true).header.bevel, 1);
}

TEST(DrawTabColors, SystemColoursAreResolvedWhenTheTabIsDrawn) {
    RenderControl c(1);
    const render::TabShape standard = render::TabShapeOf(*c.ctl, 1, 0, false);
    EXPECT_EQ(standard.colors.highlight, user::GetSysColor(user::COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(standard.colors.dark_shadow, user::GetSysColor(user::COLOR_3DDKSHADOW));
    EXPECT_EQ(standard.colors.shadow, user::GetSysColor(user::COLOR_BTNSHADOW));
    c.tab(1).SetColor3DShadow(0x00123456);
    EXPECT_EQ(render::TabShapeOf(*c.ctl, 1, 0, false).colors.shadow, 0x00123456u);
}

struct RowCase {
    int32_t orientation;
    int16_t row;
    render::RowValues expected;
};

class RowValues : public testing::TestWithParam<RowCase> {};

// A 300 x 200 control with 3 rows, 18 pixels apart, indented by 10 per row.
TEST_P(RowValues, PlaceTheRowsPanelBand) {
    RenderControl c(2);
    c.state().Orientation = GetParam().orientation;
    c.state().RowCount = 3;
    const render::RowValues v = render::TabShapeOf(*c.ctl, 1, GetParam().row, false).rows;
    const render::RowValues e = GetParam().expected;
    EXPECT_EQ(v.first, e.first);
    EXPECT_EQ(v.second, e.second);
    EXPECT_EQ(v.third, e.third);
}

INSTANTIATE_TEST_SUITE_P(EachOrientation, RowValues,
                         testing::Values(RowCase{vnOrientationTop, 0, {0, 279, 199}},
                                         RowCase{vnOrientationTop, 2, {20, 299, 163}},
                                         RowCase{vnOrientationRight, 1, {18, 10, 189}},
                                         RowCase{vnOrientationBottom, 1, {10, 18, 289}},
                                         RowCase{vnOrientationLeft, 2, {20, 263, 199}}));

TEST(RowValuesException, TopBackRowsWithoutIndentationSpanTheWidthLessTheInflation) {
    RenderControl c(2);
    c.state().RowCount = 2;
    c.state().TabRowOffset = 0;
    const render::RowValues back = render::TabShapeOf(*c.ctl, 1, 1, false).rows;
    EXPECT_EQ(back.first, 2);
    EXPECT_EQ(back.second, 297);
    EXPECT_EQ(back.third, 181);
    // Row 0, and other orientations, keep the ordinary values.
    const render::RowValues front = render::TabShapeOf(*c.ctl, 1, 0, false).rows;
    EXPECT_EQ(front.first, 0);
    EXPECT_EQ(front.second, 299);
    c.state().Orientation = vnOrientationBottom;
    EXPECT_EQ(render::TabShapeOf(*c.ctl, 1, 1, false).rows.first, 0);
}

TEST(RowValuesRounding, FractionalClientSizesRoundHalfToEvenAfterTheSubtraction) {
    RenderControl c(2);
    c.site.client_width = 300.5;  // 300.5 - 0 - 1 = 299.5 -> 300
    c.site.client_height = 201.5; // 201.5 - 0 - 1 = 200.5 -> 200
    c.state().RowCount = 1;
    const render::RowValues v = render::TabShapeOf(*c.ctl, 1, 0, false).rows;
    EXPECT_EQ(v.second, 300);
    EXPECT_EQ(v.third, 200);
}

} // namespace
} // namespace vntab::render_testing
