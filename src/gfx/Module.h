#pragma once

#include "platform/gdi/Handles.h"

#include <cstdint>

// The two free functions of the graphics module.
namespace gfx {

// An OLE colour as a COLORREF: a value with the top bit clear (non-negative) is returned unchanged;
// otherwise its low 24 bits are a system colour index, resolved with GetSysColor at the time of the
// call, so a change of the system colours shows at the next redraw. Palette-relative values (high
// byte 1 or 2) are not treated specially.
gdi::COLORREF TranslateColor(int32_t oleColor);

// A language identifier: sub x 1024 OR primary, as a 16-bit Integer (overflow-checked, error 6).
int16_t MAKELANGID(int32_t primary, int32_t sub);

} // namespace gfx
