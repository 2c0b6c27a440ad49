#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

// Header outlines as data. A coordinate is a linear expression over the header's measures (left,
// top, length along the row, thickness, bevel and the style's corner sizes); a look of a style is a
// short script of fills, line groups and polygons in the three edge colours. Expressions are
// evaluated in double precision; rounding to whole pixels happens only where a value reaches the
// platform, half to even, as every other conversion of the control.
namespace vntab::render {

// The measures a header outline is written in.
enum class Measure : uint8_t {
    L,  // left of the header
    T,  // top of the header
    W,  // length along the row
    H,  // thickness across the row
    B,  // bevel width
    CX, // corner size along the row (chamfer)
    CY, // corner size across the row (chamfer)
    S,  // slant of the slanted style
    Count,
};

using Measures = std::array<double, static_cast<size_t>(Measure::Count)>;

// c + sum of k[m] * measure[m].
class Expr {
public:
    constexpr Expr(int constant = 0) : m_constant(constant) {}
    static constexpr Expr Of(Measure m) {
        Expr e;
        e.m_k[static_cast<size_t>(m)] = 1.0;
        e.note_terms();
        return e;
    }

    constexpr Expr operator+(const Expr& o) const { return combine(o, 1.0); }
    constexpr Expr operator-(const Expr& o) const { return combine(o, -1.0); }
    constexpr Expr operator/(int divisor) const {
        Expr e = *this;
        for (double& k : e.m_k)
            k /= divisor;
        e.m_constant /= divisor;
        e.note_terms();
        return e;
    }
    friend constexpr Expr operator+(int c, const Expr& e) { return Expr(c) + e; }
    friend constexpr Expr operator-(int c, const Expr& e) { return Expr(c) - e; }

    // The terms are added in the order of the measures, so a value comes out the same to the last
    // bit however many measures the expression leaves out.
    double Eval(const Measures& m) const {
        double value = m_constant;
        for (uint32_t terms = m_terms; terms != 0; terms &= terms - 1) {
            const auto i = static_cast<size_t>(std::countr_zero(terms));
            value += m_k[i] * m[i];
        }
        return value;
    }

private:
    constexpr Expr combine(const Expr& o, double sign) const {
        Expr e = *this;
        for (size_t i = 0; i < m_k.size(); ++i)
            e.m_k[i] += sign * o.m_k[i];
        e.m_constant += sign * o.m_constant;
        e.note_terms();
        return e;
    }
    // Every corner and line end of a header is an expression, most of them over two or three
    // measures: the measures with a factor are noted once, when the expression is built.
    constexpr void note_terms() {
        m_terms = 0;
        for (size_t i = 0; i < m_k.size(); ++i)
            if (m_k[i] != 0.0) m_terms |= uint32_t{1} << i;
    }

    std::array<double, static_cast<size_t>(Measure::Count)> m_k{};
    double m_constant = 0.0;
    uint32_t m_terms = 0; // bit i: m_k[i] is not 0
};

// What a step paints with: the tab's brush, a brush or pen of one of the three edge colours, or
// whatever pen the surface holds at the moment (its default black pen between line groups).
enum class Ink : uint8_t { TabBrush, Highlight, DarkShadow, Shadow, CurrentPen };

// One step of an outline script.
//   Pen(ink)      starts a line group: MoveTo and LineTo steps that follow draw in that ink.
//   Polygon(ink)  starts a polygon; the Pt steps that follow are its corners. It is filled through
//                 an ALTERNATE polygon region when the next Pen, Polygon or Box starts, or at the end.
//   Box(ink)      a FillRect; the two Pt steps that follow are (left, top) and (right, bottom).
struct Step {
    enum class Kind : uint8_t { Pen, MoveTo, LineTo, Polygon, Box, Pt };
    Kind kind;
    Ink ink = Ink::CurrentPen;
    Expr x;
    Expr y;
};

constexpr Step Pen(Ink ink) {
    return {Step::Kind::Pen, ink, {}, {}};
}
constexpr Step MoveTo(Expr x, Expr y) {
    return {Step::Kind::MoveTo, Ink::CurrentPen, x, y};
}
constexpr Step LineTo(Expr x, Expr y) {
    return {Step::Kind::LineTo, Ink::CurrentPen, x, y};
}
constexpr Step Polygon(Ink ink) {
    return {Step::Kind::Polygon, ink, {}, {}};
}
constexpr Step Box(Ink ink) {
    return {Step::Kind::Box, ink, {}, {}};
}
constexpr Step Pt(Expr x, Expr y) {
    return {Step::Kind::Pt, Ink::CurrentPen, x, y};
}

// The caption rectangle a style leaves inside its header.
struct CaptionBox {
    Expr left, top, right, bottom;
};

// One style in one orientation: its fill, the edges of each look and the caption rectangle.
struct Outline {
    std::span<const Step> fill;
    std::span<const Step> look1;
    std::span<const Step> look2;
    CaptionBox caption;
};

// The names outline tables are written with. R = L + W and Y = T + H are the far ends of a top or
// bottom header; X = L + H and V = T + W those of a right or left one, which stands across its row.
namespace names {
inline constexpr Expr L = Expr::Of(Measure::L);
inline constexpr Expr T = Expr::Of(Measure::T);
inline constexpr Expr W = Expr::Of(Measure::W);
inline constexpr Expr H = Expr::Of(Measure::H);
inline constexpr Expr B = Expr::Of(Measure::B);
inline constexpr Expr cx = Expr::Of(Measure::CX);
inline constexpr Expr cy = Expr::Of(Measure::CY);
inline constexpr Expr s = Expr::Of(Measure::S);
inline constexpr Expr R = L + W;
inline constexpr Expr Y = T + H;
inline constexpr Expr X = L + H;
inline constexpr Expr V = T + W;
inline constexpr Ink HL = Ink::Highlight;
inline constexpr Ink DK = Ink::DarkShadow;
inline constexpr Ink SH = Ink::Shadow;
inline constexpr Ink Brush = Ink::TabBrush;
inline constexpr Ink Current = Ink::CurrentPen;
} // namespace names

} // namespace vntab::render
