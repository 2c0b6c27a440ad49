#include "layout/LayoutFixture.h"

#include "layout/CaptionPacking.h"
#include "platform/automation/StdFont.h"
#include "platform/automation/StdPicture.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Trace.h"

#include <cmath>
#include <cstring>

using namespace vntab;
using layout_testing::AlongEnd;
using layout_testing::AlongStart;
using layout_testing::kOrientations;
using layout_testing::LayoutControl;
using Rows = std::vector<int16_t>;

namespace {

// The advance width of `text` in Arial (Liberation Sans) of `pixels` character height, measured
// on a DC of its own.
int32_t ArialWidth(const std::string& text, int32_t pixels, bool bold = false) {
    gdi::HDC dc = gdi::CreateCompatibleDC({});
    gdi::LOGFONTA lf;
    lf.lfHeight = -pixels;
    lf.lfWeight = bold ? 700 : 400;
    std::strcpy(lf.lfFaceName, "Arial");
    gdi::HFONT font = gdi::CreateFontIndirectA(&lf);
    gdi::HGDIOBJ previous = gdi::SelectObject(dc, font);
    gdi::SIZE size;
    gdi::GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    gdi::SelectObject(dc, previous);
    gdi::DeleteObject(font);
    gdi::DeleteDC(dc);
    return size.cx;
}

// 12 points at 96 pixels per inch: a 16-pixel character height.
constexpr int32_t kArial12 = 16;

struct CaptionControl : LayoutControl {
    CaptionControl(int32_t justification, const std::vector<std::string>& captions, double width = 300.0)
        : LayoutControl(static_cast<int>(captions.size()), width) {
        state().TabJustification = justification;
        state().TabCaptionFont = std::make_shared<rt::StdFont>("Arial", 12.0);
        SetCaptions(captions);
    }
    int32_t length(int32_t i) { return rect(i).right - rect(i).left; }
};

std::shared_ptr<rt::StdPicture> Picture(int32_t width, int32_t height) {
    std::vector<uint32_t> pixels(static_cast<size_t>(width * height), 0x00FF00u);
    return rt::StdPicture::FromPixels(width, height, pixels);
}

} // namespace

TEST(MeasureCaption, MeasuresTheCaptionWithoutItsAccessKeyMarkers) {
    CaptionControl c(vnJustifiedFitCaption, {"&File", "A&&&B", "Trailing&", ""});
    const gdi::HDC dc = c.site.hDC();
    EXPECT_EQ(MeasureCaption(*c.ctl, dc, c.tab(1)), ArialWidth("File", kArial12));
    EXPECT_EQ(MeasureCaption(*c.ctl, dc, c.tab(2)), ArialWidth("A&B", kArial12));
    EXPECT_EQ(MeasureCaption(*c.ctl, dc, c.tab(3)), ArialWidth("Trailing", kArial12));
    EXPECT_EQ(MeasureCaption(*c.ctl, dc, c.tab(4)), 0);
    EXPECT_GT(ArialWidth("File", kArial12), 0);
}

TEST(MeasureCaption, UsesTheCaptionFontsSizeWeightAndTheDcsResolution) {
    CaptionControl c(vnJustifiedFitCaption, {"Wide caption"});
    const gdi::HDC dc = c.site.hDC();
    const gdi::HGDIOBJ font = gdi::GetCurrentObject(dc, gdi::ObjectKind::Font);
    const gdi::LiveObjects before = gdi::live_objects();
    c.state().TabCaptionFont->SetBold(true);
    EXPECT_EQ(MeasureCaption(*c.ctl, dc, c.tab(1)), ArialWidth("Wide caption", kArial12, true));
    // The DC's own font stays selected and nothing is left behind.
    EXPECT_EQ(gdi::GetCurrentObject(dc, gdi::ObjectKind::Font), font);
    EXPECT_EQ(gdi::live_objects(), before);
    EXPECT_GT(ArialWidth("Wide caption", kArial12, true), ArialWidth("Wide caption", kArial12));
    c.state().TabCaptionFont->SetBold(false);
    c.state().TabCaptionFont->SetSize(24.0);
    EXPECT_EQ(MeasureCaption(*c.ctl, dc, c.tab(1)), ArialWidth("Wide caption", 32));
}

// A caption-based layout makes its caption font once for all its captions and keeps it selected
// while it measures them; each caption measures what it measures alone, after the caption font and
// the resolution change too.
TEST(MeasureCaption, ALayoutMakesOneFontForAllItsCaptions) {
    std::vector<std::string> captions;
    for (int i = 1; i <= 40; ++i)
        captions.push_back(i % 3 ? "Tab &" + std::to_string(i) : "Wide && tall caption " + std::to_string(i));
    for (int dpi : {96, 144}) {
        gdi::SetLogicalDpi(dpi);
        for (bool bold : {false, true}) {
            CaptionControl c(vnJustifiedByCaption, captions, 2000.0);
            c.state().TabCaptionFont->SetBold(bold);
            const gdi::HDC dc = c.site.hDC();
            const gdi::HGDIOBJ font = gdi::GetCurrentObject(dc, gdi::ObjectKind::Font);
            const gdi::LiveObjects before = gdi::live_objects();
            std::vector<int32_t> widths;
            {
                gdi::Trace trace;
                widths = MeasureCaptions(*c.ctl, dc);
                EXPECT_EQ(trace.filter("CreateFontIndirectA").size(), 1u);
                EXPECT_EQ(trace.filter("GetTextExtentPoint32A").size(), captions.size());
            }
            EXPECT_EQ(gdi::GetCurrentObject(dc, gdi::ObjectKind::Font), font);
            EXPECT_EQ(gdi::live_objects(), before);
            ASSERT_EQ(widths.size(), captions.size());
            for (int32_t i = 1; i <= c.count(); ++i)
                EXPECT_EQ(widths[static_cast<size_t>(i - 1)], MeasureCaption(*c.ctl, dc, c.tab(i))) << i;
            const std::string stripped = captions[2].substr(0, 5) + captions[2].substr(6);
            EXPECT_EQ(widths[2], ArialWidth(stripped, kArial12 * dpi / 96, bold)) << stripped;
        }
    }
    gdi::SetLogicalDpi(96);
}

TEST(FitCaption, EveryHeaderJustFitsItsCaptionAndTheRowIsNotFilled) {
    const std::vector<std::string> captions = {"One", "&Two", "Three"};
    CaptionControl c(vnJustifiedFitCaption, captions);
    c.Layout();
    int32_t start = 2;
    for (int32_t i = 1; i <= 3; ++i) {
        const int32_t cw = MeasureCaption(*c.ctl, c.site.hDC(), c.tab(i));
        EXPECT_EQ(c.rect(i), (gdi::RECT{start, 2, start + cw + 8, 22})) << "tab " << i;
        start += cw + 8;
    }
    EXPECT_LT(c.rect(3).right, 298);
}

TEST(FitCaption, WindowsLookLetsNeighboursShareTheirOutline) {
    CaptionControl c(vnJustifiedFitCaption, {"One", "Two"});
    c.state().DrawTab3DAppearance = 2;
    c.state().TabSeparation = 4;
    c.Layout();
    EXPECT_EQ(c.rect(2).left, c.rect(1).right + 4 - 1);
}

TEST(FitCaption, ShapedHeadersAddTheirCorners) {
    struct Case {
        int32_t style;
        int32_t look;
        int16_t style_width;
        int32_t tab_height;
        int32_t extra;
    };
    const Case cases[] = {
        {vnTabNormal, 1, 0, 20, 0},    {vnTabSquare, 2, 5, 20, 0},     {vnTabChamfered, 1, 0, 20, 8},
        {vnTabChamfered, 2, 0, 20, 4}, {vnTabChamfered, 1, 6, 20, 12}, {vnTabChamfered, 2, 6, 20, 12},
        {vnTabRounded, 1, 0, 20, 10},  {vnTabRounded, 1, 0, 30, 15},   {vnTabRounded, 1, 0, 27, 10},
        {vnTabRounded, 1, 6, 20, 6},   {vnTabRounded, 2, 0, 19, 12},   {vnTabRounded, 2, 6, 20, 3},
        {vnTabSlanted, 1, 0, 20, 20},  {vnTabSlanted, 2, 0, 25, 25},   {vnTabSlanted, 2, 6, 20, 12},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(::testing::Message() << "style " << k.style << ", look " << k.look << ", corner "
                                          << k.style_width << ", height " << k.tab_height);
        CaptionControl c(vnJustifiedFitCaption, {"Settings"});
        c.state().TabStyle = k.style;
        c.state().DrawTab3DAppearance = k.look;
        c.state().TabStyleWidth = k.style_width;
        c.state().TabHeight = k.tab_height;
        c.Layout();
        EXPECT_EQ(c.length(1), ArialWidth("Settings", kArial12) + 8 + k.extra);
    }
}

TEST(FitCaption, RoundedCornerOfTheWindowsLookRoundsTheWholeLengthHalfToEven) {
    // 20 pixels high: the corner adds 12.5, so the length rounds to the even neighbour.
    CaptionControl c(vnJustifiedFitCaption, {"Settings"});
    c.state().TabStyle = vnTabRounded;
    c.state().DrawTab3DAppearance = 2;
    c.Layout();
    const int32_t cw = ArialWidth("Settings", kArial12);
    const int32_t expected = (cw + 8) % 2 == 0 ? cw + 8 + 12 : cw + 8 + 13;
    EXPECT_EQ(c.length(1), expected);
}

TEST(FitCaption, PictureBesideTheCaptionAddsItsLengthAlongTheRow) {
    for (int32_t orientation : kOrientations) {
        SCOPED_TRACE(orientation);
        CaptionControl c(vnJustifiedFitCaption, {"Open", "Save"});
        c.state().Orientation = orientation;
        c.state().TabPictureAlign = vnPictLeftOfText;
        c.tab(1).SetPicture(Picture(16, 24));
        c.Layout();
        const bool down_the_side = orientation == vnOrientationRight || orientation == vnOrientationLeft;
        EXPECT_EQ(c.length(1), ArialWidth("Open", kArial12) + 8 + (down_the_side ? 24 : 16));
        EXPECT_EQ(c.length(2), ArialWidth("Save", kArial12) + 8);
        // A picture above the caption takes none of the header's length.
        c.state().TabPictureAlign = vnPictAboveText;
        c.Layout();
        EXPECT_EQ(c.length(1), ArialWidth("Open", kArial12) + 8);
    }
}

TEST(FitCaption, TabsPerRowFixesTheRowsWhateverTheCaptions) {
    CaptionControl c(vnJustifiedFitCaption, {"A", "B", "C", "D", "E"});
    c.state().TabsPerRow = 2;
    c.Layout();
    EXPECT_EQ(c.state().RowCount, 3);
    EXPECT_EQ(c.Rows(), (Rows{0, 0, 1, 1, 2}));
    EXPECT_EQ(c.rect(3).left, 10 + 2);
    EXPECT_EQ(c.rect(5).left, 20 + 2);
}

TEST(CaptionPacking, FixedRowsHoldTheirCapacityWithTheFirstRowsTakingOneMore) {
    CaptionControl c(vnJustifiedFitCaption, {"A", "B", "C", "D", "E"});
    c.state().TabRows = 2;
    c.Layout();
    EXPECT_EQ(c.state().RowCount, 2);
    EXPECT_EQ(c.Rows(), (Rows{0, 0, 0, 1, 1}));
}

TEST(CaptionPacking, CaptionsTooLongToShareARowGetRowsOfTheirOwn) {
    const std::string caption = "Wide caption text";
    ASSERT_GT(ArialWidth(caption, kArial12) + 5, (200 - 1 - 4 - 5) / 2);
    CaptionControl c(vnJustifiedByCaption, {caption, caption, caption}, 200.0);
    c.state().TabRows = 1;
    c.Layout();
    EXPECT_EQ(c.state().RowCount, 3);
    EXPECT_EQ(c.Rows(), (Rows{0, 1, 2}));
}

TEST(CaptionPacking, AutomaticRowsCloseARowWhenTheNextCaptionWouldReachTheUsableLength) {
    // Narrow TabWidth lets every tab into one automatic row; the captions decide. The usable length
    // is RowLength - 5, and a row closes when the next header would reach it.
    const std::vector<std::string> captions(5, "Caption");
    const int32_t packing = ArialWidth("Caption", kArial12) + 5;
    // One pixel more than three headers need keeps three on the first row; without it, two.
    for (int32_t spare : {1, 0}) {
        SCOPED_TRACE(spare);
        CaptionControl c(vnJustifiedFitCaption, captions, 3 * packing + spare + 5 + 1 + 4);
        c.state().TabWidth = 10;
        c.Layout();
        EXPECT_EQ(c.Rows(), spare ? (Rows{0, 0, 0, 1, 1}) : (Rows{0, 0, 1, 1, 2}));
        EXPECT_EQ(c.state().RowCount, spare ? 2 : 3);
    }
}

TEST(ByCaption, HeadersShareTheLeftoverEquallyAndTheLastReachesTheRowEnd) {
    const std::vector<std::string> captions = {"One", "Two", "Three"};
    CaptionControl c(vnJustifiedByCaption, captions);
    c.Layout();
    std::vector<int32_t> cw;
    for (const auto& caption : captions)
        cw.push_back(ArialWidth(caption, kArial12));
    const int32_t leftover = 295 - (cw[0] + 5) - (cw[1] + 5) - (cw[2] + 5);
    const float share = static_cast<float>(leftover / 3.0);
    const int32_t first = static_cast<int32_t>(std::nearbyint(double{share} + cw[0] + 7));
    const int32_t second = static_cast<int32_t>(std::nearbyint(double{share} + cw[1] + 7));
    EXPECT_EQ(c.rect(1), (gdi::RECT{2, 2, 2 + first, 22}));
    EXPECT_EQ(c.rect(2), (gdi::RECT{2 + first, 2, 2 + first + second, 22}));
    EXPECT_EQ(c.rect(3), (gdi::RECT{2 + first + second, 2, 298, 22}));
}

TEST(ByCaption, LastHeaderOfEveryRowEndsAtTheRowEndInEveryOrientation) {
    for (int32_t orientation : kOrientations) {
        SCOPED_TRACE(orientation);
        CaptionControl c(vnJustifiedByCaption, {"Alpha", "Beta", "Gamma", "Delta", "Epsilon", "Zeta", "Eta"});
        c.state().Orientation = orientation;
        c.state().TabRows = 3;
        c.state().TabSeparation = 2;
        c.Layout();
        const double extent =
            orientation == vnOrientationRight || orientation == vnOrientationLeft ? 200 : 300;
        const int32_t far_end = static_cast<int32_t>(extent) - 1 - 4 + 2 + 1;
        EXPECT_EQ(c.Rows(), (Rows{0, 0, 0, 1, 1, 2, 2}));
        EXPECT_EQ(AlongEnd(c.rect(3), orientation), far_end - 2 * 10);
        EXPECT_EQ(AlongEnd(c.rect(5), orientation), far_end - 10);
        EXPECT_EQ(AlongEnd(c.rect(7), orientation), far_end);
        EXPECT_EQ(AlongStart(c.rect(6), orientation), 2 * 10 + 2);
    }
}

TEST(ByCaption, FixedTabsPerRowShareWhatTheirCaptionsLeave) {
    CaptionControl c(vnJustifiedByCaption, {"One", "Two", "Three", "Four"});
    c.state().TabsPerRow = 2;
    c.Layout();
    EXPECT_EQ(c.Rows(), (Rows{0, 0, 1, 1}));
    const int32_t cw1 = ArialWidth("One", kArial12);
    const int32_t cw2 = ArialWidth("Two", kArial12);
    const float share = static_cast<float>((295 - (cw1 + 7) - (cw2 + 7)) / 2.0);
    EXPECT_EQ(c.length(1), static_cast<int32_t>(std::nearbyint(double{share} + cw1 + 7)));
    EXPECT_EQ(c.rect(2).right, 298 - 10);
    EXPECT_EQ(c.rect(4).right, 298);
}
