#pragma once

#include "platform/user/Hwnd.h"

#include <cstdint>

// The values a window keeps that GetWindowLong(Ptr)A reads and SetWindowLong(Ptr)A replaces.
namespace user {

constexpr int GWLP_WNDPROC = -4;
constexpr int GWL_WNDPROC = GWLP_WNDPROC;
constexpr int GWLP_HINSTANCE = -6;
constexpr int GWLP_ID = -12;
constexpr int GWL_ID = GWLP_ID;
constexpr int GWL_STYLE = -16;
constexpr int GWL_EXSTYLE = -20;
constexpr int GWLP_USERDATA = -21;
constexpr int GWL_USERDATA = GWLP_USERDATA;

// GWL_STYLE, GWL_EXSTYLE, GWLP_WNDPROC, GWLP_USERDATA, GWLP_ID, GWLP_HINSTANCE. The setter returns
// the previous value; an unknown index fails with ERROR_INVALID_INDEX (0). Replacing GWLP_WNDPROC
// returns the previous procedure, so subclassing by replacement and chaining with CallWindowProcA
// are real. Setting WS_VISIBLE or WS_DISABLED through GWL_STYLE changes the flag only, without
// messages, as on the platform.
LONG_PTR GetWindowLongPtrA(HWND hwnd, int index);
LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value);
// The 32-bit forms. A window procedure does not fit in 32 bits, so GWLP_WNDPROC reads as a 32-bit
// procedure handle (as the platform hands out for procedures it must translate); such a handle is
// accepted back by SetWindowLong(Ptr)A and CallWindowProcA.
int32_t GetWindowLongA(HWND hwnd, int index);
int32_t SetWindowLongA(HWND hwnd, int index, int32_t value);

} // namespace user
