#pragma once

#include <compare>
#include <cstdint>
#include <functional>

// Window handles. A handle holds a slot number and a generation, so a destroyed window's handle is
// recognised (IsWindow false) and calls given it fail instead of reaching another window.
namespace user {

struct HWND {
    uint32_t value = 0;
    explicit operator bool() const { return value != 0; }
    friend auto operator<=>(HWND, HWND) = default;
};

using UINT = uint32_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using LONG_PTR = intptr_t;

// Window procedures are plain function pointers, so subclassing by replacing one is real.
using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

} // namespace user

template <>
struct std::hash<user::HWND> {
    size_t operator()(user::HWND h) const noexcept { return std::hash<uint32_t>()(h.value); }
};
