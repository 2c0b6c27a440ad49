#pragma once

#include "platform/gdi/Handles.h"

#include <cstdint>

namespace vntab {

// What the control asked of the screen, so that tests and tools can see every request.
struct RedrawRecord {
    int32_t repaints = 0;     // RepaintControl calls
    int32_t full_redraws = 0; // redraws that got past the checks for something to draw
    int32_t strip_invalidations = 0;
    gdi::RECT last_strip; // the header band last invalidated, client pixels
};

} // namespace vntab
