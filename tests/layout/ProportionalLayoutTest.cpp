#include "layout/LayoutFixture.h"

using namespace vntab;
using layout_testing::AlongEnd;
using layout_testing::AlongStart;
using layout_testing::kOrientations;
using layout_testing::LayoutControl;
using Rows = std::vector<int16_t>;

namespace {

LayoutControl& Proportional(LayoutControl& c) {
    c.state().TabJustification = vnJustifiedProportional;
    return c;
}

// Where row `row` ends: the farthest row ends at RowLength + TabActiveInflate + 1 and nearer rows
// TabRowOffset earlier per row.
int32_t RowEnd(LayoutControl& c, int32_t row) {
    const auto& s = c.state();
    double extent = s.Orientation == vnOrientationRight || s.Orientation == vnOrientationLeft
                        ? c.site.client_height
                        : c.site.client_width;
    int32_t row_length = static_cast<int32_t>(extent) - 1 - 2 * s.TabActiveInflate;
    return row_length + s.TabActiveInflate + 1 - (s.RowCount - 1 - row) * s.TabRowOffset;
}

} // namespace

TEST(Proportional, HeadersShareTheRowAndTheLastOneReachesTheRowEnd) {
    LayoutControl c(7);
    Proportional(c).state().TabRows = 2;
    c.Layout();
    // Row 0: (298 - 10) \ 4 = 72 each; its end is 298 - 10.
    EXPECT_EQ(c.rect(1), (gdi::RECT{2, 18, 74, 38}));
    EXPECT_EQ(c.rect(2), (gdi::RECT{74, 18, 146, 38}));
    EXPECT_EQ(c.rect(3), (gdi::RECT{146, 18, 218, 38}));
    EXPECT_EQ(c.rect(4), (gdi::RECT{218, 18, 288, 38}));
    // Row 1 takes the remaining three: (298 - 10) \ 3 = 96 each, from its indentation.
    EXPECT_EQ(c.rect(5), (gdi::RECT{12, 0, 108, 20}));
    EXPECT_EQ(c.rect(6), (gdi::RECT{108, 0, 204, 20}));
    EXPECT_EQ(c.rect(7), (gdi::RECT{204, 0, 298, 20}));
    EXPECT_EQ(c.state().RowCapacity, 3);
}

TEST(Proportional, FullRowsSubtractOneSeparationFewerThanTheyHaveAndTheLastHeaderAbsorbsIt) {
    LayoutControl c(7);
    Proportional(c).state().TabRows = 2;
    c.state().TabSeparation = 3;
    c.Layout();
    // Row 0 of four: (298 - 10 - 2 x 3) \ 4 = 70.
    EXPECT_EQ(c.rect(1), (gdi::RECT{2, 18, 72, 38}));
    EXPECT_EQ(c.rect(2).left, 75);
    EXPECT_EQ(c.rect(3).left, 148);
    EXPECT_EQ(c.rect(4), (gdi::RECT{221, 18, 288, 38}));
    // The last row of three: (298 - 10 - 2 x 3) \ 3 = 94.
    EXPECT_EQ(c.rect(5), (gdi::RECT{12, 0, 106, 20}));
    EXPECT_EQ(c.rect(6), (gdi::RECT{109, 0, 203, 20}));
    EXPECT_EQ(c.rect(7), (gdi::RECT{206, 0, 298, 20}));
}

TEST(Proportional, LastHeaderOfEveryRowEndsExactlyAtTheRowEnd) {
    struct Case {
        int tabs;
        int16_t rows;
        int16_t per_row;
        int16_t separation;
        int32_t look;
    };
    const Case cases[] = {{1, 0, 0, 0, 1},  {5, 0, 0, 0, 1},  {7, 2, 0, 0, 1},
                          {7, 3, 0, 4, 2},  {10, 0, 3, 2, 1}, {12, 0, 4, 0, 2},
                          {11, 4, 0, 1, 1}, {9, 9, 0, 0, 2},  {13, 0, 0, 5, 1}};
    for (int32_t orientation : kOrientations) {
        for (const Case& k : cases) {
            SCOPED_TRACE(::testing::Message() << "orientation " << orientation << ", " << k.tabs
                                              << " tabs, rows " << k.rows << ", per row " << k.per_row);
            LayoutControl c(k.tabs, 301.0, 263.0);
            Proportional(c).state().Orientation = orientation;
            c.state().TabRows = k.rows;
            c.state().TabsPerRow = k.per_row;
            c.state().TabSeparation = k.separation;
            c.state().DrawTab3DAppearance = k.look;
            c.Layout();
            for (int32_t i = 1; i <= k.tabs; ++i) {
                const bool last_in_row = i == k.tabs || c.row(i + 1) != c.row(i);
                if (!last_in_row) continue;
                EXPECT_EQ(AlongEnd(c.rect(i), orientation), RowEnd(c, c.row(i))) << "tab " << i;
            }
        }
    }
}

TEST(Proportional, WindowsLookMakesTheSharedHeadersOnePixelLonger) {
    LayoutControl c(3);
    Proportional(c).state().DrawTab3DAppearance = 2;
    c.Layout();
    // One row: 298 \ 3 = 99, drawn 100 long; the last one still ends at 298.
    EXPECT_EQ(c.rect(1), (gdi::RECT{2, 2, 102, 22}));
    EXPECT_EQ(c.rect(2), (gdi::RECT{101, 2, 201, 22}));
    EXPECT_EQ(c.rect(3), (gdi::RECT{200, 2, 298, 22}));
}

TEST(Proportional, RowsFilledByTabsPerRowKeepAUsableRowCapacity) {
    // Every tab has gone into the full rows; the last-row step finds nothing left. A RowCapacity of 0
    // would tell the hit test that there is no layout.
    LayoutControl c(4);
    Proportional(c).state().TabsPerRow = 2;
    c.Layout();
    EXPECT_EQ(c.Rows(), (Rows{0, 0, 1, 1}));
    EXPECT_EQ(c.state().RowCapacity, 1);
    EXPECT_EQ(c.rect(2), (gdi::RECT{146, 18, 288, 38}));
    EXPECT_EQ(c.rect(4), (gdi::RECT{156, 0, 298, 20}));
}
