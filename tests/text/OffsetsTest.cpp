#include "TextFixture.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t kNone = 0, kLeft = 11, kRight = 12, kAbove = 13, kBelow = 14;

// A 100 x 60 area, a 41 x 13 text block and a 32 x 24 picture beside it (847 x 635 HIMETRIC).
class Offsets : public text_test::RendererTest {
protected:
    void SetUp() override {
        RendererTest::SetUp();
        // Picture sizes are converted on the off-screen DC, which lives only during a render.
        r.RenderDC().CreateCompatibleDC(gdi::HDC{});
        r.SetPicture(text_test::SolidBitmap(32, 24, 0xFF0000));
    }
    void TearDown() override {
        r.RenderDC().DeleteDC();
        RendererTest::TearDown();
    }
    int32_t Offset(char axis, int32_t orientation, int32_t alignment, int32_t picture) {
        const gfx::CRect block(0, 0, 41, 13), area(0, 0, 100, 60);
        r.SetOrientation(orientation);
        r.SetPictureAlignment(picture);
        return axis == 'x' ? r.GetTextOffsetX(block, area, alignment, true)
                           : r.GetTextOffsetY(block, area, alignment, true);
    }
};

struct Row {
    char axis;
    int32_t orientation, alignment, picture, offset;
};

// Per orientation and axis: the base of each group, and the push of a picture on that side of the
// block (full at the near end, half when centred, with halves rounded to even).
constexpr Row kRows[] = {
    {'x', 0, 0, kNone, 0},   {'x', 0, 1, kLeft, 32},  {'x', 0, 2, kRight, 0},  {'x', 0, 3, kNone, 59},
    {'x', 0, 4, kRight, 27}, {'x', 0, 7, kNone, 30},  {'x', 0, 7, kLeft, 46},  {'x', 0, 8, kRight, 14},
    {'x', 0, 6, kAbove, 30}, {'y', 0, 0, kNone, 0},   {'y', 0, 3, kAbove, 24}, {'y', 0, 1, kNone, 24},
    {'y', 0, 4, kAbove, 36}, {'y', 0, 7, kBelow, 12}, {'y', 0, 2, kNone, 47},  {'y', 0, 8, kBelow, 23},
    {'x', 1, 0, kNone, 87},  {'x', 1, 3, kAbove, 55}, {'x', 1, 1, kNone, 44},  {'x', 1, 4, kAbove, 28},
    {'x', 1, 7, kBelow, 60}, {'x', 1, 2, kNone, 0},   {'x', 1, 8, kBelow, 32}, {'x', 1, 6, kLeft, 87},
    {'y', 1, 0, kNone, 0},   {'y', 1, 1, kLeft, 24},  {'y', 1, 3, kNone, 19},  {'y', 1, 5, kRight, -5},
    {'y', 1, 7, kNone, 10},  {'y', 1, 6, kLeft, 22},  {'y', 1, 8, kRight, -2}, {'x', 2, 0, kNone, 59},
    {'x', 2, 1, kLeft, 27},  {'x', 2, 3, kNone, 0},   {'x', 2, 4, kRight, 32}, {'x', 2, 6, kLeft, 14},
    {'y', 2, 0, kNone, 47},  {'y', 2, 3, kAbove, 23}, {'y', 2, 1, kAbove, 12}, {'y', 2, 5, kBelow, 24},
    {'x', 3, 0, kNone, 0},   {'x', 3, 3, kAbove, 32}, {'x', 3, 1, kAbove, 60}, {'x', 3, 5, kBelow, 55},
    {'y', 3, 0, kNone, 19},  {'y', 3, 1, kLeft, -5},  {'y', 3, 3, kNone, 0},   {'y', 3, 7, kRight, 22},
};

TEST_F(Offsets, FollowTheTextFrameOfEachOrientation) {
    for (const Row& row : kRows)
        EXPECT_EQ(Offset(row.axis, row.orientation, row.alignment, row.picture), row.offset)
            << row.axis << " orientation " << row.orientation << " alignment " << row.alignment << " picture "
            << row.picture;
}

TEST_F(Offsets, CentringRoundsHalvesToEvenAndHalfAPictureAgain) {
    r.SetPictureAlignment(kNone);
    EXPECT_EQ(r.GetTextOffsetX({0, 0, 41, 10}, {0, 0, 100, 60}, 7, false), 30) << "29.5";
    EXPECT_EQ(r.GetTextOffsetX({0, 0, 43, 10}, {0, 0, 100, 60}, 7, false), 28) << "28.5";
    r.SetPicture(text_test::SolidBitmap(33, 24, 0xFF0000));
    EXPECT_EQ(Offset('x', 0, 7, kLeft), 46) << "30 + 16.5";
    EXPECT_EQ(Offset('x', 0, 7, kRight), 14) << "30 - 16.5";
}

TEST_F(Offsets, APictureAboveTextReadingDownwardsTakesTheRightEdge) {
    r.TargetRect() = gfx::CRect(10, 20, 110, 80);
    r.SetOrientation(1);
    r.SetPictureAlignment(kAbove);
    EXPECT_EQ(r.GetPictureRect(), gfx::CRect(78, 20, 110, 80));
    EXPECT_EQ(r.GetTextRect(), gfx::CRect(10, 20, 78, 80));
    // Each quarter turn moves the sides one step clockwise: left, top, right, bottom of the text.
    const gfx::CRect strips[4] = {{10, 20, 42, 80}, {10, 20, 110, 44}, {78, 20, 110, 80}, {10, 56, 110, 80}};
    for (int32_t o = 0; o < 4; ++o) {
        r.SetOrientation(o);
        r.SetPictureAlignment(kLeft);
        EXPECT_EQ(r.GetPictureRect(), strips[o]) << "left of text, orientation " << o;
    }
    r.SetPictureAlignment(10); // tiled
    EXPECT_EQ(r.GetTextRect(), r.TargetRect()) << "pictures in the area share it with the text";
}

} // namespace
