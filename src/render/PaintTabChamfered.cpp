#include "render/StylePainters.h"

// vnTabChamfered: both outer corners cut by a chamfer cx pixels along the row and cy pixels across
// it (TabStyleWidth and TabStyleHeight, 4 when not set). The turned outlines follow vnTabNormal's
// turned ones, with its two-pixel cut widened to the chamfer: its corner offsets 2, 3 and 4 become
// c, c + 1 and c + 2. The diagonal that faces down or right is drawn in dark shadow with a shadow
// line inside it, the one that faces up or left in highlight.
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
    Polygon(HL), Pt(L + 1, Y + 1), Pt(L + B + 1, Y + B + 1), Pt(L + B + 1, T + B + cy), Pt(L + B + cx, T + B + 1),
    Pt(R - B - cx, T + B + 1), Pt(R - cx, T + 1), Pt(L + cx, T + 1), Pt(L + 1, T + cy),
    Polygon(SH), Pt(R - 1, Y + 1), Pt(R - B - 1, Y + B + 1), Pt(R - B - 1, T + B + cy), Pt(R - B - cx, T + B + 1),
    Pt(R - cx, T + 1), Pt(R - 1, T + cy),
};

// Right: the chamfer runs cx down the row and cy across it.
constexpr Step kRightFill[] = {
    Polygon(Brush), Pt(L - B - 1, T), Pt(X - cy, T), Pt(X, T + cx), Pt(X, V - 2 - cx), Pt(X - 1 - cy, V),
    Pt(L - B - 1, V),
};
constexpr Step kRightLook1[] = {
    Pen(HL), MoveTo(L, T), LineTo(X - 1 - cy, T), LineTo(X - 1, T + cx),
    Pen(DK), LineTo(X - 1, V - 1 - cx), LineTo(X - 2, V - 1 - cx), LineTo(X - 1 - cy, V - 1), LineTo(L - 1, V - 1),
    Pen(SH), MoveTo(X - 2, T + cx), LineTo(X - 2, V - 1 - cx), LineTo(X - 1 - cy, V - 2), LineTo(L - 2, V - 2),
    MoveTo(X - 2, V - 2 - cx), LineTo(X - 2 - cy, V - 2),
};
constexpr Step kRightLook2[] = {
    Pen(DK), MoveTo(L, T), LineTo(X - cy, T), LineTo(X - 1, T + cx - 1), LineTo(X - 1, V - 1 - cx),
    LineTo(X - cy, V - 1), LineTo(L - 1, V - 1),
    Polygon(HL), Pt(L, T + 1), Pt(L - B, T + B + 1), Pt(X - B - cy, T + B + 1), Pt(X - cy, T + 1),
    Polygon(SH), Pt(X - 1, T + cx - 1), Pt(X - B - 1, T + B + cx - 1), Pt(X - B - 1, V - B - 1 - cx),
    Pt(X - B - cy, V - B - 1), Pt(L - B, V - B - 1), Pt(L, V - 1), Pt(X - cy, V - 1), Pt(X - 1, V - 1 - cx),
};

constexpr Step kBottomFill[] = {
    Polygon(Brush), Pt(L, T - B - 1), Pt(L, Y - 1 - cy), Pt(L + 1 + cx, Y), Pt(R - 1 - cx, Y), Pt(R, Y - 1 - cy),
    Pt(R, T - B - 1),
};
constexpr Step kBottomLook1[] = {
    Pen(HL), MoveTo(L, T), LineTo(L, Y - cy),
    Pen(DK), MoveTo(L + 1, Y - cy), LineTo(L + cx, Y - 1), LineTo(R - 1 - cx, Y - 1), LineTo(R - 1, Y - 1 - cy),
    LineTo(R - 1, T),
    Pen(SH), MoveTo(L + 1, Y - 1 - cy), LineTo(L + cx, Y - 2), LineTo(R - 1 - cx, Y - 2), LineTo(R - 2, Y - 1 - cy),
    LineTo(R - 2, T - 1), MoveTo(R - 2 - cx, Y - 2), LineTo(R - 2, Y - 2 - cy),
};
constexpr Step kBottomLook2[] = {
    Pen(DK), MoveTo(L, T), LineTo(L, Y - 1 - cy), LineTo(L + cx, Y - 1), LineTo(R - 1 - cx, Y - 1),
    LineTo(R - 1, Y - 1 - cy), LineTo(R - 1, T),
    Polygon(HL), Pt(L + 1, T), Pt(L + B + 1, T - B), Pt(L + B + 1, Y - B - 1 - cy), Pt(L + 1, Y - 1 - cy),
    Polygon(SH), Pt(L + 1, Y - 1 - cy), Pt(L + B + 1, Y - B - 1 - cy), Pt(L + B + cx, Y - B - 1),
    Pt(R - B - 1 - cx, Y - B - 1), Pt(R - B - 1, Y - B - 1 - cy), Pt(R - B - 1, T - B), Pt(R - 1, T),
    Pt(R - 1, Y - 1 - cy), Pt(R - 1 - cx, Y - 1), Pt(R - cx, Y - 1), Pt(L + cx, Y - 1),
};

// Left: the chamfer runs cx down the row and cy across it.
constexpr Step kLeftFill[] = {
    Polygon(Brush), Pt(X + B + 1, T), Pt(L + cy, T), Pt(L, T + cx), Pt(L, V - 1 - cx), Pt(L + 1 + cy, V),
    Pt(X + B + 1, V),
};
constexpr Step kLeftLook1[] = {
    Pen(HL), MoveTo(X, T), LineTo(L + cy, T), LineTo(L, T + cx), LineTo(L, V - 1 - cx),
    Pen(DK), LineTo(L + cy, V - 1), LineTo(X + 1, V - 1),
    Pen(SH), MoveTo(L + 1, V - 1 - cx), LineTo(L + cy, V - 2), LineTo(X + 1, V - 2),
};
constexpr Step kLeftLook2[] = {
    Pen(DK), MoveTo(X, T), LineTo(L + cy, T), LineTo(L, T + cx), LineTo(L, V - 1 - cx), LineTo(L + cy, V - 1),
    LineTo(X + 1, V - 1),
    Polygon(HL), Pt(X + 1, T + 1), Pt(X + B + 1, T + B + 1), Pt(L + B + cy, T + B + 1), Pt(L + B + 1, T + B + cx),
    Pt(L + B + 1, V - B - 1 - cx), Pt(L + 1, V - 1 - cx), Pt(L + 1, T + cx), Pt(L + cy, T + 1),
    Polygon(SH), Pt(L + 1, V - 1 - cx), Pt(L + B, V - B - 1 - cx), Pt(L + B + 1 + cy, V - B - 1),
    Pt(X + B + 3, V - B - 1), Pt(X + 2, V - 1), Pt(L + cy, V - 2),
};
// clang-format on

// The caption keeps half the chamfer clear of the corners; as on top headers, the inset from the
// outer edge is half of cx as well.
constexpr OutlineSet kChamfered = {{
    {kTopFill, kTopLook1, kTopLook2, {L + B + 1 + cx / 2, T + B + 1 + cx / 2, R - cx / 2 - B - 1, Y - 1}},
    {kRightFill,
     kRightLook1,
     kRightLook2,
     {L + 1, T + B + 1 + cx / 2, X - B - 1 - cx / 2, V - cx / 2 - B - 1}},
    {kBottomFill,
     kBottomLook1,
     kBottomLook2,
     {L + B + 1 + cx / 2, T, R - cx / 2 - B - 1, Y - B - 1 - cx / 2}},
    {kLeftFill, kLeftLook1, kLeftLook2, {L + B + 1 + cx / 2, T + B + 1 + cx / 2, X, V - cx / 2 - B - 1}},
}};

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
