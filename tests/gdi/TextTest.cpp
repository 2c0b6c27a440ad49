#include "TestSurface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>

using namespace gdi;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

HFONT make_font(const char* face, int32_t height, int32_t escapement = 0, int32_t weight = FW_NORMAL) {
    LOGFONTA lf;
    lf.lfHeight = height;
    lf.lfEscapement = escapement;
    lf.lfOrientation = escapement;
    lf.lfWeight = weight;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return CreateFontIndirectA(&lf);
}

// A font selected into a test surface for the life of the object.
struct Selected {
    Selected(const TestSurface& s, HFONT f) : surface(s), font(f), previous(SelectObject(s.dc, f)) {}
    ~Selected() {
        SelectObject(surface.dc, previous);
        DeleteObject(font);
    }
    const TestSurface& surface;
    HFONT font;
    HGDIOBJ previous;
};

TEXTMETRICA metrics(HDC dc) {
    TEXTMETRICA tm;
    EXPECT_TRUE(GetTextMetricsA(dc, &tm));
    return tm;
}

SIZE extent(HDC dc, const char* text) {
    SIZE size;
    EXPECT_TRUE(GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size));
    return size;
}

void draw(HDC dc, int x, int y, const char* text) {
    TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
}

TEST(FontFaces, TrueTypeFaceReportsTheTrueTypeBitAndBitmapFaceDoesNot) {
    TestSurface s(10, 10);
    {
        Selected font(s, make_font("Arial", -11));
        const TEXTMETRICA tm = metrics(s.dc);
        EXPECT_TRUE(tm.tmPitchAndFamily & TMPF_TRUETYPE);
        EXPECT_TRUE(tm.tmPitchAndFamily & TMPF_VECTOR);
        EXPECT_EQ(tm.tmPitchAndFamily & 0xF0, FF_SWISS);
    }
    {
        Selected font(s, make_font("MS Sans Serif", -11));
        const TEXTMETRICA tm = metrics(s.dc);
        EXPECT_FALSE(tm.tmPitchAndFamily & TMPF_TRUETYPE);
        EXPECT_FALSE(tm.tmPitchAndFamily & TMPF_VECTOR);
        EXPECT_TRUE(tm.tmPitchAndFamily & TMPF_FIXED_PITCH) << "the bit means variable pitch";
    }
    const TEXTMETRICA system = metrics(s.dc); // the stock SYSTEM_FONT
    EXPECT_FALSE(system.tmPitchAndFamily & TMPF_TRUETYPE);
    EXPECT_EQ(system.tmWeight, FW_BOLD);
}

TEST(FontFaces, ClassicNamesResolveToTheirStandIns) {
    struct Standin {
        const char* requested;
        const char* family;
        bool truetype;
    } const standins[] = {{"Arial", "Liberation Sans", true},
                          {"Times New Roman", "Liberation Serif", true},
                          {"Courier New", "Liberation Mono", true},
                          {"MS Sans Serif", "Helvetica", false},
                          {"MS Serif", "Times", false},
                          {"System", "Helvetica", false},
                          {"Small Fonts", "Lucida", false},
                          {"Courier", "Courier", false},
                          {"  arial ", "Liberation Sans", true},
                          {"DejaVu Serif", "DejaVu Serif", true},
                          {"No Such Face 42", "Liberation Sans", true},
                          {"", "Liberation Sans", true}};
    for (const Standin& s : standins) {
        SCOPED_TRACE(std::string("\"") + s.requested + "\"");
        HFONT font = make_font(s.requested, -11);
        const FaceInfo info = DescribeFont(font);
        EXPECT_EQ(info.requested, s.requested);
        EXPECT_EQ(info.family, s.family);
        EXPECT_EQ(info.truetype, s.truetype);
        EXPECT_FALSE(info.file.empty());
        DeleteObject(font);
    }
}

TEST(FontFaces, BitmapFacesTakeTheNearestStrike) {
    for (auto [height, strike] : {std::pair{-11, 11}, {-8, 8}, {-10, 10}, {-13, 12}, {-30, 34}, {-1, 8}}) {
        HFONT font = make_font("MS Sans Serif", height);
        const FaceInfo info = DescribeFont(font);
        EXPECT_FALSE(info.truetype);
        EXPECT_EQ(info.pixel_size, strike) << height;
        DeleteObject(font);
    }
    HFONT bold = make_font("MS Sans Serif", -11, 0, FW_BOLD);
    EXPECT_EQ(DescribeFont(bold).style, "Bold");
    DeleteObject(bold);
}

TEST(FontMetrics, NegativeHeightIsTheEmPositiveHeightIsTheCell) {
    TestSurface s(10, 10);
    {
        Selected font(s, make_font("Arial", -20));
        const TEXTMETRICA tm = metrics(s.dc);
        EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 20);
        EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    }
    {
        Selected font(s, make_font("Arial", 20));
        EXPECT_EQ(metrics(s.dc).tmHeight, 20);
    }
}

TEST(FontMetrics, TrueTypeCellComesFromTheWindowsAscentAndDescent) {
    TestSurface s(10, 10);
    Selected font(s, make_font("Arial", -11));
    const TEXTMETRICA tm = metrics(s.dc);
    // Liberation Sans: units per em 2048, usWinAscent 1854, usWinDescent 434, xAvgCharWidth 1187.
    EXPECT_EQ(tm.tmAscent, 10);
    EXPECT_EQ(tm.tmDescent, 2);
    EXPECT_EQ(tm.tmInternalLeading, 1);
    EXPECT_EQ(tm.tmAveCharWidth, 6);
    EXPECT_EQ(tm.tmWeight, FW_NORMAL);
    EXPECT_EQ(tm.tmOverhang, 0);
    EXPECT_EQ(extent(s.dc, "Hello").cy, tm.tmHeight);
}

TEST(FontMetrics, BoldUsesTheFamilysFileOrIsSynthesisedOnePixelWider) {
    TestSurface s(10, 10);
    int32_t regular_width = 0;
    {
        Selected font(s, make_font("DejaVu Math TeX Gyre", -16));
        regular_width = extent(s.dc, "abcd").cx;
    }
    HFONT bold = make_font("DejaVu Math TeX Gyre", -16, 0, FW_BOLD);
    EXPECT_EQ(DescribeFont(bold).family, "DejaVu Math TeX Gyre");
    Selected font(s, bold);
    EXPECT_EQ(extent(s.dc, "abcd").cx, regular_width + 4);
    EXPECT_EQ(metrics(s.dc).tmWeight, FW_BOLD);
    // A family with a bold file uses it.
    HFONT arial = make_font("Arial", -12, 0, FW_BOLD);
    const FaceInfo info = DescribeFont(arial);
    EXPECT_EQ(info.style, "Bold");
    EXPECT_NE(info.file.find("LiberationSans-Bold"), std::string::npos);
    DeleteObject(arial);
}

TEST(TextOut, InkLiesInTheCellWithItsBaselineAtTheAscent) {
    TestSurface s(200, 60);
    Selected font(s, make_font("Arial", -16));
    SetBkMode(s.dc, TRANSPARENT);
    const TEXTMETRICA tm = metrics(s.dc);
    draw(s.dc, 20, 10, "Hello");
    const SIZE size = extent(s.dc, "Hello");
    const RECT ink = s.bounds_not(kWhite);
    EXPECT_EQ(ink.bottom, 10 + tm.tmAscent) << "no descenders: ink ends on the baseline";
    EXPECT_GE(ink.top, 10 + tm.tmInternalLeading - 1);
    EXPECT_GE(ink.left, 20);
    EXPECT_LE(ink.right, 20 + size.cx);
    EXPECT_GE(ink.right, 20 + size.cx - 3) << "the last advance is mostly ink";
    EXPECT_EQ(s.count(kBlack), s.count_not(kWhite)) << "unsmoothed text paints pure text colour";

    TestSurface t(200, 60);
    Selected font2(t, make_font("Arial", -16));
    SetBkMode(t.dc, TRANSPARENT);
    draw(t.dc, 20, 10, "gjpqy");
    const RECT low = t.bounds_not(kWhite);
    EXPECT_GT(low.bottom, 10 + tm.tmAscent);
    EXPECT_LE(low.bottom, 10 + tm.tmHeight);
}

TEST(TextOut, ExtentIsTheSumOfTheAdvances) {
    TestSurface s(10, 10);
    for (const char* face : {"Arial", "MS Sans Serif", "Courier New"}) {
        Selected font(s, make_font(face, -13));
        const SIZE whole = extent(s.dc, "Tab caption");
        int32_t sum = 0;
        for (const char* p = "Tab caption"; *p; ++p) {
            SIZE one;
            GetTextExtentPoint32A(s.dc, p, 1, &one);
            sum += one.cx;
        }
        EXPECT_EQ(whole.cx, sum) << face;
        SIZE empty;
        ASSERT_TRUE(GetTextExtentPoint32A(s.dc, "", 0, &empty));
        EXPECT_EQ(empty.cx, 0);
        EXPECT_EQ(empty.cy, metrics(s.dc).tmHeight);
    }
}

TEST(TextOut, OpaqueFillsTheCellTransparentOnlyTheGlyphs) {
    for (int mode : {OPAQUE, TRANSPARENT}) {
        TestSurface s(120, 40);
        Selected font(s, make_font("Arial", -12));
        SetBkMode(s.dc, mode);
        SetBkColor(s.dc, kRed);
        draw(s.dc, 7, 5, "Tabs");
        const SIZE size = extent(s.dc, "Tabs");
        if (mode == OPAQUE) {
            EXPECT_EQ(s.bounds_not(kWhite), (RECT{7, 5, 7 + size.cx, 5 + size.cy}));
            EXPECT_EQ(s.count(kRed) + s.count(kBlack), size.cx * size.cy);
        } else {
            EXPECT_EQ(s.count(kRed), 0);
            EXPECT_EQ(s.count(kBlack), s.count_not(kWhite));
            EXPECT_GT(s.count(kBlack), 20);
        }
    }
}

TEST(TextOut, TextAlignBaselineAndRightMoveTheCell) {
    TestSurface s(100, 50);
    Selected font(s, make_font("Arial", -12));
    SetBkColor(s.dc, kRed);
    SetTextAlign(s.dc, TA_RIGHT | TA_BASELINE);
    draw(s.dc, 80, 30, "Hi");
    const SIZE size = extent(s.dc, "Hi");
    const TEXTMETRICA tm = metrics(s.dc);
    EXPECT_EQ(s.bounds_not(kWhite), (RECT{80 - size.cx, 30 - tm.tmAscent, 80, 30 - tm.tmAscent + size.cy}));
}

// Every inked pixel of the unturned line and the matching pixel of the turned line.
void expect_exact_turn(int escapement, POINT ref, POINT (*map)(POINT ref, int u, int v)) {
    TestSurface flat(120, 120), turned(120, 120);
    Selected a(flat, make_font("Arial", -16));
    Selected b(turned, make_font("Arial", -16, escapement));
    for (const TestSurface* s : {&flat, &turned})
        SetBkMode(s->dc, TRANSPARENT);
    draw(flat.dc, 0, 0, "Hello");
    draw(turned.dc, ref.x, ref.y, "Hello");
    EXPECT_EQ(flat.count(kBlack), turned.count(kBlack));
    for (int v = 0; v < 40; ++v)
        for (int u = 0; u < 60; ++u) {
            const POINT p = map(ref, u, v);
            ASSERT_EQ(flat.at(u, v) == kBlack, turned.at(p.x, p.y) == kBlack)
                << escapement << ": " << u << "," << v;
        }
}

TEST(TextOut, MinusNinetyReadsTopToBottomWithTheCellTopLeftAtTheReference) {
    TestSurface s(100, 100);
    Selected font(s, make_font("Arial", -16, -900));
    SetBkMode(s.dc, TRANSPARENT);
    draw(s.dc, 50, 10, "Hello");
    const SIZE size = extent(s.dc, "Hello");
    const RECT ink = s.bounds_not(kWhite);
    EXPECT_GT(ink.bottom - ink.top, ink.right - ink.left) << "taller than wide";
    // The glyph tops face right, so the turned cell lies left of the reference point and below it.
    EXPECT_LE(ink.right, 50);
    EXPECT_GE(ink.left, 50 - size.cy);
    EXPECT_GE(ink.top, 10);
    EXPECT_LE(ink.bottom, 10 + size.cx);
    expect_exact_turn(-900, {60, 10}, [](POINT r, int u, int v) { return POINT{r.x - 1 - v, r.y + u}; });
}

TEST(TextOut, QuarterTurnsArePixelExactRotations) {
    expect_exact_turn(900, {10, 100}, [](POINT r, int u, int v) { return POINT{r.x + v, r.y - 1 - u}; });
    expect_exact_turn(1800, {100, 60}, [](POINT r, int u, int v) { return POINT{r.x - 1 - u, r.y - 1 - v}; });
    expect_exact_turn(2700, {60, 10}, [](POINT r, int u, int v) { return POINT{r.x - 1 - v, r.y + u}; });
}

TEST(TextOut, OpaqueTurnedCellIsTheTurnedBox) {
    TestSurface s(100, 100);
    Selected font(s, make_font("Arial", -16, -900));
    SetBkColor(s.dc, kRed);
    draw(s.dc, 50, 10, "Hello");
    const SIZE size = extent(s.dc, "Hello");
    EXPECT_EQ(s.bounds_not(kWhite), (RECT{50 - size.cy, 10, 50, 10 + size.cx}));
}

TEST(TextOut, BitmapFacesIgnoreEscapement) {
    TestSurface flat(120, 40), turned(120, 40);
    Selected a(flat, make_font("MS Sans Serif", -11));
    Selected b(turned, make_font("MS Sans Serif", -11, -900));
    draw(flat.dc, 5, 5, "Bitmap text");
    draw(turned.dc, 5, 5, "Bitmap text");
    EXPECT_GT(flat.count(kBlack), 30);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x)
            ASSERT_EQ(flat.at(x, y), turned.at(x, y)) << x << "," << y;
}

TEST(TextOut, OtherAnglesTurnTheLineAroundTheReference) {
    TestSurface s(200, 200);
    Selected font(s, make_font("Arial", -20, 450));
    SetBkMode(s.dc, TRANSPARENT);
    draw(s.dc, 40, 160, "Diagonal");
    const SIZE size = extent(s.dc, "Diagonal");
    const RECT ink = s.bounds_not(kWhite);
    const double reach = size.cx * std::cos(std::numbers::pi / 4);
    EXPECT_GT(ink.right - ink.left, reach * 0.8);
    EXPECT_GT(ink.bottom - ink.top, reach * 0.8);
    EXPECT_GE(ink.left, 38);
    EXPECT_LE(ink.bottom, 160 + size.cy);
    EXPECT_LT(ink.top, 160 - reach * 0.8) << "the line rises to the right";
}

TEST(TextOut, UnderlineAndStrikeOutSpanTheWholeAdvance) {
    TestSurface s(120, 40);
    LOGFONTA lf;
    lf.lfHeight = -16;
    lf.lfUnderline = 1;
    lf.lfStrikeOut = 1;
    std::strcpy(lf.lfFaceName, "Arial");
    Selected font(s, CreateFontIndirectA(&lf));
    SetBkMode(s.dc, TRANSPARENT);
    draw(s.dc, 10, 5, "a b");
    const SIZE size = extent(s.dc, "a b");
    const TEXTMETRICA tm = metrics(s.dc);
    EXPECT_EQ(tm.tmUnderlined, 255);
    EXPECT_EQ(tm.tmStruckOut, 255);
    int full_rows = 0;
    for (int y = 5; y < 5 + size.cy; ++y) {
        bool full = true;
        for (int x = 10; x < 10 + size.cx; ++x)
            full = full && s.at(x, y) == kBlack;
        if (full) {
            ++full_rows;
            EXPECT_TRUE(y > 5 + tm.tmAscent || y < 5 + tm.tmAscent - 2) << y;
        }
    }
    EXPECT_GE(full_rows, 2) << s.picture(kBlack);
}

TEST(TextOut, AntialiasedQualityBlendsGreyLevels) {
    TestSurface s(120, 40);
    LOGFONTA lf;
    lf.lfHeight = -16;
    lf.lfQuality = ANTIALIASED_QUALITY;
    std::strcpy(lf.lfFaceName, "Arial");
    Selected font(s, CreateFontIndirectA(&lf));
    SetBkMode(s.dc, TRANSPARENT);
    draw(s.dc, 5, 5, "Smooth");
    EXPECT_GT(s.count_not(kWhite) - s.count(kBlack), 10);
}

TEST(TextOut, ClippedOptionKeepsTextInsideTheRectangle) {
    TestSurface s(120, 40);
    Selected font(s, make_font("Arial", -16));
    SetBkColor(s.dc, kRed);
    RECT clip{10, 8, 30, 14};
    ExtTextOutA(s.dc, 5, 5, ETO_CLIPPED | ETO_OPAQUE, &clip, "Clipped", 7, nullptr);
    EXPECT_EQ(s.bounds_not(kWhite), clip);
}

TEST(TextOut, UpdateCurrentPositionAdvancesByTheExtent) {
    TestSurface s(120, 40);
    Selected font(s, make_font("Arial", -12));
    SetTextAlign(s.dc, TA_UPDATECP);
    MoveToEx(s.dc, 4, 4, nullptr);
    draw(s.dc, 0, 0, "abc");
    POINT p;
    GetCurrentPositionEx(s.dc, &p);
    EXPECT_EQ(p, (POINT{4 + extent(s.dc, "abc").cx, 4}));
}

TEST(TextOut, TextFaceIsTheRequestedName) {
    TestSurface s(10, 10);
    Selected font(s, make_font("Times New Roman", -12));
    char name[LF_FACESIZE];
    EXPECT_EQ(GetTextFaceA(s.dc, LF_FACESIZE, name), 16);
    EXPECT_STREQ(name, "Times New Roman");
    EXPECT_EQ(GetTextFaceA(s.dc, 0, nullptr), 16);
}

TEST(TextOut, StaleHandlesFail) {
    TestSurface s(10, 10);
    HFONT font = make_font("Arial", -12);
    DeleteObject(font);
    EXPECT_FALSE(SelectObject(s.dc, font));
    HDC dc = CreateCompatibleDC(HDC{});
    DeleteDC(dc);
    EXPECT_FALSE(TextOutA(dc, 0, 0, "x", 1));
    SIZE size;
    EXPECT_FALSE(GetTextExtentPoint32A(dc, "x", 1, &size));
    TEXTMETRICA tm;
    EXPECT_FALSE(GetTextMetricsA(dc, &tm));
    EXPECT_FALSE(TextOutA(s.dc, 0, 0, nullptr, 3));
    EXPECT_TRUE(DescribeFont(font).family.empty());
}

TEST(FaceList, OffersTheClassicNamesFirst) {
    const std::vector<std::string> names = ListFaceNames();
    ASSERT_GT(names.size(), 8u);
    EXPECT_EQ(names[0], "Arial");
    EXPECT_NE(std::find(names.begin(), names.end(), "MS Sans Serif"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), "Liberation Sans"), names.end());
}

} // namespace
