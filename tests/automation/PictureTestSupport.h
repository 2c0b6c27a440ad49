#pragma once

#include "platform/automation/AutomationError.h"
#include "platform/automation/StdPicture.h"

#include <cstdint>
#include <string>
#include <vector>

// What the picture tests look at: a picture's pixels as they are stored and as they are drawn.
namespace picture_test {

using Pixels = std::vector<uint32_t>;

// The bitmap's pixels, rows top-down, as stored (0x00RRGGBB).
Pixels bitmap_pixels(const rt::StdPicture& picture);
// A bitmap's transparency mask, one byte a pixel, 1 where the background shows; empty without one.
std::vector<uint8_t> bitmap_mask(const rt::StdPicture& picture);
// The icon drawn with DrawIconEx at its own size over a surface filled with `background`.
Pixels drawn_icon(const rt::StdPicture& picture, uint32_t background);
// The picture drawn with its own Render at (0, 0) of a surface of its pixel size (at least 1 x 1)
// filled with `background`.
Pixels rendered(const rt::StdPicture& picture, uint32_t background);

// The description of the automation error a call raises ("" when it raises none).
template <class F>
std::string error_description(F&& call) {
    try {
        call();
    } catch (const rt::AutomationError& e) {
        return e.description;
    }
    return {};
}

} // namespace picture_test
