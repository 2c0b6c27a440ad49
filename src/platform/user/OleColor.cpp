#include "platform/user/OleColor.h"

#include "platform/user/SysColors.h"

namespace user {

gdi::COLORREF TranslateOleColor(int32_t ole_color) {
    if (ole_color >= 0) return static_cast<gdi::COLORREF>(ole_color);
    return GetSysColor(static_cast<int>(static_cast<uint32_t>(ole_color) & 0xFFFFFF));
}

} // namespace user
