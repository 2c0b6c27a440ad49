#include "render/RenderFixture.h"

#include "gfx/Module.h"
#include "platform/gdi/Trace.h"
#include "platform/user/SysColors.h"
#include "support/ControlFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

// The full redraw: when it draws, in which order, with what it leaves behind.
namespace vntab::render_testing {
namespace {

// A colour no redraw produces, painted over the whole screen before a redraw that must not draw.
constexpr gdi::COLORREF kUntouched = gdi::RGB(1, 2, 3);

using Setup = std::function<void(RenderControl&)>;

class NothingToDraw : public testing::TestWithParam<Setup> {};

TEST_P(NothingToDraw, LeavesTheScreenAndTheGdiAlone) {
    RenderControl c(3);
    GetParam()(c);
    c.Fill(kUntouched);
    const int32_t redraws = c.ctl->Redraws().full_redraws;
    gdi::Trace trace;
    c.Redraw();
    EXPECT_TRUE(trace.records().empty()) << trace.text();
    EXPECT_EQ(c.Pixel(150, 100), kUntouched);
    EXPECT_EQ(c.ctl->Redraws().full_redraws, redraws);
}

INSTANTIATE_TEST_SUITE_P(EarlyExits, NothingToDraw,
                         testing::Values(Setup([](RenderControl& c) { c.state().TabActive = 0; }),
                                         Setup([](RenderControl& c) { c.state().TabWidth = 0; }),
                                         Setup([](RenderControl& c) { c.state().Busy = true; }),
                                         Setup([](RenderControl& c) { c.site.client_width = 0; }),
                                         Setup([](RenderControl& c) { c.site.client_height = 0; }),
                                         Setup([](RenderControl& c) {
                                             c.state().Busy = true;
                                             c.ctl->Tabs()->Clear();
                                             c.state().Busy = false;
                                         })));

TEST(DrawControl, CopiesTheWholeSurfaceToTheWindowInOneTransferAtTheEnd) {
    RenderControl c(3);
    gdi::Trace trace;
    c.Redraw();
    // Captions are composed on surfaces of their own; the control's surface is copied once, last.
    const std::vector<std::string> blits = trace.lines({"BitBlt", "StretchBlt"});
    ASSERT_FALSE(blits.empty());
    EXPECT_EQ(blits.back(), "BitBlt(0,0,300,200,0,0) rop=0xCC0020");
    EXPECT_EQ(std::count(blits.begin(), blits.end(), blits.back()), 1);
    EXPECT_EQ(c.ctl->Redraws().full_redraws, 1);
}

TEST(DrawControl, FillsTheBackgroundWithTheControlsBackColor) {
    RenderControl c(2);
    c.ctl->State().BackColor = 0x00336699;
    c.Redraw();
    EXPECT_EQ(c.Pixel(299, 0), 0x00336699u); // right of the headers, above the panel
}

// Seven tabs in two rows (1-4 and 5-7) with tab 6 active: its row moves next to the panel.
struct TwoRows : RenderControl {
    TwoRows(int32_t look = vn3DWindows95, int32_t orientation = vnOrientationTop)
        : RenderControl(7, 300, 200, look) {
        state().TabRows = 2;
        state().TabActive = 6;
        state().Orientation = orientation;
        for (int32_t i = 1; i <= 7; ++i)
            tab(i).SetBackColor(static_cast<int32_t>(gdi::RGB(static_cast<uint8_t>(10 * i), 200, 100)));
    }
};

TEST(DrawControl, DrawsBackRowsFirstTheActiveRowThenAndTheActiveTabLast) {
    TwoRows c;
    gdi::Trace trace;
    c.Redraw();
    std::vector<int> order;
    for (const gdi::TraceRecord& r : trace.filter("FillRgn")) {
        if (!r.color || gdi::GetGValue(*r.color) != 200 || gdi::GetBValue(*r.color) != 100) continue;
        const int tab = gdi::GetRValue(*r.color) / 10;
        if (order.empty() || order.back() != tab) order.push_back(tab);
    }
    EXPECT_EQ(order, (std::vector<int>{4, 3, 2, 1, 7, 5, 6}));
}

TEST(DrawControl, ThePanelTakesTheActiveTabsColourAndABackRowsBandItsFirstTabs) {
    TwoRows c;
    c.Redraw();
    EXPECT_EQ(c.Pixel(150, 120), gdi::RGB(60, 200, 100)); // tab 6, the active tab
    // Right of the front panel (which ends at 289) the back row's band shows: tab 1 is its first.
    EXPECT_EQ(c.Pixel(294, 120), gdi::RGB(10, 200, 100));
}

TEST(DrawControl, TheActiveHeaderOpensIntoThePanel) {
    TwoRows c;
    c.Redraw();
    const gdi::RECT& active = c.tab(6).TabRect();
    // Down the middle of the active header and across the panel's edge line: one colour.
    const int32_t x = (active.left + active.right) / 2;
    for (int32_t y = active.bottom - 4; y < active.bottom + 6; ++y)
        EXPECT_EQ(c.Pixel(x, y), gdi::RGB(60, 200, 100)) << y;
}

TEST(DrawControl, ASystemColourChangeShowsAtTheNextRefresh) {
    RenderControl c(2);
    c.Redraw();
    const gdi::RECT& active = c.tab(1).TabRect();
    const int32_t x = active.left - 2, y = active.top + 8; // the active header's lit left edge
    EXPECT_EQ(c.Pixel(x, y), user::GetSysColor(user::COLOR_BTNHIGHLIGHT));
    const user::SysColorScheme saved = user::StandardSysColors();
    const int index = user::COLOR_BTNHIGHLIGHT;
    const gdi::COLORREF pink = gdi::RGB(255, 0, 255);
    user::SetSysColors(1, &index, &pink);
    c.ctl->Refresh();
    EXPECT_EQ(c.Pixel(x, y), pink);
    user::SetSysColorScheme(saved);
}

TEST(DrawControl, RendersTheSameImageEveryTime) {
    TwoRows first(vn3DWindows), second(vn3DWindows);
    first.state().TabStyle = second.state().TabStyle = vnTabRounded;
    first.Redraw();
    second.Redraw();
    second.Redraw();
    for (int32_t y = 0; y < 200; ++y)
        for (int32_t x = 0; x < 300; ++x)
            ASSERT_EQ(first.Pixel(x, y), second.Pixel(x, y)) << x << "," << y;
}

class EveryLook : public testing::TestWithParam<std::tuple<int32_t, int32_t, int32_t>> {};

TEST_P(EveryLook, LeavesNoGdiObjectBehindAndNoneSelected) {
    const auto [orientation, style, look] = GetParam();
    TwoRows c(look, orientation);
    c.state().TabStyle = style;
    c.state().FocusRectStyle = vnFocusRectText;
    // The caption renderer keeps the fonts it made for the next redraw; nothing else stays.
    c.Redraw();
    const gdi::LiveObjects before = gdi::live_objects();
    c.Redraw();
    EXPECT_EQ(gdi::live_objects(), before);
    // The window's DC holds what it held: the screen bitmap is still selected into it.
    EXPECT_EQ(gdi::GetCurrentObject(c.site.hDC(), gdi::ObjectKind::Bitmap).value, c.screen.value);
}

// The headers of a redraw share their pens and brushes, one of each colour for the whole redraw:
// a redraw of many headers makes no more of them than a redraw of a few, a tab of its own colour
// adds one brush, and none is left once the redraw is done. (Captions without an access key, whose
// underline has a pen of its own.)
TEST(DrawControl, HeadersShareOnePenAndOneBrushAColour) {
    for (int32_t look : {vn3DWindows95, vn3DWindows}) {
        auto made = [&](int tabs, int32_t own_colour_tab) {
            RenderControl c(tabs, 600.0, 200.0, look);
            for (int32_t i = 1; i <= tabs; ++i)
                c.tab(i).SetCaption("Page " + std::to_string(i));
            c.state().TabRows = 3;
            c.state().TabActive = 2;
            if (own_colour_tab) c.tab(own_colour_tab).SetBackColor(0x00336699);
            c.Redraw();
            const gdi::LiveObjects before = gdi::live_objects();
            gdi::Trace trace;
            c.Redraw();
            EXPECT_EQ(gdi::live_objects(), before);
            return std::pair{trace.filter("CreateBrushIndirect").size(),
                             trace.filter("CreatePenIndirect").size()};
        };
        const auto few = made(6, 0), many = made(30, 0);
        EXPECT_EQ(many, few) << "look " << look;
        EXPECT_LE(few.first, 4u) << "the background, the tab colour and two edge colours";
        EXPECT_LE(few.second, 3u) << "the three edge colours";
        EXPECT_EQ(made(30, 7).first, many.first + 1) << "one more colour, one more brush";
    }
}

INSTANTIATE_TEST_SUITE_P(AllStyles, EveryLook,
                         testing::Combine(testing::Values(vnOrientationTop, vnOrientationRight,
                                                          vnOrientationBottom, vnOrientationLeft),
                                          testing::Values(vnTabNormal, vnTabChamfered, vnTabRounded,
                                                          vnTabSlanted, vnTabSquare),
                                          testing::Values(vn3DWindows95, vn3DWindows)));

} // namespace
} // namespace vntab::render_testing
