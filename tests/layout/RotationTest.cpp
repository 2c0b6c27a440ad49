#include "layout/LayoutFixture.h"

using namespace vntab;
using layout_testing::Across;
using layout_testing::AlongStart;
using layout_testing::ErrorNumberOf;
using layout_testing::kOrientations;
using layout_testing::LayoutControl;
using Rows = std::vector<int16_t>;

namespace {

// Nine tabs in three rows of three: tabs 1-3 in row 0, 4-6 in row 1, 7-9 in row 2.
struct ThreeRows : LayoutControl {
    explicit ThreeRows(int32_t orientation = vnOrientationTop) : LayoutControl(9) {
        state().Orientation = orientation;
        state().TabRows = 3;
    }
};

} // namespace

TEST(RotateRows, ActiveRowMovesNextToThePanelAndTheOthersKeepTheirCyclicOrder) {
    for (int32_t orientation : kOrientations) {
        SCOPED_TRACE(orientation);
        ThreeRows c(orientation);
        c.state().TabActive = 8;
        c.Layout();
        ASSERT_EQ(c.Rows(), (Rows{0, 0, 0, 1, 1, 1, 2, 2, 2}));
        const auto laid_out = c.Rects();
        RotateRows(*c.ctl);
        EXPECT_EQ(c.Rows(), (Rows{1, 1, 1, 2, 2, 2, 0, 0, 0}));
        // Each row takes the place, indentation included, of the row whose number it now has.
        for (int32_t column = 0; column < 3; ++column) {
            const size_t first = static_cast<size_t>(column);
            EXPECT_EQ(c.rect(7 + column), laid_out[first]);
            EXPECT_EQ(c.rect(1 + column), laid_out[first + 3]);
            EXPECT_EQ(c.rect(4 + column), laid_out[first + 6]);
        }
    }
}

TEST(RotateRows, TopRowsMoveByWholeRowDistancesAndIndentations) {
    ThreeRows c;
    c.state().TabActive = 8;
    c.Redraw();
    // Row 2 -> 0: down two row distances and back two indentations.
    EXPECT_EQ(c.rect(7), (gdi::RECT{22 - 20, 0 + 36, 72 - 20, 20 + 36}));
    // Row 0 -> 1 and row 1 -> 2: up one row distance, one indentation further in.
    EXPECT_EQ(c.rect(1), (gdi::RECT{2 + 10, 36 - 18, 52 + 10, 56 - 18}));
    EXPECT_EQ(c.rect(4), (gdi::RECT{12 + 10, 18 - 18, 62 + 10, 38 - 18}));
}

TEST(RotateRows, ActiveTabTheCollectionDoesNotHaveRaisesIndexOutOfBounds) {
    ThreeRows c;
    c.Layout();
    c.state().TabActive = 10;
    EXPECT_EQ(ErrorNumberOf([&] { RotateRows(*c.ctl); }), rt::kErrIndexOutOfBounds);
}

TEST(PanelEdge, ComesFromTabOneBeforeTheRowsTurn) {
    // Tab 1 stands in row 0 of three until the rotation moves it.
    const float expected[] = {36 + 20, 300 - 3 * 18 - 4, 200 - 3 * 18 - 4, 36 + 20};
    for (int32_t orientation : kOrientations) {
        SCOPED_TRACE(orientation);
        ThreeRows c(orientation);
        c.state().TabActive = 8;
        c.Redraw();
        EXPECT_EQ(c.state().PanelEdge, expected[orientation]);
        EXPECT_EQ(c.row(1), 1);
    }
}

TEST(IsFirstInRow, HoldsForTheFirstHeaderOfEveryRowBeforeAndAfterTheRotation) {
    for (int32_t orientation : kOrientations) {
        SCOPED_TRACE(orientation);
        ThreeRows c(orientation);
        c.state().TabActive = 5;
        c.Layout();
        auto firsts = [&] {
            std::vector<int32_t> tabs;
            for (int32_t i = 1; i <= 9; ++i)
                if (IsFirstInRow(*c.ctl, i)) tabs.push_back(i);
            return tabs;
        };
        EXPECT_EQ(firsts(), (std::vector<int32_t>{1, 4, 7}));
        RotateRows(*c.ctl);
        EXPECT_EQ(firsts(), (std::vector<int32_t>{1, 4, 7}));
        EXPECT_EQ(c.row(4), 0);
    }
}

TEST(GetTabRow, SingleTopRowIsRowZeroWithoutDividing) {
    LayoutControl c(2);
    c.Layout();
    c.state().DrawTabRowSeparation = 0;
    EXPECT_EQ(c.row(2), 0);
}

TEST(GetTabRow, ZeroRowSeparationRaisesDivisionByZero) {
    for (int32_t orientation : kOrientations) {
        SCOPED_TRACE(orientation);
        ThreeRows c(orientation);
        c.Layout();
        c.state().DrawTabRowSeparation = 0;
        EXPECT_EQ(ErrorNumberOf([&] { c.row(1); }), rt::kErrDivisionByZero);
        EXPECT_EQ(ErrorNumberOf([&] { IsFirstInRow(*c.ctl, 1); }), rt::kErrDivisionByZero);
    }
}

TEST(GetTabRow, TabIndexOutsideTheCollectionRaisesIndexOutOfBounds) {
    ThreeRows c;
    c.Layout();
    EXPECT_EQ(ErrorNumberOf([&] { c.row(0); }), rt::kErrIndexOutOfBounds);
    EXPECT_EQ(ErrorNumberOf([&] { c.row(10); }), rt::kErrIndexOutOfBounds);
}
