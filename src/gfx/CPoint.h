#pragma once

#include "platform/gdi/Handles.h"

#include <cstdint>

namespace gfx {

// A point of 32-bit coordinates.
struct CPoint {
    int32_t x = 0;
    int32_t y = 0;

    constexpr CPoint() = default;
    constexpr CPoint(int32_t px, int32_t py) : x(px), y(py) {}

    // Sets both from single-precision values, each rounded to the nearest integer with halves to
    // even (error 6 when out of range). The tab painters build every polygon point through it.
    void SetFromSingles(float sx, float sy);
    gdi::POINT GetPOINT() const { return {x, y}; }

    friend bool operator==(const CPoint&, const CPoint&) = default;
};

} // namespace gfx
