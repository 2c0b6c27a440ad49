#pragma once

#include "platform/automation/Dispatch.h"

// Where a contained control stands, for the designer's presses on the tab control.
namespace vntab {

// Whether a point, in the container's scale units, lies on a contained control, bounds included: a
// Line on the box its two ends span, any other control on the rectangle of its Left, Top, Width
// and Height. A control that cannot report its width or height counts as `fallback_width` wide or
// `fallback_height` high; one whose position cannot be read covers nothing.
bool ControlCoversPoint(rt::Dispatch& control, double x, double y, double fallback_width,
                        double fallback_height);

} // namespace vntab
