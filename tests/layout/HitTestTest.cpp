#include "layout/LayoutFixture.h"

#include "layout/HitTest.h"
#include "layout/KeyTargets.h"

using namespace vntab;
using layout_testing::ErrorNumberOf;
using layout_testing::kOrientations;
using layout_testing::LayoutControl;

namespace {

// Three tabs in one row of a 300 x 200 control, laid out as a redraw leaves them: top headers at
// (2, 2) - (152, 22) with the panel edge at 22; right headers from x 276, bottom ones from y 176,
// left ones up to x 22.
struct OneRow : LayoutControl {
    explicit OneRow(int32_t orientation, int16_t active = 1) : LayoutControl(3) {
        state().Orientation = orientation;
        state().TabActive = active;
        Redraw();
    }
    HeaderHit At(float x, float y) { return HeaderUnderPoint(*ctl, x, y); }
};

// Six tabs in two rows; after a redraw the active tab's row stands next to the panel.
struct TwoRows : LayoutControl {
    explicit TwoRows(int32_t orientation, int16_t active) : LayoutControl(6) {
        state().Orientation = orientation;
        state().TabRows = 2;
        state().TabActive = active;
        Redraw();
    }
    HeaderHit At(float x, float y) { return HeaderUnderPoint(*ctl, x, y); }
    // A point in the middle of the header's length, 5 pixels in from its outer side: in view in
    // every row.
    gdi::POINT OuterMiddle(int32_t tab) {
        const gdi::RECT& r = rect(tab);
        const int32_t along = (r.right - r.left) / 2, thickness = r.bottom - r.top;
        switch (state().Orientation) {
        case vnOrientationTop:
            return {r.left + along, r.top + 5};
        case vnOrientationRight:
            return {r.left + thickness - 5, r.top + along};
        case vnOrientationBottom:
            return {r.left + along, r.top + thickness - 5};
        default:
            return {r.left + 5, r.top + along};
        }
    }
};

bool Selects(const HeaderHit& hit, int16_t tab) {
    return hit.on_strip && hit.tab == tab;
}

} // namespace

TEST(PointInTab, TheActiveHeaderGrowsAlongItsRowAndAwayFromThePanelOnly) {
    OneRow c(vnOrientationTop, 2);
    ASSERT_EQ(c.rect(2), (gdi::RECT{52, 2, 102, 22}));
    // Bounds included: 2 pixels beyond both ends and above, nothing below.
    EXPECT_TRUE(PointInTab(*c.ctl, 2, 50, 0));
    EXPECT_TRUE(PointInTab(*c.ctl, 2, 104, 22));
    EXPECT_FALSE(PointInTab(*c.ctl, 2, 49.5f, 10));
    EXPECT_FALSE(PointInTab(*c.ctl, 2, 104.5f, 10));
    EXPECT_FALSE(PointInTab(*c.ctl, 2, 60, -0.5f));
    EXPECT_FALSE(PointInTab(*c.ctl, 2, 60, 22.5f));
    // An inactive header is its rectangle, bounds included.
    EXPECT_TRUE(PointInTab(*c.ctl, 1, 2, 2));
    EXPECT_TRUE(PointInTab(*c.ctl, 1, 52, 22));
    EXPECT_FALSE(PointInTab(*c.ctl, 1, 1.5f, 10));
    EXPECT_FALSE(PointInTab(*c.ctl, 1, 10, 1.5f));
}

TEST(PointInTab, SidewaysHeadersKeepTheirLengthInTheWidth) {
    OneRow right(vnOrientationRight, 1);
    ASSERT_EQ(right.rect(1), (gdi::RECT{276, 2, 326, 22}));
    // Across the row from x 276 to 276 + 20 + 2, along it from y 0 to 2 + 50 + 2.
    EXPECT_TRUE(PointInTab(*right.ctl, 1, 298, 54));
    EXPECT_FALSE(PointInTab(*right.ctl, 1, 298.5f, 30));
    EXPECT_FALSE(PointInTab(*right.ctl, 1, 275.5f, 30));
    EXPECT_FALSE(PointInTab(*right.ctl, 1, 280, 54.5f));
    OneRow left(vnOrientationLeft, 1);
    ASSERT_EQ(left.rect(1), (gdi::RECT{2, 2, 52, 22}));
    // From x 0 (grown outward) to 22, y 0 to 54.
    EXPECT_TRUE(PointInTab(*left.ctl, 1, 0, 0));
    EXPECT_TRUE(PointInTab(*left.ctl, 1, 22, 54));
    EXPECT_FALSE(PointInTab(*left.ctl, 1, 22.5f, 30));
    EXPECT_EQ(ErrorNumberOf([&] { PointInTab(*left.ctl, 4, 0, 0); }), rt::kErrIndexOutOfBounds);
}

TEST(HeaderUnderPoint, TopActiveHeaderIsTestedFirstAndHidesTheNeighboursItOverlaps) {
    OneRow c(vnOrientationTop, 1);
    // Tab 2 starts at 52, the active tab 1 reaches 54 when grown.
    EXPECT_TRUE(Selects(c.At(53, 10), 0));
    EXPECT_TRUE(Selects(c.At(54.5f, 10), 2));
    EXPECT_TRUE(Selects(c.At(120, 10), 3));
    // Past the last header, still on the strip.
    EXPECT_TRUE(Selects(c.At(200, 10), 0));
}

TEST(HeaderUnderPoint, OtherOrientationsLetTheInflatedMarginSelectAnEarlierNeighbour) {
    // The active tab 2 grows 2 pixels over the end of tab 1, whose visible band holds the point.
    OneRow right(vnOrientationRight, 2);
    EXPECT_TRUE(Selects(right.At(285, 51), 1));
    EXPECT_TRUE(Selects(right.At(285, 53), 2));
    OneRow bottom(vnOrientationBottom, 2);
    ASSERT_EQ(bottom.rect(1).top, 176);
    EXPECT_TRUE(Selects(bottom.At(51, 190), 1));
    EXPECT_TRUE(Selects(bottom.At(53, 190), 2));
    OneRow left(vnOrientationLeft, 2);
    EXPECT_TRUE(Selects(left.At(10, 51), 1));
    EXPECT_TRUE(Selects(left.At(10, 53), 2));
    // A later neighbour comes after the active tab in the search: the active tab keeps the point.
    EXPECT_TRUE(Selects(left.At(10, 103), 2));
}

TEST(HeaderUnderPoint, PointsOnThePanelEdgeOrBeyondSelectNothing) {
    OneRow top(vnOrientationTop);
    ASSERT_FLOAT_EQ(top.state().PanelEdge, 22);
    EXPECT_FALSE(top.At(10, 22).on_strip);
    EXPECT_FALSE(top.At(10, 100).on_strip);
    EXPECT_TRUE(Selects(top.At(10, 21.5f), 0)); // on the active tab
    OneRow right(vnOrientationRight);
    ASSERT_FLOAT_EQ(right.state().PanelEdge, 276);
    EXPECT_FALSE(right.At(276, 60).on_strip);
    EXPECT_TRUE(Selects(right.At(280, 60), 2));
    OneRow bottom(vnOrientationBottom);
    EXPECT_FALSE(bottom.At(60, 176).on_strip);
    OneRow left(vnOrientationLeft);
    ASSERT_FLOAT_EQ(left.state().PanelEdge, 22);
    EXPECT_FALSE(left.At(22, 60).on_strip);
    EXPECT_TRUE(Selects(left.At(17.5f, 60), 2));
}

TEST(HeaderUnderPoint, NothingIsSelectedBeforeALayout) {
    LayoutControl c(3);
    ASSERT_EQ(c.state().RowCapacity, 0);
    EXPECT_FALSE(HeaderUnderPoint(*c.ctl, 10, 10).on_strip);
}

TEST(HeaderUnderPoint, AHeaderIsInViewOnlyWithinTheRowSeparationFromItsOuterSide) {
    // A single row still keeps the band nearest the panel (TabHeight - separation = 2 pixels).
    OneRow bottom(vnOrientationBottom, 3);
    EXPECT_TRUE(Selects(bottom.At(10, 178), 0));
    EXPECT_TRUE(Selects(bottom.At(10, 178.5f), 1));
    OneRow right(vnOrientationRight, 3);
    EXPECT_TRUE(Selects(right.At(278, 10), 0));
    EXPECT_TRUE(Selects(right.At(278.5f, 10), 1));
    // Left headers run from x 2: in view up to 2 + 18, the panel edge at 22.
    OneRow left(vnOrientationLeft, 3);
    EXPECT_TRUE(Selects(left.At(19.5f, 10), 1));
    EXPECT_TRUE(Selects(left.At(20, 10), 0));
}

TEST(HeaderUnderPoint, TheCoveredBandOfABackHeaderSelectsTheHeaderInFrontOfIt) {
    // Tab 5 active: tabs 4 to 6 in front at y 18, tabs 1 to 3 behind at y 0, indented to x 12.
    TwoRows c(vnOrientationTop, 5);
    ASSERT_EQ(c.rect(1), (gdi::RECT{12, 0, 62, 20}));
    ASSERT_EQ(c.rect(4), (gdi::RECT{2, 18, 52, 38}));
    EXPECT_TRUE(Selects(c.At(30, 17.5f), 1));
    // 18 and 19 lie on tab 1's rectangle, but under the front row.
    EXPECT_TRUE(Selects(c.At(30, 18), 4));
    EXPECT_TRUE(Selects(c.At(30, 19), 4));
    // Beyond the front row's end tab 3's lower band is covered by nothing, and still not in view.
    const gdi::RECT& last = c.rect(3);
    EXPECT_TRUE(Selects(c.At(static_cast<float>(last.right - 2), 19), 0));
}

TEST(HeaderUnderPoint, EveryHeaderOfEveryRowAndOrientationIsFoundAtItsOuterSide) {
    for (int32_t orientation : kOrientations) {
        for (int16_t active : {int16_t{1}, int16_t{5}}) {
            TwoRows c(orientation, active);
            for (int16_t tab = 1; tab <= 6; ++tab) {
                SCOPED_TRACE(testing::Message()
                             << "orientation " << orientation << ", active " << active << ", tab " << tab);
                const gdi::POINT p = c.OuterMiddle(tab);
                EXPECT_TRUE(Selects(c.At(static_cast<float>(p.x), static_cast<float>(p.y)),
                                    orientation == vnOrientationTop && tab == active ? 0 : tab));
            }
        }
    }
}

TEST(KeyTargets, ArrowsStepThroughTheTabsAndWrapAtBothEnds) {
    EXPECT_EQ(ArrowKeyTarget(kVkRight, 3, 3), 1);
    EXPECT_EQ(ArrowKeyTarget(kVkDown, 1, 3), 2);
    EXPECT_EQ(ArrowKeyTarget(kVkUp, 1, 3), 3);
    EXPECT_EQ(ArrowKeyTarget(kVkLeft, 3, 3), 2);
    EXPECT_TRUE(IsArrowKey(37) && IsArrowKey(40));
    EXPECT_FALSE(IsArrowKey(36) || IsArrowKey(41) || IsArrowKey(9));
}
