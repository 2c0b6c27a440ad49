#include "render/StylePainters.h"

#include "platform/automation/Arithmetic.h"

// vnTabSlanted: a trapezoid whose sides slant by s pixels along the row over the header's
// thickness (TabStyleWidth, or half of TabHeight when not set). Left tabs are the top shape turned
// about the diagonal, so their lit sides stay lit. Bottom and right tabs are the top shape
// mirrored and turned; their outer edge then faces down or right and is drawn in dark shadow with a
// shadow line inside it, like the far slant.
namespace vntab::render {

namespace {

using namespace names;

// clang-format off
constexpr Step kTopFill[] = {
    Polygon(Brush), Pt(L, Y + 1), Pt(L + s, T), Pt(R - s - 1, T), Pt(R - 1, Y + 1), Pt(R - 1, Y + B + 1),
    Pt(L, Y + B + 1),
};
// The far slant is drawn down and back up again, leaving the current position at its top.
constexpr Step kTopLook1[] = {
    Pen(HL), MoveTo(L, Y), LineTo(L + s, T), MoveTo(L + s, T), LineTo(R - s - 1, T),
    Pen(DK), LineTo(R - 1, Y), LineTo(R - s - 1, T),
    Pen(SH), MoveTo(R - 2, Y), LineTo(R - s - 2, T), MoveTo(R - 2, Y + 1), LineTo(R - s - 2, T + 1),
};
constexpr Step kTopLook2[] = {
    Polygon(HL), Pt(L, Y + 1), Pt(L + B + 1, Y + B), Pt(L + s + B, T + B + 1), Pt(R - s - B - 2, T + B + 1),
    Pt(R - s - 2, T + 1), Pt(L + s + 1, T - 1),
    Pen(HL), MoveTo(L + B, Y + B), LineTo(L + s + B, T + B),
    Polygon(SH), Pt(R - 1, Y), Pt(R - B, Y + B + 1), Pt(R - s - B - 1, T + B - 1), Pt(R - s - 1, T - 1),
    Pen(SH), MoveTo(R - B - 1, Y + B), LineTo(R - s - B - 1, T + B),
    Pen(DK), MoveTo(L, Y), LineTo(L + s, T), LineTo(R - s - 1, T), LineTo(R - 1, Y), LineTo(R - s - 1, T),
};

// Right: the top outline turned a quarter clockwise and one pixel thinner, so that its panel side
// falls on the panel's edge line x = L. The first slant runs from the panel at the top of the header
// out to the outer edge. The fill follows the outline's own path, so that no fill pixel shows
// outside a slant, and the edges are drawn last, over the bevel bands.
constexpr Step kRightFill[] = {
    Polygon(Brush), Pt(L - B - 1, T), Pt(L, T), Pt(X - 1, T + s), Pt(X - 1, V - s - 1), Pt(L, V - 1),
    Pt(L - B - 1, V - 1),
};
constexpr Step kRightLook1[] = {
    Pen(HL), MoveTo(L, T), LineTo(X - 1, T + s),
    Pen(DK), LineTo(X - 1, V - s - 1), LineTo(L, V - 1), LineTo(L - 1, V - 1),
    Pen(SH), MoveTo(X - 2, T + s + 1), LineTo(X - 2, V - s - 2), LineTo(L - 1, V - 2),
};
constexpr Step kRightLook2[] = {
    Polygon(HL), Pt(L, T + 1), Pt(L - B, T + B + 1), Pt(X - B - 1, T + s + B + 1), Pt(X - 1, T + s + 1),
    Polygon(SH), Pt(X - 1, T + s + 1), Pt(X - B - 1, T + s + B + 1), Pt(X - B - 1, V - s - B - 1),
    Pt(L - B, V - B - 1), Pt(L, V - 1), Pt(X - 1, V - s - 1),
    Pen(DK), MoveTo(L, T), LineTo(X - 1, T + s), LineTo(X - 1, V - s - 1), LineTo(L, V - 1),
    LineTo(L - 1, V - 1),
};

// Bottom: the top outline mirrored and one pixel thinner, so that its panel side falls on the
// panel's edge line y = T. The slants run from the panel down to the outer edge at Y - 1.
constexpr Step kBottomFill[] = {
    Polygon(Brush), Pt(L, T - B - 1), Pt(L, T), Pt(L + s, Y - 1), Pt(R - s - 1, Y - 1), Pt(R - 1, T),
    Pt(R - 1, T - B - 1),
};
constexpr Step kBottomLook1[] = {
    Pen(HL), MoveTo(L, T), LineTo(L + s, Y - 1),
    Pen(DK), LineTo(R - s - 1, Y - 1), LineTo(R - 1, T),
    Pen(SH), MoveTo(L + s, Y - 2), LineTo(R - s - 2, Y - 2), LineTo(R - 2, T - 1),
};
constexpr Step kBottomLook2[] = {
    Polygon(HL), Pt(L + 1, T), Pt(L + B + 1, T - B), Pt(L + s + B + 1, Y - B - 1), Pt(L + s + 1, Y - 1),
    Polygon(SH), Pt(L + s + 1, Y - 1), Pt(L + s + B + 1, Y - B - 1), Pt(R - s - B - 2, Y - B - 1),
    Pt(R - B - 2, T - B), Pt(R - 1, T), Pt(R - s - 1, Y - 1),
    Pen(DK), MoveTo(L, T), LineTo(L + s, Y - 1), LineTo(R - s - 1, Y - 1), LineTo(R - 1, T),
};

// Left: the top outline turned about the diagonal through the header's top-left corner. The bevel
// bands end on the outer edge instead of one pixel beyond it, where a turned region would show.
constexpr Step kLeftFill[] = {
    Polygon(Brush), Pt(X + 1, T), Pt(L, T + s), Pt(L, V - s - 1), Pt(X + 1, V - 1), Pt(X + B + 1, V - 1),
    Pt(X + B + 1, T),
};
constexpr Step kLeftLook1[] = {
    Pen(HL), MoveTo(X, T), LineTo(L, T + s), MoveTo(L, T + s), LineTo(L, V - s - 1),
    Pen(DK), LineTo(X, V - 1), LineTo(L, V - s - 1),
    Pen(SH), MoveTo(X, V - 2), LineTo(L, V - s - 2), MoveTo(X + 1, V - 2), LineTo(L + 1, V - s - 2),
};
constexpr Step kLeftLook2[] = {
    Polygon(HL), Pt(X + 1, T), Pt(X + B, T + B + 1), Pt(L + B + 1, T + s + B), Pt(L + B + 1, V - s - B - 2),
    Pt(L + 1, V - s - 2), Pt(L, T + s + 1),
    Pen(HL), MoveTo(X + B, T + B), LineTo(L + B, T + s + B),
    Polygon(SH), Pt(X, V - 1), Pt(X + B + 1, V - B), Pt(L + B - 1, V - s - B - 1), Pt(L, V - s - 1),
    Pen(SH), MoveTo(X + B, V - B - 1), LineTo(L + B, V - s - B - 1),
    Pen(DK), MoveTo(X, T), LineTo(L, T + s), LineTo(L, V - s - 1), LineTo(X, V - 1), LineTo(L, V - s - 1),
};

constexpr OutlineSet kSlanted = {{
    {kTopFill, kTopLook1, kTopLook2, {L + s + B + 1, T + B + 3, R - s - B - 1, Y - 1}},
    {kRightFill, kRightLook1, kRightLook2, {L + 1, T + s + B + 1, X - B - 2, V - s - B - 1}},
    {kBottomFill, kBottomLook1, kBottomLook2, {L + s + B + 1, T, R - s - B - 1, Y - B - 3}},
    {kLeftFill, kLeftLook1, kLeftLook2, {L + B + 3, T + s + B + 1, X - 1, V - s - B - 1}},
}};
// clang-format on

} // namespace

gdi::RECT PaintTabSlanted(ShapeCanvas& canvas, const Header& header, const StyleSettings& settings) {
    Measures m = MeasuresOf(header);
    // An unset slant is half the tab height, in whole pixels (19 gives 9).
    m[static_cast<size_t>(Measure::S)] =
        settings.style_width < 1 ? rt::div32(settings.tab_height, 2) : settings.style_width;
    return PaintOutline(canvas, kSlanted, m, settings);
}

} // namespace vntab::render
