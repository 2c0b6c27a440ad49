#include "gfx/Module.h"

#include "platform/automation/Arithmetic.h"
#include "platform/user/SysColors.h"

namespace gfx {

gdi::COLORREF TranslateColor(int32_t oleColor) {
    if (oleColor >= 0) return static_cast<gdi::COLORREF>(oleColor);
    return user::GetSysColor(static_cast<int>(static_cast<uint32_t>(oleColor) & 0xFFFFFF));
}

int16_t MAKELANGID(int32_t primary, int32_t sub) {
    return static_cast<int16_t>(rt::mul16(sub, 1024) | rt::to16(primary));
}

} // namespace gfx
