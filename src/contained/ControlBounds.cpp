#include "contained/ControlBounds.h"

#include "contained/LateBound.h"
#include "contained/PageControls.h"

#include <algorithm>

namespace vntab {

namespace {

bool between(double value, double a, double b) {
    return value >= std::min(a, b) && value <= std::max(a, b);
}

} // namespace

bool ControlCoversPoint(rt::Dispatch& control, double x, double y, double fallback_width,
                        double fallback_height) {
    if (KindOf(control) == ContainedKind::Line) {
        auto x1 = TryNumber(control, "X1"), x2 = TryNumber(control, "X2");
        auto y1 = TryNumber(control, "Y1"), y2 = TryNumber(control, "Y2");
        if (!x1 || !x2 || !y1 || !y2) return false;
        return between(x, *x1, *x2) && between(y, *y1, *y2);
    }
    auto left = TryNumber(control, "Left"), top = TryNumber(control, "Top");
    if (!left || !top) return false;
    const double width = TryNumber(control, "Width").value_or(fallback_width);
    const double height = TryNumber(control, "Height").value_or(fallback_height);
    return between(x, *left, *left + width) && between(y, *top, *top + height);
}

} // namespace vntab
