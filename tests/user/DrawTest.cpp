#include "platform/user/Draw.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Trace.h"
#include "platform/user/SysColors.h"
#include "support/MemorySurface.h"

#include <gtest/gtest.h>

#include <vector>

using namespace user;

namespace {

// A 4 x 4 icon: the left two columns opaque in `rgb`, the right two transparent.
gdi::HICON half_icon(uint32_t rgb) {
    const uint8_t mask_rows[8] = {0x30, 0, 0x30, 0, 0x30, 0, 0x30, 0}; // 1 bits: transparent
    const uint32_t colors[16] = {rgb, rgb, 0, 0, rgb, rgb, 0, 0, rgb, rgb, 0, 0, rgb, rgb, 0, 0};
    gdi::ICONINFO info;
    info.hbmMask = gdi::CreateBitmap(4, 4, 1, 1, mask_rows);
    info.hbmColor = gdi::CreateBitmap32(4, 4, colors);
    const gdi::HICON icon = gdi::CreateIconIndirect(&info);
    gdi::DeleteObject(info.hbmMask);
    gdi::DeleteObject(info.hbmColor);
    return icon;
}

TEST(FocusRect, DrawingItTwiceRestoresEveryPixel) {
    MemorySurface s(30, 20, 0x336699);
    for (int i = 0; i < 600; ++i)
        gdi::SetPixel(s.dc(), i % 30, i / 30, gdi::COLORREF(i * 2654435761u) & 0xFFFFFF);
    const std::vector<uint32_t> before = s.pixels();
    for (gdi::RECT r : {gdi::RECT{2, 3, 17, 12}, gdi::RECT{5, 5, 6, 15}, gdi::RECT{0, 0, 30, 1},
                        gdi::RECT{-4, -4, 25, 15}, gdi::RECT{4, 4, 9, 9}}) {
        ASSERT_TRUE(DrawFocusRect(s.dc(), &r));
        EXPECT_NE(s.pixels(), before) << r.left << "," << r.top;
        DrawFocusRect(s.dc(), &r);
        EXPECT_EQ(s.pixels(), before) << r.left << "," << r.top;
    }
}

TEST(FocusRect, InvertsEveryOtherFramePixelStartingAtTheCorner) {
    MemorySurface s(10, 10, 0x000000);
    const gdi::RECT r{1, 1, 6, 5};
    DrawFocusRect(s.dc(), &r);
    EXPECT_EQ(s.at(1, 1), 0xFFFFFFu) << "the corner";
    EXPECT_EQ(s.at(2, 1), 0u);
    EXPECT_EQ(s.at(3, 1), 0xFFFFFFu);
    EXPECT_EQ(s.at(1, 2), 0u);
    EXPECT_EQ(s.at(1, 3), 0xFFFFFFu);
    EXPECT_EQ(s.at(5, 1), 0xFFFFFFu) << "the right edge is right - 1";
    EXPECT_EQ(s.at(6, 1), 0u);
    EXPECT_EQ(s.at(3, 2), 0u) << "inside stays";
    EXPECT_EQ(s.at(1, 4), 0u) << "the bottom-left corner lies at an odd offset";
    EXPECT_EQ(s.at(2, 4), 0xFFFFFFu);
}

TEST(FocusRect, RespectsClippingAndAppearsInATrace) {
    MemorySurface s(10, 10, 0x000000);
    gdi::IntersectClipRect(s.dc(), 0, 0, 3, 10);
    const gdi::RECT r{1, 1, 8, 8};
    gdi::Trace trace;
    DrawFocusRect(s.dc(), &r);
    EXPECT_EQ(s.at(1, 1), 0xFFFFFFu);
    EXPECT_EQ(s.at(5, 1), 0u) << "clipped";
    EXPECT_EQ(trace.lines({"DrawFocusRect"}), std::vector<std::string>{"DrawFocusRect(1,1,8,8)"});
    EXPECT_EQ(trace.records().size(), 1u) << trace.text();
    EXPECT_FALSE(DrawFocusRect(gdi::HDC{}, &r));
}

TEST(DrawState, AnIconIsDrawnThroughItsMask) {
    MemorySurface s(8, 8, 0x00FF00);
    const gdi::HICON icon = half_icon(0xFF0000);
    gdi::Trace trace;
    EXPECT_TRUE(DrawStateA(s.dc(), {}, nullptr, LPARAM(icon.value), 0, 2, 2, 4, 4, DST_ICON | DSS_NORMAL));
    EXPECT_EQ(s.at(2, 2), 0xFF0000u);
    EXPECT_EQ(s.at(3, 5), 0xFF0000u);
    EXPECT_EQ(s.at(4, 2), 0x00FF00u) << "transparent part";
    EXPECT_EQ(s.at(1, 2), 0x00FF00u);
    EXPECT_EQ(trace.records().size(), 1u) << trace.text();
    EXPECT_EQ(trace.records()[0].name, "DrawStateA");
    gdi::DestroyIcon(icon);
}

TEST(DrawState, ADisabledIconIsEmbossedInHighlightAndShadow) {
    MemorySurface s(10, 10, 0x00FF00);
    const gdi::HICON icon = half_icon(0xFF0000);
    EXPECT_TRUE(DrawStateA(s.dc(), {}, nullptr, LPARAM(icon.value), 0, 2, 2, 0, 0, DST_ICON | DSS_DISABLED));
    const uint32_t shadow = 0x808080, light = 0xFFFFFF;
    EXPECT_EQ(s.at(2, 2), shadow);
    EXPECT_EQ(s.at(3, 5), shadow);
    EXPECT_EQ(s.at(4, 6), light) << "the highlight shows one pixel down and right";
    EXPECT_EQ(s.at(4, 3), light);
    EXPECT_EQ(s.at(5, 3), 0x00FF00u);
    EXPECT_EQ(s.at(2, 6), 0x00FF00u) << "the bottom row has no shadow";
    gdi::DestroyIcon(icon);
}

TEST(DrawState, MonoPaintsTheShapeWithTheBrushAndUnknownStatesFail) {
    MemorySurface s(10, 10, 0xFFFFFF);
    const gdi::HICON icon = half_icon(0x123456);
    const gdi::HBRUSH brush = gdi::CreateSolidBrush(gdi::RGB(0, 0, 255));
    EXPECT_TRUE(DrawStateA(s.dc(), brush, nullptr, LPARAM(icon.value), 0, 0, 0, 0, 0, DST_ICON | DSS_MONO));
    EXPECT_EQ(s.at(1, 1), 0x0000FFu);
    EXPECT_EQ(s.at(2, 1), 0xFFFFFFu);
    EXPECT_FALSE(DrawStateA(s.dc(), brush, nullptr, LPARAM(icon.value), 0, 0, 0, 0, 0, DST_ICON | 0x0010));
    EXPECT_FALSE(DrawStateA(s.dc(), brush, nullptr, 0, 0, 0, 0, 0, 0, DST_ICON)) << "no icon";
    gdi::DeleteObject(brush);
    gdi::DestroyIcon(icon);
}

TEST(DrawState, PrefixTextUnderlinesEveryMarkedCharacterUnlessTheStateHidesIt) {
    auto underline_columns = [](const MemorySurface& s, int32_t row) {
        std::vector<int32_t> columns;
        for (int32_t x = 0; x < 60; ++x)
            if (s.at(x, row) == 0x000000) columns.push_back(x);
        return columns;
    };
    auto columns = [](int32_t from, int32_t to) {
        std::vector<int32_t> out;
        for (int32_t x = from; x < to; ++x)
            out.push_back(x);
        return out;
    };
    auto draw = [](const MemorySurface& s, const char* text, UINT state) {
        return DrawStateA(s.dc(), {}, nullptr, LPARAM(text), 0, 0, 0, 0, 0, DST_PREFIXTEXT | state);
    };
    MemorySurface s(60, 30, 0xFFFFFF);
    gdi::TEXTMETRICA tm;
    ASSERT_TRUE(gdi::GetTextMetricsA(s.dc(), &tm));
    const int32_t row = tm.tmAscent + 1; // one pixel below the baseline
    gdi::SIZE x, xb, ab;
    gdi::GetTextExtentPoint32A(s.dc(), "x", 1, &x);
    gdi::GetTextExtentPoint32A(s.dc(), "xb", 2, &xb);
    gdi::GetTextExtentPoint32A(s.dc(), "ab", 2, &ab);

    ASSERT_TRUE(draw(s, "x&b", DSS_NORMAL));
    EXPECT_EQ(underline_columns(s, row), columns(x.cx, xb.cx)) << "under the b only";

    MemorySurface both(60, 30, 0xFFFFFF);
    ASSERT_TRUE(draw(both, "&a&b", DSS_NORMAL));
    EXPECT_EQ(underline_columns(both, row), columns(0, ab.cx)) << "under the a and the b";

    MemorySurface literal(60, 30, 0xFFFFFF);
    ASSERT_TRUE(draw(literal, "a&&b", DSS_NORMAL));
    EXPECT_TRUE(underline_columns(literal, row).empty());

    MemorySurface hidden(60, 30, 0xFFFFFF);
    ASSERT_TRUE(draw(hidden, "&a&b", DSS_HIDEPREFIX));
    EXPECT_TRUE(underline_columns(hidden, row).empty());
    EXPECT_EQ(hidden.pixels(), [&] {
        MemorySurface plain(60, 30, 0xFFFFFF);
        DrawStateA(plain.dc(), {}, nullptr, LPARAM("ab"), 0, 0, 0, 0, 0, DST_TEXT);
        return plain.pixels();
    }()) << "the text without its markers";

    MemorySurface only(60, 30, 0xFFFFFF);
    ASSERT_TRUE(draw(only, "&a&b", DSS_PREFIXONLY));
    EXPECT_EQ(underline_columns(only, row), columns(0, ab.cx));
    for (int32_t y = 0; y < row; ++y)
        EXPECT_TRUE(underline_columns(only, y).empty()) << "no text on row " << y;
}

TEST(DrawState, LeavesNoObjectsBehind) {
    MemorySurface s(10, 10, 0xFFFFFF);
    const gdi::HICON icon = half_icon(0x123456);
    const gdi::LiveObjects before = gdi::live_objects();
    DrawStateA(s.dc(), {}, nullptr, LPARAM(icon.value), 0, 0, 0, 0, 0, DST_ICON | DSS_DISABLED);
    const char* text = "&Go";
    DrawStateA(s.dc(), {}, nullptr, LPARAM(text), 0, 0, 0, 0, 0, DST_PREFIXTEXT | DSS_DISABLED);
    GrayStringA(s.dc(), {}, nullptr, LPARAM(text), 0, 0, 0, 0, 0);
    EXPECT_EQ(gdi::live_objects(), before);
    gdi::DestroyIcon(icon);
}

TEST(GrayString, PaintsEveryOtherPixelOfTheTextInTheBrush) {
    MemorySurface s(40, 20, 0xFFFFFF);
    const gdi::HBRUSH brush = gdi::CreateSolidBrush(gdi::RGB(255, 0, 0));
    const char* text = "WWW";
    gdi::Trace trace;
    ASSERT_TRUE(GrayStringA(s.dc(), brush, nullptr, LPARAM(text), 3, 0, 0, 0, 0));
    int red = 0, adjacent_pairs = 0;
    for (int32_t y = 0; y < 20; ++y)
        for (int32_t x = 0; x < 40; ++x) {
            const uint32_t p = s.at(x, y);
            EXPECT_TRUE(p == 0xFFFFFF || p == 0xFF0000) << x << "," << y;
            if (p != 0xFF0000) continue;
            ++red;
            EXPECT_EQ((x + y) % 2, 0) << "checkerboard from the top-left";
            if (x + 1 < 40 && s.at(x + 1, y) == 0xFF0000) ++adjacent_pairs;
        }
    EXPECT_GT(red, 10);
    EXPECT_EQ(adjacent_pairs, 0);
    ASSERT_EQ(trace.records().size(), 1u) << trace.text();
    EXPECT_EQ(trace.records()[0].text, "WWW");
    gdi::DeleteObject(brush);
}

} // namespace
