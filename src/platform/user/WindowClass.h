#pragma once

#include "platform/gdi/Handles.h"
#include "platform/user/Hwnd.h"

#include <cstdint>

// Window classes: a registered name with the procedure, class style and background that the
// windows CreateWindowExA makes of it start with.
namespace user {

constexpr uint32_t CS_VREDRAW = 0x0001; // repaint all of it when the height changes
constexpr uint32_t CS_HREDRAW = 0x0002; // repaint all of it when the width changes
constexpr uint32_t CS_DBLCLKS = 0x0008; // receives double-click messages
constexpr uint32_t CS_OWNDC = 0x0020;   // every window here behaves so: one DC for its whole life

using ATOM = uint16_t;

// The background may be a brush handle or, as on the platform, a system colour index plus one
// (HBRUSH{COLOR_BTNFACE + 1}); the window system then paints with that colour as it is at the time.
struct WNDCLASSA {
    uint32_t style = 0;
    WNDPROC lpfnWndProc = nullptr;
    int cbClsExtra = 0;
    int cbWndExtra = 0;
    uintptr_t hInstance = 0;
    uintptr_t hIcon = 0;
    uintptr_t hCursor = 0;
    gdi::HBRUSH hbrBackground;
    const char* lpszMenuName = nullptr;
    const char* lpszClassName = nullptr;
};

// Class names compare without regard to case. Registering a name twice fails with
// ERROR_CLASS_ALREADY_EXISTS; a class without a procedure or name fails with ERROR_INVALID_PARAMETER.
ATOM RegisterClassA(const WNDCLASSA* wndClass);
// Fails while a window of the class exists (ERROR_CLASS_HAS_WINDOWS).
bool UnregisterClassA(const char* className, uintptr_t instance);

} // namespace user
