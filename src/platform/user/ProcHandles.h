#pragma once

#include "platform/user/Hwnd.h"

#include <cstdint>

// 32-bit handles for window procedures. A procedure is a 64-bit pointer here, so the 32-bit forms
// of GetWindowLongA/SetWindowLongA hand out a small handle for it instead, as the platform does for
// procedures it has to translate; CallWindowProcA and SetWindowLong(Ptr)A take such a handle back.
// Handles are 0x80000001 and up (negative as 32-bit values), which no procedure address can be.
namespace user::detail {

int32_t proc_handle(WNDPROC proc);
// The procedure a value stands for: a registered handle's procedure, or the value as a pointer;
// null for 0 and for handles never handed out.
WNDPROC proc_from_value(LONG_PTR value);

} // namespace user::detail
