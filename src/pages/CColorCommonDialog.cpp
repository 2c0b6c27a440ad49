#include "pages/CColorCommonDialog.h"

#include "pages/CCommonDialog.h"
#include "platform/user/Dialogs.h"

namespace vntab::pages {

bool CColorCommonDialog::ChooseNewColor(int32_t hwndOwner) {
    // The dialog's sixteen custom colours are a scratch block: nothing is kept between two uses.
    gdi::COLORREF custom_colors[16] = {};
    user::CHOOSECOLORA cc;
    cc.lStructSize = user::kChooseColorSize;
    cc.hwndOwner = user::HWND{static_cast<uint32_t>(hwndOwner)};
    cc.hInstance = static_cast<uint32_t>(ProgramInstance(hwndOwner));
    cc.lpCustColors = custom_colors;
    cc.Flags = user::CC_ANYCOLOR;
    if (!user::ChooseColorA(&cc)) return false;
    m_color = static_cast<int32_t>(cc.rgbResult);
    return true;
}

} // namespace vntab::pages
