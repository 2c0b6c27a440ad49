#include "CaptionControl.h"
#include "TextFixture.h"

#include "layout/TabLayout.h"
#include "platform/gdi/Trace.h"
#include "platform/user/Input.h"
#include "platform/user/SysColors.h"
#include "text/DrawTab.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using text_test::CaptionControl;
using vntab::vnFocusRectNone;
using vntab::vnOrientationBottom;
using vntab::vnOrientationLeft;
using vntab::vnOrientationRight;
using vntab::vnOrientationTop;

int32_t Width(const gdi::RECT& r) {
    return r.right - r.left;
}
int32_t Height(const gdi::RECT& r) {
    return r.bottom - r.top;
}

// For each caption drawn, the font it was drawn in: the last font made before its text went out
// (the renderer rebuilds the font for every caption). Args of a made font: height, escapement, weight.
std::map<std::string, std::vector<int64_t>> FontsOfCaptions(const gdi::Trace& trace) {
    std::map<std::string, std::vector<int64_t>> fonts;
    std::vector<int64_t> current;
    for (const gdi::TraceRecord& record : trace.records()) {
        if (record.name == "CreateFontIndirectA") current = record.args;
        if (record.name == "TextOutA") fonts[record.text] = current;
    }
    return fonts;
}

class TabCaption : public ::testing::Test {
protected:
    void SetUp() override { m_before = gdi::live_objects(); }
    void TearDown() override { EXPECT_EQ(gdi::live_objects(), m_before) << "GDI objects left behind"; }

private:
    gdi::LiveObjects m_before;
};

TEST_F(TabCaption, OnlyTheActiveCaptionIsBold) {
    CaptionControl c(3);
    c.tab(1).SetCaption("One");
    c.tab(2).SetCaption("Two");
    c.tab(3).SetCaption("Three");
    c.state().TabActiveBold = true;
    c.state().TabActive = 2;
    gdi::Trace trace;
    c.Redraw();
    const auto fonts = FontsOfCaptions(trace);
    ASSERT_EQ(fonts.size(), 3u);
    EXPECT_EQ(fonts.at("One")[2], 400);
    EXPECT_EQ(fonts.at("Two")[2], 700);
    EXPECT_EQ(fonts.at("Three")[2], 400) << "the next tab drawn is normal again";
    EXPECT_EQ(fonts.at("One")[0], -13) << "10 points at 96 pixels per inch";
}

TEST_F(TabCaption, WithoutTabActiveBoldNoCaptionIsBold) {
    CaptionControl c(2);
    c.tab(1).SetCaption("One");
    c.tab(2).SetCaption("Two");
    c.state().TabActiveBold = false;
    gdi::Trace trace;
    c.Redraw();
    for (const auto& [caption, font] : FontsOfCaptions(trace))
        EXPECT_EQ(font[2], 400) << caption;
}

TEST_F(TabCaption, ADisabledControlGraysEveryCaptionWhateverItsColour) {
    CaptionControl c(2);
    c.tab(1).SetCaption("One");
    c.tab(2).SetCaption("Two");
    c.tab(1).SetForeColor(0x0000FF);
    c.state().Enabled = false;
    gdi::Trace trace;
    c.Redraw();
    const std::vector<gdi::TraceRecord> outs = trace.filter("TextOutA");
    ASSERT_EQ(outs.size(), 2u);
    for (const gdi::TraceRecord& out : outs)
        EXPECT_EQ(out.color, user::GetSysColor(user::COLOR_GRAYTEXT));
    EXPECT_EQ(c.tab(1).ForeColor(), 0x0000FF);
}

TEST_F(TabCaption, AnEnabledControlDrawsEachCaptionInItsTabsColour) {
    CaptionControl c(2);
    c.tab(1).SetCaption("One");
    c.tab(2).SetCaption("Two");
    c.tab(1).SetForeColor(0x0000FF);
    c.tab(2).SetForeColor(static_cast<int32_t>(0x80000012)); // button text
    gdi::Trace trace;
    c.Redraw();
    std::map<std::string, gdi::COLORREF> colours;
    for (const gdi::TraceRecord& out : trace.filter("TextOutA"))
        colours[out.text] = *out.color;
    EXPECT_EQ(colours.at("One"), 0x0000FFu);
    EXPECT_EQ(colours.at("Two"), user::GetSysColor(user::COLOR_BTNTEXT));
}

TEST_F(TabCaption, CaptionsTurnWithTheOrientationButNotUpsideDown) {
    const std::pair<int32_t, int64_t> cases[] = {{vnOrientationTop, 0},
                                                 {vnOrientationRight, -900},
                                                 {vnOrientationBottom, 0},
                                                 {vnOrientationLeft, -2700}};
    for (const auto& [orientation, escapement] : cases) {
        CaptionControl c(1, orientation);
        c.tab(1).SetCaption("Tab");
        gdi::Trace trace;
        c.Redraw();
        EXPECT_EQ(FontsOfCaptions(trace).at("Tab")[1], escapement) << "orientation " << orientation;
    }
}

// The ink of one tab's caption: the control drawn with it less the control drawn without it.
gdi::RECT CaptionInk(int32_t orientation, const std::string& caption, int32_t alignment = 7) {
    CaptionControl with(1, orientation), without(1, orientation);
    with.tab(1).SetCaption(caption);
    with.state().TabCaptionAlign = alignment;
    without.state().TabCaptionAlign = alignment;
    with.Redraw();
    without.Redraw();
    return with.ChangedFrom(without);
}

TEST_F(TabCaption, ARightTabsCaptionStandsTallerThanWide) {
    const gdi::RECT right = CaptionInk(vnOrientationRight, "Settings");
    EXPECT_GT(Height(right), 2 * Width(right));
    const gdi::RECT left = CaptionInk(vnOrientationLeft, "Settings");
    EXPECT_GT(Height(left), 2 * Width(left));
    const gdi::RECT bottom = CaptionInk(vnOrientationBottom, "Settings");
    EXPECT_GT(Width(bottom), 2 * Height(bottom));
}

TEST_F(TabCaption, TheAccessKeyOfSaveIsUnderlinedUnderTheV) {
    // Start-aligned captions keep their first characters in place whatever follows.
    const gdi::RECT underline = [] {
        CaptionControl marked(1), plain(1);
        marked.tab(1).SetCaption("Sa&ve");
        plain.tab(1).SetCaption("Save");
        marked.state().TabCaptionAlign = plain.state().TabCaptionAlign = 1;
        marked.Redraw();
        plain.Redraw();
        return marked.ChangedFrom(plain);
    }();
    const gdi::RECT v = [] {
        CaptionControl sav(1), sa(1);
        sav.tab(1).SetCaption("Sav");
        sa.tab(1).SetCaption("Sa");
        sav.state().TabCaptionAlign = sa.state().TabCaptionAlign = 1;
        sav.Redraw();
        sa.Redraw();
        return sav.ChangedFrom(sa);
    }();
    ASSERT_NE(v, gdi::RECT{});
    EXPECT_EQ(Height(underline), 1);
    EXPECT_GE(underline.top, v.bottom) << "below the v's ink";
    EXPECT_LE(underline.top, v.bottom + 2);
    EXPECT_GE(underline.left, v.left - 1) << "not under the a";
    EXPECT_LE(underline.right, v.right + 1) << "not under the e";
    EXPECT_GE(Width(underline), Width(v) - 2);
}

TEST_F(TabCaption, APictureLeftOfTheTextStandsAboveTheCaptionOfARightTab) {
    CaptionControl c(1, vnOrientationRight);
    c.tab(1).SetPicture(text_test::SolidBitmap(8, 8, 0x0000FF));
    c.tab(1).SetCaption("Tab");
    c.tab(1).SetForeColor(0x00FF00);
    c.state().TabPictureAlign = 11;
    c.Redraw();
    auto bounds = [&](gdi::COLORREF color) {
        gdi::RECT box{300, 200, 0, 0};
        for (int32_t y = 0; y < 200; ++y)
            for (int32_t x = 0; x < 300; ++x)
                if (c.Pixel(x, y) == color)
                    box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                           std::max(box.bottom, y + 1)};
        return box;
    };
    const gdi::RECT picture = bounds(gdi::RGB(0, 0, 255));
    const gdi::RECT caption = bounds(gdi::RGB(0, 255, 0));
    ASSERT_EQ(Width(picture), 8);
    ASSERT_GT(Height(caption), 0);
    EXPECT_LE(picture.bottom, caption.top) << "before the start of text reading downwards";
    EXPECT_LE(picture.left, caption.right);
    EXPECT_GE(picture.right, caption.left) << "in line with the caption";
    c.tab(1).SetPicture(nullptr);
}

// The focus rectangle drawn for a tab, through DrawTab itself after a layout.
class FocusRectangle : public TabCaption {
protected:
    std::vector<gdi::TraceRecord> FocusRects(CaptionControl& c, int16_t tab, bool active,
                                             gdi::RECT* caption) {
        c.Redraw(); // lays the headers out
        gfx::CDC dc;
        dc.Attach(c.site.hDC());
        gdi::Trace trace;
        *caption = vntab::DrawTab(*c.ctl, dc, tab, 0, active);
        return trace.filter("DrawFocusRect");
    }
};

TEST_F(FocusRectangle, StartsTwoPixelsBeforeTheCaptionOnItsStartingSide) {
    const struct {
        int32_t orientation;
        gdi::RECT grow; // left, top, right, bottom added to the caption rectangle
    } cases[] = {{vnOrientationTop, {-2, 0, 0, 0}},
                 {vnOrientationBottom, {-2, 0, 0, 0}},
                 {vnOrientationRight, {0, -2, 0, 0}},
                 {vnOrientationLeft, {0, 0, 0, 2}}};
    for (const auto& k : cases) {
        CaptionControl c(2, k.orientation);
        c.state().FocusRectStyle = vntab::vnFocusRectText;
        user::SetFocus(c.site.hWnd());
        gdi::RECT caption;
        const auto rects = FocusRects(c, 1, true, &caption);
        ASSERT_EQ(rects.size(), 1u) << "orientation " << k.orientation;
        const gdi::RECT expected{caption.left + k.grow.left, caption.top + k.grow.top,
                                 caption.right + k.grow.right, caption.bottom + k.grow.bottom};
        EXPECT_EQ(rects[0].args,
                  (std::vector<int64_t>{expected.left, expected.top, expected.right, expected.bottom}))
            << "orientation " << k.orientation;
        EXPECT_EQ(c.state().FocusRect, expected);
        user::SetFocus(user::HWND{});
    }
}

TEST_F(FocusRectangle, IsLeftOutWithoutTheFocusOnAnInactiveTabOrWhenTheStyleIsNone) {
    CaptionControl c(2);
    c.state().FocusRectStyle = vntab::vnFocusRectText;
    gdi::RECT caption;
    user::SetFocus(user::HWND{});
    EXPECT_TRUE(FocusRects(c, 1, true, &caption).empty()) << "the control has no focus";
    user::SetFocus(c.site.hWnd());
    EXPECT_TRUE(FocusRects(c, 2, false, &caption).empty()) << "not the active tab";
    c.state().FocusRectStyle = vnFocusRectNone;
    EXPECT_TRUE(FocusRects(c, 1, true, &caption).empty()) << "vnFocusRectNone";
    c.state().FocusRectStyle = vntab::vnFocusRectText;
    c.state().Enabled = false;
    EXPECT_TRUE(FocusRects(c, 1, true, &caption).empty()) << "a disabled control";
    user::SetFocus(user::HWND{});
}

TEST_F(TabCaption, RedrawsKeepNoMoreThanTheRenderersFontAlive) {
    const gdi::LiveObjects before = gdi::live_objects();
    {
        CaptionControl c(3);
        c.tab(2).SetPicture(text_test::SolidIcon(16, 16, 0x00FF00));
        c.tab(3).SetPicture(text_test::SolidBitmap(16, 16, 0x0000FF));
        c.state().TabPictureAlign = 12;
        c.Redraw();
        const gdi::LiveObjects after_one = gdi::live_objects();
        c.Redraw();
        c.state().TabPictureAlign = 10;
        c.Redraw();
        EXPECT_EQ(gdi::live_objects(), after_one);
    }
    EXPECT_EQ(gdi::live_objects(), before) << "the control's end releases the renderer's font";
}

TEST_F(TabCaption, TheLayoutMeasuresTheStrippedCaptionInTheCaptionFontsSize) {
    CaptionControl c(1);
    c.state().TabCaptionFont = std::make_shared<rt::StdFont>("Arial", 12);
    c.tab(1).SetCaption("&File && Exit");
    const gdi::HGDIOBJ font_before = gdi::GetCurrentObject(c.site.hDC(), gdi::ObjectKind::Font);
    const int32_t measured = vntab::MeasureCaption(*c.ctl, c.site.hDC(), c.tab(1));
    EXPECT_EQ(gdi::GetCurrentObject(c.site.hDC(), gdi::ObjectKind::Font), font_before)
        << "the DC's font is back";
    gdi::LOGFONTA lf;
    lf.lfHeight = -16; // 12 points at 96 pixels per inch
    std::snprintf(lf.lfFaceName, sizeof lf.lfFaceName, "Arial");
    const gdi::HFONT arial = gdi::CreateFontIndirectA(&lf);
    const gdi::HGDIOBJ previous = gdi::SelectObject(c.site.hDC(), arial);
    gdi::SIZE extent;
    gdi::GetTextExtentPoint32A(c.site.hDC(), "File & Exit", 11, &extent);
    gdi::SelectObject(c.site.hDC(), previous);
    gdi::DeleteObject(arial);
    EXPECT_EQ(measured, extent.cx);
}

} // namespace
