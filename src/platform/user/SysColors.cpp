#include "SysColors.h"

namespace user {

using gdi::RGB;

const SysColorScheme& StandardSysColors() {
    static const SysColorScheme scheme = {
        RGB(192, 192, 192), // scroll bar
        RGB(0, 128, 128),   // desktop
        RGB(0, 0, 128),     // active caption
        RGB(128, 128, 128), // inactive caption
        RGB(192, 192, 192), // menu
        RGB(255, 255, 255), // window
        RGB(0, 0, 0),       // window frame
        RGB(0, 0, 0),       // menu text
        RGB(0, 0, 0),       // window text
        RGB(255, 255, 255), // caption text
        RGB(192, 192, 192), // active border
        RGB(192, 192, 192), // inactive border
        RGB(128, 128, 128), // application workspace
        RGB(0, 0, 128),     // highlight
        RGB(255, 255, 255), // highlight text
        RGB(192, 192, 192), // button face
        RGB(128, 128, 128), // button shadow
        RGB(128, 128, 128), // gray text
        RGB(0, 0, 0),       // button text
        RGB(192, 192, 192), // inactive caption text
        RGB(255, 255, 255), // button highlight
        RGB(0, 0, 0),       // 3D dark shadow
        RGB(223, 223, 223), // 3D light
        RGB(0, 0, 0),       // tooltip text
        RGB(255, 255, 225), // tooltip background
    };
    return scheme;
}

static thread_local SysColorScheme t_scheme = StandardSysColors();

gdi::COLORREF GetSysColor(int index) {
    if (index < 0 || index >= kSysColorCount) return 0;
    return t_scheme[static_cast<size_t>(index)];
}

void SetSysColorScheme(const SysColorScheme& scheme) { t_scheme = scheme; }

bool SetSysColors(int count, const int* indexes, const gdi::COLORREF* colors) {
    if (count < 0 || (count > 0 && (!indexes || !colors))) return false;
    for (int i = 0; i < count; ++i)
        if (indexes[i] >= 0 && indexes[i] < kSysColorCount) t_scheme[static_cast<size_t>(indexes[i])] = colors[i];
    return true;
}

} // namespace user
