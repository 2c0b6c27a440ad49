#include "layout/LayoutFixture.h"

using namespace vntab;
using layout_testing::Across;
using layout_testing::AlongEnd;
using layout_testing::AlongStart;
using layout_testing::kOrientations;
using layout_testing::LayoutControl;
using Rows = std::vector<int16_t>;

TEST(SingleRow, EveryOrientationLeavesRoomForTheActiveTabToGrowOutward) {
    // 300 x 200 client, rows 18 apart, inflation 2: bottom and right rows keep 4 pixels off the edge.
    const int32_t expected_across[] = {2, 300 - 18 - 4 - 2, 200 - 18 - 4 - 2, 2};
    for (int32_t orientation : kOrientations) {
        LayoutControl c(3);
        c.state().Orientation = orientation;
        c.Layout();
        SCOPED_TRACE(orientation);
        EXPECT_EQ(c.state().RowCount, 1);
        EXPECT_EQ(c.state().RowCapacity, 3);
        for (int32_t i = 1; i <= 3; ++i) {
            EXPECT_EQ(Across(c.rect(i), orientation), expected_across[orientation]);
            EXPECT_EQ(AlongStart(c.rect(i), orientation), 2 + (i - 1) * 50);
            EXPECT_EQ(c.rect(i).right - c.rect(i).left, 50);
            EXPECT_EQ(c.rect(i).bottom - c.rect(i).top, 20);
            EXPECT_EQ(c.row(i), 0);
        }
    }
}

TEST(SeveralRows, FarthestRowStandsAtTheEdgeAndRowZeroNextToThePanelInEveryOrientation) {
    // Row 0 and row 1 of two: top and left count from the outer edge, bottom and right from the
    // far edge of the client area, 4 pixels off it.
    const int32_t row0[] = {18, 300 - 2 * 18 - 4, 200 - 2 * 18 - 4, 18};
    const int32_t row1[] = {0, 300 - 18 - 4, 200 - 18 - 4, 0};
    for (int32_t orientation : kOrientations) {
        LayoutControl c(7);
        c.state().Orientation = orientation;
        c.state().TabRows = 2;
        c.Layout();
        SCOPED_TRACE(orientation);
        EXPECT_EQ(Across(c.rect(1), orientation), row0[orientation]);
        EXPECT_EQ(Across(c.rect(7), orientation), row1[orientation]);
        EXPECT_EQ(AlongStart(c.rect(4), orientation), 152);
        // The farther row is indented by TabRowOffset.
        EXPECT_EQ(AlongStart(c.rect(5), orientation), 12);
        EXPECT_EQ(AlongStart(c.rect(7), orientation), 112);
        // Seven tabs in two rows put the extra tab in row 0; the capacity lowered for the shorter
        // rows is what the control keeps.
        EXPECT_EQ(c.state().RowCount, 2);
        EXPECT_EQ(c.Rows(), (Rows{0, 0, 0, 0, 1, 1, 1}));
        EXPECT_EQ(c.state().RowCapacity, 3);
    }
}

TEST(SeveralRows, AutomaticRowSeparationPutsRows18PixelsApartOverlappingByTwo) {
    LayoutControl c(6);
    c.ctl->SetTabRowSeparation(0);
    ASSERT_EQ(c.state().TabHeight, 20);
    ASSERT_EQ(c.state().DrawTabRowSeparation, 18);
    c.state().TabRows = 3;
    c.Layout();
    EXPECT_EQ(c.rect(1).top, 36);
    EXPECT_EQ(c.rect(3).top, 18);
    EXPECT_EQ(c.rect(5).top, 0);
    EXPECT_EQ(c.rect(3).bottom - c.rect(1).top, 2);
}

TEST(RowDistribution, FiveTabsPerRowFillRowZeroAndLeaveTheRestToRowOne) {
    LayoutControl c(7);
    c.state().TabsPerRow = 5;
    c.Layout();
    EXPECT_EQ(c.state().RowCount, 2);
    EXPECT_EQ(c.Rows(), (Rows{0, 0, 0, 0, 0, 1, 1}));
    EXPECT_EQ(c.rect(6).left, 12);
    EXPECT_EQ(c.rect(7).left, 62);
}

TEST(RowDistribution, ThreeTabsInFiveRowsStandOnePerRowAndLeaveTwoRowsEmpty) {
    LayoutControl c(3);
    c.state().TabRows = 5;
    c.Layout();
    EXPECT_EQ(c.state().RowCount, 5);
    EXPECT_EQ(c.Rows(), (Rows{0, 1, 2}));
    EXPECT_EQ(c.rect(1).top, 4 * 18);
    EXPECT_EQ(c.rect(2).top, 3 * 18);
    EXPECT_EQ(c.rect(3).top, 2 * 18);
    EXPECT_EQ(c.rect(3).left, 2 * 10 + 2);
}

TEST(RowDistribution, TabsPerRowDecidesTheRowsWhenTabRowsIsAlsoSet) {
    LayoutControl c(7);
    c.state().TabRows = 3;
    c.state().TabsPerRow = 4;
    c.Layout();
    EXPECT_EQ(c.state().RowCount, 2);
    EXPECT_EQ(c.Rows(), (Rows{0, 0, 0, 0, 1, 1, 1}));
}

TEST(AutomaticRows, RowsShrinkWhileTheIndentationOfMoreRowsTakesRoom) {
    // 155 pixels hold three headers; five rows cost 40 pixels of indentation, leaving room for two.
    LayoutControl c(10, 160.0);
    c.Layout();
    EXPECT_EQ(c.state().RowCount, 5);
    EXPECT_EQ(c.state().RowCapacity, 2);
    EXPECT_EQ(c.Rows(), (Rows{0, 0, 1, 1, 2, 2, 3, 3, 4, 4}));
    const int32_t row_length = 160 - 1 - 4;
    for (int32_t i = 1; i <= 10; ++i) {
        int32_t row = c.row(i);
        int32_t row_end = row_length + 2 + 1 - (5 - 1 - row) * 10;
        EXPECT_LE(c.rect(i).right, row_end) << "tab " << i;
    }
}

TEST(AutomaticRows, StopAfterSevenRounds) {
    // With 170 tabs and a 43-pixel indentation the capacity falls one header a round; the fitting
    // stops at 11 headers a row (16 rows) where more rounds would settle on 10 (17 rows).
    LayoutControl c(170, 1199.0);
    c.state().TabRowOffset = 43;
    c.Layout();
    EXPECT_EQ(c.state().RowCount, 16);
    EXPECT_EQ(c.row(1), 0);
    EXPECT_EQ(c.row(11), 0);
    EXPECT_EQ(c.row(12), 1);
    EXPECT_EQ(c.row(170), 15);
}

TEST(AutomaticRows, ControlNarrowerThanOneHeaderKeepsThePreviousRectangles) {
    for (int32_t orientation : kOrientations) {
        SCOPED_TRACE(orientation);
        LayoutControl c(4);
        c.state().Orientation = orientation;
        c.Redraw();
        const auto before = c.Rects();
        const int16_t rows = c.state().RowCount;
        const float edge = c.state().PanelEdge;
        // 40 pixels along the rows leave 35 for a 50-pixel header.
        if (orientation == vnOrientationRight || orientation == vnOrientationLeft)
            c.site.client_height = 40;
        else
            c.site.client_width = 40;
        c.Layout();
        EXPECT_EQ(c.Rects(), before);
        c.Redraw();
        EXPECT_EQ(c.Rects(), before);
        EXPECT_EQ(c.state().RowCount, rows);
        EXPECT_EQ(c.state().PanelEdge, edge);
    }
}

TEST(AutomaticRows, ControlNarrowerThanOneHeaderBeforeAnyLayoutLeavesTheHeadersEmpty) {
    LayoutControl c(2, 40.0);
    c.Redraw();
    c.Redraw();
    EXPECT_EQ(c.rect(1), gdi::RECT{});
    EXPECT_EQ(c.rect(2), gdi::RECT{});
}

TEST(EqualWidth, WindowsLookMakesHeadersOnePixelLongerSoNeighboursOverlap) {
    for (int32_t orientation : kOrientations) {
        SCOPED_TRACE(orientation);
        LayoutControl c(3);
        c.state().Orientation = orientation;
        c.state().DrawTab3DAppearance = 2;
        c.Layout();
        EXPECT_EQ(c.rect(1).right - c.rect(1).left, 51);
        EXPECT_EQ(AlongEnd(c.rect(1), orientation) - AlongStart(c.rect(2), orientation), 1);
    }
}

TEST(EqualWidth, SeparationAndIndentationMoveHeadersAlongTheRow) {
    LayoutControl c(4);
    c.state().TabRows = 2;
    c.state().TabSeparation = 3;
    c.state().TabRowOffset = 7;
    c.Layout();
    EXPECT_EQ(c.rect(2).left, 2 + 50 + 3);
    EXPECT_EQ(c.rect(3).left, 7 + 2);
    EXPECT_EQ(c.rect(4).left, 7 + 50 + 2 + 3);
}
