#include "render/StylePainters.h"

// vnTabChamfered: both outer corners cut by a chamfer cx pixels along the row and cy pixels across
// it (TabStyleWidth and TabStyleHeight, 4 when not set). The turned outlines are the top outline
// turned point for point; where turning makes an edge face down or right, that edge is drawn in
// dark shadow with a shadow line inside it instead, as the light always comes from the top left.
namespace vntab::render {

namespace {

using namespace names;

// clang-format off
constexpr Step kTopFill[] = {
    Polygon(Brush), Pt(L, Y + B + 1), Pt(L, T + cy), Pt(L + cx, T), Pt(R - 1 - cx, T), Pt(R - 1, T + cy),
    Pt(R - 1, Y + B + 1),
};
constexpr Step kTopLook1[] = {
    Pen(HL), MoveTo(L, Y), LineTo(L, T + cy), LineTo(L + cx, T), LineTo(R - cx, T),
    Pen(DK), MoveTo(R - cx, T + 1), LineTo(R - 1, T + cy), LineTo(R - 1, Y + 1),
    Pen(SH), MoveTo(R - cx - 1, T + 1), LineTo(R - 2, T + cy), LineTo(R - 2, Y + 1),
};
constexpr Step kTopLook2[] = {
    Pen(DK), MoveTo(L, Y), LineTo(L, T + cy), LineTo(L + cx, T), LineTo(R - cx - 1, T), LineTo(R - 1, T + cy),
    LineTo(R - 1, Y + 1),
    Polygon(HL), Pt(L + 1, Y + 1), Pt(L + B + 1, Y + B + 1), Pt(L + B + 1, T + B + cy),
    Pt(L + B + cx, T + B + 1), Pt(R - B - cx, T + B + 1), Pt(R - cx, T + 1), Pt(L + cx, T + 1),
    Pt(L + 1, T + cy),
    Polygon(SH), Pt(R - 1, Y + 1), Pt(R - B - 1, Y + B + 1), Pt(R - B - 1, T + B + cy),
    Pt(R - B - cx, T + B + 1), Pt(R - cx, T + 1), Pt(R - 1, T + cy),
};

// Right: the top outline turned a quarter clockwise, one pixel thinner so that its panel side falls
// on the panel's edge line x = L. The chamfer runs cx down the row and cy across it. The outer edge
// now faces right: dark shadow with a shadow line inside. The fill follows the outline's own path,
// so that no fill pixel shows outside a steep diagonal.
constexpr Step kRightFill[] = {
    Polygon(Brush), Pt(L - B - 1, T), Pt(X - 1 - cy, T), Pt(X - 1, T + cx), Pt(X - 1, V - cx),
    Pt(X - 2, V - cx), Pt(X - 1 - cy, V - 1), Pt(L - B - 1, V - 1),
};
constexpr Step kRightLook1[] = {
    Pen(HL), MoveTo(L, T), LineTo(X - 1 - cy, T), LineTo(X - 1, T + cx),
    Pen(DK), LineTo(X - 1, V - cx), MoveTo(X - 2, V - cx), LineTo(X - 1 - cy, V - 1), LineTo(L - 1, V - 1),
    Pen(SH), MoveTo(X - 2, T + cx), LineTo(X - 2, V - cx), MoveTo(X - 3, V - cx - 1),
    LineTo(X - 2 - cy, V - 2), LineTo(L - 1, V - 2),
};
constexpr Step kRightLook2[] = {
    Pen(DK), MoveTo(L, T), LineTo(X - 1 - cy, T), LineTo(X - 1, T + cx), LineTo(X - 1, V - cx),
    MoveTo(X - 2, V - cx), LineTo(X - 1 - cy, V - 1), LineTo(L - 1, V - 1),
    Polygon(HL), Pt(L, T + 1), Pt(L - B, T + B + 1), Pt(X - B - 1 - cy, T + B + 1), Pt(X - B - 1, T + B + cx),
    Pt(X - 1, T + cx), Pt(X - 1 - cy, T + 1),
    Polygon(SH), Pt(X - 1, T + cx), Pt(X - B - 1, T + B + cx), Pt(X - B - 1, V - B - cx),
    Pt(X - B - 1 - cy, V - B - 1), Pt(L - B, V - B - 1), Pt(L, V - 1), Pt(X - 1 - cy, V - 1),
    Pt(X - 2, V - cx), Pt(X - 1, V - cx),
};

// Bottom: the top outline mirrored, one pixel thinner so that its panel side falls on the panel's
// edge line y = T. The outer edge and the corner at the row's start now face down: dark shadow
// with a shadow line inside.
constexpr Step kBottomFill[] = {
    Polygon(Brush), Pt(L, T - B - 1), Pt(L, Y - 1 - cy), Pt(L + cx, Y - 1), Pt(R - cx, Y - 1),
    Pt(R - cx, Y - 2), Pt(R - 1, Y - 1 - cy), Pt(R - 1, T - B - 1),
};
constexpr Step kBottomLook1[] = {
    Pen(HL), MoveTo(L, T), LineTo(L, Y - 1 - cy),
    Pen(DK), LineTo(L + cx, Y - 1), LineTo(R - cx, Y - 1), MoveTo(R - cx, Y - 2), LineTo(R - 1, Y - 1 - cy),
    LineTo(R - 1, T - 1),
    Pen(SH), MoveTo(L + 1, Y - 2 - cy), LineTo(L + 1 + cx, Y - 2), LineTo(R - cx - 1, Y - 2),
    MoveTo(R - cx - 1, Y - 3), LineTo(R - 2, Y - 2 - cy), LineTo(R - 2, T - 1),
};
constexpr Step kBottomLook2[] = {
    Pen(DK), MoveTo(L, T), LineTo(L, Y - 1 - cy), LineTo(L + cx, Y - 1), LineTo(R - cx, Y - 1),
    MoveTo(R - cx, Y - 2), LineTo(R - 1, Y - 1 - cy), LineTo(R - 1, T - 1),
    Polygon(HL), Pt(L + 1, T), Pt(L + B + 1, T - B), Pt(L + B + 1, Y - B - 1 - cy), Pt(L + 1, Y - 1 - cy),
    Polygon(SH), Pt(L + 1, Y - 1 - cy), Pt(L + B + 1, Y - B - 1 - cy), Pt(L + B + 1 + cx, Y - B - 1),
    Pt(R - B - cx, Y - B - 1), Pt(R - B - 1, Y - B - 1 - cy), Pt(R - B - 1, T - B), Pt(R - 1, T),
    Pt(R - 1, Y - 1 - cy), Pt(R - cx, Y - 2), Pt(R - cx, Y - 1), Pt(L + cx, Y - 1),
};

// Left: the top outline turned about the diagonal through the header's top-left corner; its
// lit and shaded parts stay as they are.
constexpr Step kLeftFill[] = {
    Polygon(Brush), Pt(X + B + 1, T), Pt(L + cy, T), Pt(L, T + cx), Pt(L, V - 1 - cx), Pt(L + cy, V - 1),
    Pt(X + B + 1, V - 1),
};
constexpr Step kLeftLook1[] = {
    Pen(HL), MoveTo(X, T), LineTo(L + cy, T), LineTo(L, T + cx), LineTo(L, V - cx),
    Pen(DK), MoveTo(L + 1, V - cx), LineTo(L + cy, V - 1), LineTo(X + 1, V - 1),
    Pen(SH), MoveTo(L + 1, V - cx - 1), LineTo(L + cy, V - 2), LineTo(X + 1, V - 2),
};
constexpr Step kLeftLook2[] = {
    Pen(DK), MoveTo(X, T), LineTo(L + cy, T), LineTo(L, T + cx), LineTo(L, V - cx - 1), LineTo(L + cy, V - 1),
    LineTo(X + 1, V - 1),
    Polygon(HL), Pt(X + 1, T + 1), Pt(X + B + 1, T + B + 1), Pt(L + B + cy, T + B + 1),
    Pt(L + B + 1, T + B + cx), Pt(L + B + 1, V - B - cx), Pt(L + 1, V - cx), Pt(L + 1, T + cx),
    Pt(L + cy, T + 1),
    Polygon(SH), Pt(X + 1, V - 1), Pt(X + B + 1, V - B - 1), Pt(L + B + cy, V - B - 1),
    Pt(L + B + 1, V - B - cx), Pt(L + 1, V - cx), Pt(L + cy, V - 1),
};

// The caption keeps half the chamfer clear of the corners; as on top headers, the inset from the
// outer edge is half of cx as well.
constexpr OutlineSet kChamfered = {{
    {kTopFill, kTopLook1, kTopLook2, {L + B + 1 + cx / 2, T + B + 1 + cx / 2, R - cx / 2 - B - 1, Y - 1}},
    {kRightFill, kRightLook1, kRightLook2,
     {L + 1, T + B + 1 + cx / 2, X - B - 1 - cx / 2, V - cx / 2 - B - 1}},
    {kBottomFill, kBottomLook1, kBottomLook2,
     {L + B + 1 + cx / 2, T, R - cx / 2 - B - 1, Y - B - 1 - cx / 2}},
    {kLeftFill, kLeftLook1, kLeftLook2, {L + B + 1 + cx / 2, T + B + 1 + cx / 2, X, V - cx / 2 - B - 1}},
}};
// clang-format on

// A corner size below 1 means the style's default of 4 pixels.
double CornerSize(int16_t value) {
    return value < 1 ? 4.0 : value;
}

} // namespace

gdi::RECT PaintTabChamfered(ShapeCanvas& canvas, const Header& header, const StyleSettings& settings) {
    Measures m = MeasuresOf(header);
    m[static_cast<size_t>(Measure::CX)] = CornerSize(settings.style_width);
    m[static_cast<size_t>(Measure::CY)] = CornerSize(settings.style_height);
    return PaintOutline(canvas, kChamfered, m, settings);
}

} // namespace vntab::render
