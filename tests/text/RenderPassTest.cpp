#include "TextFixture.h"

#include "platform/automation/AutomationError.h"
#include "platform/gdi/Trace.h"
#include "platform/user/SysColors.h"

#include <gtest/gtest.h>

namespace {

using text_test::kBlack;
using text_test::kWhite;
using text_test::Surface;
using RenderPass = text_test::RendererTest;

// A destination with a pattern of colours that text never uses.
void Paint(Surface& s, int32_t width, int32_t height) {
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            gdi::SetPixel(s.dc().m_hdc, x, y, gdi::RGB(uint8_t(40 + x), uint8_t(60 + y), 200));
}

std::vector<std::string> Lines(const gdi::Trace& trace, std::string_view name) {
    return trace.lines({name});
}

TEST_F(RenderPass, NothingIsDrawnWithoutADestinationOrASurfaceOfTheTargetsSize) {
    Surface s(20, 20);
    gfx::CDC none;
    Configure(gfx::CRect(0, 0, 50, 20), "Tab");
    EXPECT_FALSE(r.Render(none, 10));
    r.TargetRect() = gfx::CRect(0, 0, 40000, 10);
    EXPECT_FALSE(r.Render(s.dc(), 10));
    EXPECT_EQ(s.count(kWhite), 400);
}

TEST_F(RenderPass, ATransparentBackgroundLeavesEveryPixelOutsideTheGlyphs) {
    Surface s(120, 40), before(120, 40);
    Paint(s, 120, 40);
    Paint(before, 120, 40);
    Configure(gfx::CRect(7, 3, 110, 37), "Gallery");
    r.SetBackTransparent(true);
    r.SetTextAlignment(7);
    ASSERT_TRUE(r.Render(s.dc(), 12));
    int ink = 0;
    for (int32_t y = 0; y < 40; ++y)
        for (int32_t x = 0; x < 120; ++x)
            if (s.at(x, y) != before.at(x, y)) {
                ASSERT_EQ(s.at(x, y), kBlack) << "at " << x << "," << y;
                ++ink;
            }
    EXPECT_GT(ink, 40) << "the caption was drawn";
}

TEST_F(RenderPass, DisabledTextIsGrayAndTheForeColorStays) {
    Surface s(100, 30);
    Configure(gfx::CRect(0, 0, 100, 30), "Disabled");
    r.SetForeColor(0x0000FF);
    r.SetEnabled(false);
    ASSERT_TRUE(r.Render(s.dc(), 12));
    EXPECT_GT(s.count(user::GetSysColor(user::COLOR_GRAYTEXT)), 40);
    EXPECT_EQ(s.count(0x0000FF), 0);
    EXPECT_EQ(r.ForeColor(), 0x0000FF);
}

TEST_F(RenderPass, TilesRunColumnByColumnFromTheCornerAndAreCutAtTheEdges) {
    Surface s(60, 40);
    Configure(gfx::CRect(20, 10, 45, 25), "");
    r.SetPicture(text_test::SolidBitmap(10, 10, 0x0000FF));
    r.SetPictureAlignment(10);
    gdi::Trace trace;
    ASSERT_TRUE(r.Render(s.dc(), 10));
    const std::vector<std::string> tiles{
        "BitBlt(0,0,10,10,0,0) rop=0xCC0020",  "BitBlt(0,10,10,10,0,0) rop=0xCC0020",
        "BitBlt(10,0,10,10,0,0) rop=0xCC0020", "BitBlt(10,10,10,10,0,0) rop=0xCC0020",
        "BitBlt(20,0,10,10,0,0) rop=0xCC0020", "BitBlt(20,10,10,10,0,0) rop=0xCC0020"};
    std::vector<std::string> blits = Lines(trace, "BitBlt");
    blits.pop_back(); // the surface's copy to the destination
    EXPECT_EQ(blits, tiles);
    EXPECT_EQ(s.bounds(gdi::RGB(0, 0, 255)), (gdi::RECT{20, 10, 45, 25}));
}

TEST_F(RenderPass, TilesThatCannotReachTheDestinationAreSkippedWithoutChangingWhatShows) {
    Surface s(40, 30);
    std::vector<uint32_t> pixels(10 * 10);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = uint32_t(i) * 0x020301;
    Configure(gfx::CRect(-1003, -1007, 2000, 1500), ""); // far larger than the destination
    r.SetPicture(rt::StdPicture::FromPixels(10, 10, pixels));
    r.SetPictureAlignment(10);
    gdi::Trace trace;
    ASSERT_TRUE(r.Render(s.dc(), 10));
    for (int32_t y = 0; y < 30; ++y)
        for (int32_t x = 0; x < 40; ++x)
            ASSERT_EQ(s.at(x, y), text_test::FromRgb(pixels[size_t((y + 1007) % 10) * 10 + (x + 1003) % 10]));
    EXPECT_LE(trace.filter("BitBlt").size(), 5u * 4u + 1u);
}

TEST_F(RenderPass, AStretchedBitmapFillsTheTargetAndAnIconKeepsItsSize) {
    Surface s(80, 40);
    Configure(gfx::CRect(10, 10, 50, 30), "");
    r.SetPicture(text_test::SolidBitmap(4, 4, 0x0000FF));
    r.SetPictureAlignment(9);
    ASSERT_TRUE(r.Render(s.dc(), 10));
    EXPECT_EQ(s.count(gdi::RGB(0, 0, 255)), 40 * 20);
    r.SetPicture(text_test::SolidIcon(8, 8, 0x00FF00));
    ASSERT_TRUE(r.Render(s.dc(), 10));
    EXPECT_EQ(s.bounds(gdi::RGB(0, 255, 0)), (gdi::RECT{10, 10, 18, 18}));
}

TEST_F(RenderPass, ACentredPictureIsCentredInATargetAwayFromTheOriginUnderTheText) {
    Surface s(200, 120);
    Configure(gfx::CRect(37, 21, 137, 81), "Tab");
    r.SetPicture(text_test::SolidBitmap(10, 10, 0x0000FF));
    r.SetPictureAlignment(7);
    gdi::Trace trace;
    ASSERT_TRUE(r.Render(s.dc(), 10));
    EXPECT_EQ(s.bounds(gdi::RGB(0, 0, 255)).left, 82);
    EXPECT_EQ(s.bounds(gdi::RGB(0, 0, 255)).top, 46);
    const std::vector<std::string> order = trace.lines({"BitBlt", "TextOutA"});
    EXPECT_EQ(order.at(0).rfind("BitBlt(45,25,", 0), 0u) << "the picture first";
    EXPECT_EQ(order.at(1).rfind("TextOutA", 0), 0u);
}

TEST_F(RenderPass, RaisedAndInsetTextSwapWhichCopyLiesDownAndRight) {
    Surface s(120, 40);
    Configure(gfx::CRect(0, 0, 120, 40), "3D");
    r.SetForeColor(0x000080);
    r.SetHighlightColor(0xFFFFFF);
    gdi::Trace trace;
    r.SetFont3D(1);
    r.Render(s.dc(), 12);
    r.SetFont3D(3);
    r.Render(s.dc(), 12);
    EXPECT_EQ(
        Lines(trace, "TextOutA"),
        (std::vector<std::string>{"TextOutA(0,0,\"3D\") text=#FFFFFF", "TextOutA(1,1,\"3D\") text=#800000",
                                  "TextOutA(1,1,\"3D\") text=#FFFFFF", "TextOutA(0,0,\"3D\") text=#800000"}));
}

TEST_F(RenderPass, AStepThatRaisesReleasesEverything) {
    Surface s(40, 20);
    Configure(gfx::CRect(0, 0, 40, 20), "Tab");
    try {
        r.Render(s.dc(), 3.0e38f); // no font height that large
        FAIL() << "no error";
    } catch (const rt::AutomationError& e) {
        EXPECT_EQ(e.number, rt::kErrOverflow);
    }
    EXPECT_FALSE(r.RenderDC().m_hdc) << "no stale off-screen DC is kept";
}

} // namespace
