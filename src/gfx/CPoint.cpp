#include "gfx/CPoint.h"

#include "platform/automation/Arithmetic.h"

namespace gfx {

void CPoint::SetFromSingles(float sx, float sy) {
    const int32_t new_x = rt::clng(sx);
    y = rt::clng(sy);
    x = new_x;
}

} // namespace gfx
