#include "platform/gdi/Mapping.h"

#include <algorithm>
#include <limits>

namespace gdi {

namespace {

int32_t units_per_inch(int mode) {
    switch (mode) {
    case MM_LOMETRIC:
        return 254;
    case MM_HIMETRIC:
        return 2540;
    case MM_LOENGLISH:
        return 100;
    case MM_HIENGLISH:
        return 1000;
    case MM_TWIPS:
        return 1440;
    default:
        return 0;
    }
}

int32_t saturate(int64_t v) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

} // namespace

int32_t mul_div(int64_t a, int64_t b, int64_t c) {
    if (c == 0) return 0;
    int64_t num = a * b;
    bool negative = (num < 0) != (c < 0);
    int64_t n = num < 0 ? -num : num;
    int64_t d = c < 0 ? -c : c;
    int64_t q = (n + d / 2) / d;
    return saturate(negative ? -q : q);
}

Mapping::Mapping(const DcState& state)
    : m_units_per_inch(units_per_inch(state.map_mode)), m_dpi(LogicalDpi()), m_window(state.window_org),
      m_viewport(state.viewport_org) {}

int32_t Mapping::x_length(int32_t logical) const {
    return m_units_per_inch ? mul_div(logical, m_dpi, m_units_per_inch) : logical;
}

int32_t Mapping::y_length(int32_t logical) const {
    return m_units_per_inch ? -mul_div(logical, m_dpi, m_units_per_inch) : logical;
}

int32_t Mapping::x_length_to_logical(int32_t device) const {
    return m_units_per_inch ? mul_div(device, m_units_per_inch, m_dpi) : device;
}

int32_t Mapping::y_length_to_logical(int32_t device) const {
    return m_units_per_inch ? -mul_div(device, m_units_per_inch, m_dpi) : device;
}

POINT Mapping::to_device(POINT p) const {
    return {saturate(int64_t(x_length(saturate(int64_t(p.x) - m_window.x))) + m_viewport.x),
            saturate(int64_t(y_length(saturate(int64_t(p.y) - m_window.y))) + m_viewport.y)};
}

POINT Mapping::to_logical(POINT p) const {
    return {saturate(int64_t(x_length_to_logical(saturate(int64_t(p.x) - m_viewport.x))) + m_window.x),
            saturate(int64_t(y_length_to_logical(saturate(int64_t(p.y) - m_viewport.y))) + m_window.y)};
}

RECT Mapping::to_device(RECT r) const {
    POINT a = to_device(POINT{r.left, r.top});
    POINT b = to_device(POINT{r.right, r.bottom});
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

RECT Mapping::to_logical(RECT r) const {
    POINT a = to_logical(POINT{r.left, r.top});
    POINT b = to_logical(POINT{r.right, r.bottom});
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

} // namespace gdi
