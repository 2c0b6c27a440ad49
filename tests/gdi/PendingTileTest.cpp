#include "TestSurface.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace gdi;

// A solid fill leaves the tiles it covers pending with its colour instead of writing them, and
// every drawing call makes real the tiles it touches first. These tests draw the same random
// sequences on a surface that keeps pending tiles and on one whose pixels were handed out raw
// (LockBitmap), which writes every pixel every time; the two must never differ, read back by a
// plain copy (which takes pending tiles as their values) or by a mirrored stretch (which makes
// them real first).
namespace {

constexpr int32_t kW = 130;
constexpr int32_t kH = 100;

const COLORREF kColours[] = {RGB(192, 192, 192), RGB(192, 192, 192), RGB(128, 128, 128), RGB(255, 255, 255)};

// Pixels through a copy (a blit reads the surface without handing its pixels out).
std::vector<uint32_t> pixels_of(HDC dc) {
    TestSurface copy(kW, kH);
    BitBlt(copy.dc, 0, 0, kW, kH, dc, 0, 0, SRCCOPY);
    const SurfaceView view = LockBitmap(copy.bitmap);
    return std::vector<uint32_t>(view.pixels, view.pixels + size_t(kW) * kH);
}

// Pixels mirrored left to right by a stretch.
std::vector<uint32_t> mirrored_pixels_of(HDC dc) {
    TestSurface copy(kW, kH);
    StretchBlt(copy.dc, kW - 1, 0, -kW, kH, dc, 0, 0, kW, kH, SRCCOPY);
    const SurfaceView view = LockBitmap(copy.bitmap);
    return std::vector<uint32_t>(view.pixels, view.pixels + size_t(kW) * kH);
}

class Painter {
public:
    explicit Painter(uint32_t seed) : m_random(seed) {}

    // One random drawing step on dc; the same seed gives the same steps.
    std::string step(HDC dc, HDC other) {
        const int kind = pick(0, 14);
        const COLORREF colour = kColours[pick(0, 3)];
        switch (kind) {
        case 0:
        case 1:
        case 2:
        case 3: { // the fills the knowledge is for, often covering most of the surface
            RECT r = kind == 0 ? RECT{-3, -2, kW + 4, kH + 1}
                               : RECT{pick(-5, 20), pick(-5, 15), pick(30, kW + 5), pick(25, kH + 5)};
            if (kind == 3) r = {pick(-10, kW), pick(-10, kH), pick(-10, kW + 10), pick(-10, kH + 10)};
            HBRUSH brush = CreateSolidBrush(colour);
            FillRect(dc, &r, brush);
            DeleteObject(brush);
            return "FillRect";
        }
        case 4: { // lines of the panel edges and header outlines
            HPEN pen = CreatePen(PS_SOLID, pick(0, 3) == 0 ? 3 : 1, colour);
            HGDIOBJ old = SelectObject(dc, pen);
            MoveToEx(dc, pick(-5, kW + 5), pick(-5, kH + 5), nullptr);
            LineTo(dc, pick(-5, kW + 5), pick(-5, kH + 5));
            const POINT points[] = {
                {pick(0, kW), pick(0, kH)}, {pick(0, kW), pick(0, kH)}, {pick(0, kW), pick(0, kH)}};
            Polyline(dc, points, 3);
            SelectObject(dc, old);
            DeleteObject(pen);
            return "LineTo";
        }
        case 5: { // header shapes
            const POINT points[] = {{pick(-5, kW), pick(-5, kH)},
                                    {pick(0, kW + 5), pick(0, kH)},
                                    {pick(0, kW), pick(0, kH + 5)},
                                    {pick(0, kW), pick(0, kH)}};
            HRGN rgn = CreatePolygonRgn(points, 4, ALTERNATE);
            HBRUSH brush = CreateSolidBrush(colour);
            FillRgn(dc, rgn, brush);
            DeleteObject(rgn);
            DeleteObject(brush);
            return "FillRgn";
        }
        case 6: {
            const POINT points[] = {
                {pick(-5, kW), pick(-5, kH)}, {pick(0, kW + 5), pick(0, kH)}, {pick(0, kW), pick(0, kH + 5)}};
            HBRUSH brush = CreateSolidBrush(colour);
            HGDIOBJ old = SelectObject(dc, brush);
            Polygon(dc, points, 3);
            SelectObject(dc, old);
            DeleteObject(brush);
            return "Polygon";
        }
        case 7: // captions copied in and out
            BitBlt(dc, pick(-10, kW), pick(-10, kH), pick(1, 30), pick(1, 20), other, pick(-5, 20),
                   pick(-5, 20), SRCCOPY);
            return "BitBlt";
        case 8: // a move within the surface
            BitBlt(dc, pick(-5, 20), pick(-5, 20), pick(1, 40), pick(1, 30), dc, pick(-5, 20), pick(-5, 20),
                   pick(0, 1) ? SRCCOPY : SRCINVERT);
            return "BitBlt self";
        case 9:
            SetPixel(dc, pick(-2, kW + 2), pick(-2, kH + 2), colour);
            return "SetPixel";
        case 10:
            TextOutA(dc, pick(-10, kW), pick(-10, kH), "Tab 8", 5);
            Rectangle(dc, pick(-5, kW), pick(-5, kH), pick(0, kW + 5), pick(0, kH + 5));
            Ellipse(dc, pick(-5, kW), pick(-5, kH), pick(0, kW + 5), pick(0, kH + 5));
            PatBlt(dc, pick(-5, kW), pick(-5, kH), pick(1, 30), pick(1, 30), PATINVERT);
            return "TextOut, shapes, PatBlt";
        case 11: { // a clip region for the steps that follow, or none
            if (pick(0, 1)) {
                SelectClipRgn(dc, HRGN{});
            } else {
                IntersectClipRect(dc, pick(-5, 30), pick(-5, 20), pick(20, kW + 5), pick(15, kH + 5));
            }
            return "clip";
        }
        case 12: // a moved origin
            SetViewportOrgEx(dc, pick(-4, 4), pick(-4, 4), nullptr);
            return "origin";
        case 14: { // a panel's bevel: long vertical edges, in a solid brush or a raster operation
            const int32_t l = pick(-5, 40), t = pick(-5, 30), r = pick(50, kW + 5), b = pick(40, kH + 5);
            const int32_t d = pick(1, 3);
            const POINT bevel[] = {{r, t}, {r - d, t + d}, {r - d, b - d}, {l + d, b - d}, {l, b}, {r, b}};
            HRGN rgn = CreatePolygonRgn(bevel, 6, ALTERNATE);
            HBRUSH brush = CreateSolidBrush(colour);
            if (pick(0, 1)) {
                FillRgn(dc, rgn, brush);
            } else {
                HGDIOBJ old = SelectObject(dc, brush);
                SetROP2(dc, R2_XORPEN);
                PaintRgn(dc, rgn);
                SetROP2(dc, R2_COPYPEN);
                SelectObject(dc, old);
            }
            DeleteObject(rgn);
            DeleteObject(brush);
            return "bevel";
        }
        default: { // a pattern brush over everything
            const uint32_t bits[] = {0xFFFFFF, 0, 0, 0xFFFFFF};
            HBITMAP pattern = CreateBitmap32(2, 2, bits);
            HBRUSH brush = CreatePatternBrush(pattern);
            RECT all{0, 0, kW, kH};
            FillRect(dc, &all, brush);
            DeleteObject(brush);
            DeleteObject(pattern);
            return "pattern";
        }
        }
    }

private:
    int32_t pick(int32_t low, int32_t high) {
        return std::uniform_int_distribution<int32_t>(low, high)(m_random);
    }

    std::mt19937 m_random;
};

TEST(PendingTiles, RandomDrawingMatchesASurfaceThatWritesEveryPixel) {
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        TestSurface pending(kW, kH), plain(kW, kH), other(kW, kH, RGB(10, 20, 30));
        LockBitmap(plain.bitmap); // handed out: keeps no pending tiles
        SetPixel(other.dc, 3, 3, RGB(200, 0, 0));
        Painter a(seed), b(seed);
        std::string steps;
        for (int k = 0; k < 40; ++k) {
            steps += a.step(pending.dc, other.dc) + "; ";
            b.step(plain.dc, other.dc);
            if (k % 8 == 7) {
                ASSERT_EQ(pixels_of(pending.dc), pixels_of(plain.dc)) << "seed " << seed << ": " << steps;
            }
            if (k % 8 == 3 || k == 39) {
                ASSERT_EQ(mirrored_pixels_of(pending.dc), mirrored_pixels_of(plain.dc))
                    << "seed " << seed << ": " << steps;
            }
        }
    }
}

// A redraw's pattern: the background, headers drawn over it, then overlapping panels of the same
// colour with their outlines, each panel partly over the last one's outline.
TEST(PendingTiles, OverlappingPanelsOfOneColourPaintLikeFullFills) {
    TestSurface pending(kW, kH), plain(kW, kH);
    LockBitmap(plain.bitmap);
    for (HDC dc : {pending.dc, plain.dc}) {
        HBRUSH face = CreateSolidBrush(RGB(192, 192, 192));
        HPEN dark = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
        HGDIOBJ old = SelectObject(dc, dark);
        RECT all{0, 0, kW, kH};
        FillRect(dc, &all, face);
        for (int row = 0; row < 3; ++row) {
            const int32_t x = 2 + 3 * row, y = 1 + 5 * row;
            RECT panel{x + 1, y + 6, kW - 8 + row * 3, kH - 10 + row * 4};
            FillRect(dc, &panel, face);
            MoveToEx(dc, panel.right, panel.top, nullptr);
            LineTo(dc, panel.right, panel.bottom);
            LineTo(dc, panel.left - 1, panel.bottom);
            const POINT header[] = {{x, y + 5},  {x, y + 1},      {x + 1, y},
                                    {x + 12, y}, {x + 13, y + 1}, {x + 13, y + 5}};
            HRGN rgn = CreatePolygonRgn(header, 6, ALTERNATE);
            FillRgn(dc, rgn, face);
            DeleteObject(rgn);
            SetPixel(dc, x + 20, y + 20, RGB(0, 0, 255));
        }
        SelectObject(dc, old);
        DeleteObject(dark);
        DeleteObject(face);
    }
    EXPECT_EQ(pixels_of(pending.dc), pixels_of(plain.dc));
}

// A surface whose pixels were handed out writes every fill: pixels written through the view are
// painted over by a fill after it, however many fills of one colour came before.
TEST(PendingTiles, PixelsWrittenThroughARawViewAreFilledAgain) {
    TestSurface s(kW, kH);
    HBRUSH face = CreateSolidBrush(RGB(192, 192, 192));
    RECT all{0, 0, kW, kH};
    FillRect(s.dc, &all, face);
    const SurfaceView view = LockDC(s.dc);
    view.pixels[5 * view.stride + 7] = 0x123456;
    FillRect(s.dc, &all, face);
    // GetPixel reads without handing anything out.
    EXPECT_EQ(GetPixel(s.dc, 7, 5), RGB(192, 192, 192));
    // The view stays usable: a later write through it is filled over as well.
    view.pixels[9 * view.stride + 2] = 0x654321;
    FillRect(s.dc, &all, face);
    EXPECT_EQ(GetPixel(s.dc, 2, 9), RGB(192, 192, 192));
    DeleteObject(face);
}

} // namespace
