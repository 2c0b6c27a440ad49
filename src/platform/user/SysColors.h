#pragma once

#include "platform/gdi/Handles.h"

#include <array>
#include <span>

namespace user {

// System colour indexes 0 to 24.
enum SysColorIndex : int {
    COLOR_SCROLLBAR = 0,
    COLOR_BACKGROUND = 1,
    COLOR_ACTIVECAPTION = 2,
    COLOR_INACTIVECAPTION = 3,
    COLOR_MENU = 4,
    COLOR_WINDOW = 5,
    COLOR_WINDOWFRAME = 6,
    COLOR_MENUTEXT = 7,
    COLOR_WINDOWTEXT = 8,
    COLOR_CAPTIONTEXT = 9,
    COLOR_ACTIVEBORDER = 10,
    COLOR_INACTIVEBORDER = 11,
    COLOR_APPWORKSPACE = 12,
    COLOR_HIGHLIGHT = 13,
    COLOR_HIGHLIGHTTEXT = 14,
    COLOR_BTNFACE = 15,
    COLOR_BTNSHADOW = 16,
    COLOR_GRAYTEXT = 17,
    COLOR_BTNTEXT = 18,
    COLOR_INACTIVECAPTIONTEXT = 19,
    COLOR_BTNHIGHLIGHT = 20,
    COLOR_3DDKSHADOW = 21,
    COLOR_3DLIGHT = 22,
    COLOR_INFOTEXT = 23,
    COLOR_INFOBK = 24,
};
constexpr int kSysColorCount = 25;

using SysColorScheme = std::array<gdi::COLORREF, kSysColorCount>;

// The classic standard scheme (button face 0xC0C0C0, ...).
const SysColorScheme& StandardSysColors();

// A scheme the display settings offer by name: "Windows Standard" (the one above), "High Contrast
// Black" and "High Contrast White", in that order.
struct NamedSysColorScheme {
    const char* name;
    const SysColorScheme& colors;
};
std::span<const NamedSysColorScheme> SysColorSchemes();

// The colour of a system colour index in the scheme in effect; 0 for an index outside 0 to 24, as
// the platform returns for an unknown index.
gdi::COLORREF GetSysColor(int index);
// Loads another scheme; the next redraw shows it.
void SetSysColorScheme(const SysColorScheme& scheme);
// Changes single entries, as the platform's SetSysColors does.
bool SetSysColors(int count, const int* indexes, const gdi::COLORREF* colors);

} // namespace user
