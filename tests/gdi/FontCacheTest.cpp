#include "TestSurface.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace gdi;

// Fonts are realised once per face and size and shared; glyphs are rendered once and kept. These
// tests check that what is kept is what a fresh realisation gives: the same metrics, extents and
// pixels whatever was created, deleted or cleared in between.
namespace {

constexpr const char* kText = "Tab &8 Wg|_";

LOGFONTA logfont(const char* face, int32_t height, int32_t weight = FW_NORMAL, uint8_t italic = 0) {
    LOGFONTA lf;
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return lf;
}

// Everything a font shows on a DC: its metrics, an extent and the pixels of a line of text.
struct Rendering {
    TEXTMETRICA metrics;
    SIZE extent;
    std::vector<COLORREF> pixels;

    friend bool operator==(const Rendering& a, const Rendering& b) {
        return std::memcmp(&a.metrics, &b.metrics, sizeof a.metrics) == 0 && a.extent == b.extent &&
               a.pixels == b.pixels;
    }
};

Rendering render(const LOGFONTA& lf) {
    TestSurface s(120, 40);
    HFONT font = CreateFontIndirectA(&lf);
    HGDIOBJ old = SelectObject(s.dc, font);
    Rendering r;
    EXPECT_TRUE(GetTextMetricsA(s.dc, &r.metrics));
    EXPECT_TRUE(GetTextExtentPoint32A(s.dc, kText, static_cast<int>(std::strlen(kText)), &r.extent));
    SetBkMode(s.dc, TRANSPARENT);
    TextOutA(s.dc, 3, 4, kText, static_cast<int>(std::strlen(kText)));
    for (int32_t y = 0; y < s.height; ++y)
        for (int32_t x = 0; x < s.width; ++x)
            r.pixels.push_back(s.at(x, y));
    SelectObject(s.dc, old);
    DeleteObject(font);
    return r;
}

const LOGFONTA kFonts[] = {logfont("Arial", -11),          logfont("Arial", -11, FW_BOLD),
                           logfont("Times New Roman", 16), logfont("MS Sans Serif", 0),
                           logfont("MS Sans Serif", -11),  logfont("Courier New", -13, FW_NORMAL, 1)};

TEST(FontCache, ARecreatedFontMeasuresAndDrawsAsTheFirst) {
    for (const LOGFONTA& lf : kFonts) {
        const Rendering first = render(lf);
        EXPECT_GT(first.extent.cx, 0) << lf.lfFaceName;
        for (int again = 0; again < 3; ++again)
            EXPECT_TRUE(render(lf) == first) << lf.lfFaceName << " " << again;
    }
}

TEST(FontCache, ClearedGlyphsAreRenderedAgainTheSame) {
    for (const LOGFONTA& lf : kFonts) {
        const Rendering cached = render(lf);
        ClearGlyphCache();
        EXPECT_TRUE(render(lf) == cached) << lf.lfFaceName;
    }
}

// Bytes after the face name's end are left over from the caller's buffer; they change nothing.
TEST(FontCache, BytesAfterTheFaceNameAskForNothing) {
    LOGFONTA clean = logfont("Arial", -12);
    LOGFONTA dirty = clean;
    std::memset(dirty.lfFaceName + 6, 'x', LF_FACESIZE - 7);
    const Rendering a = render(clean);
    EXPECT_TRUE(render(dirty) == a);
    LOGFONTA back;
    HFONT font = CreateFontIndirectA(&dirty);
    ASSERT_TRUE(GetLogFont(font, &back));
    EXPECT_EQ(std::memcmp(back.lfFaceName, dirty.lfFaceName, LF_FACESIZE - 1), 0)
        << "the font keeps what it was given";
    DeleteObject(font);
}

// One font object drawn at other scales follows them: its size is realised again for each.
TEST(FontCache, OneFontFollowsTheMapModeAndTheDpi) {
    TestSurface s(20, 20);
    const LOGFONTA lf = logfont("Arial", -240); // 12 points in twips
    HFONT font = CreateFontIndirectA(&lf);
    HGDIOBJ old = SelectObject(s.dc, font);
    TEXTMETRICA pixels, twips, twips_at_144;
    ASSERT_TRUE(GetTextMetricsA(s.dc, &pixels));
    SetMapMode(s.dc, MM_TWIPS);
    ASSERT_TRUE(GetTextMetricsA(s.dc, &twips));
    SetLogicalDpi(144);
    ASSERT_TRUE(GetTextMetricsA(s.dc, &twips_at_144));
    SetLogicalDpi(96);
    SetMapMode(s.dc, MM_TEXT);
    TEXTMETRICA pixels_again;
    ASSERT_TRUE(GetTextMetricsA(s.dc, &pixels_again));
    // 240 pixels of em, then 16 pixels (240 twips at 96 DPI) and 24 pixels (at 144 DPI), each
    // reported back in twips.
    EXPECT_GT(pixels.tmHeight, 240);
    EXPECT_LT(twips.tmHeight, pixels.tmHeight);
    EXPECT_NEAR(twips.tmHeight, pixels.tmHeight, 40) << "the same height, in twips";
    const LOGFONTA small = logfont("Arial", -16);
    const LOGFONTA larger = logfont("Arial", -24);
    const Rendering at16 = render(small), at24 = render(larger);
    EXPECT_EQ(twips.tmAscent, at16.metrics.tmAscent * 15);
    EXPECT_EQ(twips_at_144.tmAscent, at24.metrics.tmAscent * 10);
    EXPECT_EQ(std::memcmp(&pixels, &pixels_again, sizeof pixels), 0);
    SelectObject(s.dc, old);
    DeleteObject(font);
}

// Many distinct requests push the first ones out of every cache; asking again gives the same.
TEST(FontCache, FontsPushedOutOfTheCachesComeBackTheSame) {
    const Rendering first = render(kFonts[0]);
    for (int32_t height = -6; height > -300; height -= 2) {
        const LOGFONTA lf = logfont("Arial", height);
        HFONT font = CreateFontIndirectA(&lf);
        TestSurface s(2, 2);
        HGDIOBJ old = SelectObject(s.dc, font);
        SIZE size;
        GetTextExtentPoint32A(s.dc, "W", 1, &size);
        SelectObject(s.dc, old);
        DeleteObject(font);
    }
    EXPECT_TRUE(render(kFonts[0]) == first);
}

} // namespace
