#include "render/StylePainters.h"

// vnTabNormal: both outer corners cut by two pixels. The turned orientations are not exact
// mirrors of the top one: bottom and right headers stand one pixel thinner on the panel side, and
// their far corners are cut one pixel deeper, with a second shadow step inside them.
namespace vntab::render {

namespace {

using namespace names;

// clang-format off
// Top: the panel is below, y = Y is its edge line.
constexpr Step kTopFill[] = {
    Polygon(Brush), Pt(L, Y + B + 1), Pt(L, T + 2), Pt(L + 2, T), Pt(R - 3, T), Pt(R - 1, T + 2),
    Pt(R - 1, Y + B + 1),
};
constexpr Step kTopLook1[] = {
    Pen(HL), MoveTo(L, Y), LineTo(L, T + 2), LineTo(L + 2, T), LineTo(R - 2, T),
    Pen(DK), MoveTo(R - 2, T + 1), LineTo(R - 1, T + 2), LineTo(R - 1, Y + 1),
    Pen(SH), MoveTo(R - 3, T + 1), LineTo(R - 2, T + 2), LineTo(R - 2, Y + 1),
};
constexpr Step kTopLook2[] = {
    Pen(DK), MoveTo(L, Y), LineTo(L, T + 2), LineTo(L + 2, T), LineTo(R - 3, T), MoveTo(R - 3, T),
    LineTo(R - 1, T + 2), LineTo(R - 1, Y + 1),
    Polygon(HL), Pt(L + 1, Y + 1), Pt(L + B + 1, Y + B + 1), Pt(L + B + 1, T + B + 2),
    Pt(L + B + 2, T + B + 1), Pt(R - B - 2, T + B + 1), Pt(R - 2, T + 1), Pt(L + 2, T + 1), Pt(L + 1, T + 2),
    Polygon(SH), Pt(R - 1, Y + 2), Pt(R - B - 1, Y + B + 1), Pt(R - B - 1, T + B + 2),
    Pt(R - B - 2, T + B + 1), Pt(R - 2, T + 1), Pt(R - 1, T + 2),
};

// Right: the panel is to the left, x = L is its edge line; the header runs down from T to V.
constexpr Step kRightFill[] = {
    Polygon(Brush), Pt(L - B - 1, T), Pt(X - 2, T), Pt(X, T + 2), Pt(X, V - 4), Pt(X - 3, V),
    Pt(L - B - 1, V),
};
constexpr Step kRightLook1[] = {
    Pen(HL), MoveTo(L, T), LineTo(X - 3, T), LineTo(X - 1, T + 2),
    Pen(DK), LineTo(X - 1, V - 3), LineTo(X - 2, V - 3), LineTo(X - 3, V - 1), LineTo(L - 1, V - 1),
    Pen(SH), MoveTo(X - 2, T + 2), LineTo(X - 2, V - 3), LineTo(X - 3, V - 2), LineTo(L - 2, V - 2),
    MoveTo(X - 2, V - 4), LineTo(X - 4, V - 2),
};
constexpr Step kRightLook2[] = {
    Pen(DK), MoveTo(L, T), LineTo(X - 2, T), LineTo(X - 1, T + 1), LineTo(X - 1, V - 3), LineTo(X - 2, V - 1),
    LineTo(L - 1, V - 1),
    Polygon(HL), Pt(L, T + 1), Pt(L - B, T + B + 1), Pt(X - B - 2, T + B + 1), Pt(X - 2, T + 1),
    Polygon(SH), Pt(X - 1, T), Pt(X - B - 1, T + B), Pt(X - B - 1, V - B - 1), Pt(L - B, V - B - 1),
    Pt(L, V - 1), Pt(X - 1, V - 1),
};

// Bottom: the panel is above, y = T is its edge line.
constexpr Step kBottomFill[] = {
    Polygon(Brush), Pt(L, T - B - 1), Pt(L, Y - 3), Pt(L + 3, Y), Pt(R - 3, Y), Pt(R, Y - 3),
    Pt(R, T - B - 1),
};
constexpr Step kBottomLook1[] = {
    Pen(HL), MoveTo(L, T), LineTo(L, Y - 2),
    Pen(DK), MoveTo(L + 1, Y - 2), LineTo(L + 2, Y - 1), LineTo(R - 3, Y - 1), LineTo(R - 1, Y - 3),
    LineTo(R - 1, T),
    Pen(SH), MoveTo(L + 1, Y - 3), LineTo(L + 2, Y - 2), LineTo(R - 3, Y - 2), LineTo(R - 2, Y - 3),
    LineTo(R - 2, T - 1), MoveTo(R - 4, Y - 2), LineTo(R - 2, Y - 4),
};
constexpr Step kBottomLook2[] = {
    Pen(DK), MoveTo(L, T), LineTo(L, Y - 3), LineTo(L + 2, Y - 1), LineTo(R - 3, Y - 1), LineTo(R - 1, Y - 3),
    LineTo(R - 1, T),
    Polygon(HL), Pt(L + 1, T), Pt(L + B + 1, T - B), Pt(L + B + 1, Y - B - 3), Pt(L + 1, Y - 3),
    Polygon(SH), Pt(L + 1, Y - 3), Pt(L + B + 1, Y - B - 3), Pt(L + B + 2, Y - B - 1),
    Pt(R - B - 3, Y - B - 1), Pt(R - B - 1, Y - B - 3), Pt(R - B - 1, T - B), Pt(R - 1, T), Pt(R - 1, Y - 3),
    Pt(R - 3, Y - 1), Pt(R - 2, Y - 1), Pt(L + 2, Y - 1),
};

// Left: the panel is to the right, x = X is its edge line.
constexpr Step kLeftFill[] = {
    Polygon(Brush), Pt(X + B + 1, T), Pt(L + 2, T), Pt(L, T + 2), Pt(L, V - 3), Pt(L + 3, V),
    Pt(X + B + 1, V),
};
constexpr Step kLeftLook1[] = {
    Pen(HL), MoveTo(X, T), LineTo(L + 2, T), LineTo(L, T + 2), LineTo(L, V - 3), LineTo(L + 1, V - 2),
    Pen(DK), LineTo(L + 2, V - 1), LineTo(X + 1, V - 1),
    Pen(SH), MoveTo(L + 1, V - 3), LineTo(L + 2, V - 2), LineTo(X + 1, V - 2),
};
constexpr Step kLeftLook2[] = {
    Pen(DK), MoveTo(X, T), LineTo(L + 2, T), LineTo(L, T + 2), LineTo(L, V - 3), LineTo(L + 2, V - 1),
    LineTo(X + 1, V - 1),
    Polygon(HL), Pt(X + 1, T + 1), Pt(X + B + 1, T + B + 1), Pt(L + B + 2, T + B + 1),
    Pt(L + B + 1, T + B + 2), Pt(L + B + 1, V - B - 3), Pt(L + 1, V - 3), Pt(L + 1, T + 2), Pt(L + 2, T + 1),
    Polygon(SH), Pt(L + 1, V - 3), Pt(L + B, V - B - 3), Pt(L + B + 3, V - B - 1), Pt(X + B + 3, V - B - 1),
    Pt(X + 2, V - 1), Pt(L + 2, V - 2),
};

constexpr OutlineSet kNormal = {{
    {kTopFill, kTopLook1, kTopLook2, {L + B + 3, T + B + 1, R - B - 2, Y - 1}},
    {kRightFill, kRightLook1, kRightLook2, {L + 1, T + B + 3, X - B - 2, V - B - 2}},
    {kBottomFill, kBottomLook1, kBottomLook2, {L + B + 3, T, R - B - 3, Y - B - 3}},
    {kLeftFill, kLeftLook1, kLeftLook2, {L + B + 1, T + B + 1, X, V - B - 4}},
}};
// clang-format on

} // namespace

gdi::RECT PaintTabNormal(ShapeCanvas& canvas, const Header& header, const StyleSettings& settings) {
    return PaintOutline(canvas, kNormal, MeasuresOf(header), settings);
}

} // namespace vntab::render
