#pragma once

#include <cfloat>
#include <cstdint>

// Checked automation arithmetic. Integer (16-bit) and Long (32-bit) steps raise error 6 "Overflow"
// when the exact result does not fit, integer division by zero raises error 11 "Division by zero",
// and integer division truncates toward zero. Every conversion of a fractional value to an integer
// rounds to the nearest value, halves to even.
namespace rt {

double round_even(double value);

int16_t add16(int32_t a, int32_t b);
int16_t sub16(int32_t a, int32_t b);
int16_t mul16(int32_t a, int32_t b);
int16_t div16(int32_t a, int32_t b); // the `\` operator
int16_t mod16(int32_t a, int32_t b);

int32_t add32_checked(int64_t a, int64_t b);
int32_t sub32_checked(int64_t a, int64_t b);
// Sums and differences of Longs are most of the arithmetic of a layout and a redraw: when the
// operands and the result are Longs the step is done in place, otherwise the checked way raises.
inline int32_t add32(int64_t a, int64_t b) {
    if (a == static_cast<int32_t>(a) && b == static_cast<int32_t>(b) && a + b == static_cast<int32_t>(a + b))
        return static_cast<int32_t>(a + b);
    return add32_checked(a, b);
}
inline int32_t sub32(int64_t a, int64_t b) {
    if (a == static_cast<int32_t>(a) && b == static_cast<int32_t>(b) && a - b == static_cast<int32_t>(a - b))
        return static_cast<int32_t>(a - b);
    return sub32_checked(a, b);
}
int32_t mul32(int64_t a, int64_t b);
int32_t div32(int64_t a, int64_t b);
int32_t mod32(int64_t a, int64_t b);

// Range checks of an exact integer value.
int16_t to16(int64_t value);
int32_t to32(int64_t value);

// Rounded conversions of a fractional value (halves to even), error 6 out of range.
int16_t cint(double value);
int32_t clng_checked(double value);
// Every coordinate of a drawing passes through clng, so the common case is worked out in place: a
// value well inside the Long range is rounded by adding and taking away 1.5 * 2^52, which leaves
// no fraction bits; the addition rounds as nearbyint does, to nearest with halves to even, and the
// subtraction is exact. Anything else (NaN, the ends of the range) takes the checked way.
inline int32_t clng(double value) {
    if (value > -2147483648.0 && value < 2147483647.0) {
        constexpr double kNoFraction = 6755399441055744.0;
        return static_cast<int32_t>((value + kNoFraction) - kNoFraction);
    }
    return clng_checked(value);
}
// A Single from a Double, error 6 when the magnitude does not fit; worked out in place when it
// fits, as every corner of a drawn polygon does.
float csng_checked(double value);
inline float csng(double value) {
    if (value >= -FLT_MAX && value <= FLT_MAX) return static_cast<float>(value);
    return csng_checked(value);
}

} // namespace rt
