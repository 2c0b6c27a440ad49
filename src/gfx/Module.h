#pragma once

#include "platform/gdi/Handles.h"

#include <cstdint>

// The two free functions of the graphics module.
namespace gfx {

// An OLE colour as a COLORREF, by the window system's rule (user::TranslateOleColor): system
// colours resolve at the time of the call.
gdi::COLORREF TranslateColor(int32_t oleColor);

// A language identifier: sub x 1024 OR primary, as a 16-bit Integer (overflow-checked, error 6).
int16_t MAKELANGID(int32_t primary, int32_t sub);

} // namespace gfx
