#include "TextFixture.h"

#include <gtest/gtest.h>

namespace {

using text_test::kBlack;
using text_test::Surface;

class Orientation : public text_test::RendererTest {
protected:
    // `caption` in black on white, 12-point `face`, in a 100 x 100 target at the surface's origin.
    gdi::RECT Ink(Surface& s, const std::string& caption, int32_t orientation, int32_t alignment = 7,
                  const std::string& face = "Arial") {
        Configure(gfx::CRect(0, 0, 100, 100), caption);
        const rt::StdFont font(face, 12);
        r.SetFont(&font);
        r.SetOrientation(orientation);
        r.SetTextAlignment(alignment);
        EXPECT_TRUE(r.Render(s.dc(), 12));
        return s.bounds(kBlack);
    }
};

int32_t Width(const gdi::RECT& r) {
    return r.right - r.left;
}
int32_t Height(const gdi::RECT& r) {
    return r.bottom - r.top;
}

TEST_F(Orientation, TurnedTrueTypeTextStandsTallerThanWideAndABitmapFaceCannotTurn) {
    for (int32_t orientation : {1, 3}) {
        Surface s(100, 100);
        const gdi::RECT ink = Ink(s, "Settings", orientation);
        EXPECT_GT(Height(ink), 2 * Width(ink)) << "orientation " << orientation;
    }
    Surface bitmap(100, 100);
    const gdi::RECT upright = Ink(bitmap, "Settings", 1, 7, "MS Sans Serif");
    EXPECT_GT(Width(upright), Height(upright));
}

TEST_F(Orientation, EachOrientationReadsInItsOwnDirectionFromTheSameStart) {
    for (int32_t orientation = 0; orientation < 4; ++orientation) {
        Surface a(100, 100), line(100, 100);
        // Start-aligned: "A" stays where it is whatever follows it.
        const gdi::RECT first = Ink(a, "A", orientation, 1);
        Ink(line, "A----", orientation, 1);
        const gdi::RECT rest = line.changed_from(a);
        ASSERT_NE(rest, gdi::RECT{});
        const bool follows[4] = {rest.left >= first.right - 1, rest.top >= first.bottom - 1,
                                 rest.right <= first.left + 1, rest.bottom <= first.top + 1};
        EXPECT_TRUE(follows[orientation]) << "orientation " << orientation;
    }
}

TEST_F(Orientation, TopLeftTurnedTextLiesAgainstTheEdgeItsGlyphTopsFace) {
    Surface down(100, 100), up(100, 100);
    const gdi::RECT right = Ink(down, "Tab", 1, 0);
    EXPECT_EQ(r.TextRect().TopLeft(), gfx::CPoint(100, 0)) << "reference point at the block's top-right";
    EXPECT_GE(right.right, 96);
    const gdi::RECT left = Ink(up, "Tab", 3, 0);
    EXPECT_EQ(r.TextRect().TopLeft(), gfx::CPoint(0, 100)) << "reference point at the block's bottom-left";
    EXPECT_LE(left.left, 4);
}

TEST_F(Orientation, SettingTheFontClearsTheTurnUntilTheOrientationIsSetAgain) {
    Configure(gfx::CRect(0, 0, 10, 10), "x");
    r.SetOrientation(1);
    EXPECT_EQ(r.Font().Escapement(), -900);
    const rt::StdFont font("Arial", 8, true, true);
    r.SetFont(&font);
    EXPECT_EQ(r.Font().Escapement(), 0);
    EXPECT_EQ(r.Orientation(), 1);
    r.SetOrientation(3);
    EXPECT_EQ(r.Font().Escapement(), -2700);
}

TEST_F(Orientation, OutOfRangeValuesAreIgnored) {
    r.SetOrientation(2);
    r.SetOrientation(4);
    r.SetTextAlignment(8);
    r.SetTextAlignment(-1);
    r.SetPictureAlignment(14);
    r.SetPictureAlignment(15);
    r.SetFont3D(4);
    r.SetFont3D(5);
    EXPECT_EQ(r.Orientation(), 2);
    EXPECT_EQ(r.TextAlignment(), 8);
    EXPECT_EQ(r.PictureAlignment(), 14);
    EXPECT_EQ(r.Font3D(), 4);
}

} // namespace
