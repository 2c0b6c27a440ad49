#include "render/RenderFixture.h"

#include "layout/TabLayout.h"
#include "platform/gdi/Trace.h"
#include "platform/user/Input.h"
#include "platform/user/SysColors.h"
#include "render/DrawTab.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace vntab;
using render_testing::RenderControl;

// A tab control on a white screen with its captions in 10-point Arial; nothing is drawn until the
// test asks.
struct CaptionControl : RenderControl {
    explicit CaptionControl(int tabs, int32_t orientation = vnOrientationTop) : RenderControl(tabs) {
        Fill(gdi::RGB(255, 255, 255));
        state().Orientation = orientation;
        state().TabCaptionFont = std::make_shared<rt::StdFont>("Arial", 10);
    }
};

int32_t Width(const gdi::RECT& r) {
    return r.right - r.left;
}
int32_t Height(const gdi::RECT& r) {
    return r.bottom - r.top;
}

// The font each caption went out in: the last font made before its text (the renderer makes a new
// font whenever a caption needs another one than the caption before). A made font's args: height,
// escapement, weight. The renderer keeps its font from one redraw to the next; ForgetCaptionFont
// before a traced redraw makes its first caption's font inside the trace.
std::map<std::string, std::vector<int64_t>> FontsOfCaptions(const gdi::Trace& trace) {
    std::map<std::string, std::vector<int64_t>> fonts;
    std::vector<int64_t> current;
    for (const gdi::TraceRecord& record : trace.records()) {
        if (record.name == "CreateFontIndirectA") current = record.args;
        if (record.name == "TextOutA") fonts[record.text] = current;
    }
    return fonts;
}

void ForgetCaptionFont(RenderControl& c) {
    static_cast<ControlView&>(*c.ctl).Renderer().SetFont(nullptr);
}

class TabCaption : public ::testing::Test {
protected:
    void SetUp() override { m_before = gdi::live_objects(); }
    void TearDown() override { EXPECT_EQ(gdi::live_objects(), m_before) << "GDI objects left behind"; }

private:
    gdi::LiveObjects m_before;
};

TEST_F(TabCaption, OnlyTheActiveCaptionIsBoldAndADisabledControlGraysThemAll) {
    CaptionControl c(3);
    c.tab(1).SetCaption("One");
    c.tab(2).SetCaption("Two");
    c.tab(3).SetCaption("Three");
    c.tab(1).SetForeColor(0x0000FF);
    c.state().TabActiveBold = true;
    c.state().TabActive = 2;
    ForgetCaptionFont(c);
    gdi::Trace trace;
    c.Redraw();
    const auto fonts = FontsOfCaptions(trace);
    EXPECT_EQ(fonts.at("One")[2], 400);
    EXPECT_EQ(fonts.at("Two")[2], 700);
    EXPECT_EQ(fonts.at("Three")[2], 400) << "the tab drawn after the active one is normal again";
    EXPECT_EQ(fonts.at("One")[0], -13) << "10 points at 96 pixels per inch";
    std::map<std::string, gdi::COLORREF> colours;
    for (const gdi::TraceRecord& out : trace.filter("TextOutA"))
        colours[out.text] = *out.color;
    EXPECT_EQ(colours.at("One"), 0x0000FFu) << "the tab's own colour";
    trace.clear();
    c.state().Enabled = false;
    c.Redraw();
    for (const gdi::TraceRecord& out : trace.filter("TextOutA"))
        EXPECT_EQ(out.color, user::GetSysColor(user::COLOR_GRAYTEXT)) << out.text;
    EXPECT_EQ(c.tab(1).ForeColor(), 0x0000FF);
}

TEST_F(TabCaption, CaptionsTurnWithTheOrientationButNotUpsideDown) {
    const std::pair<int32_t, int64_t> turns[] = {{vnOrientationTop, 0},
                                                 {vnOrientationRight, -900},
                                                 {vnOrientationBottom, 0},
                                                 {vnOrientationLeft, -2700}};
    for (const auto& [orientation, escapement] : turns) {
        CaptionControl c(1, orientation);
        c.tab(1).SetCaption("Tab");
        ForgetCaptionFont(c);
        gdi::Trace trace;
        c.Redraw();
        EXPECT_EQ(FontsOfCaptions(trace).at("Tab")[1], escapement) << "orientation " << orientation;
    }
}

// What a caption adds to the drawing: the control with it less the control with `other`.
gdi::RECT CaptionDifference(int32_t orientation, const std::string& caption, const std::string& other) {
    CaptionControl with(1, orientation), without(1, orientation);
    with.tab(1).SetCaption(caption);
    without.tab(1).SetCaption(other);
    // Start-aligned, so the first characters stay in place whatever follows them.
    with.state().TabCaptionAlign = without.state().TabCaptionAlign = 1;
    with.Redraw();
    without.Redraw();
    return with.ChangedFrom(without);
}

TEST_F(TabCaption, ARightTabsCaptionInkStandsTallerThanWide) {
    const gdi::RECT ink = CaptionDifference(vnOrientationRight, "Settings", "");
    EXPECT_GT(Height(ink), 2 * Width(ink));
}

TEST_F(TabCaption, TheAccessKeyOfSaveIsUnderlinedUnderTheVsInk) {
    const gdi::RECT underline = CaptionDifference(vnOrientationTop, "Sa&ve", "Save");
    const gdi::RECT v = CaptionDifference(vnOrientationTop, "Sav", "Sa");
    ASSERT_NE(v, gdi::RECT{});
    EXPECT_EQ(Height(underline), 1);
    EXPECT_GE(underline.top, v.bottom) << "below the v";
    EXPECT_LE(underline.top, v.bottom + 2);
    EXPECT_GE(underline.left, v.left - 1) << "not under the a";
    EXPECT_LE(underline.right, v.right + 1) << "not under the e";
    EXPECT_GE(Width(underline), Width(v) - 2);
}

// The focus rectangles DrawTab draws for a tab after a layout, and the caption rectangle.
std::vector<gdi::TraceRecord> FocusRects(CaptionControl& c, int16_t tab, bool active, gdi::RECT& caption) {
    c.Redraw();
    gfx::CDC dc;
    dc.Attach(c.site.hDC());
    gdi::Trace trace;
    caption = render::DrawTab(*c.ctl, dc, tab, 0, active);
    return trace.filter("DrawFocusRect");
}

TEST_F(TabCaption, TheFocusRectangleReachesTwoPixelsBeforeTheCaptionsStart) {
    const std::pair<int32_t, gdi::RECT> grow[] = {{vnOrientationTop, {-2, 0, 0, 0}},
                                                  {vnOrientationBottom, {-2, 0, 0, 0}},
                                                  {vnOrientationRight, {0, -2, 0, 0}},
                                                  {vnOrientationLeft, {0, 0, 0, 2}}};
    for (const auto& [orientation, g] : grow) {
        CaptionControl c(2, orientation);
        c.state().FocusRectStyle = vnFocusRectText;
        user::SetFocus(c.site.hWnd());
        gdi::RECT caption;
        const auto rects = FocusRects(c, 1, true, caption);
        user::SetFocus(user::HWND{});
        const gdi::RECT expected{caption.left + g.left, caption.top + g.top, caption.right + g.right,
                                 caption.bottom + g.bottom};
        ASSERT_EQ(rects.size(), 1u) << "orientation " << orientation;
        EXPECT_EQ(rects[0].args,
                  (std::vector<int64_t>{expected.left, expected.top, expected.right, expected.bottom}));
        EXPECT_EQ(c.state().FocusRect, expected) << "kept for the focus handling";
    }
}

TEST_F(TabCaption, NoFocusRectangleWithoutTheFocusOnAnInactiveTabOrWithStyleNone) {
    CaptionControl c(2);
    c.state().FocusRectStyle = vnFocusRectText;
    gdi::RECT caption;
    EXPECT_TRUE(FocusRects(c, 1, true, caption).empty()) << "the control has no focus";
    user::SetFocus(c.site.hWnd());
    EXPECT_TRUE(FocusRects(c, 2, false, caption).empty()) << "not the active tab";
    c.state().FocusRectStyle = vnFocusRectNone;
    EXPECT_TRUE(FocusRects(c, 1, true, caption).empty()) << "vnFocusRectNone";
    user::SetFocus(user::HWND{});
}

TEST_F(TabCaption, RedrawsWithPicturesKeepOnlyTheRenderersFont) {
    CaptionControl c(3);
    c.tab(2).SetPicture(support::SolidIcon(16, 16, 0x00FF00));
    c.tab(3).SetPicture(support::SolidBitmap(16, 16, 0x0000FF));
    c.state().TabPictureAlign = 12;
    c.Redraw();
    const gdi::LiveObjects after_one = gdi::live_objects();
    c.state().TabPictureAlign = 10;
    c.Redraw();
    EXPECT_EQ(gdi::live_objects(), after_one);
}

} // namespace
