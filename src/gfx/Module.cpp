#include "gfx/Module.h"

#include "platform/automation/Arithmetic.h"
#include "platform/user/OleColor.h"

namespace gfx {

gdi::COLORREF TranslateColor(int32_t oleColor) {
    return user::TranslateOleColor(oleColor);
}

int16_t MAKELANGID(int32_t primary, int32_t sub) {
    return static_cast<int16_t>(rt::mul16(sub, 1024) | rt::to16(primary));
}

} // namespace gfx
