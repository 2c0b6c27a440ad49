#include "render/RenderFixture.h"
#include "support/ErrorNumber.h"

#include "platform/automation/AutomationError.h"
#include "platform/gdi/Trace.h"
#include "support/ControlFixture.h"

#include <gtest/gtest.h>

#include <functional>

// A form may hold any stored value: loading keeps them unchanged. The redraw then draws what it can
// or raises the runtime's error, and in every case leaves no GDI object behind and the screen as it
// was when it raises.
namespace vntab::render_testing {
namespace {

// A colour no redraw produces, painted over the whole screen before a redraw that must not draw.
constexpr gdi::COLORREF kUntouched = gdi::RGB(1, 2, 3);

// The error number the redraw raised, or 0.
int32_t RedrawError(RenderControl& c) {
    return error_number([&] { c.Redraw(); });
}

TEST(BadValues, AnUnknownTabStyleDrawsNoHeaderButThePanel) {
    RenderControl c(3);
    c.state().TabStyle = 9;
    c.state().BackColor = 0x00000080;
    c.tab(1).SetBackColor(0x00C0FFC0);
    gdi::Trace trace;
    c.Redraw();
    EXPECT_TRUE(trace.filter("CreatePolygonRgn").empty());
    EXPECT_EQ(c.Pixel(150, 120), 0x00C0FFC0u); // the panel, in the active tab's colour
    EXPECT_EQ(c.Pixel(20, 10), 0x00000080u);   // where a header would stand: background
}

struct BadCase {
    const char* what;
    std::function<void(RenderControl&)> set;
    int32_t error; // 0: it renders
};

class StoredValues : public testing::TestWithParam<BadCase> {};

TEST_P(StoredValues, RenderOrRaiseTheRuntimesErrorWithoutLeaking) {
    RenderControl c(5);
    c.state().TabRows = 2;
    // A first redraw with sane values: the caption renderer keeps the fonts it makes.
    c.Redraw();
    GetParam().set(c);
    c.Fill(kUntouched);
    const gdi::LiveObjects before = gdi::live_objects();
    const int32_t error = RedrawError(c);
    EXPECT_EQ(error, GetParam().error) << GetParam().what;
    EXPECT_EQ(gdi::live_objects(), before) << GetParam().what;
    EXPECT_EQ(gdi::GetCurrentObject(c.site.hDC(), gdi::ObjectKind::Bitmap).value, c.screen.value);
    if (error != 0) {
        EXPECT_EQ(c.Pixel(150, 100), kUntouched) << "a failed redraw copies nothing";
    }
}

INSTANTIATE_TEST_SUITE_P(
    FromAForm, StoredValues,
    testing::Values(BadCase{"huge TabHeight",
                            [](RenderControl& c) {
                                c.state().TabRowSeparation = 18;
                                c.state().DrawTabRowSeparation = 18;
                                c.state().TabHeight = 2147483640;
                            },
                            rt::kErrOverflow},
                    BadCase{"huge TabActiveInflate",
                            [](RenderControl& c) { c.state().TabActiveInflate = 32000; }, rt::kErrOverflow},
                    BadCase{"row separation 0", [](RenderControl& c) { c.state().DrawTabRowSeparation = 0; },
                            rt::kErrDivisionByZero},
                    BadCase{"huge TabWidth",
                            [](RenderControl& c) {
                                c.state().TabsPerRow = 1;
                                c.state().TabWidth = 2000000000;
                            },
                            0},
                    BadCase{"wide corners",
                            [](RenderControl& c) {
                                c.state().TabStyle = vnTabRounded;
                                c.state().TabStyleWidth = 32767;
                                c.state().TabStyleHeight = 3;
                            },
                            0},
                    BadCase{"tall corners in the Windows look",
                            [](RenderControl& c) {
                                c.state().TabStyle = vnTabRounded;
                                c.state().DrawTab3DAppearance = vn3DWindows;
                                c.state().TabStyleWidth = 7;
                                c.state().TabStyleHeight = 3000;
                            },
                            0},
                    BadCase{"negative corners",
                            [](RenderControl& c) {
                                c.state().TabStyle = vnTabRounded;
                                c.state().TabStyleWidth = -40;
                                c.state().TabStyleHeight = 7;
                            },
                            0},
                    BadCase{"huge chamfer",
                            [](RenderControl& c) {
                                c.state().TabStyle = vnTabChamfered;
                                c.state().TabStyleWidth = 32767;
                                c.state().TabStyleHeight = -32768;
                            },
                            0},
                    BadCase{"huge slant",
                            [](RenderControl& c) {
                                c.state().TabStyle = vnTabSlanted;
                                c.state().TabStyleWidth = 32767;
                            },
                            0},
                    BadCase{"huge bevel",
                            [](RenderControl& c) {
                                c.state().DrawTab3DAppearance = vn3DWindows;
                                c.state().TabActiveBevel = 32767;
                            },
                            0},
                    BadCase{"unknown look", [](RenderControl& c) { c.state().DrawTab3DAppearance = 7; }, 0},
                    BadCase{"unknown orientation", [](RenderControl& c) { c.state().Orientation = 7; }, 0},
                    BadCase{"huge row offset", [](RenderControl& c) { c.state().TabRowOffset = 2000000000; },
                            0},
                    BadCase{"row offset overflowing across rows",
                            [](RenderControl& c) {
                                c.state().TabRows = 3;
                                c.state().TabRowOffset = 2147483647;
                            },
                            rt::kErrOverflow},
                    BadCase{"negative tab height", [](RenderControl& c) { c.state().TabHeight = -50; }, 0}));

} // namespace
} // namespace vntab::render_testing
