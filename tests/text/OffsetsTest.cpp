#include "TextFixture.h"

#include <gtest/gtest.h>

namespace {

using text_test::RendererTest;

// A 100 x 60 area, a 41 x 13 text block and a 32 x 24 picture (847 x 635 HIMETRIC at 96 DPI).
constexpr int32_t kAreaW = 100, kAreaH = 60;
const gfx::CRect kArea(0, 0, kAreaW, kAreaH);
const gfx::CRect kBlock(0, 0, 41, 13);

class Offsets : public RendererTest {
protected:
    void SetUp() override {
        RendererTest::SetUp();
        m_picture = text_test::SolidBitmap(32, 24, 0xFF0000);
        // Picture sizes are converted on the off-screen DC, which lives only during a render.
        m_renderer.RenderDC().CreateCompatibleDC(gdi::HDC{});
        m_renderer.SetPicture(m_picture);
    }
    void TearDown() override {
        m_renderer.RenderDC().DeleteDC();
        m_owned.reset();
        m_picture.reset();
        RendererTest::TearDown();
    }
    int32_t X(int32_t orientation, int32_t alignment, int32_t picture) {
        m_renderer.SetOrientation(orientation);
        m_renderer.SetPictureAlignment(picture);
        return m_renderer.GetTextOffsetX(kBlock, kArea, alignment, true);
    }
    int32_t Y(int32_t orientation, int32_t alignment, int32_t picture) {
        m_renderer.SetOrientation(orientation);
        m_renderer.SetPictureAlignment(picture);
        return m_renderer.GetTextOffsetY(kBlock, kArea, alignment, true);
    }

    std::unique_ptr<text::CRenderText> m_owned = std::make_unique<text::CRenderText>();
    text::CRenderText& m_renderer = *m_owned;
    std::shared_ptr<rt::StdPicture> m_picture;
};

constexpr int32_t kNone = 0, kLeft = 11, kRight = 12, kAbove = 13, kBelow = 14;

TEST_F(Offsets, UprightTextAlongX) {
    EXPECT_EQ(X(0, 0, kNone), 0);
    EXPECT_EQ(X(0, 1, kLeft), 32);
    EXPECT_EQ(X(0, 2, kRight), 0) << "a picture on the far side leaves a start-aligned block";
    EXPECT_EQ(X(0, 3, kNone), 59);
    EXPECT_EQ(X(0, 4, kRight), 27);
    EXPECT_EQ(X(0, 5, kLeft), 59);
    EXPECT_EQ(X(0, 7, kNone), 30) << "29.5 rounds to the even 30";
    EXPECT_EQ(X(0, 7, kLeft), 46);
    EXPECT_EQ(X(0, 8, kRight), 14);
    EXPECT_EQ(X(0, 6, kAbove), 30) << "a picture above moves nothing along x";
}

TEST_F(Offsets, UprightTextAlongY) {
    EXPECT_EQ(Y(0, 0, kNone), 0);
    EXPECT_EQ(Y(0, 3, kAbove), 24);
    EXPECT_EQ(Y(0, 1, kNone), 24) << "23.5 rounds to the even 24";
    EXPECT_EQ(Y(0, 4, kAbove), 36);
    EXPECT_EQ(Y(0, 7, kBelow), 12);
    EXPECT_EQ(Y(0, 2, kNone), 47);
    EXPECT_EQ(Y(0, 8, kBelow), 23);
    EXPECT_EQ(Y(0, 5, kLeft), 47);
}

TEST_F(Offsets, TextReadingDownwardsAlongX) {
    EXPECT_EQ(X(1, 0, kNone), 87) << "the glyph tops face right: top alignment is the right edge";
    EXPECT_EQ(X(1, 3, kAbove), 55);
    EXPECT_EQ(X(1, 1, kNone), 44) << "43.5 rounds to the even 44";
    EXPECT_EQ(X(1, 4, kAbove), 28);
    EXPECT_EQ(X(1, 7, kBelow), 60);
    EXPECT_EQ(X(1, 2, kNone), 0);
    EXPECT_EQ(X(1, 8, kBelow), 32);
    EXPECT_EQ(X(1, 6, kLeft), 87) << "left of the text lies above it: nothing moves along x";
}

TEST_F(Offsets, TextReadingDownwardsAlongY) {
    EXPECT_EQ(Y(1, 0, kNone), 0);
    EXPECT_EQ(Y(1, 1, kLeft), 24);
    EXPECT_EQ(Y(1, 3, kNone), 19);
    EXPECT_EQ(Y(1, 5, kRight), -5) << "offsets are not clamped";
    EXPECT_EQ(Y(1, 7, kNone), 10) << "9.5 rounds to the even 10";
    EXPECT_EQ(Y(1, 6, kLeft), 22);
    EXPECT_EQ(Y(1, 8, kRight), -2);
}

TEST_F(Offsets, UpsideDownText) {
    EXPECT_EQ(X(2, 0, kNone), 59);
    EXPECT_EQ(X(2, 1, kLeft), 27);
    EXPECT_EQ(X(2, 3, kNone), 0);
    EXPECT_EQ(X(2, 4, kRight), 32);
    EXPECT_EQ(X(2, 6, kLeft), 14);
    EXPECT_EQ(X(2, 7, kRight), 46);
    EXPECT_EQ(Y(2, 0, kNone), 47);
    EXPECT_EQ(Y(2, 3, kAbove), 23);
    EXPECT_EQ(Y(2, 1, kAbove), 12);
    EXPECT_EQ(Y(2, 4, kBelow), 36);
    EXPECT_EQ(Y(2, 2, kNone), 0);
    EXPECT_EQ(Y(2, 5, kBelow), 24);
}

TEST_F(Offsets, TextReadingUpwards) {
    EXPECT_EQ(X(3, 0, kNone), 0) << "the glyph tops face left: top alignment is the left edge";
    EXPECT_EQ(X(3, 3, kAbove), 32);
    EXPECT_EQ(X(3, 1, kAbove), 60);
    EXPECT_EQ(X(3, 4, kBelow), 28);
    EXPECT_EQ(X(3, 2, kNone), 87);
    EXPECT_EQ(X(3, 5, kBelow), 55);
    EXPECT_EQ(Y(3, 0, kNone), 19);
    EXPECT_EQ(Y(3, 1, kLeft), -5);
    EXPECT_EQ(Y(3, 3, kNone), 0);
    EXPECT_EQ(Y(3, 4, kRight), 24);
    EXPECT_EQ(Y(3, 6, kLeft), -2);
    EXPECT_EQ(Y(3, 7, kRight), 22);
}

TEST_F(Offsets, CentredBlocksRoundHalvesToEven) {
    m_renderer.SetPictureAlignment(kNone);
    EXPECT_EQ(m_renderer.GetTextOffsetX(gfx::CRect(0, 0, 41, 10), kArea, 7, false), 30);
    EXPECT_EQ(m_renderer.GetTextOffsetX(gfx::CRect(0, 0, 43, 10), kArea, 7, false), 28);
}

TEST_F(Offsets, HalfAPictureIsRoundedAgainAfterTheCentring) {
    const auto odd = text_test::SolidBitmap(33, 24, 0xFF0000);
    m_renderer.SetPicture(odd);
    // 30 + 16.5 = 46.5 goes to the even 46; 30 - 16.5 = 13.5 to 14.
    EXPECT_EQ(X(0, 7, kLeft), 46);
    EXPECT_EQ(X(0, 7, kRight), 14);
}

TEST_F(Offsets, WithoutThePictureFlagAPictureBesideTheTextMovesNothing) {
    m_renderer.SetPictureAlignment(kLeft);
    EXPECT_EQ(m_renderer.GetTextOffsetX(kBlock, kArea, 0, false), 0);
    EXPECT_EQ(m_renderer.GetTextOffsetY(kBlock, kArea, 7, false), 24);
}

TEST_F(Offsets, AMissingPictureTakesNoRoom) {
    m_renderer.SetPicture(nullptr);
    EXPECT_EQ(X(0, 1, kLeft), 0);
    EXPECT_EQ(m_renderer.GetPictureSizeRect(), gfx::CRect());
}

TEST_F(Offsets, AlignOffsetsMoveEachLineAlongTheReadingDirection) {
    const gfx::CRect block(5, 5, 45, 30); // a line length of 40
    const gfx::CSize line(15, 13);
    int32_t dx = 0, dy = 0;
    const struct {
        int32_t orientation, alignment, dx, dy;
    } cases[] = {{0, 0, 0, 0}, {0, 3, 25, 0}, {0, 7, 12, 0}, {1, 4, 0, 25}, {2, 5, -25, 0}, {3, 8, 0, -12}};
    for (const auto& c : cases) {
        m_renderer.SetOrientation(c.orientation);
        m_renderer.SetTextAlignment(c.alignment);
        m_renderer.GetAlignOffsets(dx, dy, block, line);
        EXPECT_EQ(dx, c.dx) << "orientation " << c.orientation << " alignment " << c.alignment;
        EXPECT_EQ(dy, c.dy) << "orientation " << c.orientation << " alignment " << c.alignment;
    }
}

struct Strip {
    int32_t orientation;
    int32_t alignment;
    gfx::CRect picture;
    gfx::CRect text;
};

class PictureStrips : public Offsets, public ::testing::WithParamInterface<Strip> {};

TEST_P(PictureStrips, BesideTheTextThePictureTakesAStripOnItsSide) {
    const Strip& s = GetParam();
    m_renderer.TargetRect() = gfx::CRect(10, 20, 110, 80);
    m_renderer.SetOrientation(s.orientation);
    m_renderer.SetPictureAlignment(s.alignment);
    EXPECT_EQ(m_renderer.GetPictureRect(), s.picture);
    EXPECT_EQ(m_renderer.GetTextRect(), s.text);
}

const gfx::CRect kLeftStrip(10, 20, 42, 80), kLeftRest(42, 20, 110, 80);
const gfx::CRect kRightStrip(78, 20, 110, 80), kRightRest(10, 20, 78, 80);
const gfx::CRect kTopStrip(10, 20, 110, 44), kTopRest(10, 44, 110, 80);
const gfx::CRect kBottomStrip(10, 56, 110, 80), kBottomRest(10, 20, 110, 56);

INSTANTIATE_TEST_SUITE_P(
    EverySideInEveryOrientation, PictureStrips,
    ::testing::Values(Strip{0, kLeft, kLeftStrip, kLeftRest}, Strip{0, kRight, kRightStrip, kRightRest},
                      Strip{0, kAbove, kTopStrip, kTopRest}, Strip{0, kBelow, kBottomStrip, kBottomRest},
                      Strip{1, kLeft, kTopStrip, kTopRest}, Strip{1, kRight, kBottomStrip, kBottomRest},
                      Strip{1, kAbove, kRightStrip, kRightRest}, Strip{1, kBelow, kLeftStrip, kLeftRest},
                      Strip{2, kLeft, kRightStrip, kRightRest}, Strip{2, kRight, kLeftStrip, kLeftRest},
                      Strip{2, kAbove, kBottomStrip, kBottomRest}, Strip{2, kBelow, kTopStrip, kTopRest},
                      Strip{3, kLeft, kBottomStrip, kBottomRest}, Strip{3, kRight, kTopStrip, kTopRest},
                      Strip{3, kAbove, kLeftStrip, kLeftRest}, Strip{3, kBelow, kRightStrip, kRightRest}));

TEST_F(Offsets, PicturesInTheAreaShareTheWholeTarget) {
    m_renderer.TargetRect() = gfx::CRect(10, 20, 110, 80);
    for (int32_t alignment = 0; alignment <= 10; ++alignment) {
        m_renderer.SetPictureAlignment(alignment);
        EXPECT_EQ(m_renderer.GetPictureRect(), m_renderer.TargetRect());
        EXPECT_EQ(m_renderer.GetTextRect(), m_renderer.TargetRect());
    }
}

} // namespace
