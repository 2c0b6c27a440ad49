#pragma once

#include <cstdint>

// Lengths in the container's scale modes. Every conversion goes through pixels at the display's
// logical pixels per inch: a twip is 1/1440 inch (15 a pixel at 96 DPI, 12 at 120), a point 1/72,
// HIMETRIC 1/2540, a character 120 twips across and 240 down.
namespace host {

enum class Axis { X, Y };

// The user scale of an object (ScaleMode 0): ScaleLeft/ScaleTop and ScaleWidth/ScaleHeight over a
// client area of the given pixel size.
struct UserScale {
    double left = 0, top = 0, width = 0, height = 0;
    double pixel_width = 0, pixel_height = 0;
};

// How many units of `scale_mode` make one pixel along `axis` (for modes 1 to 8; 3 gives 1). The
// user scale, 0, uses `user`; a user scale with no size gives 1.
double UnitsPerPixel(int16_t scale_mode, Axis axis, int dpi, const UserScale* user = nullptr);

// Converts a length (not a position: the user scale's origin plays no part).
double ConvertLength(double value, int16_t from, int16_t to, Axis axis, int dpi, const UserScale* user = nullptr);

// Whether a scale mode is one ConvertLength knows (0 to 8).
bool IsKnownScaleMode(int16_t scale_mode);

} // namespace host
