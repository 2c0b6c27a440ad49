#include "Arithmetic.h"

#include "AutomationError.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace rt {

double round_even(double value) {
    // nearbyint honours the current rounding mode, which is round-to-nearest-even unless a
    // caller changed it; the control never does.
    return std::nearbyint(value);
}

int16_t to16(int64_t value) {
    if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
        raise_error(kErrOverflow);
    return static_cast<int16_t>(value);
}

int32_t to32(int64_t value) {
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        raise_error(kErrOverflow);
    return static_cast<int32_t>(value);
}

// The operands of the 32-bit forms are taken as 64-bit so that callers can pass results of other
// steps; operands outside the Long range are themselves an overflow.
static int64_t operand32(int64_t v) { return to32(v); }

int16_t add16(int32_t a, int32_t b) { return to16(int64_t{a} + b); }
int16_t sub16(int32_t a, int32_t b) { return to16(int64_t{a} - b); }
int16_t mul16(int32_t a, int32_t b) { return to16(int64_t{a} * b); }
int16_t div16(int32_t a, int32_t b) {
    if (b == 0) raise_error(kErrDivisionByZero);
    return to16(int64_t{a} / b);
}
int16_t mod16(int32_t a, int32_t b) {
    if (b == 0) raise_error(kErrDivisionByZero);
    return to16(int64_t{a} % b);
}

int32_t add32_checked(int64_t a, int64_t b) { return to32(operand32(a) + operand32(b)); }
int32_t sub32_checked(int64_t a, int64_t b) { return to32(operand32(a) - operand32(b)); }
int32_t mul32(int64_t a, int64_t b) { return to32(operand32(a) * operand32(b)); }
int32_t div32(int64_t a, int64_t b) {
    a = operand32(a);
    b = operand32(b);
    if (b == 0) raise_error(kErrDivisionByZero);
    return to32(a / b);
}
int32_t mod32(int64_t a, int64_t b) {
    a = operand32(a);
    b = operand32(b);
    if (b == 0) raise_error(kErrDivisionByZero);
    return to32(a % b);
}

int16_t cint(double value) {
    if (std::isnan(value)) raise_error(kErrOverflow);
    double r = round_even(value);
    if (r < -32768.0 || r > 32767.0) raise_error(kErrOverflow);
    return static_cast<int16_t>(r);
}

int32_t clng_checked(double value) {
    if (std::isnan(value)) raise_error(kErrOverflow);
    double r = round_even(value);
    if (r < -2147483648.0 || r > 2147483647.0) raise_error(kErrOverflow);
    return static_cast<int32_t>(r);
}

float csng_checked(double value) {
    if (std::isfinite(value) && std::fabs(value) > FLT_MAX) raise_error(kErrOverflow);
    return static_cast<float>(value);
}

} // namespace rt
