#pragma once

#include "platform/gdi/Handles.h"

#include <cstdint>

namespace user {

// OLE colours that name system colours: the top bit set, the system colour index in the low bits.
constexpr int32_t kOleButtonFace = static_cast<int32_t>(0x8000000F);
constexpr int32_t kOleButtonShadow = static_cast<int32_t>(0x80000010);
constexpr int32_t kOleGrayText = static_cast<int32_t>(0x80000011);
constexpr int32_t kOleButtonText = static_cast<int32_t>(0x80000012);
constexpr int32_t kOle3DHighlight = static_cast<int32_t>(0x80000014);
constexpr int32_t kOle3DDarkShadow = static_cast<int32_t>(0x80000015);

// An OLE colour as a COLORREF: a value with the top bit clear (non-negative) is returned unchanged;
// otherwise its low 24 bits are a system colour index, resolved with GetSysColor at the time of the
// call, so a change of the system colours shows at the next redraw. Palette-relative values (high
// byte 1 or 2) are not treated specially.
gdi::COLORREF TranslateOleColor(int32_t ole_color);

} // namespace user
