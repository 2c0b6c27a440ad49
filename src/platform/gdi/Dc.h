#pragma once

#include "platform/gdi/HandleTable.h"

// Bookkeeping shared by the DC entry points: which DC holds which object.
namespace gdi {

inline DcObject* dc_of(HDC hdc) {
    return lookup(hdc);
}

// Marks an object as selected into the DC (a bitmap remembers its one DC) or no longer selected.
void hold(uint32_t object, HDC dc);
void release(uint32_t object);

// The surface size of the DC's bitmap, (0, 0, 0, 0) when it has none.
RECT surface_rect(const DcObject& dc);

} // namespace gdi
