#pragma once

#include "platform/user/Hwnd.h"

#include <cstdint>
#include <string>
#include <vector>

// Window properties: named HANDLE-sized values attached to a window. Names compare without regard
// to case, as the platform's atoms do. DestroyWindow removes what a window still carries.
namespace user {

using HANDLE = intptr_t;

// Adds or replaces; fails for a stale window or a null or empty name.
bool SetPropA(HWND hwnd, const char* name, HANDLE value);
// The value, 0 when the window has no such property.
HANDLE GetPropA(HWND hwnd, const char* name);
// Removes the property and returns its value, 0 when there was none.
HANDLE RemovePropA(HWND hwnd, const char* name);
// The names of the window's properties, in the order they were set.
std::vector<std::string> PropNames(HWND hwnd);

} // namespace user
