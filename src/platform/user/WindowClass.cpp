#include "platform/user/WindowClass.h"

#include "platform/user/Errors.h"
#include "platform/user/WindowOps.h"

#include <algorithm>
#include <strings.h>

namespace user {

using detail::WindowClass;
using detail::windows;

namespace detail {

WindowClass* find_class(const char* name) {
    if (!name) return nullptr;
    for (WindowClass& c : windows().classes)
        if (strcasecmp(c.name.c_str(), name) == 0) return &c;
    return nullptr;
}

} // namespace detail

ATOM RegisterClassA(const WNDCLASSA* wndClass) {
    if (!wndClass || !wndClass->lpfnWndProc || !wndClass->lpszClassName || !*wndClass->lpszClassName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (detail::find_class(wndClass->lpszClassName)) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    // Atoms of registered names start at 0xC000; a new class takes the next after the highest.
    uint16_t atom = 0xC000;
    for (const WindowClass& c : windows().classes)
        atom = std::max<uint16_t>(atom, uint16_t(c.atom + 1));
    windows().classes.push_back(
        {wndClass->lpszClassName, atom, wndClass->style, wndClass->lpfnWndProc, wndClass->hbrBackground});
    return atom;
}

bool UnregisterClassA(const char* className, uintptr_t) {
    const WindowClass* found = detail::find_class(className);
    if (!found) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return false;
    }
    const auto of_class = [&](HWND hwnd) {
        return strcasecmp(windows().find(hwnd)->className.c_str(), found->name.c_str()) == 0;
    };
    if (std::ranges::any_of(windows().all(), of_class)) {
        SetLastError(ERROR_CLASS_HAS_WINDOWS);
        return false;
    }
    std::erase_if(windows().classes, [&](const WindowClass& c) { return &c == found; });
    return true;
}

} // namespace user
