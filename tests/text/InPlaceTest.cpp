#include "TextFixture.h"

#include "platform/gdi/Trace.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

// Text over a transparent background is drawn straight onto the destination where that gives the
// pixels the off-screen surface gives. Here both ways draw the same captions on the same
// destinations, over every alignment, orientation, 3D effect, wrap, font and placement, and must
// leave the same pixels, the same layout and the destination's state as they found it.
namespace {

using text_test::Surface;
using InPlace = text_test::RendererTest;

constexpr int32_t kW = 90;
constexpr int32_t kH = 70;

// A destination with a pattern of colours that the captions never use.
void Paint(Surface& s) {
    for (int32_t y = 0; y < kH; ++y)
        for (int32_t x = 0; x < kW; ++x)
            gdi::SetPixel(s.dc().m_hdc, x, y, gdi::RGB(uint8_t(40 + x), uint8_t(60 + y), 200));
}

std::vector<gdi::COLORREF> PixelsOf(const Surface& s) {
    std::vector<gdi::COLORREF> pixels;
    for (int32_t y = 0; y < kH; ++y)
        for (int32_t x = 0; x < kW; ++x)
            pixels.push_back(s.at(x, y));
    return pixels;
}

// What a render may not change on its destination.
struct DcState {
    gdi::COLORREF text = 0, back = 0;
    int bk_mode = 0, rop2 = 0;
    uint32_t align = 0;
    gdi::RECT clip{};
    gdi::HGDIOBJ font, pen, brush;
    gdi::POINT position{}, viewport{};

    explicit DcState(gdi::HDC dc)
        : text(gdi::GetTextColor(dc)), back(gdi::GetBkColor(dc)), bk_mode(gdi::GetBkMode(dc)),
          rop2(gdi::GetROP2(dc)), align(gdi::GetTextAlign(dc)),
          font(gdi::GetCurrentObject(dc, gdi::ObjectKind::Font)),
          pen(gdi::GetCurrentObject(dc, gdi::ObjectKind::Pen)),
          brush(gdi::GetCurrentObject(dc, gdi::ObjectKind::Brush)) {
        gdi::GetClipBox(dc, &clip);
        gdi::GetCurrentPositionEx(dc, &position);
        gdi::GetViewportOrgEx(dc, &viewport);
    }
    bool operator==(const DcState&) const = default;
};

struct Case {
    std::string caption;
    gfx::CRect target;
    int32_t alignment, orientation, effect;
    bool wrap, enabled, bitmap_face, bold;
    int destination; // 0 plain, 1 clipped, 2 odd text alignment and raster operation
};

std::string Describe(const Case& c) {
    return "\"" + c.caption + "\" at " + std::to_string(c.target.Left) + "," + std::to_string(c.target.Top) +
           " " + std::to_string(c.target.Width()) + "x" + std::to_string(c.target.Height()) + " align " +
           std::to_string(c.alignment) + " orientation " + std::to_string(c.orientation) + " effect " +
           std::to_string(c.effect) + (c.wrap ? " wrap" : "") + (c.enabled ? "" : " disabled") +
           (c.bitmap_face ? " bitmap face" : "") + (c.bold ? " bold" : "") + " destination " +
           std::to_string(c.destination);
}

void ApplyCase(text::CRenderText& r, const Case& c) {
    const rt::StdFont font(c.bitmap_face ? "MS Sans Serif" : "Arial", c.bitmap_face ? 8.25 : 10, c.bold);
    r.SetCaptionFont(&font, false, c.orientation);
    r.SetEnabled(c.enabled);
    r.SetForeColor(0x000080);
    r.SetHighlightColor(0xFFFFFF);
    r.SetShadowColor(0x808080);
    r.SetBackColor(0x00C0C0C0);
    r.SetBackTransparent(true);
    r.SetFont3D(c.effect);
    r.SetTextAlignment(c.alignment);
    r.SetWordWrap(c.wrap);
    r.SetText(c.caption);
    r.TargetRect() = c.target;
}

void Prepare(Surface& s, int destination) {
    Paint(s);
    const gdi::HDC dc = s.dc().m_hdc;
    if (destination == 1) gdi::IntersectClipRect(dc, 7, 3, 61, 52);
    if (destination == 2) {
        gdi::SetTextAlign(dc, gdi::TA_BOTTOM | gdi::TA_RIGHT);
        gdi::SetROP2(dc, gdi::R2_XORPEN);
        gdi::SetBkMode(dc, gdi::OPAQUE);
        gdi::SetTextColor(dc, gdi::RGB(1, 2, 3));
        gdi::MoveToEx(dc, 5, 6, nullptr);
    }
}

TEST_F(InPlace, TextDrawnOnTheDestinationIsWhatTheSurfaceWouldHaveCopiedBack) {
    const std::vector<std::string> captions = {
        "Tab &1", "&File && Exit", "Sa&ve", "A caption wider than its header", "Two words", "&", ""};
    std::mt19937 random(99);
    auto pick = [&](int32_t low, int32_t high) {
        return std::uniform_int_distribution<int32_t>(low, high)(random);
    };
    text::CRenderText through;
    int drawn_in_place = 0;
    for (int round = 0; round < 600; ++round) {
        const int32_t left = pick(-20, 70), top = pick(-20, 60);
        const Case c{captions[size_t(pick(0, int32_t(captions.size()) - 1))],
                     gfx::CRect(left, top, left + pick(1, 80), top + pick(1, 50)),
                     pick(0, 8),
                     pick(0, 3),
                     pick(0, 4),
                     pick(0, 3) == 0,
                     pick(0, 4) != 0,
                     pick(0, 3) == 0,
                     pick(0, 1) == 1,
                     pick(0, 2)};
        Surface direct(kW, kH), surface(kW, kH);
        Prepare(direct, c.destination);
        Prepare(surface, c.destination);
        ApplyCase(r, c);
        ApplyCase(through, c);
        const DcState before(direct.dc().m_hdc);
        {
            gdi::Trace trace;
            ASSERT_TRUE(r.Render(direct.dc(), c.bitmap_face ? 8.25f : 10.0f)) << Describe(c);
            drawn_in_place += trace.filter("CreateCompatibleBitmap").empty();
        }
        ASSERT_TRUE(through.RenderThroughSurface(surface.dc(), c.bitmap_face ? 8.25f : 10.0f)) << Describe(c);
        ASSERT_EQ(PixelsOf(direct), PixelsOf(surface)) << Describe(c);
        EXPECT_EQ(r.TextRect(), through.TextRect()) << Describe(c);
        EXPECT_EQ(r.MnemonicPos(), through.MnemonicPos()) << Describe(c);
        EXPECT_EQ(r.AdjacentPictureRect(), through.AdjacentPictureRect()) << Describe(c);
        EXPECT_TRUE(DcState(direct.dc().m_hdc) == before)
            << "the destination's state is back: " << Describe(c);
        EXPECT_FALSE(r.RenderDC().m_hdc) << "the renderer keeps no DC after the render";
    }
    EXPECT_EQ(drawn_in_place, 600) << "every one of these captions is drawn in place";
}

// Where drawing in place could differ, the caption goes through the surface: a destination that
// maps with an origin, a target the platform makes no surface of, an opaque background, a picture.
TEST_F(InPlace, AnythingElseGoesThroughTheSurface) {
    Surface s(kW, kH);
    Configure(gfx::CRect(5, 5, 60, 30), "Tab");
    r.SetBackTransparent(true);
    auto through_surface = [&] {
        gdi::Trace trace;
        r.Render(s.dc(), 10);
        return !trace.filter("CreateCompatibleBitmap").empty();
    };
    EXPECT_FALSE(through_surface());
    gdi::SetViewportOrgEx(s.dc().m_hdc, 3, 0, nullptr);
    EXPECT_TRUE(through_surface());
    gdi::SetViewportOrgEx(s.dc().m_hdc, 0, 0, nullptr);
    gdi::SetWindowOrgEx(s.dc().m_hdc, 0, 2, nullptr);
    EXPECT_TRUE(through_surface());
    gdi::SetWindowOrgEx(s.dc().m_hdc, 0, 0, nullptr);
    gdi::SetMapMode(s.dc().m_hdc, gdi::MM_LOMETRIC);
    EXPECT_TRUE(through_surface());
    gdi::SetMapMode(s.dc().m_hdc, gdi::MM_TEXT);
    r.SetBackTransparent(false);
    EXPECT_TRUE(through_surface());
    r.SetBackTransparent(true);
    r.SetPicture(text_test::SolidIcon(8, 8, 0x00FF00));
    EXPECT_TRUE(through_surface());
    r.SetPicture(nullptr);
    for (const gfx::CRect& odd :
         {gfx::CRect(5, 5, 5, 30), gfx::CRect(5, 5, 4, 30), gfx::CRect(0, 0, 40000, 10)}) {
        r.TargetRect() = odd;
        EXPECT_TRUE(through_surface()) << odd.Width() << "x" << odd.Height();
    }
}

} // namespace
