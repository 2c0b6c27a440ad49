#include "TestSurface.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

using namespace gdi;

// A clip region of one rectangle cuts text and vertical lines once instead of row by row. Drawn
// through that rectangle and through a region of two pieces that holds the same pixels on the
// surface (the rectangle and a pixel far off it), every drawing must leave the same pixels.
namespace {

constexpr int32_t kWidth = 90, kHeight = 60;

struct Pair {
    TestSurface simple{kWidth, kHeight, RGB(192, 192, 192)};
    TestSurface pieces{kWidth, kHeight, RGB(192, 192, 192)};

    explicit Pair(RECT clip) {
        HRGN rect = CreateRectRgn(clip.left, clip.top, clip.right, clip.bottom);
        HRGN far = CreateRectRgn(-500, -500, -499, -499);
        HRGN two = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(CombineRgn(two, rect, far, RGN_OR), COMPLEXREGION);
        SelectClipRgn(simple.dc, rect);
        SelectClipRgn(pieces.dc, two);
        for (HRGN r : {rect, far, two})
            DeleteObject(r);
    }
    template <class F>
    void draw(F&& f) {
        f(simple.dc);
        f(pieces.dc);
    }
    void expect_same(int round) const {
        for (int32_t y = 0; y < kHeight; ++y)
            for (int32_t x = 0; x < kWidth; ++x)
                ASSERT_EQ(simple.at(x, y), pieces.at(x, y)) << "round " << round << " at " << x << "," << y;
    }
};

TEST(ClipRectangle, TextAndVerticalLinesPaintWhatAClipOfTwoPiecesPaints) {
    std::mt19937 random(909);
    auto pick = [&](int32_t low, int32_t high) {
        return std::uniform_int_distribution<int32_t>(low, high)(random);
    };
    const char* faces[] = {"Arial", "MS Sans Serif", "Times New Roman"};
    for (int round = 0; round < 120; ++round) {
        const int32_t left = pick(-20, 60), top = pick(-20, 40);
        const RECT clip{left, top, left + pick(1, 70), top + pick(1, 50)};
        Pair pair(clip);
        LOGFONTA lf;
        lf.lfHeight = -pick(8, 24);
        lf.lfQuality = round % 3 == 0 ? ANTIALIASED_QUALITY : DEFAULT_QUALITY;
        std::strcpy(lf.lfFaceName, faces[round % 3]);
        const std::string text = "Tab &" + std::to_string(round) + " Wgjy";
        const int32_t tx = pick(-30, 80), ty = pick(-20, 55);
        const COLORREF colour = RGB(pick(0, 255), 0, 128);
        const int32_t lx = pick(-2, kWidth + 1), ly0 = pick(-10, 70), ly1 = pick(-10, 70);
        const int rop2 = round % 4 == 3 ? R2_XORPEN : R2_COPYPEN;
        pair.draw([&](HDC dc) {
            HFONT font = CreateFontIndirectA(&lf);
            HGDIOBJ old_font = SelectObject(dc, font);
            SetBkMode(dc, round % 5 == 4 ? OPAQUE : TRANSPARENT);
            SetTextColor(dc, colour);
            TextOutA(dc, tx, ty, text.c_str(), static_cast<int>(text.size()));
            SelectObject(dc, old_font);
            DeleteObject(font);
            HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
            HGDIOBJ old_pen = SelectObject(dc, pen);
            SetROP2(dc, rop2);
            MoveToEx(dc, lx, ly0, nullptr);
            LineTo(dc, lx, ly1);
            SelectObject(dc, old_pen);
            DeleteObject(pen);
        });
        pair.expect_same(round);
    }
}

} // namespace
