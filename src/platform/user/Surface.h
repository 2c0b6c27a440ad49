#pragma once

#include "platform/user/WindowTable.h"

#include <cstdint>

// A window's surface: a 32-bit bitmap the size of its client area (at least 1 x 1) selected into a
// DC that keeps its handle for the window's life.
namespace user::detail {

bool create_surface(Window& w);
// Replaces the bitmap by one of the new size, keeping the pixels that still fit; the rest starts
// black. When the new bitmap cannot be made, the old one stays.
void resize_surface(Window& w, int32_t width, int32_t height);
void destroy_surface(Window& w);

} // namespace user::detail
