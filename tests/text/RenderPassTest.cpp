#include "TextFixture.h"

#include "platform/automation/AutomationError.h"
#include "platform/gdi/Trace.h"
#include "platform/user/SysColors.h"

#include <gtest/gtest.h>

namespace {

using text_test::kBlack;
using text_test::kWhite;
using text_test::RendererTest;
using text_test::Surface;

// A destination with a pattern of colours that text never uses.
void Paint(Surface& s) {
    for (int32_t y = 0; y < s.height(); ++y)
        for (int32_t x = 0; x < s.width(); ++x)
            s.set(x, y, gdi::RGB(uint8_t(40 + x % 200), uint8_t(60 + y % 180), 200));
}

class RenderPass : public RendererTest {
protected:
    void TearDown() override {
        m_owned.reset();
        RendererTest::TearDown();
    }
    std::unique_ptr<text::CRenderText> m_owned = std::make_unique<text::CRenderText>();
    text::CRenderText& r = *m_owned;
};

TEST_F(RenderPass, AZeroDestinationDrawsNothingAndFails) {
    Configure(r, gfx::CRect(0, 0, 50, 20), "Tab");
    gfx::CDC none;
    EXPECT_FALSE(r.Render(none, 10));
}

TEST_F(RenderPass, TheTargetReceivesTheFilledBackgroundAndNothingElseChanges) {
    Surface s(80, 40);
    Paint(s);
    Surface before(80, 40);
    Paint(before);
    Configure(r, gfx::CRect(10, 5, 60, 30), "");
    r.SetBackColor(0x00FF00);
    ASSERT_TRUE(r.Render(s.dc(), 10));
    EXPECT_EQ(s.bounds(gdi::RGB(0, 255, 0)), (gdi::RECT{10, 5, 60, 30}));
    EXPECT_EQ(s.count(gdi::RGB(0, 255, 0)), 50 * 25);
    EXPECT_EQ(s.changed_from(before), (gdi::RECT{10, 5, 60, 30}));
}

TEST_F(RenderPass, ATransparentBackgroundLeavesEveryPixelOutsideTheGlyphs) {
    Surface s(120, 40);
    Paint(s);
    Surface before(120, 40);
    Paint(before);
    Configure(r, gfx::CRect(7, 3, 110, 37), "Gallery");
    r.SetBackTransparent(true);
    r.SetTextAlignment(7);
    ASSERT_TRUE(r.Render(s.dc(), 12));
    int ink = 0;
    for (int32_t y = 0; y < 40; ++y)
        for (int32_t x = 0; x < 120; ++x) {
            if (s.at(x, y) == before.at(x, y)) continue;
            ASSERT_EQ(s.at(x, y), kBlack) << "at " << x << "," << y;
            ++ink;
        }
    EXPECT_GT(ink, 40) << "the caption was drawn";
}

TEST_F(RenderPass, DisabledTextIsGrayAndTheForeColorStays) {
    Surface s(100, 30);
    Configure(r, gfx::CRect(0, 0, 100, 30), "Disabled");
    r.SetForeColor(0x0000FF);
    r.SetEnabled(false);
    ASSERT_TRUE(r.Render(s.dc(), 12));
    const gdi::COLORREF gray = user::GetSysColor(user::COLOR_GRAYTEXT);
    EXPECT_GT(s.count(gray), 40);
    EXPECT_EQ(s.count(gdi::RGB(255, 0, 0)), 0);
    EXPECT_EQ(r.ForeColor(), 0x0000FF);
}

TEST_F(RenderPass, TilesRunColumnByColumnFromTheCorner) {
    Surface s(60, 40);
    std::vector<uint32_t> pixels(10 * 10, 0x0000FF);
    pixels[0] = 0xFF0000;
    const auto tile = rt::StdPicture::FromPixels(10, 10, pixels);
    Configure(r, gfx::CRect(20, 10, 45, 25), "");
    r.SetPicture(tile);
    r.SetPictureAlignment(10);
    gdi::Trace trace;
    ASSERT_TRUE(r.Render(s.dc(), 10));
    std::vector<std::pair<int64_t, int64_t>> corners;
    for (const gdi::TraceRecord& blit : trace.filter("BitBlt"))
        if (blit.args[2] == 10) corners.emplace_back(blit.args[0], blit.args[1]);
    EXPECT_EQ(corners, (std::vector<std::pair<int64_t, int64_t>>{
                           {0, 0}, {0, 10}, {10, 0}, {10, 10}, {20, 0}, {20, 10}}));
    for (const auto& [x, y] : corners)
        EXPECT_EQ(s.at(20 + int32_t(x), 10 + int32_t(y)), gdi::RGB(255, 0, 0));
    EXPECT_EQ(s.bounds(gdi::RGB(0, 0, 255)), (gdi::RECT{20, 10, 45, 25})) << "tiles past the area are cut";
}

TEST_F(RenderPass, TilesThatCannotReachTheDestinationAreSkippedWithoutChangingWhatShows) {
    Surface s(40, 30);
    std::vector<uint32_t> pixels(10 * 10);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = uint32_t(i) * 0x020301;
    const auto tile = rt::StdPicture::FromPixels(10, 10, pixels);
    // A caption area far larger than the destination, starting off its top-left corner.
    Configure(r, gfx::CRect(-1003, -1007, 2000, 1500), "");
    r.SetPicture(tile);
    r.SetPictureAlignment(10);
    gdi::Trace trace;
    ASSERT_TRUE(r.Render(s.dc(), 10));
    for (int32_t y = 0; y < 30; ++y)
        for (int32_t x = 0; x < 40; ++x)
            ASSERT_EQ(s.at(x, y), text_test::FromRgb(pixels[size_t((y + 1007) % 10) * 10 + (x + 1003) % 10]))
                << x << "," << y;
    EXPECT_LE(trace.filter("BitBlt").size(), 5u * 4u + 1u) << "only the tiles under the destination";
}

TEST_F(RenderPass, ATargetTooLargeForASurfaceDrawsNothing) {
    Surface s(20, 20);
    Configure(r, gfx::CRect(0, 0, 40000, 10), "Tab");
    EXPECT_FALSE(r.Render(s.dc(), 10));
    EXPECT_EQ(s.count(kWhite), 400);
}

TEST_F(RenderPass, AStretchedBitmapFillsTheTargetAndAnIconKeepsItsSize) {
    Surface s(80, 40);
    Configure(r, gfx::CRect(10, 10, 50, 30), "");
    r.SetPicture(text_test::SolidBitmap(4, 4, 0x0000FF));
    r.SetPictureAlignment(9);
    ASSERT_TRUE(r.Render(s.dc(), 10));
    EXPECT_EQ(s.bounds(gdi::RGB(0, 0, 255)), (gdi::RECT{10, 10, 50, 30}));
    EXPECT_EQ(s.count(gdi::RGB(0, 0, 255)), 40 * 20);

    r.SetPicture(text_test::SolidIcon(8, 8, 0x00FF00));
    ASSERT_TRUE(r.Render(s.dc(), 10));
    EXPECT_EQ(s.bounds(gdi::RGB(0, 255, 0)), (gdi::RECT{10, 10, 18, 18}));
}

TEST_F(RenderPass, AMaskColorEnabledBitmapIsCopiedStraightAndCroppedToItsPlace) {
    Surface s(40, 40);
    Configure(r, gfx::CRect(0, 0, 40, 40), "");
    r.SetPicture(text_test::SolidBitmap(6, 6, 0x0000FF));
    r.SetMaskColorEnabled(true);
    r.SetMaskColor(0x0000FF);
    r.SetPictureAlignment(5); // bottom right
    gdi::Trace trace;
    ASSERT_TRUE(r.Render(s.dc(), 10));
    EXPECT_EQ(s.bounds(gdi::RGB(0, 0, 255)), (gdi::RECT{34, 34, 40, 40}))
        << "the mask colour is not transparent";
}

TEST_F(RenderPass, ACentredPictureIsCentredInATargetAwayFromTheOrigin) {
    Surface s(200, 120);
    Configure(r, gfx::CRect(37, 21, 137, 81), "");
    r.SetPicture(text_test::SolidBitmap(10, 10, 0x0000FF));
    r.SetPictureAlignment(7);
    ASSERT_TRUE(r.Render(s.dc(), 10));
    EXPECT_EQ(s.bounds(gdi::RGB(0, 0, 255)), (gdi::RECT{82, 46, 92, 56}));
}

TEST_F(RenderPass, PicturesInTheAreaGoUnderTheTextAndBesideItAfterIt) {
    Surface s(100, 40);
    Configure(r, gfx::CRect(0, 0, 100, 40), "Tab");
    r.SetPicture(text_test::SolidBitmap(8, 8, 0x0000FF));
    gdi::Trace trace;
    r.SetPictureAlignment(7);
    r.Render(s.dc(), 10);
    const std::vector<std::string> under = trace.lines({"BitBlt", "TextOutA"});
    ASSERT_GE(under.size(), 2u);
    EXPECT_EQ(under[0].rfind("BitBlt(46,16,8,8", 0), 0u) << under[0];
    EXPECT_EQ(under[1].rfind("TextOutA", 0), 0u) << under[1];
    trace.clear();
    r.SetPictureAlignment(11);
    r.Render(s.dc(), 10);
    const std::vector<std::string> beside = trace.lines({"BitBlt", "TextOutA"});
    ASSERT_GE(beside.size(), 2u);
    EXPECT_EQ(beside[0].rfind("TextOutA", 0), 0u) << beside[0];
    EXPECT_EQ(beside[1].rfind("BitBlt", 0), 0u) << beside[1];
    EXPECT_EQ(r.AdjacentPictureRect().Right, r.TextRect().Left) << "the picture ends where the text starts";
}

// The face and highlight copies of a line with a 3D effect, by their text colours.
std::vector<std::string> TextOuts(const gdi::Trace& trace) {
    return trace.lines({"TextOutA"});
}

TEST_F(RenderPass, RaisedAndInsetTextSwapWhichCopyLiesDownAndRight) {
    Surface s(120, 40);
    Configure(r, gfx::CRect(0, 0, 120, 40), "3D");
    r.SetForeColor(0x000080);
    r.SetHighlightColor(0xFFFFFF);
    r.SetFont3D(1);
    gdi::Trace trace;
    r.Render(s.dc(), 12);
    const std::vector<std::string> raised = TextOuts(trace);
    trace.clear();
    r.SetFont3D(3);
    r.Render(s.dc(), 12);
    const std::vector<std::string> inset = TextOuts(trace);
    ASSERT_EQ(raised.size(), 2u);
    ASSERT_EQ(inset.size(), 2u);
    EXPECT_EQ(raised[0], "TextOutA(0,0,\"3D\") text=#FFFFFF");
    EXPECT_EQ(raised[1], "TextOutA(1,1,\"3D\") text=#800000");
    EXPECT_EQ(inset[0], "TextOutA(1,1,\"3D\") text=#FFFFFF");
    EXPECT_EQ(inset[1], "TextOutA(0,0,\"3D\") text=#800000");
}

TEST_F(RenderPass, HeavyEffectsDrawThreeCopiesAndGrowTheBlockByTwo) {
    Surface s(120, 40);
    Configure(r, gfx::CRect(0, 0, 120, 40), "3D");
    r.Render(s.dc(), 12); // sets the font's height
    const gfx::CRect plain = r.GetTextSize(&s.dc());
    r.SetHighlightColor(0xFFFFFF);
    r.SetShadowColor(0x808080);
    const std::vector<std::string> raised{"TextOutA(0,0,\"3D\") text=#FFFFFF",
                                          "TextOutA(2,2,\"3D\") text=#808080",
                                          "TextOutA(1,1,\"3D\") text=#000000"};
    const std::vector<std::string> inset{"TextOutA(0,0,\"3D\") text=#808080",
                                         "TextOutA(2,2,\"3D\") text=#FFFFFF",
                                         "TextOutA(1,1,\"3D\") text=#000000"};
    for (int32_t effect : {2, 4}) {
        r.SetFont3D(effect);
        EXPECT_EQ(r.GetTextSize(&s.dc()), gfx::CRect(0, 0, plain.Right + 2, plain.Bottom + 2));
        gdi::Trace trace;
        r.Render(s.dc(), 12);
        EXPECT_EQ(TextOuts(trace), effect == 2 ? raised : inset);
    }
    r.SetFont3D(3);
    EXPECT_EQ(r.GetTextSize(&s.dc()), gfx::CRect(0, 0, plain.Right + 1, plain.Bottom + 1));
}

TEST_F(RenderPass, AFontSizeThatOverflowsRaisesAndReleasesEverything) {
    Surface s(40, 20);
    Configure(r, gfx::CRect(0, 0, 40, 20), "Tab");
    try {
        r.Render(s.dc(), 3.0e38f);
        FAIL() << "no error";
    } catch (const rt::AutomationError& e) {
        EXPECT_EQ(e.number, rt::kErrOverflow);
    }
    EXPECT_FALSE(r.RenderDC().m_hdc) << "no stale off-screen DC is kept";
}

TEST_F(RenderPass, EveryRenderReleasesItsSurfaceBrushAndPen) {
    Surface s(100, 40);
    Configure(r, gfx::CRect(0, 0, 100, 40), "&Underlined");
    r.SetPicture(text_test::SolidIcon(16, 16, 0x00FF00));
    const gdi::LiveObjects before = gdi::live_objects();
    for (int32_t alignment = 0; alignment <= 14; ++alignment) {
        r.SetPictureAlignment(alignment);
        r.SetBackTransparent(alignment % 2 == 0);
        ASSERT_TRUE(r.Render(s.dc(), 10));
        EXPECT_EQ(gdi::live_objects(), before) << "alignment " << alignment;
    }
}

TEST_F(RenderPass, TheFontHeightFollowsThePointSizeAndTheResolution) {
    Surface s(100, 40);
    Configure(r, gfx::CRect(0, 0, 100, 40), "Tab");
    r.Render(s.dc(), 9.75f);
    EXPECT_EQ(r.Font().Height(), -13);
    gdi::SetLogicalDpi(120);
    r.Render(s.dc(), 9.75f);
    gdi::SetLogicalDpi(96);
    EXPECT_EQ(r.Font().Height(), -16) << "9.75 x 120 / 72 = 16.25";
}

} // namespace
