#pragma once

#include "platform/gdi/Objects.h"

// Logical to device coordinates of a DC: device = (logical - window origin) * scale + viewport origin,
// with the scale of the map mode (1 for MM_TEXT; LogicalDpi() / units per inch with y negated for
// the fixed-scale modes), rounded to nearest with halves away from zero.
namespace gdi {

class Mapping {
public:
    explicit Mapping(const DcState& state);

    bool identity() const {
        return m_units_per_inch == 0 && m_window.x == 0 && m_window.y == 0 && m_viewport.x == 0 &&
               m_viewport.y == 0;
    }
    POINT to_device(POINT p) const;
    POINT to_logical(POINT p) const;
    RECT to_device(RECT r) const;  // normalised, so a y-up mode still gives top < bottom
    RECT to_logical(RECT r) const; // normalised
    // Lengths (pen widths, font heights), sign kept.
    int32_t x_length(int32_t logical) const;
    int32_t y_length(int32_t logical) const;
    int32_t y_length_to_logical(int32_t device) const;
    int32_t x_length_to_logical(int32_t device) const;
    // Whether the device y axis runs against the logical one.
    bool y_flipped() const { return m_units_per_inch != 0; }

private:
    int32_t m_units_per_inch = 0; // 0: MM_TEXT
    int32_t m_dpi = 96;
    POINT m_window;
    POINT m_viewport;
};

// a * b / c rounded to nearest, halves away from zero; 0 when c is 0.
int32_t mul_div(int64_t a, int64_t b, int64_t c);

} // namespace gdi
