#include "Units.h"

namespace host {

bool IsKnownScaleMode(int16_t m) { return m >= 0 && m <= 8; }

double UnitsPerPixel(int16_t mode, Axis axis, int dpi, const UserScale* user) {
    const double inches_per_pixel = 1.0 / dpi;
    switch (mode) {
    case 0:
        if (user) {
            double units = axis == Axis::X ? user->width : user->height;
            double pixels = axis == Axis::X ? user->pixel_width : user->pixel_height;
            if (pixels != 0 && units != 0) return units / pixels;
        }
        return 1.0;
    case 1: return 1440.0 * inches_per_pixel;
    case 2: return 72.0 * inches_per_pixel;
    case 3: return 1.0;
    case 4: return 1440.0 * inches_per_pixel / (axis == Axis::X ? 120.0 : 240.0);
    case 5: return inches_per_pixel;
    case 6: return 25.4 * inches_per_pixel;
    case 7: return 2.54 * inches_per_pixel;
    case 8: return 2540.0 * inches_per_pixel;
    default: return 1.0;
    }
}

double ConvertLength(double value, int16_t from, int16_t to, Axis axis, int dpi, const UserScale* user) {
    if (from == to) return value;
    double pixels = value / UnitsPerPixel(from, axis, dpi, user);
    return pixels * UnitsPerPixel(to, axis, dpi, user);
}

} // namespace host
