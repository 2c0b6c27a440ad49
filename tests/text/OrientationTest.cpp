#include "TextFixture.h"

#include "platform/gdi/Trace.h"

#include <gtest/gtest.h>

namespace {

using text_test::kBlack;
using text_test::RendererTest;
using text_test::Surface;

class Orientation : public RendererTest {
protected:
    void TearDown() override {
        m_owned.reset();
        RendererTest::TearDown();
    }
    // Renders `caption` in black on white into a 100 x 100 target at the surface's origin.
    void Draw(Surface& s, const std::string& caption, int32_t orientation, int32_t alignment = 0,
              const std::string& face = "Arial") {
        Configure(r, gfx::CRect(0, 0, 100, 100), caption);
        rt::StdFont font(face, 12);
        r.SetFont(&font);
        r.SetOrientation(orientation);
        r.SetTextAlignment(alignment);
        ASSERT_TRUE(r.Render(s.dc(), 12));
    }
    static int32_t Width(const gdi::RECT& r) { return r.right - r.left; }
    static int32_t Height(const gdi::RECT& r) { return r.bottom - r.top; }

    std::unique_ptr<text::CRenderText> m_owned = std::make_unique<text::CRenderText>();
    text::CRenderText& r = *m_owned;
};

TEST_F(Orientation, TurnedTrueTypeCaptionsStandTallerThanWide) {
    for (int32_t orientation : {1, 3}) {
        Surface s(100, 100);
        Draw(s, "Settings", orientation, 7);
        const gdi::RECT ink = s.bounds(kBlack);
        EXPECT_GT(Height(ink), 2 * Width(ink)) << "orientation " << orientation;
    }
    Surface upright(100, 100);
    Draw(upright, "Settings", 0, 7);
    const gdi::RECT ink = upright.bounds(kBlack);
    EXPECT_GT(Width(ink), 2 * Height(ink));
}

TEST_F(Orientation, ABitmapFaceCannotTurnAndDrawsUpright) {
    Surface s(100, 100);
    Draw(s, "Settings", 1, 7, "MS Sans Serif");
    const gdi::RECT ink = s.bounds(kBlack);
    EXPECT_GT(Width(ink), Height(ink));
}

// Where the ink of "A----" goes beyond the ink of "A": the rest of a line follows the reading
// direction, from the same start.
gdi::RECT Continuation(const Surface& start, const Surface& line) {
    return line.changed_from(start);
}

TEST_F(Orientation, EachOrientationReadsInItsOwnDirection) {
    struct Case {
        int32_t orientation;
        const char* direction;
    };
    for (const Case c : {Case{0, "right"}, Case{1, "down"}, Case{2, "left"}, Case{3, "up"}}) {
        Surface a(100, 100), line(100, 100);
        Draw(a, "A", c.orientation);
        Draw(line, "A----", c.orientation);
        const gdi::RECT first = a.bounds(kBlack);
        const gdi::RECT rest = Continuation(a, line);
        const std::string what = std::string("reading ") + c.direction;
        ASSERT_NE(rest, gdi::RECT{}) << what;
        switch (c.orientation) {
        case 0:
            EXPECT_GE(rest.left, first.right - 1) << what;
            break;
        case 1:
            EXPECT_GE(rest.top, first.bottom - 1) << what;
            break;
        case 2:
            EXPECT_LE(rest.right, first.left + 1) << what;
            break;
        default:
            EXPECT_LE(rest.bottom, first.top + 1) << what;
            break;
        }
    }
}

TEST_F(Orientation, TopLeftTextReadingDownwardsLiesAgainstTheRightEdge) {
    Surface s(100, 100);
    Draw(s, "Tab", 1, 0);
    EXPECT_EQ(r.TextRect().Left, 100) << "the reference point is the block's top-right corner";
    EXPECT_EQ(r.TextRect().Top, 0);
    const gdi::RECT ink = s.bounds(kBlack);
    EXPECT_GE(ink.right, 96);
    EXPECT_LE(ink.top, 4);
}

TEST_F(Orientation, TopLeftTextReadingUpwardsLiesAgainstTheLeftEdge) {
    Surface s(100, 100);
    Draw(s, "Tab", 3, 0);
    EXPECT_EQ(r.TextRect().Left, 0);
    EXPECT_EQ(r.TextRect().Top, 100) << "the reference point is the block's bottom-left corner";
    const gdi::RECT ink = s.bounds(kBlack);
    EXPECT_LE(ink.left, 4);
    EXPECT_GE(ink.bottom, 96);
}

TEST_F(Orientation, SettingTheFontClearsTheTurnUntilTheOrientationIsSetAgain) {
    Configure(r, gfx::CRect(0, 0, 10, 10), "x");
    r.SetOrientation(1);
    EXPECT_EQ(r.Font().Escapement(), -900);
    const auto font = text_test::ArialFont();
    r.SetFont(font.get());
    EXPECT_EQ(r.Orientation(), 1);
    EXPECT_EQ(r.Font().Escapement(), 0);
    r.SetOrientation(3);
    EXPECT_EQ(r.Font().Escapement(), -2700);
}

TEST_F(Orientation, OutOfRangeValuesAreIgnored) {
    r.SetOrientation(2);
    r.SetOrientation(4);
    r.SetOrientation(-1);
    EXPECT_EQ(r.Orientation(), 2);
    r.SetTextAlignment(8);
    r.SetTextAlignment(9);
    EXPECT_EQ(r.TextAlignment(), 8);
    r.SetPictureAlignment(14);
    r.SetPictureAlignment(15);
    EXPECT_EQ(r.PictureAlignment(), 14);
    r.SetFont3D(4);
    r.SetFont3D(5);
    EXPECT_EQ(r.Font3D(), 4);
}

TEST_F(Orientation, APictureAboveTextReadingDownwardsGoesToTheRight) {
    Surface s(100, 100);
    const auto picture = text_test::SolidBitmap(16, 16, 0x0000FF);
    Configure(r, gfx::CRect(0, 0, 100, 100), "Tab");
    r.SetOrientation(1);
    r.SetTextAlignment(7);
    r.SetPicture(picture);
    r.SetPictureAlignment(13);
    ASSERT_TRUE(r.Render(s.dc(), 12));
    const gdi::RECT picturePixels = s.bounds(gdi::RGB(0, 0, 255));
    const gdi::RECT ink = s.bounds(kBlack);
    EXPECT_EQ(Width(picturePixels), 16);
    EXPECT_GE(picturePixels.left, ink.right) << "the picture lies where the glyph tops face";
    // Text and picture together are centred: the pair's middle is the area's middle, give or take.
    EXPECT_NEAR((ink.left + picturePixels.right) / 2.0, 50, 3);
    r.SetPicture(nullptr);
}

// The pixels of the access-key underline: the difference between a caption with the marker and
// one without.
class Underline : public Orientation {
protected:
    gdi::RECT UnderlineOf(int32_t orientation) {
        Surface marked(100, 100), plain(100, 100);
        Draw(marked, "Sa&ve", orientation, 7);
        Draw(plain, "Save", orientation, 7);
        return marked.changed_from(plain);
    }
    // The ink of the 'v' alone: "Sav" less "Sa".
    gdi::RECT InkOfV(int32_t orientation) {
        Surface sav(100, 100), sa(100, 100);
        // The same block start for both: start-aligned along the reading direction.
        Draw(sav, "Sav", orientation, 1);
        Draw(sa, "Sa", orientation, 1);
        return sav.changed_from(sa);
    }
};

TEST_F(Underline, RunsUnderTheVOfSaveOnly) {
    Surface marked(100, 100);
    Draw(marked, "Sa&ve", 0, 1);
    Surface plain(100, 100);
    Draw(plain, "Save", 0, 1);
    const gdi::RECT line = marked.changed_from(plain);
    const gdi::RECT v = InkOfV(0);
    EXPECT_EQ(Height(line), 1) << "one pixel high";
    EXPECT_GT(line.top, v.bottom - 1) << "below the v";
    EXPECT_LE(line.top, v.bottom + 2);
    EXPECT_GE(line.left, v.left - 1) << "not under the a";
    EXPECT_LE(line.right, v.right + 1) << "not under the e";
    EXPECT_GE(Width(line), Width(v) - 2) << "the whole width of the v";
    EXPECT_EQ(r.MnemonicPos(), 0) << "the plain caption was drawn last";
}

TEST_F(Underline, LiesBeyondTheBaselineOfTextReadingDownwards) {
    Surface marked(100, 100), plain(100, 100);
    Draw(marked, "Sa&ve", 1, 1);
    Draw(plain, "Save", 1, 1);
    const gdi::RECT line = marked.changed_from(plain);
    const gdi::RECT v = InkOfV(1);
    EXPECT_EQ(Width(line), 1) << "one pixel wide";
    EXPECT_LT(line.left, v.left) << "toward the glyph bottoms, which face left";
    EXPECT_GE(line.top, v.top - 1);
    EXPECT_LE(line.bottom, v.bottom + 1);
}

TEST_F(Underline, LiesBeyondTheBaselineOfTextReadingUpwards) {
    Surface marked(100, 100), plain(100, 100);
    Draw(marked, "Sa&ve", 3, 1);
    Draw(plain, "Save", 3, 1);
    const gdi::RECT line = marked.changed_from(plain);
    const gdi::RECT v = InkOfV(3);
    EXPECT_EQ(Width(line), 1);
    EXPECT_GT(line.left, v.right - 1) << "toward the glyph bottoms, which face right";
    EXPECT_GE(line.top, v.top - 1);
    EXPECT_LE(line.bottom, v.bottom + 1);
}

TEST_F(Underline, ATrailingMarkerUnderlinesNothing) {
    Surface marked(100, 100), plain(100, 100);
    Draw(marked, "x&", 0, 1);
    Draw(plain, "x", 0, 1);
    EXPECT_EQ(marked.changed_from(plain), gdi::RECT{});
}

TEST_F(Underline, ADoubledMarkerDrawsNoLine) {
    Surface s(100, 100);
    gdi::Trace trace;
    Draw(s, "Save && Exit", 0, 1);
    EXPECT_EQ(trace.filter("LineTo").size(), 0u);
    EXPECT_EQ(trace.filter("TextOutA")[0].text, "Save & Exit");
}

} // namespace
