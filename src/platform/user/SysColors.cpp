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

// Light text and edges on black; gray text is green so that it stays apart from the rest.
static const SysColorScheme& high_contrast_black() {
    static const SysColorScheme scheme = {
        RGB(0, 0, 0),       // scroll bar
        RGB(0, 0, 0),       // desktop
        RGB(128, 0, 128),   // active caption
        RGB(0, 128, 0),     // inactive caption
        RGB(0, 0, 0),       // menu
        RGB(0, 0, 0),       // window
        RGB(255, 255, 255), // window frame
        RGB(255, 255, 255), // menu text
        RGB(255, 255, 255), // window text
        RGB(255, 255, 255), // caption text
        RGB(255, 255, 0),   // active border
        RGB(0, 128, 0),     // inactive border
        RGB(0, 0, 0),       // application workspace
        RGB(128, 0, 128),   // highlight
        RGB(255, 255, 255), // highlight text
        RGB(0, 0, 0),       // button face
        RGB(128, 128, 128), // button shadow
        RGB(0, 255, 0),     // gray text
        RGB(255, 255, 255), // button text
        RGB(0, 0, 0),       // inactive caption text
        RGB(255, 255, 255), // button highlight
        RGB(192, 192, 192), // 3D dark shadow
        RGB(255, 255, 255), // 3D light
        RGB(255, 255, 255), // tooltip text
        RGB(0, 0, 0),       // tooltip background
    };
    return scheme;
}

// Black text and edges on white.
static const SysColorScheme& high_contrast_white() {
    static const SysColorScheme scheme = {
        RGB(255, 255, 255), // scroll bar
        RGB(255, 255, 255), // desktop
        RGB(0, 0, 0),       // active caption
        RGB(255, 255, 255), // inactive caption
        RGB(255, 255, 255), // menu
        RGB(255, 255, 255), // window
        RGB(0, 0, 0),       // window frame
        RGB(0, 0, 0),       // menu text
        RGB(0, 0, 0),       // window text
        RGB(255, 255, 255), // caption text
        RGB(128, 128, 128), // active border
        RGB(192, 192, 192), // inactive border
        RGB(128, 128, 128), // application workspace
        RGB(0, 0, 0),       // highlight
        RGB(255, 255, 255), // highlight text
        RGB(255, 255, 255), // button face
        RGB(128, 128, 128), // button shadow
        RGB(0, 128, 0),     // gray text
        RGB(0, 0, 0),       // button text
        RGB(0, 0, 0),       // inactive caption text
        RGB(192, 192, 192), // button highlight
        RGB(0, 0, 0),       // 3D dark shadow
        RGB(255, 255, 255), // 3D light
        RGB(0, 0, 0),       // tooltip text
        RGB(255, 255, 255), // tooltip background
    };
    return scheme;
}

std::span<const NamedSysColorScheme> SysColorSchemes() {
    static const NamedSysColorScheme schemes[] = {
        {"Windows Standard", StandardSysColors()},
        {"High Contrast Black", high_contrast_black()},
        {"High Contrast White", high_contrast_white()},
    };
    return schemes;
}

static thread_local SysColorScheme t_scheme = StandardSysColors();

gdi::COLORREF GetSysColor(int index) {
    if (index < 0 || index >= kSysColorCount) return 0;
    return t_scheme[static_cast<size_t>(index)];
}

void SetSysColorScheme(const SysColorScheme& scheme) {
    t_scheme = scheme;
}

bool SetSysColors(int count, const int* indexes, const gdi::COLORREF* colors) {
    if (count < 0 || (count > 0 && (!indexes || !colors))) return false;
    for (int i = 0; i < count; ++i)
        if (indexes[i] >= 0 && indexes[i] < kSysColorCount)
            t_scheme[static_cast<size_t>(indexes[i])] = colors[i];
    return true;
}

} // namespace user
