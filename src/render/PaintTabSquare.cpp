#include "render/StylePainters.h"

// vnTabSquare: no corner cut. The header is filled with FillRect instead of a polygon region. Left
// tabs are the top outline turned about the diagonal; right tabs follow the bottom outline turned,
// their outer edge in dark shadow with a shadow line inside.
namespace vntab::render {

namespace {

using namespace names;

// clang-format off
constexpr Step kTopFill[] = {Box(Brush), Pt(L, T), Pt(R - 1, Y + B + 1)};
constexpr Step kTopLook1[] = {
    Pen(HL), MoveTo(L, Y), LineTo(L, T), LineTo(R - 1, T),
    Pen(DK), LineTo(R - 1, Y + 1),
    Pen(SH), MoveTo(R - 2, T + 1), LineTo(R - 2, Y + 1),
};
constexpr Step kTopLook2[] = {
    Pen(DK), MoveTo(L, Y), LineTo(L, T), LineTo(R - 1, T), LineTo(R - 1, Y + 1),
    Polygon(HL), Pt(L + 1, Y + 1), Pt(L + B + 1, Y + B + 1), Pt(L + B + 1, T + B + 1),
    Pt(R - B - 2, T + B + 1), Pt(R - 2, T + 1), Pt(L + 1, T),
    Polygon(SH), Pt(R - 1, Y + 1), Pt(R - B - 1, Y + B + 1), Pt(R - B - 1, T + B), Pt(R - 1, T),
};

constexpr Step kRightFill[] = {Box(Brush), Pt(L - B - 1, T), Pt(X, V)};
constexpr Step kRightLook1[] = {
    Pen(HL), MoveTo(L, T), LineTo(X - 1, T),
    Pen(DK), LineTo(X - 1, V - 1), LineTo(L - 1, V - 1),
    Pen(SH), MoveTo(X - 2, T + 1), LineTo(X - 2, V - 2), LineTo(L - 2, V - 2),
};
constexpr Step kRightLook2[] = {
    Pen(DK), MoveTo(L, T), LineTo(X - 1, T), LineTo(X - 1, V - 1), LineTo(L - 1, V - 1),
    Polygon(HL), Pt(L, T + 1), Pt(L - B, T + B + 1), Pt(X - B - 2, T + B + 1), Pt(X - 2, T + 1),
    Polygon(SH), Pt(X - 1, T), Pt(X - B - 1, T + B), Pt(X - B - 1, V - B - 1), Pt(L - B, V - B - 1),
    Pt(L, V - 1), Pt(X - 1, V - 1),
};

constexpr Step kBottomFill[] = {Box(Brush), Pt(L, T - B - 1), Pt(R, Y)};
constexpr Step kBottomLook1[] = {
    Pen(HL), MoveTo(L, T), LineTo(L, Y - 1),
    Pen(DK), LineTo(R - 1, Y - 1), LineTo(R - 1, T),
    Pen(SH), MoveTo(L + 1, Y - 2), LineTo(R - 2, Y - 2), LineTo(R - 2, T - 1),
};
constexpr Step kBottomLook2[] = {
    Pen(DK), MoveTo(L, T), LineTo(L, Y - 1), LineTo(R - 1, Y - 1), LineTo(R - 1, T),
    Polygon(HL), Pt(L + 1, T - 1), Pt(L + B + 1, T - B - 1), Pt(L + B + 1, Y - B - 2), Pt(L + 1, Y - 2),
    Polygon(SH), Pt(L, Y - 1), Pt(L + B, Y - B - 1), Pt(R - B - 1, Y - B - 1), Pt(R - B - 1, T - B - 1),
    Pt(R - 1, T - 1), Pt(R - 1, Y - 1),
};

constexpr Step kLeftFill[] = {Box(Brush), Pt(L, T), Pt(X + B + 1, V - 1)};
constexpr Step kLeftLook1[] = {
    Pen(HL), MoveTo(X, T), LineTo(L, T), LineTo(L, V - 1),
    Pen(DK), LineTo(X + 1, V - 1),
    Pen(SH), MoveTo(L + 1, V - 2), LineTo(X + 1, V - 2),
};
constexpr Step kLeftLook2[] = {
    Pen(DK), MoveTo(X, T), LineTo(L, T), LineTo(L, V - 1), LineTo(X + 1, V - 1),
    Polygon(HL), Pt(X + 1, T + 1), Pt(X + B + 1, T + B + 1), Pt(L + B + 1, T + B + 1),
    Pt(L + B + 1, V - B - 2), Pt(L + 1, V - 2), Pt(L, T + 1),
    Polygon(SH), Pt(X + 1, V - 1), Pt(X + B + 1, V - B - 1), Pt(L + B, V - B - 1), Pt(L, V - 1),
};

constexpr OutlineSet kSquare = {{
    {kTopFill, kTopLook1, kTopLook2, {L + B + 3, T + B + 2, R - B - 2, Y - 1}},
    {kRightFill, kRightLook1, kRightLook2, {L + 1, T + B + 3, X - B - 2, V - B - 2}},
    {kBottomFill, kBottomLook1, kBottomLook2, {L + 5, T + 6, R - 5, Y - 5}},
    {kLeftFill, kLeftLook1, kLeftLook2, {L + B + 2, T + B + 3, X - 1, V - B - 2}},
}};
// clang-format on

} // namespace

gdi::RECT PaintTabSquare(ShapeCanvas& canvas, const Header& header, const StyleSettings& settings) {
    return PaintOutline(canvas, kSquare, MeasuresOf(header), settings);
}

} // namespace vntab::render
