#include "layout/LayoutFixture.h"

#include "platform/automation/StdFont.h"
#include "platform/gdi/Gdi.h"

#include <random>

using namespace vntab;
using layout_testing::ErrorNumberOf;
using layout_testing::kOrientations;
using layout_testing::LayoutControl;

TEST(LayoutOverflow, RowSeparationTimesRowsBeyond16BitsRaisesOverflow) {
    for (int32_t orientation : kOrientations) {
        SCOPED_TRACE(orientation);
        LayoutControl c(3);
        c.state().Orientation = orientation;
        c.state().TabRows = 3;
        c.state().DrawTabRowSeparation = 20000; // 2 x 20000 does not fit 16 bits
        EXPECT_EQ(ErrorNumberOf([&] { c.Layout(); }), rt::kErrOverflow);
    }
}

// Products past 16 bits where the layout computes in 16, past 32 where it computes in 32, and
// divisions by zero rows or by a zero step.
TEST(LayoutErrors, OverflowsAndDivisionsByZeroRaise) {
    struct Case {
        const char* name;
        int tabs;
        bool proportional;
        int16_t rows;
        int32_t width;
        int16_t separation;
        int32_t error;
    };
    const Case cases[] = {
        {"column x separation", 3, false, 1, 50, 20000, rt::kErrOverflow},
        {"proportional gaps: the share subtracts 3 x 12000", 4, true, 1, 50, 12000, rt::kErrOverflow},
        {"a header beyond 32 bits", 2, false, 1, 2000000000, 0, rt::kErrOverflow},
        // A negative automatic capacity is lifted to one header a row, but no layout has made rows
        // yet: spreading the tabs over zero rows divides by zero.
        {"a negative width before any layout", 4, false, 0, -100, 0, rt::kErrDivisionByZero},
        {"a separation cancelling the width", 4, false, 0, 50, -50, rt::kErrDivisionByZero},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        LayoutControl c(k.tabs);
        if (k.proportional) c.state().TabJustification = vnJustifiedProportional;
        c.state().TabRows = k.rows;
        c.state().TabWidth = k.width;
        c.state().TabSeparation = k.separation;
        EXPECT_EQ(ErrorNumberOf([&] { c.Layout(); }), k.error);
    }
    // Just inside 16 bits the column product lays out.
    LayoutControl c(3);
    c.state().TabRows = 1;
    c.state().TabSeparation = 16000;
    c.Layout();
    EXPECT_EQ(c.rect(3).left, 2 + 2 * 50 + 2 * 16000);
}

TEST(LayoutOverflow, IndentationIsA32BitProduct) {
    // Nine rows of 40000-pixel indentation exceed 16 bits and still fit 32.
    LayoutControl c(9);
    c.state().TabRows = 9;
    c.state().TabRowOffset = 40000;
    c.Layout();
    EXPECT_EQ(c.rect(9).left, 8 * 40000 + 2);
}

// Stored values out of range (a form file is loaded without the property checks): every layout
// either completes or raises an automation error, never anything else, never hangs, and leaves no
// GDI object behind.
TEST(LayoutBadInput, OutOfRangeStoredValuesRaiseAutomationErrorsOnly) {
    const int32_t orientations[] = {0, 1, 2, 3, 7, -1};
    const int32_t justifications[] = {0, 1, 2, 3, 9};
    const int16_t rows[] = {0, 2, -3, 40, 32767};
    const int16_t per_row[] = {0, 3, -2, 100};
    const int32_t widths[] = {50, 1, -20, 0, 2000000000};
    const int32_t heights[] = {20, 0, -5, 100000};
    const int16_t separations[] = {18, 0, -5, 32767};
    const int32_t offsets[] = {10, 0, -40, 100000};
    const int16_t inflations[] = {2, -3, 500};
    const int16_t gaps[] = {0, 7, -5, 30000};
    const int16_t style_widths[] = {0, 6, -7, 32767};
    const double sizes[][2] = {{300, 200}, {1, 1}, {0.5, 0}, {40000, 30000}, {-10, 5}};
    const int16_t actives[] = {1, 3, 0, 9};

    LayoutControl c(5);
    c.state().TabCaptionFont = std::make_shared<rt::StdFont>("Arial", 9.0);
    c.SetCaptions({"&General", "", "A much longer caption", "&&", "Tail&"});
    const gdi::LiveObjects before = gdi::live_objects();
    std::mt19937 random(20240531);
    auto pick = [&](const auto& values) { return values[random() % std::size(values)]; };
    int completed = 0;
    for (int run = 0; run < 4000; ++run) {
        TabCtlState& s = c.state();
        s.Orientation = pick(orientations);
        s.TabJustification = pick(justifications);
        s.TabRows = pick(rows);
        s.TabsPerRow = pick(per_row);
        s.TabWidth = pick(widths);
        s.TabHeight = pick(heights);
        s.DrawTabRowSeparation = pick(separations);
        s.TabRowOffset = pick(offsets);
        s.TabActiveInflate = pick(inflations);
        s.TabSeparation = pick(gaps);
        s.TabStyle = static_cast<int32_t>(random() % 6);
        s.TabStyleWidth = pick(style_widths);
        s.DrawTab3DAppearance = static_cast<int32_t>(random() % 3);
        s.TabActive = pick(actives);
        const auto& size = pick(sizes);
        c.site.client_width = size[0];
        c.site.client_height = size[1];
        try {
            c.Redraw();
            for (int32_t i = 1; i <= c.count(); ++i) {
                GetTabRow(*c.ctl, i);
                IsFirstInRow(*c.ctl, i);
            }
            ++completed;
        } catch (const rt::AutomationError& e) {
            EXPECT_TRUE(e.number == rt::kErrOverflow || e.number == rt::kErrDivisionByZero ||
                        e.number == rt::kErrIndexOutOfBounds)
                << e.number;
        }
    }
    EXPECT_GT(completed, 0);
    EXPECT_EQ(gdi::live_objects(), before);
}
